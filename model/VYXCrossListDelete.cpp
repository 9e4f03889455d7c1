// VYXCrossListDelete.cpp: deleting a range between two positions: within one list, and
// when the ends lie in different lists (root list and cells, or cells of nested tables).
// Both halves live here so that the two cases call each other within one unit.
#include "model/VYXLogParas.h"

#include "model/VYXLogParasShared.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"

namespace {
// The cell of `table` that holds `para` at any depth; nullptr outside the table.
TVYXTableCell* CellIn(const TVYXTable& table, TVYXLogPara* para)
{
    TVYXLogParaItem* item = para;
    while (item && item->Paras()) {
        TVYXTableCell* cell = item->Paras()->Cell();
        if (!cell)
            return nullptr;
        if (cell->Table() == &table)
            return cell;
        item = cell->Table();
    }
    return nullptr;
}

bool Within(const TVYXLogParas& outer, TVYXLogParas* paras)
{
    while (paras && paras != &outer) {
        const TVYXTable* table = paras->Cell() ? paras->Cell()->Table() : nullptr;
        paras = table ? table->Paras() : nullptr;
    }
    return paras == &outer;
}

void EnsureRun(TVYXLogPara& para)
{
    if (para.Count() == 0)
        para.CharRuns().Add();
}

void ClearSpan(TVYXLogParas& paras, const TVYXLogPos* from, const TVYXLogPos* to);

// The content of `table` from `from` (nullptr: its start) to `to` (nullptr: its end),
// cell by cell in reading order; the cells themselves stay.
void ClearTableSpan(TVYXTable& table, const TVYXLogPos* from, const TVYXLogPos* to)
{
    TVYXTableCell* first = from ? CellIn(table, from->Para) : table.FirstCell();
    TVYXTableCell* last = to ? CellIn(table, to->Para) : table.LastCell();
    if (!first || !last)
        return;
    for (TVYXTableCell* cell = first; cell; cell = cell->NextCell()) {
        ClearSpan(cell->Paras(), cell == first ? from : nullptr, cell == last ? to : nullptr);
        if (cell == last)
            break;
    }
}

void ClearItemSpan(TVYXLogParaItem& item, const TVYXLogPos* from, const TVYXLogPos* to)
{
    if (item.IsTable()) {
        ClearTableSpan(static_cast<TVYXTable&>(item), from, to);
        return;
    }
    auto& para = static_cast<TVYXLogPara&>(item);
    para.DeleteText(from ? from->CharPos : 1, to ? to->CharPos : para.EndOfParaPos(), nullptr);
    EnsureRun(para);
}

// The content of `paras` from `from` (nullptr: the list's start) to `to` (nullptr: its
// end), both lying in the list at any depth. Items wholly inside go; the items holding
// the ends lose their parts but stay, so the list keeps an item and the end paragraphs
// are never removed or joined. A whole list keeps its first paragraph, emptied, for its
// format.
void ClearSpan(TVYXLogParas& paras, const TVYXLogPos* from, const TVYXLogPos* to)
{
    if (paras.Count() == 0)
        return;
    if (!from && !to) {
        for (int i = paras.Count() - 1; i > 0; --i)
            paras.Delete(i);
        if (TVYXLogPara* para = paras.ParaAtIndex(0))
            ClearItemSpan(*para, nullptr, nullptr);
        else {
            paras.Delete(0);
            paras.Validate();
        }
        return;
    }
    TVYXLogParaItem* a = from ? VYXItemIn(paras, from->Para) : paras.First();
    TVYXLogParaItem* b = to ? VYXItemIn(paras, to->Para) : paras.Last();
    if (!a || !b || a->Index() > b->Index())
        return;
    // Up to the list's end, a last paragraph after the end's item stays, emptied, so
    // that a table never ends the list.
    const bool keepLast = !to && b != a && b->IsPara();
    const int wholeFrom = from ? a->Index() + 1 : 0;
    const int wholeTo = to || keepLast ? b->Index() - 1 : paras.Count() - 1;
    if (a == b)
        ClearItemSpan(*a, from, to);
    else {
        if (from)
            ClearItemSpan(*a, from, nullptr);
        if (to || keepLast)
            ClearItemSpan(*b, nullptr, to);
    }
    for (int i = wholeTo; i >= wholeFrom; --i)
        paras.Delete(i);
}
}  // namespace

void TVYXLogParas::DeleteAcross(TVYXLogPos& first, TVYXLogPos& last, const TVYXRevisionData* revision)
{
    if (!Within(*this, first.Para->Paras()) || !Within(*this, last.Para->Paras()))
        return;
    if (first.Para->Paras() == last.Para->Paras()) {
        first.Para->Paras()->DeleteText(first, last, revision);
        return;
    }
    if (!VYXOrderedRange(first, last))
        return;
    if (revision) {
        VYXForEachParaPart(first, last, [revision](TVYXLogPara& para, std::int32_t from, std::int32_t to) {
            para.DeleteText(from, to, revision);
            EnsureRun(para);
        });
        return;
    }
    if (TVYXLogParas* common = VYXCommonParas(*first.Para, *last.Para)) {
        ClearSpan(*common, &first, &last);
        last.Assign(last.Para, 1);
    }
}

void TVYXLogParas::DeleteText(TVYXLogPos& first, TVYXLogPos& last, const TVYXRevisionData* revision)
{
    if (!first.Para || !last.Para)
        return;
    if (first.Para->Paras() != this || last.Para->Paras() != this) {
        DeleteAcross(first, last, revision);
        return;
    }
    if (first.Para == last.Para) {
        if (first.CharPos == last.CharPos)
            return;
        first.Para->DeleteText(first.CharPos, last.CharPos, revision);
        if (first.Para->Count() == 0)
            first.Para->CharRuns().Add();
        return;
    }
    TVYXLogPara* fp = first.Para;
    TVYXLogPara* lp = last.Para;
    if (fp->Index() > lp->Index())
        return;
    bool join = revision == nullptr;
    for (int i = lp->Index() - 1; i > fp->Index(); --i) {
        if (!revision)
            Delete(i);
        else if (TVYXLogPara* p = ParaAtIndex(i))
            for (int r = 0; r < p->Count(); ++r)
                p->GetItems(r)->AddRevision(revision->CloneData());
    }
    const bool atEnd = first.CharPos >= fp->EndOfParaPos() && !fp->Empty();
    if (!atEnd) {
        if (fp->Empty() && !revision)
            fp->ClearText();
        else
            fp->DeleteText(first.CharPos, fp->EndOfParaPos(), revision);
        if (fp->Count() == 0) {
            Delete(fp->Index());
            fp = nullptr;
            first.Para = nullptr;
            join = false;
        }
    }
    if (last.CharPos > 1) {
        lp->DeleteText(1, last.CharPos, revision);
        if (lp->Count() == 0) {
            lp->CharRuns().Add();
            join = false;
        }
    }
    if (!first.Para) {
        first.Assign(lp, 1);
        join = false;
    }
    if (join && fp) {
        MergeNext(fp->Index());
        last.Assign(first);
    } else if (!revision)
        last.Assign(lp, 1);
    if (Count() == 0) {
        TVYXLogPara* p = AppendPara();
        first.Assign(p, 1);
        last.Assign(p, 1);
    }
}
