// VYXReadHTMLElements.cpp: the HTML reader's elements: tag defaults, cascaded CSS on character
// and block formats, lists, notes' anchors, bookmarks and pictures.
#include "formats/VYXReadHTMLImpl.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

#include "editing/VYXLogEditor.h"
#include "formats/VYXCSSParse.h"
#include "formats/VYXHtmlDOM.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace vyx_html {

namespace {

// The address of a CSS url(...) value, unquoted; "" for "none" and anything else.
std::u16string CssUrl(std::string_view value)
{
    if (value.size() < 5 || AsciiLower(std::string(value.substr(0, 4))) != "url(" || value.back() != ')')
        return {};
    std::string_view inner = value.substr(4, value.size() - 5);
    while (!inner.empty() && (inner.front() == ' ' || inner.front() == '\t'))
        inner.remove_prefix(1);
    while (!inner.empty() && (inner.back() == ' ' || inner.back() == '\t'))
        inner.remove_suffix(1);
    if (inner.size() >= 2 && (inner.front() == '"' || inner.front() == '\'') && inner.back() == inner.front())
        inner = inner.substr(1, inner.size() - 2);
    return Utf8ToUtf16(inner);
}

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+' || c == '-') return 62;
    if (c == '/' || c == '_') return 63;
    return -1;
}

std::string DecodeBase64(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 3 / 4);
    unsigned acc = 0;
    int bits = 0;
    for (char c : text) {
        int v = Base64Value(c);
        if (v < 0)
            continue;  // blanks, '=' padding and line breaks
        acc = (acc << 6) | static_cast<unsigned>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((acc >> bits) & 0xFF);
        }
    }
    return out;
}

// The first family of a font-family list, unquoted; generic families as common fonts.
std::u16string FirstFamily(std::string_view value)
{
    std::string first(value.substr(0, value.find(',')));
    while (!first.empty() && (first.front() == ' ' || first.front() == '"' || first.front() == '\''))
        first.erase(0, 1);
    while (!first.empty() && (first.back() == ' ' || first.back() == '"' || first.back() == '\''))
        first.pop_back();
    const std::string lower = AsciiLower(first);
    if (lower == "serif")
        return u"Times New Roman";
    if (lower == "sans-serif")
        return u"Arial";
    if (lower == "monospace")
        return u"Courier New";
    return Utf8ToUtf16(first);
}

// Highlight names as office suites write them in mso-highlight.
std::optional<TVYXHighlighColor> HighlightByName(std::string_view v)
{
    static constexpr std::string_view cNames[] = {"black", "blue", "cyan", "green", "magenta", "red", "yellow",
                                                  "white", "darkblue", "darkcyan", "darkgreen", "darkmagenta",
                                                  "darkred", "darkyellow", "darkgray", "lightgray", "none"};
    static_assert(std::size(cNames) == ahcNone + 1);
    for (std::size_t i = 0; i < std::size(cNames); ++i)
        if (v == cNames[i])
            return static_cast<TVYXHighlighColor>(i);
    return std::nullopt;
}

// The label an office suite writes before a list paragraph ("1.", "a)", "iv.", a
// bullet glyph) as the list's kind: nullopt for a bullet.
std::optional<TVYXNumberingStyleType> NumberStyleOfLabel(std::u16string_view label)
{
    std::u16string t;
    for (char16_t c : label)
        if (c != u' ' && c != 0xA0 && c != u'\t' && c != u'(')
            t += c;
    if (t.size() < 2 || (t.back() != u'.' && t.back() != u')'))
        return std::nullopt;
    t.pop_back();
    auto all = [&](std::u16string_view set) {
        return std::all_of(t.begin(), t.end(), [&](char16_t c) { return set.find(c) != std::u16string_view::npos; });
    };
    if (all(u"0123456789") || all(u"0123456789."))
        return anstDecimal;
    if (all(u"ivxlcdm") && (t.size() > 1 || t == u"i"))
        return anstLowerRoman;
    if (all(u"IVXLCDM") && (t.size() > 1 || t == u"I"))
        return anstUpperRoman;
    if (t.size() == 1 && t[0] >= u'a' && t[0] <= u'z')
        return anstLowerLetter;
    if (t.size() == 1 && t[0] >= u'A' && t[0] <= u'Z')
        return anstUpperLetter;
    return std::nullopt;
}

// "l0 level2 lfo1" of mso-list: the list's key ("l0 lfo1") and its level from 0;
// nullopt for "ignore", "none" and anything unreadable.
std::optional<std::pair<std::string, int>> MsoListOf(std::string_view value)
{
    std::string list, lfo;
    int level = -1;
    std::size_t i = 0;
    while (i < value.size()) {
        while (i < value.size() && value[i] == ' ')
            ++i;
        std::size_t end = value.find(' ', i);
        if (end == std::string_view::npos)
            end = value.size();
        const std::string_view word = value.substr(i, end - i);
        if (word.rfind("level", 0) == 0 && word.size() > 5 && word.size() < 8 &&
            std::all_of(word.begin() + 5, word.end(), [](char c) { return c >= '0' && c <= '9'; }))
            level = std::stoi(std::string(word.substr(5))) - 1;
        else if (word.rfind("lfo", 0) == 0)
            lfo = word;
        else if (word.size() > 1 && word[0] == 'l' && word[1] >= '0' && word[1] <= '9')
            list = word;
        i = end;
    }
    if (list.empty() || level < 0)
        return std::nullopt;
    return std::make_pair(list + " " + lfo, std::min(level, cMaxListLevel));
}

}  // namespace

