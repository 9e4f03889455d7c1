// VYXEncodeFmla.cpp: the shunting-yard encoder and XLSEncodeFormula.
#include "formula/VYXEncodeFmla.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "formula/VYXCellStore.h"
#include "formula/VYXFormulaTypes.h"
#include "formula/VYXFuncNames.h"
#include "formula/VYXTokenizer.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"

namespace {

// The closing marker of ")" and "}": never output.
constexpr std::uint8_t cClose = 161;
constexpr int cOpenerPrecedence = 100;

int Precedence(std::uint8_t id)
{
    switch (id) {
    case xptgISect:
    case xptgUnion:
    case xptgRange: return 38;
    case xptgUPlus:
    case xptgUMinus: return 37;
    case xptgPercent: return 36;
    case xptgPower: return 35;
    case xptgMul:
    case xptgDiv: return 34;
    case xptgAdd:
    case xptgSub: return 33;
    case xptgConcat: return 32;
    case xptgLT:
    case xptgLE:
    case xptgGE:
    case xptgGT: return 31;
    case xptgEQ:
    case xptgNE: return 30;
    case xptgList: return 6;
    case xptgTable: return 5;
    case xptgFuncVar: return 4;
    case xptgFunc:
    case xptgUserFunc: return 3;
    case xptgParen: return 2;
    case xptgArray: return 1;
    default: {
        char text[32];
        std::snprintf(text, sizeof text, "Unknown operator %.2X", id);
        throw VYXException(text);
    }
    }
}

bool IsGroupOpener(std::uint8_t id)
{
    return id == xptgParen || id == xptgArray || id == xptgFunc || id == xptgFuncVar || id == xptgUserFunc;
}

bool IsReferencePtg(std::uint8_t id)
{
    return id == xptgISect || id == xptgUnion || id == xptgRange || (id >= xptgRef && id <= xptgAreaErr) ||
           (id >= xptgRef1d && id <= xptgXArea3d) || id == xptgRef1dError || id == xptgArea1dError;
}

// Operator tokens (xttOpHat..xttOpPercent) to ptg ids.
constexpr std::uint8_t cOperatorPtgs[] = {
    xptgPower, xptgMul, xptgDiv, xptgAdd, xptgSub, xptgUMinus, xptgUPlus,
    xptgConcat, xptgEQ, xptgNE, xptgLT, xptgLE, xptgGT, xptgGE, xptgPercent,
};
static_assert(std::size(cOperatorPtgs) == xttOpPercent - xttOpHat + 1);

bool IsBlankToken(TXLSTokenType t) { return t == xttSpace || t == xttWhitespace; }
bool IsCol(TXLSTokenType t) { return t == xttRelCol || t == xttAbsCol; }
bool IsRow(TXLSTokenType t) { return t == xttRelRow || t == xttAbsRow; }

TXLSTokenType NextNonBlank(const TXLSTokenList& tokens, int i)
{
    for (int j = i + 1; j < tokens.Count(); ++j)
        if (!IsBlankToken(tokens.GetItems(j).TokenType))
            return tokens.GetItems(j).TokenType;
    return xttNone;
}

std::uint16_t ColField(const TXLSToken& t)
{
    return static_cast<std::uint16_t>(t.vInteger | (t.TokenType == xttAbsCol ? cXLSColAbsolute : 0));
}
std::uint32_t RowField(const TXLSToken& t)
{
    return static_cast<std::uint32_t>(t.vInteger) | (t.TokenType == xttAbsRow ? cXLSRowAbsolute : 0);
}

}  // namespace

TXLSFormulaEncoder::TXLSFormulaEncoder(TXLSCellManager& manager) : FManager(manager) { FWork.reserve(8191); }

void TXLSFormulaEncoder::Error(int code) { FManager.Errors().Error(std::string_view(), code); }

TXLSFormulaEncoder::TItem TXLSFormulaEncoder::NewPtg(const void* record, std::size_t size)
{
    const auto offset = static_cast<std::uint32_t>(FWork.size());
    const auto* bytes = static_cast<const std::uint8_t*>(record);
    FWork.insert(FWork.end(), bytes, bytes + size);
    return {offset, static_cast<std::uint32_t>(size), bytes[0]};
}

