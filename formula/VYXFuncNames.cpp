// VYXFuncNames.cpp: the 327 built-in functions with their ids and argument counts.
#include "formula/VYXFuncNames.h"

#include <algorithm>
#include <string>

#include "platform/VYXException.h"

namespace {

// Argument descriptors of the functions whose arguments are not all plain
// values (references and areas matter to them). Functions without one take
// values only.
constexpr TXLSExcelFuncArgs cArgsCount{0, 255, xefatValue, {}};
constexpr TXLSExcelFuncArgs cArgsIf{1, 3, xefatValue, {xefatValue, xefatRef, xefatRef}};
constexpr TXLSExcelFuncArgs cArgsRow{8, 1, xefatValue, {xefatRef}};
constexpr TXLSExcelFuncArgs cArgsLookup{28, 3, xefatArea, {xefatArea, xefatArea, xefatArea}};
constexpr TXLSExcelFuncArgs cArgsIndex{29, 4, xefatArea, {xefatArea, xefatValue, xefatArea, xefatArea}};
constexpr TXLSExcelFuncArgs cArgsNone34{34, 0, xefatValue, {}};
constexpr TXLSExcelFuncArgs cArgsNone63{63, 0, xefatValue, {}};
constexpr TXLSExcelFuncArgs cArgsOffset{78, 5, xefatValue, {xefatRef, xefatValue, xefatValue, xefatValue, xefatValue}};
constexpr TXLSExcelFuncArgs cArgsChoose{100, 255, xefatArea, {}};
constexpr TXLSExcelFuncArgs cArgsIndirect{148, 2, xefatValue, {xefatValue, xefatValue}};
constexpr TXLSExcelFuncArgs cArgsSubtotal{344, 255, xefatValue, {}};
constexpr TXLSExcelFuncArgs cArgsAverageIf{828, 3, xefatValue, {xefatRange, xefatArea, xefatArea}};

// In id order (a test checks it). A function is fixed when Min = Max.
constexpr TXLSFuncData cFunctions[] = {
    {xeftNormal, &cArgsCount, 0, 1, 254, "COUNT"},
    {xeftNormal, &cArgsIf, 1, 2, 3, "IF"},
    {xeftNormal, nullptr, 2, 1, 1, "ISNA"},
    {xeftNormal, nullptr, 3, 1, 1, "ISERROR"},
    {xeftNormal, nullptr, 4, 1, 254, "SUM"},
    {xeftNormal, nullptr, 5, 1, 254, "AVERAGE"},
    {xeftNormal, nullptr, 6, 1, 254, "MIN"},
    {xeftNormal, nullptr, 7, 1, 254, "MAX"},
    {xeftNormal, &cArgsRow, 8, 0, 1, "ROW"},
    {xeftNormal, nullptr, 9, 0, 1, "COLUMN"},
    {xeftNormal, nullptr, 10, 0, 0, "NA"},
    {xeftNormal, nullptr, 11, 2, 254, "NPV"},
    {xeftNormal, nullptr, 12, 1, 254, "STDEV"},
    {xeftNormal, nullptr, 13, 1, 2, "DOLLAR"},
    {xeftNormal, nullptr, 14, 1, 3, "FIXED"},
    {xeftNormal, nullptr, 15, 1, 1, "SIN"},
    {xeftNormal, nullptr, 16, 1, 1, "COS"},
    {xeftNormal, nullptr, 17, 1, 1, "TAN"},
    {xeftNormal, nullptr, 18, 1, 1, "ATAN"},
    {xeftNormal, nullptr, 19, 0, 0, "PI"},
    {xeftNormal, nullptr, 20, 1, 1, "SQRT"},
    {xeftNormal, nullptr, 21, 1, 1, "EXP"},
    {xeftNormal, nullptr, 22, 1, 1, "LN"},
    {xeftNormal, nullptr, 23, 1, 1, "LOG10"},
    {xeftNormal, nullptr, 24, 1, 1, "ABS"},
    {xeftNormal, nullptr, 25, 1, 1, "INT"},
    {xeftNormal, nullptr, 26, 1, 1, "SIGN"},
    {xeftNormal, nullptr, 27, 2, 2, "ROUND"},
    {xeftNormal, &cArgsLookup, 28, 2, 3, "LOOKUP"},
    {xeftNormal, &cArgsIndex, 29, 2, 4, "INDEX"},
    {xeftNormal, nullptr, 30, 2, 2, "REPT"},
    {xeftNormal, nullptr, 31, 3, 3, "MID"},
    {xeftNormal, nullptr, 32, 1, 1, "LEN"},
    {xeftNormal, nullptr, 33, 1, 1, "VALUE"},
    {xeftNormal, &cArgsNone34, 34, 0, 0, "TRUE"},
    {xeftNormal, nullptr, 35, 0, 0, "FALSE"},
    {xeftNormal, nullptr, 36, 1, 254, "AND"},
    {xeftNormal, nullptr, 37, 1, 254, "OR"},
    {xeftNormal, nullptr, 38, 1, 1, "NOT"},
    {xeftNormal, nullptr, 39, 2, 2, "MOD"},
    {xeftNormal, nullptr, 40, 3, 3, "DCOUNT"},
    {xeftNormal, nullptr, 41, 3, 3, "DSUM"},
    {xeftNormal, nullptr, 42, 3, 3, "DAVERAGE"},
    {xeftNormal, nullptr, 43, 3, 3, "DMIN"},
    {xeftNormal, nullptr, 44, 3, 3, "DMAX"},
    {xeftNormal, nullptr, 45, 3, 3, "DSTDEV"},
    {xeftNormal, nullptr, 46, 1, 254, "VAR"},
    {xeftNormal, nullptr, 47, 3, 3, "DVAR"},
    {xeftNormal, nullptr, 48, 2, 2, "TEXT"},
    {xeftNormal, nullptr, 49, 1, 4, "LINEST"},
    {xeftNormal, nullptr, 50, 1, 4, "TREND"},
    {xeftNormal, nullptr, 51, 1, 4, "LOGEST"},
    {xeftNormal, nullptr, 52, 1, 4, "GROWTH"},
    {xeftNormal, nullptr, 56, 3, 5, "PV"},
    {xeftNormal, nullptr, 57, 3, 5, "FV"},
    {xeftNormal, nullptr, 58, 3, 5, "NPER"},
    {xeftNormal, nullptr, 59, 3, 5, "PMT"},
    {xeftNormal, nullptr, 60, 3, 6, "RATE"},
    {xeftNormal, nullptr, 61, 3, 3, "MIRR"},
    {xeftNormal, nullptr, 62, 1, 2, "IRR"},
    {xeftNormal, &cArgsNone63, 63, 0, 0, "RAND"},
    {xeftNormal, nullptr, 64, 2, 3, "MATCH"},
    {xeftNormal, nullptr, 65, 3, 3, "DATE"},
    {xeftNormal, nullptr, 66, 3, 3, "TIME"},
    {xeftNormal, nullptr, 67, 1, 1, "DAY"},
    {xeftNormal, nullptr, 68, 1, 1, "MONTH"},
    {xeftNormal, nullptr, 69, 1, 1, "YEAR"},
    {xeftNormal, nullptr, 70, 1, 2, "WEEKDAY"},
    {xeftNormal, nullptr, 71, 1, 1, "HOUR"},
    {xeftNormal, nullptr, 72, 1, 1, "MINUTE"},
    {xeftNormal, nullptr, 73, 1, 1, "SECOND"},
    {xeftNormal, nullptr, 74, 0, 0, "NOW"},
    {xeftNormal, nullptr, 75, 1, 1, "AREAS"},
    {xeftNormal, nullptr, 76, 1, 1, "ROWS"},
    {xeftNormal, nullptr, 77, 1, 1, "COLUMNS"},
    {xeftNormal, &cArgsOffset, 78, 2, 5, "OFFSET"},
    {xeftNormal, nullptr, 82, 2, 3, "SEARCH"},
    {xeftNormal, nullptr, 83, 1, 1, "TRANSPOSE"},
    {xeftNormal, nullptr, 86, 1, 1, "TYPE"},
    {xeftNormal, nullptr, 97, 2, 2, "ATAN2"},
    {xeftNormal, nullptr, 98, 1, 1, "ASIN"},
    {xeftNormal, nullptr, 99, 1, 1, "ACOS"},
    {xeftNormal, &cArgsChoose, 100, 2, 254, "CHOOSE"},
    {xeftNormal, nullptr, 101, 3, 4, "HLOOKUP"},
    {xeftNormal, nullptr, 102, 3, 4, "VLOOKUP"},
    {xeftNormal, nullptr, 105, 1, 1, "ISREF"},
    {xeftNormal, nullptr, 109, 1, 2, "LOG"},
    {xeftNormal, nullptr, 111, 1, 1, "CHAR"},
    {xeftNormal, nullptr, 112, 1, 1, "LOWER"},
    {xeftNormal, nullptr, 113, 1, 1, "UPPER"},
    {xeftNormal, nullptr, 114, 1, 1, "PROPER"},
    {xeftNormal, nullptr, 115, 1, 2, "LEFT"},
    {xeftNormal, nullptr, 116, 1, 2, "RIGHT"},
    {xeftNormal, nullptr, 117, 2, 2, "EXACT"},
    {xeftNormal, nullptr, 118, 1, 1, "TRIM"},
    {xeftNormal, nullptr, 119, 4, 4, "REPLACE"},
    {xeftNormal, nullptr, 120, 3, 4, "SUBSTITUTE"},
    {xeftNormal, nullptr, 121, 1, 1, "CODE"},
    {xeftNormal, nullptr, 124, 2, 3, "FIND"},
    {xeftNormal, nullptr, 125, 1, 2, "CELL"},
    {xeftNormal, nullptr, 126, 1, 1, "ISERR"},
    {xeftNormal, nullptr, 127, 1, 1, "ISTEXT"},
    {xeftNormal, nullptr, 128, 1, 1, "ISNUMBER"},
    {xeftNormal, nullptr, 129, 1, 1, "ISBLANK"},
    {xeftNormal, nullptr, 130, 1, 1, "T"},
    {xeftNormal, nullptr, 131, 1, 1, "N"},
    {xeftNormal, nullptr, 140, 1, 1, "DATEVALUE"},
    {xeftNormal, nullptr, 141, 1, 1, "TIMEVALUE"},
    {xeftNormal, nullptr, 142, 3, 3, "SLN"},
    {xeftNormal, nullptr, 143, 4, 4, "SYD"},
    {xeftNormal, nullptr, 144, 4, 5, "DDB"},
    {xeftNormal, &cArgsIndirect, 148, 1, 2, "INDIRECT"},
    {xeftNormal, nullptr, 162, 1, 1, "CLEAN"},
    {xeftNormal, nullptr, 163, 1, 1, "MDETERM"},
    {xeftArray, nullptr, 164, 1, 1, "MINVERSE"},
    {xeftNormal, nullptr, 165, 2, 2, "MMULT"},
    {xeftNormal, nullptr, 167, 4, 6, "IPMT"},
    {xeftNormal, nullptr, 168, 4, 6, "PPMT"},
    {xeftNormal, nullptr, 169, 1, 254, "COUNTA"},
    {xeftNormal, nullptr, 183, 1, 254, "PRODUCT"},
    {xeftNormal, nullptr, 184, 1, 1, "FACT"},
    {xeftNormal, nullptr, 189, 3, 3, "DPRODUCT"},
    {xeftNormal, nullptr, 190, 1, 1, "ISNONTEXT"},
    {xeftNormal, nullptr, 193, 1, 254, "STDEVP"},
    {xeftNormal, nullptr, 194, 1, 254, "VARP"},
    {xeftNormal, nullptr, 195, 3, 3, "DSTDEVP"},
    {xeftNormal, nullptr, 196, 3, 3, "DVARP"},
    {xeftNormal, nullptr, 197, 1, 2, "TRUNC"},
    {xeftNormal, nullptr, 198, 1, 1, "ISLOGICAL"},
    {xeftNormal, nullptr, 199, 3, 3, "DCOUNTA"},
    {xeftNormal, nullptr, 205, 2, 3, "FINDB"},
    {xeftNormal, nullptr, 206, 2, 3, "SEARCHB"},
    {xeftNormal, nullptr, 207, 4, 4, "REPLACEB"},
    {xeftNormal, nullptr, 208, 1, 2, "LEFTB"},
    {xeftNormal, nullptr, 209, 1, 2, "RIGHTB"},
    {xeftNormal, nullptr, 210, 3, 3, "MIDB"},
    {xeftNormal, nullptr, 211, 1, 1, "LENB"},
    {xeftNormal, nullptr, 212, 2, 2, "ROUNDUP"},
    {xeftNormal, nullptr, 213, 2, 2, "ROUNDDOWN"},
    {xeftNormal, nullptr, 216, 2, 3, "RANK"},
    {xeftNormal, nullptr, 219, 2, 5, "ADDRESS"},
    {xeftNormal, nullptr, 220, 2, 3, "DAYS360"},
    {xeftNormal, nullptr, 221, 0, 0, "TODAY"},
    {xeftNormal, nullptr, 222, 5, 7, "VDB"},
    {xeftNormal, nullptr, 227, 1, 254, "MEDIAN"},
    {xeftNormal, nullptr, 228, 1, 254, "SUMPRODUCT"},
    {xeftNormal, nullptr, 229, 1, 1, "SINH"},
    {xeftNormal, nullptr, 230, 1, 1, "COSH"},
    {xeftNormal, nullptr, 231, 1, 1, "TANH"},
    {xeftNormal, nullptr, 232, 1, 1, "ASINH"},
    {xeftNormal, nullptr, 233, 1, 1, "ACOSH"},
    {xeftNormal, nullptr, 234, 1, 1, "ATANH"},
    {xeftNormal, nullptr, 235, 3, 3, "DGET"},
    {xeftNormal, nullptr, 244, 1, 1, "INFO"},
    {xeftNormal, nullptr, 247, 4, 5, "DB"},
    {xeftNormal, nullptr, 252, 2, 2, "FREQUENCY"},
    {xeftNormal, nullptr, 261, 1, 1, "ERROR.TYPE"},
    {xeftNormal, nullptr, 269, 1, 254, "AVEDEV"},
    {xeftNormal, nullptr, 270, 3, 5, "BETADIST"},
    {xeftNormal, nullptr, 271, 1, 1, "GAMMALN"},
    {xeftNormal, nullptr, 272, 3, 5, "BETAINV"},
    {xeftNormal, nullptr, 273, 4, 4, "BINOMDIST"},
    {xeftNormal, nullptr, 274, 2, 2, "CHIDIST"},
    {xeftNormal, nullptr, 275, 2, 2, "CHIINV"},
    {xeftNormal, nullptr, 276, 2, 2, "COMBIN"},
    {xeftNormal, nullptr, 277, 3, 3, "CONFIDENCE"},
    {xeftNormal, nullptr, 278, 3, 3, "CRITBINOM"},
    {xeftNormal, nullptr, 279, 1, 1, "EVEN"},
    {xeftNormal, nullptr, 280, 3, 3, "EXPONDIST"},
    {xeftNormal, nullptr, 281, 3, 3, "FDIST"},
    {xeftNormal, nullptr, 282, 3, 3, "FINV"},
    {xeftNormal, nullptr, 283, 1, 1, "FISHER"},
    {xeftNormal, nullptr, 284, 1, 1, "FISHERINV"},
    {xeftNormal, nullptr, 285, 2, 2, "FLOOR"},
    {xeftNormal, nullptr, 286, 4, 4, "GAMMADIST"},
    {xeftNormal, nullptr, 287, 3, 3, "GAMMAINV"},
    {xeftNormal, nullptr, 288, 2, 2, "CEILING"},
    {xeftNormal, nullptr, 289, 4, 4, "HYPGEOMDIST"},
    {xeftNormal, nullptr, 290, 3, 3, "LOGNORMDIST"},
    {xeftNormal, nullptr, 291, 3, 3, "LOGINV"},
    {xeftNormal, nullptr, 292, 3, 3, "NEGBINOMDIST"},
    {xeftNormal, nullptr, 293, 4, 4, "NORMDIST"},
    {xeftNormal, nullptr, 294, 1, 1, "NORMSDIST"},
    {xeftNormal, nullptr, 295, 3, 3, "NORMINV"},
    {xeftNormal, nullptr, 296, 1, 1, "NORMSINV"},
    {xeftNormal, nullptr, 297, 3, 3, "STANDARDIZE"},
    {xeftNormal, nullptr, 298, 1, 1, "ODD"},
    {xeftNormal, nullptr, 299, 2, 2, "PERMUT"},
    {xeftNormal, nullptr, 300, 3, 3, "POISSON"},
    {xeftNormal, nullptr, 301, 3, 3, "TDIST"},
    {xeftNormal, nullptr, 302, 4, 4, "WEIBULL"},
    {xeftNormal, nullptr, 303, 2, 2, "SUMXMY2"},
    {xeftNormal, nullptr, 304, 2, 2, "SUMX2MY2"},
    {xeftNormal, nullptr, 305, 2, 2, "SUMX2PY2"},
    {xeftNormal, nullptr, 306, 2, 2, "CHITEST"},
    {xeftNormal, nullptr, 307, 2, 2, "CORREL"},
    {xeftNormal, nullptr, 308, 2, 2, "COVAR"},
    {xeftNormal, nullptr, 309, 3, 3, "FORECAST"},
    {xeftNormal, nullptr, 310, 2, 2, "FTEST"},
    {xeftNormal, nullptr, 311, 2, 2, "INTERCEPT"},
    {xeftNormal, nullptr, 312, 2, 2, "PEARSON"},
    {xeftNormal, nullptr, 313, 2, 2, "RSQ"},
    {xeftNormal, nullptr, 314, 2, 2, "STEYX"},
    {xeftNormal, nullptr, 315, 2, 2, "SLOPE"},
    {xeftNormal, nullptr, 316, 4, 4, "TTEST"},
    {xeftNormal, nullptr, 317, 3, 4, "PROB"},
    {xeftNormal, nullptr, 318, 1, 254, "DEVSQ"},
    {xeftNormal, nullptr, 319, 1, 254, "GEOMEAN"},
    {xeftNormal, nullptr, 320, 1, 254, "HARMEAN"},
    {xeftNormal, nullptr, 321, 1, 254, "SUMSQ"},
    {xeftNormal, nullptr, 322, 1, 254, "KURT"},
    {xeftNormal, nullptr, 323, 1, 254, "SKEW"},
    {xeftNormal, nullptr, 324, 2, 3, "ZTEST"},
    {xeftNormal, nullptr, 325, 2, 2, "LARGE"},
    {xeftNormal, nullptr, 326, 2, 2, "SMALL"},
    {xeftNormal, nullptr, 327, 2, 2, "QUARTILE"},
    {xeftNormal, nullptr, 328, 2, 2, "PERCENTILE"},
    {xeftNormal, nullptr, 329, 2, 3, "PERCENTRANK"},
    {xeftNormal, nullptr, 330, 1, 254, "MODE"},
    {xeftNormal, nullptr, 331, 2, 2, "TRIMMEAN"},
    {xeftNormal, nullptr, 332, 2, 2, "TINV"},
    {xeftNormal, nullptr, 336, 1, 254, "CONCATENATE"},
    {xeftNormal, nullptr, 337, 2, 2, "POWER"},
    {xeftNormal, nullptr, 342, 1, 1, "RADIANS"},
    {xeftNormal, nullptr, 343, 1, 1, "DEGREES"},
    {xeftNormal, &cArgsSubtotal, 344, 2, 254, "SUBTOTAL"},
    {xeftNormal, nullptr, 345, 2, 3, "SUMIF"},
    {xeftNormal, nullptr, 346, 2, 2, "COUNTIF"},
    {xeftNormal, nullptr, 347, 1, 1, "COUNTBLANK"},
    {xeftNormal, nullptr, 350, 4, 4, "ISPMT"},
    {xeftNormal, nullptr, 354, 1, 2, "ROMAN"},
    {xeftNormal, nullptr, 359, 1, 2, "HYPERLINK"},
    {xeftNormal, nullptr, 360, 1, 1, "PHONETIC"},
    {xeftNormal, nullptr, 361, 1, 254, "AVERAGEA"},
    {xeftNormal, nullptr, 362, 1, 254, "MAXA"},
    {xeftNormal, nullptr, 363, 1, 254, "MINA"},
    {xeftNormal, nullptr, 364, 1, 254, "STDEVPA"},
    {xeftNormal, nullptr, 365, 1, 254, "VARPA"},
    {xeftNormal, nullptr, 366, 1, 254, "STDEVA"},
    {xeftNormal, nullptr, 367, 1, 254, "VARA"},
    {xeftNormal, nullptr, 368, 1, 1, "BAHTTEXT"},
    {xeftNormal, nullptr, 369, 1, 1, "THAIDAYOFWEEK"},
    {xeftNormal, nullptr, 370, 1, 1, "THAIDIGIT"},
    {xeftNormal, nullptr, 371, 1, 1, "THAIMONTHOFYEAR"},
    {xeftNormal, nullptr, 372, 1, 1, "THAINUMSOUND"},
    {xeftNormal, nullptr, 373, 1, 1, "THAINUMSTRING"},
    {xeftNormal, nullptr, 374, 1, 1, "THAISTRINGLENGTH"},
    {xeftNormal, nullptr, 375, 1, 1, "ISTHAIDIGIT"},
    {xeftNormal, nullptr, 376, 1, 1, "ROUNDBAHTDOWN"},
    {xeftNormal, nullptr, 377, 1, 1, "ROUNDBAHTUP"},
    {xeftNormal, nullptr, 378, 1, 1, "THAIYEAR"},
    {xeftNormal, nullptr, 379, 3, 254, "RTD"},
    {xeftNormal, nullptr, 380, 1, 1, "ISHYPERLINK"},
    {xeftNormal, nullptr, 381, 2, 2, "QUOTIENT"},
    {xeftNormal, nullptr, 800, 2, 2, "T.DIST.2T"},
    {xeftNormal, nullptr, 801, 2, 2, "T.DIST.RT"},
    {xeftNormal, nullptr, 802, 3, 3, "T.DIST"},
    {xeftNormal, nullptr, 803, 2, 2, "T.INV"},
    {xeftNormal, nullptr, 804, 2, 2, "T.INV.2T"},
    {xeftNormal, nullptr, 805, 2, 2, "CHISQ.INV"},
    {xeftNormal, nullptr, 806, 2, 2, "CHI.INV.RT"},
    {xeftNormal, nullptr, 807, 3, 3, "GAMMA.INV"},
    {xeftNormal, nullptr, 808, 3, 3, "LOGNORM.INV"},
    {xeftNormal, nullptr, 809, 3, 3, "NORM.INV"},
    {xeftNormal, nullptr, 810, 1, 1, "NORM.S.INV"},
    {xeftNormal, nullptr, 811, 3, 3, "F.INV"},
    {xeftNormal, nullptr, 812, 3, 3, "F.INV.RT"},
    {xeftNormal, nullptr, 813, 3, 3, "BINOM.INV"},
    {xeftNormal, nullptr, 814, 4, 4, "LOGNORM.DIST"},
    {xeftNormal, nullptr, 815, 2, 2, "F.TEST"},
    {xeftNormal, nullptr, 816, 1, 1, "ERFC"},
    {xeftNormal, nullptr, 817, 1, 1, "ERFC.PRECISE"},
    {xeftNormal, nullptr, 818, 3, 254, "AGGREGATE"},
    {xeftNormal, nullptr, 819, 1, 254, "STDEV.S"},
    {xeftNormal, nullptr, 820, 1, 254, "STDEV.P"},
    {xeftNormal, nullptr, 821, 1, 254, "VAR.S"},
    {xeftNormal, nullptr, 822, 1, 254, "VAR.P"},
    {xeftNormal, nullptr, 823, 1, 254, "MODE.SNGL"},
    {xeftNormal, nullptr, 824, 2, 2, "PERCENTILE.INC"},
    {xeftNormal, nullptr, 825, 2, 2, "QUARTILE.INC"},
    {xeftNormal, nullptr, 826, 2, 2, "PERCENTILE.EXC"},
    {xeftNormal, nullptr, 827, 2, 2, "QUARTILE.EXC"},
    {xeftNormal, &cArgsAverageIf, 828, 2, 3, "AVERAGEIF"},
    {xeftNormal, nullptr, 829, 3, 254, "AVERAGEIFS"},
    {xeftNormal, nullptr, 830, 1, 2, "CEILING.PRECISE"},
    {xeftNormal, nullptr, 831, 3, 3, "CHISQ.DIST"},
    {xeftNormal, nullptr, 832, 3, 3, "CONFIDENCE.T"},
    {xeftNormal, nullptr, 833, 2, 254, "COUNTIFS"},
    {xeftNormal, nullptr, 834, 2, 2, "COVARIANCE.S"},
    {xeftNormal, nullptr, 835, 1, 1, "ERF.PRECISE"},
    {xeftNormal, nullptr, 836, 4, 4, "F.DIST"},
    {xeftNormal, nullptr, 837, 1, 2, "FLOOR.PRECISE"},
    {xeftNormal, nullptr, 838, 1, 1, "GAMMALN.PRECISE"},
    {xeftNormal, nullptr, 839, 2, 2, "IFERROR"},
    {xeftNormal, nullptr, 840, 1, 2, "ISO.CEILING"},
    {xeftNormal, nullptr, 841, 1, 254, "MODE.MULT"},
    {xeftNormal, nullptr, 842, 2, 4, "NETWORKDAYS.INTL"},
    {xeftNormal, nullptr, 843, 2, 3, "PERCENTRANK.EXC"},
    {xeftNormal, nullptr, 844, 3, 254, "SUMIFS"},
    {xeftNormal, nullptr, 845, 2, 4, "WORKDAY.INTL"},
    {xeftNormal, nullptr, 846, 4, 6, "BETA.DIST"},
    {xeftNormal, nullptr, 847, 3, 5, "BETA.INV"},
    {xeftNormal, nullptr, 848, 4, 4, "BINOM.DIST"},
    {xeftNormal, nullptr, 849, 2, 2, "CHISQ.DIST.RT"},
    {xeftNormal, nullptr, 850, 2, 2, "CHISQ.TEST"},
    {xeftNormal, nullptr, 851, 3, 3, "CONFIDENCE.NORM"},
    {xeftNormal, nullptr, 852, 2, 2, "COVARIANCE.P"},
    {xeftNormal, nullptr, 853, 3, 3, "EXPON.DIST"},
    {xeftNormal, nullptr, 854, 3, 3, "F.DIST.RT"},
    {xeftNormal, nullptr, 855, 4, 4, "GAMMA.DIST"},
    {xeftNormal, nullptr, 856, 5, 5, "HYPGEOM.DIST"},
    {xeftNormal, nullptr, 857, 4, 4, "NEGBINOM.DIST"},
    {xeftNormal, nullptr, 858, 4, 4, "NORM.DIST"},
    {xeftNormal, nullptr, 859, 2, 2, "NORM.S.DIST"},
    {xeftNormal, nullptr, 860, 2, 3, "PERCENTRANK.INC"},
    {xeftNormal, nullptr, 861, 3, 3, "POISSON.DIST"},
    {xeftNormal, nullptr, 862, 2, 3, "RANK.EQ"},
    {xeftNormal, nullptr, 863, 4, 4, "T.TEST"},
    {xeftNormal, nullptr, 864, 4, 4, "WEIBULL.DIST"},
    {xeftNormal, nullptr, 865, 2, 3, "Z.TEST"},
    {xeftNormal, nullptr, 866, 2, 3, "WORKDAY"},
    {xeftNormal, nullptr, 867, 2, 3, "NETWORKDAYS"},
    {xeftNormal, nullptr, 868, 6, 8, "ACCRINT"},
    {xeftNormal, nullptr, 869, 2, 2, "EOMONTH"},
    {xeftNormal, nullptr, 870, 2, 3, "YEARFRAC"},
    {xeftNormal, nullptr, 871, 2, 3, "XIRR"},
    {xeftNormal, nullptr, 872, 3, 3, "XNPV"},
};
constexpr int cFunctionCount = static_cast<int>(std::size(cFunctions));
static_assert(cFunctionCount == 327);

int CompareNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char ca = (a[i] >= 'a' && a[i] <= 'z') ? static_cast<char>(a[i] - 32) : a[i];
        const char cb = (b[i] >= 'a' && b[i] <= 'z') ? static_cast<char>(b[i] - 32) : b[i];
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

TXLSExcelFuncNames::TXLSExcelFuncNames()
{
    std::fill(std::begin(FById), std::end(FById), static_cast<std::int16_t>(-1));
    static_assert(sizeof(FByName) / sizeof(FByName[0]) >= cFunctionCount);
    for (int i = 0; i < cFunctionCount; ++i) {
        FById[cFunctions[i].Id] = static_cast<std::int16_t>(i);
        FByName[i] = static_cast<std::int16_t>(i);
    }
    std::sort(FByName, FByName + cFunctionCount,
              [](std::int16_t a, std::int16_t b) { return cFunctions[a].Name < cFunctions[b].Name; });
}

std::int32_t TXLSExcelFuncNames::FindId(std::string_view name) const
{
    int lo = 0, hi = cFunctionCount - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const TXLSFuncData& f = cFunctions[FByName[mid]];
        const int c = CompareNoCase(f.Name, name);
        if (c == 0)
            return f.Id;
        if (c < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return -1;
}

std::int32_t TXLSExcelFuncNames::FindId(std::u16string_view name) const
{
    // Function names are ASCII; anything else cannot match.
    char buf[32];
    if (name.size() > sizeof buf)
        return -1;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] >= 0x80)
            return -1;
        buf[i] = static_cast<char>(name[i]);
    }
    return FindId(std::string_view(buf, name.size()));
}

