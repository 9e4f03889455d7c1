// VYXFuncLibrary.cpp: registration of all handler units, and the add-in functions answered by name.
#include "formula/VYXFuncLibrary.h"

#include <array>
#include <cmath>

#include "formula/VYXFinance.h"
#include "formula/VYXFuncCommon.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

bool XLSParseDateTimeText(std::u16string_view text, double& value);  // VYXFuncDate.cpp

void XLSRegisterFunctions(TXLSFunctionLibrary& library)
{
    XLSRegisterMathFunctions(library);
    XLSRegisterStatFunctions(library);
    XLSRegisterTextFunctions(library);
    XLSRegisterLogicalFunctions(library);
    XLSRegisterInfoFunctions(library);
    XLSRegisterDateFunctions(library);
    XLSRegisterLookupFunctions(library);
    XLSRegisterFinanceFunctions(library);
    XLSRegisterCriteriaFunctions(library);
    XLSRegisterDatabaseFunctions(library);
    XLSRegisterDistribFunctions(library);
    XLSRegisterMatrixFunctions(library);
    XLSRegisterFormatFunctions(library);
    library.DateTimeParser = XLSParseDateTimeText;
}

void XLSInitFunctionLibrary()
{
    static const bool done = [] {
        XLSRegisterFunctions(XLSFunctionLibrary());
        return true;
    }();
    (void)done;
}

namespace {

using TAddInFn = TVYXNumResult (*)(const std::array<double, 4>& a);

struct TAddIn {
    std::u16string_view Name;
    int MinArgs, MaxArgs;
    TAddInFn Fn;
};

TVYXNumResult EDate(const std::array<double, 4>& a) { return VYXEDate(std::floor(a[0]), std::trunc(a[1])); }
TVYXNumResult MRound(const std::array<double, 4>& a) { return VYXMRound(a[0], a[1]); }

template <TVYXNumResult (*F)(double, double, double, double)>
TVYXNumResult Coupon(const std::array<double, 4>& a)
{
    return F(std::floor(a[0]), std::floor(a[1]), std::trunc(a[2]), std::trunc(a[3]));
}

// Sorted by name.
constexpr TAddIn cAddIns[] = {
    {u"COUPDAYBS", 3, 4, Coupon<VYXCoupDayBS>}, {u"COUPDAYS", 3, 4, Coupon<VYXCoupDays>},
    {u"COUPDAYSNC", 3, 4, Coupon<VYXCoupDaysNC>}, {u"COUPNCD", 3, 4, Coupon<VYXCoupNCD>},
    {u"COUPNUM", 3, 4, Coupon<VYXCoupNum>},     {u"COUPPCD", 3, 4, Coupon<VYXCoupPCD>},
    {u"EDATE", 2, 2, EDate},                    {u"MROUND", 2, 2, MRound},
};

// One argument as a number: numbers, booleans, numeric text; errors travel.
TXLSCellError ArgNumber(const TXLSUserFuncData& data, int i, double& out)
{
    switch (data.ArgType(i)) {
    case xfvtError: return data.AsError(i);
    case xfvtString:
        if (const auto v = VYXStrToFloat(data.AsString(i))) {
            out = *v;
            return errUnknown;
        }
        return errValue;
    default: out = data.AsFloat(i); return errUnknown;
    }
}

}  // namespace

bool XLSAddInFunction(const std::u16string& name, TXLSUserFuncData& data)
{
    const std::u16string upper = AsciiUpper(name);
    const auto it = std::lower_bound(std::begin(cAddIns), std::end(cAddIns), upper,
                                     [](const TAddIn& a, const std::u16string& n) { return a.Name < n; });
    if (it == std::end(cAddIns) || it->Name != upper || data.IsName)
        return false;
    const int count = data.ArgCount();
    if (count < it->MinArgs || count > it->MaxArgs) {
        data.SetResultAsError(errValue);
        return true;
    }
    std::array<double, 4> a{};
    for (int k = 0; k < count; ++k) {
        // Argument 0 of the data is the call's last argument.
        if (data.RefType(count - 1 - k) == xfrtArea && (data.Cols(count - 1 - k) > 1 || data.Rows(count - 1 - k) > 1)) {
            data.SetResultAsError(errValue);
            return true;
        }
        const TXLSCellError e = ArgNumber(data, count - 1 - k, a[static_cast<std::size_t>(k)]);
        if (e != errUnknown) {
            data.SetResultAsError(e);
            return true;
        }
    }
    const TVYXNumResult r = it->Fn(a);
    if (r.IsOk() && std::isfinite(r.Value))
        data.SetResultAsFloat(r.Value);
    else
        data.SetResultAsError(r.IsOk() ? errNum : XLSNumErrorToCell(r.Error));
    return true;
}
