#include "BarScalePercent.h"

#include "BarGeometry.h"
#include "ShadedDrawing.h"
#include "StyleStore.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CBarScalePercent::CBarScalePercent(QWidget* parent) : CBarBase(parent) {}

CBarScalePercent::~CBarScalePercent() = default;

void CBarScalePercent::SetSteps(unsigned int steps)
{
    m_nSteps = steps;
    update();
    updateGeometry();
}

void CBarScalePercent::SetScaleMode(bool ticksLeft, bool ticksRight)
{
    m_bTicksLeft = ticksLeft;
    m_bTicksRight = ticksRight;
    update();
    updateGeometry();
}

void CBarScalePercent::SetRulerFont(const std::string& family, unsigned int pixelSize, bool bold,
                                    bool italic)
{
    m_oRulerFont = Detail::WithBarFont(m_oRulerFont, family, pixelSize, bold, italic);
    m_bRulerFontSet = true;
    update();
    updateGeometry();
}

bool CBarScalePercent::NeedValue() const
{
    return false;
}

bool CBarScalePercent::NeedMinMax() const
{
    return false;
}

QSize CBarScalePercent::FittingSize() const
{
    const int labels =
        Detail::RulerLabelSize(Detail::RulerLabels(m_nSteps), QFontMetrics(_GetRulerFont()))
            .width();
    // Ticks of eight pixels, three pixels from the widest label (see RulerLayout).
    constexpr int kTick = 8 + 3;
    const int ticks = (m_bTicksLeft ? kTick : 0) + (m_bTicksRight ? kTick : 0);
    return QSize(labels + std::max(ticks, 2), _GetTitleHeight() + _GetFooterHeight() + 160);
}

const QFont& CBarScalePercent::_GetRulerFont() const
{
    return m_bRulerFontSet ? m_oRulerFont : font();
}

void CBarScalePercent::paintEvent(QPaintEvent*)
{
    const QStringList labels = Detail::RulerLabels(m_nSteps);
    const Detail::SRulerLayout layout = Detail::RulerLayout(
        rect(), _GetTitleHeight(), _GetFooterHeight(), m_nSteps,
        Detail::RulerLabelSize(labels, QFontMetrics(_GetRulerFont())), m_bTicksLeft, m_bTicksRight);
    if (layout.vMarks.empty())
    {
        return;
    }
    QPainter painter(this);
    CStyleStore store(painter);
    painter.setFont(_GetRulerFont());
    const QPalette palette = QGuiApplication::palette();
    const QPen dark(palette.color(QPalette::Dark), 1);
    const QPen light(palette.color(QPalette::Light), 1);
    const QPen kept = painter.pen();
    const int flags = Qt::TextSingleLine | Qt::AlignVCenter | layout.eLabelAlignment;
    // The labels keep the painter's own pen; each tick is a dark row over a light one.
    const auto drawTick = [&](int x1, int x2, int y)
    {
        store.SetPen(dark);
        painter.drawLine(x1, y, x2, y);
        store.SetPen(light);
        painter.drawLine(x1, y + 1, x2, y + 1);
        store.SetPen(kept);
    };
    for (std::size_t i = 0; i < layout.vMarks.size(); ++i)
    {
        const Detail::SRulerMark& mark = layout.vMarks[i];
        DrawTextLine(painter, mark.oLabelRect, flags, labels.at(static_cast<int>(i)));
        if (layout.bTicksLeft)
        {
            drawTick(rect().left(), layout.nLeftTickEnd, mark.nY);
        }
        if (layout.bTicksRight)
        {
            drawTick(layout.nRightTickStart, rect().right(), mark.nY);
        }
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
