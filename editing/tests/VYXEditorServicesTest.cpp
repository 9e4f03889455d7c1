// The services the editor owns, driven through its commands: find and replace,
// the clipboard, tracked moves by cut and paste, and field update.
#include <gtest/gtest.h>

#include <filesystem>

#include "editing/VYXFindReplace.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXPlainText.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXDocSection.h"
#include "model/VYXGraphics.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "platform/VYXClipboard.h"
#include "platform/VYXStream.h"

namespace {

struct TCounter : TVYXDocWatcher {
    int Inserts = 0, Removes = 0, Formats = 0;
    void DocChanged(TVYXLogDocument&, const TVYXDocEditEvent& event) override
    {
        (event.Change.Kind == adckInsert ? Inserts : event.Change.Kind == adckRemove ? Removes : Formats)++;
    }
};

void Put(TVYXLogDocEditor& doc, int para, std::int32_t pos)
{
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(para), pos)));
}

std::u16string Text(TVYXLogDocEditor& doc, int para) { return doc.Paras().GetParas(para)->GetPlainText(); }

std::u16string Selected(TVYXLogDocEditor& doc)
{
    return doc.Selections().HasSelection() ? doc.Selections().First()->GetPlainText() : std::u16string();
}

// The revision type marking character `pos` of paragraph `para` (artUnknown: none).
TVYXRevisionType RevAt(TVYXLogDocEditor& doc, int para, std::int32_t pos)
{
    const TVYXCHPX* chpx = doc.Paras().GetParas(para)->CHPXAtPos(pos);
    if (chpx && chpx->GetRevision())
        return chpx->GetRevision()->RevType;
    const TVYXCharRun* run = doc.Paras().GetParas(para)->CharRuns().FindAbsolute(pos, false);
    return run && run->Revision() ? run->Revision()->RevType : artUnknown;
}

int CountOf(std::u16string_view text, std::u16string_view word)
{
    int n = 0;
    for (std::size_t at = text.find(word); at != std::u16string_view::npos; at = text.find(word, at + word.size()))
        ++n;
    return n;
}

}  // namespace

// ---- Find and replace ----

TEST(EditorFind, StepsSelectAndReplaceAcrossParagraphsAndCells)
{
    TVYXLogDocEditor doc;
    TVYXTable* t = nullptr;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"A cat and a Cat.");
        t = &doc.AppendTableUI(2, 1);
        doc.CellPara(*t, 1, 0).SetPlainText(u"cat in a cell");
        doc.AppendParaUI(u"last cat");
    }
    TCounter counter;
    doc.AddWatcher(counter);
    doc.BeginFind(u"cat", u"dog", 0);
    // From the caret: every hit in reading order, each becoming the selection with
    // the caret at its end; past the last one nothing is selected anew.
    std::vector<std::u16string> hits;
    ASSERT_TRUE(doc.CmdFindReplace(vycFindFromPos));
    do
        hits.push_back(Selected(doc) + u"@" + std::u16string(1, static_cast<char16_t>(u'0' + doc.Caret().CharPos)));
    while (doc.CmdFindReplace(vycFindNext));
    EXPECT_EQ(hits, (std::vector<std::u16string>{u"cat@6", u"Cat@@", u"cat@4", u"cat@9"}));

    // Replace walks: the selected hit goes, the next one is selected.
    Put(doc, 0, 1);
    ASSERT_TRUE(doc.CmdFindReplace(vycReplaceFromPos));
    ASSERT_TRUE(doc.CmdFindReplace(vycReplaceNext));
    EXPECT_EQ(Text(doc, 0), u"A dog and a Cat.");
    EXPECT_EQ(Selected(doc), u"Cat");
    // A selection that is no longer a hit is not replaced; the next hit is found.
    doc.Selections().First()->First.CharPos = 11;  // "a Cat"
    ASSERT_TRUE(doc.CmdFindReplace(vycReplaceNext));
    EXPECT_EQ(Text(doc, 0), u"A dog and a Cat.");
    EXPECT_EQ(Selected(doc), u"cat");
    EXPECT_EQ(doc.Caret().Para, &doc.CellPara(*t, 1, 0));
    ASSERT_TRUE(doc.CmdFindReplace(vycReplaceSelection));
    EXPECT_EQ(doc.CellPara(*t, 1, 0).GetPlainText(), u"dog in a cell");
    EXPECT_FALSE(doc.Selections().HasSelection()) << "replacing the selection does not move on";

    EXPECT_EQ(doc.FindAll(), 2);
    EXPECT_EQ(doc.Selections().Count(), 2);
    EXPECT_EQ(doc.ReplaceAll(), 2);
    EXPECT_EQ(doc.GetPlainText().find(u"cat"), std::u16string::npos);
    EXPECT_EQ(counter.Removes, 4) << "every replacement went through the door";
    EXPECT_EQ(VYXCheckEditor(doc), "");
    doc.RemoveWatcher(counter);

    // Nothing to find: the commands do nothing.
    doc.BeginFind(u"", u"x", 0);
    EXPECT_FALSE(doc.CmdFindReplace(vycFindNext));
    EXPECT_EQ(doc.ReplaceAll(), 0);
}

