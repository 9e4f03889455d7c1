// VYXEvaluateFmla.cpp: the evaluation loop, the value stack with its coercions, and user-function calls.
#include "formula/VYXEvaluateFmla.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncHandlers.h"
#include "formula/VYXFuncNames.h"
#include "platform/VYXErrors.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr int cStackGrowth = 128;

[[noreturn]] void Raise(const char* text) { throw VYXException(text); }

// Reads the content of a stored cell into a reference value; `known` is the
// cell's item when the caller has already found it.
void LoadCellFrom(TXLSCellMMU& cells, TXLSFormulaValue& v, std::int32_t col, std::int32_t row,
                  const TXLSCellItem* known = nullptr)
{
    v.RefType = xfrtRef;
    v.Cells = &cells;
    v.Col1 = v.Col2 = col;
    v.Row1 = v.Row2 = row;
    v.Empty = false;
    v.vStr.clear();
    v.vFloat = 0;
    TXLSCellItem item;
    if (known)
        item = *known;
    else if (!cells.FindCell(col, row, item)) {
        v.Empty = true;
        v.ValType = xfvtUnknown;
        return;
    }
    switch (cells.CellType(item)) {
    case xctBoolean:
        v.ValType = xfvtBoolean;
        v.vBool = cells.GetBoolean(item);
        break;
    case xctBooleanFormula:
        v.ValType = xfvtBoolean;
        v.vBool = cells.GetFormulaValBoolean(item);
        break;
    case xctError:
    case xctErrorFormula: {
        const TXLSCellError e =
            cells.CellType(item) == xctError ? cells.GetError(item) : cells.GetFormulaValError(item);
        v.ValType = xfvtError;
        v.vErr = e == errUnknown || e >= cXLSCellErrorCount ? errValue : e;
        break;
    }
    case xctString:
        v.ValType = xfvtString;
        cells.GetString(item, v.vStr);
        break;
    case xctStringFormula:
        v.ValType = xfvtString;
        cells.GetFormulaValString(item, v.vStr);
        break;
    case xctFloat:
        v.ValType = xfvtFloat;
        v.vFloat = cells.GetFloat(item);
        break;
    case xctFloatFormula:
        v.ValType = xfvtFloat;
        v.vFloat = cells.GetFormulaValFloat(item);
        break;
    default: v.ValType = xfvtUnknown; break;
    }
}

