// VYXFuncLogical.cpp: handlers of IF, IFERROR, CHOOSE and the boolean functions.
//
// IF and CHOOSE hand back the chosen argument itself, so a chosen reference
// stays a reference. CHOOSE with an index outside the list gives #VALUE!.
#include <cmath>

#include "formula/VYXFuncCommon.h"

namespace {

void DoIf(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    bool condition = false;
    if (!call.Stack.HandleError(call.Stack.GetAsBoolean(*args[0], condition)))
        return;
    if (condition || args.size() > 2) {
        const TXLSFormulaValue chosen = *args[condition ? 1 : 2];
        call.Stack.PushValue(chosen);
    } else {
        call.Stack.PushBoolean(false);
    }
}

void DoIfError(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    const TXLSFormulaValue chosen = *args[call.Stack.GetAsError(*args[0]) != errUnknown ? 1 : 0];
    call.Stack.PushValue(chosen);
}

void DoChoose(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    double index = 0;
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(*args[0], index)))
        return;
    index = std::trunc(index);
    if (index < 1 || index >= static_cast<double>(args.size())) {
        call.Stack.SetError(errValue);
        return;
    }
    const TXLSFormulaValue chosen = *args[static_cast<std::size_t>(index)];
    call.Stack.PushValue(chosen);
}

// AND and OR walk every value: plain booleans, numbers and "TRUE"/"FALSE"
// text; references give booleans and numbers and skip text. No value at all
// is #VALUE!.
template <bool IsAnd>
void DoBoolean(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    bool result = IsAnd, any = false;
    TXLSCellError err = errUnknown;
    TValStackIterator it(call.Stack);
    for (const TXLSFormulaValue* arg : args) {
        it.BeginIterate(*arg, true);
        if (it.IsDirect()) {
            bool b = false;
            const TXLSCellError e = arg->ValType == xfvtString && !arg->vStr.empty() ? errValue
                                                                                       : call.Stack.GetAsBoolean(*arg, b);
            if (e != errUnknown) {
                err = e;
                continue;
            }
            any = true;
            result = IsAnd ? result && b : result || b;
            continue;
        }
        while (it.Next()) {
            const TXLSFormulaValue& v = it.PResult();
            if (it.Stopped()) {
                err = v.vErr;
                break;
            }
            if (v.ValType != xfvtFloat && v.ValType != xfvtBoolean)
                continue;
            const bool b = v.ValType == xfvtBoolean ? v.vBool : v.vFloat != 0;
            any = true;
            result = IsAnd ? result && b : result || b;
        }
    }
    if (err != errUnknown)
        call.Stack.SetError(err);
    else if (!any)
        call.Stack.SetError(errValue);
    else
        call.Stack.PushBoolean(result);
}

void DoNot(TXLSFuncCall& call)
{
    bool b = false;
    if (call.Stack.PopResBoolean(b))
        call.Stack.PushBoolean(!b);
}

void DoTrue(TXLSFuncCall& call) { call.Stack.PushBoolean(true); }
void DoFalse(TXLSFuncCall& call) { call.Stack.PushBoolean(false); }

const TXLSFuncEntry cLogicalFunctions[] = {
    {"AND", DoBoolean<true>}, {"CHOOSE", DoChoose}, {"FALSE", DoFalse},          {"IF", DoIf},
    {"IFERROR", DoIfError},   {"NOT", DoNot},       {"OR", DoBoolean<false>},    {"TRUE", DoTrue},
};

}  // namespace

void XLSRegisterLogicalFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cLogicalFunctions); }
