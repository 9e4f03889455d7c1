// BodyBench.cpp: a large body (100,000 paragraphs, 1,000 tables nested up to 4 deep): build time and memory,
// typing and deleting at random places, Enter and Backspace, and comparing random positions.
// Enter and Backspace also run on a body a tenth of the size: the rate must not fall as the body grows.
// Walking every run in reading order shows that navigation stays cheap.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "model/VYXDocSection.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"
#include "model/VYXLogPos.h"

namespace {
constexpr int cParas = 100000;
constexpr int cParasPerChain = 400;  // each chain a table with three more nested in its first cell: 1,000 tables
constexpr int cDepth = 4;

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key)
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
    return 0;
}

struct TBigDoc {
    TVYXLogDocument Doc;
    TVYXLogParas* Body = &Doc.Paras();
    std::vector<TVYXLogPara*> All;  // every paragraph, nested ones included
    double BuildSeconds = 0;
    long BuildKiB = 0;

    explicit TBigDoc(int paraCount)
    {
        // A text column of 450 pt.
        Doc.SEP().MargLeft = Doc.SEP().MargRight = 0;
        Doc.SEP().SetPageWidth(450);
        const long before = ResidentKiB();
        const auto start = std::chrono::steady_clock::now();
        int paras = 0;
        while (paras < paraCount) {
            Body->AppendPara(u"The quick brown fox jumps over the lazy dog, again and again.");
            ++paras;
            if (paras % cParasPerChain == 0 && paras < paraCount) {
                TVYXTable* table = Body->AddTable(2, 2);
                for (int depth = 1; depth < cDepth; ++depth)
                    table = table->FirstCell()->Paras().AddTable(2, 1);
            }
        }
        BuildSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        BuildKiB = ResidentKiB() - before;
        TVYXLogParasIterator it;
        it.ParaEvent = [this](TVYXLogPara& p) { All.push_back(&p); };
        it.Iterate(*Body);
    }
};

TBigDoc& Doc(int paraCount = cParas)
{
    static std::map<int, std::unique_ptr<TBigDoc>> docs;
    auto& doc = docs[paraCount];
    if (!doc)
        doc = std::make_unique<TBigDoc>(paraCount);
    return *doc;
}

void BM_BuildBody(benchmark::State& state)
{
    for (auto _ : state) {
        TBigDoc& doc = Doc();
        benchmark::DoNotOptimize(doc.Body->Count());
    }
    state.counters["build_s"] = Doc().BuildSeconds;
    state.counters["build_MiB"] = static_cast<double>(Doc().BuildKiB) / 1024.0;
    state.counters["paragraphs"] = static_cast<double>(Doc().All.size());
}

void BM_TypeAndDelete(benchmark::State& state)
{
    TBigDoc& doc = Doc();
    std::mt19937 rng(7);
    for (auto _ : state) {
        TVYXLogPara* p = doc.All[rng() % doc.All.size()];
        const auto pos = static_cast<std::int32_t>(1 + rng() % static_cast<unsigned>(p->EndOfParaPos()));
        p->InsertText(u"x", pos);
        p->DeleteText(pos, pos + 1, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void BM_EnterAndBackspace(benchmark::State& state)
{
    TBigDoc& doc = Doc(static_cast<int>(state.range(0)));
    std::mt19937 rng(11);
    for (auto _ : state) {
        TVYXLogPara* p = doc.All[rng() % doc.All.size()];
        TVYXLogParas& list = *p->Paras();
        const std::int32_t pos = 2 + static_cast<std::int32_t>(rng() % 20);
        list.SplitAtPos(*p, pos);
        list.MergeNext(p->Index());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// Reading order across the whole body, into and out of every table, one run at a time.
void BM_WalkRuns(benchmark::State& state)
{
    TBigDoc& doc = Doc();
    std::int64_t runs = 0;
    for (auto _ : state) {
        TVYXCharRunIterator it;
        it.Paras = doc.Body;
        for (bool more = it.BeginIterate(); more; more = it.IterateNext())
            ++runs;
    }
    state.SetItemsProcessed(runs);
}

void BM_ComparePositions(benchmark::State& state)
{
    TBigDoc& doc = Doc();
    std::mt19937 rng(3);
    int sum = 0;
    for (auto _ : state) {
        const TVYXLogPos a(doc.All[rng() % doc.All.size()], 1), b(doc.All[rng() % doc.All.size()], 2);
        sum += a.Less(b) ? 1 : 0;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}
}  // namespace

// The reading benchmarks run before the editing ones: hundreds of thousands of edits leave
// paragraphs with more, scattered runs, which would make the reading figures depend on how
// fast the edits ran.
BENCHMARK(BM_BuildBody)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComparePositions);
BENCHMARK(BM_WalkRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAndDelete);
BENCHMARK(BM_EnterAndBackspace)->Arg(cParas / 10)->Arg(cParas);
BENCHMARK_MAIN();
