// VYXCsvSource.h: comma-separated records (quoted fields, doubled quotes, line breaks inside quotes).
//
// Grammar (UTF-8, an optional byte-order mark first):
//   file   = record *(newline record) [newline]
//   record = field *(delimiter field)
//   field  = '"' *(any character but '"' | '""') '"' | *(any character but delimiter, '"', CR, LF)
//   newline = CRLF | LF | CR
// Text with a UTF-16 byte-order mark is read as UTF-16; text that is not UTF-8 in
// the fallback code page. The first record names the fields (or, without a header, fields are called
// "Field1", "Field2" ...). A record with fewer fields than the header leaves the
// rest null; one with more raises. Types are declared per field or inferred from
// the values (integer, float, boolean, ISO date and time, else string).
// Broken input (a quote inside an unquoted field, text after a closing quote,
// an unterminated quote) raises VYXException naming the line.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "report/VYXRecordSource.h"

struct TVYXCsvOptions {
    char16_t Delimiter = u',';
    // Take the delimiter ",", ";" or tab that the first record holds most often
    // outside quotes (spreadsheets in many locales write ";").
    bool DetectDelimiter = false;
    // Code page of text that is neither marked (UTF-8 or UTF-16 byte-order mark) nor
    // valid UTF-8: spreadsheets save CSV in the system's 8-bit code page.
    int FallbackCodePage = 1252;
    bool Header = true;
    bool InferTypes = true;
    std::map<std::u16string, TVYXFieldType> Types;  // declared types by field name (exact)
};

class TVYXCsvSource : public TVYXMemorySource {
public:
    void LoadFromString(std::string_view bytes, const TVYXCsvOptions& options = {});
    void LoadFromFile(const std::string& fileName, const TVYXCsvOptions& options = {});
};
