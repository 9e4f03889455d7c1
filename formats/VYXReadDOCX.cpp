// VYXReadDOCX.cpp: the DOCX reader: element trees of the package's parts walked into the model.
//
// Each part is tokenized once into a flat array of nodes (first child / next
// sibling links, names and raw values viewing the part's bytes), so the walk
// below can look ahead (a paragraph's properties, a table's grid) without a
// class per schema type. Nodes get their enumerator from the generated name
// table; an element outside it is reported and its subtree is not stored.
//
// Not supported: comments' formatting (their paragraphs are kept as plain texts), content-control properties,
// VML shapes other than pictures and text boxes, preset shapes other than pictures'
// frames, table looks with row or column bands wider than one, form-field data,
// notes anchored inside table cells (their text is dropped). Table styles'
// conditional formats are put on the cells as they are read (below what cells and
// runs set themselves), since layout paints cells, not styles.
#include "formats/VYXReadDOCX.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_set>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXDocxParts.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/schema/NyqDocx.h"
#include "formats/schema/NyqDocxWml.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

enum TDocxElement : std::int16_t {
    dxeUnknown = -1,
#define DOCX_ELEM(e, n) e,
#include "formats/VYXDocxNames.inc"
};

constexpr std::string_view cDocxNames[] = {
#define DOCX_ELEM(e, n) n,
#include "formats/VYXDocxNames.inc"
};

constexpr std::string_view cDocxAttributes[] = {
#define DOCX_ATTR(n) n,
#include "formats/VYXDocxNames.inc"
};

TDocxElement FindElement(std::string_view localName)
{
    const auto* end = std::end(cDocxNames);
    const auto* it = std::lower_bound(std::begin(cDocxNames), end, localName);
    return it != end && *it == localName ? static_cast<TDocxElement>(it - std::begin(cDocxNames)) : dxeUnknown;
}

// Elements nested deeper than this make the part unreadable; the walk below
// recurses once per table level, so the limit also bounds the call stack.
constexpr int cMaxDepth = 256;
constexpr int cMaxTableDepth = 32;

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
    void Load(std::string xml)
    {
        FXml = std::move(xml);
        FNodes.clear();
        FAttrs.clear();
        FStack.clear();
        FLast.clear();
        FReported.clear();
        FSkip = 0;
        FNodes.push_back({});  // the document node
        FStack.push_back(0);
        FLast.push_back(-1);
        LoadFromBuffer(FXml);
    }
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
    const TDxNode* FindDeep(const TDxNode& n, TDocxElement e) const
    {
        std::vector<const TDxNode*> stack;
        for (const TDxNode* c = Child(n); c; c = Next(*c))
            stack.push_back(c);
        std::reverse(stack.begin(), stack.end());
        while (!stack.empty()) {
            const TDxNode* c = stack.back();
            stack.pop_back();
            if (c->Elem == e)
                return c;
            std::vector<const TDxNode*> kids;
            for (const TDxNode* k = Child(*c); k; k = Next(*k))
                kids.push_back(k);
            stack.insert(stack.end(), kids.rbegin(), kids.rend());
        }
        return nullptr;
    }
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
    void BeginTag() override
    {
        if (FSkip > 0) {
            ++FSkip;
            return;
        }
        const std::string_view local = LocalName();
        const TDocxElement e = FindElement(local);
        if (e == dxeUnknown) {
            FErrors.Error(nyqpeUnknownElement, Tag(), Row());
            FSkip = 1;
            return;
        }
        if (FStack.size() > static_cast<std::size_t>(cMaxDepth))
            throw VYXException("DOCX: elements nested too deeply (row " + std::to_string(Row()) + ")");
        TDxNode node;
        node.Elem = e;
        // A self-closing tag has no text: what follows it belongs to its parent.
        node.Text = SelfClosing() ? std::string_view() : RawText();
        const auto& attrs = Attributes();
        node.AttrFirst = static_cast<std::uint32_t>(FAttrs.size());
        for (int i = 0; i < attrs.Count(); ++i) {
            const std::string_view raw = attrs.RawName(i);
            std::string_view name = raw;
            const auto colon = name.find(':');
            if (colon != std::string_view::npos)
                name.remove_prefix(colon + 1);
            const bool declaration = raw.substr(0, colon) == "xmlns";
            if (!declaration && !FKnownAttributes.count(name) && FReported.insert(raw).second)
                FErrors.Error(nyqpeUnknownAttribute, raw, Row());
            FAttrs.push_back({name, RawValueOf(i)});
        }
        node.AttrCount = static_cast<std::uint32_t>(FAttrs.size()) - node.AttrFirst;
        const auto index = static_cast<std::int32_t>(FNodes.size());
        FNodes.push_back(node);
        const std::int32_t parent = FStack.back();
        if (FLast.back() < 0)
            FNodes[static_cast<std::size_t>(parent)].FirstChild = index;
        else
            FNodes[static_cast<std::size_t>(FLast.back())].Next = index;
        FLast.back() = index;
        FStack.push_back(index);
        FLast.push_back(-1);
    }
    void EndTag() override
    {
        if (FSkip > 0) {
            --FSkip;
            return;
        }
        if (FStack.size() > 1) {
            FStack.pop_back();
            FLast.pop_back();
        }
    }
    // The raw value of attribute `i`: the tokenizer accepts only name blank* "="
    // blank* quoted-value in XML mode, and its name view points into the buffer
    // the tree keeps, so the value is found right after the name without a copy.
    std::string_view RawValueOf(int i) const
    {
        const std::string_view name = Attributes().RawName(i);
        const char* p = name.data() + name.size();
        const char* end = FXml.data() + FXml.size();
        while (p < end && *p != '"' && *p != '\'')
            ++p;
        if (p >= end)
            return {};
        const char quote = *p++;
        const char* q = p;
        while (q < end && *q != quote)
            ++q;
        return std::string_view(p, static_cast<std::size_t>(q - p));
    }

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
bool ParseHexColor(std::string_view s, TVYXColor& color)
{
    if (s.size() != 6)
        return false;
    unsigned v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + 6, v, 16);
    if (ec != std::errc() || p != s.data() + 6)
        return false;
    color = v;
    return true;
}

// ISO 8601 date-time ("2024-03-01T10:20:30Z") to days since 1899-12-30; 0 when unreadable.
double ParseDateTime(std::string_view s)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, se = 0;
    auto num = [&](std::size_t pos, std::size_t len, int& out) {
        if (s.size() < pos + len)
            return false;
        auto [p, ec] = std::from_chars(s.data() + pos, s.data() + pos + len, out);
        return ec == std::errc() && p == s.data() + pos + len;
    };
    if (!num(0, 4, y) || !num(5, 2, mo) || !num(8, 2, d) || mo < 1 || mo > 12 || d < 1 || d > 31)
        return 0;
    if (s.size() >= 19) {
        num(11, 2, h);
        num(14, 2, mi);
        num(17, 2, se);
    }
    // Days from civil (proleptic Gregorian), then shifted to the 1899-12-30 epoch.
    const int yy = y - (mo <= 2 ? 1 : 0);
    const int era = (yy >= 0 ? yy : yy - 399) / 400;
    const int yoe = yy - era * 400;
    const int doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long days = static_cast<long long>(era) * 146097 + doe - 719468;  // since 1970-01-01
    return static_cast<double>(days + 25569) + (h * 3600 + mi * 60 + se) / 86400.0;
}

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& names, std::string_view value, int def)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == value)
            return static_cast<int>(i);
    return def;
}

// In the order of TVYXChpUnderline.
constexpr std::array<std::string_view, 18> cUnderlineNames = {
    "none", "single", "words", "double", "thick", "dotted", "dottedHeavy", "dash", "dashedHeavy",
    "dashLong", "dashLongHeavy", "dotDash", "dashDotHeavy", "dotDotDash", "dashDotDotHeavy", "wave",
    "wavyHeavy", "wavyDouble"};
// In the order of TVYXHighlighColor.
constexpr std::array<std::string_view, 17> cHighlightNames = {
    "black", "blue", "cyan", "green", "magenta", "red", "yellow", "white", "darkBlue", "darkCyan",
    "darkGreen", "darkMagenta", "darkRed", "darkYellow", "darkGray", "lightGray", "none"};
constexpr std::array<std::string_view, 16> cHtmlColorNames = {
    "black", "silver", "gray", "white", "maroon", "red", "purple", "fuchsia", "green", "lime", "olive",
    "yellow", "navy", "blue", "teal", "aqua"};
constexpr std::array<TVYXColor, 16> cHtmlColorValues = {
    0x000000, 0xC0C0C0, 0x808080, 0xFFFFFF, 0x800000, 0xFF0000, 0x800080, 0xFF00FF, 0x008000, 0x00FF00,
    0x808000, 0xFFFF00, 0x000080, 0x0000FF, 0x008080, 0x00FFFF};

bool ParseColor(std::string_view s, TVYXColor& color)
{
    if (ParseHexColor(s, color))
        return true;
    const int i = IndexOf(cHtmlColorNames, s, -1);
    if (i < 0)
        return false;
    color = cHtmlColorValues[static_cast<std::size_t>(i)];
    return true;
}

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

}  // namespace

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

namespace {
double Twips(long long v) { return static_cast<double>(v) / 20.0; }

// The side a cell border element stands for (start and end as left and right);
// false for another element.
bool CellBorderSide(TDocxElement elem, TVYXTableBorderSide& side)
{
    switch (elem) {
    case dxeLeft:
    case dxeStart: side = atbsLeft; return true;
    case dxeTop: side = atbsTop; return true;
    case dxeRight:
    case dxeEnd: side = atbsRight; return true;
    case dxeBottom: side = atbsBottom; return true;
    default: return false;
    }
}
}  // namespace

void TVYXReadDOCX::TImpl::DoCHPX(const TDxTree& t, const TDxNode& rPr, TVYXCHPX& chpx)
{
    for (const TDxNode* c = t.Child(rPr); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxeB: chpx.SetBold(t.OnOff(n)); break;
        case dxeI: chpx.SetItalic(t.OnOff(n)); break;
        case dxeStrike: chpx.SetStrikeThrough(t.OnOff(n)); break;
        case dxeVanish: chpx.SetHidden(t.OnOff(n)); break;
        case dxeShadow: chpx.SetShadow(t.OnOff(n)); break;
        case dxeOutline: chpx.SetOutline(t.OnOff(n)); break;
        case dxeEmboss: chpx.SetEmboss(t.OnOff(n)); break;
        case dxeImprint: chpx.SetEngrave(t.OnOff(n)); break;
        case dxeSmallCaps: chpx.SetSmallCaps(t.OnOff(n)); break;
        case dxeCaps: chpx.SetAllCaps(t.OnOff(n)); break;
        case dxeRtl: chpx.SetRTL(t.OnOff(n)); break;
        case dxeSz:
            if (const long long v = t.Int(n, "val", -1); v > 0 && v < 32768)
                chpx.SetSize(static_cast<double>(v) / 2.0);
            break;
        case dxeColor: {
            TVYXColor color = 0;
            if (ParseColor(t.Value(n, "val"), color))
                chpx.SetColor(color);
            break;
        }
        case dxeShd: {
            TVYXColor color = 0;
            if (ParseHexColor(t.Value(n, "fill"), color))
                chpx.SetFillColor(color);
            break;
        }
        case dxeHighlight: {
            const int i = IndexOf(cHighlightNames, t.Value(n, "val"), -1);
            if (i >= 0 && i != ahcNone)
                chpx.SetHighlightColor(static_cast<TVYXHighlighColor>(i));
            break;
        }
        case dxeU: {
            const int i = IndexOf(cUnderlineNames, t.Value(n, "val", "single"), 1);
            chpx.SetUnderline(static_cast<TVYXChpUnderline>(i));
            TVYXColor color = 0;
            if (ParseHexColor(t.Value(n, "color"), color))
                chpx.SetUnderlineColor(color);
            break;
        }
        case dxeVertAlign: {
            const std::string v = t.Value(n, "val");
            chpx.SetSubSuperscript(v == "superscript" ? vycssSuperscript : v == "subscript" ? vycssSubscript : vycssNone);
            break;
        }
        case dxeRStyle:
            if (auto* style = dynamic_cast<TVYXCharStyle*>(FDoc.Styles().Find(t.Value16(n, "val"))))
                chpx.SetStyle(style);
            break;
        case dxeRFonts: {
            std::u16string ascii = t.Value16(n, "ascii");
            if (ascii.empty() && t.Has(n, "asciiTheme"))
                ascii = ThemeFont(t.Value(n, "asciiTheme"));
            std::u16string hAnsi = t.Value16(n, "hAnsi");
            if (hAnsi.empty() && t.Has(n, "hAnsiTheme"))
                hAnsi = ThemeFont(t.Value(n, "hAnsiTheme"));
            if (!ascii.empty()) {
                chpx.SetFontName(ascii);
                chpx.SetAscii(ascii);
            } else if (!hAnsi.empty()) {
                chpx.SetFontName(hAnsi);
            }
            if (!hAnsi.empty())
                chpx.SethAnsi(hAnsi);
            if (std::u16string ea = t.Value16(n, "eastAsia"); !ea.empty())
                chpx.SetEastAsia(ea);
            break;
        }
        case dxeBdr: DoBorder(t, n, *chpx.AddBorder()); break;
        case dxeRPrChange: {
            // A tracked format change: the run's properties before it.
            auto data = std::make_unique<TVYXRevisionDataCHPX>();
            data->RevType = artFormatCHPX;
            data->Author = t.Value16(n, "author");
            data->Date = ParseDateTime(t.Value(n, "date"));
            data->Id = static_cast<std::int32_t>(std::clamp(t.Int(n, "id", -1), -1LL, 0x7FFFFFFFLL));
            TVYXCHPX* former = data->AddCHPX(&FDoc.GetMasterCHP());
            if (const TDxNode* old = t.Find(n, dxeRPr))
                DoCHPX(t, *old, *former);
            former->RemoveRevision();
            chpx.AddRevision(std::move(data));
            break;
        }
        default: break;
        }
    }
}

