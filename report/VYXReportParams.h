// VYXReportParams.h: the parameter tables of band comments and field switches, and reading their values.
//
// Band comment grammar: lines (CR, LF or vertical tab) trimmed; empty lines and lines
// starting with ";" skipped; the first line must begin with "-band"; every other line
// is "name: value", split at the first ":", the name trimmed, lower-cased and one
// leading "-" removed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/VYXReport.h"

struct TVYXReportParam {
    std::u16string_view Keyword;  // lower case
    TVYXReportParameterType Type;
    TVYXReportParameterId Id;
};

struct TVYXBandLine {
    std::u16string Name, Value, Text;
    bool HasValue = false;
};

std::u16string VYXTrim(std::u16string_view text);
// Case-insensitive lookups; nullptr when unknown.
const TVYXReportParam* VYXFindBandParam(std::u16string_view name);
const TVYXReportParam* VYXFindFieldParam(std::u16string_view name);
const TVYXReportParam* VYXFindReportFunction(std::u16string_view name);
bool VYXReportTablesSorted();

// The parameter lines of a comment; `isBand` false (and no lines) when it is no band comment.
std::vector<TVYXBandLine> VYXSplitBandComment(std::u16string_view text, bool& isBand);
bool VYXParseBoolean(std::u16string_view text, bool& value);
bool VYXParseInteger(std::u16string_view text, int& value);
bool VYXParseFloat(std::u16string_view text, double& value);
// A number with an optional unit (in, mm, cm, pc, pt) in points: 0 ok, 1 bad number, 2 bad unit.
int VYXParseSize(std::u16string_view text, double& points);
// "(r,g,b),(r,g)..." as 0x00RRGGBB values; false with the bad entry in `bad`.
bool VYXParseColors(std::u16string_view text, std::vector<std::uint32_t>& colors, std::u16string& bad);
std::u16string VYXColorsText(const std::vector<std::uint32_t>& colors);
// A field code split at its switch separators: the name first, then each switch's text.
std::vector<std::u16string> VYXSplitFieldCode(std::u16string_view code);
