// VYXPlainText.cpp: plain-text import and export.
#include "editing/VYXPlainText.h"

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

// One line's content into `para`: text runs between tab, page-break and line-break runs.
void AppendLine(TVYXLogPara& para, std::u16string_view line)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char16_t c = line[i];
        if (c != u'\t' && c != u'\f' && c != u'\v')
            continue;
        if (i > start)
            para.Append(line.substr(start, i - start));
        if (c == u'\t')
            para.AppendTab();
        else
            para.AppendBreak(c == u'\f' ? acrbtPageBreak : acrbtLineBreak);
        start = i + 1;
    }
    if (line.size() > start)
        para.Append(line.substr(start));
}

// Writes runs of paragraphs and tables as lines. Inside a table cell everything
// stays on the row's line: paragraphs, breaks and nested rows become spaces.
class TTextWriter {
public:
    TTextWriter(std::u16string& out, std::u16string_view lineEnd) : FOut(out), FLineEnd(lineEnd) {}

    void Items(const TVYXLogParas& paras, bool inCell)
    {
        for (int i = 0; i < paras.Count(); ++i) {
            if (inCell && i > 0)
                FOut += u' ';
            if (const TVYXLogPara* para = paras.ParaAtIndex(i))
                Para(*para, inCell);
            else
                Table(*paras.GetTables(i), inCell);
            if (!inCell)
                FOut += FLineEnd;
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
            case acrtHyperlink: FOut += run.Text; break;
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

    std::u16string& FOut;
    std::u16string_view FLineEnd;
};
}  // namespace

std::u16string VYXDecodeTextFile(std::string_view bytes, int codePage, TVYXTextEncoding* encoding)
{
    TVYXTextEncoding found = vyteUtf8;
    std::u16string text;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        found = vyteUtf8Bom;
        text = Utf8ToUtf16(bytes.substr(3));
    } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        found = bytes[0] == '\xFF' ? vyteUtf16LE : vyteUtf16BE;
        text = DecodeUtf16(bytes.substr(2), found == vyteUtf16BE);
    } else if (IsValidUtf8(bytes)) {
        text = Utf8ToUtf16(bytes);
    } else {
        found = vyteCodePage;
        text = VYXDecodeCodePage(bytes, codePage);
    }
    if (encoding)
        *encoding = found;
    return text;
}

void VYXAppendTextLines(TVYXLogParas& paras, std::u16string_view text)
{
    TVYXLogParasUpdate update(paras);
    std::size_t start = 0;
    std::u16string line;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        if (!end && text[i] != u'\r' && text[i] != u'\n')
            continue;
        // The text after the last line end is a line only when it is not empty
        // (or the whole text is empty).
        if (end && start == text.size() && start > 0)
            break;
        line.assign(text.substr(start, i - start));
        for (char16_t& c : line)
            if (c == u'\0')
                c = u'\uFFFD';  // runs use NUL for their atoms' text
        AppendLine(*paras.AppendPara(), line);
        if (!end && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    paras.Validate();
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
    const std::u16string text = VYXDecodeTextFile(bytes, CodePage, &FEncoding);
    const std::size_t lineEnd = text.find_first_of(u"\r\n");
    FCrLf = lineEnd != std::u16string::npos && text.compare(lineEnd, 2, u"\r\n") == 0;
    if (!append)
        paras.Clear();
    VYXAppendTextLines(paras, text);
}

std::u16string TVYXExportText::Text(const TVYXLogParas& paras) const
{
    std::u16string out;
    if (paras.Count() == 1) {
        const TVYXLogPara* only = paras.ParaAtIndex(0);
        if (only && only->TextLength() == 0 && only->Count() <= 1)
            return out;
    }
    TTextWriter(out, CrLf ? u"\r\n" : u"\n").Items(paras, false);
    return out;
}

std::string TVYXExportText::SaveToBytes(const TVYXLogParas& paras) const
{
    std::string bytes;
    if (ByteOrderMark && CodePage == cVYXCodePageUtf8)
        bytes = "\xEF\xBB\xBF";
    bytes += VYXEncodeCodePage(Text(paras), CodePage);
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
