// VYXReadDOCXProps.cpp: the DOCX reader's run, paragraph, border and section properties.
#include "formats/VYXReadDOCXImpl.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXDocxValueNames.h"
#include "formats/VYXReadWriteOPC5.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

namespace vyx_docx {

// "RRGGBB" to 0x00RRGGBB; "auto" and bad text give nothing.
bool ParseHexColor(std::string_view s, TVYXColor& color)
{
    if (s.size() != 6)
        return false;
    unsigned v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + 6, v, 16);
    if (ec != std::errc() || p != s.data() + 6)
        return false;
    color = v;
    return true;
}

// ISO 8601 date-time ("2024-03-01T10:20:30Z") to days since 1899-12-30; 0 when unreadable.
double ParseDateTime(std::string_view s)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, se = 0;
    auto num = [&](std::size_t pos, std::size_t len, int& out) {
        if (s.size() < pos + len)
            return false;
        auto [p, ec] = std::from_chars(s.data() + pos, s.data() + pos + len, out);
        return ec == std::errc() && p == s.data() + pos + len;
    };
    if (!num(0, 4, y) || !num(5, 2, mo) || !num(8, 2, d) || mo < 1 || mo > 12 || d < 1 || d > 31)
        return 0;
    if (s.size() >= 19) {
        num(11, 2, h);
        num(14, 2, mi);
        num(17, 2, se);
    }
    // Days from civil (proleptic Gregorian), then shifted to the 1899-12-30 epoch.
    const int yy = y - (mo <= 2 ? 1 : 0);
    const int era = (yy >= 0 ? yy : yy - 399) / 400;
    const int yoe = yy - era * 400;
    const int doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long days = static_cast<long long>(era) * 146097 + doe - 719468;  // since 1970-01-01
    return static_cast<double>(days + 25569) + (h * 3600 + mi * 60 + se) / 86400.0;
}

// The side a cell border element stands for (start and end as left and right);
// false for another element.
bool CellBorderSide(TDocxElement elem, TVYXTableBorderSide& side)
{
    switch (elem) {
    case dxeLeft:
    case dxeStart: side = atbsLeft; return true;
    case dxeTop: side = atbsTop; return true;
    case dxeRight:
    case dxeEnd: side = atbsRight; return true;
    case dxeBottom: side = atbsBottom; return true;
    default: return false;
    }
}

}  // namespace vyx_docx

namespace {

constexpr std::array<std::string_view, 16> cHtmlColorNames = {
    "black", "silver", "gray", "white", "maroon", "red", "purple", "fuchsia", "green", "lime", "olive",
    "yellow", "navy", "blue", "teal", "aqua"};
constexpr std::array<TVYXColor, 16> cHtmlColorValues = {
    0x000000, 0xC0C0C0, 0x808080, 0xFFFFFF, 0x800000, 0xFF0000, 0x800080, 0xFF00FF, 0x008000, 0x00FF00,
    0x808000, 0xFFFF00, 0x000080, 0x0000FF, 0x008080, 0x00FFFF};

bool ParseColor(std::string_view s, TVYXColor& color)
{
    if (ParseHexColor(s, color))
        return true;
    const int i = IndexOf(cHtmlColorNames, s, -1);
    if (i < 0)
        return false;
    color = cHtmlColorValues[static_cast<std::size_t>(i)];
    return true;
}

}  // namespace

