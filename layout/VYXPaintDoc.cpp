// VYXPaintDoc.cpp: the desk and the visible pages (see the header).
#include "layout/VYXPaintDoc.h"

#include <algorithm>
#include <cmath>

#include "editing/VYXLogEditor.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPhyPage.h"
#include "layout/VYXPhyRow.h"
#include "layout/VYXTextRender.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"

namespace {

constexpr TVYXColor cDeskColor = 0xAFAFAF;
constexpr TVYXColor cSeparatorColor = 0x000000;

int Round(double v) { return static_cast<int>(std::lround(v)); }

bool Intersects(double a1, double a2, double b1, double b2) { return a1 < b2 && b1 < a2; }

}  // namespace

TVYXPaintDoc::TVYXPaintDoc(TVYXGDI& gdi, TVYXLogDocEditor& doc, TVYXPaginatorDoc& layout)
    : FGDI(gdi), FDocument(doc), FLayout(layout)
{
    Options.ShowFieldShading = false;
    Options.ShowMarkers = true;
}

TVYXPaintDoc::~TVYXPaintDoc() = default;

void TVYXPaintDoc::CalcPagesScroll()
{
    const TVYXPhyPages& pages = FLayout.Pages();
    double gap = FGDI.PtToPixYF(FDocument.DOP().InterpageSpace);
    if (gap <= 0)
        gap = FGDI.PtToPixYF(20);
    gap = std::round(gap);
    double widest = 0;
    for (int i = 0; i < pages.Count(); ++i)
        widest = std::max(widest, pages.GetItems(i).PageWidth);
    const double view = FArea.X2() - FArea.X1();
    FDeskWidth = std::max(view, std::round(widest) + 2 * gap);
    FPageRects.clear();
    double y = gap;
    for (int i = 0; i < pages.Count(); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        const double x = std::round((FDeskWidth - p.PageWidth) / 2);
        FPageRects.emplace_back(x, y, x + p.PageWidth, y + p.PageHeight);
        y += std::round(p.PageHeight) + gap;
    }
    FDeskHeight = y;
}

std::vector<TVYXArea> TVYXPaintDoc::CalcArea() const
{
    std::vector<TVYXArea> out;
    out.reserve(FPageRects.size());
    for (const TVYXArea& r : FPageRects)
        out.emplace_back(r.X1() - FArea.X1(), r.Y1() - FArea.Y1(), r.X2() - FArea.X1(), r.Y2() - FArea.Y1());
    return out;
}

TVYXLogDocEditor* TVYXPaintDoc::GetAndUpdateHeader(const TVYXPhyPage& page) const
{
    TVYXPageHdrFtr kind = aphfDefault;
    if (page.Index == 0 && page.HeaderEx[aphfFirst] >= 0)
        kind = aphfFirst;
    else if (page.Index % 2 == 1 && page.HeaderEx[aphfEven] >= 0)
        kind = aphfEven;
    TVYXLogDocEditor* h = FLayout.Header(kind);
    return h || kind == aphfFirst ? h : FLayout.Header(aphfDefault);
}

TVYXLogDocEditor* TVYXPaintDoc::GetAndUpdateFooter(const TVYXPhyPage& page) const
{
    TVYXPageHdrFtr kind = aphfDefault;
    if (page.Index == 0 && page.FooterEx[aphfFirst] >= 0)
        kind = aphfFirst;
    else if (page.Index % 2 == 1 && page.FooterEx[aphfEven] >= 0)
        kind = aphfEven;
    TVYXLogDocEditor* f = FLayout.Footer(kind);
    return f || kind == aphfFirst ? f : FLayout.Footer(aphfDefault);
}

void TVYXPaintDoc::PaintPage(int index, double x, double y)
{
    TVYXPhyPage& page = FLayout.Pages().GetItems(index);
    page.FHitAreas.ClearByPaint();
    TVYXClipScope clip(FGDI, x, y, x + page.PageWidth, y + page.PageHeight);
    const TVYXColor paper = FDocument.DOP().Color;
    if (paper != 0xFFFFFF && (paper & 0xFF000000u) == 0) {
        FGDI.SetBrushColor(paper);
        FGDI.RectangleF(x, y, x + page.PageWidth, y + page.PageHeight);
    }
    TVYXTextRender render(FGDI);
    render.Options() = Options;
    render.Layout = &FLayout;
    render.ClearPaintAreas = false;
    if (TVYXLogDocEditor* h = GetAndUpdateHeader(page))
        render.RenderParas(*h, page, h->Paras(), x, y);
    if (TVYXLogDocEditor* f = GetAndUpdateFooter(page))
        render.RenderParas(*f, page, f->Paras(), x, y);
    render.Render(FDocument, page, x, y, x, y, x + page.PageWidth, y + page.PageHeight);
    PaintNotes(render, page, x, y);
}

