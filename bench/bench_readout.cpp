// The readout's lookup: the sample a trend's readout starts from for the time under the
// pointer, found in a ring of 10,000,000 samples that has wrapped (as a long recording's ring
// has), against one std::lower_bound of the same time over a std::vector of the times. Both
// look up the times of 600 pointer columns in turn. Built against the library's static twin,
// which reaches the ring.
#include "BenchSupport.h"

#include "TrendData.h"

#include <algorithm>
#include <vector>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

constexpr std::size_t kSamples = 10000000;
constexpr int kColumns = 600;

void BM_ReadoutLookup_VsLowerBound(benchmark::State& state)
{
    Zri::Detail::CSampleRing ring;
    ring.SetCapacity(kSamples);
    std::vector<double> times;
    times.reserve(kSamples);
    const std::size_t skipped = kSamples / 10; // overwritten once the ring is full
    for (std::size_t i = 0; i < kSamples + skipped; ++i)
    {
        ring.Push(double(i), double(i % 1000));
        if (i >= skipped)
            times.push_back(double(i));
    }
    int column = 0;
    const auto time = [&column]()
    {
        column = (column + 97) % kColumns;
        return double(skipped) + (column + 0.5) * (double(kSamples) / kColumns);
    };
    ZriBench::InterleavedRatio(
        state, [&]() { benchmark::DoNotOptimize(ring.LowerBound(time())); },
        [&]() { benchmark::DoNotOptimize(std::lower_bound(times.begin(), times.end(), time())); },
        64);
    state.SetLabel("vs:std::lower_bound goal:2");
}
BENCHMARK(BM_ReadoutLookup_VsLowerBound)->MinTime(0.5);

} // namespace
