// VYXReadDOC.cpp: the binary document importer: file information block, piece table,
// property pages, style sheet and the stories, built through the document editor.
//
// Structure of what is read (all little-endian):
//   WordDocument stream: FIB | text of the pieces | 512-byte property pages (FKPs)
//   table stream:        piece table (Clx) | bin tables | style sheet | fonts | lists
//                        | section, note, header, field and bookmark tables (PLCs)
//   Data stream:         pictures and paragraph properties too large for a page
// A character position (CP) indexes the stories' text as one sequence: main text,
// footnotes, headers, comments, endnotes, text boxes, header text boxes. The piece
// table maps CPs to file offsets (FCs); the property pages are keyed by FC.
#include "import/VYXReadDOC.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <deque>
#include <map>

#include "editing/VYXLogEditor.h"
#include "import/VYXDOCSprm.h"
#include "import/VYXDOCStream.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

#include <zlib.h>

namespace {

constexpr std::uint16_t cWordIdent = 0xA5EC;
constexpr std::uint16_t cWord6Ident = 0xA5DC;
constexpr std::uint16_t cFibEncrypted = 0x0100;
constexpr std::uint16_t cFibWhichTable = 0x0200;
constexpr std::uint16_t cFibFirstWord97 = 0xC0;
constexpr std::uint32_t cPageSize = 512;
// Nesting deeper than this is treated as this deep (tables and fields).
constexpr int cMaxTableDepth = 16;
constexpr std::size_t cMaxFieldDepth = 64;
// Limits that keep hostile files from building more than any real document holds.
constexpr std::size_t cMaxParagraphs = 1000000;
constexpr int cMaxCellsPerRow = 1000;
constexpr int cMaxNotes = 5000;
constexpr std::uint64_t cMaxInflated = 256u << 20;  // metafile bytes per document

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

void ScanParaFacts(std::string_view grpprl, TParaFacts& facts)
{
    VYXDocForEachSprm(grpprl, [&](const TVYXDocSprm& s) {
        switch (s.Code) {
        case 0x4600: facts.Istd = s.Word(); break;
        case 0x2416: facts.InTable = s.Byte() != 0; break;
        case 0x2417: facts.RowEnd = s.Byte() != 0; break;
        case 0x244B: facts.InnerCell = s.Byte() != 0; break;
        case 0x244C: facts.InnerRowEnd = s.Byte() != 0; break;
        case 0x6649: facts.Itap = static_cast<int>(std::min<std::uint32_t>(s.DWord(), cMaxTableDepth)); break;
        case 0x664A: facts.Itap = std::max(0, std::min(facts.Itap < 0 ? (facts.InTable ? 1 : 0) : facts.Itap, cMaxTableDepth)
                                              + static_cast<std::int32_t>(s.DWord())); break;
        case 0x460B: facts.Ilfo = s.Short(); break;
        case 0x260A: facts.Ilvl = std::min<int>(s.Byte(), 8); break;
        default: break;
        }
    });
}

}  // namespace

// ---- The reader ------------------------------------------------------------------------

namespace {

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

// Names of built-in styles whose name the file leaves out, by style identifier.
std::u16string BuiltInStyleName(int sti)
{
    if (sti == 0)
        return u"Normal";
    if (sti >= 1 && sti <= 9)
        return u"heading " + std::u16string(1, static_cast<char16_t>(u'0' + sti));
    switch (sti) {
    case 65: return u"Default Paragraph Font";
    case 105: return u"Normal Table";
    case 107: return u"No List";
    default: return u"Style " + Utf8ToUtf16(std::to_string(sti));
    }
}

TVYXNumberingStyleType ListStyle(int nfc)
{
    switch (nfc) {
    case 1: return anstUpperRoman;
    case 2: return anstLowerRoman;
    case 3: return anstUpperLetter;
    case 4: return anstLowerLetter;
    case 23: return anstBullet;
    case 255: return anstNone;
    default: return anstDecimal;
    }
}

TVYXNumberingStyleExType ListStyleEx(int nfc)
{
    switch (nfc) {
    case 1: return anstxUpperRoman;
    case 2: return anstxLowerRoman;
    case 3: return anstxUpperLetter;
    case 4: return anstxLowerLetter;
    case 5: return anstxOrdinal;
    case 22: return anstxDecimalZero;
    case 23: return anstxBullet;
    case 255: return anstxNone;
    default: return anstxDecimal;
    }
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char16_t c = text[i];
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - 32);
        if (c != prefix[i])
            return false;
    }
    return true;
}

std::u16string Trimmed(std::u16string_view text)
{
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

// Fields whose result depends on the page they are laid out on.
bool IsPageField(std::u16string_view instr)
{
    const std::u16string t = Trimmed(instr);
    for (std::u16string_view name : {u"PAGE", u"NUMPAGES", u"SECTIONPAGES"})
        if (StartsWithNoCase(t, name) && (t.size() == name.size() || t[name.size()] == u' '))
            return true;
    return false;
}

// The target of a HYPERLINK field instruction: the address, or with \l the bookmark.
bool ParseHyperlink(std::u16string_view instr, std::u16string& address, bool& bookmark)
{
    std::size_t i = instr.find_first_not_of(u' ');
    if (i == std::u16string_view::npos || !StartsWithNoCase(instr.substr(i), u"HYPERLINK"))
        return false;
    i += 9;
    std::u16string url, anchor;
    bool nextIsAnchor = false;
    while (i < instr.size()) {
        while (i < instr.size() && instr[i] == u' ')
            ++i;
        if (i >= instr.size())
            break;
        std::u16string token;
        if (instr[i] == u'"') {
            const std::size_t close = instr.find(u'"', i + 1);
            token = std::u16string(instr.substr(i + 1, close == std::u16string_view::npos ? std::u16string_view::npos : close - i - 1));
            i = close == std::u16string_view::npos ? instr.size() : close + 1;
        } else {
            const std::size_t stop = instr.find(u' ', i);
            token = std::u16string(instr.substr(i, stop == std::u16string_view::npos ? std::u16string_view::npos : stop - i));
            i = stop == std::u16string_view::npos ? instr.size() : stop;
            if (token == u"\\l") {
                nextIsAnchor = true;
                continue;
            }
            if (!token.empty() && token[0] == u'\\')
                continue;
        }
        if (nextIsAnchor) {
            anchor = token;
            nextIsAnchor = false;
        } else if (url.empty()) {
            url = token;
        }
    }
    bookmark = url.empty() && !anchor.empty();
    address = bookmark ? anchor : url;
    return !address.empty();
}


// The image file held by a picture record: bitmaps after their identifiers and tag
// byte (device-independent bitmaps get a file header), metafiles after their
// identifiers and header, inflated when stored compressed (within the document's
// budget `inflated`, the bytes inflated so far). Empty when unusable.
std::string BlipBytes(std::string_view blip, std::uint16_t type, std::uint16_t instance, std::uint64_t& inflated)
{
    const std::size_t uids = (instance & 1) ? 32 : 16;
    auto u32 = [&](std::size_t at) {
        return at + 4 <= blip.size() ? std::uint32_t{static_cast<std::uint8_t>(blip[at])} |
                                           (std::uint32_t{static_cast<std::uint8_t>(blip[at + 1])} << 8) |
                                           (std::uint32_t{static_cast<std::uint8_t>(blip[at + 2])} << 16) |
                                           (std::uint32_t{static_cast<std::uint8_t>(blip[at + 3])} << 24)
                                     : 0u;
    };
    switch (type) {
    case 0xF01A:
    case 0xF01B:
    case 0xF01C: {
        // Metafile header: size, bounds, size in EMUs, stored size, compression, filter.
        const std::size_t header = uids;
        if (blip.size() < header + 34)
            return {};
        const std::uint32_t size = u32(header), saved = u32(header + 28);
        const auto compression = static_cast<std::uint8_t>(blip[header + 32]);
        const std::string_view stored = blip.substr(header + 34, std::min<std::size_t>(saved, blip.size() - header - 34));
        if (compression != 0)
            return std::string(stored);
        if (size == 0 || inflated + size > cMaxInflated)
            return {};
        inflated += size;
        std::string out(size, '\0');
        uLongf outLen = size;
        if (uncompress(reinterpret_cast<Bytef*>(out.data()), &outLen, reinterpret_cast<const Bytef*>(stored.data()),
                       static_cast<uLong>(stored.size())) != Z_OK)
            return {};
        out.resize(outLen);
        return out;
    }
    case 0xF01D:
    case 0xF01E:
    case 0xF02A:
    case 0xF029:
        return blip.size() > uids + 1 ? std::string(blip.substr(uids + 1)) : std::string();
    case 0xF01F: {
        if (blip.size() < uids + 1 + 40)
            return {};
        const std::string_view dib = blip.substr(uids + 1);
        auto d32 = [&](std::size_t at) { return u32(uids + 1 + at); };
        const std::uint32_t headerSize = d32(0);
        const std::uint32_t bits = static_cast<std::uint8_t>(dib[14]) | (static_cast<std::uint8_t>(dib[15]) << 8);
        const std::uint32_t used = d32(32), compression = d32(16);
        std::uint64_t palette = used ? std::uint64_t{used} * 4 : bits <= 8 ? (std::uint64_t{1} << bits) * 4 : 0;
        if (compression == 3 && headerSize == 40)
            palette += 12;
        const std::uint64_t offset = 14 + std::uint64_t{headerSize} + palette;
        if (headerSize < 12 || offset > 14 + dib.size())
            return {};
        std::string file = "BM";
        const auto put32 = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                file += static_cast<char>((v >> (8 * i)) & 0xFF);
        };
        put32(static_cast<std::uint32_t>(14 + dib.size()));
        put32(0);
        put32(static_cast<std::uint32_t>(offset));
        file += dib;
        return file;
    }
    default: return {};
    }
}
}  // namespace

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

TVYXReadDOC::TVYXReadDOC(TVYXLogDocEditor& doc) : FDoc(doc), FImpl(std::make_unique<TImpl>(doc)) {}
TVYXReadDOC::~TVYXReadDOC() = default;

void TVYXReadDOC::LoadFromFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in)
        throw VYXException("Can not open file: " + fileName);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw VYXException("Can not open file: " + fileName);
    LoadFromBytes(std::move(bytes));
}

void TVYXReadDOC::LoadFromBytes(std::string bytes)
{
    FImpl = std::make_unique<TImpl>(FDoc);
    FImpl->ReadPictures = ReadPictures;
    FDoc.Clear();
    TVYXEditorUpdate update(FDoc);
    FImpl->Load(std::move(bytes));
}

void TVYXReadDOC::LoadFromStream(TVYXStream& stream) { LoadFromBytes(stream.ReadAll()); }

std::u16string TVYXReadDOC::FindText(std::uint32_t cp, std::uint32_t length) const
{
    const std::u16string& text = FImpl->Text;
    if (cp >= text.size())
        return {};
    return text.substr(cp, std::min<std::size_t>(length, text.size() - cp));
}

const std::u16string& TVYXReadDOC::Text() const { return FImpl->Text; }
const std::vector<std::string>& TVYXReadDOC::UnknownSprms() const { return FImpl->Unknown; }
int TVYXReadDOC::PieceCount() const { return static_cast<int>(FImpl->Pieces.size()); }

void TVYXReadDOC::TImpl::Load(std::string bytes)
{
    Streams = std::make_unique<TVyMSWordStreams>(std::move(bytes));
    ReadFib();
    if (Fib.Word6)
        Streams->UseDocAsTable();
    else
        Streams->OpenTable((Fib.Flags & cFibWhichTable) != 0);
    ReadClx();
    ReadText();
    ReadBinTable(fclPlcfBteChpx, false);
    ReadBinTable(fclPlcfBtePapx, true);
    Optional([&] { ReadFonts(); });
    Optional([&] { ReadStyles(); });
    Optional([&] { ReadLists(); });
    Optional([&] { ReadSections(); });
    Optional([&] { ReadNotes(); });
    if (Fib.Word6)
        Optional([&] { SpreadWord6Headers(); });
    Optional([&] { ReadBookmarks(); });
    Optional([&] { ReadComments(); });
    Optional([&] { ReadShapes(); });
    Optional([&] { ReadDrawings(); });

    TListState body{&Doc.Paras(), false};
    BuildStory(StoryStart[stMain], StoryStart[stMain + 1], body, stMain);
    // A comment range whose reference was never reached (hidden in a field's
    // instruction, or damage) ends with the text.
    for (TVYXComment*& open : OpenComments)
        if (open) {
            if (TVYXLogPara* last = Doc.Paras()._LastPara())
                last->EndComment(*open);
            open = nullptr;
        }
    // The last section's settings are the document's.
    if (!SectionSepx.empty())
        MakeSection(SectionSepx.size() - 1, Doc.SEP());
    BuildHeaders();
}

