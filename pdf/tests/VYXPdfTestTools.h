// VYXPdfTestTools.h: running the PDF command-line checkers from tests.
#pragma once

#include <string>

// Whether a program is on the PATH.
bool HaveTool(const std::string& name);
// Runs a shell command; returns its exit status and puts standard output (and error) into `out`.
int RunTool(const std::string& command, std::string& out);
// A fresh file name in the test's temporary folder.
std::string TempPdf(const std::string& stem);
void WriteFile(const std::string& path, const std::string& data);

#include <cstdint>
#include <vector>

// An RGB raster read back from pdftoppm.
struct TVYXTestPixmap {
    int Width = 0, Height = 0;
    std::vector<std::uint8_t> Rgb;
    std::uint32_t At(int x, int y) const;  // 0xRRGGBB
};
// Renders one page (1-based) at `dpi` with pdftoppm; false when that fails.
bool RenderPage(const std::string& pdf, int page, int dpi, TVYXTestPixmap& out);
// Reads a binary PPM (P6) file.
bool ReadPpm(const std::string& path, TVYXTestPixmap& out);
