// VYXCellStoreTest.cpp: A1 text helpers, grid limits and the two cell stores.
#include <gtest/gtest.h>

#include <string>

#include "formula/VYXCellStore.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"

TEST(A1Text, ColumnsFromText)
{
    struct TCase {
        const char16_t* Text;
        bool Ok;
        std::int32_t Col;
    };
    const TCase cases[] = {
        {u"A", true, 0},   {u"Z", true, 25},  {u"AA", true, 26},      {u"ZZ", true, 701}, {u"AAA", true, 702},
        {u"XFD", true, 16383}, {u"XFE", false, 0}, {u"$B", true, 1}, {u"", false, 0},    {u"a", false, 0},
        {u"A1", false, 0}, {u"$", false, 0},  {u"ZZZZZZZZ", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.Text));
        std::int32_t col = -1;
        EXPECT_EQ(ColStrToCol(c.Text, col), c.Ok);
        if (c.Ok) {
            EXPECT_EQ(col, c.Col);
            EXPECT_EQ(ColToRefStr(c.Col), std::u16string(c.Text).substr(c.Text[0] == u'$' ? 1 : 0));
        }
    }
    EXPECT_EQ(ColToRefStr(0, true), u"$A");
}

TEST(A1Text, ReferencesAndAreas)
{
    std::int32_t col = 0, row = 0, col2 = 0, row2 = 0;
    bool absCol = false, absRow = false;
    EXPECT_TRUE(RefStrToColRow(u"$C$10", col, row, absCol, absRow));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 9);
    EXPECT_TRUE(absCol && absRow);
    EXPECT_TRUE(RefStrToColRow(u"XFD1048576", col, row));
    EXPECT_EQ(row, 1048575);
    EXPECT_FALSE(RefStrToColRow(u"A1048577", col, row));
    EXPECT_FALSE(RefStrToColRow(u"A0", col, row));
    EXPECT_FALSE(RefStrToColRow(u"A1x", col, row));
    EXPECT_TRUE(RowStrToRow(u"3", row));
    EXPECT_EQ(row, 2);
    EXPECT_TRUE(AreaStrToColRow(u"B2:$D$4", col, row, col2, row2));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row2, 3);
    EXPECT_FALSE(AreaStrToColRow(u"B2", col, row, col2, row2));

    EXPECT_EQ(ColRowToRefStr(1, 1, true, false), u"$B2");
    EXPECT_EQ(AreaToRefStr(0, 0, 0, 0), u"A1");
    EXPECT_EQ(AreaToRefStr(0, 0, 2, 4, false, false, true, true), u"A1:$C$5");
    EXPECT_EQ(ShortAreaToRefStr(0, 0, 2, cXLSMaxRow), u"A:C");
    EXPECT_EQ(ShortAreaToRefStr(0, 2, cXLSMaxCol, 4), u"3:5");
    EXPECT_EQ(RowsToRefStr(0, 1, true, false), u"$1:2");
    EXPECT_TRUE(XLSAreaInGrid(0, 0, cXLSMaxCol, cXLSMaxRow));
    EXPECT_FALSE(XLSAreaInGrid(0, 0, cXLSMaxCol + 1, 0));
    EXPECT_FALSE(XLSAreaInGrid(-1, 0, 0, 0));
}

TEST(CellStore, EmptyStoreAndContext)
{
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    TXLSCellItem item;
    EXPECT_FALSE(manager.Cells().FindCell(0, 0, item));
    EXPECT_EQ(manager.Cells().CellType(item), xctNone);
    double v = 1;
    bool isEmpty = false;
    EXPECT_FALSE(manager.Cells().AsFloat(3, 3, v, isEmpty));
    EXPECT_TRUE(isEmpty);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(manager.FindBookmark(u"Anything"), 0);
    EXPECT_EQ(manager.FindTable(u"Anything"), -1);
    EXPECT_GT(manager.Cells().PDimension().Col1, manager.Cells().PDimension().Col2);
}