// The index of the "[endif]" marker that closes a list label opened at child
// `from` of `node`; -1 when it does not close among the siblings.
int TReader::ListLabelEnd(const TVYXHtmlNode& node, int from)
{
    for (int k = from + 1; k < node.ChildCount(); ++k)
        if (node.Child(k).Tag == vytCOMMENT)
            return node.Child(k).Text == u"[endif]" ? k : -1;
    return -1;
}

bool TReader::IsListLabelStart(const TVYXHtmlNode& c)
{
    return c.Tag == vytCOMMENT && c.Text == u"[if !supportLists]";
}

// Marked by its style as a label an office suite wrote (mso-list: Ignore).
bool TReader::IsIgnoredLabel(const TVYXHtmlNode& c)
{
    const std::u16string* style = c.FindAttribute("style");
    if (!style || style->size() > 4096 || style->find(u"mso-list") == std::u16string::npos)
        return false;  // the common case, without converting the text
    std::string s = Ascii(*style);
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s.find("mso-list:ignore") != std::string::npos;
}

// The text of a list paragraph's label, found as the reader skips it.
std::u16string TReader::ListLabelText(const TVYXHtmlNode& node, int depth)
{
    for (int i = 0; i < node.ChildCount() && depth < 8; ++i) {
        const TVYXHtmlNode& c = node.Child(i);
        if (IsListLabelStart(c)) {
            if (int end = ListLabelEnd(node, i); end > i) {
                std::u16string text;
                for (int k = i + 1; k < end; ++k)
                    text += node.Child(k).InnerText();
                return text;
            }
        } else if (IsIgnoredLabel(c))
            return c.InnerText();
        else if (c.Tag != vytTEXT) {
            std::u16string inner = ListLabelText(c, depth + 1);
            if (!inner.empty())
                return inner;
        }
    }
    return {};
}

void TReader::Children(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& b, const TListCtx& list)
{
    for (int i = 0; i < node.ChildCount(); ++i) {
        const TVYXHtmlNode& c = node.Child(i);
        if (IsListLabelStart(c)) {
            // The label is the list's to draw: it is not text of the paragraph.
            if (int end = ListLabelEnd(node, i); end > i && !FKeepListLabels)
                i = end;
            continue;
        }
        if (c.Tag == vytTEXT)
            Text(c.Text, f, b);
        else
            Element(c, f, b, list);
    }
}

void TReader::ApplyCharCSS(const TVyCSSProperties& css, TCharFmt& f, TBlockFmt& b, bool block)
{
    const double current = f.Size.value_or(FDefaultSize);
    for (int i = 0; i < css.Count(); ++i) {
        const TVyCSSValueItem& item = css.Items(i);
        const std::string& v = item.Value;
        switch (item.Prop) {
        case vycpFONT_WEIGHT:
            if (v == "bold" || v == "bolder" || (v.size() == 3 && v[0] >= '6' && v[0] <= '9'))
                f.Bold = true;
            else if (v == "normal" || v == "lighter" || (v.size() == 3 && v[0] >= '1' && v[0] <= '5'))
                f.Bold = false;
            break;
        case vycpFONT_STYLE:
            f.Italic = v == "italic" || v == "oblique";
            break;
        case vycpFONT_VARIANT:
            f.SmallCaps = v == "small-caps" || v == "all-small-caps";
            break;
        case vycpTEXT_TRANSFORM:
            f.AllCaps = v == "uppercase";
            break;
        case vycpTEXT_DECORATION:
            if (v.find("underline") != std::string::npos)
                f.Underline = vycuSingle;
            if (v.find("line-through") != std::string::npos)
                f.Strike = true;
            if (v == "none")
                f.Underline = vycuNone, f.Strike = false;
            break;
        case vycpFONT_SIZE:
            if (std::optional<double> pt = CSSPropSizeToPt(v, current, FOptions.PixelsPerInch); pt && *pt > 0)
                f.Size = std::clamp(*pt, 1.0, 1638.0);
            break;
        case vycpFONT_FAMILY:
            if (std::u16string family = FirstFamily(v); !family.empty())
                f.Font = family;
            break;
        case vycpCOLOR:
            if (std::optional<TVYXColor> c = HtmlCssColorToColor(v))
                f.Color = *c;
            break;
        case vycpBACKGROUND_COLOR: {
            std::optional<TVYXColor> c = HtmlCssColorToColor(v);
            if (block) {
                if (c)
                    b.Shade = *c;
            } else if (c && !(f.Highlight && css.Has(vycpMSO_HIGHLIGHT)))
                f.Fill = *c;
            break;
        }
        case vycpVERTICAL_ALIGN:
            if (v == "sub")
                f.SubSup = vycssSubscript;
            else if (v == "super")
                f.SubSup = vycssSuperscript;
            else if (v == "baseline")
                f.SubSup = vycssNone;
            break;
        case vycpMSO_HIGHLIGHT:
            // The office suites' highlight: the marker colours, not a shading.
            if (std::optional<TVYXHighlighColor> h = HighlightByName(v)) {
                f.Highlight = *h;
                if (!block)
                    f.Fill.reset();
            }
            break;
        case vycpDIRECTION:
            f.RTL = v == "rtl";
            if (block)
                b.RTL = v == "rtl";
            break;
        case vycpWHITE_SPACE:
            // "pre" and "nowrap" do not wrap lines; only "nowrap" and "normal" collapse blanks.
            b.Pre = v == "pre" || v == "pre-wrap" || v == "pre-line" || v == "break-spaces";
            b.NoWrap = v == "pre" || v == "nowrap";
            break;
        default:
            break;
        }
    }
}

