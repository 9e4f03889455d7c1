// VYXCellStore.cpp: the empty and the in-memory cell stores, the formula context and the A1 helpers.
#include "formula/VYXCellStore.h"

#include <algorithm>

#include "platform/VYXErrors.h"

// The empty store: every cell is missing.

bool TXLSCellMMU::FindCell(std::int32_t, std::int32_t, TXLSCellItem& item) const
{
    item.Cell = nullptr;
    return false;
}
TXLSCellType TXLSCellMMU::CellType(const TXLSCellItem&) const { return xctNone; }
bool TXLSCellMMU::GetBoolean(const TXLSCellItem&) const { return false; }
TXLSCellError TXLSCellMMU::GetError(const TXLSCellItem&) const { return errUnknown; }
double TXLSCellMMU::GetFloat(const TXLSCellItem&) const { return 0; }
void TXLSCellMMU::GetString(const TXLSCellItem&, std::u16string& text) const { text.clear(); }
bool TXLSCellMMU::GetFormulaValBoolean(const TXLSCellItem&) const { return false; }
TXLSCellError TXLSCellMMU::GetFormulaValError(const TXLSCellItem&) const { return errUnknown; }
double TXLSCellMMU::GetFormulaValFloat(const TXLSCellItem&) const { return 0; }
void TXLSCellMMU::GetFormulaValString(const TXLSCellItem&, std::u16string& text) const { text.clear(); }

void TXLSCellMMU::ForEachCell(const TXLSCellArea& area, TXLSCellVisitor& visitor) const
{
    TXLSCellItem item;
    for (std::int32_t c = std::max(area.Col1, FDimension.Col1); c <= std::min(area.Col2, FDimension.Col2); ++c)
        for (std::int32_t r = std::max(area.Row1, FDimension.Row1); r <= std::min(area.Row2, FDimension.Row2); ++r)
            if (FindCell(c, r, item))
                visitor.Visit(c, r, item);
}

bool TXLSCellMMU::GetBoolean(std::int32_t col, std::int32_t row, bool& value) const
{
    TXLSCellItem item;
    value = false;
    if (!FindCell(col, row, item))
        return false;
    switch (CellType(item)) {
    case xctBoolean: value = GetBoolean(item); return true;
    case xctBooleanFormula: value = GetFormulaValBoolean(item); return true;
    default: return false;
    }
}

bool TXLSCellMMU::GetError(std::int32_t col, std::int32_t row, TXLSCellError& err) const
{
    TXLSCellItem item;
    err = errUnknown;
    if (!FindCell(col, row, item))
        return false;
    switch (CellType(item)) {
    case xctError: err = GetError(item); return true;
    case xctErrorFormula: err = GetFormulaValError(item); return true;
    default: return false;
    }
}

double TXLSCellMMU::GetFloat(std::int32_t col, std::int32_t row) const
{
    double value = 0;
    bool isEmpty = false;
    AsFloat(col, row, value, isEmpty);
    return value;
}

bool TXLSCellMMU::GetString(std::int32_t col, std::int32_t row, std::u16string& text) const
{
    TXLSCellItem item;
    text.clear();
    if (!FindCell(col, row, item))
        return false;
    switch (CellType(item)) {
    case xctString: GetString(item, text); return true;
    case xctStringFormula: GetFormulaValString(item, text); return true;
    default: return false;
    }
}

bool TXLSCellMMU::AsFloat(std::int32_t col, std::int32_t row, double& value, bool& isEmpty) const
{
    TXLSCellItem item;
    value = 0;
    isEmpty = !FindCell(col, row, item);
    if (isEmpty)
        return false;
    switch (CellType(item)) {
    case xctFloat: value = GetFloat(item); return true;
    case xctFloatFormula: value = GetFormulaValFloat(item); return true;
    case xctNone:
    case xctBlank: isEmpty = true; return false;
    default: return false;
    }
}

// The in-memory grid.

namespace {
// Column-major: the cells of a column lie together, as ranges mostly take them.
std::uint64_t CellKey(std::int32_t col, std::int32_t row)
{
    return (static_cast<std::uint64_t>(col) << 20) | static_cast<std::uint64_t>(row);
}
std::int32_t KeyCol(std::uint64_t key) { return static_cast<std::int32_t>(key >> 20); }
std::int32_t KeyRow(std::uint64_t key) { return static_cast<std::int32_t>(key & 0xFFFFF); }
}  // namespace

