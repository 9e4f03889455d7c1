// VYXDefaultStyles.cpp: the built-in style sheet, as WordprocessingML text and built in code.
#include "model/VYXDefaultStyles.h"

#include "model/VYXStyles.h"

const std::string_view cVYXDefaultStylesXml = R"xml(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/></w:style>
<w:style w:type="character" w:default="1" w:styleId="DefaultParagraphFont"><w:name w:val="Default Paragraph Font"/><w:uiPriority w:val="1"/><w:semiHidden/><w:unhideWhenUsed/></w:style>
<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:uiPriority w:val="99"/><w:semiHidden/><w:unhideWhenUsed/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>
<w:style w:type="table" w:styleId="TableGrid"><w:name w:val="Table Grid"/><w:basedOn w:val="TableNormal"/><w:uiPriority w:val="39"/><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr><w:tblPr><w:tblBorders><w:top w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:left w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:bottom w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:right w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:insideH w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:insideV w:val="single" w:sz="4" w:space="0" w:color="auto"/></w:tblBorders><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>
<w:style w:type="numbering" w:default="1" w:styleId="NoList"><w:name w:val="No List"/><w:uiPriority w:val="99"/><w:semiHidden/><w:unhideWhenUsed/></w:style>
<w:style w:type="numbering" w:default="1" w:styleId="NoList"><w:name w:val="No List"/><w:uiPriority w:val="99"/><w:semiHidden/><w:unhideWhenUsed/></w:style>
<w:style w:type="paragraph" w:styleId="FootnoteText"><w:name w:val="footnote text"/><w:basedOn w:val="Normal"/><w:link w:val="FootnoteTextChar"/><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr><w:rPr><w:sz w:val="20"/><w:szCs w:val="20"/></w:rPr></w:style>
<w:style w:type="character" w:customStyle="1" w:styleId="FootnoteTextChar"><w:name w:val="Footnote Text Char"/><w:basedOn w:val="DefaultParagraphFont"/><w:link w:val="FootnoteText"/><w:rPr><w:sz w:val="20"/><w:szCs w:val="20"/></w:rPr></w:style>
<w:style w:type="character" w:styleId="FootnoteReference"><w:name w:val="footnote reference"/><w:basedOn w:val="DefaultParagraphFont"/><w:rPr><w:vertAlign w:val="superscript"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="EndnoteText"><w:name w:val="endnote text"/><w:basedOn w:val="Normal"/><w:link w:val="EndnoteTextChar"/><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr><w:rPr><w:sz w:val="20"/><w:szCs w:val="20"/></w:rPr></w:style>
<w:style w:type="character" w:customStyle="1" w:styleId="EndnoteTextChar"><w:name w:val="Endnote Text Char"/><w:basedOn w:val="DefaultParagraphFont"/><w:link w:val="EndnoteText"/><w:rPr><w:sz w:val="20"/><w:szCs w:val="20"/></w:rPr></w:style>
<w:style w:type="character" w:styleId="EndnoteReference"><w:name w:val="endnote reference"/><w:basedOn w:val="DefaultParagraphFont"/><w:rPr><w:vertAlign w:val="superscript"/></w:rPr></w:style>
<w:style w:type="character" w:styleId="Hyperlink"><w:name w:val="Hyperlink"/><w:basedOn w:val="DefaultParagraphFont"/><w:rPr><w:color w:val="0000FF" w:themeColor="hyperlink"/><w:u w:val="single"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="BalloonText"><w:name w:val="Balloon Text"/><w:basedOn w:val="Normal"/><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr><w:rPr><w:rFonts w:ascii="Tahoma" w:hAnsi="Tahoma" w:cs="Tahoma"/><w:sz w:val="16"/><w:szCs w:val="16"/></w:rPr></w:style>
<w:style w:type="character" w:customStyle="1" w:styleId="BalloonTextChar"><w:name w:val="Balloon Text Char"/><w:basedOn w:val="DefaultParagraphFont"/><w:rPr><w:rFonts w:ascii="Tahoma" w:hAnsi="Tahoma" w:cs="Tahoma"/><w:sz w:val="16"/><w:szCs w:val="16"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="ListParagraph"><w:name w:val="List Paragraph"/><w:basedOn w:val="Normal"/><w:pPr><w:ind w:left="720"/><w:contextualSpacing/></w:pPr></w:style>
<w:style w:type="paragraph" w:styleId="Heading1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:keepNext/><w:keepLines/><w:spacing w:before="480" w:after="0"/><w:outlineLvl w:val="0"/></w:pPr><w:rPr><w:rFonts w:asciiTheme="majorHAnsi" w:hAnsiTheme="majorHAnsi"/><w:b/><w:color w:val="2E74B5" w:themeColor="accent1" w:themeShade="BF"/><w:sz w:val="28"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Heading2"><w:name w:val="heading 2"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:keepNext/><w:keepLines/><w:spacing w:before="200" w:after="0"/><w:outlineLvl w:val="1"/></w:pPr><w:rPr><w:rFonts w:asciiTheme="majorHAnsi" w:hAnsiTheme="majorHAnsi"/><w:b/><w:color w:val="5B9BD5" w:themeColor="accent1"/><w:sz w:val="26"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Heading3"><w:name w:val="heading 3"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:keepNext/><w:keepLines/><w:spacing w:before="200" w:after="0"/><w:outlineLvl w:val="2"/></w:pPr><w:rPr><w:rFonts w:asciiTheme="majorHAnsi" w:hAnsiTheme="majorHAnsi"/><w:b/><w:color w:val="5B9BD5" w:themeColor="accent1"/></w:rPr></w:style>
<w:style w:type="character" w:customStyle="1" w:styleId="Heading1Char"><w:name w:val="Heading 1 Char"/><w:basedOn w:val="DefaultParagraphFont"/><w:rPr><w:rFonts w:asciiTheme="majorHAnsi" w:hAnsiTheme="majorHAnsi"/><w:b/><w:color w:val="2E74B5" w:themeColor="accent1" w:themeShade="BF"/><w:sz w:val="28"/></w:rPr></w:style>
<w:style w:type="character" w:customStyle="1" w:styleId="Heading2Char"><w:name w:val="Heading 2 Char"/><w:basedOn w:val="DefaultParagraphFont"/><w:rPr><w:rFonts w:asciiTheme="majorHAnsi" w:hAnsiTheme="majorHAnsi"/><w:b/><w:color w:val="5B9BD5" w:themeColor="accent1"/><w:sz w:val="26"/></w:rPr></w:style>
<w:style w:type="character" w:customStyle="1" w:styleId="Heading3Char"><w:name w:val="Heading 3 Char"/><w:basedOn w:val="DefaultParagraphFont"/><w:rPr><w:rFonts w:asciiTheme="majorHAnsi" w:hAnsiTheme="majorHAnsi"/><w:b/><w:color w:val="5B9BD5" w:themeColor="accent1"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="TOCHeading"><w:name w:val="TOC Heading"/><w:basedOn w:val="Heading1"/><w:next w:val="Normal"/><w:pPr><w:outlineLvl w:val="9"/></w:pPr></w:style>
<w:style w:type="paragraph" w:styleId="TOC1"><w:name w:val="toc 1"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:spacing w:after="100"/></w:pPr></w:style>
</w:styles>
)xml";

