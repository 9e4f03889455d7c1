// VYXPngWrite.h: writes 8-bit greyscale images as PNG files in memory.
#pragma once

#include <cstdint>
#include <string>

// `pixels` holds width x height bytes, rows top to bottom. Returns the PNG file's
// bytes. Raises VYXException "Invalid image size" for a zero or negative size.
std::string VYXEncodePngGray(int width, int height, const std::uint8_t* pixels);
