// VYXDocTestBuilder.cpp: small binary documents built in memory.
#include "VYXDocTestBuilder.h"

#include <algorithm>
#include <iterator>
#include <random>

#include "platform/VYXCompoundFile.h"

namespace {

constexpr std::uint32_t cTextAt = 1024;
constexpr std::uint32_t cPage = 512;

void Put16(std::string& s, std::size_t at, std::uint32_t v)
{
    if (s.size() < at + 2)
        s.resize(at + 2, '\0');
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, std::size_t at, std::uint32_t v)
{
    Put16(s, at, v & 0xFFFF);
    Put16(s, at + 2, v >> 16);
}

void Add16(std::string& s, std::uint32_t v) { Put16(s, s.size(), v); }
void Add32(std::string& s, std::uint32_t v) { Put32(s, s.size(), v); }

struct TFcEntry {
    std::uint32_t FcStart, FcEnd;
    std::string Props;  // empty: none
};

// One property page: offsets, then per entry a byte (character pages) or a byte
// and 12 reserved bytes (paragraph pages), the property lists from the end back.
std::string Fkp(std::vector<TFcEntry> entries, bool papx)
{
    std::string page(cPage, '\0');
    const std::size_t n = entries.size();
    const std::size_t entry = papx ? 13 : 1;
    std::size_t free = cPage - 1;
    for (std::size_t i = 0; i < n; ++i) {
        Put32(page, 4 * i, entries[i].FcStart);
        if (i + 1 == n)
            Put32(page, 4 * (i + 1), entries[i].FcEnd);
        if (entries[i].Props.empty() && !papx)
            continue;
        std::string blob;
        if (papx) {  // a zero, a count of words, the words
            std::string body = entries[i].Props;
            if (body.size() % 2)
                body += '\0';
            blob = std::string(1, '\0') + static_cast<char>(body.size() / 2) + body;
        } else {
            blob = static_cast<char>(entries[i].Props.size()) + entries[i].Props;
        }
        free -= blob.size();
        free &= ~std::size_t{1};
        page.replace(free, blob.size(), blob);
        page[4 * (n + 1) + entry * i] = static_cast<char>(free / 2);
    }
    page[cPage - 1] = static_cast<char>(n);
    return page;
}

}  // namespace

std::string DocSprm(std::uint16_t code, std::uint64_t operand, int operandSize)
{
    std::string s;
    Add16(s, code);
    for (int i = 0; i < operandSize; ++i)
        s += static_cast<char>((operand >> (8 * i)) & 0xFF);
    return s;
}

std::string DocSprmBytes(std::uint16_t code, const std::string& operand)
{
    std::string s;
    Add16(s, code);
    return s + operand;
}

