// VYXSessionTest.cpp: scripted sessions on the headless host, as a user works: keys, mouse, commands, files.
#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "editing/VYXEditor.h"
#include "editing/VYXLogEditor.h"
#include "host/VYXHeadlessHost.h"
#include "host/VYXSession.h"
#include "layout/VYXPaginate.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "platform/VYXUnicode.h"

namespace fs = std::filesystem;

namespace {
fs::path Corpus(const std::string& rel) { return fs::path(VYX_SHARED_DIR) / "corpus" / rel; }

// Plays `script` and reports the failing line and message as the test's failure.
TVYXSessionResult Play(TVYXHeadlessHost& host, const std::string& script)
{
    TVYXSession session(host, fs::temp_directory_path().string());
    TVYXSessionResult r = session.Play(script);
    EXPECT_TRUE(r.Ok) << "line " << r.Line << ": " << r.Message;
    return r;
}

TVYXSessionResult PlayExpectingFailure(const std::string& script)
{
    TVYXHeadlessHost host;
    TVYXSession session(host);
    return session.Play(script);
}
}  // namespace

TEST(Session, ScriptErrorsAndFailedAssertionsNameTheirLine)
{
    struct TCase {
        std::string Script;
        int Line;
        std::string Message;  // a part of it
    } const cases[] = {
        {"text \"ab\"\n# comment\n\nassert text \"abc\"\n", 4, "the text is \"ab\", expected \"abc\""},
        {"frobnicate\n", 1, "unknown statement"},
        {"key Hyper+A\n", 1, "unknown key modifier"},
        {"key Ctrl+Nothing\n", 1, "unknown key"},
        {"text \"open\n", 1, "not closed"},
        {"text \"\\q\"\n", 1, "unknown escape"},
        {"command vycNoSuchThing\n", 1, "unknown command"},
        {"click 10\n", 1, "needs a point"},
        {"click @9:1\n", 1, "no paragraph 9"},
        {"text \"x\"\nassert caret 1 1\n", 2, "the caret is at 1:2, expected 1:1"},
        {"assert focus header\n", 1, "the focus is in main"},
        {"assert asked vycExternalFind\n", 1, "was not asked"},
        {"open missing-file.xyz\n", 1, "Do not know how to read file type \".XYZ\""},
        {"assert pages 2 # one page only\n", 1, "1 pages, expected 2"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Script);
        const TVYXSessionResult r = PlayExpectingFailure(c.Script);
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(r.Line, c.Line);
        EXPECT_NE(r.Message.find(c.Message), std::string::npos) << r.Message;
    }
}

TEST(Session, TypeSelectWithTheMouseFormatAndUndoEverything)
{
    TVYXHeadlessHost host;
    const TVYXSessionResult r = Play(host, R"(
text "The quick brown fox\nJumps over the lazy dog"
assert text "The quick brown fox\nJumps over the lazy dog"
assert caret 2 24
# select "quick" with the mouse and make it bold
drag @1:5 @1:10
assert selection "quick"
key Ctrl+B
assert format vycFormatBold 1
# a double click takes a word, Ctrl+I makes it italic
click @2:3 double
assert selection "Jumps"
key Ctrl+I
assert format vycFormatItalic 1
# Shift+click extends from the caret
click @1:1
click @1:4 shift
assert selection "The"
key Delete
assert para " quick brown fox"
undo-all
assert text ""
assert undo 0
)");
    EXPECT_GE(r.Assertions, 10);
}

TEST(Session, TableCellsHeaderAndFootnoteThenUndoGivesTheOriginalFile)
{
    const fs::path file = Corpus("docx/docxjs-header-footer.docx");
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXHeadlessHost host;
    const TVYXSessionResult r = Play(host, "open " + file.string() + R"(
command vycMoveEndOfDoc
text "\nTable:"
command vycInsertTableAtCaret 3 2
assert focus main
text "a1"
key Tab
text "b1"
key Tab
text "c1"
key Tab
text "a2"
assert para "a2"
# back into the body, then into the header band at the page's top
click @1:1
assert focus main
click 300 40
assert focus header
text "HEAD "
undo-all
assert original
)");
    EXPECT_GE(r.Statements, 20);
    EXPECT_EQ(host.Editor().FocusDoc().DocType(), aldtMain);
}