TXLSGridCellStore::TCell& TXLSGridCellStore::Put(std::int32_t col, std::int32_t row, TXLSCellType type)
{
    if (col < 0 || col > cXLSMaxCol || row < 0 || row > cXLSMaxRow)
        throw VYXException("Cell outside the grid");
    FIndexValid = false;
    TCell& cell = FCells[CellKey(col, row)];
    cell = TCell();
    cell.Type = type;
    if (FDimension.Row2 < FDimension.Row1) {
        FDimension = {row, row, col, col};
    } else {
        FDimension.Row1 = std::min(FDimension.Row1, row);
        FDimension.Row2 = std::max(FDimension.Row2, row);
        FDimension.Col1 = std::min(FDimension.Col1, col);
        FDimension.Col2 = std::max(FDimension.Col2, col);
    }
    return cell;
}

void TXLSGridCellStore::SetFloat(std::int32_t col, std::int32_t row, double value, bool isFormula)
{
    Put(col, row, isFormula ? xctFloatFormula : xctFloat).Float = value;
}

void TXLSGridCellStore::SetString(std::int32_t col, std::int32_t row, std::u16string_view text, bool isFormula)
{
    Put(col, row, isFormula ? xctStringFormula : xctString).Text = text;
}

void TXLSGridCellStore::SetBoolean(std::int32_t col, std::int32_t row, bool value, bool isFormula)
{
    Put(col, row, isFormula ? xctBooleanFormula : xctBoolean).Boolean = value;
}

void TXLSGridCellStore::SetError(std::int32_t col, std::int32_t row, TXLSCellError err, bool isFormula)
{
    Put(col, row, isFormula ? xctErrorFormula : xctError).Error = err;
}

void TXLSGridCellStore::SetBlank(std::int32_t col, std::int32_t row) { Put(col, row, xctBlank); }

void TXLSGridCellStore::Delete(std::int32_t col, std::int32_t row)
{
    if (FCells.erase(CellKey(col, row))) {
        FIndexValid = false;
        UpdateDimension();
    }
}

void TXLSGridCellStore::Clear()
{
    FCells.clear();
    FIndexValid = false;
    FDimension = TXLSCellArea();
}

void TXLSGridCellStore::UpdateDimension()
{
    FDimension = TXLSCellArea();
    bool first = true;
    for (const auto& [key, cell] : FCells) {
        const std::int32_t row = KeyRow(key), col = KeyCol(key);
        if (first) {
            FDimension = {row, row, col, col};
            first = false;
        }
        FDimension.Col2 = col;  // keys ascend by column
        FDimension.Row1 = std::min(FDimension.Row1, row);
        FDimension.Row2 = std::max(FDimension.Row2, row);
    }
}

const std::vector<TXLSGridCellStore::TIndexEntry>& TXLSGridCellStore::Index() const
{
    if (!FIndexValid) {
        FIndex.clear();
        FIndex.reserve(FCells.size());
        for (const auto& [key, cell] : FCells)
            FIndex.push_back({key, &cell});
        FIndexValid = true;
    }
    return FIndex;
}

void TXLSGridCellStore::ForEachCell(const TXLSCellArea& area, TXLSCellVisitor& visitor) const
{
    if (area.Row1 > area.Row2 || area.Col1 > area.Col2)
        return;
    const std::vector<TIndexEntry>& index = Index();
    const auto from = [&index](std::uint64_t key) {
        return std::lower_bound(index.begin(), index.end(), key,
                                [](const TIndexEntry& e, std::uint64_t k) { return e.Key < k; });
    };
    const std::uint64_t last = CellKey(area.Col2, area.Row2);
    for (auto it = from(CellKey(area.Col1, area.Row1)); it != index.end() && it->Key <= last;) {
        const std::int32_t row = KeyRow(it->Key), col = KeyCol(it->Key);
        if (row >= area.Row1 && row <= area.Row2) {
            visitor.Visit(col, row, TXLSCellItem{it->Cell});
            ++it;
        } else {
            // Outside the rows: go on at the area's first row of this column or the next.
            it = from(CellKey(row < area.Row1 ? col : col + 1, area.Row1));
        }
    }
}

