// VYXTable.h: tables of the body: a table holds rows, a row cells, and every cell its
// own paragraph list (declared in VYXLogParas.h), so tables nest to any depth.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/VYXDocProps.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogPos.h"

enum TVYXTableCellFlag { atcfSelected = 1, atcfMerged = 2, atcfMergedRoot = 4, atcfMergedLast = 8 };
enum TVYXTableCellAlignVert { atcavTop, atcavCenter, atcavBottom, atcavBoth };
extern const std::array<std::string_view, atcavBoth + 1> VYXTableCellAlignVertNames;

// Limits of a table built in one call.
constexpr int cVYXMaxTableCols = 63;
constexpr int cVYXMaxTableRows = 32767;

// What a point in a laid-out table hits (see TVYXTable::Hit).
struct TVYXTableHit {
    TVYXTableCell* Cell = nullptr;
    TVYXMouseCellHit Where = amchNone;
};
// The same for a const table: the cell hit can be read, not changed.
struct TVYXConstTableHit {
    const TVYXTableCell* Cell = nullptr;
    TVYXMouseCellHit Where = amchNone;
};

class TVYXTableCell : public TVYXLogParaIterator {
public:
    explicit TVYXTableCell(TVYXTableRow* row);
    ~TVYXTableCell() override;

    const TVYXLogParas& Paras() const { return *FParas; }
    TVYXLogParas& Paras() { return *FParas; }
    // The row holding the cell (borrowed).
    TVYXTableRow* Row() const { return FRow; }
    // The place in the row; the row keeps it.
    int Index() const { return FIndex; }
    unsigned Flags = 0;  // TVYXTableCellFlag
    TVYXTableCellAlignVert AlignVert = atcavTop;
    const TVYXTableCellProps& Props() const { return *FProps; }
    TVYXTableCellProps& Props() { return *FProps; }
    std::uint16_t CnfStyle = 0;
    std::int32_t GridSpan = 1;
    double PixX1 = 0, PixX2 = 0;
    bool ReadOnly = true;
    std::int32_t PermId = 0;

    // ---- Navigation ----
    TVYXTableCell* GetTableCell() override { return this; }
    // Text boxes belong to the document: the request goes to the table's list's navigation object.
    TVYXLogParas* DoAddTextBox() override;
    TVYXLogPara* FirstPara() override;
    TVYXLogPara* LastPara() override;
    TVYXLogPara* NextPara(TVYXLogParaItem& item) override;
    TVYXLogPara* PrevPara(TVYXLogParaItem& item) override;
    TVYXLogPara* NextRow(TVYXLogParaItem& item) override;
    TVYXLogPara* PrevRow(TVYXLogParaItem& item) override;
    // Row-major order within the table; nullptr at its ends.
    TVYXTableCell* NextCell() override;
    TVYXTableCell* PrevCell() override;
    TVYXTableCell* NextCellDown() override;
    TVYXTableCell* NextCellUp() override;
    TVYXTableCell* NextCellLeft() override;
    TVYXTableCell* NextCellRight() override;

