// VYXEditorView.cpp: the facade's screen side: pages on screen, caret geometry, hit
// testing, line and page moves, the mouse, painting and the diagnostic dumps.
//
// Geometry comes from the rows the paginator placed: a row knows its page, its
// baseline and its pieces with their x and advance. Inside a piece the advance is
// shared evenly among its characters; that places the caret within a fraction of a
// character in proportional text and exactly at piece and row boundaries.
#include <algorithm>
#include <cmath>

#include "editing/VYXEditor.h"
#include "editing/VYXEditorScope.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXLayoutDump.h"
#include "layout/VYXPaginate.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocDump.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXLogParas.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

namespace {
TVYXPhyRows* RowsOf(const TVYXLogPara& para) { return static_cast<TVYXPhyRows*>(para.Rows()); }

double XInRow(const TVYXPhyRow& row, std::int32_t pos)
{
    double end = 0;
    for (const TVYXRowPiece& piece : row.Pieces) {
        end = std::max(end, static_cast<double>(piece.X + piece.Width));
        if (!piece.Run)
            continue;
        const std::int32_t start = piece.Run->StartPos + piece.From;
        const std::int32_t len = std::max(piece.Len, 1);
        if (pos >= start && pos < start + len)
            return piece.X + (pos - start) * static_cast<double>(piece.Width) / len;
    }
    return end;
}

std::int32_t PosInRow(const TVYXPhyRow& row, double x)
{
    for (const TVYXRowPiece& piece : row.Pieces) {
        if (!piece.Run || x >= piece.X + piece.Width)
            continue;
        const std::int32_t len = std::max(piece.Len, 1);
        const std::int32_t start = piece.Run->StartPos + piece.From;
        if (x <= piece.X)
            return start;
        const double each = piece.Width / len;
        const auto offset = static_cast<std::int32_t>(std::lround((x - piece.X) / (each > 0 ? each : 1)));
        return start + std::clamp(offset, 0, len);
    }
    // Right of the text: the row's end; a row that wraps keeps the caret before its
    // break so that it stays on this row.
    if ((row.Flags & aprfLast) || row.Empty())
        return row.EndPos;
    return std::max(row.StartPos, row.EndPos - 1);
}

// Every row of the paragraphs of a list (cells included), in reading order.
void AddParaRows(TVYXLogParas& paras, std::vector<TVYXPhyRow*>& out)
{
    for (TVYXLogPara* p = paras._FirstPara(); p; p = p->Next())
        if (TVYXPhyRows* rows = RowsOf(*p))
            for (int r = 0; r < rows->Count(); ++r)
                out.push_back(&rows->GetItems(r));
}

bool IsHeaderFooter(const TVYXLogDocEditor& doc)
{
    return doc.DocType() == aldtHeader || doc.DocType() == aldtFooter;
}

}  // namespace

// ---- Rows and positions ------------------------------------------------------------

void TVYXEditor::CollectRows(TVYXLogDocEditor& doc, int page, std::vector<TVYXPhyRow*>& rows) const
{
    rows.clear();
    const TVYXPhyPages& pages = FPaginator->Pages();
    if (page < 0 || page >= pages.Count())
        return;
    const TVYXPhyPage& p = pages.GetItems(page);
    if (&doc == FMainDoc) {
        for (int i = 0; i < p.Rows.Count(); ++i)
            rows.push_back(&p.Rows.GetItems(i));
    } else if (IsHeaderFooter(doc)) {
        AddParaRows(doc.Paras(), rows);  // the same rows stand on every page
    } else if (doc.DocType() == aldtFootnotes || doc.DocType() == aldtEndnotes) {
        for (int i = 0; i < p.NoteRows.Count(); ++i)
            rows.push_back(&p.NoteRows.GetItems(i));
    }
}

bool TVYXEditor::PosToXY(const TVYXLogPos& pos, int& page, double& x, double& y, double& height) const
{
    if (!pos.Para)
        return false;
    const TVYXPhyRows* rows = RowsOf(*pos.Para);
    if (!rows || rows->Count() == 0)
        return false;
    const TVYXPhyRow* row = rows->Find(pos.CharPos);
    if (!row)
        row = rows->Last();
    page = row->Page;
    if (page < 0) {
        // Header and footer rows belong to every page: the page in view.
        page = 0;
        const double mid = FScrollY + FScrArea.Height() / 2;
        for (int i = 0; i < static_cast<int>(FPageTops.size()); ++i)
            if (FPageTops[static_cast<std::size_t>(i)] <= mid)
                page = i;
    }
    x = PageScreenLeft() + row->GetX() + XInRow(*row, pos.CharPos);
    y = PageScreenTop(page) + row->GetY1();
    height = row->Height();
    return true;
}

