// VYXBarcodeTest.cpp: check digits, failure rules, module widths and the
// symbologies no independent reader knows, against their published patterns.
#include <gtest/gtest.h>

#include <string>

#include "barcode/VYXBarcode.h"
#include "barcode/VYXBarcodeImage.h"
#include "barcode/VYXQRCode.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
// The pattern as the published notation: one character per module, '1' a bar
// module, '0' a space module, 'h' a half-height bar module.
std::string Modules(const TVYXBarcode& bc, const std::string& pattern)
{
    std::vector<TfrxBarLineType> lines;
    bc.DoLines(pattern, lines);
    std::string s;
    for (TfrxBarLineType l : lines)
        s += l == TfrxBarLineType::white ? '0' : l == TfrxBarLineType::black ? '1' : 'h';
    return s;
}

TVYXBarcode Make(TVYXBarcodeType type, std::u16string_view text, bool checkSum = true)
{
    TVYXBarcode bc;
    bc.FType = type;
    bc.FText = text;
    bc.FCheckSum = checkSum;
    return bc;
}
}  // namespace

TEST(Barcode, TypeNamesRoundTripIgnoringCase)
{
    for (int t = 0; t < cVYXBarcodeTypeCount; ++t) {
        const auto type = static_cast<TVYXBarcodeType>(t);
        SCOPED_TRACE(VYXBarcodeTypeName(type));
        EXPECT_EQ(VYXBarcodeTypeByName(VYXBarcodeTypeName(type)), type);
        EXPECT_EQ(VYXBarcodeTypeByName(AsciiLower(VYXBarcodeTypeName(type))), type);
    }
    EXPECT_EQ(VYXBarcodeTypeByName("ean13"), abctEAN13);
    EXPECT_EQ(VYXBarcodeTypeByName("Codebar"), abctCodabar);
    EXPECT_EQ(VYXBarcodeTypeByName("EAN-13"), abctUnknown);
    EXPECT_EQ(VYXBarcodeTypeByName(""), abctUnknown);
    EXPECT_TRUE(VYXBarcodeDigitsOnly(abctEAN128C));
    EXPECT_FALSE(VYXBarcodeDigitsOnly(abctEAN128B));
}

TEST(Barcode, CheckDigitsOfFixedLengthSymbologies)
{
    struct TCase {
        TVYXBarcodeType Type;
        std::u16string Text;
        bool CheckSum;
        bool Valid;
        std::u16string TextCS;
    };
    const TCase cases[] = {
        {abctEAN13, u"400638133393", true, true, u"4006381333931"},
        {abctEAN13, u"4006381333931", true, false, u""},   // the digit is already there
        {abctEAN13, u"4006381333931", false, true, u"4006381333931"},
        {abctEAN13, u"4006381333932", false, false, u""},  // wrong supplied digit
        {abctEAN13, u"40063813339", true, false, u""},
        {abctEAN8, u"9638507", true, true, u"96385074"},
        {abctUPC_A, u"03600029145", true, true, u"036000291452"},
        {abctUPC_E0, u"425261", true, true, u"04252614"},
        {abctUPC_E0, u"04210000526", true, true, u"04252614"},  // UPC-A 042100005264 compressed
        {abctUPC_E0, u"0425261", true, true, u"04252614"},  // with its number system
        {abctUPC_E0, u"04252614", false, true, u"04252614"},
        {abctUPC_E0, u"04212345678", true, false, u""},  // too few zeros to compress
        {abctUPC_E1, u"04210000526", true, false, u""},  // number system 0 for the E1 type
        {abctPostNet, u"12345", true, true, u"123455"},
        {abctPostNet, u"1234", true, false, u""},
        {abctPostNet, u"555551237", true, true, u"5555512372"},
        {abctMSI, u"1234", true, true, u"12344"},
        {abctMSI, u"1234", false, true, u"1234"},
        {abct2_5_interleaved, u"1234", true, true, u"012348"},  // padded to an even count
        {abct2_5_industrial, u"1234", true, true, u"12348"},
        {abct39, u"CODE 39", true, true, u"CODE 39R"},
        {abctUPC_Supp2, u"123", true, false, u""},
        {abctUPC_Supp5, u"52495", true, true, u"52495"},
    };
    for (const TCase& c : cases) {
        TVYXBarcode bc = Make(c.Type, c.Text, c.CheckSum);
        SCOPED_TRACE(std::string(VYXBarcodeTypeName(c.Type)) + " " + U8(c.Text));
        const std::string pattern = bc.MakeData();
        EXPECT_EQ(bc.FValid, c.Valid);
        EXPECT_EQ(pattern.empty(), !c.Valid);  // never a pattern for an invalid text
        if (c.Valid) {
            EXPECT_EQ(U8(bc.FTextCS), U8(c.TextCS));
        }
    }
}

