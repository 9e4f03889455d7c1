// Const objects hand out const parts; a row's properties stay private to the row; a
// property list copied into another document finds its styles in the target sheet.
#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXIndexObjectList.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"
#include "model/VYXLogPos.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
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

// ---- Fields, notes, drawing objects, pictures, selections, table lookups ----

namespace {
template <class R>
constexpr bool IsConstOwned = std::is_const_v<std::remove_pointer_t<std::remove_reference_t<R>>>;
static_assert(IsConstOwned<decltype(std::declval<const TVYXBookmarks&>().GetItems(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXBookmarks&>().Find(u""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXBookmarks&>().GetBookmarks(u""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXComments&>().GetItems(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXPermissions&>().GetItems(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXHyperlinks&>().GetItems(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXHyperlinks&>().FindByAddress(u""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXHyperlinks&>().FindById(u""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXHyperlinks&>().Last())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXComplexField&>().Data())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXComplexField&>().Selection())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXComplexField&>().GetAsText())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXComplexField&>().GetAsCheckBox())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXComplexField&>().GetAsComboBox())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXComplexFields&>().Find(u""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXComplexFields&>().GetFields(u""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXComplexFields&>().GetItems(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXFootnotesList&>().GetItems(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXFootnotesList&>().FindByFileId(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXFootnotesList&>().First())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXFootnotesList&>().Last())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXFootnotesList&>().FirstPara())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXFootnotesList&>().LastPara())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXFootnotesList&>().LastAdded())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXGraphicObjList&>().FindShapeById(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXGraphicObjList&>().Hit(0, 0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXGraphicObjList&>().HitPara(0, 0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXGraphicObjList&>().Selected())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXGraphicObjList&>().GetItems(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXPictures&>().Find(""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXPictures&>().FindByRId(""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXPictures&>().FindByIdName(""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXPictures&>().FindByTarget(""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXPictures&>().FindEqData(std::declval<const TVYXPicture&>()))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXPictures&>().Last())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXPictures&>().GetItems(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXShapeTypes&>().Find(""))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXLogSelections&>().GetItems(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXLogSelections&>().First())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXLogSelections&>().Last())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXIndexObjectList&>().Items(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXIndexObjectList&>().First())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXIndexObjectList&>().Last())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXTableRow&>().HitWidth(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXTableRow&>().Hit(0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXTable&>().GetCells(0, 0))>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXTable&>().FirstCell())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXTable&>().LastCell())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXTable&>().Hit(0, 0).Cell)>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXTableStack&>().Peek())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXLogDocument&>().GetMasterCHP())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXLogDocument&>().GetMasterPAP())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXLogDocument&>().GetTempCHPX())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXLogDocument&>().GetTempPAPX())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXLogParaItem&>().GetTempCHPX())>);
static_assert(IsConstOwned<decltype(std::declval<const TVYXLogParaItem&>().GetTempPAPX())>);
// Writable owners still hand out writable parts to the callers that edit them.
static_assert(!IsConstOwned<decltype(std::declval<TVYXBookmarks&>().Find(u""))>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXHyperlinks&>().FindByAddress(u""))>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXComplexField&>().GetAsCheckBox())>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXComplexFields&>().Find(u""))>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXFootnotesList&>().GetItems(0))>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXGraphicObjList&>().Selected())>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXPictures&>().FindByIdName(""))>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXShapeTypes&>().Find(""))>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXLogSelections&>().First())>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXIndexObjectList&>().Items(0))>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXTable&>().Hit(0, 0).Cell)>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXTable&>().GetCells(0, 0))>);
static_assert(!IsConstOwned<decltype(std::declval<TVYXLogDocument&>().GetTempPAPX())>);
// A position navigates: like an iterator, a const one still reaches a writable run and list.
// A picture object's picture is a link into the shared store, not a part of the object.
static_assert(!IsConstOwned<decltype(std::declval<const TVYXGraphicPicture&>().Picture())>);
static_assert(!IsConstOwned<decltype(std::declval<const TVYXLogPos&>().GetCharRun())>);
static_assert(!IsConstOwned<decltype(std::declval<const TVYXLogPos&>().GetPAPX())>);
}  // namespace

