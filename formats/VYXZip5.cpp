// VYXZip5.cpp: reading and writing zip archives (stored and deflated entries).
#include "formats/VYXZip5.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr std::uint32_t cLocalSig = 0x04034B50;
constexpr std::uint32_t cCentralSig = 0x02014B50;
constexpr std::uint32_t cEndSig = 0x06054B50;
constexpr std::uint32_t cEnd64Sig = 0x06064B50;
constexpr std::uint32_t cEnd64LocatorSig = 0x07064B50;
constexpr std::uint32_t cDescriptorSig = 0x08074B50;
constexpr std::size_t cEndSize = 22;
constexpr std::size_t cCentralSize = 46;
constexpr std::size_t cLocalSize = 30;
// Deflate cannot compress better than about 1032:1, so no honest entry
// inflates beyond this multiple of its packed size.
constexpr std::uint64_t cMaxDeflateRatio = 1032;
// Reading and writing go through buffers of this size, whatever the entry's.
constexpr std::size_t cChunk = 1u << 20;

[[noreturn]] void Fail(const std::string& message) { throw VYXException(message); }

[[noreturn]] void NotValid() { Fail("File is not a valid ZIP file"); }

[[noreturn]] void Corrupt(const std::string& name) { Fail("Corrupt ZIP entry \"" + name + "\""); }

// Bounds-checked little-endian reads over a block in memory.
class TLEReader {
public:
    explicit TLEReader(std::string_view data, std::size_t pos = 0) : FData(data), FPos(pos) {}
    bool Has(std::size_t n) const { return FPos <= FData.size() && FData.size() - FPos >= n; }
    std::uint16_t U16()
    {
        Need(2);
        const auto* p = reinterpret_cast<const unsigned char*>(FData.data() + FPos);
        FPos += 2;
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::uint32_t U32()
    {
        const std::uint32_t lo = U16();
        return lo | (static_cast<std::uint32_t>(U16()) << 16);
    }
    std::uint64_t U64()
    {
        const std::uint64_t lo = U32();
        return lo | (static_cast<std::uint64_t>(U32()) << 32);
    }
    std::string_view Bytes(std::size_t n)
    {
        Need(n);
        const auto s = FData.substr(FPos, n);
        FPos += n;
        return s;
    }
    std::size_t Pos() const { return FPos; }

private:
    void Need(std::size_t n) const
    {
        if (!Has(n))
            NotValid();
    }
    std::string_view FData;
    std::size_t FPos;
};

std::string ReadAt(TVYXStream& s, std::int64_t pos, std::size_t count)
{
    s.Seek(pos, vysoBeginning);
    return s.ReadBytes(count);
}

void PutU16(std::string& out, std::uint32_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// The fields local headers and central records share, from "version needed"
// to the uncompressed size.
void PutSharedFields(std::string& out, const TXLSZipCentralRecord& c)
{
    PutU16(out, c.VersionNeeded);
    PutU16(out, c.Flags);
    PutU16(out, c.Method);
    PutU16(out, c.Time);
    PutU16(out, c.Date);
    PutU32(out, c.Crc32);
    PutU32(out, c.CompressedSize);
    PutU32(out, c.UncompressedSize);
}

// A local header without extra field.
void WriteLocalHeader(TVYXStream& out, const TXLSZipCentralRecord& c, std::string_view name)
{
    std::string head;
    PutU32(head, cLocalSig);
    PutSharedFields(head, c);
    PutU16(head, c.NameLength);
    PutU16(head, 0);
    head.append(name);
    out.WriteString(head);
}

bool IsAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Applies the ZIP64 extended-information field: only the values whose 32-bit
// fields are saturated are present, in this order.
void ApplyZip64(TXLSZipFile& f)
{
    TLEReader r(f.Extra);
    while (r.Has(4)) {
        const std::uint16_t id = r.U16();
        const std::uint16_t len = r.U16();
        if (!r.Has(len))
            return;
        const std::string_view body = r.Bytes(len);
        if (id != 0x0001)
            continue;
        TLEReader b(body);
        if (f.Record.UncompressedSize == 0xFFFFFFFFu && b.Has(8))
            f.UncompressedSize = b.U64();
        if (f.Record.CompressedSize == 0xFFFFFFFFu && b.Has(8))
            f.CompressedSize = b.U64();
        if (f.Record.LocalHeaderOffset == 0xFFFFFFFFu && b.Has(8))
            f.LocalHeaderOffset = b.U64();
        return;
    }
}

}  // namespace

bool XLSZipNameIsUnsafe(std::string_view name)
{
    if (name.empty() || name.front() == '/' || name.front() == '\\')
        return true;
    if (name.size() >= 2 && name[1] == ':')
        return true;
    if (name.find('\0') != std::string_view::npos)
        return true;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = name.size();
        if (name.substr(start, end - start) == "..")
            return true;
        start = end + 1;
    }
    return false;
}

