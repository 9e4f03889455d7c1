// VYXRecordSource.cpp: typed values, the in-memory source and type inference.
#include "report/VYXRecordSource.h"

#include <array>
#include <charconv>
#include <cmath>

#include "formula/VYXDateTime.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
struct TTypeName {
    std::u16string_view Name;
    TVYXFieldType Type;
};
constexpr std::array<TTypeName, 8> cTypeNames = {{
    {u"boolean", avftBoolean},
    {u"date", avftDate},
    {u"datetime", avftDateTime},
    {u"float", avftFloat},
    {u"integer", avftInteger},
    {u"number", avftFloat},
    {u"string", avftString},
    {u"time", avftTime},
}};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Digits only, at most `count` of them, exactly `count` when `exact`.
bool ReadDigits(std::u16string_view text, std::size_t& i, std::size_t count, int& out)
{
    out = 0;
    std::size_t n = 0;
    while (i < text.size() && n < count && IsDigit(text[i])) {
        out = out * 10 + (text[i] - u'0');
        ++i;
        ++n;
    }
    return n == count;
}

bool ReadTime(std::u16string_view text, std::size_t& i, double& fraction)
{
    int h = 0, m = 0, s = 0;
    if (!ReadDigits(text, i, 2, h) || i >= text.size() || text[i] != u':')
        return false;
    ++i;
    if (!ReadDigits(text, i, 2, m))
        return false;
    if (i < text.size() && text[i] == u':') {
        ++i;
        if (!ReadDigits(text, i, 2, s))
            return false;
    }
    if (h > 23 || m > 59 || s > 59)
        return false;
    fraction = (h * 3600.0 + m * 60.0 + s) / 86400.0;
    return true;
}

// ASCII copy of a number's text; empty when a character is not ASCII.
std::string Ascii(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c > 0x7F)
            return {};
        out.push_back(static_cast<char>(c));
    }
    return out;
}

bool ReadInteger(std::u16string_view text, double& out)
{
    std::size_t i = (!text.empty() && (text[0] == u'-' || text[0] == u'+')) ? 1 : 0;
    if (i >= text.size() || text.size() - i > 15)  // beyond 15 digits a double no longer holds every integer
        return false;
    for (std::size_t k = i; k < text.size(); ++k)
        if (!IsDigit(text[k]))
            return false;
    const std::string a = Ascii(text[0] == u'+' ? text.substr(1) : text);
    long long v = 0;
    if (std::from_chars(a.data(), a.data() + a.size(), v).ec != std::errc())
        return false;
    out = static_cast<double>(v);
    return true;
}

// [+-] digits [. digits] [e [+-] digits], or [+-] . digits ...
bool ReadFloat(std::u16string_view text, double& out)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
            ++i;
        std::size_t e = 0;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++e;
        if (e == 0)
            return false;
    }
    if (i != text.size())
        return false;
    std::string a = Ascii(text);
    if (!a.empty() && a[0] == '+')
        a.erase(0, 1);
    double v = 0;
    const auto r = std::from_chars(a.data(), a.data() + a.size(), v);
    if (r.ec != std::errc() || !std::isfinite(v))
        return false;
    out = v;
    return true;
}
}  // namespace

std::u16string_view VYXFieldTypeName(TVYXFieldType type)
{
    switch (type) {
    case avftInteger: return u"integer";
    case avftFloat: return u"float";
    case avftBoolean: return u"boolean";
    case avftDate: return u"date";
    case avftTime: return u"time";
    case avftDateTime: return u"datetime";
    case avftString: break;
    }
    return u"string";
}

bool VYXFieldTypeOf(std::u16string_view name, TVYXFieldType& type)
{
    for (const TTypeName& t : cTypeNames)
        if (SameTextAscii(t.Name, name)) {
            type = t.Type;
            return true;
        }
    return false;
}

bool VYXParseIsoDateTime(std::u16string_view text, double& serial, TVYXFieldType& type)
{
    std::size_t i = 0;
    double fraction = 0;
    if (text.size() >= 5 && text[2] == u':') {
        if (!ReadTime(text, i, fraction) || i != text.size())
            return false;
        serial = fraction;
        type = avftTime;
        return true;
    }
    int y = 0, m = 0, d = 0;
    if (!ReadDigits(text, i, 4, y) || i >= text.size() || text[i++] != u'-' || !ReadDigits(text, i, 2, m) ||
        i >= text.size() || text[i++] != u'-' || !ReadDigits(text, i, 2, d))
        return false;
    const std::optional<double> date = (y >= 1900 && m >= 1 && m <= 12 && d >= 1 && d <= VYXDaysInMonth(y, m))
                                           ? VYXEncodeDate(y, m, d)
                                           : std::nullopt;
    if (!date)
        return false;
    type = avftDate;
    if (i < text.size() && (text[i] == u'T' || text[i] == u' ')) {
        ++i;
        if (!ReadTime(text, i, fraction))
            return false;
        type = avftDateTime;
    }
    if (i != text.size())
        return false;
    serial = *date + fraction;
    return true;
}

