// VYXEditorView.cpp: the facade's screen side: pages on screen, caret geometry, hit
// testing, line and page moves, the mouse, painting and the diagnostic dumps.
//
// Positions and points are layout's business: a point becomes a place through the
// page (TVYXPhyPage::XYToLogPos and its relatives), a place becomes a point through
// the row's character table (TVYXRowEditor), and line and page moves go through the
// physical caret (TVYXPhyNavigator). The facade only adds the screen: pages stacked
// cPageGap apart, scrolled, and which document a point belongs to.
#include <algorithm>
#include <cmath>

#include "editing/VYXEditor.h"
#include "editing/VYXEditorScope.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXHitAreas.h"
#include "layout/VYXLayoutDump.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPaintDoc.h"
#include "layout/VYXPhyNavigator.h"
#include "layout/VYXPhyPage.h"
#include "layout/VYXPhyPos.h"
#include "layout/VYXRowEditor.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocDump.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"
#include "model/VYXUtils.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

namespace {
TVYXPhyRows* RowsOf(const TVYXLogPara& para) { return static_cast<TVYXPhyRows*>(para.Rows()); }

// Every row of the paragraphs of a list (cells included), in reading order.
void AddParaRows(TVYXLogParas& paras, std::vector<TVYXPhyRow*>& out)
{
    for (TVYXLogPara* p = paras._FirstPara(); p; p = p->Next())
        if (TVYXPhyRows* rows = RowsOf(*p))
            for (int r = 0; r < rows->Count(); ++r)
                out.push_back(&rows->GetItems(r));
}

// The innermost check-box or drop-down form field whose result holds `pos`; nullptr when none.
TVYXComplexField* FormFieldAt(const TVYXLogPos& pos)
{
    if (!pos.Para)
        return nullptr;
    std::vector<TVYXComplexField*> open;
    TVYXComplexField* found = nullptr;
    TVYXCharRuns& runs = pos.Para->CharRuns();
    for (int i = 0; i < runs.Count(); ++i) {
        TVYXCharRun& run = *runs.Items(i);
        if (auto* linked = dynamic_cast<TVYXCharRunLinked*>(&run); linked && linked->LinkedType == acrltComplexField) {
            auto* field = dynamic_cast<TVYXComplexField*>(linked->Field());
            const TVYXCharRunLinkedPos where = linked->Position();
            if (field && where == acrlpFirst)
                open.push_back(field);
            else if (field && where == acrlpLast && !open.empty())
                open.pop_back();
            continue;
        }
        if (open.empty() || pos.CharPos < run.StartPos() || pos.CharPos > run.GetEndPos())
            continue;
        for (auto it = open.rbegin(); it != open.rend(); ++it)
            if ((*it)->Type() == acftFormCheckBox || (*it)->Type() == acftFormList) {
                found = *it;
                break;
            }
        if (found && pos.CharPos < run.GetEndPos())
            break;
    }
    return found;
}

bool IsHeaderFooter(const TVYXLogDocEditor& doc)
{
    return doc.DocType() == aldtHeader || doc.DocType() == aldtFooter;
}


// A click on a column strip above a table or a row strip beside it selects that
// column or row as a rectangle of cells. Rows with merged cells hold fewer cells:
// their last one stands for the column.
bool SelectTableStrip(TVYXLogDocEditor& doc, TVYXTable& table, int col, int row)
{
    if (table.Count() == 0 || (col < 0) == (row < 0))
        return false;
    TVYXTableRow* top = table.GetRows(row >= 0 ? std::min(row, table.Count() - 1) : 0);
    TVYXTableRow* bottom = row >= 0 ? top : table.GetRows(table.Count() - 1);
    if (top->Count() == 0 || bottom->Count() == 0)
        return false;
    TVYXTableCell* from = top->GetCells(col >= 0 ? std::min(col, top->Count() - 1) : 0);
    TVYXTableCell* to = bottom->GetCells(col >= 0 ? std::min(col, bottom->Count() - 1) : bottom->Count() - 1);
    TVYXLogPara* first = from->Paras()._FirstPara();
    TVYXLogPara* last = to->Paras()._LastPara();
    if (!first || !last)
        return false;
    doc.Command(vycMovePos, TVYXLogPos(first, 1));
    doc.Command(vycSelectToPos, TVYXLogPos(last, last->EndOfParaPos()));
    return true;
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
        // Endnotes follow the body among the page's rows.
        for (int i = 0; i < p.Rows.Count(); ++i)
            rows.push_back(&p.Rows.GetItems(i));
    }
    // A page lists rows of several documents (the body, endnotes after it): only the
    // rows of `doc`'s own paragraphs count, so a caret never lands in another document.
    TVYXLogParas* own = &doc.Paras();
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [own](const TVYXPhyRow* row) {
                                  return !row->Para || !row->Para->Paras() || row->Para->Paras()->RootParas() != own;
                              }),
               rows.end());
}

