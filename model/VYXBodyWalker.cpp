// VYXBodyWalker.cpp: the paragraph walker over a real body, position conversions and range text over paragraphs.
#include "model/VYXBodyWalker.h"

#include <memory>

#include "model/VYXLogParas.h"
#include "model/VYXLogPos.h"

std::vector<TVYXParaRef> TVYXBodyWalker::Paras() const
{
    std::vector<TVYXParaRef> refs;
    if (!Body)
        return refs;
    TVYXLogParasIterator it;
    it.ParaEvent = [&refs](TVYXLogPara& para) { refs.push_back({&para, &para.CharRuns(), &para.PAPX()}); };
    it.Iterate(*Body);
    return refs;
}

bool TVYXBodyWalker::RemovePara(TVYXLogPara* para)
{
    if (!Body || !para || !para->Paras() || para->Paras()->RootParas() != Body)
        return false;
    TVYXLogParas& list = *para->Paras();
    const int index = para->Index();
    if (index < 0 || index >= list.Count() || list.GetItems(index) != para)
        return false;
    int paraCount = 0;
    for (int i = 0; i < list.Count() && paraCount < 2; ++i)
        paraCount += list.GetItems(i)->IsPara() ? 1 : 0;
    const TVYXLogParaItem* before = index > 0 ? list.GetItems(index - 1) : nullptr;
    const TVYXLogParaItem* after = index + 1 < list.Count() ? list.GetItems(index + 1) : nullptr;
    const bool holdsTable = before && before->IsTable() && (!after || after->IsTable());
    if (paraCount < 2 || para->SEP() || holdsTable) {
        if (para->Count() == 0) {
            para->CharRuns().Add();
            para->MakeDirty();
        }
        return false;
    }
    list.Delete(index);
    return true;
}

int VYXReadingIndex(const TVYXParaWalker& walker, const TVYXLogPara* para)
{
    if (!para)
        return -1;
    const auto refs = walker.Paras();
    for (std::size_t i = 0; i < refs.size(); ++i)
        if (refs[i].Para == para)
            return static_cast<int>(i);
    return -1;
}

TVYXRevisionPos VYXRevisionPosOf(const TVYXParaWalker& walker, const TVYXLogPos& pos)
{
    return {VYXReadingIndex(walker, pos.Para), pos.CharPos};
}

TVYXLogPos VYXLogPosOf(const TVYXParaWalker& walker, const TVYXRevisionPos& pos)
{
    const auto refs = walker.Paras();
    if (pos.Para < 0 || static_cast<std::size_t>(pos.Para) >= refs.size())
        return {};
    TVYXLogPos result(refs[static_cast<std::size_t>(pos.Para)].Para, pos.Pos);
    return result;
}

TVYXLogPos VYXRangeFirstPos(const TVYXRevisionRange& range)
{
    const TVYXRevisionPos first = range.First();
    return {range.Para1, first.Pos};
}

TVYXLogPos VYXRangeLastPos(const TVYXRevisionRange& range)
{
    const TVYXRevisionPos last = range.Last();
    return {range.Para2, last.Pos};
}

TVYXRevisionRange* VYXFindRevision(TVYXRevision& revision, const TVYXLogPos& pos)
{
    revision.CheckInvalid();
    if (!revision.Paras || !pos.Para)
        return nullptr;
    const TVYXRevisionPos at = VYXRevisionPosOf(*revision.Paras, pos);
    return at.Para < 0 ? nullptr : revision.Ranges.Find(at);
}

bool VYXSetRangePlainText(TVYXFieldSelectionImpl& range, const TVYXParaWalker& walker, std::u16string_view text)
{
    if (!range.IsRange() || !range.FirstRun->Parent() || !range.LastRun->Parent())
        return false;
    if (range.SamePara()) {
        range.SetPlainText(text);
        return true;
    }
    // Finds both ends and checks every run between them (cells of the tables
    // in between included) before anything changes.
    TVYXLogPara* first = nullptr;
    TVYXLogPara* last = nullptr;
    bool isProtected = false;
    for (const TVYXParaRef& ref : walker.Paras()) {
        const bool atFirst = ref.Runs == range.FirstRun->Parent();
        const bool atLast = first && ref.Runs == range.LastRun->Parent();
        if (atFirst)
            first = ref.Para;
        else if (!first)
            continue;
        const int from = atFirst ? range.FirstRun->Index() + 1 : 0;
        const int to = atLast ? range.LastRun->Index() : ref.Runs->Count();
        for (int i = from; i < to; ++i)
            isProtected = isProtected || ref.Runs->Items(i)->GetReadOnlyActive();
        if (atLast) {
            last = ref.Para;
            break;
        }
    }
    if (isProtected || !first || !last || !first->Paras() || first->Paras() != last->Paras())
        return false;

    std::unique_ptr<TVYXCHPX> format;
    if (const TVYXCHPX* chpx = range.FirstRun->TextCHPX()) {
        format = std::make_unique<TVYXCHPX>(chpx->CHP());
        format->Assign(*chpx, nullptr, nullptr);
    }
    TVYXCharRuns& firstRuns = first->CharRuns();
    TVYXCharRuns& lastRuns = last->CharRuns();
    while (firstRuns.Count() > range.FirstRun->Index() + 1)
        if (!firstRuns.Delete(range.FirstRun->Index() + 1))
            return false;  // checked above; only a changed protection gets here
    while (range.LastRun->Index() > 0)
        if (!lastRuns.Delete(0))
            return false;
    TVYXLogParas& list = *first->Paras();
    for (int i = last->Index() - 1; i > first->Index(); --i)
        list.Delete(i);
    list.MergeNext(first->Index());
    firstRuns.Insert(range.LastRun->Index(), format.get())->SetRawText(text);
    first->MakeDirty();
    if (range.LastPara)
        range.LastPara = first;
    return true;
}
