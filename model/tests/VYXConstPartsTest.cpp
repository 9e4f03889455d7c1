// Const objects hand out const parts; a row's properties stay private to the row; a
// property list copied into another document finds its styles in the target sheet.
#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "model/VYXGraphics.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"

namespace {
// What a getter answers on a const object must not let the caller change the part.
template <class R>
constexpr bool IsConstPart = std::is_const_v<std::remove_pointer_t<std::remove_reference_t<R>>>;

static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().CharRuns())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().PAPX())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().SEP())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().Graphics())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTableCell&>().Paras())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTableCell&>().Props())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogParas&>().GetItems(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogParas&>().First())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogParas&>().Last())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTableRow&>().Props())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTableRow&>().GetCells(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTableRow&>().CellN(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTable&>().TAPX())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTable&>().GetRows(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogDocument&>().Paras())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogDocument&>().Styles())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogDocument&>().Revision())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().GetItems(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().CRFirst())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().CRLast())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().CHPXAtPos(1))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().LastCHPX())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRuns&>().Items(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRuns&>().First())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRuns&>().Last())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRun&>().CHPX())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRun&>().Revision())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRun&>().GetValidCHPX())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRun&>().GetRevisionCHPX())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRunLinked&>().TextCHPX())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCHP&>().CHPX())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogParas&>().FindGraphic(nullptr))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRuns&>().FindAbsolute(1, true))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRuns&>().FindMarker(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRuns&>().FindInstrText(u""))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRuns&>().FindFootnoteEndnote(nullptr))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRunLinked&>().GetFirst())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCharRunLinked&>().GetLast())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().GetTabStops())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogPara&>().GetTabs())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogParas&>().GetParas(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogParas&>().GetTables(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogParas&>().ParaAtIndex(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogParas&>().FindMarker(0))>);
static_assert(IsConstPart<decltype(std::declval<const TVYXLogParas&>().FindWatermark())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXGraphicObjList&>().FindWatermark())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTableCell&>().BorderLeft())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTableCell&>().BorderTop())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTableCell&>().BorderRight())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXTableCell&>().BorderBottom())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCHPX&>().GetBorder())>);
static_assert(IsConstPart<decltype(std::declval<const TVYXCHPX&>().GetRevision())>);
// A const list's word steps take and give const runs only: its runs cannot come back writable.
template <class Runs, class Run>
concept StepsWith = requires(Runs& runs, Run*& run, std::int32_t& pos, char16_t& c) {
    runs.NextChar(run, pos, c);
    runs.PrevChar(run, pos, c);
    runs.FindBeginningOfWord(pos, run);
    runs.FindEndOfWord(pos, run);
    runs.SkipSpaces(pos, run);
};
static_assert(StepsWith<const TVYXCharRuns, const TVYXCharRun>);
static_assert(!StepsWith<const TVYXCharRuns, TVYXCharRun>);
static_assert(StepsWith<TVYXCharRuns, TVYXCharRun>);
static_assert(StepsWith<TVYXCharRuns, const TVYXCharRun>);
// The non-const overloads still let the owner's callers edit.
static_assert(!IsConstPart<decltype(std::declval<TVYXLogPara&>().CharRuns())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXTableCell&>().Paras())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXLogParas&>().GetItems(0))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXTableRow&>().Props())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXLogPara&>().GetItems(0))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXLogPara&>().CHPXAtPos(1))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRuns&>().Items(0))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRuns&>().First())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRuns&>().Last())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRun&>().CHPX())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRun&>().Revision())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRun&>().GetRevisionCHPX())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRuns&>().FindAbsolute(1, true))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRuns&>().FindMarker(0))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRuns&>().FindInstrText(u""))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCharRuns&>().FindFootnoteEndnote(nullptr))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXLogPara&>().GetTabStops())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXLogParas&>().GetParas(0))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXLogParas&>().GetTables(0))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXLogParas&>().ParaAtIndex(0))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXLogParas&>().FindMarker(0))>);
static_assert(!IsConstPart<decltype(std::declval<TVYXLogParas&>().FindWatermark())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCHPX&>().GetBorder())>);
static_assert(!IsConstPart<decltype(std::declval<TVYXCHPX&>().GetRevision())>);
}  // namespace

TEST(ConstParts, RowPropertiesAreMadeOnDemandAndTravelWithCopies)
{
    TVYXLogDocument doc;
    TVYXTable* table = doc.Paras().AddTable(2, 2);
    ASSERT_NE(table, nullptr);
    TVYXTableRow& row = *table->GetRows(0);
    const TVYXTableRow& seen = row;
    EXPECT_EQ(seen.Props(), nullptr);
    TVYXTableRowProps* props = row.AddProps();
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(row.AddProps(), props);  // a second call keeps the first list
    EXPECT_EQ(seen.Props(), props);

    // A copy of the table carries the row's list as a list of its own; a row without one stays without.
    auto copy = table->Clone(&doc.Paras());
    const auto& copied = static_cast<const TVYXTable&>(*copy);
    ASSERT_NE(copied.GetRows(0)->Props(), nullptr);
    EXPECT_NE(copied.GetRows(0)->Props(), props);
    EXPECT_EQ(copied.GetRows(1)->Props(), nullptr);

    // Assign from a row without a list drops the list.
    row.Assign(*table->GetRows(1));
    EXPECT_EQ(seen.Props(), nullptr);
}

TEST(ConstParts, CopiedStyleReferencesLandInTheTargetSheet)
{
    TVYXLogDocument source;
    TVYXLogDocument target;
    TVYXParaStyle* quote = source.Styles().AddPara(u"Fancy Quote");
    ASSERT_NE(quote, nullptr);
    TVYXLogPara* para = source.Paras().AppendPara(u"quoted");
    ASSERT_TRUE(para->UseStyle(quote->Id));
    ASSERT_EQ(target.Styles().Find(quote->Id), nullptr);

    // Sheet to sheet: the style is added to the target with its properties and referenced there.
    TVYXPAPX mapped(&target.GetMasterPAP());
    mapped.Assign(para->PAPX(), &source.Styles(), &target.Styles());
    const TVYXParaStyle* landed = mapped.GetStyle();
    ASSERT_NE(landed, nullptr);
    EXPECT_NE(landed, quote);
    EXPECT_EQ(landed->Styles(), &target.Styles());
    EXPECT_EQ(landed->Name, quote->Name);
    EXPECT_EQ(landed->Id, quote->Id);
    EXPECT_EQ(target.Styles().Find(landed->Id), landed);

    // By id: the target's style of that id is taken, nothing added.
    const int before = target.Styles().Count();
    TVYXPAPX byId(&target.GetMasterPAP());
    byId.Assign(para->PAPX(), &target.Styles());
    EXPECT_EQ(byId.GetAsStyle(vypiStyle), target.Styles().Find(quote->Id));
    EXPECT_EQ(target.Styles().Count(), before);

    // Within one sheet nothing is mapped.
    TVYXPAPX same(&source.GetMasterPAP());
    same.Assign(para->PAPX(), &source.Styles(), &source.Styles());
    EXPECT_EQ(same.GetStyle(), quote);
}
