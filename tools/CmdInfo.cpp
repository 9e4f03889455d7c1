// CmdInfo.cpp: `vyx info`, what this build of the engine offers.
#include <CLI/CLI.hpp>

#include <cstdio>

#include "tools/VyxCommands.h"

void AddInfoCommand(CLI::App& app)
{
    auto* cmd = app.add_subcommand("info", "Show the engine version and what it supports");
    cmd->callback([] {
        std::printf("vyx %s\n", VYX_VERSION);
        gVyxExitCode = vyxOk;
    });
}