TEST(Session, FootnoteLeavesTheCaretInTheNoteAndClicksLeaveIt)
{
    TVYXHeadlessHost host;
    Play(host, R"(
text "Body text"
command vycInsertFootnote
assert focus footnotes
text " the note"
assert contains " the note"
click @1:3
assert focus main
assert text "Body text"
)");
}

TEST(Session, UnquotedTextAndOtherSpellings)
{
    TVYXHeadlessHost host;
    Play(host, R"(
type Hello world   # a comment after the text
press shift+home
cmd FormatBold
assert selection Hello world
press End
mousedown @1:1
mouseup @1:1
assert caret 1 1
press del
press bksp
assert text ello world
)");
}

TEST(Session, MacroRecordedAndPlayedWithTheKeys)
{
    TVYXHeadlessHost host;
    Play(host, R"(
key Ctrl+Shift+R
text "ab"
key Enter
key Ctrl+Shift+R
key Ctrl+Shift+P
key Ctrl+Shift+P
assert text "ab\nab\nab\n"
)");
}

TEST(Session, FindNextAsksTheHostWithoutSearchText)
{
    TVYXHeadlessHost host;
    Play(host, R"(
text "one two one"
key F3
assert asked vycExternalFind
find "one"
command vycMoveBeginningOfDoc
key F3
assert selection "one"
key F3
assert selection "one"
assert caret 1 12
key F3
assert asked vycExternalFindNotFound
)");
}

TEST(Session, PastingRtfAndSnapshots)
{
    TVYXHeadlessHost host;
    const fs::path png = fs::temp_directory_path() / (std::string("vyx-session-snapshot-") + std::to_string(::getpid()) + ".png");
    fs::remove(png);
    Play(host, R"(
text "Start "
paste-rtf "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 one\\par two\\par three}"
assert text "Start one\ntwo\nthree"
snapshot )" + png.string() + R"(
command vycControlUndo
assert text "Start "
)");
    ASSERT_TRUE(fs::exists(png));
    EXPECT_GT(fs::file_size(png), 1000u);
}

TEST(Session, CtrlClickOnAnInternalLinkMovesToItsBookmark)
{
    const fs::path file = Corpus("docx/docx4j-hyperlinks-internal.docx");
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXHeadlessHost host;
    TVYXEditor& e = host.Editor();
    e.LoadFromFile(file.string());
    // The first character of the body that shows a link to a bookmark.
    TVYXLogPos at;
    const TVYXHyperlink* link = nullptr;
    for (TVYXLogPara* p = e.MainDoc().FirstPara(); p && !link; p = p->Next())
        for (std::int32_t c = 1; c < p->EndOfParaPos() && !link; ++c) {
            TVYXLogPos pos(p, c);
            const TVYXHyperlink* l = pos.GetHyperlink();
            if (l && l->Type == ahtBookmark && pos.GetCharRun() && pos.GetCharRun()->GetEndPos() > c + 1) {
                link = l;
                at = TVYXLogPos(p, c + 1);
            }
        }
    ASSERT_TRUE(link) << "the file has no internal link";
    e.CommandUI(vycMovePos, at);
    host.ScrollToCaret();
    double x = 0, y = 0;
    ASSERT_TRUE(host.PointOf(at, x, y));
    host.Click(x + 1, y, vymsLeft | vymsCtrl);
    // The caret went to the bookmark: away from the link's paragraph or character.
    EXPECT_FALSE(e.GetCaretPos().Para == at.Para && e.GetCaretPos().CharPos == at.CharPos)
        << Utf16ToUtf8(link->Address);
    EXPECT_TRUE(host.Hyperlinks.empty());  // internal links are not the host's
}

TEST(Session, ClicksOnEndnoteRowsNeverPutTheBodyCaretIntoTheNotes)
{
    // Endnotes are laid out after the body on the same page: a click there must not
    // leave the body's caret in a paragraph of the notes (typing would then fail).
    TVYXHeadlessHost host(320, 240, 48);
    Play(host, R"(
text "Body"
command InsertEndnote
text "the endnote"
click @1:1
command ControlZoom 25
click 50 30
click 60 45
click 100 60
text "x"
)");
    EXPECT_NE(Utf16ToUtf8(host.Editor().MainDoc().GetPlainText()).find('x'), std::string::npos);
}
