// VYXHtmlDOM.h: a tolerant HTML tree: tokenizer, entity decoding, implicit closing.
//
// Real-world HTML is the normal case, so nothing here raises on content: unclosed
// and misnested tags are closed the way browsers close them, unknown elements
// become ordinary elements, `script`, `style` and their kin are raw text, and the
// tree is never deeper than cVYXHtmlMaxDepth (deeper elements are added flat to
// the deepest open one). Text is UTF-16 after decoding; tag and attribute names
// are lower-case ASCII.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Element kinds the reader and the writer act on; every other name is vytUNKNOWN
// with its name kept in the node. Sorted by name after vytDOCUMENT (binary search).
enum TVYXHTagId : std::uint8_t {
    vytTEXT, vytDOCUMENT, vytCOMMENT,
    vytA, vytABBR, vytADDRESS, vytAREA, vytARTICLE, vytASIDE, vytB, vytBASE, vytBASEFONT, vytBDI, vytBDO,
    vytBIG, vytBLOCKQUOTE, vytBODY, vytBR, vytBUTTON, vytCAPTION, vytCENTER, vytCITE, vytCODE, vytCOL,
    vytCOLGROUP, vytDD, vytDEL, vytDETAILS, vytDFN, vytDIR, vytDIV, vytDL, vytDT, vytEM, vytEMBED,
    vytFIELDSET, vytFIGCAPTION, vytFIGURE, vytFONT, vytFOOTER, vytFORM, vytFRAME, vytFRAMESET, vytH1,
    vytH2, vytH3, vytH4, vytH5, vytH6, vytHEAD, vytHEADER, vytHR, vytHTML, vytI, vytIFRAME, vytIMG,
    vytINPUT, vytINS, vytKBD, vytLABEL, vytLEGEND, vytLI, vytLINK, vytMAIN, vytMAP, vytMARK, vytMATH,
    vytMENU, vytMETA, vytNAV, vytNOBR, vytNOEMBED, vytNOFRAMES, vytNOSCRIPT, vytOBJECT, vytOL,
    vytOPTGROUP, vytOPTION, vytP, vytPARAM, vytPLAINTEXT, vytPRE, vytQ, vytS, vytSAMP, vytSCRIPT,
    vytSECTION, vytSELECT, vytSMALL, vytSOURCE, vytSPAN, vytSTRIKE, vytSTRONG, vytSTYLE, vytSUB,
    vytSUMMARY, vytSUP, vytSVG, vytTABLE, vytTBODY, vytTD, vytTEMPLATE, vytTEXTAREA, vytTFOOT, vytTH,
    vytTHEAD, vytTITLE, vytTR, vytTT, vytU, vytUL, vytVAR, vytVIDEO, vytWBR, vytXMP,
    vytUNKNOWN
};

// Deeper elements are not nested further: the reader recurses over the tree.
constexpr int cVYXHtmlMaxDepth = 200;

// The id of a lower-case tag name; vytUNKNOWN when it has none.
TVYXHTagId VYXHtmlTagId(std::string_view lowerName);
// The lower-case name of an id ("" for text, document and comment nodes).
std::string_view VYXHtmlTagName(TVYXHTagId id);
// Elements without content (`br`, `img`, ...).
bool VYXHtmlIsVoid(TVYXHTagId id);
// Elements that start a block in flow (`p`, `div`, `table`, `li`, headings, ...).
bool VYXHtmlIsBlock(TVYXHTagId id);

// Replaces character references (&amp; &#233; &#xE9;) in `text`; unknown ones stay as written.
std::u16string VYXHtmlDecodeEntities(std::u16string_view text);
// `&`, `<`, `>`, `"` and U+00A0 as references, everything else as is.
std::u16string VYXHtmlEntityEncodeStr(std::u16string_view text);

struct TVYXHtmlAttribute {
    std::string Name;      // lower case
    std::u16string Value;  // references decoded
};

class TVYXHtmlNode {
public:
    TVYXHtmlNode(TVYXHTagId tag, std::string name) : Tag(tag), Name(std::move(name)) {}
    TVYXHtmlNode(const TVYXHtmlNode&) = delete;
    TVYXHtmlNode& operator=(const TVYXHtmlNode&) = delete;
    ~TVYXHtmlNode();

    TVYXHTagId Tag;
    std::string Name;     // lower-case element name; empty for text
    std::u16string Text;  // text and comment nodes; raw text of script and style as a child
    std::vector<TVYXHtmlAttribute> Attributes;

    TVYXHtmlNode* Parent() const { return FParent; }
    int ChildCount() const { return static_cast<int>(FChildren.size()); }
    TVYXHtmlNode& Child(int i) const { return *FChildren.at(static_cast<std::size_t>(i)); }
    TVYXHtmlNode* FirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
    TVYXHtmlNode* GetNthChild(int i) const;
    TVYXHtmlNode& AddChild(std::unique_ptr<TVYXHtmlNode> node);
    // The attribute's value, nullptr when absent.
    const std::u16string* FindAttribute(std::string_view name) const;
    std::u16string Attribute(std::string_view name) const;
    bool HasAttribute(std::string_view name) const { return FindAttribute(name) != nullptr; }
    // The nearest ancestor with that tag, nullptr when none.
    TVYXHtmlNode* FindParent(TVYXHTagId tag) const;
    // The element sibling before this node (text skipped), nullptr when none.
    TVYXHtmlNode* PrevSiblingNotText() const;
    // The class attribute split at blanks.
    std::vector<std::u16string> Classes() const;
    bool ContentIsWhitespaceOrCRLF() const;
    // The text of the node and its descendants, in order.
    std::u16string InnerText() const;

private:
    TVYXHtmlNode* FParent = nullptr;
    std::vector<std::unique_ptr<TVYXHtmlNode>> FChildren;
};

class TVYXHtmlDOM {
public:
    TVYXHtmlDOM();
    ~TVYXHtmlDOM();
    TVYXHtmlDOM(const TVYXHtmlDOM&) = delete;
    TVYXHtmlDOM& operator=(const TVYXHtmlDOM&) = delete;

    // Decodes the bytes (byte-order mark, else the `meta` charset in the first bytes,
    // else UTF-8 when valid, else Windows-1252) and parses them.
    void LoadFromBytes(std::string_view bytes);
    // Parses text that is already decoded; the tree is rebuilt.
    void Parse(std::u16string_view text);

    TVYXHtmlNode& Root() const { return *FRoot; }
    // The code page LoadFromBytes decoded with.
    int CodePage() const { return FCodePage; }
    // The texts of all `style` elements, in document order.
    const std::vector<std::u16string>& StyleTexts() const { return FStyles; }
    // The first element with that tag in document order, nullptr when none.
    TVYXHtmlNode* Find(TVYXHTagId tag) const;

private:
    std::unique_ptr<TVYXHtmlNode> FRoot;
    std::vector<std::u16string> FStyles;
    int FCodePage = 65001;
};

// The code page the bytes of an HTML file are in: a byte-order mark, a `meta`
// charset within the first 16 KB, else UTF-8 when the bytes are valid UTF-8, else
// Windows-1252. A declared UTF-8 that the bytes break also falls back to 1252.
// UTF-16 is answered as 1200 (little-endian) or 1201 (big-endian).
int VYXHtmlDetectCodePage(std::string_view bytes);
