// VYXFuncLookup.cpp: handlers of the lookup and reference functions.
//
// Exact text matches (VLOOKUP, HLOOKUP and MATCH type 0) use
// the file-name mask rules: case-insensitive, "*" any run, "?" one character.
// Approximate lookups take the last entry that compares less than or equal to
// the value (text case-insensitively), which on sorted data is the usual
// answer. A column or row index past the table gives #REF!, below 1 #VALUE!.
// ADDRESS joins a sheet name with "!".
#include <algorithm>
#include <cmath>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncAddIns.h"
#include "formula/VYXFuncCommon.h"
#include "formula/VYXFuncCriteria.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

namespace {

bool ExactMatch(const TXLSFormulaValue& key, const TXLSFormulaValue& cell)
{
    if (key.ValType == xfvtString && cell.ValType == xfvtString)
        return XLSMaskMatches(key.vStr, cell.vStr);
    const auto c = XLSCompareSameKind(key, cell);
    return c && *c == 0;
}

// A line of cells: a row or a column of an argument, from its top-left corner.
struct TLine {
    const TValueStack& Stack;
    const TXLSFormulaValue& Arg;
    bool ByRow;     // walk along the first row (true) or the first column
    int Offset = 0; // the row (or column) of the line inside the argument

    // Cells past the store's dimension are empty and never match.
    int Size() const
    {
        const int size = ByRow ? XLSArgCols(Arg) : XLSArgRows(Arg);
        if (Arg.RefType != xfrtArea)
            return size;
        const TXLSCellArea& dim = Stack.CellsOf(Arg).PDimension();
        const std::int64_t stored = ByRow ? std::int64_t{dim.Col2} - Arg.Col1 + 1 : std::int64_t{dim.Row2} - Arg.Row1 + 1;
        return static_cast<int>(std::clamp<std::int64_t>(stored, 0, size));
    }
    void Cell(int i, TXLSFormulaValue& out) const
    {
        XLSArgCell(Stack, Arg, ByRow ? Offset : i, ByRow ? i : Offset, out);
    }
};

// The 0-based index of the match in a line, or -1. type: 0 exact, 1 last
// entry <= key, -1 last entry >= key.
int FindInLine(const TLine& line, const TXLSFormulaValue& key, int type)
{
    TXLSFormulaValue cell;
    int found = -1;
    const int size = line.Size();
    for (int i = 0; i < size; ++i) {
        line.Cell(i, cell);
        if (type == 0) {
            if (ExactMatch(key, cell))
                return i;
            continue;
        }
        const auto c = XLSCompareSameKind(cell, key);
        if (!c)
            continue;
        if (type > 0 ? *c <= 0 : *c >= 0)
            found = i;
    }
    return found;
}

// The lookup value as a plain value; false after pushing its error.
bool LookupKey(TValueStack& stack, const TXLSFormulaValue& arg, TXLSFormulaValue& key)
{
    stack.Resolve(arg, key);
    if (key.ValType == xfvtError)
        return stack.HandleError(key.vErr);
    if (key.ValType == xfvtUnknown)
        key.SetFloat(0);
    return true;
}

template <bool Vertical>
void DoTableLookup(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    bool approximate = true;
    double index = 0;
    TXLSFormulaValue key;
    if (args.size() > 3 && !call.Stack.HandleError(call.Stack.GetAsBoolean(*args[3], approximate)))
        return;
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(*args[2], index)) || !LookupKey(call.Stack, *args[0], key))
        return;
    const TXLSFormulaValue& table = *args[1];
    if (table.ValType == xfvtError && table.RefType == xfrtNone) {
        call.Stack.SetError(table.vErr);
        return;
    }
    index = std::trunc(index);
    const int width = Vertical ? XLSArgCols(table) : XLSArgRows(table);
    if (index < 1 || index > width) {
        call.Stack.SetError(index < 1 ? errValue : errRef);
        return;
    }
    const TLine keys{call.Stack, table, !Vertical};
    const int at = FindInLine(keys, key, approximate ? 1 : 0);
    if (at < 0) {
        call.Stack.SetError(errNA);
        return;
    }
    TXLSFormulaValue result;
    const int other = static_cast<int>(index) - 1;
    XLSArgCell(call.Stack, table, Vertical ? at : other, Vertical ? other : at, result);
    call.Stack.PushValue(result);
}

