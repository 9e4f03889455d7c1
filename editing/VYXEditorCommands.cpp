// VYXEditorCommands.cpp: the command interpreter: dispatch by class, caret moves,
// selection, deletion and insertion at the caret.
//
// Every change goes through the document's primitive edits, addressed by index
// (TVYXDocAddress), and the caret is put back from an address after each edit, so
// no position into a freed paragraph survives an edit. Selections are dropped
// after an edit that removed or inserted content.
#include <algorithm>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/VYXUndoAnchored.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "platform/VYXException.h"

// ---- Dispatch -------------------------------------------------------------------

bool TVYXLogDocEditor::Command(TVYXCommand cmd)
{
    const TVYXUndoGroup undoGroup(UndoFor(), cmd, *this);
    if (!FCaret.Valid())
        CaretToValid();
    if (!FCaret.Para) {
        SetRepaint(true);  // an empty body: nothing to act on
        return false;
    }
    if (!TestRestriction(cmd))
        return false;
    switch (CommandClass(cmd)) {
    case vyccNone: return cmd == vycMoveCurrent ? CmdMove(cmd) : false;
    case vyccControl: return CmdControl(cmd);
    case vyccMove: return CmdMove(cmd);
    case vyccFormat: return CmdFormat(cmd);
    case vyccClipboard: return CmdClipboard(cmd);
    case vyccSelect: return CmdSelect(cmd);
    case vyccDelete: return CmdDelete(cmd);
    case vyccInsert: return CmdInsert(cmd);
    case vyccTable: return CmdTable(cmd);
    case vyccRevision: return CmdRevision(cmd);
    default:
        if (cmd == vycMoveBeginningOfPara || cmd == vycMoveEndOfPara)
            return CmdMove(cmd);
        if (cmd == vycControlRedo)
            return CmdControl(cmd);
        return false;
    }
}

bool TVYXLogDocEditor::Command(TVYXCommand cmd, std::u16string_view text)
{
    const TVYXUndoGroup undoGroup(UndoFor(), cmd, *this);
    if (!FCaret.Valid())
        CaretToValid();
    if (!FCaret.Para || !TestRestriction(cmd))
        return false;
    switch (CommandClass(cmd)) {
    case vyccInsert: return CmdInsert(cmd, text);
    case vyccFormat: return CmdFormat(cmd, text);
    default: return Command(cmd);
    }
}

bool TVYXLogDocEditor::Command(TVYXCommand cmd, const TVYXLogPos& pos)
{
    const TVYXUndoGroup undoGroup(UndoFor(), cmd, *this);
    if (!pos.Valid() || !TestRestriction(cmd))
        return false;
    if (cmd == vycMovePos || cmd == vycSelectToPos) {
        if (cmd == vycSelectToPos && FSelections->Status != assUpdating)
            FSelections->DropAnchor();
        MoveCaretTo(pos);
        if (cmd == vycSelectToPos)
            FSelections->ExtendToCaret();
        else {
            FSelections->Clear();
            FSelections->Status = assNone;
        }
        SetRepaint(true);
        return true;
    }
    MoveCaretTo(pos);
    return Command(cmd);
}

bool TVYXLogDocEditor::Command(TVYXCommand cmd, int value1, int value2)
{
    const TVYXUndoGroup undoGroup(UndoFor(), cmd, *this);
    if (!FCaret.Valid())
        CaretToValid();
    if (!FCaret.Para || !TestRestriction(cmd))
        return false;
    if (cmd == vycInsertTableAtCaret)
        return InsertTableAtCaret(value1, value2);
    if (CommandClass(cmd) == vyccTable)
        return CmdTable(cmd, value1, value2);
    return Command(cmd);
}

bool TVYXLogDocEditor::Command(TVYXCommand cmd, double value)
{
    const TVYXUndoGroup undoGroup(UndoFor(), cmd, *this);
    if (CommandClass(cmd) == vyccSetting)
        return CmdSetting(cmd, value);
    if (!FCaret.Valid())
        CaretToValid();
    if (!FCaret.Para || !TestRestriction(cmd))
        return false;
    if (CommandClass(cmd) == vyccFormat)
        return CmdFormat(cmd, value);
    if (CommandClass(cmd) == vyccTable)
        return CmdTable(cmd, static_cast<int>(value), 0);
    if (CommandClass(cmd) == vyccGraphic)
        return CmdGraphic(cmd, value);
    if (cmd == vycLayoutColumns)
        return FSelections->SetColumns(static_cast<int>(value));
    return false;
}

bool TVYXLogDocEditor::Command(TVYXCommand cmd, int value) { return Command(cmd, static_cast<double>(value)); }

