#include "LoggerDefinitionsEdit.h"

#include "AccessibleControl.h"
#include "AccessibleTexts.h"
#include "ComboBoxDelegate.h"
#include "LoggerDefinition.h"
#include "ui_LoggerDefinitionsEdit.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>

#include <array>
#include <set>

// Three choices the table makes where a user would otherwise be surprised:
// - A new row shows the port of the default definition (5432) instead of an empty Port cell,
//   so that the added definition keeps the port it was created with.
// - The Port cell is disabled for the type "file": a file logger has no port.
// - A type or level outside the enumerations shows "unknown" and is kept as it is: a cell text
//   that does not parse never changes the stored value; the cell gets the text of the stored
//   value back. The row of an unknown type keeps all its cells enabled, and picking a known
//   entry in the combo box is the way to repair it.

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

using Fenra::Progress::_EVerbosityLevel;
using Fenra::Progress::CLoggerDefinition;
using Fenra::Progress::ELoggerType;
using namespace Detail;

namespace
{

const QString kGeometryKey = QStringLiteral("/Session/Logger Definition/Geometry");

template <typename T> QString ValueText(T value)
{
    const Fenra::Strings::SMakeValueStringParameter parameter;
    return QString::fromStdString(
        Fenra::Strings::Detail::SMakeValueStringImpl<T>()(value, parameter));
}

/// The cell text of a type or level: its display text in lower case.
template <typename T> QString CellText(T value)
{
    return ValueText(value).toLower();
}

/// Whether a cell text names a value; a text that does not leaves the value untouched.
template <typename T> bool ParseCell(const QString& text, T& value)
{
    try
    {
        value = Fenra::Strings::MakeValue<T>(text.toStdString(), false);
        return true;
    }
    catch (...)
    {
        // CMakeValueException for a word that is not accepted, or the formatter's own error
        // when a translation broke the message format: the text is refused either way.
        return false;
    }
}

/// Which of the Level, Name and Port cells a row of the given type offers for editing.
std::array<bool, 3> EnabledCells(ELoggerType eType)
{
    switch (eType)
    {
    case Fenra::Progress::LoggerNone:
        return {false, false, false};
    case Fenra::Progress::LoggerGui:
    case Fenra::Progress::LoggerStdout:
    case Fenra::Progress::LoggerConsole:
        return {true, false, false};
    case Fenra::Progress::LoggerFile:
        return {true, true, false};
    case Fenra::Progress::LoggerNetwork:
        break;
    }
    return {true, true, true};
}

// The Name column's first width: a typical log path shows whole ("/var/log/app..." would not).
const QString kTypicalName = QStringLiteral("/var/log/application/server.log");

// Commits and closes the open in-cell editor when a press lands on another cell. The view does
// so itself only when the current cell changes, which a disabled cell never becomes.
class CCommitOnPress : public QObject
{
public:
    CCommitOnPress(QTableWidget* pwTable, QAbstractItemDelegate* pDelegate)
        : QObject(pwTable), m_pwTable(pwTable), m_pDelegate(pDelegate)
    {
        pwTable->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() != QEvent::MouseButtonPress)
            return false;
        // The view hands out the open editor of a cell as that cell's index widget.
        const QModelIndex edited = m_pwTable->currentIndex();
        QWidget* pwEditor = m_pwTable->indexWidget(edited);
        const QPoint pos = static_cast<QMouseEvent*>(pEvent)->pos();
        if (pwEditor != nullptr && m_pwTable->indexAt(pos) != edited)
        {
            emit m_pDelegate->commitData(pwEditor);
            emit m_pDelegate->closeEditor(pwEditor, QAbstractItemDelegate::NoHint);
        }
        return false;
    }

private:
    QTableWidget* m_pwTable;
    QAbstractItemDelegate* m_pDelegate;
};

// Tells a listening screen reader that a cell became enabled or disabled (a row's new logger
// type), so that one resting on the cell hears it at once.
void AnnounceEnabledChange(QTableWidget* pwTable, int nRow, int nColumn)
{
    if (!AccessibleListening())
        return;
    QAccessibleInterface* pTable = QAccessible::queryAccessibleInterface(pwTable);
    QAccessibleTableInterface* pCells = pTable ? pTable->tableInterface() : nullptr;
    QAccessibleInterface* pCell = pCells ? pCells->cellAt(nRow, nColumn) : nullptr;
    if (!pCell)
        return;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(pCell, changed);
    SendAccessible(event);
}

} // namespace

