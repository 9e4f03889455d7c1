// VYXUtils.h: shared helpers of the model: integer and parameter lists, user options, character
// classification and small text and colour conversions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXDefs.h"
#include "platform/VYXStringList.h"

class TVYXIniFile;

// ---- Integer list ------------------------------------------------------------

// The "no value" marker of integer lists (an empty piece of AsString).
constexpr std::int32_t cVYXNoIntValue = 0x70000000;

class TVYXIntegerList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    std::int32_t Items(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    void SetItems(int index, std::int32_t value) { FItems.at(static_cast<std::size_t>(index)) = value; }
    int Add(std::int32_t value);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    void Assign(const TVYXIntegerList& source) { FItems = source.FItems; }
    // Appends `fill` until the list holds `count` items.
    void SetMinSize(int count, std::int32_t fill);

    // The items in decimal joined by "," ("" for an empty list).
    std::string AsString() const;
    // Clears and splits at ",": an empty piece gives cVYXNoIntValue, a piece that is
    // not an integer 0. An empty text gives an empty list, so AsString round-trips.
    void SetAsString(std::string_view text);

    const std::vector<std::int32_t>& Values() const { return FItems; }

private:
    std::vector<std::int32_t> FItems;
};

// ---- Parameter list ----------------------------------------------------------

struct TVYXParameter {
    std::u16string Param;  // name
    std::u16string Value;
};

// Switches of field instructions and report parameters, in order.
class TVYXParameterList {
public:
    std::u16string ParamStart1 = u"\\*";
    std::u16string ParamStart2 = u"\\\\*";  // tried before ParamStart1
    std::u16string ValueSep = u":";

    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXParameter& Items(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    void Clear() { FItems.clear(); }

    // Appends; quotes around the value are removed.
    void Add(std::u16string_view name, std::u16string_view value);
    // Field instruction: the keyword is skipped, "\@ x" and "\* x" become the
    // switches "@" and "*" with the value x ("\*x" glued counts the same), other
    // backslash switches are dropped, every other token is added without a name.
    void AssignField(std::u16string_view text);
    // "\*name:value \*name2:value2": pairs between switch markers, both parts trimmed.
    void Assign(std::u16string_view text);
    // Case-insensitive; the value comes back lower-cased.
    bool Find(std::u16string_view name, std::u16string& value) const;
    // True when an item named "*" has the value (case-insensitive).
    bool FindAsteriks(std::u16string_view value) const;

private:
    std::vector<TVYXParameter> FItems;
};

// ---- User options --------------------------------------------------------------

using TVYXColorRef = std::uint32_t;  // the platform's 0x00BBGGRR order

class TVYXSysOptions {
public:
    TVYXIniFile* IniFile = nullptr;  // borrowed: the host owns the settings store
    std::string SpellCheckerDLLPath;
    std::string SpellCheckerDictPath;
    TVYXStringList SpellLanguages;
    std::string SpellSelectedLanguage;
    bool UndoEnabled = true;
    bool ShowParaMarks = false;
    bool GraphicShowSizeLabels = true;
    bool GraphicShowRotateBox = true;
    bool GraphicCanCrop = true;
    bool GraphicLiveUpdate = true;
    bool GraphicEmoticons = true;
    bool GraphicShowMargins = true;
    TVYXSysOptDistUnit Units = asoduCentimeters;
    bool TextHighlightFootnotes = true;
    TVYXColorRef TextHighlightFNotesCl = 0xFF0000;  // blue in the platform's order
    std::string DefaultFilename = "Document1.docx";

    // Reads / writes "Units", "SpellCheckerDLLPath", "SpellCheckerDictPath" and
    // "SpellSelectedLanguage" of the section; nothing without an IniFile. A unit
    // value out of range keeps the current unit.
    void Load(std::string_view section);
    void Save(std::string_view section) const;

