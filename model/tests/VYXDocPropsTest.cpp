// VYXDocPropsTest.cpp: property lists (order, lookup, ownership, Equal, Toggle, merging, copying with
// style mapping), the typed lists' fallbacks and styled getters, owned values and the stacks.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/VYXDocProps.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"
#include "platform/VYXStringList.h"

namespace {
std::vector<std::int32_t> Ids(const TVYXPropList& list)
{
    std::vector<std::int32_t> ids;
    for (int i = 0; i < list.Count(); ++i)
        ids.push_back(list.Items(i).Id);
    return ids;
}

// Counts destructions so tests can see what a list frees.
class TCountedBorder : public TVYXDocPropBorder {
public:
    explicit TCountedBorder(int& deaths) : FDeaths(deaths) {}
    ~TCountedBorder() override { ++FDeaths; }
    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override
    {
        return std::make_unique<TCountedBorder>(FDeaths);
    }

private:
    int& FDeaths;
};
}  // namespace

TEST(PropList, SortedInsertAndBinaryFind)
{
    TVYXCHP chp;
    TVYXCHPX chpx(&chp);
    chpx.AddInteger(5, 1);
    chpx.AddInteger(1, 1);
    chpx.AddInteger(3, 1);
    EXPECT_EQ(Ids(chpx), (std::vector<std::int32_t>{1, 3, 5}));
    EXPECT_EQ(chpx.Find(3), 1);
    EXPECT_EQ(chpx.Find(4), -1);
    EXPECT_EQ(chpx.Find(0), -1);
    EXPECT_EQ(chpx.Find(6), -1);

    // Every insertion order of all ids ends in the same ascending list.
    std::vector<int> order(cVYXChpIdCount - 1);
    for (int i = 0; i < static_cast<int>(order.size()); ++i)
        order[static_cast<std::size_t>(i)] = cVYXChpIdCount - 1 - i;
    std::rotate(order.begin(), order.begin() + 7, order.end());
    TVYXCHPX all(&chp);
    for (int id : order)
        all.AddEmpty(id);
    for (int id = 1; id < cVYXChpIdCount; ++id) {
        SCOPED_TRACE(id);
        ASSERT_EQ(all.Find(id), id - 1);
    }
    // Set on a present id replaces, never duplicates.
    chpx.SetAsInteger(3, 7);
    EXPECT_EQ(chpx.Count(), 3);
    EXPECT_EQ(chpx.GetAsInteger(3), 7);
}

TEST(PropList, OwnedValuesAreFreedAndReferencesAreNot)
{
    TVYXStyles styles;
    TVYXCharStyle* style = styles.AddChar(u"Emphasis");
    int deaths = 0;
    {
        TVYXCHPX chpx(&styles.MasterCHP());
        chpx.SetFontName(u"Courier New");
        chpx.SetAsString(vyciFontName, u"Arial");
        EXPECT_EQ(chpx.GetFontName(), u"Arial");
        EXPECT_EQ(chpx.Count(), 1);

        chpx.SetAsOwnedObject(vyciBorder, std::make_unique<TCountedBorder>(deaths));
        chpx.SetAsOwnedObject(vyciBorder, std::make_unique<TCountedBorder>(deaths));
        EXPECT_EQ(deaths, 1);  // the replaced border
        chpx.Remove(vyciBorder);
        EXPECT_EQ(deaths, 2);

        chpx.SetStyle(style);
        chpx.Remove(vyciStyle);
        EXPECT_EQ(styles.Find(u"Emphasis"), style);  // the style lives on

        TCountedBorder original(deaths);
        chpx.AddOwnedObject(vyciBorder, original);  // stores a copy
        EXPECT_NE(chpx.GetBorder(), &original);
    }
    EXPECT_EQ(deaths, 4);  // the copy with the list, the original with its scope
}

