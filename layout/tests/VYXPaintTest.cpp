// VYXPaintTest.cpp: pages painted with real fonts into the raster device, checked by reading pixels back.
//
// Checks look at the rows, columns and colours painting is responsible for (an
// underline's row, a border's column, the selection's colour), never at whole
// images, so new font versions do not break them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPaintDoc.h"
#include "layout/VYXTextRender.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXRevision.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"
#include "platform/VYXPngWrite.h"

namespace {

bool Dark(TVYXColor c) { return ((c >> 16) & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80 && (c & 0xFF) < 0x80; }

struct TPainted {
    TVYXGDILinux Gdi{96};
    TVYXLogDocEditor Doc;
    TVYXPaginatorDoc Layout{Gdi, Doc};

    // Lays out and paints page `index` at the device's origin.
    void Paint(bool printing = true, bool marks = false, int index = 0)
    {
        Layout.Paginate();
        const TVYXPhyPage& page = Layout.Pages().GetItems(index);
        Gdi.SetSize(static_cast<int>(std::ceil(page.PageWidth)), static_cast<int>(std::ceil(page.PageHeight)));
        Gdi.Clear(0xFFFFFF);
        TVYXPaintDoc paint(Gdi, Doc, Layout);
        paint.Options.Printing = printing;
        paint.Options.ShowParaMarks = marks;
        paint.PaintPage(index, 0, 0);
        if (const char* dump = std::getenv("VYX_PAINT_DUMP"))  // look at a failing case
            Gdi.SavePNG(std::string(dump) + "/" + testing::UnitTest::GetInstance()->current_test_info()->name() + ".png");
    }
    TVYXColor Px(double x, double y) const
    {
        return const_cast<TVYXGDILinux&>(Gdi).GetBitmap()->PixelRGB(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF;
    }
    static const TVYXPhyRow& Row(const TVYXLogPara& p, int i = 0)
    {
        return static_cast<const TVYXPhyRows*>(p.Rows())->GetItems(i);
    }
    // Rows below the baseline (to the row's bottom) where every pixel from x1 to x2 has the colour.
    std::vector<int> Lines(const TVYXPhyRow& row, double x1, double x2, bool (*match)(TVYXColor), double from = 1)
    {
        std::vector<int> ys;
        for (int y = static_cast<int>(row.Baseline + from); y <= static_cast<int>(row.Baseline + row.Descent + 2); ++y) {
            bool all = true;
            for (int x = static_cast<int>(x1); x <= static_cast<int>(x2) && all; ++x)
                all = match(Px(x, y));
            if (all)
                ys.push_back(y);
        }
        return ys;
    }
};

std::unique_ptr<TVYXCHPX> Format(double size, TVYXChpUnderline ul = vycuNone)
{
    auto f = std::make_unique<TVYXCHPX>(nullptr);
    f->SetSize(size);
    if (ul != vycuNone)
        f->SetUnderline(ul);
    return f;
}

}  // namespace

TEST(Paint, UnderlineStylesDrawTheirLinesBelowTheText)
{
    TPainted d;
    const auto single = Format(20, vycuSingle), dbl = Format(20, vycuDouble), thick = Format(20, vycuThick);
    TVYXLogPara& a = d.Doc.AppendParaUI(u"Single underline", single.get());
    TVYXLogPara& b = d.Doc.AppendParaUI(u"Double underline", dbl.get());
    TVYXLogPara& c = d.Doc.AppendParaUI(u"Thick underline", thick.get());
    d.Paint();
    const auto bands = [](const std::vector<int>& ys) {
        int n = 0;
        for (std::size_t i = 0; i < ys.size(); ++i)
            n += i == 0 || ys[i] != ys[i - 1] + 1;
        return n;
    };
    const TVYXPhyRow& ra = TPainted::Row(a);
    const std::vector<int> la = d.Lines(ra, ra.GetX() + 1, ra.GetX() + ra.UsedWidth - 2, Dark);
    ASSERT_FALSE(la.empty());
    EXPECT_EQ(bands(la), 1);
    EXPECT_LE(la.size(), 2u);
    const TVYXPhyRow& rb = TPainted::Row(b);
    const std::vector<int> lb = d.Lines(rb, rb.GetX() + 1, rb.GetX() + rb.UsedWidth - 2, Dark);
    EXPECT_EQ(bands(lb), 2);  // two lines with white between them
    ASSERT_FALSE(lb.empty());
    EXPECT_GE(lb.back() - lb.front(), 3);
    const TVYXPhyRow& rc = TPainted::Row(c);
    const std::vector<int> lc = d.Lines(rc, rc.GetX() + 1, rc.GetX() + rc.UsedWidth - 2, Dark);
    EXPECT_EQ(bands(lc), 1);
    EXPECT_GE(lc.size(), 2u);  // heavy: at least two pixels
}

TEST(Paint, OneUnderlineAcrossALargerLetterAtTheLowestPosition)
{
    TPainted d;
    const auto small = Format(12, vycuSingle), big = Format(36, vycuSingle);
    TVYXLogPara& p = d.Doc.AppendParaUI(u"und", small.get());
    d.Doc.AppendTextUI(u"E", big.get());
    d.Doc.AppendTextUI(u"rline", small.get());
    d.Paint();
    const TVYXPhyRow& row = TPainted::Row(p);
    ASSERT_GE(row.Pieces.size(), 3u);
    // One unbroken line under all three runs.
    const std::vector<int> all = d.Lines(row, row.GetX() + 1, row.GetX() + row.UsedWidth - 2, Dark);
    ASSERT_FALSE(all.empty());
    // The small runs alone would put it higher: the big letter's position wins.
    d.Gdi.SetFont(TVYXFontData());
    TVYXFontDataDoc f;
    row.Pieces[1].Run->SetupFontData(f, &p.PAPX());
    d.Gdi.SetFont(f);
    d.Gdi.GetTextMetric();
    EXPECT_NEAR(all.front(), row.Baseline + d.Gdi.TextMetric().ULPos, 1.5);
}

TEST(Paint, PartialSelectionFillsOnlyTheSelectedCharacters)
{
    TPainted d;
    const auto f = Format(20);
    TVYXLogPara& p = d.Doc.AppendParaUI(u"Selected part of a run", f.get());
    TVYXLogPos first, last;
    first.Assign(&p, 10);  // "part"
    last.Assign(&p, 14);
    d.Doc.Selections().Clear();
    d.Doc.Selections().Add(first, last);
    d.Paint(false);
    const TVYXPhyRow& row = TPainted::Row(p);
    TVYXFontDataDoc font;
    row.Pieces.at(0).Run->SetupFontData(font, &p.PAPX());
    d.Gdi.SetFont(font);
    const double x1 = row.GetX() + d.Gdi.TextWidthF(u"Selected ");
    const double x2 = row.GetX() + d.Gdi.TextWidthF(u"Selected part");
    const double y = row.GetY1() + 1;  // above the letters
    int blue = 0, first_ = -1, last_ = -1;
    for (int x = 0; x < d.Gdi.Width(); ++x)
        if (d.Px(x, y) == 0x80BFFF) {
            ++blue;
            if (first_ < 0)
                first_ = x;
            last_ = x;
        }
    EXPECT_NEAR(first_, x1, 1.5);
    EXPECT_NEAR(last_ + 1, x2, 1.5);
    EXPECT_EQ(blue, last_ - first_ + 1);  // one stretch
    // Printing shows no selection.
    d.Paint(true);
    EXPECT_NE(d.Px((x1 + x2) / 2, y), 0x80BFFFu);
}

TEST(Paint, TableBordersAndTheirHitAreas)
{
    TPainted d;
    d.Doc.AppendParaUI(u"Before the table");
    TVYXTable& t = d.Doc.AppendTableUI(3, 2);
    for (TVYXTapId id : {vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom, vytiBorderInsideHoriz,
                         vytiBorderInsideVert})
        t.TAPX().AddBorder(id)->SetVals(1.5, 0xFF0000, stbSingle, 0);  // 2 px red lines
    d.Doc.CellPara(t, 0, 0).Append(u"A1");
    d.Doc.CellPara(t, 2, 1).Append(u"C2");
    d.Paint();
    const TVYXTableRow& r0 = *t.GetRows(0);
    const TVYXTableCell& b1 = *r0.GetCells(1);
    const double midY = (r0.PixY1 + r0.PixY2) / 2;
    EXPECT_EQ(d.Px(b1.PixX1, midY), 0xFF0000u);                 // the inner vertical border
    EXPECT_EQ(d.Px((b1.PixX1 + b1.PixX2) / 2, r0.PixY1), 0xFF0000u);  // the top border
    EXPECT_EQ(d.Px((b1.PixX1 + b1.PixX2) / 2, midY + 3), 0xFFFFFFu);  // inside the empty cell
    EXPECT_EQ(d.Px(b1.PixX1 + 4, midY), 0xFFFFFFu);
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(0);
    const TVYXHitArea* border = page.FHitAreas.Hit(b1.PixX1 + 1, midY);
    ASSERT_NE(border, nullptr);
    EXPECT_EQ(border->Type, ahatTableSize);
    EXPECT_EQ(border->Index, 1);
    EXPECT_EQ(border->Table, &t);
    const TVYXHitArea* inside = page.FHitAreas.Hit((b1.PixX1 + b1.PixX2) / 2, midY);
    ASSERT_NE(inside, nullptr);
    EXPECT_EQ(inside->Type, ahatTable);
    const TVYXHitArea* right = page.FHitAreas.Hit(r0.GetCells(2)->PixX2, midY);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->Index, 3);
    EXPECT_EQ(page.FHitAreas.Hit(b1.PixX1, r0.PixY1 - 40), nullptr);  // above the table
}

TEST(Paint, DeletionAndMoveShowAuthorColourAndGreen)
{
    TPainted d;
    const auto f = Format(28);
    TVYXLogPara& p = d.Doc.AppendParaUI(u"Deleted", f.get());
    TVYXCharRun& del = *p.CharRuns().Items(p.CharRuns().Count() - 1);
    del.AddRevision(d.Doc.Revision().Add(u"Reviewer", artDelete));
    TVYXLogPara& q = d.Doc.AppendParaUI(u"Moved here", f.get());
    q.CharRuns().Items(q.CharRuns().Count() - 1)->AddRevision(d.Doc.Revision().Add(u"Reviewer", artMoveTo));
    d.Paint();
    const int author = d.Doc.Revision().Authors().IndexOf(u"Reviewer");
    const TVYXColor colour = author >= 0 ? VYXRevisionAuthorColorOf(author) : del.Revision()->Color;
    const TVYXPhyRow& row = TPainted::Row(p);
    // The strike-through: a row of the author's colour across the word, above the baseline.
    bool struck = false;
    for (int y = static_cast<int>(row.GetY1()); y < static_cast<int>(row.Baseline) && !struck; ++y) {
        bool all = true;
        for (int x = static_cast<int>(row.GetX() + 1); x < static_cast<int>(row.GetX() + row.UsedWidth - 1) && all; ++x)
            all = d.Px(x, y) == colour;
        struck = all;
    }
    EXPECT_TRUE(struck);
    // A change bar in the left margin beside the row.
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(0);
    int bar = 0;
    for (int x = 0; x < static_cast<int>(page.ClientX1) - 2; ++x)
        bar += Dark(d.Px(x, (row.GetY1() + row.Baseline) / 2));
    EXPECT_GE(bar, 1);
    // Moved-to text: green with two lines under it.
    const TVYXPhyRow& mq = TPainted::Row(q);
    const std::vector<int> green = d.Lines(mq, mq.GetX() + 1, mq.GetX() + mq.UsedWidth - 2,
                                           [](TVYXColor c) { return c == 0x008000u; });
    ASSERT_GE(green.size(), 2u);
    EXPECT_GE(green.back() - green.front(), 3);
}

TEST(Paint, FootnoteSeparatorIs150PointsLong)
{
    TPainted d;
    d.Doc.AppendParaUI(u"Text with a note");
    d.Doc.AppendFootnote(u"The note itself.");
    d.Paint();
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(0);
    ASSERT_FALSE(page.Footnotes.empty());
    const int x1 = static_cast<int>(std::lround(page.ClientX1));
    const int y = static_cast<int>(std::lround(page.GetAbsAbsFNotesCY1())) + 13;  // 10 pt at 96 dpi
    EXPECT_TRUE(Dark(d.Px(x1, y)));
    EXPECT_TRUE(Dark(d.Px(x1 + 199, y)));  // 150 pt = 200 px
    EXPECT_FALSE(Dark(d.Px(x1 + 200, y)));
    EXPECT_FALSE(Dark(d.Px(x1 - 1, y)));
    EXPECT_FALSE(Dark(d.Px(x1 + 100, y - 1)));  // one pixel thick
    EXPECT_FALSE(Dark(d.Px(x1 + 100, y + 1)));
    ASSERT_GT(page.NoteRows.Count(), 0);
    EXPECT_GT(page.NoteRows.GetItems(0).GetY1(), y);  // the notes start below it
}

TEST(Paint, ParagraphMarkShownOnAnEmptyParagraph)
{
    TPainted d;
    d.Doc.AppendParaUI(u"Some text");
    TVYXLogPara& empty = d.Doc.AppendParaUI(u"");
    const auto darkAtStart = [&] {
        const TVYXPhyRow& row = TPainted::Row(empty);
        int n = 0;
        for (int y = static_cast<int>(row.GetY1()); y <= static_cast<int>(row.Baseline + row.Descent); ++y)
            for (int x = static_cast<int>(row.GetX()); x < static_cast<int>(row.GetX() + 12); ++x)
                n += Dark(d.Px(x, y));
        return n;
    };
    d.Paint(false, true);
    EXPECT_GT(darkAtStart(), 5);
    d.Paint(false, false);
    EXPECT_EQ(darkAtStart(), 0);
}

TEST(Paint, HyperlinkRegistersAreaAndTellsTheDevice)
{
    TVYXGDITrace gdi(96);
    TVYXLogDocEditor doc;
    TVYXLogPara& p = doc.AppendParaUI(u"See ");
    TVYXHyperlink* link = doc.Hyperlinks().Add(u"https://example.com/", ahtURL);
    p.AppendHyperlink(link, u"the site");
    p.Append(u" for more.");
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    TVYXPaintDoc paint(gdi, doc, layout);
    paint.Options.Printing = true;
    gdi.ClearText();
    paint.PaintPage(0, 0, 0);
    EXPECT_NE(gdi.Text().find("SaveHyperlink"), std::string::npos);
    EXPECT_NE(gdi.Text().find("\"https://example.com/\""), std::string::npos);
    const TVYXPhyRow& row = TPainted::Row(p);
    const TVYXPhyPage& page = layout.Pages().GetItems(0);
    double linkX = -1;
    for (const TVYXRowPiece& piece : row.Pieces)
        if (piece.Run && piece.Run->Type_() == acrtHyperlink)
            linkX = row.GetX() + piece.X + piece.Width / 2;
    ASSERT_GT(linkX, 0);
    const TVYXHitArea* a = page.FHitAreas.Hit(linkX, row.Baseline - 2);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Type, ahatHyperlink);
    EXPECT_EQ(a->Hyperlink, link);
    EXPECT_EQ(page.FHitAreas.Hit(row.GetX() + 1, row.Baseline - 2), nullptr);  // "See " is plain text
    // Painting again does not pile up areas.
    paint.PaintPage(0, 0, 0);
    EXPECT_EQ(page.FHitAreas.ByPaint().Count(), 1);
}

