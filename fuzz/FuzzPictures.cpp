// FuzzPictures.cpp: any bytes given to the picture store either become a picture or raise VYXException.
#include <cstdint>
#include <string>

#include "model/VYXGraphicTypes.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TVYXPictures store;
    TVYXMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
    try {
        TVYXPicture& picture = store.AddPicture(stream);
        (void)picture.GetWidth();
    } catch (const VYXException&) {
    }
    return 0;
}
