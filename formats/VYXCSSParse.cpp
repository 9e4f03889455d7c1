// VYXCSSParse.cpp: the style-sheet parser and the cascade.
//
// Grammar (what is read; anything else is skipped up to the next rule):
//   sheet       = *( rule | at-rule )           comments /* */ and <!-- --> dropped
//   rule        = selector-group "{" declarations "}"
//   at-rule     = "@media" media-list "{" sheet "}"      (read when it names all or screen)
//               | "@" name *any ( ";" | block )            (skipped)
//   selector-group = selector *( "," selector )
//   selector    = compound *( [combinator] compound )      combinator = " " | ">" | "+" | "~"
//   compound    = [tag | "*"] *( "#" id | "." class | ":" pseudo | "::" pseudo | "[" any "]" )
//   declarations = [ declaration ] *( ";" [ declaration ] )
//   declaration = name ":" value [ "!important" ]
//
// Not supported: attribute selectors (a compound holding one never matches), the
// arguments of functional pseudo classes, @import (the reader loads linked sheets
// itself), and cascading across origins beyond "important wins".
#include "formats/VYXCSSParse.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "formats/VYXHtmlDOM.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr std::string_view cPropNames[] = {
    "background-color", "border-bottom-color", "border-bottom-style", "border-bottom-width", "border-collapse",
    "border-left-color", "border-left-style", "border-left-width", "border-right-color", "border-right-style",
    "border-right-width", "border-top-color", "border-top-style", "border-top-width", "color", "direction",
    "display", "font-family", "font-size", "font-style", "font-variant", "font-weight", "height", "line-height",
    "list-style-image", "list-style-position", "list-style-type", "margin-bottom", "margin-left", "margin-right", "margin-top", "max-height", "max-width",
    "min-height", "min-width", "mso-highlight", "mso-line-height-rule", "mso-list", "padding-bottom",
    "padding-left", "padding-right", "padding-top", "page-break-after", "page-break-before", "page-break-inside",
    "text-align",
    "text-decoration", "text-indent", "text-transform", "vertical-align", "visibility", "white-space", "width",
};
static_assert(std::size(cPropNames) == vycpNONE - 1);

// Properties of CSS that are known but have no effect here: no error for them.
constexpr std::string_view cIgnoredProps[] = {
    "border-spacing", "bottom", "caption-side", "clear", "clip", "column-count", "column-gap", "content",
    "counter-increment", "counter-reset", "cursor", "empty-cells", "float", "left", "letter-spacing",
    "orphans",
    "outline", "outline-color", "outline-style", "outline-width", "overflow", "position",
    "quotes", "right", "rotation", "table-layout", "text-shadow", "top", "unicode-bidi", "widows", "word-spacing",
    "z-index",
};

constexpr std::string_view cPseudoNames[] = {
    "", "active", "after", "before", "checked", "disabled", "empty", "enabled", "first-child", "first-letter",
    "first-line", "first-of-type", "focus", "hover", "lang", "last-child", "last-of-type", "link", "not",
    "nth-child", "nth-last-child", "nth-of-type", "only-child", "only-of-type", "root", "target", "visited",
};
static_assert(std::size(cPseudoNames) == acptUnknown);

struct TNamedColor {
    std::string_view Name;
    TVYXColor Color;
};
constexpr TNamedColor cColors[] = {
#include "formats/VYXCSSColors.inc"
};

// Limits that keep hostile sheets linear.
constexpr std::size_t cMaxSelectors = 200000;
constexpr std::size_t cMaxParts = 32;
constexpr std::size_t cMaxErrors = 100;
constexpr int cMaxAtDepth = 8;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string ToUtf8(std::u16string_view text) { return Utf16ToUtf8(text); }

std::u16string FromAscii(std::string_view s)
{
    // Selector names are mostly ASCII; other bytes are taken as Latin-1, which only
    // makes such a selector fail to match, never crash.
    std::u16string out;
    for (char c : s)
        out += static_cast<char16_t>(static_cast<unsigned char>(c));
    return out;
}

