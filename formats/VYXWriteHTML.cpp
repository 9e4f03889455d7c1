// VYXWriteHTML.cpp: the HTML writer.
//
// One pass over the body writes the elements into a buffer and collects the
// formats as it goes (each format is rendered as its CSS declarations and looked
// up by that text, so equal formats share a class); the head with the style sheet
// is written last and put in front. Character and paragraph formats are written
// where they differ from the document's master formats, which the ".DefaultFont"
// rule on the body carries; paragraph spacing is always written, since browsers'
// defaults are not ours.
//
// Not supported: text boxes and drawing objects beyond their text, fields beyond
// their results, tracked changes (the text is written as it stands), comments.
#include "formats/VYXWriteHTML.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <unordered_map>

#include "editing/VYXLogEditor.h"
#include "formats/VYXHtmlDOM.h"
#include "model/VYXDocData.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr const char* cCRLF = "\r\n";
constexpr int cMaxListDepth = 9;

std::string Num(double v)
{
    // At most two decimals, no trailing zeros: "12", "10.5", "0.75".
    if (v == std::floor(v) && std::abs(v) < 1e9)
        return std::to_string(static_cast<long long>(v));  // the common case, without printf
    double r = std::round(v * 100) / 100;
    if (r == 0)
        r = 0;  // no "-0"
    char buf[64];
    const std::to_chars_result end = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::fixed, 2);
    std::string s(buf, end.ec == std::errc() ? end.ptr : buf);
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s.empty() || s == "-" ? std::string("0") : s;
}

std::string Pt(double v) { return Num(v) + "pt"; }

// "#rrggbb": always six digits.
std::string Hex(TVYXColor c)
{
    static constexpr char cDigits[] = "0123456789abcdef";
    std::string out = "#000000";
    for (int i = 6; i >= 1; --i, c >>= 4)
        out[static_cast<std::size_t>(i)] = cDigits[c & 0xF];
    return out;
}

// Appends text as UTF-8 with the HTML references, in one pass; control characters
// other than tabs, which cannot stand in HTML text, become blanks.
void AppendEncoded(std::string& out, std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        switch (c) {
        case u'&': out += "&amp;"; continue;
        case u'<': out += "&lt;"; continue;
        case u'>': out += "&gt;"; continue;
        case u'"': out += "&quot;"; continue;
        case 0xA0: out += "&nbsp;"; continue;
        default: break;
        }
        if (c < 0x7F) {
            out += c < 0x20 && c != u'\t' ? ' ' : static_cast<char>(c);
            continue;
        }
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;  // a lone surrogate
        // C1 controls and noncharacters are not allowed in HTML: a blank, as the C0 ones.
        if (c <= 0x9F || (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE)
            c = u' ';
        AppendUtf8(out, c);
    }
}

std::string Encode(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    AppendEncoded(out, text);
    return out;
}

