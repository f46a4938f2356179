#include "FeedPump.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

QEvent::Type WakeEventType()
{
    static const auto kType = static_cast<QEvent::Type>(QEvent::registerEventType());
    return kType;
}

int FrameInterval()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double rate = screen ? screen->refreshRate() : 60.0;
    return std::clamp(static_cast<int>(std::lround(1000.0 / std::max(rate, 1.0))), 4, 50);
}

} // namespace

CFeedPump::CFeedPump(QObject* parent, std::function<bool()> drain, std::function<void()> rearm)
    : QObject(parent), m_fnDrain(std::move(drain)), m_fnRearm(std::move(rearm)),
      m_nInterval(FrameInterval())
{
    setObjectName(QStringLiteral("zriFeedPump"));
}

void CFeedPump::Wake()
{
    QCoreApplication::postEvent(this, new QEvent(WakeEventType()));
}

void CFeedPump::customEvent(QEvent* event)
{
    if (event->type() != WakeEventType() || m_oFrame.isActive())
    {
        return; // a drain is due at the next frame anyway
    }
    const qint64 since = m_oLast.isValid() ? m_oLast.elapsed() : m_nInterval;
    if (since >= m_nInterval)
    {
        _Drain();
    }
    else
    {
        m_oFrame.start(static_cast<int>(m_nInterval - since), this);
    }
}

void CFeedPump::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_oFrame.timerId())
    {
        m_oFrame.stop();
        _Drain();
    }
}

void CFeedPump::_Drain()
{
    m_oLast.start();
    m_bMore = false;
    bool arrived = m_fnDrain();
    if (m_bMore)
    {
        m_oFrame.start(0, this);
        return;
    }
    if (!arrived)
    {
        m_fnRearm(); // producers wake the display again from here on
        arrived = m_fnDrain();
    }
    if (arrived)
    {
        m_oFrame.start(m_nInterval, this);
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
