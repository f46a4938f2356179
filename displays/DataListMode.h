#pragma once

#include "HistogramDrawMode.h"
#include "MakeValueString.h"
#include "RGBColor.h"
#include "ZuRaradirIzurodudozExport.h"

#include <string>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/// How a display shows one data list: colour, a value, the drawing mode and a label.
struct SDataListMode
{
    Fenra::Color::CRGBColor<unsigned char> m_oColor;
    unsigned int m_nValue = 0;
    EHistogramDrawMode m_eDisplayMode = HistogramBars;
    std::string m_sLabel;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz

namespace Varo::Fenra::Strings::Detail
{

/// "(red, green, blue), value, mode, "label"": the colour in brackets with an indented
/// separator between its channels, the label quoted.
template <> struct ZRI_EXPORT SMakeValueStringImpl<FenraQtGui::ZuRaradirIzurodudoz::SDataListMode>
{
    std::string operator()(const FenraQtGui::ZuRaradirIzurodudoz::SDataListMode& value,
                           const SMakeValueStringParameter& parameter) const;
};

} // namespace Varo::Fenra::Strings::Detail