void TReader::ApplyBlockCSS(const TVyCSSProperties& css, TBlockFmt& b, const TCharFmt& f)
{
    const double em = f.Size.value_or(FDefaultSize);
    const double width = FDoc.Width();
    // Percentages of margins and indents are of the width, ems of the font size.
    auto length = [&](const std::string& v) -> std::optional<double> {
        std::optional<TVyCSSLength> len = VyCSSParseLength(v);
        if (!len)
            return std::nullopt;
        return CSSGetPtSizeByUnit(len->Value, len->Unit, len->Unit == vycuPercent ? width : em,
                                  FOptions.PixelsPerInch);
    };
    for (int i = 0; i < css.Count(); ++i) {
        const TVyCSSValueItem& item = css.Items(i);
        const std::string& v = item.Value;
        switch (item.Prop) {
        case vycpTEXT_ALIGN:
            if (v == "center")
                b.Align = vyptaCenter;
            else if (v == "right" || v == "end")
                b.Align = vyptaRight;
            else if (v == "justify")
                b.Align = vyptaJustify;
            else if (v == "left" || v == "start")
                b.Align = vyptaLeft;
            break;
        case vycpMARGIN_LEFT:
            if (auto pt = length(v))
                b.IndentLeft += std::clamp(*pt, -width, width);
            break;
        case vycpMARGIN_RIGHT:
            if (auto pt = length(v))
                b.IndentRight += std::clamp(*pt, -width, width);
            break;
        case vycpMARGIN_TOP:
            if (auto pt = length(v))
                b.SpaceBefore = std::clamp(*pt, 0.0, 1584.0);
            break;
        case vycpMARGIN_BOTTOM:
            if (auto pt = length(v))
                b.SpaceAfter = std::clamp(*pt, 0.0, 1584.0);
            break;
        case vycpTEXT_INDENT:
            if (auto pt = length(v)) {
                double x = std::clamp(*pt, -width, width);
                if (x >= 0)
                    b.FirstLine = x, b.Hanging.reset();
                else
                    b.Hanging = -x, b.FirstLine.reset();
            }
            break;
        case vycpLINE_HEIGHT:
            // Percentages, plain numbers and font-relative units are multiples of the
            // line (CSS computes em against the element's own font, as a multiple
            // does); other lengths are a minimum height, or exact with the office
            // suites' mso-line-height-rule.
            if (v == "normal" || v == "initial")
                b.LineSpacing.reset(), b.LineExact.reset();
            else if (std::optional<TVyCSSLength> len = VyCSSParseLength(v); len && len->Value > 0) {
                if (len->Unit == vycuPercent)
                    b.LineSpacing = std::clamp(len->Value / 100, 0.5, 10.0), b.LineExact.reset();
                else if (len->Unit == vycuNone_ || len->Unit == vycuEM || len->Unit == vycuREM)
                    b.LineSpacing = std::clamp(len->Value, 0.5, 10.0), b.LineExact.reset();
                else if (len->Unit == vycuEX)
                    b.LineSpacing = std::clamp(len->Value / 2, 0.5, 10.0), b.LineExact.reset();
                else
                    b.LineExact = std::clamp(CSSGetPtSizeByUnit(len->Value, len->Unit, em, FOptions.PixelsPerInch),
                                             1.0, 1584.0),
                    b.LineSpacing.reset();
            }
            break;
        case vycpMSO_LINE_HEIGHT_RULE:
            b.LineExactly = v == "exactly";
            break;
        case vycpPAGE_BREAK_AFTER:
            b.KeepNext = v == "avoid";
            break;
        case vycpPAGE_BREAK_INSIDE:
            b.KeepLines = v == "avoid";
            break;
        default:
            break;
        }
    }
}

