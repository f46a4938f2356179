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
    _PaintContent(painter, *this, isDefault(), content);
}

void CBitmapButton::_Redraw()
{
    repaint(rect());
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
