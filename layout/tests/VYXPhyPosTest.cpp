// VYXPhyPosTest.cpp: physical positions, caret moves and row geometry on documents laid out with real fonts.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "formats/VYXReadDOCX.h"
#include "layout/VYXPhyNavigator.h"
#include "layout/VYXPhyPos.h"
#include "layout/VYXRowEditor.h"
#include "layout/tests/VYXLayoutTestDoc.h"
#include "model/VYXCharRun.h"
#include "model/VYXGraphics.h"
#include "model/VYXRevision.h"
#include "model/VYXTable.h"
#include "platform/VYXException.h"

namespace {

const std::u16string cHebrew =
    u"\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD, \u05D6\u05D4\u05D5 \u05DE\u05E9\u05E4\u05D8 "
    u"\u05D1\u05E2\u05D1\u05E8\u05D9\u05EA \u05E9\u05E0\u05D5\u05E2\u05D3 \u05DC\u05D1\u05D3\u05D5\u05E7 "
    u"\u05D0\u05EA \u05DE\u05D9\u05E7\u05D5\u05DD \u05D4\u05E1\u05DE\u05DF \u05D1\u05E9\u05D5\u05E8\u05D5\u05EA "
    u"\u05DE\u05D9\u05DE\u05D9\u05DF \u05DC\u05E9\u05DE\u05D0\u05DC.";
const std::u16string cArabic =
    u"\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645\u060C \u0647\u0630\u0647 "
    u"\u062C\u0645\u0644\u0629 \u0639\u0631\u0628\u064A\u0629 \u0644\u0627\u062E\u062A\u0628\u0627\u0631 "
    u"\u0645\u0648\u0636\u0639 \u0627\u0644\u0645\u0624\u0634\u0631.";

struct TDoc : TVYXLayoutTestDoc {
    TVYXPhyPage& PageOf(const TVYXLogPhyPosition& pos) { return *Layout.Pages().FindPage(pos); }
};

// Several pages of prose with a table whose middle row crosses a page, a Hebrew, an
// Arabic and a mixed paragraph, and an inline object.
struct TRichDoc : TDoc {
    TVYXTable* Table = nullptr;
    TVYXLogPara* Hebrew = nullptr;
    TVYXLogPara* Arabic = nullptr;
    TVYXLogPara* Mixed = nullptr;
    TVYXLogPara* Picture = nullptr;
    TRichDoc()
    {
        for (int i = 0; i < 12; ++i)
            Para(cProse + u" " + cProse);
        Table = &Doc.AppendTableUI(3, 3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                Doc.CellPara(*Table, c, r).Append(c == 1 ? cProse : u"cell " + std::u16string(1, u'A' + c + 3 * r));
        Hebrew = &Para(cHebrew + u" " + cHebrew);
        Arabic = &Para(cArabic + u" " + cArabic);
        Mixed = &Para(u"Mixed text with \u05E2\u05D1\u05E8\u05D9\u05EA inside and 42 more English words.");
        Picture = &Para(u"before ");
        auto obj = std::make_unique<TVYXGraphicObj>();
        obj->Width = 30;
        obj->Height = 30;
        Picture->AppendGraphic(std::move(obj));
        Picture->Append(u" after");
        for (int i = 0; i < 14; ++i)
            Para(cProse);
        Layout.Paginate();
    }
};

struct TRoundTrip {
    int Total = 0, Exact = 0, SameX = 0;
    std::string Failures;
};

// logical -> page point -> logical for every position of every laid-out paragraph.
// A position may come back as another one only where both stand at the same place
// (inside a surrogate pair, at a bidi seam).
TRoundTrip RoundTrip(TVYXGDI& gdi, const TVYXPhyPages& pages, TVYXLogParas& body)
{
    TRoundTrip r;
    for (TVYXLogPara* p = body._FirstPara(); p; p = p->Next()) {
        auto* rows = dynamic_cast<TVYXPhyRows*>(p->Rows());
        if (!rows || rows->Count() == 0 || rows->First()->Page < 0)
            continue;
        for (std::int32_t pos = 1; pos <= p->EndOfParaPos(); ++pos) {
            ++r.Total;
            const TVYXLogPhyPosition place(p, pos);
            const TVYXPhyPage* page = pages.FindPage(place);
            double x = 0, y = 0;
            TVYXLogPhyPosition back;
            if (!page || !page->LogPosToXY(gdi, place, x, y) || !page->XYToLogPos(gdi, back, x, y)) {
                r.Failures += "no place for " + std::to_string(pos) + "\n";
                continue;
            }
            if (back.Para == p && back.CharPos == pos) {
                ++r.Exact;
                continue;
            }
            double x2 = 0, y2 = 0;
            if (back.Para == p && page->LogPosToXY(gdi, back, x2, y2) && std::abs(x2 - x) < 0.5 && y2 == y) {
                ++r.SameX;
                continue;
            }
            r.Failures += "para " + std::to_string(p->Index()) + " pos " + std::to_string(pos) + " came back as " +
                          (back.Para == p ? "" : "another paragraph's ") + std::to_string(back.CharPos) + " at " +
                          std::to_string(x) + ", " + std::to_string(y) + " on page " + std::to_string(page->Index) + "\n";
        }
    }
    return r;
}

// The counts go into the test report (--gtest_output).
void Record(const TRoundTrip& r)
{
    testing::Test::RecordProperty("positions", r.Total);
    testing::Test::RecordProperty("exact", r.Exact);
    testing::Test::RecordProperty("same_place", r.SameX);
}

std::filesystem::path CorpusFile(const char* name) { return std::filesystem::path(VYX_SHARED_DIR) / "corpus" / name; }

// A DOCX of the shared corpus laid out, every position of it round-tripped through its
// page; none when the corpus is absent.
std::optional<TRoundTrip> CorpusRoundTrip(const char* name)
{
    const std::filesystem::path file = CorpusFile(name);
    if (!std::filesystem::exists(file))
        return std::nullopt;
    TDoc d;
    TVYXReadDOCX reader(d.Doc);
    reader.LoadFromFile(file.string());
    d.Layout.Paginate();
    return RoundTrip(d.Gdi, d.Layout.Pages(), d.Doc.Paras());
}

}  // namespace

// ---- Round trips ------------------------------------------------------------------------------

TEST(PhyPos, EveryPositionRoundTripsThroughItsPage)
{
    TRichDoc d;
    ASSERT_GE(d.Layout.Pages().Count(), 3);
    // The table's long cells and the right-to-left paragraphs are on a later page than the start.
    TVYXLogPhyPosition hebrew(d.Hebrew, 1);
    EXPECT_GT(d.PageOf(hebrew).Index, 0);
    const TRoundTrip r = RoundTrip(d.Gdi, d.Layout.Pages(), d.Doc.Paras());
    Record(r);
    EXPECT_EQ(r.Failures, "");
    EXPECT_GT(r.Total, 10000);
    EXPECT_GE(r.Exact, r.Total - 12) << "same-place answers: " << r.SameX;
}

TEST(PhyPos, CorpusRightToLeftDocumentsRoundTrip)
{
    TRoundTrip all;
    for (const char* name : {"docx/docx4j-arabic_align.docx", "docx/oxpt-HC002-Hebrew-01.docx",
                             "docx/oxpt-HC014-RTL-Table-01.docx"}) {
        SCOPED_TRACE(name);
        const std::optional<TRoundTrip> trip = CorpusRoundTrip(name);
        if (!trip)
            GTEST_SKIP() << "no shared corpus file " << name;
        const TRoundTrip& r = *trip;
        EXPECT_EQ(r.Failures, "");
        EXPECT_GT(r.Total, 50);
        // Bidi seams answer with the other position at the same place; they are few.
        EXPECT_GE(r.Exact, r.Total * 9 / 10) << "same-place answers: " << r.SameX;
        all.Total += r.Total, all.Exact += r.Exact, all.SameX += r.SameX;
    }
    Record(all);
}

TEST(PhyPos, CorpusTablesRoundTrip)
{
    TRoundTrip all;
    for (const char* name : {"docx/d2py-240-DOP-1013A_Lay_Down_Tubulars.docx", "docx/oxpt-WC043-Nested-Table.docx",
                             "docx/docx4j-tables.docx", "docx/oxpt-HC029-Table-Merged-Cells.docx",
                             "docx/docxjs-table-spans.docx", "docx/docx4j-sample-docx.docx"}) {
        SCOPED_TRACE(name);
        const std::optional<TRoundTrip> trip = CorpusRoundTrip(name);
        if (!trip)
            GTEST_SKIP() << "no shared corpus file " << name;
        const TRoundTrip& r = *trip;
        EXPECT_EQ(r.Failures, "");
        EXPECT_GE(r.Exact, r.Total * 9 / 10) << "same-place answers: " << r.SameX;
        all.Total += r.Total, all.Exact += r.Exact, all.SameX += r.SameX;
    }
    Record(all);
}

TEST(PhyPos, PagesKnowTheirFirstAndLastPositions)
{
    TRichDoc d;
    const TVYXPhyPages& pages = d.Layout.Pages();
    for (int i = 0; i < pages.Count(); ++i) {
        SCOPED_TRACE(i);
        const TVYXPhyPage& page = pages.GetItems(i);
        const TVYXLogPos first = page.FirstPos(), last = page.LastPos();
        ASSERT_TRUE(first.Valid());
        ASSERT_TRUE(last.Valid());
        EXPECT_TRUE(first.LessEqual(last));
        EXPECT_EQ(pages.FindPage(first), &page);
        if (i + 1 < pages.Count()) {
            EXPECT_TRUE(last.Less(pages.GetItems(i + 1).FirstPos()));
        }
    }
    // Pages stacked with a gap: the middle of the gap belongs to the page below.
    double onPage = 0;
    const double h = pages.GetItems(0).GetHeight();
    EXPECT_EQ(pages.FindPage(h + 4, 10, onPage), &pages.GetItems(0));
    EXPECT_EQ(pages.FindPage(h + 6, 10, onPage), &pages.GetItems(1));
    EXPECT_NEAR(onPage, -4, 1e-9);
    EXPECT_EQ(pages.FindPage(-50, 10, onPage), &pages.GetItems(0));
    EXPECT_EQ(pages.FindPage(1e9, 10, onPage), &pages.GetItems(pages.Count() - 1));
    // A position on another page has no point on this one, nor has a position outside
    // its paragraph; odd points still find a place.
    double x = 0, y = 0;
    EXPECT_FALSE(pages.GetItems(0).LogPosToXY(d.Gdi, TVYXLogPhyPosition(d.Hebrew, 1), x, y));
    TVYXLogPara* first = d.Doc.Paras()._FirstPara();
    EXPECT_FALSE(pages.GetItems(0).LogPosToXY(d.Gdi, TVYXLogPhyPosition(first, first->EndOfParaPos() + 1), x, y));
    EXPECT_FALSE(pages.GetItems(0).LogPosToXY(d.Gdi, TVYXLogPhyPosition(), x, y));
    TVYXLogPhyPosition odd;
    for (const double v : {std::nan(""), -1e300, 1e300}) {
        ASSERT_TRUE(pages.GetItems(0).XYToLogPos(d.Gdi, odd, v, v));
        EXPECT_TRUE(odd.Valid());
    }
}

// ---- Rows of a position ----------------------------------------------------------------------------

TEST(PhyPos, RowRelativePlacesAndTheirErrors)
{
    TDoc d;
    TVYXLogPara& p = d.Para(cProse + u" " + cProse);
    d.Layout.Paginate();
    const TVYXPhyRows& rows = TDoc::Rows(p);
    ASSERT_GE(rows.Count(), 3);
    const TVYXPhyRow& second = rows.GetItems(1);
    TVYXLogPhyPosition pos(&p, second.StartPos + 3);
    EXPECT_EQ(pos.GetRowIndex(), 1);
    EXPECT_EQ(pos.BOLPos(), second.StartPos);
    EXPECT_EQ(pos.EOLPos(), second.EndPos - 1);
    EXPECT_EQ(pos.EOLPlusPos(), second.EndPos);
    EXPECT_EQ(pos.RelativePos(), 4);
    // The seam: the end of row 1 is row 2's start, unless the row is named.
    pos.Assign(&p, second.EndPos);
    EXPECT_EQ(pos.GetRowIndex(), 2);
    pos.AssignRow(&p, 1, second.EndPos);
    EXPECT_EQ(pos.GetRowIndex(), 1);
    EXPECT_EQ(pos.RelativePos(), second.Len() + 1);
    // A place past the row that is neither its end nor the paragraph's.
    pos.AssignRow(&p, 0, second.StartPos + 2);
    pos.FindRows();
    EXPECT_EQ(pos.GetRowIndex(), 1);  // the stale row is found again
    TVYXLogPhyPosition none(&p, 1);
    p.ClearRows();
    try {
        none.BOLPos();
        FAIL() << "no exception";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Invalid char position");
    }
    // The last row's end is the paragraph's end.
    d.Layout.Paginate();
    TVYXLogPhyPosition end(&p, p.EndOfParaPos());
    EXPECT_EQ(end.GetRowIndex(), TDoc::Rows(p).Count() - 1);
    EXPECT_EQ(end.EOLPlusPos(), p.EndOfParaPos());
    EXPECT_TRUE(end.RowIsAtEndOfPara());
    EXPECT_TRUE(end.RowIsAtEndOfDoc());
    EXPECT_FALSE(end.HaveNextRow());
    EXPECT_TRUE(end.HavePrevRow());
    TVYXLogPhyPosition start(d.Doc.Paras()._FirstPara(), 1);
    EXPECT_TRUE(start.RowIsAtBeginningOfDoc());
    EXPECT_TRUE(start.LessRow(end));
    EXPECT_TRUE(end.GreaterRow(start));
    EXPECT_TRUE(end.EqualRow(TVYXLogPhyPosition(&p, p.EndOfParaPos() - 1)));
}

// ---- Caret moves --------------------------------------------------------------------------------

TEST(PhyPos, RowMovesCrossPagesCellsAndTheDocumentsEnds)
{
    TRichDoc d;
    TVYXCaretLogPhyPosition caret;
    int before = 0, after = 0;
    caret.BeforeMoveEvent = [&](TVYXCaretLogPhyPosition&) { ++before; };
    caret.AfterMoveEvent = [&](TVYXCaretLogPhyPosition&) { ++after; };

    // Down across the page border: from page 0's last row onto page 1's first.
    const TVYXPhyPage& page0 = d.Layout.Pages().GetItems(0);
    const TVYXPhyRow& lastRow = page0.Rows.GetItems(page0.Rows.Count() - 1);
    caret.AssignRow(lastRow.Para, TDoc::Rows(*lastRow.Para).FindRow(lastRow.StartPos), lastRow.StartPos);
    ASSERT_TRUE(caret.MoveRowNext());
    EXPECT_TRUE(caret.RowCrossed());
    EXPECT_EQ(caret.GetRow()->Page, 1);
    EXPECT_EQ(caret.GetRow(), &d.Layout.Pages().GetItems(1).Rows.GetItems(0));
    ASSERT_TRUE(caret.MoveRowPrev());
    EXPECT_EQ(caret.GetRow(), &lastRow);
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 2);

