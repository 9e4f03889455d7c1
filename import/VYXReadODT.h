// VYXReadODT.h: import of OpenDocument text (.odt packages and flat .fodt files)
// into a document editor, through the editor's append operations.
//
// What is read: paragraphs and headings with their text in document order
// (spans, spaces, tabs, line breaks), common, automatic and default styles with
// parent inheritance (flattened onto paragraphs and runs), lists nested to any
// depth as numbering, tables with column widths, spanned and covered cells, cell
// properties and nested tables, sections (their content), the page layout and
// the headers and footers of the first master page, footnotes and endnotes,
// fields as their current text (page number, page count, date and time as
// fields), bookmarks, links, pictures (inline or anchored) and text boxes,
// tracked insertions and deletions (deleted text comes back marked deleted),
// comments, section breaks where the master page changes, numbered headings.
//
// Not supported: format changes of tracked changes, headers and footers of later
// master pages, shapes other than pictures and text boxes, embedded objects beyond
// their replacement picture.
#pragma once

#include <memory>
#include <string>

class TVYXLogDocEditor;
class TVYXStream;
class TVYXODT;

class TVYXReadODT {
public:
    // `doc` is the main editor the file is read into (borrowed).
    explicit TVYXReadODT(TVYXLogDocEditor& doc);
    ~TVYXReadODT();
    TVYXReadODT(const TVYXReadODT&) = delete;
    TVYXReadODT& operator=(const TVYXReadODT&) = delete;

    // The document is cleared first. On failure it keeps what was read so far and
    // stays valid; the error is raised as VYXException.
    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TVYXStream& stream);

    // Figures of the last read, for tests and diagnostics.
    int MissingPictures() const { return FMissingPictures; }

private:
    std::unique_ptr<TVYXODT> FODT;
    TVYXLogDocEditor& FDoc;
    int FMissingPictures = 0;
};
