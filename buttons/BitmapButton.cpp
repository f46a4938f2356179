#include "BitmapButton.h"

#include "ButtonFrame.h"

#include <QPainter>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CBitmapButton::CBitmapButton(QWidget* parent) : QPushButton(parent) {}

CBitmapButton::~CBitmapButton() = default;

void CBitmapButton::ResizeButton()
{
    resize(_FittingSize());
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor color;
    QRect content;
    InitButton(*this, painter, color, content, kBorder, isDefault());
    _DrawContent(painter, content, iconSize(), text(), isEnabled());
}

void CBitmapButton::_Redraw()
{
    repaint(rect());
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
