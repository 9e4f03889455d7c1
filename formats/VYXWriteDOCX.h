// VYXWriteDOCX.h: the DOCX writer: a document editor into a WordprocessingML package.
//
// Writes sparse formatting: each paragraph, run, style and table carries only
// the properties of its own list, element by element in the order the schema
// requires (so every part validates). Lengths convert at this border: points
// x20 to twips, x2 to half-points, x12700 to EMU, rounded to the nearest
// integer. Output is deterministic: the same document gives the same bytes.
//
// Parts: the main document with its final section, styles, numbering,
// settings, a theme, headers and footers, footnotes and endnotes, pictures,
// hyperlink relationships, core properties (the document's own when given)
// and constant app properties.
#pragma once

#include <string>

class TVYXLogDocEditor;
class TVYXStream;
class TVYXDocumentProperties;

class TVYXWriteDOCX {
public:
    // `doc` is a main document editor; the writer never changes it.
    explicit TVYXWriteDOCX(TVYXLogDocEditor& doc);
    ~TVYXWriteDOCX();
    TVYXWriteDOCX(const TVYXWriteDOCX&) = delete;
    TVYXWriteDOCX& operator=(const TVYXWriteDOCX&) = delete;

    // When set (borrowed), the document's own core properties are written (title,
    // subject, author, keywords, description, last modified by, created, modified);
    // otherwise the constant core part, the same for every document.
    const TVYXDocumentProperties* Properties = nullptr;

    // The package's bytes.
    std::string SaveToBytes();
    void SaveToStream(TVYXStream& stream);
    void SaveToFile(const std::string& fileName);

private:
    TVYXLogDocEditor& FDoc;
};
