// VYXHtmlDOM.cpp: the tolerant HTML tokenizer and tree builder.
//
// Grammar, as far as it matters here (everything else is text):
//   markup     = start-tag | end-tag | comment | bogus
//   start-tag  = "<" letter name *(blank attribute) [blank] ["/"] ">"
//   attribute  = name [blank] ["=" [blank] ( '"' text '"' | "'" text "'" | unquoted )]
//   end-tag    = "</" letter name *any ">"
//   comment    = "<!--" *any "-->"          (an unterminated one runs to the end)
//   bogus      = "<!" *any ">" | "<?" *any ">"   (doctype, processing instructions)
// The contents of script, style, xmp, iframe, noembed, noframes and noscript are raw
// text up to their end tag; title and textarea are the same with references decoded.
//
// Not supported: the adoption of misnested formatting elements (an end tag closes
// everything opened after its element, so "<b><i></b>x</i>" leaves x plain), foster
// parenting of text inside tables (it stays where it stands), foreign content rules of
// svg and math (read as ordinary elements).
#include "formats/VYXHtmlDOM.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/VYXCodePage.h"
#include "platform/VYXUnicode.h"

namespace {

// Names of vytA .. vytXMP, in enum order (which is sorted).
constexpr std::string_view cTagNames[] = {
    "a", "abbr", "address", "area", "article", "aside", "b", "base", "basefont", "bdi", "bdo", "big",
    "blockquote", "body", "br", "button", "caption", "center", "cite", "code", "col", "colgroup", "dd", "del",
    "details", "dfn", "dir", "div", "dl", "dt", "em", "embed", "fieldset", "figcaption", "figure", "font",
    "footer", "form", "frame", "frameset", "h1", "h2", "h3", "h4", "h5", "h6", "head", "header", "hr", "html",
    "i", "iframe", "img", "input", "ins", "kbd", "label", "legend", "li", "link", "main", "map", "mark",
    "math", "menu", "meta", "nav", "nobr", "noembed", "noframes", "noscript", "object", "ol", "optgroup",
    "option", "p", "param", "plaintext", "pre", "q", "s", "samp", "script", "section", "select", "small",
    "source", "span", "strike", "strong", "style", "sub", "summary", "sup", "svg", "table", "tbody", "td",
    "template", "textarea", "tfoot", "th", "thead", "title", "tr", "tt", "u", "ul", "var", "video", "wbr",
    "xmp",
};
static_assert(std::size(cTagNames) == vytUNKNOWN - vytA);

struct TEntity {
    std::string_view Name;
    char32_t Code;
};
constexpr TEntity cEntities[] = {
#include "formats/VYXHtmlEntities.inc"
};

// Attributes kept per element; real markup has a handful, and the duplicate check is
// quadratic in the count.
constexpr std::size_t cMaxAttributes = 256;

bool Is(TVYXHTagId id, std::initializer_list<TVYXHTagId> set)
{
    return std::find(set.begin(), set.end(), id) != set.end();
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }
bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

void AppendCodePoint(std::u16string& out, char32_t c)
{
    if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD;
    if (c >= 0x10000) {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else
        out += static_cast<char16_t>(c);
}

// Code points 0x80..0x9F in numeric references mean Windows-1252 characters.
constexpr char16_t cC1Map[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                 0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

// Decodes the reference starting at text[i] == '&'; returns the characters consumed (0: none).
std::size_t DecodeReference(std::u16string_view text, std::size_t i, std::u16string& out)
{
    std::size_t j = i + 1;
    if (j < text.size() && text[j] == u'#') {
        ++j;
        bool hex = j < text.size() && (text[j] == u'x' || text[j] == u'X');
        if (hex)
            ++j;
        const std::size_t digits = j;
        char32_t value = 0;
        while (j < text.size()) {
            char16_t c = text[j];
            int d = c >= u'0' && c <= u'9' ? c - u'0'
                    : hex && c >= u'a' && c <= u'f' ? c - u'a' + 10
                    : hex && c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
            if (d < 0)
                break;
            if (value < 0x110000)  // saturate: long digit strings must not overflow
                value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
            ++j;
        }
        if (j == digits)
            return 0;
        if (j < text.size() && text[j] == u';')
            ++j;
        if (value >= 0x80 && value <= 0x9F)
            value = cC1Map[value - 0x80];
        AppendCodePoint(out, value);
        return j - i;
    }
    while (j < text.size() && j - i <= 10 && ((text[j] >= u'0' && text[j] <= u'9') || IsAsciiLetter(text[j])))
        ++j;
    if (j == i + 1)
        return 0;
    std::string name;
    for (std::size_t k = i + 1; k < j; ++k)
        name += static_cast<char>(text[k]);
    // The longest known prefix wins, so "&copy2024" reads as the sign followed by digits.
    for (std::size_t len = name.size(); len >= 2; --len) {
        std::string_view n(name.data(), len);
        auto it = std::lower_bound(std::begin(cEntities), std::end(cEntities), n,
                                   [](const TEntity& e, std::string_view v) { return e.Name < v; });
        if (it == std::end(cEntities) || it->Name != n)
            continue;
        std::size_t end = i + 1 + len;
        const bool semicolon = end < text.size() && text[end] == u';';
        if (!semicolon && it->Code > 0xFF)
            continue;  // only the old Latin-1 names may go without a semicolon
        AppendCodePoint(out, it->Code);
        return end - i + (semicolon ? 1 : 0);
    }
    return 0;
}

bool IsHeading(TVYXHTagId t) { return t >= vytH1 && t <= vytH6; }

// Elements whose start tag closes an open `p`.
bool ClosesP(TVYXHTagId t)
{
    return IsHeading(t) || Is(t, {vytADDRESS, vytARTICLE, vytASIDE, vytBLOCKQUOTE, vytCENTER, vytDETAILS,
                                  vytDIR, vytDIV, vytDL, vytFIELDSET, vytFIGCAPTION, vytFIGURE, vytFOOTER,
                                  vytFORM, vytHEADER, vytHR, vytMAIN, vytMENU, vytNAV, vytOL, vytP, vytPRE,
                                  vytSECTION, vytSUMMARY, vytTABLE, vytUL, vytXMP, vytPLAINTEXT, vytLI,
                                  vytDD, vytDT});
}

bool IsTablePart(TVYXHTagId t)
{
    return Is(t, {vytTABLE, vytTBODY, vytTHEAD, vytTFOOT, vytTR, vytTD, vytTH, vytCAPTION, vytCOLGROUP, vytCOL});
}

enum TRawKind { rkNone, rkRaw, rkEscapable, rkRest };

TRawKind RawKind(TVYXHTagId t)
{
    switch (t) {
    case vytSCRIPT: case vytSTYLE: case vytXMP: case vytIFRAME: case vytNOEMBED: case vytNOFRAMES:
    case vytNOSCRIPT:
        return rkRaw;
    case vytTITLE: case vytTEXTAREA:
        return rkEscapable;
    case vytPLAINTEXT:
        return rkRest;
    default:
        return rkNone;
    }
}

class TTreeBuilder {
public:
    TTreeBuilder(TVYXHtmlNode& root, std::vector<std::u16string>& styles) : FStyles(styles)
    {
        FStack.push_back(&root);
    }

    void Run(std::u16string_view text)
    {
        FText = text;
        std::size_t textStart = 0;
        std::size_t i = 0;
        while (i < FText.size()) {
            if (FText[i] != u'<') {
                ++i;
                continue;
            }
            const std::size_t markupStart = i;
            std::size_t next = 0;
            char16_t c = i + 1 < FText.size() ? FText[i + 1] : 0;
            if (IsAsciiLetter(c) || c == u'/' || c == u'!' || c == u'?') {
                AddText(FText.substr(textStart, markupStart - textStart), true);
                next = Markup(i);
            }
            if (next == 0) {  // a lone '<' is text
                ++i;
                continue;
            }
            i = textStart = next;
        }
        AddText(FText.substr(textStart), true);
    }

private:
    TVYXHtmlNode& Top() const { return *FStack.back(); }

    void AddText(std::u16string_view raw, bool decode)
    {
        if (raw.empty())
            return;
        // Whitespace between table parts is layout of the source, not content.
        if (Is(Top().Tag, {vytTABLE, vytTBODY, vytTHEAD, vytTFOOT, vytTR, vytUL, vytOL, vytCOLGROUP, vytSELECT}) &&
            std::all_of(raw.begin(), raw.end(), IsBlank))
            return;
        std::u16string text = decode ? VYXHtmlDecodeEntities(raw) : std::u16string(raw);
        // NUL is a replacement character in HTML text; the other control characters
        // (blanks aside) have no glyph and would be taken for the model's own marks.
        text.erase(std::remove_if(text.begin(), text.end(),
                                  [](char16_t c) { return c != 0 && c < 0x20 && !IsBlank(c); }),
                   text.end());
        std::replace(text.begin(), text.end(), u'\0', u'\uFFFD');
        TVYXHtmlNode& top = Top();
        if (top.ChildCount() > 0) {
            TVYXHtmlNode& last = top.Child(top.ChildCount() - 1);
            if (last.Tag == vytTEXT) {
                last.Text += text;
                return;
            }
        }
        auto node = std::make_unique<TVYXHtmlNode>(vytTEXT, std::string());
        node->Text = std::move(text);
        top.AddChild(std::move(node));
    }

    // Index of the nearest open element with `tag`, searching down from the top and
    // stopping at any of `boundaries`; -1 when not found.
    int FindOpen(TVYXHTagId tag, std::initializer_list<TVYXHTagId> boundaries) const
    {
        for (int k = static_cast<int>(FStack.size()) - 1; k > 0; --k) {
            if (FStack[static_cast<std::size_t>(k)]->Tag == tag)
                return k;
            if (Is(FStack[static_cast<std::size_t>(k)]->Tag, boundaries))
                return -1;
        }
        return -1;
    }
    int FindOpenName(const std::string& name, bool crossCells) const
    {
        for (int k = static_cast<int>(FStack.size()) - 1; k > 0; --k) {
            const TVYXHtmlNode& n = *FStack[static_cast<std::size_t>(k)];
            if (n.Name == name)
                return k;
            if (!crossCells && Is(n.Tag, {vytTD, vytTH, vytTABLE, vytCAPTION}))
                return -1;
        }
        return -1;
    }
    void PopTo(int index)
    {
        if (index > 0)
            FStack.resize(static_cast<std::size_t>(index));
    }
    void PopWhileNot(std::initializer_list<TVYXHTagId> stops)
    {
        while (FStack.size() > 1 && !Is(Top().Tag, stops))
            FStack.pop_back();
    }

    void ImplicitClose(TVYXHTagId tag)
    {
        static constexpr std::initializer_list<TVYXHTagId> cScope = {vytTABLE, vytTD, vytTH, vytCAPTION, vytBUTTON,
                                                                    vytOBJECT, vytHTML};
        if (ClosesP(tag))
            PopTo(FindOpen(vytP, cScope));
        const bool inTable = FindOpen(vytTABLE, {}) > 0;
        switch (tag) {
        case vytLI:
            PopTo(FindOpen(vytLI, {vytUL, vytOL, vytMENU, vytDIR, vytTABLE, vytTD, vytTH}));
            break;
        case vytDT: case vytDD: {
            int dd = FindOpen(vytDD, {vytDL, vytTABLE, vytTD, vytTH});
            int dt = FindOpen(vytDT, {vytDL, vytTABLE, vytTD, vytTH});
            PopTo(std::max(dd, dt));
            break;
        }
        case vytOPTION:
            if (Top().Tag == vytOPTION)
                FStack.pop_back();
            break;
        case vytOPTGROUP:
            while (FStack.size() > 1 && Is(Top().Tag, {vytOPTION, vytOPTGROUP}))
                FStack.pop_back();
            break;
        case vytA: case vytNOBR:
            PopTo(FindOpen(tag, {vytTD, vytTH, vytTABLE, vytCAPTION}));
            break;
        case vytTR:
            if (inTable)
                PopWhileNot({vytTABLE, vytTBODY, vytTHEAD, vytTFOOT});
            break;
        case vytTD: case vytTH:
            if (inTable) {
                PopWhileNot({vytTR, vytTABLE, vytTBODY, vytTHEAD, vytTFOOT});
                if (Top().Tag != vytTR)
                    Push(vytTR, "tr", {});
            }
            break;
        case vytTBODY: case vytTHEAD: case vytTFOOT: case vytCAPTION: case vytCOLGROUP:
            if (inTable)
                PopWhileNot({vytTABLE});
            break;
        default:
            if (IsHeading(tag) && IsHeading(Top().Tag))
                FStack.pop_back();
            break;
        }
    }

    TVYXHtmlNode& Push(TVYXHTagId tag, std::string name, std::vector<TVYXHtmlAttribute> attrs)
    {
        auto node = std::make_unique<TVYXHtmlNode>(tag, std::move(name));
        node->Attributes = std::move(attrs);
        TVYXHtmlNode& added = Top().AddChild(std::move(node));
        if (!VYXHtmlIsVoid(tag) && static_cast<int>(FStack.size()) <= cVYXHtmlMaxDepth)
            FStack.push_back(&added);
        return added;
    }

    // Office suites put the label of a list paragraph (its number or bullet, which
    // they also keep in the list's definition) between "[if !supportLists]" and
    // "[endif]" conditional comments. Those two become comment nodes so the reader
    // can leave the label out; other comments leave no trace.
    void ConditionalMarker(std::u16string_view content)
    {
        if (content.size() > 40)
            return;
        std::string text;
        for (char16_t ch : content)
            if (ch != u' ' && ch != u'\t' && ch != u'\r' && ch != u'\n')
                text += static_cast<char>(ch < 0x80 ? std::tolower(static_cast<unsigned char>(ch)) : '?');
        const bool open = text == "[if!supportlists]";
        if (!open && !(text == "[endif]" && FListLabelOpen))
            return;
        FListLabelOpen = open;
        auto node = std::make_unique<TVYXHtmlNode>(vytCOMMENT, std::string());
        node->Text = open ? u"[if !supportLists]" : u"[endif]";
        Top().AddChild(std::move(node));
    }

    std::size_t Markup(std::size_t i)
    {
        const std::size_t n = FText.size();
        char16_t c = FText[i + 1];
        if (c == u'!') {
            if (FText.substr(i, 4) == u"<!--") {
                std::size_t end = FText.find(u"-->", i + 4);
                if (end != std::u16string_view::npos)
                    ConditionalMarker(FText.substr(i + 4, end - i - 4));
                return end == std::u16string_view::npos ? n : end + 3;
            }
            std::size_t end = FText.find(u'>', i);
            if (end != std::u16string_view::npos)
                ConditionalMarker(FText.substr(i + 2, end - i - 2));
            return end == std::u16string_view::npos ? n : end + 1;
        }
        if (c == u'?') {
            std::size_t end = FText.find(u'>', i);
            return end == std::u16string_view::npos ? n : end + 1;
        }
        if (c == u'/') {
            if (i + 2 >= n || !IsAsciiLetter(FText[i + 2])) {
                if (i + 2 < n && FText[i + 2] == u'>')
                    return i + 3;  // "</>" is dropped
                std::size_t end = FText.find(u'>', i);
                return end == std::u16string_view::npos ? n : end + 1;
            }
            std::size_t j = i + 2;
            std::string name = ReadName(j);
            std::size_t end = FText.find(u'>', j);
            EndTag(name);
            return end == std::u16string_view::npos ? n : end + 1;
        }
        std::size_t j = i + 1;
        std::string name = ReadName(j);
        std::vector<TVYXHtmlAttribute> attrs;
        bool selfClosing = false;
        while (j < n) {
            while (j < n && IsBlank(FText[j]))
                ++j;
            if (j >= n)
                break;
            if (FText[j] == u'>') {
                ++j;
                break;
            }
            if (FText[j] == u'/') {
                ++j;
                if (j < n && FText[j] == u'>') {
                    selfClosing = true;
                    ++j;
                    break;
                }
                continue;
            }
            std::string attrName;
            while (j < n && !IsBlank(FText[j]) && FText[j] != u'>' && FText[j] != u'=' &&
                   !(FText[j] == u'/' && !attrName.empty())) {
                char16_t ch = Lower(FText[j]);
                attrName += ch < 0x80 ? static_cast<char>(ch) : '?';
                ++j;
            }
            while (j < n && IsBlank(FText[j]))
                ++j;
            std::u16string value;
            if (j < n && FText[j] == u'=') {
                ++j;
                while (j < n && IsBlank(FText[j]))
                    ++j;
                if (j < n && (FText[j] == u'"' || FText[j] == u'\'')) {
                    char16_t q = FText[j++];
                    std::size_t end = FText.find(q, j);
                    if (end == std::u16string_view::npos)
                        end = n;
                    value = VYXHtmlDecodeEntities(FText.substr(j, end - j));
                    j = end < n ? end + 1 : n;
                } else {
                    std::size_t start = j;
                    while (j < n && !IsBlank(FText[j]) && FText[j] != u'>')
                        ++j;
                    value = VYXHtmlDecodeEntities(FText.substr(start, j - start));
                }
            }
            if (attrName.empty() || attrs.size() >= cMaxAttributes)
                continue;  // past the limit the rest of the tag is read and dropped
            bool dup = std::any_of(attrs.begin(), attrs.end(), [&](const auto& a) { return a.Name == attrName; });
            if (!dup)
                attrs.push_back({std::move(attrName), std::move(value)});
        }
        StartTag(std::move(name), std::move(attrs), selfClosing);
        TVYXHTagId tag = VYXHtmlTagId(FLastName);
        TRawKind raw = FLastPushed ? RawKind(tag) : rkNone;
        if (raw == rkNone || selfClosing)
            return j;
        // Raw text up to "</name", case-insensitive.
        std::size_t end = j;
        if (raw == rkRest)
            end = n;
        else {
            for (;;) {
                end = FText.find(u"</", end);
                if (end == std::u16string_view::npos) {
                    end = n;
                    break;
                }
                bool match = true;
                for (std::size_t k = 0; k < FLastName.size(); ++k)
                    if (end + 2 + k >= n || Lower(FText[end + 2 + k]) != static_cast<char16_t>(FLastName[k])) {
                        match = false;
                        break;
                    }
                std::size_t after = end + 2 + FLastName.size();
                if (match && (after >= n || IsBlank(FText[after]) || FText[after] == u'>' || FText[after] == u'/'))
                    break;
                end += 2;
            }
        }
        std::u16string_view content = FText.substr(j, end - j);
        if (tag == vytSTYLE)
            FStyles.emplace_back(content);
        AddText(content, raw == rkEscapable);
        FStack.pop_back();
        if (end >= n)
            return n;
        std::size_t close = FText.find(u'>', end);
        return close == std::u16string_view::npos ? n : close + 1;
    }

    std::string ReadName(std::size_t& j)
    {
        std::string name;
        while (j < FText.size() && !IsBlank(FText[j]) && FText[j] != u'>' && FText[j] != u'/') {
            char16_t ch = Lower(FText[j]);
            if (name.size() < 64)
                name += ch < 0x80 ? static_cast<char>(ch) : '?';
            ++j;
        }
        return name;
    }

    void StartTag(std::string name, std::vector<TVYXHtmlAttribute> attrs, bool selfClosing)
    {
        FLastName = name;
        FLastPushed = false;
        TVYXHTagId tag = VYXHtmlTagId(name);
        if (Is(tag, {vytHTML, vytHEAD, vytBODY})) {
            // A second html or body start tag adds its attributes to the first.
            for (std::size_t k = 1; k < FStack.size(); ++k)
                if (FStack[k]->Tag == tag) {
                    for (auto& a : attrs)
                        if (!FStack[k]->HasAttribute(a.Name))
                            FStack[k]->Attributes.push_back(std::move(a));
                    return;
                }
            if (tag == vytBODY)
                PopTo(FindOpen(vytHEAD, {}));
        }
        ImplicitClose(tag);
        const std::size_t depth = FStack.size();
        Push(tag, std::move(name), std::move(attrs));
        FLastPushed = FStack.size() > depth;
        if (selfClosing && FLastPushed && tag != vytUNKNOWN && !Is(tag, {vytSVG, vytMATH}))
            selfClosing = false;  // "<div/>" opens a div in HTML; only foreign elements close themselves
        if (selfClosing && FLastPushed)
            FStack.pop_back(), FLastPushed = false;
    }

    void EndTag(const std::string& name)
    {
        TVYXHTagId tag = VYXHtmlTagId(name);
        if (tag == vytBR) {
            Push(vytBR, "br", {});
            return;
        }
        if (VYXHtmlIsVoid(tag))
            return;
        if (tag == vytP && FindOpen(vytP, {vytTABLE, vytTD, vytTH, vytCAPTION, vytBUTTON}) < 0) {
            ImplicitClose(vytP);
            Push(vytP, "p", {});
            FStack.pop_back();
            return;
        }
        if (Is(tag, {vytBODY, vytHTML}))
            return;  // content after them still belongs to the body
        if (IsHeading(tag)) {
            // Any heading end tag closes the open heading.
            for (int k = static_cast<int>(FStack.size()) - 1; k > 0; --k)
                if (IsHeading(FStack[static_cast<std::size_t>(k)]->Tag)) {
                    PopTo(k);
                    return;
                } else if (Is(FStack[static_cast<std::size_t>(k)]->Tag, {vytTD, vytTH, vytTABLE}))
                    return;
            return;
        }
        int k;
        if (IsTablePart(tag)) {
            k = -1;
            for (int m = static_cast<int>(FStack.size()) - 1; m > 0; --m) {
                const TVYXHtmlNode& node = *FStack[static_cast<std::size_t>(m)];
                if (node.Tag == tag) {
                    k = m;
                    break;
                }
                if (node.Tag == vytTABLE)
                    break;
            }
        } else
            k = FindOpenName(name, false);
        PopTo(k);
    }

    std::u16string_view FText;
    std::vector<TVYXHtmlNode*> FStack;
    bool FListLabelOpen = false;  // a "[if !supportLists]" marker waits for its "[endif]"
    std::vector<std::u16string>& FStyles;
    std::string FLastName;
    bool FLastPushed = false;
};

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        out += static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    }
    return out;
}

}  // namespace

