// VYXFuncAddInLogic.cpp: the logical, text and lookup add-in functions.
//
// XLOOKUP and XMATCH look along one row or column. Match mode 0 is exact
// without wildcards, 2 exact with "*" and "?", -1 and 1 the exact value or
// else the next smaller or larger one; search modes -1 and -2 scan from the
// end, and the binary modes 2 and -2 scan like the linear ones, which gives
// the same answer on sorted data. FILTER keeps the rows (or the columns, for
// a one-row include) whose include value is TRUE or a non-zero number.
// Results that are a row or more of cells are array values.
#include <algorithm>
#include <cmath>
#include <string>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncAddIns.h"
#include "formula/VYXFuncCommon.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

namespace {

// Texts longer than a cell can hold are #VALUE!.
constexpr std::size_t cMaxText = 32767;

bool IsOmitted(const TXLSFormulaValue& v) { return v.RefType == xfrtNone && v.ValType == xfvtUnknown; }

// Equality of plain values as SWITCH and exact lookups see it: same kind,
// text without regard to case.
bool SameValue(const TXLSFormulaValue& a, const TXLSFormulaValue& b)
{
    if (a.ValType != b.ValType)
        return false;
    switch (a.ValType) {
    case xfvtFloat: return a.vFloat == b.vFloat;
    case xfvtBoolean: return a.vBool == b.vBool;
    case xfvtString: return UnicodeLower(a.vStr) == UnicodeLower(b.vStr);
    case xfvtError: return a.vErr == b.vErr;
    default: return false;
    }
}

// Pushes cells (row by row) as an array, or the one value when there is one.
void PushCells(TValueStack& stack, const std::vector<TXLSFormulaValue>& cells, std::int32_t cols)
{
    if (cells.size() == 1)
        return stack.PushValue(cells[0]);
    auto store = std::make_shared<TXLSGridCellStore>();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto col = static_cast<std::int32_t>(i % static_cast<std::size_t>(cols));
        const auto row = static_cast<std::int32_t>(i / static_cast<std::size_t>(cols));
        const TXLSFormulaValue& v = cells[i];
        switch (v.ValType) {
        case xfvtFloat: store->SetFloat(col, row, v.vFloat); break;
        case xfvtBoolean: store->SetBoolean(col, row, v.vBool); break;
        case xfvtString: store->SetString(col, row, v.vStr); break;
        case xfvtError: store->SetError(col, row, v.vErr); break;
        default: break;
        }
    }
    TXLSFormulaValue array;
    array.SetArray(std::move(store), cols, static_cast<std::int32_t>(cells.size() / static_cast<std::size_t>(cols)));
    stack.PushValue(array);
}

// The argument as a result: areas and arrays pass through whole.
void PushArgument(TValueStack& stack, const TXLSFormulaValue& arg)
{
    const TXLSFormulaValue copy = arg;  // the result slot may be the argument's
    if (IsOmitted(copy))
        return stack.PushFloat(0);
    stack.PushValue(copy);
}

// The number of cells of an argument that can hold values: areas are cut to
// the store's dimension, so a whole column costs what is stored.
std::int64_t StoredLength(const TValueStack& stack, const TXLSFormulaValue& arg, bool alongRow)
{
    const std::int64_t size = alongRow ? XLSArgCols(arg) : XLSArgRows(arg);
    if (arg.RefType != xfrtArea)
        return size;
    const TXLSCellArea& dim = stack.CellsOf(arg).PDimension();
    const std::int64_t stored = alongRow ? std::int64_t{dim.Col2} - arg.Col1 + 1 : std::int64_t{dim.Row2} - arg.Row1 + 1;
    return std::clamp<std::int64_t>(stored, 0, size);
}

}  // namespace

void XLSDoIfNa(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    TXLSFormulaValue value;
    call.Stack.Resolve(*args[0], value);
    PushArgument(call.Stack, value.ValType == xfvtError && value.vErr == errNA ? *args[1] : *args[0]);
}

void XLSDoIfs(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    if (args.size() % 2 != 0)
        return call.Stack.SetError(errValue);
    for (std::size_t i = 0; i < args.size(); i += 2) {
        bool test = false;
        if (!call.Stack.HandleError(call.Stack.GetAsBoolean(*args[i], test)))
            return;
        if (test)
            return PushArgument(call.Stack, *args[i + 1]);
    }
    call.Stack.SetError(errNA);
}