void TVYXReadDOCX::TImpl::DoCHPX(const TDxTree& t, const TDxNode& rPr, TVYXCHPX& chpx)
{
    for (const TDxNode* c = t.Child(rPr); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxeB: chpx.SetBold(t.OnOff(n)); break;
        case dxeI: chpx.SetItalic(t.OnOff(n)); break;
        case dxeStrike: chpx.SetStrikeThrough(t.OnOff(n)); break;
        case dxeVanish: chpx.SetHidden(t.OnOff(n)); break;
        case dxeShadow: chpx.SetShadow(t.OnOff(n)); break;
        case dxeOutline: chpx.SetOutline(t.OnOff(n)); break;
        case dxeEmboss: chpx.SetEmboss(t.OnOff(n)); break;
        case dxeImprint: chpx.SetEngrave(t.OnOff(n)); break;
        case dxeSmallCaps: chpx.SetSmallCaps(t.OnOff(n)); break;
        case dxeCaps: chpx.SetAllCaps(t.OnOff(n)); break;
        case dxeRtl: chpx.SetRTL(t.OnOff(n)); break;
        case dxeSz:
            if (const long long v = t.Int(n, "val", -1); v > 0 && v < 32768)
                chpx.SetSize(static_cast<double>(v) / 2.0);
            break;
        case dxeColor: {
            TVYXColor color = 0;
            if (ParseColor(t.Value(n, "val"), color))
                chpx.SetColor(color);
            break;
        }
        case dxeShd: {
            TVYXColor color = 0;
            if (ParseHexColor(t.Value(n, "fill"), color))
                chpx.SetFillColor(color);
            break;
        }
        case dxeHighlight: {
            const int i = IndexOf(cHighlightNames, t.Value(n, "val"), -1);
            if (i >= 0 && i != ahcNone)
                chpx.SetHighlightColor(static_cast<TVYXHighlighColor>(i));
            break;
        }
        case dxeU: {
            const int i = IndexOf(cUnderlineNames, t.Value(n, "val", "single"), 1);
            chpx.SetUnderline(static_cast<TVYXChpUnderline>(i));
            TVYXColor color = 0;
            if (ParseHexColor(t.Value(n, "color"), color))
                chpx.SetUnderlineColor(color);
            break;
        }
        case dxeVertAlign: {
            const std::string v = t.Value(n, "val");
            chpx.SetSubSuperscript(v == "superscript" ? vycssSuperscript : v == "subscript" ? vycssSubscript : vycssNone);
            break;
        }
        case dxeRStyle:
            if (auto* style = dynamic_cast<TVYXCharStyle*>(FDoc.Styles().Find(t.Value16(n, "val"))))
                chpx.SetStyle(style);
            break;
        case dxeRFonts: {
            std::u16string ascii = t.Value16(n, "ascii");
            if (ascii.empty() && t.Has(n, "asciiTheme"))
                ascii = ThemeFont(t.Value(n, "asciiTheme"));
            std::u16string hAnsi = t.Value16(n, "hAnsi");
            if (hAnsi.empty() && t.Has(n, "hAnsiTheme"))
                hAnsi = ThemeFont(t.Value(n, "hAnsiTheme"));
            if (!ascii.empty()) {
                chpx.SetFontName(ascii);
                chpx.SetAscii(ascii);
            } else if (!hAnsi.empty()) {
                chpx.SetFontName(hAnsi);
            }
            if (!hAnsi.empty())
                chpx.SethAnsi(hAnsi);
            if (std::u16string ea = t.Value16(n, "eastAsia"); !ea.empty())
                chpx.SetEastAsia(ea);
            break;
        }
        case dxeBdr: DoBorder(t, n, *chpx.AddBorder()); break;
        case dxeRPrChange: {
            // A tracked format change: the run's properties before it.
            auto data = std::make_unique<TVYXRevisionDataCHPX>();
            data->RevType = artFormatCHPX;
            data->Author = t.Value16(n, "author");
            data->Date = ParseDateTime(t.Value(n, "date"));
            data->Id = static_cast<std::int32_t>(std::clamp(t.Int(n, "id", -1), -1LL, 0x7FFFFFFFLL));
            TVYXCHPX* former = data->AddCHPX(&FDoc.GetMasterCHP());
            if (const TDxNode* old = t.Find(n, dxeRPr))
                DoCHPX(t, *old, *former);
            former->RemoveRevision();
            chpx.AddRevision(std::move(data));
            break;
        }
        default: break;
        }
    }
}

void TVYXReadDOCX::TImpl::DoBorder(const TDxTree& t, const TDxNode& n, TVYXDocPropBorder& border)
{
    TVYXColor color = cVYXAutoColor;
    ParseHexColor(t.Value(n, "color"), color);
    const TST_Border style = StBorderFromName(t.Value(n, "val", "none")).value_or(stbSingle);
    // Border widths are in eighths of a point, spaces in points.
    border.SetVals(static_cast<double>(std::clamp(t.Int(n, "sz", 4), 0LL, 1000LL)) / 8.0, color, style,
                   static_cast<double>(std::clamp(t.Int(n, "space", 0), 0LL, 1000LL)));
}

