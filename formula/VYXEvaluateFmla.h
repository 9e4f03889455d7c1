// VYXEvaluateFmla.h: runs an encoded formula on a value stack and produces one value.
//
// Value-level problems (division by zero, text where a number is needed, an
// unknown name) travel as error values and end as the result; they never
// raise. Only a malformed ptg string raises VYXException ("Illegal ptgs",
// "Empty stack", "Missing operand in expression", "Invalid value type"), and
// callers treat such a formula as failed.
//
// Array constants ({1,2;3,4}) evaluate to array values: areas whose cells
// live in a small store the value owns, so a function that takes a range
// takes an array the same way. Where one value is needed an array gives its
// top-left element.
//
// Not supported (the formula's result is #VALUE!): intersection, union and
// range operators between references, and the plain binary-spreadsheet ptgs;
// relative references are not rebased on the formula's cell.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "formula/VYXFormulaTypes.h"

class TXLSCellManager;
class TXLSCellMMU;
struct TXLSCellItem;
class TXLSFunctionLibrary;
class TVYXErrorManager;

// One stack slot. A cell reference carries the cell's content, loaded when it
// was pushed; an area carries only its corners.
struct TXLSFormulaValue {
    bool Empty = false;  // a reference to a cell that does not exist
    TXLSFormulaRefType RefType = xfrtNone;
    TXLSFormulaValueType ValType = xfvtUnknown;
    TXLSCellMMU* Cells = nullptr;  // borrowed: the store a reference points into
    // Owns the cells of an array value (then Cells points at them). Shared
    // because copies of the value travel between slots and user-function
    // data; the cells never change once the array is built.
    std::shared_ptr<TXLSCellMMU> Array;
    std::int32_t Col1 = 0, Col2 = 0, Row1 = 0, Row2 = 0;
    std::u16string vStr;
    union {
        double vFloat = 0;
        bool vBool;
        TXLSCellError vErr;
    };

    bool IsError() const { return ValType == xfvtError; }
    bool IsArray() const { return Array != nullptr; }
    void SetFloat(double v);
    void SetBoolean(bool v);
    void SetError(TXLSCellError e);
    void SetString(std::u16string_view s);
    // An array of cols x rows cells held in `cells` from (0, 0).
    void SetArray(std::shared_ptr<TXLSCellMMU> cells, std::int32_t cols, std::int32_t rows);
};

// A plain value, as used by lookup and criteria code.
struct TXLSVarValue {
    bool Empty = false;
    std::u16string vStr;
    TXLSFormulaValueType ValType = xfvtUnknown;
    union {
        double vFloat = 0;
        bool vBool;
        TXLSCellError vErr;
    };
};

class TValueStack {
public:
    // The longest text a value may hold (a spreadsheet cell's limit). Longer
    // texts never reach the stack: pushing or joining them gives #VALUE!.
    static constexpr std::size_t cMaxTextLength = 32767;

    explicit TValueStack(TXLSCellManager& manager);
    TValueStack(const TValueStack&) = delete;
    TValueStack& operator=(const TValueStack&) = delete;

    // Empties the stack for a formula owned by the cell (col, row) of `sheet`.
    void Clear(int sheet, std::int32_t col, std::int32_t row);
    int Count() const { return FTop + 1; }
    int Sheet() const { return FSheet; }
    std::int32_t Col() const { return FCol; }
    std::int32_t Row() const { return FRow; }
    TXLSCellMMU& Cells() const { return *FCells; }

    void PushMissing();  // a missing argument: untyped, not empty
    void PushFloat(double value);
    void PushInt(std::int32_t value) { PushFloat(value); }
    void PushBoolean(bool value);
    void PushString(std::u16string_view text);
    void PushError(TXLSCellError err);
    void PushValue(const TXLSFormulaValue& value);
    // References outside the grid push #REF!.
    void PushCell(std::int32_t col, std::int32_t row);
    void PushCell(int sheet, std::int32_t col, std::int32_t row);
    void PushArea(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2);
    void PushArea(int sheet, std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2);