// The const lookups are the ones the writable overloads are made from: both must answer the
// same object, or an editor would change another part than the one a reader looked at.
TEST(ConstParts, ConstAndWritableLookupsAnswerTheSameObject)
{
    TVYXHyperlinks links;
    links.Add(u"https://example.org/a", ahtURL);
    TVYXHyperlink* second = links.Add(u"Intro", ahtBookmark);
    second->Id = u"rId7";
    const TVYXHyperlinks& seenLinks = links;
    EXPECT_EQ(seenLinks.FindByAddress(u"Intro"), second);
    EXPECT_EQ(seenLinks.FindById(u"rId7"), links.FindById(u"rId7"));
    EXPECT_EQ(seenLinks.Last(), links.Last());
    EXPECT_EQ(seenLinks.GetItems(2), nullptr);

    TVYXBookmarks marks;
    TVYXBookmark* intro = marks.Add(u"Intro");
    const TVYXBookmarks& seenMarks = marks;
    EXPECT_EQ(seenMarks.Find(u"INTRO"), intro);  // names are case-insensitive either way
    EXPECT_EQ(seenMarks.GetBookmarks(u"intro"), marks.GetBookmarks(u"Intro"));
    EXPECT_EQ(seenMarks.Find(u"Outro"), nullptr);

    TVYXComplexFields fields;
    auto owned = std::make_unique<TVYXComplexField>();
    owned->Name = u"Check1";
    owned->SetType(acftFormCheckBox);
    TVYXComplexField* box = fields.Add(std::move(owned));
    const TVYXComplexFields& seenFields = fields;
    ASSERT_EQ(seenFields.Find(u"Check1"), box);
    box->GetAsCheckBox()->Checked = true;
    const TVYXComplexField& seenBox = *seenFields.GetFields(u"Check1");
    ASSERT_NE(seenBox.GetAsCheckBox(), nullptr);
    EXPECT_TRUE(seenBox.GetAsCheckBox()->Checked);
    EXPECT_EQ(seenBox.GetAsText(), nullptr);
    EXPECT_EQ(seenBox.GetAsComboBox(), nullptr);
    EXPECT_EQ(seenBox.Data(), box->Data());

    TVYXFootnotesList notes;
    notes.Add()->FileId = 3;
    TVYXFootnoteItem* last = notes.Add();
    last->FileId = 9;
    const TVYXFootnotesList& seenNotes = notes;
    EXPECT_EQ(seenNotes.FindByFileId(9), last);
    EXPECT_EQ(seenNotes.FindByFileId(4), nullptr);
    EXPECT_EQ(seenNotes.First(), notes.GetItems(0));
    EXPECT_EQ(seenNotes.Last(), last);
    EXPECT_EQ(seenNotes.LastAdded(), notes.LastAdded());

    // Two boxes on top of each other: the later one is on top; a selected one is found as such.
    TVYXGraphicObjList objects(nullptr, nullptr);
    TVYXGraphicObj& below = objects.Add(VYXCreateGraphicObj(agtRectangle));
    TVYXGraphicObj& above = objects.Add(VYXCreateGraphicObj(agtRectangle));
    below.State = agosSelected;
    const TVYXGraphicObjList& seenObjects = objects;
    EXPECT_EQ(seenObjects.Hit(10, 10), &above);
    EXPECT_EQ(objects.Hit(10, 10), &above);
    EXPECT_EQ(seenObjects.Hit(below.Width + 50, 10), nullptr);
    EXPECT_EQ(seenObjects.Selected(), &below);
    EXPECT_EQ(&seenObjects.GetItems(1), &above);

    // A laid-out 2 x 2 table: the const and the writable hit name the same cell and edge.
    TVYXLogDocument doc;
    TVYXTable* table = doc.Paras().AddTable(2, 2);
    ASSERT_NE(table, nullptr);
    for (int r = 0; r < 2; ++r) {
        TVYXTableRow& row = *table->GetRows(r);
        row.PixY1 = static_cast<float>(r * 20);
        row.PixY2 = static_cast<float>(r * 20 + 20);
        for (int c = 0; c < 2; ++c) {
            row.GetCells(c)->PixX1 = c * 100;
            row.GetCells(c)->PixX2 = c * 100 + 100;
        }
    }
    const TVYXTable& seenTable = *table;
    const TVYXConstTableHit seenHit = seenTable.Hit(150, 30);
    const TVYXTableHit hit = table->Hit(150, 30);
    EXPECT_EQ(seenHit.Cell, table->GetCells(1, 1));
    EXPECT_EQ(seenHit.Cell, hit.Cell);
    EXPECT_EQ(seenHit.Where, amchInside);
    EXPECT_EQ(seenHit.Where, hit.Where);
    EXPECT_EQ(seenTable.Hit(250, 30).Cell, nullptr);
    EXPECT_EQ(seenTable.FirstCell(), table->GetCells(0, 0));
    EXPECT_EQ(seenTable.LastCell(), table->GetCells(1, 1));
    EXPECT_EQ(seenTable.GetRows(0)->Hit(99.5), table->GetCells(0, 0));
    EXPECT_EQ(seenTable.GetCells(2, 0), nullptr);
}

