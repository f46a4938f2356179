#include "KeyboardCheckBox.h"

#include "ButtonFrame.h"

#include <QPainter>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CKeyboardCheckBox::CKeyboardCheckBox(QWidget* parent) : QCheckBox(parent) {}

CKeyboardCheckBox::~CKeyboardCheckBox() = default;

void CKeyboardCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor color;
    QRect content;
    // Checked counts as pressed in the button frame, so the key stays sunken while checked.
    InitButton(*this, painter, color, content, _TextBorder(), false);
    _DrawKeyboardFace(painter, *this, false, content, color, false);
}

bool CKeyboardCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void CKeyboardCheckBox::_Redraw()
{
    repaint(rect());
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
