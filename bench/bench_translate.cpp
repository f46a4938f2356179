// A translator hit against a bare ordered-map find of the same key in a table of the same size:
// the difference is what the two locks and the key construction cost.
#include "Translator.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace
{

constexpr int kEntries = 1000;

// Texts as long as a dialog title, so the key does not fit the short-string buffer.
const std::vector<std::string>& Texts()
{
    static const std::vector<std::string> texts = []
    {
        std::vector<std::string> result;
        for (int i = 0; i < kEntries; i++)
            result.push_back("Select an existing file number " + std::to_string(i));
        return result;
    }();
    return texts;
}

const char* HitText()
{
    return Texts()[kEntries / 2 + 7].c_str();
}

void BM_StdMapFind_1000(benchmark::State& state)
{
    std::map<std::string, std::string> table;
    for (const std::string& text : Texts())
        table.emplace(text, text);
    const std::string key = HitText();
    for (auto _ : state)
        benchmark::DoNotOptimize(table.find(key));
}
BENCHMARK(BM_StdMapFind_1000);

void BM_TranslateHit_1000(benchmark::State& state)
{
    using Varo::Fenra::Internationalisation::Translate;
    for (const std::string& text : Texts())
        Translate(text.c_str());
    const char* text = HitText();
    for (auto _ : state)
        benchmark::DoNotOptimize(&Translate(text));
    state.SetLabel("baseline:BM_StdMapFind_1000 goal:6 goal_ns:150");
}
BENCHMARK(BM_TranslateHit_1000);

// A miss records the text, so every iteration needs a text never seen before: a fixed number
// of iterations runs over that many prepared texts.
constexpr int kMisses = 100000;

std::vector<std::string> NewTexts(const char* prefix)
{
    std::vector<std::string> texts;
    texts.reserve(kMisses);
    for (int i = 0; i < kMisses; i++)
        texts.push_back(prefix + std::to_string(i));
    return texts;
}

void BM_StdMapInsertNew(benchmark::State& state)
{
    std::map<std::string, std::string> table;
    for (const std::string& text : Texts())
        table.emplace(text, text);
    const std::vector<std::string> texts = NewTexts("A text the map has not seen ");
    std::size_t i = 0;
    for (auto _ : state)
    {
        const std::string& text = texts[i++];
        benchmark::DoNotOptimize(table.emplace(text, text));
    }
}
BENCHMARK(BM_StdMapInsertNew)->Iterations(kMisses);

void BM_TranslateMiss(benchmark::State& state)
{
    using Varo::Fenra::Internationalisation::Translate;
    const std::vector<std::string> texts = NewTexts("A text the translator has not seen ");
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(&Translate(texts[i++].c_str()));
    state.SetLabel("baseline:BM_StdMapInsertNew/iterations:100000");
}
BENCHMARK(BM_TranslateMiss)->Iterations(kMisses);

} // namespace
