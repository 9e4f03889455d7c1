// VYXTextPrint.cpp: the pieces of one row painted through the drawing interface (see the header).
#include "layout/VYXTextPrint.h"

#include <algorithm>
#include <cmath>

#include "editing/VYXLogEditor.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPhyPage.h"
#include "layout/VYXPhyRow.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"

namespace {

constexpr TVYXColor cSelectionColor = 0x80BFFF;
constexpr TVYXColor cFieldShading = 0xAFAFAF;
constexpr TVYXColor cEditableTint = 0xFFFED5;
constexpr TVYXColor cMovedColor = 0x008000;
constexpr TVYXColor cMisspelledColor = 0xFF0000;
constexpr TVYXColor cBookmarkColor = 0x808080;
constexpr TVYXColor cPermissionColor = 0x7F7F7F;
constexpr TVYXColor cCommentColor = 0xC08000;
constexpr TVYXColor cFormFrameColor = 0x808080;

bool IsAuto(TVYXColor c) { return (c & 0xFF000000u) != 0; }

int Spaces(std::u16string_view text) { return static_cast<int>(std::count(text.begin(), text.end(), u' ')); }

int Round(double v) { return static_cast<int>(std::lround(v)); }

// Runs whose characters are drawn as text (a field shows its result, a note its number).
bool IsTextLike(TVYXCharRunType type)
{
    return type == acrtText || type == acrtBreak || type == acrtHyperlink || type == acrtSimpleField ||
           type == acrtFootnote || type == acrtFootnoteRef;
}

// Runs that are one unit for the selection: their shown text is not their paragraph text.
bool IsAtomRun(TVYXCharRunType type)
{
    return type == acrtSimpleField || type == acrtFootnote || type == acrtFootnoteRef || type == acrtTab ||
           type == acrtGraphic || type == acrtPicture;
}

}  // namespace

// ---- Underline aggregate --------------------------------------------------------------

void TVYXULData::Update(double thickness, double position)
{
    if (!FSeen) {
        FPosMin = FPosMax = position;
        FSizeMin = FSizeMax = thickness;
        FSeen = true;
        return;
    }
    FPosMin = std::min(FPosMin, position);
    FPosMax = std::max(FPosMax, position);
    FSizeMin = std::min(FSizeMin, thickness);
    FSizeMax = std::max(FSizeMax, thickness);
}

void TVYXULData::Clear()
{
    FStyle = vycuNone;
    FColor = cVYXAutoColor;
    FPosMin = FPosMax = FSizeMin = FSizeMax = 0;
    FSeen = false;
}

// ---- Row context ------------------------------------------------------------------------

struct TVYXTextPrint::TOpenField {
    TVYXComplexField* Field = nullptr;
    double X1 = 0;
    TVYXLogPara* Para = nullptr;  // where the field starts
    std::int32_t CharPos = 1;
};

struct TVYXTextPrint::TRowCtx {
    const TVYXPhyRow* Row = nullptr;
    TVYXLogPara* Para = nullptr;
    double X0 = 0;      // the row's x on the device
    double Base = 0;    // its baseline on the device
    double Top = 0, Bottom = 0;
    bool LastRow = false;
    std::vector<std::pair<std::int32_t, std::int32_t>> Sel;  // selected paragraph positions [from, to)
    std::vector<TVYXULData> UL;  // underline groups
    std::vector<int> ULGroup;    // per piece: its group, -1 without underline
    TVYXHyperlink* Link = nullptr;  // hyperlink run area being collected
    double LinkX1 = 0, LinkX2 = 0;
    double TextEnd = 0;  // right end of the last drawn piece
    int FirstRun = 0;        // index of the row's first run
    std::vector<int> Depth;  // complex fields open at each run from FirstRun on
    double Room = 0;         // the room layout gave the boundary run being drawn
};

TVYXTextPrint::TVYXTextPrint(TVYXGDI& gdi) : FGDI(gdi) {}

TVYXTextPrint::~TVYXTextPrint() = default;

void TVYXTextPrint::_BeginPrinting(const TVYXLogSelections* selections, const TVYXCHP& masterCHP)
{
    FSelections = selections;
    FMasterCHP = &masterCHP;
    FFontRun = nullptr;
    FFieldDepth = 0;
    FOpenFields.clear();
    FFieldPara = nullptr;
    FULData.Clear();
    FGDI.SetTextAlign(xhtaLeft, xvtaBaseline);
    FGDI.SetTransparentMode(true);
}

void TVYXTextPrint::SetPage(TVYXPhyPage* page, TVYXLogDocEditor* doc, const TVYXPaginatorDoc* layout,
                            double originX, double originY)
{
    FPage = page;
    FDoc = doc;
    FLayout = layout;
    FOriginX = originX;
    FOriginY = originY;
    FOpenFields.clear();
    FFieldPara = nullptr;
    FFontRun = nullptr;
}

