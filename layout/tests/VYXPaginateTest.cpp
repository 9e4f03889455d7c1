// VYXPaginateTest.cpp: whole documents laid out onto pages with real fonts through the Linux device.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "layout/VYXLayoutDump.h"
#include "layout/tests/VYXLayoutTestDoc.h"
#include "model/VYXDocSection.h"
#include "model/VYXGraphics.h"
#include "model/VYXNotes.h"
#include "model/VYXTable.h"

namespace {

struct TDoc : TVYXLayoutTestDoc {
    int PageOf(const TVYXLogPara& p) { return Rows(p).First()->Page; }
};

// Every row of every page lies inside the page's body and below the previous one.
void ExpectRowsInsideBodies(const TVYXPaginatorDoc& layout)
{
    for (int i = 0; i < layout.Pages().Count(); ++i) {
        const TVYXPhyPage& page = layout.Pages().GetItems(i);
        for (int r = 0; r < page.Rows.Count(); ++r) {
            const TVYXPhyRow& row = page.Rows.GetItems(r);
            SCOPED_TRACE(testing::Message() << "page " << i << " row " << r);
            EXPECT_EQ(row.Page, i);
            EXPECT_GE(row.GetY1(), page.ClientY1 - 0.01);
            EXPECT_LE(row.Baseline + row.Descent, page.GetAbsDocCY2() + 0.01);
        }
    }
}

}  // namespace

TEST(Paginate, LineSpacingAndParagraphSpacing)
{
    TDoc d;
    TVYXLogPara& a = d.Para(cProse + u" " + cProse);
    a.PAPX().SetLineSpacing(1.5);
    TVYXLogPara& b = d.Para(u"next", 0, 6);  // has its own space before
    d.Layout.Paginate();
    const TVYXPhyRows& ra = d.Rows(a);
    ASSERT_GT(ra.Count(), 1);
    const double h = ra.GetItems(0).LineHeight;
    for (int i = 1; i < ra.Count(); ++i)
        EXPECT_NEAR(ra.GetItems(i).Baseline - ra.GetItems(i - 1).Baseline, 1.5 * h, 0.01);
    // After the last row: its 1.5 lines, the surplus half line again, then 6 pt (8 px).
    const TVYXPhyRow& last = *ra.Last();
    const TVYXPhyRow& first = *d.Rows(b).First();
    EXPECT_NEAR(first.GetY1() - last.GetY1(), 1.5 * h + 0.5 * h + 8, 0.01);

    // 12 pt after followed by 6 pt before: only the 6 pt separate them.
    TDoc e;
    TVYXLogPara& c = e.Para(u"first", 12);
    TVYXLogPara& f = e.Para(u"second", 0, 6);
    e.Layout.Paginate();
    const TVYXPhyRow& rc = *e.Rows(c).Last();
    EXPECT_NEAR(e.Rows(f).First()->GetY1() - (rc.GetY1() + rc.LineHeight), 8, 0.01);
    // A bottom border keeps its width and distance clear below the paragraph.
    const double plain = e.Rows(f).First()->GetY1();
    c.PAPX().AddBorderBottom()->SetVals(1.5, 0, stbSingle, 4.5);  // 6 pt = 8 px
    c.MakeDirty();
    e.Layout.Paginate();
    EXPECT_NEAR(e.Rows(f).First()->GetY1() - plain, 8, 0.01);
    c.PAPX().DeleteBorderBottom();
    c.MakeDirty();
    // Without a space before the follower, the space after counts.
    f.PAPX().SetSpaceBefore(0);
    f.MakeDirty();
    e.Layout.Paginate();
    EXPECT_NEAR(e.Rows(f).First()->GetY1() - (e.Rows(c).Last()->GetY1() + rc.LineHeight), 16, 0.01);
}

