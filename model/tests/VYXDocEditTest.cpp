// VYXDocEditTest.cpp: the document's primitive edits on a body with nested tables, lists, fields,
// bookmarks, sections and tracked changes: every edit followed by its inverse gives the body back
// exactly, watchers hear the right ranges, and addresses survive edits elsewhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/VYXBodyWalker.h"
#include "model/tests/VYXDocDump.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
using vyxtest::Dump;

TVYXDocAddress At(int item, std::int32_t pos, std::vector<TVYXDocAddressStep> path = {})
{
    TVYXDocAddress a;
    a.Path = std::move(path);
    a.Item = item;
    a.CharPos = pos;
    return a;
}

TVYXDocRange Range(TVYXDocAddress first, TVYXDocAddress last) { return {std::move(first), std::move(last)}; }

// The body the tests edit:
//   0  "Hello brave new world"   "brave" bold, bookmark "mark" over "Hello"
//   1  "Page " field " of the report"
//   2  "first item"              numbered
//   3  "second item"             numbered, ends a section 500 pt wide
//   4  table 2x2: a1 | b1, nested table (inner1 / inner2), "b1 after"
//                 a2 | b2
//   5  "tracked insertion text"  "insertion" an insertion by Ann
//   6  "right aligned"           aligned right
//   7  "last"
struct TRichDoc {
    TVYXLogDocument Doc;
    const std::vector<TVYXDocAddressStep> B1{{4, 0, 1}};
    const std::vector<TVYXDocAddressStep> Inner{{4, 0, 1}, {1, 0, 0}};
    TRichDoc()
    {
        TVYXLogParas& body = Doc.Paras();
        TVYXLogPara* p0 = body.AppendPara(u"Hello brave new world");
        TVYXCHPX bold(&Doc.GetMasterCHP());
        bold.SetBold(true);
        p0->FormatRange(&bold, 7, 12);
        p0->InsertBookmark(u"mark", 1, 6);
        TVYXLogPara* p1 = body.AppendPara(u"Page ");
        p1->AppendField(u" PAGE ", u"1");
        p1->AppendPlainText(u" of the report");
        body.AppendPara(u"first item")->MakeNumbering(0);
        TVYXLogPara* p3 = body.AppendPara(u"second item");
        p3->MakeNumbering(0);
        p3->AddSEP()->SetPageWidth(500);
        TVYXTable* t = body.AddTable(2, 2);
        t->GetCells(0, 0)->FirstPara()->SetPlainText(u"a1");
        TVYXLogParas& b1 = t->GetCells(1, 0)->Paras();
        b1.GetParas(0)->SetPlainText(u"b1");
        TVYXTable* inner = b1.AddTable(1, 2);
        inner->GetCells(0, 0)->FirstPara()->SetPlainText(u"inner1");
        inner->GetCells(0, 1)->FirstPara()->SetPlainText(u"inner2");
        b1.AppendPara(u"b1 after");
        t->GetCells(0, 1)->FirstPara()->SetPlainText(u"a2");
        t->GetCells(1, 1)->FirstPara()->SetPlainText(u"b2");
        TVYXLogPara* p5 = body.AppendPara(u"tracked ");
        p5->CharRuns().AddRevision(u"insertion", Doc.Revision().Add(u"Ann", artInsert));
        p5->AppendPlainText(u" text");
        body.AppendPara(u"right aligned")->PAPX().SetAlignment(vyptaRight);
        body.AppendPara(u"last");
        body.CombineCharRuns();
    }
    std::int32_t End(const TVYXDocAddress& a) { return Doc.PosAt(a).Para->EndOfParaPos(); }
};

struct TNamedRange {
    const char* Name;
    TVYXDocRange Range;
};

