// VYXPaginate.cpp: the document paginator (see the header for the two passes) and the pages it fills.
#include "layout/VYXPaginate.h"

#include "layout/VYXPaginateImpl.h"

#include <algorithm>
#include <cmath>

#include "editing/VYXFieldUpdate.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXTableExtents.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

// ---- Pages -----------------------------------------------------------------------------

TVYXPageHdrFtr TVYXPhyPage::HdrFtrKind() const
{
    if (Index == 0 && HeaderEx[aphfFirst] >= 0)
        return aphfFirst;
    if (Index % 2 == 1 && HeaderEx[aphfEven] >= 0)
        return aphfEven;
    return aphfDefault;
}

double TVYXPhyPage::HeaderExHeight() const
{
    if (Index == 0 && HeaderEx[aphfFirst] >= 0)
        return HeaderEx[aphfFirst];
    if (Index % 2 == 1 && HeaderEx[aphfEven] >= 0)
        return HeaderEx[aphfEven];
    return std::max(0.0, HeaderEx[aphfDefault]);
}

double TVYXPhyPage::FooterExHeight() const
{
    if (Index == 0 && FooterEx[aphfFirst] >= 0)
        return FooterEx[aphfFirst];
    if (Index % 2 == 1 && FooterEx[aphfEven] >= 0)
        return FooterEx[aphfEven];
    return std::max(0.0, FooterEx[aphfDefault]);
}

TVYXPhyPage& TVYXPhyPages::Add()
{
    FItems.push_back(std::make_unique<TVYXPhyPage>());
    FItems.back()->Index = Count() - 1;
    return *FItems.back();
}

void TVYXPhyPages::Truncate(int count)
{
    if (count >= 0 && count < Count())
        FItems.resize(static_cast<std::size_t>(count));
}

TVYXPhyPage* TVYXPhyPages::FindPage(const TVYXPhyRow& row) const
{
    return row.Page >= 0 && row.Page < Count() ? FItems[static_cast<std::size_t>(row.Page)].get() : nullptr;
}

// ---- The document paginator ----------------------------------------------------------------

using vyx_paginate::Advance;
using vyx_paginate::RowsOf;

namespace {

constexpr double cEndless = 2147483647;

// The tallest first row among the cells of a table row, with the cell's top margin.
double FirstLineHeight(const TVYXTableRow& row)
{
    double h = 0;
    for (int c = 0; c < row.Count(); ++c) {
        const TVYXLogParas& paras = row.GetCells(c)->Paras();
        if (paras.Count() > 0 && paras.GetItems(0)->IsPara())
            if (const TVYXPhyRows* rows = RowsOf(*static_cast<const TVYXLogPara*>(paras.GetItems(0))); rows && rows->Count())
                h = std::max(h, rows->First()->Height());
    }
    return h;
}

void OffsetParas(TVYXLogParas& paras, double dy)
{
    for (int i = 0; i < paras.Count(); ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsPara()) {
            if (TVYXPhyRows* rows = RowsOf(*static_cast<TVYXLogPara*>(item)))
                rows->OffsetRows(dy);
        } else {
            auto& t = *static_cast<TVYXTable*>(item);
            for (int r = 0; r < t.Count(); ++r) {
                TVYXTableRow& row = *t.GetRows(r);
                row.PixY1 += static_cast<float>(dy);
                row.PixY2 += static_cast<float>(dy);
                for (int c = 0; c < row.Count(); ++c)
                    OffsetParas(row.GetCells(c)->Paras(), dy);
            }
        }
    }
}

}  // namespace

TVYXPaginatorDoc::TVYXPaginatorDoc(TVYXGDI& gdi, TVYXLogDocEditor& doc)
    : FGDI(gdi), FDoc(doc), FFields(std::make_unique<TVYXFieldUpdater>())
{
}

TVYXPaginatorDoc::~TVYXPaginatorDoc() = default;

TVYXLogDocEditor* TVYXPaginatorDoc::Header(TVYXPageHdrFtr kind) const
{
    static constexpr TVYXHeaderFooterType cKinds[] = {ahftDefault, ahftFirst, ahftEven};
    return FDoc.Headers().Find(cKinds[kind]);
}

TVYXLogDocEditor* TVYXPaginatorDoc::Footer(TVYXPageHdrFtr kind) const
{
    static constexpr TVYXHeaderFooterType cKinds[] = {ahftDefault, ahftFirst, ahftEven};
    return FDoc.Footers().Find(cKinds[kind]);
}


void TVYXPaginatorDoc::BreakTextBox(TVYXGraphicObj& obj)
{
    auto* shape = dynamic_cast<TVYXGraphicRotate*>(&obj);
    if (!shape || !shape->TextBox || !shape->TextBox->Paras || FBoxDepth > 4)
        return;
    const TVYXGrTextBox& box = *shape->TextBox;
    ++FBoxDepth;  // a box inside a box inside ... stops somewhere
    const double carry[4] = {FCarry[0], FCarry[1], FCarry[2], FCarry[3]};
    DoPaginate(*box.Paras, std::max(20.0, FGDI.PtToPixXF(obj.Width - box.MargLeft - box.MargRight)), false);
    std::copy(std::begin(carry), std::end(carry), std::begin(FCarry));
    --FBoxDepth;
    FTextBoxes.push_back(shape);
}

