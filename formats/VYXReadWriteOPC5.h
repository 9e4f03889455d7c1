// VYXReadWriteOPC5.h: the OPC package model over the zip archive, and the word-processing layout.
//
// A package is a tree of relationships: the root item "__ROOT__" owns the
// package relationships (_rels/.rels), every internal target owns the
// relationships of its own part (<folder>/_rels/<file>.rels), recursively.
// Each item is one relationship; its part is found by resolving the target
// against the owner's folder. A part that is the target of several
// relationships has its own relationships read once, under the first item
// that reaches it, so a cyclic package cannot make the tree grow without end.
//
// Reading checks out the parts a reader consumes; CollectUnchecked /
// SaveUnchecked carry every other entry into a new package unchanged, so
// writing back what was read loses nothing the engine does not understand.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formats/NyqXml.h"
#include "formats/VYXZip5.h"
#include "formats/schema/NyqOpcRelationships.h"

class TVYXStream;
class TVYXMemoryStream;
class TOPCItem;

// The children of an item, in creation (or file) order; owns them. Ids are
// hashed, so a part with many relationships is read in linear time.
class TOPCItemList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TOPCItem& operator[](int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
    TOPCItem& Add(std::unique_ptr<TOPCItem> item);
    const std::vector<std::unique_ptr<TOPCItem>>& Items() const { return FItems; }
    // The first child with this id, or nullptr.
    TOPCItem* FindId(std::string_view id) const;
    // Hands the children out (the destructor frees deep trees without recursion).
    std::vector<std::unique_ptr<TOPCItem>> ExtractAll();

private:
    std::vector<std::unique_ptr<TOPCItem>> FItems;
    std::unordered_map<std::string_view, TOPCItem*> FById;  // keys view the items' ids
};

class TOPCItem {
public:
    TOPCItem(TOPCItem* parent, std::string id, std::string type, std::string target,
             TST_TargetMode mode = sttmInternal);
    ~TOPCItem();
    TOPCItem(const TOPCItem&) = delete;
    TOPCItem& operator=(const TOPCItem&) = delete;

    TOPCItem* Parent() const { return FParent; }
    const std::string& Id() const { return FId; }
    const std::string& Type() const { return FType; }
    const std::string& Target() const { return FTarget; }
    TST_TargetMode TargetMode() const { return FTargetMode; }
    bool IsRoot() const { return FParent == nullptr; }
    bool IsExternal() const { return FTargetMode == sttmExternal; }
    std::string ContentType;
    // Set when a reader consumed the part.
    bool CheckedOut = false;
    // The part had a relationship part when read (even an empty one).
    bool HadRels = false;
    TOPCItemList& Children() { return FChildren; }
    const TOPCItemList& Children() const { return FChildren; }

    TOPCItem* Find(std::string_view id) const;
    // Children of this relationship type; with `recursive` the whole subtree.
    void FindByType(std::string_view type, std::vector<TOPCItem*>& list, bool recursive = false) const;
    TOPCItem* FindByType(std::string_view type) const;
    // The item (in this subtree) whose part is `partName` ("word/styles.xml").
    TOPCItem* FindByTarget(std::string_view partName) const;
    // The child with exactly this target text.
    TOPCItem* FindTarget(std::string_view target) const;
    // The part name of this item without a leading "/" ("" for the root).
    // Computed once per item without recursion (packages may relate parts in
    // chains of any depth) and kept: targets and parents do not change.
    const std::string& AbsolutePath() const;
    // A target resolved against this item's folder ("../media/a.png" from
    // "word/document.xml" is "media/a.png"; a leading "/" starts at the root).
    // Raises when the target climbs above the package root.
    std::string AbsoluteTarget(std::string_view target) const;
    // "rId" + (number of children + 1), skipping ids in use.
    std::string MakeId() const;
    // The relationship part of this item ("word/_rels/document.xml.rels", "_rels/.rels").
    std::string MakeFilename_rels() const;

    TOPCItem& Add(std::unique_ptr<TOPCItem> item);
    TOPCItem& AddNew(std::string_view type, std::string_view target, std::string_view id = {});
    TOPCItem& AddNewExternal(std::string_view type, std::string_view target, std::string_view id = {});
    void Checkout() { CheckedOut = true; }
    void CheckoutAll();

private:
    void ResolvePath() const;

    TOPCItem* FParent;  // borrowed: the parent owns this item
    mutable std::string FPath;    // AbsolutePath, once resolved
    mutable signed char FPathState = 0;  // 0 not resolved yet, 1 resolved, -1 outside the package
    std::string FId;
    std::string FType;
    std::string FTarget;
    TST_TargetMode FTargetMode;
    TOPCItemList FChildren;
};

class TOPC_ContentTypes {
public:
    struct TDefault {
        std::string Extension;
        std::string ContentType;
    };
    struct TOverride {
        std::string PartName;  // with the leading "/"
        std::string ContentType;
    };
    std::vector<TDefault> Defaults;
    std::vector<TOverride> Overrides;
    // Entries are appended to the lists above (or changed in place by Add*);
    // lookups go through hashed indexes that follow appended entries.