// The four borders of a block from its cascaded CSS.
void TReader::BlockBorders(const TVyCSSProperties& css, TBlockFmt& b, double em) const
{
    struct TSide {
        TVyCSSProp Width, Style, Color;
    };
    constexpr TSide cSides[4] = {
        {vycpBORDER_LEFT_WIDTH, vycpBORDER_LEFT_STYLE, vycpBORDER_LEFT_COLOR},
        {vycpBORDER_TOP_WIDTH, vycpBORDER_TOP_STYLE, vycpBORDER_TOP_COLOR},
        {vycpBORDER_RIGHT_WIDTH, vycpBORDER_RIGHT_STYLE, vycpBORDER_RIGHT_COLOR},
        {vycpBORDER_BOTTOM_WIDTH, vycpBORDER_BOTTOM_STYLE, vycpBORDER_BOTTOM_COLOR},
    };
    for (int i = 0; i < 4; ++i) {
        const std::string* style = css.Find(cSides[i].Style);
        if (!style)
            continue;
        TBlockFmt::TBorder border;
        border.Style = BorderStyle(*style);
        const std::string w = css.Get(cSides[i].Width);
        border.Width = w == "thin" ? 0.75 : w == "thick" ? 3.75 : w == "medium" || w.empty() ? 2.25
                       : std::clamp(CSSPropSizeToPt(w, em, FOptions.PixelsPerInch).value_or(0.75), 0.0, 12.0);
        border.Color = HtmlCssColorToColor(css.Get(cSides[i].Color)).value_or(0);
        if (border.Width <= 0)
            border.Style = stbNone;
        b.Borders[i] = border;
    }
}

TListCtx TReader::ListFrom(const TVYXHtmlNode& node, const TVyCSSProperties& css, const TListCtx& outer, double indent)
{
    TListCtx list;
    list.Level = outer.Level + 1;
    list.Indent = outer.Level < 0 ? indent : outer.Indent;
    list.OuterSlot = outer.Slot;
    list.Slot = static_cast<int>(FListSlots.size());
    FListSlots.push_back(nullptr);
    list.Bullet = node.Tag != vytOL;
    std::string type = css.Get(vycpLIST_STYLE_TYPE);
    if (type.empty()) {
        std::u16string t = node.Attribute("type");
        if (!list.Bullet) {
            type = t == u"a" ? "lower-alpha" : t == u"A" ? "upper-alpha" : t == u"i" ? "lower-roman"
                   : t == u"I" ? "upper-roman" : "decimal";
        }
    }
    if (type == "none")
        list.NoMarker = true;
    else if (type == "decimal" || type == "decimal-leading-zero")
        list.Bullet = false, list.Style = anstDecimal;
    else if (type == "lower-alpha" || type == "lower-latin")
        list.Bullet = false, list.Style = anstLowerLetter;
    else if (type == "upper-alpha" || type == "upper-latin")
        list.Bullet = false, list.Style = anstUpperLetter;
    else if (type == "lower-roman")
        list.Bullet = false, list.Style = anstLowerRoman;
    else if (type == "upper-roman")
        list.Bullet = false, list.Style = anstUpperRoman;
    else if (type == "disc" || type == "circle" || type == "square")
        list.Bullet = true;
    const std::string position = css.Get(vycpLIST_STYLE_POSITION);
    list.Inside = position.empty() ? outer.Inside : position == "inside";
    const std::string image = css.Get(vycpLIST_STYLE_IMAGE);
    list.Image = image.empty() ? outer.Image : CssUrl(image);
    return list;
}

void TReader::Element(const TVYXHtmlNode& node, const TCharFmt& parentChars, const TBlockFmt& parentBlock,
                      const TListCtx& parentList)
{
    bool breakAfter = false;
    ElementContent(node, parentChars, parentBlock, parentList, breakAfter);
    if (breakAfter)
        PageBreak();
}

// A page break before what comes next: it ends the body's last paragraph, so the
// next one starts the page without an empty line above it; after a table it waits
// for the next paragraph. At the start of the body there is nothing to break, and
// cells have no pages of their own.
void TReader::PageBreak()
{
    if (FTargets.size() != 1 || !Target().Body)
        return;
    EndPara();
    TVYXLogParaItem* last = Target().Paras->Last();
    if (!last)
        return;
    if (Target().Unused && last == Target().Unused) {
        // The empty paragraph after a table, or the body's first: only the former
        // has something before it to break from.
        FPendingPageBreak = Target().Paras->Count() > 1;
        return;
    }
    if (last->IsPara()) {
        static_cast<TVYXLogPara*>(last)->AppendBreak(acrbtPageBreak);
        FLastRun = nullptr;
    } else
        FPendingPageBreak = true;
}

