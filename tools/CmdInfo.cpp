// CmdInfo.cpp: `vyx info`, what this build of the engine offers.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>

#include "model/VYXDefs.h"
#include "tools/VyxCommands.h"

namespace {
// The paper sizes new documents and page set-up match against, in points and millimetres.
void PrintPaperSizes()
{
    std::printf("\nPaper sizes (width x height):\n");
    for (const auto& paper : VYXPaperSizes) {
        if (paper.Size == apsCustom)
            continue;
        const std::string name(paper.Name);
        std::printf("  %-14s %8.2f x %8.2f pt  %6.1f x %6.1f mm\n", name.c_str(), paper.Width, paper.Height,
                    PtToUnit(paper.Width, asoduMillimeters), PtToUnit(paper.Height, asoduMillimeters));
    }
}
}  // namespace

void AddInfoCommand(CLI::App& app)
{
    auto* cmd = app.add_subcommand("info", "Show the engine version and what it supports");
    cmd->callback([] {
        std::printf("vyx %s\n", VYX_VERSION);
        PrintPaperSizes();
        gVyxExitCode = vyxOk;
    });
}
