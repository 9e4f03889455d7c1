// VYXEncodeFmlaTest.cpp: ptg byte strings of formulas, the function table and the ptg size table.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXFormulaTypes.h"
#include "formula/VYXFuncHandlers.h"
#include "formula/VYXFuncNames.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"

namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    std::string out;
    char b[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(b, sizeof b, i ? " %02X" : "%02X", bytes[i]);
        out += b;
    }
    return out;
}

// Hex of the encoded formula, followed by " errors=<codes>" when any were reported.
std::string Encode(TXLSCellManager& manager, const std::string& formula)
{
    std::vector<std::uint8_t> ptgs;
    const bool ok = XLSEncodeFormula(manager, Utf8ToUtf16(formula), ptgs);
    std::string out = Hex(ptgs);
    if (!ok) {
        out += " errors=";
        for (int i = 0; i < manager.Errors().Text.Count(); ++i)
            out += std::to_string(manager.Errors().Text.Tag(i)) + ";";
    }
    return out;
}

std::string Encode(const std::string& formula)
{
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    return Encode(manager, formula);
}

// A context whose only sheets are "Sheet1" (0) and "Sheet2" (1).
class TTwoSheets : public TXLSCellManager {
public:
    using TXLSCellManager::TXLSCellManager;
    int FindBookmark(std::u16string_view name) const override
    {
        return name == u"Sheet1" ? 0 : name == u"Sheet2" ? 1 : -1;
    }
};

}  // namespace

