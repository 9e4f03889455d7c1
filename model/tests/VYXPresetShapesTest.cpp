// VYXPresetShapesTest.cpp: every preset shape computes a sane outline; known geometry checked point by point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "model/VYXGraphicTypes.h"
#include "model/VYXPresetShapes.h"

namespace {

using P = std::set<std::pair<long, long>>;

// The points the path passes through (ends of segments), rounded to 1/1000.
P Points(const TVYXGrShapePath& path)
{
    P out;
    for (const auto& item : path) {
        const std::size_t n = item.Coords.size();
        if (n >= 2)
            out.insert({std::lround(item.Coords[n - 2] * 1000), std::lround(item.Coords[n - 1] * 1000)});
    }
    return out;
}

TEST(PresetShapes, EveryPresetIsPresentAndSane)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    const std::vector<std::string> names = VYXPresetShapeNames();
    EXPECT_EQ(names.size(), 187u);  // the published 186 distinct ones plus the supplied upArrow
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    const std::pair<double, double> boxes[] = {{200, 100}, {50, 300}, {100, 100}, {0, 40}};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        for (const auto& [w, h] : boxes) {
            const TVYXGrShapePath path = VYXPresetShapePath(name, w, h);
            ASSERT_FALSE(path.empty());
            EXPECT_EQ(path.back().Cmd, agspcEnd);
            EXPECT_EQ(path.front().Cmd == agspcMoveTo || path.front().Cmd == agspcNoFill ||
                          path.front().Cmd == agspcNoStroke,
                      true);
            for (const auto& item : path)
                for (double v : item.Coords)
                    ASSERT_TRUE(std::isfinite(v));
        }
        // A regular box keeps the outline near the box (callouts and a few arrows reach out by design).
        for (const auto& item : VYXPresetShapePath(name, 200, 100))
            for (std::size_t i = 0; i < item.Coords.size(); ++i)
                EXPECT_LT(std::abs(item.Coords[i]), 1000);
    }
}

TEST(PresetShapes, KnownGeometry)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    EXPECT_EQ(Points(VYXPresetShapePath("rect", 20, 10)), (P{{0, 0}, {20000, 0}, {20000, 10000}, {0, 10000}}));
    // rightArrow, default adjust 50000/50000 on 200 x 100: shaft half as high as the box, head 50 wide.
    EXPECT_EQ(Points(VYXPresetShapePath("rightArrow", 200, 100)),
              (P{{0, 25000}, {150000, 25000}, {150000, 0}, {200000, 50000}, {150000, 100000}, {150000, 75000},
                 {0, 75000}}));
    // Adjust values override the defaults by position.
    const std::vector<int> thin = {20000, 50000};
    EXPECT_TRUE(Points(VYXPresetShapePath("rightArrow", 200, 100, &thin)).count({0, 40000}));
    // The ellipse passes through the four mid-points of its box.
    const P ellipse = Points(VYXPresetShapePath("ellipse", 200, 100));
    EXPECT_TRUE(ellipse.count({0, 50000}) && ellipse.count({100000, 0}) && ellipse.count({200000, 50000}) &&
                ellipse.count({100000, 100000}));
    EXPECT_EQ(VYXPresetShapePath("noSuchShape", 10, 10).size(), 0u);
}

TEST(PresetShapes, UpArrowMirrorsDownArrow)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    for (const std::vector<int>& adjust : {std::vector<int>{}, std::vector<int>{30000, 80000}}) {
        P down;
        for (auto [x, y] : Points(VYXPresetShapePath("downArrow", 120, 90, &adjust)))
            down.insert({x, 90000 - y});
        EXPECT_EQ(Points(VYXPresetShapePath("upArrow", 120, 90, &adjust)), down);
    }
    const TVYXPresetShapeInfo* info = VYXFindPresetShape("upArrow");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Adjust, (std::vector<int>{50000, 50000}));
    EXPECT_TRUE(info->Filled);
    EXPECT_TRUE(VYXFindPresetShape("line")->ArrowsOk);
}

TEST(ShapeTypes, StoreSharesById)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    TVYXShapeTypes types;
    TVYXShapeType* star = types.Add("star5");
    ASSERT_NE(star, nullptr);
    EXPECT_EQ(types.Add("nonsense"), nullptr);
    TVYXShapeTypes other;
    TVYXShapeType& copy = other.AddIfNotHas(*star);
    EXPECT_EQ(copy.Id, "star5");
    EXPECT_EQ(&other.AddIfNotHas(*star), &copy);
    EXPECT_EQ(other.Count(), 1);
    EXPECT_EQ(other.AddIfNotHasTextBox().Id, "rect");
    EXPECT_FALSE(copy.CalcPath(10, 10).empty());
}

