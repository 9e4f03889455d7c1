// VYXFuncMath.cpp: handlers of the arithmetic, rounding, trigonometric and array-product functions.
//
// Where programs differ on a domain edge (POWER(0,0), LOG with base 1,
// ATAN2(0,0)) the handlers give what the reference program of the tests
// computes: 1, #NUM! and 0.
#include <cmath>
#include <numbers>
#include <random>

#include "formula/VYXFuncCommon.h"

namespace {

using TUnary = double (*)(double);

template <TUnary F>
void DoUnary(TXLSFuncCall& call)
{
    double x = 0;
    if (call.Stack.PopResFloat(x))
        XLSPushChecked(call.Stack, F(x));
}

double Sin(double x) { return std::sin(x); }
double Cos(double x) { return std::cos(x); }
double Tan(double x) { return std::tan(x); }
double ATan(double x) { return std::atan(x); }
double ASin(double x) { return std::asin(x); }
double ACos(double x) { return std::acos(x); }
double SinH(double x) { return std::sinh(x); }
double CosH(double x) { return std::cosh(x); }
double TanH(double x) { return std::tanh(x); }
double ASinH(double x) { return std::asinh(x); }
double ACosH(double x) { return std::acosh(x); }
double ATanH(double x) { return std::atanh(x); }
double Sqrt(double x) { return std::sqrt(x); }
double Exp(double x) { return std::exp(x); }
double Ln(double x) { return x > 0 ? std::log(x) : NAN; }
double Log10(double x) { return x > 0 ? std::log10(x) : NAN; }
double Abs(double x) { return std::fabs(x); }
double Int(double x) { return std::floor(x); }
double Sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }
double Radians(double x) { return x * std::numbers::pi / 180; }
double Degrees(double x) { return x * 180 / std::numbers::pi; }
double Fisher(double x) { return std::fabs(x) < 1 ? 0.5 * std::log((1 + x) / (1 - x)) : NAN; }
double FisherInv(double x) { return std::tanh(x); }

void DoPi(TXLSFuncCall& call) { call.Stack.PushFloat(std::numbers::pi); }

// Two numbers, last read first.
bool PopTwo(TXLSFuncCall& call, double& a, double& b) { return call.Stack.PopResFloat(b) && call.Stack.PopResFloat(a); }

void DoAtan2(TXLSFuncCall& call)
{
    double x = 0, y = 0;
    if (PopTwo(call, x, y))
        call.Stack.PushFloat(x == 0 && y == 0 ? 0 : std::atan2(y, x));
}

void DoLog(TXLSFuncCall& call)
{
    double x = 0, base = 10;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(base))
        return;
    if (!call.Stack.PopResFloat(x))
        return;
    if (x <= 0 || base <= 0 || base == 1)
        call.Stack.SetError(errNum);
    else
        XLSPushChecked(call.Stack, std::log(x) / std::log(base));
}

void DoMod(TXLSFuncCall& call)
{
    double n = 0, d = 0;
    if (!PopTwo(call, n, d))
        return;
    if (d == 0) {
        call.Stack.SetError(errDiv0);
        return;
    }
    double r = n - d * std::floor(n / d);
    // The remainder of an inexact quotient can land a hair outside the divisor's range.
    if (std::fabs(r) >= std::fabs(d) || VYXRound15(r) == VYXRound15(d))
        r = 0;
    XLSPushChecked(call.Stack, r);
}

void DoQuotient(TXLSFuncCall& call)
{
    double n = 0, d = 0;
    if (!PopTwo(call, n, d))
        return;
    if (d == 0)
        call.Stack.SetError(errDiv0);
    else
        XLSPushChecked(call.Stack, std::trunc(VYXRound15(n / d)));
}

void DoPower(TXLSFuncCall& call)
{
    double x = 0, y = 0;
    if (!PopTwo(call, x, y))
        return;
    if (x == 0 && y < 0) {
        call.Stack.SetError(errNum);
        return;
    }
    if (x < 0 && y != std::trunc(y)) {
        // An odd root of a negative number is real: POWER(-8, 1/3) is -2.
        const double root = 1 / y;
        if (std::fabs(root - std::round(root)) < 1e-10 && std::fmod(std::round(root), 2) != 0)
            XLSPushChecked(call.Stack, -std::pow(-x, y));
        else
            call.Stack.SetError(errNum);
        return;
    }
    XLSPushChecked(call.Stack, std::pow(x, y));
}

using TRound = TVYXNumResult (*)(double, double);

template <TRound F>
void DoRound(TXLSFuncCall& call)
{
    double x = 0, digits = 0;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(digits))
        return;
    if (call.Stack.PopResFloat(x))
        XLSPushNumResult(call.Stack, F(x, digits));
}

