// VYXUndoRandomTest.cpp: seeded random commands of every editing class on a rich
// document, then every group undone: after each undo the whole state (body, runs and
// formats, paragraphs, tables, lists, fields, tracked changes, bookmarks, caret and
// selections) must be the one before that group's command; then every group redone,
// each giving back the state after its command. States are compared run for run:
// empty runs and where equal text is split into runs must come back too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXRichDoc.h"
#include "editing/tests/VYXUndoDump.h"
#include "model/VYXCharRun.h"
#include "model/VYXRevision.h"

namespace {

// The rich document, plus a date field whose clock moves on at every update, so that
// updating fields always changes a result.
void BuildRich(TVYXLogDocEditor& doc)
{
    VYXBuildRichDoc(doc, TVYXRichExtra::Bookmark);
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"Dated ");
        doc.GetOrAddLastPara().AppendField(u"DATE \\@ \"d MMMM yyyy\"", u"some day");
    }
    doc.ClockEvent = [days = 45000.0](TVYXLogDocEditor&) mutable { return days += 1; };
}

// Every command class that goes through the edit door, and field updates beside it;
// new bookmarks over the selection, and text boxes, when the test asks for them. Notes
// have tests of their own (VYXUndoNotesTest.cpp, the corpus test VYXUndoFileTest.cpp).
std::vector<TVYXCommand> Commands(bool resolve = false)
{
    if (resolve) {
        // Accepting and rejecting (marks on field and rule runs among them) and notes.
        std::vector<TVYXCommand> more = Commands();
        more.insert(more.end(), {vycRevisionAccept, vycRevisionReject, vycRevisionAcceptAll, vycRevisionRejectAll,
                                 vycInsertFootnote, vycRevisionTrackChanges, vycControlUpdateFields});
        return more;
    }
    return {vycMoveCharLeft, vycMoveCharRight, vycMoveWordLeft, vycMoveWordRight, vycMoveParaUp,
            vycMoveParaDown, vycMoveEndOfLine, vycMoveBeginningOfLine, vycMoveEndOfDoc, vycMoveBeginningOfDoc,
            vycMoveCellNext, vycMoveCellPrev, vycMoveCellDown, vycMoveCellUp,
            vycSelectCharLeft, vycSelectCharRight, vycSelectWordRight, vycSelectParaDown, vycSelectParaUp,
            vycSelectWord, vycSelectPara, vycSelectAll, vycSelectClear, vycSelectEndOfDoc,
            vycDelCharLeft, vycDelCharRight, vycDelWordLeft, vycDelWordRight, vycDelSelection, vycDelAtCaret,
            vycControlNewPara, vycControlTab, vycControlShiftTab, vycControlLineBreak, vycControlPageBreak,
            vycControlEscape, vycControlBullet, vycControlNumbering, vycControlSectionBreak,
            vycFormatBold, vycFormatItalic, vycFormatUnderline, vycFormatSubscript, vycFormatSuperscript,
            vycFormatStrikeThrough, vycFormatIncFont, vycFormatDecFont, vycFormatParaLeft, vycFormatParaCenter,
            vycFormatParaRight, vycFormatParaJustify, vycFormatParaIncIndentLeft, vycFormatParaDecIndentLeft,
            vycFormatParaIncIndentHanging, vycFormatParaDecIndentHanging, vycFormatParaBullet,
            vycFormatParaNumbering, vycFormatParaMultilevelLevelInc, vycFormatParaMultilevelLevelDec,
            vycFormatRemoveBulletNumbering,
            vycTableInsertRowsAbove, vycTableInsertRowsBelow, vycTableInsertColsLeft, vycTableInsertColsRight,
            vycTableDeleteRow, vycTableDeleteCol, vycTableDeleteColKeepTblSize, vycTableMergeCells,
            vycTableSelect, vycRevisionTrackChanges, vycMoveRevisionNext, vycSelectRevisionNext,
            vycInsertHorizLineAtCaret, vycControlUpdateFields};
}