// Removes comments; keeps strings intact.
std::string StripComments(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char c = text[i];
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            std::size_t end = text.find("*/", i + 2);
            i = end == std::string_view::npos ? text.size() : end + 2;
            out += ' ';
        } else if (c == '<' && text.substr(i, 4) == "<!--") {
            i += 4;
        } else if (c == '-' && text.substr(i, 3) == "-->") {
            i += 3;
        } else if (c == '"' || c == '\'') {
            std::size_t end = text.find(c, i + 1);
            end = end == std::string_view::npos ? text.size() : end + 1;
            out.append(text.substr(i, end - i));
            i = end;
        } else
            out += text[i++];
    }
    return out;
}

// Index past the block that opens at text[open] == '{' (nesting and strings respected).
std::size_t SkipBlock(std::string_view text, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"' || c == '\'') {
            std::size_t end = text.find(c, i + 1);
            if (end == std::string_view::npos)
                return text.size();
            i = end;
        } else if (c == '{')
            ++depth;
        else if (c == '}' && --depth == 0)
            return i + 1;
    }
    return text.size();
}

// Splits at `sep` outside parentheses and quotes.
std::vector<std::string_view> SplitTop(std::string_view text, char sep)
{
    std::vector<std::string_view> out;
    int depth = 0;
    char quote = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'')
            quote = c;
        else if (c == '(')
            ++depth;
        else if (c == ')')
            depth = std::max(0, depth - 1);
        else if (depth == 0 && (c == sep || (sep == ' ' && IsSpace(c)))) {
            if (i > start || sep != ' ')
                out.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (text.size() > start || (sep != ' ' && !text.empty()))
        out.push_back(text.substr(start));
    if (sep == ' ')
        out.erase(std::remove_if(out.begin(), out.end(), [](std::string_view s) { return Trim(s).empty(); }),
                  out.end());
    return out;
}

bool IsBorderStyle(std::string_view v)
{
    static constexpr std::string_view cStyles[] = {"none", "hidden", "dotted", "dashed", "solid", "double",
                                                   "groove", "ridge", "inset", "outset"};
    return std::find(std::begin(cStyles), std::end(cStyles), v) != std::end(cStyles);
}

bool IsBorderWidth(std::string_view v)
{
    return v == "thin" || v == "medium" || v == "thick" || VyCSSParseLength(v).has_value();
}

bool IsListStyleType(std::string_view v)
{
    static constexpr std::string_view cTypes[] = {
        "armenian", "circle", "cjk-ideographic", "decimal", "decimal-leading-zero", "disc", "georgian",
        "hebrew", "hiragana", "katakana", "lower-alpha", "lower-greek", "lower-latin", "lower-roman", "none",
        "square", "upper-alpha", "upper-latin", "upper-roman"};
    return std::find(std::begin(cTypes), std::end(cTypes), v) != std::end(cTypes);
}

// Sets top, right, bottom, left from one to four values.
void SetFour(TVyCSSProperties& props, const std::vector<std::string_view>& values, const TVyCSSProp (&sides)[4],
             bool important)
{
    if (values.empty() || values.size() > 4)
        return;
    std::string top(values[0]);
    std::string right(values.size() > 1 ? values[1] : values[0]);
    std::string bottom(values.size() > 2 ? values[2] : values[0]);
    std::string left(values.size() > 3 ? values[3] : right);
    props.Set(sides[0], top, important);
    props.Set(sides[1], right, important);
    props.Set(sides[2], bottom, important);
    props.Set(sides[3], left, important);
}

constexpr TVyCSSProp cMargins[4] = {vycpMARGIN_TOP, vycpMARGIN_RIGHT, vycpMARGIN_BOTTOM, vycpMARGIN_LEFT};
constexpr TVyCSSProp cPaddings[4] = {vycpPADDING_TOP, vycpPADDING_RIGHT, vycpPADDING_BOTTOM, vycpPADDING_LEFT};
constexpr TVyCSSProp cBorderWidths[4] = {vycpBORDER_TOP_WIDTH, vycpBORDER_RIGHT_WIDTH, vycpBORDER_BOTTOM_WIDTH,
                                         vycpBORDER_LEFT_WIDTH};
constexpr TVyCSSProp cBorderStyles[4] = {vycpBORDER_TOP_STYLE, vycpBORDER_RIGHT_STYLE, vycpBORDER_BOTTOM_STYLE,
                                         vycpBORDER_LEFT_STYLE};