TEST(Paint, CheckBoxAndDropDownFieldsAnswerClicks)
{
    TPainted d;
    TVYXLogPara& p = d.Doc.AppendParaUI(u"Agree ");
    TVYXComplexField* box = p.AppendFormFieldCheckBox(u"agree", true);
    p.Append(u" colour ");
    TVYXComplexField* list = p.AppendFormFieldComboBox(u"colour", {u"Red", u"Green"}, 1);
    d.Paint(false);
    const TVYXHitAreas& areas = d.Layout.Pages().GetItems(0).FHitAreas;
    const TVYXHitArea* a = areas.Find(ahatFieldCheckBox, box);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(areas.Hit((a->X1 + a->X2) / 2, (a->Y1 + a->Y2) / 2), a);
    EXPECT_TRUE(Dark(d.Px(a->X1, (a->Y1 + a->Y2) / 2)));  // the box's frame
    const TVYXHitArea* b = areas.Find(ahatFieldDropDown, list);
    ASSERT_NE(b, nullptr);
    EXPECT_GT(b->X2 - b->X1, 10);  // over "Green"
}

TEST(Paint, PageNumberFieldsShowEachPagesNumber)
{
    TVYXGDITrace gdi(96);
    TVYXLogDocEditor doc;
    TVYXLogPara& p = doc.AppendParaUI(u"Page ");
    p.AppendField(u"PAGE");
    TVYXLogPara& q = doc.AppendParaUI(u"Next");
    q.InsertBreak(1, acrbtPageBreak);
    q.AppendField(u"PAGE");
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    ASSERT_GE(layout.Pages().Count(), 2);
    TVYXPaintDoc paint(gdi, doc, layout);
    paint.Options.Printing = true;
    gdi.ClearText();
    paint.PaintPage(1, 0, 0);
    EXPECT_NE(gdi.Text().find("\"2\""), std::string::npos) << gdi.Text();
    EXPECT_EQ(gdi.Text().find("\"88\""), std::string::npos);
}

