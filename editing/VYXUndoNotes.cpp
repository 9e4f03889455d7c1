// VYXUndoNotes.cpp: note records and the upkeep of note anchors and limits (see VYXUndoNotes.h).
#include "editing/VYXUndoNotes.h"

#include <algorithm>
#include <set>

#include "editing/VYXLogEditor.h"
#include "model/VYXCharRun.h"
#include "model/VYXForEachPara.h"
#include "model/VYXNotes.h"
#include "model/VYXTable.h"
#include "platform/VYXException.h"

namespace {

const TVYXCharRunFootnote* NoteRun(const TVYXCharRun& run)
{
    const TVYXCharRunType type = run.Type_();
    return type == acrtFootnote || type == acrtFootnoteRef ? static_cast<const TVYXCharRunFootnote*>(&run) : nullptr;
}

// Whether a run of `para` overlapping From..To-1 is a note mark.
bool HoldsNoteRun(const TVYXLogPara& para, std::int32_t from, std::int32_t to)
{
    for (int i = 0; i < para.Count(); ++i) {
        const TVYXCharRun* run = para.GetItems(i);
        if (NoteRun(*run) && run->GetEndPos() > from && run->StartPos() < to)
            return true;
    }
    return false;
}

// Whether `list` holds note marks; the notes its reference runs name go to `refs`.
bool ListHoldsNoteRuns(const TVYXLogParas& list, std::vector<const TVYXFootnoteBaseItem*>& refs)
{
    bool found = false;
    VYXForEachPara(list, [&found, &refs](const TVYXLogPara& para) {
        for (int i = 0; i < para.Count(); ++i)
            if (const TVYXCharRunFootnote* run = NoteRun(*para.GetItems(i))) {
                found = true;
                if (!run->IsRef && run->Footnote)
                    refs.push_back(run->Footnote);
            }
    });
    return found;
}

// Reference marks show their note's number, and a number that grew or lost a digit
// moves the runs after it. The numbers are derived, not recorded (see
// TVYXCharRunFootnote::GetText): only the runs' start positions are brought up to date,
// in every paragraph holding a mark, cells included, of both bodies.
void Renumber(TVYXLogParas& list)
{
    VYXForEachPara(list, [](TVYXLogPara& para) {
        if (HoldsNoteRun(para, 1, para.EndOfParaPos() + 1)) {
            para.CharRuns().Reindex();
            para.MakeDirty();
        }
    });
}

TVYXFootnotesList& NoteList(TVYXLogDocEditor& main, bool endnote)
{
    return endnote ? main.EndnoteList() : main.FootnoteList();
}

TVYXLogDocEditor& NotesBody(TVYXLogDocEditor& main, bool endnote) { return endnote ? main.Endnotes() : main.Footnotes(); }

// The notes editor's caret after its paragraphs moved beside the door: where `address`
// (already adjusted) points, else the start of the body; no selections.
void PlaceCaret(TVYXLogDocEditor& notes, const TVYXDocAddress& address)
{
    notes.Selections().Clear();
    TVYXLogPos pos;
    if (pos.SetAddress(notes.Paras(), address) && pos.Valid())
        notes.Caret().Assign(pos);
    else if (TVYXLogPara* first = notes.Paras()._FirstPara())
        notes.Caret().Assign(first, 1);
    else
        notes.Caret().Clear();
}

TVYXDocRange ItemRange(int first, int count)
{
    TVYXDocRange range;
    range.First.Item = first;
    range.Last.Item = first + count;
    return range;
}

}  // namespace

TVYXUndoDataNote::TVYXUndoDataNote(TVYXCommand cmd, int group, TVYXLogDocEditor& main, bool endnote, int index,
                                   bool present)
    : TVYXUndoData(cmd, group), Main(&main), Endnote(endnote), Index(index), Present(present)
{
}

// The paragraphs go before the item they name: their runs may name it.
TVYXUndoDataNote::~TVYXUndoDataNote() { Items.clear(); }

