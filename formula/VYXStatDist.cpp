// VYXStatDist.cpp: incomplete gamma and beta functions, the distributions built on them, and their inverses.
#include "formula/VYXStatDist.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using TResult = TVYXNumResult;

constexpr double cEps = 1e-16;
constexpr double cTiny = 1e-300;
constexpr int cMaxTerms = 1000000;
// Shape parameters, counts and degrees of freedom above this give #NUM!: the
// series and fractions need about the square root of them in terms, and the
// inverses evaluate them a few hundred times.
constexpr double cMaxShape = 1e10;
constexpr double cSqrt2 = 1.4142135623730950488;
constexpr double cSqrt2Pi = 2.5066282746310005024;
constexpr double cPi = 3.14159265358979323846;

TResult Num() { return TResult::Fail(vneNum); }

// Keeps a continued fraction's partial terms away from zero (modified Lentz).
double AwayFromZero(double v) { return std::fabs(v) < cTiny ? cTiny : v; }

// ln(x^a e^-x / Gamma(a)), the factor in front of both incomplete gamma forms.
double GammaPrefixLog(double a, double x) { return a * std::log(x) - x - VYXLogGamma(a); }

double GammaSeries(double a, double x)
{
    double term = 1 / a, sum = term;
    for (int n = 1; n < cMaxTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * cEps)
            break;
    }
    return sum * std::exp(GammaPrefixLog(a, x));
}

// Q(a, x) by its continued fraction (modified Lentz).
double GammaFraction(double a, double x)
{
    double b = x + 1 - a, c = 1 / cTiny, d = 1 / b, h = d;
    for (int i = 1; i < cMaxTerms; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = 1 / AwayFromZero(an * d + b);
        c = AwayFromZero(b + an / c);
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < cEps)
            break;
    }
    return std::exp(GammaPrefixLog(a, x)) * h;
}

// The continued fraction of I_x(a, b) (modified Lentz).
double BetaFraction(double x, double a, double b)
{
    const double qab = a + b, qap = a + 1, qam = a - 1;
    double c = 1, d = 1 / AwayFromZero(1 - qab * x / qap);
    double h = d;
    for (int m = 1; m < cMaxTerms; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
        d = 1 / AwayFromZero(1 + aa * d);
        c = AwayFromZero(1 + aa / c);
        h *= d * c;
        aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
        d = 1 / AwayFromZero(1 + aa * d);
        c = AwayFromZero(1 + aa / c);
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < cEps)
            break;
    }
    return h;
}

// Finds x in [lo, hi] where the increasing function f crosses 0, by bisection
// (on a log scale while the bracket spans orders of magnitude above zero).
template <class F>
double Bisect(F&& f, double lo, double hi)
{
    for (int i = 0; i < 2200; ++i) {
        double mid = lo > 0 && hi > 4 * lo ? std::sqrt(lo * hi) : lo + (hi - lo) / 2;
        if (lo == 0 && hi > 1)
            mid = hi / 16;  // approach zero by halving orders of magnitude
        if (mid <= lo || mid >= hi)
            break;
        const double v = f(mid);
        if (std::isnan(v))
            return mid;
        if (v == 0)
            return mid;
        (v < 0 ? lo : hi) = mid;
    }
    return lo + (hi - lo) / 2;
}

// Inverts a continuous distribution on [0, inf): lower(x) and upper(x) are its
// two tails; p is a left-tail probability, or a right-tail one when rightTail.
template <class L, class U>
double InvertPositive(L&& lower, U&& upper, double p, bool rightTail, double start)
{
    // Work in the tail that is below one half.
    const bool useUpper = rightTail ? p < 0.5 : p > 0.5;
    const double target = rightTail == useUpper ? p : 1 - p;
    const auto f = [&](double x) { return useUpper ? target - upper(x) : lower(x) - target; };
    double hi = std::max(start, 1.0);
    for (int i = 0; i < 2000 && f(hi) < 0; ++i)
        hi *= 2;
    return Bisect(f, 0, hi);
}

}  // namespace

