// VYXRevisionTest.cpp: tracked changes over run lists: authors and colours, collecting ranges,
// accepting and rejecting insertions, deletions, moves and format changes over paragraphs and cells.
#include <gtest/gtest.h>

#include <cstdlib>

#include "model/VYXFields.h"
#include "model/VYXRevision.h"
#include "platform/VYXUnicode.h"

namespace {
// A body of paragraphs in reading order; paragraphs marked as cells keep their
// last paragraph as a table cell must.
class TBody : public TVYXParaWalker {
public:
    struct TPara {
        std::unique_ptr<TVYXCharRuns> Runs = std::make_unique<TVYXCharRuns>();
        std::unique_ptr<TVYXPAPX> PAPX;
        bool Cell = false;
    };
    std::vector<TPara> Items;

    TVYXCharRuns& AddPara(bool cell = false)
    {
        Items.push_back({});
        Items.back().Cell = cell;
        return *Items.back().Runs;
    }
    static TVYXLogPara* Handle(const TVYXCharRuns* runs)
    {
        // Only an identity: the body's paragraphs are opaque to the run level.
        return reinterpret_cast<TVYXLogPara*>(const_cast<TVYXCharRuns*>(runs));
    }
    std::vector<TVYXParaRef> Paras() const override
    {
        std::vector<TVYXParaRef> refs;
        for (const auto& p : Items)
            refs.push_back({Handle(p.Runs.get()), p.Runs.get(), p.PAPX.get()});
        return refs;
    }
    bool RemovePara(TVYXLogPara* para) override
    {
        for (auto it = Items.begin(); it != Items.end(); ++it)
            if (Handle(it->Runs.get()) == para) {
                if (it->Cell)
                    return false;
                Items.erase(it);
                return true;
            }
        return false;
    }
    std::u16string Text() const
    {
        std::u16string text;
        for (const auto& p : Items) {
            for (int i = 0; i < p.Runs->Count(); ++i)
                text += p.Runs->Items(i)->GetPlainText();
            text += u"|";
        }
        return text;
    }
    int MarkedRuns() const
    {
        int n = 0;
        for (const auto& p : Items)
            for (int i = 0; i < p.Runs->Count(); ++i)
                n += p.Runs->Items(i)->HasAnyRevision() ? 1 : 0;
        return n;
    }
};

TVYXCharRun* AddRun(TVYXCharRuns& runs, const char* text, std::unique_ptr<TVYXRevisionData> rev = nullptr)
{
    TVYXCharRun* run = runs.Add();
    run->SetRawText(U16(text));
    if (rev)
        run->AddRevision(std::move(rev));
    return run;
}

std::vector<std::u16string> AuthorNames(TVYXRevision& rev)
{
    std::vector<std::u16string> names;
    for (int i = 0; i < rev.Authors().Count(); ++i)
        names.push_back(rev.Authors().GetItems(i)->Name);
    return names;
}
}  // namespace

TEST(Revision, TablesAndAuthorColours)
{
    EXPECT_EQ(VYXRevisionTypeName[artMoveFrom], "Move from");
    EXPECT_EQ(VYXRevisionTypeName[artFormatPAPX], "PAPX");
    TVYXRevision rev;
    auto first = rev.Add(u"Ann", artInsert);
    auto second = rev.Add(u"Bob", artDelete);
    auto again = rev.Add(u"Ann", artFormatCHPX);
    EXPECT_EQ(first->Color, 0x8C8901u);
    EXPECT_EQ(second->Color, 0xFF0000u);
    EXPECT_EQ(again->Color, 0x8C8901u);
    EXPECT_NE(dynamic_cast<TVYXRevisionDataCHPX*>(again.get()), nullptr);
    EXPECT_NE(dynamic_cast<TVYXRevisionDataPAPX*>(rev.Add(u"Ann", artFormatPAPX).get()), nullptr);
    // Data that goes away releases its author, so the others are kept alive here.
    std::vector<std::unique_ptr<TVYXRevisionData>> kept;
    for (int i = 3; i <= 13; ++i)
        kept.push_back(rev.Add(U16("Author" + std::to_string(i)), artInsert));
    EXPECT_EQ(kept.back()->Color, VYXRevisionAuthorColor[11]);
    EXPECT_EQ(rev.Add(u"Author14", artInsert)->Color, 0x8C8901u);

    EXPECT_EQ(first->Name, u"name1");
    EXPECT_EQ(second->Name, u"name2");
    EXPECT_EQ(first->Id, -1);
    EXPECT_GT(first->Date, 40000);
    auto file = rev.FileAdd(17, 45000.5, u"Cid", artDelete);
    EXPECT_EQ(file->Id, 17);
    EXPECT_EQ(file->Date, 45000.5);
}

