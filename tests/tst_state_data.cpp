// Lamp state data: hooks, blink phase and the lamp image cache, and the lamp pictures themselves.
#include "LampImage.h"
#include "StateData.h"
#include "TestSupport.h"

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::FenraQtGui::QtExtensions::CreateLampImage;
using Varo::FenraQtGui::QtExtensions::GetLampImageCount;
using CColor = Varo::Fenra::Color::CRGBColor<unsigned char>;

namespace
{

const QColor kGreen(0, 255, 0);
const QColor kGrey(128, 128, 128);
const QColor kRed(255, 0, 0);

// Records the hooks in the order they are called.
class CRecordingOwner : public Detail::CStateData<bool>
{
public:
    using CStateData::_Blink;
    using CStateData::_GetStateImage;
    QStringList m_vHooks;

protected:
    void _StartBlink() override { m_vHooks << QStringLiteral("start"); }
    void _StopBlink() override { m_vHooks << QStringLiteral("stop"); }
    void _Redraw() override { m_vHooks << QStringLiteral("redraw"); }
};

QColor Centre(const QImage& image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// Runs a script of space-separated steps and returns the last picture asked for:
// "c1g", "c0r", "c1gb" configure state 1 or 0 green or red, "b" for blinking; "s1" and "s0" set
// the state; "t" is a tick; "k" copies the object and assigns the copy back; "g15" asks for the
// picture of the current state at 15 x 15.
QImage Run(CRecordingOwner& owner, const QString& script)
{
    QImage last;
    for (const QString& step : script.split(QLatin1Char(' ')))
    {
        const bool one = step.size() > 1 && step[1] == QLatin1Char('1');
        if (step[0] == QLatin1Char('c'))
            owner.SetStateColor(one,
                                step[2] == QLatin1Char('r') ? CColor(255, 0, 0) : CColor(0, 255, 0),
                                step.endsWith(QLatin1Char('b')));
        else if (step[0] == QLatin1Char('s'))
            owner.SetState(one);
        else if (step == QLatin1String("t"))
            owner._Blink();
        else if (step == QLatin1String("k"))
        {
            const CRecordingOwner copy(owner);
            owner = copy;
        }
        else
            last = owner._GetStateImage(owner.GetState(), step.mid(1).toInt());
    }
    return last;
}

} // namespace

class TestStateData : public QObject
{
    Q_OBJECT

private slots:
    void script_data();
    void script();
    void lampImage_data();
    void lampImage();
};

void TestStateData::script_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("hooks");
    QTest::addColumn<int>("draws");
    QTest::addColumn<QColor>("centre");
    QTest::newRow("fresh: grey lamp, drawn once") << "g15 g15 g15"
                                                  << "" << 1 << kGrey;
    QTest::newRow("configuring a hidden state calls nothing") << "c1g g15"
                                                              << "" << 1 << kGrey;
    QTest::newRow("showing a steady state") << "c1g s1 g15 g15"
                                            << "stop redraw" << 1 << kGreen;
    QTest::newRow("the current state again calls nothing") << "s0"
                                                           << "" << 0 << QColor();
    QTest::newRow("reconfiguring the current state") << "c0r"
                                                     << "stop redraw" << 0 << QColor();
    QTest::newRow("a blinking state starts grey") << "c1gb s1 g15"
                                                  << "start redraw" << 1 << kGrey;
    QTest::newRow("each tick flips and redraws; both phases cached")
        << "c1gb s1 g15 t g15 t g15 t g15"
        << "start redraw redraw redraw redraw" << 2 << kGreen;
    QTest::newRow("a tick without blinking changes nothing") << "c1g s1 t g15"
                                                             << "stop redraw" << 1 << kGreen;
    QTest::newRow("the phase survives stopping")
        << "c1gb s1 t s0 t s1 g15"
        << "start redraw redraw stop redraw start redraw" << 1 << kGreen;
    QTest::newRow("reconfiguring the blinking state restarts it")
        << "c1gb s1 c1gb"
        << "start redraw start redraw" << 0 << QColor();
    QTest::newRow("a new colour is drawn at once") << "c1g s1 g15 c1r g15"
                                                   << "stop redraw stop redraw" << 2 << kRed;
    QTest::newRow("a copy keeps state and pictures") << "c1r s1 g15 k g15"
                                                     << "stop redraw" << 1 << kRed;
    QTest::newRow("a new size is drawn anew") << "g15 g20 g20 g15"
                                              << "" << 3 << kGrey;
    QTest::newRow("size 1: the placeholder is the lamp") << "c1r s1 g1 g1"
                                                         << "stop redraw" << 0 << kRed;
    QTest::newRow("size 0 and below: nothing to show") << "g0 g0 g-4"
                                                       << "" << 2 << QColor();
}

void TestStateData::script()
{
    QFETCH(QString, steps);
    QFETCH(QString, hooks);
    QFETCH(int, draws);
    QFETCH(QColor, centre);
    CRecordingOwner owner;
    const long before = GetLampImageCount();
    const QImage last = Run(owner, steps);
    QCOMPARE(owner.m_vHooks.join(QLatin1Char(' ')), hooks);
    QCOMPARE(GetLampImageCount() - before, long(draws));
    if (!centre.isValid())
        return;
    const int size = steps.section(QLatin1Char('g'), -1).toInt();
    QCOMPARE(last.size(), QSize(size, size));
    QCOMPARE(Centre(last).name(), centre.name());
}

void TestStateData::lampImage_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QColor>("color");
    for (int size : {5, 6, 15, 40})
        for (const QColor& color : {kGreen, QColor(10, 20, 200)})
            QTest::addRow("%d, %s", size, qPrintable(color.name())) << size << color;
}

// A real lamp: its colour at the centre, a transparent background, a darker rim and a lighter
// highlight up and left of the centre.
void TestStateData::lampImage()
{
    QFETCH(int, size);
    QFETCH(QColor, color);
    QImage image(3, 7, QImage::Format_Mono);
    CreateLampImage(image, CColor(color.red(), color.green(), color.blue()), size);
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(Centre(image).name(), color.name());
    QCOMPARE(Centre(image).alpha(), 255);
    for (const QPoint& corner : {QPoint(0, 0), QPoint(size - 1, size - 1), QPoint(0, size - 1)})
        QCOMPARE(image.pixelColor(corner).alpha(), 0);
    const QColor rim = image.pixelColor(size / 2, size - 1);
    QVERIFY2(rim.lightness() < color.lightness(), qPrintable(rim.name()));
    if (size >= 9)
    {
        const QColor shine = image.pixelColor(size * 31 / 100, size * 31 / 100);
        QVERIFY2(shine.lightness() > color.lightness(), qPrintable(shine.name()));
    }
}

ZRI_TEST_MAIN(TestStateData)
#include "tst_state_data.moc"
