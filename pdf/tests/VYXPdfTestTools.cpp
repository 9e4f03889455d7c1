#include "pdf/tests/VYXPdfTestTools.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

bool HaveTool(const std::string& name)
{
    std::string out;
    return RunTool("command -v " + name, out) == 0;
}

int RunTool(const std::string& command, std::string& out)
{
    out.clear();
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p)
        return -1;
    char buf[4096];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    const int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string TempPdf(const std::string& stem)
{
    const auto dir = std::filesystem::temp_directory_path() / ("vyx-pdf-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return (dir / (stem + ".pdf")).string();
}

void WriteFile(const std::string& path, const std::string& data)
{
    std::ofstream f(path, std::ios::binary);
    f << data;
}

std::uint32_t TVYXTestPixmap::At(int x, int y) const
{
    const std::size_t i = (std::size_t(y) * std::size_t(Width) + std::size_t(x)) * 3;
    return (std::uint32_t(Rgb[i]) << 16) | (std::uint32_t(Rgb[i + 1]) << 8) | Rgb[i + 2];
}

bool ReadPpm(const std::string& path, TVYXTestPixmap& out)
{
    std::ifstream f(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    f >> magic >> out.Width >> out.Height >> maxval;
    f.get();
    if (magic != "P6" || out.Width <= 0 || out.Height <= 0 || maxval != 255)
        return false;
    out.Rgb.resize(std::size_t(out.Width) * std::size_t(out.Height) * 3);
    f.read(reinterpret_cast<char*>(out.Rgb.data()), static_cast<std::streamsize>(out.Rgb.size()));
    return bool(f);
}

bool RenderPage(const std::string& pdf, int page, int dpi, TVYXTestPixmap& out)
{
    const std::string stem = pdf + "-p" + std::to_string(page);
    std::string log;
    const std::string p = std::to_string(page);
    if (RunTool("pdftoppm -r " + std::to_string(dpi) + " -f " + p + " -l " + p + " -singlefile " + pdf + " " + stem,
                log) != 0)
        return false;
    return ReadPpm(stem + ".ppm", out);
}
