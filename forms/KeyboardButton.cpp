#include "KeyboardButton.h"

#include "KeyLegends.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CKeyboardButton::CKeyboardButton(QWidget* parent) : Base(parent) {}

CKeyboardButton::~CKeyboardButton() = default;

void CKeyboardButton::setTopLeftLabel(const QString& label)
{
    Detail::SetLegends(*this, label, bottomLeftLabel(), bottomRightLabel());
}

void CKeyboardButton::setBottomLeftLabel(const QString& label)
{
    Detail::SetLegends(*this, topLeftLabel(), label, bottomRightLabel());
}

void CKeyboardButton::setBottomRightLabel(const QString& label)
{
    Detail::SetLegends(*this, topLeftLabel(), bottomLeftLabel(), label);
}

QSize CKeyboardButton::sizeHint() const
{
    return Detail::KeySizeHint(*this);
}

QSize CKeyboardButton::minimumSizeHint() const
{
    return sizeHint();
}

void CKeyboardButton::_Redraw()
{
    Base::_Redraw();
    updateGeometry();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
