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

template <typename Widget> Widget& As(QWidget& widget)
{
    return static_cast<Widget&>(widget);
}

// Steps every display shares.
void AddCommonSteps(std::vector<SStep>& steps)
{
    steps.push_back({"resize", [](QWidget& w, quint32 a)
                     { w.resize(int(30 + a % 500), int(20 + (a >> 12) % 320)); }});
    steps.push_back({"hide and show", [](QWidget& w, quint32)
                     {
                         w.hide();
                         QCoreApplication::processEvents();
                         w.show();
                     }});
    steps.push_back({"palette", [](QWidget&, quint32 a)
                     {
                         QPalette palette = ZriTest::TestPalette();
                         if (a % 2)
                         {
                             palette.setColor(QPalette::Base, QColor(20, 20, 20));
                             palette.setColor(QPalette::Text, QColor(230, 230, 230));
                             palette.setColor(QPalette::Window, QColor(40, 40, 48));
                         }
                         QApplication::setPalette(palette);
                     }});
}

// The trend's clock: where the next appends go, in the unit of the current time base.
double Advance(QWidget& w, double by)
{
    const double now = w.property("clock").toDouble() + by * w.property("unit").toDouble();
    w.setProperty("clock", now);
    return now;
}

std::vector<SStep> TrendSteps()
{
    const auto append = [](QWidget& w, quint32 a)
    {
        auto& trend = As<CTrendDisplay>(w);
        if (trend.SeriesCount() == 0)
        {
            trend.AddSeries(QStringLiteral("level"), Qt::darkGreen);
        }
        trend.Append(int(a % 7) % trend.SeriesCount(), Advance(w, (a >> 4) % 64 / 16.0), Value(a));
    };
    // Appends outweigh the rest: runs of them move a full window frame by frame.
    std::vector<SStep> steps = {
        {"append", append},
        {"append", append},
        {"append", append},
        {"append", append},
        {"append", append},
        {"append", append},
        {"append", append},
        {"append", append},
        {"burst",
         [](QWidget& w, quint32 a)
         {
             std::vector<QPointF> samples;
             for (quint32 i = 0; i < a % 400; ++i)
             {
                 samples.emplace_back(Advance(w, 0.01 * (i % 3)), std::sin(i * 0.1) * (a % 50));
             }
             As<CTrendDisplay>(w).Append(0, samples);
         }},
        {"jump", [](QWidget& w, quint32 a)
         { As<CTrendDisplay>(w).Append(0, Advance(w, 20.0 * (1 + a % 5)), a % 30); }},
        {"time base",
         [](QWidget& w, quint32 a)
         {
             // From 0, negative seconds, Unix seconds, nanoseconds since 1970.
             static const double kBase[] = {0.0, -3600.0, 1.7e9, 1.7e18};
             static const double kUnit[] = {1.0, 1.0, 1.0, 1e9};
             w.setProperty("clock", kBase[a % 4]);
             w.setProperty("unit", kUnit[a % 4]);
             As<CTrendDisplay>(w).SetTimeWindow(60.0 * kUnit[a % 4]);
         }},
        {"scroll back",
         [](QWidget& w, quint32 a)
         {
             auto& trend = As<CTrendDisplay>(w);
             trend.ScrollTo(w.property("clock").toDouble() - a % 100 / 25.0 * trend.TimeWindow());
         }},
        {"history bar",
         [](QWidget& w, quint32 a)
         {
             auto* bar = w.findChild<QScrollBar*>();
             bar->setValue(int(a % std::max(bar->maximum() + 1, 1)));
         }},
        {"follow", [](QWidget& w, quint32) { As<CTrendDisplay>(w).FollowNewest(); }},
        {"capacity", [](QWidget& w, quint32 a) { As<CTrendDisplay>(w).SetCapacity(a % 3000); }},
        {"window",
         [](QWidget& w, quint32 a)
         {
             static const double kWindow[] = {0.5, 10.0, 60.0, 3600.0};
             As<CTrendDisplay>(w).SetTimeWindow(kWindow[a % 4] * w.property("unit").toDouble());
         }},
        {"value range",
         [](QWidget& w, quint32 a)
         {
             // Mostly fixed: an automatic range that moves with every sample repaints all.
             auto& trend = As<CTrendDisplay>(w);
             a % 3 ? trend.SetValueRange(-double(a % 60), 100 + (a >> 8) % 70)
                   : trend.SetAutoRange();
         }},
        {"series", [](QWidget& w, quint32 a)
         { As<CTrendDisplay>(w).AddSeries(QString::number(a % 100), QColor::fromRgb(a)); }},
        {"clear", [](QWidget& w, quint32 a) { As<CTrendDisplay>(w).ClearSamples(int(a % 3)); }},
        {"axes", [](QWidget& w, quint32 a) { As<CTrendDisplay>(w).SetAxesVisible(a % 4 != 0); }},
        {"clock axis",
         [](QWidget& w, quint32 a)
         {
             As<CTrendDisplay>(w).SetTimeAxisFormat(
                 a % 2 ? std::make_shared<CWallClockFormat>(Qt::UTC) : nullptr);
         }},
        {"marker", [](QWidget& w, quint32 a)
         { As<CTrendDisplay>(w).SetSeriesMarker(0, ETrendDisplayMarker(a % 5)); }},
    };
    AddCommonSteps(steps);
    return steps;
}

