// VYXUndo.cpp: undo and redo over the edit door (see VYXUndo.h for the design).
#include "editing/VYXUndo.h"

#include <algorithm>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndoNotes.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXForEachPara.h"
#include "model/VYXNotes.h"
#include "model/VYXParaProps.h"
#include "model/VYXCharProps.h"
#include "model/VYXTable.h"
#include "model/VYXUtils.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

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

std::unique_ptr<TVYXPAPX> CopyPAPX(const TVYXPAPX& source)
{
    auto copy = std::make_unique<TVYXPAPX>(source.PAP());
    copy->Assign(source, nullptr, nullptr);
    return copy;
}

bool InCell(const TVYXLogPos& pos) { return pos.Para && pos.Para->Paras() && pos.Para->Paras()->Cell(); }

bool IsTyping(TVYXCommand cmd) { return cmd == vycInsertAtCaret || cmd == vycInsertCharAtCaret; }

bool IsFormat(TVYXCommand cmd) { return CommandIsCHPX(cmd) || CommandIsPAPX(cmd); }

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

std::unique_ptr<TVYXUndoData> TVYXUndoData::Replay(TVYXUndo& undo)
{
    // A plain command: the few that have an inverse command run it on the focus editor.
    TVYXLogDocEditor& editor = undo.ReplayEditor();
    const TVYXCommand cmd = Command;
    switch (cmd) {
    case vycControlNewPara:
    case vycDelAtCaret:
        return undo.RunCommand(cmd, Group, editor, [&editor] { editor.CmdDelete(vycDelCharLeft); });
    case vycFormatBold:
    case vycFormatItalic:
    case vycFormatUnderline:  // they toggle
        return undo.RunCommand(cmd, Group, editor, [&editor, cmd] { editor.CmdFormat(cmd); });
    default: return std::make_unique<TVYXUndoData>(cmd, Group);
    }
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
    auto back = std::make_unique<TVYXUndoDataState>(Command, Group, *Editor, Caret, Selections);
    if (!ByCommand) {
        undo.RestoreState(*Editor, Caret, Selections);
        return back;
    }
    back->ByCommand = true;
    TVYXLogDocEditor& editor = *Editor;
    undo.RunCommand(Command, Group, editor, [this, &editor] {
        if (!Selections.empty()) {
            TVYXLogPos first = editor.PosAt(Selections.front().First), last = editor.PosAt(Selections.front().Last);
            editor.Command(vycMovePos, first);
            editor.Command(vycSelectToPos, last);
        } else
            editor.Command(vycMovePos, editor.PosAt(Caret));
    });
    return back;
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
    if (AtCaret) {
        // At the caret of the focus editor; a text moves the caret behind it, a
        // character or run leaves it in front (the runs of one deletion go back last
        // first, each at the same place).
        TVYXLogDocEditor& editor = undo.ReplayEditor();
        const bool moveCaret = Type_() == autText || Type_() == autParas;
        // Text without a format of its own is typed: it takes the format around it.
        const TVYXLogParas* paras = Content->Paras.get();
        const auto* para = paras->Count() == 1 && paras->GetItems(0)->IsPara()
                               ? static_cast<const TVYXLogPara*>(paras->GetItems(0))
                               : nullptr;
        const bool typed = para && !para->Pilcrow && para->Count() == 1 && para->GetItems(0)->Type_() == acrtText &&
                           !para->GetItems(0)->CHPX();
        return undo.RunCommand(Command, Group, editor, [this, &editor, moveCaret, typed, para] {
            const TVYXDocAddress at = TVYXLogDocument::AddressOf(editor.Caret());
            const TVYXDocRange range =
                typed ? editor.InsertText(at, para->GetItems(0)->Text()) : editor.InsertContent(at, *Content);
            editor.Selections().Clear();
            if (moveCaret)
                editor.Caret().Assign(editor.PosAt(range.Last));
        });
    }
    TVYXDocRange range;
    if (Items)
        range = Doc->InsertItems(At, *Content);
    else
        range = Doc->InsertContent(At, *Content);
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

std::unique_ptr<TVYXUndoData> TVYXUndoDataDelete::Replay(TVYXUndo& undo)
{
    if (ByCommand) {
        TVYXLogDocEditor& editor = undo.ReplayEditor();
        return undo.RunCommand(Command, Group, editor, [this, &editor] {
            editor.Command(vycMovePos, editor.PosAt(Range.First));
            editor.Command(vycSelectToPos, editor.PosAt(Range.Last));
            editor.CmdDelete(vycDelSelection);
        });
    }
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

std::unique_ptr<TVYXUndoData> TVYXUndoDataDocProp::Replay(TVYXUndo& undo)
{
    return std::make_unique<TVYXUndoDataDocProp>(
        Command, Group, *Doc, Formats->Runs.empty() ? undo.UndoPAP(*Doc, *Formats) : undo.UndoCHP(*Doc, *Formats));
}

TVYXUndoDataBookmark::TVYXUndoDataBookmark(TVYXCommand cmd, int group, TVYXLogDocEditor& editor,
                                           std::u16string_view name, const TVYXDocRange& range, bool present)
    : TVYXUndoData(cmd, group), Editor(&editor), Name(name), Range(range), Present(present)
{
}

TVYXUndoDataBookmark::~TVYXUndoDataBookmark() = default;

std::string TVYXUndoDataBookmark::AsString() const
{
    return std::string(Present ? "Bookmark out " : "Bookmark in ") + Utf16ToUtf8(Name) + " " + RangeText(Range);
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataBookmark::Replay(TVYXUndo&)
{
    TVYXLogDocEditor& editor = *Editor;
    auto back = std::make_unique<TVYXUndoDataBookmark>(Command, Group, editor, Name, Range, !Present);
    if (Present) {
        // Out: the bookmark (kept by the inverse) and its boundary runs.
        back->Kept = editor.Bookmarks().DeleteItem(Name);
        const TVYXBookmark* mark = back->Kept.get();
        if (!mark)
            throw VYXException("Invalid address");
        VYXForEachPara(editor.Paras(), [mark](TVYXLogPara& para) {
            bool changed = false;
            for (int r = para.Count() - 1; r >= 0; --r)
                if (auto* linked = dynamic_cast<TVYXCharRunLinked*>(para.GetItems(r)); linked && linked->Field() == mark) {
                    para.CharRuns()._DeleteLinked(r);
                    changed = true;
                }
            if (changed) {
                if (para.Count() == 0)
                    para.CharRuns().Add();
                para.CombineCharRuns();
                para.MakeDirty();
            }
        });
    } else {
        // In again as the editor made it (one run edit where it opens), then the kept
        // object takes the place of the one that made.
        TVYXLogPara* lastPara = VYXParaAt(editor.Paras(), Range.Last);
        if (!lastPara || !Kept)
            throw VYXException("Invalid address");
        const std::u16string name = Name;
        const std::int32_t to = Range.Last.CharPos;
        TVYXBookmark* made = nullptr;
        editor.InsertRun(Range.First, [&](TVYXLogPara& para, std::int32_t pos) -> TVYXCharRun* {
            made = para.InsertBookmark(name, pos, to, lastPara == &para ? nullptr : lastPara);
            for (int i = 0; made && i < para.Count(); ++i)
                if (auto* linked = dynamic_cast<TVYXCharRunLinked*>(para.GetItems(i));
                    linked && linked->StartPos() == pos && linked->Field() == made)
                    return linked;
            return nullptr;
        });
        if (!made)
            throw VYXException("Invalid address");
        TVYXBookmark* kept = Kept.get();
        VYXForEachPara(editor.Paras(), [made, kept](TVYXLogPara& para) {
            for (int r = 0; r < para.Count(); ++r)
                if (auto* linked = dynamic_cast<TVYXCharRunLinked*>(para.GetItems(r)); linked && linked->Field() == made)
                    linked->SetFieldRef(kept);
        });
        kept->Selection = std::move(made->Selection);
        editor.Bookmarks().DeleteItem(Name);
        editor.Bookmarks().Restore(std::move(Kept));
    }
    editor.SetDirty(true);
    return back;
}

std::string TVYXUndoDataRunTexts::AsString() const { return "RunTexts runs=" + std::to_string(Texts.size()); }

std::unique_ptr<TVYXUndoData> TVYXUndoDataRunTexts::Replay(TVYXUndo&)
{
    auto back = std::make_unique<TVYXUndoDataRunTexts>(Command, Group, *Doc);
    for (const TRunText& saved : Texts) {
        TVYXLogPara* para = VYXParaAt(Doc->Paras(), saved.Para);
        if (!para || saved.Run < 0 || saved.Run >= para->Count())
            throw VYXException("Invalid address");
        TVYXCharRun* run = para->GetItems(saved.Run);
        back->Texts.push_back({saved.Para, saved.Run, run->Text()});
        run->SetRawText(saved.Text);
        para->CharRuns().Reindex();
        para->MakeDirty();
    }
    Doc->SetDirty(true);
    return back;
}

std::string TVYXUndoDataBatch::AsString() const { return "Batch records=" + std::to_string(Records.size()); }

std::unique_ptr<TVYXUndoData> TVYXUndoDataBatch::Replay(TVYXUndo& undo)
{
    auto back = std::make_unique<TVYXUndoDataBatch>(Command, Group);
    for (auto it = Records.rbegin(); it != Records.rend(); ++it)
        if (std::unique_ptr<TVYXUndoData> inverse = (*it)->Replay(undo))
            back->Records.push_back(std::move(inverse));
    return back;
}

std::string TVYXUndoDataCell::AsString() const { return "Cell " + AddressText(Cell); }

std::unique_ptr<TVYXUndoData> TVYXUndoDataCell::Replay(TVYXUndo& undo)
{
    if (Command != vycTableInsertColsLeft)
        return std::make_unique<TVYXUndoDataCell>(Command, Group, *Editor, Cell);
    TVYXLogDocEditor& editor = *Editor;
    return undo.RunCommand(Command, Group, editor, [this, &editor] {
        editor.Command(vycMovePos, editor.PosAt(Cell));
        editor.CmdTable(vycTableDeleteCol);
    });
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
    ClearHistory();  // editors may be going one after another: no tidying now
}

void TVYXUndo::SetFocusDoc(TVYXLogDocEditor& editor)
{
    if (FFocusDoc == &editor)
        return;
    if (ShallAdd() && FDepth > 0) {
        auto record = std::make_unique<TVYXUndoDataFocusDoc>(FGroupCommand, FGroup, *FFocusDoc, editor);
        Capture(*FFocusDoc, record->Caret, record->Selections);
        Push(std::move(record));
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
    if (FDepth == 0)
        return;
    if (FDepth == 1 && FNotesChanged) {
        // Notes whose references the command took out go too, in its group.
        FNotesChanged = false;
        try {
            VYXDropOrphanNotes(FMain, *this, FRemovedNotes);
        } catch (...) {
            FGroupBroken = true;
        }
        FRemovedNotes.clear();
    }
    if (--FDepth > 0)
        return;
    FPendingState.reset();
    const bool edited = FUndoData.size() > FGroupStart;
    if (FGroupBroken || !edited || !ShallAdd()) {
        if (FGroupBroken)
            Clear();
        FMayCoalesce = false;
        FMergeFormat = vycNone;
        return;
    }
    try {
        // The state after is the focused editor's: redo leaves the focus where the command did.
        FUndoData.push_back(std::make_unique<TVYXUndoDataState>(FGroupCommand, FGroup, *FFocusDoc));
        Discard(FRedoData);
        const bool typing = IsTyping(FGroupCommand);
        const bool format = IsFormat(FGroupCommand);
        const bool joined = typing ? FMayCoalesce && TryCoalesce()
                                   : format && FMergeFormat == FGroupCommand && TryMergeFormat();
        if (!joined)
            ++FGroup;
        FMayCoalesce = typing;
        FMergeFormat = format ? FGroupCommand : vycNone;
    } catch (...) {
        ClearHistory();  // out of memory while closing: an incomplete group must not stay
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

bool TVYXUndo::TryMergeFormat()
{
    // [before, formats, after] twice in a row over the same range and selection: the
    // first record's formats take back both commands (the second changed nothing the
    // first did not), so the pair is one record and one step, as a user who pressed
    // Ctrl+B twice expects.
    const std::size_t n = FUndoData.size();
    if (n < 6 || n - FGroupStart != 3)
        return false;
    auto* before1 = dynamic_cast<TVYXUndoDataState*>(FUndoData[n - 6].get());
    auto* format1 = dynamic_cast<TVYXUndoDataDocProp*>(FUndoData[n - 5].get());
    auto* after1 = dynamic_cast<TVYXUndoDataState*>(FUndoData[n - 4].get());
    auto* before2 = dynamic_cast<TVYXUndoDataState*>(FUndoData[n - 3].get());
    auto* format2 = dynamic_cast<TVYXUndoDataDocProp*>(FUndoData[n - 2].get());
    const int group1 = FUndoData[n - 4]->Group;
    if (!before1 || !format1 || !after1 || !before2 || !format2 || before1->Group != group1 ||
        format1->Group != group1 || format1->Command != format2->Command || format1->Doc != format2->Doc ||
        (n > 6 && FUndoData[n - 7]->Group == group1))
        return false;
    if (after1->Editor != before2->Editor || !(after1->Caret == before2->Caret) ||
        after1->Selections != before2->Selections)
        return false;  // the selection moved in between
    const TVYXDocFormats& f1 = *format1->Formats;
    const TVYXDocFormats& f2 = *format2->Formats;
    if (!(f1.Range.First == f2.Range.First) || !(f1.Range.Last == f2.Range.Last) ||
        f1.Runs.empty() != f2.Runs.empty() || f1.Paras.size() != f2.Paras.size())
        return false;
    for (std::size_t i = 0; i < f1.Paras.size(); ++i)
        if (!(f1.Paras[i].Para == f2.Paras[i].Para) || f1.Paras[i].WithSEP != f2.Paras[i].WithSEP)
            return false;
    std::unique_ptr<TVYXUndoData> after = std::move(FUndoData[n - 1]);
    after->Group = group1;
    FUndoData.resize(n - 4);
    FUndoData.push_back(std::move(after));
    return true;
}

void TVYXUndo::Clear()
{
    ClearHistory();
    // A history starts from tidy runs. Edits merge equal neighbouring runs in the
    // paragraphs they touch, and taking an edit back cannot know how a reader had
    // split such runs; merged from the start, the document undo gives back is the one
    // it began with, run for run. Text and formats stay as they are. Inside a command
    // the command's positions may name runs, so runs are left alone there.
    if (FDepth == 0)
        for (TVYXLogDocEditor* editor : FEditors)
            editor->Paras().CombineCharRuns();
}

void TVYXUndo::ClearHistory()
{
    Discard(FUndoData);
    Discard(FRedoData);
    FPendingState.reset();
    FGroupStart = 0;
    FGroupBroken = FDepth > 0;
    FMayCoalesce = false;
    FMergeFormat = vycNone;
    FGroup = 0;
    FReplay = 0;
}

void TVYXUndo::Push(std::unique_ptr<TVYXUndoData> record)
{
    ++FRecordCount;
    if (FDepth == 0) {
        // An edit outside any command is a group of its own.
        record->Group = FGroup++;
        FUndoData.push_back(std::move(record));
        Discard(FRedoData);
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

std::unique_ptr<TVYXUndoData> TVYXUndo::MakeDoorRecord(TVYXLogDocument& doc, const TVYXDocEditEvent& event,
                                                      TVYXCommand cmd)
{
    const TVYXDocRange& range = event.Change.Range;
    switch (event.Change.Kind) {
    case adckInsert: {
        auto record = std::make_unique<TVYXUndoDataDelete>(cmd, FGroup, doc, range, event.Items);
        record->SetEmptyRun(event);
        return record;
    }
    case adckRemove:
        if (!event.Removed)
            throw VYXException("Edit without its removed content");
        return std::make_unique<TVYXUndoDataContent>(cmd, FGroup, doc, range.First, event.Removed->Clone(),
                                                     event.Items);
    case adckFormat:
        if (!event.Previous)
            throw VYXException("Edit without its previous formats");
        return std::make_unique<TVYXUndoDataDocProp>(cmd, FGroup, doc, event.Previous->Clone());
    }
    return nullptr;
}

void TVYXUndo::MovedBesideDoor(TVYXLogDocEditor& editor, const TVYXDocChange& change)
{
    for (TSaved& saved : FSaved) {
        if (saved.Editor != &editor)
            continue;
        saved.Touched = true;
        saved.Caret = TVYXLogDocument::AdjustAddress(saved.Caret, change);
        for (TVYXDocRange& r : saved.Selections) {
            r.First = TVYXLogDocument::AdjustAddress(r.First, change);
            r.Last = TVYXLogDocument::AdjustAddress(r.Last, change);
        }
    }
}

void TVYXUndo::DocChanged(TVYXLogDocument& doc, const TVYXDocEditEvent& event)
{
    // Only the main body's removals name notes that may have to go.
    std::vector<const TVYXFootnoteBaseItem*> removed;
    if (VYXEditTouchesNotes(FMain, doc, event, removed))
        FNotesChanged = true;
    if (&doc == static_cast<TVYXLogDocument*>(&FMain) && FReplay == 0)
        FRemovedNotes.insert(FRemovedNotes.end(), removed.begin(), removed.end());
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
        // A command-level replay keeps what its command did, to take it back on redo.
        if (FCapture)
            if (std::unique_ptr<TVYXUndoData> record = MakeDoorRecord(doc, event, vycNone))
                FCapture->push_back(std::move(record));
        return;
    }
    if (!FEnabled)
        return;
    try {
        if (std::unique_ptr<TVYXUndoData> record = MakeDoorRecord(doc, event, FDepth > 0 ? FGroupCommand : vycNone))
            Push(std::move(record));
    } catch (...) {
        // Without this edit's inverse the history before it cannot be replayed.
        ClearHistory();
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
            // Paragraphs put back at the caret end the step (the records before them
            // belong to the command that removed them).
            if (const auto* content = dynamic_cast<const TVYXUndoDataContent*>(record.get());
                content && content->AtCaret && content->Type_() == autParas)
                break;
        }
    } catch (const VYXException&) {
        // The document no longer matches the records (an edit went round the door):
        // what was replayed stays, the history goes.
        failed = true;
    }
    SetRecordUndo(false);
    if (FNotesChanged) {
        FNotesChanged = false;
        VYXRelinkNotes(FMain);
    }
    FRemovedNotes.clear();
    for (const TSaved& saved : FSaved)
        if (saved.Touched)
            ApplySaved(saved);
    FSaved.clear();
    FMayCoalesce = false;
    FMergeFormat = vycNone;
    FPendingState.reset();
    if (failed) {
        Discard(produced);
        ClearHistory();
        return false;
    }
    for (std::unique_ptr<TVYXUndoData>& record : produced)
        to.push_back(std::move(record));
    // An undo inside a command is that command's only work: nothing after it joins.
    FGroupStart = FUndoData.size();
    return true;
}

void TVYXUndo::ApplySaved(const TSaved& saved)
{
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

std::unique_ptr<TVYXUndoData> TVYXUndo::RunCommand(TVYXCommand cmd, int group, TVYXLogDocEditor& editor,
                                                   const std::function<void()>& command)
{
    auto find = [this, &editor]() -> TSaved& {
        for (TSaved& saved : FSaved)
            if (saved.Editor == &editor)
                return saved;
        FSaved.push_back({&editor, {}, {}, false});
        Capture(editor, FSaved.back().Caret, FSaved.back().Selections);
        return FSaved.back();
    };
    // The command acts where the replay has the caret, not where it stood before it.
    ApplySaved(find());
    auto batch = std::make_unique<TVYXUndoDataBatch>(cmd, group);
    TList* outer = FCapture;
    FCapture = &batch->Records;
    try {
        command();
    } catch (...) {
        FCapture = outer;
        throw;
    }
    FCapture = outer;
    for (std::unique_ptr<TVYXUndoData>& record : batch->Records) {
        record->Command = cmd;
        record->Group = group;
    }
    TSaved& saved = find();
    Capture(editor, saved.Caret, saved.Selections);
    saved.Touched = true;
    FFocusDoc = &editor;
    return batch;
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
    if (!FUndoData.empty()) {
        Salvage(*FUndoData.back());
        FUndoData.pop_back();
    }
}

void TVYXUndo::Salvage(TVYXUndoData& record)
{
    if (auto* note = dynamic_cast<TVYXUndoDataNote*>(&record); note && note->Kept)
        FDroppedNotes.push_back(std::move(note->Kept));
    else if (auto* batch = dynamic_cast<TVYXUndoDataBatch*>(&record))
        for (std::unique_ptr<TVYXUndoData>& inner : batch->Records)
            Salvage(*inner);
}

void TVYXUndo::Discard(TList& list)
{
    for (std::unique_ptr<TVYXUndoData>& record : list)
        Salvage(*record);
    list.clear();
}

// ---- Records from outside the door ----------------------------------------------------

void TVYXUndo::AddRecord(std::unique_ptr<TVYXUndoData> record)
{
    if (!record)
        return;
    if (!ShallAdd()) {
        Salvage(*record);
        return;
    }
    record->Group = FGroup;
    Push(std::move(record));
}

void TVYXUndo::Add(TVYXCommand cmd)
{
    if (!ShallAdd())
        return;
    if (CommandIsCHPX(cmd))
        AddCHP(cmd);
    else if (CommandIsPAPX(cmd))
        AddPAP(cmd);
    else
        Push(std::make_unique<TVYXUndoData>(cmd, FGroup));
}

void TVYXUndo::Add(TVYXCommand cmd, int) { AddRecord(std::make_unique<TVYXUndoData>(cmd, FGroup)); }

void TVYXUndo::Add(TVYXCommand cmd, char16_t ch) { Add(cmd, std::u16string_view(&ch, 1)); }

void TVYXUndo::Add(TVYXCommand cmd, std::u16string_view text)
{
    if (!ShallAdd() || text.empty())
        return;
    TVYXLogDocEditor& editor = *FFocusDoc;
    auto content = std::make_unique<TVYXDocFragment>();
    content->Paras = editor.CreateParas();
    content->Paras->AppendPara(text)->Pilcrow = false;
    auto record = std::make_unique<TVYXUndoDataContent>(cmd, FGroup, editor, TVYXLogDocument::AddressOf(editor.Caret()),
                                                         std::move(content), false);
    record->AtCaret = true;
    Push(std::move(record));
}

void TVYXUndo::Add(TVYXCommand cmd, std::u16string_view text, const TVYXCHPX& chpx)
{
    if (!ShallAdd() || text.empty())
        return;
    Add(cmd, text);
    auto& record = static_cast<TVYXUndoDataContent&>(*FUndoData.back());
    TVYXLogPara* para = record.Content->Paras->GetParas(0);
    for (int i = 0; i < para->Count(); ++i)
        para->GetItems(i)->SetCHPX(&chpx);
}

void TVYXUndo::Add(TVYXCommand cmd, const TVYXCharRun& run)
{
    if (!ShallAdd())
        return;
    TVYXLogDocEditor& editor = *FFocusDoc;
    auto content = std::make_unique<TVYXDocFragment>();
    content->Paras = editor.CreateParas();
    TVYXLogPara* para = content->Paras->AppendPara();
    para->Pilcrow = false;
    para->CharRuns().Clear();
    para->CharRuns().Add(run.Clone());
    para->CharRuns().Reindex();
    auto record = std::make_unique<TVYXUndoDataContent>(cmd, FGroup, editor, TVYXLogDocument::AddressOf(editor.Caret()),
                                                         std::move(content), false);
    record->AtCaret = true;
    Push(std::move(record));
}

void TVYXUndo::Add(TVYXCommand cmd, const TVYXLogParas& paras)
{
    if (!ShallAdd() || paras.Count() == 0)
        return;
    TVYXLogDocEditor& editor = *FFocusDoc;
    auto content = std::make_unique<TVYXDocFragment>();
    content->Paras = paras.Clone(nullptr, nullptr);
    auto record = std::make_unique<TVYXUndoDataContent>(cmd, FGroup, editor, TVYXLogDocument::AddressOf(editor.Caret()),
                                                         std::move(content), false);
    record->AtCaret = true;
    Push(std::move(record));
}

void TVYXUndo::Add(TVYXCommand cmd, const TVYXLogPos& pos)
{
    if (!ShallAdd() || !pos.Valid())
        return;
    const TVYXDocAddress at = TVYXLogDocument::AddressOf(pos);
    const TVYXUndoType kind = InCell(pos) ? autLogPosTable : autLogPos;
    if (PeekUndo() == kind)
        if (const auto* last = dynamic_cast<const TVYXUndoDataState*>(Last()); last && last->Caret == at)
            return;  // the caret stood there already
    auto record = std::make_unique<TVYXUndoDataState>(cmd, FGroup, *FFocusDoc, at, std::vector<TVYXDocRange>{});
    record->ByCommand = true;
    Push(std::move(record));
}

void TVYXUndo::Add(TVYXCommand cmd, const TVYXLogPos& first, const TVYXLogPos& last)
{
    if (!ShallAdd() || !first.Valid() || !last.Valid())
        return;
    TVYXDocRange range{TVYXLogDocument::AddressOf(first), TVYXLogDocument::AddressOf(last)};
    if (range.Last < range.First)
        std::swap(range.First, range.Last);
    auto record = std::make_unique<TVYXUndoDataDelete>(cmd, FGroup, *FFocusDoc, range, false);
    record->ByCommand = true;
    Push(std::move(record));
}

void TVYXUndo::Add(TVYXCommand cmd, const TVYXLogSelection& selection)
{
    if (!ShallAdd() || !selection.Valid())
        return;
    const TVYXDocRange range{TVYXLogDocument::AddressOf(selection.First), TVYXLogDocument::AddressOf(selection.Last)};
    auto record = std::make_unique<TVYXUndoDataState>(cmd, FGroup, *FFocusDoc, range.Last, std::vector<TVYXDocRange>{range});
    record->ByCommand = true;
    Push(std::move(record));
}

void TVYXUndo::Add(TVYXCommand cmd, TVYXTableCell& cell)
{
    TVYXLogPara* first = cell.Paras()._FirstPara();
    if (!ShallAdd() || !first)
        return;
    Push(std::make_unique<TVYXUndoDataCell>(cmd, FGroup, *FFocusDoc, VYXAddressOf(*first, 1)));
}

void TVYXUndo::Add(TVYXLogDocEditor& editor)
{
    if (FFocusDoc == &editor)
        return;
    if (ShallAdd()) {
        auto record = std::make_unique<TVYXUndoDataFocusDoc>(FDepth > 0 ? FGroupCommand : vycNone, FGroup, *FFocusDoc,
                                                             editor);
        Capture(*FFocusDoc, record->Caret, record->Selections);
        Push(std::move(record));
    }
    FFocusDoc = &editor;
}

void TVYXUndo::Add(TVYXCommand cmd, const TVYXLogPara& para, std::int32_t from, std::int32_t to)
{
    AddCHPPara(cmd, para, from, to);
}

bool TVYXUndo::GetSelection(TVYXLogPos& first, TVYXLogPos& last) const
{
    TVYXLogDocEditor& editor = *FFocusDoc;
    TVYXSelections& sel = editor.Selections();
    if (sel.HasSelection() && !sel.IsEmpty()) {
        first = sel.GetFirstPos();
        last = sel.GetLastPos();
        if (last.Less(first))
            std::swap(first, last);
        return first.Valid() && last.Valid();
    }
    if (!editor.Caret().Valid())
        return false;
    first.Assign(editor.Caret().Para, 1);
    last.Assign(editor.Caret().Para, editor.Caret().Para->EndOfParaPos());
    return true;
}

bool TVYXUndo::GetParas(TVYXDocAddress& first, TVYXDocAddress& last) const
{
    TVYXLogPos a, b;
    if (!GetSelection(a, b))
        return false;
    first = VYXAddressOf(*a.Para, 1);
    last = VYXAddressOf(*b.Para, 1);
    return true;
}

bool TVYXUndo::GetCharPos(std::int32_t& first, std::int32_t& last) const
{
    TVYXLogPos a, b;
    if (!GetSelection(a, b))
        return false;
    first = a.CharPos;
    last = b.CharPos;
    return true;
}

void TVYXUndo::AddCHPProp(TVYXCommand cmd, const TVYXLogPara& para, const TVYXCharRun& run, std::int32_t from,
                          std::int32_t to)
{
    if (!ShallAdd() || from >= to)
        return;
    const TVYXDocAddress address = VYXAddressOf(para, 1);
    TVYXDocFormats::TRunFormat piece{address, from, to, CopyCHPX(run.CHPX())};
    // The piece continues the newest record (same command, group and paragraph, ending
    // where it starts): that record grows instead of a new one coming.
    if (PeekUndo() == autDocPropSel && PeekCommand() == cmd && PeekGroup() == FGroup)
        if (auto* last = dynamic_cast<TVYXUndoDataDocProp*>(FUndoData.back().get());
            last && last->Doc == FFocusDoc && last->Formats->Paras.empty() && !last->Formats->Runs.empty() &&
            last->Formats->Runs.back().Para == address && last->Formats->Runs.back().To == from) {
            last->Formats->Runs.push_back(std::move(piece));
            last->Formats->Range.Last = VYXAddressOf(para, to);
            return;
        }
    auto formats = std::make_unique<TVYXDocFormats>();
    formats->Range = {VYXAddressOf(para, from), VYXAddressOf(para, to)};
    formats->Runs.push_back(std::move(piece));
    Push(std::make_unique<TVYXUndoDataDocProp>(cmd, FGroup, *FFocusDoc, std::move(formats)));
}

void TVYXUndo::AddCHPPara(TVYXCommand cmd, const TVYXLogPara& para, std::int32_t from, std::int32_t to,
                          const std::function<bool(const TVYXCHPX*)>& changes)
{
    for (int i = 0; i < para.Count(); ++i) {
        const TVYXCharRun* run = para.GetItems(i);
        if (run->Len() == 0 || run->GetEndPos() <= from || run->StartPos() >= to)
            continue;
        if (!changes || changes(run->CHPX()))
            AddCHPProp(cmd, para, *run, std::max(from, run->StartPos()), std::min(to, run->GetEndPos()));
    }
}

void TVYXUndo::AddCHPWhere(TVYXCommand cmd, const std::function<bool(const TVYXCHPX*)>& changes)
{
    TVYXLogPos first, last;
    if (!ShallAdd() || !GetSelection(first, last))
        return;
    // Whole character formats, not one property: putting them back is then exact
    // whatever the command merged. One paragraph from the first to the last
    // character; several: the first from its first character, the middle ones whole,
    // the last up to its last character.
    TVYXLogSelection range;
    range.Assign(first, last);
    // Outside a command the pieces still make one group (Push gives each record of
    // its own a group otherwise).
    const bool own = FDepth == 0;
    const std::size_t size = FUndoData.size();
    if (own)
        ++FDepth;
    try {
        for (TVYXLogPara* p : range.Paras())
            AddCHPPara(cmd, *p, p == first.Para ? first.CharPos : 1,
                       p == last.Para ? last.CharPos : p->EndOfParaPos() + 1, changes);
    } catch (...) {
        if (own)
            --FDepth;
        throw;
    }
    if (own) {
        --FDepth;
        if (FUndoData.size() > size) {
            ++FGroup;
            Discard(FRedoData);
            FMayCoalesce = false;
            FMergeFormat = vycNone;
        }
    }
}

void TVYXUndo::AddCHP(TVYXCommand cmd) { AddCHPWhere(cmd, nullptr); }

void TVYXUndo::AddCHPBool(TVYXCommand cmd, std::int32_t id, bool value)
{
    AddCHPWhere(cmd, [id, value](const TVYXCHPX* chpx) {
        bool now = false;
        return !chpx || !chpx->GetValue(id, now) || now != value;
    });
}

void TVYXUndo::AddCHPInt(TVYXCommand cmd, std::int32_t id, std::int32_t value)
{
    AddCHPWhere(cmd, [id, value](const TVYXCHPX* chpx) {
        std::int32_t now = 0;
        return !chpx || !chpx->GetValue(id, now) || now != value;
    });
}

void TVYXUndo::AddCHPFloat(TVYXCommand cmd, std::int32_t id, double value)
{
    AddCHPWhere(cmd, [id, value](const TVYXCHPX* chpx) {
        double now = 0;
        return !chpx || !chpx->GetValue(id, now) || now != value;
    });
}

void TVYXUndo::AddPAPWhere(TVYXCommand cmd, const std::function<bool(const TVYXPAPX&)>& changes)
{
    TVYXLogPos first, last;
    if (!ShallAdd() || !GetSelection(first, last))
        return;
    TVYXLogSelection range;
    range.Assign(first, last);
    auto formats = std::make_unique<TVYXDocFormats>();
    formats->Range = {TVYXLogDocument::AddressOf(first), TVYXLogDocument::AddressOf(last)};
    for (TVYXLogPara* p : range.Paras())
        if (!changes || changes(p->PAPX()))
            formats->Paras.push_back({VYXAddressOf(*p, 1), CopyPAPX(p->PAPX()), nullptr, false});
    if (!formats->Paras.empty())
        Push(std::make_unique<TVYXUndoDataDocProp>(cmd == vycNone ? vycFormatPAPX : cmd, FGroup, *FFocusDoc,
                                                   std::move(formats)));
}

void TVYXUndo::AddPAP(TVYXCommand cmd) { AddPAPWhere(cmd, nullptr); }

void TVYXUndo::AddPAPInt(TVYXCommand cmd, std::int32_t id, std::int32_t value)
{
    AddPAPWhere(cmd, [id, value](const TVYXPAPX& papx) {
        std::int32_t now = 0;
        return !papx.GetValue(id, now) || now != value;
    });
}

void TVYXUndo::AddPAPFloat(TVYXCommand cmd, std::int32_t id, double value)
{
    AddPAPWhere(cmd, [id, value](const TVYXPAPX& papx) {
        double now = 0;
        return !papx.GetValue(id, now) || now != value;
    });
}

void TVYXUndo::AddPAPObj(TVYXCommand cmd, const TVYXNumbering* numbering)
{
    AddPAPWhere(cmd, [numbering](const TVYXPAPX& papx) { return papx.GetNumbering() != numbering; });
}

std::unique_ptr<TVYXDocFormats> TVYXUndo::UndoCHP(TVYXLogDocument& doc, const TVYXDocFormats& formats)
{
    return doc.RestoreFormats(formats);
}

std::unique_ptr<TVYXDocFormats> TVYXUndo::UndoPAP(TVYXLogDocument& doc, const TVYXDocFormats& formats)
{
    return doc.RestoreFormats(formats);
}

namespace {
template <class T>
const T* NewestAs(const TVYXUndo& undo, TVYXUndoType kind)
{
    return undo.PeekUndo() == kind ? dynamic_cast<const T*>(undo.Last()) : nullptr;
}
}  // namespace

const TVYXUndoData* TVYXUndo::AsCmd() const { return PeekUndo() == autCommand ? Last() : nullptr; }
const TVYXUndoDataFocusDoc* TVYXUndo::AsFocusDoc() const { return NewestAs<TVYXUndoDataFocusDoc>(*this, autFocusDoc); }
const TVYXUndoDataDocProp* TVYXUndo::AsDocProp() const { return NewestAs<TVYXUndoDataDocProp>(*this, autDocProp); }
const TVYXUndoDataDocProp* TVYXUndo::AsDocPropSel() const { return NewestAs<TVYXUndoDataDocProp>(*this, autDocPropSel); }
const TVYXUndoDataContent* TVYXUndo::AsChar() const { return NewestAs<TVYXUndoDataContent>(*this, autChar); }
const TVYXUndoDataContent* TVYXUndo::AsText() const { return NewestAs<TVYXUndoDataContent>(*this, autText); }
const TVYXUndoDataContent* TVYXUndo::AsParas() const { return NewestAs<TVYXUndoDataContent>(*this, autParas); }
const TVYXUndoDataContent* TVYXUndo::AsCharRun() const { return NewestAs<TVYXUndoDataContent>(*this, autCharRun); }
const TVYXUndoDataState* TVYXUndo::AsLogPos() const { return NewestAs<TVYXUndoDataState>(*this, autLogPos); }
const TVYXUndoDataState* TVYXUndo::AsLogPosTable() const { return NewestAs<TVYXUndoDataState>(*this, autLogPosTable); }
const TVYXUndoDataState* TVYXUndo::AsSelection() const { return NewestAs<TVYXUndoDataState>(*this, autSelection); }
const TVYXUndoDataDelete* TVYXUndo::AsDelete() const { return NewestAs<TVYXUndoDataDelete>(*this, autDelete); }
const TVYXUndoData* TVYXUndo::AsCell() const { return PeekUndo() == autCell ? Last() : nullptr; }

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
