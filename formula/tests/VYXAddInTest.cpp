// VYXAddInTest.cpp: the add-in functions by family, array values, and the two parsing and clock fixes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/VYXFuncLibrary.h"
#include "formula/VYXFormulaTypes.h"
#include "formula/VYXMask.h"
#include "formula/VYXUnitConvert.h"
#include "formula/tests/VYXFuncReference.h"
#include "platform/VYXException.h"
#include "platform/VYXLocale.h"

namespace {

struct TCase {
    const char* Formula;
    const char* Expected;
};

// Each case once on array constants and once on the same values in cells,
// so add-ins read ranges and arrays alike.
void ExpectBothWays(std::initializer_list<TCase> cases)
{
    for (const bool lay : {false, true}) {
        TFuncEvaluator f;
        f.LayArrays = lay;
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Formula) + (lay ? " (cells)" : " (array)"));
            EXPECT_EQ(f.Eval(c.Formula), c.Expected);
        }
    }
}

// The numbers of an array result, row by row ("" for an empty or non-number cell).
std::vector<std::string> ArrayCells(TFuncEvaluator& f, const std::string& formula, int& cols)
{
    f.Eval(formula);
    std::vector<std::string> out;
    cols = 0;
    if (!f.Result.IsArray())
        return out;
    cols = f.Result.Col2 + 1;
    TXLSFormulaValue cell;
    for (int r = 0; r <= f.Result.Row2; ++r)
        for (int c = 0; c <= f.Result.Col2; ++c) {
            f.Evaluator.Stack().LoadCellOf(f.Result, cell, c, r);
            out.push_back(Utf16ToUtf8(XLSValueToStr(f.Evaluator.Stack(), cell)));
        }
    return out;
}

}  // namespace

TEST(AddIns, NamesAreSortedAndFound)
{
    const auto names = XLSAddInNames();
    ASSERT_GT(names.size(), 50u);
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_LT(names[i - 1], names[i]);
    for (const auto name : names) {
        EXPECT_TRUE(XLSIsAddInName(name));
        EXPECT_TRUE(XLSIsAddInName(UnicodeLower(name)));
    }
    EXPECT_FALSE(XLSIsAddInName(u"SUM"));
    EXPECT_FALSE(XLSIsAddInName(u""));
    EXPECT_FALSE(XLSIsAddInName(std::u16string(100, u'A')));
}

TEST(AddIns, ArgumentCountsAndErrors)
{
    ExpectBothWays({
        {"GCD()", "#VALUE!"},
        {"IFNA(1)", "#VALUE!"},
        {"XLOOKUP(1,{1})", "#VALUE!"},
        {"SQRTPI(1/0)", "#DIV/0!"},
        {"DEC2BIN(\"x\")", "#VALUE!"},
        {"CONCAT(NA(),1/0)", "#N/A"},
        {"GCD({4,\"x\",8})", "4"},     // text in a range or array is skipped
        {"GCD(4,\"x\")", "#VALUE!"},   // direct text is not
        {"ceiling.math(-2.5,2,1)", "-4"},
        {"NOSUCH.FUNC(1)", "#NAME?"},
    });
}

