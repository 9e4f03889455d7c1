// VYXReadRTFProps.cpp: the RTF reader's character, paragraph, section, table and document keywords.
#include "formats/VYXReadRTFImpl.h"

#include <algorithm>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTFTable.h"
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
#include "platform/VYXCodePage.h"
#include "platform/VYXErrors.h"
#include "platform/VYXStream.h"

namespace vyx_rtf {

namespace {

// The 22-byte header that makes a bare Windows metafile a placeable one.
std::string PlaceableHeader()
{
    const std::uint16_t words[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 0, 0, 96, 0, 0};
    std::uint16_t sum = 0;
    for (std::uint16_t w : words)
        sum ^= w;
    std::string out;
    for (std::uint16_t w : words)
        out += static_cast<char>(w & 0xFF), out += static_cast<char>(w >> 8);
    out += static_cast<char>(sum & 0xFF), out += static_cast<char>(sum >> 8);
    return out;
}

}  // namespace

// ---- Properties ----

void TRtfParser::CharProp(TRtfAction a, std::int32_t v)
{
    TState& s = Cur();
    if (s.Class != dcText && s.Class != dcFonts && s.Class != dcStyles && s.Class != dcString)
        return;
    if (s.Class == dcStyles && a == rtfpCharStyle) {
        FStyleEntry.Kind = rtfpCharStyle;
        FStyleEntry.Number = v;
        return;
    }
    if (s.Class == dcFonts) {
        if (a == rtfpFont) {
            FlushText();
            FFontEntry = v;
            FFonts[v] = TFont();
        }
        return;
    }
    if (s.Class == dcText)
        FlushText();
    TCharState& c = s.Chp;
    const bool on = v != 0;
    switch (a) {
    case rtfpBold: c.Bold = on; break;
    case rtfpItalic: c.Italic = on; break;
    case rtfpStrike: c.Strike = on; break;
    case rtfpHidden: c.Hidden = on; break;
    case rtfpCaps: c.Caps = on; break;
    case rtfpSmallCaps: c.SmallCaps = on; break;
    case rtfpOutline: c.Outline = on; break;
    case rtfpShadow: c.Shadow = on; break;
    case rtfpEmboss: c.Emboss = on; break;
    case rtfpEngrave: c.Engrave = on; break;
    case rtfpRtl: c.Rtl = on; break;
    case rtfpUnderline: c.Underline = static_cast<std::uint8_t>(v >= 0 && v <= vycuWavyDouble ? v : vycuSingle); break;
    case rtfpUnderlineColor: c.UnderlineColor = v; break;
    case rtfpColor: c.Color = v; break;
    case rtfpFill: c.Fill = v; break;
    case rtfpScript: c.Script = static_cast<std::uint8_t>(std::clamp(v, 0, 2)); break;
    case rtfpFontSize: c.Size = std::clamp(v, 0, 3276); break;
    case rtfpFont: c.Font = v; break;
    case rtfpCharStyle: c.Style = v; break;
    case rtfpPlain: {
        c = TCharState();
        break;
    }
    case rtfpCharBorder:
        c.Border = true;
        FCharBorder = TBorderDef();
        FCharBorder.Style = stbSingle;
        FBorderTarget = btChar;
        break;
    default:
        break;
    }
}

void TRtfParser::ParaProp(TRtfAction a, std::int32_t v)
{
    TState& s = Cur();
    // Style sheet entries collect paragraph formats for \sN.
    if (s.Class != dcText && s.Class != dcStyles) {
        // In the list override table \ls numbers the override being read.
        if (a == rtfpList && s.Dest == rtfdListTable && FInOverride)
            FOverrides[v] = FOverrideId;
        return;
    }
    if (s.Class == dcStyles && FStyleEntry.Words.size() < cMaxStyleWords)
        FStyleEntry.Words.push_back({a, v});
    ApplyPara(s.Pap, a, v);
}

void TRtfParser::ApplyPara(TParaState& p, TRtfAction a, std::int32_t v)
{
    switch (a) {
    case rtfpPard: {
        FlushText();
        p = TParaState();
        FBorderTarget = btNone;
        break;
    }
    case rtfpAlign: p.Align = std::clamp(v, 0, 3); break;
    case rtfpIndentLeft: p.Left = ClampTwips(v); break;
    case rtfpIndentRight: p.Right = ClampTwips(v); break;
    case rtfpIndentFirst: p.First = ClampTwips(v); break;
    case rtfpSpaceBefore: p.Before = ClampTwips(v); break;
    case rtfpSpaceAfter: p.After = ClampTwips(v); break;
    case rtfpLineSpacing: p.LineSpacing = ClampTwips(v); break;
    case rtfpLineMult: p.LineMult = v != 0; break;
    case rtfpParaColor: p.Shade = v; break;
    case rtfpKeepNext: p.KeepNext = v != 0; break;
    case rtfpKeepLines: p.KeepLines = v != 0; break;
    case rtfpWidowControl: p.Widow = v != 0 ? 1 : 0; break;
    case rtfpOutlineLevel: p.Outline = std::clamp(v, 0, 9); break;
    case rtfpTabPos:
        if (static_cast<int>(p.Tabs.size()) < cMaxTabs && v >= 0)
            p.Tabs.push_back({ClampTwips(v), p.TabAlign, p.TabLeader});
        p.TabAlign = atsaLeft;
        p.TabLeader = atslNone;
        break;
    case rtfpTabAlign: p.TabAlign = static_cast<std::uint8_t>(v); break;
    case rtfpTabLeader: p.TabLeader = static_cast<std::uint8_t>(v); break;
    case rtfpParaBorder:
        p.Borders[static_cast<std::size_t>(v & 3)] = TBorderDef();
        p.Borders[static_cast<std::size_t>(v & 3)].Style = stbSingle;
        FBorderTarget = btPara;
        FBorderSide = v & 3;
        break;
    case rtfpBorderStyle:
        if (TBorderDef* b = CurrentBorder(p))
            b->Style = v;
        break;
    case rtfpBorderWidth:
        if (TBorderDef* b = CurrentBorder(p))
            b->Width = std::clamp(v, 0, 20 * 100);
        break;
    case rtfpBorderColor:
        if (TBorderDef* b = CurrentBorder(p))
            b->Color = v;
        break;
    case rtfpBorderSpace:
        if (TBorderDef* b = CurrentBorder(p))
            b->Space = std::clamp(v, 0, 20 * 100);
        break;
    case rtfpInTable:
        FlushText();
        p.InTable = true;
        break;
    case rtfpTableLevel:
        FlushText();
        p.Itap = std::clamp(v, 0, cMaxTableDepth);
        p.InTable = p.Itap > 0;
        break;
    case rtfpList: p.List = v; break;
    case rtfpListLevel: p.Level = std::clamp(v, 0, 8); break;
    default:
        break;
    }
}

TBorderDef* TRtfParser::CurrentBorder(TParaState& p)
{
    switch (FBorderTarget) {
    case btPara:
        return &p.Borders[static_cast<std::size_t>(FBorderSide)];
    case btCell:
        if (static_cast<int>(FRowDefs.size()) > FRowDefLevel)
            return &FRowDefs[static_cast<std::size_t>(FRowDefLevel)].Pending.Borders[static_cast<std::size_t>(FBorderSide)];
        return nullptr;
    case btChar:
        return &FCharBorder;
    case btNone:
        break;
    }
    return nullptr;
}

void TRtfParser::OtherProp(TRtfAction a, std::int32_t v)
{
    TState& s = Cur();
    auto rowDef = [&]() -> TRowDef& {
        if (static_cast<int>(FRowDefs.size()) <= FRowDefLevel)
            FRowDefs.resize(static_cast<std::size_t>(FRowDefLevel) + 1);
        return FRowDefs[static_cast<std::size_t>(FRowDefLevel)];
    };
    switch (a) {
    // Frames.
    case rtfpFrameW: case rtfpFrameH: case rtfpFrameX: case rtfpFrameNegX: case rtfpFrameY: case rtfpFrameNegY:
    case rtfpFrameHAnchor: case rtfpFrameVAnchor: case rtfpFrameSpace: {
        TParaState& p = s.Pap;
        p.HasFrame = true;
        const std::int32_t t = ClampTwips(v);
        switch (a) {
        case rtfpFrameW: p.Frame.W = t; break;
        case rtfpFrameH: p.Frame.H = t; break;
        case rtfpFrameX: case rtfpFrameNegX: p.Frame.X = t; break;
        case rtfpFrameY: case rtfpFrameNegY: p.Frame.Y = t; break;
        case rtfpFrameHAnchor: p.Frame.HAnchor = v; break;
        case rtfpFrameVAnchor: p.Frame.VAnchor = v; break;
        default: p.Frame.HSpace = p.Frame.VSpace = t; break;
        }
        break;
    }
    // Tables.
    case rtfpRowDefaults:
        FRowDefLevel = s.NestProps ? std::max(2, s.Pap.Itap) : 1;
        FRowDefLevel = std::min(FRowDefLevel, cMaxTableDepth);
        rowDef() = TRowDef();
        FBorderTarget = btNone;
        break;
    case rtfpCellX: {
        TRowDef& r = rowDef();
        if (static_cast<int>(r.Cells.size()) < cMaxCells) {
            r.Pending.X = ClampTwips(v);
            r.Cells.push_back(r.Pending);
        }
        r.Pending = TCellDef();
        FBorderTarget = btNone;
        break;
    }
    case rtfpRowHeight: rowDef().Height = ClampTwips(v); break;
    case rtfpCellBorder:
        rowDef().Pending.Borders[static_cast<std::size_t>(v & 3)] = TBorderDef();
        rowDef().Pending.Borders[static_cast<std::size_t>(v & 3)].Style = stbSingle;
        FBorderTarget = btCell;
        FBorderSide = v & 3;
        break;
    case rtfpCellColor: rowDef().Pending.Color = v; break;
    case rtfpCellMerge: rowDef().Pending.Merge = v; break;
    case rtfpCellHMerge: rowDef().Pending.HMerge = v; break;
    case rtfpCellVAlign: rowDef().Pending.VAlign = v; break;
    case rtfpRowBorder:
        FBorderTarget = btNone;  // row borders are not kept; their style words must not change another border
        break;
    case rtfpRowKeep: rowDef().Keep = v != 0; break;
    case rtfpRowHeader: rowDef().Header = v != 0; break;
    case rtfpRowKeepFollow: rowDef().KeepFollow = v != 0; break;
    case rtfpPaddingLeft: case rtfpPaddingTop: case rtfpPaddingRight: case rtfpPaddingBottom:
        rowDef().Padding[static_cast<std::size_t>(a - rtfpPaddingLeft)] = std::clamp(v, 0, 20 * 1000);
        break;
    // Sections and the document.
    case rtfpSectDefaults: {
        const bool title = FSection.TitlePg;
        FSection.Cols.Clear();
        FSection.TitlePg = title;
        FSectionSet = false;
        break;
    }
    case rtfpColumns:
        if (v > 1) {
            FSection.Cols.Clear();
            FSection.AddCols(std::min(v, 63), 36);
            FSectionSet = true;
        }
        break;
    case rtfpColumnSpace: break;
    case rtfpPaperWidth: case rtfpPaperHeight: case rtfpMarginLeft: case rtfpMarginRight: case rtfpMarginTop:
    case rtfpMarginBottom:
        if (FWhole && FImportSettings && s.Class == dcText && Target().Kind == tkBody && v > 0) {
            TVYXSEP& sep = FDoc.SEP();
            const double pt = Pt(v);
            switch (a) {
            case rtfpPaperWidth: sep.PageWidth = pt; break;
            case rtfpPaperHeight: sep.PageHeight = pt; break;
            case rtfpMarginLeft: sep.MargLeft = pt; break;
            case rtfpMarginRight: sep.MargRight = pt; break;
            case rtfpMarginTop: sep.MargTop = pt; break;
            default: sep.MargBottom = pt; break;
            }
        }
        break;
    case rtfpTitlePage:
        FSection.TitlePg = true;
        if (FWhole)
            FDoc.SEP().TitlePg = true;
        break;
    case rtfpLandscape: break;
    // Code pages and fonts.
    case rtfpAnsiCodePage:
        if (VYXCodePageSupported(v))
            FDocCodePage = v;
        break;
    case rtfpCharset: FDocCodePage = v; break;
    case rtfpDefaultFont: FDefaultFont = v; break;
    case rtfpFontCharset:
        if (s.Class == dcFonts)
            if (auto it = FFonts.find(FFontEntry); it != FFonts.end()) {
                const int cp = VYXCharsetToCodePage(v);
                // Charset 0 names Windows-1252; a document in another code page means that one.
                it->second.CodePage = v == 0 ? 0 : cp;
            }
        break;
    case rtfpFontCodePage:
        if (s.Class == dcFonts && VYXCodePageSupported(v))
            if (auto it = FFonts.find(FFontEntry); it != FFonts.end())
                it->second.CodePage = v;
        break;
    // Colour table.
    case rtfpRed: FRed = v & 0xFF, FColorGiven = true; break;
    case rtfpGreen: FGreen = v & 0xFF, FColorGiven = true; break;
    case rtfpBlue: FBlue = v & 0xFF, FColorGiven = true; break;
    // Style sheet.
    case rtfpBasedOn:
        if (s.Class == dcStyles)
            FStyleEntry.BasedOn = v;
        break;
    case rtfpParaStyle: case rtfpSectStyle: case rtfpTableStyle:
        if (s.Class == dcStyles) {
            FStyleEntry.Kind = a;
            FStyleEntry.Number = v;
        } else if (a == rtfpParaStyle && s.Class == dcText) {
            // The style's formats first; the paragraph's own keywords that follow override them.
            // Table placement and list membership belong to the paragraph, not the style.
            if (auto it = FParaStyles.find(v); it != FParaStyles.end()) {
                TParaState kept = std::move(s.Pap);
                s.Pap = it->second;
                s.Pap.InTable = kept.InTable;
                s.Pap.Itap = kept.Itap;
                if (kept.List != 0 || s.Pap.List == 0) {
                    s.Pap.List = kept.List;
                    s.Pap.Level = kept.Level;
                }
                if (kept.HasFrame) {
                    s.Pap.HasFrame = true;
                    s.Pap.Frame = kept.Frame;
                }
            }
        }
        break;
    // List table.
    case rtfpListBegin:
        if (s.Dest == rtfdListTable || s.Class == dcString) {
            FLists.emplace_back();
            FInOverride = false;
        }
        break;
    case rtfpListLevelBegin:
        if (!FLists.empty() && FLists.back().Nfc.size() < 9)
            FLists.back().Nfc.push_back(0);
        break;
    case rtfpLevelNfc:
        if (!FLists.empty() && !FLists.back().Nfc.empty())
            FLists.back().Nfc.back() = v;
        break;
    case rtfpListId:
        if (FInOverride)
            FOverrideId = v;
        else if (!FLists.empty())
            FLists.back().Id = v;
        break;
    case rtfpListOverrideBegin:
        FInOverride = true;
        FOverrideId = 0;
        break;
    // Pictures.
    case rtfpPictType:
        if (s.Class == dcPicture) {
            FPicture.Type = v;
            if (v == 5 && FPicture.Bytes.empty())
                FPicture.Bytes = PlaceableHeader();
        }
        break;
    case rtfpPicW: case rtfpPicH: case rtfpPicWGoal: case rtfpPicHGoal: case rtfpPicScaleX: case rtfpPicScaleY:
    case rtfpPicCrop:
        break;
    case rtfpShapeLeft: case rtfpShapeTop: case rtfpShapeRight: case rtfpShapeBottom: case rtfpShapeBx:
    case rtfpShapeBy: case rtfpShapeWrap: case rtfpShapeWrapSide: case rtfpShapeZ: case rtfpShapeBelow: {
        if (FShapes.empty() || (s.Dest != rtfdShapeInst && s.Dest != rtfdShape))
            break;
        TShape& shape = FShapes.back();
        switch (a) {
        case rtfpShapeLeft: shape.Left = ClampTwips(v); break;
        case rtfpShapeTop: shape.Top = ClampTwips(v); break;
        case rtfpShapeRight: shape.Right = ClampTwips(v); break;
        case rtfpShapeBottom: shape.Bottom = ClampTwips(v); break;
        case rtfpShapeBx:
            shape.BxIgnore = v == 3;
            if (v != 3)
                shape.Bx = v;
            break;
        case rtfpShapeBy:
            shape.ByIgnore = v == 3;
            if (v != 3)
                shape.By = v;
            break;
        case rtfpShapeWrap: shape.Wrap = v; break;
        case rtfpShapeWrapSide: shape.WrapSide = v; break;
        case rtfpShapeZ: shape.Z = v; break;
        default: shape.Below = v != 0; break;
        }
        break;
    }
    case rtfpEndnote: s.Endnote = true; break;
    case rtfpRevised: case rtfpDeleted: case rtfpRevAuthor: case rtfpRevAuthorDel: case rtfpRevDate: case rtfpRevDateDel:
        if (s.Class != dcText)
            break;
        FlushText();
        if (a == rtfpRevised)
            s.Chp.Revised = v != 0;
        else if (a == rtfpDeleted)
            s.Chp.Deleted = v != 0;
        else if (a == rtfpRevAuthor || a == rtfpRevAuthorDel)
            s.Chp.RevAuthor = v;
        else
            s.Chp.RevDate = v;
        break;
    case rtfpLegacyList:
        if (s.Dest == rtfdLegacyList)
            FLegacyNfc = v;
        break;
    case rtfpDataField:
        if (!FFields.empty())
            FFields.back().DataField = true;
        break;
    default:
        break;
    }
}

void TRtfParser::Special(TRtfAction a, bool hasParam, std::int32_t v)
{
    TState& s = Cur();
    switch (a) {
    case rtfsSkipDest:
        s.SkipUnknown = true;
        return;
    case rtfsBin: {
        FlushText();
        const std::size_t n = v > 0 ? static_cast<std::size_t>(v) : 0;
        const std::size_t take = std::min(n, FIn.size() - FPos);
        if (s.Class == dcPicture)
            FPicture.Bytes.append(FIn.substr(FPos, take));
        FPos += take;
        return;
    }
    case rtfsUnicodeSkip:
        s.Uc = std::clamp(v, 0, cMaxUnicodeSkip);
        return;
    case rtfsUnicode: {
        if (s.Class == dcIgnore || s.Class == dcPicture)
            return;
        if (!hasParam)
            return;
        PutChar(static_cast<char16_t>(v < 0 ? 65536 + v : v));
        FSkip = s.Uc;
        return;
    }
    case rtfsHex:
        return;
    default:
        break;
    }
    if (s.Class == dcString && (a == rtfsPar || a == rtfsLine)) {
        PutChar(u'\r');
        return;
    }
    if (s.Class == dcString && a == rtfsTab) {
        PutChar(u'\t');
        return;
    }
    if (s.Class != dcText)
        return;
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    FlushText();
    switch (a) {
    case rtfsPar:
        EndPara();
        break;
    case rtfsSect:
        EndPara();
        if (Target().Kind == tkBody && FWhole && FDoc.DocType() == aldtMain) {
            // The paragraph just ended closes the section.
            if (TVYXLogPara* last = Target().Para)
                if (last->Paras() == Target().Paras)
                    last->AddSEP()->Assign(FSection);
        }
        break;
    case rtfsLine:
        AddBreak(acrbtLineBreak);
        break;
    case rtfsPage:
        AddBreak(acrbtPageBreak);
        break;
    case rtfsColumn:
        AddBreak(acrbtColumn);
        break;
    case rtfsTab: {
        TVYXLogPara* para = CurrentPara();
        if (para)
            para->CharRuns().AddTab(&RunFormat());
        break;
    }
    case rtfsCell:
        EndCell();
        break;
    case rtfsRow:
        EndRow(false);
        break;
    case rtfsNestRow:
        EndRow(true);
        break;
    case rtfsNoteMark:
        NoteMark();
        break;
    default:
        break;
    }
}

}  // namespace vyx_rtf