TEST(Barcode, FailureRules)
{
    // Non-digits for a digits-only type: no pattern and FValid left alone.
    for (bool before : {true, false}) {
        TVYXBarcode bc = Make(abctEAN13, u"40063813339X");
        bc.FValid = before;
        EXPECT_EQ(bc.MakeData(), "");
        EXPECT_EQ(bc.FValid, before);
    }
    // Digits-only texts are trimmed and stored back.
    TVYXBarcode trimmed = Make(abctEAN8, u"  9638507 \t");
    EXPECT_FALSE(trimmed.MakeData().empty());
    EXPECT_EQ(U8(trimmed.FText), "9638507");
    // "&FNC1;" does not count against the digits of EAN128C.
    TVYXBarcode gs1 = Make(abctEAN128C, u"0112345678901231&FNC1;10123");
    EXPECT_FALSE(gs1.MakeData().empty());
    EXPECT_TRUE(gs1.FValid);
    // Characters a symbology has no code for.
    for (auto [type, text] : {std::pair{abct39, u"lower"}, {abct93, u"a"}, {abct128B, u"\u00e9"},
                              {abctCodabar, u"A12A34B"}, {abct39Extended, u"\u20ac"}, {abct128A, u""}}) {
        TVYXBarcode bc = Make(type, text);
        SCOPED_TRACE(U8(text));
        EXPECT_EQ(bc.MakeData(), "");
        EXPECT_FALSE(bc.FValid);
    }
    TVYXBarcode tooLong = Make(abct128B, std::u16string(1025, u'a'));
    EXPECT_EQ(tooLong.MakeData(), "");
    tooLong.FText.pop_back();
    EXPECT_EQ(tooLong.GetWidth(), (1024 + 2) * 11 + 13);
    // Types without an encoder raise; abctUnknown only once its digits passed the test.
    TVYXBarcode unknown = Make(abctUnknown, u"abc");
    EXPECT_EQ(unknown.MakeData(), "");
    for (auto [type, text] : {std::pair{abctUnknown, u"123"}, {abctQR, u"hello"}}) {
        TVYXBarcode bc = Make(type, text);
        try {
            bc.MakeData();
            ADD_FAILURE() << "no exception";
        } catch (const VYXException& e) {
            EXPECT_STREQ(e.what(), "TVYXBarcode: wrong BarcodeType");
        }
    }
    TVYXBarcode bc;
    int width = 0;
    TfrxBarLineType kind;
    try {
        bc.OneBarProps('4', width, kind);
        ADD_FAILURE() << "no exception";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "TVYXBarcode: internal Error");
    }
}

TEST(Barcode, ModuleWidthsFollowTheRatioLimits)
{
    struct TCase {
        TVYXBarcodeType Type;
        int Modul;
        double Ratio;
        std::array<int, 4> Modules;
    };
    const TCase cases[] = {
        {abct39, 1, 5.0, {1, 3, 4, 6}},        // above 3.0: used as 3.0
        {abct39, 1, 1.5, {1, 2, 3, 4}},        // below 2.0: used as 2.0
        {abct39, 2, 2.5, {2, 5, 7, 10}},
        {abct2_5_matrix, 4, 2.0, {4, 9, 13, 18}},  // Matrix 2 of 5 needs 2.25
        {abctEAN13, 3, 3.0, {3, 6, 9, 12}},    // module grid: the ratio does not apply
        {abct128B, 2, 2.7, {2, 4, 6, 8}},
        {abctPostNet, 1, 0.2, {1, 1, 1, 2}},
        {abctCodabar, 0, 2.0, {1, 2, 3, 4}},   // no zero-width bars
    };
    for (const TCase& c : cases) {
        TVYXBarcode bc = Make(c.Type, u"12345670");
        bc.FModul = c.Modul;
        bc.FRatio = c.Ratio;
        SCOPED_TRACE(std::string(VYXBarcodeTypeName(c.Type)) + " " + std::to_string(c.Ratio));
        bc.MakeData();
        EXPECT_EQ(bc.FModules, c.Modules);
    }
}

