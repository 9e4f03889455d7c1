// VYXCompoundFile.cpp: reading and writing compound files (sectors, allocation tables,
// mini stream, directory tree).
//
// File layout (all integers little-endian):
//   header (512 bytes; a version 4 file pads it to one 4096-byte sector)
//     0 signature D0 CF 11 E0 A1 B1 1A E1, 24 minor, 26 major (3 or 4), 28 byte order FFFE,
//     30 sector shift (9 or 12), 32 mini sector shift (6), 40 directory sectors (v4),
//     44 FAT sectors, 48 first directory sector, 56 mini cutoff (4096), 60 first mini FAT
//     sector, 64 mini FAT sectors, 68 first DIFAT sector, 72 DIFAT sectors, 76 the first
//     109 FAT sector numbers
//   sector n at (n + 1) × sector size
//   FAT: next sector of each sector; DIFAT sectors list further FAT sectors, their last
//     entry chaining to the next DIFAT sector
//   directory: 128-byte entries: name (32 UTF-16 units), name length in bytes with the
//     terminating zero, type, colour, left, right, child, CLSID, state bits, two FILETIMEs,
//     start sector, size; siblings form a red-black tree, a storage points at its root
//   streams below the cutoff live in 64-byte mini sectors of the root's stream, chained
//     through the mini FAT
#include "platform/VYXCompoundFile.h"

#include <algorithm>
#include <cstring>

#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr std::uint32_t cFreeSect = 0xFFFFFFFF;
constexpr std::uint32_t cEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t cFatSect = 0xFFFFFFFD;
constexpr std::uint32_t cDifSect = 0xFFFFFFFC;
constexpr std::uint32_t cNoStream = 0xFFFFFFFF;
constexpr std::uint32_t cMaxRegSect = 0xFFFFFFFA;
constexpr std::size_t cHeaderSize = 512;
constexpr std::size_t cEntrySize = 128;
constexpr int cHeaderDifat = 109;
constexpr std::uint32_t cMiniSector = 64;
constexpr std::uint32_t cMiniCutoff = 4096;
constexpr unsigned char cSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

std::uint16_t GetU16(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t GetU32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint64_t GetU64(const char* p)
{
    return GetU32(p) | (static_cast<std::uint64_t>(GetU32(p + 4)) << 32);
}

void PutU16(std::string& s, std::size_t at, std::uint16_t v)
{
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8);
}

void PutU32(std::string& s, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void PutU64(std::string& s, std::size_t at, std::uint64_t v)
{
    PutU32(s, at, static_cast<std::uint32_t>(v));
    PutU32(s, at + 4, static_cast<std::uint32_t>(v >> 32));
}

[[noreturn]] void Damaged(const char* message)
{
    throw VYXException(message);
}

bool ValidName(std::u16string_view name)
{
    if (name.empty() || name.size() > 31)
        return false;
    for (char16_t c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c == u'!' || c == 0)
            return false;
    return true;
}

}  // namespace

