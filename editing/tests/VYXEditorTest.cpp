// VYXEditorTest.cpp: the editor facade driven as a host drives it, on the Linux device with real fonts.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "device/VYXGDILinux.h"
#include "editing/VYXEditor.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "layout/VYXHitAreas.h"
#include "layout/VYXPaginate.h"
#include "model/VYXDocSection.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXNotes.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
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

TEST(EditorFacade, SpellCheckingCommandsMarkReportAndClear)
{
    THost host;
    host.Options.SpellCheckerDictPath = std::string(VYX_SOURCE_DIR) + "/spell/tests/data/dict/";
    host.Options.SpellSelectedLanguage = "en_GB";
    host.Editor = std::make_unique<TVYXEditor>(&host.Errors, host.GDI, host.Options, TVYXArea(0, 0, 899, 699));
    TVYXEditor& e = host.E();
    host.Type(u"Hello wrold the brwn fox");
    auto misspelled = [&] {
        std::string words;
        const TVYXCharRuns& runs = e.MainDoc().FirstPara()->CharRuns();
        for (int i = 0; i < runs.Count(); ++i)
            if (runs.Items(i)->CHPX() && runs.Items(i)->CHPX()->GetMisspelled())
                words += Utf16ToUtf8(runs.Items(i)->GetText()) + "|";
        return words;
    };
    EXPECT_TRUE(e.CommandUI(vycControlSpellSheckAll));
    EXPECT_EQ(misspelled(), "wrold|brwn|");
    e.CommandUI(vycControlSpellSheckClear);
    EXPECT_EQ(misspelled(), "");
    // Word by word: the host sees each wrong word selected and may stop.
    std::vector<std::string> reported;
    e.FExtCmdEvent = [&](TVYXEditor& sender, TVYXCommand cmd, bool& go) {
        if (cmd == vycExternalSpellCheckWords)
            reported.push_back(Utf16ToUtf8(sender.GetSelections().GetPlainText()));
        go = true;
    };
    e.CommandUI(vycMoveBeginningOfDoc);
    e.CommandUI(vycExternalSpellCheckWords);
    EXPECT_EQ(reported, (std::vector<std::string>{"wrold", "brwn"}));
    // A language without a dictionary cannot begin.
    try {
        e.CommandUI(vycControlSpellSheckAll, u"xx_XX");
        ADD_FAILURE() << "no exception";
    } catch (const VYXException& ex) {
        EXPECT_EQ(std::string(ex.what()).rfind("Spell checker not ready. Please check dictionaies", 0), 0u) << ex.what();
    }
    EXPECT_EQ(e.ActiveCommandCount(), 0);  // the bracket closed on the way out
    e.CommandUI(vycMoveEndOfDoc);
    host.Type(u"!");
    EXPECT_EQ(host.Text(), "Hello wrold the brwn fox!");
}

TEST(EditorFacade, HyperlinksInsertedAndFollowedWithCtrlClick)
{
    THost host;
    TVYXEditor& e = host.E();
    std::vector<std::u16string> followed;
    e.FHLinkEvent = [&](TVYXEditor&, const TVYXHyperlink& link) { followed.push_back(link.Address); };
    host.Type(u"See ");
    EXPECT_FALSE(e.CommandUI(vycInsertHyperlink, u"no address\x08"));
    ASSERT_TRUE(e.CommandUI(vycInsertHyperlink, u"the site\x08https://example.org/"));
    host.Type(u" now");
    EXPECT_EQ(host.Text(), "See the site now");
    // Where "site" stands on screen.
    e.CommandUI(vycMoveBeginningOfLine);
    for (int i = 0; i < 9; ++i)
        e.CommandUI(vycMoveCharRight);
    double x = 0, y = 0, h = 0;
    ASSERT_TRUE(e.GetCaretXY(x, y, h));
    ASSERT_TRUE(e.FindHyperlink(x + 2, y + h / 2));
    EXPECT_FALSE(e.FindHyperlink(e.PageScreenLeft() + 75, y + h / 2));  // over "See"
    e.MouseCommand(vycMouseDown, vymsLeft, x + 2, y + h / 2);  // a plain click only places the caret
    e.MouseCommand(vycMouseUp, vymsLeft, x + 2, y + h / 2);
    EXPECT_TRUE(followed.empty());
    e.MouseCommand(vycMouseDown, vymsLeft | vymsCtrl, x + 2, y + h / 2);
    e.MouseCommand(vycMouseUp, vymsLeft | vymsCtrl, x + 2, y + h / 2);
    ASSERT_EQ(followed.size(), 1u);
    EXPECT_EQ(followed[0], u"https://example.org/");
    // Released elsewhere: not followed.
    e.MouseCommand(vycMouseDown, vymsLeft | vymsCtrl, x + 2, y + h / 2);
    e.MouseCommand(vycMouseUp, vymsLeft | vymsCtrl, e.PageScreenLeft() + 75, y + h / 2);
    EXPECT_EQ(followed.size(), 1u);
}

