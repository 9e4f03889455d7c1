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
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "editing/VYXLogEditor.h"
#include "import/VYXDOCStream.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"

namespace {

constexpr std::uint16_t cWordIdent = 0xA5EC;
constexpr std::uint16_t cWord6Ident = 0xA5DC;
constexpr std::uint16_t cFibComplex = 0x0004;
constexpr std::uint16_t cFibEncrypted = 0x0100;
constexpr std::uint16_t cFibWhichTable = 0x0200;
constexpr std::uint16_t cFibFirstWord97 = 0xC0;
constexpr std::uint32_t cPageSize = 512;
// Nesting deeper than this is treated as this deep (tables and fields).
constexpr int cMaxTableDepth = 16;
constexpr std::size_t cMaxFieldDepth = 64;

// Indexes of the offset/length pairs used from the FIB's table of them.
enum TFcLcb {
    fclStshf = 1, fclPlcffndRef = 2, fclPlcffndTxt = 3, fclPlcfSed = 6, fclPlcfHdd = 11,
    fclPlcfBteChpx = 12, fclPlcfBtePapx = 13, fclSttbfFfn = 15, fclSttbfBkmk = 21, fclPlcfBkf = 22,
    fclPlcfBkl = 23, fclClx = 33, fclPlcfendRef = 46, fclPlcfendTxt = 47, fclPlfLst = 73, fclPlfLfo = 74,
    fclCount = 93
};

// The stories, in the order their text follows one another.
enum TStory { stMain, stFootnote, stHeader, stMacro, stComment, stEndnote, stTextBox, stHeaderTextBox, stCount };

struct TFib {
    std::uint16_t Ident = 0, Version = 0, Lid = 0, Flags = 0;
    std::uint32_t Ccp[stCount] = {};
    std::uint32_t Fc[fclCount] = {}, Lcb[fclCount] = {};
};

struct TPiece {
    std::uint32_t CpStart = 0, CpEnd = 0;
    std::uint32_t Fc = 0;  // byte offset in the WordDocument stream
    bool Compressed = false;
    std::uint16_t Prm = 0;
};

// A range of file offsets and the property modifiers that apply to it.
struct TPropRun {
    std::uint32_t FcStart = 0, FcEnd = 0;
    std::string_view Grpprl;  // into a stream's bytes, valid while the streams live
};

// ---- Property modifiers (sprms) ------------------------------------------------------

struct TSprm {
    std::uint16_t Code = 0;
    std::string_view Operand;
    std::uint8_t Byte(std::size_t i = 0) const { return i < Operand.size() ? static_cast<std::uint8_t>(Operand[i]) : 0; }
    std::uint16_t Word(std::size_t i = 0) const { return static_cast<std::uint16_t>(Byte(i) | (Byte(i + 1) << 8)); }
    std::int16_t Short(std::size_t i = 0) const { return static_cast<std::int16_t>(Word(i)); }
    std::uint32_t DWord(std::size_t i = 0) const { return Word(i) | (std::uint32_t{Word(i + 2)} << 16); }
};

// The operand's size in bytes (the length prefix of variable operands included), or
// -1 when the modifier runs past `rest` (what follows its two-byte code).
int SprmOperandSize(std::uint16_t code, std::string_view rest)
{
    auto byteAt = [&](std::size_t i) { return i < rest.size() ? static_cast<std::uint8_t>(rest[i]) : -1; };
    switch (code >> 13) {
    case 0:
    case 1: return 1;
    case 2:
    case 4:
    case 5: return 2;
    case 3: return 4;
    case 7: return 3;
    default: break;
    }
    if (code == 0xD608 || code == 0xD606) {  // table definitions: a two-byte length counting itself less one
        if (rest.size() < 2)
            return -1;
        return 1 + (byteAt(0) | (byteAt(1) << 8));
    }
    const int cb = byteAt(0);
    if (cb < 0)
        return -1;
    if (code == 0xC615 && cb == 255) {  // tab changes too long for a length byte: deletions, then additions
        const int dels = byteAt(1);
        if (dels < 0)
            return -1;
        const int adds = byteAt(2 + 4 * dels);
        if (adds < 0)
            return -1;
        return 3 + 4 * dels + 3 * adds;
    }
    return 1 + cb;
}

// Walks a grpprl; stops at the first modifier that does not fit.
template <class F>
void ForEachSprm(std::string_view grpprl, F&& f)
{
    std::size_t i = 0;
    while (i + 2 <= grpprl.size()) {
        const auto code = static_cast<std::uint16_t>(static_cast<std::uint8_t>(grpprl[i]) |
                                                     (static_cast<std::uint8_t>(grpprl[i + 1]) << 8));
        const std::string_view rest = grpprl.substr(i + 2);
        const int size = SprmOperandSize(code, rest);
        if (size < 0 || static_cast<std::size_t>(size) > rest.size())
            return;
        TSprm sprm{code, rest.substr(0, static_cast<std::size_t>(size))};
        if ((code >> 13) == 6)  // variable operands: skip the length prefix
            sprm.Operand = sprm.Operand.substr(code == 0xD608 || code == 0xD606 ? 2 : 1);
        f(sprm);
        i += 2 + static_cast<std::size_t>(size);
    }
}

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
    ForEachSprm(grpprl, [&](const TSprm& s) {
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
    std::uint32_t StoryStart[stCount + 1] = {};

    void Load(std::string bytes);
    void ReadFib();
    void ReadClx();
    void ReadText();
    void ReadBinTable(int which, bool papx);
    // The FC of a character position, and its piece's index; false outside the pieces.
    bool CpToFc(std::uint32_t cp, std::uint32_t& fc, int& piece) const;
    static const TPropRun* FindRun(const std::vector<TPropRun>& runs, std::uint32_t fc);
    std::string_view PieceGrpprl(int piece) const;
    // The paragraph modifiers in effect at the mark `cp`: page, then piece.
    void ParaGrpprls(std::uint32_t cp, std::string_view& page, std::string_view& piece) const;

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
    void BuildStory(std::uint32_t first, std::uint32_t lim, TListState body, TStory story);
    TVYXLogPara& NewPara(TListState& state);
    TListState& TargetList(std::vector<TTableLevel>& tables, int depth, TListState& body);
    void EmitText(TVYXLogPara& para, std::uint32_t from, std::uint32_t to, TStory story,
                  std::vector<TField>& fields);
    void Flush(TVYXLogPara& para, std::u16string& text, std::vector<TField>& fields);
    bool SectionEndsAt(std::uint32_t cp) const { return std::binary_search(SectionEnds.begin(), SectionEnds.end(), cp); }
    std::vector<std::uint32_t> SectionEnds;
};

TVYXReadDOC::TVYXReadDOC(TVYXLogDocEditor& doc) : FDoc(doc), FImpl(std::make_unique<TImpl>(doc)) {}
TVYXReadDOC::~TVYXReadDOC() = default;

void TVYXReadDOC::LoadFromFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw VYXException("Can not open file: " + fileName);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LoadFromBytes(std::move(bytes));
}

void TVYXReadDOC::LoadFromBytes(std::string bytes)
{
    FImpl = std::make_unique<TImpl>(FDoc);
    FDoc.Clear();
    TVYXEditorUpdate update(FDoc);
    FImpl->Load(std::move(bytes));
}

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
    Streams->OpenTable((Fib.Flags & cFibWhichTable) != 0);
    ReadClx();
    ReadText();
    ReadBinTable(fclPlcfBteChpx, false);
    ReadBinTable(fclPlcfBtePapx, true);

