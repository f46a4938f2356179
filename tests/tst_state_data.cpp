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

// Runs a script: "color:S:red|green[:blink]", "state:S", "tick", "get:SIZE" (the picture of the
// current state at that size). Returns the last picture asked for.
QImage Run(CRecordingOwner& owner, const QStringList& script)
{
    QImage last;
    for (const QString& step : script)
    {
        const QStringList w = step.split(QLatin1Char(':'));
        if (w[0] == QLatin1String("color"))
            owner.SetStateColor(
                w[1] == QLatin1String("1"),
                w[2] == QLatin1String("red") ? CColor(255, 0, 0) : CColor(0, 255, 0), w.size() > 3);
        else if (w[0] == QLatin1String("state"))
            owner.SetState(w[1] == QLatin1String("1"));
        else if (w[0] == QLatin1String("tick"))
            owner._Blink();
        else
            last = owner._GetStateImage(owner.GetState(), w[1].toInt());
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
    void copyKeepsCachedPictures();
    void lampImage_data();
    void lampImage();
};

void TestStateData::script_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("hooks");
    QTest::addColumn<int>("draws");
    QTest::addColumn<QColor>("centre");
    const QStringList none;
    QTest::newRow("fresh: grey lamp, drawn once")
        << QStringList{"get:15", "get:15", "get:15"} << none << 1 << kGrey;
    QTest::newRow("configuring a hidden state calls nothing")
        << QStringList{"color:1:green", "get:15"} << none << 1 << kGrey;
    QTest::newRow("showing a steady state stops and redraws")
        << QStringList{"color:1:green", "state:1", "get:15", "get:15"}
        << QStringList{"stop", "redraw"} << 1 << kGreen;
    QTest::newRow("the current state again calls nothing")
        << QStringList{"state:0"} << none << 0 << QColor();
    QTest::newRow("reconfiguring the current state")
        << QStringList{"color:0:red"} << QStringList{"stop", "redraw"} << 0 << QColor();
    QTest::newRow("a blinking state starts in the grey phase")
        << QStringList{"color:1:green:blink", "state:1", "get:15"} << QStringList{"start", "redraw"}
        << 1 << kGrey;
    QTest::newRow("each tick flips and redraws; both phases stay cached")
        << QStringList{"color:1:green:blink",
                       "state:1",
                       "get:15",
                       "tick",
                       "get:15",
                       "tick",
                       "get:15",
                       "tick",
                       "get:15"}
        << QStringList{"start", "redraw", "redraw", "redraw", "redraw"} << 2 << kGreen;
    QTest::newRow("a tick while the state does not blink changes nothing")
        << QStringList{"color:1:green", "state:1", "tick", "get:15"}
        << QStringList{"stop", "redraw"} << 1 << kGreen;
    QTest::newRow("the phase survives stopping")
        << QStringList{"color:1:green:blink",
                       "state:1",
                       "tick",
                       "state:0",
                       "tick",
                       "state:1",
                       "get:15"}
        << QStringList{"start", "redraw", "redraw", "stop", "redraw", "start", "redraw"} << 1
        << kGreen;
    QTest::newRow("reconfiguring the blinking state restarts it")
        << QStringList{"color:1:green:blink", "state:1", "color:1:green:blink"}
        << QStringList{"start", "redraw", "start", "redraw"} << 0 << QColor();
    QTest::newRow("a new colour is drawn at once")
        << QStringList{"color:1:green", "state:1", "get:15", "color:1:red", "get:15"}
        << QStringList{"stop", "redraw", "stop", "redraw"} << 2 << kRed;
    QTest::newRow("a new size is drawn anew")
        << QStringList{"get:15", "get:20", "get:20", "get:15"} << none << 3 << kGrey;
    QTest::newRow("size 1: the placeholder is the lamp")
        << QStringList{"color:1:red", "state:1", "get:1", "get:1"} << QStringList{"stop", "redraw"}
        << 0 << kRed;
    QTest::newRow("size 0 and below draw nothing to show")
        << QStringList{"get:0", "get:0", "get:-4"} << none << 2 << QColor();
}

void TestStateData::script()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, hooks);
    QFETCH(int, draws);
    QFETCH(QColor, centre);
    CRecordingOwner owner;
    const long before = GetLampImageCount();
    const QImage last = Run(owner, steps);
    QCOMPARE(owner.m_vHooks, hooks);
    QCOMPARE(GetLampImageCount() - before, long(draws));
    if (!centre.isValid())
        return;
    const int size = steps.last().section(QLatin1Char(':'), 1).toInt();
    QCOMPARE(last.size(), QSize(size, size));
    QCOMPARE(Centre(last).name(), centre.name());
}

void TestStateData::copyKeepsCachedPictures()
{
    CRecordingOwner owner;
    Run(owner, {"color:1:red", "state:1", "get:15"});
    CRecordingOwner copy;
    copy = owner;
    copy = copy;
    const long before = GetLampImageCount();
    QVERIFY(copy.GetState());
    QCOMPARE(copy._GetStateImage(true, 15).cacheKey(), owner._GetStateImage(true, 15).cacheKey());
    QCOMPARE(GetLampImageCount(), before);
}

void TestStateData::lampImage_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QColor>("color");
    for (int size : {5, 6, 9, 15, 16, 40})
        for (const QColor& color : {kGreen, kGrey, QColor(10, 20, 200)})
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
