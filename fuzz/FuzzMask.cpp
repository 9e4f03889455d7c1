// FuzzMask.cpp: parses the input as a number-format mask and as a date-time text, then formats values.
#include "formula/VYXDateTime.h"
#include "formula/VYXMask.h"
#include "platform/VYXException.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string text = Utf8ToUtf16(std::string(reinterpret_cast<const char*>(data), size));
    VYXParseDateTime(text, TVYXLocaleSettings::EnUS(), 2024);
    TExcelMask mask;
    try {
        mask.SetMask(text);
    } catch (const VYXException&) {
        return 0;  // over-long masks are refused, nothing else may raise
    }
    for (double v : {0.0, -0.0, 1.5, -1234.5678, 45292.75, 1e300, -1e-300, 2958465.999, -693594.0, 1e15})
        if (mask.FormatNumber(v).size() > 300 || mask.FormatNumber(v, 40).size() > 340)
            std::abort();
    return 0;
}
