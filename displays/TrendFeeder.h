#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
class CTrendFeedHub;
} // namespace Detail

/**
 * What a trend feeder does with a sample when its series' queue is full, because the GUI
 * thread has not taken the queued samples for longer than the queue lasts (65,535 samples by
 * default: 0.65 s at 100 kHz). Every sample that does not reach the display is counted as
 * dropped for its series.
 */
enum EFeedOverload : std::int32_t
{
    /// Wait for room a bounded time (0.1 s by default), then drop the new sample. No loss while
    /// the GUI thread keeps up within the time; the producer is held up meanwhile.
    FeedBlock = 0,
    /// Drop the new sample at once: the display keeps the older ones, without a gap among them.
    FeedDropNewest = 1,
    /// Write over the oldest queued samples: the display gets the newest ones, as a live view
    /// wants. The push never waits.
    FeedDropOldest = 2,
};

/**
 * A handle through which any thread feeds a trend display: cheap to copy (into a worker, a
 * driver callback, a lambda), never allocating, never waiting for the GUI thread except under
 * FeedBlock. The display takes what was pushed once per frame.
 *
 * Each series has one producer at a time: two threads that push into the same series must be
 * ordered by the application (a mutex, or one hands the series to the other through a join).
 * Different threads may push into different series through copies of the same feeder.
 *
 * Times must be finite and must not decrease within a series: a NaN or infinite time, or one
 * older than the series' previous pushed time, is refused (false), as the display's own Append
 * refuses it; refused samples are not counted as dropped. A NaN or infinite value is stored.
 *
 * Lifetime: once the display is destroyed (or drops its series), every push returns false and
 * stores nothing, however long the feeder lives. A push that runs while the display closes may
 * still return true for a sample the display never shows.
 */
class ZRI_EXPORT CTrendFeeder
{
public:
    /// A feeder of no display: every push returns false.
    CTrendFeeder();
    /// Made by the display.
    explicit CTrendFeeder(std::shared_ptr<Detail::CTrendFeedHub> hub);
    ~CTrendFeeder();
    CTrendFeeder(const CTrendFeeder& other);
    CTrendFeeder& operator=(const CTrendFeeder& other);

    /// Queues one sample. False when it was refused, dropped by the overload policy, or the
    /// display or series does not exist.
    bool Push(int series, double time, double value);
    /// Queues the samples in order and returns how many were stored; refused and dropped ones
    /// are skipped and the ones after them still pushed.
    std::size_t Push(int series, const double* times, const double* values, std::size_t count);
    /// False once the display is gone: pushes go nowhere.
    bool IsConnected() const;

private:
    std::shared_ptr<Detail::CTrendFeedHub> m_pHub;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
