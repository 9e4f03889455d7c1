// VYXPlainText.cpp: plain-text import and export.
#include "editing/VYXPlainText.h"

#include <cstdint>
#include <cstring>
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
        int trail = 0;
        char32_t cp = 0, minimum = 0;
        if (lead >= 0xC0 && lead <= 0xDF)
            trail = 1, cp = lead & 0x1F, minimum = 0x80;
        else if (lead >= 0xE0 && lead <= 0xEF)
            trail = 2, cp = lead & 0x0F, minimum = 0x800;
        else if (lead >= 0xF0 && lead <= 0xF7)
            trail = 3, cp = lead & 0x07, minimum = 0x10000;
        else
            return false;
        if (end - p <= trail)
            return false;
        for (int k = 1; k <= trail; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[k] & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += trail + 1;
    }
    return true;
}

// Appends UTF-8 that ValidUtf8 accepted, as UTF-16: no checks left to make.
void AppendValidUtf8(std::string_view bytes, std::u16string& out)
{
    const std::size_t base = out.size();
    out.resize(base + bytes.size());  // never more units than bytes
    char16_t* o = out.data() + base;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        const unsigned lead = *p;
        if (lead < 0x80) {
            *o++ = static_cast<char16_t>(lead);
            ++p;
        } else if (lead < 0xE0) {
            *o++ = static_cast<char16_t>((lead & 0x1F) << 6 | (p[1] & 0x3F));
            p += 2;
        } else if (lead < 0xF0) {
            *o++ = static_cast<char16_t>((lead & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
            p += 3;
        } else {
            const char32_t cp = (lead & 0x07) << 18 | (p[1] & 0x3F) << 12 | (p[2] & 0x3F) << 6 | (p[3] & 0x3F);
            *o++ = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            *o++ = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            p += 4;
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
}

TVYXTextEncoding DetectEncoding(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return vyteUtf8Bom;
    if (bytes.starts_with("\xFF\xFE"))
        return vyteUtf16LE;
    if (bytes.starts_with("\xFE\xFF"))
        return vyteUtf16BE;
    return ValidUtf8(bytes) ? vyteUtf8 : vyteCodePage;
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

// One line as a new paragraph: text runs between tab, page-break and line-break
// runs. One pass: printable characters cost one compare; the paragraph's text runs
// are made straight from the line, so most lines make one run from one copy.
void AppendLine(TVYXLogParas& paras, std::u16string_view text, std::u16string& scratch)
{
    if (text.find(u'\0') != std::u16string_view::npos) {
        // Runs use NUL for their atoms' text: a NUL read from a file becomes U+FFFD.
        scratch.assign(text);
        for (char16_t& c : scratch)
            if (c == u'\0')
                c = u'\uFFFD';
        text = scratch;
    }
    const char16_t* data = text.data();
    const std::size_t size = text.size();
    TVYXLogPara& para = *paras.AppendPara();
    std::size_t start = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t c = data[i];
        if (c >= 0x20 || (c != u'\t' && c != u'\f' && c != u'\v'))
            continue;
        if (i > start)
            para.Append(text.substr(start, i - start));
        if (c == u'\t')
            para.AppendTab();
        else
            para.AppendBreak(c == u'\f' ? acrbtPageBreak : acrbtLineBreak);
        start = i + 1;
    }
    if (size > start)
        para.Append(text.substr(start));
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
    FEncoding = DetectEncoding(bytes);
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
    TVYXCodePageDecoder decoder(FEncoding == vyteCodePage ? CodePage : cVYXCodePageUtf8);
    TVYXLogParasUpdate update(paras);
    std::u16string line, scratch;
    // Text known to be UTF-8 is decoded without checks; a BOM file is checked here
    // (its mark made the choice), and one that is not UTF-8 after all goes through
    // the decoder, which replaces what is broken.
    if (FEncoding == vyteUtf8 || (FEncoding == vyteUtf8Bom && ValidUtf8(bytes)))
        ForEachLine(bytes, [&](std::string_view lineBytes) {
            line.clear();
            AppendValidUtf8(lineBytes, line);
            AppendLine(paras, line, scratch);
        });
    else
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
