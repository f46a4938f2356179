#pragma once

#include "LoggerDefinitionRecord.h"
#include "ZuRaradirIzurodudozExport.h"

#include <QWidget>

#include <vector>

class QTableWidgetItem;

QT_BEGIN_NAMESPACE
namespace Ui
{
class CLoggerDefinitionsEditData;
}
QT_END_NAMESPACE

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
class CComboBoxDelegate;
}

/**
 * Edits a list of logger definitions in a table of four columns (Type, Level, Name, Port), one
 * row per definition, with an add and a remove button. Every edit is stored in the widget's
 * own list at once and announced with definitionsChanged; OnDefinitionsChanged takes a list
 * back without a signal. The column widths and order are kept in the application's settings
 * under "/Session/Logger Definition/Geometry" and restored by the next widget.
 *
 * Definitions whose type or level lies outside the enumerations are shown as "unknown" and
 * kept unchanged until the user picks a known entry.
 */
class ZRI_EXPORT CLoggerDefinitionsEdit : public QWidget
{
    Q_OBJECT

public:
    /// A table of the given definitions; the header state of the last widget is restored.
    explicit CLoggerDefinitionsEdit(
        const std::vector<Fenra::Progress::CLoggerDefinition>& definitions,
        QWidget* parent = nullptr);
    /// An empty list: the constructor that Designer forms (uic) call with the parent alone.
    explicit CLoggerDefinitionsEdit(QWidget* parent = nullptr);
    /// Stores the header state for the next widget.
    ~CLoggerDefinitionsEdit() override;

    /// The list as the widget holds it: as given, taken back, or after the user's last edit.
    const std::vector<Fenra::Progress::CLoggerDefinition>& GetLoggerDefinitions() const;

signals:
    /// The whole list after every stored edit. It refers to the widget's own list: connect
    /// directly, or register the vector as a meta-type for queued connections.
    void definitionsChanged(const std::vector<Fenra::Progress::CLoggerDefinition>& definitions);

public slots:
    /// Replaces the list and refills the table; emits nothing.
    void OnDefinitionsChanged(const std::vector<Fenra::Progress::CLoggerDefinition>& definitions);

protected slots:
    /// Appends a row with a default definition (type none, level info, port 5432).
    void _OnAddDefinition();
    /// Removes the selected rows and emits the list.
    void _OnRemoveDefinition();
    /// Reads the edited cell with the logger text forms, stores the value and emits the list; a
    /// cell that cannot be read gets its stored value back.
    void _OnItemChanged(QTableWidgetItem* pwItem);

private:
    Q_DISABLE_COPY(CLoggerDefinitionsEdit)

    void _HandleCell(int nRow, int nColumn);
    void _SetRowState(int nRow, Fenra::Progress::ELoggerType eType);
    void _RestoreCell(int nRow, int nColumn);
    void _SetRowCells(int nRow, Fenra::Progress::CLoggerDefinition definition);

    Ui::CLoggerDefinitionsEditData* m_pForm;
    std::vector<Fenra::Progress::CLoggerDefinition> m_vDefinitions;
    Detail::CComboBoxDelegate* m_pItemDelegate;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