bool TVYXEditor::GetCaretXY(double& x, double& y, double& height) const
{
    int page = 0;
    return PosToXY(FFocusDoc->Caret(), page, x, y, height);
}

TVYXLogDocEditor* TVYXEditor::XYToDocAndPage(double x, double y, int& page) const
{
    page = -1;
    const TVYXPhyPages& pages = FPaginator->Pages();
    const double left = PageScreenLeft();
    for (int i = 0; i < pages.Count() && i < static_cast<int>(FPageTops.size()); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        const double top = PageScreenTop(i);
        if (y < top || y > top + p.PageHeight || x < left || x > left + p.PageWidth)
            continue;
        page = i;
        const double py = y - top;
        if (TVYXLogDocEditor* hf = GetHeaderFooter(i, x, y))
            return hf;
        if (!p.Footnotes.empty() && py >= p.GetAbsAbsFNotesCY1() && py <= p.ClientY2 - p.FooterExHeight())
            return &FMainDoc->Footnotes();
        return FMainDoc;
    }
    return nullptr;
}

TVYXLogDocEditor* TVYXEditor::GetHeader(int page) const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    if (page < 0 || page >= pages.Count())
        return nullptr;
    TVYXLogDocEditor* h = FPaginator->Header(pages.GetItems(page).HdrFtrKind());
    return h ? h : FPaginator->Header(aphfDefault);
}

TVYXLogDocEditor* TVYXEditor::GetFooter(int page) const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    if (page < 0 || page >= pages.Count())
        return nullptr;
    TVYXLogDocEditor* f = FPaginator->Footer(pages.GetItems(page).HdrFtrKind());
    return f ? f : FPaginator->Footer(aphfDefault);
}

TVYXLogDocEditor* TVYXEditor::GetHeaderFooter(int page, double, double y) const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    if (page < 0 || page >= pages.Count())
        return nullptr;
    const TVYXPhyPage& p = pages.GetItems(page);
    const double py = y - PageScreenTop(page);
    if (py < p.BodyTop())
        return GetHeader(page);
    if (py > p.ClientY2 - p.FooterExHeight())
        return GetFooter(page);
    return nullptr;
}

bool TVYXEditor::XYToLogPos(TVYXLogDocEditor& doc, int page, double x, double y, TVYXLogPos& pos) const
{
    std::vector<TVYXPhyRow*> rows;
    CollectRows(doc, page, rows);
    if (rows.empty())
        return false;
    const double py = y - PageScreenTop(page);
    const double px = x - PageScreenLeft();
    // The row whose band holds the point, else the nearest one.
    TVYXPhyRow* best = nullptr;
    double bestDist = 0;
    for (TVYXPhyRow* row : rows) {
        if (!row->Para)
            continue;
        double dist = 0;
        if (py < row->GetY1())
            dist = row->GetY1() - py;
        else if (py > row->GetY2())
            dist = py - row->GetY2();
        if (dist == 0 && (px < row->PageX || px > row->PageX + row->AvailWidth + row->XOffs))
            dist = 0.5;  // a row beside in another column or cell: only when nothing better
        if (!best || dist < bestDist) {
            best = row;
            bestDist = dist;
        }
    }
    if (!best)
        return false;
    pos.Assign(best->Para, PosInRow(*best, px - best->GetX()));
    pos.SetWithinLimits();
    return true;
}

TVYXCharRun* TVYXEditor::FindCharRun(double x, double y) const
{
    int page = -1;
    TVYXLogDocEditor* doc = XYToDocAndPage(x, y, page);
    TVYXLogPos pos;
    if (!doc || !XYToLogPos(*doc, page, x, y, pos))
        return nullptr;
    return pos.GetCharRun();
}

TVYXHyperlink* TVYXEditor::FindHyperlink(double x, double y) const
{
    int page = -1;
    TVYXLogDocEditor* doc = XYToDocAndPage(x, y, page);
    TVYXLogPos pos;
    if (!doc || !XYToLogPos(*doc, page, x, y, pos))
        return nullptr;
    // Only a point over the link's text counts, not the caret place just after it.
    const TVYXCharRun* run = pos.GetCharRun();
    TVYXHyperlink* link = pos.GetHyperlink();
    return run && run->GetEndPos() > pos.CharPos ? link : nullptr;
}

