// VYXFuncTableTest.cpp: the table functions that once gave #N/A, on a real grid, with edge arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncLibrary.h"
#include "formula/VYXMask.h"
#include "formula/VYXStatDist.h"
#include "formula/tests/VYXReferenceTable.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"

namespace {

// Formulas owned by A1 of a grid the test fills.
class TGridEval {
public:
    TGridEval() : Manager(Errors), Evaluator(Manager)
    {
        XLSInitFunctionLibrary();
        auto grid = std::make_unique<TXLSGridCellStore>();
        Grid = grid.get();
        Manager.SetCells(std::move(grid));
    }

    std::string Eval(const std::string& formula)
    {
        std::vector<std::uint8_t> ptgs;
        if (!XLSEncodeFormula(Manager, Utf8ToUtf16(formula), ptgs, true))
            return "encode failed";
        Result = Evaluator.Evaluate(0, 0, 0, ptgs);
        return Utf16ToUtf8(XLSValueToStr(Evaluator.Stack(), Result));
    }

    double Number(const std::string& formula)
    {
        const std::string text = Eval(formula);
        EXPECT_EQ(Result.ValType, xfvtFloat) << formula << " gave " << text;
        return Result.ValType == xfvtFloat ? Result.vFloat : std::nan("");
    }

    void ExpectAll(std::initializer_list<std::pair<const char*, const char*>> cases)
    {
        for (const auto& [formula, expected] : cases)
            EXPECT_EQ(Eval(formula), expected) << formula;
    }

    TVYXErrorManager Errors;
    TXLSCellManager Manager;
    TXLSFormulaEvaluator Evaluator;
    TXLSGridCellStore* Grid = nullptr;
    TXLSFormulaValue Result;
};

// Column C: 1..6; column D: texts; column E: a boolean, an error, an empty text.
void FillSample(TXLSGridCellStore& g)
{
    const char16_t* texts[] = {u"apple", u"Banana", u"cherry", u"apricot", u"berry", u""};
    for (int r = 0; r < 6; ++r) {
        g.SetFloat(2, r, r + 1);
        g.SetString(3, r, texts[r]);
    }
    g.SetBoolean(4, 0, true);
    g.SetError(4, 1, errDiv0);
    g.SetString(4, 2, u"");
}

std::string Num(double v)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

}  // namespace

// Whole columns cost their stored cells; empty cells outside them still count.
TEST(FuncTable, ConditionalOverWholeColumns)
{
    TGridEval f;
    FillSample(*f.Grid);
    f.ExpectAll({
        {"COUNTIF(C:C,\">2\")", "4"},
        {"COUNTIF(C:C,\"<>\")", "6"},
        {"COUNTIF(C:C,\"\")", "1048570"},      // every other cell of the column is blank
        {"COUNTIF(D:D,\"=\")", "1048571"},     // empty text counts as blank too
        {"COUNTIF(D:D,\"a*\")", "2"},          // case-insensitive wildcards
        {"COUNTIF(D:D,\"B?????\")", "1"},
        {"COUNTIF(D:D,\"<>b*\")", "1048574"},  // everything but Banana and berry
        {"COUNTIF(E:E,TRUE)", "1"},
        {"COUNTIF(E:E,\"#DIV/0!\")", "1"},
        {"COUNTIF(C:C,\"1E+308\")", "0"},
        {"COUNTIF(C:C,\">-1E+308\")", "6"},
        {"COUNTIFS(C:C,\">1\",D:D,\"*r*\")", "3"},  // cherry, apricot and berry
        {"SUMIF(D:D,\"b*\",C:C)", "7"},
        {"SUMIF(C:C,\">3\")", "15"},
        {"SUMIFS(C:C,D:D,\"<>apple\",C:C,\"<6\")", "14"},
        {"AVERAGEIF(D:D,\"*e*\",C:C)", "3"},  // apple, cherry, berry
        {"AVERAGEIFS(C:C,C:C,\">100\")", "#DIV/0!"},
        {"SUMIF(C1:C2,\">0\",E1:E2)", "#DIV/0!"},  // an error in the sum range is the result
        {"COUNTIF(C:C,1/0)", "#DIV/0!"},           // so is an error as the criterion
        {"COUNTIF(C:C,C3)", "1"},                  // a criterion from a cell
        {"COUNTIF(C:C,\"3\")", "1"},               // numeric text reads as the number
        {"COUNTIFS(C1:C3,\">0\",C1:C2,\">0\")", "#VALUE!"},
        {"SUMIFS(C:C,D:D,\"a\",C:C)", "#VALUE!"},  // a range without its criterion
        {"COUNTIF(5,5)", "#VALUE!"},               // not a range
    });
}