    // The content type of a part (with or without leading "/"): its override,
    // else the default of its extension, compared ASCII case-insensitively.
    std::string Find(std::string_view partName) const;
    void AddDefault(std::string_view extension, std::string_view contentType);
    void AddOverride(std::string_view partName, std::string_view contentType);
    // The defaults of a written word-processing package.
    void SetDefaultDOCX();
    void Clear();
    void LoadFromXml(std::string_view xml, TNyqPErrors& errors);
    std::string SaveToXml() const;

private:
    const TOverride* FindOverride(const std::string& key) const;
    const TDefault* FindDefault(const std::string& key) const;

    // Lower-cased names to list indexes (the first entry of a name wins).
    mutable std::unordered_map<std::string, std::size_t> FOverrideIndex;
    mutable std::unordered_map<std::string, std::size_t> FDefaultIndex;
    mutable std::size_t FOverridesIndexed = 0;
    mutable std::size_t FDefaultsIndexed = 0;
};

enum TOPCMode { opcmClosed, opcmRead, opcmWrite };

class TOPCContainer {
public:
    // More relationships than this in one package raise: no document needs
    // them, and the tree costs memory per item.
    static constexpr int cMaxItems = 200000;
    // The content types and relationship parts are a few kilobytes in any
    // honest package; larger ones are skipped with a diagnostic, so listing
    // a package never parses hundreds of megabytes of XML.
    static constexpr std::uint64_t cMaxMetadataSize = 32ull << 20;
    std::uint64_t MaxMetadataSize = cMaxMetadataSize;

    TOPCContainer();
    virtual ~TOPCContainer();
    TOPCContainer(const TOPCContainer&) = delete;
    TOPCContainer& operator=(const TOPCContainer&) = delete;

    virtual void OpenRead(TVYXStream& stream);
    virtual void OpenWrite(TVYXStream& stream);
    virtual void Close();

    TOPCMode Mode() const { return FMode; }
    TOPCItem& Root() { return *FRoot; }
    const TOPCItem& Root() const { return *FRoot; }
    TOPC_ContentTypes& ContentTypes() { return FContentTypes; }
    TXLSZipArchive& Archive() { return FArchive; }
    // Whether the package has (or gets) "[Content_Types].xml": ODF and plain
    // zips have none, and a repacked one must not gain it.
    bool HasContentTypes = true;
    // Diagnostics of the relationship and content-type parts; a reader attaches
    // its document's error manager here (Errors().SetManager) to receive them.
    TNyqPErrors& Errors() { return FErrors; }

    // Reading a part: the item is checked out.
    bool ItemExists(const TOPCItem& item);
    std::string ItemOpenRead(TOPCItem& item);
    void ItemReadStream(TOPCItem& item, TVYXStream& output);
    std::unique_ptr<TVYXMemoryStream> ItemOpenStream(TOPCItem& item);
    // Reads any part by name (checked out as well); raises when missing.
    std::string ReadPart(std::string_view partName);

    // Writing. The content type (when not empty) becomes an Override of the
    // part; an empty `id` takes the parent's next "rIdN".
    TOPCItem& ItemCreate(TOPCItem& parent, std::string_view relType, std::string_view contentType,
                         std::string_view target, std::string_view id = {});
    TOPCItem& ItemCreateExternal(TOPCItem& parent, std::string_view relType, std::string_view target,
                                 std::string_view id = {});
    // Creates the item and opens its part for writing; ItemClose stores it.
    TVYXStream& ItemCreateStream(TOPCItem& parent, std::string_view relType, std::string_view contentType,
                                 std::string_view target);
    void ItemWrite(TOPCItem& item, std::string_view bytes);
    void ItemClose(TOPCItem& item);
    void ItemCloseStream(TOPCItem& item) { ItemClose(item); }
    // Writes a whole part at once. Parts reach the archive when the container is closed.
    void WritePart(std::string_view partName, std::string_view bytes, TXLSZipCompression compression = xzcDefault);
    // Streams an entry of `source` (open for reading) into this package at
    // once, without holding it in memory. The content types are written
    // before the first copied part and cannot change afterwards.
    void CopyPart(TOPCContainer& source, TXLSZipFile& entry);

    // Entries of the read package that no reader consumed.
    void CollectUnchecked(std::vector<std::string>& names);
    // Copies those entries into `target` (open for writing).
    void SaveUnchecked(TOPCContainer& target);
    // The relationship tree and content types as indented text.
    std::string DebugDump() const;

protected:
    void Reset();
    void ReadRelationships();
    TOPCItem* FindOpen(TOPCItem& item);

    TXLSZipArchive FArchive;
    std::unique_ptr<TOPCItem> FRoot;
    TOPC_ContentTypes FContentTypes;
    TNyqPErrors FErrors;
    TOPCMode FMode = opcmClosed;
    std::set<std::string> FConsumed;  // entry names consumed (read or written)
    std::vector<std::pair<TOPCItem*, std::unique_ptr<TVYXMemoryStream>>> FOpen;  // parts being written
    // Parts are kept until Close, so that the content types can be the first entry.
    struct TPendingPart {
        std::string Name;
        std::string Bytes;
        TXLSZipCompression Compression;
    };
    std::vector<TPendingPart> FPending;
    bool FContentTypesWritten = false;

private:
    void WriteContentTypes();
    std::optional<std::string> ReadMetadata(TXLSZipFile& entry);
};

