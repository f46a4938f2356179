// The blinking lamp and state-button bases: the hook follows the blink clock.
#include "StateButtonBase.h"
#include "StateLampBase.h"
#include "TestSupport.h"

#include <QAbstractEventDispatcher>
#include <QTimerEvent>

#include <memory>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

// What the test needs of either base, whatever its Qt base class.
class IProbe
{
public:
    virtual ~IProbe() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual QTimer& Timer() = 0;
};

template <typename TBase> class CProbe : public TBase, public IProbe
{
public:
    explicit CProbe(int& hooks) : m_rnHooks(hooks) {}
    void Start() override { this->_StartBlinkTimer(); }
    void Stop() override { this->_StopBlinkTimer(); }
    QTimer& Timer() override { return this->m_oBlinkTimer; }

protected:
    void _OnBlinkTimer() override { ++m_rnHooks; }

private:
    int& m_rnHooks;
};

std::unique_ptr<IProbe> MakeProbe(const QString& kind, int& hooks)
{
    if (kind == QLatin1String("lamp"))
        return std::make_unique<CProbe<CStateLampBase>>(hooks);
    return std::make_unique<CProbe<CStateButtonBase>>(hooks);
}

// Delivers one timer tick the way the event loop does, which only a running timer receives.
void Tick(QTimer& timer)
{
    if (!timer.isActive())
        return;
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(&timer, &event);
}

} // namespace

class TestBlinkBases : public QObject
{
    Q_OBJECT

private slots:
    void clock_data();
    void clock();
    void destructionEndsTheClock_data();
    void destructionEndsTheClock();
    void metaObjects();
};

void TestBlinkBases::clock_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("hooks");
    QTest::addColumn<bool>("running");
    for (const QString kind : {"lamp", "button"})
    {
        const QByteArray k = kind.toLatin1();
        QTest::addRow("%s: fresh, never", k.data())
            << kind << QStringList{"tick", "tick"} << 0 << false;
        QTest::addRow("%s: each tick after start", k.data())
            << kind << QStringList{"tick", "start", "tick", "tick", "tick"} << 3 << true;
        QTest::addRow("%s: none after stop", k.data())
            << kind << QStringList{"start", "tick", "stop", "tick", "tick"} << 1 << false;
        QTest::addRow("%s: restart keeps running", k.data())
            << kind << QStringList{"start", "tick", "start", "tick"} << 2 << true;
        QTest::addRow("%s: stop when stopped", k.data())
            << kind << QStringList{"stop", "tick"} << 0 << false;
    }
}

void TestBlinkBases::clock()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, steps);
    QFETCH(int, hooks);
    QFETCH(bool, running);
    int calls = 0;
    const auto probe = MakeProbe(kind, calls);
    for (const QString& step : steps)
    {
        if (step == QLatin1String("start"))
            probe->Start();
        else if (step == QLatin1String("stop"))
            probe->Stop();
        else
            Tick(probe->Timer());
    }
    QCOMPARE(calls, hooks);
    QCOMPARE(probe->Timer().isActive(), running);
    QVERIFY(!probe->Timer().isSingleShot());
    if (running)
        QCOMPARE(probe->Timer().interval(), 1000);
}

void TestBlinkBases::destructionEndsTheClock_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("lamp") << QStringLiteral("lamp");
    QTest::newRow("button") << QStringLiteral("button");
}

// A running clock dies with its widget: the event loop no longer knows the timer.
void TestBlinkBases::destructionEndsTheClock()
{
    QFETCH(QString, kind);
    int calls = 0;
    auto probe = MakeProbe(kind, calls);
    probe->Start();
    const int id = probe->Timer().timerId();
    QVERIFY(!QAbstractEventDispatcher::instance()->registeredTimers(&probe->Timer()).isEmpty());
    probe.reset();
    QVERIFY(!QAbstractEventDispatcher::instance()->unregisterTimer(id));
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);
}

void TestBlinkBases::metaObjects()
{
    QCOMPARE(QString::fromLatin1(CStateLampBase::staticMetaObject.className()),
             QStringLiteral("Varo::FenraQtGui::ZuRaradirIzurodudoz::CStateLampBase"));
    QCOMPARE(QString::fromLatin1(CStateButtonBase::staticMetaObject.className()),
             QStringLiteral("Varo::FenraQtGui::ZuRaradirIzurodudoz::CStateButtonBase"));
    QVERIFY(CStateLampBase::staticMetaObject.indexOfSlot("_BlinkSlot()") >= 0);
    QVERIFY(CStateButtonBase::staticMetaObject.indexOfSlot("_BlinkSlot()") >= 0);
}

ZRI_TEST_MAIN(TestBlinkBases)
#include "tst_blink_bases.moc"
