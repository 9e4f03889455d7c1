// VYXZip5.h: the zip archive under OPC packages (DOCX, ODT): reading and writing.
//
// Reading trusts nothing: the end record is searched within the last 64 KiB,
// every offset and size of the central directory is checked against the
// stream before it is used, names that climb out of the archive ("../x",
// "/x", "C:x") can be listed but not read, and no entry inflates beyond
// `MaxEntrySize` (a zip bomb fails with a clear message instead of eating the
// memory). All entries read from one archive together may inflate to at most
// `MaxTotalSize` bytes, so a small file cannot cost gigabytes however its
// entries are read. When the central directory is missing or damaged (a
// truncated download, or an end record that claims no entries while local
// headers are there), the local headers are walked from the start instead,
// which also handles entries whose sizes follow in data descriptors; walking
// reads in chunks and keeps no entry's data.
//
// Writing either deflates a whole entry in memory (AddBytes) or streams it
// (BeginEntry/WriteEntryData/EndEntry, which patches the local header once
// the sizes and CRC are known), so local headers always carry the final
// sizes and no data descriptors are needed; time stamps are a fixed
// 1980-01-01 so the same input gives the same bytes.
//
// Not supported: encrypted entries, compression methods other than stored and
// deflated, multi-disk archives, writing archives or entries beyond 4 GiB.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <functional>

class TVYXStream;

// Receives inflated data in pieces.
using TXLSZipSink = std::function<void(std::string_view chunk)>;

// How an entry is written: stored as it is, deflated fast (pictures and other
// packed data), or deflated at the default level.
enum TXLSZipCompression { xzcStore, xzcFast, xzcDefault };

// The central directory record of one entry as stored (46 bytes before the name).
struct TXLSZipCentralRecord {
    std::uint32_t Signature = 0x02014B50;
    std::uint16_t VersionMadeBy = 20;
    std::uint16_t VersionNeeded = 20;
    std::uint16_t Flags = 0;
    std::uint16_t Method = 0;
    std::uint16_t Time = 0;
    std::uint16_t Date = 0x21;  // 1980-01-01
    std::uint32_t Crc32 = 0;
    std::uint32_t CompressedSize = 0;
    std::uint32_t UncompressedSize = 0;
    std::uint16_t NameLength = 0;
    std::uint16_t ExtraLength = 0;
    std::uint16_t CommentLength = 0;
    std::uint16_t DiskStart = 0;
    std::uint16_t InternalAttributes = 0;
    std::uint32_t ExternalAttributes = 0;
    std::uint32_t LocalHeaderOffset = 0;
};

class TXLSZipFile {
public:
    TXLSZipCentralRecord Record;
    std::string Name;
    std::string Extra;
    std::string Comment;
    // The sizes and offset with ZIP64 values applied.
    std::uint64_t CompressedSize = 0;
    std::uint64_t UncompressedSize = 0;
    std::uint64_t LocalHeaderOffset = 0;
    std::int64_t DataPos = -1;  // start of the data, known after the local header was read
    bool Unsafe = false;        // the name climbs out of the archive
    bool IsFolder() const { return !Name.empty() && Name.back() == '/'; }
};

// What the OPC container needs from an archive.
class TXLSZipArchiveIntf {
public:
    virtual ~TXLSZipArchiveIntf() = default;
    virtual void OpenRead(TVYXStream& stream) = 0;
    virtual void OpenWrite(TVYXStream& stream) = 0;
    // The entry of this name (exact, then ASCII case-insensitive), or nullptr.
    virtual TXLSZipFile* Find(std::string_view name) = 0;
    virtual int Count() const = 0;
    virtual TXLSZipFile& Items(int index) = 0;
    virtual void ReadFile(TXLSZipFile& file, TVYXStream& output) = 0;
    virtual std::string ReadFileBytes(TXLSZipFile& file) = 0;
    virtual void AddStream(std::string_view name, TVYXStream& stream) = 0;
    // As AddStream, with the fastest compression (for pictures and other packed data).
    virtual void AddStreamFast(std::string_view name, TVYXStream& stream) = 0;
    virtual void AddBytes(std::string_view name, std::string_view data,
                          TXLSZipCompression compression = xzcDefault) = 0;
    // Adds folder entries for every folder of `path` not present yet ("a/", "a/b/").
    virtual void AddFolderChain(std::string_view path) = 0;
    virtual void Close() = 0;
};

enum TXLSZipMode { xzmClosed, xzmRead, xzmWrite };