void XLSDoSwitch(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    TXLSFormulaValue expr, candidate;
    call.Stack.Resolve(*args[0], expr);
    if (expr.ValType == xfvtError)
        return call.Stack.SetError(expr.vErr);
    std::size_t i = 1;
    for (; i + 1 < args.size(); i += 2) {
        call.Stack.Resolve(*args[i], candidate);
        if (candidate.ValType == xfvtError)
            return call.Stack.SetError(candidate.vErr);
        if (SameValue(expr, candidate))
            return PushArgument(call.Stack, *args[i + 1]);
    }
    if (i < args.size())  // the default
        return PushArgument(call.Stack, *args[i]);
    call.Stack.SetError(errNA);
}

void XLSDoXor(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    int trues = 0, seen = 0;
    TValStackIterator it(call.Stack);
    for (const TXLSFormulaValue* arg : args) {
        if (arg->RefType != xfrtArea) {
            if (IsOmitted(*arg))
                continue;
            bool b = false;
            if (!call.Stack.HandleError(call.Stack.GetAsBoolean(*arg, b)))
                return;
            trues += b;
            ++seen;
            continue;
        }
        // In ranges and arrays only numbers and booleans count; text is skipped.
        it.BeginIterate(*arg, true);
        while (it.NextNotEmpty()) {
            const TXLSFormulaValue& v = it.PResult();
            if (v.ValType == xfvtError)
                return call.Stack.SetError(v.vErr);
            if (v.ValType == xfvtFloat || v.ValType == xfvtBoolean) {
                trues += v.ValType == xfvtFloat ? v.vFloat != 0 : v.vBool;
                ++seen;
            }
        }
    }
    if (seen == 0)
        return call.Stack.SetError(errValue);
    call.Stack.PushBoolean(trues % 2 == 1);
}

namespace {
// The texts of all cells of the arguments in order; false after pushing an error.
bool CollectTexts(TXLSFuncCall& call, std::span<const TXLSFormulaValue* const> args, std::vector<std::u16string>& out)
{
    TValStackIterator it(call.Stack);
    std::size_t total = 0;
    for (const TXLSFormulaValue* arg : args) {
        it.BeginIterate(*arg, true);
        while (it.Next()) {
            std::u16string text;
            if (!call.Stack.HandleError(call.Stack.GetAsString(it.PResult(), text)))
                return false;
            total += text.size();
            if (total > cMaxText)
                return call.Stack.HandleError(errValue);
            out.push_back(std::move(text));
        }
    }
    return true;
}
}  // namespace

void XLSDoConcat(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    std::vector<std::u16string> texts;
    if (!CollectTexts(call, args, texts))
        return;
    std::u16string result;
    for (const std::u16string& t : texts)
        result += t;
    call.Stack.PushString(result);
}

void XLSDoTextJoin(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    // The delimiters may be a range; they are used in turn.
    std::vector<std::u16string> delimiters, texts;
    bool ignoreEmpty = false;
    if (!CollectTexts(call, std::span(args).first(1), delimiters) ||
        !call.Stack.HandleError(call.Stack.GetAsBoolean(*args[1], ignoreEmpty)) ||
        !CollectTexts(call, std::span(args).subspan(2), texts))
        return;
    std::u16string result;
    std::size_t joined = 0;
    for (const std::u16string& t : texts) {
        if (ignoreEmpty && t.empty())
            continue;
        if (joined > 0 && !delimiters.empty())
            result += delimiters[(joined - 1) % delimiters.size()];
        result += t;
        ++joined;
        if (result.size() > cMaxText)
            return call.Stack.SetError(errValue);
    }
    call.Stack.PushString(result);
}

