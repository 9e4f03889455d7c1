// VYXPaginateRowsTest.cpp: replacing rows, the area rows cover on a page, and the float
// sizes' indents and graphic width, on paragraphs laid out with real fonts.
#include <gtest/gtest.h>

#include <string>

#include "formats/VYXReadRTF.h"
#include "layout/tests/VYXLayoutTestDoc.h"
#include "model/VYXDefs.h"
#include "model/VYXDocData.h"
#include "model/VYXGraphics.h"
#include "platform/VYXException.h"

namespace {

struct TDoc : TVYXLayoutTestDoc {
    // Six points after each paragraph, the space before left as the style gives it.
    TVYXLogPara& Para(std::u16string_view text)
    {
        TVYXLogPara& p = Doc.AppendParaUI(text);
        p.PAPX().SetSpaceAfter(6);
        p.PAPX().SetLineSpacing(1);
        return p;
    }
};

}  // namespace

TEST(PaginateRows, ReplaceSwapsOneRowAndHandsBackTheOld)
{
    TDoc d;
    TVYXLogPara& p = d.Para(cProse + u" " + cProse);
    d.Layout.Paginate();
    TVYXPhyRows& rows = d.Rows(p);
    ASSERT_GT(rows.Count(), 2);
    TVYXPhyRow* second = &rows.GetItems(1);
    const std::u16string text = second->PlainText();
    auto fresh = std::make_unique<TVYXPhyRow>();
    fresh->StartPos = second->StartPos;
    fresh->EndPos = second->EndPos;
    TVYXPhyRow* freshPtr = fresh.get();
    std::unique_ptr<TVYXPhyRow> old = rows.Replace(1, std::move(fresh));
    ASSERT_EQ(old.get(), second);
    EXPECT_EQ(old->PlainText(), text);
    EXPECT_EQ(&rows.GetItems(1), freshPtr);
    EXPECT_EQ(freshPtr->Para, &p);  // took the paragraph of the row it replaced
    EXPECT_TRUE(freshPtr->Flags & aprfDirty);
    EXPECT_EQ(rows.FindRow(freshPtr->StartPos), 1);
    EXPECT_THROW(rows.Replace(rows.Count(), std::make_unique<TVYXPhyRow>()), VYXException);
    EXPECT_THROW(rows.Replace(-1, std::make_unique<TVYXPhyRow>()), VYXException);
    EXPECT_THROW(rows.Replace(0, nullptr), VYXException);
    // The next layout breaks the paragraph again into rows of its own.
    p.MakeDirty();
    d.Layout.Paginate();
    EXPECT_EQ(rows.GetItems(1).PlainText(), text);
}

TEST(PaginateRows, UpdateAreaCoversTheRowsOfOnePage)
{
    TDoc d;
    std::u16string longText;
    for (int i = 0; i < 30; ++i)
        longText += cProse + u" ";
    d.Para(u"A first paragraph.");
    TVYXLogPara* split = &d.Para(longText);  // runs over two pages at least
    d.Layout.Paginate();
    ASSERT_GT(d.Rows(*split).Last()->Page, d.Rows(*split).First()->Page);
    const TVYXPhyRows& rows = d.Rows(*split);
    const int firstPage = rows.First()->Page;
    TVYXArea area(0, 0, -1, -1);  // empty
    ASSERT_TRUE(rows.UpdateArea(area, firstPage));
    double lowest = 0;
    for (int i = 0; i < rows.Count(); ++i) {
        const TVYXPhyRow& row = rows.GetItems(i);
        if (row.Page != firstPage) {
            EXPECT_GT(row.GetY1(), 0);
            continue;
        }
        EXPECT_LE(area.X1(), row.GetX());
        EXPECT_GE(area.X2(), row.GetX() + row.UsedWidth - 0.01);
        EXPECT_LE(area.Y1(), row.GetY1());
        lowest = std::max(lowest, row.GetY2());
    }
    EXPECT_DOUBLE_EQ(area.Y2(), lowest);
    EXPECT_DOUBLE_EQ(area.Y1(), rows.First()->GetY1());
    // Growing an area that already holds something keeps it.
    TVYXArea grown(10, 5, 20, 6);
    rows.UpdateArea(grown, firstPage);
    EXPECT_DOUBLE_EQ(grown.Y1(), 5);
    EXPECT_DOUBLE_EQ(grown.Y2(), lowest);
    // No rows on a page the paragraph does not reach.
    TVYXArea none(0, 0, -1, -1);
    EXPECT_FALSE(rows.UpdateArea(none, firstPage + 5));
    // Once painted (flags cleared), only a row marked dirty again needs painting.
    for (int i = 0; i < rows.Count(); ++i)
        rows.GetItems(i).Flags &= ~aprfDirty;
    EXPECT_FALSE(rows.UpdateArea(none, firstPage, true));
    EXPECT_LT(none.X2(), none.X1());
    TVYXPhyRow& third = rows.GetItems(2);
    third.Flags |= aprfDirty;
    ASSERT_TRUE(rows.UpdateArea(none, firstPage, true));
    EXPECT_DOUBLE_EQ(none.Y1(), third.GetY1());
    EXPECT_DOUBLE_EQ(none.Y2(), third.GetY2());
}