TEST(Paint, TableCellSplitByAPageBreakLeavesTheCutOpen)
{
    TPainted d;
    TVYXTable& t = d.Doc.AppendTableUI(2, 1);
    for (TVYXTapId id : {vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom, vytiBorderInsideHoriz,
                         vytiBorderInsideVert})
        t.TAPX().AddBorder(id)->SetVals(1.5, 0x0000FF, stbSingle, 0);
    TVYXLogPara& cell = d.Doc.CellPara(t, 0, 0);
    std::u16string text;
    for (int i = 0; i < 70; ++i)
        text += u"A long cell that runs over the page break. ";
    cell.Append(text);
    d.Paint(true, false, 0);
    ASSERT_EQ(d.Layout.Pages().Count(), 2);
    const TVYXTableCell& c0 = *t.GetRows(0)->GetCells(0);
    const TVYXTableCell& c1 = *t.GetRows(0)->GetCells(1);
    const TVYXPhyPage& p0 = d.Layout.Pages().GetItems(0);
    const double mid = (c1.PixX1 + c1.PixX2) / 2;
    // Page 1: the top border and the side borders down to the body's end, no bottom border.
    EXPECT_EQ(d.Px(mid, p0.BodyTop()), 0x0000FFu);
    EXPECT_EQ(d.Px(c0.PixX1, p0.GetAbsDocCY2() - 3), 0x0000FFu);
    for (int y = static_cast<int>(p0.GetAbsDocCY2()) - 6; y < static_cast<int>(p0.GetAbsDocCY2()) + 6; ++y)
        EXPECT_NE(d.Px(mid, y), 0x0000FFu) << "y " << y;
    // Page 2: the sides go on from the body's top, the bottom closes the cell, no top border.
    d.Paint(true, false, 1);
    const TVYXPhyPage& p1 = d.Layout.Pages().GetItems(1);
    const double top = p1.ContentTop > 0 ? p1.ContentTop : p1.BodyTop();
    EXPECT_EQ(d.Px(c1.PixX2, top + 3), 0x0000FFu);
    for (int y = static_cast<int>(top) - 4; y < static_cast<int>(top) + 3; ++y)
        EXPECT_NE(d.Px(mid, y), 0x0000FFu) << "y " << y;
    EXPECT_EQ(d.Px(mid, t.GetRows(0)->PixY2), 0x0000FFu);
}

