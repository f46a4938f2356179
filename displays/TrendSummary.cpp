#include "TrendSummary.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kShift = 3; // level 0: blocks of 8 samples

} // namespace

void CValueSummary::Reset(std::size_t capacity)
{
    m_vLevels.clear();
    // Each level as many blocks as the capacity spans, and two for its ends; up to blocks
    // that hold the whole capacity.
    for (std::uint64_t size = std::uint64_t(1) << kShift;; size *= 2)
    {
        m_vLevels.emplace_back(static_cast<std::size_t>(capacity / size + 2), SBlock{kInf, -kInf});
        if (size >= capacity)
        {
            break;
        }
    }
}

CValueSummary::SBlock& CValueSummary::_Block(std::size_t level, std::uint64_t block)
{
    std::vector<SBlock>& blocks = m_vLevels[level];
    return blocks[static_cast<std::size_t>(block % blocks.size())];
}

const CValueSummary::SBlock& CValueSummary::_Block(std::size_t level, std::uint64_t block) const
{
    const std::vector<SBlock>& blocks = m_vLevels[level];
    return blocks[static_cast<std::size_t>(block % blocks.size())];
}

void CValueSummary::Push(std::uint64_t sample, double value)
{
    if (m_vLevels.empty())
    {
        return;
    }
    std::uint64_t block = sample >> kShift;
    SBlock& base = _Block(0, block);
    if ((sample & 7) == 0)
    {
        base = {kInf, -kInf};
    }
    if (std::isfinite(value))
    {
        base.dMin = std::min(base.dMin, value);
        base.dMax = std::max(base.dMax, value);
    }
    if ((sample & 7) != 7)
    {
        return;
    }
    // A block is complete: it becomes the first or the second half of the one above.
    SBlock done = base;
    for (std::size_t level = 1; level < m_vLevels.size(); ++level, block >>= 1)
    {
        SBlock& parent = _Block(level, block >> 1);
        if ((block & 1) == 0)
        {
            parent = done;
            return;
        }
        parent = {std::min(parent.dMin, done.dMin), std::max(parent.dMax, done.dMax)};
        done = parent;
    }
}

std::pair<double, double>
CValueSummary::Range(std::uint64_t first, std::uint64_t end,
                     const std::function<double(std::uint64_t)>& value) const
{
    std::pair<double, double> range(kInf, -kInf);
    if (m_vLevels.empty())
    {
        for (; first < end; ++first)
        {
            const double v = value(first);
            range = std::isfinite(v)
                        ? std::make_pair(std::min(range.first, v), std::max(range.second, v))
                        : range;
        }
        return range;
    }
    const auto take = [&range](double low, double high)
    {
        range.first = std::min(range.first, low);
        range.second = std::max(range.second, high);
    };
    const auto sample = [&](std::uint64_t number)
    {
        const double v = value(number);
        if (std::isfinite(v))
        {
            take(v, v);
        }
    };
    // The samples at the ends, up to whole blocks of the lowest level.
    while (first < end && (first & 7) != 0)
    {
        sample(first++);
    }
    while (first < end && (end & 7) != 0)
    {
        sample(--end);
    }
    // Whole blocks: an odd block at either end on each level, the rest from the level above.
    std::uint64_t low = first >> kShift;
    std::uint64_t high = end >> kShift;
    for (std::size_t level = 0; low < high; ++level, low >>= 1, high >>= 1)
    {
        if (level + 1 == m_vLevels.size())
        {
            for (; low < high; ++low)
            {
                take(_Block(level, low).dMin, _Block(level, low).dMax);
            }
            break;
        }
        if (low & 1)
        {
            take(_Block(level, low).dMin, _Block(level, low).dMax);
            ++low;
        }
        if (high & 1)
        {
            --high;
            take(_Block(level, high).dMin, _Block(level, high).dMax);
        }
    }
    return range;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