    // Out of a cell's last row into the next cell, and out of the table's last cell.
    TVYXLogPara& mid = d.Doc.CellPara(*d.Table, 1, 0);
    caret.MoveToPos(TVYXLogPos(&mid, mid.EndOfParaPos()));
    EXPECT_EQ(caret.Cell(), d.Table->GetCells(1, 0));
    ASSERT_EQ(caret.CellList().size(), 1u);
    ASSERT_TRUE(caret.MoveRowNext());
    EXPECT_EQ(caret.Para, &d.Doc.CellPara(*d.Table, 2, 0));
    EXPECT_EQ(caret.Cell(), d.Table->GetCells(2, 0));
    TVYXLogPara& last = d.Doc.CellPara(*d.Table, 2, 2);
    caret.MoveToPos(TVYXLogPos(&last, 1));
    ASSERT_TRUE(caret.MoveRowNext());
    EXPECT_EQ(caret.Cell(), nullptr);
    EXPECT_EQ(caret.Para, d.Doc.Paras().GetItems(d.Table->Index() + 1));
    // And back up into the table's last cell.
    ASSERT_TRUE(caret.MoveRowPrev());
    EXPECT_EQ(caret.Para, &last);

    // Cell moves: down, right, left, up, next past the row's end.
    caret.MoveToPos(TVYXLogPos(&d.Doc.CellPara(*d.Table, 0, 0), 1));
    ASSERT_TRUE(caret.MoveCellDown());
    EXPECT_EQ(caret.Cell(), d.Table->GetCells(0, 1));
    ASSERT_TRUE(caret.MoveCellRight());
    EXPECT_EQ(caret.Cell(), d.Table->GetCells(1, 1));
    ASSERT_TRUE(caret.MoveCellUp());
    EXPECT_EQ(caret.Cell(), d.Table->GetCells(1, 0));
    ASSERT_TRUE(caret.MoveCellLeft());
    EXPECT_EQ(caret.Cell(), d.Table->GetCells(0, 0));
    caret.MoveToPos(TVYXLogPos(&d.Doc.CellPara(*d.Table, 2, 0), 1));
    ASSERT_TRUE(caret.MoveCellNext());
    EXPECT_EQ(caret.Cell(), d.Table->GetCells(0, 1));

