// FacadeBench.cpp: what the user waits for after a key in a 300-page document.
//
// Each case times the whole road through the headless host: KeyPress or KeyDown ->
// the document edit -> its undo record -> relayout of the dirty paragraph and
// placement of every row -> paint of the visible page -> caret position. Every
// iteration is timed on its own, and the median and 99th percentile (milliseconds)
// are reported as counters beside the mean. Cases: a typed character, Enter,
// Backspace joining two paragraphs, and pasting ten RTF paragraphs from the clipboard.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "editing/VYXEditor.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "host/VYXHeadlessHost.h"
#include "layout/VYXPaginate.h"
#include "platform/VYXClipboard.h"

namespace {
constexpr int cTargetPages = 300;

const char16_t* const cSentences[] = {
    u"The committee met on Tuesday to review the quarterly figures and the plans for the coming year. ",
    u"Several members asked for more detail on the costs of the new building, which had risen again. ",
    u"After a long discussion the chair proposed to defer the decision until the next meeting in spring. ",
    u"The minutes were approved without changes, and the secretary read out the letters received. ",
};

// A host with a document of at least 300 A4 pages of ordinary paragraphs, the caret
// in the middle of page 150 and that page on screen.
std::unique_ptr<TVYXHeadlessHost> LongDocumentHost()
{
    auto host = std::make_unique<TVYXHeadlessHost>(1000, 800, 96);
    TVYXEditor& e = host->Editor();
    TVYXLogDocEditor& doc = e.MainDoc();
    int n = 0;
    while (true) {
        e.BeginUpdate();
        {
            TVYXEditorUpdate update(doc);
            for (int i = 0; i < 500; ++i, ++n) {
                std::u16string text;
                for (int s = 0; s < 3; ++s)
                    text += cSentences[(n + s) % 4];
                doc.AppendParaUI(text);
            }
        }
        e.EndUpdate();
        if (e.Paginator().Pages().Count() >= cTargetPages)
            break;
    }
    doc.Undo().Clear();
    TVYXLogParas& paras = doc.Paras();
    e.CommandUI(vycMovePos, TVYXLogPos(paras.GetParas(paras.Count() / 2), 40));
    host->ScrollToCaret();
    e.UpdateUI();
    return host;
}

void Report(benchmark::State& state, std::vector<double>& ms, std::vector<double>& cpu)
{
    if (ms.empty())
        return;
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    if (!cpu.empty()) {
        std::sort(cpu.begin(), cpu.end());
        state.counters["cpu_median_ms"] = cpu[cpu.size() / 2];
        state.counters["cpu_p99_ms"] = cpu[std::min(cpu.size() - 1, cpu.size() * 99 / 100)];
    }
}

double ThreadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Wall time of `action` in milliseconds; its CPU time goes to `cpu`. On a shared
// machine the CPU time is what the road costs, the wall time what a user would wait.
template <class TAction>
double TimeMs(std::vector<double>& cpu, TAction&& action)
{
    const double cpu0 = ThreadCpuMs();
    const auto start = std::chrono::steady_clock::now();
    action();
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    cpu.push_back(ThreadCpuMs() - cpu0);
    return wall;
}

void BM_TypeCharacter(benchmark::State& state)
{
    auto host = LongDocumentHost();
    TVYXEditor& e = host->Editor();
    std::vector<double> ms;
    std::vector<double> cpu;
    int typed = 0;
    for (auto _ : state) {
        const double t = TimeMs(cpu, [&] { e.KeyPress(static_cast<char16_t>(u'a' + typed % 26)); });
        state.SetIterationTime(t / 1000);
        ms.push_back(t);
        if (++typed % 60 == 0)  // a word break now and then, as in real text
            e.KeyPress(u' ');
    }
    state.counters["pages"] = e.Paginator().Pages().Count();
    Report(state, ms, cpu);
}

void BM_Enter(benchmark::State& state)
{
    auto host = LongDocumentHost();
    std::vector<double> ms;
    std::vector<double> cpu;
    for (auto _ : state) {
        const double t = TimeMs(cpu, [&] { host->Key(vykReturn, vyssNone); });
        state.SetIterationTime(t / 1000);
        ms.push_back(t);
    }
    Report(state, ms, cpu);
}

void BM_BackspaceJoinsParagraphs(benchmark::State& state)
{
    auto host = LongDocumentHost();
    TVYXEditor& e = host->Editor();
    std::vector<double> ms;
    std::vector<double> cpu;
    for (auto _ : state) {
        // Untimed: the caret to the start of the next paragraph.
        e.CommandUI(vycMoveParaDown);
        e.CommandUI(vycMoveBeginningOfPara);
        const double t = TimeMs(cpu, [&] { host->Key(vykBack, vyssNone); });
        state.SetIterationTime(t / 1000);
        ms.push_back(t);
    }
    Report(state, ms, cpu);
}

void BM_PasteTenRtfParagraphs(benchmark::State& state)
{
    auto host = LongDocumentHost();
    std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 ";
    for (int i = 0; i < 10; ++i)
        rtf += "Pasted paragraph " + std::to_string(i + 1) + " with {\\b bold} and {\\i italic} words in it.\\par ";
    rtf += "}";
    std::vector<double> ms;
    std::vector<double> cpu;
    for (auto _ : state) {
        host->Clipboard().Clear();
        host->Clipboard().PutRTF(rtf);
        const double t = TimeMs(cpu, [&] { host->Key(static_cast<TVYXKey>('V'), vyssCtrl); });
        state.SetIterationTime(t / 1000);
        ms.push_back(t);
    }
    Report(state, ms, cpu);
}
}  // namespace

BENCHMARK(BM_TypeCharacter)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Enter)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BackspaceJoinsParagraphs)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteTenRtfParagraphs)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
