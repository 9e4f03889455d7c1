// FuzzCsvSource.cpp: the CSV record source on any bytes, with the options a user can give.
//
// The first byte picks the options (delimiter, detection, header, inference, code page,
// one declared type); the rest is the file. The reader may refuse input with
// VYXException and nothing else; what it accepts must walk in step with its count and
// answer every field of every record, including records walked twice.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/VYXException.h"
#include "report/VYXCsvSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t pick = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    TVYXCsvOptions options;
    static constexpr char16_t delimiters[] = {u',', u';', u'\t', u'|'};
    options.Delimiter = delimiters[pick & 3];
    options.DetectDelimiter = (pick & 0x04) != 0;
    options.Header = (pick & 0x08) == 0;
    options.InferTypes = (pick & 0x10) == 0;
    options.FallbackCodePage = (pick & 0x20) ? 1251 : 1252;
    if (pick & 0x40)
        options.Types[u"Field1"] = static_cast<TVYXFieldType>((pick >> 7) ? avftDate : avftInteger);
    try {
        TVYXCsvSource csv;
        csv.LoadFromString(bytes, options);
        for (int pass = 0; pass < 2; ++pass) {
            int records = 0;
            for (csv.First(); !csv.Eof(); csv.Next()) {
                for (int f = 0; f < csv.FieldCount(); ++f) {
                    const TVYXFieldValue value = csv.Value(f);
                    if (value.Null && !value.Text.empty())
                        std::abort();  // a null value has no text
                    (void)csv.FieldName(f);
                    (void)csv.FindField(csv.FieldName(f));
                }
                if (++records > csv.RecordCount())
                    std::abort();
            }
            if (records != csv.RecordCount())
                std::abort();
        }
    } catch (const VYXException&) {
    }
    return 0;
}
