// BenchFormula.cpp: evaluations per second of an encoded formula, formulas tokenized and encoded per second.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncHandlers.h"
#include "formula/VYXTokenizer.h"
#include "platform/VYXErrors.h"

namespace {

// Stand-ins with the shape of the library's handlers, so the calls cost what real ones do.
void Sum(TXLSFuncCall& call)
{
    double sum = 0;
    for (int i = 0; i < call.ArgCount; ++i) {
        double v = 0;
        if (!call.Stack.PopResFloat(v))
            return;
        sum += v;
    }
    call.Stack.PushFloat(sum);
}

void Abs(TXLSFuncCall& call)
{
    double v = 0;
    if (call.Stack.PopResFloat(v))
        call.Stack.PushFloat(std::fabs(v));
}

// Ten operators (nine binary, one unary minus) and two function calls.
constexpr char16_t cTenOperators[] = u"1+2*3-4/5+SUM(6,7,8)*2^2-ABS(-9)/3>=10";

const char16_t* const cMixed[] = {
    u"1+2*3",
    u"SUM(A1:B10)*2",
    u"IF(A1>0,\"positive\",\"not positive\")",
    u"ROUND(PRICE*(1+TAX%),2)",
    u"'Sales 2024'!C3&\" units\"",
    u"-2^2+{1,2;3,4}",
    u"AVERAGE($B$2:$B$100)-MIN(B:B)",
    u"A1 B2+MYFUNC(1, 2, \"x\")",
};

void BM_EvaluateEncoded(benchmark::State& state)
{
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    std::vector<std::uint8_t> ptgs;
    if (!XLSEncodeFormula(manager, cTenOperators, ptgs)) {
        state.SkipWithError("encoding failed");
        return;
    }
    TXLSFunctionLibrary library;
    library.Register(4, Sum);
    library.Register(24, Abs);
    TXLSFormulaEvaluator evaluator(manager);
    evaluator.SetFunctionLibrary(library);
    for (auto _ : state) {
        TXLSFormulaValue v = evaluator.Evaluate(0, 0, 0, ptgs);
        benchmark::DoNotOptimize(v.vBool);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateEncoded);

void BM_TokenizeEncode(benchmark::State& state)
{
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    std::vector<std::uint8_t> ptgs;
    std::size_t i = 0;
    for (auto _ : state) {
        XLSEncodeFormula(manager, cMixed[i++ % std::size(cMixed)], ptgs);
        benchmark::DoNotOptimize(ptgs.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TokenizeEncode);

void BM_TokenizeEncodeTenOperators(benchmark::State& state)
{
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    std::vector<std::uint8_t> ptgs;
    for (auto _ : state) {
        XLSEncodeFormula(manager, cTenOperators, ptgs);
        benchmark::DoNotOptimize(ptgs.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TokenizeEncodeTenOperators);

}  // namespace

BENCHMARK_MAIN();
