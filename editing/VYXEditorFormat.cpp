// VYXEditorFormat.cpp: format, list, table, note, revision and setting commands,
// and the protection test commands pass before they run.
#include <algorithm>
#include <array>
#include <cmath>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndoAnchored.h"
#include "editing/VYXUndoNotes.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXDocSection.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "platform/VYXException.h"

namespace {

// One indent step of the indent commands, in points.
constexpr double cIndentStep = 65.2;
// Font sizes the larger/smaller commands step through; below the first size they
// step by one point down to the least size.
constexpr std::array<double, 16> cFontSizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr double cMinFontSize = 3, cMaxFontSize = 72;
// Tables typed into cells nest at most this deep (files read may nest deeper).
constexpr int cMaxTableNesting = 8;

}  // namespace

std::vector<TVYXLogPara*> TVYXLogDocEditor::SelectedParas() const
{
    if (FSelections->HasSelection() && !FSelections->IsEmpty()) {
        TVYXLogSelection sel;
        sel.First.Assign(FSelections->GetFirstPos());
        sel.Last.Assign(FSelections->GetLastPos());
        std::vector<TVYXLogPara*> paras = sel.Paras();
        if (!paras.empty())
            return paras;
    }
    if (FCaret.Para)
        return {FCaret.Para};
    return {};
}

TVYXTableCell* TVYXLogDocEditor::CaretCell() const
{
    return FCaret.Para && FCaret.Para->Paras() ? FCaret.Para->Paras()->Cell() : nullptr;
}

bool TVYXLogDocEditor::CaretTable(TVYXDocAddress& tableAt, int& col, int& row) const
{
    const TVYXDocAddress at = AddressOf(FCaret);
    if (at.Path.empty() || at.Item < 0)
        return false;
    tableAt.Path.assign(at.Path.begin(), at.Path.end() - 1);
    tableAt.Item = at.Path.back().Item;
    tableAt.CharPos = 1;
    col = at.Path.back().Cell;
    row = at.Path.back().Row;
    return true;
}

// ---- Character formats ----------------------------------------------------------

bool TVYXLogDocEditor::ApplyChpx(const TVYXCHPX& chpx)
{
    if (!FCaret.Para)
        return false;
    TVYXDocRange range;
    if (FSelections->HasSelection() && !FSelections->IsEmpty()) {
        range = {AddressOf(FSelections->GetFirstPos()), AddressOf(FSelections->GetLastPos())};
    } else {
        // No selection: the word around the caret, or between words the format the
        // next typed text takes.
        std::int32_t start = 0, end = 0;
        const bool inWord = FCaret.CharPos > 1 && FCaret.CharPos < FCaret.Para->EndOfParaPos() &&
                            FCaret.Para->WordAtPos(FCaret.CharPos, start, end) && start < FCaret.CharPos;
        if (!inWord) {
            if (!FInsertCHPX) {
                FInsertCHPX = std::make_unique<TVYXCHPX>(&GetMasterCHP());
                if (const TVYXCHPX* here = FCaret.Get_CHPX())
                    FInsertCHPX->Assign(*here, nullptr, nullptr);
            }
            FInsertCHPX->Merge(chpx);
            SetRepaint(true);
            return true;
        }
        range.First = AddressOf(TVYXLogPos(FCaret.Para, start));
        range.Last = AddressOf(TVYXLogPos(FCaret.Para, end));
    }
    if (range.Empty())
        return false;
    SetCharProps(range, chpx);
    Changed();
    return true;
}

bool TVYXLogDocEditor::ToggleChpx(TVYXChpId id)
{
    bool current = false;
    if (FInsertCHPX && FInsertCHPX->Assigned(id))
        current = FInsertCHPX->GetChpxAsBoolean(id);
    else {
        TVYXLogPos at = FSelections->HasSelection() && !FSelections->IsEmpty() ? FSelections->GetFirstPos() : FCaret;
        if (at.CharPos < at.Para->EndOfParaPos() && FSelections->HasSelection() && !FSelections->IsEmpty())
            at.CharPos += 1;  // the first selected character's format is the one before position + 1
        if (const TVYXCHPX* chpx = at.Get_CHPX())
            current = chpx->GetChpxAsBoolean(id);
        else
            current = TVYXCHPX(&GetMasterCHP()).GetChpxAsBoolean(id);
    }
    TVYXCHPX change(&GetMasterCHP());
    change.AddBoolean(id, !current);
    return ApplyChpx(change);
}