TVYXNumResult CeilingPrecise(double x, double s) { return TVYXNumResult::Ok(VYXCeilingPrecise(x, s)); }
TVYXNumResult FloorPrecise(double x, double s) { return TVYXNumResult::Ok(VYXFloorPrecise(x, s)); }

// The .PRECISE forms default the significance to 1.
template <TRound F>
void DoPrecise(TXLSFuncCall& call)
{
    double x = 0, s = 1;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(s))
        return;
    if (call.Stack.PopResFloat(x))
        XLSPushNumResult(call.Stack, F(x, s));
}

void DoStandardize(TXLSFuncCall& call)
{
    double x = 0, mean = 0, sd = 0;
    if (!call.Stack.PopResFloat(sd) || !call.Stack.PopResFloat(mean) || !call.Stack.PopResFloat(x))
        return;
    if (sd <= 0)
        call.Stack.SetError(errNum);
    else
        XLSPushChecked(call.Stack, (x - mean) / sd);
}

void DoRand(TXLSFuncCall& call)
{
    // The platform generator's range: 0 .. 2,147,483,646 over its top, so 1 can occur.
    constexpr int cRandTop = 2147483646;
    static std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<int> dist(0, cRandTop);
    call.Stack.PushFloat(static_cast<double>(dist(engine)) / cRandTop);
}

void DoSum(TXLSFuncCall& call)
{
    // The common case, plain numbers and areas of numbers, without collecting.
    double sum = 0;
    TXLSCellError err = errUnknown;
    TValStackIterator it(call.Stack);
    for (int i = 0; i < call.ArgCount && err == errUnknown; ++i) {
        const TXLSFormulaValue* arg = nullptr;
        call.Stack.PopRes(arg);
        it.BeginIterate(*arg, true);
        if (it.IsDirect()) {
            double d = 0;
            err = arg->ValType == xfvtUnknown ? errUnknown : call.Stack.GetAsFloatNum(*arg, d);
            sum += d;
            continue;
        }
        while (it.NextFloat()) {
            if (it.Stopped()) {
                err = it.PResult().vErr;
                break;
            }
            sum += it.PResult().vFloat;
        }
    }
    if (err != errUnknown)
        call.Stack.SetError(err);
    else
        XLSPushChecked(call.Stack, sum);
}

template <bool Squares>
void DoProductOrSumSq(TXLSFuncCall& call)
{
    std::vector<double> values;
    const auto args = XLSPopArgs(call);
    if (call.Stack.HandleError(XLSCollectValues(call.Stack, args, xcmNumbers, values))) {
        double r = Squares ? 0 : (values.empty() ? 0 : 1);
        for (double v : values)
            r = Squares ? r + v * v : r * v;
        XLSPushChecked(call.Stack, r);
    }
}

// The numbers of each argument by position; all arguments must have one shape.
bool PairArgs(TXLSFuncCall& call, std::vector<std::vector<double>>& values, std::vector<std::vector<bool>>& numbers,
              TXLSCellError shapeError)
{
    const auto args = XLSPopArgs(call);
    values.resize(args.size());
    numbers.resize(args.size());
    TXLSCellError err = errUnknown;
    for (std::size_t i = args.size(); i-- > 0;) {
        const TXLSCellError e = XLSArgNumbers(call.Stack, *args[i], values[i], numbers[i]);
        if (e != errUnknown && err == errUnknown)
            err = e;
        if (XLSArgRows(*args[i]) != XLSArgRows(*args[0]) || XLSArgCols(*args[i]) != XLSArgCols(*args[0]))
            err = err == errUnknown ? shapeError : err;
    }
    return call.Stack.HandleError(err);
}

void DoSumProduct(TXLSFuncCall& call)
{
    std::vector<std::vector<double>> values;
    std::vector<std::vector<bool>> numbers;
    if (!PairArgs(call, values, numbers, errValue))
        return;
    double sum = 0;
    for (std::size_t j = 0; j < values[0].size(); ++j) {
        double p = 1;
        for (std::size_t i = 0; i < values.size(); ++i)
            p *= numbers[i][j] ? values[i][j] : 0;
        sum += p;
    }
    XLSPushChecked(call.Stack, sum);
}

using TPairTerm = double (*)(double, double);

template <TPairTerm F>
void DoSumPairs(TXLSFuncCall& call)
{
    std::vector<std::vector<double>> values;
    std::vector<std::vector<bool>> numbers;
    if (!PairArgs(call, values, numbers, errValue))
        return;
    double sum = 0;
    for (std::size_t j = 0; j < values[0].size(); ++j)
        if (numbers[0][j] && numbers[1][j])
            sum += F(values[0][j], values[1][j]);
    XLSPushChecked(call.Stack, sum);
}

