// VYXPlainText.cpp: plain-text import and export.
#include "editing/VYXPlainText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

#include "model/VYXCharRun.h"
#include "model/VYXLogParas.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string text(bytes.size() / 2, u'\0');
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < text.size(); ++i, p += 2)
        text[i] = static_cast<char16_t>(bigEndian ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]));
    if (bytes.size() % 2 != 0)
        text += u'\uFFFD';  // a cut-off last unit
    return text;
}

// The code point of the multi-byte sequence led by `*p` and the sequence's length, or 0
// where it is not UTF-8 (not a lead byte, cut off, an overlong form, a surrogate or past
// U+10FFFF). The validator and the line decoder share it so they never disagree.
inline int Utf8Sequence(const unsigned char* p, const unsigned char* end, char32_t& cp)
{
    const unsigned lead = *p;
    int trail = 0;
    char32_t minimum = 0;
    if (lead >= 0xC0 && lead <= 0xDF)
        trail = 1, cp = lead & 0x1F, minimum = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        trail = 2, cp = lead & 0x0F, minimum = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF7)
        trail = 3, cp = lead & 0x07, minimum = 0x10000;
    else
        return 0;
    if (end - p <= trail)
        return 0;
    for (int k = 1; k <= trail; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[k] & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return trail + 1;
}

// Whether the bytes are UTF-8 (shortest forms, no surrogates, up to U+10FFFF). Eight
// ASCII bytes are passed at a time, which is most of any text.
bool ValidUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        char32_t cp = 0;
        const int length = Utf8Sequence(p, end, cp);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

// The encoding a byte-order mark names; UTF-8 without one (still to be checked).
TVYXTextEncoding EncodingOfMark(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return vyteUtf8Bom;
    if (bytes.starts_with("\xFF\xFE"))
        return vyteUtf16LE;
    if (bytes.starts_with("\xFE\xFF"))
        return vyteUtf16BE;
    return vyteUtf8;
}

TVYXTextEncoding DetectEncoding(std::string_view bytes)
{
    const TVYXTextEncoding marked = EncodingOfMark(bytes);
    return marked != vyteUtf8 || ValidUtf8(bytes) ? marked : vyteCodePage;
}

// The bytes after the byte-order mark. Marks written twice in a row (some
// programs add one to text that already has it) are all marks: kept as a
// character, a second one would turn into a mark on the next read.
std::string_view AfterMarks(std::string_view bytes, TVYXTextEncoding encoding)
{
    std::string_view mark;
    switch (encoding) {
    case vyteUtf8Bom: mark = "\xEF\xBB\xBF"; break;
    case vyteUtf16LE: mark = "\xFF\xFE"; break;
    case vyteUtf16BE: mark = "\xFE\xFF"; break;
    default: return bytes;
    }
    while (bytes.starts_with(mark))
        bytes.remove_prefix(mark.size());
    return bytes;
}