bool TVYXLogDocEditor::StepFontSize(int direction)
{
    double size = 0;
    if (FInsertCHPX && FInsertCHPX->Assigned(vyciSize))
        size = FInsertCHPX->GetSize();
    else if (const TVYXCHPX* chpx = FCaret.Get_CHPX())
        size = chpx->GetSize();
    else
        size = TVYXCHPX(&GetMasterCHP()).GetSize();
    double next = size;
    if (direction > 0) {
        next = cMaxFontSize;
        for (double s : cFontSizes)
            if (s > size + 1e-6) {
                next = s;
                break;
            }
        if (size < cFontSizes.front())
            next = std::min(std::floor(size) + 1, cFontSizes.front());
    } else {
        next = cMinFontSize;
        for (auto it = cFontSizes.rbegin(); it != cFontSizes.rend(); ++it)
            if (*it < size - 1e-6) {
                next = *it;
                break;
            }
        if (size <= cFontSizes.front())
            next = std::max(std::ceil(size) - 1, cMinFontSize);
    }
    next = std::clamp(next, cMinFontSize, cMaxFontSize);
    if (std::abs(next - size) < 1e-6)
        return false;  // at a bound
    TVYXCHPX change(&GetMasterCHP());
    change.SetSize(next);
    return ApplyChpx(change);
}

// ---- Paragraph formats ------------------------------------------------------------

bool TVYXLogDocEditor::ApplyPapx(const TVYXPAPX& papx)
{
    const std::vector<TVYXLogPara*> paras = SelectedParas();
    if (paras.empty())
        return false;
    TVYXDocRange range{AddressOf(TVYXLogPos(paras.front(), 1)),
                       AddressOf(TVYXLogPos(paras.back(), paras.back()->EndOfParaPos()))};
    if (!range.First.SameList(range.Last)) {
        // Paragraphs in different cells: one edit per paragraph.
        for (TVYXLogPara* p : paras)
            SetParaProps({AddressOf(TVYXLogPos(p, 1)), AddressOf(TVYXLogPos(p, p->EndOfParaPos()))}, papx);
    } else
        SetParaProps(range, papx);
    Changed();
    return true;
}

bool TVYXLogDocEditor::StepIndent(bool hanging, int direction)
{
    const TVYXPAPX& here = FCaret.Para->PAPX();
    const double left = here.GetIndentLeft(), hang = here.GetIndentHanging();
    TVYXPAPX change(&GetMasterPAP());
    if (direction > 0) {
        change.SetIndentLeft(left + cIndentStep);
        if (hanging)
            change.SetIndentHanging(hang + cIndentStep);
    } else if (!hanging) {
        if (left <= 0)
            return false;
        change.SetIndentLeft(std::max(left - cIndentStep, 0.0));
    } else {
        if (hang <= 0)
            return false;
        change.SetIndentLeft(std::max(left - cIndentStep, 0.0));
        change.SetIndentHanging(std::max(hang - cIndentStep, 0.0));
    }
    return ApplyPapx(change);
}

bool TVYXLogDocEditor::ListCommand(TVYXCommand cmd)
{
    const std::vector<TVYXLogPara*> paras = SelectedParas();
    if (paras.empty())
        return false;
    TVYXLogSelection sel;
    sel.First.Assign(paras.front(), 1);
    sel.Last.Assign(paras.back(), paras.back()->EndOfParaPos());
    TVYXNumbering* current = FCaret.Para->PAPX().GetNumbering();
    switch (cmd) {
    case vycFormatParaBullet:
        // The bullet button toggles: on a bulleted paragraph it takes the bullets off.
        if (current && current->Style == anstBullet)
            return ReplaceParaFormats(paras, [&sel] { sel.RemoveBulletNumbering(); });
        return ReplaceParaFormats(paras, [&sel] { sel.MakeBullet(); });
    case vycFormatParaNumbering:
        if (current && current->Style != anstBullet)
            return ReplaceParaFormats(paras, [&sel] { sel.RemoveBulletNumbering(); });
        return ReplaceParaFormats(paras, [&sel] { sel.MakeNumbering(); });
    case vycFormatParaMultilevel: return ReplaceParaFormats(paras, [&sel] { sel.MakeMultilevelList(); });
    case vycFormatParaMultilevelLevelInc:
    case vycFormatParaMultilevelLevelDec: {
        bool any = false;
        for (TVYXLogPara* p : paras)
            any = any || p->PAPX().GetNumbering();
        if (!any)
            return false;
        const int delta = cmd == vycFormatParaMultilevelLevelInc ? 1 : -1;
        return ReplaceParaFormats(paras, [&sel, delta] { sel.ChangeMultilevelListLevel(delta); });
    }
    case vycFormatRemoveBulletNumbering:
        return ReplaceParaFormats(paras, [&sel] { sel.RemoveBulletNumbering(); });
    default: return false;
    }
}