TEST(Paginate, RowsBreakOntoPagesAndPageBreaksStartPages)
{
    TDoc d;
    TVYXLogPara* firstPara = nullptr;
    for (int i = 0; i < 60; ++i) {
        TVYXLogPara& p = d.Para(cProse, 6);
        if (!firstPara)
            firstPara = &p;
    }
    d.Layout.Paginate();
    const int pages = d.Layout.Pages().Count();
    EXPECT_GE(pages, 3);
    ExpectRowsInsideBodies(d.Layout);
    // A page break run in front of a paragraph moves it to a new page.
    TVYXLogPara& broken = d.Para(u"after the break");
    broken.InsertBreak(1, acrbtPageBreak);
    d.Layout.Paginate();
    EXPECT_EQ(d.PageOf(broken), d.Layout.Pages().Count() - 1);
    EXPECT_EQ(d.Layout.Pages().Count(), pages + 1);
    EXPECT_NEAR(d.Rows(broken).First()->GetY1(), d.Layout.Pages().Last()->BodyTop(), 0.01);
}

TEST(Paginate, WebLayoutIsOneEndlessPage)
{
    TDoc d;
    for (int i = 0; i < 80; ++i)
        d.Para(cProse, 6);
    d.Doc.AppendFootnote(u"A note: on an endless page it follows the body.");
    d.Doc.DOP().WebLayout = true;
    d.Layout.Paginate();
    ASSERT_EQ(d.Layout.Pages().Count(), 1);
    const TVYXPhyRow& note = *d.Rows(*d.Doc.Footnotes().Paras()._FirstPara()).First();
    EXPECT_LT(note.Baseline, d.Layout.WebHeight());
    EXPECT_GT(note.Baseline, d.Layout.WebHeight() - 40);
    EXPECT_GT(d.Layout.WebHeight(), 2000);
    EXPECT_NEAR(d.Doc.DOP().WebHeight, d.Layout.WebHeight() * 0.75 + 36, 0.01);
    d.Doc.DOP().WebLayout = false;
    d.Layout.Paginate();
    EXPECT_GT(d.Layout.Pages().Count(), 3);
}

TEST(Paginate, RelayoutAfterTypingBreaksOneParagraph)
{
    TDoc d;
    for (int i = 0; i < 200; ++i)
        d.Para(cProse, 6);
    d.Layout.Paginate();
    const int pages = d.Layout.Pages().Count();
    EXPECT_GT(d.Layout.BrokenParas(), 199);
    const std::string before = VYXLayoutDump(d.Layout, true, false);
    d.Layout.Paginate();
    EXPECT_EQ(d.Layout.BrokenParas(), 0);
    EXPECT_EQ(VYXLayoutDump(d.Layout, true, false), before);  // moved rows land where they were
    TVYXDocAddress at;
    at.Item = 100;
    at.CharPos = 5;
    d.Doc.InsertText(at, u"x");
    d.Layout.Paginate();
    EXPECT_EQ(d.Layout.BrokenParas(), 1);
    EXPECT_EQ(d.Layout.Pages().Count(), pages);
    EXPECT_NE(VYXLayoutDump(d.Layout, true, false), before);
}

TEST(Paginate, HeaderTallerThanItsMarginPushesTheBody)
{
    TDoc d;
    for (int i = 0; i < 40; ++i)
        d.Para(cProse, 6);
    d.Layout.Paginate();
    const double top = d.Layout.Pages().GetItems(0).BodyTop();
    const int pages = d.Layout.Pages().Count();
    TVYXLogDocEditor& header = d.Doc.Headers().AddDefault();
    header.AppendTextUI(u"A header");
    for (int i = 0; i < 6; ++i)
        header.AppendParaUI(u"one more header line");
    d.Layout.Paginate();
    const TVYXPhyPage& p = d.Layout.Pages().GetItems(0);
    EXPECT_GT(p.HeaderExHeight(), 20);
    EXPECT_NEAR(p.BodyTop(), top + p.HeaderExHeight(), 0.01);
    EXPECT_GE(d.Layout.Pages().Count(), pages);
    ExpectRowsInsideBodies(d.Layout);
    // A first-page header counts only when the section asks for a title page.
    TVYXLogDocEditor& first = d.Doc.Headers().AddFirst();
    for (int i = 0; i < 12; ++i)
        first.AppendParaUI(u"first page header line");
    d.Layout.Paginate();
    const double defaultEx = d.Layout.Pages().GetItems(0).HeaderExHeight();
    d.Doc.SEP().TitlePg = true;
    d.Layout.Paginate();
    EXPECT_GT(d.Layout.Pages().GetItems(0).HeaderExHeight(), defaultEx + 50);
    EXPECT_NEAR(d.Layout.Pages().GetItems(1).HeaderExHeight(), defaultEx, 0.01);
    // Even pages (odd indexes) show the even header when there is one.
    TVYXLogDocEditor& even = d.Doc.Headers().AddEven();
    for (int i = 0; i < 3; ++i)
        even.AppendParaUI(u"even page header line");
    d.Layout.Paginate();
    ASSERT_GE(d.Layout.Pages().Count(), 3);
    const double evenEx = d.Layout.Pages().GetItems(1).HeaderExHeight();
    EXPECT_NE(evenEx, defaultEx);
    EXPECT_NEAR(d.Layout.Pages().GetItems(2).HeaderExHeight(), defaultEx, 0.01);
    // A header that fits its margin does not extend into the body.
    TDoc e;
    e.Para(u"body");
    e.Doc.Headers().AddDefault().AppendTextUI(u"short");
    e.Layout.Paginate();
    EXPECT_EQ(e.Layout.Pages().GetItems(0).HeaderExHeight(), 0);
}

