// VYXWriteDOCXProps.cpp: the DOCX writer's property lists: run, paragraph and section properties,
// borders and revision marks.
#include "formats/VYXWriteDOCXImpl.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXDocxValueNames.h"
#include "formats/VYXDocxParts.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/schema/NyqDocx.h"
#include "formats/schema/NyqDocxWml.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace vyx_docxw {

namespace {

std::string_view BorderName(TST_Border style)
{
    const auto i = static_cast<std::size_t>(style);
    return i < VYXStBorderName.size() ? VYXStBorderName[i] : std::string_view("single");
}

}  // namespace

void TWriter::RootOpen(TXml& x, std::string_view name)
{
    x.Tag(name).Attr("xmlns:w", cNsW).Attr("xmlns:r", cNsR).Attr("xmlns:wp", cNsWp).Attr("xmlns:a", cNsA)
        .Attr("xmlns:pic", cNsPic).Attr("xmlns:v", cNsV).Attr("xmlns:w10", "urn:schemas-microsoft-com:office:word").Open();
}

void TWriter::RevisionAttrs(TXml& x, const TVYXRevisionData& rev)
{
    x.Attr("w:id", ++FRevisionIds).Attr16("w:author", rev.Author.empty() ? u"Unknown" : rev.Author);
    if (const std::string date = DateText(rev.Date); !date.empty())
        x.Attr("w:date", date);
}

void TWriter::Border(TXml& x, std::string_view name, const TVYXDocPropBorder* b)
{
    if (!b)
        return;
    x.Tag(name).Attr("w:val", BorderName(b->Style)).Attr("w:sz", Round(b->Width * 8)).Attr("w:space", Round(b->Space));
    x.Attr("w:color", b->Color == cVYXAutoColor ? std::string("auto") : Hex(b->Color)).Empty();
}

