#pragma once

#include "FeedQueue.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/**
 * The samples on their way from feeders to one trend: a queue per series, shared (shared_ptr)
 * by the display and every CTrendFeeder it handed out.
 *
 * A series has one producer at a time, as its times must not decrease, which two threads
 * pushing unsynchronised cannot promise anyway; several threads feed several series, or hand a
 * series over through something that orders them (a mutex, a join). Series are added on the
 * GUI thread and never removed: a display that drops its series closes the hub and makes a new
 * one, and the feeders of the old one are refused from then on.
 */
class CTrendFeedHub : public CFeedLink
{
public:
    /// Per series: the new samples, oldest first, and the samples dropped since the last drain.
    using FSink = std::function<void(int series, const double* times, const double* values,
                                     std::size_t count, std::uint64_t dropped)>;

    static constexpr std::size_t kDefaultCapacity = 65535;

    static constexpr int kMaxSeries = 1024;

    explicit CTrendFeedHub(std::size_t capacity = kDefaultCapacity);
    ~CTrendFeedHub();

    /// GUI thread. The index of the new series' queue; -1 when kMaxSeries exist or the hub is
    /// closed.
    int AddSeries();
    int SeriesCount() const { return static_cast<int>(m_vQueues.size()); }
    std::size_t Capacity() const;
    /// GUI thread. Series -1 sets every series, and the ones added later.
    void SetOverload(int series, EFeedOverload overload, double blockSeconds);

    /// Producer side. Nothing is taken for an unknown series or a closed hub (Closed).
    EPushResult Push(int series, double time, double value)
    {
        CSampleQueue* queue = _Queue(series);
        return queue ? queue->Push(time, value, *this) : EPushResult::Closed;
    }
    SPushCount Push(int series, const double* times, const double* values, std::size_t count)
    {
        CSampleQueue* queue = _Queue(series);
        return queue ? queue->Push(times, values, count, *this) : SPushCount();
    }

    /// GUI thread: hands every series' new samples to the sink, in series order, skipping
    /// series with neither new nor dropped samples. Returns true when the caller must drain
    /// again at its next frame even if no wake-up comes (see CFeedLink). Works on a closed hub.
    /// Without rearm the link stays as it is and the result only tells whether anything came:
    /// a caller that polls every frame while data flow spares the producers' wake-ups, and
    /// calls Rearm() before its last look when nothing came. At most `most` samples a series;
    /// `more` tells whether any series has more waiting.
    bool Drain(const FSink& sink, bool rearm = true, std::size_t most = SIZE_MAX,
               bool* more = nullptr);

protected:
    void _Closing() override;

private:
    // A closed hub has no queue for any series (see _Closing), so a push needs no other check.
    CSampleQueue* _Queue(int series) const
    {
        if (static_cast<unsigned>(series) >= unsigned(kMaxSeries))
            return nullptr;
        return m_apQueues[static_cast<std::size_t>(series)].load(std::memory_order_acquire);
    }

    const std::size_t m_nCapacity;
    std::atomic<CSampleQueue*> m_apQueues[kMaxSeries] = {};
    std::vector<std::unique_ptr<CSampleQueue>> m_vQueues; // GUI thread
    std::atomic<int> m_eOverload{FeedBlock};              // for series added later
    std::atomic<double> m_dBlockSeconds{0.1};
    std::vector<double> m_vTimes; // what a drain hands to the sink
    std::vector<double> m_vValues;
};

/**
 * The counts on their way from feeders to one histogram: per data list a mailbox of two
 * buffers, shared like CTrendFeedHub, with one producer per list at a time.
 *
 * A push takes back the buffer the GUI thread has not fetched yet, or a spare one, applies
 * itself (a replacement overwrites, an addition adds, so a replacement followed by additions
 * stays a replacement) and puts it back, at a cost in proportion to the pushed counts. The GUI
 * thread fetches it once per frame and returns it as a spare. Nothing is ever dropped: what a
 * frame has not fetched is merged into the next.
 */
class CHistogramFeedHub : public CFeedLink
{
public:
    /// Per list with news: replace the counts, or add them class by class from class 0.
    using FSink =
        std::function<void(int list, bool replace, const double* counts, std::size_t count)>;

    static constexpr std::size_t kMaxClasses = 65536;

    explicit CHistogramFeedHub(int maxLists = 256);
    ~CHistogramFeedHub();

    /// GUI thread. The index of the new list's mailbox; -1 when maxLists exist or the hub is
    /// closed.
    int AddList();
    /// Producer side. False, and nothing changed, for an unknown list, a closed hub, more than
    /// kMaxClasses counts or a count that is NaN or infinite.
    bool Add(int list, const double* counts, std::size_t count);
    bool Replace(int list, const double* counts, std::size_t count);

    /// GUI thread, as CTrendFeedHub::Drain.
    bool Drain(const FSink& sink, bool rearm = true);

protected:
    void _Closing() override;

private:
    struct SBuffer
    {
        std::vector<double> vCounts;
        bool bReplace = false;
    };
    struct SMailbox
    {
        SBuffer aBuffers[2];
        std::atomic<SBuffer*> pReady{nullptr};
        std::atomic<SBuffer*> apSpare[2];
    };

    bool _Put(int list, const double* counts, std::size_t count, bool replace);

    const int m_nMaxLists;
    std::unique_ptr<std::atomic<SMailbox*>[]> m_apMailboxes;
    std::vector<std::unique_ptr<SMailbox>> m_vMailboxes; // GUI thread
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
