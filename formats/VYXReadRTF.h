// VYXReadRTF.h: reads Rich Text Format into a document, or into a paragraph list (paste).
//
// The reader is a table-driven parser that takes one byte at a time, keeps a
// stack of group states (character, paragraph and destination state saved at
// every "{") and sends text to the destination that is current: the body, a
// header, a note, a field instruction, the font table and so on. It builds
// the document through the editor's append operations and the public model.
//
// Failures: input it cannot go on with raises VYXException
// "Error while reading RTF document (<code>)" (see TVYXRtfResult); whatever
// was read before stays in the target and is left valid (open tables closed,
// every list and cell holding a paragraph). Unknown control words are skipped,
// unknown destinations after "\*" are skipped whole.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class TVYXLogDocEditor;
class TVYXLogParas;
class TVYXStream;

// The parser's result codes, as the exception message shows them.
enum TVYXRtfResult {
    rtfOk = 0,
    rtfStackUnderflow = 1,  // a "}" without an open group
    rtfStackOverflow = 2,   // groups nested deeper than the reader allows
    rtfEndOfFile = 3,       // the input ended with groups open
    rtfInvalidHex = 4,      // a "\'" escape with a character that is not a hexadecimal digit
    rtfBadTable = 5,        // unknown special keyword (kept for the numbering; not raised)
    rtfAssertion = 6,       // inconsistent internal state
    rtfEndOfKeyword = 7,    // the input ended inside a control word
    rtfNotRtf = 8           // the input does not start with "{\rtf"
};

class TVYXReadRTF {
public:
    // The document receives styles, hyperlinks, bookmarks, notes and headers;
    // it must outlive the reader.
    explicit TVYXReadRTF(TVYXLogDocEditor& doc);
    ~TVYXReadRTF();
    TVYXReadRTF(const TVYXReadRTF&) = delete;
    TVYXReadRTF& operator=(const TVYXReadRTF&) = delete;

    // Whether page size and margins are taken from the file (whole-document loads only).
    bool ImportDocumentSettings = true;

    // Replaces the document's body (and its headers, footers and notes).
    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TVYXStream& stream);
    void LoadFromBytes(std::string_view bytes);
    // Appends to `paras`, a list over the document's tables (paste). Headers,
    // footers and notes of the input are dropped; their text is not pasted.
    void LoadFromFile(const std::string& fileName, TVYXLogParas& paras);
    void LoadFromStream(TVYXStream& stream, TVYXLogParas& paras);
    void LoadFromBytes(std::string_view bytes, TVYXLogParas& paras);

    // The "\*\generator" text of the last input, if any.
    const std::u16string& Generator() const { return FGenerator; }

private:
    static std::string ReadFile(const std::string& fileName);
    void Run(std::string_view bytes, TVYXLogParas* paras);
    TVYXLogDocEditor& FDoc;
    std::u16string FGenerator;
};

// True when the bytes start like an RTF file ("{\rt").
bool VYXLooksLikeRtf(std::string_view bytes);
