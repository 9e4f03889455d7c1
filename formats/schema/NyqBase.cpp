// NyqBase.cpp: reading and writing machinery of the generated schema classes.
#include "formats/schema/NyqBase.h"

#include "platform/VYXException.h"
#include "platform/VYXStream.h"

TNYQBase* TNYQBase::HandleElement(TNYQReader& /*reader*/) { return nullptr; }

void TNYQBase::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i)
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
}

bool TNYQBase::IsNamespaceAttribute(std::string_view name)
{
    return name == "xmlns" || name.substr(0, 6) == "xmlns:" || name.substr(0, 4) == "xml:" ||
           name.substr(0, 3) == "mc:";
}

void NyqWriteChild(TNyqWriteXML& writer, std::string_view name, const TNYQBase& child)
{
    child.WriteAttributes(writer);
    if (child.HasElements()) {
        // Text held beside child elements was read from before the first one,
        // so it goes there, right after the begin tag: a line end between them
        // would become part of the text on the next reading.
        if (const std::string_view text = child.TextContent(); !text.empty())
            writer.BeginTextTag(name, text);
        else
            writer.BeginTag(name);
        child.Write(writer);
        writer.EndTag();
    } else {
        writer.SetText(child.TextContent());
        writer.SimpleTag(name);
    }
}

void NyqBadAttributeValue(TNYQReader& reader, int index)
{
    const auto& attrs = reader.Attributes();
    reader.Error(nyqpeUnknownAttribute, std::string(attrs.RawName(index)) + "=" + attrs.GetValues(index));
}

// ---------------------------------------------------------------------------

TNYQBase* TNYQAnyElement::HandleElement(TNYQReader& reader)
{
    Children.push_back(std::make_unique<TNYQAnyElement>());
    Children.back()->Name = reader.QName();
    SetHasChildren();
    return Children.back().get();
}

void TNYQAnyElement::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i)
        Attributes.emplace_back(attrs.GetAttributes(i), attrs.GetValues(i));
}

void TNYQAnyElement::BeforeTag(TNYQReader& reader)
{
    SetAssigned();
    Text = reader.SelfClosing() ? std::string() : reader.TextUtf8();
    if (Text.find_first_not_of(" \t\r\n") == std::string::npos)
        Text.clear();
}

void TNYQAnyElement::Write(TNyqWriteXML& writer) const
{
    for (const auto& c : Children)
        NyqWriteChild(writer, c->Name, *c);
}

void TNYQAnyElement::WriteAttributes(TNyqWriteXML& writer) const
{
    for (const auto& [name, value] : Attributes)
        writer.AddAttribute(name, value);
}

void TNYQValueElement::BeforeTag(TNYQReader& reader)
{
    if (!reader.SelfClosing())
        Text = reader.TextUtf8();
}

void TNYQValueElement::Assign(const TNYQBase& other)
{
    if (const auto* o = dynamic_cast<const TNYQValueElement*>(&other)) {
        FState = o->FState;
        Text = o->Text;
    }
}

void TNYQAnyElement::Clear()
{
    TNYQBase::Clear();
    Name.clear();
    Attributes.clear();
    Text.clear();
    Children.clear();
}

void TNYQAnyElement::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TNYQAnyElement*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    Name = o->Name;
    Attributes = o->Attributes;
    Text = o->Text;
    for (const auto& c : o->Children) {
        Children.push_back(std::make_unique<TNYQAnyElement>());
        Children.back()->Assign(*c);
    }
}

TNYQAnyElement& TNYQOpenList::AddAny(std::string name)
{
    auto& e = Add<TNYQAnyElement>(name);
    e.Name = std::move(name);
    return e;
}

void TNYQOpenList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FItems)
        NyqWriteChild(writer, item.Name, *item.Object);
}

void TNYQOpenList::Assign(const TNYQOpenList& other, TFactory factory)
{
    Clear();
    for (const auto& item : other.FItems) {
        std::unique_ptr<TNYQBase> copy;
        if (dynamic_cast<const TNYQAnyElement*>(item.Object.get()))
            copy = std::make_unique<TNYQAnyElement>();
        else if (factory)
            copy = factory(item.Name);
        if (!copy)
            continue;
        copy->Assign(*item.Object);
        FItems.push_back({item.Name, std::move(copy)});
    }
}

TNYQAnyElement& TNYQAnyElements::Add(std::string name)
{
    FItems.push_back(std::make_unique<TNYQAnyElement>());
    FItems.back()->Name = std::move(name);
    return *FItems.back();
}

void TNYQAnyElements::Write(TNyqWriteXML& writer) const
{
    for (const auto& e : FItems)
        NyqWriteChild(writer, e->Name, *e);
}

// ---------------------------------------------------------------------------

void TNYQDocBase::LoadFromBuffer(std::string_view xml)
{
    Clear();
    FErrors.Clear();
    RootAttributes.clear();
    TNYQReader reader(*this);
    reader.LoadFromBuffer(xml);
}

void TNYQDocBase::LoadFromStream(TVYXStream& stream)
{
    const std::string xml = stream.ReadAll();
    LoadFromBuffer(xml);
}

void TNYQDocBase::WriteRootAttributes(TNyqWriteXML& writer, std::string_view nsAttr, std::string_view ns) const
{
    for (const auto& [name, value] : RootAttributes)
        if (name != nsAttr && name.substr(0, 4) != "xml:" && IsNamespaceAttribute(name))
            writer.AddAttribute(name, value);
    writer.AddAttribute(nsAttr, ns);
}

std::string TNYQDocBase::SaveToString() const
{
    TNyqWriteXML w;
    w.Declaration();
    Write(w);
    return w.TakeBytes();
}

// ---------------------------------------------------------------------------

TNYQReader::TNYQReader(TNYQDocBase& doc) : FDoc(doc), FCurrent(&doc) {}

void TNYQReader::BeginTag()
{
    if (FSkipDepth > 0) {
        ++FSkipDepth;
        return;
    }
    TNYQBase* child = FCurrent->HandleElement(*this);
    if (!child) {
        Error(nyqpeUnknownElement, QName());
        FSkipDepth = 1;
        return;
    }
    if (static_cast<int>(FStack.size()) >= cMaxDepth)
        throw VYXException("XML nesting too deep");
    // The declarations are the part's, written on every root: a damaged part with
    // several roots must not gather each root's copy, or they double on every save.
    if (FStack.empty() && FDoc.RootAttributes.empty()) {
        const auto& attrs = Attributes();
        for (int i = 0; i < attrs.Count(); ++i)
            FDoc.RootAttributes.emplace_back(attrs.GetAttributes(i), attrs.GetValues(i));
    }
    FStack.push_back(FCurrent);
    FCurrent = child;
    child->SetAssigned();
    if (Attributes().Count() > 0)
        child->AssignAttributes(*this);
    child->BeforeTag(*this);
}

void TNYQReader::EndTag()
{
    if (FSkipDepth > 0) {
        --FSkipDepth;
        return;
    }
    if (FStack.empty())
        return;  // a stray end tag
    FCurrent->AfterTag(*this);
    FCurrent->CheckAssigned();
    FCurrent = FStack.back();
    FStack.pop_back();
}