TEST(EditorFind, ReplaceAllOfTheSpecimenAndACorpusText)
{
    {
        TVYXLogDocEditor doc;
        doc.AppendParaUI(u"aaa");
        doc.BeginFind(u"a", u"bb", 0);
        EXPECT_EQ(doc.ReplaceAll(), 3);
        EXPECT_EQ(Text(doc, 0), u"bbbbbb");
    }
    const std::filesystem::path dir = std::filesystem::path(VYX_SHARED_DIR) / "corpus" / "html";
    if (!std::filesystem::is_directory(dir))
        GTEST_SKIP() << "no shared corpus at " << dir;
    // A real file read as text: the editor's count agrees with a scan of each paragraph,
    // the caret ends valid and typing still works where it stands.
    int files = 0, total = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (++files > 6)
            break;
        SCOPED_TRACE(entry.path().filename().string());
        TVYXLogDocEditor doc;
        TVYXImportText import(doc.Paras());
        import.LoadFromBytes(VYXReadFile(entry.path().string()), doc.Paras(), false);
        doc.EndUpdate();
        int expected = 0;
        for (int i = 0; i < doc.Paras().Count(); ++i)
            if (doc.Paras().GetItems(i)->IsPara())
                expected += CountOf(doc.Paras().GetParas(i)->GetPlainText(), u"div");
        total += expected;
        Put(doc, doc.Paras().Count() - 1, 1);
        doc.BeginFind(u"div", u"<>", aftoMatchCase);
        EXPECT_EQ(doc.FindAll(), expected);
        EXPECT_EQ(doc.ReplaceAll(), expected);
        EXPECT_EQ(CountOf(doc.GetPlainText(), u"div"), 0);
        EXPECT_TRUE(doc.Caret().Valid());
        EXPECT_TRUE(doc.InsertTextUI(u"x"));
        EXPECT_EQ(VYXCheckEditor(doc), "");
    }
    EXPECT_GT(total, 0);
}

// ---- Clipboard ----

TEST(EditorClipboard, CommandsGoThroughTheHostsClipboard)
{
    TVYXClipboard clipboard;
    int changes = 0;
    clipboard.ChangeEvent = [&](TVYXClipboard&) { ++changes; };
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"one two");
    doc.AppendParaUI(u"three");
    doc.EndUpdate();
    // Without a clipboard the commands do nothing.
    doc.Command(vycSelectAll);
    EXPECT_FALSE(doc.Command(vycClipboardCopy));
    EXPECT_EQ(doc.ClipboardCmd(), nullptr);

    doc.SetClipboard(&clipboard);
    Put(doc, 0, 1);
    EXPECT_FALSE(doc.Command(vycClipboardCopy)) << "an empty selection copies nothing";
    ASSERT_TRUE(doc.CommandSelect(vycMoveWordRight));
    ASSERT_TRUE(doc.Command(vycClipboardCut));
    EXPECT_EQ(clipboard.Text(), u"one ");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Text(doc, 0), u"two");
    // Paste over a selection replaces it; the caret ends after the pasted text.
    Put(doc, 1, 1);
    ASSERT_TRUE(doc.CommandSelect(vycMoveEndOfPara));
    ASSERT_TRUE(doc.Command(vycClipboardPaste));
    EXPECT_EQ(Text(doc, 1), u"one ");
    EXPECT_EQ(doc.Caret().CharPos, 5);

    // Text from another program with line ends becomes paragraphs; plain paste too.
    clipboard.PutText(u"x\ny");
    ASSERT_TRUE(doc.Command(vycClipboardPastePlain));
    EXPECT_EQ(doc.Paras().Count(), 3);
    EXPECT_EQ(Text(doc, 1), u"one x");
    EXPECT_EQ(Text(doc, 2), u"y");

    // A header has no clipboard of its own: it uses its main editor's.
    TVYXLogDocEditor& header = doc.Headers().AddDefault();
    EXPECT_EQ(header.Clipboard(), &clipboard);
    ASSERT_TRUE(header.Command(vycClipboardPaste));
    EXPECT_EQ(header.GetPlainText(), u"x\r\ny");
    EXPECT_EQ(VYXCheckEditor(doc), "");
    EXPECT_EQ(VYXCheckEditor(header), "");

    // An empty clipboard pastes nothing and changes nothing.
    clipboard.Clear();
    const std::u16string before = doc.GetPlainText();
    EXPECT_FALSE(doc.Command(vycClipboardPaste));
    EXPECT_EQ(doc.GetPlainText(), before);
    doc.SetClipboard(nullptr);
    EXPECT_FALSE(doc.Command(vycClipboardPaste));
}

