// VYXFuncStat.cpp: handlers of the counting, averaging, dispersion, rank and regression functions.
//
// The statistics follow their usual definitions (sample forms divide by
// n - 1). Where programs differ on an empty or degenerate data set the
// handlers give the reference program's answer: MODE without a repeated
// value, SMALL and RANK outside the data, and PERCENTRANK outside the range
// give #VALUE!; PERCENTRANK rounds to its significance.
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncCommon.h"

namespace {

using TStatFn = TVYXNumResult (*)(std::vector<double>&);
using TResult = TVYXNumResult;

double Sum(const std::vector<double>& v)
{
    double s = 0;
    for (double x : v)
        s += x;
    return s;
}

double Mean(const std::vector<double>& v) { return Sum(v) / static_cast<double>(v.size()); }

double SumSquaredDeviations(const std::vector<double>& v)
{
    const double m = Mean(v);
    double s = 0;
    for (double x : v)
        s += (x - m) * (x - m);
    return s;
}

TResult Average(std::vector<double>& v) { return v.empty() ? TResult::Fail(vneDiv0) : TResult::Ok(Mean(v)); }
TResult Count(std::vector<double>& v) { return TResult::Ok(static_cast<double>(v.size())); }
TResult SumOf(std::vector<double>& v) { return TResult::Ok(Sum(v)); }
TResult Max(std::vector<double>& v) { return TResult::Ok(v.empty() ? 0 : *std::max_element(v.begin(), v.end())); }
TResult Min(std::vector<double>& v) { return TResult::Ok(v.empty() ? 0 : *std::min_element(v.begin(), v.end())); }

TResult Product(std::vector<double>& v)
{
    double p = v.empty() ? 0 : 1;
    for (double x : v)
        p *= x;
    return TResult::Ok(p);
}

template <bool Sample, bool Root>
TResult Variance(std::vector<double>& v)
{
    const std::size_t n = v.size();
    if (n < (Sample ? 2u : 1u))
        return TResult::Fail(vneDiv0);
    const double var = SumSquaredDeviations(v) / static_cast<double>(Sample ? n - 1 : n);
    return TResult::Ok(Root ? std::sqrt(var) : var);
}

TResult DevSq(std::vector<double>& v) { return TResult::Ok(v.empty() ? 0 : SumSquaredDeviations(v)); }

TResult AveDev(std::vector<double>& v)
{
    if (v.empty())
        return TResult::Fail(vneNum);
    const double m = Mean(v);
    double s = 0;
    for (double x : v)
        s += std::fabs(x - m);
    return TResult::Ok(s / static_cast<double>(v.size()));
}

TResult GeoMean(std::vector<double>& v)
{
    if (v.empty())
        return TResult::Fail(vneNum);
    double logs = 0;
    for (double x : v) {
        if (x <= 0)
            return TResult::Fail(vneNum);
        logs += std::log(x);
    }
    return TResult::Ok(std::exp(logs / static_cast<double>(v.size())));
}

// Any value not above zero gives #NUM!.
TResult HarMean(std::vector<double>& v)
{
    if (v.empty())
        return TResult::Fail(vneNum);
    double s = 0;
    for (double x : v) {
        if (x <= 0)
            return TResult::Fail(vneNum);
        s += 1 / x;
    }
    return TResult::Ok(static_cast<double>(v.size()) / s);
}

TResult Median(std::vector<double>& v)
{
    if (v.empty())
        return TResult::Fail(vneNum);
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return TResult::Ok(n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

// The most frequent value; among equally frequent ones the first in argument order.
TResult Mode(std::vector<double>& v)
{
    std::unordered_map<double, int> counts;
    for (double x : v)
        ++counts[x];
    int best = 1;
    double mode = 0;
    for (double x : v)
        if (counts[x] > best) {
            best = counts[x];
            mode = x;
        }
    return best > 1 ? TResult::Ok(mode) : TResult::Fail(vneValue);
}

// The sum of the standardized values (sample deviation) to the given power;
// false when there are fewer than `least` values or no spread.
bool StandardizedMoment(const std::vector<double>& v, std::size_t least, int power, double& sum)
{
    const double n = static_cast<double>(v.size());
    if (v.size() < least)
        return false;
    const double m = Mean(v), sd = std::sqrt(SumSquaredDeviations(v) / (n - 1));
    if (sd == 0)
        return false;
    sum = 0;
    for (double x : v)
        sum += std::pow((x - m) / sd, power);
    return true;
}

TResult Kurt(std::vector<double>& v)
{
    const double n = static_cast<double>(v.size());
    double s = 0;
    if (!StandardizedMoment(v, 4, 4, s))
        return TResult::Fail(vneDiv0);
    return TResult::Ok(n * (n + 1) / ((n - 1) * (n - 2) * (n - 3)) * s - 3 * (n - 1) * (n - 1) / ((n - 2) * (n - 3)));
}

TResult Skew(std::vector<double>& v)
{
    const double n = static_cast<double>(v.size());
    double s = 0;
    if (!StandardizedMoment(v, 3, 3, s))
        return TResult::Fail(vneDiv0);
    return TResult::Ok(n / ((n - 1) * (n - 2)) * s);
}

// The k-th smallest (or largest) value, k from 1. A fractional k counts from
// the bottom, so SMALL rounds it up and LARGE down (LARGE(k) = SMALL(n + 1 - k)).
template <bool Largest>
TResult KthValue(std::vector<double>& v, double k)
{
    const double kk = Largest ? std::floor(k) : std::ceil(k);
    if (v.empty() || kk < 1 || kk > static_cast<double>(v.size()))
        return TResult::Fail(vneValue);
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(kk) - 1;
    return TResult::Ok(Largest ? v[v.size() - 1 - i] : v[i]);
}

// Linear interpolation at a 0-based fractional rank of the sorted data.
double AtRank(const std::vector<double>& sorted, double rank)
{
    const auto i = static_cast<std::size_t>(std::floor(rank));
    const double f = rank - std::floor(rank);
    return i + 1 < sorted.size() ? sorted[i] + f * (sorted[i + 1] - sorted[i]) : sorted[i];
}

TResult PercentileInc(std::vector<double>& v, double k)
{
    if (v.empty() || k < 0 || k > 1)
        return TResult::Fail(vneNum);
    std::sort(v.begin(), v.end());
    return TResult::Ok(AtRank(v, k * static_cast<double>(v.size() - 1)));
}

TResult PercentileExc(std::vector<double>& v, double k)
{
    const double n = static_cast<double>(v.size());
    const double rank = k * (n + 1);
    if (v.empty() || k <= 0 || k >= 1 || rank < 1 || rank > n)
        return TResult::Fail(vneNum);
    std::sort(v.begin(), v.end());
    return TResult::Ok(AtRank(v, rank - 1));
}

TResult QuartileInc(std::vector<double>& v, double q)
{
    q = std::trunc(q);
    if (q < 0 || q > 4)
        return TResult::Fail(vneNum);
    return PercentileInc(v, q / 4);
}

TResult QuartileExc(std::vector<double>& v, double q)
{
    q = std::trunc(q);
    if (q <= 0 || q >= 4)
        return TResult::Fail(vneNum);
    return PercentileExc(v, q / 4);
}

TResult TrimMean(std::vector<double>& v, double percent)
{
    if (v.empty() || percent < 0 || percent >= 1)
        return TResult::Fail(vneNum);
    std::sort(v.begin(), v.end());
    // The trimmed count is rounded down to an even number, half from each end.
    const auto cut = static_cast<std::size_t>(std::floor(static_cast<double>(v.size()) * percent / 2));
    double s = 0;
    for (std::size_t i = cut; i < v.size() - cut; ++i)
        s += v[i];
    return TResult::Ok(s / static_cast<double>(v.size() - 2 * cut));
}

// PERCENTRANK: the share of values below x; exclusive counts 1..n+1 in n+1.
TResult PercentRank(std::vector<double>& v, double x, double significance, bool exclusive)
{
    significance = std::trunc(significance);
    if (v.empty() || significance < 1)
        return TResult::Fail(vneNum);
    std::sort(v.begin(), v.end());
    const double n = static_cast<double>(v.size());
    if (x < v.front() || x > v.back())
        return TResult::Fail(vneValue);
    if (!exclusive && v.size() == 1)
        return x == v[0] ? TResult::Ok(1) : TResult::Fail(vneValue);
    const auto at = std::lower_bound(v.begin(), v.end(), x);
    double below = static_cast<double>(at - v.begin());
    if (*at != x) {
        // Between two values: interpolate between their ranks.
        const double lo = *(at - 1), hi = *at;
        below = below - 1 + (x - lo) / (hi - lo);
    }
    const double r = exclusive ? (below + 1) / (n + 1) : below / (n - 1);
    return VYXRound(r, significance);
}

TResult PercentRankInc(std::vector<double>& v, double x, double sig) { return PercentRank(v, x, sig, false); }
TResult PercentRankExc(std::vector<double>& v, double x, double sig) { return PercentRank(v, x, sig, true); }

void PushStat(TValueStack& stack, TXLSCellError err, std::vector<double>& values, TStatFn f)
{
    if (stack.HandleError(err))
        XLSPushNumResult(stack, f(values));
}

template <TStatFn F, TXLSCollectMode M>
void DoStat(TXLSFuncCall& call)
{
    std::vector<double> values;
    const auto args = XLSPopArgs(call);
    PushStat(call.Stack, XLSCollectValues(call.Stack, args, M, values), values, F);
}

using TStatKFn = TResult (*)(std::vector<double>&, double);

// Functions of one data argument and a number after it (SMALL, QUARTILE, ...).
template <TStatKFn F>
void DoStatK(TXLSFuncCall& call)
{
    double k = 0;
    if (!call.Stack.PopResFloat(k))
        return;
    const TXLSFormulaValue* data = nullptr;
    call.Stack.PopRes(data);
    std::vector<double> values;
    if (call.Stack.HandleError(XLSCollectValues(call.Stack, {&data, 1}, xcmNumbers, values)))
        XLSPushNumResult(call.Stack, F(values, k));
}

using TStatXFn = TResult (*)(std::vector<double>&, double, double);

template <TStatXFn F>
void DoPercentRank(TXLSFuncCall& call)
{
    double x = 0, significance = 3;
    if (call.ArgCount > 2 && !call.Stack.PopResFloat(significance))
        return;
    if (!call.Stack.PopResFloat(x))
        return;
    const TXLSFormulaValue* data = nullptr;
    call.Stack.PopRes(data);
    std::vector<double> values;
    if (call.Stack.HandleError(XLSCollectValues(call.Stack, {&data, 1}, xcmNumbers, values)))
        XLSPushNumResult(call.Stack, F(values, x, significance));
}

void DoRank(TXLSFuncCall& call)
{
    bool ascending = false;
    double x = 0;
    if (call.ArgCount > 2 && !call.Stack.PopResBoolean(ascending))
        return;
    const TXLSFormulaValue* data = nullptr;
    call.Stack.PopRes(data);
    if (!call.Stack.PopResFloat(x))
        return;
    std::vector<double> values;
    if (!call.Stack.HandleError(XLSCollectValues(call.Stack, {&data, 1}, xcmNumbers, values)))
        return;
    int rank = 1;
    bool found = false;
    for (double v : values) {
        found = found || v == x;
        if (ascending ? v < x : v > x)
            ++rank;
    }
    if (found)
        call.Stack.PushInt(rank);
    else
        call.Stack.SetError(errValue);
}

// COUNT: numbers, and plain booleans and numeric text; errors are skipped.
int CountNumbers(const TValueStack& stack, std::span<const TXLSFormulaValue* const> args)
{
    int n = 0;
    TValStackIterator it(stack);
    for (const TXLSFormulaValue* arg : args) {
        it.BeginIterate(*arg, false);
        if (it.IsDirect()) {
            double d = 0;
            n += arg->ValType != xfvtUnknown && arg->ValType != xfvtError && stack.GetAsFloatNum(*arg, d) == errUnknown;
            continue;
        }
        while (it.NextFloat())
            ++n;
    }
    return n;
}

int CountNotEmpty(const TValueStack& stack, std::span<const TXLSFormulaValue* const> args)
{
    int n = 0;
    TValStackIterator it(stack);
    for (const TXLSFormulaValue* arg : args) {
        it.BeginIterate(*arg, false);
        if (it.IsDirect()) {
            n += arg->ValType != xfvtUnknown;
            continue;
        }
        while (it.NextNotEmpty())
            ++n;
    }
    return n;
}

void DoCount(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    call.Stack.PushInt(CountNumbers(call.Stack, args));
}

void DoCountA(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    call.Stack.PushInt(CountNotEmpty(call.Stack, args));
}

// Empty cells, and cells holding empty text, of one area.
void DoCountBlank(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    if (arg->RefType == xfrtNone) {
        call.Stack.SetError(errValue);
        return;
    }
    const double size = static_cast<double>(XLSArgRows(*arg)) * XLSArgCols(*arg);
    double filled = 0;
    TValStackIterator it(call.Stack);
    it.BeginIterate(*arg, false);
    while (it.NextNotEmpty())
        filled += !(it.PResult().ValType == xfvtString && it.PResult().vStr.empty());
    call.Stack.PushFloat(size - filled);
}

// The least-squares line through the pairs where both values are numbers.
struct TLinEstData {
    double B0 = 0, B1 = 0, seB0 = 0, seB1 = 0, R2 = 0, sigma = 0, SSr = 0, SSe = 0, F0 = 0;
    int df = 0;
    double Sxx = 0, Syy = 0, Sxy = 0;
    int N = 0;
};

// Reads (known_y, known_x) from the top of the arguments; false after pushing an error.
bool LinEst(TXLSFuncCall& call, TLinEstData& d)
{
    const TXLSFormulaValue *xArg = nullptr, *yArg = nullptr;
    call.Stack.PopRes(xArg);
    call.Stack.PopRes(yArg);
    std::vector<double> xs, ys;
    std::vector<bool> xn, yn;
    TXLSCellError err = XLSArgNumbers(call.Stack, *xArg, xs, xn);
    if (err == errUnknown)
        err = XLSArgNumbers(call.Stack, *yArg, ys, yn);
    if (err == errUnknown && xs.size() != ys.size())
        err = errNA;
    if (!call.Stack.HandleError(err))
        return false;
    double sx = 0, sy = 0;
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (xn[i] && yn[i]) {
            sx += xs[i];
            sy += ys[i];
            ++d.N;
        }
    if (d.N == 0)
        return call.Stack.HandleError(errDiv0);
    const double mx = sx / d.N, my = sy / d.N;
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (xn[i] && yn[i]) {
            d.Sxx += (xs[i] - mx) * (xs[i] - mx);
            d.Syy += (ys[i] - my) * (ys[i] - my);
            d.Sxy += (xs[i] - mx) * (ys[i] - my);
        }
    if (d.Sxx == 0)
        return call.Stack.HandleError(errDiv0);
    d.B1 = d.Sxy / d.Sxx;
    d.B0 = my - d.B1 * mx;
    d.SSr = d.B1 * d.Sxy;
    d.SSe = std::max(0.0, d.Syy - d.SSr);
    d.df = d.N - 2;
    d.R2 = d.Syy == 0 ? 1 : d.SSr / d.Syy;
    return true;
}

using TLinePick = TResult (*)(const TLinEstData& d);

TResult Slope(const TLinEstData& d) { return TResult::Ok(d.B1); }
TResult Intercept(const TLinEstData& d) { return TResult::Ok(d.B0); }
TResult Correl(const TLinEstData& d)
{
    return d.Syy == 0 ? TResult::Fail(vneDiv0) : TResult::Ok(d.Sxy / std::sqrt(d.Sxx * d.Syy));
}
TResult Rsq(const TLinEstData& d)
{
    return d.Syy == 0 ? TResult::Fail(vneDiv0) : TResult::Ok(d.Sxy * d.Sxy / (d.Sxx * d.Syy));
}
TResult Steyx(const TLinEstData& d) { return d.df < 1 ? TResult::Fail(vneDiv0) : TResult::Ok(std::sqrt(d.SSe / d.df)); }

// SLOPE, INTERCEPT, CORREL/PEARSON, RSQ and STEYX: one figure of the fitted line.
template <TLinePick F>
void DoLine(TXLSFuncCall& call)
{
    TLinEstData d;
    if (LinEst(call, d))
        XLSPushNumResult(call.Stack, F(d));
}

void DoForecast(TXLSFuncCall& call)
{
    TLinEstData d;
    if (!LinEst(call, d))
        return;
    double x = 0;
    if (call.Stack.PopResFloat(x))
        XLSPushChecked(call.Stack, d.B0 + d.B1 * x);
}

// SUBTOTAL and AGGREGATE codes 1..13 on collected numbers (2 and 3 count separately).
const TStatFn cSubtotalFns[] = {
    Average,   Count,          Count,         Max, Min, Product, Variance<true, true>, Variance<false, true>,
    SumOf,     Variance<true, false>, Variance<false, false>, Median, Mode,
};

void DoSubtotal(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    double code = 0;
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(*args[0], code)))
        return;
    int fn = static_cast<int>(std::trunc(code));
    if (fn > 100)
        fn -= 100;
    if (fn < 1 || fn > 11) {
        call.Stack.SetError(errValue);
        return;
    }
    const std::span<const TXLSFormulaValue* const> refs(args.data() + 1, args.size() - 1);
    if (fn == 2 || fn == 3) {
        call.Stack.PushInt(fn == 2 ? CountNumbers(call.Stack, refs) : CountNotEmpty(call.Stack, refs));
        return;
    }
    std::vector<double> values;
    PushStat(call.Stack, XLSCollectValues(call.Stack, refs, xcmNumbers, values), values,
             cSubtotalFns[static_cast<std::size_t>(fn - 1)]);
}

// The numbers of the arguments, skipping error values (AGGREGATE's options 2, 3, 6 and 7).
void CollectSkippingErrors(const TValueStack& stack, std::span<const TXLSFormulaValue* const> args,
                           std::vector<double>& out)
{
    TValStackIterator it(stack);
    for (const TXLSFormulaValue* arg : args) {
        it.BeginIterate(*arg, false);
        while (it.NextFloat())
            out.push_back(it.PResult().vFloat);
    }
}

const TStatKFn cAggregateKFns[] = {KthValue<true>, KthValue<false>, PercentileInc, QuartileInc, PercentileExc, QuartileExc};

void DoAggregate(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    double code = 0, options = 0;
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(*args[0], code)) ||
        !call.Stack.HandleError(call.Stack.GetAsFloat(*args[1], options)))
        return;
    const int fn = static_cast<int>(std::trunc(code)), opt = static_cast<int>(std::trunc(options));
    if (fn < 1 || fn > 19 || opt < 0 || opt > 7 || args.size() < 3) {
        call.Stack.SetError(errValue);
        return;
    }
    const bool skipErrors = opt == 2 || opt == 3 || opt == 6 || opt == 7;
    std::size_t dataEnd = args.size();
    double k = 0;
    if (fn >= 14) {
        if (args.size() < 4) {
            call.Stack.SetError(errValue);
            return;
        }
        if (!call.Stack.HandleError(call.Stack.GetAsFloat(*args.back(), k)))
            return;
        --dataEnd;
    }
    const std::span<const TXLSFormulaValue* const> refs(args.data() + 2, dataEnd - 2);
    std::vector<double> values;
    TXLSCellError err = errUnknown;
    if (fn == 3) {
        call.Stack.PushInt(CountNotEmpty(call.Stack, refs));
        return;
    }
    if (skipErrors)
        CollectSkippingErrors(call.Stack, refs, values);
    else
        err = XLSCollectValues(call.Stack, refs, xcmNumbers, values);
    if (!call.Stack.HandleError(err))
        return;
    if (fn >= 14)
        XLSPushNumResult(call.Stack, cAggregateKFns[static_cast<std::size_t>(fn - 14)](values, k));
    else
        XLSPushNumResult(call.Stack, cSubtotalFns[static_cast<std::size_t>(fn - 1)](values));
}