// One entry being streamed into the archive.
struct TXLSZipArchive::TStreamed {
    std::unique_ptr<TXLSZipFile> File;
    z_stream Z{};
    bool Deflate = false;
    std::int64_t HeaderPos = 0;
    std::uint64_t In = 0;
    std::uint64_t Out = 0;
    std::uint32_t Crc = 0;
    std::string Buffer;
    ~TStreamed()
    {
        if (Deflate)
            deflateEnd(&Z);
    }
};

TXLSZipArchive::TXLSZipArchive() = default;
TXLSZipArchive::~TXLSZipArchive() = default;

void TXLSZipArchive::Reset()
{
    FStreamed.reset();
    FTotalRead = 0;
    FFiles.clear();
    FIndex.clear();
    FLowerIndex.clear();
    FComment.clear();
    FStream = nullptr;
    FView = {};
    FMode = xzmClosed;
    FBase = 0;
    FRecovered = false;
}

void TXLSZipArchive::AddEntry(std::unique_ptr<TXLSZipFile> file)
{
    file->Unsafe = XLSZipNameIsUnsafe(file->Name);
    if (!FIndex.emplace(file->Name, file.get()).second)
        Fail("Duplicate filename in Zip");
    FLowerIndex.emplace(AsciiLower(file->Name), file.get());
    FFiles.push_back(std::move(file));
}

void TXLSZipArchive::OpenRead(TVYXStream& stream)
{
    if (FMode != xzmClosed)
        Close();
    Reset();
    FStream = &stream;
    FSize = stream.Size();
    if (const auto* memory = dynamic_cast<const TVYXMemoryStream*>(&stream))
        FView = memory->Bytes();
    FMode = xzmRead;
    try {
        if (FSize < static_cast<std::int64_t>(cEndSize))
            NotValid();
        if (!ReadCentralDirectory()) {
            FFiles.clear();
            FIndex.clear();
            FLowerIndex.clear();
            WalkLocalHeaders();
        }
    } catch (...) {
        Reset();
        throw;
    }
}

