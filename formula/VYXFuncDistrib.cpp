// VYXFuncDistrib.cpp: handlers of the probability distributions, their inverses, the tests on samples,
// combinatorics and the error and gamma functions.
//
// Arguments are read as numbers (booleans 1/0, numeric text, empty cells 0);
// counts the usual definitions take as whole numbers (degrees of freedom,
// trials, successes) are truncated. Out-of-domain arguments give #NUM!. The
// legacy names (NORMDIST, CHIDIST, TDIST, ...) and the dotted ones share the
// kernels of VYXStatDist; CHIDIST, CHIINV, FDIST and FINV are right-tailed
// as they always were. CHI.INV.RT is the right-tailed chi-squared inverse.
// The sample tests (TTEST, FTEST, CHITEST, ZTEST) and covariances pair the
// cells of two arrays by position and skip pairs without two numbers.
#include <cmath>
#include <limits>

#include "formula/VYXFuncCommon.h"
#include "formula/VYXStatDist.h"

namespace {

using TResult = TVYXNumResult;

// The numeric arguments in call order; a missing one is NaN until a default fills it.
struct TArgs {
    double V[6] = {};
    int N = 0;
    double operator[](int i) const { return V[i]; }
    double Get(int i, double def) const { return i < N && !std::isnan(V[i]) ? V[i] : def; }
    bool Flag(int i) const { return V[i] != 0; }
    double Whole(int i) const { return std::trunc(V[i]); }
};

bool ReadArgs(TXLSFuncCall& call, TArgs& a)
{
    a.N = std::min(call.ArgCount, 6);
    for (int i = call.ArgCount - 1; i >= 0; --i) {
        const TXLSFormulaValue* v = nullptr;
        call.Stack.PopRes(v);
        if (i >= 6)
            continue;
        if (XLSIsMissing(*v)) {
            a.V[i] = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        if (!call.Stack.HandleError(call.Stack.GetAsFloat(*v, a.V[i])))
            return false;
    }
    return true;
}

using TDistFn = TResult (*)(const TArgs&);

template <TDistFn F>
void DoDist(TXLSFuncCall& call)
{
    TArgs a;
    if (ReadArgs(call, a))
        XLSPushNumResult(call.Stack, F(a));
}

TResult NormDist(const TArgs& a) { return VYXNormDist(a[0], a[1], a[2], a.Flag(3)); }
TResult NormSDist(const TArgs& a) { return VYXNormDist(a[0], 0, 1, true); }
TResult NormSDist2(const TArgs& a) { return VYXNormDist(a[0], 0, 1, a.Flag(1)); }
TResult NormInv(const TArgs& a) { return VYXNormInvDist(a[0], a[1], a[2]); }
TResult NormSInv(const TArgs& a) { return VYXNormInvDist(a[0], 0, 1); }
TResult LogNormDist(const TArgs& a) { return VYXLogNormDist(a[0], a[1], a[2], true); }
TResult LogNormDist4(const TArgs& a) { return VYXLogNormDist(a[0], a[1], a[2], a.Flag(3)); }
TResult LogInv(const TArgs& a) { return VYXLogNormInv(a[0], a[1], a[2]); }
TResult ExponDist(const TArgs& a) { return VYXExponDist(a[0], a[1], a.Flag(2)); }
TResult Weibull(const TArgs& a) { return VYXWeibullDist(a[0], a[1], a[2], a.Flag(3)); }
TResult GammaDist(const TArgs& a) { return VYXGammaDist(a[0], a[1], a[2], a.Flag(3)); }
TResult GammaInv(const TArgs& a) { return VYXGammaInv(a[0], a[1], a[2]); }

TResult GammaLn(const TArgs& a)
{
    return a[0] <= 0 ? TResult::Fail(vneNum) : TResult::Ok(VYXLogGamma(a[0]));
}

TResult BetaDist(const TArgs& a) { return VYXBetaDist(a[0], a[1], a[2], true, a.Get(3, 0), a.Get(4, 1)); }
TResult BetaDist6(const TArgs& a) { return VYXBetaDist(a[0], a[1], a[2], a.Flag(3), a.Get(4, 0), a.Get(5, 1)); }
TResult BetaInv(const TArgs& a) { return VYXBetaInv(a[0], a[1], a[2], a.Get(3, 0), a.Get(4, 1)); }
TResult ChiDistRT(const TArgs& a) { return VYXChiSqDistRT(a[0], a.Whole(1)); }
TResult ChiSqDist(const TArgs& a) { return VYXChiSqDist(a[0], a.Whole(1), a.Flag(2)); }
TResult ChiInvRT(const TArgs& a) { return VYXChiSqInv(a[0], a.Whole(1), true); }
TResult ChiSqInv(const TArgs& a) { return VYXChiSqInv(a[0], a.Whole(1), false); }
TResult FDistRT(const TArgs& a) { return VYXFDistRT(a[0], a.Whole(1), a.Whole(2)); }
TResult FDist(const TArgs& a) { return VYXFDist(a[0], a.Whole(1), a.Whole(2), a.Flag(3)); }
TResult FInvRT(const TArgs& a) { return VYXFInv(a[0], a.Whole(1), a.Whole(2), true); }
TResult FInv(const TArgs& a) { return VYXFInv(a[0], a.Whole(1), a.Whole(2), false); }

// TDIST(x, df, tails): x not negative, tails 1 or 2.
TResult TDistLegacy(const TArgs& a)
{
    const double df = a.Whole(1), tails = a.Whole(2);
    if (a[0] < 0 || df < 1 || (tails != 1 && tails != 2))
        return TResult::Fail(vneNum);
    return TResult::Ok(tails * VYXTUpperTail(a[0], df));
}

TResult TDist(const TArgs& a) { return VYXTDist(a[0], a.Whole(1), a.Flag(2)); }

TResult TDistRT(const TArgs& a)
{
    const double df = a.Whole(1);
    return df < 1 ? TResult::Fail(vneNum) : TResult::Ok(VYXTUpperTail(a[0], df));
}

TResult TDist2T(const TArgs& a)
{
    const double df = a.Whole(1);
    return df < 1 || a[0] < 0 ? TResult::Fail(vneNum) : TResult::Ok(2 * VYXTUpperTail(a[0], df));
}

TResult TInv2T(const TArgs& a) { return VYXTInv(a[0], a.Whole(1), true); }
TResult TInv(const TArgs& a) { return VYXTInv(a[0], a.Whole(1), false); }
TResult BinomDist(const TArgs& a) { return VYXBinomDist(a.Whole(0), a.Whole(1), a[2], a.Flag(3)); }
TResult BinomInv(const TArgs& a) { return VYXBinomInv(a.Whole(0), a[1], a[2]); }
TResult HypGeom(const TArgs& a) { return VYXHypGeomDist(a.Whole(0), a.Whole(1), a.Whole(2), a.Whole(3), false); }
TResult HypGeom5(const TArgs& a)
{
    return VYXHypGeomDist(a.Whole(0), a.Whole(1), a.Whole(2), a.Whole(3), a.Flag(4));
}
TResult NegBinom(const TArgs& a) { return VYXNegBinomDist(a.Whole(0), a.Whole(1), a[2], false); }
TResult NegBinom4(const TArgs& a) { return VYXNegBinomDist(a.Whole(0), a.Whole(1), a[2], a.Flag(3)); }
TResult Poisson(const TArgs& a) { return VYXPoissonDist(a.Whole(0), a[1], a.Flag(2)); }

// CONFIDENCE and CONFIDENCE.NORM: half the width of the normal confidence interval.
TResult ConfidenceNorm(const TArgs& a)
{
    const double alpha = a[0], sd = a[1], n = a.Whole(2);
    if (alpha <= 0 || alpha >= 1 || sd <= 0 || n < 1)
        return TResult::Fail(vneNum);
    return TResult::Ok(VYXNormInv(1 - alpha / 2) * sd / std::sqrt(n));
}

TResult ConfidenceT(const TArgs& a)
{
    const double alpha = a[0], sd = a[1], n = a.Whole(2);
    if (alpha <= 0 || alpha >= 1 || sd <= 0 || n < 1)
        return TResult::Fail(vneNum);
    if (n == 1)
        return TResult::Fail(vneDiv0);
    const TResult t = VYXTInv(alpha, n - 1, true);
    return t.IsOk() ? TResult::Ok(t.Value * sd / std::sqrt(n)) : t;
}

TResult Erf(const TArgs& a) { return TResult::Ok(std::erf(a[0])); }
TResult Erfc(const TArgs& a) { return TResult::Ok(std::erfc(a[0])); }
TResult Fact(const TArgs& a) { return a[0] < 0 ? TResult::Fail(vneNum) : VYXFact(a.Whole(0)); }
TResult Combin(const TArgs& a) { return VYXCombin(a.Whole(0), a.Whole(1)); }
TResult Permut(const TArgs& a) { return VYXPermut(a.Whole(0), a.Whole(1)); }

// ---- tests on samples ---------------------------------------------------

struct TSample {
    double N = 0, Mean = 0, Var = 0;  // Var: sample variance
};

TSample Describe(const std::vector<double>& v)
{
    TSample s;
    s.N = static_cast<double>(v.size());
    for (double x : v)
        s.Mean += x;
    if (s.N > 0)
        s.Mean /= s.N;
    for (double x : v)
        s.Var += (x - s.Mean) * (x - s.Mean);
    s.Var = s.N > 1 ? s.Var / (s.N - 1) : 0;
    return s;
}

// The numbers of one data argument (an area's numbers; a plain value itself).
bool ReadSample(TXLSFuncCall& call, const TXLSFormulaValue& arg, std::vector<double>& out)
{
    const TXLSFormulaValue* p = &arg;
    return call.Stack.HandleError(XLSCollectValues(call.Stack, {&p, 1}, xcmNumbers, out));
}

// Two arrays cell by cell: the positions where both hold numbers. Arrays of
// different sizes give #N/A.
bool ReadPairs(TXLSFuncCall& call, const TXLSFormulaValue& a, const TXLSFormulaValue& b, std::vector<double>& xs,
               std::vector<double>& ys, int* rows = nullptr, int* cols = nullptr)
{
    std::vector<double> va, vb;
    std::vector<bool> na, nb;
    TXLSCellError err = XLSArgNumbers(call.Stack, a, va, na, cols);
    if (err == errUnknown)
        err = XLSArgNumbers(call.Stack, b, vb, nb);
    if (err == errUnknown && (XLSArgRows(a) != XLSArgRows(b) || XLSArgCols(a) != XLSArgCols(b)))
        err = errNA;
    if (!call.Stack.HandleError(err))
        return false;
    if (rows)
        *rows = XLSArgRows(a);
    for (std::size_t i = 0; i < va.size(); ++i)
        if (na[i] && nb[i]) {
            xs.push_back(va[i]);
            ys.push_back(vb[i]);
        }
    return true;
}

template <bool Sample>
void DoCovariance(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    std::vector<double> xs, ys;
    if (!ReadPairs(call, *args[0], *args[1], xs, ys))
        return;
    const double n = static_cast<double>(xs.size());
    if (n < (Sample ? 2 : 1)) {
        call.Stack.SetError(errDiv0);
        return;
    }
    const double mx = Describe(xs).Mean, my = Describe(ys).Mean;
    double s = 0;
    for (std::size_t i = 0; i < xs.size(); ++i)
        s += (xs[i] - mx) * (ys[i] - my);
    XLSPushChecked(call.Stack, s / (Sample ? n - 1 : n));
}

// TTEST(array1, array2, tails, type): type 1 paired, 2 equal variances, 3 unequal (Welch).
void DoTTest(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    double tails = 0, type = 0;
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(*args[3], type)) ||
        !call.Stack.HandleError(call.Stack.GetAsFloat(*args[2], tails)))
        return;
    tails = std::trunc(tails);
    type = std::trunc(type);
    if ((tails != 1 && tails != 2) || type < 1 || type > 3) {
        call.Stack.SetError(errNum);
        return;
    }
    double t = 0, df = 0;
    if (type == 1) {
        std::vector<double> xs, ys;
        if (!ReadPairs(call, *args[0], *args[1], xs, ys))
            return;
        for (std::size_t i = 0; i < xs.size(); ++i)
            xs[i] -= ys[i];
        const TSample d = Describe(xs);
        if (d.N < 2 || d.Var == 0) {
            call.Stack.SetError(errDiv0);
            return;
        }
        t = d.Mean / std::sqrt(d.Var / d.N);
        df = d.N - 1;
    } else {
        std::vector<double> va, vb;
        if (!ReadSample(call, *args[0], va) || !ReadSample(call, *args[1], vb))
            return;
        const TSample a = Describe(va), b = Describe(vb);
        if (a.N < 2 || b.N < 2) {
            call.Stack.SetError(errDiv0);
            return;
        }
        if (type == 2) {
            df = a.N + b.N - 2;
            const double pooled = ((a.N - 1) * a.Var + (b.N - 1) * b.Var) / df;
            t = (a.Mean - b.Mean) / std::sqrt(pooled * (1 / a.N + 1 / b.N));
        } else {
            const double ea = a.Var / a.N, eb = b.Var / b.N;
            t = (a.Mean - b.Mean) / std::sqrt(ea + eb);
            df = (ea + eb) * (ea + eb) / (ea * ea / (a.N - 1) + eb * eb / (b.N - 1));
        }
        if (!std::isfinite(t)) {
            call.Stack.SetError(errDiv0);
            return;
        }
    }
    XLSPushChecked(call.Stack, tails * VYXTUpperTail(std::fabs(t), df));
}