// Calls `onLine` with each line of `text` (without its end): lines end with
// CR LF, LF or CR; the text after the last line end is a line only when it is
// not empty, or when the whole text is empty.
template <class TChar, class TOnLine>
void ForEachLine(std::basic_string_view<TChar> text, TOnLine onLine)
{
    std::size_t start = 0;
    const std::size_t size = text.size();
    const TChar* data = text.data();
    for (std::size_t i = 0; i < size; ++i) {
        const TChar c = data[i];
        // One compare passes nearly every character: CR and LF are below 0x0E.
        if (static_cast<std::make_unsigned_t<TChar>>(c) > 0x0D || (c != TChar('\r') && c != TChar('\n')))
            continue;
        onLine(text.substr(start, i - start));
        if (c == TChar('\r') && i + 1 < size && data[i + 1] == TChar('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size || text.empty())
        onLine(text.substr(start));
}

// What a line holds besides plain characters: the runs it makes (a text run for each
// stretch between tabs and breaks, one for each of those), whether it has a tab or
// break at all, and whether it has a NUL.
struct TLineShape {
    int Runs = 0;
    bool Atoms = false;
    bool Nul = false;
};

// Tab, form feed and vertical tab become runs of their own; everything else is text.
inline bool IsAtomChar(char16_t c) { return c == u'\t' || c == u'\f' || c == u'\v'; }

// Notes a line's shape as its characters go by, so the decoders and ShapeOf count runs
// the same way.
class TLineShaper {
public:
    explicit TLineShaper(TLineShape& shape) : FShape(shape) {}
    // Characters that are text and known not to be NUL.
    void Text()
    {
        FShape.Runs += FInText ? 0 : 1;
        FInText = true;
    }
    void Char(char16_t c)
    {
        if (c >= 0x20 || !IsAtomChar(c)) {
            FShape.Nul |= c == u'\0';
            Text();
        } else {
            ++FShape.Runs;
            FShape.Atoms = true;
            FInText = false;
        }
    }

private:
    TLineShape& FShape;
    bool FInText = false;
};

TLineShape ShapeOf(std::u16string_view text)
{
    TLineShape shape;
    TLineShaper shaper(shape);
    for (const char16_t c : text)
        shaper.Char(c);
    return shape;
}

// Holds the run list's start positions until the line is done, rather than after each run.
class TRunsUpdate {
public:
    explicit TRunsUpdate(TVYXCharRuns& runs) : FRuns(runs) { FRuns.BeginUpdate(); }
    ~TRunsUpdate() { FRuns.EndUpdate(); }
    TRunsUpdate(const TRunsUpdate&) = delete;
    TRunsUpdate& operator=(const TRunsUpdate&) = delete;

private:
    TVYXCharRuns& FRuns;
};

// One line as a new paragraph: text runs between tab, page-break and line-break
// runs. The caller knows the line's shape, so a line without tabs and breaks is one
// copy into the paragraph's first run, and the run list of any other line grows once.
// A new paragraph starts dirty and has told its list so, and no one holds its runs
// yet: they are filled before they enter the list instead of one report per run.
void AppendLine(TVYXLogParas& paras, std::u16string_view text, const TLineShape& shape, std::u16string& scratch)
{
    if (shape.Nul) {
        // Runs use NUL for their atoms' text: a NUL read from a file becomes U+FFFD.
        scratch.assign(text);
        for (char16_t& c : scratch)
            if (c == u'\0')
                c = u'\uFFFD';
        text = scratch;
    }
    TVYXLogPara& para = *paras.AppendPara();
    if (!shape.Atoms) {
        if (!text.empty())
            para.CRFirst()->SetRawText(text);
        return;
    }
    TVYXCharRuns& runs = para.CharRuns();
    // A line that begins with a tab or break keeps the paragraph's first, empty text run.
    runs.Reserve(shape.Runs + (IsAtomChar(text.front()) ? 1 : 0));
    TRunsUpdate update(runs);
    const char16_t* data = text.data();
    const std::size_t size = text.size();
    // The paragraph's own first run takes the text before the first tab or break.
    bool firstRun = true;
    const auto addText = [&](std::size_t from, std::size_t to) {
        if (to > from) {
            const std::u16string_view part(data + from, to - from);
            if (firstRun) {
                para.CRFirst()->SetRawText(part);
            } else {
                auto run = std::make_unique<TVYXCharRun>();
                run->SetRawText(part);
                runs.Add(std::move(run));
            }
        }
        firstRun = false;
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t c = data[i];
        if (c >= 0x20 || !IsAtomChar(c))
            continue;
        addText(start, i);
        // Tabs and breaks take the properties of the run before them, as typed ones do.
        if (c == u'\t')
            runs.AddTab(para.LastCHPX());
        else
            runs.AddBreak(c == u'\f' ? acrbtPageBreak : acrbtLineBreak, para.LastCHPX());
        start = i + 1;
    }
    addText(start, size);
}

void AppendLine(TVYXLogParas& paras, std::u16string_view text, std::u16string& scratch)
{
    AppendLine(paras, text, ShapeOf(text), scratch);
}

// The printable ASCII bytes (0x20..0x7F) at the start of the eight bytes at `p`, widened
// into `out`: 8 when all are, else the place of the first that is not, found from a
// mask without a loop (a borrow runs only upwards, so it cannot flag an earlier byte).
inline int WidenPrintableAscii(const unsigned char* p, char16_t* out)
{
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    const std::uint64_t high = 0x8080808080808080ULL;
    const std::uint64_t stops = (word | ((word - 0x2020202020202020ULL) & ~word)) & high;
    // Each half's four bytes spread to four 16-bit units in two shift-and-mask steps
    // (a loop over the bytes compiles to one lane insert per byte).
    const auto spread = [](std::uint64_t half) {
        half = (half | (half << 16)) & 0x0000FFFF0000FFFFULL;
        return (half | (half << 8)) & 0x00FF00FF00FF00FFULL;
    };
    std::uint64_t units[2];
    if constexpr (std::endian::native == std::endian::little) {
        units[0] = spread(word & 0xFFFFFFFFULL);
        units[1] = spread(word >> 32);
        std::memcpy(out, units, sizeof units);
    } else {
        for (int k = 0; k < 8; ++k)
            out[k] = static_cast<char16_t>((word >> (8 * k)) & 0xFF);
    }
    return stops == 0 ? 8 : std::countr_zero(stops) / 8;
}

// Takes the printable ASCII bytes at the start of the eight at `p` as text; false when
// the first byte is not one. Bytes past the printable ones are written too and are
// overwritten by the caller.
inline bool TakePrintableAscii(const unsigned char*& p, char16_t*& o, TLineShaper& shaper)
{
    const int plain = WidenPrintableAscii(p, o);
    if (plain == 0)
        return false;
    o += plain;
    p += plain;
    shaper.Text();
    return true;
}

// Decodes one line of UTF-8 from `p` into `out` (room for a unit per byte), checking
// the bytes as it goes (shortest forms, no surrogates, up to U+10FFFF) and noting the
// line's shape. Stops at CR, LF or `end`; returns where it stopped, nullptr when the
// bytes are not UTF-8. Eight printable ASCII bytes, most of any text, pass at a time.
const unsigned char* DecodeUtf8Line(const unsigned char* p, const unsigned char* end, char16_t* out,
                                    std::size_t& units, TLineShape& shape)
{
    char16_t* o = out;
    TLineShaper shaper(shape);
    while (p < end) {
        if (end - p >= 8 && TakePrintableAscii(p, o, shaper))
            continue;
        const unsigned lead = *p;
        if (lead < 0x80) {
            if (lead == '\r' || lead == '\n')
                break;
            shaper.Char(static_cast<char16_t>(lead));
            *o++ = static_cast<char16_t>(lead);
            ++p;
            continue;
        }
        char32_t cp = 0;
        const int length = Utf8Sequence(p, end, cp);
        if (length == 0)
            return nullptr;
        if (cp < 0x10000) {
            *o++ = static_cast<char16_t>(cp);
        } else {
            *o++ = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            *o++ = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
        p += length;
        shaper.Text();
    }
    units = static_cast<std::size_t>(o - out);
    return p;
}

// Decodes one line of an 8-bit code page through its table, noting the line's shape;
// stops at CR, LF or `end`. `asciiSame`: the table leaves printable ASCII as it is, so
// eight such bytes pass at a time.
const unsigned char* DecodeTableLine(const unsigned char* p, const unsigned char* end, char16_t* out,
                                     std::size_t& units, TLineShape& shape, const std::array<char16_t, 256>& table,
                                     bool asciiSame)
{
    char16_t* o = out;
    TLineShaper shaper(shape);
    while (p < end) {
        if (asciiSame && end - p >= 8 && TakePrintableAscii(p, o, shaper))
            continue;
        const unsigned byte = *p;
        if (byte == '\r' || byte == '\n')
            break;
        const char16_t c = table[byte];
        *o++ = c;
        ++p;
        shaper.Char(c);
    }
    units = static_cast<std::size_t>(o - out);
    return p;
}

// Reads text into paragraphs in one pass over the bytes: decoding, cutting lines and
// runs. `decodeLine` decodes a line as the functions above do; when it fails, the
// paragraphs made so far are removed again and false is returned.
template <class TDecodeLine>
bool LoadLines(std::string_view bytes, TVYXLogParas& paras, TDecodeLine decodeLine)
{
    const int firstNew = paras.Count();
    // The line's characters: a unit per byte at most, up to the next LF (a line that
    // ends with CR alone stops before it); grown for the longest line.
    std::u16string buffer;
    std::u16string scratch;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    // The next LF, or the end: searched again only once passed, so that text whose lines
    // end with CR alone is not searched to its end for every line.
    const unsigned char* nextLf = nullptr;
    // Lines as ForEachLine cuts them: the text after the last line end is a line only
    // when it is not empty, or when the whole text is empty.
    if (bytes.empty()) {
        AppendLine(paras, {}, TLineShape{}, scratch);
        return true;
    }
    while (p < end) {
        if (!nextLf || nextLf < p) {
            const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
            nextLf = lf ? static_cast<const unsigned char*>(lf) : end;
        }
        const auto room = static_cast<std::size_t>(nextLf - p) + 8;
        if (buffer.size() < room)
            buffer.resize(std::max(room, 2 * buffer.size()));
        std::size_t units = 0;
        TLineShape shape;
        const unsigned char* stop = decodeLine(p, end, buffer.data(), units, shape);
        if (!stop) {
            while (paras.Count() > firstNew)
                paras.Delete(paras.Count() - 1);
            return false;
        }
        AppendLine(paras, std::u16string_view(buffer.data(), units), shape, scratch);
        if (stop == end)
            break;
        p = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
    }
    return true;
}

bool LoadUtf8(std::string_view bytes, TVYXLogParas& paras)
{
    return LoadLines(bytes, paras, DecodeUtf8Line);
}

// An 8-bit code page whose every byte is one character in UTF-16 (not UTF-8, not
// double-byte) reads through a table of its 256 characters.
bool LoadSingleByte(std::string_view bytes, TVYXLogParas& paras, int codePage)
{
    if (codePage == cVYXCodePageUtf8 || VYXCodePageIsDoubleByte(codePage))
        return false;
    // Such a page decodes each byte on its own, so all 256 in one call give the table
    // (one decoder, not one per byte: a page from the C library opens a converter).
    std::string bytesInOrder(256, '\0');
    for (unsigned b = 0; b < 256; ++b)
        bytesInOrder[b] = static_cast<char>(b);
    const std::u16string decoded = VYXDecodeCodePage(bytesInOrder, codePage);
    if (decoded.size() != 256)
        return false;
    std::array<char16_t, 256> table{};
    bool asciiSame = true;
    for (unsigned b = 0; b < 256; ++b) {
        table[b] = decoded[b];
        asciiSame = asciiSame && (b < 0x20 || b >= 0x80 || decoded[b] == static_cast<char16_t>(b));
    }
    return LoadLines(bytes, paras,
                     [&](const unsigned char* p, const unsigned char* end, char16_t* out, std::size_t& units,
                         TLineShape& shape) { return DecodeTableLine(p, end, out, units, shape, table, asciiSame); });
}

// Writes runs of paragraphs and tables as lines. Inside a table cell everything
// stays on the row's line: paragraphs, breaks and nested rows become spaces.
// Each top-level item goes to the sink as soon as it is complete, so the whole
// text is never held in UTF-16.
template <class TSink>
class TTextWriter {
public:
    TTextWriter(std::u16string_view lineEnd, TSink sink) : FLineEnd(lineEnd), FSink(sink) {}

    void Items(const TVYXLogParas& paras, bool inCell)
    {
        for (int i = 0; i < paras.Count(); ++i) {
            if (inCell && i > 0)
                FOut += u' ';
            if (const TVYXLogPara* para = paras.ParaAtIndex(i))
                Para(*para, inCell);
            else
                Table(*paras.GetTables(i), inCell);
            if (!inCell) {
                FOut += FLineEnd;
                FSink(std::u16string_view(FOut));
                FOut.clear();
            }
        }
    }

private:
    void Para(const TVYXLogPara& para, bool inCell)
    {
        const TVYXCharRuns& runs = para.CharRuns();
        for (int r = 0; r < runs.Count(); ++r) {
            const TVYXCharRun& run = *runs.Items(r);
            switch (run.Type_()) {
            case acrtText:
            case acrtHyperlink: FOut += run.Text(); break;
            case acrtSimpleField: FOut += run.GetPlainText(); break;
            case acrtTab: FOut += u'\t'; break;
            case acrtBreak: {
                const auto type = static_cast<const TVYXCharRunBreak&>(run).BreakType;
                if (inCell && (type == acrbtLineBreak || type == acrbtPageBreak || type == acrbtColumn))
                    FOut += u' ';
                else if (type == acrbtLineBreak)
                    FOut += FLineEnd;
                else if (type == acrbtPageBreak || type == acrbtColumn)
                    FOut += u'\f';
                break;
            }
            default: break;  // pictures, shapes, notes, markers and field codes have no text
            }
        }
    }

    void Table(const TVYXTable& table, bool inCell)
    {
        for (int r = 0; r < table.Count(); ++r) {
            if (r > 0)
                FOut += inCell ? std::u16string_view(u" ") : FLineEnd;
            const TVYXTableRow& row = *table.GetRows(r);
            for (int c = 0; c < row.Count(); ++c) {
                if (c > 0)
                    FOut += inCell ? u' ' : u'\t';
                Items(row.GetCells(c)->Paras(), true);
            }
        }
    }

    std::u16string FOut;
    std::u16string_view FLineEnd;
    TSink FSink;
};

// True for a list of one paragraph without content, which writes no bytes.
bool IsEmptyText(const TVYXLogParas& paras)
{
    if (paras.Count() != 1)
        return false;
    const TVYXLogPara* only = paras.ParaAtIndex(0);
    return only && only->TextLength() == 0 && only->Count() <= 1;
}
}  // namespace

std::u16string VYXDecodeTextFile(std::string_view bytes, int codePage, TVYXTextEncoding* encoding)
{
    const TVYXTextEncoding found = DetectEncoding(bytes);
    if (encoding)
        *encoding = found;
    switch (found) {
    case vyteUtf8Bom: return Utf8ToUtf16(AfterMarks(bytes, found));
    case vyteUtf16LE:
    case vyteUtf16BE: return DecodeUtf16(AfterMarks(bytes, found), found == vyteUtf16BE);
    case vyteUtf8: return Utf8ToUtf16(bytes);
    case vyteCodePage: break;
    }
    return VYXDecodeCodePage(bytes, codePage);
}

void VYXAppendTextLines(TVYXLogParas& paras, std::u16string_view text)
{
    TVYXLogParasUpdate update(paras);
    std::u16string scratch;
    ForEachLine(text, [&](std::u16string_view part) { AppendLine(paras, part, scratch); });
    // Every line made a paragraph with at least one run, so the list is valid
    // without a pass over it.
}

void TVYXImportText::LoadFile(const std::string& fileName, TVYXLogParas& paras, bool append)
{
    TVYXFileStream stream(fileName, vyfmRead);
    LoadFromStream(stream, paras, append);
}

void TVYXImportText::LoadFromStream(TVYXStream& stream, TVYXLogParas& paras, bool append)
{
    LoadFromBytes(stream.ReadAll(), paras, append);
}

void TVYXImportText::LoadFromBytes(std::string_view bytes, TVYXLogParas& paras, bool append)
{
    if (!append)
        paras.Clear();
    FEncoding = EncodingOfMark(bytes);
    if (FEncoding == vyteUtf16LE || FEncoding == vyteUtf16BE) {
        const std::u16string text = DecodeUtf16(AfterMarks(bytes, FEncoding), FEncoding == vyteUtf16BE);
        const std::size_t lineEnd = text.find_first_of(u"\r\n");
        FCrLf = lineEnd != std::u16string::npos && text.compare(lineEnd, 2, u"\r\n") == 0;
        VYXAppendTextLines(paras, text);
        return;
    }
    // CR and LF bytes end lines in every 8-bit and double-byte code page (trail
    // bytes start at 0x40) and in UTF-8, so lines are cut before decoding and
    // the whole text never exists in UTF-16 at once.
    bytes = AfterMarks(bytes, FEncoding);
    const std::size_t lineEnd = bytes.find_first_of("\r\n");
    FCrLf = lineEnd != std::string_view::npos && bytes.substr(lineEnd, 2) == "\r\n";
    TVYXLogParasUpdate update(paras);
    // Text that is UTF-8 is checked while it is read, in the same pass; a file without
    // a mark that turns out not to be is read again in the code page, and a file with
    // a UTF-8 mark goes through the decoder, which replaces what is broken.
    if (FEncoding != vyteCodePage && LoadUtf8(bytes, paras))
        return;
    if (FEncoding == vyteUtf8)
        FEncoding = vyteCodePage;
    if (FEncoding == vyteCodePage && LoadSingleByte(bytes, paras, CodePage))
        return;
    TVYXCodePageDecoder decoder(FEncoding == vyteCodePage ? CodePage : cVYXCodePageUtf8);
    std::u16string line, scratch;
    ForEachLine(bytes, [&](std::string_view lineBytes) {
        line.clear();
        decoder.Put(lineBytes, line);
        decoder.Flush(line);
        AppendLine(paras, line, scratch);
    });
    // Every line made a paragraph with at least one run, so the list is valid
    // without a pass over it.
}

std::u16string TVYXExportText::Text(const TVYXLogParas& paras) const
{
    std::u16string out;
    if (IsEmptyText(paras))
        return out;
    auto sink = [&out](std::u16string_view line) { out += line; };
    TTextWriter<decltype(sink)>(CrLf ? u"\r\n" : u"\n", sink).Items(paras, false);
    return out;
}

std::string TVYXExportText::SaveToBytes(const TVYXLogParas& paras) const
{
    std::string bytes;
    if (ByteOrderMark && CodePage == cVYXCodePageUtf8)
        bytes = "\xEF\xBB\xBF";
    if (IsEmptyText(paras))
        return bytes;
    TVYXCodePageEncoder encoder(CodePage);
    auto sink = [&](std::u16string_view line) { encoder.Put(line, bytes); };
    TTextWriter<decltype(sink)>(CrLf ? u"\r\n" : u"\n", sink).Items(paras, false);
    return bytes;
}

void TVYXExportText::SaveToStream(const TVYXLogParas& paras, TVYXStream& stream) const
{
    stream.WriteString(SaveToBytes(paras));
}

void TVYXExportText::SaveToFile(const TVYXLogParas& paras, const std::string& fileName) const
{
    TVYXFileStream stream(fileName, vyfmCreate);
    SaveToStream(paras, stream);
    stream.Close();
}