TEST(CellStore, GridStoreKeepsValuesAndDimension)
{
    TXLSGridCellStore grid;
    grid.SetFloat(3, 7, 1.5);
    grid.SetString(1, 2, u"t", true);
    grid.SetBoolean(5, 2, true);
    grid.SetError(0, 9, errNA);
    EXPECT_EQ(grid.Count(), 4);
    const TXLSCellArea& dim = grid.PDimension();
    EXPECT_EQ(dim.Col1, 0);
    EXPECT_EQ(dim.Col2, 5);
    EXPECT_EQ(dim.Row1, 2);
    EXPECT_EQ(dim.Row2, 9);

    TXLSCellItem item;
    ASSERT_TRUE(grid.FindCell(1, 2, item));
    EXPECT_EQ(grid.CellType(item), xctStringFormula);
    std::u16string text;
    EXPECT_TRUE(grid.GetString(1, 2, text));
    EXPECT_EQ(text, u"t");
    EXPECT_EQ(grid.GetFloat(3, 7), 1.5);
    bool b = false;
    EXPECT_TRUE(grid.GetBoolean(5, 2, b));
    EXPECT_TRUE(b);
    TXLSCellError err = errUnknown;
    EXPECT_TRUE(grid.GetError(0, 9, err));
    EXPECT_EQ(err, errNA);
    EXPECT_FALSE(grid.GetError(3, 7, err));

    grid.SetFloat(3, 7, 2);  // replaces
    EXPECT_EQ(grid.Count(), 4);
    grid.Delete(0, 9);
    EXPECT_EQ(grid.PDimension().Row2, 7);
    EXPECT_EQ(grid.PDimension().Col1, 1);
    EXPECT_THROW(grid.SetFloat(cXLSMaxCol + 1, 0, 1), VYXException);
    EXPECT_THROW(grid.SetFloat(0, -1, 1), VYXException);
    EXPECT_FALSE(grid.FindCell(-5, 0, item));
    grid.Clear();
    EXPECT_EQ(grid.Count(), 0);
}

namespace {

// Collects what a store's walk hands out, as "col,row" pairs.
class TCollector final : public TXLSCellVisitor {
public:
    void Visit(std::int32_t col, std::int32_t row, const TXLSCellItem&) override
    {
        Seen += std::to_string(col) + "," + std::to_string(row) + " ";
    }
    std::string Seen;
};

// A store answering through FindCell only, so the base class walks it.
class TLookupOnly final : public TXLSCellMMU {
public:
    explicit TLookupOnly(const TXLSGridCellStore& grid) : FGrid(grid) { FDimension = grid.PDimension(); }
    bool FindCell(std::int32_t col, std::int32_t row, TXLSCellItem& item) const override
    {
        return FGrid.FindCell(col, row, item);
    }

private:
    const TXLSGridCellStore& FGrid;
};

std::string Walk(const TXLSCellMMU& store, std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2)
{
    TCollector c;
    TXLSCellArea area;
    area.Col1 = col1;
    area.Row1 = row1;
    area.Col2 = col2;
    area.Row2 = row2;
    store.ForEachCell(area, c);
    return c.Seen;
}

}  // namespace

// Both walks visit the stored cells of an area column by column, whatever the order they were set in.
TEST(CellStore, WalksStoredCellsOfAnArea)
{
    TXLSGridCellStore grid;
    grid.SetFloat(2, 9, 1);
    grid.SetFloat(0, 0, 1);
    grid.SetFloat(1, 5, 1);
    grid.SetFloat(1, 1, 1);
    grid.SetFloat(3, 1, 1);  // outside the columns walked below
    grid.SetFloat(1, 20, 1); // outside the rows
    const TLookupOnly slow(grid);
    EXPECT_EQ(Walk(grid, 0, 0, 2, 10), "0,0 1,1 1,5 2,9 ");
    EXPECT_EQ(Walk(slow, 0, 0, 2, 10), Walk(grid, 0, 0, 2, 10));
    EXPECT_EQ(Walk(grid, 1, 2, 1, 19), "1,5 ");
    EXPECT_EQ(Walk(grid, 0, 0, cXLSMaxCol, cXLSMaxRow), "0,0 1,1 1,5 1,20 2,9 3,1 ");
    EXPECT_EQ(Walk(grid, 5, 0, 4, 0), "");  // an empty area
    // A change after a walk shows in the next one.
    grid.SetFloat(1, 3, 1);
    grid.Delete(1, 5);
    EXPECT_EQ(Walk(grid, 1, 0, 1, 10), "1,1 1,3 ");
    grid.Clear();
    EXPECT_EQ(Walk(grid, 0, 0, cXLSMaxCol, cXLSMaxRow), "");
}
