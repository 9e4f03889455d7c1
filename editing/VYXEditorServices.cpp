// VYXEditorServices.cpp: the editor's services over its body: find and replace, the clipboard, field update, tracked moves, accepting and rejecting changes, bookmarks.
//
// Each service is a member the editor owns (the find engine, the copy/paste
// worker) or builds for one call (the field updater), and the changes it makes go
// through the document's primitive edits, so watchers such as undo see them. Field
// results are the exception: the updater writes them into the field runs, since a
// copied field run only refers to the field its original owns.
// Positions a service keeps between commands (the find engine's place) can go
// stale after edits made elsewhere, so each command starts again from the caret or
// the selection, which the editor keeps valid.
#include <algorithm>
#include <tuple>

#include "editing/VYXClipboardCmd.h"
#include "editing/VYXFieldUpdate.h"
#include "editing/VYXFindReplace.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/VYXUndoMarks.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXParaProps.h"
#include "model/VYXRevision.h"
#include "platform/VYXClipboard.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

// ---- Find and replace -----------------------------------------------------------

TVYXFindReplaceText& TVYXLogDocEditor::FindReplace()
{
    if (!FFindReplace)
        FFindReplace = std::make_unique<TVYXFindReplaceText>(*this);
    return *FFindReplace;
}

void TVYXLogDocEditor::BeginFind(std::u16string_view findText, std::u16string_view replaceText, unsigned options)
{
    FindReplace().BeginFind(findText, replaceText, options);
}

namespace {

// True when the first selection is exactly the engine's current hit.
bool SelectionIsHit(const TVYXSelections& selections, const TVYXFindReplaceText& engine)
{
    if (!engine.Found() || selections.Count() == 0)
        return false;
    const TVYXLogSelection& sel = *selections.First();
    return sel.First.Equal(engine.CurrSel().First) && sel.Last.Equal(engine.CurrSel().Last);
}

}  // namespace

bool TVYXLogDocEditor::CmdFindReplace(TVYXCommand cmd)
{
    const TVYXUndoGroup undoGroup(UndoFor(), cmd, *this);
    TVYXFindReplaceText& engine = FindReplace();
    if (engine.FindText().empty())
        return false;
    if (!FCaret.Valid())
        CaretToValid();
    if (!FCaret.Para)
        return false;
    // After a find the caret stands at the hit's end, so searching on from the caret
    // is searching on from the hit.
    auto findFrom = [&](const TVYXLogPos& pos) {
        engine.Restart(pos);
        if (!engine.FindNextAndSelect(*FSelections)) {
            SetRepaint(true);
            return false;
        }
        FSelections->Status = assNone;
        MoveCaretTo(engine.CurrSel().Last);
        SetRepaint(true);
        return true;
    };
    switch (cmd) {
    case vycFindFromPos:
    case vycFindNext:
    case vycReplaceFromPos: return findFrom(FCaret);
    case vycReplaceSelection:
    case vycReplaceNext: {
        if (!TestRestriction(vycDelSelection))
            return false;
        // The selection is replaced only when it still is a hit: found again from its start.
        if (!FSelections->HasSelection() || FSelections->IsEmpty())
            return cmd == vycReplaceNext && findFrom(FCaret);
        const TVYXLogPos start = FSelections->GetFirstPos();
        engine.Restart(start);
        if (!engine.FindNext() || !SelectionIsHit(*FSelections, engine))
            return cmd == vycReplaceNext && findFrom(FCaret);
        const TVYXLogSelection hit = engine.CurrSel();
        const TVYXDocAddress at = AddressOf(hit.First);
        FSelections->Clear();
        FSelections->Status = assNone;
        const TVYXDocRange replaced =
            VYXReplaceRange(*this, {at, AddressOf(hit.Last)}, engine.ReplaceText());
        FCaret.Assign(PosAt(replaced.Last));
        FInsertCHPX.reset();
        Changed();
        if (cmd == vycReplaceNext)
            findFrom(FCaret);
        return true;
    }
    default: return false;
    }
}

int TVYXLogDocEditor::FindAll()
{
    TVYXFindReplaceText& engine = FindReplace();
    FSelections->Clear();
    FSelections->Status = assNone;
    const int count = engine.FindText().empty() ? 0 : engine.FindAll(*FSelections);
    SetRepaint(true);
    return count;
}

