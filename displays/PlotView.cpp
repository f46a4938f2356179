#include "PlotView.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

// Where a pixel's middle lies between the ends of one axis: left (bottom) 0, right (top) 1.
double Across(double pixel, int first, int count)
{
    return count > 1 ? (pixel - first) / (count - 1) : 0.0;
}

bool Apart(double low, double high)
{
    // Far enough apart for a few hundred distinct doubles between them.
    const double spacing = std::nextafter(std::max(std::abs(low), std::abs(high)),
                                          std::numeric_limits<double>::infinity()) -
                           std::max(std::abs(low), std::abs(high));
    return high - low > 256.0 * spacing && std::isfinite(high - low);
}

// The view if it can be shown, else the one before.
SPlotView Checked(const SPlotView& next, const SPlotView& before)
{
    return IsShowable(next) ? next : before;
}

} // namespace

bool IsShowable(const SPlotView& view)
{
    return std::isfinite(view.dX0) && std::isfinite(view.dX1) && std::isfinite(view.dY0) &&
           std::isfinite(view.dY1) && Apart(view.dX0, view.dX1) && Apart(view.dY0, view.dY1);
}

SPlotView ZoomToBox(const SPlotView& view, const QRect& plot, const QRect& box)
{
    const QRect inside = box.normalized() & plot;
    if (inside.width() < 3 || inside.height() < 3 || plot.width() < 2 || plot.height() < 2)
    {
        return view;
    }
    const double width = view.dX1 - view.dX0;
    const double height = view.dY1 - view.dY0;
    const auto x = [&](int pixel)
    { return view.dX0 + Across(pixel, plot.left(), plot.width()) * width; };
    // Rows count down from the top: the box's bottom row is its low value.
    const auto y = [&](int pixel)
    { return view.dY0 + (1.0 - Across(pixel, plot.top(), plot.height())) * height; };
    return Checked({x(inside.left()), x(inside.right()), y(inside.bottom()), y(inside.top())},
                   view);
}

SPlotView Pan(const SPlotView& view, const QRect& plot, const QPoint& delta)
{
    if (plot.width() < 2 || plot.height() < 2)
    {
        return view;
    }
    const double dx = -delta.x() * (view.dX1 - view.dX0) / (plot.width() - 1);
    const double dy = delta.y() * (view.dY1 - view.dY0) / (plot.height() - 1);
    return Checked({view.dX0 + dx, view.dX1 + dx, view.dY0 + dy, view.dY1 + dy}, view);
}

SPlotView ZoomAround(const SPlotView& view, const QRect& plot, const QPointF& at, double factor,
                     bool valueOnly)
{
    if (!(factor > 0.0) || !std::isfinite(factor) || plot.width() < 2 || plot.height() < 2)
    {
        return view;
    }
    const double fx = std::clamp(Across(at.x(), plot.left(), plot.width()), 0.0, 1.0);
    const double fy = std::clamp(1.0 - Across(at.y(), plot.top(), plot.height()), 0.0, 1.0);
    const double x = view.dX0 + fx * (view.dX1 - view.dX0);
    const double y = view.dY0 + fy * (view.dY1 - view.dY0);
    SPlotView next = view;
    if (!valueOnly)
    {
        next.dX0 = x - fx * (view.dX1 - view.dX0) * factor;
        next.dX1 = next.dX0 + (view.dX1 - view.dX0) * factor;
    }
    next.dY0 = y - fy * (view.dY1 - view.dY0) * factor;
    next.dY1 = next.dY0 + (view.dY1 - view.dY0) * factor;
    return Checked(next, view);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