std::vector<TNamedRange> SampleRanges(TRichDoc& d)
{
    return {
        {"inside one paragraph, over a bold run", Range(At(0, 8), At(0, 15))},
        {"over three paragraphs", Range(At(0, 7), At(2, 3))},
        {"whole paragraphs with their marks", Range(At(1, 1), At(3, 1))},
        {"over a whole table and a section end", Range(At(3, 4), At(5, 3))},
        {"over a tracked insertion to the paragraph's end", Range(At(5, 1), At(5, d.End(At(5, 1))))},
        {"in a cell, over a nested table", Range(At(0, 2, d.B1), At(2, 3, d.B1))},
        {"in a nested cell", Range(At(0, 2, d.Inner), At(0, 5, d.Inner))},
        {"only a paragraph mark", Range(At(6, d.End(At(6, 1))), At(7, 1))},
        {"everything from the bookmark to the last paragraph", Range(At(0, 7), At(7, 1))},
        {"nothing", Range(At(2, 4), At(2, 4))},
        {"exactly a bookmark's text", Range(At(0, 1), At(0, 6))},
        {"from inside a bookmark to after it", Range(At(0, 3), At(1, 2))},
        {"to the end of the last paragraph", Range(At(6, 3), At(7, d.End(At(7, 1))))},
        {"a whole cell's text", Range(At(0, 1, d.B1), At(2, d.End(At(2, 1, d.B1)), d.B1))},
    };
}

// Every character position of the body (the paragraph ends included) with the character there.
struct TPlace {
    TVYXDocAddress Address;
    char16_t Char;  // 0 at a paragraph's end
};

std::vector<TPlace> Places(TVYXLogDocument& doc)
{
    std::vector<TPlace> places;
    for (const TVYXParaRef& ref : doc.Walker().Paras())
        for (std::int32_t pos = 1; pos <= ref.Para->EndOfParaPos(); ++pos)
            places.push_back(
                {VYXAddressOf(*ref.Para, pos), pos < ref.Para->EndOfParaPos() ? ref.Para->GetChar(pos) : u'\0'});
    return places;
}

char16_t CharAt(TVYXLogDocument& doc, const TVYXDocAddress& a)
{
    const TVYXLogPos pos = doc.PosAt(a);
    return pos.CharPos < pos.Para->EndOfParaPos() ? pos.Para->GetChar(pos.CharPos) : u'\0';
}

