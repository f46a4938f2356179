#include "BarGauge.h"

#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CBarGauge::CBarGauge(QWidget* parent) : Base(parent) {}

CBarGauge::~CBarGauge() = default;

void CBarGauge::setLowAlarmEnabled(bool on)
{
    m_bLowOn = on;
    _ApplyAlarms();
}

void CBarGauge::setLowAlarm(double level)
{
    m_dLow = level;
    _ApplyAlarms();
}

void CBarGauge::setHighAlarmEnabled(bool on)
{
    m_bHighOn = on;
    _ApplyAlarms();
}

void CBarGauge::setHighAlarm(double level)
{
    m_dHigh = level;
    _ApplyAlarms();
}

void CBarGauge::_ApplyAlarms()
{
    const double off = std::numeric_limits<double>::quiet_NaN();
    SetLowAlarm(m_bLowOn ? m_dLow : off);
    SetHighAlarm(m_bHighOn ? m_dHigh : off);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