bool TXLSFormulaEncoder::OutputIsReference(int back) const
{
    // Whitespace records are layout only and do not separate operands.
    int seen = 0;
    for (auto it = FOut.rbegin(); it != FOut.rend(); ++it) {
        if (it->Id == xptgWS)
            continue;
        if (seen++ == back)
            return IsReferencePtg(it->Id);
    }
    return false;
}

void TXLSFormulaEncoder::Output(const TItem& item)
{
    if (item.Id != xptgList) {
        FOut.push_back(item);
        return;
    }
    // A separator inside a function or array only separated arguments; at top
    // level or inside plain parentheses it joins references into a union.
    if (!FGroups.empty() && FGroups.back().Id != xptgParen)
        return;
    if (OutputIsReference(0) && OutputIsReference(1)) {
        const std::uint8_t unionPtg = xptgUnion;
        FOut.push_back(NewPtg(&unionPtg, 1));
    } else {
        Error(4018);
    }
}

void TXLSFormulaEncoder::OpenGroup(const TItem& item, int count, int rows, int min, int max, std::int32_t funcId)
{
    TGroup g;
    g.Offset = item.Offset;
    g.Id = item.Id;
    g.Count = count;
    g.Rows = rows;
    g.Min = min;
    g.Max = max;
    g.FuncId = funcId;
    FGroups.push_back(g);
    AddOperator(item);
}

void TXLSFormulaEncoder::CloseGroup()
{
    const TGroup& g = FGroups.back();
    std::uint8_t* rec = FWork.data() + g.Offset;
    switch (g.Id) {
    case xptgUserFunc: rec[1] = static_cast<std::uint8_t>(std::min(g.Count, 255)); break;
    case xptgFuncVar:
        rec[1] = static_cast<std::uint8_t>(std::min(g.Count, 255));
        [[fallthrough]];
    case xptgFunc:
        // Checked here for every built-in function: a fixed one has no count
        // in its record, and a formula with a wrong count must fail to encode
        // rather than run with arguments shifted.
        if (g.Count < g.Min || g.Count > g.Max) {
            const std::string name(G_XLSExcelFuncNames().FindName(g.FuncId));
            const std::string detail = g.Count < g.Min
                                           ? name + " needs at least " + std::to_string(g.Min) + " arguments"
                                           : name + " takes at most " + std::to_string(g.Max) + " arguments";
            FManager.Errors().Error(detail, g.Count < g.Min ? 4020 : 4021);
        }
        break;
    case xptgArray: {
        int cols = 0;
        if (g.Rows > 0 && g.Count % g.Rows == 0)
            cols = g.Count / g.Rows;
        else if (g.Rows > 0)
            Error(4022);
        const auto c = static_cast<std::uint16_t>(std::min(cols, 0xFFFF));
        const auto r = static_cast<std::uint32_t>(g.Rows);
        std::memcpy(rec + 1, &c, sizeof c);
        std::memcpy(rec + 3, &r, sizeof r);
        break;
    }
    default: break;
    }
}

void TXLSFormulaEncoder::AddOperator(const TItem& item)
{
    if (item.Id == cClose) {
        while (!FOps.empty() && !IsGroupOpener(FOps.back().Id)) {
            const TItem top = FOps.back();
            FOps.pop_back();
            Output(top);
        }
        if (!FOps.empty()) {
            CloseGroup();
            const TItem opener = FOps.back();
            FOps.pop_back();
            FGroups.pop_back();
            Output(opener);
        }
        return;
    }
    if (item.Id == xptgUPlus || item.Id == xptgUMinus || FOps.empty()) {
        FOps.push_back(item);
        return;
    }
    const int prec = IsGroupOpener(item.Id) ? cOpenerPrecedence : Precedence(item.Id);
    while (!FOps.empty() && prec <= Precedence(FOps.back().Id)) {
        const TItem top = FOps.back();
        FOps.pop_back();
        Output(top);
    }
    FOps.push_back(item);
}

