// FuzzJsonSource.cpp: the JSON record source on any bytes, detail data sets included.
//
// The reader may refuse input with VYXException and nothing else. What it accepts is
// walked in full: every field of every record, and every detail data set a record has
// (to a bounded depth), each walk ending where its count says. Detail sets are not
// listed by the source, so every short quoted word of the input is tried as a name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/VYXException.h"
#include "report/VYXJsonSource.h"

namespace {
std::vector<std::u16string> QuotedWords(const std::string& bytes)
{
    std::vector<std::u16string> words;
    std::size_t at = 0;
    while (words.size() < 8 && (at = bytes.find('"', at)) != std::string::npos) {
        const std::size_t end = bytes.find('"', at + 1);
        if (end == std::string::npos)
            break;
        if (end - at - 1 <= 16)
            words.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(at + 1),
                               bytes.begin() + static_cast<std::ptrdiff_t>(end));
        at = end + 1;
    }
    return words;
}

void Walk(TVYXRecordSource& source, const std::vector<std::u16string>& names, int depth)
{
    int records = 0;
    for (source.First(); !source.Eof(); source.Next()) {
        for (int f = 0; f < source.FieldCount(); ++f)
            (void)source.Value(f);
        if (depth < 4) {
            for (const std::u16string& name : names)
                if (TVYXRecordSource* detail = source.Detail(name))
                    Walk(*detail, names, depth + 1);
        }
        if (source.RecordCount() >= 0 && ++records > source.RecordCount())
            std::abort();  // the walk must end where the count says
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        TVYXJsonSource json;
        json.LoadFromString(bytes);
        Walk(json, QuotedWords(bytes), 0);
    } catch (const VYXException&) {
    }
    return 0;
}
