// VYXFuncCommon.h: what the function handler units share: argument walking, number collection, results.
//
// Arguments are stack slots; a handler may keep pointers to them until it
// pushes its result (the result slot is the first argument's slot), so every
// handler reads all it needs first and pushes once at the end.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncHandlers.h"
#include "formula/VYXMathUtils.h"

// One row of a unit's registration table; the id is looked up by name so
// that a table cannot drift from the function table.
struct TXLSFuncEntry {
    std::string_view Name;
    TXLSFuncHandler Handler;
};
// Raises VYXException for a name the function table lacks.
void XLSRegisterTable(TXLSFunctionLibrary& library, std::span<const TXLSFuncEntry> entries);

// Walks the values of one argument: a plain value once, a cell reference once,
// an area row by row, left to right, clipped to the cell store's dimension.
class TValStackIterator {
public:
    explicit TValStackIterator(const TValueStack& stack) : FStack(stack) {}

    void BeginIterate(const TXLSFormulaValue& value, bool stopOnError);
    // Steps to the next value (empty cells included); false at the end.
    bool Next();
    bool NextFloat();     // the next number
    bool NextFloatA();    // the next number, boolean or text (as the A functions count them)
    bool NextNotEmpty();  // the next value that is not an empty cell

    const TXLSFormulaValue& PResult() const { return FResult; }
    bool ResIsError() const { return FResult.ValType == xfvtError; }
    bool ResIsFloat() const { return FResult.ValType == xfvtFloat; }
    bool ResIsFloatA() const;
    bool ResIsNotEmpty() const { return !FResult.Empty && FResult.ValType != xfvtUnknown; }
    // Booleans as 1 and 0, text as 0.
    double AsFloatA() const;
    // True when the walked argument was a plain value, not a reference.
    bool IsDirect() const { return FDirect; }
    // The walk ended on an error value with stopOnError.
    bool Stopped() const { return FStopped; }

private:
    const TValueStack& FStack;
    TXLSFormulaValue FResult;
    const TXLSFormulaValue* FValue = nullptr;
    bool FStopOnError = false, FDirect = false, FStopped = false, FDone = true;
    std::int32_t FCol = 0, FRow = 0, FCol1 = 0, FCol2 = -1, FRow2 = -1;
};

// The call's arguments, first argument first (the slots stay valid until the handler pushes).
std::vector<const TXLSFormulaValue*> XLSPopArgs(TXLSFuncCall& call);

// An optional argument at 0-based position `index`, read in its turn (last to
// first): nullptr when the call stops before it or it was left empty ("F(1,)").
const TXLSFormulaValue* XLSPopOptional(TXLSFuncCall& call, int index);

// How plain (non-reference) booleans and text count for the aggregates.
enum TXLSCollectMode {
    xcmNumbers,  // references give numbers only; plain booleans and numeric text count
    xcmNumbersA, // references also give booleans (1/0) and text (0)
};
// The numbers of the arguments in argument order. Plain text that is not a
// number gives #VALUE!. The result is errUnknown or the error met first when
// the arguments are read last to first.
TXLSCellError XLSCollectValues(const TValueStack& stack, std::span<const TXLSFormulaValue* const> args,
                               TXLSCollectMode mode, std::vector<double>& out);
// The values of one argument by position (areas in full, row by row), for the
// functions that pair two arrays; `numbers` is false where a cell holds no
// number. Errors give their error. Areas above cXLSMaxPairCells give #VALUE!.
constexpr std::int64_t cXLSMaxPairCells = 1 << 20;
TXLSCellError XLSArgNumbers(const TValueStack& stack, const TXLSFormulaValue& arg, std::vector<double>& values,
                            std::vector<bool>& numbers, int* cols = nullptr);

// Arrays that functions build (SEQUENCE, FILTER) hold at most this many cells.
constexpr std::int64_t cXLSMaxArrayCells = 1 << 16;
// An argument left out of the call (as in "F(1,,2)"): untyped, not a reference.
inline bool XLSIsMissing(const TXLSFormulaValue& v) { return v.RefType == xfrtNone && v.ValType == xfvtUnknown; }

// The size of an argument seen as a table: areas by their corners, anything else 1 x 1.
int XLSArgRows(const TXLSFormulaValue& arg);
int XLSArgCols(const TXLSFormulaValue& arg);
// The cell at a 0-based offset of an area argument (a plain value for 1 x 1 arguments).
void XLSArgCell(const TValueStack& stack, const TXLSFormulaValue& arg, int row, int col, TXLSFormulaValue& out);

TXLSCellError XLSNumErrorToCell(TVYXNumError error);
void XLSPushNumResult(TValueStack& stack, const TVYXNumResult& result);
// Pushes the value, or #NUM! when it is not finite (overflow, domain).
void XLSPushChecked(TValueStack& stack, double value);

// Each unit's table of handlers.
void XLSRegisterMathFunctions(TXLSFunctionLibrary& library);
void XLSRegisterStatFunctions(TXLSFunctionLibrary& library);
void XLSRegisterTextFunctions(TXLSFunctionLibrary& library);
void XLSRegisterLogicalFunctions(TXLSFunctionLibrary& library);
void XLSRegisterInfoFunctions(TXLSFunctionLibrary& library);
void XLSRegisterDateFunctions(TXLSFunctionLibrary& library);
void XLSRegisterLookupFunctions(TXLSFunctionLibrary& library);
void XLSRegisterFinanceFunctions(TXLSFunctionLibrary& library);
void XLSRegisterCriteriaFunctions(TXLSFunctionLibrary& library);
void XLSRegisterDatabaseFunctions(TXLSFunctionLibrary& library);
void XLSRegisterDistribFunctions(TXLSFunctionLibrary& library);
void XLSRegisterMatrixFunctions(TXLSFunctionLibrary& library);
void XLSRegisterFormatFunctions(TXLSFunctionLibrary& library);
