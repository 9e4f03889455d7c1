// VYXReadDOCStory.cpp: the importer's stories: runs, fields, bookmarks, sections and headers.
#include "import/VYXReadDOCImpl.h"

#include <algorithm>

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

namespace {

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

}  // namespace

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
