// VYXReadDOC.h: import of binary word-processing documents (the 97-2003 format, stored
// in a compound file) into a document editor.
//
// The reader loads the file's streams, checks the file information block, reads the
// piece table (so fast-saved files with many pieces read as well as plain ones), and
// builds the document story by story through the editor's append operations: body
// paragraphs and tables (nested to any depth), section breaks, headers and footers,
// footnotes and endnotes, comments and text boxes, with character and paragraph
// formatting resolved through the style sheet and lists as numbering. Fields keep their
// results (hyperlinks become links, page numbers stay fields); bookmarks are kept;
// pictures are inline or floating as in the file.
//
// Word 6 and 95 files (versions 101-105) are read too: their older information block,
// their one stream, 8-bit text through the code page of the document's language, and
// their one-byte modifier codes rewritten in the later form so the same appliers serve.
// Of them, comments, bookmarks, headers and footers, drawings and the older
// autonumbering are not read.
//
// Every offset and count read from the file is checked against the stream it points
// into before it is used; damage that leaves nothing to build on raises VYXException
// with one of the messages below, smaller damage is skipped.
//
// Messages: "File is not a MS Word file", "Document is encrypted.", "Invalid DOC file",
// "Invalid Pcdt", "Unsupported DOC version (Word 6/95)" (versions between 95 and 97),
// "Unexpected end of DOC stream", "Document has too many paragraphs",
// "Can not open file: <name>", and the compound-file layer's own.
//
// Comments span the text their annotation bookmarks mark; floating pictures are
// anchored to their paragraph with their position and wrapping.
//
// Not supported: files older than Word 6 (refused as not being word-processing files);
// drawings other than pictures and text boxes; headers and footers of sections after
// the first that has its own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TVYXLogDocEditor;
class TVYXStream;

class TVYXReadDOC {
public:
    explicit TVYXReadDOC(TVYXLogDocEditor& doc);
    ~TVYXReadDOC();
    TVYXReadDOC(const TVYXReadDOC&) = delete;
    TVYXReadDOC& operator=(const TVYXReadDOC&) = delete;

    // Settings.
    // false leaves pictures undecoded for taking the text out, which never draws them: an
    // inline picture becomes an empty picture run (no bytes), a floating one is left out.
    bool ReadPictures = true;

    // Reads the file into the document (cleared first). Raises "Can not open file: <name>".
    void LoadFromFile(const std::string& fileName);
    // The same for a file held in memory, or read from a stream's position to its end
    // (a stream is read whole: the file's tables point anywhere in it).
    void LoadFromBytes(std::string bytes);
    void LoadFromStream(TVYXStream& stream);

    // The text of `length` character positions from `cp`, as stored (marks included);
    // clipped to the document's text.
    std::u16string FindText(std::uint32_t cp, std::uint32_t length) const;
    // The whole stored text of all stories (after a load).
    const std::u16string& Text() const;
    // Property modifiers met and not applied, each once: four hex digits, then a blank
    // and the modifier's name when it has one ("2407 sprmPFPageBreakBefore").
    const std::vector<std::string>& UnknownSprms() const;
    int PieceCount() const;

private:
    struct TImpl;
    TVYXLogDocEditor& FDoc;
    std::unique_ptr<TImpl> FImpl;
};
