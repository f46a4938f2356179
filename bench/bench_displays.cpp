// The trend and the histogram, 600 x 300, against what an application would otherwise do (a
// plain QPainter::drawPolyline of every sample) and against Qwt's curve and histogram when Qwt
// is there, each pair rendered in alternate turns of one run. A render of the trend draws the
// reduction it keeps between paints; the "Recomputed" rows make it afresh every time.
#include "BenchSupport.h"

#include "HistogramDisplay.h"
#include "TrendDisplay.h"

#include <QApplication>
#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#ifdef ZRI_BENCH_HAVE_QWT
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_histogram.h>
#endif

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

const QSize kSize(600, 300);

std::vector<QPointF> RandomWalk(int samples)
{
    QRandomGenerator random(42);
    std::vector<QPointF> walk;
    walk.reserve(static_cast<std::size_t>(samples));
    double value = 0.0;
    for (int i = 0; i < samples; ++i)
    {
        value += random.generateDouble() - 0.5;
        walk.emplace_back(i, value);
    }
    return walk;
}

std::unique_ptr<Zri::CTrendDisplay> Trend(const std::vector<QPointF>& samples)
{
    auto trend = std::make_unique<Zri::CTrendDisplay>();
    trend->resize(kSize);
    trend->SetCapacity(samples.size());
    trend->SetTimeWindow(double(samples.size()));
    trend->Append(trend->AddSeries(QStringLiteral("walk"), QColor(0, 120, 200)), samples);
    return trend;
}

// A whole render of a widget as a repaint makes it; for the trend: axes, labels and every column
// of the kept reduction.
std::function<void()> Render(QWidget& widget, QImage& image)
{
    return [&widget, &image]()
    {
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    };
}

// The same with the reduction made afresh (the first paint after new data or a resize): the
// window width changes by one part in 10^12 before every render.
std::function<void()> Recomputed(Zri::CTrendDisplay& trend, QImage& image)
{
    return [&trend, &image, toggle = false]() mutable
    {
        const double window = trend.TimeWindow();
        trend.SetTimeWindow(toggle ? window * (1.0 + 1e-12) : window / (1.0 + 1e-12));
        toggle = !toggle;
        trend.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    };
}

QImage Image(qreal dpr)
{
    QImage image(kSize * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    return image;
}

// The samples from first on, count of them, through one polyline scaled into the image.
void DrawPolyline(const QPointF* first, int count, QImage& image)
{
    double low = first->y(), high = low;
    for (const QPointF* sample = first; sample != first + count; ++sample)
    {
        low = std::min(low, sample->y());
        high = std::max(high, sample->y());
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0, 120, 200), 0));
    painter.setWindow(int(first->x()), 0, count, 1000);
    painter.scale(1.0, 1000.0 / std::max(high - low, 1e-9));
    painter.translate(0.0, -low);
    painter.drawPolyline(first, count);
}

// Every sample through one polyline, scaled into the same rectangle.
std::function<void()> PlainPolyline(const std::vector<QPointF>& samples, QImage& image)
{
    return [&samples, &image]() { DrawPolyline(samples.data(), int(samples.size()), image); };
}

void BM_Trend_VsPolyline(benchmark::State& state)
{
    const auto samples = RandomWalk(int(state.range(0)));
    auto trend = Trend(samples);
    QImage trendImage = Image(1.0), plainImage = Image(1.0);
    ZriBench::InterleavedRatio(state, Render(*trend, trendImage),
                               PlainPolyline(samples, plainImage));
    state.SetLabel(state.range(0) >= 1000000  ? "vs:drawPolyline goal:0.05"
                   : state.range(0) >= 100000 ? "vs:drawPolyline goal:0.1"
                                              : "vs:drawPolyline");
}
BENCHMARK(BM_Trend_VsPolyline)->Arg(10000)->Arg(100000)->Arg(1000000)->MinTime(0.5);

// The reduction made for every render, against the same polyline.
void BM_Trend_Recomputed_VsPolyline(benchmark::State& state)
{
    const auto samples = RandomWalk(int(state.range(0)));
    auto trend = Trend(samples);
    QImage trendImage = Image(1.0), plainImage = Image(1.0);
    ZriBench::InterleavedRatio(state, Recomputed(*trend, trendImage),
                               PlainPolyline(samples, plainImage));
    state.SetLabel("vs:drawPolyline");
}
BENCHMARK(BM_Trend_Recomputed_VsPolyline)->Arg(100000)->Arg(1000000)->MinTime(0.5);

