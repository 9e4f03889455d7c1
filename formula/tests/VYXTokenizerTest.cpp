// VYXTokenizerTest.cpp: token lists and error codes of formula texts.
#include <gtest/gtest.h>

#include <string>

#include "formula/VYXTokenizer.h"
#include "platform/VYXErrors.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

namespace {

// The dump with "|" for line ends, or "<none>" when no list came back.
std::string Tokens(const std::string& formula, TVYXErrorManager& errors, bool strict = true)
{
    TXLSTokenizer tokenizer(errors);
    tokenizer.SetStrictMode(strict);
    tokenizer.SetFormula(Utf8ToUtf16(formula));
    const auto list = tokenizer.Parse();
    if (!list)
        return "<none>";
    std::string dump = list->Dump();
    for (char& c : dump)
        if (c == '\n')
            c = '|';
    return dump;
}

std::string Tokens(const std::string& formula)
{
    TVYXErrorManager errors;
    std::string dump = Tokens(formula, errors);
    if (errors.ErrorCount)
        dump += " errors=" + std::to_string(errors.ErrorCount);
    return dump;
}

}  // namespace

TEST(Tokenizer, TokenLists)
{
    struct TCase {
        const char* Formula;
        const char* Expected;
    };
    const TCase cases[] = {
        {"", "<none>"},
        {" \r\n ", "<none>"},
        {" 1+2 ", "[whitespace] 1|[const num] 1|[op] +|[const num] 2|[space] 1|"},
        {"1 + 2", "[const num] 1|[whitespace] 1|[op] +|[whitespace] 1|[const num] 2|"},
        {"A1 B2", "[col] A|[row] 1|[isect] 1|[col] B|[row] 2|"},
        {"A1:B5  B2:C3", "[col] A|[row] 1|[colon] :|[col] B|[row] 5|[isect] 2|[col] B|[row] 2|[colon] :|[col] C|[row] 3|"},
        {"SUM( A1 )", "[function] SUM|[whitespace] 1|[col] A|[row] 1|[whitespace] 1|[par] )|"},
        {"sum(1)", "[function] sum|[const num] 1|[par] )|"},
        {"SUM(1, 2)", "[function] SUM|[const num] 1|[comma] ,|[whitespace] 1|[const num] 2|[par] )|"},
        {"LOG10(100)", "[function] LOG10|[const num] 100|[par] )|"},  // a known function, not the cell
        {"LOG10+1", "[col] LOG|[row] 10|[op] +|[const num] 1|"},
        {"ABC1(2)", "[col] ABC|[row] 1|[par] (|[const num] 2|[par] )|"},  // unknown: still the cell
        {"CEILING.MATH(1)", "[function] CEILING.MATH|[const num] 1|[par] )|"},
        {"TRUEX", "[bool] TRUE|[name] X| errors=1"},  // two operands side by side
        {"FALSE", "[bool] FALSE|"},
        {"true", "[name] true|"},
        {".5", "[const num] 0.5|"},
        {"5.", "[const num] 5|"},
        {"1e3", "[const num] 1000|"},
        {"1.5E-3", "[const num] 0.0015|"},
        {"2E+2", "[const num] 200|"},
        {"XFD1", "[col] XFD|[row] 1|"},
        {"XFE1", "[name] XFE1|"},
        {"AAAA1", "[name] AAAA1|"},
        {"A1048576", "[col] A|[row] 1048576|"},
        {"A1048577", "[name] A1048577|"},
        {"A1B", "[name] A1B|"},
        {"$A$1", "[col] $A|[row] $1|"},
        {"a$2", "[col] A|[row] $2|"},
        {"A:C", "[col] A|[colon] :|[col] C|"},
        {"3:$5", "[row] 3|[colon] :|[row] $5|"},
        {"\"a\"\"b\"", "[const str] a\"b|"},
        {"\xE2\x80\x9Cq\xE2\x80\x9D", "[const str] q|"},
        {"{1,2;3,4}",
         "[array] {|[const num] 1|[comma] ,|[const num] 2|[semicolon] ;|[const num] 3|[comma] ,|[const num] 4|[array] }|"},
        {"{-1,\"a\"}", "[array] {|[op] u-|[const num] 1|[comma] ,|[const str] a|[array] }|"},
        {"-1", "[op] u-|[const num] 1|"},
        {"1--1", "[const num] 1|[op] -|[op] u-|[const num] 1|"},
        {"2^-1", "[const num] 2|[op] ^|[op] u-|[const num] 1|"},
        {"50%", "[const num] 50|[op] %|"},
        {"1<>2<=3>=4", "[const num] 1|[op] <>|[const num] 2|[op] <=|[const num] 3|[op] >=|[const num] 4|"},
        {"'My Sheet'!A1", "[sheet] My Sheet|[excl] !|[col] A|[row] 1|"},
        {"'It''s'!B2", "[sheet] It's|[excl] !|[col] B|[row] 2|"},
        {"Sheet1:Sheet3!A1", "[sheet] Sheet1|[colon] :|[sheet] Sheet3|[excl] !|[col] A|[row] 1|"},
        {"[Book1]Sheet1!A1", "[workbook] Book1|[sheet] Sheet1|[excl] !|[col] A|[row] 1|"},
        {"'[Book 2]Data'!C3", "[workbook] Book 2|[sheet] Data|[excl] !|[col] C|[row] 3|"},
        {"Sheet1!total", "[sheet] Sheet1|[excl] !|[name] total|"},
        {"my_name.x", "[name] my_name.x|"},
        {"Table1[Col]", "[table] Table1|[table col] Col|[table end] ]|"},
        {"T[[#Headers],[Amount]]", "[table] T|[table special] #Headers|[table col] Amount|[table end] ]|"},
        {"#N/A", "[unknown] #|[name] N|[op] /|[name] A| errors=1"},
        {"1+", "[const num] 1|[op] +| errors=1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Formula);
        EXPECT_EQ(Tokens(c.Formula), c.Expected);
    }
}

TEST(Tokenizer, ErrorCodes)
{
    struct TCase {
        const char* Formula;
        int Code;  // the first error reported
    };
    const TCase cases[] = {
        {"1.5E", 4002}, {"1E+", 4002},     {".", 4003},      {"\"abc", 4004},     {"{1,}", 4005},
        {"{1;}", 4005}, {"{1,2", 4005},    {"#", 4006},      {"(1", 4007},        {"1*-", 4008},
        {"1:", 4010},   {"A:1", 4010},     {"'abc", 4011},   {"'abc'x", 4012},    {"''!A1", 4013},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Formula);
        TVYXErrorManager errors;
        Tokens(c.Formula, errors);
        ASSERT_GE(errors.ErrorCount, 1);
        EXPECT_EQ(errors.Text.Tag(0), c.Code);
    }
    TVYXErrorManager errors;
    Tokens("\"abc", errors);
    EXPECT_EQ(errors.Text[0], "Missing quote in formula: a text without its closing quote at position 1");
}

