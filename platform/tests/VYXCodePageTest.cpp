// VYXCodePageTest.cpp: real bytes of each code-page family, byte-at-a-time decoding, bad bytes.
#include <gtest/gtest.h>

#include <random>

#include "platform/VYXCodePage.h"
#include "platform/VYXUnicode.h"

namespace {
struct TDecodeCase {
    int CodePage;
    std::string_view Bytes;
    std::u16string_view Text;
};

// Bytes as the code pages' own programs write them.
constexpr TDecodeCase cDecodeCases[] = {
    {1252, "caf\xE9 \x80 \x93q\x94 \x9F", u"café € “q” Ÿ"},
    {1250, "\x8A\xB9\xE8", u"Šąč"},
    {1251, "\xCF\xF0\xE8\xE2\xE5\xF2", u"Привет"},
    {1253, "\xE1\xE2\xE3", u"αβγ"},
    {1254, "\xD0\xFD", u"Ğı"},
    {1255, "\xF9\xEC\xE5\xED", u"שלום"},
    {1256, "\xC7\xE1", u"ال"},
    {1257, "\xE0\xF0", u"ąš"},
    {874, "\xA1\xD2", u"กา"},
    {437, "\x82\xB0\xDB", u"é░█"},
    {850, "\x82\xD5", u"éı"},
    {10000, "\x8E\xA5\xD2", u"é•“"},
    {20127, "A\xE9", u"A\uFFFD"},
    {28591, "\xE9\xA4", u"é¤"},
    {28592, "\xB1", u"ą"},
    {28605, "\xA4", u"€"},
    {932, "\x93\xFA\x96\x7B\x8C\xEA \xB1", u"日本語 ｱ"},
    {936, "\xD6\xD0\xCE\xC4", u"中文"},
    {949, "\xC7\xD1\xB1\xB9", u"한국"},
    {950, "\xA4\xA4\xA4\xE5", u"中文"},
    {65001, "\xE2\x82\xAC", u"€"},
    {cVYXCodePageSymbol, "\x41\xB7", u"\uF041\uF0B7"},
};

std::u16string ByteByByte(std::string_view bytes, int codePage)
{
    TVYXCodePageDecoder decoder(codePage);
    std::u16string out;
    for (const char c : bytes)
        decoder.PutByte(static_cast<std::uint8_t>(c), out);
    decoder.Flush(out);
    return out;
}
}  // namespace

TEST(CodePage, DecodesEachFamilyWholeAndByteByByte)
{
    for (const TDecodeCase& c : cDecodeCases) {
        SCOPED_TRACE(c.CodePage);
        EXPECT_TRUE(VYXCodePageSupported(c.CodePage));
        EXPECT_EQ(VYXDecodeCodePage(c.Bytes, c.CodePage), c.Text);
        EXPECT_EQ(ByteByByte(c.Bytes, c.CodePage), c.Text);
    }
}

TEST(CodePage, EncodesBackAndReplacesWhatIsMissing)
{
    for (const TDecodeCase& c : cDecodeCases) {
        if (c.CodePage == 20127)
            continue;  // its case holds a byte outside the code page
        SCOPED_TRACE(c.CodePage);
        EXPECT_EQ(VYXEncodeCodePage(c.Text, c.CodePage), c.Bytes);
    }
    // One "?" per missing character, a surrogate pair counting as one.
    EXPECT_EQ(VYXEncodeCodePage(u"aĉ😀b", 1252), "a??b");
    EXPECT_EQ(VYXEncodeCodePage(u"日€😀", 932), "\x93\xFA??");
    EXPECT_EQ(VYXEncodeCodePage(u"é", 20127), "?");
    EXPECT_EQ(VYXEncodeCodePage(u"x\xD800y", 936), "x?y");  // a lone surrogate
}

