// VYXStatDist.h: special functions and probability distributions for the statistical function handlers.
//
// Pure kernels: each returns a value or an error code (TVYXNumResult) and
// never raises. The incomplete gamma and beta functions use a power series
// or a continued fraction, whichever converges on the argument, and are
// accurate to about 1e-14 relative; inverses search the distribution function
// in the tail where it is small, so tiny probabilities keep their precision.
// Counts that the usual definitions truncate (degrees of freedom, trials)
// are truncated by the callers. Shapes, counts, means and degrees of freedom
// above 10^10 give vneNum, which keeps every call to a bounded amount of work.
#pragma once

#include "formula/VYXMathUtils.h"

// ln |Gamma(x)|, thread-safe.
double VYXLogGamma(double x);
// The regularized incomplete gamma functions P(a, x) and Q(a, x) = 1 - P, for a > 0 and x >= 0.
double VYXGammaP(double a, double x);
double VYXGammaQ(double a, double x);
// The regularized incomplete beta function I_x(a, b), for a, b > 0 and
// 0 <= x <= 1; y is 1 - x, given separately so that it keeps its precision.
double VYXBetaI(double x, double y, double a, double b);
// The standard normal distribution and its inverse (0 < p < 1).
double VYXNormCdf(double z);
double VYXNormInv(double p);

// The functions below check their domains (vneNum outside) and follow the
// usual spreadsheet definitions; `cumulative` chooses the distribution
// function over the density (or mass) function.
TVYXNumResult VYXNormDist(double x, double mean, double sd, bool cumulative);
TVYXNumResult VYXNormInvDist(double p, double mean, double sd);
TVYXNumResult VYXLogNormDist(double x, double mean, double sd, bool cumulative);
TVYXNumResult VYXLogNormInv(double p, double mean, double sd);
TVYXNumResult VYXExponDist(double x, double lambda, bool cumulative);
TVYXNumResult VYXWeibullDist(double x, double alpha, double beta, bool cumulative);
TVYXNumResult VYXGammaDist(double x, double alpha, double beta, bool cumulative);
TVYXNumResult VYXGammaInv(double p, double alpha, double beta);
TVYXNumResult VYXBetaDist(double x, double alpha, double beta, bool cumulative, double lower, double upper);
TVYXNumResult VYXBetaInv(double p, double alpha, double beta, double lower, double upper);
// Chi-squared: the left tail (or density) and the right tail, and their inverses.
TVYXNumResult VYXChiSqDist(double x, double df, bool cumulative);
TVYXNumResult VYXChiSqDistRT(double x, double df);
TVYXNumResult VYXChiSqInv(double p, double df, bool rightTail);
// F: left tail (or density), right tail, inverses.
TVYXNumResult VYXFDist(double x, double df1, double df2, bool cumulative);
TVYXNumResult VYXFDistRT(double x, double df1, double df2);
TVYXNumResult VYXFInv(double p, double df1, double df2, bool rightTail);
// Student's t: the probability above |x| (one tail), the left tail or density,
// and the inverses of the left tail and of the two tails.
double VYXTUpperTail(double x, double df);
TVYXNumResult VYXTDist(double x, double df, bool cumulative);
TVYXNumResult VYXTInv(double p, double df, bool twoTailed);
TVYXNumResult VYXBinomDist(double k, double n, double p, bool cumulative);
TVYXNumResult VYXBinomInv(double n, double p, double alpha);
TVYXNumResult VYXHypGeomDist(double k, double draws, double successes, double population, bool cumulative);
TVYXNumResult VYXNegBinomDist(double failures, double successes, double p, bool cumulative);
TVYXNumResult VYXPoissonDist(double k, double mean, bool cumulative);
// n!, n over k, n! / (n - k)!, for whole numbers (the caller truncates).
TVYXNumResult VYXFact(double n);
TVYXNumResult VYXCombin(double n, double k);
TVYXNumResult VYXPermut(double n, double k);
