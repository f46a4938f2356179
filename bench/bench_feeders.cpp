// What a producer thread pays per sample it pushes into a trend feeder, against appending the
// same two doubles to a std::vector<double> (capacity reserved, as a worker's own buffer would
// be). Both run in alternate turns of 4096 samples in one benchmark, timed by the thread's
// processor time; between turns, untimed, the feeder's queue is drained as a GUI frame would
// drain it and the vector is cleared. Built against the library's static twin, which the feeder
// needs for its hub until a display hands feeders out.
#include <benchmark/benchmark.h>

#include "FeedHub.h"
#include "TrendFeeder.h"

#include <memory>
#include <vector>

#include <time.h>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

constexpr int kTurn = 4096;

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Arg 1: single pushes; arg N > 1: batches of N samples.
void BM_Feeder_VsVectorPushBack(benchmark::State& state)
{
    const auto batch = static_cast<std::size_t>(state.range(0));
    auto hub = std::make_shared<Zri::Detail::CTrendFeedHub>();
    hub->AddSeries();
    Zri::CTrendFeeder feeder(hub);
    std::vector<double> vector;
    vector.reserve(2 * kTurn);
    std::vector<double> times(kTurn), values(kTurn);
    double time = 0.0;
    const auto sink = [](int, const double* t, const double*, std::size_t n, std::uint64_t)
    { benchmark::DoNotOptimize(t + n); };

    double feederTime = 0.0, vectorTime = 0.0;
    bool feederFirst = true;
    const auto feed = [&]
    {
        for (int i = 0; i < kTurn; ++i)
            times[i] = time + i, values[i] = 0.5 * i;
        const double start = ThreadSeconds();
        if (batch == 1)
        {
            for (int i = 0; i < kTurn; ++i)
                benchmark::DoNotOptimize(feeder.Push(0, times[i], values[i]));
        }
        else
        {
            for (std::size_t i = 0; i < kTurn; i += batch)
                benchmark::DoNotOptimize(feeder.Push(0, &times[i], &values[i], batch));
        }
        feederTime += ThreadSeconds() - start;
        time += kTurn;
        hub->Drain(sink);
    };
    const auto append = [&]
    {
        const double start = ThreadSeconds();
        for (int i = 0; i < kTurn; ++i)
        {
            vector.push_back(times[i]);
            vector.push_back(values[i]);
        }
        benchmark::ClobberMemory();
        vectorTime += ThreadSeconds() - start;
        vector.clear();
    };
    feed(), append(), feederTime = vectorTime = 0.0;
    for (auto _ : state)
    {
        if (feederFirst)
            feed();
        append();
        if (!feederFirst)
            feed();
        feederFirst = !feederFirst;
    }
    state.counters["ratio"] = feederTime / vectorTime;
    state.counters["subject_ns"] = feederTime * 1e9 / double(state.iterations() * kTurn);
    state.counters["vector_ns"] = vectorTime * 1e9 / double(state.iterations() * kTurn);
    state.SetLabel("vs:vector<double>::push_back(x2) goal:3");
}
BENCHMARK(BM_Feeder_VsVectorPushBack)->Arg(1)->Arg(64);

} // namespace

BENCHMARK_MAIN();
