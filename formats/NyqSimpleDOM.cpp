// NyqSimpleDOM.cpp: the XML tree, its loading and saving.
#include "formats/NyqSimpleDOM.h"

#include <algorithm>

#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace {

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

}  // namespace

std::string TNyqDOMAttribute::GetAsBase64() const
{
    std::string out;
    unsigned acc = 0;
    int bits = 0;
    for (char c : Value) {
        if (c == ' ' || c == '\r' || c == '\n' || c == '\t')
            continue;
        if (c == '=')
            break;
        const int v = Base64Value(c);
        if (v < 0)
            return {};
        acc = (acc << 6) | static_cast<unsigned>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<char>((acc >> bits) & 0xFFu));
        }
    }
    return out;
}

TNyqDOMAttribute& TNyqDOMAttributes::Add(std::string_view name, std::string_view value, int id)
{
    FItems.push_back({std::string(name), std::string(value), id});
    return FItems.back();
}

const TNyqDOMAttribute* TNyqDOMAttributes::Find(std::string_view name) const
{
    for (const auto& a : FItems)
        if (a.Name == name)
            return &a;
    return nullptr;
}

std::string TNyqDOMAttributes::FindValue(std::string_view name, std::string_view def) const
{
    const auto* a = Find(name);
    return a ? a->Value : std::string(def);
}

int TNyqDOMAttributes::FindValueInt(std::string_view name, int def) const
{
    const auto* a = Find(name);
    return a ? XmlStrToIntDef(a->Value, def) : def;
}

double TNyqDOMAttributes::FindValueFloat(std::string_view name, double def) const
{
    const auto* a = Find(name);
    return a ? XmlTryStrToFloat(a->Value).value_or(def) : def;
}

bool TNyqDOMAttributes::FindValueBool(std::string_view name, bool def) const
{
    const auto* a = Find(name);
    return a ? XmlStrToBoolDef(a->Value, def) : def;
}

void TNyqDOMAttributes::Update(std::string_view name, std::string_view value)
{
    for (auto& a : FItems)
        if (a.Name == name) {
            a.Value.assign(value);
            return;
        }
    Add(name, value);
}

bool TNyqDOMAttributes::EqualValue(std::string_view name, std::string_view value) const
{
    const auto* a = Find(name);
    return a && a->Value == value;
}

// ---------------------------------------------------------------------------
// TNyqDOMNode

TNyqDOMNode::TNyqDOMNode(std::string name, std::string text) : FName(std::move(name)), FText(std::move(text)) {}

// Frees the subtree without recursion: children are moved onto a local list
// and emptied one by one, so each destructor call sees a node without children.
TNyqDOMNode::~TNyqDOMNode()
{
    std::vector<std::unique_ptr<TNyqDOMNode>> pending = std::move(FChildren);
    while (!pending.empty()) {
        std::unique_ptr<TNyqDOMNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& c : node->FChildren)
            pending.push_back(std::move(c));
        node->FChildren.clear();
    }
}

double TNyqDOMNode::GetAsFloat(double def) const { return XmlTryStrToFloat(FText).value_or(def); }

TNyqDateTime TNyqDOMNode::GetAsDateTime(TNyqDateTime def) const
{
    return XmlTryStrToDateTime(FText).value_or(def);
}

TNyqDOMNode& TNyqDOMNode::AddChild(std::string_view name, std::string_view value)
{
    return AddChild(std::make_unique<TNyqDOMNode>(std::string(name), std::string(value)));
}

TNyqDOMNode& TNyqDOMNode::AddChild(std::unique_ptr<TNyqDOMNode> node)
{
    node->FParent = this;
    FChildren.push_back(std::move(node));
    return *FChildren.back();
}

TNyqDOMNode& TNyqDOMNode::AddOrGetChild(std::string_view name)
{
    if (TNyqDOMNode* n = Find(name))
        return *n;
    return AddChild(name);
}