void TWriter::CHPX(TXml& x, const TVYXCHPX* chpx, bool always)
{
    if (!chpx || chpx->Count() == 0) {
        if (always) {
            x.Tag("w:rPr").Empty();
        }
        return;
    }
    const std::size_t mark = x.Out.size();
    x.Tag("w:rPr").Open();
    const std::size_t inner = x.Out.size();
    bool b = false;
    std::int32_t i = 0;
    double d = 0;
    std::u16string s;
    if (const TVYXCharStyle* style = chpx->GetStyle(); style && chpx->Assigned(vyciStyle))
        x.Tag("w:rStyle").Attr16("w:val", style->Id).Empty();
    {
        std::u16string font, ascii, hAnsi, ea;
        chpx->GetValue(vyciFontName, font);
        chpx->GetValue(vyciAscii, ascii);
        chpx->GetValue(vycihAnsi, hAnsi);
        chpx->GetValue(vyciEastAsia, ea);
        if (ascii.empty())
            ascii = font;
        if (hAnsi.empty())
            hAnsi = font;
        if (!ascii.empty() || !hAnsi.empty() || !ea.empty()) {
            for (const std::u16string* name : {&ascii, &hAnsi, &ea})
                FFontNames.push_back(*name);
            x.Tag("w:rFonts");
            if (!ascii.empty())
                x.Attr16("w:ascii", ascii);
            if (!hAnsi.empty())
                x.Attr16("w:hAnsi", hAnsi);
            if (!ea.empty())
                x.Attr16("w:eastAsia", ea);
            x.Empty();
        }
    }
    const std::pair<TVYXChpId, std::string_view> flags1[] = {
        {vyciBold, "w:b"}, {vyciItalic, "w:i"}, {vyciAllCaps, "w:caps"}, {vyciSmallCaps, "w:smallCaps"},
        {vyciStrikeThrough, "w:strike"}, {vyciOutline, "w:outline"}, {vyciShadow, "w:shadow"},
        {vyciEmboss, "w:emboss"}, {vyciEngrave, "w:imprint"}, {vyciHidden, "w:vanish"}};
    for (const auto& [id, name] : flags1)
        if (chpx->GetValue(id, b))
            x.OnOff(name, b);
    if (chpx->GetValue(vyciColor, i) && static_cast<TVYXColor>(i) != cVYXAutoColor)
        x.Val("w:color", Hex(static_cast<TVYXColor>(i)));
    if (chpx->GetValue(vyciSize, d) && d > 0)
        x.Val("w:sz", std::max(1LL, Round(d * 2)));
    if (chpx->GetValue(vyciHighlightColor, i) && i >= 0 && i < ahcNone)
        x.Val("w:highlight", cHighlightNames[static_cast<std::size_t>(i)]);
    if (chpx->GetValue(vyciUnderline, i) && i >= 0 && i < static_cast<std::int32_t>(cUnderlineNames.size())) {
        x.Tag("w:u").Attr("w:val", cUnderlineNames[static_cast<std::size_t>(i)]);
        std::int32_t c = 0;
        if (chpx->GetValue(vyciUnderlineColor, c) && static_cast<TVYXColor>(c) != cVYXAutoColor)
            x.Attr("w:color", Hex(static_cast<TVYXColor>(c)));
        x.Empty();
    }
    if (chpx->Assigned(vyciBorder))
        Border(x, "w:bdr", chpx->GetBorder());
    if (chpx->GetValue(vyciFillColor, i) && static_cast<TVYXColor>(i) != cVYXAutoColor)
        x.Tag("w:shd").Attr("w:val", "clear").Attr("w:color", "auto").Attr("w:fill", Hex(static_cast<TVYXColor>(i))).Empty();
    if (chpx->GetValue(vyciSubSuperscript, i) && i != vycssNone)
        x.Val("w:vertAlign", i == vycssSuperscript ? "superscript" : "subscript");
    if (chpx->GetValue(vyciRTL, b))
        x.OnOff("w:rtl", b);
    if (const auto* rev = dynamic_cast<const TVYXRevisionDataCHPX*>(chpx->GetRevision()); rev && rev->CHPX()) {
        RevisionAttrs(x.Tag("w:rPrChange"), *rev);
        x.Open();
        CHPX(x, rev->CHPX(), true);
        x.End("w:rPrChange");
    }
    if (x.Out.size() == inner) {
        x.Out.resize(mark);
        if (always)
            x.Tag("w:rPr").Empty();
        return;
    }
    x.End("w:rPr");
}

void TWriter::SEP(TXml& x, const TVYXSEP& sep, bool final)
{
    x.Tag("w:sectPr").Open();
    if (final)
        for (const auto& [elem, rest] : FHeaderRefs) {
            const std::size_t bar = rest.find('|');
            x.Tag(elem).Attr("w:type", rest.substr(0, bar)).Attr("r:id", rest.substr(bar + 1)).Empty();
        }
    switch (sep.Type) {
    case astContinous: x.Val("w:type", "continuous"); break;
    case astNextColumn: x.Val("w:type", "nextColumn"); break;
    case astEvenPage: x.Val("w:type", "evenPage"); break;
    case astOddPage: x.Val("w:type", "oddPage"); break;
    default: break;
    }
    if (sep.PageWidth > 0 || sep.PageHeight > 0) {
        x.Tag("w:pgSz");
        if (sep.PageWidth > 0)
            x.Attr("w:w", Twips(sep.PageWidth));
        if (sep.PageHeight > 0)
            x.Attr("w:h", Twips(sep.PageHeight));
        if (sep.PageWidth > sep.PageHeight && sep.PageHeight > 0)
            x.Attr("w:orient", "landscape");
        x.Empty();
    }
    const bool anyMargin = sep.MargTop >= 0 || sep.MargBottom >= 0 || sep.MargLeft >= 0 || sep.MargRight >= 0 ||
                           sep.MargHeader >= 0 || sep.MargFooter >= 0;
    if (anyMargin) {
        // The schema wants all seven; unset ones take the values in effect.
        x.Tag("w:pgMar").Attr("w:top", Twips(sep.GetMargTop())).Attr("w:right", Twips(sep.GetMargRight()));
        x.Attr("w:bottom", Twips(sep.GetMargBottom())).Attr("w:left", Twips(sep.GetMargLeft()));
        x.Attr("w:header", Twips(sep.GetMargHeader())).Attr("w:footer", Twips(sep.GetMargFooter()));
        x.Attr("w:gutter", Twips(std::max(0.0, sep.GetGutter()))).Empty();
    }
    if (sep.Cols.Count() > 0) {
        x.Tag("w:cols").Attr("w:num", sep.Cols.Count()).Attr("w:space", Twips(sep.Cols.AverageColSpace()));
        x.Attr("w:equalWidth", "0").Open();
        for (int i = 0; i < sep.Cols.Count(); ++i)
            x.Tag("w:col").Attr("w:w", Twips(sep.Cols.Items(i).Width)).Attr("w:space", Twips(sep.Cols.Items(i).Space)).Empty();
        x.End("w:cols");
    }
    if (sep.TitlePg)
        x.Tag("w:titlePg").Empty();
    if (sep.BiDi)
        x.Tag("w:bidi").Empty();
    x.End("w:sectPr");
}