constexpr TVyCSSProp cBorderColors[4] = {vycpBORDER_TOP_COLOR, vycpBORDER_RIGHT_COLOR, vycpBORDER_BOTTOM_COLOR,
                                         vycpBORDER_LEFT_COLOR};

void SetBorderSide(TVyCSSProperties& props, int side, const std::vector<std::string_view>& tokens, bool important)
{
    std::string width = "medium", style = "none", color;
    for (std::string_view t : tokens) {
        std::string v = Lower(t);
        if (IsBorderStyle(v))
            style = v;
        else if (IsBorderWidth(v))
            width = v;
        else
            color = std::string(t);
    }
    props.Set(cBorderWidths[side], width, important);
    props.Set(cBorderStyles[side], style, important);
    if (!color.empty())
        props.Set(cBorderColors[side], color, important);
}

void SetFont(TVyCSSProperties& props, std::string_view value, bool important)
{
    std::vector<std::string_view> tokens = SplitTop(value, ' ');
    std::size_t i = 0;
    for (; i < tokens.size(); ++i) {
        std::string v = Lower(tokens[i]);
        if (v == "italic" || v == "oblique")
            props.Set(vycpFONT_STYLE, v, important);
        else if (v == "small-caps")
            props.Set(vycpFONT_VARIANT, v, important);
        else if (v == "bold" || v == "bolder" || v == "lighter" ||
                 (v.size() == 3 && std::isdigit(static_cast<unsigned char>(v[0])) && v.substr(1) == "00"))
            props.Set(vycpFONT_WEIGHT, v, important);
        else if (v != "normal")
            break;
    }
    if (i >= tokens.size())
        return;  // a system font name ("caption", "menu") or nothing after the keywords
    std::string_view size = tokens[i++];
    if (std::size_t slash = size.find('/'); slash != std::string_view::npos) {
        if (slash + 1 < size.size())
            props.Set(vycpLINE_HEIGHT, std::string(size.substr(slash + 1)), important);
        size = size.substr(0, slash);
    } else if (i < tokens.size() && !tokens[i].empty() && tokens[i].front() == '/') {
        std::string_view lh = tokens[i].substr(1);
        if (lh.empty() && i + 1 < tokens.size())
            lh = tokens[++i];
        props.Set(vycpLINE_HEIGHT, std::string(lh), important);
        ++i;
    }
    props.Set(vycpFONT_SIZE, Lower(size), important);
    if (i < tokens.size()) {
        std::string_view rest = value.substr(static_cast<std::size_t>(tokens[i].data() - value.data()));
        props.Set(vycpFONT_FAMILY, std::string(Trim(rest)), important);
    }
}

// Keywords are compared lower-cased; names (families, url()s) keep their case.
bool KeepsCase(TVyCSSProp p) { return p == vycpFONT_FAMILY || p == vycpLIST_STYLE_IMAGE; }