std::string Step(TVYXLogDocEditor& doc, std::mt19937& rng, const std::vector<TVYXCommand>& commands,
                 bool bookmarks = false, bool boxes = false)
{
    const int kind = static_cast<int>(rng() % (bookmarks ? 13 : 12));
    if (kind == 12) {
        if (boxes && rng() % 4 == 0) {
            // A box on the caret's paragraph, selected: the commands after it act on
            // its paragraph (joined, split, taken away) with the box selected.
            doc.Command(vycGraphicInsertTextBox);
            return "vycGraphicInsertTextBox";
        }
        // A new bookmark over the selection (or at the caret); a name may come again,
        // which the editor refuses.
        doc.InsertBookmark(u"mark" + std::u16string(1, static_cast<char16_t>(u'a' + rng() % 26)));
        return "InsertBookmark";
    }
    if (kind < 4) {
        // Typing in short bursts, so that coalescing gets its chance.
        static const char16_t* texts[] = {u"a", u"b", u"word ", u" ", u"x\ty", u"longer text here"};
        doc.Command(vycInsertAtCaret, std::u16string_view(texts[rng() % 6]));
        return "typing";
    }
    if (kind == 4) {
        doc.Command(vycInsertTableAtCaret, static_cast<int>(rng() % 3) + 1, static_cast<int>(rng() % 3) + 1);
        return "vycInsertTableAtCaret";
    }
    if (kind == 5) {
        doc.Command(vycFormatFontSize, static_cast<double>(rng() % 80));
        return "vycFormatFontSize";
    }
    if (kind == 6) {
        doc.Command(vycTableColWidth, static_cast<int>(rng() % 3), static_cast<int>(rng() % 200) + 10);
        return "vycTableColWidth";
    }
    const TVYXCommand cmd = commands[rng() % commands.size()];
    doc.Command(cmd);
    return std::string(CommandName(cmd));
}

// Runs `steps` random commands on `editor`, keeping for every undo group the state
// before its first command and after its last one.
void RunCommands(TVYXLogDocEditor& main, TVYXLogDocEditor& editor, std::mt19937& rng, int steps,
                 std::vector<std::string>& before, std::vector<std::string>& after, const std::string& what,
                 bool bookmarks = false, bool boxes = false, bool resolve = false)
{
    const std::vector<TVYXCommand> commands = Commands(resolve);
    TVYXUndo& undo = main.Undo();
    for (int step = 0; step < steps; ++step) {
        const int groups = undo.UndoCount();
        const long records = undo.RecordCount();
        auto bodies = [&] {
            return vyxtest::Dump(main) + VYXAnchoredState(main) + (&editor == &main ? "" : vyxtest::Dump(editor));
        };
        const std::string body = bodies();
        std::string state = VYXEditorStateExact(editor);
        const std::string done = Step(editor, rng, commands, bookmarks, boxes);
        ASSERT_EQ(VYXCheckEditor(editor), "") << what << " step " << step << " after " << done;
        ASSERT_EQ(undo.RedoCount(), 0);
        if (undo.UndoCount() == groups + 1) {
            before.push_back(std::move(state));
            after.push_back(VYXEditorStateExact(editor));
        } else {
            ASSERT_EQ(undo.UndoCount(), groups) << what << " step " << step << " after " << done;
            if (undo.RecordCount() != records) {  // typing or a format that joined the group before
                TVYXCommand cmd = vycNone;
                ASSERT_TRUE(done == "typing" ||
                            (CommandFromName(done, cmd) && (CommandIsCHPX(cmd) || CommandIsPAPX(cmd))))
                    << done;
                after.back() = VYXEditorStateExact(editor);
            } else {
                // Nothing recorded: then nothing but the caret and the selections may
                // have moved, or undo would step over a change it cannot take back.
                ASSERT_EQ(VYXStateDiff(body, bodies()), "")
                    << what << " step " << step << ": " << done << " changed the document without a record";
            }
        }
    }
}

