// VYXHostileFormulaTest.cpp: formulas that try to pass for something else, raise, or grow without bound.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "formula/VYXFuncHandlers.h"
#include "formula/VYXFuncNames.h"
#include "formula/tests/VYXFuncReference.h"
#include "platform/tests/VYXScalingCheck.h"

namespace {

struct TSyntaxCase {
    const char* Formula;
    const char* Expected;  // the first diagnostic
};

std::string FirstError(TFuncEvaluator& f, const std::string& formula)
{
    f.Errors.Clear();
    const std::string value = f.Eval(formula);
    EXPECT_EQ(value, "encode failed") << formula;
    return f.Errors.Text.Count() > 0 ? f.Errors.Text[0] : std::string();
}

}  // namespace

// Operands side by side are a syntax error at the second one, never a value
// built from one of them; every diagnostic says what and where, not just a code.
TEST(HostileFormula, OperandsWithoutOperatorAreSyntaxErrors)
{
    TFuncEvaluator f;
    const TSyntaxCase cases[] = {
        {"1.2.3", "Error in formula: a missing operator before \".3\" at position 4"},
        {"(1)(2)", "Error in formula: a missing operator before \"(\" at position 4"},
        {"1\"a\"", "Error in formula: a missing operator before \"\"a\"\" at position 2"},
        {"SUM(1)2", "Error in formula: a missing operator before \"2\" at position 7"},
        {"5%6", "Error in formula: a missing operator before \"6\" at position 3"},
        {"(1", "Error 4007: a parenthesis that is not closed at position 3"},
        {"\"abc", "Missing quote in formula: a text without its closing quote at position 1"},
        {"1+#", "Error in formula: unexpected \"#\" at position 3"},
        {"IF(1,2,3,4)", "Error 4021: IF takes at most 3 arguments"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Formula);
        EXPECT_EQ(FirstError(f, c.Formula), c.Expected);
    }
    // What stays valid: references in parts, intersections, unary and postfix operators.
    for (const char* ok : {"Sheet1!A1+1", "A1:B2 B1:C3", "-5%", "SUM(A1,B2)*2", "{1,2;3,4}", "(1)+(2)"}) {
        SCOPED_TRACE(ok);
        f.Errors.Clear();
        EXPECT_NE(f.Eval(ok), "encode failed");
        EXPECT_EQ(f.Errors.ErrorCount, 0);
    }
}

// A wrong argument count that reaches the evaluator (bytes from elsewhere)
// makes the call #VALUE!; it never lets an argument pass for the result.
TEST(HostileFormula, WrongCountAtRunTimeIsAnError)
{
    TFuncEvaluator f;
    // IF(1,2,3,4) as bytes: IF(1,2,3) with a fourth integer before the call
    // record and the record's count raised to 4.
    std::vector<std::uint8_t> bytes, four;
    ASSERT_TRUE(XLSEncodeFormula(f.Manager, u"IF(1,2,3)", bytes));
    ASSERT_TRUE(XLSEncodeFormula(f.Manager, u"4", four));
    const std::size_t callSize = 4;  // id, count, function number
    bytes.insert(bytes.end() - static_cast<std::ptrdiff_t>(callSize), four.begin(), four.end());
    bytes[bytes.size() - callSize + 1] = 4;
    f.Errors.Clear();
    const TXLSFormulaValue v = f.Evaluator.Evaluate(0, 0, 0, bytes);
    EXPECT_EQ(Utf16ToUtf8(XLSValueToStr(f.Evaluator.Stack(), v)), "#VALUE!");
    EXPECT_EQ(f.Errors.ErrorCount, 1);
}

// Texts stay within the cell limit at every step, and the check comes before
// the work: these answer at once instead of building gigabytes.
TEST(HostileFormula, TextsStayWithinTheCellLimit)
{
    TFuncEvaluator f;
    const struct {
        const char* Formula;
        const char* Expected;
    } cases[] = {
        {"LEN(SUBSTITUTE(REPT(\"a\",32767),\"a\",REPT(\"b\",32767)))", "#VALUE!"},
        {"LEN(SUBSTITUTE(REPT(\"a\",16384),\"a\",\"bb\"))", "#VALUE!"},
        {"LEN(SUBSTITUTE(REPT(\"a\",16383),\"a\",\"bb\"))", "32766"},
        {"LEN(REPT(\"ab\",16384))", "#VALUE!"},
        {"LEN(REPT(\"a\",32767))", "32767"},
        {"LEN(REPT(\"a\",32767)&\"b\")", "#VALUE!"},
        {"LEN(REPT(\"a\",32766)&\"b\")", "32767"},
        {"LEN(CONCATENATE(REPT(\"a\",20000),REPT(\"b\",20000)))", "#VALUE!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Formula);
        EXPECT_EQ(f.Eval(c.Formula), c.Expected);
    }
}

// Handlers answer with values: an argument no kernel foresaw gives an error
// value, not an exception out of the evaluator.
TEST(HostileFormula, HandlersNeverRaise)
{
    TFuncEvaluator f;
    EXPECT_EQ(f.Eval("DOLLAR(1E308,127)").front(), '#');
    EXPECT_EQ(f.Eval("LEN(DOLLAR(1E300,127))"), "#VALUE!");
    // A handler that raises is contained by the evaluator itself.
    const std::int32_t id = G_XLSExcelFuncNames().FindId(u"DOLLAR");
    ASSERT_GE(id, 0);
    TXLSFuncHandler saved = XLSFunctionLibrary().Find(id);
    XLSFunctionLibrary().Register(id, [](TXLSFuncCall&) { throw std::runtime_error("kernel failure"); });
    EXPECT_EQ(f.Eval("1+DOLLAR(1,2)"), "#VALUE!");
    XLSFunctionLibrary().Register(id, saved);
    EXPECT_EQ(f.Eval("DOLLAR(1.5,1)").front(), '$');
}

// Checking each new text must not make joining n pieces cost n squared.
TEST(HostileFormula, LongFormulasScaleLinearly)
{
    TFuncEvaluator f;
    VYXExpectLinear(
        [&](int n) {
            std::string formula = "LEN(\"a\"";
            for (int k = 0; k < n; ++k)
                formula += "&\"b\"";
            formula += ")";
            EXPECT_EQ(f.Eval(formula), std::to_string(n + 1));
        },
        1500);
}