void XLSDoNumberValue(TXLSFuncCall& call)
{
    const TVYXLocaleSettings& locale = VYXCurrentLocale();
    std::u16string text, decimal(1, locale.DecimalSeparator), group(1, locale.ThousandSeparator);
    if ((call.ArgCount > 2 && !call.Stack.PopResStr(group)) || (call.ArgCount > 1 && !call.Stack.PopResStr(decimal)))
        return;
    TXLSFormulaValue arg;
    call.Stack.PopResValue(arg);
    if (arg.ValType == xfvtFloat)
        return call.Stack.PushFloat(arg.vFloat);
    if (!call.Stack.HandleError(call.Stack.GetAsString(arg, text)))
        return;
    if (decimal.empty() || group.empty())
        return call.Stack.SetError(errValue);
    // Only the first character of each separator counts; blanks are dropped
    // anywhere, group separators only before the decimal separator, and each
    // trailing "%" divides by 100.
    const char16_t dec = decimal[0], grp = group[0];
    std::string ascii;
    bool afterDecimal = false;
    double scale = 1;
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == u'%' || text[end - 1] == u' ')) {
        if (text[--end] == u'%')
            scale /= 100;
    }
    for (std::size_t i = 0; i < end; ++i) {
        const char16_t c = text[i];
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        if (c == dec && !afterDecimal) {
            ascii += '.';
            afterDecimal = true;
        } else if (c == grp && !afterDecimal) {
            continue;
        } else if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'e' || c == u'E') {
            ascii += static_cast<char>(c);
        } else {
            return call.Stack.SetError(errValue);
        }
    }
    if (ascii.empty())
        return call.Stack.PushFloat(0);
    const auto value = VYXStrToFloat(Utf8ToUtf16(ascii), TVYXLocaleSettings{});
    if (!value)
        return call.Stack.SetError(errValue);
    XLSPushChecked(call.Stack, *value * scale);
}

void XLSDoUniChar(TXLSFuncCall& call)
{
    double code = 0;
    if (!call.Stack.PopResFloat(code))
        return;
    code = std::trunc(code);
    if (code < 1 || code > 0x10FFFF)
        return call.Stack.SetError(errValue);
    const auto c = static_cast<char32_t>(code);
    if (c >= 0xD800 && c <= 0xDFFF)
        return call.Stack.SetError(errNA);
    std::u16string text;
    if (c < 0x10000) {
        text += static_cast<char16_t>(c);
    } else {
        text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
    call.Stack.PushString(text);
}

void XLSDoUnicode(TXLSFuncCall& call)
{
    std::u16string text;
    if (!call.Stack.PopResStr(text))
        return;
    if (text.empty())
        return call.Stack.SetError(errValue);
    const char16_t hi = text[0];
    if (hi >= 0xD800 && hi <= 0xDBFF && text.size() > 1 && text[1] >= 0xDC00 && text[1] <= 0xDFFF)
        return call.Stack.PushFloat(0x10000 + ((hi - 0xD800) << 10) + (text[1] - 0xDC00));
    call.Stack.PushFloat(hi);
}

template <bool Max>
void XLSDoMaxMinIfs(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    if (args.size() % 2 == 0)
        return call.Stack.SetError(errValue);
    const TXLSFormulaValue& values = *args[0];
    const int rows = XLSArgRows(values), cols = XLSArgCols(values);
    std::vector<std::function<bool(const TXLSFormulaValue&)>> tests;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (XLSArgRows(*args[i]) != rows || XLSArgCols(*args[i]) != cols)
            return call.Stack.SetError(errValue);
        TXLSFormulaValue criteria;
        call.Stack.Resolve(*args[i + 1], criteria);
        if (criteria.ValType == xfvtError)
            return call.Stack.SetError(criteria.vErr);
        tests.push_back(XLSMakeCriterion(call.Stack, criteria));
    }
    const auto height = static_cast<int>(std::min<std::int64_t>(rows, StoredLength(call.Stack, values, false)));
    const auto width = static_cast<int>(std::min<std::int64_t>(cols, StoredLength(call.Stack, values, true)));
    bool any = false;
    double best = 0;
    TXLSFormulaValue cell;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            XLSArgCell(call.Stack, values, r, c, cell);
            if (cell.ValType == xfvtError)
                return call.Stack.SetError(cell.vErr);
            if (cell.ValType != xfvtFloat)
                continue;
            bool match = true;
            for (std::size_t k = 0; k < tests.size() && match; ++k) {
                TXLSFormulaValue probe;
                XLSArgCell(call.Stack, *args[1 + 2 * k], r, c, probe);
                match = tests[k](probe);
            }
            if (match && (!any || (Max ? cell.vFloat > best : cell.vFloat < best))) {
                best = cell.vFloat;
                any = true;
            }
        }
    call.Stack.PushFloat(any ? best : 0);
}
template void XLSDoMaxMinIfs<true>(TXLSFuncCall&);
template void XLSDoMaxMinIfs<false>(TXLSFuncCall&);