int TVYXLogDocEditor::ReplaceAll()
{
    TVYXFindReplaceText& engine = FindReplace();
    if (engine.FindText().empty() || IsEmpty() || !TestRestriction(vycDelSelection))
        return 0;
    // Replacements change lengths within paragraphs only (hits never cross one), so
    // the caret's address names its paragraph still; its place is clamped.
    const TVYXDocAddress caret = AddressOf(FCaret);
    // Every replacement of one call is one step to take back.
    const TVYXUndoGroup undoGroup(UndoFor(), vycReplaceFromPos, *this);
    FSelections->Clear();
    FSelections->Status = assNone;
    int count = 0;
    {
        TVYXEditorUpdate update(*this);
        count = engine.ReplaceAll();
        TVYXLogPos pos;
        if (pos.SetAddress(Paras(), {caret.Path, caret.Item, 1}) && pos.Valid()) {
            pos.CharPos = caret.CharPos;
            pos.SetWithinLimits();
            FCaret.Assign(pos);
        } else
            FCaret.Clear();
    }
    if (count > 0)
        Changed();
    SetRepaint(true);
    return count;
}

// ---- Clipboard --------------------------------------------------------------------

void TVYXLogDocEditor::SetClipboard(TVYXClipboard* clipboard)
{
    FClipboard = clipboard;
    FClipboardCmd.reset();
}

TVYXClipboard* TVYXLogDocEditor::Clipboard() const
{
    if (FClipboard)
        return FClipboard;
    return FParentEditor ? FParentEditor->Clipboard() : nullptr;
}

TVYXClipboardCmd* TVYXLogDocEditor::ClipboardCmd()
{
    TVYXClipboard* clipboard = Clipboard();
    if (!clipboard) {
        FClipboardCmd.reset();
        return nullptr;
    }
    // The worker borrows one clipboard for its life: a new clipboard, a new worker.
    if (!FClipboardCmd || FClipboardCmdFor != clipboard) {
        FClipboardCmd = std::make_unique<TVYXClipboardCmd>(*this, *clipboard);
        FClipboardCmdFor = clipboard;
    }
    return FClipboardCmd.get();
}

bool TVYXLogDocEditor::CmdClipboard(TVYXCommand cmd, TVYXClipboardFormat format)
{
    TVYXClipboardCmd* worker = ClipboardCmd();
    if (!worker || !FCaret.Para)
        return false;
    const bool hasRange = FSelections->HasSelection() && !FSelections->IsEmpty();
    switch (cmd) {
    case vycClipboardCopy:
        return hasRange && worker->Copy(SelectionRange(*FSelections->First()));
    case vycClipboardCut:
        // The deletion is the editor's own, so a tracked cut keeps the text marked
        // deleted and observed, and a later paste of it becomes a move.
        if (!hasRange || !worker->Copy(SelectionRange(*FSelections->First())))
            return false;
        DeleteSelection();
        SetRepaint(true);
        return true;
    case vycClipboardPaste:
    case vycClipboardPastePlain: {
        if (hasRange)
            DeleteSelection();
        if (!FCaret.Valid())
            CaretToValid();
        if (!FCaret.Para)
            return false;
        const TVYXDocAddress at = AddressOf(FCaret);
        std::optional<TVYXDocRange> pasted;
        try {
            pasted = cmd == vycClipboardPaste ? worker->Paste({at, at}, format) : worker->PastePlain({at, at});
        } catch (const VYXException&) {
            pasted.reset();  // the body refused the content; the worker changed nothing
        }
        FSelections->Clear();
        FSelections->Status = assNone;
        if (!pasted) {
            SetRepaint(true);
            return false;
        }
        if (Revision().TrackChanges && !pasted->Empty())
            MarkPasted(*pasted);
        TVYXLogPos end;
        if (end.SetAddress(Paras(), pasted->Last) && end.Valid())
            FCaret.Assign(end);
        else
            CaretToValid();
        FInsertCHPX.reset();
        if (AfterInsertEvent)
            AfterInsertEvent(*this, PosAt(pasted->First));
        Changed();
        return true;
    }
    default: return false;
    }
}