void TVYXEditor::ClickHLink(const TVYXHyperlink& link)
{
    if (link.Type == ahtBookmark)
        CommandUI(vycMoveBookmark, std::u16string_view(link.Address));
    else if (FHLinkEvent)
        FHLinkEvent(*this, link);
}

// ---- Line and page moves ------------------------------------------------------------------

bool TVYXEditor::DocPhyPosition(TVYXLogDocEditor& doc, int typeValue, TVYXLogPos& pos)
{
    const auto type = static_cast<TVYXPhyPosType>(typeValue);
    if (FMainDoc->Dirty())
        PaginateAll();
    int page = 0;
    double x = 0, y = 0, h = 0;
    if (!PosToXY(pos, page, x, y, h))
        return false;
    const TVYXPhyRows* rows = RowsOf(*pos.Para);
    const TVYXPhyRow* row = rows->Find(pos.CharPos);
    if (!row)
        row = rows->Last();
    switch (type) {
    case apstLineStart: pos.CharPos = row->StartPos; return true;
    case apstLineEnd: pos.CharPos = (row->Flags & aprfLast) ? row->EndPos : std::max(row->StartPos, row->EndPos - 1); return true;
    default: break;
    }
    const double wantX = FRestoreX >= 0 ? FRestoreX - FScrollX : x;
    if (FRestoreX < 0)
        FRestoreX = x + FScrollX;
    double targetY = y;
    switch (type) {
    case apstLineUp: targetY = y - 1; break;
    case apstLineDown: targetY = y + h + 1; break;
    case apstPageUp: targetY = y - std::max(20.0, FScrArea.Height()); break;
    case apstPageDown: targetY = y + std::max(20.0, FScrArea.Height()); break;
    case apstTopRow: targetY = FScrArea.Y1(); break;
    case apstBottomRow: targetY = FScrArea.Y2(); break;
    default: return false;
    }
    const int pages = FPaginator->Pages().Count();
    if (pages == 0)
        return false;
    const bool up = type == apstLineUp || type == apstPageUp || type == apstTopRow;
    const bool line = type == apstLineUp || type == apstLineDown;
    // Line moves take the nearest row above or below the caret's row (on the next or
    // previous page when the page has none); page and window moves the row at the
    // target height.
    int target = page;
    if (!line) {
        while (target > 0 && targetY < PageScreenTop(target))
            --target;
        while (target + 1 < pages && targetY > PageScreenTop(target + 1))
            ++target;
    }
    const double rowTop = y;
    std::vector<TVYXPhyRow*> list;
    const TVYXPhyRow* chosen = nullptr;
    double chosenTop = 0;
    for (int step = 0; step < 2 && !chosen; ++step) {
        const int p = step == 0 ? target : (up ? target - 1 : target + 1);
        if (p < 0 || p >= pages)
            break;
        CollectRows(doc, p, list);
        const double pageTop = PageScreenTop(p);
        for (TVYXPhyRow* r : list) {
            if (!r->Para || r == row)
                continue;
            const double top = pageTop + r->GetY1(), bottom = pageTop + r->GetY2();
            bool fits;
            if (line)
                fits = up ? top < rowTop - 0.5 : top > rowTop + 0.5;
            else
                fits = up ? top <= targetY || step == 1 : bottom >= targetY || step == 1;
            if (!fits)
                continue;
            const bool better = !chosen || (up ? top > chosenTop : top < chosenTop);
            if (better) {
                chosen = r;
                chosenTop = top;
            }
        }
    }
    if (!chosen || chosen == row)
        return false;
    pos.Assign(chosen->Para, PosInRow(*chosen, wantX - PageScreenLeft() - chosen->GetX()));
    pos.SetWithinLimits();
    return true;
}

// ---- Mouse --------------------------------------------------------------------------------