TEST(Encoder, ByteStrings)
{
    // Integers are "89 vv vv vv vv"; I(n) in the comments.
    struct TCase {
        const char* Formula;
        const char* Expected;
    };
    const TCase cases[] = {
        // I(1) I(2) I(3) * +
        {"1+2*3", "89 01 00 00 00 89 02 00 00 00 89 03 00 00 00 05 03"},
        // I(1) I(2) + () I(3) *
        {"(1+2)*3", "89 01 00 00 00 89 02 00 00 00 03 15 89 03 00 00 00 05"},
        // I(2) neg I(2) ^
        {"-2^2", "89 02 00 00 00 13 89 02 00 00 00 07"},
        // I(2) I(1) neg ^
        {"2^-1", "89 02 00 00 00 89 01 00 00 00 13 07"},
        // left-associative: (2^3)^2
        {"2^3^2", "89 02 00 00 00 89 03 00 00 00 07 89 02 00 00 00 07"},
        // "<" binds tighter than "="
        {"1=1<2", "89 01 00 00 00 89 01 00 00 00 89 02 00 00 00 09 0B"},
        // "&" binds tighter than "<>"
        {"1&2<>\"12\"", "89 01 00 00 00 89 02 00 00 00 08 8A 02 00 31 00 32 00 0E"},
        {"50%", "89 32 00 00 00 14"},
        {"-50%", "89 32 00 00 00 13 14"},
        {"SUM(1,2,3)", "89 01 00 00 00 89 02 00 00 00 89 03 00 00 00 82 03 04 00"},
        {"PI()", "81 13 00"},
        {"SUM()", "82 00 04 00 errors=4020;"},  // too few arguments fail to encode
        {"SUM(1,,2)", "89 01 00 00 00 F1 89 02 00 00 00 82 03 04 00"},
        {"SUM(1,)", "89 01 00 00 00 F1 82 02 04 00"},
        {"IF(1,SUM(2,3))", "89 01 00 00 00 89 02 00 00 00 89 03 00 00 00 82 02 04 00 82 02 01 00"},
        {"MYFUNC(1)", "89 01 00 00 00 F2 01 06 00 4D 00 59 00 46 00 55 00 4E 00 43 00"},
        {"NOARGS()", "F2 00 06 00 4E 00 4F 00 41 00 52 00 47 00 53 00"},
        {"x", "F3 00 01 00 78 00"},
        {"1.5", "1F 00 00 00 00 00 00 F8 3F"},
        {"3", "89 03 00 00 00"},
        {"2147483647", "89 FF FF FF 7F"},
        {"2147483648", "1F 00 00 00 00 00 00 E0 41"},
        {"TRUE", "1D 01"},
        {"FALSE", "1D 00"},
        {"\"ab\"", "8A 02 00 61 00 62 00"},
        {"\"\"", "8A 00 00"},
        {" 1", "A0 01 89 01 00 00 00"},
        {"$A$1", "84 00 00 00 80 00 80"},
        {"C$2", "84 01 00 00 80 02 00"},
        {"A1:$B2", "86 00 00 00 00 01 00 00 00 00 00 01 80"},
        {"B:B", "86 00 00 00 00 FF FF 0F 00 01 00 01 00"},
        {"3:5", "86 02 00 00 00 04 00 00 00 00 00 FF 3F"},
        {"Sheet2!B3", "A2 02 00 00 00 01 00 01"},
        {"'Sheet2'!A1:B2", "A6 00 00 00 00 01 00 00 00 00 00 01 00 01"},
        {"Sheet1:Sheet2!C1", "A3 00 00 00 00 02 00 00 01"},
        {"A1 B2", "84 00 00 00 00 00 00 84 01 00 00 00 01 00 0F 01"},
        {"A1,B1", "84 00 00 00 00 00 00 84 00 00 00 00 01 00 10"},
        {"(A1,B1)", "84 00 00 00 00 00 00 84 00 00 00 00 01 00 10 15"},
        {"A1:B2:C3", "86 00 00 00 00 01 00 00 00 00 00 01 00 84 02 00 00 00 02 00 11"},
        {"{1,2;3,4}",
         "89 01 00 00 00 89 02 00 00 00 89 03 00 00 00 89 04 00 00 00 80 02 00 02 00 00 00"},
        {"{1,2,3}", "89 01 00 00 00 89 02 00 00 00 89 03 00 00 00 80 03 00 01 00 00 00"},
        // Errors: a ragged array, a list between values, wrong counts of a fixed function, an unknown sheet.
        {"{1,2;3}", "89 01 00 00 00 89 02 00 00 00 89 03 00 00 00 80 00 00 02 00 00 00 errors=4022;"},
        {"1,2", "89 01 00 00 00 89 02 00 00 00 errors=4018;"},
        {"ABS()", "81 18 00 errors=4020;"},
        {"ABS(1,2)", "89 01 00 00 00 89 02 00 00 00 81 18 00 errors=4021;"},
        {"Nope!A1", " errors=4016;"},
        {"1+", "89 01 00 00 00 03 errors=4006;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Formula);
        TVYXErrorManager errors;
        TTwoSheets manager(errors);
        EXPECT_EQ(Encode(manager, c.Formula), c.Expected);
    }
}

TEST(Encoder, UnhandledTokensStopEncodingAndEmptyTextFails)
{
    // A structured reference is not encoded: what came before it is returned, as a failure.
    EXPECT_EQ(Encode("1+T[C]"), "89 01 00 00 00 errors=4006;");
    EXPECT_EQ(Encode("   "), " errors=");
    EXPECT_EQ(Encode(""), " errors=");
}

TEST(Encoder, ManyArgumentsAndDeepNesting)
{
    std::string args = "SUM(1";
    for (int i = 1; i < 300; ++i)
        args += ",1";
    args += ")";
    // The count byte saturates; the evaluator then reports the call as having too many arguments.
    EXPECT_NE(Encode(args).find("82 FF 04 00"), std::string::npos);

    std::string nested;
    for (int i = 0; i < 150; ++i)
        nested += "(";
    nested += "1";
    for (int i = 0; i < 150; ++i)
        nested += ")";
    const std::string hex = Encode(nested);
    EXPECT_EQ(hex.substr(0, 14), "89 01 00 00 00");
    EXPECT_EQ(hex.size(), 14u + 150u * 3u);
}

TEST(FunctionTable, RowsIdsAndLookups)
{
    const TXLSExcelFuncNames& names = G_XLSExcelFuncNames();
    ASSERT_EQ(names.Count(), 327);
    int descriptors = 0;
    for (int i = 0; i < names.Count(); ++i) {
        const TXLSFuncData& f = names.GetItems(i);
        SCOPED_TRACE(std::string(f.Name));
        if (i > 0) {
            EXPECT_LT(names.GetItems(i - 1).Id, f.Id);  // id order, no duplicates
        }
        EXPECT_LE(f.Min, f.Max);
        EXPECT_TRUE(f.Max <= 8 || f.Max == 254);
        EXPECT_EQ(names.FindId(std::string(f.Name)), f.Id);
        EXPECT_EQ(f.Type_ == xeftArray, f.Name == "MINVERSE");
        if (f.Args) {
            EXPECT_EQ(f.Args->FuncId, f.Id);
            ++descriptors;
        }
    }
    EXPECT_GT(descriptors, 0);

    struct TRow {
        int Id, Min, Max;
        const char* Name;
    };
    const TRow rows[] = {
        {0, 1, 254, "COUNT"}, {1, 2, 3, "IF"},     {8, 0, 1, "ROW"},      {28, 2, 3, "LOOKUP"},
        {29, 2, 4, "INDEX"},  {34, 0, 0, "TRUE"},  {63, 0, 0, "RAND"},    {78, 2, 5, "OFFSET"},
        {100, 2, 254, "CHOOSE"}, {148, 1, 2, "INDIRECT"}, {344, 2, 254, "SUBTOTAL"}, {828, 2, 3, "AVERAGEIF"},
        {872, 3, 3, "XNPV"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Name);
        std::int32_t min = -1, max = -1;
        names.ArgCount(r.Id, min, max);
        EXPECT_EQ(min, r.Min);
        EXPECT_EQ(max, r.Max);
        EXPECT_EQ(names.FindName(r.Id), r.Name);
        EXPECT_EQ(names.FixedArgs(r.Id), r.Min == r.Max);
    }
    EXPECT_EQ(names.FindId(u"stdev.s"), 819);
    EXPECT_EQ(names.FindId(u"Sum"), 4);
    EXPECT_EQ(names.FindId(u"NOPE"), -1);
    EXPECT_EQ(names.FindId(u"S\u00DCM"), -1);
    try {
        names.FindName(53);
        FAIL() << "no exception";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Unknown function id \"53\"");
    }
    TXLSFunctionLibrary library;
    EXPECT_THROW(library.Register(873, nullptr), VYXException);
    EXPECT_EQ(library.HandlerCount(), 0);
}