void TVYXPaginatorDoc::BreakPara(TVYXLogPara& para, double width, const std::u16string& label)
{
    // Text boxes, floating or inline, are laid out at their own width. A clean
    // paragraph broken without inline objects has no inline box to look for.
    if (TVYXGraphicObjList* graphics = para.Graphics())
        for (int i = 0; i < graphics->Count(); ++i)
            BreakTextBox(graphics->GetItems(i));
    if (const TVYXPhyRows* old = RowsOf(para); !old || para.Dirty || old->HasObjects)
        for (int i = 0; i < para.Count(); ++i)
            if (TVYXCharRun* run = para.GetItems(i); run->Type_() == acrtGraphic)
                if (TVYXGraphicObj* g = static_cast<TVYXCharRunGraphic*>(run)->Graphic.get())
                    BreakTextBox(*g);

    const TVYXPhyRows* rows = RowsOf(para);
    bool need = !rows || para.Dirty || rows->BrokenWidth != std::max(width, 20.0) ||
                rows->BrokenPPI != FGDI.PixelsPerInchX() || rows->Label != label;
    // Objects beside the text narrow the rows of their paragraph.
    double wl = 0, hl = 0, wr = 0, hr = 0;
    if (const TVYXGraphicObjList* graphics = para.Graphics())
        for (int i = 0; i < graphics->Count(); ++i) {
            const TVYXGraphicObj& g = graphics->GetItems(i);
            if (IsPageObject(g))
                continue;  // text wraps around it where it stands on the page
            const double w = FGDI.PtToPixXF(g.Width + (g.Wrap == agow_ParaLeft ? g.OMargRight : g.OMargLeft));
            const double h = FGDI.PtToPixYF(g.Height + g.OMargBottom);
            if (g.Wrap == agow_ParaLeft) {
                wl = std::max(wl, std::round(w));
                hl = std::max(hl, std::round(h));
            } else if (g.Wrap == agow_ParaRight) {
                wr = std::max(wr, std::round(w));
                hr = std::max(hr, std::round(h));
            }
        }
    // Floats of earlier paragraphs that are taller than those paragraphs go on beside this one.
    if (FCarry[1] >= 1 && FCarry[0] > wl) {
        wl = FCarry[0];
        hl = FCarry[1];
    }
    if (FCarry[3] >= 1 && FCarry[2] > wr) {
        wr = FCarry[2];
        hr = FCarry[3];
    }
    // Rows broken around objects on the page are broken again where they are placed;
    // an endless page has no objects on it to wrap around.
    if (wl > 0 || wr > 0 || (rows && rows->Wrapped && FWeb))
        need = true;
    if (!need) {
        std::fill(std::begin(FCarry), std::end(FCarry), 0.0);
        return;
    }
    FPaginator.SetPixGrWidthL(wl);
    FPaginator.SetPixGrHeightL(hl);
    FPaginator.SetPixGrWidthR(wr);
    FPaginator.SetPixGrHeightR(hr);
    FFieldPara = &para;
    const TVYXPhyRows& broken = FPaginator.Paginate(FGDI, para, width, label);
    FFieldPara = nullptr;
    ++FBroken;
    double used = 0;
    for (int i = 0; i < broken.Count(); ++i)
        used += broken.GetItems(i).Height();
    FCarry[0] = wl;
    FCarry[1] = hl - used;
    FCarry[2] = wr;
    FCarry[3] = hr - used;
}

void TVYXPaginatorDoc::DoPaginate(TVYXLogParas& paras, double width, bool numbering)
{
    std::fill(std::begin(FCarry), std::end(FCarry), 0.0);
    for (int i = 0; i < paras.Count(); ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsPara()) {
            auto& para = *static_cast<TVYXLogPara*>(item);
            BreakPara(para, width, numbering ? LabelOf(para) : std::u16string());
            continue;
        }
        auto& table = *static_cast<TVYXTable*>(item);
        for (int r = 0; r < table.Count(); ++r) {
            TVYXTableRow& row = *table.GetRows(r);
            for (int c = 0; c < row.Count(); ++c) {
                TVYXTableCell& cell = *row.GetCells(c);
                DoPaginate(cell.Paras(), std::max(20.0, FGDI.PtToPixXF(cell.GetClientWidth())), numbering);
            }
        }
    }
}

double TVYXPaginatorDoc::ParasHeight(TVYXLogParas& paras, int first, int last)
{
    if (last < 0 || last >= paras.Count())
        last = paras.Count() - 1;
    double h = 0;
    for (int i = std::max(first, 0); i <= last; ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        if (!item->IsPara())
            continue;
        auto& para = *static_cast<TVYXLogPara*>(item);
        const TVYXPhyRows* rows = RowsOf(para);
        if (!rows)
            continue;
        for (int r = 0; r < rows->Count(); ++r)
            h += Advance(rows->GetItems(r), *rows);
        if (i < last)
            h += ParaSpacing(para, paras.GetItems(i + 1));
    }
    return h;
}

double TVYXPaginatorDoc::ParaSpacing(TVYXLogPara& para, TVYXLogParaItem* next)
{
    const TVYXPhyRows* rows = RowsOf(para);
    if (!rows || !next)
        return 0;
    const TVYXPhyRows* nextRows = next->IsPara() ? RowsOf(*static_cast<TVYXLogPara*>(next)) : nullptr;
    const double nextBefore = nextRows ? nextRows->SpaceBefore : 0;
    const bool collapse = !rows->Numbered && next->IsPara() && !(nextBefore > 0);
    double s = 0;
    if (!collapse && !next->IsTable() && rows->Count() > 0 && rows->LineRule == aplrMultiple)
        s += std::abs(rows->LineSpacing - 1) * rows->Last()->LineHeight;
    if (collapse || next->IsTable()) {
        // Contextual spacing leaves the space out between paragraphs of one style.
        const bool sameStyle = nextRows && nextRows->Style == rows->Style;
        if (!(rows->Contextual && sameStyle))
            s += FGDI.PtToPixYF(std::max(0.0, rows->SpaceAfter));
    }
    return s + FGDI.PtToPixYF(rows->BorderBottom);  // room for the paragraph's bottom border
}

void TVYXPaginatorDoc::CollectSections()
{
    FSections.clear();
    TVYXLogParas& paras = FDoc.Paras();
    TSection cur;
    for (int i = 0; i < paras.Count(); ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        const TVYXSEP* sep = item->IsPara() ? static_cast<TVYXLogPara*>(item)->SEP() : nullptr;
        if (sep && i + 1 < paras.Count()) {  // this paragraph ends its section
            cur.Last = i;
            cur.SEP = sep;
            FSections.push_back(cur);
            cur = TSection();
            cur.First = i + 1;
        }
    }
    cur.Last = paras.Count() - 1;
    cur.SEP = &FDoc.SEP();
    FSections.push_back(cur);
}

