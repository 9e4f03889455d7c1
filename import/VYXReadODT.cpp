// VYXReadODT.cpp: the body walk of OpenDocument text import.
//
// Grammar of the body as read (other elements are walked for their text inline,
// skipped at block level):
//   body      := block*
//   block     := text:p | text:h | text:list | text:numbered-paragraph | table:table
//              | text:section | index (text:table-of-content, ...: its text:index-body)
//   list      := text:list (text:list-item | text:list-header)*
//   list-item := (text:p | text:h | text:list | table:table)*
//   table     := table:table-column* (row groups | table:table-row)*
//   row       := (table:table-cell | table:covered-table-cell)*
//   inline    := text | text:span | text:s | text:tab | text:line-break | text:a
//              | text:bookmark* | text:note | fields | draw:frame
//
// Blanks: runs of blanks (space, TAB, CR, LF) in element text collapse to one
// space, and blanks at the start or end of a paragraph go; text:s, text:tab and
// text:line-break are the explicit forms.
#include "import/VYXReadODT.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqSimpleDOM.h"
#include "import/VYXODT.h"
#include "import/VYXODTStyles.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXDocProps.h"
#include "formats/NyqUtils.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
constexpr int cCodeMissingPicture = 3710;
constexpr int cCodeBadPicture = 3711;
constexpr int cCodeTableClipped = 3712;
// Spaces one text:s may give: more is no text anybody wrote.
constexpr int cMaxSpaces = 10000;
// Cells of one table, repeats expanded; repeated rows past this are dropped.
constexpr long cMaxTableCells = 200000;
// Content that repeated cells and rows may copy, summed over the document (elements,
// characters and spaces). Repeats are how spreadsheets-turned-text store empty
// cells, which weigh nothing; a full cell repeated a million times would otherwise
// multiply its text beyond any memory. Past this, copies stay empty.
constexpr long cMaxRepeatedContent = 2'000'000;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

int IntAttr(const TVYXODTNode& node, std::string_view name, int def, int low, int high)
{
    const std::string_view v = node.Attr(name);
    if (v.empty())
        return def;
    long long value = 0;
    bool any = false;
    for (char c : v) {
        if (c < '0' || c > '9')
            break;
        value = std::min<long long>(value * 10 + (c - '0'), 1LL << 40);
        any = true;
    }
    return any ? static_cast<int>(std::clamp<long long>(value, low, high)) : def;
}

// The text a field or an element shows: its text nodes in order, spaces of text:s included.
void CollectText(const TVYXODTNode& node, std::u16string& out, int depth = 0)
{
    for (const auto& c : node.Children) {
        if (c->IsText())
            out += c->Text;
        else if (c->Name == "text:s")
            out.append(static_cast<std::size_t>(IntAttr(*c, "text:c", 1, 1, cMaxSpaces)), u' ');
        else if (c->Name == "text:tab")
            out += u'\t';
        else if (depth < TVYXODTPart::cMaxDepth)
            CollectText(*c, out, depth + 1);
    }
}

// Where paragraphs go: a paragraph list, and its first paragraph when that one is
// still unused (a new cell, header, note or text box comes with one).
struct TSink {
    TVYXLogParas* Paras = nullptr;
    TVYXLogPara* Reuse = nullptr;
};

struct TListCtx {
    TVYXNumberingsList* List = nullptr;
    std::string StyleName;
    int Level = 0;
};

// The paragraph being filled: text waits in Pending until the format changes or
// something other than text comes.
struct TParaCtx {
    TVYXLogPara* Para = nullptr;
    std::u16string Pending;
    const TVYXCHPX* PendingCHPX = nullptr;
    bool SpaceDue = false;    // collapsed blanks wait for the next text
    const TVYXCHPX* SpaceCHPX = nullptr;  // the format the first of them was written in
    bool AtStart = true;      // nothing yet: leading blanks go
    std::string StyleKey;     // the paragraph style and the spans open, for the run format cache
};

class TBuilder {
public:
    TBuilder(TVYXLogDocEditor& doc, TVYXODT& odt, int& missingPictures)
        : FDoc(doc), FODT(odt), FMissingPictures(missingPictures)
    {
    }

    void Run()
    {
        FStyles.Load(FODT.Styles(), FODT.Content());
        OutlineNumbering();
        const TVYXODTNode* body = FODT.Content().Find("office:body/office:text");
        ReadPageSetup(body);
        if (body)
            if (const TVYXODTNode* changes = body->Child("text:tracked-changes"))
                ReadChanges(*changes);
        if (body) {
            TSink sink{&FDoc.Paras(), FirstUnusedPara(FDoc.Paras())};
            Blocks(*body, sink, nullptr);
            EndList(sink);
        }
        // After section breaks the master section describes the last section.
        if (FSections > 0 && FMaster)
            if (const TVYXODTNode* layout = FStyles.FindPageLayout(FMaster->Attr("style:page-layout-name")))
                FStyles.ApplyPageLayout(*layout, FDoc.SEP());
        FDoc.FootnoteList().Reindex();
        FDoc.EndnoteList().Reindex();
        // Bookmarks whose end never came close at the end of the body.
        for (auto& [name, mark] : FOpenBookmarks)
            FDoc.GetOrAddLastPara().EndBookmark(*mark);
        FOpenBookmarks.clear();
        for (auto& [name, comment] : FOpenComments)
            FDoc.GetOrAddLastPara().EndComment(*comment);
        FOpenComments.clear();
    }

private:
    static TVYXLogPara* FirstUnusedPara(TVYXLogParas& paras)
    {
        if (paras.Count() == 1)
            if (TVYXLogPara* p = paras.ParaAtIndex(0); p && p->Empty())
                return p;
        return nullptr;
    }

    // A new paragraph starts with no properties: the list would copy its predecessor's.
    TVYXLogPara* NewPara(TSink& sink)
    {
        TVYXLogPara* p = sink.Reuse;
        sink.Reuse = nullptr;
        if (!p)
            p = sink.Paras->AppendPara();
        p->PAPX().Clear();
        return p;
    }

    // A list that ends in a table gets a paragraph after it: the caret needs one,
    // and a cell cannot end with a table.
    static void EndList(TSink& sink)
    {
        TVYXLogParaItem* last = sink.Paras->Last();
        if (!last || last->IsTable())
            sink.Paras->AppendPara();
    }

    // ---- Page setup, headers and footers ----

