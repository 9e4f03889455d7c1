// VYXPaperSize.cpp: the default paper size from the locale and /etc/papersize.
#include "platform/VYXPaperSize.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {
struct TNamedPaper {
    std::string_view Name;  // lower case
    double WidthMm, HeightMm;
};

constexpr TNamedPaper cPapers[] = {
    {"a3", 297, 420},       {"a4", 210, 297},       {"a5", 148, 210},         {"b5", 176, 250},
    {"executive", 184.15, 266.7}, {"legal", 215.9, 355.6}, {"letter", 215.9, 279.4}, {"tabloid", 279.4, 431.8},
};

// Countries whose locales print on Letter (the glibc locale data agrees on these).
constexpr std::string_view cLetterCountries[] = {"BZ", "CA", "CL", "CO", "CR", "GT", "MX", "NI",
                                                 "PA", "PH", "PR", "SV", "US", "VE"};

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

// "en_US.UTF-8@euro" -> "US"; empty when the name has no territory.
std::string_view Territory(std::string_view locale)
{
    const auto underscore = locale.find('_');
    if (underscore == std::string_view::npos)
        return {};
    std::string_view rest = locale.substr(underscore + 1);
    const auto end = rest.find_first_of(".@");
    return rest.substr(0, end);
}
}  // namespace

bool VYXPaperSizeByName(std::string_view name, TVYXPaperSizeMm& size)
{
    std::string lower = Trimmed(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    for (const TNamedPaper& p : cPapers)
        if (p.Name == lower) {
            size = {p.WidthMm, p.HeightMm};
            return true;
        }
    return false;
}

TVYXPaperSizeMm VYXPaperSizeFromSettings(std::string_view localeName, std::string_view papersizeFile)
{
    TVYXPaperSizeMm size;
    const std::string_view territory = Territory(localeName);
    if (!territory.empty()) {
        const bool letter = std::find(std::begin(cLetterCountries), std::end(cLetterCountries), territory) !=
                            std::end(cLetterCountries);
        VYXPaperSizeByName(letter ? "letter" : "a4", size);
        return size;
    }
    // /etc/papersize: the first line that is not a comment names the paper.
    std::string_view rest = papersizeFile;
    while (!rest.empty()) {
        const auto nl = rest.find('\n');
        const std::string line = Trimmed(rest.substr(0, nl));
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
        if (line.empty() || line[0] == '#')
            continue;
        VYXPaperSizeByName(line, size);
        break;
    }
    return size;
}

TVYXPaperSizeMm VYXDefaultPaperSize()
{
    // LC_ALL overrides LC_PAPER, as it does for every category.
    const char* locale = std::getenv("LC_ALL");
    if (!locale || !*locale)
        locale = std::getenv("LC_PAPER");
    std::string file;
    std::ifstream in("/etc/papersize");
    if (in)
        file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return VYXPaperSizeFromSettings(locale ? locale : "", file);
}