int VYXCfbCompareNames(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char16_t x = UnicodeUpper(a[i]);
        const char16_t y = UnicodeUpper(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// ---------------------------------------------------------------------------------------
// Reading

TVYXCompoundFile::TVYXCompoundFile(std::string data) : FData(std::move(data))
{
    ReadHeader();
    ReadFat();
    ReadDirectory();
    ReadMiniStream();
}

TVYXCompoundFile::~TVYXCompoundFile() = default;

std::unique_ptr<TVYXCompoundFile> TVYXCompoundFile::OpenFile(const std::string& fileName)
{
    return std::make_unique<TVYXCompoundFile>(VYXReadFile(fileName));
}

std::unique_ptr<TVYXCompoundFile> TVYXCompoundFile::OpenStream(TVYXStream& stream)
{
    stream.Seek(0, vysoBeginning);
    return std::make_unique<TVYXCompoundFile>(stream.ReadAll());
}

bool TVYXCompoundFile::HasSignature(std::string_view firstBytes)
{
    return firstBytes.size() >= sizeof(cSignature) &&
           std::memcmp(firstBytes.data(), cSignature, sizeof(cSignature)) == 0;
}

void TVYXCompoundFile::ReadHeader()
{
    if (!HasSignature(FData))
        Damaged("Not a compound file");
    if (FData.size() < cHeaderSize)
        Damaged("Compound file is truncated");
    const char* h = FData.data();
    FMajor = GetU16(h + 26);
    const std::uint16_t shift = GetU16(h + 30);
    if (GetU16(h + 28) != 0xFFFE || !((FMajor == 3 && shift == 9) || (FMajor == 4 && shift == 12)))
        Damaged("Unsupported compound file version");
    FSectorSize = 1u << shift;
    FMiniSectorSize = 1u << std::min<std::uint16_t>(GetU16(h + 32), 15);
    FMiniCutoff = GetU32(h + 56);
    // Other mini sector sizes or cutoffs do not occur in files written by anyone; refusing
    // them keeps the stream lookup below to one rule.
    if (FMiniSectorSize != cMiniSector || FMiniCutoff != cMiniCutoff)
        Damaged("Unsupported compound file version");
    FFatSectors = GetU32(h + 44);
    FFirstDirSector = GetU32(h + 48);
    FFirstMiniFatSector = GetU32(h + 60);
    FMiniFatSectors = GetU32(h + 64);
    FFirstDifatSector = GetU32(h + 68);
    FDifatSectors = GetU32(h + 72);

    // A partial last sector reads as if padded with zeros, as other readers do.
    const std::size_t body = FData.size() > FSectorSize ? FData.size() - FSectorSize : 0;
    const std::size_t count = (body + FSectorSize - 1) / FSectorSize;
    if (count > cMaxRegSect)
        Damaged("Compound file is too large");
    FSectorCount = static_cast<std::uint32_t>(count);
    FFileSize = FData.size();
    FData.resize((count + 1) * FSectorSize, '\0');
}

const char* TVYXCompoundFile::Sector(std::uint32_t index) const
{
    return FData.data() + (static_cast<std::size_t>(index) + 1) * FSectorSize;
}

std::vector<std::uint32_t> TVYXCompoundFile::Chain(const std::vector<std::uint32_t>& table,
                                                   std::uint32_t start, std::uint32_t limit,
                                                   const char* what) const
{
    std::vector<std::uint32_t> chain;
    std::uint32_t s = start;
    while (s != cEndOfChain) {
        // Some writers mark an empty chain with a free sector instead of the end mark.
        if (s == cFreeSect && chain.empty())
            break;
        if (s >= limit || s >= table.size())
            throw VYXException(std::string("Compound file sector number out of range in ") + what);
        // A chain longer than the table has sectors must run in a loop.
        if (chain.size() >= limit)
            throw VYXException(std::string("Compound file sector chain loops in ") + what);
        chain.push_back(s);
        s = table[s];
    }
    return chain;
}

bool TVYXCompoundFile::Whole(std::uint32_t sector) const
{
    return (static_cast<std::uint64_t>(sector) + 2) * FSectorSize <= FFileSize;
}

void TVYXCompoundFile::CheckPresent(const std::vector<std::uint32_t>& chain, std::uint64_t size) const
{
    // Only the sector holding the last byte can reach past a cut file: the zero padding
    // of a partial last sector must not pass for stream data.
    const std::size_t used = static_cast<std::size_t>((size + FSectorSize - 1) / FSectorSize);
    if (used == 0)
        return;
    const std::uint64_t tail = size - static_cast<std::uint64_t>(used - 1) * FSectorSize;
    for (std::size_t i = 0; i < used; ++i) {
        const std::uint64_t end = (static_cast<std::uint64_t>(chain[i]) + 1) * FSectorSize + (i + 1 < used ? FSectorSize : tail);
        if (end > FFileSize)
            Damaged("Compound file stream is truncated");
    }
}

void TVYXCompoundFile::ReadFat()
{
    if (FFatSectors > FSectorCount)
        Damaged("Compound file is truncated");
    std::vector<std::uint32_t> fatSectors;
    fatSectors.reserve(FFatSectors);
    const char* h = FData.data();
    for (int i = 0; i < cHeaderDifat && fatSectors.size() < FFatSectors; ++i)
        fatSectors.push_back(GetU32(h + 76 + 4 * i));

    // Further FAT sector numbers sit in the DIFAT chain; each of its sectors ends with
    // the number of the next one.
    const std::uint32_t perDifat = FSectorSize / 4 - 1;
    std::uint32_t d = FFirstDifatSector;
    std::uint32_t steps = 0;
    while (fatSectors.size() < FFatSectors) {
        if (d >= FSectorCount)
            Damaged("Compound file sector number out of range in the DIFAT");
        if (!Whole(d))
            Damaged("Compound file is truncated");
        if (++steps > FSectorCount)
            Damaged("Compound file sector chain loops in the DIFAT");
        const char* p = Sector(d);
        for (std::uint32_t i = 0; i < perDifat && fatSectors.size() < FFatSectors; ++i)
            fatSectors.push_back(GetU32(p + 4 * i));
        d = GetU32(p + 4 * perDifat);
    }

    const std::size_t perFat = FSectorSize / 4;
    FFat.clear();
    FFat.reserve(std::min<std::size_t>(fatSectors.size() * perFat, FSectorCount));
    for (std::uint32_t s : fatSectors) {
        if (s >= FSectorCount)
            Damaged("Compound file sector number out of range in the FAT");
        if (!Whole(s))
            Damaged("Compound file is truncated");
        const char* p = Sector(s);
        for (std::size_t i = 0; i < perFat && FFat.size() < FSectorCount; ++i)
            FFat.push_back(GetU32(p + 4 * i));
    }
}

void TVYXCompoundFile::ReadDirectory()
{
    const std::vector<std::uint32_t> chain = Chain(FFat, FFirstDirSector, FSectorCount, "the directory");
    if (chain.empty())
        Damaged("Compound file has no root storage");
    const std::size_t perSector = FSectorSize / cEntrySize;
    FEntries.resize(chain.size() * perSector);
    std::vector<TLinks> links(FEntries.size());
    std::size_t n = 0;
    for (std::uint32_t s : chain) {
        if (!Whole(s))
            Damaged("Compound file is truncated");
        const char* sector = Sector(s);
        for (std::size_t k = 0; k < perSector; ++k, ++n) {
            const char* p = sector + k * cEntrySize;
            TVYXCfbEntry& e = FEntries[n];
            const std::size_t nameBytes = std::min<std::size_t>(GetU16(p + 64), 64);
            for (std::size_t i = 0; i + 1 < nameBytes; i += 2) {
                const char16_t c = GetU16(p + i);
                if (c == 0)
                    break;
                e.Name.push_back(c);
            }
            const std::uint8_t type = static_cast<std::uint8_t>(p[66]);
            e.Type = (type == vycetStorage || type == vycetStream || type == vycetRoot)
                         ? static_cast<TVYXCfbEntryType>(type) : vycetEmpty;
            std::memcpy(e.Clsid.data(), p + 80, 16);
            e.StateBits = GetU32(p + 96);
            e.Created = GetU64(p + 100);
            e.Modified = GetU64(p + 108);
            e.StartSector = GetU32(p + 116);
            // Version 3 files may leave junk in the high half of the size.
            e.Size = FMajor == 3 ? GetU32(p + 120) : GetU64(p + 120);
            links[n] = {GetU32(p + 68), GetU32(p + 72), GetU32(p + 76)};
        }
    }
    if (FEntries[0].Type != vycetRoot)
        Damaged("Compound file has no root storage");
    BuildTree(links);
}

void TVYXCompoundFile::BuildTree(const std::vector<TLinks>& links)
{
    const std::size_t count = FEntries.size();
    auto valid = [count](std::uint32_t link) {
        if (link == cNoStream)
            return false;
        if (link >= count)
            Damaged("Compound file directory is damaged");
        return true;
    };

    // Every entry may be reached once; a second visit means the links form a cycle
    // (or two storages share a child), and walking on would never end.
    std::vector<bool> seen(count, false);
    seen[0] = true;
    std::vector<int> storages{0};
    std::vector<std::uint32_t> stack;
    while (!storages.empty()) {
        const int storage = storages.back();
        storages.pop_back();
        // In-order walk of the sibling tree, so children come out sorted.
        std::uint32_t node = links[static_cast<std::size_t>(storage)].Child;
        stack.clear();
        bool hasNode = valid(node);
        while (hasNode || !stack.empty()) {
            while (hasNode) {
                if (seen[node])
                    Damaged("Compound file directory has a cycle");
                seen[node] = true;
                stack.push_back(node);
                node = links[node].Left;
                hasNode = valid(node);
            }
            const std::uint32_t cur = stack.back();
            stack.pop_back();
            TVYXCfbEntry& e = FEntries[cur];
            if (e.Type == vycetRoot)
                Damaged("Compound file directory is damaged");
            if (e.Type != vycetEmpty) {
                e.Parent = storage;
                FEntries[static_cast<std::size_t>(storage)].Children.push_back(static_cast<int>(cur));
                if (e.Type == vycetStorage)
                    storages.push_back(static_cast<int>(cur));
            }
            node = links[cur].Right;
            hasNode = valid(node);
        }
    }
}

void TVYXCompoundFile::ReadMiniStream()
{
    const TVYXCfbEntry& root = FEntries[0];
    if (root.Size == 0)
        return;
    const std::vector<std::uint32_t> chain = Chain(FFat, root.StartSector, FSectorCount, "the mini stream");
    if (root.Size > static_cast<std::uint64_t>(chain.size()) * FSectorSize)
        Damaged("Compound file stream is larger than its sectors");
    FMiniStream.reserve(chain.size() * FSectorSize);
    for (std::uint32_t s : chain)
        FMiniStream.append(Sector(s), FSectorSize);
    FMiniStream.resize(static_cast<std::size_t>(root.Size));
    CheckPresent(chain, root.Size);

    // The mini FAT is read as far as its chain goes; its sector count in the header is
    // only a hint (some writers leave it 0).
    const std::vector<std::uint32_t> fatChain =
        Chain(FFat, FFirstMiniFatSector, FSectorCount, "the mini FAT");
    const std::size_t miniSectors = FMiniStream.size() / FMiniSectorSize;
    for (std::uint32_t s : fatChain) {
        if (!Whole(s))
            Damaged("Compound file is truncated");
        const char* p = Sector(s);
        for (std::uint32_t i = 0; i < FSectorSize / 4 && FMiniFat.size() < miniSectors; ++i)
            FMiniFat.push_back(GetU32(p + 4 * i));
    }
}

int TVYXCompoundFile::Find(int storage, std::u16string_view name) const
{
    for (int c : Entry(storage).Children)
        if (VYXCfbCompareNames(FEntries[static_cast<std::size_t>(c)].Name, name) == 0)
            return c;
    return -1;
}

int TVYXCompoundFile::FindPath(std::u16string_view path) const
{
    int cur = 0;
    while (!path.empty() && cur >= 0) {
        const std::size_t slash = path.find(u'/');
        const std::u16string_view part = path.substr(0, slash);
        if (!part.empty()) {
            if (!Entry(cur).IsStorage())
                return -1;
            cur = Find(cur, part);
        }
        path = slash == std::u16string_view::npos ? std::u16string_view() : path.substr(slash + 1);
    }
    return cur;
}

std::string TVYXCompoundFile::ReadStream(int entry) const
{
    const TVYXCfbEntry& e = Entry(entry);
    if (e.Type != vycetStream)
        Damaged("Compound file entry is not a stream");
    std::string out;
    if (e.Size == 0)
        return out;
    const bool mini = e.Size < FMiniCutoff;
    const std::vector<std::uint32_t>& table = mini ? FMiniFat : FFat;
    const std::uint32_t unit = mini ? FMiniSectorSize : FSectorSize;
    const std::uint32_t limit = mini ? static_cast<std::uint32_t>(FMiniStream.size() / unit) : FSectorCount;
    const std::vector<std::uint32_t> chain = Chain(table, e.StartSector, limit, "a stream");
    // Checked before allocating: the size can only be as large as the chain holds.
    if (e.Size > static_cast<std::uint64_t>(chain.size()) * unit)
        Damaged("Compound file stream is larger than its sectors");
    if (!mini)
        CheckPresent(chain, e.Size);
    out.reserve(static_cast<std::size_t>(e.Size));
    for (std::uint32_t s : chain) {
        const std::size_t take = std::min<std::size_t>(unit, static_cast<std::size_t>(e.Size) - out.size());
        if (take == 0)
            break;
        out.append(mini ? FMiniStream.data() + static_cast<std::size_t>(s) * unit : Sector(s), take);
    }
    return out;
}

bool TVYXCompoundFile::ReadStream(std::u16string_view path, std::string& bytes) const
{
    const int entry = FindPath(path);
    if (entry < 0 || Entry(entry).Type != vycetStream)
        return false;
    bytes = ReadStream(entry);
    return true;
}

// ---------------------------------------------------------------------------------------
// Writing

TVYXCompoundFileWriter::TVYXCompoundFileWriter(int majorVersion) : FMajor(majorVersion == 4 ? 4 : 3)
{
    TNode root;
    root.Name = u"Root Entry";
    root.Type = vycetRoot;
    FNodes.push_back(std::move(root));
}

TVYXCompoundFileWriter::~TVYXCompoundFileWriter() = default;

int TVYXCompoundFileWriter::AddNode(int parent, std::u16string_view name, TVYXCfbEntryType type)
{
    if (parent < 0 || static_cast<std::size_t>(parent) >= FNodes.size() ||
        FNodes[static_cast<std::size_t>(parent)].Type == vycetStream)
        throw VYXException("Compound file storage not found");
    if (!ValidName(name))
        throw VYXException("Invalid compound file entry name \"" + U8(name) + "\"");
    for (int c : FNodes[static_cast<std::size_t>(parent)].Children)
        if (VYXCfbCompareNames(FNodes[static_cast<std::size_t>(c)].Name, name) == 0)
            throw VYXException("Duplicate compound file entry \"" + U8(name) + "\"");
    TNode node;
    node.Name.assign(name);
    node.Type = type;
    FNodes.push_back(std::move(node));
    const int index = static_cast<int>(FNodes.size() - 1);
    FNodes[static_cast<std::size_t>(parent)].Children.push_back(index);
    return index;
}

int TVYXCompoundFileWriter::AddStorage(int parent, std::u16string_view name)
{
    return AddNode(parent, name, vycetStorage);
}

int TVYXCompoundFileWriter::AddStream(int parent, std::u16string_view name, std::string data)
{
    const int index = AddNode(parent, name, vycetStream);
    FNodes[static_cast<std::size_t>(index)].Data = std::move(data);
    return index;
}

void TVYXCompoundFileWriter::SetClsid(int entry, const std::array<std::uint8_t, 16>& clsid)
{
    FNodes.at(static_cast<std::size_t>(entry)).Clsid = clsid;
}

namespace {

struct TDirLinks {
    std::uint32_t Left = cNoStream, Right = cNoStream, Child = cNoStream;
    std::uint8_t Color = 1;  // 0 red, 1 black
};

// Builds a balanced sibling tree from sorted children: the middle one is the root.
// Nodes on the deepest level are red and all others black, which gives every path the
// same number of black nodes, so the tree is a valid red-black tree.
std::uint32_t BuildSiblingTree(const std::vector<int>& sorted, std::size_t lo, std::size_t hi, int depth,
                               int deepest, std::vector<TDirLinks>& links)
{
    if (lo >= hi)
        return cNoStream;
    const std::size_t mid = lo + (hi - lo) / 2;
    const auto node = static_cast<std::size_t>(sorted[mid]);
    links[node].Left = BuildSiblingTree(sorted, lo, mid, depth + 1, deepest, links);
    links[node].Right = BuildSiblingTree(sorted, mid + 1, hi, depth + 1, deepest, links);
    links[node].Color = (depth == deepest && depth > 0) ? 0 : 1;
    return static_cast<std::uint32_t>(node);
}

int TreeDepth(std::size_t n)
{
    int depth = -1;
    while (n > 0) {
        n /= 2;
        ++depth;
    }
    return depth;
}

}  // namespace

std::string TVYXCompoundFileWriter::Save() const
{
    const std::size_t ss = FMajor == 4 ? 4096 : 512;
    const std::size_t perFat = ss / 4;
    const std::size_t n = FNodes.size();

    // Where each stream goes: mini streams get mini sectors, the rest whole sectors.
    std::vector<std::uint32_t> start(n, cEndOfChain);
    std::vector<std::uint32_t> miniFat;
    std::string miniStream;
    for (std::size_t i = 1; i < n; ++i) {
        const TNode& node = FNodes[i];
        if (node.Type != vycetStream || node.Data.empty() || node.Data.size() >= cMiniCutoff)
            continue;
        const auto first = static_cast<std::uint32_t>(miniFat.size());
        const std::size_t count = (node.Data.size() + cMiniSector - 1) / cMiniSector;
        for (std::size_t k = 0; k < count; ++k)
            miniFat.push_back(k + 1 < count ? first + static_cast<std::uint32_t>(k) + 1 : cEndOfChain);
        start[i] = first;
        miniStream += node.Data;
        miniStream.resize(miniFat.size() * cMiniSector, '\0');
    }

    auto sectorsFor = [ss](std::size_t bytes) { return (bytes + ss - 1) / ss; };
    const std::size_t dirSectors = sectorsFor(n * cEntrySize);
    const std::size_t miniFatSectors = sectorsFor(miniFat.size() * 4);
    const std::size_t miniStreamSectors = sectorsFor(miniStream.size());

    // Sector order: directory, mini FAT, mini stream, the large streams, then the FAT and
    // the DIFAT, which must also cover themselves.
    std::vector<std::uint32_t> fat;
    auto appendChain = [&fat](std::size_t count) {
        const auto first = static_cast<std::uint32_t>(fat.size());
        for (std::size_t k = 0; k < count; ++k)
            fat.push_back(k + 1 < count ? first + static_cast<std::uint32_t>(k) + 1 : cEndOfChain);
        return count ? first : cEndOfChain;
    };
    const std::uint32_t dirStart = appendChain(dirSectors);
    const std::uint32_t miniFatStart = appendChain(miniFatSectors);
    const std::uint32_t miniStreamStart = appendChain(miniStreamSectors);
    for (std::size_t i = 1; i < n; ++i) {
        const TNode& node = FNodes[i];
        if (node.Type == vycetStream && node.Data.size() >= cMiniCutoff)
            start[i] = appendChain(sectorsFor(node.Data.size()));
    }
    start[0] = miniStreamStart;

    const std::size_t dataSectors = fat.size();
    std::size_t fatSectors = 0, difatSectors = 0;
    for (;;) {
        difatSectors = fatSectors > cHeaderDifat ? (fatSectors - cHeaderDifat + perFat - 2) / (perFat - 1) : 0;
        if (fatSectors * perFat >= dataSectors + fatSectors + difatSectors)
            break;
        ++fatSectors;
    }
    const auto fatStart = static_cast<std::uint32_t>(fat.size());
    fat.insert(fat.end(), fatSectors, cFatSect);
    const auto difatStart = static_cast<std::uint32_t>(fat.size());
    fat.insert(fat.end(), difatSectors, cDifSect);
    const std::size_t totalSectors = fat.size();
    fat.resize(fatSectors * perFat, cFreeSect);

    // Directory links: each storage's children in the format's order, as a tree.
    std::vector<TDirLinks> links(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (FNodes[i].Type == vycetStream)
            continue;
        std::vector<int> sorted = FNodes[i].Children;
        std::sort(sorted.begin(), sorted.end(), [this](int a, int b) {
            return VYXCfbCompareNames(FNodes[static_cast<std::size_t>(a)].Name,
                                      FNodes[static_cast<std::size_t>(b)].Name) < 0;
        });
        links[i].Child = BuildSiblingTree(sorted, 0, sorted.size(), 0, TreeDepth(sorted.size()), links);
    }

    const std::size_t headerArea = ss;
    std::string out(headerArea + totalSectors * ss, '\0');
    auto sectorAt = [&](std::size_t sector) { return headerArea + sector * ss; };

    // Header.
    std::memcpy(out.data(), cSignature, sizeof(cSignature));
    PutU16(out, 24, 0x3E);
    PutU16(out, 26, static_cast<std::uint16_t>(FMajor));
    PutU16(out, 28, 0xFFFE);
    PutU16(out, 30, FMajor == 4 ? 12 : 9);
    PutU16(out, 32, 6);
    PutU32(out, 40, FMajor == 4 ? static_cast<std::uint32_t>(dirSectors) : 0);
    PutU32(out, 44, static_cast<std::uint32_t>(fatSectors));
    PutU32(out, 48, dirStart);
    PutU32(out, 56, cMiniCutoff);
    PutU32(out, 60, miniFatStart);
    PutU32(out, 64, static_cast<std::uint32_t>(miniFatSectors));
    PutU32(out, 68, difatSectors ? difatStart : cEndOfChain);
    PutU32(out, 72, static_cast<std::uint32_t>(difatSectors));
    for (int i = 0; i < cHeaderDifat; ++i) {
        const auto k = static_cast<std::size_t>(i);
        PutU32(out, 76 + 4 * k, k < fatSectors ? fatStart + static_cast<std::uint32_t>(k) : cFreeSect);
    }

    // DIFAT sectors: the FAT sector numbers past the header's 109, then the next link.
    for (std::size_t d = 0; d < difatSectors; ++d) {
        const std::size_t base = sectorAt(difatStart + d);
        for (std::size_t i = 0; i < perFat - 1; ++i) {
            const std::size_t k = cHeaderDifat + d * (perFat - 1) + i;
            PutU32(out, base + 4 * i, k < fatSectors ? fatStart + static_cast<std::uint32_t>(k) : cFreeSect);
        }
        PutU32(out, base + 4 * (perFat - 1),
               d + 1 < difatSectors ? difatStart + static_cast<std::uint32_t>(d) + 1 : cEndOfChain);
    }
    for (std::size_t i = 0; i < fat.size(); ++i)
        PutU32(out, sectorAt(fatStart) + 4 * i, fat[i]);

    // Directory, padded with empty entries.
    for (std::size_t i = 0; i < dirSectors * (ss / cEntrySize); ++i) {
        const std::size_t at = sectorAt(dirStart) + i * cEntrySize;
        if (i >= n) {
            PutU32(out, at + 68, cNoStream);
            PutU32(out, at + 72, cNoStream);
            PutU32(out, at + 76, cNoStream);
            continue;
        }
        const TNode& node = FNodes[i];
        for (std::size_t c = 0; c < node.Name.size(); ++c)
            PutU16(out, at + 2 * c, node.Name[c]);
        PutU16(out, at + 64, static_cast<std::uint16_t>(2 * (node.Name.size() + 1)));
        out[at + 66] = static_cast<char>(node.Type);
        out[at + 67] = static_cast<char>(links[i].Color);
        PutU32(out, at + 68, links[i].Left);
        PutU32(out, at + 72, links[i].Right);
        PutU32(out, at + 76, links[i].Child);
        std::memcpy(out.data() + at + 80, node.Clsid.data(), 16);
        const std::uint64_t size = i == 0 ? miniStream.size() : node.Data.size();
        PutU32(out, at + 116, node.Type == vycetStorage ? 0 : start[i]);
        PutU64(out, at + 120, node.Type == vycetStorage ? 0 : size);
    }

    for (std::size_t i = 0; i < miniFat.size(); ++i)
        PutU32(out, sectorAt(miniFatStart) + 4 * i, miniFat[i]);
    if (miniFatSectors)  // the unused rest of the mini FAT is free
        for (std::size_t i = miniFat.size(); i < miniFatSectors * perFat; ++i)
            PutU32(out, sectorAt(miniFatStart) + 4 * i, cFreeSect);
    if (!miniStream.empty())
        std::memcpy(out.data() + sectorAt(miniStreamStart), miniStream.data(), miniStream.size());
    for (std::size_t i = 1; i < n; ++i) {
        const TNode& node = FNodes[i];
        if (node.Type == vycetStream && node.Data.size() >= cMiniCutoff)
            std::memcpy(out.data() + sectorAt(start[i]), node.Data.data(), node.Data.size());
    }
    return out;
}

void TVYXCompoundFileWriter::SaveToStream(TVYXStream& stream) const
{
    const std::string bytes = Save();
    stream.WriteString(bytes);
}