void TReader::ElementContent(const TVYXHtmlNode& node, const TCharFmt& parentChars, const TBlockFmt& parentBlock,
                             const TListCtx& parentList, bool& breakAfter)
{
    switch (node.Tag) {
    case vytSCRIPT: case vytNOSCRIPT: case vytSTYLE: case vytHEAD: case vytTITLE: case vytTEMPLATE:
    case vytIFRAME: case vytNOEMBED: case vytNOFRAMES: case vytMETA: case vytLINK: case vytBASE:
    case vytCOMMENT: case vytPARAM: case vytSOURCE: case vytAREA: case vytCOL: case vytCOLGROUP:
        return;
    default:
        break;
    }
    if (node.HasAttribute("hidden") || FSkip.count(&node))
        return;
    TVyCSSProperties css;
    FCss.Collect(node, css);
    const std::string display = css.Get(vycpDISPLAY);
    if (display == "none" || (IsIgnoredLabel(node) && !FKeepListLabels))
        return;
    TCharFmt f = parentChars;
    TBlockFmt b = parentBlock;
    TListCtx list = parentList;
    bool block = VYXHtmlIsBlock(node.Tag);
    if (display == "block" || display == "list-item" || display == "table" || display == "flex")
        block = true;
    else if ((display == "inline" || display == "inline-block") && !Is(node.Tag, {vytTABLE, vytTR, vytTD, vytTH}))
        block = false;
    // Block formats do not inherit into children except alignment and indents:
    // spacing belongs to the element that sets it.
    if (block) {
        b.SpaceBefore.reset();
        for (auto& border : b.Borders)
            border.reset();
        b.SpaceAfter.reset();
        b.FirstLine.reset();
        b.Hanging.reset();
        b.Heading = 0;
        b.KeepNext = false;  // page-break-after is the element's, not its children's
    }

    // Tag defaults.
    switch (node.Tag) {
    case vytB: case vytSTRONG: f.Bold = true; break;
    case vytI: case vytEM: case vytCITE: case vytDFN: case vytVAR: f.Italic = true; break;
    case vytU: case vytINS: f.Underline = vycuSingle; break;
    case vytS: case vytSTRIKE: case vytDEL: f.Strike = true; break;
    case vytSUB: f.SubSup = vycssSubscript; break;
    case vytSUP: f.SubSup = vycssSuperscript; break;
    case vytCODE: case vytKBD: case vytTT: case vytSAMP: f.Font = u"Courier New"; break;
    case vytMARK: f.Fill = 0xFFFF00; break;
    case vytBIG: f.Size = f.Size.value_or(FDefaultSize) * 1.2; break;
    case vytSMALL: f.Size = f.Size.value_or(FDefaultSize) / 1.2; break;
    case vytPRE: case vytXMP: case vytPLAINTEXT: case vytTEXTAREA: f.Font = u"Courier New"; b.Pre = true; break;
    case vytCENTER: b.Align = vyptaCenter; break;
    case vytBLOCKQUOTE: b.IndentLeft += 30; b.IndentRight += 30; break;
    case vytDD: b.IndentLeft += 30; break;
    case vytFONT: FontElement(node, f); break;
    case vytBDO:
        if (node.Attribute("dir") == u"rtl")
            f.RTL = true;
        break;
    case vytTH: f.Bold = true; b.Align = vyptaCenter; break;
    case vytA:
        if (node.HasAttribute("href"))
            f.Underline = vycuSingle, f.Color = 0x0000FF;
        break;
    default:
        if (node.Tag >= vytH1 && node.Tag <= vytH6) {
            b.Heading = node.Tag - vytH1 + 1;
            f.Bold = true;
            f.Size = cHeadingSizes[b.Heading - 1];
            f.Color = cVYXAutoColor;  // the heading style's colour is not HTML's
        }
        break;
    }
    if (block && b.Heading == 0)
        for (const std::u16string& cls : node.Classes()) {
            // Word's and other exporters' heading classes map to the heading styles.
            std::string c = Ascii(cls);
            std::size_t at = c.find("heading");
            if (at != std::string::npos && at + 7 < c.size() && c[at + 7] >= '1' && c[at + 7] <= '6')
                b.Heading = c[at + 7] - '0';
        }
    if (std::u16string align = node.Attribute("align"); !align.empty() && block && node.Tag != vytTABLE &&
                                                          node.Tag != vytIMG && node.Tag != vytHR) {
        std::string a = Ascii(align);
        b.Align = a == "center" || a == "middle" ? vyptaCenter : a == "right" ? vyptaRight
                  : a == "justify" ? vyptaJustify : vyptaLeft;
    }
    if (const std::u16string* dir = node.FindAttribute("dir"); dir && block)
        f.RTL = b.RTL = Ascii(*dir) == "rtl";
    ApplyCharCSS(css, f, b, block);
    if (block) {
        ApplyBlockCSS(css, b, f);
        if (!Is(node.Tag, {vytTABLE, vytTD, vytTH, vytTR, vytUL, vytOL}))
            BlockBorders(css, b, f.Size.value_or(FDefaultSize));
        if (!b.Hidden && node.Tag != vytBR && css.Get(vycpPAGE_BREAK_BEFORE) == "always")
            PageBreak();
        breakAfter = !b.Hidden && node.Tag != vytBR && css.Get(vycpPAGE_BREAK_AFTER) == "always";
    }

    switch (node.Tag) {
    case vytBR:
        if (!b.Hidden) {
            // "<br style='page-break-before: always'>" is how office suites write a page break.
            const bool page = FTargets.size() == 1 && (css.Get(vycpPAGE_BREAK_BEFORE) == "always" ||
                                                        css.Get(vycpPAGE_BREAK_AFTER) == "always");
            EnsurePara(b).AppendBreak(page ? acrbtPageBreak : acrbtLineBreak);
            FLastRun = nullptr;
            FParaHasText = false;
            FPendingSpace = false;
        }
        return;
    case vytWBR:
        return;
    case vytHR: {
        EndPara();
        b.Shade.reset();  // a rule's colour is the rule's, not its paragraph's
        TVYXLogPara& para = NewPara(b);
        TVYXCharRunGraphic* run = para.AppendHorizontalLine();
        if (auto* rule = run ? dynamic_cast<TVYXGraphicHorizLine*>(run->Graphic.get()) : nullptr) {
            std::string align = Ascii(node.Attribute("align"));
            for (const std::u16string& cls : node.Classes())
                if (cls == u"HRLeft" || cls == u"HRRight")  // how the writer keeps the side
                    align = cls == u"HRLeft" ? "left" : "right";
            rule->Align = align == "left" ? agohatLeft : align == "right" ? agohatRight : agohatCentered;
            if (std::optional<double> size = PictureLength(node, css, "size", vycpHEIGHT))
                rule->Height = std::min(*size, 72.0);
            std::string width = css.Get(vycpWIDTH);
            if (width.empty())
                width = U8(TrimWs(node.Attribute("width")));
            if (std::optional<TVyCSSLength> w = VyCSSParseLength(width); w && w->Unit == vycuPercent && w->Value > 0) {
                rule->Percent = std::min(w->Value, 100.0);
                rule->IsFullWidth = rule->Percent >= 100;
            }
        }
        EndPara();
        return;
    }
    case vytIMG:
        Picture(node, f, b);
        return;
    case vytTABLE:
        if (static_cast<int>(FTargets.size()) <= cMaxTableDepth) {
            Table(node, f, b, list, css);
            return;
        }
        break;
    case vytUL: case vytOL: case vytDIR: case vytMENU:
        EndPara();
        list = ListFrom(node, css, parentList, b.IndentLeft);
        Children(node, f, b, list);
        EndPara();
        return;
    case vytLI: {
        if (list.Level < 0)
            list = ListFrom(node, css, list, b.IndentLeft);
        if (std::string type = css.Get(vycpLIST_STYLE_TYPE); type == "none")
            list.NoMarker = true;
        NewListPara(b, list);
        // Text after a nested list continues the item as a plain, indented paragraph.
        TBlockFmt inner = b;
        inner.IndentLeft += 18 * (std::clamp(list.Level, 0, cMaxListLevel) + 1);
        ItemChildren(node, f, inner, list);
        EndPara();
        return;
    }
    case vytQ:
        Text(u"\"", f, b);
        Children(node, f, b, list);
        Text(u"\"", f, b);
        return;
    case vytA: {
        if (NoteReference(node, b))
            return;
        if (const std::u16string* name = node.FindAttribute("name"); name && !name->empty())
            Bookmark(*name, b);
        else if (const std::u16string* id = node.FindAttribute("id"); id && !id->empty())
            Bookmark(*id, b);
        const std::u16string* href = node.FindAttribute("href");
        if (!href || href->empty()) {
            Children(node, f, b, list);
            return;
        }
        FlushSpace(b);
        TVYXLogPara* startPara = FPara;
        std::int32_t start = FPara ? FPara->EndOfParaPos() : 1;
        Children(node, f, b, list);
        if (FPara && (FPara == startPara || !startPara)) {
            std::int32_t from = FPara == startPara ? start : 1;
            std::int32_t to = FPara->EndOfParaPos();
            if (to > from) {
                std::u16string url = TrimWs(*href);
                const bool local = !url.empty() && url[0] == u'#';
                TVYXHyperlink* link = local ? FDoc.Hyperlinks().AddUniqueBookmark(url.substr(1))
                                            : FDoc.Hyperlinks().Add(url, ahtURL);
                if (link)
                    FPara->MakeHyperlink(link, from, to);
                FLastRun = nullptr;
            }
        }
        return;
    }
    default:
        break;
    }

    if (block && b.Heading > 0 && css.Has(vycpMSO_LIST)) {
        // A numbered heading stays a heading (outlines and contents need its style),
        // and its number stays as text.
        const bool saved = FKeepListLabels;
        FKeepListLabels = true;
        EndPara();
        NewPara(b);
        Children(node, f, b, list);
        EndPara();
        FKeepListLabels = saved;
        return;
    }
    if (block && Is(node.Tag, {vytP, vytDIV}))
        if (std::optional<std::pair<std::string, int>> mso = MsoListOf(css.Get(vycpMSO_LIST))) {
            // A list paragraph as office suites write them: the level and list come
            // from mso-list, the kind from the label, the indents from the level.
            EndPara();
            TBlockFmt item = b;
            item.IndentLeft = parentBlock.IndentLeft;
            item.FirstLine.reset();
            item.Hanging.reset();
            NewListPara(item, MsoList(mso->first, mso->second, node, item.IndentLeft));
            Children(node, f, item, list);
            EndPara();
            return;
        }
    if (block && node.ChildCount() == 1 && node.Child(0).Tag == vytTEXT && node.Child(0).Text == u"\u00A0" &&
        Is(node.Tag, {vytP, vytH1, vytH2, vytH3, vytH4, vytH5, vytH6, vytDIV})) {
        // "<p>&nbsp;</p>" is how empty paragraphs are written.
        EndPara();
        NewPara(b);
        EndPara();
        return;
    }
    if (block) {
        EndPara();
        const bool framed = std::any_of(std::begin(b.Borders), std::end(b.Borders), [](const auto& x) { return x.has_value(); });
        const bool paragraph = Is(node.Tag, {vytP, vytH1, vytH2, vytH3, vytH4, vytH5, vytH6, vytPRE});
        if (b.Heading > 0 || b.Shade || paragraph)
            NewPara(b);  // the element's own paragraph, with its spacing, even when empty
        if (framed && !paragraph && FFrames.size() < 64) {
            // A box around several paragraphs: the sides go to each of them, the top
            // to the first and the bottom to the last.
            TBlockFmt inner = b;
            for (auto& border : inner.Borders)
                border.reset();
            FFrames.push_back({Target().Paras, {}});
            Children(node, f, inner, list);
            EndPara();
            TFrame frame = std::move(FFrames.back());
            FFrames.pop_back();
            for (std::size_t k = 0; k < frame.Items.size(); ++k)
                for (int side = 0; side < 4; ++side)
                    if (b.Borders[side] && (side == 0 || side == 2 || (side == 1 && k == 0) ||
                                            (side == 3 && k + 1 == frame.Items.size())))
                        SetBorder(*frame.Items[k], side, *b.Borders[side]);
            return;
        }
        Children(node, f, b, list);
        EndPara();
    } else
        Children(node, f, b, list);
}