TEST(EditorFacade, CommandsWhileUpdatingAreIgnored)
{
    THost host;
    TVYXEditor& e = host.E();
    e.BeginUpdate();
    EXPECT_FALSE(e.CommandUI(vycInsertAtCaret, u"ignored"));
    e.KeyPress(u'x');
    EXPECT_EQ(host.Text(), "");
    const int before = e.PaginateCount();
    e.EndUpdate();
    EXPECT_EQ(e.PaginateCount(), before + 1);
    EXPECT_TRUE(e.CommandUI(vycInsertAtCaret, u"taken"));
    EXPECT_EQ(host.Text(), "taken");
}

TEST(EditorFacade, GraphicEditorSizesInlineAndMovesFloatingObjects)
{
    THost host;
    TVYXEditor& e = host.E();
    {
        TVYXEditorUpdate update(e.MainDoc());
        e.MainDoc().AppendTextUI(u"Box: ");
        auto box = std::make_unique<TVYXGraphicRectangle>();
        box->Wrap = agowInLine;
        box->Width = 150;
        box->Height = 75;
        e.MainDoc().AppendGraphicUI(std::move(box));
        e.MainDoc().AppendTextUI(u" after");
        // A floating rectangle in front of the text, 100 pt below the paragraph's top.
        auto floating = std::make_unique<TVYXGraphicRectangle>();
        floating->Wrap = agowInFront;
        floating->PosLeft = 200;
        floating->PosTop = 100;
        floating->Width = 60;
        floating->Height = 30;
        e.MainDoc().FirstPara()->AddGraphics().Add(std::move(floating));
    }
    e.MainDoc().Undo().Clear();
    e.MainDoc().SetDirty(true);
    e.UpdateUI();
    const TVYXCharRuns& runs = e.MainDoc().FirstPara()->CharRuns();
    TVYXGraphicObj* inlineBox = nullptr;
    for (int i = 0; i < runs.Count(); ++i)
        if (auto* g = dynamic_cast<const TVYXCharRunGraphic*>(runs.Items(i)))
            inlineBox = g->Graphic.get();
    ASSERT_TRUE(inlineBox);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_TRUE(e.GraphicScreenRect(*inlineBox, x1, y1, x2, y2));
    EXPECT_NEAR(x2 - x1, 200, 1);  // 150 pt at 96 dpi
    // A click on it starts editing; the bottom-right grip drags 40 x 20 pixels.
    e.MouseCommand(vycMouseDown, vymsLeft, (x1 + x2) / 2, (y1 + y2) / 2);
    e.MouseCommand(vycMouseUp, vymsLeft, (x1 + x2) / 2, (y1 + y2) / 2);
    ASSERT_EQ(e.EditedGraphic(), inlineBox);
    e.MouseCommand(vycMouseDown, vymsLeft, x2, y2);
    e.MouseCommand(vycMouseMove, vymsLeft, x2 + 20, y2 + 10);
    e.MouseCommand(vycMouseMove, vymsLeft, x2 + 40, y2 + 20);
    EXPECT_NEAR(inlineBox->Width, 150, 0.01);  // nothing changes before the release
    e.MouseCommand(vycMouseUp, vymsLeft, x2 + 40, y2 + 20);
    TVYXGraphicObj* sized = e.EditedGraphic();
    ASSERT_TRUE(sized);
    EXPECT_NEAR(sized->Width, 180, 0.01);
    EXPECT_NEAR(sized->Height, 90, 0.01);
    ASSERT_TRUE(e.GraphicScreenRect(*sized, x1, y1, x2, y2));
    EXPECT_NEAR(x2 - x1, 240, 1);
    // Undo takes the size back.
    e.CommandUI(vycControlUndo);
    for (int i = 0; i < runs.Count(); ++i) {
        if (auto* g = dynamic_cast<const TVYXCharRunGraphic*>(runs.Items(i))) {
            EXPECT_NEAR(g->Graphic->Width, 150, 0.01);
        }
    }
    EXPECT_EQ(e.EditedGraphic(), nullptr);

    // The floating one moves with a drag from inside it.
    TVYXGraphicObj& floating = e.MainDoc().FirstPara()->Graphics()->GetItems(0);
    ASSERT_TRUE(e.GraphicScreenRect(floating, x1, y1, x2, y2));
    const double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    EXPECT_EQ(e.FindFloatingGraphic(cx, cy), &floating);
    e.MouseCommand(vycMouseDown, vymsLeft, cx, cy);
    ASSERT_EQ(e.EditedGraphic(), &floating);
    e.MouseCommand(vycMouseMove, vymsLeft, cx + 40, cy + 20);
    e.MouseCommand(vycMouseUp, vymsLeft, cx + 40, cy + 20);
    EXPECT_NEAR(floating.Width, 60, 0.01);  // moved, not sized
    EXPECT_NEAR(floating.PosLeft, 230, 0.01);
    EXPECT_NEAR(floating.PosTop, 115, 0.01);
    double nx1 = 0, ny1 = 0, nx2 = 0, ny2 = 0;
    ASSERT_TRUE(e.GraphicScreenRect(floating, nx1, ny1, nx2, ny2));
    EXPECT_NEAR(nx1 - x1, 40, 1);
    // A click in the text leaves graphic editing.
    e.MouseCommand(vycMouseDown, vymsLeft, e.PageScreenLeft() + 100, y2 + 300);
    e.MouseCommand(vycMouseUp, vymsLeft, e.PageScreenLeft() + 100, y2 + 300);
    EXPECT_EQ(e.EditedGraphic(), nullptr);
}