void TVYXTextPrint::SetupFormat(const TVYXCharRun& run, const TVYXLogPara& para)
{
    if (&run == FFontRun)
        return;
    run.SetupFontData(FFontData, &para.PAPX());
    FFontRun = &run;  // AuthorColor reads the run's revision
    if (run.HasEnabledRevision() && run.Revision()) {
        switch (run.Revision()->RevType) {
        case artInsert: FFontData.Color = AuthorColor(); break;
        case artDelete:
            FFontData.Color = AuthorColor();
            FFontData.StrikeOut = true;
            break;
        case artMoveFrom:
            FFontData.Color = cMovedColor;
            FFontData.StrikeOut = true;
            break;
        case artMoveTo: FFontData.Color = cMovedColor; break;
        default: break;
        }
    }
    FGDI.SetFont(FFontData);
    FGDI.GetTextMetric();
    FGDI.SetFontColor(FFontData.GetVisibleColor());
    FFontRun = &run;
}

TVYXColor TVYXTextPrint::AuthorColor() const
{
    const TVYXCharRun* run = FFontRun;
    const TVYXRevisionData* rev = run ? run->Revision() : nullptr;
    if (!rev)
        return 0;
    if (FDoc) {
        const int index = FDoc->MainEditor().Revision().Authors().IndexOf(rev->Author);
        if (index >= 0)
            return VYXRevisionAuthorColorOf(index);
    }
    return rev->Color != 0 ? rev->Color : VYXRevisionAuthorColorOf(0);
}

void TVYXTextPrint::SetTextJustification(double extra, int breaks)
{
    FBreakChars = breaks;
    FGDI.SetTextJustificationF(extra, breaks);
}

double TVYXTextPrint::TextWidthJust(std::u16string_view text, double extra)
{
    if (text.empty())
        return 0;
    return FGDI.TextWidthF(text) + extra * Spaces(text);
}

void TVYXTextPrint::Print(double x, double y, std::u16string_view text, double extra)
{
    if (text.empty())
        return;
    const int spaces = extra != 0 ? Spaces(text) : 0;
    SetTextJustification(extra * spaces, spaces);
    FGDI.TextOutF(x, y, text);
    if (spaces)
        SetTextJustification(0, 0);
}

void TVYXTextPrint::PrintSelection(double x1, double y1, double x2, double y2, TVYXColor color)
{
    if (IsAuto(color) || x2 <= x1 || y2 <= y1)
        return;
    FGDI.SetBrushColor(color);
    FGDI.RectangleF(x1, y1, x2, y2);
}

void TVYXTextPrint::PrintHighlight(double x1, double x2, const TRowCtx& ctx, TVYXColor color)
{
    PrintSelection(x1, ctx.Top, x2, ctx.Bottom, color);
}

// ---- The row ---------------------------------------------------------------------------