TEST(PropList, EqualRules)
{
    TVYXCHP chp;
    TVYXCHPX a(&chp), b(&chp);
    EXPECT_FALSE(a.Equal(b));  // empty lists are never equal
    a.SetSize(10.0);
    b.SetSize(10.000001);
    EXPECT_TRUE(a.Equal(b));
    b.SetSize(10.0001);
    EXPECT_FALSE(a.Equal(b));
    b.SetSize(10.0);

    a.AddBorder()->SetVals(1, 0xFF, stbDouble, 2);
    b.AddBorder()->SetVals(1, 0xFF, stbDouble, 2);
    EXPECT_TRUE(a.Equal(b));
    b.GetBorder()->Width = 1.5;
    EXPECT_FALSE(a.Equal(b));

    TVYXPAP pap;
    TVYXPAPX p1(&pap), p2(&pap);
    p1.AddTabStops()->Add(36);
    p2.AddTabStops()->Add(36);
    EXPECT_TRUE(p1.GetTabStops()->Equal(*p2.GetTabStops()));
    EXPECT_FALSE(p1.Equal(p2));  // lists count tab stops as different

    TVYXCHPX u1(&chp), u2(&chp);
    u1.AddEmpty(99);
    u2.AddEmpty(99);
    EXPECT_THROW(u1.Equal(u2), VYXException);
}

TEST(PropList, Toggle)
{
    TVYXCHP chp;
    chp.Bold = true;
    TVYXCHPX chpx(&chp);
    chpx.SetBold(false);
    EXPECT_FALSE(chpx.GetBold());
    chpx.Toggle(vyciBold);  // present, whatever its value: removed
    EXPECT_EQ(chpx.Find(vyciBold), -1);
    EXPECT_TRUE(chpx.GetBold());  // the fallback answers
    chpx.Toggle(vyciItalic);
    EXPECT_TRUE(chpx.GetAsBoolean(vyciItalic));
    try {
        chpx.Toggle(vyciSize);
        FAIL() << "toggled a float";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Can not toggle this type");
    }
}

TEST(PropList, InheritMergeAndAssign)
{
    TVYXCHP chp;
    TVYXCHPX target(&chp), source(&chp);
    source.AddBorder();
    target.Merge(source);
    EXPECT_EQ(target.Count(), 0);  // owned values are not merged

    source.SetBold(true);
    source.SetSize(14);
    target.SetSize(9);
    target.Inherit(source);
    EXPECT_DOUBLE_EQ(target.GetSize(), 9);  // present ids keep their values
    EXPECT_TRUE(target.GetBold());
    target.Merge(source);
    EXPECT_DOUBLE_EQ(target.GetSize(), 14);

    TVYXCHPX copy(&chp);
    copy.SetItalic(true);
    copy.Assign(source, nullptr, nullptr);
    EXPECT_EQ(Ids(copy), Ids(source));
    ASSERT_NE(copy.GetBorder(), nullptr);
    EXPECT_NE(copy.GetBorder(), source.GetBorder());  // owned values are copied deeply

    TVYXCHPX bad(&chp);
    bad.AddEmpty(200);
    copy.SetItalic(true);
    try {
        copy.Assign(bad, nullptr, nullptr);
        FAIL();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Unknown PropList item");
    }
    EXPECT_TRUE(copy.GetItalic());  // a failed copy leaves the list as it was
}

TEST(PropList, AssignMapsStylesIntoTheTargetSheet)
{
    TVYXStyles source, target;
    TVYXCharStyle* base = source.AddChar(u"Base");
    TVYXCharStyle* strong = source.AddChar(u"Strong");
    strong->BasedOn = base;
    strong->CHPX().SetBold(true);
    TVYXCHPX chpx(&source.MasterCHP());
    chpx.SetStyle(strong);

    TVYXCHPX copy(&target.MasterCHP());
    copy.Assign(chpx, &source, &target);
    TVYXCharStyle* mapped = copy.GetStyle();
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(mapped->Styles(), &target);
    EXPECT_TRUE(mapped->CHPX().GetBold());
    ASSERT_NE(mapped->BasedOn, nullptr);
    EXPECT_EQ(mapped->BasedOn, target.Find(u"Base"));
    EXPECT_EQ(target.Count(), 2);

    TVYXCHPX again(&target.MasterCHP());
    again.Assign(chpx, &source, &target);
    EXPECT_EQ(again.GetStyle(), mapped);  // no second copy
    EXPECT_EQ(target.Count(), 2);

    // The table form looks styles up by id and adds a missing table style by name.
    TVYXTableStyle* grid = source.AddTable(u"Grid");
    grid->TAPX().SetCellMargLeft(3);
    TVYXTAPX tapx(&source.MasterTAP());
    tapx.SetStyle(grid);
    tapx.CreateFloating()->TblpX = 42;
    TVYXTAPX tcopy(&target.MasterTAP());
    tcopy.Assign(tapx, &target);
    ASSERT_NE(tcopy.GetStyle(), nullptr);
    EXPECT_EQ(tcopy.GetStyle()->Styles(), &target);
    EXPECT_DOUBLE_EQ(tcopy.GetCellMargLeft(), 3);
    ASSERT_NE(tcopy.Floating(), nullptr);
    EXPECT_EQ(tcopy.Floating()->TblpX, 42);
}

