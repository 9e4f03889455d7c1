// UndoBench.cpp: undo and redo in a 300-page document (3,000 paragraphs of about 500
// characters): one typed character, typing with undo through the commands, and the
// deletion of 100 paragraphs; and a whole editing session of 1,000 commands undone
// and redone.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
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

// 1,000 seeded commands (typing, deleting, formatting, paragraphs, lists, a table now
// and then) on a 30-page document; each round undoes every step and redoes them all.
void BM_UndoRedoThousandStepSession(benchmark::State& state)
{
    auto doc = std::make_unique<TVYXLogDocEditor>();
    {
        TVYXEditorUpdate update(*doc);
        for (int i = 0; i < 300; ++i)
            doc->AppendParaUI(u"A paragraph of ordinary length with a few words in it, and some more words.");
    }
    doc->Undo().Clear();
    const TVYXCommand commands[] = {vycMoveWordRight, vycMoveParaDown, vycSelectWordRight, vycFormatBold,
                                    vycFormatItalic, vycDelCharLeft, vycDelWordRight, vycControlNewPara,
                                    vycFormatParaCenter, vycFormatParaBullet, vycSelectParaDown, vycDelSelection,
                                    vycFormatIncFont, vycMoveParaUp, vycControlTab};
    std::mt19937 rng(7u);
    for (int step = 0; step < 1000; ++step) {
        const unsigned pick = rng() % 20;
        if (pick < 5)
            doc->Command(vycInsertAtCaret, u"typed words ");
        else if (pick == 5)
            doc->Command(vycInsertTableAtCaret, 2, 2);
        else
            doc->Command(commands[rng() % std::size(commands)]);
    }
    TVYXUndo& undo = doc->Undo();
    const int groups = undo.UndoCount();
    for (auto _ : state) {
        while (undo.Undo()) {
        }
        while (undo.Redo()) {
        }
    }
    state.SetItemsProcessed(2 * groups * state.iterations());
    state.SetLabel("items = undo or redo steps, " + std::to_string(groups) + " groups");
}

}  // namespace

BENCHMARK(BM_UndoRedoThousandStepSession)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoTypedCharacter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeThenUndoCommand)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedoHundredParagraphs)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
