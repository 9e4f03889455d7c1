// CmdConvert.cpp: `vyx convert IN OUT`, a document from one file format into another.
//
// The reader and the writer are chosen by the upper-cased extension of each
// name from one table, where each file format adds its row as it arrives.
// Both names are checked before anything is read, the output goes to a
// temporary file that replaces OUT only when everything succeeded, and OUT may
// never be IN.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "editing/VYXPlainText.h"
#include "model/VYXDefaultStyles.h"
#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXStyles.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"
#include "tools/VyxCommands.h"
#include "tools/VyxOutput.h"

namespace {
struct TConvertOptions {
    std::string Input;
    std::string Output;
    std::string Encoding = "utf-8";       // of text output
    std::string InputEncoding = "cp1252"; // of text input that is neither marked nor UTF-8
    std::string Newline;                  // "lf", "crlf" or empty: as the input had them
};

// What the readers fill and the writers read: the built-in style sheet and
// one body of paragraphs and tables.
struct TConvertDoc {
    TVYXStyles Styles;
    TVYXNumberings Numberings;
    TVYXDOP DOP;
    TVYXRootData Root;
    TVYXLogParasRootIterator Nav;
    TVYXLogParas Body;
    bool CrLf = false;  // the input's line ends, for text output that keeps them
    int InputCodePage = cVYXCodePageAnsi;
    int OutputCodePage = cVYXCodePageUtf8;
    int Newline = 0;    // 1: LF, 2: CR LF, 0: as read

    TConvertDoc() : Body(&Root, &Nav)
    {
        VYXBuildDefaultStyles(Styles);
        Root.Styles = &Styles;
        Root.MasterCHP = &Styles.MasterCHP();
        Root.MasterPAP = &Styles.MasterPAP();
        Root.MasterTAP = &Styles.MasterTAP();
        Root.Numberings = &Numberings;
        Root.DOP = &DOP;
        Root.CreateTemps();
        Nav.Paras = &Body;
    }
};

void ReadText(const std::string& fileName, TConvertDoc& doc)
{
    TVYXImportText import(doc.Body);
    import.CodePage = doc.InputCodePage;
    import.LoadFromFile(fileName);
    doc.CrLf = import.CrLf();
}

std::string WriteText(const TConvertDoc& doc)
{
    TVYXExportText exporter;
    exporter.CodePage = doc.OutputCodePage;
    exporter.CrLf = doc.Newline == 0 ? doc.CrLf : doc.Newline == 2;
    return exporter.SaveToBytes(doc.Body);
}

struct TFormat {
    std::string_view Extension;  // upper-cased, with its dot
    void (*Read)(const std::string& fileName, TConvertDoc& doc);  // nullptr: cannot read
    std::string (*Write)(const TConvertDoc& doc);                 // nullptr: cannot write
};

constexpr TFormat cFormats[] = {
    {".TXT", ReadText, WriteText},
};

std::string UpperExtension(const std::string& fileName)
{
    return AsciiUpper(std::filesystem::path(fileName).extension().string());
}

const TFormat* FindFormat(const std::string& extension)
{
    for (const TFormat& f : cFormats)
        if (f.Extension == extension)
            return &f;
    return nullptr;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "vyx convert: %s\n", message.c_str());
    return vyxFailed;
}

int RunConvert(const TConvertOptions& o)
{
    try {
        if (o.Input.empty() || o.Output.empty())
            throw VYXException("Filename is missing");
        const std::string inExt = UpperExtension(o.Input);
        const TFormat* reader = FindFormat(inExt);
        if (!reader || !reader->Read)
            throw VYXException("Do not know how to read file type \"" + inExt + "\"");
        const std::string outExt = UpperExtension(o.Output);
        const TFormat* writer = FindFormat(outExt);
        if (!writer || !writer->Write)
            throw VYXException("Do not know how to write file type \"" + outExt + "\"");

        auto doc = std::make_unique<TConvertDoc>();
        doc->OutputCodePage = VYXCodePageFromName(o.Encoding);
        if (doc->OutputCodePage == 0)
            return Fail("unknown encoding \"" + o.Encoding + "\"");
        doc->InputCodePage = VYXCodePageFromName(o.InputEncoding);
        if (doc->InputCodePage == 0)
            return Fail("unknown encoding \"" + o.InputEncoding + "\"");
        doc->Newline = o.Newline == "crlf" ? 2 : o.Newline == "lf" ? 1 : 0;

        TVyxOutputFile out(o.Output, {o.Input});  // refuses OUT = IN before anything is read
        reader->Read(o.Input, *doc);
        VYXWriteFile(out.TempName(), writer->Write(*doc));
        out.Commit();
        return vyxOk;
    } catch (const VYXException& e) {
        return Fail(e.what());
    }
}
}  // namespace

void AddConvertCommand(CLI::App& app)
{
    auto opts = std::make_shared<TConvertOptions>();
    auto* cmd = app.add_subcommand("convert", "Convert a document into another format (by extension: .txt)");
    cmd->add_option("input", opts->Input, "Document to read")->required();
    cmd->add_option("output", opts->Output, "Document to write (never the input)")->required();
    cmd->add_option("--encoding", opts->Encoding,
                    "Text output encoding: utf-8 (default) or a code page such as cp1252, cp1251, cp932, iso-8859-2");
    cmd->add_option("--input-encoding", opts->InputEncoding,
                    "Code page of text input without a byte-order mark that is not UTF-8 (default cp1252)");
    cmd->add_option("--newline", opts->Newline, "Line ends of text output: lf or crlf (default: as the input)")
        ->check(CLI::IsMember({"lf", "crlf"}));
    cmd->callback([opts] { gVyxExitCode = RunConvert(*opts); });
}
