#pragma once

#include "FileType.h"
#include "ZuRaradirIzurodudozExport.h"

#include <QWidget>

#include <list>
#include <memory>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
struct CFileEditLineData;
}

/**
 * Edits one file or directory path: a line edit to type it in and a "..." button that opens a
 * file dialog. Reports the path through pathChanged() and takes a new one through
 * OnPathChanged(), which does not emit, so it can be bound to a parameter model both ways.
 *
 * The constructor's flags fix the dialog: an existing directory (bSelectDirectory), an existing
 * file (bExistingFile) or a file to write to (neither). A cancelled dialog empties the path when
 * bAcceptEmpty is set and keeps it otherwise; pathChanged() is emitted in both cases.
 */
class ZRI_EXPORT CFileEditLine : public QWidget
{
    Q_OBJECT

public:
    /// Shows rqsPath. fileTypes become the dialog's filter; bSelectDirectory, bAcceptEmpty and
    /// bExistingFile choose the dialog and what a cancelled dialog leaves, as described above.
    CFileEditLine(const QString& rqsPath,
                  std::list<Varo::Fenra::ParameterPool::SFileType> fileTypes, bool bSelectDirectory,
                  bool bAcceptEmpty, bool bExistingFile, QWidget* pwParent);
    /// For Designer forms: an empty path, no file types, and a button that asks for a file to
    /// write to, keeping the path when the dialog is cancelled.
    explicit CFileEditLine(QWidget* pwParent = nullptr);
    ~CFileEditLine() override;

    CFileEditLine(const CFileEditLine&) = delete;
    CFileEditLine& operator=(const CFileEditLine&) = delete;

    /// The line edit's current text.
    QString GetCurrentPath();

signals:
    /// The path was typed (Return pressed or focus left) or chosen through the dialog.
    void pathChanged(const QString& rqsPath);

public slots:
    /// Shows rqsPath; emits nothing.
    void OnPathChanged(const QString& rqsPath);

protected slots:
    /// Emits pathChanged() with the typed text when editing ends (Return or focus left).
    void _OnEditingFinished();
    /// Opens the file dialog with a translated caption, starting at the current path, and emits
    /// pathChanged() with the result.
    void _OnFileDialogButtonClicked();

private:
    QString _CreateDialogFilter();

    std::unique_ptr<Detail::CFileEditLineData> m_pForm;
    std::list<Varo::Fenra::ParameterPool::SFileType> m_FileTypes;
    bool m_bSelectDirectory;
    bool m_bAcceptEmpty;
    bool m_bExistingFile;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
