// VYXFuncDatabase.cpp: the database functions DSUM, DCOUNT, DAVERAGE, DGET and their kin.
//
// A database is an area whose first row names its fields; the field argument
// is a name (case-insensitive) or a 1-based column number. The criteria area
// has names in its first row and conditions below: the conditions of one row
// must all hold (AND), any row may hold (OR); an empty condition holds for
// every record, so a criteria row left empty selects all records. Conditions
// read like the criteria of COUNTIF ("<10", "a*", "=" for blank). A criteria
// name that is not a field of the database is met by no record. Records are
// read inside the cell store's dimension. Without a field DCOUNT and DCOUNTA
// count the matching records.
#include <algorithm>
#include <cmath>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncCommon.h"
#include "formula/VYXFuncCriteria.h"
#include "platform/VYXUnicode.h"

namespace {

enum TDbKind { dbAverage, dbCount, dbCountA, dbGet, dbMax, dbMin, dbProduct, dbStdev, dbStdevP, dbSum, dbVar, dbVarP };

struct TCriteriaCell {
    int Column;  // database column, -1 when the name is not a field
    TXLSCondition Cond;
};

// The database column whose header is `name`, or -1.
int FindField(const TValueStack& stack, const TXLSFormulaValue& db, const std::u16string& name)
{
    TXLSFormulaValue cell;
    std::u16string header;
    for (int c = 0; c < XLSArgCols(db); ++c) {
        XLSArgCell(stack, db, 0, c, cell);
        if (cell.ValType == xfvtUnknown || stack.GetAsString(cell, header) != errUnknown)
            continue;
        if (AsciiUpper(header) == AsciiUpper(name) || UnicodeLower(header) == UnicodeLower(name))
            return c;
    }
    return -1;
}

// The criteria rows; false (after pushing) when the criteria are not an area.
bool ReadCriteria(TValueStack& stack, const TXLSFormulaValue& db, const TXLSFormulaValue& criteria,
                  std::vector<std::vector<TCriteriaCell>>& rows)
{
    if (criteria.RefType != xfrtArea || XLSArgRows(criteria) < 2)
        return stack.HandleError(errValue);
    const int cols = std::min(XLSArgCols(criteria), 256);
    // Rows past the store's dimension are empty: one of them stands for all.
    const TXLSCellArea& dim = stack.CellsOf(criteria).PDimension();
    const int last = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{dim.Row2} - criteria.Row1 + 1, 1,
                                                               XLSArgRows(criteria) - 1));
    std::vector<int> fields(static_cast<std::size_t>(cols));
    TXLSFormulaValue cell;
    std::u16string name;
    for (int c = 0; c < cols; ++c) {
        XLSArgCell(stack, criteria, 0, c, cell);
        fields[static_cast<std::size_t>(c)] =
            cell.ValType == xfvtUnknown || stack.GetAsString(cell, name) != errUnknown ? -1 : FindField(stack, db, name);
    }
    for (int r = 1; r <= last; ++r) {
        std::vector<TCriteriaCell>& row = rows.emplace_back();
        for (int c = 0; c < cols; ++c) {
            XLSArgCell(stack, criteria, r, c, cell);
            if (cell.ValType == xfvtUnknown || (cell.ValType == xfvtString && cell.vStr.empty()))
                continue;
            row.push_back({fields[static_cast<std::size_t>(c)], XLSParseCondition(stack, cell)});
        }
    }
    return true;
}

bool RecordMatches(const TValueStack& stack, const TXLSFormulaValue& db, int record,
                   const std::vector<std::vector<TCriteriaCell>>& rows)
{
    TXLSFormulaValue cell;
    for (const auto& row : rows) {
        bool all = true;
        for (const TCriteriaCell& k : row) {
            if (k.Column < 0) {
                all = false;
                break;
            }
            XLSArgCell(stack, db, record, k.Column, cell);
            if (!XLSConditionMatches(k.Cond, cell)) {
                all = false;
                break;
            }
        }
        if (all)
            return true;
    }
    return false;
}