TEST(FuncTable, IndexGivesReferences)
{
    TGridEval f;
    FillSample(*f.Grid);
    f.ExpectAll({
        {"INDEX(C1:D6,3,2)", "cherry"},
        {"SUM(INDEX(C1:D6,0,1))", "21"},
        {"ROW(INDEX(C1:D6,4,1))&COLUMN(INDEX(C1:D6,4,2))", "44"},
        {"COLUMNS(INDEX(C1:D6,2,0))", "2"},
        {"INDEX(C:C,1048576)", ""},  // the last cell of the grid, empty
        {"INDEX(C1:C6,7)", "#REF!"},
        {"INDEX(C1:D6,1,1,2)", "#REF!"},
        {"INDEX(C1:D6,\"x\",1)", "#VALUE!"},
        {"INDEX(7,1,1)", "7"},
        {"INDEX(1/0,1)", "#DIV/0!"},
    });
}

// TEXT formats exactly as the mask engine does, for every row of the mask table.
TEST(FuncTable, TextAgreesWithMasks)
{
    const auto rows = ReadReferenceTable("masks.tsv");
    ASSERT_GT(rows.size(), 500u);
    TGridEval f;
    int checked = 0;
    for (const auto& row : rows) {
        ASSERT_GE(row.size(), 2u);
        std::string quoted;
        for (char c : row[1])
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        TExcelMask mask(Utf8ToUtf16(row[1]));
        const std::string want = Utf16ToUtf8(mask.FormatNumber(std::strtod(row[0].c_str(), nullptr)));
        EXPECT_EQ(f.Eval("TEXT(" + row[0] + ",\"" + quoted + "\")"), want) << row[0] << " " << row[1];
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(rows.size()));
    f.ExpectAll({
        {"TEXT(\"abc\",\"0.00\")", "abc"},
        {"TEXT(\"12\",\"0.0\")", "12.0"},
        {"TEXT(TRUE,\"0\")", "TRUE"},
        {"TEXT(1/0,\"0\")", "#DIV/0!"},
        {"TEXT(C1,\"0.0\")", "0.0"},  // an empty cell is 0
        {"TEXT(1,REPT(\"0\",256))", "#VALUE!"},
    });
}

TEST(FuncTable, CombinatoricsAndSpecialFunctions)
{
    TGridEval f;
    EXPECT_NEAR(f.Number("FACT(170)") / 7.257415615307994e306, 1, 1e-13);
    f.ExpectAll({
        {"FACT(0)", "1"},          {"FACT(3.9)", "6"},         {"FACT(\"4\")", "24"},
        {"FACT(TRUE)", "1"},       {"FACT(\"x\")", "#VALUE!"}, {"FACT(-0.5)", "#NUM!"},
        {"FACT(1E+308)", "#NUM!"}, {"FACT(1/0)", "#DIV/0!"},   {"COMBIN(1000000,2)", "499999500000"},
        {"COMBIN(5,0)", "1"},      {"COMBIN(2,3)", "#NUM!"},   {"COMBIN(1E+308,1E+307)", "#NUM!"},
        {"PERMUT(3,0)", "1"},      {"PERMUT(10,3)", "720"},    {"PERMUT(1E+308,2)", "#NUM!"},
        {"ERFC(-40)", "2"},        {"ERF.PRECISE(40)", "1"},   {"GAMMALN(1)", "0"},
    });
}