void TDocTestBuilder::BuildStreams(std::string& doc, std::string& table) const
{
    doc.assign(cTextAt, '\0');
    table.clear();
    // Text of the pieces, one after another.
    struct TPlaced {
        std::uint32_t CpStart, CpEnd, Fc;
        bool Compressed;
    };
    std::vector<TPlaced> placed;
    std::vector<std::uint32_t> pads;  // offsets of padding bytes between pieces
    std::uint32_t cp = 0;
    for (const TDocTestPiece& p : Pieces) {
        // UTF-16 text starts on an even offset, as Word writes it: readers that walk the
        // stream sector by sector take an odd start for damage.
        while (!p.Compressed && doc.size() % UnicodeAlign) {
            pads.push_back(static_cast<std::uint32_t>(doc.size()));
            doc += '\0';
        }
        const auto fc = static_cast<std::uint32_t>(doc.size());
        for (char16_t c : p.Text) {
            if (p.Compressed)
                doc += static_cast<char>(c & 0xFF);
            else
                Add16(doc, c);
        }
        const auto len = static_cast<std::uint32_t>(p.Text.size());
        placed.push_back({cp, cp + len, fc, p.Compressed});
        cp += len;
    }
    const std::uint32_t ccp = cp;
    // Property pages on the next page boundaries.
    auto entriesOf = [&](const std::vector<TDocTestRun>& runs, bool papx) {
        std::vector<TFcEntry> entries;
        for (const TDocTestRun& r : runs)
            for (const TPlaced& p : placed) {
                const std::uint32_t a = std::max(r.CpStart, p.CpStart), b = std::min(r.CpEnd, p.CpEnd);
                if (a >= b)
                    continue;
                const std::uint32_t w = p.Compressed ? 1 : 2;
                std::string props = r.Grpprl;
                if (papx) {
                    std::string istd;
                    Add16(istd, r.Istd);
                    props = istd + props;
                }
                entries.push_back({p.Fc + (a - p.CpStart) * w, p.Fc + (b - p.CpStart) * w, props});
            }
        std::sort(entries.begin(), entries.end(), [](const TFcEntry& x, const TFcEntry& y) { return x.FcStart < y.FcStart; });
        // Gaps become entries without properties, so the page's offsets run on.
        std::vector<TFcEntry> full;
        for (const TFcEntry& e : entries) {
            // A padding byte belongs to the run before it, as in Word's own files.
            if (!full.empty() && full.back().FcEnd < e.FcStart &&
                std::find(pads.begin(), pads.end(), full.back().FcEnd) != pads.end())
                full.back().FcEnd = e.FcStart;
            if (!full.empty() && full.back().FcEnd < e.FcStart)
                full.push_back({full.back().FcEnd, e.FcStart, papx ? std::string(2, '\0') : std::string()});
            full.push_back(e);
        }
        return full;
    };
    while (doc.size() % cPage)
        doc += '\0';
    // Pages of at most a few entries each, as many as the runs need.
    struct TPage {
        std::uint32_t Number, FcStart, FcEnd;
    };
    auto pages = [&](const std::vector<TFcEntry>& entries, bool papx) {
        std::vector<TPage> out;
        const std::size_t perPage = papx ? 12 : 24;
        for (std::size_t i = 0; i < entries.size(); i += perPage) {
            const std::vector<TFcEntry> chunk(entries.begin() + static_cast<std::ptrdiff_t>(i),
                                              entries.begin() + static_cast<std::ptrdiff_t>(std::min(entries.size(), i + perPage)));
            out.push_back({static_cast<std::uint32_t>(doc.size() / cPage), chunk.front().FcStart, chunk.back().FcEnd});
            doc += Fkp(chunk, papx);
        }
        return out;
    };
    const std::vector<TFcEntry> chpx = entriesOf(CharRuns, false);
    const std::vector<TPage> chpxPages = pages(chpx, false);
    const std::vector<TFcEntry> papx = entriesOf(ParaRuns, true);
    const std::vector<TPage> papxPages = pages(papx, true);

    // Table stream: piece table, bin tables, style sheet.
    auto pair = [&](int index, std::uint32_t fc, std::uint32_t lcb) {
        Put32(doc, 154 + 8 * static_cast<std::size_t>(index), fc);
        Put32(doc, 158 + 8 * static_cast<std::size_t>(index), lcb);
    };
    const auto clx = static_cast<std::uint32_t>(table.size());
    for (const std::string& prc : Prcs) {
        table += '\1';
        Add16(table, static_cast<std::uint32_t>(prc.size()));
        table += prc;
    }
    table += '\2';
    Add32(table, static_cast<std::uint32_t>(4 * (placed.size() + 1) + 8 * placed.size()));
    for (const TPlaced& p : placed)
        Add32(table, p.CpStart);
    Add32(table, ccp);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        Add16(table, 0);
        Add32(table, placed[i].Compressed ? (placed[i].Fc * 2) | 0x40000000 : placed[i].Fc);
        Add16(table, Pieces[i].Prm);
    }
    pair(33, clx, static_cast<std::uint32_t>(table.size()) - clx);
    auto bin = [&](int index, const std::vector<TPage>& list) {
        if (list.empty())
            return;
        const auto at = static_cast<std::uint32_t>(table.size());
        for (const TPage& p : list)
            Add32(table, p.FcStart);
        Add32(table, list.back().FcEnd);
        for (const TPage& p : list)
            Add32(table, p.Number);
        pair(index, at, static_cast<std::uint32_t>(table.size()) - at);
    };
    bin(12, chpxPages);
    bin(13, papxPages);
    if (!FtnRefs.empty()) {
        auto at = static_cast<std::uint32_t>(table.size());
        for (std::uint32_t r : FtnRefs)
            Add32(table, r);
        Add32(table, ccp - CcpFtn);
        for (std::size_t i = 0; i < FtnRefs.size(); ++i)
            Add16(table, 1);  // numbered automatically
        pair(2, at, static_cast<std::uint32_t>(table.size()) - at);
        at = static_cast<std::uint32_t>(table.size());
        for (std::uint32_t t : FtnTxt)
            Add32(table, t);
        pair(3, at, static_cast<std::uint32_t>(table.size()) - at);
    }
    if (!Styles.empty()) {
        const auto at = static_cast<std::uint32_t>(table.size());
        Add16(table, 18);  // the header's size
        Add16(table, static_cast<std::uint32_t>(Styles.size()));
        Add16(table, 10);  // base size of a style
        table.append(14, '\0');
        for (const TDocTestStyle& st : Styles) {
            std::string sd;
            Add16(sd, st.Sti != 0xFFFF ? st.Sti : st.Kind == 1 ? 0 : 65);
            Add16(sd, static_cast<std::uint32_t>(st.Kind | (st.Base << 4)));
            Add16(sd, static_cast<std::uint32_t>(st.Kind == 1 ? 2 : 1));
            Add16(sd, 0);
            Add16(sd, 0);
            Add16(sd, static_cast<std::uint32_t>(st.Name.size()));
            for (char16_t c : st.Name)
                Add16(sd, c);
            Add16(sd, 0);
            auto upx = [&](const std::string& bytes) {
                Add16(sd, static_cast<std::uint32_t>(bytes.size()));
                sd += bytes;
                if (bytes.size() % 2)
                    sd += '\0';
            };
            if (st.Kind == 1)
                upx(std::string(2, '\0') + st.Papx);
            upx(st.Chpx);
            Add16(table, static_cast<std::uint32_t>(sd.size()));
            table += sd;
        }
        pair(1, at, static_cast<std::uint32_t>(table.size()) - at);
    }

    // The information block.
    Put16(doc, 0, 0xA5EC);
    Put16(doc, 2, 0xC1);
    Put16(doc, 6, 0x409);
    Put16(doc, 10, Flags);
    Put16(doc, 32, 14);
    Put16(doc, 62, 22);
    Put32(doc, 64 + 12, ccp - CcpFtn);
    Put32(doc, 64 + 16, CcpFtn);
    Put16(doc, 152, 93);
}