bool TVYXLogDocEditor::Command(TVYXCommand cmd, bool value)
{
    const TVYXUndoGroup undoGroup(UndoFor(), cmd, *this);
    if (CommandClass(cmd) == vyccSetting)
        return CmdSetting(cmd, value);
    if (cmd == vycRevisionTrackChanges) {
        Revision().SetTrackChanges(value);
        SetRepaint(true);
        return true;
    }
    return false;
}

// ---- Control --------------------------------------------------------------------

bool TVYXLogDocEditor::CmdControl(TVYXCommand cmd)
{
    switch (cmd) {
    case vycControlEscape:
        FSelections->Clear();
        FSelections->Status = assNone;
        SetRepaint(true);
        return true;
    case vycControlUndo:
    case vycControlRedo: {
        TVYXUndo* undo = UndoFor();
        return undo && (cmd == vycControlUndo ? undo->Undo() : undo->Redo());
    }
    case vycControlNewDoc: NewDoc(); return true;
    case vycControlNewPara: return InsertParaUI();
    case vycControlLineBreak: return InsertLineBreakUI();
    case vycControlPageBreak: return InsertPageBreakUI();
    case vycControlSectionBreak: return InsertSectionBreakUI();
    case vycControlTab: return InsertTabUI();
    case vycControlShiftTab:
        // In a list, Shift+Tab lifts the paragraph one level.
        if (FCaret.Para->PAPX().GetNumbering())
            return CmdFormat(vycFormatParaMultilevelLevelDec);
        return CmdMove(vycMoveCellPrev);
    case vycControlBullet: return CmdFormat(vycFormatParaBullet);
    case vycControlNumbering: return CmdFormat(vycFormatParaNumbering);
    case vycControlUpdateFields:
        UpdateFields();
        return true;
    case vycControlLayoutPrint:
    case vycControlLayoutWeb:
        DOP().WebLayout = cmd == vycControlLayoutWeb;
        Changed();
        return true;
    default: return false;  // the others belong to the facade (undo, zoom, macros, spelling)
    }
}

// ---- Moves ----------------------------------------------------------------------

bool TVYXLogDocEditor::MoveCaretTo(const TVYXLogPos& pos, bool keepInsertFormat)
{
    if (!pos.Valid())
        return false;
    if (!FCaret.Equal(pos) || FCaret.Para != pos.Para)
        if (FCaret.Valid() && (!FCaret.Para || FCaret.Para != pos.Para))
            FLastLocation = AddressOf(FCaret);
    FCaret.Assign(pos);
    if (!keepInsertFormat)
        FInsertCHPX.reset();
    return true;
}

bool TVYXLogDocEditor::CmdMove(TVYXLogPos& pos, TVYXCommand cmd)
{
    auto phy = [this, &pos](TVYXPhyPosType type) {
        return PhyPositionEvent ? PhyPositionEvent(*this, type, pos) : false;
    };
    switch (cmd) {
    case vycMoveCurrent: pos.SetWithinLimits(); return pos.Valid();
    case vycMoveCharLeft: return pos.MoveCharPrev();
    case vycMoveCharRight: return pos.MoveCharNext();
    case vycMoveWordLeft: return pos.MoveWordPrev();
    case vycMoveWordRight: return pos.MoveWordNext();
    case vycMoveParaUp:
        if (pos.CharPos > 1) {
            pos.CharPos = 1;
            return true;
        }
        return pos.MoveParaPrev();
    case vycMoveParaDown: return pos.MoveParaNext();
    case vycMoveLineUp: return phy(apstLineUp) || pos.MoveParaPrev();
    case vycMoveLineDown: return phy(apstLineDown) || pos.MoveParaNext();
    case vycMoveBeginningOfLine:
        if (phy(apstLineStart))
            return true;
        pos.MoveBeginningOfPara();
        return true;
    case vycMoveEndOfLine:
        if (phy(apstLineEnd))
            return true;
        pos.MoveEndOfPara();
        return true;
    case vycMoveBeginningOfPara: pos.MoveBeginningOfPara(); return true;
    case vycMoveEndOfPara: pos.MoveEndOfPara(); return true;
    case vycMoveTopOfWindow: return phy(apstTopRow);
    case vycMoveEndOfWindow: return phy(apstBottomRow);
    case vycMovePgUp:
    case vycMoveTopOfPrevPg: return phy(apstPageUp);
    case vycMovePgDown:
    case vycMoveTopOfNextPg: return phy(apstPageDown);
    case vycMoveEndOfDoc: pos.MoveEndOfDoc(); return true;
    case vycMoveBeginningOfDoc: pos.MoveBeginningOfDoc(); return true;
    case vycMoveLastLocation: {
        TVYXLogPos back;
        if (!back.SetAddress(Paras(), FLastLocation) || !back.Valid())
            return false;
        pos.Assign(back);
        return true;
    }
    case vycMoveEditNext: return pos.MoveEditNext();
    case vycMoveEditPrev: return pos.MoveEditPrev();
    case vycMoveCellNext: return pos.MoveCellNext();
    case vycMoveCellPrev: return pos.MoveCellPrev();
    case vycMoveCellDown: return pos.MoveCellDown();
    case vycMoveCellUp: return pos.MoveCellUp();
    case vycMoveCellRight: return pos.MoveCellRight();
    case vycMoveCellLeft: return pos.MoveCellLeft();
    default: return false;
    }
}