TEST(Tokenizer, LocaleSeparatorsOnlyOutsideStrictMode)
{
    TVYXLocaleSettings comma;
    comma.DecimalSeparator = u',';
    comma.ListSeparator = u';';
    VYXSetCurrentLocale(comma);
    TVYXErrorManager errors;
    const std::string local = Tokens("SUM(1,5;2)", errors, false);
    const std::string strict = Tokens("SUM(1,5;2)", errors, true);
    VYXSetCurrentLocale(TVYXLocaleSettings::EnUS());
    EXPECT_EQ(local, "[function] SUM|[const num] 1.5|[comma] ,|[const num] 2|[par] )|");
    EXPECT_EQ(strict.substr(0, 53), "[function] SUM|[const num] 1|[comma] ,|[const num] 5|");
}

TEST(Tokenizer, PositionsCountFromOneInTheOriginalText)
{
    TVYXErrorManager errors;
    TXLSTokenizer tokenizer(errors);
    tokenizer.SetFormula(u"  \"ab\"&x");
    const auto list = tokenizer.Parse();
    ASSERT_TRUE(list);
    ASSERT_EQ(list->Count(), 4);
    EXPECT_EQ(list->GetItems(1).Pos.P1, 3);  // the string runs from quote to quote
    EXPECT_EQ(list->GetItems(1).Pos.P2, 6);
    EXPECT_EQ(list->GetItems(3).Pos.P1, 8);
    EXPECT_EQ(list->LastTokenType(), xttName);
    EXPECT_EQ(list->NextTokenType(1), xttOpAmp);
}

TEST(Tokenizer, HostileInputEndsWithoutExhaustingTheStack)
{
    for (const char* unit : {"(", "-", "{", "'", "((-", "1+(", "[", "a%", "'a"}) {
        SCOPED_TRACE(unit);
        std::string formula;
        for (int i = 0; i < 20000; ++i)
            formula += unit;
        TVYXErrorManager errors;
        EXPECT_NE(Tokens(formula, errors), "<none>");
        EXPECT_LE(errors.ErrorCount, 32);
    }
}

TEST(Tokenizer, R1C1ModeWhenSwitchedOn)
{
    TVYXErrorManager errors;
    TXLSTokenizer tokenizer(errors);
    tokenizer.SetR1C1(true);
    tokenizer.SetFormula(u"R2C[-1]+RC3");
    const auto list = tokenizer.Parse();
    ASSERT_TRUE(list);
    std::string dump = list->Dump();
    EXPECT_EQ(dump, "[r1c1 row] 2\n[r1c1 col] -1\n[op] +\n[r1c1 row] 0\n[r1c1 col] 3\n");
    EXPECT_EQ(list->GetItems(0).TokenType, xttR1C1AbsRow);
    EXPECT_EQ(list->GetItems(1).TokenType, xttR1C1RelCol);
    tokenizer.SetFormula(u"R[1C1");
    tokenizer.Parse();
    EXPECT_EQ(errors.Text.Tag(0), 4014);
}
