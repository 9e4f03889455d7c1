// VYXReadWriteOPC5.cpp: the OPC package: relationships, content types, parts, word-processing layout.
#include "formats/VYXReadWriteOPC5.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <deque>

#include "formats/schema/NyqOpcContentTypes.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr std::string_view cRootName = "__ROOT__";
constexpr std::string_view cContentTypesName = "[Content_Types].xml";
constexpr std::string_view cTransitionalBase = "http://schemas.openxmlformats.org";
constexpr std::string_view cStrictBase = "http://purl.oclc.org/ooxml/officeDocument/relationships/";
constexpr int cMaxDumpIndent = 16;

[[noreturn]] void Fail(const std::string& message) { throw VYXException(message); }

std::string Folder(std::string_view path)
{
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string_view LastSegment(std::string_view s)
{
    const auto slash = s.rfind('/');
    return slash == std::string_view::npos ? s : s.substr(slash + 1);
}

// "%20" and friends, for targets whose zip names are stored decoded.
std::string PercentDecode(std::string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
            out.push_back(static_cast<char>(std::stoi(std::string(s.substr(i + 1, 2)), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

std::string Key(std::string_view name) { return AsciiLower(name); }

// Pictures and other packed data get the fastest compression: they hardly shrink.
TXLSZipCompression CompressionFor(std::string_view name)
{
    const std::string_view file = LastSegment(name);
    const auto dot = file.rfind('.');
    const std::string ext = dot == std::string_view::npos ? std::string() : AsciiLower(file.substr(dot));
    return ext == ".xml" || ext == ".rels" || ext == ".vml" ? xzcDefault : xzcFast;
}

// Entries stored in the source stay stored (ODF requires it of "mimetype").
TXLSZipCompression CompressionFor(const TXLSZipFile& entry)
{
    return entry.Record.Method == 0 ? xzcStore : CompressionFor(entry.Name);
}

}  // namespace

// ---------------------------------------------------------------------------
// TOPCItemList, TOPCItem

TOPCItem& TOPCItemList::Add(std::unique_ptr<TOPCItem> item)
{
    FItems.push_back(std::move(item));
    TOPCItem& added = *FItems.back();
    FById.emplace(std::string_view(added.Id()), &added);
    return added;
}

TOPCItem* TOPCItemList::FindId(std::string_view id) const
{
    const auto it = FById.find(id);
    return it == FById.end() ? nullptr : it->second;
}

std::vector<std::unique_ptr<TOPCItem>> TOPCItemList::ExtractAll()
{
    FById.clear();
    return std::move(FItems);
}

TOPCItem::TOPCItem(TOPCItem* parent, std::string id, std::string type, std::string target, TST_TargetMode mode)
    : FParent(parent), FId(std::move(id)), FType(std::move(type)), FTarget(std::move(target)), FTargetMode(mode)
{
}

// A chain of related parts is as deep as the file says: free it with a work
// list instead of letting each item's destructor free the next one.
TOPCItem::~TOPCItem()
{
    std::vector<std::unique_ptr<TOPCItem>> pending = FChildren.ExtractAll();
    while (!pending.empty()) {
        std::unique_ptr<TOPCItem> item = std::move(pending.back());
        pending.pop_back();
        for (auto& c : item->FChildren.ExtractAll())
            pending.push_back(std::move(c));
    }
}

TOPCItem* TOPCItem::Find(std::string_view id) const { return FChildren.FindId(id); }

void TOPCItem::FindByType(std::string_view type, std::vector<TOPCItem*>& list, bool recursive) const
{
    std::vector<const TOPCItem*> stack{this};
    while (!stack.empty()) {
        const TOPCItem* item = stack.back();
        stack.pop_back();
        const auto& items = item->FChildren.Items();
        for (const auto& c : items)
            if (c->FType == type)
                list.push_back(c.get());
        if (recursive)
            for (auto it = items.rbegin(); it != items.rend(); ++it)
                stack.push_back(it->get());
    }
}

TOPCItem* TOPCItem::FindByType(std::string_view type) const
{
    for (const auto& c : FChildren.Items())
        if (c->FType == type)
            return c.get();
    return nullptr;
}

TOPCItem* TOPCItem::FindByTarget(std::string_view partName) const
{
    if (!partName.empty() && partName.front() == '/')
        partName.remove_prefix(1);
    std::vector<const TOPCItem*> stack{this};
    while (!stack.empty()) {
        const TOPCItem* item = stack.back();
        stack.pop_back();
        for (const auto& c : item->FChildren.Items()) {
            if (c->IsExternal())
                continue;
            try {
                if (SameTextAscii(c->AbsolutePath(), partName))
                    return c.get();
            } catch (const VYXException&) {
                continue;  // a target outside the package names no part
            }
            stack.push_back(c.get());
        }
    }
    return nullptr;
}

TOPCItem* TOPCItem::FindTarget(std::string_view target) const
{
    for (const auto& c : FChildren.Items())
        if (c->FTarget == target)
            return c.get();
    return nullptr;
}

namespace {

// `target` resolved against `folder` ("" is the package root); false when it
// climbs above the root. A leading "/" starts at the root, a "#fragment" is
// dropped.
bool ResolveTarget(std::string_view folder, std::string_view target, std::string& out)
{
    std::vector<std::string_view> parts;
    std::string_view rest = target;
    auto split = [&parts](std::string_view path) {
        std::size_t start = 0;
        while (start <= path.size()) {
            std::size_t end = path.find('/', start);
            if (end == std::string_view::npos)
                end = path.size();
            const std::string_view seg = path.substr(start, end - start);
            if (seg == "..") {
                if (parts.empty())
                    return false;
                parts.pop_back();
            } else if (!seg.empty() && seg != ".") {
                parts.push_back(seg);
            }
            start = end + 1;
        }
        return true;
    };
    if (!rest.empty() && rest.front() == '/')
        rest.remove_prefix(1);
    else if (!split(folder))
        return false;
    const auto hash = rest.find('#');
    if (hash != std::string_view::npos)
        rest = rest.substr(0, hash);
    if (!split(rest))
        return false;
    out.clear();
    for (const auto& p : parts) {
        if (!out.empty())
            out.push_back('/');
        out.append(p);
    }
    return true;
}

[[noreturn]] void FailOutside(std::string_view target)
{
    Fail("OPC target \"" + std::string(target) + "\" climbs out of the package");
}

}  // namespace

// Walks up to the nearest item whose path is known, then resolves the chain
// downwards, so the cost is paid once per item whatever the depth.
void TOPCItem::ResolvePath() const
{
    std::vector<const TOPCItem*> chain;
    for (const TOPCItem* item = this; item && item->FPathState == 0; item = item->FParent) {
        if (!item->FParent || item->IsExternal()) {
            item->FPath = item->FParent ? item->FTarget : std::string();
            item->FPathState = 1;
            break;
        }
        chain.push_back(item);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const TOPCItem* item = *it;
        const TOPCItem* parent = item->FParent;
        const bool absolute = !item->FTarget.empty() && item->FTarget.front() == '/';
        if (parent->FPathState < 0 && !absolute) {
            item->FPathState = -1;
            continue;
        }
        const std::string folder = absolute ? std::string() : Folder(parent->FPath);
        item->FPathState = ResolveTarget(folder, item->FTarget, item->FPath) ? 1 : -1;
    }
}

const std::string& TOPCItem::AbsolutePath() const
{
    if (FPathState == 0)
        ResolvePath();
    if (FPathState < 0)
        FailOutside(FTarget);
    return FPath;
}

std::string TOPCItem::AbsoluteTarget(std::string_view target) const
{
    const bool absolute = !target.empty() && target.front() == '/';
    std::string out;
    if (!ResolveTarget(absolute ? std::string() : Folder(AbsolutePath()), target, out))
        FailOutside(target);
    return out;
}

std::string TOPCItem::MakeId() const
{
    int n = FChildren.Count() + 1;
    while (Find("rId" + std::to_string(n)))
        ++n;
    return "rId" + std::to_string(n);
}

std::string TOPCItem::MakeFilename_rels() const
{
    const std::string path = AbsolutePath();
    const std::string folder = Folder(path);
    const std::string_view file = LastSegment(path);
    std::string out = folder.empty() ? std::string() : folder + "/";
    out += "_rels/";
    out += file;
    out += ".rels";
    return out;
}

TOPCItem& TOPCItem::Add(std::unique_ptr<TOPCItem> item)
{
    item->FParent = this;
    item->FPathState = 0;  // resolved again under its new parent
    item->FPath.clear();
    return FChildren.Add(std::move(item));
}

TOPCItem& TOPCItem::AddNew(std::string_view type, std::string_view target, std::string_view id)
{
    return Add(std::make_unique<TOPCItem>(this, id.empty() ? MakeId() : std::string(id), std::string(type),
                                          std::string(target)));
}

TOPCItem& TOPCItem::AddNewExternal(std::string_view type, std::string_view target, std::string_view id)
{
    return Add(std::make_unique<TOPCItem>(this, id.empty() ? MakeId() : std::string(id), std::string(type),
                                          std::string(target), sttmExternal));
}

void TOPCItem::CheckoutAll()
{
    std::vector<TOPCItem*> stack{this};
    while (!stack.empty()) {
        TOPCItem* item = stack.back();
        stack.pop_back();
        item->CheckedOut = true;
        for (const auto& c : item->FChildren.Items())
            stack.push_back(c.get());
    }
}

// ---------------------------------------------------------------------------
// TOPC_ContentTypes

namespace {

std::string WithSlash(std::string_view partName)
{
    return partName.substr(0, 1) == "/" ? std::string(partName) : "/" + std::string(partName);
}

// Finds `key` (lower case) through a name index brought up to date with its
// list: entries appended since the last lookup are added (the first of a
// name wins); a list that shrank is indexed again from the start.
// A hit whose entry no longer carries the name (the list was refilled in
// place) rebuilds the index once.
template <class TList, class TKeyOf>
const typename TList::value_type* Lookup(const TList& list, std::unordered_map<std::string, std::size_t>& index,
                                         std::size_t& indexed, TKeyOf keyOf, const std::string& key)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (indexed > list.size() || attempt > 0) {
            index.clear();
            indexed = 0;
        }
        for (; indexed < list.size(); ++indexed)
            index.emplace(AsciiLower(keyOf(list[indexed])), indexed);
        const auto it = index.find(key);
        if (it == index.end())
            return nullptr;
        if (SameTextAscii(keyOf(list[it->second]), key))
            return &list[it->second];
    }
    return nullptr;
}

}  // namespace

const TOPC_ContentTypes::TOverride* TOPC_ContentTypes::FindOverride(const std::string& key) const
{
    return Lookup(
        Overrides, FOverrideIndex, FOverridesIndexed, [](const TOverride& o) -> const std::string& { return o.PartName; },
        key);
}

const TOPC_ContentTypes::TDefault* TOPC_ContentTypes::FindDefault(const std::string& key) const
{
    return Lookup(
        Defaults, FDefaultIndex, FDefaultsIndexed, [](const TDefault& d) -> const std::string& { return d.Extension; },
        key);
}

std::string TOPC_ContentTypes::Find(std::string_view partName) const
{
    const std::string withSlash = WithSlash(partName);
    if (const TOverride* o = FindOverride(AsciiLower(withSlash)))
        return o->ContentType;
    const std::string_view file = LastSegment(withSlash);
    const auto dot = file.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    if (const TDefault* d = FindDefault(AsciiLower(file.substr(dot + 1))))
        return d->ContentType;
    return {};
}

void TOPC_ContentTypes::AddDefault(std::string_view extension, std::string_view contentType)
{
    if (const TDefault* d = FindDefault(AsciiLower(extension))) {
        Defaults[static_cast<std::size_t>(d - Defaults.data())].ContentType.assign(contentType);
        return;
    }
    Defaults.push_back({std::string(extension), std::string(contentType)});
}

void TOPC_ContentTypes::AddOverride(std::string_view partName, std::string_view contentType)
{
    const std::string withSlash = WithSlash(partName);
    if (const TOverride* o = FindOverride(AsciiLower(withSlash))) {
        Overrides[static_cast<std::size_t>(o - Overrides.data())].ContentType.assign(contentType);
        return;
    }
    Overrides.push_back({withSlash, std::string(contentType)});
}

void TOPC_ContentTypes::SetDefaultDOCX()
{
    static constexpr std::pair<std::string_view, std::string_view> cDefaults[] = {
        {"rels", "application/vnd.openxmlformats-package.relationships+xml"},
        {"xml", "application/xml"},
        {"jpeg", "image/jpeg"},
        {"png", "image/png"},
        {"bmp", "image/bmp"},
        {"wmf", "image/x-wmf"},
        {"emf", "image/x-emf"},
        {"gif", "image/gif"},
        {"tiff", "image/tiff"},
    };
    for (const auto& [ext, type] : cDefaults)
        AddDefault(ext, type);
}

void TOPC_ContentTypes::Clear()
{
    Defaults.clear();
    Overrides.clear();
    FOverrideIndex.clear();
    FDefaultIndex.clear();
    FOverridesIndexed = FDefaultsIndexed = 0;
}

void TOPC_ContentTypes::LoadFromXml(std::string_view xml, TNyqPErrors& errors)
{
    TOPCContentTypesDoc doc;
    doc.LoadFromBuffer(xml);
    for (int i = 0; i < doc.Errors().Count(); ++i)
        errors.Add("[Content_Types].xml: " + doc.Errors().Items(i), doc.Errors().Codes(i));
    if (!doc.FTypes)
        return;
    // Element 0 of the choice is Default, 1 is Override.
    for (const auto& item : doc.FTypes->FChoice1List.GetItems()) {
        if (item.Element == 0) {
            const auto& d = static_cast<const TCT_Default&>(*item.Object);
            Defaults.push_back({d.FExtension, d.FContentType});
        } else {
            const auto& o = static_cast<const TCT_Override&>(*item.Object);
            Overrides.push_back({o.FPartName, o.FContentType});
        }
    }
}

std::string TOPC_ContentTypes::SaveToXml() const
{
    TOPCContentTypesDoc doc;
    auto& types = doc.Create_Types();
    for (const auto& d : Defaults) {
        auto& item = types.FChoice1List.Add<TCT_Default>(0);
        item.FExtension = d.Extension;
        item.FContentType = d.ContentType;
    }
    for (const auto& o : Overrides) {
        auto& item = types.FChoice1List.Add<TCT_Override>(1);
        item.FPartName = o.PartName;
        item.FContentType = o.ContentType;
    }
    return doc.SaveToString();
}

// ---------------------------------------------------------------------------
// TOPCContainer

TOPCContainer::TOPCContainer() : FRoot(std::make_unique<TOPCItem>(nullptr, std::string(cRootName), "", "")) {}
TOPCContainer::~TOPCContainer() = default;

// Starts an empty package model for reading or writing.
void TOPCContainer::Reset()
{
    if (FMode != opcmClosed)
        Fail("OPC is allready open");
    FRoot = std::make_unique<TOPCItem>(nullptr, std::string(cRootName), "", "");
    FContentTypes.Clear();
    FErrors.Clear();
    FConsumed.clear();
    FOpen.clear();
    FPending.clear();
}

void TOPCContainer::OpenRead(TVYXStream& stream)
{
    Reset();
    FArchive.OpenRead(stream);
    FMode = opcmRead;
    try {
        // Packages without content types or relationships (ODF, plain zips)
        // are still containers: their parts are listed, none is related.
        TXLSZipFile* types = FArchive.Find(cContentTypesName);
        HasContentTypes = types != nullptr;
        if (types) {
            FConsumed.insert(Key(types->Name));
            if (const auto xml = ReadMetadata(*types))
                FContentTypes.LoadFromXml(*xml, FErrors);
        }
        ReadRelationships();
    } catch (...) {
        FArchive.Close();
        FMode = opcmClosed;
        throw;
    }
}

// A metadata part that cannot be read (too big, damaged) is reported and
// read as empty, so the rest of the package can still be listed and read.
std::optional<std::string> TOPCContainer::ReadMetadata(TXLSZipFile& entry)
{
    try {
        return FArchive.ReadFileBytesMax(entry, MaxMetadataSize);
    } catch (const VYXException& e) {
        FErrors.Add(entry.Name + ": skipped: " + e.what());
        return std::nullopt;
    }
}

// Breadth first over the parts; each part's relationships are read once.
void TOPCContainer::ReadRelationships()
{
    std::deque<TOPCItem*> queue{FRoot.get()};
    std::set<std::string> done;
    int count = 0;
    while (!queue.empty()) {
        TOPCItem* item = queue.front();
        queue.pop_front();
        if (item->IsExternal())
            continue;
        std::string relsName;
        try {
            if (!done.insert(Key(item->AbsolutePath())).second)
                continue;
            relsName = item->MakeFilename_rels();
        } catch (const VYXException&) {
            continue;  // the target lies outside the package: it has no part
        }
        TXLSZipFile* entry = FArchive.Find(relsName);
        if (!entry)
            continue;
        FConsumed.insert(Key(entry->Name));
        item->HadRels = true;
        const auto xml = ReadMetadata(*entry);
        if (!xml)
            continue;
        TOPCRelationshipsDoc doc;
        doc.LoadFromBuffer(*xml);
        for (int i = 0; i < doc.Errors().Count(); ++i)
            FErrors.Add(relsName + ": " + doc.Errors().Items(i), doc.Errors().Codes(i));
        if (!doc.FRelationships)
            continue;
        for (const auto& rel : doc.FRelationships->FRelationshipList.GetItems()) {
            if (++count > cMaxItems)
                Fail("OPC package has too many relationships");
            if (item->Find(rel->FId))
                FErrors.Add(relsName + ": duplicate relationship id \"" + rel->FId + "\"");
            auto& child = item->Add(std::make_unique<TOPCItem>(item, rel->FId, rel->FType, rel->FTarget,
                                                                rel->FTargetMode.value_or(sttmInternal)));
            if (!child.IsExternal()) {
                try {
                    child.ContentType = FContentTypes.Find(child.AbsolutePath());
                } catch (const VYXException&) {
                }
                queue.push_back(&child);
            }
        }
    }
}

bool TOPCContainer::ItemExists(const TOPCItem& item)
{
    if (item.IsExternal() || item.IsRoot())
        return false;
    try {
        const std::string path = item.AbsolutePath();
        return FArchive.Find(path) || FArchive.Find(PercentDecode(path));
    } catch (const VYXException&) {
        return false;
    }
}

std::string TOPCContainer::ReadPart(std::string_view partName)
{
    if (FMode != opcmRead)
        Fail("ZIP file is not open");
    if (!partName.empty() && partName.front() == '/')
        partName.remove_prefix(1);
    TXLSZipFile* entry = FArchive.Find(partName);
    if (!entry)
        entry = FArchive.Find(PercentDecode(partName));
    if (!entry)
        Fail("Can not find file " + std::string(partName) + " in ZIP");
    FConsumed.insert(Key(entry->Name));
    return FArchive.ReadFileBytes(*entry);
}

std::string TOPCContainer::ItemOpenRead(TOPCItem& item)
{
    if (item.IsExternal() || item.IsRoot())
        Fail("Can not find file " + item.Target() + " in ZIP");
    std::string bytes = ReadPart(item.AbsolutePath());
    item.Checkout();
    return bytes;
}

void TOPCContainer::ItemReadStream(TOPCItem& item, TVYXStream& output) { output.WriteString(ItemOpenRead(item)); }

std::unique_ptr<TVYXMemoryStream> TOPCContainer::ItemOpenStream(TOPCItem& item)
{
    return std::make_unique<TVYXMemoryStream>(ItemOpenRead(item));
}

void TOPCContainer::OpenWrite(TVYXStream& stream)
{
    Reset();
    FConsumed.insert(Key(cContentTypesName));
    HasContentTypes = true;
    FArchive.OpenWrite(stream);
    FMode = opcmWrite;
}

TOPCItem& TOPCContainer::ItemCreate(TOPCItem& parent, std::string_view relType, std::string_view contentType,
                                    std::string_view target, std::string_view id)
{
    if (FMode != opcmWrite)
        Fail("ZIP file is not open");
    if (FContentTypesWritten && !contentType.empty())
        Fail("The content types of this package were already written");
    TOPCItem& item = parent.AddNew(relType, target, id);
    item.ContentType.assign(contentType);
    if (!contentType.empty())
        FContentTypes.AddOverride("/" + item.AbsolutePath(), contentType);
    return item;
}

TOPCItem& TOPCContainer::ItemCreateExternal(TOPCItem& parent, std::string_view relType, std::string_view target,
                                            std::string_view id)
{
    if (FMode != opcmWrite)
        Fail("ZIP file is not open");
    return parent.AddNewExternal(relType, target, id);
}

TVYXStream& TOPCContainer::ItemCreateStream(TOPCItem& parent, std::string_view relType, std::string_view contentType,
                                            std::string_view target)
{
    TOPCItem& item = ItemCreate(parent, relType, contentType, target);
    FOpen.emplace_back(&item, std::make_unique<TVYXMemoryStream>());
    return *FOpen.back().second;
}

void TOPCContainer::ItemWrite(TOPCItem& item, std::string_view bytes)
{
    for (auto& [open, stream] : FOpen)
        if (open == &item) {
            stream->WriteString(bytes);
            return;
        }
    if (FMode != opcmWrite || item.IsExternal() || item.IsRoot())
        Fail("OPC Item is not opened for writing.");
    FOpen.emplace_back(&item, std::make_unique<TVYXMemoryStream>());
    FOpen.back().second->WriteString(bytes);
}

void TOPCContainer::ItemClose(TOPCItem& item)
{
    const auto it = std::find_if(FOpen.begin(), FOpen.end(), [&](const auto& p) { return p.first == &item; });
    if (it == FOpen.end())
        Fail("Close on not open OPC Item.");
    const std::string path = item.AbsolutePath();
    const std::unique_ptr<TVYXMemoryStream> stream = std::move(it->second);
    FOpen.erase(it);
    WritePart(path, stream->Bytes(), CompressionFor(path));
}

void TOPCContainer::WritePart(std::string_view partName, std::string_view bytes, TXLSZipCompression compression)
{
    if (FMode != opcmWrite)
        Fail("ZIP file is not open");
    if (XLSZipNameIsUnsafe(partName))
        Fail("Unsafe file name \"" + std::string(partName) + "\" in ZIP");
    if (!FConsumed.insert(Key(partName)).second)
        Fail("Duplicate file \"" + std::string(partName) + "\" in Zip");
    FPending.push_back({std::string(partName), std::string(bytes), compression});
}

void TOPCContainer::Close()
{
    if (FMode == opcmWrite) {
        while (!FOpen.empty())
            ItemClose(*FOpen.front().first);
        // Every item with children gets its relationship part.
        std::vector<const TOPCItem*> stack{FRoot.get()};
        while (!stack.empty()) {
            const TOPCItem* item = stack.back();
            stack.pop_back();
            const auto& children = item->Children().Items();
            if (!children.empty() || item->HadRels) {
                TOPCRelationshipsDoc doc;
                auto& rels = doc.Create_Relationships();
                for (const auto& c : children) {
                    auto& rel = rels.FRelationshipList.Add();
                    rel.FId = c->Id();
                    rel.FType = c->Type();
                    rel.FTarget = c->Target();
                    if (c->IsExternal())
                        rel.FTargetMode = sttmExternal;
                }
                WritePart(item->MakeFilename_rels(), doc.SaveToString());
            }
            for (auto it = children.rbegin(); it != children.rend(); ++it)
                if (!(*it)->IsExternal())
                    stack.push_back(it->get());
        }
        WriteContentTypes();
        for (const auto& part : FPending)
            FArchive.AddBytes(part.Name, part.Bytes, part.Compression);
        FPending.clear();
    }
    FArchive.Close();
    FMode = opcmClosed;
    FOpen.clear();
    FPending.clear();
    FContentTypesWritten = false;
}

// Content types first: tools that sniff a package look at the first entry.
void TOPCContainer::WriteContentTypes()
{
    if (FContentTypesWritten)
        return;
    FContentTypesWritten = true;
    if (HasContentTypes)
        FArchive.AddBytes(cContentTypesName, FContentTypes.SaveToXml());
}

void TOPCContainer::CopyPart(TOPCContainer& source, TXLSZipFile& entry)
{
    if (FMode != opcmWrite)
        Fail("ZIP file is not open");
    if (XLSZipNameIsUnsafe(entry.Name))
        Fail("Unsafe file name \"" + entry.Name + "\" in ZIP");
    if (!FConsumed.insert(Key(entry.Name)).second)
        Fail("Duplicate file \"" + entry.Name + "\" in Zip");
    WriteContentTypes();
    FArchive.CopyEntry(source.FArchive, entry, entry.Name, CompressionFor(entry));
    source.FConsumed.insert(Key(entry.Name));
}

void TOPCContainer::CollectUnchecked(std::vector<std::string>& names)
{
    for (int i = 0; i < FArchive.Count(); ++i) {
        const TXLSZipFile& f = FArchive.Items(i);
        if (!f.Unsafe && FConsumed.count(Key(f.Name)) == 0)
            names.push_back(f.Name);
    }
}

void TOPCContainer::SaveUnchecked(TOPCContainer& target)
{
    std::vector<std::string> names;
    CollectUnchecked(names);
    for (const auto& name : names)
        target.CopyPart(*this, *FArchive.Find(name));
}

std::string TOPCContainer::DebugDump() const
{
    std::string out;
    std::vector<std::pair<const TOPCItem*, int>> stack{{FRoot.get(), 0}};
    while (!stack.empty()) {
        auto [item, depth] = stack.back();
        stack.pop_back();
        // Deep chains would make the indentation alone grow with the square
        // of the depth: past a few levels the depth is written as a number.
        if (depth <= cMaxDumpIndent)
            out.append(static_cast<std::size_t>(depth) * 2, ' ');
        else
            out += std::string(cMaxDumpIndent * 2, ' ') + "[" + std::to_string(depth) + "] ";
        if (item->IsRoot()) {
            out.append(cRootName);
        } else {
            out += item->Id() + " " + std::string(LastSegment(item->Type())) + " -> ";
            std::string path;
            try {
                path = item->AbsolutePath();
            } catch (const VYXException&) {
                path = item->Target() + " (outside the package)";
            }
            out += path;
            if (item->IsExternal())
                out += " (external)";
            if (!item->ContentType.empty())
                out += " [" + item->ContentType + "]";
        }
        out.push_back('\n');
        const auto& children = item->Children().Items();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.emplace_back(it->get(), depth + 1);
    }
    return out;
}

std::vector<std::string> OPCRepack(TOPCContainer& source, TVYXStream& output)
{
    TOPCContainer target;
    target.OpenWrite(output);
    target.ContentTypes() = source.ContentTypes();
    target.HasContentTypes = source.HasContentTypes;
    target.Root().HadRels = source.Root().HadRels;
    std::set<std::string> written;
    std::vector<std::pair<TOPCItem*, TOPCItem*>> stack{{&source.Root(), &target.Root()}};
    while (!stack.empty()) {
        auto [from, to] = stack.back();
        stack.pop_back();
        for (const auto& c : from->Children().Items()) {
            if (c->IsExternal()) {
                target.ItemCreateExternal(*to, c->Type(), c->Target(), c->Id());
                continue;
            }
            TOPCItem& copy = target.ItemCreate(*to, c->Type(), "", c->Target(), c->Id());
            copy.HadRels = c->HadRels;
            stack.emplace_back(c.get(), &copy);
            // A part reached twice is written once; a dangling target stays a relationship only.
            if (source.ItemExists(*c) && written.insert(Key(c->AbsolutePath())).second) {
                const std::string& path = c->AbsolutePath();
                TXLSZipFile* entry = source.Archive().Find(path);
                if (!entry)
                    entry = source.Archive().Find(PercentDecode(path));
                target.CopyPart(source, *entry);
                c->Checkout();
            }
        }
    }
    source.SaveUnchecked(target);
    target.Close();
    std::vector<std::string> dropped;
    TXLSZipArchive& archive = source.Archive();
    for (int i = 0; i < archive.Count(); ++i)
        if (archive.Items(i).Unsafe)
            dropped.push_back(archive.Items(i).Name);
    return dropped;
}

// ---------------------------------------------------------------------------
// TOPC_DOCX

namespace {

struct TDocxPartInfo {
    TOPCDocxPart Part;
    std::string_view RelPath;  // under the transitional base
    std::string_view ContentType;
    std::string_view Target;   // printf pattern, relative to the owner
};

constexpr TDocxPartInfo cDocxParts[] = {  // in TOPCDocxPart order
    {odpDocument, "/officeDocument/2006/relationships/officeDocument",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml", "word/document.xml"},
    {odpStyles, "/officeDocument/2006/relationships/styles",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml", "styles.xml"},
    {odpNumbering, "/officeDocument/2006/relationships/numbering",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml", "numbering.xml"},
    {odpSettings, "/officeDocument/2006/relationships/settings",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml", "settings.xml"},
    {odpTheme, "/officeDocument/2006/relationships/theme", "application/vnd.openxmlformats-officedocument.theme+xml",
     "theme/theme%d.xml"},
    {odpHeader, "/officeDocument/2006/relationships/header",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml", "header%d.xml"},
    {odpFooter, "/officeDocument/2006/relationships/footer",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml", "footer%d.xml"},
    {odpFootnotes, "/officeDocument/2006/relationships/footnotes",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.footnotes+xml", "footnotes.xml"},
    {odpEndnotes, "/officeDocument/2006/relationships/endnotes",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.endnotes+xml", "endnotes.xml"},
    {odpComments, "/officeDocument/2006/relationships/comments",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml", "comments.xml"},
    {odpImage, "/officeDocument/2006/relationships/image", "", "media/image%d.%s"},
    {odpHyperlink, "/officeDocument/2006/relationships/hyperlink", "", ""},
    {odpDocPropsApp, "/officeDocument/2006/relationships/extended-properties",
     "application/vnd.openxmlformats-officedocument.extended-properties+xml", "docProps/app.xml"},
    {odpDocPropsCore, "/package/2006/relationships/metadata/core-properties",
     "application/vnd.openxmlformats-package.core-properties+xml", "docProps/core.xml"},
};

const TDocxPartInfo& Info(TOPCDocxPart part) { return cDocxParts[part]; }

// Transitional, strict, or any spelling differing only in case.
bool IsRelType(std::string_view type, TOPCDocxPart part)
{
    const auto& info = Info(part);
    const std::string transitional = std::string(cTransitionalBase) + std::string(info.RelPath);
    if (SameTextAscii(type, transitional))
        return true;
    // Some writers file the core properties under the office-document relationships.
    if (part == odpDocPropsCore && SameTextAscii(type, std::string(cTransitionalBase) + "/officeDocument/2006/relationships/metadata/core-properties"))
        return true;
    return SameTextAscii(type, std::string(cStrictBase) + std::string(LastSegment(info.RelPath)));
}

std::string FormatTarget(std::string_view pattern, int n, std::string_view ext = {})
{
    char buf[256];
    std::snprintf(buf, sizeof buf, std::string(pattern).c_str(), n, std::string(ext).c_str());
    return buf;
}

}  // namespace

std::string OPCDocxRelType(TOPCDocxPart part) { return std::string(cTransitionalBase) + std::string(Info(part).RelPath); }

void TOPC_DOCX::OpenRead(TVYXStream& stream)
{
    TOPCContainer::OpenRead(stream);
    FDocument = nullptr;
    FCurrItem = nullptr;
    std::vector<TOPCItem*> docs;
    for (const auto& c : Root().Children().Items())
        if (IsRelType(c->Type(), odpDocument))
            docs.push_back(c.get());
    if (docs.size() != 1) {
        TOPCContainer::Close();
        Fail(docs.empty() ? "Can not find document in OPC" : "More than one document in OPC");
    }
    FDocument = docs.front();
}

void TOPC_DOCX::OpenWrite(TVYXStream& stream)
{
    TOPCContainer::OpenWrite(stream);
    FDocument = nullptr;
    FCurrItem = nullptr;
    ContentTypes().SetDefaultDOCX();
}

void TOPC_DOCX::Close()
{
    TOPCContainer::Close();
    FDocument = nullptr;
    FCurrItem = nullptr;
}

TOPCItem* TOPC_DOCX::FindPart(const TOPCItem* owner, TOPCDocxPart part) const
{
    if (!owner)
        return nullptr;
    for (const auto& c : owner->Children().Items())
        if (IsRelType(c->Type(), part))
            return c.get();
    return nullptr;
}

std::string TOPC_DOCX::ReadDocument()
{
    if (!FDocument)
        Fail("Can not find document in OPC");
    return ItemOpenRead(*FDocument);
}

std::string TOPC_DOCX::ReadDocPart(TOPCDocxPart part)
{
    TOPCItem* item = FindPart(FDocument, part);
    return item && ItemExists(*item) ? ItemOpenRead(*item) : std::string();
}

std::string TOPC_DOCX::ReadRootPart(TOPCDocxPart part)
{
    TOPCItem* item = FindPart(&Root(), part);
    return item && ItemExists(*item) ? ItemOpenRead(*item) : std::string();
}

std::string TOPC_DOCX::ReadById(TOPCItem* owner, std::string_view rId, TOPCDocxPart part)
{
    TOPCItem* item = owner ? owner->Find(rId) : nullptr;
    if (!item || !IsRelType(item->Type(), part) || !ItemExists(*item))
        return {};
    return ItemOpenRead(*item);
}

void TOPC_DOCX::Collect(const TOPCItem* owner, TOPCDocxPart part, std::vector<TOPCItem*>& list) const
{
    if (!owner)
        return;
    for (const auto& c : owner->Children().Items())
        if (IsRelType(c->Type(), part))
            list.push_back(c.get());
}

void TOPC_DOCX::ReadDocImages(std::vector<TOPCItem*>& list) const { Collect(FDocument, odpImage, list); }

void TOPC_DOCX::ReadHeaderFooterImages(const TOPCItem& headerOrFooter, std::vector<TOPCItem*>& list) const
{
    Collect(&headerOrFooter, odpImage, list);
}

void TOPC_DOCX::ReadNumberingImages(std::vector<TOPCItem*>& list) const
{
    Collect(FindPart(FDocument, odpNumbering), odpImage, list);
}

void TOPC_DOCX::ReadHyperlinks(std::vector<TOPCItem*>& list) const { Collect(FDocument, odpHyperlink, list); }
void TOPC_DOCX::FindHeaders(std::vector<TOPCItem*>& list) const { Collect(FDocument, odpHeader, list); }
void TOPC_DOCX::FindFooters(std::vector<TOPCItem*>& list) const { Collect(FDocument, odpFooter, list); }

TOPCItem& TOPC_DOCX::CreateDocument()
{
    if (FDocument)
        Fail("OPC workbook is open");
    const auto& info = Info(odpDocument);
    FDocument = &ItemCreate(Root(), OPCDocxRelType(odpDocument), info.ContentType, info.Target);
    return *FDocument;
}

TOPCItem& TOPC_DOCX::CreateDocPart(TOPCDocxPart part, int n)
{
    if (!FDocument)
        Fail("Can not find document in OPC");
    const auto& info = Info(part);
    return ItemCreate(*FDocument, OPCDocxRelType(part), info.ContentType, FormatTarget(info.Target, n));
}

TOPCItem& TOPC_DOCX::AddImage(int n, std::string_view extension, std::string_view bytes)
{
    TOPCItem* owner = FCurrItem ? FCurrItem : FDocument;
    if (!owner)
        Fail("Can not find document in OPC");
    TOPCItem& item = ItemCreate(*owner, OPCDocxRelType(odpImage), "", FormatTarget(Info(odpImage).Target, n, extension));
    WritePart(item.AbsolutePath(), bytes, xzcFast);
    return item;
}

TOPCItem& TOPC_DOCX::AddHyperlink(std::string_view url)
{
    if (!FDocument)
        Fail("Can not find document in OPC");
    return ItemCreateExternal(*FDocument, OPCDocxRelType(odpHyperlink), url);
}

TOPCItem& TOPC_DOCX::AddDocPropsApp()
{
    const auto& info = Info(odpDocPropsApp);
    return ItemCreate(Root(), OPCDocxRelType(odpDocPropsApp), info.ContentType, info.Target);
}

TOPCItem& TOPC_DOCX::AddDocPropsCore()
{
    const auto& info = Info(odpDocPropsCore);
    return ItemCreate(Root(), OPCDocxRelType(odpDocPropsCore), info.ContentType, info.Target);
}

void TOPC_DOCX::WriteItem(TOPCItem& item, std::string_view bytes) { WritePart(item.AbsolutePath(), bytes); }
