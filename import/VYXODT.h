// VYXODT.h: the package-and-tree layer of OpenDocument text import: the zip package
// (or a flat single-file document), its parts as element trees with mixed content,
// and the pictures the document refers to.
//
// The trees keep text in document order between elements, which the body needs
// ("a <span>b</span> c"), and they rename namespace prefixes to the usual ones
// (office, style, text, table, draw, fo, svg, xlink, ...) by namespace URI, so a
// producer that picks other prefixes reads the same.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TVYXStream;
class TXLSZipArchive;

// One element or one text node of a part. Elements have a qualified name; text nodes
// have an empty name and their text (UTF-16, entities decoded, blanks as written).
class TVYXODTNode {
public:
    std::string Name;
    std::u16string Text;
    std::vector<std::pair<std::string, std::string>> Attrs;  // qualified name, UTF-8 value
    std::vector<std::unique_ptr<TVYXODTNode>> Children;
    TVYXODTNode* Parent = nullptr;  // borrowed

    bool IsText() const { return Name.empty(); }
    // The attribute's value, or `def` when absent.
    std::string_view Attr(std::string_view name, std::string_view def = {}) const;
    bool HasAttr(std::string_view name) const;
    // The first child element of this name; nullptr when none.
    TVYXODTNode* Child(std::string_view name) const;
};

// An element tree of one XML part. Elements nested deeper than cMaxDepth are not
// made: their text goes to the deepest element made, so a hostile file costs
// neither stack nor text.
class TVYXODTPart {
public:
    static constexpr int cMaxDepth = 200;
    TVYXODTPart();
    ~TVYXODTPart();
    TVYXODTPart(const TVYXODTPart&) = delete;
    TVYXODTPart& operator=(const TVYXODTPart&) = delete;

    // Raises the XML layer's syntax errors.
    void Load(std::string_view xml);
    // The document element; nullptr before loading or for an empty part.
    TVYXODTNode* DocElement() const;
    // The element found by walking `path`, names separated by "/" from the document
    // element's children ("office:body/office:text"); nullptr when a step is missing.
    TVYXODTNode* Find(std::string_view path) const;
    bool Truncated() const { return FTruncated; }  // elements were too deep

private:
    friend class TVYXODTPartBuilder;
    std::unique_ptr<TVYXODTNode> FRoot;
    bool FTruncated = false;
};

// The package: content.xml and styles.xml (or the single part of a flat document),
// and the files the body refers to by name.
class TVYXODT {
public:
    TVYXODT();
    ~TVYXODT();
    TVYXODT(const TVYXODT&) = delete;
    TVYXODT& operator=(const TVYXODT&) = delete;

    // Opens a zip package or, when the bytes start like XML, a flat document. Raises
    // "Can not open file. The document is encrypted" for encrypted packages and the
    // zip layer's errors for damaged ones.
    void OpenRead(TVYXStream& stream);
    // Writing is not supported; kept so both directions have one name.
    void OpenWrite(TVYXStream&) {}
    // Loads content.xml (and styles.xml when present). Raises "Can not open file.
    // content.xml is missing" when the package has no content part.
    void ReadContent();
    bool Flat() const { return FFlat; }
    // The parts: for a flat document both answer the same single part.
    const TVYXODTPart& Content() const { return *FContent; }
    const TVYXODTPart& Styles() const { return FFlat ? *FContent : *FStyles; }
    // The bytes of a file in the package ("Pictures/1.png", "./Pictures/1.png");
    // false when there is none (or for flat documents, which keep pictures inline).
    bool ReadFile(std::string_view name, std::string& bytes);

private:
    std::unique_ptr<TXLSZipArchive> FZIP;
    std::unique_ptr<TVYXStream> FOwnedStream;
    std::unique_ptr<TVYXODTPart> FContent, FStyles;
    std::string FFlatXml;
    bool FFlat = false;
};

// A length of OpenDocument ("2cm", "0.5in", "12pt", "10mm", "1pc", "96px") in points;
// nullopt-like false for anything else (percentages included).
bool VYXODTLength(std::string_view text, double& points);
