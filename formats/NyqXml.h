// NyqXml.h: the XML tokenizer, its attribute list, parse diagnostics and the streaming writer.
//
// The reader is not a validating parser: it knows no DTD, resolves no
// namespaces beyond splitting prefixes, and decodes only the five predefined
// entities and numeric character references. It scans one buffer without
// copying it: names, values and texts are byte ranges into the input that are
// decoded (entities, UTF-8 -> UTF-16) only when an event handler asks.
//
// Grammar accepted (XML mode):
//   document  := (text | markup)*
//   markup    := "<!--" any "-->" | "<![CDATA[" any "]]>" | "<!" decl ">"
//              | "<?" any "?>" | "</" name blank* ">" | "<" name (blank+ attr)* blank* "/"? ">"
//   attr      := name blank* "=" blank* ( '"' any '"' | "'" any "'" )
//   blank     := space | TAB | CR | LF
// HTML mode additionally accepts unquoted and missing attribute values, a "<"
// that does not start a tag, raw text inside <script> and <style>, and an
// input that ends inside a tag; names are reported lower-cased.
//
// Not supported: DTDs and their entities (a DOCTYPE is skipped), namespace URIs
// as part of names, encodings other than UTF-8.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class TVYXErrorManager;
class TVYXStream;
class TVYXStringList;

// Decodes the five predefined entities and numeric character references of
// `raw` and appends the result to `out`; unknown entities are removed, and
// character references too when `charRefs` is false. Invalid UTF-8 becomes
// U+FFFD, so the result is always valid UTF-8.
void NyqDecodeEntities(std::string_view raw, std::string& out, bool charRefs = true);
// The text without leading and trailing XML blanks (space, TAB, CR, LF).
std::string_view NyqTrimBlanks(std::string_view text);
// Escapes < > & ' " for element text and attribute values.
void NyqEscapeText(std::string_view text, std::string& out);

// One attribute as it appears in the input: views into the reader's buffer
// (or into strings the list owns for attributes added by code).
struct TNyqXmlAttribute {
    std::string_view Name;
    std::string_view RawValue;  // before entity decoding
};

// The attributes of the current tag, presented as strings.
class TNyqXMLAttributeList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // The qualified name as written (lower-cased in HTML mode).
    std::string GetAttributes(int index) const;
    std::string_view RawName(int index) const { return FItems.at(static_cast<std::size_t>(index)).Name; }
    // The value with entities decoded, UTF-8.
    std::string GetValues(int index) const;
    std::u16string GetValues16(int index) const;
    // Hashes of the local name (without prefix).
    std::uint32_t GetHashA(int index) const;
    std::uint32_t GetHashB(int index) const;
    std::uint32_t GetHashC(int index) const;
    std::uint32_t GetHashD(int index) const;

    // Index of the attribute with this qualified name (ASCII case-insensitive in HTML mode), -1 if none.
    int Find(std::string_view name) const;
    // Raises VYXException "Attribute \"%s\" is missing" when absent.
    std::string AsString(std::string_view name) const;
    std::string AsStringDef(std::string_view name, std::string_view def) const;
    int AsIntegerDef(std::string_view name, int def) const;
    bool AsBoolDef(std::string_view name, bool def) const;
    // Index of the value in `values` (exact match), else `def`.
    int AsEnumDef(std::string_view name, const std::vector<std::string_view>& values, int def) const;
    // `name="value"` pairs separated by single blanks, values re-escaped.
    std::string AsXmlText() const;
    // Appends `name=value` of every attribute whose name starts with `prefix` ("xmlns:").
    void CollectPrefixed(std::string_view prefix, TVYXStringList& list) const;
    // Drops namespace declarations (xmlns and xmlns:*).
    void ClearNamespace();
    // Orders the attributes by name (bytewise), for stable output.
    void Sort();

    // Snatch mode: while on, the reader appends every tag of the subtree it
    // walks to `target` as raw XML lines ("<name attrs>", text, "</name>"),
    // so that content no class knows can be written back unchanged.
    void BeginSnatch(TVYXStringList& target);
    void EndSnatch();
    bool Snatching() const { return FSnatch != nullptr; }
    TVYXStringList* SnatchTarget() const { return FSnatch; }

    // Used by the reader (and by code that builds a list by hand).
    void Clear() { FItems.clear(); }
    void AddRaw(std::string_view name, std::string_view rawValue) { FItems.push_back({name, rawValue}); }
    void SetHtml(bool html) { FHtml = html; }
    void SetCharRefs(bool charRefs) { FCharRefs = charRefs; }