TEST(PtgFormat, SizeTable)
{
    struct TCase {
        int Id, Size;
    };
    const TCase cases[] = {
        {0, -1},  {3, 1},   {15, 1},   {21, 1},   {28, 2},   {29, 2},   {30, 3},   {31, 9},   {0x24, 5},
        {0x44, 5}, {0x64, 5}, {0x3A, 7}, {0x5B, 11}, {0x23, 5}, {0x39, 7}, {128, 7},  {129, 3},  {130, 4},
        {131, 3}, {132, 7}, {134, 13}, {135, 7}, {136, 13}, {137, 5}, {138, -1}, {160, 2}, {162, 8},
        {163, 9}, {164, 10}, {165, 11}, {166, 14}, {167, 15}, {168, 16}, {169, 17}, {176, 8}, {178, 14},
        {184, 7}, {186, 14}, {187, 7}, {188, 19}, {189, 18}, {190, 16}, {241, 1}, {242, -1}, {243, -1},
        {255, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Id);
        EXPECT_EQ(XLSPtgSize(static_cast<std::uint8_t>(c.Id)), c.Size);
    }
    EXPECT_EQ(XLSErrorText(errDiv0), u"#DIV/0!");
    EXPECT_EQ(XLSErrorFromText(u"#n/a"), errNA);
    EXPECT_EQ(XLSErrorFromText(u"#nope"), errUnknown);
}