bool TVYXLogDocEditor::CmdMove(TVYXCommand cmd)
{
    TVYXLogPos pos(FCaret);
    // With a selection, Left and Right collapse it to its near end first.
    if ((cmd == vycMoveCharLeft || cmd == vycMoveCharRight) && FSelections->HasSelection() && !FSelections->IsEmpty()) {
        pos.Assign(cmd == vycMoveCharLeft ? FSelections->GetFirstPos() : FSelections->GetLastPos());
        FSelections->Clear();
        MoveCaretTo(pos);
        SetRepaint(true);
        return true;
    }
    const TVYXLogPos before(FCaret);
    if (!CmdMove(pos, cmd) || !pos.Valid())
        return false;
    if (cmd != vycMoveCurrent) {
        FSelections->Clear();
        FSelections->Status = assNone;
    }
    const bool moved = !pos.Equal(before) || pos.Para != before.Para;
    MoveCaretTo(pos, !moved);
    SetRepaint(true);
    return moved || cmd == vycMoveCurrent;
}

// ---- Selection ----------------------------------------------------------------

namespace {

// The move a select command extends the selection with.
TVYXCommand MoveOfSelect(TVYXCommand cmd)
{
    switch (cmd) {
    case vycSelectCharLeft: return vycMoveCharLeft;
    case vycSelectCharRight: return vycMoveCharRight;
    case vycSelectWordLeft: return vycMoveWordLeft;
    case vycSelectWordRight: return vycMoveWordRight;
    case vycSelectParaUp: return vycMoveParaUp;
    case vycSelectParaDown: return vycMoveParaDown;
    case vycSelectLineUp: return vycMoveLineUp;
    case vycSelectLineDown: return vycMoveLineDown;
    case vycSelectEndOfLine: return vycMoveEndOfLine;
    case vycSelectBeginningOfLine: return vycMoveBeginningOfLine;
    case vycSelectPgUp: return vycMovePgUp;
    case vycSelectPgDown: return vycMovePgDown;
    case vycSelectTopOfNextPg: return vycMoveTopOfNextPg;
    case vycSelectTopOfPrevPg: return vycMoveTopOfPrevPg;
    case vycSelectEndOfDoc: return vycMoveEndOfDoc;
    case vycSelectBeginningOfDoc: return vycMoveBeginningOfDoc;
    default: return vycNone;
    }
}

}  // namespace

bool TVYXLogDocEditor::CommandSelect(TVYXCommand moveCmd)
{
    const TVYXUndoGroup undoGroup(UndoFor(), moveCmd, *this);
    if (FSelections->Status != assUpdating || !FSelections->Anchor.Valid())
        FSelections->DropAnchor();
    TVYXLogPos pos(FCaret);
    if (!CmdMove(pos, moveCmd) || !pos.Valid())
        return false;
    MoveCaretTo(pos);
    FSelections->ExtendToCaret();
    SetRepaint(true);
    return true;
}

bool TVYXLogDocEditor::CmdSelect(TVYXCommand cmd)
{
    switch (cmd) {
    case vycSelectClear:
        FSelections->Clear();
        FSelections->Status = assNone;
        SetRepaint(true);
        return true;
    case vycSelectAll:
        FSelections->SelectAll();
        SetRepaint(true);
        return FSelections->HasSelection();
    case vycSelectWord: {
        const bool ok = FSelections->SelectWordAtCaret();
        SetRepaint(true);
        return ok;
    }
    case vycSelectLine:
    case vycSelectPara: {
        TVYXLogPos first(FCaret.Para, 1), last(FCaret.Para, FCaret.Para->EndOfParaPos());
        FSelections->Clear();
        FSelections->Add(first, last);
        FSelections->Status = assNone;
        MoveCaretTo(last);
        SetRepaint(true);
        return true;
    }
    default: {
        const TVYXCommand move = MoveOfSelect(cmd);
        return move != vycNone && CommandSelect(move);
    }
    }
}