template <TDbKind Kind>
void DoDatabase(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    const TXLSFormulaValue& db = *args[0];
    if (db.RefType != xfrtArea || XLSArgRows(db) < 2) {
        call.Stack.SetError(db.ValType == xfvtError && db.RefType == xfrtNone ? db.vErr : errValue);
        return;
    }
    // The field: a column number, a field name, or nothing (count records).
    int field = -1;
    TXLSFormulaValue f;
    call.Stack.Resolve(*args[1], f);
    if (f.ValType == xfvtError) {
        call.Stack.SetError(f.vErr);
        return;
    }
    if (f.ValType == xfvtFloat || f.ValType == xfvtBoolean) {
        const double n = f.ValType == xfvtFloat ? std::trunc(f.vFloat) : f.vBool;
        field = n >= 1 && n <= XLSArgCols(db) ? static_cast<int>(n) - 1 : -2;
    } else if (f.ValType == xfvtString) {
        field = FindField(call.Stack, db, f.vStr);
        if (field < 0)
            field = -2;
    }
    if (field == -2 || (field < 0 && Kind != dbCount && Kind != dbCountA)) {
        call.Stack.SetError(errValue);
        return;
    }
    std::vector<std::vector<TCriteriaCell>> criteria;
    if (!ReadCriteria(call.Stack, db, *args[2], criteria))
        return;
    const TXLSCellArea& dim = call.Stack.CellsOf(db).PDimension();
    const int records = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{dim.Row2} - db.Row1, 0, XLSArgRows(db) - 1));
    std::vector<double> values;
    double count = 0;
    TXLSFormulaValue cell, found;
    int matches = 0;
    for (int r = 1; r <= records; ++r) {
        if (!RecordMatches(call.Stack, db, r, criteria))
            continue;
        ++matches;
        if (field < 0) {
            ++count;
            continue;
        }
        XLSArgCell(call.Stack, db, r, field, cell);
        if (Kind == dbGet)
            found = cell;
        else if (Kind == dbCountA)
            count += cell.ValType != xfvtUnknown;
        else if (cell.ValType == xfvtFloat)
            values.push_back(cell.vFloat);
    }
    const double n = static_cast<double>(values.size());
    double sum = 0, product = 1;
    for (double v : values) {
        sum += v;
        product *= v;
    }
    const auto variance = [&](bool sample) {
        double s = 0;
        for (double v : values)
            s += (v - sum / n) * (v - sum / n);
        return s / (sample ? n - 1 : n);
    };
    switch (Kind) {
    case dbCount: call.Stack.PushFloat(field < 0 ? count : n); break;
    case dbCountA: call.Stack.PushFloat(count); break;
    case dbGet:
        if (matches != 1)
            call.Stack.SetError(matches ? errNum : errValue);
        else
            call.Stack.PushValue(found);
        break;
    case dbSum: XLSPushChecked(call.Stack, sum); break;
    case dbProduct: XLSPushChecked(call.Stack, n ? product : 0); break;
    case dbAverage: n ? XLSPushChecked(call.Stack, sum / n) : call.Stack.SetError(errDiv0); break;
    case dbMax: call.Stack.PushFloat(n ? *std::max_element(values.begin(), values.end()) : 0); break;
    case dbMin: call.Stack.PushFloat(n ? *std::min_element(values.begin(), values.end()) : 0); break;
    case dbStdev: n > 1 ? XLSPushChecked(call.Stack, std::sqrt(variance(true))) : call.Stack.SetError(errDiv0); break;
    case dbStdevP: n > 0 ? XLSPushChecked(call.Stack, std::sqrt(variance(false))) : call.Stack.SetError(errDiv0); break;
    case dbVar: n > 1 ? XLSPushChecked(call.Stack, variance(true)) : call.Stack.SetError(errDiv0); break;
    case dbVarP: n > 0 ? XLSPushChecked(call.Stack, variance(false)) : call.Stack.SetError(errDiv0); break;
    }
}

const TXLSFuncEntry cDatabaseFunctions[] = {
    {"DAVERAGE", DoDatabase<dbAverage>}, {"DCOUNT", DoDatabase<dbCount>},     {"DCOUNTA", DoDatabase<dbCountA>},
    {"DGET", DoDatabase<dbGet>},         {"DMAX", DoDatabase<dbMax>},         {"DMIN", DoDatabase<dbMin>},
    {"DPRODUCT", DoDatabase<dbProduct>}, {"DSTDEV", DoDatabase<dbStdev>},     {"DSTDEVP", DoDatabase<dbStdevP>},
    {"DSUM", DoDatabase<dbSum>},         {"DVAR", DoDatabase<dbVar>},         {"DVARP", DoDatabase<dbVarP>},
};

}  // namespace

void XLSRegisterDatabaseFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cDatabaseFunctions); }
