// VYXPhyRowTest.cpp: breaking paragraphs into rows with real fonts through the Linux device.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXPhyRow.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXPropValues.h"

namespace {

const std::u16string cProse =
    u"The quick brown fox jumps over the lazy dog while the committee debates the merits of "
    u"typographic tradition, the width of margins, and whether justified text should ever "
    u"leave rivers of white running down the page of a carefully printed book.";

struct TFixture {
    TVYXGDILinux Gdi{96};
    TVYXLogDocEditor Doc;
    TVYXPaginator Pag;
    TFixture() { Doc.SetPPI(96, 96); }
    TVYXLogPara& Para(std::u16string_view text)
    {
        TVYXLogPara& p = Doc.AppendParaUI(text);
        p.PAPX().SetSpaceAfter(0);
        return p;
    }
};

std::u16string AllText(const TVYXPhyRows& rows)
{
    std::u16string s;
    for (int i = 0; i < rows.Count(); ++i)
        s += rows.GetItems(i).PlainText();
    return s;
}

}  // namespace

TEST(PhyRow, WordsWrapAndKeepTheText)
{
    TFixture f;
    TVYXLogPara& p = f.Para(cProse);
    const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, 300);
    ASSERT_GT(rows.Count(), 2);
    EXPECT_EQ(AllText(rows), cProse);
    for (int i = 0; i < rows.Count(); ++i) {
        SCOPED_TRACE(i);
        const TVYXPhyRow& r = rows.GetItems(i);
        EXPECT_LE(r.UsedWidth, 300.0f);
        EXPECT_GT(r.Ascent, 10.0f);  // 12 pt serif at 96 dpi
        EXPECT_EQ(r.StartPos, i == 0 ? 1 : rows.GetItems(i - 1).EndPos);
        // Rows break after a space: a row never starts with one.
        EXPECT_NE(r.PlainText().front(), u' ');
    }
    EXPECT_TRUE(rows.First()->GetIsFirst());
    EXPECT_TRUE(rows.Last()->Flags & aprfLast);
    EXPECT_EQ(rows.Last()->EndPos, p.EndOfParaPos());
    // A wider box takes fewer rows; the same width again gives the same rows.
    const int narrow = rows.Count();
    EXPECT_LT(f.Pag.Paginate(f.Gdi, p, 600).Count(), narrow);
    EXPECT_EQ(f.Pag.Paginate(f.Gdi, p, 300).Count(), narrow);
}

TEST(PhyRow, JustificationLimits)
{
    TFixture f;
    TVYXLogPara& p = f.Para(cProse + u" " + cProse);
    p.PAPX().SetAlignment(vyptaJustify);
    int stretched = 0, kept = 0;
    for (double width = 250; width <= 420; width += 10) {
        const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, width);
        for (int i = 0; i < rows.Count(); ++i) {
            SCOPED_TRACE(testing::Message() << width << " row " << i);
            const TVYXPhyRow& r = rows.GetItems(i);
            const double free = width - r.UsedWidth;
            if (r.JustifyExtra > 0) {
                // Stretched rows end at the edge, spaces included in the pieces.
                ++stretched;
                EXPECT_NEAR(r.UsedWidth, width, 0.5);
                std::u16string text = r.PlainText();
                EXPECT_EQ(r.SpaceCount(), std::count(text.begin(), text.end(), u' ') - (text.back() == u' ' ? 1 : 0));
            } else {
                // Only rows with 15 % or more free space are left as they are.
                ++kept;
                EXPECT_GE(free, 0.15 * width - 0.01);
            }
        }
    }
    EXPECT_GT(stretched, 20);
    EXPECT_GT(kept, 5);

    // A row without spaces is never stretched.
    TVYXLogPara& word = f.Para(std::u16string(200, u'm'));
    word.PAPX().SetAlignment(vyptaJustify);
    const TVYXPhyRows& wr = f.Pag.Paginate(f.Gdi, word, 300);
    ASSERT_GT(wr.Count(), 1);
    for (int i = 0; i < wr.Count(); ++i)
        EXPECT_EQ(wr.GetItems(i).JustifyExtra, 0.0f);
}