const TXLSFuncData* TXLSExcelFuncNames::Find(std::int32_t id) const
{
    if (id < 0 || id > cMaxId || FById[id] < 0)
        return nullptr;
    return &cFunctions[FById[id]];
}

const TXLSFuncData& TXLSExcelFuncNames::Get(std::int32_t id) const
{
    const TXLSFuncData* f = Find(id);
    if (!f)
        throw VYXException("Unknown function id \"" + std::to_string(id) + "\"");
    return *f;
}

std::string_view TXLSExcelFuncNames::FindName(std::int32_t id) const { return Get(id).Name; }
std::int32_t TXLSExcelFuncNames::ArgCount(std::int32_t id) const { return Get(id).Min; }

void TXLSExcelFuncNames::ArgCount(std::int32_t id, std::int32_t& min, std::int32_t& max) const
{
    const TXLSFuncData& f = Get(id);
    min = f.Min;
    max = f.Max;
}

bool TXLSExcelFuncNames::FixedArgs(std::int32_t id) const
{
    const TXLSFuncData& f = Get(id);
    return f.Min == f.Max;
}

int TXLSExcelFuncNames::Count() const { return cFunctionCount; }

const TXLSFuncData& TXLSExcelFuncNames::GetItems(int i) const
{
    if (i < 0 || i >= cFunctionCount)
        throw VYXException("Index out of range");
    return cFunctions[i];
}

const TXLSExcelFuncNames& G_XLSExcelFuncNames()
{
    static const TXLSExcelFuncNames names;
    return names;
}