    TVYXTable* Table() const;  // inline below the row
    TVYXTableCell* ParentCell() const;
    // The root-list item (outermost table) that holds the cell.
    TVYXLogParaItem* RootPara() const;
    double GetLeft() const;
    bool IsLeft() const { return Index() == 0; }
    bool IsRight() const;
    double GetWidth() const { return FProps->Width; }
    void SetWidth(double width) { FProps->Width = width; }
    double GetPcWidth() const { return FProps->Width * 100.0; }
    void SetPcWidth(double percent);
    double CalculatedWidth() const;
    // The width left for text: the calculated width less the cell's left and right
    // margins (its own, else the table's default cell margins), never below 0.
    double GetClientWidth() const;
    // The widest laid-out paragraph or table of the cell, in pixels; 0 before layout.
    double TextWidth() const;
    // The height the cell covers: its row's, or for the root of a vertical merge the
    // rows of the whole merge together (TVYXTableRow::GetHeight).
    double GetHeight() const;
    // The border on a side: the cell's own (an explicit "none" included), else the
    // table's (with its style's) outer border at the table's edge or its inside border
    // between cells; nullptr for none. A vertical merge draws as one cell: its cells
    // take left and right from the merge root, the cells below the root have no top,
    // and the root answers the bottom of the merge's last cell, which the cells above
    // the last do not have (so a row's bottom border ignores merges running on).
    const TVYXDocPropBorder* BorderLeft() const;
    const TVYXDocPropBorder* BorderTop() const;
    const TVYXDocPropBorder* BorderRight() const;
    const TVYXDocPropBorder* BorderBottom() const;
    // Half the width of the visible top / bottom border, the part inside the cell
    // (the other half lies in the neighbouring row); 0 without a visible border.
    double TopHalfBorderHeight() const;
    double BottomHalfBorderHeight() const;
    double GetFillColor() const { return FProps->FillColor; }
    void SetFillColor(TVYXColor color) { FProps->FillColor = color; }
    bool GetMerged() const { return (Flags & atcfMerged) != 0; }
    void SetMerged(bool on) { SetFlag(atcfMerged, on); }
    bool GetMergedRoot() const { return (Flags & atcfMergedRoot) != 0; }
    void SetMergedRoot(bool on) { SetFlag(atcfMergedRoot, on); }
    bool GetMergedLast() const { return (Flags & atcfMergedLast) != 0; }
    void SetMergedLast(bool on) { SetFlag(atcfMergedLast, on); }
    bool GetSelected() const { return (Flags & atcfSelected) != 0; }
    void SetSelected(bool on) { SetFlag(atcfSelected, on); }
    std::int32_t CalcRowSpan() const;
    // The top / bottom cell of the vertical merge the cell belongs to; the cell itself when it is in none.
    TVYXTableCell* MergeRoot() const;
    TVYXTableCell* MergeLast() const;
    std::int32_t CalcGridSpan() const;
    void SetGridSpan(std::int32_t span) { GridSpan = span < 1 ? 1 : span; }
    // Row difference, or cell difference within one row; raises "Cell is not in the same table".
    int Compare(const TVYXTableCell& other) const;
    void ClearContent();
    // True when the cell's last paragraph is empty and follows a table: it is there only
    // because a cell cannot end with a table, so layout gives it no height and a reader
    // need not write it out.
    bool LastParaIsAutoHidden() const;
    // The properties always exist; the name matches the row's AddProps.
    TVYXTableCellProps* AddProps() { return FProps.get(); }
    void Assign(const TVYXTableCell& source);
    std::unique_ptr<TVYXTableCell> Clone(TVYXTableRow* row) const;

private:
    friend class TVYXTableRow;
    void SetFlag(unsigned flag, bool on) { Flags = on ? (Flags | flag) : (Flags & ~flag); }
    TVYXTableRow* FRow;  // borrowed: the row owns the cell
    int FIndex = -1;
    std::unique_ptr<TVYXLogParas> FParas;
    std::unique_ptr<TVYXTableCellProps> FProps;
};

class TVYXTableRow {
public:
    explicit TVYXTableRow(TVYXTable* table) : FTable(table) {}
    TVYXTableRow(const TVYXTableRow&) = delete;
    TVYXTableRow& operator=(const TVYXTableRow&) = delete;
    ~TVYXTableRow();

    // The place in the table; the table keeps it.
    int Index() const { return FIndex; }
    // The table holding the row (borrowed).
    TVYXTable* Table() const { return FTable; }
    double Height = 0, AHeight = 0, MHeight = 0;
    float PixY1 = 0, PixY2 = 0;
    bool RptData = false;      // a header row: repeated at the top of each page the table continues on
    bool HeightExact = false;  // Height is the row's exact height, not its minimum
    bool CantSplit = false;    // the row moves whole to the next page rather than split
    std::uint16_t CnfStyle = 0;
    bool Permission = false;

