// VYXCellStore.h: the cells formulas read, the formula context that owns them, and the A1 text helpers.
//
// The engine addresses a grid of columns 0..16383 and rows 0..1,048,575 and
// reads it only through TXLSCellMMU. The base class is the empty store the
// word processor uses (every cell is missing, so a reference reads as an empty
// value); a host that has real cells derives from it, or uses the small
// in-memory TXLSGridCellStore, and hands it to TXLSCellManager::SetCells.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formula/VYXFormulaTypes.h"

class TVYXErrorManager;

struct TXLSCellArea {
    std::int32_t Row1 = 0, Row2 = -1, Col1 = 0, Col2 = -1;
};

// An opaque handle to one stored cell, valid until the store changes.
struct TXLSCellItem {
    const void* Cell = nullptr;
};

// Receives the stored cells of an area (TXLSCellMMU::ForEachCell).
class TXLSCellVisitor {
public:
    virtual void Visit(std::int32_t col, std::int32_t row, const TXLSCellItem& item) = 0;

protected:
    ~TXLSCellVisitor() = default;
};

class TXLSCellMMU {
public:
    TXLSCellMMU() = default;
    TXLSCellMMU(const TXLSCellMMU&) = delete;
    TXLSCellMMU& operator=(const TXLSCellMMU&) = delete;
    virtual ~TXLSCellMMU() = default;

    // False when no cell exists at (col, row).
    virtual bool FindCell(std::int32_t col, std::int32_t row, TXLSCellItem& item) const;
    virtual TXLSCellType CellType(const TXLSCellItem& item) const;
    virtual bool GetBoolean(const TXLSCellItem& item) const;
    virtual TXLSCellError GetError(const TXLSCellItem& item) const;
    virtual double GetFloat(const TXLSCellItem& item) const;
    virtual void GetString(const TXLSCellItem& item, std::u16string& text) const;
    virtual bool GetFormulaValBoolean(const TXLSCellItem& item) const;
    virtual TXLSCellError GetFormulaValError(const TXLSCellItem& item) const;
    virtual double GetFormulaValFloat(const TXLSCellItem& item) const;
    virtual void GetFormulaValString(const TXLSCellItem& item, std::u16string& text) const;

    // Visits each stored cell inside `area`, column by column, top to bottom.
    // The base looks every position of the area inside the dimension up with
    // FindCell; a store that keeps its cells in order walks them instead.
    virtual void ForEachCell(const TXLSCellArea& area, TXLSCellVisitor& visitor) const;

    // Conveniences by position, answered through the virtual item getters.
    bool GetBoolean(std::int32_t col, std::int32_t row, bool& value) const;
    bool GetError(std::int32_t col, std::int32_t row, TXLSCellError& err) const;
    double GetFloat(std::int32_t col, std::int32_t row) const;
    bool GetString(std::int32_t col, std::int32_t row, std::u16string& text) const;
    // True when the cell holds a number (plain or formula result).
    bool AsFloat(std::int32_t col, std::int32_t row, double& value, bool& isEmpty) const;

    // The smallest area holding every cell (Row2 < Row1 when there is none).
    TXLSCellArea& PDimension() { return FDimension; }
    const TXLSCellArea& PDimension() const { return FDimension; }

protected:
    TXLSCellArea FDimension;
};

// A small in-memory grid for tests, report tables and document tables.
// Formula-result cells are stored with their computed value.
class TXLSGridCellStore : public TXLSCellMMU {
public:
    // Each setter replaces what was at (col, row); outside the grid raises
    // VYXException "Cell outside the grid".
    void SetFloat(std::int32_t col, std::int32_t row, double value, bool isFormula = false);
    void SetString(std::int32_t col, std::int32_t row, std::u16string_view text, bool isFormula = false);
    void SetBoolean(std::int32_t col, std::int32_t row, bool value, bool isFormula = false);
    void SetError(std::int32_t col, std::int32_t row, TXLSCellError err, bool isFormula = false);
    void SetBlank(std::int32_t col, std::int32_t row);
    void Delete(std::int32_t col, std::int32_t row);
    void Clear();
    int Count() const { return static_cast<int>(FCells.size()); }

