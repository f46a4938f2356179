#pragma once

class QObject;
class QTimer;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

// The blink clock shared by every blinking control: a repeating timer whose timeout() reaches
// the owner's protected slot _BlinkSlot() once a second while it runs.

/// Interval of the blink clock in milliseconds.
constexpr int kBlinkIntervalMs = 1000;

/// Connects @p timer's timeout() to the _BlinkSlot() of @p owner.
void ConnectBlinkTimer(QTimer& timer, QObject& owner);
/// Starts, or restarts the interval of, the blink clock.
void StartBlinkTimer(QTimer& timer);
void StopBlinkTimer(QTimer& timer);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