void TWriter::PAPX(TXml& x, const TVYXPAPX& papx, const TVYXSEP* sep, bool markRPr)
{
    const std::size_t mark = x.Out.size();
    x.Tag("w:pPr").Open();
    const std::size_t inner = x.Out.size();
    bool b = false;
    std::int32_t i = 0;
    double d = 0;
    if (const TVYXParaStyle* style = papx.GetStyle(); style && papx.Assigned(vypiStyle))
        x.Tag("w:pStyle").Attr16("w:val", style->Id).Empty();
    if (papx.GetValue(vypiKeepNext, b))
        x.OnOff("w:keepNext", b);
    if (papx.GetValue(vypiKeepLines, b))
        x.OnOff("w:keepLines", b);
    if (papx.GetValue(vypiWidowControl, b))
        x.OnOff("w:widowControl", b);
    if (papx.Assigned(vypiNumbering)) {
        const TVYXNumbering* level = papx.GetNumbering();
        const auto id = level ? FNumIds.find(level->NumList()) : FNumIds.end();
        x.Tag("w:numPr").Open();
        x.Val("w:ilvl", level ? level->Level : 0);
        x.Val("w:numId", id != FNumIds.end() ? id->second : 0);
        x.End("w:numPr");
    }
    if (papx.Assigned(vypiBorderLeft) || papx.Assigned(vypiBorderTop) || papx.Assigned(vypiBorderRight) ||
        papx.Assigned(vypiBorderBottom)) {
        x.Tag("w:pBdr").Open();
        Border(x, "w:top", papx.Assigned(vypiBorderTop) ? papx.GetBorderTop() : nullptr);
        Border(x, "w:left", papx.Assigned(vypiBorderLeft) ? papx.GetBorderLeft() : nullptr);
        Border(x, "w:bottom", papx.Assigned(vypiBorderBottom) ? papx.GetBorderBottom() : nullptr);
        Border(x, "w:right", papx.Assigned(vypiBorderRight) ? papx.GetBorderRight() : nullptr);
        x.End("w:pBdr");
    }
    if (papx.GetValue(vypiColor, i) && static_cast<TVYXColor>(i) != cVYXAutoColor)
        x.Tag("w:shd").Attr("w:val", "clear").Attr("w:color", "auto").Attr("w:fill", Hex(static_cast<TVYXColor>(i))).Empty();
    if (const TVYXTabStops* tabs = papx.Assigned(vypiTabStops) ? papx.GetTabStops() : nullptr; tabs && tabs->Count() > 0) {
        x.Tag("w:tabs").Open();
        static constexpr std::string_view cAlign[] = {"clear", "left", "center", "right", "decimal", "num"};
        static constexpr std::string_view cLeader[] = {"none", "dot", "hyphen", "underscore", "heavy", "middleDot"};
        for (int t = 0; t < tabs->Count(); ++t) {
            const TVYXTabStop& stop = tabs->Items(t);
            x.Tag("w:tab").Attr("w:val", cAlign[std::clamp(static_cast<int>(stop.Alignment), 0, 5)]);
            if (stop.Leader != atslNone)
                x.Attr("w:leader", cLeader[std::clamp(static_cast<int>(stop.Leader), 0, 5)]);
            x.Attr("w:pos", Twips(stop.Position)).Empty();
        }
        x.End("w:tabs");
    }
    {
        const bool before = papx.GetValue(vypiSpaceBefore, d);
        const double vBefore = d;
        const bool after = papx.GetValue(vypiSpaceAfter, d);
        const double vAfter = d;
        double line = 0;
        const bool hasLine = papx.GetValue(vypiLineSpacing, line);
        std::int32_t type = aplstMultiple;
        const bool hasType = papx.GetValue(vypiLineSpacingType, type);
        if (before || after || hasLine || hasType) {
            x.Tag("w:spacing");
            if (before)
                x.Attr("w:before", Twips(vBefore));
            if (after)
                x.Attr("w:after", Twips(vAfter));
            if (hasLine || hasType) {
                if (!hasLine)
                    line = papx.GetLineSpacing();
                if (type == aplstExactly || type == aplstAtLeast) {
                    x.Attr("w:line", Twips(line)).Attr("w:lineRule", type == aplstExactly ? "exact" : "atLeast");
                } else {
                    const double factor = type == aplst1_5Lines ? 1.5 : type == aplstDouble ? 2.0 : type == aplstSingle ? 1.0 : line;
                    x.Attr("w:line", Round(factor * 240)).Attr("w:lineRule", "auto");
                }
            }
            x.Empty();
        }
    }
    {
        const std::pair<TVYXPapId, std::string_view> ind[] = {
            {vypiIndentLeft, "w:left"}, {vypiIndentRight, "w:right"}, {vypiIndentHanging, "w:hanging"},
            {vypiIndentFirstLine, "w:firstLine"}};
        bool any = false;
        for (const auto& [id, name] : ind)
            any = any || papx.Assigned(id);
        if (any) {
            x.Tag("w:ind");
            for (const auto& [id, name] : ind)
                if (papx.GetValue(id, d))
                    x.Attr(name, Twips(d));
            x.Empty();
        }
    }
    if (papx.GetValue(vypiContextualSpacing, b))
        x.OnOff("w:contextualSpacing", b);
    if (papx.GetValue(vypiAlignment, i)) {
        static constexpr std::string_view cJc[] = {"left", "center", "right", "both"};
        x.Val("w:jc", cJc[std::clamp(i, 0, 3)]);
    }
    if (papx.GetValue(vypiOutlineLevel, i))
        x.Val("w:outlineLvl", std::clamp(i, 0, 9));
    if (markRPr)
        CHPX(x, papx.CHPX());
    if (sep)
        SEP(x, *sep, false);
    if (const auto* rev = dynamic_cast<const TVYXRevisionDataPAPX*>(papx.GetRevision()); rev && rev->PAPX()) {
        RevisionAttrs(x.Tag("w:pPrChange"), *rev);
        x.Open();
        // The former properties without mark format or section: the schema's base type.
        const std::size_t at = x.Out.size();
        PAPX(x, *rev->PAPX(), nullptr, false);
        if (x.Out.size() == at)
            x.Tag("w:pPr").Empty();
        x.End("w:pPrChange");
    }
    if (x.Out.size() == inner) {
        x.Out.resize(mark);
        return;
    }
    x.End("w:pPr");
}

}  // namespace vyx_docxw
