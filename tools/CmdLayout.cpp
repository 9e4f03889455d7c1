// CmdLayout.cpp: `vyx layout FILE [--rows] [--json] [--dpi N]`, the pages and rows a document lays out into.
//
// The document is loaded by the extension of its name (tools/VyxDocuments) and laid
// out with the Linux device at the given resolution (96 by default), the same way
// the editor lays it out for the screen. The output is the page count and each
// page's body and extensions; with --rows also every row (text, x, baseline, width,
// height in pixels). DATE fields show today's date.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXLayoutDump.h"
#include "editing/VYXFieldUpdate.h"
#include "layout/VYXPaginate.h"
#include "platform/VYXException.h"
#include "tools/VyxCommands.h"
#include "tools/VyxDocuments.h"

namespace {
struct TLayoutOptions {
    std::string Input;
    bool Rows = false;
    bool Json = false;
    int Dpi = 96;
};

int RunLayout(const TLayoutOptions& o)
{
    if (o.Dpi < 10 || o.Dpi > 2400) {
        std::fprintf(stderr, "vyx layout: the resolution must lie between 10 and 2400 dpi\n");
        return vyxUsage;
    }
    TVYXLogDocEditor doc;
    TVyxFileOptions fo;
    VyxLoadDocument(o.Input, doc, fo);
    TVYXGDILinux gdi(o.Dpi);
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Now = VYXLocalNow();
    layout.Paginate();
    const std::string out = VYXLayoutDump(layout, o.Rows, o.Json);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return vyxOk;
}
}  // namespace

void AddLayoutCommand(CLI::App& app)
{
    auto opts = std::make_shared<TLayoutOptions>();
    auto* cmd = app.add_subcommand("layout", "Lay a document out into pages and list them (formats by extension, as for convert)");
    cmd->add_option("file", opts->Input, "Document to lay out")->required();
    cmd->add_flag("--rows", opts->Rows, "List every row of every page: text, x, baseline, width, height");
    cmd->add_flag("--json", opts->Json, "Write the result as one JSON object");
    cmd->add_option("--dpi", opts->Dpi, "Device resolution in pixels per inch (default 96)");
    cmd->callback([opts] { gVyxExitCode = RunLayout(*opts); });
}