// ---- Property lists, styles, numbering, revision data ---------------------------------
// Owned values of a property list, a style's or a level's lists, a sheet's styles and
// masters, the lists of a numbering set: const from const. Style and numbering-level
// references stay writable from a const list: they link to shared table entries.
namespace {
using std::declval;
static_assert(IsConstPart<decltype(declval<const TVYXPropItem&>().ValOwnedObj())>);
static_assert(IsConstPart<decltype(declval<const TVYXPAPX&>().GetAsOwnedObject(vypiShade))>);
static_assert(IsConstPart<decltype(declval<const TVYXPAPX&>().GetShade())>);
static_assert(IsConstPart<decltype(declval<const TVYXPAPX&>().GetTabStops())>);
static_assert(IsConstPart<decltype(declval<const TVYXPAPX&>().GetRevision())>);
static_assert(IsConstPart<decltype(declval<const TVYXPAPX&>().GetBorderLeft())>);
static_assert(IsConstPart<decltype(declval<const TVYXPAPX&>().CHPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXTAPX&>().GetBorder(vytiBorderTop))>);
static_assert(IsConstPart<decltype(declval<const TVYXTAPX&>().GetBorderTop())>);
static_assert(IsConstPart<decltype(declval<const TVYXTAPX&>().Floating())>);
static_assert(IsConstPart<decltype(declval<const TVYXDocPropBorders&>().Side(abrsLeft))>);
static_assert(IsConstPart<decltype(declval<TVYXDocPropBorders&>().Left())>);
static_assert(IsConstPart<decltype(declval<const TVYXDocPropBordersList&>().Items(0))>);
static_assert(IsConstPart<decltype(declval<const TVYXDocPropBordersList&>().LastAdded())>);
static_assert(IsConstPart<decltype(declval<const TVYXDocPropBordersList&>().LastAllAssigned())>);
static_assert(IsConstPart<decltype(declval<const TVYXTableBorderProps&>().GetBorder(atbsLeft))>);
static_assert(IsConstPart<decltype(declval<const TVYXTableCellProps&>().GetBorder(atbsTl2br))>);
static_assert(IsConstPart<decltype(declval<const TVYXTabStops&>().Items(0))>);
static_assert(IsConstPart<decltype(declval<const TVYXTabStops&>().Last())>);
static_assert(IsConstPart<decltype(declval<const TVYXStyle&>().StyleCHPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXStyle&>().StylePAPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXStyle&>().StyleTAPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXParaStyle&>().PAPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXParaStyle&>().CHPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXCharStyle&>().CHPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXTableStyle&>().TAPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXTableStyle&>().Props())>);
static_assert(IsConstPart<decltype(declval<const TVYXTableStyle&>().CellProps())>);
static_assert(IsConstPart<decltype(declval<const TVYXTableStyleProps&>().Items(0))>);
static_assert(IsConstPart<decltype(declval<const TVYXTableStyleProps&>().Find(atsptFirstRow))>);
static_assert(IsConstPart<decltype(declval<const TVYXStyles&>().MasterCHP())>);
static_assert(IsConstPart<decltype(declval<const TVYXStyles&>().MasterPAP())>);
static_assert(IsConstPart<decltype(declval<const TVYXStyles&>().MasterTAP())>);
static_assert(IsConstPart<decltype(declval<const TVYXStyles&>().GetStyle(0))>);
static_assert(IsConstPart<decltype(declval<const TVYXStyles&>().Find(u""))>);
static_assert(IsConstPart<decltype(declval<const TVYXStyles&>().FindByName(u"", astPara))>);
static_assert(IsConstPart<decltype(declval<const TVYXStyles&>().DefaultPara())>);
static_assert(IsConstPart<decltype(declval<const TVYXStyles&>().GetParas(u""))>);
static_assert(IsConstPart<decltype(declval<const TVYXNumbering&>().CHPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXNumbering&>().PAPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXNumberingsList&>().GetItems(0))>);
static_assert(IsConstPart<decltype(declval<const TVYXNumberings&>().CHP())>);
static_assert(IsConstPart<decltype(declval<const TVYXNumberings&>().PictBullets())>);
static_assert(IsConstPart<decltype(declval<const TVYXNumberings&>().GetItems(0))>);
static_assert(IsConstPart<decltype(declval<const TVYXNumberings&>().FindList(0))>);
static_assert(IsConstPart<decltype(declval<const TVYXNumberings&>().Find(0, 0))>);
static_assert(IsConstPart<decltype(declval<const TVYXRevisionDataCHPX&>().CHPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXRevisionDataPAPX&>().PAPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXRevisionAuthors&>().GetItems(0))>);
static_assert(IsConstPart<decltype(declval<const TVYXRevisionRanges&>().GetItems(0))>);
static_assert(IsConstPart<decltype(declval<const TVYXRevisionRanges&>().Find(TVYXRevisionPos{}))>);
static_assert(IsConstPart<decltype(declval<const TVYXRevisionRanges&>().FindNext(TVYXRevisionPos{}))>);
static_assert(IsConstPart<decltype(declval<const TVYXRevisionRanges&>().FindPrev(TVYXRevisionPos{}))>);
static_assert(IsConstPart<decltype(declval<const TVYXRevisionRanges&>().FindMove(declval<const TVYXRevisionRange&>()))>);
static_assert(!IsConstPart<decltype(declval<TVYXRevisionRanges&>().FindMove(declval<const TVYXRevisionRange&>()))>);
static_assert(IsConstPart<decltype(declval<const TVYXTableStyleProp&>().PAPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXTableStyleProp&>().CHPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXTableStyleProp&>().TAPX())>);
static_assert(IsConstPart<decltype(declval<const TVYXTableStyleProp&>().CellProps())>);
static_assert(!IsConstPart<decltype(declval<TVYXTableStyleProp&>().CellProps())>);
static_assert(IsConstPart<decltype(declval<const TVYXCHPXStack&>().Peek())>);
// Writable overloads for the owners' editing callers.
static_assert(!IsConstPart<decltype(declval<TVYXPAPX&>().GetTabStops())>);
static_assert(!IsConstPart<decltype(declval<TVYXPAPX&>().GetBorderLeft())>);
static_assert(!IsConstPart<decltype(declval<TVYXPAPX&>().CHPX())>);
static_assert(!IsConstPart<decltype(declval<TVYXTAPX&>().GetBorder(vytiBorderTop))>);
static_assert(!IsConstPart<decltype(declval<TVYXTableCellProps&>().GetBorder(atbsTl2br))>);
static_assert(!IsConstPart<decltype(declval<TVYXParaStyle&>().PAPX())>);
static_assert(!IsConstPart<decltype(declval<TVYXStyles&>().Find(u""))>);
static_assert(!IsConstPart<decltype(declval<TVYXNumberings&>().Find(0, 0))>);
static_assert(!IsConstPart<decltype(declval<TVYXRevisionDataCHPX&>().CHPX())>);
// Links to shared table entries, not parts.
static_assert(!IsConstPart<decltype(declval<const TVYXPAPX&>().GetStyle())>);
static_assert(!IsConstPart<decltype(declval<const TVYXPAPX&>().GetNumbering())>);
static_assert(!IsConstPart<decltype(declval<const TVYXPropItem&>().ValStyle())>);
}  // namespace

