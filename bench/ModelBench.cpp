// ModelBench.cpp: the property-list paths layout runs for every run and paragraph.
#include <benchmark/benchmark.h>

#include <random>

#include "model/VYXCharRun.h"
#include "model/VYXDocData.h"
#include "model/VYXLogDocument.h"
#include "model/VYXStyles.h"

namespace {
// A run list as readers build it: ids arrive in file order, not sorted.
void FillRun(TVYXCHPX& chpx)
{
    chpx.SetFontName(u"Calibri");
    chpx.SetSize(11);
    chpx.SetColor(0x336699);
    chpx.SetBold(true);
    chpx.SetUnderline(vycuSingle);
    chpx.SetItalic(true);
    chpx.SetHighlightColor(ahcYellow);
}

void BM_CHPXBuild(benchmark::State& state)
{
    TVYXCHP chp;
    for (auto _ : state) {
        TVYXCHPX chpx(&chp);
        FillRun(chpx);
        benchmark::DoNotOptimize(chpx.Count());
    }
}
BENCHMARK(BM_CHPXBuild);

void BM_CHPXGetters(benchmark::State& state)
{
    TVYXCHP chp;
    TVYXCHPX chpx(&chp);
    FillRun(chpx);
    for (auto _ : state) {
        benchmark::DoNotOptimize(chpx.GetBold());
        benchmark::DoNotOptimize(chpx.GetSize());
        benchmark::DoNotOptimize(chpx.GetStrikeThrough());  // absent: falls back
        benchmark::DoNotOptimize(chpx.GetColor());
    }
}
BENCHMARK(BM_CHPXGetters);

void BM_FontResolution(benchmark::State& state)
{
    TVYXStyles styles;
    TVYXParaStyle* normal = styles.AddPara(u"Normal");
    TVYXParaStyle* heading = styles.AddPara(u"Heading1");
    heading->BasedOn = normal;
    heading->CHPX().SetSize(14);
    heading->CHPX().SetBold(true);
    TVYXCharStyle* strong = styles.AddChar(u"Strong");
    strong->CHPX().SetBold(true);
    TVYXPAPX papx(&styles.MasterPAP());
    papx.SetStyle(heading);
    TVYXCHPX run(&styles.MasterCHP());
    FillRun(run);
    run.SetStyle(strong);
    for (auto _ : state) {
        TVYXFontDataDoc font;
        font.Resolve(styles.MasterCHP(), &papx, &run, false);
        benchmark::DoNotOptimize(font.Size);
    }
}
BENCHMARK(BM_FontResolution);
// Typing at random places of one paragraph until it holds 10,000 runs: every
// keystroke finds its run, splits it and inserts a run of its own (each with a
// different format, so nothing merges). Reports inserts per second.
void BM_TypeIntoLongParagraph(benchmark::State& state)
{
    constexpr int cRuns = 10000;
    TVYXLogDocument doc;
    for (auto _ : state) {
        std::mt19937 random(42);
        const auto runsOwned = doc.CreateCharRuns();
        TVYXCharRuns& runs = *runsOwned;
        runs.Add()->SetRawText(u"start");
        int inserts = 0;
        while (runs.Count() < cRuns) {
            const std::int32_t end = runs.EndOfParaPos();
            const auto pos = static_cast<std::int32_t>(random() % static_cast<unsigned>(end)) + 1;
            TVYXCharRun* run = runs.FindAbsolute(pos, true);
            int index = run->Index() + 1;
            if (pos > run->StartPos() && pos < run->GetEndPos())
                index = runs.SplitAndInsert(*run, pos)->Index();
            TVYXCharRun* typed = runs.Insert(index);
            typed->AddCHPX()->SetSize(8 + inserts % 7);
            typed->SetRawText(u"k");
            ++inserts;
        }
        benchmark::DoNotOptimize(runs.EndOfParaPos());
        state.counters["inserts/s"] = benchmark::Counter(inserts, benchmark::Counter::kIsIterationInvariantRate);
    }
}
BENCHMARK(BM_TypeIntoLongParagraph)->Unit(benchmark::kMillisecond);
}  // namespace
BENCHMARK_MAIN();