// Every inverse returns the argument its distribution maps to p, in both tails.
TEST(FuncTable, InversesRoundTrip)
{
    TGridEval f;
    const double ps[] = {1e-12, 1e-6, 0.01, 0.3, 0.5, 0.77, 0.99, 1 - 1e-9};
    struct TPair {
        const char* Inverse;  // %s is p
        const char* Forward;  // %s is the inverse's value
    };
    const TPair pairs[] = {
        {"NORMSINV(%s)", "NORMSDIST(%s)"},
        {"NORMINV(%s,-5,3)", "NORMDIST(%s,-5,3,TRUE)"},
        {"LOGINV(%s,1,2)", "LOGNORMDIST(%s,1,2)"},
        {"CHIINV(%s,7)", "CHIDIST(%s,7)"},
        {"CHISQ.INV(%s,1)", "CHISQ.DIST(%s,1,TRUE)"},
        {"CHI.INV.RT(%s,40)", "CHISQ.DIST.RT(%s,40)"},
        {"FINV(%s,3,1000)", "FDIST(%s,3,1000)"},
        {"F.INV(%s,1,1)", "F.DIST(%s,1,1,TRUE)"},
        {"T.INV(%s,2)", "T.DIST(%s,2,TRUE)"},
        {"TINV(%s,30)", "TDIST(%s,30,2)"},
        {"GAMMAINV(%s,0.2,4)", "GAMMADIST(%s,0.2,4,TRUE)"},
        {"GAMMA.INV(%s,5000,1)", "GAMMA.DIST(%s,5000,1,TRUE)"},
        {"BETAINV(%s,0.5,3)", "BETADIST(%s,0.5,3)"},
        {"BETA.INV(%s,40,2)", "BETA.DIST(%s,40,2,TRUE)"},
    };
    for (const TPair& pair : pairs)
        for (double p : ps) {
            char inverse[128], forward[128];
            std::snprintf(inverse, sizeof inverse, pair.Inverse, Num(p).c_str());
            const double x = f.Number(inverse);
            std::snprintf(forward, sizeof forward, pair.Forward, Num(x).c_str());
            const double back = f.Number(forward);
            // The two-tailed TINV answers for p; the others for the tail they name.
            EXPECT_NEAR(back, p, std::max(1e-9 * p, 1e-15)) << inverse << " = " << Num(x) << "; " << forward;
        }
    // Discrete inverses give the least count whose distribution reaches alpha.
    EXPECT_EQ(f.Eval("CRITBINOM(40,0.3,1)"), "40");
    for (const double alpha : {0.0, 0.01, 0.5, 0.9, 0.999}) {
        const std::string a = Num(alpha);
        const double k = f.Number("CRITBINOM(40,0.3," + a + ")");
        EXPECT_GE(f.Number("BINOMDIST(" + Num(k) + ",40,0.3,TRUE)"), alpha - 1e-12) << a;
        if (k > 0) {
            EXPECT_LT(f.Number("BINOMDIST(" + Num(k - 1) + ",40,0.3,TRUE)"), alpha) << a;
        }
    }
}

TEST(FuncTable, DistributionEdges)
{
    TGridEval f;
    f.ExpectAll({
        {"NORMSDIST(1E+308)", "1"},
        {"NORMSDIST(-1E+308)", "0"},
        {"T.DIST(0,5,TRUE)", "0.5"},
        {"T.DIST.2T(-1,5)", "#NUM!"},
        {"TDIST(1,0.9,1)", "#NUM!"},          // degrees of freedom truncate to 0
        {"CHIDIST(5,1E+11)", "#NUM!"},         // above 10^10 degrees of freedom
        {"GAMMAINV(0.5,1E+300,1)", "#NUM!"},   // shapes above 10^10 too
        {"BINOMDIST(5,1E+300,0.5,TRUE)", "#NUM!"},
        {"POISSON(3,0,FALSE)", "0"},
        {"POISSON(0,0,TRUE)", "1"},
        {"BINOMDIST(0,10,0,FALSE)", "1"},
        {"HYPGEOMDIST(1,1,1,1)", "1"},
        {"EXPONDIST(0,1,FALSE)", "1"},
        {"WEIBULL(0,1,2,FALSE)", "0.5"},
        {"NORMDIST(\"1\",TRUE,1,TRUE)", "0.5"},  // numeric text and booleans are numbers
        {"NORMDIST(\"x\",0,1,TRUE)", "#VALUE!"},
        {"NORMDIST(1,0,1/0,TRUE)", "#DIV/0!"},
        {"CONFIDENCE.T(0.05,1,2)", "8.98464353209376"},  // 12.7062... / sqrt(2)
    });
    const double gross = f.Number("HYPGEOM.DIST(100,200,300,1000,TRUE)");
    EXPECT_GT(gross, 0);
    EXPECT_LE(gross, 1);
}