void TVYXReadDOC::TImpl::ReadFib()
{
    TVyMSWordStream& s = Streams->Doc();
    if (s.Size() < 34)
        throw VYXException("File is not a MS Word file");
    Fib.Ident = s.WordAt(0);
    Fib.Version = s.WordAt(2);
    // Word 6 and 95 files carry their own identifiers (0xA5DC and others) and versions 101-105.
    Fib.Word6 = Fib.Version >= 101 && Fib.Version <= 105;
    if (Fib.Ident != cWordIdent && Fib.Ident != cWord6Ident && !Fib.Word6)
        throw VYXException("File is not a MS Word file");
    Fib.Lid = s.WordAt(6);
    Fib.Flags = s.WordAt(10);
    if (Fib.Flags & cFibEncrypted)
        throw VYXException("Document is encrypted.");
    if (Fib.Word6) {
        ReadWord6Fib();
        return;
    }
    if (Fib.Version < cFibFirstWord97)
        throw VYXException("Unsupported DOC version (Word 6/95)");
    s.Seek(32);
    const std::uint16_t csw = s.ReadWord();
    if (csw != 14)
        throw VYXException("Invalid DOC file");
    s.Skip(28);
    const std::uint16_t cslw = s.ReadWord();
    if (cslw != 22)
        throw VYXException("Invalid DOC file");
    const std::uint32_t lw = s.Pos();
    // ccpText, ccpFtn, ccpHdd, ccpMcr, ccpAtn, ccpEdn, ccpTxbx, ccpHdrTxbx follow cbMac and two reserved.
    for (int i = 0; i < stCount; ++i)
        Fib.Ccp[i] = s.DWordAt(lw + 12 + 4 * static_cast<std::uint32_t>(i));
    s.Seek(lw + 88);
    const std::uint16_t pairs = s.ReadWord();
    if (pairs < fclCount)
        throw VYXException("Invalid DOC file");
    for (int i = 0; i < fclCount; ++i) {
        Fib.Fc[i] = s.ReadDWord();
        Fib.Lcb[i] = s.ReadDWord();
    }
}

// Windows code pages by primary language, for the 8-bit text of older files (which
// name no code page of their own); the rest read as the Western one.
int CodePageOfLanguage(std::uint16_t lid)
{
    switch (lid & 0x3FF) {
    case 0x05: case 0x0E: case 0x15: case 0x18: case 0x1A: case 0x1B: case 0x1C: case 0x24: return 1250;
    case 0x02: case 0x19: case 0x22: case 0x23: case 0x2F: return 1251;
    case 0x08: return 1253;
    case 0x1F: return 1254;
    case 0x0D: return 1255;
    case 0x01: case 0x20: case 0x29: return 1256;
    case 0x25: case 0x26: case 0x27: return 1257;
    case 0x2A: return 1258;
    case 0x1E: return 874;
    case 0x11: return 932;
    case 0x04: return (lid == 0x0404 || lid == 0x0C04 || lid == 0x1404) ? 950 : 936;
    case 0x12: return 949;
    default: return cVYXCodePageAnsi;
    }
}

void TVYXReadDOC::TImpl::ReadWord6Fib()
{
    // The older block: text limits at 24, story lengths at 52, then the offset/length
    // pairs at 88 in the same order as later files up to the comment owners; after them
    // come page counts of the bin tables and tables of drawings this reader leaves out.
    TVyMSWordStream& s = Streams->Doc();
    constexpr std::uint32_t cPairs = 88, cOldPairs = 38;
    if (s.Size() < cPairs + 8 * cOldPairs + 10)
        throw VYXException("Invalid DOC file");
    Fib.FcMin = s.DWordAt(24);
    Fib.FcMac = s.DWordAt(28);
    for (int i = 0; i < stCount; ++i)
        Fib.Ccp[i] = s.DWordAt(52 + 4 * static_cast<std::uint32_t>(i));
    for (std::uint32_t i = 0; i < cOldPairs; ++i) {
        Fib.Fc[i] = s.DWordAt(cPairs + 8 * i);
        Fib.Lcb[i] = s.DWordAt(cPairs + 8 * i + 4);
    }
    Fib.CpnBteChpx = s.WordAt(0x18E);
    Fib.CpnBtePapx = s.WordAt(0x190);
    // Tables whose older layout differs and that are not read in it: comments (their
    // authors and records). Headers and footers are listed only where present (see
    // SpreadWord6Headers); bookmark names are 8-bit (ReadBookmarks).
    for (int i : {fclPlcfandRef, fclPlcfandTxt, fclGrpXstAtnOwners})
        Fib.Lcb[i] = 0;
    // A file never fast-saved keeps its text, unbroken, where the block says.
    if (!(Fib.Flags & 0x0004))
        Fib.Lcb[fclClx] = 0;
    CodePage = CodePageOfLanguage(Fib.Lid);
    if (!VYXCodePageSupported(CodePage))
        CodePage = cVYXCodePageAnsi;
}

std::string_view TVYXReadDOC::TImpl::Rewrite(std::string_view grpprl)
{
    Rewritten.push_back(VYXDocWord6Grpprl(grpprl));
    return Rewritten.back();
}

std::string_view TVYXReadDOC::TImpl::RewritePapx(std::string_view papx)
{
    if (papx.size() < 2)
        return {};
    Rewritten.push_back(std::string(papx.substr(0, 2)) + VYXDocWord6Grpprl(papx.substr(2)));
    return Rewritten.back();
}

void TVYXReadDOC::TImpl::ReadClx()
{
    if (Fib.Word6 && Fib.Lcb[fclClx] == 0) {
        TPiece p;
        p.Fc = Fib.FcMin;
        p.Compressed = true;
        p.CpEnd = Fib.FcMac > Fib.FcMin ? Fib.FcMac - Fib.FcMin : 0;
        if (!Streams->Doc().Holds(p.Fc, p.CpEnd))
            throw VYXException("Invalid DOC file");
        Pieces.push_back(p);
        return;
    }
    TVyMSWordStream& tbl = Streams->Table();
    const std::uint32_t fc = Fib.Fc[fclClx], lcb = Fib.Lcb[fclClx];
    if (lcb == 0 || !tbl.Holds(fc, lcb))
        throw VYXException("Invalid Pcdt");
    std::uint32_t pos = fc;
    const std::uint32_t end = fc + lcb;
    // Prc blocks (modifiers that pieces refer to) come first; each is 1, a length, modifiers.
    while (pos < end && tbl.ByteAt(pos) == 1) {
        const std::uint16_t cb = tbl.WordAt(pos + 1);
        if (std::uint64_t{pos} + 3 + cb > end)
            throw VYXException("Invalid Pcdt");
        PrcGrpprls.push_back(Fib.Word6 ? Rewrite(tbl.Bytes(pos + 3, cb)) : tbl.Bytes(pos + 3, cb));
        pos += 3 + cb;
    }
    if (pos + 5 > end || tbl.ByteAt(pos) != 2)
        throw VYXException("Invalid Pcdt");
    const std::uint32_t plcSize = tbl.DWordAt(pos + 1);
    pos += 5;
    if (plcSize < 4 || plcSize > end - pos || (plcSize - 4) % 12 != 0)
        throw VYXException("Invalid Pcdt");
    const std::uint32_t n = (plcSize - 4) / 12;
    const std::uint32_t pcds = pos + 4 * (n + 1);
    const std::uint32_t docSize = Streams->Doc().Size();
    std::uint32_t prev = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        TPiece p;
        p.CpStart = tbl.DWordAt(pos + 4 * i);
        p.CpEnd = tbl.DWordAt(pos + 4 * (i + 1));
        // Pieces follow one another without gaps or overlaps; anything else is damage.
        if (p.CpEnd < p.CpStart || p.CpStart != prev)
            throw VYXException("Invalid Pcdt");
        prev = p.CpEnd;
        const std::uint32_t fcValue = tbl.DWordAt(pcds + 8 * i + 2);
        // Older pieces are all 8-bit, at the offset as it stands.
        p.Compressed = Fib.Word6 || (fcValue & 0x40000000) != 0;
        p.Fc = Fib.Word6 ? fcValue : p.Compressed ? (fcValue & 0x3FFFFFFF) / 2 : fcValue & 0x3FFFFFFF;
        p.Prm = tbl.WordAt(pcds + 8 * i + 6);
        if (p.Prm & 1) {
            const std::size_t index = p.Prm >> 1;
            if (index < PrcGrpprls.size())
                p.Mods = PrcGrpprls[index];
        } else if (p.Prm != 0) {
            std::string one = VYXDocPrmGrpprl(p.Prm);
            if (!one.empty()) {
                Rewritten.push_back(std::move(one));
                p.Mods = Rewritten.back();
            }
        }
        const std::uint64_t bytes = std::uint64_t{p.CpEnd - p.CpStart} * (p.Compressed ? 1 : 2);
        if (p.Fc + bytes > docSize)
            throw VYXException("Invalid Pcdt");
        // Every character is stored once, in a byte or two of its own: more characters than
        // the stream has bytes means pieces that repeat the same bytes, which would let a
        // small file claim gigabytes of text.
        if (p.CpEnd > docSize)
            throw VYXException("Invalid Pcdt");
        Pieces.push_back(p);
    }
}

void TVYXReadDOC::TImpl::ReadText()
{
    TVyMSWordStream& doc = Streams->Doc();
    for (const TPiece& p : Pieces) {
        const std::uint32_t count = p.CpEnd - p.CpStart;
        if (p.Compressed) {
            // 8-bit pieces hold the Western code page (the format's rule, whatever the
            // language); older files, all 8-bit, the code page of their language.
            Text += VYXDecodeCodePage(doc.Bytes(p.Fc, count), CodePage);
            // A code page that fails to map a byte still gives one character per byte.
            if (Text.size() != p.CpEnd)
                Text.resize(p.CpEnd, u'?');
        } else {
            doc.Seek(p.Fc);
            Text += doc.ReadStr(count, false);
        }
    }
    // The stories' limits, clipped to the text that is there.
    std::uint64_t at = 0;
    for (int i = 0; i < stCount; ++i) {
        StoryStart[i] = static_cast<std::uint32_t>(std::min<std::uint64_t>(at, Text.size()));
        at += Fib.Ccp[i];
    }
    StoryStart[stCount] = static_cast<std::uint32_t>(Text.size());
    // Main text ends where its count says, even when more text follows without stories.
    StoryStart[stMain + 1] = static_cast<std::uint32_t>(std::min<std::uint64_t>(Fib.Ccp[stMain], Text.size()));
}

void TVYXReadDOC::TImpl::ReadBinTable(int which, bool papx)
{
    TVyMSWordStream& tbl = Streams->Table();
    TVyMSWordStream& doc = Streams->Doc();
    const std::uint32_t fc = Fib.Fc[which], lcb = Fib.Lcb[which];
    if (lcb < 4 || !tbl.Holds(fc, lcb))
        return;
    // Page numbers are four bytes, two in older files, whose table may also list fewer
    // pages than the file has: the rest follow the last one listed.
    const std::uint32_t pnSize = Fib.Word6 ? 2 : 4;
    const std::uint32_t n = (lcb - 4) / (4 + pnSize);
    std::vector<TPropRun>& runs = papx ? PapxRuns : ChpxRuns;
    std::vector<bool> seen(doc.Size() / cPageSize + 1, false);
    std::vector<std::uint32_t> pages;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t at = fc + 4 * (n + 1) + pnSize * i;
        pages.push_back(Fib.Word6 ? tbl.WordAt(at) : tbl.DWordAt(at) & 0x3FFFFF);
    }
    const std::uint32_t listed = Fib.Word6 ? (papx ? Fib.CpnBtePapx : Fib.CpnBteChpx) : 0;
    while (!pages.empty() && pages.size() < listed && pages.back() + 1 < seen.size())
        pages.push_back(pages.back() + 1);
    const std::uint32_t entry = papx ? (Fib.Word6 ? 7 : 13) : 1;
    for (const std::uint32_t pn : pages) {
        const std::uint64_t page = std::uint64_t{pn} * cPageSize;
        if (!doc.Holds(page, cPageSize) || seen[pn])
            continue;  // outside the stream, or listed twice
        seen[pn] = true;
        const std::string_view bytes = doc.Bytes(static_cast<std::uint32_t>(page), cPageSize);
        auto u8 = [&](std::uint32_t i2) { return static_cast<std::uint8_t>(bytes[i2]); };
        auto u32 = [&](std::uint32_t i2) {
            return std::uint32_t{u8(i2)} | (std::uint32_t{u8(i2 + 1)} << 8) | (std::uint32_t{u8(i2 + 2)} << 16) |
                   (std::uint32_t{u8(i2 + 3)} << 24);
        };
        const std::uint32_t count = u8(cPageSize - 1);
        const std::uint32_t offsets = 4 * (count + 1);
        if (offsets + entry * count > cPageSize - 1)
            continue;  // a page whose table does not fit it is skipped whole
        for (std::uint32_t r = 0; r < count; ++r) {
            TPropRun run;
            run.FcStart = u32(4 * r);
            run.FcEnd = u32(4 * (r + 1));
            if (run.FcEnd <= run.FcStart)
                continue;
            const std::uint32_t at = 2u * u8(offsets + entry * r);
            if (at != 0 && at < cPageSize - 1) {
                if (papx) {
                    std::uint32_t cb = u8(at), start = at + 1, len;
                    if (Fib.Word6) {
                        len = 2 * cb;  // a count of words, the style index first
                    } else if (cb == 0) {
                        cb = u8(at + 1);
                        start = at + 2;
                        len = 2 * cb;
                    } else {
                        len = 2 * cb - 1;
                    }
                    if (start + len <= cPageSize - 1)
                        run.Grpprl = bytes.substr(start, len);
                } else {
                    const std::uint32_t cb = u8(at);
                    if (at + 1 + cb <= cPageSize - 1)
                        run.Grpprl = bytes.substr(at + 1, cb);
                }
            }
            if (Fib.Word6 && !run.Grpprl.empty())
                run.Grpprl = papx ? RewritePapx(run.Grpprl) : Rewrite(run.Grpprl);
            runs.push_back(run);
        }
    }
    std::stable_sort(runs.begin(), runs.end(), [](const TPropRun& a, const TPropRun& b) { return a.FcStart < b.FcStart; });
    if (!papx)
        return;
    // Paragraph properties too large for a page live in the Data stream (sprmPHugePapx).
    TVyMSWordStream& data = Streams->Data();
    for (TPropRun& run : runs) {
        std::string_view huge;
        VYXDocForEachSprm(run.Grpprl.size() > 2 ? run.Grpprl.substr(2) : std::string_view{}, [&](const TVYXDocSprm& s) {
            if (s.Code == 0x6646) {
                const std::uint32_t at = s.DWord();
                if (data.Holds(at, 2) && data.Holds(std::uint64_t{at} + 2, data.WordAt(at)))
                    huge = data.Bytes(at + 2, data.WordAt(at));
            }
        });
        if (!huge.empty())
            run.Grpprl = huge;  // holds the style index too
    }
}

