// The media button: symbol geometry, engraved pixels, the lamp and its blinking.
#include "LampImage.h"
#include "MediaButton.h"
#include "MediaGeometry.h"
#include "TestSupport.h"

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::kButtonText;
using ZriTest::kDark;
using ZriTest::kLight;

Q_DECLARE_METATYPE(CMediaButton::EMode)
Q_DECLARE_METATYPE(CMediaButton::EOnOffMode)

namespace
{

const QColor kGreen(0, 255, 0);
const QColor kGrey(128, 128, 128);
// Centre of the default 15-pixel lamp on a 60 x 40 button: columns 39 to 53, rows 4 to 18.
const QPoint kLampCentre(46, 11);

// Exposes the blink clock and counts paints.
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
    const QTimer& Timer() const { return m_oBlinkTimer; }
    int m_nPaints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++m_nPaints;
        CMediaButton::paintEvent(event);
    }
};

QImage Render(CMediaButton::EMode mode, CMediaButton::EOnOffMode lamp = CMediaButton::NoLamp)
{
    CMediaButton button;
    button.resize(60, 40);
    button.SetMode(mode);
    button.SetOnOffMode(lamp);
    return ZriTest::RenderWidget(button);
}

bool IsSymbolColour(const QColor& pixel)
{
    return pixel == kButtonText || pixel == kLight || pixel == kDark;
}

} // namespace

class TestMediaButton : public QObject
{
    Q_OBJECT

private slots:
    void areas_data();
    void areas();
    void symbolShapes_data();
    void symbolShapes();
    void engravedPixels_data();
    void engravedPixels();
    void outOfRangeModePaintsNoSymbol();
    void lampTable_data();
    void lampTable();
    void sameLampModeDoesNothing();
    void reconfiguringRestartsTheClock();
    void repaintsDrawNoNewLamp();
    void degenerateSizes();
    void castsToStateData();
};

void TestMediaButton::areas_data()
{
    QTest::addColumn<QRect>("content");
    QTest::addColumn<bool>("lamp");
    QTest::addColumn<int>("size");
    QTest::addColumn<QRect>("lampRect");
    QTest::addColumn<QRect>("symbolArea");
    const QRect content(QPoint(4, 4), QPoint(55, 35));
    QTest::newRow("15 px lamp, columns R-16 to R-2")
        << content << true << 15 << QRect(39, 4, 15, 15) << QRect(QPoint(4, 4), QPoint(39, 35));
    QTest::newRow("no lamp keeps the content")
        << content << false << 15 << QRect(39, 4, 15, 15) << content;
    QTest::newRow("pressed content moves the lamp")
        << content.translated(1, 1) << true << 8 << QRect(47, 5, 8, 8)
        << QRect(QPoint(5, 5), QPoint(47, 36));
}

void TestMediaButton::areas()
{
    QFETCH(QRect, content);
    QFETCH(bool, lamp);
    QFETCH(int, size);
    QFETCH(QRect, lampRect);
    QFETCH(QRect, symbolArea);
    QCOMPARE(Detail::MediaLampRect(content, size), lampRect);
    QCOMPARE(Detail::MediaSymbolArea(content, lamp, size), symbolArea);
}

void TestMediaButton::symbolShapes_data()
{
    QTest::addColumn<CMediaButton::EMode>("mode");
    QTest::addColumn<int>("part");
    QTest::addColumn<QPolygon>("points");
    QTest::addColumn<QRect>("rect");
    // Area (4,4)-(55,35), margin 4: wA 44, hA 24, cx 29, midY 20, barW 10.
    QTest::newRow("pause: left bar")
        << CMediaButton::Pause << 0 << QPolygon() << QRect(14, 8, 10, 24);
    QTest::newRow("pause: right bar")
        << CMediaButton::Pause << 1 << QPolygon() << QRect(34, 8, 10, 24);
    QTest::newRow("stop: centred square")
        << CMediaButton::Stop << 0 << QPolygon() << QRect(18, 8, 24, 24);
    QTest::newRow("play: triangle")
        << CMediaButton::Play << 0 << QPolygon({{8, 31}, {8, 8}, {51, 20}}) << QRect();
    QTest::newRow("to start: bar after the triangle")
        << CMediaButton::ToStart << 3 << QPolygon() << QRect(8, 8, 10, 24);
    QTest::newRow("ramp up: triangle")
        << CMediaButton::RampUp << 0 << QPolygon({{8, 8}, {51, 8}, {51, 31}}) << QRect();
    QTest::newRow("repeat: arrowhead")
        << CMediaButton::Repeat << 1 << QPolygon({{31, 29}, {24, 24}, {24, 35}, {31, 30}})
        << QRect();
    QTest::newRow("drop left: groove")
        << CMediaButton::DropLeft << 0 << QPolygon() << QRect(QPoint(8, 27), QPoint(51, 30));
    QTest::newRow("drop right: arrowhead")
        << CMediaButton::DropRight << 1 << QPolygon({{43, 27}, {40, 19}, {46, 19}}) << QRect();
    QTest::newRow("drop crossed: left arrowhead")
        << CMediaButton::DropCrossed << 2 << QPolygon({{16, 27}, {13, 19}, {19, 19}}) << QRect();
}

