// Feeding displays from other threads: the overload policies of the sample queue with exact
// counts, refusals, the wake-up of the GUI thread, the lifetime of feeders, the histogram's
// merged counts, and a stress run of eight producers against a GUI thread that closes and
// re-creates its hubs at random (ZRI_FEED_STRESS_SAMPLES sets the samples per producer).
#include "FeedHub.h"
#include "HistogramDisplay.h"
#include "TestSupport.h"
#include "TrendDisplay.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <cmath>
#include <condition_variable>
#include <future>
#include <limits>
#include <mutex>
#include <random>
#include <thread>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Detail::CHistogramFeedHub;
using Detail::CTrendFeedHub;

namespace
{

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Everything the GUI thread was handed, per series.
struct SSeen
{
    std::vector<double> vTimes;
    std::vector<double> vValues;
    std::uint64_t nDropped = 0;
};

bool DrainInto(CTrendFeedHub& hub, std::vector<SSeen>& seen)
{
    seen.resize(static_cast<std::size_t>(hub.SeriesCount()));
    return hub.Drain(
        [&](int series, const double* times, const double* values, std::size_t n, std::uint64_t d)
        {
            SSeen& s = seen[static_cast<std::size_t>(series)];
            s.vTimes.insert(s.vTimes.end(), times, times + n);
            s.vValues.insert(s.vValues.end(), values, values + n);
            s.nDropped += d;
        });
}

std::vector<double> Range(double first, double last, double factor = 1.0)
{
    std::vector<double> range;
    for (double t = first; t <= last; ++t)
        range.push_back(t * factor);
    return range;
}

// The histogram lists as the GUI thread merges them.
void DrainInto(CHistogramFeedHub& hub, std::vector<std::vector<double>>& lists)
{
    hub.Drain(
        [&](int list, bool replace, const double* counts, std::size_t n)
        {
            auto& target = lists.at(static_cast<std::size_t>(list));
            if (replace)
                target.clear();
            target.resize(std::max(target.size(), n), 0.0);
            for (std::size_t i = 0; i < n; ++i)
                target[i] += counts[i];
        });
}

} // namespace

class TestFeeders : public QObject
{
    Q_OBJECT

private slots:
    void overload_data();
    void overload();
    void refusedSamples();
    void racingDrains();
    void wakeUp();
    void lifetime();
    void histogram();
    void displays();
    void stress();
};

void TestFeeders::overload_data()
{
    QTest::addColumn<int>("overload");
    QTest::addColumn<bool>("draining"); // the GUI thread drains while the producer pushes
    QTest::addColumn<int>("accepted");  // pushes that reported the sample stored
    QTest::addColumn<double>("first");  // the delivered times run from first to last
    QTest::addColumn<double>("last");
    QTest::addColumn<int>("dropped");
    // A queue of 15 fed 40 samples, 20 one by one and 20 in a batch.
    QTest::newRow("drop newest") << int(FeedDropNewest) << false << 15 << 0.0 << 14.0 << 25;
    QTest::newRow("drop oldest") << int(FeedDropOldest) << false << 40 << 25.0 << 39.0 << 25;
    QTest::newRow("block, timed out") << int(FeedBlock) << false << 15 << 0.0 << 14.0 << 25;
    QTest::newRow("unknown blocks") << 7 << false << 15 << 0.0 << 14.0 << 25;
    QTest::newRow("block, drained") << int(FeedBlock) << true << 40 << 0.0 << 39.0 << 0;
}