void TVYXReadDOCX::TImpl::DoBorder(const TDxTree& t, const TDxNode& n, TVYXDocPropBorder& border)
{
    TVYXColor color = cVYXAutoColor;
    ParseHexColor(t.Value(n, "color"), color);
    const TST_Border style = StBorderFromName(t.Value(n, "val", "none")).value_or(stbSingle);
    // Border widths are in eighths of a point, spaces in points.
    border.SetVals(static_cast<double>(std::clamp(t.Int(n, "sz", 4), 0LL, 1000LL)) / 8.0, color, style,
                   static_cast<double>(std::clamp(t.Int(n, "space", 0), 0LL, 1000LL)));
}

void TVYXReadDOCX::TImpl::DoPAPX(const TDxTree& t, const TDxNode& pPr, TVYXPAPX& papx)
{
    for (const TDxNode* c = t.Child(pPr); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxePStyle:
            if (auto* style = dynamic_cast<TVYXParaStyle*>(FDoc.Styles().Find(t.Value16(n, "val"))))
                papx.SetStyle(style);
            break;
        case dxeKeepNext: papx.SetKeepNext(t.OnOff(n)); break;
        case dxeKeepLines: papx.SetKeepLines(t.OnOff(n)); break;
        case dxeWidowControl: papx.SetWidowControl(t.OnOff(n)); break;
        case dxeContextualSpacing: papx.SetContextualSpacing(t.OnOff(n)); break;
        case dxeOutlineLvl: papx.SetOutlineLevel(static_cast<std::int32_t>(std::clamp(t.Int(n, "val", 0), 0LL, 9LL))); break;
        case dxeJc: {
            const std::string v = t.Value(n, "val");
            TVYXPapTextAlign a = vyptaLeft;
            if (v == "center")
                a = vyptaCenter;
            else if (v == "right" || v == "end")
                a = vyptaRight;
            else if (v == "both" || v == "distribute")
                a = vyptaJustify;
            papx.SetAlignment(a);
            break;
        }
        case dxeInd:
            if (t.Has(n, "left") || t.Has(n, "start"))
                papx.SetIndentLeft(Twips(t.Int(n, t.Has(n, "left") ? "left" : "start")));
            if (t.Has(n, "right") || t.Has(n, "end"))
                papx.SetIndentRight(Twips(t.Int(n, t.Has(n, "right") ? "right" : "end")));
            if (t.Has(n, "firstLine"))
                papx.SetIndentFirstLine(Twips(t.Int(n, "firstLine")));
            if (t.Has(n, "hanging"))
                papx.SetIndentHanging(Twips(t.Int(n, "hanging")));
            break;
        case dxeSpacing:
            if (t.Has(n, "before"))
                papx.SetSpaceBefore(Twips(t.Int(n, "before")));
            if (t.Has(n, "after"))
                papx.SetSpaceAfter(Twips(t.Int(n, "after")));
            if (t.Has(n, "line")) {
                const std::string rule = t.Value(n, "lineRule", "auto");
                const double line = static_cast<double>(t.Int(n, "line", 240));
                if (rule == "exact") {
                    papx.SetLineSpacingType(aplstExactly);
                    papx.SetLineSpacing(line / 20.0);
                } else if (rule == "atLeast") {
                    papx.SetLineSpacingType(aplstAtLeast);
                    papx.SetLineSpacing(line / 20.0);
                } else {
                    papx.SetLineSpacingType(aplstMultiple);
                    papx.SetLineSpacing(line / 240.0);
                }
            }
            break;
        case dxeShd: {
            TVYXColor color = 0;
            if (ParseHexColor(t.Value(n, "fill"), color))
                papx.SetColor(color);
            break;
        }
        case dxeNumPr: {
            const TDxNode* id = t.Find(n, dxeNumId);
            const TDxNode* lvl = t.Find(n, dxeIlvl);
            if (!id)
                break;
            const long long numId = t.Int(*id, "val", 0);
            const long long level = lvl ? std::clamp(t.Int(*lvl, "val", 0), 0LL, 8LL) : 0;
            if (numId <= 0 || numId > 0x7FFFFFFF) {
                papx.Remove(vypiNumbering);
                break;
            }
            if (TVYXNumbering* num = FDoc.Numberings().Find(static_cast<std::int32_t>(numId - 1), static_cast<std::int32_t>(level)))
                papx.SetNumbering(num);
            break;
        }
        case dxePBdr:
            for (const TDxNode* b = t.Child(n); b; b = t.Next(*b)) {
                if (b->Elem == dxeLeft || b->Elem == dxeStart)
                    DoBorder(t, *b, *papx.AddBorderLeft());
                else if (b->Elem == dxeTop)
                    DoBorder(t, *b, *papx.AddBorderTop());
                else if (b->Elem == dxeRight || b->Elem == dxeEnd)
                    DoBorder(t, *b, *papx.AddBorderRight());
                else if (b->Elem == dxeBottom)
                    DoBorder(t, *b, *papx.AddBorderBottom());
            }
            break;
        case dxeTabs: {
            TVYXTabStops* stops = nullptr;  // made for the first stop the model keeps
            for (const TDxNode* tab = t.Child(n); tab; tab = t.Next(*tab)) {
                if (tab->Elem != dxeTab)
                    continue;
                const std::string v = t.Value(*tab, "val");
                TVYXTabStopAlignment a = atsaLeft;
                if (v == "bar")
                    continue;
                if (v == "clear")
                    a = atsaClear;
                else if (v == "center")
                    a = atsaCenter;
                else if (v == "right" || v == "end")
                    a = atsaRight;
                else if (v == "decimal")
                    a = atsaDecimal;
                else if (v == "num")
                    a = atsaNum;
                const std::string l = t.Value(*tab, "leader");
                TVYXTabStopLeader leader = atslNone;
                if (l == "dot")
                    leader = atslDot;
                else if (l == "hyphen")
                    leader = atslHyphen;
                else if (l == "underscore")
                    leader = atslUnderscore;
                else if (l == "heavy")
                    leader = atslHeavy;
                else if (l == "middleDot")
                    leader = atslMiddleDot;
                if (!stops)
                    stops = papx.AddTabStops(&FDoc.DOP());
                stops->Add(Twips(t.Int(*tab, "pos")), a, leader);
            }
            break;
        }
        case dxeRPr: DoCHPX(t, n, *papx.AddCHPX(&FDoc.GetMasterCHP())); break;
        case dxePPrChange: {
            auto data = std::make_unique<TVYXRevisionDataPAPX>();
            data->RevType = artFormatPAPX;
            data->Author = t.Value16(n, "author");
            data->Date = ParseDateTime(t.Value(n, "date"));
            data->Id = static_cast<std::int32_t>(std::clamp(t.Int(n, "id", -1), -1LL, 0x7FFFFFFFLL));
            TVYXPAPX* former = data->AddPAPX(&FDoc.GetMasterPAP());
            if (const TDxNode* old = t.Find(n, dxePPr))
                DoPAPX(t, *old, *former);
            former->RemoveRevision();
            former->DeleteCHPX();
            papx.AddRevision(std::move(data));
            break;
        }
        default: break;
        }
    }
}

void TVYXReadDOCX::TImpl::DoSEP(const TDxTree& t, const TDxNode& sectPr, TVYXSEP& sep)
{
    for (const TDxNode* c = t.Child(sectPr); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxePgSz: {
            const double w = Twips(t.Int(n, "w", 0)), h = Twips(t.Int(n, "h", 0));
            if (w > 0)
                sep.PageWidth = w;
            if (h > 0)
                sep.PageHeight = h;
            break;
        }
        case dxePgMar:
            if (t.Has(n, "top"))
                sep.MargTop = std::abs(Twips(t.Int(n, "top")));
            if (t.Has(n, "bottom"))
                sep.MargBottom = std::abs(Twips(t.Int(n, "bottom")));
            if (t.Has(n, "left"))
                sep.MargLeft = Twips(t.Int(n, "left"));
            if (t.Has(n, "right"))
                sep.MargRight = Twips(t.Int(n, "right"));
            if (t.Has(n, "header"))
                sep.MargHeader = Twips(t.Int(n, "header"));
            if (t.Has(n, "footer"))
                sep.MargFooter = Twips(t.Int(n, "footer"));
            if (t.Has(n, "gutter"))
                sep.Gutter = Twips(t.Int(n, "gutter"));
            break;
        case dxeCols: {
            sep.ClearCols();
            const double space = Twips(t.Int(n, "space", 720));
            int explicitCols = 0;
            for (const TDxNode* col = t.Child(n); col; col = t.Next(*col))
                if (col->Elem == dxeCol && explicitCols < 64) {
                    sep.Cols.Add(Twips(t.Int(*col, "w")), Twips(t.Int(*col, "space")));
                    ++explicitCols;
                }
            const long long num = t.Int(n, "num", 1);
            if (explicitCols == 0 && num > 1)
                sep.AddCols(static_cast<int>(std::min(num, 64LL)), space);
            break;
        }
        case dxeType: {
            const std::string v = t.Value(n, "val");
            sep.Type = v == "continuous" ? astContinous
                       : v == "nextColumn" ? astNextColumn
                       : v == "evenPage"   ? astEvenPage
                       : v == "oddPage"    ? astOddPage
                                           : astNextPage;
            break;
        }
        case dxeTitlePg: sep.TitlePg = t.OnOff(n); break;
        case dxeBidi: sep.BiDi = t.OnOff(n); break;
        default: break;
        }
    }
}

// ---- Body ------------------------------------------------------------------------

TVYXLogPara& TVYXReadDOCX::TImpl::NewPara(TTarget& target, const TVYXPAPX& papx)
{
    TVYXLogPara* para = nullptr;
    if (target.Reuse) {
        para = target.Reuse;
        target.Reuse = nullptr;
        para->PAPX().Assign(papx, &FDoc.Styles(), &FDoc.Styles());
    } else if (target.Editor) {
        para = &target.Editor->AppendPara(papx);
    } else {
        para = target.Paras->AppendPara(papx);
    }
    FlushBookmarks(*para);
    return *para;
}

void TVYXReadDOCX::TImpl::FlushBookmarks(TVYXLogPara& para)
{
    for (const std::u16string& id : FPendingBookmarks) {
        const auto name = FBookmarkNames.find(id);
        if (name == FBookmarkNames.end())
            continue;
        if (TVYXBookmark* mark = para.AppendBookmark(name->second))
            FOpenBookmarks[id] = mark;
    }
    FPendingBookmarks.clear();
}

void TVYXReadDOCX::TImpl::BookmarkStart(const TDxTree& t, const TDxNode& n, TVYXLogPara* para)
{
    const std::u16string id = t.Value16(n, "id");
    const std::u16string name = t.Value16(n, "name");
    // The editor's own "last position" marker is not the user's bookmark.
    if (name.empty() || name == u"_GoBack" || FOpenBookmarks.count(id))
        return;
    FBookmarkNames[id] = name;
    if (!para) {
        FPendingBookmarks.push_back(id);
        return;
    }
    if (TVYXBookmark* mark = para->AppendBookmark(name))
        FOpenBookmarks[id] = mark;
}

// An editing permission: a range of the document that stays editable, for a user
// or a group, when the document is protected.
void TVYXReadDOCX::TImpl::PermStart(const TDxTree& t, const TDxNode& n, TVYXLogPara& para)
{
    static constexpr std::array<std::string_view, 7> cGroups = {"none",   "everyone", "administrators", "contributors",
                                                                "editors", "owners",  "current"};
    const std::u16string id = t.Value16(n, "id");
    if (id.empty() || FOpenPerms.count(id) || FDoc.Permissions().Count() >= 100000)
        return;
    TVYXPermission* perm = FDoc.Permissions().Add(id);
    if (!perm)
        return;
    perm->EditBy = t.Value16(n, "ed");
    perm->EditGroup = static_cast<TVYXPermEditGrp>(IndexOf(cGroups, t.Value(n, "edGrp"), 0));
    perm->FirstCol = static_cast<std::int32_t>(std::clamp(t.Int(n, "colFirst", -1), -1LL, 1000LL));
    perm->LastCol = static_cast<std::int32_t>(std::clamp(t.Int(n, "colLast", -1), -1LL, 1000LL));
    auto range = std::make_unique<TVYXFieldSelectionImpl>();
    range->FirstRun = para.CharRuns().AddLinked(nullptr, perm, acrltPermission);
    range->FirstPara = &para;
    perm->Selection = std::move(range);
    FOpenPerms[id] = perm;
}

void TVYXReadDOCX::TImpl::BookmarkEnd(const TDxTree& t, const TDxNode& n, TVYXLogPara* para)
{
    const std::u16string id = t.Value16(n, "id");
    const auto open = FOpenBookmarks.find(id);
    if (open == FOpenBookmarks.end()) {
        // Started and ended between paragraphs: a collapsed bookmark at the next paragraph.
        return;
    }
    if (para)
        para->EndBookmark(*open->second);
    FOpenBookmarks.erase(open);
}