// ---- Tracked moves ----------------------------------------------------------------

void TVYXLogDocEditor::MarkPasted(const TVYXDocRange& pasted)
{
    // Pasted content that is the text of the observed deletion was moved: the
    // deletion becomes the move's origin, the paste its destination. Anything else
    // pasted is an insertion.
    std::u16string text;
    {
        TVYXLogSelection sel;
        sel.First.Assign(PosAt(pasted.First));
        sel.Last.Assign(PosAt(pasted.Last));
        text = sel.GetPlainText();
    }
    TVYXObserver* observer = FObservers.FindText(text);
    if (!observer || !observer->First.SameList(observer->Last)) {
        MarkRevision(pasted, artInsert);
        return;
    }
    const TVYXDocRange from{observer->First, observer->Last};
    FObservers.Clear();
    // Both halves carry one name, which pairs them when either is accepted or rejected.
    const std::u16string name = u"move" + U16(std::to_string(++Revision().InternalIdCnt));
    MarkRevision(from, artMoveFrom, name);
    MarkRevision(pasted, artMoveTo, name);
}

// Watches the editor's own body so the observed deletions keep naming the same
// characters while content is inserted or removed elsewhere.
void TVYXLogDocEditor::TObserverWatcher::DocChanged(TVYXLogDocument& doc, const TVYXDocEditEvent& event)
{
    (void)doc;
    if (event.Change.Kind == adckFormat)
        return;
    TVYXObservers& observers = FEditor.FObservers;
    for (int i = observers.Count() - 1; i >= 0; --i) {
        TVYXObserver& o = observers.GetItems(i);
        o.First = VYXAdjustAddress(o.First, event.Change);
        o.Last = VYXAdjustAddress(o.Last, event.Change);
    }
    observers.DropEmpty();
}

// ---- Fields -----------------------------------------------------------------------


int TVYXLogDocEditor::UpdateFields()
{
    if (FParentEditor)
        return FParentEditor->UpdateFields();
    TVYXFieldUpdater updater;
    updater.Now = ClockEvent ? ClockEvent(*this) : VYXLocalNow();
    updater.Locale = VYXCurrentLocale();
    std::vector<TVYXLogDocument*> secondaries;
    for (TVYXHeadersFooters* list : {FHeaders.get(), FFooters.get()})
        for (TVYXHeaderFooterType type : {ahftDefault, ahftFirst, ahftEven})
            if (TVYXLogDocEditor* editor = list->Find(type))
                secondaries.push_back(editor);
    secondaries.push_back(FFootnotes.get());
    secondaries.push_back(FEndnotes.get());
    for (int i = 0; i < FTextBoxes->Count(); ++i)
        secondaries.push_back(&FTextBoxes->GetItems(i));
    const TVYXUndoGroup undoGroup(UndoFor(), vycControlUpdateFields, *this);
    // Complex fields' results change through the door, which the history hears. A
    // simple field's result is its run's own text, written in place: each one is
    // recorded as it is written, so the records keep the order of the edits and
    // every address in them is true when it is replayed.
    TVYXUndo* undo = UndoFor();
    const TVYXUndoData* newest = nullptr;
    TVYXUndoDataRunTexts* texts = nullptr;
    updater.RunTextEvent = [undo, &newest, &texts](TVYXLogDocument& d, TVYXLogPara& para, int run,
                                                       const std::u16string& before) {
        if (!undo || !undo->ShallAdd())
            return;
        if (!texts || texts->Doc != &d || undo->Peek(0) != newest) {
            auto record = std::make_unique<TVYXUndoDataRunTexts>(vycControlUpdateFields, 0, d);
            texts = record.get();
            undo->AddRecord(std::move(record));
            newest = undo->Peek(0);
        }
        texts->Texts.push_back({VYXAddressOf(para, 1), run, before});
    };
    int written = 0;
    try {
        written = updater.UpdateFields(*this, secondaries);
    } catch (const VYXException&) {
        // The updater reports through the error manager; results written so far stay.
    }
    // A simple field's result written in place may be shorter than it was: a caret or
    // selection beyond it (typing at a result's end goes into the result) would stand
    // past its paragraph's end.
    auto keepWithin = [](TVYXLogDocEditor& editor) {
        editor.CaretToValid();
        TVYXSelections& selections = editor.Selections();
        for (int i = 0; i < selections.Count(); ++i)
            if (!selections.GetItems(i)->Valid()) {
                selections.Clear();
                break;
            }
    };
    keepWithin(*this);
    SetDirty(true);
    SetRepaint(true);
    for (TVYXLogDocument* d : secondaries)
        if (d) {
            if (auto* editor = dynamic_cast<TVYXLogDocEditor*>(d))
                keepWithin(*editor);
            d->SetDirty(true);
        }
    return written;
}

