// FuzzReadZip.cpp: libFuzzer entry for the zip archive and the OPC package over it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/VYXReadWriteOPC5.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto stream = TVYXMemoryStream::View(bytes);
    TOPCContainer package;
    // A small cap keeps inflated entries within the fuzzer's memory limit.
    package.Archive().MaxEntrySize = 4 << 20;
    try {
        package.OpenRead(stream);
    } catch (const VYXException&) {
        return 0;
    }
    for (int i = 0; i < package.Archive().Count(); ++i) {
        try {
            (void)package.Archive().ReadFileBytes(package.Archive().Items(i));
        } catch (const VYXException&) {
        }
    }
    (void)package.DebugDump();
    try {
        TVYXMemoryStream out;
        OPCRepack(package, out);
        auto again = TVYXMemoryStream::View(out.Bytes());
        TOPCContainer copy;
        copy.OpenRead(again);
    } catch (const VYXException&) {
    }
    return 0;
}