// Finds the end record (the last one whose comment fits the stream), then
// reads and checks the whole central directory. False when there is none or
// it is damaged, so the caller can walk the local headers instead.
bool TXLSZipArchive::ReadCentralDirectory()
{
    const std::int64_t tailSize = std::min<std::int64_t>(FSize, 65535 + cEndSize);
    std::string tailScratch;
    const std::string_view tail = BytesAt(FSize - tailSize, static_cast<std::size_t>(tailSize), tailScratch);
    std::int64_t endInTail = -1;
    for (std::int64_t i = tailSize - static_cast<std::int64_t>(cEndSize); i >= 0; --i) {
        const auto p = static_cast<std::size_t>(i);
        if (tail[p] != 'P' || tail[p + 1] != 'K' || tail[p + 2] != 5 || tail[p + 3] != 6)
            continue;
        TLEReader r(tail, p + 20);
        const std::uint16_t commentLength = r.U16();
        if (p + cEndSize + commentLength <= tail.size()) {
            endInTail = i;
            break;
        }
    }
    if (endInTail < 0)
        return false;
    const std::int64_t endPos = FSize - tailSize + endInTail;
    TLEReader e(tail, static_cast<std::size_t>(endInTail) + 4);
    const std::uint16_t disk = e.U16();
    const std::uint16_t dirDisk = e.U16();
    std::uint64_t entriesOnDisk = e.U16();
    std::uint64_t entries = e.U16();
    std::uint64_t dirSize = e.U32();
    std::uint64_t dirOffset = e.U32();
    const std::uint16_t commentLength = e.U16();
    FComment = std::string(e.Bytes(commentLength));
    std::int64_t dirEnd = endPos;  // where the central directory must end

    if (entries == 0xFFFF || dirSize == 0xFFFFFFFFu || dirOffset == 0xFFFFFFFFu) {
        // ZIP64: the locator sits right before the end record.
        if (endPos >= 20) {
            const std::string loc = ReadAt(*FStream, endPos - 20, 20);
            TLEReader l(loc);
            if (l.U32() == cEnd64LocatorSig) {
                l.U32();
                const std::uint64_t end64 = l.U64();
                if (end64 + 56 <= static_cast<std::uint64_t>(endPos - 20)) {
                    const std::string rec = ReadAt(*FStream, static_cast<std::int64_t>(end64), 56);
                    TLEReader z(rec);
                    if (z.U32() != cEnd64Sig)
                        return false;
                    z.U64();
                    z.U16();
                    z.U16();
                    z.U32();
                    z.U32();
                    entriesOnDisk = z.U64();
                    entries = z.U64();
                    dirSize = z.U64();
                    dirOffset = z.U64();
                    dirEnd = static_cast<std::int64_t>(end64);
                }
            }
        }
    }
    if (disk != 0 || dirDisk != 0 || entriesOnDisk != entries)
        Fail("Multi-disk ZIP archives are not supported");
    // An empty archive has nothing before its end record; one that claims no
    // entries while local headers are there is damaged like any other.
    if (entries == 0 && endPos >= static_cast<std::int64_t>(cLocalSize)) {
        std::string headScratch;
        TLEReader h(BytesAt(0, 4, headScratch));
        if (h.U32() == cLocalSig)
            return false;
    }
    if (dirSize > static_cast<std::uint64_t>(dirEnd) || entries > dirSize / cCentralSize)
        return false;
    // Data prepended to the archive (a self-extractor stub) shifts every offset.
    const std::int64_t dirStart = dirEnd - static_cast<std::int64_t>(dirSize);
    if (static_cast<std::uint64_t>(dirStart) < dirOffset)
        return false;
    FBase = dirStart - static_cast<std::int64_t>(dirOffset);

    std::string dirScratch;
    const std::string_view dir = BytesAt(dirStart, static_cast<std::size_t>(dirSize), dirScratch);
    TLEReader r(dir);
    for (std::uint64_t k = 0; k < entries; ++k) {
        if (!r.Has(cCentralSize))
            return false;
        auto f = std::make_unique<TXLSZipFile>();
        auto& c = f->Record;
        c.Signature = r.U32();
        if (c.Signature != cCentralSig)
            return false;
        c.VersionMadeBy = r.U16();
        c.VersionNeeded = r.U16();
        c.Flags = r.U16();
        c.Method = r.U16();
        c.Time = r.U16();
        c.Date = r.U16();
        c.Crc32 = r.U32();
        c.CompressedSize = r.U32();
        c.UncompressedSize = r.U32();
        c.NameLength = r.U16();
        c.ExtraLength = r.U16();
        c.CommentLength = r.U16();
        c.DiskStart = r.U16();
        c.InternalAttributes = r.U16();
        c.ExternalAttributes = r.U32();
        c.LocalHeaderOffset = r.U32();
        if (!r.Has(static_cast<std::size_t>(c.NameLength) + c.ExtraLength + c.CommentLength))
            return false;
        f->Name = std::string(r.Bytes(c.NameLength));
        f->Extra = std::string(r.Bytes(c.ExtraLength));
        f->Comment = std::string(r.Bytes(c.CommentLength));
        f->CompressedSize = c.CompressedSize;
        f->UncompressedSize = c.UncompressedSize;
        f->LocalHeaderOffset = c.LocalHeaderOffset;
        ApplyZip64(*f);
        if (f->LocalHeaderOffset + cLocalSize > static_cast<std::uint64_t>(dirStart - FBase) ||
            f->CompressedSize > static_cast<std::uint64_t>(FSize))
            return false;
        AddEntry(std::move(f));
    }
    return true;
}