TVYXPaginatorDoc::TBox TVYXPaginatorDoc::ColumnBox(const TPlace& at) const
{
    const TVYXPhyPage& page = FPages.GetItems(at.Page);
    const TVYXSEP& sep = *FSections[static_cast<std::size_t>(at.Section)].SEP;
    const int n = sep.Cols.Count();
    if (n <= 1 || FWeb)
        return {page.ClientX1, page.GetClientWidth()};
    const int col = std::clamp(at.Col, 0, n - 1);
    const TVYXSEPCol& c = sep.Cols.Items(col);
    double w = FGDI.PtToPixXF(c.Width);
    double x = FGDI.PtToPixXF(c.XOffs);
    if (!(w > 0)) {  // equal columns with the mean space between them
        const double space = FGDI.PtToPixXF(sep.Cols.AverageColSpace());
        w = (page.GetClientWidth() - space * (n - 1)) / n;
        x = col * (w + space);
    }
    return {page.ClientX1 + x, std::max(20.0, w)};
}

void TVYXPaginatorDoc::AddPage(TPlace& at, int sectionIndex)
{
    if (at.Page + 1 < FPages.Count()) {  // a table cell already went on to that page
        ++at.Page;
        const TVYXPhyPage& page = FPages.GetItems(at.Page);
        at.Y = at.ColTop = at.MaxY = page.ContentTop;
        at.Col = 0;
        return;
    }
    const TVYXSEP& sep = *FSections[static_cast<std::size_t>(sectionIndex)].SEP;
    TVYXPhyPage& page = FPages.Add();
    page.SEP = &sep;
    page.SectionIndex = sectionIndex;
    const TVYXPhyPage* prev = page.Index > 0 ? &FPages.GetItems(page.Index - 1) : nullptr;
    page.SectionPage = prev && prev->SectionIndex == sectionIndex ? prev->SectionPage + 1 : 1;
    page.PageWidth = FGDI.PtToPixXF(sep.GetPageWidth());
    if (FWeb) {
        const double m = FGDI.PtToPixXF(sep.MargWeb);
        page.PageHeight = cEndless;
        page.ClientX1 = m;
        page.ClientX2 = std::max(m + 20, page.PageWidth - m);
        page.ClientY1 = FGDI.PtToPixYF(sep.MargWeb);
        page.ClientY2 = cEndless;
    } else {
        page.PageHeight = FGDI.PtToPixYF(sep.GetPageHeight());
        page.ClientX1 = FGDI.PtToPixXF(sep.GetMargLeft());
        page.ClientX2 = std::max(page.ClientX1 + 20, page.PageWidth - FGDI.PtToPixXF(sep.GetMargRight()));
        page.ClientY1 = FGDI.PtToPixYF(sep.GetMargTop());
        page.ClientY2 = std::max(page.ClientY1 + 20, page.PageHeight - FGDI.PtToPixYF(sep.GetMargBottom()));
        std::copy(std::begin(FHeaderEx), std::end(FHeaderEx), std::begin(page.HeaderEx));
        std::copy(std::begin(FFooterEx), std::end(FFooterEx), std::begin(page.FooterEx));
    }
    page.ContentTop = page.BodyTop();
    // Header rows of the table being placed are repeated at the top.
    for (const auto& [table, headers] : FOpenTables) {
        if (headers <= 0)
            continue;
        for (int r = 0; r < headers && r < table->Count(); ++r) {
            TVYXTableRow& row = *table->GetRows(r);
            const double h = row.PixY2 - row.PixY1;
            page.RepeatedRows.push_back({&row, static_cast<float>(page.ClientX1), static_cast<float>(page.ContentTop),
                                         static_cast<float>(page.ContentTop - row.PixY1)});
            page.ContentTop += h;
        }
        break;  // only the outermost table repeats its header
    }
    at.Page = page.Index;
    at.Section = sectionIndex;
    at.Y = at.ColTop = at.MaxY = page.ContentTop;
    at.Col = 0;
    // Notes (or their rest) whose references ended the previous page come first: as
    // much as fits while a quarter of the body stays for text, and at
    // least one row, so that every page makes progress.
    if (!FCarriedNotes.empty()) {
        const std::vector<TVYXNotePart> parts = std::move(FCarriedNotes);
        const double body = page.ClientY2 - page.FooterExHeight() - page.ContentTop;
        FCarriedNotes = FillNotes(page, parts, 0.75 * body - page.FNotesHeight, 1);
    }
}

void TVYXPaginatorDoc::NextColumnOrPage(TPlace& at, int depth)
{
    const TVYXSEP& sep = *FSections[static_cast<std::size_t>(at.Section)].SEP;
    if (depth == 0 && !FWeb && sep.Cols.Count() > 1 && at.Col + 1 < sep.Cols.Count()) {
        ++at.Col;
        at.Y = at.ColTop;
        return;
    }
    AddPage(at, at.Section);
}

double TVYXPaginatorDoc::BodyBottom(const TPlace& at) const
{
    const double bottom = FPages.GetItems(at.Page).GetAbsDocCY2();
    return FColLimit > 0 ? std::min(bottom, FColLimit) : bottom;
}


