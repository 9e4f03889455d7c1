// VYXBarcodeDecodeTest.cpp: every symbol an independent reader knows is drawn and read back.
//
// Texts come from a seeded generator, so a failure names a text that can be
// replayed. Images go through the same rasteriser the command-line tool uses.
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "barcode/VYXBarcode.h"
#include "barcode/VYXBarcodeImage.h"
#include "barcode/VYXQRCode.h"
#include "platform/VYXUnicode.h"

namespace {
constexpr int cTextsPerSymbology = 300;
constexpr int cPixelsPerUnit = 3;
constexpr int cBarHeight = 60;
constexpr int cQuietUnits = 12;

using TRng = std::mt19937;

std::string RandomFrom(TRng& rng, std::string_view alphabet, int minLength, int maxLength)
{
    std::uniform_int_distribution<int> len(minLength, maxLength);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::string s;
    for (int n = len(rng); n > 0; --n)
        s += alphabet[pick(rng)];
    return s;
}

std::string AllAscii()
{
    std::string s;
    for (int c = 0; c < 128; ++c)
        s += static_cast<char>(c);
    return s;
}

std::string AsciiBytes(const ZXing::ByteArray& bytes) { return std::string(bytes.begin(), bytes.end()); }

struct TDecoded {
    bool Found = false;
    std::string Text;        // the reader's bytes
    std::string Identifier;  // symbology identifier, "]C1" for GS1-128
    std::string EcLevel;
};

TDecoded Decode(const TVYXGrayImage& image, ZXing::BarcodeFormat format,
                const std::function<void(ZXing::DecodeHints&)>& tune = {})
{
    ZXing::ImageView view(image.FPixels.data(), image.FWidth, image.FHeight, ZXing::ImageFormat::Lum);
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    if (tune)
        tune(hints);
    ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return {};
    return {true, AsciiBytes(result.bytes()), result.symbologyIdentifier(), result.ecLevel()};
}

// One symbology's round trip: a text generator, the encoder settings and what
// the reader must say for the encoded text.
struct TDecodeCase {
    const char* Name;
    TVYXBarcodeType Type;
    ZXing::BarcodeFormat Format;
    std::function<std::string(TRng&)> Text;
    std::function<std::string(const TVYXBarcode&)> Expected;
    std::function<void(ZXing::DecodeHints&)> Hints;
};

std::string EncodedText(const TVYXBarcode& bc) { return U8(bc.FTextCS); }
std::string PlainText(const TVYXBarcode& bc) { return U8(bc.FText); }

void RunDecodeCase(const TDecodeCase& c)
{
    TRng rng(20261205);
    int decoded = 0;
    for (int i = 0; i < cTextsPerSymbology; ++i) {
        TVYXBarcode bc;
        bc.FType = c.Type;
        bc.FText = U16(c.Text(rng));
        // Every other symbol with a wider ratio, where the symbology has one.
        bc.FRatio = i % 2 ? 3.0 : 2.0;
        SCOPED_TRACE(c.Name + std::string(" text '") + U8(bc.FText) + "'");
        const std::string pattern = bc.MakeData();
        ASSERT_TRUE(bc.FValid);
        ASSERT_FALSE(pattern.empty());
        const TVYXGrayImage image = VYXRenderBars(bc, pattern, cPixelsPerUnit, cBarHeight, cQuietUnits);
        const TDecoded result = Decode(image, c.Format, c.Hints);
        ASSERT_TRUE(result.Found) << "pattern " << pattern;
        EXPECT_EQ(result.Text, c.Expected(bc));
        decoded += result.Found && result.Text == c.Expected(bc);
    }
    EXPECT_EQ(decoded, cTextsPerSymbology);
    ::testing::Test::RecordProperty(std::string("decoded_") + c.Name, decoded);
}

const std::string cDigits = "0123456789";
const std::string cCode39Set = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

std::string Gs1Text(TRng& rng, std::string_view alphabet)
{
    // An identifier and its data take three characters or more; shorter first
    // elements would read as the FNC1-in-second-position form.
    std::string s = RandomFrom(rng, alphabet, 3, 12);
    for (int parts = std::uniform_int_distribution<int>(0, 2)(rng); parts > 0; --parts)
        s += "&FNC1;" + RandomFrom(rng, alphabet, 1, 10);
    return s;
}

std::string Gs1Expected(const TVYXBarcode& bc)
{
    const std::string text = U8(bc.FText);
    std::string s;
    size_t from = 0;
    for (size_t p; (p = text.find("&FNC1;", from)) != std::string::npos; from = p + 6) {
        s.append(text, from, p - from);
        s += '\x1D';
    }
    s.append(text, from);
    return s;
}

void ReadCode39Check(ZXing::DecodeHints& h) { h.setValidateCode39CheckSum(true); }
}  // namespace

