// The trend on a live screen as measurement programs have it: 8 series of 10,000 samples a
// second arriving in 10 ms batches, one turn of the event loop per 1/60 s frame, 2 s of data,
// shown 600 x 300 with a 10 s window. Against the glue an application would write (a plain
// widget that keeps the samples in vectors and draws a polyline of its window every frame) and
// against Qwt (8 curves given the window and replotted every frame); then the cost of one
// append, of a batch, of a frame, and of device pixel ratio 2.
#include "BenchSupport.h"

#include "TrendDisplay.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#ifdef ZRI_BENCH_HAVE_QWT
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#endif

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

const QSize kSize(600, 300);
constexpr int kSeries = 8;
constexpr int kRate = 10000;     // samples a second and series
constexpr int kPerBatch = 100;   // 10 ms of them
constexpr int kBatches = 200;    // 2 s
constexpr double kWindow = 10.0; // seconds shown

double Signal(int series, int i)
{
    return (series + 1) * std::sin(i * 0.002 * (series + 1));
}

// Delivers the 2 s of data batch by batch to batch(series, times, values) and runs frame() at
// every 1/60 s of it.
template <typename FBatch, typename FFrame> void Live(FBatch batch, FFrame frame)
{
    std::vector<double> times(kPerBatch), values(kPerBatch);
    int frames = 0;
    for (int b = 0; b < kBatches; ++b)
    {
        for (int series = 0; series < kSeries; ++series)
        {
            for (int i = 0; i < kPerBatch; ++i)
            {
                const int sample = b * kPerBatch + i;
                times[std::size_t(i)] = double(sample) / kRate;
                values[std::size_t(i)] = Signal(series, sample);
            }
            batch(series, times, values);
        }
        for (const double end = (b + 1) * kPerBatch / double(kRate); (frames + 1) / 60.0 <= end;)
        {
            ++frames;
            frame();
        }
    }
}

void Show(QWidget& widget)
{
    widget.resize(kSize);
    widget.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

std::unique_ptr<Zri::CTrendDisplay> LiveTrend()
{
    auto trend = std::make_unique<Zri::CTrendDisplay>();
    trend->SetTimeWindow(kWindow);
    trend->SetCapacity(std::size_t(kWindow * kRate));
    for (int series = 0; series < kSeries; ++series)
        trend->AddSeries(QString::number(series), QColor::fromHsv(series * 40, 255, 200));
    return trend;
}

// The application's own glue: the samples in vectors, a polyline of the window every frame.
class CPlainLive : public QWidget
{
public:
    std::vector<std::vector<double>> m_vTimes{kSeries}, m_vValues{kSeries};

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const double end = m_vTimes[0].empty() ? 0.0 : m_vTimes[0].back();
        const double start = std::max(0.0, end - kWindow);
        std::vector<QPointF> points;
        for (int series = 0; series < kSeries; ++series)
        {
            const auto& times = m_vTimes[std::size_t(series)];
            const auto& values = m_vValues[std::size_t(series)];
            points.clear();
            for (auto i = std::size_t(std::lower_bound(times.begin(), times.end(), start) -
                                      times.begin());
                 i < times.size(); ++i)
            {
                points.emplace_back((times[i] - start) / kWindow * width(),
                                    height() / 2.0 - values[i] * height() / 20.0);
            }
            painter.setPen(QPen(QColor::fromHsv(series * 40, 255, 200), 0));
            painter.drawPolyline(points.data(), int(points.size()));
        }
    }
};

void RunTrend()
{
    auto trend = LiveTrend();
    Show(*trend);
    std::vector<QPointF> batch(kPerBatch);
    Live(
        [&](int series, const std::vector<double>& times, const std::vector<double>& values)
        {
            for (int i = 0; i < kPerBatch; ++i)
                batch[std::size_t(i)] = {times[std::size_t(i)], values[std::size_t(i)]};
            trend->Append(series, batch);
        },
        [] { QApplication::processEvents(); });
}

void RunPlain()
{
    CPlainLive plain;
    Show(plain);
    Live(
        [&](int series, const std::vector<double>& times, const std::vector<double>& values)
        {
            auto& kept = plain.m_vTimes[std::size_t(series)];
            kept.insert(kept.end(), times.begin(), times.end());
            auto& keptValues = plain.m_vValues[std::size_t(series)];
            keptValues.insert(keptValues.end(), values.begin(), values.end());
        },
        [&]
        {
            plain.update();
            QApplication::processEvents();
        });
}

void BM_TrendLive_VsPlainWidget(benchmark::State& state)
{
    ZriBench::InterleavedRatio(state, RunTrend, RunPlain, 1);
    state.SetLabel("vs:plain_widget_polyline goal:0.05");
}
BENCHMARK(BM_TrendLive_VsPlainWidget)->Iterations(2);

// The pixel floor of a live screen: a widget that only draws one kept 600 x 300 picture per
// frame, fed nothing. What a frame of any widget costs that repaints its whole plot 60 times a
// second.
class CPictureOnly : public QWidget
{
public:
    QImage m_oPicture = QImage(kSize, QImage::Format_ARGB32_Premultiplied);

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_oPicture); }
};

void RunPictureOnly()
{
    CPictureOnly floor;
    floor.m_oPicture.fill(Qt::white);
    Show(floor);
    Live([](int, const std::vector<double>&, const std::vector<double>&) {},
         [&]
         {
             floor.update();
             QApplication::processEvents();
         });
}

void BM_TrendLive_OverPictureFloor(benchmark::State& state)
{
    ZriBench::InterleavedRatio(state, RunTrend, RunPictureOnly, 1);
    state.SetLabel("vs:picture_per_frame");
}
BENCHMARK(BM_TrendLive_OverPictureFloor)->Iterations(2);