TEST(CHPX, EmptyListAnswersFromItsCHP)
{
    TVYXCHP chp;
    TVYXCHPX chpx(&chp);
    EXPECT_FALSE(chpx.GetBold());
    EXPECT_DOUBLE_EQ(chpx.GetSize(), 10.0);
    EXPECT_EQ(chpx.GetFontName(), u"Arial");
    EXPECT_EQ(chpx.GetFillColor(), cVYXAutoColor);
    EXPECT_EQ(chpx.GetHighlightColor(), ahcNone);
    EXPECT_EQ(chpx.GetStyle(), nullptr);
    EXPECT_EQ(chpx.GetBorder(), nullptr);
    EXPECT_FALSE(chpx.GetMisspelled());
    chp.Size = 12;
    EXPECT_DOUBLE_EQ(chpx.GetChpxAsFloat(vyciSize), 12);
    EXPECT_DOUBLE_EQ(chpx.GetChpxAsFloat(vyciColor), 0);
    TVYXCHPX orphan(nullptr);  // without a CHP the defaults answer
    EXPECT_DOUBLE_EQ(orphan.GetSize(), 10.0);

    chpx.SetAllCaps(true);
    EXPECT_TRUE(chpx.TextTransform());
    chpx.Remove(vyciAllCaps);
    EXPECT_FALSE(chpx.TextTransform());
}

TEST(CHPX, FontNameAndStyledGettersWalkTheCharacterStyle)
{
    TVYXStyles styles;
    TVYXCharStyle* base = styles.AddChar(u"Base");
    TVYXCharStyle* derived = styles.AddChar(u"Derived");
    derived->BasedOn = base;
    base->CHPX().SetFontName(u"Georgia");
    base->CHPX().SetColor(0x112233);
    base->CHPX().SetUnderline(vycuDouble);
    TVYXCHPX run(&styles.MasterCHP());
    run.SetStyle(derived);

    EXPECT_EQ(run.GetFontName(), u"Arial");  // only the run's own style counts, not its base
    derived->CHPX().SetFontName(u"Verdana");
    EXPECT_EQ(run.GetFontName(), u"Verdana");
    EXPECT_EQ(run.GetStyledColor(), 0x112233u);
    EXPECT_EQ(run.GetStyledUnderline(), vycuDouble);
    EXPECT_EQ(run.GetStyledUnderlineColor(), 0u);
    run.SetColor(0);  // zero counts as unset for the styled getters
    EXPECT_EQ(run.GetStyledColor(), 0x112233u);
    run.SetColor(0x0000FF);
    EXPECT_EQ(run.GetStyledColor(), 0x0000FFu);

    base->BasedOn = derived;  // a cycle from a damaged file must not hang
    EXPECT_EQ(run.GetStyledUnderlineColor(), 0u);
}

