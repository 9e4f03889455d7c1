// VYXReadDOCObjects.cpp: the importer's comments, notes, shapes, text boxes and pictures.
#include "import/VYXReadDOCImpl.h"

#include <algorithm>
#include <functional>
#include <map>

#include "editing/VYXLogEditor.h"
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

#include <zlib.h>

namespace {

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

void TVYXReadDOC::TImpl::ReadComments()
{
    TVyMSWordStream& tbl = Streams->Table();
    // Older records: initials as a length byte and up to nine 8-bit characters, the
    // author's index at 10, twenty bytes in all; the names of the authors 8-bit too.
    const std::uint32_t recordSize = Fib.Word6 ? 20 : 30;
    AtnRefs = ReadPlcCps(fclPlcfandRef, recordSize);
    AtnTxt = ReadPlcCps(fclPlcfandTxt, 0);
    if (AtnRefs.empty())
        return;
    const std::uint32_t records = Fib.Fc[fclPlcfandRef] + 4 * static_cast<std::uint32_t>(AtnRefs.size());
    AtnRefs.pop_back();
    if (Fib.Word6) {
        for (std::size_t i = 0; i < AtnRefs.size(); ++i) {
            const std::uint32_t at = records + recordSize * static_cast<std::uint32_t>(i);
            TAtnAuthor info;
            const std::uint8_t cch = std::min<std::uint8_t>(tbl.ByteAt(at), 9);
            info.Initials = VYXDecodeCodePage(tbl.Bytes(at + 1, cch), CodePage);
            info.Author = tbl.WordAt(at + 10);
            info.Tag = -1;
            AtnInfo.push_back(std::move(info));
        }
        const std::uint32_t fc = Fib.Fc[fclGrpXstAtnOwners], lcb = Fib.Lcb[fclGrpXstAtnOwners];
        if (lcb == 0 || !tbl.Holds(fc, lcb))
            return;
        for (std::uint32_t pos = fc; pos < fc + lcb;) {
            const std::uint8_t cch = tbl.ByteAt(pos);
            if (std::uint64_t{pos} + 1 + cch > std::uint64_t{fc} + lcb)
                break;
            AtnOwners.push_back(VYXDecodeCodePage(tbl.Bytes(pos + 1, cch), CodePage));
            pos += 1 + cch;
        }
        return;
    }
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