void TVYXReadDOCX::TImpl::Blocks(const TDxTree& t, const TDxNode& parent, TTarget& target)
{
    for (const TDxNode* c = t.Child(parent); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxeP: Para(t, n, target); break;
        case dxeTbl: Table(t, n, target); break;
        // Content controls, custom XML and block-level revisions hold ordinary blocks.
        case dxeSdt:
            if (const TDxNode* content = t.Find(n, dxeSdtContent))
                Blocks(t, *content, target);
            break;
        case dxeCustomXml:
        case dxeIns:
        case dxeMoveTo:
        case dxeDel:
        case dxeMoveFrom:
        case dxeFallback: Blocks(t, n, target); break;
        case dxeAlternateContent:
            if (const TDxNode* fb = t.Find(n, dxeFallback))
                Blocks(t, *fb, target);
            break;
        // Between paragraphs a bookmark opens at the next paragraph.
        case dxeBookmarkStart: BookmarkStart(t, n, nullptr); break;
        case dxeBookmarkEnd: {
            TVYXLogParaItem* last = target.Reuse ? nullptr : target.Paras->Last();
            BookmarkEnd(t, n, last && last->IsPara() ? static_cast<TVYXLogPara*>(last) : nullptr);
            break;
        }
        default: break;
        }
    }
}

void TVYXReadDOCX::TImpl::CloseStory(TVYXLogParas& paras)
{
    if (TVYXLogParaItem* last = paras.Last(); last && last->IsPara()) {
        auto& para = *static_cast<TVYXLogPara*>(last);
        for (auto& [id, comment] : FOpenComments)
            para.EndComment(*comment);
        for (auto& [id, mark] : FOpenBookmarks)
            para.EndBookmark(*mark);
    }
    FOpenComments.clear();
    FOpenBookmarks.clear();
    FPendingBookmarks.clear();
    FFieldInstr.clear();
    FFieldSeparated.clear();
    FFieldBegin.clear();
}

void TVYXReadDOCX::TImpl::ReadStory(const TDxTree& t, const TDxNode& content, TTarget& target)
{
    TStoryState outer;
    SwapStory(outer);
    try {
        Blocks(t, content, target);
    } catch (...) {
        CloseStory(*target.Paras);
        SwapStory(outer);
        throw;
    }
    CloseStory(*target.Paras);
    SwapStory(outer);
}

void TVYXReadDOCX::TImpl::Para(const TDxTree& t, const TDxNode& p, TTarget& target)
{
    TVYXPAPX papx = NewPAPX();
    const TDxNode* pPr = t.Find(p, dxePPr);
    if (pPr)
        DoPAPX(t, *pPr, papx);
    TVYXLogPara& para = NewPara(target, papx);
    TRunContext ctx;
    Inline(t, p, para, target, ctx);
    if (pPr && target.Editor && target.Editor->DocType() == aldtMain)
        if (const TDxNode* sectPr = t.Find(*pPr, dxeSectPr)) {
            TVYXSEP& sep = *para.AddSEP();
            DoSEP(t, *sectPr, sep);
            DoHeaderFooters(t, *sectPr);
        }
}

void TVYXReadDOCX::TImpl::AddText(TVYXLogPara& para, std::u16string_view text, const TVYXCHPX& chpx,
                                   const TRunContext& ctx)
{
    if (text.empty())
        return;
    if (ctx.Link) {
        para.CharRuns().AddHyperlink(ctx.Link, text, &chpx);
        return;
    }
    if (ctx.Rev != artUnknown) {
        auto data = std::make_unique<TVYXRevisionData>();
        data->RevType = ctx.Rev;
        data->Author = ctx.RevAuthor;
        data->Date = ctx.RevDate;
        data->Id = ctx.RevId;
        para.CharRuns().AddRevision(text, std::move(data), &chpx);
        return;
    }
    para.AppendFormattedText(text, &chpx);
}

void TVYXReadDOCX::TImpl::Inline(const TDxTree& t, const TDxNode& parent, TVYXLogPara& para, TTarget& target,
                                 TRunContext& ctx)
{
    for (const TDxNode* c = t.Child(parent); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxeR: Run(t, n, para, target, ctx); break;
        case dxeHyperlink: {
            TRunContext inner = ctx;
            std::u16string address;
            TVYXHyperlinkType type = ahtURL;
            if (t.Has(n, "id") && target.Owner) {
                if (TOPCItem* rel = target.Owner->Find(t.Value(n, "id")))
                    address = Utf8ToUtf16(rel->Target());
            }
            if (t.Has(n, "anchor")) {
                if (address.empty()) {
                    address = t.Value16(n, "anchor");
                    type = ahtBookmark;
                } else {
                    address += u"#" + t.Value16(n, "anchor");
                }
            }
            if (!address.empty())
                inner.Link = FDoc.Hyperlinks().Add(address, type);
            Inline(t, n, para, target, inner);
            break;
        }
        case dxeIns:
        case dxeDel:
        case dxeMoveFrom:
        case dxeMoveTo: {
            TRunContext inner = ctx;
            inner.Rev = n.Elem == dxeIns ? artInsert : n.Elem == dxeDel ? artDelete : n.Elem == dxeMoveFrom ? artMoveFrom : artMoveTo;
            inner.RevAuthor = t.Value16(n, "author");
            inner.RevDate = ParseDateTime(t.Value(n, "date"));
            inner.RevId = static_cast<std::int32_t>(std::clamp(t.Int(n, "id", -1), -1LL, 0x7FFFFFFFLL));
            Inline(t, n, para, target, inner);
            break;
        }
        case dxeFldSimple: {
            // The result runs carry the text; the instruction goes with them as a field.
            para.CharRuns().AddFldChar(acrfctBegin);
            para.CharRuns().AddInstrText(t.Value16(n, "instr"));
            para.CharRuns().AddFldChar(acrfctSeparate);
            Inline(t, n, para, target, ctx);
            para.CharRuns().AddFldChar(acrfctEnd);
            break;
        }
        case dxeSmartTag:
        case dxeCustomXml:
        case dxeFallback: Inline(t, n, para, target, ctx); break;
        // Phonetic guides: the base text is the text; the guide above it is not kept.
        case dxeRubyBase: Inline(t, n, para, target, ctx); break;
        case dxeSdt:
            if (const TDxNode* content = t.Find(n, dxeSdtContent))
                Inline(t, *content, para, target, ctx);
            break;
        case dxeAlternateContent:
            if (const TDxNode* fb = t.Find(n, dxeFallback))
                Inline(t, *fb, para, target, ctx);
            break;
        case dxeBookmarkStart: BookmarkStart(t, n, &para); break;
        case dxeBookmarkEnd: BookmarkEnd(t, n, &para); break;
        case dxePermStart: PermStart(t, n, para); break;
        case dxePermEnd:
            if (const auto open = FOpenPerms.find(t.Value16(n, "id")); open != FOpenPerms.end()) {
                para.EndBookmark(*open->second);
                FOpenPerms.erase(open);
            }
            break;
        case dxeCommentRangeStart: CommentStart(t.Value16(n, "id"), para); break;
        case dxeCommentRangeEnd: CommentEnd(t.Value16(n, "id"), para); break;
        default: break;
        }
    }
}

TVYXComment* TVYXReadDOCX::TImpl::CommentStart(const std::u16string& id, TVYXLogPara& para)
{
    const auto node = FCommentNodes.find(id);
    if (node == FCommentNodes.end() || FOpenComments.count(id) || FCommentsDone.count(id) || !FComments)
        return nullptr;
    const TDxTree& t = *FComments;
    auto comment = std::make_unique<TVYXComment>();
    comment->Author = t.Value16(*node->second, "author");
    comment->Initials = t.Value16(*node->second, "initials");
    comment->DateTime = ParseDateTime(t.Value(*node->second, "date"));
    // The comment's paragraphs as plain texts.
    for (const TDxNode* p = t.Child(*node->second); p; p = t.Next(*p)) {
        if (p->Elem != dxeP)
            continue;
        std::u16string text;
        std::vector<const TDxNode*> stack{p};
        while (!stack.empty()) {
            const TDxNode* n = stack.back();
            stack.pop_back();
            if (n->Elem == dxeT)
                text += t.Text16(*n);
            else if (n->Elem == dxeTab)
                text += u'\t';
            std::vector<const TDxNode*> kids;
            for (const TDxNode* k = t.Child(*n); k; k = t.Next(*k))
                kids.push_back(k);
            stack.insert(stack.end(), kids.rbegin(), kids.rend());
        }
        comment->Text.push_back(std::move(text));
    }
    TVYXComment* added = para.AppendComment(FDoc.Comments(), std::move(comment));
    if (added)
        FOpenComments[id] = added;
    return added;
}

void TVYXReadDOCX::TImpl::CommentEnd(const std::u16string& id, TVYXLogPara& para)
{
    const auto open = FOpenComments.find(id);
    if (open == FOpenComments.end())
        return;
    para.EndComment(*open->second);
    FOpenComments.erase(open);
    FCommentsDone[id] = true;
}

void TVYXReadDOCX::TImpl::ReadComments(std::string xml)
{
    FComments = Parse(std::move(xml));
    const TDxNode* root = FComments->Child(FComments->Root());
    if (!root)
        return;
    for (const TDxNode* c = FComments->Child(*root); c; c = FComments->Next(*c))
        if (c->Elem == dxeComment)
            FCommentNodes.emplace(FComments->Value16(*c, "id"), c);
}

void TVYXReadDOCX::TImpl::Run(const TDxTree& t, const TDxNode& r, TVYXLogPara& para, TTarget& target,
                              const TRunContext& ctx)
{
    TVYXCHPX chpx = NewCHPX();
    if (const TDxNode* rPr = t.Find(r, dxeRPr))
        DoCHPX(t, *rPr, chpx);
    std::u16string text;
    auto flush = [&] {
        AddText(para, text, chpx, ctx);
        text.clear();
    };
    for (const TDxNode* c = t.Child(r); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxeT:
        case dxeDelText: text += t.Text16(n); break;
        case dxeSym: {
            const std::string code = t.Value(n, "char");
            unsigned v = 0;
            if (std::from_chars(code.data(), code.data() + code.size(), v, 16).ec == std::errc() && v > 0 && v < 0xFFFF)
                text += static_cast<char16_t>(v >= 0xF000 ? v - 0xF000 : v);
            break;
        }
        case dxeNoBreakHyphen: text += u'\u2011'; break;
        case dxeSoftHyphen: text += u'\u00AD'; break;
        case dxeTab:
        case dxePtab:
            flush();
            para.CharRuns().AddTab(&chpx);
            break;
        case dxeBr:
        case dxeCr: {
            flush();
            const std::string type = t.Value(n, "type");
            para.CharRuns().AddBreak(type == "page" ? acrbtPageBreak : type == "column" ? acrbtColumn : acrbtLineBreak, &chpx);
            break;
        }
        case dxeFldChar: {
            flush();
            const std::string type = t.Value(n, "fldCharType");
            if (type == "begin") {
                if (!FFieldInstr.empty() && !FFieldSeparated.back()) {
                    // A field nested in the instruction keeps its place: what came before it goes first.
                    if (const std::u16string rest = InstrRest(); !rest.empty())
                        para.CharRuns().AddInstrText(rest, &chpx);
                    FFieldBegin.back().InstrShown = FFieldInstr.back().size();
                }
                if (FFieldInstr.size() < 64) {
                    TVYXCharRun* begin = para.CharRuns().AddFldChar(acrfctBegin, &chpx);
                    FFieldInstr.emplace_back();
                    FFieldSeparated.push_back(false);
                    FFieldBegin.push_back({&para, begin, &t, t.Find(n, dxeFfData)});
                }
            } else if (type == "separate") {
                if (!FFieldInstr.empty() && !FFieldSeparated.back()) {
                    if (const std::u16string rest = InstrRest(); !rest.empty() || FFieldBegin.back().InstrShown == 0)
                        para.CharRuns().AddInstrText(rest, &chpx);
                    para.CharRuns().AddFldChar(acrfctSeparate, &chpx);
                    FFieldSeparated.back() = true;
                }
            } else if (type == "end") {
                if (!FFieldInstr.empty())
                    EndField(para, chpx);
            }
            break;
        }
        case dxeInstrText:
        case dxeDelInstrText:
            if (!FFieldInstr.empty()) {
                const std::u16string part = t.Text16(n);
                // Some producers repeat the whole instruction in a second element.
                if (part != FFieldInstr.back())
                    FFieldInstr.back() += part;
            }
            break;
        case dxeCommentReference: {
            const std::u16string id = t.Value16(n, "id");
            if (!FOpenComments.count(id) && !FCommentsDone.count(id)) {
                flush();
                if (CommentStart(id, para))
                    CommentEnd(id, para);
            }
            break;
        }
        case dxeFootnoteReference:
        case dxeEndnoteReference:
            flush();
            Note(t, n, n.Elem == dxeEndnoteReference, para, target, chpx);
            break;
        case dxeDrawing:
        case dxePict:
        case dxeObject:
            flush();
            Picture(t, n, para, target, chpx);
            break;
        case dxeRuby:
            if (const TDxNode* base = t.Find(n, dxeRubyBase)) {
                flush();
                TRunContext inner = ctx;
                Inline(t, *base, para, target, inner);
            }
            break;
        case dxeAlternateContent:
            if (const TDxNode* fb = t.Find(n, dxeFallback)) {
                flush();
                for (const TDxNode* k = t.Child(*fb); k; k = t.Next(*k))
                    if (k->Elem == dxePict || k->Elem == dxeDrawing)
                        Picture(t, *k, para, target, chpx);
            }
            break;
        default: break;
        }
    }
    flush();
}