TEST(CHPX, AssignFmtText)
{
    struct TCase {
        const char16_t* Text;
        const char16_t* Plain;
        bool Bold;
        double Size;
        TVYXColor Color;
        const char16_t* Font;
    };
    const TCase cases[] = {
        {u"\\B\\s14Word", u"Word", true, 14, 0, u"Arial"},
        {u"\\s1xWord", u"Word", false, 10, 0, u"Arial"},  // not a number
        {u"\\s00a", u"a", false, 1, 0, u"Arial"},
        {u"\\CFF8000\\F\"Times\"x", u"x", false, 10, 0xFF8000, u"Times"},
        {u"\\F\"Times", u"\"Times", false, 10, 0, u"Arial"},  // no closing quote: ignored
        {u"\\B\\b plain \\B", u" plain \\B", false, 10, 0, u"Arial"},
        {u"\\s9", u"", false, 10, 0, u"Arial"},
        {u"", u"", false, 10, 0, u"Arial"},
        {u"\\", u"\\", false, 10, 0, u"Arial"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::u16string(c.Text).size());
        TVYXCHP chp;
        TVYXCHPX chpx(&chp);
        std::u16string plain;
        chpx.AssignFmtText(c.Text, plain);
        EXPECT_EQ(plain, c.Plain);
        EXPECT_EQ(chpx.GetBold(), c.Bold);
        EXPECT_DOUBLE_EQ(chpx.GetSize(), c.Size);
        EXPECT_EQ(chpx.GetColor(), c.Color);
        EXPECT_EQ(chpx.GetFontName(), c.Font);
    }
}

TEST(CHPX, DebugListAndDenseMerge)
{
    TVYXCHP chp;
    TVYXCHPX chpx(&chp);
    chpx.SetBold(true);
    chpx.SetColor(0xFF0000);
    chpx.SetUnderline(vycuDashLong);
    chpx.SetSize(11.5);
    chpx.SetMisspelled(true);
    chpx.SetAscii(u"Consolas");
    TVYXStringList lines;
    chpx.GetDebugList(lines, "  ");
    EXPECT_EQ(lines.Text(), "  Bold: True\n  Misspelled: True\n  Color: 00FF0000\n  Underline: DashLong\n"
                            "  Size: 11.5\n  Ascii: Consolas\n");

    TVYXCHP dense;
    dense.Merge(chpx);
    EXPECT_TRUE(dense.Bold);
    EXPECT_EQ(dense.Color, 0xFF0000u);
    EXPECT_EQ(dense.Underline, vycuDashLong);
    EXPECT_TRUE(dense.Ascii.empty());  // skipped ids
}

TEST(PAPX, FallbacksStyleChainAndNumberingIndent)
{
    TVYXStyles styles;
    styles.MasterPAP().SetDefault(false);
    TVYXParaStyle* normal = styles.AddPara(u"Normal");
    TVYXParaStyle* heading = styles.AddPara(u"Heading");
    heading->BasedOn = normal;
    normal->PAPX().SetLineSpacing(1.5);
    normal->PAPX().SetIndentLeft(12);
    normal->PAPX().SetAlignment(vyptaCenter);
    heading->PAPX().SetSpaceBefore(24);

    TVYXPAPX papx(&styles.MasterPAP());
    EXPECT_DOUBLE_EQ(papx.GetLineSpacing(), 1.08);
    EXPECT_DOUBLE_EQ(papx.GetSpaceAfter(), 8.0);
    EXPECT_EQ(papx.GetStyleAlignment(), vyptaLeft);
    papx.SetStyle(heading);
    EXPECT_DOUBLE_EQ(papx.GetLineSpacing(), 1.5);
    EXPECT_DOUBLE_EQ(papx.GetStyledIndentLeft(), 12);
    EXPECT_DOUBLE_EQ(papx.GetStyledIndentHanging(), 0);
    EXPECT_EQ(papx.GetStyleAlignment(), vyptaCenter);
    EXPECT_EQ(papx.GetAlignment(), vyptaLeft);  // the plain getter skips styles
    EXPECT_DOUBLE_EQ(papx.GetStyledSpaceBefore(), 24);
    papx.SetSpaceBefore(0);
    EXPECT_DOUBLE_EQ(papx.GetStyledSpaceBefore(), 0);  // own value, even zero

    TVYXNumbering level(nullptr, nullptr, &styles.MasterCHP(), &styles.MasterPAP());
    level.PAPX().SetIndentLeft(36);
    level.PAPX().SetIndentHanging(18);
    EXPECT_DOUBLE_EQ(papx.NumberingNumIndent(), 0);
    papx.SetNumbering(&level);
    EXPECT_DOUBLE_EQ(papx.NumberingNumIndent(), 18);
    papx.SetIndentLeft(50);
    EXPECT_DOUBLE_EQ(papx.NumberingNumIndent(), 32);

    // Borders: created single, shared by reference or copied into a set.
    papx.AddBorderTop()->Width = 2;
    EXPECT_EQ(papx.GetBorderTop()->Style, stbSingle);
    TVYXDocPropBorders refs, copies;
    papx.GetBorders(refs);
    papx.CopyTo(copies);
    EXPECT_EQ(refs.Top(), papx.GetBorderTop());
    EXPECT_FALSE(refs.OwnsSide(abrsTop));
    EXPECT_NE(copies.Top(), papx.GetBorderTop());
    EXPECT_TRUE(copies.Top()->Equal(*papx.GetBorderTop()));
    EXPECT_EQ(copies.Left(), nullptr);
    papx.DeleteBorderTop();
    EXPECT_FALSE(papx.HasBorders());
}

