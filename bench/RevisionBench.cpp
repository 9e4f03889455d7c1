// RevisionBench.cpp: collecting tracked changes over a long document and resolving them all.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/VYXFields.h"
#include "model/VYXRevision.h"

namespace {
// Paragraphs of ten runs, every third run inserted or deleted by one of three authors.
class TBody : public TVYXParaWalker {
public:
    std::vector<std::unique_ptr<TVYXCharRuns>> Lists;
    std::vector<TVYXParaRef> Paras() const override
    {
        std::vector<TVYXParaRef> refs;
        refs.reserve(Lists.size());
        for (const auto& l : Lists)
            refs.push_back({reinterpret_cast<TVYXLogPara*>(l.get()), l.get(), nullptr});
        return refs;
    }
    bool RemovePara(TVYXLogPara* para) override
    {
        std::erase_if(Lists, [&](const auto& l) { return reinterpret_cast<TVYXLogPara*>(l.get()) == para; });
        return true;
    }
};

void Fill(TBody& body, TVYXRevision& rev, int paras)
{
    const char16_t* authors[] = {u"Ann", u"Bob", u"Cid"};
    for (int p = 0; p < paras; ++p) {
        body.Lists.push_back(std::make_unique<TVYXCharRuns>());
        for (int r = 0; r < 10; ++r) {
            TVYXCharRun* run = body.Lists.back()->Add();
            run->SetRawText(u"some words ");
            if (r % 3 == 1)
                run->AddRevision(rev.Add(authors[(p + r) % 3], r % 2 ? artInsert : artDelete));
        }
    }
}

void BM_RevisionCollect(benchmark::State& state)
{
    TVYXRevision rev;  // outlives the body, whose revision data report to it
    TBody body;
    rev.Paras = &body;
    Fill(body, rev, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        rev.Collect();
        benchmark::DoNotOptimize(rev.Ranges.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 10);  // runs walked
}
BENCHMARK(BM_RevisionCollect)->Arg(100)->Arg(1000);

void BM_RevisionAcceptAll(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        TVYXRevision rev;  // outlives the body, whose revision data report to it
        TBody body;
        rev.Paras = &body;
        Fill(body, rev, static_cast<int>(state.range(0)));
        state.ResumeTiming();
        rev.AcceptAll();
        benchmark::DoNotOptimize(rev.Ranges.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 3);  // changes resolved
}
BENCHMARK(BM_RevisionAcceptAll)->Arg(100)->Unit(benchmark::kMillisecond);
}  // namespace
BENCHMARK_MAIN();