namespace {
// A length of a VML style ("width:120pt;height:3.5in"), in points; `def` when absent.
double VmlStyleLength(std::string_view style, std::string_view name, double def)
{
    std::size_t at = 0;
    while ((at = style.find(name, at)) != std::string_view::npos) {
        const bool starts = at == 0 || style[at - 1] == ';' || style[at - 1] == ' ';
        const std::size_t colon = at + name.size();
        if (!starts || colon >= style.size() || style[colon] != ':') {
            at = colon;
            continue;
        }
        std::string_view v = style.substr(colon + 1);
        v = v.substr(0, v.find(';'));
        v = NyqTrimBlanks(v);
        double d = 0;
        auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
        if (ec != std::errc() || !std::isfinite(d))
            return def;
        const std::string_view unit(p, static_cast<std::size_t>(v.data() + v.size() - p));
        const double factor = unit == "in" ? 72 : unit == "cm" ? 72 / 2.54 : unit == "mm" ? 72 / 25.4 : unit == "px" ? 0.75 : 1;
        return std::clamp(d * factor, 0.0, 10000.0);
    }
    return def;
}

// A VML style's value by name ("position:absolute;margin-left:12pt"), trimmed; empty when absent.
std::string_view VmlStyleValue(std::string_view style, std::string_view name)
{
    for (std::size_t at = 0; at < style.size();) {
        std::size_t end = style.find(';', at);
        if (end == std::string_view::npos)
            end = style.size();
        const std::string_view item = style.substr(at, end - at);
        const std::size_t colon = item.find(':');
        if (colon != std::string_view::npos && NyqTrimBlanks(item.substr(0, colon)) == name)
            return NyqTrimBlanks(item.substr(colon + 1));
        at = end + 1;
    }
    return {};
}

// A signed VML length in points (offsets may be negative); 0 when absent or bad.
double VmlOffset(std::string_view style, std::string_view name)
{
    std::string_view v = VmlStyleValue(style, name);
    double d = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
    if (ec != std::errc() || !std::isfinite(d))
        return 0;
    const std::string_view unit(p, static_cast<std::size_t>(v.data() + v.size() - p));
    const double factor = unit == "in" ? 72 : unit == "cm" ? 72 / 2.54 : unit == "mm" ? 72 / 25.4 : unit == "px" ? 0.75 : 1;
    return std::clamp(d * factor, -10000.0, 10000.0);
}
}  // namespace

namespace {
// The target of a HYPERLINK instruction: its first argument (quoted or not), and
// the "\\l" location switch; empty when there is neither.
void ParseHyperlinkInstr(std::u16string_view instr, std::u16string& url, std::u16string& anchor)
{
    std::vector<std::u16string> args;
    std::size_t i = 0;
    while (i < instr.size() && args.size() < 16) {
        while (i < instr.size() && (instr[i] == u' ' || instr[i] == u'\t'))
            ++i;
        if (i >= instr.size())
            break;
        std::u16string arg;
        if (instr[i] == u'"') {
            const std::size_t end = instr.find(u'"', i + 1);
            arg = instr.substr(i + 1, (end == std::u16string_view::npos ? instr.size() : end) - i - 1);
            i = end == std::u16string_view::npos ? instr.size() : end + 1;
            args.push_back(u"\"" + arg);  // marked as quoted
        } else {
            const std::size_t end = instr.find_first_of(u" \t", i);
            args.emplace_back(instr.substr(i, (end == std::u16string_view::npos ? instr.size() : end) - i));
            i = end == std::u16string_view::npos ? instr.size() : end;
        }
    }
    auto plain = [](const std::u16string& a) { return !a.empty() && a[0] == u'"' ? a.substr(1) : a; };
    for (std::size_t k = 1; k < args.size(); ++k) {
        if (args[k] == u"\\l" && k + 1 < args.size())
            anchor = plain(args[++k]);
        else if (!args[k].empty() && args[k][0] == u'\\')
            k += args[k] == u"\\o" || args[k] == u"\\t" ? 1 : 0;  // switches with an argument
        else if (url.empty())
            url = plain(args[k]);
    }
}
}  // namespace

// Ends the innermost open field. A HYPERLINK field whose runs all lie in this
// paragraph and hold only text becomes hyperlink runs carrying its result.
void TVYXReadDOCX::TImpl::EndField(TVYXLogPara& para, const TVYXCHPX& chpx)
{
    const std::u16string instr = FFieldInstr.back();
    const std::u16string instrRest = InstrRest();
    const bool separated = FFieldSeparated.back();
    const TFieldBegin begin = FFieldBegin.back();
    TVYXLogPara* const beginPara = begin.Para;
    TVYXCharRun* const beginRun = begin.Run;
    FFieldInstr.pop_back();
    FFieldSeparated.pop_back();
    FFieldBegin.pop_back();
    TVYXCharRuns& runs = para.CharRuns();
    std::u16string_view keyword = instr;
    while (!keyword.empty() && keyword.front() == u' ')
        keyword.remove_prefix(1);
    const bool hyperlink = keyword.substr(0, 9) == u"HYPERLINK" && (keyword.size() == 9 || keyword[9] == u' ');
    int first = -1;
    // Check boxes and lists usually have no result, so no separator either.
    if (((hyperlink && separated) || begin.FFData) && beginPara == &para)
        for (int i = runs.Count() - 1; i >= 0; --i)
            if (runs.Items(i) == beginRun) {
                first = i;
                break;
            }
    if (first >= 0 && begin.FFData) {
        // A form field: its result is the text after the separator.
        std::u16string result;
        bool plain = true;
        bool afterSeparate = false;
        for (int i = first + 1; i < runs.Count() && plain; ++i) {
            const TVYXCharRun* r = runs.Items(i);
            if (r->Type_() == acrtFldChar)
                afterSeparate = afterSeparate || static_cast<const TVYXCharRunFldChar*>(r)->FldCharType == acrfctSeparate;
            else if (r->Type_() == acrtText && afterSeparate)
                result += r->Text();
            else if (r->Type_() == acrtLinked)
                plain = static_cast<const TVYXCharRunLinked*>(r)->LinkedType == acrltBookmark;
            else if (r->Type_() != acrtInstrText && r->Type_() != acrtText)
                plain = false;
        }
        if (plain && MakeFormField(para, begin, first, result))
            return;
        first = -1;
    }
    std::u16string url, anchor;
    if (first >= 0)
        ParseHyperlinkInstr(instr, url, anchor);
    if (first < 0 || (url.empty() && anchor.empty())) {
        if (!separated && (!instrRest.empty() || begin.InstrShown == 0))
            runs.AddInstrText(instrRest, &chpx);
        runs.AddFldChar(acrfctEnd, &chpx);
        return;
    }
    // begin, instruction, separate, result...: only text in the result.
    int separate = -1;
    for (int i = first + 1; i < runs.Count(); ++i) {
        const TVYXCharRun* r = runs.Items(i);
        if (r->Type_() == acrtFldChar) {
            if (separate >= 0 || static_cast<const TVYXCharRunFldChar*>(r)->FldCharType != acrfctSeparate)
                separate = -2;
            else
                separate = i;
        } else if (r->Type_() != acrtInstrText && r->Type_() != acrtText) {
            separate = -2;
        }
        if (separate == -2)
            break;
    }
    bool anyText = false;
    for (int i = separate + 1; separate >= 0 && i < runs.Count(); ++i)
        anyText = anyText || !runs.Items(i)->Text().empty();
    if (separate < 0 || !anyText) {
        runs.AddFldChar(acrfctEnd, &chpx);
        return;
    }
    TVYXHyperlink* link = url.empty() ? FDoc.Hyperlinks().Add(anchor, ahtBookmark)
                                      : FDoc.Hyperlinks().Add(anchor.empty() ? url : url + u"#" + anchor, ahtURL);
    std::vector<std::pair<std::u16string, std::unique_ptr<TVYXCHPX>>> result;
    for (int i = separate + 1; i < runs.Count(); ++i) {
        const TVYXCharRun* r = runs.Items(i);
        if (r->Text().empty())
            continue;
        auto copy = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
        if (r->CHPX())
            copy->Assign(*r->CHPX(), &FDoc.Styles(), &FDoc.Styles());
        result.emplace_back(r->Text(), std::move(copy));
    }
    while (runs.Count() > first)
        runs.Detach(runs.Count() - 1);
    for (const auto& [text, format] : result)
        runs.AddHyperlink(link, text, format.get());
}

// Replaces the runs from `first` on (a form field's begin mark, instruction and
// result) with the model's form field; false when the data names no form.
bool TVYXReadDOCX::TImpl::MakeFormField(TVYXLogPara& para, const TFieldBegin& begin, int first,
                                        const std::u16string& result)
{
    const TDxTree& t = *begin.Tree;
    const TDxNode& ff = *begin.FFData;
    const TDxNode* text = t.Find(ff, dxeTextInput);
    const TDxNode* check = t.Find(ff, dxeCheckBox);
    const TDxNode* list = t.Find(ff, dxeDdList);
    if (!text && !check && !list)
        return false;
    auto val16 = [&](TDocxElement e) {
        const TDxNode* n = t.Find(ff, e);
        return n ? t.Value16(*n, "val") : std::u16string();
    };
    const std::u16string name = val16(dxeName);
    TVYXCharRuns& runs = para.CharRuns();
    // Bookmarks inside (Word names one after each form field) move in front of it:
    // the same run objects, so their ranges stay intact.
    std::vector<std::unique_ptr<TVYXCharRun>> marks;
    while (runs.Count() > first) {
        std::unique_ptr<TVYXCharRun> run = runs.Detach(runs.Count() - 1);
        if (run && run->Type_() == acrtLinked)
            marks.push_back(std::move(run));
    }
    for (auto it = marks.rbegin(); it != marks.rend(); ++it)
        runs.Add(std::move(*it));
    TVYXComplexField* field = nullptr;
    if (check) {
        bool checked = false;
        if (const TDxNode* c = t.Find(*check, dxeChecked))
            checked = t.OnOff(*c);
        else if (const TDxNode* d = t.Find(*check, dxeDefault))
            checked = t.OnOff(*d);
        field = para.AppendFormFieldCheckBox(name, checked);
        if (TVYXComplexFieldCheckBox* data = field ? field->GetAsCheckBox() : nullptr) {
            if (const TDxNode* d = t.Find(*check, dxeDefault))
                data->Default = t.OnOff(*d);
            if (const TDxNode* size = t.Find(*check, dxeSize)) {
                data->Size = static_cast<double>(std::clamp(t.Int(*size, "val", 20), 2LL, 3168LL)) / 2.0;
                data->AutoSize = false;
            }
        }
    } else if (list) {
        std::vector<std::u16string> values;
        for (const TDxNode* e = t.Child(*list); e; e = t.Next(*e))
            if (e->Elem == dxeListEntry && values.size() < 1000)
                values.push_back(t.Value16(*e, "val"));
        const TDxNode* res = t.Find(*list, dxeResult);
        const auto index = static_cast<std::int32_t>(std::clamp(res ? t.Int(*res, "val", 0) : 0LL, 0LL, 1000LL));
        field = para.AppendFormFieldComboBox(name, values, index);
        if (TVYXComplexFieldList* data = field ? field->GetAsComboBox() : nullptr)
            if (const TDxNode* d = t.Find(*list, dxeDefault))
                data->Default = static_cast<std::int32_t>(std::clamp(t.Int(*d, "val", 0), 0LL, 1000LL));
    } else {
        field = para.AppendFormFieldText(name, result);
        if (TVYXComplexFieldText* data = field ? field->GetAsText() : nullptr) {
            for (const TDxNode* c = t.Child(*text); c; c = t.Next(*c)) {
                if (c->Elem == dxeDefault)
                    data->Default = t.Value16(*c, "val");
                else if (c->Elem == dxeFormat)
                    data->Format = t.Value16(*c, "val");
                else if (c->Elem == dxeMaxLength)
                    data->MaxLength = static_cast<std::int32_t>(std::clamp(t.Int(*c, "val", 0), 0LL, 32767LL));
                else if (c->Elem == dxeType) {
                    const std::string v = t.Value(*c, "val");
                    data->TextType = v == "number" ? acfttNumber : v == "date" ? acfttDate : v == "currentTime" ? acfttCurrentTime
                                     : v == "currentDate" ? acfttCurrentDate : v == "calculated" ? acfttCalculated : acfttRegular;
                }
            }
        }
    }
    if (!field)
        return true;
    field->HelpText = val16(dxeHelpText);
    field->StatusText = val16(dxeStatusText);
    field->EntryMacro = val16(dxeEntryMacro);
    field->ExitMacro = val16(dxeExitMacro);
    if (const TDxNode* e = t.Find(ff, dxeEnabled))
        field->Enabled = t.OnOff(*e);
    if (const TDxNode* c = t.Find(ff, dxeCalcOnExit))
        field->CalcOnExit = t.OnOff(*c);
    return true;
}