int TVYXEditor::PageOfRow(const TVYXPhyRow& row) const
{
    if (row.Page >= 0)
        return row.Page;
    // A text box's rows stand inside its shape, on the shape's page.
    const TVYXLogParas* root = row.Para && row.Para->Paras() ? row.Para->Paras()->RootParas() : nullptr;
    const TVYXPhyPages& pages = FPaginator->Pages();
    for (int i = 0; root && i < pages.Count(); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        for (const auto* list : {&p.GrInFront, &p.GrBehind, &p.GrPage})
            for (const TVYXGraphicObj* g : *list)
                if (const auto* shape = dynamic_cast<const TVYXGraphicRotate*>(g);
                    shape && shape->TextBox && shape->TextBox->Paras == root)
                    return i;
    }
    // Header and footer rows belong to every page: the one clicked into, else the page in view.
    if (FHdrFtrPage >= 0 && FHdrFtrPage < static_cast<int>(FPageTops.size()))
        return FHdrFtrPage;
    int page = 0;
    const double mid = FScrollY + FScrArea.Height() / 2;
    for (int i = 0; i < static_cast<int>(FPageTops.size()); ++i)
        if (FPageTops[static_cast<std::size_t>(i)] <= mid)
            page = i;
    return page;
}

bool TVYXEditor::PosToXY(const TVYXLogPos& pos, int& page, double& x, double& y, double& height) const
{
    if (!pos.Para)
        return false;
    TVYXLogPhyPosition place(pos.Para, pos.CharPos);
    const TVYXPhyRow* row = place.GetRow();
    if (!row)
        return false;
    TVYXRowEditor editor(*FGDI, place);
    if (!editor.RowChanged())
        return false;
    page = PageOfRow(*row);
    x = PageScreenLeft() + editor.CharPosToX(pos.CharPos);
    y = PageScreenTop(page) + row->GetY1();
    height = row->Height();
    return true;
}

void TVYXEditor::ForgetColumn() { FNavigator.reset(); }

TVYXPhyNavigator& TVYXEditor::NavigatorAt(const TVYXLogPos& pos) const
{
    if (FNavigator && FNavigator->Caret().Para == pos.Para && FNavigator->Caret().CharPos == pos.CharPos)
        return *FNavigator;
    FNavigator = std::make_unique<TVYXPhyNavigator>(*FGDI, FPaginator->Pages());
    FNavigator->Caret().MoveToPos(pos);
    return *FNavigator;
}

bool TVYXEditor::GetCaretXY(double& x, double& y, double& height) const
{
    const TVYXLogPos& caret = FFocusDoc->Caret();
    if (!caret.Para || !caret.Valid())
        return false;
    // The navigator's caret knows the row of a seam place (after End on a wrapped row).
    TVYXPhyNavigator& nav = NavigatorAt(caret);
    const TVYXPhyRow* row = nav.Caret().GetRow();
    TVYXCaretRowEditor& editor = nav.RowEditor();
    if (!row || !editor.RowChanged())
        return false;
    const int page = PageOfRow(*row);
    x = PageScreenLeft() + editor.CaretX();
    y = PageScreenTop(page) + editor.CaretY();
    height = editor.CaretH();
    return true;
}

TVYXLogDocEditor* TVYXEditor::FindTextBoxDoc(const TVYXLogParas* paras) const
{
    TVYXLogDocEditors& boxes = FMainDoc->TextBoxes();
    for (int i = 0; paras && i < boxes.Count(); ++i)
        if (&boxes.GetItems(i).Paras() == paras)
            return &boxes.GetItems(i);
    return nullptr;
}

