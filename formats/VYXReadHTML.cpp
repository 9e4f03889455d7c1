// VYXReadHTML.cpp: the HTML walk that builds paragraphs, runs, lists and tables.
//
// Every element gets the formats of its parent (character and block formats are
// copied down the recursion, so leaving an element restores its parent's), then its
// own tag's defaults, then the cascaded CSS. Paragraphs are created lazily: a block
// element only ends the current paragraph, and the next text starts a new one, so
// whitespace between blocks never makes empty paragraphs. Whitespace is collapsed as
// browsers do; a space at the end of a paragraph is dropped.
//
// Not supported: floats and absolute positions (content stays in document order),
// picture sizes (the model's inline pictures keep their own), background images,
// counters and generated content, forms beyond their text.
#include "formats/VYXReadHTML.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
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

namespace {

constexpr int cMaxTableDepth = 16;           // deeper tables are read as their cells' text
constexpr std::size_t cMaxPictureBytes = 64u << 20;
constexpr int cMaxListLevel = 8;             // the model's last list level
constexpr int cMaxBookmarks = 10000;
constexpr std::size_t cMaxMsoLists = 4096;         // distinct office lists of a document
constexpr std::int64_t cMaxTableCells = 250'000;  // grid cells of all tables of a document
constexpr std::int64_t cTableGridFree = 2048;     // a grid this small is always a table
constexpr std::int64_t cMaxGridPerCell = 8;       // else at most this many grid cells per cell element
constexpr double cFontSizes[7] = {8, 10, 12, 13.5, 18, 24, 36};
constexpr double cHeadingSizes[6] = {24, 18, 13.5, 12, 10, 8};

struct TCharFmt {
    std::optional<bool> Bold, Italic, Strike, SmallCaps, AllCaps, RTL;
    std::optional<TVYXChpUnderline> Underline;
    std::optional<TVYXChpSubSuperscript> SubSup;
    std::optional<double> Size;
    std::optional<std::u16string> Font;
    std::optional<TVYXColor> Color, Fill;
    std::optional<TVYXHighlighColor> Highlight;
    bool operator==(const TCharFmt&) const = default;
};

struct TBlockFmt {
    std::optional<TVYXPapTextAlign> Align;
    double IndentLeft = 0, IndentRight = 0;
    std::optional<double> FirstLine, Hanging, SpaceBefore, SpaceAfter, LineSpacing, LineExact;
    std::optional<TVYXColor> Shade;
    int Heading = 0;  // 1..6
    bool Pre = false;
    bool NoWrap = false;     // white-space: nowrap or pre: lines are not wrapped
    bool RTL = false;        // the paragraph runs right to left
    bool KeepNext = false;   // page-break-after: avoid
    bool KeepLines = false;  // page-break-inside: avoid
    bool LineExactly = false;  // a length line height is exact, not a minimum (mso-line-height-rule)
    bool Hidden = false;
    // Left, top, right, bottom: width (points), style and colour of a paragraph border.
    struct TBorder {
        double Width = 0;
        TST_Border Style = stbNone;
        TVYXColor Color = 0;
    };
    std::optional<TBorder> Borders[4];
};

struct TListCtx {
    int Slot = -1;       // this list's entry in the reader's list table
    int OuterSlot = -1;  // the enclosing list's, -1 at the outermost
    bool Bullet = true;
    TVYXNumberingStyleType Style = anstDecimal;
    bool NoMarker = false;  // list-style-type: none
    bool Inside = false;    // list-style-position: inside (inherited by nested lists)
    std::u16string Image;   // list-style-image's address, "" for none (inherited)
    int Level = -1;         // -1 outside lists
    double Indent = 0;      // the indent of the block the outermost list stands in
};

// A paragraph list being filled: the body or a cell.
struct TTarget {
    TVYXLogParas* Paras = nullptr;
    TVYXLogPara* Unused = nullptr;  // an empty paragraph the list already has, taken by the next one
    bool Body = false;
};

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

bool IsWs(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

std::u16string TrimWs(std::u16string_view s)
{
    while (!s.empty() && IsWs(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsWs(s.back()))
        s.remove_suffix(1);
    return std::u16string(s);
}

std::string Ascii(std::u16string_view s) { return AsciiLower(U8(s)); }

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

std::string PercentDecode(std::string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
            out += static_cast<char>(std::stoi(std::string(s.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else
            out += s[i];
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

TST_Border BorderStyle(std::string_view v)
{
    if (v == "none" || v == "hidden")
        return stbNone;
    if (v == "double")
        return stbDouble;
    if (v == "dotted")
        return stbDotted;
    if (v == "dashed")
        return stbDashed;
    if (v == "inset")
        return stbInset;
    if (v == "outset")
        return stbOutset;
    return stbSingle;
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

class TReader {
public:
    TReader(TVYXLogDocEditor& doc, const TVyCSS& baseCss, const TVYXReadHTML& options)
        : FDoc(doc), FOptions(options), FCss(baseCss)
    {
    }

    void Run(std::string_view bytes)
    {
        FDom.LoadFromBytes(bytes);
        ReadHead();
        TTarget body{&FDoc.Paras(), nullptr, true};
        if (FDoc.Paras().Count() == 1)
            if (TVYXLogPara* p = FDoc.Paras().ParaAtIndex(0); p && p->Empty())
                body.Unused = p;
        FTargets.push_back(body);
        FDefaultSize = FDoc.GetMasterCHP().Size > 0 ? FDoc.GetMasterCHP().Size : 12;
        TVYXHtmlNode* start = FDom.Find(vytBODY);
        if (!start)
            start = &FDom.Root();
        TCharFmt chars;
        TBlockFmt block;
        TListCtx list;
        if (start->Tag == vytBODY) {
            // The body's own rules (a default font, colours) are where the cascade starts.
            TVyCSSProperties css;
            FCss.Collect(*start, css);
            ApplyCharCSS(css, chars, block, false);
            chars.Fill.reset();
            if (css.Get(vycpDIRECTION) == "rtl")
                block.RTL = true;
        }
        // A page written right to left says so on its root or body.
        for (const TVYXHtmlNode* n = start; n; n = n->Parent())
            if (const std::u16string* dir = n->FindAttribute("dir")) {
                if (Ascii(*dir) == "rtl")
                    block.RTL = true, chars.RTL = true;
                break;
            }
        Children(*start, chars, block, list);
        EndPara();
        // A document without content still has its one empty paragraph for the caret.
        if (FDoc.Paras().Count() == 0)
            FDoc.AppendPara();
    }

private:
    // ---- Head: style sheets, base ----

    void ReadHead()
    {
        std::vector<const TVYXHtmlNode*> stack{&FDom.Root()};
        while (!stack.empty()) {
            const TVYXHtmlNode* n = stack.back();
            stack.pop_back();
            if (n->Tag == vytSTYLE && MediaApplies(n->Attribute("media")))
                FCss.Parse(n->InnerText());
            else if (n->Tag == vytLINK && Ascii(n->Attribute("rel")).find("stylesheet") != std::string::npos &&
                     MediaApplies(n->Attribute("media"))) {
                if (std::optional<std::string> path = LocalFile(n->Attribute("href"))) {
                    try {
                        std::string css = VYXReadFile(*path);
                        if (css.size() < cMaxPictureBytes)
                            FCss.Parse(std::string_view(css));
                    } catch (const VYXException&) {
                        // a sheet that cannot be read changes nothing
                    }
                }
            } else if (n->Tag == vytBASE && n->HasAttribute("href") && FBase.empty())
                FBase = U8(n->Attribute("href"));
            else if (n->Tag == vytA && n->Parent() && NoteNumber(n->Attribute("id"), false) > 0)
                FNoteTargets.emplace(n->Attribute("id"), n);
            for (int i = n->ChildCount() - 1; i >= 0; --i)
                stack.push_back(&n->Child(i));
        }
    }

    // N of "fnoteN" / "enoteN" (with `ref`: "fnoteRefN" / "enoteRefN"); 0 for other names.
    static int NoteNumber(const std::u16string& id, bool ref)
    {
        const std::u16string_view prefixes[2] = {ref ? u"fnoteRef" : u"fnote", ref ? u"enoteRef" : u"enote"};
        for (std::u16string_view prefix : prefixes)
            if (id.size() > prefix.size() && id.size() < prefix.size() + 7 && id.compare(0, prefix.size(), prefix) == 0 &&
                std::all_of(id.begin() + static_cast<std::ptrdiff_t>(prefix.size()), id.end(),
                            [](char16_t c) { return c >= u'0' && c <= u'9'; }))
                return std::stoi(U8(id.substr(prefix.size())));
        return 0;
    }

    // A note reference as the writer makes it ("<a id=fnoteRef1 href=#fnote1>[1]</a>",
    // the note's text in the block holding "<a id=fnote1>"): the note is made again
    // and its block is left out of the body. False when `node` is no such reference.
    bool NoteReference(const TVYXHtmlNode& node, const TBlockFmt& b)
    {
        const std::u16string id = node.Attribute("id"), href = node.Attribute("href");
        if (FTargets.size() != 1 || href.size() < 2 || href[0] != u'#' || NoteNumber(id, true) == 0)
            return false;
        auto it = FNoteTargets.find(href.substr(1));
        if (it == FNoteTargets.end() || NoteNumber(href.substr(1), false) != NoteNumber(id, true))
            return false;
        const TVYXHtmlNode* block = it->second->Parent();
        std::u16string text;
        for (int i = 0; i < block->ChildCount(); ++i)
            if (&block->Child(i) != it->second)
                text += block->Child(i).InnerText();
        EnsurePara(b);
        if (href[1] == u'e')
            FDoc.AppendEndnote(TrimWs(text));
        else
            FDoc.AppendFootnote(TrimWs(text));
        FSkip.insert(block);
        FLastRun = nullptr;
        FParaHasText = true;
        return true;
    }

    static bool MediaApplies(const std::u16string& media)
    {
        std::string m = Ascii(media);
        return m.empty() || m.find("all") != std::string::npos || m.find("screen") != std::string::npos;
    }

    // The file a reference names on disk (relative to the base URL, else to the
    // document's folder); nullopt for remote references and names that do not exist.
    std::optional<std::string> LocalFile(const std::u16string& ref) const
    {
        std::string r = U8(TrimWs(ref));
        if (r.empty() || r.size() > 4096)
            return std::nullopt;
        r = r.substr(0, r.find_first_of("?#"));
        std::string lower = AsciiLower(r);
        if (lower.rfind("file://", 0) == 0)
            r = r.substr(7);
        else if (lower.find("://") != std::string::npos || lower.rfind("data:", 0) == 0 || lower.rfind("//", 0) == 0)
            return std::nullopt;
        r = PercentDecode(r);
        std::error_code ec;
        std::vector<std::filesystem::path> candidates;
        std::filesystem::path p(r);
        if (p.is_absolute())
            candidates.push_back(p);
        else {
            std::string base = FBase;
            if (AsciiLower(base).rfind("file://", 0) == 0)
                candidates.push_back(std::filesystem::path(PercentDecode(base.substr(7))).parent_path() / p);
            if (!FOptions.BaseFolder.empty())
                candidates.push_back(std::filesystem::path(FOptions.BaseFolder) / p);
        }
        for (const auto& c : candidates)
            if (std::filesystem::is_regular_file(c, ec))
                return c.string();
        return std::nullopt;
    }

    // ---- Building ----

    TTarget& Target() { return FTargets.back(); }

    void FillPAPX(const TBlockFmt& b, TVYXPAPX& papx) const
    {
        if (b.Align)
            papx.SetAlignment(*b.Align);
        if (b.IndentLeft != 0)
            papx.SetIndentLeft(b.IndentLeft);
        if (b.IndentRight != 0)
            papx.SetIndentRight(b.IndentRight);
        if (b.FirstLine)
            papx.SetIndentFirstLine(*b.FirstLine);
        if (b.Hanging)
            papx.SetIndentHanging(*b.Hanging);
        if (b.SpaceBefore)
            papx.SetSpaceBefore(*b.SpaceBefore);
        if (b.SpaceAfter)
            papx.SetSpaceAfter(*b.SpaceAfter);
        if (b.LineSpacing) {
            papx.SetLineSpacingType(aplstMultiple);
            papx.SetLineSpacing(*b.LineSpacing);
        } else if (b.LineExact) {
            papx.SetLineSpacingType(b.LineExactly ? aplstExactly : aplstAtLeast);
            papx.SetLineSpacing(*b.LineExact);
        }
        if (b.Shade)
            papx.SetColor(*b.Shade);
        if (b.NoWrap)
            papx.SetNoWrap(true);
        if (b.KeepNext)
            papx.SetKeepNext(true);
        if (b.KeepLines)
            papx.SetKeepLines(true);
    }

    TVYXLogPara& NewPara(const TBlockFmt& b)
    {
        EndPara();
        TTarget& t = Target();
        TVYXPAPX papx(&FDoc.GetMasterPAP());
        FillPAPX(b, papx);
        TVYXLogPara* para;
        if (t.Unused) {
            para = t.Unused;
            t.Unused = nullptr;
            para->AddPAPX(papx);
        } else if (t.Body)
            para = &FDoc.AppendPara(papx);
        else
            para = t.Paras->AppendPara(papx);
        if (b.Heading > 0)
            UseHeading(*para, b.Heading);
        para->PAPX().RTL = b.RTL;
        if (FPendingPageBreak && t.Body) {
            // A break before this paragraph that found no paragraph to end.
            para->AppendBreak(acrbtPageBreak);
            FLastRun = nullptr;
        }
        FPendingPageBreak = false;
        for (int i = 0; i < 4; ++i)
            if (b.Borders[i])
                SetBorder(*para, i, *b.Borders[i]);
        for (TFrame& frame : FFrames)
            if (frame.Paras == t.Paras)
                frame.Items.push_back(para);
        FPara = para;
        FParaHasText = false;
        FPendingSpace = false;
        return *para;
    }

    static void SetBorder(TVYXLogPara& para, int side, const TBlockFmt::TBorder& border)
    {
        if (border.Style == stbNone)
            return;
        TVYXPAPX& x = para.PAPX();
        TVYXDocPropBorder* target = side == 0 ? x.AddBorderLeft() : side == 1 ? x.AddBorderTop()
                                    : side == 2 ? x.AddBorderRight() : x.AddBorderBottom();
        target->SetVals(border.Width, border.Color, border.Style, 0);
    }

    void UseHeading(TVYXLogPara& para, int level)
    {
        std::u16string id = u"Heading" + std::u16string(1, static_cast<char16_t>(u'0' + level));
        TVYXStyles& styles = FDoc.Styles();
        if (!styles.Find(id)) {
            // The default sheet has the first three levels; the others are made alike.
            TVYXParaStyle* style = styles.AddPara(id, u"heading " + std::u16string(1, static_cast<char16_t>(u'0' + level)));
            if (style) {
                style->BasedOn = styles.Find(u"Normal");
                style->PAPX().SetOutlineLevel(level - 1);
                style->PAPX().SetKeepNext(true);
            }
        }
        para.UseStyle(id);
    }

    // A list paragraph in the current target: it continues the list of the previous
    // list paragraph of the same kind, as the editor's own list appends do.
    TVYXLogPara& NewListPara(const TBlockFmt& b, const TListCtx& list)
    {
        if (list.NoMarker) {
            TBlockFmt indented = b;
            indented.IndentLeft += 18 * (list.Level + 1);
            return NewPara(indented);
        }
        EndPara();
        // The items of one list element share one list, so numbering goes on after a
        // nested list; a nested list of the same kind joins its outer list at the next
        // level, any other starts a list of its own.
        TVYXNumbering* previous = list.Slot >= 0 ? FListSlots[static_cast<std::size_t>(list.Slot)] : nullptr;
        if (!previous && list.OuterSlot >= 0)
            if (TVYXNumbering* outer = FListSlots[static_cast<std::size_t>(list.OuterSlot)])
                if ((outer->Style == anstBullet) == list.Bullet && (list.Bullet || outer->Style == list.Style))
                    previous = outer;
        TVYXLogPara& para = NewPara(b);
        if (previous) {
            TVYXPAPX papx(&FDoc.GetMasterPAP());
            papx.AddObject(vypiNumbering, previous);
            para.AddPAPX(papx);
        } else if (list.Bullet)
            para.BeginBullet();
        else
            para.BeginNumbering(list.Style);
        para.MakeNumbering(std::clamp(list.Level, 0, cMaxListLevel));
        // A list inside an indented block (a quotation, a margin of its own) stands that
        // much further in than its levels put it. The levels' indents win over a
        // paragraph's own, so the list's levels move, once each.
        if (std::abs(list.Indent) > 0.001)
            if (TVYXNumbering* level = para.PAPX().GetNumbering(); level && FShiftedLevels.insert(level).second)
                level->PAPX().SetIndentLeft(
                    std::clamp(level->PAPX().GetIndentLeft() + list.Indent, 0.0, FDoc.Width()));
        if (list.Slot >= 0 && !FListSlots[static_cast<std::size_t>(list.Slot)])
            FListSlots[static_cast<std::size_t>(list.Slot)] = para.PAPX().GetNumbering();
        if (TVYXNumbering* level = para.PAPX().GetNumbering(); level && FMarkedLevels.insert(level).second)
            MarkLevel(*level, list);
        return para;
    }

    // The marker's place and picture of a list level, set by its first paragraph.
    // "inside" puts the marker at the list's indent with the text after it and the
    // lines below under the marker (no hanging indent); "outside" keeps the hanging
    // marker. A list-style-image bullet becomes the level's picture bullet; a number
    // list, a picture that does not load or one over the size limit keep the plain
    // marker, as browsers show it.
    void MarkLevel(TVYXNumbering& level, const TListCtx& list)
    {
        if (list.Inside) {
            level.PAPX().SetIndentHanging(0);
            level.PAPX().SetIndentFirstLine(0);
        }
        if (!list.Bullet || list.Image.empty())
            return;
        const std::string bytes = PictureBytes(list.Image);
        if (bytes.empty())
            return;
        try {
            TVYXMemoryStream stream = TVYXMemoryStream::View(bytes);
            std::unique_ptr<TVYXPicture> picture = TVYXPictures::CreateFromMagicNumber(stream);
            if (!picture)
                return;
            picture->LoadFromStream(stream);
            level.AddPicture(*picture);
        } catch (const VYXException&) {
            level.Picture.reset();
        }
    }

    TVYXLogPara& EnsurePara(const TBlockFmt& b)
    {
        return FPara ? *FPara : NewPara(b);
    }

    void EndPara()
    {
        // A new paragraph starts with an empty run in the format of the one before;
        // combining drops it once the paragraph has its own runs.
        if (FPara && FPara->Count() > 1)
            FPara->CombineCharRuns();
        FPara = nullptr;
        FLastRun = nullptr;  // combining may have freed it
        FPendingSpace = false;
    }

    const TVYXCHPX* CurrentCHPX(const TCharFmt& f)
    {
        if (FChpx && FChpxFmt == f)
            return FChpx.get();
        FChpx = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
        FChpxFmt = f;
        TVYXCHPX& x = *FChpx;
        if (f.Bold)
            x.SetBold(*f.Bold);
        if (f.Italic)
            x.SetItalic(*f.Italic);
        if (f.Strike)
            x.SetStrikeThrough(*f.Strike);
        if (f.SmallCaps)
            x.SetSmallCaps(*f.SmallCaps);
        if (f.AllCaps)
            x.SetAllCaps(*f.AllCaps);
        if (f.RTL)
            x.SetRTL(*f.RTL);
        if (f.Underline)
            x.SetUnderline(*f.Underline);
        if (f.SubSup)
            x.SetSubSuperscript(*f.SubSup);
        if (f.Size)
            x.SetSize(*f.Size);
        if (f.Font)
            x.SetFontName(*f.Font);
        if (f.Color)
            x.SetColor(*f.Color);
        if (f.Fill)
            x.SetFillColor(*f.Fill);
        if (f.Highlight)
            x.SetHighlightColor(*f.Highlight);
        x.AfterChanged();
        return FChpx.get();
    }

    void AppendRaw(std::u16string_view text, const TCharFmt& f, const TBlockFmt& b)
    {
        if (text.empty())
            return;
        TVYXLogPara& para = EnsurePara(b);
        const TVYXCHPX* chpx = CurrentCHPX(f);
        TVYXCharRun* last = para.CRLast();
        if (last && last == FLastRun && FLastRunFmt == f && last->Type_() == acrtText)
            para.AppendTextUncond(text);
        else
            FLastRun = para.AppendFormattedText(text, chpx), FLastRunFmt = f;
        FParaHasText = true;
    }

    void Text(std::u16string_view raw, const TCharFmt& f, const TBlockFmt& b)
    {
        if (b.Hidden)
            return;
        if (b.Pre) {
            // Preformatted: line feeds are line breaks, everything else is kept.
            if (!raw.empty())
                FlushSpace(b);
            FPendingSpace = false;
            std::size_t start = 0;
            for (std::size_t i = 0; i <= raw.size(); ++i) {
                if (i < raw.size() && raw[i] != u'\n')
                    continue;
                std::u16string line(raw.substr(start, i - start));
                line.erase(std::remove(line.begin(), line.end(), u'\r'), line.end());
                // Tabs are tab runs, so they align to the paragraph's stops.
                std::size_t from = 0;
                for (std::size_t tab = line.find(u'\t'); tab != std::u16string::npos; tab = line.find(u'\t', from)) {
                    AppendRaw(std::u16string_view(line).substr(from, tab - from), f, b);
                    EnsurePara(b).AppendTab();
                    FLastRun = nullptr;
                    FParaHasText = true;
                    from = tab + 1;
                }
                AppendRaw(std::u16string_view(line).substr(from), f, b);
                if (i < raw.size()) {
                    EnsurePara(b).AppendBreak(acrbtLineBreak);
                    FLastRun = nullptr;
                }
                start = i + 1;
            }
            return;
        }
        std::u16string collapsed;
        collapsed.reserve(raw.size());
        bool space = false, lead = false;
        for (char16_t c : raw) {
            if (IsWs(c)) {
                space = true;
                continue;
            }
            if (collapsed.empty())
                lead = (space || FPendingSpace) && FPara && FParaHasText;
            else if (space)
                collapsed += u' ';
            space = false;
            collapsed += c;
        }
        if (collapsed.empty()) {
            if (space && FPara && FParaHasText && !FPendingSpace)
                FPendingSpace = true, FPendingFmt = f;
            return;
        }
        if (lead && FPendingSpace)
            FlushSpace(b);
        else if (lead)
            collapsed.insert(collapsed.begin(), u' ');
        FPendingSpace = false;
        AppendRaw(collapsed, f, b);
        if (space)
            FPendingSpace = true, FPendingFmt = f;
    }

    // Writes a pending blank in the format of the text it was written in: collapsed
    // blanks keep the first one, as browsers draw it (a link or a bold word after it
    // does not start with it).
    void FlushSpace(const TBlockFmt& b)
    {
        if (!FPendingSpace || !FPara || !FParaHasText)
            return;
        FPendingSpace = false;
        AppendRaw(u" ", FPendingFmt, b);
    }

    // ---- Elements ----

    // The index of the "[endif]" marker that closes a list label opened at child
    // `from` of `node`; -1 when it does not close among the siblings.
    static int ListLabelEnd(const TVYXHtmlNode& node, int from)
    {
        for (int k = from + 1; k < node.ChildCount(); ++k)
            if (node.Child(k).Tag == vytCOMMENT)
                return node.Child(k).Text == u"[endif]" ? k : -1;
        return -1;
    }

    static bool IsListLabelStart(const TVYXHtmlNode& c)
    {
        return c.Tag == vytCOMMENT && c.Text == u"[if !supportLists]";
    }

    // Marked by its style as a label an office suite wrote (mso-list: Ignore).
    static bool IsIgnoredLabel(const TVYXHtmlNode& c)
    {
        const std::u16string* style = c.FindAttribute("style");
        if (!style || style->size() > 4096 || style->find(u"mso-list") == std::u16string::npos)
            return false;  // the common case, without converting the text
        std::string s = Ascii(*style);
        s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
        return s.find("mso-list:ignore") != std::string::npos;
    }

    // The text of a list paragraph's label, found as the reader skips it.
    static std::u16string ListLabelText(const TVYXHtmlNode& node, int depth = 0)
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

    void Children(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& b, const TListCtx& list)
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

    void ApplyCharCSS(const TVyCSSProperties& css, TCharFmt& f, TBlockFmt& b, bool block)
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

    void ApplyBlockCSS(const TVyCSSProperties& css, TBlockFmt& b, const TCharFmt& f)
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
    void BlockBorders(const TVyCSSProperties& css, TBlockFmt& b, double em) const
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

    TListCtx ListFrom(const TVYXHtmlNode& node, const TVyCSSProperties& css, const TListCtx& outer, double indent)
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

    void Element(const TVYXHtmlNode& node, const TCharFmt& parentChars, const TBlockFmt& parentBlock,
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
    void PageBreak()
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

    void ElementContent(const TVYXHtmlNode& node, const TCharFmt& parentChars, const TBlockFmt& parentBlock,
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
    TListCtx MsoList(const std::string& key, int level, const TVYXHtmlNode& node, double indent)
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
    void ItemChildren(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& inner, const TListCtx& list)
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

    static bool Is(TVYXHTagId t, std::initializer_list<TVYXHTagId> set)
    {
        return std::find(set.begin(), set.end(), t) != set.end();
    }

    void FontElement(const TVYXHtmlNode& node, TCharFmt& f)
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

    void Bookmark(const std::u16string& name, const TBlockFmt& b)
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
    std::string PictureBytes(const std::u16string& src)
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

    void Picture(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& b)
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
    std::optional<double> LimitLength(const TVyCSSProperties& css, TVyCSSProp prop, double whole, double em) const
    {
        std::optional<TVyCSSLength> len = VyCSSParseLength(css.Get(prop));
        if (!len || len->Value <= 0)
            return std::nullopt;
        return std::clamp(CSSGetPtSizeByUnit(len->Value, len->Unit, len->Unit == vycuPercent ? whole : em,
                                             FOptions.PixelsPerInch), 1.0, 1584.0 * 4);
    }

    // max-width, min-width, max-height and min-height on a picture's size; a side the
    // document did not give follows the other, keeping the picture's proportions.
    void LimitPictureSize(const TVyCSSProperties& css, double& w, double& h, bool heightFollows, bool widthFollows) const
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
    std::optional<double> PictureLength(const TVYXHtmlNode& node, const TVyCSSProperties& css, const char* attr,
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

    // ---- Tables ----

    struct TCellInfo {
        const TVYXHtmlNode* Node = nullptr;
        int Row = 0, Col = 0, ColSpan = 1, RowSpan = 1;
        TVyCSSProperties Css;  // cascaded once, used for widths and the cell's formats
        bool Stray = false;    // content outside any cell, added to the cell before it
    };

    static int SpanAttr(const TVYXHtmlNode& node, const char* name, int max)
    {
        std::string v = U8(TrimWs(node.Attribute(name)));
        int n = 1;
        try {
            n = v.empty() ? 1 : std::stoi(v);
        } catch (...) {
            n = 1;
        }
        return std::clamp(n, 1, max);
    }

    // Content standing where only rows may stand: browsers move it before the table,
    // text extractions keep it in place; it goes with the cell before it (or before
    // the table), so the text keeps its order.
    static bool IsStray(const TVYXHtmlNode& c)
    {
        if (c.Tag == vytTEXT)
            return !std::all_of(c.Text.begin(), c.Text.end(), IsWs);
        return !Is(c.Tag, {vytTR, vytTD, vytTH, vytTBODY, vytTHEAD, vytTFOOT, vytCAPTION, vytCOLGROUP, vytCOL, vytSCRIPT,
                           vytSTYLE, vytTEMPLATE, vytFORM, vytUNKNOWN, vytCOMMENT});
    }

    void CollectRows(const TVYXHtmlNode& node, std::vector<const TVYXHtmlNode*>& rows, bool& headerRows,
                     std::vector<bool>& header, std::vector<std::pair<std::size_t, const TVYXHtmlNode*>>& strays)
    {
        for (int i = 0; i < node.ChildCount(); ++i) {
            const TVYXHtmlNode& c = node.Child(i);
            if (IsStray(c)) {
                strays.emplace_back(rows.size(), &c);
                continue;
            }
            if (c.Tag == vytTR) {
                if (rows.size() < static_cast<std::size_t>(cVYXMaxTableRows)) {
                    rows.push_back(&c);
                    header.push_back(headerRows);
                }
            } else if (Is(c.Tag, {vytTBODY, vytTHEAD, vytTFOOT})) {
                bool saved = headerRows;
                headerRows = c.Tag == vytTHEAD;
                CollectRows(c, rows, headerRows, header, strays);
                headerRows = saved;
            } else if (c.Tag == vytFORM || c.Tag == vytUNKNOWN)
                CollectRows(c, rows, headerRows, header, strays);  // rows wrapped in stray elements
        }
    }

    void Table(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& b, const TListCtx& list,
               const TVyCSSProperties& tableCss)
    {
        std::vector<const TVYXHtmlNode*> rows;
        std::vector<bool> headerRow;
        std::vector<std::pair<std::size_t, const TVYXHtmlNode*>> strays;  // (rows before it, node)
        bool inHead = false;
        CollectRows(node, rows, inHead, headerRow, strays);
        if (rows.empty()) {
            EndPara();
            Children(node, f, b, list);
            EndPara();
            return;
        }
        // Caption: a paragraph before the table.
        for (int i = 0; i < node.ChildCount(); ++i)
            if (node.Child(i).Tag == vytCAPTION) {
                EndPara();
                TBlockFmt cb = b;
                cb.Align = vyptaCenter;
                Children(node.Child(i), f, cb, list);
                EndPara();
            }
        // Lay the cells out on a grid, row spans reserving places in the rows below.
        std::vector<TCellInfo> cells;
        std::vector<const TVYXHtmlNode*> before;  // strays ahead of every cell
        auto stray = [&](const TVYXHtmlNode& c) {
            if (cells.empty())
                before.push_back(&c);
            else
                cells.push_back({&c, cells.back().Row, cells.back().Col, 0, 0, {}, true});
        };
        std::vector<std::vector<bool>> taken(rows.size());
        std::size_t nextStray = 0;
        int cols = 1;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (; nextStray < strays.size() && strays[nextStray].first <= r; ++nextStray)
                stray(*strays[nextStray].second);
            int col = 0;
            for (int i = 0; i < rows[r]->ChildCount(); ++i) {
                const TVYXHtmlNode& c = rows[r]->Child(i);
                if (c.Tag != vytTD && c.Tag != vytTH) {
                    if (IsStray(c))
                        stray(c);
                    continue;
                }
                TVyCSSProperties css;
                FCss.Collect(c, css);
                if (css.Get(vycpDISPLAY) == "none")
                    continue;
                while (col < static_cast<int>(taken[r].size()) && taken[r][static_cast<std::size_t>(col)])
                    ++col;
                if (col >= cVYXMaxTableCols) {
                    // Cells past the model's widest row join the last cell.
                    if (!cells.empty() && cells.back().Row == static_cast<int>(r))
                        cells.push_back({&c, cells.back().Row, cells.back().Col, 0, 0, std::move(css)});
                    continue;
                }
                TCellInfo info{&c, static_cast<int>(r), col, SpanAttr(c, "colspan", cVYXMaxTableCols - col),
                               SpanAttr(c, "rowspan", static_cast<int>(rows.size() - r)), std::move(css)};
                for (int rr = 0; rr < info.RowSpan; ++rr) {
                    auto& line = taken[r + static_cast<std::size_t>(rr)];
                    if (line.size() < static_cast<std::size_t>(col + info.ColSpan))
                        line.resize(static_cast<std::size_t>(col + info.ColSpan), false);
                    for (int cc = 0; cc < info.ColSpan; ++cc)
                        line[static_cast<std::size_t>(col + cc)] = true;
                }
                col += info.ColSpan;
                cols = std::max(cols, col);
                cells.push_back(std::move(info));
            }
        }
        for (; nextStray < strays.size(); ++nextStray)
            stray(*strays[nextStray].second);
        // Spans make grid cells that no element stands for, and every cell of the grid
        // costs a cell of the model: a table whose grid is many times the cells it
        // declares (a few bytes of "rowspan" and "colspan" asking for thousands), or
        // one past the document's budget, is read as its cells' text.
        const std::int64_t grid = static_cast<std::int64_t>(rows.size()) * cols;
        const std::int64_t declared = std::count_if(cells.begin(), cells.end(), [](const TCellInfo& c) { return !c.Stray; });
        if ((grid > cTableGridFree && grid > cMaxGridPerCell * declared) || grid > FCellBudget) {
            EndPara();
            Children(node, f, b, list);
            EndPara();
            return;
        }
        FCellBudget -= grid;
        EndPara();
        for (const TVYXHtmlNode* n : before) {
            if (n->Tag == vytTEXT)
                Text(n->Text, f, b);
            else
                Element(*n, f, b, list);
        }
        EndPara();
        // By index: filling the cells pushes targets, which may move the vector.
        const std::size_t outerIndex = FTargets.size() - 1;
        TTarget& outer = FTargets[outerIndex];
        const int nrows = static_cast<int>(rows.size());
        TVYXTable* table;
        if (outer.Body) {
            outer.Unused = nullptr;  // an empty paragraph before the table stays: the caret may be on it
            table = &FDoc.AppendTableUI(cols, nrows);
        } else {
            if (outer.Unused) {
                outer.Paras->Delete(outer.Unused->Index());
                outer.Unused = nullptr;
            }
            table = outer.Paras->AddTable(cols, nrows);
        }
        if (!table)
            return;
        // The table's width: its attribute or CSS, else the place it stands in.
        double avail = outer.Body ? FDoc.Width() : AvailableWidth(outer);
        double tableWidth = avail;
        std::optional<double> tablePercent;
        if (std::optional<TVyCSSLength> w = WidthOf(node, tableCss)) {
            if (w->Unit == vycuPercent)
                tablePercent = std::clamp(w->Value, 1.0, 100.0), tableWidth = avail * *tablePercent / 100;
            else
                tableWidth = std::clamp(CSSGetPtSizeByUnit(w->Value, w->Unit, f.Size.value_or(FDefaultSize), FOptions.PixelsPerInch), 10.0,
                                        avail * 4);
        }
        if (auto m = LimitLength(tableCss, vycpMAX_WIDTH, avail, FDefaultSize); m && tableWidth > *m)
            tableWidth = *m, tablePercent.reset();
        if (auto m = LimitLength(tableCss, vycpMIN_WIDTH, avail, FDefaultSize); m && tableWidth < *m)
            tableWidth = *m, tablePercent.reset();
        if (tablePercent)
            table->SetWidthPercent(*tablePercent);
        else
            table->SetWidth(tableWidth);
        TableBorders(*table, node, tableCss);

        // Column widths from single-column cells with a width.
        std::vector<double> colWidth(static_cast<std::size_t>(cols), -1);
        for (const TCellInfo& c : cells) {
            if (c.ColSpan != 1 || !c.Node)
                continue;
            if (std::optional<TVyCSSLength> w = WidthOf(*c.Node, c.Css)) {
                double pt = w->Unit == vycuPercent ? tableWidth * std::clamp(w->Value, 0.0, 100.0) / 100
                                                   : CSSGetPtSizeByUnit(w->Value, w->Unit, f.Size.value_or(FDefaultSize), FOptions.PixelsPerInch);
                if (pt > 0 && colWidth[static_cast<std::size_t>(c.Col)] < 0)
                    colWidth[static_cast<std::size_t>(c.Col)] = std::min(pt, tableWidth * 4);
            }
        }
        // A cell's min-width widens its column, its max-width narrows one with a width.
        for (const TCellInfo& c : cells) {
            if (c.ColSpan != 1 || !c.Node)
                continue;
            double& w = colWidth[static_cast<std::size_t>(c.Col)];
            if (auto m = LimitLength(c.Css, vycpMIN_WIDTH, tableWidth, FDefaultSize); m && w < *m)
                w = std::min(*m, tableWidth);
            if (auto m = LimitLength(c.Css, vycpMAX_WIDTH, tableWidth, FDefaultSize); m && w > *m)
                w = *m;
        }
        double fixed = 0;
        int open = 0;
        for (double w : colWidth)
            w >= 0 ? fixed += w : ++open;
        const double share = open ? std::max(tableWidth - fixed, 12.0 * open) / open : 0;
        for (int r = 0; r < nrows; ++r)
            for (int c = 0; c < cols; ++c)
                if (TVYXTableCell* cell = table->GetRows(r)->CellN(c)) {
                    double w = colWidth[static_cast<std::size_t>(c)];
                    cell->SetWidth(w >= 0 ? w : share);
                    cell->Props().WidthType = atwtPoints;
                }
        for (int r = 0; r < nrows; ++r)
            if (headerRow[static_cast<std::size_t>(r)] || AllHeaderCells(*rows[static_cast<std::size_t>(r)]))
                table->GetRows(r)->RptData = r == 0 || table->GetRows(r - 1)->RptData;

        // Row heights: a row's or a single-row cell's height or min-height is the row's
        // least height (cells grow with their content, as in a browser).
        for (int r = 0; r < nrows; ++r) {
            TVyCSSProperties rowCss;
            FCss.Collect(*rows[static_cast<std::size_t>(r)], rowCss);
            double least = RowHeight(*rows[static_cast<std::size_t>(r)], rowCss);
            for (const TCellInfo& c : cells)
                if (c.Row == r && c.RowSpan == 1 && c.ColSpan > 0 && c.Node && !c.Stray)
                    least = std::max(least, RowHeight(*c.Node, c.Css));
            if (least > 0)
                table->GetRows(r)->Height = least;
        }
        // Fill the cells, then merge the spans from the right so indexes stay valid.
        for (const TCellInfo& c : cells) {
            TVYXTableCell* cell = table->GetRows(c.Row)->CellN(c.Col);
            if (!cell)
                continue;
            FillCell(*cell, *c.Node, c.Css, f, b, c.ColSpan > 0, c.Stray);
        }
        std::vector<const TCellInfo*> spans;
        for (const TCellInfo& c : cells)
            if (c.ColSpan > 1 || c.RowSpan > 1)
                spans.push_back(&c);
        std::stable_sort(spans.begin(), spans.end(), [](const TCellInfo* a, const TCellInfo* z) { return a->Col > z->Col; });
        for (const TCellInfo* c : spans)
            table->MergeCells(c->Col, c->Row, c->Col + c->ColSpan - 1, c->Row + c->RowSpan - 1);
        TTarget& after = FTargets[outerIndex];
        if (!after.Body) {
            // A cell cannot end with a table: an empty paragraph follows it.
            after.Unused = after.Paras->AppendPara();
        } else if (TVYXLogParaItem* last = after.Paras->Last(); last && last->IsPara())
            after.Unused = static_cast<TVYXLogPara*>(last);
        FPara = nullptr;
    }

    // The height a row or cell asks for (height, min-height, the height attribute); 0 for none.
    double RowHeight(const TVYXHtmlNode& node, const TVyCSSProperties& css) const
    {
        double least = 0;
        for (TVyCSSProp prop : {vycpHEIGHT, vycpMIN_HEIGHT})
            if (auto h = LimitLength(css, prop, 0, FDefaultSize))
                least = std::max(least, *h);
        if (least == 0 && node.HasAttribute("height"))
            if (std::optional<TVyCSSLength> len = VyCSSParseLength(U8(TrimWs(node.Attribute("height"))));
                len && len->Value > 0 && len->Unit != vycuPercent)
                least = std::clamp(CSSGetPtSizeByUnit(len->Value, len->Unit, FDefaultSize, FOptions.PixelsPerInch), 1.0,
                                   1584.0);
        return std::min(least, 1584.0);
    }

    static bool AllHeaderCells(const TVYXHtmlNode& row)
    {
        bool any = false;
        for (int i = 0; i < row.ChildCount(); ++i) {
            TVYXHTagId t = row.Child(i).Tag;
            if (t == vytTD)
                return false;
            any = any || t == vytTH;
        }
        return any;
    }

    double AvailableWidth(const TTarget& t) const
    {
        if (t.Paras && t.Paras->Cell())
            return std::max(t.Paras->Cell()->GetClientWidth(), 24.0);
        return FDoc.Width();
    }

    std::optional<TVyCSSLength> WidthOf(const TVYXHtmlNode& node, const TVyCSSProperties& css) const
    {
        std::string v = css.Get(vycpWIDTH);
        if (v.empty() || v == "auto")
            v = U8(TrimWs(node.Attribute("width")));
        std::optional<TVyCSSLength> len = VyCSSParseLength(v);
        if (!len || len->Value <= 0)
            return std::nullopt;
        return len;
    }

    void TableBorders(TVYXTable& table, const TVYXHtmlNode& node, const TVyCSSProperties& css)
    {
        const std::u16string* attr = node.FindAttribute("border");
        int border = 0;
        if (attr) {
            try {
                border = attr->empty() ? 1 : std::stoi(U8(*attr));
            } catch (...) {
                border = 1;
            }
        }
        const std::string style = css.Get(vycpBORDER_TOP_STYLE);
        if (border > 0 || (!style.empty() && style != "none" && style != "hidden")) {
            table.TAPX().SetDefaultBorders();
            for (TVYXTapId id : {vytiBorderInsideHoriz, vytiBorderInsideVert})
                table.TAPX().AddBorder(id)->SetVals(0.5, 0, stbSingle, 0);
            if (!style.empty())
                if (auto w = CSSPropSizeToPt(css.Get(vycpBORDER_TOP_WIDTH), 12, FOptions.PixelsPerInch))
                    for (TVYXTapId id : {vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom})
                        table.TAPX().AddBorder(id)->SetVals(std::clamp(*w, 0.25, 12.0),
                                                            HtmlCssColorToColor(css.Get(vycpBORDER_TOP_COLOR)).value_or(0),
                                                            BorderStyle(style), 0);
        } else
            table.TAPX().RemoveBorders(true, true, true, true, true, true);
    }

    void FillCell(TVYXTableCell& cell, const TVYXHtmlNode& node, const TVyCSSProperties& css, const TCharFmt& f,
                  const TBlockFmt& b, bool first, bool stray)
    {
        TCharFmt cf = f;
        TBlockFmt cb;  // paragraph formats start afresh inside a cell
        cb.Pre = b.Pre;
        TListCtx cl;  // lists start afresh inside a cell
        if (node.Tag == vytTH)
            cf.Bold = true, cb.Align = vyptaCenter;
        if (std::u16string align = node.Attribute("align"); !align.empty()) {
            std::string a = Ascii(align);
            cb.Align = a == "center" || a == "middle" ? vyptaCenter : a == "right" ? vyptaRight
                       : a == "justify" ? vyptaJustify : vyptaLeft;
        }
        ApplyCharCSS(css, cf, cb, true);
        ApplyBlockCSS(css, cb, cf);
        if (first) {
            std::string valign = css.Get(vycpVERTICAL_ALIGN);
            if (valign.empty())
                valign = Ascii(node.Attribute("valign"));
            if (const TVYXHtmlNode* row = node.Parent(); valign.empty() && row && row->Tag == vytTR) {
                // The row's alignment is its cells' default.
                TVyCSSProperties rowCss;
                FCss.Collect(*row, rowCss);
                valign = rowCss.Get(vycpVERTICAL_ALIGN);
                if (valign.empty())
                    valign = Ascii(row->Attribute("valign"));
            }
            if (valign == "middle" || valign == "center")
                cell.AlignVert = atcavCenter;
            else if (valign == "bottom")
                cell.AlignVert = atcavBottom;
            std::optional<TVYXColor> fill = HtmlCssColorToColor(css.Get(vycpBACKGROUND_COLOR));
            if (!fill && node.HasAttribute("bgcolor"))
                fill = HtmlCssColorToColor(U8(node.Attribute("bgcolor")));
            if (fill)
                cell.SetFillColor(*fill), cb.Shade.reset();
            CellPaddingAndBorders(cell, css, cf.Size.value_or(FDefaultSize));
        }
        TTarget t{&cell.Paras(), nullptr, false};
        if (cell.Paras().Count() == 1)
            if (TVYXLogPara* p = cell.Paras().ParaAtIndex(0); p && p->Empty())
                t.Unused = p;
        FTargets.push_back(t);
        FPara = nullptr;
        FPendingSpace = false;
        if (!stray)
            Children(node, cf, cb, cl);
        else if (node.Tag == vytTEXT)
            Text(node.Text, cf, cb);
        else
            Element(node, cf, cb, cl);
        EndPara();
        FTargets.pop_back();
        FPara = nullptr;
    }

    void CellPaddingAndBorders(TVYXTableCell& cell, const TVyCSSProperties& css, double em)
    {
        TVYXTableCellProps& p = cell.Props();
        auto pt = [&](TVyCSSProp prop) -> std::optional<double> {
            const std::string* v = css.Find(prop);
            if (!v)
                return std::nullopt;
            auto x = CSSPropSizeToPt(*v, em, FOptions.PixelsPerInch);
            if (!x)
                return std::nullopt;
            return std::clamp(*x, 0.0, 144.0);
        };
        if (auto v = pt(vycpPADDING_LEFT))
            p.SetMargLeft(*v);
        if (auto v = pt(vycpPADDING_RIGHT))
            p.SetMargRight(*v);
        if (auto v = pt(vycpPADDING_TOP))
            p.SetMargTop(*v);
        if (auto v = pt(vycpPADDING_BOTTOM))
            p.SetMargBottom(*v);
        struct TSide {
            TVyCSSProp Width, Style, Color;
            TVYXTableBorderSide Side;
        };
        constexpr TSide cSides[] = {
            {vycpBORDER_LEFT_WIDTH, vycpBORDER_LEFT_STYLE, vycpBORDER_LEFT_COLOR, atbsLeft},
            {vycpBORDER_TOP_WIDTH, vycpBORDER_TOP_STYLE, vycpBORDER_TOP_COLOR, atbsTop},
            {vycpBORDER_RIGHT_WIDTH, vycpBORDER_RIGHT_STYLE, vycpBORDER_RIGHT_COLOR, atbsRight},
            {vycpBORDER_BOTTOM_WIDTH, vycpBORDER_BOTTOM_STYLE, vycpBORDER_BOTTOM_COLOR, atbsBottom},
        };
        for (const TSide& s : cSides) {
            const std::string* style = css.Find(s.Style);
            if (!style)
                continue;
            std::string w = css.Get(s.Width);
            double width = w == "thin" ? 0.75 : w == "thick" ? 3.75 : w == "medium" || w.empty() ? 2.25
                           : std::clamp(CSSPropSizeToPt(w, em, FOptions.PixelsPerInch).value_or(0.75), 0.0, 12.0);
            TVYXColor color = HtmlCssColorToColor(css.Get(s.Color)).value_or(0);
            p.AddBorder(s.Side)->SetVals(width, color, BorderStyle(*style), 0);
        }
    }

    TVYXLogDocEditor& FDoc;
    const TVYXReadHTML& FOptions;
    TVyCSS FCss;
    TVYXHtmlDOM FDom;
    std::string FBase;
    std::vector<TTarget> FTargets;
    std::vector<TVYXNumbering*> FListSlots;  // per list element: its list's first level used (borrowed)
    struct TFrame {
        TVYXLogParas* Paras;              // the list the box stands in
        std::vector<TVYXLogPara*> Items;  // its paragraphs, in order
    };
    std::vector<TFrame> FFrames;  // bordered containers being read
    std::map<std::u16string, const TVYXHtmlNode*> FNoteTargets;  // "fnote1" -> its anchor
    std::set<const TVYXHtmlNode*> FSkip;                          // note blocks already read as notes
    std::map<std::string, int> FMsoLists;                         // mso-list key -> its slot in FListSlots
    bool FPendingPageBreak = false;
    bool FKeepListLabels = false;  // inside a numbered heading, whose number is its text
    std::int64_t FCellBudget = cMaxTableCells;  // grid cells the document's tables may still make
    std::set<const TVYXNumbering*> FMarkedLevels;  // list levels given their marker's place and picture
    std::set<const TVYXNumbering*> FShiftedLevels;  // list levels moved in by their list's block  // a page break waits for the next body paragraph
    TVYXLogPara* FPara = nullptr;
    bool FParaHasText = false;
    bool FPendingSpace = false;
    TCharFmt FPendingFmt;  // the format of the text the pending blank came from
    TVYXCharRun* FLastRun = nullptr;
    TCharFmt FLastRunFmt;
    std::unique_ptr<TVYXCHPX> FChpx;
    TCharFmt FChpxFmt;
    double FDefaultSize = 12;
};

}  // namespace

TVYXReadHTML::TVYXReadHTML(TVYXLogDocEditor& doc) : FDoc(doc), FCss(std::make_unique<TVyCSS>()) {}
TVYXReadHTML::~TVYXReadHTML() = default;

const TVyCSS& TVYXReadHTML::CSS() const { return *FCss; }

void TVYXReadHTML::ReadCSS(std::string_view text) { FCss->Parse(text); }

void TVYXReadHTML::ReadCSSFile(const std::string& fileName) { FCss->Parse(std::string_view(VYXReadFile(fileName))); }

void TVYXReadHTML::LoadFromFile(const std::string& fileName)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    std::string bytes;
    try {
        bytes = VYXReadFile(fileName);
    } catch (const VYXException&) {
        throw VYXException("Cannot open file \"" + fileName + "\"");
    }
    if (BaseFolder.empty())
        BaseFolder = std::filesystem::path(fileName).parent_path().string();
    LoadFromBytes(bytes);
}

void TVYXReadHTML::LoadFromBytes(std::string_view bytes)
{
    TVYXEditorUpdate update(FDoc);
    TReader reader(FDoc, *FCss, *this);
    reader.Run(bytes);
}