// ---- Tracked moves ----

TEST(EditorRevisions, TrackedCutAndPasteIsAMoveEvenAfterEditsBetween)
{
    TVYXClipboard clipboard;
    TVYXLogDocEditor doc;
    doc.SetClipboard(&clipboard);
    doc.AppendParaUI(u"keep move me here");
    doc.AppendParaUI(u"target");
    doc.EndUpdate();
    doc.Command(vycRevisionTrackChanges, true);
    Put(doc, 0, 6);
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(doc.CommandSelect(vycMoveCharRight));
    ASSERT_EQ(Selected(doc), u"move me ");
    ASSERT_TRUE(doc.Command(vycClipboardCut));
    EXPECT_EQ(Text(doc, 0), u"keep move me here") << "tracked: the text stays, marked deleted";
    EXPECT_EQ(RevAt(doc, 0, 6), artDelete);
    ASSERT_EQ(doc.Observers().Count(), 1);

    // Typing in front of the deletion shifts it; the observer follows.
    Put(doc, 0, 1);
    ASSERT_TRUE(doc.InsertTextUI(u">> "));
    EXPECT_EQ(doc.Observers().GetItems(0).First.CharPos, 9);

    Put(doc, 1, 7);
    ASSERT_TRUE(doc.Command(vycClipboardPaste));
    EXPECT_EQ(Text(doc, 1), u"targetmove me ");
    EXPECT_EQ(RevAt(doc, 0, 8), artUnknown);
    for (std::int32_t pos = 9; pos < 17; ++pos)
        EXPECT_EQ(RevAt(doc, 0, pos), artMoveFrom) << pos;
    EXPECT_EQ(RevAt(doc, 0, 17), artUnknown);
    EXPECT_EQ(RevAt(doc, 1, 6), artUnknown);
    for (std::int32_t pos = 7; pos < 15; ++pos)
        EXPECT_EQ(RevAt(doc, 1, pos), artMoveTo) << pos;
    EXPECT_EQ(doc.Observers().Count(), 0) << "a deletion moves once";

    // Another paste of the same text is an ordinary insertion.
    ASSERT_TRUE(doc.Command(vycClipboardPaste));
    EXPECT_EQ(RevAt(doc, 1, 15), artInsert);
    EXPECT_EQ(VYXCheckEditor(doc), "");
}

TEST(EditorRevisions, ObserverGoesWhenItsTextIsRemovedForGood)
{
    TVYXClipboard clipboard;
    TVYXLogDocEditor doc;
    doc.SetClipboard(&clipboard);
    doc.AppendParaUI(u"abc def");
    doc.EndUpdate();
    doc.Command(vycRevisionTrackChanges, true);
    Put(doc, 0, 5);
    doc.CommandSelect(vycMoveEndOfPara);
    ASSERT_TRUE(doc.Command(vycClipboardCut));
    ASSERT_EQ(doc.Observers().Count(), 1);
    // Untracked, the marked text is really removed: nothing is left to move.
    doc.Command(vycRevisionTrackChanges, false);
    Put(doc, 0, 4);
    doc.CommandSelect(vycMoveEndOfPara);
    ASSERT_TRUE(doc.Command(vycDelSelection));
    EXPECT_EQ(doc.Observers().Count(), 0);
    doc.Command(vycRevisionTrackChanges, true);
    ASSERT_TRUE(doc.Command(vycClipboardPaste));
    EXPECT_EQ(RevAt(doc, 0, 4), artInsert);
}

// ---- Fields ----

