#include "RangeSliderBase.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CRangeSliderBase::CRangeSliderBase(QWidget* parent) : QWidget(parent) {}

CRangeSliderBase::~CRangeSliderBase() = default;

void CRangeSliderBase::SetEndValue() {}

void CRangeSliderBase::SetStartValue() {}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