TNyqDOMNode* TNyqDOMNode::Find(std::string_view name, bool recursive) const
{
    if (!recursive) {
        for (const auto& c : FChildren)
            if (c->FName == name)
                return c.get();
        return nullptr;
    }
    std::vector<const TNyqDOMNode*> stack{this};
    while (!stack.empty()) {
        const TNyqDOMNode* n = stack.back();
        stack.pop_back();
        for (auto it = n->FChildren.rbegin(); it != n->FChildren.rend(); ++it)
            stack.push_back(it->get());
        if (n != this && n->FName == name)
            return const_cast<TNyqDOMNode*>(n);
    }
    return nullptr;
}

void TNyqDOMNode::FindAll(std::string_view name, std::vector<TNyqDOMNode*>& result, bool recursive) const
{
    std::vector<const TNyqDOMNode*> stack;
    for (auto it = FChildren.rbegin(); it != FChildren.rend(); ++it)
        stack.push_back(it->get());
    while (!stack.empty()) {
        const TNyqDOMNode* n = stack.back();
        stack.pop_back();
        if (n->FName == name)
            result.push_back(const_cast<TNyqDOMNode*>(n));
        if (recursive)
            for (auto it = n->FChildren.rbegin(); it != n->FChildren.rend(); ++it)
                stack.push_back(it->get());
    }
}

TNyqDOMNode* TNyqDOMNode::FindChildWithAttrValue(std::string_view name, std::string_view attr,
                                                 std::string_view value) const
{
    for (const auto& c : FChildren)
        if (c->FName == name && c->FAttributes.EqualValue(attr, value))
            return c.get();
    return nullptr;
}

void TNyqDOMNode::DeleteChildAll(std::string_view name)
{
    std::erase_if(FChildren, [&](const std::unique_ptr<TNyqDOMNode>& c) { return c->FName == name; });
}

void TNyqDOMNode::DeleteChildFirst(std::string_view name)
{
    const auto it = std::find_if(FChildren.begin(), FChildren.end(),
                                 [&](const std::unique_ptr<TNyqDOMNode>& c) { return c->FName == name; });
    if (it != FChildren.end())
        FChildren.erase(it);
}