    int Count() const { return static_cast<int>(FCells.size()); }
    TVYXTableCell* Add();
    TVYXTableCell* Add(std::unique_ptr<TVYXTableCell> cell);
    TVYXTableCell* Insert(int index);
    void DeleteCell(int index);
    const TVYXTableCell* CellN(int i) const { return i >= 0 && i < Count() ? FCells[static_cast<std::size_t>(i)].get() : nullptr; }
    TVYXTableCell* CellN(int i) { return i >= 0 && i < Count() ? FCells[static_cast<std::size_t>(i)].get() : nullptr; }
    const TVYXTableCell* GetCells(int i) const { return FCells.at(static_cast<std::size_t>(i)).get(); }
    TVYXTableCell* GetCells(int i) { return FCells.at(static_cast<std::size_t>(i)).get(); }
    const TVYXTableCell* Last() const { return FCells.empty() ? nullptr : FCells.back().get(); }
    TVYXTableCell* Last() { return FCells.empty() ? nullptr : FCells.back().get(); }
    TVYXLogPara* FirstPara() const;
    TVYXLogPara* LastPara() const;
    TVYXTableRow* NextRow() const;
    TVYXTableRow* PrevRow() const;
    bool IsTop() const { return Index() == 0; }
    bool IsBottom() const;
    bool IsMergedChild() const;
    // The laid-out height (AHeight) once laid out, else the set Height, at least MHeight.
    double GetHeight() const;
    double GetWidth() const;
    // The cell whose right edge equals x (within 1e-5) or lies beyond it; the last cell past the row; nullptr without cells.
    const TVYXTableCell* HitWidth(double x) const;
    TVYXTableCell* HitWidth(double x) { return const_cast<TVYXTableCell*>(std::as_const(*this).HitWidth(x)); }
    // The cell whose laid-out extent PixX1 <= x < PixX2 holds pixel x (the last cell's
    // right edge included); nullptr outside the cells.
    const TVYXTableCell* Hit(double x) const;
    TVYXTableCell* Hit(double x) { return const_cast<TVYXTableCell*>(std::as_const(*this).Hit(x)); }
    bool GetSelected() const;
    // The widest visible top / bottom border among the row's cells, 0 for none.
    double TopBorderMaxSize() const;
    double BottomBorderMaxSize() const;
    void ClearContent();
    // The row's own properties, nullptr until AddProps makes them.
    const TVYXTableRowProps* Props() const { return FProps.get(); }
    TVYXTableRowProps* Props() { return FProps.get(); }
    TVYXTableRowProps* AddProps();
    // Merges cells first..last of this row into the first (TVYXTable::MergeCells).
    void MergeCells(int first, int last);
    // The row's properties and copies of `source`'s cells in place of its own.
    void Assign(const TVYXTableRow& source);
    // Only the sizes: the heights, and the width and width type of every cell that both
    // rows have at the same index (copying a column layout onto an existing row).
    void AssignWidthHeight(const TVYXTableRow& source);
    std::unique_ptr<TVYXTableRow> Clone(TVYXTable* table) const;
    void MakeDirty();

private:
    friend class TVYXTable;
    void Renumber();
    int FIndex = -1;
    TVYXTable* FTable;  // borrowed
    std::unique_ptr<TVYXTableRowProps> FProps;
    std::vector<std::unique_ptr<TVYXTableCell>> FCells;
};

class TVYXTable : public TVYXLogParaItem {
public:
    explicit TVYXTable(TVYXLogParas* paras);
    ~TVYXTable() override;

    const TVYXTAPX& TAPX() const { return *FTAPX; }
    TVYXTAPX& TAPX() { return *FTAPX; }
    double YPos = 0;
    bool AnySelected = false;
    std::u16string Name;
    void* ReportData = nullptr;  // free for the report engine
    std::function<double()> ParentWidth;
    double MaxWidth = 0;

    std::u16string GetPlainText() const override;
    TVYXLogParaType Type_() const override { return alptTable; }
    std::unique_ptr<TVYXLogParaItem> Clone(TVYXLogParas* paras) const override;
    void FormatAll(const TVYXCHPX* chpx) override;
    // A table has no character positions of its own: any range formats all of it.
    void FormatRange(const TVYXCHPX* chpx, std::int32_t, std::int32_t) override { FormatAll(chpx); }
    void FormatAllUncond(const TVYXCHPX* chpx) override;
    void CombineCharRuns() override;
    void ClearRows() override;
    // Pixels from the rows' and cells' laid-out extents; 0 before layout.
    double PixHeight() const override;
    double PixWidth() const override;

    // Selects the rectangle of cells: cell indexes col1..col2 of rows row1..row2 (either
    // pair in any order, clamped to the table), grown to whole vertical merges; the
    // previous selection is cleared. The number of cells selected.
    int Select(int col1, int row1, int col2, int row2);
    void ClearSelection();
    // Hit of a pixel point against the laid-out extents (cells PixX1..PixX2, rows
    // PixY1..PixY2; a boundary belongs to the cell right of / below it, the table's
    // right and bottom edges to the last cell). A vertically merged cell answers as
    // its merge root, over the merge's whole height. Where: within `edge` pixels of the
    // left or right side an edge (for column sizing; left wins in narrow cells), then
    // of the top or bottom, else amchInside; amchNone with no cell outside the table.
    TVYXConstTableHit Hit(double x, double y, double edge = 3) const;
    TVYXTableHit Hit(double x, double y, double edge = 3)
    {
        const TVYXConstTableHit hit = std::as_const(*this).Hit(x, y, edge);
        return {const_cast<TVYXTableCell*>(hit.Cell), hit.Where};
    }
    // Gives the rows `percent` % of `height` (points, such as the page's body height)
    // as their heights, in proportion to their laid-out heights (AHeight), else to
    // their set heights, else in equal parts.
    void SetHeightPercent(double percent, double height);