TEST(Paint, VerticallyMergedCellsHaveNoLineBetweenTheirRows)
{
    TPainted d;
    TVYXTable& t = d.Doc.AppendTableUI(2, 3);
    for (TVYXTapId id : {vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom, vytiBorderInsideHoriz,
                         vytiBorderInsideVert})
        t.TAPX().AddBorder(id)->SetVals(1.5, 0x00A000, stbSingle, 0);
    t.MergeCells(0, 0, 0, 1);  // first column, first two rows
    d.Doc.CellPara(t, 0, 0).Append(u"Merged");
    d.Doc.CellPara(t, 1, 0).Append(u"B1");
    d.Paint();
    const TVYXTableRow& r1 = *t.GetRows(1);
    const TVYXTableCell& a = *r1.GetCells(0);
    const TVYXTableCell& b = *r1.GetCells(1);
    EXPECT_NE(d.Px((a.PixX1 + a.PixX2) / 2 + 20, r1.PixY1), 0x00A000u);  // inside the merge
    EXPECT_EQ(d.Px((b.PixX1 + b.PixX2) / 2, r1.PixY1), 0x00A000u);       // between B1 and B2
    EXPECT_EQ(d.Px((a.PixX1 + a.PixX2) / 2, t.GetRows(2)->PixY1), 0x00A000u);  // under the merge
}