// ---- Deletion -----------------------------------------------------------------

TVYXDocRange TVYXLogDocEditor::SelectionRange(const TVYXLogSelection& sel) const
{
    TVYXDocRange range{AddressOf(sel.First), AddressOf(sel.Last)};
    if (range.Last < range.First)
        std::swap(range.First, range.Last);
    return range;
}

bool TVYXLogDocEditor::RemoveRange(const TVYXLogPos& first, const TVYXLogPos& last)
{
    TVYXDocRange range{AddressOf(first), AddressOf(last)};
    if (range.Last < range.First)
        std::swap(range.First, range.Last);
    if (range.Empty() || !range.First.SameList(range.Last) || range.First.Item < 0)
        return false;
    FSelections->Clear();
    FSelections->Status = assNone;
    try {
        if (Revision().TrackChanges) {
            // A tracked deletion keeps the text, marked deleted, and is observed so a
            // later insertion of the same text can be told apart as a move.
            // Only the latest deletion is observed.
            FObservers.Clear();
            TVYXObserver& observer = FObservers.Add();
            observer.First = range.First;
            observer.Last = range.Last;
            {
                TVYXLogSelection sel;
                sel.First.Assign(PosAt(range.First));
                sel.Last.Assign(PosAt(range.Last));
                observer.Text = sel.GetPlainText();
            }
            MarkRevision(range, artDelete);
        } else
            RemoveContent(range);
    } catch (const VYXException&) {
        // The body refused the range (a list's last paragraph cannot go whole):
        // nothing changed.
        CaretToValid();
        return false;
    }
    // The old caret may stand on a paragraph the edit freed: it is set, not moved.
    FCaret.Assign(PosAt(range.First));
    FInsertCHPX.reset();
    Changed();
    return true;
}

void TVYXLogDocEditor::MarkRevision(const TVYXDocRange& range, TVYXRevisionType type, std::u16string_view name)
{
    // Revision data is an owned property a format merge does not carry, so the
    // marked runs' whole formats go through RestoreFormats.
    TVYXLogParas* list = VYXListAt(Paras(), range.First.Path);
    if (!list)
        return;
    const std::unique_ptr<TVYXRevisionData> data = Revision().Add(FAuthor, type);
    data->Name = name;
    TVYXDocFormats formats;
    formats.Range = range;
    for (int item = range.First.Item; item <= range.Last.Item && item < list->Count(); ++item) {
        TVYXLogParaItem* it = list->GetItems(item);
        if (!it->IsPara())
            continue;  // tables inside a tracked range keep their cells as they are
        auto* para = static_cast<TVYXLogPara*>(it);
        const std::int32_t from = item == range.First.Item ? range.First.CharPos : 1;
        const std::int32_t to = item == range.Last.Item ? range.Last.CharPos : para->EndOfParaPos();
        TVYXDocAddress at = range.First;
        at.Item = item;
        at.CharPos = 1;
        for (int r = 0; r < para->Count(); ++r) {
            TVYXCharRun* run = para->GetItems(r);
            const std::int32_t a = std::max(from, run->StartPos()), b = std::min(to, run->GetEndPos());
            if (a >= b)
                continue;
            auto chpx = std::make_unique<TVYXCHPX>(&GetMasterCHP());
            if (run->CHPX())
                chpx->Assign(*run->CHPX(), nullptr, nullptr);
            chpx->AddRevision(data->CloneData());
            formats.Runs.push_back({at, a, b, std::move(chpx)});
        }
    }
    if (!formats.Runs.empty())
        RestoreFormats(formats);
}

