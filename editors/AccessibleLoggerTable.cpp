// What screen readers hear of the logger table: everything Qt's own table interface says, and
// also that a cell is disabled where the row's logger type has no use for it (the Port cell of
// a file logger). Qt's table cells never report an item that is not enabled, and Qt makes them
// inside its table interface, where no factory is asked. So the table gets Qt's interface
// wrapped, and every cell that interface hands out is wrapped on its way out. Installed when
// the library loads.
#include "LoggerDefinitionsEdit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QTableWidget>

#include <utility>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

using Relations = decltype(std::declval<const QAccessibleInterface&>().relations());

// Answers nothing: it stands in for a cell that Qt's table has deleted, and it clears the
// cache's entry of an object (ForgetInterfaceOf).
class CNoInterface final : public QAccessibleInterface
{
public:
    bool isValid() const override { return false; }
    QObject* object() const override { return m_pObject; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override { return QAccessible::State(); }

    QObject* m_pObject = nullptr;
};

// Makes the accessibility cache forget which interface answers for pObject, without deleting
// that interface: it stays registered under its id, for its new owner to delete. The cache
// files an interface under the object it names when registering it and, when deleting one,
// forgets the entry of the object the deleted one names. A stand-in that names no object
// while it is registered and pObject when it is deleted clears that entry and nothing else.
void ForgetInterfaceOf(QObject* pObject)
{
    auto* pStandIn = new CNoInterface;
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(pStandIn);
    pStandIn->m_pObject = pObject;
    QAccessible::deleteAccessibleInterface(id);
}

// One of Qt's cells, disabled where its item is not enabled or the whole view is not; all else
// is the cell's own. Qt's table deletes its cells when rows go, so the wrapper asks the cache
// for the cell each time and answers nothing once it is gone.
class CAccessibleCell final : public QAccessibleInterface
{
public:
    CAccessibleCell(QAccessibleInterface* pCell, QAbstractItemView* pwView)
        : m_pCell(pCell), m_CellId(QAccessible::uniqueId(pCell)), m_pwView(pwView)
    {
    }

    QAccessibleInterface& Cell() const
    {
        static CNoInterface s_Gone;
        return QAccessible::accessibleInterface(m_CellId) == m_pCell ? *m_pCell : s_Gone;
    }

    bool Wraps(const QAccessibleInterface* pCell) const { return &Cell() == pCell; }

    bool isValid() const override { return Cell().isValid(); }
    QObject* object() const override { return nullptr; } // as Qt's cells: the cache keeps no entry
    QWindow* window() const override { return Cell().window(); }
    Relations relations(QAccessible::Relation eMatch) const override
    {
        return Cell().relations(eMatch);
    }
    QAccessibleInterface* focusChild() const override { return Cell().focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return Cell().childAt(x, y); }
    QAccessibleInterface* parent() const override { return Cell().parent(); }
    QAccessibleInterface* child(int nIndex) const override { return Cell().child(nIndex); }
    int childCount() const override { return Cell().childCount(); }
    int indexOfChild(const QAccessibleInterface* pChild) const override
    {
        return Cell().indexOfChild(pChild);
    }
    QString text(QAccessible::Text eText) const override { return Cell().text(eText); }
    void setText(QAccessible::Text eText, const QString& rqsText) override
    {
        Cell().setText(eText, rqsText);
    }
    QRect rect() const override { return Cell().rect(); }
    QAccessible::Role role() const override { return Cell().role(); }
    QColor foregroundColor() const override { return Cell().foregroundColor(); }
    QColor backgroundColor() const override { return Cell().backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType eType) override
    {
        return Cell().interface_cast(eType);
    }