// ---- Accepting and rejecting changes ------------------------------------------------

namespace {

// One step of resolving changes, on characters From..To-1 of one paragraph.
enum TResolveKind {
    rkUnmark,      // the change stays in the text: its mark in the run format goes
    rkRemove,      // the change's text goes
    rkStrip,       // marks kept in text runs themselves (read from files) go: out and back in
    rkUnmarkRun,   // the same on an object or field run, whose copy would not own what it shows:
                   // the mark goes in place, with a record of its own (TVYXUndoDataRunMarks)
    rkUnmarkPara,  // a paragraph format change: its mark in the paragraph format goes
};

struct TResolveStep {
    TResolveKind Kind = rkUnmark;
    TVYXDocAddress Para;  // CharPos unused
    std::int32_t From = 1, To = 1;
    bool WholePara = false;  // rkRemove took every character the paragraph had
};

const TVYXRevisionData* MarkOf(const TVYXCharRun& run)
{
    if (run.Revision())
        return run.Revision();
    return run.CHPX() ? run.CHPX()->GetRevision() : nullptr;
}

// The steps resolving `range`, in reading order.
void StepsOf(const TVYXRevisionRange& range, bool accept, std::vector<TResolveStep>& steps)
{
    if (!range.Revision)
        return;
    const TVYXRevisionType type = range.Revision->RevType;
    if (type == artFormatPAPX) {
        if (range.Para1)
            steps.push_back({rkUnmarkPara, VYXAddressOf(*range.Para1, 1), 1, 1, false});
        return;
    }
    if (!range.CR1 || !range.CR2 || !range.Para1 || !range.Para2)
        return;
    // Format changes lose their mark either way (a rejected one's former format is
    // for undo to give back); insertions and moves-to stay when accepted, deletions
    // and moves-from when rejected; the other side's text goes.
    const std::size_t firstStep = steps.size();
    const bool keep = type == artFormatCHPX ||
                      (accept ? (type == artInsert || type == artMoveTo) : (type == artDelete || type == artMoveFrom));
    for (TVYXLogPara* para = range.Para1; para; para = para->Next()) {
        const TVYXCharRuns& runs = para->CharRuns();
        const int from = para == range.Para1 ? range.CR1->Index() : 0;
        const int to = para == range.Para2 ? range.CR2->Index() : runs.Count() - 1;
        const TVYXDocAddress at = VYXAddressOf(*para, 1);
        for (int i = from; i <= to && i < runs.Count(); ++i) {
            const TVYXCharRun& run = *runs.Items(i);
            const TVYXRevisionData* mark = MarkOf(run);
            if (!mark || mark->RevType != type || run.Len() == 0)
                continue;  // boundaries and other changes are left as they are
            const bool plain = run.Type_() == acrtText || run.Type_() == acrtTab || run.Type_() == acrtBreak;
            const TResolveKind kind = !keep ? rkRemove : !run.Revision() ? rkUnmark : plain ? rkStrip : rkUnmarkRun;
            if (!steps.empty() && steps.back().Kind == kind && steps.back().Para == at && steps.back().To == run.StartPos())
                steps.back().To = run.GetEndPos();
            else
                steps.push_back({kind, at, run.StartPos(), run.GetEndPos(), false});
        }
        if (para == range.Para2)
            break;
    }
    for (std::size_t k = firstStep; k < steps.size(); ++k)
        if (TResolveStep& step = steps[k]; step.Kind == rkRemove && step.From == 1) {
            const TVYXLogPara* para = nullptr;
            for (TVYXLogPara* p = range.Para1; p; p = p->Next()) {
                if (VYXAddressOf(*p, 1) == step.Para) {
                    para = p;
                    break;
                }
                if (p == range.Para2)
                    break;
            }
            step.WholePara = para && step.To == para->EndOfParaPos();
        }
}

}  // namespace