// A million samples against ten thousand, and ratio 2 against ratio 1 (a million samples).
void BM_Trend_Million_Vs_TenThousand(benchmark::State& state)
{
    auto million = Trend(RandomWalk(1000000));
    auto small = Trend(RandomWalk(10000));
    QImage millionImage = Image(1.0), smallImage = Image(1.0);
    ZriBench::InterleavedRatio(state, Render(*million, millionImage), Render(*small, smallImage));
    state.SetLabel("vs:trend(10000) goal:2");
}
BENCHMARK(BM_Trend_Million_Vs_TenThousand)->MinTime(0.5);

// Ratio 2 against ratio 1 (a million samples), over the same for a widget that only fills its
// background: four times the pixels cost more than four times the time once the picture
// outgrows the processor's cache, which no widget that fills its area escapes; the trend should
// grow no faster than that floor.
void BM_Trend_Ratio2_OverBackgroundRatio2(benchmark::State& state)
{
    const auto samples = RandomWalk(1000000);
    auto sharp = Trend(samples);
    auto plain = Trend(samples);
    QWidget sharpBackground, plainBackground;
    for (QWidget* widget : {&sharpBackground, &plainBackground})
    {
        widget->resize(kSize);
        widget->setAutoFillBackground(true);
    }
    QImage images[] = {Image(2.0), Image(1.0), Image(2.0), Image(1.0)};
    const std::function<void()> steps[] = {Render(*sharp, images[0]), Render(*plain, images[1]),
                                           Render(sharpBackground, images[2]),
                                           Render(plainBackground, images[3])};
    double seconds[4] = {};
    for (const auto& step : steps)
        step(); // the reduction at each ratio is made once, untimed
    for (auto _ : state)
    {
        for (int i = 0; i < 4; ++i)
        {
            const double start = ZriBench::ThreadSeconds();
            for (int turn = 0; turn < 8; ++turn)
                steps[i]();
            seconds[i] += ZriBench::ThreadSeconds() - start;
        }
    }
    state.counters["trend_ratio"] = seconds[0] / seconds[1];
    state.counters["background_ratio"] = seconds[2] / seconds[3];
    state.counters["ratio"] = (seconds[0] / seconds[1]) / (seconds[2] / seconds[3]);
    state.counters["subject_ns"] = seconds[0] * 1e9 / double(state.iterations() * 8);
    state.SetLabel("vs:background_ratio2_over_ratio1 goal:1");
}
BENCHMARK(BM_Trend_Ratio2_OverBackgroundRatio2)->MinTime(0.5);

std::unique_ptr<Zri::CHistogramDisplay> Histogram(int classes)
{
    auto histogram = std::make_unique<Zri::CHistogramDisplay>();
    histogram->resize(kSize);
    QRandomGenerator random(7);
    std::vector<double> counts(static_cast<std::size_t>(classes));
    for (double& count : counts)
        count = random.bounded(10000);
    Zri::SDataListMode mode;
    mode.m_oColor = Varo::Fenra::Color::CRGBColor<unsigned char>(40, 90, 200);
    histogram->AddDataList(mode, counts);
    return histogram;
}

void BM_Histogram_65536_Vs_256(benchmark::State& state)
{
    auto wide = Histogram(65536);
    auto narrow = Histogram(256);
    ZriBench::InterleavedRatio(state, *wide, *narrow);
    state.SetLabel("vs:histogram(256) goal:1.5");
}
BENCHMARK(BM_Histogram_65536_Vs_256)->MinTime(0.5);

// Zooming into a long recording: a trend of 10,000,000 samples (times 0 to 10^7 - 1) zoomed by
// ZoomTo, as a box zoom does, to a share of its history (per mille: 10, 100, 1000), then
// rendered. Two views of that width take turns, the second a millionth narrower, so every render
// shows a new view and makes its reduction afresh from the trend's summaries. The baseline draws
// the samples of the view through one polyline.
constexpr int kLong = 10000000;

const std::vector<QPointF>& LongWalk()
{
    static const std::vector<QPointF> walk = RandomWalk(kLong);
    return walk;
}

// The view of the given share in turn `second`: its first and last time.
std::pair<double, double> ZoomView(double share, bool second)
{
    const double width = share * (kLong - 1) * (second ? 1.0 - 1e-6 : 1.0);
    const double start = 0.5 * (kLong - 1 - share * (kLong - 1));
    return {start, start + width};
}