    void ReadPageSetup(const TVYXODTNode* body)
    {
        // The master page of the first paragraph's style, else the default one.
        std::string_view masterName;
        if (body)
            for (const auto& c : body->Children)
                if (c->Name == "text:p" || c->Name == "text:h" || c->Name == "table:table") {
                    const std::string_view family = c->Name == "table:table" ? "table" : "paragraph";
                    const std::string_view attr = c->Name == "table:table" ? "table:style-name" : "text:style-name";
                    masterName = FStyles.Resolve(aosContent, family, c->Attr(attr)).MasterPage;
                    break;
                }
        const TVYXODTNode* master = FStyles.FindMasterPage(masterName);
        FMaster = master;
        if (!master)
            return;
        // A first page with a master of its own that hands over to another one: the
        // other one makes the document's pages, the first one its first page.
        const TVYXODTNode* next = FStyles.FindMasterPage(master->Attr("style:next-style-name"), true);
        const TVYXODTNode* pages = next && next != master ? next : master;
        if (const TVYXODTNode* layout = FStyles.FindPageLayout(pages->Attr("style:page-layout-name")))
            FStyles.ApplyPageLayout(*layout, FDoc.SEP());
        FScope = aosStyles;
        HeaderFooter(pages->Child("style:header"), FDoc.Headers(), ahftDefault);
        HeaderFooter(pages->Child("style:header-left"), FDoc.Headers(), ahftEven);
        HeaderFooter(pages->Child("style:footer"), FDoc.Footers(), ahftDefault);
        HeaderFooter(pages->Child("style:footer-left"), FDoc.Footers(), ahftEven);
        if (pages != master) {
            // The first page shows its own master's header and footer, or none.
            FDoc.SEP().TitlePg = true;
            FDoc.Headers().Add(ahftFirst);
            FDoc.Footers().Add(ahftFirst);
            HeaderFooter(master->Child("style:header"), FDoc.Headers(), ahftFirst);
            HeaderFooter(master->Child("style:footer"), FDoc.Footers(), ahftFirst);
        } else {
            HeaderFooter(master->Child("style:header-first"), FDoc.Headers(), ahftFirst);
            HeaderFooter(master->Child("style:footer-first"), FDoc.Footers(), ahftFirst);
        }
        FScope = aosContent;
    }

    void HeaderFooter(const TVYXODTNode* node, TVYXHeadersFooters& set, TVYXHeaderFooterType type)
    {
        if (!node || node->Attr("style:display") == "false")
            return;
        if (type == ahftFirst)
            FDoc.SEP().TitlePg = true;
        TVYXLogDocEditor& editor = set.Add(type);
        TSink sink{&editor.Paras(), FirstUnusedPara(editor.Paras())};
        Blocks(*node, sink, nullptr);
        EndList(sink);
    }

    // ---- Blocks ----

    void Blocks(const TVYXODTNode& node, TSink& sink, TListCtx* list)
    {
        for (const auto& c : node.Children)
            if (!c->IsText())
                Block(*c, sink, list);
    }

    void Block(const TVYXODTNode& node, TSink& sink, TListCtx* list)
    {
        const std::string& n = node.Name;
        if (n == "text:p" || n == "text:h") {
            Paragraph(node, sink, nullptr);
        } else if (n == "text:list") {
            List(node, sink, list);
        } else if (n == "text:numbered-paragraph") {
            TListCtx ctx;
            ctx.StyleName = node.Attr("text:list-style-name");
            ctx.List = ModelList(ctx.StyleName, node.Attr("text:continue-numbering") == "true");
            ctx.Level = IntAttr(node, "text:level", 1, 1, 10) - 1;
            bool first = true;
            for (const auto& c : node.Children)
                if (c->Name == "text:p" || c->Name == "text:h") {
                    Paragraph(*c, sink, first ? &ctx : nullptr);
                    first = false;
                }
        } else if (n == "table:table") {
            Table(node, sink);
        } else if (n == "text:section" || n == "text:index-body" || n == "text:index-title" ||
                   n == "office:text" || n == "text:deletion-placeholder") {
            Blocks(node, sink, list);
        } else if (n.substr(0, 5) == "text:" && node.Child("text:index-body")) {
            // Tables of contents and other indexes: their current text.
            Blocks(*node.Child("text:index-body"), sink, list);
        } else if (n == "draw:frame" || n == "draw:a") {
            // A frame anchored to the page: it gets a paragraph of its own.
            TParaCtx ctx;
            ctx.Para = NewPara(sink);
            Inline(node, ctx, 0);
            Flush(ctx);
        }
        // Everything else at block level (declarations, forms, tracked changes,
        // soft page breaks) carries no text of the body.
    }

    // ---- Named styles and sections ----

    // The sheet's paragraph style for a common style, made on first use with the
    // style's resolved properties and its parent as base. Paragraphs carry their
    // properties themselves too, so the sheet only names what they are.
    TVYXParaStyle* ModelStyle(const std::string& common, int depth = 0)
    {
        if (common.empty() || depth > TVYXODTStyles::cMaxParentChain)
            return nullptr;
        if (auto it = FModelStyles.find(common); it != FModelStyles.end())
            return it->second;
        const TVYXODTNode* node = FStyles.FindCommon("paragraph", common);
        if (!node)
            return nullptr;
        const TVYXODTProps& props = FStyles.Resolve(aosContent, "paragraph", common);
        const std::u16string id = Utf8ToUtf16(common);
        TVYXParaStyle* style = FDoc.Styles().AddPara(id, Utf8ToUtf16(props.DisplayName));
        FModelStyles[common] = style;
        FStyles.ApplyPara(props, style->PAPX());
        FStyles.ApplyText(props.Text, style->CHPX());
        // Heading styles say their level on the style element itself.
        if (const int outline = IntAttr(*node, "style:default-outline-level", 0, 0, 10); outline >= 1)
            style->PAPX().SetOutlineLevel(std::min(outline, 9) - 1);
        // The base, unless that would close a loop of bases.
        if (TVYXParaStyle* base = ModelStyle(std::string(node->Attr("style:parent-style-name")), depth + 1)) {
            bool loops = false;
            int guard = 0;
            for (const TVYXStyle* s = base; s && !loops && guard < 1000; s = s->BasedOn, ++guard)
                loops = s == style;
            if (!loops)
                style->BasedOn = base;
        }
        return style;
    }

    // A paragraph whose style names another master page starts a section: the one
    // before it ends with the page layout of the master page so far.
    void SectionBreak(const TVYXODTProps& props, const TSink& sink)
    {
        if (props.MasterPage.empty() || sink.Paras != &FDoc.Paras() || FScope != aosContent || FInNote)
            return;
        const TVYXODTNode* master = FStyles.FindMasterPage(props.MasterPage);
        if (!master || master == FMaster)
            return;
        if (sink.Reuse == nullptr) {  // the body has content: a section ends before this paragraph
            TVYXSEP sep(&FDoc.SEP(), &FDoc.DOP());
            if (const TVYXODTNode* layout = FMaster ? FStyles.FindPageLayout(FMaster->Attr("style:page-layout-name"))
                                                    : nullptr)
                FStyles.ApplyPageLayout(*layout, sep);
            FDoc.AppendSection(sep);
            ++FSections;
        }
        FMaster = master;
    }

    // Headings are numbered when the outline style gives any level a number format.
    void OutlineNumbering()
    {
        const TVYXODTNode* outline = FODT.Styles().Find("office:styles/text:outline-style");
        if (!outline)
            return;
        bool numbered = false;
        for (const auto& c : outline->Children)
            if (c->Name == "text:outline-level-style" && !c->Attr("style:num-format").empty())
                numbered = true;
        if (!numbered)
            return;
        TVYXNumbering* level0 = FDoc.Numberings().AddNewNumbering(anstDecimal);
        if (!level0)
            return;
        FOutline = level0->NumList();
        for (int i = 0; i < FOutline->Count() && i < 9; ++i)
            FormatLevel(*FOutline->GetItems(i), outline, i);
    }

