#pragma once

#include "TrendSummary.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/**
 * The samples of one trend series, oldest first, at most Capacity() of them. Samples are
 * addressed by their absolute number (0 for the first sample ever pushed), which stays valid
 * while the ring overwrites its oldest samples.
 */
class CSampleRing
{
public:
    /// A smaller capacity keeps the newest samples; 0 is taken as 1.
    void SetCapacity(std::size_t capacity);
    std::size_t Capacity() const { return m_nCapacity; }
    std::size_t Size() const { return m_nSize; }
    /// The absolute number of the oldest kept sample and one past the newest.
    std::uint64_t Begin() const { return m_nEnd - m_nSize; }
    std::uint64_t End() const { return m_nEnd; }
    /// False, and nothing stored, for a time that is not finite or older than the newest
    /// sample's. Equal times are kept, in the order pushed.
    bool Push(double time, double value);
    /// Pushes count samples (times[i], values[i]) in order, skipping refused ones; returns how
    /// many were stored.
    std::size_t Push(const double* times, const double* values, std::size_t count,
                     std::size_t stride);
    void Clear();
    double Time(std::uint64_t sample) const { return m_vTime[_Slot(sample)]; }
    double Value(std::uint64_t sample) const { return m_vValue[_Slot(sample)]; }
    /// The first kept sample whose time is not before `time` (End() when there is none).
    std::uint64_t LowerBound(double time) const;
    /// The first kept sample whose time `before` is not true of (End() when there is none);
    /// `before` must hold of a run of the oldest samples and of no other.
    std::uint64_t LowerBound(const std::function<bool(double)>& before) const;
    /// {smallest, largest} finite value of samples first to end - 1; {+inf, -inf} when none is
    /// finite. About 2 log2(n) steps once the ring holds many samples.
    std::pair<double, double> ValueRange(std::uint64_t first, std::uint64_t end) const;

private:
    std::size_t _Slot(std::uint64_t sample) const;
    void _Summarize();

    std::vector<double> m_vTime;
    std::vector<double> m_vValue;
    std::size_t m_nCapacity = 100000;
    std::size_t m_nHead = 0; // slot of the oldest sample once the ring is full
    std::size_t m_nSize = 0;
    std::uint64_t m_nEnd = 0;
    double m_dNewest = 0.0;     // time of the newest sample while there is one
    bool m_bSummarized = false; // from 4096 samples on, ranges come from the summary
    CValueSummary m_oSummary;
};

/// What one device pixel column shows of a series: the range of its finite values, and the line
/// that enters it from the previous finite sample when no gap lies between.
struct SColumn
{
    bool bHasData = false;
    double dMin = 0.0;
    double dMax = 0.0;
    double dFirstTime = 0.0;  ///< time of the column's first finite sample
    double dFirstValue = 0.0; ///< its value
    bool bJoined = false;     ///< a line runs from (dPrevTime, dPrevValue) to the first sample
    double dPrevTime = 0.0;
    double dPrevValue = 0.0;
};

/// Column k of the grid covers the times [dOrigin + k * dColumnTime, dOrigin + (k + 1) *
/// dColumnTime); the grid shows columns nFirst to nFirst + nCount - 1. The origin is 0 unless
/// the times are so large that column numbers would not fit 50 bits (GridOrigin).
struct SColumnGrid
{
    double dOrigin = 0.0;
    double dColumnTime = 1.0;
    std::int64_t nFirst = 0;
    int nCount = 0;

    bool operator==(const SColumnGrid& other) const
    {
        return dOrigin == other.dOrigin && dColumnTime == other.dColumnTime &&
               nFirst == other.nFirst && nCount == other.nCount;
    }
    /// The time where column k begins.
    double ColumnStart(std::int64_t k) const
    {
        return dOrigin + static_cast<double>(k) * dColumnTime;
    }
};

/// The origin of a grid of columns columnTime wide near time: 0 for any time less than 2^50
/// columns from it, else a whole multiple of 2^50 columns, so that column numbers stay exact
/// and every grid near the same time has the same origin.
double GridOrigin(double time, double columnTime);

/// The grid column of a time (may lie outside the grid; far-away times are clamped to +-2^62).
std::int64_t ColumnOf(const SColumnGrid& grid, double time);

/**
 * The per-column reduction of one series over a grid, kept between paints and extended as
 * samples arrive, so that only the columns new samples fall in are computed again.
 */
class CColumnCache
{
public:
    /// Reduces every sample of the ring that lies in the grid.
    void Rebuild(const CSampleRing& ring, const SColumnGrid& grid);
    /// Takes the samples pushed since the last call. Returns the range of grid columns that
    /// changed as [first, last] relative to the grid, first > last when none did.
    std::pair<int, int> Extend(const CSampleRing& ring);
    /// Moves the grid by whole columns towards newer times; the new columns are reduced from
    /// the ring. False when the shift is not towards newer times.
    bool Shift(const CSampleRing& ring, std::int64_t newFirst);
    /// Drops what the ring has overwritten since the last call: the columns before its oldest
    /// sample empty, the column of that sample reduced again. Returns the number of leading
    /// columns that changed.
    int Trim(const CSampleRing& ring);
    /// The columns that changed since the last call, as absolute column numbers [first, last]
    /// (first > last: none), or all of them after a rebuild; the record starts again empty. A
    /// pure Shift changes no column: what moved is still the same.
    struct SChanged
    {
        bool bAll = false;
        std::int64_t nFirst = 0;
        std::int64_t nLast = -1;
    };
    SChanged TakeChanged();
    void Invalidate() { m_bValid = false; }
    bool IsValid() const { return m_bValid; }
    const SColumnGrid& Grid() const { return m_oGrid; }
    const std::deque<SColumn>& Columns() const { return m_dqColumns; }
    /// The line from the last sample in the grid to the first one after it, when there is one.
    const SColumn& Exit() const { return m_oExit; }

private:
    void _Take(double time, double value, std::pair<int, int>& changed);
    void _Changed(int first, int last);

    SColumnGrid m_oGrid;
    std::deque<SColumn> m_dqColumns;
    SColumn m_oExit;
    bool m_bValid = false;
    std::uint64_t m_nNext = 0;  // absolute number of the next sample to take
    std::uint64_t m_nBegin = 0; // the ring's oldest sample at the last rebuild or trim
    bool m_bPrevFinite = false;
    double m_dPrevTime = 0.0;
    double m_dPrevValue = 0.0;
    SChanged m_oChanged;
};

/// The smallest and largest finite value over the columns, as {min, max}; {NaN, NaN} when no
/// column has data.
std::pair<double, double> ColumnRange(const std::deque<SColumn>& columns);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
