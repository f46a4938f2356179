// The media button: symbol geometry, engraved pixels, the lamp and its blinking.
#include "LampImage.h"
#include "MediaButton.h"
#include "MediaGeometry.h"
#include "TestSupport.h"

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::FenraQtGui::QtExtensions::GetLampImageCount;
using ZriTest::kButtonText;
using ZriTest::kDark;
using ZriTest::kLight;

Q_DECLARE_METATYPE(CMediaButton::EMode)
Q_DECLARE_METATYPE(CMediaButton::EOnOffMode)

namespace
{

const QColor kGreen(0, 255, 0);
const QColor kGrey(128, 128, 128);
// On a 60 x 40 button the content is (4,4)-(55,35); the 15-pixel lamp covers columns 39 to 53
// and rows 4 to 18, so its centre is (46,11).
const QRect kContent(QPoint(4, 4), QPoint(55, 35));

// A shown 60 x 40 button that counts its paints and lets the test tick its blink clock.
class CProbeButton : public CMediaButton
{
public:
    CProbeButton()
    {
        resize(60, 40);
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
        QCoreApplication::processEvents();
    }
    using CMediaButton::_BlinkSlot;
    using CMediaButton::m_oBlinkTimer;
    int m_nPaints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++m_nPaints;
        CMediaButton::paintEvent(event);
    }
};

QImage Render(CMediaButton::EMode mode, CMediaButton::EOnOffMode lamp)
{
    CMediaButton button;
    button.resize(60, 40);
    button.SetMode(mode);
    button.SetOnOffMode(lamp);
    return ZriTest::RenderWidget(button);
}

QString LampCentre(QWidget& button)
{
    return ZriTest::PixelAt(ZriTest::RenderWidget(button), 46, 11).name();
}

} // namespace

class TestMediaButton : public QObject
{
    Q_OBJECT

private slots:
    void lampSquareAndSymbolArea();
    void engravedPixels_data();
    void engravedPixels();
    void outOfRangeModePaintsNoSymbol();
    void lampTable_data();
    void lampTable();
    void switchingLampModes();
    void repaintsDrawNoNewLamp();
    void degenerateSizes();
    void castsToStateData();
};

void TestMediaButton::lampSquareAndSymbolArea()
{
    QCOMPARE(Detail::MediaLampRect(kContent, 15), QRect(39, 4, 15, 15));
    QCOMPARE(Detail::MediaSymbolArea(kContent, true, 15), QRect(QPoint(4, 4), QPoint(39, 35)));
    QCOMPARE(Detail::MediaSymbolArea(kContent, false, 15), kContent);
}

void TestMediaButton::engravedPixels_data()
{
    QTest::addColumn<CMediaButton::EMode>("mode");
    QTest::addColumn<CMediaButton::EOnOffMode>("lamp");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("color");
    const auto no = CMediaButton::NoLamp;
    const auto pause = CMediaButton::Pause;
    // Pause bars x 14-23 and 34-43, y 8-31, sunken: dark top and left, light bottom and right.
    QTest::newRow("pause: left bar, top left") << pause << no << QPoint(14, 8) << kDark;
    QTest::newRow("pause: left bar, bottom right") << pause << no << QPoint(23, 31) << kLight;
    QTest::newRow("pause: left bar, inside") << pause << no << QPoint(18, 20) << kButtonText;
    QTest::newRow("pause: right bar, right edge") << pause << no << QPoint(43, 20) << kLight;
    // With a 15-pixel lamp the symbol area ends at column 39: the tip at 39 - 4.
    QTest::newRow("play with lamp: tip")
        << CMediaButton::Play << CMediaButton::Steady << QPoint(35, 20) << kLight;
    QTest::newRow("play without lamp: tip") << CMediaButton::Play << no << QPoint(51, 20) << kLight;
    // Stop: a 24-pixel square from (18,8); Repeat: the arrowhead's rightmost column is cx + 2.
    QTest::newRow("stop: top left") << CMediaButton::Stop << no << QPoint(18, 8) << kDark;
    QTest::newRow("stop: bottom right") << CMediaButton::Stop << no << QPoint(41, 31) << kLight;
    QTest::newRow("repeat: arrowhead")
        << CMediaButton::Repeat << no << QPoint(31, 29) << kButtonText;
    QTest::newRow("ramp up: right side") << CMediaButton::RampUp << no << QPoint(51, 20) << kLight;
    QTest::newRow("drop crossed: dark stem")
        << CMediaButton::DropCrossed << no << QPoint(16, 14) << kDark;
}

void TestMediaButton::engravedPixels()
{
    QFETCH(CMediaButton::EMode, mode);
    QFETCH(CMediaButton::EOnOffMode, lamp);
    QFETCH(QPoint, point);
    QFETCH(QColor, color);
    const QImage image = Render(mode, lamp);
    ZRI_COMPARE_PIXEL(image, point.x(), point.y(), color);
}