    // ---- Lists ----

    // A model list for an OpenDocument list: a new one for each top-level list,
    // unless it continues the last list of its style.
    TVYXNumberingsList* ModelList(const std::string& styleName, bool continues)
    {
        if (continues)
            if (auto it = FLastListOfStyle.find(styleName); it != FLastListOfStyle.end())
                return it->second;
        TVYXNumberings& lists = FDoc.Numberings();
        TVYXNumbering* level0 = lists.AddNewNumbering(anstDecimal);
        if (!level0)
            return nullptr;
        TVYXNumberingsList* list = level0->NumList();
        const TVYXODTNode* style = FStyles.FindListStyle(FScope, styleName);
        for (int i = 0; i < list->Count() && i < 9; ++i)
            FormatLevel(*list->GetItems(i), style, i);
        FLastListOfStyle[styleName] = list;
        return list;
    }

    void FormatLevel(TVYXNumbering& level, const TVYXODTNode* style, int index)
    {
        const TVYXODTNode* def = nullptr;
        if (style)
            for (const auto& c : style->Children)
                if (!c->IsText() && IntAttr(*c, "text:level", 0, 0, 100) == index + 1) {
                    def = c.get();
                    break;
                }
        if (!def || def->Name == "text:list-level-style-bullet") {
            std::u16string bullet = def ? Utf8ToUtf16(def->Attr("text:bullet-char")) : u"\u2022";
            level.InitBullet(index, bullet.empty() ? u"\u2022" : bullet);
        } else if (def->Name == "text:list-level-style-number" || def->Name == "text:outline-level-style") {
            const std::string_view format = def->Attr("style:num-format");
            TVYXNumberingStyleType type = anstDecimal;
            TVYXNumberingStyleExType typeEx = anstxDecimal;
            if (format == "i")
                type = anstLowerRoman, typeEx = anstxLowerRoman;
            else if (format == "I")
                type = anstUpperRoman, typeEx = anstxUpperRoman;
            else if (format == "a")
                type = anstLowerLetter, typeEx = anstxLowerLetter;
            else if (format == "A")
                type = anstUpperLetter, typeEx = anstxUpperLetter;
            else if (format.empty())
                type = anstNone, typeEx = anstxNone;
            level.InitNumbering(index, type);
            level.StyleEx = typeEx;
            // "%1.%2." for display-levels 2: the levels above, then this one.
            const int shown = IntAttr(*def, "text:display-levels", 1, 1, index + 1);
            std::u16string text = Utf8ToUtf16(def->Attr("style:num-prefix"));
            for (int l = index + 1 - shown; l <= index; ++l) {
                text += u'%';
                text += static_cast<char16_t>(u'1' + l);
                if (l < index)
                    text += u'.';
            }
            text += Utf8ToUtf16(def->Attr("style:num-suffix"));
            level.Text = text;
            level.StartVal = IntAttr(*def, "text:start-value", 1, 0, 32767);
        } else {
            level.InitBullet(index, u"\u2022");  // picture bullets read as plain bullets
        }
        // Indents of the label-alignment mode: the text's margin and the label's place.
        if (const TVYXODTNode* props = def ? def->Child("style:list-level-properties") : nullptr)
            if (const TVYXODTNode* align = props->Child("style:list-level-label-alignment")) {
                double left = 0, indent = 0;
                if (VYXODTLength(align->Attr("fo:margin-left"), left))
                    level.PAPX().SetIndentLeft(std::max(left, 0.0));
                if (VYXODTLength(align->Attr("fo:text-indent"), indent))
                    level.PAPX().SetIndentHanging(std::max(-indent, 0.0));
            }
    }

    void List(const TVYXODTNode& node, TSink& sink, TListCtx* parent)
    {
        TListCtx ctx;
        ctx.StyleName = node.Attr("text:style-name");
        if (parent) {
            if (ctx.StyleName.empty())
                ctx.StyleName = parent->StyleName;
            ctx.List = parent->List;
            ctx.Level = std::min(parent->Level + 1, 8);
            if (!ctx.List)
                ctx.List = ModelList(ctx.StyleName, false);
        } else if (const auto named = FListsById.find(std::string(node.Attr("text:continue-list")));
                   node.HasAttr("text:continue-list") && named != FListsById.end()) {
            ctx.List = named->second;  // continues the list of that id
        } else {
            const bool continues = node.Attr("text:continue-numbering") == "true" || node.HasAttr("text:continue-list");
            ctx.List = ModelList(ctx.StyleName, continues);
        }
        if (!parent && node.HasAttr("xml:id"))
            FListsById[std::string(node.Attr("xml:id"))] = ctx.List;
        // Nesting beyond the ninth level stays at the ninth.
        if (parent && parent->Level >= 8)
            ctx.Level = 8;
        for (const auto& item : node.Children) {
            if (item->Name != "text:list-item" && item->Name != "text:list-header")
                continue;
            bool numbered = item->Name == "text:list-item";
            for (const auto& c : item->Children) {
                if (c->Name == "text:p" || c->Name == "text:h") {
                    Paragraph(*c, sink, numbered ? &ctx : nullptr);
                    numbered = false;  // further paragraphs of the item carry no number
                } else if (c->Name == "text:list") {
                    List(*c, sink, &ctx);
                    numbered = false;
                } else if (!c->IsText()) {
                    Block(*c, sink, &ctx);
                }
            }
        }
    }

    // ---- Paragraphs ----

    void Paragraph(const TVYXODTNode& node, TSink& sink, const TListCtx* list)
    {
        const std::string_view styleName = node.Attr("text:style-name");
        const TVYXODTProps& props = FStyles.Resolve(FScope, "paragraph", styleName);
        SectionBreak(props, sink);
        TParaCtx ctx;
        ctx.Para = NewPara(sink);
        TVYXPAPX& papx = ctx.Para->PAPX();
        if (TVYXParaStyle* style = ModelStyle(FStyles.CommonStyleName(FScope, "paragraph", styleName)))
            papx.SetStyle(style);
        FStyles.ApplyPara(props, papx);
        if (node.Name == "text:h") {
            papx.SetOutlineLevel(std::min(IntAttr(node, "text:outline-level", 1, 1, 10), 9) - 1);
        }
        if (list && list->List) {
            if (TVYXNumbering* level = list->List->GetItems(list->Level))
                papx.SetNumbering(level);
        } else if (node.Name == "text:h" && FOutline && !list && node.Attr("text:is-list-header") != "true") {
            const int level = std::min(IntAttr(node, "text:outline-level", 1, 1, 10), 9) - 1;
            if (TVYXNumbering* n = FOutline->GetItems(level); n && n->Style != anstNone)
                papx.SetNumbering(n);
        }
        if (const auto it = props.Para.find("fo:break-before"); it != props.Para.end() && it->second == "page")
            if (sink.Paras == &FDoc.Paras() && sink.Paras->Count() > 1)
                ctx.Para->AppendBreak(acrbtPageBreak);
        ctx.StyleKey = std::string(styleName);
        ctx.StyleKey.push_back('\n');
        Inline(node, ctx, 0);
        Flush(ctx);
        // Insertions still open cover the rest of this paragraph and go on in the next.
        for (auto& [id, open] : FOpenInsertions) {
            if (open.Para == ctx.Para || !open.Para)
                ctx.Para->ApplyRevision(*open.Data, open.Para ? open.From : 1, ctx.Para->EndOfParaPos());
            open.Para = nullptr;
        }
        // An empty paragraph keeps its style's format for its mark.
        ctx.StyleKey.resize(styleName.size() + 1);
        if (TVYXCharRun* run = LoneEmptyRun(*ctx.Para))
            run->SetCHPX(CurrentCHPX(ctx));
    }

