// VYXPdfFont.h: one embedded face of a PDF document: the glyphs used, their widths and texts,
// written as a Type 0 font over a CID font subset by HarfBuzz.
//
// Character codes are two bytes (Identity-H) and equal the face's glyph indexes; the subset
// keeps the glyph indexes, so the CID-to-glyph map is the identity and content streams can
// be written before the subset exists. The face is subset once, when the document is saved.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

class TVYXPdfDocument;
struct hb_face_t;
struct hb_font_t;

class TVYXPdfFont {
public:
    // `name` is the resource name ("/F1"); `objNum` the reserved number of the Type 0 font.
    TVYXPdfFont(const std::string& file, int index, std::string name, int objNum);
    ~TVYXPdfFont();
    TVYXPdfFont(const TVYXPdfFont&) = delete;
    TVYXPdfFont& operator=(const TVYXPdfFont&) = delete;

    const std::string& Name() const { return FName; }
    int Obj() const { return FObj; }
    void SetObj(int objNum) { FObj = objNum; }
    // Records a glyph as used, standing for `text` (the first text seen for it wins).
    void Use(unsigned glyph, std::u16string_view text);
    // Advance of a glyph in thousandths of an em, as the face's own metrics give it.
    double Width(unsigned glyph) const;
    int UsedGlyphs() const { return static_cast<int>(FUsed.size()); }
    // Subsets the face and writes the font's objects into `doc`.
    void Write(TVYXPdfDocument& doc, bool pdfa);

private:
    std::string FFile;
    int FIndex = 0;
    std::string FName;
    int FObj = 0;
    hb_face_t* FFace = nullptr;
    hb_font_t* FFont = nullptr;
    double FUpem = 1000;
    std::map<unsigned, std::u16string> FUsed;  // glyph -> the text it stands for
};
