// CharRunsBench.cpp: tidying the runs of a paragraph that holds many bookmarks, as a
// reader leaves it: each bookmarked word between two boundary runs, with an empty text
// run beside each boundary, and neighbouring words in one format.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXLogPara.h"
#include "model/tests/VYXBodyTestDoc.h"

namespace {

TVYXLogPara& BuildBookmarkedPara(TVYXBodyTestDoc& doc, int bookmarks)
{
    TVYXLogPara& para = *doc.Body.AppendPara(u"");
    for (int i = 0; i < bookmarks; ++i) {
        para.Append(u"word ");
        const std::string name = "b" + std::to_string(i);
        TVYXBookmark* bookmark = para.AppendBookmark(std::u16string(name.begin(), name.end()));
        para.Append(u"marked");
        // Same format, a run of its own: to be joined.
        para.InsertFormattedText(u" text", para.EndOfParaPos(), nullptr);
        if (bookmark)
            para.EndBookmark(*bookmark);
        // Empty runs a reader leaves behind a range's end: to be dropped.
        para.CharRuns().Add();
        para.CharRuns().Add();
    }
    return para;
}

void CombineBookmarkedPara(benchmark::State& state)
{
    const int bookmarks = static_cast<int>(state.range(0));
    int runsBefore = 0, runsAfter = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<TVYXBodyTestDoc>();
        TVYXLogPara& para = BuildBookmarkedPara(*doc, bookmarks);
        runsBefore = para.Count();
        state.ResumeTiming();
        para.CombineCharRuns();
        benchmark::DoNotOptimize(para.Count());
        state.PauseTiming();
        runsAfter = para.Count();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["runs_before"] = runsBefore;
    state.counters["runs_after"] = runsAfter;
}
BENCHMARK(CombineBookmarkedPara)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