void TVYXTextPrint::PrintRow(const TVYXPhyRow& row, double dx, double dy)
{
    if (!row.Para)
        return;
    TRowCtx ctx;
    ctx.Row = &row;
    ctx.Para = row.Para;
    ctx.X0 = row.GetX() + dx;
    ctx.Base = row.Baseline + dy;
    ctx.Top = ctx.Base - row.Ascent;
    ctx.Bottom = ctx.Base + row.Descent;
    ctx.TextEnd = ctx.X0;
    TVYXLogPara& para = *row.Para;
    ctx.LastRow = row.EndPos >= para.EndOfParaPos() || (row.Flags & aprfLast) != 0;

    // Complex fields open at the row's start: those begun earlier in the paragraph.
    if (FFieldPara != &para) {
        FOpenFields.clear();
        FFieldPara = &para;
    }
    for (TOpenField& f : FOpenFields)
        f.X1 = ctx.X0;
    const TVYXCharRuns& runs = para.CharRuns();
    int r1 = row.CR1 ? row.CR1->Index() : runs.Count(), r2 = row.CR2 ? row.CR2->Index() : -1;
    for (const TVYXRowPiece& p : row.Pieces)
        if (p.Run) {
            r1 = std::min(r1, p.Run->Index());
            r2 = std::max(r2, p.Run->Index());
        }
    r1 = std::max(r1, 0);
    r2 = std::min(r2, runs.Count() - 1);
    int depth = 0;
    for (int i = 0; i < r1; ++i)
        if (const TVYXCharRun* r = runs.Items(i); r->Type_() == acrtFldChar) {
            const auto type = static_cast<const TVYXCharRunFldChar*>(r)->FldCharType;
            depth = std::max(0, depth + (type == acrfctBegin ? 1 : type == acrfctEnd ? -1 : 0));
        }
    // Field nesting per run of the row, and the boundary runs. Most take no room and
    // so have no piece: they stand where the next piece after them starts. A form
    // field's box has the room layout gave it, an empty piece of its own.
    ctx.FirstRun = r1;
    struct TBoundary {
        const TVYXCharRun* Run;
        double X, Room;
    };
    std::vector<TBoundary> boundaries;
    for (int i = r1; i <= r2; ++i) {
        const TVYXCharRun* r = runs.Items(i);
        if (r->Type_() == acrtFldChar) {
            const auto type = static_cast<const TVYXCharRunFldChar*>(r)->FldCharType;
            depth = std::max(0, depth + (type == acrfctBegin ? 1 : type == acrfctEnd ? -1 : 0));
        }
        ctx.Depth.push_back(depth);
        if (r->Type_() == acrtLinked) {
            double x = -1, room = 0;
            for (const TVYXRowPiece& p : row.Pieces)
                if (p.Run == r) {
                    x = ctx.X0 + p.X;
                    room = p.Width;
                    break;
                }
            if (x < 0)
                for (const TVYXRowPiece& p : row.Pieces)
                    if (p.Run && p.Run->Index() > i && (x < 0 || ctx.X0 + p.X < x))
                        x = ctx.X0 + p.X;
            if (x < 0)
                for (const TVYXRowPiece& p : row.Pieces)
                    x = std::max({x, ctx.X0, ctx.X0 + p.X + p.Width});
            boundaries.push_back({r, std::max(x, ctx.X0), room});
        }
    }

    // Selected parts of the paragraph.
    if (!Options.Printing && FSelections) {
        TVYXLogPos start, end;
        start.Assign(&para, 1);
        end.Assign(&para, para.EndOfParaPos());
        for (int i = 0; i < FSelections->Count(); ++i) {
            const TVYXLogSelection& sel = *FSelections->GetItems(i);
            if (!sel.Assigned() || sel.IsEmpty())
                continue;
            std::int32_t from = 1, to = para.EndOfParaPos() + 1;
            if (sel.First.Para == &para)
                from = sel.First.CharPos;
            else if (end.Less(sel.First))
                continue;
            if (sel.Last.Para == &para)
                to = sel.Last.CharPos;
            else if (sel.Last.Less(start))
                continue;
            if (from < to)
                ctx.Sel.emplace_back(from, to);
        }
    }

    CalcUnderline(ctx);
    for (std::size_t i = 0; i < row.Pieces.size(); ++i) {
        const TVYXRowPiece& piece = row.Pieces[i];
        if (!piece.Run)
            continue;
        const TVYXCharRunType type = piece.Run->Type_();
        const int k = piece.Run->Index() - ctx.FirstRun;
        FFieldDepth = k >= 0 && k < static_cast<int>(ctx.Depth.size()) ? ctx.Depth[static_cast<std::size_t>(k)] : 0;
        if (IsTextLike(type))
            PrintTextMarker(ctx, i);
        else if (type == acrtTab)
            DoTab(ctx, piece);
        else if (type == acrtGraphic)
            DoGraphic(ctx, piece);
        else if (type == acrtPicture)
            DoPicture(ctx, piece);
        ctx.TextEnd = std::max(ctx.TextEnd, ctx.X0 + piece.X + piece.Width);
    }
    FlushHyperlink(ctx);
    // A change bar in the left margin beside rows with tracked insertions, deletions or moves.
    if (FPage && std::any_of(row.Pieces.begin(), row.Pieces.end(), [](const TVYXRowPiece& p) {
            return p.Run && p.Run->HasEnabledRevision() && p.Run->Revision() &&
                   p.Run->Revision()->RevType >= artInsert && p.Run->Revision()->RevType <= artMoveTo;
        })) {
        const int x = Round(FOriginX + FPage->ClientX1 - std::max(4.0, FGDI.PtToPixXF(10)));
        FGDI.SetPaintColor(0x000000);
        FGDI.LineVert(Round(ctx.Top), Round(ctx.Bottom), x, std::max(1, Round(FGDI.PtToPixXF(0.75))));
    }
    for (const TBoundary& b : boundaries) {
        ctx.Room = b.Room;
        DoCRLinked(ctx, *b.Run, b.X);
    }
    ctx.Room = 0;
    for (TOpenField& f : FOpenFields)
        PrintField(ctx, f, ctx.TextEnd);
    if (ctx.LastRow)
        DoParaMarks(ctx);
    FXReached = ctx.TextEnd;
    FGDI.SetTextJustificationF(0, 0);
}

void TVYXTextPrint::CalcUnderline(TRowCtx& ctx)
{
    const TVYXPhyRow& row = *ctx.Row;
    ctx.ULGroup.assign(row.Pieces.size(), -1);
    TVYXChpUnderline prev = vycuNone;
    for (std::size_t i = 0; i < row.Pieces.size(); ++i) {
        const TVYXRowPiece& piece = row.Pieces[i];
        if (!piece.Run)
            continue;
        const TVYXCharRunType type = piece.Run->Type_();
        if (!IsTextLike(type) && type != acrtTab) {
            if (piece.Width > 0)
                prev = vycuNone;  // an object breaks the stretch
            continue;
        }
        if (piece.Len == 0 && piece.Width == 0)
            continue;  // boundaries do not break a stretch
        SetupFormat(*piece.Run, *ctx.Para);
        const TVYXChpUnderline style = FFontData.Underline;
        if (style == vycuNone) {
            prev = vycuNone;
            continue;
        }
        if (style != prev || ctx.UL.empty()) {
            ctx.UL.emplace_back();
            ctx.UL.back().FStyle = style;
            ctx.UL.back().FColor = FFontData.ULColor;
        }
        prev = style;
        const TVYXTextMetric& tm = FGDI.TextMetric();
        double pos = tm.ULPos;
        if (FFontData.SubSuperOffs != 0)  // raised or lowered text keeps the stretch's line
            pos = std::max(0.0, pos);
        ctx.UL.back().Update(std::max(1.0, tm.ULThickness), pos);
        ctx.ULGroup[i] = static_cast<int>(ctx.UL.size()) - 1;
    }
}

