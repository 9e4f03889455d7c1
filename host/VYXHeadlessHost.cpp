// VYXHeadlessHost.cpp: the windowless host of the editor facade.
#include "host/VYXHeadlessHost.h"

#include <algorithm>

#include "device/VYXGDILinux.h"
#include "editing/VYXEditorFiles.h"
#include "editing/VYXLogEditor.h"
#include "model/VYXFields.h"
#include "model/VYXUtils.h"
#include "platform/VYXClipboard.h"
#include "platform/VYXErrors.h"

namespace {
// Keys that type a character when the key table has no command for them.
char16_t KeyChar(TVYXKey key, TVYXShiftState shift)
{
    if (shift & (vyssCtrl | vyssAlt))
        return 0;
    if (key >= 'A' && key <= 'Z')
        return static_cast<char16_t>((shift & vyssShift) ? key : key - 'A' + 'a');
    if ((key >= '0' && key <= '9') || key == vykSpace)
        return static_cast<char16_t>(key);
    return 0;
}
}  // namespace

TVYXHeadlessHost::TVYXHeadlessHost(int width, int height, int dpi, TVYXPaperSizeHook paper)
    : FWidth(std::max(width, 16)), FHeight(std::max(height, 16)), FErrors(std::make_unique<TVYXErrorManager>()),
      FOptions(std::make_unique<TVYXSysOptions>()), FGDI(std::make_unique<TVYXGDILinux>(dpi)),
      FClipboard(std::make_unique<TVYXClipboard>())
{
    if (!paper)
        paper = [] { return TVYXPaperMm{210, 297}; };
    FGDI->SetSize(FWidth, FHeight);
    FGDI->Clear(0xE0E0E0);
    FEditor = std::make_unique<TVYXEditor>(FErrors.get(), *FGDI, *FOptions, TVYXArea(0, 0, FWidth - 1, FHeight - 1),
                                           nullptr, std::move(paper));
    VYXAttachFormats(*FEditor);
    FEditor->SetClipboard(FClipboard.get());
    FEditor->FExtCmdEvent = [this](TVYXEditor& sender, TVYXCommand cmd, bool& handled) {
        ExternalCommands.push_back(cmd);
        if (cmd == vycExternalSpellCheckWords) {
            const TVYXSelections& sel = sender.GetSelections();
            MisspelledWords.push_back(sel.GetPlainText());
            handled = ContinueSpellCheck;
        }
    };
    FEditor->FHLinkEvent = [this](TVYXEditor&, const TVYXHyperlink& link) { Hyperlinks.push_back(link.Address); };
    FEditor->FCaretEvent = [this](TVYXEditor&, double x, double y, double h) {
        CaretX = x;
        CaretY = y;
        CaretHeight = h;
        ++CaretEvents;
    };
    // The screen is repainted from scratch: clear it before the facade paints pages.
    FEditor->FPaintScreenEvent = nullptr;
}

TVYXHeadlessHost::~TVYXHeadlessHost()
{
    // The editor borrows everything else: it goes first.
    FEditor.reset();
}

void TVYXHeadlessHost::Key(TVYXKey key, TVYXShiftState shift)
{
    if (FEditor->KeyDown(key, shift))
        return;
    if (const char16_t c = KeyChar(key, shift))
        FEditor->KeyPress(c);
}

void TVYXHeadlessHost::Type(std::u16string_view text)
{
    for (char16_t c : text) {
        if (c == u'\n')
            FEditor->KeyDown(vykReturn, vyssNone);
        else if (c == u'\t')
            FEditor->KeyDown(vykTab, vyssNone);
        else if (c != u'\r')
            FEditor->KeyPress(c);
    }
}

void TVYXHeadlessHost::MouseDown(double x, double y, TVYXMouseShift shift)
{
    FEditor->MouseCommand(vycMouseDown, shift, x, y);
}

void TVYXHeadlessHost::MouseMove(double x, double y, TVYXMouseShift shift)
{
    FEditor->MouseCommand(vycMouseMove, shift, x, y);
}

void TVYXHeadlessHost::MouseUp(double x, double y, TVYXMouseShift shift)
{
    FEditor->MouseCommand(vycMouseUp, shift, x, y);
}

void TVYXHeadlessHost::Click(double x, double y, TVYXMouseShift shift)
{
    MouseDown(x, y, shift);
    MouseUp(x, y, shift);
}

bool TVYXHeadlessHost::PointOf(const TVYXLogPos& pos, double& x, double& y) const
{
    int page = 0;
    double h = 0;
    const bool ok = FEditor->PosToXY(pos, page, x, y, h);
    y += h / 2;
    return ok;
}

void TVYXHeadlessHost::ScrollToCaret()
{
    double x = 0, y = 0, h = 0;
    if (!FEditor->GetCaretXY(x, y, h))
        return;
    if (y < 0 || y + h > FHeight)
        FEditor->SetScroll(FEditor->ScrollX(), std::max(0.0, FEditor->ScrollY() + y - FHeight / 3.0));
}

void TVYXHeadlessHost::Snapshot(const std::string& pngFile)
{
    FGDI->Clear(0xE0E0E0);
    FEditor->PaintPages(true);
    double x = 0, y = 0, h = 0;
    if (FEditor->GetCaretXY(x, y, h) && !FEditor->GetSelections().HasSelection()) {
        FGDI->SetPenColor(0x000000);
        FGDI->SetPenWidthF(1);
        FGDI->LineF(x, y, x, y + h);
    }
    FGDI->SavePNG(pngFile);
}