// FTEST: two-tailed probability that the two variances do not differ.
void DoFTest(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    std::vector<double> va, vb;
    if (!ReadSample(call, *args[0], va) || !ReadSample(call, *args[1], vb))
        return;
    const TSample a = Describe(va), b = Describe(vb);
    if (a.N < 2 || b.N < 2 || a.Var == 0 || b.Var == 0) {
        call.Stack.SetError(errDiv0);
        return;
    }
    const TResult upper = VYXFDistRT(a.Var / b.Var, a.N - 1, b.N - 1);
    if (!upper.IsOk()) {
        XLSPushNumResult(call.Stack, upper);
        return;
    }
    XLSPushChecked(call.Stack, 2 * std::min(upper.Value, 1 - upper.Value));
}

// CHITEST(actual, expected): the right tail of the chi-squared statistic;
// (rows - 1)(cols - 1) degrees of freedom, or n - 1 for one row or column.
void DoChiTest(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    std::vector<double> actual, expected;
    int rows = 0, cols = 0;
    if (!ReadPairs(call, *args[0], *args[1], actual, expected, &rows, &cols))
        return;
    double chi = 0;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (expected[i] == 0) {
            call.Stack.SetError(errDiv0);
            return;
        }
        chi += (actual[i] - expected[i]) * (actual[i] - expected[i]) / expected[i];
    }
    const double df = rows > 1 && cols > 1 ? double(rows - 1) * (cols - 1) : double(rows) * cols - 1;
    if (df < 1) {
        call.Stack.SetError(errNA);
        return;
    }
    XLSPushNumResult(call.Stack, VYXChiSqDistRT(chi, df));
}

