// VYXWriteRTF.h: writes a document, or a part of it, as Rich Text Format.
//
// Every run carries its full effective character format and every paragraph its
// effective paragraph format, so a reader needs no style inheritance. The output
// is 8-bit text without line breaks: characters above 127 are written as \u
// escapes. The writer never changes the document; output is deterministic.
#pragma once

#include <string>

class TVYXLogDocEditor;
class TVYXLogParas;
class TVYXLogSelection;
class TVYXStream;

class TVYXWriteRTF {
public:
    // The document is read only; it must outlive the writer.
    explicit TVYXWriteRTF(TVYXLogDocEditor& doc);
    TVYXWriteRTF(const TVYXWriteRTF&) = delete;
    TVYXWriteRTF& operator=(const TVYXWriteRTF&) = delete;

    // The whole document: body, headers, footers and notes.
    std::string SaveToBytes() const;
    // The content of a selection (a copy of it is written; nothing is tagged).
    std::string SaveToBytes(const TVYXLogSelection& selection) const;
    // A paragraph list over the document's tables (clipboard content, fragments).
    std::string SaveParasToBytes(const TVYXLogParas& paras) const;

    void SaveToStream(TVYXStream& stream) const;
    // Written beside the target and renamed, so a failure leaves no half file.
    void SaveToFile(const std::string& fileName) const;

private:
    TVYXLogDocEditor& FDoc;
};