void TestMediaButton::symbolShapes()
{
    QFETCH(CMediaButton::EMode, mode);
    QFETCH(int, part);
    QFETCH(QPolygon, points);
    QFETCH(QRect, rect);
    const auto parts = Detail::MediaSymbolParts(mode, QRect(QPoint(4, 4), QPoint(55, 35)), 4);
    QVERIFY(part < int(parts.size()));
    QCOMPARE(parts[part].oPoints, points);
    QCOMPARE(parts[part].oRect, rect);
}

void TestMediaButton::engravedPixels_data()
{
    QTest::addColumn<CMediaButton::EMode>("mode");
    QTest::addColumn<CMediaButton::EOnOffMode>("lamp");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("color");
    const auto no = CMediaButton::NoLamp;
    // Pause bars x 14-23 and 34-43, y 8-31, sunken: dark top and left, light bottom and right.
    QTest::newRow("pause: left bar, top left")
        << CMediaButton::Pause << no << QPoint(14, 8) << kDark;
    QTest::newRow("pause: left bar, bottom right")
        << CMediaButton::Pause << no << QPoint(23, 31) << kLight;
    QTest::newRow("pause: left bar, inside")
        << CMediaButton::Pause << no << QPoint(18, 20) << kButtonText;
    QTest::newRow("pause: right bar, left edge")
        << CMediaButton::Pause << no << QPoint(34, 20) << kDark;
    QTest::newRow("pause: right bar, right edge")
        << CMediaButton::Pause << no << QPoint(43, 20) << kLight;
    // With a 15-pixel lamp the symbol area ends at column 39: the tip at 39 - 4.
    QTest::newRow("play with lamp: tip")
        << CMediaButton::Play << CMediaButton::Steady << QPoint(35, 20) << kLight;
    QTest::newRow("play with lamp: top edge")
        << CMediaButton::Play << CMediaButton::Steady << QPoint(8, 8) << kDark;
    QTest::newRow("play without lamp: tip") << CMediaButton::Play << no << QPoint(51, 20) << kLight;
    QTest::newRow("ramp down: left side") << CMediaButton::RampDown << no << QPoint(8, 20) << kDark;
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
    ZRI_COMPARE_PIXEL(image, kLampCentre.x(), kLampCentre.y(), kGrey);
    for (int y = 4; y <= 35; ++y)
        for (int x = 4; x <= 38; ++x)
            QVERIFY2(!IsSymbolColour(ZriTest::PixelAt(image, x, y)),
                     qPrintable(QStringLiteral("symbol pixel at %1,%2").arg(x).arg(y)));
}

