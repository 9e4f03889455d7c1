// VYXMarkupRewire.cpp: ranges of markup objects re-made from the body's boundary runs.
#include "model/VYXMarkupRewire.h"

#include <algorithm>
#include <map>
#include <utility>

#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXForEachPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"

namespace {

// A boundary of a bookmark, comment or permission (not a field's or a revision's).
const TVYXCharRunLinked* Boundary(const TVYXCharRun& run)
{
    auto* linked = dynamic_cast<const TVYXCharRunLinked*>(&run);
    if (!linked || !linked->Field() || linked->OwnsField() || linked->LinkedType == acrltComplexField ||
        linked->LinkedType == acrltRevision)
        return nullptr;
    return linked;
}

TVYXCharRunLinked* Boundary(TVYXCharRun& run)
{
    return const_cast<TVYXCharRunLinked*>(Boundary(std::as_const(run)));
}

}  // namespace

void VYXMarkupOf(const TVYXLogParas& list, std::vector<TVYXMarkupObject*>& objects)
{
    VYXForEachPara(list, [&objects](const TVYXLogPara& para) {
        for (int r = 0; r < para.Count(); ++r)
            if (const TVYXCharRunLinked* run = Boundary(*para.GetItems(r)))
                if (std::find(objects.begin(), objects.end(), run->Field()) == objects.end())
                    objects.push_back(run->Field());
    });
}

void VYXRewireMarkup(TVYXLogParas& body, const std::vector<TVYXMarkupObject*>& objects)
{
    if (objects.empty())
        return;
    struct TEnd {
        TVYXCharRunLinked* Run;
        TVYXLogPara* Para;
    };
    std::map<const TVYXMarkupObject*, std::vector<TEnd>> chains;
    for (TVYXMarkupObject* object : objects)
        chains[object];
    VYXForEachPara(body, [&chains](TVYXLogPara& para) {
        for (int r = 0; r < para.Count(); ++r)
            if (TVYXCharRunLinked* run = Boundary(*para.GetItems(r)))
                if (auto it = chains.find(run->Field()); it != chains.end())
                    it->second.push_back({run, &para});
    });
    for (TVYXMarkupObject* object : objects) {
        std::vector<TEnd>& chain = chains[object];
        for (const TEnd& end : chain)
            end.Run->Unlink();
        for (std::size_t k = 0; k + 1 < chain.size(); ++k)
            chain[k].Run->LinkTo(*chain[k + 1].Run);
        auto* markup = dynamic_cast<TVYXMarkup*>(object);
        auto* range = markup ? dynamic_cast<TVYXFieldSelectionImpl*>(markup->Selection.get()) : nullptr;
        if (!range)
            continue;
        range->FirstRun = chain.empty() ? nullptr : chain.front().Run;
        range->FirstPara = chain.empty() ? nullptr : chain.front().Para;
        range->LastRun = chain.empty() ? nullptr : chain.back().Run;
        range->LastPara = chain.empty() ? nullptr : chain.back().Para;
    }
}

void VYXUnlinkMarkup(TVYXLogParas& list)
{
    VYXForEachPara(list, [](TVYXLogPara& para) {
        for (int r = 0; r < para.Count(); ++r)
            if (TVYXCharRunLinked* run = Boundary(*para.GetItems(r)))
                run->Unlink();
    });
}
