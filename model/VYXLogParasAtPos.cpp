// VYXLogParasAtPos.cpp: paragraph-list operations addressed by positions: inserting,
// splitting, formatting and marking ranges from one position to another (deleting a
// range lives with the deletion across lists, VYXCrossListDelete.cpp).
//
// They sit apart from the list's own structure (VYXLogParas.cpp) so that the list and its
// items do not call positions, and positions call down into lists and items only.
#include "model/VYXLogParas.h"

#include <algorithm>

#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParasShared.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"
#include "model/VYXRootData.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"

void VYXForEachParaPart(const TVYXLogPos& first, const TVYXLogPos& last,
                        const std::function<void(TVYXLogPara& para, std::int32_t from, std::int32_t to)>& part)
{
    for (TVYXLogPara* p = first.Para; p; p = p->Next()) {
        const std::int32_t from = p == first.Para ? first.CharPos : 1;
        const std::int32_t to = p == last.Para ? last.CharPos : p->EndOfParaPos();
        part(*p, from, to);
        if (p == last.Para)
            break;
    }
}

bool VYXOrderedRange(const TVYXLogPos& first, const TVYXLogPos& last)
{
    return first.Para && last.Para && first.Compare(last) >= 0;
}

TVYXTable* TVYXLogParas::InsertTableAtPos(TVYXLogPos& pos, int cols, int rows)
{
    if (cols < 1 || cols > cVYXMaxTableCols || rows < 1 || rows > cVYXMaxTableRows || !pos.Para)
        return nullptr;
    TVYXTable model(this);
    model.ParentWidth = [this]() { return Cell() ? Cell()->CalculatedWidth() : (WidthEvent ? WidthEvent() : 0.0); };
    model.AddRows(cols, rows);
    return Insert(pos, model);
}

TVYXLogPara* TVYXLogParas::SplitAtPos(TVYXLogPos& pos) { return pos.Para ? SplitAtPos(*pos.Para, pos.CharPos) : nullptr; }

void TVYXLogParas::Insert(TVYXLogPos& pos, const TVYXLogParas& source)
{
    if (source.Count() == 0 || !pos.Para || pos.Para->Paras() != this)
        return;
    const TVYXLogParaItem* lastItem = source.Last();
    const bool lastInline = lastItem->IsPara() && !static_cast<const TVYXLogPara*>(lastItem)->Pilcrow;
    const int whole = lastInline ? source.Count() - 1 : source.Count();
    TVYXLogPos p(pos);
    for (int i = 0; i < whole; ++i) {
        const TVYXLogParaItem* item = source.GetItems(i);
        if (item->IsTable()) {
            Insert(p, *static_cast<const TVYXTable*>(item));
            continue;
        }
        const auto* src = static_cast<const TVYXLogPara*>(item);
        if (!src->Pilcrow)
            continue;
        TVYXLogPara* target = p.Para;
        // Runs at position 1 of a paragraph without text (boundaries, empty runs
        // keeping a format) stay behind the content as text would, so the new paragraph
        // goes before it; the split at the paragraph's end would put it after, and
        // each next item would land before the one filled last.
        const bool atStartWithContent = p.CharPos <= 1 && !target->Empty();
        TVYXLogPara* returned = atStartWithContent && p.CharPos >= target->EndOfParaPos()
                                    ? Insert(target->Index())
                                    : SplitAtPos(*target, p.CharPos);
        TVYXLogPara* fill = nullptr;
        if (!atStartWithContent) {
            p.Assign(returned, 1);
            fill = ParaAtIndex(returned->Index() - 1);
        } else
            fill = returned;
        if (!fill)
            continue;
        fill->Assign(*src, false);
        if (fill->Empty())
            fill->CharRuns().Clear();
        fill->CharRuns().Append(src->CharRuns());
        if (fill->Count() == 0)
            fill->CharRuns().Add();
        fill->CombineCharRuns();
    }
    if (lastInline) {
        const auto* src = static_cast<const TVYXLogPara*>(lastItem);
        if (src->Count() > 0 && !(src->Empty())) {
            TVYXLogPara* target = p.Para;
            TVYXCharRun* at = target->MakeInsertionPoint(p.CharPos, false);
            int index = at ? at->Index() : target->Count();
            for (int r = 0; r < src->Count(); ++r)
                target->CharRuns().Insert(index++, src->GetItems(r)->Clone());
            target->CombineCharRuns();
            target->MakeDirty();
        }
    }
}