const TPropRun* TVYXReadDOC::TImpl::FindRun(const std::vector<TPropRun>& runs, std::uint32_t fc)
{
    auto it = std::upper_bound(runs.begin(), runs.end(), fc, [](std::uint32_t v, const TPropRun& r) { return v < r.FcStart; });
    // Runs of honest files do not overlap: the last one starting at or before `fc` holds
    // it. A few steps back cover pages that repeat a range; more would only cost time.
    for (int step = 0; step < 4 && it != runs.begin(); ++step) {
        --it;
        if (fc < it->FcEnd)
            return &*it;
    }
    return nullptr;
}

bool TVYXReadDOC::TImpl::CpToFc(std::uint32_t cp, std::uint32_t& fc, int& piece) const
{
    auto it = std::upper_bound(Pieces.begin(), Pieces.end(), cp, [](std::uint32_t v, const TPiece& p) { return v < p.CpEnd; });
    if (it == Pieces.end() || cp < it->CpStart)
        return false;
    piece = static_cast<int>(it - Pieces.begin());
    fc = it->Fc + (cp - it->CpStart) * (it->Compressed ? 1 : 2);
    return true;
}

std::string_view TVYXReadDOC::TImpl::PieceGrpprl(int piece) const
{
    if (piece < 0)
        return {};
    return Pieces[static_cast<std::size_t>(piece)].Mods;
}

void TVYXReadDOC::TImpl::ParaGrpprls(std::uint32_t cp, std::string_view& page, std::string_view& piece) const
{
    page = piece = {};
    std::uint32_t fc = 0;
    int p = -1;
    if (!CpToFc(cp, fc, p))
        return;
    if (const TPropRun* run = FindRun(PapxRuns, fc))
        page = run->Grpprl;
    piece = PieceGrpprl(p);
}

void TVYXReadDOC::TImpl::ReadComments()
{
    TVyMSWordStream& tbl = Streams->Table();
    AtnRefs = ReadPlcCps(fclPlcfandRef, 30);
    AtnTxt = ReadPlcCps(fclPlcfandTxt, 0);
    if (AtnRefs.empty())
        return;
    const std::uint32_t records = Fib.Fc[fclPlcfandRef] + 4 * static_cast<std::uint32_t>(AtnRefs.size());
    AtnRefs.pop_back();
    for (std::size_t i = 0; i < AtnRefs.size(); ++i) {
        // Initials: a count and up to nine characters; then the author's index.
        const std::uint32_t at = records + 30 * static_cast<std::uint32_t>(i);
        TAtnAuthor info;
        const std::uint16_t cch = std::min<std::uint16_t>(tbl.WordAt(at), 9);
        tbl.Seek(at + 2);
        info.Initials = tbl.ReadStr(cch, false);
        info.Author = tbl.WordAt(at + 20);
        info.Tag = static_cast<std::int32_t>(tbl.DWordAt(at + 26));
        AtnInfo.push_back(std::move(info));
    }
    Optional([&] { ReadCommentRanges(); });
    const std::uint32_t fc = Fib.Fc[fclGrpXstAtnOwners], lcb = Fib.Lcb[fclGrpXstAtnOwners];
    if (lcb == 0 || !tbl.Holds(fc, lcb))
        return;
    for (std::uint32_t pos = fc; pos + 2 <= fc + lcb;) {
        const std::uint16_t cch = tbl.WordAt(pos);
        tbl.Seek(pos + 2);
        AtnOwners.push_back(tbl.ReadStr(cch, false));
        pos += 2 + 2u * cch;
    }
}

void TVYXReadDOC::TImpl::ReadCommentRanges()
{
    // Annotation bookmarks: their starts (with the index of their end), their ends, and
    // per bookmark a record whose tag the comment names. A range starts at its bookmark's
    // start and ends at the comment's reference.
    TVyMSWordStream& tbl = Streams->Table();
    const std::vector<std::uint32_t> starts = ReadPlcCps(fclPlcfAtnBkf, 4);
    const std::uint32_t fc = Fib.Fc[fclSttbfAtnBkmk], lcb = Fib.Lcb[fclSttbfAtnBkmk];
    if (starts.size() < 2 || lcb < 6 || !tbl.Holds(fc, lcb) || tbl.WordAt(fc) != 0xFFFF)
        return;
    const std::uint16_t count = tbl.WordAt(fc + 2), extra = tbl.WordAt(fc + 4);
    if (extra < 6)
        return;
    std::map<std::int32_t, std::uint32_t> startOfTag;
    std::uint32_t pos = fc + 6;
    for (std::uint16_t i = 0; i < count && i + 1u < starts.size() && pos + 2 <= fc + lcb; ++i) {
        // An empty name, then the record: a copy of the bookmark's kind and its tag.
        const std::uint32_t record = pos + 2 + 2u * tbl.WordAt(pos);
        startOfTag.emplace(static_cast<std::int32_t>(tbl.DWordAt(record + 2)), starts[i]);
        pos = record + extra;
    }
    bool added = false;
    for (std::size_t i = 0; i < AtnRefs.size() && i < AtnInfo.size(); ++i) {
        const auto it = startOfTag.find(AtnInfo[i].Tag);
        if (AtnInfo[i].Tag == -1 || it == startOfTag.end() || it->second >= AtnRefs[i])
            continue;
        MarkEvents.push_back({it->second, true, static_cast<int>(i), true});
        added = true;
    }
    if (!added)
        return;
    std::stable_sort(MarkEvents.begin(), MarkEvents.end(), [](const TMarkEvent& a, const TMarkEvent& b) {
        return a.Cp != b.Cp ? a.Cp < b.Cp : (!a.Start && b.Start);
    });
    OpenComments.assign(AtnRefs.size(), nullptr);
}

void TVYXReadDOC::TImpl::ReadShapes()
{
    TVyMSWordStream& tbl = Streams->Table();
    // The main text's shapes, then the headers' (their positions counted from the
    // header story's start, which follows the main text's, so one sorted list holds both).
    for (const int which : {fclPlcSpaMom, fclPlcSpaHdr}) {
        const std::vector<std::uint32_t> cps = ReadPlcCps(which, 26);
        const std::uint32_t base = which == fclPlcSpaHdr ? StoryStart[stHeader] : 0;
        const std::uint32_t spas = Fib.Fc[which] + 4 * static_cast<std::uint32_t>(cps.size());
        for (std::size_t i = 0; i + 1 < cps.size(); ++i) {
            // Shape id, the rectangle in twips, flags.
            const std::uint32_t at = spas + 26 * static_cast<std::uint32_t>(i);
            TShape shape;
            shape.Cp = static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t{base} + cps[i], 0xFFFFFFFF));
            shape.Lid = tbl.DWordAt(at);
            const auto coord = [&](std::uint32_t offset) { return static_cast<std::int32_t>(tbl.DWordAt(at + offset)) / 20.0; };
            shape.Left = std::clamp(coord(4), -10000.0, 10000.0);
            shape.Top = std::clamp(coord(8), -10000.0, 10000.0);
            shape.Width = std::clamp(coord(12) - coord(4), 0.0, 10000.0);
            shape.Height = std::clamp(coord(16) - coord(8), 0.0, 10000.0);
            shape.Flags = tbl.WordAt(at + 20);
            Shapes.push_back(shape);
        }
    }
    std::stable_sort(Shapes.begin(), Shapes.end(), [](const TShape& a, const TShape& b) { return a.Cp < b.Cp; });
    TxbxCps = ReadPlcCps(fclPlcftxbxTxt, 22);
    const std::uint32_t records = Fib.Fc[fclPlcftxbxTxt] + 4 * static_cast<std::uint32_t>(TxbxCps.size());
    for (std::size_t i = 0; i + 1 < TxbxCps.size(); ++i)
        TxbxLids.push_back(tbl.DWordAt(records + 22 * static_cast<std::uint32_t>(i) + 14));
}

void TVYXReadDOC::TImpl::ReadDrawings()
{
    // The drawing group (its store lists the pictures, each maybe followed by its picture
    // record, else the record sits in the WordDocument stream), then per story a byte
    // naming it and its drawing, whose shapes name their picture by a 1-based store index.
    const TVyMSWordStream& tbl = Streams->Table();
    const std::uint32_t fc = Fib.Fc[fclDggInfo], lcb = Fib.Lcb[fclDggInfo];
    if (lcb < 8 || !tbl.Holds(fc, lcb))
        return;
    std::uint32_t spid = 0;
    int budget = 1000000;
    const std::function<void(std::uint32_t, std::uint32_t, int)> walk = [&](std::uint32_t pos, std::uint32_t end, int depth) {
        while (pos + 8 <= end && --budget > 0) {
            const std::uint16_t verInst = tbl.WordAt(pos);
            const std::uint16_t type = tbl.WordAt(pos + 2);
            const std::uint32_t len = tbl.DWordAt(pos + 4);
            const std::uint32_t body = pos + 8;
            if (std::uint64_t{body} + len > end)
                return;
            if ((verInst & 0xF) == 0xF) {
                if (depth < 16)
                    walk(body, body + len, depth + 1);
            } else if (type == 0xF007 && len >= 36) {
                TStoredBlip blip;
                const std::uint32_t nameBytes = tbl.ByteAt(body + 33);
                if (len >= 36 + nameBytes + 8) {
                    blip.Offset = body + 36 + nameBytes;
                } else {
                    blip.InDoc = true;
                    blip.Offset = tbl.DWordAt(body + 28);
                }
                Blips.push_back(blip);
            } else if (type == 0xF00A && len >= 4) {
                spid = tbl.DWordAt(body);
            } else if (type == 0xF00B) {
                const std::uint32_t count = std::min<std::uint32_t>(verInst >> 4, len / 6);
                for (std::uint32_t k = 0; k < count; ++k)
                    if ((tbl.WordAt(body + 6 * k) & 0x3FFF) == 0x0104)
                        ShapePictures[spid] = tbl.DWordAt(body + 6 * k + 2);
            }
            pos = body + len;
        }
    };
    const std::uint32_t end = fc + lcb;
    const std::uint32_t groupEnd = static_cast<std::uint32_t>(std::min<std::uint64_t>(end, std::uint64_t{fc} + 8 + tbl.DWordAt(fc + 4)));
    walk(fc, groupEnd, 0);
    for (std::uint32_t pos = groupEnd; pos + 9 <= end && budget > 0;) {
        const std::uint64_t next = std::uint64_t{pos} + 9 + tbl.DWordAt(pos + 5);
        if (next > end)
            return;
        walk(pos + 1, static_cast<std::uint32_t>(next), 0);
        pos = static_cast<std::uint32_t>(next);
    }
}

// ---- Building ------------------------------------------------------------------------
// ---- Secondary tables ----------------------------------------------------------------

std::vector<std::uint32_t> TVYXReadDOC::TImpl::ReadPlcCps(int which, std::uint32_t recordSize) const
{
    const TVyMSWordStream& tbl = Streams->Table();
    const std::uint32_t fc = Fib.Fc[which], lcb = Fib.Lcb[which];
    std::vector<std::uint32_t> cps;
    if (lcb < 4 || !tbl.Holds(fc, lcb))
        return cps;
    const std::uint32_t n = (lcb - 4) / (4 + recordSize);
    cps.reserve(n + 1);
    for (std::uint32_t i = 0; i <= n; ++i)
        cps.push_back(tbl.DWordAt(fc + 4 * i));
    return cps;
}

void TVYXReadDOC::TImpl::Unhandled(std::uint16_t code)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "%.4X", code);
    std::string entry = hex;
    if (const std::string_view name = VYXDocSprmName(code); !name.empty())
        entry += " " + std::string(name);
    if (std::find(Unknown.begin(), Unknown.end(), entry) == Unknown.end())
        Unknown.push_back(std::move(entry));
}

