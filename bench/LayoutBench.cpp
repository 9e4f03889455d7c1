// LayoutBench.cpp: laying out long mixed documents with the Linux device at 96 dpi, and
// relaying out after typing one character.
//
// The documents repeat a block of about one page: a bold heading, prose paragraphs,
// list items, a footnote, a 3 x 4 table every third block and an inline picture
// every tenth. Counters: pages, rows, and the bytes the rows take.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/VYXBenchDocs.h"
#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXPaginate.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"

namespace {

std::unique_ptr<TVYXLogDocEditor> MixedDocument(int blocks)
{
    auto doc = std::make_unique<TVYXLogDocEditor>();
    TVYXEditorUpdate update(*doc);
    TVYXCHPX heading(&doc->GetMasterCHP());
    heading.SetBold(true);
    heading.SetSize(16);
    for (int b = 0; b < blocks; ++b) {
        AppendBenchBlock(*doc, u"Chapter heading", heading);
        doc->AppendParaUI(u"A paragraph with a note");
        doc->AppendFootnote(u"The footnote's text, one line long.");
        if (b % 3 == 2) {
            TVYXTable& t = doc->AppendTableUI(3, 4);
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 3; ++c)
                    doc->CellPara(t, c, r).Append(u"cell text");
        }
        if (b % 10 == 9) {
            auto picture = std::make_unique<TVYXGraphicObj>();
            picture->Width = 120;
            picture->Height = 90;
            doc->AppendParaUI(u"").AppendGraphic(std::move(picture));
        }
    }
    return doc;
}

void FullLayout(benchmark::State& state)
{
    auto doc = MixedDocument(static_cast<int>(state.range(0)));
    TVYXGDILinux gdi(96);
    TVYXPaginatorDoc layout(gdi, *doc);
    for (auto _ : state) {
        doc->Paras().ClearRows();
        doc->Footnotes().Paras().ClearRows();
        layout.Paginate();
    }
    state.counters["pages"] = layout.Pages().Count();
    state.counters["rowBytes"] = static_cast<double>(layout.RowMemory());
    state.counters["pagesPerSec"] = benchmark::Counter(layout.Pages().Count(), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(FullLayout)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// Typing one character in the middle of a 300-page document, then the layout the
// editor's update runs: one paragraph broken again, the rest moved.
void RelayoutAfterTyping(benchmark::State& state)
{
    auto doc = MixedDocument(300);
    TVYXGDILinux gdi(96);
    TVYXPaginatorDoc layout(gdi, *doc);
    layout.Paginate();
    TVYXDocAddress at;
    at.Item = doc->Paras().Count() / 2;
    while (!doc->Paras().GetItems(at.Item)->IsPara())
        ++at.Item;
    at.CharPos = 5;
    int typed = 0;
    for (auto _ : state) {
        doc->InsertText(at, u"x");
        layout.Paginate();
        if (++typed == 200) {  // keep the paragraph from growing without end (untimed)
            state.PauseTiming();
            doc->Paras().GetParas(at.Item)->DeleteText(5, 5 + typed, nullptr);
            typed = 0;
            state.ResumeTiming();
        }
    }
    state.counters["pages"] = layout.Pages().Count();
    state.counters["broken"] = layout.BrokenParas();
}
BENCHMARK(RelayoutAfterTyping)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
