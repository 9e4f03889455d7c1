// VYXTableAutoFitTest.cpp: column widths from content, measured by a fixed-pitch measure or
// taken from laid-out rows.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "layout/VYXTableAutoFit.h"
#include "model/VYXLogParas.h"
#include "model/tests/VYXBodyTestDoc.h"

namespace {
// Six points per character.
double FixedPitch(const TVYXLogPara&, std::u16string_view text) { return 6.0 * static_cast<double>(text.size()); }

TEST(VYXTableAutoFit, LongWordsStayWhole)
{
    // Six points per character; m: the cell margins of the table style.
    const TVYXTextMeasure measure = [](const TVYXLogPara&, std::u16string_view text) {
        return 6.0 * static_cast<double>(text.size());
    };
    const std::u16string longWord = u"Pneumonoultramicroscopic";  // 24 characters: 144 pt
    std::u16string manyWords;
    for (int i = 0; i < 40; ++i)
        manyWords += u"ab ";  // 120 characters: 720 pt; widest word 12 pt
    double m = 0;
    {
        TVYXBodyTestDoc doc;
        const TVYXTAPX& tapx = doc.Body.AddTable(1, 1)->TAPX();
        m = tapx.CalcCellMargLeft(nullptr) + tapx.CalcCellMargRight(nullptr);
        ASSERT_GT(m, 0);
    }
    struct Case {
        const char* Name;
        double Available;
        std::u16string Left, Right;
        double WantLeft, WantRight;
    } cases[] = {
        {"both fit on a line", 300, u"short", u"tiny", 30 + m, 24 + m},
        {"the long word keeps its width, the rest takes what is left", 300, longWord, manyWords, 144 + m,
         300 - 144 - m},
        {"too narrow even for the word: the table grows", 100, longWord, manyWords, 144 + m, 12 + m},
        {"empty cells take their margins", 300, u"", u"", m, m},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TVYXBodyTestDoc doc;
        doc.Body.WidthEvent = [&c] { return c.Available; };
        TVYXTable* t = doc.Body.AddTable(2, 2);
        t->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(c.Left);
        t->GetCells(1, 1)->Paras().GetParas(0)->SetPlainText(c.Right);
        VYXAutoSizeColumns(*t, measure);
        for (int r = 0; r < 2; ++r) {
            EXPECT_NEAR(t->GetCells(0, r)->GetWidth(), c.WantLeft, 1e-9);
            EXPECT_NEAR(t->GetCells(1, r)->GetWidth(), c.WantRight, 1e-9);
        }
    }

    // A cell spanning both columns widens the last one it spans when its word needs more.
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(2, 2);
    t->MergeCells(0, 0, 1, 0);
    t->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(longWord);
    t->GetCells(0, 1)->Paras().GetParas(0)->SetPlainText(u"a");
    t->GetCells(1, 1)->Paras().GetParas(0)->SetPlainText(u"b");
    VYXAutoSizeColumns(*t, measure);
    EXPECT_NEAR(t->GetCells(0, 0)->GetWidth(), 144 + m, 1e-9);
    EXPECT_NEAR(t->GetCells(0, 1)->GetWidth(), 6 + m, 1e-9);
    EXPECT_NEAR(t->GetCells(1, 1)->GetWidth(), 144 - 6, 1e-9);

    // Without a measure the laid-out widths count (pixels at 96 per inch).
    t->GetCells(0, 1)->Paras().GetParas(0)->SetRows(std::make_unique<TTestRows>(96, 10));
    VYXAutoSizeColumns(*t);
    EXPECT_NEAR(t->GetCells(0, 1)->GetWidth(), 72 + m, 1e-9);
}

TEST(VYXTableAutoFit, NestedTableCountsWithItsWidthAndEmptyTableIsLeftAlone)
{
    TVYXBodyTestDoc doc;
    TVYXTable* outer = doc.Body.AddTable(2, 1);
    TVYXLogParas& cellParas = outer->GetCells(0, 0)->Paras();
    TVYXTable* inner = cellParas.AddTable(1, 1);
    ASSERT_NE(inner, nullptr);
    inner->SetColWidth(0, 200);
    const double innerWidth = inner->CalculatedWidth();
    ASSERT_GT(innerWidth, 0);
    const TVYXTAPX& tapx = outer->TAPX();
    const double m = tapx.CalcCellMargLeft(nullptr) + tapx.CalcCellMargRight(nullptr);
    VYXAutoSizeColumns(*outer, FixedPitch);
    // The nested table is one unbreakable block: the column never gets narrower than it.
    EXPECT_GE(outer->GetCells(0, 0)->GetWidth(), innerWidth + m - 1e-9);
    EXPECT_EQ(outer->GetCells(0, 0)->Props().WidthType, atwtPoints);

    TVYXTable* empty = doc.Body.AddTable();
    ASSERT_NE(empty, nullptr);
    VYXAutoSizeColumns(*empty, FixedPitch);  // no rows: nothing to size, nothing to break
    EXPECT_EQ(empty->Count(), 0);
}
}  // namespace