TEST(Paginate, FootnotesStayWithTheirReferenceWhileTheyFit)
{
    TDoc d;
    std::vector<TVYXFootnoteItem*> notes;
    for (int i = 0; i < 30; ++i) {
        d.Para(cProse, 6);
        // Long notes: not all fit on the page of their reference.
        notes.push_back(&d.Doc.AppendFootnote(cProse + u" " + cProse + u" " + cProse));
    }
    d.Layout.Paginate();
    ExpectRowsInsideBodies(d.Layout);
    int onRefPage = 0, later = 0;
    for (int i = 0; i < d.Layout.Pages().Count(); ++i) {
        const TVYXPhyPage& page = d.Layout.Pages().GetItems(i);
        double lowest = 0;
        for (int r = 0; r < page.NoteRows.Count(); ++r)
            lowest = std::max(lowest, page.NoteRows.GetItems(r).Baseline + static_cast<double>(page.NoteRows.GetItems(r).Descent));
        if (page.NoteRows.Count()) {
            EXPECT_LE(lowest, page.ClientY2 + 0.5) << "notes overrun page " << i;
        }
        for (TVYXFootnoteItem* n : page.Footnotes) {
            const int refPage = d.PageOf(*n->FNotePara);
            EXPECT_GE(i, refPage);
            (i == refPage ? onRefPage : later)++;
        }
    }
    EXPECT_EQ(onRefPage + later, 30);  // every note placed once
    EXPECT_GT(onRefPage, 5);
    // Notes longer than the room left start below their reference and go on overleaf.
    int continued = 0;
    for (int i = 0; i < d.Layout.Pages().Count(); ++i) {
        const TVYXPhyPage& page = d.Layout.Pages().GetItems(i);
        continued += !page.NoteParts.empty() && page.NoteParts.front().From > 0 ? 1 : 0;
    }
    EXPECT_GT(continued, 0);
}

TEST(Paginate, TablesAcrossPagesRepeatTheirHeader)
{
    TDoc d;
    d.Para(u"before");
    TVYXTable& t = d.Doc.AppendTableUI(3, 60);
    t.GetRows(0)->RptData = true;
    d.Doc.CellPara(t, 0, 0).Append(u"Head");
    for (int r = 1; r < 60; ++r)
        for (int c = 0; c < 3; ++c)
            d.Doc.CellPara(t, c, r).Append(c == 1 ? cProse.substr(0, 60 + r % 40) : u"cell");
    d.Layout.Paginate();
    ASSERT_GE(d.Layout.Pages().Count(), 2);
    ExpectRowsInsideBodies(d.Layout);
    int split = 0;
    for (int r = 1; r < 60; ++r) {
        SCOPED_TRACE(r);
        const TVYXTableRow& row = *t.GetRows(r);
        const TVYXTableRow& prev = *t.GetRows(r - 1);
        const int page = d.PageOf(d.Doc.CellPara(t, 1, r));
        const int prevEnd = d.Rows(d.Doc.CellPara(t, 1, r - 1)).Last()->Page;
        if (d.Rows(d.Doc.CellPara(t, 1, r)).Last()->Page != page)
            ++split;  // the row continues on the next page
        else if (page == prevEnd)
            EXPECT_GE(row.PixY1, prev.PixY2 - 0.01);  // rows do not overlap
        else
            EXPECT_GT(page, prevEnd - 1);
        // All cells of a row on one page.
        EXPECT_EQ(d.PageOf(d.Doc.CellPara(t, 0, r)), page);
        EXPECT_EQ(d.PageOf(d.Doc.CellPara(t, 2, r)), page);
    }
    EXPECT_GT(split, 0);
    const TVYXPhyPage& second = d.Layout.Pages().GetItems(1);
    ASSERT_EQ(second.RepeatedRows.size(), 1u);
    EXPECT_EQ(second.RepeatedRows[0].Row, t.GetRows(0));
    EXPECT_GT(second.ContentTop, second.BodyTop());
    EXPECT_GE(second.Rows.GetItems(0).GetY1(), second.ContentTop - 0.01);
}