TEST(FuncTable, SampleTestsOnCells)
{
    TGridEval f;
    FillSample(*f.Grid);
    f.Grid->SetString(5, 0, u"x");  // F1: text among the numbers is skipped
    for (int r = 1; r < 6; ++r)
        f.Grid->SetFloat(5, r, r * r);
    f.ExpectAll({
        {"TTEST(C1:C6,F1:F6,2,1)", "0.126295850749236"},  // pairs with a text cell are dropped
        {"COVARIANCE.S(C1:C6,F1:F6)", "15"},
        {"ZTEST(C1:C6,3.5,0)", "#NUM!"},
        {"FTEST(C1:C6,C1:C1)", "#DIV/0!"},
        {"TTEST(C1:C6,F1:F6,1.5,2)", "0.0465562024456913"},  // tails truncate to 1
        {"TTEST(C1:C6,E1:E6,2,2)", "#DIV/0!"},                // the error cell in E is the result
    });
}

TEST(FuncTable, MatricesAndFits)
{
    TGridEval f;
    // G1:H2 = [1 2; 3 4]; y = 1 + 2 x1 + 3 x2 in J1:J5 over x1, x2 in K1:L5.
    f.Grid->SetFloat(6, 0, 1);
    f.Grid->SetFloat(7, 0, 2);
    f.Grid->SetFloat(6, 1, 3);
    f.Grid->SetFloat(7, 1, 4);
    const double x1[] = {1, 2, 3, 4, 5}, x2[] = {2, 1, 0, 3, 7};
    for (int r = 0; r < 5; ++r) {
        f.Grid->SetFloat(10, r, x1[r]);
        f.Grid->SetFloat(11, r, x2[r]);
        f.Grid->SetFloat(9, r, 1 + 2 * x1[r] + 3 * x2[r]);
    }
    EXPECT_NEAR(f.Number("LINEST(J1:J5,K1:L5)"), 3, 1e-12);
    f.Grid->SetFloat(12, 0, 10);  // M1:N1 a new observation, M3:M4 bins, P1:P4 a doubling series
    f.Grid->SetFloat(13, 0, 10);
    f.Grid->SetFloat(12, 2, 20);
    f.Grid->SetFloat(12, 3, 10);
    for (int r = 0; r < 4; ++r)
        f.Grid->SetFloat(15, r, 3 * std::pow(2, r));
    EXPECT_NEAR(f.Number("TREND(J1:J5,K1:L5,M1:N1)"), 51, 1e-10);
    EXPECT_NEAR(f.Number("TREND(J1:J5,K1:L5)"), 9, 1e-10);
    EXPECT_NEAR(f.Number("LINEST(J1:J5,K1:K5,FALSE)"), 278.0 / 55, 1e-12);  // through the origin
    EXPECT_NEAR(f.Number("LOGEST(P1:P4)"), 2, 1e-12);
    EXPECT_NEAR(f.Number("GROWTH(P1:P4,,M1)"), 1536, 1e-9);
    f.ExpectAll({
        {"MDETERM(G1:H2)", "-2"},
        {"MINVERSE(G1:H2)", "-2"},
        {"MMULT(G1:H2,G1:H2)", "7"},
        {"TRANSPOSE(G1:H2)", "1"},
        {"MDETERM(G1:H3)", "#VALUE!"},      // an empty cell is not a number
        {"MDETERM(C:D)", "#VALUE!"},        // too large, never walked
        {"FREQUENCY(J1:J5,M3:M4)", "1"},  // 18 only: above 10, up to 20
        {"FREQUENCY(J1:J5,J9)", "5"},     // no bins: one bin holds everything
        {"LOGEST(C1:C2)", "#VALUE!"},     // empty cells are no numbers
        {"GROWTH(L1:L5)", "#NUM!"},       // no logarithm of y = 0 (L3)
    });
}

