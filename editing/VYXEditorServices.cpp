// VYXEditorServices.cpp: the editor's services over its body: find and replace,
// the clipboard, field update, and tracked moves made by cut and paste.
//
// Each service is a member the editor owns (the find engine, the copy/paste
// worker) or builds for one call (the field updater), and every change it makes
// goes through the document's primitive edits, so watchers such as undo see them.
// Positions a service keeps between commands (the find engine's place) can go
// stale after edits made elsewhere, so each command starts again from the caret or
// the selection, which the editor keeps valid.
#include <ctime>

#include "editing/VYXClipboardCmd.h"
#include "editing/VYXFieldUpdate.h"
#include "editing/VYXFindReplace.h"
#include "editing/VYXLogEditor.h"
#include "model/VYXCharRun.h"
#include "model/VYXRevision.h"
#include "platform/VYXClipboard.h"
#include "platform/VYXException.h"

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
    MarkRevision(from, artMoveFrom);
    MarkRevision(pasted, artMoveTo);
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

namespace {

// Local time now as days since 1899-12-30.
double SystemNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<double>(now + local.tm_gmtoff) / 86400.0 + 25569.0;
}

}  // namespace

int TVYXLogDocEditor::UpdateFields()
{
    if (FParentEditor)
        return FParentEditor->UpdateFields();
    TVYXFieldUpdater updater;
    updater.Now = ClockEvent ? ClockEvent(*this) : SystemNow();
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
    int written = 0;
    try {
        written = updater.UpdateFields(*this, secondaries);
    } catch (const VYXException&) {
        // The updater reports through the error manager; results written so far stay.
    }
    SetDirty(true);
    SetRepaint(true);
    for (TVYXLogDocument* d : secondaries)
        if (d)
            d->SetDirty(true);
    return written;
}
