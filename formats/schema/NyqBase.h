// NyqBase.h: the base of the generated schema classes, their reader and writer helpers.
//
// A schema class holds one field per attribute, one owned object per single
// child element and one owned list per repeated child. Reading is driven by
// TNYQReader: on each start tag the current object's HandleElement compares
// the local-name hash with its children's, creates the child on first use and
// returns it; an element no class knows is reported once as an unknown
// element and its subtree is skipped. Writing mirrors that: a parent writes
// each available child with the child's attributes as pending attributes,
// then either a begin tag, the child's own children and an end tag, or one
// self-closing (or text) tag.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/NyqXml.h"
#include "formats/schema/NyqLists.h"

class TNYQReader;
class TVYXStream;

class TNYQBase {
public:
    TNYQBase() = default;
    virtual ~TNYQBase() = default;
    TNYQBase(const TNYQBase&) = delete;
    TNYQBase& operator=(const TNYQBase&) = delete;

    // Reading, in slot order.
    virtual TNYQBase* HandleElement(TNYQReader& reader);
    virtual void AssignAttributes(TNYQReader& reader);
    virtual void CheckAssigned() {}
    virtual void AfterTag(TNYQReader& /*reader*/) {}
    // Writing: the child elements (and text), then the attributes as pending ones.
    virtual void Write(TNyqWriteXML& /*writer*/) const {}
    virtual void WriteAttributes(TNyqWriteXML& /*writer*/) const {}
    virtual void Clear() { FState = 0; }
    virtual void Assign(const TNYQBase& /*other*/) {}
    virtual void CopyTo(TNYQBase& other) const { other.Assign(*this); }
    // Called right after the attributes of the element's start tag were assigned.
    virtual void BeforeTag(TNYQReader& /*reader*/) {}
    // True when the object has something to write.
    virtual bool Available() const { return Assigned(); }
    // True when the element has child elements to write (else it is one tag).
    virtual bool HasElements() const { return HasChildren(); }
    // Simple content of the element (UTF-8), "" for none.
    virtual std::string_view TextContent() const { return {}; }

    bool Assigned() const { return (FState & cAssigned) != 0; }
    bool HasChildren() const { return (FState & cHasChildren) != 0; }
    void SetAssigned() { FState |= cAssigned; }
    void SetHasChildren() { FState |= cAssigned | cHasChildren; }

    // True for attributes that are no data of any schema class
    // (namespace declarations, xml:space, markup-compatibility hints).
    static bool IsNamespaceAttribute(std::string_view name);

protected:
    static constexpr std::uint8_t cAssigned = 1;
    static constexpr std::uint8_t cHasChildren = 2;
    std::uint8_t FState = 0;
};

// The items of a repeated choice (or repeated sequence of several
// elements), in document order; each remembers which element it was, since
// several elements can share one class.
class TChoiceNyqList : public TBaseNyqList {
public:
    struct TItem {
        int Element;  // index into the owner's element-name table
        std::unique_ptr<TNYQBase> Object;
    };
    int Count() const override { return static_cast<int>(FItems.size()); }
    void Clear() override { FItems.clear(); }
    template <class T>
    T& Add(int element)
    {
        auto item = std::make_unique<T>();
        T& ref = *item;
        FItems.push_back({element, std::move(item)});
        return ref;
    }
    void Add(int element, std::unique_ptr<TNYQBase> object) { FItems.push_back({element, std::move(object)}); }
    const TItem& operator[](int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    const std::vector<TItem>& GetItems() const { return FItems; }

private:
    std::vector<TItem> FItems;
};

// Writes one child element: its attributes, then either a begin tag, its
// children and an end tag, or a single tag.
void NyqWriteChild(TNyqWriteXML& writer, std::string_view name, const TNYQBase& child);

// Reports the reader's attribute `index` whose value its type does not admit
// (as an unknown attribute, name and value); the field keeps its value.
void NyqBadAttributeValue(TNYQReader& reader, int index);

// An element no schema class knows, kept with its raw attributes and
// children so that it can be written back unchanged.
class TNYQAnyElement : public TNYQBase {
public:
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Attributes;  // name, decoded value
    std::string Text;
    std::vector<std::unique_ptr<TNYQAnyElement>> Children;

    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void BeforeTag(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    bool HasElements() const override { return !Children.empty(); }
    std::string_view TextContent() const override { return Text; }
    void Clear() override;
    void Assign(const TNYQBase& other) override;
};

// A child element of simple type: its text, converted by the caller.
class TNYQValueElement : public TNYQBase {
public:
    std::string Text;  // UTF-8, entities decoded