void TVYXTextPrint::Backgrounds(TRowCtx& ctx, const TVYXRowPiece& piece, double x1, double x2,
                                std::u16string_view text)
{
    const TVYXCharRun& run = *piece.Run;
    if (!IsAuto(FFontData.HighlightColor))
        PrintHighlight(x1, x2, ctx, FFontData.HighlightColor);
    if (!IsAuto(FFontData.FillColor))
        PrintSelection(x1, ctx.Top, x2, ctx.Bottom, FFontData.FillColor);
    const bool inField = run.Type_() == acrtSimpleField || FFieldDepth > 0;
    if (Options.ShowFieldShading && inField && !Options.Printing) {
        PrintSelection(x1, ctx.Top, x2, ctx.Bottom, cFieldShading);
    } else if (!Options.Printing && FDoc) {
        const TVYXDOPProtection& prot = FDoc->MainEditor().DOP().Protection;
        if (prot.Enforcement && prot.Editing == adpeReadOnly && !run.GetReadOnly())
            PrintSelection(x1, ctx.Top, x2, ctx.Bottom, cEditableTint);
    }
    if (!ctx.Sel.empty())
        PrintTextSelected(ctx, piece, x1, text);
}

void TVYXTextPrint::PrintTextSelected(TRowCtx& ctx, const TVYXRowPiece& piece, double x, std::u16string_view text)
{
    const TVYXCharRun& run = *piece.Run;
    const bool atom = IsAtomRun(run.Type_());
    const std::int32_t p0 = atom ? run.StartPos() : run.StartPos() + piece.From;
    const std::int32_t p1 = atom ? run.GetEndPos() : p0 + piece.Len;
    const bool rtl = (piece.Level & 1) != 0;
    for (const auto& [a, b] : ctx.Sel) {
        const std::int32_t s = std::max(a, p0), e = std::min(b, p1);
        if (s >= e)
            continue;
        double w1 = 0, w2 = piece.Width;
        if (!atom && (s > p0 || e < p1)) {
            // A part of the run: measure the text before and up to the selection's end.
            const auto off1 = static_cast<std::size_t>(std::min<std::int32_t>(s - p0, static_cast<std::int32_t>(text.size())));
            const auto off2 = static_cast<std::size_t>(std::min<std::int32_t>(e - p0, static_cast<std::int32_t>(text.size())));
            w1 = TextWidthJust(text.substr(0, off1), piece.Extra);
            w2 = e < p1 ? TextWidthJust(text.substr(0, off2), piece.Extra) : piece.Width;
        }
        if (rtl)
            PrintSelection(x + piece.Width - w2, ctx.Top, x + piece.Width - w1, ctx.Bottom, cSelectionColor);
        else
            PrintSelection(x + w1, ctx.Top, x + w2, ctx.Bottom, cSelectionColor);
    }
}

void TVYXTextPrint::PrintTextMarker(TRowCtx& ctx, std::size_t i)
{
    const TVYXRowPiece& piece = ctx.Row->Pieces[i];
    const TVYXCharRun& run = *piece.Run;
    std::u16string_view text = piece.Text;  // page fields replace it below
    std::u16string pageText;
    // Simple page fields and the result runs of complex ones show this page's number.
    if (FLayout && FPage && (run.Type_() == acrtSimpleField || (run.Type_() == acrtText && FFieldDepth > 0))) {
        if (std::optional<std::u16string> t = FLayout->PageFieldText(run, *FPage)) {
            pageText = piece.From == 0 ? *t : std::u16string();
            text = pageText;
        }
    }
    if (run.Type_() == acrtBreak) {
        const auto& br = static_cast<const TVYXCharRunBreak&>(run);
        if (Options.ShowParaMarks && !Options.Printing && br.BreakType == acrbtLineBreak) {
            SetupFormat(run, *ctx.Para);
            Print(ctx.X0 + piece.X, ctx.Base, u"\u21B5", 0);
        }
        return;
    }
    if (text.empty() && piece.Width <= 0)
        return;
    SetupFormat(run, *ctx.Para);
    const double x1 = ctx.X0 + piece.X, x2 = x1 + piece.Width;
    Backgrounds(ctx, piece, x1, x2, text);
    Print(x1, ctx.Base + FGDI.PtToPixYF(FFontData.SubSuperOffs), text, piece.Extra);
    PaintUnderline(ctx, i, x1, x2, text);
    PaintRevisionUnderline(ctx, x1, x2);
    if (const TVYXDocPropBorder* b = FFontData.Border; b && b->Assigned()) {
        // A character border: a frame round the run's line box.
        FGDI.SetPenColor(IsAuto(b->Color) ? FFontData.GetVisibleColor() : b->Color);
        FGDI.SetPenWidthF(std::max(1.0, std::round(FGDI.PtToPixYF(b->Width))));
        FGDI.RectOutlineF(x1, ctx.Top, x2, ctx.Bottom);
        FGDI.SetPenWidthF(1);
    }
    PaintMisspelled(ctx, x1, x2);
    if (run.Type_() == acrtHyperlink)
        if (TVYXHyperlink* link = static_cast<const TVYXCharRunHyperlink&>(run).Hyperlink)
            AddHyperlinkArea(ctx, *link, x1, x2);
}