TEST(EditorFields, UpdateReachesEverySubDocumentWithTheInjectedClock)
{
    TVYXLogDocEditor doc;
    doc.ClockEvent = [](TVYXLogDocEditor&) { return 45667.5625; };  // 2025-01-10 13:30
    doc.AppendParaUI(u"Printed ");
    doc.GetOrAddLastPara().AppendField(u"DATE \\@ \"yyyy-MM-dd\"");
    TVYXTable& t = doc.AppendTableUI(1, 3);
    doc.CellPara(t, 0, 0).SetPlainText(u"2");
    doc.CellPara(t, 0, 1).SetPlainText(u"40");
    doc.CellPara(t, 0, 2).AppendField(u"=SUM(ABOVE)");
    doc.Headers().AddDefault().GetOrAddLastPara().AppendField(u"TIME \\@ \"HH:mm\"");
    doc.Footers().AddFirst().GetOrAddLastPara().AppendField(u"SEQ n");
    doc.AppendFootnote(u"see ");
    doc.Footnotes().GetOrAddLastPara().AppendField(u"SEQ n");
    doc.EndUpdate();
    doc.SetDirty(false);

    // F9 on the header updates everything, the main document first.
    TVYXLogDocEditor& header = *doc.Headers().Find(ahftDefault);
    ASSERT_EQ(KeyToCommand(VYXFunctionKey(9), vyssNone), vycControlUpdateFields);
    EXPECT_TRUE(header.Command(vycControlUpdateFields));
    EXPECT_EQ(doc.GetPlainText().substr(0, 18), u"Printed 2025-01-10");
    EXPECT_EQ(doc.CellPara(t, 0, 2).GetPlainText(), u"42");
    EXPECT_EQ(header.GetPlainText(), u"13:30");
    EXPECT_EQ(doc.Footers().Find(ahftFirst)->GetPlainText(), u"1");
    EXPECT_NE(doc.Footnotes().GetPlainText().find(u"see 2"), std::u16string::npos);
    EXPECT_TRUE(doc.Dirty());

    // Without a clock the system's is read: some date is written.
    doc.ClockEvent = nullptr;
    EXPECT_EQ(doc.UpdateFields(), 5);
    EXPECT_EQ(doc.GetPlainText().substr(0, 10), u"Printed 20");
}

// ---- Accepting and rejecting through the door ----

namespace {

// "keep [inserted ]plain [deleted ]end" with the marks the editor makes.
void BuildTracked(TVYXLogDocEditor& doc)
{
    doc.AppendParaUI(u"keep plain deleted end");
    doc.EndUpdate();
    doc.Command(vycRevisionTrackChanges, true);
    Put(doc, 0, 12);
    for (int i = 0; i < 8; ++i)
        doc.CommandSelect(vycMoveCharRight);
    doc.Command(vycDelSelection);
    Put(doc, 0, 6);
    doc.InsertTextUI(u"inserted ");
    doc.Command(vycRevisionTrackChanges, false);
}

bool AnyMark(TVYXLogDocEditor& doc)
{
    for (TVYXLogPara* p = doc.FirstPara(); p; p = p->Next())
        for (int i = 0; i < p->Count(); ++i)
            if (p->GetItems(i)->HasAnyRevision())
                return true;
    return false;
}

}  // namespace

TEST(EditorRevisions, AcceptAndRejectAllAreDoorEdits)
{
    struct TCase {
        TVYXCommand Cmd;
        std::u16string Result;
    };
    for (const TCase& c : {TCase{vycRevisionAcceptAll, u"keep inserted plain end"},
                           TCase{vycRevisionRejectAll, u"keep plain deleted end"}}) {
        SCOPED_TRACE(std::string(CommandName(c.Cmd)));
        TVYXLogDocEditor doc;
        BuildTracked(doc);
        ASSERT_EQ(Text(doc, 0), u"keep inserted plain deleted end");
        TCounter counter;
        doc.AddWatcher(counter);
        ASSERT_TRUE(doc.Command(c.Cmd));
        EXPECT_EQ(Text(doc, 0), c.Result);
        EXPECT_FALSE(AnyMark(doc));
        EXPECT_EQ(counter.Removes, 1) << "the rejected side's text left through the door";
        EXPECT_GE(counter.Formats, 1) << "the kept side's mark left through the door";
        EXPECT_EQ(VYXCheckEditor(doc), "");
        EXPECT_FALSE(doc.Command(c.Cmd)) << "nothing left to resolve";
        doc.RemoveWatcher(counter);
    }
}

TEST(EditorRevisions, OneChangeAtTheCaretAndMovesInPairs)
{
    TVYXLogDocEditor doc;
    BuildTracked(doc);
    // The caret in "plain": the next change is the deletion; the insertion stays.
    Put(doc, 0, 16);
    ASSERT_TRUE(doc.Command(vycRevisionReject));
    EXPECT_EQ(Text(doc, 0), u"keep inserted plain deleted end");
    EXPECT_EQ(RevAt(doc, 0, 21), artUnknown);
    EXPECT_EQ(RevAt(doc, 0, 6), artInsert);
    Put(doc, 0, 7);
    ASSERT_TRUE(doc.Command(vycRevisionReject));
    EXPECT_EQ(Text(doc, 0), u"keep plain deleted end");

    // A move resolves as one: accepting the destination drops the origin's text.
    TVYXClipboard clipboard;
    TVYXLogDocEditor moved;
    moved.SetClipboard(&clipboard);
    moved.AppendParaUI(u"one two three");
    moved.AppendParaUI(u"four");
    moved.EndUpdate();
    moved.Command(vycRevisionTrackChanges, true);
    Put(moved, 0, 5);
    for (int i = 0; i < 4; ++i)
        moved.CommandSelect(vycMoveCharRight);
    ASSERT_TRUE(moved.Command(vycClipboardCut));
    Put(moved, 1, 5);
    ASSERT_TRUE(moved.Command(vycClipboardPaste));
    ASSERT_EQ(RevAt(moved, 1, 5), artMoveTo);
    ASSERT_TRUE(moved.Command(vycRevisionAccept));
    EXPECT_EQ(Text(moved, 0), u"one three");
    EXPECT_EQ(Text(moved, 1), u"fourtwo ");
    EXPECT_FALSE(AnyMark(moved));
    EXPECT_EQ(VYXCheckEditor(moved), "");
}

