// VYXBarcodeImage.cpp: rasterising and SVG output of bar patterns and module matrices.
#include "barcode/VYXBarcodeImage.h"

#include <algorithm>

#include "barcode/VYXBarcode.h"
#include "barcode/VYXQRCode.h"
#include "platform/VYXException.h"

namespace {
constexpr std::int64_t cMaxPixels = 64 * 1024 * 1024;

TVYXGrayImage WhiteImage(std::int64_t width, std::int64_t height)
{
    if (width <= 0 || height <= 0 || width * height > cMaxPixels)
        throw VYXException("Barcode image too large");
    TVYXGrayImage image;
    image.FWidth = static_cast<int>(width);
    image.FHeight = static_cast<int>(height);
    image.FPixels.assign(static_cast<size_t>(width * height), 255);
    return image;
}

void FillBlack(TVYXGrayImage& image, int x, int y, int w, int h)
{
    for (int row = y; row < y + h; ++row)
        std::fill_n(image.FPixels.begin() + static_cast<std::ptrdiff_t>(row) * image.FWidth + x, w, 0);
}

std::string SvgHeader(int width, int height)
{
    std::string w = std::to_string(width), h = std::to_string(height);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w +
           " " + h + "\" shape-rendering=\"crispEdges\">\n<rect width=\"" + w + "\" height=\"" + h +
           "\" fill=\"#ffffff\"/>\n<path fill=\"#000000\" d=\"";
}

void SvgRect(std::string& svg, int x, int y, int w, int h)
{
    svg += 'M';
    svg += std::to_string(x);
    svg += ' ';
    svg += std::to_string(y);
    svg += 'h';
    svg += std::to_string(w);
    svg += 'v';
    svg += std::to_string(h);
    svg += "h-";
    svg += std::to_string(w);
    svg += 'z';
}
}  // namespace

TVYXGrayImage VYXRenderBars(const TVYXBarcode& barcode, std::string_view pattern, int scale, int height, int quiet)
{
    scale = std::max(scale, 1);
    height = std::max(height, 2);
    quiet = std::max(quiet, 0);
    const std::int64_t units = barcode.GetWidth(pattern);
    TVYXGrayImage image = WhiteImage((units + 2 * std::int64_t{quiet}) * scale, height + 2 * std::int64_t{quiet} * scale);
    const int top = quiet * scale;
    for (const TVYXBarRun& run : barcode.BarRuns(pattern)) {
        const int half = run.FKind == TfrxBarLineType::black_half ? height / 2 : 0;
        FillBlack(image, (quiet + run.FX) * scale, top + half, run.FWidth * scale, height - half);
    }
    return image;
}

TVYXGrayImage VYXRenderModules(const TVYXModuleMatrix& matrix, int scale, int quiet)
{
    scale = std::max(scale, 1);
    quiet = std::max(quiet, 0);
    const std::int64_t side = (matrix.Size() + 2 * std::int64_t{quiet}) * scale;
    TVYXGrayImage image = WhiteImage(side, side);
    for (int y = 0; y < matrix.Size(); ++y)
        for (int x = 0; x < matrix.Size(); ++x)
            if (matrix.Dark(x, y))
                FillBlack(image, (quiet + x) * scale, (quiet + y) * scale, scale, scale);
    return image;
}

std::string VYXBarsToSvg(const TVYXBarcode& barcode, std::string_view pattern, int height, int quiet)
{
    height = std::max(height, 2);
    quiet = std::max(quiet, 0);
    std::string svg = SvgHeader(barcode.GetWidth(pattern) + 2 * quiet, height + 2 * quiet);
    for (const TVYXBarRun& run : barcode.BarRuns(pattern)) {
        const int half = run.FKind == TfrxBarLineType::black_half ? height / 2 : 0;
        SvgRect(svg, quiet + run.FX, quiet + half, run.FWidth, height - half);
    }
    return svg + "\"/>\n</svg>\n";
}

std::string VYXModulesToSvg(const TVYXModuleMatrix& matrix, int quiet)
{
    quiet = std::max(quiet, 0);
    std::string svg = SvgHeader(matrix.Size() + 2 * quiet, matrix.Size() + 2 * quiet);
    // Horizontal runs of dark modules keep the path short.
    for (int y = 0; y < matrix.Size(); ++y)
        for (int x = 0; x < matrix.Size();) {
            if (!matrix.Dark(x, y)) {
                ++x;
                continue;
            }
            int end = x;
            while (end < matrix.Size() && matrix.Dark(end, y))
                ++end;
            SvgRect(svg, quiet + x, quiet + y, end - x, 1);
            x = end;
        }
    return svg + "\"/>\n</svg>\n";
}
