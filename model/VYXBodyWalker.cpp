// VYXBodyWalker.cpp: the paragraph walker over a real body and the position conversions.
#include "model/VYXBodyWalker.h"

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
    if (!Body || !para || !para->Paras || para->Paras->RootParas() != Body)
        return false;
    TVYXLogParas& list = *para->Paras;
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
