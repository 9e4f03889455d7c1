// VYXPngPages.h: page bitmaps written as PNG files one after another, quickly.
//
// A page image is large and mostly white. It is written as 8-bit grey when every pixel
// is grey (most pages of black text), else as RGB, deflated at zlib's fastest level with
// run-length matching only: white runs and the flat fills of pages are all there is to
// find, and that costs a fraction of a full search. Rows go through zlib a block at a
// time and every buffer is kept for the next page, so encoding a long document touches
// no fresh memory after its first page.
#pragma once

#include <memory>
#include <string>

class TVYXBitmap;

class TVYXPngPages {
public:
    TVYXPngPages();
    ~TVYXPngPages();
    TVYXPngPages(const TVYXPngPages&) = delete;
    TVYXPngPages& operator=(const TVYXPngPages&) = delete;

    // The bitmap's pixels (alpha ignored) as a PNG file's bytes, valid until the next
    // call. Raises "Invalid image size" for an empty bitmap, "Cannot write PNG" when
    // zlib fails.
    const std::string& Encode(const TVYXBitmap& bitmap);

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;  // owns the zlib stream and the buffers
};