TEST(PAPX, AssignCopiesTheParagraphMark)
{
    TVYXCHP chp;
    TVYXPAP pap;
    TVYXPAPX papx(&pap);
    papx.AddCHPX(&chp)->SetItalic(true);
    papx.SetKeepNext(true);
    TVYXPAPXStack stack;
    stack.Push(papx);
    papx.Clear();
    papx.DeleteCHPX();
    ASSERT_TRUE(stack.Pop(papx));
    EXPECT_TRUE(papx.GetKeepNext());
    ASSERT_NE(papx.CHPX(), nullptr);
    EXPECT_TRUE(papx.CHPX()->GetItalic());
    EXPECT_FALSE(stack.Pop(papx));
}

TEST(TAPX, StyleFallbacksAndBorders)
{
    TVYXStyles styles;
    TVYXTableStyle* grid = styles.AddTable(u"Grid");
    grid->TAPX().SetCellMargTop(4);
    grid->TAPX().AddBorder(vytiBorderInsideVert)->SetVals(1, 0, stbDotted, 0);
    TVYXTAPX tapx(&styles.MasterTAP());
    EXPECT_DOUBLE_EQ(tapx.GetCellMargLeft(), 5.6);
    EXPECT_DOUBLE_EQ(tapx.GetWidth(), 0);
    tapx.SetStyle(grid);
    EXPECT_DOUBLE_EQ(tapx.GetCellMargTop(), 4);
    ASSERT_NE(tapx.GetBorderInsideVert(), nullptr);
    EXPECT_EQ(tapx.GetBorderInsideVert()->Style, stbDotted);
    EXPECT_EQ(tapx.GetBorderLeft(), nullptr);

    TVYXTableCellProps cell;
    EXPECT_DOUBLE_EQ(tapx.CalcCellMargLeft(&cell), 5.6);
    cell.SetMargLeft(0);
    EXPECT_DOUBLE_EQ(tapx.CalcCellMargLeft(&cell), 0);
    EXPECT_TRUE(cell.HasMargs());

    tapx.SetDefaultBorders();
    EXPECT_DOUBLE_EQ(tapx.GetBorderBottom()->Width, 0.5);
    tapx.RemoveBorders(false, true, false, false, true, false);
    EXPECT_EQ(tapx.GetBorderTop()->Style, stbNone);
    EXPECT_EQ(tapx.GetBorderLeft()->Style, stbSingle);
    EXPECT_EQ(tapx.GetBorderInsideHoriz()->Style, stbNone);
    EXPECT_EQ(tapx.GetBorderInsideVert()->Style, stbNone);  // now its own, cleared

    TVYXTableBorderProps props;
    std::vector<TVYXTableBorderSide> changed;
    props.BorderChanged = [&](TVYXTableBorderProps&, TVYXTableBorderSide side) { changed.push_back(side); };
    tapx.CopyTo(props);
    EXPECT_EQ(changed.size(), 6u);
    EXPECT_EQ(props.BorderInsideH->Style, stbNone);
}