double XMY2(double x, double y) { return (x - y) * (x - y); }
double X2MY2(double x, double y) { return x * x - y * y; }
double X2PY2(double x, double y) { return x * x + y * y; }

void DoProb(TXLSFuncCall& call)
{
    double lower = 0, upper = 0;
    if (call.ArgCount > 3 && !call.Stack.PopResFloat(upper))
        return;
    if (!call.Stack.PopResFloat(lower))
        return;
    if (call.ArgCount <= 3)
        upper = lower;
    const TXLSFormulaValue *probArg = nullptr, *xArg = nullptr;
    call.Stack.PopRes(probArg);
    call.Stack.PopRes(xArg);
    std::vector<double> xs, ps;
    std::vector<bool> xn, pn;
    TXLSCellError err = XLSArgNumbers(call.Stack, *probArg, ps, pn);
    if (err == errUnknown)
        err = XLSArgNumbers(call.Stack, *xArg, xs, xn);
    if (err == errUnknown && xs.size() != ps.size())
        err = errNA;
    if (!call.Stack.HandleError(err))
        return;
    double total = 0, result = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (!xn[i] || !pn[i])
            continue;
        if (ps[i] < 0 || ps[i] > 1) {
            call.Stack.SetError(errNum);
            return;
        }
        total += ps[i];
        if (xs[i] >= lower && xs[i] <= upper)
            result += ps[i];
    }
    if (std::fabs(total - 1) > 1e-7)
        call.Stack.SetError(errNum);
    else
        call.Stack.PushFloat(result);
}

TVYXNumResult Trunc(double x, double d) { return VYXRoundDown(x, d); }

const TXLSFuncEntry cMathFunctions[] = {
    {"ABS", DoUnary<Abs>},
    {"ACOS", DoUnary<ACos>},
    {"ACOSH", DoUnary<ACosH>},
    {"ASIN", DoUnary<ASin>},
    {"ASINH", DoUnary<ASinH>},
    {"ATAN", DoUnary<ATan>},
    {"ATAN2", DoAtan2},
    {"ATANH", DoUnary<ATanH>},
    {"CEILING", DoRound<VYXCeiling>},
    {"CEILING.PRECISE", DoPrecise<CeilingPrecise>},
    {"COS", DoUnary<Cos>},
    {"COSH", DoUnary<CosH>},
    {"DEGREES", DoUnary<Degrees>},
    {"EVEN", DoUnary<VYXEven>},
    {"EXP", DoUnary<Exp>},
    {"FISHER", DoUnary<Fisher>},
    {"FISHERINV", DoUnary<FisherInv>},
    {"FLOOR", DoRound<VYXFloor>},
    {"FLOOR.PRECISE", DoPrecise<FloorPrecise>},
    {"INT", DoUnary<Int>},
    {"ISO.CEILING", DoPrecise<CeilingPrecise>},
    {"LN", DoUnary<Ln>},
    {"LOG", DoLog},
    {"LOG10", DoUnary<Log10>},
    {"MOD", DoMod},
    {"ODD", DoUnary<VYXOdd>},
    {"PI", DoPi},
    {"POWER", DoPower},
    {"PROB", DoProb},
    {"PRODUCT", DoProductOrSumSq<false>},
    {"QUOTIENT", DoQuotient},
    {"RADIANS", DoUnary<Radians>},
    {"RAND", DoRand},
    {"ROUND", DoRound<VYXRound>},
    {"ROUNDDOWN", DoRound<VYXRoundDown>},
    {"ROUNDUP", DoRound<VYXRoundUp>},
    {"SIGN", DoUnary<Sign>},
    {"SIN", DoUnary<Sin>},
    {"SINH", DoUnary<SinH>},
    {"SQRT", DoUnary<Sqrt>},
    {"STANDARDIZE", DoStandardize},
    {"SUM", DoSum},
    {"SUMPRODUCT", DoSumProduct},
    {"SUMSQ", DoProductOrSumSq<true>},
    {"SUMX2MY2", DoSumPairs<X2MY2>},
    {"SUMX2PY2", DoSumPairs<X2PY2>},
    {"SUMXMY2", DoSumPairs<XMY2>},
    {"TAN", DoUnary<Tan>},
    {"TANH", DoUnary<TanH>},
    {"TRUNC", DoRound<Trunc>},
};

}  // namespace

void XLSRegisterMathFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cMathFunctions); }