// After `change`, every place outside what it removed names the same character as before.
void ExpectPlacesFollow(TVYXLogDocument& doc, const std::vector<TPlace>& before, const TVYXDocChange& change)
{
    int checked = 0;
    for (const TPlace& place : before) {
        if (change.Kind == adckRemove && change.Range.First <= place.Address && place.Address < change.Range.Last)
            continue;
        const TVYXDocAddress moved = TVYXLogDocument::AdjustAddress(place.Address, change);
        if (place.Address < change.Range.First) {
            EXPECT_EQ(moved, place.Address);  // before the edit: untouched
        }
        ASSERT_EQ(CharAt(doc, moved), place.Char) << "item " << place.Address.Item << " pos " << place.Address.CharPos;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

class TRecorder : public TVYXDocWatcher {
public:
    struct TEvent {
        TVYXDocChange Change;
        std::u16string Removed;
        std::size_t PreviousRuns = 0, PreviousParas = 0;
    };
    std::vector<TEvent> Events;
    TVYXLogDocument* Leave = nullptr;  // unsubscribe from this document when told
    void DocChanged(TVYXLogDocument& doc, const TVYXDocEditEvent& event) override
    {
        TEvent e{event.Change, {}, 0, 0};
        if (event.Removed)
            e.Removed = event.Removed->Paras->GetPlainText();
        if (event.Previous) {
            e.PreviousRuns = event.Previous->Runs.size();
            e.PreviousParas = event.Previous->Paras.size();
        }
        Events.push_back(e);
        if (Leave == &doc)
            doc.RemoveWatcher(*this);
    }
};
}  // namespace

TEST(DocEdit, RemoveThenInsertGivesTheBodyBack)
{
    TRichDoc d;
    for (const TNamedRange& c : SampleRanges(d)) {
        SCOPED_TRACE(c.Name);
        const std::string original = Dump(d.Doc);
        const std::vector<TPlace> places = Places(d.Doc);
        auto removed = d.Doc.RemoveContent(c.Range);
        const std::string without = Dump(d.Doc);
        if (c.Range.Empty()) {
            EXPECT_EQ(without, original);
        } else {
            EXPECT_NE(without, original);
        }
        ExpectPlacesFollow(d.Doc, places, {adckRemove, c.Range});

        const TVYXDocRange back = d.Doc.InsertContent(c.Range.First, *removed);
        EXPECT_EQ(back, c.Range);
        EXPECT_EQ(Dump(d.Doc), original);
        // And once more: the same removal again gives the same body without it.
        auto again = d.Doc.RemoveContent(back);
        EXPECT_EQ(Dump(d.Doc), without);
        d.Doc.InsertContent(c.Range.First, *again);
        EXPECT_EQ(Dump(d.Doc), original);
    }
}

TEST(DocEdit, InsertThenRemoveGivesTheBodyBack)
{
    TRichDoc d;
    const std::vector<TNamedRange> sources = {
        {"inline text", Range(At(0, 7), At(0, 16))},
        {"two whole paragraphs", Range(At(1, 1), At(3, 1))},
        {"a table with the text around it", Range(At(3, 4), At(5, 3))},
        {"paragraphs around a nested table", Range(At(0, 1, d.B1), At(2, 3, d.B1))},
    };
    const std::vector<std::pair<const char*, TVYXDocAddress>> targets = {
        {"document start", At(0, 1)},
        {"inside a word", At(0, 4)},
        {"a paragraph's end", At(6, 14)},
        {"the last paragraph's end", At(7, 5)},
        {"inside the bookmark", At(0, 3)},
        {"the paragraph after the table", At(5, 1)},
        {"inside a nested cell", At(0, 3, d.Inner)},
        {"a cell's last paragraph", At(0, 1, {{4, 1, 1}})},
    };
    for (const TNamedRange& source : sources) {
        const auto content = d.Doc.CopyContent(source.Range);
        const std::u16string text = content->Paras->GetPlainText();
        for (const auto& [name, target] : targets) {
            SCOPED_TRACE(std::string(source.Name) + " at " + name);
            const std::string original = Dump(d.Doc);
            const std::vector<TPlace> places = Places(d.Doc);
            const TVYXDocRange inserted = d.Doc.InsertContent(target, *content);
            EXPECT_EQ(inserted.First, target);
            EXPECT_FALSE(inserted.Empty());
            ExpectPlacesFollow(d.Doc, places, {adckInsert, inserted});
            auto removed = d.Doc.RemoveContent(inserted);
            EXPECT_EQ(removed->Paras->GetPlainText(), text);
            EXPECT_EQ(Dump(d.Doc), original);
        }
    }
}

TEST(DocEdit, TypedTextAndItsRemoval)
{
    TRichDoc d;
    const std::string original = Dump(d.Doc);
    const TVYXDocRange typed = d.Doc.InsertText(At(0, 12), u" and bold");
    EXPECT_EQ(typed, Range(At(0, 12), At(0, 21)));
    EXPECT_EQ(d.Doc.PosAt(At(0, 1)).Para->GetPlainText(), u"Hello brave and bold new world");
    // Typed at the end of the bold run, the text is bold too.
    EXPECT_TRUE(d.Doc.PosAt(At(0, 14)).GetCHPX()->GetBold());
    d.Doc.RemoveContent(typed);
    EXPECT_EQ(Dump(d.Doc), original);
    EXPECT_TRUE(d.Doc.InsertText(At(0, 3), u"").Empty());
}

TEST(DocEdit, FormatsComeBackExactly)
{
    TRichDoc d;
    TVYXCHPX italic(&d.Doc.GetMasterCHP());
    italic.SetItalic(true);
    italic.SetBold(false);
    TVYXPAPX centred(&d.Doc.GetMasterPAP());
    centred.SetAlignment(vyptaCenter);
    for (const TNamedRange& c : SampleRanges(d)) {
        SCOPED_TRACE(c.Name);
        const std::string original = Dump(d.Doc);
        auto previous = d.Doc.SetCharProps(c.Range, italic);
        EXPECT_EQ(previous->Range, c.Range);
        const std::string formatted = Dump(d.Doc);
        if (!c.Range.Empty() && std::string(c.Name) != "only a paragraph mark") {
            EXPECT_NE(formatted, original);
        }
        auto redo = d.Doc.RestoreFormats(*previous);
        EXPECT_EQ(Dump(d.Doc), original);
        d.Doc.RestoreFormats(*redo);
        EXPECT_EQ(Dump(d.Doc), formatted);
        d.Doc.RestoreFormats(*previous);

        auto paraBefore = d.Doc.SetParaProps(c.Range, centred);
        EXPECT_NE(Dump(d.Doc), original);
        d.Doc.RestoreFormats(*paraBefore);
        EXPECT_EQ(Dump(d.Doc), original);
    }
    // Across cells of the table (ends in different lists): formats may cross, and come back.
    const std::string original = Dump(d.Doc);
    const TVYXDocRange acrossCells = Range(At(0, 2, {{4, 0, 0}}), At(0, 3, {{4, 1, 1}}));
    auto previous = d.Doc.SetCharProps(acrossCells, italic);
    EXPECT_NE(Dump(d.Doc), original);
    d.Doc.RestoreFormats(*previous);
    EXPECT_EQ(Dump(d.Doc), original);
}

TEST(DocEdit, WatchersHearEachEdit)
{
    TRichDoc d;
    TRecorder first, second;
    d.Doc.AddWatcher(first);
    d.Doc.AddWatcher(second);
    d.Doc.AddWatcher(first);  // once only

    auto removed = d.Doc.RemoveContent(Range(At(0, 7), At(2, 3)));
    const TVYXDocRange inserted = d.Doc.InsertContent(At(0, 7), *removed);
    TVYXCHPX bold(&d.Doc.GetMasterCHP());
    bold.SetBold(true);
    auto previous = d.Doc.SetCharProps(Range(At(1, 2), At(1, 4)), bold);
    d.Doc.RestoreFormats(*previous);
    d.Doc.InsertText(At(7, 1), u"x");

    ASSERT_EQ(first.Events.size(), 5u);
    EXPECT_EQ(first.Events[0].Change.Kind, adckRemove);
    EXPECT_EQ(first.Events[0].Change.Range, Range(At(0, 7), At(2, 3)));
    EXPECT_EQ(first.Events[0].Removed, u"brave new world\r\nPage 1 of the report\r\nfi");
    EXPECT_EQ(first.Events[1].Change.Kind, adckInsert);
    EXPECT_EQ(first.Events[1].Change.Range, inserted);
    EXPECT_EQ(first.Events[2].Change.Kind, adckFormat);
    EXPECT_EQ(first.Events[2].Change.Range, Range(At(1, 2), At(1, 4)));
    EXPECT_EQ(first.Events[2].PreviousRuns, 1u);
    EXPECT_EQ(first.Events[3].Change.Kind, adckFormat);
    EXPECT_EQ(first.Events[4].Change.Range, Range(At(7, 1), At(7, 2)));
    EXPECT_EQ(second.Events.size(), 5u);

    // A watcher may leave while it is told; the others still hear the edit.
    first.Leave = &d.Doc;
    d.Doc.InsertText(At(7, 1), u"y");
    d.Doc.InsertText(At(7, 1), u"z");
    EXPECT_EQ(first.Events.size(), 6u);
    EXPECT_EQ(second.Events.size(), 7u);
    d.Doc.RemoveWatcher(second);
    d.Doc.InsertText(At(7, 1), u"w");
    EXPECT_EQ(second.Events.size(), 7u);
}

TEST(DocEdit, AddressesOfPositions)
{
    TRichDoc d;
    std::vector<TVYXDocAddress> inOrder;
    for (const TVYXParaRef& ref : d.Doc.Walker().Paras()) {
        const TVYXLogPos pos(ref.Para, 2);
        const TVYXDocAddress a = pos.Address();
        TVYXLogPos back;
        ASSERT_TRUE(back.SetAddress(d.Doc.Paras(), a));
        EXPECT_EQ(back.Para, ref.Para);
        EXPECT_EQ(back.CharPos, 2);
        EXPECT_EQ(d.Doc.PosAt(a).Para, ref.Para);
        inOrder.push_back(a);
    }
    ASSERT_EQ(inOrder.size(), 14u);
    EXPECT_EQ(inOrder[6], At(0, 2, d.Inner));  // a1, b1, then inner1
    for (std::size_t i = 0; i + 1 < inOrder.size(); ++i)
        EXPECT_LT(inOrder[i], inOrder[i + 1]) << i;
    // Stored addresses are plain data: the same address in a copy of the body names the same place.
    TRichDoc other;
    EXPECT_EQ(other.Doc.PosAt(inOrder[7]).Para->GetPlainText(), u"inner2");

    struct Bad {
        const char* name;
        TVYXDocAddress address;
    };
    const Bad bad[] = {
        {"item past the end", At(8, 1)},
        {"a table, not a paragraph", At(4, 1)},
        {"position 0", At(0, 0)},
        {"past the paragraph's end", At(7, 6)},
        {"a row that does not exist", At(0, 1, {{4, 2, 0}})},
        {"a step into a paragraph", At(0, 1, {{3, 0, 0}})},
    };
    for (const Bad& c : bad) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(d.Doc.PosAt(c.address), VYXException);
        TVYXLogPos untouched(d.Doc.Paras().GetParas(0), 3);
        EXPECT_FALSE(untouched.SetAddress(d.Doc.Paras(), c.address));
        EXPECT_EQ(untouched.CharPos, 3);
    }
    EXPECT_EQ(VYXAddressOf(TVYXLogPos()).Item, -1);
}

