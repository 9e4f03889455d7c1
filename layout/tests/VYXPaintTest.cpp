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
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXLogParas.h"
#include "model/VYXRevision.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

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