TEST(Paginate, TableRowHeightsAndVerticalAlignment)
{
    TDoc d;
    TVYXTable& t = d.Doc.AppendTableUI(2, 3);
    d.Doc.CellPara(t, 0, 0).Append(u"tall cell with\u2028");
    for (int i = 0; i < 4; ++i)
        d.Doc.CellPara(t, 0, 0).Paras()->AppendPara(u"line");
    d.Doc.CellPara(t, 1, 0).Append(u"middle");
    t.GetRows(0)->GetCells(1)->AlignVert = atcavCenter;
    t.GetRows(1)->Height = 100;  // at least 100 pt
    d.Doc.CellPara(t, 0, 1).Append(u"min");
    t.GetRows(2)->Height = 10;  // exactly 10 pt
    t.GetRows(2)->HeightExact = true;
    d.Doc.CellPara(t, 0, 2).Append(u"exact");
    d.Layout.Paginate();
    const TVYXTableRow& r0 = *t.GetRows(0);
    const double h0 = r0.PixY2 - r0.PixY1;
    const TVYXPhyRow& mid = *d.Rows(d.Doc.CellPara(t, 1, 0)).First();
    EXPECT_NEAR(mid.GetY1() - r0.PixY1, (h0 - mid.LineHeight) / 2, 2.0);
    EXPECT_NEAR(t.GetRows(1)->PixY2 - t.GetRows(1)->PixY1, 100 * 96.0 / 72, 0.01);
    EXPECT_NEAR(t.GetRows(2)->PixY2 - t.GetRows(2)->PixY1, 10 * 96.0 / 72, 0.01);
    // Nested table: its rows lie inside the outer cell.
    TDoc n;
    TVYXTable& outer = n.Doc.AppendTableUI(2, 1);
    TVYXLogPara& cell = n.Doc.CellPara(outer, 1, 0);
    cell.Append(u"outer");
    TVYXTable* inner = cell.Paras()->AddTable(2, 2);
    ASSERT_NE(inner, nullptr);
    n.Layout.Paginate();
    EXPECT_GE(inner->GetRows(0)->GetCells(0)->PixX1, outer.GetRows(0)->GetCells(1)->PixX1 - 0.01);
    EXPECT_LE(inner->GetRows(1)->PixY2, outer.GetRows(0)->PixY2 + 0.01);
}

TEST(Paginate, SectionsAndColumns)
{
    TDoc d;
    for (int i = 0; i < 5; ++i)
        d.Para(cProse, 6);
    TVYXSEP first(&d.Doc.SEP(), &d.Doc.DOP());
    d.Doc.AppendSection(first);
    TVYXLogPara* two = nullptr;
    for (int i = 0; i < 30; ++i)
        two = &d.Para(cProse, 6);
    TVYXSEP cols(&d.Doc.SEP(), &d.Doc.DOP());
    cols.Type = astContinous;
    cols.AddCols(2, 36);
    d.Doc.AppendSection(cols);
    TVYXLogPara& after = d.Para(u"after the columns");
    d.Doc.SEP().Type = astNextPage;
    d.Layout.Paginate();
    ExpectRowsInsideBodies(d.Layout);
    // The columned section starts on the first page, below the first section, and
    // uses both columns.
    float minX = 1e9f, maxX = 0;
    for (int i = 0; i < d.Doc.Paras().Count(); ++i)
        if (TVYXLogPara* p = d.Doc.Paras().ParaAtIndex(i); p && p->Index() > 6 && p->Index() <= two->Index())
            for (int r = 0; r < d.Rows(*p).Count(); ++r) {
                minX = std::min(minX, static_cast<float>(d.Rows(*p).GetItems(r).GetX()));
                maxX = std::max(maxX, static_cast<float>(d.Rows(*p).GetItems(r).GetX()));
            }
    EXPECT_GT(maxX - minX, 200);
    EXPECT_EQ(d.PageOf(*d.Doc.Paras().ParaAtIndex(7)), 0);
    // The last section starts a new page.
    EXPECT_GT(d.PageOf(after), d.PageOf(*two) - 1);
    EXPECT_NEAR(d.Rows(after).First()->GetY1(), d.Layout.Pages().GetItems(d.PageOf(after)).BodyTop(), 0.01);
}

