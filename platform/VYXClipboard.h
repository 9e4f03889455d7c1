// VYXClipboard.h: an in-process clipboard holding one content in several formats.
//
// The editor copies and pastes through this object only. It belongs to whoever
// owns the editor (never a process-wide instance); a host that has a system
// clipboard mirrors it through ChangeEvent and fills it before a paste.
// Every format is a byte string: RTF and HTML as their files' bytes, text as
// UTF-8, ANSI text as Windows-1252, pictures in their own file format
// (bitmaps as PNG or BMP, metafiles as EMF/WMF or SVG, as the host agrees).
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class TVYXMemoryStream;

enum TVYXClipboardFormat { acfNone, acfRTF, acfHTML, acfText, acfAnsiText, acfBitmap, acfMetafile };
constexpr int cVYXClipboardFormatCount = acfMetafile + 1;

class TVYXClipboard {
public:
    TVYXClipboard() = default;
    TVYXClipboard(const TVYXClipboard&) = delete;
    TVYXClipboard& operator=(const TVYXClipboard&) = delete;

    // Called after each completed write (the outermost Close).
    std::function<void(TVYXClipboard& sender)> ChangeEvent;

    // ---- Reading ----
    bool HasFormat(TVYXClipboardFormat format) const;
    // The richest format held, in the order RTF, HTML, text, ANSI text, bitmap,
    // metafile; acfNone when empty.
    TVYXClipboardFormat FirstAvailable() const;
    // The bytes of a format; empty when it is absent.
    std::string_view Bytes(TVYXClipboardFormat format) const;
    // A stream over a copy of the format's bytes, positioned at the start.
    TVYXMemoryStream CreateStream(TVYXClipboardFormat format) const;
    // The text: from the UTF-8 text, else from the ANSI text; empty when neither is held.
    std::u16string Text() const;

    // ---- Writing ----
    // Open .. Close brackets one new content: the first Put after Open drops
    // what was held before. Puts outside a bracket each make their own.
    void Open();
    void Close();
    void PutRTF(std::string_view bytes) { Put(acfRTF, bytes); }
    void PutHTML(std::string_view bytes) { Put(acfHTML, bytes); }
    // Stores the text as UTF-8 and as ANSI text.
    void PutText(std::u16string_view text);
    // Bitmap or metafile bytes.
    void PutGraphic(TVYXClipboardFormat format, std::string_view bytes) { Put(format, bytes); }
    void Put(TVYXClipboardFormat format, std::string_view bytes);
    void Clear();

private:
    void BeginWrite();
    std::array<std::optional<std::string>, cVYXClipboardFormatCount> FData;
    int FOpenCount = 0;
    bool FFresh = false;  // Open was called and nothing has been put since
};

// Keeps Open/Close paired while a copy writes several formats.
class TVYXClipboardScope {
public:
    explicit TVYXClipboardScope(TVYXClipboard& clipboard) : FClipboard(clipboard) { FClipboard.Open(); }
    ~TVYXClipboardScope() { FClipboard.Close(); }
    TVYXClipboardScope(const TVYXClipboardScope&) = delete;
    TVYXClipboardScope& operator=(const TVYXClipboardScope&) = delete;

private:
    TVYXClipboard& FClipboard;
};
