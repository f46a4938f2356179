#include "ComboBoxDelegate.h"

#include "FileEditLine.h"

#include <QComboBox>
#include <QLineEdit>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

QComboBox* MakeComboBox(QWidget* parent, const QStringList& entries, const QObject* receiver,
                        const char* slot)
{
    auto* combo = new QComboBox(parent);
    combo->addItems(entries);
    QObject::connect(combo, SIGNAL(activated(int)), receiver, slot);
    return combo;
}

QLineEdit* MakeLineEdit(QWidget* parent, const QObject* receiver, const char* slot)
{
    auto* edit = new QLineEdit(QString(), parent);
    QObject::connect(edit, SIGNAL(editingFinished()), receiver, slot);
    return edit;
}

} // namespace

CComboBoxDelegate::CComboBoxDelegate(QObject* parent) : QItemDelegate(parent) {}

CComboBoxDelegate::~CComboBoxDelegate() = default;

QWidget* CComboBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    const char* const slot = SLOT(emitCommitData());
    switch (index.column())
    {
    case TypeColumn:
        return MakeComboBox(parent, {"gui", "file", "console", "stdout", "network", "none"}, this,
                            slot);
    case LevelColumn:
        return MakeComboBox(parent,
                            {"none", "fatal", "error", "warning", "info", "log", "debug", "trace"},
                            this, slot);
    case NameColumn:
    {
        const QString type =
            index.sibling(index.row(), TypeColumn).data(Qt::DisplayRole).toString();
        if (type == QLatin1String("network"))
            return MakeLineEdit(parent, this, slot);
        // A log file is written, so the button asks for a file to write to, and a cancelled
        // dialog keeps the path.
        auto* edit = new CFileEditLine(QString(), {}, false, false, false, parent);
        // Typing right after the double click goes into the path field.
        edit->setFocusProxy(edit->findChild<QLineEdit*>(QStringLiteral("m_wCurrentPath")));
        connect(edit, SIGNAL(pathChanged(QString)), this, slot);
        return edit;
    }
    case PortColumn:
        return MakeLineEdit(parent, this, slot);
    default:
        return QItemDelegate::createEditor(parent, option, index);
    }
}

void CComboBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    else if (auto* fileEdit = qobject_cast<CFileEditLine*>(editor))
        fileEdit->OnPathChanged(text);
    else if (auto* lineEdit = qobject_cast<QLineEdit*>(editor))
        lineEdit->setText(
            index.column() == PortColumn ? QString::number(text.toInt(nullptr, 10), 10) : text);
    else
        QItemDelegate::setEditorData(editor, index);
}

void CComboBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        model->setData(index, combo->currentText(), Qt::EditRole);
    else if (auto* fileEdit = qobject_cast<CFileEditLine*>(editor))
        model->setData(index, fileEdit->GetCurrentPath(), Qt::EditRole);
    else if (auto* lineEdit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, lineEdit->text(), Qt::EditRole);
    else
        QItemDelegate::setModelData(editor, model, index);
}

void CComboBoxDelegate::emitCommitData()
{
    emit commitData(qobject_cast<QWidget*>(sender()));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