// ---- Underlines --------------------------------------------------------------------------

void TVYXTextPrint::PaintUnderlineStyle(TVYXChpUnderline style, double x1, double x2, double y, double t,
                                        TVYXColor color)
{
    if (style == vycuNone || x2 <= x1)
        return;
    // Every stroke ends where the next run's starts: thin lines take their last pixel
    // inclusive, filled ones exclusive.
    const int ix1 = Round(x1), ix2 = std::max(ix1 + 1, Round(x2)), iy = Round(y);
    const auto line = [&](int yy, int th) { FGDI.LineHoriz(ix1, th < 2 ? ix2 - 1 : ix2, yy, th); };
    const auto thick = [t](double f) { return std::max(1, Round(f * t)); };
    const int heavy = std::max(2, Round(0.8 * t));
    const auto pattern = [this](std::initializer_list<double> pts) {
        std::vector<int> px;
        for (double p : pts)
            px.push_back(std::max(1, Round(FGDI.PtToPixYF(p))));
        return px;
    };
    FGDI.SetPaintColor(color);
    FGDI.SetPenWidthF(1);
    switch (style) {
    case vycuSingle:
    case vycuWords: line(iy, thick(0.7)); break;
    case vycuDouble: {
        const int a = thick(0.4);
        line(iy, a);
        line(iy + std::max(3, 2 * a), a);
        break;
    }
    case vycuThick: line(iy, heavy); break;
    case vycuDotted: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({1, 1}), thick(0.7)); break;
    case vycuDottedHeavy: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({1, 1}), thick(0.8)); break;
    case vycuDash: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({6, 3}), thick(0.7)); break;
    case vycuDashedHeavy: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({6, 3}), heavy); break;
    case vycuDashLong: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({12, 6}), thick(0.7)); break;
    case vycuDashLongHeavy: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({12, 6}), heavy); break;
    case vycuDotDash: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({2, 2, 6, 2}), thick(0.7)); break;
    case vycuDashDotHeavy: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({2, 2, 6, 2}), heavy); break;
    case vycuDotDotDash: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({2, 2, 2, 2, 6, 2}), thick(0.7)); break;
    case vycuDashDotDotHeavy: FGDI.LineHorizStyled(ix1, ix2, iy, pattern({2, 2, 2, 2, 6, 2}), heavy); break;
    case vycuWave: FGDI.LineHorizWave(ix1, ix2, std::max(2, Round(2 * t)), iy); break;
    case vycuWavyHeavy: {
        // Two waves one pixel apart: twice the weight of the plain wave.
        const int h = std::max(3, Round(2.5 * t));
        FGDI.LineHorizWave(ix1, ix2, h, iy);
        FGDI.LineHorizWave(ix1, ix2, h, iy + 1);
        break;
    }
    case vycuWavyDouble: {
        const int step = std::max(1, Round(t));
        FGDI.LineHorizWaveSmall(ix1, ix2, step, iy);
        FGDI.LineHorizWaveSmall(ix1, ix2, step, iy + step + 2);
        break;
    }
    default: break;
    }
}

void TVYXTextPrint::PaintUnderline(const TRowCtx& ctx, std::size_t i, double x1, double x2, std::u16string_view text)
{
    const int group = i < ctx.ULGroup.size() ? ctx.ULGroup[i] : -1;
    if (group < 0)
        return;
    const TVYXULData& ul = ctx.UL[static_cast<std::size_t>(group)];
    const TVYXColor own = FFontData.ULColor;
    const TVYXColor color = (own == 0 || IsAuto(own)) ? FFontData.GetVisibleColor() : own;
    const double y = ctx.Base + std::round(ul.Pos());
    const TVYXRowPiece& piece = ctx.Row->Pieces[i];
    if (ul.FStyle != vycuWords) {
        PaintUnderlineStyle(ul.FStyle, x1, x2, y, ul.Size(), color);
        return;
    }
    // Words only: the stretches between spaces.
    std::size_t s = 0;
    while (s < text.size()) {
        while (s < text.size() && text[s] == u' ')
            ++s;
        std::size_t e = s;
        while (e < text.size() && text[e] != u' ')
            ++e;
        if (e > s) {
            const double a = TextWidthJust(text.substr(0, s), piece.Extra);
            const double b = TextWidthJust(text.substr(0, e), piece.Extra);
            PaintUnderlineStyle(vycuSingle, x1 + a, x1 + b, y, ul.Size(), color);
        }
        s = e;
    }
}

