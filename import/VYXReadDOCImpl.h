// VYXReadDOCImpl.h: the binary document importer's file structures and reader state, for the
// importer's own source units (VYXReadDOC*.cpp). Nothing outside them includes it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "import/VYXDOCStream.h"
#include "import/VYXReadDOC.h"
#include "model/VYXNumbering.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"

class TVYXBookmark;
class TVYXCHPX;
class TVYXComment;
class TVYXFootnoteItem;
class TVYXLogDocEditor;
class TVYXLogPara;
class TVYXLogParas;
class TVYXPAPX;
class TVYXSEP;
class TVYXStyle;
class TVYXTable;
class TVYXTableCell;
class TVYXTableRow;

// Named rather than anonymous: the reader's state below holds these types and is
// shared by several units.
namespace vyx_doc {

inline constexpr std::uint16_t cWordIdent = 0xA5EC;
inline constexpr std::uint16_t cWord6Ident = 0xA5DC;
inline constexpr std::uint16_t cFibEncrypted = 0x0100;
inline constexpr std::uint16_t cFibWhichTable = 0x0200;
inline constexpr std::uint16_t cFibFirstWord97 = 0xC0;
inline constexpr std::uint32_t cPageSize = 512;
// Nesting deeper than this is treated as this deep (tables and fields).
inline constexpr int cMaxTableDepth = 16;
inline constexpr std::size_t cMaxFieldDepth = 64;
// Limits that keep hostile files from building more than any real document holds.
inline constexpr std::size_t cMaxParagraphs = 1000000;
inline constexpr int cMaxCellsPerRow = 1000;
inline constexpr int cMaxNotes = 5000;
inline constexpr std::uint64_t cMaxInflated = 256u << 20;  // metafile bytes per document

// Indexes of the offset/length pairs used from the FIB's table of them.
enum TFcLcb {
    fclStshf = 1, fclPlcffndRef = 2, fclPlcffndTxt = 3, fclPlcfandRef = 4, fclPlcfandTxt = 5, fclPlcfSed = 6,
    fclPlcfHdd = 11, fclPlcfBteChpx = 12, fclDop = 31, fclPlcfBtePapx = 13, fclSttbfFfn = 15, fclSttbfBkmk = 21,
    fclPlcfBkf = 22, fclPlcfBkl = 23, fclClx = 33, fclGrpXstAtnOwners = 36, fclPlcSpaMom = 40, fclPlcSpaHdr = 41,
    fclSttbfAtnBkmk = 37, fclPlcfAtnBkf = 42, fclPlcfAtnBkl = 43, fclPlcfendRef = 46, fclPlcfendTxt = 47, fclDggInfo = 50, fclPlcftxbxTxt = 56, fclPlfLst = 73, fclPlfLfo = 74,
    fclCount = 93  // the pairs of the 97 format; later versions append more
};

// The stories, in the order their text follows one another (macro text is always empty
// since the 97 format, but keeps its place in the counts).
enum TStory { stMain, stFootnote, stHeader, stMacro, stComment, stEndnote, stTextBox, stHeaderTextBox, stCount };

struct TFib {
    std::uint16_t Ident = 0, Version = 0, Lid = 0, Flags = 0;
    bool Word6 = false;  // Word 6 or 95: one stream, 8-bit text, one-byte modifier codes
    std::uint32_t FcMin = 0, FcMac = 0;  // where a Word 6 file's text is when it has no piece table
    std::uint16_t CpnBteChpx = 0, CpnBtePapx = 0;  // property pages a Word 6 bin table may leave out
    std::uint32_t Ccp[stCount] = {};
    std::uint32_t Fc[fclCount] = {}, Lcb[fclCount] = {};
};

struct TPiece {
    std::uint32_t CpStart = 0, CpEnd = 0;
    std::uint32_t Fc = 0;  // byte offset in the WordDocument stream
    bool Compressed = false;
    std::uint16_t Prm = 0;
    std::string_view Mods;  // the modifiers its property names (a Prc list, or one of its own)
};

// A range of file offsets and the property modifiers that apply to it.
struct TPropRun {
    std::uint32_t FcStart = 0, FcEnd = 0;
    std::string_view Grpprl;  // into a stream's bytes, valid while the streams live
};

// Paragraph facts the structure depends on (tables, lists, style), gathered from a
// paragraph's modifiers before its formatting is applied.
struct TParaFacts {
    std::uint16_t Istd = 0;
    bool InTable = false, RowEnd = false, InnerCell = false, InnerRowEnd = false;
    int Itap = -1;  // -1: not given
    int Ilfo = 0, Ilvl = 0;
    int Depth() const { return Itap >= 0 ? std::min(Itap, cMaxTableDepth) : (InTable ? 1 : 0); }
};

void ScanParaFacts(std::string_view grpprl, TParaFacts& facts);

// One style of the style sheet as read: its own modifiers and what it derives from.
struct TDocStyle {
    std::u16string Name;
    int Kind = 0;  // 1 paragraph, 2 character, 3 table, 4 list
    std::uint16_t Base = 0x0FFF, Sti = 0;
    std::string_view Papx, Chpx;  // the paragraph list without the style index
    TVYXStyle* Model = nullptr;
    int State = 0;  // 0 unresolved, 1 resolving, 2 resolved
    int Ilfo = 0, Ilvl = 0;
};

struct TDocLevel {
    std::int32_t StartAt = 1;
    int Nfc = 0, Jc = 0, Follow = 0;
    std::string_view Papx, Chpx;
    std::u16string Text;
};

struct TDocList {
    std::uint32_t Lsid = 0;
    std::vector<TDocLevel> Levels;
    bool Created = false;
};

// A bookmark boundary at a character position.
struct TMarkEvent {
    std::uint32_t Cp = 0;
    bool Start = false;
    int Index = 0;
    bool Comment = false;  // the start of comment Index's range (its reference ends it)
};

// What the character modifiers of a run say beyond its format.
struct TRunInfo {
    std::unique_ptr<TVYXCHPX> Chpx;
    bool Special = false, Deleted = false, Inserted = false, Picture = false;
    std::uint32_t PicOffset = 0;
    std::uint16_t SymbolFont = 0;
    char16_t Symbol = 0;  // the character a symbol mark stands for, 0 for none
};

}  // namespace vyx_doc

