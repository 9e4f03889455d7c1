// VYXDOCStream.cpp: bounds-checked cursors over the streams of a document file.
#include "import/VYXDOCStream.h"

#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"

namespace {
[[noreturn]] void Truncated() { throw VYXException("Unexpected end of DOC stream"); }
}  // namespace

std::uint32_t TVyMSWordStream::Checked(std::uint64_t count) const
{
    if (!Holds(FPos, count))
        Truncated();
    return static_cast<std::uint32_t>(FPos + count);
}

void TVyMSWordStream::Seek(std::uint32_t pos)
{
    if (pos > FBytes.size())
        Truncated();
    FPos = pos;
}

void TVyMSWordStream::Pad(std::uint32_t alignment)
{
    if (alignment > 1 && AnchorSize() % alignment != 0)
        Skip(alignment - AnchorSize() % alignment);
}

std::uint8_t TVyMSWordStream::ReadByte()
{
    const std::uint8_t b = ByteAt(FPos);
    ++FPos;
    return b;
}

std::uint16_t TVyMSWordStream::ReadWord()
{
    const std::uint16_t w = WordAt(FPos);
    FPos += 2;
    return w;
}

std::uint32_t TVyMSWordStream::ReadDWord()
{
    const std::uint32_t d = DWordAt(FPos);
    FPos += 4;
    return d;
}

std::string_view TVyMSWordStream::Read(std::uint32_t count)
{
    std::string_view bytes = Bytes(FPos, count);
    FPos += count;
    return bytes;
}

std::u16string TVyMSWordStream::ReadStr(std::uint32_t count, bool eightBit)
{
    const std::uint64_t bytes = eightBit ? count : std::uint64_t{count} * 2;
    if (!Holds(FPos, bytes))
        Truncated();
    std::u16string text(count, u'\0');
    const auto* p = reinterpret_cast<const unsigned char*>(FBytes.data() + FPos);
    for (std::uint32_t i = 0; i < count; ++i)
        text[i] = eightBit ? p[i] : static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    FPos += static_cast<std::uint32_t>(bytes);
    return text;
}

std::uint8_t TVyMSWordStream::ByteAt(std::uint32_t offset) const
{
    if (!Holds(offset, 1))
        Truncated();
    return static_cast<std::uint8_t>(FBytes[offset]);
}

std::uint16_t TVyMSWordStream::WordAt(std::uint32_t offset) const
{
    if (!Holds(offset, 2))
        Truncated();
    const auto* p = reinterpret_cast<const unsigned char*>(FBytes.data() + offset);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t TVyMSWordStream::DWordAt(std::uint32_t offset) const
{
    if (!Holds(offset, 4))
        Truncated();
    const auto* p = reinterpret_cast<const unsigned char*>(FBytes.data() + offset);
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}

std::string_view TVyMSWordStream::Bytes(std::uint32_t offset, std::uint32_t count) const
{
    if (!Holds(offset, count))
        Truncated();
    return std::string_view(FBytes).substr(offset, count);
}

// ---- Streams -----------------------------------------------------------------------

TVyMSWordStreams::TVyMSWordStreams(std::string fileBytes)
{
    if (!TVYXCompoundFile::HasSignature(fileBytes))
        throw VYXException("File is not a MS Word file");
    FFile = std::make_unique<TVYXCompoundFile>(std::move(fileBytes));
    std::string bytes;
    if (!FFile->ReadStream(u"WordDocument", bytes))
        throw VYXException("File is not a MS Word file");
    FDocStream = TVyMSWordStream(std::move(bytes));
    bytes.clear();
    if (FFile->ReadStream(u"Data", bytes))
        FDataStream = TVyMSWordStream(std::move(bytes));
}

TVyMSWordStreams::~TVyMSWordStreams() = default;

void TVyMSWordStreams::OpenTable(bool one)
{
    std::string bytes;
    if (!FFile->ReadStream(one ? u"1Table" : u"0Table", bytes))
        throw VYXException("Invalid DOC file");
    FTblStream = TVyMSWordStream(std::move(bytes));
}

bool TVyMSWordStreams::HasStream(std::u16string_view name) const { return FFile->FindPath(name) >= 0; }