    // The format of text in the paragraph's style and the spans open around it.
    const TVYXCHPX* CurrentCHPX(const TParaCtx& ctx)
    {
        std::string key = ctx.StyleKey;
        key.push_back(FScope == aosContent ? 'c' : 's');
        auto& slot = FCHPXCache[key];
        if (slot)
            return slot.get();
        slot = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
        // Key: paragraph style, then each span's style, separated by line feeds.
        std::size_t start = 0;
        bool first = true;
        const std::string& k = ctx.StyleKey;
        while (start <= k.size()) {
            std::size_t end = k.find('\n', start);
            if (end == std::string::npos)
                end = k.size();
            const std::string_view name(k.data() + start, end - start);
            if (first)
                FStyles.ApplyText(FStyles.Resolve(FScope, "paragraph", name).Text, *slot);
            else if (!name.empty())
                FStyles.ApplyText(FStyles.Resolve(FScope, "text", name).Text, *slot);
            first = false;
            start = end + 1;
        }
        return slot.get();
    }

    // The empty text run at the paragraph's end (a new paragraph comes with one, a
    // note mark leaves one after it), which the next text fills; nullptr when none.
    static TVYXCharRun* TrailingEmptyRun(TVYXLogPara& para)
    {
        TVYXCharRun* run = para.Count() > 0 ? para.GetItems(para.Count() - 1) : nullptr;
        return run && run->Type_() == acrtText && run->Text().empty() && !run->Revision() ? run : nullptr;
    }

    // The empty run of a paragraph that has nothing else.
    static TVYXCharRun* LoneEmptyRun(TVYXLogPara& para)
    {
        return para.Count() == 1 ? TrailingEmptyRun(para) : nullptr;
    }

    void Flush(TParaCtx& ctx)
    {
        if (ctx.Pending.empty())
            return;
        if (TVYXCharRun* run = TrailingEmptyRun(*ctx.Para)) {
            run->SetRawText(ctx.Pending);
            run->SetCHPX(ctx.PendingCHPX);
        } else {
            ctx.Para->AppendFormattedText(ctx.Pending, ctx.PendingCHPX);
        }
        ctx.Pending.clear();
    }

    // Text in another format follows: a collapsed blank between them keeps the format
    // it was written in ("a <span>b</span> c": neither blank is part of the span).
    void SwitchFormat(TParaCtx& ctx, const TVYXCHPX* chpx)
    {
        if (ctx.SpaceDue && !ctx.Pending.empty() && ctx.SpaceCHPX == ctx.PendingCHPX) {
            ctx.Pending += u' ';
            ctx.SpaceDue = false;
        }
        Flush(ctx);
        ctx.PendingCHPX = chpx;
    }

    // Text from the file: blanks collapse, and a collapsed blank waits until more
    // text follows, so blanks at the paragraph's end vanish.
    void AddText(TParaCtx& ctx, std::u16string_view text)
    {
        const TVYXCHPX* chpx = CurrentCHPX(ctx);
        for (char16_t c : text) {
            if (IsBlank(c)) {
                if (!ctx.AtStart && !ctx.SpaceDue) {
                    ctx.SpaceDue = true;
                    ctx.SpaceCHPX = chpx;
                }
                continue;
            }
            if (chpx != ctx.PendingCHPX)
                SwitchFormat(ctx, chpx);
            if (ctx.SpaceDue)
                ctx.Pending += u' ';
            ctx.SpaceDue = false;
            ctx.AtStart = false;
            ctx.Pending += c;
        }
    }

    // Text that is no blank to collapse (text:s spaces, field results).
    void AddLiteral(TParaCtx& ctx, std::u16string_view text)
    {
        if (text.empty())
            return;
        const TVYXCHPX* chpx = CurrentCHPX(ctx);
        if (chpx != ctx.PendingCHPX)
            SwitchFormat(ctx, chpx);
        if (ctx.SpaceDue)
            ctx.Pending += u' ';
        ctx.SpaceDue = false;
        ctx.AtStart = false;
        ctx.Pending += text;
    }

    // Before an object: the text so far goes in, a due blank included.
    void BeforeObject(TParaCtx& ctx)
    {
        if (ctx.SpaceDue) {
            ctx.SpaceDue = false;
            AddLiteral(ctx, u" ");
        }
        Flush(ctx);
        ctx.AtStart = false;
    }

    void Inline(const TVYXODTNode& node, TParaCtx& ctx, int depth)
    {
        for (const auto& c : node.Children) {
            if (c->IsText())
                AddText(ctx, c->Text);
            else
                InlineElement(*c, ctx, depth);
        }
    }