bool TVYXLogDocEditor::CmdFormat(TVYXCommand cmd)
{
    bool done = false;
    switch (cmd) {
    case vycFormatBold: done = ToggleChpx(vyciBold); break;
    case vycFormatItalic: done = ToggleChpx(vyciItalic); break;
    case vycFormatStrikeThrough: done = ToggleChpx(vyciStrikeThrough); break;
    case vycFormatUnderline: {
        const TVYXCHPX* here = FCaret.Get_CHPX();
        TVYXCHPX change(&GetMasterCHP());
        change.SetUnderline(here && here->GetUnderline() != vycuNone ? vycuNone : vycuSingle);
        done = ApplyChpx(change);
        break;
    }
    case vycFormatSubscript:
    case vycFormatSuperscript: {
        const TVYXChpSubSuperscript want = cmd == vycFormatSubscript ? vycssSubscript : vycssSuperscript;
        const TVYXCHPX* here = FCaret.Get_CHPX();
        TVYXCHPX change(&GetMasterCHP());
        change.SetSubSuperscript(here && here->GetSubSuperscript() == want ? vycssNone : want);
        done = ApplyChpx(change);
        break;
    }
    case vycFormatIncFont: done = StepFontSize(1); break;
    case vycFormatDecFont: done = StepFontSize(-1); break;
    case vycFormatParaLeft:
    case vycFormatParaCenter:
    case vycFormatParaRight:
    case vycFormatParaJustify: {
        TVYXPAPX change(&GetMasterPAP());
        change.SetAlignment(static_cast<TVYXPapTextAlign>(cmd - vycFormatParaLeft));
        done = ApplyPapx(change);
        break;
    }
    case vycFormatParaIncIndentLeft: done = StepIndent(false, 1); break;
    case vycFormatParaDecIndentLeft: done = StepIndent(false, -1); break;
    case vycFormatParaIncIndentHanging: done = StepIndent(true, 1); break;
    case vycFormatParaDecIndentHanging: done = StepIndent(true, -1); break;
    case vycFormatParaBullet:
    case vycFormatParaNumbering:
    case vycFormatParaMultilevel:
    case vycFormatParaMultilevelLevelInc:
    case vycFormatParaMultilevelLevelDec:
    case vycFormatRemoveBulletNumbering: done = ListCommand(cmd); break;
    default: break;
    }
    SetRepaint(true);
    return done;
}

bool TVYXLogDocEditor::CmdFormat(TVYXCommand cmd, double value)
{
    bool done = false;
    if (cmd == vycFormatFontSize) {
        if (!(value >= 1 && value <= 1638))
            return false;
        TVYXCHPX change(&GetMasterCHP());
        change.SetSize(value);
        done = ApplyChpx(change);
    } else if (cmd == vycFormatColor || cmd == vycHighlightColor) {
        TVYXCHPX change(&GetMasterCHP());
        if (cmd == vycFormatColor)
            change.SetColor(static_cast<TVYXColor>(value));
        else
            change.SetHighlightColor(static_cast<TVYXHighlighColor>(value));
        done = ApplyChpx(change);
    } else {
        TVYXPAPX change(&GetMasterPAP());
        switch (cmd) {
        case vycFormatParaIndentLeft: change.SetIndentLeft(std::max(value, 0.0)); break;
        case vycFormatParaIndentRight: change.SetIndentRight(std::max(value, 0.0)); break;
        case vycFormatParaIndentHanging: change.SetIndentHanging(std::max(value, 0.0)); break;
        case vycFormatParaIndentFirstLine: change.SetIndentFirstLine(value); break;
        case vycFormatParaLineSpacing: change.SetLineSpacing(value); break;
        case vycFormatParaSpaceBefore: change.SetSpaceBefore(std::max(value, 0.0)); break;
        case vycFormatParaSpaceAfter: change.SetSpaceAfter(std::max(value, 0.0)); break;
        case vycFormatParaMultilevelLevel: {
            const int level = std::clamp(static_cast<int>(value), 0, 8);
            TVYXNumbering* current = FCaret.Para->PAPX().GetNumbering();
            if (!current)
                return false;
            const int delta = level - current->Level;
            const std::vector<TVYXLogPara*> paras = SelectedParas();
            TVYXLogSelection sel;
            sel.First.Assign(paras.front(), 1);
            sel.Last.Assign(paras.back(), paras.back()->EndOfParaPos());
            return delta != 0 && ReplaceParaFormats(paras, [&sel, delta] { sel.ChangeMultilevelListLevel(delta); });
        }
        default: return false;
        }
        done = ApplyPapx(change);
    }
    SetRepaint(true);
    return done;
}

bool TVYXLogDocEditor::CmdFormat(TVYXCommand cmd, std::u16string_view value)
{
    if (cmd != vycFormatFontName || value.empty())
        return false;
    TVYXCHPX change(&GetMasterCHP());
    change.SetFontName(value);
    const bool done = ApplyChpx(change);
    SetRepaint(true);
    return done;
}

