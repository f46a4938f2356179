#pragma once

#include "MakeValueString.h"
#include "ZuRaradirIzurodudozExport.h"

#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/// How a histogram draws its classes. Its text form is the integer value.
enum EHistogramDrawMode : std::int32_t
{
    HistogramBars = 0,    ///< one filled bar per class
    HistogramOutline = 1, ///< the outline of the bars only
    HistogramLine = 2,    ///< a polyline through the class tops
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz

namespace Varo::Fenra::Strings::Detail
{

/// The integer value, as the int text.
template <>
struct ZRI_EXPORT SMakeValueStringImpl<FenraQtGui::ZuRaradirIzurodudoz::EHistogramDrawMode>
{
    std::string operator()(FenraQtGui::ZuRaradirIzurodudoz::EHistogramDrawMode value,
                           const SMakeValueStringParameter& parameter) const;
};

} // namespace Varo::Fenra::Strings::Detail