TEST(EditorRevisions, WholeParagraphsAndMarksKeptInRunsAsReadersMakeThem)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"first");
    doc.AppendParaUI(u"all of it goes");
    doc.AppendParaUI(u"last");
    // A reader keeps insertion marks in the runs themselves.
    TVYXCharRun* run = doc.AppendParaUI(u"read from a file").GetItems(0);
    run->AddRevision(doc.Revision().Add(u"Reader", artInsert));
    doc.EndUpdate();
    doc.Command(vycRevisionTrackChanges, true);
    Put(doc, 1, 1);
    doc.CommandSelect(vycMoveEndOfPara);
    ASSERT_TRUE(doc.Command(vycDelSelection));
    doc.Command(vycRevisionTrackChanges, false);
    TCounter counter;
    doc.AddWatcher(counter);
    ASSERT_TRUE(doc.Command(vycRevisionAcceptAll));
    ASSERT_EQ(doc.Paras().Count(), 3) << "the emptied paragraph went, mark and all";
    EXPECT_EQ(Text(doc, 1), u"last");
    EXPECT_EQ(Text(doc, 2), u"read from a file");
    EXPECT_FALSE(AnyMark(doc));
    EXPECT_EQ(counter.Inserts, 1) << "the run's own mark went out and back in";
    EXPECT_EQ(VYXCheckEditor(doc), "");
    doc.RemoveWatcher(counter);

    TVYXLogDocEditor rejected;
    rejected.AppendParaUI(u"stays");
    rejected.AppendParaUI(u"read from a file").GetItems(0)->AddRevision(rejected.Revision().Add(u"Reader", artInsert));
    rejected.EndUpdate();
    ASSERT_TRUE(rejected.Command(vycRevisionRejectAll));
    EXPECT_EQ(rejected.GetPlainText(), u"stays");
    EXPECT_EQ(VYXCheckEditor(rejected), "");
}

// ---- Objects and bookmarks through the door ----

TEST(EditorDoor, InlineObjectPropertiesAndBookmarksAreToldToWatchers)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"a");
    auto ellipse = std::make_unique<TVYXGraphicEllipse>();
    ellipse->Width = 40;
    doc.AppendGraphicUI(std::move(ellipse));
    doc.AppendTextUI(u"b");
    doc.EndUpdate();
    TVYXLogPara& para = *doc.Paras().GetParas(0);
    ASSERT_EQ(para.EndOfParaPos(), 4);
    auto* run = dynamic_cast<TVYXCharRunGraphic*>(para.CharRuns().FindAbsolute(2, true));
    ASSERT_TRUE(run && run->Graphic);
    doc.Selections().Select(run->Graphic.get());

    // What went out is the object as it was (what undo puts back); what came in is
    // the changed one, which the selection now holds.
    struct TRecorder : TVYXDocWatcher {
        int Inserts = 0, Removes = 0;
        double RemovedWidth = 0;
        void DocChanged(TVYXLogDocument&, const TVYXDocEditEvent& event) override
        {
            if (event.Change.Kind == adckInsert)
                ++Inserts;
            if (event.Change.Kind != adckRemove || !event.Removed)
                return;
            ++Removes;
            const TVYXLogPara* p = static_cast<const TVYXLogPara*>(event.Removed->Paras->GetItems(0));
            for (int i = 0; i < p->Count(); ++i)
                if (const auto* g = dynamic_cast<const TVYXCharRunGraphic*>(p->GetItems(i)))
                    RemovedWidth = g->Graphic->Width;
        }
    } recorder;
    doc.AddWatcher(recorder);
    ASSERT_TRUE(doc.Command(vycGraphicWidth, 80.0));
    EXPECT_EQ(recorder.Removes, 1);
    EXPECT_EQ(recorder.Inserts, 1);
    EXPECT_DOUBLE_EQ(recorder.RemovedWidth, 40);
    ASSERT_NE(doc.Selections().Graphic, nullptr);
    EXPECT_DOUBLE_EQ(doc.Selections().Graphic->Width, 80);
    EXPECT_EQ(doc.Selections().Graphic,
              dynamic_cast<TVYXCharRunGraphic*>(para.CharRuns().FindAbsolute(2, true))->Graphic.get());
    EXPECT_EQ(para.EndOfParaPos(), 4);
    // A refused value is no edit at all.
    EXPECT_FALSE(doc.Command(vycGraphicPercentWidth, 5000.0));
    EXPECT_EQ(recorder.Removes, 1);
    ASSERT_TRUE(doc.Command(vycGraphicWrap, static_cast<double>(agowInFront)));
    EXPECT_EQ(doc.Selections().Graphic->Wrap, agowInFront);

    // A bookmark over the selection opens where the door says something went in.
    Put(doc, 0, 3);
    doc.CommandSelect(vycMoveCharRight);
    const int before = recorder.Inserts;
    TVYXBookmark* mark = doc.InsertBookmark(u"tail");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->GetPlainText(), u"b");
    EXPECT_EQ(recorder.Inserts, before + 1);
    EXPECT_EQ(doc.InsertBookmark(u"TAIL"), nullptr) << "names are case-insensitive";
    EXPECT_EQ(VYXCheckEditor(doc), "");
    doc.RemoveWatcher(recorder);
}

