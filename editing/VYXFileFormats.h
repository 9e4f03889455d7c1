// VYXFileFormats.h: the table of file formats: documents read and written by the extension of their file name.
//
// One table serves the editor facade and every command of the program, so a file
// format plugs in once: its row names the upper-cased extension with its dot, a
// reader that builds the document through the editor's append operations and a
// writer that returns the file's bytes. Callers write those bytes through a
// temporary file beside the target, which keeps a failed save from leaving half a
// file behind.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/VYXDocSection.h"
#include "platform/VYXCodePage.h"

class TVYXLogDocEditor;
class TVYXReadDOCX;
class TVYXStream;

struct TVYXFileOptions {
    // Settings.
    int InputCodePage = cVYXCodePageAnsi;   // text input without a byte-order mark that is not UTF-8
    int OutputCodePage = cVYXCodePageUtf8;  // text output
    int Newline = 0;                        // text output: 1 LF, 2 CR LF, 0 as the input had them
    std::string Password;                   // to open encrypted packages
    // Asked for the password of an encrypted package when Password does not open it;
    // false gives up.
    std::function<bool(std::u16string& password)> PasswordEvent;
    std::string SavePassword;               // DOCX output: encrypted with it when set
    // PDF output: PDF/A-1b, or RC4-128 encryption when a password is given, with the
    // permissions as a set of bits (1 << TPdfEncryptionPermission; 0xFF: everything).
    bool PdfA = false;
    std::string PdfUserPassword, PdfOwnerPassword;
    unsigned PdfPermissions = 0xFF;
    // What a reader learnt about its input, for a writer that wants to keep it.
    bool CrLf = false;
    TVYXDocumentProperties Properties;  // title, author, dates ... (DOCX)
};

// What a save produced besides the file's bytes.
struct TVYXSaveExtras {
    // Asked for: HTML pictures as files beside the page ((name, bytes); names are
    // relative to the page's folder) instead of data inside it.
    bool PictureFiles = false;
    std::vector<std::pair<std::string, std::string>> Files;
    // The writer laid the document out on a device of its own (PDF): the screen's
    // layout must be made again.
    bool LaidOut = false;
};

// The upper-cased extension of a file name, with its dot (".RTF").
std::string VYXUpperExtension(const std::string& fileName);

// Raise "Filename is missing" or "Do not know how to read/write file type ..." unless
// the table has a reader (writer) for the file name's extension; lets a caller refuse
// before it reads or clears anything.
void VYXCheckCanRead(const std::string& fileName);
void VYXCheckCanWrite(const std::string& fileName);

// Reads the file into `doc` (a main document editor, normally fresh) inside one
// update bracket. Raises what VYXCheckCanRead raises, or the reader's own error.
void VYXLoadDocument(const std::string& fileName, TVYXLogDocEditor& doc, TVYXFileOptions& options);

// The bytes of `doc` in the format the file name's extension selects.
std::string VYXSaveDocument(const std::string& fileName, TVYXLogDocEditor& doc, const TVYXFileOptions& options,
                            TVYXSaveExtras* extras = nullptr);

// A DOCX package from a stream at its start, decrypted first when it is an encrypted
// compound file (Password, then PasswordEvent). Raises "Missing password", "Wrong
// password", "Unsupported encryption" or the reader's error.
void VYXReadDocxStream(TVYXReadDOCX& reader, TVYXStream& stream, const TVYXFileOptions& options);
