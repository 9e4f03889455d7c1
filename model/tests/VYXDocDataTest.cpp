// VYXDocDataTest.cpp: resolution of run and paragraph formats: order, the colour reset, sub/superscript.
#include <gtest/gtest.h>

#include "model/VYXDocData.h"
#include "model/VYXNumbering.h"
#include "model/VYXStyles.h"

namespace {
// A style sheet with a paragraph style chain and a character style chain, each
// level setting its own colour, so the tests can see which one survives.
struct TFixture {
    TVYXStyles Styles;
    TVYXParaStyle* ParaBase = Styles.AddPara(u"ParaBase");
    TVYXParaStyle* Para = Styles.AddPara(u"Para");
    TVYXCharStyle* CharBase = Styles.AddChar(u"CharBase");
    TVYXCharStyle* Char = Styles.AddChar(u"Char");
    TVYXPAPX PAPX{&Styles.MasterPAP()};
    TVYXCHPX Run{&Styles.MasterCHP()};

    TFixture()
    {
        Para->BasedOn = ParaBase;
        Char->BasedOn = CharBase;
        Styles.MasterCHP().Color = 0x000001;
        ParaBase->CHPX().SetColor(0x000002);
        ParaBase->CHPX().SetSize(20);
        Para->CHPX().SetColor(0x000003);
        CharBase->CHPX().SetColor(0x000004);
        CharBase->CHPX().SetBold(true);
        Char->CHPX().SetColor(0x000005);
        PAPX.SetStyle(Para);
        PAPX.AddCHPX(&Styles.MasterCHP())->SetColor(0x000006);
    }
    TVYXFontDataDoc Resolve(bool withParaMark)
    {
        TVYXFontDataDoc font;
        font.Resolve(Styles.MasterCHP(), &PAPX, &Run, withParaMark);
        return font;
    }
};
}  // namespace

