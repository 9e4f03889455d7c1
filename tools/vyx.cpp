// vyx.cpp: the command-line program: reads, converts and inspects documents.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

#include "platform/VYXException.h"
#include "platform/VYXPrintable.h"
#include "tools/VyxCommands.h"

int gVyxExitCode = vyxOk;

namespace {
using TAddCommand = void (*)(CLI::App&);

constexpr TAddCommand cCommands[] = {
    AddInfoCommand,
    AddConvertCommand,
    AddEvalCommand,
    AddBarcodeCommand,
    AddTestSheetCommand,
    AddPackageCommand,
    AddDecryptCommand,
    AddEncryptCommand,
    AddSpellCommand,
    AddLayoutCommand,
    AddRenderCommand,
    AddReportCommand,
    AddMergeCommand,
    AddPlayCommand,
};
}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"vyx: a word-processing engine on the command line", "vyx"};
    app.set_version_flag("--version", std::string("vyx ") + VYX_VERSION);
    app.require_subcommand(0, 1);
    for (TAddCommand add : cCommands)
        add(app);
    // Errors never escape main: every failure becomes a message and an exit code.
    try {
        app.parse(argc, argv);
        if (app.get_subcommands().empty()) {
            std::fputs(app.help().c_str(), stdout);
            return vyxOk;
        }
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? vyxOk : vyxUsage;
    } catch (const VYXException& e) {
        std::fprintf(stderr, "vyx: %s\n", VYXPrintable(e.what(), 1000).c_str());
        return vyxFailed;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vyx: internal error: %s\n", VYXPrintable(e.what(), 1000).c_str());
        return vyxFailed;
    } catch (...) {
        std::fprintf(stderr, "vyx: internal error\n");
        return vyxFailed;
    }
    return gVyxExitCode;
}