// The list of an mso-list key: one list element's slot for all its paragraphs, so
// numbers go on across the paragraphs between them.
TListCtx TReader::MsoList(const std::string& key, int level, const TVYXHtmlNode& node, double indent)
{
    TListCtx ctx;
    auto it = FMsoLists.find(key);
    if (it == FMsoLists.end() && FMsoLists.size() >= cMaxMsoLists)
        it = FMsoLists.begin();  // past that many lists, the others join one
    else if (it == FMsoLists.end()) {
        it = FMsoLists.emplace(key, static_cast<int>(FListSlots.size())).first;
        FListSlots.push_back(nullptr);
    }
    ctx.Slot = it->second;
    ctx.Level = level;
    ctx.Indent = indent;
    const std::optional<TVYXNumberingStyleType> style = NumberStyleOfLabel(ListLabelText(node));
    ctx.Bullet = !style;
    ctx.Style = style.value_or(anstDecimal);
    return ctx;
}

// A list item's content: its text in the item paragraph, a following block in
// paragraphs of its own.
void TReader::ItemChildren(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& inner, const TListCtx& list)
{
    for (int i = 0; i < node.ChildCount(); ++i) {
        const TVYXHtmlNode& c = node.Child(i);
        if (c.Tag == vytCOMMENT)
            continue;
        if (c.Tag == vytTEXT)
            Text(c.Text, f, inner);
        else if (FPara && !FParaHasText && Is(c.Tag, {vytP, vytDIV})) {
            // "<li><p>text</p></li>": the first paragraph is the item itself.
            TVyCSSProperties css;
            FCss.Collect(c, css);
            if (css.Get(vycpDISPLAY) == "none")
                continue;
            TCharFmt cf = f;
            TBlockFmt cb = inner;
            ApplyCharCSS(css, cf, cb, true);
            Children(c, cf, cb, list);
            EndPara();
        } else
            Element(c, f, inner, list);
    }
}