TEST(BarcodeDecode, LinearSymbolsReadBackToTheirText)
{
    using F = ZXing::BarcodeFormat;
    const std::string ascii = AllAscii();
    const TDecodeCase cases[] = {
        {"Code39", abct39, F::Code39, [&](TRng& r) { return RandomFrom(r, cCode39Set, 1, 20); },
         PlainText, ReadCode39Check},
        {"Code39_Extended", abct39Extended, F::Code39, [&](TRng& r) { return RandomFrom(r, ascii, 1, 15); },
         PlainText,
         [](ZXing::DecodeHints& h) {
             h.setValidateCode39CheckSum(true);
             h.setTryCode39ExtendedMode(true);
         }},
        {"Code93", abct93, F::Code93, [&](TRng& r) { return RandomFrom(r, cCode39Set, 1, 20); }, PlainText, {}},
        {"Code93_Extended", abct93Extended, F::Code93, [&](TRng& r) { return RandomFrom(r, ascii, 1, 15); },
         PlainText, {}},
        {"Code128A", abct128A, F::Code128, [&](TRng& r) { return RandomFrom(r, ascii, 1, 20); }, PlainText, {}},
        {"Code128B", abct128B, F::Code128, [&](TRng& r) { return RandomFrom(r, ascii, 1, 20); }, PlainText, {}},
        {"Code128C", abct128C, F::Code128,
         [&](TRng& r) { return RandomFrom(r, r() % 4 ? cDigits : ascii, 1, 24); }, PlainText, {}},
        {"EAN128A", abctEAN128A, F::Code128, [](TRng& r) { return Gs1Text(r, "0123456789ABCXYZ"); }, Gs1Expected,
         {}},
        {"EAN128B", abctEAN128B, F::Code128, [](TRng& r) { return Gs1Text(r, "0123456789abcxyz-/"); }, Gs1Expected,
         {}},
        {"EAN128C", abctEAN128C, F::Code128, [&](TRng& r) { return Gs1Text(r, cDigits); }, Gs1Expected, {}},
        // The reader wants two data characters or more.
        {"Codabar", abctCodabar, F::Codabar, [](TRng& r) { return RandomFrom(r, "0123456789-$:/.+", 2, 20); },
         [](const TVYXBarcode& bc) { return std::string(1, 'A').append(U8(bc.FText)).append(1, 'B'); },
         [](ZXing::DecodeHints& h) { h.setReturnCodabarStartEnd(true); }},
        {"EAN8", abctEAN8, F::EAN8, [&](TRng& r) { return RandomFrom(r, cDigits, 7, 7); }, EncodedText, {}},
        {"EAN13", abctEAN13, F::EAN13, [&](TRng& r) { return RandomFrom(r, cDigits, 12, 12); }, EncodedText, {}},
        {"UPC_A", abctUPC_A, F::UPCA, [&](TRng& r) { return RandomFrom(r, cDigits, 11, 11); }, EncodedText, {}},
        {"UPC_E0", abctUPC_E0, F::UPCE, [&](TRng& r) { return RandomFrom(r, cDigits, 6, 6); }, EncodedText, {}},
        {"UPC_E1", abctUPC_E1, F::UPCE, [&](TRng& r) { return RandomFrom(r, cDigits, 6, 6); }, EncodedText, {}},
        {"2_5_interleaved", abct2_5_interleaved, F::ITF, [&](TRng& r) { return RandomFrom(r, cDigits, 5, 24); },
         EncodedText, {}},
    };
    for (const TDecodeCase& c : cases) {
        SCOPED_TRACE(c.Name);
        RunDecodeCase(c);
    }
}

// UPC-A numbers with enough zeros go in as 11 digits and come out as the
// UPC-E symbol of the same number.
TEST(BarcodeDecode, UpcACompressesToUpcE)
{
    TRng rng(7);
    int decoded = 0;
    for (int i = 0; i < cTextsPerSymbology; ++i) {
        // Build a compressible number from a random UPC-E body, then expand it by hand.
        const std::string e = RandomFrom(rng, cDigits, 6, 6);
        // Bodies that an earlier suppression rule would write differently are
        // not what a compressor produces: d6 3 after d3 0-2, d6 4 after d4 0, d5 0 before d6 5-9.
        if ((e[5] == '3' && e[2] <= '2') || (e[5] == '4' && e[3] == '0') || (e[5] >= '5' && e[4] == '0')) {
            --i;
            continue;
        }
        std::string m, p;
        switch (e[5]) {
        case '0': case '1': case '2': m = e.substr(0, 2) + e[5] + "00"; p = "00" + e.substr(2, 3); break;
        case '3': m = e.substr(0, 3) + "00"; p = "000" + e.substr(3, 2); break;
        case '4': m = e.substr(0, 4) + "0"; p = "0000" + e.substr(4, 1); break;
        default: m = e.substr(0, 5); p = "0000" + e.substr(5, 1); break;
        }
        TVYXBarcode bc;
        bc.FType = i % 2 ? abctUPC_E1 : abctUPC_E0;
        bc.FText = U16((i % 2 ? "1" : "0") + m + p);
        SCOPED_TRACE(U8(bc.FText));
        const std::string pattern = bc.MakeData();
        ASSERT_TRUE(bc.FValid);
        EXPECT_EQ(U8(bc.FTextCS).substr(1, 6), e);
        const TDecoded result = Decode(VYXRenderBars(bc, pattern, cPixelsPerUnit, cBarHeight, cQuietUnits),
                                       ZXing::BarcodeFormat::UPCE);
        EXPECT_EQ(result.Text, U8(bc.FTextCS));
        decoded += result.Text == U8(bc.FTextCS);
    }
    EXPECT_EQ(decoded, cTextsPerSymbology);
}

