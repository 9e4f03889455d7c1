// VYXReadRTF.cpp: the RTF reader: tokenizer, group/state stack, destinations and the model builder.
//
// Grammar, as far as the reader cares:
//   file        := "{" "\rtf" N content "}"
//   content     := ( group | control | text )*
//   group       := "{" [ "\*" ] [ destination-word ] content "}"
//   control     := "\" letters [ "-" ] [ digits ] [ " " ]      a control word
//                | "\" non-letter                              a control symbol ("\'hh" takes two hex digits)
//   text        := any other byte; CR and LF are ignored
// "\binN" is followed by N raw bytes. A group saves the character, paragraph
// and destination state and restores it when it closes.
//
// Units: RTF lengths are twips (1/20 pt), font sizes half-points; the model
// takes points.
//
// Style sheet: a paragraph style's paragraph formats apply where \sN names it; an
// entry that lists only differences (it states no alignment) starts from its
// \sbasedon style's. Character formats of styles are not applied (character styles
// keep their names, kinds and bases only).
//
// Shapes: a \shp group whose \shpinst gives a box becomes a floating object anchored
// to the current paragraph: a picture for a "pib" picture, a text box for \shptxt
// (read into the box's own paragraphs), else a preset shape; its \shprslt fallback
// is read in place only when the shape was not understood.
//
// Not supported: old drawing objects (\do), group shapes (\shpgrp: their fallback
// is read), revision marks beyond keeping the text (\deleted text is kept as text).
#include "formats/VYXReadRTF.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <unordered_map>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTFTable.h"
#include "formats/VYXRtfShapes.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr TRtfKeyword cRtfKeywords[] = {
#include "formats/VYXReadRTFKeywords.inc"
};

}  // namespace

std::span<const TRtfKeyword> VYXRtfKeywords() { return cRtfKeywords; }

const TRtfKeyword* VYXRtfFindKeyword(std::string_view name)
{
    const auto* end = std::end(cRtfKeywords);
    const auto* it = std::lower_bound(std::begin(cRtfKeywords), end, name,
                                      [](const TRtfKeyword& k, std::string_view n) { return k.Name < n; });
    return it != end && it->Name == name ? it : nullptr;
}

bool VYXLooksLikeRtf(std::string_view bytes) { return bytes.starts_with("{\\rt"); }

namespace {

// Limits that keep hostile input from exhausting the stack or memory.
constexpr int cMaxGroupDepth = 10000;   // "{" nesting (HTML converted to RTF nests thousands deep)
constexpr int cMaxTableDepth = 32;      // \itap
constexpr int cMaxCells = 1000;         // \cellx per row definition, cells per row
constexpr int cMaxTables = 20000;       // tables per read: each \itap step down makes one
constexpr int cMaxTabs = 64;            // tab stops per paragraph
constexpr int cMaxFieldDepth = 32;      // fields inside field results
constexpr int cMaxUnicodeSkip = 16;     // \ucN
constexpr int cMaxShapeDepth = 4;       // shapes inside text boxes
constexpr int cMaxShapeProps = 128;     // {\sp} properties kept per shape
constexpr int cMaxStyleWords = 256;     // paragraph keywords kept per style sheet entry
constexpr int cMaxStyleChain = 16;      // \sbasedon links followed
constexpr std::int32_t cMaxTwips = 31680 * 20;  // 22 inches and then some; larger lengths are clamped

std::int32_t ClampTwips(std::int32_t v) { return std::clamp(v, -cMaxTwips, cMaxTwips); }
double Pt(std::int32_t twips) { return ClampTwips(twips) / 20.0; }

// ---- Group state -------------------------------------------------------------

struct TCharState {
    bool Bold = false, Italic = false, Strike = false, Hidden = false, Caps = false, SmallCaps = false;
    bool Outline = false, Shadow = false, Emboss = false, Engrave = false, Rtl = false, Border = false;
    std::uint8_t Underline = vycuNone, Script = vycssNone;
    std::int32_t Font = -1;   // RTF font number, -1: the default font
    std::int32_t Size = 0;    // half-points, 0: the document's size
    std::int32_t Color = -1, UnderlineColor = -1, Fill = -1;  // colour-table indexes, -1: none
    std::int32_t Style = -1;  // \cs number
    bool Revised = false, Deleted = false;  // tracked insertion / deletion
    std::int32_t RevAuthor = 0, RevDate = 0;  // revision table index, packed date and time
    bool operator==(const TCharState&) const = default;
};

struct TBorderDef {
    std::int32_t Style = -1;  // TST_Border value; -1: no border
    std::int32_t Width = 0, Space = 0;  // twips
    std::int32_t Color = 0;   // colour-table index
};

struct TTabDef {
    std::int32_t Pos = 0;
    std::uint8_t Align = atsaLeft, Leader = atslNone;
};

struct TParaState {
    std::int32_t Align = -1;  // -1: not set
    std::int32_t Left = 0, Right = 0, First = 0, Before = 0, After = 0, LineSpacing = 0;
    bool LineMult = false, KeepNext = false, KeepLines = false, InTable = false;
    std::int8_t Widow = -1;  // \widctlpar 1, \nowidctlpar 0, -1 not given
    std::int32_t Shade = -1, Outline = -1;
    std::int32_t Itap = 1;
    std::int32_t List = 0, Level = 0;  // \ls (0: none), \ilvl
    std::int32_t LegacyNfc = -1;       // old-style "\pn" list: its number format, -1 none
    std::uint8_t TabAlign = atsaLeft, TabLeader = atslNone;
    std::vector<TTabDef> Tabs;
    std::array<TBorderDef, 4> Borders;  // left, top, right, bottom
    bool HasFrame = false;
    TVYXParaFrame Frame;
};

enum TDestClass : std::uint8_t {
    dcText,      // document text
    dcString,    // text collected for the destination (names, instructions)
    dcFonts, dcColors, dcStyles, dcPicture, dcIgnore
};

struct TState {
    TRtfAction Dest = rtfdNone;
    TDestClass Class = dcText;
    bool OwnsDest = false;   // this group began the destination
    bool SkipUnknown = false;
    bool NestProps = false;  // inside \*\nesttableprops
    bool Endnote = false;
    std::int32_t Uc = 1;
    TCharState Chp;
    TParaState Pap;
};

// ---- Reader tables -----------------------------------------------------------

struct TFont {
    std::u16string Name;
    std::int32_t CodePage = 0;  // 0: the document's
};

struct TCellDef {
    std::int32_t X = 0;
    std::array<TBorderDef, 4> Borders;
    std::int32_t Color = -1;
    std::int32_t Merge = 0;  // 1 first of a vertical merge, 2 continued
    std::int32_t HMerge = 0;  // 1 first of a horizontal merge, 2 continued
    std::int32_t VAlign = 0;
};

struct TRowDef {
    std::vector<TCellDef> Cells;
    TCellDef Pending;  // properties given before the cell's \cellx
    std::int32_t Height = 0;
    std::array<std::int32_t, 4> Padding = {-1, -1, -1, -1};  // default cell margins (twips), -1: not given
    bool Keep = false;        // \trkeep: the row is not split across pages
    bool Header = false;      // \trhdr: repeated at the top of every page the table runs on to
    bool KeepFollow = false;  // \trkeepfollow: the row stays on the page of the next one
};

struct TTableLevel {
    TVYXTable* Table = nullptr;
    TVYXTableRow* Row = nullptr;
    TVYXTableCell* Cell = nullptr;
};

enum TTargetKind : std::uint8_t { tkBody, tkNote, tkHeader, tkTextBox };

// Where document text goes: the body, a header or footer, a note.
struct TTarget {
    TTargetKind Kind = tkBody;
    TVYXLogParas* Paras = nullptr;  // nullptr until a note is made
    TVYXLogPara* Para = nullptr;    // the paragraph text goes to, while not ended
    bool ParaEnded = false;
    std::vector<TTableLevel> Tables;
    // Notes: the paragraph holding the reference and the note.
    TVYXLogPara* Anchor = nullptr;
    TVYXFootnoteItem* Note = nullptr;
    TVYXCharRunFootnote* NoteRef = nullptr;      // the mark at the start of the note's text
    std::size_t FieldBase = 0;  // fields open when the target began: their results are not this text
    std::unique_ptr<TVYXCHPX> MarkFormat;        // the body's \chftn format, for the reference
};

enum TFieldMode : std::uint8_t { fmNone, fmHyperlink, fmSimple, fmText };

struct TField {
    int Depth = 0;  // group depth of the \field group
    std::u16string Instr;
    TFieldMode Mode = fmNone;
    bool InResult = false;
    bool DataField = false;
    TVYXHyperlink* Link = nullptr;
    TVYXCharRun* FirstRun = nullptr;  // of a hyperlink
    TVYXCharRun* LastRun = nullptr;
    bool SimpleDone = false;
    bool Nested = false;   // a field began inside this one's instruction
    bool Complex = false;  // kept as begin, instruction, separate, result and end runs
    std::unique_ptr<TVYXCHPX> MarkFormat;  // the format of the begin mark, for the end mark
};

struct TPicture {
    std::int32_t Type = 0;  // 0 unknown, 1 EMF, 2 PNG, 3 JPEG, 4 PICT, 5 WMF, 6 DIB, 7 bitmap
    std::string Bytes;
    int Nibble = -1;
};

// A \shp group being read: its place from the \shp... words, its {\sp} properties
// and its picture; the model object is made when the text box text begins
// (\shptxt) or when \shpinst ends.
struct TShape {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;  // twips from the anchors
    std::int32_t Bx = 2, By = 2;        // 0 margin, 1 page, 2 column / paragraph
    bool BxIgnore = false, ByIgnore = false;  // the posrelh / posrelv properties decide
    std::int32_t Wrap = 2, WrapSide = 0, Z = 0;
    bool Below = false;
    std::vector<std::pair<std::string, std::string>> Props;
    std::string PropName, PropValue;
    std::string Picture;  // the pib picture's bytes
    TVYXGraphicObj* Object = nullptr;
    bool InstDone = false;    // \shpinst read
    bool Understood = false;  // made into an object: \shprslt is skipped
    bool TextInPlace = false; // the box's text was read as the anchor's text
};

std::int64_t PropInt(const TShape& shape, std::string_view name, std::int64_t fallback)
{
    // The last value given wins.
    for (auto it = shape.Props.rbegin(); it != shape.Props.rend(); ++it)
        if (it->first == name) {
            std::int64_t v = 0;
            const char* b = it->second.data();
            const char* e = b + it->second.size();
            const auto r = std::from_chars(b, e, v);
            return r.ec == std::errc() ? std::clamp<std::int64_t>(v, -0x7FFFFFFFLL, 0xFFFFFFFFLL) : fallback;
        }
    return fallback;
}

bool HasProp(const TShape& shape, std::string_view name)
{
    return std::any_of(shape.Props.begin(), shape.Props.end(), [&](const auto& p) { return p.first == name; });
}

// EMU (12700 a point) to points, clamped to a sane distance.
double EmuPt(std::int64_t emu) { return std::clamp(static_cast<double>(emu) / 12700.0, -2000.0, 2000.0); }

struct TListDef {
    std::int32_t Id = 0;
    std::vector<std::int32_t> Nfc;  // per level
};

// A paragraph keyword as a style sheet entry gave it: an entry that lists only
// differences is replayed onto its base's formats, so its own words win.
struct TStyleWord {
    TRtfAction Action;
    std::int32_t Value;
};

struct TStyleEntry {
    TRtfAction Kind = rtfpNone;  // rtfpParaStyle, rtfpCharStyle, ...
    std::int32_t Number = 0;
    std::int32_t BasedOn = -1;  // \sbasedon, -1: none
    std::u16string Name;
    std::vector<TStyleWord> Words;
};

struct TParaStyleDef {
    std::int32_t BasedOn = -1;
    std::vector<TStyleWord> Words;
};

class TParseError {
public:
    explicit TParseError(TVYXRtfResult code) : Code(code) {}
    TVYXRtfResult Code;
};

int HexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

TVYXNumberingStyleType NfcToStyle(std::int32_t nfc)
{
    switch (nfc) {
    case 0: return anstDecimal;
    case 1: return anstUpperRoman;
    case 2: return anstLowerRoman;
    case 3: return anstUpperLetter;
    case 4: return anstLowerLetter;
    case 23: return anstBullet;
    case 255: return anstNone;
    default: return anstDecimal;
    }
}

std::u16string Trim(std::u16string_view s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == u' ' || s[a] == u'\t' || s[a] == u'\r' || s[a] == u'\n'))
        ++a;
    while (b > a && (s[b - 1] == u' ' || s[b - 1] == u'\t' || s[b - 1] == u'\r' || s[b - 1] == u'\n'))
        --b;
    return std::u16string(s.substr(a, b - a));
}

