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
//
// This unit reads the file information block, the piece table, the text and the bin
// tables; the state is in VYXReadDOCImpl.h, and the other seams are VYXReadDOCStyles
// (fonts, style sheet, lists and the other secondary tables), VYXReadDOCParas
// (paragraphs, list levels, table rows), VYXReadDOCStory (runs, fields, sections,
// headers) and VYXReadDOCObjects (comments, notes, shapes, text boxes, pictures).
#include "import/VYXReadDOC.h"

#include "import/VYXReadDOCImpl.h"

#include <algorithm>
#include <fstream>

#include "editing/VYXLogEditor.h"
#include "import/VYXDOCSprm.h"
#include "import/VYXDOCStream.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace vyx_doc {

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

}  // namespace vyx_doc

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
    // Tables whose older layout differs: headers and footers are listed only where present
    // (SpreadWord6Headers); bookmark names and comment authors and initials are 8-bit,
    // comment records shorter (ReadBookmarks, ReadComments).
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
