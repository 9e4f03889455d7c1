// SearchBench.cpp: every match of a plain text and of wildcard patterns in a paragraph of 10,000 characters.
#include <benchmark/benchmark.h>

#include <string>

#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"

namespace {
// Words of varying length with a "hat" now and then, so most places start no match.
std::u16string Text()
{
    std::u16string text;
    const char16_t* words[] = {u"the ", u"cathedral ", u"what ", u"hat ", u"on ", u"a ", u"hot ", u"stone "};
    for (int i = 0; text.size() < 10000; ++i)
        text += words[(i * 7 + i / 3) % 8];
    return text;
}

void FindAll(benchmark::State& state, const char16_t* pattern, unsigned options)
{
    TVYXLogDocument doc;
    TVYXLogParas& body = doc.Paras();
    TVYXLogPara* p = body.AppendPara(Text());
    int found = 0;
    for (auto _ : state) {
        p->BeginFindText(pattern, options);
        found = 0;
        for (std::int32_t at = p->FindTextNext(1); at; at = p->FindTextNext(at + 1))
            ++found;
        benchmark::DoNotOptimize(found);
    }
    state.counters["matches"] = found;
}
}  // namespace

BENCHMARK_CAPTURE(FindAll, plain, u"hat", 0u);
BENCHMARK_CAPTURE(FindAll, wildcard_any, u"h?t", unsigned(aftoWildcards));
BENCHMARK_CAPTURE(FindAll, wildcard_word_star, u"<h*t>", unsigned(aftoWildcards | aftoWholeWordsOnly));
BENCHMARK_CAPTURE(FindAll, wildcard_set_repeat, u"[a-h]{2,4}t", unsigned(aftoWildcards));
BENCHMARK_MAIN();
