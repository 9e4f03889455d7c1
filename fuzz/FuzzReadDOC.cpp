// FuzzReadDOC.cpp: libFuzzer entry for the binary document importer, from the compound
// file inward: the document it leaves, complete or not, must stay walkable.
#include <cstddef>
#include <cstdint>
#include <string>

#include "editing/VYXLogEditor.h"
#include "import/VYXReadDOC.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TVYXLogDocEditor doc;
    try {
        TVYXReadDOC reader(doc);
        reader.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const VYXException&) {
    }
    (void)VYXDumpParas(doc.Paras());
    (void)doc.Paras().GetPlainText();
    return 0;
}
