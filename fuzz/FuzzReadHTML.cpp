// FuzzReadHTML.cpp: the HTML tree, the reader and the writer on any bytes.
//
// Whatever the bytes, the reader (which builds the tree) fills a document without
// raising, the writer writes it, and the writer's own output reads back to a
// document with at least one paragraph. Nothing heavier than the documents is built:
// no fonts, no layout.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadHTML.h"
#include "formats/VYXWriteHTML.h"
#include "model/VYXLogParas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TVYXLogDocEditor doc;
    TVYXReadHTML reader(doc);
    reader.LoadFromBytes(bytes);
    TVYXWriteHTML writer(doc);
    writer.EmbedPictures = true;
    const std::string html = writer.SaveToString();

    TVYXLogDocEditor again;
    TVYXReadHTML(again).LoadFromBytes(html);
    if (again.Paras().Count() < 1)
        __builtin_trap();
    return 0;
}