bool TVYXLogDocEditor::CmdFormatValue(TVYXCommand cmd, double& value) const
{
    if (!FCaret.Para)
        return false;
    TVYXChpId id = vyciNone;
    if (CmdToId(cmd, id) && id != vyciNone) {
        if (FInsertCHPX && FInsertCHPX->Assigned(id)) {
            value = FInsertCHPX->IsBoolean(id) ? FInsertCHPX->GetChpxAsBoolean(id) : FInsertCHPX->GetChpxAsInteger(id);
            return true;
        }
        // Over a selection the value must be the same in every run.
        bool first = true, equal = true;
        double seen = 0;
        // Without a run the master's own empty list answers the document's defaults.
        auto look = [&](const TVYXCHPX* chpx) {
            const TVYXCHPX& c = chpx ? *chpx : GetMasterCHP().CHPX();
            const double v = c.IsBoolean(id) ? c.GetChpxAsBoolean(id) : c.GetChpxAsInteger(id);
            if (first)
                seen = v, first = false;
            else if (v != seen)
                equal = false;
        };
        if (FSelections->HasSelection() && !FSelections->IsEmpty()) {
            TVYXLogSelection sel;
            sel.First.Assign(FSelections->GetFirstPos());
            sel.Last.Assign(FSelections->GetLastPos());
            sel.IterateCharRuns([&](TVYXCharRun& run) { look(run.CHPX()); });
        } else
            look(FCaret.Get_CHPX());
        value = seen;
        return !first && equal;
    }
    const TVYXPAPX& papx = FCaret.Para->PAPX();
    switch (cmd) {
    case vycFormatFontSize: {
        const TVYXCHPX* chpx = FCaret.Get_CHPX();
        value = (chpx ? *chpx : GetMasterCHP().CHPX()).GetSize();
        return true;
    }
    case vycFormatParaLeft:
    case vycFormatParaCenter:
    case vycFormatParaRight:
    case vycFormatParaJustify: value = papx.GetAlignment() == cmd - vycFormatParaLeft; return true;
    case vycFormatParaIndentLeft: value = papx.GetIndentLeft(); return true;
    case vycFormatParaIndentRight: value = papx.GetIndentRight(); return true;
    case vycFormatParaIndentHanging: value = papx.GetIndentHanging(); return true;
    case vycFormatParaIndentFirstLine: value = papx.GetIndentFirstLine(); return true;
    case vycFormatParaSpaceBefore: value = papx.GetSpaceBefore(); return true;
    case vycFormatParaSpaceAfter: value = papx.GetSpaceAfter(); return true;
    case vycFormatParaLineSpacing: value = papx.GetLineSpacing(); return true;
    case vycFormatParaBullet: value = papx.GetNumbering() && papx.GetNumbering()->Style == anstBullet; return true;
    case vycFormatParaNumbering:
        value = papx.GetNumbering() && papx.GetNumbering()->Style != anstBullet;
        return true;
    case vycFormatParaMultilevelLevel: value = papx.GetNumbering() ? papx.GetNumbering()->Level : -1; return true;
    default: return false;
    }
}

// ---- Tables ---------------------------------------------------------------------

bool TVYXLogDocEditor::InsertTableAtCaret(int cols, int rows)
{
    if (cols < 1 || cols > cVYXMaxTableCols || rows < 1 || rows > cVYXMaxTableRows)
        return false;
    if (AddressOf(FCaret).Depth() >= cMaxTableNesting)
        return false;
    if (FSelections->HasSelection() && !FSelections->IsEmpty())
        DeleteSelection();
    // Inside a paragraph the table goes between its two halves.
    if (FCaret.CharPos > 1 && !InsertParaUI())
        return false;
    const TVYXTableCell* cell = CaretCell();
    const double width = cell ? cell->GetClientWidth() : Width();
    TVYXDocAddress at = AddressOf(FCaret);
    at.CharPos = 1;
    TVYXDocRange range;
    try {
        // Two tables never touch: behind a table an empty paragraph goes between.
        const TVYXLogParaItem* prev = FCaret.Para->PrevInParas();
        if (prev && prev->IsTable()) {
            InsertParaBefore(at);
            at.Item += 1;
        }
        range = InsertTableBefore(at, cols, rows, width);
    } catch (const VYXException&) {
        return false;
    }
    TVYXDocAddress firstCell;
    firstCell.Path = range.First.Path;
    firstCell.Path.push_back({range.First.Item, 0, 0});
    FSelections->Clear();
    MoveCaretTo(PosAt(firstCell));
    Changed();
    return true;
}