int TXLSFormulaEncoder::EncodeReference(const TXLSTokenList& tokens, int i)
{
    const int n = tokens.Count();
    auto type = [&](int k) { return k < n ? tokens.GetItems(k).TokenType : xttNone; };
    bool hasSheet = false, sheetRange = false, sheetOk = true;
    int sheet1 = 0, sheet2 = 0;
    if (type(i) == xttWorkbookName)
        ++i;
    if (type(i) == xttSheetName) {
        const std::u16string& name1 = tokens.GetItems(i).vStr;
        const std::u16string* name2 = nullptr;
        ++i;
        if (type(i) == xttColon && type(i + 1) == xttSheetName) {
            name2 = &tokens.GetItems(i + 1).vStr;
            i += 2;
        }
        if (type(i) != xttExclamation)
            return -1;
        ++i;
        hasSheet = true;
        sheet1 = FManager.FindBookmark(name1);
        sheet2 = name2 ? FManager.FindBookmark(*name2) : sheet1;
        sheetRange = name2 != nullptr;
        if (sheet1 < 0 || sheet2 < 0) {
            Error(4016);
            sheetOk = false;
        }
    }

    enum { shapeNone, shapeCell, shapeArea, shapeError } shape = shapeNone;
    std::uint32_t row1 = 0, row2 = 0;
    std::uint16_t col1 = 0, col2 = 0;
    std::uint8_t error = 0;
    if (IsCol(type(i)) && IsRow(type(i + 1))) {
        col1 = col2 = ColField(tokens.GetItems(i));
        row1 = row2 = RowField(tokens.GetItems(i + 1));
        shape = shapeCell;
        i += 2;
        if (type(i) == xttColon && IsCol(type(i + 1)) && IsRow(type(i + 2))) {
            col2 = ColField(tokens.GetItems(i + 1));
            row2 = RowField(tokens.GetItems(i + 2));
            shape = shapeArea;
            i += 3;
        }
    } else if (IsCol(type(i)) && type(i + 1) == xttColon && IsCol(type(i + 2))) {
        col1 = ColField(tokens.GetItems(i));
        col2 = ColField(tokens.GetItems(i + 2));
        row1 = 0;
        row2 = cXLSMaxRow;
        shape = shapeArea;
        i += 3;
    } else if (IsRow(type(i)) && type(i + 1) == xttColon && IsRow(type(i + 2))) {
        row1 = RowField(tokens.GetItems(i));
        row2 = RowField(tokens.GetItems(i + 2));
        col1 = 0;
        col2 = cXLSMaxCol;
        shape = shapeArea;
        i += 3;
    } else if (hasSheet && type(i) >= xttConstErrNull && type(i) <= xttConstErrGettingData) {
        error = static_cast<std::uint8_t>(type(i) - xttConstErrNull + errNull);
        shape = shapeError;
        ++i;
    } else if (hasSheet && type(i) == xttName) {
        // A name qualified by a sheet: names are looked up by text alone.
        return i;
    } else {
        return -1;
    }
    if (!sheetOk)
        return i;

    const auto s1 = static_cast<std::uint8_t>(sheet1);
    const auto s2 = static_cast<std::uint8_t>(sheet2);
    TItem item{};
    if (shape == shapeError) {
        const TXLSPtgsRef1dError r{xptgRef1dError, 0, 0, error};
        item = NewPtg(&r, sizeof r);
    } else if (shape == shapeCell) {
        if (!hasSheet) {
            const TXLSPtgsRef r{xptgRef, row1, col1};
            item = NewPtg(&r, sizeof r);
        } else if (!sheetRange) {
            const TXLSPtgsRef1d r{xptgRef1d, row1, col1, s1};
            item = NewPtg(&r, sizeof r);
        } else {
            const TXLSPtgsRef3d r{xptgRef3d, row1, col1, s1, s2};
            item = NewPtg(&r, sizeof r);
        }
    } else {
        if (!hasSheet) {
            const TXLSPtgsArea r{xptgArea, row1, row2, col1, col2};
            item = NewPtg(&r, sizeof r);
        } else if (!sheetRange) {
            const TXLSPtgsArea1d r{xptgArea1d, row1, row2, col1, col2, s1};
            item = NewPtg(&r, sizeof r);
        } else {
            const TXLSPtgsArea3d r{xptgArea3d, row1, row2, col1, col2, s1, s2};
            item = NewPtg(&r, sizeof r);
        }
    }
    Output(item);
    return i;
}

