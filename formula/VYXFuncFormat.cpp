// VYXFuncFormat.cpp: TEXT, the Thai text and date functions, CELL, RTD and ISHYPERLINK.
//
// TEXT formats through the number-format masks (TExcelMask); text that is not
// a number comes back unchanged, booleans as TRUE/FALSE. Thai functions:
// BAHTTEXT reads an amount in Thai words with baht and satang; THAINUMSOUND
// reads a number in Thai words (decimals after "จุด" digit by digit);
// THAINUMSTRING names each digit in turn; THAIDIGIT writes Thai digits;
// ISTHAIDIGIT is TRUE for non-empty text made of Thai digits only;
// THAISTRINGLENGTH counts characters that take a place of their own (not the
// vowel and tone marks above or below a consonant); ROUNDBAHTUP/DOWN round to
// a quarter baht away from or toward zero; THAIYEAR is the Buddhist-era year.
// CELL answers about the referenced cell, or the formula's own cell: the
// document holds no file name, column widths or number formats, so
// "filename" is empty, "width" 8 and "format" "G". RTD asks the host through
// the evaluator's user-function event under the name "RTD" (#N/A without a
// handler). Values carry no hyperlink mark, so ISHYPERLINK is always FALSE.
#include <cmath>
#include <string>

#include "formula/VYXCellStore.h"
#include "formula/VYXDateTime.h"
#include "formula/VYXFuncCommon.h"
#include "formula/VYXMask.h"
#include "platform/VYXException.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

namespace {

void DoText(TXLSFuncCall& call)
{
    std::u16string mask;
    if (!call.Stack.PopResStr(mask))
        return;
    TXLSFormulaValue value;
    if (!call.Stack.PopResValue(value))
        return;
    double number = 0;
    if (value.ValType == xfvtBoolean || (value.ValType == xfvtString && call.Stack.GetAsFloat(value, number) != errUnknown)) {
        std::u16string text;
        call.Stack.GetAsString(value, text);
        call.Stack.PushString(text);
        return;
    }
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(value, number)))
        return;
    try {
        TExcelMask formatter(mask);
        call.Stack.PushString(formatter.FormatNumber(number));
    } catch (const VYXException&) {
        call.Stack.SetError(errValue);
    }
}

// ---- Thai ------------------------------------------------------------------

constexpr std::u16string_view cThaiDigitNames[] = {u"ศูนย์", u"หนึ่ง", u"สอง", u"สาม", u"สี่",
                                                   u"ห้า",   u"หก",    u"เจ็ด", u"แปด", u"เก้า"};
constexpr std::u16string_view cThaiPlaces[] = {u"", u"สิบ", u"ร้อย", u"พัน", u"หมื่น", u"แสน"};
constexpr std::u16string_view cThaiMillion = u"ล้าน";
constexpr char16_t cThaiZero = 0x0E50;

// The Thai reading of a whole number below 10^15: a final one after tens is
// "เอ็ด" (21 ยี่สิบเอ็ด), after hundreds and more it stays "หนึ่ง" (101).
std::u16string ThaiWords(std::uint64_t n)
{
    std::u16string out;
    if (n >= 1000000) {
        out = ThaiWords(n / 1000000);
        out += cThaiMillion;
        n %= 1000000;
    }
    for (int place = 5; place >= 0; --place) {
        std::uint64_t scale = 1;
        for (int i = 0; i < place; ++i)
            scale *= 10;
        const auto d = static_cast<int>(n / scale % 10);
        if (d == 0)
            continue;
        if (place == 1 && d == 1)
            out += u"สิบ";
        else if (place == 1 && d == 2)
            out += u"ยี่สิบ";
        else if (place == 0 && d == 1 && n / 10 % 10 != 0)
            out += u"เอ็ด";
        else
            out += std::u16string(cThaiDigitNames[d]) + std::u16string(cThaiPlaces[place]);
    }
    return out;
}

constexpr double cThaiLimit = 1e15;

