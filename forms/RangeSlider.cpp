#include "RangeSlider.h"

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CRangeSlider::CRangeSlider(QWidget* parent) : Base(parent) {}

CRangeSlider::~CRangeSlider() = default;

void CRangeSlider::setMinimum(int minimum)
{
    SetRange(minimum, std::max(minimum, Maximum()));
}

void CRangeSlider::setMaximum(int maximum)
{
    SetRange(std::min(Minimum(), maximum), maximum);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
