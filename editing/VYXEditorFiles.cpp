// VYXEditorFiles.cpp: loading and saving whole documents through the editor facade.
//
// The reader or writer comes from the table of file formats (VYXFileFormats.h), by
// the file name's upper-cased extension, as for every command of the program. Every
// load starts from an empty document with the built-in style sheet, so styles of
// the document before never leak into the next one. A failed read leaves what the
// reader had built, closed into a valid document; a failed or refused save leaves
// no file behind (bytes go to a temporary file beside the target, renamed at the end).
#include "editing/VYXEditorFiles.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "editing/VYXEditor.h"
#include "editing/VYXFileFormats.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadHTML.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXRtfClipboard.h"
#include "formats/VYXWriteRTF.h"
#include "layout/VYXPaginate.h"
#include "model/VYXDefaultStyles.h"
#include "pdf/VYXWritePDF.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

namespace {
std::string ReadAll(TVYXStream& stream)
{
    std::string bytes;
    char buffer[65536];
    for (std::size_t n; (n = stream.Read(buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    return bytes;
}

// Writes through a temporary file beside the target, renamed over it only when all
// bytes are out.
void WriteFileAtomically(const std::string& fileName, const std::string& bytes)
{
    const std::string temp = fileName + ".vyx-tmp";
    try {
        TVYXFileStream out(temp, vyfmCreate);
        out.Write(bytes.data(), bytes.size());
        out.Close();
    } catch (...) {
        std::remove(temp.c_str());
        throw;
    }
    std::error_code ec;
    std::filesystem::rename(temp, fileName, ec);
    if (ec) {
        std::remove(temp.c_str());
        throw VYXException("Cannot write \"" + fileName + "\": " + ec.message());
    }
}

// Closes the main document's update bracket even when a reader raises.
class TLoadScope {
public:
    explicit TLoadScope(TVYXLogDocEditor& doc) : FUpdate(doc) {}

private:
    TVYXEditorUpdate FUpdate;
};
}  // namespace

TXLSKnownFiletype FileTypeFromMagic(TVYXStream& stream)
{
    const std::int64_t at = stream.Position();
    unsigned char head[5] = {0, 0, 0, 0, 0};
    const std::size_t n = stream.Read(head, sizeof head);
    stream.Seek(at, vysoBeginning);
    if (n >= 5 && head[0] == 0xD0 && head[1] == 0xCF && head[2] == 0x11 && head[3] == 0xE0 && head[4] == 0xA1)
        return xkftCompound;
    if (n >= 3 && head[0] == 'P' && head[1] == 'K' && head[2] == 3)
        return xkftZIP;
    if (n >= 4 && head[0] == '{' && head[1] == '\\' && head[2] == 'r' && head[3] == 't')
        return xkftRTF;
    return xkftUnknown;
}

void VYXAttachFormats(TVYXEditor& editor)
{
    editor.FClipboardSetupEvent = [](TVYXClipboardCmd& cmd, TVYXLogDocEditor& doc) { VYXInstallRtfClipboard(cmd, doc); };
}

// ---- The facade's members ------------------------------------------------------------------

void TVYXEditor::ResetForLoad()
{
    // The focus goes back to the body first: a header or note editor is freed by the clear.
    if (FFocusDoc != FMainDoc)
        SetFocusDoc(*FMainDoc);
    Clear();
    FPaginator->Clear();
    FPageTops.clear();
    FMainDoc->Clear();
    VYXBuildDefaultStyles(FMainDoc->Styles());
}

void TVYXEditor::AfterLoad(bool raiseEvent)
{
    if (FMainDoc->Paras().Count() == 0) {
        TVYXEditorUpdate update(*FMainDoc);
        FMainDoc->AppendPara();
    }
    FMainDoc->Caret().Assign(FMainDoc->FirstPara(), 1);
    FMainDoc->Undo().Clear();
    if (raiseEvent && FAfterFileReadEvent)
        FAfterFileReadEvent(*this);
    FScrollX = FScrollY = 0;
    FMainDoc->SetDirty(true);
    FMainDoc->SetRepaint(true);
    UpdateUI();
    CaretPosChanged();
}

TVYXFileOptions TVYXEditor::FileOptions() const
{
    TVYXFileOptions o;
    o.Password = FPassword;
    o.SavePassword = FPassword;
    if (FPasswordEvent)
        o.PasswordEvent = FPasswordEvent;
    // Plain text both ways in the 8-bit code page, lines ending in CR LF.
    o.InputCodePage = cVYXCodePageAnsi;
    o.OutputCodePage = cVYXCodePageAnsi;
    o.Newline = 2;
    return o;
}

void TVYXEditor::LoadFromFile(const std::string& fileName)
{
    VYXCheckCanRead(fileName);
    // The file must be readable before the current document goes.
    TVYXFileStream(fileName, vyfmRead).Close();
    TVYXFileOptions options = FileOptions();
    FFilename = fileName;
    ResetForLoad();
    try {
        TLoadScope scope(*FMainDoc);
        VYXLoadDocument(fileName, *FMainDoc, options);
    } catch (...) {
        AfterLoad(false);  // what was read stays, laid out and usable
        throw;
    }
    AfterLoad(true);
}

void TVYXEditor::LoadFromStream(TVYXStream& stream)
{
    ResetForLoad();
    try {
        TLoadScope scope(*FMainDoc);
        TVYXReadDOCX reader(*FMainDoc);
        VYXReadDocxStream(reader, stream, FileOptions());
    } catch (...) {
        AfterLoad(false);
        throw;
    }
    AfterLoad(true);
}

void TVYXEditor::LoadFromStreamRTF(TVYXStream& stream)
{
    ResetForLoad();
    try {
        TLoadScope scope(*FMainDoc);
        TVYXReadRTF(*FMainDoc).LoadFromStream(stream);
    } catch (...) {
        AfterLoad(false);
        throw;
    }
    AfterLoad(false);
}

void TVYXEditor::LoadFromStreamHTML(TVYXStream& stream)
{
    const std::string bytes = ReadAll(stream);
    ResetForLoad();
    try {
        TLoadScope scope(*FMainDoc);
        TVYXReadHTML(*FMainDoc).LoadFromBytes(bytes);
    } catch (...) {
        AfterLoad(false);
        throw;
    }
    AfterLoad(true);
}

void TVYXEditor::LoadFromStrings(const TVYXStringList& lines)
{
    std::string bytes;
    for (int i = 0; i < lines.Count(); ++i) {
        bytes += lines[i];
        bytes += '\n';
    }
    TVYXMemoryStream stream(std::move(bytes));
    LoadFromStreamHTML(stream);
}

void TVYXEditor::SaveToFile(const std::string& fileName, bool keepName)
{
    VYXCheckCanWrite(fileName);
    TVYXSaveExtras extras;
    extras.PictureFiles = true;  // an HTML page's pictures go beside it
    std::string bytes;
    try {
        bytes = VYXSaveDocument(fileName, *FMainDoc, FileOptions(), &extras);
    } catch (...) {
        if (extras.LaidOut) {
            FMainDoc->SetDirty(true);
            UpdateUI();
        }
        throw;
    }
    if (extras.LaidOut) {
        // The export laid the paragraphs out for its own device: lay them out again.
        FMainDoc->SetDirty(true);
        UpdateUI();
    }
    const std::filesystem::path dir = std::filesystem::path(fileName).parent_path();
    for (const auto& [name, data] : extras.Files)
        WriteFileAtomically((dir / name).string(), data);
    WriteFileAtomically(fileName, bytes);
    if (!keepName)
        FFilename = fileName;
}

void TVYXEditor::SaveToStream(TVYXStream& stream)
{
    TVYXFileOptions options = FileOptions();
    const std::string bytes = VYXSaveDocument("stream.docx", *FMainDoc, options);
    stream.Write(bytes.data(), bytes.size());
}

void TVYXEditor::SaveToStreamRTF(TVYXStream& stream) { TVYXWriteRTF(*FMainDoc).SaveToStream(stream); }

void TVYXEditor::SaveToFilePDF(const std::string& fileName, bool pdfa1, std::string_view userPassword,
                               std::string_view ownerPassword, unsigned permissions)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    std::string bytes;
    try {
        TVYXWritePDF job(pdfa1, userPassword, ownerPassword, permissions);
        job.FDoc = FMainDoc;
        bytes = job.SaveToBytes();
    } catch (...) {
        // The export laid the paragraphs out for its own device: lay them out again.
        FMainDoc->SetDirty(true);
        UpdateUI();
        throw;
    }
    FMainDoc->SetDirty(true);
    UpdateUI();
    WriteFileAtomically(fileName, bytes);
}
