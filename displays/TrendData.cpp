#include "TrendData.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

void CSampleRing::SetCapacity(std::size_t capacity)
{
    capacity = std::max<std::size_t>(capacity, 1);
    const std::size_t kept = std::min(m_nSize, capacity);
    std::vector<double> times;
    std::vector<double> values;
    times.reserve(kept);
    values.reserve(kept);
    for (std::uint64_t sample = m_nEnd - kept; sample < m_nEnd; ++sample)
    {
        times.push_back(Time(sample));
        values.push_back(Value(sample));
    }
    m_vTime.swap(times);
    m_vValue.swap(values);
    m_nCapacity = capacity;
    m_nHead = 0;
    m_nSize = kept;
    m_bSummarized = false;
    m_oSummary = CValueSummary();
    _Summarize();
}

namespace
{

constexpr std::size_t kSummaryFrom = 4096; // samples; fewer are read one by one

} // namespace

void CSampleRing::_Summarize()
{
    // From a few thousand samples on: the summary's levels take a quarter of the memory of the
    // capacity's samples, not worth it for short series.
    if (m_bSummarized || m_nSize < kSummaryFrom)
    {
        return;
    }
    m_oSummary.Reset(m_nCapacity);
    for (std::uint64_t sample = Begin(); sample < m_nEnd; ++sample)
    {
        m_oSummary.Push(sample, Value(sample));
    }
    m_bSummarized = true;
}

std::pair<double, double> CSampleRing::ValueRange(std::uint64_t first, std::uint64_t end) const
{
    return m_oSummary.Range(first, end, [this](std::uint64_t sample) { return Value(sample); });
}

bool CSampleRing::Push(double time, double value)
{
    // Infinite times would stretch every window and scale; NaN has no place in the order.
    if (!std::isfinite(time) || (m_nSize > 0 && time < m_dNewest))
    {
        return false;
    }
    if (m_nSize < m_nCapacity)
    {
        // Until the ring is full its slots are in time order from slot 0. Room for a million
        // samples is taken at once (untouched memory costs nothing), so a fast feed does not
        // copy the ring again and again as it grows.
        if (m_nSize == m_vTime.capacity() && m_nSize < (std::size_t(1) << 20))
        {
            const std::size_t room = std::min(m_nCapacity, std::size_t(1) << 20);
            m_vTime.reserve(room);
            m_vValue.reserve(room);
        }
        m_vTime.push_back(time);
        m_vValue.push_back(value);
        ++m_nSize;
    }
    else
    {
        m_vTime[m_nHead] = time;
        m_vValue[m_nHead] = value;
        if (++m_nHead == m_nCapacity)
        {
            m_nHead = 0;
        }
    }
    m_dNewest = time;
    if (m_bSummarized)
    {
        m_oSummary.Push(m_nEnd, value);
    }
    ++m_nEnd;
    if (m_nSize == kSummaryFrom)
    {
        _Summarize();
    }
    return true;
}

std::size_t CSampleRing::Push(const double* times, const double* values, std::size_t count,
                              std::size_t stride)
{
    std::size_t stored = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        stored += Push(times[i * stride], values[i * stride]) ? 1 : 0;
    }
    return stored;
}

void CSampleRing::Clear()
{
    m_vTime.clear();
    m_vValue.clear();
    m_nHead = 0;
    m_nSize = 0;
    m_bSummarized = false;
    m_oSummary = CValueSummary();
}

std::uint64_t CSampleRing::LowerBound(double time) const
{
    std::uint64_t low = Begin();
    std::uint64_t high = m_nEnd;
    while (low < high)
    {
        const std::uint64_t middle = low + (high - low) / 2;
        if (Time(middle) < time)
        {
            low = middle + 1;
        }
        else
        {
            high = middle;
        }
    }
    return low;
}

std::uint64_t CSampleRing::LowerBound(const std::function<bool(double)>& before) const
{
    std::uint64_t low = Begin();
    std::uint64_t high = m_nEnd;
    while (low < high)
    {
        const std::uint64_t middle = low + (high - low) / 2;
        if (before(Time(middle)))
        {
            low = middle + 1;
        }
        else
        {
            high = middle;
        }
    }
    return low;
}

std::size_t CSampleRing::_Slot(std::uint64_t sample) const
{
    const std::size_t slot = m_nHead + static_cast<std::size_t>(sample - Begin());
    return slot >= m_vTime.size() ? slot - m_vTime.size() : slot;
}

double GridOrigin(double time, double columnTime)
{
    constexpr double kSpan = 1125899906842624.0; // 2^50 columns
    const double epoch = kSpan * columnTime;
    if (!std::isfinite(time) || !std::isfinite(epoch) || std::abs(time) < epoch)
    {
        return 0.0;
    }
    return std::floor(time / epoch) * epoch;
}