double VYXLogGamma(double x)
{
    int sign = 0;
    return ::lgamma_r(x, &sign);
}

double VYXGammaP(double a, double x)
{
    if (x <= 0)
        return 0;
    if (std::isinf(x))
        return 1;
    return x < a + 1 ? GammaSeries(a, x) : 1 - GammaFraction(a, x);
}

double VYXGammaQ(double a, double x)
{
    if (x <= 0)
        return 1;
    if (std::isinf(x))
        return 0;
    return x < a + 1 ? 1 - GammaSeries(a, x) : GammaFraction(a, x);
}

double VYXBetaI(double x, double y, double a, double b)
{
    if (x <= 0)
        return 0;
    if (y <= 0)
        return 1;
    const double front =
        std::exp(VYXLogGamma(a + b) - VYXLogGamma(a) - VYXLogGamma(b) + a * std::log(x) + b * std::log(y));
    if (x < (a + 1) / (a + b + 2))
        return front * BetaFraction(x, a, b) / a;
    return 1 - front * BetaFraction(y, b, a) / b;
}

double VYXNormCdf(double z) { return 0.5 * std::erfc(-z / cSqrt2); }

double VYXNormInv(double p)
{
    if (p == 0.5)
        return 0;
    // Solve in the smaller tail: Phi(z) = p below one half, Phi(-z) = 1 - p above.
    const bool upper = p > 0.5;
    const double q = upper ? 1 - p : p;
    const double z = Bisect([q](double t) { return VYXNormCdf(t) - q; }, -40, 0);
    return upper ? -z : z;
}

TVYXNumResult VYXNormDist(double x, double mean, double sd, bool cumulative)
{
    if (sd <= 0)
        return Num();
    const double z = (x - mean) / sd;
    return TResult::Ok(cumulative ? VYXNormCdf(z) : std::exp(-z * z / 2) / (sd * cSqrt2Pi));
}

TVYXNumResult VYXNormInvDist(double p, double mean, double sd)
{
    if (p <= 0 || p >= 1 || sd <= 0)
        return Num();
    return TResult::Ok(mean + sd * VYXNormInv(p));
}

TVYXNumResult VYXLogNormDist(double x, double mean, double sd, bool cumulative)
{
    if (x <= 0 || sd <= 0)
        return Num();
    const double z = (std::log(x) - mean) / sd;
    return TResult::Ok(cumulative ? VYXNormCdf(z) : std::exp(-z * z / 2) / (x * sd * cSqrt2Pi));
}

TVYXNumResult VYXLogNormInv(double p, double mean, double sd)
{
    if (p <= 0 || p >= 1 || sd <= 0)
        return Num();
    return TResult::Ok(std::exp(mean + sd * VYXNormInv(p)));
}

TVYXNumResult VYXExponDist(double x, double lambda, bool cumulative)
{
    if (x < 0 || lambda <= 0)
        return Num();
    return TResult::Ok(cumulative ? -std::expm1(-lambda * x) : lambda * std::exp(-lambda * x));
}

TVYXNumResult VYXWeibullDist(double x, double alpha, double beta, bool cumulative)
{
    if (x < 0 || alpha <= 0 || beta <= 0)
        return Num();
    const double t = std::pow(x / beta, alpha);
    if (cumulative)
        return TResult::Ok(-std::expm1(-t));
    if (x == 0)
        return alpha < 1 ? Num() : TResult::Ok(alpha == 1 ? 1 / beta : 0);
    return TResult::Ok(alpha / beta * std::pow(x / beta, alpha - 1) * std::exp(-t));
}

TVYXNumResult VYXGammaDist(double x, double alpha, double beta, bool cumulative)
{
    if (x < 0 || alpha <= 0 || beta <= 0 || alpha > cMaxShape)
        return Num();
    if (cumulative)
        return TResult::Ok(VYXGammaP(alpha, x / beta));
    if (x == 0)
        return alpha < 1 ? Num() : TResult::Ok(alpha == 1 ? 1 / beta : 0);
    return TResult::Ok(std::exp((alpha - 1) * std::log(x) - x / beta - alpha * std::log(beta) - VYXLogGamma(alpha)));
}

