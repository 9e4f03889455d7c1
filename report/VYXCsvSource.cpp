// VYXCsvSource.cpp: the CSV reader.
#include "report/VYXCsvSource.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
// Guards against a file of one endless record eating memory field by field.
constexpr std::size_t cMaxFields = 10000;

[[noreturn]] void Fail(const char* what, int line)
{
    throw VYXException(std::string("CSV: ") + what + " in line " + std::to_string(line));
}

// Splits the whole text into records of fields.
std::vector<std::vector<std::u16string>> Split(std::u16string_view text, char16_t delimiter)
{
    std::vector<std::vector<std::u16string>> records;
    std::vector<std::u16string> record;
    std::u16string field;
    int line = 1;
    std::size_t i = 0;
    bool fieldStarted = false;  // something (even an empty quoted field) stands in this record
    auto endField = [&] {
        if (record.size() >= cMaxFields)
            Fail("too many fields", line);
        record.push_back(std::move(field));
        field.clear();
    };
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c == u'"' && field.empty()) {
            const int startLine = line;
            ++i;
            for (;;) {
                if (i >= text.size())
                    Fail("unterminated quoted field", startLine);
                const char16_t q = text[i++];
                if (q == u'"') {
                    if (i < text.size() && text[i] == u'"') {
                        field.push_back(u'"');
                        ++i;
                        continue;
                    }
                    break;
                }
                if (q == u'\n' || (q == u'\r' && (i >= text.size() || text[i] != u'\n')))
                    ++line;
                field.push_back(q);
            }
            if (i < text.size() && text[i] != delimiter && text[i] != u'\r' && text[i] != u'\n')
                Fail("text after a closing quote", line);
            fieldStarted = true;
            continue;
        }
        if (c == delimiter) {
            endField();
            fieldStarted = true;
            ++i;
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            ++i;
            if (c == u'\r' && i < text.size() && text[i] == u'\n')
                ++i;
            if (fieldStarted || !field.empty()) {
                endField();
                records.push_back(std::move(record));
                record.clear();
            }
            fieldStarted = false;
            ++line;
            continue;
        }
        if (c == u'"')
            Fail("quote inside an unquoted field", line);
        field.push_back(c);
        ++i;
    }
    if (fieldStarted || !field.empty()) {
        endField();
        records.push_back(std::move(record));
    }
    return records;
}
}  // namespace

void TVYXCsvSource::LoadFromString(std::string_view bytes, const TVYXCsvOptions& options)
{
    std::u16string text;
    if (bytes.size() >= 2 && (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")) {
        const bool little = bytes[0] == '\xFF';
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto lo = static_cast<unsigned char>(bytes[little ? i : i + 1]);
            const auto hi = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
            text.push_back(static_cast<char16_t>(hi << 8 | lo));
        }
    } else {
        if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        if (IsValidUtf8(bytes))
            text = Utf8ToUtf16(bytes);
        else if (VYXCodePageSupported(options.FallbackCodePage))
            text = VYXDecodeCodePage(bytes, options.FallbackCodePage);
        else
            throw VYXException("CSV: the text is not UTF-8");
    }
    char16_t delimiter = options.Delimiter;
    if (options.DetectDelimiter) {
        int counts[3] = {0, 0, 0};
        bool quoted = false;
        for (std::size_t i = 0; i < text.size() && (quoted || (text[i] != u'\n' && text[i] != u'\r')); ++i) {
            if (text[i] == u'"')
                quoted = !quoted;
            else if (!quoted)
                counts[0] += text[i] == u',', counts[1] += text[i] == u';', counts[2] += text[i] == u'\t';
        }
        delimiter = counts[1] > counts[0] && counts[1] >= counts[2] ? u';' : counts[2] > counts[0] ? u'\t' : u',';
    }
    if (delimiter == u'"' || delimiter == u'\r' || delimiter == u'\n')
        throw VYXException("CSV: invalid delimiter");
    std::vector<std::vector<std::u16string>> records = Split(text, delimiter);
    Clear();
    std::size_t first = 0;
    if (options.Header && !records.empty()) {
        for (const std::u16string& name : records[0])
            AddField(name);
        first = 1;
    } else if (!records.empty()) {
        for (std::size_t f = 0; f < records[0].size(); ++f)
            AddField(u"Field" + Utf8ToUtf16(std::to_string(f + 1)));
    }
    for (std::size_t r = first; r < records.size(); ++r) {
        // Spreadsheets end lines with a delimiter: empty fields past the header's go.
        while (records[r].size() > static_cast<std::size_t>(FieldCount()) && records[r].back().empty())
            records[r].pop_back();
        if (records[r].size() > static_cast<std::size_t>(FieldCount()))
            throw VYXException("CSV: record " + std::to_string(r + 1) + " has " + std::to_string(records[r].size()) +
                               " fields, the header " + std::to_string(FieldCount()));
        AppendRecord();
        for (std::size_t f = 0; f < records[r].size(); ++f) {
            TVYXFieldValue v;
            v.Null = records[r][f].empty();
            v.Text = std::move(records[r][f]);
            SetValue(static_cast<int>(f), std::move(v));
        }
    }
    if (options.InferTypes)
        InferTypes();
    // Declarations win over what inference found.
    for (const auto& [name, type] : options.Types) {
        const int f = FindField(name);
        if (f < 0)
            throw VYXException("CSV: no field \"" + Utf16ToUtf8(name) + "\" to declare");
        SetFieldType(f, type);
        ConvertField(f);
    }
    First();
}

void TVYXCsvSource::LoadFromFile(const std::string& fileName, const TVYXCsvOptions& options)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw VYXException("Can not open file \"" + fileName + "\"");
    std::ostringstream s;
    s << in.rdbuf();
    LoadFromString(s.str(), options);
}