TEST(ConstParts, BorderSetsLendReadOnlyAndCopyOnWrite)
{
    TVYXLogDocument doc;
    TVYXPAPX papx(&doc.GetMasterPAP());
    papx.AddBorderTop()->SetVals(2, 0xFF0000, stbDouble, 1);

    // A set borrowing the list's borders sees them, owns none and cannot reach them writable.
    TVYXDocPropBorders refs;
    std::as_const(papx).GetBorders(refs);
    ASSERT_EQ(refs.Top(), std::as_const(papx).GetBorderTop());
    EXPECT_FALSE(refs.OwnsSide(abrsTop));
    EXPECT_EQ(refs.EditSide(abrsLeft), nullptr);  // absent stays absent
    EXPECT_EQ(refs.Left(), nullptr);

    // Writing to a borrowed side changes the set's own copy, never the lender.
    TVYXDocPropBorder* own = refs.EditSide(abrsTop);
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(refs.OwnsSide(abrsTop));
    EXPECT_NE(own, papx.GetBorderTop());
    EXPECT_TRUE(own->Equal(*papx.GetBorderTop()));
    own->Width = 6;
    EXPECT_EQ(papx.GetBorderTop()->Width, 2);
    EXPECT_EQ(refs.AddSide(abrsTop), own);  // the copy is made once

    // A stack keeps copies: restoring puts owned sides back, not references.
    TVYXDocPropBordersStack stack;
    refs.SetSideRef(abrsBottom, papx.GetBorderTop());
    stack.Push(refs);
    ASSERT_NE(std::as_const(stack).Peek(), nullptr);
    refs.Clear();
    ASSERT_TRUE(stack.Pop(refs));
    ASSERT_NE(refs.Bottom(), nullptr);
    EXPECT_NE(refs.Bottom(), papx.GetBorderTop());
    EXPECT_EQ(refs.Top()->Width, 6);
}