bool TVYXLogDocEditor::TableStructure(TVYXCommand cmd, int value1, int value2)
{
    TVYXDocAddress tableAt;
    int col = 0, row = 0;
    if (!CaretTable(tableAt, col, row))
        return false;  // table commands outside tables do nothing
    // A cell selection covers a rectangle; otherwise the caret's cell.
    int col1 = col, row1 = row, col2 = col, row2 = row;
    {
        TVYXTable* t = nullptr;
        int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
        if (FSelections->GetCellRect(t, c1, r1, c2, r2) && t == CaretCell()->Table())
            col1 = c1, row1 = r1, col2 = c2, row2 = r2;
    }
    auto fillCells = [](TVYXTableRow& r) {
        for (int c = 0; c < r.Count(); ++c)
            if (r.GetCells(c)->Paras().Count() == 0)
                r.GetCells(c)->Paras().Validate();
    };
    auto addRow = [&fillCells](TVYXTable& t, int at, const TVYXTableRow& like) {
        TVYXTableRow* added = t.Insert(at);
        for (int c = 0; c < like.Count(); ++c) {
            TVYXTableCell* cell = added->Add();
            cell->Props().Width = like.GetCells(c)->GetWidth();
            cell->Props().WidthType = like.GetCells(c)->Props().WidthType;
        }
        fillCells(*added);
    };
    std::function<bool(TVYXTable&)> reshape;
    switch (cmd) {
    case vycTableInsertRowsAbove:
    case vycTableInsertRowsBelow:
        reshape = [&](TVYXTable& t) {
            const int count = row2 - row1 + 1;
            const int at = cmd == vycTableInsertRowsAbove ? row1 : row2 + 1;
            for (int i = 0; i < count; ++i)
                addRow(t, at, *t.GetRows(cmd == vycTableInsertRowsAbove ? at + i : row2));
            if (cmd == vycTableInsertRowsAbove)
                row += count;
            return true;
        };
        break;
    case vycTableInsertColsLeft:
    case vycTableInsertColsRight:
        reshape = [&](TVYXTable& t) {
            const int count = col2 - col1 + 1;
            for (int i = 0; i < count; ++i)
                t.InsertCol(cmd == vycTableInsertColsLeft ? col1 : col2 + 1);
            for (int r = 0; r < t.Count(); ++r)
                fillCells(*t.GetRows(r));
            if (cmd == vycTableInsertColsLeft)
                col += count;
            return true;
        };
        break;
    case vycTableDeleteRow:
        reshape = [&](TVYXTable& t) {
            // The last rows stay: a table without rows is deleted as content instead.
            if (row2 - row1 + 1 >= t.Count())
                return false;
            for (int r = row2; r >= row1; --r)
                t.DeleteRow(r);
            row = std::min(row1, t.Count() - 1);
            return true;
        };
        break;
    case vycTableDeleteCol:
    case vycTableDeleteColKeepTblSize:
        reshape = [&](TVYXTable& t) {
            const double width = t.CalculatedWidth();
            for (int r = 0; r < t.Count(); ++r)
                if (t.GetRows(r)->Count() <= col2 - col1 + 1)
                    return false;  // a row would lose its last cell
            for (int c = col2; c >= col1; --c)
                t.DeleteCol(c);
            if (cmd == vycTableDeleteColKeepTblSize && width > 0)
                t.SetWidth(width);
            col = std::max(0, col1 - 1);
            return true;
        };
        break;
    case vycTableMergeCells:
        reshape = [&](TVYXTable& t) {
            if (col1 == col2 && row1 == row2)
                return false;
            t.MergeCells(col1, row1, col2, row2);
            col = col1, row = row1;
            return true;
        };
        break;
    case vycTableColWidth:
        reshape = [&](TVYXTable& t) {
            if (value2 <= 0 || value1 < 0 || value1 > 63)
                return false;
            t.SetColWidth(value1, value2);
            return true;
        };
        break;
    case vycTableRowHeight:
        reshape = [&](TVYXTable& t) {
            if (value1 < 0 || value1 >= t.Count() || value2 < 0)
                return false;
            t.GetRows(value1)->Height = value2;
            return true;
        };
        break;
    default: return false;
    }
    const TVYXDocAddress caretAddress = AddressOf(FCaret);
    if (!EditTable(tableAt, reshape))
        return false;
    // Back into the table: the cell the command left the caret in, else its own.
    TVYXDocAddress back = tableAt;
    back.Path.push_back({tableAt.Item, row, col});
    back.Item = 0;
    back.CharPos = 1;
    TVYXLogPos pos;
    FSelections->Clear();
    FSelections->Status = assNone;
    if (pos.SetAddress(Paras(), cmd == vycTableColWidth || cmd == vycTableRowHeight ? caretAddress : back) && pos.Valid())
        FCaret.Assign(pos);
    else {
        back.Path.back().Cell = 0;
        if (pos.SetAddress(Paras(), back) && pos.Valid())
            FCaret.Assign(pos);
        else
            FCaret.Clear(), CaretToValid();
    }
    Changed();
    return true;
}

bool TVYXLogDocEditor::CmdTable(TVYXCommand cmd, int value1, int value2)
{
    if (cmd == vycTableSplitCells)
        return false;  // splitting cells is not offered
    if (cmd == vycTableSelect) {
        TVYXDocAddress tableAt;
        int col = 0, row = 0;
        if (!CaretTable(tableAt, col, row))
            return false;
        TVYXTable* table = CaretCell()->Table();
        TVYXTableRow* last = table->GetRows(table->Count() - 1);
        TVYXLogPos first(table->GetRows(0)->FirstPara(), 1);
        TVYXLogPos end(last->LastPara(), last->LastPara()->EndOfParaPos());
        FSelections->Clear();
        FSelections->Add(first, end);
        MoveCaretTo(end);
        SetRepaint(true);
        return true;
    }
    return TableStructure(cmd, value1, value2);
}