void TVYXPaginatorDoc::DoParaHeight(TVYXLogPara& para, TVYXLogParaItem* next, TPlace& at, const TBox& box, int depth,
                                    const std::vector<int>& forced, std::vector<int>* splits)
{
    TVYXPhyRows* rows = RowsOf(para);
    if (!rows || rows->Count() == 0)
        return;
    const auto isForced = [&](int i) { return std::find(forced.begin(), forced.end(), i) != forced.end(); };
    TVYXPhyPage* page = &FPages.GetItems(at.Page);
    // A paragraph moved to the next page leaves its space before behind.
    if (isForced(0) && !FWeb && at.Y > (depth == 0 ? at.ColTop : page->ContentTop) + 0.01) {
        NextColumnOrPage(at, depth);
        page = &FPages.GetItems(at.Page);
    }
    const double y0 = at.Y;
    if (at.Y > page->ContentTop + 0.01 && at.Y > at.ColTop + 0.01)
        at.Y += FGDI.PtToPixYF(std::max(0.0, rows->SpaceBefore));
    if (depth == 0 && !FWeb && (!FZones.empty() || !FEarlyZones.empty() || rows->Wrapped || para.Graphics())) {
        // Objects on the page belong to the page the paragraph starts on: settle that
        // first (a break before it, or no room for its first row here).
        const TVYXPhyRow& first = *rows->First();
        if (at.Y > at.ColTop + 0.01 && (first.BreakKind || at.Y + first.Height() > BodyBottom(at))) {
            if (first.BreakKind == 1)
                AddPage(at, at.Section);
            else
                NextColumnOrPage(at, depth);
            page = &FPages.GetItems(at.Page);
        }
        RegisterZones(para, at);
        WrapAroundZones(para, at, at.Y);
    }
    std::pair<int, int> where{at.Page, at.Col};
    for (int i = 0; i < rows->Count(); ++i) {
        TVYXPhyRow& row = rows->GetItems(i);
        page = &FPages.GetItems(at.Page);
        // Inside a cell the row's top is no reason to stay: only the page's top is.
        const double top = depth == 0 ? at.ColTop : page->ContentTop;
        const bool hasRowsHere = at.Y > top + 0.01;
        if ((row.BreakKind || (i > 0 && isForced(i))) && hasRowsHere && !FWeb) {
            if (row.BreakKind == 2 || !row.BreakKind)
                NextColumnOrPage(at, depth);
            else
                AddPage(at, at.Section);
            page = &FPages.GetItems(at.Page);
        }
        // Notes referenced in the row.
        std::vector<TVYXFootnoteItem*> notes;
        if ((row.Flags & aprfHasFootnote) && !FWeb)  // an endless page has no foot: notes follow the body
            for (const TVYXRowPiece& p : row.Pieces)
                if (p.Run && (p.Run->Type_() == acrtFootnoteRef || p.Run->Type_() == acrtFootnote)) {
                    const auto& fr = static_cast<const TVYXCharRunFootnote&>(*p.Run);
                    const auto it = FNoteOf.find(fr.Footnote);
                    if (!fr.IsEndnote && it != FNoteOf.end())
                        notes.push_back(it->second);
                }
        const double notesOnly = notes.empty() ? 0 : DoFootnotesHeight(notes);
        const double h = row.Height();
        if (at.Y + h > BodyBottom(at) && at.Y > (depth == 0 ? at.ColTop : page->ContentTop) + 0.01) {
            NextColumnOrPage(at, depth);
            page = &FPages.GetItems(at.Page);
        }
        if (depth == 0 && ((!FZones.empty() && FZones.back().Page == at.Page) || !FEarlyZones.empty())) {
            if (const double below = BelowZones(at, at.Y, h); below > at.Y) {
                at.Y = below;
                if (at.Y + h > BodyBottom(at)) {
                    NextColumnOrPage(at, depth);
                    page = &FPages.GetItems(at.Page);
                }
            }
        }
        if (!notes.empty()) {
            // A note stays with its reference while both fit; an empty foot takes it anyway.
            // The first note of a page brings the separator's room (counted in FNotesHeight).
            // A note that does not fit starts here with the rows that fit and goes on in the
            // next page's note area; one that cannot show a row here starts there.
            const double separator = page->NoteParts.empty() ? page->FNotesHeight : 0;
            std::vector<TVYXNotePart> parts;
            for (TVYXFootnoteItem* n : notes)
                parts.push_back({n, 0, -1});
            if (!FCarriedNotes.empty()) {
                FCarriedNotes.insert(FCarriedNotes.end(), parts.begin(), parts.end());
            } else if (at.Y + h + notesOnly + separator <= BodyBottom(at) ||
                       (page->NoteParts.empty() && at.Y <= at.ColTop + 0.01)) {
                for (TVYXFootnoteItem* n : notes)
                    page->Footnotes.push_back(n);
                page->NoteParts.insert(page->NoteParts.end(), parts.begin(), parts.end());
                page->FNotesHeight += notesOnly;
            } else {
                FCarriedNotes = FillNotes(*page, parts, BodyBottom(at) - at.Y - h - separator, 2);
            }
        }
        const double x = depth == 0 ? ColumnBox(at).X : box.X;
        row.Baseline = static_cast<float>(at.Y + row.Ascent);
        row.PageX = static_cast<float>(x);
        row.Page = at.Page;
        page->Rows.Add(row);
        at.Y += Advance(row, *rows);
        at.MaxY = std::max(at.MaxY, at.Y);
        const std::pair<int, int> here{at.Page, at.Col};
        if (splits && i > 0 && here != where)
            splits->push_back(i);
        where = here;
        if (depth == 0) {
            if (i == 0)
                FFirstWhere = here;
            FLastWhere = here;
        }
    }
    at.Y += ParaSpacing(para, next);
    at.MaxY = std::max(at.MaxY, at.Y);
    rows->Height = at.Y - y0;
}

TVYXPaginatorDoc::TMark TVYXPaginatorDoc::Mark(const TPlace& at) const
{
    TMark m;
    m.At = at;
    m.Pages = FPages.Count();
    if (at.Page >= 0) {
        const TVYXPhyPage& page = FPages.GetItems(at.Page);
        m.Rows = page.Rows.Count();
        m.Notes = page.Footnotes.size();
        m.NoteParts = page.NoteParts.size();
        m.NotesHeight = page.FNotesHeight;
    }
    m.Carried = FCarriedNotes;
    m.Zones = FZones.size();
    return m;
}

void TVYXPaginatorDoc::Restore(const TMark& mark, TPlace& at)
{
    FPages.Truncate(mark.Pages);
    if (mark.At.Page >= 0) {
        TVYXPhyPage& page = FPages.GetItems(mark.At.Page);
        page.Rows.Truncate(mark.Rows);
        page.Footnotes.resize(mark.Notes);
        page.NoteParts.resize(mark.NoteParts);
        page.FNotesHeight = mark.NotesHeight;
    }
    FCarriedNotes = mark.Carried;
    FZones.resize(mark.Zones);
    at = mark.At;
}

