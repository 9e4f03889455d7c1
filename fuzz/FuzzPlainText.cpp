// FuzzPlainText.cpp: plain-text import and export and the code-page decoders on any bytes.
//
// The first byte picks the code page for 8-bit text; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editing/VYXPlainText.h"
#include "model/VYXLogPara.h"
#include "model/tests/VYXBodyTestDoc.h"
#include "platform/VYXCodePage.h"

namespace {
constexpr int cCodePages[] = {1252, 1250, 1251, 1255, 1258, 874, 932, 936, 949, 950, 1361, 437, 10000, 20127, 65001, 42};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int codePage = cCodePages[data[0] % std::size(cCodePages)];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    // Whole-buffer and byte-at-a-time decoding agree.
    TVYXCodePageDecoder decoder(codePage);
    std::u16string byByte;
    for (const char c : bytes)
        decoder.PutByte(static_cast<std::uint8_t>(c), byByte);
    decoder.Flush(byByte);
    if (byByte != VYXDecodeCodePage(bytes, codePage))
        __builtin_trap();

    TVYXBodyTestDoc doc;
    TVYXImportText import(doc.Body);
    import.CodePage = codePage;
    import.LoadFromBytes(bytes, doc.Body, false);
    if (doc.Body.Count() < 1)
        __builtin_trap();

    // The one-pass reader (checking, decoding and cutting lines and runs together) makes
    // the same paragraphs and runs as decoding the whole text first and cutting it after.
    TVYXBodyTestDoc whole;
    VYXAppendTextLines(whole.Body, VYXDecodeTextFile(bytes, codePage));
    if (whole.Body.Count() != doc.Body.Count())
        __builtin_trap();
    for (int i = 0; i < doc.Body.Count(); ++i) {
        const TVYXLogPara& read = *doc.Body.GetParas(i);
        const TVYXLogPara& cut = *whole.Body.GetParas(i);
        if (read.Count() != cut.Count() || read.GetFileText() != cut.GetFileText())
            __builtin_trap();
    }

    // What the exporter writes reads back to the same text.
    TVYXExportText exporter;
    const std::string once = exporter.SaveToBytes(doc.Body);
    TVYXBodyTestDoc again;
    TVYXImportText(again.Body).LoadFromBytes(once, again.Body, false);
    if (exporter.SaveToBytes(again.Body) != once)
        __builtin_trap();

    exporter.CodePage = codePage;
    exporter.CrLf = true;
    (void)exporter.SaveToBytes(doc.Body);
    return 0;
}