TEST(Revision, AuthorListOrder)
{
    TVYXRevisionAuthors authors;
    EXPECT_EQ(authors.AddAuthor(u"Bob"), 0);
    EXPECT_EQ(authors.AddAuthor(u"Ann"), 1);
    EXPECT_EQ(authors.AddAuthor(u"Bob"), 0);
    EXPECT_EQ(authors.AddAuthor(u"Cid"), 2);
    EXPECT_EQ(authors.GetItems(0)->Usage, 2);
    authors.DeleteAuthor(u"Bob");
    authors.DeleteAuthor(u"Nobody");
    EXPECT_EQ(authors.IndexOf(u"Bob"), 0);
    authors.DeleteAuthor(u"Bob");
    EXPECT_EQ(authors.IndexOf(u"Bob"), -1);
    EXPECT_EQ(authors.IndexOf(u"Cid"), 1);
    EXPECT_EQ(authors.AddAuthor(u"Bob"), 2);

    // The document's order survives collecting: first appearance, not name order.
    TVYXRevision rev;  // outlives the body, whose revision data report to it
    TBody body;
    rev.Paras = &body;
    auto& p = body.AddPara();
    AddRun(p, "z", rev.Add(u"Zoe", artInsert));
    AddRun(p, "-");
    AddRun(p, "a", rev.Add(u"Al", artInsert));
    AddRun(p, "-");
    AddRun(p, "z", rev.Add(u"Zoe", artDelete));
    rev.Collect();
    EXPECT_EQ(AuthorNames(rev), (std::vector<std::u16string>{u"Zoe", u"Al"}));
    EXPECT_EQ(rev.Authors().GetItems(0)->Usage, 2);
}

TEST(Revision, DefaultAuthorFromEnvironment)
{
    const char* saved = std::getenv("USERNAME");
    const std::string keep = saved ? saved : "";
    setenv("USERNAME", "Ingrid Tester", 1);
    EXPECT_EQ(VYXDefaultRevisionAuthor(), u"Ingrid Tester");
    TVYXRevision rev;
    EXPECT_EQ(rev.Add(artInsert)->Author, u"Ingrid Tester");
    unsetenv("USERNAME");
    EXPECT_FALSE(VYXDefaultRevisionAuthor().empty());  // the login name or the account
    if (saved)
        setenv("USERNAME", keep.c_str(), 1);
}

TEST(Revision, DataEqualityAndCopies)
{
    TVYXRevision rev;
    auto a = rev.Add(u"Ann", artInsert);
    auto b = rev.Add(u"Ann", artInsert);
    EXPECT_TRUE(a->Equal(*b));
    EXPECT_TRUE(a->SameSession(*b));
    EXPECT_TRUE(a->CanCombine(*b));
    b->Id = 4;
    EXPECT_FALSE(a->Equal(*b));
    EXPECT_FALSE(a->CanCombine(*b));
    auto copy = b->CloneData();
    EXPECT_TRUE(copy->Equal(*b));
    EXPECT_TRUE(copy->Name.empty());  // names stay unique

    auto f1 = rev.Add(u"Ann", artFormatCHPX);
    auto f2 = rev.Add(u"Ann", artFormatCHPX);
    TVYXCHP chp;
    auto* c1 = dynamic_cast<TVYXRevisionDataCHPX&>(*f1).AddCHPX(&chp);
    EXPECT_FALSE(f1->Equal(*f2));  // only one side has the former properties
    auto* c2 = dynamic_cast<TVYXRevisionDataCHPX&>(*f2).AddCHPX(&chp);
    c1->SetBold(true);
    c2->SetBold(true);
    EXPECT_TRUE(f1->Equal(*f2));
    c2->SetItalic(true);
    EXPECT_FALSE(f1->Equal(*f2));
}