TEST(AddIns, LookupAlongRowsAndColumns)
{
    ExpectBothWays({
        {"XLOOKUP(2,{1;2;3},{10;20;30})", "20"},
        {"XLOOKUP(2,{1,2,3},{10,20,30})", "20"},
        {"XLOOKUP(\"B\",{\"a\";\"b\"},{1;2})", "2"},
        {"XLOOKUP(4,{1;2;3},{10;20;30})", "#N/A"},
        {"XLOOKUP(4,{1;2;3},{10;20;30},\"none\")", "none"},
        {"XLOOKUP(2.5,{1;2;3},{10;20;30},,-1)", "20"},
        {"XLOOKUP(2.5,{1;2;3},{10;20;30},,1)", "30"},
        {"XLOOKUP(2.5,{3;1;2},{30;10;20},,-1)", "20"},  // unsorted: still the next smaller
        {"XLOOKUP(\"b*\",{\"abc\";\"bcd\"},{1;2},,2)", "2"},
        {"XLOOKUP(\"b*\",{\"abc\";\"bcd\"},{1;2})", "#N/A"},  // mode 0 has no wildcards
        {"XLOOKUP(1,{1;2;1},{10;20;30},,0,-1)", "30"},       // searched from the end
        {"XLOOKUP(1,{1;2},{10;20;30})", "#VALUE!"},          // lengths differ
        {"XLOOKUP(1,{1,2;3,4},{1,2;3,4})", "#VALUE!"},       // not one row or column
        {"XLOOKUP(1,{1;2},{10;20},,3)", "#VALUE!"},
        {"XLOOKUP(1/0,{1;2},{10;20})", "#DIV/0!"},
        {"SUM(XLOOKUP(2,{1;2},{1,2,3;4,5,6}))", "15"},       // a whole row of the results
        {"XMATCH(3,{5;3;1})", "2"},
        {"XMATCH(4,{5;3;1},1)", "1"},
        {"XMATCH(4,{5;3;1},-1)", "2"},
        {"XMATCH(9,{5;3;1})", "#N/A"},
        {"XMATCH(TRUE,{1;TRUE})", "2"},                      // kinds never mix
        {"XMATCH(\"?b\",{\"ab\",\"cb\"},2,-1)", "2"},
    });
}