    void InlineElement(const TVYXODTNode& node, TParaCtx& ctx, int depth)
    {
        const std::string& n = node.Name;
        if (n == "text:span") {
            const std::size_t keep = ctx.StyleKey.size();
            ctx.StyleKey.append(node.Attr("text:style-name"));
            ctx.StyleKey.push_back('\n');
            Inline(node, ctx, depth + 1);
            ctx.StyleKey.resize(keep);
        } else if (n == "text:s") {
            AddLiteral(ctx, std::u16string(static_cast<std::size_t>(IntAttr(node, "text:c", 1, 1, cMaxSpaces)), u' '));
        } else if (n == "text:tab") {
            BeforeObject(ctx);
            if (TVYXCharRun* run = ctx.Para->AppendTab())
                run->SetCHPX(CurrentCHPX(ctx));
        } else if (n == "text:line-break") {
            BeforeObject(ctx);
            ctx.Para->AppendBreak(acrbtLineBreak);
            ctx.AtStart = true;
        } else if (n == "text:a") {
            Link(node, ctx, depth);
        } else if (n == "text:bookmark" || n == "text:bookmark-start" || n == "text:bookmark-end") {
            Bookmark(node, ctx);
        } else if (n == "text:note") {
            Note(node, ctx);
        } else if (n == "text:page-number" || n == "text:page-count" || n == "text:date" || n == "text:time" ||
                   n == "text:file-name" || n == "text:author-name" || n == "text:initial-creator") {
            Field(node, ctx);
        } else if (n == "draw:frame") {
            Frame(node, ctx);
        } else if (n == "text:change" || n == "text:change-start" || n == "text:change-end") {
            Change(node, ctx, depth);
        } else if (n == "office:annotation" || n == "office:annotation-end") {
            Annotation(node, ctx);
        } else if (n == "draw:a") {
            Inline(node, ctx, depth + 1);
        } else if (n == "text:note-citation" || n == "text:number" ||
                   n == "text:ruby-text" || n == "text:tracked-changes" || n == "text:soft-page-break" ||
                   n == "text:toc-mark" || n == "text:alphabetical-index-mark" || n == "text:user-index-mark" ||
                   n == "text:reference-mark" || n == "text:bookmark-ref-mark" || n.substr(0, 5) == "draw:" ||
                   n.substr(0, 5) == "form:" || n == "presentation:notes" || n == "text:sequence-decls" ||
                   n == "text:variable-decls" || n == "text:user-field-decls") {
            // Not part of the running text: note marks and list numbers the file
            // keeps for display (the model numbers notes and lists itself), index
            // marks, shapes, form controls.
        } else if (n == "text:hidden-text" || n == "text:hidden-paragraph") {
            if (node.Attr("text:is-hidden") != "true")
                Inline(node, ctx, depth + 1);
        } else if (depth < TVYXODTPart::cMaxDepth) {
            // Fields read as their current text, and unknown wrappers (meta,
            // ruby base, sequences, references) as the text inside them.
            Inline(node, ctx, depth + 1);
        }
    }

    void Link(const TVYXODTNode& node, TParaCtx& ctx, int depth)
    {
        BeforeObject(ctx);
        const std::int32_t from = ctx.Para->EndOfParaPos();
        Inline(node, ctx, depth + 1);
        Flush(ctx);
        const std::int32_t to = ctx.Para->EndOfParaPos();
        const std::u16string href = Utf8ToUtf16(node.Attr("xlink:href"));
        if (to <= from || href.empty())
            return;
        TVYXHyperlinks& links = FDoc.Hyperlinks();
        TVYXHyperlink* link = href.front() == u'#' ? links.AddUniqueBookmark(href.substr(1))
                                                   : links.Add(href, ahtURL);
        if (link)
            ctx.Para->MakeHyperlink(link, from, to);
    }

    void Bookmark(const TVYXODTNode& node, TParaCtx& ctx)
    {
        const std::u16string name = Utf8ToUtf16(node.Attr("text:name"));
        if (name.empty())
            return;
        BeforeObject(ctx);
        if (node.Name == "text:bookmark") {
            if (TVYXBookmark* mark = ctx.Para->AppendBookmark(name))
                ctx.Para->EndBookmark(*mark);
        } else if (node.Name == "text:bookmark-start") {
            if (FScope == aosContent && !FOpenBookmarks.count(name))
                if (TVYXBookmark* mark = ctx.Para->AppendBookmark(name))
                    FOpenBookmarks[name] = mark;
        } else if (auto it = FOpenBookmarks.find(name); it != FOpenBookmarks.end()) {
            ctx.Para->EndBookmark(*it->second);
            FOpenBookmarks.erase(it);
        }
    }

    void Field(const TVYXODTNode& node, TParaCtx& ctx)
    {
        std::u16string result;
        CollectText(node, result);
        const std::string& n = node.Name;
        const char16_t* instruction = n == "text:page-number" ? u"PAGE"
                                      : n == "text:page-count" ? u"NUMPAGES"
                                      : n == "text:date"       ? u"DATE"
                                      : n == "text:time"       ? u"TIME"
                                      : n == "text:file-name"  ? u"FILENAME"
                                                               : u"AUTHOR";
        BeforeObject(ctx);
        if (TVYXCharRunSimpleField* run = ctx.Para->AppendField(instruction, result))
            run->SetCHPX(CurrentCHPX(ctx));
    }

    void Note(const TVYXODTNode& node, TParaCtx& ctx)
    {
        // Notes belong to the body; a note inside a note, header or footer keeps
        // its text in place instead.
        const TVYXODTNode* body = node.Child("text:note-body");
        if (!body)
            return;
        if (FInNote || FScope != aosContent) {
            std::u16string text;
            CollectText(*body, text);
            AddText(ctx, text);
            return;
        }
        BeforeObject(ctx);
        const bool endnote = node.Attr("text:note-class") == "endnote";
        TVYXFootnotesList& list = endnote ? FDoc.EndnoteList() : FDoc.FootnoteList();
        TVYXLogDocEditor& notes = endnote ? FDoc.Endnotes() : FDoc.Footnotes();
        TVYXFootnoteItem* note = list.Add();
        note->CharRun = ctx.Para->InsertFootnote(ctx.Para->EndOfParaPos(), note, endnote);
        note->FNotePara = ctx.Para;
        TVYXLogPara* first = list.Count() == 1 ? FirstUnusedPara(notes.Paras()) : nullptr;
        if (!first)
            first = notes.Paras().AppendPara();
        first->InsertFootnoteRef(1, note, endnote);
        TSink sink{&notes.Paras(), first};
        FInNote = true;
        Blocks(*body, sink, nullptr);
        FInNote = false;
        EndList(sink);
        note->StartPara = first;
        note->EndPara = notes.Paras()._LastPara();
    }

    // ---- Tracked changes and comments ----

    struct TChange {
        TVYXRevisionType Type = artUnknown;
        std::int32_t Id = 0;
        double Date = 0;
        std::u16string Author;
        const TVYXODTNode* Region = nullptr;  // the text:deletion holding the deleted content
        bool Used = false;                     // deleted text goes back once, however often it is named
    };
    struct TOpenInsertion {
        std::unique_ptr<TVYXRevisionData> Data;
        TVYXLogPara* Para = nullptr;  // where it started; nullptr once it ran past that paragraph
        std::int32_t From = 1;
    };

    static void ChangeInfo(const TVYXODTNode& node, std::u16string& author, double& date)
    {
        if (const TVYXODTNode* info = node.Child("office:change-info")) {
            if (const TVYXODTNode* creator = info->Child("dc:creator")) {
                author.clear();
                CollectText(*creator, author);
            }
            if (const TVYXODTNode* when = info->Child("dc:date")) {
                std::u16string text;
                CollectText(*when, text);
                date = XmlTryStrToDateTime(Utf16ToUtf8(text)).value_or(0);
            }
        }
    }

    void ReadChanges(const TVYXODTNode& changes)
    {
        std::int32_t next = 1;
        for (const auto& region : changes.Children) {
            if (region->Name != "text:changed-region")
                continue;
            std::string id(region->Attr("text:id"));
            if (id.empty())
                id = region->Attr("xml:id");
            for (const auto& c : region->Children) {
                if (c->Name != "text:insertion" && c->Name != "text:deletion")
                    continue;
                TChange change;
                change.Type = c->Name == "text:insertion" ? artInsert : artDelete;
                change.Id = next++;
                change.Region = c.get();
                ChangeInfo(*c, change.Author, change.Date);
                FChanges[id] = std::move(change);
                break;
            }
        }
    }

