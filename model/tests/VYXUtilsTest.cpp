// VYXUtilsTest.cpp: integer and parameter lists, options persistence, character classes, text helpers.
#include <gtest/gtest.h>

#include "model/VYXUtils.h"
#include "platform/VYXIniFile.h"
#include "platform/VYXUnicode.h"

TEST(IntegerList, AsStringBothWays)
{
    TVYXIntegerList list;
    EXPECT_EQ(list.AsString(), "");
    list.SetAsString("");
    EXPECT_EQ(list.Count(), 0);
    for (int v : {1, 2, 3})
        list.Add(v);
    EXPECT_EQ(list.AsString(), "1,2,3");

    struct TCase {
        const char* Text;
        std::vector<std::int32_t> Items;
    };
    const TCase cases[] = {
        {"1,,x", {1, cVYXNoIntValue, 0}},
        {",", {cVYXNoIntValue, cVYXNoIntValue}},
        {"-7, 8 ,2147483647", {-7, 8, 2147483647}},
        {"2147483648,1x,0x10", {0, 0, 0}},  // out of range and partial numbers are not integers
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        list.SetAsString(c.Text);
        EXPECT_EQ(list.Values(), c.Items);
    }
    list.SetAsString("5");
    list.SetMinSize(3, -1);
    list.SetMinSize(2, 9);  // never shrinks
    EXPECT_EQ(list.AsString(), "5,-1,-1");
}