// Recovery for archives without a usable central directory: entries are
// taken from the local headers in file order until something else follows.
void TXLSZipArchive::WalkLocalHeaders()
{
    FRecovered = true;
    FBase = 0;
    std::int64_t pos = 0;
    while (pos + static_cast<std::int64_t>(cLocalSize) <= FSize) {
        const std::string head = ReadAt(*FStream, pos, cLocalSize);
        TLEReader h(head);
        if (h.U32() != cLocalSig)
            break;
        auto f = std::make_unique<TXLSZipFile>();
        auto& c = f->Record;
        c.VersionNeeded = h.U16();
        c.Flags = h.U16();
        c.Method = h.U16();
        c.Time = h.U16();
        c.Date = h.U16();
        c.Crc32 = h.U32();
        c.CompressedSize = h.U32();
        c.UncompressedSize = h.U32();
        c.NameLength = h.U16();
        c.ExtraLength = h.U16();
        c.LocalHeaderOffset = static_cast<std::uint32_t>(std::min<std::int64_t>(pos, 0xFFFFFFFF));
        const std::int64_t dataPos = pos + static_cast<std::int64_t>(cLocalSize) + c.NameLength + c.ExtraLength;
        if (dataPos > FSize)
            break;
        f->Name = ReadAt(*FStream, pos + static_cast<std::int64_t>(cLocalSize), c.NameLength);
        f->Extra = FStream->ReadBytes(c.ExtraLength);
        f->CompressedSize = c.CompressedSize;
        f->UncompressedSize = c.UncompressedSize;
        f->LocalHeaderOffset = static_cast<std::uint64_t>(pos);
        ApplyZip64(*f);
        f->DataPos = dataPos;
        std::int64_t next = 0;
        if ((c.Flags & 8) != 0 && f->CompressedSize == 0) {
            // Sizes follow the data in a descriptor. Its signature is searched
            // for first (cheap, and the common case); deflated data without
            // one is inflated without keeping the output to find its end.
            std::int64_t used = FindDescriptor(*f, dataPos);
            if (used < 0 && c.Method == 8) {
                std::uint64_t produced = 0;
                used = InflatedEnd(*f, dataPos, produced);
                f->UncompressedSize = produced;
            }
            if (used < 0)
                break;
            f->CompressedSize = static_cast<std::uint64_t>(used);
            if (c.Method != 8)
                f->UncompressedSize = f->CompressedSize;
            std::string scratch;
            const std::int64_t descPos = dataPos + used;
            const std::string_view desc =
                BytesAt(descPos, static_cast<std::size_t>(std::min<std::int64_t>(16, FSize - descPos)), scratch);
            TLEReader d(desc);
            std::size_t descriptor = 12;
            if (d.Has(4) && d.U32() == cDescriptorSig)
                descriptor += 4;
            TLEReader dc(desc, descriptor - 12);
            if (dc.Has(4))
                c.Crc32 = dc.U32();
            if (dc.Has(8)) {
                dc.U32();
                const std::uint32_t size = dc.U32();
                if (c.Method == 8 && f->UncompressedSize == 0)
                    f->UncompressedSize = size;
            }
            next = descPos + static_cast<std::int64_t>(descriptor);
        } else {
            if (f->CompressedSize > static_cast<std::uint64_t>(FSize - dataPos))
                break;
            next = dataPos + static_cast<std::int64_t>(f->CompressedSize);
        }
        c.CompressedSize = static_cast<std::uint32_t>(std::min<std::uint64_t>(f->CompressedSize, 0xFFFFFFFF));
        c.UncompressedSize = static_cast<std::uint32_t>(std::min<std::uint64_t>(f->UncompressedSize, 0xFFFFFFFF));
        AddEntry(std::move(f));
        pos = next;
    }
    if (FFiles.empty())
        NotValid();
}

TXLSZipFile* TXLSZipArchive::Find(std::string_view name)
{
    const auto it = FIndex.find(std::string(name));
    if (it != FIndex.end())
        return it->second;
    // Part names are case-insensitive in packages.
    const auto lower = FLowerIndex.find(AsciiLower(name));
    return lower == FLowerIndex.end() ? nullptr : lower->second;
}

std::string_view TXLSZipArchive::BytesAt(std::int64_t pos, std::size_t count, std::string& scratch)
{
    // Callers have checked pos + count against the stream size.
    if (FView.size() == static_cast<std::size_t>(FSize))
        return FView.substr(static_cast<std::size_t>(pos), count);
    scratch = ReadAt(*FStream, pos, count);
    return scratch;
}

void TXLSZipArchive::LocateData(TXLSZipFile& file)
{
    if (file.DataPos >= 0)
        return;
    const std::int64_t pos = FBase + static_cast<std::int64_t>(file.LocalHeaderOffset);
    if (pos < 0 || pos + static_cast<std::int64_t>(cLocalSize) > FSize)
        Corrupt(file.Name);
    const std::string head = ReadAt(*FStream, pos, cLocalSize);
    TLEReader h(head);
    if (h.U32() != cLocalSig)
        Corrupt(file.Name);
    TLEReader lengths(head, 26);
    const std::uint16_t nameLength = lengths.U16();
    const std::uint16_t extraLength = lengths.U16();
    const std::int64_t dataPos = pos + static_cast<std::int64_t>(cLocalSize) + nameLength + extraLength;
    if (dataPos > FSize || file.CompressedSize > static_cast<std::uint64_t>(FSize - dataPos))
        Corrupt(file.Name);
    file.DataPos = dataPos;
}

