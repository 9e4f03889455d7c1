// VYXEditorTest.cpp: the editor facade driven as a host drives it, on the Linux device with real fonts.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "device/VYXGDILinux.h"
#include "editing/VYXEditor.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "layout/VYXPaginate.h"
#include "model/VYXDocSection.h"
#include "model/VYXNotes.h"
#include "model/VYXUtils.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXPaperSize.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

namespace {
// A host: the device, the options and the editor, with a Letter printer.
struct THost {
    TVYXErrorManager Errors;
    TVYXGDILinux GDI{96};
    TVYXSysOptions Options;
    std::unique_ptr<TVYXEditor> Editor;

    explicit THost(TVYXPaperSizeHook paper = [] { return TVYXPaperMm{215.9, 279.4}; })
    {
        GDI.SetSize(900, 700);
        Editor = std::make_unique<TVYXEditor>(&Errors, GDI, Options, TVYXArea(0, 0, 899, 699), nullptr, paper);
    }
    TVYXEditor& E() { return *Editor; }
    void Type(std::u16string_view text)
    {
        for (char16_t c : text) {
            if (c == u'\n')
                E().KeyDown(vykReturn, vyssNone);
            else
                E().KeyPress(c);
        }
    }
    std::string Text() { return Utf16ToUtf8(E().MainDoc().GetPlainText()); }
};
}  // namespace

TEST(EditorFacade, CreationGivesOneEmptyFocusedParagraphOnThePrintersPaper)
{
    THost host;
    TVYXEditor& e = host.E();
    EXPECT_EQ(e.MainDoc().Paras().Count(), 1);
    EXPECT_EQ(&e.FocusDoc(), &e.MainDoc());
    EXPECT_TRUE(e.GetCaretPos().Para != nullptr);
    ASSERT_EQ(e.Paginator().Pages().Count(), 1);
    EXPECT_NEAR(e.MainDoc().SEP().GetPageWidth(), 612, 0.1);  // Letter
    EXPECT_NEAR(e.MainDoc().SEP().GetPageHeight(), 792, 0.1);
    double x = 0, y = 0, h = 0;
    ASSERT_TRUE(e.GetCaretXY(x, y, h));
    EXPECT_GT(h, 10);
    EXPECT_GT(y, TVYXEditor::cPageGap);  // below the page's top margin
}

TEST(EditorFacade, PaperSizeFollowsLocaleThenPapersizeFileElseA4)
{
    struct TCase {
        const char* Locale;
        const char* File;
        double Width;
    } const cases[] = {
        {"en_US.UTF-8", "a4\n", 215.9},        // the user's locale wins
        {"de_DE.UTF-8", "letter\n", 210},
        {"fr_CA@euro", "", 215.9},
        {"", "# comment\n\nletter\n", 215.9},  // the system file when no locale says
        {"C", "legal", 215.9},
        {"", "", 210},                          // nothing known: A4
        {"", "quarto\n", 210},                  // unknown name: A4
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Locale) + " / " + c.File);
        EXPECT_NEAR(VYXPaperSizeFromSettings(c.Locale, c.File).WidthMm, c.Width, 0.01);
    }
    TVYXPaperSizeMm legal;
    ASSERT_TRUE(VYXPaperSizeByName(" Legal ", legal));
    EXPECT_NEAR(legal.HeightMm, 355.6, 0.01);
}

TEST(EditorFacade, TypingEnterAndUndoEverythingGivesTheEmptyDocumentBack)
{
    THost host;
    TVYXEditor& e = host.E();
    const std::string original = host.Text();
    host.Type(u"Hello world\nSecond line");
    EXPECT_EQ(host.Text(), "Hello world\r\nSecond line");
    EXPECT_EQ(e.MainDoc().Paras().Count(), 2);
    e.CommandUI(vycSelectAll);
    e.CommandUI(vycFormatBold);
    double bold = 0;
    ASSERT_TRUE(e.CmdFormatValue(vycFormatBold, bold));
    EXPECT_EQ(bold, 1);
    for (int guard = 0; guard < 50 && !e.Undo().Empty(); ++guard)
        e.CommandUI(vycControlUndo);
    EXPECT_EQ(host.Text(), original);
}

TEST(EditorFacade, SurrogatePairsTypedAsTwoKeyPressesInsertOneCharacter)
{
    THost host;
    host.E().KeyPress(0xD83D);
    EXPECT_EQ(host.Text(), "");  // the high half waits for its pair
    host.E().KeyPress(0xDE00);
    host.E().KeyPress(0xDE00);   // a lone low half is dropped
    EXPECT_EQ(host.Text(), "\xF0\x9F\x98\x80");
}

