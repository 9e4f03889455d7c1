// VYXReadDOCXTree.cpp: the DOCX reader's element trees: a part tokenized into flat nodes.
#include "formats/VYXReadDOCXImpl.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vyx_docx {

void TDxTree::Load(std::string xml)
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

const TDxNode* TDxTree::FindDeep(const TDxNode& n, TDocxElement e) const
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

void TDxTree::BeginTag()
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

void TDxTree::EndTag()
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

std::string_view TDxTree::RawValueOf(int i) const
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

}  // namespace vyx_docx
