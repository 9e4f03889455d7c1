// VYXDocProps.h: property lists of runs, paragraphs, tables, sections and the document.
#pragma once

#include <cstdint>

// Colours are 0x00RRGGBB; cVYXAutoColor means automatic (no colour set).
using TVYXColor = std::uint32_t;
constexpr TVYXColor cVYXAutoColor = 0xFF000000;

enum TVYXChpUnderline {
    vycuNone, vycuSingle, vycuWords, vycuDouble, vycuThick, vycuDotted, vycuDottedHeavy, vycuDash,
    vycuDashedHeavy, vycuDashLong, vycuDashLongHeavy, vycuDotDash, vycuDashDotHeavy, vycuDotDotDash,
    vycuDashDotDotHeavy, vycuWave, vycuWavyHeavy, vycuWavyDouble
};

enum TVYXChpSubSuperscript { vycssNone, vycssSubscript, vycssSuperscript };
