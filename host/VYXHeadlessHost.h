// VYXHeadlessHost.h: a host without a window: it plays the visual control for the editor facade.
//
// The host owns what a control would own: a raster device the size of the screen
// area, the area itself, the options, the clipboard and the error manager, and the
// facade on top of them. It feeds the facade keys (platform-neutral key codes and
// modifiers), characters and mouse events in screen pixels, and answers the
// facade's events by recording them, so that tests and scripts can see what the
// user would have seen: the caret, the external commands the host was asked for,
// the hyperlinks followed. Snapshots paint the screen and write it as PNG.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editing/VYXEditor.h"

class TVYXGDILinux;
class TVYXClipboard;
class TVYXErrorManager;
class TVYXSysOptions;

class TVYXHeadlessHost {
public:
    // A screen of `width` x `height` pixels at `dpi`; new documents on A4 unless
    // `paper` says otherwise (the system's paper setting is not consulted, so runs
    // are the same on every machine).
    TVYXHeadlessHost(int width = 1000, int height = 800, int dpi = 96, TVYXPaperSizeHook paper = {});
    ~TVYXHeadlessHost();
    TVYXHeadlessHost(const TVYXHeadlessHost&) = delete;
    TVYXHeadlessHost& operator=(const TVYXHeadlessHost&) = delete;

    TVYXEditor& Editor() const { return *FEditor; }
    TVYXGDILinux& Device() const { return *FGDI; }
    TVYXClipboard& Clipboard() const { return *FClipboard; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // ---- Input ----
    // A key with modifiers: its command runs when the key table has one; a key without
    // one that stands for a character (letters, digits, space) is typed.
    void Key(TVYXKey key, TVYXShiftState shift);
    // Typed text: "\n" presses Enter, "\t" Tab; other characters arrive one by one as
    // KeyPress (surrogate pairs as their two halves).
    void Type(std::u16string_view text);
    void MouseDown(double x, double y, TVYXMouseShift shift = vymsLeft);
    void MouseMove(double x, double y, TVYXMouseShift shift = vymsLeft);
    void MouseUp(double x, double y, TVYXMouseShift shift = vymsLeft);
    void Click(double x, double y, TVYXMouseShift shift = vymsLeft);

    // The screen point of a position: the middle of its row's height at its x. False
    // when the paragraph has no laid-out row.
    bool PointOf(const TVYXLogPos& pos, double& x, double& y) const;
    // Scrolls so that the caret row is on screen.
    void ScrollToCaret();

    // ---- Output ----
    // Paints the visible pages, draws the caret and writes the screen as PNG.
    void Snapshot(const std::string& pngFile);

    // ---- What the host was told ----
    std::vector<TVYXCommand> ExternalCommands;  // in the order asked
    std::vector<std::u16string> Hyperlinks;     // addresses of followed URL links
    std::vector<std::u16string> MisspelledWords;  // reported by vycExternalSpellCheckWords
    double CaretX = 0, CaretY = 0, CaretHeight = 0;
    int CaretEvents = 0;
    // While false the host answers spell-check word reports with "stop".
    bool ContinueSpellCheck = false;

private:
    int FWidth, FHeight;
    std::unique_ptr<TVYXErrorManager> FErrors;
    std::unique_ptr<TVYXSysOptions> FOptions;
    std::unique_ptr<TVYXGDILinux> FGDI;
    std::unique_ptr<TVYXClipboard> FClipboard;
    std::unique_ptr<TVYXEditor> FEditor;
};