TEST(EditorFacade, DraggingCellEdgesSizesColumnsAndRows)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"Before");
    ASSERT_TRUE(e.CommandUI(vycInsertTableAtCaret, 3, 2));
    host.Type(u"a1");
    TVYXLogPara* cellPara = e.GetCaretPos().Para;
    ASSERT_TRUE(cellPara && cellPara->Cell());
    TVYXTable& table = *cellPara->Cell()->Table();
    TVYXTableCell& first = *table.GetCells(0, 0);
    const double width0 = first.PixX2 - first.PixX1;
    const double top = e.PageScreenTop(0), left = e.PageScreenLeft();
    const TVYXTableRow& row0 = *table.GetRows(0);
    const double midY = top + (row0.PixY1 + row0.PixY2) / 2;
    // The right edge of the first cell, dragged 48 pixels (36 pt) to the right.
    TVYXTableHit hit;
    int page = -1;
    ASSERT_TRUE(e.TableHitAt(left + first.PixX2, midY, hit, page));
    EXPECT_EQ(hit.Where, amchLeftEdge);  // the boundary belongs to the cell on its right
    e.MouseCommand(vycMouseDown, vymsLeft, left + first.PixX2, midY);
    e.MouseCommand(vycMouseMove, vymsLeft, left + first.PixX2 + 48, midY);
    e.MouseCommand(vycMouseUp, vymsLeft, left + first.PixX2 + 48, midY);
    TVYXTableCell& after = *table.GetCells(0, 0);
    EXPECT_NEAR(after.PixX2 - after.PixX1, width0 + 48, 1.5);
    EXPECT_EQ(host.Text().substr(0, 6), "Before");
    // The bottom edge of the first row, dragged 40 pixels (30 pt) down.
    const double bottom = top + table.GetRows(0)->PixY2;
    const double height0 = table.GetRows(0)->PixY2 - table.GetRows(0)->PixY1;
    const double x = left + (after.PixX1 + after.PixX2) / 2;
    e.MouseCommand(vycMouseDown, vymsLeft, x, bottom);
    e.MouseCommand(vycMouseMove, vymsLeft, x, bottom + 40);
    e.MouseCommand(vycMouseUp, vymsLeft, x, bottom + 40);
    EXPECT_NEAR(table.GetRows(0)->PixY2 - table.GetRows(0)->PixY1, height0 + 40, 1.5);
    // Both are single commands for undo.
    e.CommandUI(vycControlUndo);
    e.CommandUI(vycControlUndo);
    TVYXTable& back = *e.MainDoc().FirstPara()->Next()->Cell()->Table();
    EXPECT_NEAR(back.GetCells(0, 0)->PixX2 - back.GetCells(0, 0)->PixX1, width0, 1.5);
}

TEST(EditorFacade, ZoomRelaysOutAtTheNewResolution)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"Zoomed text");
    const double width = e.Paginator().Pages().GetItems(0).PageWidth;
    e.CommandUI(vycControlZoom, 200);  // percent
    EXPECT_NEAR(e.Paginator().Pages().GetItems(0).PageWidth, 2 * width, 1);
    e.CommandUI(vycControlZoom, 0.5);  // a factor
    EXPECT_NEAR(e.Paginator().Pages().GetItems(0).PageWidth, width / 2, 1);
    e.CommandUI(vycControlZoom, 100);
    double x = 0, y = 0, h = 0;
    ASSERT_TRUE(e.GetCaretXY(x, y, h));
    e.MouseCommand(vycMouseDown, vymsLeft | vymsDouble, x - 5, y + h / 2);
    EXPECT_EQ(Utf16ToUtf8(e.GetSelections().GetPlainText()), "text");
}

