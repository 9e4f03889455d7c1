// FuzzReadDocxXml.cpp: libFuzzer entry for the DOCX reader over a main document part alone.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "platform/VYXException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    try {
        reader.LoadDocumentXml(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const VYXException&) {
    }
    return 0;
}