TEST(PaginateRows, FloatSizesApplyIndentsAndLimitGraphics)
{
    TVYXParaData pd;
    pd.IndentLeft = 36;  // 48 px
    pd.IndentRight = 18;  // 24 px
    pd.IndentFirstLine = 18;
    TVYXFloatSizes f;
    f.TotalWidth = 600;
    f.Apply(pd, 96.0 / 72);
    f.SetGraphicWidth();
    EXPECT_DOUBLE_EQ(f.GetXOffset(), 72);  // left + first line on the first row
    EXPECT_DOUBLE_EQ(f.GraphicWidth(), 600 - 72 - 24);
    f.Dec(20);  // the first row used up the first-line float
    f.SetGraphicWidth();
    EXPECT_DOUBLE_EQ(f.GetXOffset(), 48);
    EXPECT_DOUBLE_EQ(f.GraphicWidth(), 600 - 48 - 24);
    TVYXFloatSizes m;
    m.TotalWidth = 600;
    m.Apply(pd, 96.0 / 72, true);  // mirrored: the sides change places
    m.Dec(20);
    EXPECT_DOUBLE_EQ(m.GetXOffset(), 24);
    EXPECT_DOUBLE_EQ(m.GetWidth(), 72);

    // Laid out: an inline picture wider than the room beside an object takes that room.
    TDoc d;
    TVYXLogPara& host = d.Para(cProse);
    auto box = std::make_unique<TVYXGraphicObj>();
    box->Width = 150;
    box->Height = 300;  // beside the next paragraph too
    box->Wrap = agow_ParaLeft;
    host.AddGraphic(std::move(box));
    TVYXLogPara& pic = d.Para(u"");
    auto wide = std::make_unique<TVYXGraphicObj>();
    wide->Width = 600;
    wide->Height = 20;
    pic.AppendGraphic(std::move(wide));
    d.Layout.Paginate();
    const TVYXPhyRow& row = *d.Rows(pic).First();
    ASSERT_EQ(row.Pieces.size(), 1u);
    EXPECT_NEAR(row.XOffs, 212, 0.5);
    EXPECT_NEAR(row.Pieces[0].Width, row.AvailWidth, 0.01);
    EXPECT_LT(row.AvailWidth, d.Layout.Pages().GetItems(0).GetClientWidth() - 200);
}

// Small exact and minimum line heights from a file are heights, not factors: an exact
// 2 pt spacer is 2 pt high, a minimum of 1.2 pt leaves single spacing alone.
TEST(PaginateRows, SmallLineHeightsFromRtfAreHeights)
{
    TVYXGDILinux gdi(96);
    TVYXLogDocEditor doc;
    TVYXReadRTF reader(doc);
    reader.LoadFromBytes(R"({\rtf1\ansi{\fonttbl{\f0 Liberation Serif;}}\f0\fs24
\pard\sl-40\slmult0 one\line two\line three\par
\pard\sl24\slmult0 one\line two\line three\par
\pard\sl-480\slmult0 one\line two\par
\pard\sl360\slmult1 one\line two\par})");
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    const auto rowsOf = [&](int i) -> const TVYXPhyRows& {
        return *dynamic_cast<TVYXPhyRows*>(doc.Paras().ParaAtIndex(i)->Rows());
    };
    const auto step = [&](int i) { return rowsOf(i).GetItems(1).Baseline - rowsOf(i).GetItems(0).Baseline; };
    ASSERT_EQ(rowsOf(0).Count(), 3);
    EXPECT_NEAR(step(0), 2 * 96.0 / 72, 0.01);                      // exactly 2 pt
    EXPECT_NEAR(step(1), rowsOf(1).GetItems(0).LineHeight, 0.01);   // at least 1.2 pt: natural
    EXPECT_NEAR(step(2), 24 * 96.0 / 72, 0.01);                     // exactly 24 pt
    EXPECT_NEAR(step(3), 1.5 * rowsOf(3).GetItems(0).LineHeight, 0.01);  // 1.5 lines
}
