// VYXBarcodeImage.h: bar patterns and QR module matrices as grey images and SVG.
//
// Used where no drawing device is at hand: the command-line tool writes PNG or
// SVG files from these, and the tests feed the images to a barcode reader.
// Both outputs surround the symbol with a quiet zone, which every reader needs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TVYXBarcode;
class TVYXModuleMatrix;

// 8-bit grey, 0 black and 255 white, rows top to bottom.
struct TVYXGrayImage {
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint8_t> FPixels;
};

// Every drawing unit of the pattern becomes `scale` pixels; full bars are
// `height` pixels tall and half bars fill the lower half. `quiet` drawing units
// of white surround the symbol on every side.
// Raises VYXException "Barcode image too large" beyond 64 million pixels.
TVYXGrayImage VYXRenderBars(const TVYXBarcode& barcode, std::string_view pattern, int scale, int height, int quiet);
TVYXGrayImage VYXRenderModules(const TVYXModuleMatrix& matrix, int scale, int quiet);

// The same pictures as SVG in drawing units (one user unit per unit/module).
std::string VYXBarsToSvg(const TVYXBarcode& barcode, std::string_view pattern, int height, int quiet);
std::string VYXModulesToSvg(const TVYXModuleMatrix& matrix, int quiet);