TEST(Paint, MisspelledWordsGetARedWaveOnScreenOnly)
{
    TPainted d;
    const auto f = Format(16);
    TVYXLogPara& p = d.Doc.AppendParaUI(u"Good ", f.get());
    auto wrong = Format(16);
    wrong->SetMisspelled(true);
    d.Doc.AppendTextUI(u"wrnog", wrong.get());
    d.Doc.AppendTextUI(u" words", f.get());
    const auto redBelow = [&] {
        const TVYXPhyRow& row = TPainted::Row(p);
        int n = 0;
        for (int y = static_cast<int>(row.Baseline) + 1; y <= static_cast<int>(row.Baseline + row.Descent) + 2; ++y)
            for (int x = static_cast<int>(row.GetX()); x < static_cast<int>(row.GetX() + row.UsedWidth); ++x) {
                const TVYXColor c = d.Px(x, y);
                n += ((c >> 16) & 0xFF) > 0xC0 && ((c >> 8) & 0xFF) < 0x80 && (c & 0xFF) < 0x80;
            }
        return n;
    };
    d.Paint(false);
    EXPECT_GT(redBelow(), 10);
    d.Paint(true);
    EXPECT_EQ(redBelow(), 0);
}

TEST(Paint, DotLeaderFillsTheTab)
{
    TPainted d;
    const auto f = Format(14);
    TVYXLogPara& p = d.Doc.AppendParaUI(u"Chapter", f.get());
    p.AddTabStops()->Add(400, atsaRight, atslDot);
    d.Doc.AppendTabUI();
    d.Doc.AppendTextUI(u"42", f.get());
    d.Paint();
    const TVYXPhyRow& row = TPainted::Row(p);
    const TVYXRowPiece* tab = nullptr;
    for (const TVYXRowPiece& piece : row.Pieces)
        if (piece.Run && piece.Run->Type_() == acrtTab)
            tab = &piece;
    ASSERT_NE(tab, nullptr);
    ASSERT_GT(tab->Width, 100);
    // Dots along the baseline: dark pixels spread over the whole tab, none above the x-height.
    int dots = 0, high = 0;
    for (int x = static_cast<int>(row.GetX() + tab->X); x < static_cast<int>(row.GetX() + tab->X + tab->Width); ++x) {
        for (int y = static_cast<int>(row.Baseline) - 3; y <= static_cast<int>(row.Baseline); ++y)
            dots += Dark(d.Px(x, y));
        high += Dark(d.Px(x, row.Baseline - 8));
    }
    EXPECT_GT(dots, tab->Width / 8);
    EXPECT_EQ(high, 0);
}

