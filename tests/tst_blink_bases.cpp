// The blinking lamp and state-button bases: the hook follows the blink clock.
#include "StateButtonBase.h"
#include "StateLampBase.h"
#include "TestSupport.h"

#include <QAbstractEventDispatcher>
#include <QTimerEvent>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

template <typename TBase> class CProbe : public TBase
{
public:
    explicit CProbe(int& hooks) : m_rnHooks(hooks) {}
    using TBase::_StartBlinkTimer;
    using TBase::_StopBlinkTimer;
    using TBase::m_oBlinkTimer;

protected:
    void _OnBlinkTimer() override { ++m_rnHooks; }

private:
    int& m_rnHooks;
};

// Delivers one tick the way the event loop does, which only a running timer receives.
void Tick(QTimer& timer)
{
    if (!timer.isActive())
        return;
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(&timer, &event);
}

// Steps: 's' starts the clock, 'x' stops it, 't' is one tick of the event loop. At the end the
// widget is destroyed, and the event loop must no longer know a timer that was running.
template <typename TBase> void RunClock(const QString& steps, int hooks, bool running)
{
    int calls = 0;
    auto* probe = new CProbe<TBase>(calls);
    for (const QChar step : steps)
    {
        if (step == QLatin1Char('s'))
            probe->_StartBlinkTimer();
        else if (step == QLatin1Char('x'))
            probe->_StopBlinkTimer();
        else
            Tick(probe->m_oBlinkTimer);
    }
    QCOMPARE(calls, hooks);
    QCOMPARE(probe->m_oBlinkTimer.isActive(), running);
    if (running)
        QCOMPARE(probe->m_oBlinkTimer.interval(), 1000);
    QVERIFY(!probe->m_oBlinkTimer.isSingleShot());
    const int id = probe->m_oBlinkTimer.timerId();
    delete probe;
    if (running)
        QVERIFY(!QAbstractEventDispatcher::instance()->unregisterTimer(id));
    QCoreApplication::processEvents();
    QCOMPARE(calls, hooks);
}

} // namespace

class TestBlinkBases : public QObject
{
    Q_OBJECT

private slots:
    void clock_data();
    void clock();
};

void TestBlinkBases::clock_data()
{
    QTest::addColumn<bool>("lamp");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("hooks");
    QTest::addColumn<bool>("running");
    for (const bool lamp : {true, false})
    {
        const char* kind = lamp ? "lamp" : "button";
        QTest::addRow("%s: fresh, never", kind) << lamp << "tt" << 0 << false;
        QTest::addRow("%s: each tick after start", kind) << lamp << "tsttt" << 3 << true;
        QTest::addRow("%s: none after stop", kind) << lamp << "stxtt" << 1 << false;
        QTest::addRow("%s: restarting keeps it running", kind) << lamp << "stst" << 2 << true;
        QTest::addRow("%s: destroyed while running", kind) << lamp << "s" << 0 << true;
    }
}

void TestBlinkBases::clock()
{
    QFETCH(bool, lamp);
    QFETCH(QString, steps);
    QFETCH(int, hooks);
    QFETCH(bool, running);
    if (lamp)
        RunClock<CStateLampBase>(steps, hooks, running);
    else
        RunClock<CStateButtonBase>(steps, hooks, running);
}

ZRI_TEST_MAIN(TestBlinkBases)
#include "tst_blink_bases.moc"