void TVYXTextPrint::PaintRevisionUnderline(const TRowCtx& ctx, double x1, double x2)
{
    const TVYXTextMetric& tm = FGDI.TextMetric();
    const double t = std::max(1.0, tm.ULThickness);
    const TVYXCharRun* run = FFontRun;
    if (run && run->HasEnabledRevision() && run->Revision()) {
        const double y = ctx.Base + std::round(std::max(1.0, tm.ULPos));
        switch (run->Revision()->RevType) {
        case artInsert: PaintUnderlineStyle(vycuSingle, x1, x2, y, t, AuthorColor()); break;
        case artMoveTo: PaintUnderlineStyle(vycuDouble, x1, x2, y, t, cMovedColor); break;
        default: break;
        }
    }
    if (FFontData.StrikeOut) {
        // Through the middle of the lower-case letters.
        const double y = ctx.Base + FGDI.PtToPixYF(FFontData.SubSuperOffs) - std::round(tm.Ascent * 0.3);
        PaintUnderlineStyle(vycuSingle, x1, x2, y, std::max(1.0, t / 0.7 * 0.75), FFontData.GetVisibleColor());
    }
}

void TVYXTextPrint::PaintMisspelled(const TRowCtx& ctx, double x1, double x2)
{
    if (!Options.ShowMisspelled || Options.Printing || !FFontRun || !FFontRun->CHPX() ||
        !FFontRun->CHPX()->GetMisspelled())
        return;
    const TVYXTextMetric& tm = FGDI.TextMetric();
    const int y = Round(ctx.Base + std::max(2.0, tm.ULPos + 1));
    FGDI.SetPenColor(cMisspelledColor);
    FGDI.SetPenWidthF(1);
    FGDI.LineHorizWaveSmall(Round(x1), Round(x2), std::max(1, Round(FGDI.PtToPixYF(1.5))), y);
}

// ---- Tabs, objects, markers -------------------------------------------------------------

void TVYXTextPrint::DoTab(TRowCtx& ctx, const TVYXRowPiece& piece)
{
    const TVYXCharRun& run = *piece.Run;
    SetupFormat(run, *ctx.Para);
    const double x1 = ctx.X0 + piece.X, x2 = x1 + piece.Width;
    Backgrounds(ctx, piece, x1, x2, {});
    const char16_t leader = piece.Leader == atslDot ? u'.' : piece.Leader == atslHyphen ? u'-'
                          : piece.Leader == atslUnderscore ? u'_' : 0;
    if (leader) {
        const char16_t one[1] = {leader};
        const double w = FGDI.TextWidthF(std::u16string_view(one, 1));
        const int n = w > 0 ? Round(piece.Width / w) : 0;
        if (n > 0)
            Print(x1, ctx.Base, std::u16string(static_cast<std::size_t>(n), leader), 0);
    }
    if (Options.ShowParaMarks && !Options.Printing && piece.Width > 2) {
        FGDI.SetTextAlign(xhtaCenter, xvtaBaseline);
        FGDI.TextOutF((x1 + x2) / 2, ctx.Base, u"\u2192");
        FGDI.SetTextAlign(xhtaLeft, xvtaBaseline);
    }
    const std::size_t i = static_cast<std::size_t>(&piece - ctx.Row->Pieces.data());
    PaintUnderline(ctx, i, x1, x2, {});
}

void TVYXTextPrint::DoGraphic(TRowCtx& ctx, const TVYXRowPiece& piece)
{
    const auto& run = static_cast<const TVYXCharRunGraphic&>(*piece.Run);
    if (!run.Graphic)
        return;
    TVYXGraphicObj& obj = *run.Graphic;
    const double x = ctx.X0 + piece.X;
    const double h = FGDI.PtToPixYF(obj.Height);
    const double top = ctx.Base - h;
    FGDI.DrawF(x, top, obj);
    if (TextBoxEvent)
        if (auto* box = dynamic_cast<TVYXGraphicRotate*>(&obj); box && box->TextBox && box->TextBox->Paras)
            TextBoxEvent(obj, x, top);
    FFontRun = nullptr;  // the object may have changed the device's font
    if (!ctx.Sel.empty()) {
        const std::int32_t p = run.StartPos();
        for (const auto& [a, b] : ctx.Sel)
            if (p >= a && p < b) {
                FGDI.SetPenColor(cSelectionColor);
                FGDI.SetPenWidthF(2);
                FGDI.RectOutlineF(x, top, x + piece.Width, ctx.Base);
                FGDI.SetPenWidthF(1);
            }
    }
}

void TVYXTextPrint::DoPicture(TRowCtx& ctx, const TVYXRowPiece& piece)
{
    const auto& run = static_cast<const TVYXCharRunPicture&>(*piece.Run);
    const double x = ctx.X0 + piece.X;
    if (run.Bitmap && !run.Bitmap->Empty()) {
        const double h = FGDI.PtToPixYF(run.Bitmap->Height() * 0.75);
        FGDI.DrawF(x, ctx.Base - h, x + piece.Width, ctx.Base, *run.Bitmap);
    } else if (piece.Width > 0) {
        // A picture kept only as bytes: its place, framed.
        FGDI.SetPenColor(cFormFrameColor);
        FGDI.SetPenWidthF(1);
        FGDI.RectOutlineF(x, ctx.Top, x + piece.Width, ctx.Base);
    }
    if (!ctx.Sel.empty())
        for (const auto& [a, b] : ctx.Sel)
            if (run.StartPos() >= a && run.StartPos() < b) {
                FGDI.SetPenColor(cSelectionColor);
                FGDI.SetPenWidthF(2);
                FGDI.RectOutlineF(x, ctx.Top, x + piece.Width, ctx.Base);
                FGDI.SetPenWidthF(1);
            }
}