void SetDeclaration(TVyCSSProperties& props, std::string_view name, std::string_view value, bool important,
                    TVyCSS* sheet)
{
    std::string n = Lower(name);
    std::vector<std::string_view> tokens = SplitTop(value, ' ');
    if (n == "margin")
        SetFour(props, tokens, cMargins, important);
    else if (n == "padding")
        SetFour(props, tokens, cPaddings, important);
    else if (n == "border-width")
        SetFour(props, tokens, cBorderWidths, important);
    else if (n == "border-style")
        SetFour(props, tokens, cBorderStyles, important);
    else if (n == "border-color")
        SetFour(props, tokens, cBorderColors, important);
    else if (n == "border")
        for (int side = 0; side < 4; ++side)
            SetBorderSide(props, side, tokens, important);
    else if (n == "border-top")
        SetBorderSide(props, 0, tokens, important);
    else if (n == "border-right")
        SetBorderSide(props, 1, tokens, important);
    else if (n == "border-bottom")
        SetBorderSide(props, 2, tokens, important);
    else if (n == "border-left")
        SetBorderSide(props, 3, tokens, important);
    else if (n == "font")
        SetFont(props, value, important);
    else if (n == "background") {
        for (std::string_view t : tokens) {
            std::string v = Lower(t);
            if (v == "transparent" || v == "none" || HtmlCssColorToColor(v)) {
                props.Set(vycpBACKGROUND_COLOR, v, important);
                break;
            }
        }
    } else if (n == "list-style") {
        // Type, position and image in any order; "none" is whichever of type and image
        // is not given otherwise (both when it stands alone), as CSS has it.
        bool image = false, type = false;
        int nones = 0;
        for (std::string_view t : tokens) {
            const std::string v = Lower(t);
            if (v == "inside" || v == "outside")
                props.Set(vycpLIST_STYLE_POSITION, v, important);
            else if (v.rfind("url(", 0) == 0) {
                props.Set(vycpLIST_STYLE_IMAGE, std::string(t), important);
                image = true;
            } else if (v == "none")
                ++nones;
            else if (IsListStyleType(v)) {
                props.Set(vycpLIST_STYLE_TYPE, v, important);
                type = true;
            }
        }
        if (nones > 0 && !type)
            props.Set(vycpLIST_STYLE_TYPE, "none", important);
        if (nones > 1 || (nones == 1 && (type || !image)))
            props.Set(vycpLIST_STYLE_IMAGE, "none", important);
    } else if (n == "break-before" || n == "break-after" || n == "break-inside") {
        // The newer names of the page-break properties; column and region breaks have
        // no place in a document of pages.
        const std::string v = Lower(value);
        const TVyCSSProp p = n == "break-before" ? vycpPAGE_BREAK_BEFORE
                             : n == "break-after" ? vycpPAGE_BREAK_AFTER : vycpPAGE_BREAK_INSIDE;
        if (v == "page" || v == "left" || v == "right" || v == "recto" || v == "verso" || v == "always")
            props.Set(p, "always", important);
        else if (v == "avoid" || v == "avoid-page")
            props.Set(p, "avoid", important);
        else if (v == "auto")
            props.Set(p, "auto", important);
    } else if (n == "font-variant-caps")
        props.Set(vycpFONT_VARIANT, Lower(value), important);
    else if (n == "text-decoration-line")
        props.Set(vycpTEXT_DECORATION, Lower(value), important);
    else if (TVyCSSProp p = VyCSSPropByName(n); p != vycpUNDEFINED)
        props.Set(p, KeepsCase(p) ? std::string(value) : Lower(value), important);
    else if (sheet && !n.empty() && n[0] != '-' && n.rfind("mso-", 0) != 0 &&
             std::find(std::begin(cIgnoredProps), std::end(cIgnoredProps), n) == std::end(cIgnoredProps))
        sheet->AddError("Unknown property \"" + n + "\"");
}