void TVYXReadDOC::TImpl::ReadFonts()
{
    TVyMSWordStream& tbl = Streams->Table();
    const std::uint32_t fc = Fib.Fc[fclSttbfFfn], lcb = Fib.Lcb[fclSttbfFfn];
    if (lcb < 4 || !tbl.Holds(fc, lcb))
        return;
    const std::uint32_t end = fc + lcb;
    if (Fib.Word6) {
        // A total size, then entries of a size byte, five bytes of metrics and an 8-bit name.
        for (std::uint32_t pos = fc + 2; pos < end;) {
            const std::uint32_t size = tbl.ByteAt(pos);
            std::string name;
            for (std::uint32_t at = pos + 6; at < pos + 1 + size && at < end && tbl.ByteAt(at) != 0; ++at)
                name += static_cast<char>(tbl.ByteAt(at));
            Fonts.push_back(VYXDecodeCodePage(name, cVYXCodePageAnsi));
            pos += 1 + size;
        }
        return;
    }
    const std::uint16_t count = tbl.WordAt(fc);
    std::uint32_t pos = fc + 4;
    for (std::uint16_t i = 0; i < count && pos < end; ++i) {
        const std::uint32_t size = tbl.ByteAt(pos);  // the FFN's bytes after this one
        std::u16string name;
        // The name follows 39 bytes of font metrics, as zero-terminated UTF-16.
        for (std::uint32_t at = pos + 40; at + 1 < pos + 1 + size && at + 1 < end; at += 2) {
            const char16_t c = tbl.WordAt(at);
            if (c == 0)
                break;
            name += c;
        }
        Fonts.push_back(std::move(name));
        pos += 1 + size;
    }
}

void TVYXReadDOC::TImpl::ReadStyles()
{
    TVyMSWordStream& tbl = Streams->Table();
    const std::uint32_t fc = Fib.Fc[fclStshf], lcb = Fib.Lcb[fclStshf];
    if (lcb < 4 || !tbl.Holds(fc, lcb))
        return;
    const std::uint32_t end = fc + lcb;
    const std::uint16_t cbStshi = tbl.WordAt(fc);
    const std::uint32_t stshi = fc + 2;
    const std::uint16_t cstd = tbl.WordAt(stshi);
    const std::uint16_t cbBase = tbl.WordAt(stshi + 2);
    if (cbStshi >= 14)
        DefaultFont = tbl.WordAt(stshi + 12);
    std::uint32_t pos = stshi + cbStshi;
    Styles.resize(cstd);
    for (std::uint16_t i = 0; i < cstd && pos + 2 <= end; ++i) {
        const std::uint16_t cbStd = tbl.WordAt(pos);
        const std::uint32_t std0 = pos + 2, stdEnd = pos + 2 + cbStd;
        pos = stdEnd;
        if (cbStd == 0 || stdEnd > end || cbStd < cbBase || cbBase < (Fib.Word6 ? 8 : 10))
            continue;
        TDocStyle& st = Styles[i];
        st.Sti = tbl.WordAt(std0) & 0x0FFF;
        st.Kind = tbl.WordAt(std0 + 2) & 0x000F;
        st.Base = static_cast<std::uint16_t>(tbl.WordAt(std0 + 2) >> 4);
        const std::uint16_t cupx = tbl.WordAt(std0 + 4) & 0x000F;
        std::uint32_t at = std0 + cbBase;
        // The name: a character count, the characters, a terminating zero (8-bit in
        // older files, the lists after it at an even offset).
        if (Fib.Word6 && at + 1 <= stdEnd) {
            const std::uint8_t cch = tbl.ByteAt(at);
            if (at + 1 + cch <= stdEnd)
                st.Name = VYXDecodeCodePage(tbl.Bytes(at + 1, cch), CodePage);
            at += 1 + cch + 1;
            if ((at - std0) & 1)
                ++at;
        } else if (at + 2 <= stdEnd) {
            const std::uint16_t cch = tbl.WordAt(at);
            if (at + 2 + 2u * cch <= stdEnd) {
                tbl.Seek(at + 2);
                st.Name = tbl.ReadStr(cch, false);
            }
            at += 2 + 2u * cch + 2;
        }
        // The property lists (UPX), each a length, the bytes and a pad to an even offset.
        for (std::uint16_t u = 0; u < cupx && at + 2 <= stdEnd; ++u) {
            const std::uint16_t cb = tbl.WordAt(at);
            if (at + 2 + cb > stdEnd)
                break;
            std::string_view upx = tbl.Bytes(at + 2, cb);
            at += 2 + cb + (cb & 1);
            const bool papxFirst = st.Kind == 1 || st.Kind == 4;
            if (Fib.Word6)
                upx = papxFirst && u == 0 ? RewritePapx(upx) : Rewrite(upx);
            if (papxFirst && u == 0)
                st.Papx = upx.size() >= 2 ? upx.substr(2) : std::string_view{};
            else if ((st.Kind == 1 && u == 1) || (st.Kind == 2 && u == 0))
                st.Chpx = upx;
        }
        if (st.Name.empty())
            st.Name = BuiltInStyleName(st.Sti);
        TParaFacts facts;
        ScanParaFacts(st.Papx, facts);
        st.Ilfo = facts.Ilfo;
        st.Ilvl = facts.Ilvl;
    }
    // Model styles: ids are the names without blanks, made unique.
    TVYXStyles& sheet = Doc.Styles();
    for (std::size_t i = 0; i < Styles.size(); ++i) {
        TDocStyle& st = Styles[i];
        if (st.Kind != 1 && st.Kind != 2)
            continue;
        std::u16string id;
        for (char16_t c : st.Name)
            if (c != u' ')
                id += c;
        if (id.empty() || sheet.Find(id))
            id += u"_" + Utf8ToUtf16(std::to_string(i));
        st.Model = st.Kind == 1 ? static_cast<TVYXStyle*>(sheet.AddPara(id, st.Name))
                                : static_cast<TVYXStyle*>(sheet.AddChar(id, st.Name));
        st.Model->Default = (st.Kind == 1 && st.Sti == 0) || (st.Kind == 2 && st.Sti == 65);
    }
    for (std::size_t i = 0; i < Styles.size(); ++i)
        ResolveStyle(i, 0);
}

void TVYXReadDOC::TImpl::ResolveStyle(std::size_t istd, int depth)
{
    TDocStyle& st = Styles[istd];
    if (!st.Model || st.State != 0)
        return;
    st.State = 1;
    TDocStyle* base = st.Base < Styles.size() && st.Base != istd && depth < 16 ? &Styles[st.Base] : nullptr;
    if (base && base->Kind == st.Kind && base->Model)
        ResolveStyle(st.Base, depth + 1);
    else
        base = nullptr;
    if (base && base->State != 2)
        base = nullptr;  // a cycle: start from the defaults
    TVYXStyles& sheet = Doc.Styles();
    TVYXDocCharContext context;
    context.Fonts = &Fonts;
    context.CharStyle = [&](int i) -> TVYXCharStyle* {
        TDocStyle* cs = StyleAt(static_cast<std::size_t>(i), 2);
        return cs ? static_cast<TVYXCharStyle*>(cs->Model) : nullptr;
    };
    TVYXCHPX* chpx = st.Model->StyleCHPX();
    if (base) {
        st.Model->BasedOn = base->Model;
        chpx->Assign(*base->Model->StyleCHPX(), &sheet, &sheet);
        context.Base = base->Model->StyleCHPX();
    } else if (st.Kind == 1) {
        // The format's defaults, which the model's differ from.
        if (DefaultFont < Fonts.size() && !Fonts[DefaultFont].empty())
            chpx->SetFontName(Fonts[DefaultFont]);
        chpx->SetSize(10);
    }
    if (st.Kind == 1) {
        TVYXPAPX* papx = st.Model->StylePAPX();
        if (base) {
            papx->Assign(*base->Model->StylePAPX(), &sheet, &sheet);
        } else {
            papx->SetSpaceBefore(0);
            papx->SetSpaceAfter(0);
            papx->SetLineSpacingType(aplstMultiple);
            papx->SetLineSpacing(1.0);
        }
        // Built-in headings are outline levels even where the file does not say so.
        if (st.Sti >= 1 && st.Sti <= 9)
            papx->SetOutlineLevel(st.Sti - 1);
        const TVYXPAPX* basePapx = base ? base->Model->StylePAPX() : nullptr;
        VYXDocForEachSprm(st.Papx, [&](const TVYXDocSprm& s) { VYXDocApplyPara(s, *papx, basePapx); });
    }
    VYXDocForEachSprm(st.Chpx, [&](const TVYXDocSprm& s) { VYXDocApplyChar(s, *chpx, context); });
    st.State = 2;
}

TDocLevel TVYXReadDOC::TImpl::ReadLevel(std::uint32_t& pos)
{
    // The level's fixed part, its paragraph and character modifiers, its number text.
    TVyMSWordStream& tbl = Streams->Table();
    TDocLevel level;
    level.StartAt = static_cast<std::int32_t>(tbl.DWordAt(pos));
    level.Nfc = tbl.ByteAt(pos + 4);
    level.Jc = tbl.ByteAt(pos + 5) & 3;
    level.Follow = tbl.ByteAt(pos + 15);
    const std::uint8_t cbChpx = tbl.ByteAt(pos + 24), cbPapx = tbl.ByteAt(pos + 25);
    pos += 28;
    level.Papx = tbl.Bytes(pos, cbPapx);
    level.Chpx = tbl.Bytes(pos + cbPapx, cbChpx);
    pos += cbPapx + cbChpx;
    const std::uint16_t cch = tbl.WordAt(pos);
    tbl.Seek(pos + 2);
    const std::u16string raw = tbl.ReadStr(cch, false);
    pos += 2 + 2u * cch;
    // Characters 0-8 stand for the numbers of the levels.
    for (char16_t c : raw) {
        if (c < 9)
            level.Text += u"%" + std::u16string(1, static_cast<char16_t>(u'1' + c));
        else
            level.Text += c;
    }
    return level;
}

void TVYXReadDOC::TImpl::ReadLists()
{
    TVyMSWordStream& tbl = Streams->Table();
    std::uint32_t fc = Fib.Fc[fclPlfLst], lcb = Fib.Lcb[fclPlfLst];
    if (lcb >= 2 && tbl.Holds(fc, lcb)) {
        const std::uint32_t end = fc + lcb;
        const auto count = static_cast<std::int16_t>(tbl.WordAt(fc));
        std::uint32_t lstf = fc + 2;
        std::vector<std::pair<std::uint32_t, bool>> heads;
        for (int i = 0; i < count && lstf + 28 <= end; ++i, lstf += 28)
            heads.emplace_back(tbl.DWordAt(lstf), (tbl.ByteAt(lstf + 26) & 1) != 0);
        // The levels of all lists follow the list heads, in order, in the same stream.
        std::uint32_t pos = lstf;
        for (const auto& [lsid, simple] : heads) {
            TDocList list;
            list.Lsid = lsid;
            for (int l = 0; l < (simple ? 1 : 9); ++l) {
                TDocLevel level = ReadLevel(pos);
                list.Levels.push_back(std::move(level));
            }
            Lists.push_back(std::move(list));
        }
    }
    fc = Fib.Fc[fclPlfLfo];
    lcb = Fib.Lcb[fclPlfLfo];
    if (lcb >= 4 && tbl.Holds(fc, lcb)) {
        const std::uint32_t count = std::min<std::uint32_t>(tbl.DWordAt(fc), (lcb - 4) / 16);
        std::vector<int> levelCounts;
        for (std::uint32_t i = 0; i < count; ++i) {
            LfoLsids.push_back(tbl.DWordAt(fc + 4 + 16 * i));
            levelCounts.push_back(tbl.ByteAt(fc + 4 + 16 * i + 12));
        }
        // Then per override its position and overridden levels: a start value, and with
        // the formatting flag a whole level of its own.
        std::uint32_t pos = fc + 4 + 16 * count;
        LfoOverrides.resize(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            pos += 4;
            for (int k = 0; k < levelCounts[i]; ++k) {
                const std::int32_t startAt = static_cast<std::int32_t>(tbl.DWordAt(pos));
                const std::uint32_t flags = tbl.DWordAt(pos + 4);
                pos += 8;
                TLevelOverride over;
                over.Level = static_cast<int>(flags & 0xF);
                if (flags & 0x20) {
                    over.Format = std::make_unique<TDocLevel>(ReadLevel(pos));
                } else if (flags & 0x10) {
                    over.StartAt = startAt;
                    over.HasStart = true;
                }
                if (over.Level < 9)
                    LfoOverrides[i].push_back(std::move(over));
            }
        }
    }
}

void TVYXReadDOC::TImpl::ReadSections()
{
    TVyMSWordStream& tbl = Streams->Table();
    const std::vector<std::uint32_t> cps = ReadPlcCps(fclPlcfSed, 12);
    if (cps.empty())
        return;
    const std::uint32_t seds = Fib.Fc[fclPlcfSed] + 4 * static_cast<std::uint32_t>(cps.size());
    for (std::size_t i = 0; i + 1 < cps.size(); ++i) {
        SectionEnds.push_back(cps[i + 1]);
        SectionSepx.push_back(tbl.DWordAt(seds + 12 * static_cast<std::uint32_t>(i) + 2));
    }
    std::sort(SectionEnds.begin(), SectionEnds.end());
}

