// VYXPaginateNotesTest.cpp: footnotes that do not fit below their reference go on in the
// next page's note area; notes that fit stay whole on their reference's page.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "formats/VYXReadDOCX.h"
#include "layout/tests/VYXLayoutTestDoc.h"
#include "model/VYXNotes.h"

namespace {

using TDoc = TVYXLayoutTestDoc;

// Every page: the note rows lie between the body's end and the footer, in order, and
// every row of every laid-out note is placed exactly once. Returns the pages per note.
std::map<const TVYXFootnoteItem*, std::set<int>> CheckNoteAreas(const TVYXPaginatorDoc& layout)
{
    std::map<const TVYXFootnoteItem*, std::set<int>> pagesOf;
    std::set<const TVYXPhyRow*> seen;
    for (int i = 0; i < layout.Pages().Count(); ++i) {
        const TVYXPhyPage& page = layout.Pages().GetItems(i);
        SCOPED_TRACE(testing::Message() << "page " << i);
        double bodyBottom = page.BodyTop();
        for (int r = 0; r < page.Rows.Count(); ++r)
            bodyBottom = std::max(bodyBottom, page.Rows.GetItems(r).Baseline + static_cast<double>(page.Rows.GetItems(r).Descent));
        double prev = 0;
        for (int r = 0; r < page.NoteRows.Count(); ++r) {
            const TVYXPhyRow& row = page.NoteRows.GetItems(r);
            EXPECT_TRUE(seen.insert(&row).second) << "a note row placed twice";
            EXPECT_EQ(row.Page, i);
            EXPECT_GE(row.GetY1(), bodyBottom - 0.01) << "note over the body";
            EXPECT_GE(row.Baseline, prev);
            EXPECT_LE(row.Baseline + row.Descent, page.ClientY2 - page.FooterExHeight() + 0.5) << "note past the foot";
            prev = row.Baseline;
        }
        for (const TVYXNotePart& part : page.NoteParts)
            pagesOf[part.Note].insert(i);
    }
    return pagesOf;
}

}  // namespace

TEST(PaginateNotes, LongNoteGoesOnInTheNextNoteArea)
{
    std::u16string longNote;
    for (int i = 0; i < 12; ++i)
        longNote += cProse + u" ";
    int split = 0;
    for (int lines = 20; lines <= 50; lines += 3) {
        SCOPED_TRACE(lines);
        TDoc d;
        for (int i = 0; i < lines; ++i)
            d.Para(u"a line of body text");
        TVYXLogPara& ref = d.Para(u"the reference");
        TVYXFootnoteItem& note = d.Doc.AppendFootnote(longNote);
        for (int i = 0; i < 60; ++i)
            d.Para(u"more body text");
        d.Layout.Paginate();
        const auto pagesOf = CheckNoteAreas(d.Layout);
        ASSERT_EQ(pagesOf.count(&note), 1u);
        const std::set<int>& pages = pagesOf.at(&note);
        const int refPage = d.Rows(ref).First()->Page;
        // The note starts on its reference's page and goes on, page after page.
        EXPECT_EQ(*pages.begin(), refPage);
        EXPECT_EQ(*pages.rbegin() - *pages.begin() + 1, static_cast<int>(pages.size()));
        const TVYXPhyRows& noteRows = d.Rows(*d.Doc.Footnotes().Paras()._FirstPara());
        for (int r = 0; r < noteRows.Count(); ++r)
            EXPECT_GE(noteRows.GetItems(r).Page, refPage) << "row " << r << " not placed";
        if (pages.size() > 1) {
            ++split;
            // The rest opens the next page's note area; the body still has rows there.
            const TVYXPhyPage& next = d.Layout.Pages().GetItems(refPage + 1);
            ASSERT_FALSE(next.NoteParts.empty());
            EXPECT_EQ(next.NoteParts.front().Note, &note);
            EXPECT_GT(next.NoteParts.front().From, 1);
            EXPECT_GT(next.Rows.Count(), 5);
            EXPECT_EQ(next.Footnotes.size(), 0u);  // listed on the page it starts on
        }
    }
    EXPECT_GT(split, 5);
}

TEST(PaginateNotes, ShortNotesStayWholeWithTheirReference)
{
    for (int lines = 40; lines <= 60; ++lines) {
        SCOPED_TRACE(lines);
        TDoc d;
        for (int i = 0; i < lines; ++i)
            d.Para(u"a line of body text");
        TVYXLogPara& ref = d.Para(u"the reference");
        TVYXFootnoteItem& note = d.Doc.AppendFootnote(u"A two-line note. " + cProse);
        for (int i = 0; i < 40; ++i)
            d.Para(u"more body text");
        d.Layout.Paginate();
        const auto pagesOf = CheckNoteAreas(d.Layout);
        // A note of two or three rows is never split (no first or last row alone): it
        // stays below its reference, or (when it does not fit) starts on the next page.
        const int noteRows = d.Rows(*d.Doc.Footnotes().Paras()._FirstPara()).Count();
        ASSERT_GE(noteRows, 2);
        ASSERT_LE(noteRows, 3);
        ASSERT_EQ(pagesOf.at(&note).size(), 1u);
        const int notePage = *pagesOf.at(&note).begin();
        const int refPage = d.Rows(ref).First()->Page;
        EXPECT_TRUE(notePage == refPage || notePage == refPage + 1);
        if (notePage != refPage) {
            const TVYXPhyPage& page = d.Layout.Pages().GetItems(refPage);
            EXPECT_LT(page.ClientY2 - d.Rows(ref).First()->GetY2(), noteRows * 20 + 20 + 20) << "the note would have fit";
        }
    }
}

// A real document with many footnotes, laid out onto pages: every note's rows placed,
// none over the body or past the page's foot.
TEST(PaginateNotes, RealDocumentNotes)
{
    const std::filesystem::path file =
        std::filesystem::path(VYX_SHARED_DIR) / "corpus" / "docx" / "docxcompose-aatmay.docx";
    if (!std::filesystem::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXGDILinux gdi(96);
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    reader.LoadFromFile(file.string());
    ASSERT_GT(doc.FootnoteList().Count(), 10);
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    const auto pagesOf = CheckNoteAreas(layout);
    int placed = 0;
    for (const auto& [note, pages] : pagesOf)
        placed += pages.empty() ? 0 : 1;
    EXPECT_EQ(placed, doc.FootnoteList().Count());
}