// Parses one selector; false when it cannot be read.
bool ParseSelector(std::string_view text, TVyCSSSelector& sel)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool pendingCombinator = false;
    TVyCSSCombinatorType comb = acctDescendant;
    auto isNameChar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || static_cast<unsigned char>(c) >= 0x80 ||
               c == '\\';
    };
    while (i < n) {
        char c = text[i];
        if (IsSpace(c)) {
            ++i;
            if (!sel.Parts.empty())
                pendingCombinator = true;
            continue;
        }
        if (c == '>' || c == '+' || c == '~') {
            if (sel.Parts.empty())
                return false;
            comb = c == '>' ? acctChild : c == '+' ? acctAdjSibling : acctSibling;
            pendingCombinator = true;
            ++i;
            continue;
        }
        // A compound selector.
        if (sel.Parts.size() >= cMaxParts)
            return false;
        if (!sel.Parts.empty()) {
            if (!pendingCombinator)
                return false;
            sel.Combinators.push_back(comb);
        }
        pendingCombinator = false;
        comb = acctDescendant;
        TVyCSSCompound part;
        if (c == '*')
            part.Tag = "*", ++i;
        else if (isNameChar(c)) {
            std::size_t s = i;
            while (i < n && isNameChar(text[i]))
                ++i;
            part.Tag = Lower(text.substr(s, i - s));
        }
        while (i < n && !IsSpace(text[i]) && text[i] != '>' && text[i] != '+' && text[i] != '~') {
            char k = text[i];
            if (k == '#' || k == '.') {
                std::size_t s = ++i;
                while (i < n && isNameChar(text[i]))
                    ++i;
                if (i == s)
                    return false;
                (k == '#' ? part.Ids : part.Classes).push_back(FromAscii(text.substr(s, i - s)));
            } else if (k == ':') {
                ++i;
                if (i < n && text[i] == ':')
                    ++i;
                std::size_t s = i;
                while (i < n && isNameChar(text[i]))
                    ++i;
                std::string name = Lower(text.substr(s, i - s));
                if (i < n && text[i] == '(') {  // functional pseudo class: skip its argument
                    std::size_t close = text.find(')', i);
                    i = close == std::string_view::npos ? n : close + 1;
                }
                auto it = std::find(std::begin(cPseudoNames) + 1, std::end(cPseudoNames), name);
                part.Pseudo = it == std::end(cPseudoNames) ? acptUnknown
                                                           : static_cast<TVyCSSPseudoType>(it - std::begin(cPseudoNames));
            } else if (k == '[') {
                std::size_t close = text.find(']', i);
                i = close == std::string_view::npos ? n : close + 1;
                part.Unsupported = true;
            } else
                return false;
        }
        sel.Parts.push_back(std::move(part));
    }
    if (sel.Parts.empty() || (pendingCombinator && sel.Combinators.size() + 1 != sel.Parts.size()))
        return false;
    int ids = 0, classes = 0, tags = 0;
    for (const TVyCSSCompound& p : sel.Parts) {
        ids += static_cast<int>(p.Ids.size());
        classes += static_cast<int>(p.Classes.size()) + (p.Pseudo != acptNone ? 1 : 0) + (p.Unsupported ? 1 : 0);
        tags += !p.Tag.empty() && p.Tag != "*" ? 1 : 0;
    }
    sel.Specificity = ids * 10000 + classes * 100 + tags;
    const TVyCSSCompound& last = sel.Parts.back();
    if (!last.Ids.empty())
        sel.Key = "#" + ToUtf8(last.Ids.front());
    else if (!last.Classes.empty())
        sel.Key = "." + ToUtf8(last.Classes.front());
    else if (!last.Tag.empty())
        sel.Key = last.Tag;
    else
        sel.Key = "*";
    return true;
}

bool MatchCompound(const TVyCSSCompound& part, const TVYXHtmlNode& node)
{
    if (node.Tag == vytTEXT || node.Tag == vytDOCUMENT || part.Unsupported)
        return false;
    if (!part.Tag.empty() && part.Tag != "*" && part.Tag != node.Name)
        return false;
    if (!part.Ids.empty()) {
        const std::u16string* id = node.FindAttribute("id");
        for (const auto& want : part.Ids)
            if (!id || *id != want)
                return false;
    }
    if (!part.Classes.empty()) {
        std::vector<std::u16string> classes = node.Classes();
        for (const auto& want : part.Classes)
            if (std::find(classes.begin(), classes.end(), want) == classes.end())
                return false;
    }
    switch (part.Pseudo) {
    case acptNone:
        return true;
    case acptLink: case acptVisited:
        return node.Tag == vytA && node.HasAttribute("href");
    case acptFirstChild: {
        const TVYXHtmlNode* parent = node.Parent();
        if (!parent)
            return false;
        for (int i = 0; i < parent->ChildCount(); ++i)
            if (parent->Child(i).Tag != vytTEXT)
                return &parent->Child(i) == &node;
        return false;
    }
    default:
        return false;  // states, generated content and the rest never apply to the text
    }
}

}  // namespace

std::string_view VyCSSPropName(TVyCSSProp prop)
{
    return prop > vycpUNDEFINED && prop < vycpNONE ? cPropNames[prop - 1] : std::string_view();
}

TVyCSSProp VyCSSPropByName(std::string_view lowerName)
{
    auto it = std::lower_bound(std::begin(cPropNames), std::end(cPropNames), lowerName);
    if (it == std::end(cPropNames) || *it != lowerName)
        return vycpUNDEFINED;
    return static_cast<TVyCSSProp>(1 + (it - std::begin(cPropNames)));
}

// ---- Properties ----------------------------------------------------------------

void TVyCSSProperties::Set(TVyCSSProp prop, std::string value, bool important)
{
    for (TVyCSSValueItem& item : FItems)
        if (item.Prop == prop) {
            if (item.Important && !important)
                return;  // an important declaration is not overridden by a normal one
            item.Value = std::move(value);
            item.Important = important;
            return;
        }
    FItems.push_back({prop, std::move(value), important});
}

