// VYXFuncFinance.cpp: handlers of the annuity, cash-flow, depreciation and accrued-interest functions.
//
// Thin wrappers: each reads its numbers (omitted trailing arguments take the
// usual defaults) and calls one kernel of VYXFinance.
#include <array>
#include <cmath>

#include "formula/VYXFinance.h"
#include "formula/VYXFuncCommon.h"

namespace {

// Reads the call's arguments as numbers into a, whose later entries hold the
// defaults of omitted arguments. An omitted middle argument reads as 0.
template <std::size_t N>
bool PopNumbers(TXLSFuncCall& call, std::array<double, N>& a)
{
    for (int i = std::min<int>(call.ArgCount, N) - 1; i >= 0; --i)
        if (!call.Stack.PopResFloat(a[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

using TAnnuity = TVYXNumResult (*)(double, double, double, double, double);

// PV, FV, PMT and NPER: three numbers, then the optional fourth term and type.
template <TAnnuity F>
void DoAnnuity(TXLSFuncCall& call)
{
    std::array<double, 5> a{0, 0, 0, 0, 0};
    if (PopNumbers(call, a))
        XLSPushNumResult(call.Stack, F(a[0], a[1], a[2], a[3], a[4]));
}

void DoRATE(TXLSFuncCall& call)
{
    std::array<double, 6> a{0, 0, 0, 0, 0, 0.1};
    if (PopNumbers(call, a))
        XLSPushNumResult(call.Stack, VYXRATE(a[0], a[1], a[2], a[3], a[4], a[5]));
}

using TPaymentPart = TVYXNumResult (*)(double, double, double, double, double, double);

template <TPaymentPart F>
void DoPaymentPart(TXLSFuncCall& call)
{
    std::array<double, 6> a{0, 0, 0, 0, 0, 0};
    if (PopNumbers(call, a))
        XLSPushNumResult(call.Stack, F(a[0], a[1], a[2], a[3], a[4], a[5]));
}

void DoISPMT(TXLSFuncCall& call)
{
    std::array<double, 4> a{};
    if (PopNumbers(call, a))
        XLSPushNumResult(call.Stack, VYXISPMT(a[0], a[1], a[2], a[3]));
}

void DoNPV(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    double rate = 0;
    std::vector<double> values;
    TXLSCellError err = XLSCollectValues(call.Stack, {args.data() + 1, args.size() - 1}, xcmNumbers, values);
    if (err == errUnknown)
        err = call.Stack.GetAsFloat(*args[0], rate);
    if (call.Stack.HandleError(err))
        XLSPushNumResult(call.Stack, VYXNPV(rate, values));
}

// The numbers of one cash-flow argument.
bool Flows(TXLSFuncCall& call, const TXLSFormulaValue* arg, std::vector<double>& values)
{
    return call.Stack.HandleError(XLSCollectValues(call.Stack, {&arg, 1}, xcmNumbers, values));
}

void DoIRR(TXLSFuncCall& call)
{
    double guess = 0.1;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(guess))
        return;
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    std::vector<double> values;
    if (Flows(call, arg, values))
        XLSPushNumResult(call.Stack, VYXIRR(values, guess));
}

void DoMIRR(TXLSFuncCall& call)
{
    double finance = 0, reinvest = 0;
    if (!call.Stack.PopResFloat(reinvest) || !call.Stack.PopResFloat(finance))
        return;
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    std::vector<double> values;
    if (Flows(call, arg, values))
        XLSPushNumResult(call.Stack, VYXMIRR(values, finance, reinvest));
}

void DoXNPV(TXLSFuncCall& call)
{
    const TXLSFormulaValue *datesArg = nullptr, *valuesArg = nullptr;
    call.Stack.PopRes(datesArg);
    call.Stack.PopRes(valuesArg);
    double rate = 0;
    std::vector<double> values, dates;
    if (!Flows(call, datesArg, dates) || !Flows(call, valuesArg, values) || !call.Stack.PopResFloat(rate))
        return;
    XLSPushNumResult(call.Stack, VYXXNPV(rate, values, dates));
}

void DoXIRR(TXLSFuncCall& call)
{
    double guess = 0.1;
    if (call.ArgCount > 2 && !call.Stack.PopResFloat(guess))
        return;
    const TXLSFormulaValue *datesArg = nullptr, *valuesArg = nullptr;
    call.Stack.PopRes(datesArg);
    call.Stack.PopRes(valuesArg);
    std::vector<double> values, dates;
    if (Flows(call, datesArg, dates) && Flows(call, valuesArg, values))
        XLSPushNumResult(call.Stack, VYXXIRR(values, dates, guess));
}

void DoSLN(TXLSFuncCall& call)
{
    std::array<double, 3> a{};
    if (PopNumbers(call, a))
        XLSPushNumResult(call.Stack, VYXSLN(a[0], a[1], a[2]));
}

void DoSYD(TXLSFuncCall& call)
{
    std::array<double, 4> a{};
    if (PopNumbers(call, a))
        XLSPushNumResult(call.Stack, VYXSYD(a[0], a[1], a[2], a[3]));
}

void DoDDB(TXLSFuncCall& call)
{
    std::array<double, 5> a{0, 0, 0, 0, 2};
    if (PopNumbers(call, a))
        XLSPushNumResult(call.Stack, VYXDDB(a[0], a[1], a[2], a[3], a[4]));
}

void DoDB(TXLSFuncCall& call)
{
    std::array<double, 5> a{0, 0, 0, 0, 12};
    if (PopNumbers(call, a))
        XLSPushNumResult(call.Stack, VYXDB(a[0], a[1], a[2], a[3], a[4]));
}

void DoVDB(TXLSFuncCall& call)
{
    std::array<double, 7> a{0, 0, 0, 0, 0, 2, 0};
    if (PopNumbers(call, a))
        XLSPushNumResult(call.Stack, VYXVDB(a[0], a[1], a[2], a[3], a[4], a[5], a[6] != 0));
}

// ACCRINT(issue, first_interest, settlement, rate, par, frequency, [basis], [calc_method]):
// interest accrues from issue to settlement; the first interest date only
// checks the order of the dates.
void DoAccrInt(TXLSFuncCall& call)
{
    std::array<double, 8> a{0, 0, 0, 0, 1000, 0, 0, 1};
    if (!PopNumbers(call, a))
        return;
    if (a[3] <= 0 || a[4] <= 0 || a[0] >= a[2])
        call.Stack.SetError(errNum);
    else
        XLSPushNumResult(call.Stack, VYXAccrInt(std::floor(a[0]), std::floor(a[2]), a[3], a[4], a[5], std::trunc(a[6])));
}

const TXLSFuncEntry cFinanceFunctions[] = {
    {"ACCRINT", DoAccrInt}, {"DB", DoDB},     {"DDB", DoDDB},     {"FV", DoAnnuity<VYXFV>},     {"IPMT", DoPaymentPart<VYXIPMT>},
    {"IRR", DoIRR},         {"ISPMT", DoISPMT}, {"MIRR", DoMIRR}, {"NPER", DoAnnuity<VYXNPER>}, {"NPV", DoNPV},
    {"PMT", DoAnnuity<VYXPMT>},         {"PPMT", DoPaymentPart<VYXPPMT>}, {"PV", DoAnnuity<VYXPV>},       {"RATE", DoRATE}, {"SLN", DoSLN},
    {"SYD", DoSYD},         {"VDB", DoVDB},   {"XIRR", DoXIRR},   {"XNPV", DoXNPV},
};

}  // namespace

void XLSRegisterFinanceFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cFinanceFunctions); }
