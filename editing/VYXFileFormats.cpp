// VYXFileFormats.cpp: the table of file formats.
#include "editing/VYXFileFormats.h"

#include <filesystem>

#include "editing/VYXLogEditor.h"
#include "editing/VYXPlainText.h"
#include "formats/VYXEncryption.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadHTML.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXWriteHTML.h"
#include "formats/VYXWriteRTF.h"
#include "import/VYXReadDOC.h"
#include "import/VYXReadODT.h"
#include "pdf/VYXWritePDF.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
void ReadDoc(const std::string& fileName, TVYXLogDocEditor& doc, TVYXFileOptions&)
{
    TVYXReadDOC reader(doc);
    reader.LoadFromFile(fileName);
}

void ReadText(const std::string& fileName, TVYXLogDocEditor& doc, TVYXFileOptions& o)
{
    TVYXImportText import(doc.Paras());
    import.CodePage = o.InputCodePage;
    import.LoadFromFile(fileName);
    o.CrLf = import.CrLf();
}

std::string WriteText(TVYXLogDocEditor& doc, const TVYXFileOptions& o, TVYXSaveExtras*)
{
    TVYXExportText exporter;
    exporter.CodePage = o.OutputCodePage;
    exporter.CrLf = o.Newline == 0 ? o.CrLf : o.Newline == 2;
    return exporter.SaveToBytes(doc.Paras());
}

// OpenDocument text, packaged (.odt) or flat (.fodt): the reader tells them apart by their bytes.
void ReadODT(const std::string& fileName, TVYXLogDocEditor& doc, TVYXFileOptions&)
{
    TVYXReadODT reader(doc);
    reader.LoadFromFile(fileName);
}

void ReadDocx(const std::string& fileName, TVYXLogDocEditor& doc, TVYXFileOptions& o)
{
    TVYXReadDOCX reader(doc);
    reader.Properties = &o.Properties;
    TVYXFileStream in(fileName, vyfmRead);
    VYXReadDocxStream(reader, in, o);
}

std::string WriteDocx(TVYXLogDocEditor& doc, const TVYXFileOptions& o, TVYXSaveExtras*)
{
    TVYXWriteDOCX writer(doc);
    writer.Properties = &o.Properties;
    std::string package = writer.SaveToBytes();
    if (o.SavePassword.empty())
        return package;
    TXLSEncryption crypto;
    crypto.SetPassword(Utf8ToUtf16(o.SavePassword));
    crypto.OutStream().Write(package.data(), package.size());
    TVYXMemoryStream out;
    crypto.SaveToStream(out);
    return out.TakeBytes();
}

void ReadHtml(const std::string& fileName, TVYXLogDocEditor& doc, TVYXFileOptions&)
{
    TVYXReadHTML reader(doc);
    reader.LoadFromFile(fileName);
}

// Pictures travel inside the page unless the caller takes them as files of their own.
std::string WriteHtml(TVYXLogDocEditor& doc, const TVYXFileOptions&, TVYXSaveExtras* extras)
{
    TVYXWriteHTML writer(doc);
    writer.EmbedPictures = !extras || !extras->PictureFiles;
    std::string page = writer.SaveToString();
    if (extras && extras->PictureFiles)
        extras->Files = writer.PictureFiles();
    return page;
}

void ReadRtf(const std::string& fileName, TVYXLogDocEditor& doc, TVYXFileOptions&)
{
    TVYXReadRTF reader(doc);
    reader.LoadFromFile(fileName);
}

std::string WriteRtf(TVYXLogDocEditor& doc, const TVYXFileOptions&, TVYXSaveExtras*)
{
    return TVYXWriteRTF(doc).SaveToBytes();
}

// Laid out and painted at 72 dpi; the information dictionary comes from what the reader learnt.
std::string WritePdf(TVYXLogDocEditor& doc, const TVYXFileOptions& o, TVYXSaveExtras* extras)
{
    if (extras)
        extras->LaidOut = true;  // even when the export fails half way
    TVYXWritePDF writer(o.PdfA, o.PdfUserPassword, o.PdfOwnerPassword, o.PdfPermissions);
    writer.FDoc = &doc;
    writer.Properties = &o.Properties;
    return writer.SaveToBytes();
}