TEST(FuncTable, DatabaseFunctions)
{
    TGridEval f;
    // A10:C15 the database, E10:F12 the criteria.
    const char16_t* names[] = {u"Apple", u"Pear", u"Cherry", u"apple", u"Plum"};
    const double heights[] = {18, 12, 13, 14, 9}, yields[] = {14, 10, 9, 10, 8};
    f.Grid->SetString(0, 9, u"Tree");
    f.Grid->SetString(1, 9, u"Height");
    f.Grid->SetString(2, 9, u"Yield");
    for (int r = 0; r < 5; ++r) {
        f.Grid->SetString(0, 10 + r, names[r]);
        f.Grid->SetFloat(1, 10 + r, heights[r]);
        f.Grid->SetFloat(2, 10 + r, yields[r]);
    }
    f.Grid->SetString(4, 9, u"Tree");
    f.Grid->SetString(5, 9, u"height");
    f.Grid->SetString(4, 10, u"apple");
    f.Grid->SetString(5, 10, u">15");
    f.Grid->SetString(4, 11, u"P*");
    f.Grid->SetString(6, 9, u"Nope");
    f.Grid->SetString(6, 10, u"x");
    f.ExpectAll({
        {"DSUM(A10:C15,\"Yield\",E10:F12)", "32"},  // Apple above 15, Pear and Plum
        {"DCOUNT(A10:C15,3,E10:F12)", "3"},
        {"DCOUNT(A10:C15,,E10:F12)", "3"},          // without a field: the records
        {"DAVERAGE(A10:C15,\"yield\",E10:E11)", "12"},
        {"DGET(A10:C15,\"Height\",E10:F11)", "18"},
        {"DGET(A10:C15,\"Height\",E10:E11)", "#NUM!"},  // two apples
        {"DMAX(A10:C15,\"Height\",E10:E13)", "18"},     // the empty row E13 selects all
        {"DCOUNTA(A10:C15,\"Tree\",G10:G11)", "0"},     // a criteria name that is no field
        {"DSUM(A10:C15,\"nosuch\",E10:E11)", "#VALUE!"},
        {"DSUM(A10:C15,4,E10:E11)", "#VALUE!"},
        {"DSUM(A10:C15,\"Yield\",5)", "#VALUE!"},
        {"DSUM(A10:C1048576,\"Yield\",E10:E12)", "42"},
    });
}

TEST(FuncTable, ThaiFunctions)
{
    TGridEval f;
    f.ExpectAll({
        {"BAHTTEXT(0)", "ศูนย์บาทถ้วน"},
        {"BAHTTEXT(21)", "ยี่สิบเอ็ดบาทถ้วน"},
        {"BAHTTEXT(1000001)", "หนึ่งล้านหนึ่งบาทถ้วน"},  // "เอ็ด" only after tens
        {"BAHTTEXT(1000011)", "หนึ่งล้านสิบเอ็ดบาทถ้วน"},
        {"BAHTTEXT(-1.25)", "ลบหนึ่งบาทยี่สิบห้าสตางค์"},
        {"BAHTTEXT(1E+300)", "#VALUE!"},
        {"THAIDIGIT(\"a1-20\")", "a๑-๒๐"},
        {"ISTHAIDIGIT(\"๑๒\")&ISTHAIDIGIT(\"1\")&ISTHAIDIGIT(\"\")", "TRUEFALSEFALSE"},
        {"THAIYEAR(DATE(2024,1,1))", "2567"},
        {"THAIDAYOFWEEK(DATE(2024,1,1))", "จันทร์"},
        {"THAIMONTHOFYEAR(DATE(2024,12,31))", "ธันวาคม"},
        {"THAIYEAR(-1)", "#NUM!"},
        {"THAISTRINGLENGTH(\"กี่\")", "1"},  // the vowel and tone marks take no place
        {"THAINUMSOUND(105.25)", "หนึ่งร้อยห้าจุดสองห้า"},
        {"THAINUMSTRING(-10)", "ลบหนึ่งศูนย์"},
        {"ROUNDBAHTUP(1.1)&\"/\"&ROUNDBAHTDOWN(1.1)&\"/\"&ROUNDBAHTUP(-1.1)", "1.25/1/-1.25"},
    });
}