TVYXTable* TVYXLogParas::Insert(TVYXLogPos& pos, const TVYXTable& table)
{
    TVYXLogPara* para = pos.Para;
    if (!para || para->Paras() != this)
        return nullptr;
    int index = para->Index();
    if (!para->Empty() && pos.CharPos > 1) {
        TVYXLogPara* right = SplitAtPos(*para, pos.CharPos);
        if (right == para)
            return nullptr;
        index = right->Index();
        pos.Assign(right, 1);
    }
    return static_cast<TVYXTable*>(InsertItem(index, table.Clone(this)));
}

void TVYXLogParas::FormatRange(const TVYXCHPX* chpx, const TVYXLogPos& first, const TVYXLogPos& last)
{
    if (!chpx || !first.Para || !last.Para)
        return;
    TVYXLogPara* fp = first.Para;
    TVYXLogPara* lp = last.Para;
    if (fp == lp) {
        const std::int32_t endPos = fp->EndOfParaPos();
        if (first.CharPos <= 1 && last.CharPos >= endPos && first.CharPos != last.CharPos)
            fp->FormatAll(chpx);
        else if (first.CharPos >= endPos && last.CharPos >= endPos && fp->Count() > 0) {
            TVYXCHPX next(chpx->CHP());
            next.Assign(*chpx, nullptr, nullptr);
            if (const TVYXCHPX* lastChpx = fp->LastCHPX())
                next.Inherit(*lastChpx);
            TVYXCharRun* run = fp->CharRuns().Add(&next);
            (void)run;
            fp->MakeDirty();
        } else
            fp->FormatRange(chpx, first.CharPos, last.CharPos);
        return;
    }
    if (fp->Paras() != this || lp->Paras() != this || fp->Index() > lp->Index())
        return;
    if (first.CharPos <= 1)
        fp->FormatAll(chpx);
    else
        fp->FormatRange(chpx, first.CharPos, fp->EndOfParaPos());
    for (int i = fp->Index() + 1; i < lp->Index(); ++i)
        GetItems(i)->FormatAll(chpx);
    if (last.CharPos >= lp->EndOfParaPos())
        lp->FormatAll(chpx);
    else if (last.CharPos > 1)
        lp->FormatRange(chpx, 1, last.CharPos);
}

void TVYXLogParas::ToggleFormat(TVYXChpId id, const TVYXLogPos& first, const TVYXLogPos& last)
{
    if (!first.Para)
        return;
    const TVYXCHPX* at = first.Para->CHPXAtPos(first.CharPos);
    TVYXCHPX chpx(RootManager() ? RootManager()->MasterCHP() : nullptr);
    if (id == vyciUnderline)
        chpx.SetUnderline(!at || at->GetUnderline() == vycuNone ? vycuSingle : vycuNone);
    else if (chpx.IsBoolean(id))
        chpx.SetAsBoolean(id, !at || !at->GetAsBoolean(id));
    else
        return;
    FormatRange(&chpx, first, last);
}

TVYXCharRunBreak* TVYXLogParas::InsertPageBreak(TVYXLogPos& pos)
{
    if (!pos.Para || pos.Para->Paras() != this)
        return nullptr;
    TVYXLogPara* target = pos.Para;
    if (pos.CharPos > 1) {
        TVYXLogPara* created = SplitAtPos(pos);
        if (!created || created == pos.Para)
            return nullptr;
        target = created;
    }
    TVYXCharRunBreak* brk = target->InsertBreak(1, acrbtPageBreak);
    pos.Assign(target, 1);
    return brk;
}

void TVYXLogParas::ApplyRevision(const TVYXRevisionData& revision, const TVYXLogPos& first, const TVYXLogPos& last)
{
    if (!VYXOrderedRange(first, last))
        return;
    VYXForEachParaPart(first, last, [&revision](TVYXLogPara& para, std::int32_t from, std::int32_t to) {
        para.ApplyRevision(revision, from, to);
    });
}
