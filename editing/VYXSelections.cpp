// VYXSelections.cpp: the editor's selections: anchoring, extending, and widening
// ranges whose ends lie in different lists (cells) to what can be edited whole.
#include <algorithm>

#include "editing/VYXLogEditor.h"

void TVYXSelections::DropAnchor()
{
    Anchor.Assign(FDoc.Caret());
    Status = assUpdating;
}

void TVYXSelections::SetToCaret()
{
    Clear();
    Add(FDoc.Caret(), FDoc.Caret());
    Status = assUpdating;
}

void TVYXSelections::ExtendToCaret()
{
    if (!Anchor.Valid())
        DropAnchor();
    Clear();
    const TVYXLogPos& caret = FDoc.Caret();
    if (Anchor.LessEqual(caret))
        Add(Anchor, caret);
    else
        Add(caret, Anchor);
    CheckForCells();
}

void TVYXSelections::Update()
{
    for (int i = 0; i < Count(); ++i) {
        TVYXLogSelection* s = GetItems(i);
        if (s->First.Valid() && s->Last.Valid() && s->Last.Less(s->First))
            std::swap(s->First, s->Last);
    }
    if (Count() > 0 && Last()->IsEmpty())
        Remove(Count() - 1);
    if (Anchor.Valid() && Count() > 0)
        CheckForCells();
    Status = assNone;
}

bool TVYXSelections::IsEmpty() const { return Count() > 0 && First()->IsEmpty(); }

TVYXLogPos TVYXSelections::GetFirstPos() const { return Count() > 0 ? First()->First : FDoc.Caret(); }

TVYXLogPos TVYXSelections::GetLastPos() const { return Count() > 0 ? First()->Last : FDoc.Caret(); }

void TVYXSelections::SelectAll()
{
    Clear();
    TVYXLogSelection* s = Add();
    s->First.Assign(FDoc.FirstPara(), 1);
    s->Last.Assign(FDoc.LastPara(), 1);
    if (!s->First.Para || !s->Last.Para) {
        Clear();
        return;
    }
    s->Last.CharPos = s->Last.Para->EndOfParaPos();
    Anchor.Assign(s->First);
    FDoc.FCaret.Assign(s->Last);
    Status = assNone;
}

bool TVYXSelections::SelectWordAtCaret()
{
    const TVYXLogPos& caret = FDoc.Caret();
    std::int32_t start = 0, end = 0;
    if (!caret.Para || !caret.Para->WordAtPos(caret.CharPos, start, end) || start >= end)
        return false;
    Clear();
    Add(TVYXLogPos(caret.Para, start), TVYXLogPos(caret.Para, end));
    FDoc.FCaret.CharPos = end;
    Status = assNone;
    return true;
}

namespace {

// The chain of lists from the root down to the position's list: for each, the
// item (paragraph or table) on the way.
std::vector<TVYXLogParaItem*> WayDown(const TVYXLogPos& pos)
{
    std::vector<TVYXLogParaItem*> way;
    TVYXLogParaItem* item = pos.Para;
    while (item) {
        way.push_back(item);
        TVYXTableCell* cell = item->Paras ? item->Paras->Cell : nullptr;
        item = cell ? cell->Table() : nullptr;
    }
    std::reverse(way.begin(), way.end());
    return way;
}

TVYXLogPos StartOf(TVYXLogParaItem* item)
{
    if (item->IsPara())
        return TVYXLogPos(static_cast<TVYXLogPara*>(item), 1);
    auto* table = static_cast<TVYXTable*>(item);
    return TVYXLogPos(table->GetRows(0)->FirstPara(), 1);
}

TVYXLogPos EndOf(TVYXLogParaItem* item)
{
    TVYXLogPara* last = nullptr;
    if (item->IsPara())
        last = static_cast<TVYXLogPara*>(item);
    else {
        auto* table = static_cast<TVYXTable*>(item);
        last = table->GetRows(table->Count() - 1)->LastPara();
    }
    return TVYXLogPos(last, last->EndOfParaPos());
}

}  // namespace

void TVYXSelections::CheckForCells()
{
    if (Count() == 0)
        return;
    TVYXLogSelection* s = First();
    if (!s->First.Valid() || !s->Last.Valid() || s->First.Para->Paras == s->Last.Para->Paras)
        return;
    if (s->IsRectCells())
        return;  // a rectangle of cells of one table: edited cell-wise
    // Ends in different lists: the selection grows to the items of the innermost
    // list holding both, so whole tables (with their cells) are taken.
    const std::vector<TVYXLogParaItem*> a = WayDown(s->First), b = WayDown(s->Last);
    std::size_t common = 0;
    while (common < a.size() && common < b.size() && a[common]->Paras == b[common]->Paras && a[common] == b[common])
        ++common;
    if (common < a.size() && common < b.size() && a[common]->Paras == b[common]->Paras) {
        // Only an end inside a table moves, to that table's start or end.
        if (common + 1 < a.size())
            s->First.Assign(StartOf(a[common]));
        if (common + 1 < b.size())
            s->Last.Assign(EndOf(b[common]));
    } else if (common > 0 && common - 1 < a.size()) {
        // Both ends inside one table item but not a rectangle (different nesting):
        // the whole table.
        s->First.Assign(StartOf(a[common - 1]));
        s->Last.Assign(EndOf(a[common - 1]));
    }
}

bool TVYXSelections::GetCellRect(TVYXTable*& table, int& col1, int& row1, int& col2, int& row2) const
{
    if (Count() == 0)
        return false;
    const TVYXLogSelection* s = First();
    if (!s->First.Valid() || !s->Last.Valid())
        return false;
    TVYXTableCell* c1 = s->First.Para->Paras ? s->First.Para->Paras->Cell : nullptr;
    TVYXTableCell* c2 = s->Last.Para->Paras ? s->Last.Para->Paras->Cell : nullptr;
    if (!c1 || !c2 || c1->Table() != c2->Table())
        return false;
    table = c1->Table();
    col1 = std::min(c1->Index, c2->Index);
    col2 = std::max(c1->Index, c2->Index);
    row1 = std::min(c1->Row->Index, c2->Row->Index);
    row2 = std::max(c1->Row->Index, c2->Row->Index);
    return true;
}
