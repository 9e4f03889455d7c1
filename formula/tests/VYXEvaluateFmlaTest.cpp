// VYXEvaluateFmlaTest.cpp: operators, coercions, errors, references and the user-function callback.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncHandlers.h"
#include "platform/VYXErrors.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

namespace {

class TEvalFixture {
public:
    TEvalFixture() : Manager(Errors), Evaluator(Manager) {}

    std::vector<std::uint8_t> Encode(const std::string& formula, bool strict = true)
    {
        std::vector<std::uint8_t> ptgs;
        EXPECT_TRUE(XLSEncodeFormula(Manager, Utf8ToUtf16(formula), ptgs, strict)) << formula;
        return ptgs;
    }
    std::string Eval(const std::string& formula, std::int32_t col = 0, std::int32_t row = 0)
    {
        return Utf16ToUtf8(Evaluator.EvaluateStr(0, col, row, Encode(formula)));
    }

    TVYXErrorManager Errors;
    TXLSCellManager Manager;
    TXLSFormulaEvaluator Evaluator;
};

struct TCase {
    const char* Formula;
    const char* Expected;
};

void ExpectAll(TEvalFixture& f, std::initializer_list<TCase> cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Formula);
        EXPECT_EQ(f.Eval(c.Formula), c.Expected);
    }
}

// Handlers for the seam tests, written the way the function library writes them.
void TestSum(TXLSFuncCall& call)
{
    double sum = 0;
    for (int i = 0; i < call.ArgCount; ++i) {
        double v = 0;
        if (!call.Stack.PopResFloat(v))
            return;
        sum += v;
    }
    call.Stack.PushFloat(sum);
}

void TestAbs(TXLSFuncCall& call)
{
    double v = 0;
    if (call.Stack.PopResFloat(v))
        call.Stack.PushFloat(std::fabs(v));
}

void PushesNothing(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
}

}  // namespace

TEST(Evaluator, OperatorsAndCoercions)
{
    TEvalFixture f;
    ExpectAll(f, {
                     {"-2^2", "4"},
                     {"2^-1", "0.5"},
                     {"2^3^2", "64"},
                     {"1+2*3", "7"},
                     {"(1+2)*3", "9"},
                     {"7-2-1", "4"},
                     {"1=1<2", "FALSE"},  // 1 = TRUE: a number never equals a boolean
                     {"1+\"2\"", "3"},
                     {"\"10\"+1", "11"},
                     {"\" 1e3 \"*1", "1000"},
                     {"\"abc\"+1", "#VALUE!"},
                     {"\"\"+1", "#VALUE!"},
                     {"TRUE+1", "2"},
                     {"--\"2\"", "2"},
                     {"+\"a\"", "a"},
                     {"\"a\"&1", "a1"},
                     {"1&2", "12"},
                     {"1.5&\"\"", "1.5"},
                     {"TRUE&1", "TRUE1"},
                     {"1/3&\"\"", "0.333333333333333"},
                     {"50%", "0.5"},
                     {"200%%", "0.02"},
                     {"\"50\"%", "0.5"},
                     {"-\"x\"", "#VALUE!"},
                     {"1e308*10", "#NUM!"},
                     {"(-8)^(1/3)", "#NUM!"},
                 });
}

TEST(Evaluator, Comparisons)
{
    TEvalFixture f;
    ExpectAll(f, {
                     {"1<2", "TRUE"},
                     {"2<=2", "TRUE"},
                     {"3<>3", "FALSE"},
                     {"5<\"a\"", "TRUE"},  // numbers sort below text
                     {"\"a\">99999", "TRUE"},
                     {"TRUE=\"abc\"", "TRUE"},  // text and booleans tie
                     {"1<TRUE", "TRUE"},
                     {"TRUE>FALSE", "TRUE"},
                     {"\"abc\"=\"ABC\"", "TRUE"},
                     {"\"b\">\"A\"", "TRUE"},
                     {"\"ab\"<\"abc\"", "TRUE"},
                     {"\"1\"=1", "FALSE"},
                 });
}