TEST(Paint, ListLabelsHighlightAndInlinePicture)
{
    TPainted d;
    TVYXLogPara& item = d.Doc.AppendBulletPara(u"A bulleted item", 0);
    auto hl = Format(14);
    hl->SetHighlightColor(ahcYellow);
    TVYXLogPara& marked = d.Doc.AppendParaUI(u"marked", hl.get());
    std::vector<std::uint8_t> grey(40 * 30, 0x80);
    d.Doc.AppendParaUI(u"");
    d.Doc.AppendPictureUI(VYXEncodePngGray(40, 30, grey.data()));
    TVYXLogPara& pic = *d.Doc.Paras()._FirstPara();
    (void)pic;
    d.Paint();
    // The bullet stands left of the text, in the hanging indent.
    const TVYXPhyRow& r = TPainted::Row(item);
    const auto* rows = static_cast<const TVYXPhyRows*>(item.Rows());
    ASSERT_FALSE(rows->Label.empty());
    int bullet = 0;
    for (int x = static_cast<int>(r.GetX() + rows->LabelX); x < static_cast<int>(r.GetX() + rows->LabelX + rows->LabelWidth); ++x)
        for (int y = static_cast<int>(r.GetY1()); y < static_cast<int>(r.Baseline); ++y)
            bullet += Dark(d.Px(x, y));
    EXPECT_GT(bullet, 4);
    // Highlight from the row's top to its bottom.
    const TVYXPhyRow& m = TPainted::Row(marked);
    EXPECT_EQ(d.Px(m.GetX() + 1, m.GetY1() + 1), VYXHighlightColorValue[ahcYellow]);
    EXPECT_EQ(d.Px(m.GetX() + 1, m.Baseline + m.Descent - 1), VYXHighlightColorValue[ahcYellow]);
    // The picture's grey where layout placed it.
    const TVYXLogPara& last = *d.Doc.Paras().GetParas(d.Doc.Paras().Count() - 1);
    const TVYXPhyRow* pr = nullptr;
    for (const TVYXLogPara* q = &last; q && !pr; q = q->Prev())
        for (const TVYXRowPiece& piece : TPainted::Row(*q).Pieces)
            if (piece.Run && piece.Run->Type_() == acrtPicture)
                pr = &TPainted::Row(*q);
    ASSERT_NE(pr, nullptr);
    EXPECT_EQ(d.Px(pr->GetX() + 10, pr->Baseline - 10), 0x808080u);
}

TEST(Paint, ScreenShowsDeskPagesAndCaret)
{
    TPainted d;
    TVYXLogPara& p = d.Doc.AppendParaUI(u"Caret before this text");
    d.Layout.Paginate();
    d.Doc.Caret().Assign(&p, 1);
    d.Doc.Selections().Clear();
    d.Gdi.SetSize(1000, 600);
    d.Gdi.Clear(0x123456);
    TVYXPaintDoc paint(d.Gdi, d.Doc, d.Layout);
    paint.FArea.SetBounds(0, 0, 1000, 600);
    paint.FScrArea.SetBounds(0, 0, 1000, 600);
    paint.CalcPagesScroll();
    paint.PaintDoc();
    const TVYXArea& page = paint.PageRect(0);
    EXPECT_EQ(d.Px(2, 2), 0xAFAFAFu);                       // the desk
    EXPECT_EQ(d.Px(page.X1() + 5, page.Y1() - 3), 0xAFAFAFu);  // the gap above the page
    EXPECT_EQ(d.Px(page.X1() + 5, page.Y1() + 5), 0xFFFFFFu);  // the paper
    EXPECT_NEAR((page.X1() + page.X2()) / 2, 500, 1);        // centred
    const TVYXPhyRow& row = TPainted::Row(p);
    EXPECT_TRUE(Dark(d.Px(page.X1() + row.GetX(), page.Y1() + row.Baseline - 2)));  // the caret
    EXPECT_FALSE(Dark(d.Px(page.X1() + row.GetX() - 3, page.Y1() + row.Baseline - 2)));
}

