// VYXReadDOCXImpl.h: the DOCX reader's element trees, shared values and reader state, for
// the reader's own source units (VYXReadDOCX*.cpp). Nothing outside them includes it.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXDocxParts.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/schema/NyqDocx.h"
#include "model/VYXCharProps.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

class TCT_Numbering;
class TCT_Style;
class TCT_Styles;
class TOPCItem;
class TVYXBookmark;
class TVYXCharRun;
class TVYXComment;
class TVYXDocumentProperties;
class TVYXGraphicObj;
class TVYXGraphicPicture;
class TVYXHyperlink;
class TVYXLogPara;
class TVYXLogParas;
class TVYXPermission;
class TVYXPicture;
class TVYXSEP;
class TVYXTAPX;
class TVYXTableCellProps;
class TVYXTableStyle;

// Named rather than anonymous: the reader's state below holds these types and is
// shared by several units.
namespace vyx_docx {

enum TDocxElement : std::int16_t {
    dxeUnknown = -1,
#define DOCX_ELEM(e, n) e,
#include "formats/VYXDocxNames.inc"
};

inline constexpr std::string_view cDocxNames[] = {
#define DOCX_ELEM(e, n) n,
#include "formats/VYXDocxNames.inc"
};

inline constexpr std::string_view cDocxAttributes[] = {
#define DOCX_ATTR(n) n,
#include "formats/VYXDocxNames.inc"
};

inline TDocxElement FindElement(std::string_view localName)
{
    const auto* end = std::end(cDocxNames);
    const auto* it = std::lower_bound(std::begin(cDocxNames), end, localName);
    return it != end && *it == localName ? static_cast<TDocxElement>(it - std::begin(cDocxNames)) : dxeUnknown;
}

// Elements nested deeper than this make the part unreadable; the walk below
// recurses once per table level, so the limit also bounds the call stack.
inline constexpr int cMaxDepth = 256;
inline constexpr int cMaxTableDepth = 32;

// ---- Element trees ---------------------------------------------------------------

struct TDxAttr {
    std::string_view Name;  // local name
    std::string_view Raw;   // before entity decoding
};

struct TDxNode {
    TDocxElement Elem = dxeUnknown;
    std::int32_t FirstChild = -1, Next = -1;
    std::uint32_t AttrFirst = 0, AttrCount = 0;
    std::string_view Text;  // raw text after the start tag
};

class TDxTree : private TNyqReadXML {
public:
    // `knownAttributes` (borrowed) lists the attribute names not to report.
    TDxTree(TNyqPErrors& errors, const std::unordered_set<std::string_view>& knownAttributes)
        : FErrors(errors), FKnownAttributes(knownAttributes)
    {
        FNodes.push_back({});
    }