void DoMatch(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    double type = 1;
    TXLSFormulaValue key;
    if (args.size() > 2 && !call.Stack.HandleError(call.Stack.GetAsFloat(*args[2], type)))
        return;
    if (!LookupKey(call.Stack, *args[0], key))
        return;
    const TXLSFormulaValue& array = *args[1];
    if (XLSArgRows(array) > 1 && XLSArgCols(array) > 1) {
        call.Stack.SetError(errNA);
        return;
    }
    const TLine line{call.Stack, array, XLSArgRows(array) == 1};
    const int at = FindInLine(line, key, type > 0 ? 1 : (type < 0 ? -1 : 0));
    if (at < 0)
        call.Stack.SetError(errNA);
    else
        call.Stack.PushInt(at + 1);
}

// LOOKUP(value, vector, [result]): without a result vector a table is searched
// along its longer side and answers from its last row or column.
void DoLookup(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    TXLSFormulaValue key;
    if (!LookupKey(call.Stack, *args[0], key))
        return;
    const TXLSFormulaValue& search = *args[1];
    const bool byRow = XLSArgCols(search) > XLSArgRows(search);
    const int at = FindInLine(TLine{call.Stack, search, byRow}, key, 1);
    if (at < 0) {
        call.Stack.SetError(errNA);
        return;
    }
    TXLSFormulaValue result;
    if (args.size() > 2) {
        const TXLSFormulaValue& answers = *args[2];
        const bool answersByRow = XLSArgRows(answers) == 1;
        if (at >= (answersByRow ? XLSArgCols(answers) : XLSArgRows(answers))) {
            call.Stack.SetError(errNA);
            return;
        }
        XLSArgCell(call.Stack, answers, answersByRow ? 0 : at, answersByRow ? at : 0, result);
    } else {
        XLSArgCell(call.Stack, search, byRow ? XLSArgRows(search) - 1 : at, byRow ? at : XLSArgCols(search) - 1,
                   result);
    }
    call.Stack.PushValue(result);
}

// ROW and COLUMN: of the reference's top-left cell, or of the formula's own cell.
template <bool Row>
void DoRowCol(TXLSFuncCall& call)
{
    if (call.ArgCount == 0) {
        call.Stack.PushInt((Row ? call.Stack.Row() : call.Stack.Col()) + 1);
        return;
    }
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    if (arg->RefType == xfrtNone)
        call.Stack.SetError(arg->ValType == xfvtError ? arg->vErr : errValue);
    else
        call.Stack.PushInt((Row ? arg->Row1 : arg->Col1) + 1);
}

template <bool Rows>
void DoRowsCols(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    if (arg->RefType == xfrtNone && arg->ValType == xfvtError)
        call.Stack.SetError(arg->vErr);
    else
        call.Stack.PushInt(Rows ? XLSArgRows(*arg) : XLSArgCols(*arg));
}

void DoAreas(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    if (arg->RefType == xfrtNone)
        call.Stack.SetError(arg->ValType == xfvtError ? arg->vErr : errValue);
    else
        call.Stack.PushInt(1);
}

// Pushes the reference (a cell when 1 x 1); outside the grid #REF!.
void PushReference(TValueStack& stack, std::int64_t col1, std::int64_t row1, std::int64_t col2, std::int64_t row2)
{
    const auto inGrid = [](std::int64_t v, std::int64_t max) { return v >= 0 && v <= max; };
    if (!inGrid(col1, 16383) || !inGrid(col2, 16383) || !inGrid(row1, 1048575) || !inGrid(row2, 1048575)) {
        stack.PushError(errRef);
        return;
    }
    const auto c1 = static_cast<std::int32_t>(col1), c2 = static_cast<std::int32_t>(col2);
    const auto r1 = static_cast<std::int32_t>(row1), r2 = static_cast<std::int32_t>(row2);
    if (c1 == c2 && r1 == r2)
        stack.PushCell(c1, r1);
    else
        stack.PushArea(c1, r1, c2, r2);
}