    // The document's last row: first to the paragraph's end, then nowhere.
    caret.MoveEndOfDoc();
    caret.MoveBOL();
    EXPECT_EQ(caret.CharPos, TDoc::Rows(*caret.Para).Last()->StartPos);
    ASSERT_TRUE(caret.MoveRowNext());
    EXPECT_EQ(caret.CharPos, caret.Para->EndOfParaPos());
    EXPECT_FALSE(caret.MoveRowNext());
    caret.MoveBeginningOfDoc();
    EXPECT_TRUE(caret.RowIsAtBeginningOfDoc());
    EXPECT_FALSE(caret.MoveRowPrev());

    // A word move that steps into the next paragraph tells the listeners once.
    TVYXLogPara* first = d.Doc.Paras()._FirstPara();
    caret.MoveToPos(TVYXLogPos(first, first->EndOfParaPos()));
    before = after = 0;
    ASSERT_TRUE(caret.MoveWordNext());
    EXPECT_EQ(caret.Para, first->Next());
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(caret.PosChanged());
    EXPECT_TRUE(caret.RowChanged());
    EXPECT_EQ(caret.OldPara(), first);
}

TEST(PhyPos, RememberedColumnOverShortAndLongRows)
{
    TDoc d;
    TVYXLogPara& a = d.Para(u"Short line");
    TVYXLogPara& b = d.Para(u"A considerably longer line of text that keeps going");
    TVYXLogPara& c = d.Para(u"Tiny");
    d.Layout.Paginate();
    TVYXCaretLogPhyPosition caret;
    TVYXCaretRowEditor editor(d.Gdi, caret);
    caret.MoveToPos(TVYXLogPos(&a, a.EndOfParaPos()));
    editor.SaveX();
    const double column = editor.CaretX();
    EXPECT_TRUE(editor.IsEOL());

    ASSERT_TRUE(editor.MoveLineDown());
    EXPECT_EQ(caret.Para, &b);
    const double inLong = editor.CaretX();
    EXPECT_LT(std::abs(inLong - column), 8);  // within half a character of the column
    EXPECT_GT(caret.CharPos, 5);

    ASSERT_TRUE(editor.MoveLineDown());
    EXPECT_EQ(caret.Para, &c);
    EXPECT_EQ(caret.CharPos, c.EndOfParaPos());  // short row: its end

    ASSERT_TRUE(editor.MoveLineUp());
    EXPECT_EQ(caret.Para, &b);
    EXPECT_DOUBLE_EQ(editor.CaretX(), inLong);  // the column survived the short row
    ASSERT_TRUE(editor.MoveLineUp());
    EXPECT_EQ(caret.CharPos, a.EndOfParaPos());

    // The caret's row geometry.
    EXPECT_DOUBLE_EQ(editor.CaretY(), TDoc::Rows(a).First()->GetY1());
    EXPECT_DOUBLE_EQ(editor.CaretH(), TDoc::Rows(a).First()->Height());
    caret.MoveToPos(TVYXLogPos(&a, 1));
    EXPECT_EQ(editor.CaretChar(), u'S');
    EXPECT_EQ(editor.GetCaretPos(), 0);
    EXPECT_FALSE(editor.MatchPrevCP());
}

