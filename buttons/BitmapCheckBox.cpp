#include "BitmapCheckBox.h"

#include "ButtonFrame.h"

#include <QPainter>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CBitmapCheckBox::CBitmapCheckBox(QWidget* parent) : QCheckBox(parent) {}

CBitmapCheckBox::~CBitmapCheckBox() = default;

void CBitmapCheckBox::ResizeCheckBox()
{
    resize(_FittingSize());
}

void CBitmapCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor color;
    QRect content;
    InitButton(*this, painter, color, content, kBorder, false);
    _PaintContent(painter, *this, false, content);
}

bool CBitmapCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void CBitmapCheckBox::_Redraw()
{
    repaint(rect());
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