// Expected module strings written out from the symbology standards' tables.
TEST(Barcode, PublishedPatterns)
{
    struct TCase {
        TVYXBarcodeType Type;
        std::u16string Text;
        bool CheckSum;
        std::string Expected;
    };
    const TCase cases[] = {
        // Industrial 2 of 5 "1": start (bars W W N), 1 = W N N N W, stop (bars W N W); narrow gaps.
        {abct2_5_industrial, u"1", false, "11011010" "11010101011" "0" "1101011"},
        // Matrix 2 of 5 "7": start W n N n N n, 7 = N n N w W then a narrow gap, stop W n N n N
        // (ratio 2 is raised to 2.25, so wide is still two modules).
        {abct2_5_matrix, u"7", false, "1101010" "10100110" "110101"},
        // Interleaved 2 of 5 "38": start nnnn, 3 in bars WWNNN with 8 in gaps WNNWN, stop W n N.
        {abct2_5_interleaved, u"38", false, "1010" "11001101010010" "1101"},
        // MSI "1234" with its check digit 4: start 110, bits 0001 0010 0011 0100 0100, stop 1001.
        {abctMSI, u"1234", true,
         "110" "100100100110" "100100110100" "100100110110" "100110100100" "100110100100" "1001"},
        // Code 39 "A" without check: * A * with narrow gaps between characters.
        {abct39, u"A", false, "100101101101" "0" "110101001011" "0" "100101101101"},
        // 2-digit add-on "12": 12 mod 4 = 0, both digits in set A.
        {abctUPC_Supp2, u"12", true, "1011" "0011001" "01" "0010011"},
        // 5-digit add-on "52495" (price 24.95): check 1 gives sets B A B A A.
        {abctUPC_Supp5, u"52495", true,
         "1011" "0111001" "01" "0010011" "01" "0011101" "01" "0001011" "01" "0110001"},
    };
    for (const TCase& c : cases) {
        TVYXBarcode bc = Make(c.Type, c.Text, c.CheckSum);
        SCOPED_TRACE(std::string(VYXBarcodeTypeName(c.Type)) + " " + U8(c.Text));
        const std::string pattern = bc.MakeData();
        EXPECT_EQ(Modules(bc, pattern), c.Expected);
        EXPECT_EQ(bc.GetWidth(pattern), static_cast<int>(c.Expected.size()));
    }
}

// POSTNET "12345" and its check digit 5 between two frame bars, tall and short
// bars each followed by a gap.
TEST(Barcode, PostNetBars)
{
    TVYXBarcode bc = Make(abctPostNet, u"12345");
    bc.FRatio = 1.0;
    const std::string digits = "hhh11" "hh1h1" "hh11h" "h1hh1" "h1h1h" "h1h1h";
    std::string expected = "10";
    for (char c : digits)
        expected += std::string(1, c) + "0";
    expected += "1";
    EXPECT_EQ(Modules(bc, bc.MakeData()), expected);
}

