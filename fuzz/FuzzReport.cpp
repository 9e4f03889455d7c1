// FuzzReport.cpp: the report's text readers: CSV, JSON, band comments, field codes and merge-field instructions.
//
// The first byte picks the reader; the rest is its input. Readers may refuse
// input with VYXException and nothing else; what they accept must hold together.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/VYXException.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"
#include "report/VYXCsvSource.h"
#include "report/VYXJsonSource.h"
#include "report/VYXMergeFields.h"
#include "report/VYXReportParams.h"

namespace {
void CheckSource(TVYXRecordSource& source)
{
    int records = 0;
    for (source.First(); !source.Eof(); source.Next()) {
        for (int f = 0; f < source.FieldCount(); ++f)
            source.Value(f);
        if (++records > source.RecordCount())
            std::abort();  // the walk must end where the count says
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        switch (data[0] % 4) {
        case 0: {
            TVYXCsvSource csv;
            TVYXCsvOptions options;
            options.Delimiter = (data[0] & 0x10) ? u';' : u',';
            csv.LoadFromString(bytes, options);
            CheckSource(csv);
            break;
        }
        case 1: {
            TVYXJsonSource json;
            json.LoadFromString(bytes);
            CheckSource(json);
            break;
        }
        case 2: {
            bool isBand = false;
            const std::u16string text = Utf8ToUtf16(bytes);
            for (const TVYXBandLine& line : VYXSplitBandComment(text, isBand)) {
                std::vector<std::uint32_t> colors;
                std::u16string bad;
                double points = 0;
                VYXParseColors(line.Value, colors, bad);
                VYXParseSize(line.Value, points);
            }
            VYXSplitFieldCode(text);
            break;
        }
        default: {
            const std::u16string text = Utf8ToUtf16(bytes);
            TVYXMergeSwitches switches;
            switches.Read(VYXFieldWords(text), 1);
            TVYXFieldValue value;
            VYXReadFieldText(u"-12345678901234567890.125", avftString, value);
            VYXFormatMergeValue(value, avftString, switches, TVYXLocaleSettings::EnUS());
            VYXReadFieldText(u"2024-02-29T23:59:59", avftDateTime, value);
            VYXFormatMergeValue(value, avftDateTime, switches, TVYXLocaleSettings::EnUS());
            break;
        }
        }
    } catch (const VYXException&) {
    }
    return 0;
}
