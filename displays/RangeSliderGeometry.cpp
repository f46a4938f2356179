#include "RangeSliderGeometry.h"

#include <algorithm>
#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

// A rectangle from an interval along the track and one across it.
QRect AxisRect(const SRangeSliderLayout& layout, int from, int to, int across, int thickness)
{
    if (layout.eOrientation == Qt::Vertical)
    {
        return QRect(across, layout.nLength - to, thickness, to - from);
    }
    return QRect(from, across, to - from, thickness);
}

} // namespace

int RangePosition(int value, int minimum, int maximum, int travel)
{
    if (maximum <= minimum || travel <= 0)
    {
        return 0;
    }
    const std::int64_t range = std::int64_t(maximum) - minimum;
    const std::int64_t offset = std::clamp<std::int64_t>(std::int64_t(value) - minimum, 0, range);
    return static_cast<int>((offset * travel + range / 2) / range);
}

int RangeValue(int position, int minimum, int maximum, int travel)
{
    if (maximum <= minimum || travel <= 0)
    {
        return minimum;
    }
    const std::int64_t range = std::int64_t(maximum) - minimum;
    const std::int64_t clamped = std::clamp(position, 0, travel);
    return static_cast<int>(minimum + (clamped * range + travel / 2) / travel);
}

int SRangeSliderLayout::Axis(const QPoint& point) const
{
    return eOrientation == Qt::Vertical ? nLength - 1 - point.y() : point.x();
}

SRangeSliderLayout RangeSliderLayout(const QSize& size, Qt::Orientation orientation, int minimum,
                                     int maximum, int start, int end)
{
    SRangeSliderLayout layout;
    layout.eOrientation = orientation == Qt::Vertical ? Qt::Vertical : Qt::Horizontal;
    const bool vertical = layout.eOrientation == Qt::Vertical;
    layout.nLength = std::max(0, vertical ? size.height() : size.width());
    const int thickness = std::max(0, vertical ? size.width() : size.height());
    layout.nHandle = std::min(kRangeHandleLength, layout.nLength / 2);
    layout.nTravel = layout.nLength - 2 * layout.nHandle;
    const int groove = std::min(kRangeGrooveThickness, thickness);
    const int grooveAcross = (thickness - groove) / 2;
    layout.oGroove = AxisRect(layout, 0, layout.nLength, grooveAcross, groove);
    const int startAt = RangePosition(start, minimum, maximum, layout.nTravel);
    const int endAt = layout.nHandle + RangePosition(end, minimum, maximum, layout.nTravel);
    layout.oStartHandle = AxisRect(layout, startAt, startAt + layout.nHandle, 0, thickness);
    layout.oEndHandle = AxisRect(layout, endAt, endAt + layout.nHandle, 0, thickness);
    if (groove > 2 && endAt > startAt + layout.nHandle)
    {
        layout.oSpan =
            AxisRect(layout, startAt + layout.nHandle, endAt, grooveAcross + 1, groove - 2);
    }
    return layout;
}

ERangeHit RangeHitTest(const SRangeSliderLayout& layout, const QPoint& point)
{
    if (layout.oStartHandle.contains(point))
    {
        return ERangeHit::Start;
    }
    if (layout.oEndHandle.contains(point))
    {
        return ERangeHit::End;
    }
    const int axis = layout.Axis(point);
    if (axis < 0 || axis >= layout.nLength)
    {
        return ERangeHit::None;
    }
    const QRect& start = layout.oStartHandle;
    const int startEnd =
        layout.eOrientation == Qt::Vertical ? layout.nLength - start.top() : start.right() + 1;
    if (axis < startEnd)
    {
        return ERangeHit::BeforeStart;
    }
    const QRect& end = layout.oEndHandle;
    const int endBegin =
        layout.eOrientation == Qt::Vertical ? layout.nLength - 1 - end.bottom() : end.left();
    return axis >= endBegin ? ERangeHit::AfterEnd : ERangeHit::Span;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
