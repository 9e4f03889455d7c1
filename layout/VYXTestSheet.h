// VYXTestSheet.h: a page that exercises the drawing interface, for people to judge a device and for trace goldens.
//
// It draws through TVYXGDI only: text in the common families and sizes, a measured
// box, justification, shaped scripts, line styles and waves, preset shapes with
// labels, pictures stretched, rotated, cropped and recoloured, half-transparent
// circles, a clip, a barcode and exclusive-or drawing. The page is laid out for
// US Letter at the device's resolution (positions in points converted once).
#pragma once

#include <functional>
#include <string>

class TVYXGDI;

struct TVYXTestSheetOptions {
    // A picture file drawn instead of the generated colour wheel (when it decodes to a bitmap).
    std::string PictureFile;
    // The face the device resolved the current font to, shown after each family name; unset: not shown.
    std::function<std::u16string()> FontMatchEvent;
};

void VYXDrawTestSheet(TVYXGDI& gdi, const TVYXTestSheetOptions& options = {});