void TVYXPaintDoc::PaintNotes(TVYXTextRender& render, TVYXPhyPage& page, double x, double y)
{
    if (page.GetFNotesHeight() <= 0)
        return;  // no note (nor the rest of one from the page before) on this page
    // A black rule 150 pt long and 1 pt thick, 10 pt into the room layout leaves above
    // the notes (held inside that room at high resolutions).
    const double top = page.GetAbsAbsFNotesCY1();
    const int thick = std::max(1, Round(FGDI.PtToPixYF(1)));
    const int len = Round(FGDI.PixelsPerInchX() / 72.0 * 150);
    int off = Round(FGDI.PtToPixYF(10));
    if (off + thick > 19)
        off = std::max(0, 19 - thick);
    const int x1 = Round(x + page.ClientX1), y1 = Round(y + top) + off;
    FGDI.SetPaintColor(cSeparatorColor);
    FGDI.SetPenWidthF(1);
    FGDI.LineHoriz(x1, thick < 2 ? x1 + len - 1 : x1 + len, y1, thick);
    if (FDocument.FootnoteList().Count() > 0)
        render.RenderNotes(FDocument.Footnotes(), page, x, y);
}

void TVYXPaintDoc::PaintDoc()
{
    if (static_cast<int>(FPageRects.size()) != FLayout.Pages().Count())
        CalcPagesScroll();
    const double sx1 = FScrArea.X1(), sy1 = FScrArea.Y1(), sx2 = FScrArea.X2(), sy2 = FScrArea.Y2();
    TVYXClipScope clip(FGDI, sx1, sy1, sx2, sy2);
    FGDI.SetBrushColor(cDeskColor);
    FGDI.RectangleF(sx1, sy1, sx2, sy2);
    const double scrollX = FArea.X1(), scrollY = FArea.Y1();
    const double viewH = sy2 - sy1, viewW = sx2 - sx1;
    const TVYXColor paper = (FDocument.DOP().Color & 0xFF000000u) ? 0xFFFFFF : FDocument.DOP().Color;
    for (int i = 0; i < static_cast<int>(FPageRects.size()); ++i) {
        const TVYXArea& r = FPageRects[static_cast<std::size_t>(i)];
        if (!Intersects(r.Y1(), r.Y2(), scrollY, scrollY + viewH) || !Intersects(r.X1(), r.X2(), scrollX, scrollX + viewW))
            continue;
        const double ox = sx1 + r.X1() - scrollX, oy = sy1 + r.Y1() - scrollY;
        FGDI.SetBrushColor(paper);
        FGDI.RectangleF(ox, oy, ox + (r.X2() - r.X1()), oy + (r.Y2() - r.Y1()));
        PaintPage(i, ox, oy);
    }
    if (ShowCaret && !Options.Printing)
        PaintCaret(sx1 - scrollX, sy1 - scrollY);
}

void TVYXPaintDoc::PaintCaret(double deskX, double deskY)
{
    const TVYXLogPos& caret = FDocument.Caret();
    if (!caret.Para || (FDocument.Selections().HasSelection() && !FDocument.Selections().IsEmpty()))
        return;
    const auto* rows = static_cast<const TVYXPhyRows*>(caret.Para->Rows());
    const TVYXPhyRow* row = rows ? rows->Find(caret.CharPos) : nullptr;
    if (!row || row->Page < 0 || row->Page >= static_cast<int>(FPageRects.size()))
        return;
    const TVYXArea& r = FPageRects[static_cast<std::size_t>(row->Page)];
    double x = row->GetX();
    bool found = false;
    for (const TVYXRowPiece& p : row->Pieces) {
        if (!p.Run)
            continue;
        const std::int32_t p0 = p.Run->StartPos() + p.From;
        if (p.Run->Type_() == acrtText || p.Run->Type_() == acrtHyperlink) {
            if (caret.CharPos >= p0 && caret.CharPos < p0 + p.Len) {
                TVYXFontDataDoc font;
                p.Run->SetupFontData(font, &caret.Para->PAPX());
                FGDI.SetFont(font);
                const auto n = static_cast<std::size_t>(caret.CharPos - p0);
                const std::u16string_view before = std::u16string_view(p.Text).substr(0, n);
                x = row->GetX() + p.X + FGDI.TextWidthF(before) +
                    p.Extra * static_cast<double>(std::count(before.begin(), before.end(), u' '));
                found = true;
                break;
            }
        } else if (caret.CharPos == p.Run->StartPos() && p.Width > 0) {
            x = row->GetX() + p.X;
            found = true;
            break;
        }
    }
    if (!found)
        for (const TVYXRowPiece& p : row->Pieces)
            x = std::max(x, row->GetX() + p.X + p.Width);
    const int w = std::max(1, Round(FGDI.PixelsPerInchX() / 96.0));
    const int cx = Round(deskX + r.X1() + x);
    FGDI.SetPaintColor(0x000000);
    FGDI.LineVert(Round(deskY + r.Y1() + row->GetY1()), Round(deskY + r.Y1() + row->Baseline + row->Descent), cx, w);
}
