// PaintBench.cpp: painting laid-out pages into the Linux raster device at 96 dpi.
//
// The dense page is A4 filled with 10-point justified prose (about 60 rows), every
// fourth paragraph with bold, underlined and highlighted words, and a 3 x 4 table
// with borders. Layout is done once; each iteration clears the bitmap and paints the
// page as a printed page, then with a selection over half the page (the screen case,
// which measures the selected parts of runs). The hit test asks a 300-page
// document's pages for a table border and for an empty point.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPaintDoc.h"
#include "layout/VYXPhyPage.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

namespace {

const std::u16string cProse =
    u"The quick brown fox jumps over the lazy dog while the committee debates the merits of "
    u"typographic tradition, the width of margins, and whether justified text should ever "
    u"leave rivers of white running down the page of a carefully printed book. ";

struct TDense {
    TVYXGDILinux Gdi{96};
    TVYXLogDocEditor Doc;
    TVYXPaginatorDoc Layout{Gdi, Doc};

    explicit TDense(int blocks)
    {
        TVYXCHPX mark(&Doc.GetMasterCHP());
        mark.SetBold(true);
        mark.SetUnderline(vycuSingle);
        mark.SetHighlightColor(ahcYellow);
        for (int b = 0; b < blocks; ++b) {
            for (int p = 0; p < 4; ++p) {
                TVYXLogPara& para = Doc.AppendParaUI(cProse + cProse);
                para.PAPX().SetAlignment(vyptaJustify);
                para.PAPX().SetSpaceAfter(4);
                if (p == 3)
                    Doc.AppendTextUI(u"marked words in the middle", &mark);
                Doc.AppendTextUI(u" and the rest of the sentence.");
            }
            if (b % 3 == 0) {
                TVYXTable& t = Doc.AppendTableUI(3, 4);
                for (TVYXTapId id : {vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom,
                                     vytiBorderInsideHoriz, vytiBorderInsideVert})
                    t.TAPX().AddBorder(id)->SetVals(0.5, 0, stbSingle, 0);
                for (int r = 0; r < 4; ++r)
                    for (int c = 0; c < 3; ++c)
                        Doc.CellPara(t, c, r).Append(u"Cell text");
            }
        }
        Layout.Paginate();
        const TVYXPhyPage& page = Layout.Pages().GetItems(0);
        Gdi.SetSize(static_cast<int>(std::ceil(page.PageWidth)), static_cast<int>(std::ceil(page.PageHeight)));
    }
};

void BM_PaintDenseA4Page(benchmark::State& state)
{
    TDense d(3);
    TVYXPaintDoc paint(d.Gdi, d.Doc, d.Layout);
    paint.Options.Printing = true;
    for (auto _ : state) {
        d.Gdi.Clear(0xFFFFFF);
        paint.PaintPage(0, 0, 0);
    }
    state.counters["rows"] = d.Layout.Pages().GetItems(0).Rows.Count();
    state.counters["pages"] = d.Layout.Pages().Count();
}
BENCHMARK(BM_PaintDenseA4Page)->Unit(benchmark::kMillisecond);

void BM_PaintDenseA4PageWithSelection(benchmark::State& state)
{
    TDense d(3);
    TVYXLogPos first, last;
    first.Assign(d.Doc.Paras()._FirstPara(), 20);
    TVYXLogPara* p = d.Doc.Paras()._FirstPara();
    for (int i = 0; i < 6 && p->Next(); ++i)
        p = p->Next();
    last.Assign(p, 40);
    d.Doc.Selections().Add(first, last);
    TVYXPaintDoc paint(d.Gdi, d.Doc, d.Layout);
    paint.Options.Printing = false;
    paint.ShowCaret = false;
    for (auto _ : state) {
        d.Gdi.Clear(0xFFFFFF);
        paint.PaintPage(0, 0, 0);
    }
}
BENCHMARK(BM_PaintDenseA4PageWithSelection)->Unit(benchmark::kMillisecond);

void BM_HitTest300PageDocument(benchmark::State& state)
{
    TDense d(620);
    TVYXPaintDoc paint(d.Gdi, d.Doc, d.Layout);
    paint.Options.Printing = true;
    const int pages = d.Layout.Pages().Count();
    for (int i = 0; i < pages; ++i)
        paint.PaintPage(i, 0, 0);  // tables register their areas when painted
    int i = 0;
    long hits = 0;
    for (auto _ : state) {
        const TVYXPhyPage& page = d.Layout.Pages().GetItems(i);
        hits += page.FHitAreas.Hit(page.ClientX1 + 1, page.ClientY1 + 200) != nullptr;
        hits += page.FHitAreas.Hit(5, 5) != nullptr;
        i = (i + 1) % pages;
    }
    benchmark::DoNotOptimize(hits);
    state.counters["pages"] = pages;
}
BENCHMARK(BM_HitTest300PageDocument)->Unit(benchmark::kNanosecond);

// A page in the middle of one table 100 pages long: every page paint looks at every
// row of the table to find the ones on the page.
void BM_PaintPageOfLongTable(benchmark::State& state)
{
    TVYXGDILinux gdi(96);
    TVYXLogDocEditor doc;
    TVYXTable& t = doc.AppendTableUI(3, 3000);
    for (TVYXTapId id : {vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom, vytiBorderInsideHoriz,
                         vytiBorderInsideVert})
        t.TAPX().AddBorder(id)->SetVals(0.5, 0, stbSingle, 0);
    for (int r = 0; r < 3000; ++r)
        doc.CellPara(t, r % 3, r).Append(u"Cell text");
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    const int page = layout.Pages().Count() / 2;
    gdi.SetSize(794, 1123);
    TVYXPaintDoc paint(gdi, doc, layout);
    paint.Options.Printing = true;
    for (auto _ : state) {
        gdi.Clear(0xFFFFFF);
        paint.PaintPage(page, 0, 0);
    }
    state.counters["pages"] = layout.Pages().Count();
}
BENCHMARK(BM_PaintPageOfLongTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
