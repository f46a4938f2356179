#pragma once

#include "TrendFeeder.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/**
 * What a display and its feeders share besides the data: whether the display has closed the
 * feed, and the wake-up of the GUI thread.
 *
 * Wake-up: the link is armed while the GUI thread has seen everything published; the first
 * publication after that disarms it and calls the wake callback, once, so that producers pay
 * one relaxed load per push while a frame is pending. Drain() re-arms at its start. A producer
 * that published just before the re-arm may have read the link as disarmed and not woken the
 * GUI, while its samples were not yet visible to that drain (a store waits in the producer's
 * core for a moment, while its load already ran). So a drain that follows a wake-up asks for one
 * more drain at the next frame (Rearm() returns true); an event-loop turn later those stores
 * have long reached the GUI thread. The chain ends with a drain that had no wake-up and found
 * nothing. A full fence in every push would make the wake-up exact by itself, but it raised the
 * push's cost from 2.6 to 2.9 times a vector's push_back of the pair on the benchmark machine.
 */
class CFeedLink
{
public:
    CFeedLink() = default;
    CFeedLink(const CFeedLink&) = delete;
    CFeedLink& operator=(const CFeedLink&) = delete;
    virtual ~CFeedLink() = default;

    /// GUI thread. The callback runs on a producer thread and must not wait for the GUI thread
    /// nor take a lock that the thread calling Close may hold (post an event, nothing more).
    /// Called at once when a wake-up is already due.
    void SetWakeCallback(std::function<void()> wake);
    /// GUI thread. Afterwards pushes are refused and the wake callback never runs again: Close
    /// waits for a callback that is running. What was queued before may still be drained.
    void Close();
    bool IsClosed() const { return m_bClosed.load(std::memory_order_acquire); }

    /// Producer side, after new data became visible.
    void Published()
    {
        if (m_bArmed.load(std::memory_order_relaxed))
            _Disarm();
    }
    /// Consumer side, at the start of a drain: arms the link again; true when a wake-up came
    /// since the previous call.
    bool Rearm() { return !m_bArmed.exchange(true, std::memory_order_acq_rel); }

protected:
    /// Called by Close, under its lock: a hub makes its queues unreachable for pushes.
    virtual void _Closing() {}

private:
    void _Disarm();

    std::atomic<bool> m_bClosed{false};
    std::atomic<bool> m_bArmed{true};
    std::mutex m_oWakeMutex;
    std::function<void()> m_fnWake;
};

/// What happened to one pushed sample.
enum class EPushResult
{
    Stored,  ///< queued for the display
    Dropped, ///< refused by the overload policy, and counted as dropped
    Refused, ///< NaN or infinite time, or older than the previous sample
    Closed,  ///< not taken: the feed is closed (or closed while the push waited for room)
};

/// What happened to the samples of one batch. Samples after the counted ones were not taken:
/// the feed closed while the push waited for room.
struct SPushCount
{
    std::size_t nStored = 0;  ///< queued for the display
    std::size_t nDropped = 0; ///< refused by the overload policy, and counted as dropped
    std::size_t nRefused = 0; ///< NaN or infinite time, or older than the previous sample
};

/**
 * A bounded single-producer, single-consumer queue of (time, value) samples that allocates only
 * in its constructor. One thread at a time pushes; the GUI thread takes. Nothing ever waits for
 * the consumer except a producer under FeedBlock.
 *
 * Indices grow without wrapping (64 bits); index i lives in slot i mod S, S a power of two, and
 * the queue holds at most S - 1 samples. When it is full, FeedDropNewest counts the new sample
 * as dropped and FeedBlock waits for room a bounded time, then does the same. FeedDropOldest
 * writes on over the oldest samples without looking at the consumer: the producer stays the
 * only writer and the consumer the only reader of the indices. The consumer skips (and counts)
 * what was overwritten: samples older than the newest S - 1 at the start of a take, and those
 * whose slot the producer reached while they were copied. For the second test the producer
 * publishes index k as the tail before it writes slot k (which holds k - S), and writes slots
 * with release stores, so a copy that read data of index k is followed by a tail load of at
 * least k; every index up to tail - S is then taken as overwritten.
 */
class CSampleQueue
{
public:
    /// Room for at least `capacity` samples, rounded up to one less than a power of two, at
    /// most 16,777,215.
    explicit CSampleQueue(std::size_t capacity);

    std::size_t Capacity() const { return static_cast<std::size_t>(m_nMask); }
    static std::size_t RoundedCapacity(std::size_t capacity);
    /// Any thread. An unknown policy is FeedBlock; the time is clamped to 0 to 60 s, NaN is 0.
    void SetOverload(EFeedOverload overload, double blockSeconds);

    /// Producer side.
    EPushResult Push(double time, double value, CFeedLink& link)
    {
        if (!_Accept(time))
            return EPushResult::Refused;
        const std::uint64_t tail = m_nTail.load(std::memory_order_relaxed);
        if (tail - m_nHeadSeen >= m_nMask)
            return _PushWhenFull(tail, time, value, link);
        _Write(tail, time, value);
        m_nTail.store(tail + 1, std::memory_order_release);
        link.Published();
        return EPushResult::Stored;
    }
    SPushCount Push(const double* times, const double* values, std::size_t count, CFeedLink& link);

    /// Consumer side: copies the samples published since the last call, at most `most`, into
    /// the arrays (room for Capacity() each), oldest first, and returns their number; adds the
    /// samples dropped since the last call to `dropped`. `more` tells whether samples are left.
    std::size_t Take(double* times, double* values, std::uint64_t& dropped,
                     std::size_t most = SIZE_MAX, bool* more = nullptr);

private:
    struct SSlot
    {
        std::atomic<double> dTime{0.0};
        std::atomic<double> dValue{0.0};
    };
    struct SDeadline
    {
        bool bSet = false;
        std::chrono::steady_clock::time_point oTime;
    };
    enum class ERoom
    {
        Free,
        Full,
        Closed
    };

    bool _Accept(double time)
    {
        // The first comparison also refuses NaN and, as the last time starts at the lowest
        // finite value, minus infinity.
        if (!(time >= m_dLastTime && time <= std::numeric_limits<double>::max()))
            return false;
        m_dLastTime = time;
        return true;
    }
    void _Write(std::uint64_t index, double time, double value)
    {
        SSlot& slot = m_aSlots[index & m_nMask];
        slot.dTime.store(time, std::memory_order_release);
        slot.dValue.store(value, std::memory_order_release);
    }
    ERoom _Room(std::uint64_t tail, const CFeedLink& link, SDeadline& deadline);
    EPushResult _PushWhenFull(std::uint64_t tail, double time, double value, CFeedLink& link);
    std::size_t _CountDropped(std::size_t count);

    std::unique_ptr<SSlot[]> m_aSlots;
    std::uint64_t m_nMask = 0;
    std::atomic<int> m_eOverload{FeedBlock};
    std::atomic<std::int64_t> m_nBlockNanoseconds{100000000};

    // Written by the producer.
    alignas(64) std::atomic<std::uint64_t> m_nTail{0};
    std::atomic<std::uint64_t> m_nDroppedByProducer{0};
    std::uint64_t m_nHeadSeen = 0; // the producer's last look at m_nHead
    double m_dLastTime = std::numeric_limits<double>::lowest();

    // Written by the consumer.
    alignas(64) std::atomic<std::uint64_t> m_nHead{0};
    std::uint64_t m_nDroppedReported = 0; // of m_nDroppedByProducer
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