void TestMediaButton::outOfRangeModePaintsNoSymbol()
{
    const QImage image = Render(CMediaButton::EMode(10), CMediaButton::Steady);
    ZRI_COMPARE_PIXEL(image, 46, 11, kGrey);
    for (int y = 4; y <= 35; ++y)
        for (int x = 4; x <= 38; ++x)
        {
            const QColor pixel = ZriTest::PixelAt(image, x, y);
            QVERIFY2(pixel != kButtonText && pixel != kLight && pixel != kDark,
                     qPrintable(QStringLiteral("symbol pixel at %1,%2").arg(x).arg(y)));
        }
}

void TestMediaButton::lampTable_data()
{
    QTest::addColumn<CMediaButton::EOnOffMode>("lamp");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("running");
    const auto blinking = CMediaButton::Blinking;
    QTest::newRow("no lamp, on") << CMediaButton::NoLamp << true << 1 << QColor() << false;
    QTest::newRow("steady, off") << CMediaButton::Steady << false << 1 << kGrey << false;
    QTest::newRow("steady, on") << CMediaButton::Steady << true << 1 << kGreen << false;
    QTest::newRow("blinking, off") << blinking << false << 1 << kGrey << false;
    QTest::newRow("blinking, on") << blinking << true << 0 << kGrey << true;
    QTest::newRow("blinking, on, 1 tick") << blinking << true << 1 << kGreen << true;
    QTest::newRow("blinking, on, 2 ticks") << blinking << true << 2 << kGrey << true;
    QTest::newRow("blinking, on, 3 ticks") << blinking << true << 3 << kGreen << true;
}

void TestMediaButton::lampTable()
{
    QFETCH(CMediaButton::EOnOffMode, lamp);
    QFETCH(bool, on);
    QFETCH(int, ticks);
    QFETCH(QColor, color);
    QFETCH(bool, running);
    CProbeButton button;
    button.SetOnOffMode(lamp);
    button.SetOn(on);
    const int paints = button.m_nPaints;
    for (int i = 0; i < ticks; ++i)
        button._BlinkSlot();
    // A tick repaints only while the lamp blinks.
    QCOMPARE(button.m_nPaints - paints, running ? ticks : 0);
    QCOMPARE(button.m_oBlinkTimer.isActive(), running);
    if (running)
        QCOMPARE(button.m_oBlinkTimer.interval(), 1000);
    if (color.isValid())
        QCOMPARE(LampCentre(button), color.name());
    else
        QVERIFY(LampCentre(button) != kGreen.name() && LampCentre(button) != kGrey.name());
}

void TestMediaButton::switchingLampModes()
{
    CProbeButton button;
    int paints = button.m_nPaints;
    button.SetOnOffMode(CMediaButton::NoLamp);
    QCOMPARE(button.m_nPaints, paints);
    button.SetOnOffMode(CMediaButton::Blinking);
    button.SetOn(true);
    button._BlinkSlot();
    paints = button.m_nPaints;
    button.SetOnOffMode(CMediaButton::Blinking);
    QCOMPARE(button.m_nPaints, paints);
    // Steady and back: the clock stops and restarts; the phase left green is kept.
    button.SetOnOffMode(CMediaButton::Steady);
    QVERIFY(!button.m_oBlinkTimer.isActive());
    button.SetOnOffMode(CMediaButton::Blinking);
    QVERIFY(button.m_oBlinkTimer.isActive());
    QCOMPARE(LampCentre(button), kGreen.name());
    // Without a lamp the state is held at off: the clock stops, the flag stays.
    button.SetOnOffMode(CMediaButton::NoLamp);
    QVERIFY(!button.m_oBlinkTimer.isActive());
    QVERIFY(button.IsOn());
}

void TestMediaButton::repaintsDrawNoNewLamp()
{
    CProbeButton button;
    button.SetOnOffMode(CMediaButton::Steady);
    button.SetOn(true);
    const long before = GetLampImageCount();
    const int paints = button.m_nPaints;
    for (int i = 0; i < 5; ++i)
        button.SetMode(CMediaButton::EMode(i));
    QCOMPARE(button.m_nPaints, paints + 5);
    QCOMPARE(GetLampImageCount(), before);
    button.SetLampSize(9);
    QCOMPARE(GetLampImageCount(), before + 1);
}

// Robustness sweep: out-of-range modes, odd lamp sizes and tiny buttons paint without crashing.
void TestMediaButton::degenerateSizes()
{
    QImage canvas(60, 40, QImage::Format_RGB32);
    for (const QSize& size : {QSize(0, 0), QSize(1, 1), QSize(60, 40)})
        for (int lamp : {0, 1, 100, -5})
            for (int mode : {-1, 6, 9, 10})
            {
                CMediaButton button;
                button.resize(size);
                button.SetOnOffMode(CMediaButton::Blinking);
                button.SetOn(true);
                button.SetLampSize(lamp);
                button.SetMode(CMediaButton::EMode(mode));
                button.render(&canvas);
            }
}

void TestMediaButton::castsToStateData()
{
    CMediaButton button;
    QCOMPARE(button.qt_metacast("Detail::CStateData<bool>"),
             static_cast<void*>(static_cast<Detail::CStateData<bool>*>(&button)));
}

ZRI_TEST_MAIN(TestMediaButton)
#include "tst_media_button.moc"