bool VYXReadFieldText(std::u16string_view source, TVYXFieldType type, TVYXFieldValue& value)
{
    // `source` may view value.Text itself: read from a copy.
    value.Text = std::u16string(source);
    const std::u16string_view text = value.Text;
    value.Num = 0;
    value.Null = text.empty();
    if (text.empty())
        return true;
    switch (type) {
    case avftString:
        return true;
    case avftInteger:
        if (ReadInteger(text, value.Num))
            return true;
        return ReadFloat(text, value.Num) && value.Num == std::floor(value.Num);
    case avftFloat:
        return ReadFloat(text, value.Num);
    case avftBoolean:
        if (SameTextAscii(text, u"true") || text == u"1") {
            value.Num = 1;
            return true;
        }
        return SameTextAscii(text, u"false") || text == u"0";
    case avftDate:
    case avftTime:
    case avftDateTime: {
        TVYXFieldType found = avftDate;
        return VYXParseIsoDateTime(text, value.Num, found);
    }
    }
    return false;
}

int TVYXRecordSource::FindField(std::u16string_view name) const
{
    for (int i = 0; i < FieldCount(); ++i)
        if (SameTextAscii(FieldName(i), name))
            return i;
    return -1;
}

TVYXRecordSource* TVYXRecordSource::Detail(std::u16string_view) { return nullptr; }

int TVYXMemorySource::AddField(std::u16string_view name, TVYXFieldType type)
{
    FFields.push_back({std::u16string(name), type});
    for (TRecord& r : FRecords)
        r.Values.emplace_back();
    return FieldCount() - 1;
}

TVYXFieldValue TVYXMemorySource::Value(int field) const
{
    if (Eof() || field < 0 || field >= FieldCount())
        return {};
    return FRecords[static_cast<std::size_t>(FCurrent)].Values[static_cast<std::size_t>(field)];
}

TVYXRecordSource* TVYXMemorySource::Detail(std::u16string_view name)
{
    if (Eof())
        return nullptr;
    auto& details = FRecords[static_cast<std::size_t>(FCurrent)].Details;
    const auto it = details.find(AsciiUpper(name));
    return it == details.end() ? nullptr : it->second.get();
}

void TVYXMemorySource::AppendRecord()
{
    FRecords.emplace_back();
    FRecords.back().Values.resize(FFields.size());
    FCurrent = RecordCount() - 1;
}

void TVYXMemorySource::SetValue(int field, TVYXFieldValue value)
{
    if (field < 0 || field >= FieldCount())
        throw VYXException("Index out of range");
    if (Eof())
        AppendRecord();
    FRecords[static_cast<std::size_t>(FCurrent)].Values[static_cast<std::size_t>(field)] = std::move(value);
}

void TVYXMemorySource::SetText(int field, std::u16string_view text)
{
    TVYXFieldValue v;
    VYXReadFieldText(text, FieldType(field), v);
    SetValue(field, std::move(v));
}

TVYXMemorySource& TVYXMemorySource::AddDetail(std::u16string_view name)
{
    if (Eof())
        AppendRecord();
    auto& slot = FRecords[static_cast<std::size_t>(FCurrent)].Details[AsciiUpper(name)];
    if (!slot) {
        slot = std::make_unique<TVYXMemorySource>();
        slot->Name = std::u16string(name);
    }
    return *slot;
}

void TVYXMemorySource::Clear()
{
    FFields.clear();
    FRecords.clear();
    FCurrent = 0;
}

void TVYXMemorySource::ConvertField(int field)
{
    const auto f = static_cast<std::size_t>(field);
    for (TRecord& r : FRecords) {
        TVYXFieldValue& v = r.Values[f];
        const std::u16string text = v.Text;
        VYXReadFieldText(text, FFields[f].Type, v);
    }
}

void TVYXMemorySource::InferTypes()
{
    // Tried from the narrowest; a field takes the first type every non-empty value reads as.
    constexpr TVYXFieldType cOrder[] = {avftInteger, avftFloat, avftBoolean, avftDate, avftDateTime, avftTime};
    for (std::size_t f = 0; f < FFields.size(); ++f) {
        if (FFields[f].Type != avftString)
            continue;
        bool any = false;
        for (const TRecord& r : FRecords)
            any = any || !r.Values[f].Text.empty();
        if (!any)
            continue;
        for (TVYXFieldType type : cOrder) {
            bool all = true;
            for (const TRecord& r : FRecords) {
                const std::u16string& text = r.Values[f].Text;
                if (text.empty())
                    continue;
                TVYXFieldValue v;
                TVYXFieldType found = avftString;
                double serial = 0;
                if (type == avftDate || type == avftDateTime || type == avftTime)
                    all = VYXParseIsoDateTime(text, serial, found) && found == type;
                else if (type == avftBoolean)
                    all = SameTextAscii(text, u"true") || SameTextAscii(text, u"false");
                else
                    all = VYXReadFieldText(text, type, v);
                if (!all)
                    break;
            }
            if (all) {
                FFields[f].Type = type;
                ConvertField(static_cast<int>(f));
                break;
            }
        }
    }
}
