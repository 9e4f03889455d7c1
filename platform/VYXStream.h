// VYXStream.h: byte streams that readers pull from and writers push to.
//
// Readers use the typed little-endian reads, which raise VYXException
// ("Unexpected end of stream") when the data runs out, so that a truncated file
// can never be read past its end; `Peek` returns -1 at the end for scanners that
// want to test instead. Positions and sizes are 64-bit byte offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

enum TVYXSeekOrigin { vysoBeginning, vysoCurrent, vysoEnd };

class TVYXStream {
public:
    virtual ~TVYXStream() = default;

    // Reads up to `count` bytes; returns how many were read (0 at the end).
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes all `count` bytes or raises VYXException.
    virtual void Write(const void* buffer, std::size_t count) = 0;
    // Moves the position; the result is clamped to [0, Size()] for reading streams.
    virtual std::int64_t Seek(std::int64_t offset, TVYXSeekOrigin origin) = 0;
    virtual std::int64_t Size() const = 0;
    virtual std::int64_t Position() const = 0;

    std::int64_t Remaining() const { return Size() - Position(); }
    bool AtEnd() const { return Position() >= Size(); }

    // Reads exactly `count` bytes or raises VYXException.
    void ReadExact(void* buffer, std::size_t count);
    int Peek();
    std::uint8_t ReadU8();
    std::uint16_t ReadU16LE();
    std::uint32_t ReadU32LE();
    std::uint64_t ReadU64LE();
    std::int16_t ReadI16LE() { return static_cast<std::int16_t>(ReadU16LE()); }
    std::int32_t ReadI32LE() { return static_cast<std::int32_t>(ReadU32LE()); }
    std::uint16_t ReadU16BE();
    std::uint32_t ReadU32BE();
    // Reads `count` bytes into a string (raises when fewer remain).
    std::string ReadBytes(std::size_t count);
    // Reads everything from the position to the end.
    std::string ReadAll();

    void WriteU8(std::uint8_t v) { Write(&v, 1); }
    void WriteU16LE(std::uint16_t v);
    void WriteU32LE(std::uint32_t v);
    void WriteU64LE(std::uint64_t v);
    void WriteString(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
    // Copies `count` bytes (or everything left when count < 0) from another stream.
    std::int64_t CopyFrom(TVYXStream& source, std::int64_t count = -1);
};

// A stream over bytes in memory. It either owns a growable buffer (the default,
// for writing) or reads a borrowed view that must outlive it (zero-copy reading).
class TVYXMemoryStream : public TVYXStream {
public:
    TVYXMemoryStream() = default;
    explicit TVYXMemoryStream(std::string data);  // owns a copy
    static TVYXMemoryStream View(std::string_view data);  // borrows

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TVYXSeekOrigin origin) override;
    std::int64_t Size() const override;
    std::int64_t Position() const override { return static_cast<std::int64_t>(FPos); }

    // The bytes written or held (the whole buffer, not from the position).
    std::string_view Bytes() const;
    std::string TakeBytes();
    void Clear();

private:
    std::string FOwned;
    const char* FView = nullptr;  // borrowed: set only for views
    std::size_t FViewSize = 0;
    std::size_t FPos = 0;
};

enum TVYXFileMode { vyfmRead, vyfmCreate };

// A file opened for reading or created for writing. Opening failures raise
// VYXException with the file name, so the tool can report them as they are.
class TVYXFileStream : public TVYXStream {
public:
    TVYXFileStream(const std::string& fileName, TVYXFileMode mode);
    ~TVYXFileStream() override;
    TVYXFileStream(const TVYXFileStream&) = delete;
    TVYXFileStream& operator=(const TVYXFileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TVYXSeekOrigin origin) override;
    std::int64_t Size() const override;
    std::int64_t Position() const override;
    // Flushes and closes; raises when the data could not be written completely.
    void Close();

private:
    std::FILE* FFile = nullptr;
    std::string FFileName;
};

// Whole-file helpers for tools and tests.
std::string VYXReadFile(const std::string& fileName);
void VYXWriteFile(const std::string& fileName, std::string_view bytes);