TEST(Revision, CollectingRanges)
{
    TVYXRevision rev;  // outlives the body, whose revision data report to it
    TBody body;
    rev.Paras = &body;
    int changed = 0;
    rev.ChangedEvent = [&](TVYXRevision&) { ++changed; };
    auto& p1 = body.AddPara();
    AddRun(p1, "Plain ");
    AddRun(p1, "new ", rev.Add(u"Ann", artInsert));
    AddRun(p1, "words", rev.Add(u"Ann", artInsert));  // same session and author: one range
    AddRun(p1, " old");
    AddRun(p1, "A", rev.FileAdd(1, 45000, u"Bob", artDelete));
    AddRun(p1, "B", rev.FileAdd(2, 45000, u"Bob", artDelete));  // other file id: another range
    TVYXCharRun* bold = AddRun(p1, "bold");
    bold->AddCHPX()->SetBold(true);
    bold->CHPX()->AddRevision(rev.Add(u"Cid", artFormatCHPX));
    auto& p2 = body.AddPara();
    AddRun(p2, "centred");
    body.Items[1].PAPX = std::make_unique<TVYXPAPX>(nullptr);
    body.Items[1].PAPX->AddRevision(rev.Add(u"Ann", artFormatPAPX));

    rev.Collect();
    EXPECT_EQ(changed, 1);
    ASSERT_EQ(rev.Ranges.Count(), 5);
    EXPECT_EQ(rev.Ranges.GetItems(0)->GetText(), u"new words");
    EXPECT_EQ(rev.Ranges.GetItems(1)->GetText(), u"A");
    EXPECT_EQ(rev.Ranges.GetItems(2)->GetText(), u"B");
    EXPECT_EQ(rev.Ranges.GetItems(3)->Revision->RevType, artFormatCHPX);
    EXPECT_EQ(rev.Ranges.GetItems(4)->GetText(), u"centred");
    EXPECT_EQ(AuthorNames(rev), (std::vector<std::u16string>{u"Ann", u"Bob", u"Cid"}));

    // Positions: paragraph 0 holds "Plain new words old" from position 1.
    EXPECT_EQ(rev.Ranges.Find({0, 7}), rev.Ranges.GetItems(0));
    EXPECT_EQ(rev.Ranges.Find({0, 15}), rev.Ranges.GetItems(0));
    EXPECT_EQ(rev.Ranges.Find({0, 16}), nullptr);
    EXPECT_EQ(rev.Ranges.Find({1, 3}), rev.Ranges.GetItems(4));
    EXPECT_EQ(rev.BeginIterate({0, 17}), rev.Ranges.GetItems(1));
    EXPECT_EQ(rev.IterateNext(), rev.Ranges.GetItems(2));
    EXPECT_EQ(rev.IteratePrev(), rev.Ranges.GetItems(1));
    EXPECT_EQ(rev.BeginIterate({0, 7}, false), nullptr);
    EXPECT_EQ(rev.BeginIterate({0, 8}, false), rev.Ranges.GetItems(0));

    rev.Ranges.Sort(arrsoType);
    EXPECT_EQ(rev.Ranges.GetItems(0)->Revision->RevType, artInsert);
    EXPECT_EQ(rev.Ranges.GetItems(4)->Revision->RevType, artFormatPAPX);
    rev.Ranges.Sort(arrsoAuthor);
    EXPECT_EQ(rev.Ranges.GetItems(4)->Revision->Author, u"Cid");
    rev.Ranges.Sort(arrsoDocument);
    EXPECT_EQ(rev.Ranges.GetItems(1)->GetText(), u"A");
    EXPECT_EQ(rev.Ranges.GetItems(1)->Index, 1);
}