std::function<void()> ZoomedTrend(Zri::CTrendDisplay& trend, double share, QImage& image)
{
    return [&trend, share, &image, second = false]() mutable
    {
        const auto view = ZoomView(share, second);
        second = !second;
        trend.ZoomTo(view.first, view.second, -2000.0, 2000.0);
        trend.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    };
}

std::function<void()> ZoomedPolyline(double share, QImage& image)
{
    return [share, &image, second = false]() mutable
    {
        const auto view = ZoomView(share, second);
        second = !second;
        const int first = int(std::ceil(view.first));
        DrawPolyline(LongWalk().data() + first, int(std::floor(view.second)) - first + 1, image);
    };
}

void BM_TrendZoom_VsPolyline(benchmark::State& state)
{
    const double share = state.range(0) / 1000.0;
    auto trend = Trend(LongWalk());
    QImage trendImage = Image(1.0), plainImage = Image(1.0);
    ZriBench::InterleavedRatio(state, ZoomedTrend(*trend, share, trendImage),
                               ZoomedPolyline(share, plainImage), 2);
    state.SetLabel(share >= 0.1 ? "vs:drawPolyline(view) goal:0.05" : "vs:drawPolyline(view)");
}
BENCHMARK(BM_TrendZoom_VsPolyline)->Arg(10)->Arg(100)->Arg(1000)->MinTime(1.0);

// The readout under the pointer of that trend: a mouse move to alternate columns, which looks
// up the nearest sample of the time under the pointer and tells the readout, against one
// std::lower_bound of the same time over the samples' times.
void BM_TrendReadout_VsLowerBound(benchmark::State& state)
{
    auto trend = Trend(LongWalk());
    QImage first = Image(1.0);
    trend->render(&first); // lays the plot out
    const QRect plot = trend->PlotArea();
    std::vector<double> times(LongWalk().size());
    std::transform(LongWalk().begin(), LongWalk().end(), times.begin(),
                   [](const QPointF& sample) { return sample.x(); });
    int column = 0;
    const auto next = [&column, &plot]()
    {
        column = (column + 97) % plot.width();
        return plot.left() + column;
    };
    ZriBench::InterleavedRatio(
        state,
        [&]()
        {
            const QPointF at(next(), plot.center().y());
            QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(trend.get(), &move);
        },
        [&]()
        {
            const double time = (next() - plot.left() + 0.5) * (kLong / double(plot.width()));
            benchmark::DoNotOptimize(std::lower_bound(times.begin(), times.end(), time));
        },
        64);
    state.SetLabel("vs:std::lower_bound(whole_mouse_move)");
}
BENCHMARK(BM_TrendReadout_VsLowerBound)->MinTime(0.5);

// SVG of a trend of 1,000,000 samples (RenderTo into a QSvgGenerator, 600 x 300) against the
// SVG of a 600-point polyline: time per picture, and the files' sizes (size_ratio, the goal).
// The trend writes its reduction, a path through each column's range, not the samples.
QByteArray Svg(const std::function<void(QPainter&, QSvgGenerator&)>& draw)
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(kSize);
    svg.setViewBox(QRect(QPoint(0, 0), kSize));
    QPainter painter(&svg);
    draw(painter, svg);
    painter.end();
    return buffer.data();
}

void BM_TrendSvg_VsPolylineSvg(benchmark::State& state)
{
    auto trend = Trend(RandomWalk(1000000));
    const auto trendSvg = [&trend](QPainter& painter, QSvgGenerator&)
    { trend->RenderTo(painter, QRectF(QPointF(0, 0), kSize)); };
    const auto walk = RandomWalk(600);
    const auto lineSvg = [&walk](QPainter& painter, QSvgGenerator&)
    {
        painter.scale(1.0, 10.0);
        painter.drawPolyline(walk.data(), int(walk.size()));
    };
    const qint64 trendBytes = Svg(trendSvg).size(), lineBytes = Svg(lineSvg).size();
    ZriBench::InterleavedRatio(
        state, [&] { benchmark::DoNotOptimize(Svg(trendSvg).size()); },
        [&] { benchmark::DoNotOptimize(Svg(lineSvg).size()); });
    state.counters["svg_bytes"] = double(trendBytes);
    state.counters["size_ratio"] = double(trendBytes) / double(lineBytes);
    state.SetLabel("vs:svg(polyline600) goal:size_ratio<=4");
}
BENCHMARK(BM_TrendSvg_VsPolylineSvg)->MinTime(0.5);