TEST(Paginate, FieldsAndListLabels)
{
    TDoc d;
    TVYXLogPara& author = d.Para(u"by ");
    author.AppendField(u"AUTHOR \\* Lower");
    d.Doc.SetAuthor(u"Ada LOVELACE");
    TVYXLogDocEditor& footer = d.Doc.Footers().AddDefault();
    footer.Paras().GetParas(0)->Append(u"page ");
    footer.Paras().GetParas(0)->AppendField(u"PAGE");
    footer.Paras().GetParas(0)->Append(u" of ");
    footer.Paras().GetParas(0)->AppendField(u"NUMPAGES");
    TVYXLogPara& last = d.Para(u"end");
    last.InsertBreak(1, acrbtPageBreak);
    for (int i = 0; i < 3; ++i)
        d.Doc.AppendNumberedPara(u"item", 0);
    d.Layout.Paginate();
    ASSERT_EQ(d.Layout.Pages().Count(), 2);
    EXPECT_EQ(d.Rows(author).First()->PlainText(), u"by ada lovelace");
    int numbered = 0;
    for (int i = 0; i < d.Doc.Paras().Count(); ++i)
        if (TVYXLogPara* p = d.Doc.Paras().ParaAtIndex(i); p && !d.Rows(*p).Label.empty()) {
            EXPECT_EQ(d.Rows(*p).Label, std::u16string(1, static_cast<char16_t>(u'1' + numbered++)) + u".");
        }
    EXPECT_EQ(numbered, 3);
    const TVYXPhyRow& fr = *d.Rows(*footer.Paras().GetParas(0)).First();
    EXPECT_EQ(fr.PlainText(), u"page 88 of 88");  // measured with placeholders
    const TVYXRowPiece* pageField = nullptr;
    for (const TVYXRowPiece& p : fr.Pieces)
        if (p.Run->Type_() == acrtSimpleField && !pageField)
            pageField = &p;
    ASSERT_NE(pageField, nullptr);
    EXPECT_EQ(d.Layout.PageFieldText(*pageField->Run, d.Layout.Pages().GetItems(1)).value_or(u"?"), u"2");
}

