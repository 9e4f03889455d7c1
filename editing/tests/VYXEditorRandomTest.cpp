// Seeded random commands over every command class on documents with tables nested
// two deep, lists, fields and tracked changes; the document's invariants are
// checked after every step. To add a command class (undo will), add its commands
// to Commands() or a case to Step().
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "editing/VYXFindReplace.h"
#include "editing/VYXLogEditor.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXRichDoc.h"
#include "model/VYXPropValues.h"
#include "platform/VYXClipboard.h"

namespace {

void BuildRich(TVYXLogDocEditor& doc) { VYXBuildRichDoc(doc, TVYXRichExtra::Footnote); }

std::vector<TVYXCommand> Commands()
{
    return {vycMoveCharLeft, vycMoveCharRight, vycMoveWordLeft, vycMoveWordRight, vycMoveParaUp,
            vycMoveParaDown, vycMoveLineUp, vycMoveLineDown, vycMoveEndOfLine, vycMoveBeginningOfLine,
            vycMovePgDown, vycMoveEndOfDoc, vycMoveBeginningOfDoc, vycMoveLastLocation, vycMoveCellNext,
            vycMoveCellPrev, vycMoveCellDown, vycMoveCellUp, vycMoveCellLeft, vycMoveCellRight,
            vycSelectCharLeft, vycSelectCharRight, vycSelectWordRight, vycSelectParaDown, vycSelectParaUp,
            vycSelectWord, vycSelectPara, vycSelectAll, vycSelectClear, vycSelectEndOfDoc,
            vycDelCharLeft, vycDelCharRight, vycDelWordLeft, vycDelWordRight, vycDelSelection,
            vycControlNewPara, vycControlTab, vycControlShiftTab, vycControlLineBreak, vycControlPageBreak,
            vycControlEscape, vycControlBullet, vycControlNumbering, vycControlSectionBreak,
            vycFormatBold, vycFormatItalic, vycFormatUnderline, vycFormatSubscript, vycFormatIncFont,
            vycFormatDecFont, vycFormatParaCenter, vycFormatParaJustify, vycFormatParaIncIndentLeft,
            vycFormatParaDecIndentLeft, vycFormatParaIncIndentHanging, vycFormatParaDecIndentHanging,
            vycFormatParaBullet, vycFormatParaNumbering, vycFormatParaMultilevelLevelInc,
            vycFormatParaMultilevelLevelDec, vycFormatRemoveBulletNumbering,
            vycTableInsertRowsAbove, vycTableInsertRowsBelow, vycTableInsertColsLeft, vycTableInsertColsRight,
            vycTableDeleteRow, vycTableDeleteCol, vycTableDeleteColKeepTblSize, vycTableMergeCells,
            vycTableSelect, vycTableSplitCells,
            vycRevisionTrackChanges, vycMoveRevisionNext, vycMoveRevisionPrev, vycSelectRevisionNext,
            vycRevisionAccept, vycRevisionReject, vycRevisionAcceptAll, vycRevisionRejectAll,
            vycInsertFootnote, vycInsertHorizLineAtCaret, vycGraphicInsertTextBox, vycGraphicWidth, vycClipboardCopy,
            vycClipboardCut, vycClipboardPaste, vycClipboardPastePlain, vycControlUpdateFields};
}

std::string Step(TVYXLogDocEditor& doc, std::mt19937& rng, const std::vector<TVYXCommand>& commands)
{
    const int kind = static_cast<int>(rng() % 10);
    if (kind < 3) {
        static const char16_t* texts[] = {u"a", u"word ", u" ", u"x\ty", u"longer text here"};
        doc.Command(vycInsertAtCaret, std::u16string_view(texts[rng() % 5]));
        return "typing";
    }
    if (kind == 3) {
        doc.Command(vycInsertTableAtCaret, static_cast<int>(rng() % 3) + 1, static_cast<int>(rng() % 3) + 1);
        return "vycInsertTableAtCaret";
    }
    if (kind == 4) {
        doc.Command(vycFormatFontSize, static_cast<double>(rng() % 80));
        return "vycFormatFontSize";
    }
    if (kind == 5 && rng() % 4 == 0) {
        static const TVYXCommand finds[] = {vycFindFromPos, vycFindNext, vycReplaceSelection, vycReplaceNext};
        doc.BeginFind(u"e", u"[E]", rng() % 2 ? aftoWholeWordsOnly : 0);
        if (rng() % 8 == 0) {
            doc.ReplaceAll();
            return "ReplaceAll";
        }
        doc.CmdFindReplace(finds[rng() % 4]);
        return "CmdFindReplace";
    }
    if (kind == 6 && rng() % 3 == 0) {
        TVYXSelections& sel = doc.Selections();
        switch (rng() % 5) {
        case 0: {
            TVYXTabStops tabs;
            if (rng() % 2)
                tabs.Add(36.0 * (1 + rng() % 10));
            sel.SetTabStops(tabs);
            return "SetTabStops";
        }
        case 1: doc.Command(vycLayoutColumns, static_cast<int>(rng() % 4)); return "vycLayoutColumns";
        case 2: sel.CollectFormFields(); return "CollectFormFields";
        case 3: sel.SelectBetweenTags(u"w", u"d"); return "SelectBetweenTags";
        default: doc.Command(vycInsertAtCaret, u"<<t>>"); sel.MakeBookmarksFromTags(u"<<", u">>"); return "MakeBookmarksFromTags";
        }
    }
    const TVYXCommand cmd = commands[rng() % commands.size()];
    doc.Command(cmd);
    return std::string(CommandName(cmd));
}

}  // namespace

TEST(EditorRandom, ThousandsOfCommandsKeepTheModelSound)
{
    const std::vector<TVYXCommand> commands = Commands();
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        TVYXClipboard clipboard;
        TVYXLogDocEditor doc;
        doc.SetClipboard(&clipboard);
        doc.ClockEvent = [](TVYXLogDocEditor&) { return 45667.5; };
        BuildRich(doc);
        ASSERT_EQ(VYXCheckEditor(doc), "");
        std::mt19937 rng(seed);
        for (int step = 0; step < 2000; ++step) {
            const std::string done = Step(doc, rng, commands);
            const std::string broken = VYXCheckEditor(doc);
            ASSERT_EQ(broken, "") << "seed " << seed << " step " << step << " after " << done;
        }
        // A header is an editor of its own over the main document's tables.
        TVYXLogDocEditor& header = doc.Headers().AddDefault();
        header.AppendTextUI(u"Header text");
        for (int step = 0; step < 500; ++step) {
            const std::string done = Step(header, rng, commands);
            ASSERT_EQ(VYXCheckEditor(header), "") << "header, seed " << seed << " step " << step << " after " << done;
        }
        ASSERT_EQ(VYXCheckEditor(doc), "");
    }
}