// Code 128 stays in the asked set, switches only for characters that need it
// and returns to set C for digit pairs when C was asked for.
TEST(Barcode, Code128SetChoiceKeepsSymbolsShort)
{
    struct TCase {
        TVYXBarcodeType Type;
        std::u16string Text;
        int Symbols;  // start, data, switches, check; the stop is 13 modules on top
    };
    const TCase cases[] = {
        {abct128C, u"123456", 5},
        {abct128B, u"123456", 8},
        {abct128C, u"12345", 6},      // ... Code B, '5'
        {abct128C, u"X123456", 7},    // starts in B, then Code C for the pairs
        {abct128C, u"X12345", 7},     // odd run: '1' in B first, then Code C 23 45
        {abct128A, u"AbC", 6},        // one lower-case letter through Shift
        {abct128A, u"Abc", 6},        // two: Code B
        {abct128B, u"a\tb", 6},       // a control character through Shift
        {abctEAN128C, u"0112345678901231", 11},  // start, FNC1, 8 pairs, check
    };
    for (const TCase& c : cases) {
        TVYXBarcode bc = Make(c.Type, c.Text);
        SCOPED_TRACE(U8(c.Text));
        EXPECT_EQ(bc.GetWidth(), c.Symbols * 11 + 13);
    }
}

TEST(Barcode, LinesAndAssign)
{
    TVYXBarcode bc = Make(abctCodabar, u"12");
    bc.FModul = 2;
    bc.FRatio = 2.5;
    bc.FCheckSum = false;
    TVYXBarcode copy;
    copy.Assign(bc);
    EXPECT_EQ(copy.MakeData(), bc.MakeData());
    EXPECT_EQ(copy.FCheckSum, false);
    std::vector<TfrxBarLineType> lines;
    bc.DoLines("5061A0", lines);  // 2+2 units, 5+5, then half bar 2, gap 2
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], TfrxBarLineType::black);
    EXPECT_EQ(lines[2], TfrxBarLineType::white);
    EXPECT_EQ(lines[14], TfrxBarLineType::black_half);
    EXPECT_EQ(bc.GetWidth("5061A0"), 18);
    const std::vector<TVYXBarRun> runs = bc.BarRuns("5061A0");
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1].FX, 4);
    EXPECT_EQ(runs[1].FWidth, 5);
    EXPECT_EQ(runs[2].FX, 14);
    EXPECT_EQ(runs[2].FKind, TfrxBarLineType::black_half);
}

TEST(Barcode, PicturesOfBarsAndModules)
{
    TVYXBarcode bc = Make(abctPostNet, u"12345");
    const std::string pattern = bc.MakeData();
    const TVYXGrayImage image = VYXRenderBars(bc, pattern, 2, 20, 5);
    EXPECT_EQ(image.FWidth, (bc.GetWidth(pattern) + 10) * 2);
    EXPECT_EQ(image.FHeight, 20 + 20);
    // The first frame bar is tall, the first digit bar short: compare a row in the top half.
    const int row = 10 + 5;
    EXPECT_EQ(image.FPixels[row * image.FWidth + 10], 0);
    EXPECT_EQ(image.FPixels[row * image.FWidth + 10 + 2 * 3], 255);
    const std::string svg = VYXBarsToSvg(bc, pattern, 20, 5);
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_EQ(std::count(svg.begin(), svg.end(), 'M'), 32);  // 2 frame bars and 30 digit bars

    const TVYXModuleMatrix qr = VYXEncodeQR(u"vyx");
    ASSERT_EQ(qr.Size(), 21);
    EXPECT_TRUE(qr.Dark(0, 0));  // finder pattern corner
    EXPECT_FALSE(qr.Dark(7, 0));  // separator
    EXPECT_EQ(VYXRenderModules(qr, 3, 4).FWidth, (21 + 8) * 3);
    EXPECT_NE(VYXModulesToSvg(qr, 4).find("viewBox=\"0 0 29 29\""), std::string::npos);
}

TEST(Barcode, QRTextsThatGiveNoSymbol)
{
    EXPECT_TRUE(VYXEncodeQR(u"").Empty());
    EXPECT_TRUE(VYXEncodeQR(std::u16string(1, 0xD800) + u"x").Empty());  // unpaired surrogate
    EXPECT_TRUE(VYXEncodeQR(std::u16string(3000, u'x'), qrelH).Empty());
    EXPECT_EQ(VYXEncodeQR(std::u16string(2900, u'x'), qrelL).Size(), 177);  // version 40
}
