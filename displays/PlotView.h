#pragma once

#include <QPoint>
#include <QRect>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// The mouse gesture a plot is in: none, a rubber band being dragged, or a pan.
enum class EPlotGesture
{
    None,
    Box,
    Pan
};

/// What a plot shows: dX0 to dX1 across its width (times, classes), dY0 to dY1 from its bottom
/// to its top (values).
struct SPlotView
{
    double dX0 = 0.0;
    double dX1 = 1.0;
    double dY0 = 0.0;
    double dY1 = 1.0;

    bool operator==(const SPlotView& other) const
    {
        return dX0 == other.dX0 && dX1 == other.dX1 && dY0 == other.dY0 && dY1 == other.dY1;
    }
};

/// The view of the part of plot (widget pixels) that box covers, box clipped to the plot. A box
/// narrower or lower than 3 pixels, or a plot without area, leaves the view as it is.
SPlotView ZoomToBox(const SPlotView& view, const QRect& plot, const QRect& box);

/// The view moved with the pointer by delta (widget pixels): dragged right, earlier times come
/// in from the left; dragged up, lower values come in from below.
SPlotView Pan(const SPlotView& view, const QRect& plot, const QPoint& delta);

/// The view scaled by factor (below 1 zooms in) around the point at (widget pixels), which
/// keeps the value under it; across only the values when valueOnly.
SPlotView ZoomAround(const SPlotView& view, const QRect& plot, const QPointF& at, double factor,
                     bool valueOnly);

/// Whether a view can be shown: finite ends, each pair apart by more than the doubles near them
/// can tell, and not wider than the largest double.
bool IsShowable(const SPlotView& view);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