TEST(FontResolution, ColourSurvivesOnlyFromTheLastListApplied)
{
    struct TCase {
        const char* Name;
        bool RunColor, RunStyle, CharStyleOwnColor, ParaMark;
        TVYXColor Expected;
    };
    const TCase cases[] = {
        {"run colour wins", true, true, true, true, 0x000007},
        {"character style's own colour", false, true, true, true, 0x000005},
        {"colour only in the base character style", false, true, false, true, cVYXAutoColor},
        {"no character style: every earlier colour reset", false, false, true, true, cVYXAutoColor},
        {"layout steps without the paragraph mark", false, false, true, false, cVYXAutoColor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TFixture f;
        if (c.RunColor)
            f.Run.SetColor(0x000007);
        if (c.RunStyle)
            f.Run.SetStyle(f.Char);
        if (!c.CharStyleOwnColor)
            f.Char->CHPX().Remove(vyciColor);
        EXPECT_EQ(f.Resolve(c.ParaMark).Color, c.Expected);
    }

    // After the paragraph style step alone the colour is the most derived style's own.
    TFixture f;
    TVYXFontDataDoc font;
    font.Apply(f.Styles.MasterCHP());
    EXPECT_EQ(font.Color, 0x000001u);
    font.Apply(f.Para);
    EXPECT_EQ(font.Color, 0x000003u);
    f.Para->CHPX().Remove(vyciColor);
    font.Apply(f.Para);
    EXPECT_EQ(font.Color, cVYXAutoColor);
    EXPECT_EQ(font.GetVisibleColor(), 0u);
}

TEST(FontResolution, OrderOfTheOtherProperties)
{
    TFixture f;
    f.Run.SetStyle(f.Char);
    f.Run.SetItalic(true);
    TVYXFontDataDoc font = f.Resolve(true);
    EXPECT_DOUBLE_EQ(font.Size, 20);  // from the paragraph style's base
    EXPECT_TRUE(font.Bold);           // from the character style's base
    EXPECT_TRUE(font.Italic);
    EXPECT_EQ(font.Name, u"Arial");

    f.Run.SetBold(false);  // the run's own value is applied last
    f.Run.SetFontName(u"Courier New");
    f.Run.SetHighlightColor(ahcYellow);
    f.Run.AddBorder();
    font = f.Resolve(true);
    EXPECT_FALSE(font.Bold);
    EXPECT_EQ(font.Name, u"Courier New");
    EXPECT_EQ(font.HighlightColor, 0xFFFF00u);
    EXPECT_EQ(font.Border, f.Run.GetBorder());

    TVYXFontDataDoc plain;
    plain.Resolve(f.Styles.MasterCHP(), nullptr, nullptr, true);
    EXPECT_DOUBLE_EQ(plain.Size, 10);
    EXPECT_EQ(plain.HighlightColor, cVYXAutoColor);

    f.CharBase->BasedOn = f.Char;  // a style cycle from a damaged file
    font = f.Resolve(true);
    EXPECT_FALSE(font.Bold);
}

TEST(FontResolution, SubAndSuperscriptOffsets)
{
    struct TCase {
        const char* Name;
        TVYXChpSubSuperscript Run;
        TVYXChpSubSuperscript Style;
        double Size, Offset;
    };
    const TCase cases[] = {
        {"superscript run, size 10", vycssSuperscript, vycssNone, 8, -3},
        {"subscript run, size 10", vycssSubscript, vycssNone, 8, 2},
        {"superscript style shrinks again in the run's Apply", vycssNone, vycssSuperscript, 6.4, -2.4},
        {"plain", vycssNone, vycssNone, 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVYXStyles styles;
        TVYXCharStyle* ref = styles.AddChar(u"Ref");
        if (c.Style != vycssNone)
            ref->CHPX().SetSubSuperscript(c.Style);
        TVYXCHPX run(&styles.MasterCHP());
        run.SetStyle(ref);
        if (c.Run != vycssNone) {
            run.SetSize(10);  // an own size is set before the run's scaling
            run.SetSubSuperscript(c.Run);
        }
        TVYXFontDataDoc font;
        font.Resolve(styles.MasterCHP(), nullptr, &run, false);
        EXPECT_NEAR(font.Size, c.Size, 1e-9);
        EXPECT_NEAR(font.SubSuperOffs, c.Offset, 1e-9);
        EXPECT_EQ(font.Superscript, (c.Run == vycssSuperscript || c.Style == vycssSuperscript));
    }
}

TEST(ParaResolution, DefaultsTableCellsStylesAndNumbering)
{
    TVYXStyles styles;
    styles.MasterPAP().SetDefault(false);
    TVYXParaData data;
    data.Resolve(styles.MasterPAP(), nullptr, false, nullptr);
    EXPECT_DOUBLE_EQ(data.LineSpacing, 1.08);
    EXPECT_EQ(data.LineSpacingType, aplstMultiple);
    EXPECT_DOUBLE_EQ(data.SpaceAfter, 8);
    EXPECT_EQ(data.GetVisibleColor(), 0xFFFFFFu);

    TVYXTableStyle* grid = styles.AddTable(u"Grid");
    data.Resolve(styles.MasterPAP(), nullptr, true, grid);  // table style without a paragraph format
    EXPECT_DOUBLE_EQ(data.SpaceBefore, 0);
    EXPECT_DOUBLE_EQ(data.SpaceAfter, 0);
    grid->PAPX().SetSpaceAfter(3);
    data.Resolve(styles.MasterPAP(), nullptr, true, grid);
    EXPECT_DOUBLE_EQ(data.SpaceAfter, 3);

    TVYXParaStyle* base = styles.AddPara(u"Base");
    TVYXParaStyle* quote = styles.AddPara(u"Quote");
    quote->BasedOn = base;
    base->PAPX().SetIndentLeft(10);
    base->PAPX().SetAlignment(vyptaRight);
    quote->PAPX().SetIndentLeft(20);
    TVYXPAPX papx(&styles.MasterPAP());
    papx.SetStyle(quote);
    papx.SetColor(0x00FF00);
    papx.AddBorderLeft()->SetVals(1, 0, stbSingle, 4);
    data.Resolve(styles.MasterPAP(), &papx, false, nullptr);
    EXPECT_DOUBLE_EQ(data.IndentLeft, 20);  // the derived style after its base
    EXPECT_EQ(data.Alignment, vyptaRight);
    EXPECT_EQ(data.Color, 0x00FF00u);
    EXPECT_EQ(data.Borders().Left(), papx.GetBorderLeft());
    EXPECT_DOUBLE_EQ(data.MargHoriz(), 5);

    TVYXNumbering level(nullptr, nullptr, &styles.MasterCHP(), &styles.MasterPAP());
    level.PAPX().SetIndentLeft(54);
    papx.SetIndentLeft(5);
    papx.SetNumbering(&level);
    data.Resolve(styles.MasterPAP(), &papx, false, nullptr);
    EXPECT_DOUBLE_EQ(data.IndentLeft, 54);  // the numbering's indents win
    data.Resolve(styles.MasterPAP(), nullptr, false, nullptr);
    EXPECT_EQ(data.Borders().Left(), nullptr);
}
