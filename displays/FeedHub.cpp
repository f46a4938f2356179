#include "FeedHub.h"

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

CTrendFeedHub::CTrendFeedHub(std::size_t capacity) : m_nCapacity(capacity) {}

CTrendFeedHub::~CTrendFeedHub() = default;

int CTrendFeedHub::AddSeries()
{
    if (SeriesCount() >= kMaxSeries || IsClosed())
        return -1;
    auto queue = std::make_unique<CSampleQueue>(m_nCapacity);
    queue->SetOverload(static_cast<EFeedOverload>(m_eOverload.load()), m_dBlockSeconds.load());
    if (m_vTimes.size() < queue->Capacity())
    {
        m_vTimes.resize(queue->Capacity());
        m_vValues.resize(queue->Capacity());
    }
    const int series = SeriesCount();
    m_apQueues[static_cast<std::size_t>(series)].store(queue.get(), std::memory_order_release);
    m_vQueues.push_back(std::move(queue));
    return series;
}

void CTrendFeedHub::_Closing()
{
    // The queues stay (Drain still takes what they hold) but no push reaches them.
    for (auto& queue : m_apQueues)
        queue.store(nullptr, std::memory_order_release);
}

std::size_t CTrendFeedHub::Capacity() const
{
    return CSampleQueue::RoundedCapacity(m_nCapacity);
}

void CTrendFeedHub::SetOverload(int series, EFeedOverload overload, double blockSeconds)
{
    if (series == -1)
    {
        m_eOverload.store(overload);
        m_dBlockSeconds.store(blockSeconds);
        for (auto& queue : m_vQueues)
            queue->SetOverload(overload, blockSeconds);
    }
    else if (series >= 0 && series < kMaxSeries)
    {
        if (CSampleQueue* queue = m_apQueues[static_cast<std::size_t>(series)].load())
            queue->SetOverload(overload, blockSeconds);
    }
}

bool CTrendFeedHub::Drain(const FSink& sink, bool rearm, std::size_t most, bool* more)
{
    const bool woken = rearm && Rearm();
    bool delivered = false;
    if (more)
        *more = false;
    for (std::size_t i = 0; i < m_vQueues.size(); ++i)
    {
        std::uint64_t dropped = 0;
        bool left = false;
        const std::size_t count =
            m_vQueues[i]->Take(m_vTimes.data(), m_vValues.data(), dropped, most, &left);
        if (more)
            *more = *more || left;
        if (count > 0 || dropped > 0)
        {
            delivered = true;
            sink(static_cast<int>(i), m_vTimes.data(), m_vValues.data(), count, dropped);
        }
    }
    return woken || delivered;
}

CHistogramFeedHub::CHistogramFeedHub(int maxLists)
    : m_nMaxLists(std::max(maxLists, 0)), m_apMailboxes(std::make_unique<std::atomic<SMailbox*>[]>(
                                              static_cast<std::size_t>(std::max(maxLists, 0))))
{
    for (int i = 0; i < m_nMaxLists; ++i)
        m_apMailboxes[static_cast<std::size_t>(i)].store(nullptr, std::memory_order_relaxed);
}

CHistogramFeedHub::~CHistogramFeedHub() = default;

int CHistogramFeedHub::AddList()
{
    const int list = static_cast<int>(m_vMailboxes.size());
    if (list >= m_nMaxLists || IsClosed())
        return -1;
    auto mailbox = std::make_unique<SMailbox>();
    mailbox->apSpare[0].store(&mailbox->aBuffers[0], std::memory_order_relaxed);
    mailbox->apSpare[1].store(&mailbox->aBuffers[1], std::memory_order_relaxed);
    m_apMailboxes[static_cast<std::size_t>(list)].store(mailbox.get(), std::memory_order_release);
    m_vMailboxes.push_back(std::move(mailbox));
    return list;
}

void CHistogramFeedHub::_Closing()
{
    for (int i = 0; i < m_nMaxLists; ++i)
        m_apMailboxes[static_cast<std::size_t>(i)].store(nullptr, std::memory_order_release);
}

bool CHistogramFeedHub::Add(int list, const double* counts, std::size_t count)
{
    return _Put(list, counts, count, false);
}

bool CHistogramFeedHub::Replace(int list, const double* counts, std::size_t count)
{
    return _Put(list, counts, count, true);
}

bool CHistogramFeedHub::_Put(int list, const double* counts, std::size_t count, bool replace)
{
    if (list < 0 || list >= m_nMaxLists || count > kMaxClasses ||
        !std::all_of(counts, counts + count, [](double c) { return std::isfinite(c); }))
        return false;
    SMailbox* mailbox =
        m_apMailboxes[static_cast<std::size_t>(list)].load(std::memory_order_acquire);
    if (!mailbox)
        return false;
    // What the GUI thread has not fetched yet is taken back and merged; otherwise a spare
    // buffer starts empty. Two buffers: the GUI thread holds at most one, so when nothing is
    // ready a spare is always there.
    SBuffer* buffer = mailbox->pReady.exchange(nullptr, std::memory_order_acq_rel);
    for (int i = 0; !buffer && i < 2; ++i)
    {
        buffer = mailbox->apSpare[i].exchange(nullptr, std::memory_order_acquire);
        if (buffer)
        {
            buffer->vCounts.clear();
            buffer->bReplace = false;
        }
    }
    if (!buffer)
        return false; // only when two threads feed one list at once
    if (replace)
    {
        buffer->vCounts.assign(counts, counts + count);
        buffer->bReplace = true;
    }
    else
    {
        if (buffer->vCounts.size() < count)
            buffer->vCounts.resize(count, 0.0);
        for (std::size_t i = 0; i < count; ++i)
            buffer->vCounts[i] += counts[i];
    }
    mailbox->pReady.store(buffer, std::memory_order_release);
    Published();
    return true;
}

bool CHistogramFeedHub::Drain(const FSink& sink, bool rearm)
{
    const bool woken = rearm && Rearm();
    bool delivered = false;
    for (std::size_t i = 0; i < m_vMailboxes.size(); ++i)
    {
        SMailbox& mailbox = *m_vMailboxes[i];
        SBuffer* buffer = mailbox.pReady.exchange(nullptr, std::memory_order_acq_rel);
        if (!buffer)
            continue;
        delivered = true;
        sink(static_cast<int>(i), buffer->bReplace, buffer->vCounts.data(), buffer->vCounts.size());
        for (auto& spare : mailbox.apSpare)
        {
            SBuffer* empty = nullptr;
            if (spare.compare_exchange_strong(empty, buffer, std::memory_order_release,
                                              std::memory_order_relaxed))
                break;
        }
    }
    return woken || delivered;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
