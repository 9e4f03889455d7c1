// VYXDocEditAnchoredTest.cpp: objects anchored to paragraphs through joins and removals
// across paragraphs. A join keeps both paragraphs' objects; a removal takes those of the
// paragraphs it takes whole and no others; putting the range back gives every paragraph
// its own objects again, the very same objects where they never left the body, and doing
// both again changes nothing (no object doubled or lost on a second round).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/VYXGraphics.h"
#include "model/VYXLogDocument.h"
#include "model/tests/VYXTestAddress.h"
#include "model/tests/VYXDocDump.h"

namespace {

// Paragraphs with text boxes whose widths name them: the k-th box of paragraph p is
// 100 * (p + 1) + k points wide. An empty text gives an empty paragraph.
void Build(TVYXLogDocument& doc, const std::vector<std::u16string>& texts, const std::vector<int>& boxes)
{
    for (std::size_t p = 0; p < texts.size(); ++p) {
        TVYXLogPara* para = doc.Paras().AppendPara(texts[p]);
        for (int k = 0; k < boxes[p]; ++k)
            ASSERT_NE(para->AddTextBox(100.0 * static_cast<double>(p + 1) + k, 40), nullptr);
    }
}

// Each paragraph's objects by width: "100 101 | 200 | | 400".
std::string Objects(const TVYXLogDocument& doc)
{
    std::string out;
    for (int i = 0; i < doc.Paras().Count(); ++i) {
        if (i > 0)
            out += "| ";
        if (const TVYXGraphicObjList* list = doc.Paras().GetParas(i)->Graphics())
            for (int k = 0; k < list->Count(); ++k)
                out += std::to_string(static_cast<int>(list->GetItems(k).Width)) + " ";
    }
    return out;
}

// Where each object stands: paragraph index and place in its list.
std::map<const TVYXGraphicObj*, std::pair<int, int>> Places(const TVYXLogDocument& doc)
{
    std::map<const TVYXGraphicObj*, std::pair<int, int>> places;
    for (int i = 0; i < doc.Paras().Count(); ++i)
        if (const TVYXGraphicObjList* list = doc.Paras().GetParas(i)->Graphics())
            for (int k = 0; k < list->Count(); ++k)
                places[&list->GetItems(k)] = {i, k};
    return places;
}

}  // namespace

TEST(DocEditAnchored, MergeNextKeepsBothParagraphsObjectsInOrder)
{
    TVYXLogDocument doc;
    Build(doc, {u"one", u"two", u"three"}, {1, 2, 1});
    const TVYXGraphicObj* second = &doc.Paras().GetParas(1)->Graphics()->GetItems(0);
    doc.Paras().MergeNext(0);
    ASSERT_EQ(doc.Paras().Count(), 2);
    EXPECT_EQ(doc.Paras().GetParas(0)->GetText(), u"onetwo");
    EXPECT_EQ(Objects(doc), "100 200 201 | 300 ");
    // The same objects, now owned by the joined paragraph's list.
    EXPECT_EQ(&doc.Paras().GetParas(0)->Graphics()->GetItems(1), second);
    EXPECT_EQ(second->Owner, doc.Paras().GetParas(0)->Graphics());
    // A paragraph without objects joining one with them, and the other way round.
    TVYXLogDocument other;
    Build(other, {u"a", u"b", u"c"}, {0, 1, 0});
    other.Paras().MergeNext(0);
    EXPECT_EQ(Objects(other), "200 | ");
    other.Paras().MergeNext(0);
    EXPECT_EQ(Objects(other), "200 ");
}

