// Data from acquisition threads onto a live trend, in real time: 8 series of 100,000 samples a
// second from 2 worker threads (4 series each, 1 ms batches), 2 s of data, shown 600 x 300 with
// a 10 s window. What the GUI thread spends (its own processor time) with the trend's feeders,
// against the glue applications write: a queued signal per batch into a plain widget that keeps
// the samples and draws a polyline of its window at 60 frames a second, and Qwt curves given
// the window under a mutex and replotted at 60 frames a second. Then how responsive the GUI
// thread stays under ten times the load: the longest gap between two ticks of a 16 ms timer.
#include "BenchSupport.h"

#include "TrendDisplay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <mutex>
#include <thread>
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
constexpr double kWindow = 10.0;
constexpr int kBatch = 100;    // samples a series and millisecond at 100 kHz
constexpr int kBatches = 2000; // 2 s

// Two workers, each feeding series worker, worker + 2, ... one batch a millisecond of real time
// (`load` times as many samples), through push(series, times, values, n).
void Produce(int load, const std::function<void(int, const double*, const double*, int)>& push)
{
    std::vector<std::thread> workers;
    for (int worker = 0; worker < 2; ++worker)
    {
        workers.emplace_back(
            [=, &push]
            {
                std::vector<double> times(std::size_t(kBatch * load)), values(times.size());
                const auto start = std::chrono::steady_clock::now();
                for (int b = 0; b < kBatches; ++b)
                {
                    std::this_thread::sleep_until(start + std::chrono::microseconds(1000 * b));
                    for (int series = worker; series < kSeries; series += 2)
                    {
                        for (std::size_t i = 0; i < times.size(); ++i)
                        {
                            times[i] = (b + double(i) / double(times.size())) * 1e-3;
                            values[i] = (series + 1) * std::sin(times[i] * 20.0);
                        }
                        push(series, times.data(), values.data(), int(times.size()));
                    }
                }
            });
    }
    for (std::thread& worker : workers)
        worker.join();
}

// Runs the GUI thread's event loop while the workers produce; its processor time, in seconds.
double GuiSeconds(const std::function<void()>& produce)
{
    QEventLoop loop;
    std::thread producer(
        [&]
        {
            produce();
            QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
        });
    const double start = ZriBench::ThreadSeconds();
    loop.exec();
    QApplication::processEvents();
    const double seconds = ZriBench::ThreadSeconds() - start;
    producer.join();
    return seconds;
}

void Show(QWidget& widget)
{
    widget.resize(kSize);
    widget.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// A shown trend of 8 series for a 10 s window of 100 kHz, and a feeder for each worker.
void SetUpFed(Zri::CTrendDisplay& trend, Zri::CTrendFeeder (&feeders)[2])
{
    trend.SetTimeWindow(kWindow);
    trend.SetCapacity(std::size_t(kWindow * kBatch * 1000));
    for (int series = 0; series < kSeries; ++series)
        trend.AddSeries(QString::number(series), QColor::fromHsv(series * 40, 255, 200));
    Show(trend);
    feeders[0] = trend.Feeder();
    feeders[1] = trend.Feeder();
}

double RunTrend()
{
    Zri::CTrendDisplay trend;
    Zri::CTrendFeeder feeders[2];
    SetUpFed(trend, feeders);
    return GuiSeconds(
        [&]
        {
            Produce(1, [&](int series, const double* t, const double* v, int n)
                    { feeders[series % 2].Push(series, t, v, std::size_t(n)); });
        });
}

// The usual glue: a queued call per batch carries the samples to the GUI thread, which keeps
// them in vectors and draws a polyline of the window every frame.
class CGlueWidget : public QWidget
{
public:
    std::vector<std::vector<QPointF>> m_vSamples{kSeries};

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        for (int series = 0; series < kSeries; ++series)
        {
            const auto& samples = m_vSamples[std::size_t(series)];
            if (samples.empty())
                continue;
            const double start = samples.back().x() - kWindow;
            std::vector<QPointF> points;
            for (auto it = std::lower_bound(samples.begin(), samples.end(), start,
                                            [](const QPointF&s, double t) { return s.x() < t; });
                 it != samples.end(); ++it)
                points.emplace_back((it->x() - start) / kWindow * width(),
                                    height() / 2.0 - it->y() * height() / 20.0);
            painter.setPen(QPen(QColor::fromHsv(series * 40, 255, 200), 0));
            painter.drawPolyline(points.data(), int(points.size()));
        }
    }
};

