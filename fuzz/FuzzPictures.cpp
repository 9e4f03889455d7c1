// FuzzPictures.cpp: any bytes given to the picture decoder, or to the picture store, either become a picture or raise VYXException.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/VYXGraphicTypes.h"
#include "platform/VYXException.h"
#include "platform/VYXImageDecode.h"
#include "platform/VYXStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Every decoder sees every input, whatever its signature says, under a
    // small budget so the fuzzer explores headers rather than big allocations.
    for (const TVYXImageFormat format : {vyifPNG, vyifJPEG, vyifGIF, vyifBMP, vyifTIFF}) {
        try {
            const TVYXDecodedImage image = VYXDecodeImage(bytes, format, 1 << 20);
            if (image.Pixels.size() != static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height))
                __builtin_trap();
        } catch (const VYXException&) {
        }
    }
    for (const TVYXImageFormat format : {vyifTIFF, vyifWMF, vyifEMF}) {
        try {
            (void)VYXImageDeclaredSize(bytes, format);
        } catch (const VYXException&) {
        }
    }
    TVYXPictures store;
    TVYXMemoryStream stream{std::string(bytes)};
    try {
        TVYXPicture& picture = store.AddPicture(stream);
        (void)picture.GetWidth();
    } catch (const VYXException&) {
    }
    return 0;
}