void TVYXReadDOC::TImpl::ReadNotes()
{
    FtnRefs = ReadPlcCps(fclPlcffndRef, 2);
    FtnTxt = ReadPlcCps(fclPlcffndTxt, 0);
    EdnRefs = ReadPlcCps(fclPlcfendRef, 2);
    EdnTxt = ReadPlcCps(fclPlcfendTxt, 0);
    HddCps = ReadPlcCps(fclPlcfHdd, 0);
    if (!FtnRefs.empty())
        FtnRefs.pop_back();  // the last position only closes the table
    if (!EdnRefs.empty())
        EdnRefs.pop_back();
}

void TVYXReadDOC::TImpl::SpreadWord6Headers()
{
    // The older table lists only the stories present: the separators the document
    // properties flag, then per section the ones its flags name (even and odd header,
    // even and odd footer, first-page header and footer, bits 0-5), then a closing one.
    // Spread into the later layout of six separators and six stories per section, the
    // absent ones empty, so one builder serves both.
    if (HddCps.size() < 2)
        return;
    const TVyMSWordStream& tbl = Streams->Table();
    std::vector<std::uint8_t> flags;  // per slot group: the separators, then each section
    flags.push_back(Fib.Lcb[fclDop] >= 2 && tbl.Holds(Fib.Fc[fclDop], 2) ? tbl.ByteAt(Fib.Fc[fclDop] + 1) : 0);
    for (const std::uint32_t at : SectionSepx) {
        std::uint8_t own = 0;
        if (at != 0xFFFFFFFF && tbl.Holds(at, 2) && tbl.Holds(std::uint64_t{at} + 2, tbl.WordAt(at)))
            VYXDocForEachSprm(Rewrite(tbl.Bytes(at + 2, tbl.WordAt(at))), [&](const TVYXDocSprm& s) {
                if (s.Code == 0x3014)
                    own = s.Byte();
            });
        flags.push_back(own);
    }
    std::size_t flagged = 0;
    for (std::uint8_t f : flags)
        flagged += static_cast<std::size_t>(std::popcount(static_cast<unsigned>(f & 0x3F)));
    const std::size_t listed = HddCps.size() - 1;  // stories, the closing one included
    if (flagged != listed && flagged + 1 != listed) {
        // Flags that do not match the table (files that leave a section's out): the stories
        // taken in order as the first section's odd header, odd footer, even header, even
        // footer, first-page header and footer.
        static constexpr std::uint8_t cOrder[] = {1, 3, 0, 2, 4, 5};
        std::fill(flags.begin(), flags.end(), 0);
        if (flags.size() < 2)
            flags.push_back(0);
        for (std::size_t i = 0; i + 1 < listed && i < std::size(cOrder); ++i)
            flags[1] |= static_cast<std::uint8_t>(1u << cOrder[i]);
    }
    std::vector<std::uint32_t> spread;
    spread.reserve(6 * flags.size() + 1);
    std::size_t next = 0;
    std::uint32_t cp = HddCps[0];
    for (std::uint8_t f : flags)
        for (int slot = 0; slot < 6; ++slot) {
            spread.push_back(cp);
            if ((f >> slot) & 1 && next + 1 < HddCps.size())
                cp = std::max(cp, HddCps[++next]);
        }
    spread.push_back(cp);
    HddCps = std::move(spread);
}

void TVYXReadDOC::TImpl::ReadBookmarks()
{
    TVyMSWordStream& tbl = Streams->Table();
    const std::uint32_t fc = Fib.Fc[fclSttbfBkmk], lcb = Fib.Lcb[fclSttbfBkmk];
    if (lcb < 4 || !tbl.Holds(fc, lcb))
        return;
    const std::uint32_t end = fc + lcb;
    if (tbl.WordAt(fc) != 0xFFFF) {
        // The older string table: its length in bytes (itself included), then the names
        // as a length byte and characters in the document's code page.
        if (!Fib.Word6)
            return;
        const std::uint32_t last = fc + std::min<std::uint32_t>(lcb, tbl.WordAt(fc));
        for (std::uint32_t pos = fc + 2; pos < last;) {
            const std::uint8_t cch = tbl.ByteAt(pos);
            if (pos + 1 + cch > last)
                break;
            BookmarkNames.push_back(VYXDecodeCodePage(tbl.Bytes(pos + 1, cch), CodePage));
            pos += 1 + cch;
        }
    } else if (lcb >= 6) {
        const std::uint16_t count = tbl.WordAt(fc + 2), extra = tbl.WordAt(fc + 4);
        std::uint32_t pos = fc + 6;
        for (std::uint16_t i = 0; i < count && pos + 2 <= end; ++i) {
            const std::uint16_t cch = tbl.WordAt(pos);
            tbl.Seek(pos + 2);
            BookmarkNames.push_back(tbl.ReadStr(cch, false));
            pos += 2 + 2u * cch + extra;
        }
    }
    const std::vector<std::uint32_t> starts = ReadPlcCps(fclPlcfBkf, 4);
    const std::vector<std::uint32_t> ends = ReadPlcCps(fclPlcfBkl, 0);
    if (starts.empty())
        return;
    const std::uint32_t fbkf = Fib.Fc[fclPlcfBkf] + 4 * static_cast<std::uint32_t>(starts.size());
    const std::size_t n = std::min(starts.size() - 1, BookmarkNames.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint16_t ibkl = tbl.WordAt(fbkf + 4 * static_cast<std::uint32_t>(i));
        if (ibkl + 1u >= ends.size() || ends[ibkl] < starts[i])
            continue;
        MarkEvents.push_back({starts[i], true, static_cast<int>(i)});
        MarkEvents.push_back({ends[ibkl], false, static_cast<int>(i)});
    }
    // At one position a bookmark ends before the next one starts.
    std::stable_sort(MarkEvents.begin(), MarkEvents.end(), [](const TMarkEvent& a, const TMarkEvent& b) {
        return a.Cp != b.Cp ? a.Cp < b.Cp : (!a.Start && b.Start);
    });
    OpenMarks.assign(BookmarkNames.size(), nullptr);
}

// ---- Building ------------------------------------------------------------------------

TVYXLogPara& TVYXReadDOC::TImpl::NewPara(TListState& state)
{
    if (++ParagraphCount > cMaxParagraphs)
        throw VYXException("Document has too many paragraphs");
    if (state.Fresh) {
        state.Fresh = false;
        if (TVYXLogPara* first = state.List->ParaAtIndex(0))
            return *first;
    }
    if (state.List == &Doc.Paras())
        return Doc.AppendPara();
    return *state.List->AppendPara();
}

TVYXReadDOC::TImpl::TListState& TVYXReadDOC::TImpl::TargetList(std::vector<TTableLevel>& tables, int depth,
                                                              TListState& body, bool openCell)
{
    auto open = [](TTableLevel& level) {
        if (!level.Row || level.NeedRow) {
            level.Row = level.Table->Add();
            level.NeedRow = false;
            level.NeedCell = true;
        }
        if (!level.Cell || level.NeedCell) {
            if (level.Row->Count() >= cMaxCellsPerRow)
                level.Row = level.Table->Add();  // a row without its end mark: wrap instead of growing
            level.Cell = level.Row->Add();
            level.NeedCell = false;
            level.CellList = {&level.Cell->Paras(), true};
        }
    };
    tables.resize(std::min<std::size_t>(tables.size(), static_cast<std::size_t>(depth)));
    while (static_cast<int>(tables.size()) < depth) {
        if (!tables.empty())
            open(tables.back());  // a nested table opens a cell that may not have one yet
        TListState& list = tables.empty() ? body : tables.back().CellList;
        // A table at the start of a cell replaces the cell's initial empty paragraph.
        if (list.Fresh && list.List->Count() == 1)
            list.List->Delete(0);
        list.Fresh = false;
        TTableLevel level;
        level.Table = list.List->AddTable();
        tables.push_back(level);
    }
    if (tables.empty())
        return body;
    if (openCell)
        open(tables.back());
    return tables.back().CellList;
}

bool TVYXReadDOC::TImpl::FormatPara(TVYXLogPara& para, const TParaFacts& facts, std::string_view page,
                                    std::string_view piece, TStoryState& state)
{
    TDocStyle* style = StyleAt(facts.Istd, 1);
    if (!style)
        style = StyleAt(0, 1);
    TVYXPAPX& papx = para.PAPX();
    papx.Clear();  // a new paragraph starts with a copy of the previous one's properties
    const TVYXPAPX* stylePapx = nullptr;
    state.StyleChpx = nullptr;
    if (style) {
        auto* model = static_cast<TVYXParaStyle*>(style->Model);
        papx.SetStyle(model);
        stylePapx = &model->PAPX();
        state.StyleChpx = &model->CHPX();
    }
    // The model has no page-break-before property: the caller puts a page break first.
    bool breakBefore = false;
    // Word 6 numbering: a level (1-9 outline, 10 and up a plain list) and its format.
    int anm = -1;
    std::string_view anld;
    auto word6Numbering = [&](const TVYXDocSprm& s) {
        if (!Fib.Word6 || (s.Code != 0x25FF && s.Code != 0xC63E))
            return false;
        if (s.Code == 0x25FF)
            anm = s.Byte();
        else
            anld = s.Operand;
        return true;
    };
    if (style)
        VYXDocForEachSprm(style->Papx, [&](const TVYXDocSprm& s) {
            if (s.Code == 0x2407)
                breakBefore = s.Byte() != 0;
            word6Numbering(s);
        });
    auto apply = [&](const TVYXDocSprm& s) {
        if (word6Numbering(s))
            return;
        if (!VYXDocApplyPara(s, papx, stylePapx) && (s.Code >> 10 & 7) == 1)  // paragraph modifiers only
            switch (s.Code) {
            case 0x4600: case 0x2416: case 0x2417: case 0x244B: case 0x244C: case 0x6649: case 0x664A:
            case 0x460B: case 0x260A: case 0x6646: break;
            case 0x2407: breakBefore = s.Byte() != 0; break;
            default: Unhandled(s.Code);
            }
    };
    VYXDocForEachSprm(page.size() >= 2 ? page.substr(2) : std::string_view{}, apply);
    VYXDocForEachSprm(piece, apply);

    // Lists: the paragraph's own reference, else its style's.
    int ilfo = facts.Ilfo, ilvl = facts.Ilvl;
    if (ilfo == 0 && style) {
        ilfo = style->Ilfo;
        ilvl = style->Ilvl;
    }
    if (ilfo == 0 && anm > 0 && anld.size() >= 20)
        ApplyWord6Numbering(papx, anm, anld);
    if (ilfo <= 0 || static_cast<std::size_t>(ilfo) > LfoLsids.size())
        return breakBefore;
    const std::uint32_t lsid = LfoLsids[static_cast<std::size_t>(ilfo - 1)];
    for (std::size_t i = 0; i < Lists.size(); ++i) {
        TDocList& list = Lists[i];
        if (list.Lsid != lsid || list.Levels.empty())
            continue;
        // A list override that restarts or reformats levels numbers on its own, as a
        // list of its own; the others share their list's numbering.
        const std::size_t lfo = static_cast<std::size_t>(ilfo - 1);
        const bool own = lfo < LfoOverrides.size() && !LfoOverrides[lfo].empty();
        const auto listId = static_cast<std::int32_t>(own ? Lists.size() + 1 + lfo : i + 1);
        if (own) {
            LfoCreated.resize(LfoOverrides.size(), false);
            if (!LfoCreated[lfo]) {
                LfoCreated[lfo] = true;
                CreateListLevels(listId, list, &LfoOverrides[lfo]);
            }
        } else if (!list.Created) {
            list.Created = true;
            CreateListLevels(listId, list, nullptr);
        }
        if (TVYXNumbering* level = Doc.Numberings().Find(listId, std::min<int>(ilvl, static_cast<int>(list.Levels.size()) - 1)))
            papx.SetNumbering(level);
        return breakBefore;
    }
    return breakBefore;
}