bool TVYXLogDocEditor::DeleteAcrossTables(const TVYXLogPos& first, const TVYXLogPos& last)
{
    const TVYXDocAddress a = AddressOf(first), b = AddressOf(last);
    if (a.Item < 0 || b.Item < 0 || a.SameList(b) || !(a < b))
        return false;
    // The list where the ends meet: the way down both share.
    std::size_t depth = 0;
    while (depth < a.Path.size() && depth < b.Path.size() && a.Path[depth] == b.Path[depth])
        ++depth;
    const bool firstInTable = depth < a.Path.size(), lastInTable = depth < b.Path.size();
    if (firstInTable && lastInTable && a.Path[depth].Item == b.Path[depth].Item)
        return false;  // cells of one table: a rectangle, not rows
    const std::vector<TVYXDocAddressStep> path(a.Path.begin(), a.Path.begin() + static_cast<std::ptrdiff_t>(depth));
    TVYXLogParas* list = VYXListAt(Paras(), path);
    if (!list)
        return false;
    auto itemAt = [&path](int item) { return TVYXDocAddress{path, item, 1}; };
    auto tableAt = [list](int item) {
        TVYXLogParaItem* it = item >= 0 && item < list->Count() ? list->GetItems(item) : nullptr;
        return it && it->IsTable() ? static_cast<TVYXTable*>(it) : nullptr;
    };
    // Rows rowFrom..rowTo of the table at `item` go; all of them take the table.
    auto dropRows = [&](int item, int rowFrom, int rowTo) {
        TVYXTable* table = tableAt(item);
        if (!table)
            return;
        if (rowTo - rowFrom + 1 >= table->Count()) {
            if (list->Count() > 1)
                RemoveItems({itemAt(item), itemAt(item + 1)});
            return;
        }
        EditTable(itemAt(item), [rowFrom, rowTo](TVYXTable& t) {
            for (int r = rowTo; r >= rowFrom; --r)
                t.DeleteRow(r);
            return true;
        });
    };
    const TVYXEditorUpdate update(*this);
    try {
        // From the last end backwards, so the addresses still to use stay true: the
        // rows of the last end's table, the text between, the first end's rows.
        int middleEnd = b.Item;  // the item where the text between stops
        std::int32_t middleEndPos = b.CharPos;
        if (lastInTable) {
            const int item = b.Path[depth].Item;
            if (TVYXTable* table = tableAt(item))
                if (!Revision().TrackChanges)
                    dropRows(item, 0, std::min(b.Path[depth].Row, table->Count() - 1));
            middleEnd = item - 1;  // before the table (it kept rows, or the next item took its place)
            TVYXLogParaItem* before = middleEnd >= 0 ? list->GetItems(middleEnd) : nullptr;
            middleEndPos = before && before->IsPara() ? static_cast<TVYXLogPara*>(before)->EndOfParaPos() : 0;
        }
        const int middleStart = firstInTable ? a.Path[depth].Item + 1 : a.Item;
        const std::int32_t middleStartPos = firstInTable ? 1 : a.CharPos;
        if (middleEndPos > 0 && (middleStart < middleEnd || (middleStart == middleEnd && middleStartPos < middleEndPos))) {
            TVYXLogPara* from = VYXParaAt(Paras(), {path, middleStart, 1});
            TVYXLogPara* to = VYXParaAt(Paras(), {path, middleEnd, 1});
            if (from && to)
                RemoveRange(TVYXLogPos(from, middleStartPos), TVYXLogPos(to, middleEndPos));
        }
        if (firstInTable && !Revision().TrackChanges) {
            const int item = a.Path[depth].Item;
            if (TVYXTable* table = tableAt(item))
                dropRows(item, a.Path[depth].Row, table->Count() - 1);
        }
    } catch (const VYXException&) {
        // A step the body refused leaves what went before it done, and the body sound.
    }
    FSelections->Clear();
    FSelections->Status = assNone;
    // The caret: where the first end stood, else the item that now stands there.
    TVYXLogPos pos;
    const TVYXDocAddress back = firstInTable ? itemAt(std::min(a.Path[depth].Item + (tableAt(a.Path[depth].Item) ? 1 : 0), list->Count() - 1)) : a;
    if (pos.SetAddress(Paras(), back) && pos.Valid())
        FCaret.Assign(pos);
    else
        FCaret.Clear();
    CaretToValid();
    FInsertCHPX.reset();
    Changed();
    return true;
}

bool TVYXLogDocEditor::DeleteSelection()
{
    if (!FSelections->HasSelection() || FSelections->IsEmpty())
        return false;
    if (BeforeDeleteEvent)
        BeforeDeleteEvent(*this, *FSelections);
    const TVYXLogPos first = FSelections->GetFirstPos(), last = FSelections->GetLastPos();
    TVYXTable* table = nullptr;
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    // Both ends in one cell is text inside that cell, not a rectangle of cells.
    if (FSelections->GetCellRect(table, col1, row1, col2, row2) && (col1 != col2 || row1 != row2)) {
        // A rectangle of cells: each cell's text goes, the cells stay. Addresses are
        // taken first; clearing one cell moves nothing in another.
        std::vector<TVYXDocRange> cells;
        for (int r = row1; r <= row2; ++r)
            for (int c = col1; c <= col2; ++c)
                if (TVYXTableCell* cell = table->GetRows(r)->CellN(c)) {
                    TVYXLogPara* a = cell->Paras()._FirstPara();
                    TVYXLogPara* b = cell->Paras()._LastPara();
                    if (a && b && b->Paras() == a->Paras())
                        cells.push_back({AddressOf(TVYXLogPos(a, 1)), AddressOf(TVYXLogPos(b, b->EndOfParaPos()))});
                }
        const TVYXDocAddress back = AddressOf(first);
        bool any = false;
        for (auto it = cells.rbegin(); it != cells.rend(); ++it)
            if (!it->Empty())
                any = RemoveRange(PosAt(it->First), PosAt(it->Last)) || any;
        FSelections->Clear();
        TVYXLogPos pos;
        if (pos.SetAddress(Paras(), {back.Path, 0, 1}) && pos.Valid())
            FCaret.Assign(pos);
        return any;
    }
    if (DeleteAcrossTables(first, last))
        return true;
    if (!RemoveRange(first, last)) {
        // Ends in different lists (cells): the caret goes to the first end.
        FSelections->Clear();
        MoveCaretTo(first);
        return false;
    }
    return true;
}

