#pragma once

#include "MakeValueString.h"
#include "ZuRaradirIzurodudozExport.h"

#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/// The marker a trend display puts on each sample. Its text form is the integer value.
enum ETrendDisplayMarker : std::int32_t
{
    TrendMarkerNone = 0,
    TrendMarkerDot = 1,
    TrendMarkerCross = 2,
    TrendMarkerSquare = 3,
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz

namespace Varo::Fenra::Strings::Detail
{

/// The integer value, as the int text.
template <>
struct ZRI_EXPORT SMakeValueStringImpl<FenraQtGui::ZuRaradirIzurodudoz::ETrendDisplayMarker>
{
    std::string operator()(FenraQtGui::ZuRaradirIzurodudoz::ETrendDisplayMarker value,
                           const SMakeValueStringParameter& parameter) const;
};

} // namespace Varo::Fenra::Strings::Detail
