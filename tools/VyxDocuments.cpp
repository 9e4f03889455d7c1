// VyxDocuments.cpp: the table of file formats.
#include "tools/VyxDocuments.h"

#include <filesystem>

#include "editing/VYXLogEditor.h"
#include "editing/VYXPlainText.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXWriteDOCX.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
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

struct TFormat {
    std::string_view Extension;  // upper-cased, with its dot
    void (*Read)(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions& o);  // nullptr: cannot read
    std::string (*Write)(TVYXLogDocEditor& doc, const TVyxFileOptions& o);                  // nullptr: cannot write
};

// One row per format; keep them in alphabetical order of extension.
constexpr TFormat cFormats[] = {
    {".DOCM", ReadDocx, nullptr},
    {".DOCX", ReadDocx, WriteDocx},
    {".DOTM", ReadDocx, nullptr},
    {".DOTX", ReadDocx, nullptr},
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
