// CmdPackage.cpp: `vyx package FILE [--repack OUT]`, a look inside zip and OPC packages.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "formats/VYXEncryption.h"
#include "formats/VYXReadWriteOPC5.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "tools/VyxCommands.h"
#include "tools/VyxOutput.h"

namespace {

struct TPackageOptions {
    std::string File;
    std::string Repack;
};

void ListPackage(TOPCContainer& package, const std::string& fileName)
{
    TXLSZipArchive& zip = package.Archive();
    std::printf("%s: %d entries%s\n", fileName.c_str(), zip.Count(),
                zip.Recovered() ? " (no central directory: read from the local headers)" : "");
    std::printf("%10s %10s  %-40s %s\n", "Size", "Packed", "Name", "Content type");
    for (int i = 0; i < zip.Count(); ++i) {
        const TXLSZipFile& f = zip.Items(i);
        std::string type = f.IsFolder() ? std::string() : package.ContentTypes().Find(f.Name);
        if (f.Unsafe)
            type = "(unsafe name, not readable)";
        std::printf("%10llu %10llu  %-40s %s\n", static_cast<unsigned long long>(f.UncompressedSize),
                    static_cast<unsigned long long>(f.CompressedSize), f.Name.c_str(), type.c_str());
    }
    std::printf("\nRelationships:\n%s", package.DebugDump().c_str());
    for (int i = 0; i < package.Errors().Count(); ++i)
        std::printf("warning: %s\n", package.Errors().Items(i).c_str());
}

// A password-protected package is a compound file, not a zip: say so and which scheme
// protects it, instead of failing to find a zip directory.
bool ReportEncrypted(TVYXFileStream& input, const std::string& fileName, bool repack)
{
    const std::string head = input.ReadBytes(static_cast<std::size_t>(std::min<std::int64_t>(8, input.Size())));
    input.Seek(0, vysoBeginning);
    if (!TVYXCompoundFile::HasSignature(head))
        return false;
    int major = 0, minor = 0;
    const TXLSCryptoScheme scheme = TXLSEncryption::DetectScheme(input.ReadAll(), &major, &minor);
    if (scheme == xcsNone && major == 0)
        throw VYXException(fileName + ": a compound file, not a package (no EncryptionInfo)");
    const char* name = scheme == xcsAgile ? "Agile" : scheme == xcsStandard ? "Standard" : "unsupported";
    if (repack)
        throw VYXException(fileName + ": encrypted package (" + name + " encryption): decrypt it first");
    std::printf("%s: encrypted package, %s encryption (EncryptionInfo version %d.%d)\n", fileName.c_str(), name,
                major, minor);
    return true;
}

void RunPackage(const TPackageOptions& options)
{
    TVYXFileStream input(options.File, vyfmRead);
    if (ReportEncrypted(input, options.File, !options.Repack.empty())) {
        gVyxExitCode = vyxOk;
        return;
    }
    TOPCContainer package;
    package.OpenRead(input);
    if (options.Repack.empty()) {
        ListPackage(package, options.File);
    } else {
        TVyxOutputFile out(options.Repack, {options.File});
        {
            TVYXFileStream output(out.TempName(), vyfmCreate);
            OPCRepack(package, output);
            output.Close();
        }
        out.Commit();
        std::printf("%s: %d entries written to %s\n", options.File.c_str(), package.Archive().Count(),
                    options.Repack.c_str());
    }
    package.Close();
    gVyxExitCode = vyxOk;
}

}  // namespace

void AddPackageCommand(CLI::App& app)
{
    auto options = std::make_shared<TPackageOptions>();
    auto* cmd = app.add_subcommand("package", "List the parts of a zip/OPC package, or write it back with --repack");
    cmd->add_option("FILE", options->File, "The package (DOCX, ODT or any zip)")->required();
    cmd->add_option("--repack", options->Repack, "Read the package and write it back to this file");
    cmd->callback([options] { RunPackage(*options); });
}