std::string TVYXUndoDataNote::AsString() const
{
    return std::string(Present ? "Note out " : "Note in ") + (Endnote ? "endnote " : "footnote ") +
           std::to_string(Index) + " items=" + std::to_string(Items.size()) + " at " + std::to_string(FirstItem);
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataNote::Replay(TVYXUndo& undo)
{
    TVYXLogDocEditor& main = *Main;
    TVYXFootnotesList& list = NoteList(main, Endnote);
    TVYXLogDocEditor& notes = NotesBody(main, Endnote);
    TVYXLogParas& body = notes.Paras();
    const bool live = undo.GetRecordUndo();
    const TVYXDocAddress caret = TVYXLogDocument::AddressOf(notes.Caret());
    auto back = std::make_unique<TVYXUndoDataNote>(Command, Group, main, Endnote, Index, !Present);
    TVYXDocChange change;
    if (Present) {
        // Out: the limits as the bodies have them now, then the paragraphs from the last.
        VYXRelinkNotes(main);
        if (Index < 0 || Index >= list.Count())
            throw VYXException("Invalid address");
        int first = -1, last = -1;
        if (list.GetItems(Index)->CalcLimits(first, last) && list.GetItems(Index)->StartPara->Paras() == &body) {
            back->Items.resize(static_cast<std::size_t>(last - first + 1));
            for (int i = last; i >= first; --i)
                back->Items[static_cast<std::size_t>(i - first)] = body.Extract(i);
            back->FirstItem = first;
            change = {adckRemove, ItemRange(first, last - first + 1)};
        }
        back->Kept = list.Extract(Index);
        back->Kept->StartPara = back->Kept->EndPara = nullptr;
        back->Kept->CharRun = nullptr;
        back->Kept->FNotePara = nullptr;
    } else {
        if (!Kept || FirstItem < 0 || FirstItem > body.Count())
            throw VYXException("Invalid address");
        list.Restore(Index, std::move(Kept));
        const int count = static_cast<int>(Items.size());
        for (int i = 0; i < count; ++i)
            body.InsertItem(FirstItem + i, std::move(Items[static_cast<std::size_t>(i)]));
        Items.clear();
        if (count > 0)
            change = {adckInsert, ItemRange(FirstItem, count)};
    }
    const bool moved = !(change.Range.First == change.Range.Last);
    if (moved) {
        // Carets follow the paragraphs as they follow door edits.
        if (live)
            PlaceCaret(notes, TVYXLogDocument::AdjustAddress(caret, change));
        else
            undo.MovedBesideDoor(notes, change);
    } else if (live && !notes.Caret().Valid())
        PlaceCaret(notes, caret);
    VYXRelinkNotes(main);
    notes.SetDirty(true);
    main.SetDirty(true);
    return back;
}

void VYXRelinkNotes(TVYXLogDocEditor& main)
{
    for (const bool endnote : {false, true}) {
        TVYXFootnotesList& list = NoteList(main, endnote);
        if (list.Count() == 0)
            continue;
        std::set<const TVYXFootnoteBaseItem*> items;
        for (int i = 0; i < list.Count(); ++i) {
            TVYXFootnoteItem* note = list.GetItems(i);
            note->CharRun = nullptr;
            note->FNotePara = nullptr;
            note->StartPara = note->EndPara = nullptr;
            items.insert(note);
        }
        list.Reindex();
        // Anchors: the reference runs of the main body.
        VYXForEachPara(main.Paras(), [&items](TVYXLogPara& para) {
            for (int r = 0; r < para.Count(); ++r) {
                auto* run = dynamic_cast<TVYXCharRunFootnote*>(para.GetItems(r));
                if (run && !run->IsRef && run->Footnote && items.count(run->Footnote)) {
                    auto* note = static_cast<TVYXFootnoteItem*>(run->Footnote);
                    note->CharRun = run;
                    note->FNotePara = &para;
                }
            }
        });
        // Limits: a note runs from the paragraph holding its mark to the paragraph
        // before the next note's, in the notes body's own list. They follow from the
        // body alone, so an edit and its undo agree on them: a note whose mark was
        // deleted has no text of its own, its paragraphs join the note before.
        TVYXLogParas& body = NotesBody(main, endnote).Paras();
        TVYXFootnoteItem* open = nullptr;
        for (int i = 0; i < body.Count(); ++i) {
            if (!body.GetItems(i)->IsPara())
                continue;
            auto& para = *static_cast<TVYXLogPara*>(body.GetItems(i));
            TVYXFootnoteItem* starts = nullptr;
            for (int r = 0; r < para.Count() && !starts; ++r) {
                auto* run = dynamic_cast<TVYXCharRunFootnote*>(para.GetItems(r));
                if (run && run->IsRef && run->Footnote && items.count(run->Footnote) &&
                    !static_cast<TVYXFootnoteItem*>(run->Footnote)->StartPara)
                    starts = static_cast<TVYXFootnoteItem*>(run->Footnote);
            }
            if (starts) {
                open = starts;
                open->StartPara = open->EndPara = &para;
            } else if (open)
                open->EndPara = &para;
        }
        Renumber(main.Paras());
        Renumber(body);
    }
}

void VYXDropOrphanNotes(TVYXLogDocEditor& main, TVYXUndo& undo, const std::vector<const TVYXFootnoteBaseItem*>& removed)
{
    VYXRelinkNotes(main);
    for (const bool endnote : {false, true}) {
        TVYXFootnotesList& list = NoteList(main, endnote);
        for (int i = list.Count() - 1; i >= 0; --i) {
            const TVYXFootnoteItem* note = list.GetItems(i);
            if (note->CharRun || std::find(removed.begin(), removed.end(), note) == removed.end())
                continue;  // still referenced (moved, pasted), or never referenced by the body
            TVYXUndoDataNote out(vycDelSelection, 0, main, endnote, i, true);
            undo.AddRecord(out.Replay(undo));
        }
    }
}

void VYXRecordNoteInsert(TVYXLogDocEditor& editor, bool endnote)
{
    TVYXLogDocEditor& main = editor.MainEditor();
    TVYXFootnotesList& list = NoteList(main, endnote);
    const TVYXFootnoteItem* note = list.LastAdded();
    TVYXUndo& undo = main.Undo();
    if (!note || !undo.ShallAdd())
        return;
    undo.AddRecord(
        std::make_unique<TVYXUndoDataNote>(endnote ? vycInsertEndnote : vycInsertFootnote, 0, main, endnote,
                                           note->Index, true));
}

bool VYXEditTouchesNotes(TVYXLogDocEditor& main, TVYXLogDocument& doc, const TVYXDocEditEvent& event,
                         std::vector<const TVYXFootnoteBaseItem*>& removedRefs)
{
    if (event.Change.Kind == adckFormat)
        return false;
    if (&doc != &main && doc.DocType() != aldtFootnotes && doc.DocType() != aldtEndnotes)
        return false;  // headers, footers and text boxes hold no notes
    if (main.FootnoteList().Count() == 0 && main.EndnoteList().Count() == 0)
        return false;
    const TVYXDocRange& range = event.Change.Range;
    if (event.Change.Kind == adckRemove) {
        const bool marks = event.Removed && event.Removed->Paras && ListHoldsNoteRuns(*event.Removed->Paras, removedRefs);
        return marks || event.Items || !range.First.SamePara(range.Last);
    }
    if (event.Items || !range.First.SamePara(range.Last))
        return true;  // paragraphs came: a note's first one may be among them
    const TVYXLogPara* para = VYXParaAt(doc.Paras(), range.First);
    return !para || HoldsNoteRun(*para, range.First.CharPos, range.Last.CharPos);
}