void TVYXTextPrint::DoCRLinked(TRowCtx& ctx, const TVYXCharRun& boundary, double x)
{
    const auto& run = static_cast<const TVYXCharRunLinked&>(boundary);
    const bool first = run.LinkedPrev == nullptr, last = run.LinkedNext == nullptr;
    if (run.LinkedType == acrltComplexField) {
        TVYXComplexField* field = VYXAsComplex(run);
        if (!field)
            return;
        if (first && !last) {
            FOpenFields.push_back({field, x, ctx.Para, run.StartPos()});
            if (field->Type() == acftFormCheckBox)
                PrintCheckBox(ctx, *field, x);
        } else if (last) {
            for (std::size_t k = FOpenFields.size(); k-- > 0;)
                if (FOpenFields[k].Field == field) {
                    PrintField(ctx, FOpenFields[k], x);
                    FOpenFields.erase(FOpenFields.begin() + static_cast<std::ptrdiff_t>(k));
                    break;
                }
        }
        return;
    }
    if (!Options.ShowMarkers || Options.Printing)
        return;
    TVYXColor color = cBookmarkColor;
    int weight = 1;
    if (run.LinkedType == acrltComment)
        color = cCommentColor;
    else if (run.LinkedType == acrltPermission)
        color = cPermissionColor, weight = 2;
    else if (run.LinkedType != acrltBookmark)
        return;
    // Brackets one row high: "[" opens a range, "]" closes it, an I-beam marks a collapsed one.
    const int ix = Round(x), top = Round(ctx.Top + 1), bottom = Round(ctx.Bottom - 1);
    const int tick = std::max(2, Round(FGDI.PtToPixXF(2)));
    FGDI.SetPaintColor(color);
    FGDI.LineVert(top, bottom, ix, weight);
    if (first && last) {
        FGDI.LineHoriz(ix - tick, ix + tick, top, weight);
        FGDI.LineHoriz(ix - tick, ix + tick, bottom, weight);
    } else if (first) {
        FGDI.LineHoriz(ix, ix + tick, top, weight);
        FGDI.LineHoriz(ix, ix + tick, bottom, weight);
    } else {
        FGDI.LineHoriz(ix - tick, ix, top, weight);
        FGDI.LineHoriz(ix - tick, ix, bottom, weight);
        if (run.LinkedType == acrltComment && last)
            FGDI.RectangleF(ix, top, ix + 2 * tick, top + 2 * tick);  // the comment's flag
    }
}

void TVYXTextPrint::PrintCheckBox(TRowCtx& ctx, TVYXComplexField& field, double x)
{
    const auto* data = dynamic_cast<const TVYXComplexFieldCheckBox*>(field.Data());
    // The square fills the room layout measured for it, a pixel in from either side.
    const double size = ctx.Room > 2                                   ? ctx.Room - 2
                        : data && !data->AutoSize && data->Size > 0 ? FGDI.PtToPixYF(data->Size)
                                                                      : std::max(6.0, ctx.Row->Ascent * 0.8);
    const double x1 = std::round(x + 1), y2 = std::round(ctx.Base), y1 = y2 - std::round(size);
    const double x2 = x1 + (y2 - y1);
    const TVYXColor ink = FFontData.GetVisibleColor();
    FGDI.SetPenColor(ink);
    FGDI.SetPenWidthF(1);
    FGDI.RectOutlineF(x1, y1, x2, y2);
    if (data && data->Checked) {
        FGDI.LineF(x1 + 2, y1 + 2, x2 - 2, y2 - 2);
        FGDI.LineF(x1 + 2, y2 - 2, x2 - 2, y1 + 2);
    }
    if (FPage) {
        TVYXHitArea& a = FPage->FHitAreas.AddByPaint(ahatFieldCheckBox, x1 - FOriginX, y1 - FOriginY, x2 - FOriginX,
                                                     y2 - FOriginY);
        a.Field = &field;
        a.Para = ctx.Para;
        a.CharPos = ctx.Row->StartPos;
    }
}

void TVYXTextPrint::PrintDropDown(TRowCtx& ctx, double x1, double x2)
{
    // The arrow box fills the room layout measured after the choice.
    const double h = ctx.Bottom - ctx.Top;
    const double box = ctx.Room > 2 ? ctx.Room - 2 : std::max(6.0, h * 0.6);
    FGDI.SetPenColor(cFormFrameColor);
    FGDI.SetPenWidthF(1);
    FGDI.RectOutlineF(x1 - 1, ctx.Top, x2 + box + 1, ctx.Bottom);
    // The arrow box after the chosen text, with a small triangle.
    FGDI.SetBrushColor(0xE0E0E0);
    FGDI.RectangleF(x2 + 1, ctx.Top + 1, x2 + box, ctx.Bottom - 1);
    const double cx = x2 + 1 + (box - 1) / 2, cy = (ctx.Top + ctx.Bottom) / 2;
    const double r = std::max(2.0, box / 4);
    FGDI.SetPenColor(0x000000);
    for (int k = 0; k <= static_cast<int>(r); ++k)
        FGDI.LineF(cx - r + k, cy - r / 2 + k, cx + r - k, cy - r / 2 + k);
}

