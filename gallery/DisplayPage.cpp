// The displays working together: a tank level trend fed by a timer, the histogram of an image
// with the band that a range slider picks shaded on it, gauges beside a percentage ruler that
// show what the band holds and the level's latest value, and an oscilloscope trend fed by a
// worker thread sampling at 50 kHz, with its count of dropped samples. The data are computed,
// not random; in a screenshot run the worker feeds a fixed 0.2 s and stops, so the page's
// screenshot is the same on every run.
#include "Gallery.h"

#include "BarGauge.h"
#include "BarScalePercent.h"
#include "HistogramDisplay.h"
#include "RangeSlider.h"
#include "TrendDisplay.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

namespace ZRI = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

constexpr double kPeriod = 0.25; // seconds between two trend samples

// A grey picture: a bright disc and a dimmer one on a gradient, so its histogram has a wide
// floor and two peaks.
QImage MakeImage()
{
    QImage image(320, 240, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y)
    {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
        {
            const double disc = std::exp(-(std::pow(x - 110, 2) + std::pow(y - 120, 2)) / 3000.0);
            const double dim = std::exp(-(std::pow(x - 240, 2) + std::pow(y - 80, 2)) / 900.0);
            const double grey = 30 + x / 6.0 + 150 * disc + 70 * dim + 6 * std::sin(x * y * 0.01);
            line[x] = static_cast<uchar>(std::clamp(grey, 0.0, 255.0));
        }
    }
    return image;
}

std::vector<double> GreyCounts(const QImage& image)
{
    std::vector<double> counts(256, 0.0);
    for (int y = 0; y < image.height(); ++y)
    {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            counts[line[x]] += 1.0;
    }
    return counts;
}

// The tank level at a time: a slow swing with a faster ripple, in percent.
double Level(double time)
{
    return 50 + 30 * std::sin(time / 9.0) + 8 * std::sin(time * 1.7) + 3 * std::cos(time * 5.3);
}

// Title and footer fonts that every gauge of the row and the ruler share, so the scales meet.
void UseRowFonts(ZRI::CBarBase& bar)
{
    bar.SetTitleFont("DejaVu Sans", 13, true, false);
    bar.SetTitleFontSystem(false);
    bar.SetFooterFont("DejaVu Sans", 12, false, false);
    bar.SetFooterFontSystem(false);
    bar.setFixedHeight(260);
}

ZRI::CBarGauge* MakeGauge(const QString& title, const QString& unit, double maximum)
{
    auto* gauge = new ZRI::CBarGauge;
    gauge->SetTitle(title);
    gauge->SetUnit(unit);
    gauge->SetRange(0, maximum);
    gauge->setFixedWidth(58);
    UseRowFonts(*gauge);
    return gauge;
}

// The band's share of the image's pixels and their mean grey value.
void ShowBand(const std::vector<double>& counts, int start, int end, ZRI::CBarGauge& share,
              ZRI::CBarGauge& mean)
{
    double inside = 0, total = 0, sum = 0;
    for (int grey = 0; grey < static_cast<int>(counts.size()); ++grey)
    {
        total += counts[grey];
        if (grey >= start && grey <= end)
        {
            inside += counts[grey];
            sum += grey * counts[grey];
        }
    }
    share.SetValue(total > 0 ? 100 * inside / total : 0);
    mean.SetValue(inside > 0 ? sum / inside : std::nan(""));
}