CLoggerDefinitionsEdit::CLoggerDefinitionsEdit(const std::vector<CLoggerDefinition>& definitions,
                                               QWidget* parent)
    : QWidget(parent), m_pForm(new Ui::CLoggerDefinitionsEditData), m_vDefinitions(definitions),
      m_pItemDelegate(new CComboBoxDelegate(nullptr))
{
    m_pForm->setupUi(this);
    // The generated form knows only Qt's translation; these texts take the library's.
    SetAccessibleTexts(this, "Logger definitions");
    SetAccessibleTexts(m_pForm->m_wDefinitions, "Definitions");
    SetAccessibleTexts(m_pForm->m_wAdd, "Add logger definition", "Add logger definition",
                       "Adds a row for a new logger definition");
    SetAccessibleTexts(m_pForm->m_wRemove, "Remove selected logger definitions",
                       "Remove selected logger definitions", "Removes the selected rows");
    QTableWidget* table = m_pForm->m_wDefinitions;
    static const char* const headers[] = {ZRI_TR_NOOP("Type"), ZRI_TR_NOOP("Level"),
                                          ZRI_TR_NOOP("Name"), ZRI_TR_NOOP("Port")};
    const char* const pszContext = "CLoggerDefinitionsEditData"; // the form's, as uic made it
    for (int column = 0; column < table->columnCount() && column < 4; ++column)
        table->horizontalHeaderItem(column)->setText(FormText(pszContext, headers[column]));
    // restoreState refuses an empty or foreign state and leaves the header as the form made it.
    if (!table->horizontalHeader()->restoreState(QSettings().value(kGeometryKey).toByteArray()))
        table->horizontalHeader()->resizeSection(
            NameColumn, table->fontMetrics().horizontalAdvance(kTypicalName) + 16);
    table->setItemDelegate(m_pItemDelegate);
    new CCommitOnPress(table, m_pItemDelegate);
    // The Delete key in the table does what the remove button does.
    auto* pDelete = new QShortcut(QKeySequence(QKeySequence::Delete), table);
    pDelete->setContext(Qt::WidgetShortcut);
    connect(pDelete, &QShortcut::activated, this, &CLoggerDefinitionsEdit::_OnRemoveDefinition);
    OnDefinitionsChanged(m_vDefinitions);
}

CLoggerDefinitionsEdit::CLoggerDefinitionsEdit(QWidget* parent)
    : CLoggerDefinitionsEdit(std::vector<CLoggerDefinition>(), parent)
{
}

CLoggerDefinitionsEdit::~CLoggerDefinitionsEdit()
{
    delete m_pItemDelegate;
    QSettings().setValue(kGeometryKey, m_pForm->m_wDefinitions->horizontalHeader()->saveState());
    delete m_pForm;
}

const std::vector<CLoggerDefinition>& CLoggerDefinitionsEdit::GetLoggerDefinitions() const
{
    return m_vDefinitions;
}

void CLoggerDefinitionsEdit::OnDefinitionsChanged(const std::vector<CLoggerDefinition>& definitions)
{
    try
    {
        m_vDefinitions = definitions;
        QTableWidget* table = m_pForm->m_wDefinitions;
        table->clearContents();
        table->setRowCount(int(m_vDefinitions.size()));
        const QSignalBlocker blocker(this);
        for (std::size_t nRow = 0; nRow < m_vDefinitions.size(); ++nRow)
            _SetRowCells(int(nRow), m_vDefinitions[nRow]);
    }
    catch (...)
    {
        // Only an allocation can fail here; the table keeps what it could show.
    }
}

void CLoggerDefinitionsEdit::_OnAddDefinition()
{
    try
    {
        const int nRow = int(m_vDefinitions.size());
        m_pForm->m_wDefinitions->setRowCount(nRow + 1);
        m_vDefinitions.emplace_back();
        _SetRowCells(nRow, CLoggerDefinition());
    }
    catch (...)
    {
    }
}

