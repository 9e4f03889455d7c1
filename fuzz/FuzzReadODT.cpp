// FuzzReadODT.cpp: libFuzzer entry for OpenDocument text import: the bytes as a flat
// document, and as content.xml and styles.xml of a package.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "formats/VYXZip5.h"
#include "import/VYXReadODT.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace {
void ReadInto(const std::string& bytes)
{
    TVYXErrorManager errors;
    TVYXLogDocEditor doc(aldtMain, &errors);
    try {
        TVYXMemoryStream stream(bytes);
        TVYXReadODT reader(doc);
        reader.LoadFromStream(stream);
    } catch (const VYXException&) {
    }
    // Whatever happened, the document is still one to work with.
    if (!doc.Paras().Last() || !doc.Paras().Last()->IsPara())
        __builtin_trap();
    (void)doc.GetPlainText();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string xml(reinterpret_cast<const char*>(data), size);
    ReadInto(xml);
    TVYXMemoryStream package;
    TXLSZipArchive zip;
    zip.OpenWrite(package);
    for (const char* part : {"content.xml", "styles.xml"}) {
        TVYXMemoryStream bytes(xml);
        zip.AddStream(part, bytes);
    }
    zip.Close();
    ReadInto(package.TakeBytes());
    return 0;
}