// Keeps the slider lined up with the histogram's classes as either is resized or the
// histogram's view changes.
class CAlignUnderPlot : public QObject
{
public:
    CAlignUnderPlot(ZRI::CHistogramDisplay& histogram, ZRI::CRangeSlider& slider)
        : QObject(&histogram), m_rHistogram(histogram), m_rSlider(slider)
    {
        histogram.installEventFilter(this);
        slider.installEventFilter(this);
        connect(&histogram, &ZRI::CHistogramDisplay::visibleClassesChanged, this,
                [this] { ZRI::AlignToClassAxis(m_rSlider, m_rHistogram); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            ZRI::AlignToClassAxis(m_rSlider, m_rHistogram);
        return false;
    }

private:
    ZRI::CHistogramDisplay& m_rHistogram;
    ZRI::CRangeSlider& m_rSlider;
};

QWidget* MakeTrend(ZRI::CBarGauge& level)
{
    auto* trend = new ZRI::CTrendDisplay;
    trend->setMinimumSize(520, 170);
    const int series = trend->AddSeries(QStringLiteral("Tank level %"), QColor(220, 120, 30));
    trend->SetTimeWindow(60);
    trend->SetValueRange(0, 100);
    trend->SetGridVisible(true);
    trend->SetValueAxisTitle(QStringLiteral("Level"), QStringLiteral("%"));
    trend->SetTimeAxisTitle(QStringLiteral("Time"), QStringLiteral("s"));
    // The gauge's alarm levels as markers.
    trend->AddLevel(level.HighAlarm(), QStringLiteral("High"), QColor(200, 40, 40));
    trend->AddLevel(level.LowAlarm(), QStringLiteral("Low"), QColor(200, 40, 40));
    // A minute of history, so the page shows a full window at once.
    std::vector<QPointF> history;
    for (int i = 0; i <= 240; ++i)
        history.emplace_back(i * kPeriod, Level(i * kPeriod));
    trend->Append(series, history);
    for (const QPointF& sample : history)
        level.SetValue(sample.y());
    auto* timer = new QTimer(trend);
    QObject::connect(timer, &QTimer::timeout, trend,
                     [trend, series, &level]
                     {
                         const double time = trend->LastSample(series).x() + kPeriod;
                         trend->Append(series, time, Level(time));
                         level.SetValue(Level(time));
                     });
    timer->start(static_cast<int>(kPeriod * 1000));
    return trend;
}

// A recording of a million samples, and a slower temperature on a second axis, zoomed by a box
// into a tenth of it, with the readout of the sample under a pointer that hovers over the plot.
QWidget* MakeRecording()
{
    auto* trend = new ZRI::CTrendDisplay;
    trend->setMinimumSize(520, 200);
    trend->SetCapacity(1000000);
    const int pressure = trend->AddSeries(QStringLiteral("Pressure"), QColor(40, 90, 200));
    std::vector<QPointF> samples;
    samples.reserve(1000000);
    for (int i = 0; i < 1000000; ++i)
    {
        const double t = i * 0.001; // 1 kHz for 1000 s
        samples.emplace_back(t, 5 + 3 * std::sin(t / 40) + 0.4 * std::sin(t * 7.3) +
                                    (i % 250000 == 125000 ? 2.5 : 0.0));
    }
    trend->Append(pressure, samples);
    // The temperature, in another unit, on the right axis.
    const int temperature = trend->AddSeries(QStringLiteral("Temperature"), QColor(200, 110, 20));
    trend->SetSeriesOnRightAxis(temperature, true);
    for (int i = 0; i < 10000; ++i)
    {
        const double t = i * 0.1; // 10 Hz
        trend->Append(temperature, t, 40 + 25 * std::sin(t / 150) + 2 * std::sin(t / 9));
    }
    trend->SetRightAxisTitle(QStringLiteral("Temperature"), QStringLiteral("°C"));
    trend->SetRightValueRange(0, 100);
    trend->SetTimeWindow(1000);
    trend->SetGridVisible(true);
    trend->SetValueAxisTitle(QStringLiteral("Pressure"), QStringLiteral("bar"));
    trend->SetTimeAxisTitle(QStringLiteral("Time"), QStringLiteral("s"));
    trend->AddLevel(8.5, QStringLiteral("Limit"), QColor(200, 40, 40));
    trend->ZoomTo(100, 200, 0, 10);
    // Hover once it is laid out, as a user's pointer would.
    QTimer::singleShot(0, trend,
                       [trend]
                       {
                           const QPoint at = trend->PlotArea().center();
                           QMouseEvent move(QEvent::MouseMove, at, trend->mapToGlobal(at),
                                            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                           QCoreApplication::sendEvent(trend, &move);
                       });
    return trend;
}

// A worker thread that samples a synthetic signal (50 Hz with a 1.23 kHz ripple) at 50 kHz and
// feeds it to a trend in 10 ms batches, as an acquisition driver would. A child of the trend:
// the trend closes its feed first, then this stops and joins the worker.
class COscilloscopeWorker : public QObject
{
public:
    explicit COscilloscopeWorker(ZRI::CTrendDisplay& trend, bool fixed)
        : QObject(&trend), m_oFeeder(trend.Feeder())
    {
        m_oThread = std::thread([this, fixed] { _Run(fixed ? 20 : -1); });
        if (fixed)
            m_oThread.join();
    }
    ~COscilloscopeWorker() override
    {
        m_bStop = true;
        if (m_oThread.joinable())
            m_oThread.join();
    }

private:
    void _Run(long batches)
    {
        constexpr int kBatch = 500; // 10 ms at 50 kHz
        std::vector<double> times(kBatch), values(kBatch);
        const auto start = std::chrono::steady_clock::now();
        for (long b = 0; !m_bStop && b != batches; ++b)
        {
            if (batches < 0)
                std::this_thread::sleep_until(start + std::chrono::milliseconds(10 * b));
            for (int i = 0; i < kBatch; ++i)
            {
                const double t = double(b * kBatch + i) / 50000.0;
                times[std::size_t(i)] = t;
                values[std::size_t(i)] =
                    std::sin(2 * M_PI * 50 * t) + 0.25 * std::sin(2 * M_PI * 1230 * t);
            }
            m_oFeeder.Push(0, times.data(), values.data(), kBatch);
        }
    }

    ZRI::CTrendFeeder m_oFeeder;
    std::atomic<bool> m_bStop{false};
    std::thread m_oThread;
};

QWidget* MakeOscilloscope()
{
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* trend = new ZRI::CTrendDisplay;
    trend->setMinimumSize(520, 180);
    trend->AddSeries(QStringLiteral("Channel 1"), QColor(30, 150, 60));
    trend->SetTimeWindow(0.1);
    trend->SetValueRange(-1.5, 1.5);
    trend->SetCapacity(50000);
    trend->SetFeedOverload(ZRI::FeedDropOldest);
    auto* dropped = new QLabel(QStringLiteral("Dropped samples: 0"));
    QObject::connect(trend, &ZRI::CTrendDisplay::samplesDropped, dropped,
                     [dropped](int, qulonglong total)
                     { dropped->setText(QStringLiteral("Dropped samples: %1").arg(total)); });
    new COscilloscopeWorker(*trend, ZriGallery::IsScreenshotRun());
    column->addWidget(trend);
    column->addWidget(dropped);
    return box;
}

QWidget* MakeDisplayPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* share = MakeGauge(QStringLiteral("Band"), QStringLiteral("%"), 100);
    auto* mean = MakeGauge(QStringLiteral("Mean"), QString(), 255);
    auto* level = MakeGauge(QStringLiteral("Level"), QStringLiteral("%"), 100);
    level->SetLowAlarm(15);
    level->SetHighAlarm(85);
    level->SetShowExtremes(true);
    grid->addWidget(
        ZriGallery::Framed(QStringLiteral("CTrendDisplay, fed by a timer"), MakeTrend(*level)), 0,
        0, 1, 2);

    auto* histogram = new ZRI::CHistogramDisplay;
    histogram->setMinimumSize(420, 220);
    ZRI::SDataListMode mode;
    mode.m_oColor = Varo::Fenra::Color::CRGBColor<unsigned char>(40, 110, 200);
    mode.m_sLabel = "grey values";
    mode.m_eDisplayMode = ZRI::HistogramBars;
    const std::vector<double> counts = GreyCounts(MakeImage());
    histogram->AddDataList(mode, counts);
    histogram->SetLogScale(true);
    histogram->SetGridVisible(true);
    histogram->SetClassAxisTitle(QStringLiteral("Grey value"), QStringLiteral("DN"));
    histogram->SetValueAxisTitle(QStringLiteral("Pixels"));
    auto* band = new ZRI::CRangeSlider(Qt::Horizontal);
    ZRI::AlignToClassAxis(*band, *histogram); // values are class edges: 0 to 256
    // The span from start to end covers the classes start to end - 1.
    QObject::connect(band, &ZRI::CRangeSlider::RangeChanged, histogram,
                     [=](int start, int end)
                     {
                         histogram->SetShadedSpan(start, end - 1);
                         ShowBand(counts, start, end - 1, *share, *mean);
                     });
    band->SetValues(40, 111);
    auto* picked = new QWidget;
    auto* column = new QVBoxLayout(picked);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(histogram);
    column->addWidget(band);
    new CAlignUnderPlot(*histogram, *band);
    grid->addWidget(ZriGallery::Framed(QStringLiteral("CHistogramDisplay of an image, the band "
                                                      "picked with CRangeSlider"),
                                       picked),
                    1, 0);

    auto* ruler = new ZRI::CBarScalePercent;
    ruler->setFixedWidth(52);
    UseRowFonts(*ruler);
    auto* gauges = new QWidget;
    auto* row = new QHBoxLayout(gauges);
    for (QWidget* bar : {static_cast<QWidget*>(share), static_cast<QWidget*>(mean),
                         static_cast<QWidget*>(level), static_cast<QWidget*>(ruler)})
        row->addWidget(bar);
    grid->addWidget(ZriGallery::Framed(QStringLiteral("CBarGauge beside CBarScalePercent"), gauges),
                    1, 1);
    grid->addWidget(ZriGallery::Framed(QStringLiteral("CTrendDisplay as an oscilloscope, fed by a "
                                                      "worker thread at 50 kHz"),
                                       MakeOscilloscope()),
                    2, 0, 1, 2);
    grid->addWidget(ZriGallery::Framed(QStringLiteral("CTrendDisplay zoomed into a recording of a "
                                                      "million samples, with a readout"),
                                       MakeRecording()),
                    3, 0, 1, 2);
    return page;
}

} // namespace

ZRI_GALLERY_PAGE("07-displays", "Displays", MakeDisplayPage);
