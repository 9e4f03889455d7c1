// FuzzReadDocxXml.cpp: libFuzzer entry for a WordprocessingML part alone: the
// main document reader, and the generated schema classes (which also read the
// small parts) with their round trip: what they write reads back, and from the
// second writing on the bytes stay the same. (The first writing may normalize:
// text that an unknown element holds besides child elements is written after
// the children, and text following a self-closing child has no owner.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/schema/NyqDocx.h"
#include "platform/VYXException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view xml(reinterpret_cast<const char*>(data), size);
    {
        TVYXLogDocEditor doc;
        TVYXReadDOCX reader(doc);
        try {
            reader.LoadDocumentXml(xml);
        } catch (const VYXException&) {
        }
    }
    TDocxPartDoc part;
    try {
        part.LoadFromBuffer(xml);
    } catch (const VYXException&) {
        return 0;
    }
    // What we wrote must parse: an exception from here on is a finding.
    TDocxPartDoc again;
    again.LoadFromBuffer(part.SaveToString());
    const std::string twice = again.SaveToString();
    TDocxPartDoc third;
    third.LoadFromBuffer(twice);
    if (third.SaveToString() != twice)
        std::abort();
    return 0;
}
