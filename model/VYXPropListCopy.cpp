// VYXPropListCopy.cpp: copying a property list into another document, which maps its
// style references into the target's sheet through the sheet's TVYXStyleMap, so the
// property lists never call into styles (which are made of property lists).
#include "model/VYXPropList.h"

#include <vector>

#include "model/VYXStyles.h"
#include "platform/VYXException.h"

void TVYXPropList::Assign(const TVYXPropList& source, const TVYXStyles* sourceStyles, TVYXStyles* targetStyles)
{
    if (&source == this)
        return;
    std::vector<TVYXPropItem> items;
    items.reserve(source.FItems.size());
    for (const auto& item : source.FItems) {
        if (source.IdType(item.Id) == vycitUnknown)
            throw VYXException("Unknown PropList item");
        TVYXPropItem copy = item.Clone();
        if (auto* style = copy.ValStyle(); style && targetStyles && targetStyles != sourceStyles)
            copy.Value = static_cast<TVYXStyleMap&>(*targetStyles).MapStyle(*style, sourceStyles);
        items.push_back(std::move(copy));
    }
    FItems = std::move(items);  // the list changes only when every item could be copied
    AssignExtras(source, sourceStyles, targetStyles);
    AfterChanged();
}

void TVYXPropList::Assign(const TVYXPropList& source, TVYXStyles* targetStyles)
{
    if (&source == this)
        return;
    std::vector<TVYXPropItem> items;
    items.reserve(source.FItems.size());
    for (const auto& item : source.FItems) {
        if (source.IdType(item.Id) == vycitUnknown)
            throw VYXException("Unknown PropList item");
        TVYXPropItem copy = item.Clone();
        if (auto* style = copy.ValStyle(); style && targetStyles && style->Styles() != targetStyles)
            copy.Value = static_cast<TVYXStyleMap&>(*targetStyles).MapStyleById(*style);
        items.push_back(std::move(copy));
    }
    FItems = std::move(items);
    AssignExtras(source, nullptr, targetStyles);
    AfterChanged();
}