double RunGlue()
{
    CGlueWidget widget;
    Show(widget);
    QTimer frames;
    QObject::connect(&frames, &QTimer::timeout, &widget, [&] { widget.update(); });
    frames.start(16);
    return GuiSeconds(
        [&]
        {
            Produce(1,
                    [&](int series, const double* t, const double* v, int n)
                    {
                        std::vector<QPointF> batch(static_cast<std::size_t>(n));
                        for (int i = 0; i < n; ++i)
                            batch[std::size_t(i)] = {t[i], v[i]};
                        QMetaObject::invokeMethod(
                            &widget,
                            [&widget, series, batch = std::move(batch)]
                            {
                                auto& kept = widget.m_vSamples[std::size_t(series)];
                                kept.insert(kept.end(), batch.begin(), batch.end());
                            },
                            Qt::QueuedConnection);
                    });
        });
}

// The GUI thread's time with the trend's feeders over its time with the baseline.
void GuiTimeRatio(benchmark::State& state, double (*baseline)(), const char* label)
{
    double trend = 0.0, other = 0.0;
    for (auto _ : state)
    {
        trend += RunTrend();
        other += baseline();
    }
    state.counters["ratio"] = trend / other;
    state.counters["subject_ns"] = trend * 1e9 / double(state.iterations());
    state.SetLabel(label);
}

void BM_Feeding_VsQueuedSignals(benchmark::State& state)
{
    GuiTimeRatio(state, RunGlue, "vs:queued_signal_per_batch goal:0.1");
}
BENCHMARK(BM_Feeding_VsQueuedSignals)->Iterations(1)->UseRealTime();

#ifdef ZRI_BENCH_HAVE_QWT

double RunQwt()
{
    QwtPlot plot;
    auto* canvas = new QwtPlotCanvas;
    canvas->setPaintAttribute(QwtPlotCanvas::BackingStore, false);
    plot.setCanvas(canvas);
    plot.setAutoReplot(false);
    std::vector<QwtPlotCurve*> curves;
    for (int series = 0; series < kSeries; ++series)
    {
        auto* curve = new QwtPlotCurve;
        curve->setPaintAttribute(QwtPlotCurve::FilterPoints, true);
        curve->setPaintAttribute(QwtPlotCurve::ClipPolygons, true);
        curve->attach(&plot);
        curves.push_back(curve);
    }
    Show(plot);
    std::mutex mutex;
    std::vector<std::vector<QPointF>> samples(kSeries);
    QTimer frames;
    QObject::connect(
        &frames, &QTimer::timeout, &plot,
        [&]
        {
            {
                std::lock_guard<std::mutex> lock(mutex);
                for (int series = 0; series < kSeries; ++series)
                {
                    const auto& kept = samples[std::size_t(series)];
                    if (kept.empty())
                        continue;
                    const double start = kept.back().x() - kWindow;
                    const auto first =
                        std::lower_bound(kept.begin(), kept.end(), start,
                                         [](const QPointF& s, double t) { return s.x() < t; });
                    curves[std::size_t(series)]->setSamples(QVector<QPointF>(first, kept.end()));
                }
            }
            plot.replot();
        });
    frames.start(16);
    return GuiSeconds(
        [&]
        {
            Produce(1,
                    [&](int series, const double* t, const double* v, int n)
                    {
                        std::lock_guard<std::mutex> lock(mutex);
                        for (int i = 0; i < n; ++i)
                            samples[std::size_t(series)].emplace_back(t[i], v[i]);
                    });
        });
}

void BM_Feeding_VsQwtMutex(benchmark::State& state)
{
    GuiTimeRatio(state, RunQwt, "vs:QwtPlot_mutex_replot goal:0.05");
}
BENCHMARK(BM_Feeding_VsQwtMutex)->Iterations(1)->UseRealTime();

#endif

// The longest gap between two ticks of a 16 ms timer on the GUI thread while a fed trend is
// shown, with `load` times the samples.
double LongestTick(int load)
{
    Zri::CTrendDisplay trend;
    Zri::CTrendFeeder feeders[2];
    SetUpFed(trend, feeders);
    trend.SetFeedOverload(Zri::FeedDropOldest);
    QTimer ticks;
    QElapsedTimer since;
    qint64 longest = 0;
    QObject::connect(&ticks, &QTimer::timeout, &trend,
                     [&]
                     {
                         if (since.isValid())
                             longest = std::max(longest, since.nsecsElapsed());
                         since.start();
                     });
    ticks.start(16);
    GuiSeconds(
        [&]
        {
            Produce(load, [&](int series, const double* t, const double* v, int n)
                    { feeders[series % 2].Push(series, t, v, std::size_t(n)); });
        });
    return double(longest);
}

void BM_Feeding_TenfoldLoad_LongestTick(benchmark::State& state)
{
    double loaded = 0.0, idle = 0.0;
    for (auto _ : state)
    {
        loaded = std::max(loaded, LongestTick(10));
        idle = std::max(idle, LongestTick(0));
    }
    state.counters["ratio"] = loaded / idle;
    state.counters["subject_ns"] = loaded;
    state.SetLabel("vs:longest_tick_without_load goal:2");
}
BENCHMARK(BM_Feeding_TenfoldLoad_LongestTick)->Iterations(1)->UseRealTime();

} // namespace