TEST(PhyRow, OverlongWordIsCutWhereItOverflows)
{
    TFixture f;
    const std::u16string word(120, u'w');
    TVYXLogPara& p = f.Para(u"go " + word + u" end");
    const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, 200);
    ASSERT_GE(rows.Count(), 4);
    EXPECT_EQ(rows.GetItems(0).PlainText(), u"go ");
    for (int i = 1; i + 1 < rows.Count(); ++i) {
        const TVYXPhyRow& r = rows.GetItems(i);
        EXPECT_LT(r.UsedWidth, 200.0f);
        // Cut as late as possible: one more "w" would not fit.
        EXPECT_GE(r.UsedWidth + f.Gdi.TextWidthF(u"w"), 200.0 - 0.01) << i;
    }
    EXPECT_EQ(AllText(rows), u"go " + word + u" end");
    // Below 20 pixels the width is raised: one character per row at least.
    const TVYXPhyRows& tiny = f.Pag.Paginate(f.Gdi, p, 3);
    EXPECT_EQ(tiny.BrokenWidth, 20);
    for (int i = 0; i < tiny.Count(); ++i)
        EXPECT_GE(tiny.GetItems(i).Len(), 1);
}

TEST(PhyRow, TabStops)
{
    TFixture f;
    // The default interval at 96 dpi: 65.2 pt = 86.93 px; x = 10 goes to the first stop.
    TVYXLogPara& p = f.Para(u"a\tb");
    double pos = 0;
    p.MapTab(pos, false, 10);
    EXPECT_NEAR(pos, 86.93, 0.01);
    p.MapTab(pos, false, 90);
    EXPECT_NEAR(pos, 173.87, 0.01);

    TVYXLogPara& q = f.Doc.AppendPara();
    q.PAPX().SetSpaceAfter(0);
    q.Append(u"a");
    q.AppendTab();
    q.Append(u"b");
    const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, q, 400);
    ASSERT_EQ(rows.Count(), 1);
    const TVYXPhyRow& r = rows.GetItems(0);
    ASSERT_EQ(r.Pieces.size(), 3u);
    EXPECT_NEAR(r.Pieces[1].X + r.Pieces[1].Width, 86.93, 0.01);
    EXPECT_NEAR(r.Pieces[2].X, 86.93, 0.01);

    // Right, centre and decimal stops, a leader on the right one.
    TVYXLogPara& s = f.Doc.AppendPara();
    s.PAPX().SetSpaceAfter(0);
    TVYXTabStops* tabs = s.AddTabStops();
    tabs->Add(150, atsaRight, atslDot);   // 200 px
    tabs->Add(225, atsaCenter);           // 300 px
    tabs->Add(300, atsaDecimal);          // 400 px
    s.AppendTab();
    s.Append(u"right");
    s.AppendTab();
    s.Append(u"mid");
    s.AppendTab();
    s.Append(u"12.50");
    const TVYXPhyRows& sr = f.Pag.Paginate(f.Gdi, s, 600);
    ASSERT_EQ(sr.Count(), 1);
    const auto& pc = sr.GetItems(0).Pieces;
    ASSERT_EQ(pc.size(), 6u);
    EXPECT_NEAR(pc[1].X + pc[1].Width, 200, 0.01);  // "right" ends at the stop
    EXPECT_EQ(pc[0].Leader, atslDot);
    EXPECT_NEAR(pc[3].X + pc[3].Width / 2, 300, 0.01);  // "mid" centred on it
    EXPECT_NEAR(pc[5].X + f.Gdi.TextWidthF(u"12."), 400, 0.01);  // the point at the stop
}

