// VYXReadRTFImpl.h: the RTF reader's group state, reader tables and parser class, for the
// reader's own source units (VYXReadRTF*.cpp). Nothing outside them includes it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXReadRTFTable.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXLogPara.h"
#include "model/VYXParaProps.h"
#include "platform/VYXCodePage.h"

class TVYXBookmark;
class TVYXCharStyle;
class TVYXComment;
class TVYXFootnoteItem;
class TVYXGraphicObj;
class TVYXHyperlink;
class TVYXLogParas;
class TVYXNumbering;
class TVYXTable;
class TVYXTableCell;
class TVYXTableRow;

// Named rather than anonymous: the parser is shared by several units.
namespace vyx_rtf {

// Limits that keep hostile input from exhausting the stack or memory.
inline constexpr int cMaxGroupDepth = 10000;   // "{" nesting (HTML converted to RTF nests thousands deep)
inline constexpr int cMaxTableDepth = 32;      // \itap
inline constexpr int cMaxCells = 1000;         // \cellx per row definition, cells per row
inline constexpr int cMaxTables = 20000;       // tables per read: each \itap step down makes one
inline constexpr int cMaxTabs = 64;            // tab stops per paragraph
inline constexpr int cMaxFieldDepth = 32;      // fields inside field results
inline constexpr int cMaxUnicodeSkip = 16;     // \ucN
inline constexpr int cMaxShapeDepth = 4;       // shapes inside text boxes
inline constexpr int cMaxShapeProps = 128;     // {\sp} properties kept per shape
inline constexpr int cMaxStyleWords = 256;     // paragraph keywords kept per style sheet entry
inline constexpr int cMaxStyleChain = 16;      // \sbasedon links followed
inline constexpr std::int32_t cMaxTwips = 31680 * 20;  // 22 inches and then some; larger lengths are clamped

inline std::int32_t ClampTwips(std::int32_t v) { return std::clamp(v, -cMaxTwips, cMaxTwips); }
inline double Pt(std::int32_t twips) { return ClampTwips(twips) / 20.0; }

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

// A {\sp} property of `shape` as an integer (the last value given wins); `fallback` when
// absent or not a number.
std::int64_t PropInt(const TShape& shape, std::string_view name, std::int64_t fallback);

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

// `s` without leading and trailing blanks, tabs and line ends.
std::u16string Trim(std::u16string_view s);

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

}  // namespace vyx_rtf