void TVYXEditor::MouseCommand(TVYXCommand cmd, TVYXMouseShift shift, double x, double y)
{
    if (FIsUpdating)
        return;
    TVYXEditorCommandScope scope(*this, cmd);
    switch (cmd) {
    case vycMouseDown:
        if (!FMouseResponder->MouseDown(shift, x, y) && (shift & vymsLeft)) {
            DoMouseDown(x, y, (shift & vymsDouble) != 0);
            FMainDoc->SetRepaint(true);
        } else if (FMouseResponder->WantsRepaint())
            FMainDoc->SetRepaint(true);
        break;
    case vycMouseMove:
        FCurrCmdIsMouseMove = true;
        if (FMouseResponder->MouseMove(shift, x, y) && FMouseResponder->WantsRepaint())
            FMainDoc->SetRepaint(true);
        break;
    case vycMouseUp:
        if (FMouseResponder->MouseUp(shift, x, y)) {
            FMainDoc->SetRepaint(true);
            FUpdateGr = FGraphicEditor != nullptr;
        }
        break;
    case vycSelectToXY:
        SelectToXY(x, y);
        FMainDoc->SetRepaint(true);
        break;
    default: break;
    }
    if (FMainDoc->Repaint())
        UpdateUI();
    scope.Finish();
}

void TVYXEditor::DoMouseDown(double x, double y, bool doubleClick)
{
    if (FMainDoc->Dirty())
        PaginateAll();
    int page = -1;
    TVYXLogDocEditor* doc = XYToDocAndPage(x, y, page);
    if (!doc)
        return;
    if (doc != FFocusDoc)
        SetFocusDoc(*doc);
    LeaveGraphicEditing();
    TVYXLogPos pos;
    if (!XYToLogPos(*doc, page, x, y, pos))
        return;
    doc->Command(vycMovePos, pos);
    if (const TVYXCharRun* run = doc->Caret().GetCharRun();
        run && (run->Type_() == acrtGraphic || run->Type_() == acrtPicture) && run->StartPos == doc->Caret().CharPos)
        doc->Command(vycSelectCharRight);
    FRestoreX = -1;
    CaretPosChanged();
    if (doubleClick)
        CommandUI(vycSelectWord);
}

void TVYXEditor::DoMouseMove(double x, double y)
{
    if (FMainDoc->Dirty())
        PaginateAll();
    int page = -1;
    TVYXLogDocEditor* doc = XYToDocAndPage(x, y, page);
    // A drag keeps to the focused document: over another one, use the nearest row of
    // the focused one on that page.
    if (page < 0)
        return;
    (void)doc;
    TVYXLogPos pos;
    if (!XYToLogPos(*FFocusDoc, page, x, y, pos))
        return;
    FFocusDoc->Caret().Assign(pos);
    CaretPosChanged();
}

void TVYXEditor::SelectToXY(double x, double y)
{
    if (FMainDoc->Dirty())
        PaginateAll();
    int page = -1;
    XYToDocAndPage(x, y, page);
    if (page < 0) {
        // Past the last page or above the first: the nearest one.
        page = y < PageScreenTop(0) ? 0 : FPaginator->Pages().Count() - 1;
    }
    TVYXLogPos pos;
    if (!XYToLogPos(*FFocusDoc, page, x, y, pos))
        return;
    FFocusDoc->Command(vycSelectToPos, pos);
    FRestoreX = -1;
}

// ---- Painting -------------------------------------------------------------------------------