TVYXHTagId VYXHtmlTagId(std::string_view lowerName)
{
    auto it = std::lower_bound(std::begin(cTagNames), std::end(cTagNames), lowerName);
    if (it == std::end(cTagNames) || *it != lowerName)
        return vytUNKNOWN;
    return static_cast<TVYXHTagId>(vytA + (it - std::begin(cTagNames)));
}

std::string_view VYXHtmlTagName(TVYXHTagId id)
{
    return id >= vytA && id < vytUNKNOWN ? cTagNames[id - vytA] : std::string_view();
}

bool VYXHtmlIsVoid(TVYXHTagId id)
{
    return Is(id, {vytAREA, vytBASE, vytBASEFONT, vytBR, vytCOL, vytEMBED, vytFRAME, vytHR, vytIMG, vytINPUT,
                   vytLINK, vytMETA, vytPARAM, vytSOURCE, vytWBR});
}

bool VYXHtmlIsBlock(TVYXHTagId id)
{
    return ClosesP(id) || IsTablePart(id) ||
           Is(id, {vytBODY, vytHTML, vytLEGEND, vytOPTION, vytTEXTAREA, vytSELECT, vytBR, vytHR, vytFRAMESET});
}

std::u16string VYXHtmlDecodeEntities(std::u16string_view text)
{
    std::size_t amp = text.find(u'&');
    if (amp == std::u16string_view::npos)
        return std::u16string(text);
    std::u16string out(text.substr(0, amp));
    out.reserve(text.size());
    for (std::size_t i = amp; i < text.size();) {
        if (text[i] == u'&') {
            if (std::size_t used = DecodeReference(text, i, out)) {
                i += used;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

std::u16string VYXHtmlEntityEncodeStr(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size() + text.size() / 8);
    for (char16_t c : text)
        switch (c) {
        case u'&': out += u"&amp;"; break;
        case u'<': out += u"&lt;"; break;
        case u'>': out += u"&gt;"; break;
        case u'"': out += u"&quot;"; break;
        case 0xA0: out += u"&nbsp;"; break;
        default: out += c;
        }
    return out;
}

// ---- Nodes -------------------------------------------------------------------

// The builder never nests deeper than cVYXHtmlMaxDepth, so freeing by recursion is safe.
TVYXHtmlNode::~TVYXHtmlNode() = default;

TVYXHtmlNode* TVYXHtmlNode::GetNthChild(int i) const
{
    return i >= 0 && i < ChildCount() ? FChildren[static_cast<std::size_t>(i)].get() : nullptr;
}

TVYXHtmlNode& TVYXHtmlNode::AddChild(std::unique_ptr<TVYXHtmlNode> node)
{
    node->FParent = this;
    FChildren.push_back(std::move(node));
    return *FChildren.back();
}

const std::u16string* TVYXHtmlNode::FindAttribute(std::string_view name) const
{
    for (const auto& a : Attributes)
        if (a.Name == name)
            return &a.Value;
    return nullptr;
}

std::u16string TVYXHtmlNode::Attribute(std::string_view name) const
{
    const std::u16string* v = FindAttribute(name);
    return v ? *v : std::u16string();
}

TVYXHtmlNode* TVYXHtmlNode::FindParent(TVYXHTagId tag) const
{
    for (TVYXHtmlNode* p = FParent; p; p = p->FParent)
        if (p->Tag == tag)
            return p;
    return nullptr;
}

TVYXHtmlNode* TVYXHtmlNode::PrevSiblingNotText() const
{
    if (!FParent)
        return nullptr;
    TVYXHtmlNode* prev = nullptr;
    for (const auto& c : FParent->FChildren) {
        if (c.get() == this)
            return prev;
        if (c->Tag != vytTEXT && c->Tag != vytCOMMENT)
            prev = c.get();
    }
    return nullptr;
}

std::vector<std::u16string> TVYXHtmlNode::Classes() const
{
    std::vector<std::u16string> out;
    const std::u16string* v = FindAttribute("class");
    if (!v)
        return out;
    std::size_t i = 0;
    while (i < v->size() && out.size() < 32) {
        while (i < v->size() && IsBlank((*v)[i]))
            ++i;
        std::size_t start = i;
        while (i < v->size() && !IsBlank((*v)[i]))
            ++i;
        if (i > start)
            out.emplace_back(v->substr(start, i - start));
    }
    return out;
}

bool TVYXHtmlNode::ContentIsWhitespaceOrCRLF() const
{
    for (const auto& c : FChildren)
        if (c->Tag != vytCOMMENT && (c->Tag != vytTEXT || !std::all_of(c->Text.begin(), c->Text.end(), IsBlank)))
            return false;
    return true;
}

std::u16string TVYXHtmlNode::InnerText() const
{
    std::u16string out;
    std::vector<const TVYXHtmlNode*> stack{this};
    while (!stack.empty()) {
        const TVYXHtmlNode* n = stack.back();
        stack.pop_back();
        if (n->Tag == vytTEXT)
            out += n->Text;
        for (auto it = n->FChildren.rbegin(); it != n->FChildren.rend(); ++it)
            stack.push_back(it->get());
    }
    return out;
}

// ---- Document ----------------------------------------------------------------

TVYXHtmlDOM::TVYXHtmlDOM() : FRoot(std::make_unique<TVYXHtmlNode>(vytDOCUMENT, std::string())) {}
TVYXHtmlDOM::~TVYXHtmlDOM() = default;

int VYXHtmlDetectCodePage(std::string_view bytes)
{
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return cVYXCodePageUtf8;
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE")
        return 1200;
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF")
        return 1201;
    // UTF-16 without a mark: markup is ASCII, so every other byte of the start is zero.
    if (bytes.size() >= 8) {
        int evenZero = 0, oddZero = 0;
        std::size_t probe = std::min<std::size_t>(bytes.size() & ~std::size_t(1), 64);
        for (std::size_t i = 0; i < probe; ++i)
            if (bytes[i] == 0)
                ++(i % 2 ? oddZero : evenZero);
        if (oddZero * 4 >= static_cast<int>(probe) && evenZero == 0)
            return 1200;
        if (evenZero * 4 >= static_cast<int>(probe) && oddZero == 0)
            return 1201;
    }
    std::string head(bytes.substr(0, 16384));
    for (char& c : head)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    int declared = 0;
    for (std::size_t meta = head.find("<meta"); meta != std::string::npos && !declared;
         meta = head.find("<meta", meta + 5)) {
        std::size_t end = head.find('>', meta);
        if (end == std::string::npos)
            end = head.size();
        std::size_t cs = head.find("charset", meta);
        if (cs == std::string::npos || cs > end)
            continue;
        std::size_t k = cs + 7;
        while (k < end && (head[k] == ' ' || head[k] == '='))
            ++k;
        while (k < end && (head[k] == '"' || head[k] == '\''))
            ++k;
        std::string name;
        while (k < end && (std::isalnum(static_cast<unsigned char>(head[k])) || head[k] == '-' || head[k] == '_' ||
                           head[k] == ':' || head[k] == '.'))
            name += head[k++];
        declared = VYXCodePageFromName(name);
        if (name.rfind("utf-16", 0) == 0)
            declared = cVYXCodePageUtf8;  // an ASCII-compatible file that calls itself UTF-16 is UTF-8
    }
    if (declared && declared != cVYXCodePageUtf8)
        return declared;
    return IsValidUtf8(bytes) ? cVYXCodePageUtf8 : cVYXCodePageAnsi;
}

void TVYXHtmlDOM::LoadFromBytes(std::string_view bytes)
{
    FCodePage = VYXHtmlDetectCodePage(bytes);
    std::u16string text;
    if (FCodePage == 1200 || FCodePage == 1201) {
        text = DecodeUtf16(bytes, FCodePage == 1201);
        if (!text.empty() && text.front() == 0xFEFF)
            text.erase(0, 1);
    } else {
        if (FCodePage == cVYXCodePageUtf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        text = VYXDecodeCodePage(bytes, FCodePage);
    }
    Parse(text);
}

void TVYXHtmlDOM::Parse(std::u16string_view text)
{
    FRoot = std::make_unique<TVYXHtmlNode>(vytDOCUMENT, std::string());
    FStyles.clear();
    TTreeBuilder(*FRoot, FStyles).Run(text);
}

TVYXHtmlNode* TVYXHtmlDOM::Find(TVYXHTagId tag) const
{
    std::vector<TVYXHtmlNode*> stack{FRoot.get()};
    while (!stack.empty()) {
        TVYXHtmlNode* n = stack.back();
        stack.pop_back();
        if (n->Tag == tag)
            return n;
        for (int i = n->ChildCount() - 1; i >= 0; --i)
            stack.push_back(&n->Child(i));
    }
    return nullptr;
}
