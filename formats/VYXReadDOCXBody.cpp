// VYXReadDOCXBody.cpp: the DOCX reader's stories: blocks, paragraphs, runs, bookmarks and permissions.
#include "formats/VYXReadDOCXImpl.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXReadWriteOPC5.h"
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
#include "platform/VYXUnicode.h"

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