std::int64_t ColumnOf(const SColumnGrid& grid, double time)
{
    const double column = std::floor((time - grid.dOrigin) / grid.dColumnTime);
    // Far-away times only need to land outside the grid.
    constexpr double kLimit = 4611686018427387904.0; // 2^62
    return std::isnan(column) ? 0 : static_cast<std::int64_t>(std::clamp(column, -kLimit, kLimit));
}

void CColumnCache::Rebuild(const CSampleRing& ring, const SColumnGrid& grid)
{
    m_oChanged.bAll = true;
    m_oGrid = grid;
    m_dqColumns.assign(static_cast<std::size_t>(std::max(grid.nCount, 0)), SColumn());
    m_oExit = SColumn();
    m_bValid = true;
    m_nBegin = ring.Begin();
    m_nNext = ring.End();
    // Column by column, from where each begins by the arithmetic Extend uses, its range read
    // from the ring's summary: the cost goes with the columns, not with the samples.
    const auto begins = [&](std::int64_t column)
    { return ring.LowerBound([&](double time) { return ColumnOf(grid, time) < column; }); };
    // The line into a sample comes from the sample before it, when both are finite.
    const auto joinFrom = [&](SColumn& column, std::uint64_t sample)
    {
        column.bJoined = sample > ring.Begin() && std::isfinite(ring.Value(sample - 1)) &&
                         std::isfinite(ring.Value(sample));
        if (column.bJoined)
        {
            column.dPrevTime = ring.Time(sample - 1);
            column.dPrevValue = ring.Value(sample - 1);
        }
    };
    std::uint64_t start = begins(grid.nFirst);
    for (std::size_t i = 0; i < m_dqColumns.size(); ++i)
    {
        const std::uint64_t end = begins(grid.nFirst + static_cast<std::int64_t>(i) + 1);
        std::uint64_t first = start;
        while (first < end && !std::isfinite(ring.Value(first)))
        {
            ++first;
        }
        if (first < end)
        {
            SColumn& column = m_dqColumns[i];
            column.bHasData = true;
            std::tie(column.dMin, column.dMax) = ring.ValueRange(first, end);
            column.dFirstTime = ring.Time(first);
            column.dFirstValue = ring.Value(first);
            joinFrom(column, first);
        }
        start = end;
    }
    if (start < ring.End())
    {
        m_oExit.bHasData = true;
        m_oExit.dFirstTime = ring.Time(start);
        m_oExit.dFirstValue = ring.Value(start);
        joinFrom(m_oExit, start);
    }
    m_bPrevFinite = ring.Size() > 0 && std::isfinite(ring.Value(ring.End() - 1));
    if (ring.Size() > 0)
    {
        m_dPrevTime = ring.Time(ring.End() - 1);
        m_dPrevValue = ring.Value(ring.End() - 1);
    }
}

std::pair<int, int> CColumnCache::Extend(const CSampleRing& ring)
{
    std::pair<int, int> changed(m_oGrid.nCount, -1);
    if (!m_bValid)
    {
        return changed;
    }
    if (m_nNext < ring.Begin())
    {
        // More samples arrived than the ring keeps: nothing to extend from.
        Rebuild(ring, m_oGrid);
        return {0, m_oGrid.nCount - 1};
    }
    for (; m_nNext < ring.End(); ++m_nNext)
    {
        _Take(ring.Time(m_nNext), ring.Value(m_nNext), changed);
    }
    _Changed(changed.first, changed.second);
    return changed;
}

void CColumnCache::_Changed(int first, int last)
{
    if (first > last)
    {
        return;
    }
    const std::int64_t from = m_oGrid.nFirst + first;
    const std::int64_t to = m_oGrid.nFirst + last;
    const bool none = m_oChanged.nFirst > m_oChanged.nLast;
    m_oChanged.nFirst = none ? from : std::min(m_oChanged.nFirst, from);
    m_oChanged.nLast = none ? to : std::max(m_oChanged.nLast, to);
}

CColumnCache::SChanged CColumnCache::TakeChanged()
{
    const SChanged changed = m_oChanged;
    m_oChanged = SChanged();
    return changed;
}