TEST(Paginate, ObjectsBesideAndInlineWithTheText)
{
    TDoc d;
    TVYXLogPara& a = d.Para(cProse);
    auto box = std::make_unique<TVYXGraphicObj>();
    box->Width = 150;  // 200 px, plus 9 pt (12 px) of margin on its right
    box->Height = 90;  // 120 px: taller than the paragraph, so it narrows the next one too
    box->Wrap = agow_ParaLeft;
    a.AddGraphic(std::move(box));
    TVYXLogPara& b = d.Para(cProse + u" " + cProse + u" " + cProse);
    d.Layout.Paginate();
    const TVYXPhyRows& ra = d.Rows(a);
    for (int i = 0; i < ra.Count(); ++i)
        EXPECT_NEAR(ra.GetItems(i).XOffs, 212, 0.5);
    const TVYXPhyRows& rb = d.Rows(b);
    EXPECT_NEAR(rb.GetItems(0).XOffs, 212, 0.5);      // still beside the object
    EXPECT_NEAR(rb.Last()->XOffs, 0, 0.01);           // below it again
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(0);
    ASSERT_EQ(page.GrPage.size(), 1u);
    EXPECT_NEAR(page.GrPage[0]->PixAbsY, ra.First()->GetY1(), 0.01);

    // Objects in front of and behind the text take no room from it.
    TDoc e;
    TVYXLogPara& c = e.Para(cProse);
    auto front = std::make_unique<TVYXGraphicObj>();
    front->Wrap = agowInFront;
    c.AddGraphic(std::move(front));
    auto behind = std::make_unique<TVYXGraphicObj>();
    behind->Wrap = agowBehind;
    c.AddGraphic(std::move(behind));
    e.Layout.Paginate();
    EXPECT_EQ(e.Rows(c).First()->XOffs, 0);
    EXPECT_EQ(e.Layout.Pages().GetItems(0).GrInFront.size(), 1u);
    EXPECT_EQ(e.Layout.Pages().GetItems(0).GrBehind.size(), 1u);

    // A row holding a 100-pixel inline picture advances by 100 plus the font's descent.
    TDoc f;
    TVYXLogPara& pic = f.Para(u"");
    auto inlinePic = std::make_unique<TVYXGraphicObj>();
    inlinePic->Width = 30;
    inlinePic->Height = 75;
    pic.AppendGraphic(std::move(inlinePic));
    TVYXLogPara& after = f.Para(u"after");
    f.Layout.Paginate();
    const TVYXPhyRow& pr = *f.Rows(pic).First();
    EXPECT_NEAR(pr.Ascent, 100, 0.01);
    EXPECT_NEAR(f.Rows(after).First()->GetY1() - pr.GetY1(), 100 + pr.Descent, 0.01);
}

TEST(Paginate, TextBoxesAreLaidOutAtTheirWidth)
{
    TDoc d;
    TVYXLogPara& host = d.Para(cProse);
    TVYXGraphicRotate* box = host.AddTextBox(150, 100);  // 200 px wide, 7.2 pt margins
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->TextBox && box->TextBox->Paras);
    TVYXLogPara& inside = *box->TextBox->Paras->GetParas(0);
    inside.Append(cProse);
    box->Wrap = agowInFront;
    box->PosLeft = 30;
    d.Layout.Paginate();
    const TVYXPhyRows& rows = d.Rows(inside);
    ASSERT_GT(rows.Count(), 3);
    for (int i = 0; i < rows.Count(); ++i)
        EXPECT_LE(rows.GetItems(i).UsedWidth, 200 - 19.2 + 0.01);
    // The rows stand inside the box on the host's page.
    EXPECT_EQ(rows.First()->Page, 0);
    EXPECT_NEAR(rows.First()->PageX, box->PixAbsX + 9.6, 0.01);
    EXPECT_GE(rows.First()->GetY1(), box->PixAbsY);
}

TEST(Paginate, DateAndReferenceFieldsAndEndnotes)
{
    TDoc d;
    d.Doc.AppendParaUI(u"");
    d.Doc.AppendBookmark(u"target", u"Bookmarked words");
    TVYXLogPara& date = d.Para(u"on ");
    date.AppendField(u"DATE \\@ \"yyyy-MM-dd\"");
    TVYXLogPara& ref = d.Para(u"see ");
    ref.AppendField(u"REF target");
    TVYXLogPara& body = d.Para(cProse);
    d.Doc.AppendEndnote(u"An endnote at the very end.");
    d.Layout.Now = 45667.5;  // 2025-01-10 noon
    d.Layout.Paginate();
    EXPECT_EQ(d.Rows(date).First()->PlainText(), u"on 2025-01-10");
    EXPECT_EQ(d.Rows(ref).First()->PlainText(), u"see Bookmarked words");
    // The endnote's text follows the body.
    TVYXLogPara* note = d.Doc.Endnotes().Paras()._FirstPara();
    ASSERT_NE(note, nullptr);
    const TVYXPhyRows& nr = d.Rows(*note);
    EXPECT_GE(nr.First()->Page, d.PageOf(body));
    EXPECT_GT(nr.First()->GetY1(), d.Rows(body).Last()->GetY1());
}