bool TXLSGridCellStore::FindCell(std::int32_t col, std::int32_t row, TXLSCellItem& item) const
{
    item.Cell = nullptr;
    if (col < 0 || col > cXLSMaxCol || row < 0 || row > cXLSMaxRow)
        return false;
    const auto it = FCells.find(CellKey(col, row));
    if (it == FCells.end())
        return false;
    item.Cell = &it->second;
    return true;
}

namespace {
template <class TCellT>
const TCellT* AsCell(const TXLSCellItem& item)
{
    return static_cast<const TCellT*>(item.Cell);
}
}  // namespace

TXLSCellType TXLSGridCellStore::CellType(const TXLSCellItem& item) const
{
    const auto* c = AsCell<TCell>(item);
    return c ? c->Type : xctNone;
}
bool TXLSGridCellStore::GetBoolean(const TXLSCellItem& item) const
{
    const auto* c = AsCell<TCell>(item);
    return c && c->Boolean;
}
TXLSCellError TXLSGridCellStore::GetError(const TXLSCellItem& item) const
{
    const auto* c = AsCell<TCell>(item);
    return c ? c->Error : errUnknown;
}
double TXLSGridCellStore::GetFloat(const TXLSCellItem& item) const
{
    const auto* c = AsCell<TCell>(item);
    return c ? c->Float : 0;
}
void TXLSGridCellStore::GetString(const TXLSCellItem& item, std::u16string& text) const
{
    const auto* c = AsCell<TCell>(item);
    if (c)
        text = c->Text;
    else
        text.clear();
}
bool TXLSGridCellStore::GetFormulaValBoolean(const TXLSCellItem& item) const { return GetBoolean(item); }
TXLSCellError TXLSGridCellStore::GetFormulaValError(const TXLSCellItem& item) const { return GetError(item); }
double TXLSGridCellStore::GetFormulaValFloat(const TXLSCellItem& item) const { return GetFloat(item); }
void TXLSGridCellStore::GetFormulaValString(const TXLSCellItem& item, std::u16string& text) const
{
    GetString(item, text);
}

// The formula context.

TXLSCellManager::TXLSCellManager(TVYXErrorManager& errors)
    : FErrors(errors), FCells(std::make_unique<TXLSCellMMU>())
{
}

TXLSCellManager::~TXLSCellManager() = default;

void TXLSCellManager::SetCells(std::unique_ptr<TXLSCellMMU> cells)
{
    FCells = cells ? std::move(cells) : std::make_unique<TXLSCellMMU>();
}

int TXLSCellManager::FindBookmark(std::u16string_view) const { return 0; }
int TXLSCellManager::FindTable(std::u16string_view) const { return -1; }

// A1 helpers.

