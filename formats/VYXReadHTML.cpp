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

std::u16string TrimWs(std::u16string_view s)
{
    while (!s.empty() && IsWs(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsWs(s.back()))
        s.remove_suffix(1);
    return std::u16string(s);
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

void TReader::Run(std::string_view bytes)
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

void TReader::ReadHead()
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
int TReader::NoteNumber(const std::u16string& id, bool ref)
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
bool TReader::NoteReference(const TVYXHtmlNode& node, const TBlockFmt& b)
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

bool TReader::MediaApplies(const std::u16string& media)
{
    std::string m = Ascii(media);
    return m.empty() || m.find("all") != std::string::npos || m.find("screen") != std::string::npos;
}

// The file a reference names on disk (relative to the base URL, else to the
// document's folder); nullopt for remote references and names that do not exist.
std::optional<std::string> TReader::LocalFile(const std::u16string& ref) const
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

void TReader::FillPAPX(const TBlockFmt& b, TVYXPAPX& papx) const
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

TVYXLogPara& TReader::NewPara(const TBlockFmt& b)
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

void TReader::SetBorder(TVYXLogPara& para, int side, const TBlockFmt::TBorder& border)
{
    if (border.Style == stbNone)
        return;
    TVYXPAPX& x = para.PAPX();
    TVYXDocPropBorder* target = side == 0 ? x.AddBorderLeft() : side == 1 ? x.AddBorderTop()
                                : side == 2 ? x.AddBorderRight() : x.AddBorderBottom();
    target->SetVals(border.Width, border.Color, border.Style, 0);
}

void TReader::UseHeading(TVYXLogPara& para, int level)
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
TVYXLogPara& TReader::NewListPara(const TBlockFmt& b, const TListCtx& list)
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
void TReader::MarkLevel(TVYXNumbering& level, const TListCtx& list)
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

TVYXLogPara& TReader::EnsurePara(const TBlockFmt& b)
{
    return FPara ? *FPara : NewPara(b);
}

void TReader::EndPara()
{
    // A new paragraph starts with an empty run in the format of the one before;
    // combining drops it once the paragraph has its own runs.
    if (FPara && FPara->Count() > 1)
        FPara->CombineCharRuns();
    FPara = nullptr;
    FLastRun = nullptr;  // combining may have freed it
    FPendingSpace = false;
}

const TVYXCHPX* TReader::CurrentCHPX(const TCharFmt& f)
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

void TReader::AppendRaw(std::u16string_view text, const TCharFmt& f, const TBlockFmt& b)
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

void TReader::Text(std::u16string_view raw, const TCharFmt& f, const TBlockFmt& b)
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
void TReader::FlushSpace(const TBlockFmt& b)
{
    if (!FPendingSpace || !FPara || !FParaHasText)
        return;
    FPendingSpace = false;
    AppendRaw(u" ", FPendingFmt, b);
}

}  // namespace vyx_html

using vyx_html::TReader;

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