void TVYXPaginatorDoc::PlaceBodyPara(TVYXLogPara& para, TVYXLogParaItem* next, TPlace& at, bool breakBefore)
{
    std::vector<int> forced;
    if (breakBefore)
        forced.push_back(0);
    const TVYXPhyRows* rows = RowsOf(para);
    if (FWeb || !rows || rows->Count() < 2 || !(rows->KeepLines || rows->WidowControl)) {
        DoParaHeight(para, next, at, ColumnBox(at), 0, forced);
        return;
    }
    const TMark mark = Mark(at);
    const bool atTop = at.Y <= at.ColTop + 0.01;
    std::vector<int> splits;
    // Each try only adds breaks, so two more tries settle every case.
    for (int attempt = 0;; ++attempt) {
        splits.clear();
        DoParaHeight(para, next, at, ColumnBox(at), 0, forced, &splits);
        if (splits.empty() || attempt == 2)
            return;
        // Counted after placing: wrapping around objects on the page may break it anew.
        const int n = rows->Count();
        double height = 0;  // the rows together, to know whether keeping them can succeed
        for (int i = 0; i < n; ++i)
            height += i + 1 < n ? Advance(rows->GetItems(i), *rows) : rows->GetItems(i).Height();
        std::vector<int> want = forced;
        const auto add = [&](int k) {
            if (std::find(want.begin(), want.end(), k) == want.end())
                want.push_back(k);
        };
        const double body = BodyBottom(mark.At) - FPages.GetItems(mark.At.Page).ContentTop;
        if (rows->KeepLines && !atTop && height <= body) {
            add(0);  // the whole paragraph goes to the next page
        } else if (rows->WidowControl) {
            // No first row alone at a page's foot: the paragraph moves. No last row
            // alone at a page's top: the row before it goes along, unless that would
            // leave the first row alone.
            if (splits.front() == 1 && !atTop)
                add(0);
            else if (splits.back() == n - 1 && n >= 3) {
                const int k = n - 2;
                const int before = splits.size() > 1 ? splits[splits.size() - 2] : 0;
                if (k - before >= 2)
                    add(k);
                else if (splits.size() == 1 && !atTop)
                    add(0);
            }
        }
        std::sort(want.begin(), want.end());
        if (want == forced)
            return;
        Restore(mark, at);
        forced = std::move(want);
    }
}

void TVYXPaginatorDoc::PlaceItems(const TSection& sec, TPlace& at)
{
    TVYXLogParas& paras = FDoc.Paras();
    const auto keepsNext = [&](int i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        const TVYXPhyRows* rows = item->IsPara() ? RowsOf(*static_cast<TVYXLogPara*>(item)) : nullptr;
        return rows && rows->Count() > 0 && rows->KeepNext;
    };
    // Marks at the start of the paragraphs of the keep-with-next run before the item.
    std::vector<std::pair<int, TMark>> chain;
    int movedItem = -1;  // the first paragraph of a run that was moved to the next page already
    // Where placing a page again starts: the item under way when the page began.
    std::pair<int, TMark> previous{-1, TMark()}, pageEntry{-1, TMark()};
    int entryPage = -1;
    for (int i = sec.First; i <= sec.Last; ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        TVYXLogParaItem* next = i + 1 < paras.Count() ? paras.GetItems(i + 1) : nullptr;
        if (!FWeb && at.Page != entryPage) {
            pageEntry = previous.first >= 0 && previous.second.At.Page < at.Page ? previous : std::pair{i, Mark(at)};
            entryPage = at.Page;
        }
        if (!FWeb)
            previous = {i, Mark(at)};
        const bool kept = !FWeb && i > sec.First && keepsNext(i - 1);
        if (!kept)
            chain.clear();
        const std::pair<int, int> before = FLastWhere;
        FFirstWhere = before;  // an item without rows moves nothing
        if (!FWeb && keepsNext(i))
            chain.emplace_back(i, Mark(at));
        if (item->IsPara())
            PlaceBodyPara(*static_cast<TVYXLogPara*>(item), next, at, i == movedItem);
        else
            DoTableHeight(*static_cast<TVYXTable*>(item), at, ColumnBox(at), 0);
        if (FReplayPage >= 0) {
            // An object of this item stands over text placed before it on its page.
            const bool fromEntry = FReplayPage == entryPage && pageEntry.first >= sec.First;
            FReplayPage = -1;
            if (fromEntry) {
                Restore(pageEntry.second, at);
                i = pageEntry.first - 1;
                previous.first = -1;
                entryPage = -1;
                chain.clear();
                continue;
            }
        }
        if (!kept || chain.empty() || FFirstWhere == before)
            continue;
        // The item began a new column or page, away from the paragraphs that keep
        // with it: they go along, unless the first of them already heads its column.
        const auto& [start, mark] = chain.front();
        // A run that already crossed a page cannot be kept together anyway.
        if (start == movedItem || mark.At.Y <= mark.At.ColTop + 0.01 || mark.At.Page != before.first ||
            mark.At.Col != before.second)
            continue;
        Restore(mark, at);
        movedItem = start;
        i = start - 1;
        chain.clear();
    }
}

