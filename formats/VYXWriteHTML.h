// VYXWriteHTML.h: writes a document as one HTML5 file with an embedded style sheet.
//
// Formats become generated classes: every distinct character, paragraph and cell
// format gets one rule ("span.cx3", "p.px2", "td.tx1") and the elements carry only
// `class` attributes, so equal formats share a rule. Lists are real `ul`/`ol`
// nesting, tables keep their spans and widths, notes follow the body with links
// both ways. Pictures go to files "Pict<n>.<ext>" next to the HTML file, or inline
// as data: URIs. The output is deterministic: the same document gives the same bytes.
#pragma once

#include <string>
#include <utility>
#include <vector>

class TVYXLogDocEditor;

class TVYXWriteHTML {
public:
    // The editor is only read (its accessors for notes and headers are not const).
    explicit TVYXWriteHTML(TVYXLogDocEditor& doc) : FDoc(doc) {}

    // Settings.
    bool EmbedPictures = false;  // data: URIs instead of files
    std::string Title;           // the title element; "Document" when empty

    // The HTML text (UTF-8). Without EmbedPictures the pictures are collected in
    // PictureFiles() for the caller to write.
    std::string SaveToString();
    // Writes the file and its pictures beside it.
    void SaveToFile(const std::string& fileName);
    // (file name, bytes) of the pictures of the last save.
    const std::vector<std::pair<std::string, std::string>>& PictureFiles() const { return FPictureFiles; }

private:
    TVYXLogDocEditor& FDoc;
    std::vector<std::pair<std::string, std::string>> FPictureFiles;
};