void CColumnCache::_Take(double time, double value, std::pair<int, int>& changed)
{
    const std::int64_t index = ColumnOf(m_oGrid, time) - m_oGrid.nFirst;
    const bool finite = std::isfinite(value);
    if (index >= m_oGrid.nCount && !m_oExit.bHasData)
    {
        // The line out of the grid crosses every column from the previous sample's on.
        changed.first = static_cast<int>(std::clamp<std::int64_t>(
            ColumnOf(m_oGrid, m_dPrevTime) - m_oGrid.nFirst, 0, changed.first));
        changed.second = m_oGrid.nCount - 1;
        m_oExit.bHasData = true;
        m_oExit.bJoined = finite && m_bPrevFinite;
        m_oExit.dFirstTime = time;
        m_oExit.dFirstValue = value;
        m_oExit.dPrevTime = m_dPrevTime;
        m_oExit.dPrevValue = m_dPrevValue;
    }
    else if (index >= 0 && index < m_oGrid.nCount && finite)
    {
        SColumn& column = m_dqColumns[static_cast<std::size_t>(index)];
        if (!column.bHasData)
        {
            column.bHasData = true;
            column.dMin = column.dMax = value;
            column.dFirstTime = time;
            column.dFirstValue = value;
            column.bJoined = m_bPrevFinite;
            column.dPrevTime = m_dPrevTime;
            column.dPrevValue = m_dPrevValue;
            if (column.bJoined)
            {
                // The line in crosses every column back to the previous sample's.
                const std::int64_t from = ColumnOf(m_oGrid, m_dPrevTime) - m_oGrid.nFirst;
                changed.first = static_cast<int>(std::clamp<std::int64_t>(
                    from, 0, std::min<std::int64_t>(index, changed.first)));
            }
        }
        column.dMin = std::min(column.dMin, value);
        column.dMax = std::max(column.dMax, value);
        changed.first = std::min(changed.first, static_cast<int>(index));
        changed.second = std::max(changed.second, static_cast<int>(index));
    }
    m_dPrevTime = time;
    m_dPrevValue = value;
    m_bPrevFinite = finite;
}

bool CColumnCache::Shift(const CSampleRing& ring, std::int64_t newFirst)
{
    if (!m_bValid || newFirst < m_oGrid.nFirst)
    {
        return false;
    }
    SColumnGrid grid = m_oGrid;
    grid.nFirst = newFirst;
    const std::int64_t shift = newFirst - m_oGrid.nFirst;
    if (shift >= m_oGrid.nCount || m_oExit.bHasData)
    {
        // Samples beyond the old grid were not reduced.
        Rebuild(ring, grid);
        return true;
    }
    for (std::int64_t i = 0; i < shift; ++i)
    {
        m_dqColumns.pop_front();
        m_dqColumns.emplace_back();
    }
    m_oGrid = grid;
    return true;
}

int CColumnCache::Trim(const CSampleRing& ring)
{
    if (!m_bValid || m_dqColumns.empty() || ring.Begin() == m_nBegin)
    {
        return 0;
    }
    m_nBegin = ring.Begin();
    if (ring.Size() == 0)
    {
        Rebuild(ring, m_oGrid);
        return m_oGrid.nCount;
    }
    const std::uint64_t oldest = ring.Begin();
    const std::int64_t index = ColumnOf(m_oGrid, ring.Time(oldest)) - m_oGrid.nFirst;
    if (index < 0)
    {
        return 0;
    }
    if (index >= m_oGrid.nCount)
    {
        // Everything in the grid is gone, and the line out of it starts at a kept sample now.
        Rebuild(ring, m_oGrid);
        return m_oGrid.nCount;
    }
    const int last = static_cast<int>(index);
    for (int i = 0; i < last; ++i)
    {
        m_dqColumns[static_cast<std::size_t>(i)] = SColumn();
    }
    _Changed(0, last);
    // The oldest kept sample's column loses what was overwritten: reduce it again, without a
    // line entering it.
    SColumn column;
    const std::uint64_t end = std::min(m_nNext, ring.End());
    for (std::uint64_t sample = oldest; sample < end; ++sample)
    {
        const double time = ring.Time(sample);
        const double value = ring.Value(sample);
        if (ColumnOf(m_oGrid, time) - m_oGrid.nFirst != index)
        {
            break;
        }
        if (!std::isfinite(value))
        {
            continue;
        }
        if (!column.bHasData)
        {
            column.bHasData = true;
            column.dMin = column.dMax = value;
            column.dFirstTime = time;
            column.dFirstValue = value;
        }
        column.dMin = std::min(column.dMin, value);
        column.dMax = std::max(column.dMax, value);
    }
    m_dqColumns[static_cast<std::size_t>(index)] = column;
    return last + 1;
}

std::pair<double, double> ColumnRange(const std::deque<SColumn>& columns)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    std::pair<double, double> range(kNaN, kNaN);
    for (const SColumn& column : columns)
    {
        if (!column.bHasData)
        {
            continue;
        }
        const bool first = std::isnan(range.first);
        range.first = first ? column.dMin : std::min(range.first, column.dMin);
        range.second = first ? column.dMax : std::max(range.second, column.dMax);
    }
    return range;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