// ---- Selection operations: tabs, columns, form fields, tags ----

TEST(EditorSelections, TabStopsAcrossTheSelectedParagraphs)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"a\tb");
    doc.AppendParaUI(u"c\td");
    doc.AppendParaUI(u"plain");
    doc.EndUpdate();
    TVYXTabStops stops;
    stops.Add(72, atsaLeft);
    stops.Add(144.5, atsaDecimal, atslDot);
    TCounter counter;
    doc.AddWatcher(counter);
    Put(doc, 0, 2);
    doc.CommandSelect(vycMoveParaDown);
    doc.CommandSelect(vycMoveCharRight);
    ASSERT_TRUE(doc.Selections().SetTabStops(stops));
    EXPECT_EQ(counter.Formats, 1) << "one format edit over both paragraphs";
    TVYXTabStops seen;
    ASSERT_TRUE(doc.Selections().GetEqualTabStops(seen));
    EXPECT_TRUE(seen.Equal(stops));
    EXPECT_EQ(seen.Items(1).Leader, atslDot);
    // With the plain paragraph in, they differ; alone, it has none.
    doc.Command(vycSelectAll);
    EXPECT_FALSE(doc.Selections().GetEqualTabStops(seen));
    Put(doc, 2, 1);
    ASSERT_TRUE(doc.Selections().GetEqualTabStops(seen));
    EXPECT_EQ(seen.Count(), 0);
    // Setting none takes them away.
    doc.Command(vycSelectAll);
    ASSERT_TRUE(doc.Selections().SetTabStops(TVYXTabStops()));
    EXPECT_EQ(doc.Paras().GetParas(0)->GetTabStops() ? doc.Paras().GetParas(0)->GetTabStops()->Count() : 0, 0);
    EXPECT_EQ(VYXCheckEditor(doc), "");
    doc.RemoveWatcher(counter);
}

TEST(EditorSelections, ColumnsBelongToTheSectionsTheSelectionTouches)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"firstsecond");
    doc.EndUpdate();
    Put(doc, 0, 6);
    ASSERT_TRUE(doc.Command(vycControlSectionBreak));
    ASSERT_NE(doc.Paras().GetParas(0)->SEP(), nullptr);
    Put(doc, 1, 1);
    EXPECT_EQ(doc.Selections().GetColumns(), 1);
    ASSERT_TRUE(doc.Command(vycLayoutColumns, 3));
    EXPECT_EQ(doc.SEP().Cols.Count(), 3);
    EXPECT_EQ(doc.Selections().GetColumns(), 3);
    EXPECT_EQ(doc.Paras().GetParas(0)->SEP()->Cols.Count(), 0) << "the first section keeps one column";
    // Equal widths fill the text width with the spaces between.
    const TVYXSEPCols& cols = doc.SEP().Cols;
    EXPECT_NEAR(cols.Items(0).Width * 3 + 2 * 36, doc.Width(), 1e-6);
    EXPECT_NEAR(cols.Items(2).XOffs, 2 * (cols.Items(0).Width + 36), 1e-6);

    doc.Command(vycSelectAll);
    ASSERT_TRUE(doc.Selections().SetColumns(2, 18));
    EXPECT_EQ(doc.Paras().GetParas(0)->SEP()->Cols.Count(), 2);
    EXPECT_EQ(doc.SEP().Cols.Count(), 2);
    ASSERT_TRUE(doc.Selections().SetColumns(1));
    EXPECT_EQ(doc.Selections().GetColumns(), 1);
    EXPECT_FALSE(doc.Selections().SetColumns(0));
    EXPECT_FALSE(doc.Selections().SetColumns(2, -5));
}

