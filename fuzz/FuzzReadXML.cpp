// FuzzReadXML.cpp: libFuzzer entry for the XML tokenizer, the DOM and the generated schema classes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/NyqSimpleDOM.h"
#include "formats/schema/NyqOpcContentTypes.h"
#include "formats/schema/NyqOpcRelationships.h"
#include "platform/VYXException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view xml(reinterpret_cast<const char*>(data), size);
    try {
        TNyqSimpleDOM dom;
        dom.LoadFromString(xml);
        TNyqSimpleDOM again;
        again.LoadFromString(dom.SaveToString());  // what we write we read back
    } catch (const VYXException&) {
    }
    try {
        TNyqSimpleDOM html;
        html.LoadFromBuffer(xml.data(), xml.size());
    } catch (const VYXException&) {
    }
    try {
        TOPCRelationshipsDoc rels;
        rels.LoadFromBuffer(xml);
        (void)rels.SaveToString();
    } catch (const VYXException&) {
    }
    try {
        TOPCContentTypesDoc types;
        types.LoadFromBuffer(xml);
        (void)types.SaveToString();
    } catch (const VYXException&) {
    }
    return 0;
}
