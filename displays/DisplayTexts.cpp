// Text forms of the display record and enumerations.
#include "DataListMode.h"
#include "HistogramDrawMode.h"
#include "TrendDisplayMarker.h"

namespace Varo::Fenra::Strings::Detail
{

namespace ZRI = FenraQtGui::ZuRaradirIzurodudoz;

std::string SMakeValueStringImpl<ZRI::EHistogramDrawMode>::operator()(
    ZRI::EHistogramDrawMode value, const SMakeValueStringParameter& parameter) const
{
    return SMakeValueStringImpl<int>()(static_cast<int>(value), parameter);
}

std::string SMakeValueStringImpl<ZRI::ETrendDisplayMarker>::operator()(
    ZRI::ETrendDisplayMarker value, const SMakeValueStringParameter& parameter) const
{
    return SMakeValueStringImpl<int>()(static_cast<int>(value), parameter);
}

std::string SMakeValueStringImpl<ZRI::SDataListMode>::operator()(
    const ZRI::SDataListMode& value, const SMakeValueStringParameter& parameter) const
{
    const SMakeValueStringParameter channel = parameter.GetIndentShift(1);
    const SMakeValueStringImpl<unsigned char> channelText;
    const std::string separator = ", " + _GetIndentString(parameter);
    const std::string color = "(" + channelText(value.m_oColor.GetRed(), channel) + separator +
                              channelText(value.m_oColor.GetGreen(), channel) + separator +
                              channelText(value.m_oColor.GetBlue(), channel) + ")";
    return color + ", " + SMakeValueStringImpl<unsigned int>()(value.m_nValue, parameter) + ", " +
           SMakeValueStringImpl<int>()(static_cast<int>(value.m_eDisplayMode), parameter) + ", " +
           MakeQuotedString(value.m_sLabel);
}

} // namespace Varo::Fenra::Strings::Detail
