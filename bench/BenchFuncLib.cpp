// BenchFuncLib.cpp: evaluations per second of the forty most used spreadsheet functions (VLOOKUP twice),
// of add-in functions and array constants, and of the conditional aggregates over 10,000 cells and of the searching distribution inverses.
//
// Each formula is encoded once and evaluated in the loop; areas point at a
// 100 x 2 block of numbers and text in a grid store (A1:A100 numbers 1..100,
// B1:B100 the texts "k1".."k100").
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncLibrary.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"

namespace {

struct TBenchCase {
    const char* Name;
    const char16_t* Formula;
};

const TBenchCase cCases[] = {
    {"SUM", u"SUM(A1:A100)"},
    {"AVERAGE", u"AVERAGE(A1:A100)"},
    {"COUNT", u"COUNT(A1:B100)"},
    {"COUNTA", u"COUNTA(A1:B100)"},
    {"MIN", u"MIN(A1:A100)"},
    {"MAX", u"MAX(A1:A100)"},
    {"IF", u"IF(3>2,\"yes\",\"no\")"},
    {"AND", u"AND(TRUE,1,2>1)"},
    {"OR", u"OR(FALSE,0,2>1)"},
    {"NOT", u"NOT(FALSE)"},
    {"ROUND", u"ROUND(1234.5678,2)"},
    {"ROUNDUP", u"ROUNDUP(1234.5678,2)"},
    {"ROUNDDOWN", u"ROUNDDOWN(1234.5678,2)"},
    {"INT", u"INT(-12.5)"},
    {"ABS", u"ABS(-12.5)"},
    {"MOD", u"MOD(17,5)"},
    {"SQRT", u"SQRT(2)"},
    {"POWER", u"POWER(1.05,12)"},
    {"SUMIF", u"SUMIF(A1:A100,\">50\")"},
    {"SUMPRODUCT", u"SUMPRODUCT(A1:A100,A1:A100)"},
    {"VLOOKUP", u"VLOOKUP(50,A1:B100,2)"},
    {"VLOOKUP exact", u"VLOOKUP(50,A1:B100,2,FALSE)"},
    {"MATCH", u"MATCH(\"k50\",B1:B100,0)"},
    {"CHOOSE", u"CHOOSE(2,\"a\",\"b\",\"c\")"},
    {"IFERROR", u"IFERROR(1/0,0)"},
    {"LEFT", u"LEFT(\"spreadsheet\",6)"},
    {"MID", u"MID(\"spreadsheet\",3,4)"},
    {"LEN", u"LEN(\"spreadsheet\")"},
    {"TRIM", u"TRIM(\"  two   words  \")"},
    {"UPPER", u"UPPER(\"spreadsheet\")"},
    {"CONCATENATE", u"CONCATENATE(\"a\",1,\"b\")"},
    {"SUBSTITUTE", u"SUBSTITUTE(\"a-b-c\",\"-\",\"+\")"},
    {"FIND", u"FIND(\"e\",\"spreadsheet\")"},
    {"VALUE", u"VALUE(\"1,234.5\")"},
    {"DATE", u"DATE(2024,2,29)"},
    {"YEAR", u"YEAR(45351)"},
    {"TODAY", u"TODAY()"},
    {"PMT", u"PMT(0.05/12,360,200000)"},
    {"NPV", u"NPV(0.1,A1:A100)"},
    {"STDEV", u"STDEV(A1:A100)"},
    {"MEDIAN", u"MEDIAN(A1:A100)"},
};

// Add-ins run through the user-function event, as a host installs them.
const TBenchCase cAddInCases[] = {
    {"GCD", u"GCD(120,84,36)"},
    {"XLOOKUP", u"XLOOKUP(\"k50\",B1:B100,A1:A100)"},
    {"TEXTJOIN", u"TEXTJOIN(\",\",TRUE,B1:B10)"},
    {"MAXIFS", u"MAXIFS(A1:A100,A1:A100,\"<50\")"},
    {"DEC2HEX", u"DEC2HEX(255,4)"},
    {"CONVERT", u"CONVERT(68,\"F\",\"C\")"},
    {"SUM array", u"SUM({1,2,3;4,5,6})"},
    {"SUM SEQUENCE", u"SUM(SEQUENCE(10,10))"},
};

// Evaluates the formula over a grid of `rows` rows (A numbers 1..rows, B texts "k1".."k<rows>").
void RunFormula(benchmark::State& state, const char16_t* formula, int rows)
{
    XLSInitFunctionLibrary();
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    auto grid = std::make_unique<TXLSGridCellStore>();
    for (int r = 0; r < rows; ++r) {
        grid->SetFloat(0, r, r + 1);
        grid->SetString(1, r, u"k" + Utf8ToUtf16(std::to_string(r + 1)));
    }
    manager.SetCells(std::move(grid));
    std::vector<std::uint8_t> ptgs;
    if (!XLSEncodeFormula(manager, formula, ptgs)) {
        state.SkipWithError("encoding failed");
        return;
    }
    TXLSFormulaEvaluator evaluator(manager);
    evaluator.UserFunctionEvent = [](const std::u16string& name, TXLSUserFuncData& data) {
        XLSAddInFunction(name, data);
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluator.Evaluate(0, 5, 0, ptgs));
    state.SetItemsProcessed(state.iterations());
}

void BM_Function(benchmark::State& state, const char16_t* formula) { RunFormula(state, formula, 100); }

// Conditional aggregates over 10,000 rows (A numbers 1..10000, B texts
// "k1".."k10000"), and the distributions whose inverses search.
const TBenchCase cLargeCases[] = {
    {"COUNTIF 10k", u"COUNTIF(A1:A10000,\">5000\")"},
    {"COUNTIF text 10k", u"COUNTIF(B1:B10000,\"k5*\")"},
    {"SUMIF 10k", u"SUMIF(B1:B10000,\"<>k7\",A1:A10000)"},
    {"SUMIFS 10k", u"SUMIFS(A1:A10000,A1:A10000,\">100\",B1:B10000,\"<>k7\")"},
    {"COUNTIFS 10k", u"COUNTIFS(A1:A10000,\">100\",A1:A10000,\"<=9000\")"},
    {"AVERAGEIFS 10k", u"AVERAGEIFS(A1:A10000,B1:B10000,\"k?0\")"},
    {"COUNTIF column", u"COUNTIF(A:A,\"\")"},
    {"NORMSINV", u"NORMSINV(0.3)"},
    {"CHIINV", u"CHIINV(0.05,10)"},
    {"TINV", u"TINV(0.05,12)"},
    {"BETAINV", u"BETAINV(0.2,2,5)"},
    {"BINOMDIST", u"BINOMDIST(40,100,0.45,TRUE)"},
};

void BM_LargeRange(benchmark::State& state, const char16_t* formula) { RunFormula(state, formula, 10000); }

const bool cRegistered = [] {
    for (const TBenchCase& c : cCases)
        benchmark::RegisterBenchmark((std::string("BM_Function/") + c.Name).c_str(), BM_Function, c.Formula);
    for (const TBenchCase& c : cAddInCases)
        benchmark::RegisterBenchmark((std::string("BM_AddIn/") + c.Name).c_str(), BM_Function, c.Formula);
    for (const TBenchCase& c : cLargeCases)
        benchmark::RegisterBenchmark((std::string("BM_Table/") + c.Name).c_str(), BM_LargeRange, c.Formula);
    return true;
}();

}  // namespace
BENCHMARK_MAIN();
