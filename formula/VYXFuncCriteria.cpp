// VYXFuncCriteria.cpp: criteria matching and the conditional aggregates SUMIF(S), COUNTIF(S), AVERAGEIF(S).
//
// The ranges of one call are paired by offset from their top-left corners.
// Only their stored cells are read (the store walks them in order); an offset
// stored in no range holds empty cells in all of them, so those offsets are
// counted at once by whether an empty cell meets every criterion. Whole
// columns therefore cost what their stored cells cost. The ranges of COUNTIFS,
// SUMIFS and AVERAGEIFS must have one size (#VALUE! otherwise); the optional
// sum and average ranges of SUMIF and AVERAGEIF take the shape of the
// criteria range from their own top-left corner.
#include "formula/VYXFuncCriteria.h"

#include <algorithm>
#include <climits>
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

// The part of a range that the call's shape (rows x cols from its top-left
// corner) covers inside the grid.
TXLSCellArea ShapeArea(const TXLSFormulaValue& range, int rows, int cols)
{
    TXLSCellArea area;
    area.Row1 = range.Row1;
    area.Col1 = range.Col1;
    area.Row2 = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{range.Row1} + rows - 1, cXLSMaxRow));
    area.Col2 = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{range.Col1} + cols - 1, cXLSMaxCol));
    return area;
}

// Visits the stored cells of a range and hands each, with its offset in the
// shape (column-major, as the store walks them, so offsets increase), to `take`.
template <class F>
class TShapeVisitor final : public TXLSCellVisitor {
public:
    TShapeVisitor(const TValueStack& stack, const TXLSFormulaValue& range, int rows, F& take)
        : FStack(stack), FRange(range), FRows(rows), FTake(take)
    {
    }
    void Visit(std::int32_t col, std::int32_t row, const TXLSCellItem& item) override
    {
        FStack.LoadCellItem(FCell, col, row, item);
        FTake(std::int64_t{col - FRange.Col1} * FRows + (row - FRange.Row1), FCell);
    }

private:
    const TValueStack& FStack;
    const TXLSFormulaValue& FRange;
    int FRows;
    F& FTake;
    TXLSFormulaValue FCell;
};

// Calls take(offset, cell) for the stored cells of a range (a plain value is
// its own single cell at offset 0).
template <class F>
void ForEachStored(const TValueStack& stack, const TXLSFormulaValue& range, int rows, int cols, F&& take)
{
    if (range.RefType == xfrtNone) {
        take(std::int64_t{0}, range);
        return;
    }
    TShapeVisitor<F> visitor(stack, range, rows, take);
    (range.Cells ? *range.Cells : stack.Cells()).ForEachCell(ShapeArea(range, rows, cols), visitor);
}

// What the matching offsets hold: their count (without a value range), or
// the sum and count of the numbers (or the first error) of the value range.
struct TMatched {
    double Count = 0, Sum = 0, Numbers = 0;
    TXLSCellError Error = errUnknown;
};

