// VYXPlainText.h: plain-text files into a paragraph list and back.
//
// Reading: a byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE; without
// one the bytes are UTF-8 when they are valid UTF-8, else the 8-bit code page
// (Windows-1252 unless the caller names another). Lines end with CR LF, LF or
// CR; each line becomes one paragraph, and a final line end closes the last
// line instead of starting an empty one, so a file of three lines gives three
// paragraphs. Inside a line a tab becomes a tab run, a form feed a page break
// and a vertical tab a line break. An empty file gives one empty paragraph.
//
// Writing: one line per paragraph, each ended by LF (or CR LF on request), in
// UTF-8 (or an 8-bit code page on request; characters it lacks become "?").
// Tab runs are tabs, page and column breaks form feeds, line breaks line ends.
// A table row is one line with its cells separated by tabs; a cell's several
// paragraphs are joined by spaces, and nested tables flatten into their cell.
// Fields give their results, pictures and shapes nothing. A list holding just
// one empty paragraph writes no bytes. So text that ends with a line end (and
// uses the chosen one) reads and writes back byte for byte.
#pragma once

#include <string>
#include <string_view>

class TVYXLogParas;
class TVYXStream;

enum TVYXTextEncoding { vyteCodePage, vyteUtf8, vyteUtf8Bom, vyteUtf16LE, vyteUtf16BE };

class TVYXImportText {
public:
    // Reads into `paras`, which the importer borrows.
    explicit TVYXImportText(TVYXLogParas& paras) : FParas(paras) {}

    // The 8-bit code page for text that is neither marked nor valid UTF-8.
    int CodePage = 1252;

    // Replaces the list's content with the file's text.
    void LoadFromFile(const std::string& fileName) { LoadFile(fileName, FParas, false); }
    // Appends the file's text to the given list.
    void LoadFromFile(const std::string& fileName, TVYXLogParas& paras) { LoadFile(fileName, paras, true); }
    // Reads the rest of the stream; unless appending, the list is emptied first.
    void LoadFromStream(TVYXStream& stream, bool append) { LoadFromStream(stream, FParas, append); }
    void LoadFromStream(TVYXStream& stream, TVYXLogParas& paras, bool append);
    void LoadFromBytes(std::string_view bytes, TVYXLogParas& paras, bool append);

    // What the last load found.
    TVYXTextEncoding Encoding() const { return FEncoding; }
    // True when the first line end of the last load was CR LF.
    bool CrLf() const { return FCrLf; }

private:
    void LoadFile(const std::string& fileName, TVYXLogParas& paras, bool append);
    TVYXLogParas& FParas;
    TVYXTextEncoding FEncoding = vyteUtf8;
    bool FCrLf = false;
};

// Text of a whole file in UTF-16, by the rules above (the mark is not part of it).
std::u16string VYXDecodeTextFile(std::string_view bytes, int codePage, TVYXTextEncoding* encoding = nullptr);
// Appends lines of text as paragraphs by the rules above.
void VYXAppendTextLines(TVYXLogParas& paras, std::u16string_view text);

class TVYXExportText {
public:
    int CodePage = 65001;   // UTF-8; an 8-bit or double-byte code page on request
    bool CrLf = false;      // line ends: LF, or CR LF
    bool ByteOrderMark = false;  // a UTF-8 mark in front (only with UTF-8)

    // The list as text in UTF-16, line ends included.
    std::u16string Text(const TVYXLogParas& paras) const;
    std::string SaveToBytes(const TVYXLogParas& paras) const;
    void SaveToStream(const TVYXLogParas& paras, TVYXStream& stream) const;
    void SaveToFile(const TVYXLogParas& paras, const std::string& fileName) const;
};