// ---- Notes ----------------------------------------------------------------------

bool TVYXLogDocEditor::InsertNoteAtCaret(bool endnote)
{
    if (FParentEditor)
        return false;  // notes go into the main text only
    if (FSelections->HasSelection() && !FSelections->IsEmpty())
        DeleteSelection();
    // The reference run goes in through the door; the note's paragraph goes into
    // the notes editor, whose own watchers hear of it there.
    const TVYXDocAddress at = AddressOf(FCaret);
    TVYXDocRange range;
    try {
        range = InsertRun(at, [&](TVYXLogPara& para, std::int32_t pos) -> TVYXCharRun* {
            return AddNote(endnote, para, pos, u"  ").CharRun;
        });
    } catch (const VYXException&) {
        return false;
    }
    // The note's own paragraph went into the notes editor with the reference.
    VYXRecordNoteInsert(*this, endnote);
    TVYXLogPos p;
    if (p.SetAddress(Paras(), range.Last) && p.Valid())
        FCaret.Assign(p);
    Changed();
    return true;
}

// ---- Tracked changes ------------------------------------------------------------

bool TVYXLogDocEditor::CmdRevision(TVYXCommand cmd)
{
    if (IsEmpty() && cmd != vycRevisionTrackChanges)
        return false;
    TVYXRevision& rev = Revision();
    bool done = false;
    switch (cmd) {
    case vycRevisionTrackChanges: rev.SetTrackChanges(!rev.TrackChanges); done = true; break;
    case vycMoveRevisionNext:
    case vycMoveRevisionPrev:
    case vycMoveRevisionBeginning:
    case vycMoveRevisionEnd:
    case vycSelectRevisionNext:
    case vycSelectRevisionPrev: {
        TVYXLogPos pos(FCaret);
        const bool forward = cmd == vycMoveRevisionNext || cmd == vycSelectRevisionNext;
        if (cmd == vycMoveRevisionBeginning)
            done = pos.MoveRevisionBeginning();
        else if (cmd == vycMoveRevisionEnd)
            done = pos.MoveRevisionEnd();
        else
            done = forward ? pos.MoveRevisionNext() : pos.MoveRevisionPrev();
        if (!done)
            break;
        MoveCaretTo(pos);
        FSelections->Clear();
        if (cmd == vycSelectRevisionNext || cmd == vycSelectRevisionPrev) {
            TVYXLogPos end(pos);
            if (end.MoveRevisionEnd())
                FSelections->Add(pos, end);
        }
        break;
    }
    case vycRevisionAccept:
    case vycRevisionReject:
    case vycRevisionAcceptAll:
    case vycRevisionRejectAll: {
        done = ResolveRevisions(cmd == vycRevisionAccept || cmd == vycRevisionAcceptAll,
                                cmd == vycRevisionAcceptAll || cmd == vycRevisionRejectAll);
        break;
    }
    default: break;
    }
    SetRepaint(true);
    return done;
}

// ---- Drawing objects ------------------------------------------------------------

namespace {

// Sets one property of `graphic`; false when the command is not a property or the
// value is out of bounds. Lengths stay within a page of 22 inches, percentages
// within 0..1000.
bool SetGraphicValue(TVYXGraphicObj& graphic, TVYXCommand cmd, double value)
{
    constexpr double cMaxLength = 22 * 72.0, cMaxPercent = 1000;
    if (!(value > -cMaxLength && value < cMaxLength))
        return false;
    auto length = [&](double& field, bool positive) {
        if (positive ? value <= 0 : value < 0)
            return false;
        field = value;
        return true;
    };
    auto percent = [&](double& field) {
        if (value < 0 || value > cMaxPercent)
            return false;
        field = value;
        return true;
    };
    switch (cmd) {
    case vycGraphicWidth: return length(graphic.Width, true);
    case vycGraphicHeight: return length(graphic.Height, true);
    case vycGraphicLeft: graphic.PosLeft = value; return true;
    case vycGraphicTop: graphic.PosTop = value; return true;
    case vycGraphiOuterMargLeft: return length(graphic.OMargLeft, false);
    case vycGraphiOuterMargTop: return length(graphic.OMargTop, false);
    case vycGraphiOuterMargRight: return length(graphic.OMargRight, false);
    case vycGraphiOuterMargBottom: return length(graphic.OMargBottom, false);
    case vycGraphicPercentLeft: return percent(graphic.PercentLeft);
    case vycGraphicPercentTop: return percent(graphic.PercentTop);
    case vycGraphicPercentWidth: return percent(graphic.PercentWidth);
    case vycGraphicPercentHeight: return percent(graphic.PercentHeight);
    case vycGraphicWrap:
        if (value >= static_cast<int>(agowInLine) && value <= static_cast<int>(agowInFront)) {
            graphic.Wrap = static_cast<TVYXGrObjWrap>(static_cast<int>(value));
            return true;
        }
        return false;
    case vycGraphicLockAnchor: graphic.LockAnchor = value != 0; return true;
    default: return false;
    }
}

}  // namespace