TEST(EditorSelections, FormFieldsInReadingOrderWithinTheSelection)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"Name: ");
    doc.GetOrAddLastPara().AppendFormFieldText(u"name", u"Ann");
    doc.AppendTextUI(u" agree ");
    doc.GetOrAddLastPara().AppendFormFieldCheckBox(u"agree", true);
    TVYXTable& t = doc.AppendTableUI(1, 1);
    doc.CellPara(t, 0, 0).AppendFormFieldComboBox(u"size", {u"S", u"M", u"L"}, 1);
    doc.AppendParaUI(u"A field that is no form: ");
    doc.GetOrAddLastPara().AppendField(u"PAGE", u"1");
    doc.EndUpdate();
    auto names = [&doc] {
        std::vector<std::u16string> out;
        for (const TVYXComplexField* f : doc.Selections().FormFields)
            out.push_back(f->Name);
        return out;
    };
    EXPECT_EQ(doc.Selections().CollectFormFields(), 3) << "no selection: the whole document";
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"name", u"agree", u"size"}));
    ASSERT_NE(doc.Selections().FormFields[1]->GetAsCheckBox(), nullptr);
    EXPECT_TRUE(doc.Selections().FormFields[1]->GetAsCheckBox()->Checked);
    Put(doc, 0, 1);
    doc.CommandSelect(vycMoveEndOfPara);
    EXPECT_EQ(doc.Selections().CollectFormFields(), 2);
    Put(doc, 0, 1);
    doc.CommandSelect(vycMoveCharRight);
    EXPECT_EQ(doc.Selections().CollectFormFields(), 0);
}

TEST(EditorSelections, TagsSelectAndBecomeBookmarks)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"Dear <<name>>, your <<order>> <<>> ships <<late");
    doc.AppendParaUI(u"<<city>>");
    doc.EndUpdate();
    Put(doc, 0, 9);
    ASSERT_TRUE(doc.Selections().SelectBetweenTags(u"<<", u">>"));
    EXPECT_EQ(Selected(doc), u"name");
    Put(doc, 0, 3);
    EXPECT_FALSE(doc.Selections().SelectBetweenTags(u"<<", u">>")) << "no tag opens before the caret";
    Put(doc, 0, 46);
    EXPECT_FALSE(doc.Selections().SelectBetweenTags(u"<<", u">>")) << "the last tag never closes";

    doc.Bookmarks().Add(u"ORDER");  // taken: its tag stays
    TCounter counter;
    doc.AddWatcher(counter);
    doc.Command(vycSelectClear);
    EXPECT_EQ(doc.Selections().MakeBookmarksFromTags(u"<<", u">>"), 2);
    EXPECT_EQ(Text(doc, 0), u"Dear , your <<order>> <<>> ships <<late");
    EXPECT_EQ(Text(doc, 1), u"");
    EXPECT_EQ(counter.Removes, 2);
    ASSERT_NE(doc.Bookmarks().Find(u"name"), nullptr);
    ASSERT_NE(doc.Bookmarks().Find(u"city"), nullptr);
    // The bookmark stands where its tag stood: typing there lands after "Dear ".
    EXPECT_EQ(doc.Bookmarks().Find(u"name")->GetPlainText(), u"");
    EXPECT_EQ(VYXCheckEditor(doc), "");
    doc.RemoveWatcher(counter);
}

TEST(EditorRevisions, AcceptedFieldsKeepTheirFieldObjects)
{
    // A field run's copy only refers to its field, so a field keeps its run when its
    // insertion mark goes; the text beside it goes out and back in without its mark.
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"Page ");
    TVYXCharRunSimpleField* field = doc.GetOrAddLastPara().AppendField(u"PAGE", u"7");
    field->AddRevision(doc.Revision().Add(u"Reader", artInsert));
    doc.GetOrAddLastPara().GetItems(0)->AddRevision(doc.Revision().Add(u"Reader", artInsert));
    doc.EndUpdate();
    ASSERT_TRUE(doc.Command(vycRevisionAcceptAll));
    EXPECT_FALSE(AnyMark(doc));
    TVYXLogPara& para = *doc.Paras().GetParas(0);
    const TVYXCharRunSimpleField* after = nullptr;
    for (int i = 0; i < para.Count(); ++i)
        if (para.GetItems(i)->Type_() == acrtSimpleField)
            after = static_cast<const TVYXCharRunSimpleField*>(para.GetItems(i));
    ASSERT_NE(after, nullptr);
    ASSERT_NE(after->SimpField(), nullptr);
    EXPECT_TRUE(after->OwnsField());
    EXPECT_EQ(doc.UpdateFields(), 1);
    EXPECT_EQ(para.GetFileText(), u"Page 1");
    EXPECT_EQ(VYXCheckEditor(doc), "");
}