bool TReader::Is(TVYXHTagId t, std::initializer_list<TVYXHTagId> set)
{
    return std::find(set.begin(), set.end(), t) != set.end();
}

void TReader::FontElement(const TVYXHtmlNode& node, TCharFmt& f)
{
    if (std::u16string color = node.Attribute("color"); !color.empty())
        if (std::optional<TVYXColor> c = HtmlCssColorToColor(U8(color)))
            f.Color = *c;
    if (std::u16string face = node.Attribute("face"); !face.empty())
        f.Font = FirstFamily(U8(face));
    if (const std::u16string* size = node.FindAttribute("size")) {
        std::string s = U8(TrimWs(*size));
        int value = 3;
        try {
            std::size_t used = 0;
            int n = s.empty() ? 3 : std::stoi(s, &used);
            value = s[0] == '+' || s[0] == '-' ? 3 + n : n;
        } catch (...) {
            value = 3;  // "x" and other words mean the default size
        }
        f.Size = cFontSizes[std::clamp(value, 1, 7) - 1];
    }
}

void TReader::Bookmark(const std::u16string& name, const TBlockFmt& b)
{
    if (FDoc.Bookmarks().Count() >= cMaxBookmarks)
        return;  // names are checked for uniqueness one by one
    TVYXLogPara& para = EnsurePara(b);
    if (TVYXBookmark* mark = para.AppendBookmark(name))
        para.EndBookmark(*mark);
    FLastRun = nullptr;
}

// The bytes of a picture named by an address: a data: URI or a file beside the
// document (within the size limit); empty when there is none.
std::string TReader::PictureBytes(const std::u16string& src)
{
    std::string bytes;
    std::string lower = Ascii(src.substr(0, 64));
    if (lower.rfind("data:", 0) == 0) {
        std::size_t comma = src.find(u',');
        if (comma != std::u16string::npos && src.size() < cMaxPictureBytes * 2) {
            std::string header = Ascii(src.substr(0, comma));
            std::string payload = U8(std::u16string_view(src).substr(comma + 1));
            bytes = header.find(";base64") != std::string::npos ? DecodeBase64(payload) : PercentDecode(payload);
        }
    } else if (std::optional<std::string> path = LocalFile(src)) {
        std::error_code ec;
        if (std::filesystem::file_size(*path, ec) <= cMaxPictureBytes && !ec) {
            try {
                bytes = VYXReadFile(*path);
            } catch (const VYXException&) {
                bytes.clear();
            }
        }
    }
    return bytes;
}

