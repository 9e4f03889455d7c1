// NyqSimpleDOM.h: a small XML tree built from the tokenizer's events.
//
// Used where a format needs look-ahead or random access (settings parts,
// small fragments); big parts are read as events. Every walk over the tree
// (find, clone, save, free) uses an explicit stack, so a file nested a
// million levels deep costs memory, never the call stack.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formats/NyqUtils.h"
#include "formats/NyqXml.h"

class TVYXStream;

class TNyqDOMAttribute {
public:
    std::string Name;
    std::string Value;  // UTF-8, entities decoded
    int Id = 0;         // from the reader's GetAttributeId hook
    // The value decoded as standard Base64 (blanks ignored); "" for bad input.
    std::string GetAsBase64() const;
};

class TNyqDOMAttributes {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const TNyqDOMAttribute& operator[](int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    TNyqDOMAttribute& Add(std::string_view name, std::string_view value, int id = 0);
    const TNyqDOMAttribute* Find(std::string_view name) const;
    std::string FindValue(std::string_view name, std::string_view def = "") const;
    int FindValueInt(std::string_view name, int def = 0) const;
    double FindValueFloat(std::string_view name, double def = 0) const;
    bool FindValueBool(std::string_view name, bool def = false) const;
    // Sets the value of an existing attribute or adds it.
    void Update(std::string_view name, std::string_view value);
    bool EqualValue(std::string_view name, std::string_view value) const;
    void Clear() { FItems.clear(); }

private:
    std::vector<TNyqDOMAttribute> FItems;
};

class TNyqDOMNode {
public:
    explicit TNyqDOMNode(std::string name = {}, std::string text = {});
    ~TNyqDOMNode();
    TNyqDOMNode(const TNyqDOMNode&) = delete;
    TNyqDOMNode& operator=(const TNyqDOMNode&) = delete;

    const std::string& Name() const { return FName; }
    void SetName(std::string name) { FName = std::move(name); }
    TNyqDOMNode* Parent() const { return FParent; }
    int ChildCount() const { return static_cast<int>(FChildren.size()); }
    TNyqDOMNode& Child(int index) const { return *FChildren.at(static_cast<std::size_t>(index)); }
    TNyqDOMAttributes& Attributes() { return FAttributes; }
    const TNyqDOMAttributes& Attributes() const { return FAttributes; }

    // Element text (UTF-8) and its typed views.
    const std::string& GetAsString() const { return FText; }
    int GetAsInteger(int def = 0) const { return XmlStrToIntDef(FText, def); }
    double GetAsFloat(double def = 0) const;
    bool GetAsBoolean(bool def = false) const { return XmlStrToBoolDef(FText, def); }
    TNyqDateTime GetAsDateTime(TNyqDateTime def = 0) const;
    void SetAsString(std::string_view text) { FText.assign(text); }
    void SetAsInteger(std::int64_t value) { FText = XmlIntToStr(value); }
    void SetAsFloat(double value) { FText = XmlFloatToStr(value); }
    void SetAsBoolean(bool value) { FText = XmlBoolToStr(value); }
    void SetAsDateTime(TNyqDateTime value) { FText = XmlDateTimeToStr(value); }

    TNyqDOMNode& AddChild(std::string_view name, std::string_view value = {});
    TNyqDOMNode& AddChild(std::unique_ptr<TNyqDOMNode> node);
    TNyqDOMNode& AddOrGetChild(std::string_view name);
    void AddAttribute(std::string_view name, std::string_view value) { FAttributes.Add(name, value); }
    void AddAttributeInt(std::string_view name, std::int64_t value) { FAttributes.Add(name, XmlIntToStr(value)); }
    void AddAttributeBool(std::string_view name, bool value) { FAttributes.Add(name, XmlBoolToStr(value)); }
    void AddAttributeFloat(std::string_view name, double value) { FAttributes.Add(name, XmlFloatToStr(value)); }

    // First node of this name among the children, or in the whole subtree
    // (depth first, document order) when `recursive`.
    TNyqDOMNode* Find(std::string_view name, bool recursive = false) const;
    void FindAll(std::string_view name, std::vector<TNyqDOMNode*>& result, bool recursive = false) const;
    TNyqDOMNode* FindChildWithAttrValue(std::string_view name, std::string_view attr, std::string_view value) const;
    void DeleteChildAll(std::string_view name);
    void DeleteChildFirst(std::string_view name);
    // Takes the node out of its parent.
    std::unique_ptr<TNyqDOMNode> Detach();
    std::unique_ptr<TNyqDOMNode> Clone() const;
    TNyqDOMNode* NextSibling() const;
    TNyqDOMNode* PrevSibling() const;

private:
    int IndexInParent() const;

    std::string FName;
    std::string FText;
    TNyqDOMAttributes FAttributes;
    std::vector<std::unique_ptr<TNyqDOMNode>> FChildren;
    TNyqDOMNode* FParent = nullptr;  // borrowed: the parent owns this node
};

class TNyqSimpleDOM : public TNyqReadXML {
public:
    TNyqSimpleDOM();
    ~TNyqSimpleDOM() override;

    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TVYXStream& stream);
    void LoadFromStreamHtml(TVYXStream& stream);
    void LoadFromString(std::string_view xml);
    void LoadFromBuffer(const char* buffer, std::size_t length);
    void SaveToFile(const std::string& fileName) const;
    void SaveToStream(TVYXStream& stream) const;
    std::string SaveToString() const;
    void Clear();
    bool Empty() const { return FRoot->ChildCount() == 0; }
    // The document node: its children are the top-level elements.
    TNyqDOMNode& Root() { return *FRoot; }
    const TNyqDOMNode& Root() const { return *FRoot; }

protected:
    void BeginTag() override;
    void EndTag() override;
    void CData(std::string_view body) override;

private:
    template <typename F>
    void Load(F load);

    std::unique_ptr<TNyqDOMNode> FRoot;
    std::vector<TNyqDOMNode*> FStack;  // borrowed: open elements while loading
};