void TVYXReadDOC::TImpl::ApplyWord6Numbering(TVYXPAPX& papx, int anm, std::string_view anld)
{
    // The older numbering keeps its format in each paragraph: the number's format, the
    // lengths of the texts before it and up to the end of the text after it, alignment,
    // its font at 6, the start at 10, then up to 32 characters of those texts. Paragraphs
    // of outline levels share one list; the others continue the list of their format.
    constexpr std::int32_t cOutlineList = 0x10000;
    const bool outline = anm <= 9;
    const int level = outline ? anm - 1 : 0;
    std::int32_t listId = cOutlineList;
    if (!outline) {
        const auto same = std::find(Word6Anlds.begin(), Word6Anlds.end(), anld);
        if (same == Word6Anlds.end() && Word6Anlds.size() >= static_cast<std::size_t>(cMaxNotes))
            return;
        listId += 1 + static_cast<std::int32_t>(same - Word6Anlds.begin());
        if (same == Word6Anlds.end())
            Word6Anlds.emplace_back(anld);
    }
    TVYXNumbering* number = Doc.Numberings().Find(listId, level);
    if (!number) {
        number = Doc.Numberings().Add(listId, level);
        if (!number)
            return;
        const TVYXDocSprm f{0xC63E, anld};
        const int nfc = f.Byte(0);
        const std::string_view text = anld.substr(20, 32);
        const std::size_t before = std::min<std::size_t>(f.Byte(1), text.size());
        const std::size_t end = std::clamp<std::size_t>(f.Byte(2), before, text.size());
        std::u16string format = VYXDecodeCodePage(text.substr(0, before), CodePage);
        if (nfc != 23)  // 23: a bullet, its text alone
            format += static_cast<char16_t>(level);
        format += VYXDecodeCodePage(text.substr(before, end - before), CodePage);
        number->Style = ListStyle(nfc);
        number->StyleEx = ListStyleEx(nfc);
        number->Text = format;
        number->StartVal = f.Short(10);
        const int jc = f.Byte(3) & 3;
        number->Align = jc == 1 ? vyptaCenter : jc == 2 ? vyptaRight : vyptaLeft;
        if (const std::uint16_t ftc = f.Word(6); ftc < Fonts.size() && !Fonts[ftc].empty())
            number->CHPX().SetFontName(Fonts[ftc]);
    }
    papx.SetNumbering(number);
}

void TVYXReadDOC::TImpl::CreateListLevels(std::int32_t listId, const TDocList& list,
                                          const std::vector<TLevelOverride>* overrides)
{
    TVYXDocCharContext context;
    context.Fonts = &Fonts;
    for (std::size_t l = 0; l < list.Levels.size(); ++l) {
        const TDocLevel* source = &list.Levels[l];
        const TLevelOverride* over = nullptr;
        if (overrides)
            for (const TLevelOverride& o : *overrides)
                if (static_cast<std::size_t>(o.Level) == l)
                    over = &o;
        if (over && over->Format)
            source = over->Format.get();
        TVYXNumbering* level = Doc.Numberings().Add(listId, static_cast<std::int32_t>(l));
        if (!level)
            continue;
        level->Style = ListStyle(source->Nfc);
        level->StyleEx = ListStyleEx(source->Nfc);
        level->Text = source->Text;
        level->StartVal = over && over->HasStart ? over->StartAt : source->StartAt;
        level->Align = source->Jc == 1 ? vyptaCenter : source->Jc == 2 ? vyptaRight : vyptaLeft;
        level->Suffix = source->Follow;
        VYXDocForEachSprm(source->Papx, [&](const TVYXDocSprm& s) { VYXDocApplyPara(s, level->PAPX(), nullptr); });
        VYXDocForEachSprm(source->Chpx, [&](const TVYXDocSprm& s) { VYXDocApplyChar(s, level->CHPX(), context); });
    }
}

void TVYXReadDOC::TImpl::ApplyRow(TTableLevel& level, std::string_view page, std::string_view piece)
{
    TVYXTableRow* row = level.Row;
    if (!row)
        return;
    struct TCellDef {
        double Width = 0;
        std::uint16_t Flags = 0;
        std::string Borders;  // top, left, bottom, right: four-byte borders
    };
    std::vector<TCellDef> defs;
    auto apply = [&](const TVYXDocSprm& s) {
        switch (s.Code) {
        case 0xD608: {
            const int count = std::min<int>(s.Byte(), 63);
            const std::size_t tcs = 1 + 2 * static_cast<std::size_t>(count + 1);
            defs.assign(static_cast<std::size_t>(count), {});
            for (int i = 0; i < count; ++i) {
                const auto at = static_cast<std::size_t>(i);
                defs[at].Width = (s.Short(1 + 2 * (at + 1)) - s.Short(1 + 2 * at)) / 20.0;
                if (tcs + 20 * (at + 1) <= s.Operand.size())
                {
                    defs[at].Flags = s.Word(tcs + 20 * at);
                    defs[at].Borders = std::string(s.Operand.substr(tcs + 20 * at + 4, 16));
                }
            }
            if (count > 0)
                level.Table->TAPX().SetIndent(s.Short(1) / 20.0);
            break;
        }
        case 0xD62B: {  // vertical merge of one cell
            const std::size_t itc = s.Byte();
            if (itc < defs.size())
                defs[itc].Flags = static_cast<std::uint16_t>((defs[itc].Flags & ~0x60) | (s.Byte(1) == 3 ? 0x60 : s.Byte(1) == 1 ? 0x20 : 0));
            break;
        }
        case 0xD634: {  // default cell margins: sides (top 1, left 2, bottom 4, right 8) in twips
            if (s.Byte(3) != 3)
                break;
            const double margin = s.Word(4) / 20.0;
            TVYXTAPX& tapx = level.Table->TAPX();
            if (s.Byte(2) & 1)
                tapx.SetCellMargTop(margin);
            if (s.Byte(2) & 2)
                tapx.SetCellMargLeft(margin);
            if (s.Byte(2) & 4)
                tapx.SetCellMargBottom(margin);
            if (s.Byte(2) & 8)
                tapx.SetCellMargRight(margin);
            break;
        }
        case 0x5400:
        case 0x548A:
            level.Table->TAPX().SetAlignment(s.Word() == 1 ? vyptaCenter : s.Word() == 2 ? vyptaRight : vyptaLeft);
            break;
        case 0x9407: row->Height = std::abs(s.Short()) / 20.0; break;
        case 0x3403:  // the row may not break across pages
        case 0x3644: row->CantSplit = s.Byte() != 0; break;
        case 0x3404: row->RptData = s.Byte() != 0; break;  // repeated as a header row
        case 0xF614:
            if (s.Byte() == 3) {
                level.Table->TAPX().SetWidthType(atwtPoints);
                level.Table->TAPX().SetWidth(s.Word(1) / 20.0);
            } else if (s.Byte() == 2) {
                level.Table->TAPX().SetWidthType(atwtPercent);
                level.Table->TAPX().SetWidth(s.Word(1) / 50.0);
            }
            break;
        case 0xD605:
        case 0xD613: {
            const bool old = s.Code == 0xD605;
            static constexpr TVYXTapId cSides[] = {vytiBorderTop, vytiBorderLeft, vytiBorderBottom, vytiBorderRight,
                                                   vytiBorderInsideHoriz, vytiBorderInsideVert};
            for (std::size_t i = 0; i < 6; ++i)
                if ((i + 1) * (old ? 4 : 8) <= s.Operand.size())
                    VYXDocReadBorder(s, i * (old ? 4 : 8), old, *level.Table->TAPX().AddBorder(cSides[i]));
            break;
        }
        case 0xD612:
        case 0xD609: {
            const std::size_t size = s.Code == 0xD612 ? 10 : 2;
            for (int i = 0; i < row->Count() && (static_cast<std::size_t>(i) + 1) * size <= s.Operand.size(); ++i) {
                const auto at = static_cast<std::size_t>(i) * size;
                const TVYXColor back = size == 10 ? VYXDocColorRef(s.DWord(at + 4)) : VYXDocIcoColor((s.Word(at) >> 5) & 0x1F);
                if (back != cVYXAutoColor)
                    row->GetCells(i)->SetFillColor(back);
            }
            break;
        }
        default: break;
        }
    };
    VYXDocForEachSprm(page.size() >= 2 ? page.substr(2) : std::string_view{}, apply);
    VYXDocForEachSprm(piece, apply);
    for (int i = 0; i < row->Count() && static_cast<std::size_t>(i) < defs.size(); ++i) {
        TVYXTableCell* cell = row->GetCells(i);
        const TCellDef& def = defs[static_cast<std::size_t>(i)];
        if (def.Width > 0) {
            cell->SetWidth(def.Width);
            cell->Props().WidthType = atwtPoints;
        }
        // Vertical merges: 3 starts one, 1 continues it. Some writers mark every cell of
        // a merge as a start; an empty start under a merged cell continues that merge.
        const int vmerge = (def.Flags >> 5) & 3;
        const TVYXTableRow* above = row->PrevRow();
        const TVYXTableCell* up = above ? above->CellN(i) : nullptr;
        const bool upMerged = up && (up->GetMerged() || up->GetMergedRoot());
        if (vmerge == 3 && !(upMerged && !cell->Paras().HasText()))
            cell->SetMergedRoot(true);
        else if (vmerge == 1 || vmerge == 3)
            cell->SetMerged(true);
        // Cell borders that the cell sets itself (none and "nil" leave the table's).
        static constexpr TVYXTableBorderSide cSides[] = {atbsTop, atbsLeft, atbsBottom, atbsRight};
        for (std::size_t b = 0; b < 4 && def.Borders.size() >= 16; ++b) {
            const TVYXDocSprm brc{0, std::string_view(def.Borders).substr(4 * b, 4)};
            const std::uint8_t type = brc.Byte(1);
            if (type != 0 && type != 0xFF)
                VYXDocReadBorder(brc, 0, true, *cell->Props().AddBorder(cSides[b]));
        }
        const int vert = (def.Flags >> 7) & 3;
        cell->AlignVert = vert == 1 ? atcavCenter : vert == 2 ? atcavBottom : atcavTop;
    }
    // Horizontal merges: the first cell spans the merged ones, which hold no text of their own.
    for (int i = std::min(row->Count(), static_cast<int>(defs.size())) - 1; i > 0; --i) {
        if (!(defs[static_cast<std::size_t>(i)].Flags & 0x2) || (defs[static_cast<std::size_t>(i)].Flags & 0x1))
            continue;
        TVYXTableCell* merged = row->GetCells(i);
        TVYXTableCell* first = row->GetCells(i - 1);
        if (merged->Paras().HasText())
            continue;
        first->SetGridSpan(first->GridSpan + merged->GridSpan);
        first->SetWidth(first->GetWidth() + merged->GetWidth());
        row->DeleteCell(i);
    }
}

void TVYXReadDOC::TImpl::BuildStory(std::uint32_t first, std::uint32_t lim, TListState body, TStory story)
{
    std::vector<TTableLevel> tables;
    TStoryState state;
    state.Story = story;
    std::uint32_t cp = first;
    while (cp < lim) {
        std::uint32_t end = cp;
        while (end < lim) {
            const char16_t c = Text[end];
            if (c == 13 || c == 7 || (c == 12 && story == stMain && SectionEndsAt(end + 1)))
                break;
            ++end;
        }
        const std::uint32_t mark = std::min(end, lim - 1);
        std::string_view pageMods, pieceMods;
        ParaGrpprls(mark, pageMods, pieceMods);
        TParaFacts facts;
        if (pageMods.size() >= 2) {
            facts.Istd = static_cast<std::uint16_t>(static_cast<std::uint8_t>(pageMods[0]) |
                                                    (static_cast<std::uint8_t>(pageMods[1]) << 8));
            ScanParaFacts(pageMods.substr(2), facts);
        }
        ScanParaFacts(pieceMods, facts);
        const int depth = facts.Depth();
        const char16_t markChar = end < lim ? Text[end] : 0;
        const bool rowEnd = depth > 0 && (depth == 1 ? facts.RowEnd && markChar == 7 : facts.InnerRowEnd);
        if (rowEnd) {
            // A row mark with no cell before it still makes a row of one empty cell, so
            // no table is left without rows or a row without cells.
            const bool empty = static_cast<int>(tables.size()) < depth || !tables[static_cast<std::size_t>(depth) - 1].Row;
            TargetList(tables, depth, body, empty);
            // The row ends here: its cells are complete; a row mark adds no paragraph.
            TTableLevel& top = tables.back();
            ApplyRow(top, pageMods, pieceMods);
            top.NeedRow = true;
            top.NeedCell = true;
            cp = end + 1;
            continue;
        }
        TListState& target = TargetList(tables, depth, body);
        TVYXLogPara& para = NewPara(target);
        const bool breakBefore = FormatPara(para, facts, pageMods, pieceMods, state);
        // Only body paragraphs outside tables start pages, and the first starts one anyway.
        if (breakBefore && depth == 0 && &target == &body && story == stMain && Doc.Paras().Count() > 1)
            para.AppendBreak(acrbtPageBreak);
        EmitText(para, cp, end, state);
        // A new paragraph starts with an empty run in the previous format; content replaces it.
        if (para.Count() > 1 && para.GetItems(0)->Type_() == acrtText && para.GetItems(0)->Text().empty())
            para.CharRuns().Detach(0);
        // An empty paragraph's height comes from its mark's format.
        if (para.Count() == 1 && para.GetItems(0)->Type_() == acrtText && para.GetItems(0)->Text().empty() && end < lim) {
            const TRunInfo markInfo = RunInfo(end, state);
            para.CharRuns().Detach(0);
            para.AppendFormattedText(u"", markInfo.Chpx.get());
        }
        // The file splits runs for reasons the model does not keep (languages, revision ids).
        para.CombineCharRuns();
        if (depth > 0 && (depth == 1 ? markChar == 7 : facts.InnerCell))
            tables.back().NeedCell = true;
        if (markChar == 12 && depth == 0 && &target == &body && story == stMain) {
            TVYXSEP sep(&Doc.SEP(), &Doc.DOP());
            MakeSection(static_cast<std::size_t>(SectionIndex++), sep);
            Doc.AppendSection(sep);
        }
        cp = end + 1;
    }
    // A story never ends inside a table.
    if (!tables.empty())
        NewPara(body);
}

