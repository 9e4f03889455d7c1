// VYXLogDocumentTest.cpp: what a document owns and shares: default section and paper, tables shared with
// secondary documents, dirty propagation, clearing, and the revision manager living as long as the body.
#include <gtest/gtest.h>

#include "model/VYXBodyWalker.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogPos.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"

namespace {
constexpr double cMm = 72.0 / 25.4;

// Counts the linked runs the body reports as they leave it.
class TCountingDoc : public TVYXLogDocument {
public:
    int Deleted = 0;
    void DeleteCharRun(TVYXCharRun&) override { ++Deleted; }
};
}  // namespace

TEST(LogDocument, DefaultSectionAndPaperHook)
{
    struct Case {
        const char* name;
        TVYXPaperSizeHook hook;
        double width, height;  // expected, in millimetres
    };
    const Case cases[] = {
        {"no hook", {}, 210, 297},
        {"letter", [] { return TVYXPaperMm{215.9, 279.4}; }, 215.9, 279.4},
        {"zero width", [] { return TVYXPaperMm{0, 279.4}; }, 210, 297},
        {"negative height", [] { return TVYXPaperMm{215.9, -1}; }, 210, 297},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TVYXLogDocument doc(aldtMain, nullptr, nullptr, c.hook);
        const TVYXSEP& sep = doc.SEP();
        EXPECT_NEAR(sep.GetPageWidth(), c.width * cMm, 1e-9);
        EXPECT_NEAR(sep.GetPageHeight(), c.height * cMm, 1e-9);
        for (double margin : {sep.GetMargLeft(), sep.GetMargRight(), sep.GetMargTop(), sep.GetMargBottom()})
            EXPECT_NEAR(margin, 70.86614173228347, 1e-9);
        EXPECT_NEAR(sep.GetMargHeader(), 35.43307086614173, 1e-9);
        EXPECT_NEAR(sep.GetMargFooter(), 35.43307086614173, 1e-9);
        EXPECT_FALSE(sep.GetLandscape());
        // The body is laid out in the text column, which follows the section.
        EXPECT_NEAR(doc.Width(), (c.width - 50) * cMm, 1e-9);
        ASSERT_TRUE(doc.Paras().WidthEvent);
        EXPECT_DOUBLE_EQ(doc.Paras().WidthEvent(), doc.Width());
    }
}

TEST(LogDocument, SecondaryDocumentsShareTheParentsTables)
{
    TVYXLogDocument main;
    EXPECT_THROW(TVYXLogDocument(aldtHeader, nullptr, nullptr), VYXException);
    ASSERT_NE(main.Styles().Find(u"Normal"), nullptr);  // a new document starts with the built-in sheet
    TVYXLogDocument header(aldtHeader, nullptr, &main);
    TVYXLogDocument notes(aldtFootnotes, nullptr, &main);
    EXPECT_EQ(header.DocType(), aldtHeader);
    EXPECT_EQ(header.ParentDoc(), &main);
    for (TVYXLogDocument* doc : {&header, &notes}) {
        EXPECT_EQ(&doc->DOP(), &main.DOP());
        EXPECT_EQ(&doc->SEP(), &main.SEP());
        EXPECT_EQ(&doc->Styles(), &main.Styles());
        EXPECT_EQ(&doc->Numberings(), &main.Numberings());
        EXPECT_EQ(&doc->Hyperlinks(), &main.Hyperlinks());
        EXPECT_EQ(&doc->Bookmarks(), &main.Bookmarks());
        EXPECT_EQ(&doc->Permissions(), &main.Permissions());
        EXPECT_EQ(&doc->Comments(), &main.Comments());
        EXPECT_EQ(&doc->Pictures(), &main.Pictures());
        EXPECT_EQ(&doc->ShapeTypes(), &main.ShapeTypes());
        EXPECT_NE(&doc->Paras(), &main.Paras());
        EXPECT_NE(&doc->Revision(), &main.Revision());
    }
    // A header's paragraph resolves its style and bookmarks in the main document's tables.
    TVYXLogPara* p = header.Paras().AppendPara(u"Page header");
    EXPECT_TRUE(p->UseStyle(u"Heading1"));
    ASSERT_NE(p->InsertBookmark(u"top", 1, 5), nullptr);
    EXPECT_NE(main.Bookmarks().Find(u"top"), nullptr);
    EXPECT_EQ(main.Paras().Count(), 0);
    // A style added through either is seen by both.
    main.Styles().AddPara(u"Shared");
    EXPECT_TRUE(p->UseStyle(u"Shared"));
}

TEST(LogDocument, EditsMarkTheDocumentAndItsParentDirty)
{
    TVYXLogDocument main;
    TVYXLogDocument footer(aldtFooter, nullptr, &main);
    TVYXTable* table = footer.Paras().AddTable(1, 1);
    TVYXTable* nested = table->FirstCell()->Paras().AddTable(1, 1);
    footer.Paras().AppendPara();
    main.SetDirty(false);
    footer.SetDirty(false);
    // Deep in a nested cell of the footer: both documents need layout again.
    nested->FirstCell()->Paras().GetParas(0)->InsertText(u"x", 1);
    EXPECT_TRUE(footer.Dirty());
    EXPECT_TRUE(main.Dirty());
    main.SetDirty(false);
    EXPECT_TRUE(footer.Dirty());  // clearing the parent leaves the child's own flag
}

