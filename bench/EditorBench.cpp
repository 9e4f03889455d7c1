// Typing one character at the start, middle and end of a 100,000-paragraph document,
// and deleting a selection of 1,000 paragraphs, through the editor's commands.
#include <benchmark/benchmark.h>

#include <memory>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"

namespace {

constexpr int cParas = 100000;

std::unique_ptr<TVYXLogDocEditor> LongDocument()
{
    auto doc = std::make_unique<TVYXLogDocEditor>();
    TVYXEditorUpdate update(*doc);
    for (int i = 0; i < cParas; ++i)
        doc->AppendParaUI(u"A paragraph of ordinary length with a few words in it.");
    return doc;
}

TVYXLogDocEditor& Shared()
{
    static std::unique_ptr<TVYXLogDocEditor> doc = LongDocument();
    return *doc;
}

void TypeAt(benchmark::State& state, int para)
{
    TVYXLogDocEditor& doc = Shared();
    doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(para), 5));
    int typed = 0;
    for (auto _ : state) {
        doc.InsertTextUI(u"x");
        // Keep the paragraph short: take the typed text back now and then (untimed).
        if (++typed == 1000) {
            state.PauseTiming();
            doc.Paras().GetParas(para)->DeleteText(5, 5 + typed, nullptr);
            doc.Undo().Clear();  // that went round the door
            doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(para), 5));
            typed = 0;
            state.ResumeTiming();
        }
    }
}

void BM_TypeAtStart(benchmark::State& state) { TypeAt(state, 0); }
void BM_TypeInMiddle(benchmark::State& state) { TypeAt(state, cParas / 2); }
void BM_TypeAtEnd(benchmark::State& state) { TypeAt(state, cParas - 1); }

void BM_DeleteThousandParagraphs(benchmark::State& state)
{
    TVYXLogDocEditor& doc = Shared();
    for (auto _ : state) {
        state.PauseTiming();
        doc.Undo().Clear();  // each round records a copy of what it deletes
        // Put back what the last round took, so the document keeps its length.
        while (doc.Paras().Count() < cParas)
            doc.Paras().AppendPara(u"A paragraph of ordinary length with a few words in it.");
        doc.Selections().Clear();
        doc.Selections().Add(TVYXLogPos(doc.Paras().GetParas(40000), 3), TVYXLogPos(doc.Paras().GetParas(41000), 3));
        state.ResumeTiming();
        doc.Command(vycDelSelection);
    }
}

}  // namespace

BENCHMARK(BM_TypeAtStart);
BENCHMARK(BM_TypeInMiddle);
BENCHMARK(BM_TypeAtEnd);
BENCHMARK(BM_DeleteThousandParagraphs)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