int TXLSFormulaEncoder::Encode(const TXLSTokenList& tokens, std::vector<std::uint8_t>& ptgs)
{
    FWork.clear();
    FOps.clear();
    FOut.clear();
    FGroups.clear();
    FOut.reserve(static_cast<std::size_t>(tokens.Count()));
    FOps.reserve(static_cast<std::size_t>(tokens.Count()));
    ptgs.clear();
    const auto& names = G_XLSExcelFuncNames();
    TXLSTokenType prev = xttNone;
    bool stopped = false;
    const int count = tokens.Count();
    auto textPtg = [this](std::uint8_t id, std::uint8_t byte1, bool withByte, std::u16string_view text) {
        const auto len = static_cast<std::uint16_t>(std::min<std::size_t>(text.size(), 0xFFFF));
        std::uint8_t head[4] = {id, byte1, 0, 0};
        std::size_t headSize = withByte ? 4 : 3;
        std::memcpy(head + headSize - 2, &len, 2);
        const TItem item = NewPtg(head, headSize);
        for (std::size_t k = 0; k < len; ++k) {
            FWork.push_back(static_cast<std::uint8_t>(text[k] & 0xFF));
            FWork.push_back(static_cast<std::uint8_t>(text[k] >> 8));
        }
        return TItem{item.Offset, static_cast<std::uint32_t>(headSize + 2 * std::size_t{len}), id};
    };

    for (int i = 0; i < count && !stopped; ++i) {
        const TXLSToken& t = tokens.GetItems(i);
        const TXLSTokenType type = t.TokenType;
        switch (type) {
        case xttWhitespace: {
            const TXLSPtgsWS r{xptgWS, static_cast<std::uint8_t>(std::clamp(t.vInteger, 0, 255))};
            Output(NewPtg(&r, sizeof r));
            continue;  // layout: the previous token stays the one before the blanks
        }
        case xttSpace: continue;
        case xttComma: {
            if (!FGroups.empty() && FGroups.back().Id != xptgParen)
                ++FGroups.back().Count;
            const std::uint8_t list = xptgList;
            AddOperator(NewPtg(&list, 1));
            if (prev == xttComma || prev == xttFuncName) {
                const std::uint8_t miss = xptgMissArg;
                Output(NewPtg(&miss, 1));
            }
            break;
        }
        case xttSemicolon: {
            const bool inArray = !FGroups.empty() && FGroups.back().Id == xptgArray;
            if (inArray) {
                ++FGroups.back().Count;
                ++FGroups.back().Rows;
            }
            const std::uint8_t list = xptgList;
            AddOperator(NewPtg(&list, 1));
            if (inArray && prev == xttSemicolon) {
                const std::uint8_t miss = xptgMissArg;
                Output(NewPtg(&miss, 1));
            }
            break;
        }
        case xttColon:
        case xttOpRange: {
            const std::uint8_t range = xptgRange;
            AddOperator(NewPtg(&range, 1));
            break;
        }
        case xttLPar: {
            const std::uint8_t paren = xptgParen;
            OpenGroup(NewPtg(&paren, 1), 0);
            break;
        }
        case xttRPar: {
            if (prev == xttComma) {
                const std::uint8_t miss = xptgMissArg;
                Output(NewPtg(&miss, 1));
            }
            const std::uint8_t close = cClose;
            AddOperator(TItem{0, 1, close});
            break;
        }
        case xttExclamation:
        case xttLSqBracket:
        case xttRSqBracket:
        case xttAphostrophe: break;
        case xttConstErrNull:
        case xttConstErrDiv0:
        case xttConstErrValue:
        case xttConstErrRef:
        case xttConstErrName:
        case xttConstErrNum:
        case xttConstErrNA:
        case xttConstErrGettingData: {
            const TXLSPtgsErr r{xptgErr, static_cast<std::uint8_t>(type - xttConstErrNull + errNull)};
            Output(NewPtg(&r, sizeof r));
            break;
        }
        case xttConstLogicalTrue:
        case xttConstLogicalFalse: {
            const TXLSPtgsBool r{xptgBool, static_cast<std::uint8_t>(type == xttConstLogicalTrue ? 1 : 0)};
            Output(NewPtg(&r, sizeof r));
            break;
        }
        case xttConstString: Output(textPtg(xptgStr, 0, false, t.vStr)); break;
        case xttConstArrayBegin: {
            const bool empty = NextNonBlank(tokens, i) == xttConstArrayEnd;
            const TXLSPtgsArray r{xptgArray, static_cast<std::uint16_t>(empty ? 0 : 1), empty ? 0u : 1u};
            OpenGroup(NewPtg(&r, sizeof r), empty ? 0 : 1, empty ? 0 : 1);
            break;
        }
        case xttConstArrayEnd: {
            const std::uint8_t close = cClose;
            if (!FGroups.empty() && FGroups.back().Id == xptgArray)
                AddOperator(TItem{0, 1, close});
            break;
        }
        case xttConstNumber: {
            const double v = t.vFloat;
            if (v == std::floor(v) && v >= -2147483646.0 && v <= 2147483647.0) {
                const TXLSPtgsInt r{xptgInt, static_cast<std::int32_t>(v)};
                Output(NewPtg(&r, sizeof r));
            } else {
                const TXLSPtgsNum r{xptgNum, v};
                Output(NewPtg(&r, sizeof r));
            }
            break;
        }
        case xttOpISect: {
            const TXLSPtgsISect r{xptgISect, static_cast<std::uint8_t>(std::clamp(t.vInteger, 0, 255))};
            AddOperator(NewPtg(&r, sizeof r));
            break;
        }
        case xttName: Output(textPtg(xptgNameStr, 0, true, t.vStr)); break;
        case xttFuncName: {
            const std::int32_t id = names.FindId(t.vStr);
            const bool noArgs = NextNonBlank(tokens, i) == xttRPar;
            if (id < 0) {
                OpenGroup(textPtg(xptgUserFunc, 0, true, t.vStr), noArgs ? 0 : 1);
            } else {
                std::int32_t min = 0, max = 0;
                names.ArgCount(id, min, max);
                if (min == max) {
                    const TXLSPtgsFunc r{xptgFunc, static_cast<std::uint16_t>(id)};
                    OpenGroup(NewPtg(&r, sizeof r), noArgs ? 0 : 1, 0, min, max, id);
                } else {
                    const TXLSPtgsFuncVar r{xptgFuncVar, 0, static_cast<std::uint16_t>(id)};
                    OpenGroup(NewPtg(&r, sizeof r), noArgs ? 0 : 1, 0, min, max, id);
                }
            }
            break;
        }
        case xttRelCol:
        case xttAbsCol:
        case xttRelRow:
        case xttAbsRow:
        case xttSheetName:
        case xttWorkbookName: {
            const int next = EncodeReference(tokens, i);
            if (next < 0) {
                stopped = true;
                break;
            }
            i = next - 1;
            break;
        }
        default:
            if (type >= xttOpHat && type <= xttOpPercent) {
                const std::uint8_t op = cOperatorPtgs[type - xttOpHat];
                AddOperator(NewPtg(&op, 1));
                break;
            }
            stopped = true;  // tokens this encoder does not handle
            break;
        }
        prev = type;
    }
    FStopped = stopped;
    if (!stopped) {
        while (!FOps.empty()) {
            const TItem top = FOps.back();
            FOps.pop_back();
            if (IsGroupOpener(top.Id) && !FGroups.empty())
                FGroups.pop_back();
            Output(top);
        }
    }
    std::size_t total = 0;
    for (const TItem& item : FOut)
        total += item.Size;
    ptgs.reserve(total);
    for (const TItem& item : FOut)
        ptgs.insert(ptgs.end(), FWork.begin() + item.Offset, FWork.begin() + item.Offset + item.Size);
    return static_cast<int>(ptgs.size());
}

bool XLSEncodeFormula(TXLSCellManager& manager, std::u16string_view formula, std::vector<std::uint8_t>& ptgs,
                      bool strict)
{
    TVYXErrorManager& errors = manager.Errors();
    const auto errorsBefore = errors.ErrorCount;
    ptgs.clear();
    TXLSTokenizer tokenizer(errors);
    tokenizer.SetStrictMode(strict);
    tokenizer.SetR1C1(false);
    tokenizer.SetFormula(formula);
    const auto tokens = tokenizer.Parse();
    if (!tokens)
        return false;
    TXLSFormulaEncoder encoder(manager);
    const int length = encoder.Encode(*tokens, ptgs);
    if (encoder.Stopped() && errors.ErrorCount == errorsBefore)
        errors.Error(Utf16ToUtf8(formula), 4006);
    return length > 0 && errors.ErrorCount == errorsBefore;
}