void TVYXReadDOCX::TImpl::Picture(const TDxTree& t, const TDxNode& n, TVYXLogPara& para, TTarget& target,
                                  const TVYXCHPX& chpx)
{
    // A text box: DrawingML (wps:txbx) or VML (v:textbox), both holding w:txbxContent.
    if (!t.FindDeep(n, dxeBlip) && !t.FindDeep(n, dxeImagedata)) {
        const TDxNode* content = t.FindDeep(n, dxeTxbxContent);
        if (!content || FTableDepth >= cMaxTableDepth)
            return;
        double w = 150, h = 100;
        if (const TDxNode* extent = t.FindDeep(n, dxeExtent)) {
            w = std::clamp(static_cast<double>(t.Int(*extent, "cx", 0)) / 12700.0, 1.0, 10000.0);
            h = std::clamp(static_cast<double>(t.Int(*extent, "cy", 0)) / 12700.0, 1.0, 10000.0);
        } else if (const TDxNode* shape = t.FindDeep(n, dxeShape)) {
            const std::string style = t.Value(*shape, "style");
            w = VmlStyleLength(style, "width", w);
            h = VmlStyleLength(style, "height", h);
        }
        // Floating when the drawing is anchored or the VML shape absolutely placed;
        // the anchor is looked for above the box's own text, never inside it.
        const TDxNode* anchor = nullptr;
        const TDxNode* vml = nullptr;
        for (const TDxNode* c = t.Child(n); c && !anchor && !vml; c = t.Next(*c)) {
            if (c->Elem == dxeAnchor)
                anchor = c;
            else if (c->Elem != dxeShapetype && t.Has(*c, "style") &&
                     VmlStyleValue(t.Value(*c, "style"), "position") == "absolute")
                vml = c;
        }
        TVYXGraphicRotate* box = nullptr;
        if (anchor || vml) {
            box = para.AddTextBox(w, h);
            if (box && anchor) {
                DoAnchor(t, *anchor, *box);
            } else if (box) {
                DoVmlAnchor(t, *vml, *box);
            }
        } else {
            TVYXCharRunGraphic* run = para.AppendTextBox(w, h);
            box = run ? dynamic_cast<TVYXGraphicRotate*>(run->Graphic.get()) : nullptr;
        }
        if (!box || !box->TextBox || !box->TextBox->Paras)
            return;
        TTarget inner;
        inner.Paras = box->TextBox->Paras;
        inner.Owner = target.Owner;
        inner.Reuse = inner.Paras->Count() > 0 && inner.Paras->GetItems(0)->IsPara()
                          ? static_cast<TVYXLogPara*>(inner.Paras->GetItems(0))
                          : nullptr;
        // Text boxes nest like tables; they share the depth limit.
        ++FTableDepth;
        try {
            ReadStory(t, *content, inner);
        } catch (...) {
            --FTableDepth;
            throw;
        }
        --FTableDepth;
        return;
    }
    if (!FPkg || !target.Owner)
        return;
    std::string rid;
    if (const TDxNode* blip = t.FindDeep(n, dxeBlip))
        rid = t.Value(*blip, "embed");
    else if (const TDxNode* image = t.FindDeep(n, dxeImagedata))
        rid = t.Value(*image, "id");
    if (rid.empty())
        return;
    // Each related image is decoded once into the document's picture store;
    // every use is a picture object of its own size.
    const auto key = std::make_pair(target.Owner, rid);
    TVYXPicture* picture = nullptr;
    if (const auto it = FPictures.find(key); it != FPictures.end()) {
        picture = it->second;
    } else {
        try {
            const std::string bytes = FPkg->ReadImage(target.Owner, rid);
            if (!bytes.empty()) {
                auto stream = TVYXMemoryStream::View(bytes);
                picture = &FDoc.Pictures().AddPicture(stream);
            }
        } catch (const VYXException& e) {
            FErrors.Add("Picture \"" + rid + "\": " + e.what());
        }
        FPictures.emplace(key, picture);
    }
    if (!picture)
        return;
    auto object = std::make_unique<TVYXGraphicPicture>(picture);
    if (const TDxNode* extent = t.FindDeep(n, dxeExtent)) {
        const double w = static_cast<double>(t.Int(*extent, "cx", 0)) / 12700.0;
        const double h = static_cast<double>(t.Int(*extent, "cy", 0)) / 12700.0;
        if (w > 0 && h > 0) {
            object->Width = std::min(w, 10000.0);
            object->Height = std::min(h, 10000.0);
        }
    } else if (const TDxNode* shape = t.FindDeep(n, dxeShape)) {
        const std::string style = t.Value(*shape, "style");
        object->Width = VmlStyleLength(style, "width", object->Width);
        object->Height = VmlStyleLength(style, "height", object->Height);
    }
    DoPictureLook(t, n, *object);
    object->Precalc();
    if (const TDxNode* anchor = t.FindDeep(n, dxeAnchor)) {
        DoAnchor(t, *anchor, *object);
        para.AddGraphic(std::move(object));
        return;
    }
    para.CharRuns().AddGraphic(std::move(object), &chpx);
}

namespace {
// Relative-from values in the order of the model's enumerations.
constexpr std::array<std::string_view, 8> cRelFromH = {"column", "character", "leftMargin", "rightMargin",
                                                       "insideMargin", "outsideMargin", "margin", "page"};
constexpr std::array<std::string_view, 8> cRelFromV = {"paragraph", "line", "topMargin", "bottomMargin",
                                                       "insideMargin", "outsideMargin", "margin", "page"};
constexpr std::array<std::string_view, 6> cAlignH = {"", "left", "center", "right", "inside", "outside"};
constexpr std::array<std::string_view, 6> cAlignV = {"", "top", "center", "bottom", "inside", "outside"};
}  // namespace

// A floating object's place: offsets in EMU or alignments, relative to what the
// file names, and how text flows around it.
void TVYXReadDOCX::TImpl::DoAnchor(const TDxTree& t, const TDxNode& anchor, TVYXGraphicObj& object)
{
    auto offset = [&](const TDxNode& pos) {
        const TDxNode* off = t.Find(pos, dxePosOffset);
        if (!off)
            return std::optional<double>();
        const std::string_view text = NyqTrimBlanks(off->Text);
        long long v = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), v).ec != std::errc())
            return std::optional<double>();
        return std::optional<double>(std::clamp(static_cast<double>(v) / 12700.0, -10000.0, 10000.0));
    };
    auto align = [&](const TDxNode& pos, const auto& names) {
        const TDxNode* a = t.Find(pos, dxeAlign);
        const std::string_view text = a ? NyqTrimBlanks(a->Text) : std::string_view();
        for (std::size_t i = 1; i < names.size(); ++i)
            if (names[i] == text)
                return static_cast<int>(i);
        return 0;
    };
    if (const TDxNode* h = t.Find(anchor, dxePositionH)) {
        object.HorizPosRel = static_cast<TVYXGrObjHorizPosRelative>(std::max(0, IndexOf(cRelFromH, t.Value(*h, "relativeFrom"), 0)));
        if (const int a = align(*h, cAlignH)) {
            object.HorizPosType = agoptAlignment;
            object.HorizPos = static_cast<TVYXGrObjHorizPos>(a);
        } else {
            object.PosLeft = offset(*h).value_or(0);
        }
    }
    if (const TDxNode* v = t.Find(anchor, dxePositionV)) {
        object.VertPosRel = static_cast<TVYXGrObjVertPosRelative>(std::max(0, IndexOf(cRelFromV, t.Value(*v, "relativeFrom"), 0)));
        if (const int a = align(*v, cAlignV)) {
            object.VertPosType = agoptAlignment;
            object.VertPos = static_cast<TVYXGrObjVertPos>(a);
        } else {
            object.PosTop = offset(*v).value_or(0);
        }
    }
    const std::string behind = t.Value(anchor, "behindDoc");
    if (t.Find(anchor, dxeWrapNone))
        object.Wrap = behind == "1" || behind == "true" ? agowBehind : agowInFront;
    else
        object.Wrap = t.Find(anchor, dxeWrapTopAndBottom) ? agowTopBottom : agow_ParaLeft;
}

// Cropping and flips. DrawingML's source rectangle is in thousandths of a percent
// of the image; VML's crops are fractions, or 65536ths with an "f". A crop that
// would leave nothing, or one that widens the image, is dropped.
void TVYXReadDOCX::TImpl::DoPictureLook(const TDxTree& t, const TDxNode& n, TVYXGraphicPicture& picture)
{
    double crop[4]{};  // left, top, right, bottom
    static constexpr std::string_view cSrc[4] = {"l", "t", "r", "b"};
    static constexpr std::string_view cVml[4] = {"cropleft", "croptop", "cropright", "cropbottom"};
    if (const TDxNode* src = t.FindDeep(n, dxeSrcRect)) {
        for (int i = 0; i < 4; ++i)
            crop[i] = static_cast<double>(std::clamp(t.Int(*src, cSrc[i], 0), -100000LL, 100000LL)) / 100000.0;
    } else if (const TDxNode* image = t.FindDeep(n, dxeImagedata)) {
        for (int i = 0; i < 4; ++i) {
            const std::string v = t.Value(*image, cVml[i]);
            double d = 0;
            auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
            if (ec != std::errc() || !std::isfinite(d))
                continue;
            if (p != v.data() + v.size() && *p == 'f')
                d /= 65536.0;
            crop[i] = std::clamp(d, -1.0, 1.0);
        }
    }
    for (double& c : crop)
        c = std::max(0.0, c);
    if (crop[0] + crop[2] < 0.999 && crop[1] + crop[3] < 0.999) {
        picture.CropLeft = crop[0];
        picture.CropTop = crop[1];
        picture.CropRight = crop[2];
        picture.CropBottom = crop[3];
    }
    if (const TDxNode* xfrm = t.FindDeep(n, dxeXfrm)) {
        auto on = [&](std::string_view name) {
            const std::string v = t.Value(*xfrm, name);
            return v == "1" || v == "true" || v == "on";
        };
        picture.FlipX = on("flipH");
        picture.FlipY = on("flipV");
    }
}

// An absolutely placed VML shape: margins as offsets, what they are relative to,
// alignments, and how text flows around it (w10:wrap; behind the text when its
// z-index is negative).
void TVYXReadDOCX::TImpl::DoVmlAnchor(const TDxTree& t, const TDxNode& shape, TVYXGraphicObj& object)
{
    static constexpr std::array<std::string_view, 8> cVmlRelH = {"text", "char", "left-margin-area", "right-margin-area",
                                                                 "inner-margin-area", "outer-margin-area", "margin", "page"};
    static constexpr std::array<std::string_view, 8> cVmlRelV = {"text", "line", "top-margin-area", "bottom-margin-area",
                                                                 "inner-margin-area", "outer-margin-area", "margin", "page"};
    const std::string style = t.Value(shape, "style");
    object.PosLeft = VmlOffset(style, "margin-left");
    object.PosTop = VmlOffset(style, "margin-top");
    object.HorizPosRel = static_cast<TVYXGrObjHorizPosRelative>(
        IndexOf(cVmlRelH, std::string(VmlStyleValue(style, "mso-position-horizontal-relative")), 0));
    object.VertPosRel = static_cast<TVYXGrObjVertPosRelative>(
        IndexOf(cVmlRelV, std::string(VmlStyleValue(style, "mso-position-vertical-relative")), 0));
    if (const int a = IndexOf(cAlignH, std::string(VmlStyleValue(style, "mso-position-horizontal")), 0); a > 0) {
        object.HorizPosType = agoptAlignment;
        object.HorizPos = static_cast<TVYXGrObjHorizPos>(a);
    }
    if (const int a = IndexOf(cAlignV, std::string(VmlStyleValue(style, "mso-position-vertical")), 0); a > 0) {
        object.VertPosType = agoptAlignment;
        object.VertPos = static_cast<TVYXGrObjVertPos>(a);
    }
    const std::string wrap = [&] {
        const TDxNode* w = t.Find(shape, dxeWrap);
        return w ? t.Value(*w, "type") : std::string();
    }();
    if (wrap == "topAndBottom")
        object.Wrap = agowTopBottom;
    else if (wrap == "square" || wrap == "tight" || wrap == "through")
        object.Wrap = agow_ParaLeft;
    else
        object.Wrap = VmlStyleValue(style, "z-index").starts_with('-') ? agowBehind : agowInFront;
}

void TVYXReadDOCX::TImpl::Note(const TDxTree& t, const TDxNode& ref, bool endnote, TVYXLogPara& para,
                               TTarget& target, const TVYXCHPX& chpx)
{
    // A note's anchor is the paragraph being read, at its end: the body's or a cell's
    // of the main document (headers and text boxes hold no notes).
    if (!target.Notes || target.Notes->DocType() != aldtMain || target.Paras->Last() != &para)
        return;
    const auto& nodes = endnote ? FEndnoteNodes : FFootnoteNodes;
    const TDxTree* tree = endnote ? FEndnotes.get() : FFootnotes.get();
    const auto it = nodes.find(t.Int(ref, "id", -1));
    std::u16string text;
    if (tree && it != nodes.end()) {
        // The note's text as one paragraph: paragraphs joined by blanks.
        std::vector<const TDxNode*> stack{it->second};
        bool firstPara = true;
        while (!stack.empty()) {
            const TDxNode* n = stack.back();
            stack.pop_back();
            if (n->Elem == dxeT)
                text += tree->Text16(*n);
            else if (n->Elem == dxeTab)
                text += u' ';
            if (n->Elem == dxeP) {
                if (!firstPara)
                    text += u' ';
                firstPara = false;
            }
            std::vector<const TDxNode*> kids;
            for (const TDxNode* k = tree->Child(*n); k; k = tree->Next(*k))
                kids.push_back(k);
            stack.insert(stack.end(), kids.rbegin(), kids.rend());
        }
    }
    TVYXFootnoteItem& note = target.Notes->AppendNote(para, endnote, text);
    // The reference keeps its run's format (a superscript character style, usually).
    if (note.CharRun && chpx.Count() > 0)
        note.CharRun->SetCHPX(&chpx);
}