TVYXLogDocEditor* TVYXEditor::XYToDocAndPage(double x, double y, int& page) const
{
    page = -1;
    const TVYXPhyPages& pages = FPaginator->Pages();
    const double left = PageScreenLeft();
    for (int i = 0; i < pages.Count() && i < static_cast<int>(FPageTops.size()); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        const double px = x - left, py = y - PageScreenTop(i);
        const TVYXPageArea area = p.Hit(px, py);
        if (area == apaNone)
            continue;
        page = i;
        // The text of a text box, away from its frame (a press on the frame takes the
        // shape itself, to move or size it).
        if (const auto* shape = dynamic_cast<const TVYXGraphicRotate*>(p.HitGraphic(px, py));
            shape && shape->TextBox) {
            constexpr double frame = 4;
            if (px >= shape->PixAbsX + frame && px <= shape->PixAbsX + shape->PixRotWidth - frame &&
                py >= shape->PixAbsY + frame && py <= shape->PixAbsY + shape->PixRotHeight - frame)
                if (TVYXLogDocEditor* box = FindTextBoxDoc(shape->TextBox->Paras))
                    return box;
        }
        switch (area) {
        case apaHeader: return GetHeader(i);
        case apaFooter: return GetFooter(i);
        case apaFootnotes: return &FMainDoc->Footnotes();
        default: return FMainDoc;
        }
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

TVYXLogDocEditor* TVYXEditor::GetHeaderFooter(int page, double x, double y) const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    if (page < 0 || page >= pages.Count())
        return nullptr;
    switch (pages.GetItems(page).Hit(x - PageScreenLeft(), y - PageScreenTop(page))) {
    case apaHeader: return GetHeader(page);
    case apaFooter: return GetFooter(page);
    default: return nullptr;
    }
}

bool TVYXEditor::XYToLogPos(TVYXLogDocEditor& doc, int page, double x, double y, TVYXLogPos& pos) const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    if (page < 0 || page >= pages.Count())
        return false;
    const TVYXPhyPage& p = pages.GetItems(page);
    const double px = x - PageScreenLeft(), py = y - PageScreenTop(page);
    const TVYXLogParas* own = &doc.Paras();
    const auto owned = [own](const TVYXLogPos& at) {
        return at.Para && at.Para->Paras() && at.Para->Paras()->RootParas() == own;
    };
    TVYXLogPhyPosition place;
    bool hit = false;
    if (IsHeaderFooter(doc) || doc.DocType() == aldtTextBox) {
        // Their rows stand where they are shown (the same place on every page).
        hit = TVYXPhyPage::HitHeaderFooter(*FGDI, doc.Paras(), place, px, py);
    } else {
        // The page answers for the body, repeated table header rows and the notes;
        // a place in another document (a text box, endnotes after the body) does not
        // count: then the nearest of this document's own rows on the page.
        hit = &doc == FMainDoc && p.XYToLogPos(*FGDI, place, px, py) && owned(place);
        if (!hit) {
            std::vector<TVYXPhyRow*> rows;
            CollectRows(doc, page, rows);
            TVYXPhyPage mine;
            for (TVYXPhyRow* row : rows)
                mine.Rows.Add(*row);
            hit = mine.HitClient(*FGDI, place, px, py);
        }
    }
    if (!hit || !owned(place))
        return false;
    pos.Assign(place.Para, place.CharPos);
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

// ---- Drawing objects ------------------------------------------------------------------------

bool TVYXEditor::GraphicScreenRect(const TVYXGraphicObj& graphic, double& x1, double& y1, double& x2, double& y2) const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    const double left = PageScreenLeft();
    for (int i = 0; i < pages.Count() && i < static_cast<int>(FPageTops.size()); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        const double top = PageScreenTop(i);
        for (const auto* list : {&p.GrInFront, &p.GrBehind, &p.GrPage})
            if (std::find(list->begin(), list->end(), &graphic) != list->end()) {
                x1 = left + graphic.PixAbsX;
                y1 = top + graphic.PixAbsY;
                x2 = x1 + (graphic.PixRotWidth > 0 ? graphic.PixRotWidth : FGDI->PtToPixXF(graphic.Width));
                y2 = y1 + (graphic.PixRotHeight > 0 ? graphic.PixRotHeight : FGDI->PtToPixYF(graphic.Height));
                return true;
            }
        for (int r = 0; r < p.Rows.Count(); ++r) {
            const TVYXPhyRow& row = p.Rows.GetItems(r);
            for (const TVYXRowPiece& piece : row.Pieces) {
                const auto* run = dynamic_cast<const TVYXCharRunGraphic*>(piece.Run);
                if (!run || run->Graphic.get() != &graphic)
                    continue;
                x1 = left + row.GetX() + piece.X;
                x2 = x1 + piece.Width;
                y2 = top + row.Baseline;
                y1 = y2 - FGDI->PtToPixYF(graphic.Height);
                return true;
            }
        }
    }
    return false;
}

