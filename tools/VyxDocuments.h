// VyxDocuments.h: documents loaded and saved by the extension of their file name.
//
// One table serves every command of the program, so a file format plugs in once:
// its row names the upper-cased extension with its dot, a reader that builds the
// document through the editor's append operations and a writer that returns the
// file's bytes. The commands write those bytes through TVyxOutputFile, which is
// what keeps a failed save from leaving half a file behind.
#pragma once

#include <string>
#include <string_view>

#include "model/VYXDocSection.h"
#include "platform/VYXCodePage.h"

class TVYXLogDocEditor;

struct TVyxFileOptions {
    // Settings.
    int InputCodePage = cVYXCodePageAnsi;   // text input without a byte-order mark that is not UTF-8
    int OutputCodePage = cVYXCodePageUtf8;  // text output
    int Newline = 0;                        // text output: 1 LF, 2 CR LF, 0 as the input had them
    std::string Password;                   // encrypted packages
    // PDF output: PDF/A-1b, or RC4-128 encryption when a password is given, with the
    // permissions as a set of bits (1 << TPdfEncryptionPermission; 0xFF: everything).
    bool PdfA = false;
    std::string PdfUserPassword, PdfOwnerPassword;
    unsigned PdfPermissions = 0xFF;
    // What a reader learnt about its input, for a writer that wants to keep it.
    bool CrLf = false;
    TVYXDocumentProperties Properties;  // title, author, dates ... (DOCX)
};

// The upper-cased extension of a file name, with its dot (".RTF").
std::string VyxUpperExtension(const std::string& fileName);

// Raise "Do not know how to read/write file type ..." unless the table has a reader
// (writer) for the file name's extension; lets a command refuse before it reads.
void VyxCheckCanRead(const std::string& fileName);
void VyxCheckCanWrite(const std::string& fileName);

// Reads the file into `doc` (a main document editor, normally fresh). Raises
// "Filename is missing", the unknown-type message, or the reader's own error.
void VyxLoadDocument(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions& options);

// The bytes of `doc` in the format the file name's extension selects.
std::string VyxSaveDocument(const std::string& fileName, TVYXLogDocEditor& doc, const TVyxFileOptions& options);