void DoOffset(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    const TXLSFormulaValue& base = *args[0];
    if (base.RefType == xfrtNone) {
        call.Stack.SetError(base.ValType == xfvtError ? base.vErr : errValue);
        return;
    }
    double d[4] = {0, 0, static_cast<double>(XLSArgRows(base)), static_cast<double>(XLSArgCols(base))};
    for (std::size_t i = args.size() - 1; i >= 1; --i)
        if (args[i]->ValType != xfvtUnknown && !call.Stack.HandleError(call.Stack.GetAsFloat(*args[i], d[i - 1])))
            return;
    const auto rows = static_cast<std::int64_t>(std::trunc(d[0])), cols = static_cast<std::int64_t>(std::trunc(d[1]));
    const auto height = static_cast<std::int64_t>(std::trunc(d[2])), width = static_cast<std::int64_t>(std::trunc(d[3]));
    if (height < 1 || width < 1) {
        call.Stack.SetError(errRef);
        return;
    }
    const std::int64_t col1 = base.Col1 + cols, row1 = base.Row1 + rows;
    PushReference(call.Stack, col1, row1, col1 + width - 1, row1 + height - 1);
}

// INDEX(reference, row, [column], [area]): the cell, or with row or column 0
// the whole column or row, as a reference. A one-row table takes a lone
// index as its column. There is one area, so only area 1 exists.
void DoIndex(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    double d[3] = {0, 0, 1};
    for (std::size_t i = args.size() - 1; i >= 1; --i)
        if (!XLSIsMissing(*args[i]) && !call.Stack.HandleError(call.Stack.GetAsFloat(*args[i], d[i - 1])))
            return;
    const TXLSFormulaValue& table = *args[0];
    if (table.RefType == xfrtNone && table.ValType == xfvtError) {
        call.Stack.SetError(table.vErr);
        return;
    }
    double row = std::trunc(d[0]), col = std::trunc(d[1]);
    const int rows = XLSArgRows(table), cols = XLSArgCols(table);
    if (args.size() == 2 && rows == 1 && cols > 1)
        std::swap(row, col);
    if (row < 0 || col < 0 || std::trunc(d[2]) < 1) {
        call.Stack.SetError(errValue);
        return;
    }
    if (row > rows || col > cols || std::trunc(d[2]) > 1) {
        call.Stack.SetError(errRef);
        return;
    }
    if (table.RefType != xfrtArea) {
        call.Stack.PushValue(table);
        return;
    }
    const std::int64_t r1 = row ? table.Row1 + std::int64_t(row) - 1 : table.Row1;
    const std::int64_t r2 = row ? r1 : table.Row2;
    const std::int64_t c1 = col ? table.Col1 + std::int64_t(col) - 1 : table.Col1;
    const std::int64_t c2 = col ? c1 : table.Col2;
    if (table.IsArray()) {
        // An array constant has no cells to refer to: its element, or the
        // part of it, is a value of its own.
        if (r1 == r2 && c1 == c2) {
            TXLSFormulaValue element;
            call.Stack.LoadCellOf(table, element, static_cast<std::int32_t>(c1), static_cast<std::int32_t>(r1));
            call.Stack.PushValue(element);
            return;
        }
        TXLSFormulaValue part = table;
        part.Col1 = static_cast<std::int32_t>(c1);
        part.Row1 = static_cast<std::int32_t>(r1);
        part.Col2 = static_cast<std::int32_t>(c2);
        part.Row2 = static_cast<std::int32_t>(r2);
        call.Stack.PushValue(part);
        return;
    }
    PushReference(call.Stack, c1, r1, c2, r2);
}

// "R5C3" style references, absolute only.
bool ParseR1C1(std::u16string_view text, std::int32_t& col, std::int32_t& row)
{
    const std::u16string upper = AsciiUpper(text);
    const std::size_t c = upper.find(u'C');
    if (upper.size() < 4 || upper[0] != u'R' || c == std::u16string::npos || c < 2 || c + 1 >= upper.size())
        return false;
    const auto r = VYXStrToFloat(std::u16string_view(upper).substr(1, c - 1));
    const auto k = VYXStrToFloat(std::u16string_view(upper).substr(c + 1));
    if (!r || !k || *r < 1 || *k < 1 || *r > 1048576 || *k > 16384)
        return false;
    row = static_cast<std::int32_t>(*r) - 1;
    col = static_cast<std::int32_t>(*k) - 1;
    return true;
}