void CLoggerDefinitionsEdit::_OnRemoveDefinition()
{
    try
    {
        QTableWidget* table = m_pForm->m_wDefinitions;
        std::set<int> rows;
        for (const QTableWidgetSelectionRange& range : table->selectedRanges())
            for (int nRow = range.topRow(); nRow <= range.bottomRow(); ++nRow)
                rows.insert(nRow);
        // From the bottom up, so that the rows still to be removed keep their numbers.
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        {
            if (*it < 0 || std::size_t(*it) >= m_vDefinitions.size())
                continue;
            table->removeRow(*it);
            m_vDefinitions.erase(m_vDefinitions.begin() + *it);
        }
        table->setRowCount(int(m_vDefinitions.size()));
        emit definitionsChanged(m_vDefinitions);
    }
    catch (...)
    {
    }
}

void CLoggerDefinitionsEdit::_OnItemChanged(QTableWidgetItem* pwItem)
{
    try
    {
        if (pwItem)
            _HandleCell(pwItem->row(), pwItem->column());
    }
    catch (...)
    {
        // A receiver of definitionsChanged may throw; it must not unwind through Qt.
    }
}

void CLoggerDefinitionsEdit::_HandleCell(int nRow, int nColumn)
{
    QTableWidgetItem* cell = m_pForm->m_wDefinitions->item(nRow, nColumn);
    if (!cell || nRow < 0 || std::size_t(nRow) >= m_vDefinitions.size())
        return;
    const QString text = cell->text();
    CLoggerDefinition& definition = m_vDefinitions[std::size_t(nRow)];
    switch (nColumn)
    {
    case TypeColumn:
        if (!ParseCell(text, definition.m_eType))
            return _RestoreCell(nRow, nColumn);
        // Setting the flags runs this handling for the three other cells of the row: each
        // stores its cell again and announces the list, before the Type cell does below.
        _SetRowState(nRow, definition.m_eType);
        break;
    case LevelColumn:
        if (!ParseCell(text, definition.m_eLevel))
            return _RestoreCell(nRow, nColumn);
        break;
    case NameColumn:
        definition.m_sName = text.toStdString();
        break;
    case PortColumn:
        definition.m_nPort = text.toInt(nullptr, 10);
        break;
    default:
        break;
    }
    emit definitionsChanged(m_vDefinitions);
}

void CLoggerDefinitionsEdit::_SetRowState(int nRow, ELoggerType eType)
{
    QTableWidget* table = m_pForm->m_wDefinitions;
    const QTableWidgetItem* name = table->item(nRow, NameColumn);
    if (!name)
        return;
    const Qt::ItemFlags editable = Qt::ItemIsEnabled | Qt::ItemIsEditable;
    const Qt::ItemFlags base = name->flags();
    const std::array<bool, 3> enabled = EnabledCells(eType);
    for (int nCell = 0; nCell < 3; ++nCell)
    {
        // Fetched anew for every cell: the handling that setFlags runs may refill the table.
        QTableWidgetItem* cell = table->item(nRow, LevelColumn + nCell);
        if (!cell)
            continue;
        const bool wasEnabled = cell->flags().testFlag(Qt::ItemIsEnabled);
        cell->setFlags(enabled[std::size_t(nCell)] ? base | editable : base & ~editable);
        if (wasEnabled != enabled[std::size_t(nCell)])
            AnnounceEnabledChange(table, nRow, LevelColumn + nCell);
    }
}

void CLoggerDefinitionsEdit::_RestoreCell(int nRow, int nColumn)
{
    const CLoggerDefinition& definition = m_vDefinitions[std::size_t(nRow)];
    const QString stored =
        nColumn == TypeColumn ? CellText(definition.m_eType) : CellText(definition.m_eLevel);
    QTableWidgetItem* cell = m_pForm->m_wDefinitions->item(nRow, nColumn);
    if (cell->text() != stored)
        cell->setText(stored); // handled again: a known value parses, an unknown one ends below
    else if (nColumn == TypeColumn)
        _SetRowState(nRow, definition.m_eType);
}

void CLoggerDefinitionsEdit::_SetRowCells(int nRow, CLoggerDefinition definition)
{
    // The definition is a copy: the handling of each cell writes into the list.
    // The Type cell comes last: its handling sets the flags of the three others.
    QTableWidget* table = m_pForm->m_wDefinitions;
    table->setItem(nRow, PortColumn, new QTableWidgetItem(ValueText(definition.m_nPort)));
    table->setItem(nRow, NameColumn,
                   new QTableWidgetItem(QString::fromStdString(definition.m_sName)));
    table->setItem(nRow, LevelColumn, new QTableWidgetItem(CellText(definition.m_eLevel)));
    table->setItem(nRow, TypeColumn, new QTableWidgetItem(CellText(definition.m_eType)));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
