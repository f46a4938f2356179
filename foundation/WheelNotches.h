#pragma once

class QWheelEvent;
class QWidget;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// The whole notches (120 units of angleDelta, the larger of its two directions) that event
/// completes on widget, positive away from the user. High-resolution wheels and touchpads send
/// smaller deltas: they add up per widget, as in QAbstractSlider, and a turn the other way
/// starts again from 0. The remainder is kept in a hidden child object, so that widgets whose
/// data layout is fixed can count too.
int WheelNotches(QWidget& widget, const QWheelEvent& event);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