// A packed date and time (minutes, hours, day, month, years since 1900 in 6, 5, 5,
// 4 and 9 bits) as days since 1899-12-30; 0 when it is not a date.
double DttmToDate(std::int32_t dttm)
{
    const auto u = static_cast<std::uint32_t>(dttm);
    const int minute = static_cast<int>(u & 63), hour = static_cast<int>((u >> 6) & 31);
    const int day = static_cast<int>((u >> 11) & 31), month = static_cast<int>((u >> 16) & 15);
    const int year = 1900 + static_cast<int>((u >> 20) & 511);
    if (day < 1 || month < 1 || month > 12)
        return 0;
    // Days from the civil date (proleptic Gregorian), then shifted to the 1899-12-30 epoch.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = y / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days = era * 146097L + doe - 719468L;  // since 1970-01-01
    return static_cast<double>(days + 25569) + (hour * 60 + minute) / 1440.0;
}

// The 22-byte header that makes a bare Windows metafile a placeable one.
std::string PlaceableHeader()
{
    const std::uint16_t words[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 0, 0, 96, 0, 0};
    std::uint16_t sum = 0;
    for (std::uint16_t w : words)
        sum ^= w;
    std::string out;
    for (std::uint16_t w : words)
        out += static_cast<char>(w & 0xFF), out += static_cast<char>(w >> 8);
    out += static_cast<char>(sum & 0xFF), out += static_cast<char>(sum >> 8);
    return out;
}

// ---- The parser --------------------------------------------------------------

class TRtfParser {
public:
    TRtfParser(TVYXLogDocEditor& doc, TVYXLogParas& paras, bool wholeDocument, bool importSettings)
        : FDoc(doc), FWhole(wholeDocument), FImportSettings(importSettings), FSection(&doc.SEP(), &doc.DOP())
    {
        TTarget body;
        body.Paras = &paras;
        FTargets.push_back(std::move(body));
        FStack.emplace_back();
    }

    TVYXRtfResult Parse(std::string_view in);
    void Finish();
    std::u16string Generator;

private:
    TState& Cur() { return FStack.back(); }
    // Tokens.
    void ControlWord();
    void Keyword(std::string_view word, bool hasParam, std::int32_t param);
    void PushGroup();
    void PopGroup();
    void Byte(unsigned char c);
    void HexByte(unsigned char c);
    void PutChar(char16_t c);
    void DecodeBytes();
    std::int32_t CodePage();
    // Destinations.
    void BeginDest(TRtfAction dest);
    void EndDest(const TState& state);
    void FlushText();
    void DeliverString(std::u16string_view text);
    // Properties and actions.
    void CharProp(TRtfAction a, std::int32_t v);
    void ParaProp(TRtfAction a, std::int32_t v);
    void OtherProp(TRtfAction a, std::int32_t v);
    void Special(TRtfAction a, bool hasParam, std::int32_t v);
    TBorderDef* CurrentBorder(TParaState& p);
    // Model building.
    TTarget& Target() { return FTargets.back(); }
    TVYXLogPara* CurrentPara();
    TVYXLogParas* Container(TTarget& t);
    void EnsureTableDepth(TTarget& t, int depth);
    TVYXTableCell* EnsureCell(TTableLevel& level);
    void EndPara();
    void EndCell();
    void EndRow(bool nested);
    void ApplyParaProps(TVYXLogPara& para);
    void ApplyRowDef(TVYXTableRow& row, int level);
    const TVYXCHPX& RunFormat();
    TVYXColor ColorAt(std::int32_t index) const;
    void AddText(std::u16string_view text);
    void AddRunText(std::u16string_view text);
    void AddRun(std::unique_ptr<TVYXCharRun> run);
    void AddBreak(TVYXCharRunBreakType type);
    void EndPicture();
    bool MakeShape(TShape& shape, bool textBox);
    void ApplyShape(TShape& shape);
    void BeginField();
    void FieldResult();
    void BeginComplexField(TField& f, bool separate);
    void EndField();
    void MakeNote();
    void EndNote(TTarget& t);
    void EndStyle();
    void ResolveStyles();
    TParaState ResolveParaStyle(std::int32_t number, int depth, std::unordered_map<std::int32_t, TParaState>& done);
    void ApplyPara(TParaState& p, TRtfAction a, std::int32_t v);
    void NoteMark();
    void CloseTarget();

    TVYXLogDocEditor& FDoc;
    bool FWhole, FImportSettings;
    std::string_view FIn;
    std::size_t FPos = 0;
    std::vector<TState> FStack;
    std::vector<TTarget> FTargets;

    // Text waiting for its destination: bytes still in their code page, then UTF-16.
    std::string FBytes;
    std::int32_t FBytesCodePage = 0;
    std::u16string FText;
    int FSkip = 0;  // fallback characters still to drop after \u

    // Tables of the file.
    std::vector<std::u16string> FRevAuthors;
    std::int32_t FLegacyNfc = -1;
    std::int32_t FDocCodePage = cVYXCodePageAnsi;
    std::int32_t FDefaultFont = -1;
    std::unordered_map<std::int32_t, TFont> FFonts;
    std::int32_t FFontEntry = -1;  // the font table entry being read
    std::vector<TVYXColor> FColors;
    int FRed = 0, FGreen = 0, FBlue = 0;
    bool FColorGiven = false;
    std::vector<TStyleEntry> FStyleEntries;
    TStyleEntry FStyleEntry;
    std::unordered_map<std::int32_t, TVYXCharStyle*> FCharStyles;
    // Paragraph formats of the style sheet's paragraph styles, by number: \sN starts from them.
    std::unordered_map<std::int32_t, TParaState> FParaStyles;
    std::unordered_map<std::int32_t, TParaStyleDef> FParaStyleDefs;
    std::unordered_map<std::int32_t, std::int32_t> FCharStyleBases;  // \cs number -> \sbasedon
    std::unique_ptr<TVYXCHPX> FNoteMark;  // the format of the body's last \chftn, for the next note
    std::vector<TListDef> FLists;
    std::unordered_map<std::int32_t, std::int32_t> FOverrides;  // \ls -> \listid
    std::int32_t FOverrideLs = 0, FOverrideId = 0;
    bool FInOverride = false;
    std::unordered_map<std::int32_t, TVYXNumbering*> FListStarts;  // \ls -> level 0 of the list made for it

    // Tables, fields, pictures, notes.
    std::vector<TRowDef> FRowDefs;  // by nesting level (index 1 = outermost)
    int FTableCount = 0;
    int FRowDefLevel = 1;
    enum { btNone, btPara, btCell, btChar } FBorderTarget = btNone;
    int FBorderSide = 0;
    TBorderDef FCharBorder;
    std::vector<TField> FFields;
    TPicture FPicture;
    bool FPictureForShape = false;  // the picture being read is a shape's pib
    std::vector<TShape> FShapes;
    std::vector<std::u16string> FStrings;  // text of string destinations, innermost last
    std::unordered_map<std::u16string, TVYXBookmark*> FOpenBookmarks;
    std::unordered_map<std::u16string, TVYXComment*> FOpenComments;
    TVYXComment* FLastComment = nullptr;
    std::u16string FAnnotationRef;
    bool FHeaderRead[6] = {};
    TVYXSEP FSection;  // \sectd .. \sect settings
    bool FSectionSet = false;

    // The format of the text being flushed, rebuilt only when it changes.
    std::unique_ptr<TVYXCHPX> FRunFormat;
    TCharState FRunFormatOf;
    bool FRunFormatBorder = false;
};

TVYXRtfResult TRtfParser::Parse(std::string_view in)
{
    FIn = in;
    FPos = 0;
    try {
        while (FPos < FIn.size()) {
            const unsigned char c = static_cast<unsigned char>(FIn[FPos++]);
            switch (c) {
            case '\\':
                ControlWord();
                break;
            case '{':
                PushGroup();
                break;
            case '}':
                PopGroup();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Byte(c);
                break;
            }
        }
    } catch (const TParseError& e) {
        return e.Code;
    }
    return FStack.size() > 1 ? rtfEndOfFile : rtfOk;
}

void TRtfParser::ControlWord()
{
    if (FPos >= FIn.size())
        throw TParseError(rtfEndOfKeyword);
    const unsigned char c = static_cast<unsigned char>(FIn[FPos]);
    if (!IsLetter(c)) {
        ++FPos;
        if (c == '\'') {
            if (FPos + 2 > FIn.size())
                throw TParseError(rtfEndOfKeyword);
            const int hi = HexValue(static_cast<unsigned char>(FIn[FPos]));
            const int lo = HexValue(static_cast<unsigned char>(FIn[FPos + 1]));
            if (hi < 0 || lo < 0)
                throw TParseError(rtfInvalidHex);
            FPos += 2;
            Cur().SkipUnknown = false;
            HexByte(static_cast<unsigned char>(hi * 16 + lo));
            return;
        }
        const char symbol[1] = {static_cast<char>(c)};
        Keyword(std::string_view(symbol, 1), false, 0);
        return;
    }
    char word[32];
    std::size_t len = 0;
    while (FPos < FIn.size() && IsLetter(static_cast<unsigned char>(FIn[FPos]))) {
        const char l = FIn[FPos++];
        if (len < sizeof word)
            word[len++] = static_cast<char>(l >= 'A' && l <= 'Z' ? l + 32 : l);
    }
    bool hasParam = false, negative = false;
    std::int64_t value = 0;
    if (FPos < FIn.size() && FIn[FPos] == '-') {
        negative = true;
        if (++FPos >= FIn.size())
            throw TParseError(rtfEndOfKeyword);
    }
    while (FPos < FIn.size() && FIn[FPos] >= '0' && FIn[FPos] <= '9') {
        hasParam = true;
        if (value < 0x7FFFFFFF)
            value = value * 10 + (FIn[FPos] - '0');
        ++FPos;
    }
    if (FPos < FIn.size() && FIn[FPos] == ' ')
        ++FPos;
    value = std::min<std::int64_t>(value, 0x7FFFFFFF);
    const auto param = static_cast<std::int32_t>(negative ? -value : value);
    // A word longer than any known one is unknown.
    Keyword(len < sizeof word ? std::string_view(word, len) : std::string_view(), hasParam || negative, param);
}

void TRtfParser::Keyword(std::string_view word, bool hasParam, std::int32_t param)
{
    const TRtfKeyword* k = word.empty() ? nullptr : VYXRtfFindKeyword(word);
    TState& s = Cur();
    if (!k) {
        if (s.SkipUnknown) {
            FlushText();
            s.Class = dcIgnore;
            s.Dest = rtfdSkip;
        }
        s.SkipUnknown = false;
        return;
    }
    s.SkipUnknown = false;
    // A picture type word's number is not its type (\wmetafile8 names a mapping mode).
    const std::int32_t v = hasParam && k->Action != rtfpPictType ? param : (k->UseDefault ? k->Default : 0);
    switch (k->Kind) {
    case rtfkChar:
        if (s.Class == dcIgnore)
            return;
        if (FSkip > 0) {
            --FSkip;
            return;
        }
        PutChar(static_cast<char16_t>(k->Default));
        return;
    case rtfkDest:
        BeginDest(k->Action);
        return;
    case rtfkSpec:
        Special(k->Action, hasParam, v);
        return;
    case rtfkProp:
        break;
    }
    if (s.Class == dcIgnore)
        return;
    if (k->Action <= rtfpCharBorder)
        CharProp(k->Action, v);
    else if (k->Action <= rtfpListLevel)
        ParaProp(k->Action, v);
    else
        OtherProp(k->Action, v);
}

void TRtfParser::PushGroup()
{
    if (static_cast<int>(FStack.size()) > cMaxGroupDepth)
        throw TParseError(rtfStackOverflow);
    FlushText();
    FSkip = 0;
    TState copy = FStack.back();
    copy.OwnsDest = false;
    copy.SkipUnknown = false;
    FStack.push_back(std::move(copy));
}

void TRtfParser::PopGroup()
{
    if (FStack.size() <= 1)
        throw TParseError(rtfStackUnderflow);
    FlushText();
    FSkip = 0;
    if (Cur().Dest == rtfdStyleSheet && !Cur().OwnsDest && FStack.size() >= 2 &&
        FStack[FStack.size() - 2].Dest == rtfdStyleSheet && FStack[FStack.size() - 2].OwnsDest)
        EndStyle();
    // A note, header or text box whose last paragraph has no \par: that paragraph takes
    // the properties in effect where its group closes.
    if (Cur().OwnsDest && FTargets.size() > 1 &&
        (Cur().Dest == rtfdFootnote || Cur().Dest == rtfdShapeText || (Cur().Dest >= rtfdHeader && Cur().Dest <= rtfdFooterFirst))) {
        TTarget& t = Target();
        if (t.Para && !t.ParaEnded && t.Paras && t.Para->Paras() == t.Paras)
            ApplyParaProps(*t.Para);
    }
    // The outermost group closing: the last paragraph takes the properties in effect now.
    if (FStack.size() == 2 && FTargets.size() == 1) {
        TTarget& t = FTargets.front();
        if (t.Para && !t.ParaEnded && t.Paras)
            ApplyParaProps(*t.Para);
    }
    TState popped = std::move(FStack.back());
    FStack.pop_back();
    if (popped.OwnsDest)
        EndDest(popped);
    // A character border lasts as long as the group that made it.
    if (!Cur().Chp.Border && FBorderTarget == btChar)
        FBorderTarget = btNone;
}

// ---- Text ----