    QAccessible::State state() const override
    {
        QAccessibleInterface& cell = Cell();
        QAccessible::State oState = cell.state();
        const QAccessibleTableCellInterface* pPlace = cell.tableCellInterface();
        if (!cell.isValid() || !pPlace || !m_pwView)
            return oState;
        const QModelIndex index = m_pwView->model()->index(
            pPlace->rowIndex(), pPlace->columnIndex(), m_pwView->rootIndex());
        if (!m_pwView->isEnabled() || !(index.flags() & Qt::ItemIsEnabled))
            oState.disabled = true;
        return oState;
    }

private:
    QAccessibleInterface* m_pCell;
    QAccessible::Id m_CellId;
    QPointer<QAbstractItemView> m_pwView;
};

// Qt's interface of an item view, which the wrapper owns, with its cells wrapped. The headers
// and the corner button are handed out as Qt made them.
class CAccessibleTable final : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    explicit CAccessibleTable(QAccessibleInterface* pTable)
        : m_pTable(pTable), m_TableId(QAccessible::uniqueId(pTable)),
          m_pCells(pTable->tableInterface()),
          m_pwView(qobject_cast<QAbstractItemView*>(pTable->object()))
    {
    }

    ~CAccessibleTable() override
    {
        for (const QAccessible::Id id : std::as_const(m_Wrappers))
            QAccessible::deleteAccessibleInterface(id);
        QAccessible::deleteAccessibleInterface(m_TableId); // deletes Qt's cells with it
    }

    bool isValid() const override { return m_pTable->isValid(); }
    QObject* object() const override { return m_pTable->object(); }
    QWindow* window() const override { return m_pTable->window(); }
    Relations relations(QAccessible::Relation eMatch) const override
    {
        return m_pTable->relations(eMatch);
    }
    QAccessibleInterface* focusChild() const override { return Wrap(m_pTable->focusChild()); }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return Wrap(m_pTable->childAt(x, y));
    }
    QAccessibleInterface* parent() const override { return m_pTable->parent(); }
    QAccessibleInterface* child(int nIndex) const override { return Wrap(m_pTable->child(nIndex)); }
    int childCount() const override { return m_pTable->childCount(); }
    int indexOfChild(const QAccessibleInterface* pChild) const override
    {
        // Qt's table reads the place of a cell from its own cell class: it gets the cell the
        // wrapper stands for, never the wrapper.
        if (const auto* pWrapper = dynamic_cast<const CAccessibleCell*>(pChild))
            return pWrapper->isValid() ? m_pTable->indexOfChild(&pWrapper->Cell()) : -1;
        return pChild ? m_pTable->indexOfChild(pChild) : -1;
    }
    QString text(QAccessible::Text eText) const override { return m_pTable->text(eText); }
    void setText(QAccessible::Text eText, const QString& rqsText) override
    {
        m_pTable->setText(eText, rqsText);
    }
    QRect rect() const override { return m_pTable->rect(); }
    QAccessible::Role role() const override { return m_pTable->role(); }
    QAccessible::State state() const override { return m_pTable->state(); }
    QColor foregroundColor() const override { return m_pTable->foregroundColor(); }
    QColor backgroundColor() const override { return m_pTable->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType eType) override
    {
        // The table interface only: interfaces that later Qt versions add to their table insist
        // that a cell's parent be that very table, which a wrapped cell's is not.
        return eType == QAccessible::TableInterface && m_pCells
                   ? static_cast<QAccessibleTableInterface*>(this)
                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return m_pCells->caption(); }
    QAccessibleInterface* summary() const override { return m_pCells->summary(); }
    QAccessibleInterface* cellAt(int nRow, int nColumn) const override
    {
        return Wrap(m_pCells->cellAt(nRow, nColumn));
    }
    int selectedCellCount() const override { return m_pCells->selectedCellCount(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells = m_pCells->selectedCells();
        for (QAccessibleInterface*& pCell : cells)
            pCell = Wrap(pCell);
        return cells;
    }
    QString columnDescription(int nColumn) const override
    {
        return m_pCells->columnDescription(nColumn);
    }
    QString rowDescription(int nRow) const override { return m_pCells->rowDescription(nRow); }
    int selectedColumnCount() const override { return m_pCells->selectedColumnCount(); }
    int selectedRowCount() const override { return m_pCells->selectedRowCount(); }
    int columnCount() const override { return m_pCells->columnCount(); }
    int rowCount() const override { return m_pCells->rowCount(); }
    QList<int> selectedColumns() const override { return m_pCells->selectedColumns(); }
    QList<int> selectedRows() const override { return m_pCells->selectedRows(); }
    bool isColumnSelected(int nColumn) const override
    {
        return m_pCells->isColumnSelected(nColumn);
    }
    bool isRowSelected(int nRow) const override { return m_pCells->isRowSelected(nRow); }
    bool selectRow(int nRow) override { return m_pCells->selectRow(nRow); }
    bool selectColumn(int nColumn) override { return m_pCells->selectColumn(nColumn); }
    bool unselectRow(int nRow) override { return m_pCells->unselectRow(nRow); }
    bool unselectColumn(int nColumn) override { return m_pCells->unselectColumn(nColumn); }

    void modelChange(QAccessibleTableModelChangeEvent* pEvent) override
    {
        // Qt's table deletes the cells of removed rows and, on a reset, all of them; their
        // wrappers go with them.
        m_pCells->modelChange(pEvent);
        for (auto it = m_Wrappers.begin(); it != m_Wrappers.end();)
        {
            const auto* pWrapper =
                dynamic_cast<CAccessibleCell*>(QAccessible::accessibleInterface(it.value()));
            if (pWrapper && pWrapper->Wraps(it.key()))
            {
                ++it;
                continue;
            }
            if (pWrapper)
                QAccessible::deleteAccessibleInterface(it.value());
            it = m_Wrappers.erase(it);
        }
    }

private:
    // The wrapper of a cell that Qt's table handed out, made on first use; anything that is not
    // a cell passes unchanged.
    QAccessibleInterface* Wrap(QAccessibleInterface* pChild) const
    {
        if (!pChild || !pChild->tableCellInterface())
            return pChild;
        const auto it = m_Wrappers.constFind(pChild);
        if (it != m_Wrappers.cend())
        {
            auto* pWrapper =
                dynamic_cast<CAccessibleCell*>(QAccessible::accessibleInterface(it.value()));
            if (pWrapper && pWrapper->Wraps(pChild))
                return pWrapper;
            // A new cell where a deleted one was: its wrapper wrapped the deleted one.
            if (pWrapper)
                QAccessible::deleteAccessibleInterface(it.value());
        }
        auto* pWrapper = new CAccessibleCell(pChild, m_pwView);
        m_Wrappers.insert(pChild, QAccessible::registerAccessibleInterface(pWrapper));
        return pWrapper;
    }

    QAccessibleInterface* m_pTable;
    QAccessible::Id m_TableId;
    QAccessibleTableInterface* m_pCells;
    QAbstractItemView* m_pwView;
    mutable QHash<QAccessibleInterface*, QAccessible::Id> m_Wrappers; // Qt's cell, its wrapper
};

