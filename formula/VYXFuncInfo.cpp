// VYXFuncInfo.cpp: handlers of the IS functions, TYPE, ERROR.TYPE, NA and INFO.
//
// A multi-cell area is tested through its cell in the formula's row or column,
// as every single-value argument is; TYPE of such an area is 64 (an array).
#include <filesystem>

#include "formula/VYXFuncCommon.h"
#include "platform/VYXUnicode.h"

namespace {

using TTypeTest = bool (*)(TXLSFormulaValueType type, bool isEmpty, TXLSCellError err);

template <TTypeTest F>
void DoIs(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    bool isEmpty = false;
    const TXLSFormulaValueType type = call.Stack.GetAsValueType(*arg, isEmpty);
    const TXLSCellError err = call.Stack.GetAsError(*arg);
    isEmpty = isEmpty && (arg->RefType != xfrtNone);
    call.Stack.PushBoolean(F(type, isEmpty, err));
}

bool IsNA(TXLSFormulaValueType t, bool, TXLSCellError e) { return t == xfvtError && e == errNA; }
bool IsError(TXLSFormulaValueType t, bool, TXLSCellError) { return t == xfvtError; }
bool IsErr(TXLSFormulaValueType t, bool, TXLSCellError e) { return t == xfvtError && e != errNA; }
bool IsText(TXLSFormulaValueType t, bool, TXLSCellError) { return t == xfvtString; }
bool IsNonText(TXLSFormulaValueType t, bool, TXLSCellError) { return t != xfvtString; }
bool IsNumber(TXLSFormulaValueType t, bool, TXLSCellError) { return t == xfvtFloat; }
bool IsLogical(TXLSFormulaValueType t, bool, TXLSCellError) { return t == xfvtBoolean; }
bool IsBlank(TXLSFormulaValueType, bool empty, TXLSCellError) { return empty; }

void DoIsRef(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    call.Stack.PushBoolean(arg->RefType != xfrtNone);
}

void DoType(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    if (arg->RefType == xfrtArea && (arg->Col1 != arg->Col2 || arg->Row1 != arg->Row2)) {
        call.Stack.PushInt(64);
        return;
    }
    bool isEmpty = false;
    switch (call.Stack.GetAsValueType(*arg, isEmpty)) {
    case xfvtString: call.Stack.PushInt(2); break;
    case xfvtBoolean: call.Stack.PushInt(4); break;
    case xfvtError: call.Stack.PushInt(16); break;
    default: call.Stack.PushInt(1); break;
    }
}

void DoErrorType(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    const TXLSCellError err = call.Stack.GetAsError(*arg);
    if (err == errUnknown)
        call.Stack.SetError(errNA);
    else
        call.Stack.PushInt(static_cast<int>(err));  // #NULL! 1 .. #N/A 7, #GETTING_DATA 8
}

void DoNA(TXLSFuncCall& call) { call.Stack.SetError(errNA); }

// INFO answers for this engine; the host-specific ones are plain constants.
void DoInfo(TXLSFuncCall& call)
{
    std::u16string what;
    if (!call.Stack.PopResStr(what))
        return;
    what = AsciiLower(what);
    if (what == u"directory") {
        std::error_code ec;
        std::u16string dir = std::filesystem::current_path(ec).u16string();
        if (!dir.empty() && dir.back() != u'/')
            dir += u'/';
        call.Stack.PushString(dir);
    } else if (what == u"numfile") {
        call.Stack.PushInt(1);
    } else if (what == u"origin") {
        call.Stack.PushString(u"$A:$A$1");
    } else if (what == u"recalc") {
        call.Stack.PushString(u"Automatic");
    } else if (what == u"system") {
        call.Stack.PushString(u"pcdos");
    } else {
        call.Stack.SetError(errNA);
    }
}

const TXLSFuncEntry cInfoFunctions[] = {
    {"ERROR.TYPE", DoErrorType},   {"INFO", DoInfo},           {"ISBLANK", DoIs<IsBlank>},
    {"ISERR", DoIs<IsErr>},        {"ISERROR", DoIs<IsError>}, {"ISLOGICAL", DoIs<IsLogical>},
    {"ISNA", DoIs<IsNA>},          {"ISNONTEXT", DoIs<IsNonText>}, {"ISNUMBER", DoIs<IsNumber>},
    {"ISREF", DoIsRef},            {"ISTEXT", DoIs<IsText>},   {"NA", DoNA},
    {"TYPE", DoType},
};

}  // namespace

void XLSRegisterInfoFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cInfoFunctions); }