TEST(EditorFacade, NestedCommandUIRepaintsOnceWhenTheOutermostEnds)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"one two three");
    int nested = 0;
    e.FExtCmdEvent = [&](TVYXEditor& sender, TVYXCommand cmd, bool&) {
        if (cmd != vycExternalDocStruct)
            return;
        const int before = sender.RepaintCount();
        sender.CommandUI(vycMoveBeginningOfDoc);
        sender.CommandUI(vycSelectWordRight);
        sender.CommandUI(vycFormatItalic);
        nested = sender.RepaintCount() - before;
    };
    const int before = e.RepaintCount();
    e.CommandUI(vycExternalDocStruct);
    EXPECT_EQ(nested, 0);                      // nothing painted inside the handler
    EXPECT_EQ(e.RepaintCount() - before, 1);   // one paint at the end
    EXPECT_EQ(e.ActiveCommandCount(), 0);
    double italic = 0;
    EXPECT_TRUE(e.CmdFormatValue(vycFormatItalic, italic));
    EXPECT_EQ(italic, 1);
}

TEST(EditorFacade, FootnoteInsertionLeavesTheCaretAtTheEndOfTheNotesFirstRow)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"Body text");
    ASSERT_TRUE(e.CommandUI(vycInsertFootnote));
    ASSERT_EQ(&e.FocusDoc(), &e.MainDoc().Footnotes());
    EXPECT_EQ(e.PendingCommand(), vycNone);  // the queued end-of-line ran
    const TVYXLogPos& caret = e.GetCaretPos();
    ASSERT_TRUE(caret.Para);
    EXPECT_EQ(caret.Para, e.MainDoc().FootnoteList().Last()->StartPara);
    EXPECT_EQ(caret.CharPos, caret.EndOfParaPos());
    host.Type(u"note text");
    EXPECT_NE(Utf16ToUtf8(e.MainDoc().Footnotes().GetPlainText()).find("note text"), std::string::npos);
    EXPECT_EQ(host.Text().find("note text"), std::string::npos);
}

TEST(EditorFacade, MacroRecordedWithCtrlShiftRReplaysWithCtrlShiftP)
{
    THost host;
    TVYXEditor& e = host.E();
    EXPECT_TRUE(e.KeyDown(VYXCharKey('R'), vyssCtrl | vyssShift));
    EXPECT_TRUE(e.Macro().Recording());
    host.Type(u"ab\n");
    e.KeyDown(VYXCharKey('R'), vyssCtrl | vyssShift);
    EXPECT_FALSE(e.Macro().Recording());
    EXPECT_EQ(e.Macro().Count(), 3);  // two characters and the new paragraph
    e.KeyDown(VYXCharKey('P'), vyssCtrl | vyssShift);
    EXPECT_EQ(host.Text(), "ab\r\nab\r\n");
}

TEST(EditorFacade, MacroStopsRecordingAtItsLimit)
{
    TVYXMacro macro;
    EXPECT_EQ(macro.MaxSize(), 32767);
    macro.SetMaxSize(3);
    macro.AddChar(u'x');  // not recording: ignored
    EXPECT_EQ(macro.Count(), 0);
    macro.SetRecording(true);
    for (int i = 0; i < 3; ++i)
        macro.AddChar(u'a');
    EXPECT_EQ(macro.Count(), 3);
    macro.AddCommand(vycFormatBold);  // the fourth: emptied, stopped
    EXPECT_EQ(macro.Count(), 0);
    EXPECT_FALSE(macro.Recording());
}

TEST(EditorFacade, F3AsksTheHostForSearchTextThenFindsAndReportsNotFound)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"alpha beta alpha");
    std::vector<TVYXCommand> asked;
    e.FExtCmdEvent = [&](TVYXEditor&, TVYXCommand cmd, bool&) { asked.push_back(cmd); };
    EXPECT_TRUE(e.KeyDown(VYXFunctionKey(3), vyssNone));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], vycExternalFind);
    e.FocusDoc().BeginFind(u"beta", u"", 0);
    asked.clear();
    e.KeyDown(VYXFunctionKey(3), vyssNone);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Utf16ToUtf8(e.GetSelections().GetPlainText()), "beta");
    e.KeyDown(VYXFunctionKey(3), vyssNone);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], vycExternalFindNotFound);
}

TEST(EditorFacade, SaveAndRestoreGDIRaiseOnMisuseAndRelayout)
{
    THost host;
    TVYXEditor& e = host.E();
    EXPECT_THROW(
        try { e.RestoreGDI(); } catch (const VYXException& ex) {
            EXPECT_STREQ(ex.what(), "Temp GDI is Nil");
            throw;
        },
        VYXException);
    TVYXGDILinux printer(300);
    e.SaveGDI(printer);
    EXPECT_EQ(&e.GDI(), &printer);
    EXPECT_THROW(
        try { e.SaveGDI(printer); } catch (const VYXException& ex) {
            EXPECT_STREQ(ex.what(), "Temp GDI is not Nil");
            throw;
        },
        VYXException);
    e.PaginateAll();
    EXPECT_NEAR(e.Paginator().Pages().GetItems(0).PageWidth, 8.5 * 300, 1);
    e.RestoreGDI();
    e.UpdateUI();
    EXPECT_NEAR(e.Paginator().Pages().GetItems(0).PageWidth, 8.5 * 96, 1);
}

