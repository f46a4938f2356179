// Reading a verbosity level from text: the grammar-based MakeValue, which builds its grammar
// and word table on every call, against a case-folded hash lookup in Qt.
#include "BenchSupport.h"

#include "LoggerDefinition.h"

#include <QHash>
#include <QString>

#include <array>

using Varo::Fenra::Progress::_EVerbosityLevel;

namespace
{

const std::array<std::string, 8> kWords = {"Warning", "warn", "i",  "TRACE",
                                           "Debug",   "no",   "fa", "LOG"};
const std::array<std::string, 5> kFailures = {"warnings", "x", "", " info", "errorz"};

void BM_QtHashLookup_Words(benchmark::State& state)
{
    const QHash<QString, int> table = {{"warning", 3}, {"warn", 3}, {"i", 4},  {"trace", 7},
                                       {"debug", 6},   {"no", 0},   {"fa", 1}, {"log", 5}};
    std::size_t i = 0;
    for (auto _ : state)
    {
        const QString word = QString::fromStdString(kWords[i++ % kWords.size()]).toLower();
        benchmark::DoNotOptimize(table.value(word, -1));
    }
}
BENCHMARK(BM_QtHashLookup_Words);

void BM_MakeValueLevel_Words(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Varo::Fenra::Strings::MakeValue<_EVerbosityLevel>(kWords[i++ % kWords.size()], false));
    state.SetLabel("baseline:BM_QtHashLookup_Words goal_ns:3000");
}
BENCHMARK(BM_MakeValueLevel_Words);

void BM_MakeValueLevel_Failures(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state)
    {
        try
        {
            benchmark::DoNotOptimize(Varo::Fenra::Strings::MakeValue<_EVerbosityLevel>(
                kFailures[i++ % kFailures.size()], false));
        }
        catch (const Varo::Fenra::Strings::CMakeValueException& exception)
        {
            benchmark::DoNotOptimize(exception.GetEntries().size());
        }
    }
    state.SetLabel("baseline:BM_QtHashLookup_Words");
}
BENCHMARK(BM_MakeValueLevel_Failures);

} // namespace
