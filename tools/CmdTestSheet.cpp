// CmdTestSheet.cpp: `vyx testsheet`, the test sheet drawn by the Linux device so that a person can judge its output.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>
#include <vector>

#include "device/VYXGDILinux.h"
#include "layout/VYXTestSheet.h"
#include "platform/VYXUnicode.h"
#include "tools/VyxCommands.h"
#include "tools/VyxOutput.h"

void AddTestSheetCommand(CLI::App& app)
{
    auto* cmd = app.add_subcommand("testsheet", "Draw a test sheet of the drawing device to a PNG file");
    static std::string output;
    static std::string picture;
    static int dpi = 96;
    static bool listFonts = false;
    cmd->add_option("output", output, "PNG file to write")->required();
    cmd->add_option("--picture", picture, "A picture file to draw instead of the generated one");
    cmd->add_option("--dpi", dpi, "Resolution in pixels per inch (text and shapes scale, the page layout does not)")->check(CLI::Range(24, 600));
    cmd->add_flag("--fonts", listFonts, "List how the common font families are substituted");
    cmd->callback([] {
        if (listFonts)
            std::fputs(VYXFontSubstitutionListing().c_str(), stdout);
        std::vector<std::string> inputs;
        if (!picture.empty())
            inputs.push_back(picture);
        TVyxOutputFile out(output, inputs);
        TVYXGDILinux gdi(dpi);
        gdi.SetSize(gdi.PtToPixX(612), gdi.PtToPixY(792));  // US Letter
        TVYXTestSheetOptions options;
        options.PictureFile = picture;
        options.FontMatchEvent = [&gdi] { return Utf8ToUtf16(gdi.CurrentFontMatch().Family); };
        VYXDrawTestSheet(gdi, options);
        out.Write([&gdi](const std::string& temp) { gdi.SavePNG(temp); });
        out.Commit();
        gVyxExitCode = vyxOk;
    });
}