std::vector<SStep> HistogramSteps()
{
    const auto counts = [](QWidget& w, quint32 a)
    {
        auto& histogram = As<CHistogramDisplay>(w);
        if (histogram.DataListCount() == 0)
        {
            histogram.AddDataList(SDataListMode());
        }
        std::vector<double> values(a % 300);
        for (std::size_t i = 0; i < values.size(); ++i)
        {
            values[i] = Value(a + quint32(i) * 2654435761u);
        }
        histogram.SetCounts(int(a % 2) % histogram.DataListCount(), values);
    };
    std::vector<SStep> steps = {
        {"counts", counts},
        {"counts", counts},
        {"list",
         [](QWidget& w, quint32 a)
         {
             SDataListMode mode;
             mode.m_oColor = Varo::Fenra::Color::CRGBColor<unsigned char>(a, a >> 8, a >> 16);
             mode.m_eDisplayMode = EHistogramDrawMode(a % 4);
             mode.m_sLabel = a % 3 ? "Red" : "";
             As<CHistogramDisplay>(w).AddDataList(mode, {double(a % 9), 3, 1});
         }},
        {"zoom", [](QWidget& w, quint32 a)
         { As<CHistogramDisplay>(w).SetVisibleClasses(int(a % 300), int((a >> 9) % 120)); }},
        {"zoom out", [](QWidget& w, quint32) { As<CHistogramDisplay>(w).ZoomOut(); }},
        {"shade", [](QWidget& w, quint32 a)
         { As<CHistogramDisplay>(w).SetShadedSpan(int(a % 300) - 50, int((a >> 9) % 300) - 50); }},
        {"log", [](QWidget& w, quint32 a) { As<CHistogramDisplay>(w).SetLogScale(a % 2); }},
        {"value zoom", [](QWidget& w, quint32 a)
         { w.findChild<QScrollBar*>(QStringLiteral("histogramValueZoom"))->setValue(a % 10); }},
        {"pan", [](QWidget& w, quint32 a)
         { w.findChild<QScrollBar*>(QStringLiteral("histogramPan"))->setValue(a % 300); }},
        {"wheel",
         [](QWidget& w, quint32 a)
         {
             const QPointF at(a % std::max(w.width(), 1), w.height() / 2);
             const int delta = int(a % 240) - 120;
             QWheelEvent wheel(at, w.mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta),
                               Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
             QApplication::sendEvent(&w, &wheel);
         }},
        {"axes", [](QWidget& w, quint32 a) { As<CHistogramDisplay>(w).SetAxesVisible(a % 3); }},
        {"legend", [](QWidget& w, quint32 a) { As<CHistogramDisplay>(w).SetLegendVisible(a % 2); }},
        {"class labels", [](QWidget& w, quint32 a)
         { As<CHistogramDisplay>(w).SetClassLabels(a % 1000 * 1e6, 0.25 * (1 + a % 4)); }},
        {"clear", [](QWidget& w, quint32) { As<CHistogramDisplay>(w).ClearDataLists(); }},
    };
    AddCommonSteps(steps);
    return steps;
}

