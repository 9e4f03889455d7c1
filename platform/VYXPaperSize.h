// VYXPaperSize.h: the paper size new documents get, as the system's settings name it.
//
// Answers what a printer would report on a desktop: the user's LC_PAPER (or LC_ALL)
// locale when it names a country that prints on Letter, else the system-wide paper
// name in /etc/papersize ("a4", "letter", "legal", "a5", "executive"), else A4.
// Nothing is cached: every new document asks again, and no process-wide state is kept.
#pragma once

#include <string_view>

struct TVYXPaperSizeMm {
    double WidthMm = 210;
    double HeightMm = 297;
};

// The size a paper name stands for ("a4", "Letter", ...); false for names we do not know.
bool VYXPaperSizeByName(std::string_view name, TVYXPaperSizeMm& size);
// The rule above over given settings: `localeName` is the LC_PAPER value (may be empty),
// `papersizeFile` the content of /etc/papersize (may be empty).
TVYXPaperSizeMm VYXPaperSizeFromSettings(std::string_view localeName, std::string_view papersizeFile);
// The rule over this process's environment and /etc/papersize.
TVYXPaperSizeMm VYXDefaultPaperSize();