TEST(EditorFacade, MouseClickPlacesTheCaretAndDragSelects)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"Hello world, this is a line of text.");
    // Where the caret stands before "world" is where a click there lands.
    e.CommandUI(vycMoveBeginningOfLine);
    for (int i = 0; i < 6; ++i)
        e.CommandUI(vycMoveCharRight);
    double x = 0, y = 0, h = 0;
    ASSERT_TRUE(e.GetCaretXY(x, y, h));
    e.CommandUI(vycMoveEndOfDoc);
    e.MouseCommand(vycMouseDown, vymsLeft, x + 1, y + h / 2);
    e.MouseCommand(vycMouseUp, vymsLeft, x + 1, y + h / 2);
    EXPECT_EQ(e.GetCaretPos().CharPos, 7);
    // Drag to the end of "world".
    e.CommandUI(vycMoveWordRight);
    double x2 = 0, y2 = 0, h2 = 0;
    e.CommandUI(vycMoveCharLeft);
    e.CommandUI(vycMoveCharLeft);
    ASSERT_TRUE(e.GetCaretXY(x2, y2, h2));
    e.MouseCommand(vycMouseDown, vymsLeft, x + 1, y + h / 2);
    e.MouseCommand(vycMouseMove, vymsLeft, x2 + 1, y2 + h2 / 2);
    e.MouseCommand(vycMouseUp, vymsLeft, x2 + 1, y2 + h2 / 2);
    EXPECT_EQ(Utf16ToUtf8(e.GetSelections().GetPlainText()), "world");
    // A double click takes the word.
    e.MouseCommand(vycMouseDown, vymsLeft | vymsDouble, x + 3, y + h / 2);
    e.MouseCommand(vycMouseUp, vymsLeft, x + 3, y + h / 2);
    EXPECT_NE(Utf16ToUtf8(e.GetSelections().GetPlainText()).find("world"), std::string::npos);
}

TEST(EditorFacade, LineDownKeepsTheColumnAcrossRows)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"abcdefghij\nabcdefghij\nab\nabcdefghij");
    e.CommandUI(vycMoveBeginningOfDoc);
    for (int i = 0; i < 8; ++i)
        e.CommandUI(vycMoveCharRight);
    e.CommandUI(vycMoveLineDown);
    EXPECT_EQ(e.GetCaretPos().CharPos, 9);
    e.CommandUI(vycMoveLineDown);  // a short row: its end
    EXPECT_EQ(e.GetCaretPos().CharPos, 3);
    e.CommandUI(vycMoveLineDown);  // the remembered column comes back
    EXPECT_EQ(e.GetCaretPos().CharPos, 9);
    e.CommandUI(vycMoveLineUp);
    e.CommandUI(vycMoveLineUp);
    EXPECT_EQ(e.GetCaretPos().CharPos, 9);
}

TEST(EditorFacade, HeaderEditingAndClickingBackIntoTheBody)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"Body");
    e.CommandUI(vycControlEditHeader);
    ASSERT_NE(&e.FocusDoc(), &e.MainDoc());
    host.Type(u"Head");
    EXPECT_EQ(Utf16ToUtf8(e.FocusDoc().GetPlainText()), "Head");
    // Click into the body text: the main document takes the focus.
    e.MouseCommand(vycMouseDown, vymsLeft, e.PageScreenLeft() + 100, e.PageScreenTop(0) + 130);
    e.MouseCommand(vycMouseUp, vymsLeft, e.PageScreenLeft() + 100, e.PageScreenTop(0) + 130);
    EXPECT_EQ(&e.FocusDoc(), &e.MainDoc());
    // And back into the header band.
    e.MouseCommand(vycMouseDown, vymsLeft, e.PageScreenLeft() + 100, e.PageScreenTop(0) + 40);
    EXPECT_EQ(e.FocusDoc().DocType(), aldtHeader);
    EXPECT_EQ(host.Text(), "Body");
}

TEST(EditorFacade, CommandListenersAndDumps)
{
    THost host;
    TVYXEditor& e = host.E();
    int calls = 0;
    e.AddCmdListener([&](TVYXEditor&, TVYXCommand cmd, bool&) {
        EXPECT_EQ(cmd, vycFormat);
        ++calls;
    });
    host.Type(u"xy");
    EXPECT_EQ(calls, 2);
    e.ClearCmdListener();
    host.Type(u"z");
    EXPECT_EQ(calls, 2);
    TVYXStringList lines;
    e.DEBUG_DumpPara(lines);
    e.DEBUG_DumpPages(lines);
    e.DEBUG_DumpSEPs(lines);
    ASSERT_GE(lines.Count(), 3);
    EXPECT_EQ(lines.Strings(0), "para \"xyz\" caret=4");
}