bool TVYXEditor::GraphicIsInline(const TVYXGraphicObj& graphic) const
{
    // Floating objects are listed on their page; everything else stands in a row.
    return FindFloatingOwnerPage(graphic) < 0;
}

int TVYXEditor::FindFloatingOwnerPage(const TVYXGraphicObj& graphic) const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    for (int i = 0; i < pages.Count(); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        for (const auto* list : {&p.GrInFront, &p.GrBehind, &p.GrPage})
            if (std::find(list->begin(), list->end(), &graphic) != list->end())
                return i;
    }
    return -1;
}

TVYXGraphicObj* TVYXEditor::FindFloatingGraphic(double x, double y) const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    const double left = PageScreenLeft();
    for (int i = 0; i < pages.Count() && i < static_cast<int>(FPageTops.size()); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        const double top = PageScreenTop(i);
        if (y < top || y > top + p.PageHeight)
            continue;
        for (const auto* list : {&p.GrInFront, &p.GrPage, &p.GrBehind})
            for (auto it = list->rbegin(); it != list->rend(); ++it) {
                TVYXGraphicObj* g = *it;
                const double gx = x - left - g->PixAbsX, gy = y - top - g->PixAbsY;
                const double w = g->PixRotWidth > 0 ? g->PixRotWidth : FGDI->PtToPixXF(g->Width);
                const double h = g->PixRotHeight > 0 ? g->PixRotHeight : FGDI->PtToPixYF(g->Height);
                if (gx >= 0 && gy >= 0 && gx <= w && gy <= h)
                    return g;
            }
    }
    return nullptr;
}

// ---- Tables ---------------------------------------------------------------------------------

bool TVYXEditor::TableHitAt(double x, double y, TVYXTableHit& hit, int& page) const
{
    hit = TVYXTableHit();
    TVYXLogDocEditor* doc = XYToDocAndPage(x, y, page);
    if (doc != FMainDoc || page < 0)
        return false;
    const TVYXPhyPage& p = FPaginator->Pages().GetItems(page);
    const double px = x - PageScreenLeft(), py = y - PageScreenTop(page);
    // The innermost tables of the page's rows; each answers for its own cells. The rows
    // point at the paragraphs they show, so the cell hit is one the caller may resize.
    const TVYXTable* last = nullptr;
    for (int r = 0; r < p.Rows.Count(); ++r) {
        const TVYXPhyRow& row = p.Rows.GetItems(r);
        TVYXTableCell* cell = row.Para ? row.Para->Cell() : nullptr;
        TVYXTable* table = cell ? cell->Table() : nullptr;
        if (!table || table == last)
            continue;
        last = table;
        const TVYXTableHit h = table->Hit(px, py, 3);
        if (h.Cell && h.Where != amchNone && h.Where != amchInside) {
            hit = h;
            return true;
        }
    }
    return false;
}

bool TVYXEditor::SizeTableColumn(TVYXTableCell& cell, int col, double width)
{
    TVYXLogPara* first = cell.Paras()._FirstPara();
    if (!first || width < 1)
        return false;
    FFocusDoc->Command(vycMovePos, TVYXLogPos(first, 1));
    const bool done = FFocusDoc->Command(vycTableColWidth, col, static_cast<int>(std::lround(width)));
    FMainDoc->SetDirty(true);
    FMainDoc->SetRepaint(true);
    return done;
}

bool TVYXEditor::SizeTableRow(TVYXTableCell& cell, int row, double height)
{
    TVYXLogPara* first = cell.Paras()._FirstPara();
    if (!first || height < 1)
        return false;
    FFocusDoc->Command(vycMovePos, TVYXLogPos(first, 1));
    const bool done = FFocusDoc->Command(vycTableRowHeight, row, static_cast<int>(std::lround(height)));
    FMainDoc->SetDirty(true);
    FMainDoc->SetRepaint(true);
    return done;
}

// ---- Line and page moves ------------------------------------------------------------------