// ---- What undo takes back ----

TEST(EditorServicesUndo, ReplaceAllAcceptAllObjectsAndMovesComeBack)
{
    {
        TVYXLogDocEditor doc;
        doc.AppendParaUI(u"cat and cat");
        TVYXTable& t = doc.AppendTableUI(1, 1);
        doc.CellPara(t, 0, 0).SetPlainText(u"a cat");
        doc.EndUpdate();
        const std::u16string before = doc.GetPlainText();
        doc.BeginFind(u"cat", u"dog", 0);
        ASSERT_EQ(doc.ReplaceAll(), 3);
        ASSERT_TRUE(doc.Command(vycControlUndo));
        EXPECT_EQ(doc.GetPlainText(), before) << "every replacement of the call is one step";
    }
    {
        TVYXLogDocEditor doc;
        BuildTracked(doc);
        ASSERT_TRUE(doc.Command(vycRevisionAcceptAll));
        ASSERT_TRUE(doc.Command(vycControlUndo));
        EXPECT_EQ(Text(doc, 0), u"keep inserted plain deleted end");
        EXPECT_EQ(RevAt(doc, 0, 6), artInsert);
        EXPECT_EQ(RevAt(doc, 0, 21), artDelete);
        EXPECT_EQ(VYXCheckEditor(doc), "");
    }
    {
        TVYXLogDocEditor doc;
        doc.AppendParaUI(u"a");
        auto ellipse = std::make_unique<TVYXGraphicEllipse>();
        ellipse->Width = 40;
        doc.AppendGraphicUI(std::move(ellipse));
        doc.EndUpdate();
        auto width = [&doc] {
            const auto* run = dynamic_cast<const TVYXCharRunGraphic*>(
                doc.Paras().GetParas(0)->CharRuns().FindAbsolute(2, true));
            return run && run->Graphic ? run->Graphic->Width : -1.0;
        };
        doc.Selections().Select(
            dynamic_cast<TVYXCharRunGraphic*>(doc.Paras().GetParas(0)->CharRuns().FindAbsolute(2, true))->Graphic.get());
        ASSERT_TRUE(doc.Command(vycGraphicWidth, 80.0));
        ASSERT_DOUBLE_EQ(width(), 80);
        ASSERT_TRUE(doc.Command(vycControlUndo));
        EXPECT_DOUBLE_EQ(width(), 40);
    }
    {
        // Undoing a tracked paste that made a move leaves the origin a plain deletion.
        TVYXClipboard clipboard;
        TVYXLogDocEditor doc;
        doc.SetClipboard(&clipboard);
        doc.AppendParaUI(u"one two three");
        doc.EndUpdate();
        doc.Command(vycRevisionTrackChanges, true);
        Put(doc, 0, 5);
        for (int i = 0; i < 4; ++i)
            doc.CommandSelect(vycMoveCharRight);
        ASSERT_TRUE(doc.Command(vycClipboardCut));
        doc.Command(vycMoveEndOfDoc);
        ASSERT_TRUE(doc.Command(vycClipboardPaste));
        ASSERT_EQ(RevAt(doc, 0, 5), artMoveFrom);
        ASSERT_TRUE(doc.Command(vycControlUndo));
        EXPECT_EQ(Text(doc, 0), u"one two three");
        EXPECT_EQ(RevAt(doc, 0, 5), artDelete);
        EXPECT_EQ(VYXCheckEditor(doc), "");
    }
}

TEST(EditorServicesUndo, EditsRoundTheDoorForgetTheHistory)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"x <<tag>> y");
    doc.GetOrAddLastPara().AppendField(u"PAGE", u"9");
    doc.EndUpdate();
    auto typed = [&doc] {
        ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"z"));
        ASSERT_FALSE(doc.Undo().Empty());
    };
    typed();
    doc.UpdateFields();
    EXPECT_FALSE(doc.Undo().Empty()) << "field results are undone";
    typed();
    ASSERT_TRUE(doc.Selections().SetColumns(2));
    EXPECT_FALSE(doc.Undo().Empty()) << "section settings are a door edit";
    typed();
    ASSERT_EQ(doc.Selections().MakeBookmarksFromTags(u"<<", u">>"), 1);
    EXPECT_FALSE(doc.Undo().Empty()) << "bookmarks are undone";
    typed();
    TVYXTabStops tabs;
    tabs.Add(50);
    ASSERT_TRUE(doc.Selections().SetTabStops(tabs));
    EXPECT_FALSE(doc.Undo().Empty()) << "tab stops are a door edit";
}
