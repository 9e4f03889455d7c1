// VYXUndo.cpp: undo and redo over the edit door (see VYXUndo.h for the design).
#include "editing/VYXUndo.h"

#include <algorithm>

#include "editing/VYXLogEditor.h"
#include "model/VYXCharRun.h"
#include "model/VYXUtils.h"
#include "platform/VYXException.h"

namespace {

std::string AddressText(const TVYXDocAddress& a)
{
    std::string s;
    for (const TVYXDocAddressStep& step : a.Path)
        s += std::to_string(step.Item) + "[" + std::to_string(step.Row) + "," + std::to_string(step.Cell) + "]/";
    return s + std::to_string(a.Item) + ":" + std::to_string(a.CharPos);
}

std::string RangeText(const TVYXDocRange& r) { return AddressText(r.First) + "-" + AddressText(r.Last); }

void Capture(TVYXLogDocEditor& editor, TVYXDocAddress& caret, std::vector<TVYXDocRange>& selections)
{
    caret = TVYXLogDocument::AddressOf(editor.Caret());
    selections.clear();
    TVYXSelections& sel = editor.Selections();
    for (int i = 0; i < sel.Count(); ++i) {
        const TVYXLogSelection* s = sel.GetItems(i);
        if (s->Assigned())
            selections.push_back({TVYXLogDocument::AddressOf(s->First), TVYXLogDocument::AddressOf(s->Last)});
    }
}

std::unique_ptr<TVYXCHPX> CopyCHPX(const TVYXCHPX* source)
{
    if (!source)
        return nullptr;
    auto copy = std::make_unique<TVYXCHPX>(source->CHP());
    copy->Assign(*source, nullptr, nullptr);
    return copy;
}

bool IsTyping(TVYXCommand cmd) { return cmd == vycInsertAtCaret || cmd == vycInsertCharAtCaret; }

// A position an address names, or the nearest one still there: the end of the
// paragraph when the character is gone, else the first paragraph of the body.
TVYXLogPos NearestPos(TVYXLogDocEditor& editor, const TVYXDocAddress& address)
{
    TVYXLogPos pos;
    if (pos.SetAddress(editor.Paras(), address) && pos.Valid())
        return pos;
    if (address.Item >= 0)
        if (TVYXLogPara* para = VYXParaAt(editor.Paras(), address)) {
            pos.Assign(para, std::clamp(address.CharPos, 1, para->EndOfParaPos()));
            return pos;
        }
    pos.Clear();
    if (TVYXLogPara* first = editor.Paras()._FirstPara())
        pos.Assign(first, 1);
    return pos;
}

}  // namespace

// ---- Records ----------------------------------------------------------------------

std::string TVYXUndoData::AsString() const { return "Command"; }

std::unique_ptr<TVYXUndoData> TVYXUndoData::Replay(TVYXUndo&)
{
    return std::make_unique<TVYXUndoData>(Command, Group);
}

TVYXUndoDataState::TVYXUndoDataState(TVYXCommand cmd, int group, TVYXLogDocEditor& editor)
    : TVYXUndoData(cmd, group), Editor(&editor)
{
    Capture(editor, Caret, Selections);
}

TVYXUndoDataState::TVYXUndoDataState(TVYXCommand cmd, int group, TVYXLogDocEditor& editor,
                                     const TVYXDocAddress& caret, const std::vector<TVYXDocRange>& selections)
    : TVYXUndoData(cmd, group), Editor(&editor), Caret(caret), Selections(selections)
{
}

TVYXUndoType TVYXUndoDataState::Type_() const
{
    if (!Selections.empty())
        return autSelection;
    return Caret.Depth() > 0 ? autLogPosTable : autLogPos;
}