TEST(EditorFacade, NewDocumentFromInsideAHeaderStartsOver)
{
    THost host;
    TVYXEditor& e = host.E();
    const int styles = e.MainDoc().Styles().Count();
    host.Type(u"Body");
    e.CommandUI(vycControlEditHeader);
    host.Type(u"Head");
    ASSERT_EQ(e.FocusDoc().DocType(), aldtHeader);
    e.CommandUI(vycControlNewDoc);
    EXPECT_EQ(&e.FocusDoc(), &e.MainDoc());
    EXPECT_EQ(host.Text(), "");
    EXPECT_EQ(e.MainDoc().Headers().Find(ahftDefault), nullptr);
    EXPECT_EQ(e.MainDoc().Styles().Count(), styles);
    EXPECT_EQ(e.Paginator().Pages().Count(), 1);
    host.Type(u"Fresh");
    EXPECT_EQ(host.Text(), "Fresh");
}

TEST(EditorFacade, ClicksOnFormFieldsToggleCheckBoxesAndAskForListEntries)
{
    THost host;
    TVYXEditor& e = host.E();
    TVYXComplexField* box = nullptr;
    TVYXComplexField* list = nullptr;
    {
        TVYXEditorUpdate update(e.MainDoc());
        TVYXLogPara& para = e.MainDoc().GetOrAddLastPara();
        para.Append(u"Agree ");
        box = para.AppendFormFieldCheckBox(u"agree", false);
        para.Append(u" colour ");
        list = para.AppendFormFieldComboBox(u"colour", {u"red", u"green", u"blue"}, 1);
        para.Append(u" end");
    }
    e.MainDoc().SetDirty(true);
    e.UpdateUI();
    ASSERT_TRUE(box && list);
    std::vector<std::u16string> asked;
    e.FStringsEvent = [&](TVYXEditor&, TVYXComplexField& field, double, double) { asked.push_back(field.Name); };
    // The screen points of the two results.
    auto pointOf = [&](const TVYXComplexField& field, double& x, double& y) {
        TVYXLogPara* para = e.MainDoc().FirstPara();
        const std::u16string text = para->GetPlainText();
        const std::u16string want = field.GetPlainText();
        // The list shows its entry; the check box stands right after "Agree ".
        const auto at = field.Type() == acftFormList ? text.find(want, text.find(u"colour")) : text.find(u"Agree ") + 6;
        ASSERT_NE(at, std::u16string::npos);
        e.CommandUI(vycMovePos, TVYXLogPos(para, static_cast<std::int32_t>(at) + 1));
        double h = 0;
        ASSERT_TRUE(e.GetCaretXY(x, y, h));
        // A check box shows no text of its own: the click lands on its place.
        x += field.Type() == acftFormList ? 2 : 0;
        y += h / 2;
    };
    double bx = 0, by = 0, lx = 0, ly = 0;
    pointOf(*box, bx, by);
    pointOf(*list, lx, ly);
    e.MouseCommand(vycMouseDown, vymsLeft, bx, by);
    e.MouseCommand(vycMouseUp, vymsLeft, bx, by);
    EXPECT_TRUE(box->GetAsCheckBox()->Checked);
    e.MouseCommand(vycMouseDown, vymsLeft, bx, by);
    e.MouseCommand(vycMouseUp, vymsLeft, bx, by);
    EXPECT_FALSE(box->GetAsCheckBox()->Checked);
    // Each click is an undo step of its own: undo gives the box back, redo the click.
    const TVYXUndo& history = e.MainDoc().Undo();
    bool recorded = false;
    for (int back = 0; const TVYXUndoData* r = history.Peek(back); ++back)
        if (r->Group == history.PeekGroup())
            recorded = recorded || r->Type_() == autCheckBox;
    EXPECT_TRUE(recorded);
    ASSERT_TRUE(e.CommandUI(vycControlUndo));
    EXPECT_TRUE(box->GetAsCheckBox()->Checked);
    ASSERT_TRUE(e.CommandUI(vycControlUndo));
    EXPECT_FALSE(box->GetAsCheckBox()->Checked);
    ASSERT_TRUE(e.CommandUI(vycControlRedo));
    EXPECT_TRUE(box->GetAsCheckBox()->Checked);
    // Typing after a click: the typing goes first, then the click, each one step.
    host.Type(u"!");
    ASSERT_TRUE(e.CommandUI(vycControlUndo));
    EXPECT_TRUE(box->GetAsCheckBox()->Checked);
    ASSERT_TRUE(e.CommandUI(vycControlUndo));
    EXPECT_FALSE(box->GetAsCheckBox()->Checked);
    ASSERT_TRUE(e.CommandUI(vycControlRedo));
    ASSERT_TRUE(e.CommandUI(vycControlRedo));
    EXPECT_TRUE(box->GetAsCheckBox()->Checked);
    EXPECT_NE(host.Text().find('!'), std::string::npos);
    e.MouseCommand(vycMouseDown, vymsLeft, lx, ly);
    e.MouseCommand(vycMouseUp, vymsLeft, lx, ly);
    EXPECT_EQ(asked, std::vector<std::u16string>{u"colour"});
}