using namespace vyx_doc;

struct TVYXReadDOC::TImpl {
    explicit TImpl(TVYXLogDocEditor& doc) : Doc(doc) {}
    TVYXLogDocEditor& Doc;
    std::unique_ptr<TVyMSWordStreams> Streams;
    TFib Fib;
    std::vector<TPiece> Pieces;
    std::vector<std::string_view> PrcGrpprls;  // property modifiers of pieces (Prc), by index
    std::u16string Text;
    std::vector<TPropRun> ChpxRuns, PapxRuns;
    std::vector<std::string> Unknown;
    // Modifier lists rewritten from the older form; the views above point into these.
    std::deque<std::string> Rewritten;
    int CodePage = cVYXCodePageAnsi;  // of 8-bit text
    bool ReadPictures = true;         // the reader's setting
    std::uint32_t StoryStart[stCount + 1] = {};
    std::vector<std::u16string> Fonts;
    std::vector<TDocStyle> Styles;
    std::uint16_t DefaultFont = 0;
    std::vector<TDocList> Lists;
    std::vector<std::uint32_t> LfoLsids;  // list of each list override (1-based in paragraphs)
    struct TLevelOverride {
        int Level = 0;
        bool HasStart = false;
        std::int32_t StartAt = 0;
        std::unique_ptr<TDocLevel> Format;  // a whole level in place of the list's
    };
    std::vector<std::vector<TLevelOverride>> LfoOverrides;  // per override
    std::vector<bool> LfoCreated;
    std::vector<std::uint32_t> SectionEnds;
    std::vector<std::uint32_t> SectionSepx;  // SEPX offset of each section (0xFFFFFFFF: none)
    std::vector<std::uint32_t> FtnRefs, FtnTxt, EdnRefs, EdnTxt, HddCps, AtnRefs, AtnTxt;
    struct TAtnAuthor {
        std::u16string Initials;
        std::uint16_t Author = 0;
        std::int32_t Tag = -1;  // names the annotation bookmark of its range; -1 for none
    };
    std::vector<TVYXComment*> OpenComments;  // per comment reference, while its range is open
    std::vector<TAtnAuthor> AtnInfo;         // per comment reference
    // Drawn objects anchored in the main text, and the text-box stories by shape id.
    struct TShape {
        std::uint32_t Cp = 0, Lid = 0;
        double Left = 0, Top = 0, Width = 0, Height = 0;  // points, from the anchor's reference
        std::uint16_t Flags = 0;  // reference frames, wrapping, behind the text, anchor lock
    };
    std::vector<TShape> Shapes;
    std::vector<std::uint32_t> TxbxCps, TxbxLids;
    // The drawing store: where each stored picture is, and each shape's picture (1-based).
    struct TStoredBlip {
        bool InDoc = false;       // in the WordDocument stream at Offset, else the table stream
        std::uint32_t Offset = 0;  // of the picture record's header
    };
    std::vector<TStoredBlip> Blips;
    std::map<std::uint32_t, std::uint32_t> ShapePictures;
    std::vector<std::u16string> AtnOwners;  // author names
    std::vector<std::u16string> BookmarkNames;
    std::vector<TMarkEvent> MarkEvents;
    std::vector<TVYXBookmark*> OpenMarks;
    std::size_t NextMark = 0;
    int SectionIndex = 0;
    std::size_t ParagraphCount = 0;
    int NoteCount = 0;
    std::uint64_t Inflated = 0;  // metafile bytes inflated so far