#ifdef ZRI_BENCH_HAVE_QWT

void RunQwt()
{
    QwtPlot plot;
    auto* canvas = new QwtPlotCanvas;
    canvas->setPaintAttribute(QwtPlotCanvas::BackingStore, false);
    plot.setCanvas(canvas);
    plot.setAutoReplot(false);
    std::vector<QwtPlotCurve*> curves;
    std::vector<std::vector<QPointF>> kept(kSeries);
    for (int series = 0; series < kSeries; ++series)
    {
        auto* curve = new QwtPlotCurve;
        curve->setPaintAttribute(QwtPlotCurve::FilterPoints, true);
        curve->setPaintAttribute(QwtPlotCurve::ClipPolygons, true);
        curve->setPen(QColor::fromHsv(series * 40, 255, 200), 0);
        curve->attach(&plot);
        curves.push_back(curve);
    }
    Show(plot);
    Live(
        [&](int series, const std::vector<double>& times, const std::vector<double>& values)
        {
            for (int i = 0; i < kPerBatch; ++i)
                kept[std::size_t(series)].emplace_back(times[std::size_t(i)],
                                                       values[std::size_t(i)]);
        },
        [&]
        {
            for (int series = 0; series < kSeries; ++series)
            {
                const auto& samples = kept[std::size_t(series)];
                const double start = samples.back().x() - kWindow;
                const auto first = std::lower_bound(samples.begin(), samples.end(), start,
                                                    [](const QPointF& sample, double time)
                                                    { return sample.x() < time; });
                curves[std::size_t(series)]->setSamples(QVector<QPointF>(first, samples.end()));
            }
            plot.replot();
            QApplication::processEvents();
        });
}

void BM_TrendLive_VsQwt(benchmark::State& state)
{
    ZriBench::InterleavedRatio(state, RunTrend, RunQwt, 1);
    state.SetLabel("vs:QwtPlot_8_curves goal:0.02");
}
BENCHMARK(BM_TrendLive_VsQwt)->Iterations(2);

#endif

// Ingest: appends to a shown, following trend between two frames, against pushing the time and
// the value into two vectors; the frames themselves are not counted.
void BM_Trend_AppendOne_VsPushBack(benchmark::State& state)
{
    auto trend = LiveTrend();
    Show(*trend);
    std::vector<double> times, values;
    times.reserve(1 << 20);
    values.reserve(1 << 20);
    double time = 0.0;
    constexpr int kAppends = 10000;
    ZriBench::InterleavedRatio(
        state,
        [&]
        {
            for (int i = 0; i < kAppends; ++i, time += 1e-4)
                trend->Append(0, time, 1.0);
            benchmark::ClobberMemory();
        },
        [&]
        {
            if (times.size() > (1 << 19))
            {
                times.clear();
                values.clear();
            }
            for (int i = 0; i < kAppends; ++i)
            {
                times.push_back(i * 1e-4);
                values.push_back(1.0);
            }
            benchmark::ClobberMemory();
        },
        1);
    state.SetLabel("vs:vector_push_back goal:30");
}
BENCHMARK(BM_Trend_AppendOne_VsPushBack)->MinTime(0.5);

void BM_Trend_AppendBatch_VsInsert(benchmark::State& state)
{
    auto trend = LiveTrend();
    Show(*trend);
    std::vector<QPointF> batch(1000), kept;
    kept.reserve(1 << 20);
    double time = 0.0;
    ZriBench::InterleavedRatio(
        state,
        [&]
        {
            for (QPointF& sample : batch)
                sample = {time += 1e-4, 1.0};
            trend->Append(0, batch);
        },
        [&]
        {
            if (kept.size() > (1 << 19))
                kept.clear();
            for (QPointF& sample : batch)
                sample = {time += 1e-4, 1.0};
            kept.insert(kept.end(), batch.begin(), batch.end());
            benchmark::ClobberMemory();
        });
    state.SetLabel("vs:vector_insert goal:4");
}
BENCHMARK(BM_Trend_AppendBatch_VsInsert)->MinTime(0.5);

// One frame of the live, following trend (a frame's worth of new samples in every series, then
// the turns of the event loop that show them), against a whole paint of the same picture held
// still (what render() draws: everything afresh from the kept reduction).
void BM_Trend_Frame_VsStill(benchmark::State& state)
{
    auto live = LiveTrend();
    auto still = LiveTrend();
    Show(*live);
    Show(*still);
    std::vector<QPointF> batch(kRate / 60);
    double time = 0.0;
    const auto feed = [&](Zri::CTrendDisplay& trend)
    {
        for (int series = 0; series < kSeries; ++series)
        {
            for (QPointF& sample : batch)
                sample = {time + (&sample - batch.data()) / double(kRate), Signal(series, 0)};
            trend.Append(series, batch);
        }
        time += batch.size() / double(kRate);
    };
    while (time < 2.0 * kWindow)
        feed(*live);
    still->SetTimeWindow(kWindow);
    for (int series = 0; series < kSeries; ++series)
        for (std::size_t i = 0; i < live->SampleCount(series); ++i)
            still->Append(series, live->Sample(series, i).x(), live->Sample(series, i).y());
    QApplication::processEvents();
    QImage picture(kSize, QImage::Format_ARGB32_Premultiplied);
    ZriBench::InterleavedRatio(
        state,
        [&]
        {
            feed(*live);
            QApplication::processEvents();
            QApplication::processEvents();
        },
        [&]
        {
            still->render(&picture);
            benchmark::DoNotOptimize(picture.constBits());
        });
    state.SetLabel("vs:full_paint_still goal:1.2");
}
BENCHMARK(BM_Trend_Frame_VsStill)->MinTime(0.5);

} // namespace
