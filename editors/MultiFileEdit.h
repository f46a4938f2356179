#pragma once

#include "FileType.h"
#include "ZuRaradirIzurodudozExport.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QStringList>
#include <QWidget>

#include <boost/tuple/tuple.hpp>

#include <list>
#include <memory>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
struct CMultiFileEditData;
}

/**
 * Edits an ordered list of file or directory paths, its selection. Paths are added through a
 * file dialog (the add button) or by dropping URLs or text onto the widget, removed with the
 * remove button, reordered by dragging inside the list and, when enabled, given a band specifier
 * through the list's context menu. Every change emits selectionChanged() with the whole list;
 * OnUpdateSelection() sets the list from outside without emitting.
 *
 * A drop with Shift or Alt held replaces the entries, a plain drop appends. Dropped paths are
 * checked against the mode: in directory mode they must be existing directories, in file mode
 * with bExistingFiles they must exist. Null paths (a cancelled dialog, a URL that is no local
 * file) are taken only with bAcceptEmpty. The same path may appear several times.
 */
class ZRI_EXPORT CMultiFileEdit : public QWidget
{
    Q_OBJECT

public:
    /// Shows rqslSelection. fileTypes become the dialog's filter; the flags choose the dialog,
    /// what is accepted and whether entries may carry band specifiers, as described above.
    CMultiFileEdit(const QStringList& rqslSelection,
                   std::list<Varo::Fenra::ParameterPool::SFileType> fileTypes,
                   bool bSelectDirectory, bool bAcceptEmpty, bool bExistingFiles,
                   bool bBandSpecifier, QWidget* pwParent);
    /// For Designer forms: an empty list, no file types, files to write to, no band specifiers.
    explicit CMultiFileEdit(QWidget* pwParent = nullptr);
    ~CMultiFileEdit() override;

    CMultiFileEdit(const CMultiFileEdit&) = delete;
    CMultiFileEdit& operator=(const CMultiFileEdit&) = delete;

signals:
    /// The whole list after every change by the user.
    void selectionChanged(const QStringList& rqslNewSelection);

public slots:
    /// Accepts drags that carry URLs or text.
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    /// Proposes linking (which replaces the entries) with Shift or Alt, copying otherwise.
    void dragMoveEvent(QDragMoveEvent* pEvent) override;
    /// Adds the dropped paths (or replaces the entries with Shift or Alt) and emits the list.
    void dropEvent(QDropEvent* pEvent) override;
    /// Replaces the entries with rqslSelection; an empty list keeps them. Emits nothing.
    void OnUpdateSelection(const QStringList& rqslSelection);
    /// Runs the band specifier menu at a position of the list (only with band specifiers on).
    void OnShowContextMenu(const QPoint& rqPos);
    /// Asks for a band specifier and puts it on every selected entry in place of its own.
    void OnSetBandSpecifier();

protected slots:
    /// Opens the file dialog with a translated caption and adds what was chosen.
    void _OnAddButtonClicked();
    /// Removes the selected entries and emits the list.
    void _OnRemoveButtonClicked();
    /// Takes the list's rows as the new selection, and signals it when it differs.
    void _OnRowsMoved();

private:
    /// The dialog filter and its entry that matches rqsSuffix ("." and a file name suffix).
    boost::tuple<QString, QString> _CreateDialogFilter(const QString& rqsSuffix);
    /// Rebuilds m_Selection from the rows of the list. Emits nothing.
    void _CreateSelection();
    /// Appends a dialog result or a dropped path when the mode accepts it.
    void _AddCandidate(const QString& rqsCandidate, bool bDropped);
    void _EmitSelection();

    std::unique_ptr<Detail::CMultiFileEditData> m_pForm;
    QStringList m_Selection;
    std::list<Varo::Fenra::ParameterPool::SFileType> m_FileTypes;
    bool m_bSelectDirectory;
    bool m_bAcceptEmpty;
    bool m_bExistingFiles;
    bool m_bBandSpecifier;
    QString m_LastPath;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