namespace {

// The 0-based index of the match along a row or column, or -1.
int XFind(const TValueStack& stack, const TXLSFormulaValue& key, const TXLSFormulaValue& line, bool alongRow,
          int matchMode, int searchMode)
{
    const auto length = static_cast<int>(StoredLength(stack, line, alongRow));
    const bool backwards = searchMode < 0;
    int best = -1;
    TXLSFormulaValue cell, bestCell;
    for (int n = 0; n < length; ++n) {
        const int i = backwards ? length - 1 - n : n;
        XLSArgCell(stack, line, alongRow ? 0 : i, alongRow ? i : 0, cell);
        if (matchMode == 2 && key.ValType == xfvtString && cell.ValType == xfvtString) {
            if (XLSWildcardMatch(key.vStr, cell.vStr))
                return i;
            continue;
        }
        if (cell.ValType != key.ValType || cell.ValType == xfvtUnknown || cell.ValType == xfvtError)
            continue;
        if (SameValue(key, cell))
            return i;
        if (matchMode != -1 && matchMode != 1)
            continue;
        // Order within one kind: numbers, booleans, text without case.
        auto less = [](const TXLSFormulaValue& a, const TXLSFormulaValue& b) {
            switch (a.ValType) {
            case xfvtFloat: return a.vFloat < b.vFloat;
            case xfvtBoolean: return a.vBool < b.vBool;
            default: return UnicodeLower(a.vStr) < UnicodeLower(b.vStr);
            }
        };
        const bool candidate = matchMode == -1 ? less(cell, key) : less(key, cell);
        if (candidate && (best < 0 || (matchMode == -1 ? less(bestCell, cell) : less(cell, bestCell)))) {
            best = i;
            bestCell = cell;
        }
    }
    return best;
}

bool OptionalMode(TXLSFuncCall& call, const std::vector<const TXLSFormulaValue*>& args, std::size_t index,
                  int fallback, int& mode)
{
    mode = fallback;
    if (args.size() <= index || IsOmitted(*args[index]))
        return true;
    double d = 0;
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(*args[index], d)))
        return false;
    mode = static_cast<int>(std::trunc(d));
    return true;
}

// What XLOOKUP and XMATCH share: the lookup value, the line it is looked up
// in, and the match and search modes at the given argument positions.
struct TXSearch {
    TXLSFormulaValue Key;
    bool AlongRow = false;
    int MatchMode = 0, SearchMode = 1;
};

// Reads the search from the arguments; false after pushing an error.
bool XArgs(TXLSFuncCall& call, const std::vector<const TXLSFormulaValue*>& args, std::size_t modes, TXSearch& x)
{
    const TXLSFormulaValue& line = *args[1];
    call.Stack.Resolve(*args[0], x.Key);
    if (x.Key.ValType == xfvtError)
        return call.Stack.HandleError(x.Key.vErr);
    if (x.Key.ValType == xfvtUnknown)
        x.Key.SetFloat(0);
    if (line.RefType == xfrtNone && line.ValType == xfvtError)
        return call.Stack.HandleError(line.vErr);
    if (XLSArgRows(line) > 1 && XLSArgCols(line) > 1)
        return call.Stack.HandleError(errValue);
    x.AlongRow = XLSArgRows(line) == 1 && XLSArgCols(line) > 1;
    if (!OptionalMode(call, args, modes, 0, x.MatchMode) || !OptionalMode(call, args, modes + 1, 1, x.SearchMode))
        return false;
    const bool valid = x.MatchMode >= -1 && x.MatchMode <= 2 && x.SearchMode != 0 && x.SearchMode >= -2 &&
                       x.SearchMode <= 2;
    return valid || call.Stack.HandleError(errValue);
}

}  // namespace

