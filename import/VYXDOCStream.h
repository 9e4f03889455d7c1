// VYXDOCStream.h: the streams of a binary word-processing file (a compound file holding
// "WordDocument", "0Table" or "1Table" and "Data"), read through bounds-checked cursors.
//
// Every read checks its range against the stream's size and raises VYXException
// ("Unexpected end of DOC stream") instead of reading past it, so hostile offsets in
// the file's tables can never reach outside the bytes that were loaded.
//
// Not supported: writing (the importer only reads), streams larger than 2 GB.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TVYXCompoundFile;

// One stream's bytes and a read position.
class TVyMSWordStream {
public:
    TVyMSWordStream() = default;
    explicit TVyMSWordStream(std::string bytes) : FBytes(std::move(bytes)) {}

    std::uint32_t Size() const { return static_cast<std::uint32_t>(FBytes.size()); }
    std::uint32_t Pos() const { return FPos; }
    // Moves to `pos`; positions past the end raise.
    void Seek(std::uint32_t pos);
    void Skip(std::uint32_t count) { Seek(Checked(count)); }
    // True when [offset, offset + count) lies inside the stream (no overflow).
    bool Holds(std::uint64_t offset, std::uint64_t count) const { return offset + count <= FBytes.size(); }

    std::uint8_t ReadByte();
    std::uint8_t ReadChar() { return ReadByte(); }
    std::uint16_t ReadWord();
    std::uint32_t ReadDWord();
    std::int16_t ReadShort() { return static_cast<std::int16_t>(ReadWord()); }
    // `count` raw bytes.
    std::string_view Read(std::uint32_t count);
    // `count` characters: 8-bit (widened as Latin-1; callers decode code pages) or UTF-16LE.
    std::u16string ReadStr(std::uint32_t count, bool eightBit);

    // Measuring a structure as it is read: the bytes read since the anchor was dropped.
    void DropAnchor() { FAnchor = FPos; }
    std::uint32_t AnchorSize() const { return FPos - FAnchor; }
    // Skips to the next multiple of `alignment` bytes from the anchor (padding of records).
    void Pad(std::uint32_t alignment = 2);

    // Random access without moving the position; out of range raises.
    std::uint8_t ByteAt(std::uint32_t offset) const;
    std::uint16_t WordAt(std::uint32_t offset) const;
    std::uint32_t DWordAt(std::uint32_t offset) const;
    std::string_view Bytes(std::uint32_t offset, std::uint32_t count) const;
    const std::string& All() const { return FBytes; }

private:
    // The position after `count` more bytes; raises when that is past the end.
    std::uint32_t Checked(std::uint64_t count) const;
    std::string FBytes;
    std::uint32_t FPos = 0;
    std::uint32_t FAnchor = 0;
};

// The three streams of a document file. The table stream is chosen by the caller
// (the file information block says which one), so it is opened by name later.
class TVyMSWordStreams {
public:
    // Opens the compound file held in `fileBytes`. Raises "File is not a MS Word file"
    // when it is not a compound file or has no "WordDocument" stream.
    explicit TVyMSWordStreams(std::string fileBytes);
    ~TVyMSWordStreams();
    TVyMSWordStreams(const TVyMSWordStreams&) = delete;
    TVyMSWordStreams& operator=(const TVyMSWordStreams&) = delete;

    // Loads "1Table" when `one`, else "0Table"; raises "Invalid DOC file" when absent.
    void OpenTable(bool one);
    // Older files keep their tables in the WordDocument stream itself.
    void UseDocAsTable() { FTblStream = FDocStream; }
    TVyMSWordStream& Doc() { return FDocStream; }
    TVyMSWordStream& Table() { return FTblStream; }
    TVyMSWordStream& Data() { return FDataStream; }  // empty when the file has none
    bool HasStream(std::u16string_view name) const;

private:
    std::unique_ptr<TVYXCompoundFile> FFile;
    TVyMSWordStream FDocStream, FTblStream, FDataStream;
};