    // The returned slot stays valid until the next push. Raise "Empty stack".
    TXLSFormulaValue& Pop();
    TXLSFormulaValue& Peek();
    // The top slot reduced to one value (an area by implicit intersection).
    TXLSFormulaValue PeekRes();
    // The formula's result: the top slot; an untyped plain slot reads as 0.
    TXLSFormulaValue PopResult();

    // Function arguments. SetResult takes the top argCount slots as the
    // arguments of a call (raising "Empty stack" when there are fewer); the
    // readers below return them last first. A reader whose conversion fails
    // pushes the error as the call's result and returns false.
    void SetResult(int argCount);
    int ArgsLeft() const { return FArgNext - FTop; }
    bool PopRes(const TXLSFormulaValue*& value);  // the raw argument, areas intact
    bool PopResValue(TXLSFormulaValue& value);     // reduced to one value
    bool PopResFloat(double& value);
    bool PopResInt(std::int32_t& value);     // truncated toward zero
    bool PopResPosInt(std::int32_t& value);  // as PopResInt; negative gives #NUM!
    bool PopResBoolean(bool& value);
    bool PopResStr(std::u16string& value);
    bool PopResDateTime(double& value);  // a number, or text read as a date
    // Pushes an error as the call's result.
    void SetError(TXLSCellError err) { PushError(err); }
    // Pushes err and returns false when it is an error, else returns true.
    bool HandleError(TXLSCellError err);

    // Conversions; each returns errUnknown on success or the error met.
    // GetAsFloat: numbers, booleans, numeric and date text, empty as 0.
    TXLSCellError GetAsFloat(const TXLSFormulaValue& v, double& out) const;
    // GetAsFloatNum: as GetAsFloat but text must be a plain number (no dates).
    TXLSCellError GetAsFloatNum(const TXLSFormulaValue& v, double& out) const;
    // GetAsFloatNumOnly: numbers (and empty as 0) only; anything else is #VALUE!.
    TXLSCellError GetAsFloatNumOnly(const TXLSFormulaValue& v, double& out) const;
    TXLSCellError GetAsBoolean(const TXLSFormulaValue& v, bool& out) const;
    // Errors also write their text into `out`.
    TXLSCellError GetAsString(const TXLSFormulaValue& v, std::u16string& out) const;
    TXLSCellError GetAsError(const TXLSFormulaValue& v) const;
    // The type of the value an operand stands for (an area by implicit intersection).
    TXLSFormulaValueType GetAsValueType(const TXLSFormulaValue& v, bool& isEmpty) const;
    // An area reduced to the cell in the formula's row or column; other values unchanged.
    void Resolve(const TXLSFormulaValue& v, TXLSFormulaValue& out) const;
    // Loads the content of (col, row) of the store into `v` as a cell reference.
    void LoadCell(TXLSFormulaValue& v, std::int32_t col, std::int32_t row) const;
    // The store an area or array argument reads from (the context's for plain values).
    TXLSCellMMU& CellsOf(const TXLSFormulaValue& area) const { return area.Cells ? *area.Cells : *FCells; }
    // The cell at absolute (col, row) of the store `area` reads from; cells
    // of an array come out as plain values, as they do not outlive it.
    void LoadCellOf(const TXLSFormulaValue& area, TXLSFormulaValue& v, std::int32_t col, std::int32_t row) const;
    // The same for a cell the store has handed out (TXLSCellMMU::ForEachCell).
    void LoadCellItem(TXLSFormulaValue& v, std::int32_t col, std::int32_t row, const TXLSCellItem& item) const;

    // Operators on the two top slots (one for OpUnary); the result replaces them.
    void OpFloat(TXLSPtg op);
    void OpBoolean(TXLSPtg op);
    void OpConcat();
    void OpUnary(TXLSPtg op);

    void SetDateTimeParser(bool (*parser)(std::u16string_view, double&)) { FParseDateTime = parser; }

private:
    TXLSFormulaValue& NewSlot();
    TXLSFormulaValue& Slot(int i) { return FSlots[static_cast<std::size_t>(i)]; }
    bool NeedOperands(int n) const { return FTop + 1 >= n; }
    const TXLSFormulaValue& NextArg();
    bool TextToFloat(std::u16string_view text, double& out, bool allowDates) const;