const std::string* TVyCSSProperties::Find(TVyCSSProp prop) const
{
    for (const TVyCSSValueItem& item : FItems)
        if (item.Prop == prop)
            return &item.Value;
    return nullptr;
}

std::string TVyCSSProperties::Get(TVyCSSProp prop) const
{
    const std::string* v = Find(prop);
    return v ? *v : std::string();
}

void TVyCSSProperties::Merge(const TVyCSSProperties& other, bool important)
{
    for (const TVyCSSValueItem& item : other.FItems)
        if (item.Important == important) {
            bool found = false;
            for (TVyCSSValueItem& mine : FItems)
                if (mine.Prop == item.Prop) {
                    mine.Value = item.Value;
                    found = true;
                }
            if (!found)
                FItems.push_back({item.Prop, item.Value, false});
        }
}

void VyCSSParseInline(std::string_view text, TVyCSSProperties& props, TVyCSS* sheet)
{
    for (std::string_view decl : SplitTop(text, ';')) {
        std::size_t colon = decl.find(':');
        if (colon == std::string_view::npos) {
            if (sheet && !Trim(decl).empty())
                sheet->AddError("Declaration without a colon");
            continue;
        }
        std::string_view name = Trim(decl.substr(0, colon));
        std::string_view value = Trim(decl.substr(colon + 1));
        bool important = false;
        if (std::size_t bang = value.rfind('!'); bang != std::string_view::npos &&
                                                  Lower(Trim(value.substr(bang + 1))) == "important") {
            important = true;
            value = Trim(value.substr(0, bang));
        }
        if (name.empty() || value.empty())
            continue;
        SetDeclaration(props, name, value, important, sheet);
    }
}

// ---- Sheet ---------------------------------------------------------------------

void TVyCSS::AddError(std::string message)
{
    if (FErrors.size() < cMaxErrors)
        FErrors.push_back(std::move(message));
}

void TVyCSS::Parse(std::u16string_view text) { Parse(ToUtf8(text)); }

void TVyCSS::Parse(std::string_view text)
{
    const std::string clean = StripComments(text);
    ParseRules(clean, 0);
}

void TVyCSS::ParseRules(std::string_view text, int depth)
{
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (IsSpace(text[i]) || text[i] == ';' || text[i] == '}'))
            ++i;
        if (i >= text.size())
            break;
        std::size_t brace = text.find('{', i);
        if (text[i] == '@') {
            std::size_t semi = text.find(';', i);
            if (brace == std::string_view::npos || (semi != std::string_view::npos && semi < brace)) {
                i = semi == std::string_view::npos ? text.size() : semi + 1;  // @import, @charset
                continue;
            }
            std::size_t end = SkipBlock(text, brace);
            std::string head = Lower(Trim(text.substr(i, brace - i)));
            if (head.rfind("@media", 0) == 0 && depth < cMaxAtDepth) {
                std::string media = head.substr(6);
                if (Trim(media).empty() || media.find("all") != std::string::npos ||
                    media.find("screen") != std::string::npos) {
                    std::size_t innerEnd = end > brace + 1 ? end - 1 : brace + 1;
                    ParseRules(text.substr(brace + 1, innerEnd - brace - 1), depth + 1);
                }
            }
            i = end;
            continue;
        }
        if (brace == std::string_view::npos) {
            AddError("Selector without a block");
            break;
        }
        std::size_t end = SkipBlock(text, brace);
        std::size_t blockEnd = end > brace + 1 && text[end - 1] == '}' ? end - 1 : end;
        AddRule(text.substr(i, brace - i), text.substr(brace + 1, blockEnd - brace - 1));
        i = end;
    }
}

void TVyCSS::AddRule(std::string_view selectors, std::string_view block)
{
    TVyCSSProperties props;
    VyCSSParseInline(block, props, this);
    if (props.Count() == 0)
        return;
    const int declIndex = static_cast<int>(FDeclarations.size());
    bool any = false;
    for (std::string_view one : SplitTop(selectors, ',')) {
        if (FSelectors.size() >= cMaxSelectors) {
            AddError("Too many selectors");
            break;
        }
        TVyCSSSelector sel;
        if (!ParseSelector(Trim(one), sel)) {
            AddError("Bad selector \"" + std::string(Trim(one).substr(0, 40)) + "\"");
            continue;
        }
        sel.Order = static_cast<int>(FSelectors.size());
        sel.Declarations = declIndex;
        FByKey[sel.Key].push_back(sel.Order);
        FSelectors.push_back(std::move(sel));
        any = true;
    }
    if (any)
        FDeclarations.push_back(std::move(props));
}

