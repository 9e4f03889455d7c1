// FindReplaceBench.cpp: find-all over 100,000 paragraphs, plain and case-folded, whole words and wildcards.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "editing/VYXFindReplace.h"
#include "model/tests/VYXBodyTestDoc.h"

namespace {
constexpr int cParas = 100'000;

// Prose-like paragraphs of 40..160 characters; "needle" now and then; fixed seed.
struct TFindBody {
    TVYXBodyTestDoc Doc;
    std::int64_t Chars = 0;
    TFindBody()
    {
        static const char16_t* const words[] = {u"the", u"invoice", u"paragraph", u"caf\u00E9", u"Total", u"of",
                                                u"and", u"document", u"na\u00EFve", u"page", u"needles"};
        std::mt19937 random(42);
        std::u16string text;
        for (int i = 0; i < cParas; ++i) {
            text.clear();
            const std::size_t length = 40 + random() % 120;
            while (text.size() < length) {
                text += words[random() % std::size(words)];
                text += u' ';
            }
            if (i % 97 == 0)
                text += u"Needle";
            Chars += static_cast<std::int64_t>(text.size());
            Doc.Body.AppendPara(text);
        }
    }
};

TFindBody& Body()
{
    static TFindBody body;
    return body;
}

void FindAll(benchmark::State& state, const char16_t* what, unsigned options)
{
    TFindBody& body = Body();
    TVYXFindReplaceText find(body.Doc.Doc);
    find.BeginFind(what, u"", options);
    int hits = 0;
    for (auto _ : state) {
        std::vector<TVYXDocRange> all;
        hits = find.FindAll(all);
        benchmark::DoNotOptimize(all.data());
    }
    state.counters["hits"] = hits;
    state.SetBytesProcessed(state.iterations() * body.Chars * 2);  // UTF-16 bytes searched
}
}  // namespace

BENCHMARK_CAPTURE(FindAll, MatchCase, u"Needle", aftoMatchCase)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, IgnoreCase, u"needle", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, WholeWords, u"needle", aftoWholeWordsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, Wildcards, u"<n??dle>", aftoWildcards)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
