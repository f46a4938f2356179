// The four ready displays shown and driven by random sequences of what applications and users
// do to them: after every step the screen must show exactly what a fresh paint of the same
// state shows. ZRI_PROPERTY_STEPS=100000 runs far longer sequences than the suite's.
#include "BarGauge.h"
#include "HistogramDisplay.h"
#include "RangeSlider.h"
#include "ScreenProperty.h"
#include "TestSupport.h"
#include "TrendDisplay.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>
#include <limits>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::SStep;

namespace
{

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A value with the awkward ones mixed in: NaN, both infinities, the largest doubles, tiny ones.
double Value(quint32 a)
{
    static const double kOdd[] = {kNaN, kInf, -kInf, 1.7e308, -1.7e308, 1e-300, 12345678.0};
    return a % 8 < 7 && a % 5 == 0 ? kOdd[a % 7] : static_cast<int>((a >> 8) % 2000) / 10.0 - 50;
}

// A step of one widget class: the body sees the widget as w and the step's random number as a.
#define STEP(Widget, name, ...)                                                                    \
    SStep                                                                                          \
    {                                                                                              \
        name, [](QWidget& widget, quint32 a)                                                       \
        {                                                                                          \
            auto& w = static_cast<Widget&>(widget);                                                \
            (void)w, (void)a;                                                                      \
            __VA_ARGS__;                                                                           \
        }                                                                                          \
    }

QPoint Across(const QWidget& w, quint32 a)
{
    return {int(a % std::max(w.width(), 1)), w.height() / 2};
}

void Wheel(QWidget& w, QPoint at, int delta, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QWheelEvent wheel(at, w.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &wheel);
}

// The trend's clock: where the next appends go, in the unit of the current time base.
double Advance(QWidget& w, double by)
{
    const double now = w.property("clock").toDouble() + by * w.property("unit").toDouble();
    w.setProperty("clock", now);
    return now;
}

// Steps every display shares, and `weight` copies of the most frequent one.
std::vector<SStep> Steps(std::vector<SStep> steps, int weight)
{
    for (int i = 1; i < weight; ++i)
        steps.push_back(steps.front());
    steps.push_back(
        STEP(QWidget, "resize", w.resize(int(30 + a % 500), int(20 + (a >> 12) % 320))));
    steps.push_back(
        STEP(QWidget, "hide and show", w.hide(); QCoreApplication::processEvents(); w.show()));
    steps.push_back(STEP(
        QWidget, "palette", QPalette palette = ZriTest::TestPalette(); if (a % 2) {
            palette.setColor(QPalette::Base, QColor(20, 20, 20));
            palette.setColor(QPalette::Text, QColor(230, 230, 230));
            palette.setColor(QPalette::Window, QColor(40, 40, 48));
        } QApplication::setPalette(palette)));
    return steps;
}

std::vector<SStep> TrendSteps()
{
    // Appends outweigh the rest: runs of them move a full window frame by frame.
    return Steps(
        {
            STEP(
                CTrendDisplay, "append",
                if (w.SeriesCount() == 0) w.AddSeries(QStringLiteral("level"), Qt::darkGreen);
                w.Append(int(a % 7) % w.SeriesCount(), Advance(w, (a >> 4) % 64 / 16.0), Value(a))),
                STEP(CTrendDisplay, "burst", std::vector<QPointF> samples;
                     for (quint32 i = 0; i < a % 400; ++i) samples.emplace_back(
                         Advance(w, 0.01 * (i % 3)), std::sin(i * 0.1) * (a % 50));
                     w.Append(0, samples)),
                STEP(CTrendDisplay, "jump", w.Append(0, Advance(w, 20.0 * (1 + a % 5)), a % 30)),
                // From 0, negative seconds, Unix seconds, nanoseconds since 1970.
                STEP(CTrendDisplay, "time base",
                     static const double kBase[] = {0.0, -3600.0, 1.7e9, 1.7e18};
                     w.setProperty("clock", kBase[a % 4]);
                     w.setProperty("unit", a % 4 == 3 ? 1e9 : 1.0);
                     w.SetTimeWindow(60.0 * w.property("unit").toDouble())),
                STEP(CTrendDisplay, "scroll back",
                     w.ScrollTo(w.property("clock").toDouble() - a % 100 / 25.0 * w.TimeWindow())),
                STEP(CTrendDisplay, "history bar", auto* bar = w.findChild<QScrollBar*>();
                     bar->setValue(int(a % std::max(bar->maximum() + 1, 1)))),
                STEP(CTrendDisplay, "follow", w.FollowNewest()),
                STEP(CTrendDisplay, "capacity", w.SetCapacity(a % 3000)),
                STEP(CTrendDisplay, "window",
                     static const double kWindow[] = {0.5, 10.0, 60.0, 3600.0};
                     w.SetTimeWindow(kWindow[a % 4] * w.property("unit").toDouble())),
                // Mostly fixed: an automatic range that moves with every sample repaints all.
                STEP(CTrendDisplay, "value range",
                     a % 3 ? w.SetValueRange(-double(a % 60), 100 + (a >> 8) % 70)
                           : w.SetAutoRange()),
                STEP(CTrendDisplay, "series",
                     w.AddSeries(QString::number(a % 100), QColor::fromRgb(a))),
                STEP(CTrendDisplay, "clear", w.ClearSamples(int(a % 3))),
                STEP(CTrendDisplay, "axes", w.SetAxesVisible(a % 4 != 0)),
                STEP(CTrendDisplay, "grid", w.SetGridVisible(a % 3 != 0)),
                STEP(CTrendDisplay, "hide series", w.SetSeriesVisible(int(a % 2), a % 3 != 0)),
                STEP(CTrendDisplay, "value format",
                     w.SetValueAxisFormat(
                         a % 2 ? CAxisFormat::Labelled([](double v, double)
                                                       { return QString::number(v * 7); })
                               : nullptr)),
                STEP(CTrendDisplay, "titles", w.SetValueAxisTitle(QString(a % 3, 'P'), "bar");
                     w.SetTimeAxisTitle(a % 2 ? "time" : "", "")),
                STEP(CTrendDisplay, "right axis", w.SetSeriesOnRightAxis(int(a % 2), a % 3 != 0);
                     a % 4 ? w.SetRightValueRange(-double(a % 40), 50 + (a >> 6) % 90)
                           : w.SetRightAutoRange();
                     w.SetRightAxisTitle(a % 5 ? "T" : "", "K")),
                STEP(CTrendDisplay, "clock axis",
                     w.SetTimeAxisFormat(a % 2 ? std::make_shared<CWallClockFormat>(Qt::UTC)
                                               : nullptr)),
                STEP(CTrendDisplay, "marker", w.SetSeriesMarker(0, ETrendDisplayMarker(a % 5))),
                STEP(CTrendDisplay, "level",
                     a % 4 ? (void)w.AddLevel(a % 120 - 10.0, QString::number(a % 90), QColor(a))
                           : w.RemoveLevels()),
                STEP(CTrendDisplay, "series colour",
                     w.SetSeriesColor(int(a % 2), QColor::fromHsv(int(a % 360), 255, 160))),
                STEP(CTrendDisplay, "zoom", const double now = w.property("clock").toDouble();
                     w.ZoomTo(now - a % 100 * w.property("unit").toDouble(), now, -double(a % 30),
                              50.0 + a % 100)),
                STEP(CTrendDisplay, "zoom key",
                     static const Qt::Key kKeys[] = {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Left,
                                                     Qt::Key_Down, Qt::Key_Backspace,
                                                     Qt::Key_Escape, Qt::Key_F};
                     QTest::keyClick(&w, kKeys[a % 7])),
                STEP(CTrendDisplay, "zoom wheel", Wheel(w, Across(w, a), int(a % 240) - 120)),
                STEP(CTrendDisplay, "hover", const QPoint at(int(a % 400), int((a >> 9) % 250));
                     QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton,
                                      Qt::NoButton, Qt::NoModifier);
                     QApplication::sendEvent(&w, &move))
        },
        8);
}

