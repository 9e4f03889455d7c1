// VYXDocEditRandomTest.cpp: thousands of random primitive edits on a rich body, each inverse
// recorded; undoing them all in reverse must give the original body back exactly, and redoing
// them all the edited one, compared after every step by a full structural dump.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/VYXBodyWalker.h"
#include "model/VYXFields.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"
#include "model/tests/VYXDocDump.h"

namespace {
using vyxtest::Dump;

// A body with what edits must carry along:
//   "Alpha beta gamma delta"      bold "beta", bookmark "b0" over "gamma"
//   "Page " field " of the text"  bookmark "span" from here into the first numbered item
//   "one" "two" "three"           numbered, "three" ends a section
//   "kept ins and del end"        an insertion by Ann, a deletion by Bob
//   "See the comment here"        a comment over "the comment", a permission over "here"
//   table 2x2: a1 (bookmark "cell") | b1, table 2x1 (in1 / in2 with a deletion), "b1 after"
//              a2, "a2 second"      | b2
//   "after the table"             aligned right
//   "the end"
struct TFixture {
    TVYXLogDocument Doc;
    TFixture()
    {
        TVYXLogParas& body = Doc.Paras();
        TVYXRevision& rev = Doc.Revision();
        TVYXLogPara* p0 = body.AppendPara(u"Alpha beta gamma delta");
        TVYXCHPX bold(&Doc.GetMasterCHP());
        bold.SetBold(true);
        p0->FormatRange(&bold, 7, 11);
        p0->InsertBookmark(u"b0", 12, 17);
        TVYXLogPara* p1 = body.AppendPara(u"Page ");
        p1->AppendField(u" PAGE ", u"1");
        p1->AppendPlainText(u" of the text");
        TVYXLogPara* one = body.AppendPara(u"one");
        one->MakeNumbering(0);
        p1->InsertBookmark(u"span", 3, 3, one);
        body.AppendPara(u"two")->MakeNumbering(0);
        TVYXLogPara* three = body.AppendPara(u"three");
        three->MakeNumbering(0);
        three->AddSEP()->SetPageWidth(500);
        TVYXLogPara* p5 = body.AppendPara(u"kept ");
        p5->CharRuns().AddRevision(u"ins", rev.Add(u"Ann", artInsert));
        p5->AppendPlainText(u" and ");
        p5->CharRuns().AddRevision(u"del", rev.Add(u"Bob", artDelete));
        p5->AppendPlainText(u" end");
        TVYXLogPara* p6 = body.AppendPara(u"See ");
        TVYXComment* comment = p6->AppendComment(Doc.Comments(), std::make_unique<TVYXComment>());
        p6->AppendPlainText(u"the comment");
        p6->EndBookmark(*comment);
        p6->AppendPlainText(u" here");
        TVYXPermission* perm = Doc.Permissions().Add(u"7");
        const int before = p6->Count() - 1;
        perm->Selection = VYXInsertLinkedRange(perm, acrltPermission, p6->CharRuns(), before, p6->CharRuns(),
                                               p6->Count());
        p6->CharRuns().Reindex();
        TVYXTable* t = body.AddTable(2, 2);
        t->GetCells(0, 0)->FirstPara()->SetPlainText(u"a1");
        t->GetCells(0, 0)->FirstPara()->InsertBookmark(u"cell", 1, 2);
        TVYXLogParas& b1 = t->GetCells(1, 0)->Paras();
        b1.GetParas(0)->SetPlainText(u"b1");
        TVYXTable* inner = b1.AddTable(1, 2);  // one column, two rows
        inner->GetCells(0, 0)->FirstPara()->SetPlainText(u"in1");
        TVYXLogPara* in2 = inner->GetCells(0, 1)->FirstPara();
        in2->SetPlainText(u"in2 ");
        in2->CharRuns().AddRevision(u"gone", rev.Add(u"Bob", artDelete));
        b1.AppendPara(u"b1 after");
        TVYXLogParas& a2 = t->GetCells(0, 1)->Paras();
        a2.GetParas(0)->SetPlainText(u"a2");
        a2.AppendPara(u"a2 second");
        t->GetCells(1, 1)->FirstPara()->SetPlainText(u"b2");
        body.AppendPara(u"after the table")->PAPX().SetAlignment(vyptaRight);
        body.AppendPara(u"the end");
        body.CombineCharRuns();
    }
};

// One recorded edit: how to apply it again (redo) or undo it.
struct TStep {
    enum TKind { skRemove, skInsert, skFormat } Kind = skFormat;  // the inverse to apply
    TVYXDocRange Range;                                              // skRemove: what to take out
    TVYXDocAddress At;                                               // skInsert: where
    std::unique_ptr<TVYXDocFragment> Content;                        // skInsert: what
    std::unique_ptr<TVYXDocFormats> Formats;                         // skFormat: what to put back
};

// Applies `step` and returns the step that undoes it.
TStep Apply(TVYXLogDocument& doc, TStep& step)
{
    TStep back;
    switch (step.Kind) {
    case TStep::skRemove:
        back.Kind = TStep::skInsert;
        back.At = step.Range.First;
        back.Content = doc.RemoveContent(step.Range);
        break;
    case TStep::skInsert:
        back.Kind = TStep::skRemove;
        back.Range = doc.InsertContent(step.At, *step.Content);
        break;
    case TStep::skFormat:
        back.Kind = TStep::skFormat;
        back.Formats = doc.RestoreFormats(*step.Formats);
        break;
    }
    return back;
}

class TRandomEditor {
public:
    TRandomEditor(TVYXLogDocument& doc, std::uint32_t seed) : FDoc(doc), FRandom(seed) {}