TEST(PhyPos, PageMovesKeepTheColumn)
{
    TRichDoc d;
    TVYXCaretLogPhyPosition caret;
    TVYXCaretRowEditor editor(d.Gdi, caret);
    TVYXLogPara* first = d.Doc.Paras()._FirstPara();
    caret.MoveToPos(TVYXLogPos(first, 20));
    editor.SaveX();
    const double x = editor.CaretX(), y = editor.CaretY();
    ASSERT_TRUE(editor.MovePageDown(d.Layout.Pages()));
    EXPECT_EQ(caret.GetRow()->Page, 1);
    // At the column, or at the end of a row too short to reach it.
    EXPECT_TRUE(std::abs(editor.CaretX() - x) < 8 || (editor.IsEOL() && editor.CaretX() < x)) << editor.CaretX();
    EXPECT_LT(std::abs(editor.CaretY() - y), 25);
    ASSERT_TRUE(editor.MovePageUp(d.Layout.Pages()));
    EXPECT_EQ(caret.Para, first);
    EXPECT_EQ(caret.CharPos, 20);
    EXPECT_FALSE(editor.MovePageUp(d.Layout.Pages()));
}

// ---- Clicks ---------------------------------------------------------------------------------------

TEST(PhyPos, ClicksOnCharactersAndObjects)
{
    TRichDoc d;
    TVYXLogPhyPosition pos(d.Picture, 1);
    TVYXRowEditor editor(d.Gdi, pos);
    ASSERT_TRUE(editor.RowChanged());
    const std::vector<TVYXRowChar>& chars = editor.Chars();
    ASSERT_EQ(chars.size(), static_cast<std::size_t>(d.Picture->EndOfParaPos()));  // one per place, plus the end
    // "before " then the object at position 8.
    const TVYXRowChar& b = chars[0];
    EXPECT_EQ(b.Char, u'b');
    EXPECT_EQ(editor.XToRelCharPos(b.X + b.Width * 0.25), 1);  // left half: before it
    EXPECT_EQ(editor.XToRelCharPos(b.X + b.Width * 0.75), 2);  // right half: after it
    const TVYXRowChar& obj = chars[7];
    EXPECT_EQ(obj.Char, 8);
    EXPECT_EQ(obj.Pos, 8);
    EXPECT_NEAR(obj.Width, 40, 0.5);  // 30 pt
    EXPECT_EQ(editor.XToRelCharPos(obj.X + obj.Width * 0.9), 8);  // on the object: before it
    EXPECT_EQ(editor.XToRelCharPos(-100), 1);
    EXPECT_EQ(editor.XToRelCharPos(std::nan("")), 1);
    EXPECT_EQ(editor.XToRelCharPos(1e6), d.Picture->EndOfParaPos());
    // Through the page: a click at the right edge of 'e' of "before" lands after it.
    const TVYXPhyPage& page = d.PageOf(pos);
    TVYXLogPhyPosition hit;
    const TVYXRowChar& e = chars[5];
    ASSERT_TRUE(page.XYToLogPos(d.Gdi, hit, e.X + e.Width * 0.6, d.Rows(*d.Picture).First()->Baseline - 2));
    EXPECT_EQ(hit.Para, d.Picture);
    EXPECT_EQ(hit.CharPos, 7);
    // Characters lie side by side, left to right, and span the row.
    for (std::size_t i = 1; i + 1 < chars.size(); ++i)
        EXPECT_NEAR(chars[i].X, chars[i - 1].X + chars[i - 1].Width, 0.01) << i;
}

