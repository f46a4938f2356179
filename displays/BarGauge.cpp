#include "BarGauge.h"

#include "BarGaugeGeometry.h"
#include "ShadedDrawing.h"
#include "StyleStore.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace
{

// Setters return early on "no change"; two NaNs are the same setting.
bool Same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool Assign(double& field, double value)
{
    if (Same(field, value))
    {
        return false;
    }
    field = value;
    return true;
}

} // namespace

CBarGauge::CBarGauge(QWidget* parent) : CBarBase(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

CBarGauge::~CBarGauge() = default;

void CBarGauge::SetRange(double minimum, double maximum)
{
    const bool changed = Assign(m_dMinimum, minimum);
    if (Assign(m_dMaximum, maximum) || changed)
    {
        update();
    }
}

void CBarGauge::SetValue(double value)
{
    if (!Assign(m_dValue, value))
    {
        return;
    }
    if (!std::isnan(value))
    {
        m_dLowest = std::isnan(m_dLowest) ? value : std::min(m_dLowest, value);
        m_dHighest = std::isnan(m_dHighest) ? value : std::max(m_dHighest, value);
    }
    update();
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
}

void CBarGauge::ResetExtremes()
{
    m_dLowest = m_dValue;
    m_dHighest = m_dValue;
    update();
}

void CBarGauge::SetTitle(const QString& title)
{
    m_sTitle = title;
    update();
}

void CBarGauge::SetFooter(const QString& footer)
{
    m_sFooter = footer;
    update();
}

void CBarGauge::SetUnit(const QString& unit)
{
    m_sUnit = unit;
    update();
}

void CBarGauge::SetDecimals(int decimals)
{
    m_nDecimals = std::clamp(decimals, 0, 15);
    update();
}

QString CBarGauge::ValueText() const
{
    if (std::isnan(m_dValue))
    {
        return QString();
    }
    const QString number = QString::number(m_dValue, 'f', m_nDecimals);
    return m_sUnit.isEmpty() ? number : number + QLatin1Char(' ') + m_sUnit;
}

void CBarGauge::SetLowAlarm(double level)
{
    if (Assign(m_dLowAlarm, level))
    {
        update();
    }
}

void CBarGauge::SetHighAlarm(double level)
{
    if (Assign(m_dHighAlarm, level))
    {
        update();
    }
}

void CBarGauge::SetAlarmColor(const QColor& color)
{
    m_oAlarmColor = color;
    update();
}

bool CBarGauge::IsAlarm() const
{
    // Comparisons with NaN are false: a level that is off never fires, nor does a NaN value.
    return m_dValue <= m_dLowAlarm || m_dValue >= m_dHighAlarm;
}

void CBarGauge::SetShowExtremes(bool show)
{
    m_bShowExtremes = show;
    update();
}

bool CBarGauge::NeedValue() const
{
    return true;
}

bool CBarGauge::NeedMinMax() const
{
    return true;
}

QSize CBarGauge::sizeHint() const
{
    return QSize(40, 200);
}

QSize CBarGauge::minimumSizeHint() const
{
    return QSize(2 * Detail::kGaugeMargin + 6, _GetTitleHeight() + _GetFooterHeight() + 20);
}

void CBarGauge::paintEvent(QPaintEvent*)
{
    const double none = std::nan("");
    const Detail::SBarGaugeLayout layout = Detail::BarGaugeLayout(
        rect(), _GetTitleHeight(), _GetFooterHeight(), m_dMinimum, m_dMaximum, m_dValue,
        m_bShowExtremes ? m_dLowest : none, m_bShowExtremes ? m_dHighest : none);
    QPainter painter(this);
    CStyleStore store(painter, QGuiApplication::palette().color(QPalette::WindowText));
    _DrawBar(painter, layout);
    const int flags = Qt::TextSingleLine | Qt::AlignCenter;
    painter.setFont(_GetTitleFont());
    DrawTextLine(painter, layout.oTitle, flags, m_sTitle);
    painter.setFont(_GetFooterFont());
    DrawTextLine(painter, layout.oFooter, flags, m_sFooter.isNull() ? ValueText() : m_sFooter);
}

void CBarGauge::_DrawBar(QPainter& painter, const Detail::SBarGaugeLayout& layout) const
{
    if (layout.oFrame.isEmpty())
    {
        return;
    }
    // The frame comes last: at fractional device pixel ratios its lines also cover part of the
    // rows beside them, and the bar's edges stay crisp.
    const QPalette palette = QGuiApplication::palette();
    painter.fillRect(layout.oFrame, palette.color(QPalette::Base));
    painter.fillRect(layout.oFill, IsAlarm() ? m_oAlarmColor : palette.color(QPalette::Highlight));
    // The extremes are lines across the inside, over the fill.
    CStyleStore store(painter, palette.color(QPalette::ButtonText));
    const int left = layout.oFrame.left() + 1;
    const int right = layout.oFrame.right() - 1;
    for (const std::optional<int>& row : {layout.oLowestRow, layout.oHighestRow})
    {
        if (row)
        {
            painter.drawLine(left, *row, right, *row);
        }
    }
    store.SetBrush(Qt::NoBrush);
    DrawShadedFrame(painter, layout.oFrame, true, 1);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
