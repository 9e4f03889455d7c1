// VYXDOCSprm.h: property modifiers (sprms) of binary documents: walking a modifier list
// and applying character, paragraph and section modifiers to the model's property lists.
//
// A modifier is a two-byte code and an operand whose size the code's top three bits
// give (1, 2, 3 or 4 bytes, or a length prefix). Unknown modifiers are skipped by that
// size, so a list is never misread after one; a modifier running past its list ends it.
//
// Lengths in the file are twips (1/20 point), font sizes half-points, border widths
// eighths of a point; the model takes points.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXDefs.h"
#include "model/VYXPropValues.h"

class TVYXCHPX;
class TVYXPAPX;
class TVYXSEP;
class TVYXCharStyle;
class TVYXDocPropBorder;

struct TVYXDocSprm {
    std::uint16_t Code = 0;
    std::string_view Operand;  // without a variable operand's length prefix
    std::uint8_t Byte(std::size_t i = 0) const { return i < Operand.size() ? static_cast<std::uint8_t>(Operand[i]) : 0; }
    std::uint16_t Word(std::size_t i = 0) const { return static_cast<std::uint16_t>(Byte(i) | (Byte(i + 1) << 8)); }
    std::int16_t Short(std::size_t i = 0) const { return static_cast<std::int16_t>(Word(i)); }
    std::uint32_t DWord(std::size_t i = 0) const { return Word(i) | (std::uint32_t{Word(i + 2)} << 16); }
};

// The bytes after the code that the modifier takes (length prefix included), or -1
// when `rest` (what follows the code) is too short to tell.
int VYXDocSprmSize(std::uint16_t code, std::string_view rest);
// Calls `f` for each whole modifier of `grpprl`, in order.
void VYXDocForEachSprm(std::string_view grpprl, const std::function<void(const TVYXDocSprm&)>& f);

// A colour of the 16-colour table (0 automatic), as 0x00RRGGBB.
TVYXColor VYXDocIcoColor(int ico);
// A four-byte colour (red, green, blue, automatic flag).
TVYXColor VYXDocColorRef(std::uint32_t value);
// A border line type of the file as the model's style.
TST_Border VYXDocBorderStyle(int brcType);
// Fills `border` from an 8-byte border operand (or a 4-byte one when `old`).
void VYXDocReadBorder(const TVYXDocSprm& s, std::size_t at, bool old, TVYXDocPropBorder& border);

// What character modifiers need besides the operand.
struct TVYXDocCharContext {
    const std::vector<std::u16string>* Fonts = nullptr;     // the font table by index
    const TVYXCHPX* Base = nullptr;                         // the styles' values, for toggles
    std::function<TVYXCharStyle*(int istd)> CharStyle;      // a character style by index
};

// Applies one modifier; false when it is not one the model keeps.
bool VYXDocApplyChar(const TVYXDocSprm& s, TVYXCHPX& chpx, const TVYXDocCharContext& context);
// `base` is the style's list (tab stops are changed relative to its stops); may be nullptr.
bool VYXDocApplyPara(const TVYXDocSprm& s, TVYXPAPX& papx, const TVYXPAPX* base);
bool VYXDocApplySection(const TVYXDocSprm& s, TVYXSEP& sep);

// Word 6 and 95 files number their modifiers with one byte and some operands are
// smaller (two-byte borders, ten-byte cell descriptors, one-byte symbols). This
// rewrites such a list in the later form, so one set of appliers serves both; modifiers
// the later form has no code for are left out, and a code of unknown size ends the list.
std::string VYXDocWord6Grpprl(std::string_view grpprl);
// The one modifier a piece's single-modifier property (its low bit clear) stands for,
// in the later form: its index is the older one-byte code, its operand one byte.
std::string VYXDocPrmGrpprl(std::uint16_t prm);
// The name of a modifier code ("sprmPJc"), or an empty view for codes without one.
std::string_view VYXDocSprmName(std::uint16_t code);
