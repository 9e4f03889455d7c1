// VYXSession.h: session scripts: a user's work with the editor, one event per line, played on a headless host.
//
// Grammar (one statement per line; blank lines and lines starting with "#" are
// skipped; a "#" after a blank starts a comment outside quotes):
//
//   key MODS+NAME            a key: Ctrl+Shift+R, Enter, Shift+Left, F3, Ctrl+B, PageDown
//   text "STRING"            typed characters ("\n" presses Enter, "\t" Tab); without
//                            quotes the rest of the line as written
//   down POINT [MODS]        mouse button down; up, move the same; click = down + up
//   drag POINT POINT [MODS]  down at the first point, moves, up at the second
//   command NAME [ARGS]      CommandUI: NAME with or without "vyc"; ARGS nothing, "STRING",
//                            an integer, a number with a dot, true/false, or two integers
//   find "STRING"            sets the search text of the focused document (for F3)
//   paste-rtf "RTF"          vycInsertRTFStreamAtCaret with the RTF text
//   open FILE / save FILE    load or save through the facade (relative to the script)
//   undo-all                 undo until the history is empty
//   snapshot FILE.png        paint the screen with the caret and write it
//   scroll Y                 scroll the screen to Y pixels
//   assert WHAT ...          stop with the line number when it does not hold:
//     text "S"               the focused document's text, paragraphs joined by "\n"
//     contains "S"           ... contains S
//     para "S"               the caret paragraph's text
//     caret P C              the caret's paragraph (1-based, reading order) and character
//     selection "S"          the selected text ("" when nothing is selected)
//     focus KIND             main, header, footer, footnotes, endnotes or textbox
//     pages N                the laid-out page count
//     format NAME VALUE      CmdFormatValue of a command (bold 1, font size 12, ...)
//     original               the main text equals the text right after the last open
//     asked NAME             the host was asked for this external command (then forgotten)
//     link "URL"             the last hyperlink followed
//     undo N                 the number of undo groups
//     floating N             the number of floating objects anchored in the body
//     graphic WHAT N         of the selected drawing object: angle (degrees), left, top,
//                            width, height (points), floating (1 or 0), anchor (its
//                            paragraph, 1-based in reading order); within half a unit
//
// POINT is "X Y" in screen pixels, or "@P:C" (the main document's paragraph P, 1-based
// in reading order with table cells' paragraphs counted, character C), or "@caret":
// the screen point of that position, or "@graphic" / "@rotate": the selected drawing
// object's centre / its rotation grip.
// MODS is a "+"-joined list of shift, ctrl, alt, double, triple, right.
// STRING escapes: \n \t \\ \" \uXXXX. Also understood: type (text), press (key),
// cmd (command), mousedown, mouseup, mousemove.
#pragma once

#include <string>
#include <string_view>

class TVYXHeadlessHost;

struct TVYXSessionResult {
    bool Ok = true;
    int Line = 0;           // 1-based line of the failure
    std::string Message;    // what failed
    int Statements = 0;     // statements played
    int Assertions = 0;     // assertions that held
};

class TVYXSession {
public:
    // `baseDir` resolves relative file names of open, save and snapshot.
    TVYXSession(TVYXHeadlessHost& host, std::string baseDir = {});
    // Plays every line; stops at the first failing line. Errors of the engine
    // (VYXException) and syntax errors fail the line like assertions do.
    TVYXSessionResult Play(std::string_view script);
    // One statement; raises std::runtime_error with the reason when it fails.
    void PlayLine(std::string_view line);
    // The text of the main document after the last open (for "assert original").
    const std::u16string& Original() const { return FOriginal; }
    // False refuses open, save and snapshot (a script from an untrusted source).
    bool AllowFiles = true;
    // Lines longer than this, or more statements than MaxStatements, fail the script.
    std::size_t MaxLineLength = 1 << 20;
    int MaxStatements = 1 << 20;

private:
    std::string Resolve(const std::string& name) const;
    TVYXHeadlessHost& FHost;
    std::string FBaseDir;
    std::u16string FOriginal;
    int FAssertions = 0;
};