TEST(PhyPos, ClicksInTableCellsStayInTheirColumn)
{
    TRichDoc d;
    // Below the short text of cell (0, 0), beside the long middle cell: still cell (0, 0).
    TVYXLogPara& shortCell = d.Doc.CellPara(*d.Table, 0, 0);
    TVYXLogPara& longCell = d.Doc.CellPara(*d.Table, 1, 0);
    const TVYXPhyRow& longLast = *TDoc::Rows(longCell).Last();
    const TVYXPhyRow& shortRow = *TDoc::Rows(shortCell).First();
    ASSERT_EQ(shortRow.Page, longLast.Page);
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(longLast.Page);
    TVYXLogPhyPosition hit;
    ASSERT_TRUE(page.XYToLogPos(d.Gdi, hit, shortRow.GetX() + 2, longLast.Baseline));
    EXPECT_EQ(hit.Para, &shortCell);
    ASSERT_TRUE(page.XYToLogPos(d.Gdi, hit, longLast.GetX() + 1, longLast.Baseline));
    EXPECT_EQ(hit.Para, &longCell);
    EXPECT_EQ(hit.GetRowIndex(), TDoc::Rows(longCell).Count() - 1);
}

// ---- Right-to-left rows ------------------------------------------------------------------------------

TEST(PhyPos, RightToLeftRowsInVisualOrder)
{
    TRichDoc d;
    TVYXCaretLogPhyPosition caret;
    TVYXCaretRowEditor editor(d.Gdi, caret);
    caret.MoveToPos(TVYXLogPos(d.Hebrew, 1));
    ASSERT_TRUE(editor.RowChanged());
    const std::vector<TVYXRowChar>& chars = editor.Chars();
    // The first character stands at the right end; the end of the row at the left.
    const TVYXRowChar& rightmost = chars[chars.size() - 2];
    EXPECT_EQ(rightmost.Pos, 1);
    EXPECT_TRUE(rightmost.Rtl);
    EXPECT_GT(editor.CaretX(), chars.front().X);
    EXPECT_NEAR(editor.CaretX(), rightmost.X + rightmost.Width, 0.01);
    // A click in the right half of the first character puts the caret before it, in
    // its left half after it.
    EXPECT_EQ(editor.XToRelCharPos(rightmost.X + rightmost.Width * 0.75), 1);
    EXPECT_EQ(editor.XToRelCharPos(rightmost.X + rightmost.Width * 0.25), 2);
    // The left arrow goes on in reading order, and the caret moves left.
    double x = editor.CaretX();
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(editor.MoveVisualLeft());
        EXPECT_EQ(caret.CharPos, 2 + i);
        EXPECT_LT(editor.CaretX(), x);
        x = editor.CaretX();
    }
    ASSERT_TRUE(editor.MoveVisualRight());
    EXPECT_EQ(caret.CharPos, 5);
    // Left past the row's left end goes to the next row, at its right end.
    caret.MoveEOLPlus();
    const int row = caret.GetRowIndex();
    caret.UpdatePosRelative(caret.EOLPos() - caret.BOLPos() + 1);
    ASSERT_TRUE(editor.MoveVisualLeft());
    ASSERT_TRUE(editor.MoveVisualLeft());
    EXPECT_EQ(caret.GetRowIndex(), row + 1);

    // In a left-to-right paragraph with a Hebrew word, right arrows walk the screen:
    // the caret's x never goes back.
    caret.MoveToPos(TVYXLogPos(d.Mixed, 1));
    x = editor.CaretX();
    int steps = 0;
    while (caret.Para == d.Mixed && caret.CharPos < d.Mixed->EndOfParaPos() && steps < 200) {
        ASSERT_TRUE(editor.MoveVisualRight());
        if (caret.Para != d.Mixed)
            break;
        EXPECT_GT(editor.CaretX(), x - 0.01) << caret.CharPos;
        x = editor.CaretX();
        ++steps;
    }
    // The two seams of the Hebrew word share their places with its neighbours.
    EXPECT_GE(steps, d.Mixed->EndOfParaPos() - 6);
    EXPECT_TRUE(caret.Para != d.Mixed || caret.CharPos == d.Mixed->EndOfParaPos());
}

