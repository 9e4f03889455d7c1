// SpellBench.cpp: spell-checking a 100-page document, the walk's overhead over calling
// Hunspell alone on the same words, and the re-check after one typed character in a
// 300-page document. Needs the system's en_US dictionary (hunspell-en-us).
#include <benchmark/benchmark.h>

#include <hunspell/hunspell.h>

#include <time.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/VYXLogDocument.h"
#include "platform/VYXUnicode.h"
#include "spell/VYXSpellCheck.h"
#include "spell/VYXSpellQueue.h"

namespace {
constexpr int cWordsPerPage = 500;
constexpr int cWordsPerPara = 100;

// Prose of common words with punctuation, a contraction now and then and one
// misspelling in about a hundred words; fixed seed.
std::u16string MakeText(int pages)
{
    static const char* const words[] = {"the", "document", "of", "paragraph", "and", "page", "invoice", "total",
                                        "we", "received", "letter", "committee", "it's", "don't", "well-known",
                                        "customer", "agreement", "between", "shall", "recieve", "a", "to"};
    std::mt19937 random(7);
    std::string text;
    const int total = pages * cWordsPerPage;
    for (int w = 1; w <= total; ++w) {
        std::size_t pick = random() % std::size(words);
        if (pick == 19 && random() % 5 != 0)  // keep the misspelling to about one in a hundred
            pick = 0;
        text += words[pick];
        text += w % cWordsPerPara == 0 ? ".\r\n" : w % 13 == 0 ? ", " : " ";
    }
    return Utf8ToUtf16(text);
}

struct TFixture {
    TVYXLogDocument Doc;
    TVYXSpellChecker Checker;
    bool Ready = false;
    explicit TFixture(int pages)
    {
        Doc.SetPlainText(MakeText(pages));
        Ready = Checker.BeginCheck("en_US");
    }
};

void BM_CheckDocument100Pages(benchmark::State& state)
{
    TFixture f(100);
    if (!f.Ready) {
        state.SkipWithError(f.Checker.Message().c_str());
        return;
    }
    std::int64_t words = 0;
    for (auto _ : state) {
        f.Checker.BeginCheck("en_US");
        f.Checker.Check(f.Doc.Paras());
        words += f.Checker.WordCount();
    }
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
    state.counters["errors"] = f.Checker.ErrorCount();
}
BENCHMARK(BM_CheckDocument100Pages)->Unit(benchmark::kMillisecond);

// Both in each iteration, so load on the machine hits them alike: the document
// check, and Hunspell_spell on the same words already encoded (what any caller
// would pay at least). The counter is the walk's share over Hunspell alone.
void BM_WalkOverheadOverHunspell(benchmark::State& state)
{
    TFixture f(100);
    if (!f.Ready) {
        state.SkipWithError(f.Checker.Message().c_str());
        return;
    }
    auto& impl = static_cast<TVYXSpellCheckerHunSpell&>(f.Checker.Impl());
    std::vector<std::string> encoded;
    f.Checker.MisspelledEvent = nullptr;
    for (int i = 0; i < f.Doc.Paras().Count(); ++i) {
        const std::u16string text = f.Doc.Paras().GetItems(i)->GetPlainText();
        std::vector<TVYXSpellWord> words;
        VYXSpellWords(text, words);
        for (const auto& w : words) {
            std::string bytes;
            impl.Encode(std::u16string_view(text).substr(w.Start, w.Length), bytes);
            encoded.push_back(std::move(bytes));
        }
    }
    auto* handle = static_cast<Hunhandle*>(impl.Handle());
    f.Checker.Check(f.Doc.Paras());  // marks in place, as a re-check finds them
    // Thread CPU time: other processes on a loaded machine do not count.
    auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    };
    double walk = 0, alone = 0;
    for (auto _ : state) {
        const double t0 = now();
        f.Checker.Check(f.Doc.Paras());
        const double t1 = now();
        int correct = 0;
        for (const std::string& w : encoded)
            correct += Hunspell_spell(handle, w.c_str());
        const double t2 = now();
        benchmark::DoNotOptimize(correct);
        walk += t1 - t0;
        alone += t2 - t1;
    }
    state.counters["words"] = static_cast<double>(encoded.size());
    state.counters["hunspell_ms"] = alone * 1000 / static_cast<double>(state.iterations());
    state.counters["check_ms"] = walk * 1000 / static_cast<double>(state.iterations());
    state.counters["overhead_%"] = alone > 0 ? (walk - alone) / alone * 100 : 0;
}
BENCHMARK(BM_WalkOverheadOverHunspell)->Unit(benchmark::kMillisecond)->Iterations(30);

// Typing into the middle of a 300-page document and re-checking: the queue holds
// only the touched paragraph. Iterations alternate typing a letter and deleting it.
void BM_RecheckAfterTyping300Pages(benchmark::State& state)
{
    TFixture f(300);
    if (!f.Ready) {
        state.SkipWithError(f.Checker.Message().c_str());
        return;
    }
    f.Checker.Check(f.Doc.Paras());
    TVYXSpellQueue queue(f.Doc);
    TVYXDocAddress at;
    at.Item = f.Doc.Paras().Count() / 2;
    at.CharPos = 5;
    bool typed = false;
    int checked = 0;
    for (auto _ : state) {
        if (typed) {
            TVYXDocAddress after = at;
            after.CharPos += 1;
            f.Doc.RemoveContent({at, after});
        } else {
            f.Doc.InsertText(at, u"x");
        }
        typed = !typed;
        checked += f.Checker.Check(queue);
    }
    state.counters["paras/recheck"] = static_cast<double>(checked) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RecheckAfterTyping300Pages)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