TEST(CodePage, BadBytesBecomeReplacementCharacters)
{
    struct TCase {
        int CodePage;
        std::string_view Bytes;
        std::u16string_view Text;
    };
    const TCase cases[] = {
        {1252, "\x81\x8D\x8F\x90\x9D", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},  // undefined in 1252
        {932, "\x81 x", u"\uFFFD x"},       // a lead byte before a space keeps the space
        {932, "\x93", u"\uFFFD"},            // cut off at the end
        {936, "\x81\x7F", u"\uFFFD"},        // not a trail byte of GBK: one bad character
        {936, "a\xFF", u"a\uFFFD"},          // never a lead byte
        {65001, "\xE2\x82" "A", u"\uFFFD\uFFFDA"},
        {65001, "\xC0\xAF", u"\uFFFD\uFFFD"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.CodePage << " " << testing::PrintToString(std::string(c.Bytes)));
        EXPECT_EQ(VYXDecodeCodePage(c.Bytes, c.CodePage), c.Text);
        EXPECT_EQ(ByteByByte(c.Bytes, c.CodePage), c.Text);
    }
}

TEST(CodePage, DecoderHoldsLeadBytesAcrossCalls)
{
    TVYXCodePageDecoder sjis(932);
    std::u16string out;
    sjis.PutByte(0x93, out);  // RTF: \'93\'fa
    EXPECT_TRUE(sjis.Pending());
    EXPECT_TRUE(out.empty());
    sjis.PutByte(0xFA, out);
    EXPECT_EQ(out, u"日");
    EXPECT_FALSE(sjis.Pending());

    // Buffers that split a character continue it, for double-byte pages and UTF-8 alike.
    for (const int cp : {936, 65001}) {
        const std::string bytes = cp == 936 ? "\xD6\xD0\xCE\xC4" : "\xE4\xB8\xAD\xE6\x96\x87";
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
            SCOPED_TRACE(testing::Message() << cp << " cut " << cut);
            TVYXCodePageDecoder decoder(cp);
            std::u16string text;
            decoder.Put(std::string_view(bytes).substr(0, cut), text);
            decoder.Put(std::string_view(bytes).substr(cut), text);
            decoder.Flush(text);
            EXPECT_EQ(text, u"中文");
        }
    }
}

TEST(CodePage, WholeBufferAndByteByByteAgreeOnRandomBytes)
{
    std::mt19937 random(7);
    for (const int cp : {1252, 1251, 1255, 1258, 932, 936, 949, 950, 1361, 65001}) {
        SCOPED_TRACE(cp);
        for (int round = 0; round < 20; ++round) {
            std::string bytes(64, '\0');
            for (char& b : bytes)
                b = static_cast<char>(random() & 0xFF);
            const std::u16string whole = VYXDecodeCodePage(bytes, cp);
            EXPECT_EQ(whole, ByteByByte(bytes, cp));
            EXPECT_GE(whole.size(), bytes.size() / 2);
        }
    }
}

TEST(CodePage, CharsetsNamesAndFallback)
{
    EXPECT_EQ(VYXCharsetToCodePage(0), 1252);
    EXPECT_EQ(VYXCharsetToCodePage(128), 932);
    EXPECT_EQ(VYXCharsetToCodePage(134), 936);
    EXPECT_EQ(VYXCharsetToCodePage(204), 1251);
    EXPECT_EQ(VYXCharsetToCodePage(238), 1250);
    EXPECT_EQ(VYXCharsetToCodePage(2), cVYXCodePageSymbol);
    EXPECT_EQ(VYXCharsetToCodePage(1), 0);
    EXPECT_EQ(VYXCharsetToCodePage(99), 0);

    EXPECT_EQ(VYXCodePageFromName("1250"), 1250);
    EXPECT_EQ(VYXCodePageFromName("CP1251"), 1251);
    EXPECT_EQ(VYXCodePageFromName("Windows-1252"), 1252);
    EXPECT_EQ(VYXCodePageFromName("UTF-8"), 65001);
    EXPECT_EQ(VYXCodePageFromName("iso-8859-15"), 28605);
    EXPECT_EQ(VYXCodePageFromName("latin1"), 28591);
    EXPECT_EQ(VYXCodePageFromName("iso-8859-12"), 0);
    EXPECT_EQ(VYXCodePageFromName("cp99999"), 0);
    EXPECT_EQ(VYXCodePageFromName("klingon"), 0);

    EXPECT_TRUE(VYXCodePageIsDoubleByte(949));
    EXPECT_FALSE(VYXCodePageIsDoubleByte(1252));
    EXPECT_FALSE(VYXCodePageSupported(12345));
    TVYXCodePageDecoder unknown(12345);
    EXPECT_EQ(unknown.CodePage(), 1252);
}