void TestFeeders::overload()
{
    QFETCH(int, overload);
    QFETCH(bool, draining);
    auto hub = std::make_shared<CTrendFeedHub>(15);
    QCOMPARE(hub->Capacity(), std::size_t(15));
    QCOMPARE(hub->AddSeries(), 0);
    hub->SetOverload(0, static_cast<EFeedOverload>(overload), draining ? 30.0 : 0.001);
    CTrendFeeder feeder(hub);
    std::promise<int> latch;
    std::thread producer(
        [&]
        {
            int accepted = 0;
            for (int i = 0; i < 20; ++i)
                accepted += feeder.Push(0, i, 10.0 * i) ? 1 : 0;
            const std::vector<double> times = Range(20, 39), values = Range(20, 39, 10.0);
            accepted += static_cast<int>(feeder.Push(0, times.data(), values.data(), 20));
            latch.set_value(accepted);
        });
    std::future<int> done = latch.get_future();
    std::vector<SSeen> seen;
    while (draining && done.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        DrainInto(*hub, seen);
    const int accepted = done.get();
    producer.join();
    DrainInto(*hub, seen);
    QTEST(accepted, "accepted");
    QFETCH(double, first);
    QFETCH(double, last);
    QCOMPARE(seen[0].vTimes, Range(first, last));
    QCOMPARE(seen[0].vValues, Range(first, last, 10.0));
    QTEST(int(seen[0].nDropped), "dropped");
}

// A producer racing drains of the smallest queue: each sample arrives or is counted dropped.
void TestFeeders::racingDrains()
{
    for (const EFeedOverload overload : {FeedDropNewest, FeedDropOldest})
    {
        auto hub = std::make_shared<CTrendFeedHub>(1);
        hub->AddSeries();
        hub->SetOverload(0, overload, 0.0);
        auto producer = std::async(std::launch::async,
                                   [&]
                                   {
                                       for (int i = 0; i < 1000000; ++i)
                                           hub->Push(0, i, -i);
                                   });
        std::vector<SSeen> seen;
        while (producer.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            DrainInto(*hub, seen);
        DrainInto(*hub, seen);
        QCOMPARE(seen[0].vTimes.size() + seen[0].nDropped, std::uint64_t(1000000));
    }
}

void TestFeeders::refusedSamples()
{
    auto hub = std::make_shared<CTrendFeedHub>(15);
    hub->AddSeries();
    CTrendFeeder feeder(hub);
    QVERIFY(feeder.Push(0, 1.0, 1.0));
    for (double time : {kNaN, kInf, -kInf, 0.5})
        QVERIFY2(!feeder.Push(0, time, 9.0), qPrintable(QString::number(time)));
    QVERIFY(feeder.Push(0, 1.0, kNaN)); // an equal time, and a gap
    const double times[] = {2, kNaN, 1.5, 3, 3, -kInf, 4};
    const double values[] = {2, 0, 0, 3, -3, 0, kInf};
    QCOMPARE(feeder.Push(0, times, values, 7), std::size_t(4));
    QCOMPARE(feeder.Push(0, nullptr, values, 7), std::size_t(0));
    QVERIFY(!feeder.Push(1, 5.0, 5.0)); // no such series
    QVERIFY(!feeder.Push(-1, 5.0, 5.0));
    QVERIFY(!CTrendFeeder().Push(0, 5.0, 5.0));
    std::vector<SSeen> seen;
    DrainInto(*hub, seen);
    QCOMPARE(seen[0].vTimes, (std::vector<double>{1, 1, 2, 3, 3, 4}));
    QCOMPARE(seen[0].vValues[3], 3.0);
    QCOMPARE(seen[0].vValues[4], -3.0);
    QVERIFY(std::isnan(seen[0].vValues[1]) && std::isinf(seen[0].vValues[5]));
    QCOMPARE(seen[0].nDropped, std::uint64_t(0)); // refused is not dropped
}

void TestFeeders::wakeUp()
{
    auto hub = std::make_shared<CTrendFeedHub>(15);
    hub->AddSeries();
    hub->AddSeries();
    int wakes = 0;
    hub->SetWakeCallback([&] { ++wakes; });
    std::vector<SSeen> seen;
    QVERIFY(!DrainInto(*hub, seen)); // nothing came: no frame needed
    CTrendFeeder feeder(hub);
    std::thread(
        [&]
        {
            feeder.Push(0, 1, 1);
            feeder.Push(1, 1, 1);
            feeder.Push(0, 2, 2);
        })
        .join();
    QCOMPARE(wakes, 1); // once, for the first sample after a drain
    QVERIFY(DrainInto(*hub, seen));
    QCOMPARE(seen[0].vTimes.size() + seen[1].vTimes.size(), std::size_t(3));
    QVERIFY(!DrainInto(*hub, seen)); // the look after a woken frame found nothing
    feeder.Push(0, 3, 3);
    QCOMPARE(wakes, 2);
    // A sample pushed while a drain runs wakes the GUI thread again; it arrives in that drain,
    // yet the next one, finding nothing, still asks for one more look.
    hub->Drain(
        [&](int series, const double*, const double*, std::size_t, std::uint64_t)
        {
            if (series == 0)
                feeder.Push(1, 5, 5);
        });
    QCOMPARE(wakes, 3);
    QVERIFY(DrainInto(*hub, seen));
    QVERIFY(!DrainInto(*hub, seen));

    // A wake-up due before the callback exists is delivered when it is set.
    auto late = std::make_shared<CTrendFeedHub>(15);
    late->AddSeries();
    CTrendFeeder(late).Push(0, 1, 1);
    int lateWakes = 0;
    late->SetWakeCallback([&] { ++lateWakes; });
    QCOMPARE(lateWakes, 1);

    // Closed: no callback, no push; what was queued before can still be taken.
    feeder.Push(1, 6, 6);
    hub->Close();
    QVERIFY(!feeder.Push(1, 7, 7));
    QCOMPARE(wakes, 4);
    DrainInto(*hub, seen);
    QCOMPARE(seen[1].vTimes, (std::vector<double>{1, 6}));
}

void TestFeeders::lifetime()
{
    // A default feeder feeds nothing.
    const double one[] = {1.0};
    QVERIFY(!CTrendFeeder().Push(0, 1, 1) && !CHistogramFeeder().Add(0, one, 1));
    // Closing releases a producer that waits for room, without counting its sample dropped.
    auto hub = std::make_shared<CTrendFeedHub>(15);
    hub->AddSeries();
    hub->SetOverload(-1, FeedBlock, 60.0);
    std::promise<void> full;
    auto blocked = std::async(std::launch::async,
                              [&, worker = CTrendFeeder(hub)]() mutable
                              {
                                  for (int i = 0; i < 15; ++i)
                                      worker.Push(0, i, i);
                                  full.set_value();
                                  return worker.Push(0, 15, 15);
                              });
    full.get_future().wait();
    hub->Close();
    QVERIFY(!blocked.get());
    std::vector<SSeen> seen;
    DrainInto(*hub, seen);
    QCOMPARE(seen[0].vTimes.size(), std::size_t(15));
    QCOMPARE(seen[0].nDropped, std::uint64_t(0));
}

void TestFeeders::histogram()
{
    auto hub = std::make_shared<CHistogramFeedHub>(2);
    QCOMPARE(hub->AddList(), 0);
    QCOMPARE(hub->AddList(), 1);
    QCOMPARE(hub->AddList(), -1);
    CHistogramFeeder feeder(hub);
    std::vector<std::vector<double>> lists(2, std::vector<double>{100.0});
    const auto drain = [&] { DrainInto(*hub, lists); };
    const auto push = [&](bool replace, int list, std::vector<double> counts)
    {
        return replace ? feeder.Replace(list, counts.data(), counts.size())
                       : feeder.Add(list, counts.data(), counts.size());
    };
    // Between two frames: additions sum, a replacement with additions after it replaces.
    std::thread(
        [&]
        {
            push(false, 0, {1, 2});
            push(false, 0, {1, 1, 1});
            push(false, 1, {9});
            push(true, 1, {5});
            push(false, 1, {1, 1});
        })
        .join();
    drain();
    QCOMPARE(lists[0], (std::vector<double>{102, 3, 1}));
    QCOMPARE(lists[1], (std::vector<double>{6, 1}));
    // A buffer the GUI thread handed back starts empty again.
    push(false, 0, {4}), drain(), push(false, 0, {0, 0, 0, 1}), drain();
    QCOMPARE(lists[0], (std::vector<double>{106, 3, 1, 1}));
    push(true, 1, {}), drain();
    QVERIFY(lists[1].empty());
    // Refused: nothing reaches the display.
    QVERIFY(!push(false, 0, {1, kNaN}) && !push(true, 0, {kInf}) && !push(false, 2, {1}));
    QVERIFY(!push(false, 0, std::vector<double>(65537, 1.0)));
    QVERIFY(push(false, 0, std::vector<double>(65536, 0.0)));
    drain();
    QCOMPARE(lists[0].size(), std::size_t(65536));
    QCOMPARE(lists[0][0], 106.0);
}

// The displays fed from workers, as an acquisition program feeds them: all samples arrive in
// order, a full queue drops the newest with exact counts, a signal and a mark, a camera
// thread's counts are merged, and a feeder outlives or races its display safely.
void TestFeeders::displays()
{
    CTrendDisplay trend;
    trend.resize(300, 150);
    trend.SetTimeWindow(100.0);
    trend.SetValueRange(0, 1);
    trend.AddSeries("a", Qt::darkGreen);
    trend.AddSeries("b", Qt::blue);
    trend.show();
    QVERIFY(QTest::qWaitForWindowExposed(&trend));
    QSignalSpy moved(&trend, &CTrendDisplay::windowChanged);
    QSignalSpy dropped(&trend, &CTrendDisplay::samplesDropped);
    std::thread(
        [feeder = trend.Feeder()]() mutable
        {
            for (int i = 0; i < 20000; ++i)
                feeder.Push(i % 2, 50 + i / 2 * 0.01, 0.5);
        })
        .join();
    QTRY_COMPARE(trend.SampleCount(0) + trend.SampleCount(1), std::size_t(20000));
    QCOMPARE(trend.Sample(1, 9999), QPointF(149.99, 0.5));
    QCOMPARE(moved.count(), 1); // to 50 .. 150, once everything arrived

    // No frame while 70,000 samples come: a queue of 65,535 keeps the oldest of them.
    trend.SetFeedOverload(FeedDropNewest);
    const auto flood = [&](double from)
    {
        std::thread(
            [feeder = trend.Feeder(), from]() mutable
            {
                for (int i = 0; i < 70000; ++i)
                    feeder.Push(0, from + i * 1e-4, 0.5);
            })
            .join();
    };
    flood(150.0);
    QTRY_COMPARE(trend.DroppedSamples(0), qulonglong(4465));
    QTRY_COMPARE(dropped.count(), 1);
    QElapsedTimer sinceTold; // a little after it was told
    sinceTold.start();
    QCOMPARE(dropped.last(), QVariantList({0, qulonglong(4465)}));
    QCOMPARE(trend.SampleCount(0), std::size_t(75535));
    QCoreApplication::processEvents();
    // The loss, after the newest sample that arrived, is marked at the plot's top edge.
    const QRect plot = trend.PlotArea();
    const QImage shown = trend.grab().toImage();
    QCOMPARE(shown.pixelColor(plot.right() - 1, plot.top() + 1), QColor(Qt::darkGreen));
    // Another overload later in the same second is told a second after the first.
    QTest::qWait(300);
    flood(157.0);
    QTRY_COMPARE_WITH_TIMEOUT(dropped.count(), 2, 5000);
    QCOMPARE(dropped.last(), QVariantList({0, qulonglong(8930)}));
    QVERIFY(sinceTold.elapsed() >= 900);
    trend.Append(1, 170, 0.5); // the window moves on past the losses
    trend.ClearSamples(0);     // the series goes, and its loss marks with it
    QCoreApplication::processEvents();
    const QImage cleared = trend.grab().toImage();
    for (int x = plot.left(); x <= plot.right(); ++x)
        QVERIFY(cleared.pixelColor(x, plot.top() + 1) != QColor(Qt::darkGreen));

    CHistogramDisplay histogram;
    histogram.AddDataList(SDataListMode(), {1, 1});
    std::thread(
        [feeder = histogram.Feeder()]() mutable
        {
            const double image[] = {5, 6, 7}, more[] = {1, 1};
            feeder.Replace(0, image, 3);
            feeder.Add(0, more, 2);
        })
        .join();
    QTRY_COMPARE(histogram.Counts(0), (std::vector<double>{6, 7, 7}));

    // A feeder that outlives its series or display goes nowhere; a display destroyed while a
    // worker pushes neither crashes nor leaks.
    CTrendFeeder old = trend.Feeder();
    trend.RemoveAllSeries();
    QVERIFY(!old.Push(0, 200, 1) && !old.IsConnected());
    auto racing = std::make_unique<CTrendDisplay>();
    racing->AddSeries("a", Qt::red);
    std::atomic<bool> stop{false};
    std::thread worker(
        [&stop, feeder = racing->Feeder()]() mutable
        {
            for (int i = 0; !stop; ++i)
                feeder.Push(0, i, i);
        });
    QTest::qWait(20);
    racing.reset();
    stop = true;
    worker.join();
    QVERIFY(!histogram.Feeder().Add(1, nullptr, 0));
}

namespace
{

// One hub of the stress run: what producers put into it and what the GUI thread got out.
struct SGeneration
{
    std::shared_ptr<CTrendFeedHub> pTrend;
    std::shared_ptr<CHistogramFeedHub> pHistogram;
    std::vector<std::uint64_t> vTaken = std::vector<std::uint64_t>(16); // stored or dropped
    std::vector<SSeen> vSeen;
    std::vector<std::vector<double>> vCounts = {{}};
    std::vector<double> vCountsPushed; // the camera's model when it left the hub
};

struct SStress
{
    std::mutex oMutex;
    std::condition_variable oWake;
    bool bWoken = false;
    int nDone = 0;
    std::vector<std::unique_ptr<SGeneration>> vGenerations;

    SGeneration* Current()
    {
        std::lock_guard<std::mutex> lock(oMutex);
        return vGenerations.back().get();
    }
    // GUI thread: a new display with eight series of each kind and one histogram list.
    void Renew()
    {
        auto next = std::make_unique<SGeneration>();
        next->pTrend = std::make_shared<CTrendFeedHub>(1000);
        next->pHistogram = std::make_shared<CHistogramFeedHub>(1);
        next->pHistogram->AddList();
        for (int series = 0; series < 16; ++series)
        {
            next->pTrend->AddSeries();
            next->pTrend->SetOverload(series, EFeedOverload(series % 3), 0.002);
        }
        const auto wake = [this]
        {
            std::lock_guard<std::mutex> lock(oMutex);
            bWoken = true;
            oWake.notify_one();
        };
        next->pTrend->SetWakeCallback(wake);
        next->pHistogram->SetWakeCallback(wake);
        SGeneration* old = nullptr;
        {
            std::lock_guard<std::mutex> lock(oMutex);
            old = vGenerations.empty() ? nullptr : vGenerations.back().get();
            vGenerations.push_back(std::move(next));
        }
        // Not under the mutex: Close waits for a wake callback that may be waiting for it.
        if (old)
            old->pTrend->Close(), old->pHistogram->Close();
    }
};

// Producer p: samples 0, 1, ... one by one into series p and in batches into series p + 8,
// value -time; a sample the hub did not take because it closed goes to the next hub.
void Produce(SStress& stress, int p, int samples)
{
    SGeneration* generation = stress.Current();
    double next[2] = {0, 0};
    std::vector<double> times(64), values(64);
    for (int i = 0; i < samples;)
    {
        // Blocks of 100 samples, alternately into each series.
        const int kind = (i / 100) % 2, series = p + 8 * kind, blockEnd = (i / 100 + 1) * 100;
        const std::size_t n = kind == 0 ? 1 : std::size_t(std::min(1 + i % 61, blockEnd - i));
        for (std::size_t k = 0; k < n; ++k)
            times[k] = next[kind] + double(k), values[k] = -times[k];
        std::size_t taken = 0;
        if (n == 1)
        {
            const Detail::EPushResult result =
                generation->pTrend->Push(series, times[0], values[0]);
            taken = result == Detail::EPushResult::Stored || result == Detail::EPushResult::Dropped;
        }
        else
        {
            const auto count = generation->pTrend->Push(series, times.data(), values.data(), n);
            taken = count.nStored + count.nDropped;
        }
        generation->vTaken[static_cast<std::size_t>(series)] += taken;
        next[kind] += double(taken);
        i += static_cast<int>(taken);
        if (taken < n)
            generation = stress.Current();
    }
}

// The camera: additions and replacements of a list of up to 40 classes, the same into a model.
void Film(SStress& stress, int operations)
{
    SGeneration* generation = stress.Current();
    std::vector<double> model, counts, next;
    const auto put = [](CHistogramFeedHub& hub, bool replace, const std::vector<double>& c)
    { return replace ? hub.Replace(0, c.data(), c.size()) : hub.Add(0, c.data(), c.size()); };
    for (int i = 0; i < operations; ++i)
    {
        const bool replace = i % 16 == 0;
        counts.assign(static_cast<std::size_t>(1 + i % 40), 1.0);
        counts[0] = double(i % 7);
        next = replace ? std::vector<double>() : model;
        next.resize(std::max(next.size(), counts.size()), 0.0);
        for (std::size_t k = 0; k < counts.size(); ++k)
            next[k] += counts[k];
        if (!put(*generation->pHistogram, replace, counts))
        {
            // Closed: the old display keeps what it was given, the new one gets the whole list.
            generation->vCountsPushed = model;
            do
                generation = stress.Current();
            while (!put(*generation->pHistogram, true, next));
        }
        model = next;
    }
    generation->vCountsPushed = model;
}

} // namespace

void TestFeeders::stress()
{
    // Whole pairs of blocks: half of each producer's samples go into each of its series.
    const int samples = (qEnvironmentVariableIsSet("ZRI_FEED_STRESS_SAMPLES")
                             ? qEnvironmentVariableIntValue("ZRI_FEED_STRESS_SAMPLES")
                             : 20000) /
                        200 * 200;
    SStress stress;
    stress.Renew();
    std::vector<std::thread> threads;
    for (int p = 0; p < 8; ++p)
        threads.emplace_back(
            [&, p]
            {
                Produce(stress, p, samples);
                std::lock_guard<std::mutex> lock(stress.oMutex);
                ++stress.nDone;
                stress.oWake.notify_one();
            });
    std::thread camera(Film, std::ref(stress), samples / 20);
    // The GUI thread: a frame per wake-up, and the one more that a woken drain asks for; now
    // and then a slow frame, and a display destroyed and made anew.
    std::mt19937 random(32);
    bool more = false;
    for (bool finished = false; !finished || more;)
    {
        {
            std::unique_lock<std::mutex> lock(stress.oMutex);
            if (!more)
                stress.oWake.wait(lock, [&] { return stress.bWoken || stress.nDone == 8; });
            stress.bWoken = false;
            finished = stress.nDone == 8;
        }
        SGeneration& generation = *stress.Current();
        more = DrainInto(*generation.pTrend, generation.vSeen);
        DrainInto(*generation.pHistogram, generation.vCounts);
        if (random() % 16 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (!finished && random() % 64 == 0)
            stress.Renew(), more = true;
    }
    camera.join();
    for (std::thread& thread : threads)
        thread.join();

    std::vector<std::uint64_t> arrived(16), dropped(16);
    std::vector<double> newest(16, -1.0);
    for (auto& generation : stress.vGenerations)
    {
        DrainInto(*generation->pTrend, generation->vSeen); // what came after the hub closed
        DrainInto(*generation->pHistogram, generation->vCounts);
        QCOMPARE(generation->vCounts[0], generation->vCountsPushed);
        for (std::size_t series = 0; series < 16; ++series)
        {
            const SSeen& seen = generation->vSeen[series];
            for (std::size_t k = 0; k < seen.vTimes.size(); ++k)
            {
                QVERIFY2(seen.vTimes[k] > newest[series] && seen.vValues[k] == -seen.vTimes[k],
                         qPrintable(QString("series %1, time %2").arg(series).arg(seen.vTimes[k])));
                newest[series] = seen.vTimes[k];
            }
            QCOMPARE(seen.vTimes.size() + seen.nDropped, generation->vTaken[series]);
            arrived[series] += seen.vTimes.size();
            dropped[series] += seen.nDropped;
        }
    }
    for (std::size_t series = 0; series < 16; ++series)
        QCOMPARE(arrived[series] + dropped[series], std::uint64_t(samples / 2));
    qInfo("%d producers x %d samples, %zu displays, %llu dropped of series 2 (drop oldest)", 8,
          samples, stress.vGenerations.size(), static_cast<unsigned long long>(dropped[2]));
}

ZRI_TEST_MAIN(TestFeeders)
#include "tst_feeders.moc"