TEST(FuncTable, CellAndRealTimeData)
{
    TGridEval f;
    FillSample(*f.Grid);
    f.ExpectAll({
        {"CELL(\"address\",C5)", "$C$5"},
        {"CELL(\"ROW\",C5:D9)&CELL(\"col\",C5:D9)", "53"},
        {"CELL(\"contents\",D2)", "Banana"},
        {"CELL(\"type\",D2)&CELL(\"type\",C2)&CELL(\"type\",Z9)", "lvb"},
        {"CELL(\"address\")", "$A$1"},  // the formula's own cell
        {"CELL(\"nonsense\",C1)", "#VALUE!"},
        {"CELL(\"type\",5)", "#VALUE!"},
        {"ISHYPERLINK(HYPERLINK(\"x\"))", "FALSE"},
        {"RTD(\"a\",\"\",\"b\")", "#N/A"},
    });
    std::u16string seen;
    f.Evaluator.UserFunctionEvent = [&seen](const std::u16string& name, TXLSUserFuncData& data) {
        seen = name + u"/" + data.AsString(data.ArgCount() - 1) + u"/" + data.AsString(0);
        data.SetResultAsFloat(42);
    };
    EXPECT_EQ(f.Eval("RTD(\"prog\",\"\",\"topic\")+1"), "43");
    EXPECT_EQ(Utf16ToUtf8(seen), "RTD/prog/topic");
    EXPECT_TRUE(f.Evaluator.Volatile);
}

// The special functions against closed forms and their own symmetries.
TEST(FuncTable, SpecialFunctionKernels)
{
    for (const double x : {1e-300, 1e-8, 0.3, 1.0, 2.5, 17.0, 80.0, 700.0}) {
        EXPECT_NEAR(VYXGammaP(1, x), -std::expm1(-x), 1e-15 + 1e-14 * -std::expm1(-x)) << x;
        EXPECT_NEAR(VYXGammaQ(1, x), std::exp(-x), 1e-13 * std::exp(-x)) << x;  // e^-700 loses digits to 700
        // P(1/2, x) = erf(sqrt(x)), on both sides of the series/fraction switch.
        EXPECT_NEAR(VYXGammaP(0.5, x), std::erf(std::sqrt(x)), 1e-14) << x;
        EXPECT_NEAR(VYXGammaQ(0.5, x), std::erfc(std::sqrt(x)), 1e-13 * std::erfc(std::sqrt(x)) + 1e-300) << x;
    }
    for (const double a : {0.1, 1.0, 7.5, 300.0, 1e6})
        for (const double x : {0.01, 1.0, 10.0, 400.0, 1.2e6})
            EXPECT_NEAR(VYXGammaP(a, x) + VYXGammaQ(a, x), 1, 1e-13) << a << " " << x;
    for (const double x : {1e-12, 0.1, 0.5, 0.9, 1 - 1e-12}) {
        EXPECT_NEAR(VYXBetaI(x, 1 - x, 1, 1), x, 1e-15) << x;                       // uniform
        EXPECT_NEAR(VYXBetaI(x, 1 - x, 2, 1), x * x, 1e-15) << x;                   // x^2
        EXPECT_NEAR(VYXBetaI(x, 1 - x, 1, 3), 1 - std::pow(1 - x, 3), 1e-14) << x;  // 1 - (1 - x)^3
        for (const double a : {0.5, 3.0, 40.0})
            EXPECT_NEAR(VYXBetaI(x, 1 - x, a, 2.5) + VYXBetaI(1 - x, x, 2.5, a), 1, 1e-13) << x << " " << a;
    }
    EXPECT_EQ(VYXBetaI(0, 1, 2, 3), 0);
    EXPECT_EQ(VYXBetaI(1, 0, 2, 3), 1);
    EXPECT_NEAR(VYXLogGamma(0.5), std::log(std::sqrt(3.14159265358979323846)), 1e-15);
    EXPECT_NEAR(VYXNormInv(0.975), 1.959963984540054, 1e-15);
    EXPECT_NEAR(VYXNormInv(1e-300), -37.047096299361199, 1e-13);  // 50-digit reference
    EXPECT_EQ(VYXNormInv(0.5), 0);
}