TVYXNumResult VYXGammaInv(double p, double alpha, double beta)
{
    if (p < 0 || p >= 1 || alpha <= 0 || beta <= 0 || alpha > cMaxShape)
        return Num();
    if (p == 0)
        return TResult::Ok(0);
    const double x = InvertPositive([alpha](double t) { return VYXGammaP(alpha, t); },
                                    [alpha](double t) { return VYXGammaQ(alpha, t); }, p, false, alpha);
    return TResult::Ok(x * beta);
}

TVYXNumResult VYXBetaDist(double x, double alpha, double beta, bool cumulative, double lower, double upper)
{
    if (alpha <= 0 || beta <= 0 || alpha > cMaxShape || beta > cMaxShape || lower >= upper || x < lower || x > upper)
        return Num();
    const double width = upper - lower, t = (x - lower) / width, u = (upper - x) / width;
    if (cumulative)
        return TResult::Ok(VYXBetaI(t, u, alpha, beta));
    if ((t == 0 && alpha < 1) || (u == 0 && beta < 1))
        return Num();
    if ((t == 0 && alpha > 1) || (u == 0 && beta > 1))
        return TResult::Ok(0);
    const double logB = VYXLogGamma(alpha) + VYXLogGamma(beta) - VYXLogGamma(alpha + beta);
    const double lt = t == 0 ? 0 : (alpha - 1) * std::log(t), lu = u == 0 ? 0 : (beta - 1) * std::log(u);
    return TResult::Ok(std::exp(lt + lu - logB) / width);
}

TVYXNumResult VYXBetaInv(double p, double alpha, double beta, double lower, double upper)
{
    if (p < 0 || p > 1 || alpha <= 0 || beta <= 0 || alpha > cMaxShape || beta > cMaxShape || lower >= upper)
        return Num();
    if (p == 0 || p == 1)
        return TResult::Ok(p == 0 ? lower : upper);
    const bool useUpper = p > 0.5;
    const double t = Bisect(
        [&](double x) { return useUpper ? (1 - p) - VYXBetaI(1 - x, x, beta, alpha) : VYXBetaI(x, 1 - x, alpha, beta) - p; },
        0, 1);
    return TResult::Ok(lower + t * (upper - lower));
}

TVYXNumResult VYXChiSqDist(double x, double df, bool cumulative)
{
    if (x < 0 || df < 1 || df > cMaxShape)
        return Num();
    if (cumulative)
        return TResult::Ok(VYXGammaP(df / 2, x / 2));
    return VYXGammaDist(x, df / 2, 2, false);
}

TVYXNumResult VYXChiSqDistRT(double x, double df)
{
    if (x < 0 || df < 1 || df > cMaxShape)
        return Num();
    return TResult::Ok(VYXGammaQ(df / 2, x / 2));
}

TVYXNumResult VYXChiSqInv(double p, double df, bool rightTail)
{
    if (p < 0 || p > 1 || df < 1 || df > cMaxShape || (rightTail ? p == 0 : p == 1))
        return Num();
    if (rightTail ? p == 1 : p == 0)
        return TResult::Ok(0);
    const double a = df / 2;
    return TResult::Ok(2 * InvertPositive([a](double t) { return VYXGammaP(a, t); },
                                          [a](double t) { return VYXGammaQ(a, t); }, p, rightTail, a));
}

namespace {

bool BadF(double x, double df1, double df2) { return x < 0 || df1 < 1 || df2 < 1 || df1 > cMaxShape || df2 > cMaxShape; }

double FLower(double x, double df1, double df2)
{
    const double d = df1 * x + df2;
    return VYXBetaI(df1 * x / d, df2 / d, df1 / 2, df2 / 2);
}

double FUpper(double x, double df1, double df2)
{
    const double d = df1 * x + df2;
    return VYXBetaI(df2 / d, df1 * x / d, df2 / 2, df1 / 2);
}

}  // namespace