// Reads `source` and writes the same parts, relationships and content types
// to `output`, streaming each part. Returns the names of the entries it could
// not carry over because they would leave the folder they are extracted to
// (the caller decides whether such a package is acceptable).
std::vector<std::string> OPCRepack(TOPCContainer& source, TVYXStream& output);

enum TOPCDocxPart {
    odpDocument, odpStyles, odpNumbering, odpSettings, odpTheme, odpHeader, odpFooter, odpFootnotes,
    odpEndnotes, odpComments, odpImage, odpHyperlink, odpDocPropsApp, odpDocPropsCore
};

// The relationship type of a word-processing part (transitional namespace).
std::string OPCDocxRelType(TOPCDocxPart part);

class TOPC_DOCX : public TOPCContainer {
public:
    void OpenRead(TVYXStream& stream) override;
    void OpenWrite(TVYXStream& stream) override;
    void Close() override;

    TOPCItem* Document() const { return FDocument; }
    // The part currently written that owns new images (a header or footer), or nullptr for the document.
    void SetCurrItem(TOPCItem* item) { FCurrItem = item; }

    // Reading: the related part's bytes, "" when the package has none.
    std::string ReadDocument();
    std::string ReadStyles() { return ReadDocPart(odpStyles); }
    std::string ReadNumbering() { return ReadDocPart(odpNumbering); }
    std::string ReadSettings() { return ReadDocPart(odpSettings); }
    std::string ReadTheme() { return ReadDocPart(odpTheme); }
    std::string ReadFootnotes() { return ReadDocPart(odpFootnotes); }
    std::string ReadEndnotes() { return ReadDocPart(odpEndnotes); }
    std::string ReadComments() { return ReadDocPart(odpComments); }
    std::string ReadDocPropsApp() { return ReadRootPart(odpDocPropsApp); }
    std::string ReadDocPropsCore() { return ReadRootPart(odpDocPropsCore); }
    std::string ReadHeader(std::string_view rId) { return ReadById(FDocument, rId, odpHeader); }
    std::string ReadFooter(std::string_view rId) { return ReadById(FDocument, rId, odpFooter); }
    // An image related to `owner` (the document, a header, footer or numbering part).
    std::string ReadImage(TOPCItem* owner, std::string_view rId) { return ReadById(owner, rId, odpImage); }
    void ReadDocImages(std::vector<TOPCItem*>& list) const;
    void ReadHeaderFooterImages(const TOPCItem& headerOrFooter, std::vector<TOPCItem*>& list) const;
    void ReadNumberingImages(std::vector<TOPCItem*>& list) const;
    void ReadHyperlinks(std::vector<TOPCItem*>& list) const;
    void FindHeaders(std::vector<TOPCItem*>& list) const;
    void FindFooters(std::vector<TOPCItem*>& list) const;
    // The first child of `owner` of this kind (either namespace), or nullptr.
    TOPCItem* FindPart(const TOPCItem* owner, TOPCDocxPart part) const;

    // Writing: each creates the item; the caller writes the part with
    // ItemWrite / ItemClose (or WriteItem for a whole part at once).
    TOPCItem& CreateDocument();
    TOPCItem& CreateStyles() { return CreateDocPart(odpStyles, 0); }
    TOPCItem& CreateNumbering() { return CreateDocPart(odpNumbering, 0); }
    TOPCItem& AddSettings() { return CreateDocPart(odpSettings, 0); }
    TOPCItem& AddTheme() { return CreateDocPart(odpTheme, 1); }
    TOPCItem& CreateHeader(int n) { return CreateDocPart(odpHeader, n); }
    TOPCItem& CreateFooter(int n) { return CreateDocPart(odpFooter, n); }
    TOPCItem& CreateFootnotes() { return CreateDocPart(odpFootnotes, 0); }
    TOPCItem& CreateEndnotes() { return CreateDocPart(odpEndnotes, 0); }
    TOPCItem& CreateComments() { return CreateDocPart(odpComments, 0); }
    TOPCItem& AddImage(int n, std::string_view extension, std::string_view bytes);
    TOPCItem& AddHyperlink(std::string_view url);
    TOPCItem& AddDocPropsApp();
    TOPCItem& AddDocPropsCore();
    void WriteItem(TOPCItem& item, std::string_view bytes);

private:
    std::string ReadDocPart(TOPCDocxPart part);
    std::string ReadRootPart(TOPCDocxPart part);
    std::string ReadById(TOPCItem* owner, std::string_view rId, TOPCDocxPart part);
    TOPCItem& CreateDocPart(TOPCDocxPart part, int n);
    void Collect(const TOPCItem* owner, TOPCDocxPart part, std::vector<TOPCItem*>& list) const;

    TOPCItem* FDocument = nullptr;  // borrowed from the item tree
    TOPCItem* FCurrItem = nullptr;
    std::vector<TOPCItem*> FResult;
};
