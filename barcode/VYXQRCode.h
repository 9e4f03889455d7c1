// VYXQRCode.h: QR Code symbols as a square matrix of dark and light modules.
//
// The symbol itself (version, mask, error-correction codewords) comes from the
// QR encoder library; this layer only chooses the error-correction level and
// hands back modules, so callers draw QR codes the way they draw bars.
#pragma once

#include <string_view>
#include <vector>

enum TVYXQRErrorLevel { qrelL, qrelM, qrelQ, qrelH };

class TVYXModuleMatrix {
public:
    TVYXModuleMatrix() = default;
    explicit TVYXModuleMatrix(int size);

    // Modules per side; 0 for "no symbol".
    int Size() const { return FSize; }
    bool Empty() const { return FSize == 0; }
    bool Dark(int x, int y) const { return FCells[Index(x, y)] != 0; }
    void SetDark(int x, int y, bool dark) { FCells[Index(x, y)] = dark ? 1 : 0; }

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(FSize) + static_cast<size_t>(x); }
    int FSize = 0;
    std::vector<unsigned char> FCells;
};

// Level M unless the caller asks otherwise: it survives a scuffed label while
// keeping symbols small, which is what documents and reports print.
// Texts of Latin-1 characters are stored as such; others as UTF-8 with the
// ECI that tells readers so. An empty text, one with unpaired surrogates or one
// beyond the capacity of the largest symbol gives an empty matrix.
TVYXModuleMatrix VYXEncodeQR(std::u16string_view text, TVYXQRErrorLevel level = qrelM);