std::int32_t TRtfParser::CodePage()
{
    const TState& s = Cur();
    if (s.Dest == rtfdFontTable) {
        auto it = FFonts.find(FFontEntry);
        if (it != FFonts.end() && it->second.CodePage)
            return it->second.CodePage;
        return FDocCodePage;
    }
    std::int32_t font = s.Chp.Font >= 0 ? s.Chp.Font : FDefaultFont;
    if (font >= 0) {
        auto it = FFonts.find(font);
        if (it != FFonts.end() && it->second.CodePage)
            return it->second.CodePage;
    }
    return FDocCodePage;
}

void TRtfParser::Byte(unsigned char c)
{
    TState& s = Cur();
    if (s.Class == dcIgnore)
        return;
    if (s.Class == dcPicture) {
        const int h = HexValue(c);
        if (h < 0)
            return;  // layout blanks between the digits
        if (FPicture.Nibble < 0)
            FPicture.Nibble = h;
        else {
            FPicture.Bytes += static_cast<char>(FPicture.Nibble * 16 + h);
            FPicture.Nibble = -1;
        }
        return;
    }
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    if (c == ';' && (s.Class == dcFonts || s.Class == dcColors || s.Class == dcStyles)) {
        FlushText();
        if (s.Class == dcColors) {
            FColors.push_back(FColorGiven ? ColorRGB(FRed, FGreen, FBlue) : cVYXAutoColor);
            FColorGiven = false;
        } else if (s.Class == dcFonts) {
            if (auto it = FFonts.find(FFontEntry); it != FFonts.end())
                it->second.Name = Trim(it->second.Name);
            FFontEntry = -2;
        }  // names that follow belong to no entry until the next \f
        return;
    }
    if (c < 0x80 && FBytes.empty()) {
        FText += static_cast<char16_t>(c);
        return;
    }
    const std::int32_t cp = CodePage();
    if (!FBytes.empty() && cp != FBytesCodePage)
        DecodeBytes();
    FBytesCodePage = cp;
    FBytes += static_cast<char>(c);
}

void TRtfParser::HexByte(unsigned char c)
{
    TState& s = Cur();
    if (s.Class == dcIgnore)
        return;
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    if (s.Class == dcPicture) {
        FPicture.Bytes += static_cast<char>(c);
        return;
    }
    if (c == 0 && FBytes.empty())
        return;  // a NUL is never text
    const std::int32_t cp = CodePage();
    if (!FBytes.empty() && cp != FBytesCodePage)
        DecodeBytes();
    FBytesCodePage = cp;
    FBytes += static_cast<char>(c);
}

void TRtfParser::DecodeBytes()
{
    if (FBytes.empty())
        return;
    if (FBytesCodePage == cVYXCodePageSymbol) {
        // Symbol fonts keep their glyphs in the private use area; ASCII stays readable.
        for (const char b : FBytes) {
            const auto u = static_cast<unsigned char>(b);
            FText += static_cast<char16_t>(u < 0x80 ? u : 0xF000 + u);
        }
    } else
        FText += VYXDecodeCodePage(FBytes, FBytesCodePage);
    FBytes.clear();
}

void TRtfParser::PutChar(char16_t c)
{
    if (Cur().Class == dcIgnore || Cur().Class == dcPicture)
        return;
    DecodeBytes();
    FText += c;
}

void TRtfParser::FlushText()
{
    DecodeBytes();
    if (FText.empty())
        return;
    std::u16string text;
    text.swap(FText);
    // \u escapes can name lone surrogates; the model keeps well-formed UTF-16.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (c >= 0xD800 && c <= 0xDFFF)
            text[i] = 0xFFFD;
    }
    switch (Cur().Class) {
    case dcText:
        AddText(text);
        break;
    case dcString:
    case dcFonts:
    case dcStyles:
        DeliverString(text);
        break;
    default:
        break;
    }
}

void TRtfParser::DeliverString(std::u16string_view text)
{
    TState& s = Cur();
    if (s.Class == dcFonts) {
        if (auto it = FFonts.find(FFontEntry); it != FFonts.end())
            it->second.Name += text;
        return;
    }
    if (s.Class == dcStyles) {
        FStyleEntry.Name += text;
        return;
    }
    if (s.Dest == rtfdFieldInstr && !FFields.empty()) {
        if (!FFields.back().DataField)
            FFields.back().Instr += text;
        return;
    }
    if (!FStrings.empty())
        FStrings.back() += text;
}

// ---- Destinations ----

void TRtfParser::BeginDest(TRtfAction dest)
{
    FlushText();
    TState& s = Cur();
    // One destination per group: a second destination word in the same group is ignored.
    if (s.Class == dcIgnore || s.OwnsDest)
        return;
    auto enter = [&](TDestClass cls) {
        s.Dest = dest;
        s.Class = cls;
        s.OwnsDest = true;
    };
    auto skip = [&] {
        s.Dest = rtfdSkip;
        s.Class = dcIgnore;
    };
    // Destinations that only make sense in certain places skip their group elsewhere.
    const bool inText = s.Class == dcText;
    switch (dest) {
    case rtfdSkip:
    case rtfdNone:
        skip();
        return;
    case rtfdInPlace:
        if (s.Class == dcString && s.Dest == rtfdUpr)
            enter(dcText), s.Dest = rtfdInPlace;
        return;
    case rtfdUpr:
        // The first sub-group holds the 8-bit text, "\*\ud" the Unicode text.
        enter(dcString);
        FStrings.emplace_back();
        return;
    case rtfdFontTable:
        enter(dcFonts);
        return;
    case rtfdColorTable:
        enter(dcColors);
        FColorGiven = false;
        return;
    case rtfdStyleSheet:
        enter(dcStyles);
        FStyleEntry = {};
        return;
    case rtfdListTable:
        enter(dcString);  // keywords act, text is collected and dropped
        FStrings.emplace_back();
        return;
    case rtfdPicture:
        // A shape's picture comes as the value of its "pib" property.
        FPictureForShape = s.Dest == rtfdShapeValue && !FShapes.empty() && FShapes.back().PropName == "pib";
        if (!inText && !FPictureForShape)
            return skip();
        enter(dcPicture);
        FPicture = {};
        return;
    case rtfdShape:
        if (!inText || static_cast<int>(FShapes.size()) >= cMaxShapeDepth)
            return skip();
        enter(dcText);
        FShapes.emplace_back();
        return;
    case rtfdShapeInst:
        if (FShapes.empty() || s.Dest != rtfdShape || FShapes.back().InstDone)
            return skip();
        enter(dcString);  // keywords act, text is dropped
        FStrings.emplace_back();
        return;
    case rtfdShapeProp:
        if (FShapes.empty() || s.Dest != rtfdShapeInst)
            return skip();
        enter(dcString);
        FStrings.emplace_back();
        FShapes.back().PropName.clear();
        FShapes.back().PropValue.clear();
        return;
    case rtfdShapeName:
    case rtfdShapeValue:
        if (FShapes.empty() || s.Dest != rtfdShapeProp)
            return skip();
        enter(dcString);
        FStrings.emplace_back();
        return;
    case rtfdShapeText: {
        if (FShapes.empty() || s.Dest != rtfdShapeInst || FShapes.back().Object)
            return skip();
        TShape& shape = FShapes.back();
        // A picture frame's text is its picture's caption at best: the picture is the object.
        if (!shape.Picture.empty() || PropInt(shape, "shapeType", 202) == 75)
            return skip();
        auto* box = MakeShape(shape, true) ? dynamic_cast<TVYXGraphicRotate*>(shape.Object) : nullptr;
        if (!box)
            return skip();
        if (!box->TextBox || !box->TextBox->Paras) {
            // A list without a store for text boxes (pasted content): a frame without its
            // text would lose it, so the box goes and its text is read where it stands.
            if (TVYXLogPara* para = CurrentPara(); para && para->Graphics())
                para->Graphics()->Snatch(*box);
            shape.Object = nullptr;
            shape.TextInPlace = true;
            enter(dcText);
            s.Dest = rtfdInPlace;
            return;
        }
        TTarget t;
        t.Kind = tkTextBox;
        t.Paras = box->TextBox->Paras;
        // The box starts with one empty paragraph: its text begins there.
        t.Para = t.Paras->Count() == 1 ? t.Paras->ParaAtIndex(0) : nullptr;
        enter(dcText);
        t.FieldBase = FFields.size();
        FTargets.push_back(std::move(t));
        s.Pap = TParaState();
        return;
    }
    case rtfdShapeResult:
        // The fallback of a shape read as an object is not read again; else it stands in for it.
        if (!FShapes.empty() && FShapes.back().Understood)
            return skip();
        if (!inText)
            return skip();
        enter(dcText);
        return;
    case rtfdField:
        if (!inText)
            return skip();
        if (static_cast<int>(FFields.size()) >= cMaxFieldDepth) {
            s.Dest = rtfdInPlace;  // the result still counts as text
            return;
        }
        enter(dcText);
        BeginField();
        return;
    case rtfdFieldInstr:
        if (FFields.empty() || s.Dest != rtfdField)
            return skip();
        enter(dcString);
        return;
    case rtfdFieldResult:
        if (FFields.empty() || s.Dest != rtfdField)
            return skip();
        enter(dcText);
        FieldResult();
        return;
    case rtfdBookmarkStart:
    case rtfdBookmarkEnd:
    case rtfdAnnStart:
    case rtfdAnnEnd:
    case rtfdAnnAuthor:
    case rtfdAnnInitials:
    case rtfdAnnRef:
    case rtfdGenerator:
        enter(dcString);
        FStrings.emplace_back();
        return;
    case rtfdAnnotation:
        if (!inText)
            return skip();
        enter(dcString);
        FStrings.emplace_back();
        FAnnotationRef.clear();
        return;
    case rtfdFootnote:
        if (!inText || !FWhole || FDoc.DocType() != aldtMain || Target().Kind != tkBody)
            return skip();
        {
            TTarget note;
            note.Kind = tkNote;
            note.Anchor = CurrentPara();
            note.MarkFormat = std::move(FNoteMark);
            enter(dcText);
            note.FieldBase = FFields.size();
            FTargets.push_back(std::move(note));
        }
        s.Pap = TParaState();
        return;
    case rtfdHeader:
    case rtfdHeaderEven:
    case rtfdHeaderFirst:
    case rtfdFooter:
    case rtfdFooterEven:
    case rtfdFooterFirst: {
        const int slot = dest - rtfdHeader;
        if (!inText || !FWhole || FDoc.DocType() != aldtMain || Target().Kind != tkBody || FHeaderRead[slot])
            return skip();
        FHeaderRead[slot] = true;
        TVYXHeadersFooters& hf = slot < 3 ? FDoc.Headers() : FDoc.Footers();
        const TVYXHeaderFooterType type = (slot % 3) == 0 ? ahftDefault : ((slot % 3) == 1 ? ahftEven : ahftFirst);
        TVYXLogDocEditor& editor = hf.Add(type);
        TTarget t;
        t.Kind = tkHeader;
        t.Paras = &editor.Paras();
        // The editor starts with one empty paragraph: the header's text begins there.
        t.Para = editor.Paras().Count() == 1 ? editor.Paras().ParaAtIndex(0) : nullptr;
        enter(dcText);
        t.FieldBase = FFields.size();
        FTargets.push_back(std::move(t));
        s.Pap = TParaState();
        if (type == ahftFirst)
            FSection.TitlePg = true;
        return;
    }
    case rtfdNestTableProps:
        s.NestProps = true;
        return;
    case rtfdRevTable:
        enter(dcString);
        FStrings.emplace_back();
        return;
    case rtfdLegacyList:
        if (!inText)
            return skip();
        enter(dcString);  // keywords act, the number text is dropped
        FStrings.emplace_back();
        FLegacyNfc = -1;
        return;
    default:
        return;
    }
}

