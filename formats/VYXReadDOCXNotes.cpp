// VYXReadDOCXNotes.cpp: the DOCX reader's footnotes, endnotes, comments, headers and footers.
#include "formats/VYXReadDOCXImpl.h"

#include <map>
#include <vector>

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
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"

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