namespace {

bool IsUpperLetter(char16_t c) { return c >= u'A' && c <= u'Z'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads "$"? letters at `i`; the column is 0-based. Stops at the first non-letter.
bool ScanCol(std::u16string_view text, std::size_t& i, std::int32_t& col, bool& absolute)
{
    absolute = i < text.size() && text[i] == u'$';
    if (absolute)
        ++i;
    const std::size_t start = i;
    std::int32_t value = 0;
    while (i < text.size() && IsUpperLetter(text[i])) {
        value = value * 26 + (text[i] - u'A' + 1);
        if (value > cXLSMaxCol + 1)
            return false;
        ++i;
    }
    col = value - 1;
    return i > start;
}

bool ScanRow(std::u16string_view text, std::size_t& i, std::int32_t& row, bool& absolute)
{
    absolute = i < text.size() && text[i] == u'$';
    if (absolute)
        ++i;
    const std::size_t start = i;
    std::int64_t value = 0;
    while (i < text.size() && IsDigit(text[i])) {
        value = value * 10 + (text[i] - u'0');
        if (value > cXLSMaxRow + 1)
            return false;
        ++i;
    }
    row = static_cast<std::int32_t>(value - 1);
    return i > start && value >= 1;
}

}  // namespace

bool ColStrToCol(std::u16string_view text, std::int32_t& col)
{
    std::size_t i = 0;
    bool absolute = false;
    return ScanCol(text, i, col, absolute) && i == text.size();
}

bool RowStrToRow(std::u16string_view text, std::int32_t& row)
{
    std::size_t i = 0;
    bool absolute = false;
    return ScanRow(text, i, row, absolute) && i == text.size() && !absolute;
}

bool RefStrToColRow(std::u16string_view text, std::int32_t& col, std::int32_t& row, bool& absCol, bool& absRow)
{
    std::size_t i = 0;
    return ScanCol(text, i, col, absCol) && ScanRow(text, i, row, absRow) && i == text.size();
}

bool RefStrToColRow(std::u16string_view text, std::int32_t& col, std::int32_t& row)
{
    bool absCol = false, absRow = false;
    return RefStrToColRow(text, col, row, absCol, absRow);
}

bool AreaStrToColRow(std::u16string_view text, std::int32_t& col1, std::int32_t& row1, std::int32_t& col2,
                     std::int32_t& row2, bool& absCol1, bool& absRow1, bool& absCol2, bool& absRow2)
{
    const auto colon = text.find(u':');
    if (colon == std::u16string_view::npos)
        return false;
    return RefStrToColRow(text.substr(0, colon), col1, row1, absCol1, absRow1) &&
           RefStrToColRow(text.substr(colon + 1), col2, row2, absCol2, absRow2);
}

bool AreaStrToColRow(std::u16string_view text, std::int32_t& col1, std::int32_t& row1, std::int32_t& col2,
                     std::int32_t& row2)
{
    bool a = false, b = false, c = false, d = false;
    return AreaStrToColRow(text, col1, row1, col2, row2, a, b, c, d);
}

std::u16string ColToRefStr(std::int32_t col, bool absolute)
{
    std::u16string out;
    if (absolute)
        out += u'$';
    col = std::clamp(col, 0, cXLSMaxCol);
    if (col < 26) {
        out += static_cast<char16_t>(u'A' + col);
    } else if (col < 702) {
        out += static_cast<char16_t>(u'A' + col / 26 - 1);
        out += static_cast<char16_t>(u'A' + col % 26);
    } else {
        const std::int32_t rest = col - 702;
        out += static_cast<char16_t>(u'A' + rest / 676);
        out += static_cast<char16_t>(u'A' + (rest / 26) % 26);
        out += static_cast<char16_t>(u'A' + rest % 26);
    }
    return out;
}

std::u16string RowToRefStr(std::int32_t row, bool absolute)
{
    std::u16string out;
    if (absolute)
        out += u'$';
    for (char c : std::to_string(static_cast<long long>(row) + 1))
        out += static_cast<char16_t>(c);
    return out;
}

std::u16string ColRowToRefStr(std::int32_t col, std::int32_t row, bool absCol, bool absRow)
{
    return ColToRefStr(col, absCol) + RowToRefStr(row, absRow);
}

std::u16string ColsToRefStr(std::int32_t col1, std::int32_t col2, bool abs1, bool abs2)
{
    return ColToRefStr(col1, abs1) + u':' + ColToRefStr(col2, abs2);
}

std::u16string RowsToRefStr(std::int32_t row1, std::int32_t row2, bool abs1, bool abs2)
{
    return RowToRefStr(row1, abs1) + u':' + RowToRefStr(row2, abs2);
}

std::u16string AreaToRefStr(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2,
                            bool absCol1, bool absRow1, bool absCol2, bool absRow2)
{
    std::u16string out = ColRowToRefStr(col1, row1, absCol1, absRow1);
    if (col1 != col2 || row1 != row2 || absCol1 != absCol2 || absRow1 != absRow2)
        out += u':' + ColRowToRefStr(col2, row2, absCol2, absRow2);
    return out;
}

std::u16string ShortAreaToRefStr(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2)
{
    if (row1 == 0 && row2 == cXLSMaxRow)
        return ColsToRefStr(col1, col2);
    if (col1 == 0 && col2 == cXLSMaxCol)
        return RowsToRefStr(row1, row2);
    return AreaToRefStr(col1, row1, col2, row2);
}

bool XLSAreaInGrid(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2)
{
    return col1 >= 0 && col1 <= cXLSMaxCol && col2 >= 0 && col2 <= cXLSMaxCol && row1 >= 0 &&
           row1 <= cXLSMaxRow && row2 >= 0 && row2 <= cXLSMaxRow;
}