TEST(Paint, ParagraphShadingAndBoxBorders)
{
    TPainted d;
    TVYXLogPara& p = d.Doc.AppendParaUI(u"A framed and shaded paragraph");
    p.PAPX().SetColor(0xDDEEFF);
    for (TVYXDocPropBorder* b : {p.PAPX().AddBorderLeft(), p.PAPX().AddBorderTop(), p.PAPX().AddBorderRight(),
                                 p.PAPX().AddBorderBottom()})
        b->SetVals(1.5, 0xC00000, stbSingle, 4);
    TVYXLogPara& plain = d.Doc.AppendParaUI(u"Plain after it");  // a new paragraph takes its predecessor's format
    plain.PAPX().SetColor(cVYXAutoColor);
    plain.PAPX().DeleteBorderLeft();
    plain.PAPX().DeleteBorderTop();
    plain.PAPX().DeleteBorderRight();
    plain.PAPX().DeleteBorderBottom();
    d.Paint();
    const TVYXPhyRow& row = TPainted::Row(p);
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(0);
    const double midY = (row.GetY1() + row.Baseline) / 2;
    // The box spans the column: its right border stands at the right margin plus the border's space.
    int right = -1;
    for (int x = static_cast<int>(page.ClientX2) - 2; x < static_cast<int>(page.ClientX2) + 12; ++x)
        if (d.Px(x, midY) == 0xC00000u)
            right = x;
    EXPECT_NEAR(right, page.ClientX2 + 5, 3);  // 4 pt = 5.3 px outside
    EXPECT_EQ(d.Px(page.ClientX2 - 3, midY), 0xDDEEFFu);  // shading inside, right of the text
    int top = -1;
    for (int y = static_cast<int>(row.GetY1()) - 12; y < static_cast<int>(row.GetY1()) + 2 && top < 0; ++y)
        if (d.Px((page.ClientX1 + page.ClientX2) / 2, y) == 0xC00000u)
            top = y;
    EXPECT_GE(top, 0);
    const TVYXPhyRow& next = TPainted::Row(*p.Next());
    EXPECT_EQ(d.Px(page.ClientX2 - 3, (next.GetY1() + next.Baseline) / 2), 0xFFFFFFu);  // the next one is plain
}

TEST(Paint, HeaderShowsTheNumberOfEachPage)
{
    TVYXGDITrace gdi(96);
    TVYXLogDocEditor doc;
    TVYXLogDocEditor& header = doc.Headers().Add(ahftDefault);
    TVYXLogPara& h = header.AppendParaUI(u"Page ");
    h.AppendField(u"PAGE");
    h.Append(u" of ");
    h.AppendField(u"NUMPAGES");
    for (int i = 0; i < 3; ++i) {
        TVYXLogPara& p = doc.AppendParaUI(u"Body text");
        if (i > 0)
            p.InsertBreak(1, acrbtPageBreak);
    }
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    ASSERT_EQ(layout.Pages().Count(), 3);
    TVYXPaintDoc paint(gdi, doc, layout);
    paint.Options.Printing = true;
    for (int i = 0; i < 3; ++i) {
        gdi.ClearText();
        paint.PaintPage(i, 0, 0);
        const std::string n = "\"" + std::to_string(i + 1) + "\"";
        EXPECT_NE(gdi.Text().find(n), std::string::npos) << "page " << i + 1 << "\n" << gdi.Text();
        EXPECT_NE(gdi.Text().find("\"3\""), std::string::npos);  // NUMPAGES
    }
}