    void Load(std::string bytes);
    void ReadFib();
    void ReadWord6Fib();
    // Keeps an older modifier list rewritten in the later form; the view lives as long as this.
    std::string_view Rewrite(std::string_view grpprl);
    // The same for a paragraph's list, which starts with its two-byte style index.
    std::string_view RewritePapx(std::string_view papx);
    void ReadClx();
    void ReadText();
    void ReadBinTable(int which, bool papx);
    // The FC of a character position, and its piece's index; false outside the pieces.
    bool CpToFc(std::uint32_t cp, std::uint32_t& fc, int& piece) const;
    static const TPropRun* FindRun(const std::vector<TPropRun>& runs, std::uint32_t fc);
    std::string_view PieceGrpprl(int piece) const;
    // The paragraph modifiers in effect at the mark `cp`: page, then piece.
    void ParaGrpprls(std::uint32_t cp, std::string_view& page, std::string_view& piece) const;

    // Secondary tables: damage in one of them loses what it describes, not the text.
    template <class F>
    void Optional(F&& read)
    {
        try {
            read();
        } catch (const VYXException&) {
        }
    }
    void ReadFonts();
    void ReadStyles();
    void ResolveStyle(std::size_t istd, int depth);
    TDocLevel ReadLevel(std::uint32_t& pos);
    void ReadLists();
    void CreateListLevels(std::int32_t listId, const TDocList& list, const std::vector<TLevelOverride>* overrides);
    void ApplyWord6Numbering(TVYXPAPX& papx, int anm, std::string_view anld);
    std::vector<std::string> Word6Anlds;  // the numbering formats met in Word 6 paragraphs, by list
    void ReadSections();
    void ReadNotes();
    void SpreadWord6Headers();
    void ReadBookmarks();
    // The PLC at a FIB pair: its n + 1 positions (and n records of `recordSize` bytes after them).
    std::vector<std::uint32_t> ReadPlcCps(int which, std::uint32_t recordSize) const;
    void Unhandled(std::uint16_t code);

