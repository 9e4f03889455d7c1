// VYXMaskBench.cpp: values formatted per second through common masks, and kernel calls per second.
#include "formula/VYXDateTime.h"
#include "formula/VYXFinance.h"
#include "formula/VYXMask.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {
constexpr std::array<const char16_t*, 8> cMasks{
    u"0.00", u"#,##0.00", u"0%", u"0.00E+00", u"#,##0;[Red](#,##0)", u"dd.mm.yyyy", u"h:mm AM/PM", u"General",
};

// A spread of values so that digit counts, signs and dates vary as in a report column.
double Value(std::size_t i)
{
    return (static_cast<double>(i % 1000) - 300) * 137.731 + 45292.0;
}

void BM_FormatNumber(benchmark::State& state)
{
    TExcelMask mask(cMasks[static_cast<std::size_t>(state.range(0))]);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(mask.FormatNumber(Value(i++)));
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(std::string(mask.Mask().begin(), mask.Mask().end()));
}
BENCHMARK(BM_FormatNumber)->DenseRange(0, static_cast<int>(cMasks.size()) - 1);

void BM_SetMask(benchmark::State& state)
{
    TExcelMask mask;
    for (auto _ : state)
        mask.SetMask(u"#,##0.00_);[Red](#,##0.00);\"-\";@");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetMask);

void BM_DecodeDate(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(VYXDecodeDate(Value(i++)));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeDate);

void BM_YearFracActual(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(VYXYearFrac(40000, Value(i++), 1));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_YearFracActual);

void BM_Rate(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(VYXRATE(360, -1000, 150000, 0, 0, 0.1));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Rate);

void BM_Irr(benchmark::State& state)
{
    const std::vector<double> flows{-70000, 12000, 15000, 18000, 21000, 26000};
    for (auto _ : state)
        benchmark::DoNotOptimize(VYXIRR(flows, 0.1));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Irr);
}  // namespace

BENCHMARK_MAIN();