// ZTEST(array, x, [sigma]): one-tailed probability of a mean above the sample's.
void DoZTest(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    double x = 0, sigma = 0;
    const bool given = args.size() > 2 && !XLSIsMissing(*args[2]);
    if ((given && !call.Stack.HandleError(call.Stack.GetAsFloat(*args[2], sigma))) ||
        !call.Stack.HandleError(call.Stack.GetAsFloat(*args[1], x)))
        return;
    std::vector<double> v;
    if (!ReadSample(call, *args[0], v))
        return;
    const TSample s = Describe(v);
    if (s.N < 1) {
        call.Stack.SetError(errNA);
        return;
    }
    if (!given)
        sigma = std::sqrt(s.Var);
    if (sigma <= 0 || (!given && s.N < 2)) {
        call.Stack.SetError(given ? errNum : errDiv0);
        return;
    }
    XLSPushChecked(call.Stack, 1 - VYXNormCdf((s.Mean - x) / (sigma / std::sqrt(s.N))));
}

const TXLSFuncEntry cDistribFunctions[] = {
    {"BETA.DIST", DoDist<BetaDist6>},
    {"BETA.INV", DoDist<BetaInv>},
    {"BETADIST", DoDist<BetaDist>},
    {"BETAINV", DoDist<BetaInv>},
    {"BINOM.DIST", DoDist<BinomDist>},
    {"BINOM.INV", DoDist<BinomInv>},
    {"BINOMDIST", DoDist<BinomDist>},
    {"CHI.INV.RT", DoDist<ChiInvRT>},
    {"CHIDIST", DoDist<ChiDistRT>},
    {"CHIINV", DoDist<ChiInvRT>},
    {"CHISQ.DIST", DoDist<ChiSqDist>},
    {"CHISQ.DIST.RT", DoDist<ChiDistRT>},
    {"CHISQ.INV", DoDist<ChiSqInv>},
    {"CHISQ.TEST", DoChiTest},
    {"CHITEST", DoChiTest},
    {"COMBIN", DoDist<Combin>},
    {"CONFIDENCE", DoDist<ConfidenceNorm>},
    {"CONFIDENCE.NORM", DoDist<ConfidenceNorm>},
    {"CONFIDENCE.T", DoDist<ConfidenceT>},
    {"COVAR", DoCovariance<false>},
    {"COVARIANCE.P", DoCovariance<false>},
    {"COVARIANCE.S", DoCovariance<true>},
    {"CRITBINOM", DoDist<BinomInv>},
    {"ERF.PRECISE", DoDist<Erf>},
    {"ERFC", DoDist<Erfc>},
    {"ERFC.PRECISE", DoDist<Erfc>},
    {"EXPON.DIST", DoDist<ExponDist>},
    {"EXPONDIST", DoDist<ExponDist>},
    {"F.DIST", DoDist<FDist>},
    {"F.DIST.RT", DoDist<FDistRT>},
    {"F.INV", DoDist<FInv>},
    {"F.INV.RT", DoDist<FInvRT>},
    {"F.TEST", DoFTest},
    {"FACT", DoDist<Fact>},
    {"FDIST", DoDist<FDistRT>},
    {"FINV", DoDist<FInvRT>},
    {"FTEST", DoFTest},
    {"GAMMA.DIST", DoDist<GammaDist>},
    {"GAMMA.INV", DoDist<GammaInv>},
    {"GAMMADIST", DoDist<GammaDist>},
    {"GAMMAINV", DoDist<GammaInv>},
    {"GAMMALN", DoDist<GammaLn>},
    {"GAMMALN.PRECISE", DoDist<GammaLn>},
    {"HYPGEOM.DIST", DoDist<HypGeom5>},
    {"HYPGEOMDIST", DoDist<HypGeom>},
    {"LOGINV", DoDist<LogInv>},
    {"LOGNORM.DIST", DoDist<LogNormDist4>},
    {"LOGNORM.INV", DoDist<LogInv>},
    {"LOGNORMDIST", DoDist<LogNormDist>},
    {"NEGBINOM.DIST", DoDist<NegBinom4>},
    {"NEGBINOMDIST", DoDist<NegBinom>},
    {"NORM.DIST", DoDist<NormDist>},
    {"NORM.INV", DoDist<NormInv>},
    {"NORM.S.DIST", DoDist<NormSDist2>},
    {"NORM.S.INV", DoDist<NormSInv>},
    {"NORMDIST", DoDist<NormDist>},
    {"NORMINV", DoDist<NormInv>},
    {"NORMSDIST", DoDist<NormSDist>},
    {"NORMSINV", DoDist<NormSInv>},
    {"PERMUT", DoDist<Permut>},
    {"POISSON", DoDist<Poisson>},
    {"POISSON.DIST", DoDist<Poisson>},
    {"T.DIST", DoDist<TDist>},
    {"T.DIST.2T", DoDist<TDist2T>},
    {"T.DIST.RT", DoDist<TDistRT>},
    {"T.INV", DoDist<TInv>},
    {"T.INV.2T", DoDist<TInv2T>},
    {"T.TEST", DoTTest},
    {"TDIST", DoDist<TDistLegacy>},
    {"TINV", DoDist<TInv2T>},
    {"TTEST", DoTTest},
    {"WEIBULL", DoDist<Weibull>},
    {"WEIBULL.DIST", DoDist<Weibull>},
    {"Z.TEST", DoZTest},
    {"ZTEST", DoZTest},
};

}  // namespace

void XLSRegisterDistribFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cDistribFunctions); }