class TXLSZipArchive : public TXLSZipArchiveIntf {
public:
    static constexpr std::uint64_t cDefaultMaxEntrySize = 512ull << 20;
    static constexpr std::uint64_t cDefaultMaxTotalSize = 1024ull << 20;

    TXLSZipArchive();
    ~TXLSZipArchive() override;
    TXLSZipArchive(const TXLSZipArchive&) = delete;
    TXLSZipArchive& operator=(const TXLSZipArchive&) = delete;

    // The most bytes one entry may inflate to.
    std::uint64_t MaxEntrySize = cDefaultMaxEntrySize;
    // The most bytes all reads of one opened archive may inflate to together.
    std::uint64_t MaxTotalSize = cDefaultMaxTotalSize;
    // The bytes read so far (counted against MaxTotalSize).
    std::uint64_t TotalRead() const { return FTotalRead; }

    void OpenRead(TVYXStream& stream) override;
    void OpenWrite(TVYXStream& stream) override;
    TXLSZipFile* Find(std::string_view name) override;
    int Count() const override { return static_cast<int>(FFiles.size()); }
    TXLSZipFile& Items(int index) override { return *FFiles.at(static_cast<std::size_t>(index)); }
    void ReadFile(TXLSZipFile& file, TVYXStream& output) override;
    std::string ReadFileBytes(TXLSZipFile& file) override;
    // As ReadFileBytes, but raises when the entry is larger than `maxSize`
    // (for parts that are small in every honest package).
    std::string ReadFileBytesMax(TXLSZipFile& file, std::uint64_t maxSize);
    // Hands the entry's data to `sink` in pieces; sizes and CRC are checked
    // at the end, so a damaged entry raises after some data was delivered.
    void ReadFileChunks(TXLSZipFile& file, const TXLSZipSink& sink, std::uint64_t maxSize = 0);
    void AddStream(std::string_view name, TVYXStream& stream) override;
    void AddStreamFast(std::string_view name, TVYXStream& stream) override;
    void AddBytes(std::string_view name, std::string_view data,
                  TXLSZipCompression compression = xzcDefault) override;
    void AddFolderChain(std::string_view path) override;
    void Close() override;

    // Streamed writing of one entry (the output stream must be seekable).
    void BeginEntry(std::string_view name, TXLSZipCompression compression = xzcDefault);
    void WriteEntryData(std::string_view data);
    void EndEntry();
    // Streams `file` of the open `source` archive into a new entry `name`.
    void CopyEntry(TXLSZipArchive& source, TXLSZipFile& file, std::string_view name,
                   TXLSZipCompression compression);

    TXLSZipMode Mode() const { return FMode; }
    // True when the entries came from walking local headers (no usable central directory).
    bool Recovered() const { return FRecovered; }
    const std::string& ArchiveComment() const { return FComment; }

private:
    void Reset();
    bool ReadCentralDirectory();
    void WalkLocalHeaders();
    void AddEntry(std::unique_ptr<TXLSZipFile> file);
    void LocateData(TXLSZipFile& file);
    void CheckReadable(TXLSZipFile& file, std::uint64_t maxSize);
    // Where the data of an entry with a trailing descriptor ends (its packed
    // size), or -1 when that cannot be found.
    std::int64_t FindDescriptor(const TXLSZipFile& file, std::int64_t dataPos);
    std::int64_t InflatedEnd(const TXLSZipFile& file, std::int64_t dataPos, std::uint64_t& produced);
    void CheckName(std::string_view name);
    // `count` bytes at `pos`: a view into a memory stream's buffer, else read into `scratch`.
    std::string_view BytesAt(std::int64_t pos, std::size_t count, std::string& scratch);

    TVYXStream* FStream = nullptr;  // borrowed from the caller while open
    std::string_view FView;         // the whole archive when it is in memory (zero-copy reading)
    TXLSZipMode FMode = xzmClosed;
    std::vector<std::unique_ptr<TXLSZipFile>> FFiles;
    std::unordered_map<std::string, TXLSZipFile*> FIndex;
    std::unordered_map<std::string, TXLSZipFile*> FLowerIndex;  // lower-cased names; the first entry wins
    std::string FComment;
    std::int64_t FSize = 0;
    std::int64_t FBase = 0;  // bytes prepended before the archive (offsets are relative to it)
    std::int64_t FWriteStart = 0;
    std::uint64_t FTotalRead = 0;
    bool FRecovered = false;
    // The entry being streamed (BeginEntry .. EndEntry).
    struct TStreamed;
    std::unique_ptr<TStreamed> FStreamed;
};

// True when an entry name would leave the folder it is extracted to.
bool XLSZipNameIsUnsafe(std::string_view name);