bool TVYXLogDocEditor::CmdGraphic(TVYXCommand cmd, double value)
{
    TVYXGraphicObj* graphic = FSelections->Graphic;
    if (!graphic)
        return false;
    // Tried on a copy first, so a refused value changes nothing at all.
    if (!SetGraphicValue(*graphic->Clone(), cmd, value))
        return false;
    if (!SetInlineGraphicValue(*graphic, cmd, value) &&
        !ChangeAnchoredObject(*graphic, [cmd, value](TVYXGraphicObj& g) { SetGraphicValue(g, cmd, value); })) {
        // Neither inline nor anchored in this body: a text box's own shape, anchored in
        // the main body. Changed in place and recorded there, by the anchor's address
        // and the object's index with its former properties; held anywhere else, the
        // history could not replay past it.
        std::unique_ptr<TVYXGraphicObj> former = graphic->Clone();
        SetGraphicValue(*graphic, cmd, value);
        graphic->Precalc();
        TVYXLogDocEditor& main = MainEditor();
        TVYXLogPara* anchor = nullptr;
        int index = -1;
        TVYXLogParasIterator walk;
        walk.ParaEvent = [&](TVYXLogPara& p) {
            for (int i = 0; !anchor && p.Graphics() && i < p.Graphics()->Count(); ++i)
                if (&p.Graphics()->GetItems(i) == graphic)
                    anchor = &p, index = i;
        };
        if (&main != this)
            walk.Iterate(main.Paras());
        TVYXUndo* undo = UndoFor();
        if (anchor && undo) {
            undo->AddRecord(std::make_unique<TVYXUndoDataAnchored>(cmd, 0, main, TVYXUndoDataAnchored::aakChange,
                                                                   *anchor, index, std::move(former)));
            main.SetDirty(true);
        } else {
            ForgetUndo();
        }
    }
    Changed();
    return true;
}

bool TVYXLogDocEditor::SetInlineGraphicValue(TVYXGraphicObj& graphic, TVYXCommand cmd, double value)
{
    // The run holding the object, in reading order (cells of nested tables included).
    TVYXCharRun* holder = nullptr;
    TVYXLogPara* para = nullptr;
    for (TVYXLogPara* p = FirstPara(); p && !holder; p = p->Next())
        for (int i = 0; i < p->Count() && !holder; ++i)
            if (auto* run = dynamic_cast<TVYXCharRunGraphic*>(p->GetItems(i)); run && run->Graphic.get() == &graphic)
                holder = run, para = p;
    if (!holder)
        return false;
    // A shape holding a text box would come back with a new, empty box (a copied box
    // never shares the paragraphs): it is changed in place like an anchored object.
    if (const auto* shape = dynamic_cast<const TVYXGraphicRotate*>(&graphic); shape && shape->TextBox)
        return false;
    // The object's run goes out through the door, is changed while out, and comes
    // back in its place: watchers see the object as it was and as it is.
    TVYXDocRange range{VYXAddressOf(*para, holder->StartPos()), {}};
    range.Last = range.First;
    range.Last.CharPos = holder->GetEndPos();
    std::unique_ptr<TVYXDocFragment> out = RemoveContent(range);
    FSelections->Graphic = nullptr;
    TVYXLogPara* first = out->Paras->Count() > 0 && out->Paras->GetItems(0)->IsPara()
                             ? static_cast<TVYXLogPara*>(out->Paras->GetItems(0))
                             : nullptr;
    for (int i = 0; first && i < first->Count(); ++i)
        if (auto* run = dynamic_cast<TVYXCharRunGraphic*>(first->GetItems(i)); run && run->Graphic) {
            SetGraphicValue(*run->Graphic, cmd, value);
            run->Graphic->Precalc();
        }
    const TVYXDocRange back = InsertContent(range.First, *out);
    if (TVYXLogPara* into = VYXParaAt(Paras(), back.First))
        for (int i = 0; i < into->Count(); ++i)
            if (auto* run = dynamic_cast<TVYXCharRunGraphic*>(into->GetItems(i));
                run && run->StartPos() == back.First.CharPos && run->Graphic)
                FSelections->Select(run->Graphic.get());
    return true;
}

// ---- Settings -------------------------------------------------------------------