    // Parses `xml` (kept by the tree: nodes view it). Raises on malformed XML.
    void Load(std::string xml);
    bool Empty() const { return FNodes.size() < 2; }
    const TDxNode& Root() const { return FNodes[0]; }
    const TDxNode* Child(const TDxNode& n) const { return n.FirstChild < 0 ? nullptr : &FNodes[static_cast<std::size_t>(n.FirstChild)]; }
    const TDxNode* Next(const TDxNode& n) const { return n.Next < 0 ? nullptr : &FNodes[static_cast<std::size_t>(n.Next)]; }
    const TDxNode* Find(const TDxNode& n, TDocxElement e) const
    {
        for (const TDxNode* c = Child(n); c; c = Next(*c))
            if (c->Elem == e)
                return c;
        return nullptr;
    }
    // The first descendant (depth first) of this kind.
    const TDxNode* FindDeep(const TDxNode& n, TDocxElement e) const;
    // Raw attribute by local name; nullptr when absent.
    const std::string_view* Attr(const TDxNode& n, std::string_view name) const
    {
        for (std::uint32_t i = 0; i < n.AttrCount; ++i) {
            const TDxAttr& a = FAttrs[n.AttrFirst + i];
            if (a.Name == name)
                return &a.Raw;
        }
        return nullptr;
    }
    std::string Value(const TDxNode& n, std::string_view name, std::string_view def = {}) const
    {
        const std::string_view* raw = Attr(n, name);
        if (!raw)
            return std::string(def);
        if (raw->find('&') == std::string_view::npos)
            return std::string(*raw);
        std::string out;
        NyqDecodeEntities(*raw, out);
        return out;
    }
    std::u16string Value16(const TDxNode& n, std::string_view name) const { return Utf8ToUtf16(Value(n, name)); }
    bool Has(const TDxNode& n, std::string_view name) const { return Attr(n, name) != nullptr; }
    // Integer attribute; `def` when absent or not a number (a trailing unit or "%" is ignored).
    long long Int(const TDxNode& n, std::string_view name, long long def = 0) const
    {
        const std::string_view* raw = Attr(n, name);
        if (!raw)
            return def;
        std::string_view s = NyqTrimBlanks(*raw);
        if (!s.empty() && s.front() == '+')
            s.remove_prefix(1);
        double d = 0;
        auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), d);
        if (ec != std::errc() || !std::isfinite(d))
            return def;
        return static_cast<long long>(std::clamp(d, -1e15, 1e15));
    }
    // An on/off property: absent value is on; "0", "false", "off" are off.
    bool OnOff(const TDxNode& n) const
    {
        const std::string_view* raw = Attr(n, "val");
        if (!raw)
            return true;
        return !(*raw == "0" || *raw == "false" || *raw == "off");
    }
    std::u16string Text16(const TDxNode& n) const
    {
        if (n.Text.find('&') == std::string_view::npos)
            return Utf8ToUtf16(n.Text);
        std::string out;
        NyqDecodeEntities(n.Text, out);
        return Utf8ToUtf16(out);
    }

private:
    void BeginTag() override;
    void EndTag() override;
    // The raw value of attribute `i`: the tokenizer accepts only name blank* "="
    // blank* quoted-value in XML mode, and its name view points into the buffer
    // the tree keeps, so the value is found right after the name without a copy.
    std::string_view RawValueOf(int i) const;

    TNyqPErrors& FErrors;
    const std::unordered_set<std::string_view>& FKnownAttributes;
    std::unordered_set<std::string_view> FReported;  // unknown attribute names already reported (views of FXml)
    std::string FXml;
    std::vector<TDxNode> FNodes;
    std::vector<TDxAttr> FAttrs;
    std::vector<std::int32_t> FStack, FLast;
    int FSkip = 0;
};

// Styles and numbering are held by the schema classes, but the run, paragraph
// and table properties inside them map to the model through the one mapping the
// bodies use, written over flat nodes: a property element writes itself as XML
// and the flat tokenizer reads that text back. Each load replaces the last one.
class TDxElementView {
public:
    explicit TDxElementView(const std::unordered_set<std::string_view>& knownAttributes)
        : FTree(FQuiet, knownAttributes) {}
    // The flat node of `element` written as `name`; nullptr when there is none.
    const TDxNode* Load(const TNYQBase* element, std::string_view name)
    {
        if (!element || !element->Available())
            return nullptr;
        FTree.Load(VYXDocxElementText(*element, name));
        return FTree.Child(FTree.Root());
    }
    const TDxTree& Tree() const { return FTree; }

private:
    TNyqPErrors FQuiet;  // the classes have reported the part's problems, with their rows
    TDxTree FTree;
};


// ---- Values ----------------------------------------------------------------------

// "RRGGBB" to 0x00RRGGBB; "auto" and bad text give nothing.
bool ParseHexColor(std::string_view s, TVYXColor& color);

// ISO 8601 date-time ("2024-03-01T10:20:30Z") to days since 1899-12-30; 0 when unreadable.
double ParseDateTime(std::string_view s);

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& names, std::string_view value, int def)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == value)
            return static_cast<int>(i);
    return def;
}

inline double Twips(long long v) { return static_cast<double>(v) / 20.0; }

// The side a cell border element stands for (start and end as left and right);
// false for another element.
bool CellBorderSide(TDocxElement elem, TVYXTableBorderSide& side);

// Where runs of the walk go: a paragraph list, and for the main body the editor.
struct TTarget {
    TVYXLogParas* Paras = nullptr;
    TVYXLogDocEditor* Editor = nullptr;  // set for the main body only
    TVYXLogDocEditor* Notes = nullptr;   // the main editor, in the body and its cells
    TVYXLogPara* Reuse = nullptr;        // an empty paragraph the list came with
    TOPCItem* Owner = nullptr;           // the part whose relationships name pictures and links
};

