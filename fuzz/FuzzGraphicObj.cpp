// FuzzGraphicObj.cpp: loading saved graphic objects raises VYXException or gives an object that saves again.
#include <cstdint>
#include <string>

#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TVYXPictures pictures;
    TVYXShapeTypes types;
    TVYXMemoryStream in = TVYXMemoryStream::View(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        std::unique_ptr<TVYXGraphicObj> obj = VYXLoadGraphicObj(in, {&pictures, &types});
        TVYXMemoryStream out;
        VYXSaveGraphicObj(out, *obj);
        if (auto* shape = dynamic_cast<TVYXGraphicShape*>(obj.get()))
            (void)shape->CalcPath();
    } catch (const VYXException&) {
    }
    return 0;
}
