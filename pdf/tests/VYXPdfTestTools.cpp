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