void TVYXPaginatorDoc::DoTableHeight(TVYXTable& table, TPlace& at, const TBox& box, int depth)
{
    const double x0 = box.X + FGDI.PtToPixXF(table.TAPX().GetIndent());
    int headers = 0;
    while (headers < table.Count() && table.GetRows(headers)->RptData)
        ++headers;
    if (headers == table.Count())
        headers = 0;  // a table of header rows only has nothing to repeat them for
    FOpenTables.emplace_back(&table, 0);
    const TVYXTAP* tap = table.TAPX().TAP();
    // Roots of vertical merges: their content may run through the merge's rows, and
    // the merge's last row grows if it has not reached the content's end.
    struct TMerge {
        int LastRow;
        TPlace End;
    };
    std::vector<TMerge> merges;
    int movedRow = -1;  // a row that may not split and was moved to the next page
    for (int r = 0; r < table.Count(); ++r) {
        if (r == headers && headers > 0)
            FOpenTables.back().second = headers;
        TVYXTableRow& row = *table.GetRows(r);
        // A row whose first line cannot start here begins on the next page.
        const double firstLine = FirstLineHeight(row);
        if (at.Y + firstLine > BodyBottom(at) && at.Y > FPages.GetItems(at.Page).ContentTop + 0.01 && !FWeb)
            NextColumnOrPage(at, depth);
        if (r == movedRow && at.Y > FPages.GetItems(at.Page).ContentTop + 0.01)
            NextColumnOrPage(at, depth);
        if (r == 0 && depth == 0)
            FFirstWhere = {at.Page, at.Col};
        const bool keepRow = row.CantSplit && !FWeb && r != movedRow && at.Y > FPages.GetItems(at.Page).ContentTop + 0.01;
        std::optional<TMark> rowMark;
        if (keepRow)
            rowMark = Mark(at);
        const std::size_t mergesBefore = merges.size();
        const int startPage = at.Page;
        const double y0 = at.Y;
        const double top = FGDI.PtToPixYF(row.TopBorderMaxSize());
        TPlace end = at;
        struct TCellEnd {
            TVYXTableCell* Cell;
            TPlace End;
        };
        std::vector<TCellEnd> ends;
        for (int c = 0; c < row.Count(); ++c) {
            TVYXTableCell& cell = *row.GetCells(c);
            const TVYXTableCellProps& cp = cell.Props();
            const double margTop = cp.MargTopSet ? cp.MargTop : (tap ? tap->CellMargTop : 0);
            const double margBottom = cp.MargBottomSet ? cp.MargBottom : (tap ? tap->CellMargBottom : 0);
            const double margLeft = cp.MargLeftSet ? cp.MargLeft : (tap ? tap->CellMargLeft : 5.6);
            cell.PixX1 = x0 + FGDI.PtToPixXF(cell.GetLeft());
            cell.PixX2 = cell.PixX1 + FGDI.PtToPixXF(cell.CalculatedWidth());
            if (cell.GetMerged() && !cell.GetMergedRoot())
                continue;  // covered by the cell above
            TPlace cat = at;
            cat.Y = y0 + top + FGDI.PtToPixYF(margTop);
            cat.ColTop = cat.Y;
            const TBox cellBox{cell.PixX1 + FGDI.PtToPixXF(margLeft), std::max(20.0, FGDI.PtToPixXF(cell.GetClientWidth()))};
            DoParasHeight(cell.Paras(), cat, cellBox, depth + 1);
            cat.Y += FGDI.PtToPixYF(margBottom);
            if (const int span = cell.CalcRowSpan(); span > 1) {
                merges.push_back({r + span - 1, cat});
                continue;
            }
            if (cat.Page > end.Page || (cat.Page == end.Page && cat.Y > end.Y))
                end = cat;
            ends.push_back({&cell, cat});
        }
        for (const TMerge& m : merges)
            if (m.LastRow == r && (m.End.Page > end.Page || (m.End.Page == end.Page && m.End.Y > end.Y)))
                end = m.End;
        if (rowMark && end.Page != startPage) {
            // The row may not split: it starts again at the top of the next page.
            Restore(*rowMark, at);
            merges.resize(mergesBefore);
            movedRow = r--;
            continue;
        }
        const double minH = FGDI.PtToPixYF(std::max({row.Height, row.MHeight, 0.0}));
        if (end.Page == startPage) {
            double h = end.Y - y0;
            if (row.HeightExact && row.Height > 0)
                h = FGDI.PtToPixYF(row.Height);
            else
                h = std::max(h, minH);
            end.Y = y0 + h;
            for (const TCellEnd& e : ends) {  // vertical alignment within the row
                if (e.End.Page != startPage)
                    continue;
                const double free = end.Y - e.End.Y;
                if (free <= 0.01)
                    continue;
                if (e.Cell->AlignVert == atcavCenter)
                    OffsetParas(e.Cell->Paras(), free / 2);
                else if (e.Cell->AlignVert == atcavBottom)
                    OffsetParas(e.Cell->Paras(), free);
            }
            row.PixY1 = static_cast<float>(y0);
            row.PixY2 = static_cast<float>(end.Y);
            row.AHeight = h / FPPY;
        } else {
            // The row went on to a later page: it ends below its lowest cell there.
            row.PixY1 = static_cast<float>(FPages.GetItems(end.Page).ContentTop);
            row.PixY2 = static_cast<float>(end.Y);
            row.AHeight = 0;
        }
        end.Col = at.Col;
        end.ColTop = end.Page == at.Page ? at.ColTop : FPages.GetItems(end.Page).ContentTop;
        end.MaxY = std::max(end.Y, end.Page == at.Page ? at.MaxY : 0.0);
        end.Y += FGDI.PtToPixYF(row.BottomBorderMaxSize()) * (row.IsBottom() ? 0.5 : 0);
        at = end;
    }
    if (depth == 0)
        FLastWhere = {at.Page, at.Col};
    FOpenTables.pop_back();
}

void TVYXPaginatorDoc::DoParasHeight(TVYXLogParas& paras, TPlace& at, const TBox& box, int depth)
{
    for (int i = 0; i < paras.Count(); ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsPara())
            DoParaHeight(*static_cast<TVYXLogPara*>(item), i + 1 < paras.Count() ? paras.GetItems(i + 1) : nullptr, at, box,
                      depth);
        else
            DoTableHeight(*static_cast<TVYXTable*>(item), at, box, depth);
    }
}

