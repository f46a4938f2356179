#include "SwitchGeometry.h"

#include <QPoint>
#include <QSize>

#include <utility>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

SSwitchLayout SwitchLayout(CCheckBoxSwitch::EDrawMode drawMode, CCheckBoxSwitch::ETextMode textMode,
                           const QSize& size, bool checked)
{
    const int w = size.width();
    const int h = size.height();
    const bool standing = drawMode == CCheckBoxSwitch::Vertical;
    const int s = standing ? h / 2 : 2 * h;

    SSwitchLayout layout;
    // Two pixels always separate the text from the switch.
    if (textMode == CCheckBoxSwitch::TextLeft)
    {
        layout.oFrame = QRect(QPoint(w - s, 0), QPoint(w - 1, h - 1));
        layout.oText = QRect(QPoint(0, 0), QPoint(w - s - 3, h - 1));
        layout.nTextFlags = Qt::AlignRight | Qt::AlignVCenter;
    }
    else
    {
        layout.oFrame = QRect(QPoint(0, 0), QPoint(s - 1, h - 1));
        layout.oText = QRect(QPoint(s + 2, 0), QPoint(w - 1, h - 1));
        layout.nTextFlags = Qt::AlignLeft | Qt::AlignVCenter;
    }

    // Each half lies one pixel inside the track on its three outer sides; the first half is
    // the left (lying) or lower (standing) one and holds the knob while unchecked.
    const int fl = layout.oFrame.left();
    const int fr = layout.oFrame.right();
    QRect first;
    QRect second;
    if (standing)
    {
        const int m = h / 2;
        first = QRect(QPoint(fl + 1, m), QPoint(fr - 1, h - 2));
        second = QRect(QPoint(fl + 1, 1), QPoint(fr - 1, m - 1));
    }
    else
    {
        const int m = s / 2;
        first = QRect(QPoint(fl + 1, 1), QPoint(fl + m - 1, h - 2));
        second = QRect(QPoint(fl + m, 1), QPoint(fr - 1, h - 2));
    }
    if (checked)
        std::swap(first, second);
    layout.oKnob = first;
    layout.oColoured = second;

    const QRect& k = layout.oKnob;
    layout.bVerticalGroove = !standing;
    if (standing)
    {
        layout.nGroove = (k.top() + k.bottom()) / 2;
        layout.nGrooveFrom = k.left() + 1;
        layout.nGrooveTo = k.right() - 1;
    }
    else
    {
        layout.nGroove = (k.left() + k.right()) / 2;
        layout.nGrooveFrom = k.top() + 1;
        layout.nGrooveTo = k.bottom() - 1;
    }
    return layout;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