TEST(Paint, BookmarkBracketsOnScreenAndEditableTint)
{
    TPainted d;
    const auto f = Format(16);
    TVYXLogPara& p = d.Doc.AppendParaUI(u"Before ", f.get());
    ASSERT_NE(d.Doc.AppendBookmark(u"mark", u"inside"), nullptr);
    d.Doc.AppendTextUI(u" after", f.get());
    const auto greyTicks = [&] {
        const TVYXPhyRow& row = TPainted::Row(p);
        int n = 0;
        for (int y = static_cast<int>(row.GetY1()); y <= static_cast<int>(row.Baseline + row.Descent); ++y)
            for (int x = static_cast<int>(row.GetX()); x < static_cast<int>(row.GetX() + row.UsedWidth + 4); ++x)
                n += d.Px(x, y) == 0x808080u;
        return n;
    };
    d.Layout.Paginate();
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(0);
    d.Gdi.SetSize(static_cast<int>(page.PageWidth), static_cast<int>(page.PageHeight));
    d.Gdi.Clear(0xFFFFFF);
    TVYXPaintDoc screen(d.Gdi, d.Doc, d.Layout);
    screen.Options.Printing = false;
    screen.ShowCaret = false;
    screen.PaintPage(0, 0, 0);
    EXPECT_GT(greyTicks(), 10);  // "[" and "]": two bars a row high with their ticks
    d.Paint(true);
    EXPECT_EQ(greyTicks(), 0);

    // A protected document tints what may still be edited.
    TPainted e;
    TVYXLogPara& q = e.Doc.AppendParaUI(u"Editable here", f.get());
    for (int i = 0; i < q.CharRuns().Count(); ++i)
        q.CharRuns().Items(i)->SetReadOnly(false);
    e.Doc.DOP().Protection.Editing = adpeReadOnly;
    e.Doc.DOP().Protection.Enforcement = true;
    e.Paint(false);
    const TVYXPhyRow& row = TPainted::Row(q);
    EXPECT_EQ(e.Px(row.GetX() + 1, row.GetY1() + 1), 0xFFFED5u);
    e.Paint(true);
    EXPECT_EQ(e.Px(row.GetX() + 1, row.GetY1() + 1), 0xFFFFFFu);
}

TEST(Paint, FloatingObjectsOfHeaderAndBody)
{
    TPainted d;
    TVYXLogDocEditor& header = d.Doc.Headers().Add(ahftDefault);
    TVYXLogPara& h = header.AppendParaUI(u"Header");
    auto logo = std::make_unique<TVYXGraphicRectangle>();
    logo->Width = 30;
    logo->Height = 15;
    logo->FillColor = 0x00C0C0;
    logo->Stroked = false;
    logo->HorizPosRel = agohprPage;
    logo->VertPosRel = agovprPage;
    logo->PosLeft = 300;
    logo->PosTop = 20;
    logo->Wrap = agowInFront;
    h.AddGraphic(std::move(logo));
    TVYXLogPara& body = d.Doc.AppendParaUI(u"Body text behind a box");
    auto box = std::make_unique<TVYXGraphicRectangle>();
    box->Width = 60;
    box->Height = 30;
    box->FillColor = 0xC000C0;
    box->Stroked = false;
    box->HorizPosRel = agohprPage;
    box->VertPosRel = agovprPage;
    box->PosLeft = 300;
    box->PosTop = 300;
    box->Wrap = agowInFront;
    body.AddGraphic(std::move(box));
    d.Paint();
    const double px = 96.0 / 72;
    EXPECT_EQ(d.Px(310 * px, 25 * px), 0x00C0C0u);  // the header's logo, placed against the page
    EXPECT_EQ(d.Px(320 * px, 310 * px), 0xC000C0u);  // the body's float
    EXPECT_EQ(d.Px(290 * px, 310 * px), 0xFFFFFFu);
}

TEST(Paint, HeaderRowRepeatsOnTheNextPage)
{
    TPainted d;
    TVYXTable& t = d.Doc.AppendTableUI(2, 80);
    for (TVYXTapId id : {vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom, vytiBorderInsideHoriz,
                         vytiBorderInsideVert})
        t.TAPX().AddBorder(id)->SetVals(0.75, 0x0000C0, stbSingle, 0);
    t.GetRows(0)->RptData = true;
    t.GetRows(0)->GetCells(0)->SetFillColor(0xFFC000);
    d.Doc.CellPara(t, 0, 0).Append(u"Heading");
    for (int r = 1; r < 80; ++r)
        d.Doc.CellPara(t, 0, r).Append(u"Row");
    d.Paint(true, false, 1);
    const TVYXPhyPage& p1 = d.Layout.Pages().GetItems(1);
    ASSERT_FALSE(p1.RepeatedRows.empty());
    const TVYXRepeatedRow& rr = p1.RepeatedRows.front();
    const TVYXTableCell& c = *t.GetRows(0)->GetCells(0);
    const double y1 = t.GetRows(0)->PixY1 + rr.DY, y2 = t.GetRows(0)->PixY2 + rr.DY;
    EXPECT_EQ(d.Px(c.PixX2 - 3, (y1 + y2) / 2), 0xFFC000u);  // the header's shading on page 2
    EXPECT_EQ(d.Px((c.PixX1 + c.PixX2) / 2, y1), 0x0000C0u);  // its top border
    // The heading's text is there again: dark pixels inside the shaded cell.
    int ink = 0;
    for (int y = static_cast<int>(y1) + 1; y < static_cast<int>(y2); ++y)
        for (int x = static_cast<int>(c.PixX1) + 2; x < static_cast<int>(c.PixX1) + 60; ++x)
            ink += Dark(d.Px(x, y));
    EXPECT_GT(ink, 10);
}