private:
    std::vector<TNyqXmlAttribute> FItems;
    TVYXStringList* FSnatch = nullptr;  // borrowed while snatching
    bool FHtml = false;
    bool FCharRefs = true;
};

enum TNyqPErrorKind { nyqpeUnknownAttribute, nyqpeUnknownElement };

// Parse diagnostics of the schema classes and the package. A message that
// repeats (same kind and name, any row) is kept apart in the duplicates, so a
// document with a thousand unknown elements of one kind lists it once. Lookups
// are hashed and only the first cMaxDuplicates repeats are kept (the rest are
// counted), so a hostile file costs time and memory in proportion to its size.
//
// The list is what a reader hands back; the channel is the error manager. With
// a manager attached, every message that is not a repeat is recorded there as a
// warning with its code (cCodeUnknownAttribute, cCodeUnknownElement, cCodePackage),
// so the package's diagnostics arrive where the document's others do.
class TNyqPErrors {
public:
    static constexpr int cCodeUnknownAttribute = 3700;
    static constexpr int cCodeUnknownElement = 3701;
    static constexpr int cCodePackage = 3702;

    using TErrorEvent = std::function<void(const std::string& text)>;
    TErrorEvent ErrorEvent;

    // Borrowed; nullptr detaches. The manager must outlive the list while attached.
    void SetManager(TVYXErrorManager* manager) { FManager = manager; }
    TVYXErrorManager* Manager() const { return FManager; }

    // Formats "Row %d: Unknown Attribute \"%s\"" / "Row %d: Unknown Element \"%s\"".
    void Error(TNyqPErrorKind kind, std::string_view text, int row);
    // Adds a message as it is (forwarding another list's messages with their codes).
    void Add(const std::string& message, int code = cCodePackage);
    int Count() const { return static_cast<int>(FItems.size()); }
    const std::string& Items(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    int Codes(int index) const { return FCodes.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& GetDuplicates() const { return FDuplicates; }
    // Every repeat, also those no longer kept in GetDuplicates.
    std::size_t DuplicateCount() const { return FDuplicateCount; }
    void Clear();

    static constexpr std::size_t cMaxDuplicates = 1000;

private:
    void Keep(std::string key, const std::string& message, int code);

    std::vector<std::string> FItems;
    std::vector<int> FCodes;  // parallel to FItems
    std::unordered_set<std::string> FKeys;
    std::vector<std::string> FDuplicates;
    std::size_t FDuplicateCount = 0;
    TVYXErrorManager* FManager = nullptr;
};

// The event-driven tokenizer. Derive and override the events; inside an
// event the accessors describe the current tag.
class TNyqReadXML {
public:
    TNyqReadXML();
    virtual ~TNyqReadXML();
    TNyqReadXML(const TNyqReadXML&) = delete;
    TNyqReadXML& operator=(const TNyqReadXML&) = delete;

    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TVYXStream& stream);
    void LoadFromStreamHtml(TVYXStream& stream);
    // Zero-copy: `data` must stay alive and unchanged while the call runs.
    void LoadFromBuffer(std::string_view data);
    void LoadFromBufferHtml(std::string_view data);
    // Stops the scan before the next tag.
    void Abort() { FAborted = true; }

    // Inside an event.
    std::string QName() const;                 // qualified name
    std::string QNameP() const;                // prefix ("" without)
    std::string QNameT() const;                // local name
    std::string_view Tag() const { return FName; }  // raw qualified name (not lower-cased)
    std::string_view LocalName() const { return LocalView(); }  // raw local name
    bool QNameIsC() const { return LocalView() == "c"; }
    bool QNameIsV() const { return LocalView() == "v"; }
    std::uint32_t QNameHashA() const;
    std::uint32_t QNameHashB() const;
    std::uint32_t QNameHashC() const;
    std::uint32_t QNameHashD() const;
    bool CmpTag(std::string_view name) const;
    bool HasText() const { return !FText.empty(); }
    std::u16string Text() const;               // entities decoded, UTF-16
    std::string TextUtf8() const;              // entities decoded, UTF-8
    std::string_view RawText() const { return FText; }
    std::string_view RawComment() const { return FComment; }
    std::string FindAttribute(std::string_view name) const;  // "" when absent
    // The namespace URI the current tag declares for its own prefix, "" when it declares none.
    std::string Namespace() const;
    int Row() const;  // 1-based line of the current tag's "<"
    int Col() const;  // 1-based character column of the current tag's "<"
    bool SelfClosing() const { return FSelfClosing; }
    bool Html() const { return FHtml; }
    TNyqXMLAttributeList& Attributes() { return FAttributes; }
    const TNyqXMLAttributeList& Attributes() const { return FAttributes; }

    // Decoding switches (set before loading).
    bool DecodeEntities = true;
    bool DecodeCharRefs = true;
    bool KeepTextUntrimmed = false;

protected:
    // Events, in slot order.
    virtual void Declaration() {}
    virtual void BeginTag() {}
    virtual void EndTag() {}
    virtual void Comment() {}
    virtual int GetAttributeId(std::string_view /*name*/) { return 0; }
    virtual void BeforeAddNode() {}
    // The body of a CDATA section (raw, no entity decoding).
    virtual void CData(std::string_view /*body*/) {}

private:
    void Scan();
    std::size_t ScanTag(std::size_t pos);
    std::size_t SkipDecl(std::size_t pos);
    std::size_t TextEnd(std::size_t pos) const;
    std::string_view LocalView() const;
    void SnatchBegin();
    void SnatchEnd();
    [[noreturn]] void SyntaxError(const char* what) const;

    std::string FOwned;     // the input when read from a stream
    std::string_view FData; // the whole input
    std::string_view FName;
    std::size_t FColon = std::string_view::npos;  // position of ':' in FName
    std::string_view FText;
    std::string_view FComment;
    std::size_t FTagPos = 0;
    mutable std::size_t FRowPos = 0;  // Row() counts line feeds lazily up to here
    mutable int FRowCount = 1;
    int FSnatchDepth = 0;
    bool FSelfClosing = false;
    bool FHtml = false;
    bool FAborted = false;
    TNyqXMLAttributeList FAttributes;
};

// A stack of strings (element names, namespace prefixes).
class TNyqStrStack {
public:
    void Push(std::string s) { FItems.push_back(std::move(s)); }
    std::string Pop();
    const std::string& Peek() const;
    bool Empty() const { return FItems.empty(); }
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    std::vector<std::string> FItems;
};

// The streaming writer. Lines end with a single CR and nothing is indented.
// Attributes are collected for the next tag; element text is given before the
// tag that ends it. Output accumulates in memory until saved.
class TNyqWriteXML {
public:
    static constexpr std::size_t cMaxPendingAttributes = 32767;