bool TVYXLogDocEditor::ResolveRevisions(bool accept, bool all)
{
    TVYXRevision& rev = Revision();
    rev.Collect();
    std::vector<const TVYXRevisionRange*> ranges;
    if (all) {
        for (int i = 0; i < rev.Ranges.Count(); ++i)
            ranges.push_back(rev.Ranges.GetItems(i));
    } else {
        // The change at the caret, else the one the caret stands right after (what
        // was just typed or pasted), else the next one; with its move partner.
        int index = 0;
        for (TVYXLogPara* p = FirstPara(); p && p != FCaret.Para; p = p->Next())
            ++index;
        const TVYXRevisionPos at{index, FCaret.CharPos};
        TVYXRevisionRange* range = rev.Ranges.Find(at);
        for (int i = 0; !range && i < rev.Ranges.Count(); ++i)
            if (rev.Ranges.GetItems(i)->Last() == at)
                range = rev.Ranges.GetItems(i);
        if (!range)
            range = rev.Ranges.FindNext(at);
        if (range) {
            ranges.push_back(range);
            if (TVYXRevisionRange* partner = rev.Ranges.FindMove(*range))
                ranges.push_back(partner);
        }
    }
    std::vector<TResolveStep> steps;
    for (const TVYXRevisionRange* range : ranges)
        StepsOf(*range, accept, steps);
    if (steps.empty())
        return false;
    // Marks first (format edits move no address), then removals from the last to the
    // first, so the addresses still to use stay true.
    const TVYXDocAddress caret = AddressOf(FCaret);
    FSelections->Clear();
    FSelections->Status = assNone;
    FObservers.Clear();
    for (const TResolveStep& step : steps) {
        TVYXLogPara* para = VYXParaAt(Paras(), step.Para);
        if (para && step.Kind == rkUnmarkRun) {
            // Marks kept on field and object runs go in place (a copy of the run would
            // not own what it shows); the record keeps them by run index, made now, so
            // the edits after it leave its addresses true when it is replayed.
            TVYXUndoDataRunMarks marks(accept ? vycRevisionAccept : vycRevisionReject, 0, *this);
            for (int i = 0; i < para->Count(); ++i)
                if (const TVYXCharRun* run = para->GetItems(i); run->StartPos() >= step.From && run->GetEndPos() <= step.To)
                    marks.Unmark(*para, i);
            para->MakeDirty();
            if (TVYXUndo* undo = UndoFor(); undo && undo->ShallAdd() && !marks.Marks.empty()) {
                auto record = std::make_unique<TVYXUndoDataRunMarks>(marks.Command, 0, *this);
                record->Marks = std::move(marks.Marks);
                undo->AddRecord(std::move(record));
            }
            continue;
        }
        if (!para || (step.Kind != rkUnmark && step.Kind != rkUnmarkPara))
            continue;
        TVYXDocFormats formats;
        formats.Range = {step.Para, step.Para};
        formats.Range.First.CharPos = step.From;
        formats.Range.Last.CharPos = step.To;
        if (step.Kind == rkUnmarkPara) {
            auto papx = std::make_unique<TVYXPAPX>(para->PAPX().PAP());
            papx->Assign(para->PAPX(), nullptr, nullptr);
            papx->RemoveRevision();
            formats.Paras.push_back({step.Para, std::move(papx), nullptr});
        } else {
            for (int i = 0; i < para->Count(); ++i) {
                const TVYXCharRun& run = *para->GetItems(i);
                const std::int32_t a = std::max(step.From, run.StartPos()), b = std::min(step.To, run.GetEndPos());
                if (a >= b)
                    continue;
                std::unique_ptr<TVYXCHPX> chpx;
                if (run.CHPX()) {
                    chpx = std::make_unique<TVYXCHPX>(&GetMasterCHP());
                    chpx->Assign(*run.CHPX(), nullptr, nullptr);
                    chpx->RemoveRevision();
                    if (chpx->Count() == 0)
                        chpx.reset();
                }
                formats.Runs.push_back({step.Para, a, b, std::move(chpx)});
            }
        }
        RestoreFormats(formats);
    }
    std::vector<const TResolveStep*> edits;
    for (const TResolveStep& step : steps)
        if (step.Kind == rkRemove || step.Kind == rkStrip)
            edits.push_back(&step);
    std::sort(edits.begin(), edits.end(), [](const TResolveStep* a, const TResolveStep* b) {
        return std::tie(b->Para, b->From) < std::tie(a->Para, a->From);
    });
    for (const TResolveStep* step : edits) {
        TVYXDocRange range{step->Para, step->Para};
        range.First.CharPos = step->From;
        range.Last.CharPos = step->To;
        if (step->Kind == rkStrip) {
            std::unique_ptr<TVYXDocFragment> text = RemoveContent(range);
            for (int i = 0; i < text->Paras->Count(); ++i)
                if (TVYXLogParaItem* item = text->Paras->GetItems(i); item->IsPara())
                    for (int r = 0; r < static_cast<TVYXLogPara*>(item)->Count(); ++r)
                        static_cast<TVYXLogPara*>(item)->GetItems(r)->RemoveRevision();
            InsertContent(range.First, *text);
            continue;
        }
        RemoveContent(range);
        // A paragraph whose whole text was a resolved change goes too, mark and all,
        // unless it is the last one its list has.
        TVYXLogPara* para = VYXParaAt(Paras(), range.First);
        if (!step->WholePara || !para || !para->IsZeroLength())
            continue;
        TVYXLogParaItem* next = para->NextInParas();
        TVYXLogParaItem* prev = para->PrevInParas();
        TVYXDocRange mark{range.First, range.First};
        mark.First.CharPos = 1;
        if (next && next->IsPara()) {
            mark.Last.Item += 1;
            mark.Last.CharPos = 1;
        } else if (prev && prev->IsPara()) {
            mark.First.Item -= 1;
            mark.First.CharPos = static_cast<TVYXLogPara*>(prev)->EndOfParaPos();
            mark.Last.CharPos = 1;
        } else
            continue;
        RemoveContent(mark);
    }
    rev.Collect();
    // The caret goes back where it stood, or as near as what is left allows.
    TVYXLogPos pos;
    if (pos.SetAddress(Paras(), {caret.Path, caret.Item, 1}) && pos.Valid()) {
        pos.CharPos = caret.CharPos;
        pos.SetWithinLimits();
        FCaret.Assign(pos);
    } else {
        FCaret.Clear();
        CaretToValid();
    }
    FInsertCHPX.reset();
    Changed();
    return true;
}