namespace {

// Paragraph-format changes that remove properties go through RestoreFormats with
// whole paragraph formats (a merge could only add).
std::unique_ptr<TVYXPAPX> CopyParaFormat(const TVYXPAPX& source)
{
    auto copy = std::make_unique<TVYXPAPX>(source.PAP());
    copy->Assign(source, nullptr, nullptr);
    return copy;
}

}  // namespace

bool TVYXLogDocEditor::ReplaceParaFormats(const std::vector<TVYXLogPara*>& paras, const std::function<void()>& change)
{
    if (paras.empty())
        return false;
    // The change is made directly, its result taken, the paragraphs put back, and the
    // result applied through the door, so watchers see one format edit.
    TVYXDocFormats after;
    std::vector<std::unique_ptr<TVYXPAPX>> before;
    for (TVYXLogPara* p : paras)
        before.push_back(CopyParaFormat(p->PAPX()));
    change();
    for (std::size_t i = 0; i < paras.size(); ++i) {
        after.Paras.push_back({AddressOf(TVYXLogPos(paras[i], 1)), CopyParaFormat(paras[i]->PAPX()), nullptr});
        paras[i]->PAPX().Assign(*before[i], nullptr, nullptr);
    }
    after.Range = {after.Paras.front().Para, after.Paras.back().Para};
    after.Range.Last.CharPos = paras.back()->EndOfParaPos();
    RestoreFormats(after);
    Changed();
    return true;
}

bool TVYXLogDocEditor::DoBackspace()
{
    TVYXLogPara* para = FCaret.Para;
    if (FCaret.CharPos > 1) {
        TVYXLogPos from(FCaret);
        from.CharPos = FCaret.CharPos - 1;
        return RemoveRange(from, FCaret);
    }
    // At a list paragraph's start, Backspace takes the bullet or number away.
    if (para->PAPX().GetNumbering())
        return ReplaceParaFormats({para}, [para] { para->RemoveBulletNumbering(); });
    TVYXLogParaItem* prev = para->PrevInParas();
    if (!prev)
        return false;  // the list's start: nothing before in this document or cell
    if (!prev->IsPara()) {
        // Behind a table: an empty paragraph goes, otherwise the caret enters the table.
        TVYXLogPos pos(FCaret);
        if (!pos.MovePosPrev())
            return false;
        MoveCaretTo(pos);
        return true;
    }
    auto* before = static_cast<TVYXLogPara*>(prev);
    return RemoveRange(TVYXLogPos(before, before->EndOfParaPos()), FCaret);
}

bool TVYXLogDocEditor::DoDeleteForward()
{
    TVYXLogPara* para = FCaret.Para;
    if (FCaret.CharPos < para->EndOfParaPos()) {
        TVYXLogPos to(FCaret);
        to.CharPos = FCaret.CharPos + 1;
        return RemoveRange(FCaret, to);
    }
    TVYXLogParaItem* next = para->NextInParas();
    if (!next || !next->IsPara())
        return false;  // the end of the document or cell, or a table follows
    return RemoveRange(FCaret, TVYXLogPos(static_cast<TVYXLogPara*>(next), 1));
}

bool TVYXLogDocEditor::CmdDelete(TVYXCommand cmd)
{
    if (cmd == vycDelSelection || ((cmd == vycDelCharLeft || cmd == vycDelCharRight || cmd == vycDelAtCaret) &&
                                   FSelections->HasSelection() && !FSelections->IsEmpty()))
        return DeleteSelection();
    switch (cmd) {
    case vycDelCharLeft: return DoBackspace();
    case vycDelCharRight:
    case vycDelAtCaret: return DoDeleteForward();
    case vycDelWordLeft: {
        TVYXLogPos from(FCaret);
        if (from.CharPos == 1 || !from.MoveWordPrev() || from.Para != FCaret.Para)
            return DoBackspace();
        return RemoveRange(from, FCaret);
    }
    case vycDelWordRight: {
        TVYXLogPos to(FCaret);
        if (!to.MoveWordNext() || to.Para != FCaret.Para)
            return DoDeleteForward();
        return RemoveRange(FCaret, to);
    }
    default: return false;
    }
}