TEST(DocEditAnchored, RemovalsAcrossParagraphsGiveEachParagraphItsObjectsBack)
{
    struct TCase {
        const char* Name;
        TVYXDocAddress First, Last;
        const char* Removed;  // the objects left after the removal
    };
    // "First para" (2 boxes), "Second" (1), "Third one" (1), "Last" (2).
    const TCase cases[] = {
        {"inside to inside", VYXTestAddressAt(0, 6), VYXTestAddressAt(2, 4), "100 101 300 | 400 401 "},
        {"start to inside", VYXTestAddressAt(0, 1), VYXTestAddressAt(2, 4), "300 | 400 401 "},
        {"inside to a start", VYXTestAddressAt(0, 6), VYXTestAddressAt(3, 1), "100 101 400 401 "},
        {"start to a start", VYXTestAddressAt(1, 1), VYXTestAddressAt(3, 1), "100 101 | 400 401 "},
        {"end to inside", VYXTestAddressAt(0, 11), VYXTestAddressAt(1, 3), "100 101 200 | 300 | 400 401 "},
        {"to the end", VYXTestAddressAt(1, 3), VYXTestAddressAt(3, 5), "100 101 | 200 400 401 "},
        {"within one", VYXTestAddressAt(0, 2), VYXTestAddressAt(0, 8), "100 101 | 200 | 300 | 400 401 "},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TVYXLogDocument doc;
        Build(doc, {u"First para", u"Second", u"Third one", u"Last"}, {2, 1, 1, 2});
        const std::string original = vyxtest::Dump(doc);
        const std::string objects = Objects(doc);
        const auto before = Places(doc);
        const TVYXDocRange range{c.First, c.Last};

        std::unique_ptr<TVYXDocFragment> removed = doc.RemoveContent(range);
        EXPECT_EQ(Objects(doc), c.Removed);
        const auto kept = Places(doc);
        TVYXDocRange back = doc.InsertContent(range.First, *removed);
        EXPECT_EQ(back, range);
        EXPECT_EQ(vyxtest::Dump(doc), original);
        EXPECT_EQ(Objects(doc), objects);
        // What stayed in the body through the removal is back in its own place.
        const auto after = Places(doc);
        for (const auto& [object, place] : kept) {
            ASSERT_TRUE(after.count(object)) << "an object that stayed is gone";
            EXPECT_EQ(after.at(object), before.at(object));
        }

        // Once more, as redo and undo do it: nothing doubles, nothing goes.
        std::unique_ptr<TVYXDocFragment> again = doc.RemoveContent(back);
        EXPECT_EQ(Objects(doc), c.Removed);
        back = doc.InsertContent(range.First, *again->Clone());
        EXPECT_EQ(vyxtest::Dump(doc), original);
        EXPECT_EQ(Objects(doc), objects);
    }
}

TEST(DocEditAnchored, EmptyFirstParagraphTakenWholeTakesItsObjects)
{
    // The body's delete joins into an empty first paragraph instead of removing it; its
    // objects go all the same, and the last paragraph's stay.
    TVYXLogDocument doc;
    Build(doc, {u"", u"Second", u"Third"}, {1, 1, 1});
    const std::string original = vyxtest::Dump(doc);
    const std::string objects = Objects(doc);
    const TVYXGraphicObj* third = &doc.Paras().GetParas(2)->Graphics()->GetItems(0);
    const TVYXDocRange range{VYXTestAddressAt(0, 1), VYXTestAddressAt(2, 3)};
    std::unique_ptr<TVYXDocFragment> removed = doc.RemoveContent(range);
    EXPECT_EQ(Objects(doc), "300 ");
    doc.InsertContent(range.First, *removed);
    EXPECT_EQ(vyxtest::Dump(doc), original);
    EXPECT_EQ(Objects(doc), objects);
    EXPECT_EQ(&doc.Paras().GetParas(2)->Graphics()->GetItems(0), third);
}

TEST(DocEditAnchored, ContentPastedElsewhereLeavesTheTargetsObjectsWithItsText)
{
    TVYXLogDocument doc;
    Build(doc, {u"Source one", u"Source two", u"Target text"}, {1, 1, 2});
    // A copy across the two source paragraphs, pasted inside the target and at its start.
    std::unique_ptr<TVYXDocFragment> copy = doc.CopyContent({VYXTestAddressAt(0, 3), VYXTestAddressAt(1, 4)});
    doc.InsertContent(VYXTestAddressAt(2, 4), *copy);
    // The first source paragraph's tail came with its mark: its copy joins the target's
    // head, after the target's own boxes; the target's text after the content has none.
    EXPECT_EQ(Objects(doc), "100 | 200 | 300 301 100 | ");
    doc.InsertContent(VYXTestAddressAt(3, 1), *copy);
    EXPECT_EQ(Objects(doc), "100 | 200 | 300 301 100 | 100 | ");
}
