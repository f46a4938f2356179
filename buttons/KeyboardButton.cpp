#include "KeyboardButton.h"

#include "ButtonFrame.h"
#include "StyleStore.h"

#include <QPainter>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CKeyboardButton::CKeyboardButton(QWidget* parent) : QPushButton(parent) {}

CKeyboardButton::~CKeyboardButton() = default;

void CKeyboardButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor color;
    QRect content;
    InitButton(*this, painter, color, content, _TextBorder(), isDefault());
    CStyleStore store(painter);
    _DrawKeyboardFace(painter, *this, isDefault(), content, color, _TextSizeMode() == ScaledSize);
}

void CKeyboardButton::_Redraw()
{
    repaint(rect());
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