TEST(AddIns, ArraysFromFunctions)
{
    TFuncEvaluator f;
    f.LayArrays = false;
    int cols = 0;
    EXPECT_EQ(ArrayCells(f, "SEQUENCE(2,3)", cols), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(cols, 3);
    EXPECT_EQ(ArrayCells(f, "SEQUENCE(3,1,10,-2.5)", cols), (std::vector<std::string>{"10", "7.5", "5"}));
    EXPECT_EQ(ArrayCells(f, "FILTER({1,2;3,4;5,6},{TRUE;0;1})", cols),
              (std::vector<std::string>{"1", "2", "5", "6"}));
    EXPECT_EQ(ArrayCells(f, "FILTER({1,2,3;4,5,6},{0,1,1})", cols), (std::vector<std::string>{"2", "3", "5", "6"}));
    EXPECT_EQ(cols, 2);
    ExpectBothWays({
        {"SUM(SEQUENCE(10))", "55"},
        {"ROWS(SEQUENCE(4,3))", "4"},
        {"COLUMNS(SEQUENCE(4,3))", "3"},
        {"SEQUENCE(0)", "#VALUE!"},
        {"SEQUENCE(70000,1000)", "#VALUE!"},  // more cells than an array may hold
        {"TEXTJOIN(\",\",TRUE,SEQUENCE(3,1,5))", "5,6,7"},
        {"MAX(FILTER({4;9;2},{1;0;1}))", "4"},
        {"FILTER({4;9},{0;0})", "#VALUE!"},
        {"FILTER({4;9},{0;0},\"none\")", "none"},
        {"FILTER({4;9},{1;1;1})", "#VALUE!"},
        {"MAXIFS(SEQUENCE(5),SEQUENCE(5),\"<4\")", "3"},
    });
}

TEST(AddIns, LogicAndText)
{
    ExpectBothWays({
        {"IFS(FALSE,1,1,\"b\")", "b"},
        {"IFS(TRUE,1,FALSE)", "#VALUE!"},  // a condition without its value
        {"SUM(IFNA(NA(),{1,2,3}))", "6"},  // an array passes through whole
        {"SWITCH(\"x\",\"y\",1)", "#N/A"},
        {"XOR({\"a\",TRUE})", "TRUE"},
        {"XOR({\"a\"})", "#VALUE!"},
        {"TEXTJOIN(\"\",FALSE,{\"a\",\"\";\"b\",\"c\"})", "abc"},
        {"LEN(CONCAT(REPT(\"x\",20000),REPT(\"y\",20000)))", "#VALUE!"},  // longer than a cell
        {"UNICHAR(55296)", "#N/A"},  // a lone surrogate is no character
        {"NUMBERVALUE(\"1.5\",\"\")", "#VALUE!"},
        {"NUMBERVALUE(\"1 000,5 %\",\",\",\" \")", "10.005"},
    });
}

TEST(AddIns, EngineeringEdges)
{
    ExpectBothWays({
        {"DEC2HEX(-1)", "FFFFFFFFFF"},
        {"DEC2HEX(-549755813888)", "8000000000"},
        {"DEC2HEX(-549755813889)", "#NUM!"},
        {"HEX2DEC(\"8000000000\")", "-549755813888"},
        {"DEC2OCT(-536870912)", "4000000000"},
        {"OCT2DEC(\"4000000000\")", "-536870912"},
        {"BIN2DEC(\"\")", "0"},
        {"HEX2BIN(\"1FF\")", "111111111"},
        {"DEC2BIN(5,10)", "0000000101"},
        {"DEC2BIN(5,11)", "#NUM!"},
        {"BASE(9007199254740991,36)", "2GOSA7PA2GV"},
        {"BASE(9007199254740992,36)", "#NUM!"},
        {"DECIMAL(\"2GOSA7PA2GV\",36)=2^53-1", "TRUE"},
        {"GCD(9007199254740992)", "#NUM!"},
        {"LCM(2^40,3^20)", "#NUM!"},
        {"ARABIC(REPT(\"M\",256))", "#VALUE!"},
        {"ERF(10)", "1"},
        {"CONVERT(1,\"kibit\",\"bit\")", "1024"},
        {"CONVERT(1,\"kift\",\"m\")", "#N/A"},  // no binary prefix on lengths
        {"CONVERT(1,\"km3\",\"m3\")", "1000000000"},
        {"CONVERT(-40,\"C\",\"F\")", "-40"},
        {"CONVERT(1,\"Rank\",\"K\")", "0.555555555555556"},
    });
    // Every unit converts to itself.
    for (const char* unit : {"g", "lbm", "m", "mi", "yr", "Pa", "N", "J", "W", "T", "K", "l", "m2", "bit", "mph"})
        EXPECT_DOUBLE_EQ(VYXConvertUnit(3, unit, unit).Value, 3) << unit;
}

TEST(AddIns, DatesAndFinanceEdges)
{
    ExpectBothWays({
        {"DATEDIF(DATE(2024,2,29),DATE(2025,2,28),\"Y\")", "0"},
        {"DATEDIF(DATE(2024,2,29),DATE(2025,3,1),\"Y\")", "1"},
        {"DATEDIF(DATE(2024,1,1),DATE(2024,12,31),\"md\")", "30"},
        {"DATEDIF(5,-1,\"D\")", "#NUM!"},
        {"WEEKNUM(DATE(2024,1,1),4)", "#NUM!"},
        {"ISOWEEKNUM(DATE(2016,1,3))", "53"},
        {"DAYS(\"x\",\"y\")", "#VALUE!"},
        {"CUMPRINC(0.01,12,1000,1,12,0)", "-1000"},  // the whole loan over its whole term
        {"DOLLARFR(DOLLARDE(3.07,8),8)", "3.07"},
    });
}

// Arrays reach a host's user function as areas over their own cells.
TEST(ArrayConstants, ReachHostsAndKeepTheirCells)
{
    TFuncEvaluator f;
    f.LayArrays = false;
    std::vector<double> seen;
    f.Evaluator.UserFunctionEvent = [&seen](const std::u16string&, TXLSUserFuncData& data) {
        EXPECT_EQ(data.Cols(0), 3);
        EXPECT_EQ(data.Rows(0), 2);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                seen.push_back(data.AreaAsFloat(0, c, r));
        data.SetResultAsString(data.AreaAsString(0, 1, 1));
    };
    EXPECT_EQ(f.Eval("HOST({1,2,3;4,\"x\",-6})"), "x");
    EXPECT_EQ(seen, (std::vector<double>{1, 2, 3, 4, 0, -6}));

    // The result outlives the stack slots it came from.
    f.Evaluator.UserFunctionEvent = nullptr;
    f.Eval("{7,8;9,10}");
    const TXLSFormulaValue kept = f.Result;
    f.Eval("{1}");
    TXLSFormulaValue cell;
    f.Evaluator.Stack().LoadCellOf(kept, cell, 1, 1);
    EXPECT_EQ(cell.vFloat, 10);
    EXPECT_EQ(cell.RefType, xfrtNone);  // array cells are plain values
}

TEST(ArrayConstants, MalformedRecordsFail)
{
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    TXLSFormulaEvaluator evaluator(manager);
    // An array record claiming four elements with one on the stack.
    const std::vector<std::uint8_t> ptgs = {xptgInt, 1, 0, 0, 0, xptgArray, 2, 0, 2, 0, 0, 0};
    EXPECT_THROW(evaluator.Evaluate(0, 0, 0, ptgs), VYXException);
    // An empty array is #VALUE!.
    const std::vector<std::uint8_t> empty = {xptgArray, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(evaluator.EvaluateStr(0, 0, 0, empty), u"#VALUE!");
}

// A known function name before "(" is a call even where it reads as a cell;
// without the parenthesis, or for an unknown name, it is still the cell.
TEST(ParserFixes, FunctionNamesBeforeParenthesis)
{
    TFuncEvaluator f;
    EXPECT_EQ(f.Eval("LOG10(1000)"), "3");
    EXPECT_EQ(f.Eval("Log10(100)*2"), "4");
    EXPECT_EQ(f.Eval("LOG10+1"), "1");       // the empty cell LOG10
    EXPECT_EQ(f.Eval("SUM(LOG10:LOG11)"), "0");
    EXPECT_EQ(f.Eval("DEC2BIN(5)"), "101");  // an add-in whose name starts like a cell
    EXPECT_EQ(f.Eval("ATAN2(1,1)*4"), "3.14159265358979");
    EXPECT_EQ(f.Eval("ABC1(2)"), "2");       // not a function: the cell ABC1, then the parenthesis
}

TEST(ClockFix, TimesBeforeMidnightKeepTheirDay)
{
    ExpectBothWays({
        {"HOUR(0.999999)", "23"},
        {"MINUTE(0.999999)", "59"},
        {"SECOND(0.999999)", "0"},  // seconds round within their minute
        {"HOUR(45292.9999999)", "23"},
        {"HOUR(0.5+1/86400*0.6)", "12"},
        {"SECOND(0.5+1/86400*0.6)", "1"},  // other times still round to the second
        {"HOUR(1)", "0"},
    });
}

TEST(MaskExtensions, FillConditionsFractionsSeconds)
{
    const TVYXLocaleSettings locale;
    auto format = [&locale](const char* mask, double v, int width = 0) {
        TExcelMask m(Utf8ToUtf16(mask), &locale);
        return Utf16ToUtf8(width ? m.FormatNumber(v, width) : m.FormatNumber(v));
    };
    EXPECT_EQ(format("*x0.00", 12.5, 10), "xxxxx12.50");
    EXPECT_EQ(format("\"$\"* #,##0.00", 1234.5, 12), "$   1,234.50");
    EXPECT_EQ(format("0.0*-", 1, 6), "1.0---");
    EXPECT_EQ(format("*x0.00", 12345.5, 3), "12345.50");  // never cut
    EXPECT_EQ(format("*x0.00", 12.5), "12.50");
    EXPECT_EQ(format("[>100]0;0.0", -5), "-5.0");
    EXPECT_EQ(format("[<=-1]\"neg \"0;0.00", -5), "neg 5");
    EXPECT_EQ(format("[<0]\"minus\";\"plus\"", -1), "minus");
    EXPECT_EQ(format("[<>0]0;\"zero\"", 0), "zero");
    EXPECT_EQ(format("[>abc]0", 5), "5");  // not a condition: ignored
    TExcelMask colored(u"[Red][>100]0;[Blue]0", &locale);
    EXPECT_EQ(colored.ValueColor(150), 0xFF0000u);
    EXPECT_EQ(colored.ValueColor(50), 0x0000FFu);
    EXPECT_EQ(format("# ?/?", 12345), "12345    ");
    EXPECT_EQ(format("# ?/?", 2.999), "3    ");
    EXPECT_EQ(format("# ?/?", 1e300), "1E+300");  // too large for a fraction
    EXPECT_EQ(format("0/", 5), "5/");             // no denominator: a plain slash
    EXPECT_EQ(format("dd/mm", 45292), "01/01");
    EXPECT_EQ(format("hh:mm:ss.00", 0.99999999), "23:59:59.99");  // digits never carry into the second
    EXPECT_EQ(format("ss.000", 1.0 / 86400 / 1000 * 1.6), "00.002");
}
