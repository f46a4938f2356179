#include "FeedQueue.h"

#include <algorithm>
#include <thread>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

void CFeedLink::SetWakeCallback(std::function<void()> wake)
{
    std::lock_guard<std::mutex> lock(m_oWakeMutex);
    if (IsClosed())
        return;
    m_fnWake = std::move(wake);
    // A publication before the callback existed disarmed the link and woke nobody.
    if (m_fnWake && !m_bArmed.load(std::memory_order_acquire))
        m_fnWake();
}

void CFeedLink::Close()
{
    std::lock_guard<std::mutex> lock(m_oWakeMutex);
    m_bClosed.store(true, std::memory_order_release);
    _Closing();
    m_fnWake = nullptr;
}

void CFeedLink::_Disarm()
{
    if (!m_bArmed.exchange(false, std::memory_order_acq_rel))
        return;
    // The mutex keeps Close from returning while the callback runs; the callback is empty
    // once the link is closed.
    std::lock_guard<std::mutex> lock(m_oWakeMutex);
    if (m_fnWake)
        m_fnWake();
}

std::size_t CSampleQueue::RoundedCapacity(std::size_t capacity)
{
    std::uint64_t slots = 2;
    while (slots - 1 < capacity && slots < (std::uint64_t(1) << 24))
        slots *= 2;
    return static_cast<std::size_t>(slots - 1);
}

CSampleQueue::CSampleQueue(std::size_t capacity)
    : m_aSlots(std::make_unique<SSlot[]>(RoundedCapacity(capacity) + 1)),
      m_nMask(RoundedCapacity(capacity))
{
}

void CSampleQueue::SetOverload(EFeedOverload overload, double blockSeconds)
{
    if (overload != FeedDropNewest && overload != FeedDropOldest)
        overload = FeedBlock;
    const double seconds = std::isnan(blockSeconds) ? 0.0 : std::clamp(blockSeconds, 0.0, 60.0);
    m_nBlockNanoseconds.store(static_cast<std::int64_t>(seconds * 1e9), std::memory_order_relaxed);
    m_eOverload.store(overload, std::memory_order_relaxed);
}

EPushResult CSampleQueue::_PushWhenFull(std::uint64_t tail, double time, double value,
                                        CFeedLink& link)
{
    SDeadline deadline;
    const ERoom room = _Room(tail, link, deadline);
    if (room == ERoom::Closed)
        return EPushResult::Closed;
    if (room == ERoom::Full)
    {
        _CountDropped(1);
        return EPushResult::Dropped;
    }
    _Write(tail, time, value);
    m_nTail.store(tail + 1, std::memory_order_release);
    link.Published();
    return EPushResult::Stored;
}

SPushCount CSampleQueue::Push(const double* times, const double* values, std::size_t count,
                              CFeedLink& link)
{
    SPushCount result;
    SDeadline deadline;
    std::uint64_t tail = m_nTail.load(std::memory_order_relaxed);
    std::uint64_t published = tail;
    for (std::size_t i = 0; i < count; ++i)
    {
        if (!_Accept(times[i]))
        {
            ++result.nRefused;
            continue;
        }
        if (tail - m_nHeadSeen >= m_nMask)
        {
            // What is written so far becomes visible first: the consumer can make room, and a
            // slot is never overwritten before its new index is the published tail.
            if (tail != published)
            {
                m_nTail.store(tail, std::memory_order_release);
                published = tail;
                link.Published();
            }
            const ERoom room = _Room(tail, link, deadline);
            if (room == ERoom::Closed)
                break;
            if (room == ERoom::Full)
            {
                result.nDropped += _CountDropped(1);
                continue;
            }
        }
        _Write(tail++, times[i], values[i]);
        ++result.nStored;
    }
    if (tail != published)
    {
        m_nTail.store(tail, std::memory_order_release);
        link.Published();
    }
    return result;
}

CSampleQueue::ERoom CSampleQueue::_Room(std::uint64_t tail, const CFeedLink& link,
                                        SDeadline& deadline)
{
    m_nHeadSeen = m_nHead.load(std::memory_order_acquire);
    if (tail - m_nHeadSeen < m_nMask)
        return ERoom::Free;
    const int overload = m_eOverload.load(std::memory_order_relaxed);
    if (overload == FeedDropOldest)
        return ERoom::Free;
    if (overload == FeedDropNewest)
        return ERoom::Full;
    const auto now = std::chrono::steady_clock::now();
    if (!deadline.bSet)
    {
        deadline.bSet = true;
        deadline.oTime =
            now + std::chrono::nanoseconds(m_nBlockNanoseconds.load(std::memory_order_relaxed));
    }
    for (int round = 0;; ++round)
    {
        if (link.IsClosed())
            return ERoom::Closed;
        if (std::chrono::steady_clock::now() >= deadline.oTime)
            return ERoom::Full;
        // A frame is a few milliseconds away: yield a little, then sleep in small steps.
        if (round < 16)
            std::this_thread::yield();
        else
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        m_nHeadSeen = m_nHead.load(std::memory_order_acquire);
        if (tail - m_nHeadSeen < m_nMask)
            return ERoom::Free;
    }
}

std::size_t CSampleQueue::_CountDropped(std::size_t count)
{
    // The producer is the only writer: no read-modify-write needed.
    m_nDroppedByProducer.store(m_nDroppedByProducer.load(std::memory_order_relaxed) + count,
                               std::memory_order_relaxed);
    return count;
}

std::size_t CSampleQueue::Take(double* times, double* values, std::uint64_t& dropped,
                               std::size_t most, bool* more)
{
    const std::uint64_t published = m_nTail.load(std::memory_order_acquire);
    std::uint64_t head = m_nHead.load(std::memory_order_relaxed);
    if (published - head > m_nMask)
    {
        // Lapped under FeedDropOldest: only the newest S - 1 can still be in their slots.
        dropped += published - m_nMask - head;
        head = published - m_nMask;
    }
    const std::uint64_t tail = head + std::min<std::uint64_t>(published - head, most);
    if (more)
        *more = tail < published;
    const std::size_t count = static_cast<std::size_t>(tail - head);
    for (std::size_t i = 0; i < count; ++i)
    {
        const SSlot& slot = m_aSlots[(head + i) & m_nMask];
        times[i] = slot.dTime.load(std::memory_order_acquire);
        values[i] = slot.dValue.load(std::memory_order_acquire);
    }
    // Indices up to after - S may have been overwritten while they were copied.
    const std::uint64_t after = m_nTail.load(std::memory_order_relaxed);
    std::size_t overwritten = 0;
    if (after - head > m_nMask)
        overwritten =
            static_cast<std::size_t>(std::min<std::uint64_t>(count, after - m_nMask - head));
    if (overwritten > 0)
    {
        std::copy(times + overwritten, times + count, times);
        std::copy(values + overwritten, values + count, values);
        dropped += overwritten;
    }
    m_nHead.store(tail, std::memory_order_release);
    if (tail == published)
    {
        // The producer drops the newest, after what the queue holds: told with its last share.
        const std::uint64_t byProducer = m_nDroppedByProducer.load(std::memory_order_relaxed);
        dropped += byProducer - m_nDroppedReported;
        m_nDroppedReported = byProducer;
    }
    return count - overwritten;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