namespace {
// The character formatting shared by a heading and its "Char" style.
void HeadingChars(TVYXCHPX& chpx, const TVYXStyles& styles, TVYXColor color, double size)
{
    chpx.SetAscii(styles.MajorFont);
    chpx.SethAnsi(styles.MajorFont);
    chpx.SetBold(true);
    chpx.SetColor(color);
    if (size > 0)
        chpx.SetSize(size);
}

void SingleSpacing(TVYXPAPX& papx)
{
    papx.SetSpaceAfter(0);
    papx.SetLineSpacing(1.0);
    papx.SetLineSpacingType(aplstSingle);
}
}  // namespace

void VYXBuildDefaultStyles(TVYXStyles& styles)
{
    styles.Clear();
    styles.MajorFont = u"Calibri Light";
    styles.MinorFont = u"Calibri";

    TVYXParaStyle* normal = styles.AddPara(u"Normal", u"Normal");
    normal->Default = true;
    TVYXCharStyle* dpf = styles.AddChar(u"DefaultParagraphFont", u"Default Paragraph Font");
    dpf->Default = true;

    TVYXTableStyle* tableNormal = styles.AddTable(u"TableNormal", u"Normal Table");
    tableNormal->Default = true;
    auto cellMargins = [](TVYXTAPX& tapx) {
        tapx.SetIndent(0);
        tapx.SetCellMargTop(0);
        tapx.SetCellMargBottom(0);
        tapx.SetCellMargLeft(5.4);
        tapx.SetCellMargRight(5.4);
    };
    cellMargins(tableNormal->TAPX());
    TVYXTableStyle* grid = styles.AddTable(u"TableGrid", u"Table Grid");
    grid->BasedOn = tableNormal;
    SingleSpacing(grid->PAPX());
    for (int id = vytiBorderLeft; id <= vytiBorderInsideHoriz; ++id)
        grid->TAPX().AddBorder(static_cast<TVYXTapId>(id))->SetVals(0.5, cVYXAutoColor, stbSingle, 0);
    cellMargins(grid->TAPX());

    styles.AddNumbering(u"NoList", u"No List")->Default = true;

    auto note = [&](std::u16string_view prefix, std::u16string_view lower) {
        const std::u16string p(prefix), l(lower);
        TVYXParaStyle* text = styles.AddPara(p + u"Text", l + u" text");
        text->BasedOn = normal;
        SingleSpacing(text->PAPX());
        text->CHPX().SetSize(10);
        TVYXCharStyle* textChar = styles.AddChar(p + u"TextChar", p + u" Text Char");
        textChar->BasedOn = dpf;
        textChar->CHPX().SetSize(10);
        text->Link = textChar;
        TVYXCharStyle* reference = styles.AddChar(p + u"Reference", l + u" reference");
        reference->BasedOn = dpf;
        reference->CHPX().SetSubSuperscript(vycssSuperscript);
    };
    note(u"Footnote", u"footnote");
    note(u"Endnote", u"endnote");

    TVYXCharStyle* hyperlink = styles.AddChar(u"Hyperlink", u"Hyperlink");
    hyperlink->BasedOn = dpf;
    hyperlink->CHPX().SetColor(0x0000FF);
    hyperlink->CHPX().SetUnderline(vycuSingle);

    TVYXParaStyle* balloon = styles.AddPara(u"BalloonText", u"Balloon Text");
    balloon->BasedOn = normal;
    SingleSpacing(balloon->PAPX());
    balloon->CHPX().SetFontName(u"Tahoma");
    balloon->CHPX().SetSize(8);
    TVYXCharStyle* balloonChar = styles.AddChar(u"BalloonTextChar", u"Balloon Text Char");
    balloonChar->BasedOn = dpf;
    balloonChar->CHPX().SetFontName(u"Tahoma");
    balloonChar->CHPX().SetSize(8);

    TVYXParaStyle* list = styles.AddPara(u"ListParagraph", u"List Paragraph");
    list->BasedOn = normal;
    list->PAPX().SetIndentLeft(36);
    list->PAPX().SetContextualSpacing(true);

    struct THeading {
        const char16_t* Id;
        const char16_t* Name;
        const char16_t* CharId;
        const char16_t* CharName;
        double Before;
        int Outline;
        TVYXColor Color;
        double Size;  // 0: not set
    };
    constexpr THeading cHeadings[] = {
        {u"Heading1", u"heading 1", u"Heading1Char", u"Heading 1 Char", 24, 0, 0x2E74B5, 14},
        {u"Heading2", u"heading 2", u"Heading2Char", u"Heading 2 Char", 10, 1, 0x5B9BD5, 13},
        {u"Heading3", u"heading 3", u"Heading3Char", u"Heading 3 Char", 10, 2, 0x5B9BD5, 0},
    };
    TVYXParaStyle* headings[3] = {};
    for (int i = 0; i < 3; ++i) {
        const THeading& h = cHeadings[i];
        TVYXParaStyle* heading = styles.AddPara(h.Id, h.Name);
        heading->BasedOn = normal;
        heading->Next = normal;
        heading->PAPX().SetKeepNext(true);
        heading->PAPX().SetSpaceBefore(h.Before);
        heading->PAPX().SetSpaceAfter(0);
        heading->PAPX().SetOutlineLevel(h.Outline);
        HeadingChars(heading->CHPX(), styles, h.Color, h.Size);
        headings[i] = heading;
    }
    for (const THeading& h : cHeadings) {
        TVYXCharStyle* headingChar = styles.AddChar(h.CharId, h.CharName);
        headingChar->BasedOn = dpf;
        HeadingChars(headingChar->CHPX(), styles, h.Color, h.Size);
    }

    TVYXParaStyle* tocHeading = styles.AddPara(u"TOCHeading", u"TOC Heading");
    tocHeading->BasedOn = headings[0];
    tocHeading->Next = normal;
    tocHeading->PAPX().SetOutlineLevel(9);
    TVYXParaStyle* toc1 = styles.AddPara(u"TOC1", u"toc 1");
    toc1->BasedOn = normal;
    toc1->Next = normal;
    toc1->PAPX().SetSpaceAfter(5);
}
