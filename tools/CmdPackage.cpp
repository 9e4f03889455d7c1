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
#include "platform/VYXPrintable.h"
#include "platform/VYXUnicode.h"
#include "tools/VyxCommands.h"
#include "tools/VyxOutput.h"

namespace {

// Packages read from a pipe are held in memory; larger ones are refused.
constexpr std::uint64_t cMaxStreamedPackage = 1ull << 30;

struct TPackageOptions {
    std::string File;
    std::string Repack;
    bool RepackGiven = false;
    std::uint64_t BudgetMiB = TXLSZipArchive::cDefaultMaxTotalSize >> 20;
};

// Names, types and targets come from the file: they are escaped and cut
// before they reach the terminal.
void ListPackage(TOPCContainer& package, const std::string& fileName)
{
    TXLSZipArchive& zip = package.Archive();
    std::printf("%s: %d entries%s\n", VYXPrintable(fileName).c_str(), zip.Count(),
                zip.Recovered() ? " (no usable central directory: read from the local headers)" : "");
    std::printf("%10s %10s  %-40s %s\n", "Size", "Packed", "Name", "Content type");
    for (int i = 0; i < zip.Count(); ++i) {
        const TXLSZipFile& f = zip.Items(i);
        std::string type = f.IsFolder() ? std::string() : VYXPrintable(package.ContentTypes().Find(f.Name), 80);
        if (f.Unsafe)
            type = "(unsafe name, not readable)";
        std::printf("%10llu %10llu  %-40s %s\n", static_cast<unsigned long long>(f.UncompressedSize),
                    static_cast<unsigned long long>(f.CompressedSize), VYXPrintable(f.Name, 120).c_str(),
                    type.c_str());
    }
    std::printf("\nRelationships:\n");
    const std::string dump = package.DebugDump();
    for (std::size_t start = 0; start < dump.size();) {
        std::size_t end = dump.find('\n', start);
        if (end == std::string::npos)
            end = dump.size();
        std::printf("%s\n", VYXPrintable(std::string_view(dump).substr(start, end - start), 300).c_str());
        start = end + 1;
    }
    for (int i = 0; i < package.Errors().Count(); ++i)
        std::printf("warning: %s\n", VYXPrintable(package.Errors().Items(i), 300).c_str());
    if (package.Errors().DuplicateCount() > 0)
        std::printf("warning: %zu repeated diagnostics not shown\n", package.Errors().DuplicateCount());
}

// A password-protected package is a compound file, not a zip: say so and which scheme
// protects it, instead of failing to find a zip directory.
bool ReportEncrypted(TVYXStream& input, const std::string& fileName, bool repack)
{
    const std::string head = input.ReadBytes(static_cast<std::size_t>(std::min<std::int64_t>(8, input.Size())));
    input.Seek(0, vysoBeginning);
    if (!TVYXCompoundFile::HasSignature(head))
        return false;
    int major = 0, minor = 0;
    const TXLSCryptoScheme scheme = TXLSEncryption::DetectScheme(input.ReadAll(), &major, &minor);
    if (scheme == xcsNone && major == 0)
        throw VYXException(VYXPrintable(fileName) + ": a compound file, not a package (no EncryptionInfo)");
    const char* name = scheme == xcsAgile ? "Agile" : scheme == xcsStandard ? "Standard" : "unsupported";
    if (repack)
        throw VYXException(VYXPrintable(fileName) + ": encrypted package (" + name + " encryption): decrypt it first");
    std::printf("%s: encrypted package, %s encryption (EncryptionInfo version %d.%d)\n", VYXPrintable(fileName).c_str(), name,
                major, minor);
    return true;
}

void RunPackage(const TPackageOptions& options)
{
    const std::unique_ptr<TVYXStream> input = VyxOpenInput(options.File, cMaxStreamedPackage);
    if (ReportEncrypted(*input, options.File, options.RepackGiven)) {
        gVyxExitCode = vyxOk;
        return;
    }
    TOPCContainer package;
    package.Archive().MaxTotalSize = options.BudgetMiB << 20;
    package.OpenRead(*input);
    if (!options.RepackGiven) {
        ListPackage(package, options.File);
        package.Close();
        gVyxExitCode = vyxOk;
        return;
    }
    TVyxOutputFile out(options.Repack, {options.File});
    std::vector<std::string> dropped;
    out.Write([&](const std::string& temp) {
        TVYXFileStream output(temp, vyfmCreate);
        dropped = OPCRepack(package, output);
        output.Close();
    });
    const int entries = package.Archive().Count();
    package.Close();
    if (!dropped.empty()) {
        // A copy that silently lacks entries is not a copy: nothing is written.
        for (const auto& name : dropped)
            std::fprintf(stderr, "vyx: entry \"%s\" has an unsafe name and cannot be carried over\n",
                         VYXPrintable(name, 120).c_str());
        throw VYXException(std::to_string(dropped.size()) + " entr" + (dropped.size() == 1 ? "y" : "ies") +
                           " of \"" + VYXPrintable(options.File) + "\" would be dropped; \"" +
                           VYXPrintable(options.Repack) + "\" was not written");
    }
    out.Commit();
    std::printf("%s: %d entries written to %s\n", VYXPrintable(options.File).c_str(), entries,
                VYXPrintable(options.Repack).c_str());
    gVyxExitCode = vyxOk;
}

}  // namespace

void AddPackageCommand(CLI::App& app)
{
    auto options = std::make_shared<TPackageOptions>();
    auto* cmd = app.add_subcommand("package", "List the parts of a zip/OPC package, or write it back with --repack");
    cmd->add_option("FILE", options->File, "The package (DOCX, ODT or any zip; \"-\" reads standard input)")->required();
    auto* repack = cmd->add_option("--repack", options->Repack, "Read the package and write it back to this file");
    cmd->add_option("--budget", options->BudgetMiB,
                    "The most MiB all parts of the package may inflate to together (default 1024)")
        ->check(CLI::Range(1, 1 << 20));
    cmd->callback([options, repack] {
        options->RepackGiven = repack->count() > 0;
        RunPackage(*options);
    });
}
