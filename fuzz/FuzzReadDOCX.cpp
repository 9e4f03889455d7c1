// FuzzReadDOCX.cpp: libFuzzer entry for the DOCX reader over whole packages.
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
    reader.Password = "fuzz";
    try {
        reader.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const VYXException&) {
    }
    return 0;
}