void TVYXReadDOCX::TImpl::DoPAPX(const TDxTree& t, const TDxNode& pPr, TVYXPAPX& papx)
{
    for (const TDxNode* c = t.Child(pPr); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxePStyle:
            if (auto* style = dynamic_cast<TVYXParaStyle*>(FDoc.Styles().Find(t.Value16(n, "val"))))
                papx.SetStyle(style);
            break;
        case dxeKeepNext: papx.SetKeepNext(t.OnOff(n)); break;
        case dxeKeepLines: papx.SetKeepLines(t.OnOff(n)); break;
        case dxeWidowControl: papx.SetWidowControl(t.OnOff(n)); break;
        case dxeContextualSpacing: papx.SetContextualSpacing(t.OnOff(n)); break;
        case dxeOutlineLvl: papx.SetOutlineLevel(static_cast<std::int32_t>(std::clamp(t.Int(n, "val", 0), 0LL, 9LL))); break;
        case dxeJc: {
            const std::string v = t.Value(n, "val");
            TVYXPapTextAlign a = vyptaLeft;
            if (v == "center")
                a = vyptaCenter;
            else if (v == "right" || v == "end")
                a = vyptaRight;
            else if (v == "both" || v == "distribute")
                a = vyptaJustify;
            papx.SetAlignment(a);
            break;
        }
        case dxeInd:
            if (t.Has(n, "left") || t.Has(n, "start"))
                papx.SetIndentLeft(Twips(t.Int(n, t.Has(n, "left") ? "left" : "start")));
            if (t.Has(n, "right") || t.Has(n, "end"))
                papx.SetIndentRight(Twips(t.Int(n, t.Has(n, "right") ? "right" : "end")));
            if (t.Has(n, "firstLine"))
                papx.SetIndentFirstLine(Twips(t.Int(n, "firstLine")));
            if (t.Has(n, "hanging"))
                papx.SetIndentHanging(Twips(t.Int(n, "hanging")));
            break;
        case dxeSpacing:
            if (t.Has(n, "before"))
                papx.SetSpaceBefore(Twips(t.Int(n, "before")));
            if (t.Has(n, "after"))
                papx.SetSpaceAfter(Twips(t.Int(n, "after")));
            if (t.Has(n, "line")) {
                const std::string rule = t.Value(n, "lineRule", "auto");
                const double line = static_cast<double>(t.Int(n, "line", 240));
                if (rule == "exact") {
                    papx.SetLineSpacingType(aplstExactly);
                    papx.SetLineSpacing(line / 20.0);
                } else if (rule == "atLeast") {
                    papx.SetLineSpacingType(aplstAtLeast);
                    papx.SetLineSpacing(line / 20.0);
                } else {
                    papx.SetLineSpacingType(aplstMultiple);
                    papx.SetLineSpacing(line / 240.0);
                }
            }
            break;
        case dxeShd: {
            TVYXColor color = 0;
            if (ParseHexColor(t.Value(n, "fill"), color))
                papx.SetColor(color);
            break;
        }
        case dxeNumPr: {
            const TDxNode* id = t.Find(n, dxeNumId);
            const TDxNode* lvl = t.Find(n, dxeIlvl);
            if (!id)
                break;
            const long long numId = t.Int(*id, "val", 0);
            const long long level = lvl ? std::clamp(t.Int(*lvl, "val", 0), 0LL, 8LL) : 0;
            if (numId <= 0 || numId > 0x7FFFFFFF) {
                papx.Remove(vypiNumbering);
                break;
            }
            if (TVYXNumbering* num = FDoc.Numberings().Find(static_cast<std::int32_t>(numId - 1), static_cast<std::int32_t>(level)))
                papx.SetNumbering(num);
            break;
        }
        case dxePBdr:
            for (const TDxNode* b = t.Child(n); b; b = t.Next(*b)) {
                if (b->Elem == dxeLeft || b->Elem == dxeStart)
                    DoBorder(t, *b, *papx.AddBorderLeft());
                else if (b->Elem == dxeTop)
                    DoBorder(t, *b, *papx.AddBorderTop());
                else if (b->Elem == dxeRight || b->Elem == dxeEnd)
                    DoBorder(t, *b, *papx.AddBorderRight());
                else if (b->Elem == dxeBottom)
                    DoBorder(t, *b, *papx.AddBorderBottom());
            }
            break;
        case dxeTabs: {
            TVYXTabStops* stops = nullptr;  // made for the first stop the model keeps
            for (const TDxNode* tab = t.Child(n); tab; tab = t.Next(*tab)) {
                if (tab->Elem != dxeTab)
                    continue;
                const std::string v = t.Value(*tab, "val");
                TVYXTabStopAlignment a = atsaLeft;
                if (v == "bar")
                    continue;
                if (v == "clear")
                    a = atsaClear;
                else if (v == "center")
                    a = atsaCenter;
                else if (v == "right" || v == "end")
                    a = atsaRight;
                else if (v == "decimal")
                    a = atsaDecimal;
                else if (v == "num")
                    a = atsaNum;
                const std::string l = t.Value(*tab, "leader");
                TVYXTabStopLeader leader = atslNone;
                if (l == "dot")
                    leader = atslDot;
                else if (l == "hyphen")
                    leader = atslHyphen;
                else if (l == "underscore")
                    leader = atslUnderscore;
                else if (l == "heavy")
                    leader = atslHeavy;
                else if (l == "middleDot")
                    leader = atslMiddleDot;
                if (!stops)
                    stops = papx.AddTabStops(&FDoc.DOP());
                stops->Add(Twips(t.Int(*tab, "pos")), a, leader);
            }
            break;
        }
        case dxeRPr: DoCHPX(t, n, *papx.AddCHPX(&FDoc.GetMasterCHP())); break;
        case dxePPrChange: {
            auto data = std::make_unique<TVYXRevisionDataPAPX>();
            data->RevType = artFormatPAPX;
            data->Author = t.Value16(n, "author");
            data->Date = ParseDateTime(t.Value(n, "date"));
            data->Id = static_cast<std::int32_t>(std::clamp(t.Int(n, "id", -1), -1LL, 0x7FFFFFFFLL));
            TVYXPAPX* former = data->AddPAPX(&FDoc.GetMasterPAP());
            if (const TDxNode* old = t.Find(n, dxePPr))
                DoPAPX(t, *old, *former);
            former->RemoveRevision();
            former->DeleteCHPX();
            papx.AddRevision(std::move(data));
            break;
        }
        default: break;
        }
    }
}