std::vector<SStep> HistogramSteps()
{
    return Steps(
        {
            STEP(CHistogramDisplay, "counts",
                 if (w.DataListCount() == 0) w.AddDataList(SDataListMode());
                 std::vector<double> values(a % 300);
                 for (std::size_t i = 0; i < values.size(); ++i) values[i] =
                     Value(a + quint32(i) * 2654435761u);
                 w.SetCounts(int(a % 2) % w.DataListCount(), values)),
                STEP(CHistogramDisplay, "list", SDataListMode mode;
                     mode.m_oColor =
                         Varo::Fenra::Color::CRGBColor<unsigned char>(a, a >> 8, a >> 16);
                     mode.m_eDisplayMode = EHistogramDrawMode(a % 4);
                     mode.m_sLabel = a % 3 ? "Red" : "";
                     w.AddDataList(mode, {double(a % 9), 3, 1})),
                STEP(CHistogramDisplay, "zoom",
                     w.SetVisibleClasses(int(a % 300), int((a >> 9) % 120))),
                STEP(CHistogramDisplay, "zoom out", w.ZoomOut()),
                STEP(CHistogramDisplay, "shade",
                     w.SetShadedSpan(int(a % 300) - 50, int((a >> 9) % 300) - 50)),
                STEP(CHistogramDisplay, "log", w.SetLogScale(a % 2)),
                STEP(CHistogramDisplay, "value zoom",
                     w.findChild<QScrollBar*>(QStringLiteral("histogramValueZoom"))
                         ->setValue(a % 10)),
                STEP(CHistogramDisplay, "pan",
                     w.findChild<QScrollBar*>(QStringLiteral("histogramPan"))->setValue(a % 300)),
                STEP(CHistogramDisplay, "wheel",
                     Wheel(w, Across(w, a), int(a % 240) - 120,
                           a % 3 ? Qt::NoModifier : Qt::ControlModifier)),
                STEP(CHistogramDisplay, "axes", w.SetAxesVisible(a % 3)),
                STEP(CHistogramDisplay, "legend", w.SetLegendVisible(a % 2)),
                STEP(CHistogramDisplay, "grid and titles", w.SetGridVisible(a % 3);
                     w.SetValueAxisTitle(QString(a % 2, 'N'), QString());
                     w.SetClassAxisTitle(a % 5 ? "grey" : "", "DN")),
                STEP(CHistogramDisplay, "class labels",
                     w.SetClassLabels(a % 1000 * 1e6, 0.25 * (1 + a % 4))),
                STEP(CHistogramDisplay, "clear", w.ClearDataLists()),
                STEP(CHistogramDisplay, "box", const QPoint at(int(a % 400), int((a >> 9) % 250));
                     QTest::mousePress(&w, Qt::LeftButton, {}, at);
                     QTest::mouseRelease(&w, Qt::LeftButton, {}, at + QPoint(a % 90, a % 70))),
                STEP(CHistogramDisplay, "zoom key",
                     static const Qt::Key kKeys[] = {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Left,
                                                     Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                                     Qt::Key_Backspace, Qt::Key_Escape};
                     QTest::keyClick(&w, kKeys[a % 8])),
                STEP(CHistogramDisplay, "value fraction", w.SetValueZoom(1.0 / (1 + a % 50))),
                STEP(CHistogramDisplay, "hover", const QPoint at(int(a % 400), int((a >> 9) % 250));
                     QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton,
                                      Qt::NoButton, Qt::NoModifier);
                     QApplication::sendEvent(&w, &move))
        },
        2);
}

