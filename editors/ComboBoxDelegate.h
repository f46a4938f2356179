#pragma once

#include <QItemDelegate>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// Columns of the logger definitions table.
enum ELoggerColumn : int
{
    TypeColumn = 0,
    LevelColumn = 1,
    NameColumn = 2,
    PortColumn = 3,
};

/**
 * The in-cell editors of the logger definitions table: combo boxes for the type and the level,
 * a line edit or a file path edit for the name (depending on the row's type) and a line edit
 * for the port. Every editor commits as soon as the user picks an entry or finishes typing,
 * not only when it closes.
 */
class CComboBoxDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit CComboBoxDelegate(QObject* parent = nullptr);
    ~CComboBoxDelegate() override;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private slots:
    void emitCommitData();
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