    // One random edit; returns its inverse.
    TStep Edit()
    {
        const int kind = Pick(0, 99);
        const bool large = Paras().size() > 60;  // keep the body from growing without end
        TStep undo;
        if (kind < 25) {
            undo.Kind = TStep::skRemove;
            undo.Range = FDoc.InsertText(RandomAddress(), Pick(0, 3) == 0 ? u"x" : u"typed words ");
        } else if (kind < 50 || (large && kind < 70)) {
            undo.Kind = TStep::skInsert;
            undo.Range = RandomRangeInList();
            undo.At = undo.Range.First;
            undo.Content = FDoc.RemoveContent(undo.Range);
        } else if (kind < 70) {
            const auto content = FDoc.CopyContent(RandomRangeInList());
            undo.Kind = TStep::skRemove;
            undo.Range = FDoc.InsertContent(RandomAddress(), *content);
        } else if (kind < 88) {
            TVYXCHPX chpx(&FDoc.GetMasterCHP());
            switch (Pick(0, 3)) {
            case 0: chpx.SetBold(Pick(0, 1) == 1); break;
            case 1: chpx.SetItalic(true); break;
            case 2: chpx.SetSize(Pick(8, 15)); break;
            default: chpx.SetBold(false); chpx.SetItalic(false); break;
            }
            undo.Kind = TStep::skFormat;
            undo.Formats = FDoc.SetCharProps(RandomRange(), chpx);
        } else {
            TVYXPAPX papx(&FDoc.GetMasterPAP());
            papx.SetAlignment(Pick(0, 1) ? vyptaCenter : vyptaJustify);
            undo.Kind = TStep::skFormat;
            undo.Formats = FDoc.SetParaProps(RandomRange(), papx);
        }
        return undo;
    }

private:
    int Pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(FRandom); }
    std::vector<TVYXParaRef> Paras() { return FDoc.Walker().Paras(); }

    TVYXDocAddress RandomAddress()
    {
        const std::vector<TVYXParaRef> paras = Paras();
        TVYXLogPara& p = *paras[static_cast<std::size_t>(Pick(0, static_cast<int>(paras.size()) - 1))].Para;
        return VYXAddressOf(p, Pick(1, p.EndOfParaPos()));
    }

    // Both ends in one list: within a paragraph, across paragraphs, over whole tables.
    TVYXDocRange RandomRangeInList()
    {
        TVYXDocRange range;
        range.First = RandomAddress();
        TVYXLogPara& first = *FDoc.PosAt(range.First).Para;
        TVYXLogParas& list = *first.Paras();
        int item = std::min(range.First.Item + (Pick(0, 2) == 0 ? 0 : Pick(1, 4)), list.Count() - 1);
        while (item > range.First.Item && !list.GetItems(item)->IsPara())
            --item;
        range.Last = range.First;
        range.Last.Item = item;
        const TVYXLogPara& last = *list.ParaAtIndex(item);
        range.Last.CharPos = Pick(item == range.First.Item ? range.First.CharPos : 1, last.EndOfParaPos());
        return range;
    }

    // Anywhere in reading order (formats may cross cells).
    TVYXDocRange RandomRange()
    {
        TVYXDocRange range{RandomAddress(), RandomAddress()};
        if (range.Last < range.First)
            std::swap(range.First, range.Last);
        return range;
    }

    TVYXLogDocument& FDoc;
    std::mt19937 FRandom;
};
}  // namespace

TEST(DocEditRandom, UndoAndRedoOfThousandsOfEditsAreExact)
{
    TFixture f;
    TVYXLogDocument& doc = f.Doc;
    TRandomEditor editor(doc, 20261206u);
    constexpr int steps = 3000;
    std::vector<TStep> undo;
    std::vector<std::string> states{Dump(doc)};  // states[i]: before edit i
    undo.reserve(steps);
    int removals = 0;
    for (int i = 0; i < steps; ++i) {
        undo.push_back(editor.Edit());
        removals += undo.back().Kind == TStep::skInsert;
        states.push_back(Dump(doc));
    }
    EXPECT_GT(removals, steps / 5);

    std::vector<TStep> redo(steps);
    for (int i = steps - 1; i >= 0; --i) {
        const int kind = undo[static_cast<std::size_t>(i)].Kind;
        redo[static_cast<std::size_t>(i)] = Apply(doc, undo[static_cast<std::size_t>(i)]);
        ASSERT_EQ(Dump(doc), states[static_cast<std::size_t>(i)]) << "undoing edit " << i << " by inverse " << kind;
    }
    for (int i = 0; i < steps; ++i) {
        const int kind = redo[static_cast<std::size_t>(i)].Kind;
        Apply(doc, redo[static_cast<std::size_t>(i)]);
        ASSERT_EQ(Dump(doc), states[static_cast<std::size_t>(i) + 1]) << "redoing edit " << i << " by " << kind;
    }
}