TEST(BarcodeDecode, Gs1SymbolsStartWithFNC1)
{
    TVYXBarcode bc;
    bc.FType = abctEAN128C;
    bc.FText = u"0109501101020917&FNC1;10ABC";  // letters: not for the digits-only type
    EXPECT_TRUE(bc.MakeData().empty());
    bc.FText = u"0109501101020917&FNC1;101234";
    const TDecoded result = Decode(VYXRenderBars(bc, bc.MakeData(), cPixelsPerUnit, cBarHeight, cQuietUnits),
                                   ZXing::BarcodeFormat::Code128);
    EXPECT_EQ(result.Identifier, "]C1");
    EXPECT_EQ(result.Text, "0109501101020917\x1D" "101234");
    bc.FType = abct128C;  // plain Code 128 carries no FNC1
    bc.FText = u"0109501101020917";
    EXPECT_EQ(Decode(VYXRenderBars(bc, bc.MakeData(), cPixelsPerUnit, cBarHeight, cQuietUnits),
                     ZXing::BarcodeFormat::Code128)
                  .Identifier,
              "]C0");
}

// Add-ons are printed to the right of an EAN-13 or UPC-A symbol; the reader
// only reports them together with the main symbol.
TEST(BarcodeDecode, AddOnsReadWithTheirMainSymbol)
{
    TRng rng(99);
    int decoded = 0;
    for (int i = 0; i < cTextsPerSymbology; ++i) {
        TVYXBarcode main, addOn;
        main.FType = abctEAN13;
        main.FText = U16(RandomFrom(rng, cDigits, 12, 12));
        addOn.FType = i % 2 ? abctUPC_Supp5 : abctUPC_Supp2;
        addOn.FText = U16(RandomFrom(rng, cDigits, i % 2 ? 5 : 2, i % 2 ? 5 : 2));
        SCOPED_TRACE(U8(main.FText) + " + " + U8(addOn.FText));
        // Seven to twelve modules of gap separate the add-on from the main symbol.
        const std::string pattern = main.MakeData() + "3" + "3" + addOn.MakeData();
        ASSERT_TRUE(main.FValid && addOn.FValid);
        const TDecoded result = Decode(VYXRenderBars(main, pattern, cPixelsPerUnit, cBarHeight, cQuietUnits),
                                       ZXing::BarcodeFormat::EAN13, [](ZXing::DecodeHints& h) {
                                           h.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
                                       });
        const std::string expected = U8(main.FTextCS) + " " + U8(addOn.FText);
        EXPECT_EQ(result.Text, expected);
        decoded += result.Text == expected;
    }
    EXPECT_EQ(decoded, cTextsPerSymbology);
}

TEST(BarcodeDecode, QRSymbolsReadBackAtTheirLevel)
{
    TRng rng(18004);
    const std::u16string alphabet = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz $%*+-./:"
                                    u"äöüßéñ€漢字テスト";
    const char* levels[] = {"L", "M", "Q", "H"};
    int decoded = 0;
    for (int i = 0; i < cTextsPerSymbology; ++i) {
        std::u16string text;
        for (int n = std::uniform_int_distribution<int>(1, 300)(rng); n > 0; --n)
            text += alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
        if (i % 10 == 0)
            text += u"\U0001F600";  // beyond the BMP
        const auto level = static_cast<TVYXQRErrorLevel>(i % 4);
        SCOPED_TRACE(U8(text));
        const TVYXModuleMatrix matrix = VYXEncodeQR(text, level);
        ASSERT_FALSE(matrix.Empty());
        ASSERT_EQ((matrix.Size() - 17) % 4, 0);  // versions 1..40 are 21..177 modules
        const TVYXGrayImage image = VYXRenderModules(matrix, cPixelsPerUnit, 4);
        ZXing::DecodeHints hints;
        hints.setFormats(ZXing::BarcodeFormat::QRCode).setIsPure(true);
        const ZXing::Result result = ZXing::ReadBarcode(
            ZXing::ImageView(image.FPixels.data(), image.FWidth, image.FHeight, ZXing::ImageFormat::Lum), hints);
        ASSERT_TRUE(result.isValid());
        EXPECT_EQ(result.text(), U8(text));
        EXPECT_EQ(result.ecLevel(), levels[level]);
        decoded += result.text() == U8(text);
    }
    EXPECT_EQ(decoded, cTextsPerSymbology);
}