TEST(Revision, RangesFollowEdits)
{
    TVYXRevision rev;  // outlives the body, whose revision data report to it
    TBody body;
    rev.Paras = &body;
    auto& p = body.AddPara();
    AddRun(p, "one ");
    AddRun(p, "two", rev.Add(u"Ann", artInsert));
    rev.Collect();
    EXPECT_EQ(rev.Ranges.Count(), 1);

    // A new tracked edit: the cache is stale until the next iteration.
    AddRun(p, " three");
    AddRun(p, "four", rev.Add(u"Ann", artDelete));
    EXPECT_TRUE(rev.Invalid);
    rev.BeginIterate({0, 1});
    EXPECT_FALSE(rev.Invalid);
    ASSERT_EQ(rev.Ranges.Count(), 2);
    EXPECT_EQ(rev.Ranges.GetItems(1)->GetText(), u"four");

    // Deleting marked text directly drops the cache and the author's use.
    p.Delete(1);
    EXPECT_TRUE(rev.Invalid);
    EXPECT_TRUE(rev.RevDeleted);
    EXPECT_EQ(rev.Ranges.Count(), 0);
    rev.CheckInvalid();
    ASSERT_EQ(rev.Ranges.Count(), 1);
    EXPECT_EQ(rev.Ranges.GetItems(0)->GetText(), u"four");

    // Hidden authors vanish from the next collection and come back when shown.
    rev.EnableAuthor(u"Ann", false);
    EXPECT_EQ(rev.Ranges.Count(), 0);
    EXPECT_EQ(rev.Authors().IndexOf(u"Ann"), 0);
    rev.EnableAuthor(0, true);
    EXPECT_EQ(rev.Ranges.Count(), 1);

    // Inside an update bracket collection waits for the end.
    rev.BeginUpdate();
    AddRun(p, "five", rev.Add(u"Bob", artInsert));
    rev.Collect();
    EXPECT_EQ(rev.Ranges.Count(), 1);
    rev.EndUpdate();
    EXPECT_EQ(rev.Ranges.Count(), 2);
}

TEST(Revision, AcceptAndRejectInOneParagraph)
{
    struct TCase {
        TVYXRevisionType Type;
        bool Accept;
        const char* Text;
    };
    const TCase cases[] = {
        {artInsert, true, "Keep new text|"},   {artInsert, false, "Keep text|"},
        {artDelete, true, "Keep text|"},       {artDelete, false, "Keep new text|"},
        {artFormatCHPX, true, "Keep new text|"}, {artFormatCHPX, false, "Keep new text|"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(VYXRevisionTypeName[c.Type]) + (c.Accept ? " accept" : " reject"));
        TVYXRevision rev;  // outlives the body, whose revision data report to it
        TBody body;
        rev.Paras = &body;
        auto& p = body.AddPara();
        AddRun(p, "Keep ");
        if (c.Type == artFormatCHPX) {
            TVYXCharRun* run = AddRun(p, "new ");
            run->AddCHPX()->AddRevision(rev.Add(u"Ann", c.Type));
        } else {
            AddRun(p, "ne", rev.Add(u"Ann", c.Type));
            AddRun(p, "w ", rev.Add(u"Ann", c.Type));
        }
        AddRun(p, "text");
        rev.BeginIterate({0, 1});
        ASSERT_EQ(rev.Ranges.Count(), 1);
        EXPECT_TRUE(c.Accept ? rev.Accept() : rev.Reject());
        EXPECT_EQ(body.Text(), U16(c.Text));
        EXPECT_EQ(body.MarkedRuns(), 0);
        EXPECT_EQ(rev.Ranges.Count(), 0);
        EXPECT_EQ(rev.IterRange, nullptr);
        EXPECT_EQ(p.Count(), 1);  // what is left merges again
        EXPECT_EQ(p.Items(0)->CHPX(), nullptr);
        EXPECT_TRUE(rev.Authors().Count() == 0);
    }
}

TEST(Revision, InsertionOverParagraphsAndCells)
{
    // "Keep [new" | "[whole]" | cell: "[cell]" | "[x]tail": one insertion through a table cell.
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        TVYXRevision rev;  // outlives the body, whose revision data report to it
        TBody body;
        rev.Paras = &body;
        auto& p1 = body.AddPara();
        AddRun(p1, "Keep ");
        AddRun(p1, "new", rev.Add(u"Ann", artInsert));
        AddRun(body.AddPara(), "whole", rev.Add(u"Ann", artInsert));
        AddRun(body.AddPara(true), "cell", rev.Add(u"Ann", artInsert));
        auto& p4 = body.AddPara();
        AddRun(p4, "x", rev.Add(u"Ann", artInsert));
        AddRun(p4, "tail");
        rev.Collect();
        ASSERT_EQ(rev.Ranges.Count(), 1);
        TVYXRevisionRange* range = rev.Ranges.GetItems(0);
        EXPECT_EQ(range->GetText(), u"new\r\nwhole\r\ncell\r\nx");
        EXPECT_EQ(range->ParaIndex1, 0);
        EXPECT_EQ(range->ParaIndex2, 3);
        EXPECT_TRUE(range->Hit({2, 1}));
        if (accept) {
            rev.AcceptAll();
            EXPECT_EQ(body.Text(), u"Keep new|whole|cell|xtail|");
        } else {
            rev.RejectAll();
            // Emptied paragraphs go; the cell keeps its last paragraph.
            EXPECT_EQ(body.Text(), u"Keep ||tail|");
        }
        EXPECT_EQ(body.MarkedRuns(), 0);
        EXPECT_EQ(rev.Ranges.Count(), 0);
    }
}