void DoIndirect(TXLSFuncCall& call)
{
    bool a1 = true;
    std::u16string text;
    if (call.ArgCount > 1 && !call.Stack.PopResBoolean(a1))
        return;
    if (!call.Stack.PopResStr(text))
        return;
    // Every sheet name stands for the one grid here.
    if (const std::size_t bang = text.rfind(u'!'); bang != std::u16string::npos)
        text.erase(0, bang + 1);
    std::int32_t col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    if (a1 ? AreaStrToColRow(text, col1, row1, col2, row2) : false) {
        PushReference(call.Stack, col1, row1, col2, row2);
    } else if (a1 ? RefStrToColRow(text, col1, row1) : ParseR1C1(text, col1, row1)) {
        PushReference(call.Stack, col1, row1, col1, row1);
    } else {
        call.Stack.SetError(errRef);
    }
}

void DoAddress(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    double row = 0, col = 0, absKind = 1;
    bool a1 = true;
    std::u16string sheet;
    if (args.size() > 4 && !call.Stack.HandleError(call.Stack.GetAsString(*args[4], sheet)))
        return;
    if (args.size() > 3 && args[3]->ValType != xfvtUnknown &&
        !call.Stack.HandleError(call.Stack.GetAsBoolean(*args[3], a1)))
        return;
    if (args.size() > 2 && args[2]->ValType != xfvtUnknown &&
        !call.Stack.HandleError(call.Stack.GetAsFloat(*args[2], absKind)))
        return;
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(*args[1], col)) ||
        !call.Stack.HandleError(call.Stack.GetAsFloat(*args[0], row)))
        return;
    row = std::trunc(row);
    col = std::trunc(col);
    absKind = std::trunc(absKind);
    if (row < 1 || col < 1 || row > 1048576 || col > 16384 || absKind < 1 || absKind > 4) {
        call.Stack.SetError(errValue);
        return;
    }
    const bool absRow = absKind == 1 || absKind == 2, absCol = absKind == 1 || absKind == 3;
    const auto r = static_cast<std::int32_t>(row), c = static_cast<std::int32_t>(col);
    std::u16string out;
    if (!sheet.empty()) {
        const bool quote = sheet.find_first_of(u" '-!") != std::u16string::npos;
        out = quote ? u"'" + sheet + u"'!" : sheet + u"!";
    }
    if (a1) {
        out += ColRowToRefStr(c - 1, r - 1, absCol, absRow);
    } else {
        const auto part = [](char16_t letter, std::int32_t n, bool absolute) {
            const std::u16string num = VYXFloatToStr(n);
            return std::u16string(1, letter) + (absolute ? num : u"[" + num + u"]");
        };
        out += part(u'R', r, absRow) + part(u'C', c, absCol);
    }
    call.Stack.PushString(out);
}

void DoHyperlink(TXLSFuncCall& call)
{
    std::u16string link, shown;
    if (call.ArgCount > 1 && !call.Stack.PopResStr(shown))
        return;
    if (!call.Stack.PopResStr(link))
        return;
    call.Stack.PushString(call.ArgCount > 1 ? shown : link);
}

const TXLSFuncEntry cLookupFunctions[] = {
    {"ADDRESS", DoAddress},        {"AREAS", DoAreas},     {"COLUMN", DoRowCol<false>},
    {"COLUMNS", DoRowsCols<false>}, {"HLOOKUP", DoTableLookup<false>}, {"HYPERLINK", DoHyperlink},
    {"INDEX", DoIndex},          {"INDIRECT", DoIndirect},      {"LOOKUP", DoLookup},   {"MATCH", DoMatch},
    {"OFFSET", DoOffset},          {"ROW", DoRowCol<true>},         {"ROWS", DoRowsCols<true>},
    {"VLOOKUP", DoTableLookup<true>},
};

}  // namespace

void XLSRegisterLookupFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cLookupFunctions); }

std::function<bool(const TXLSFormulaValue&)> XLSMakeCriterion(const TValueStack& stack,
                                                               const TXLSFormulaValue& criteria)
{
    return [cond = XLSParseCondition(stack, criteria)](const TXLSFormulaValue& cell) {
        return XLSConditionMatches(cond, cell);
    };
}

bool XLSWildcardMatch(std::u16string_view mask, std::u16string_view text) { return XLSMaskMatches(mask, text); }