// ---- Saving the caret through rebuilt paragraphs ------------------------------------------------------

TEST(PhyPos, SavedCaretIsFoundAgainThroughTheCellChain)
{
    TRichDoc d;
    TVYXCaretLogPhyPosition caret;
    TVYXLogPara& cell = d.Doc.CellPara(*d.Table, 2, 1);
    caret.MoveToPos(TVYXLogPos(&cell, 4));
    caret.SavePos();
    caret.MoveBeginningOfDoc();
    ASSERT_TRUE(caret.RestorePos(d.Doc.Paras()));
    EXPECT_EQ(caret.Para, &cell);
    EXPECT_EQ(caret.CharPos, 4);
    EXPECT_EQ(caret.Cell(), d.Table->GetCells(2, 1));

    // Saved in the last paragraph, then the body shrinks: the nearest place that exists.
    TVYXLogPara* last = d.Doc.Paras()._LastPara();
    const std::int32_t savedPos = last->EndOfParaPos();
    caret.MoveToPos(TVYXLogPos(last, savedPos));
    caret.SavePos();
    d.Layout.Clear();
    TVYXLogParas& body = d.Doc.Paras();
    while (body.Count() > 3)
        body.Delete(body.Count() - 1);
    ASSERT_TRUE(caret.RestorePos(body));
    EXPECT_EQ(caret.Para, body.GetItems(2));
    EXPECT_EQ(caret.CharPos, savedPos);  // the longer paragraph has the saved character
}

// ---- Headers and notes ---------------------------------------------------------------------------------

TEST(PhyPos, HeaderAndFootnoteAreas)
{
    TDoc d;
    d.Doc.Headers().AddDefault().AppendTextUI(u"Running head");
    d.Para(u"Body text");
    d.Doc.AppendFootnote(u"The note explains it.");
    d.Layout.Paginate();
    TVYXLogDocEditor& header = *d.Doc.Headers().Find(ahftDefault);
    TVYXLogPara* hp = header.Paras()._FirstPara();
    const TVYXPhyRow& hrow = *TDoc::Rows(*hp).First();
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(0);
    TVYXLogPhyPosition hit;
    ASSERT_TRUE(TVYXPhyPage::HitHeaderFooter(d.Gdi, header.Paras(), hit, 1e6, hrow.Baseline));
    EXPECT_EQ(hit.Para, hp);
    EXPECT_EQ(hit.CharPos, hp->EndOfParaPos());
    double x = 0, y = 0;
    ASSERT_TRUE(page.LogPosToXY(d.Gdi, hit, x, y));  // header rows show on every page
    EXPECT_EQ(y, hrow.Baseline);

    ASSERT_GT(page.NoteRows.Count(), 0);
    const TVYXPhyRow& nrow = page.NoteRows.GetItems(0);
    ASSERT_TRUE(page.XYToLogPos(d.Gdi, hit, nrow.GetX() - 50, nrow.Baseline));
    EXPECT_EQ(hit.Para, nrow.Para);
    EXPECT_EQ(hit.CharPos, 1);
    ASSERT_TRUE(page.XYToLogPos(d.Gdi, hit, 10, page.Rows.GetItems(0).Baseline));
    EXPECT_EQ(hit.Para, page.Rows.GetItems(0).Para);

    // The page's parts.
    EXPECT_EQ(page.Hit(100, hrow.Baseline), apaHeader);
    EXPECT_EQ(page.Hit(100, page.Rows.GetItems(0).Baseline), apaBody);
    EXPECT_EQ(page.Hit(100, nrow.Baseline), apaFootnotes);
    EXPECT_EQ(page.Hit(100, page.GetHeight() - 5), apaFooter);
    EXPECT_EQ(page.Hit(-1, 100), apaNone);
    EXPECT_EQ(page.Hit(100, page.GetHeight()), apaNone);
}

// ---- The caret's context -----------------------------------------------------------------------------