bool TVyCSS::Matches(const TVyCSSSelector& selector, const TVYXHtmlNode& node) const
{
    // Right to left; a descendant combinator takes the nearest matching ancestor.
    int k = static_cast<int>(selector.Parts.size()) - 1;
    if (!MatchCompound(selector.Parts[static_cast<std::size_t>(k)], node))
        return false;
    const TVYXHtmlNode* current = &node;
    for (--k; k >= 0; --k) {
        const TVyCSSCompound& part = selector.Parts[static_cast<std::size_t>(k)];
        switch (selector.Combinators[static_cast<std::size_t>(k)]) {
        case acctChild:
            current = current->Parent();
            if (!current || !MatchCompound(part, *current))
                return false;
            break;
        case acctDescendant:
            do
                current = current->Parent();
            while (current && !MatchCompound(part, *current));
            if (!current)
                return false;
            break;
        case acctAdjSibling:
            current = current->PrevSiblingNotText();
            if (!current || !MatchCompound(part, *current))
                return false;
            break;
        case acctSibling:
            do
                current = current->PrevSiblingNotText();
            while (current && !MatchCompound(part, *current));
            if (!current)
                return false;
            break;
        }
    }
    return true;
}

void TVyCSS::Collect(const TVYXHtmlNode& node, TVyCSSProperties& out) const
{
    std::vector<int> found;
    auto lookUp = [&](const std::string& key) {
        auto it = FByKey.find(key);
        if (it == FByKey.end())
            return;
        for (int index : it->second) {
            if (--FMatchBudget < 0)
                return;
            if (Matches(FSelectors[static_cast<std::size_t>(index)], node))
                found.push_back(index);
        }
    };
    if (!FSelectors.empty()) {
        lookUp("*");
        lookUp(node.Name);
        if (const std::u16string* id = node.FindAttribute("id"))
            lookUp("#" + ToUtf8(*id));
        std::vector<std::u16string> classes = node.Classes();
        for (std::size_t i = 0; i < classes.size(); ++i)
            if (std::find(classes.begin(), classes.begin() + static_cast<std::ptrdiff_t>(i), classes[i]) ==
                classes.begin() + static_cast<std::ptrdiff_t>(i))
                lookUp("." + ToUtf8(classes[i]));
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        std::stable_sort(found.begin(), found.end(), [&](int a, int b) {
            return FSelectors[static_cast<std::size_t>(a)].Specificity < FSelectors[static_cast<std::size_t>(b)].Specificity;
        });
    }
    TVyCSSProperties inlineProps;
    if (const std::u16string* style = node.FindAttribute("style"))
        VyCSSParseInline(ToUtf8(*style), inlineProps);
    for (bool important : {false, true}) {
        for (int index : found)
            out.Merge(FDeclarations[static_cast<std::size_t>(FSelectors[static_cast<std::size_t>(index)].Declarations)],
                      important);
        out.Merge(inlineProps, important);
    }
}

// ---- Units and colours -----------------------------------------------------------

std::optional<TVyCSSLength> VyCSSParseLength(std::string_view text)
{
    text = Trim(text);
    if (text.empty() || text.size() > 40)
        return std::nullopt;
    std::string s(text);
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (end == s.c_str() || !std::isfinite(v))
        return std::nullopt;
    std::string unit = Lower(std::string_view(end));
    static constexpr std::pair<std::string_view, TVyCSSUnit> cUnits[] = {
        {"", vycuNone_}, {"%", vycuPercent}, {"in", vycuIN}, {"cm", vycuCM}, {"mm", vycuMM}, {"em", vycuEM},
        {"ex", vycuEX}, {"pt", vycuPT}, {"pc", vycuPica}, {"px", vycuPX}, {"rem", vycuREM}};
    for (const auto& [name, u] : cUnits)
        if (unit == name)
            return TVyCSSLength{v, u};
    return std::nullopt;
}

