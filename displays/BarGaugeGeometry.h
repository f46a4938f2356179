#pragma once

#include <QRect>

#include <optional>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// Pixels between the widget's side edges and the bar's frame.
constexpr int kGaugeMargin = 4;

/// Where on the scale a value lies, from 0 (minimum) to 1 (maximum), clamped (an infinite value
/// lies at its end); nothing for a NaN value, a limit that is not finite or a minimum that is
/// not below the maximum. Limits as far apart as the doubles reach work.
std::optional<double> GaugeFraction(double value, double minimum, double maximum);

/// What a bar gauge draws in rect. The frame's top and bottom rows are the rows where a
/// percentage ruler with the same title and footer heights draws its 100 % and 0 % marks; the
/// fill runs from the row of the value down to the row above the frame's bottom.
struct SBarGaugeLayout
{
    QRect oTitle;  ///< the title band
    QRect oFooter; ///< the footer band
    QRect oFrame;  ///< the sunken frame; empty when the scale area has no room for one
    QRect oFill;   ///< the filled part inside the frame; empty for no fill
    std::optional<int> oLowestRow;  ///< row of the lowest value seen, inside the frame
    std::optional<int> oHighestRow; ///< row of the highest value seen
};

/// The gauge's layout for the given band heights, range, value and extremes (NaN: none).
SBarGaugeLayout BarGaugeLayout(const QRect& rect, int titleHeight, int footerHeight, double minimum,
                               double maximum, double value, double lowest, double highest);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
