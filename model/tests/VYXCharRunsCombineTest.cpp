// Tidying a paragraph's runs (Combine, Combine2) in one compacting pass must leave
// the runs and tell the watchers exactly what walking the neighbours and deleting
// one run at a time did. The walk is kept here, over the list's public operations,
// as the reference; random paragraphs mix text in two formats, empty runs, tabs,
// bookmark boundaries and tracked changes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXLogPara.h"
#include "model/VYXRevision.h"
#include "model/tests/VYXBodyTestDoc.h"

namespace {

// The reference: the pairwise walk, deleting one run at a time through Delete.
void ReferenceCombine(TVYXCharRuns& runs, bool second)
{
    auto isEmptyText = [](const TVYXCharRun* r) { return r->Type_() == acrtText && r->GetText().empty(); };
    int i = 0, to = runs.Count() - 1;
    while (i < to) {
        TVYXCharRun* a = runs.Items(i);
        TVYXCharRun* b = runs.Items(i + 1);
        const bool sameFormat = (!a->CHPX() && !b->CHPX()) || (a->CHPX() && b->CHPX() && a->CHPX()->Equal(*b->CHPX()));
        bool merge = a->IsNotAtom() && b->IsNotAtom() && a->Type_() == b->Type_() &&
                     (a->Type_() == acrtText || a->Type_() == acrtHyperlink) && sameFormat &&
                     !a->GetReadOnlyActive() && !b->GetReadOnlyActive();
        if (merge) {
            if (second && a->Revision() && b->Revision())
                merge = a->CanCombine(*b);
            else
                merge = a->CanCombineRight() && b->CanCombineLeft();
        }
        if (merge) {
            a->SetRawText(a->GetText() + b->GetText());
            runs.Delete(i + 1);
            --to;
        } else if (isEmptyText(a) && runs.Delete(i))
            --to;
        else if (second && isEmptyText(b) && runs.Delete(i + 1))
            --to;
        else
            ++i;
    }
}

std::string Ascii(const TVYXCharRun& run)
{
    const std::u16string text = run.GetText();
    return std::string(text.begin(), text.end());
}

std::string Describe(const TVYXLogPara& para)
{
    std::string out;
    for (int i = 0; i < para.Count(); ++i) {
        const TVYXCharRun* run = para.GetItems(i);
        out += std::to_string(run->Type_()) + (run->CHPX() && run->CHPX()->GetBold() ? "b" : "") +
               (run->Revision() ? "r" : "") + "@" + std::to_string(run->StartPos()) + "#" + std::to_string(run->Index()) +
               "[" + Ascii(*run) + "] ";
    }
    return out;
}

// A random paragraph from `seed`; the same seed builds the same runs.
void Build(TVYXBodyTestDoc& doc, TVYXLogPara& para, unsigned seed, int& names)
{
    std::mt19937 random(seed);
    TVYXCHPX bold(&doc.Doc.GetMasterCHP());
    bold.SetBold(true);
    std::vector<TVYXBookmark*> open;
    const int count = 5 + static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) {
        switch (random() % 9) {
        case 0: case 1: para.InsertFormattedText(u"ab", para.EndOfParaPos(), nullptr); break;
        case 2: para.InsertFormattedText(u"cd", para.EndOfParaPos(), &bold); break;
        case 3: para.CharRuns().Add(); break;
        case 4: para.CharRuns().Add(&bold); break;
        case 5: para.AppendTab(); break;
        case 6: {
            const std::string name = "m" + std::to_string(names++);
            if (TVYXBookmark* b = para.AppendBookmark(std::u16string(name.begin(), name.end())))
                open.push_back(b);
            break;
        }
        case 7:
            if (!open.empty()) {
                para.EndBookmark(*open.back());
                open.pop_back();
            }
            break;
        case 8: {
            TVYXCharRun* run = para.InsertFormattedText(u"xy", para.EndOfParaPos(), nullptr);
            auto data = std::make_unique<TVYXRevisionData>();
            data->RevType = random() % 2 ? artInsert : artDelete;
            data->Author = random() % 2 ? u"A" : u"B";
            run->AddRevision(std::move(data));
            break;
        }
        }
    }
}

}  // namespace

TEST(CharRunsCombine, OnePassLeavesWhatTheWalkLeftAndTellsTheSameDeletions)
{
    for (unsigned seed = 1; seed <= 400; ++seed)
        for (bool second : {false, true}) {
            TVYXBodyTestDoc doc;
            TVYXLogPara& expected = *doc.Body.AppendPara(u"");
            TVYXLogPara& actual = *doc.Body.AppendPara(u"");
            int names = 0;
            Build(doc, expected, seed, names);
            Build(doc, actual, seed, names);
            ASSERT_EQ(Describe(expected).size(), Describe(actual).size()) << "the same paragraph twice";
            std::vector<std::string> toldExpected, toldActual;
            auto listen = [](std::vector<std::string>& told) {
                return [&told](TVYXCharRuns&, TVYXCharRunChange change, TVYXCharRun& run) {
                    told.push_back(std::to_string(change) + ":" + std::to_string(run.Type_()) + ":" +
                                   Ascii(run));
                };
            };
            TVYXCharRunsWatcher heardExpected, heardActual;
            heardExpected.ChangeEvent = listen(toldExpected);
            heardActual.ChangeEvent = listen(toldActual);
            expected.CharRuns().SetWatcher(&heardExpected);
            actual.CharRuns().SetWatcher(&heardActual);
            ReferenceCombine(expected.CharRuns(), second);
            const int last = actual.Count() - 1;
            if (second)
                actual.CharRuns().Combine2(0, last);
            else
                actual.CharRuns().Combine(0, last);
            EXPECT_EQ(Describe(actual), Describe(expected)) << "seed " << seed << (second ? " second" : "");
            EXPECT_EQ(toldActual, toldExpected) << "seed " << seed;
            EXPECT_EQ(actual.GetPlainText(), expected.GetPlainText());
            expected.CharRuns().SetWatcher(nullptr);
            actual.CharRuns().SetWatcher(nullptr);
        }
}

TEST(CharRunsCombine, APartOfTheListAndTheRunsAfterItCloseUp)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara& para = *doc.Body.AppendPara(u"");
    for (int i = 0; i < 6; ++i) {
        para.InsertFormattedText(u"a", para.EndOfParaPos(), nullptr);
        para.CharRuns().Add();
    }
    const int before = para.Count();
    std::string tail;
    for (int i = 6; i < before; ++i)
        tail += Ascii(*para.GetItems(i)) + "|";
    para.CharRuns().Combine(0, 5);
    EXPECT_EQ(para.GetPlainText(), u"aaaaaa");
    ASSERT_LT(para.Count(), before);
    std::string after;
    const int kept = para.Count() - (before - 6);
    for (int i = kept; i < para.Count(); ++i)
        after += Ascii(*para.GetItems(i)) + "|";
    EXPECT_EQ(after, tail) << "the runs after the range are the same runs, closed up";
    for (int i = 0; i < para.Count(); ++i) {
        EXPECT_EQ(para.GetItems(i)->Index(), i);
        if (i > 0) {
            EXPECT_EQ(para.GetItems(i)->StartPos(), para.GetItems(i - 1)->GetEndPos());
        }
    }
    para.CharRuns().Combine();
    EXPECT_EQ(para.Count(), 1);
    EXPECT_EQ(para.EndOfParaPos(), 7);
}
