#include "CheckBoxSwitch.h"

#include "PictureCache.h"
#include "ShadedDrawing.h"
#include "SwitchGeometry.h"

#include <QPainter>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{
namespace
{

const QColor kCheckedColour(0, 192, 0);
const QColor kUncheckedColour(192, 0, 0);

void DrawSwitch(QPainter& painter, const Detail::SSwitchLayout& layout, bool checked)
{
    DrawShadedFrame(painter, layout.oFrame, true, 1);
    DrawShadedFrame(painter, layout.oKnob, false, 2);
    if (layout.bVerticalGroove)
        DrawShadedVLine(painter, layout.nGroove, layout.nGrooveFrom, layout.nGrooveTo, true, 1);
    else
        DrawShadedHLine(painter, layout.nGroove, layout.nGrooveFrom, layout.nGrooveTo, true, 1);
    // An inverted half (a widget only a few pixels high) would be normalised by Qt and fill
    // pixels outside the track, so it is left out.
    if (layout.oColoured.isValid())
        painter.fillRect(layout.oColoured, checked ? kCheckedColour : kUncheckedColour);
}

} // namespace

CCheckBoxSwitch::CCheckBoxSwitch(QWidget* parent) : QCheckBox(parent) {}

CCheckBoxSwitch::~CCheckBoxSwitch() = default;

void CCheckBoxSwitch::SetDrawMode(EDrawMode mode)
{
    m_eDrawMode = mode;
    updateGeometry();
    repaint(rect());
}

void CCheckBoxSwitch::SetTextMode(ETextMode mode)
{
    m_eTextMode = mode;
    updateGeometry();
    repaint(rect());
}

CCheckBoxSwitch::EDrawMode CCheckBoxSwitch::GetDrawMode() const
{
    return m_eDrawMode;
}

CCheckBoxSwitch::ETextMode CCheckBoxSwitch::GetTextMode() const
{
    return m_eTextMode;
}

void CCheckBoxSwitch::paintEvent(QPaintEvent*)
{
    const bool checked = isChecked();
    const Detail::SSwitchLayout layout =
        Detail::SwitchLayout(m_eDrawMode, m_eTextMode, size(), checked);
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    // Aliased and opaque, the switch itself is drawn once per look and device and blitted.
    Detail::CPictureKey key('W');
    key.AddShadeColours() << layout.oFrame << layout.oKnob << layout.oColoured
                          << layout.bVerticalGroove << layout.nGroove << layout.nGrooveFrom
                          << layout.nGrooveTo << checked;
    Detail::DrawThroughPicture(painter, key, rect(),
                               [&](QPainter& canvas) { DrawSwitch(canvas, layout, checked); });
    // The shaded drawing restores pen and font, so the text keeps the widget's own.
    if (m_eTextMode != NoText)
        DrawTextLine(painter, layout.oText, layout.nTextFlags, text());
}

bool CCheckBoxSwitch::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