    TXLSCellManager& FManager;
    TXLSCellMMU* FCells;
    int FSheet = 0;
    std::int32_t FCol = 0, FRow = 0;
    int FTop = -1;
    int FArgNext = -1;  // the next argument PopRes returns; arguments lie in (FTop, FArgNext]
    std::vector<TXLSFormulaValue> FSlots;
    bool (*FParseDateTime)(std::u16string_view, double&) = nullptr;
};

// One call of a user function or name, handed to the host. Argument 0 is the
// last argument of the call.
class TXLSUserFuncData {
public:
    std::vector<TXLSFormulaValue> Args;
    TXLSFormulaValue Result;
    bool IsName = false;
    bool PostProcess = false;

    // These raise VYXException "Index out of range" for a bad index.
    int ArgCount() const { return static_cast<int>(Args.size()); }
    TXLSFormulaRefType RefType(int i) const;
    TXLSFormulaValueType ArgType(int i) const;
    int Cols(int i) const;
    int Rows(int i) const;
    void Dimensions(int i, std::int32_t& col1, std::int32_t& row1, std::int32_t& col2, std::int32_t& row2) const;
    // Single values; an area raises "Argument is not a single cell".
    bool AsBoolean(int i) const;
    double AsFloat(int i) const;
    std::int32_t AsInteger(int i) const;
    std::u16string AsString(int i) const;
    TXLSCellError AsError(int i) const;
    // Cells of an area argument by 0-based offset from its top-left corner.
    bool AreaAsBoolean(int i, int col, int row) const;
    double AreaAsFloat(int i, int col, int row) const;
    std::u16string AreaAsString(int i, int col, int row) const;
    TXLSCellError AreaAsError(int i, int col, int row) const;

    void SetResultAsBoolean(bool value) { Result.SetBoolean(value); }
    void SetResultAsFloat(double value) { Result.SetFloat(value); }
    void SetResultAsString(std::u16string_view value) { Result.SetString(value); }
    void SetResultAsError(TXLSCellError value) { Result.SetError(value); }
    void Assign(const TXLSUserFuncData& other);
    void Clear();

private:
    const TXLSFormulaValue& Arg(int i) const;
    const TXLSFormulaValue& Single(int i) const;
    TXLSFormulaValue AreaCell(int i, int col, int row) const;
};

class TXLSFormulaEvaluator {
public:
    // The host answers names and functions that are not built in; `data`
    // carries the arguments and takes the result (preset to #NAME?).
    using TUserFunctionEvent = std::function<void(const std::u16string& name, TXLSUserFuncData& data)>;

    explicit TXLSFormulaEvaluator(TXLSCellManager& manager);
    TXLSFormulaEvaluator(const TXLSFormulaEvaluator&) = delete;
    TXLSFormulaEvaluator& operator=(const TXLSFormulaEvaluator&) = delete;
    ~TXLSFormulaEvaluator();

    TXLSFormulaValue Evaluate(int sheet, std::int32_t col, std::int32_t row, std::span<const std::uint8_t> ptgs);
    // The result as text; an error gives its text ("#DIV/0!").
    std::u16string EvaluateStr(int sheet, std::int32_t col, std::int32_t row, std::span<const std::uint8_t> ptgs);

    TValueStack& Stack() { return FStack; }
    TXLSCellManager& Manager() const { return FManager; }
    // The handlers used for built-in functions; XLSFunctionLibrary() unless set.
    void SetFunctionLibrary(const TXLSFunctionLibrary& library);

    bool Volatile = false;     // a volatile function (NOW, RAND, ...) ran
    bool PostProcess = false;  // a user function asked for it
    TUserFunctionEvent UserFunctionEvent;

private:
    bool Run(std::span<const std::uint8_t> ptgs);
    void CallBuiltin(std::int32_t funcId, int argCount);
    void CallUser(std::u16string name, int argCount, bool isName);
    void PushArrayConstant(std::uint32_t cols, std::uint32_t rows);

    TXLSCellManager& FManager;
    TValueStack FStack;
    const TXLSFunctionLibrary* FLibrary;
    TXLSUserFuncData FUserData;
    std::u16string FName;
};

// The error text of an evaluated value when it is an error, else its text.
std::u16string XLSValueToStr(const TValueStack& stack, const TXLSFormulaValue& value);
