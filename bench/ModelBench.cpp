// ModelBench.cpp: the property-list paths layout runs for every run and paragraph.
#include <benchmark/benchmark.h>

#include "model/VYXDocData.h"
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
}  // namespace
BENCHMARK_MAIN();