TEST(Evaluator, ErrorsPropagate)
{
    TEvalFixture f;
    ExpectAll(f, {
                     {"1/0", "#DIV/0!"},
                     {"0/0", "#DIV/0!"},
                     {"1/0+1", "#DIV/0!"},
                     {"1+1/0", "#DIV/0!"},
                     {"-(1/0)", "#DIV/0!"},
                     {"(1/0)%", "#DIV/0!"},
                     {"\"x\"&1/0", "#DIV/0!"},
                     {"1/0=1", "#DIV/0!"},
                     {"1=1/0", "#DIV/0!"},
                     // The left operand's error wins.
                     {"(\"a\"+1)+1/0", "#VALUE!"},
                     {"1/0&(\"a\"+1)", "#DIV/0!"},
                     {"(1/0)<(\"a\"+1)", "#DIV/0!"},
                 });
}

TEST(Evaluator, EmptyReferencesAndUnsupportedPtgs)
{
    TEvalFixture f;
    ExpectAll(f, {
                     {"A1+1", "1"},
                     {"A1", ""},
                     {"A1=\"\"", "TRUE"},
                     {"\"\"=A1", "TRUE"},
                     {"A1<>\"\"", "FALSE"},
                     {"A1=B1", "FALSE"},  // two empty values never compare equal
                     {"A1=0", "TRUE"},
                     {"A1&\"x\"", "x"},
                     {"Sheet1!B2*2", "0"},
                     // Array constants give their first element where one value is needed.
                     {"{1,2;3,4}", "1"},
                     {"1+{1}", "2"},
                     {"{\"a\",TRUE}&{-2}", "a-2"},
                     // Not run: unions, intersections, ranges between references.
                     {"A1:B2 B1", "#VALUE!"},
                     {"(A1,B1)", "#VALUE!"},
                     {"A1:B2:C3", "#VALUE!"},
                 });
}

TEST(Evaluator, CellsOfARealStore)
{
    TEvalFixture f;
    auto grid = std::make_unique<TXLSGridCellStore>();
    grid->SetFloat(0, 0, 2);                    // A1
    grid->SetString(1, 0, u"x");               // B1
    grid->SetBoolean(0, 1, true);              // A2
    grid->SetError(2, 2, errDiv0);             // C3
    grid->SetString(0, 2, u"10", true);        // A3, a formula result
    grid->SetBlank(0, 3);                      // A4
    f.Manager.SetCells(std::move(grid));
    ExpectAll(f, {
                     {"A1*3", "6"},
                     {"B1&A1", "x2"},
                     {"A2+1", "2"},
                     {"C3+1", "#DIV/0!"},
                     {"A3+A1", "12"},
                     {"A4=\"\"", "TRUE"},
                     {"B1+1", "#VALUE!"},
                     {"$A$1+A$1", "4"},
                     {"A1:A5", "2"},    // implicit intersection with row 1
                     {"A1:C1", "2"},    // one row: the cell in the formula's column
                     {"B1:B3", "x"},
                     {"A2:A5", "#VALUE!"},
                     {"A1:B2", "#VALUE!"},
                 });
    EXPECT_EQ(f.Eval("A1:C1", 1, 0), "x");
    EXPECT_EQ(f.Eval("A1:A5", 5, 1), "TRUE");
}

