#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// Length of a handle along the track, where the widget is long enough for two of them.
constexpr int kRangeHandleLength = 11;
/// Thickness of the groove across the track.
constexpr int kRangeGrooveThickness = 6;

/// The handles' travel in pixels for a value; 0 at the minimum, `travel` at the maximum, rounded
/// to the nearest pixel. 0 for an empty range or no travel.
int RangePosition(int value, int minimum, int maximum, int travel);
/// The value at a travel position, rounded to the nearest value and clamped to the range, so
/// that both ends of the travel reach the limits exactly.
int RangeValue(int position, int minimum, int maximum, int travel);

/// Where a range slider draws. Positions along the track ("axis") count from the minimum's
/// end: from the left when horizontal, from the bottom when vertical. The start handle's
/// first pixel lies at its travel position and the end handle's at its travel position plus
/// one handle length, so the two never overlap and stay grabbable when start equals end.
struct SRangeSliderLayout
{
    Qt::Orientation eOrientation = Qt::Horizontal;
    int nLength = 0; ///< pixels along the track
    int nHandle = 0; ///< handle length along the track
    int nTravel = 0; ///< nLength - 2 * nHandle
    QRect oGroove;
    QRect oSpan; ///< inside the groove between the handles; empty when start equals end
    QRect oStartHandle;
    QRect oEndHandle;

    /// A widget point's position along the track.
    int Axis(const QPoint& point) const;
};

SRangeSliderLayout RangeSliderLayout(const QSize& size, Qt::Orientation orientation, int minimum,
                                     int maximum, int start, int end);

/// What a press at a point grabs: a handle, the span between them, or the track before the
/// start handle or after the end handle (the nearer handle jumps there).
enum class ERangeHit
{
    None,
    Start,
    End,
    Span,
    BeforeStart,
    AfterEnd
};
ERangeHit RangeHitTest(const SRangeSliderLayout& layout, const QPoint& point);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