void TVYXReadDOCX::TImpl::DoTAPX(const TDxTree& t, const TDxNode& tblPr, TVYXTAPX& tapx)
{
    for (const TDxNode* c = t.Child(tblPr); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxeTblStyle:
            if (auto* style = dynamic_cast<TVYXTableStyle*>(FDoc.Styles().Find(t.Value16(n, "val"))))
                tapx.SetStyle(style);
            break;
        case dxeJc: {
            const std::string v = t.Value(n, "val");
            tapx.SetAlignment(v == "center" ? vyptaCenter : (v == "right" || v == "end") ? vyptaRight : vyptaLeft);
            break;
        }
        case dxeTblW: {
            const std::string type = t.Value(n, "type", "dxa");
            const long long w = t.Int(n, "w", 0);
            if (type == "pct") {
                const std::string raw = t.Value(n, "w");
                const double percent = raw.find('%') != std::string::npos ? static_cast<double>(w) : static_cast<double>(w) / 50.0;
                tapx.SetWidth(percent / 100.0);
                tapx.SetWidthType(atwtPercent);
            } else if (type == "dxa" && w > 0) {
                tapx.SetWidth(Twips(w));
                tapx.SetWidthType(atwtPoints);
            } else {
                tapx.SetWidthType(type == "nil" ? atwtNone : atwtAuto);
            }
            break;
        }
        case dxeTblInd: tapx.SetIndent(Twips(t.Int(n, "w", 0))); break;
        case dxeTblCellMar:
            for (const TDxNode* m = t.Child(n); m; m = t.Next(*m)) {
                const double v = Twips(std::max(0LL, t.Int(*m, "w", 0)));
                if (m->Elem == dxeLeft || m->Elem == dxeStart)
                    tapx.SetCellMargLeft(v);
                else if (m->Elem == dxeRight || m->Elem == dxeEnd)
                    tapx.SetCellMargRight(v);
                else if (m->Elem == dxeTop)
                    tapx.SetCellMargTop(v);
                else if (m->Elem == dxeBottom)
                    tapx.SetCellMargBottom(v);
            }
            break;
        case dxeTblBorders:
            for (const TDxNode* b = t.Child(n); b; b = t.Next(*b)) {
                TVYXTapId id = vytiBorderLeft;
                switch (b->Elem) {
                case dxeLeft:
                case dxeStart: id = vytiBorderLeft; break;
                case dxeTop: id = vytiBorderTop; break;
                case dxeRight:
                case dxeEnd: id = vytiBorderRight; break;
                case dxeBottom: id = vytiBorderBottom; break;
                case dxeInsideH: id = vytiBorderInsideHoriz; break;
                case dxeInsideV: id = vytiBorderInsideVert; break;
                default: continue;
                }
                DoBorder(t, *b, *tapx.AddBorder(id));
            }
            break;
        case dxeTblCaption: tapx.Caption = t.Value16(n, "val"); break;
        default: break;
        }
    }
}

// Shading and borders of a cell format inside a table style.
void TVYXReadDOCX::TImpl::DoCellLook(const TDxTree& t, const TDxNode& tcPr, TVYXTableCellProps& props)
{
    for (const TDxNode* c = t.Child(tcPr); c; c = t.Next(*c)) {
        if (c->Elem == dxeShd) {
            TVYXColor color = 0;
            if (ParseHexColor(t.Value(*c, "fill"), color))
                props.FillColor = color;
        } else if (c->Elem == dxeTcBorders) {
            for (const TDxNode* b = t.Child(*c); b; b = t.Next(*b)) {
                TVYXTableBorderSide side;
                if (!CellBorderSide(b->Elem, side))
                    continue;
                DoBorder(t, *b, *props.AddBorder(side));
            }
        }
    }
}

// The shading every cell of the style gets and the conditional formats (header
// row, banded rows, first column...) that the table look switches on.
void TVYXReadDOCX::TImpl::DoTableStyleParts(TDxElementView& view, const TCT_Style& source, TVYXTableStyle& style)
{
    const TDxTree& t = view.Tree();
    if (const TDxNode* tcPr = view.Load(source.FTcPr.get(), "w:tcPr"))
        DoCellLook(t, *tcPr, *style.AddCellProps());
    // The override types are listed in the order of the model's conditional formats.
    for (const auto& part : source.FTblStylePrList.GetItems()) {
        TVYXTableStyleProp& prop = *style.AddProps()->Add(&FDoc.Styles(), static_cast<TVYXTableStylePropsType>(part->FType));
        if (const TDxNode* rPr = view.Load(part->FRPr.get(), "w:rPr"))
            DoCHPX(t, *rPr, *prop.AddCHPX());
        if (const TDxNode* pPr = view.Load(part->FPPr.get(), "w:pPr"))
            DoPAPX(t, *pPr, *prop.AddPAPX());
        if (const TDxNode* tblPr = view.Load(part->FTblPr.get(), "w:tblPr"))
            DoTAPX(t, *tblPr, *prop.AddTAPX());
        if (const TDxNode* tcPr = view.Load(part->FTcPr.get(), "w:tcPr"))
            DoCellLook(t, *tcPr, *prop.AddCellProps());
    }
}

namespace {

// Which conditional formats of its style a table asks for, as the look flags of
// the short hex form: 0x20 first row, 0x40 last row, 0x80 first column, 0x100 last
// column, 0x200 no row bands, 0x400 no column bands.
unsigned TableLook(const TDxTree& t, const TDxNode* look)
{
    unsigned flags = 0x04A0;  // what a table made without a look shows
    if (!look)
        return flags;
    if (const std::string val = t.Value(*look, "val"); !val.empty()) {
        unsigned v = 0;
        auto [p, ec] = std::from_chars(val.data(), val.data() + val.size(), v, 16);
        if (ec == std::errc())
            flags = v;
    }
    struct TFlag {
        std::string_view Name;
        unsigned Bit;
    };
    static constexpr TFlag cFlags[]{{"firstRow", 0x20},    {"lastRow", 0x40}, {"firstColumn", 0x80},
                                    {"lastColumn", 0x100}, {"noHBand", 0x200}, {"noVBand", 0x400}};
    for (const TFlag& f : cFlags) {
        const std::string v = t.Value(*look, f.Name);
        if (v.empty())
            continue;
        if (v == "0" || v == "false" || v == "off")
            flags &= ~f.Bit;
        else
            flags |= f.Bit;
    }
    return flags;
}

// Puts the style's conditional formats on the cells as their own formatting,
// below what the cells and runs already set: the highest-ranking format first,
// so corner cells beat rows, rows beat columns, columns beat bands.
void ApplyTableStyle(TVYXTable& table, unsigned look)
{
    const TVYXTableStyle* style = table.TAPX().GetStyle();
    if (!style)
        return;
    const int rows = table.Count();
    for (int r = 0; r < rows; ++r) {
        TVYXTableRow* row = table.GetRows(r);
        const int cols = row->Count();
        for (int c = 0; c < cols; ++c) {
            const bool firstRow = (look & 0x20) && r == 0;
            const bool lastRow = (look & 0x40) && r == rows - 1 && rows > 1;
            const bool firstCol = (look & 0x80) && c == 0;
            const bool lastCol = (look & 0x100) && c == cols - 1 && cols > 1;
            std::vector<TVYXTableStylePropsType> types;
            if (firstRow && firstCol) types.push_back(atsptNwCell);
            if (firstRow && lastCol) types.push_back(atsptNeCell);
            if (lastRow && firstCol) types.push_back(atsptSwCell);
            if (lastRow && lastCol) types.push_back(atsptSeCell);
            if (firstRow) types.push_back(atsptFirstRow);
            if (lastRow) types.push_back(atsptLastRow);
            if (firstCol) types.push_back(atsptFirstCol);
            if (lastCol) types.push_back(atsptLastCol);
            // Bands count from the first body row and column.
            if (!(look & 0x200) && !firstRow && !lastRow) {
                const int band = r - ((look & 0x20) ? 1 : 0);
                types.push_back(band % 2 == 0 ? atsptBand1Horz : atsptBand2Horz);
            }
            if (!(look & 0x400) && !firstCol && !lastCol) {
                const int band = c - ((look & 0x80) ? 1 : 0);
                types.push_back(band % 2 == 0 ? atsptBand1Vert : atsptBand2Vert);
            }
            types.push_back(atsptWholeTable);

            TVYXTableCell& cell = *row->GetCells(c);
            TVYXTableCellProps& props = cell.Props();
            bool filled = !((static_cast<TVYXColor>(props.FillColor) & 0xFF000000u) != 0);
            bool sides[4]{};
            for (int s = 0; s < 4; ++s)
                sides[s] = props.GetBorder(static_cast<TVYXTableBorderSide>(s)) != nullptr;
            int depth = 0;
            for (const TVYXStyle* st = style; st && depth < 16; st = st->BasedOn, ++depth) {
                const auto* ts = dynamic_cast<const TVYXTableStyle*>(st);
                if (!ts || !ts->Props())
                    continue;
                for (TVYXTableStylePropsType type : types) {
                    const TVYXTableStyleProp* prop = ts->Props()->Find(type);
                    if (!prop)
                        continue;
                    if (const TVYXTableCellProps* look2 = prop->CellProps.get()) {
                        if (!filled && !((static_cast<TVYXColor>(look2->FillColor) & 0xFF000000u) != 0)) {
                            props.FillColor = look2->FillColor;
                            filled = true;
                        }
                        for (int s = 0; s < 4; ++s) {
                            const auto side = static_cast<TVYXTableBorderSide>(s);
                            if (const TVYXDocPropBorder* b = look2->GetBorder(side); b && !sides[s]) {
                                props.AddBorder(side)->Assign(*b);
                                sides[s] = true;
                            }
                        }
                    }
                    if (!prop->CHPX && !prop->PAPX)
                        continue;
                    TVYXLogParas& paras = cell.Paras();
                    for (int i = 0; i < paras.Count(); ++i) {
                        if (!paras.GetItems(i)->IsPara())
                            continue;
                        auto* para = static_cast<TVYXLogPara*>(paras.GetItems(i));
                        if (prop->PAPX)
                            para->PAPX().Inherit(*prop->PAPX);
                        if (prop->CHPX) {
                            TVYXCharRuns& runs = para->CharRuns();
                            // An empty run only holds a place and is not written back; a later
                            // paragraph's took the format of the paragraph before it, as it
                            // will when the file is read again.
                            for (int k = 0; k < runs.Count(); ++k)
                                if (runs.Items(k)->Len() > 0 || i > 0)
                                    runs.Items(k)->AddCHPX()->Inherit(*prop->CHPX);
                        }
                    }
                }
            }
        }
    }
}

}  // namespace

