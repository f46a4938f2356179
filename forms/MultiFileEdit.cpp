#include "MultiFileEdit.h"

#include <QListWidget>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CMultiFileEdit::CMultiFileEdit(QWidget* parent) : Base(parent) {}

CMultiFileEdit::~CMultiFileEdit() = default;

QStringList CMultiFileEdit::selection() const
{
    // The library keeps the selection to itself; its form's list shows it row by row.
    QStringList qslEntries;
    if (auto* pwList = findChild<QListWidget*>(QStringLiteral("m_wSelectedPaths")))
        for (int nRow = 0; nRow < pwList->count(); ++nRow)
            qslEntries << pwList->item(nRow)->text();
    return qslEntries;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