TEST(PhyRow, IndentsAndHangingFirstRow)
{
    TFixture f;
    TVYXLogPara& p = f.Para(cProse);
    p.PAPX().SetIndentLeft(36);       // 48 px
    p.PAPX().SetIndentRight(18);      // 24 px
    p.PAPX().SetIndentFirstLine(18);  // first row 24 px further
    const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, 400);
    ASSERT_GT(rows.Count(), 2);
    EXPECT_NEAR(rows.GetItems(0).XOffs, 72, 0.01);
    EXPECT_NEAR(rows.GetItems(0).AvailWidth, 400 - 72 - 24, 0.01);
    EXPECT_NEAR(rows.GetItems(1).XOffs, 48, 0.01);
    EXPECT_NEAR(rows.GetItems(1).AvailWidth, 400 - 48 - 24, 0.01);

    TVYXLogPara& h = f.Para(cProse);
    h.PAPX().SetIndentLeft(36);
    h.PAPX().SetIndentHanging(36);
    h.PAPX().SetIndentFirstLine(0);
    const TVYXPhyRows& hr = f.Pag.Paginate(f.Gdi, h, 400);
    EXPECT_NEAR(hr.GetItems(0).XOffs, 0, 0.01);
    EXPECT_NEAR(hr.GetItems(1).XOffs, 48, 0.01);
    // The first tab of a hanging paragraph goes to the left indent.
    TVYXLogPara& t = f.Doc.AppendPara();
    t.PAPX().SetIndentLeft(36);
    t.PAPX().SetIndentHanging(36);
    t.PAPX().SetIndentFirstLine(0);
    t.Append(u"1.");
    t.AppendTab();
    t.Append(u"item");
    const TVYXPhyRows& tr = f.Pag.Paginate(f.Gdi, t, 400);
    EXPECT_NEAR(tr.GetItems(0).XOffs + tr.GetItems(0).Pieces[2].X, 48, 0.01);
}

TEST(PhyRow, InlineObjectRaisesTheAscentOnly)
{
    TFixture f;
    TVYXLogPara& p = f.Doc.AppendPara();
    auto box = std::make_unique<TVYXGraphicObj>();
    box->Width = 60;
    box->Height = 75;  // 100 px
    p.AppendGraphic(std::move(box));
    const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, 400);
    ASSERT_EQ(rows.Count(), 1);
    const TVYXPhyRow& r = rows.GetItems(0);
    EXPECT_NEAR(r.Ascent, 100, 0.01);
    f.Gdi.GetTextMetric();  // the device still has the paragraph's font
    EXPECT_NEAR(r.Descent, f.Gdi.TextMetric().Descent, 0.01);
    EXPECT_NEAR(r.UsedWidth, 80, 0.01);
    EXPECT_LT(r.LineHeight, r.Ascent);  // so placement advances by ascent + descent
}

TEST(PhyRow, LineBreaksAndEmptyParagraph)
{
    TFixture f;
    TVYXLogPara& p = f.Doc.AppendPara();
    p.Append(u"one");
    p.AppendBreak(acrbtLineBreak);
    p.Append(u"two");
    const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, 400);
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.GetItems(0).PlainText(), u"one");
    EXPECT_EQ(rows.GetItems(1).PlainText(), u"two");

    TVYXLogPara& e = f.Doc.AppendPara();
    const TVYXPhyRows& er = f.Pag.Paginate(f.Gdi, e, 400);
    ASSERT_EQ(er.Count(), 1);
    EXPECT_GT(er.GetItems(0).Height(), 10);  // an empty paragraph still has a line
}