std::vector<SStep> GaugeSteps()
{
    return Steps(
        {
            STEP(CBarGauge, "value", w.SetValue(Value(a))),
                STEP(CBarGauge, "range", w.SetRange(int(a % 200) - 100, int((a >> 8) % 300) - 100)),
                STEP(CBarGauge, "low alarm", w.SetLowAlarm(a % 3 ? Value(a) : kNaN)),
                STEP(CBarGauge, "high alarm", w.SetHighAlarm(a % 3 ? Value(a) : kNaN)),
                STEP(CBarGauge, "title",
                     static const char* const kTitle[] = {"", "Pressure", "Temperature", "Ü"};
                     w.SetTitle(QString::fromUtf8(kTitle[a % 4]))),
                STEP(CBarGauge, "footer",
                     w.SetFooter(a % 3 == 0 ? QString() : QString(int(a % 3), 'x'))),
                STEP(CBarGauge, "unit", w.SetUnit(a % 2 ? QStringLiteral("bar") : QString())),
                STEP(CBarGauge, "decimals", w.SetDecimals(int(a % 20) - 3)),
                STEP(CBarGauge, "extremes", w.SetShowExtremes(a % 2)),
                STEP(CBarGauge, "reset extremes", w.ResetExtremes()),
                STEP(CBarGauge, "title font", w.SetTitleFontSystem(a % 2);
                     w.SetTitleSize(8 + a % 20))
        },
        2);
}

