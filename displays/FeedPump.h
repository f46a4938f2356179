#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>

#include <functional>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/**
 * Takes what feeders pushed from other threads into a display, on the display's thread, at
 * most once a frame (the screen's refresh rate, 60 a second offscreen): a producer's wake-up
 * asks for a drain, and a drain that reports more to come asks for the next frame. A child of
 * its display; the display closes its feed hub before the pump goes, so no wake-up outlives it.
 */
class CFeedPump : public QObject
{
public:
    /// drain runs on the display's thread; true: run it again at the next frame.
    CFeedPump(QObject* parent, std::function<bool()> drain);

    /// Any thread: asks for a drain.
    void Wake();

protected:
    void customEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void _Drain();

    std::function<bool()> m_fnDrain;
    QBasicTimer m_oFrame;  // runs while a drain waits for the next frame
    QElapsedTimer m_oLast; // since the last drain
    int m_nInterval;       // milliseconds between frames
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
