#include "BenchSupport.h"

#include <QPainter>

#include <time.h>

namespace ZriBench
{
namespace
{

QImage DeviceImage(const QWidget& widget, qreal devicePixelRatio)
{
    QImage image(widget.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void RenderLoop(benchmark::State& state, QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
    {
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void InterleavedRatio(benchmark::State& state, QWidget& subject, QWidget& baseline,
                      qreal devicePixelRatio)
{
    QImage subjectImage = DeviceImage(subject, devicePixelRatio);
    QImage baselineImage = DeviceImage(baseline, devicePixelRatio);
    const auto render = [](QWidget& widget, QImage& image)
    {
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    };
    InterleavedRatio(
        state, [&] { render(subject, subjectImage); }, [&] { render(baseline, baselineImage); });
}

void InterleavedRatio(benchmark::State& state, const std::function<void()>& subject,
                      const std::function<void()>& baseline, int stepsPerTurn)
{
    double subjectTime = 0.0, baselineTime = 0.0;
    // A few steps per clock reading keep the clock's own cost out of the ratio.
    const auto timed = [stepsPerTurn](const std::function<void()>& step, double& total)
    {
        const double start = ThreadSeconds();
        for (int i = 0; i < stepsPerTurn; ++i)
            step();
        total += ThreadSeconds() - start;
    };
    // One untimed step of each first: what a widget builds once on its first paint (a trend's
    // reduction at a new device pixel ratio, glyphs, ...) is not a repaint's cost.
    subject();
    baseline();
    bool subjectFirst = true;
    for (auto _ : state)
    {
        if (subjectFirst)
            timed(subject, subjectTime);
        timed(baseline, baselineTime);
        if (!subjectFirst)
            timed(subject, subjectTime);
        subjectFirst = !subjectFirst;
    }
    if (baselineTime > 0.0)
        state.counters["ratio"] = subjectTime / baselineTime;
    // The subject's processor time per render, for the report.
    if (state.iterations() > 0)
        state.counters["subject_ns"] =
            subjectTime * 1e9 / double(state.iterations() * stepsPerTurn);
}

} // namespace ZriBench