std::string Base64(std::string_view bytes)
{
    static constexpr char cAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                     static_cast<unsigned char>(bytes[i + 2]);
        out += cAlphabet[v >> 18];
        out += cAlphabet[(v >> 12) & 63];
        out += cAlphabet[(v >> 6) & 63];
        out += cAlphabet[v & 63];
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += cAlphabet[v >> 18];
        out += cAlphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? cAlphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

struct TPictureType {
    const char* Extension;
    const char* Mime;
};

TPictureType PictureType(TVYXPictureType type)
{
    switch (type) {
    case aptJPG: return {"jpg", "image/jpeg"};
    case aptPNG: return {"png", "image/png"};
    case aptGIF: return {"gif", "image/gif"};
    case aptBMP: return {"bmp", "image/bmp"};
    case aptTIF: return {"tif", "image/tiff"};
    case aptEMF: return {"emf", "image/emf"};
    case aptWMF: return {"wmf", "image/wmf"};
    default: return {"bin", "application/octet-stream"};
    }
}

std::string BorderCss(const TVYXDocPropBorder* b)
{
    if (!b || b->Style == stbNone || b->Style == stbNil)
        return "none";
    const char* style = b->Style == stbDouble ? "double" : b->Style == stbDotted ? "dotted"
                        : b->Style == stbDashed || b->Style == stbDashSmallGap ? "dashed" : "solid";
    const TVYXColor color = b->Color == cVYXAutoColor ? 0 : b->Color;
    return Pt(std::max(b->Width, 0.25)) + " " + style + " " + Hex(color);
}

// The list style of a numbered level as an `ol` type ("" for decimal).
const char* OlType(TVYXNumberingStyleType style)
{
    switch (style) {
    case anstLowerLetter: case anstLowerLetterParen: return "a";
    case anstUpperLetter: return "A";
    case anstLowerRoman: return "i";
    case anstUpperRoman: return "I";
    default: return "";
    }
}

class TWriter {
public:
    TWriter(TVYXLogDocEditor& doc, std::vector<std::pair<std::string, std::string>>& pictures, bool embed)
        : FDoc(doc), FMasterCHP(doc.GetMasterCHP()), FMasterPAP(doc.GetMasterPAP()), FPictures(pictures),
          FEmbed(embed)
    {
    }

    std::string Run(const std::string& title)
    {
        FOut.reserve(std::size_t{1} << 18);
        if (TVYXLogDocEditor* header = FDoc.Headers().Find(ahftDefault)) {
            FOut += "<header>";
            FOut += cCRLF;
            Paras(header->Paras());
            FOut += "</header>";
            FOut += cCRLF;
        }
        Paras(FDoc.Paras());
        Notes(false);
        Notes(true);
        if (TVYXLogDocEditor* footer = FDoc.Footers().Find(ahftDefault)) {
            FOut += "<footer>";
            FOut += cCRLF;
            Paras(footer->Paras());
            FOut += "</footer>";
            FOut += cCRLF;
        }
        std::string head = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
                           "<meta name=\"Generator\" content=\"Pendock 2.00.53\">\r\n<title>" +
                           Encode(Utf8ToUtf16(title)) + "</title>\r\n<style>\r\n";
        head += ".DefaultFont { font-family: " + FontName(FMasterCHP.FontName) + "; font-size: " +
                Pt(FMasterCHP.Size) + "; font-style: normal; color: " +
                Hex(FMasterCHP.Color == cVYXAutoColor ? 0 : FMasterCHP.Color) +
                "; font-weight: " + (FMasterCHP.Bold ? "700" : "400") + "; text-decoration: none; }\r\n";
        // Blanks are the document's own: they are kept as written.
        head += "p, h1, h2, h3, h4, h5, h6 { margin-top: 0pt; margin-bottom: 0pt; white-space: pre-wrap; }\r\n";
        head += "li { white-space: pre-wrap; }\r\n";
        head += "table { border-collapse: collapse; border-spacing: 0pt; }\r\n";
        head += "table[border] > * > tr > td, table[border] > * > tr > th { border: 0.5pt solid #000000; }\r\n";
        head += "td p, th p { margin: 0pt; }\r\n";
        head += "ol, ul { margin-top: 0pt; margin-bottom: 0pt; }\r\n";
        head += ".HR33 { width: 33%; margin-left: 0; text-align: left; border: none; background-color: #a0a0a0; }\r\n";
        head += ".HRLeft { margin-left: 0; margin-right: auto; }\r\n.HRRight { margin-left: auto; margin-right: 0; }\r\n";
        head += ".tab { white-space: pre; }\r\n";
        for (const auto& rule : FRules)
            head += rule + "\r\n";
        head += "</style>\r\n</head>\r\n<body class=\"DefaultFont\">\r\n";
        // The body is written before the rules it uses: one copy puts them together.
        head.reserve(head.size() + FOut.size() + 20);
        head += FOut;
        head += "</body>\r\n</html>\r\n";
        return head;
    }

private:
    // ---- Classes ----

    std::string ClassFor(const std::string& element, const std::string& prefix, const std::string& decls)
    {
        if (decls.empty())
            return {};
        auto& classes = FClasses[prefix];
        auto it = classes.find(decls);
        if (it != classes.end())
            return it->second;
        std::string name = prefix + std::to_string(FRules.size() + 1);
        classes.emplace(decls, name);
        FRules.push_back(element + "." + name + " { " + decls + "}");
        return name;
    }

    static std::string FontName(const std::u16string& name)
    {
        std::string n = U8(name);
        n.erase(std::remove_if(n.begin(), n.end(), [](char c) { return c == '"' || c == '<' || c == '>'; }), n.end());
        return n.find(' ') != std::string::npos ? "\"" + n + "\"" : n;
    }

    std::string CharDecls(const TVYXCharRun& run) const
    {
        const TVYXCHPX* x = run.CHPX();
        if (!x)
            return {};
        std::string d;
        auto add = [&d](std::string_view name, std::string_view value) {
            d.append(name).append(": ").append(value).append("; ");
        };
        const std::u16string font = x->GetFontName();
        if (!font.empty() && font != FMasterCHP.FontName)
            add("font-family", FontName(font));
        if (std::abs(x->GetSize() - FMasterCHP.Size) > 0.001)
            add("font-size", Pt(x->GetSize()));
        const TVYXColor color = x->GetColor();
        if (color != FMasterCHP.Color && color != cVYXAutoColor)
            add("color", Hex(color));
        if (x->GetFillColor() != cVYXAutoColor)
            add("background-color", Hex(x->GetFillColor()));
        else if (const TVYXHighlighColor h = x->GetHighlightColor(); h != ahcNone && h >= ahcBlack) {
            // Browsers draw the colour; office suites and our reader take the marker back.
            static constexpr const char* cNames[] = {"black", "blue", "cyan", "green", "magenta", "red", "yellow",
                                                     "white", "darkblue", "darkcyan", "darkgreen", "darkmagenta",
                                                     "darkred", "darkyellow", "darkgray", "lightgray"};
            add("background-color", Hex(HighlightToColor(h)));
            add("mso-highlight", cNames[h]);
        }
        if (x->GetBold() != FMasterCHP.Bold)
            add("font-weight", x->GetBold() ? "700" : "400");
        if (x->GetItalic() != FMasterCHP.Italic)
            add("font-style", x->GetItalic() ? "italic" : "normal");
        const bool underline = x->GetUnderline() != vycuNone, strike = x->GetStrikeThrough();
        if (underline || strike)
            add("text-decoration", std::string(underline ? "underline" : "") + (underline && strike ? " " : "") +
                                       (strike ? "line-through" : ""));
        if (x->GetSubSuperscript() == vycssSubscript)
            add("vertical-align", "sub");
        else if (x->GetSubSuperscript() == vycssSuperscript)
            add("vertical-align", "super");
        if (x->GetSmallCaps())
            add("font-variant", "small-caps");
        if (x->GetAllCaps())
            add("text-transform", "uppercase");
        if (x->GetRTL())
            add("direction", "rtl");
        if (x->GetHidden())
            add("display", "none");
        return d;
    }

    // The paragraph's effective format (styles, list levels and its table's style
    // resolved, as layout sees it).
    // `rightBase`: the right indent of the box the paragraph stands in (the item a
    // nested list item is inside), which CSS margins add to.
    // `right` receives the paragraph's right indent.
    std::string ParaDecls(const TVYXLogPara& para, bool listItem, double rightBase = 0, double* right = nullptr) const
    {
        TVYXParaData pd;
        para.SetupParaData(pd);
        if (right)
            *right = pd.IndentRight;
        std::string d;
        auto add = [&d](std::string_view name, std::string_view value) {
            d.append(name).append(": ").append(value).append("; ");
        };
        switch (pd.Alignment) {
        case vyptaCenter: add("text-align", "center"); break;
        case vyptaRight: add("text-align", "right"); break;
        case vyptaJustify: add("text-align", "justify"); break;
        default: break;
        }
        if (!listItem) {
            // A list item's indents are its level's.
            if (std::abs(pd.IndentLeft) > 0.001)
                add("margin-left", Pt(pd.IndentLeft));
            if (pd.IndentHanging > 0.001)
                add("text-indent", Pt(-pd.IndentHanging));
            else if (std::abs(pd.IndentFirstLine) > 0.001)
                add("text-indent", Pt(pd.IndentFirstLine));
        }
        if (std::abs(pd.IndentRight - rightBase) > 0.001)
            add("margin-right", Pt(pd.IndentRight - rightBase));
        if (!listItem) {
            // Items take their spacing from the list's style (which may drop it
            // between items of one list).
            add("margin-top", Pt(pd.SpaceBefore));
            add("margin-bottom", Pt(pd.SpaceAfter));
        }
        if (pd.Color != cVYXAutoColor && pd.Color != 0xFFFFFF)
            add("background-color", Hex(pd.Color));
        const TVYXPAPX& x = para.PAPX();
        // "pre" keeps the blanks, as the other paragraphs' pre-wrap does, and does not wrap.
        if (x.GetNoWrap())
            add("white-space", "pre");
        if (x.Assigned(vypiKeepNext) && x.GetKeepNext())
            add("page-break-after", "avoid");
        if (x.Assigned(vypiKeepLines) && x.GetKeepLines())
            add("page-break-inside", "avoid");
        const std::pair<const TVYXDocPropBorder*, const char*> borders[] = {
            {x.GetBorderLeft(), "border-left"}, {x.GetBorderTop(), "border-top"},
            {x.GetBorderRight(), "border-right"}, {x.GetBorderBottom(), "border-bottom"}};
        for (const auto& [border, name] : borders)
            if (border && border->Style != stbNone && border->Style != stbNil)
                add(name, BorderCss(border));
        // Multiples as plain numbers: CSS scales those with each run's own size.
        const double spacing = pd.LineSpacing;
        switch (pd.LineSpacingType) {
        case aplstMultiple:
            if (std::abs(spacing - FMasterPAP.LineSpacing) > 0.001 && spacing > 0)
                add("line-height", Num(spacing));
            break;
        case aplst1_5Lines: add("line-height", "1.5"); break;
        case aplstDouble: add("line-height", "2"); break;
        case aplstAtLeast: case aplstExactly:
            if (spacing > 0)
                add("line-height", Pt(spacing));
            if (spacing > 0 && pd.LineSpacingType == aplstExactly)
                add("mso-line-height-rule", "exactly");  // CSS has no minimum, office suites' HTML has both
            break;
        default: break;
        }
        return d;
    }

    std::string CellDecls(const TVYXTableCell& cell) const
    {
        std::string d;
        auto add = [&d](std::string_view name, std::string_view value) {
            d.append(name).append(": ").append(value).append("; ");
        };
        const TVYXTableCellProps& p = cell.Props();
        if (p.MargLeftSet)
            add("padding-left", Pt(p.MargLeft));
        if (p.MargRightSet)
            add("padding-right", Pt(p.MargRight));
        if (p.MargTopSet)
            add("padding-top", Pt(p.MargTop));
        if (p.MargBottomSet)
            add("padding-bottom", Pt(p.MargBottom));
        static constexpr std::pair<TVYXTableBorderSide, const char*> cSides[] = {
            {atbsLeft, "border-left"}, {atbsTop, "border-top"}, {atbsRight, "border-right"}, {atbsBottom, "border-bottom"}};
        for (const auto& [side, name] : cSides)
            if (const TVYXDocPropBorder* b = p.GetBorder(side))
                add(name, BorderCss(b));
        if (cell.GetFillColor() != cVYXAutoColor)
            add("background-color", Hex(static_cast<TVYXColor>(cell.GetFillColor())));
        if (cell.AlignVert == atcavCenter)
            add("vertical-align", "middle");
        else if (cell.AlignVert == atcavBottom)
            add("vertical-align", "bottom");
        return d;
    }

    // ---- Body ----

    struct TOpenList {
        bool Bullet;
        TVYXNumberingStyleType Style;
        bool ItemOpen;
        const TVYXNumberingsList* List;  // which list of the document (borrowed)
        double Right = 0;                // the right indent of the open item
    };

    void CloseLists(std::size_t depth)
    {
        while (FLists.size() > depth) {
            // No line ends inside a list: items keep their blanks (pre-wrap), and
            // nested lists inherit that.
            if (FLists.back().ItemOpen)
                FOut += "</li>";
            FOut += FLists.back().Bullet ? "</ul>" : "</ol>";
            FLists.pop_back();
            if (FLists.empty())
                FOut += cCRLF;
        }
    }

    void Paras(TVYXLogParas& paras)
    {
        const std::vector<TOpenList> saved = std::move(FLists);
        FLists.clear();
        for (int i = 0; i < paras.Count(); ++i) {
            TVYXLogParaItem* item = paras.GetItems(i);
            if (item->IsTable()) {
                CloseLists(0);
                Table(static_cast<TVYXTable&>(*item));
                continue;
            }
            auto& para = static_cast<TVYXLogPara&>(*item);
            // A cell's last paragraph that only follows a nested table is not content.
            if (paras.Cell() && i == paras.Count() - 1 && i > 0 && paras.Cell()->LastParaIsAutoHidden())
                continue;
            if (TVYXNumbering* n = para.PAPX().GetNumbering())
                ListPara(para, *n);
            else {
                CloseLists(0);
                Para(para);
            }
        }
        CloseLists(0);
        FLists = saved;
    }

    void ListPara(TVYXLogPara& para, const TVYXNumbering& n)
    {
        const std::size_t depth = static_cast<std::size_t>(std::clamp(n.Level, 0, cMaxListDepth - 1)) + 1;
        const bool bullet = n.Style == anstBullet;
        CloseLists(depth);
        // Another list at the same depth (a new list restarts its numbers) closes this one.
        if (FLists.size() == depth && (FLists.back().Bullet != bullet || (!bullet && FLists.back().Style != n.Style) ||
                                       FLists.back().List != n.NumList()))
            CloseLists(depth - 1);
        if (FLists.size() == depth && FLists.back().ItemOpen) {
            FOut += "</li>";
            FLists.back().ItemOpen = false;
        }
        while (FLists.size() < depth) {
            // A level skipped in the document still needs an item to nest in.
            if (!FLists.empty() && !FLists.back().ItemOpen) {
                FOut += "<li style=\"list-style-type: none\">";
                FLists.back().ItemOpen = true;
            }
            const bool innerBullet = FLists.size() + 1 == depth ? bullet : true;
            // A list moved in from its levels' usual place (one inside a quotation)
            // says by how much on its outermost element.
            std::string decls;
            if (FLists.empty()) {
                const double shift = n.PAPX().GetIndentLeft() - (36 + 18 * std::clamp(n.Level, 0, cMaxListDepth - 1));
                if (std::abs(shift) > 0.5 && n.PAPX().Assigned(vypiIndentLeft))
                    decls = "margin-left: " + Pt(shift) + "; ";
            }
            // A level without a hanging indent has its marker inside the text; a picture
            // bullet is the list's image (readers without it show the plain bullet).
            if (FLists.size() + 1 == depth) {
                if (n.PAPX().Assigned(vypiIndentHanging) && std::abs(n.PAPX().GetIndentHanging()) < 0.01)
                    decls += "list-style-position: inside; ";
                if (const TVYXPicture* image = bullet && n.Picture ? n.Picture->Picture() : nullptr;
                    image && !image->OrigData().empty())
                    decls += "list-style-image: url('" + ImageSrc(std::string(image->OrigData()), image->OrigType) + "'); ";
            }
            if (!decls.empty())
                decls.resize(decls.size() - 2);
            const std::string margin = decls.empty() ? std::string() : " style=\"" + decls + "\"";
            if (innerBullet)
                FOut += "<ul" + margin + ">";
            else {
                const std::string type = OlType(n.Style);
                FOut += "<ol" + (type.empty() ? std::string() : " type=\"" + type + "\"") + margin + ">";
            }
            FLists.push_back({innerBullet, n.Style, false, FLists.size() + 1 == depth ? n.NumList() : nullptr});
        }
        const double rightBase = FLists.size() >= 2 && FLists[FLists.size() - 2].ItemOpen ? FLists[FLists.size() - 2].Right : 0;
        const std::string cls = ClassFor("li", "px", ParaDecls(para, true, rightBase, &FLists.back().Right));
        FOut += "<li" + (cls.empty() ? std::string() : " class=\"" + cls + "\"") + (para.PAPX().RTL ? " dir=\"rtl\"" : "") + ">";
        Runs(para);
        FLists.back().ItemOpen = true;
    }

    static int HeadingLevel(const TVYXLogPara& para)
    {
        const TVYXParaStyle* style = para.PAPX().GetStyle();
        if (!style)
            return 0;
        const std::u16string& id = style->Id;
        if (id.size() == 8 && id.compare(0, 7, u"Heading") == 0 && id[7] >= u'1' && id[7] <= u'6')
            return id[7] - u'0';
        return 0;
    }

    void Para(TVYXLogPara& para)
    {
        // A paragraph that holds only a horizontal line is an hr (which cannot stand in a p).
        if (const TVYXGraphicHorizLine* rule = OnlyRule(para)) {
            const char* side = rule->Align == agohatLeft ? " HRLeft" : rule->Align == agohatRight ? " HRRight" : "";
            FOut += "<hr class=\"HR33" + std::string(side) + "\" style=\"width: " + Num(rule->Percent) +
                    "%; height: " + Pt(rule->Height) + "\">";
            FOut += cCRLF;
            return;
        }
        const int heading = HeadingLevel(para);
        const std::string element = heading ? "h" + std::to_string(heading) : "p";
        const std::string cls = ClassFor(element, "px", ParaDecls(para, false));
        FOut += "<" + element + (cls.empty() ? "" : " class=\"" + cls + "\"") + (para.PAPX().RTL ? " dir=\"rtl\"" : "") + ">";
        if (para.IsZeroLength())
            FOut += "&nbsp;";
        else
            Runs(para);
        FOut += "</" + element + ">";
        FOut += cCRLF;
    }

    // Blanks and control characters cannot stand in a URL: they are written as %XX.
    static std::u16string UrlBlanks(std::u16string_view url)
    {
        std::u16string out;
        for (char16_t c : url) {
            if (c <= 0x20 || c == 0x7F) {
                static constexpr char16_t cHex[] = u"0123456789ABCDEF";
                out += u'%';
                out += cHex[(c >> 4) & 0xF];
                out += cHex[c & 0xF];
            } else
                out += c;
        }
        return out;
    }

    static const TVYXGraphicHorizLine* OnlyRule(const TVYXLogPara& para)
    {
        const TVYXGraphicHorizLine* rule = nullptr;
        for (int r = 0; r < para.Count(); ++r) {
            const TVYXCharRun& run = *para.GetItems(r);
            if (run.Type_() == acrtGraphic && !rule)
                rule = dynamic_cast<const TVYXGraphicHorizLine*>(static_cast<const TVYXCharRunGraphic&>(run).Graphic.get());
            else if (run.Type_() != acrtText || !run.Text().empty())
                return nullptr;
        }
        return rule;
    }

    void Runs(TVYXLogPara& para)
    {
        TVYXHyperlink* openLink = nullptr;
        for (int r = 0; r < para.Count(); ++r) {
            TVYXCharRun& run = *para.GetItems(r);
            TVYXHyperlink* link = run.Type_() == acrtHyperlink ? static_cast<TVYXCharRunHyperlink&>(run).Hyperlink : nullptr;
            if (link != openLink) {
                if (openLink)
                    FOut += "</a>";
                openLink = link;
                if (link) {
                    std::u16string href = link->Type == ahtBookmark ? u"#" + link->Address : link->Address;
                    FOut += "<a href=\"" + Encode(UrlBlanks(href)) + "\">";
                }
            }
            Run(run);
        }
        if (openLink)
            FOut += "</a>";
    }

    void Span(const TVYXCharRun& run, std::u16string_view text)
    {
        const std::string cls = ClassFor("span", "cx", CharDecls(run));
        if (cls.empty()) {
            AppendEncoded(FOut, text);
            return;
        }
        FOut += "<span class=\"";
        FOut += cls;
        FOut += "\">";
        AppendEncoded(FOut, text);
        FOut += "</span>";
    }

    void Run(TVYXCharRun& run)
    {
        switch (run.Type_()) {
        case acrtText: case acrtHyperlink:
            if (!run.Text().empty())
                Span(run, run.Text());
            break;
        case acrtTab:
            FOut += "<span class=\"tab\">\t</span>";
            break;
        case acrtBreak:
            // The office suites' page break: browsers honour it when printing.
            FOut += static_cast<const TVYXCharRunBreak&>(run).BreakType == acrbtPageBreak
                        ? "<br style=\"page-break-before: always\">"
                        : "<br>";
            break;
        case acrtPicture:
            Picture(static_cast<TVYXCharRunPicture&>(run));
            break;
        case acrtGraphic:
            if (auto* picture = dynamic_cast<TVYXGraphicPicture*>(static_cast<TVYXCharRunGraphic&>(run).Graphic.get()))
                if (const TVYXPicture* data = picture->Picture()) {
                    const std::string_view bytes = data->OrigData();
                    WriteImage(std::string(bytes), data->OrigType,
                               " style=\"width: " + Pt(picture->Width) + "; height: " + Pt(picture->Height) + "\"");
                }
            break;
        case acrtFootnote: {
            auto& note = static_cast<TVYXCharRunFootnote&>(run);
            const bool endnote = note.IsEndnote;
            const int n = NoteNumber(note.Footnote, endnote);
            if (n > 0) {
                const std::string k = endnote ? "enote" : "fnote", num = std::to_string(n);
                FOut += "<a id=\"" + k + "Ref" + num + "\" href=\"#" + k + num + "\">[" + num + "]</a>";
            }
            break;
        }
        case acrtFootnoteRef:
            break;  // the note's own mark: the note's anchor is written instead
        case acrtLinked: {
            auto& linked = static_cast<TVYXCharRunLinked&>(run);
            if (linked.LinkedType == acrltBookmark && !linked.LinkedPrev)
                if (auto* mark = dynamic_cast<TVYXBookmark*>(linked.Field()))
                    if (!mark->Name.empty() && mark->Name[0] != u'_' && FIds.insert(mark->Name).second)
                        FOut += "<a id=\"" + Encode(mark->Name) + "\"></a>";
            break;
        }
        case acrtSimpleField: {
            std::u16string text = run.GetPlainText();
            if (!text.empty())
                Span(run, text);
            break;
        }
        default:
            break;
        }
    }

    void Picture(const TVYXCharRunPicture& run)
    {
        if (run.Origdata.empty()) {
            FOut += "<img src=\"\" alt=\"Missing picture\">";
            return;
        }
        // A picture run has its own size (the image's), so none is written: read back it
        // is a picture run again.
        WriteImage(std::string(reinterpret_cast<const char*>(run.Origdata.data()), run.Origdata.size()), run.OrigType,
                   "");
    }

    void WriteImage(std::string bytes, TVYXPictureType pictureType, const std::string& size)
    {
        if (bytes.empty()) {
            FOut += "<img src=\"\" alt=\"Missing picture\">";
            return;
        }
        FOut += "<img src=\"" + ImageSrc(std::move(bytes), pictureType) + "\" alt=\"\"" + size + ">";
    }

    // A picture's address: a data: URI, or the name of the file written next to the page.
    std::string ImageSrc(std::string bytes, TVYXPictureType pictureType)
    {
        const TPictureType type = PictureType(pictureType);
        if (FEmbed)
            return std::string("data:") + type.Mime + ";base64," + Base64(bytes);
        std::string src = "Pict" + std::to_string(FPictures.size() + 1) + "." + type.Extension;
        FPictures.emplace_back(src, std::move(bytes));
        return src;
    }

    // ---- Tables ----

    void Table(TVYXTable& table)
    {
        const TVYXTAPX& t = table.TAPX();
        const TVYXDocPropBorder* top = t.GetBorder(vytiBorderTop);
        const bool bordered = top && top->Style != stbNone && top->Style != stbNil;
        std::string width;
        if (t.GetWidthType() == atwtPercent && t.GetWidth() > 0)
            width = Num(t.GetWidth() * 100) + "%";
        else if (t.GetWidth() > 0)
            width = Pt(t.GetWidth());
        FOut += "<table";
        if (bordered)
            FOut += " border=\"1\" class=\"" + ClassFor("table", "tb", "border: " + BorderCss(top) + "; ") + "\"";
        if (!width.empty())
            FOut += " style=\"width: " + width + "\"";
        FOut += ">";
        FOut += cCRLF;
        bool head = false;
        for (int r = 0; r < table.Count(); ++r) {
            TVYXTableRow& row = *table.GetRows(r);
            const bool header = row.RptData && (r == 0 || head);
            if (header && !head)
                FOut += "<thead>", FOut += cCRLF;
            if (!header && head)
                FOut += "</thead>", FOut += cCRLF;
            head = header;
            // A row's height is its least: CSS heights of table rows are that too.
            FOut += row.Height > 0 ? "<tr style=\"height: " + Pt(row.Height) + "\">" : std::string("<tr>");
            FOut += cCRLF;
            for (int c = 0; c < row.Count(); ++c) {
                TVYXTableCell& cell = *row.GetCells(c);
                if (cell.GetMerged() && !cell.GetMergedRoot())
                    continue;  // covered by the rowspan of the cell above
                const std::string element = header ? "th" : "td";
                const std::string decls = CellDecls(cell);
                const std::string cls = ClassFor(element, "tx", decls);
                FOut += "<" + element;
                if (!cls.empty())
                    FOut += " class=\"" + cls + "\"";
                if (cell.GridSpan > 1)
                    FOut += " colspan=\"" + std::to_string(cell.GridSpan) + "\"";
                if (const int span = cell.CalcRowSpan(); span > 1)
                    FOut += " rowspan=\"" + std::to_string(span) + "\"";
                const TVYXTableCellProps& p = cell.Props();
                if (p.Width > 0)
                    FOut += " style=\"width: " +
                            (p.WidthType == atwtPercent ? Num(p.Width * 100) + "%" : Pt(p.Width)) + "\"";
                FOut += ">";
                FOut += cCRLF;
                Paras(cell.Paras());
                FOut += "</" + element + ">";
                FOut += cCRLF;
            }
            FOut += "</tr>";
            FOut += cCRLF;
        }
        if (head)
            FOut += "</thead>", FOut += cCRLF;
        FOut += "</table>";
        FOut += cCRLF;
    }

    // ---- Notes ----

    int NoteNumber(const TVYXFootnoteBaseItem* item, bool endnote)
    {
        if (!item)
            return 0;
        TVYXFootnotesList& list = endnote ? FDoc.EndnoteList() : FDoc.FootnoteList();
        for (int i = 0; i < list.Count(); ++i)
            if (list.GetItems(i) == item)
                return i + 1;
        return 0;
    }

    void Notes(bool endnote)
    {
        TVYXFootnotesList& list = endnote ? FDoc.EndnoteList() : FDoc.FootnoteList();
        if (list.Count() == 0)
            return;
        TVYXLogParas& paras = (endnote ? FDoc.Endnotes() : FDoc.Footnotes()).Paras();
        FOut += endnote ? "<div class=\"endnotes\">" : "<div class=\"footnotes\">";
        FOut += cCRLF;
        const std::string k = endnote ? "enote" : "fnote";
        for (int i = 0; i < list.Count(); ++i) {
            int first = -1, last = -1;
            if (!list.GetItems(i)->CalcLimits(first, last))
                continue;
            const std::string num = std::to_string(i + 1);
            FOut += "<p><a id=\"" + k + num + "\" href=\"#" + k + "Ref" + num + "\">[" + num + "]</a> ";
            for (int p = first; p <= last && p < paras.Count(); ++p) {
                if (TVYXLogPara* para = paras.ParaAtIndex(p)) {
                    if (p > first)
                        FOut += "<br>";
                    Runs(*para);
                }
            }
            FOut += "</p>";
            FOut += cCRLF;
        }
        FOut += "</div>";
        FOut += cCRLF;
    }

    TVYXLogDocEditor& FDoc;
    const TVYXCHP& FMasterCHP;
    const TVYXPAP& FMasterPAP;
    std::vector<std::pair<std::string, std::string>>& FPictures;
    bool FEmbed;
    std::string FOut;
    std::vector<std::string> FRules;
    std::map<std::string, std::unordered_map<std::string, std::string>> FClasses;  // by prefix, then declarations
    std::vector<TOpenList> FLists;
    std::set<std::u16string> FIds;
};

}  // namespace

std::string TVYXWriteHTML::SaveToString()
{
    FPictureFiles.clear();
    TWriter writer(FDoc, FPictureFiles, EmbedPictures);
    return writer.Run(Title.empty() ? "Document" : Title);
}

void TVYXWriteHTML::SaveToFile(const std::string& fileName)
{
    const std::string html = SaveToString();
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    for (const auto& [name, bytes] : FPictureFiles)
        VYXWriteFile((folder / name).string(), bytes);
    VYXWriteFile(fileName, html);
}