void TReader::Picture(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& b)
{
    if (b.Hidden)
        return;
    std::string bytes = PictureBytes(TrimWs(node.Attribute("src")));
    TVYXLogPara& para = EnsurePara(b);
    // A size from the attributes or CSS makes a sized picture object; without one the
    // picture keeps its own size in a picture run.
    TVyCSSProperties css;
    FCss.Collect(node, css);
    const std::optional<double> width = PictureLength(node, css, "width", vycpWIDTH);
    const std::optional<double> height = PictureLength(node, css, "height", vycpHEIGHT);
    const bool limited = css.Has(vycpMAX_WIDTH) || css.Has(vycpMIN_WIDTH) || css.Has(vycpMAX_HEIGHT) ||
                         css.Has(vycpMIN_HEIGHT);
    if (!bytes.empty() && (width || height || limited)) {
        try {
            TVYXMemoryStream stream = TVYXMemoryStream::View(bytes);
            TVYXPicture& picture = FDoc.Pictures().AddPicture(stream);
            auto graphic = std::make_unique<TVYXGraphicPicture>(&picture);
            const double w0 = picture.GetWidth() > 0 ? picture.GetWidth() : 72;
            const double h0 = picture.GetHeight() > 0 ? picture.GetHeight() : 72;
            double w = width ? *width : height ? *height * w0 / h0 : w0;
            double h = height ? *height : width ? *width * h0 / w0 : h0;
            LimitPictureSize(css, w, h, !height, !width);
            graphic->Width = w;
            graphic->Height = h;
            para.AppendGraphic(std::move(graphic));
            FLastRun = nullptr;
            FParaHasText = true;
            return;
        } catch (const VYXException&) {
            bytes.clear();
        }
    }
    if (!bytes.empty()) {
        TVYXCharRunPicture* run = para.AppendPicture();
        try {
            run->LoadPicture(bytes);
            FLastRun = nullptr;
            FParaHasText = true;
            return;
        } catch (const VYXException&) {
            para.DeleteText(para.EndOfParaPos() - 1, para.EndOfParaPos(), nullptr);
        }
    }
    if (FOptions.MissingPictureText) {
        TCharFmt missing = f;
        missing.Italic = true;
        AppendRaw(u" Missing Picture ", missing, b);
    }
}

// A length of max-width and its kin in points; percentages of `whole`, nothing
// for "none" and nonsense.
std::optional<double> TReader::LimitLength(const TVyCSSProperties& css, TVyCSSProp prop, double whole, double em) const
{
    std::optional<TVyCSSLength> len = VyCSSParseLength(css.Get(prop));
    if (!len || len->Value <= 0)
        return std::nullopt;
    return std::clamp(CSSGetPtSizeByUnit(len->Value, len->Unit, len->Unit == vycuPercent ? whole : em,
                                         FOptions.PixelsPerInch), 1.0, 1584.0 * 4);
}

// max-width, min-width, max-height and min-height on a picture's size; a side the
// document did not give follows the other, keeping the picture's proportions.
void TReader::LimitPictureSize(const TVyCSSProperties& css, double& w, double& h, bool heightFollows, bool widthFollows) const
{
    const double avail = AvailableWidth(FTargets.back());
    auto setWidth = [&](double nw) {
        if (heightFollows && w > 0)
            h = h * nw / w;
        w = nw;
    };
    auto setHeight = [&](double nh) {
        if (widthFollows && h > 0)
            w = w * nh / h;
        h = nh;
    };
    if (auto m = LimitLength(css, vycpMAX_WIDTH, avail, 12); m && w > *m)
        setWidth(*m);
    if (auto m = LimitLength(css, vycpMIN_WIDTH, avail, 12); m && w < *m)
        setWidth(*m);
    if (auto m = LimitLength(css, vycpMAX_HEIGHT, avail, 12); m && h > *m)
        setHeight(*m);
    if (auto m = LimitLength(css, vycpMIN_HEIGHT, avail, 12); m && h < *m)
        setHeight(*m);
    w = std::clamp(w, 1.0, 1584.0 * 4);
    h = std::clamp(h, 1.0, 1584.0 * 4);
}

// A picture's width or height in points: CSS first, else the attribute (pixels);
// percentages and nonsense give none.
std::optional<double> TReader::PictureLength(const TVYXHtmlNode& node, const TVyCSSProperties& css, const char* attr,
                                             TVyCSSProp prop) const
{
    std::string v = css.Get(prop);
    if (v.empty() || v == "auto")
        v = U8(TrimWs(node.Attribute(attr)));
    std::optional<TVyCSSLength> len = VyCSSParseLength(v);
    if (!len || len->Value <= 0 || (len->Unit == vycuPercent && prop != vycpWIDTH))
        return std::nullopt;
    // A width in percent is of the place the picture stands in (a page's or a
    // cell's width); a height in percent depends on a box we do not have.
    const double whole = len->Unit == vycuPercent ? AvailableWidth(FTargets.back()) : 12;
    const double value = len->Unit == vycuPercent ? std::min(len->Value, 100.0) : len->Value;
    return std::clamp(CSSGetPtSizeByUnit(value, len->Unit, whole, FOptions.PixelsPerInch), 1.0, 1584.0 * 4);
}

}  // namespace vyx_html