// Case-insensitive (ASCII folding) three-way comparison.
int CompareText(std::u16string_view a, std::u16string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char16_t ca = a[i], cb = b[i];
        if (ca >= u'a' && ca <= u'z')
            ca = static_cast<char16_t>(ca - 32);
        if (cb >= u'a' && cb <= u'z')
            cb = static_cast<char16_t>(cb - 32);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool CompareResult(TXLSPtg op, int c)
{
    switch (op) {
    case xptgLT: return c < 0;
    case xptgLE: return c <= 0;
    case xptgEQ: return c == 0;
    case xptgGE: return c >= 0;
    case xptgGT: return c > 0;
    case xptgNE: return c != 0;
    default: Raise("Invalid value type");
    }
}

int CompareNumbers(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

bool IsVolatile(std::int32_t id)
{
    switch (id) {
    case 63:   // RAND
    case 65:   // DATE
    case 66:   // TIME
    case 67:   // DAY
    case 68:   // MONTH
    case 69:   // YEAR
    case 71:   // HOUR
    case 72:   // MINUTE
    case 73:   // SECOND
    case 74:   // NOW
    case 221:  // TODAY
        return true;
    default: return false;
    }
}

std::int32_t ColOf(std::uint16_t field) { return field & ~cXLSColAbsolute; }
std::int32_t RowOf(std::uint32_t field) { return static_cast<std::int32_t>(field & ~cXLSRowAbsolute); }

std::u16string_view BoolText(bool b) { return b ? u"TRUE" : u"FALSE"; }

}  // namespace

// Values.

void TXLSFormulaValue::SetFloat(double v)
{
    Empty = false;
    RefType = xfrtNone;
    Array.reset();
    ValType = xfvtFloat;
    vStr.clear();
    vFloat = v;
}

void TXLSFormulaValue::SetBoolean(bool v)
{
    Empty = false;
    RefType = xfrtNone;
    Array.reset();
    ValType = xfvtBoolean;
    vStr.clear();
    vFloat = 0;
    vBool = v;
}

void TXLSFormulaValue::SetError(TXLSCellError e)
{
    Empty = false;
    RefType = xfrtNone;
    Array.reset();
    ValType = xfvtError;
    vStr.clear();
    vFloat = 0;
    vErr = e;
}

void TXLSFormulaValue::SetString(std::u16string_view s)
{
    Empty = false;
    RefType = xfrtNone;
    Array.reset();
    ValType = xfvtString;
    vStr.assign(s.data(), s.size());
    vFloat = 0;
}

void TXLSFormulaValue::SetArray(std::shared_ptr<TXLSCellMMU> cells, std::int32_t cols, std::int32_t rows)
{
    Empty = false;
    RefType = xfrtArea;
    ValType = xfvtUnknown;
    vStr.clear();
    vFloat = 0;
    Cells = cells.get();
    Array = std::move(cells);
    Col1 = Row1 = 0;
    Col2 = std::max(cols, 1) - 1;
    Row2 = std::max(rows, 1) - 1;
}

// The value stack.

TValueStack::TValueStack(TXLSCellManager& manager) : FManager(manager), FCells(&manager.Cells())
{
    FSlots.resize(cStackGrowth);
}

void TValueStack::Clear(int sheet, std::int32_t col, std::int32_t row)
{
    FSheet = sheet;
    FCol = col;
    FRow = row;
    FTop = -1;
    FArgNext = -1;
    FCells = &FManager.Cells();
}

TXLSFormulaValue& TValueStack::NewSlot()
{
    if (++FTop >= static_cast<int>(FSlots.size()))
        FSlots.resize(FSlots.size() + cStackGrowth);
    TXLSFormulaValue& s = Slot(FTop);
    s.Empty = false;
    s.RefType = xfrtNone;
    s.Cells = nullptr;
    s.Array.reset();
    return s;
}

void TValueStack::PushMissing()
{
    TXLSFormulaValue& s = NewSlot();
    s.ValType = xfvtUnknown;
    s.vStr.clear();
    s.vFloat = 0;
}

void TValueStack::PushFloat(double value) { NewSlot().SetFloat(value); }
void TValueStack::PushBoolean(bool value) { NewSlot().SetBoolean(value); }
void TValueStack::PushString(std::u16string_view text)
{
    if (text.size() > cMaxTextLength)
        NewSlot().SetError(errValue);
    else
        NewSlot().SetString(text);
}
void TValueStack::PushError(TXLSCellError err) { NewSlot().SetError(err); }

void TValueStack::PushValue(const TXLSFormulaValue& value)
{
    if (value.ValType == xfvtString && value.vStr.size() > cMaxTextLength) {
        PushError(errValue);
        return;
    }
    TXLSFormulaValue& s = NewSlot();
    if (&s != &value)
        s = value;
}

void TValueStack::PushCell(std::int32_t col, std::int32_t row) { PushCell(FSheet, col, row); }

void TValueStack::PushCell(int, std::int32_t col, std::int32_t row)
{
    TXLSFormulaValue& s = NewSlot();
    if (!XLSAreaInGrid(col, row, col, row)) {
        s.SetError(errRef);
        return;
    }
    LoadCellFrom(*FCells, s, col, row);
}

void TValueStack::PushArea(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2)
{
    PushArea(FSheet, col1, row1, col2, row2);
}

void TValueStack::PushArea(int, std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2)
{
    TXLSFormulaValue& s = NewSlot();
    if (!XLSAreaInGrid(col1, row1, col2, row2)) {
        s.SetError(errRef);
        return;
    }
    s.RefType = xfrtArea;
    s.ValType = xfvtUnknown;
    s.Cells = FCells;
    s.Col1 = std::min(col1, col2);
    s.Col2 = std::max(col1, col2);
    s.Row1 = std::min(row1, row2);
    s.Row2 = std::max(row1, row2);
    s.vStr.clear();
    s.vFloat = 0;
}

TXLSFormulaValue& TValueStack::Pop()
{
    if (FTop < 0)
        Raise("Empty stack");
    return Slot(FTop--);
}

TXLSFormulaValue& TValueStack::Peek()
{
    if (FTop < 0)
        Raise("Empty stack");
    return Slot(FTop);
}

TXLSFormulaValue TValueStack::PeekRes()
{
    TXLSFormulaValue out;
    Resolve(Peek(), out);
    return out;
}

TXLSFormulaValue TValueStack::PopResult()
{
    TXLSFormulaValue result = Pop();
    if (result.RefType == xfrtNone && result.ValType == xfvtUnknown)
        result.SetFloat(0);
    return result;
}

void TValueStack::SetResult(int argCount)
{
    if (argCount < 0 || FTop - argCount < -1)
        Raise("Empty stack");
    FArgNext = FTop;
    FTop -= argCount;
}

const TXLSFormulaValue& TValueStack::NextArg()
{
    if (FArgNext <= FTop)
        Raise("Empty stack");
    return Slot(FArgNext--);
}

bool TValueStack::HandleError(TXLSCellError err)
{
    if (err == errUnknown)
        return true;
    PushError(err);
    return false;
}

bool TValueStack::PopRes(const TXLSFormulaValue*& value)
{
    value = &NextArg();
    return true;
}

bool TValueStack::PopResValue(TXLSFormulaValue& value)
{
    Resolve(NextArg(), value);
    return true;
}

bool TValueStack::PopResFloat(double& value) { return HandleError(GetAsFloat(NextArg(), value)); }

bool TValueStack::PopResInt(std::int32_t& value)
{
    double d = 0;
    if (!PopResFloat(d))
        return false;
    d = std::trunc(d);
    if (!(d >= INT32_MIN && d <= INT32_MAX))
        return HandleError(errNum);
    value = static_cast<std::int32_t>(d);
    return true;
}

bool TValueStack::PopResPosInt(std::int32_t& value)
{
    if (!PopResInt(value))
        return false;
    return value >= 0 || HandleError(errNum);
}

bool TValueStack::PopResBoolean(bool& value) { return HandleError(GetAsBoolean(NextArg(), value)); }
bool TValueStack::PopResStr(std::u16string& value) { return HandleError(GetAsString(NextArg(), value)); }
bool TValueStack::PopResDateTime(double& value) { return HandleError(GetAsFloat(NextArg(), value)); }

void TValueStack::LoadCell(TXLSFormulaValue& v, std::int32_t col, std::int32_t row) const
{
    LoadCellFrom(*FCells, v, col, row);
}

void TValueStack::LoadCellOf(const TXLSFormulaValue& area, TXLSFormulaValue& v, std::int32_t col,
                             std::int32_t row) const
{
    LoadCellFrom(CellsOf(area), v, col, row);
    if (area.Array) {
        v.RefType = xfrtNone;
        v.Cells = nullptr;
    }
}

void TValueStack::LoadCellItem(TXLSFormulaValue& v, std::int32_t col, std::int32_t row, const TXLSCellItem& item) const
{
    LoadCellFrom(*FCells, v, col, row, &item);
}

void TValueStack::Resolve(const TXLSFormulaValue& v, TXLSFormulaValue& out) const
{
    if (v.RefType != xfrtArea) {
        if (&out != &v)
            out = v;
        return;
    }
    if (v.Array) {
        // An array where one value is needed gives its first element.
        const TXLSFormulaValue array = v;  // `out` may be `v`
        LoadCellOf(array, out, 0, 0);
        return;
    }
    TXLSCellMMU& cells = v.Cells ? *v.Cells : *FCells;
    // Implicit intersection with the formula's own cell.
    if (v.Col1 == v.Col2 && FRow >= v.Row1 && FRow <= v.Row2)
        LoadCellFrom(cells, out, v.Col1, FRow);
    else if (v.Row1 == v.Row2 && FCol >= v.Col1 && FCol <= v.Col2)
        LoadCellFrom(cells, out, FCol, v.Row1);
    else
        out.SetError(errValue);
}

bool TValueStack::TextToFloat(std::u16string_view text, double& out, bool allowDates) const
{
    if (const auto v = VYXStrToFloat(text)) {
        out = *v;
        return true;
    }
    if (allowDates && FParseDateTime && FParseDateTime(text, out))
        return true;
    out = 0;
    return false;
}

namespace {
TXLSCellError ErrorOf(const TXLSFormulaValue& v) { return v.vErr == errUnknown ? errValue : v.vErr; }
}  // namespace

TXLSCellError TValueStack::GetAsFloat(const TXLSFormulaValue& v, double& out) const
{
    if (v.RefType == xfrtArea) {
        TXLSFormulaValue r;
        Resolve(v, r);
        return GetAsFloat(r, out);
    }
    switch (v.ValType) {
    case xfvtFloat: out = v.vFloat; return errUnknown;
    case xfvtBoolean: out = v.vBool ? 1 : 0; return errUnknown;
    case xfvtError: out = 0; return ErrorOf(v);
    case xfvtString: return TextToFloat(v.vStr, out, true) ? errUnknown : errValue;
    default: out = 0; return errUnknown;
    }
}

TXLSCellError TValueStack::GetAsFloatNum(const TXLSFormulaValue& v, double& out) const
{
    if (v.RefType != xfrtArea && v.ValType == xfvtString)
        return TextToFloat(v.vStr, out, false) ? errUnknown : errValue;
    return GetAsFloat(v, out);
}

TXLSCellError TValueStack::GetAsFloatNumOnly(const TXLSFormulaValue& v, double& out) const
{
    if (v.RefType == xfrtArea) {
        TXLSFormulaValue r;
        Resolve(v, r);
        return GetAsFloatNumOnly(r, out);
    }
    out = 0;
    switch (v.ValType) {
    case xfvtFloat: out = v.vFloat; return errUnknown;
    case xfvtUnknown: return errUnknown;
    case xfvtError: return ErrorOf(v);
    default: return errValue;
    }
}

TXLSCellError TValueStack::GetAsBoolean(const TXLSFormulaValue& v, bool& out) const
{
    if (v.RefType == xfrtArea) {
        TXLSFormulaValue r;
        Resolve(v, r);
        return GetAsBoolean(r, out);
    }
    out = false;
    switch (v.ValType) {
    case xfvtFloat: out = v.vFloat != 0; return errUnknown;
    case xfvtBoolean: out = v.vBool; return errUnknown;
    case xfvtError: return ErrorOf(v);
    case xfvtString: {
        double d = 0;
        if (TextToFloat(v.vStr, d, false)) {
            out = d != 0;
            return errUnknown;
        }
        const std::u16string upper = AsciiUpper(v.vStr);
        if (upper == u"TRUE" || upper == u"FALSE") {
            out = upper == u"TRUE";
            return errUnknown;
        }
        return errValue;
    }
    default: return errUnknown;
    }
}

TXLSCellError TValueStack::GetAsString(const TXLSFormulaValue& v, std::u16string& out) const
{
    if (v.RefType == xfrtArea) {
        TXLSFormulaValue r;
        Resolve(v, r);
        return GetAsString(r, out);
    }
    switch (v.ValType) {
    case xfvtFloat: out = VYXFloatToStr(v.vFloat); return errUnknown;
    case xfvtBoolean: out = BoolText(v.vBool); return errUnknown;
    case xfvtError: out = XLSErrorText(ErrorOf(v)); return ErrorOf(v);
    case xfvtString:
        if (&out != &v.vStr)
            out = v.vStr;
        return errUnknown;
    default: out.clear(); return errUnknown;
    }
}

TXLSCellError TValueStack::GetAsError(const TXLSFormulaValue& v) const
{
    if (v.RefType == xfrtArea) {
        TXLSFormulaValue r;
        Resolve(v, r);
        return GetAsError(r);
    }
    return v.ValType == xfvtError ? ErrorOf(v) : errUnknown;
}

TXLSFormulaValueType TValueStack::GetAsValueType(const TXLSFormulaValue& v, bool& isEmpty) const
{
    if (v.RefType == xfrtArea) {
        TXLSFormulaValue r;
        Resolve(v, r);
        return GetAsValueType(r, isEmpty);
    }
    isEmpty = v.ValType == xfvtUnknown;
    return v.ValType;
}

void TValueStack::OpFloat(TXLSPtg op)
{
    if (!NeedOperands(2))
        Raise("Missing operand in expression");
    TXLSFormulaValue& l = Slot(FTop - 1);
    const TXLSFormulaValue& r = Slot(FTop);
    --FTop;
    double a = 0, b = 0;
    TXLSCellError err = errUnknown;
    if (l.RefType == xfrtNone && l.ValType == xfvtFloat && r.RefType == xfrtNone && r.ValType == xfvtFloat) {
        a = l.vFloat;
        b = r.vFloat;
    } else {
        const TXLSCellError ea = GetAsFloat(l, a);
        const TXLSCellError eb = GetAsFloat(r, b);
        err = ea != errUnknown ? ea : eb;
    }
    if (err != errUnknown) {
        l.SetError(err);
        return;
    }
    double result = 0;
    switch (op) {
    case xptgAdd: result = a + b; break;
    case xptgSub: result = a - b; break;
    case xptgMul: result = a * b; break;
    case xptgDiv:
        if (b == 0) {
            l.SetError(errDiv0);
            return;
        }
        result = a / b;
        break;
    case xptgPower: result = std::pow(a, b); break;
    default: Raise("Invalid value type");
    }
    // Overflow and roots of negative numbers are #NUM!, as in spreadsheets.
    if (!std::isfinite(result))
        l.SetError(errNum);
    else
        l.SetFloat(result);
}

void TValueStack::OpUnary(TXLSPtg op)
{
    if (!NeedOperands(1))
        Raise("Missing operand in expression");
    TXLSFormulaValue& v = Slot(FTop);
    double x = 0;
    const TXLSCellError err = GetAsFloat(v, x);
    if (err != errUnknown)
        v.SetError(err);
    else
        v.SetFloat(op == xptgUMinus ? -x : x * 0.01);
}

void TValueStack::OpConcat()
{
    if (!NeedOperands(2))
        Raise("Missing operand in expression");
    TXLSFormulaValue& l = Slot(FTop - 1);
    const TXLSFormulaValue& r = Slot(FTop);
    --FTop;
    std::u16string left, right;
    const TXLSCellError ea = GetAsString(l, left);
    if (ea != errUnknown) {
        l.SetError(ea);
        return;
    }
    const TXLSCellError eb = GetAsString(r, right);
    if (eb != errUnknown) {
        l.SetError(eb);
        return;
    }
    if (left.size() + right.size() > cMaxTextLength) {
        l.SetError(errValue);
        return;
    }
    left += right;
    l.SetString(left);
}

void TValueStack::OpBoolean(TXLSPtg op)
{
    if (!NeedOperands(2))
        Raise("Missing operand in expression");
    TXLSFormulaValue& slotL = Slot(FTop - 1);
    const TXLSFormulaValue& slotR = Slot(FTop);
    --FTop;
    TXLSFormulaValue tmpL, tmpR;
    const TXLSFormulaValue* l = &slotL;
    const TXLSFormulaValue* r = &slotR;
    if (l->RefType == xfrtArea) {
        Resolve(*l, tmpL);
        l = &tmpL;
    }
    if (r->RefType == xfrtArea) {
        Resolve(*r, tmpR);
        r = &tmpR;
    }
    if (l->ValType == xfvtError || r->ValType == xfvtError) {
        slotL.SetError(ErrorOf(l->ValType == xfvtError ? *l : *r));
        return;
    }
    bool result = false;
    if (l->ValType == r->ValType) {
        switch (l->ValType) {
        case xfvtFloat: result = CompareResult(op, CompareNumbers(l->vFloat, r->vFloat)); break;
        case xfvtBoolean: result = CompareResult(op, CompareNumbers(l->vBool, r->vBool)); break;
        case xfvtString: result = CompareResult(op, CompareText(l->vStr, r->vStr)); break;
        default: result = false; break;  // two empty values are never equal, nor ordered
        }
    } else {
        const bool emptyVsEmptyText = (l->ValType == xfvtUnknown && r->ValType == xfvtString && r->vStr.empty()) ||
                                      (r->ValType == xfvtUnknown && l->ValType == xfvtString && l->vStr.empty());
        if (emptyVsEmptyText && (op == xptgEQ || op == xptgNE)) {
            result = op == xptgEQ;
        } else {
            // Any number sorts below any text or boolean; text and booleans tie.
            auto rank = [](const TXLSFormulaValue& v) {
                switch (v.ValType) {
                case xfvtFloat: return v.vFloat;
                case xfvtUnknown: return 0.0;
                default: return DBL_MAX;
                }
            };
            result = CompareResult(op, CompareNumbers(rank(*l), rank(*r)));
        }
    }
    slotL.SetBoolean(result);
}

// User-function data.

const TXLSFormulaValue& TXLSUserFuncData::Arg(int i) const
{
    if (i < 0 || i >= ArgCount())
        throw VYXException("Index out of range");
    return Args[static_cast<std::size_t>(i)];
}

const TXLSFormulaValue& TXLSUserFuncData::Single(int i) const
{
    const TXLSFormulaValue& v = Arg(i);
    if (v.RefType == xfrtArea)
        throw VYXException("Argument is not a single cell");
    return v;
}

TXLSFormulaRefType TXLSUserFuncData::RefType(int i) const { return Arg(i).RefType; }
TXLSFormulaValueType TXLSUserFuncData::ArgType(int i) const { return Arg(i).ValType; }

int TXLSUserFuncData::Cols(int i) const
{
    const TXLSFormulaValue& v = Arg(i);
    return v.RefType == xfrtNone ? 1 : v.Col2 - v.Col1 + 1;
}

int TXLSUserFuncData::Rows(int i) const
{
    const TXLSFormulaValue& v = Arg(i);
    return v.RefType == xfrtNone ? 1 : v.Row2 - v.Row1 + 1;
}

void TXLSUserFuncData::Dimensions(int i, std::int32_t& col1, std::int32_t& row1, std::int32_t& col2,
                                  std::int32_t& row2) const
{
    const TXLSFormulaValue& v = Arg(i);
    col1 = v.Col1;
    row1 = v.Row1;
    col2 = v.Col2;
    row2 = v.Row2;
}

namespace {
double PlainFloat(const TXLSFormulaValue& v)
{
    switch (v.ValType) {
    case xfvtFloat: return v.vFloat;
    case xfvtBoolean: return v.RefType == xfrtNone ? 0 : (v.vBool ? 1 : 0);
    default: return 0;
    }
}
bool PlainBoolean(const TXLSFormulaValue& v)
{
    switch (v.ValType) {
    case xfvtBoolean: return v.vBool;
    case xfvtFloat: return v.vFloat != 0;
    default: return false;
    }
}
std::u16string PlainString(const TXLSFormulaValue& v)
{
    switch (v.ValType) {
    case xfvtString: return v.vStr;
    case xfvtFloat: return VYXFloatToStr(v.vFloat);
    case xfvtBoolean: return std::u16string(BoolText(v.vBool));
    case xfvtError: return std::u16string(XLSErrorText(v.vErr));
    default: return {};
    }
}
TXLSCellError PlainError(const TXLSFormulaValue& v) { return v.ValType == xfvtError ? v.vErr : errUnknown; }
}  // namespace

bool TXLSUserFuncData::AsBoolean(int i) const { return PlainBoolean(Single(i)); }
double TXLSUserFuncData::AsFloat(int i) const { return PlainFloat(Single(i)); }

std::int32_t TXLSUserFuncData::AsInteger(int i) const
{
    const double d = std::trunc(AsFloat(i));
    return d >= INT32_MIN && d <= INT32_MAX ? static_cast<std::int32_t>(d) : 0;
}

std::u16string TXLSUserFuncData::AsString(int i) const { return PlainString(Single(i)); }
TXLSCellError TXLSUserFuncData::AsError(int i) const { return PlainError(Single(i)); }

TXLSFormulaValue TXLSUserFuncData::AreaCell(int i, int col, int row) const
{
    const TXLSFormulaValue& v = Arg(i);
    if (v.RefType == xfrtNone) {
        if (col != 0 || row != 0)
            throw VYXException("Index out of range");
        return v;
    }
    if (col < 0 || row < 0 || col > v.Col2 - v.Col1 || row > v.Row2 - v.Row1 || !v.Cells)
        throw VYXException("Index out of range");
    TXLSFormulaValue cell;
    LoadCellFrom(*v.Cells, cell, v.Col1 + col, v.Row1 + row);
    return cell;
}

bool TXLSUserFuncData::AreaAsBoolean(int i, int col, int row) const { return PlainBoolean(AreaCell(i, col, row)); }
double TXLSUserFuncData::AreaAsFloat(int i, int col, int row) const { return PlainFloat(AreaCell(i, col, row)); }
std::u16string TXLSUserFuncData::AreaAsString(int i, int col, int row) const
{
    return PlainString(AreaCell(i, col, row));
}
TXLSCellError TXLSUserFuncData::AreaAsError(int i, int col, int row) const
{
    return PlainError(AreaCell(i, col, row));
}

void TXLSUserFuncData::Assign(const TXLSUserFuncData& other)
{
    Args = other.Args;
    Result = other.Result;
    IsName = other.IsName;
    PostProcess = other.PostProcess;
}

void TXLSUserFuncData::Clear()
{
    Args.clear();
    Result = TXLSFormulaValue();
    IsName = false;
    PostProcess = false;
}

// The evaluator.

TXLSFormulaEvaluator::TXLSFormulaEvaluator(TXLSCellManager& manager)
    : FManager(manager), FStack(manager), FLibrary(&XLSFunctionLibrary())
{
}

TXLSFormulaEvaluator::~TXLSFormulaEvaluator() = default;

void TXLSFormulaEvaluator::SetFunctionLibrary(const TXLSFunctionLibrary& library) { FLibrary = &library; }

TXLSFormulaValue TXLSFormulaEvaluator::Evaluate(int sheet, std::int32_t col, std::int32_t row,
                                                std::span<const std::uint8_t> ptgs)
{
    Volatile = false;
    PostProcess = false;
    FStack.Clear(sheet, col, row);
    FStack.SetDateTimeParser(FLibrary->DateTimeParser);
    if (!Run(ptgs)) {
        TXLSFormulaValue failed;
        failed.SetError(errValue);
        return failed;
    }
    return FStack.PopResult();
}

std::u16string TXLSFormulaEvaluator::EvaluateStr(int sheet, std::int32_t col, std::int32_t row,
                                                 std::span<const std::uint8_t> ptgs)
{
    return XLSValueToStr(FStack, Evaluate(sheet, col, row, ptgs));
}

void TXLSFormulaEvaluator::CallBuiltin(std::int32_t funcId, int argCount)
{
    FStack.SetResult(argCount);
    if (IsVolatile(funcId))
        Volatile = true;
    const TXLSFuncHandler handler = FLibrary->Find(funcId);
    if (!handler) {
        FStack.PushError(errNA);
        return;
    }
    const int base = FStack.Count();
    TXLSFuncCall call{FStack, *this, funcId, argCount};
    // Handlers answer with values; one that raises anyway (a kernel meeting
    // an input nobody foresaw, memory running out) answers #VALUE! instead of
    // ending the whole evaluation.
    try {
        handler(call);
    } catch (const std::exception&) {
        while (FStack.Count() > base)
            FStack.Pop();
        FStack.PushError(errValue);
        return;
    }
    // A handler leaves exactly one value; keep the stack balanced if one slips.
    const int pushed = FStack.Count() - base;
    if (pushed == 0) {
        FStack.PushError(errValue);
    } else if (pushed > 1) {
        const TXLSFormulaValue top = FStack.Peek();
        while (FStack.Count() > base)
            FStack.Pop();
        FStack.PushValue(top);
    }
}

void TXLSFormulaEvaluator::CallUser(std::u16string name, int argCount, bool isName)
{
    FStack.SetResult(argCount);
    if (!UserFunctionEvent) {
        FStack.PushError(errNA);
        return;
    }
    FUserData.Clear();
    FUserData.IsName = isName;
    FUserData.Args.reserve(static_cast<std::size_t>(argCount));
    for (int i = 0; i < argCount; ++i) {
        const TXLSFormulaValue* arg = nullptr;
        FStack.PopRes(arg);
        FUserData.Args.push_back(*arg);
    }
    FUserData.Result.SetError(errName);
    UserFunctionEvent(name, FUserData);
    if (FUserData.PostProcess)
        PostProcess = true;
    FStack.PushValue(FUserData.Result);
}

void TXLSFormulaEvaluator::PushArrayConstant(std::uint32_t cols, std::uint32_t rows)
{
    // The elements were pushed in reading order, row by row.
    const std::uint64_t count = std::uint64_t{cols} * rows;
    if (count == 0) {
        FStack.PushError(errValue);
        return;
    }
    if (count > static_cast<std::uint64_t>(FStack.Count()))
        Raise("Empty stack");
    auto cells = std::make_shared<TXLSGridCellStore>();
    FStack.SetResult(static_cast<int>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        TXLSFormulaValue element;
        FStack.PopResValue(element);
        const std::uint64_t k = count - 1 - i;  // read last to first
        const auto col = static_cast<std::int32_t>(k % cols), row = static_cast<std::int32_t>(k / cols);
        switch (element.ValType) {
        case xfvtFloat: cells->SetFloat(col, row, element.vFloat); break;
        case xfvtBoolean: cells->SetBoolean(col, row, element.vBool); break;
        case xfvtString: cells->SetString(col, row, element.vStr); break;
        case xfvtError: cells->SetError(col, row, element.vErr); break;
        default: break;  // a missing element stays an empty cell
        }
    }
    TXLSFormulaValue array;
    array.SetArray(std::move(cells), static_cast<std::int32_t>(cols), static_cast<std::int32_t>(rows));
    FStack.PushValue(array);
}

bool TXLSFormulaEvaluator::Run(std::span<const std::uint8_t> ptgs)
{
    const std::uint8_t* p = ptgs.data();
    const std::uint8_t* const end = p + ptgs.size();
    // Reads the record at p after checking that it fits, and steps past it.
    auto take = [&p, end](auto& record) {
        if (static_cast<std::size_t>(end - p) < sizeof record)
            Raise("Illegal ptgs");
        std::memcpy(&record, p, sizeof record);
        p += sizeof record;
    };
    // The UTF-16 text of `len` units at p; steps past it.
    auto takeText = [&p, end](std::size_t len, std::u16string& out) {
        if (static_cast<std::size_t>(end - p) < 2 * len)
            Raise("Illegal ptgs");
        out.resize(len);
        for (std::size_t i = 0; i < len; ++i)
            out[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
        p += 2 * len;
    };
    auto pushCell = [this](const auto& r, int sheet) { FStack.PushCell(sheet, ColOf(r.Col), RowOf(r.Row)); };
    auto pushArea = [this](const auto& r, int sheet) {
        FStack.PushArea(sheet, ColOf(r.Col1), RowOf(r.Row1), ColOf(r.Col2), RowOf(r.Row2));
    };
    const TXLSExcelFuncNames& names = G_XLSExcelFuncNames();
    while (p < end) {
        const std::uint8_t id = *p;
        switch (id) {
        case 0: Raise("Illegal ptgs");
        case xptgAdd:
        case xptgSub:
        case xptgMul:
        case xptgDiv:
        case xptgPower: FStack.OpFloat(static_cast<TXLSPtg>(id)); ++p; break;
        case xptgConcat: FStack.OpConcat(); ++p; break;
        case xptgLT:
        case xptgLE:
        case xptgEQ:
        case xptgGE:
        case xptgGT:
        case xptgNE: FStack.OpBoolean(static_cast<TXLSPtg>(id)); ++p; break;
        case xptgUPlus:
        case xptgParen:
        case xptgList: ++p; break;
        case xptgUMinus:
        case xptgPercent: FStack.OpUnary(static_cast<TXLSPtg>(id)); ++p; break;
        case xptgErr: {
            TXLSPtgsErr r;
            take(r);
            if (r.Value == errUnknown || r.Value >= cXLSCellErrorCount)
                Raise("Illegal ptgs");
            FStack.PushError(static_cast<TXLSCellError>(r.Value));
            break;
        }
        case xptgBool: {
            TXLSPtgsBool r;
            take(r);
            FStack.PushBoolean(r.Value != 0);
            break;
        }
        case xptgNum: {
            TXLSPtgsNum r;
            take(r);
            FStack.PushFloat(r.Value);
            break;
        }
        case xptgInt: {
            TXLSPtgsInt r;
            take(r);
            FStack.PushFloat(r.Value);
            break;
        }
        case xptgStr: {
            TXLSPtgsStr r;
            take(r);
            takeText(r.Len, FName);
            FStack.PushString(FName);
            break;
        }
        case xptgFunc: {
            TXLSPtgsFunc r;
            take(r);
            std::int32_t min = 0, max = 0;
            names.ArgCount(r.FuncId, min, max);
            CallBuiltin(r.FuncId, max);
            break;
        }
        case xptgFuncVar: {
            TXLSPtgsFuncVar r;
            take(r);
            std::int32_t min = 0, max = 0;
            names.ArgCount(r.FuncId, min, max);
            if (r.ArgCount < min || r.ArgCount > max) {
                // Reported, and the call's value is #VALUE!: a wrong call never
                // lets one of its arguments pass for the result.
                const bool few = r.ArgCount < min;
                const std::string detail =
                    std::string(names.FindName(r.FuncId)) + "(" + std::to_string(few ? min : max) + ")";
                FManager.Errors().Error(detail, few ? 4020 : 4021);
                FStack.SetResult(r.ArgCount);
                FStack.PushError(errValue);
                break;
            }
            CallBuiltin(r.FuncId, r.ArgCount);
            break;
        }
        case xptgName: {
            TXLSPtgsName r;
            take(r);
            break;
        }
        case xptgRef: {
            TXLSPtgsRef r;
            take(r);
            pushCell(r, FStack.Sheet());
            break;
        }
        case xptgArea: {
            TXLSPtgsArea r;
            take(r);
            pushArea(r, FStack.Sheet());
            break;
        }
        case xptgRefErr: {
            TXLSPtgsRef r;
            take(r);
            FStack.PushError(errRef);
            break;
        }
        case xptgAreaErr: {
            TXLSPtgsArea r;
            take(r);
            FStack.PushError(errRef);
            break;
        }
        case xptgWS: {
            TXLSPtgsWS r;
            take(r);
            break;
        }
        case xptgRef1d: {
            TXLSPtgsRef1d r;
            take(r);
            pushCell(r, r.Sheet);
            break;
        }
        case xptgRef3d: {
            // A sheet range reads its first sheet: stores hold one grid.
            TXLSPtgsRef3d r;
            take(r);
            pushCell(r, r.Sheet1);
            break;
        }
        case xptgArea1d: {
            TXLSPtgsArea1d r;
            take(r);
            pushArea(r, r.Sheet);
            break;
        }
        case xptgArea3d: {
            TXLSPtgsArea3d r;
            take(r);
            pushArea(r, r.Sheet1);
            break;
        }
        case xptgRef1dError: {
            TXLSPtgsRef1dError r;
            take(r);
            const bool valid = r.Error > errUnknown && r.Error < cXLSCellErrorCount;
            FStack.PushError(valid ? static_cast<TXLSCellError>(r.Error) : errRef);
            break;
        }
        case xptgArea1dError: {
            TXLSPtgsArea1dError r;
            take(r);
            FStack.PushError(errRef);
            break;
        }
        case xptgMissArg: FStack.PushMissing(); ++p; break;
        case xptgArray: {
            TXLSPtgsArray r;
            take(r);
            PushArrayConstant(r.Cols, r.Rows);
            break;
        }
        case xptgUserFunc: {
            TXLSPtgsUserFunc r;
            take(r);
            takeText(r.Len, FName);
            CallUser(FName, r.ArgCount, false);
            break;
        }
        case xptgNameStr: {
            TXLSPtgsNameStr r;
            take(r);
            takeText(r.Len, FName);
            CallUser(FName, 0, true);
            break;
        }
        default:
            // Intersections, unions, ranges between references and records
            // of other encodings are not run.
            return false;
        }
    }
    return true;
}

std::u16string XLSValueToStr(const TValueStack& stack, const TXLSFormulaValue& value)
{
    std::u16string text;
    stack.GetAsString(value, text);
    return text;
}