    void Declaration();
    void AddAttribute(std::string_view name, std::string_view value);
    void AddAttributeInt(std::string_view name, std::int64_t value);
    void AddAttributeFloat(std::string_view name, double value);
    void AddAttributeBool(std::string_view name, bool value);
    // Raw `name="value"` text appended to / replacing the pending attributes.
    void AddAttr(std::string_view text);
    void SetAttributes(std::string_view text);
    bool HasAttributes() const { return !FAttrs.empty(); }
    // Text written (escaped) by the next EndTag or SimpleTag.
    void SetText(std::string_view text) { FText.assign(text); }
    void BeginTag(std::string_view name);
    // A begin tag followed at once by the element's leading text (escaped),
    // without the line end, so that a reader finds the text exactly as given.
    void BeginTextTag(std::string_view name, std::string_view text);
    void EndTag();
    void EmptyTag(std::string_view name);
    void SimpleTag(std::string_view name);
    void SimpleTextTag(std::string_view name, std::string_view text);
    // Raw bytes to the output.
    void WriteString(std::string_view text) { FOut.append(text); }
    void PushNS(std::string_view prefix) { FNS.Push(std::string(prefix)); }
    void PopNS() { FNS.Pop(); }
    void SetNamespace(std::string_view prefix);
    int Depth() const { return FStack.Count(); }

    std::string_view Bytes() const { return FOut; }
    std::string TakeBytes();
    void SaveToStream(TVYXStream& stream) const;
    void SaveToFile(const std::string& fileName) const;

private:
    std::string CheckNS(std::string_view name) const;
    void AppendPending(std::string_view text);
    void OpenTag(const std::string& name);

    std::string FOut;
    std::string FAttrs;
    std::string FText;
    TNyqStrStack FStack;
    TNyqStrStack FNS;
};
