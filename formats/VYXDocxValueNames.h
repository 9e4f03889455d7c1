// VYXDocxValueNames.h: the WordprocessingML names of the enumerations the DOCX reader
// and writer map by index, so the two directions cannot drift apart.
#pragma once

#include <array>
#include <string_view>

// In the order of TVYXChpUnderline.
inline constexpr std::array<std::string_view, 18> cUnderlineNames = {
    "none", "single", "words", "double", "thick", "dotted", "dottedHeavy", "dash", "dashedHeavy",
    "dashLong", "dashLongHeavy", "dotDash", "dashDotHeavy", "dotDotDash", "dashDotDotHeavy", "wave",
    "wavyHeavy", "wavyDouble"};
// In the order of TVYXHighlighColor.
inline constexpr std::array<std::string_view, 17> cHighlightNames = {
    "black", "blue", "cyan", "green", "magenta", "red", "yellow", "white", "darkBlue", "darkCyan",
    "darkGreen", "darkMagenta", "darkRed", "darkYellow", "darkGray", "lightGray", "none"};
