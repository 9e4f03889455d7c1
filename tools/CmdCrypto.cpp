// CmdCrypto.cpp: `vyx decrypt IN OUT --password P` and `vyx encrypt IN OUT --password P`,
// between password-encrypted DOCX files and their plain packages.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "formats/VYXEncryption.h"
#include "formats/VYXZip5.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"
#include "tools/VyxCommands.h"
#include "tools/VyxOutput.h"

namespace {

struct TCryptoOptions {
    std::string Input;
    std::string Output;
    std::optional<std::string> Password;
};

int ExitCodeOf(TXLSCryptoResult result)
{
    switch (result) {
    case xcrOk: return vyxOk;
    case xcrMissingPassword: return vyxMissingPassword;
    case xcrWrongPassword: return vyxWrongPassword;
    case xcrUnsupportedEncryption: return vyxUnsupportedEncryption;
    case xcrUnknown: break;
    }
    return vyxCryptoError;
}

// Prints the result's message (and what is known beyond it) and sets the exit code.
void ReportFailure(const std::string& file, TXLSCryptoResult result, const std::string& detail)
{
    std::fprintf(stderr, "vyx: %s: %s\n", file.c_str(), XLSCryptoResultMessage(result));
    if (!detail.empty())
        std::fprintf(stderr, "vyx: (%s)\n", detail.c_str());
    gVyxExitCode = ExitCodeOf(result);
}

void RunDecrypt(const TCryptoOptions& options)
{
    // The password is checked before the input is opened: without one nothing is read.
    if (!options.Password || options.Password->empty()) {
        ReportFailure(options.Input, xcrMissingPassword, {});
        return;
    }
    TVYXFileStream input(options.Input, vyfmRead);
    const std::string head = input.ReadBytes(static_cast<std::size_t>(std::min<std::int64_t>(8, input.Size())));
    if (!TVYXCompoundFile::HasSignature(head))
        throw VYXException(options.Input + ": not an encrypted file (no compound-file signature)");
    TXLSEncryption enc;
    enc.SetPassword(U16(*options.Password));
    const TXLSCryptoResult result = enc.LoadFromStream(input);
    if (result != xcrOk) {
        ReportFailure(options.Input, result, enc.Detail());
        return;
    }
    VyxWriteOutput(options.Output, enc.OutStream().Bytes(), {options.Input});
    std::printf("%s: %s encryption, %lld bytes of package written to %s\n", options.Input.c_str(),
                enc.Scheme() == xcsAgile ? "Agile" : "Standard",
                static_cast<long long>(enc.OutStream().Size()), options.Output.c_str());
    gVyxExitCode = vyxOk;
}

void RunEncrypt(const TCryptoOptions& options)
{
    if (!options.Password || options.Password->empty()) {
        ReportFailure(options.Input, xcrMissingPassword, {});
        return;
    }
    std::string package = VYXReadFile(options.Input);
    if (TVYXCompoundFile::HasSignature(package))
        throw VYXException(options.Input + ": the file is already encrypted (or not a package)");
    // Only a readable zip archive is worth protecting; the check reads its directory.
    {
        auto view = TVYXMemoryStream::View(package);
        TXLSZipArchive zip;
        zip.OpenRead(view);
        zip.Close();
    }
    TXLSEncryption enc;
    enc.SetPassword(U16(*options.Password));
    enc.OutStream().WriteString(package);
    TVYXMemoryStream out;
    enc.SaveToStream(out);
    VyxWriteOutput(options.Output, out.Bytes(), {options.Input});
    std::printf("%s: %zu bytes of package encrypted (Standard, AES-128) into %s\n", options.Input.c_str(),
                package.size(), options.Output.c_str());
    gVyxExitCode = vyxOk;
}

void AddCryptoCommand(CLI::App& app, const char* name, const char* help, void (*run)(const TCryptoOptions&))
{
    auto options = std::make_shared<TCryptoOptions>();
    auto* cmd = app.add_subcommand(name, help);
    cmd->add_option("IN", options->Input, "The file to read")->required();
    cmd->add_option("OUT", options->Output, "The file to write")->required();
    cmd->add_option("--password,-p", options->Password, "The password (UTF-8)");
    cmd->footer("Exit codes: 3 missing password, 4 wrong password, 5 unsupported encryption, "
                "6 unknown crypto error, 1 other failures.");
    cmd->callback([options, run] { run(*options); });
}

}  // namespace

void AddDecryptCommand(CLI::App& app)
{
    AddCryptoCommand(app, "decrypt", "Decrypt a password-protected DOCX into its plain package", RunDecrypt);
}

void AddEncryptCommand(CLI::App& app)
{
    AddCryptoCommand(app, "encrypt", "Protect a DOCX package with a password (Standard encryption, AES-128)",
                     RunEncrypt);
}
