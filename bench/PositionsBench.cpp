// PositionsBench.cpp: the caret and hit testing on a 300-page document laid out with the Linux device at 96 dpi.
//
// The document repeats a block of prose paragraphs, a 3 x 3 table and a Hebrew
// paragraph until it fills 300 pages; it is laid out once per benchmark. Each
// iteration is one user action: a line down (with the remembered column), a page
// down, a click turned into a position, a position turned into a point.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/VYXBenchDocs.h"
#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPhyPos.h"
#include "layout/VYXRowEditor.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"

namespace {

const std::u16string cHebrew =
    u"\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD, \u05D6\u05D4\u05D5 \u05DE\u05E9\u05E4\u05D8 "
    u"\u05D1\u05E2\u05D1\u05E8\u05D9\u05EA \u05E9\u05E0\u05D5\u05E2\u05D3 \u05DC\u05D1\u05D3\u05D5\u05E7 "
    u"\u05D0\u05EA \u05DE\u05D9\u05E7\u05D5\u05DD \u05D4\u05E1\u05DE\u05DF.";

struct TBenchDoc {
    TVYXGDILinux Gdi{96};
    TVYXLogDocEditor Doc;
    TVYXPaginatorDoc Layout{Gdi, Doc};
    explicit TBenchDoc(int blocks)
    {
        {
            TVYXEditorUpdate update(Doc);
            for (int b = 0; b < blocks; ++b) {
                for (int p = 0; p < 4; ++p) {
                    TVYXLogPara& para = Doc.AppendParaUI(cProse + u" " + cProse);
                    para.PAPX().SetAlignment(p % 2 ? vyptaJustify : vyptaLeft);
                }
                TVYXTable& t = Doc.AppendTableUI(3, 3);
                for (int r = 0; r < 3; ++r)
                    for (int c = 0; c < 3; ++c)
                        Doc.CellPara(t, c, r).Append(u"cell text");
                Doc.AppendParaUI(cHebrew);
            }
        }
        Layout.Paginate();
    }
};

// Blocks that fill about 300 pages (a block takes about half a page).
constexpr int cBlocks = 575;

void CaretLineDown(benchmark::State& state)
{
    TBenchDoc d(cBlocks);
    TVYXCaretLogPhyPosition caret;
    TVYXCaretRowEditor editor(d.Gdi, caret);
    caret.MoveToPos(TVYXLogPos(d.Doc.Paras()._FirstPara(), 30));
    editor.SaveX();
    for (auto _ : state) {
        if (!editor.MoveLineDown() || caret.IsAtEndOfDoc()) {
            state.PauseTiming();
            caret.MoveToPos(TVYXLogPos(d.Doc.Paras()._FirstPara(), 30));
            editor.SaveX();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(caret.CharPos);
    }
    state.counters["pages"] = d.Layout.Pages().Count();
}
BENCHMARK(CaretLineDown)->Unit(benchmark::kMicrosecond);

void CaretPageDown(benchmark::State& state)
{
    TBenchDoc d(cBlocks);
    TVYXCaretLogPhyPosition caret;
    TVYXCaretRowEditor editor(d.Gdi, caret);
    caret.MoveToPos(TVYXLogPos(d.Doc.Paras()._FirstPara(), 30));
    editor.SaveX();
    for (auto _ : state) {
        if (!editor.MovePageDown(d.Layout.Pages())) {
            state.PauseTiming();
            caret.MoveToPos(TVYXLogPos(d.Doc.Paras()._FirstPara(), 30));
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(caret.CharPos);
    }
}
BENCHMARK(CaretPageDown)->Unit(benchmark::kMicrosecond);

void XYToLogPos(benchmark::State& state)
{
    TBenchDoc d(cBlocks);
    const TVYXPhyPages& pages = d.Layout.Pages();
    int i = 0;
    for (auto _ : state) {
        const TVYXPhyPage& page = pages.GetItems((i * 37) % pages.Count());
        TVYXLogPhyPosition pos;
        const double x = page.ClientX1 + (i * 53) % static_cast<int>(page.GetClientWidth());
        const double y = page.ClientY1 + (i * 71) % static_cast<int>(page.GetClientHeight());
        benchmark::DoNotOptimize(page.XYToLogPos(d.Gdi, pos, x, y));
        ++i;
    }
}
BENCHMARK(XYToLogPos)->Unit(benchmark::kMicrosecond);

void LogPosToXY(benchmark::State& state)
{
    TBenchDoc d(cBlocks);
    std::vector<TVYXLogPara*> paras;
    for (TVYXLogPara* p = d.Doc.Paras()._FirstPara(); p; p = p->Next())
        paras.push_back(p);
    int i = 0;
    for (auto _ : state) {
        TVYXLogPara* p = paras[static_cast<std::size_t>(i * 97) % paras.size()];
        const TVYXLogPhyPosition pos(p, 1 + (i * 13) % p->EndOfParaPos());
        double x = 0, y = 0;
        const TVYXPhyPage* page = d.Layout.Pages().FindPage(pos);
        benchmark::DoNotOptimize(page && page->LogPosToXY(d.Gdi, pos, x, y));
        ++i;
    }
}
BENCHMARK(LogPosToXY)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