    void BeforeTag(TNYQReader& reader) override;
    std::string_view TextContent() const override { return Text; }
    void Clear() override
    {
        TNYQBase::Clear();
        Text.clear();
    }
    void Assign(const TNYQBase& other) override;
};

// A list of unknown elements kept in document order.
class TNYQAnyElements {
public:
    TNYQAnyElement& Add(std::string name);
    int Count() const { return static_cast<int>(FItems.size()); }
    const TNYQAnyElement& operator[](int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
    void Write(TNyqWriteXML& writer) const;
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TNYQAnyElement>> FItems;
};

// The children a class admits beyond its schema members, in document order:
// elements matched by a wildcard that are known global elements (kept as
// their own classes), and elements nobody knows (kept as TNYQAnyElement), so
// that a round trip writes them back.
class TNYQOpenList {
public:
    struct TItem {
        std::string Name;  // qualified name as written
        std::unique_ptr<TNYQBase> Object;
    };
    // Makes a known global element's object by qualified name (nullptr for none).
    using TFactory = std::unique_ptr<TNYQBase> (*)(std::string_view qname);

    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear() { FItems.clear(); }
    template <class T>
    T& Add(std::string name)
    {
        auto item = std::make_unique<T>();
        T& ref = *item;
        FItems.push_back({std::move(name), std::move(item)});
        return ref;
    }
    TNYQAnyElement& AddAny(std::string name);
    const std::vector<TItem>& GetItems() const { return FItems; }
    void Write(TNyqWriteXML& writer) const;
    void Assign(const TNYQOpenList& other, TFactory factory);

private:
    std::vector<TItem> FItems;
};

// The root of one part document: owns the diagnostics and resolves
// relationship ids through the package that holds the part.
class TNYQDocBase : public TNYQBase {
public:
    using TRIdEvent = std::function<std::string(std::string_view id)>;
    // Answers the target of a relationship id of this part.
    TRIdEvent RIdEvent;

    TNyqPErrors& Errors() { return FErrors; }
    std::string GetRId(std::string_view id) const { return RIdEvent ? RIdEvent(id) : std::string(); }
    // The root element's raw attributes as read (namespace declarations and
    // compatibility hints among them), written back by the closed document
    // classes so that kept foreign elements stay well-formed.
    std::vector<std::pair<std::string, std::string>> RootAttributes;
    // Writes the kept namespace declarations and hints, then our own
    // declaration of the root's namespace (replacing one of the same name).
    void WriteRootAttributes(TNyqWriteXML& writer, std::string_view nsAttr, std::string_view ns) const;

    // Parses XML text into this document (cleared first). Syntax errors raise;
    // unknown elements and attributes are collected in Errors().
    void LoadFromBuffer(std::string_view xml);
    void LoadFromStream(TVYXStream& stream);
    // The document as XML, with the declaration.
    std::string SaveToString() const;

private:
    TNyqPErrors FErrors;
};

class TNYQReader : public TNyqReadXML {
public:
    // Deeper nesting of known elements raises "XML nesting too deep": the
    // schema objects free their children recursively.
    static constexpr int cMaxDepth = 512;

    explicit TNYQReader(TNYQDocBase& doc);
    TNyqPErrors& Errors() { return FDoc.Errors(); }
    void Error(TNyqPErrorKind kind, std::string_view name) { Errors().Error(kind, name, Row()); }

protected:
    void BeginTag() override;
    void EndTag() override;

private:
    TNYQDocBase& FDoc;
    TNYQBase* FCurrent;
    std::vector<TNYQBase*> FStack;  // borrowed: the objects own each other
    int FSkipDepth = 0;             // inside an unknown element
};
