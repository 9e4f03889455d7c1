// VYXReadDOCStyles.cpp: the importer's secondary tables: fonts, style sheet, lists, sections, notes, headers and bookmarks.
#include "import/VYXReadDOCImpl.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <iterator>

#include "editing/VYXLogEditor.h"
#include "import/VYXDOCSprm.h"
#include "import/VYXDOCStream.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXUnicode.h"

namespace {

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

}  // namespace

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