    bool FindCell(std::int32_t col, std::int32_t row, TXLSCellItem& item) const override;
    // Walks the ordered cells, so a range costs its stored cells, not its size.
    void ForEachCell(const TXLSCellArea& area, TXLSCellVisitor& visitor) const override;
    TXLSCellType CellType(const TXLSCellItem& item) const override;
    bool GetBoolean(const TXLSCellItem& item) const override;
    TXLSCellError GetError(const TXLSCellItem& item) const override;
    double GetFloat(const TXLSCellItem& item) const override;
    void GetString(const TXLSCellItem& item, std::u16string& text) const override;
    bool GetFormulaValBoolean(const TXLSCellItem& item) const override;
    TXLSCellError GetFormulaValError(const TXLSCellItem& item) const override;
    double GetFormulaValFloat(const TXLSCellItem& item) const override;
    void GetFormulaValString(const TXLSCellItem& item, std::u16string& text) const override;

    using TXLSCellMMU::GetBoolean;
    using TXLSCellMMU::GetError;
    using TXLSCellMMU::GetFloat;
    using TXLSCellMMU::GetString;

private:
    struct TCell {
        TXLSCellType Type = xctBlank;
        double Float = 0;
        bool Boolean = false;
        TXLSCellError Error = errUnknown;
        std::u16string Text;
    };
    struct TIndexEntry {
        std::uint64_t Key;
        const TCell* Cell;
    };
    TCell& Put(std::int32_t col, std::int32_t row, TXLSCellType type);
    void UpdateDimension();
    const std::vector<TIndexEntry>& Index() const;
    // Keyed by column then row, so a column's cells lie together.
    std::map<std::uint64_t, TCell> FCells;
    // The keys in order in one array, rebuilt by the first walk after a
    // change: walking a range then reads memory in sequence. Like any store,
    // one grid is read from one thread at a time.
    mutable std::vector<TIndexEntry> FIndex;
    mutable bool FIndexValid = false;
};

// The formula context: the error manager (borrowed) and the cell store (owned).
class TXLSCellManager {
public:
    explicit TXLSCellManager(TVYXErrorManager& errors);
    TXLSCellManager(const TXLSCellManager&) = delete;
    TXLSCellManager& operator=(const TXLSCellManager&) = delete;
    virtual ~TXLSCellManager();

    TVYXErrorManager& Errors() const { return FErrors; }
    TXLSCellMMU& Cells() const { return *FCells; }
    // Replaces the store; references evaluated afterwards read the new one.
    void SetCells(std::unique_ptr<TXLSCellMMU> cells);

    // The sheet index of a sheet name: every name is sheet 0 here. A negative
    // answer makes the encoder report an unknown sheet.
    virtual int FindBookmark(std::u16string_view name) const;
    // The index of a named table: there are none here (-1).
    virtual int FindTable(std::u16string_view name) const;

private:
    TVYXErrorManager& FErrors;
    std::unique_ptr<TXLSCellMMU> FCells;
};

// A1 text helpers. Columns and rows are 0-based; "$" marks an absolute part.
bool ColStrToCol(std::u16string_view text, std::int32_t& col);
bool RowStrToRow(std::u16string_view text, std::int32_t& row);
bool RefStrToColRow(std::u16string_view text, std::int32_t& col, std::int32_t& row, bool& absCol, bool& absRow);
bool RefStrToColRow(std::u16string_view text, std::int32_t& col, std::int32_t& row);
bool AreaStrToColRow(std::u16string_view text, std::int32_t& col1, std::int32_t& row1, std::int32_t& col2,
                     std::int32_t& row2, bool& absCol1, bool& absRow1, bool& absCol2, bool& absRow2);
bool AreaStrToColRow(std::u16string_view text, std::int32_t& col1, std::int32_t& row1, std::int32_t& col2,
                     std::int32_t& row2);

std::u16string ColToRefStr(std::int32_t col, bool absolute = false);
std::u16string RowToRefStr(std::int32_t row, bool absolute = false);
std::u16string ColRowToRefStr(std::int32_t col, std::int32_t row, bool absCol = false, bool absRow = false);
std::u16string ColsToRefStr(std::int32_t col1, std::int32_t col2, bool abs1 = false, bool abs2 = false);
std::u16string RowsToRefStr(std::int32_t row1, std::int32_t row2, bool abs1 = false, bool abs2 = false);
std::u16string AreaToRefStr(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2,
                            bool absCol1 = false, bool absRow1 = false, bool absCol2 = false, bool absRow2 = false);
// Like AreaToRefStr, but whole columns print as "A:C" and whole rows as "3:5".
std::u16string ShortAreaToRefStr(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2);

// True when both corners lie inside the grid.
bool XLSAreaInGrid(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2);