TRunInfo TVYXReadDOC::TImpl::RunInfo(std::uint32_t cp, const TStoryState& state)
{
    TRunInfo info;
    info.Chpx = std::make_unique<TVYXCHPX>(nullptr);
    std::uint32_t fc = 0;
    int piece = -1;
    if (!CpToFc(cp, fc, piece))
        return info;
    TVYXDocCharContext context;
    context.Fonts = &Fonts;
    context.Base = state.StyleChpx;
    context.CharStyle = [&](int i) -> TVYXCharStyle* {
        TDocStyle* cs = StyleAt(static_cast<std::size_t>(i), 2);
        return cs ? static_cast<TVYXCharStyle*>(cs->Model) : nullptr;
    };
    auto apply = [&](const TVYXDocSprm& s) {
        if (VYXDocApplyChar(s, *info.Chpx, context))
            return;
        switch (s.Code) {
        case 0x0855: info.Special = s.Byte() != 0; break;
        case 0x0800: info.Deleted = s.Byte() != 0; break;
        case 0x0801: info.Inserted = s.Byte() != 0; break;
        case 0x6A09:
            info.SymbolFont = s.Word();
            info.Symbol = s.Word(2);
            break;
        case 0x6A03:
            info.Picture = true;
            info.PicOffset = s.DWord();
            break;
        default:
            if ((s.Code >> 10 & 7) == 2)  // character modifiers only
                Unhandled(s.Code);
            break;
        }
    };
    if (const TPropRun* run = FindRun(ChpxRuns, fc))
        VYXDocForEachSprm(run->Grpprl, apply);
    VYXDocForEachSprm(PieceGrpprl(piece), apply);
    if (info.Deleted || info.Inserted) {
        // Tracked changes stay visible as such: deleted text is kept, marked deleted.
        auto revision = std::make_unique<TVYXRevisionData>();
        revision->RevType = info.Deleted ? artDelete : artInsert;
        info.Chpx->AddRevision(std::move(revision));
    }
    return info;
}

void TVYXReadDOC::TImpl::Flush(TVYXLogPara& para, std::u16string& text, const TVYXCHPX* chpx)
{
    if (text.empty())
        return;
    para.AppendFormattedText(text, chpx);
    text.clear();
}

void TVYXReadDOC::TImpl::MarkEventsUpTo(TVYXLogPara& para, std::uint32_t cp)
{
    while (NextMark < MarkEvents.size() && MarkEvents[NextMark].Cp <= cp) {
        const TMarkEvent& e = MarkEvents[NextMark++];
        const auto index = static_cast<std::size_t>(e.Index);
        if (e.Comment) {
            if (index < OpenComments.size() && !OpenComments[index] && NoteCount < cMaxNotes) {
                ++NoteCount;
                OpenComments[index] = para.AppendComment(Doc.Comments(), MakeComment(index));
            }
            continue;
        }
        if (e.Start)
            OpenMarks[index] = para.AppendBookmark(BookmarkNames[index]);
        else if (OpenMarks[index]) {
            para.EndBookmark(*OpenMarks[index]);
            OpenMarks[index] = nullptr;
        }
    }
}

std::u16string TVYXReadDOC::TImpl::PlainText(std::uint32_t from, std::uint32_t to) const
{
    std::u16string out;
    std::vector<bool> fields;
    for (std::uint32_t cp = from; cp < std::min<std::uint32_t>(to, static_cast<std::uint32_t>(Text.size())); ++cp) {
        const char16_t c = Text[cp];
        if (c == 0x13) {
            if (fields.size() < cMaxFieldDepth)
                fields.push_back(false);
        } else if (c == 0x14) {
            if (!fields.empty())
                fields.back() = true;
        } else if (c == 0x15) {
            if (!fields.empty())
                fields.pop_back();
        } else if (std::find(fields.begin(), fields.end(), false) != fields.end()) {
            continue;
        } else if (c == 13 || c == 11 || c == 7 || c == 9) {
            if (!out.empty() && out.back() != u' ')
                out += u' ';
        } else if (c >= 0x20) {
            out += c;
        }
    }
    while (!out.empty() && out.back() == u' ')
        out.pop_back();
    return out;
}

TVYXFootnoteItem& TVYXReadDOC::TImpl::AppendNoteInCell(bool endnote, TVYXLogPara& anchor)
{
    TVYXFootnotesList& list = endnote ? Doc.EndnoteList() : Doc.FootnoteList();
    TVYXLogDocEditor& notes = endnote ? Doc.Endnotes() : Doc.Footnotes();
    // Notes arrive in reading order, so each goes last, in the list and in the notes.
    const int index = list.Count();
    TVYXFootnoteItem* note = list.Add();
    note->CharRun = anchor.InsertFootnote(anchor.EndOfParaPos(), note, endnote);
    note->FNotePara = &anchor;
    TVYXLogPara* notePara = index < notes.Paras().Count() ? notes.Paras().Insert(index) : notes.Paras().AppendPara();
    notePara->InsertFootnoteRef(1, note, endnote);
    note->StartPara = note->EndPara = notePara;
    return *note;
}

void TVYXReadDOC::TImpl::AppendNote(bool endnote, std::uint32_t cp, TVYXLogPara& anchor)
{
    const std::vector<std::uint32_t>& refs = endnote ? EdnRefs : FtnRefs;
    const std::vector<std::uint32_t>& txt = endnote ? EdnTxt : FtnTxt;
    const auto it = std::lower_bound(refs.begin(), refs.end(), cp);
    if (it == refs.end() || *it != cp || NoteCount >= cMaxNotes)
        return;
    const auto i = static_cast<std::size_t>(it - refs.begin());
    if (i + 1 >= txt.size())
        return;
    const std::uint32_t story = StoryStart[endnote ? stEndnote : stFootnote];
    const std::uint32_t storyEnd = StoryStart[(endnote ? stEndnote : stFootnote) + 1];
    const std::uint64_t from = std::uint64_t{story} + txt[i], to = std::uint64_t{story} + txt[i + 1];
    if (from > to || to > storyEnd)
        return;
    ++NoteCount;
    TVYXFootnoteItem& note = Doc.Paras().Last() != &anchor ? AppendNoteInCell(endnote, anchor)
                             : endnote                     ? Doc.AppendEndnote(u"")
                                                           : Doc.AppendFootnote(u"");
    TVYXLogPara* para = note.StartPara;
    if (!para)
        return;
    // The notes document keeps one paragraph per note: the note's paragraphs follow one
    // another there, joined by line breaks, in the first one's paragraph format.
    TStoryState state;
    state.Story = endnote ? stEndnote : stFootnote;
    std::uint32_t at = static_cast<std::uint32_t>(from);
    const auto lim = static_cast<std::uint32_t>(to);
    bool first = true;
    while (at < lim) {
        std::uint32_t end = at;
        while (end < lim && Text[end] != 13 && Text[end] != 7)
            ++end;
        if (end + 1 >= lim && end == at && !first)
            break;  // the story's closing mark
        if (first) {
            std::string_view pageMods, pieceMods;
            ParaGrpprls(std::min(end, lim - 1), pageMods, pieceMods);
            TParaFacts facts;
            if (pageMods.size() >= 2) {
                facts.Istd = static_cast<std::uint16_t>(static_cast<std::uint8_t>(pageMods[0]) |
                                                        (static_cast<std::uint8_t>(pageMods[1]) << 8));
                ScanParaFacts(pageMods.substr(2), facts);
            }
            facts.Ilfo = 0;
            FormatPara(*para, facts, pageMods, pieceMods, state);
        } else {
            para->AppendBreak(acrbtLineBreak);
        }
        first = false;
        EmitText(*para, at, end, state);
        at = end + 1;
    }
    para->CombineCharRuns();
}

void TVYXReadDOC::TImpl::AppendComment(TVYXLogPara& para, std::uint32_t cp)
{
    const auto it = std::lower_bound(AtnRefs.begin(), AtnRefs.end(), cp);
    if (it == AtnRefs.end() || *it != cp)
        return;
    const auto i = static_cast<std::size_t>(it - AtnRefs.begin());
    // A comment whose range opened earlier ends here.
    if (i < OpenComments.size() && OpenComments[i]) {
        para.EndComment(*OpenComments[i]);
        OpenComments[i] = nullptr;
        return;
    }
    if (NoteCount >= cMaxNotes)
        return;
    ++NoteCount;
    if (TVYXComment* added = para.AppendComment(Doc.Comments(), MakeComment(i)))
        para.EndComment(*added);
}

std::unique_ptr<TVYXComment> TVYXReadDOC::TImpl::MakeComment(std::size_t i) const
{
    auto comment = std::make_unique<TVYXComment>();
    comment->DateTime = 0;  // the file keeps no date in this form; none is better than now
    if (i < AtnInfo.size()) {
        comment->Initials = AtnInfo[i].Initials;
        if (AtnInfo[i].Author < AtnOwners.size())
            comment->Author = AtnOwners[AtnInfo[i].Author];
    }
    const std::uint32_t story = StoryStart[stComment], storyEnd = StoryStart[stComment + 1];
    if (i + 1 < AtnTxt.size()) {
        const std::uint64_t from = std::uint64_t{story} + AtnTxt[i], to = std::uint64_t{story} + AtnTxt[i + 1];
        // The comment's paragraphs as plain text, its own reference mark left out.
        if (from <= to && to <= storyEnd)
            for (std::uint32_t at = static_cast<std::uint32_t>(from); at < to;) {
                std::uint32_t end = at;
                while (end < to && Text[end] != 13 && Text[end] != 7)
                    ++end;
                comment->Text.push_back(PlainText(at, end));
                at = end + 1;
            }
    }
    return comment;
}

void TVYXReadDOC::TImpl::AppendTextBox(std::uint32_t cp)
{
    const auto it = std::lower_bound(Shapes.begin(), Shapes.end(), cp, [](const TShape& s, std::uint32_t v) { return s.Cp < v; });
    if (it == Shapes.end() || it->Cp != cp || NoteCount >= cMaxNotes)
        return;
    const auto box = std::find(TxbxLids.begin(), TxbxLids.end(), it->Lid);
    if (box == TxbxLids.end())
        return;  // a picture or drawing, not a text box
    const auto i = static_cast<std::size_t>(box - TxbxLids.begin());
    const std::uint32_t story = StoryStart[stTextBox], storyEnd = StoryStart[stTextBox + 1];
    const std::uint64_t from = std::uint64_t{story} + TxbxCps[i], to = std::uint64_t{story} + TxbxCps[i + 1];
    if (from >= to || to > storyEnd)
        return;
    ++NoteCount;
    TVYXLogDocEditor& editor = Doc.AddTextBox(std::max(it->Width, 1.0), std::max(it->Height, 1.0));
    // The box's story ends with a mark of its own that adds no paragraph.
    std::uint32_t lim = static_cast<std::uint32_t>(to);
    if (lim - 1 > from && Text[lim - 1] == 13)
        --lim;
    BuildStory(static_cast<std::uint32_t>(from), lim, {&editor.Paras(), true}, stTextBox);
}

bool TVYXReadDOC::TImpl::AppendShapePicture(TVYXLogPara& para, std::uint32_t cp)
{
    const auto it = std::lower_bound(Shapes.begin(), Shapes.end(), cp, [](const TShape& s, std::uint32_t v) { return s.Cp < v; });
    if (it == Shapes.end() || it->Cp != cp)
        return false;
    const auto pib = ShapePictures.find(it->Lid);
    if (pib == ShapePictures.end() || pib->second == 0 || pib->second > Blips.size())
        return false;
    if (!ReadPictures)
        return true;
    const TStoredBlip& blip = Blips[pib->second - 1];
    const std::string bytes = BlipAt(blip.InDoc ? Streams->Doc() : Streams->Table(), blip.Offset);
    if (bytes.empty())
        return true;
    TVYXPicture* picture = nullptr;
    try {
        auto stream = TVYXMemoryStream::View(bytes);
        picture = &Doc.Pictures().AddPicture(stream);
    } catch (const VYXException&) {
        return true;
    }
    // Anchored to the paragraph where it stands in the text, at its place on the page.
    const TShape& shape = *it;
    TVYXGraphicPicture& object = para.AddPicture(picture);
    if (shape.Width > 0 && shape.Height > 0) {
        object.Width = shape.Width;
        object.Height = shape.Height;
    }
    object.PosLeft = shape.Left;
    object.PosTop = shape.Top;
    // Horizontal frame: margin, page, column; vertical: margin, page, paragraph.
    const int bx = (shape.Flags >> 1) & 3, by = (shape.Flags >> 3) & 3;
    object.HorizPosRel = bx == 1 ? agohprPage : bx == 2 ? agohprColumn : agohprMargin;
    object.VertPosRel = by == 1 ? agovprPage : by == 2 ? agovprParagraph : agovprMargin;
    // Wrapping: 1 above and below, 3 none (in front of or behind the text), the others
    // around it; side 3 is the larger side.
    const int wrap = (shape.Flags >> 5) & 0xF, side = (shape.Flags >> 9) & 0xF;
    const bool below = (shape.Flags >> 14) & 1;
    object.Wrap = wrap == 1 ? agowTopBottom : wrap == 3 ? (below ? agowBehind : agowInFront)
                : side == 3 ? agow_ParaRight : agow_ParaLeft;
    object.LockAnchor = (shape.Flags >> 15) & 1;
    object.Precalc();
    return true;
}

