// FuzzBarcode.cpp: first byte the type, second the settings, the rest the text (UTF-8).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/VYXBarcode.h"
#include "barcode/VYXQRCode.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const auto type = static_cast<TVYXBarcodeType>(data[0] % cVYXBarcodeTypeCount);
    const std::u16string text =
        Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data + 2), size - 2));
    if (type == abctQR) {
        if (text.size() < 1000)
            VYXEncodeQR(text, static_cast<TVYXQRErrorLevel>(data[1] % 4));
        return 0;
    }
    TVYXBarcode bc;
    bc.FType = type;
    bc.FText = text;
    bc.FCheckSum = (data[1] & 1) != 0;
    bc.FCheckSumMethod = (data[1] & 2) ? csmModulo10 : csmNone;
    bc.FModul = (data[1] >> 2) & 3;
    bc.FRatio = 1.0 + (data[1] >> 4) * 0.25;
    try {
        std::string pattern = bc.MakeData();
        if (!pattern.empty() && !bc.FValid)
            std::abort();  // a pattern must never come with an invalid outcome
        std::vector<TfrxBarLineType> lines;
        bc.DoLines(pattern, lines);
        if (static_cast<int>(lines.size()) != bc.GetWidth(pattern))
            std::abort();
    } catch (const VYXException&) {
        if (type != abctUnknown)
            std::abort();  // only the type without an encoder may raise
    }
    return 0;
}