// The view whose interface Qt's own factories are making at the moment.
QObject* s_pUnwrapped = nullptr;

QAccessibleInterface* LoggerTableFactory(const QString& rqsClassName, QObject* pObject)
{
    // Asked once per view, first with the name of its own class.
    if (!qobject_cast<QTableWidget*>(pObject) || pObject == s_pUnwrapped ||
        rqsClassName != QLatin1String(pObject->metaObject()->className()) ||
        !qobject_cast<CLoggerDefinitionsEdit*>(pObject->parent()))
        return nullptr;
    // Qt's own interface: the same query again, with this factory standing aside.
    s_pUnwrapped = pObject;
    QAccessibleInterface* pTable = QAccessible::queryAccessibleInterface(pObject);
    s_pUnwrapped = nullptr;
    if (pTable == nullptr)
        return nullptr;
    // The cache has filed Qt's interface under the view and files the wrapper there once this
    // factory returns; an object has one entry (debug builds of Qt assert it).
    ForgetInterfaceOf(pObject);
    return new CAccessibleTable(pTable);
}

void InstallLoggerTableAccessibility()
{
    QAccessible::installFactory(LoggerTableFactory);
}

Q_COREAPP_STARTUP_FUNCTION(InstallLoggerTableAccessibility)

} // namespace

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