void TVYXReadDOCX::TImpl::Table(const TDxTree& t, const TDxNode& tbl, TTarget& target)
{
    if (FTableDepth >= cMaxTableDepth) {
        FErrors.Add("Tables nested too deeply; inner tables skipped");
        return;
    }
    struct TDepth {
        int& D;
        explicit TDepth(int& d) : D(d) { ++D; }
        ~TDepth() { --D; }
    } depth(FTableDepth);

    // Rows and their cells first: a row may have fewer cells than the grid.
    std::vector<const TDxNode*> rows;
    std::vector<std::vector<const TDxNode*>> cells;
    // Rows may sit inside content controls and custom XML; walk those level by level.
    auto collectCells = [&](const TDxNode& tr, std::vector<const TDxNode*>& out) {
        std::vector<const TDxNode*> stack;
        for (const TDxNode* c = t.Child(tr); c; c = t.Next(*c))
            stack.push_back(c);
        std::reverse(stack.begin(), stack.end());
        while (!stack.empty()) {
            const TDxNode* c = stack.back();
            stack.pop_back();
            if (c->Elem == dxeTc) {
                out.push_back(c);
            } else if (c->Elem == dxeSdt || c->Elem == dxeSdtContent || c->Elem == dxeCustomXml) {
                std::vector<const TDxNode*> kids;
                for (const TDxNode* k = t.Child(*c); k; k = t.Next(*k))
                    kids.push_back(k);
                stack.insert(stack.end(), kids.rbegin(), kids.rend());
            }
        }
    };
    {
        std::vector<const TDxNode*> stack;
        for (const TDxNode* c = t.Child(tbl); c; c = t.Next(*c))
            stack.push_back(c);
        std::reverse(stack.begin(), stack.end());
        while (!stack.empty()) {
            const TDxNode* c = stack.back();
            stack.pop_back();
            if (c->Elem == dxeTr) {
                if (static_cast<int>(rows.size()) >= cVYXMaxTableRows)
                    break;
                std::vector<const TDxNode*> rowCells;
                collectCells(*c, rowCells);
                if (rowCells.empty())
                    continue;
                if (rowCells.size() > static_cast<std::size_t>(cVYXMaxTableCols))
                    rowCells.resize(static_cast<std::size_t>(cVYXMaxTableCols));
                rows.push_back(c);
                cells.push_back(std::move(rowCells));
            } else if (c->Elem == dxeSdt || c->Elem == dxeSdtContent || c->Elem == dxeCustomXml) {
                std::vector<const TDxNode*> kids;
                for (const TDxNode* k = t.Child(*c); k; k = t.Next(*k))
                    kids.push_back(k);
                stack.insert(stack.end(), kids.rbegin(), kids.rend());
            }
        }
    }
    if (rows.empty())
        return;

    TVYXTable* table = nullptr;
    if (target.Reuse) {
        int at = target.Reuse->Index();
        // Two tables in a row: the model wants a paragraph after each table.
        if (at > 0 && target.Paras->GetItems(at - 1)->IsTable()) {
            target.Paras->Insert(at);
            ++at;
        }
        table = target.Paras->InsertTable(at);
    } else {
        table = target.Paras->AddTable();
    }
    FlushBookmarks(*(target.Reuse ? target.Reuse : &NewPara(target, NewPAPX())));
    // A table is always followed by a paragraph: the one just made (or the reused
    // one) takes the next w:p, so the list never ends in a table.
    if (!target.Reuse)
        target.Reuse = static_cast<TVYXLogPara*>(target.Paras->Last());

    std::vector<double> grid;
    if (const TDxNode* tblGrid = t.Find(tbl, dxeTblGrid))
        for (const TDxNode* g = t.Child(*tblGrid); g; g = t.Next(*g))
            if (g->Elem == dxeGridCol && grid.size() < 1000)
                grid.push_back(Twips(std::max(0LL, t.Int(*g, "w", 0))));

    const TDxNode* tblPr = t.Find(tbl, dxeTblPr);
    if (tblPr)
        DoTAPX(t, *tblPr, table->TAPX());
    const unsigned look = TableLook(t, tblPr ? t.Find(*tblPr, dxeTblLook) : nullptr);

    struct TMergeMark {
        int Row, Cell, GridCol;
        bool Restart, Continue;
    };
    std::vector<TMergeMark> marks;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        TVYXTableRow* row = table->Add();
        int gridCol = 0;
        if (const TDxNode* trPr = t.Find(*rows[r], dxeTrPr)) {
            if (const TDxNode* h = t.Find(*trPr, dxeTrHeight))
                row->Height = Twips(std::clamp(t.Int(*h, "val", 0), 0LL, 31680LL));
            if (const TDxNode* keep = t.Find(*trPr, dxeCantSplit))
                row->CantSplit = t.OnOff(*keep);
            if (const TDxNode* header = t.Find(*trPr, dxeTblHeader))
                row->RptData = t.OnOff(*header);
            if (const TDxNode* before = t.Find(*trPr, dxeGridBefore))
                gridCol = static_cast<int>(std::clamp(t.Int(*before, "val", 0), 0LL, 1000LL));
        }
        for (std::size_t ci = 0; ci < cells[r].size(); ++ci) {
            const TDxNode& tc = *cells[r][ci];
            TVYXTableCell* cell = row->Add();
            int span = 1;
            double width = -1;
            TMergeMark mark{static_cast<int>(r), cell->Index(), gridCol, false, false};
            if (const TDxNode* tcPr = t.Find(tc, dxeTcPr)) {
                for (const TDxNode* c = t.Child(*tcPr); c; c = t.Next(*c)) {
                    const TDxNode& n = *c;
                    switch (n.Elem) {
                    case dxeGridSpan: span = static_cast<int>(std::clamp(t.Int(n, "val", 1), 1LL, 1000LL)); break;
                    case dxeTcW: {
                        const std::string type = t.Value(n, "type", "dxa");
                        const long long w = t.Int(n, "w", 0);
                        if (type == "dxa" && w > 0)
                            width = Twips(w);
                        else if (type == "pct" && w > 0) {
                            cell->Props().WidthType = atwtPercent;
                            cell->SetWidth(static_cast<double>(w) / 5000.0);
                        }
                        break;
                    }
                    case dxeVMerge:
                        if (t.Value(n, "val") == "restart")
                            mark.Restart = true;
                        else
                            mark.Continue = true;
                        break;
                    case dxeShd: {
                        TVYXColor color = 0;
                        if (ParseHexColor(t.Value(n, "fill"), color))
                            cell->SetFillColor(color);
                        break;
                    }
                    case dxeVAlign: {
                        const std::string v = t.Value(n, "val");
                        cell->AlignVert = v == "center" ? atcavCenter : v == "bottom" ? atcavBottom : atcavTop;
                        break;
                    }
                    case dxeTcMar:
                        for (const TDxNode* m = t.Child(n); m; m = t.Next(*m)) {
                            const double v = Twips(std::max(0LL, t.Int(*m, "w", 0)));
                            if (m->Elem == dxeLeft || m->Elem == dxeStart)
                                cell->Props().SetMargLeft(v);
                            else if (m->Elem == dxeRight || m->Elem == dxeEnd)
                                cell->Props().SetMargRight(v);
                            else if (m->Elem == dxeTop)
                                cell->Props().SetMargTop(v);
                            else if (m->Elem == dxeBottom)
                                cell->Props().SetMargBottom(v);
                        }
                        break;
                    case dxeTcBorders:
                        for (const TDxNode* b = t.Child(n); b; b = t.Next(*b)) {
                            TVYXTableBorderSide side;
                            if (!CellBorderSide(b->Elem, side))
                                continue;
                            DoBorder(t, *b, *cell->Props().AddBorder(side));
                        }
                        break;
                    default: break;
                    }
                }
            }
            if (width < 0 && cell->Props().WidthType != atwtPercent) {
                double sum = 0;
                for (int g = gridCol; g < gridCol + span && g < static_cast<int>(grid.size()); ++g)
                    sum += grid[static_cast<std::size_t>(g)];
                if (sum > 0)
                    width = sum;
            }
            if (width > 0) {
                cell->SetWidth(width);
                cell->Props().WidthType = atwtPoints;
            }
            cell->SetGridSpan(span);
            if (mark.Restart || mark.Continue)
                marks.push_back(mark);
            gridCol += span;

            TTarget inner;
            inner.Paras = &cell->Paras();
            inner.Notes = target.Notes;  // notes referenced in cells
            inner.Owner = target.Owner;
            inner.Reuse = cell->Paras().Count() > 0 && cell->Paras().GetItems(0)->IsPara()
                              ? static_cast<TVYXLogPara*>(cell->Paras().GetItems(0))
                              : nullptr;
            Blocks(t, tc, inner);
        }
    }
    // Vertical merges: a restart and the continuing cells below it in the same grid column.
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (!marks[i].Restart)
            continue;
        std::vector<const TMergeMark*> chain{&marks[i]};
        for (std::size_t j = i + 1; j < marks.size(); ++j) {
            const TMergeMark& m = marks[j];
            if (m.GridCol != marks[i].GridCol || m.Row <= chain.back()->Row)
                continue;
            if (m.Row != chain.back()->Row + 1 || !m.Continue)
                break;
            chain.push_back(&m);
        }
        if (chain.size() < 2)
            continue;
        for (std::size_t k = 0; k < chain.size(); ++k) {
            TVYXTableCell* cell = table->GetCells(chain[k]->Cell, chain[k]->Row);
            if (!cell)
                continue;
            cell->SetMergedRoot(k == 0);
            cell->SetMerged(k > 0);
            cell->SetMergedLast(k + 1 == chain.size());
        }
    }
    ApplyTableStyle(*table, look);
}

void TVYXReadDOCX::TImpl::DoHeaderFooters(const TDxTree& t, const TDxNode& sectPr)
{
    if (!FPkg || FHeadersRead)
        return;
    // The model has one set of headers and footers: the first section that names any gives them.
    bool any = false;
    for (const TDxNode* c = t.Child(sectPr); c; c = t.Next(*c)) {
        if (c->Elem != dxeHeaderReference && c->Elem != dxeFooterReference)
            continue;
        const bool header = c->Elem == dxeHeaderReference;
        const std::string type = t.Value(*c, "type", "default");
        const TVYXHeaderFooterType kind = type == "first" ? ahftFirst : type == "even" ? ahftEven : ahftDefault;
        const std::string rid = t.Value(*c, "id");
        TOPCItem* item = FPkg->Document() ? FPkg->Document()->Find(rid) : nullptr;
        if (!item)
            continue;
        std::string xml;
        try {
            xml = header ? FPkg->ReadHeader(rid) : FPkg->ReadFooter(rid);
        } catch (const VYXException&) {
            FErrors.Add("Header or footer \"" + rid + "\" is missing");
            continue;
        }
        if (xml.empty())
            continue;
        any = true;
        auto tree = Parse(std::move(xml));
        const TDxNode* root = tree->Child(tree->Root());
        if (!root)
            continue;
        TVYXLogDocEditor& editor = header ? FDoc.Headers().Add(kind) : FDoc.Footers().Add(kind);
        TTarget target;
        target.Paras = &editor.Paras();
        target.Owner = item;
        target.Reuse = editor.Paras().Count() == 1 && editor.Paras().GetItems(0)->IsPara()
                           ? static_cast<TVYXLogPara*>(editor.Paras().GetItems(0))
                           : nullptr;
        TVYXEditorUpdate update(editor);
        ReadStory(*tree, *root, target);
    }
    FHeadersRead = any;
}

// ---- Parts -----------------------------------------------------------------------

void TVYXReadDOCX::TImpl::ReadSettings(std::string xml)
{
    // A small part: through the schema classes (see the header).
    VYXDocxReadSettings(xml, FDoc, FErrors);
}

void TVYXReadDOCX::TImpl::ReadTheme(std::string xml)
{
    // The theme is DrawingML; only the two Latin typefaces matter to runs.
    if (xml.empty())
        return;
    struct TThemeFonts : TNyqReadXML {
        std::u16string Major, Minor;
        int Which = 0;  // 1 inside majorFont, 2 inside minorFont
        void BeginTag() override
        {
            const std::string_view name = LocalName();
            if (name == "majorFont")
                Which = 1;
            else if (name == "minorFont")
                Which = 2;
            else if (name == "latin" && Which != 0) {
                (Which == 1 ? Major : Minor) = Utf8ToUtf16(FindAttribute("typeface"));
                Which = 0;
            }
        }
    } fonts;
    fonts.LoadFromBuffer(xml);
    FMajorFont = fonts.Major;
    FMinorFont = fonts.Minor;
}

namespace {
bool OnText(const std::optional<std::string>& v) { return v && (*v == "1" || *v == "true" || *v == "on"); }
std::u16string ValOf(const std::unique_ptr<TCT_String>& v) { return v ? Utf8ToUtf16(v->FVal) : std::u16string(); }
}  // namespace

void TVYXReadDOCX::TImpl::ReadStyles(const TCT_Styles& root)
{
    TVYXStyles& styles = FDoc.Styles();
    TDxElementView view(FKnownAttributes);
    const TDxTree& t = view.Tree();
    // Defaults first: they are the fallbacks of everything else.
    if (const TCT_DocDefaults* defaults = root.FDocDefaults.get()) {
        if (defaults->FRPrDefault)
            if (const TDxNode* rPr = view.Load(defaults->FRPrDefault->FRPr.get(), "w:rPr")) {
                TVYXCHPX chpx(nullptr);
                DoCHPX(t, *rPr, chpx);
                FDoc.GetMasterCHP().Merge(chpx);
            }
        if (defaults->FPPrDefault)
            if (const TDxNode* pPr = view.Load(defaults->FPPrDefault->FPPr.get(), "w:pPr")) {
                TVYXPAPX papx(nullptr);
                DoPAPX(t, *pPr, papx);
                FDoc.GetMasterPAP().Merge(papx);
            }
    }
    // Pass one creates every style, so that pass two can link them in any order.
    std::vector<std::pair<const TCT_Style*, TVYXStyle*>> made;
    for (const auto& source : root.FStyleList.GetItems()) {
        const std::u16string id = Utf8ToUtf16(source->FStyleId.value_or(""));
        if (id.empty())
            continue;
        const TST_StyleType type = source->FType.value_or(ststParagraph);
        const TVYXStyleType kind = type == ststCharacter ? astCharRun
                                   : type == ststTable   ? astTable
                                   : type == ststNumbering ? astNumbering
                                                         : astPara;
        const std::u16string name = source->FName ? ValOf(source->FName) : id;
        TVYXStyle* style = styles.Find(id);
        if (style && style->Type_() != kind)
            continue;  // the id is taken by a style of another kind
        if (!style) {
            switch (kind) {
            case astCharRun: style = styles.AddChar(id, name); break;
            case astTable: style = styles.AddTable(id, name); break;
            case astNumbering: style = styles.AddNumbering(id, name); break;
            default: style = styles.AddPara(id, name); break;
            }
        }
        if (!style)
            continue;
        style->Name = name;
        if (OnText(source->FDefault))
            styles.SetDefault(style);
        made.emplace_back(source.get(), style);
    }
    // Pass two: formats (which may name other styles) and the links. A style the
    // file defines replaces a built-in one of the same id whole.
    for (const auto& [source, style] : made) {
        if (TVYXCHPX* chpx = style->StyleCHPX())
            chpx->Clear();
        if (TVYXPAPX* papx = style->StylePAPX())
            papx->Clear();
        if (TVYXTAPX* tapx = style->StyleTAPX())
            tapx->Clear();
        style->BasedOn = nullptr;
        if (auto* para = dynamic_cast<TVYXParaStyle*>(style))
            para->Next = nullptr;
        if (TVYXCHPX* chpx = style->StyleCHPX())
            if (const TDxNode* rPr = view.Load(source->FRPr.get(), "w:rPr"))
                DoCHPX(t, *rPr, *chpx);
        if (TVYXPAPX* papx = style->StylePAPX())
            if (const TDxNode* pPr = view.Load(source->FPPr.get(), "w:pPr"))
                DoPAPX(t, *pPr, *papx);
        if (TVYXTAPX* tapx = style->StyleTAPX())
            if (const TDxNode* tblPr = view.Load(source->FTblPr.get(), "w:tblPr"))
                DoTAPX(t, *tblPr, *tapx);
        if (auto* tableStyle = dynamic_cast<TVYXTableStyle*>(style))
            DoTableStyleParts(view, *source, *tableStyle);
        if (source->FBasedOn) {
            TVYXStyle* base = styles.Find(ValOf(source->FBasedOn));
            // A chain that comes back to the style would make every lookup loop.
            bool cycle = false;
            for (TVYXStyle* s = base; s && !cycle; s = s->BasedOn)
                cycle = s == style;
            if (base && base != style && !cycle && base->Type_() == style->Type_())
                style->BasedOn = base;
        }
        if (auto* para = dynamic_cast<TVYXParaStyle*>(style); para && source->FNext)
            para->Next = styles.Find(ValOf(source->FNext));
    }
}