double CSSGetPtSizeByUnit(double value, TVyCSSUnit unit, double base, double pixelsPerInch)
{
    switch (unit) {
    case vycuIN: return value * 72;
    case vycuCM: return value / 2.54 * 72;
    case vycuMM: return value / 25.4 * 72;
    case vycuEM: case vycuREM: return value * base;
    case vycuEX: return value * 2;  // a fixed two points per ex, as the format's readers always took it
    case vycuPT: return value;
    case vycuPica: return value * 12;
    case vycuPercent: return value * base / 100;
    case vycuPX: case vycuNone_:
    default: return value / (pixelsPerInch > 0 ? pixelsPerInch : 96) * 72;
    }
}

std::optional<double> CSSPropSizeToPt(std::string_view text, double base, double pixelsPerInch)
{
    std::string v = Lower(Trim(text));
    static constexpr std::pair<std::string_view, double> cKeywords[] = {
        {"xx-small", 7}, {"x-small", 7.5}, {"small", 10}, {"medium", 12}, {"large", 13.5}, {"x-large", 18},
        {"xx-large", 24}, {"smaller", -1}, {"larger", -2}};
    for (const auto& [name, size] : cKeywords)
        if (v == name)
            return size == -1 ? base / 1.2 : size == -2 ? base * 1.2 : size;
    std::optional<TVyCSSLength> len = VyCSSParseLength(v);
    if (!len)
        return std::nullopt;
    return CSSGetPtSizeByUnit(len->Value, len->Unit, base, pixelsPerInch);
}

std::optional<TVYXColor> GetHtmlColor(std::string_view lowerName)
{
    auto it = std::lower_bound(std::begin(cColors), std::end(cColors), lowerName,
                               [](const TNamedColor& c, std::string_view n) { return c.Name < n; });
    if (it == std::end(cColors) || it->Name != lowerName)
        return std::nullopt;
    return it->Color;
}

std::optional<TVYXColor> HtmlCssColorToColor(std::string_view text)
{
    std::string v = Lower(Trim(text));
    if (v.empty())
        return std::nullopt;
    auto hex = [](char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1; };
    std::string digits = v[0] == '#' ? v.substr(1) : v;
    bool allHex = !digits.empty() && std::all_of(digits.begin(), digits.end(), [&](char c) { return hex(c) >= 0; });
    // "#rgb", "#rgba", "#rrggbb", "#rrggbbaa"; legacy attributes also omit the '#'.
    if (allHex && (v[0] == '#' || digits.size() == 6)) {
        if (digits.size() == 3 || digits.size() == 4)
            return ColorRGB(hex(digits[0]) * 17, hex(digits[1]) * 17, hex(digits[2]) * 17);
        if (digits.size() == 6 || digits.size() == 8)
            return ColorRGB(hex(digits[0]) * 16 + hex(digits[1]), hex(digits[2]) * 16 + hex(digits[3]),
                            hex(digits[4]) * 16 + hex(digits[5]));
        return std::nullopt;
    }
    if (v.rfind("rgb", 0) == 0) {
        std::size_t open = v.find('('), close = v.find(')');
        if (open == std::string::npos || close == std::string::npos || close < open)
            return std::nullopt;
        std::string inner = v.substr(open + 1, close - open - 1);
        if (std::size_t slash = inner.find('/'); slash != std::string::npos)
            inner.resize(slash);  // "rgb(r g b / a)": alpha is dropped
        for (char& c : inner)
            if (c == ',')
                c = ' ';
        std::vector<std::string_view> parts = SplitTop(inner, ' ');
        if (parts.size() < 3)
            return std::nullopt;
        int rgb[3];
        for (int k = 0; k < 3; ++k) {
            std::optional<TVyCSSLength> len = VyCSSParseLength(parts[static_cast<std::size_t>(k)]);
            if (!len || (len->Unit != vycuNone_ && len->Unit != vycuPercent))
                return std::nullopt;
            double x = len->Unit == vycuPercent ? len->Value * 255 / 100 : len->Value;
            rgb[k] = static_cast<int>(std::lround(std::clamp(x, 0.0, 255.0)));
        }
        return ColorRGB(rgb[0], rgb[1], rgb[2]);
    }
    return GetHtmlColor(v);
}
