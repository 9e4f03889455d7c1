// VYXTextScript.h: what layout needs to know about scripts: bidirectional levels and line-break opportunities.
//
// Both work on UTF-16 text as the model holds it, one result per code unit (the two
// halves of a surrogate pair share the character's value). The libraries underneath
// (FriBidi, libunibreak) stay inside the .cpp.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

enum TVYXBidiDir { vybdLTR, vybdRTL, vybdAuto };

// Resolved embedding levels of a paragraph, one per code unit (even: left to right).
// Returns the paragraph's base level (0 or 1); vybdAuto takes it from the first strong
// character, left to right when there is none.
int VYXBidiLevels(std::u16string_view text, TVYXBidiDir dir, std::vector<std::uint8_t>& levels);

// The display order, left to right, of the units of one line given their levels:
// element i is the logical index shown at visual place i. Runs are reversed from the
// highest level down to the lowest odd level.
std::vector<int> VYXBidiVisualOrder(const std::uint8_t* levels, int count);

// Whether the text has a character of a right-to-left script or an explicit
// right-to-left mark, so that text without one skips the bidi algorithm entirely.
bool VYXHasRTL(std::u16string_view text);

// Line-break opportunity after each code unit.
enum TVYXBreakOpp : char { vybrMust = 0, vybrAllow = 1, vybrNone = 2, vybrInside = 3 };
void VYXLineBreaks(std::u16string_view text, std::vector<char>& breaks);

// Scripts written without spaces between words (CJK, Thai, Lao, Khmer, Myanmar...),
// where lines may break between letters as the line-break classes allow.
bool VYXIsNonSpaceScript(char32_t c);