void TVYXReadDOCX::TImpl::DoSEP(const TDxTree& t, const TDxNode& sectPr, TVYXSEP& sep)
{
    for (const TDxNode* c = t.Child(sectPr); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxePgSz: {
            const double w = Twips(t.Int(n, "w", 0)), h = Twips(t.Int(n, "h", 0));
            if (w > 0)
                sep.PageWidth = w;
            if (h > 0)
                sep.PageHeight = h;
            break;
        }
        case dxePgMar:
            if (t.Has(n, "top"))
                sep.MargTop = std::abs(Twips(t.Int(n, "top")));
            if (t.Has(n, "bottom"))
                sep.MargBottom = std::abs(Twips(t.Int(n, "bottom")));
            if (t.Has(n, "left"))
                sep.MargLeft = Twips(t.Int(n, "left"));
            if (t.Has(n, "right"))
                sep.MargRight = Twips(t.Int(n, "right"));
            if (t.Has(n, "header"))
                sep.MargHeader = Twips(t.Int(n, "header"));
            if (t.Has(n, "footer"))
                sep.MargFooter = Twips(t.Int(n, "footer"));
            if (t.Has(n, "gutter"))
                sep.Gutter = Twips(t.Int(n, "gutter"));
            break;
        case dxeCols: {
            sep.ClearCols();
            const double space = Twips(t.Int(n, "space", 720));
            int explicitCols = 0;
            for (const TDxNode* col = t.Child(n); col; col = t.Next(*col))
                if (col->Elem == dxeCol && explicitCols < 64) {
                    sep.Cols.Add(Twips(t.Int(*col, "w")), Twips(t.Int(*col, "space")));
                    ++explicitCols;
                }
            const long long num = t.Int(n, "num", 1);
            if (explicitCols == 0 && num > 1)
                sep.AddCols(static_cast<int>(std::min(num, 64LL)), space);
            break;
        }
        case dxeType: {
            const std::string v = t.Value(n, "val");
            sep.Type = v == "continuous" ? astContinous
                       : v == "nextColumn" ? astNextColumn
                       : v == "evenPage"   ? astEvenPage
                       : v == "oddPage"    ? astOddPage
                                           : astNextPage;
            break;
        }
        case dxeTitlePg: sep.TitlePg = t.OnOff(n); break;
        case dxeBidi: sep.BiDi = t.OnOff(n); break;
        default: break;
        }
    }
}