// The strips above a table's columns and beside its rows select that column or row.
TEST(EditorFacade, ColumnAndRowStripsSelectTheirCells)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"Before");
    ASSERT_TRUE(e.CommandUI(vycInsertTableAtCaret, 3, 3));
    TVYXTable& table = *e.MainDoc().FirstPara()->Next()->Cell()->Table();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            e.CommandUI(vycMovePos, TVYXLogPos(table.GetCells(c, r)->Paras()._FirstPara(), 1));
            host.Type(std::u16string(1, static_cast<char16_t>(u'a' + c)) + static_cast<char16_t>(u'1' + r));
        }
    e.CommandUI(vycMoveBeginningOfDoc);
    e.UpdateUI();
    TVYXHitAreaList& areas = e.Paginator().Pages().GetItems(0).FHitAreas.ByPaginate();
    auto clickStrip = [&](int col, int row) {
        for (int i = 0; i < areas.Count(); ++i) {
            const TVYXHitArea& a = areas.GetItems(i);
            if (a.Type != ahatTableSelect || a.Table != &table || a.Index != col || a.Row != row)
                continue;
            const double x = e.PageScreenLeft() + (a.X1 + a.X2) / 2, y = e.PageScreenTop(0) + (a.Y1 + a.Y2) / 2;
            e.MouseCommand(vycMouseDown, vymsLeft, x, y);
            e.MouseCommand(vycMouseUp, vymsLeft, x, y);
            return Utf16ToUtf8(e.GetSelections().GetPlainText());
        }
        ADD_FAILURE() << "no strip for column " << col << " row " << row;
        return std::string();
    };
    // A column is a rectangle of cells from its top cell to its bottom one.
    clickStrip(1, -1);
    const TVYXLogSelection* s = e.GetSelections().First();
    ASSERT_TRUE(s && s->IsRectCells());
    EXPECT_EQ(s->First.Para->Cell(), table.GetCells(1, 0));
    EXPECT_EQ(s->Last.Para->Cell(), table.GetCells(1, 2));
    const std::string row = clickStrip(-1, 2);
    for (const char* in : {"a3", "b3", "c3"})
        EXPECT_NE(row.find(in), std::string::npos) << row;
    for (const char* out : {"a1", "b2"})
        EXPECT_EQ(row.find(out), std::string::npos) << row;
    EXPECT_EQ(host.Text().substr(0, 6), "Before");
}

TEST(EditorFacade, TheTableSelectHandleSelectsTheWholeTable)
{
    THost host;
    TVYXEditor& e = host.E();
    host.Type(u"Before");
    ASSERT_TRUE(e.CommandUI(vycInsertTableAtCaret, 2, 2));
    host.Type(u"a");
    e.CommandUI(vycMoveBeginningOfDoc);
    e.UpdateUI();
    const TVYXTable& table = *e.MainDoc().FirstPara()->Next()->Cell()->Table();
    const TVYXPhyPage& page = e.Paginator().Pages().GetItems(0);
    const TVYXHitArea* handle = page.FHitAreas.Find(ahatTableSelect, &table);
    ASSERT_TRUE(handle) << "the painter made no select handle";
    const double x = e.PageScreenLeft() + (handle->X1 + handle->X2) / 2;
    const double y = e.PageScreenTop(0) + (handle->Y1 + handle->Y2) / 2;
    e.MouseCommand(vycMouseDown, vymsLeft, x, y);
    e.MouseCommand(vycMouseUp, vymsLeft, x, y);
    EXPECT_TRUE(e.GetSelections().HasSelection());
    EXPECT_NE(Utf16ToUtf8(e.GetSelections().GetPlainText()).find('a'), std::string::npos);
    EXPECT_EQ(host.Text().substr(0, 6), "Before");
}
