// FuzzReadDocxXml.cpp: libFuzzer entry for a WordprocessingML part alone: the
// main document reader, and the generated schema classes (which also read the
// small parts) with their round trip: what they write reads back and writes the
// same bytes again.
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
    const std::string once = part.SaveToString();
    TDocxPartDoc again;
    again.LoadFromBuffer(once);  // what we wrote must parse: an exception here is a finding
    if (again.SaveToString() != once)
        std::abort();
    return 0;
}
