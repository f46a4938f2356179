#include "BarGauge.h"

#include "AccessibleControl.h"
#include "BarGaugeGeometry.h"
#include "ShadedDrawing.h"
#include "StyleStore.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <optional>

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

// Whether a shown number reads as being on the same side of each alarm level as the value.
bool ReadsAsValue(double shown, double value, double low, double high)
{
    return (shown <= low) == (value <= low) && (shown >= high) == (value >= high);
}

// The value with the decimals asked for, or more where fewer would read as an alarm level the
// value is not at (or as the far side of one it is at); huge values in exponent form.
QString ValueNumber(double value, int decimals, double low, double high)
{
    QString text;
    const auto readsRight = [&] { return ReadsAsValue(text.toDouble(), value, low, high); };
    if (std::fabs(value) < 1e15)
    {
        for (int digits = decimals; digits <= 15 && (text.isEmpty() || !readsRight()); ++digits)
        {
            text = QString::number(value, 'f', digits);
        }
    }
    // Seventeen significant digits give back the double itself.
    for (int digits = 15; digits <= 17 && (text.isEmpty() || !readsRight()); ++digits)
    {
        text = QString::number(value, 'g', digits);
    }
    // A value that rounds to zero reads as zero, not as "-0".
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0.0)
    {
        text.remove(0, 1);
    }
    return text;
}

// What a screen reader hears of the gauge: its name, value and alarm. Made before a setter
// changes anything (only while someone listens), it tells what the setter changed when it goes.
class CHeardChanges
{
public:
    explicit CHeardChanges(CBarGauge* pwGauge) : m_pwGauge(pwGauge)
    {
        if (Detail::AccessibleListening())
        {
            m_oBefore = Heard();
        }
    }
    ~CHeardChanges()
    {
        if (!m_oBefore)
        {
            return;
        }
        const SHeard after = Heard();
        if (after.sName != m_oBefore->sName)
        {
            Detail::NotifyAccessible(m_pwGauge, QAccessible::NameChanged);
        }
        if (after.sValue != m_oBefore->sValue || !Same(after.dValue, m_oBefore->dValue))
        {
            QAccessibleValueChangeEvent event(m_pwGauge, after.dValue);
            Detail::SendAccessible(event);
        }
        if (after.nAlarm != m_oBefore->nAlarm)
        {
            Detail::NotifyAccessible(m_pwGauge, QAccessible::DescriptionChanged);
        }
    }
    CHeardChanges(const CHeardChanges&) = delete;
    CHeardChanges& operator=(const CHeardChanges&) = delete;

private:
    struct SHeard
    {
        QString sName;
        QString sValue;
        double dValue;
        int nAlarm; // 0 none, 1 low, 2 high
    };
    SHeard Heard() const
    {
        const CBarGauge& gauge = *m_pwGauge;
        const int nAlarm = !gauge.IsAlarm() ? 0 : gauge.Value() >= gauge.HighAlarm() ? 2 : 1;
        return {gauge.Title(), gauge.ValueText(), gauge.Value(), nAlarm};
    }

    CBarGauge* m_pwGauge;
    std::optional<SHeard> m_oBefore;
};

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
        updateGeometry();
    }
}

void CBarGauge::SetValue(double value)
{
    if (Same(m_dValue, value))
    {
        return;
    }
    const CHeardChanges heard(this);
    m_dValue = value;
    if (!std::isnan(value))
    {
        m_dLowest = std::isnan(m_dLowest) ? value : std::min(m_dLowest, value);
        m_dHighest = std::isnan(m_dHighest) ? value : std::max(m_dHighest, value);
    }
    update();
}

void CBarGauge::ResetExtremes()
{
    m_dLowest = m_dValue;
    m_dHighest = m_dValue;
    update();
}

void CBarGauge::SetTitle(const QString& title)
{
    const CHeardChanges heard(this);
    m_sTitle = title;
    update();
    updateGeometry();
}

void CBarGauge::SetFooter(const QString& footer)
{
    m_sFooter = footer;
    update();
    updateGeometry();
}

void CBarGauge::SetUnit(const QString& unit)
{
    const CHeardChanges heard(this);
    m_sUnit = unit;
    update();
    updateGeometry();
}

void CBarGauge::SetDecimals(int decimals)
{
    const CHeardChanges heard(this);
    m_nDecimals = std::clamp(decimals, 0, 15);
    update();
    updateGeometry();
}

QString CBarGauge::ValueText() const
{
    if (std::isnan(m_dValue))
    {
        return QString();
    }
    const QString number = ValueNumber(m_dValue, m_nDecimals, m_dLowAlarm, m_dHighAlarm);
    return m_sUnit.isEmpty() ? number : number + QLatin1Char(' ') + m_sUnit;
}

void CBarGauge::SetLowAlarm(double level)
{
    const CHeardChanges heard(this);
    if (Assign(m_dLowAlarm, level))
    {
        update();
        updateGeometry();
    }
}

void CBarGauge::SetHighAlarm(double level)
{
    const CHeardChanges heard(this);
    if (Assign(m_dHighAlarm, level))
    {
        update();
        updateGeometry();
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
    return QSize(_TextWidth(), _GetTitleHeight() + _GetFooterHeight() + 160);
}

QSize CBarGauge::minimumSizeHint() const
{
    return QSize(_TextWidth(), _GetTitleHeight() + _GetFooterHeight() + 20);
}

int CBarGauge::_TextWidth() const
{
    // The footer of the limits and alarm levels; two digits more when an alarm may add some.
    int footer = 0;
    const QFontMetrics footerMetrics(_GetFooterFont());
    if (m_sFooter.isNull())
    {
        const bool alarms = !std::isnan(m_dLowAlarm) || !std::isnan(m_dHighAlarm);
        const int decimals = std::min(m_nDecimals + (alarms ? 2 : 0), 15);
        for (const double value : {m_dMinimum, m_dMaximum, m_dLowAlarm, m_dHighAlarm})
        {
            if (std::isfinite(value))
            {
                const QString number = std::fabs(value) < 1e15
                                           ? QString::number(value, 'f', decimals)
                                           : QString::number(value, 'g', 17);
                footer = std::max(
                    footer, footerMetrics.horizontalAdvance(
                                m_sUnit.isEmpty() ? number : number + QLatin1Char(' ') + m_sUnit));
            }
        }
    }
    else
    {
        footer = footerMetrics.horizontalAdvance(m_sFooter);
    }
    const int title = QFontMetrics(_GetTitleFont()).horizontalAdvance(m_sTitle);
    // Two pixels beside each text; never narrower than a bar the ruler's ticks can meet.
    constexpr int kNarrowest = 2 * Detail::kGaugeMargin + 22;
    return std::max({kNarrowest, title + 4, footer + 4});
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