// ---- Insertion ----------------------------------------------------------------

bool TVYXLogDocEditor::InsertTextUI(std::u16string_view text)
{
    const TVYXUndoGroup undoGroup(UndoFor(), vycInsertCharAtCaret, *this);
    if (text.empty())
        return false;
    if (!FCaret.Valid())
        CaretToValid();
    if (!FCaret.Para)
        return false;
    if (FSelections->HasSelection() && !FSelections->IsEmpty())
        DeleteSelection();
    std::unique_ptr<TVYXCHPX> format = std::move(FInsertCHPX);
    const TVYXDocRange typed = InsertText(AddressOf(FCaret), text);
    if (format)
        SetCharProps(typed, *format);
    if (Revision().TrackChanges)
        MarkRevision(typed, artInsert);
    FSelections->Clear();
    FCaret.Assign(PosAt(typed.Last));
    if (AfterInsertEvent)
        AfterInsertEvent(*this, PosAt(typed.First));
    Changed();
    return true;
}

bool TVYXLogDocEditor::InsertParaUI() { return SplitParaUI(false); }

bool TVYXLogDocEditor::InsertSectionBreakUI()
{
    if (CaretCell())
        return false;  // sections end in the body only
    return SplitParaUI(true);
}

TVYXBookmark* TVYXLogDocEditor::InsertBookmark(std::u16string_view name)
{
    const TVYXUndoGroup undoGroup(UndoFor(), vycNone, *this);
    if (name.empty() || Bookmarks().Find(name))
        return nullptr;
    TVYXLogPos first(FCaret), last(FCaret);
    if (FSelections->HasSelection() && !FSelections->IsEmpty())
        first = FSelections->GetFirstPos(), last = FSelections->GetLastPos();
    TVYXBookmark* mark = MakeBookmarkAt(name, first, last);
    if (mark) {
        FSelections->Clear();
        CaretToValid();
        Changed();
    }
    return mark;
}

bool TVYXLogDocEditor::SplitParaUI(bool sectionBreak)
{
    if (FSelections->HasSelection() && !FSelections->IsEmpty())
        DeleteSelection();
    TVYXLogPara* para = FCaret.Para;
    // Enter in an empty list paragraph lifts it a level, or out of the list at level 0.
    if (TVYXNumbering* list = para->PAPX().GetNumbering(); list && para->IsZeroLength() && !sectionBreak) {
        if (list->Level > 0)
            return ReplaceParaFormats({para}, [para] { para->ChangeMultilevelLevel(-1); });
        return ReplaceParaFormats({para}, [para] { para->RemoveBulletNumbering(); });
    }
    // Enter at the start of a cell whose table opens its list (the document or a
    // cell) puts an empty paragraph before the table.
    if (FCaret.CharPos == 1 && para->Paras() && para->Paras()->Cell() && para->Index() == 0 && !sectionBreak) {
        TVYXTableCell* cell = para->Paras()->Cell();
        TVYXTable* table = cell->Table();
        if (table && table->Index() == 0 && cell->Row() && cell->Row()->Index() == 0 && cell->Index() == 0) {
            TVYXDocAddress at = AddressOf(TVYXLogPos(para, 1));
            TVYXDocAddress tableAt;
            tableAt.Path.assign(at.Path.begin(), at.Path.end() - 1);
            tableAt.Item = at.Path.back().Item;
            return InsertEmptyParaBefore(tableAt);
        }
    }
    // Zero-width runs at the caret (bookmark and comment ends and starts, the empty run
    // holding the format typing takes) go with the text after the caret, as the caret
    // does: a mark that starts before that text still starts before it, and typing in
    // the new paragraph takes the format. At a paragraph's start the new paragraph goes
    // before them, whether or not the paragraph has text. At the end of a paragraph
    // with text there is nothing after the caret, so they stay with the text before it:
    // a bookmark ending there does not grow over the new paragraph. The door's removal
    // that joins the halves again (undo) puts each back where it stood.
    TVYXDocFragment mark;
    mark.Paras = CreateParas();
    TVYXLogPara* head = mark.Paras->AppendPara(para->PAPX());
    head->Pilcrow = true;
    mark.Paras->AppendPara(para->PAPX());
    // The settings that govern the caret's paragraph, for a section break.
    std::unique_ptr<TVYXSEP> governing;
    if (sectionBreak) {
        const TVYXLogPara* owner = para->SEP() ? para : para->FindNextSEP();
        governing = (owner && owner->SEP() ? *owner->SEP() : SEP()).Clone();
    }
    const TVYXDocRange inserted = InsertContent(AddressOf(FCaret), mark);
    if (sectionBreak) {
        // The door keeps the first half's format; its section goes in as a format
        // edit, which gives back the paragraph's format and section together.
        if (TVYXLogPara* first = VYXParaAt(Paras(), inserted.First)) {
            TVYXDocFormats section;
            section.Range = {inserted.First, inserted.First};
            section.Range.First.CharPos = 1;
            section.Range.Last.CharPos = first->EndOfParaPos();
            section.Paras.push_back(
                {section.Range.First, CopyParaFormat(first->PAPX()), std::shared_ptr<const TVYXSEP>(governing->Clone()), true});
            RestoreFormats(section);
        }
    }
    FSelections->Clear();
    FCaret.Assign(PosAt(inserted.Last));
    Changed();
    return true;
}