void TVYXTextPrint::PrintField(TRowCtx& ctx, TOpenField& field, double x2)
{
    if (!field.Field || x2 < field.X1)
        return;
    const double x1 = field.X1;
    TVYXHitAreaType type = ahatFieldCheckBox;
    switch (field.Field->Type()) {
    case acftFormList:
        if (!Options.Printing)
            PrintDropDown(ctx, x1, x2);
        type = ahatFieldDropDown;
        break;
    case acftHyperlink:
        if (x2 > x1) {
            const std::u16string& target = field.Field->Target;
            FGDI.SaveHyperlink(x1, ctx.Top, x2, ctx.Bottom, target, !target.empty() && target[0] == u'#');
        }
        type = ahatHyperlink;
        break;
    default: return;
    }
    if (FPage && x2 > x1) {
        TVYXHitArea& a = FPage->FHitAreas.AddByPaint(type, x1 - FOriginX, ctx.Top - FOriginY, x2 - FOriginX,
                                                     ctx.Bottom - FOriginY);
        a.Field = field.Field;
        a.Para = field.Para;
        a.CharPos = field.CharPos;
    }
}

void TVYXTextPrint::AddHyperlinkArea(TRowCtx& c, TVYXHyperlink& link, double x1, double x2)
{
    if (c.Link == &link && std::abs(x1 - c.LinkX2) < 1.5) {
        c.LinkX2 = x2;
        return;
    }
    FlushHyperlink(c);
    c.Link = &link;
    c.LinkX1 = x1;
    c.LinkX2 = x2;
}

void TVYXTextPrint::FlushHyperlink(TRowCtx& ctx)
{
    if (!ctx.Link)
        return;
    TVYXHyperlink& link = *ctx.Link;
    ctx.Link = nullptr;
    if (ctx.LinkX2 <= ctx.LinkX1)
        return;
    FGDI.SaveHyperlink(ctx.LinkX1, ctx.Top, ctx.LinkX2, ctx.Bottom, link.Address, link.Type == ahtBookmark);
    if (FPage) {
        TVYXHitArea& a = FPage->FHitAreas.AddByPaint(ahatHyperlink, ctx.LinkX1 - FOriginX, ctx.Top - FOriginY,
                                                     ctx.LinkX2 - FOriginX, ctx.Bottom - FOriginY);
        a.Hyperlink = &link;
        a.Para = ctx.Para;
        a.CharPos = ctx.Row->StartPos;
    }
}

void TVYXTextPrint::DoParaMarks(TRowCtx& ctx)
{
    TVYXLogPara& para = *ctx.Para;
    const bool selected = std::any_of(ctx.Sel.begin(), ctx.Sel.end(), [&](const auto& r) {
        return r.first <= para.EndOfParaPos() && r.second > para.EndOfParaPos();
    });
    const bool marks = Options.ShowParaMarks && !Options.Printing;
    if (!selected && !marks)
        return;
    // The mark takes the format of the paragraph's last run with its mark's list.
    const TVYXCharRuns& runs = para.CharRuns();
    if (runs.Count() > 0) {
        runs.Items(runs.Count() - 1)->SetupFontData(FFontData, &para.PAPX(), true);
    } else if (FMasterCHP) {
        FFontData.Resolve(*FMasterCHP, &para.PAPX(), nullptr, true);
    }
    FGDI.SetFont(FFontData);
    FGDI.GetTextMetric();
    FFontRun = nullptr;
    const double x = ctx.TextEnd;
    if (selected)
        PrintSelection(x, ctx.Top, x + FGDI.TextWidthF(marks ? u"\u00B6" : u" "), ctx.Bottom, cSelectionColor);
    if (marks) {
        FGDI.SetFontColor(FFontData.GetVisibleColor());
        Print(x, ctx.Base, u"\u00B6", 0);
    }
}

void TVYXTextPrint::PrintNumbering(const TVYXPhyRow& row, const TVYXPhyRows& rows, double dx, double dy)
{
    if (rows.Label.empty() || !row.Para)
        return;
    const TVYXCharRuns& runs = row.Para->CharRuns();
    if (runs.Count() > 0)
        runs.Items(0)->SetupFontData(FFontData, &row.Para->PAPX());
    else if (FMasterCHP)
        FFontData.Resolve(*FMasterCHP, &row.Para->PAPX(), nullptr, true);
    FFontData.Underline = vycuNone;
    FGDI.SetFont(FFontData);
    FGDI.GetTextMetric();
    FGDI.SetFontColor(FFontData.GetVisibleColor());
    FFontRun = nullptr;
    Print(row.GetX() + rows.LabelX + dx, row.Baseline + dy, rows.Label, 0);
}
