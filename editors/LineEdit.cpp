#include "LineEdit.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CLineEdit::CLineEdit(const QString& rqsContents, QWidget* pwParent)
    : QLineEdit(rqsContents, pwParent)
{
}

CLineEdit::CLineEdit(QWidget* pwParent) : QLineEdit(pwParent) {}

CLineEdit::~CLineEdit() = default;

void CLineEdit::focusInEvent(QFocusEvent* pEvent)
{
    QLineEdit::focusInEvent(pEvent);
    emit setFocus();
}

void CLineEdit::focusOutEvent(QFocusEvent* pEvent)
{
    // The base emits editingFinished() here; ours must follow it.
    QLineEdit::focusOutEvent(pEvent);
    emit looseFocus();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
