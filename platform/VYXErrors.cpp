// VYXErrors.cpp: the error manager and its message tables.
#include "platform/VYXErrors.h"

#include "platform/VYXUnicode.h"

namespace {

std::string Quoted(std::string_view lead, std::string_view text)
{
    std::string out(lead);
    out += " \"";
    out += text;
    out += '"';
    return out;
}

// Fills the "%s" places of a pattern in order.
std::string Fill(std::string_view pattern, std::string_view a, std::string_view b)
{
    std::string out;
    int used = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            out += used++ == 0 ? a : b;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

struct TQuotedText {
    int Code;
    const char* Lead;     // text, a blank, then the argument in double quotes
    const char* Pattern;  // or a two-argument pattern
};

// Warning texts by code: either a lead text followed by the quoted argument,
// or a pattern whose "%s" places take the two arguments.
constexpr TQuotedText cWarnings[] = {
    {3500, "Can not find Data Set", nullptr},
    {3501, nullptr, "Unknown Data Set \"%s\" in Field \"%s\""},
    {3502, "Can not find Data Field", nullptr},
    {3503, nullptr, "Can not find Field \"%s\" in Data Set \"%s\""},
    {3504, "Invalid value for boolean parameter", nullptr},
    {3505, "Invalid value for integer parameter", nullptr},
    {3506, "Invalid value for float parameter", nullptr},
    {3507, "Invalid unit for parameter", nullptr},
    {3508, nullptr, "Unknown parameter \"%s\" in band \"%s\""},
    {3509, "Can not find parent band", nullptr},
    {3510, "Invalid field name", nullptr},
    {3511, nullptr, "Unknown band type \"%s\" in Band \"%s\""},
    {3512, "Invalid color value", nullptr},
    {3513, "Unknown field parameter", nullptr},
    {3514, "Unknown field parameter value", nullptr},
    {3515, "Missing condition in band", nullptr},
    {3516, nullptr, "Unknown name \"%s\" in Formula \"%s\""},
    {3517, "Missing graphic source in", nullptr},
    {3518, nullptr, "Invalid parameter \"%s\" in band \"%s\""},
    {3519, nullptr, "Unknown band \"%s\" in formula \"%s\""},
    {3520, "Missing argument in formula", nullptr},
    {3521, nullptr, "Invalid parameter field \"%s\" in band \"%s\""},
    {3522, nullptr, "Unknown barcode type \"%s\" in band \"%s\""},
};

}  // namespace

std::string TVYXErrorManager::ErrorText(std::string_view text1, std::string_view text2, int code)
{
    switch (code) {
    case 4004:
        return "Missing quote in formula: " + std::string(text1);
    case 4006:
        return "Error in formula: " + std::string(text1);
    case 4100:
        return Quoted("Duplicate bookmark name", text1);
    case 4500:
        if (!text2.empty())
            return Fill("Parent band \"%s\" can not have child band \"%s\"", text1, text2);
        return std::string(text1);
    case 4501:
        return "Invalid report band comment. Start and end must be on the same table row.";
    case 4502:
        return Quoted("Band", text1) + " is allready defined";
    case 4503:
        return "All bands must be in the same table";
    default:
        // The detail (what and where) when the reporter gave one.
        return text1.empty() ? "Error " + std::to_string(code) : "Error " + std::to_string(code) + ": " + std::string(text1);
    }
}

std::string TVYXErrorManager::WarningText(std::string_view text1, std::string_view text2, int code)
{
    for (const auto& w : cWarnings) {
        if (w.Code != code)
            continue;
        if (w.Lead)
            return Quoted(w.Lead, text1);
        return Fill(w.Pattern, text1, text2);
    }
    return "Warning " + std::to_string(code);
}

void TVYXErrorManager::Record(TVYXErrorLevel level, int code, const std::string& text)
{
    if (Levels.Has(level))
        Text.Add(text, code);
    if (ErrorEvent)
        ErrorEvent(*this, level, code, text);
    if (Exception.Has(level))
        throw VYXException(text);
}

void TVYXErrorManager::Message(std::string_view text, int code)
{
    ++MsgCount;
    Record(aelMessage, code, std::string(text));
}

void TVYXErrorManager::Warning(std::string_view text, int code) { Warning(text, {}, code); }

void TVYXErrorManager::Warning(std::string_view text1, std::string_view text2, int code)
{
    ++WarnCount;
    Record(aelWarning, code, WarningText(text1, text2, code));
}

void TVYXErrorManager::Error(std::string_view text, int code) { Error(text, {}, code); }

void TVYXErrorManager::Error(std::string_view text1, std::string_view text2, int code)
{
    ++ErrorCount;
    Record(aelError, code, ErrorText(text1, text2, code));
}

void TVYXErrorManager::Warning(std::u16string_view text, int code) { Warning(Utf16ToUtf8(text), code); }
void TVYXErrorManager::Error(std::u16string_view text, int code) { Error(Utf16ToUtf8(text), code); }

void TVYXErrorManager::Report(TVYXErrorLevel level, int code, std::string_view text)
{
    switch (level) {
    case aelMessage:
        ++MsgCount;
        break;
    case aelHint:
        ++HintCount;
        break;
    case aelWarning:
        ++WarnCount;
        break;
    case aelError:
        ++ErrorCount;
        break;
    case aelFatal:
        ++FatalCount;
        break;
    case aelDebug:
        break;
    }
    Record(level, code, std::string(text));
}

void TVYXErrorManager::Hint(std::string_view, int) { ++HintCount; }
void TVYXErrorManager::Fatal(std::string_view, int) { ++FatalCount; }
void TVYXErrorManager::Debug(std::string_view, int) {}

void TVYXErrorManager::CopyRange(TVYXStringList& list, int low, int high) const
{
    for (int i = 0; i < Text.Count(); ++i)
        if (Text.Tag(i) >= low && Text.Tag(i) <= high)
            list.Add(Text[i], Text.Tag(i));
}

void TVYXErrorManager::GetMessages(TVYXStringList& list) const { CopyRange(list, 1000, 1999); }
void TVYXErrorManager::GetWarnings(TVYXStringList& list) const { CopyRange(list, 3000, 3999); }
void TVYXErrorManager::GetErrors(TVYXStringList& list) const { CopyRange(list, 4000, 4999); }

void TVYXErrorManager::Clear()
{
    Text.Clear();
    MsgCount = HintCount = WarnCount = ErrorCount = FatalCount = 0;
}