void DoBahtText(TXLSFuncCall& call)
{
    double value = 0;
    if (!call.Stack.PopResFloat(value))
        return;
    const double cents = std::round(std::fabs(value) * 100);
    if (cents >= cThaiLimit * 100) {
        call.Stack.SetError(errValue);
        return;
    }
    const auto baht = static_cast<std::uint64_t>(cents / 100);
    const auto satang = static_cast<std::uint64_t>(cents - static_cast<double>(baht) * 100);
    std::u16string out = value < 0 && cents > 0 ? u"ลบ" : u"";
    if (baht > 0)
        out += ThaiWords(baht) + u"บาท";
    if (satang > 0)
        out += ThaiWords(satang) + u"สตางค์";
    else
        out += baht > 0 ? u"ถ้วน" : u"ศูนย์บาทถ้วน";
    call.Stack.PushString(out);
}

void DoThaiNumSound(TXLSFuncCall& call)
{
    double value = 0;
    if (!call.Stack.PopResFloat(value))
        return;
    if (std::fabs(value) >= cThaiLimit) {
        call.Stack.SetError(errValue);
        return;
    }
    const double whole = std::trunc(std::fabs(value));
    std::u16string out = value < 0 ? u"ลบ" : u"";
    out += whole == 0 ? std::u16string(cThaiDigitNames[0]) : ThaiWords(static_cast<std::uint64_t>(whole));
    const std::u16string text = VYXFloatToStr(VYXRound15(std::fabs(value) - whole));
    if (const std::size_t dot = text.find_first_of(u".,"); dot != std::u16string::npos) {
        out += u"จุด";
        for (std::size_t i = dot + 1; i < text.size(); ++i)
            if (text[i] >= u'0' && text[i] <= u'9')
                out += cThaiDigitNames[text[i] - u'0'];
    }
    call.Stack.PushString(out);
}

void DoThaiNumString(TXLSFuncCall& call)
{
    double value = 0;
    if (!call.Stack.PopResFloat(value))
        return;
    std::u16string out;
    for (char16_t c : VYXFloatToStr(value))
        if (c >= u'0' && c <= u'9')
            out += cThaiDigitNames[c - u'0'];
        else if (c == u'-')
            out += u"ลบ";
        else
            out += u"จุด";
    call.Stack.PushString(out);
}

void DoThaiDigit(TXLSFuncCall& call)
{
    std::u16string text;
    if (!call.Stack.PopResStr(text))
        return;
    for (char16_t& c : text)
        if (c >= u'0' && c <= u'9')
            c = static_cast<char16_t>(cThaiZero + (c - u'0'));
    call.Stack.PushString(text);
}

void DoIsThaiDigit(TXLSFuncCall& call)
{
    std::u16string text;
    if (!call.Stack.PopResStr(text))
        return;
    bool all = !text.empty();
    for (char16_t c : text)
        all = all && c >= cThaiZero && c <= cThaiZero + 9;
    call.Stack.PushBoolean(all);
}

bool IsThaiMark(char16_t c) { return c == 0x0E31 || (c >= 0x0E34 && c <= 0x0E3A) || (c >= 0x0E47 && c <= 0x0E4E); }

void DoThaiStringLength(TXLSFuncCall& call)
{
    std::u16string text;
    if (!call.Stack.PopResStr(text))
        return;
    int n = 0;
    for (char16_t c : text)
        n += !IsThaiMark(c);
    call.Stack.PushInt(n);
}

template <bool Up>
void DoRoundBaht(TXLSFuncCall& call)
{
    double value = 0;
    if (!call.Stack.PopResFloat(value))
        return;
    const double quarters = VYXRound15(std::fabs(value) * 4);
    const double rounded = (Up ? std::ceil(quarters) : std::floor(quarters)) / 4;
    XLSPushChecked(call.Stack, value < 0 ? -rounded : rounded);
}

// THAIYEAR, THAIDAYOFWEEK and THAIMONTHOFYEAR of a serial date.
template <int Part>
void DoThaiDate(TXLSFuncCall& call)
{
    static constexpr std::u16string_view cDays[] = {u"อาทิตย์", u"จันทร์", u"อังคาร", u"พุธ",
                                                    u"พฤหัสบดี", u"ศุกร์", u"เสาร์"};
    static constexpr std::u16string_view cMonths[] = {u"มกราคม",  u"กุมภาพันธ์", u"มีนาคม",  u"เมษายน",
                                                      u"พฤษภาคม", u"มิถุนายน",   u"กรกฎาคม", u"สิงหาคม",
                                                      u"กันยายน", u"ตุลาคม",     u"พฤศจิกายน", u"ธันวาคม"};
    double serial = 0;
    if (!call.Stack.PopResDateTime(serial))
        return;
    const auto date = VYXDecodeDate(serial);
    if (serial < 0 || !date) {
        call.Stack.SetError(errNum);
        return;
    }
    if (Part == 0)
        call.Stack.PushInt(date->Year + 543);
    else if (Part == 1)
        call.Stack.PushString(cDays[VYXDayOfWeek(serial)]);
    else
        call.Stack.PushString(cMonths[date->Month - 1]);
}

