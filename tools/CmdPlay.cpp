// CmdPlay.cpp: `vyx play SCRIPT [--open FILE] [--save FILE]`, a session script played on a headless editor.
//
// The script (host/VYXSession.h describes its lines) runs against an empty document,
// or against FILE when --open names one. The first failing line stops the run:
// "SCRIPT:LINE: message" on stderr and exit code 1. On success the counts go to
// stdout and --save writes the document (by the extension of its name).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "editing/VYXEditor.h"
#include "host/VYXHeadlessHost.h"
#include "host/VYXSession.h"
#include "platform/VYXPrintable.h"
#include "platform/VYXStream.h"
#include "tools/VyxCommands.h"

namespace {
struct TPlayOptions {
    std::string Script;
    std::string Open;
    std::string Save;
    int Width = 1000, Height = 800, Dpi = 96;
};

int RunPlay(const TPlayOptions& o)
{
    const std::string script = VYXReadFile(o.Script);
    TVYXHeadlessHost host(o.Width, o.Height, o.Dpi);
    if (!o.Open.empty())
        host.Editor().LoadFromFile(o.Open);
    TVYXSession session(host, std::filesystem::path(o.Script).parent_path().string());
    const TVYXSessionResult r = session.Play(script);
    if (!r.Ok) {
        std::fprintf(stderr, "%s:%d: %s\n", o.Script.c_str(), r.Line, VYXPrintable(r.Message, 2000).c_str());
        return vyxFailed;
    }
    if (!o.Save.empty())
        host.Editor().SaveToFile(o.Save, true);
    std::printf("%d statements, %d assertions held\n", r.Statements, r.Assertions);
    return vyxOk;
}
}  // namespace

void AddPlayCommand(CLI::App& app)
{
    auto opts = std::make_shared<TPlayOptions>();
    auto* cmd = app.add_subcommand("play", "Play a session script (keys, text, mouse, commands, assertions) on a headless editor");
    cmd->add_option("script", opts->Script, "Session script")->required();
    cmd->add_option("--open", opts->Open, "Document to open before the script runs");
    cmd->add_option("--save", opts->Save, "Where to save the document after the script");
    cmd->add_option("--width", opts->Width, "Screen width in pixels (default 1000)");
    cmd->add_option("--height", opts->Height, "Screen height in pixels (default 800)");
    cmd->add_option("--dpi", opts->Dpi, "Screen resolution (default 96)");
    cmd->callback([opts] { gVyxExitCode = RunPlay(*opts); });
}