std::string TVYXUndoDataState::AsString() const
{
    std::string s = (Selections.empty() ? "Caret " : "Selection ") + AddressText(Caret);
    for (const TVYXDocRange& r : Selections)
        s += " " + RangeText(r);
    return s;
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataState::Replay(TVYXUndo& undo)
{
    undo.RestoreState(*Editor, Caret, Selections);
    return std::make_unique<TVYXUndoDataState>(Command, Group, *Editor, Caret, Selections);
}

TVYXUndoDataFocusDoc::TVYXUndoDataFocusDoc(TVYXCommand cmd, int group, TVYXLogDocEditor& focus,
                                           TVYXLogDocEditor& other)
    : TVYXUndoData(cmd, group), Focus(&focus), Other(&other)
{
}

std::string TVYXUndoDataFocusDoc::AsString() const
{
    return "Focus type " + std::to_string(static_cast<int>(Focus->DocType())) + " at " + AddressText(Caret);
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataFocusDoc::Replay(TVYXUndo& undo)
{
    // The editor losing the focus keeps its caret where the replay has it now.
    auto back = std::make_unique<TVYXUndoDataFocusDoc>(Command, Group, *Other, *Focus);
    undo.ReplayState(*Other, back->Caret, back->Selections);
    undo.RestoreState(*Focus, Caret, Selections);
    return back;
}

TVYXUndoDataContent::TVYXUndoDataContent(TVYXCommand cmd, int group, TVYXLogDocument& doc, const TVYXDocAddress& at,
                                         std::unique_ptr<TVYXDocFragment> content, bool items)
    : TVYXUndoData(cmd, group), Doc(&doc), At(at), Content(std::move(content)), Items(items)
{
}

TVYXUndoType TVYXUndoDataContent::Type_() const
{
    const TVYXLogParas* paras = Content ? Content->Paras.get() : nullptr;
    if (Items)
        return paras && paras->Count() == 1 && paras->GetItems(0)->IsTable() ? autCell : autParas;
    if (!paras || paras->Count() != 1 || Content->CrossesParas())
        return autParas;
    const auto* para = static_cast<const TVYXLogPara*>(paras->GetItems(0));
    if (para->Count() == 1 && para->GetItems(0)->Type_() != acrtText)
        return autCharRun;
    return para->Len() == 1 ? autChar : autText;
}

std::string TVYXUndoDataContent::AsString() const
{
    const char* names[] = {"", "", "", "", "", "Char", "Text", "Paras", "CharRun", "", "", "", "", "Cell"};
    const int items = Content && Content->Paras ? Content->Paras->Count() : 0;
    return std::string(names[Type_()]) + " at " + AddressText(At) + " items=" + std::to_string(items);
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataContent::Replay(TVYXUndo& undo)
{
    const TVYXDocRange range = Items ? Doc->InsertItems(At, *Content) : Doc->InsertContent(At, *Content);
    auto back = std::make_unique<TVYXUndoDataDelete>(Command, Group, *Doc, range, Items);
    undo.TakeEmptyRun(*back);
    return back;
}

TVYXUndoDataDelete::TVYXUndoDataDelete(TVYXCommand cmd, int group, TVYXLogDocument& doc, const TVYXDocRange& range,
                                       bool items)
    : TVYXUndoData(cmd, group), Doc(&doc), Range(range), Items(items)
{
}

std::string TVYXUndoDataDelete::AsString() const
{
    return std::string(Items ? "Delete items " : "Delete ") + RangeText(Range) + (EmptyRun ? " +empty run" : "");
}

void TVYXUndoDataDelete::SetEmptyRun(const TVYXDocEditEvent& event)
{
    EmptyRun = event.EmptyRun;
    EmptyRunCHPX = CopyCHPX(event.EmptyRunCHPX);
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataDelete::Replay(TVYXUndo&)
{
    std::unique_ptr<TVYXDocFragment> removed = Items ? Doc->RemoveItems(Range) : Doc->RemoveContent(Range);
    if (EmptyRun && !Items)
        Doc->PutEmptyRun(Range.First, EmptyRunCHPX.get());
    return std::make_unique<TVYXUndoDataContent>(Command, Group, *Doc, Range.First, std::move(removed), Items);
}

TVYXUndoDataDocProp::TVYXUndoDataDocProp(TVYXCommand cmd, int group, TVYXLogDocument& doc,
                                         std::unique_ptr<TVYXDocFormats> formats)
    : TVYXUndoData(cmd, group), Doc(&doc), Formats(std::move(formats))
{
}

std::string TVYXUndoDataDocProp::AsString() const
{
    return (Formats->Runs.empty() ? "DocProp " : "DocPropSel ") + RangeText(Formats->Range) +
           " runs=" + std::to_string(Formats->Runs.size()) + " paras=" + std::to_string(Formats->Paras.size());
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataDocProp::Replay(TVYXUndo&)
{
    return std::make_unique<TVYXUndoDataDocProp>(Command, Group, *Doc, Doc->RestoreFormats(*Formats));
}

// ---- The history ------------------------------------------------------------------

TVYXUndo::TVYXUndo(TVYXLogDocEditor& main) : FMain(main), FFocusDoc(&main) { Watch(main); }

TVYXUndo::~TVYXUndo()
{
    for (TVYXLogDocEditor* editor : FEditors)
        editor->RemoveWatcher(*this);
}

void TVYXUndo::Watch(TVYXLogDocEditor& editor)
{
    if (std::find(FEditors.begin(), FEditors.end(), &editor) != FEditors.end())
        return;
    FEditors.push_back(&editor);
    editor.AddWatcher(*this);
}

void TVYXUndo::Forget(TVYXLogDocEditor& editor)
{
    editor.RemoveWatcher(*this);
    FEditors.erase(std::remove(FEditors.begin(), FEditors.end(), &editor), FEditors.end());
    if (FFocusDoc == &editor)
        FFocusDoc = &FMain;
    if (FGroupEditor == &editor)
        FGroupEditor = &FMain;
    Clear();
}

void TVYXUndo::SetFocusDoc(TVYXLogDocEditor& editor)
{
    if (FFocusDoc == &editor)
        return;
    if (ShallAdd() && FDepth > 0) {
        auto record = std::make_unique<TVYXUndoDataFocusDoc>(FGroupCommand, FGroup, *FFocusDoc, editor);
        Capture(*FFocusDoc, record->Caret, record->Selections);
        Add(std::move(record));
    }
    FFocusDoc = &editor;
}

void TVYXUndo::SetEnabled(bool value)
{
    if (FEnabled && !value)
        Clear();
    FEnabled = value;
}

void TVYXUndo::LoadOptions(const TVYXSysOptions& options) { SetEnabled(options.UndoEnabled); }

void TVYXUndo::SetRecordUndo(bool replaying)
{
    if (replaying)
        ++FReplay;
    else if (FReplay > 0)
        --FReplay;
}

void TVYXUndo::BeginUndo(TVYXCommand cmd, TVYXLogDocEditor& editor)
{
    if (FDepth++ > 0)
        return;
    FGroupCommand = cmd;
    FGroupEditor = &editor;
    FFocusDoc = &editor;
    FGroupStart = FUndoData.size();
    FGroupBroken = false;
    FPendingState.reset();
    if (ShallAdd())
        FPendingState = std::make_unique<TVYXUndoDataState>(cmd, FGroup, editor);
}

void TVYXUndo::EndUndo()
{
    if (FDepth == 0 || --FDepth > 0)
        return;
    FPendingState.reset();
    const bool edited = FUndoData.size() > FGroupStart;
    if (FGroupBroken || !edited || !ShallAdd()) {
        if (FGroupBroken)
            Clear();
        FMayCoalesce = false;
        return;
    }
    try {
        // The state after is the focused editor's: redo leaves the focus where the command did.
        FUndoData.push_back(std::make_unique<TVYXUndoDataState>(FGroupCommand, FGroup, *FFocusDoc));
        FRedoData.clear();
        const bool typing = IsTyping(FGroupCommand);
        if (!(typing && FMayCoalesce && TryCoalesce()))
            ++FGroup;
        FMayCoalesce = typing;
    } catch (...) {
        Clear();  // out of memory while closing: an incomplete group must not stay
    }
}

bool TVYXUndo::TryCoalesce()
{
    // [before, typed, after] twice in a row, the second typed where the first ended.
    const std::size_t n = FUndoData.size();
    if (n < 6 || n - FGroupStart != 3)
        return false;
    auto* typed2 = dynamic_cast<TVYXUndoDataDelete*>(FUndoData[n - 2].get());
    auto* typed1 = dynamic_cast<TVYXUndoDataDelete*>(FUndoData[n - 5].get());
    auto* before1 = dynamic_cast<TVYXUndoDataState*>(FUndoData[n - 6].get());
    const int group1 = FUndoData[n - 4]->Group;
    if (!typed1 || !typed2 || !before1 || typed1->Items || typed2->Items || typed1->Doc != typed2->Doc ||
        !IsTyping(typed1->Command) || FUndoData[n - 5]->Group != group1 || before1->Group != group1 ||
        dynamic_cast<TVYXUndoDataState*>(FUndoData[n - 4].get()) == nullptr ||
        !(typed1->Range.Last == typed2->Range.First) || typed2->EmptyRun)
        return false;
    if (n > 6 && FUndoData[n - 7]->Group == group1)
        return false;  // the earlier group holds more than typing
    typed1->Range.Last = typed2->Range.Last;
    std::unique_ptr<TVYXUndoData> after = std::move(FUndoData[n - 1]);
    after->Group = group1;
    FUndoData.resize(n - 3);
    FUndoData.back() = std::move(after);
    return true;
}

void TVYXUndo::Clear()
{
    FUndoData.clear();
    FRedoData.clear();
    FPendingState.reset();
    FGroupStart = 0;
    FGroupBroken = FDepth > 0;
    FMayCoalesce = false;
    FGroup = 0;
    FReplay = 0;
}

void TVYXUndo::Add(std::unique_ptr<TVYXUndoData> record)
{
    ++FRecordCount;
    if (FDepth == 0) {
        // An edit outside any command is a group of its own.
        record->Group = FGroup++;
        FUndoData.push_back(std::move(record));
        FRedoData.clear();
        FMayCoalesce = false;
        return;
    }
    if (FPendingState) {
        FPendingState->Group = FGroup;
        FUndoData.push_back(std::move(FPendingState));
    }
    record->Group = FGroup;
    FUndoData.push_back(std::move(record));
}

void TVYXUndo::DocChanged(TVYXLogDocument& doc, const TVYXDocEditEvent& event)
{
    if (FReplay > 0) {
        if (event.Change.Kind == adckInsert) {
            FReplayEmptyRun = event.EmptyRun;
            FReplayEmptyRunCHPX = CopyCHPX(event.EmptyRunCHPX);
        }
        // Carets and selections move along with the replayed edits.
        for (TSaved& saved : FSaved) {
            if (static_cast<TVYXLogDocument*>(saved.Editor) != &doc)
                continue;
            saved.Touched = true;
            saved.Caret = TVYXLogDocument::AdjustAddress(saved.Caret, event.Change);
            for (TVYXDocRange& r : saved.Selections) {
                r.First = TVYXLogDocument::AdjustAddress(r.First, event.Change);
                r.Last = TVYXLogDocument::AdjustAddress(r.Last, event.Change);
            }
        }
        return;
    }
    if (!FEnabled)
        return;
    const TVYXCommand cmd = FDepth > 0 ? FGroupCommand : vycNone;
    const TVYXDocRange& range = event.Change.Range;
    try {
        switch (event.Change.Kind) {
        case adckInsert: {
            auto record = std::make_unique<TVYXUndoDataDelete>(cmd, FGroup, doc, range, event.Items);
            record->SetEmptyRun(event);
            Add(std::move(record));
            break;
        }
        case adckRemove:
            if (!event.Removed)
                throw VYXException("Edit without its removed content");
            Add(std::make_unique<TVYXUndoDataContent>(cmd, FGroup, doc, range.First, event.Removed->Clone(),
                                                      event.Items));
            break;
        case adckFormat:
            if (!event.Previous)
                throw VYXException("Edit without its previous formats");
            Add(std::make_unique<TVYXUndoDataDocProp>(cmd, FGroup, doc, event.Previous->Clone()));
            break;
        }
    } catch (...) {
        // Without this edit's inverse the history before it cannot be replayed.
        Clear();
    }
}

void TVYXUndo::TakeEmptyRun(TVYXUndoDataDelete& record)
{
    record.EmptyRun = FReplayEmptyRun;
    record.EmptyRunCHPX = std::move(FReplayEmptyRunCHPX);
    FReplayEmptyRun = false;
}

void TVYXUndo::ReplayState(TVYXLogDocEditor& editor, TVYXDocAddress& caret, std::vector<TVYXDocRange>& selections)
{
    for (const TSaved& saved : FSaved)
        if (saved.Editor == &editor) {
            caret = saved.Caret;
            selections = saved.Selections;
            return;
        }
    Capture(editor, caret, selections);
}

void TVYXUndo::RestoreState(TVYXLogDocEditor& editor, const TVYXDocAddress& caret,
                            const std::vector<TVYXDocRange>& selections)
{
    FFocusDoc = &editor;
    for (TSaved& saved : FSaved)
        if (saved.Editor == &editor) {
            saved.Caret = caret;
            saved.Selections = selections;
            saved.Touched = true;
            return;
        }
    FSaved.push_back({&editor, caret, selections, true});
}

bool TVYXUndo::Step(TList& from, TList& to)
{
    if (from.empty())
        return false;
    const int group = from.back()->Group;
    FSaved.clear();
    for (TVYXLogDocEditor* editor : FEditors) {
        TSaved saved{editor, {}, {}, false};
        Capture(*editor, saved.Caret, saved.Selections);
        FSaved.push_back(std::move(saved));
    }
    TList produced;
    SetRecordUndo(true);
    bool failed = false;
    try {
        while (!from.empty() && from.back()->Group == group) {
            std::unique_ptr<TVYXUndoData> record = std::move(from.back());
            from.pop_back();
            if (std::unique_ptr<TVYXUndoData> back = record->Replay(*this))
                produced.push_back(std::move(back));
        }
    } catch (const VYXException&) {
        // The document no longer matches the records (an edit went round the door):
        // what was replayed stays, the history goes.
        failed = true;
    }
    SetRecordUndo(false);
    for (const TSaved& saved : FSaved) {
        if (!saved.Touched)
            continue;
        TVYXLogDocEditor& editor = *saved.Editor;
        TVYXSelections& sel = editor.Selections();
        sel.Clear();
        sel.Anchor.Clear();
        sel.Status = assNone;
        editor.Caret().Assign(NearestPos(editor, saved.Caret));
        for (const TVYXDocRange& r : saved.Selections) {
            TVYXLogPos first, last;
            if (first.SetAddress(editor.Paras(), r.First) && last.SetAddress(editor.Paras(), r.Last))
                sel.Add(first, last);
        }
        editor.SetRepaint(true);
    }
    FSaved.clear();
    FMayCoalesce = false;
    FPendingState.reset();
    if (failed) {
        Clear();
        return false;
    }
    for (std::unique_ptr<TVYXUndoData>& record : produced)
        to.push_back(std::move(record));
    // An undo inside a command is that command's only work: nothing after it joins.
    FGroupStart = FUndoData.size();
    return true;
}

bool TVYXUndo::Undo() { return Step(FUndoData, FRedoData); }

bool TVYXUndo::Redo() { return Step(FRedoData, FUndoData); }

int TVYXUndo::CountGroups(const TList& list) const
{
    int count = 0;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (i == 0 || list[i]->Group != list[i - 1]->Group)
            ++count;
    return count;
}

int TVYXUndo::UndoCount() const { return CountGroups(FUndoData); }

int TVYXUndo::RedoCount() const { return CountGroups(FRedoData); }

const TVYXUndoData* TVYXUndo::Peek(int back) const
{
    if (back < 0 || static_cast<std::size_t>(back) >= FUndoData.size())
        return nullptr;
    return FUndoData[FUndoData.size() - 1 - static_cast<std::size_t>(back)].get();
}

void TVYXUndo::DeleteLast()
{
    if (!FUndoData.empty())
        FUndoData.pop_back();
}

std::string TVYXUndo::DEBUG_Dump() const
{
    std::string out;
    auto dump = [&out](const TList& list, const char* title) {
        out += title;
        out += "\n";
        for (const auto& record : list)
            out += "  " + std::to_string(record->Group) + " " + std::string(CommandName(record->Command)) + " " +
                   std::to_string(record->Type_()) + " " + record->AsString() + "\n";
    };
    dump(FUndoData, "undo");
    dump(FRedoData, "redo");
    return out;
}