void TVYXPaginatorDoc::DoHeadersFooters()
{
    const TVYXSEP& sep = *FSections.front().SEP;
    const double width = FGDI.PtToPixXF(sep.GetClientWidth());
    const double x = FGDI.PtToPixXF(sep.GetMargLeft());
    for (int k = 0; k < 3; ++k) {
        const auto kind = static_cast<TVYXPageHdrFtr>(k);
        FHeaderEx[k] = FFooterEx[k] = -1;
        if (kind == aphfFirst && !sep.TitlePg)
            continue;  // the first page shows its own header only in a title-page section
        if (TVYXLogDocEditor* h = Header(kind)) {
            DoPaginate(h->Paras(), width, false);
            const double height = ParasHeight(h->Paras());
            FHeaderEx[k] = std::max(0.0, height - FGDI.PtToPixYF(sep.GetHeightHeader()));
            // Header rows stand at the header distance on every page.
            TPlace at;
            at.Y = FGDI.PtToPixYF(sep.GetMargHeader());
            for (TVYXLogPara* p = h->Paras()._FirstPara(); p; p = p->Next())
                if (TVYXPhyRows* rows = RowsOf(*p))
                    for (int r = 0; r < rows->Count(); ++r) {
                        TVYXPhyRow& row = rows->GetItems(r);
                        row.Baseline = static_cast<float>(at.Y + row.Ascent);
                        row.PageX = static_cast<float>(x);
                        at.Y += Advance(row, *rows);
                    }
        }
        if (TVYXLogDocEditor* f = Footer(kind)) {
            DoPaginate(f->Paras(), width, false);
            const double height = ParasHeight(f->Paras());
            FFooterEx[k] = std::max(0.0, height - FGDI.PtToPixYF(sep.GetHeightFooter()));
            double y = FGDI.PtToPixYF(sep.GetPageHeight() - sep.GetMargFooter()) - height;
            for (TVYXLogPara* p = f->Paras()._FirstPara(); p; p = p->Next())
                if (TVYXPhyRows* rows = RowsOf(*p))
                    for (int r = 0; r < rows->Count(); ++r) {
                        TVYXPhyRow& row = rows->GetItems(r);
                        row.Baseline = static_cast<float>(y + row.Ascent);
                        row.PageX = static_cast<float>(x);
                        y += Advance(row, *rows);
                    }
        }
    }
}

void TVYXPaginatorDoc::EndPage(TVYXPhyPage& page)
{
    PlaceNotes(page);
    // Floating objects of the paragraphs that start on the page.
    for (int i = 0; i < page.Rows.Count(); ++i) {
        const TVYXPhyRow& row = page.Rows.GetItems(i);
        TVYXGraphicObjList* graphics = row.Para && row.GetIsFirst() ? row.Para->Graphics() : nullptr;
        if (!graphics)
            continue;
        for (int g = 0; g < graphics->Count(); ++g) {
            TVYXGraphicObj& obj = graphics->GetItems(g);
            // Objects text wraps around were placed with their paragraph (not those in
            // cells, text boxes or on an endless page).
            const bool onPage = IsPageObject(obj);
            const auto placed = [&](const TZone& z) { return z.Obj == &obj; };
            if (!onPage || (std::none_of(FZones.begin(), FZones.end(), placed) &&
                            std::none_of(FEarlyZones.begin(), FEarlyZones.end(), placed)))
                PlaceObject(obj, page, {row.PageX, page.GetClientWidth()}, row.GetY1());
            PlaceTextBox(obj, page);
            if (onPage) {
                page.GrPage.push_back(&obj);
            } else if (obj.Wrap == agow_ParaLeft || obj.Wrap == agow_ParaRight) {
                // Beside the text: at the paragraph's top, against the side it narrows.
                obj.PixAbsX = obj.Wrap == agow_ParaLeft ? row.PageX : page.ClientX2 - obj.PixRotWidth;
                obj.PixAbsY = row.GetY1();
                page.GrPage.push_back(&obj);
            } else if (obj.Wrap == agowBehind) {
                page.GrBehind.push_back(&obj);
            } else {
                page.GrInFront.push_back(&obj);
            }
        }
    }
}

void TVYXPaginatorDoc::DoSectionBreak(int index, TPlace& at)
{
    const TSection& sec = FSections[static_cast<std::size_t>(index)];
    if (index == 0 || at.Page < 0) {
        AddPage(at, index);
        return;
    }
    if (FWeb) {
        at.Section = index;
        at.Col = 0;
        at.ColTop = at.MaxY = at.Y;
        return;
    }
    switch (sec.SEP->Type) {
    case astContinous:
        // Below everything the previous section's columns reached on this page.
        at.Section = index;
        at.Y = at.ColTop = at.MaxY = std::max(at.Y, at.MaxY);
        at.Col = 0;
        break;
    case astNextColumn: {
        const TVYXSEP& prev = *FSections[static_cast<std::size_t>(index - 1)].SEP;
        if (prev.Cols.Count() > 1 && at.Col + 1 < prev.Cols.Count()) {
            ++at.Col;
            at.Y = at.ColTop;
            at.Section = index;
        } else {
            AddPage(at, index);
        }
        break;
    }
    case astEvenPage:
    case astOddPage:
        AddPage(at, index);
        // Page numbers count from 1: an even page has an odd index.
        if ((sec.SEP->Type == astEvenPage) != (at.Page % 2 == 1))
            AddPage(at, index);  // a blank page keeps the parity
        break;
    default:
        AddPage(at, index);
        break;
    }
}