TEST(ConstParts, TableBordersFallBackToTheStyleThroughBothForms)
{
    TVYXLogDocument doc;
    TVYXTableStyle* style = doc.Styles().AddTable(u"Framed");
    ASSERT_NE(style, nullptr);
    style->TAPX().AddBorder(vytiBorderTop)->SetVals(1, 0, stbSingle, 0);
    TVYXTAPX tapx(&doc.Styles().MasterTAP());
    tapx.SetStyle(style);

    // Without an own border both forms answer the style's; an own border wins in both.
    const TVYXTAPX& seen = tapx;
    EXPECT_EQ(seen.GetBorderTop(), std::as_const(*style).TAPX().GetBorderTop());
    EXPECT_EQ(tapx.GetBorderTop(), style->TAPX().GetBorderTop());
    EXPECT_EQ(seen.GetBorderLeft(), nullptr);
    TVYXDocPropBorder* own = tapx.AddBorder(vytiBorderTop);
    EXPECT_EQ(seen.GetBorderTop(), own);
    EXPECT_EQ(tapx.GetBorder(vytiBorderTop), own);

    // Cells answer their diagonals through both forms; rows have none.
    TVYXTableCellProps cell;
    TVYXDocPropBorder* diagonal = cell.AddBorder(atbsTl2br);
    EXPECT_EQ(std::as_const(cell).GetBorder(atbsTl2br), diagonal);
    EXPECT_EQ(cell.GetBorder(atbsTl2br), diagonal);
    TVYXTableRowProps row;
    EXPECT_EQ(row.AddBorder(atbsTl2br), nullptr);
    EXPECT_EQ(std::as_const(row).GetBorder(atbsTl2br), nullptr);
}
