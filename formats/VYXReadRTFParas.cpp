// VYXReadRTFParas.cpp: the RTF reader's paragraphs and runs: formats into the model.
#include "formats/VYXReadRTFImpl.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "editing/VYXLogEditor.h"
#include "formats/VYXListNumberFormat.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"
#include "platform/VYXErrors.h"
#include "platform/VYXStream.h"

namespace vyx_rtf {

namespace {

// A packed date and time (minutes, hours, day, month, years since 1900 in 6, 5, 5,
// 4 and 9 bits) as days since 1899-12-30; 0 when it is not a date.
double DttmToDate(std::int32_t dttm)
{
    const auto u = static_cast<std::uint32_t>(dttm);
    const int minute = static_cast<int>(u & 63), hour = static_cast<int>((u >> 6) & 31);
    const int day = static_cast<int>((u >> 11) & 31), month = static_cast<int>((u >> 16) & 15);
    const int year = 1900 + static_cast<int>((u >> 20) & 511);
    if (day < 1 || month < 1 || month > 12)
        return 0;
    // Days from the civil date (proleptic Gregorian), then shifted to the 1899-12-30 epoch.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = y / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days = era * 146097L + doe - 719468L;  // since 1970-01-01
    return static_cast<double>(days + 25569) + (hour * 60 + minute) / 1440.0;
}

}  // namespace

// ---- Model building ----

TVYXColor TRtfParser::ColorAt(std::int32_t index) const
{
    if (index < 0 || index >= static_cast<std::int32_t>(FColors.size()))
        return cVYXAutoColor;
    return FColors[static_cast<std::size_t>(index)];
}

const TVYXCHPX& TRtfParser::RunFormat()
{
    const TCharState& c = Cur().Chp;
    if (FRunFormat && c == FRunFormatOf && !c.Border)
        return *FRunFormat;
    auto chpx = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
    if (c.Bold) chpx->SetBold(true);
    if (c.Italic) chpx->SetItalic(true);
    if (c.Strike) chpx->SetStrikeThrough(true);
    if (c.Hidden) chpx->SetHidden(true);
    if (c.Caps) chpx->SetAllCaps(true);
    if (c.SmallCaps) chpx->SetSmallCaps(true);
    if (c.Outline) chpx->SetOutline(true);
    if (c.Shadow) chpx->SetShadow(true);
    if (c.Emboss) chpx->SetEmboss(true);
    if (c.Engrave) chpx->SetEngrave(true);
    if (c.Rtl) chpx->SetRTL(true);
    if (c.Underline != vycuNone)
        chpx->SetUnderline(static_cast<TVYXChpUnderline>(c.Underline));
    if (c.Script != vycssNone)
        chpx->SetSubSuperscript(static_cast<TVYXChpSubSuperscript>(c.Script));
    if (const TVYXColor col = ColorAt(c.Color); col != cVYXAutoColor)
        chpx->SetColor(col);
    if (const TVYXColor col = ColorAt(c.UnderlineColor); col != cVYXAutoColor)
        chpx->SetUnderlineColor(col);
    if (const TVYXColor col = ColorAt(c.Fill); col != cVYXAutoColor)
        chpx->SetFillColor(col);
    if (c.Size > 0 && std::abs(c.Size / 2.0 - FDoc.GetMasterCHP().Size) > 0.001)
        chpx->SetSize(c.Size / 2.0);
    const std::int32_t font = c.Font >= 0 ? c.Font : FDefaultFont;
    if (font >= 0)
        if (auto it = FFonts.find(font);
            it != FFonts.end() && !it->second.Name.empty() && it->second.Name != FDoc.GetMasterCHP().FontName)
            chpx->SetFontName(it->second.Name);
    if (c.Style >= 0)
        if (auto it = FCharStyles.find(c.Style); it != FCharStyles.end())
            chpx->SetStyle(it->second);
    if (c.Border && FCharBorder.Style > stbNone) {
        TVYXDocPropBorder* b = chpx->AddBorder();
        b->SetVals(FCharBorder.Width / 20.0, ColorAt(FCharBorder.Color) == cVYXAutoColor ? 0 : ColorAt(FCharBorder.Color),
                   stbSingle, FCharBorder.Space / 20.0);
    }
    FRunFormat = std::move(chpx);
    FRunFormatOf = c;
    return *FRunFormat;
}

TVYXLogParas* TRtfParser::Container(TTarget& t)
{
    if (!t.Paras)
        MakeNote();
    if (!t.Paras)
        return nullptr;
    const TParaState& p = Cur().Pap;
    EnsureTableDepth(t, p.InTable ? std::max(1, p.Itap) : 0);
    if (t.Tables.empty())
        return t.Paras;
    return &EnsureCell(t.Tables.back())->Paras();
}

TVYXLogPara* TRtfParser::CurrentPara()
{
    TTarget& t = Target();
    TVYXLogParas* into = Container(t);
    if (!into)
        return nullptr;
    if (t.Para && !t.ParaEnded && t.Para->Paras() == into && into->Last() == t.Para)
        return t.Para;
    // A new cell comes with one empty paragraph, and a nested table is followed by
    // one: the cell's text continues there.
    TVYXLogPara* para = nullptr;
    if (into->Cell() && into->Last() && into->Last()->IsPara() && t.Para != into->Last() &&
        (into->Count() == 1 || into->GetItems(into->Count() - 2)->IsTable()))
        if (TVYXLogPara* last = static_cast<TVYXLogPara*>(into->Last()); last->TextLength() == 0 && last->Count() <= 1)
            para = last;
    if (!para)
        para = into->AppendPara();
    // A new paragraph copies its predecessor's format (as after Enter); RTF states every format itself.
    para->PAPX().Clear();
    if (TVYXCharRun* first = para->CRFirst(); first && first->Text().empty())
        first->DeleteCHPX();
    t.Para = para;
    t.ParaEnded = false;
    ApplyParaProps(*para);
    return para;
}

void TRtfParser::ApplyParaProps(TVYXLogPara& para)
{
    const TParaState& p = Cur().Pap;
    TVYXPAPX& x = para.PAPX();
    if (p.Align >= 0)
        x.SetAlignment(static_cast<TVYXPapTextAlign>(p.Align));
    if (p.Left != 0)
        x.SetIndentLeft(Pt(p.Left));
    if (p.Right != 0)
        x.SetIndentRight(Pt(p.Right));
    if (p.First > 0)
        x.SetIndentFirstLine(Pt(p.First));
    else if (p.First < 0)
        x.SetIndentHanging(Pt(-p.First));
    if (p.Before != 0)
        x.SetSpaceBefore(Pt(p.Before));
    if (p.After != 0)
        x.SetSpaceAfter(Pt(p.After));
    if (p.LineSpacing != 0) {
        // A multiple counts in 240ths of a line; exact and at-least heights are twips,
        // which the model keeps in points.
        const bool multiple = p.LineSpacing > 0 && p.LineMult;
        x.SetLineSpacing(std::abs(p.LineSpacing) / (multiple ? 240.0 : 20.0));
        x.SetLineSpacingType(p.LineSpacing < 0 ? aplstExactly : (multiple ? aplstMultiple : aplstAtLeast));
    }
    if (const TVYXColor c = ColorAt(p.Shade); c != cVYXAutoColor)
        x.SetColor(c);
    if (p.KeepNext)
        x.SetKeepNext(true);
    if (p.KeepLines)
        x.SetKeepLines(true);
    if (p.Widow >= 0)
        x.SetWidowControl(p.Widow == 1);
    if (p.Outline >= 0)
        x.SetOutlineLevel(p.Outline);
    if (!p.Tabs.empty()) {
        TVYXTabStops* tabs = x.AddTabStops();
        tabs->Clear();
        for (const TTabDef& tab : p.Tabs)
            tabs->Add(Pt(tab.Pos), static_cast<TVYXTabStopAlignment>(tab.Align), static_cast<TVYXTabStopLeader>(tab.Leader));
    }
    for (int side = 0; side < 4; ++side) {
        const TBorderDef& b = p.Borders[static_cast<std::size_t>(side)];
        if (b.Style < 0)
            continue;
        TVYXDocPropBorder* border = nullptr;
        switch (side) {
        case 0: border = x.AddBorderLeft(); break;
        case 1: border = x.AddBorderTop(); break;
        case 2: border = x.AddBorderRight(); break;
        default: border = x.AddBorderBottom(); break;
        }
        const TVYXColor c = ColorAt(b.Color);
        border->SetVals(b.Width / 20.0, c == cVYXAutoColor ? 0 : c, static_cast<TST_Border>(b.Style <= 1 ? stbNone : b.Style),
                        b.Space / 20.0);
    }
    if (p.HasFrame && !para.Frame())
        para.AddFrame() = p.Frame;
    // Lists: each \ls starts one list the first time it is used.
    // Old-style "\pn" paragraphs share one bullet list and one numbered list.
    const std::int32_t listKey = p.List > 0 ? p.List : (p.LegacyNfc < 0 ? 0 : (p.LegacyNfc == 23 ? -1 : -2));
    if (listKey != 0 && !x.GetNumbering()) {
        auto it = FListStarts.find(listKey);
        if (it == FListStarts.end()) {
            std::int32_t nfc = p.List > 0 ? 23 : p.LegacyNfc;
            if (auto o = FOverrides.find(p.List); p.List > 0 && o != FOverrides.end())
                for (const TListDef& l : FLists)
                    if (l.Id == o->second && !l.Nfc.empty())
                        nfc = l.Nfc[std::min<std::size_t>(static_cast<std::size_t>(p.Level), l.Nfc.size() - 1)];
            const TVYXNumberingStyleType style = VYXNumberingStyleOfNfc(nfc);
            TVYXNumbering* first = style == anstBullet || style == anstNone ? para.BeginBullet() : para.BeginNumbering(style);
            if (first)
                it = FListStarts.emplace(listKey, first).first;
        }
        if (it != FListStarts.end() && it->second && it->second->NumList()) {
            if (TVYXNumbering* level = it->second->NumList()->GetItems(p.Level)) {
                x.SetNumbering(level);
                para.UseStyle(u"ListParagraph");
            }
        }
    }
}

void TRtfParser::EndPara()
{
    TVYXLogPara* para = CurrentPara();
    if (!para)
        return;
    ApplyParaProps(*para);
    Target().ParaEnded = true;
}

void TRtfParser::AddText(std::u16string_view text)
{
    // A tab character (raw or \u9) is a tab, as \tab is.
    for (std::size_t tab = text.find(u'\t'); tab != std::u16string_view::npos; tab = text.find(u'\t')) {
        if (tab > 0)
            AddRunText(text.substr(0, tab));
        if (TVYXLogPara* para = CurrentPara())
            para->CharRuns().AddTab(&RunFormat());
        text.remove_prefix(tab + 1);
    }
    if (!text.empty())
        AddRunText(text);
}

void TRtfParser::AddRunText(std::u16string_view text)
{
    TVYXLogPara* para = CurrentPara();
    if (!para)
        return;
    const TVYXCHPX& format = RunFormat();
    TVYXCharRun* run = nullptr;
    if (FFields.size() > Target().FieldBase && FFields.back().InResult) {
        TField& f = FFields.back();
        if (f.Mode == fmHyperlink && f.Link) {
            run = para->CharRuns().AddHyperlink(f.Link, text, &format);
            if (!f.FirstRun) {
                f.FirstRun = run;
                static_cast<TVYXCharRunHyperlink*>(run)->HLinkFirst = true;
            }
            f.LastRun = run;
        } else if (f.Mode == fmSimple && !f.SimpleDone) {
            f.SimpleDone = true;
            run = para->CharRuns().AddSimpleField(CreateSimpleField(f.Instr), text, &format);
        }
    }
    if (!run)
        run = para->AppendFormattedText(text, &format);
    const TCharState& c = Cur().Chp;
    if (c.Revised || c.Deleted) {
        auto data = std::make_unique<TVYXRevisionData>();
        data->RevType = c.Deleted ? artDelete : artInsert;
        data->Id = c.RevAuthor;
        if (c.RevAuthor >= 0 && c.RevAuthor < static_cast<std::int32_t>(FRevAuthors.size()))
            data->Author = FRevAuthors[static_cast<std::size_t>(c.RevAuthor)];
        data->Date = DttmToDate(c.RevDate);
        run->AddRevision(std::move(data));
    }
}

void TRtfParser::AddBreak(TVYXCharRunBreakType type)
{
    if (TVYXLogPara* para = CurrentPara())
        para->CharRuns().AddBreak(type, &RunFormat());
}

}  // namespace vyx_rtf