std::vector<SStep> GaugeSteps()
{
    const auto value = [](QWidget& w, quint32 a) { As<CBarGauge>(w).SetValue(Value(a)); };
    std::vector<SStep> steps = {
        {"value", value},
        {"value", value},
        {"range", [](QWidget& w, quint32 a)
         { As<CBarGauge>(w).SetRange(int(a % 200) - 100, int((a >> 8) % 300) - 100); }},
        {"low alarm",
         [](QWidget& w, quint32 a) { As<CBarGauge>(w).SetLowAlarm(a % 3 ? Value(a) : kNaN); }},
        {"high alarm",
         [](QWidget& w, quint32 a) { As<CBarGauge>(w).SetHighAlarm(a % 3 ? Value(a) : kNaN); }},
        {"title",
         [](QWidget& w, quint32 a)
         {
             static const char* const kTitle[] = {"", "Pressure", "Temperature", "Ü"};
             As<CBarGauge>(w).SetTitle(QString::fromUtf8(kTitle[a % 4]));
         }},
        {"footer", [](QWidget& w, quint32 a)
         { As<CBarGauge>(w).SetFooter(a % 3 == 0 ? QString() : QString(int(a % 3), 'x')); }},
        {"unit", [](QWidget& w, quint32 a)
         { As<CBarGauge>(w).SetUnit(a % 2 ? QStringLiteral("bar") : QString()); }},
        {"decimals", [](QWidget& w, quint32 a) { As<CBarGauge>(w).SetDecimals(int(a % 20) - 3); }},
        {"extremes", [](QWidget& w, quint32 a) { As<CBarGauge>(w).SetShowExtremes(a % 2); }},
        {"reset extremes", [](QWidget& w, quint32) { As<CBarGauge>(w).ResetExtremes(); }},
        {"title font",
         [](QWidget& w, quint32 a)
         {
             As<CBarGauge>(w).SetTitleFontSystem(a % 2);
             As<CBarGauge>(w).SetTitleSize(8 + a % 20);
         }},
    };
    AddCommonSteps(steps);
    return steps;
}

std::vector<SStep> SliderSteps()
{
    std::vector<SStep> steps = {
        {"range",
         [](QWidget& w, quint32 a)
         {
             const int low = a % 4 == 0 ? std::numeric_limits<int>::min() : int(a % 100) - 50;
             As<CRangeSlider>(w).SetRange(low, a % 4 == 1 ? std::numeric_limits<int>::max()
                                                          : int((a >> 8) % 400));
         }},
        {"values", [](QWidget& w, quint32 a)
         { As<CRangeSlider>(w).SetValues(int(a % 300) - 50, int((a >> 9) % 300) - 50); }},
        {"key",
         [](QWidget& w, quint32 a)
         {
             static const Qt::Key kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp,
                                             Qt::Key_Home, Qt::Key_End,   Qt::Key_Space};
             QTest::keyClick(&w, kKeys[a % 6]);
         }},
        {"drag",
         [](QWidget& w, quint32 a)
         {
             const QPoint from(int(a % std::max(w.width(), 1)), w.height() / 2);
             const QPoint to(int((a >> 10) % std::max(w.width(), 1)), w.height() / 2);
             QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, from);
             QTest::mouseMove(&w, to);
             QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, to);
         }},
        {"orientation", [](QWidget& w, quint32 a)
         { As<CRangeSlider>(w).SetOrientation(a % 2 ? Qt::Vertical : Qt::Horizontal); }},
        {"wheel",
         [](QWidget& w, quint32 a)
         {
             const QPointF at(w.width() / 2, w.height() / 2);
             QWheelEvent wheel(at, w.mapToGlobal(at.toPoint()), QPoint(),
                               QPoint(0, int(a % 240) - 120), Qt::NoButton, Qt::NoModifier,
                               Qt::NoScrollPhase, false);
             QApplication::sendEvent(&w, &wheel);
         }},
    };
    AddCommonSteps(steps);
    return steps;
}

template <typename Widget> std::unique_ptr<QWidget> Make()
{
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