TEST(OwnedValues, BordersTabStopsAndShading)
{
    TVYXDocPropBorder border;
    EXPECT_FALSE(border.Assigned());
    border.SetVals(1.5, 0xFF, stbNil, 2);
    EXPECT_FALSE(border.Assigned());
    border.Style = stbWave;
    EXPECT_TRUE(border.Assigned());
    EXPECT_DOUBLE_EQ(border.Margin(), 3.5);
    TVYXPAPXShade shade;
    EXPECT_FALSE(border.Equal(shade));

    TVYXTabStops tabs;
    tabs.Add(72);
    tabs.Add(36, atsaRight, atslDot);
    tabs.Add(std::vector<double>{108, 0});
    ASSERT_EQ(tabs.Count(), 4);
    EXPECT_DOUBLE_EQ(tabs.Items(0).Position, 0);
    EXPECT_DOUBLE_EQ(tabs.Last()->Position, 108);
    EXPECT_EQ(tabs.Items(1).Parent, &tabs);
    EXPECT_EQ(tabs.Find(36.05), 1);
    EXPECT_EQ(tabs.Find(35.95), 1);
    EXPECT_EQ(tabs.Find(36.2), -1);
    EXPECT_EQ(tabs.Find(200), -1);
    auto copy = tabs.Clone();
    EXPECT_TRUE(tabs.Equal(*copy));
    tabs.Items(1).Leader = atslNone;
    EXPECT_FALSE(tabs.Equal(*copy));

    TVYXDocPropBorders set;
    set.AddAll();
    EXPECT_TRUE(set.AllEqual());
    EXPECT_FALSE(set.AllAssigned());
    set.AddLeft()->Style = stbNil;
    set.DeleteNil();
    EXPECT_EQ(set.Left(), nullptr);
    TVYXDocPropBordersStack stack;
    stack.Push(set);
    set.Clear();
    ASSERT_TRUE(stack.Pop(set));
    EXPECT_NE(set.Top(), nullptr);
    EXPECT_EQ(set.Left(), nullptr);
}

TEST(PropTables, TypesNamesAndColours)
{
    EXPECT_EQ(ChpxVarType(vyciMisspelled), vycitBoolean);
    EXPECT_EQ(ChpxVarType(vyciSize), vycitFloat);
    EXPECT_EQ(ChpxVarType(vyciRevision), vycitOwnedObject);
    EXPECT_EQ(ChpxVarType(vycihAnsi), vycitString);
    EXPECT_EQ(ChpxVarType(-1), vycitUnknown);
    EXPECT_EQ(PapxVarType(vypiNumbering), vycitObject);
    EXPECT_EQ(PapxVarType(vypiRevision), vycitOwnedObject);
    EXPECT_EQ(TapxVarType(vytiCellMargBottom), vycitFloat);
    EXPECT_EQ(TapxVarType(vytiBorderInsideHoriz), vycitOwnedObject);
    EXPECT_EQ(VYXChpUnderlineNiceName[vycuDashDotDotHeavy], "Dash Dot Dot Heavy");
    EXPECT_EQ(HighlightToColor(ahcDarkGray), 0x767676u);
    EXPECT_EQ(HighlightToColor(99), cVYXAutoColor);
    EXPECT_EQ(GetTColor(ColorRGB(1, 2, 3)), 0x030201u);
    EXPECT_EQ(GetTColor(cVYXAutoColor), cVYXAutoColor);
}

TEST(Revision, EqualInListsForRunsOnly)
{
    TVYXCHP chp;
    TVYXCHPX a(&chp), b(&chp);
    auto rev = std::make_unique<TVYXRevisionData>();
    rev->Author = u"Ann";
    rev->RevType = artInsert;
    a.AddRevision(rev->CloneData());
    b.AddRevision(std::move(rev));
    EXPECT_TRUE(a.Equal(b));
    b.GetRevision()->Author = u"Bob";
    EXPECT_FALSE(a.Equal(b));

    TVYXPAP pap;
    TVYXPAPX p1(&pap), p2(&pap);
    auto prev = std::make_unique<TVYXRevisionDataPAPX>();
    p1.AddRevision(prev->CloneData());
    p2.AddRevision(std::move(prev));
    EXPECT_FALSE(p1.Equal(p2));
}
