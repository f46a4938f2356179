// The media button with a steady lamp against a QPushButton of the same size (its plain timing
// is BM_QPushButton_60x40). One benchmark renders both alternately and reports their ratio.
#include "BenchSupport.h"

#include "MediaButton.h"

#include <QPushButton>

#include <chrono>

using Varo::FenraQtGui::ZuRaradirIzurodudoz::CMediaButton;

namespace
{

void SetUpMedia(CMediaButton& button)
{
    button.resize(60, 40);
    button.SetMode(CMediaButton::Play);
    button.SetOnOffMode(CMediaButton::Steady);
    button.SetOn(true);
}

void BM_MediaButtonSteadyLamp_60x40(benchmark::State& state)
{
    CMediaButton button;
    SetUpMedia(button);
    ZriBench::RenderLoop(state, button);
}
BENCHMARK(BM_MediaButtonSteadyLamp_60x40);

// Counter "ratio": media button time over QPushButton time, goal at most 1.5.
void BM_MediaButtonVsQPushButton_Ratio(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    CMediaButton media;
    SetUpMedia(media);
    QPushButton plain(QStringLiteral("OK"));
    plain.resize(60, 40);
    QImage image(media.size(), QImage::Format_ARGB32_Premultiplied);
    Clock::duration mediaTime{}, plainTime{};
    for (auto _ : state)
    {
        const auto t0 = Clock::now();
        media.render(&image);
        const auto t1 = Clock::now();
        plain.render(&image);
        const auto t2 = Clock::now();
        benchmark::DoNotOptimize(image.constBits());
        mediaTime += t1 - t0;
        plainTime += t2 - t1;
    }
    if (plainTime.count() > 0)
        state.counters["ratio"] = double(mediaTime.count()) / double(plainTime.count());
}
BENCHMARK(BM_MediaButtonVsQPushButton_Ratio);

} // namespace