void TVYXEditor::PaintPages(bool screen)
{
    ++FRepaintCount;
    TVYXGDI& g = *FGDI;
    const TVYXPhyPages& pages = FPaginator->Pages();
    const double left = PageScreenLeft();
    const double areaTop = 0, areaBottom = FScrArea.Height();
    TVYXFontDataDoc font;
    // Rows of headers and footers of every page kind, with the kind they belong to.
    for (int i = 0; i < pages.Count() && i < static_cast<int>(FPageTops.size()); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        const double top = PageScreenTop(i);
        if (top > areaBottom || top + p.PageHeight < areaTop)
            continue;  // not in view
        g.SetBrushColor(0xFFFFFF);
        g.SetPenColor(0x808080);
        g.SetPenWidthF(1);
        g.RectangleF(left, top, left + p.PageWidth, top + p.PageHeight);
        if (FShowMargins)
            g.RectOutlineF(left + p.ClientX1, top + p.ClientY1, left + p.ClientX2, top + p.ClientY2);
        std::vector<const TVYXPhyRow*> rows;
        for (int r = 0; r < p.Rows.Count(); ++r)
            rows.push_back(&p.Rows.GetItems(r));
        for (int r = 0; r < p.NoteRows.Count(); ++r)
            rows.push_back(&p.NoteRows.GetItems(r));
        std::vector<TVYXPhyRow*> hf;
        if (TVYXLogDocEditor* h = GetHeader(i))
            AddParaRows(h->Paras(), hf);
        if (TVYXLogDocEditor* f = GetFooter(i))
            AddParaRows(f->Paras(), hf);
        rows.insert(rows.end(), hf.begin(), hf.end());
        g.SetTextAlign(xhtaLeft, xvtaBaseline);
        g.SetTransparentMode(true);
        for (const TVYXPhyRow* row : rows) {
            if (!row->Para)
                continue;
            for (const TVYXRowPiece& piece : row->Pieces) {
                if (!piece.Run || piece.Text.empty() || piece.Text == u"\t" || piece.Text[0] == 8)
                    continue;
                piece.Run->SetupFontData(font, &row->Para->PAPX());
                g.SetFont(font);
                g.SetFontColor(font.Color == cVYXAutoColor ? 0 : font.Color);
                g.TextOutF(left + row->GetX() + piece.X, top + row->Baseline, piece.Text);
            }
        }
        // The selection of the focused document, as a frame under each selected stretch.
        if (FPaintPageEvent)
            FPaintPageEvent(*this, p, left, top);
    }
    FMouseResponder->Paint(g);
    FMainDoc->SetRepaint(false);
    if (screen && FPaintScreenEvent)
        FPaintScreenEvent(*this);
}

// ---- Diagnostics ------------------------------------------------------------------------------

namespace {
void AddLines(TVYXStringList& lines, const std::string& text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t nl = text.find('\n', start);
        lines.Add(text.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos)
            break;
        start = nl + 1;
    }
}
}  // namespace

void TVYXEditor::DEBUG_DumpParas(TVYXStringList& lines) const { AddLines(lines, VYXDumpParas(FFocusDoc->Paras())); }

void TVYXEditor::DEBUG_DumpPara(TVYXStringList& lines) const
{
    const TVYXLogPara* para = FFocusDoc->Caret().Para;
    if (!para)
        return;
    lines.Add("para \"" + Utf16ToUtf8(para->GetPlainText()) + "\" caret=" + std::to_string(FFocusDoc->Caret().CharPos));
    DEBUG_DumpCharRuns(lines);
}

void TVYXEditor::DEBUG_DumpCharRuns(TVYXStringList& lines) const
{
    const TVYXLogPara* para = FFocusDoc->Caret().Para;
    if (!para)
        return;
    const TVYXCharRuns& runs = para->CharRuns();
    for (int i = 0; i < runs.Count(); ++i) {
        const TVYXCharRun& run = *runs.Items(i);
        lines.Add(std::to_string(i) + " type=" + std::to_string(static_cast<int>(run.Type_())) +
                  " pos=" + std::to_string(run.StartPos) + " len=" + std::to_string(run.Len()) + " \"" +
                  Utf16ToUtf8(run.GetText()) + "\"");
    }
}

void TVYXEditor::DEBUG_DumpTable(TVYXStringList& lines) const
{
    const TVYXLogPara* para = FFocusDoc->Caret().Para;
    if (!para || !para->Cell())
        return;
    DEBUG_DumpParas(lines);
}

void TVYXEditor::DEBUG_DumpPages(TVYXStringList& lines) const { AddLines(lines, VYXLayoutDump(*FPaginator, false, false)); }
void TVYXEditor::DEBUG_DumpRows(TVYXStringList& lines) const { AddLines(lines, VYXLayoutDump(*FPaginator, true, false)); }
void TVYXEditor::DEBUG_DumpUndo(TVYXStringList& lines) const { AddLines(lines, FMainDoc->Undo().DEBUG_Dump()); }

void TVYXEditor::DEBUG_DumpSEPs(TVYXStringList& lines) const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    const TVYXSEP* last = nullptr;
    for (int i = 0; i < pages.Count(); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        if (p.SEP == last)
            continue;
        last = p.SEP;
        lines.Add("section " + std::to_string(p.SectionIndex) + " page " + std::to_string(i + 1) + " size " +
                  std::to_string(static_cast<int>(std::lround(p.SEP ? p.SEP->GetPageWidth() : 0))) + "x" +
                  std::to_string(static_cast<int>(std::lround(p.SEP ? p.SEP->GetPageHeight() : 0))) + "pt");
    }
}