TEST(PhyPos, CaretKnowsItsRunFieldAndChanges)
{
    TDoc d;
    TVYXLogPara& p = d.Para(u"one two three ");
    TVYXRevisionData change;
    change.RevType = artInsert;
    change.Author = u"Reviewer";
    p.ApplyRevision(change, 5, 8);  // "two"
    p.AppendField(u"AUTHOR", u"Somebody");
    p.Append(u" tail");
    d.Layout.Paginate();

    TVYXCaretLogPhyPosition caret;
    int moves = 0;
    caret.AfterMoveEvent = [&](TVYXCaretLogPhyPosition&) { ++moves; };
    caret.MoveToPos(TVYXLogPos(&p, 1));
    ASSERT_TRUE(caret.MoveRevisionNext());
    EXPECT_EQ(caret.CharPos, 5);
    caret.MoveToPos(TVYXLogPos(&p, p.EndOfParaPos()));
    ASSERT_TRUE(caret.MoveRevisionPrev());
    EXPECT_EQ(caret.CharPos, 5);
    EXPECT_FALSE(caret.MoveRevisionPrev());
    EXPECT_EQ(caret.CharPos, 5);

    // Into the field and out of it again.
    caret.MoveToPos(TVYXLogPos(&p, 14));  // before the space ending "three "
    EXPECT_EQ(caret.Field(), nullptr);
    ASSERT_TRUE(caret.MoveCharNext());
    ASSERT_NE(caret.Field(), nullptr);
    EXPECT_TRUE(caret.FieldChanged());
    EXPECT_EQ(caret.CharRun()->Type_(), acrtSimpleField);
    caret.MoveEndOfPara();
    EXPECT_EQ(caret.Field(), nullptr);
    EXPECT_TRUE(caret.FieldChanged());
    // Every one of those moves told the listener once.
    EXPECT_EQ(moves, 8);

    // The caret over the field stands where the field's text is drawn.
    TVYXCaretRowEditor editor(d.Gdi, caret);
    caret.MoveToPos(TVYXLogPos(&p, 16));
    const double atField = editor.CaretX();
    caret.MoveToPos(TVYXLogPos(&p, 15));
    EXPECT_GT(atField, editor.CaretX());
}

// ---- Header and footer extensions of pages ----------------------------------------------------------------

TEST(PhyPos, HeaderAndFooterExtensionsByPage)
{
    struct TCase {
        int Index;
        double Default, First, Even, Expected;
    };
    const TCase cases[] = {
        {0, 10, 25, -1, 25},  // the first page's own header
        {0, 10, -1, 30, 10},  // none of its own: the default
        {1, 10, 25, 30, 30},  // the second page shows the even header
        {1, 10, 25, -1, 10},  // no even header: the default
        {2, 10, 25, 30, 10},  // odd pages: the default
        {3, -1, -1, -1, 0},   // nothing set
        {2, 0, -1, -1, 0},    // a header that fits into its margin
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Index << " " << c.Default << " " << c.First << " " << c.Even);
        TVYXPhyPage page;
        page.Index = c.Index;
        page.HeaderEx[aphfDefault] = c.Default;
        page.HeaderEx[aphfFirst] = c.First;
        page.HeaderEx[aphfEven] = c.Even;
        page.FooterEx[aphfDefault] = 7;
        EXPECT_EQ(page.HeaderExHeight(), c.Expected);
        EXPECT_EQ(page.FooterExHeight(), 7);
        EXPECT_EQ(page.PageExtra(), c.Expected + 7);
        EXPECT_EQ(page.BodyHeight(1000, 100), 900 - c.Expected - 7);
    }
}

// ---- The editor's moves through the navigator ---------------------------------------------------------

TEST(PhyPos, EditorLineAndPageMovesThroughTheNavigator)
{
    TRichDoc d;
    TVYXPhyNavigator nav(d.Gdi, d.Layout.Pages());
    nav.Attach(d.Doc);
    TVYXLogPara* first = d.Doc.Paras()._FirstPara();
    const TVYXPhyRows& rows = TDoc::Rows(*first);
    ASSERT_GE(rows.Count(), 3);
    d.Doc.Caret().Assign(first, 12);

    // Down twice within the paragraph, keeping the column; up again to the same place.
    ASSERT_TRUE(d.Doc.Command(vycMoveLineDown));
    EXPECT_EQ(d.Doc.Caret().Para, first);
    EXPECT_GE(d.Doc.Caret().CharPos, rows.GetItems(1).StartPos);
    EXPECT_LT(d.Doc.Caret().CharPos, rows.GetItems(1).EndPos);
    ASSERT_TRUE(d.Doc.Command(vycMoveLineDown));
    EXPECT_GE(d.Doc.Caret().CharPos, rows.GetItems(2).StartPos);
    ASSERT_TRUE(d.Doc.Command(vycMoveLineUp));
    ASSERT_TRUE(d.Doc.Command(vycMoveLineUp));
    EXPECT_EQ(d.Doc.Caret().CharPos, 12);

    // End of a wrapped row, then down: the row below, not the one after it.
    ASSERT_TRUE(d.Doc.Command(vycMoveEndOfLine));
    EXPECT_EQ(d.Doc.Caret().CharPos, rows.GetItems(0).EndPos);
    EXPECT_EQ(nav.Caret().GetRowIndex(), 0);
    ASSERT_TRUE(d.Doc.Command(vycMoveLineDown));
    EXPECT_LT(d.Doc.Caret().CharPos, rows.GetItems(1).EndPos + 1);
    EXPECT_EQ(nav.Caret().GetRowIndex(), 1);
    ASSERT_TRUE(d.Doc.Command(vycMoveBeginningOfLine));
    EXPECT_EQ(d.Doc.Caret().CharPos, rows.GetItems(1).StartPos);

    // A page down lands on the next page; a character move in between starts afresh.
    ASSERT_TRUE(d.Doc.Command(vycMovePgDown));
    EXPECT_EQ(d.Layout.Pages().FindPage(d.Doc.Caret())->Index, 1);
    ASSERT_TRUE(d.Doc.Command(vycMoveCharRight));
    ASSERT_TRUE(d.Doc.Command(vycMovePgUp));
    EXPECT_EQ(d.Layout.Pages().FindPage(d.Doc.Caret())->Index, 0);

    // Window rows need the window.
    EXPECT_FALSE(d.Doc.Command(vycMoveTopOfWindow));
    nav.SetWindow(0, 300, 700);
    ASSERT_TRUE(d.Doc.Command(vycMoveTopOfWindow));
    double x = 0, y = 0;
    ASSERT_TRUE(d.Layout.Pages().GetItems(0).LogPosToXY(d.Gdi, nav.Caret(), x, y));
    EXPECT_NEAR(y, 300, 25);
}

