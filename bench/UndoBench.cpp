// UndoBench.cpp: undo and redo in a 300-page document (3,000 paragraphs of about 500
// characters): one typed character, typing with undo through the commands, and the
// deletion of 100 paragraphs.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"

namespace {

constexpr int cParas = 3000;  // about ten paragraphs a page

std::unique_ptr<TVYXLogDocEditor> LongDocument()
{
    auto doc = std::make_unique<TVYXLogDocEditor>();
    std::u16string text;
    while (text.size() < 480)
        text += u"A paragraph of ordinary length with a few words in it. ";
    {
        TVYXEditorUpdate update(*doc);
        for (int i = 0; i < cParas; ++i)
            doc->AppendParaUI(text);
    }
    doc->Undo().Clear();
    return doc;
}

// One undo and one redo of a typed character per round.
void BM_UndoRedoTypedCharacter(benchmark::State& state)
{
    const auto doc = LongDocument();
    doc->Command(vycMovePos, TVYXLogPos(doc->Paras().GetParas(cParas / 2), 100));
    doc->Command(vycInsertAtCaret, u"x");
    TVYXUndo& undo = doc->Undo();
    for (auto _ : state) {
        benchmark::DoNotOptimize(undo.Undo());
        benchmark::DoNotOptimize(undo.Redo());
    }
    state.SetItemsProcessed(2 * state.iterations());
    state.SetLabel("items = undo or redo steps");
}

// Typing a character and Ctrl+Z through the editor's commands.
void BM_TypeThenUndoCommand(benchmark::State& state)
{
    const auto doc = LongDocument();
    doc->Command(vycMovePos, TVYXLogPos(doc->Paras().GetParas(cParas / 2), 100));
    for (auto _ : state) {
        doc->Command(vycInsertAtCaret, u"x");
        doc->Command(vycControlUndo);
    }
    state.SetItemsProcessed(state.iterations());
}

// Deleting 100 whole paragraphs, then undo and redo of that step.
void BM_UndoRedoHundredParagraphs(benchmark::State& state)
{
    const auto doc = LongDocument();
    doc->Command(vycMovePos, TVYXLogPos(doc->Paras().GetParas(1000), 3));
    doc->Command(vycSelectToPos, TVYXLogPos(doc->Paras().GetParas(1100), 3));
    doc->Command(vycDelSelection);
    TVYXUndo& undo = doc->Undo();
    for (auto _ : state) {
        benchmark::DoNotOptimize(undo.Undo());
        benchmark::DoNotOptimize(undo.Redo());
    }
    state.SetItemsProcessed(2 * state.iterations());
}

}  // namespace

BENCHMARK(BM_UndoRedoTypedCharacter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeThenUndoCommand)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedoHundredParagraphs)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
