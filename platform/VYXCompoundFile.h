// VYXCompoundFile.h: compound files (structured storage): a tree of storages and streams
// kept in fixed-size sectors of one file, read from memory and written deterministically.
//
// Reading checks the whole structure once when the file is opened: the header, the sector
// allocation tables, the directory chain and the directory tree (indexes in range, no
// entry reached twice). Streams are checked when first read: every sector of the chain
// inside the file, no loops, the stated size covered by the chain. After that the code
// trusts what it checked. Any damage raises VYXException with a fixed English message.
//
// Names are compared the format's way: case-insensitively on upper-cased UTF-16 code
// units (so "ENCRYPTIONINFO" finds "EncryptionInfo"); siblings are ordered shorter names
// first, then by those upper-cased units.
//
// Not supported: writing over an existing file in place (the writer always builds a new
// file), transacted storages, property sets (their streams are read as bytes).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TVYXStream;

enum TVYXCfbEntryType { vycetEmpty = 0, vycetStorage = 1, vycetStream = 2, vycetRoot = 5 };

// One directory entry as read from a file.
struct TVYXCfbEntry {
    std::u16string Name;
    TVYXCfbEntryType Type = vycetEmpty;
    std::array<std::uint8_t, 16> Clsid{};
    std::uint32_t StateBits = 0;
    std::uint64_t Created = 0;   // FILETIME, 0 when absent
    std::uint64_t Modified = 0;  // FILETIME, 0 when absent
    std::uint32_t StartSector = 0;
    std::uint64_t Size = 0;      // bytes of a stream (the mini stream's size for the root)
    int Parent = -1;             // the storage holding this entry (-1 for the root)
    std::vector<int> Children;   // entries of a storage, in the tree's (sorted) order

    bool IsStorage() const { return Type == vycetStorage || Type == vycetRoot; }
};

// The sibling order of the format: shorter names first, then upper-cased code units.
int VYXCfbCompareNames(std::u16string_view a, std::u16string_view b);

class TVYXCompoundFile {
public:
    // Opens a compound file held in `data` (taken over). Raises VYXException on damage.
    explicit TVYXCompoundFile(std::string data);
    ~TVYXCompoundFile();
    TVYXCompoundFile(const TVYXCompoundFile&) = delete;
    TVYXCompoundFile& operator=(const TVYXCompoundFile&) = delete;

    static std::unique_ptr<TVYXCompoundFile> OpenFile(const std::string& fileName);
    static std::unique_ptr<TVYXCompoundFile> OpenStream(TVYXStream& stream);
    // True when the bytes start with the compound-file signature.
    static bool HasSignature(std::string_view firstBytes);

    int MajorVersion() const { return FMajor; }
    std::uint32_t SectorSize() const { return FSectorSize; }

    // Entry 0 is the root storage. Unused (empty) entries stay in the list.
    int EntryCount() const { return static_cast<int>(FEntries.size()); }
    const TVYXCfbEntry& Entry(int index) const { return FEntries.at(static_cast<std::size_t>(index)); }

    // The child of `storage` called `name` (compared the format's way), or -1.
    int Find(int storage, std::u16string_view name) const;
    // An entry by a path of names separated by '/', from the root ("" is the root); -1 if absent.
    int FindPath(std::u16string_view path) const;
    // The bytes of a stream entry. Raises VYXException when its chain is damaged.
    std::string ReadStream(int entry) const;
    // The stream at `path`, or false when there is none.
    bool ReadStream(std::u16string_view path, std::string& bytes) const;

private:
    void ReadHeader();
    void ReadFat();
    struct TLinks {
        std::uint32_t Left, Right, Child;
    };
    void ReadDirectory();
    // Fills Parent and Children from the sibling trees, refusing links out of range and cycles.
    void BuildTree(const std::vector<TLinks>& links);
    void ReadMiniStream();
    // The sectors of the chain starting at `start` in `table`, checked: every
    // number below `limit`, no sector twice. `what` names the chain in messages.
    std::vector<std::uint32_t> Chain(const std::vector<std::uint32_t>& table, std::uint32_t start,
                                     std::uint32_t limit, const char* what) const;
    const char* Sector(std::uint32_t index) const;
    // True when the sector lies wholly inside the file as read (tables must; only stream
    // data may end in a partial last sector).
    bool Whole(std::uint32_t sector) const;
    // Raises when the first `size` bytes of the chain are not all inside the file as read.
    void CheckPresent(const std::vector<std::uint32_t>& chain, std::uint64_t size) const;

    std::string FData;             // the file, padded to whole sectors
    std::size_t FFileSize = 0;     // its size before padding
    int FMajor = 3;
    std::uint32_t FSectorSize = 512;
    std::uint32_t FMiniSectorSize = 64;
    std::uint32_t FMiniCutoff = 4096;
    std::uint32_t FSectorCount = 0;  // whole sectors after the header
    std::uint32_t FFirstDirSector = 0;
    std::uint32_t FFirstMiniFatSector = 0;
    std::uint32_t FMiniFatSectors = 0;
    std::uint32_t FFirstDifatSector = 0;
    std::uint32_t FDifatSectors = 0;
    std::uint32_t FFatSectors = 0;
    std::vector<std::uint32_t> FFat;      // next sector of each sector
    std::vector<std::uint32_t> FMiniFat;  // next mini sector of each mini sector
    std::string FMiniStream;              // the root's stream (holds the small streams)
    std::vector<TVYXCfbEntry> FEntries;
};

// Builds a compound file in memory: storages and streams are added, `Save` lays out
// the sectors. The same tree always gives the same bytes: entries are written in the
// order they were added, no time stamps, unused space zero-filled.
class TVYXCompoundFileWriter {
public:
    // `majorVersion` 3 writes 512-byte sectors, 4 writes 4096-byte sectors.
    explicit TVYXCompoundFileWriter(int majorVersion = 3);
    ~TVYXCompoundFileWriter();
    TVYXCompoundFileWriter(const TVYXCompoundFileWriter&) = delete;
    TVYXCompoundFileWriter& operator=(const TVYXCompoundFileWriter&) = delete;

    static constexpr int cRoot = 0;

    // Adds a storage under `parent` and returns its index. Names are 1 to 31 UTF-16
    // units without '/', '\\', ':' or '!', unique among siblings (the format's
    // comparison); otherwise VYXException.
    int AddStorage(int parent, std::u16string_view name);
    // Adds a stream under `parent` and returns its index.
    int AddStream(int parent, std::u16string_view name, std::string data);
    void SetClsid(int entry, const std::array<std::uint8_t, 16>& clsid);

    std::string Save() const;
    void SaveToStream(TVYXStream& stream) const;

private:
    struct TNode {
        std::u16string Name;
        TVYXCfbEntryType Type = vycetStorage;
        std::array<std::uint8_t, 16> Clsid{};
        std::string Data;
        std::vector<int> Children;
    };
    int AddNode(int parent, std::u16string_view name, TVYXCfbEntryType type);

    int FMajor;
    std::vector<TNode> FNodes;
};