std::int64_t TXLSZipArchive::FindDescriptor(const TXLSZipFile& file, std::int64_t dataPos)
{
    static constexpr std::string_view cSig("PK\x07\x08", 4);
    std::string scratch, descScratch;
    std::int64_t pos = dataPos;
    while (pos < FSize) {
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(cChunk, FSize - pos));
        const std::string_view block = BytesAt(pos, n, scratch);
        for (std::size_t at = block.find(cSig); at != std::string_view::npos; at = block.find(cSig, at + 1)) {
            const std::int64_t q = pos + static_cast<std::int64_t>(at);
            if (q + 16 > FSize)
                continue;
            TLEReader d(BytesAt(q + 8, 8, descScratch));
            const std::uint32_t packed = d.U32();
            const std::uint32_t size = d.U32();
            const auto distance = static_cast<std::uint64_t>(q - dataPos);
            if (packed != distance)
                continue;
            if (file.Record.Method != 8 && size != packed)
                continue;
            return q - dataPos;
        }
        // Overlap the blocks so a signature across their border is seen.
        pos += n > cSig.size() && pos + static_cast<std::int64_t>(n) < FSize
                   ? static_cast<std::int64_t>(n - (cSig.size() - 1))
                   : static_cast<std::int64_t>(n);
    }
    return -1;
}

std::int64_t TXLSZipArchive::InflatedEnd(const TXLSZipFile& file, std::int64_t dataPos, std::uint64_t& produced)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        Fail("Can not initialize inflate");
    std::string scratch;
    std::string sink(cChunk, '\0');
    std::int64_t pos = dataPos;
    std::int64_t end = -1;
    produced = 0;
    int rc = Z_OK;
    while (rc == Z_OK && pos < FSize) {
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(cChunk, FSize - pos));
        const std::string_view block = BytesAt(pos, n, scratch);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block.data()));
        z.avail_in = static_cast<uInt>(block.size());
        while (z.avail_in > 0 && rc == Z_OK) {
            z.next_out = reinterpret_cast<Bytef*>(sink.data());
            z.avail_out = static_cast<uInt>(sink.size());
            rc = inflate(&z, Z_NO_FLUSH);
            produced += sink.size() - z.avail_out;
            if (rc == Z_BUF_ERROR)
                rc = Z_OK;  // no progress possible without more input
            if (produced > MaxEntrySize) {
                inflateEnd(&z);
                Fail("ZIP entry \"" + file.Name + "\" inflates beyond the limit of " + std::to_string(MaxEntrySize) +
                     " bytes");
            }
            if (z.avail_out != 0 && z.avail_in == 0)
                break;
        }
        if (rc == Z_STREAM_END)
            end = pos + static_cast<std::int64_t>(block.size() - z.avail_in) - dataPos;
        pos += static_cast<std::int64_t>(block.size());
    }
    inflateEnd(&z);
    return end;
}

void TXLSZipArchive::CheckReadable(TXLSZipFile& file, std::uint64_t maxSize)
{
    if (FMode != xzmRead)
        Fail("ZIP file is not open");
    if (file.Unsafe)
        Fail("Unsafe file name \"" + file.Name + "\" in ZIP");
    if ((file.Record.Flags & 1) != 0)
        Fail("Encrypted ZIP entry \"" + file.Name + "\" is not supported");
    if (file.Record.Method != 0 && file.Record.Method != 8)
        Fail("Unsupported compression method");
    if (file.Record.Method == 8 && file.UncompressedSize > file.CompressedSize * cMaxDeflateRatio + 64)
        Corrupt(file.Name);
    if (file.UncompressedSize > maxSize)
        Fail("ZIP entry \"" + file.Name + "\" inflates beyond the limit of " + std::to_string(maxSize) + " bytes");
    if (file.UncompressedSize > MaxTotalSize - std::min(MaxTotalSize, FTotalRead))
        Fail("ZIP entries inflate beyond the budget of " + std::to_string(MaxTotalSize) +
             " bytes for one package (reading \"" + file.Name + "\")");
}