TEST(ShapeTypes, ConnectionSitesOfARectangle)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    TVYXShapeTypes types;
    const std::vector<TVYXShapeConnectLoc> sites = types.Add("rect")->CalcConnectLocs(200, 100);
    ASSERT_EQ(sites.size(), 4u);
    const double expected[4][3] = {{100, 0, 270}, {0, 50, 180}, {100, 100, 90}, {200, 50, 0}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(sites[i].X, expected[i][0]);
        EXPECT_DOUBLE_EQ(sites[i].Y, expected[i][1]);
        EXPECT_DOUBLE_EQ(sites[i].Angle, expected[i][2]);
    }
    EXPECT_TRUE(VYXPresetShapeHandles("rect", 10, 10).empty());

    // Text goes in the square inscribed in an ellipse.
    const TVYXShapeRect text = types.Add("ellipse")->CalcTextBoxRect(200, 100);
    const double k = 1 - std::sqrt(0.5);
    EXPECT_NEAR(text.Left, 100 * k, 1e-9);
    EXPECT_NEAR(text.Top, 50 * k, 1e-9);
    EXPECT_NEAR(text.Right, 200 - 100 * k, 1e-9);
    EXPECT_NEAR(text.Bottom, 100 - 50 * k, 1e-9);
}

// Dragging a handle to where it would sit for other adjust values finds values that
// put it there again, for every handle of every preset: positions are a function of
// the adjust values, and CalcAdjust inverts it within the allowed limits.
TEST(ShapeTypes, DraggingHandlesOfEveryPreset)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    TVYXShapeTypes types;
    int handles = 0;
    for (const std::string& name : VYXPresetShapeNames()) {
        const TVYXShapeType& type = *types.Add(name);
        const std::vector<TVYXShapeHandle> start = type.CalcHandles(300, 200);
        for (std::size_t i = 0; i < start.size(); ++i) {
            SCOPED_TRACE(name + " handle " + std::to_string(i));
            const TVYXShapeHandle& h = start[i];
            // The target: the handle's place with its values a third into their ranges.
            std::vector<int> moved = type.Adjust;
            for (const auto& [ref, lo, hi] : {std::tuple(h.RefX, h.MinX, h.MaxX), std::tuple(h.RefY, h.MinY, h.MaxY)})
                if (ref >= 0)
                    moved[static_cast<std::size_t>(ref)] = static_cast<int>(std::lround(lo + (hi - lo) / 3));
            const TVYXShapeHandle target = type.CalcHandles(300, 200, &moved)[i];
            std::vector<int> adjust;
            ASSERT_TRUE(type.CalcAdjust(static_cast<int>(i), target.X, target.Y, 300, 200, adjust));
            const TVYXShapeHandle got = type.CalcHandles(300, 200, &adjust)[i];
            EXPECT_LT(std::hypot(got.X - target.X, got.Y - target.Y), 1.0);
            for (const auto& [ref, lo, hi] : {std::tuple(got.RefX, h.MinX, h.MaxX), std::tuple(got.RefY, h.MinY, h.MaxY)})
                if (ref >= 0) {
                    EXPECT_GE(adjust[static_cast<std::size_t>(ref)], std::floor(std::min(lo, hi)));
                    EXPECT_LE(adjust[static_cast<std::size_t>(ref)], std::ceil(std::max(lo, hi)));
                }
            ++handles;
        }
        std::vector<int> none;
        EXPECT_FALSE(type.CalcAdjust(static_cast<int>(start.size()), 0, 0, 300, 200, none));
    }
    EXPECT_GT(handles, 200);
}

TEST(ShapeTypes, DraggingPastTheLimitStopsAtIt)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    TVYXShapeTypes types;
    const TVYXShapeType& arrow = *types.Add("rightArrow");
    const std::vector<TVYXShapeHandle> hs = arrow.CalcHandles(200, 100);
    ASSERT_EQ(hs.size(), 2u);
    EXPECT_EQ(hs[0].RefY, 0);  // the shaft's thickness moves up and down
    EXPECT_EQ(hs[1].RefX, 1);  // the head's length left and right
    std::vector<int> adjust;
    ASSERT_TRUE(arrow.CalcAdjust(0, 0, -500, 200, 100, adjust));
    EXPECT_EQ(adjust[0], 100000);
    EXPECT_EQ(adjust[1], 50000);  // the other value is left as it was
    ASSERT_TRUE(arrow.CalcAdjust(1, 120, 0, 200, 100, adjust));
    EXPECT_NEAR(arrow.CalcHandles(200, 100, &adjust)[1].X, 120, 0.01);
}

}  // namespace