// ---- CELL, RTD, ISHYPERLINK ------------------------------------------------

void DoCell(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    std::u16string info;
    if (!call.Stack.HandleError(call.Stack.GetAsString(*args[0], info)))
        return;
    std::int32_t col = call.Stack.Col(), row = call.Stack.Row();
    if (args.size() > 1 && !XLSIsMissing(*args[1])) {
        const TXLSFormulaValue& ref = *args[1];
        if (ref.RefType == xfrtNone) {
            call.Stack.SetError(ref.ValType == xfvtError ? ref.vErr : errValue);
            return;
        }
        col = ref.Col1;
        row = ref.Row1;
    }
    TXLSFormulaValue cell;
    call.Stack.LoadCell(cell, col, row);
    const std::u16string key = AsciiUpper(info);
    if (key == u"ADDRESS") {
        call.Stack.PushString(ColRowToRefStr(col, row, true, true));
    } else if (key == u"COL" || key == u"ROW") {
        call.Stack.PushInt((key == u"COL" ? col : row) + 1);
    } else if (key == u"CONTENTS") {
        cell.RefType = xfrtNone;
        if (cell.ValType == xfvtUnknown)
            cell.SetFloat(0);
        call.Stack.PushValue(cell);
    } else if (key == u"TYPE") {
        call.Stack.PushString(cell.ValType == xfvtUnknown ? u"b" : (cell.ValType == xfvtString ? u"l" : u"v"));
    } else if (key == u"FILENAME" || key == u"PREFIX") {
        call.Stack.PushString(u"");
    } else if (key == u"FORMAT") {
        call.Stack.PushString(u"G");
    } else if (key == u"COLOR" || key == u"PARENTHESES") {
        call.Stack.PushInt(0);
    } else if (key == u"PROTECT") {
        call.Stack.PushInt(1);
    } else if (key == u"WIDTH") {
        call.Stack.PushInt(8);
    } else {
        call.Stack.SetError(errValue);
    }
}

void DoRtd(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    call.Evaluator.Volatile = true;
    if (!call.Evaluator.UserFunctionEvent) {
        call.Stack.SetError(errNA);
        return;
    }
    TXLSUserFuncData data;
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        data.Args.push_back(**it);
    data.SetResultAsError(errNA);
    call.Evaluator.UserFunctionEvent(u"RTD", data);
    if (data.Result.ValType == xfvtFloat && !std::isfinite(data.Result.vFloat))
        data.Result.SetError(errNum);
    data.Result.RefType = xfrtNone;
    call.Stack.PushValue(data.Result);
}

void DoIsHyperlink(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    call.Stack.PushBoolean(false);
}

const TXLSFuncEntry cFormatFunctions[] = {
    {"BAHTTEXT", DoBahtText},
    {"CELL", DoCell},
    {"ISHYPERLINK", DoIsHyperlink},
    {"ISTHAIDIGIT", DoIsThaiDigit},
    {"ROUNDBAHTDOWN", DoRoundBaht<false>},
    {"ROUNDBAHTUP", DoRoundBaht<true>},
    {"RTD", DoRtd},
    {"TEXT", DoText},
    {"THAIDAYOFWEEK", DoThaiDate<1>},
    {"THAIDIGIT", DoThaiDigit},
    {"THAIMONTHOFYEAR", DoThaiDate<2>},
    {"THAINUMSOUND", DoThaiNumSound},
    {"THAINUMSTRING", DoThaiNumString},
    {"THAISTRINGLENGTH", DoThaiStringLength},
    {"THAIYEAR", DoThaiDate<0>},
};

}  // namespace

void XLSRegisterFormatFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cFormatFunctions); }