const TXLSFuncEntry cStatFunctions[] = {
    {"AGGREGATE", DoAggregate},
    {"AVEDEV", DoStat<AveDev, xcmNumbers>},
    {"AVERAGE", DoStat<Average, xcmNumbers>},
    {"AVERAGEA", DoStat<Average, xcmNumbersA>},
    {"CORREL", DoLine<Correl>},
    {"COUNT", DoCount},
    {"COUNTA", DoCountA},
    {"COUNTBLANK", DoCountBlank},
    {"DEVSQ", DoStat<DevSq, xcmNumbers>},
    {"FORECAST", DoForecast},
    {"GEOMEAN", DoStat<GeoMean, xcmNumbers>},
    {"HARMEAN", DoStat<HarMean, xcmNumbers>},
    {"INTERCEPT", DoLine<Intercept>},
    {"KURT", DoStat<Kurt, xcmNumbers>},
    {"LARGE", DoStatK<KthValue<true>>},
    {"MAX", DoStat<Max, xcmNumbers>},
    {"MAXA", DoStat<Max, xcmNumbersA>},
    {"MEDIAN", DoStat<Median, xcmNumbers>},
    {"MIN", DoStat<Min, xcmNumbers>},
    {"MINA", DoStat<Min, xcmNumbersA>},
    {"MODE", DoStat<Mode, xcmNumbers>},
    // MODE.MULT's array holds the modes in order of first appearance; one cell shows the first.
    {"MODE.MULT", DoStat<Mode, xcmNumbers>},
    {"MODE.SNGL", DoStat<Mode, xcmNumbers>},
    {"PEARSON", DoLine<Correl>},
    {"PERCENTILE", DoStatK<PercentileInc>},
    {"PERCENTILE.EXC", DoStatK<PercentileExc>},
    {"PERCENTILE.INC", DoStatK<PercentileInc>},
    {"PERCENTRANK", DoPercentRank<PercentRankInc>},
    {"PERCENTRANK.EXC", DoPercentRank<PercentRankExc>},
    {"PERCENTRANK.INC", DoPercentRank<PercentRankInc>},
    {"QUARTILE", DoStatK<QuartileInc>},
    {"QUARTILE.EXC", DoStatK<QuartileExc>},
    {"QUARTILE.INC", DoStatK<QuartileInc>},
    {"RANK", DoRank},
    {"RANK.EQ", DoRank},
    {"RSQ", DoLine<Rsq>},
    {"SKEW", DoStat<Skew, xcmNumbers>},
    {"SLOPE", DoLine<Slope>},
    {"SMALL", DoStatK<KthValue<false>>},
    {"STDEV", DoStat<Variance<true, true>, xcmNumbers>},
    {"STDEV.P", DoStat<Variance<false, true>, xcmNumbers>},
    {"STDEV.S", DoStat<Variance<true, true>, xcmNumbers>},
    {"STDEVA", DoStat<Variance<true, true>, xcmNumbersA>},
    {"STDEVP", DoStat<Variance<false, true>, xcmNumbers>},
    {"STDEVPA", DoStat<Variance<false, true>, xcmNumbersA>},
    {"STEYX", DoLine<Steyx>},
    {"SUBTOTAL", DoSubtotal},
    {"TRIMMEAN", DoStatK<TrimMean>},
    {"VAR", DoStat<Variance<true, false>, xcmNumbers>},
    {"VAR.P", DoStat<Variance<false, false>, xcmNumbers>},
    {"VAR.S", DoStat<Variance<true, false>, xcmNumbers>},
    {"VARA", DoStat<Variance<true, false>, xcmNumbersA>},
    {"VARP", DoStat<Variance<false, false>, xcmNumbers>},
    {"VARPA", DoStat<Variance<false, false>, xcmNumbersA>},
};

}  // namespace

void XLSRegisterStatFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cStatFunctions); }
