#include "TrendDisplay.h"

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CTrendDisplay::CTrendDisplay(QWidget* parent) : Base(parent) {}

CTrendDisplay::~CTrendDisplay() = default;

void CTrendDisplay::setCapacity(int capacity)
{
    SetCapacity(static_cast<std::size_t>(std::max(capacity, 0)));
}

void CTrendDisplay::setAutoRange(bool autoRange)
{
    if (autoRange == IsAutoRange())
    {
        return;
    }
    _AdoptShownBounds();
    if (autoRange)
    {
        SetAutoRange();
    }
    else
    {
        SetValueRange(m_dMin, m_dMax);
    }
}

void CTrendDisplay::setTimeAxisTitle(const QString& title)
{
    SetTimeAxisTitle(title, TimeAxisUnit());
}

void CTrendDisplay::setTimeAxisUnit(const QString& unit)
{
    SetTimeAxisTitle(TimeAxisTitle(), unit);
}

void CTrendDisplay::setValueAxisTitle(const QString& title)
{
    SetValueAxisTitle(title, ValueAxisUnit());
}

void CTrendDisplay::setValueAxisUnit(const QString& unit)
{
    SetValueAxisTitle(ValueAxisTitle(), unit);
}

void CTrendDisplay::setRightAxisTitle(const QString& title)
{
    SetRightAxisTitle(title, RightAxisUnit());
}

void CTrendDisplay::setRightAxisUnit(const QString& unit)
{
    SetRightAxisTitle(RightAxisTitle(), unit);
}

double CTrendDisplay::valueMin() const
{
    return _BoundsShown() ? m_dMin : ValueMin();
}

void CTrendDisplay::setValueMin(double value)
{
    _AdoptShownBounds();
    m_dMin = value;
    _ApplyRange();
}

double CTrendDisplay::valueMax() const
{
    return _BoundsShown() ? m_dMax : ValueMax();
}

void CTrendDisplay::setValueMax(double value)
{
    _AdoptShownBounds();
    m_dMax = value;
    _ApplyRange();
}

bool CTrendDisplay::_BoundsShown() const
{
    // A pair the trend refuses (equal bounds, written one at a time) waits for its partner.
    const bool usable = std::isfinite(m_dMin) && std::isfinite(m_dMax) && m_dMin != m_dMax;
    return IsAutoRange() || !usable ||
           (std::min(m_dMin, m_dMax) == ValueMin() && std::max(m_dMin, m_dMax) == ValueMax());
}

void CTrendDisplay::_AdoptShownBounds()
{
    // Code fixed another axis since the bounds were written here: that axis is the one to keep.
    if (!_BoundsShown())
    {
        m_dMin = ValueMin();
        m_dMax = ValueMax();
    }
}

void CTrendDisplay::_ApplyRange()
{
    // Designer sets the bounds one at a time; they take effect once the range is fixed.
    if (!IsAutoRange())
    {
        SetValueRange(m_dMin, m_dMax);
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