// Sizes were checked against the limits before a byte is inflated, and the
// output can never exceed the declared size: a lying entry is corrupt.
void TXLSZipArchive::ReadFileChunks(TXLSZipFile& file, const TXLSZipSink& sink, std::uint64_t maxSize)
{
    CheckReadable(file, maxSize ? std::min(maxSize, MaxEntrySize) : MaxEntrySize);
    LocateData(file);
    std::uint32_t crc = 0;
    std::uint64_t produced = 0;
    auto deliver = [&](const char* data, std::size_t n) {
        produced += n;
        FTotalRead += n;
        if (produced > file.UncompressedSize)
            Corrupt(file.Name);
        crc = static_cast<std::uint32_t>(crc32_z(crc, reinterpret_cast<const Bytef*>(data), n));
        sink(std::string_view(data, n));
    };
    std::string scratch;
    std::int64_t pos = file.DataPos;
    const std::int64_t end = file.DataPos + static_cast<std::int64_t>(file.CompressedSize);
    if (file.Record.Method == 0) {
        if (file.CompressedSize != file.UncompressedSize)
            Corrupt(file.Name);
        while (pos < end) {
            const auto n = static_cast<std::size_t>(std::min<std::int64_t>(cChunk, end - pos));
            const std::string_view block = BytesAt(pos, n, scratch);
            deliver(block.data(), block.size());
            pos += static_cast<std::int64_t>(n);
        }
    } else {
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
            Fail("Can not initialize inflate");
        struct TEnd {
            z_stream& Z;
            ~TEnd() { inflateEnd(&Z); }
        } guard{z};
        std::string out(static_cast<std::size_t>(std::min<std::uint64_t>(cChunk, file.UncompressedSize + 1)), '\0');
        int rc = Z_OK;
        while (rc == Z_OK && pos < end) {
            const auto n = static_cast<std::size_t>(std::min<std::int64_t>(cChunk, end - pos));
            const std::string_view block = BytesAt(pos, n, scratch);
            pos += static_cast<std::int64_t>(n);
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block.data()));
            z.avail_in = static_cast<uInt>(block.size());
            do {
                z.next_out = reinterpret_cast<Bytef*>(out.data());
                z.avail_out = static_cast<uInt>(out.size());
                rc = inflate(&z, Z_NO_FLUSH);
                if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                    Corrupt(file.Name);
                deliver(out.data(), out.size() - z.avail_out);
                if (rc == Z_BUF_ERROR)
                    rc = Z_OK;
            } while (rc == Z_OK && (z.avail_in > 0 || z.avail_out == 0));
        }
        if (rc != Z_STREAM_END)
            Corrupt(file.Name);
    }
    if (produced != file.UncompressedSize)
        Corrupt(file.Name);
    if (crc != file.Record.Crc32)
        Fail("CRC error in ZIP entry \"" + file.Name + "\"");
}

std::string TXLSZipArchive::ReadFileBytesMax(TXLSZipFile& file, std::uint64_t maxSize)
{
    std::string data;
    // The size is known and checked before anything is inflated.
    CheckReadable(file, std::min(maxSize, MaxEntrySize));
    data.reserve(static_cast<std::size_t>(file.UncompressedSize));
    ReadFileChunks(file, [&data](std::string_view chunk) { data.append(chunk); }, maxSize);
    return data;
}

std::string TXLSZipArchive::ReadFileBytes(TXLSZipFile& file) { return ReadFileBytesMax(file, MaxEntrySize); }

void TXLSZipArchive::ReadFile(TXLSZipFile& file, TVYXStream& output)
{
    ReadFileChunks(file, [&output](std::string_view chunk) { output.Write(chunk.data(), chunk.size()); });
}

void TXLSZipArchive::OpenWrite(TVYXStream& stream)
{
    if (FMode != xzmClosed)
        Close();
    Reset();
    FStream = &stream;
    FMode = xzmWrite;
    FWriteStart = stream.Position();
}