// ---- Bookmarks ------------------------------------------------------------------------

TVYXBookmark* TVYXLogDocEditor::MakeBookmarkAt(std::u16string_view name, const TVYXLogPos& first,
                                               const TVYXLogPos& last)
{
    if (!first.Valid() || !last.Valid() || last.Less(first))
        return nullptr;
    // The pair of boundary runs goes in as one run edit at the start; a boundary has
    // no characters, so watchers hear an empty insertion where the bookmark opens.
    TVYXBookmark* mark = nullptr;
    try {
        InsertRun(AddressOf(first), [&](TVYXLogPara& para, std::int32_t pos) -> TVYXCharRun* {
            mark = para.InsertBookmark(name, pos, last.CharPos, last.Para == first.Para ? nullptr : last.Para);
            if (!mark)
                return nullptr;
            for (int i = 0; i < para.Count(); ++i)
                if (TVYXCharRun* run = para.GetItems(i); run->StartPos() == pos && run->Type_() == acrtLinked &&
                                                         VYXAsBookmark(*static_cast<TVYXCharRunLinked*>(run)) == mark)
                    return run;
            return nullptr;
        });
    } catch (const VYXException&) {
        return nullptr;
    }
    // The boundary runs go in beside the door: undo takes the bookmark out by name.
    if (mark)
        if (TVYXUndo* undo = UndoFor())
            undo->AddRecord(std::make_unique<TVYXUndoDataBookmark>(vycNone, 0, *this, name,
                                                                   TVYXDocRange{AddressOf(first), AddressOf(last)}, true));
    return mark;
}