    // Insertions mark the text between their start and end; a deletion puts the
    // deleted text back where it stood, marked deleted. Format changes are not kept.
    void Change(const TVYXODTNode& node, TParaCtx& ctx, int depth)
    {
        const auto it = FChanges.find(std::string(node.Attr("text:change-id")));
        if (it == FChanges.end() || FScope != aosContent)
            return;
        TChange& change = it->second;
        BeforeObject(ctx);
        if (node.Name == "text:change") {
            if (change.Type != artDelete || FInDeletion || change.Used)
                return;
            change.Used = true;
            const std::int32_t from = ctx.Para->EndOfParaPos();
            FInDeletion = true;
            for (const auto& c : change.Region->Children)
                if (c->Name == "text:p" || c->Name == "text:h")
                    Inline(*c, ctx, depth + 1);
            FInDeletion = false;
            BeforeObject(ctx);
            const std::int32_t to = ctx.Para->EndOfParaPos();
            if (to > from)
                ctx.Para->ApplyRevision(*FDoc.Revision().FileAdd(change.Id, change.Date, change.Author, artDelete),
                                        from, to);
        } else if (change.Type == artInsert) {
            if (node.Name == "text:change-start") {
                TOpenInsertion& open = FOpenInsertions[it->first];
                open.Data = FDoc.Revision().FileAdd(change.Id, change.Date, change.Author, artInsert);
                open.Para = ctx.Para;
                open.From = ctx.Para->EndOfParaPos();
            } else if (auto o = FOpenInsertions.find(it->first); o != FOpenInsertions.end()) {
                ctx.Para->ApplyRevision(*o->second.Data, o->second.Para == ctx.Para ? o->second.From : 1,
                                        ctx.Para->EndOfParaPos());
                FOpenInsertions.erase(o);
            }
        }
    }

    // Comments: their paragraphs as the comment's text, over the range up to their end mark.
    void Annotation(const TVYXODTNode& node, TParaCtx& ctx)
    {
        if (FScope != aosContent || FInDeletion)
            return;
        const std::string name(node.Attr("office:name"));
        BeforeObject(ctx);
        if (node.Name == "office:annotation-end") {
            if (auto it = FOpenComments.find(name); it != FOpenComments.end()) {
                ctx.Para->EndComment(*it->second);
                FOpenComments.erase(it);
            }
            return;
        }
        auto comment = std::make_unique<TVYXComment>();
        if (const TVYXODTNode* creator = node.Child("dc:creator")) {
            comment->Author.clear();
            CollectText(*creator, comment->Author);
        }
        if (const TVYXODTNode* when = node.Child("dc:date")) {
            std::u16string text;
            CollectText(*when, text);
            comment->DateTime = XmlTryStrToDateTime(Utf16ToUtf8(text)).value_or(0);
        }
        for (const auto& c : node.Children)
            if (c->Name == "text:p" || c->Name == "text:h") {
                std::u16string text;
                CollectText(*c, text);
                comment->Text.push_back(std::move(text));
            }
        TVYXComment* added = ctx.Para->AppendComment(FDoc.Comments(), std::move(comment));
        if (!added)
            return;
        // A comment with a name waits for its end mark; one without covers no text.
        if (name.empty() || FOpenComments.count(name))
            ctx.Para->EndComment(*added);
        else
            FOpenComments[name] = added;
    }

    // ---- Frames: pictures and text boxes ----

    void Frame(const TVYXODTNode& node, TParaCtx& ctx)
    {
        double width = 72, height = 72;
        VYXODTLength(node.Attr("svg:width"), width);
        VYXODTLength(node.Attr("svg:height"), height);
        width = std::clamp(width, 1.0, 20000.0);
        height = std::clamp(height, 1.0, 20000.0);
        if (const TVYXODTNode* box = node.Child("draw:text-box")) {
            BeforeObject(ctx);
            TVYXCharRunGraphic* run = ctx.Para->AppendTextBox(width, height);
            auto* shape = run ? dynamic_cast<TVYXGraphicRotate*>(run->Graphic.get()) : nullptr;
            if (shape && shape->TextBox && shape->TextBox->Paras && FFrameDepth < 8) {
                TSink sink{shape->TextBox->Paras, FirstUnusedPara(*shape->TextBox->Paras)};
                ++FFrameDepth;
                const bool inNote = FInNote;
                FInNote = true;  // notes inside boxes stay in the box's text
                Blocks(*box, sink, nullptr);
                FInNote = inNote;
                --FFrameDepth;
                EndList(sink);
            }
            return;
        }
        // The first picture that loads: the image itself, or an object's replacement.
        for (const auto& c : node.Children) {
            if (c->Name != "draw:image")
                continue;
            std::string bytes;
            if (const TVYXODTNode* data = c->Child("office:binary-data")) {
                std::u16string text;
                CollectText(*data, text);
                TNyqDOMAttribute decoder;
                decoder.Value = Utf16ToUtf8(text);
                bytes = decoder.GetAsBase64();
            } else if (!FODT.ReadFile(c->Attr("xlink:href"), bytes)) {
                ++FMissingPictures;
                if (TVYXErrorManager* errors = FDoc.Errors())
                    errors->Warning("Picture is missing: " + std::string(c->Attr("xlink:href")), cCodeMissingPicture);
                continue;
            }
            if (bytes.empty())
                continue;
            BeforeObject(ctx);
            if (AddPicture(node, ctx, bytes, width, height))
                return;
        }
    }

    // A picture of the document's store at the frame's size: inline when the frame is
    // anchored as a character, else floating at its offset from the paragraph.
    bool AddPicture(const TVYXODTNode& frame, TParaCtx& ctx, const std::string& bytes, double width, double height)
    {
        std::unique_ptr<TVYXGraphicPicture> graphic;
        try {
            TVYXMemoryStream stream(bytes);
            graphic = std::make_unique<TVYXGraphicPicture>(&FDoc.Pictures().AddPicture(stream));
        } catch (const VYXException&) {
            // Formats the store does not know stay as the run's bytes when the run can hold them.
            TVYXCharRunPicture* run = ctx.Para->AppendPicture();
            try {
                run->LoadPicture(bytes);
                return true;
            } catch (const VYXException& e) {
                ctx.Para->DeleteText(ctx.Para->EndOfParaPos() - 1, ctx.Para->EndOfParaPos(), nullptr);
                if (TVYXErrorManager* errors = FDoc.Errors())
                    errors->Warning(std::string("Picture not read: ") + e.what(), cCodeBadPicture);
                return false;
            }
        }
        graphic->Width = width;
        graphic->Height = height;
        graphic->Title = frame.Attr("draw:name");
        const std::string_view anchor = frame.Attr("text:anchor-type", "paragraph");
        if (anchor == "as-char" || FFrameDepth > 0) {
            graphic->Wrap = agowInLine;
            ctx.Para->AppendGraphic(std::move(graphic));
            return true;
        }
        double x = 0, y = 0;
        VYXODTLength(frame.Attr("svg:x"), x);
        VYXODTLength(frame.Attr("svg:y"), y);
        graphic->PosLeft = std::clamp(x, -20000.0, 20000.0);
        graphic->PosTop = std::clamp(y, -20000.0, 20000.0);
        const TVYXODTPropMap& box = FStyles.Resolve(FScope, "graphic", frame.Attr("draw:style-name")).Box;
        const auto wrap = box.find("style:wrap");
        const auto through = box.find("style:run-through");
        if (wrap != box.end() && wrap->second == "run-through")
            graphic->Wrap = through != box.end() && through->second == "background" ? agowBehind : agowInFront;
        else
            graphic->Wrap = wrap != box.end() && wrap->second == "none" ? agowTopBottom : agow_ParaLeft;  // text flows around the picture
        ctx.Para->AddGraphic(std::move(graphic));
        return true;
    }