void TXLSZipArchive::AddBytes(std::string_view name, std::string_view data, TXLSZipCompression compression)
{
    CheckName(name);
    if (data.size() >= 0xFFFFFFFFull)
        Fail("ZIP entries of 4 GiB and more can not be written");

    auto f = std::make_unique<TXLSZipFile>();
    auto& c = f->Record;
    c.Crc32 = static_cast<std::uint32_t>(crc32_z(0, reinterpret_cast<const Bytef*>(data.data()), data.size()));
    std::string packed;
    if (!data.empty() && compression != xzcStore) {
        z_stream z{};
        if (deflateInit2(&z, compression == xzcFast ? 1 : 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            Fail("Can not initialize deflate");
        packed.resize(deflateBound(&z, static_cast<uLong>(data.size())));
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        z.avail_in = static_cast<uInt>(data.size());
        z.next_out = reinterpret_cast<Bytef*>(packed.data());
        z.avail_out = static_cast<uInt>(packed.size());
        const int rc = deflate(&z, Z_FINISH);
        packed.resize(z.total_out);
        deflateEnd(&z);
        if (rc != Z_STREAM_END)
            Fail("Deflate failed");
    }
    // Data that does not shrink is stored as it is.
    const bool store = compression == xzcStore || data.empty() || packed.size() >= data.size();
    c.Method = store ? 0 : 8;
    c.VersionNeeded = store ? 10 : 20;
    c.Flags = IsAscii(name) ? 0 : 0x0800;  // bit 11: the name is UTF-8
    const std::string_view body = store ? data : std::string_view(packed);
    c.CompressedSize = static_cast<std::uint32_t>(body.size());
    c.UncompressedSize = static_cast<std::uint32_t>(data.size());
    c.NameLength = static_cast<std::uint16_t>(name.size());
    const std::int64_t offset = FStream->Position() - FWriteStart;
    if (offset >= 0xFFFFFFFFll)
        Fail("ZIP archives of 4 GiB and more can not be written");
    c.LocalHeaderOffset = static_cast<std::uint32_t>(offset);

    WriteLocalHeader(*FStream, c, name);
    FStream->WriteString(body);

    f->Name = std::string(name);
    f->CompressedSize = c.CompressedSize;
    f->UncompressedSize = c.UncompressedSize;
    f->LocalHeaderOffset = c.LocalHeaderOffset;
    AddEntry(std::move(f));
}

void TXLSZipArchive::CheckName(std::string_view name)
{
    if (FMode != xzmWrite)
        Fail("ZIP file is not open");
    if (FStreamed)
        Fail("ZIP entry \"" + FStreamed->File->Name + "\" is still being written");
    if (FIndex.count(std::string(name)) != 0)
        Fail("Duplicate file \"" + std::string(name) + "\" in Zip");
    if (name.size() > 0xFFFF || XLSZipNameIsUnsafe(name))
        Fail("Unsafe file name \"" + std::string(name) + "\" in ZIP");
}

void TXLSZipArchive::BeginEntry(std::string_view name, TXLSZipCompression compression)
{
    CheckName(name);
    auto st = std::make_unique<TStreamed>();
    if (compression != xzcStore) {
        if (deflateInit2(&st->Z, compression == xzcFast ? 1 : 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
            Z_OK)
            Fail("Can not initialize deflate");
        st->Deflate = true;
        st->Buffer.resize(cChunk);
    }
    st->File = std::make_unique<TXLSZipFile>();
    st->File->Name = std::string(name);
    auto& c = st->File->Record;
    c.Method = st->Deflate ? 8 : 0;
    c.VersionNeeded = st->Deflate ? 20 : 10;
    c.Flags = IsAscii(name) ? 0 : 0x0800;
    c.NameLength = static_cast<std::uint16_t>(name.size());
    const std::int64_t offset = FStream->Position() - FWriteStart;
    if (offset >= 0xFFFFFFFFll)
        Fail("ZIP archives of 4 GiB and more can not be written");
    c.LocalHeaderOffset = static_cast<std::uint32_t>(offset);
    st->HeaderPos = FStream->Position();
    // Sizes and CRC are zero for now; EndEntry writes them in place.
    WriteLocalHeader(*FStream, c, name);
    FStreamed = std::move(st);
}

void TXLSZipArchive::WriteEntryData(std::string_view data)
{
    if (!FStreamed)
        Fail("No ZIP entry is being written");
    TStreamed& st = *FStreamed;
    st.In += data.size();
    if (st.In >= 0xFFFFFFFFull)
        Fail("ZIP entries of 4 GiB and more can not be written");
    st.Crc = static_cast<std::uint32_t>(crc32_z(st.Crc, reinterpret_cast<const Bytef*>(data.data()), data.size()));
    if (!st.Deflate) {
        FStream->WriteString(data);
        st.Out += data.size();
        return;
    }
    while (!data.empty()) {
        const std::size_t n = std::min<std::size_t>(data.size(), cChunk);
        st.Z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        st.Z.avail_in = static_cast<uInt>(n);
        do {
            st.Z.next_out = reinterpret_cast<Bytef*>(st.Buffer.data());
            st.Z.avail_out = static_cast<uInt>(st.Buffer.size());
            deflate(&st.Z, Z_NO_FLUSH);
            const std::size_t made = st.Buffer.size() - st.Z.avail_out;
            FStream->Write(st.Buffer.data(), made);
            st.Out += made;
        } while (st.Z.avail_out == 0);
        data.remove_prefix(n);
    }
}

void TXLSZipArchive::EndEntry()
{
    if (!FStreamed)
        Fail("No ZIP entry is being written");
    std::unique_ptr<TStreamed> st = std::move(FStreamed);
    if (st->Deflate) {
        int rc = Z_OK;
        do {
            st->Z.next_in = nullptr;
            st->Z.avail_in = 0;
            st->Z.next_out = reinterpret_cast<Bytef*>(st->Buffer.data());
            st->Z.avail_out = static_cast<uInt>(st->Buffer.size());
            rc = deflate(&st->Z, Z_FINISH);
            const std::size_t made = st->Buffer.size() - st->Z.avail_out;
            FStream->Write(st->Buffer.data(), made);
            st->Out += made;
        } while (rc == Z_OK);
        if (rc != Z_STREAM_END)
            Fail("Deflate failed");
    }
    if (st->Out >= 0xFFFFFFFFull)
        Fail("ZIP entries of 4 GiB and more can not be written");
    auto& c = st->File->Record;
    c.Crc32 = st->Crc;
    c.CompressedSize = static_cast<std::uint32_t>(st->Out);
    c.UncompressedSize = static_cast<std::uint32_t>(st->In);
    const std::int64_t end = FStream->Position();
    std::string sizes;
    PutU32(sizes, c.Crc32);
    PutU32(sizes, c.CompressedSize);
    PutU32(sizes, c.UncompressedSize);
    FStream->Seek(st->HeaderPos + 14, vysoBeginning);
    FStream->WriteString(sizes);
    FStream->Seek(end, vysoBeginning);
    TXLSZipFile& f = *st->File;
    f.CompressedSize = c.CompressedSize;
    f.UncompressedSize = c.UncompressedSize;
    f.LocalHeaderOffset = c.LocalHeaderOffset;
    AddEntry(std::move(st->File));
}

void TXLSZipArchive::CopyEntry(TXLSZipArchive& source, TXLSZipFile& file, std::string_view name,
                               TXLSZipCompression compression)
{
    BeginEntry(name, compression);
    source.ReadFileChunks(file, [this](std::string_view chunk) { WriteEntryData(chunk); });
    EndEntry();
}

void TXLSZipArchive::AddStream(std::string_view name, TVYXStream& stream) { AddBytes(name, stream.ReadAll()); }

void TXLSZipArchive::AddStreamFast(std::string_view name, TVYXStream& stream)
{
    AddBytes(name, stream.ReadAll(), xzcFast);
}

void TXLSZipArchive::AddFolderChain(std::string_view path)
{
    for (std::size_t slash = path.find('/'); slash != std::string_view::npos; slash = path.find('/', slash + 1)) {
        const std::string_view folder = path.substr(0, slash + 1);
        if (folder.size() > 1 && FIndex.count(std::string(folder)) == 0)
            AddBytes(folder, {});
    }
}

void TXLSZipArchive::Close()
{
    if (FMode == xzmWrite) {
        if (FStreamed)
            EndEntry();
        if (FFiles.size() > 0xFFFF)
            Fail("ZIP archives with more than 65535 entries can not be written");
        const std::int64_t dirStart = FStream->Position() - FWriteStart;
        std::string dir;
        for (const auto& f : FFiles) {
            const auto& c = f->Record;
            PutU32(dir, cCentralSig);
            PutU16(dir, c.VersionMadeBy);
            PutSharedFields(dir, c);
            PutU16(dir, static_cast<std::uint32_t>(f->Name.size()));
            PutU16(dir, static_cast<std::uint32_t>(f->Extra.size()));
            PutU16(dir, static_cast<std::uint32_t>(f->Comment.size()));
            PutU16(dir, 0);
            PutU16(dir, c.InternalAttributes);
            PutU32(dir, c.ExternalAttributes);
            PutU32(dir, c.LocalHeaderOffset);
            dir.append(f->Name);
            dir.append(f->Extra);
            dir.append(f->Comment);
        }
        const std::size_t dirSize = dir.size();
        if (dirStart + static_cast<std::int64_t>(dirSize) >= 0xFFFFFFFFll)
            Fail("ZIP archives of 4 GiB and more can not be written");
        PutU32(dir, cEndSig);
        PutU16(dir, 0);
        PutU16(dir, 0);
        PutU16(dir, static_cast<std::uint32_t>(FFiles.size()));
        PutU16(dir, static_cast<std::uint32_t>(FFiles.size()));
        PutU32(dir, static_cast<std::uint32_t>(dirSize));
        PutU32(dir, static_cast<std::uint32_t>(dirStart));
        PutU16(dir, 0);
        FStream->WriteString(dir);
    }
    Reset();
}
