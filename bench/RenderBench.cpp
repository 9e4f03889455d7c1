// RenderBench.cpp: the work of `vyx render` on a 100-page document at 96 dpi.
//
// The document is the one bench/make_paint_doc.py writes (sections of justified prose
// with a heading, bold underlined words, a bordered table every third section), built
// here as RTF text. BM_RenderWhole reads, lays out, paints and encodes every page as
// PNG; the other cases time one step each, to show where the time goes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "device/VYXGDILinux.h"
#include "device/VYXPngPages.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPaintDoc.h"
#include "layout/VYXPhyPage.h"
#include "model/VYXGraphicTypes.h"

namespace {

std::string HundredPages()
{
    const std::string prose =
        "The quick brown fox jumps over the lazy dog while the committee debates the merits of "
        "typographic tradition, the width of margins, and whether justified text should ever "
        "leave rivers of white running down the page of a carefully printed book. ";
    const std::string border = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                               "\\clbrdrr\\brdrs\\brdrw10";
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
                      "\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440\n";
    for (int p = 0; p < 128; ++p) {
        rtf += "\\pard\\plain\\sb240\\sa120\\b\\fs32 Section " + std::to_string(p + 1) + "\\par\n";
        for (int i = 0; i < 5; ++i)
            rtf += "\\pard\\plain\\qj\\sa120\\fs20 " + prose + prose + prose +
                   "{\\b\\ul marked words} and the end of the paragraph.\\par\n";
        if (p % 3 == 0)
            for (int r = 0; r < 3; ++r) {
                rtf += "\\trowd\\trgaph108";
                for (int c = 0; c < 3; ++c)
                    rtf += border + "\\cellx" + std::to_string(3000 * (c + 1));
                rtf += "\\pard\\plain\\intbl\\fs20 ";
                for (int c = 0; c < 3; ++c)
                    rtf += "Cell " + std::to_string(r) + "." + std::to_string(c) + "\\cell ";
                rtf += "\\row\n";
            }
    }
    return rtf + "\\pard\\par}";
}

struct TRender {
    TVYXGDILinux Gdi{96};
    TVYXLogDocEditor Doc;
    std::unique_ptr<TVYXPaginatorDoc> Layout;
    std::unique_ptr<TVYXPaintDoc> Paint;
    TVYXPngPages Png;

    explicit TRender(const std::string& rtf)
    {
        TVYXReadRTF(Doc).LoadFromBytes(rtf);
        Layout = std::make_unique<TVYXPaginatorDoc>(Gdi, Doc);
        Layout->Paginate();
        Paint = std::make_unique<TVYXPaintDoc>(Gdi, Doc, *Layout);
        Paint->Options.Printing = true;
        Paint->Options.ShowMarkers = false;
        Paint->Options.ShowMisspelled = false;
    }
    int Pages() const { return Layout->Pages().Count(); }
    void PaintPage(int i)
    {
        const TVYXPhyPage& page = Layout->Pages().GetItems(i);
        Gdi.SetSize(static_cast<int>(std::ceil(page.PageWidth)), static_cast<int>(std::ceil(page.PageHeight)));
        Gdi.Clear(0xFFFFFF);
        Paint->PaintPage(i, 0, 0);
    }
};

void BM_RenderWhole(benchmark::State& state)
{
    const std::string rtf = HundredPages();
    std::size_t bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        TRender r(rtf);
        pages = r.Pages();
        for (int i = 0; i < pages; ++i) {
            r.PaintPage(i);
            bytes += r.Png.Encode(*r.Gdi.GetBitmap()).size();
        }
    }
    state.counters["pages"] = pages;
    state.counters["png_kb_per_page"] = static_cast<double>(bytes) / 1024 / std::max(1, pages) /
                                        static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
}
BENCHMARK(BM_RenderWhole)->Unit(benchmark::kMillisecond);

void BM_RenderReadAndLayout(benchmark::State& state)
{
    const std::string rtf = HundredPages();
    for (auto _ : state) {
        TRender r(rtf);
        benchmark::DoNotOptimize(r.Pages());
    }
}
BENCHMARK(BM_RenderReadAndLayout)->Unit(benchmark::kMillisecond);

void BM_RenderPaintPages(benchmark::State& state)
{
    TRender r(HundredPages());
    for (auto _ : state)
        for (int i = 0; i < r.Pages(); ++i)
            r.PaintPage(i);
    state.counters["pages"] = r.Pages();
}
BENCHMARK(BM_RenderPaintPages)->Unit(benchmark::kMillisecond);

void BM_RenderEncodePages(benchmark::State& state)
{
    TRender r(HundredPages());
    std::vector<TVYXBitmap> pages;
    for (int i = 0; i < r.Pages(); ++i) {
        r.PaintPage(i);
        pages.push_back(*r.Gdi.GetBitmap());
    }
    for (auto _ : state)
        for (const TVYXBitmap& page : pages)
            benchmark::DoNotOptimize(r.Png.Encode(page).size());
    state.counters["pages"] = static_cast<double>(pages.size());
}
BENCHMARK(BM_RenderEncodePages)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