bool TVYXLogDocEditor::CmdSetting(TVYXCommand cmd, double value)
{
    if (!(value >= 0 && value < 100000))
        return false;
    std::function<void(TVYXSEP&)> change;
    switch (cmd) {
    case vycSettingPaperWidth:
        if (value <= 0)
            return false;
        change = [value](TVYXSEP& sep) { sep.SetPageWidth(value); };
        break;
    case vycSettingPaperHeight:
        if (value <= 0)
            return false;
        change = [value](TVYXSEP& sep) { sep.PageHeight = value; };
        break;
    case vycSettingPageMargLeft: change = [value](TVYXSEP& sep) { sep.MargLeft = value; }; break;
    case vycSettingPageMargTop: change = [value](TVYXSEP& sep) { sep.MargTop = value; }; break;
    case vycSettingPageMargRight: change = [value](TVYXSEP& sep) { sep.MargRight = value; }; break;
    case vycSettingPageMargBottom: change = [value](TVYXSEP& sep) { sep.MargBottom = value; }; break;
    case vycSettingHeaderMarg: change = [value](TVYXSEP& sep) { sep.MargHeader = value; }; break;
    case vycSettingFooterMarg: change = [value](TVYXSEP& sep) { sep.MargFooter = value; }; break;
    default: return false;
    }
    ChangeDocSection(change);
    SetDirty(true);
    return true;
}

void TVYXLogDocEditor::ChangeDocSection(const std::function<void(TVYXSEP&)>& change)
{
    // The document's own section (the page settings), through the door when the
    // body has a paragraph to name the edit by.
    TVYXLogPara* first = FirstPara();
    if (!first) {
        change(SEP());
        return;
    }
    TVYXDocFormats formats;
    std::unique_ptr<TVYXSEP> sep = SEP().Clone();
    change(*sep);
    formats.DocSEP = std::move(sep);
    formats.WithDocSEP = true;
    formats.Range = {AddressOf(TVYXLogPos(first, 1)), AddressOf(TVYXLogPos(first, 1))};
    RestoreFormats(formats);
}

bool TVYXLogDocEditor::CmdSetting(TVYXCommand cmd, bool value)
{
    if (cmd == vycSettingPageLandscape)
        ChangeDocSection([value](TVYXSEP& sep) { sep.SetLandscape(value); });
    else if (cmd == vycSettingTblShowOutline)
        DOP().ShowTableOutline = value;
    else
        return false;
    Changed();
    return true;
}

double TVYXLogDocEditor::CmdSettingValFloat(TVYXCommand cmd) const
{
    const TVYXSEP& sep = SEP();
    switch (cmd) {
    case vycSettingPaperWidth: return sep.PageWidth;
    case vycSettingPaperHeight: return sep.PageHeight;
    case vycSettingPageMargLeft: return sep.MargLeft;
    case vycSettingPageMargTop: return sep.MargTop;
    case vycSettingPageMargRight: return sep.MargRight;
    case vycSettingPageMargBottom: return sep.MargBottom;
    case vycSettingHeaderMarg: return sep.MargHeader;
    case vycSettingFooterMarg: return sep.MargFooter;
    default: return 0;
    }
}

bool TVYXLogDocEditor::CmdSettingValBool(TVYXCommand cmd) const
{
    if (cmd == vycSettingPageLandscape)
        return SEP().GetLandscape();
    if (cmd == vycSettingTblShowOutline)
        return DOP().ShowTableOutline;
    return false;
}

// ---- Protection -----------------------------------------------------------------

bool TVYXLogDocEditor::TestRestriction(TVYXCommand cmd) const
{
    const TVYXDOPProtection& protection = DOP().Protection;
    if (!protection.Enforcement || protection.Editing == adpeNone)
        return true;
    const TVYXCommandClass kind = CommandClass(cmd);
    // Moves and selections never change the document.
    if (kind == vyccMove || kind == vyccSelect || kind == vyccNone || cmd == vycClipboardCopy ||
        cmd == vycControlEscape || cmd == vycUpdateUI)
        return true;
    if (protection.Editing == adpeTrackChanges)
        return Revision().TrackChanges || kind != vyccRevision;
    // Editing is allowed where a permission range made the runs editable: the
    // caret's run, and for deletions the run the deletion reaches into.
    auto editable = [](const TVYXLogPos& pos) {
        if (!pos.Valid())
            return false;
        const TVYXCharRun* run = pos.Para->CharRuns().FindAbsolute(pos.CharPos, true);
        return !run || !run->GetReadOnlyActive();
    };
    if (!editable(FCaret))
        return false;
    TVYXLogPos target(FCaret);
    if (cmd == vycDelCharLeft && !target.MoveCharPrev())
        return false;
    if ((cmd == vycDelCharRight || cmd == vycDelAtCaret) && !target.MoveCharNext())
        return false;
    if (!editable(target))
        return false;
    if (FSelections->HasSelection() && !FSelections->IsEmpty())
        return editable(FSelections->GetFirstPos()) && editable(FSelections->GetLastPos());
    return true;
}
