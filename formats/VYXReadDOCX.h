// VYXReadDOCX.h: the DOCX reader: a WordprocessingML package into a document editor.
//
// The package (plain, or encrypted and opened with a password) is read through
// the OPC layer. The large parts (document body, headers, footers, notes,
// comments) are tokenized into a compact element tree keyed by the generated
// name table (VYXDocxNames.inc) and walked into the model through the editor's
// append operations and the paragraph lists of cells, headers and footers. The
// other parts (settings, styles, numbering) go through the generated schema
// classes instead (VYXDocxParts.h): those keep what they do not know, but an
// object per element costs time and memory on a large body before the model
// walk even starts, so bodies stay on the flat tree (bench/DocxBench.cpp
// measures both). The run, paragraph and table properties of styles and list
// levels reach the one property mapping the bodies use as their own XML text. Lengths convert at this border: twips /20, half-points /2, EMU
// /12700, all to points.
//
// Elements the table does not know are reported once each (with their row) to
// the document's error manager and skipped with their content; reading goes on.
// A package that cannot be opened, a part that is not well-formed XML, a wrong
// or missing password raise VYXException; what was read before stays a valid
// document.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class TVYXLogDocEditor;
class TVYXStream;
class TNyqPErrors;
class TVYXDocumentProperties;

class TVYXReadDOCX {
public:
    // `doc` is a main document editor (normally fresh); it must outlive the reader.
    explicit TVYXReadDOCX(TVYXLogDocEditor& doc);
    // A reader that refuses encrypted packages ("Can not open file. The document is
    // encrypted"): a program that hands those elsewhere and constructs readers only this
    // way links no decryption and no crypto library (their start-up included).
    struct TNoDecryption {};
    TVYXReadDOCX(TVYXLogDocEditor& doc, TNoDecryption);
    ~TVYXReadDOCX();
    TVYXReadDOCX(const TVYXReadDOCX&) = delete;
    TVYXReadDOCX& operator=(const TVYXReadDOCX&) = delete;

    // For encrypted packages; UTF-8.
    std::string Password;
    // When set (borrowed), receives the core and app properties of the package.
    TVYXDocumentProperties* Properties = nullptr;

    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TVYXStream& stream);
    void LoadFromBytes(std::string_view bytes);
    // A main document part alone (no styles, numbering, pictures or notes).
    void LoadDocumentXml(std::string_view xml);

    // Diagnostics of the last load (also forwarded to the document's error manager).
    const TNyqPErrors& Errors() const;

private:
    class TImpl;
    std::unique_ptr<TImpl> FImpl;
    // The plain package of an encrypted one (VYXReadDOCXDecrypt.cpp); null: refused.
    std::string (*FDecrypt)(std::string_view package, const std::string& password) = nullptr;
};