bool TVYXLogDocEditor::InsertEmptyParaBefore(const TVYXDocAddress& itemAt)
{
    TVYXDocRange inserted;
    try {
        inserted = InsertParaBefore(itemAt);
    } catch (const VYXException&) {
        return false;
    }
    FSelections->Clear();
    FCaret.Assign(PosAt(inserted.First));
    Changed();
    return true;
}

bool TVYXLogDocEditor::InsertTabUI()
{
    // In a table, Tab moves to the next cell; at the last cell it adds a row.
    if (FCaret.Para->Paras() && FCaret.Para->Paras()->Cell()) {
        TVYXLogPos pos(FCaret);
        if (pos.MoveCellNext()) {
            MoveCaretTo(pos);
            SetRepaint(true);
            return true;
        }
        return CmdTable(vycTableInsertRowsBelow) && CmdMove(vycMoveCellNext);
    }
    return InsertTextUI(u"\t");
}

bool TVYXLogDocEditor::InsertLineBreakUI() { return InsertTextUI(u"\v"); }

bool TVYXLogDocEditor::InsertPageBreakUI()
{
    if (FCaret.Para->Paras() && FCaret.Para->Paras()->Cell())
        return false;  // a page break has no meaning inside a cell
    return InsertTextUI(u"\f");
}

bool TVYXLogDocEditor::CmdInsert(TVYXCommand cmd, std::u16string_view text)
{
    switch (cmd) {
    case vycInsertAtCaret:
    case vycInsertCharAtCaret: return InsertTextUI(text);
    case vycInsertTableAtCaret: return InsertTableAtCaret(2, 2);
    case vycInsertHorizLineAtCaret: {
        if (FSelections->HasSelection() && !FSelections->IsEmpty())
            DeleteSelection();
        TVYXDocRange range;
        try {
            range = InsertRun(AddressOf(FCaret), [](TVYXLogPara& para, std::int32_t pos) -> TVYXCharRun* {
                return para.InsertHorizontalLine(pos);
            });
        } catch (const VYXException&) {
            return false;
        }
        FSelections->Clear();
        FCaret.Assign(PosAt(range.Last));
        Changed();
        return !range.Empty();
    }
    case vycGraphicInsertTextBox: {
        // Anchored to the caret's paragraph, centred in the section's text width,
        // 50 pt from the top; not inside cells. The box joins the paragraph's object
        // list beside the door, so the history gets a record of its own.
        if (CaretCell() || FParentEditor)
            return false;
        constexpr double width = 150, height = 100;
        TVYXGraphicRotate* box = FCaret.Para->AddTextBox(width, height);
        if (!box)
            return false;
        box->PosLeft = std::max(0.0, (Width() - width) / 2);
        box->PosTop = 50;
        box->Precalc();
        if (TVYXUndo* undo = UndoFor())
            undo->AddRecord(std::make_unique<TVYXUndoDataAnchored>(vycGraphicInsertTextBox, 0, *this,
                                                                   TVYXUndoDataAnchored::aakAdded, *FCaret.Para,
                                                                   FCaret.Para->Graphics()->Count() - 1, nullptr));
        FSelections->Select(box);
        Changed();
        return true;
    }
    case vycInsertFootnote: return InsertNoteAtCaret(false);
    case vycInsertEndnote: return InsertNoteAtCaret(true);
    default: return false;
    }
}