TEST(Revision, DeletionBetweenBoundariesOverParagraphs)
{
    // A deletion marked by a pair of linked boundaries from paragraph 1 into paragraph 3.
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        TVYXRevision rev;  // outlives the body, whose revision data report to it
        TBody body;
        rev.Paras = &body;
        auto& p1 = body.AddPara();
        auto& p2 = body.AddPara();
        auto& p3 = body.AddPara();
        AddRun(p1, "Start ");
        AddRun(p1, "gone", rev.Add(u"Bob", artDelete));
        AddRun(p2, "all gone", rev.Add(u"Bob", artDelete));
        AddRun(p3, "gone", rev.Add(u"Bob", artDelete));
        AddRun(p3, " end");
        auto range = VYXInsertLinkedRange(nullptr, acrltRevision, p1, 1, p3, 1);
        range->FirstRun->AddRevision(rev.Add(u"Bob", artDelete));
        range->LastRun->AddRevision(rev.Add(u"Bob", artDelete));
        rev.Collect();
        ASSERT_EQ(rev.Ranges.Count(), 1);
        EXPECT_EQ(rev.Ranges.GetItems(0)->GetText(), u"gone\r\nall gone\r\ngone");
        EXPECT_TRUE(accept ? rev.Accept(rev.Ranges.GetItems(0)) : rev.Reject(rev.Ranges.GetItems(0)));
        EXPECT_EQ(body.Text(), accept ? u"Start | end|" : u"Start gone|all gone|gone end|");
        EXPECT_EQ(body.MarkedRuns(), 0);
    }
}

TEST(Revision, MovesResolveBothHalves)
{
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        TVYXRevision rev;  // outlives the body, whose revision data report to it
        TBody body;
        rev.Paras = &body;
        auto from = rev.Add(u"Ann", artMoveFrom);
        auto to = rev.Add(u"Ann", artMoveTo);
        to->Name = from->Name;  // the halves of one move share the name
        auto& p1 = body.AddPara();
        AddRun(p1, "A ");
        AddRun(p1, "moved", std::move(from));
        auto& p2 = body.AddPara();
        AddRun(p2, "B ");
        AddRun(p2, "moved", std::move(to));
        rev.Collect();
        ASSERT_EQ(rev.Ranges.Count(), 2);
        EXPECT_EQ(rev.Ranges.FindMove(*rev.Ranges.GetItems(1)), rev.Ranges.GetItems(0));
        rev.BeginIterate({1, 1});
        EXPECT_TRUE(accept ? rev.Accept() : rev.Reject());
        EXPECT_EQ(rev.Ranges.Count(), 0);
        EXPECT_EQ(body.Text(), accept ? u"A |B moved|" : u"A moved|B |");
    }
}

TEST(Revision, ParagraphFormatAndLifetimes)
{
    TBody body;
    auto rev = std::make_unique<TVYXRevision>(&body);
    auto& p = body.AddPara();
    AddRun(p, "para");
    body.Items[0].PAPX = std::make_unique<TVYXPAPX>(nullptr);
    body.Items[0].PAPX->AddRevision(rev->Add(u"Ann", artFormatPAPX));
    rev->Collect();
    ASSERT_EQ(rev->Ranges.Count(), 1);
    EXPECT_EQ(rev->Ranges.GetItems(0)->PAPX, body.Items[0].PAPX.get());
    rev->Reject(rev->Ranges.GetItems(0));
    EXPECT_EQ(body.Items[0].PAPX->GetRevision(), nullptr);
    EXPECT_FALSE(rev->Accept());  // nothing left to iterate

    // Data freed while its manager lives tells it: the ranges are stale.
    AddRun(p, "late", rev->Add(u"Ann", artInsert));
    rev->Collect();
    rev->RevDeleted = false;
    p.Delete(1);
    EXPECT_EQ(p.Count(), 1);
    EXPECT_TRUE(rev->RevDeleted);
    EXPECT_EQ(rev->Ranges.Count(), 0);
}
