#include "BarGaugeGeometry.h"

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

// The scale area of a bar: rows yTop to yBottom, marks at yBottom - trunc(span * fraction).
struct SScale
{
    int nTop;
    int nBottom;
    int Span() const { return nBottom - nTop + 1; }
    int Row(double fraction) const { return nBottom - static_cast<int>(Span() * fraction); }
};

std::optional<int> MarkerRow(const SScale& scale, double seen, double minimum, double maximum)
{
    const std::optional<double> fraction = GaugeFraction(seen, minimum, maximum);
    if (!fraction)
    {
        return std::nullopt;
    }
    // On the frame's own rows a marker would vanish in the edge: it stays one row inside.
    return std::clamp(scale.Row(*fraction), scale.nTop, scale.nBottom - 1);
}

} // namespace

std::optional<double> GaugeFraction(double value, double minimum, double maximum)
{
    if (std::isnan(value) || !std::isfinite(minimum) || !std::isfinite(maximum) ||
        !(minimum < maximum))
    {
        return std::nullopt;
    }
    // In halves: the difference of two doubles may overflow, that of their halves never does.
    const double span = maximum / 2 - minimum / 2;
    if (!(span > 0.0))
    {
        return std::nullopt; // limits closer than the smallest double
    }
    return std::clamp((value / 2 - minimum / 2) / span, 0.0, 1.0);
}

SBarGaugeLayout BarGaugeLayout(const QRect& rect, int titleHeight, int footerHeight, double minimum,
                               double maximum, double value, double lowest, double highest)
{
    SBarGaugeLayout layout;
    const SScale scale{rect.top() + titleHeight, rect.bottom() - footerHeight};
    layout.oTitle = QRect(rect.left(), rect.top(), rect.width(), titleHeight);
    layout.oFooter = QRect(rect.left(), scale.nBottom + 1, rect.width(), footerHeight);
    const int left = rect.left() + kGaugeMargin;
    const int right = rect.right() - kGaugeMargin;
    // A frame needs a row above and below its inside, and an inside at least one pixel wide.
    if (scale.Span() < 2 || right - left < 2)
    {
        return layout;
    }
    layout.oFrame = QRect(QPoint(left, scale.nTop - 1), QPoint(right, scale.nBottom));
    if (const std::optional<double> fraction = GaugeFraction(value, minimum, maximum))
    {
        const int top = std::max(scale.Row(*fraction), scale.nTop);
        layout.oFill = QRect(QPoint(left + 1, top), QPoint(right - 1, scale.nBottom - 1));
    }
    layout.oLowestRow = MarkerRow(scale, lowest, minimum, maximum);
    layout.oHighestRow = MarkerRow(scale, highest, minimum, maximum);
    return layout;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