    // Section ends, for telling a section break from a page break.
    TVyMSWordStream& tbl = Streams->Table();
    if (Fib.Lcb[fclPlcfSed] >= 4 && tbl.Holds(Fib.Fc[fclPlcfSed], Fib.Lcb[fclPlcfSed])) {
        const std::uint32_t n = (Fib.Lcb[fclPlcfSed] - 4) / 16;
        for (std::uint32_t i = 1; i <= n; ++i)
            SectionEnds.push_back(tbl.DWordAt(Fib.Fc[fclPlcfSed] + 4 * i));
        std::sort(SectionEnds.begin(), SectionEnds.end());
    }

    TListState body{&Doc.Paras(), false};
    BuildStory(StoryStart[stMain], StoryStart[stMain + 1], body, stMain);
}

void TVYXReadDOC::TImpl::ReadFib()
{
    TVyMSWordStream& s = Streams->Doc();
    if (s.Size() < 34)
        throw VYXException("File is not a MS Word file");
    Fib.Ident = s.WordAt(0);
    Fib.Version = s.WordAt(2);
    // Word 6 and 95 files carry their own identifiers (0xA5DC and others) and versions 101-105.
    if (Fib.Ident == cWord6Ident || (Fib.Ident != cWordIdent && Fib.Version >= 101 && Fib.Version <= 105))
        throw VYXException("Unsupported DOC version (Word 6/95)");
    if (Fib.Ident != cWordIdent)
        throw VYXException("File is not a MS Word file");
    Fib.Lid = s.WordAt(6);
    Fib.Flags = s.WordAt(10);
    if (Fib.Flags & cFibEncrypted)
        throw VYXException("Document is encrypted.");
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

void TVYXReadDOC::TImpl::ReadClx()
{
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
        PrcGrpprls.push_back(tbl.Bytes(pos + 3, cb));
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
        p.Compressed = (fcValue & 0x40000000) != 0;
        p.Fc = p.Compressed ? (fcValue & 0x3FFFFFFF) / 2 : fcValue & 0x3FFFFFFF;
        p.Prm = tbl.WordAt(pcds + 8 * i + 6);
        const std::uint64_t bytes = std::uint64_t{p.CpEnd - p.CpStart} * (p.Compressed ? 1 : 2);
        if (p.Fc + bytes > docSize)
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
            // 8-bit pieces hold the Western code page (the format's rule, whatever the language).
            Text += VYXDecodeCodePage(doc.Bytes(p.Fc, count), cVYXCodePageAnsi);
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
    const std::uint32_t n = (lcb - 4) / 8;
    std::vector<TPropRun>& runs = papx ? PapxRuns : ChpxRuns;
    std::vector<std::uint32_t> seen;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t pn = tbl.DWordAt(fc + 4 * (n + 1) + 4 * i) & 0x3FFFFF;
        if (std::find(seen.begin(), seen.end(), pn) != seen.end())
            continue;  // a page listed twice adds nothing
        seen.push_back(pn);
        const std::uint64_t page = std::uint64_t{pn} * cPageSize;
        if (!doc.Holds(page, cPageSize))
            continue;
        const std::string_view bytes = doc.Bytes(static_cast<std::uint32_t>(page), cPageSize);
        auto u8 = [&](std::uint32_t i2) { return static_cast<std::uint8_t>(bytes[i2]); };
        auto u32 = [&](std::uint32_t i2) {
            return std::uint32_t{u8(i2)} | (std::uint32_t{u8(i2 + 1)} << 8) | (std::uint32_t{u8(i2 + 2)} << 16) |
                   (std::uint32_t{u8(i2 + 3)} << 24);
        };
        const std::uint32_t count = u8(cPageSize - 1);
        const std::uint32_t entry = papx ? 13 : 1;
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
                    if (cb == 0) {
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
        ForEachSprm(run.Grpprl.size() > 2 ? run.Grpprl.substr(2) : std::string_view{}, [&](const TSprm& s) {
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
    while (it != runs.begin()) {
        --it;
        if (fc < it->FcEnd)
            return &*it;
        if (fc - it->FcStart > (1u << 24))
            break;  // runs do not overlap by that much: stop looking back
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
    const std::uint16_t prm = Pieces[static_cast<std::size_t>(piece)].Prm;
    // Only the indexed form (bit 0 set) is applied; the single-modifier form names
    // modifiers by a compressed index that fast saves rarely use.
    if (!(prm & 1))
        return {};
    const std::size_t index = prm >> 1;
    return index < PrcGrpprls.size() ? PrcGrpprls[index] : std::string_view{};
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

// ---- Building ------------------------------------------------------------------------

TVYXLogPara& TVYXReadDOC::TImpl::NewPara(TListState& state)
{
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
                                                              TListState& body)
{
    tables.resize(std::min<std::size_t>(tables.size(), static_cast<std::size_t>(depth)));
    while (static_cast<int>(tables.size()) < depth) {
        TListState& outer = tables.empty() ? body : tables.back().CellList;
        if (!tables.empty()) {
            // A nested table opens a cell that may not have one yet.
            TTableLevel& up = tables.back();
            if (!up.Row || up.NeedRow) {
                up.Row = up.Table->Add();
                up.NeedRow = false;
                up.NeedCell = true;
            }
            if (!up.Cell || up.NeedCell) {
                up.Cell = up.Row->Add();
                up.NeedCell = false;
                up.CellList = {&up.Cell->Paras(), true};
            }
        }
        TListState& list = tables.empty() ? body : tables.back().CellList;
        (void)outer;
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
    TTableLevel& top = tables.back();
    if (!top.Row || top.NeedRow) {
        top.Row = top.Table->Add();
        top.NeedRow = false;
        top.NeedCell = true;
    }
    if (!top.Cell || top.NeedCell) {
        top.Cell = top.Row->Add();
        top.NeedCell = false;
        top.CellList = {&top.Cell->Paras(), true};
    }
    return top.CellList;
}

void TVYXReadDOC::TImpl::BuildStory(std::uint32_t first, std::uint32_t lim, TListState body, TStory story)
{
    std::vector<TTableLevel> tables;
    std::vector<TField> fields;
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
            TargetList(tables, depth, body);
            // The row ends here: its cells are complete; a row mark adds no paragraph.
            TTableLevel& top = tables.back();
            top.NeedRow = true;
            top.NeedCell = true;
            cp = end + 1;
            continue;
        }
        TListState& target = TargetList(tables, depth, body);
        TVYXLogPara& para = NewPara(target);
        EmitText(para, cp, end, story, fields);
        if (depth > 0 && (depth == 1 ? markChar == 7 : facts.InnerCell))
            tables.back().NeedCell = true;
        if (markChar == 12 && depth == 0 && &target == &body && story == stMain)
            Doc.AppendSection(Doc.SEP());
        cp = end + 1;
    }
    // Unclosed fields keep what they showed; a story never ends inside a table.
    if (!tables.empty() && body.List == &Doc.Paras())
        Doc.AppendPara();
}

void TVYXReadDOC::TImpl::Flush(TVYXLogPara& para, std::u16string& text, std::vector<TField>&)
{
    if (text.empty())
        return;
    para.AppendFormattedText(text, nullptr);
    text.clear();
}

void TVYXReadDOC::TImpl::EmitText(TVYXLogPara& para, std::uint32_t from, std::uint32_t to, TStory,
                                  std::vector<TField>& fields)
{
    std::u16string pending;
    auto shown = [&] {
        for (const TField& f : fields)
            if (!f.InResult)
                return false;
        return true;
    };
    for (std::uint32_t cp = from; cp < to; ++cp) {
        const char16_t c = Text[cp];
        switch (c) {
        case 0x13:
            Flush(para, pending, fields);
            if (fields.size() < cMaxFieldDepth)
                fields.push_back({});
            continue;
        case 0x14:
            if (!fields.empty()) {
                Flush(para, pending, fields);
                fields.back().InResult = true;
            }
            continue;
        case 0x15:
            if (!fields.empty()) {
                Flush(para, pending, fields);
                fields.pop_back();
            }
            continue;
        default: break;
        }
        if (!shown()) {
            if (!fields.empty())
                fields.back().Instr += c;
            continue;
        }
        switch (c) {
        case 0x09:
            Flush(para, pending, fields);
            para.AppendTab();
            break;
        case 0x0B:
            Flush(para, pending, fields);
            para.AppendBreak(acrbtLineBreak);
            break;
        case 0x0C:
            Flush(para, pending, fields);
            para.AppendBreak(acrbtPageBreak);
            break;
        case 0x0E:
            Flush(para, pending, fields);
            para.AppendBreak(acrbtColumn);
            break;
        case 0x1E: pending += u'\u2011'; break;  // non-breaking hyphen
        case 0x1F: pending += u'\u00AD'; break;  // optional hyphen
        default:
            if (c >= 0x20)
                pending += c;
            // Other control characters mark objects (pictures, note and comment
            // references, drawings, separators) that have no text of their own.
            break;
        }
    }
    Flush(para, pending, fields);
}
