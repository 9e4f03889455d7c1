// VyxLight.cpp: the `vyx` program as it starts: plain conversions here, every other command in
// the full program beside it.
//
// The full program links the drawing, font, PDF, spelling, barcode, report and encryption
// libraries, about 45 shared objects; mapping and relocating them costs several times what
// converting a 140-page DOC file to text does. So `vyx` itself links only the model, the editing
// layer, the DOC, RTF and DOCX readers and the text and RTF writers, and runs
// `vyx convert IN OUT` itself when both ends are among those formats and only the text options
// are given. Anything else -- other commands, other formats, PDF options, a password, an
// encrypted package, a malformed command line, --help -- is handed unchanged to `vyx-full` in
// the program's own folder (found through /proc/self/exe), which answers exactly as it always
// did. The readers and writers run here are the same classes the full program's table of
// formats calls, with the same options, so both give the same bytes.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "editing/VYXPlainText.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteRTF.h"
#include "import/VYXReadDOC.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXPrintable.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"
#include "tools/VyxOutput.h"

namespace {
constexpr int cExitOk = 0;
constexpr int cExitFailed = 1;

enum TLightFormat { lfNone, lfDoc, lfDocx, lfRtf, lfText };

// What the light program reads and writes, by the upper-cased extension with its dot. The
// macro-enabled and template DOCX kinds stay with the full program, which checks their kind.
TLightFormat LightFormat(const std::string& fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return lfNone;
    const std::string ext = AsciiUpper(fileName.substr(dot));
    if (ext == ".DOC")
        return lfDoc;
    if (ext == ".DOCX")
        return lfDocx;
    if (ext == ".RTF")
        return lfRtf;
    if (ext == ".TXT")
        return lfText;
    return lfNone;
}

struct TLightConvert {
    std::string Input, Output;
    int InputCodePage = 1252;   // as the full program's --input-encoding default (cp1252)
    int OutputCodePage = 65001; // UTF-8
    int Newline = 0;            // 1 LF, 2 CR LF, 0 as the input had them
};

// `convert` with two names and only --encoding, --input-encoding and --newline (as "--x v" or
// "--x=v", each valid); anything else is the full program's to parse and answer.
std::optional<TLightConvert> ParseLightConvert(int argc, char** argv)
{
    if (argc < 4 || std::string_view(argv[1]) != "convert")
        return std::nullopt;
    TLightConvert c;
    int names = 0;
    for (int i = 2; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.empty())
            return std::nullopt;
        if (arg[0] != '-') {
            (names++ == 0 ? c.Input : c.Output) = std::string(arg);
            continue;
        }
        std::string_view value;
        const std::size_t eq = arg.find('=');
        if (eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return std::nullopt;
        }
        if (arg == "--encoding" || arg == "--input-encoding") {
            const int cp = VYXCodePageFromName(value);
            if (cp == 0)
                return std::nullopt;  // the full program words the message
            (arg == "--encoding" ? c.OutputCodePage : c.InputCodePage) = cp;
        } else if (arg == "--newline" && (value == "lf" || value == "crlf")) {
            c.Newline = value == "crlf" ? 2 : 1;
        } else {
            return std::nullopt;
        }
    }
    if (names != 2 || LightFormat(c.Input) == lfNone)
        return std::nullopt;
    const TLightFormat out = LightFormat(c.Output);
    if (out != lfText && out != lfRtf)
        return std::nullopt;
    return c;
}

// An encrypted DOCX package is a compound file; the full program holds the decryption.
// A file that cannot be opened is left to the full program too, for its own message.
bool IsCompoundFile(const std::string& fileName)
{
    try {
        TVYXFileStream in(fileName, vyfmRead);
        char head[8] = {};
        const std::size_t n = in.Read(head, sizeof head);
        return TVYXCompoundFile::HasSignature(std::string_view(head, n));
    } catch (const VYXException&) {
        return true;
    }
}

// Runs the conversion; nullopt when it turns out to be the full program's (an encrypted package).
std::optional<int> RunLightConvert(const TLightConvert& c)
{
    try {
        const TLightFormat in = LightFormat(c.Input);
        if (in == lfDocx && IsCompoundFile(c.Input))
            return std::nullopt;
        TVyxOutputFile out(c.Output, {c.Input});  // refuses OUT = IN before anything is read
        auto doc = std::make_unique<TVYXLogDocEditor>();
        const bool toRtf = LightFormat(c.Output) == lfRtf;
        bool crLf = false;
        {
            TVYXEditorUpdate update(*doc);
            switch (in) {
            case lfDoc: {
                TVYXReadDOC reader(*doc);
                reader.ReadPictures = toRtf;  // text leaves them out anyway
                reader.LoadFromFile(c.Input);
                break;
            }
            case lfDocx: TVYXReadDOCX(*doc, TVYXReadDOCX::TNoDecryption{}).LoadFromFile(c.Input); break;
            case lfRtf: TVYXReadRTF(*doc).LoadFromFile(c.Input); break;
            case lfText: {
                TVYXImportText import(doc->Paras());
                import.CodePage = c.InputCodePage;
                import.LoadFromFile(c.Input);
                crLf = import.CrLf();
                break;
            }
            case lfNone: break;
            }
        }
        std::string bytes;
        if (toRtf) {
            bytes = TVYXWriteRTF(*doc).SaveToBytes();
        } else {
            TVYXExportText exporter;
            exporter.CodePage = c.OutputCodePage;
            exporter.CrLf = c.Newline == 0 ? crLf : c.Newline == 2;
            bytes = exporter.SaveToBytes(doc->Paras());
        }
        VYXWriteFile(out.TempName(), bytes);
        out.Commit();
        return cExitOk;
    } catch (const VYXException& e) {
        std::fprintf(stderr, "vyx convert: %s\n", e.what());
        return cExitFailed;
    }
}

// The full program's path: `vyx-full` in this program's folder.
std::string FullProgram()
{
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return "vyx-full";
    std::string path(self, static_cast<std::size_t>(n));
    const std::size_t slash = path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "vyx-full";
}

int RunFull(char** argv)
{
    const std::string full = FullProgram();
    execv(full.c_str(), argv);
    std::fprintf(stderr, "vyx: cannot start %s: %s\n", full.c_str(), std::strerror(errno));
    return cExitFailed;
}
}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 2 && std::string_view(argv[1]) == "--version") {
            std::printf("vyx %s\n", VYX_VERSION);
            return cExitOk;
        }
        if (const auto convert = ParseLightConvert(argc, argv))
            if (const auto code = RunLightConvert(*convert))
                return *code;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vyx: internal error: %s\n", VYXPrintable(e.what(), 1000).c_str());
        return cExitFailed;
    }
    return RunFull(argv);
}