// The newest group's records, for failure messages.
std::string GroupText(const TVYXUndo& undo)
{
    std::string out;
    const int group = undo.PeekGroup();
    for (int back = 0; const TVYXUndoData* record = undo.Peek(back); ++back) {
        if (record->Group != group)
            break;
        out = "  " + std::string(CommandName(record->Command)) + " " + record->AsString() + "\n" + out;
    }
    return out;
}

void UndoAndRedoAll(TVYXLogDocEditor& main, TVYXLogDocEditor& editor, const std::vector<std::string>& before,
                    const std::vector<std::string>& after, const std::string& what)
{
    TVYXUndo& undo = main.Undo();
    const int groups = static_cast<int>(before.size());
    ASSERT_EQ(undo.UndoCount(), groups);
    for (int k = groups - 1; k >= 0; --k) {
        const std::string records = GroupText(undo);
        ASSERT_TRUE(editor.Command(vycControlUndo)) << what << " group " << k;
        ASSERT_EQ(VYXCheckEditor(editor), "") << what << " undoing group " << k << ":\n" << records;
        ASSERT_EQ(VYXStateDiff(before[static_cast<std::size_t>(k)], VYXEditorStateExact(editor)), "")
            << what << " undoing group " << k << ":\n" << records;
    }
    ASSERT_FALSE(undo.Undo());
    ASSERT_EQ(undo.RedoCount(), groups);
    for (int k = 0; k < groups; ++k) {
        ASSERT_TRUE(editor.Command(vycControlRedo)) << what << " group " << k;
        ASSERT_EQ(VYXCheckEditor(editor), "") << what << " redoing group " << k;
        ASSERT_EQ(VYXStateDiff(after[static_cast<std::size_t>(k)], VYXEditorStateExact(editor)), "")
            << what << " redoing group " << k << ":\n" << GroupText(undo);
    }
    ASSERT_FALSE(undo.CanRedo());
}

}  // namespace

// Seeds 11 to 16 run the door's commands alone, 1,000 each; 41 and up (2,000 each) add
// new bookmarks, whose ends then stand in ranges later commands remove and undo puts
// back; all but 43 and 44 add text boxes beside the bookmarks, on paragraphs later
// commands join, split and remove. Seeds 41, 42, 47, 50, 53 and 56 mix in the commands
// with records of their own as well: field updates, notes, accepting and rejecting.
TEST(UndoRandom, EveryGroupUndoneAndRedoneGivesBackItsStateExactly)
{
    int notes = 0, updates = 0;
    for (unsigned seed : {11u, 12u, 13u, 14u, 15u, 16u, 41u, 42u, 43u, 44u, 45u, 46u, 47u, 48u, 50u, 51u, 52u, 53u,
                          54u, 55u, 56u, 59u}) {
        const bool bookmarks = seed > 40u;
        const bool boxes = bookmarks && seed != 43u && seed != 44u;
        const bool resolve = seed == 41u || seed == 42u || seed == 47u || seed == 50u || seed == 53u || seed == 56u;
        const int steps = bookmarks ? 2000 : 1000;
        TVYXLogDocEditor doc;
        BuildRich(doc);
        ASSERT_EQ(VYXCheckEditor(doc), "");
        doc.Undo().Clear();
        const std::string original = vyxtest::Dump(doc);
        std::mt19937 rng(seed);
        std::vector<std::string> before, after;
        const std::string what = "seed " + std::to_string(seed);
        RunCommands(doc, doc, rng, steps, before, after, what, bookmarks, boxes, resolve);
        if (HasFatalFailure())
            return;
        EXPECT_GT(before.size(), static_cast<std::size_t>(steps) * 3 / 20) << what;
        for (int back = 0; const TVYXUndoData* record = doc.Undo().Peek(back); ++back) {
            notes += record->Type_() == autNote;
            updates += record->Type_() == autRunTexts;
        }
        if (boxes) {
            const auto withBoxes = std::count_if(after.begin(), after.end(), [](const std::string& state) {
                return state.find("\nanchored ") != std::string::npos;
            });
            EXPECT_GT(withBoxes, 50) << what << ": too few steps with boxes";
        }
        // Moves after the last edit are no undo step: the body is what redo gives back.
        const std::string edited = vyxtest::Dump(doc);
        UndoAndRedoAll(doc, doc, before, after, what);
        if (HasFatalFailure())
            return;
        EXPECT_EQ(VYXStateDiff(edited, vyxtest::Dump(doc)), "") << what;
        // And all the way back once more: the original document (the caret is where
        // the moves before the first edit left it).
        while (doc.Undo().Undo()) {
        }
        EXPECT_EQ(VYXStateDiff(original, vyxtest::Dump(doc)), "") << what;
    }
    // The mixed seeds did make notes and replace field results.
    EXPECT_GT(notes, 0);
    EXPECT_GT(updates, 0);
}