    // Building.
    struct TListState {
        TVYXLogParas* List = nullptr;
        bool Fresh = false;  // holds only the empty paragraph it was created with
    };
    struct TTableLevel {
        TVYXTable* Table = nullptr;
        TVYXTableRow* Row = nullptr;
        TVYXTableCell* Cell = nullptr;
        bool NeedRow = true, NeedCell = true;
        TListState CellList;
    };
    struct TField {
        std::u16string Instr;
        bool InResult = false;
        TVYXLogPara* ResultPara = nullptr;
        std::int32_t ResultFrom = 0;
    };
    struct TStoryState {
        TStory Story = stMain;
        std::vector<TField> Fields;
        const TVYXCHPX* StyleChpx = nullptr;  // the paragraph style's, for toggles
    };
    void BuildStory(std::uint32_t first, std::uint32_t lim, TListState body, TStory story);
    TVYXLogPara& NewPara(TListState& state);
    // The list a paragraph at table depth `depth` goes into, opening and closing tables
    // (and with `openCell` a row and cell) as needed.
    TListState& TargetList(std::vector<TTableLevel>& tables, int depth, TListState& body, bool openCell = true);
    // Returns whether the paragraph starts a new page (its own modifiers, else its style's).
    bool FormatPara(TVYXLogPara& para, const TParaFacts& facts, std::string_view page, std::string_view piece,
                    TStoryState& state);
    void ApplyRow(TTableLevel& level, std::string_view page, std::string_view piece);
    void EmitText(TVYXLogPara& para, std::uint32_t from, std::uint32_t to, TStoryState& state);
    void Flush(TVYXLogPara& para, std::u16string& text, const TVYXCHPX* chpx);
    TRunInfo RunInfo(std::uint32_t cp, const TStoryState& state);
    void MarkEventsUpTo(TVYXLogPara& para, std::uint32_t cp);
    void AppendNote(bool endnote, std::uint32_t cp, TVYXLogPara& anchor);
    // A note whose reference ends `anchor`, a paragraph in a table cell: the editor's
    // append operation anchors at the body's end, so the same steps are taken here.
    TVYXFootnoteItem& AppendNoteInCell(bool endnote, TVYXLogPara& anchor);
    void AppendComment(TVYXLogPara& para, std::uint32_t cp);
    void ReadComments();
    void ReadCommentRanges();
    // A comment of reference `index` with its author and text, not yet in the document.
    std::unique_ptr<TVYXComment> MakeComment(std::size_t index) const;
    void ReadShapes();
    void AppendTextBox(std::uint32_t cp);
    void ReadDrawings();
    // A floating picture anchored to `para` with its position and wrapping; false when
    // the shape at `cp` has no picture.
    bool AppendShapePicture(TVYXLogPara& para, std::uint32_t cp);
    // The image bytes of the picture record at `offset`; empty when unusable.
    std::string BlipAt(const TVyMSWordStream& stream, std::uint32_t offset);
    void AppendBlip(TVYXLogPara& para, const TVyMSWordStream& stream, std::uint32_t offset);
    void AppendPicture(TVYXLogPara& para, std::uint32_t offset);
    std::u16string PlainText(std::uint32_t from, std::uint32_t to) const;
    void MakeSection(std::size_t index, TVYXSEP& sep);
    void BuildHeaders();
    bool SectionEndsAt(std::uint32_t cp) const { return std::binary_search(SectionEnds.begin(), SectionEnds.end(), cp); }
    TDocStyle* StyleAt(std::size_t istd, int kind)
    {
        return istd < Styles.size() && Styles[istd].Kind == kind && Styles[istd].Model ? &Styles[istd] : nullptr;
    }
};
