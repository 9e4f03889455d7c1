// VYXPlatformTest.cpp: UTF conversion, streams, the string list, the INI store and locale numbers.
#include <string>
#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/VYXException.h"
#include "platform/VYXIniFile.h"
#include "platform/VYXLocale.h"
#include "platform/VYXStream.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

TEST(Unicode, RoundTripsAndRepairsMalformedInput)
{
    const std::string mixed = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // A é € 😀
    const std::u16string wide = Utf8ToUtf16(mixed);
    ASSERT_EQ(wide.size(), 5u);  // the emoji is a surrogate pair
    EXPECT_EQ(wide[3], 0xD83D);
    EXPECT_EQ(Utf16ToUtf8(wide), mixed);
    EXPECT_TRUE(IsValidUtf8(mixed));

    struct TCase {
        const char* Bytes;
        std::u16string Expected;
    };
    const TCase bad[] = {
        {"\xC0\xAF", u"\uFFFD\uFFFD"},         // overlong slash
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
        {"ab\xE2\x82", u"ab\uFFFD\uFFFD"},     // truncated at the end
        {"\xFF", u"\uFFFD"},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.Bytes);
        EXPECT_FALSE(IsValidUtf8(c.Bytes));
        EXPECT_EQ(Utf8ToUtf16(c.Bytes), c.Expected);
    }
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");  // lone low surrogate
}

TEST(Unicode, CaseMappingBeyondAscii)
{
    EXPECT_EQ(UnicodeUpper(u"stra\u00dfe \u00e9t\u00e9 \u043c\u0438\u0440"), u"STRA\u00dfE \u00c9T\u00c9 \u041c\u0418\u0420");
    EXPECT_TRUE(SameTextUnicode(u"\u00c9cole", u"\u00e9COLE"));
    EXPECT_FALSE(SameTextAscii(std::string_view("abc"), std::string_view("abd")));
}

TEST(Streams, TypedReadsStopAtTheEnd)
{
    auto s = TVYXMemoryStream::View(std::string_view("\x01\x02\x03\x04\x05", 5));
    EXPECT_EQ(s.ReadU16LE(), 0x0201);
    EXPECT_EQ(s.Peek(), 3);
    EXPECT_EQ(s.ReadU16BE(), 0x0304);
    EXPECT_THROW(s.ReadU32LE(), VYXException);
    s.Seek(0, vysoEnd);
    EXPECT_EQ(s.Peek(), -1);
    s.Seek(0, vysoBeginning);
    EXPECT_THROW(s.ReadBytes(1u << 30), VYXException);  // no huge allocation for a lying length

    TVYXMemoryStream w;
    w.WriteU32LE(0xA1B2C3D4);
    w.WriteU16LE(0x0506);
    w.Seek(1, vysoBeginning);
    w.WriteU8(0xFF);
    EXPECT_EQ(w.Bytes(), std::string_view("\xD4\xFF\xB2\xA1\x06\x05", 6));
}

TEST(Streams, FilesRoundTrip)
{
    const auto path = (std::filesystem::temp_directory_path() / (std::string("vyx_stream_test-") + std::to_string(::getpid()) + ".bin")).string();
    VYXWriteFile(path, std::string("x\0y", 3));
    EXPECT_EQ(VYXReadFile(path), std::string("x\0y", 3));
    std::filesystem::remove(path);
    EXPECT_THROW(VYXReadFile(path), VYXException);
    // A directory is refused when opened, not when its impossible size is allocated.
    try {
        VYXReadFile(std::filesystem::temp_directory_path().string());
        ADD_FAILURE() << "a directory was read";
    } catch (const VYXException& e) {
        EXPECT_NE(std::string(e.what()).find("Is a directory"), std::string::npos) << e.what();
    }
}

TEST(StringList, TextTagsAndValues)
{
    TVYXStringList list;
    list.SetText("one\r\ntwo\rthree\nfour");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list[2], "three");
    list.SetTag(1, 4100);
    EXPECT_EQ(list.Tag(1), 4100);
    EXPECT_EQ(list.IndexOf("FOUR", true), 3);
    list.SetValue("Units", "1");
    list.SetValue("units", "2");
    EXPECT_EQ(list.Value("UNITS"), "2");
    EXPECT_EQ(list.Count(), 5);
}

TEST(IniFile, ParsesWritesAndSurvivesOddLines)
{
    const auto path = (std::filesystem::temp_directory_path() / (std::string("vyx_ini_test-") + std::to_string(::getpid()) + ".ini")).string();
    {
        TVYXIniFile ini(path);
        ini.SetText("; comment\n[Editor]\nUnits = 2\nnot a key line\n[Spell]\nPath=/usr/share/hunspell\n");
        EXPECT_EQ(ini.ReadInteger("editor", "UNITS", 0), 2);
        EXPECT_EQ(ini.ReadString("Spell", "Path", ""), "/usr/share/hunspell");
        EXPECT_EQ(ini.ReadInteger("Editor", "Missing", 7), 7);
        ini.WriteBool("Editor", "ShowParaMarks", true);
        ini.WriteFloat("Editor", "Zoom", 1.25);
        ini.UpdateFile();
    }
    TVYXIniFile again(path);
    EXPECT_TRUE(again.ReadBool("Editor", "ShowParaMarks", false));
    EXPECT_DOUBLE_EQ(again.ReadFloat("Editor", "Zoom", 0), 1.25);
    std::filesystem::remove(path);
}

TEST(Locale, NumberTexts)
{
    struct TCase {
        double Value;
        const char16_t* Expected;
    };
    const TCase general[] = {
        {0, u"0"},          {1.5, u"1.5"},          {-2, u"-2"},
        {0.1 + 0.2, u"0.3"}, {123456789012345.0, u"123456789012345"},
        {1e15, u"1E+15"},   {1.5e20, u"1.5E+20"},   {0.00001, u"0.00001"},
        {1e-10, u"1E-10"},  {1.0 / 3, u"0.333333333333333"},
    };
    for (const auto& c : general) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(VYXFloatToStr(c.Value), c.Expected);
    }
    TVYXLocaleSettings de = TVYXLocaleSettings::EnUS();
    de.DecimalSeparator = u',';
    de.ThousandSeparator = u'.';
    EXPECT_EQ(VYXFloatToStr(1.5, de), u"1,5");
    EXPECT_EQ(VYXFloatToStrF(1234567.891, 2, true, de), u"1.234.567,89");
    EXPECT_EQ(VYXFloatToStrF(-0.001, 2, false), u"0.00");
    EXPECT_EQ(VYXStrToFloat(u" 1,5 ", de).value_or(-1), 1.5);
    EXPECT_EQ(VYXStrToFloat(u"-2.5e3").value_or(0), -2500);
    EXPECT_FALSE(VYXStrToFloat(u"1.5x"));
    EXPECT_FALSE(VYXStrToFloat(u""));
    EXPECT_FALSE(VYXStrToFloat(u"1e"));
    EXPECT_FALSE(VYXStrToFloat(u"1e999"));
}