void TestMediaButton::lampTable_data()
{
    QTest::addColumn<CMediaButton::EOnOffMode>("lamp");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("running");
    QTest::newRow("no lamp, on") << CMediaButton::NoLamp << true << 1 << QColor() << false;
    QTest::newRow("steady, off") << CMediaButton::Steady << false << 1 << kGrey << false;
    QTest::newRow("steady, on") << CMediaButton::Steady << true << 1 << kGreen << false;
    QTest::newRow("blinking, off") << CMediaButton::Blinking << false << 1 << kGrey << false;
    QTest::newRow("blinking, on") << CMediaButton::Blinking << true << 0 << kGrey << true;
    QTest::newRow("blinking, on, 1 tick") << CMediaButton::Blinking << true << 1 << kGreen << true;
    QTest::newRow("blinking, on, 2 ticks") << CMediaButton::Blinking << true << 2 << kGrey << true;
    QTest::newRow("blinking, on, 3 ticks") << CMediaButton::Blinking << true << 3 << kGreen << true;
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
    QCOMPARE(button.IsOn(), on);
    const int paints = button.m_nPaints;
    for (int i = 0; i < ticks; ++i)
        button._BlinkSlot();
    // A tick repaints only while the lamp blinks.
    QCOMPARE(button.m_nPaints - paints, running ? ticks : 0);
    QCOMPARE(button.Timer().isActive(), running);
    if (running)
        QCOMPARE(button.Timer().interval(), 1000);
    const QColor pixel = ZriTest::PixelAt(ZriTest::RenderWidget(button), 46, 11);
    if (color.isValid())
        QCOMPARE(pixel.name(), color.name());
    else
        QVERIFY(pixel != kGreen && pixel != kGrey);
}

void TestMediaButton::sameLampModeDoesNothing()
{
    CProbeButton button;
    const int paints = button.m_nPaints;
    button.SetOnOffMode(CMediaButton::NoLamp);
    QCOMPARE(button.m_nPaints, paints);
    button.SetOnOffMode(CMediaButton::Blinking);
    button.SetOn(true);
    QVERIFY(button.Timer().isActive());
    const int blinking = button.m_nPaints;
    button.SetOnOffMode(CMediaButton::Blinking);
    QCOMPARE(button.m_nPaints, blinking);
    // Leaving the lamp off holds the state at off, so the clock stops; the flag stays.
    button.SetOnOffMode(CMediaButton::NoLamp);
    QVERIFY(!button.Timer().isActive());
    QVERIFY(button.IsOn());
    button.SetOn(false);
    button.SetOn(true);
    QVERIFY(!button.Timer().isActive());
}

void TestMediaButton::reconfiguringRestartsTheClock()
{
    CProbeButton button;
    button.SetOnOffMode(CMediaButton::Blinking);
    button.SetOn(true);
    button._BlinkSlot();
    const int paints = button.m_nPaints;
    button.SetOnOffMode(CMediaButton::Steady);
    QVERIFY(!button.Timer().isActive());
    QCOMPARE(button.m_nPaints, paints + 1);
    // The phase left green is where blinking resumes.
    button.SetOnOffMode(CMediaButton::Blinking);
    QVERIFY(button.Timer().isActive());
    ZRI_COMPARE_PIXEL(ZriTest::RenderWidget(button), 46, 11, kGreen);
}

void TestMediaButton::repaintsDrawNoNewLamp()
{
    CProbeButton button;
    button.SetOnOffMode(CMediaButton::Steady);
    button.SetOn(true);
    const long before = Varo::FenraQtGui::QtExtensions::GetLampImageCount();
    for (int i = 0; i < 5; ++i)
        button.SetMode(CMediaButton::EMode(i));
    QCOMPARE(button.m_nPaints >= 5, true);
    QCOMPARE(Varo::FenraQtGui::QtExtensions::GetLampImageCount(), before);
    button.SetLampSize(9);
    QCOMPARE(Varo::FenraQtGui::QtExtensions::GetLampImageCount(), before + 1);
}

// Robustness sweep: out-of-range modes, odd lamp sizes and tiny buttons paint without crashing.
void TestMediaButton::degenerateSizes()
{
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
                QImage canvas(60, 40, QImage::Format_RGB32);
                button.render(&canvas);
            }
}

void TestMediaButton::castsToStateData()
{
    CMediaButton button;
    QCOMPARE(QString::fromLatin1(CMediaButton::staticMetaObject.className()),
             QStringLiteral("Varo::FenraQtGui::ZuRaradirIzurodudoz::CMediaButton"));
    QCOMPARE(button.qt_metacast("Detail::CStateData<bool>"),
             static_cast<void*>(static_cast<Detail::CStateData<bool>*>(&button)));
}

ZRI_TEST_MAIN(TestMediaButton)
#include "tst_media_button.moc"
