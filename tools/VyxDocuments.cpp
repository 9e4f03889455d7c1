// VyxDocuments.cpp: the table of file formats.
#include "tools/VyxDocuments.h"

#include <filesystem>

#include "editing/VYXLogEditor.h"
#include "editing/VYXPlainText.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadHTML.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXWriteHTML.h"
#include "formats/VYXWriteRTF.h"
#include "import/VYXReadDOC.h"
#include "import/VYXReadODT.h"
#include "pdf/VYXWritePDF.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
void ReadDoc(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions&)
{
    TVYXReadDOC reader(doc);
    reader.LoadFromFile(fileName);
}

void ReadText(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions& o)
{
    TVYXImportText import(doc.Paras());
    import.CodePage = o.InputCodePage;
    import.LoadFromFile(fileName);
    o.CrLf = import.CrLf();
}

std::string WriteText(TVYXLogDocEditor& doc, const TVyxFileOptions& o)
{
    TVYXExportText exporter;
    exporter.CodePage = o.OutputCodePage;
    exporter.CrLf = o.Newline == 0 ? o.CrLf : o.Newline == 2;
    return exporter.SaveToBytes(doc.Paras());
}

// OpenDocument text, packaged (.odt) or flat (.fodt): the reader tells them apart by their bytes.
void ReadODT(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions&)
{
    TVYXReadODT reader(doc);
    reader.LoadFromFile(fileName);
}

void ReadDocx(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions& o)
{
    TVYXReadDOCX reader(doc);
    reader.Password = o.Password;
    reader.Properties = &o.Properties;
    reader.LoadFromFile(fileName);
}

std::string WriteDocx(TVYXLogDocEditor& doc, const TVyxFileOptions& o)
{
    TVYXWriteDOCX writer(doc);
    writer.Properties = &o.Properties;
    return writer.SaveToBytes();
}

void ReadHtml(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions&)
{
    TVYXReadHTML reader(doc);
    reader.LoadFromFile(fileName);
}

// The table hands back the file's bytes only, so pictures travel inside the file.
std::string WriteHtml(TVYXLogDocEditor& doc, const TVyxFileOptions&)
{
    TVYXWriteHTML writer(doc);
    writer.EmbedPictures = true;
    return writer.SaveToString();
}

void ReadRtf(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions&)
{
    TVYXReadRTF reader(doc);
    reader.LoadFromFile(fileName);
}

std::string WriteRtf(TVYXLogDocEditor& doc, const TVyxFileOptions&)
{
    return TVYXWriteRTF(doc).SaveToBytes();
}

// Laid out and painted at 72 dpi; the information dictionary comes from what the reader learnt.
std::string WritePdf(TVYXLogDocEditor& doc, const TVyxFileOptions& o)
{
    TVYXWritePDF writer(o.PdfA, o.PdfUserPassword, o.PdfOwnerPassword, o.PdfPermissions);
    writer.FDoc = &doc;
    writer.Properties = &o.Properties;
    return writer.SaveToBytes();
}

struct TFormat {
    std::string_view Extension;  // upper-cased, with its dot
    void (*Read)(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions& o);  // nullptr: cannot read
    std::string (*Write)(TVYXLogDocEditor& doc, const TVyxFileOptions& o);                  // nullptr: cannot write
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
    const std::string ext = VyxUpperExtension(fileName);
    const TFormat* f = FindFormat(ext);
    if (!f || !f->Read)
        throw VYXException("Do not know how to read file type \"" + ext + "\"");
    return *f;
}

const TFormat& Writer(const std::string& fileName)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    const std::string ext = VyxUpperExtension(fileName);
    const TFormat* f = FindFormat(ext);
    if (!f || !f->Write)
        throw VYXException("Do not know how to write file type \"" + ext + "\"");
    return *f;
}
}  // namespace

std::string VyxUpperExtension(const std::string& fileName)
{
    return AsciiUpper(std::filesystem::path(fileName).extension().string());
}

void VyxCheckCanRead(const std::string& fileName) { Reader(fileName); }
void VyxCheckCanWrite(const std::string& fileName) { Writer(fileName); }

void VyxLoadDocument(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions& options)
{
    const TFormat& f = Reader(fileName);
    doc.BeginUpdate();
    try {
        f.Read(fileName, doc, options);
    } catch (...) {
        doc.EndUpdate();
        throw;
    }
    doc.EndUpdate();
}

std::string VyxSaveDocument(const std::string& fileName, TVYXLogDocEditor& doc, const TVyxFileOptions& options)
{
    return Writer(fileName).Write(doc, options);
}