// Seeds 61 to 64 add accepting and rejecting changes, notes and a complex field whose
// result updates replace through the door.
TEST(UndoRandom, FieldsNotesAndResolvedChangesComeBackExactly)
{
    int allUpdates = 0, allNotes = 0, allMarks = 0;
    for (unsigned seed : {61u, 62u, 63u, 64u}) {
        TVYXLogDocEditor doc;
        BuildRich(doc);
        {
            TVYXEditorUpdate update(doc);
            for (const char16_t* text : {u"Counted ", u"Again ", u"Once more "}) {
                doc.AppendParaUI(text);
                doc.GetOrAddLastPara().AppendComplexField(u"then", u"DATE \\@ \"d MMM\"");
                doc.AppendTextUI(u" on");
                // Marks kept on field and rule runs, as readers make them.
                TVYXLogPara& para = doc.GetOrAddLastPara();
                para.AppendField(u"PAGE", u"7")->AddRevision(doc.Revision().Add(u"Reader", artInsert));
                para.AppendHorizontalLine()->AddRevision(doc.Revision().Add(u"Reader", artInsert));
                para.AppendField(u"NUMPAGES", u"9")->AddRevision(doc.Revision().Add(u"Reader", artDelete));
                para.Append(u" end");
            }
        }
        doc.Undo().Clear();
        std::mt19937 rng(seed);
        std::vector<std::string> before, after;
        const std::string what = "seed " + std::to_string(seed);
        RunCommands(doc, doc, rng, 1000, before, after, what, false, false, true);
        if (HasFatalFailure())
            return;
        // What the history holds: field updates, notes and resolved marks among it.
        int updates = 0, notes = 0, marks = 0;
        for (int back = 0; const TVYXUndoData* record = doc.Undo().Peek(back); ++back) {
            updates += record->Command == vycControlUpdateFields && record->Type_() == autDelete;
            notes += record->Type_() == autNote;
            marks += record->Type_() == autRunMarks;
        }
        std::printf("%s: %zu groups, %d field results, %d notes, %d run marks\n", what.c_str(), before.size(),
                    updates, notes, marks);
        allUpdates += updates, allNotes += notes, allMarks += marks;
        UndoAndRedoAll(doc, doc, before, after, what);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(allUpdates, 0);
    EXPECT_GT(allNotes, 0);
    EXPECT_GT(allMarks, 0);
}

TEST(UndoRandom, HeaderEditsShareTheMainHistory)
{
    TVYXLogDocEditor doc;
    BuildRich(doc);
    TVYXLogDocEditor& header = doc.Headers().AddDefault();
    header.AppendTextUI(u"Header text");
    doc.Undo().Clear();
    std::mt19937 rng(21u);
    std::vector<std::string> before, after;
    RunCommands(doc, header, rng, 500, before, after, "header");
    if (HasFatalFailure())
        return;
    EXPECT_GT(before.size(), 50u);
    const std::string mainState = VYXEditorStateExact(doc);
    UndoAndRedoAll(doc, header, before, after, "header");
    EXPECT_EQ(VYXStateDiff(mainState, VYXEditorStateExact(doc)), "");  // the main text never moved
}

// Undo and redo mixed into the commands, as a user does: a model of the two lists
// says what each undo and redo must give back.
TEST(UndoRandom, UndoAndRedoInTheMiddleOfEditing)
{
    const std::vector<TVYXCommand> commands = Commands();
    for (unsigned seed : {31u, 32u}) {
        TVYXLogDocEditor doc;
        BuildRich(doc);
        doc.Undo().Clear();
        TVYXUndo& undo = doc.Undo();
        std::mt19937 rng(seed);
        struct TStates {
            std::string Before, After;
        };
        std::vector<TStates> undoList, redoList;
        int undos = 0, redos = 0;
        for (int step = 0; step < 1500; ++step) {
            const std::string what = "seed " + std::to_string(seed) + " step " + std::to_string(step);
            const int choice = static_cast<int>(rng() % 10);
            if (choice == 0) {
                ASSERT_EQ(doc.Command(vycControlUndo), !undoList.empty()) << what;
                if (!undoList.empty()) {
                    ASSERT_EQ(VYXStateDiff(undoList.back().Before, VYXEditorStateExact(doc)), "") << what << " undo";
                    redoList.push_back(std::move(undoList.back()));
                    undoList.pop_back();
                    ++undos;
                }
            } else if (choice == 1) {
                ASSERT_EQ(doc.Command(vycControlRedo), !redoList.empty()) << what;
                if (!redoList.empty()) {
                    ASSERT_EQ(VYXStateDiff(redoList.back().After, VYXEditorStateExact(doc)), "") << what << " redo";
                    undoList.push_back(std::move(redoList.back()));
                    redoList.pop_back();
                    ++redos;
                }
            } else {
                const int groups = undo.UndoCount();
                const long records = undo.RecordCount();
                std::string before = VYXEditorStateExact(doc);
                const std::string done = Step(doc, rng, commands);
                if (undo.UndoCount() == groups + 1) {
                    undoList.push_back({std::move(before), VYXEditorStateExact(doc)});
                    redoList.clear();
                } else if (undo.RecordCount() != records) {
                    ASSERT_FALSE(undoList.empty()) << what;
                    undoList.back().After = VYXEditorStateExact(doc);
                }
            }
            ASSERT_EQ(VYXCheckEditor(doc), "") << what;
            ASSERT_EQ(undo.UndoCount(), static_cast<int>(undoList.size())) << what;
            ASSERT_EQ(undo.RedoCount(), static_cast<int>(redoList.size())) << what;
        }
        EXPECT_GT(undos, 50);
        EXPECT_GT(redos, 15);
    }
}


// The long run, by hand only (--gtest_also_run_disabled_tests): 100 more seeds of 2,000
// commands, every kind mixed in (bookmarks, text boxes, field updates, notes, accepting
// and rejecting). It takes minutes, so ctest leaves it out. VYX_UNDO_SEEDS narrows the
// run to one seed ("1007") or a range ("1001-1020") when chasing a fault.
TEST(UndoRandom, DISABLED_ManyMoreSeedsWithEveryCommand)
{
    unsigned first = 1001u, last = 1100u;
    if (const char* seeds = std::getenv("VYX_UNDO_SEEDS")) {
        const std::string text = seeds;
        const std::size_t dash = text.find('-');
        first = static_cast<unsigned>(std::stoul(text.substr(0, dash)));
        last = dash == std::string::npos ? first : static_cast<unsigned>(std::stoul(text.substr(dash + 1)));
    }
    int failed = 0;
    for (unsigned seed = first; seed <= last; ++seed) {
        TVYXLogDocEditor doc;
        BuildRich(doc);
        doc.Undo().Clear();
        std::mt19937 rng(seed);
        std::vector<std::string> before, after;
        const std::string what = "seed " + std::to_string(seed);
        // A fatal failure ends its seed only; five failing seeds end the run.
        const testing::TestResult& result = *testing::UnitTest::GetInstance()->current_test_info()->result();
        const int parts = result.total_part_count();
        RunCommands(doc, doc, rng, 2000, before, after, what, true, true, true);
        if (result.total_part_count() == parts)
            UndoAndRedoAll(doc, doc, before, after, what);
        if (result.total_part_count() != parts && ++failed >= 5)
            return;
    }
}