TEST(ParameterList, FieldInstructions)
{
    struct TCase {
        const char16_t* Text;
        std::vector<std::pair<std::u16string, std::u16string>> Items;
    };
    const TCase cases[] = {
        {u"DATE \\@ \"dd.MM.yyyy\" \\* MERGEFORMAT", {{u"@", u"dd.MM.yyyy"}, {u"*", u"MERGEFORMAT"}}},
        {u"MERGEFIELD  \"First Name\"  \\b x \\*Upper", {{u"", u"First Name"}, {u"", u"x"}, {u"*", u"Upper"}}},
        {u"PAGE \\*", {{u"*", u""}}},
        {u"", {}},
        {u"REF \"unclosed quote \\* x", {{u"", u"\"unclosed quote \\* x"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(U8(c.Text));
        TVYXParameterList params;
        params.AssignField(c.Text);
        ASSERT_EQ(params.Count(), static_cast<int>(c.Items.size()));
        for (int i = 0; i < params.Count(); ++i) {
            EXPECT_EQ(params.Items(i).Param, c.Items[static_cast<std::size_t>(i)].first);
            EXPECT_EQ(params.Items(i).Value, c.Items[static_cast<std::size_t>(i)].second);
        }
    }
    TVYXParameterList params;
    params.AssignField(u"DATE \\* MergeFormat");
    EXPECT_TRUE(params.FindAsteriks(u"MERGEFORMAT"));
    std::u16string value = u"stale";
    EXPECT_TRUE(params.Find(u"*", value));
    EXPECT_EQ(value, u"mergeformat");
    EXPECT_FALSE(params.Find(u"@", value));
    EXPECT_EQ(value, u"");
}

TEST(ParameterList, NameValuePairs)
{
    TVYXParameterList params;
    params.Assign(u"ignored \\*Format : \"0.00\" \\\\*Width:12 \\*Empty");
    ASSERT_EQ(params.Count(), 3);
    EXPECT_EQ(params.Items(0).Param, u"Format");
    EXPECT_EQ(params.Items(0).Value, u"0.00");
    EXPECT_EQ(params.Items(1).Param, u"Width");  // the longer marker wins over its tail
    EXPECT_EQ(params.Items(1).Value, u"12");
    EXPECT_EQ(params.Items(2).Param, u"Empty");
    EXPECT_EQ(params.Items(2).Value, u"");
    std::u16string value;
    EXPECT_TRUE(params.Find(u"WIDTH", value));
}

TEST(SysOptions, DefaultsAndIniRoundTrip)
{
    TVYXIniFile ini;
    TVYXSysOptions options;
    EXPECT_EQ(options.Units, asoduCentimeters);
    options.Load("Editor");  // no IniFile: nothing happens
    options.IniFile = &ini;
    options.Units = asoduInches;
    options.SpellCheckerDictPath = "/usr/share/hunspell";
    options.SpellSelectedLanguage = "de_DE";
    options.Save("Editor");
    EXPECT_EQ(ini.ReadInteger("Editor", "Units", -1), asoduInches);

    TVYXSysOptions loaded;
    loaded.IniFile = &ini;
    loaded.Load("Editor");
    EXPECT_EQ(loaded.Units, asoduInches);
    EXPECT_EQ(loaded.SpellCheckerDictPath, "/usr/share/hunspell");
    EXPECT_EQ(loaded.SpellSelectedLanguage, "de_DE");

    ini.WriteInteger("Editor", "Units", 99);  // a damaged settings file keeps the unit
    loaded.Load("Editor");
    EXPECT_EQ(loaded.Units, asoduInches);

    EXPECT_EQ(loaded.ValToUnitStr(108, true), u"1.5 ln");
    EXPECT_EQ(loaded.ValToUnitStr(0.0001, false), u"0");
    EXPECT_DOUBLE_EQ(loaded.UnitStrToVal(u"2"), 144);
    EXPECT_DOUBLE_EQ(loaded.UnitStrToVal(u" 12 pt"), 12);
    EXPECT_NEAR(loaded.UnitStrToVal(u"2.54cm"), 72, 1e-9);
    EXPECT_DOUBLE_EQ(loaded.UnitStrToVal(u"abc"), 0);
}

TEST(CharClasses, ClassificationTable)
{
    struct TCase {
        char16_t C;
        TVYXCharType Type;
        bool Punct;
    };
    const TCase cases[] = {
        {u' ', actWhitespace, true},  {u'\t', actWhitespace, true}, {8, actWhitespace, false},
        {u'.', actPunctuation, true}, {u'-', actPunctuation, true}, {u'a', actAny, false},
        {13, actPunctuation, true},  // CR is Unicode white space, so it counts as punctuation first
        {11, actPunctuation, true},   {u'$', actAny, false},        {u'\u00A0', actPunctuation, true},
        {u'\u201C', actPunctuation, true}, {u'\u3001', actPunctuation, true}, {u'\u4E00', actAny, false},
        {u'\uFF01', actPunctuation, true}, {u'\uFFFF', actAny, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.C));
        EXPECT_EQ(CharacterType(c.C), c.Type);
        EXPECT_EQ(CharIsPunctuation(c.C), c.Punct);
    }
    EXPECT_TRUE(CharIsWhitespaceOrHardLB(11));
    EXPECT_FALSE(CharIsWhitespace(11));
    EXPECT_FALSE(CharIsWhitespace(0x2003));  // never above 255
}

TEST(TextHelpers, Conversions)
{
    EXPECT_EQ(VYXHash(u""), 0u);
    EXPECT_EQ(VYXHash(u"AB"), 131u);
    EXPECT_EQ(IntToRoman(1994), u"MCMXCIV");
    EXPECT_EQ(IntToRoman(0), u"");
    EXPECT_EQ(HexStrToInt(u"#1F"), 31);
    EXPECT_EQ(HexStrToInt(u"0xffzz"), 255);
    EXPECT_EQ(RGBStrToColor(u"FF8000"), 0xFF8000u);
    EXPECT_EQ(RGBStrToColor(u"auto"), 0xFF000000u);
    EXPECT_EQ(RevRGB(0x123456), 0x563412u);
    EXPECT_EQ(MakeRGB(1, 2, 3), 0x010203u);
    for (std::uint32_t color : {0xFF0000u, 0x2E74B5u, 0x808080u, 0u, 0xFFFFFFu}) {
        SCOPED_TRACE(color);
        double h, s, l;
        RGBToHSL(color, h, s, l);
        EXPECT_EQ(HSLToRGB(h, s, l), color);
    }
    EXPECT_EQ(LighterColor(0x000000, 0.5), 0x808080u);
    EXPECT_EQ(DarkerColor(0xFF8000, 1.0), 0u);

    std::u16string rest = u"a=\"x=y\"=z";
    EXPECT_EQ(SplitAtCharExclQuoted(rest, u'='), u"a");
    EXPECT_EQ(SplitAtCharExclQuoted(rest, u'='), u"\"x=y\"");
    EXPECT_EQ(rest, u"z");
    EXPECT_EQ(SplitAtChar(rest, u'='), u"z");
    EXPECT_EQ(rest, u"");
    EXPECT_EQ(CPos(u'b', u"abcb"), 2);
    EXPECT_EQ(RCPos(u'b', u"abcb"), 4);
    EXPECT_EQ(CPos(u'x', u"abc"), 0);

    EXPECT_EQ(ValidateText(u"a\x07" u"b\rc\x13\x14\x15" u"d\t"), u"abcd\t");
    EXPECT_EQ(TitleCase(u"hELLO wORLD  x-y"), u"Hello World  X-y");
    EXPECT_EQ(FixupSmartQuotes(u"\u201Cq\u201D"), u"\u201Cq\"");
    EXPECT_EQ(PictureTypeFromExt(u"JPEG"), aptJPG);
    EXPECT_EQ(PictureTypeFromExt(u".Tiff"), aptTIF);
    EXPECT_EQ(PictureTypeFromExt(u"svg"), aptUnknown);
    EXPECT_EQ(PictureTypeFromExt(u""), aptUnknown);
    EXPECT_DOUBLE_EQ(XmlStrToFloatDef("1.5", 0), 1.5);
    EXPECT_DOUBLE_EQ(XmlStrToFloatDef("1,5", -1), -1);
    EXPECT_DOUBLE_EQ(XmlStrToFloatDef("", 7), 7);
    EXPECT_EQ(VYXMulDiv(2000000000, 3, 4), 1500000000);
    EXPECT_EQ(VYXMulDiv(-7, 1, 2), -3);  // truncated
    EXPECT_EQ(VYXMulDiv(1, 1, 0), -1);
    EXPECT_EQ(MakeIndent(2), u"    ");
}