bool TVYXEditor::DocPhyPosition(TVYXLogDocEditor&, int typeValue, TVYXLogPos& pos)
{
    const auto type = static_cast<TVYXPhyPosType>(typeValue);
    if (FMainDoc->Dirty())
        PaginateAll();
    TVYXPhyNavigator& nav = NavigatorAt(pos);
    if (type == apstTopRow || type == apstBottomRow) {
        // The window: the page at its top (or bottom) edge, in that page's pixels.
        const double edge = type == apstTopRow ? 0 : FScrArea.Height();
        int page = 0;
        for (int i = 0; i < static_cast<int>(FPageTops.size()); ++i)
            if (PageScreenTop(i) <= edge)
                page = i;
        const double top = PageScreenTop(page);
        nav.SetWindow(page, std::max(0.0, -top), std::max(0.0, FScrArea.Height() - top));
    }
    return nav.Move(type, pos);
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
    if (IsHeaderFooter(*doc))
        FHdrFtrPage = page;
    LeaveGraphicEditing();
    if (doc == FMainDoc)
        if (TVYXGraphicObj* floating = FindFloatingGraphic(x, y)) {
            doc->Selections().Clear();
            StartGraphicEditing(*floating);
            // The same press may go on into a drag that moves the object.
            FMouseResponder->MouseDown(vymsLeft, x, y);
            return;
        }
    // The page's hit areas: form fields (made by painting) and the table's select
    // handle and column and row strips (made by layout).
    if (doc == FMainDoc) {
        const TVYXPhyPage& p = FPaginator->Pages().GetItems(page);
        const double left = PageScreenLeft(), top = PageScreenTop(page);
        if (const TVYXHitArea* area = p.FHitAreas.Hit(x - left, y - top)) {
            // Through the main editor, so that undo and redo give the box back.
            if (area->Type == ahatFieldCheckBox && area->Field && FMainDoc->ToggleCheckBox(*area->Field)) {
                FMainDoc->SetDirty(true);
                FMainDoc->SetRepaint(true);
                return;
            }
            if (area->Type == ahatFieldDropDown && area->Field && FStringsEvent) {
                FStringsEvent(*this, *area->Field, left + area->X1, top + area->Y2);
                return;
            }
            if (area->Type == ahatTableSelect && area->Table && area->Index < 0 && area->Row < 0) {
                if (TVYXTableCell* cell = area->Table->GetCells(0, 0))
                    if (TVYXLogPara* first = cell->Paras()._FirstPara()) {
                        doc->Command(vycMovePos, TVYXLogPos(first, 1));
                        doc->Command(vycTableSelect);
                        FMainDoc->SetRepaint(true);
                        return;
                    }
            }
            if (area->Type == ahatTableSelect && area->Table && SelectTableStrip(*doc, *area->Table, area->Index, area->Row)) {
                FMainDoc->SetRepaint(true);
                return;
            }
        }
    }
    TVYXLogPos pos;
    if (!XYToLogPos(*doc, page, x, y, pos))
        return;
    // Form fields answer the click themselves: a check box toggles, a drop-down list
    // asks the host to show its entries below the field.
    if (TVYXComplexField* field = FormFieldAt(pos); field && field->Enabled) {
        if (field->GetAsCheckBox() && doc->ToggleCheckBox(*field)) {
            FMainDoc->SetDirty(true);
            FMainDoc->SetRepaint(true);
            return;
        }
        if (FStringsEvent) {
            double fx = 0, fy = 0, fh = 0;
            int fpage = 0;
            if (PosToXY(pos, fpage, fx, fy, fh)) {
                FStringsEvent(*this, *field, fx, fy + fh);
                return;
            }
        }
    }
    doc->Command(vycMovePos, pos);
    // A click on an inline object selects it, and the graphic editor takes it.
    double gx1 = 0, gy1 = 0, gx2 = 0, gy2 = 0;
    for (TVYXLogPos at : {pos, TVYXLogPos(pos.Para, pos.CharPos - 1)}) {
        if (at.CharPos < 1)
            continue;
        const auto* run = dynamic_cast<const TVYXCharRunGraphic*>(at.GetCharRun());
        if (run && run->Graphic && run->StartPos() == at.CharPos && GraphicScreenRect(*run->Graphic, gx1, gy1, gx2, gy2) &&
            x >= gx1 && x <= gx2) {
            doc->Command(vycMovePos, at);
            CommandUI(vycSelectCharRight);
            return;
        }
    }
    ForgetColumn();
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
    ForgetColumn();
}

// ---- Painting -------------------------------------------------------------------------------

void TVYXEditor::PaintPages(bool screen)
{
    ++FRepaintCount;
    TVYXGDI& g = *FGDI;
    const TVYXPhyPages& pages = FPaginator->Pages();
    const double left = PageScreenLeft();
    const double areaTop = 0, areaBottom = FScrArea.Height();
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
        FPaintDoc->Options.ShowParaMarks = FSysOptions.ShowParaMarks;
        FPaintDoc->PaintPage(i, left, top);
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
                  " pos=" + std::to_string(run.StartPos()) + " len=" + std::to_string(run.Len()) + " \"" +
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