TEST(DocEdit, RefusedEditsLeaveTheBody)
{
    TRichDoc d;
    const std::string original = Dump(d.Doc);
    TRecorder watcher;
    d.Doc.AddWatcher(watcher);
    // Ends in different lists are not one primitive edit: the editor splits such a selection.
    EXPECT_THROW(d.Doc.RemoveContent(Range(At(0, 1), At(0, 2, d.B1))), VYXException);
    EXPECT_THROW(d.Doc.RemoveContent(Range(At(2, 1), At(1, 1))), VYXException);  // reversed
    EXPECT_THROW(d.Doc.RemoveContent(Range(At(0, 1), At(9, 1))), VYXException);
    EXPECT_THROW(d.Doc.InsertText(At(4, 1), u"x"), VYXException);
    EXPECT_EQ(Dump(d.Doc), original);
    EXPECT_TRUE(watcher.Events.empty());
}

TEST(DocEdit, AddressesAcrossEditsElsewhere)
{
    // An edit inside a nested cell moves nothing outside that cell's list, and an edit
    // in the root list moves the table's items, not the steps inside it.
    const TVYXDocAddress inner2 = At(0, 3, {{4, 0, 1}, {1, 1, 0}});
    const TVYXDocAddress after = At(6, 2);
    const TVYXDocAddress before = At(1, 2);
    const TVYXDocChange inCell{adckInsert, Range(At(0, 2, {{4, 0, 1}}), At(1, 4, {{4, 0, 1}}))};
    EXPECT_EQ(VYXAdjustAddress(before, inCell), before);
    EXPECT_EQ(VYXAdjustAddress(after, inCell), after);
    EXPECT_EQ(VYXAdjustAddress(inner2, inCell), At(0, 3, {{4, 0, 1}, {2, 1, 0}}));
    const TVYXDocChange inRoot{adckRemove, Range(At(2, 5), At(3, 2))};
    EXPECT_EQ(VYXAdjustAddress(before, inRoot), before);
    EXPECT_EQ(VYXAdjustAddress(inner2, inRoot), At(0, 3, {{3, 0, 1}, {1, 1, 0}}));
    EXPECT_EQ(VYXAdjustAddress(At(3, 7), inRoot), At(2, 10));
    EXPECT_EQ(VYXAdjustAddress(At(3, 1), inRoot), At(2, 5));  // inside: to the range's start
    const TVYXDocChange format{adckFormat, Range(At(0, 1), At(7, 1))};
    EXPECT_EQ(VYXAdjustAddress(inner2, format), inner2);
}
