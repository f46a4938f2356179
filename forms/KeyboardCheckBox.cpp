#include "KeyboardCheckBox.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CKeyboardCheckBox::CKeyboardCheckBox(QWidget* parent) : Base(parent) {}

CKeyboardCheckBox::~CKeyboardCheckBox() = default;

void CKeyboardCheckBox::setTopLeftLabel(const QString& label)
{
    _SetLabels(label, bottomLeftLabel(), bottomRightLabel());
}

void CKeyboardCheckBox::setBottomLeftLabel(const QString& label)
{
    _SetLabels(topLeftLabel(), label, bottomRightLabel());
}

void CKeyboardCheckBox::setBottomRightLabel(const QString& label)
{
    _SetLabels(topLeftLabel(), bottomLeftLabel(), label);
}

void CKeyboardCheckBox::_SetLabels(const QString& topLeft, const QString& bottomLeft,
                                   const QString& bottomRight)
{
    const Base::EKeyboardButtonMode eMode = _Mode();
    Set(topLeft.toStdString(), bottomLeft.toStdString(), bottomRight.toStdString());
    if (eMode != Base::Labels)
        Set(eMode);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