#ifdef ZRI_BENCH_HAVE_QWT

// Qwt's plot with its fastest settings: points filtered, polygons clipped, no backing store.
std::unique_ptr<QwtPlot> QwtFrame()
{
    auto plot = std::make_unique<QwtPlot>();
    plot->resize(kSize);
    auto* canvas = new QwtPlotCanvas;
    canvas->setPaintAttribute(QwtPlotCanvas::BackingStore, false);
    plot->setCanvas(canvas);
    plot->setAutoReplot(false);
    return plot;
}

// One curve of the samples, with its fastest paint attributes.
std::unique_ptr<QwtPlot> QwtCurvePlot(const std::vector<QPointF>& samples)
{
    auto plot = QwtFrame();
    auto* curve = new QwtPlotCurve;
    curve->setPaintAttribute(QwtPlotCurve::FilterPoints, true);
    curve->setPaintAttribute(QwtPlotCurve::ClipPolygons, true);
    curve->setRenderHint(QwtPlotItem::RenderAntialiased, false);
    curve->setSamples(QVector<QPointF>(samples.begin(), samples.end()));
    curve->attach(plot.get());
    plot->replot();
    return plot;
}

void BM_Trend_VsQwtCurve(benchmark::State& state)
{
    const auto samples = RandomWalk(int(state.range(0)));
    auto trend = Trend(samples);
    auto plot = QwtCurvePlot(samples);
    QImage trendImage = Image(1.0), qwtImage = Image(1.0);
    ZriBench::InterleavedRatio(state, Render(*trend, trendImage), Render(*plot, qwtImage));
    state.SetLabel("vs:QwtPlotCurve goal:0.25");
}
BENCHMARK(BM_Trend_VsQwtCurve)->Arg(100000)->Arg(1000000)->MinTime(0.5);

// Qwt's curve of a million samples, ratio 2 against ratio 1.
void BM_QwtCurve_Ratio2_Vs_Ratio1(benchmark::State& state)
{
    const auto samples = RandomWalk(1000000);
    auto plot = QwtCurvePlot(samples);
    QImage sharpImage = Image(2.0), plainImage = Image(1.0);
    ZriBench::InterleavedRatio(state, Render(*plot, sharpImage), Render(*plot, plainImage));
    state.SetLabel("vs:QwtPlotCurve(ratio_1)");
}
BENCHMARK(BM_QwtCurve_Ratio2_Vs_Ratio1)->MinTime(0.5);

// The same zoom with Qwt, as its zoomer does it: the bottom axis' scale set, the plot replotted
// and rendered.
void BM_TrendZoom_VsQwt(benchmark::State& state)
{
    const double share = state.range(0) / 1000.0;
    auto trend = Trend(LongWalk());
    auto plot = QwtCurvePlot(LongWalk());
    QImage trendImage = Image(1.0), qwtImage = Image(1.0);
    ZriBench::InterleavedRatio(
        state, ZoomedTrend(*trend, share, trendImage),
        [&plot, &qwtImage, share, second = false]() mutable
        {
            const auto view = ZoomView(share, second);
            second = !second;
            plot->setAxisScale(QwtPlot::xBottom, view.first, view.second);
            plot->setAxisScale(QwtPlot::yLeft, -2000.0, 2000.0);
            plot->replot();
            plot->render(&qwtImage);
            benchmark::DoNotOptimize(qwtImage.constBits());
        },
        1);
    state.SetLabel("vs:QwtPlotCurve(zoomed) goal:0.02");
}
BENCHMARK(BM_TrendZoom_VsQwt)->Arg(10)->Arg(100)->Arg(1000)->Iterations(6);

void BM_Histogram_VsQwtHistogram(benchmark::State& state)
{
    auto histogram = Histogram(65536);
    auto plot = QwtFrame();
    QVector<QwtIntervalSample> samples;
    const std::vector<double>& counts = histogram->Counts(0);
    samples.reserve(int(counts.size()));
    for (std::size_t i = 0; i < counts.size(); ++i)
        samples.append(QwtIntervalSample(counts[i], double(i), double(i + 1)));
    auto* bars = new QwtPlotHistogram;
    bars->setSamples(samples);
    bars->attach(plot.get());
    plot->replot();
    ZriBench::InterleavedRatio(state, *histogram, *plot);
    state.SetLabel("vs:QwtPlotHistogram goal:0.25");
}
BENCHMARK(BM_Histogram_VsQwtHistogram)->MinTime(0.5);

#endif

} // namespace