// What the runs of a paragraph are inside of.
struct TRunContext {
    TVYXHyperlink* Link = nullptr;
    TVYXRevisionType Rev = artUnknown;
    std::u16string RevAuthor;
    double RevDate = 0;
    std::int32_t RevId = -1;
};

}  // namespace vyx_docx

using namespace vyx_docx;

// ---- The reader ------------------------------------------------------------------

class TVYXReadDOCX::TImpl {
public:
    explicit TImpl(TVYXLogDocEditor& doc)
        : FDoc(doc), FKnownAttributes(std::begin(cDocxAttributes), std::end(cDocxAttributes))
    {
    }
    TVYXDocumentProperties* FProperties = nullptr;  // borrowed, optional

    TVYXLogDocEditor& FDoc;
    const std::unordered_set<std::string_view> FKnownAttributes;
    TNyqPErrors FErrors;
    std::unique_ptr<TOPC_DOCX> FPkg;
    std::u16string FMajorFont, FMinorFont;
    std::map<std::u16string, std::u16string> FBookmarkNames;  // w:id -> name
    std::map<std::u16string, TVYXBookmark*> FOpenBookmarks;   // w:id -> bookmark
    std::vector<std::u16string> FPendingBookmarks;            // opened between paragraphs
    std::vector<std::u16string> FPendingEnds;
    std::unique_ptr<TDxTree> FFootnotes, FEndnotes;
    std::map<long long, const TDxNode*> FFootnoteNodes, FEndnoteNodes;
    std::map<std::pair<TOPCItem*, std::string>, TVYXPicture*> FPictures;  // by owner part and relationship id
    std::unique_ptr<TDxTree> FComments;
    std::map<std::u16string, const TDxNode*> FCommentNodes;  // w:id -> w:comment
    std::map<std::u16string, TVYXComment*> FOpenComments;    // started, not ended
    std::map<std::u16string, bool> FCommentsDone;            // ended (a later reference adds nothing)
    int FFieldDepth = 0;
    std::vector<std::u16string> FFieldInstr;  // of open complex fields
    std::vector<bool> FFieldSeparated;
    struct TFieldBegin {
        TVYXLogPara* Para = nullptr;
        TVYXCharRun* Run = nullptr;
        const TDxTree* Tree = nullptr;
        const TDxNode* FFData = nullptr;  // form-field data of the begin mark, or nullptr
        std::size_t InstrShown = 0;       // instruction characters already put before a nested field
    };
    // The instruction read since the last nested field began (all of it without one).
    std::u16string InstrRest() const { return FFieldInstr.back().substr(std::min(FFieldBegin.back().InstrShown, FFieldInstr.back().size())); }
    std::vector<TFieldBegin> FFieldBegin;  // where each open field began
    bool MakeFormField(TVYXLogPara& para, const TFieldBegin& begin, int first, const std::u16string& result);
    // Markup open in one story (the body, a header, a text box) never closes in
    // another: a story read inside another gets empty stacks, and what it leaves
    // open is closed at its last paragraph.
    struct TStoryState {
        std::map<std::u16string, TVYXBookmark*> OpenBookmarks;
        std::vector<std::u16string> PendingBookmarks;
        std::map<std::u16string, TVYXComment*> OpenComments;
        std::vector<std::u16string> FieldInstr;
        std::vector<bool> FieldSeparated;
        std::vector<TFieldBegin> FieldBegin;
    };
    void SwapStory(TStoryState& state)
    {
        std::swap(state.OpenBookmarks, FOpenBookmarks);
        std::swap(state.PendingBookmarks, FPendingBookmarks);
        std::swap(state.OpenComments, FOpenComments);
        std::swap(state.FieldInstr, FFieldInstr);
        std::swap(state.FieldSeparated, FFieldSeparated);
        std::swap(state.FieldBegin, FFieldBegin);
    }
    void CloseStory(TVYXLogParas& paras);
    void ReadStory(const TDxTree& t, const TDxNode& content, TTarget& target);
    void EndField(TVYXLogPara& para, const TVYXCHPX& chpx);
    bool FHeadersRead = false;
    int FTableDepth = 0;