TVYXNumResult VYXFDist(double x, double df1, double df2, bool cumulative)
{
    if (BadF(x, df1, df2))
        return Num();
    if (cumulative)
        return TResult::Ok(FLower(x, df1, df2));
    if (x == 0)
        return df1 < 2 ? Num() : TResult::Ok(df1 == 2 ? 1 : 0);
    const double h1 = df1 / 2, h2 = df2 / 2;
    const double logPdf = VYXLogGamma(h1 + h2) - VYXLogGamma(h1) - VYXLogGamma(h2) + h1 * std::log(df1 / df2) +
                          (h1 - 1) * std::log(x) - (h1 + h2) * std::log1p(df1 * x / df2);
    return TResult::Ok(std::exp(logPdf));
}

TVYXNumResult VYXFDistRT(double x, double df1, double df2)
{
    if (BadF(x, df1, df2))
        return Num();
    return TResult::Ok(FUpper(x, df1, df2));
}

TVYXNumResult VYXFInv(double p, double df1, double df2, bool rightTail)
{
    if (BadF(0, df1, df2) || p < 0 || p > 1 || (rightTail ? p == 0 : p == 1))
        return Num();
    if (rightTail ? p == 1 : p == 0)
        return TResult::Ok(0);
    return TResult::Ok(InvertPositive([&](double t) { return FLower(t, df1, df2); },
                                      [&](double t) { return FUpper(t, df1, df2); }, p, rightTail, 1));
}

double VYXTUpperTail(double x, double df)
{
    const double t = std::fabs(x), d = df + t * t;
    const double upper = 0.5 * VYXBetaI(df / d, t * t / d, df / 2, 0.5);
    return x >= 0 ? upper : 1 - upper;
}

TVYXNumResult VYXTDist(double x, double df, bool cumulative)
{
    if (df < 1 || df > cMaxShape)
        return Num();
    if (cumulative)
        return TResult::Ok(VYXTUpperTail(-x, df));
    const double logPdf = VYXLogGamma((df + 1) / 2) - VYXLogGamma(df / 2) - 0.5 * std::log(df * cPi) -
                          (df + 1) / 2 * std::log1p(x * x / df);
    return TResult::Ok(std::exp(logPdf));
}

TVYXNumResult VYXTInv(double p, double df, bool twoTailed)
{
    if (df < 1 || df > cMaxShape || p <= 0 || p > 1 || (!twoTailed && p >= 1))
        return Num();
    // The quantile t >= 0 whose one-tail probability is q.
    const auto upperQuantile = [df](double q) {
        double hi = 1;
        for (int i = 0; i < 2000 && VYXTUpperTail(hi, df) > q; ++i)
            hi *= 2;
        return Bisect([&](double t) { return q - VYXTUpperTail(t, df); }, 0, hi);
    };
    if (twoTailed)
        return TResult::Ok(p == 1 ? 0 : upperQuantile(p / 2));
    if (p == 0.5)
        return TResult::Ok(0);
    return TResult::Ok(p < 0.5 ? -upperQuantile(p) : upperQuantile(1 - p));
}

TVYXNumResult VYXBinomDist(double k, double n, double p, bool cumulative)
{
    if (n < 0 || n > cMaxShape || k < 0 || k > n || p < 0 || p > 1)
        return Num();
    if (cumulative)
        return TResult::Ok(k >= n ? 1 : VYXBetaI(1 - p, p, n - k, k + 1));
    if (p == 0 || p == 1)
        return TResult::Ok((p == 0 ? k == 0 : k == n) ? 1 : 0);
    const double logChoose = VYXLogGamma(n + 1) - VYXLogGamma(k + 1) - VYXLogGamma(n - k + 1);
    return TResult::Ok(std::exp(logChoose + k * std::log(p) + (n - k) * std::log1p(-p)));
}

