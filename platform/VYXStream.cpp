// VYXStream.cpp: memory and file streams.
#include "platform/VYXStream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "platform/VYXException.h"

namespace {
[[noreturn]] void ThrowEnd() { throw VYXException("Unexpected end of stream"); }
}  // namespace

void TVYXStream::ReadExact(void* buffer, std::size_t count)
{
    if (count == 0)
        return;
    if (Read(buffer, count) != count)
        ThrowEnd();
}

int TVYXStream::Peek()
{
    unsigned char b = 0;
    if (Read(&b, 1) != 1)
        return -1;
    Seek(-1, vysoCurrent);
    return b;
}

std::uint8_t TVYXStream::ReadU8()
{
    std::uint8_t b = 0;
    ReadExact(&b, 1);
    return b;
}

std::uint16_t TVYXStream::ReadU16LE()
{
    unsigned char b[2];
    ReadExact(b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t TVYXStream::ReadU32LE()
{
    unsigned char b[4];
    ReadExact(b, 4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint64_t TVYXStream::ReadU64LE()
{
    const std::uint64_t lo = ReadU32LE();
    const std::uint64_t hi = ReadU32LE();
    return lo | (hi << 32);
}

std::uint16_t TVYXStream::ReadU16BE()
{
    unsigned char b[2];
    ReadExact(b, 2);
    return static_cast<std::uint16_t>((b[0] << 8) | b[1]);
}

std::uint32_t TVYXStream::ReadU32BE()
{
    unsigned char b[4];
    ReadExact(b, 4);
    return (static_cast<std::uint32_t>(b[0]) << 24) | (static_cast<std::uint32_t>(b[1]) << 16) |
           (static_cast<std::uint32_t>(b[2]) << 8) | static_cast<std::uint32_t>(b[3]);
}

std::string TVYXStream::ReadBytes(std::size_t count)
{
    // Check against what is left before allocating: a hostile length field
    // must not make us reserve gigabytes.
    if (static_cast<std::uint64_t>(count) > static_cast<std::uint64_t>(std::max<std::int64_t>(Remaining(), 0)))
        ThrowEnd();
    std::string out(count, '\0');
    ReadExact(out.data(), count);
    return out;
}

std::string TVYXStream::ReadAll()
{
    const std::int64_t left = Remaining();
    return ReadBytes(left > 0 ? static_cast<std::size_t>(left) : 0);
}

void TVYXStream::WriteU16LE(std::uint16_t v)
{
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    Write(b, 2);
}

void TVYXStream::WriteU32LE(std::uint32_t v)
{
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    Write(b, 4);
}

void TVYXStream::WriteU64LE(std::uint64_t v)
{
    WriteU32LE(static_cast<std::uint32_t>(v));
    WriteU32LE(static_cast<std::uint32_t>(v >> 32));
}

std::int64_t TVYXStream::CopyFrom(TVYXStream& source, std::int64_t count)
{
    char buffer[65536];
    std::int64_t copied = 0;
    while (count < 0 || copied < count) {
        std::size_t want = sizeof buffer;
        if (count >= 0 && static_cast<std::int64_t>(want) > count - copied)
            want = static_cast<std::size_t>(count - copied);
        const std::size_t got = source.Read(buffer, want);
        if (got == 0)
            break;
        Write(buffer, got);
        copied += static_cast<std::int64_t>(got);
    }
    if (count >= 0 && copied < count)
        ThrowEnd();
    return copied;
}

TVYXMemoryStream::TVYXMemoryStream(std::string data) : FOwned(std::move(data)) {}

TVYXMemoryStream TVYXMemoryStream::View(std::string_view data)
{
    TVYXMemoryStream s;
    s.FView = data.data() ? data.data() : "";
    s.FViewSize = data.size();
    return s;
}

std::string_view TVYXMemoryStream::Bytes() const
{
    return FView ? std::string_view(FView, FViewSize) : std::string_view(FOwned);
}

std::int64_t TVYXMemoryStream::Size() const { return static_cast<std::int64_t>(Bytes().size()); }

std::size_t TVYXMemoryStream::Read(void* buffer, std::size_t count)
{
    const std::string_view bytes = Bytes();
    if (FPos >= bytes.size())
        return 0;
    const std::size_t n = std::min(count, bytes.size() - FPos);
    std::memcpy(buffer, bytes.data() + FPos, n);
    FPos += n;
    return n;
}

void TVYXMemoryStream::Write(const void* buffer, std::size_t count)
{
    if (FView)
        throw VYXException("Stream is read-only");
    if (count == 0)
        return;
    if (FPos > FOwned.size())
        FOwned.resize(FPos, '\0');
    const auto* p = static_cast<const char*>(buffer);
    if (FPos == FOwned.size())
        FOwned.append(p, count);
    else {
        const std::size_t overlap = std::min(count, FOwned.size() - FPos);
        FOwned.replace(FPos, overlap, p, count);
    }
    FPos += count;
}

std::int64_t TVYXMemoryStream::Seek(std::int64_t offset, TVYXSeekOrigin origin)
{
    std::int64_t base = 0;
    if (origin == vysoCurrent)
        base = static_cast<std::int64_t>(FPos);
    else if (origin == vysoEnd)
        base = Size();
    std::int64_t pos = base + offset;
    if (pos < 0)
        pos = 0;
    if (FView && pos > Size())
        pos = Size();
    FPos = static_cast<std::size_t>(pos);
    return pos;
}

std::string TVYXMemoryStream::TakeBytes()
{
    std::string out = FView ? std::string(FView, FViewSize) : std::move(FOwned);
    Clear();
    return out;
}

void TVYXMemoryStream::Clear()
{
    FOwned.clear();
    FView = nullptr;
    FViewSize = 0;
    FPos = 0;
}

TVYXFileStream::TVYXFileStream(const std::string& fileName, TVYXFileMode mode) : FFileName(fileName)
{
    FFile = std::fopen(fileName.c_str(), mode == vyfmRead ? "rb" : "wb");
    if (!FFile)
        throw VYXException("Cannot open file \"" + fileName + "\": " + std::strerror(errno));
    // A directory opens for reading on Linux and reports a size it cannot deliver.
    struct stat info {};
    if (fstat(fileno(FFile), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(FFile);
        FFile = nullptr;
        throw VYXException("Cannot open file \"" + fileName + "\": " + std::strerror(EISDIR));
    }
}

TVYXFileStream::~TVYXFileStream()
{
    if (FFile)
        std::fclose(FFile);
}

std::size_t TVYXFileStream::Read(void* buffer, std::size_t count)
{
    return FFile ? std::fread(buffer, 1, count, FFile) : 0;
}

void TVYXFileStream::Write(const void* buffer, std::size_t count)
{
    if (!FFile || std::fwrite(buffer, 1, count, FFile) != count)
        throw VYXException("Cannot write file \"" + FFileName + "\"");
}

std::int64_t TVYXFileStream::Seek(std::int64_t offset, TVYXSeekOrigin origin)
{
    if (!FFile)
        return 0;
    const int whence = origin == vysoBeginning ? SEEK_SET : origin == vysoCurrent ? SEEK_CUR : SEEK_END;
    if (fseeko(FFile, offset, whence) != 0 && origin != vysoBeginning)
        fseeko(FFile, 0, SEEK_SET);
    return Position();
}

std::int64_t TVYXFileStream::Position() const { return FFile ? ftello(FFile) : 0; }

std::int64_t TVYXFileStream::Size() const
{
    if (!FFile)
        return 0;
    const off_t here = ftello(FFile);
    fseeko(FFile, 0, SEEK_END);
    const off_t size = ftello(FFile);
    fseeko(FFile, here, SEEK_SET);
    return size;
}

void TVYXFileStream::Close()
{
    if (!FFile)
        return;
    const bool ok = std::fflush(FFile) == 0 && !std::ferror(FFile);
    const bool closed = std::fclose(FFile) == 0;
    FFile = nullptr;
    if (!ok || !closed)
        throw VYXException("Cannot write file \"" + FFileName + "\"");
}

std::string VYXReadFile(const std::string& fileName)
{
    TVYXFileStream f(fileName, vyfmRead);
    return f.ReadAll();
}

void VYXWriteFile(const std::string& fileName, std::string_view bytes)
{
    TVYXFileStream f(fileName, vyfmCreate);
    f.WriteString(bytes);
    f.Close();
}