void TVYXPaginatorDoc::Paginate()
{
    FBroken = 0;
    FPages.Clear();
    FCarriedNotes.clear();
    FZones.clear();
    FEarlyZones.clear();
    FReplayed.clear();
    FReplayPage = -1;
    FOpenTables.clear();
    FCounters.clear();
    FCounterIds.clear();
    FTextBoxes.clear();
    FPPX = FGDI.PixelsPerInchX() / 72.0;
    FPPY = FGDI.PixelsPerInchY() / 72.0;
    FDoc.SetPPI(FGDI.PixelsPerInchX(), FGDI.PixelsPerInchY());
    FWeb = FDoc.DOP().WebLayout;
    FFields->Now = Now;
    FPaginator.FieldTextEvent = [this](const TVYXCharRun& run) { return FieldText(run); };
    CollectSections();

    // Rows: the body section by section at its column width, then headers, footers and notes.
    std::fill(std::begin(FCarry), std::end(FCarry), 0.0);
    for (const TSection& sec : FSections) {
        double width = FGDI.PtToPixXF(sec.SEP->GetClientWidth());
        if (FWeb)
            width = FGDI.PtToPixXF(sec.SEP->GetPageWidth() - 2 * sec.SEP->MargWeb);
        else if (sec.SEP->Cols.Count() > 1) {
            const int n = sec.SEP->Cols.Count();
            const double w = sec.SEP->Cols.Items(0).Width;
            width = w > 0 ? FGDI.PtToPixXF(w) : (width - FGDI.PtToPixXF(sec.SEP->Cols.AverageColSpace()) * (n - 1)) / n;
        }
        for (int i = sec.First; i <= sec.Last; ++i) {
            TVYXLogParaItem* item = FDoc.Paras().GetItems(i);
            if (item->IsPara()) {
                auto& para = *static_cast<TVYXLogPara*>(item);
                BreakPara(para, width, LabelOf(para));
            } else {
                auto& table = *static_cast<TVYXTable*>(item);
                for (int r = 0; r < table.Count(); ++r)
                    for (int c = 0; c < table.GetRows(r)->Count(); ++c) {
                        TVYXTableCell& cell = *table.GetRows(r)->GetCells(c);
                        DoPaginate(cell.Paras(), std::max(20.0, FGDI.PtToPixXF(cell.GetClientWidth())), true);
                    }
            }
        }
    }
    const double bodyWidth = FGDI.PtToPixXF(FSections.front().SEP->GetClientWidth());
    FHeaderEx[0] = FHeaderEx[1] = FHeaderEx[2] = -1;
    FFooterEx[0] = FFooterEx[1] = FFooterEx[2] = -1;
    if (!FWeb)
        DoHeadersFooters();
    FNoteOf.clear();
    if (FDoc.FootnoteList().Count() > 0) {
        DoPaginate(FDoc.Footnotes().Paras(), bodyWidth, false);
        for (int i = 0; i < FDoc.FootnoteList().Count(); ++i) {
            TVYXFootnoteItem* n = FDoc.FootnoteList().GetItems(i);
            FNoteOf[static_cast<TVYXFootnoteBaseItem*>(n)] = n;
        }
    }
    const bool endnotes = FDoc.EndnoteList().Count() > 0;
    if (endnotes)
        DoPaginate(FDoc.Endnotes().Paras(), bodyWidth, false);

    // Placement.
    TPlace at;
    for (std::size_t s = 0; s < FSections.size(); ++s) {
        DoSectionBreak(static_cast<int>(s), at);
        const TSection& sec = FSections[s];
        const TPlace start = at;
        const TMark startMark = Mark(at);
        const auto place = [&] { PlaceItems(sec, at); };
        place();
        // Columns before a continuous break are balanced: the section is placed again
        // with a column height that grows from an even share until it fits the page.
        const int cols = sec.SEP->Cols.Count();
        const bool balance = !FWeb && cols > 1 && s + 1 < FSections.size() &&
                             FSections[s + 1].SEP->Type == astContinous && at.Page == start.Page && at.Col < cols;
        if (balance) {
            const auto undo = [&] { Restore(startMark, at); };
            const double used = (at.Col * (BodyBottom(at) - start.ColTop) + (at.Y - start.ColTop));
            const TPlace single = at;
            bool fitted = false;
            // At most 64 tries, whatever the page's height.
            const double step = std::max(4.0, (BodyBottom(single) - start.ColTop) / 64);
            for (double limit = start.ColTop + used / cols; limit < BodyBottom(single) && !fitted; limit += step) {
                undo();
                FColLimit = limit;
                place();
                FColLimit = 0;
                fitted = at.Page == start.Page;
            }
            if (!fitted) {
                undo();
                place();
            }
        }
    }
    if (FWeb && !FNoteOf.empty())
        DoParasHeight(FDoc.Footnotes().Paras(), at, ColumnBox(at), 0);
    if (endnotes)
        DoParasHeight(FDoc.Endnotes().Paras(), at, ColumnBox(at), 0);
    while (!FCarriedNotes.empty())  // notes of the last rows: pages of their own
        AddPage(at, at.Section);
    // Tables answer the mouse from the moment they are laid out, painted or not.
    const double handle = std::max(6.0, FGDI.PtToPixXF(8));
    for (int i = 0; i < FPages.Count(); ++i) {
        EndPage(FPages.GetItems(i));
        VYXMakeTableAreas(FPages.GetItems(i), handle);
    }
    if (FWeb) {
        FWebHeight = at.Y;
        FDoc.DOP().WebHeight = FWebHeight / FGDI.PixelsPerInchY() * 72 + 2 * FSections.front().SEP->MargWeb;
    }
}

void TVYXPaginatorDoc::Clear()
{
    FPages.Clear();
    FDoc.Paras().ClearRows();
    if (FDoc.FootnoteList().Count() > 0)
        FDoc.Footnotes().Paras().ClearRows();
    if (FDoc.EndnoteList().Count() > 0)
        FDoc.Endnotes().Paras().ClearRows();
    for (TVYXGraphicRotate* box : FTextBoxes)
        if (box->TextBox && box->TextBox->Paras)
            box->TextBox->Paras->ClearRows();
    FTextBoxes.clear();
    for (int k = 0; k < 3; ++k) {
        if (TVYXLogDocEditor* h = Header(static_cast<TVYXPageHdrFtr>(k)))
            h->Paras().ClearRows();
        if (TVYXLogDocEditor* f = Footer(static_cast<TVYXPageHdrFtr>(k)))
            f->Paras().ClearRows();
    }
}

std::size_t TVYXPaginatorDoc::RowMemory() const
{
    std::size_t bytes = 0;
    const auto add = [&](TVYXLogParas& paras) {
        TVYXLogParasIterator it;
        it.ParaEvent = [&](TVYXLogPara& p) {
            if (const TVYXPhyRows* rows = RowsOf(p))
                bytes += rows->MemoryUsed();
        };
        it.Iterate(paras);
    };
    add(FDoc.Paras());
    if (FDoc.FootnoteList().Count() > 0)
        add(FDoc.Footnotes().Paras());
    return bytes;
}
