// FuzzReadRTF.cpp: the RTF reader on any bytes, then the writer on what it read.
//
// Whatever the input, reading ends normally or with VYXException and leaves a
// valid body; our own output of that body reads back without an error and
// gives the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteRTF.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TVYXLogDocEditor doc;
    try {
        TVYXReadRTF(doc).LoadFromBytes(bytes);
    } catch (const VYXException&) {
    }
    if (doc.Paras().Count() < 1 || !doc.Paras().Last()->IsPara())
        __builtin_trap();
    (void)VYXDumpParas(doc.Paras());

    const std::string written = TVYXWriteRTF(doc).SaveToBytes();
    TVYXLogDocEditor again;
    try {
        TVYXReadRTF(again).LoadFromBytes(written);
    } catch (const VYXException&) {
        __builtin_trap();  // our own output must always read
    }
    if (again.Paras().GetPlainText() != doc.Paras().GetPlainText())
        __builtin_trap();

    // The same bytes pasted into a list of another document.
    TVYXLogDocEditor target;
    auto scratch = target.CreateParas();
    try {
        TVYXReadRTF(target).LoadFromBytes(bytes, *scratch);
    } catch (const VYXException&) {
    }
    return 0;
}