void XLSDoXLookup(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    TXSearch x;
    if (!XArgs(call, args, 4, x))
        return;
    const bool alongRow = x.AlongRow;
    const TXLSFormulaValue& results = *args[2];
    const int length = alongRow ? XLSArgCols(*args[1]) : XLSArgRows(*args[1]);
    if ((alongRow ? XLSArgCols(results) : XLSArgRows(results)) != length)
        return call.Stack.SetError(errValue);
    const int found = XFind(call.Stack, x.Key, *args[1], alongRow, x.MatchMode, x.SearchMode);
    if (found < 0) {
        if (args.size() > 3 && !IsOmitted(*args[3]))
            return PushArgument(call.Stack, *args[3]);
        return call.Stack.SetError(errNA);
    }
    // The found row (or column) of the results.
    const int across = alongRow ? XLSArgRows(results) : XLSArgCols(results);
    if (across > cXLSMaxArrayCells)
        return call.Stack.SetError(errValue);
    std::vector<TXLSFormulaValue> cells(static_cast<std::size_t>(across));
    for (int k = 0; k < across; ++k)
        XLSArgCell(call.Stack, results, alongRow ? k : found, alongRow ? found : k, cells[static_cast<std::size_t>(k)]);
    for (TXLSFormulaValue& c : cells)
        if (c.ValType == xfvtUnknown)
            c.SetFloat(0);  // an empty cell reads as 0, as it does in a reference
    PushCells(call.Stack, cells, alongRow ? 1 : across);
}

void XLSDoXMatch(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    TXSearch x;
    if (!XArgs(call, args, 2, x))
        return;
    const int found = XFind(call.Stack, x.Key, *args[1], x.AlongRow, x.MatchMode, x.SearchMode);
    if (found < 0)
        return call.Stack.SetError(errNA);
    call.Stack.PushFloat(found + 1);
}

void XLSDoFilter(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    const TXLSFormulaValue& data = *args[0];
    const TXLSFormulaValue& include = *args[1];
    const int rows = XLSArgRows(data), cols = XLSArgCols(data);
    const int incRows = XLSArgRows(include), incCols = XLSArgCols(include);
    bool byRow = false;  // true: include is one row that picks columns
    if (incCols == 1 && incRows == rows)
        byRow = false;
    else if (incRows == 1 && incCols == cols)
        byRow = true;
    else
        return call.Stack.SetError(errValue);
    if (std::int64_t{rows} * cols > cXLSMaxArrayCells)
        return call.Stack.SetError(errValue);
    const int count = byRow ? cols : rows;
    std::vector<int> kept;
    TXLSFormulaValue flag;
    for (int i = 0; i < count; ++i) {
        XLSArgCell(call.Stack, include, byRow ? 0 : i, byRow ? i : 0, flag);
        bool keep = false;
        if (flag.ValType == xfvtError)
            return call.Stack.SetError(flag.vErr);
        if (flag.ValType == xfvtString)
            return call.Stack.SetError(errValue);
        if (flag.ValType != xfvtUnknown && !call.Stack.HandleError(call.Stack.GetAsBoolean(flag, keep)))
            return;
        if (keep)
            kept.push_back(i);
    }
    if (kept.empty()) {
        if (args.size() > 2 && !IsOmitted(*args[2]))
            return PushArgument(call.Stack, *args[2]);
        return call.Stack.SetError(errValue);
    }
    const int outCols = byRow ? static_cast<int>(kept.size()) : cols;
    const int outRows = byRow ? rows : static_cast<int>(kept.size());
    std::vector<TXLSFormulaValue> cells(static_cast<std::size_t>(outRows) * static_cast<std::size_t>(outCols));
    for (int r = 0; r < outRows; ++r)
        for (int c = 0; c < outCols; ++c) {
            TXLSFormulaValue& out = cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(outCols) + static_cast<std::size_t>(c)];
            XLSArgCell(call.Stack, data, byRow ? r : kept[static_cast<std::size_t>(r)],
                       byRow ? kept[static_cast<std::size_t>(c)] : c, out);
            if (out.ValType == xfvtUnknown)
                out.SetFloat(0);
        }
    PushCells(call.Stack, cells, outCols);
}