std::string TVYXReadDOC::TImpl::BlipAt(const TVyMSWordStream& stream, std::uint32_t offset)
{
    if (!stream.Holds(offset, 8))
        return {};
    const std::uint16_t verInst = stream.WordAt(offset);
    const std::uint16_t type = stream.WordAt(offset + 2);
    const std::uint32_t len = stream.DWordAt(offset + 4);
    if (type < 0xF018 || type > 0xF117 || !stream.Holds(std::uint64_t{offset} + 8, len))
        return {};
    return BlipBytes(stream.Bytes(offset + 8, len), type, static_cast<std::uint16_t>(verInst >> 4), Inflated);
}

void TVYXReadDOC::TImpl::AppendBlip(TVYXLogPara& para, const TVyMSWordStream& stream, std::uint32_t offset)
{
    if (!ReadPictures) {
        para.AppendPicture();  // its place, for a paragraph that holds nothing else
        return;
    }
    const std::string bytes = BlipAt(stream, offset);
    if (bytes.empty())
        return;
    try {
        para.AppendPicture()->LoadPicture(bytes);
    } catch (const VYXException&) {
    }
}

void TVYXReadDOC::TImpl::AppendPicture(TVYXLogPara& para, std::uint32_t offset)
{
    // A picture header (its size and 68-byte header), an optional name, then drawing
    // records whose picture records hold the image bytes.
    const TVyMSWordStream& data = Streams->Data();
    if (!data.Holds(offset, 68))
        return;
    const std::uint32_t lcb = data.DWordAt(offset);
    const std::uint16_t cbHeader = data.WordAt(offset + 4);
    if (lcb < cbHeader || !data.Holds(offset, lcb))
        return;
    std::uint32_t pos = offset + cbHeader;
    const std::uint32_t end = offset + lcb;
    if (data.WordAt(offset + 6) == 0x66 && pos < end)
        pos += 1 + data.ByteAt(pos);
    for (int guard = 0; guard < 4096 && pos + 8 <= end; ++guard) {
        const std::uint16_t verInst = data.WordAt(pos);
        const std::uint16_t type = data.WordAt(pos + 2);
        const std::uint32_t len = data.DWordAt(pos + 4);
        const std::uint32_t body = pos + 8;
        if ((verInst & 0xF) == 0xF) {  // a container: look inside
            pos = body;
            continue;
        }
        if (type == 0xF007) {  // a picture entry: its picture record may follow its 36 bytes
            pos = body + 36;
            continue;
        }
        if (type >= 0xF018 && type <= 0xF117) {  // a picture record
            if (std::uint64_t{body} + len <= end)
                AppendBlip(para, data, pos);
            return;
        }
        if (std::uint64_t{body} + len > end)
            return;
        pos = body + len;
    }
}

void TVYXReadDOC::TImpl::EmitText(TVYXLogPara& para, std::uint32_t from, std::uint32_t to, TStoryState& state)
{
    std::vector<TField>& fields = state.Fields;
    std::u16string pending;
    TRunInfo info;
    const TPropRun* infoRun = nullptr;
    int infoPiece = -2;
    std::uint32_t validUntil = 0;  // the first position whose properties may differ
    auto shown = [&] {
        for (const TField& f : fields)
            if (!f.InResult)
                return false;
        return true;
    };
    const bool main = state.Story == stMain;
    for (std::uint32_t cp = from; cp < to; ++cp) {
        if (main && NextMark < MarkEvents.size() && MarkEvents[NextMark].Cp <= cp) {
            Flush(para, pending, info.Chpx.get());
            MarkEventsUpTo(para, cp);
        }
        // The run's properties: looked up again only where the run or piece may change
        // (positions in the same piece and inside the same run's file range share them).
        if (!info.Chpx || cp >= validUntil) {
            std::uint32_t fc = 0;
            int piece = -1;
            CpToFc(cp, fc, piece);
            const TPropRun* run = FindRun(ChpxRuns, fc);
            if (run != infoRun || piece != infoPiece || !info.Chpx) {
                Flush(para, pending, info.Chpx.get());
                info = RunInfo(cp, state);
                infoRun = run;
                infoPiece = piece;
            }
            validUntil = cp + 1;
            if (piece >= 0 && run) {
                const TPiece& p = Pieces[static_cast<std::size_t>(piece)];
                const std::uint32_t width = p.Compressed ? 1 : 2;
                const std::uint64_t runEnd = cp + (std::uint64_t{run->FcEnd} - fc + width - 1) / width;
                validUntil = std::max<std::uint32_t>(validUntil, static_cast<std::uint32_t>(std::min<std::uint64_t>(p.CpEnd, runEnd)));
            }
        }
        const char16_t c = Text[cp];
        // Plain characters up to the next mark, run end or bookmark go in one step.
        if (c >= 0x20 && !(c == 0x28 && info.Special)) {
            std::uint32_t stop = std::min(to, validUntil);
            if (main && NextMark < MarkEvents.size())
                stop = std::min(stop, std::max(cp + 1, MarkEvents[NextMark].Cp));
            std::uint32_t end = cp + 1;
            while (end < stop && Text[end] >= 0x20 && Text[end] != 0x28)
                ++end;
            const std::u16string_view span(Text.data() + cp, end - cp);
            if (!shown()) {
                if (!fields.empty() && fields.back().Instr.size() < 4096)
                    fields.back().Instr.append(span.substr(0, 4096 - fields.back().Instr.size()));
            } else {
                pending.append(span);
            }
            cp = end - 1;
            continue;
        }
        switch (c) {
        case 0x13:
            Flush(para, pending, info.Chpx.get());
            if (fields.size() < cMaxFieldDepth)
                fields.push_back({});
            continue;
        case 0x14:
            if (!fields.empty()) {
                Flush(para, pending, info.Chpx.get());
                fields.back().InResult = true;
                fields.back().ResultPara = &para;
                fields.back().ResultFrom = para.EndOfParaPos();
            }
            continue;
        case 0x15:
            if (!fields.empty()) {
                Flush(para, pending, info.Chpx.get());
                TField& f = fields.back();
                std::u16string address;
                bool bookmark = false;
                const bool result = f.InResult && f.ResultPara == &para && para.EndOfParaPos() >= f.ResultFrom;
                if (result && para.EndOfParaPos() > f.ResultFrom && ParseHyperlink(f.Instr, address, bookmark)) {
                    TVYXHyperlink* link = Doc.Hyperlinks().Add(address, bookmark ? ahtBookmark : ahtURL);
                    para.MakeHyperlink(link, f.ResultFrom, para.EndOfParaPos());
                } else if (result && IsPageField(f.Instr)) {
                    // Page numbers change with layout: they stay fields, showing the result read.
                    const std::u16string text = para.GetText();
                    const std::u16string resultText = text.substr(std::min(text.size(), static_cast<std::size_t>(f.ResultFrom - 1)));
                    if (para.EndOfParaPos() > f.ResultFrom)
                        para.DeleteText(f.ResultFrom, para.EndOfParaPos(), nullptr);
                    para.AppendField(Trimmed(f.Instr), resultText);
                }
                fields.pop_back();
            }
            continue;
        default: break;
        }
        if (!shown()) {
            if (!fields.empty() && fields.back().Instr.size() < 4096)
                fields.back().Instr += c;
            continue;
        }
        switch (c) {
        case 0x09:
            Flush(para, pending, info.Chpx.get());
            para.AppendTab();
            break;
        case 0x0B:
            Flush(para, pending, info.Chpx.get());
            para.AppendBreak(acrbtLineBreak);
            break;
        case 0x0C:
            Flush(para, pending, info.Chpx.get());
            para.AppendBreak(acrbtPageBreak);
            break;
        case 0x0E:
            Flush(para, pending, info.Chpx.get());
            para.AppendBreak(acrbtColumn);
            break;
        case 0x1E: pending += u'\u2011'; break;  // non-breaking hyphen
        case 0x1F: pending += u'\u00AD'; break;  // optional hyphen
        case 0x28:
            if (info.Special && info.Symbol) {
                // A symbol: a character of a named font, kept apart in a run of that font.
                Flush(para, pending, info.Chpx.get());
                TVYXCHPX symbol(nullptr);
                symbol.Assign(*info.Chpx, &Doc.Styles(), &Doc.Styles());
                if (info.SymbolFont < Fonts.size() && !Fonts[info.SymbolFont].empty())
                    symbol.SetFontName(Fonts[info.SymbolFont]);
                para.AppendFormattedText(std::u16string(1, info.Symbol), &symbol);
            } else {
                pending += c;
            }
            break;
        case 0x01:
            if (info.Picture && !info.Deleted) {
                Flush(para, pending, info.Chpx.get());
                AppendPicture(para, info.PicOffset);
            }
            break;
        case 0x08:
            // A drawn object: pictures float where the file places them, text boxes come
            // with their text, other drawings are left out.
            if ((main || state.Story == stHeader) && info.Special) {
                Flush(para, pending, info.Chpx.get());
                if (!AppendShapePicture(para, cp) && Doc.Paras().Last() == &para)
                    AppendTextBox(cp);
            }
            break;
        case 0x05:
            if (main && info.Special) {
                Flush(para, pending, info.Chpx.get());
                AppendComment(para, cp);
            }
            break;
        case 0x02:
            // An automatic note number: in the text it is the note's reference.
            if (main && info.Special) {
                Flush(para, pending, info.Chpx.get());
                AppendNote(false, cp, para);
                AppendNote(true, cp, para);
            }
            break;
        default:
            if (c >= 0x20)
                pending += c;
            // Other control characters mark objects (drawings, comment references,
            // separators) that have no text of their own.
            break;
        }
    }
    Flush(para, pending, info.Chpx.get());
    if (main)
        MarkEventsUpTo(para, to);
}

void TVYXReadDOC::TImpl::MakeSection(std::size_t index, TVYXSEP& sep)
{
    // The format's defaults: US letter, 1.25" sides, 1" top and bottom, 0.5" header and footer.
    sep.PageWidth = 612;
    sep.PageHeight = 792;
    sep.MargLeft = sep.MargRight = 90;
    sep.MargTop = sep.MargBottom = 72;
    sep.MargHeader = sep.MargFooter = 36;
    sep.Type = astNextPage;
    sep.TitlePg = false;
    sep.ClearCols();
    if (index >= SectionSepx.size())
        return;
    const std::uint32_t at = SectionSepx[index];
    const TVyMSWordStream& doc = Streams->Doc();
    if (at == 0xFFFFFFFF || !doc.Holds(at, 2) || !doc.Holds(std::uint64_t{at} + 2, doc.WordAt(at)))
        return;
    int columns = 1;
    double space = 36;
    std::string_view sepx = doc.Bytes(at + 2, doc.WordAt(at));
    if (Fib.Word6)
        sepx = Rewrite(sepx);
    VYXDocForEachSprm(sepx, [&](const TVYXDocSprm& s) {
        if (VYXDocApplySection(s, sep))
            return;
        if (s.Code == 0x500B)
            columns = std::clamp(s.Word() + 1, 1, 45);
        else if (s.Code == 0x900C)
            space = s.Word() / 20.0;
    });
    sep.CheckValues();
    if (columns > 1)
        sep.AddCols(columns, space);
}

void TVYXReadDOC::TImpl::BuildHeaders()
{
    // Six separator stories, then six per section: even and odd header, even and odd
    // footer, first-page header and footer. The model keeps one set: the first section's,
    // a story left empty there taken from a later section.
    if (HddCps.size() < 8)
        return;
    const std::uint32_t story = StoryStart[stHeader], storyEnd = StoryStart[stHeader + 1];
    const std::size_t stories = HddCps.size() - 1;
    for (int kind = 0; kind < 6; ++kind) {
        for (std::size_t k = 6 + static_cast<std::size_t>(kind); k < stories; k += 6) {
            const std::uint64_t from = std::uint64_t{story} + HddCps[k], to = std::uint64_t{story} + HddCps[k + 1];
            if (from >= to || to > storyEnd)
                continue;
            TVYXHeadersFooters& set = kind == 0 || kind == 1 || kind == 4 ? Doc.Headers() : Doc.Footers();
            const TVYXHeaderFooterType type = kind >= 4 ? ahftFirst : kind % 2 == 0 ? ahftEven : ahftDefault;
            TVYXLogDocEditor& editor = set.Add(type);
            // The story ends with a paragraph mark of its own that adds no paragraph.
            const std::uint32_t last = static_cast<std::uint32_t>(to) - 1;
            const std::uint32_t lim = Text[last] == 13 && last > from ? last : static_cast<std::uint32_t>(to);
            BuildStory(static_cast<std::uint32_t>(from), lim, {&editor.Paras(), true}, stHeader);
            break;
        }
    }
}