    using TDecrypt = std::string (*)(std::string_view, const std::string&);
    void Load(std::string_view bytes, const std::string& password, TDecrypt decrypt);
    void LoadDocumentXml(std::string_view xml);

private:
    std::unique_ptr<TDxTree> Parse(std::string xml)
    {
        auto tree = std::make_unique<TDxTree>(FErrors, FKnownAttributes);
        if (!xml.empty())
            tree->Load(std::move(xml));
        return tree;
    }
    void ReadSettings(std::string xml);
    void ReadTheme(std::string xml);
    void ReadStyles(const TCT_Styles& root);
    void ReadNumbering(const TCT_Numbering& root, const TCT_Styles* styles);
    void ReadNotes(std::string xml, std::unique_ptr<TDxTree>& tree, std::map<long long, const TDxNode*>& nodes);
    void ReadBody(const TDxTree& t);
    void ReadComments(std::string xml);
    void DoAppAndCore(TVYXDocumentProperties& props);
    TVYXComment* CommentStart(const std::u16string& id, TVYXLogPara& para);
    void CommentEnd(const std::u16string& id, TVYXLogPara& para);

    void DoCHPX(const TDxTree& t, const TDxNode& rPr, TVYXCHPX& chpx);
    void DoPAPX(const TDxTree& t, const TDxNode& pPr, TVYXPAPX& papx);
    void DoBorder(const TDxTree& t, const TDxNode& n, TVYXDocPropBorder& border);
    void DoTAPX(const TDxTree& t, const TDxNode& tblPr, TVYXTAPX& tapx);
    void DoCellLook(const TDxTree& t, const TDxNode& tcPr, TVYXTableCellProps& props);
    void DoTableStyleParts(TDxElementView& view, const TCT_Style& source, TVYXTableStyle& style);
    void DoSEP(const TDxTree& t, const TDxNode& sectPr, TVYXSEP& sep);
    void DoHeaderFooters(const TDxTree& t, const TDxNode& sectPr);
    void Blocks(const TDxTree& t, const TDxNode& parent, TTarget& target);
    void Para(const TDxTree& t, const TDxNode& p, TTarget& target);
    void Inline(const TDxTree& t, const TDxNode& parent, TVYXLogPara& para, TTarget& target, TRunContext& ctx);
    void Run(const TDxTree& t, const TDxNode& r, TVYXLogPara& para, TTarget& target, const TRunContext& ctx);
    void Table(const TDxTree& t, const TDxNode& tbl, TTarget& target);
    void Picture(const TDxTree& t, const TDxNode& n, TVYXLogPara& para, TTarget& target, const TVYXCHPX& chpx);
    void DoAnchor(const TDxTree& t, const TDxNode& anchor, TVYXGraphicObj& object);
    void DoVmlAnchor(const TDxTree& t, const TDxNode& shape, TVYXGraphicObj& object);
    void PermStart(const TDxTree& t, const TDxNode& n, TVYXLogPara& para);
    std::map<std::u16string, TVYXPermission*> FOpenPerms;  // by their id in the file
    void DoPictureLook(const TDxTree& t, const TDxNode& n, TVYXGraphicPicture& picture);
    void Note(const TDxTree& t, const TDxNode& ref, bool endnote, TVYXLogPara& para, TTarget& target,
              const TVYXCHPX& chpx);
    void AddText(TVYXLogPara& para, std::u16string_view text, const TVYXCHPX& chpx, const TRunContext& ctx);
    TVYXLogPara& NewPara(TTarget& target, const TVYXPAPX& papx);
    void FlushBookmarks(TVYXLogPara& para);
    void BookmarkStart(const TDxTree& t, const TDxNode& n, TVYXLogPara* para);
    void BookmarkEnd(const TDxTree& t, const TDxNode& n, TVYXLogPara* para);
    std::u16string ThemeFont(std::string_view theme) const
    {
        return theme.rfind("major", 0) == 0 ? FMajorFont : FMinorFont;
    }
    TVYXCHPX NewCHPX() const { return TVYXCHPX(&FDoc.GetMasterCHP()); }
    TVYXPAPX NewPAPX() const { return TVYXPAPX(&FDoc.GetMasterPAP()); }
};