// ---- Text boxes and repeated table headers ---------------------------------------------------------------

TEST(PhyPos, ClicksInTextBoxesAndRepeatedHeaderRows)
{
    TDoc d;
    TVYXLogPara& host = d.Para(cProse);
    TVYXGraphicRotate* box = host.AddTextBox(150, 100);
    ASSERT_TRUE(box && box->TextBox && box->TextBox->Paras);
    TVYXLogPara& inside = *box->TextBox->Paras->GetParas(0);
    inside.Append(u"Boxed words");
    box->Wrap = agowInFront;
    box->PosLeft = 30;
    TVYXTable& t = d.Doc.AppendTableUI(2, 80);
    t.GetRows(0)->RptData = true;
    d.Doc.CellPara(t, 0, 0).Append(u"Head one");
    d.Doc.CellPara(t, 1, 0).Append(u"Head two");
    for (int r = 1; r < 80; ++r)
        d.Doc.CellPara(t, 0, r).Append(u"row body");
    d.Layout.Paginate();

    const TVYXPhyPage& first = d.Layout.Pages().GetItems(0);
    EXPECT_EQ(first.HitGraphic(box->PixAbsX + 5, box->PixAbsY + 5), box);
    EXPECT_EQ(first.HitGraphic(box->PixAbsX - 5, box->PixAbsY + 5), nullptr);
    const TVYXPhyRow& boxRow = *TDoc::Rows(inside).First();
    TVYXLogPhyPosition hit;
    ASSERT_TRUE(first.XYToLogPos(d.Gdi, hit, boxRow.GetX() + boxRow.UsedWidth + 2, boxRow.Baseline));
    EXPECT_EQ(hit.Para, &inside);
    EXPECT_EQ(hit.CharPos, inside.EndOfParaPos());

    // On the second page the header row is drawn again at the top: a click there is a
    // click in the header row's cell.
    ASSERT_GE(d.Layout.Pages().Count(), 2);
    const TVYXPhyPage& second = d.Layout.Pages().GetItems(1);
    ASSERT_EQ(second.RepeatedRows.size(), 1u);
    const TVYXRepeatedRow& copy = second.RepeatedRows[0];
    TVYXLogPara& head2 = d.Doc.CellPara(t, 1, 0);
    const TVYXPhyRow& headRow = *TDoc::Rows(head2).First();
    ASSERT_TRUE(second.XYToLogPos(d.Gdi, hit, headRow.GetX() + 1, headRow.Baseline + copy.DY - 2));
    EXPECT_EQ(hit.Para, &head2);
    EXPECT_EQ(hit.CharPos, 1);
    // Below the copy: the body rows of that page.
    ASSERT_TRUE(second.XYToLogPos(d.Gdi, hit, headRow.GetX() + 1, second.ContentTop + 40));
    EXPECT_NE(hit.Para, &head2);
    EXPECT_EQ(hit.GetRow()->Page, 1);
}

// ---- Points to places ----------------------------------------------------------------------------------

// Seeded clicks all over every page: each lands on a row of the page, and where it hits
// a character of that row the caret goes to the nearer side of that character.
TEST(PhyPos, RandomClicksLandOnTheNearerSideOfTheirCharacter)
{
    TRichDoc d;
    std::mt19937 random(18);
    int onCharacter = 0;
    for (int i = 0; i < d.Layout.Pages().Count(); ++i) {
        const TVYXPhyPage& page = d.Layout.Pages().GetItems(i);
        std::uniform_real_distribution<double> xs(0, page.GetWidth()), ys(0, page.GetHeight());
        for (int k = 0; k < 400; ++k) {
            const double x = xs(random), y = ys(random);
            SCOPED_TRACE(testing::Message() << "page " << i << " at " << x << ", " << y);
            TVYXLogPhyPosition pos;
            ASSERT_TRUE(page.XYToLogPos(d.Gdi, pos, x, y));
            const TVYXPhyRow* row = pos.GetRow();
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(row->Page, i);
            double cx = 0, cy = 0;
            ASSERT_TRUE(page.LogPosToXY(d.Gdi, pos, cx, cy));
            EXPECT_EQ(cy, row->Baseline);
            if (pos.Para == d.Mixed || pos.Para == d.Picture || y < row->GetY1() || y >= row->GetY2())
                continue;  // bidi seams and objects have their own rules (tested above)
            TVYXLogPhyPosition place;
            place.Assign(pos);
            TVYXRowEditor editor(d.Gdi, place);
            ASSERT_TRUE(editor.RowChanged());
            for (std::size_t c = 0; c + 1 < editor.Chars().size(); ++c) {
                const TVYXRowChar& ch = editor.Chars()[c];
                if (x >= ch.X && x < ch.X + ch.Width) {
                    ++onCharacter;
                    EXPECT_LE(std::abs(cx - x), ch.Width / 2 + 0.01);
                }
            }
        }
    }
    RecordProperty("pages", d.Layout.Pages().Count());
    RecordProperty("on_character", onCharacter);
    EXPECT_GT(onCharacter, 300);
}
