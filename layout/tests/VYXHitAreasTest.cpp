// VYXHitAreasTest.cpp: the order in which a page's areas answer a point.
#include <gtest/gtest.h>

#include "layout/VYXHitAreas.h"

namespace {
// Only the address matters to the areas: they never look into their objects.
struct TFake {
    int Dummy = 0;
};
}  // namespace

TEST(HitAreas, BordersWinOverTheirTableAndLinksOverTables)
{
    TFake tableObj, linkObj;
    auto* table = reinterpret_cast<TVYXTable*>(&tableObj);
    auto* link = reinterpret_cast<TVYXHyperlink*>(&linkObj);
    TVYXHitAreas areas;
    areas.Start(*table, 100, 100, 300, 200);
    TVYXHitArea& border = areas.AddByPaginate(ahatTableSize, 198, 100, 202, 200);
    border.Table = table;
    border.Index = 1;
    TVYXHitArea& a = areas.AddByPaint(ahatHyperlink, 120, 120, 160, 135);
    a.Hyperlink = link;

    ASSERT_NE(areas.Hit(200, 150), nullptr);
    EXPECT_EQ(areas.Hit(200, 150)->Type, ahatTableSize);
    EXPECT_EQ(areas.Hit(200, 150)->Index, 1);
    EXPECT_EQ(areas.Hit(130, 125)->Type, ahatHyperlink);  // a link inside a cell
    EXPECT_EQ(areas.Hit(250, 150)->Type, ahatTable);
    EXPECT_EQ(areas.Hit(300, 200)->Type, ahatTable);  // edges belong to the area
    EXPECT_EQ(areas.Hit(301, 150), nullptr);
    EXPECT_EQ(areas.Find(ahatHyperlink, link), &a);

    // Laying the table out again replaces its areas; painting again replaces the links.
    EXPECT_EQ(areas.RemoveByPaginate(*table), 2);
    EXPECT_EQ(areas.Hit(200, 150), nullptr);
    EXPECT_EQ(areas.Hit(130, 125)->Type, ahatHyperlink);
    areas.ClearByPaint();
    EXPECT_EQ(areas.Hit(130, 125), nullptr);
}

TEST(HitAreas, StartReplacesATablesOldAreasAndKeepsOthers)
{
    TFake t1, t2;
    auto* a = reinterpret_cast<TVYXTable*>(&t1);
    auto* b = reinterpret_cast<TVYXTable*>(&t2);
    TVYXHitAreas areas;
    areas.Start(*a, 0, 0, 10, 10);
    areas.AddByPaginate(ahatTableSize, 4, 0, 6, 10).Table = a;
    areas.Start(*b, 0, 20, 10, 30);
    areas.Start(*a, 0, 0, 12, 10);  // painted again
    EXPECT_EQ(areas.ByPaginate().Count(), 2);
    EXPECT_EQ(areas.Hit(11, 5)->Table, a);
    EXPECT_EQ(areas.Hit(5, 25)->Table, b);
    // Rectangles given corner first or last are the same area.
    TVYXHitAreaList list;
    list.Add(ahatFieldCheckBox, 10, 10, 0, 0);
    EXPECT_NE(list.Hit(5, 5), nullptr);
    list.SetTimersRunning(true);
    list.Clear();
    EXPECT_FALSE(list.TimersRunning());
}