TEST(Evaluator, UserFunctionsAndNames)
{
    TEvalFixture f;
    EXPECT_EQ(f.Eval("MYFUNC(1)"), "#N/A");  // no handler
    EXPECT_EQ(f.Eval("myname+1"), "#N/A");

    std::u16string seenName;
    TXLSUserFuncData seen;
    f.Evaluator.UserFunctionEvent = [&](const std::u16string& name, TXLSUserFuncData& data) {
        seenName = name;
        seen.Assign(data);
    };
    EXPECT_EQ(f.Eval("MYFUNC(1)"), "#NAME?");  // a handler that sets no result

    auto grid = std::make_unique<TXLSGridCellStore>();
    grid->SetFloat(0, 0, 7);
    grid->SetString(1, 1, u"b2");
    f.Manager.SetCells(std::move(grid));
    f.Evaluator.UserFunctionEvent = [&](const std::u16string& name, TXLSUserFuncData& data) {
        seenName = name;
        seen.Assign(data);
        if (data.IsName) {
            data.SetResultAsFloat(40);
            data.PostProcess = true;
        } else {
            data.SetResultAsString(u"r");
        }
    };
    EXPECT_EQ(f.Eval("F(1,\"a\",A1:B2,A1)"), "r");
    EXPECT_EQ(seenName, u"F");
    ASSERT_EQ(seen.ArgCount(), 4);
    EXPECT_FALSE(seen.IsName);
    // Argument 0 is the call's last argument.
    EXPECT_EQ(seen.RefType(0), xfrtRef);
    EXPECT_EQ(seen.AsFloat(0), 7);
    EXPECT_EQ(seen.RefType(1), xfrtArea);
    EXPECT_EQ(seen.Cols(1), 2);
    EXPECT_EQ(seen.Rows(1), 2);
    EXPECT_EQ(seen.AreaAsFloat(1, 0, 0), 7);
    EXPECT_EQ(seen.AreaAsString(1, 1, 1), u"b2");
    EXPECT_THROW(seen.AreaAsFloat(1, 2, 0), VYXException);
    EXPECT_THROW(seen.AsFloat(1), VYXException);
    EXPECT_EQ(seen.AsString(2), u"a");
    EXPECT_EQ(seen.AsFloat(2), 0);
    EXPECT_EQ(seen.AsInteger(3), 1);
    EXPECT_EQ(seen.AsString(3), u"1");
    EXPECT_THROW(seen.AsFloat(4), VYXException);
    EXPECT_FALSE(f.Evaluator.PostProcess);

    EXPECT_EQ(f.Eval("total+2"), "42");
    EXPECT_EQ(seenName, u"total");
    EXPECT_TRUE(seen.IsName);
    EXPECT_EQ(seen.ArgCount(), 0);
    EXPECT_TRUE(f.Evaluator.PostProcess);
}

TEST(Evaluator, BuiltinHandlerSeam)
{
    TEvalFixture f;
    const TXLSFunctionLibrary empty;
    f.Evaluator.SetFunctionLibrary(empty);
    EXPECT_EQ(f.Eval("SUM(1,2)"), "#N/A");  // no handler registered in this library
    EXPECT_EQ(f.Eval("ABS(-1)+1"), "#N/A");

    TXLSFunctionLibrary library;
    library.Register(4, TestSum);
    library.Register(24, TestAbs);
    library.Register(19, PushesNothing);
    library.Register(2, PushesNothing);
    f.Evaluator.SetFunctionLibrary(library);
    ExpectAll(f, {
                     {"SUM(1,2,3)+ABS(-4)", "10"},
                     {"SUM(1,\"x\")", "#VALUE!"},
                     {"SUM(1,1/0)", "#DIV/0!"},
                     {"SUM(1,,2)", "3"},
                     {"ABS(SUM(-1,-2))*2", "6"},
                     {"ISNA(1)", "#VALUE!"},  // a handler that left nothing
                 });
    f.Eval("RAND()");
    EXPECT_TRUE(f.Evaluator.Volatile);
    f.Eval("1");
    EXPECT_FALSE(f.Evaluator.Volatile);
    f.Eval("NOW()+1");
    EXPECT_TRUE(f.Evaluator.Volatile);
}