void TVYXReadDOCX::TImpl::ReadNumbering(const TCT_Numbering& root, const TCT_Styles* stylesRoot)
{
    std::map<long long, const TCT_AbstractNum*> abstracts;
    std::map<long long, long long> numToAbstract;
    for (const auto& a : root.FAbstractNumList.GetItems())
        abstracts.emplace(a->FAbstractNumId, a.get());
    for (const auto& n : root.FNumList.GetItems())
        if (n->FAbstractNumId)
            numToAbstract.emplace(n->FNumId, n->FAbstractNumId->FVal);
    // An abstract definition may only point at a numbering style (w:numStyleLink),
    // whose w:numPr names the list that holds the levels.
    std::map<std::u16string, long long> styleNums;
    if (stylesRoot)
        for (const auto& st : stylesRoot->FStyleList.GetItems())
            if (st->FType == ststNumbering && st->FPPr && st->FPPr->FNumPr && st->FPPr->FNumPr->FNumId)
                styleNums.emplace(Utf8ToUtf16(st->FStyleId.value_or("")), st->FPPr->FNumPr->FNumId->FVal);
    auto levelsOf = [&](const TCT_AbstractNum* abstract) {
        for (int hop = 0; abstract && hop < 4; ++hop) {
            if (!abstract->FNumStyleLink || abstract->FLvlList.Count() > 0)
                return abstract;
            const auto num = styleNums.find(ValOf(abstract->FNumStyleLink));
            const auto abs = num == styleNums.end() ? numToAbstract.end() : numToAbstract.find(num->second);
            const auto next = abs == numToAbstract.end() ? abstracts.end() : abstracts.find(abs->second);
            if (next == abstracts.end() || next->second == abstract)
                return abstract;
            abstract = next->second;
        }
        return abstract;
    };
    TVYXNumberings& lists = FDoc.Numberings();
    TDxElementView view(FKnownAttributes);
    auto doLevel = [&](const TCT_Lvl& lvl, TVYXNumbering& level) {
        if (lvl.FStart)
            level.StartVal = static_cast<std::int32_t>(std::clamp<std::int64_t>(lvl.FStart->FVal, 0, 32767));
        if (lvl.FNumFmt) {
            const std::string_view v = TST_NumberFormatToStr(lvl.FNumFmt->FVal);
            level.Style = v == "bullet"        ? anstBullet
                          : v == "upperRoman"  ? anstUpperRoman
                          : v == "lowerRoman"  ? anstLowerRoman
                          : v == "upperLetter" ? anstUpperLetter
                          : v == "lowerLetter" ? anstLowerLetter
                          : v == "none"        ? anstNone
                                               : anstDecimal;
        }
        if (lvl.FLvlText)
            level.Text = Utf8ToUtf16(lvl.FLvlText->FVal.value_or(""));
        if (lvl.FLvlJc) {
            const TST_Jc v = lvl.FLvlJc->FVal;
            level.Align = v == stjCenter ? vyptaCenter : (v == stjRight || v == stjEnd) ? vyptaRight : vyptaLeft;
        }
        if (lvl.FSuff)
            level.Suffix = lvl.FSuff->FVal == stlsSpace ? 1 : lvl.FSuff->FVal == stlsNothing ? 2 : 0;
        if (const TDxNode* pPr = view.Load(lvl.FPPr.get(), "w:pPr"))
            DoPAPX(view.Tree(), *pPr, level.PAPX());
        if (const TDxNode* rPr = view.Load(lvl.FRPr.get(), "w:rPr"))
            DoCHPX(view.Tree(), *rPr, level.CHPX());
    };
    for (const auto& num : root.FNumList.GetItems()) {
        const long long numId = num->FNumId;
        // File numIds count from 1 (0 is "no list"); the model's list ids from 0.
        if (numId <= 0 || numId > 0x7FFFFFFF || lists.FindList(static_cast<std::int32_t>(numId - 1)))
            continue;
        const auto listId = static_cast<std::int32_t>(numId - 1);
        const auto abs = num->FAbstractNumId ? abstracts.find(num->FAbstractNumId->FVal) : abstracts.end();
        if (abs == abstracts.end()) {
            FErrors.Add("Numbering " + std::to_string(numId) + " names a missing definition");
            continue;
        }
        for (int l = 0; l <= 8; ++l)
            lists.Add(listId, l);
        for (const auto& lvl : levelsOf(abs->second)->FLvlList.GetItems()) {
            if (lvl->FIlvl < 0 || lvl->FIlvl > 8)
                continue;
            if (TVYXNumbering* level = lists.Find(listId, static_cast<std::int32_t>(lvl->FIlvl)))
                doLevel(*lvl, *level);
        }
        for (const auto& o : num->FLvlOverrideList.GetItems()) {
            TVYXNumbering* level = o->FIlvl >= 0 && o->FIlvl <= 8
                                       ? lists.Find(listId, static_cast<std::int32_t>(o->FIlvl))
                                       : nullptr;
            if (!level)
                continue;
            if (o->FStartOverride)
                level->StartVal = static_cast<std::int32_t>(std::clamp<std::int64_t>(o->FStartOverride->FVal, 0, 32767));
            if (o->FLvl)
                doLevel(*o->FLvl, *level);
        }
    }
}

void TVYXReadDOCX::TImpl::ReadNotes(std::string xml, std::unique_ptr<TDxTree>& tree,
                                    std::map<long long, const TDxNode*>& nodes)
{
    tree = Parse(std::move(xml));
    const TDxNode* root = tree->Child(tree->Root());
    if (!root)
        return;
    for (const TDxNode* c = tree->Child(*root); c; c = tree->Next(*c))
        if (c->Elem == dxeFootnote || c->Elem == dxeEndnote) {
            const std::string type = tree->Value(*c, "type", "normal");
            if (type == "normal")
                nodes.emplace(tree->Int(*c, "id", -1), c);
        }
}

void TVYXReadDOCX::TImpl::ReadBody(const TDxTree& t)
{
    const TDxNode* root = t.Child(t.Root());
    if (!root || root->Elem != dxeDocument)
        throw VYXException("DOCX: the main document part has no w:document element");
    const TDxNode* body = t.Find(*root, dxeBody);
    if (!body)
        return;
    TTarget target;
    target.Paras = &FDoc.Paras();
    target.Editor = &FDoc;
    target.Notes = &FDoc;
    target.Owner = FPkg ? FPkg->Document() : nullptr;
    if (FDoc.Paras().Count() == 1 && FDoc.Paras().GetItems(0)->IsPara() && FDoc.Paras().GetItems(0)->GetPlainText().empty())
        target.Reuse = static_cast<TVYXLogPara*>(FDoc.Paras().GetItems(0));
    // The body's own section properties are those of the last section: the document's.
    if (const TDxNode* sectPr = t.Find(*body, dxeSectPr)) {
        DoSEP(t, *sectPr, FDoc.SEP());
    }
    Blocks(t, *body, target);
    if (const TDxNode* sectPr = t.Find(*body, dxeSectPr))
        DoHeaderFooters(t, *sectPr);
    // Open fields end with the body; ranges left open end at its last paragraph.
    CloseStory(FDoc.Paras());
}

void TVYXReadDOCX::TImpl::LoadDocumentXml(std::string_view xml)
{
    TVYXEditorUpdate update(FDoc);
    auto tree = Parse(std::string(xml));
    ReadBody(*tree);
}

void TVYXReadDOCX::TImpl::Load(std::string_view bytes, const std::string& password, TDecrypt decrypt)
{
    std::string plain;
    if (TVYXCompoundFile::HasSignature(bytes.substr(0, std::min<std::size_t>(bytes.size(), 8)))) {
        if (!decrypt)
            throw VYXException("Can not open file. The document is encrypted");
        plain = decrypt(bytes, password);
        bytes = plain;
    }
    auto view = TVYXMemoryStream::View(bytes);
    FPkg = std::make_unique<TOPC_DOCX>();
    FPkg->Errors().SetManager(FDoc.Errors());
    FPkg->OpenRead(view);
    if (!FPkg->Document())
        throw VYXException("DOCX: the package has no main document");
    TVYXEditorUpdate update(FDoc);
    ReadSettings(FPkg->ReadSettings());
    ReadTheme(FPkg->ReadTheme());
    // Styles may name lists and lists styles: numbering is read before the styles
    // so that paragraph styles find their lists.
    TDocxPartDoc styles, numbering;
    VYXDocxLoadPart(styles, FPkg->ReadStyles(), FErrors);
    VYXDocxLoadPart(numbering, FPkg->ReadNumbering(), FErrors);
    if (numbering.FNumbering)
        ReadNumbering(*numbering.FNumbering, styles.FStyles.get());
    if (styles.FStyles)
        ReadStyles(*styles.FStyles);
    ReadNotes(FPkg->ReadFootnotes(), FFootnotes, FFootnoteNodes);
    ReadNotes(FPkg->ReadEndnotes(), FEndnotes, FEndnoteNodes);
    ReadComments(FPkg->ReadComments());
    auto tree = Parse(FPkg->ReadDocument());
    ReadBody(*tree);
    if (FProperties)
        DoAppAndCore(*FProperties);
}

void TVYXReadDOCX::TImpl::DoAppAndCore(TVYXDocumentProperties& props)
{
    // Both parts are flat lists of text elements; names are matched without prefix.
    struct TFlat : TNyqReadXML {
        std::map<std::string, std::u16string> Values;
        void BeginTag() override
        {
            if (!SelfClosing())
                Values.emplace(std::string(LocalName()), Text());
        }
    };
    auto read = [&](std::string xml) {
        TFlat flat;
        if (!xml.empty()) {
            try {
                flat.LoadFromBuffer(xml);
            } catch (const VYXException& e) {
                FErrors.Add(std::string("Document properties: ") + e.what());
            }
        }
        return flat.Values;
    };
    const auto core = read(FPkg->ReadDocPropsCore());
    const auto app = read(FPkg->ReadDocPropsApp());
    auto get = [](const std::map<std::string, std::u16string>& m, const char* name) {
        const auto it = m.find(name);
        return it == m.end() ? std::u16string() : it->second;
    };
    auto date = [&](const char* name) { return ParseDateTime(Utf16ToUtf8(get(core, name))); };
    props.Title = get(core, "title");
    props.Subject = get(core, "subject");
    props.Author = get(core, "creator");
    props.Tags = get(core, "keywords");
    props.Comment = get(core, "description");
    props.LastModifiedBy = get(core, "lastModifiedBy");
    props.Revision = get(core, "revision");
    props.LastPrinted = date("lastPrinted");
    props.Created = date("created");
    props.LastModified = date("modified");
    props.Categories = get(core, "category");
    props.Status = get(core, "contentStatus");
    props.Template = get(app, "Template");
    props.Application = get(app, "Application");
    props.Company = get(app, "Company");
    props.HyperlinkBase = get(app, "HyperlinkBase");
    props.AppVersion = get(app, "AppVersion");
}

// ---- Public face -----------------------------------------------------------------

TVYXReadDOCX::TVYXReadDOCX(TVYXLogDocEditor& doc, TNoDecryption) : FImpl(std::make_unique<TImpl>(doc))
{
    FImpl->FErrors.SetManager(doc.Errors());
}

TVYXReadDOCX::~TVYXReadDOCX() = default;

void TVYXReadDOCX::LoadFromFile(const std::string& fileName) { LoadFromBytes(VYXReadFile(fileName)); }

void TVYXReadDOCX::LoadFromStream(TVYXStream& stream)
{
    LoadFromBytes(stream.ReadBytes(static_cast<std::size_t>(std::max<std::int64_t>(0, stream.Remaining()))));
}

namespace {
// A read, failed or not, leaves what it read, but never a body without a paragraph.
template <class F>
void Guarded(TVYXLogDocEditor& doc, F read)
{
    try {
        read();
    } catch (...) {
        if (doc.Paras().Count() == 0)
            doc.AppendPara();
        throw;
    }
    if (doc.Paras().Count() == 0)
        doc.AppendPara();
}
}  // namespace

void TVYXReadDOCX::LoadFromBytes(std::string_view bytes)
{
    FImpl->FProperties = Properties;
    Guarded(FImpl->FDoc, [&] { FImpl->Load(bytes, Password, FDecrypt); });
}

void TVYXReadDOCX::LoadDocumentXml(std::string_view xml)
{
    Guarded(FImpl->FDoc, [&] { FImpl->LoadDocumentXml(xml); });
}

const TNyqPErrors& TVYXReadDOCX::Errors() const { return FImpl->FErrors; }
