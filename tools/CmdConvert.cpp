// CmdConvert.cpp: `vyx convert IN OUT`, a document from one file format into another.
//
// The reader and the writer are chosen by the upper-cased extension of each
// name from the program's one table of formats (tools/VyxDocuments).
// Both names are checked before anything is read, the output goes to a
// temporary file that replaces OUT only when everything succeeded, and OUT may
// never be IN.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "tools/VyxCommands.h"
#include "tools/VyxDocuments.h"
#include "tools/VyxOutput.h"

namespace {
struct TConvertOptions {
    std::string Input;
    std::string Output;
    std::string Encoding = "utf-8";       // of text output
    std::string InputEncoding = "cp1252"; // of text input that is neither marked nor UTF-8
    std::string Newline;                  // "lf", "crlf" or empty: as the input had them
    std::string Password;                 // of an encrypted input package (UTF-8)
    bool PdfA = false;                    // PDF output: PDF/A-1b
    std::string UserPassword, OwnerPassword;  // PDF output: encrypted when either is given
    std::string Permissions;              // PDF output: what a user-password reader may do
};

// The permission names of --permissions, in the order of their bits.
constexpr std::string_view cPdfPermissionNames[] = {"print", "modify", "copy", "annotate",
                                                    "fill", "extract", "assemble", "print-high"};

// "print,copy" -> the bit set; "all" and "none" as they say. Unknown names raise.
unsigned ParsePdfPermissions(const std::string& list)
{
    if (list.empty() || list == "all")
        return 0xFF;
    unsigned bits = 0;
    std::size_t from = 0;
    while (from <= list.size()) {
        std::size_t to = list.find(',', from);
        if (to == std::string::npos)
            to = list.size();
        const std::string_view name = std::string_view(list).substr(from, to - from);
        if (name != "none" && !name.empty()) {
            unsigned bit = 0;
            while (bit < 8 && cPdfPermissionNames[bit] != name)
                ++bit;
            if (bit == 8)
                throw VYXException("unknown permission \"" + std::string(name) +
                                   "\" (print, modify, copy, annotate, fill, extract, assemble, print-high)");
            bits |= 1u << bit;
        }
        from = to + 1;
    }
    return bits;
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
        VyxCheckCanRead(o.Input);
        VyxCheckCanWrite(o.Output);
        TVyxFileOptions fo;
        fo.OutputCodePage = VYXCodePageFromName(o.Encoding);
        if (fo.OutputCodePage == 0)
            return Fail("unknown encoding \"" + o.Encoding + "\"");
        fo.InputCodePage = VYXCodePageFromName(o.InputEncoding);
        if (fo.InputCodePage == 0)
            return Fail("unknown encoding \"" + o.InputEncoding + "\"");
        fo.Newline = o.Newline == "crlf" ? 2 : o.Newline == "lf" ? 1 : 0;
        fo.Password = o.Password;
        fo.PdfA = o.PdfA;
        fo.PdfUserPassword = o.UserPassword;
        fo.PdfOwnerPassword = o.OwnerPassword;
        fo.PdfPermissions = ParsePdfPermissions(o.Permissions);

        TVyxOutputFile out(o.Output, {o.Input});  // refuses OUT = IN before anything is read
        auto doc = std::make_unique<TVYXLogDocEditor>();
        VyxLoadDocument(o.Input, *doc, fo);
        VYXWriteFile(out.TempName(), VyxSaveDocument(o.Output, *doc, fo));
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
    auto* cmd = app.add_subcommand("convert", "Convert a document into another format (by extension: .docx, .docm, .dotx, .dotm, .txt, .pdf)");
    cmd->add_option("input", opts->Input, "Document to read")->required();
    cmd->add_option("output", opts->Output, "Document to write (never the input)")->required();
    cmd->add_option("--encoding", opts->Encoding,
                    "Text output encoding: utf-8 (default) or a code page such as cp1252, cp1251, cp932, iso-8859-2");
    cmd->add_option("--input-encoding", opts->InputEncoding,
                    "Code page of text input without a byte-order mark that is not UTF-8 (default cp1252)");
    cmd->add_option("--password,-p", opts->Password, "Password of an encrypted input document (UTF-8)");
    cmd->add_option("--newline", opts->Newline, "Line ends of text output: lf or crlf (default: as the input)")
        ->check(CLI::IsMember({"lf", "crlf"}));
    cmd->add_flag("--pdfa", opts->PdfA, "PDF output: PDF/A-1b (no encryption, no transparency)");
    cmd->add_option("--user-password", opts->UserPassword, "PDF output: password to open the file (RC4 128-bit)");
    cmd->add_option("--owner-password", opts->OwnerPassword, "PDF output: password for full access");
    cmd->add_option("--permissions", opts->Permissions,
                    "PDF output: comma-separated print, modify, copy, annotate, fill, extract, assemble, "
                    "print-high (default all)");
    cmd->callback([opts] { gVyxExitCode = RunConvert(*opts); });
}
