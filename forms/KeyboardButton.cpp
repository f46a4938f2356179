#include "KeyboardButton.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CKeyboardButton::CKeyboardButton(QWidget* parent) : Base(parent) {}

CKeyboardButton::~CKeyboardButton() = default;

void CKeyboardButton::setTopLeftLabel(const QString& label)
{
    _SetLabels(label, bottomLeftLabel(), bottomRightLabel());
}

void CKeyboardButton::setBottomLeftLabel(const QString& label)
{
    _SetLabels(topLeftLabel(), label, bottomRightLabel());
}

void CKeyboardButton::setBottomRightLabel(const QString& label)
{
    _SetLabels(topLeftLabel(), bottomLeftLabel(), label);
}

void CKeyboardButton::_SetLabels(const QString& topLeft, const QString& bottomLeft,
                                 const QString& bottomRight)
{
    const Base::EKeyboardButtonMode eMode = _Mode();
    Set(topLeft.toStdString(), bottomLeft.toStdString(), bottomRight.toStdString());
    if (eMode != Base::Labels)
        Set(eMode);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