    // ---- Tables ----

    struct TCellRef {
        const TVYXODTNode* Node = nullptr;
        bool Covered = false;
        int ColSpan = 1, RowSpan = 1;
        bool Copy = false;  // a repeat of the cell before it
    };

    void CollectColumns(const TVYXODTNode& node, std::vector<double>& widths, int depth)
    {
        for (const auto& c : node.Children) {
            if (c->Name == "table:table-column") {
                const int repeat = IntAttr(*c, "table:number-columns-repeated", 1, 1, 1024);
                double width = 0;
                const TVYXODTPropMap& box = FStyles.Resolve(FScope, "table-column", c->Attr("table:style-name")).Box;
                if (const auto it = box.find("style:column-width"); it != box.end())
                    VYXODTLength(it->second, width);
                for (int i = 0; i < repeat && widths.size() < 1024; ++i)
                    widths.push_back(width);
            } else if ((c->Name == "table:table-columns" || c->Name == "table:table-header-columns" ||
                        c->Name == "table:table-column-group") && depth < 16) {
                CollectColumns(*c, widths, depth + 1);
            }
        }
    }

    // Cells of a row as the grid will hold them: repeats expanded, at most 1024.
    static long RowWidth(const TVYXODTNode& row)
    {
        long width = 0;
        for (const auto& c : row.Children) {
            if (c->Name == "table:table-cell" || c->Name == "table:covered-table-cell")
                width += IntAttr(*c, "table:number-columns-repeated", 1, 1, 1024);
            if (width >= 1024)
                return 1024;
        }
        return width;
    }

    // What copying `node`'s content once costs against cMaxRepeatedContent: its
    // elements, characters and spaces, counted up to `limit`.
    long ContentWeight(const TVYXODTNode& node, long limit)
    {
        if (const auto it = FContentWeights.find(&node); it != FContentWeights.end())
            return it->second;
        long weight = 0;
        std::vector<const TVYXODTNode*> stack;
        for (const auto& c : node.Children)
            stack.push_back(c.get());
        while (!stack.empty() && weight <= limit) {
            const TVYXODTNode* n = stack.back();
            stack.pop_back();
            weight += 1 + static_cast<long>(n->Text.size());
            if (n->Name == "text:s")
                weight += IntAttr(*n, "text:c", 1, 1, cMaxSpaces);
            for (const auto& c : n->Children)
                stack.push_back(c.get());
        }
        FContentWeights.emplace(&node, weight);
        return weight;
    }

    void CollectRows(const TVYXODTNode& node, std::vector<const TVYXODTNode*>& rows,
                     std::unordered_set<const TVYXODTNode*>& headers, long& cells, int depth, bool header = false)
    {
        for (const auto& c : node.Children) {
            if (c->Name == "table:table-row") {
                if (header)
                    headers.insert(c.get());
                const int repeat = IntAttr(*c, "table:number-rows-repeated", 1, 1, cVYXMaxTableRows);
                const long width = std::max<long>(1, RowWidth(*c));
                for (int i = 0; i < repeat; ++i) {
                    if (static_cast<int>(rows.size()) >= cVYXMaxTableRows || cells + width > cMaxTableCells) {
                        FClipped = true;
                        return;
                    }
                    rows.push_back(c.get());
                    cells += width;
                }
            } else if ((c->Name == "table:table-header-rows" || c->Name == "table:table-rows" ||
                        c->Name == "table:table-row-group") && depth < 16) {
                CollectRows(*c, rows, headers, cells, depth + 1, header || c->Name == "table:table-header-rows");
            }
        }
    }

