// VYXDefsTest.cpp: unit conversions, areas and their hit tests, paper matching and the shared tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "model/VYXDefs.h"

TEST(Units, ConversionsAndRoundTrips)
{
    EXPECT_NEAR(UnitToPt(10, asoduMillimeters), 28.3464566929, 1e-9);
    EXPECT_DOUBLE_EQ(PtToUnit(72, asoduInches), 1.0);
    EXPECT_DOUBLE_EQ(PtToUnit(12, asoduPicas), 2.0);
    EXPECT_DOUBLE_EQ(EmuToPts(12700), 1.0);
    EXPECT_EQ(PtsToEmu(0.5), 6350);
    EXPECT_EQ(PtsToEmu(-1), -12700);
    EXPECT_NEAR(PtToCm(CmToPt(2.5)), 2.5, 1e-12);
    for (int u = 0; u < cVYXDistUnitCount; ++u) {
        SCOPED_TRACE(u);
        const auto unit = static_cast<TVYXSysOptDistUnit>(u);
        EXPECT_NEAR(PtToUnit(UnitToPt(3.75, unit), unit), 3.75, 1e-12);
    }
    // The pica scale is a ruler factor, not the 6-point conversion.
    EXPECT_DOUBLE_EQ(GetUnitScaleValue(asoduPicas), 1.0 / 432);
    EXPECT_EQ(GetUnitsShortStr(asoduInches), u"ln");
}

TEST(Area, BoundsSaveRestoreAndHits)
{
    TVYXArea a(10, 20, 30, 40);
    EXPECT_DOUBLE_EQ(a.Width(), 21);  // inclusive bounds
    EXPECT_TRUE(a.Hit(10, 40));
    EXPECT_FALSE(a.Hit(9.99, 30));
    a.Save();
    a.SetBounds(0, 0, 1, 1);
    a.Restore();
    EXPECT_DOUBLE_EQ(a.X2(), 30);
    EXPECT_EQ(a.HitY(0, 19), aahrAbove);
    EXPECT_EQ(a.HitY(0, 40), aahrInside);
    EXPECT_EQ(a.HitY(0, 40.5), aahrBelow);
    // Stacked areas sharing the bound 40: only the lower one claims it.
    TVYXArea below(10, 40, 30, 60);
    EXPECT_EQ(a.HitAreaY(0, 40), aahrBelow);
    EXPECT_EQ(below.HitAreaY(0, 40), aahrInside);
    TVYXArea copy(a);
    EXPECT_EQ(copy.SavedArea(), nullptr);  // a copy does not share the saved state
}

TEST(ClientArea, OuterBoundsPullClientBoundsInside)
{
    TVYXClientArea page;
    page.SetBounds(0, 0, 600, 800);
    page.SetCX1(72);
    page.SetCY1(72);
    page.SetCX2(528);
    page.SetCY2(728);
    EXPECT_DOUBLE_EQ(page.Width(), 600);  // not inclusive
    EXPECT_DOUBLE_EQ(page.GetPageWidth(), 456);
    page.SetX1(100);  // client bound 72 would lie outside
    EXPECT_DOUBLE_EQ(page.CX1(), 100);
    page.SetX2(550);  // client bound 528 stays inside
    EXPECT_DOUBLE_EQ(page.CX2(), 528);
    page.SetY2(700);
    EXPECT_DOUBLE_EQ(page.CY2(), 700);
    page.Save();
    page.SetCX1(0);
    page.SetX1(0);
    page.Restore();
    EXPECT_DOUBLE_EQ(page.X1(), 100);
    EXPECT_DOUBLE_EQ(page.CX1(), 100);
    TVYXClientArea other;
    other.Assign(page);
    EXPECT_DOUBLE_EQ(other.CY2(), 700);
}

TEST(PaperSize, MatchWithinTolerance)
{
    struct TCase {
        double W, H;
        TVYXPaperSize Expected;
    };
    const TCase cases[] = {
        {612, 792, apsLetter},        {612.05, 792.05, apsLetter}, {612.1, 792.1, apsLetter},
        {612.15, 792.15, apsAnsiA},   {600, 800, apsCustom},       {595.2755905511812, 841.8897637795276, apsA4},
        {595.3, 841.9, apsA4},        {792, 612, apsCustom},       {0, 0, apsCustom},
        {792.1, 1224.15, apsAnsiB},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.W) + " x " + std::to_string(c.H));
        EXPECT_EQ(MatchPaperSize(c.W, c.H), c.Expected);
    }
    for (std::size_t i = 0; i < VYXPaperSizes.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(VYXPaperSizes[i].Size), i);
}

TEST(SharedTables, ContentsAndBorderTokens)
{
    EXPECT_EQ(NonPrintableCharMap[13], u'\u00B6');
    EXPECT_EQ(NonPrintableCharMap[32], u'\u00B7');
    EXPECT_EQ(NonPrintableCharMap[9], u'\t');
    EXPECT_TRUE(std::is_sorted(VYXStdFontSizes.begin(), VYXStdFontSizes.end()));
    EXPECT_EQ(VYXPictureTypeName[aptUnknown], "_unknown_");

    // Border tokens: unique, in the standard's order at the known landmarks, and found by name.
    std::set<std::string_view> unique(VYXStBorderName.begin(), VYXStBorderName.end());
    EXPECT_EQ(unique.size(), VYXStBorderName.size());
    EXPECT_EQ(VYXStBorderName[stbNil], "nil");
    EXPECT_EQ(VYXStBorderName[stbThinThickSmallGap], "thinThickSmallGap");
    EXPECT_EQ(VYXStBorderName[stbInset], "inset");
    EXPECT_EQ(VYXStBorderName[stbInset + 1], "apples");
    EXPECT_EQ(VYXStBorderName[stbZigZagStitch], "zigZagStitch");
    for (int i = 0; i < cVYXBorderStyleCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(StBorderFromName(VYXStBorderName[static_cast<std::size_t>(i)]), static_cast<TST_Border>(i));
    }
    EXPECT_FALSE(StBorderFromName("Single").has_value());
    EXPECT_FALSE(StBorderFromName("custom").has_value());
    EXPECT_FALSE(StBorderFromName("").has_value());
}
