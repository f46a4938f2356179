#pragma once

#include "HistogramDrawMode.h"
#include "MakeValueString.h"
#include "RGBColor.h"
#include "ZuRaradirIzurodudozExport.h"

#include <string>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * How a display shows one data list: colour, a value, the drawing mode and a label.
 *
 * Its text form, as the strings library's MakeValueString gives it, is the colour in brackets,
 * then the value, the mode as an integer and the quoted label, separated by ", ":
 * red 255, green 128, blue 0, value 2, mode 1 and label abc give (255, 128, 0), 2, 1, "abc".
 * Only the separators inside the colour carry the indentation of nested levels.
 */
struct SDataListMode
{
    /// Colour of the list, 8 bits per channel.
    Fenra::Color::CRGBColor<unsigned char> m_oColor;
    /// A value of the list that the display interprets (for example a width or a count).
    unsigned int m_nValue = 0;
    /// How the list is drawn; written as its integer value in the text form.
    EHistogramDrawMode m_eDisplayMode = HistogramBars;
    /// Name of the list as the display shows it (UTF-8).
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
