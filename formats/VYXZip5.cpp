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

TXLSZipArchive::TXLSZipArchive() = default;
TXLSZipArchive::~TXLSZipArchive() = default;

void TXLSZipArchive::Reset()
{
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
            // Sizes follow the data in a descriptor: for deflate the stream
            // itself tells where it ends; stored data is searched for a
            // descriptor whose size field matches the distance.
            const std::int64_t avail = FSize - dataPos;
            std::string restScratch;
            const std::string_view rest = BytesAt(dataPos, static_cast<std::size_t>(avail), restScratch);
            std::size_t used = 0;
            if (c.Method == 8) {
                f->UncompressedSize = MaxEntrySize;
                const std::string data = Inflate(*f, rest, &used);
                f->UncompressedSize = data.size();
                f->CompressedSize = used;
            } else {
                std::size_t at = 0;
                bool found = false;
                while ((at = rest.find("PK\x07\x08", at)) != std::string::npos) {
                    TLEReader d(rest, at + 8);
                    if (d.Has(8) && d.U32() == at) {
                        found = true;
                        break;
                    }
                    ++at;
                }
                if (!found)
                    break;
                used = at;
                f->CompressedSize = f->UncompressedSize = at;
            }
            TLEReader d(rest, used);
            std::size_t descriptor = 12;
            if (d.Has(4) && d.U32() == cDescriptorSig)
                descriptor += 4;
            TLEReader dc(rest, used + descriptor - 12);
            if (dc.Has(4))
                c.Crc32 = dc.U32();
            next = dataPos + static_cast<std::int64_t>(used + descriptor);
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

// Inflates raw deflate data into at most file.UncompressedSize bytes. With
// `consumed` it reports how much input the stream used (for entries whose
// size follows in a descriptor); without it, any surplus is an error.
std::string TXLSZipArchive::Inflate(const TXLSZipFile& file, std::string_view packed, std::size_t* consumed) const
{
    // One byte more than allowed: producing it proves the entry is too big.
    const std::uint64_t limit = file.UncompressedSize;
    const std::uint64_t cap = limit + 1;
    std::string out;
    // Start with what honest data can produce; a lying size cannot make us
    // allocate more than the packed data could inflate to.
    // When the size is unknown (a descriptor follows the data) the packed
    // bytes run to the end of the file, so start small and grow instead.
    const std::uint64_t guess = consumed ? packed.size() * 4 + 65536 : packed.size() * cMaxDeflateRatio + 64;
    out.resize(static_cast<std::size_t>(std::min<std::uint64_t>(cap, guess)));
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        Fail("Can not initialize inflate");
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    std::size_t inLeft = packed.size();
    std::size_t produced = 0;
    int rc = Z_OK;
    for (;;) {
        if (produced == out.size()) {
            if (out.size() >= cap)
                break;
            out.resize(static_cast<std::size_t>(std::min<std::uint64_t>(cap, out.size() * 2 + 4096)));
        }
        const std::size_t inChunk = std::min<std::size_t>(inLeft, 1u << 30);
        const std::size_t outChunk = std::min<std::size_t>(out.size() - produced, 1u << 30);
        z.avail_in = static_cast<uInt>(inChunk);
        z.next_out = reinterpret_cast<Bytef*>(out.data() + produced);
        z.avail_out = static_cast<uInt>(outChunk);
        rc = inflate(&z, Z_NO_FLUSH);
        inLeft -= inChunk - z.avail_in;
        produced += outChunk - z.avail_out;
        if (rc == Z_STREAM_END || (rc != Z_OK && rc != Z_BUF_ERROR))
            break;
        if (z.avail_out != 0 && inLeft == 0)
            break;  // the input ran out before the stream ended
    }
    inflateEnd(&z);
    if (produced > limit) {
        if (limit >= MaxEntrySize)
            Fail("ZIP entry \"" + file.Name + "\" inflates beyond the limit of " + std::to_string(MaxEntrySize) +
                 " bytes");
        Corrupt(file.Name);
    }
    if (rc != Z_STREAM_END)
        Corrupt(file.Name);
    if (consumed)
        *consumed = packed.size() - inLeft;
    out.resize(produced);
    return out;
}

std::string TXLSZipArchive::ReadFileBytes(TXLSZipFile& file)
{
    if (FMode != xzmRead)
        Fail("ZIP file is not open");
    if (file.Unsafe)
        Fail("Unsafe file name \"" + file.Name + "\" in ZIP");
    if ((file.Record.Flags & 1) != 0)
        Fail("Encrypted ZIP entry \"" + file.Name + "\" is not supported");
    if (file.Record.Method != 0 && file.Record.Method != 8)
        Fail("Unsupported compression method");
    if (file.UncompressedSize > MaxEntrySize)
        Fail("ZIP entry \"" + file.Name + "\" inflates beyond the limit of " + std::to_string(MaxEntrySize) +
             " bytes");
    LocateData(file);
    std::string scratch;
    const std::string_view packed = BytesAt(file.DataPos, static_cast<std::size_t>(file.CompressedSize), scratch);
    std::string data;
    if (file.Record.Method == 0) {
        if (file.CompressedSize != file.UncompressedSize)
            Corrupt(file.Name);
        data = scratch.empty() ? std::string(packed) : std::move(scratch);
    } else {
        data = Inflate(file, packed, nullptr);
    }
    if (data.size() != file.UncompressedSize)
        Corrupt(file.Name);
    const auto crc = static_cast<std::uint32_t>(
        crc32_z(0, reinterpret_cast<const Bytef*>(data.data()), data.size()));
    if (crc != file.Record.Crc32)
        Fail("CRC error in ZIP entry \"" + file.Name + "\"");
    return data;
}

void TXLSZipArchive::ReadFile(TXLSZipFile& file, TVYXStream& output)
{
    const std::string data = ReadFileBytes(file);
    output.Write(data.data(), data.size());
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
    if (FMode != xzmWrite)
        Fail("ZIP file is not open");
    if (FIndex.count(std::string(name)) != 0)
        Fail("Duplicate file \"" + std::string(name) + "\" in Zip");
    if (name.size() > 0xFFFF || XLSZipNameIsUnsafe(name))
        Fail("Unsafe file name \"" + std::string(name) + "\" in ZIP");
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

    std::string head;
    PutU32(head, cLocalSig);
    PutSharedFields(head, c);
    PutU16(head, c.NameLength);
    PutU16(head, 0);
    head.append(name);
    FStream->WriteString(head);
    FStream->WriteString(body);

    f->Name = std::string(name);
    f->CompressedSize = c.CompressedSize;
    f->UncompressedSize = c.UncompressedSize;
    f->LocalHeaderOffset = c.LocalHeaderOffset;
    AddEntry(std::move(f));
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