TVYXNumResult VYXBinomInv(double n, double p, double alpha)
{
    if (n < 0 || n > cMaxShape || p < 0 || p > 1 || alpha < 0 || alpha > 1)
        return Num();
    // The smallest k whose distribution function reaches alpha, by bisection on k.
    double lo = 0, hi = n;
    while (lo < hi) {
        const double mid = std::floor((lo + hi) / 2);
        // Near 1 the distribution function rounds to 1 early: compare its upper tail instead.
        const bool reached = alpha > 0.5 ? (mid >= n ? 0.0 : VYXBetaI(p, 1 - p, mid + 1, n - mid)) <= 1 - alpha
                                         : VYXBinomDist(mid, n, p, true).Value >= alpha;
        if (reached)
            hi = mid;
        else
            lo = mid + 1;
    }
    return TResult::Ok(lo);
}

TVYXNumResult VYXHypGeomDist(double k, double draws, double successes, double population, bool cumulative)
{
    if (k < 0 || draws < 0 || successes < 0 || population < 0 || draws > population || successes > population ||
        k > draws || k > successes || draws - k > population - successes)
        return Num();
    const auto logChoose = [](double a, double b) {
        return VYXLogGamma(a + 1) - VYXLogGamma(b + 1) - VYXLogGamma(a - b + 1);
    };
    const auto logPmf = [&](double i) {
        return logChoose(successes, i) + logChoose(population - successes, draws - i) - logChoose(population, draws);
    };
    if (!cumulative)
        return TResult::Ok(std::exp(logPmf(k)));
    const double first = std::max(0.0, draws - (population - successes));
    if (k - first > 1e6)
        return Num();
    // Each term from the one before, in logarithms: two logarithms a term.
    const double failures = population - successes;
    double logTerm = logPmf(first), sum = 0;
    for (double i = first; i <= k; ++i) {
        sum += std::exp(logTerm);
        logTerm += std::log((successes - i) * (draws - i)) - std::log((i + 1) * (failures - draws + i + 1));
    }
    return TResult::Ok(std::min(sum, 1.0));
}

TVYXNumResult VYXNegBinomDist(double failures, double successes, double p, bool cumulative)
{
    if (failures < 0 || successes < 1 || failures > cMaxShape || successes > cMaxShape || p < 0 || p > 1)
        return Num();
    if (cumulative)
        return TResult::Ok(VYXBetaI(p, 1 - p, successes, failures + 1));
    if (p == 0 || p == 1)
        return TResult::Ok(p == 1 && failures == 0 ? 1 : 0);
    const double logChoose =
        VYXLogGamma(failures + successes) - VYXLogGamma(successes) - VYXLogGamma(failures + 1);
    return TResult::Ok(std::exp(logChoose + successes * std::log(p) + failures * std::log1p(-p)));
}

TVYXNumResult VYXPoissonDist(double k, double mean, bool cumulative)
{
    if (k < 0 || mean < 0 || k > cMaxShape || mean > cMaxShape)
        return Num();
    if (mean == 0)
        return TResult::Ok(cumulative || k == 0 ? 1 : 0);
    if (cumulative)
        return TResult::Ok(VYXGammaQ(k + 1, mean));
    return TResult::Ok(std::exp(k * std::log(mean) - mean - VYXLogGamma(k + 1)));
}

TVYXNumResult VYXFact(double n)
{
    if (n < 0 || n > 170)
        return Num();
    double f = 1;
    for (int i = 2; i <= static_cast<int>(n); ++i)
        f *= i;
    return TResult::Ok(f);
}

TVYXNumResult VYXCombin(double n, double k)
{
    if (n < 0 || k < 0 || k > n)
        return Num();
    const double m = std::min(k, n - k);
    double c = 1;
    for (double i = 1; i <= m; ++i) {
        c = c * (n - m + i) / i;
        if (!std::isfinite(c))
            return Num();
    }
    return TResult::Ok(std::round(c));
}

TVYXNumResult VYXPermut(double n, double k)
{
    if (n < 0 || k < 0 || k > n)
        return Num();
    double c = 1;
    for (double i = 0; i < k; ++i) {
        c *= n - i;
        if (!std::isfinite(c))
            return Num();
    }
    return TResult::Ok(c);
}
