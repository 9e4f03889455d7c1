// NyqUtils.h: value conversions, name hashes and CRC-32 shared by the XML layer.
//
// Values in XML files use the schema's invariant notation ("1.5", "true",
// "2024-03-01T10:20:30Z"), never the user's locale. Dates are the host
// framework's date-time numbers: days since 1899-12-30, the fraction being the
// time of day.
//
// The four name hashes let generated schema classes dispatch on element and
// attribute names with one integer switch. They run over the UTF-16 form of
// the name (UTF-8 input is decoded on the fly), so `sectPr` gives the same
// value whether it comes from a file or from a literal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using TNyqDateTime = double;

// Sum of all bytes of the name's UTF-16 form ("sectPr" is 625).
std::uint32_t CalcHash_A(std::string_view name);
// RS hash (multipliers 63689 and 378551) over the UTF-16 code units.
std::uint32_t CalcHash_B(std::string_view name);
// JS hash (seed 1315423911) over the UTF-16 code units.
std::uint32_t CalcHash_C(std::string_view name);
// AP hash (seed 0xAAAAAAAA) over the UTF-16 code units.
std::uint32_t CalcHash_D(std::string_view name);
// The standard CRC-32 (reflected polynomial 0xEDB88320) of the name's bytes.
std::uint32_t CalcHash_CRC32(std::string_view name);
// CRC-32 of a byte block, continued from `crc` (0 to start), as zip entries use it.
std::uint32_t CalcCRC32(const void* data, std::size_t size, std::uint32_t crc = 0);

// The local part of a qualified name ("w:p" -> "p").
std::string_view NameOfQName(std::string_view qname);

std::optional<double> XmlTryStrToFloat(std::string_view text);
std::optional<bool> XmlTryStrToBool(std::string_view text);
std::optional<std::int64_t> XmlTryStrToInt(std::string_view text);
std::optional<std::int64_t> XmlTryStrHexToInt(std::string_view text);
std::optional<TNyqDateTime> XmlTryStrToDateTime(std::string_view text);
std::optional<TNyqDateTime> XmlTryStrToDate(std::string_view text);
std::optional<TNyqDateTime> XmlTryStrToTime(std::string_view text);

// The raising forms: bad text raises VYXException ("Invalid XML value \"%s\"").
double XmlStrToFloat(std::string_view text);
bool XmlStrToBool(std::string_view text);
TNyqDateTime XmlStrToDateTime(std::string_view text);
TNyqDateTime XmlStrToDate(std::string_view text);
TNyqDateTime XmlStrToTime(std::string_view text);
// The defaulting forms.
int XmlStrToIntDef(std::string_view text, int def);
bool XmlStrToBoolDef(std::string_view text, bool def);
int XmlStrHexToIntDef(std::string_view text, int def);

std::string XmlIntToStr(std::int64_t value);
// Upper-case hexadecimal with at least `digits` digits ("00FF00").
std::string XmlIntToHexStr(std::uint32_t value, int digits);
// Shortest text that reads back to the same double; "." as the separator.
std::string XmlFloatToStr(double value);
// "yyyy-mm-ddThh:nn:ssZ".
std::string XmlDateTimeToStr(TNyqDateTime value);
std::string XmlBoolToStr(bool value);
