#include "BarGauge.h"

#include <cmath>
#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

namespace
{

const double kOff = std::numeric_limits<double>::quiet_NaN();

} // namespace

CBarGauge::CBarGauge(QWidget* parent) : Base(parent) {}

CBarGauge::~CBarGauge() = default;

bool CBarGauge::lowAlarmEnabled() const
{
    return !std::isnan(LowAlarm());
}

void CBarGauge::setLowAlarmEnabled(bool on)
{
    if (on == lowAlarmEnabled())
        return;
    if (!on)
        m_dLow = LowAlarm();
    m_bLowOnKept = on;
    SetLowAlarm(on ? m_dLow : kOff);
}

double CBarGauge::lowAlarm() const
{
    return lowAlarmEnabled() ? LowAlarm() : m_dLow;
}

void CBarGauge::setLowAlarm(double level)
{
    // Designer has no NaN to enter; a NaN from code switches the alarm off like the library.
    if (lowAlarmEnabled() || std::isnan(level))
        SetLowAlarm(level);
    else
        m_dLow = level;
}

bool CBarGauge::highAlarmEnabled() const
{
    return !std::isnan(HighAlarm());
}

void CBarGauge::setHighAlarmEnabled(bool on)
{
    if (on == highAlarmEnabled())
        return;
    if (!on)
        m_dHigh = HighAlarm();
    m_bHighOnKept = on;
    SetHighAlarm(on ? m_dHigh : kOff);
}

double CBarGauge::highAlarm() const
{
    return highAlarmEnabled() ? HighAlarm() : m_dHigh;
}

void CBarGauge::setHighAlarm(double level)
{
    if (highAlarmEnabled() || std::isnan(level))
        SetHighAlarm(level);
    else
        m_dHigh = level;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
