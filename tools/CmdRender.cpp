// CmdRender.cpp: `vyx render FILE --out DIR [--dpi N] [--pages A-B] [--format png|svg] [--screen]`, page images.
//
// Print mode (the default) paints every chosen page as the printer would see it (no
// desk, no selection, no screen marks) into DIR/page-001.png, page-002.png, ...
// --screen paints what the editor shows in its first screenful instead (the grey desk,
// the gaps between pages, the caret and the selection) into DIR/screen.png.
//
// Nothing partial is left behind: every image is written to a temporary name beside
// its target and all are renamed only after the last one was written. PNG images are
// encoded for speed (TVYXPngPages): page images are large and mostly white, and the
// time goes into compressing them otherwise. SVG images (page-001.svg, screen.svg) come from the same
// device drawing into an SVG document instead of its bitmap, one pixel a user unit:
// text as glyph outlines, pictures embedded.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "device/VYXGDILinux.h"
#include "device/VYXPngPages.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXFieldUpdate.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPaintDoc.h"
#include "layout/VYXPhyPage.h"
#include "model/VYXGraphicTypes.h"
#include "platform/VYXException.h"
#include "tools/VyxCommands.h"
#include "tools/VyxDocuments.h"
#include "tools/VyxOutput.h"

namespace {

struct TRenderOptions {
    std::string Input;
    std::string Out;
    std::string Pages;
    std::string Format = "png";
    int Dpi = 96;
    bool Screen = false;
};

void WriteFileBytes(const std::string& path, const std::string& bytes, const char* kind)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw VYXException(std::string("Cannot write ") + kind);
}

// "3", "2-5", "4-" or "-2" (1-based, inclusive) clamped to the document; false when malformed.
bool ParsePages(const std::string& text, int count, int& first, int& last)
{
    first = 1;
    last = count;
    if (text.empty())
        return true;
    const std::size_t dash = text.find('-');
    const auto number = [](const std::string& s, int& v) {
        if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos)
            return false;
        v = std::stoi(s);
        return v >= 1;
    };
    if (dash == std::string::npos) {
        if (!number(text, first))
            return false;
        last = first;
    } else {
        const std::string a = text.substr(0, dash), b = text.substr(dash + 1);
        if ((!a.empty() && !number(a, first)) || (!b.empty() && !number(b, last)) || (a.empty() && b.empty()))
            return false;
    }
    last = std::min(last, count);
    return first <= last;
}

int RunRender(const TRenderOptions& o)
{
    if (o.Dpi < 10 || o.Dpi > 1200) {
        std::fprintf(stderr, "vyx render: the resolution must lie between 10 and 1200 dpi\n");
        return vyxUsage;
    }
    if (o.Format != "png" && o.Format != "svg") {
        std::fprintf(stderr, "vyx render: unknown image format \"%s\" (png, svg)\n", o.Format.c_str());
        return vyxUsage;
    }
    struct stat st {};
    if (o.Out.empty() || stat(o.Out.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "vyx render: the output folder does not exist: %s\n", o.Out.c_str());
        return vyxUsage;
    }
    TVYXLogDocEditor doc;
    TVyxFileOptions fo;
    VyxLoadDocument(o.Input, doc, fo);
    TVYXGDILinux gdi(o.Dpi);
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Now = VYXLocalNow();
    layout.Paginate();
    const int count = layout.Pages().Count();
    int first = 1, last = count;
    if (!ParsePages(o.Pages, count, first, last)) {
        std::fprintf(stderr, "vyx render: no such pages: %s (the document has %d)\n", o.Pages.c_str(), count);
        return vyxUsage;
    }
    TVYXPaintDoc paint(gdi, doc, layout);
    const std::string dir = o.Out.back() == '/' ? o.Out : o.Out + "/";
    std::vector<std::unique_ptr<TVyxOutputFile>> files;
    const bool svg = o.Format == "svg";
    TVYXPngPages png;
    // Starts an image of the size: the bitmap, or an SVG document over it.
    const auto begin = [&](int w, int h, TVYXColor background) {
        if (svg)
            gdi.BeginSVG(w, h);
        else
            gdi.SetSize(w, h);
        gdi.Clear(background);
    };
    const auto save = [&](const std::string& stem) {
        auto file = std::make_unique<TVyxOutputFile>(dir + stem + "." + o.Format, std::vector<std::string>{o.Input});
        const std::string bytes = svg ? gdi.EndSVG() : png.Encode(*gdi.GetBitmap());
        file->Write([&bytes, svg](const std::string& temp) { WriteFileBytes(temp, bytes, svg ? "SVG" : "PNG"); });
        files.push_back(std::move(file));
    };
    if (o.Screen) {
        // One screenful: a window as wide as the widest page with its gaps (at least
        // 1024 pixels at 96 dpi), 768 pixels high at 96 dpi.
        const double scale = o.Dpi / 96.0;
        // A document just opened shows the caret at its start.
        if (doc.Caret().Para)
            doc.Caret().MoveBeginningOfDoc();
        paint.Options.Printing = false;
        paint.Options.ShowFieldShading = true;
        paint.Options.ShowHiddenTableLines = true;
        paint.FArea.SetBounds(0, 0, std::round(1024 * scale), std::round(768 * scale));
        paint.CalcPagesScroll();
        const int w = static_cast<int>(std::max(paint.DeskWidth(), std::round(1024 * scale)));
        const int h = static_cast<int>(std::round(768 * scale));
        paint.FArea.SetBounds(0, 0, w, h);
        paint.CalcPagesScroll();
        paint.FScrArea.SetBounds(0, 0, w, h);
        begin(w, h, 0xAFAFAF);
        paint.PaintDoc();
        save("screen");
    } else {
        paint.Options.Printing = true;
        paint.Options.ShowMarkers = false;
        paint.Options.ShowMisspelled = false;
        for (int i = first - 1; i < last; ++i) {
            const TVYXPhyPage& page = layout.Pages().GetItems(i);
            begin(std::max(1, static_cast<int>(std::ceil(page.PageWidth))),
                  std::max(1, static_cast<int>(std::ceil(page.PageHeight))), 0xFFFFFF);
            paint.PaintPage(i, 0, 0);
            char name[32];
            std::snprintf(name, sizeof name, "page-%03d", i + 1);
            save(name);
        }
    }
    for (auto& f : files)
        f->Commit();
    return vyxOk;
}

}  // namespace

void AddRenderCommand(CLI::App& app)
{
    auto opts = std::make_shared<TRenderOptions>();
    auto* cmd = app.add_subcommand("render", "Paint the pages of a document into images (formats by extension, as for convert)");
    cmd->add_option("file", opts->Input, "Document to render")->required();
    cmd->add_option("--out", opts->Out, "Existing folder for the images (page-001.png, ... or screen.png; .svg with --format svg)")->required();
    cmd->add_option("--dpi", opts->Dpi, "Resolution in pixels per inch (default 96)");
    cmd->add_option("--pages", opts->Pages, "Pages to render: N, A-B, A- or -B (1-based; default all)");
    cmd->add_option("--format", opts->Format, "Image format: png (default) or svg (vector: glyph outlines, embedded pictures)");
    cmd->add_flag("--screen", opts->Screen, "Paint the editor's first screenful (desk, page gaps, caret, selection) to screen.png (or .svg)");
    cmd->callback([opts] { gVyxExitCode = RunRender(*opts); });
}