int TNyqDOMNode::IndexInParent() const
{
    if (!FParent)
        return -1;
    for (std::size_t i = 0; i < FParent->FChildren.size(); ++i)
        if (FParent->FChildren[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

std::unique_ptr<TNyqDOMNode> TNyqDOMNode::Detach()
{
    const int i = IndexInParent();
    if (i < 0)
        return nullptr;
    auto& siblings = FParent->FChildren;
    std::unique_ptr<TNyqDOMNode> self = std::move(siblings[static_cast<std::size_t>(i)]);
    siblings.erase(siblings.begin() + i);
    FParent = nullptr;
    return self;
}

std::unique_ptr<TNyqDOMNode> TNyqDOMNode::Clone() const
{
    auto copy = std::make_unique<TNyqDOMNode>(FName, FText);
    copy->FAttributes = FAttributes;
    std::vector<std::pair<const TNyqDOMNode*, TNyqDOMNode*>> stack{{this, copy.get()}};
    while (!stack.empty()) {
        auto [src, dst] = stack.back();
        stack.pop_back();
        for (const auto& c : src->FChildren) {
            TNyqDOMNode& n = dst->AddChild(c->FName, c->FText);
            n.FAttributes = c->FAttributes;
            stack.emplace_back(c.get(), &n);
        }
    }
    return copy;
}

TNyqDOMNode* TNyqDOMNode::NextSibling() const
{
    const int i = IndexInParent();
    if (i < 0 || i + 1 >= FParent->ChildCount())
        return nullptr;
    return FParent->FChildren[static_cast<std::size_t>(i) + 1].get();
}

TNyqDOMNode* TNyqDOMNode::PrevSibling() const
{
    const int i = IndexInParent();
    return i <= 0 ? nullptr : FParent->FChildren[static_cast<std::size_t>(i) - 1].get();
}

// ---------------------------------------------------------------------------
// TNyqSimpleDOM

TNyqSimpleDOM::TNyqSimpleDOM() : FRoot(std::make_unique<TNyqDOMNode>()) {}
TNyqSimpleDOM::~TNyqSimpleDOM() = default;

void TNyqSimpleDOM::Clear()
{
    FRoot = std::make_unique<TNyqDOMNode>();
    FStack.clear();
}

// A failed load keeps the elements read so far: the tree is valid at every event.
template <typename F>
void TNyqSimpleDOM::Load(F load)
{
    Clear();
    FStack.push_back(FRoot.get());
    try {
        load();
    } catch (...) {
        FStack.clear();
        throw;
    }
    FStack.clear();
}

void TNyqSimpleDOM::LoadFromFile(const std::string& fileName)
{
    Load([&] { TNyqReadXML::LoadFromFile(fileName); });
}

void TNyqSimpleDOM::LoadFromStream(TVYXStream& stream)
{
    Load([&] { TNyqReadXML::LoadFromStream(stream); });
}

void TNyqSimpleDOM::LoadFromStreamHtml(TVYXStream& stream)
{
    Load([&] { TNyqReadXML::LoadFromStreamHtml(stream); });
}

void TNyqSimpleDOM::LoadFromString(std::string_view xml)
{
    Load([&] { TNyqReadXML::LoadFromBuffer(xml); });
}

void TNyqSimpleDOM::LoadFromBuffer(const char* buffer, std::size_t length)
{
    Load([&] { TNyqReadXML::LoadFromBuffer(std::string_view(buffer, length)); });
}

void TNyqSimpleDOM::BeginTag()
{
    BeforeAddNode();
    std::string text = TextUtf8();
    if (!KeepTextUntrimmed)
        text = std::string(NyqTrimBlanks(text));
    TNyqDOMNode& node = FStack.back()->AddChild(QName(), text);
    const auto& attrs = Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string name = attrs.GetAttributes(i);
        node.Attributes().Add(name, attrs.GetValues(i), GetAttributeId(name));
    }
    FStack.push_back(&node);
}

void TNyqSimpleDOM::EndTag()
{
    // A stray end tag never pops the document node.
    if (FStack.size() > 1)
        FStack.pop_back();
}

void TNyqSimpleDOM::CData(std::string_view body)
{
    if (FStack.size() > 1) {
        std::string text = FStack.back()->GetAsString();
        text.append(body);
        FStack.back()->SetAsString(text);
    }
}

std::string TNyqSimpleDOM::SaveToString() const
{
    TNyqWriteXML w;
    w.Declaration();
    // Each stack entry is a node and whether its children were written already.
    std::vector<std::pair<const TNyqDOMNode*, bool>> stack;
    for (int i = FRoot->ChildCount() - 1; i >= 0; --i)
        stack.emplace_back(&FRoot->Child(i), false);
    while (!stack.empty()) {
        auto [node, done] = stack.back();
        stack.pop_back();
        if (done) {
            // An element with children keeps its own text too; it is written
            // before the end tag, which is where the writer puts element text.
            w.SetText(node->GetAsString());
            w.EndTag();
            continue;
        }
        const auto& attrs = node->Attributes();
        for (int i = 0; i < attrs.Count(); ++i)
            w.AddAttribute(attrs[i].Name, attrs[i].Value);
        if (node->ChildCount() == 0) {
            w.SetText(node->GetAsString());
            w.SimpleTag(node->Name());
            continue;
        }
        w.BeginTag(node->Name());
        stack.emplace_back(node, true);
        for (int i = node->ChildCount() - 1; i >= 0; --i)
            stack.emplace_back(&node->Child(i), false);
    }
    return w.TakeBytes();
}

void TNyqSimpleDOM::SaveToStream(TVYXStream& stream) const { stream.WriteString(SaveToString()); }

void TNyqSimpleDOM::SaveToFile(const std::string& fileName) const { VYXWriteFile(fileName, SaveToString()); }