std::vector<SStep> SliderSteps()
{
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    return Steps(
        {
            STEP(CRangeSlider, "range",
                 w.SetRange(a % 4 == 0 ? kMin : int(a % 100) - 50,
                            a % 4 == 1 ? kMax : int((a >> 8) % 400))),
                STEP(CRangeSlider, "values",
                     w.SetValues(int(a % 300) - 50, int((a >> 9) % 300) - 50)),
                STEP(CRangeSlider, "key",
                     static const Qt::Key kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp,
                                                     Qt::Key_Home, Qt::Key_End, Qt::Key_Space};
                     QTest::keyClick(&w, kKeys[a % 6])),
                STEP(CRangeSlider, "drag", QTest::mousePress(&w, Qt::LeftButton, {}, Across(w, a));
                     QTest::mouseMove(&w, Across(w, a >> 10));
                     QTest::mouseRelease(&w, Qt::LeftButton, {}, Across(w, a >> 10))),
                STEP(CRangeSlider, "orientation",
                     w.SetOrientation(a % 2 ? Qt::Vertical : Qt::Horizontal)),
                STEP(CRangeSlider, "wheel", Wheel(w, w.rect().center(), int(a % 240) - 120))
        },
        1);
}

template <typename Widget> std::unique_ptr<QWidget> Make()
{
    QApplication::setPalette(ZriTest::TestPalette()); // every replay from the same start
    auto widget = std::make_unique<Widget>();
    widget->resize(320, 200);
    widget->setProperty("unit", 1.0);
    if constexpr (std::is_same_v<Widget, CTrendDisplay>)
    {
        widget->SetValueRange(-60, 160);
    }
    return widget;
}

} // namespace

class CScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::setPalette(ZriTest::TestPalette()); }
    void cleanup() { QApplication::setPalette(ZriTest::TestPalette()); }

    void screenMatchesFreshPaint_data()
    {
        QTest::addColumn<int>("display");
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("steps"); // the trend keeps pictures: more chances to go wrong
        QTest::newRow("trend") << 0 << 29u << 3000;
        QTest::newRow("histogram") << 1 << 31u << 2000;
        QTest::newRow("gauge") << 2 << 37u << 1500;
        QTest::newRow("range slider") << 3 << 41u << 1500;
    }

    void screenMatchesFreshPaint()
    {
        QFETCH(int, display);
        QFETCH(quint32, seed);
        QFETCH(int, steps);
        using FMake = std::unique_ptr<QWidget> (*)();
        static const std::pair<FMake, std::vector<SStep> (*)()> kDisplays[] = {
            {Make<CTrendDisplay>, TrendSteps},
            {Make<CHistogramDisplay>, HistogramSteps},
            {Make<CBarGauge>, GaugeSteps},
            {Make<CRangeSlider>, SliderSteps}};
        const auto& [make, kinds] = kDisplays[display];
        const QString failure =
            ZriTest::CheckScreenMatchesRender(make, kinds(), seed, ZriTest::PropertySteps(steps));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

ZRI_TEST_MAIN(CScreenTest)
#include "tst_screen.moc"
