// VYXFuncLibrary.cpp: registration of all handler units, and the add-in functions answered by name.
#include "formula/VYXFuncLibrary.h"

#include <algorithm>
#include <cmath>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncAddIns.h"
#include "formula/VYXFuncCommon.h"
#include "platform/VYXErrors.h"
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

struct TAddIn {
    std::u16string_view Name;
    int MinArgs, MaxArgs;
    TXLSFuncHandler Handler;
};

// Sorted by name (a test checks it); names compare in upper case.
constexpr TAddIn cAddIns[] = {
    {u"ARABIC", 1, 1, XLSDoArabic},
    {u"BASE", 2, 3, XLSDoBase},
    {u"BESSELI", 2, 2, XLSDoBessel<1>},
    {u"BESSELJ", 2, 2, XLSDoBessel<0>},
    {u"BESSELK", 2, 2, XLSDoBessel<2>},
    {u"BESSELY", 2, 2, XLSDoBessel<3>},
    {u"BIN2DEC", 1, 1, XLSDoRadix<2, 10>},
    {u"BIN2HEX", 1, 2, XLSDoRadix<2, 16>},
    {u"BIN2OCT", 1, 2, XLSDoRadix<2, 8>},
    {u"CEILING.MATH", 1, 3, XLSDoCeilingMath},
    {u"CONCAT", 1, 254, XLSDoConcat},
    {u"CONVERT", 3, 3, XLSDoConvert},
    {u"COUPDAYBS", 3, 4, XLSDoCoupon<0>},
    {u"COUPDAYS", 3, 4, XLSDoCoupon<1>},
    {u"COUPDAYSNC", 3, 4, XLSDoCoupon<2>},
    {u"COUPNCD", 3, 4, XLSDoCoupon<3>},
    {u"COUPNUM", 3, 4, XLSDoCoupon<4>},
    {u"COUPPCD", 3, 4, XLSDoCoupon<5>},
    {u"CUMIPMT", 6, 6, XLSDoCumulative<false>},
    {u"CUMPRINC", 6, 6, XLSDoCumulative<true>},
    {u"DATEDIF", 3, 3, XLSDoDateDif},
    {u"DAYS", 2, 2, XLSDoDays},
    {u"DEC2BIN", 1, 2, XLSDoRadix<10, 2>},
    {u"DEC2HEX", 1, 2, XLSDoRadix<10, 16>},
    {u"DEC2OCT", 1, 2, XLSDoRadix<10, 8>},
    {u"DECIMAL", 2, 2, XLSDoDecimal},
    {u"DOLLARDE", 2, 2, XLSDoDollarFraction<false>},
    {u"DOLLARFR", 2, 2, XLSDoDollarFraction<true>},
    {u"EDATE", 2, 2, XLSDoEDate},
    {u"EFFECT", 2, 2, XLSDoEffect},
    {u"ERF", 1, 2, XLSDoErf},
    {u"FILTER", 2, 3, XLSDoFilter},
    {u"FLOOR.MATH", 1, 3, XLSDoFloorMath},
    {u"GCD", 1, 254, XLSDoGcd},
    {u"HEX2BIN", 1, 2, XLSDoRadix<16, 2>},
    {u"HEX2DEC", 1, 1, XLSDoRadix<16, 10>},
    {u"HEX2OCT", 1, 2, XLSDoRadix<16, 8>},
    {u"IFNA", 2, 2, XLSDoIfNa},
    {u"IFS", 2, 254, XLSDoIfs},
    {u"ISEVEN", 1, 1, XLSDoIsEven},
    {u"ISODD", 1, 1, XLSDoIsOdd},
    {u"ISOWEEKNUM", 1, 1, XLSDoIsoWeekNum},
    {u"LCM", 1, 254, XLSDoLcm},
    {u"MAXIFS", 3, 253, XLSDoMaxMinIfs<true>},
    {u"MINIFS", 3, 253, XLSDoMaxMinIfs<false>},
    {u"MROUND", 2, 2, XLSDoMRound},
    {u"NOMINAL", 2, 2, XLSDoNominal},
    {u"NUMBERVALUE", 1, 3, XLSDoNumberValue},
    {u"OCT2BIN", 1, 2, XLSDoRadix<8, 2>},
    {u"OCT2DEC", 1, 1, XLSDoRadix<8, 10>},
    {u"OCT2HEX", 1, 2, XLSDoRadix<8, 16>},
    {u"SEQUENCE", 1, 4, XLSDoSequence},
    {u"SQRTPI", 1, 1, XLSDoSqrtPi},
    {u"SWITCH", 3, 254, XLSDoSwitch},
    {u"TEXTJOIN", 3, 254, XLSDoTextJoin},
    {u"UNICHAR", 1, 1, XLSDoUniChar},
    {u"UNICODE", 1, 1, XLSDoUnicode},
    {u"WEEKNUM", 1, 2, XLSDoWeekNum},
    {u"XLOOKUP", 3, 6, XLSDoXLookup},
    {u"XMATCH", 2, 4, XLSDoXMatch},
    {u"XOR", 1, 254, XLSDoXor},
};

static_assert(std::is_sorted(std::begin(cAddIns), std::end(cAddIns),
                             [](const TAddIn& a, const TAddIn& b) { return a.Name < b.Name; }));

const TAddIn* FindAddIn(std::u16string_view name)
{
    if (name.size() > 32)
        return nullptr;
    const std::u16string upper = AsciiUpper(name);
    const auto it = std::lower_bound(std::begin(cAddIns), std::end(cAddIns), upper,
                                     [](const TAddIn& a, const std::u16string& n) { return a.Name < n; });
    return it != std::end(cAddIns) && it->Name == upper ? it : nullptr;
}

}  // namespace

bool XLSIsAddInName(std::u16string_view name) { return FindAddIn(name) != nullptr; }

std::vector<std::u16string_view> XLSAddInNames()
{
    std::vector<std::u16string_view> names;
    for (const TAddIn& a : cAddIns)
        names.push_back(a.Name);
    return names;
}

bool XLSAddInFunction(const std::u16string& name, TXLSUserFuncData& data)
{
    const TAddIn* addIn = FindAddIn(name);
    if (!addIn || data.IsName)
        return false;
    const int count = data.ArgCount();
    if (count < addIn->MinArgs || count > addIn->MaxArgs) {
        data.SetResultAsError(errValue);
        return true;
    }
    // The handler runs on a stack of its own: the arguments carry their cell
    // stores (areas and arrays), so the scratch context needs no cells.
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    TXLSFormulaEvaluator evaluator(manager);
    TValueStack& stack = evaluator.Stack();
    stack.Clear(0, 0, 0);
    stack.SetDateTimeParser(XLSFunctionLibrary().DateTimeParser);
    for (int k = count - 1; k >= 0; --k)  // argument 0 of the data is the call's last argument
        stack.PushValue(data.Args[static_cast<std::size_t>(k)]);
    stack.SetResult(count);
    TXLSFuncCall call{stack, evaluator, -1, count};
    addIn->Handler(call);
    if (stack.Count() == 0) {
        data.SetResultAsError(errValue);
        return true;
    }
    data.Result = stack.Peek();
    if (data.Result.ValType == xfvtFloat && data.Result.RefType == xfrtNone && !std::isfinite(data.Result.vFloat))
        data.SetResultAsError(errNum);
    return true;
}