TEST(Paginate, ColumnsBalanceBeforeAContinuousBreak)
{
    TDoc d;
    d.Para(u"Title above the columns", 6);
    TVYXSEP title(&d.Doc.SEP(), &d.Doc.DOP());
    d.Doc.AppendSection(title);
    std::vector<TVYXLogPara*> inCols;
    for (int i = 0; i < 6; ++i)
        inCols.push_back(&d.Para(cProse, 6));
    TVYXSEP cols(&d.Doc.SEP(), &d.Doc.DOP());
    cols.Type = astContinous;
    cols.AddCols(2, 36);
    d.Doc.AppendSection(cols);
    TVYXLogPara& after = d.Para(u"Below both columns");
    d.Doc.SEP().Type = astContinous;
    d.Layout.Paginate();
    ASSERT_EQ(d.Layout.Pages().Count(), 1);
    double left = 0, right = 0, leftX = 1e9, rightX = 0;
    for (TVYXLogPara* p : inCols)
        for (int r = 0; r < d.Rows(*p).Count(); ++r) {
            const TVYXPhyRow& row = d.Rows(*p).GetItems(r);
            leftX = std::min(leftX, row.GetX());
            rightX = std::max(rightX, row.GetX());
        }
    for (TVYXLogPara* p : inCols)
        for (int r = 0; r < d.Rows(*p).Count(); ++r) {
            const TVYXPhyRow& row = d.Rows(*p).GetItems(r);
            (row.GetX() < (leftX + rightX) / 2 ? left : right) = std::max(row.GetY2(), row.GetX() < (leftX + rightX) / 2 ? left : right);
        }
    ASSERT_GT(rightX - leftX, 200);  // two columns in use
    const double rowH = d.Rows(*inCols[0]).First()->LineHeight;
    EXPECT_LT(std::abs(left - right), 4 * rowH);  // about even, not one full column
    EXPECT_GE(d.Rows(after).First()->GetY1(), std::max(left, right) - 0.01);
    EXPECT_LT(d.Rows(after).First()->GetY1(), std::max(left, right) + 3 * rowH);
}

TEST(Paginate, VerticallyMergedCellSpansItsRows)
{
    TDoc d;
    TVYXTable& t = d.Doc.AppendTableUI(2, 3);
    for (int r = 0; r < 3; ++r)
        d.Doc.CellPara(t, 1, r).Append(u"short");
    d.Doc.CellPara(t, 0, 0).Append(cProse + u" " + cProse);
    t.MergeCells(0, 0, 0, 2);
    d.Layout.Paginate();
    const TVYXPhyRows& root = d.Rows(*t.GetRows(0)->GetCells(0)->Paras().GetParas(0));
    ASSERT_GT(root.Count(), 6);
    const double line = d.Rows(d.Doc.CellPara(t, 1, 0)).First()->LineHeight * 1.2;
    // The first two rows stay one line high; the last one reaches the merged text's end.
    EXPECT_LT(t.GetRows(0)->PixY2 - t.GetRows(0)->PixY1, line + 1);
    EXPECT_LT(t.GetRows(1)->PixY2 - t.GetRows(1)->PixY1, line + 1);
    EXPECT_GE(t.GetRows(2)->PixY2, root.Last()->Baseline + root.Last()->Descent - 0.01);
}

TEST(Paginate, ExactAndMinimumLineHeights)
{
    TDoc d;
    TVYXLogPara& exact = d.Para(cProse + u" " + cProse);
    exact.PAPX().SetLineSpacingType(aplstExactly);
    exact.PAPX().SetLineSpacing(30);  // 40 px
    TVYXLogPara& least = d.Para(cProse + u" " + cProse);
    least.PAPX().SetLineSpacingType(aplstAtLeast);
    least.PAPX().SetLineSpacing(6);  // below the natural height: no effect
    TVYXLogPara& dbl = d.Para(cProse + u" " + cProse);
    dbl.PAPX().SetLineSpacingType(aplstDouble);
    d.Layout.Paginate();
    const TVYXPhyRows& e = d.Rows(exact);
    const TVYXPhyRows& l = d.Rows(least);
    const TVYXPhyRows& w = d.Rows(dbl);
    ASSERT_GT(e.Count(), 1);
    EXPECT_NEAR(e.GetItems(1).Baseline - e.GetItems(0).Baseline, 40, 0.01);
    EXPECT_NEAR(l.GetItems(1).Baseline - l.GetItems(0).Baseline, l.GetItems(0).LineHeight, 0.01);
    EXPECT_NEAR(w.GetItems(1).Baseline - w.GetItems(0).Baseline, 2 * w.GetItems(0).LineHeight, 0.01);
}