TEST(Evaluator, MalformedPtgsRaise)
{
    TEvalFixture f;
    struct TBad {
        std::vector<std::uint8_t> Ptgs;
        const char* Message;
    };
    const TBad cases[] = {
        {{}, "Empty stack"},
        {{0xA0, 0x01}, "Empty stack"},
        {{0x00}, "Illegal ptgs"},
        {{0x1F, 0x00, 0x00}, "Illegal ptgs"},
        {{0x8A, 0x05, 0x00, 0x41, 0x00}, "Illegal ptgs"},
        {{0x1C, 0x09}, "Illegal ptgs"},
        {{0x89, 0x01, 0x00, 0x00, 0x00, 0x03}, "Missing operand in expression"},
        {{0x13}, "Missing operand in expression"},
        {{0x81, 0x35, 0x00}, "Unknown function id \"53\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Message);
        try {
            f.Evaluator.Evaluate(0, 0, 0, c.Ptgs);
            ADD_FAILURE() << "no exception";
        } catch (const VYXException& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
    // SUM() with no argument: 4020 is reported and the call's value is #VALUE!.
    const std::vector<std::uint8_t> sumOfNothing = {0x82, 0x00, 0x04, 0x00};
    const TXLSFormulaValue v = f.Evaluator.Evaluate(0, 0, 0, sumOfNothing);
    EXPECT_EQ(v.ValType, xfvtError);
    ASSERT_GE(f.Errors.Text.Count(), 1);
    EXPECT_EQ(f.Errors.Text.Tag(0), 4020);
}

// A cut formula either raises or gives a value, and leaves the evaluator as it
// was: the next evaluation of the whole formula gives the same answer.
TEST(Evaluator, EveryTruncationFailsCleanly)
{
    TEvalFixture f;
    const auto full = f.Encode("SUM(1.5,\"ab\",$A$1:B2,Sheet1!C3,-x)&MYFUNC(TRUE,2)%&ROUND(2.5,0)");
    const std::u16string expected = f.Evaluator.EvaluateStr(0, 0, 0, full);
    ASSERT_FALSE(expected.empty());
    const std::vector<std::uint8_t> two = f.Encode("1+1");
    int raised = 0;
    for (std::size_t n = 0; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        const std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        try {
            (void)f.Evaluator.EvaluateStr(0, 0, 0, cut);
        } catch (const VYXException& e) {
            ++raised;
            EXPECT_NE(std::string(e.what()), "");
        }
        EXPECT_EQ(f.Evaluator.EvaluateStr(0, 0, 0, full), expected);
        EXPECT_EQ(Utf16ToUtf8(f.Evaluator.EvaluateStr(0, 0, 0, two)), "2");
    }
    EXPECT_GT(raised, 0);  // cuts inside a record cannot all pass for whole formulas
}

TEST(Evaluator, LocaleNotation)
{
    TVYXLocaleSettings comma;
    comma.DecimalSeparator = u',';
    comma.ListSeparator = u';';
    VYXSetCurrentLocale(comma);
    TEvalFixture f;
    const auto ptgs = f.Encode("1,5&\"\"", false);
    const std::string text = Utf16ToUtf8(f.Evaluator.EvaluateStr(0, 0, 0, ptgs));
    const std::string parsed = Utf16ToUtf8(f.Evaluator.EvaluateStr(0, 0, 0, f.Encode("\"2,5\"*2", false)));
    VYXSetCurrentLocale(TVYXLocaleSettings::EnUS());
    EXPECT_EQ(text, "1,5");
    EXPECT_EQ(parsed, "5");
}

TEST(ValueStack, ArgumentReadersForHandlers)
{
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    TValueStack stack(manager);
    struct TCase {
        const char* Name;
        void (*Push)(TValueStack&);
        int Reader;  // 0 float, 1 int, 2 positive int, 3 boolean, 4 string
        const char* Expected;  // the value read, or the error the reader pushed
    };
    const TCase cases[] = {
        {"float from text", [](TValueStack& s) { s.PushString(u" 2.5 "); }, 0, "2.5"},
        {"float from boolean", [](TValueStack& s) { s.PushBoolean(true); }, 0, "1"},
        {"float from missing", [](TValueStack& s) { s.PushMissing(); }, 0, "0"},
        {"float from bad text", [](TValueStack& s) { s.PushString(u"x"); }, 0, "#VALUE!"},
        {"float from error", [](TValueStack& s) { s.PushError(errNA); }, 0, "#N/A"},
        {"int truncates", [](TValueStack& s) { s.PushFloat(-2.7); }, 1, "-2"},
        {"int overflow", [](TValueStack& s) { s.PushFloat(1e12); }, 1, "#NUM!"},
        {"positive int", [](TValueStack& s) { s.PushFloat(-1); }, 2, "#NUM!"},
        {"boolean from text", [](TValueStack& s) { s.PushString(u"true"); }, 3, "TRUE"},
        {"boolean from number text", [](TValueStack& s) { s.PushString(u"0"); }, 3, "FALSE"},
        {"boolean from bad text", [](TValueStack& s) { s.PushString(u"yes"); }, 3, "#VALUE!"},
        {"string from number", [](TValueStack& s) { s.PushFloat(0.1 + 0.2); }, 4, "0.3"},
        {"string from boolean", [](TValueStack& s) { s.PushBoolean(false); }, 4, "FALSE"},
        {"string from empty cell", [](TValueStack& s) { s.PushCell(3, 3); }, 4, ""},
        {"string from far area", [](TValueStack& s) { s.PushArea(2, 2, 3, 3); }, 4, "#VALUE!"},
        {"cell outside the grid", [](TValueStack& s) { s.PushCell(16384, 0); }, 4, "#REF!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        stack.Clear(0, 0, 0);
        stack.PushFloat(99);  // a value below the call that must survive it
        c.Push(stack);
        stack.SetResult(1);
        EXPECT_EQ(stack.ArgsLeft(), 1);
        std::u16string text;
        bool ok = false;
        switch (c.Reader) {
        case 0: {
            double v = 0;
            ok = stack.PopResFloat(v);
            text = VYXFloatToStr(v);
            break;
        }
        case 1:
        case 2: {
            std::int32_t v = 0;
            ok = c.Reader == 1 ? stack.PopResInt(v) : stack.PopResPosInt(v);
            text = Utf8ToUtf16(std::to_string(v));
            break;
        }
        case 3: {
            bool v = false;
            ok = stack.PopResBoolean(v);
            text = v ? u"TRUE" : u"FALSE";
            break;
        }
        default: ok = stack.PopResStr(text); break;
        }
        if (ok) {
            EXPECT_EQ(Utf16ToUtf8(text), c.Expected);
            EXPECT_EQ(stack.Count(), 1);
        } else {
            ASSERT_EQ(stack.Count(), 2);
            EXPECT_EQ(Utf16ToUtf8(XLSValueToStr(stack, stack.Pop())), c.Expected);
        }
        EXPECT_EQ(stack.Pop().vFloat, 99);
    }
    stack.Clear(0, 0, 0);
    stack.PushFloat(1);
    EXPECT_THROW(stack.SetResult(2), VYXException);
}

TEST(ValueStack, StrictNumberConversions)
{
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    TValueStack stack(manager);
    TXLSFormulaValue text;
    text.SetString(u"12");
    TXLSFormulaValue missing;
    double v = 0;
    EXPECT_EQ(stack.GetAsFloatNum(text, v), errUnknown);
    EXPECT_EQ(v, 12);
    EXPECT_EQ(stack.GetAsFloatNumOnly(text, v), errValue);
    EXPECT_EQ(stack.GetAsFloatNumOnly(missing, v), errUnknown);
    bool isEmpty = false;
    EXPECT_EQ(stack.GetAsValueType(missing, isEmpty), xfvtUnknown);
    EXPECT_TRUE(isEmpty);
    TXLSFormulaValue err;
    err.SetError(errNum);
    std::u16string out;
    EXPECT_EQ(stack.GetAsString(err, out), errNum);
    EXPECT_EQ(out, u"#NUM!");
    EXPECT_EQ(stack.GetAsError(err), errNum);
}
