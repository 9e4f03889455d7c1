// VYXCsvSource.h: comma-separated records (quoted fields, doubled quotes, line breaks inside quotes).
//
// Grammar (UTF-8, an optional byte-order mark first):
//   file   = record *(newline record) [newline]
//   record = field *(delimiter field)
//   field  = '"' *(any character but '"' | '""') '"' | *(any character but delimiter, '"', CR, LF)
//   newline = CRLF | LF | CR
// The first record names the fields (or, without a header, fields are called
// "Field1", "Field2" ...). A record with fewer fields than the header leaves the
// rest null; one with more raises. Types are declared per field or inferred from
// the values (integer, float, boolean, ISO date and time, else string).
// Broken input (a quote inside an unquoted field, text after a closing quote,
// an unterminated quote, bytes that are not UTF-8) raises VYXException naming the line.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "report/VYXRecordSource.h"

struct TVYXCsvOptions {
    char16_t Delimiter = u',';
    bool Header = true;
    bool InferTypes = true;
    std::map<std::u16string, TVYXFieldType> Types;  // declared types by field name (exact)
};

class TVYXCsvSource : public TVYXMemorySource {
public:
    void LoadFromString(std::string_view bytes, const TVYXCsvOptions& options = {});
    void LoadFromFile(const std::string& fileName, const TVYXCsvOptions& options = {});
};
