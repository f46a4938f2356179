#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/**
 * The smallest and largest finite value of a ring's samples over blocks of 8, 16, 32, ...
 * samples, kept as samples arrive, so that the range of any run of samples costs about
 * 2 log2(n) blocks instead of n samples: a window of ten million samples is reduced to its
 * columns in the time of a few thousand. Blocks are aligned to the samples' absolute numbers;
 * each level keeps as many as the ring's capacity spans, a quarter of the samples' memory in
 * all. A block is read only when it lies wholly inside the asked run, so the blocks that began
 * before samples the ring has dropped or cleared are never read.
 */
class CValueSummary
{
public:
    /// Forgets every block; levels for a ring of `capacity` samples.
    void Reset(std::size_t capacity);
    /// Takes the value of sample number `sample`; numbers come one after the other.
    void Push(std::uint64_t sample, double value);
    /// {smallest, largest} finite value of samples first to end - 1, which the ring still keeps
    /// and value(number) reads; {+inf, -inf} when none is finite.
    std::pair<double, double> Range(std::uint64_t first, std::uint64_t end,
                                    const std::function<double(std::uint64_t)>& value) const;

private:
    struct SBlock
    {
        double dMin;
        double dMax;
    };

    SBlock& _Block(std::size_t level, std::uint64_t block);
    const SBlock& _Block(std::size_t level, std::uint64_t block) const;

    std::vector<std::vector<SBlock>> m_vLevels; // level L: blocks of 8 << L samples, a ring each
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
