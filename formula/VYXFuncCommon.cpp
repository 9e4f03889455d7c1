// VYXFuncCommon.cpp: argument walking, number collection and result helpers of the function handlers.
#include "formula/VYXFuncCommon.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncNames.h"
#include "platform/VYXException.h"

void XLSRegisterTable(TXLSFunctionLibrary& library, std::span<const TXLSFuncEntry> entries)
{
    const TXLSExcelFuncNames& names = G_XLSExcelFuncNames();
    for (const TXLSFuncEntry& e : entries) {
        const std::int32_t id = names.FindId(e.Name);
        if (id < 0)
            throw VYXException("Unknown function \"" + std::string(e.Name) + "\"");
        library.Register(id, e.Handler);
    }
}

void TValStackIterator::BeginIterate(const TXLSFormulaValue& value, bool stopOnError)
{
    FValue = &value;
    FStopOnError = stopOnError;
    FStopped = false;
    FDone = false;
    FDirect = value.RefType == xfrtNone;
    if (value.RefType != xfrtArea)
        return;
    const TXLSCellArea& dim = FStack.CellsOf(value).PDimension();
    FCol1 = std::max(value.Col1, dim.Col1);
    FCol2 = std::min(value.Col2, dim.Col2);
    FRow = std::max(value.Row1, dim.Row1);
    FRow2 = std::min(value.Row2, dim.Row2);
    FCol = FCol1;
    if (FCol1 > FCol2 || FRow > FRow2)
        FDone = true;
}

bool TValStackIterator::Next()
{
    if (FDone || FStopped)
        return false;
    if (FValue->RefType != xfrtArea) {
        FResult = *FValue;
        FDone = true;
    } else {
        FStack.LoadCellOf(*FValue, FResult, FCol, FRow);
        if (++FCol > FCol2) {
            FCol = FCol1;
            if (++FRow > FRow2)
                FDone = true;
        }
    }
    if (FStopOnError && ResIsError())
        FStopped = true;
    return true;
}

bool TValStackIterator::NextFloat()
{
    while (Next())
        if (ResIsFloat() || FStopped)
            return true;
    return false;
}

bool TValStackIterator::ResIsFloatA() const
{
    return FResult.ValType == xfvtFloat || FResult.ValType == xfvtBoolean || FResult.ValType == xfvtString;
}

bool TValStackIterator::NextFloatA()
{
    while (Next())
        if (ResIsFloatA() || FStopped)
            return true;
    return false;
}

bool TValStackIterator::NextNotEmpty()
{
    while (Next())
        if (ResIsNotEmpty())
            return true;
    return false;
}

double TValStackIterator::AsFloatA() const
{
    switch (FResult.ValType) {
    case xfvtFloat: return FResult.vFloat;
    case xfvtBoolean: return FResult.vBool ? 1 : 0;
    default: return 0;
    }
}

std::vector<const TXLSFormulaValue*> XLSPopArgs(TXLSFuncCall& call)
{
    std::vector<const TXLSFormulaValue*> args(static_cast<std::size_t>(call.ArgCount));
    for (int i = call.ArgCount - 1; i >= 0; --i)
        call.Stack.PopRes(args[static_cast<std::size_t>(i)]);
    return args;
}

const TXLSFormulaValue* XLSPopOptional(TXLSFuncCall& call, int index)
{
    if (call.ArgCount <= index)
        return nullptr;
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    return arg->RefType == xfrtNone && arg->ValType == xfvtUnknown ? nullptr : arg;
}

TXLSCellError XLSCollectValues(const TValueStack& stack, std::span<const TXLSFormulaValue* const> args,
                               TXLSCollectMode mode, std::vector<double>& out)
{
    // Read forward; the error of the last argument holding one wins, which is
    // the first error met when reading last to first.
    TXLSCellError result = errUnknown;
    TValStackIterator it(stack);
    for (const TXLSFormulaValue* arg : args) {
        it.BeginIterate(*arg, true);
        if (it.IsDirect()) {
            double d = 0;
            const TXLSCellError e = arg->ValType == xfvtUnknown ? errUnknown : stack.GetAsFloatNum(*arg, d);
            if (e != errUnknown)
                result = e;
            else
                out.push_back(d);
            continue;
        }
        while (mode == xcmNumbersA ? it.NextFloatA() : it.NextFloat()) {
            if (it.Stopped()) {
                result = it.PResult().vErr;
                break;
            }
            out.push_back(it.AsFloatA());
        }
    }
    return result;
}

int XLSArgRows(const TXLSFormulaValue& arg) { return arg.RefType == xfrtArea ? arg.Row2 - arg.Row1 + 1 : 1; }
int XLSArgCols(const TXLSFormulaValue& arg) { return arg.RefType == xfrtArea ? arg.Col2 - arg.Col1 + 1 : 1; }

void XLSArgCell(const TValueStack& stack, const TXLSFormulaValue& arg, int row, int col, TXLSFormulaValue& out)
{
    if (arg.RefType == xfrtArea)
        stack.LoadCellOf(arg, out, arg.Col1 + col, arg.Row1 + row);
    else
        out = arg;
}

TXLSCellError XLSArgNumbers(const TValueStack& stack, const TXLSFormulaValue& arg, std::vector<double>& values,
                            std::vector<bool>& numbers, int* cols)
{
    const std::int64_t rows = XLSArgRows(arg), width = XLSArgCols(arg);
    if (cols)
        *cols = static_cast<int>(width);
    if (rows * width > cXLSMaxPairCells)
        return errValue;
    values.assign(static_cast<std::size_t>(rows * width), 0);
    numbers.assign(values.size(), false);
    if (arg.RefType != xfrtArea) {
        if (arg.ValType == xfvtError)
            return arg.vErr;
        double d = 0;
        if (arg.RefType == xfrtNone && stack.GetAsFloat(arg, d) == errUnknown) {
            values[0] = d;
            numbers[0] = true;
        } else if (arg.ValType == xfvtFloat) {
            values[0] = arg.vFloat;
            numbers[0] = true;
        }
        return errUnknown;
    }
    // Only stored cells can hold values: walk the part inside the store's dimension.
    const TXLSCellArea& dim = stack.CellsOf(arg).PDimension();
    TXLSFormulaValue cell;
    for (std::int32_t r = std::max(arg.Row1, dim.Row1); r <= std::min(arg.Row2, dim.Row2); ++r)
        for (std::int32_t c = std::max(arg.Col1, dim.Col1); c <= std::min(arg.Col2, dim.Col2); ++c) {
            stack.LoadCellOf(arg, cell, c, r);
            if (cell.ValType == xfvtError)
                return cell.vErr;
            if (cell.ValType != xfvtFloat)
                continue;
            const auto i = static_cast<std::size_t>((r - arg.Row1) * width + (c - arg.Col1));
            values[i] = cell.vFloat;
            numbers[i] = true;
        }
    return errUnknown;
}

TXLSCellError XLSNumErrorToCell(TVYXNumError error)
{
    switch (error) {
    case vneNone: return errUnknown;
    case vneNum: return errNum;
    case vneDiv0: return errDiv0;
    case vneValue: return errValue;
    case vneNA: return errNA;
    }
    return errValue;
}

void XLSPushNumResult(TValueStack& stack, const TVYXNumResult& result)
{
    if (result.IsOk())
        XLSPushChecked(stack, result.Value);
    else
        stack.PushError(XLSNumErrorToCell(result.Error));
}

void XLSPushChecked(TValueStack& stack, double value)
{
    if (std::isfinite(value))
        stack.PushFloat(value);
    else
        stack.PushError(errNum);
}
