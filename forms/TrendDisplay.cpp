#include "TrendDisplay.h"

#include <algorithm>

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
    if (autoRange)
    {
        SetAutoRange();
    }
    else
    {
        SetValueRange(m_dMin, m_dMax);
    }
}

void CTrendDisplay::setValueMin(double value)
{
    m_dMin = value;
    _ApplyRange();
}

void CTrendDisplay::setValueMax(double value)
{
    m_dMax = value;
    _ApplyRange();
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
