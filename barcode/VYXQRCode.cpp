// VYXQRCode.cpp: QR Code symbols through the zxing-cpp encoder.
#include "barcode/VYXQRCode.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

#include <algorithm>
#include <exception>
#include <string>

namespace {
// The writer takes an error-correction strength 0..8; these are the values
// that land on L, M, Q and H.
constexpr int cEccStrength[] = {1, 3, 5, 7};

bool HasUnpairedSurrogate(std::u16string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (c >= 0xD800 && c <= 0xDFFF)
            return true;
    }
    return false;
}
}  // namespace

TVYXModuleMatrix::TVYXModuleMatrix(int size)
    : FSize(size), FCells(static_cast<size_t>(size) * static_cast<size_t>(size), 0)
{
}

TVYXModuleMatrix VYXEncodeQR(std::u16string_view text, TVYXQRErrorLevel level)
{
    if (text.empty() || HasUnpairedSurrogate(text))
        return {};
    const bool latin1 = std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= 0xFF; });
    std::wstring wide;
    // The writer wants code points; surrogate pairs become one wide character.
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        wide += static_cast<wchar_t>(cp);
    }
    ZXing::BitMatrix bits;
    try {
        ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
        writer.setMargin(0).setEccLevel(cEccStrength[level]);
        writer.setEncoding(latin1 ? ZXing::CharacterSet::ISO8859_1 : ZXing::CharacterSet::UTF8);
        bits = writer.encode(wide, 0, 0);
    } catch (const std::exception&) {
        return {};  // the text does not fit the largest symbol
    }
    if (bits.width() != bits.height() || bits.width() <= 0)
        return {};
    TVYXModuleMatrix matrix(bits.width());
    for (int y = 0; y < bits.height(); ++y)
        for (int x = 0; x < bits.width(); ++x)
            matrix.SetDark(x, y, bits.get(x, y));
    return matrix;
}