TEST(LogDocument, ClearEmptiesWithoutReportingRuns)
{
    TCountingDoc doc;
    TVYXLogPara* p = doc.Paras().AppendPara(u"one two three");
    ASSERT_NE(p->InsertBookmark(u"mark", 5, 8), nullptr);
    doc.Paras().AppendPara(u"second")->InsertBookmark(u"other", 1, 3);
    doc.Hyperlinks().Add(u"https://example.org", ahtURL);
    doc.Numberings().AddNewBullet(u"*");
    doc.DOP().TabWidth = 10;
    doc.Styles().AddPara(u"Mine");

    // An edit that takes boundary runs out reports them.
    doc.Paras().Delete(1);
    EXPECT_EQ(doc.Deleted, 2);
    doc.Deleted = 0;
    doc.Clear();
    EXPECT_EQ(doc.Deleted, 0);
    EXPECT_EQ(doc.Paras().Count(), 0);
    EXPECT_EQ(doc.Bookmarks().Count(), 0);
    EXPECT_EQ(doc.Hyperlinks().Count(), 0);
    EXPECT_EQ(doc.Numberings().Count(), 0);
    EXPECT_EQ(doc.Styles().Find(u"Mine"), nullptr);
    EXPECT_DOUBLE_EQ(doc.DOP().TabWidth, TVYXDOP().TabWidth);
    EXPECT_TRUE(doc.Dirty());
    // The document is usable afterwards, and reports runs again.
    doc.Paras().AppendPara(u"again")->InsertBookmark(u"b", 1, 2);
    doc.Paras().Delete(0);
    EXPECT_EQ(doc.Deleted, 2);
}

// Runs carrying tracked changes are freed with the body while the document's manager
// still exists; the manager sees the body through the document's walker.
TEST(LogDocument, RevisionManagerCoversTheBody)
{
    auto doc = std::make_unique<TVYXLogDocument>();
    TVYXRevision& rev = doc->Revision();
    TVYXLogPara* p = doc->Paras().AppendPara(u"plain ");
    p->CharRuns().AddRevision(u"added", rev.Add(u"Ann", artInsert));
    TVYXTable* table = doc->Paras().AddTable(1, 1);
    table->FirstCell()->Paras().GetParas(0)->CharRuns().AddRevision(u"in cell", rev.Add(u"Bob", artDelete));
    doc->Paras().AppendPara(u"end");
    rev.Collect();
    ASSERT_EQ(rev.Ranges.Count(), 2);
    EXPECT_EQ(rev.Ranges.GetItems(1)->GetText(), u"in cell");
    EXPECT_EQ(rev.Authors().Count(), 2);
    EXPECT_EQ(doc->Walker().Body, &doc->Paras());

    // Taking a run out tells the manager, which collects again.
    doc->Paras().Delete(doc->Paras().Count() - 2);
    EXPECT_TRUE(rev.RevDeleted);
    EXPECT_EQ(rev.Authors().IndexOf(u"Bob"), -1);
    rev.Collect();
    EXPECT_EQ(rev.Ranges.Count(), 1);
    doc.reset();  // the remaining marked run goes before the manager (sanitizer builds check)
}

TEST(LogDocument, NavigationAndScratchLists)
{
    TVYXLogDocument doc;
    EXPECT_EQ(doc.FirstPara(), nullptr);
    TVYXLogPara* a = doc.Paras().AppendPara(u"a");
    TVYXTable* t = doc.Paras().AddTable(2, 1);
    TVYXLogPara* b = doc.Paras().AppendPara(u"b");
    EXPECT_EQ(doc.FirstPara(), a);
    EXPECT_EQ(doc.LastPara(), b);
    EXPECT_EQ(doc.NextPara(*a), t->FirstPara());
    EXPECT_EQ(doc.PrevPara(*b), t->LastPara());
    EXPECT_EQ(a->Iterator(), &doc);
    EXPECT_EQ(doc.GetPlainText(), u"a\r\n\t\r\nb");  // cells apart by a tab

    // A scratch list takes a copy with the document's formats and pastes it back.
    auto clip = doc.CreateParas();
    TVYXLogSelection all;
    all.Assign(TVYXLogPos(a, 1), TVYXLogPos(b, 2));
    ASSERT_TRUE(all.CopyContent(*clip));
    EXPECT_EQ(clip->Count(), 3);
    TVYXLogPos at(b, 2);
    doc.Paras().Insert(at, *clip);
    EXPECT_EQ(doc.GetPlainText(), u"a\r\n\t\r\nba\r\n\t\r\nb\r\n");
    EXPECT_EQ(&doc.GetTempPAPX(), doc.Paras().GetItems(0)->GetTempPAPX());
}
