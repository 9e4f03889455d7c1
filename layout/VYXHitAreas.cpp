// VYXHitAreas.cpp: hit areas of a page (see the header for the order of hits).
#include "layout/VYXHitAreas.h"

#include <algorithm>

namespace {

bool BelongsTo(const TVYXHitArea& area, const void* object)
{
    return object && (area.Table == object || area.Hyperlink == object || area.Field == object);
}

}  // namespace

TVYXHitArea& TVYXHitAreaList::Add(TVYXHitAreaType type, double x1, double y1, double x2, double y2)
{
    auto area = std::make_unique<TVYXHitArea>();
    area->Type = type;
    area->X1 = std::min(x1, x2);
    area->X2 = std::max(x1, x2);
    area->Y1 = std::min(y1, y2);
    area->Y2 = std::max(y1, y2);
    FItems.push_back(std::move(area));
    return *FItems.back();
}

TVYXHitArea* TVYXHitAreaList::Find(TVYXHitAreaType type, const void* object) const
{
    for (const auto& a : FItems)
        if (a->Type == type && BelongsTo(*a, object))
            return a.get();
    return nullptr;
}

TVYXHitArea* TVYXHitAreaList::Hit(double x, double y, bool skipTables) const
{
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
        if ((!skipTables || (*it)->Type != ahatTable) && (*it)->Hit(x, y))
            return it->get();
    return nullptr;
}

int TVYXHitAreaList::Remove(const void* object)
{
    const auto before = FItems.size();
    std::erase_if(FItems, [object](const std::unique_ptr<TVYXHitArea>& a) { return BelongsTo(*a, object); });
    return static_cast<int>(before - FItems.size());
}

void TVYXHitAreaList::Clear()
{
    KillTimers();
    FItems.clear();
}

TVYXHitArea& TVYXHitAreas::Start(TVYXTable& table, double x1, double y1, double x2, double y2)
{
    FByPaginate.Remove(&table);
    TVYXHitArea& area = FByPaginate.Add(ahatTable, x1, y1, x2, y2);
    area.Table = &table;
    return area;
}

TVYXHitArea& TVYXHitAreas::AddByPaginate(TVYXHitAreaType type, double x1, double y1, double x2, double y2)
{
    return FByPaginate.Add(type, x1, y1, x2, y2);
}

TVYXHitArea& TVYXHitAreas::AddByPaint(TVYXHitAreaType type, double x1, double y1, double x2, double y2)
{
    return FByPaint.Add(type, x1, y1, x2, y2);
}

TVYXHitArea* TVYXHitAreas::Find(TVYXHitAreaType type, const void* object) const
{
    if (TVYXHitArea* a = FByPaginate.Find(type, object))
        return a;
    return FByPaint.Find(type, object);
}

TVYXHitArea* TVYXHitAreas::Hit(double x, double y) const
{
    if (TVYXHitArea* a = FByPaginate.Hit(x, y, true))
        return a;
    if (TVYXHitArea* a = FByPaint.Hit(x, y))
        return a;
    return FByPaginate.Hit(x, y);
}

void TVYXHitAreas::Clear()
{
    FByPaginate.Clear();
    FByPaint.Clear();
}