struct TFormat {
    std::string_view Extension;  // upper-cased, with its dot
    void (*Read)(const std::string& fileName, TVYXLogDocEditor& doc, TVYXFileOptions& o);    // nullptr: cannot read
    std::string (*Write)(TVYXLogDocEditor& doc, const TVYXFileOptions& o, TVYXSaveExtras* e);  // nullptr: cannot write
};

// One row per format; keep them in alphabetical order of extension.
constexpr TFormat cFormats[] = {
    {".DOC", ReadDoc, nullptr},
    {".DOCM", ReadDocx, nullptr},
    {".DOCX", ReadDocx, WriteDocx},
    {".DOTM", ReadDocx, nullptr},
    {".DOTX", ReadDocx, nullptr},
    {".FODT", ReadODT, nullptr},
    {".HTM", ReadHtml, WriteHtml},
    {".HTML", ReadHtml, WriteHtml},
    {".ODT", ReadODT, nullptr},
    {".PDF", nullptr, WritePdf},
    {".RTF", ReadRtf, WriteRtf},
    {".TXT", ReadText, WriteText},
};

const TFormat* FindFormat(const std::string& extension)
{
    for (const TFormat& f : cFormats)
        if (f.Extension == extension)
            return &f;
    return nullptr;
}

const TFormat& Reader(const std::string& fileName)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    const std::string ext = VYXUpperExtension(fileName);
    const TFormat* f = FindFormat(ext);
    if (!f || !f->Read)
        throw VYXException("Do not know how to read file type \"" + ext + "\"");
    return *f;
}

const TFormat& Writer(const std::string& fileName)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    const std::string ext = VYXUpperExtension(fileName);
    const TFormat* f = FindFormat(ext);
    if (!f || !f->Write)
        throw VYXException("Do not know how to write file type \"" + ext + "\"");
    return *f;
}
}  // namespace

std::string VYXUpperExtension(const std::string& fileName)
{
    return AsciiUpper(std::filesystem::path(fileName).extension().string());
}

void VYXCheckCanRead(const std::string& fileName) { Reader(fileName); }
void VYXCheckCanWrite(const std::string& fileName) { Writer(fileName); }

void VYXLoadDocument(const std::string& fileName, TVYXLogDocEditor& doc, TVYXFileOptions& options)
{
    const TFormat& f = Reader(fileName);
    TVYXEditorUpdate update(doc);  // closed even when the reader raises
    f.Read(fileName, doc, options);
}

std::string VYXSaveDocument(const std::string& fileName, TVYXLogDocEditor& doc, const TVYXFileOptions& options,
                            TVYXSaveExtras* extras)
{
    return Writer(fileName).Write(doc, options, extras);
}

void VYXReadDocxStream(TVYXReadDOCX& reader, TVYXStream& stream, const TVYXFileOptions& options)
{
    unsigned char head[8] = {};
    const std::int64_t at = stream.Position();
    const std::size_t n = stream.Read(head, sizeof head);
    stream.Seek(at, vysoBeginning);
    const std::string_view signature(reinterpret_cast<const char*>(head), n);
    if (!TVYXCompoundFile::HasSignature(signature)) {
        reader.LoadFromStream(stream);
        return;
    }
    TXLSEncryption crypto;
    crypto.SetPassword(Utf8ToUtf16(options.Password));
    if (options.PasswordEvent)
        crypto.SetPasswEvent(options.PasswordEvent);
    if (const TXLSCryptoResult result = crypto.LoadFromStream(stream); result != xcrOk)
        throw VYXException(XLSCryptoResultMessage(result));
    TVYXMemoryStream& plain = crypto.OutStream();
    plain.Seek(0, vysoBeginning);
    reader.LoadFromStream(plain);
}