    void Table(const TVYXODTNode& node, TSink& sink)
    {
        std::vector<double> widths;
        CollectColumns(node, widths, 0);
        std::vector<const TVYXODTNode*> rowNodes;
        long cellCount = 0;
        FClipped = false;
        std::unordered_set<const TVYXODTNode*> headerRows;  // rows that repeat on each page
        CollectRows(node, rowNodes, headerRows, cellCount, 0);
        if (rowNodes.empty())
            return;
        // The grid: each row's cells with repeats expanded, as many columns as the
        // widest row or the column list says, at most the model's limit.
        std::vector<std::vector<TCellRef>> grid;
        grid.reserve(rowNodes.size());
        std::size_t cols = widths.size();
        for (const TVYXODTNode* r : rowNodes) {
            std::vector<TCellRef>& row = grid.emplace_back();
            for (const auto& c : r->Children) {
                const bool covered = c->Name == "table:covered-table-cell";
                if (c->Name != "table:table-cell" && !covered)
                    continue;
                const int repeat = IntAttr(*c, "table:number-columns-repeated", 1, 1, 1024);
                for (int i = 0; i < repeat && row.size() < 1024; ++i)
                    row.push_back({c.get(), covered, IntAttr(*c, "table:number-columns-spanned", 1, 1, 1024),
                                   IntAttr(*c, "table:number-rows-spanned", 1, 1, cVYXMaxTableRows), i > 0});
            }
            cols = std::max(cols, row.size());
        }
        if (cols > static_cast<std::size_t>(cVYXMaxTableCols))
            FClipped = true;
        const int nCols = static_cast<int>(std::clamp<std::size_t>(cols, 1, cVYXMaxTableCols));
        if (static_cast<long>(grid.size()) * nCols > cMaxTableCells) {
            grid.resize(static_cast<std::size_t>(cMaxTableCells / nCols));
            FClipped = true;
        }
        const int nRows = static_cast<int>(grid.size());
        if (FClipped)
            if (TVYXErrorManager* errors = FDoc.Errors())
                errors->Warning("Table too large: clipped to the model's limits", cCodeTableClipped);

        TVYXLogPara* unused = sink.Reuse;
        TVYXTable* table = sink.Paras->AddTable(nCols, nRows);
        if (!table)
            return;
        if (unused && sink.Paras->Count() == 2 && sink.Paras->ParaAtIndex(0) == unused) {
            sink.Paras->Delete(0);  // a cell or note that starts with the table
            sink.Reuse = nullptr;
        }
        const TVYXODTProps& tableProps = FStyles.Resolve(FScope, "table", node.Attr("table:style-name"));
        double total = 0;
        for (int c = 0; c < nCols && c < static_cast<int>(widths.size()); ++c)
            total += widths[static_cast<std::size_t>(c)];
        double width = 0;
        const auto w = tableProps.Box.find("style:width");
        if (w == tableProps.Box.end() || !VYXODTLength(w->second, width) || width <= 0)
            width = total > 0 ? total : FDoc.Width();
        table->SetWidth(width);
        for (int c = 0; c < nCols; ++c) {
            const double cw = c < static_cast<int>(widths.size()) && widths[static_cast<std::size_t>(c)] > 0
                                  ? widths[static_cast<std::size_t>(c)]
                                  : width / nCols;
            table->SetColWidth(c, total > 0 && width > 0 ? cw * width / total : cw);
        }
        if (const auto a = tableProps.Box.find("table:align"); a != tableProps.Box.end())
            table->TAPX().SetAlignment(a->second == "center" ? vyptaCenter : a->second == "right" ? vyptaRight
                                                                                                   : vyptaLeft);
        struct TMerge {
            int Col, Row, Col2, Row2;
        };
        std::vector<TMerge> merges;
        for (int r = 0; r < nRows; ++r) {
            const auto& row = grid[static_cast<std::size_t>(r)];
            TVYXTableRow* modelRow = table->GetRows(r);
            const TVYXODTNode* rowNode = rowNodes[static_cast<std::size_t>(r)];
            const bool rowCopy = r > 0 && rowNodes[static_cast<std::size_t>(r - 1)] == rowNode;
            modelRow->RptData = headerRows.count(rowNode) > 0;
            const TVYXODTPropMap& rowBox = FStyles.Resolve(FScope, "table-row", rowNode->Attr("table:style-name")).Box;
            double height = 0;
            if (const auto h = rowBox.find("style:row-height"); h != rowBox.end() && VYXODTLength(h->second, height))
                modelRow->Height = std::clamp(height, 0.0, 20000.0);
            else if (const auto m = rowBox.find("style:min-row-height");
                     m != rowBox.end() && VYXODTLength(m->second, height))
                modelRow->MHeight = std::clamp(height, 0.0, 20000.0);
            for (int c = 0; c < static_cast<int>(row.size()); ++c) {
                const TCellRef& ref = row[static_cast<std::size_t>(c)];
                if (ref.Covered)
                    continue;  // what a covered cell holds is hidden
                TVYXTableCell* cell = table->GetCells(std::min(c, nCols - 1), r);
                if (!cell)
                    continue;
                if (c < nCols) {
                    const TVYXODTPropMap& cellBox =
                        FStyles.Resolve(FScope, "table-cell", ref.Node->Attr("table:style-name")).Box;
                    FStyles.ApplyCell(cellBox, cell->Props());
                    if (const auto v = cellBox.find("style:vertical-align"); v != cellBox.end())
                        cell->AlignVert = v->second == "middle" ? atcavCenter : v->second == "bottom" ? atcavBottom
                                                                                                      : atcavTop;
                    if (ref.ColSpan > 1 || ref.RowSpan > 1)
                        merges.push_back({c, r, std::min(c + ref.ColSpan, nCols) - 1,
                                          std::min(r + ref.RowSpan, nRows) - 1});
                }
                if (ref.Copy || rowCopy) {
                    const long left = cMaxRepeatedContent - FRepeatedContent;
                    const long weight = ContentWeight(*ref.Node, left);
                    if (weight > left) {
                        if (!FRepeatsClipped)
                            if (TVYXErrorManager* errors = FDoc.Errors())
                                errors->Warning("Repeated table cells too large: later copies left empty",
                                                cCodeTableClipped);
                        FRepeatsClipped = true;
                        continue;
                    }
                    FRepeatedContent += weight;
                }
                // Cells past the last column add their text to the last cell.
                TSink cellSink{&cell->Paras(), c < nCols ? FirstUnusedPara(cell->Paras()) : nullptr};
                Blocks(*ref.Node, cellSink, nullptr);
                EndList(cellSink);
            }
        }
        // Right to left, so that cell indexes left of a merge still name grid columns.
        std::stable_sort(merges.begin(), merges.end(), [](const TMerge& a, const TMerge& b) { return a.Col > b.Col; });
        for (const TMerge& m : merges)
            if (m.Col2 > m.Col || m.Row2 > m.Row)
                table->MergeCells(m.Col, m.Row, m.Col2, m.Row2);
        if (sink.Paras->Cell())
            table->SetWithinTable();
    }

    TVYXLogDocEditor& FDoc;
    TVYXODT& FODT;
    int& FMissingPictures;
    TVYXODTStyles FStyles;
    TVYXODTScope FScope = aosContent;
    bool FInNote = false;
    bool FClipped = false;
    long FRepeatedContent = 0;  // see cMaxRepeatedContent
    bool FRepeatsClipped = false;
    std::unordered_map<const TVYXODTNode*, long> FContentWeights;
    int FFrameDepth = 0;
    std::unordered_map<std::string, std::unique_ptr<TVYXCHPX>> FCHPXCache;
    std::unordered_map<std::string, TVYXNumberingsList*> FLastListOfStyle;  // borrowed
    std::unordered_map<std::string, TVYXNumberingsList*> FListsById;        // borrowed: by xml:id
    std::unordered_map<std::u16string, TVYXBookmark*> FOpenBookmarks;      // borrowed
    std::unordered_map<std::string, TVYXComment*> FOpenComments;           // borrowed
    std::unordered_map<std::string, TChange> FChanges;                     // by change id
    std::map<std::string, TOpenInsertion> FOpenInsertions;                 // by change id
    bool FInDeletion = false;
    const TVYXODTNode* FMaster = nullptr;  // the master page of the section being read
    int FSections = 0;
    TVYXNumberingsList* FOutline = nullptr;  // borrowed: the numbering of headings, when numbered
    std::unordered_map<std::string, TVYXParaStyle*> FModelStyles;  // borrowed: the sheet owns them
};
}  // namespace

TVYXReadODT::TVYXReadODT(TVYXLogDocEditor& doc) : FODT(std::make_unique<TVYXODT>()), FDoc(doc) {}

TVYXReadODT::~TVYXReadODT() = default;

void TVYXReadODT::LoadFromFile(const std::string& fileName)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    TVYXFileStream stream(fileName, vyfmRead);
    LoadFromStream(stream);
}

void TVYXReadODT::LoadFromStream(TVYXStream& stream)
{
    FMissingPictures = 0;
    FDoc.Clear();
    TVYXEditorUpdate update(FDoc);
    try {
        FODT->OpenRead(stream);
        FODT->ReadContent();
        TBuilder builder(FDoc, *FODT, FMissingPictures);
        builder.Run();
    } catch (...) {
        // What was read stays, and the body still ends with a paragraph.
        FDoc.GetOrAddLastPara();
        throw;
    }
    FDoc.GetOrAddLastPara();
}