void TRtfParser::EndDest(const TState& state)
{
    switch (state.Dest) {
    case rtfdPicture:
        EndPicture();
        break;
    case rtfdField:
        EndField();
        break;
    case rtfdFieldInstr:
        break;
    case rtfdStyleSheet:
        EndStyle();
        ResolveStyles();
        break;
    case rtfdListTable:
        if (!FStrings.empty())
            FStrings.pop_back();
        break;
    case rtfdUpr:
        if (!FStrings.empty())
            FStrings.pop_back();
        break;
    case rtfdRevTable:
        if (!FStrings.empty()) {
            std::u16string text = std::move(FStrings.back());
            FStrings.pop_back();
            std::size_t start = 0;
            for (std::size_t i = 0; i < text.size(); ++i)
                if (text[i] == u';') {
                    FRevAuthors.push_back(Trim(std::u16string_view(text).substr(start, i - start)));
                    start = i + 1;
                }
        }
        break;
    case rtfdLegacyList:
        if (!FStrings.empty())
            FStrings.pop_back();
        // The group is gone: its list format goes to the paragraph state around it.
        if (FLegacyNfc >= 0)
            Cur().Pap.LegacyNfc = FLegacyNfc;
        break;
    case rtfdShape:
        if (!FShapes.empty()) {
            if (!FShapes.back().InstDone && !FShapes.back().Object)
                FShapes.back().Understood = false;
            FShapes.pop_back();
        }
        break;
    case rtfdShapeInst:
        if (!FStrings.empty())
            FStrings.pop_back();
        if (!FShapes.empty()) {
            TShape& shape = FShapes.back();
            shape.InstDone = true;
            shape.Understood = shape.Object || shape.TextInPlace || MakeShape(shape, false);
            if (shape.Object)
                ApplyShape(shape);
        }
        break;
    case rtfdShapeProp:
        if (!FStrings.empty())
            FStrings.pop_back();
        if (!FShapes.empty()) {
            TShape& shape = FShapes.back();
            if (!shape.PropName.empty() && static_cast<int>(shape.Props.size()) < cMaxShapeProps)
                shape.Props.emplace_back(std::move(shape.PropName), std::move(shape.PropValue));
            shape.PropName.clear();
            shape.PropValue.clear();
        }
        break;
    case rtfdShapeName:
    case rtfdShapeValue:
        if (!FStrings.empty()) {
            const std::string text = Utf16ToUtf8(Trim(FStrings.back()));
            FStrings.pop_back();
            if (!FShapes.empty())
                (state.Dest == rtfdShapeName ? FShapes.back().PropName : FShapes.back().PropValue) = text.substr(0, 4096);
        }
        break;
    case rtfdShapeText:
        CloseTarget();
        break;
    case rtfdFootnote:
    case rtfdHeader:
    case rtfdHeaderEven:
    case rtfdHeaderFirst:
    case rtfdFooter:
    case rtfdFooterEven:
    case rtfdFooterFirst:
        CloseTarget();
        break;
    case rtfdBookmarkStart:
    case rtfdBookmarkEnd:
    case rtfdAnnStart:
    case rtfdAnnEnd:
    case rtfdAnnAuthor:
    case rtfdAnnInitials:
    case rtfdAnnRef:
    case rtfdGenerator:
    case rtfdAnnotation: {
        if (FStrings.empty())
            break;
        std::u16string text = std::move(FStrings.back());
        FStrings.pop_back();
        const std::u16string name = Trim(text);
        switch (state.Dest) {
        case rtfdBookmarkStart:
            // Pasted content brings no bookmarks: the document's list would point into a
            // scratch list that a failed paste frees.
            if (FWhole && !name.empty() && !FOpenBookmarks.count(name))
                if (TVYXLogPara* para = CurrentPara())
                    if (TVYXBookmark* bm = para->AppendBookmark(name))
                        FOpenBookmarks[name] = bm;
            break;
        case rtfdBookmarkEnd:
            if (auto it = FOpenBookmarks.find(name); it != FOpenBookmarks.end()) {
                if (TVYXLogPara* para = CurrentPara())
                    para->EndBookmark(*it->second);
                FOpenBookmarks.erase(it);
            }
            break;
        case rtfdAnnStart:
            if (!name.empty() && !FOpenComments.count(name) && Target().Kind == tkBody && FWhole)
                if (TVYXLogPara* para = CurrentPara()) {
                    FLastComment = para->AppendComment(FDoc.Comments(), std::make_unique<TVYXComment>());
                    if (FLastComment)
                        FOpenComments[name] = FLastComment;
                }
            break;
        case rtfdAnnEnd:
            if (auto it = FOpenComments.find(name); it != FOpenComments.end()) {
                if (TVYXLogPara* para = CurrentPara())
                    para->EndComment(*it->second);
                FLastComment = it->second;
            }
            break;
        case rtfdAnnAuthor:
            if (FLastComment)
                FLastComment->Author = name;
            break;
        case rtfdAnnInitials:
            if (FLastComment)
                FLastComment->Initials = name;
            break;
        case rtfdAnnRef:
            FAnnotationRef = name;
            break;
        case rtfdGenerator:
            Generator = name;
            if (!Generator.empty() && Generator.back() == u';')
                Generator.pop_back();
            break;
        case rtfdAnnotation: {
            TVYXComment* c = nullptr;
            if (auto it = FOpenComments.find(FAnnotationRef); it != FOpenComments.end())
                c = it->second;
            else
                c = FLastComment;
            if (c) {
                std::size_t start = 0;
                for (std::size_t i = 0; i <= text.size(); ++i)
                    if (i == text.size() || text[i] == u'\r') {
                        c->Text.push_back(text.substr(start, i - start));
                        start = i + 1;
                    }
            }
            break;
        }
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
}

// ---- Properties ----

void TRtfParser::CharProp(TRtfAction a, std::int32_t v)
{
    TState& s = Cur();
    if (s.Class != dcText && s.Class != dcFonts && s.Class != dcStyles && s.Class != dcString)
        return;
    if (s.Class == dcStyles && a == rtfpCharStyle) {
        FStyleEntry.Kind = rtfpCharStyle;
        FStyleEntry.Number = v;
        return;
    }
    if (s.Class == dcFonts) {
        if (a == rtfpFont) {
            FlushText();
            FFontEntry = v;
            FFonts[v] = TFont();
        }
        return;
    }
    if (s.Class == dcText)
        FlushText();
    TCharState& c = s.Chp;
    const bool on = v != 0;
    switch (a) {
    case rtfpBold: c.Bold = on; break;
    case rtfpItalic: c.Italic = on; break;
    case rtfpStrike: c.Strike = on; break;
    case rtfpHidden: c.Hidden = on; break;
    case rtfpCaps: c.Caps = on; break;
    case rtfpSmallCaps: c.SmallCaps = on; break;
    case rtfpOutline: c.Outline = on; break;
    case rtfpShadow: c.Shadow = on; break;
    case rtfpEmboss: c.Emboss = on; break;
    case rtfpEngrave: c.Engrave = on; break;
    case rtfpRtl: c.Rtl = on; break;
    case rtfpUnderline: c.Underline = static_cast<std::uint8_t>(v >= 0 && v <= vycuWavyDouble ? v : vycuSingle); break;
    case rtfpUnderlineColor: c.UnderlineColor = v; break;
    case rtfpColor: c.Color = v; break;
    case rtfpFill: c.Fill = v; break;
    case rtfpScript: c.Script = static_cast<std::uint8_t>(std::clamp(v, 0, 2)); break;
    case rtfpFontSize: c.Size = std::clamp(v, 0, 3276); break;
    case rtfpFont: c.Font = v; break;
    case rtfpCharStyle: c.Style = v; break;
    case rtfpPlain: {
        c = TCharState();
        break;
    }
    case rtfpCharBorder:
        c.Border = true;
        FCharBorder = TBorderDef();
        FCharBorder.Style = stbSingle;
        FBorderTarget = btChar;
        break;
    default:
        break;
    }
}

void TRtfParser::ParaProp(TRtfAction a, std::int32_t v)
{
    TState& s = Cur();
    // Style sheet entries collect paragraph formats for \sN.
    if (s.Class != dcText && s.Class != dcStyles) {
        // In the list override table \ls numbers the override being read.
        if (a == rtfpList && s.Dest == rtfdListTable && FInOverride)
            FOverrides[v] = FOverrideId;
        return;
    }
    if (s.Class == dcStyles && FStyleEntry.Words.size() < cMaxStyleWords)
        FStyleEntry.Words.push_back({a, v});
    ApplyPara(s.Pap, a, v);
}

void TRtfParser::ApplyPara(TParaState& p, TRtfAction a, std::int32_t v)
{
    switch (a) {
    case rtfpPard: {
        FlushText();
        p = TParaState();
        FBorderTarget = btNone;
        break;
    }
    case rtfpAlign: p.Align = std::clamp(v, 0, 3); break;
    case rtfpIndentLeft: p.Left = ClampTwips(v); break;
    case rtfpIndentRight: p.Right = ClampTwips(v); break;
    case rtfpIndentFirst: p.First = ClampTwips(v); break;
    case rtfpSpaceBefore: p.Before = ClampTwips(v); break;
    case rtfpSpaceAfter: p.After = ClampTwips(v); break;
    case rtfpLineSpacing: p.LineSpacing = ClampTwips(v); break;
    case rtfpLineMult: p.LineMult = v != 0; break;
    case rtfpParaColor: p.Shade = v; break;
    case rtfpKeepNext: p.KeepNext = v != 0; break;
    case rtfpKeepLines: p.KeepLines = v != 0; break;
    case rtfpWidowControl: p.Widow = v != 0 ? 1 : 0; break;
    case rtfpOutlineLevel: p.Outline = std::clamp(v, 0, 9); break;
    case rtfpTabPos:
        if (static_cast<int>(p.Tabs.size()) < cMaxTabs && v >= 0)
            p.Tabs.push_back({ClampTwips(v), p.TabAlign, p.TabLeader});
        p.TabAlign = atsaLeft;
        p.TabLeader = atslNone;
        break;
    case rtfpTabAlign: p.TabAlign = static_cast<std::uint8_t>(v); break;
    case rtfpTabLeader: p.TabLeader = static_cast<std::uint8_t>(v); break;
    case rtfpParaBorder:
        p.Borders[static_cast<std::size_t>(v & 3)] = TBorderDef();
        p.Borders[static_cast<std::size_t>(v & 3)].Style = stbSingle;
        FBorderTarget = btPara;
        FBorderSide = v & 3;
        break;
    case rtfpBorderStyle:
        if (TBorderDef* b = CurrentBorder(p))
            b->Style = v;
        break;
    case rtfpBorderWidth:
        if (TBorderDef* b = CurrentBorder(p))
            b->Width = std::clamp(v, 0, 20 * 100);
        break;
    case rtfpBorderColor:
        if (TBorderDef* b = CurrentBorder(p))
            b->Color = v;
        break;
    case rtfpBorderSpace:
        if (TBorderDef* b = CurrentBorder(p))
            b->Space = std::clamp(v, 0, 20 * 100);
        break;
    case rtfpInTable:
        FlushText();
        p.InTable = true;
        break;
    case rtfpTableLevel:
        FlushText();
        p.Itap = std::clamp(v, 0, cMaxTableDepth);
        p.InTable = p.Itap > 0;
        break;
    case rtfpList: p.List = v; break;
    case rtfpListLevel: p.Level = std::clamp(v, 0, 8); break;
    default:
        break;
    }
}

TBorderDef* TRtfParser::CurrentBorder(TParaState& p)
{
    switch (FBorderTarget) {
    case btPara:
        return &p.Borders[static_cast<std::size_t>(FBorderSide)];
    case btCell:
        if (static_cast<int>(FRowDefs.size()) > FRowDefLevel)
            return &FRowDefs[static_cast<std::size_t>(FRowDefLevel)].Pending.Borders[static_cast<std::size_t>(FBorderSide)];
        return nullptr;
    case btChar:
        return &FCharBorder;
    case btNone:
        break;
    }
    return nullptr;
}

void TRtfParser::OtherProp(TRtfAction a, std::int32_t v)
{
    TState& s = Cur();
    auto rowDef = [&]() -> TRowDef& {
        if (static_cast<int>(FRowDefs.size()) <= FRowDefLevel)
            FRowDefs.resize(static_cast<std::size_t>(FRowDefLevel) + 1);
        return FRowDefs[static_cast<std::size_t>(FRowDefLevel)];
    };
    switch (a) {
    // Frames.
    case rtfpFrameW: case rtfpFrameH: case rtfpFrameX: case rtfpFrameNegX: case rtfpFrameY: case rtfpFrameNegY:
    case rtfpFrameHAnchor: case rtfpFrameVAnchor: case rtfpFrameSpace: {
        TParaState& p = s.Pap;
        p.HasFrame = true;
        const std::int32_t t = ClampTwips(v);
        switch (a) {
        case rtfpFrameW: p.Frame.W = t; break;
        case rtfpFrameH: p.Frame.H = t; break;
        case rtfpFrameX: case rtfpFrameNegX: p.Frame.X = t; break;
        case rtfpFrameY: case rtfpFrameNegY: p.Frame.Y = t; break;
        case rtfpFrameHAnchor: p.Frame.HAnchor = v; break;
        case rtfpFrameVAnchor: p.Frame.VAnchor = v; break;
        default: p.Frame.HSpace = p.Frame.VSpace = t; break;
        }
        break;
    }
    // Tables.
    case rtfpRowDefaults:
        FRowDefLevel = s.NestProps ? std::max(2, s.Pap.Itap) : 1;
        FRowDefLevel = std::min(FRowDefLevel, cMaxTableDepth);
        rowDef() = TRowDef();
        FBorderTarget = btNone;
        break;
    case rtfpCellX: {
        TRowDef& r = rowDef();
        if (static_cast<int>(r.Cells.size()) < cMaxCells) {
            r.Pending.X = ClampTwips(v);
            r.Cells.push_back(r.Pending);
        }
        r.Pending = TCellDef();
        FBorderTarget = btNone;
        break;
    }
    case rtfpRowHeight: rowDef().Height = ClampTwips(v); break;
    case rtfpCellBorder:
        rowDef().Pending.Borders[static_cast<std::size_t>(v & 3)] = TBorderDef();
        rowDef().Pending.Borders[static_cast<std::size_t>(v & 3)].Style = stbSingle;
        FBorderTarget = btCell;
        FBorderSide = v & 3;
        break;
    case rtfpCellColor: rowDef().Pending.Color = v; break;
    case rtfpCellMerge: rowDef().Pending.Merge = v; break;
    case rtfpCellHMerge: rowDef().Pending.HMerge = v; break;
    case rtfpCellVAlign: rowDef().Pending.VAlign = v; break;
    case rtfpRowBorder:
        FBorderTarget = btNone;  // row borders are not kept; their style words must not change another border
        break;
    case rtfpRowKeep: rowDef().Keep = v != 0; break;
    case rtfpRowHeader: rowDef().Header = v != 0; break;
    case rtfpRowKeepFollow: rowDef().KeepFollow = v != 0; break;
    case rtfpPaddingLeft: case rtfpPaddingTop: case rtfpPaddingRight: case rtfpPaddingBottom:
        rowDef().Padding[static_cast<std::size_t>(a - rtfpPaddingLeft)] = std::clamp(v, 0, 20 * 1000);
        break;
    // Sections and the document.
    case rtfpSectDefaults: {
        const bool title = FSection.TitlePg;
        FSection.Cols.Clear();
        FSection.TitlePg = title;
        FSectionSet = false;
        break;
    }
    case rtfpColumns:
        if (v > 1) {
            FSection.Cols.Clear();
            FSection.AddCols(std::min(v, 63), 36);
            FSectionSet = true;
        }
        break;
    case rtfpColumnSpace: break;
    case rtfpPaperWidth: case rtfpPaperHeight: case rtfpMarginLeft: case rtfpMarginRight: case rtfpMarginTop:
    case rtfpMarginBottom:
        if (FWhole && FImportSettings && s.Class == dcText && Target().Kind == tkBody && v > 0) {
            TVYXSEP& sep = FDoc.SEP();
            const double pt = Pt(v);
            switch (a) {
            case rtfpPaperWidth: sep.PageWidth = pt; break;
            case rtfpPaperHeight: sep.PageHeight = pt; break;
            case rtfpMarginLeft: sep.MargLeft = pt; break;
            case rtfpMarginRight: sep.MargRight = pt; break;
            case rtfpMarginTop: sep.MargTop = pt; break;
            default: sep.MargBottom = pt; break;
            }
        }
        break;
    case rtfpTitlePage:
        FSection.TitlePg = true;
        if (FWhole)
            FDoc.SEP().TitlePg = true;
        break;
    case rtfpLandscape: break;
    // Code pages and fonts.
    case rtfpAnsiCodePage:
        if (VYXCodePageSupported(v))
            FDocCodePage = v;
        break;
    case rtfpCharset: FDocCodePage = v; break;
    case rtfpDefaultFont: FDefaultFont = v; break;
    case rtfpFontCharset:
        if (s.Class == dcFonts)
            if (auto it = FFonts.find(FFontEntry); it != FFonts.end()) {
                const int cp = VYXCharsetToCodePage(v);
                // Charset 0 names Windows-1252; a document in another code page means that one.
                it->second.CodePage = v == 0 ? 0 : cp;
            }
        break;
    case rtfpFontCodePage:
        if (s.Class == dcFonts && VYXCodePageSupported(v))
            if (auto it = FFonts.find(FFontEntry); it != FFonts.end())
                it->second.CodePage = v;
        break;
    // Colour table.
    case rtfpRed: FRed = v & 0xFF, FColorGiven = true; break;
    case rtfpGreen: FGreen = v & 0xFF, FColorGiven = true; break;
    case rtfpBlue: FBlue = v & 0xFF, FColorGiven = true; break;
    // Style sheet.
    case rtfpBasedOn:
        if (s.Class == dcStyles)
            FStyleEntry.BasedOn = v;
        break;
    case rtfpParaStyle: case rtfpSectStyle: case rtfpTableStyle:
        if (s.Class == dcStyles) {
            FStyleEntry.Kind = a;
            FStyleEntry.Number = v;
        } else if (a == rtfpParaStyle && s.Class == dcText) {
            // The style's formats first; the paragraph's own keywords that follow override them.
            // Table placement and list membership belong to the paragraph, not the style.
            if (auto it = FParaStyles.find(v); it != FParaStyles.end()) {
                TParaState kept = std::move(s.Pap);
                s.Pap = it->second;
                s.Pap.InTable = kept.InTable;
                s.Pap.Itap = kept.Itap;
                if (kept.List != 0 || s.Pap.List == 0) {
                    s.Pap.List = kept.List;
                    s.Pap.Level = kept.Level;
                }
                if (kept.HasFrame) {
                    s.Pap.HasFrame = true;
                    s.Pap.Frame = kept.Frame;
                }
            }
        }
        break;
    // List table.
    case rtfpListBegin:
        if (s.Dest == rtfdListTable || s.Class == dcString) {
            FLists.emplace_back();
            FInOverride = false;
        }
        break;
    case rtfpListLevelBegin:
        if (!FLists.empty() && FLists.back().Nfc.size() < 9)
            FLists.back().Nfc.push_back(0);
        break;
    case rtfpLevelNfc:
        if (!FLists.empty() && !FLists.back().Nfc.empty())
            FLists.back().Nfc.back() = v;
        break;
    case rtfpListId:
        if (FInOverride)
            FOverrideId = v;
        else if (!FLists.empty())
            FLists.back().Id = v;
        break;
    case rtfpListOverrideBegin:
        FInOverride = true;
        FOverrideId = 0;
        break;
    // Pictures.
    case rtfpPictType:
        if (s.Class == dcPicture) {
            FPicture.Type = v;
            if (v == 5 && FPicture.Bytes.empty())
                FPicture.Bytes = PlaceableHeader();
        }
        break;
    case rtfpPicW: case rtfpPicH: case rtfpPicWGoal: case rtfpPicHGoal: case rtfpPicScaleX: case rtfpPicScaleY:
    case rtfpPicCrop:
        break;
    case rtfpShapeLeft: case rtfpShapeTop: case rtfpShapeRight: case rtfpShapeBottom: case rtfpShapeBx:
    case rtfpShapeBy: case rtfpShapeWrap: case rtfpShapeWrapSide: case rtfpShapeZ: case rtfpShapeBelow: {
        if (FShapes.empty() || (s.Dest != rtfdShapeInst && s.Dest != rtfdShape))
            break;
        TShape& shape = FShapes.back();
        switch (a) {
        case rtfpShapeLeft: shape.Left = ClampTwips(v); break;
        case rtfpShapeTop: shape.Top = ClampTwips(v); break;
        case rtfpShapeRight: shape.Right = ClampTwips(v); break;
        case rtfpShapeBottom: shape.Bottom = ClampTwips(v); break;
        case rtfpShapeBx:
            shape.BxIgnore = v == 3;
            if (v != 3)
                shape.Bx = v;
            break;
        case rtfpShapeBy:
            shape.ByIgnore = v == 3;
            if (v != 3)
                shape.By = v;
            break;
        case rtfpShapeWrap: shape.Wrap = v; break;
        case rtfpShapeWrapSide: shape.WrapSide = v; break;
        case rtfpShapeZ: shape.Z = v; break;
        default: shape.Below = v != 0; break;
        }
        break;
    }
    case rtfpEndnote: s.Endnote = true; break;
    case rtfpRevised: case rtfpDeleted: case rtfpRevAuthor: case rtfpRevAuthorDel: case rtfpRevDate: case rtfpRevDateDel:
        if (s.Class != dcText)
            break;
        FlushText();
        if (a == rtfpRevised)
            s.Chp.Revised = v != 0;
        else if (a == rtfpDeleted)
            s.Chp.Deleted = v != 0;
        else if (a == rtfpRevAuthor || a == rtfpRevAuthorDel)
            s.Chp.RevAuthor = v;
        else
            s.Chp.RevDate = v;
        break;
    case rtfpLegacyList:
        if (s.Dest == rtfdLegacyList)
            FLegacyNfc = v;
        break;
    case rtfpDataField:
        if (!FFields.empty())
            FFields.back().DataField = true;
        break;
    default:
        break;
    }
}

void TRtfParser::Special(TRtfAction a, bool hasParam, std::int32_t v)
{
    TState& s = Cur();
    switch (a) {
    case rtfsSkipDest:
        s.SkipUnknown = true;
        return;
    case rtfsBin: {
        FlushText();
        const std::size_t n = v > 0 ? static_cast<std::size_t>(v) : 0;
        const std::size_t take = std::min(n, FIn.size() - FPos);
        if (s.Class == dcPicture)
            FPicture.Bytes.append(FIn.substr(FPos, take));
        FPos += take;
        return;
    }
    case rtfsUnicodeSkip:
        s.Uc = std::clamp(v, 0, cMaxUnicodeSkip);
        return;
    case rtfsUnicode: {
        if (s.Class == dcIgnore || s.Class == dcPicture)
            return;
        if (!hasParam)
            return;
        PutChar(static_cast<char16_t>(v < 0 ? 65536 + v : v));
        FSkip = s.Uc;
        return;
    }
    case rtfsHex:
        return;
    default:
        break;
    }
    if (s.Class == dcString && (a == rtfsPar || a == rtfsLine)) {
        PutChar(u'\r');
        return;
    }
    if (s.Class == dcString && a == rtfsTab) {
        PutChar(u'\t');
        return;
    }
    if (s.Class != dcText)
        return;
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    FlushText();
    switch (a) {
    case rtfsPar:
        EndPara();
        break;
    case rtfsSect:
        EndPara();
        if (Target().Kind == tkBody && FWhole && FDoc.DocType() == aldtMain) {
            // The paragraph just ended closes the section.
            if (TVYXLogPara* last = Target().Para)
                if (last->Paras() == Target().Paras)
                    last->AddSEP()->Assign(FSection);
        }
        break;
    case rtfsLine:
        AddBreak(acrbtLineBreak);
        break;
    case rtfsPage:
        AddBreak(acrbtPageBreak);
        break;
    case rtfsColumn:
        AddBreak(acrbtColumn);
        break;
    case rtfsTab: {
        TVYXLogPara* para = CurrentPara();
        if (para)
            para->CharRuns().AddTab(&RunFormat());
        break;
    }
    case rtfsCell:
        EndCell();
        break;
    case rtfsRow:
        EndRow(false);
        break;
    case rtfsNestRow:
        EndRow(true);
        break;
    case rtfsNoteMark:
        NoteMark();
        break;
    default:
        break;
    }
}

// ---- Model building ----

TVYXColor TRtfParser::ColorAt(std::int32_t index) const
{
    if (index < 0 || index >= static_cast<std::int32_t>(FColors.size()))
        return cVYXAutoColor;
    return FColors[static_cast<std::size_t>(index)];
}

const TVYXCHPX& TRtfParser::RunFormat()
{
    const TCharState& c = Cur().Chp;
    if (FRunFormat && c == FRunFormatOf && !c.Border)
        return *FRunFormat;
    auto chpx = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
    if (c.Bold) chpx->SetBold(true);
    if (c.Italic) chpx->SetItalic(true);
    if (c.Strike) chpx->SetStrikeThrough(true);
    if (c.Hidden) chpx->SetHidden(true);
    if (c.Caps) chpx->SetAllCaps(true);
    if (c.SmallCaps) chpx->SetSmallCaps(true);
    if (c.Outline) chpx->SetOutline(true);
    if (c.Shadow) chpx->SetShadow(true);
    if (c.Emboss) chpx->SetEmboss(true);
    if (c.Engrave) chpx->SetEngrave(true);
    if (c.Rtl) chpx->SetRTL(true);
    if (c.Underline != vycuNone)
        chpx->SetUnderline(static_cast<TVYXChpUnderline>(c.Underline));
    if (c.Script != vycssNone)
        chpx->SetSubSuperscript(static_cast<TVYXChpSubSuperscript>(c.Script));
    if (const TVYXColor col = ColorAt(c.Color); col != cVYXAutoColor)
        chpx->SetColor(col);
    if (const TVYXColor col = ColorAt(c.UnderlineColor); col != cVYXAutoColor)
        chpx->SetUnderlineColor(col);
    if (const TVYXColor col = ColorAt(c.Fill); col != cVYXAutoColor)
        chpx->SetFillColor(col);
    if (c.Size > 0 && std::abs(c.Size / 2.0 - FDoc.GetMasterCHP().Size) > 0.001)
        chpx->SetSize(c.Size / 2.0);
    const std::int32_t font = c.Font >= 0 ? c.Font : FDefaultFont;
    if (font >= 0)
        if (auto it = FFonts.find(font);
            it != FFonts.end() && !it->second.Name.empty() && it->second.Name != FDoc.GetMasterCHP().FontName)
            chpx->SetFontName(it->second.Name);
    if (c.Style >= 0)
        if (auto it = FCharStyles.find(c.Style); it != FCharStyles.end())
            chpx->SetStyle(it->second);
    if (c.Border && FCharBorder.Style > stbNone) {
        TVYXDocPropBorder* b = chpx->AddBorder();
        b->SetVals(FCharBorder.Width / 20.0, ColorAt(FCharBorder.Color) == cVYXAutoColor ? 0 : ColorAt(FCharBorder.Color),
                   stbSingle, FCharBorder.Space / 20.0);
    }
    FRunFormat = std::move(chpx);
    FRunFormatOf = c;
    return *FRunFormat;
}

TVYXLogParas* TRtfParser::Container(TTarget& t)
{
    if (!t.Paras)
        MakeNote();
    if (!t.Paras)
        return nullptr;
    const TParaState& p = Cur().Pap;
    EnsureTableDepth(t, p.InTable ? std::max(1, p.Itap) : 0);
    if (t.Tables.empty())
        return t.Paras;
    return &EnsureCell(t.Tables.back())->Paras();
}

void TRtfParser::EnsureTableDepth(TTarget& t, int depth)
{
    depth = std::clamp(depth, 0, cMaxTableDepth);
    while (static_cast<int>(t.Tables.size()) > depth)
        t.Tables.pop_back();
    while (static_cast<int>(t.Tables.size()) < depth) {
        // Past the budget, text that asks for a deeper table stays at the depth reached.
        if (FTableCount >= cMaxTables && !t.Tables.empty())
            break;
        ++FTableCount;
        TVYXLogParas* into = t.Tables.empty() ? t.Paras : &EnsureCell(t.Tables.back())->Paras();
        TTableLevel level;
        // A table first in a new cell goes before the cell's empty paragraph.
        const bool fresh = into->Cell() && into->Count() == 1 && into->ParaAtIndex(0) &&
                           into->ParaAtIndex(0)->TextLength() == 0 && into->ParaAtIndex(0)->Count() <= 1;
        level.Table = fresh ? into->InsertTable(0) : into->AddTable();
        t.Tables.push_back(level);
    }
}

TVYXTableCell* TRtfParser::EnsureCell(TTableLevel& level)
{
    if (!level.Row)
        level.Row = level.Table->Add();
    if (!level.Cell) {
        // Rows have at most cMaxCells cells: surplus cells' text joins the last one.
        level.Cell = level.Row->Count() < cMaxCells ? level.Row->Add() : level.Row->Last();
    }
    return level.Cell;
}

TVYXLogPara* TRtfParser::CurrentPara()
{
    TTarget& t = Target();
    TVYXLogParas* into = Container(t);
    if (!into)
        return nullptr;
    if (t.Para && !t.ParaEnded && t.Para->Paras() == into && into->Last() == t.Para)
        return t.Para;
    // A new cell comes with one empty paragraph, and a nested table is followed by
    // one: the cell's text continues there.
    TVYXLogPara* para = nullptr;
    if (into->Cell() && into->Last() && into->Last()->IsPara() && t.Para != into->Last() &&
        (into->Count() == 1 || into->GetItems(into->Count() - 2)->IsTable()))
        if (TVYXLogPara* last = static_cast<TVYXLogPara*>(into->Last()); last->TextLength() == 0 && last->Count() <= 1)
            para = last;
    if (!para)
        para = into->AppendPara();
    // A new paragraph copies its predecessor's format (as after Enter); RTF states every format itself.
    para->PAPX().Clear();
    if (TVYXCharRun* first = para->CRFirst(); first && first->Text().empty())
        first->DeleteCHPX();
    t.Para = para;
    t.ParaEnded = false;
    ApplyParaProps(*para);
    return para;
}

void TRtfParser::ApplyParaProps(TVYXLogPara& para)
{
    const TParaState& p = Cur().Pap;
    TVYXPAPX& x = para.PAPX();
    if (p.Align >= 0)
        x.SetAlignment(static_cast<TVYXPapTextAlign>(p.Align));
    if (p.Left != 0)
        x.SetIndentLeft(Pt(p.Left));
    if (p.Right != 0)
        x.SetIndentRight(Pt(p.Right));
    if (p.First > 0)
        x.SetIndentFirstLine(Pt(p.First));
    else if (p.First < 0)
        x.SetIndentHanging(Pt(-p.First));
    if (p.Before != 0)
        x.SetSpaceBefore(Pt(p.Before));
    if (p.After != 0)
        x.SetSpaceAfter(Pt(p.After));
    if (p.LineSpacing != 0) {
        // A multiple counts in 240ths of a line; exact and at-least heights are twips,
        // which the model keeps in points.
        const bool multiple = p.LineSpacing > 0 && p.LineMult;
        x.SetLineSpacing(std::abs(p.LineSpacing) / (multiple ? 240.0 : 20.0));
        x.SetLineSpacingType(p.LineSpacing < 0 ? aplstExactly : (multiple ? aplstMultiple : aplstAtLeast));
    }
    if (const TVYXColor c = ColorAt(p.Shade); c != cVYXAutoColor)
        x.SetColor(c);
    if (p.KeepNext)
        x.SetKeepNext(true);
    if (p.KeepLines)
        x.SetKeepLines(true);
    if (p.Widow >= 0)
        x.SetWidowControl(p.Widow == 1);
    if (p.Outline >= 0)
        x.SetOutlineLevel(p.Outline);
    if (!p.Tabs.empty()) {
        TVYXTabStops* tabs = x.AddTabStops();
        tabs->Clear();
        for (const TTabDef& tab : p.Tabs)
            tabs->Add(Pt(tab.Pos), static_cast<TVYXTabStopAlignment>(tab.Align), static_cast<TVYXTabStopLeader>(tab.Leader));
    }
    for (int side = 0; side < 4; ++side) {
        const TBorderDef& b = p.Borders[static_cast<std::size_t>(side)];
        if (b.Style < 0)
            continue;
        TVYXDocPropBorder* border = nullptr;
        switch (side) {
        case 0: border = x.AddBorderLeft(); break;
        case 1: border = x.AddBorderTop(); break;
        case 2: border = x.AddBorderRight(); break;
        default: border = x.AddBorderBottom(); break;
        }
        const TVYXColor c = ColorAt(b.Color);
        border->SetVals(b.Width / 20.0, c == cVYXAutoColor ? 0 : c, static_cast<TST_Border>(b.Style <= 1 ? stbNone : b.Style),
                        b.Space / 20.0);
    }
    if (p.HasFrame && !para.Frame)
        para.Frame = std::make_unique<TVYXParaFrame>(p.Frame);
    // Lists: each \ls starts one list the first time it is used.
    // Old-style "\pn" paragraphs share one bullet list and one numbered list.
    const std::int32_t listKey = p.List > 0 ? p.List : (p.LegacyNfc < 0 ? 0 : (p.LegacyNfc == 23 ? -1 : -2));
    if (listKey != 0 && !x.GetNumbering()) {
        auto it = FListStarts.find(listKey);
        if (it == FListStarts.end()) {
            std::int32_t nfc = p.List > 0 ? 23 : p.LegacyNfc;
            if (auto o = FOverrides.find(p.List); p.List > 0 && o != FOverrides.end())
                for (const TListDef& l : FLists)
                    if (l.Id == o->second && !l.Nfc.empty())
                        nfc = l.Nfc[std::min<std::size_t>(static_cast<std::size_t>(p.Level), l.Nfc.size() - 1)];
            const TVYXNumberingStyleType style = NfcToStyle(nfc);
            TVYXNumbering* first = style == anstBullet || style == anstNone ? para.BeginBullet() : para.BeginNumbering(style);
            if (first)
                it = FListStarts.emplace(listKey, first).first;
        }
        if (it != FListStarts.end() && it->second && it->second->NumList()) {
            if (TVYXNumbering* level = it->second->NumList()->GetItems(p.Level)) {
                x.SetNumbering(level);
                para.UseStyle(u"ListParagraph");
            }
        }
    }
}

void TRtfParser::EndPara()
{
    TVYXLogPara* para = CurrentPara();
    if (!para)
        return;
    ApplyParaProps(*para);
    Target().ParaEnded = true;
}

void TRtfParser::EndCell()
{
    TTarget& t = Target();
    TParaState& p = Cur().Pap;
    if (!p.InTable) {
        p.InTable = true;  // a \cell outside \intbl still closes a cell of the outer table
        if (p.Itap < 1)
            p.Itap = 1;
    }
    TVYXLogPara* para = CurrentPara();
    if (!para)
        return;
    ApplyParaProps(*para);
    t.ParaEnded = true;
    if (!t.Tables.empty())
        t.Tables.back().Cell = nullptr;
}

void TRtfParser::EndRow(bool nested)
{
    TTarget& t = Target();
    if (!t.Paras)
        return;
    const int depth = nested ? std::max(2, Cur().Pap.Itap) : 1;
    if (static_cast<int>(t.Tables.size()) < depth)
        return;  // no row of that level is open
    EnsureTableDepth(t, depth);
    TTableLevel& level = t.Tables.back();
    if (level.Row)
        ApplyRowDef(*level.Row, depth);
    level.Row = nullptr;
    level.Cell = nullptr;
    t.ParaEnded = true;
}

void TRtfParser::ApplyRowDef(TVYXTableRow& row, int level)
{
    if (level < 0 || level >= static_cast<int>(FRowDefs.size()))
        return;
    const TRowDef& def = FRowDefs[static_cast<std::size_t>(level)];
    const int n = std::min(static_cast<int>(def.Cells.size()), row.Count());
    std::int32_t prev = 0;
    for (int i = 0; i < n; ++i) {
        const TCellDef& d = def.Cells[static_cast<std::size_t>(i)];
        TVYXTableCell* cell = row.GetCells(i);
        if (d.X > prev) {
            cell->SetWidth(Pt(d.X - prev));
            cell->Props().WidthType = atwtPoints;
        }
        prev = d.X;
        if (const TVYXColor c = ColorAt(d.Color); d.Color >= 0 && c != cVYXAutoColor)
            cell->SetFillColor(c);
        for (int side = 0; side < 4; ++side) {
            const TBorderDef& b = d.Borders[static_cast<std::size_t>(side)];
            if (b.Style < 0)
                continue;
            TVYXDocPropBorder* border = cell->Props().Borders.AddSide(static_cast<TVYXBorderSide>(side));
            const TVYXColor c = ColorAt(b.Color);
            border->SetVals(b.Width / 20.0, c == cVYXAutoColor ? 0 : c,
                            static_cast<TST_Border>(b.Style <= 1 ? stbNone : b.Style), b.Space / 20.0);
        }
        if (d.Merge == 1)
            cell->SetMergedRoot(true);
        else if (d.Merge == 2)
            cell->SetMerged(true);
        cell->AlignVert = static_cast<TVYXTableCellAlignVert>(std::clamp(d.VAlign, 0, 2));
    }
    // Horizontal merges last, once every cell has its width: each run of \clmrg cells
    // joins the cell before it (a stray \clmrg at the start has nothing to join).
    for (int last = n - 1; last > 0; --last) {
        if (def.Cells[static_cast<std::size_t>(last)].HMerge != 2)
            continue;
        int first = last;
        while (first > 0 && def.Cells[static_cast<std::size_t>(first)].HMerge == 2)
            --first;
        // One cell at a time from the left, so the contents keep their order; the merged
        // cells' paragraphs go away, so the paragraph the reader holds may be gone too.
        for (int k = first; k < last; ++k)
            row.MergeCells(first, first + 1);
        Target().Para = nullptr;
        last = first;
    }
    if (def.Height != 0)
        row.Height = std::abs(def.Height) / 20.0;
    row.CantSplit = def.Keep;
    row.RptData = def.Header;
    // Keeping a row with the next is keeping its paragraphs with the next: layout knows that.
    if (def.KeepFollow)
        for (int i = 0; i < row.Count(); ++i) {
            TVYXLogParas& paras = row.GetCells(i)->Paras();
            for (int k = 0; k < paras.Count(); ++k)
                if (TVYXLogPara* para = paras.ParaAtIndex(k))
                    para->PAPX().SetKeepNext(true);
        }
    // Default cell margins belong to the table.
    if (TVYXTable* table = row.Table()) {
        TVYXTAPX& tapx = table->TAPX();
        if (def.Padding[0] >= 0)
            tapx.SetCellMargLeft(def.Padding[0] / 20.0);
        if (def.Padding[1] >= 0)
            tapx.SetCellMargTop(def.Padding[1] / 20.0);
        if (def.Padding[2] >= 0)
            tapx.SetCellMargRight(def.Padding[2] / 20.0);
        if (def.Padding[3] >= 0)
            tapx.SetCellMargBottom(def.Padding[3] / 20.0);
    }
}

void TRtfParser::AddText(std::u16string_view text)
{
    // A tab character (raw or \u9) is a tab, as \tab is.
    for (std::size_t tab = text.find(u'\t'); tab != std::u16string_view::npos; tab = text.find(u'\t')) {
        if (tab > 0)
            AddRunText(text.substr(0, tab));
        if (TVYXLogPara* para = CurrentPara())
            para->CharRuns().AddTab(&RunFormat());
        text.remove_prefix(tab + 1);
    }
    if (!text.empty())
        AddRunText(text);
}

void TRtfParser::AddRunText(std::u16string_view text)
{
    TVYXLogPara* para = CurrentPara();
    if (!para)
        return;
    const TVYXCHPX& format = RunFormat();
    TVYXCharRun* run = nullptr;
    if (FFields.size() > Target().FieldBase && FFields.back().InResult) {
        TField& f = FFields.back();
        if (f.Mode == fmHyperlink && f.Link) {
            run = para->CharRuns().AddHyperlink(f.Link, text, &format);
            if (!f.FirstRun) {
                f.FirstRun = run;
                static_cast<TVYXCharRunHyperlink*>(run)->HLinkFirst = true;
            }
            f.LastRun = run;
        } else if (f.Mode == fmSimple && !f.SimpleDone) {
            f.SimpleDone = true;
            run = para->CharRuns().AddSimpleField(CreateSimpleField(f.Instr), text, &format);
        }
    }
    if (!run)
        run = para->AppendFormattedText(text, &format);
    const TCharState& c = Cur().Chp;
    if (c.Revised || c.Deleted) {
        auto data = std::make_unique<TVYXRevisionData>();
        data->RevType = c.Deleted ? artDelete : artInsert;
        data->Id = c.RevAuthor;
        if (c.RevAuthor >= 0 && c.RevAuthor < static_cast<std::int32_t>(FRevAuthors.size()))
            data->Author = FRevAuthors[static_cast<std::size_t>(c.RevAuthor)];
        data->Date = DttmToDate(c.RevDate);
        run->AddRevision(std::move(data));
    }
}

void TRtfParser::AddBreak(TVYXCharRunBreakType type)
{
    if (TVYXLogPara* para = CurrentPara())
        para->CharRuns().AddBreak(type, &RunFormat());
}

void TRtfParser::EndPicture()
{
    TPicture pict = std::move(FPicture);
    FPicture = {};
    const bool forShape = FPictureForShape;
    FPictureForShape = false;
    if (pict.Bytes.empty() || (pict.Type == 5 && pict.Bytes.size() <= 22))
        return;
    if (forShape) {
        // The picture store sizes a placeable metafile by its bounding box, which the
        // header made here leaves empty: it takes the bare metafile (the shape gives the size).
        if (pict.Type == 5)
            pict.Bytes.erase(0, 22);
        if (!FShapes.empty())
            FShapes.back().Picture = std::move(pict.Bytes);
        return;
    }
    auto run = std::make_unique<TVYXCharRunPicture>();
    try {
        run->LoadPicture(pict.Bytes);
    } catch (const VYXException&) {
        if (TVYXErrorManager* errors = FDoc.Errors())
            errors->Warning("RTF picture could not be decoded", 3301);
        return;
    }
    if (TVYXLogPara* para = CurrentPara()) {
        run->SetCHPX(&RunFormat());
        para->CharRuns().Add(std::move(run));
    }
}


// The model object of a shape, anchored to the current paragraph: a picture for a
// pib, a text box for \shptxt, else a preset shape. False when the shape gives no
// box or names nothing the model draws.
bool TRtfParser::MakeShape(TShape& shape, bool textBox)
{
    if (shape.Object)
        return true;
    if (shape.Right <= shape.Left || shape.Bottom <= shape.Top)
        return false;
    const std::int64_t type = PropInt(shape, "shapeType", shape.Picture.empty() ? (textBox ? 202 : 1) : 75);
    TVYXLogPara* anchor = CurrentPara();
    if (!anchor)
        return false;
    const double w = std::clamp(Pt(shape.Right - shape.Left), 0.05, 10000.0);
    const double h = std::clamp(Pt(shape.Bottom - shape.Top), 0.05, 10000.0);
    TVYXGraphicObjList& list = anchor->AddGraphics();
    const std::string_view preset = VYXRtfShapePreset(static_cast<int>(type));
    if (textBox) {
        TVYXGraphicRotate* box = anchor->AddTextBox(w, h);
        if (!box)
            return false;
        if (auto* sh = dynamic_cast<TVYXGraphicShape*>(box); sh && list.ShapeTypes && !preset.empty() && preset != "rect") {
            TVYXShapeType* st = list.ShapeTypes->Find(preset);
            if (!st)
                st = list.ShapeTypes->Add(preset);
            if (st)
                sh->SetShapeType(st);
        }
        shape.Object = box;
        return true;
    }
    if (!shape.Picture.empty()) {
        TVYXPicture* picture = nullptr;
        try {
            auto stream = TVYXMemoryStream::View(shape.Picture);
            picture = &FDoc.Pictures().AddPicture(stream);
        } catch (const VYXException&) {
            if (TVYXErrorManager* errors = FDoc.Errors())
                errors->Warning("RTF picture could not be decoded", 3301);
            return false;
        }
        auto object = std::make_unique<TVYXGraphicPicture>(picture);
        object->Width = w;
        object->Height = h;
        shape.Object = &anchor->AddGraphic(std::move(object));
        return true;
    }
    if (preset.empty() || !list.ShapeTypes || type == 75 || type == 202)
        return false;  // a picture frame without its picture, a text box without text: the fallback says more
    TVYXShapeType* st = list.ShapeTypes->Find(preset);
    if (!st)
        st = list.ShapeTypes->Add(preset);
    if (!st)
        return false;
    auto object = std::make_unique<TVYXGraphicShape>(st);
    object->Width = w;
    object->Height = h;
    shape.Object = &anchor->AddGraphic(std::move(object));
    return true;
}

// Place, wrapping, order and looks, from the \shp... words and the {\sp} properties.
void TRtfParser::ApplyShape(TShape& shape)
{
    TVYXGraphicObj& o = *shape.Object;
    o.PosLeft = Pt(shape.Left);
    o.PosTop = Pt(shape.Top);
    o.Width = std::clamp(Pt(shape.Right - shape.Left), 0.05, 10000.0);
    o.Height = std::clamp(Pt(shape.Bottom - shape.Top), 0.05, 10000.0);
    static constexpr TVYXGrObjHorizPosRelative cRelH[] = {agohprMargin, agohprPage, agohprColumn, agohprCharacter};
    static constexpr TVYXGrObjVertPosRelative cRelV[] = {agovprMargin, agovprPage, agovprParagraph, agovprLine};
    const std::int64_t relH = shape.BxIgnore ? PropInt(shape, "posrelh", shape.Bx) : shape.Bx;
    const std::int64_t relV = shape.ByIgnore ? PropInt(shape, "posrelv", shape.By) : shape.By;
    o.HorizPosRel = cRelH[std::clamp<std::int64_t>(relH, 0, 3)];
    o.VertPosRel = cRelV[std::clamp<std::int64_t>(relV, 0, 3)];
    // posh / posv: 0 absolute, then left (top), centre, right (bottom), inside, outside.
    if (const std::int64_t posh = PropInt(shape, "posh", 0); posh > 0 && posh <= 5) {
        o.HorizPosType = agoptAlignment;
        o.HorizPos = static_cast<TVYXGrObjHorizPos>(posh);
    }
    if (const std::int64_t posv = PropInt(shape, "posv", 0); posv > 0 && posv <= 5) {
        o.VertPosType = agoptAlignment;
        o.VertPos = static_cast<TVYXGrObjVertPos>(posv);
    }
    // \shpwr: 1 above and below, 2 around, 3 none, 4 tight, 5 through; \shpwrk 3: the larger side.
    const bool below = shape.Below || PropInt(shape, "fBehindDocument", 0) != 0;
    switch (shape.Wrap) {
    case 1: o.Wrap = agowTopBottom; break;
    case 3: o.Wrap = below ? agowBehind : agowInFront; break;
    default: o.Wrap = shape.WrapSide == 3 ? agow_ParaRight : agow_ParaLeft; break;
    }
    o.ZIndex = shape.Z;
    o.OMargLeft = EmuPt(PropInt(shape, "dxWrapDistLeft", 114300));
    o.OMargTop = EmuPt(PropInt(shape, "dyWrapDistTop", 0));
    o.OMargRight = EmuPt(PropInt(shape, "dxWrapDistRight", 114300));
    o.OMargBottom = EmuPt(PropInt(shape, "dyWrapDistBottom", 0));
    for (const auto& [name, value] : shape.Props) {
        if (name == "wzName")
            o.Title = value;
        else if (name == "wzDescription")
            if (auto* sh = dynamic_cast<TVYXGraphicShape*>(&o))
                sh->Description = value;
    }
    if (auto* line = dynamic_cast<TVYXGraphicLine*>(&o)) {
        if (HasProp(shape, "lineColor"))
            line->StrokeColor = GetTColor(static_cast<TVYXColor>(PropInt(shape, "lineColor", 0) & 0xFFFFFF));
        if (HasProp(shape, "lineWidth"))
            line->StrokeWeight = std::clamp(EmuPt(PropInt(shape, "lineWidth", 9525)), 0.0, 100.0);
        if (HasProp(shape, "fLine"))
            line->Stroked = PropInt(shape, "fLine", 1) != 0;
    }
    if (auto* rot = dynamic_cast<TVYXGraphicRotate*>(&o)) {
        if (HasProp(shape, "fillColor"))
            rot->FillColor = GetTColor(static_cast<TVYXColor>(PropInt(shape, "fillColor", 0xFFFFFF) & 0xFFFFFF));
        if (HasProp(shape, "fFilled"))
            rot->Filled = PropInt(shape, "fFilled", 1) != 0;
        if (rot->TextBox) {
            TVYXGrTextBox& box = *rot->TextBox;
            box.MargLeft = EmuPt(PropInt(shape, "dxTextLeft", 91440));
            box.MargTop = EmuPt(PropInt(shape, "dyTextTop", 45720));
            box.MargRight = EmuPt(PropInt(shape, "dxTextRight", 91440));
            box.MargBottom = EmuPt(PropInt(shape, "dyTextBottom", 45720));
            const std::int64_t anchorText = PropInt(shape, "anchorText", 0);
            box.VertAlign = anchorText == 1 ? atbvaCenter : (anchorText == 2 ? atbvaBottom : atbvaTop);
        }
        // Degrees in 16.16 fixed point.
        if (const std::int64_t angle = PropInt(shape, "rotation", 0); angle != 0)
            rot->SetAngle(std::fmod(static_cast<double>(angle) / 65536.0, 360.0));
    }
    if (auto* pic = dynamic_cast<TVYXGraphicPicture*>(&o)) {
        pic->FlipX = PropInt(shape, "fFlipH", 0) != 0;
        pic->FlipY = PropInt(shape, "fFlipV", 0) != 0;
        // Crops are fractions of the image in 16.16 fixed point.
        auto crop = [&](const char* name) { return std::clamp(static_cast<double>(PropInt(shape, name, 0)) / 65536.0, -1.0, 1.0); };
        pic->CropLeft = crop("cropFromLeft");
        pic->CropTop = crop("cropFromTop");
        pic->CropRight = crop("cropFromRight");
        pic->CropBottom = crop("cropFromBottom");
    }
    o.Precalc();
}

void TRtfParser::BeginField()
{
    if (!FFields.empty() && !FFields.back().InResult)
        FFields.back().Nested = true;
    TField f;
    f.Depth = static_cast<int>(FStack.size());
    FFields.push_back(std::move(f));
}

void TRtfParser::FieldResult()
{
    TField& f = FFields.back();
    f.InResult = true;
    const std::u16string instr = Trim(f.Instr);
    std::size_t sp = instr.find(u' ');
    std::u16string word = instr.substr(0, sp);
    for (char16_t& c : word)
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - 32);
    const std::u16string arg = sp == std::u16string::npos ? std::u16string() : Trim(instr.substr(sp + 1));
    if (word == u"HYPERLINK" && !arg.empty()) {
        // HYPERLINK "url" [\l "bookmark"] [\o "tip"]: the address is the quoted argument
        // or the \l location.
        std::u16string url, location;
        std::size_t i = 0;
        while (i < arg.size()) {
            while (i < arg.size() && arg[i] == u' ')
                ++i;
            if (i >= arg.size())
                break;
            std::u16string token;
            bool quoted = arg[i] == u'"';
            if (quoted) {
                const std::size_t end = arg.find(u'"', i + 1);
                token = arg.substr(i + 1, (end == std::u16string::npos ? arg.size() : end) - i - 1);
                i = end == std::u16string::npos ? arg.size() : end + 1;
            } else {
                const std::size_t end = arg.find(u' ', i);
                token = arg.substr(i, (end == std::u16string::npos ? arg.size() : end) - i);
                i = end == std::u16string::npos ? arg.size() : end;
            }
            if (!quoted && (token == u"\\l" || token == u"\\o" || token == u"\\t" || token == u"\\m" || token == u"\\n")) {
                const bool isLocation = token == u"\\l";
                while (i < arg.size() && arg[i] == u' ')
                    ++i;
                std::u16string value;
                if (i < arg.size() && arg[i] == u'"') {
                    const std::size_t end = arg.find(u'"', i + 1);
                    value = arg.substr(i + 1, (end == std::u16string::npos ? arg.size() : end) - i - 1);
                    i = end == std::u16string::npos ? arg.size() : end + 1;
                } else {
                    const std::size_t end = arg.find(u' ', i);
                    value = arg.substr(i, (end == std::u16string::npos ? arg.size() : end) - i);
                    i = end == std::u16string::npos ? arg.size() : end;
                }
                if (isLocation)
                    location = value;
            } else if (url.empty() && !token.empty() && token[0] != u'\\')
                url = token;
        }
        if (!url.empty())
            f.Link = FDoc.Hyperlinks().Add(url, ahtURL);
        else if (!location.empty())
            f.Link = FDoc.Hyperlinks().Add(location, ahtBookmark);
        f.Mode = f.Link ? fmHyperlink : fmText;
        return;
    }
    // Fields the model evaluates itself become simple fields; the rest keep their result as text.
    f.Mode = !word.empty() && (word[0] == u'=' || VYXFieldKeywordType(word) != asftUnknown) ? fmSimple : fmText;
    if (f.Mode == fmText)
        BeginComplexField(f, true);
}

// Fields the model does not evaluate keep their instruction as a complex field around
// their result, so templates and documents written back keep them. Fields with fields
// nested in their instruction stay their result text.
void TRtfParser::BeginComplexField(TField& f, bool separate)
{
    TVYXLogPara* para = f.Nested || f.Instr.empty() ? nullptr : CurrentPara();
    if (!para)
        return;
    const TVYXCHPX& format = RunFormat();
    f.MarkFormat = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
    f.MarkFormat->Assign(format, nullptr);
    para->CharRuns().AddFldChar(acrfctBegin, &format);
    para->CharRuns().AddInstrText(f.Instr, &format);
    if (separate)
        para->CharRuns().AddFldChar(acrfctSeparate, &format);
    f.Complex = true;
}

void TRtfParser::EndField()
{
    if (FFields.empty())
        return;
    TField f = std::move(FFields.back());
    FFields.pop_back();
    if (f.Mode == fmHyperlink && f.LastRun)
        static_cast<TVYXCharRunHyperlink*>(f.LastRun)->HLinkLast = true;
    // A field without a result group that the model does not evaluate keeps its
    // instruction as a complex field.
    if (f.Mode == fmNone && !f.DataField) {
        const std::u16string instr = Trim(f.Instr);
        std::u16string word = instr.substr(0, instr.find(u' '));
        for (char16_t& c : word)
            if (c >= u'a' && c <= u'z')
                c = static_cast<char16_t>(c - 32);
        if (!word.empty() && word[0] != u'=' && VYXFieldKeywordType(word) == asftUnknown) {
            f.Instr = instr;
            BeginComplexField(f, false);
        }
    }
    // The end mark takes the begin mark's format: the field's group is closed by now.
    if (f.Complex && Target().Para && !Target().ParaEnded)
        Target().Para->CharRuns().AddFldChar(acrfctEnd, f.MarkFormat ? f.MarkFormat.get() : &RunFormat());
    // A field without a result still keeps its instruction.
    if (f.Mode == fmSimple && !f.SimpleDone && Target().Para && !Target().ParaEnded)
        Target().Para->CharRuns().AddSimpleField(CreateSimpleField(f.Instr), u"", &RunFormat());
}

void TRtfParser::MakeNote()
{
    TTarget& t = Target();
    if (t.Kind != tkNote || t.Paras || !t.Anchor)
        return;
    const bool endnote = Cur().Endnote;
    TVYXFootnotesList& list = endnote ? FDoc.EndnoteList() : FDoc.FootnoteList();
    TVYXLogDocEditor& notes = endnote ? FDoc.Endnotes() : FDoc.Footnotes();
    TVYXFootnoteItem* note = list.Add();
    TVYXCharRunFootnote* ref = t.Anchor->InsertFootnote(t.Anchor->EndOfParaPos(), note, endnote);
    // The body's mark carries the format of its \chftn (superscript, usually).
    if (ref && t.MarkFormat)
        ref->SetCHPX(t.MarkFormat.get());
    note->CharRun = ref;
    note->FNotePara = t.Anchor;
    TVYXLogPara* para = notes.Paras().AppendPara();
    t.NoteRef = para->InsertFootnoteRef(1, note, endnote);
    note->StartPara = note->EndPara = para;
    t.Note = note;
    t.Paras = &notes.Paras();
    t.Para = para;
    t.ParaEnded = false;
}

// \chftn: in the body it gives the format of the next note's reference, inside a note
// that of the note's own mark.
void TRtfParser::NoteMark()
{
    TTarget& t = Target();
    if (t.Kind == tkNote) {
        CurrentPara();  // makes the note and its mark
        if (t.NoteRef)
            t.NoteRef->SetCHPX(&RunFormat());
        return;
    }
    FNoteMark = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
    FNoteMark->Assign(RunFormat(), nullptr);
}

void TRtfParser::EndNote(TTarget& t)
{
    if (t.Kind != tkNote)
        return;
    if (!t.Paras)
        MakeNote();
    if (t.Note && t.Paras && t.Paras->Count() > 0)
        if (TVYXLogPara* last = t.Paras->ParaAtIndex(t.Paras->Count() - 1))
            t.Note->EndPara = last;
}

void TRtfParser::CloseTarget()
{
    if (FTargets.size() <= 1)
        return;
    EndNote(FTargets.back());
    FTargets.pop_back();
}

void TRtfParser::EndStyle()
{
    const std::u16string name = [&] {
        std::u16string n = Trim(FStyleEntry.Name);
        if (!n.empty() && n.back() == u';')
            n.pop_back();
        return n;
    }();
    if (!name.empty() && FStyleEntry.Kind == rtfpCharStyle && FWhole) {
        TVYXStyles& styles = FDoc.Styles();
        auto* style = dynamic_cast<TVYXCharStyle*>(styles.FindByName(name, astCharRun));
        if (!style)
            style = styles.AddChar(name);
        if (style)
            FCharStyles[FStyleEntry.Number] = style;
    }
    if (FStyleEntry.Kind == rtfpCharStyle && FStyleEntry.BasedOn >= 0 && FCharStyleBases.size() < 4096)
        FCharStyleBases[FStyleEntry.Number] = FStyleEntry.BasedOn;
    // The entry's paragraph words, replayed over its base's once the sheet is read
    // (bounded: the number comes from the file). An entry naming no kind is paragraph
    // style 0, the default.
    if (FStyleEntry.Kind == rtfpNone)
        FStyleEntry.Number = 0;
    if ((FStyleEntry.Kind == rtfpParaStyle || (FStyleEntry.Kind == rtfpNone && !name.empty())) &&
        (FParaStyleDefs.size() < 4096 || FParaStyleDefs.count(FStyleEntry.Number)))
        FParaStyleDefs[FStyleEntry.Number] = {FStyleEntry.BasedOn, std::move(FStyleEntry.Words)};
    FStyleEntry = {};
}

TParaState TRtfParser::ResolveParaStyle(std::int32_t number, int depth, std::unordered_map<std::int32_t, TParaState>& done)
{
    if (auto it = done.find(number); it != done.end())
        return it->second;
    const auto def = FParaStyleDefs.find(number);
    if (def == FParaStyleDefs.end())
        return TParaState();
    // Word processors write each style in full, leaving out only what equals the
    // format's defaults (a caption based on a 1.15-spaced style, itself single spaced,
    // gives no \sl). Such an entry always states its alignment; one that does not
    // is a list of differences and starts from its base's formats. A chain that loops
    // or runs too long starts from nothing where it is cut.
    const bool complete = std::any_of(def->second.Words.begin(), def->second.Words.end(),
                                      [](const TStyleWord& w) { return w.Action == rtfpAlign; });
    TParaState p = !complete && def->second.BasedOn >= 0 && def->second.BasedOn != number && depth < cMaxStyleChain
                       ? ResolveParaStyle(def->second.BasedOn, depth + 1, done)
                       : TParaState();
    const auto target = FBorderTarget;
    const int side = FBorderSide;
    FBorderTarget = btNone;
    for (const TStyleWord& w : def->second.Words) {
        if (w.Action == rtfpParaBorder || w.Action == rtfpPard)
            FBorderTarget = btNone;
        ApplyPara(p, w.Action, w.Value);
    }
    FBorderTarget = target;
    FBorderSide = side;
    done[number] = p;
    return p;
}

// After the style sheet: paragraph styles get their inherited formats, and the
// document's character styles their bases.
void TRtfParser::ResolveStyles()
{
    std::unordered_map<std::int32_t, TParaState> done;
    for (const auto& [number, def] : FParaStyleDefs)
        FParaStyles[number] = ResolveParaStyle(number, 0, done);
    for (const auto& [number, base] : FCharStyleBases) {
        const auto style = FCharStyles.find(number), parent = FCharStyles.find(base);
        if (style == FCharStyles.end() || parent == FCharStyles.end() || style->second == parent->second)
            continue;
        // No loops through the model's chain.
        bool loop = false;
        for (const TVYXStyle* s = parent->second; s && !loop; s = s->BasedOn)
            loop = s == style->second;
        if (!loop)
            style->second->BasedOn = parent->second;
    }
}

void TRtfParser::Finish()
{
    FlushText();
    while (FTargets.size() > 1)
        CloseTarget();
    // The last paragraph takes the properties in effect at the end.
    TTarget& t = FTargets.front();
    t.Tables.clear();
    // Pasted content whose last paragraph was ended brings that paragraph mark:
    // an empty paragraph after it takes the place of the inline rest.
    if (!FWhole && t.Para && t.ParaEnded && t.Paras && t.Paras->Last() == t.Para)
        t.Paras->AppendPara()->PAPX().Clear();
    for (auto& [name, bookmark] : FOpenBookmarks)
        if (t.Paras && t.Paras->Count() > 0)
            if (TVYXLogPara* last = t.Paras->_LastPara())
                last->EndBookmark(*bookmark);
    FOpenBookmarks.clear();
}

// A list that ends with a table gets an empty paragraph after it, at every depth.
void CloseTables(TVYXLogParas& paras, int depth)
{
    if (depth > cMaxTableDepth + 1)
        return;
    for (int i = 0; i < paras.Count(); ++i)
        if (TVYXTable* table = paras.GetItems(i)->IsTable() ? paras.GetTables(i) : nullptr) {
            for (int r = 0; r < table->Count(); ++r) {
                TVYXTableRow* row = table->GetRows(r);
                if (row->Count() == 0)
                    row->Add();
                for (int c = 0; c < row->Count(); ++c)
                    CloseTables(row->GetCells(c)->Paras(), depth + 1);
            }
            if (table->Count() == 0)
                table->Add()->Add();
        }
    if (paras.Count() > 0 && paras.Last()->IsTable())
        paras.AppendPara();
}

}  // namespace

TVYXReadRTF::TVYXReadRTF(TVYXLogDocEditor& doc) : FDoc(doc) {}
TVYXReadRTF::~TVYXReadRTF() = default;

std::string TVYXReadRTF::ReadFile(const std::string& fileName)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw VYXException("Cannot open file \"" + fileName + "\"");
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void TVYXReadRTF::LoadFromFile(const std::string& fileName) { LoadFromBytes(ReadFile(fileName)); }

void TVYXReadRTF::LoadFromFile(const std::string& fileName, TVYXLogParas& paras)
{
    LoadFromBytes(ReadFile(fileName), paras);
}

void TVYXReadRTF::LoadFromStream(TVYXStream& stream, TVYXLogParas& paras) { LoadFromBytes(stream.ReadAll(), paras); }

void TVYXReadRTF::LoadFromStream(TVYXStream& stream) { LoadFromBytes(stream.ReadAll()); }

void TVYXReadRTF::LoadFromBytes(std::string_view bytes) { Run(bytes, nullptr); }

void TVYXReadRTF::LoadFromBytes(std::string_view bytes, TVYXLogParas& paras) { Run(bytes, &paras); }

void TVYXReadRTF::Run(std::string_view bytes, TVYXLogParas* paras)
{
    TVYXEditorUpdate update(FDoc);
    const bool whole = paras == nullptr;
    if (whole) {
        FDoc.Clear();
        FDoc.Paras().Clear();
        // What RTF means when a file states nothing: 12 points, single spacing, no space after.
        FDoc.GetMasterCHP().Size = 12;
        FDoc.GetMasterPAP().SetDefault(true);
    }
    TVYXLogParas& target = whole ? FDoc.Paras() : *paras;
    TVYXRtfResult result = rtfOk;
    {
        TRtfParser parser(FDoc, target, whole, ImportDocumentSettings);
        if (!VYXLooksLikeRtf(bytes))
            result = rtfNotRtf;
        else
            result = parser.Parse(bytes);
        parser.Finish();
        FGenerator = parser.Generator;
    }
    // Whatever happened, the lists stay valid: tables closed, every list and cell holding a paragraph.
    auto tidy = [](TVYXLogParas& list) {
        CloseTables(list, 0);
        list.CombineCharRuns();
        list.Validate();
    };
    tidy(target);
    if (whole) {
        for (TVYXHeadersFooters* hf : {&FDoc.Headers(), &FDoc.Footers()})
            for (TVYXHeaderFooterType type : {ahftDefault, ahftFirst, ahftEven})
                if (TVYXLogDocEditor* editor = hf->Find(type))
                    tidy(editor->Paras());
        tidy(FDoc.Footnotes().Paras());
        tidy(FDoc.Endnotes().Paras());
        FDoc.FootnoteList().Reindex();
        FDoc.EndnoteList().Reindex();
    }
    if (result != rtfOk)
        throw VYXException("Error while reading RTF document (" + std::to_string(static_cast<int>(result)) + ")");
}