    double ValToUnit(double pt) const { return PtToUnit(pt, Units); }
    double UnitToVal(double value) const { return UnitToPt(value, Units); }
    // Points as text in the current unit, at most two decimals, the locale's
    // separator; with `appendUnit` a blank and the short unit follow ("2.5 cm").
    std::u16string ValToUnitStr(double pt, bool appendUnit) const;
    // A number in the current unit, optionally followed by any unit's short
    // text (then that unit counts); 0 when the text holds no number.
    double UnitStrToVal(std::u16string_view text) const;
};

// ---- Character classification ----------------------------------------------

bool CharIsWhitespace(char16_t c);
bool CharIsWhitespaceOrHardLB(char16_t c);
inline bool CharIsSpace(char16_t c) { return c == 32; }
inline bool CharIsPrintable(char16_t c) { return c >= 32; }
inline bool CharIsBreakingChar(char16_t c) { return c == u'-'; }
// Unicode punctuation (categories P*) or Unicode white space.
bool CharIsPunctuation(char16_t c);
TVYXCharType CharacterType(char16_t c);

// ---- Text and colour helpers -------------------------------------------------

// Sum of the UTF-16 code units (wraps at 32 bits).
std::uint32_t VYXHash(std::u16string_view text);
// Upper-case roman numerals; empty for values below 1.
std::u16string IntToRoman(int value);
// Hexadecimal digits with an optional "#", "$" or "0x" in front; reading stops at
// the first other character; 0 when there are no digits.
std::int64_t HexStrToInt(std::u16string_view text);
// "RRGGBB" (optionally after "#") to 0x00RRGGBB; "auto" and texts that are not
// six hexadecimal digits give the automatic colour 0xFF000000.
std::uint32_t RGBStrToColor(std::u16string_view text);
std::uint32_t RevRGB(std::uint32_t color);
constexpr std::uint32_t MakeRGB(int r, int g, int b)
{
    return (static_cast<std::uint32_t>(r & 0xFF) << 16) | (static_cast<std::uint32_t>(g & 0xFF) << 8) |
           static_cast<std::uint32_t>(b & 0xFF);
}
// Hue in degrees [0, 360), saturation and lightness in [0, 1]; colours 0x00RRGGBB.
std::uint32_t HSLToRGB(double h, double s, double l);
void RGBToHSL(std::uint32_t color, double& h, double& s, double& l);
// Moves every channel towards white / black by `factor` (0 = unchanged, 1 = white / black).
std::uint32_t LighterColor(std::uint32_t color, double factor);
std::uint32_t DarkerColor(std::uint32_t color, double factor);

// 1-based position of the first / last `c`, 0 when absent (text positions count from 1).
int CPos(char16_t c, std::u16string_view text);
int RCPos(char16_t c, std::u16string_view text);
// As CPos, ignoring separators inside double quotes.
int CPosExclQuoted(char16_t c, std::u16string_view text);
// Returns the part before the first `c` and leaves the part after it in `text`;
// without `c` returns the whole text and empties `text`.
std::u16string SplitAtChar(std::u16string& text, char16_t c);
std::u16string SplitAtCharExclQuoted(std::u16string& text, char16_t c);

// The text without the codes 7, 12, 13, 14, 19, 20 and 21.
std::u16string ValidateText(std::u16string_view text);
// The text without leading and trailing blanks (space and tab; with `lineEnds` also CR and LF).
std::u16string_view VYXTrim(std::u16string_view text, bool lineEnds = false);
std::string_view VYXTrim(std::string_view text);
// The text without one pair of surrounding double quotes.
std::u16string_view VYXUnquote(std::u16string_view text);
std::u16string TitleCase(std::u16string_view text);
// U+201D becomes a plain double quote.
std::u16string FixupSmartQuotes(std::u16string_view text);
TVYXPictureType PictureTypeFromExt(std::u16string_view ext);
// A number with the point as decimal separator whatever the locale; `def` otherwise.
double XmlStrToFloatDef(std::string_view text, double def);

// The current local date and time as days since 1899-12-30 (comments, revisions, DATE fields).
double VYXNowDateTime();
std::int32_t VYXMulDiv(std::int32_t a, std::int32_t b, std::int32_t c);
float VYXMulDivF(float a, float b, float c);
std::u16string MakeIndent(int n);
