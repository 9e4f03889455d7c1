// VYXReadHTML.h: reads an HTML document with its style sheets into a document editor.
//
// The file is parsed into the tolerant tree (VYXHtmlDOM), the `style` elements and
// linked sheets into the cascade (VYXCSSParse), and the body is walked element by
// element, building paragraphs, runs, lists and tables through the editor's append
// operations. Bad markup never stops the read; only a file that cannot be opened
// raises.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class TVYXLogDocEditor;
class TVyCSS;

class TVYXReadHTML {
public:
    explicit TVYXReadHTML(TVYXLogDocEditor& doc);
    ~TVYXReadHTML();
    TVYXReadHTML(const TVYXReadHTML&) = delete;
    TVYXReadHTML& operator=(const TVYXReadHTML&) = delete;

    // Settings.
    double PixelsPerInch = 96;  // for px lengths
    std::string BaseFolder;     // pictures and linked sheets are found here ("" for none)
    bool MissingPictureText = true;  // a picture that cannot be read becomes " Missing Picture "

    // Raises "Cannot open file ..." when the file cannot be read; pictures and
    // sheets are then looked up beside it.
    void LoadFromFile(const std::string& fileName);
    // Appends the document read from `bytes` to the editor's body.
    void LoadFromBytes(std::string_view bytes);
    // Style sheets that apply before the document's own.
    void ReadCSS(std::string_view text);
    void ReadCSSFile(const std::string& fileName);
    const TVyCSS& CSS() const;

private:
    TVYXLogDocEditor& FDoc;
    std::unique_ptr<TVyCSS> FCss;
};
