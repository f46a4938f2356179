#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>

#include <functional>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/**
 * Takes what feeders pushed from other threads into a display, on the display's thread, at
 * most once a frame (the screen's refresh rate, 60 a second offscreen). While data flow it
 * polls every frame and the producers send no wake-ups; a frame that finds nothing arms the
 * wake-up again and looks once more, so that a sample pushed meanwhile is never left waiting.
 * A child of its display; the display closes its feed hub before the pump goes, so no wake-up
 * outlives it.
 */
class CFeedPump : public QObject
{
public:
    /// On the display's thread: drain (without arming the wake-up) returns whether anything
    /// came, rearm arms it.
    CFeedPump(QObject* parent, std::function<bool()> drain, std::function<void()> rearm);

    /// Any thread: asks for a drain.
    void Wake();
    /// From within drain: it took a share of what waits; the rest follows at the event loop's
    /// next turn, after the timers and input that came meanwhile, not a frame later.
    void ContinueSoon() { m_bMore = true; }

protected:
    void customEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void _Drain();

    std::function<bool()> m_fnDrain;
    std::function<void()> m_fnRearm;
    QBasicTimer m_oFrame;  // runs while a drain waits for the next frame
    QElapsedTimer m_oLast; // since the last drain
    int m_nInterval;       // milliseconds between frames
    bool m_bMore = false;  // the last drain left samples waiting
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