std::string TDocTestBuilder::Build() const
{
    std::string doc, table;
    BuildStreams(doc, table);
    TVYXCompoundFileWriter writer;
    writer.AddStream(TVYXCompoundFileWriter::cRoot, u"WordDocument", doc);
    writer.AddStream(TVYXCompoundFileWriter::cRoot, (Flags & 0x0200) ? u"1Table" : u"0Table", table);
    return writer.Save();
}

// About 3,000 characters per page: paragraphs of 600 characters, each with a bold word,
// in two pieces (8-bit, then UTF-16), two paragraph styles; fixed seed. The UTF-16 piece
// starts on a sector boundary: antiword repeats the start of a UTF-16 piece that begins
// inside the sector where 8-bit text ends, and the benchmark compares texts with it.
TDocTestBuilder DocManyPages(int pages)
{
    static const char16_t* const words[] = {u"the", u"document", u"of", u"paragraph", u"and", u"page", u"invoice",
                                            u"total", u"we", u"received", u"letter", u"committee", u"customer",
                                            u"agreement", u"between", u"shall", u"a", u"to"};
    std::mt19937 random(140);
    TDocTestBuilder b;
    b.Styles = {{u"Normal", 1, 0x0FFF, DocSprm(0xA414, 120, 2), DocSprm(0x4A43, 22, 2)},
                {u"heading 1", 1, 0, DocSprm(0xA413, 240, 2), DocSprm(0x0835, 1, 1) + DocSprm(0x4A43, 32, 2)}};
    std::u16string text[2];
    std::uint32_t cp = 0;
    const int paras = pages * 5;
    for (int p = 0; p < paras; ++p) {
        std::u16string& t = text[p < paras / 2 ? 0 : 1];
        const std::uint32_t start = cp;
        std::u16string para;
        while (para.size() < 600) {
            if (!para.empty())
                para += u' ';
            if (para.size() > 100 && para.size() < 110)
                b.CharRuns.push_back({start + static_cast<std::uint32_t>(para.size()),
                                      start + static_cast<std::uint32_t>(para.size()) + 8, DocSprm(0x0835, 1, 1)});
            para += words[random() % std::size(words)];
        }
        para += u'\r';
        t += para;
        cp += static_cast<std::uint32_t>(para.size());
        b.ParaRuns.push_back({start, cp, p % 20 == 0 ? DocSprm(0x2403, 1, 1) : std::string(), static_cast<std::uint16_t>(p % 20 == 0)});
    }
    b.Pieces = {{text[0], true}, {text[1], false}};
    b.UnicodeAlign = 512;
    return b;
}