// Pairs the ranges by offset. A criterion lists only the offsets where its
// cell answers unlike an empty cell would; every other offset answers like
// an empty cell, so offsets in no list are counted at once, and a value cell
// is tested by advancing through the lists in step with it.
TMatched WalkMatches(const TValueStack& stack, std::span<const TRangeCriterion> criteria,
                     const TXLSFormulaValue* values, int rows, int cols)
{
    const std::size_t n = criteria.size();
    std::vector<std::vector<std::int64_t>> lists(n);
    std::vector<bool> emptyMatches(n);
    TXLSFormulaValue empty;
    empty.Empty = true;
    bool allEmpty = true;
    for (std::size_t k = 0; k < n; ++k) {
        emptyMatches[k] = XLSConditionMatches(criteria[k].Cond, empty);
        allEmpty = allEmpty && emptyMatches[k];
    }
    // Each distinct range is walked once for all the criteria on it.
    const auto same = [](const TXLSFormulaValue& a, const TXLSFormulaValue& b) {
        return a.RefType != xfrtNone && b.RefType != xfrtNone && a.Col1 == b.Col1 && a.Row1 == b.Row1 &&
               a.Cells == b.Cells;
    };
    std::vector<bool> done(n, false);
    for (std::size_t first = 0; first < n; ++first) {
        if (done[first])
            continue;
        std::vector<std::size_t> users;
        for (std::size_t k = first; k < n; ++k)
            if (!done[k] && same(*criteria[k].Range, *criteria[first].Range)) {
                users.push_back(k);
                done[k] = true;
            }
        if (users.empty())
            users.push_back(first);
        done[first] = true;
        ForEachStored(stack, *criteria[first].Range, rows, cols, [&](std::int64_t offset, const TXLSFormulaValue& cell) {
            for (std::size_t k : users)
                if (XLSConditionMatches(criteria[k].Cond, cell) != emptyMatches[k])
                    lists[k].push_back(offset);
        });
    }
    std::vector<std::size_t> at(n, 0);
    // Whether all criteria hold at `offset`; offsets must come in increasing order.
    const auto allHold = [&](std::int64_t offset) {
        bool all = true;
        for (std::size_t k = 0; k < n; ++k) {
            while (at[k] < lists[k].size() && lists[k][at[k]] < offset)
                ++at[k];
            const bool listed = at[k] < lists[k].size() && lists[k][at[k]] == offset;
            all = all && (listed ? !emptyMatches[k] : emptyMatches[k]);
        }
        return all;
    };
    TMatched out;
    if (values) {
        ForEachStored(stack, *values, rows, cols, [&](std::int64_t offset, const TXLSFormulaValue& cell) {
            if ((cell.ValType != xfvtFloat && cell.ValType != xfvtError) || out.Error != errUnknown || !allHold(offset))
                return;
            if (cell.ValType == xfvtError) {
                out.Error = cell.vErr;
            } else {
                out.Sum += cell.vFloat;
                ++out.Numbers;
            }
        });
        return out;
    }
    // Counting: the union of the lists, in order, and the rest at once.
    double listed = 0;
    for (;;) {
        std::int64_t offset = INT64_MAX;
        for (std::size_t k = 0; k < n; ++k)
            if (at[k] < lists[k].size())
                offset = std::min(offset, lists[k][at[k]]);
        if (offset == INT64_MAX)
            break;
        ++listed;
        out.Count += allHold(offset);
        for (std::size_t k = 0; k < n; ++k)
            if (at[k] < lists[k].size() && lists[k][at[k]] == offset)
                ++at[k];
    }
    if (allEmpty)
        out.Count += static_cast<double>(std::int64_t{rows} * cols) - listed;
    return out;
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

bool IsRange(const TXLSFormulaValue& v) { return v.RefType != xfrtNone; }

// The sum or the average of the matched numbers; an error among them is the result.
void PushMatched(TValueStack& stack, const TMatched& m, bool average)
{
    if (m.Error != errUnknown)
        stack.SetError(m.Error);
    else if (average)
        m.Numbers ? XLSPushChecked(stack, m.Sum / m.Numbers) : stack.SetError(errDiv0);
    else
        XLSPushChecked(stack, m.Sum);
}

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
    const TMatched m = WalkMatches(call.Stack, {&k, 1}, &values, XLSArgRows(*args[0]), XLSArgCols(*args[0]));
    PushMatched(call.Stack, m, Average);
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
    call.Stack.PushFloat(WalkMatches(call.Stack, pairs, nullptr, XLSArgRows(*args[0]), XLSArgCols(*args[0])).Count);
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
    const TMatched m = WalkMatches(call.Stack, pairs, &values, rows, cols);
    PushMatched(call.Stack, m, Average);
}

const TXLSFuncEntry cCriteriaFunctions[] = {
    {"AVERAGEIF", DoSingleIf<true>}, {"AVERAGEIFS", DoMultiIf<true>}, {"COUNTIF", DoCountIfs},
    {"COUNTIFS", DoCountIfs},       {"SUMIF", DoSingleIf<false>},    {"SUMIFS", DoMultiIf<false>},
};

}  // namespace

void XLSRegisterCriteriaFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cCriteriaFunctions); }
