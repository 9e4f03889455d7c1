// VYXFuncCriteria.cpp: criteria matching and the conditional aggregates SUMIF(S), COUNTIF(S), AVERAGEIF(S).
//
// The ranges of one call are walked by offset from their top-left corners.
// Only the part of them that lies inside the cell store's dimension is read
// cell by cell; every other offset holds empty cells in all ranges, so it is
// counted once by whether an empty cell meets all criteria. Whole columns
// therefore cost what their stored cells cost. The ranges of COUNTIFS,
// SUMIFS and AVERAGEIFS must have one size (#VALUE! otherwise); the optional
// sum and average ranges of SUMIF and AVERAGEIF take the shape of the
// criteria range from their own top-left corner.
#include "formula/VYXFuncCriteria.h"

#include <algorithm>
#include <cmath>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncCommon.h"
#include "platform/VYXUnicode.h"

bool XLSMaskMatches(std::u16string_view mask, std::u16string_view text)
{
    std::size_t m = 0, t = 0, starM = std::u16string_view::npos, starT = 0;
    while (t < text.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            starM = m++;
            starT = t;
        } else if (m < mask.size() && (mask[m] == u'?' || UnicodeLower(mask[m]) == UnicodeLower(text[t]))) {
            ++m;
            ++t;
        } else if (starM != std::u16string_view::npos) {
            m = starM + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

namespace {

// Case-insensitive order of two texts without building lower-case copies.
int CompareTextNoCase(std::u16string_view a, std::u16string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t x = UnicodeLower(a[i]), y = UnicodeLower(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace

std::optional<int> XLSCompareSameKind(const TXLSFormulaValue& a, const TXLSFormulaValue& b)
{
    if (a.ValType != b.ValType)
        return std::nullopt;
    switch (a.ValType) {
    case xfvtFloat: return a.vFloat < b.vFloat ? -1 : (a.vFloat > b.vFloat ? 1 : 0);
    case xfvtBoolean: return static_cast<int>(a.vBool) - static_cast<int>(b.vBool);
    case xfvtString: return CompareTextNoCase(a.vStr, b.vStr);
    default: return std::nullopt;
    }
}

namespace {

// The value part: a number or date, TRUE/FALSE, an error text, else text.
void ConditionStrToVarValue(const TValueStack& stack, std::u16string_view text, TXLSFormulaValue& value)
{
    double d = 0;
    TXLSFormulaValue probe;
    probe.SetString(text);
    const std::u16string upper = AsciiUpper(text);
    if (!text.empty() && stack.GetAsFloat(probe, d) == errUnknown)
        value.SetFloat(d);
    else if (upper == u"TRUE" || upper == u"FALSE")
        value.SetBoolean(upper == u"TRUE");
    else if (const TXLSCellError e = XLSErrorFromText(upper); e != errUnknown)
        value.SetError(e);
    else
        value.SetString(text);
}

}  // namespace

TXLSCondition XLSParseCondition(const TValueStack& stack, const TXLSFormulaValue& criteria)
{
    TXLSCondition cond;
    if (criteria.ValType != xfvtString) {
        cond.Value = criteria;
        cond.Value.RefType = xfrtNone;
        // An empty criteria cell stands for the number 0.
        if (cond.Value.ValType == xfvtUnknown)
            cond.Value.SetFloat(0);
        return cond;
    }
    struct TPrefix {
        std::u16string_view Text;
        TXLSDbCondOperator Op;
    };
    static constexpr TPrefix cPrefixes[] = {{u"<=", xdcoLE}, {u">=", xdcoGE}, {u"<>", xdcoNE},
                                            {u"<", xdcoLT},  {u">", xdcoGT},  {u"=", xdcoEQ}};
    std::u16string_view text = criteria.vStr;
    for (const TPrefix& p : cPrefixes)
        if (text.starts_with(p.Text)) {
            cond.Op = p.Op;
            text.remove_prefix(p.Text.size());
            break;
        }
    ConditionStrToVarValue(stack, text, cond.Value);
    cond.Blank = cond.Value.ValType == xfvtString && cond.Value.vStr.empty();
    return cond;
}

bool XLSConditionMatches(const TXLSCondition& cond, const TXLSFormulaValue& cell)
{
    if (cond.Value.ValType == xfvtError)
        return cell.ValType == xfvtError && cell.vErr == cond.Value.vErr ? cond.Op == xdcoEQ : cond.Op == xdcoNE;
    if (cond.Blank && (cond.Op == xdcoEQ || cond.Op == xdcoNE)) {
        const bool blank = cell.ValType == xfvtUnknown || (cell.ValType == xfvtString && cell.vStr.empty());
        return cond.Op == xdcoEQ ? blank : !blank;
    }
    if ((cond.Op == xdcoEQ || cond.Op == xdcoNE) && cond.Value.ValType == xfvtString && cell.ValType == xfvtString)
        return XLSMaskMatches(cond.Value.vStr, cell.vStr) == (cond.Op == xdcoEQ);
    const auto c = XLSCompareSameKind(cell, cond.Value);
    if (!c)
        return cond.Op == xdcoNE;
    switch (cond.Op) {
    case xdcoLT: return *c < 0;
    case xdcoLE: return *c <= 0;
    case xdcoGE: return *c >= 0;
    case xdcoGT: return *c > 0;
    case xdcoNE: return *c != 0;
    default: return *c == 0;
    }
}

namespace {

struct TRangeCriterion {
    const TXLSFormulaValue* Range;
    TXLSCondition Cond;
};

// A rectangle of offsets, inclusive; empty when R1 > R2.
struct TWindow {
    std::int64_t R1 = 0, C1 = 0, R2 = -1, C2 = -1;
    bool IsEmpty() const { return R1 > R2 || C1 > C2; }
    std::int64_t Size() const { return IsEmpty() ? 0 : (R2 - R1 + 1) * (C2 - C1 + 1); }
    void Add(std::int64_t r1, std::int64_t c1, std::int64_t r2, std::int64_t c2)
    {
        if (r1 > r2 || c1 > c2)
            return;
        if (IsEmpty()) {
            *this = {r1, c1, r2, c2};
            return;
        }
        R1 = std::min(R1, r1);
        C1 = std::min(C1, c1);
        R2 = std::max(R2, r2);
        C2 = std::max(C2, c2);
    }
};

// Adds the offsets (within rows x cols) where `range` can hold stored cells.
void AddStoredPart(const TValueStack& stack, const TXLSFormulaValue& range, int rows, int cols, TWindow& window)
{
    if (range.RefType != xfrtArea) {
        window.Add(0, 0, 0, 0);
        return;
    }
    const TXLSCellArea& dim = stack.Cells().PDimension();
    const std::int64_t r1 = std::max<std::int64_t>(0, dim.Row1 - std::int64_t{range.Row1});
    const std::int64_t c1 = std::max<std::int64_t>(0, dim.Col1 - std::int64_t{range.Col1});
    const std::int64_t r2 = std::min<std::int64_t>(rows - 1, dim.Row2 - std::int64_t{range.Row1});
    const std::int64_t c2 = std::min<std::int64_t>(cols - 1, dim.Col2 - std::int64_t{range.Col1});
    window.Add(r1, c1, r2, c2);
}

// The cell at an offset of a range; past the grid it is empty.
void CellAt(const TValueStack& stack, const TXLSFormulaValue& range, std::int64_t r, std::int64_t c,
            TXLSFormulaValue& out)
{
    if (range.RefType != xfrtArea) {
        out = range;
        return;
    }
    const std::int64_t col = range.Col1 + c, row = range.Row1 + r;
    if (col > cXLSMaxCol || row > cXLSMaxRow) {
        out = TXLSFormulaValue{};
        out.Empty = true;
        return;
    }
    stack.LoadCell(out, static_cast<std::int32_t>(col), static_cast<std::int32_t>(row));
}

// Calls onMatch(r, c) for every offset of the stored window where all criteria
// hold; returns how many offsets outside it (all empty) match.
template <class F>
double WalkMatches(const TValueStack& stack, std::span<const TRangeCriterion> criteria, const TXLSFormulaValue* values,
                   int rows, int cols, F&& onMatch)
{
    TWindow window;
    for (const TRangeCriterion& k : criteria)
        AddStoredPart(stack, *k.Range, rows, cols, window);
    if (values)
        AddStoredPart(stack, *values, rows, cols, window);
    TXLSFormulaValue cell;
    for (std::int64_t r = window.R1; r <= window.R2; ++r)
        for (std::int64_t c = window.C1; c <= window.C2; ++c) {
            bool all = true;
            for (const TRangeCriterion& k : criteria) {
                CellAt(stack, *k.Range, r, c, cell);
                if (!XLSConditionMatches(k.Cond, cell)) {
                    all = false;
                    break;
                }
            }
            if (all)
                onMatch(r, c);
        }
    TXLSFormulaValue empty;
    empty.Empty = true;
    for (const TRangeCriterion& k : criteria)
        if (!XLSConditionMatches(k.Cond, empty))
            return 0;
    return static_cast<double>(std::int64_t{rows} * cols - window.Size());
}

// The criterion argument as a condition; false after pushing its error.
bool ReadCondition(TValueStack& stack, const TXLSFormulaValue& arg, TXLSCondition& cond)
{
    TXLSFormulaValue criteria;
    stack.Resolve(arg, criteria);
    if (criteria.ValType == xfvtError && arg.RefType == xfrtNone)
        return stack.HandleError(criteria.vErr);
    cond = XLSParseCondition(stack, criteria);
    return true;
}

// Sum and count of the numbers at matching offsets of `values`; errors there are the result.
struct TMatchedNumbers {
    double Sum = 0, Count = 0;
    TXLSCellError Error = errUnknown;
};

TMatchedNumbers SumMatches(const TValueStack& stack, std::span<const TRangeCriterion> criteria,
                           const TXLSFormulaValue& values, int rows, int cols)
{
    TMatchedNumbers out;
    TXLSFormulaValue cell;
    WalkMatches(stack, criteria, &values, rows, cols, [&](std::int64_t r, std::int64_t c) {
        if (out.Error != errUnknown)
            return;
        CellAt(stack, values, r, c, cell);
        if (cell.ValType == xfvtError) {
            out.Error = cell.vErr;
        } else if (cell.ValType == xfvtFloat) {
            out.Sum += cell.vFloat;
            ++out.Count;
        }
    });
    return out;
}

bool IsRange(const TXLSFormulaValue& v) { return v.RefType != xfrtNone; }

// SUMIF(range, criteria, [sum_range]) and AVERAGEIF(range, criteria, [average_range]).
template <bool Average>
void DoSingleIf(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    TRangeCriterion k{args[0], {}};
    if (!ReadCondition(call.Stack, *args[1], k.Cond))
        return;
    const TXLSFormulaValue& values = args.size() > 2 && !XLSIsMissing(*args[2]) ? *args[2] : *args[0];
    if (!IsRange(*args[0]) || !IsRange(values)) {
        call.Stack.SetError(errValue);
        return;
    }
    const TMatchedNumbers m = SumMatches(call.Stack, {&k, 1}, values, XLSArgRows(*args[0]), XLSArgCols(*args[0]));
    if (m.Error != errUnknown)
        call.Stack.SetError(m.Error);
    else if (Average)
        m.Count ? XLSPushChecked(call.Stack, m.Sum / m.Count) : call.Stack.SetError(errDiv0);
    else
        XLSPushChecked(call.Stack, m.Sum);
}

// The (range, criterion) pairs from args[first] on; false after pushing an error.
bool ReadPairs(TXLSFuncCall& call, const std::vector<const TXLSFormulaValue*>& args, std::size_t first,
               std::vector<TRangeCriterion>& pairs)
{
    if ((args.size() - first) % 2 != 0 || args.size() == first)
        return call.Stack.HandleError(errValue);
    for (std::size_t i = first; i < args.size(); i += 2) {
        TRangeCriterion k{args[i], {}};
        if (!ReadCondition(call.Stack, *args[i + 1], k.Cond))
            return false;
        pairs.push_back(std::move(k));
    }
    const int rows = XLSArgRows(*pairs[0].Range), cols = XLSArgCols(*pairs[0].Range);
    for (const TRangeCriterion& k : pairs)
        if (!IsRange(*k.Range) || XLSArgRows(*k.Range) != rows || XLSArgCols(*k.Range) != cols)
            return call.Stack.HandleError(errValue);
    return true;
}

void DoCountIfs(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    std::vector<TRangeCriterion> pairs;
    if (!ReadPairs(call, args, 0, pairs))
        return;
    double count = 0;
    count += WalkMatches(call.Stack, pairs, nullptr, XLSArgRows(*args[0]), XLSArgCols(*args[0]),
                         [&](std::int64_t, std::int64_t) { ++count; });
    call.Stack.PushFloat(count);
}

// SUMIFS and AVERAGEIFS: the value range first, then the pairs.
template <bool Average>
void DoMultiIf(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    std::vector<TRangeCriterion> pairs;
    if (!ReadPairs(call, args, 1, pairs))
        return;
    const TXLSFormulaValue& values = *args[0];
    const int rows = XLSArgRows(*args[1]), cols = XLSArgCols(*args[1]);
    if (!IsRange(values) || XLSArgRows(values) != rows || XLSArgCols(values) != cols) {
        call.Stack.SetError(errValue);
        return;
    }
    const TMatchedNumbers m = SumMatches(call.Stack, pairs, values, rows, cols);
    if (m.Error != errUnknown)
        call.Stack.SetError(m.Error);
    else if (Average)
        m.Count ? XLSPushChecked(call.Stack, m.Sum / m.Count) : call.Stack.SetError(errDiv0);
    else
        XLSPushChecked(call.Stack, m.Sum);
}

const TXLSFuncEntry cCriteriaFunctions[] = {
    {"AVERAGEIF", DoSingleIf<true>}, {"AVERAGEIFS", DoMultiIf<true>}, {"COUNTIF", DoCountIfs},
    {"COUNTIFS", DoCountIfs},       {"SUMIF", DoSingleIf<false>},    {"SUMIFS", DoMultiIf<false>},
};

}  // namespace

void XLSRegisterCriteriaFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cCriteriaFunctions); }