TEST(PhyRow, MixedHebrewArabicLatinInVisualOrder)
{
    TFixture f;
    // "Hebrew: שלום, Arabic: سلام, done" in a left-to-right paragraph.
    TVYXLogPara& p = f.Para(u"Hebrew \u05E9\u05DC\u05D5\u05DD and Arabic \u0633\u0644\u0627\u0645 done");
    const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, 800);
    ASSERT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.GetItems(0).VisualText(),
              u"Hebrew \u05DD\u05D5\u05DC\u05E9 and Arabic \u0645\u0627\u0644\u0633 done");
    // A right-to-left paragraph: the Latin word keeps its order but stands on the left
    // of the Hebrew that precedes it, and the row is right aligned.
    TVYXLogPara& q = f.Para(u"\u05E9\u05DC\u05D5\u05DD world \u05E2\u05D5\u05DC\u05DD");
    const TVYXPhyRows& qr = f.Pag.Paginate(f.Gdi, q, 800);
    ASSERT_EQ(qr.Count(), 1);
    EXPECT_EQ(qr.GetItems(0).VisualText(), u"\u05DD\u05DC\u05D5\u05E2 world \u05DD\u05D5\u05DC\u05E9");
    EXPECT_NEAR(qr.GetItems(0).AlignOffs + qr.GetItems(0).UsedWidth, 800, 0.5);
    float x = 0;
    for (const TVYXRowPiece& pc : qr.GetItems(0).Pieces) {
        EXPECT_NEAR(pc.X, x, 0.01);  // pieces laid side by side in display order
        x += pc.Width;
    }
}

TEST(PhyRow, ChineseBreaksBetweenIdeographs)
{
    TFixture f;
    std::u16string text;
    for (int i = 0; i < 60; ++i)
        text += static_cast<char16_t>(0x4E00 + i * 7);
    TVYXLogPara& p = f.Para(text);
    const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, 200);
    ASSERT_GT(rows.Count(), 2);
    EXPECT_EQ(AllText(rows), text);
    // Filled close to the edge, not cut as one overlong word.
    for (int i = 0; i + 1 < rows.Count(); ++i)
        EXPECT_GT(rows.GetItems(i).UsedWidth, 150.0f);
}

TEST(PhyRow, NullDeviceGivesZeroWidths)
{
    TFixture f;
    TVYXGDIDummy dummy;
    TVYXLogPara& p = f.Para(cProse);
    const TVYXPhyRows& rows = f.Pag.Paginate(dummy, p, 300);
    ASSERT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.GetItems(0).UsedWidth, 0.0f);
    EXPECT_EQ(AllText(rows), cProse);
}

TEST(PhyRow, FindingRowsByPosition)
{
    TFixture f;
    TVYXLogPara& p = f.Para(cProse);
    const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, 250);
    ASSERT_GT(rows.Count(), 2);
    for (int i = 0; i < rows.Count(); ++i) {
        const TVYXPhyRow& r = rows.GetItems(i);
        EXPECT_EQ(rows.Find(r.FirstPos()), &r);
        EXPECT_EQ(rows.Find(r.LastPos()), &r);
    }
    EXPECT_EQ(rows.Find(p.EndOfParaPos()), rows.Last());  // the paragraph mark
    EXPECT_GT(rows.MemoryUsed(), sizeof(TVYXPhyRow) * static_cast<std::size_t>(rows.Count()));
}

// Hostile paragraphs: a very long word, thousands of spaces, a lone surrogate, control
// characters. Each must break into rows that keep all of the text.
TEST(PhyRow, HostileTextKeepsAllCharacters)
{
    TFixture f;
    const std::u16string cases[] = {
        std::u16string(200000, u'x'), std::u16string(5000, u' ') + u"end", u"a\xD800" u"b\xDC00" u"c",
        std::u16string(u"\x01\x02\x1F\x7F tab\tand\x0B more", 16), u"\u202E reversed \u202C" + cProse,
    };
    for (const std::u16string& text : cases) {
        SCOPED_TRACE(text.size());
        TVYXLogPara& p = f.Doc.AppendPara();
        p.Append(text);
        const TVYXPhyRows& rows = f.Pag.Paginate(f.Gdi, p, 300);
        EXPECT_EQ(AllText(rows), text);
        for (int i = 1; i < rows.Count(); ++i)  // leading spaces never wrap: the first row may overflow
            EXPECT_LE(rows.GetItems(i).UsedWidth, 300.5f);
    }
}
