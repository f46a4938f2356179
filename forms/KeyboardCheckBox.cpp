#include "KeyboardCheckBox.h"

#include "KeyLegends.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CKeyboardCheckBox::CKeyboardCheckBox(QWidget* parent) : Base(parent) {}

CKeyboardCheckBox::~CKeyboardCheckBox() = default;

void CKeyboardCheckBox::setTopLeftLabel(const QString& label)
{
    Detail::SetLegends(*this, label, bottomLeftLabel(), bottomRightLabel());
}

void CKeyboardCheckBox::setBottomLeftLabel(const QString& label)
{
    Detail::SetLegends(*this, topLeftLabel(), label, bottomRightLabel());
}

void CKeyboardCheckBox::setBottomRightLabel(const QString& label)
{
    Detail::SetLegends(*this, topLeftLabel(), bottomLeftLabel(), label);
}

QSize CKeyboardCheckBox::sizeHint() const
{
    return Detail::KeySizeHint(*this);
}

QSize CKeyboardCheckBox::minimumSizeHint() const
{
    return sizeHint();
}

void CKeyboardCheckBox::_Redraw()
{
    Base::_Redraw();
    updateGeometry();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
