// VYXVmlShapesTest.cpp: legacy shape type formulas and paths.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "model/VYXGraphicTypes.h"
#include "model/VYXVmlShapes.h"
#include "platform/VYXException.h"

namespace {

using P = std::set<std::pair<long, long>>;

P Points(const TVYXGrShapePath& path)
{
    P out;
    for (const auto& item : path) {
        const std::size_t n = item.Coords.size();
        if (n >= 2)
            out.insert({std::lround(item.Coords[n - 2]), std::lround(item.Coords[n - 1])});
    }
    return out;
}

TEST(VmlShapes, FormulaOperatorsAndValues)
{
    const struct {
        const char* Formula;
        double Expected;
    } cases[] = {
        {"val 7", 7},           {"sum #0 100 @0", 1000 + 100 - 10}, {"prod @0 3 2", 15},
        {"mid 4 10", 7},        {"abs -3", 3},                     {"min 4 2", 2},
        {"max 4 2", 4},         {"if -1 5 6", 6},                  {"mod 3 4 0", 5},
        {"atan2 1 1", 45 * 65536.0}, {"sin 10 5898240", 10},       {"cos 10 11796480", -10},
        {"cosatan2 10 0 1", 0}, {"sinatan2 10 0 1", 10},           {"sqrt 16", 4},
        {"sumangle 0 90 0", 90 * 65536.0}, {"ellipse 0 10 7", 7},  {"tan 2 2949120", 2},
        {"val width", 200},     {"val ycenter", 50},               {"val emuWidth2", 25 * 12700},
        {"val pixelHeight", 40}, {"sum xlimo 0 hasFill", 199},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Formula);
        const std::vector<TVYXShapeFormula> f = {VYXParseShapeFormula("val 10"), VYXParseShapeFormula(c.Formula)};
        const std::vector<double> v = VYXEvalShapeFormulas(f, 200, 100, {1000}, 50, 30);
        EXPECT_NEAR(v[1], c.Expected, 1e-6);
    }
    for (const char* bad : {"", "plus 1 2", "sum 1 2 3 4", "val @x", "val nowhere"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(VYXParseShapeFormula(bad), VYXException);
    }
    // Every keyword of the table resolves (and so the table is sorted for its search).
    const char* ops[] = {"abs", "atan2", "cos", "cosatan2", "ellipse", "if", "max", "mid", "min",
                         "mod", "prod", "sin", "sinatan2", "sqrt", "sum", "sumangle", "tan", "val"};
    for (const char* op : ops) {
        TVYXShapeFmlaOp found{};
        EXPECT_TRUE(VYXShapeFmlaOperator(op, found)) << op;
    }
    // A formula referring forward sees 0, not garbage.
    const std::vector<TVYXShapeFormula> fwd = {VYXParseShapeFormula("sum @1 1 0"), VYXParseShapeFormula("val 5")};
    EXPECT_EQ(VYXEvalShapeFormulas(fwd, 10, 10, {}, 1, 1)[0], 1);
}

TEST(VmlShapes, PathsOfClassicShapeTypes)
{
    // The text box: empty values are zeros.
    EXPECT_EQ(Points(VYXVmlShapePath("m,l,21600r21600,l21600,xe", {}, 21600, 21600, {}, 100, 50)),
              (P{{0, 0}, {0, 50}, {100, 50}, {100, 0}}));
    // The right arrow with formulas and adjust values.
    std::vector<TVYXShapeFormula> f;
    for (const char* s : {"val #0", "val #1", "sum height 0 #1", "sum 10800 0 #1", "sum width 0 #0",
                          "prod @4 @3 10800", "sum width 0 @5"})
        f.push_back(VYXParseShapeFormula(s));
    EXPECT_EQ(Points(VYXVmlShapePath("m@0,l@0@1,0@1,0@2@0@2@0,21600,21600,10800xe", f, 21600, 21600,
                                     {16200, 5400}, 21600, 21600)),
              (P{{16200, 0}, {16200, 5400}, {0, 5400}, {0, 16200}, {16200, 16200}, {16200, 21600}, {21600, 10800}}));
    // The ellipse: one full turn through the four mid-points.
    const TVYXGrShapePath ellipse =
        VYXVmlShapePath("al10800,10800,10800,10800,0,23592960xe", {}, 21600, 21600, {}, 200, 100);
    const P e = Points(ellipse);
    EXPECT_TRUE(e.count({200, 50}) && e.count({100, 100}) && e.count({0, 50}) && e.count({100, 0}));
    EXPECT_EQ(ellipse.front().Cmd, agspcMoveTo);
    EXPECT_EQ(ellipse.back().Cmd, agspcEnd);
    // Arcs, quadrants, B-splines, relative moves and flags all end on their given points.
    const TVYXGrShapePath mixed = VYXVmlShapePath(
        "nfm0,0qx100,100qy0,200wr0,0,200,200,200,100,0,100t10,10v1,1,2,2,3,3qb50,0,100,0nse", {}, 200, 200, {}, 200,
        200);
    ASSERT_GE(mixed.size(), 2u);
    EXPECT_EQ(mixed.front().Cmd, agspcNoFill);
    const P m = Points(mixed);
    EXPECT_TRUE(m.count({100, 100}) && m.count({0, 200}) && m.count({0, 100}) && m.count({10, 110}) &&
                m.count({13, 113}) && m.count({100, 0}));
    // Garbage neither crashes nor loops.
    for (const char* junk : {"", "zzz", ",,,", "m", "c1,2", "al1,1,1,1,0,99999999999", "@#@#", "m1e1e1"})
        VYXVmlShapePath(junk, {}, 100, 100, {}, 10, 10);
}

TEST(VmlShapes, ShapeTypeFromDefinition)
{
    TVYXShapeTypes types;
    TVYXVmlShapeDef def;
    def.Id = "_x0000_t13";
    def.CoordSize = "21600,21600";
    def.Adj = "16200,5400";
    def.Formulas = {"val #0", "val #1"};
    def.Path = "m@0,l@0@1,0@1xe";
    TVYXShapeType& t = types.Add(def);
    EXPECT_EQ(t.Adjust, (std::vector<int>{16200, 5400}));
    EXPECT_EQ(types.Find("_x0000_t13"), &t);
    EXPECT_EQ(Points(t.CalcPath(216, 216)), (P{{162, 0}, {162, 54}, {0, 54}}));
    const std::vector<int> adj = {10800, 10800};
    EXPECT_EQ(Points(t.CalcPath(216, 216, &adj)), (P{{108, 0}, {108, 108}, {0, 108}}));
    EXPECT_EQ(TVYXShapeTypes::GetValue(t, 1, 100, 100), 5400);
    EXPECT_EQ(TVYXShapeTypes::GetValue(t, 7, 100, 100), 0);
    TVYXShapeFmlaOp op{};
    EXPECT_TRUE(TVYXShapeTypes::GetOperator("sumangle", op));
    EXPECT_EQ(op, asfoSumAngle);
    EXPECT_EQ(TVYXShapeTypes::ParseFormula("val @3").Args[0].Kind, asfvFormula);
    def.Formulas = {"bogus 1"};
    EXPECT_THROW(types.Add(def), VYXException);
    EXPECT_EQ(types.Count(), 1);
}

TEST(VmlShapes, HandlesAndConnectionSites)
{
    TVYXShapeTypes types;
    TVYXVmlShapeDef def;
    def.Id = "_x0000_t15";
    def.Adj = "5400,10800";
    def.Formulas = {"val #0", "sum 21600 0 #0"};
    def.Path = "m@0,l@1,21600,0,21600xe";
    def.ConnectLocs = "@0,0;0,10800;10800,21600;@1,10800";
    def.ConnectAngles = "270,180,90";
    def.Handles = {{"#0,topLeft", "2000,10800", "", "", ""}, {"center,#1", "", "", "", ""}, {"@1,bottomRight", "", "", "", ""}};
    def.TextBoxRect = "@0,0,@1,21600;0,0,1,1";
    const TVYXShapeType& t = types.Add(def);
    const TVYXShapeRect text = t.CalcTextBoxRect(216, 108);
    EXPECT_DOUBLE_EQ(text.Left, 54);
    EXPECT_DOUBLE_EQ(text.Right, 162);
    EXPECT_DOUBLE_EQ(text.Bottom, 108);
    def.TextBoxRect = "1,2,3";  // malformed: the whole box
    EXPECT_DOUBLE_EQ(types.Add(def).CalcTextBoxRect(216, 108).Right, 216);

    const std::vector<TVYXShapeConnectLoc> sites = t.CalcConnectLocs(216, 108);
    ASSERT_EQ(sites.size(), 4u);
    EXPECT_DOUBLE_EQ(sites[0].X, 54);
    EXPECT_DOUBLE_EQ(sites[1].Y, 54);
    EXPECT_DOUBLE_EQ(sites[2].Angle, 90);
    EXPECT_DOUBLE_EQ(sites[3].X, 162);
    EXPECT_DOUBLE_EQ(sites[3].Angle, 0);  // no angle given

    const std::vector<TVYXShapeHandle> hs = t.CalcHandles(216, 108);
    ASSERT_EQ(hs.size(), 3u);
    EXPECT_EQ(hs[0].RefX, 0);
    EXPECT_EQ(hs[0].RefY, -1);
    EXPECT_DOUBLE_EQ(hs[0].X, 54);
    EXPECT_DOUBLE_EQ(hs[1].X, 108);
    EXPECT_DOUBLE_EQ(hs[1].Y, 54);
    EXPECT_EQ(hs[1].RefY, 1);
    EXPECT_EQ(hs[2].RefX, -1);  // a formula place cannot be dragged
    EXPECT_DOUBLE_EQ(hs[2].Y, 108);

    std::vector<int> adjust;
    ASSERT_TRUE(t.CalcAdjust(0, 81, 30, 216, 108, adjust));
    EXPECT_EQ(adjust, (std::vector<int>{8100, 10800}));
    ASSERT_TRUE(t.CalcAdjust(0, 500, 0, 216, 108, adjust));
    EXPECT_EQ(adjust[0], 10800);  // stops at the range
    ASSERT_TRUE(t.CalcAdjust(1, 0, 27, 216, 108, adjust));
    EXPECT_EQ(adjust[1], 5400);
    ASSERT_TRUE(t.CalcAdjust(2, 0, 0, 216, 108, adjust));
    EXPECT_EQ(adjust, (std::vector<int>{10800, 5400}));  // nothing to move
    EXPECT_FALSE(t.CalcAdjust(3, 0, 0, 216, 108, adjust));
}

TEST(VmlShapes, PolarHandlesTurnAndStretch)
{
    // An arch whose handle gives the ring's thickness (#1) and where it ends (#0).
    TVYXShapeTypes types;
    TVYXVmlShapeDef def;
    def.Id = "_x0000_t95";
    def.Adj = "11796480,5400";
    def.Formulas = {"val #1"};
    def.Path = "m0,10800l21600,10800e";
    def.Handles = {{"#1,#0", "", "", "10800,10800", "0,10800"}, {"@0,#0", "", "", "center", ""}};
    const TVYXShapeType& t = types.Add(def);
    std::vector<TVYXShapeHandle> hs = t.CalcHandles(216, 216);
    ASSERT_EQ(hs.size(), 2u);
    EXPECT_TRUE(hs[0].Polar);
    EXPECT_EQ(hs[0].RefX, 1);  // radius
    EXPECT_EQ(hs[0].RefY, 0);  // angle
    EXPECT_NEAR(hs[0].X, 54, 1e-9);  // 180 degrees: left of the centre
    EXPECT_NEAR(hs[0].Y, 108, 1e-9);
    EXPECT_DOUBLE_EQ(hs[0].MaxX, 10800);

    const struct {
        double X, Y;
        double Angle, Radius;  // degrees, coordinate units
    } drags[] = {
        {108, 27, -90, 8100},      // straight up: clockwise angles make "up" negative
        {108 + 30, 108, 0, 3000},  // right
        {108, 108 + 60, 90, 6000},
        {400, 108, 0, 10800},      // beyond the radius range: stops at its end
    };
    for (const auto& d : drags) {
        SCOPED_TRACE(d.Angle);
        std::vector<int> adjust;
        ASSERT_TRUE(t.CalcAdjust(0, d.X, d.Y, 216, 216, adjust));
        EXPECT_NEAR(adjust[0] / 65536.0, d.Angle, 0.5);
        EXPECT_NEAR(adjust[1], d.Radius, 30);
        hs = t.CalcHandles(216, 216, &adjust);
        if (d.Radius < 10800) {
            EXPECT_NEAR(hs[0].X, d.X, 0.5);  // the handle lands where it was dropped
            EXPECT_NEAR(hs[0].Y, d.Y, 0.5);
        }
        // The second handle shares the angle; its radius is a formula and only turns.
        EXPECT_NEAR(std::hypot(hs[1].X - 108, hs[1].Y - 108), adjust[1] / 100.0, 1e-6);
    }
}

}  // namespace