    int Count() const { return static_cast<int>(FRows.size()); }
    const TVYXTableRow* GetRows(int i) const { return FRows.at(static_cast<std::size_t>(i)).get(); }
    TVYXTableRow* GetRows(int i) { return FRows.at(static_cast<std::size_t>(i)).get(); }
    const TVYXTableCell* GetCells(int col, int row) const;
    TVYXTableCell* GetCells(int col, int row) { return const_cast<TVYXTableCell*>(std::as_const(*this).GetCells(col, row)); }
    TVYXTableRow* Add();
    TVYXTableRow* AddRow(int cols);
    void AddRows(int cols, int rows);
    // A copy of the last row, emptied; raises "Empty table" without rows.
    TVYXTableRow* Append();
    TVYXTableRow* Insert(int index);
    TVYXTableRow* InsertRow(int index) { return Insert(index); }
    void InsertCol(int index);
    void DeleteRow(int index);
    void DeleteCol(int index);
    // Merges the rectangle of cells: columns col1..col2 of rows row1..row2.
    void MergeCells(int col1, int row1, int col2, int row2);
    void SetWidth(double width);
    void SetWidthPercent(double percent);
    void SetColWidth(int col, double width);
    // Widens column `col` by `delta` and narrows the next column by as much (when there is one).
    void SetColDeltaWidth(int col, double delta);
    // Adds or removes rows and cells at the ends so that every row has `cols` cells and there are `rows` rows.
    void SetDimension(int cols, int rows);
    double GetColWidth(int col) const;
    double CalculatedWidth() const;
    double AvailableWidth() const;
    int MaxCells() const;
    const TVYXTableCell* FirstCell() const;
    TVYXTableCell* FirstCell() { return const_cast<TVYXTableCell*>(std::as_const(*this).FirstCell()); }
    const TVYXTableCell* LastCell() const;
    TVYXTableCell* LastCell() { return const_cast<TVYXTableCell*>(std::as_const(*this).LastCell()); }
    const TVYXTableRow* LastRow() const { return FRows.empty() ? nullptr : FRows.back().get(); }
    TVYXTableRow* LastRow() { return FRows.empty() ? nullptr : FRows.back().get(); }
    TVYXLogPara* FirstPara() const override;
    TVYXLogPara* LastPara() const override;
    TVYXLogPara* LastRowCell0LastPara() const override;
    // 1 in a root list, more when nested.
    int Level() const;
    bool IsTableInParas(const TVYXLogParas& paras) const;
    // Fits a table (pasted or nested into a narrower place) into its available width:
    // a table wider than AvailableWidth has every cell narrowed in proportion and a
    // point width set to match; a narrower table, or one with no width available, stays.
    void SetWithinTable();
    // The properties, name and copies of `source`'s rows in place of its own.
    void Assign(const TVYXTable& source);
    void SetEmpty();
    void Validate() override;
    // The cell that holds the table, nullptr in a root list.
    TVYXTableCell* ParentCell() const;
    // The tables nested in the table's cells at any depth; the lists keep it as tables
    // enter and leave them.
    int NestedCount() const { return FNestedCount; }

private:
    friend class TVYXTableRow;
    friend class TVYXLogParas;
    int FNestedCount = 0;
    void Renumber(int from);
    // Puts the corners of a cell rectangle in order and clamps its rows to the table.
    void OrderRect(int& col1, int& row1, int& col2, int& row2) const;
    std::unique_ptr<TVYXTAPX> FTAPX;
    std::vector<std::unique_ptr<TVYXTableRow>> FRows;
};

inline TVYXTable* TVYXTableCell::Table() const { return FRow ? FRow->Table() : nullptr; }

// Tables being built while a reader descends into nested tables.
class TVYXTableStack {
public:
    void Push(TVYXTable* table) { FItems.push_back(table); }
    TVYXTable* Pop();
    const TVYXTable* Peek() const { return FItems.empty() ? nullptr : FItems.back(); }
    TVYXTable* Peek() { return FItems.empty() ? nullptr : FItems.back(); }
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    std::vector<TVYXTable*> FItems;
};
