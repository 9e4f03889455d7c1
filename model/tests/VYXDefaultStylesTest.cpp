// VYXDefaultStylesTest.cpp: the built-in style sheet against its table, and the resource text against both.
#include <gtest/gtest.h>

#include <string>

#include "model/VYXDefaultStyles.h"
#include "model/VYXStyles.h"
#include "platform/VYXUnicode.h"

TEST(DefaultStyles, SheetMatchesTheTable)
{
    struct TRow {
        const char16_t* Id;
        TVYXStyleType Kind;
        const char16_t* Name;
        const char16_t* BasedOn;  // nullptr: none
        bool Default;
    };
    const TRow rows[] = {
        {u"Normal", astPara, u"Normal", nullptr, true},
        {u"DefaultParagraphFont", astCharRun, u"Default Paragraph Font", nullptr, true},
        {u"TableNormal", astTable, u"Normal Table", nullptr, true},
        {u"TableGrid", astTable, u"Table Grid", u"TableNormal", false},
        {u"NoList", astNumbering, u"No List", nullptr, true},
        {u"FootnoteText", astPara, u"footnote text", u"Normal", false},
        {u"FootnoteTextChar", astCharRun, u"Footnote Text Char", u"DefaultParagraphFont", false},
        {u"FootnoteReference", astCharRun, u"footnote reference", u"DefaultParagraphFont", false},
        {u"EndnoteText", astPara, u"endnote text", u"Normal", false},
        {u"EndnoteTextChar", astCharRun, u"Endnote Text Char", u"DefaultParagraphFont", false},
        {u"EndnoteReference", astCharRun, u"endnote reference", u"DefaultParagraphFont", false},
        {u"Hyperlink", astCharRun, u"Hyperlink", u"DefaultParagraphFont", false},
        {u"BalloonText", astPara, u"Balloon Text", u"Normal", false},
        {u"BalloonTextChar", astCharRun, u"Balloon Text Char", u"DefaultParagraphFont", false},
        {u"ListParagraph", astPara, u"List Paragraph", u"Normal", false},
        {u"Heading1", astPara, u"heading 1", u"Normal", false},
        {u"Heading2", astPara, u"heading 2", u"Normal", false},
        {u"Heading3", astPara, u"heading 3", u"Normal", false},
        {u"Heading1Char", astCharRun, u"Heading 1 Char", u"DefaultParagraphFont", false},
        {u"Heading2Char", astCharRun, u"Heading 2 Char", u"DefaultParagraphFont", false},
        {u"Heading3Char", astCharRun, u"Heading 3 Char", u"DefaultParagraphFont", false},
        {u"TOCHeading", astPara, u"TOC Heading", u"Heading1", false},
        {u"TOC1", astPara, u"toc 1", u"Normal", false},
    };
    TVYXStyles styles;
    VYXBuildDefaultStyles(styles);
    ASSERT_EQ(styles.Count(), static_cast<int>(std::size(rows)));
    const std::string xml(cVYXDefaultStylesXml);
    for (const auto& r : rows) {
        SCOPED_TRACE(U8(r.Id));
        const TVYXStyle* s = styles.Find(r.Id);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Type_(), r.Kind);
        EXPECT_EQ(s->Name, r.Name);
        EXPECT_EQ(s->Default, r.Default);
        if (r.BasedOn) {
            ASSERT_NE(s->BasedOn, nullptr);
            EXPECT_EQ(s->BasedOn->Id, r.BasedOn);
        } else
            EXPECT_EQ(s->BasedOn, nullptr);
        // The resource text defines the same style with the same name.
        const std::string def = "w:styleId=\"" + U8(r.Id) + "\"><w:name w:val=\"" + U8(r.Name) + "\"/>";
        EXPECT_NE(xml.find(def), std::string::npos);
    }
}

TEST(DefaultStyles, FormattingOfTheStylesTheEngineUses)
{
    TVYXStyles styles;
    VYXBuildDefaultStyles(styles);
    auto para = [&](const char16_t* id) { return static_cast<TVYXParaStyle*>(styles.Find(id)); };
    auto chr = [&](const char16_t* id) { return static_cast<TVYXCharStyle*>(styles.Find(id)); };

    auto* grid = static_cast<TVYXTableStyle*>(styles.Find(u"TableGrid"));
    EXPECT_DOUBLE_EQ(grid->PAPX().GetSpaceAfter(), 0);
    EXPECT_DOUBLE_EQ(grid->TAPX().GetCellMargLeft(), 5.4);
    for (int id = vytiBorderLeft; id <= vytiBorderInsideHoriz; ++id) {
        SCOPED_TRACE(id);
        const TVYXDocPropBorder* b = grid->TAPX().GetBorder(static_cast<TVYXTapId>(id));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->Style, stbSingle);
        EXPECT_DOUBLE_EQ(b->Width, 0.5);
        EXPECT_EQ(b->Color, cVYXAutoColor);
    }
    EXPECT_EQ(para(u"FootnoteText")->Link, styles.Find(u"FootnoteTextChar"));
    EXPECT_DOUBLE_EQ(para(u"FootnoteText")->CHPX().GetSize(), 10);
    EXPECT_EQ(chr(u"FootnoteReference")->CHPX().GetSubSuperscript(), vycssSuperscript);
    EXPECT_EQ(chr(u"Hyperlink")->CHPX().GetColor(), 0x0000FFu);
    EXPECT_EQ(chr(u"Hyperlink")->CHPX().GetUnderline(), vycuSingle);
    EXPECT_DOUBLE_EQ(para(u"ListParagraph")->PAPX().GetIndentLeft(), 36);
    EXPECT_TRUE(para(u"ListParagraph")->PAPX().GetContextualSpacing());
    const TVYXParaStyle* h1 = para(u"Heading1");
    EXPECT_EQ(h1->Next, styles.Find(u"Normal"));
    EXPECT_TRUE(h1->PAPX().GetKeepNext());
    EXPECT_DOUBLE_EQ(h1->PAPX().GetSpaceBefore(), 24);
    EXPECT_EQ(h1->CHPX().GetColor(), 0x2E74B5u);
    EXPECT_DOUBLE_EQ(h1->CHPX().GetSize(), 14);
    EXPECT_EQ(para(u"Heading3")->CHPX().Find(vyciSize), -1);
    EXPECT_EQ(para(u"Heading2")->PAPX().GetOutlineLevel(), 1);
    EXPECT_EQ(chr(u"Heading2Char")->CHPX().GetColor(), 0x5B9BD5u);
    EXPECT_EQ(para(u"TOCHeading")->PAPX().GetOutlineLevel(), 9);
    EXPECT_DOUBLE_EQ(para(u"TOC1")->PAPX().GetSpaceAfter(), 5);
    EXPECT_EQ(styles.DefaultPara(), styles.Find(u"Normal"));
}
