// VYXTable.cpp: tables, rows and cells: structure, widths, navigation between cells,
// borders, vertical merges, selection and hits.
#include "model/VYXTable.h"

#include <algorithm>
#include <cmath>

#include "model/VYXDocData.h"
#include "model/VYXLogParas.h"
#include "model/VYXRootData.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"

const std::array<std::string_view, atcavBoth + 1> VYXTableCellAlignVertNames = {"Top", "Center", "Bottom", "Both"};

// ---- Cell ------------------------------------------------------------------------

TVYXTableCell::TVYXTableCell(TVYXTableRow* row)
    : FRow(row), FParas(nullptr), FProps(std::make_unique<TVYXTableCellProps>())
{
    TVYXRootData* root = row && row->Table() && row->Table()->Paras() ? row->Table()->Paras()->RootManager() : nullptr;
    FParas = std::make_unique<TVYXLogParas>(root, this, this);
    FParas->DirtyParaEvent = [this](TVYXLogPara& para) {
        if (Row())
            Row()->AHeight = 0;
        // The document hears of changes in cells at any depth, as of its own paragraphs.
        if (TVYXLogParas* outer = Row() && Row()->Table() ? Row()->Table()->Paras() : nullptr; outer && outer->DirtyParaEvent)
            outer->DirtyParaEvent(para);
    };
    FProps->BorderChanged = [this](TVYXTableBorderProps&, TVYXTableBorderSide) {
        if (Row())
            Row()->MakeDirty();
    };
}

TVYXTableCell::~TVYXTableCell() = default;

TVYXLogPara* TVYXTableCell::FirstPara() { return FParas->_FirstPara(); }
TVYXLogPara* TVYXTableCell::LastPara() { return FParas->_LastPara(); }
double TVYXTableCell::TextWidth() const { return FParas->PixWidth(); }

TVYXTableCell* TVYXTableCell::ParentCell() const
{
    const TVYXTable* table = Table();
    return table && table->Paras() ? table->Paras()->Cell() : nullptr;
}

TVYXLogParaItem* TVYXTableCell::RootPara() const
{
    TVYXLogParaItem* item = Table();
    while (item && item->Paras() && item->Paras()->Cell())
        item = item->Paras()->Cell()->Table();
    return item;
}

TVYXTableCell* TVYXTableCell::NextCell()
{
    if (!Row())
        return nullptr;
    if (TVYXTableCell* c = Row()->CellN(Index() + 1))
        return c;
    for (TVYXTableRow* r = Row()->NextRow(); r; r = r->NextRow())
        if (r->Count() > 0)
            return r->GetCells(0);
    return nullptr;
}

TVYXTableCell* TVYXTableCell::PrevCell()
{
    if (!Row())
        return nullptr;
    if (TVYXTableCell* c = Row()->CellN(Index() - 1))
        return c;
    for (TVYXTableRow* r = Row()->PrevRow(); r; r = r->PrevRow())
        if (r->Count() > 0)
            return r->Last();
    return nullptr;
}

TVYXTableCell* TVYXTableCell::NextCellDown()
{
    TVYXTableRow* r = Row() ? Row()->NextRow() : nullptr;
    return r && r->Count() > 0 ? r->GetCells(std::min(Index(), r->Count() - 1)) : nullptr;
}

TVYXTableCell* TVYXTableCell::NextCellUp()
{
    TVYXTableRow* r = Row() ? Row()->PrevRow() : nullptr;
    return r && r->Count() > 0 ? r->GetCells(std::min(Index(), r->Count() - 1)) : nullptr;
}

TVYXTableCell* TVYXTableCell::NextCellLeft() { return Row() ? Row()->CellN(Index() - 1) : nullptr; }
TVYXTableCell* TVYXTableCell::NextCellRight() { return Row() ? Row()->CellN(Index() + 1) : nullptr; }

TVYXLogPara* TVYXTableCell::NextPara(TVYXLogParaItem& item)
{
    if (TVYXLogPara* p = FParas->Next(item))
        return p;
    if (TVYXTableCell* c = NextCell())
        return c->FirstPara();
    TVYXTable* table = Table();
    if (!table || !table->Paras())
        return nullptr;
    if (TVYXLogParaIterator* it = table->Paras()->Iterator())
        return it->NextPara(*table);
    return table->Paras()->Next(*table);
}

TVYXLogPara* TVYXTableCell::PrevPara(TVYXLogParaItem& item)
{
    if (item.Paras() == FParas.get() && item.Index() > 0) {
        TVYXLogParaItem* prev = FParas->GetItems(item.Index() - 1);
        return prev->IsPara() ? static_cast<TVYXLogPara*>(prev) : static_cast<TVYXTable*>(prev)->LastPara();
    }
    if (TVYXTableCell* c = PrevCell())
        return c->LastPara();
    TVYXTable* table = Table();
    if (!table || !table->Paras())
        return nullptr;
    if (TVYXLogParaIterator* it = table->Paras()->Iterator())
        return it->PrevPara(*table);
    return table->Paras()->Prev(*table);
}

TVYXLogPara* TVYXTableCell::NextRow(TVYXLogParaItem& item)
{
    if (TVYXTableCell* c = NextCellDown())
        return c->FirstPara();
    TVYXTable* table = Table();
    (void)item;
    if (table && table->Paras() && table->Paras()->Iterator())
        return table->Paras()->Iterator()->NextPara(*table);
    return nullptr;
}

TVYXLogPara* TVYXTableCell::PrevRow(TVYXLogParaItem& item)
{
    if (TVYXTableCell* c = NextCellUp())
        return c->LastPara();
    TVYXTable* table = Table();
    (void)item;
    if (table && table->Paras() && table->Paras()->Iterator())
        return table->Paras()->Iterator()->PrevPara(*table);
    return nullptr;
}

double TVYXTableCell::GetLeft() const
{
    double x = 0;
    for (int i = 0; Row() && i < Index(); ++i)
        x += Row()->GetCells(i)->GetWidth();
    return x;
}

bool TVYXTableCell::IsRight() const { return Row() && Index() == Row()->Count() - 1; }

void TVYXTableCell::SetPcWidth(double percent)
{
    FProps->WidthType = atwtPercent;
    FProps->Width = percent / 100.0;
}

double TVYXTableCell::CalculatedWidth() const
{
    const TVYXTable* table = Table();
    if (FProps->WidthType == atwtPercent)
        return table ? table->CalculatedWidth() * FProps->Width : 0;
    if (table && table->MaxWidth >= 1)
        return std::min(FProps->Width, table->MaxWidth);
    return FProps->Width;
}

std::int32_t TVYXTableCell::CalcRowSpan() const
{
    if (!GetMergedRoot() || !Row())
        return 1;
    std::int32_t span = 1;
    for (const TVYXTableRow* r = Row()->NextRow(); r; r = r->NextRow()) {
        const TVYXTableCell* c = r->CellN(Index());
        if (!c || !c->GetMerged())
            break;
        ++span;
    }
    return span;
}

std::int32_t TVYXTableCell::CalcGridSpan() const
{
    if (!Row())
        return 1;
    double x = 0;
    for (int i = 0; i <= Index() && i < Row()->Count(); ++i)
        x += Row()->GetCells(i)->GetWidth();
    const TVYXTableRow* neighbour = Row()->Index() > 0 ? Row()->PrevRow() : Row()->NextRow();
    if (!neighbour || neighbour->Count() == 0)
        return 1;
    const TVYXTableCell* hit = neighbour->HitWidth(x);
    return hit ? hit->Index() + 1 : 1;
}

int TVYXTableCell::Compare(const TVYXTableCell& other) const
{
    if (Table() != other.Table() || !Row() || !other.Row())
        throw VYXException("Cell is not in the same table");
    if (Row() != other.Row())
        return other.Row()->Index() - Row()->Index();
    return other.Index() - Index();
}

double TVYXTableCell::GetClientWidth() const
{
    const TVYXTable* table = Table();
    const double margins = table ? table->TAPX().CalcCellMargLeft(FProps.get()) + table->TAPX().CalcCellMargRight(FProps.get())
                                 : FProps->MargLeft + FProps->MargRight;
    return std::max(0.0, CalculatedWidth() - margins);
}

double TVYXTableCell::GetHeight() const
{
    const TVYXTable* table = Table();
    if (!Row() || !table)
        return 0;
    double height = 0;
    const int span = CalcRowSpan();
    for (int r = Row()->Index(); r < Row()->Index() + span && r < table->Count(); ++r)
        height += table->GetRows(r)->GetHeight();
    return height;
}

bool TVYXTableCell::LastParaIsAutoHidden() const
{
    const int n = FParas->Count();
    const TVYXLogPara* last = FParas->ParaAtIndex(n - 1);
    return n >= 2 && last && last->Empty() && FParas->GetItems(n - 2)->IsTable();
}

void TVYXTableCell::ClearContent()
{
    FParas->Clear();
    FParas->Validate();
}

void TVYXTableCell::Assign(const TVYXTableCell& source)
{
    Flags = source.Flags;
    AlignVert = source.AlignVert;
    FProps->Assign(source.Props());
    CnfStyle = source.CnfStyle;
    GridSpan = source.GridSpan;
    ReadOnly = source.ReadOnly;
    PermId = source.PermId;
    FParas->Assign(source.Paras());
}

std::unique_ptr<TVYXTableCell> TVYXTableCell::Clone(TVYXTableRow* row) const
{
    auto copy = std::make_unique<TVYXTableCell>(row);
    copy->Assign(*this);
    return copy;
}

// ---- Row -------------------------------------------------------------------------

TVYXTableRow::~TVYXTableRow() = default;

void TVYXTableRow::Renumber()
{
    for (std::size_t i = 0; i < FCells.size(); ++i) {
        FCells[i]->FIndex = static_cast<int>(i);
        FCells[i]->FRow = this;
    }
}

TVYXTableCell* TVYXTableRow::Add() { return Insert(Count()); }

TVYXTableCell* TVYXTableRow::Add(std::unique_ptr<TVYXTableCell> cell)
{
    TVYXTableCell* added = cell.get();
    FCells.push_back(std::move(cell));
    Renumber();
    return added;
}

TVYXTableCell* TVYXTableRow::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    auto cell = std::make_unique<TVYXTableCell>(this);
    cell->Paras().Validate();
    TVYXTableCell* added = cell.get();
    FCells.insert(FCells.begin() + index, std::move(cell));
    Renumber();
    return added;
}

void TVYXTableRow::DeleteCell(int index)
{
    if (index < 0 || index >= Count())
        return;
    // Clearing gives the content back (nested-table counts, hyperlink uses) while the row is whole.
    FCells[static_cast<std::size_t>(index)]->Paras().Clear();
    FCells.erase(FCells.begin() + index);
    Renumber();
}

TVYXLogPara* TVYXTableRow::FirstPara() const { return FCells.empty() ? nullptr : FCells.front()->FirstPara(); }
TVYXLogPara* TVYXTableRow::LastPara() const { return FCells.empty() ? nullptr : FCells.back()->LastPara(); }

TVYXTableRow* TVYXTableRow::NextRow() const
{
    return Table() && Index() + 1 < Table()->Count() ? Table()->GetRows(Index() + 1) : nullptr;
}

TVYXTableRow* TVYXTableRow::PrevRow() const
{
    return Table() && Index() > 0 && Index() <= Table()->Count() ? Table()->GetRows(Index() - 1) : nullptr;
}

bool TVYXTableRow::IsBottom() const { return Table() && Index() == Table()->Count() - 1; }

bool TVYXTableRow::IsMergedChild() const
{
    for (const auto& c : FCells)
        if (c->GetMerged())
            return true;
    return false;
}

double TVYXTableRow::GetWidth() const
{
    double w = 0;
    for (const auto& c : FCells)
        w += c->GetWidth();
    return w;
}

const TVYXTableCell* TVYXTableRow::HitWidth(double x) const
{
    if (FCells.empty())
        return nullptr;
    double right = 0;
    for (const auto& c : FCells) {
        right += c->GetWidth();
        if (std::fabs(right - x) < 1e-5 || right > x)
            return c.get();
    }
    return FCells.back().get();
}

bool TVYXTableRow::GetSelected() const
{
    for (const auto& c : FCells)
        if (!c->GetSelected())
            return false;
    return !FCells.empty();
}

void TVYXTableRow::ClearContent()
{
    for (auto& c : FCells)
        c->ClearContent();
}

TVYXTableRowProps* TVYXTableRow::AddProps()
{
    if (!FProps)
        FProps = std::make_unique<TVYXTableRowProps>();
    return FProps.get();
}

double TVYXTableRow::GetHeight() const { return std::max(AHeight > 0 ? AHeight : Height, MHeight); }

void TVYXTableRow::MergeCells(int first, int last)
{
    if (Table())
        Table()->MergeCells(first, Index(), last, Index());
}

void TVYXTableRow::Assign(const TVYXTableRow& source)
{
    if (&source == this)
        return;
    Height = source.Height;
    MHeight = source.MHeight;
    RptData = source.RptData;
    CantSplit = source.CantSplit;
    HeightExact = source.HeightExact;
    CnfStyle = source.CnfStyle;
    Permission = source.Permission;
    if (source.FProps)
        AddProps()->Assign(*source.FProps);
    else
        FProps.reset();
    while (Count() > 0)
        DeleteCell(Count() - 1);
    for (const auto& c : source.FCells)
        Add(c->Clone(this));
}

void TVYXTableRow::AssignWidthHeight(const TVYXTableRow& source)
{
    Height = source.Height;
    MHeight = source.MHeight;
    HeightExact = source.HeightExact;
    for (int i = 0; i < std::min(Count(), source.Count()); ++i) {
        FCells[static_cast<std::size_t>(i)]->SetWidth(source.GetCells(i)->GetWidth());
        FCells[static_cast<std::size_t>(i)]->Props().WidthType = source.GetCells(i)->Props().WidthType;
    }
}

std::unique_ptr<TVYXTableRow> TVYXTableRow::Clone(TVYXTable* table) const
{
    auto copy = std::make_unique<TVYXTableRow>(table);
    copy->Assign(*this);
    return copy;
}

void TVYXTableRow::MakeDirty()
{
    AHeight = 0;
    for (auto& c : FCells)
        c->Paras().MakeDirty();
}

// ---- Table -----------------------------------------------------------------------

TVYXTable::TVYXTable(TVYXLogParas* paras) : TVYXLogParaItem(paras)
{
    TVYXRootData* root = paras ? paras->RootManager() : nullptr;
    FTAPX = std::make_unique<TVYXTAPX>(root ? root->MasterTAP() : nullptr);
}

TVYXTable::~TVYXTable() = default;

void TVYXTable::Renumber(int from)
{
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < FRows.size(); ++i) {
        FRows[i]->FIndex = static_cast<int>(i);
        FRows[i]->FTable = this;
    }
}

std::u16string TVYXTable::GetPlainText() const
{
    std::u16string text;
    for (const auto& row : FRows) {
        for (int c = 0; c < row->Count(); ++c) {
            if (c > 0)
                text += u'\t';
            text += row->GetCells(c)->Paras().GetPlainText();
        }
        if (row->Index() + 1 < Count())
            text += u"\r\n";
    }
    return text;
}

std::unique_ptr<TVYXLogParaItem> TVYXTable::Clone(TVYXLogParas* paras) const
{
    auto copy = std::make_unique<TVYXTable>(paras);
    copy->Assign(*this);
    return copy;
}

void TVYXTable::Assign(const TVYXTable& source)
{
    if (&source == this)
        return;
    TVYXStyles* styles = Paras() && Paras()->RootManager() ? Paras()->RootManager()->Styles() : nullptr;
    const TVYXStyles* sourceStyles =
        source.Paras() && source.Paras()->RootManager() ? source.Paras()->RootManager()->Styles() : nullptr;
    FTAPX->Assign(*source.FTAPX, sourceStyles, styles);
    Name = source.Name;
    MaxWidth = source.MaxWidth;
    while (Count() > 0)
        DeleteRow(Count() - 1);
    // The rows' cells count their nested tables into this table as they are filled.
    for (const auto& row : source.FRows) {
        FRows.push_back(row->Clone(this));
        Renumber(Count() - 1);
    }
}

void TVYXTable::SetWithinTable()
{
    const double available = AvailableWidth();
    const double width = CalculatedWidth();
    if (available <= 0 || width <= available)
        return;
    const double scale = available / width;
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c) {
            TVYXTableCell* cell = row->GetCells(c);
            if (cell->Props().WidthType != atwtPercent)
                cell->SetWidth(cell->GetWidth() * scale);
        }
    SetWidth(available);
}

void TVYXTable::FormatAll(const TVYXCHPX* chpx)
{
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->Paras().FormatAll(chpx);
}

void TVYXTable::FormatAllUncond(const TVYXCHPX* chpx)
{
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c) {
            TVYXLogParas& paras = row->GetCells(c)->Paras();
            for (int i = 0; i < paras.Count(); ++i)
                paras.GetItems(i)->FormatAllUncond(chpx);
        }
}

void TVYXTable::CombineCharRuns()
{
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->Paras().CombineCharRuns();
}

const TVYXTableCell* TVYXTable::GetCells(int col, int row) const
{
    if (row < 0 || row >= Count())
        return nullptr;
    return FRows[static_cast<std::size_t>(row)]->CellN(col);
}

TVYXTableRow* TVYXTable::Add() { return Insert(Count()); }

TVYXTableRow* TVYXTable::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    FRows.insert(FRows.begin() + index, std::make_unique<TVYXTableRow>(this));
    Renumber(index);
    return FRows[static_cast<std::size_t>(index)].get();
}

double TVYXTable::AvailableWidth() const
{
    if (ParentWidth)
        return ParentWidth();
    if (Paras() && Paras()->Cell())
        return Paras()->Cell()->CalculatedWidth();
    return Paras() && Paras()->WidthEvent ? Paras()->WidthEvent() : 0;
}

TVYXTableRow* TVYXTable::AddRow(int cols)
{
    cols = std::clamp(cols, 1, cVYXMaxTableCols);
    const double width = AvailableWidth() / cols;
    TVYXTableRow* row = Add();
    for (int i = 0; i < cols; ++i) {
        TVYXTableCell* cell = row->Add();
        cell->SetWidth(width);
        cell->Props().WidthType = atwtPoints;
    }
    return row;
}

void TVYXTable::AddRows(int cols, int rows)
{
    rows = std::clamp(rows, 0, cVYXMaxTableRows);
    for (int i = 0; i < rows; ++i)
        AddRow(cols);
}

TVYXTableRow* TVYXTable::Append()
{
    if (FRows.empty())
        throw VYXException("Empty table");
    auto row = FRows.back()->Clone(this);
    for (int c = 0; c < row->Count(); ++c) {
        TVYXTableCell* cell = row->GetCells(c);
        cell->Paras().Clear();
        cell->Paras().Validate();
        cell->Flags &= ~static_cast<unsigned>(atcfMergedRoot | atcfMergedLast | atcfSelected);
    }
    FRows.push_back(std::move(row));
    Renumber(Count() - 1);
    return FRows.back().get();
}

void TVYXTable::InsertCol(int index)
{
    for (auto& row : FRows) {
        const int at = std::clamp(index, 0, row->Count());
        TVYXTableCell* ref = row->CellN(at < row->Count() ? at : at - 1);
        TVYXTableCell* cell = row->Insert(at);
        if (ref) {
            cell->Props().Width = ref->GetWidth();
            cell->Props().WidthType = ref->Props().WidthType;
        }
    }
}

void TVYXTable::DeleteRow(int index)
{
    if (index < 0 || index >= Count())
        return;
    // As DeleteCell: the content goes through its lists first.
    TVYXTableRow& row = *FRows[static_cast<std::size_t>(index)];
    for (int c = 0; c < row.Count(); ++c)
        row.GetCells(c)->Paras().Clear();
    FRows.erase(FRows.begin() + index);
    Renumber(index);
}

void TVYXTable::DeleteCol(int index)
{
    for (auto& row : FRows)
        row->DeleteCell(index);
}

void TVYXTable::MergeCells(int col1, int row1, int col2, int row2)
{
    OrderRect(col1, row1, col2, row2);
    for (int r = row1; r <= row2; ++r) {
        TVYXTableRow* row = GetRows(r);
        TVYXTableCell* first = row->CellN(col1);
        if (!first)
            continue;
        // Horizontal: the first cell takes the widths, spans and contents of the others.
        const int last = std::min(col2, row->Count() - 1);
        for (int c = last; c > col1; --c) {
            TVYXTableCell* other = row->GetCells(c);
            first->SetWidth(first->GetWidth() + other->GetWidth());
            first->GridSpan += other->GridSpan;
            if (!other->Paras().Empty())
                first->Paras().SnatchParas(other->Paras());
            row->DeleteCell(c);
        }
        if (row1 == row2)
            continue;
        first->SetMergedRoot(r == row1);
        first->SetMerged(r > row1);
        first->SetMergedLast(r == row2);
        if (r > row1) {
            TVYXTableCell* root = GetRows(row1)->CellN(col1);
            if (root && !first->Paras().Empty())
                root->Paras().SnatchParas(first->Paras());
            first->Paras().Validate();
        }
    }
}

void TVYXTable::SetWidth(double width)
{
    FTAPX->SetWidth(width);
    FTAPX->SetWidthType(atwtPoints);
}

void TVYXTable::SetWidthPercent(double percent)
{
    FTAPX->SetWidth(percent / 100.0);
    FTAPX->SetWidthType(atwtPercent);
}

void TVYXTable::SetColWidth(int col, double width)
{
    for (auto& row : FRows)
        if (TVYXTableCell* c = row->CellN(col))
            c->SetWidth(width);
}

void TVYXTable::SetColDeltaWidth(int col, double delta)
{
    for (auto& row : FRows)
        if (TVYXTableCell* c = row->CellN(col)) {
            c->SetWidth(c->GetWidth() + delta);
            if (TVYXTableCell* next = row->CellN(col + 1))
                next->SetWidth(next->GetWidth() - delta);
        }
}

void TVYXTable::SetDimension(int cols, int rows)
{
    cols = std::clamp(cols, 1, cVYXMaxTableCols);
    rows = std::clamp(rows, 1, cVYXMaxTableRows);
    while (Count() > rows)
        DeleteRow(Count() - 1);
    while (Count() < rows)
        AddRow(cols);
    for (auto& row : FRows) {
        while (row->Count() > cols)
            row->DeleteCell(row->Count() - 1);
        while (row->Count() < cols) {
            const double width = row->Last() ? row->Last()->GetWidth() : AvailableWidth() / cols;
            row->Add()->SetWidth(width);
        }
    }
}

double TVYXTable::GetColWidth(int col) const
{
    for (const auto& row : FRows)
        if (const TVYXTableCell* c = row->CellN(col))
            return c->GetWidth();
    return 0;
}

double TVYXTable::CalculatedWidth() const
{
    if (FTAPX->Assigned(vytiWidth)) {
        if (FTAPX->GetWidthType() == atwtPercent)
            return AvailableWidth() * FTAPX->GetWidth();
        if (FTAPX->GetWidthType() == atwtPoints)
            return FTAPX->GetWidth();
    }
    double w = 0;
    for (const auto& row : FRows)
        w = std::max(w, row->GetWidth());
    return w > 0 ? w : AvailableWidth();
}

int TVYXTable::MaxCells() const
{
    int n = 0;
    for (const auto& row : FRows)
        n = std::max(n, row->Count());
    return n;
}

const TVYXTableCell* TVYXTable::FirstCell() const
{
    for (const auto& row : FRows)
        if (row->Count() > 0)
            return row->GetCells(0);
    return nullptr;
}

const TVYXTableCell* TVYXTable::LastCell() const
{
    for (auto it = FRows.rbegin(); it != FRows.rend(); ++it)
        if ((*it)->Count() > 0)
            return (*it)->Last();
    return nullptr;
}

// The paragraph links navigate (a walker steps from a table into its cells), so they pass
// through the rows the table owns rather than through the const cell lookups.
TVYXLogPara* TVYXTable::FirstPara() const
{
    for (const auto& row : FRows)
        if (row->Count() > 0)
            return row->GetCells(0)->FirstPara();
    return nullptr;
}

TVYXLogPara* TVYXTable::LastPara() const
{
    for (auto it = FRows.rbegin(); it != FRows.rend(); ++it)
        if ((*it)->Count() > 0)
            return (*it)->Last()->LastPara();
    return nullptr;
}

TVYXLogPara* TVYXTable::LastRowCell0LastPara() const
{
    TVYXTableRow* row = FRows.empty() ? nullptr : FRows.back().get();
    return row && row->Count() > 0 ? row->GetCells(0)->LastPara() : nullptr;
}

int TVYXTable::Level() const { return Paras() ? Paras()->Level() + 1 : 1; }

bool TVYXTable::IsTableInParas(const TVYXLogParas& paras) const
{
    for (const TVYXLogParaItem* item = this; item && item->Paras();) {
        if (item->Paras() == &paras)
            return true;
        item = item->Paras()->Cell() ? item->Paras()->Cell()->Table() : nullptr;
    }
    return false;
}

TVYXTableCell* TVYXTable::ParentCell() const { return Paras() ? Paras()->Cell() : nullptr; }

void TVYXTable::SetEmpty()
{
    for (auto& row : FRows)
        row->ClearContent();
}

void TVYXTable::Validate()
{
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->Paras().Validate();
}

// ---- The list's operations on tables ----------------------------------------------
// They live with the tables they make and read, so that lists, which tables' cells are
// made of, never call into tables.

TVYXTable* TVYXLogParas::InsertTable(int index)
{
    auto table = std::make_unique<TVYXTable>(this);
    return static_cast<TVYXTable*>(InsertItem(index, std::move(table)));
}

TVYXTable* TVYXLogParas::AddTable() { return InsertTable(-1); }

TVYXTable* TVYXLogParas::AddTable(int cols, int rows)
{
    if (cols < 1 || cols > cVYXMaxTableCols || rows < 1 || rows > cVYXMaxTableRows)
        return nullptr;
    TVYXTable* table = AddTable();
    if (RootManager() && RootManager()->Styles())
        if (auto* style = dynamic_cast<TVYXTableStyle*>(RootManager()->Styles()->Find(u"TableGrid")))
            table->TAPX().SetStyle(style);
    table->AddRows(cols, rows);
    return table;
}

void TVYXLogParas::ClearSelectedTables()
{
    TVYXLogParasIterator it;
    it.TableEvent = [](TVYXTable& table) { table.ClearSelection(); };
    it.Iterate(*this);
}

double TVYXLogParas::PaginatedPixWidth() const
{
    const double points = Cell() ? Cell()->CalculatedWidth() : WidthEvent ? WidthEvent() : 0;
    return points > 0 ? points * GetPPIX() / 72.0 : PixWidth();
}

TVYXTable* TVYXTableStack::Pop()
{
    if (FItems.empty())
        return nullptr;
    TVYXTable* t = FItems.back();
    FItems.pop_back();
    return t;
}

// ---- Cell borders ------------------------------------------------------------

namespace {
const TVYXDocPropBorder* CellBorder(const TVYXTableCell& cell, TVYXTableBorderSide side, bool edge, TVYXTapId outer,
                                    TVYXTapId inside)
{
    if (const TVYXDocPropBorder* own = cell.Props().GetBorder(side))
        return own;
    const TVYXTable* table = cell.Table();
    return table ? table->TAPX().GetBorder(edge ? outer : inside) : nullptr;
}

double VisibleWidth(const TVYXDocPropBorder* border) { return border && border->Assigned() ? border->Width : 0; }
}  // namespace

const TVYXDocPropBorder* TVYXTableCell::BorderLeft() const
{
    const TVYXTableCell& root = *MergeRoot();
    return CellBorder(root, atbsLeft, root.IsLeft(), vytiBorderLeft, vytiBorderInsideVert);
}

const TVYXDocPropBorder* TVYXTableCell::BorderTop() const
{
    if (MergeRoot() != this)
        return nullptr;  // inside a vertical merge
    return CellBorder(*this, atbsTop, !Row() || Row()->IsTop(), vytiBorderTop, vytiBorderInsideHoriz);
}

const TVYXDocPropBorder* TVYXTableCell::BorderRight() const
{
    const TVYXTableCell& root = *MergeRoot();
    return CellBorder(root, atbsRight, root.IsRight(), vytiBorderRight, vytiBorderInsideVert);
}

const TVYXDocPropBorder* TVYXTableCell::BorderBottom() const
{
    const TVYXTableCell& last = *MergeLast();
    if (&last != this && MergeRoot() != this)
        return nullptr;  // inside a vertical merge
    return CellBorder(last, atbsBottom, !last.Row() || last.Row()->IsBottom(), vytiBorderBottom, vytiBorderInsideHoriz);
}

double TVYXTableCell::TopHalfBorderHeight() const { return VisibleWidth(BorderTop()) / 2; }
double TVYXTableCell::BottomHalfBorderHeight() const { return VisibleWidth(BorderBottom()) / 2; }

double TVYXTableRow::TopBorderMaxSize() const
{
    double size = 0;
    for (const auto& cell : FCells)
        size = std::max(size, VisibleWidth(cell->BorderTop()));
    return size;
}

double TVYXTableRow::BottomBorderMaxSize() const
{
    double size = 0;
    for (const auto& cell : FCells)
        if (cell->MergeLast() == cell.get())  // a merge running on has its bottom further down
            size = std::max(size, VisibleWidth(cell->BorderBottom()));
    return size;
}

void TVYXTable::ClearRows()
{
    for (const auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->Paras().ClearRows();
}

double TVYXTable::PixHeight() const
{
    if (FRows.empty())
        return 0;
    return std::max(0.0, static_cast<double>(FRows.back()->PixY2) - FRows.front()->PixY1);
}

double TVYXTable::PixWidth() const
{
    double width = 0;
    for (const auto& row : FRows)
        if (row->Count() > 0)
            width = std::max(width, row->Last()->PixX2 - row->GetCells(0)->PixX1);
    return width;
}

TVYXLogParas* TVYXTableCell::DoAddTextBox()
{
    const TVYXTable* table = Table();
    TVYXLogParaIterator* nav = table && table->Paras() ? table->Paras()->Iterator() : nullptr;
    return nav && nav != this ? nav->DoAddTextBox() : nullptr;
}

// ---- Vertical merges, selection and hits ----------------------------------------

TVYXTableCell* TVYXTableCell::MergeRoot() const
{
    const TVYXTableCell* cell = this;
    // Each step goes one row up, so the walk ends within the table.
    while (cell->GetMerged() && !cell->GetMergedRoot() && cell->Row()) {
        const TVYXTableRow* prev = cell->Row()->PrevRow();
        const TVYXTableCell* up = prev ? prev->CellN(cell->Index()) : nullptr;
        if (!up || !(up->Flags & (atcfMerged | atcfMergedRoot)))
            break;
        cell = up;
    }
    return const_cast<TVYXTableCell*>(cell);
}

TVYXTableCell* TVYXTableCell::MergeLast() const
{
    const TVYXTableCell* cell = this;
    if (!(Flags & (atcfMerged | atcfMergedRoot)))
        return const_cast<TVYXTableCell*>(cell);
    while (!cell->GetMergedLast() && cell->Row()) {
        const TVYXTableRow* next = cell->Row()->NextRow();
        const TVYXTableCell* down = next ? next->CellN(cell->Index()) : nullptr;
        if (!down || !down->GetMerged() || down->GetMergedRoot())
            break;
        cell = down;
    }
    return const_cast<TVYXTableCell*>(cell);
}

const TVYXTableCell* TVYXTableRow::Hit(double x) const
{
    for (const auto& c : FCells)
        if (x >= c->PixX1 && (x < c->PixX2 || (c.get() == FCells.back().get() && x <= c->PixX2)))
            return c.get();
    return nullptr;
}

void TVYXTable::OrderRect(int& col1, int& row1, int& col2, int& row2) const
{
    if (col1 > col2)
        std::swap(col1, col2);
    if (row1 > row2)
        std::swap(row1, row2);
    row1 = std::max(row1, 0);
    row2 = std::min(row2, Count() - 1);
}

void TVYXTable::ClearSelection()
{
    for (const auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->SetSelected(false);
    AnySelected = false;
}

int TVYXTable::Select(int col1, int row1, int col2, int row2)
{
    ClearSelection();
    OrderRect(col1, row1, col2, row2);
    col1 = std::max(col1, 0);
    if (row1 > row2)
        return 0;
    // A rectangle cutting a vertical merge takes in all of it, which may reach further
    // merges; every pass only grows the rows, so this ends.
    for (bool grown = true; grown;) {
        grown = false;
        for (int r = row1; r <= row2; ++r)
            for (int c = col1; c <= col2 && c < GetRows(r)->Count(); ++c) {
                const TVYXTableCell* cell = GetRows(r)->GetCells(c);
                const int top = cell->MergeRoot()->Row()->Index(), bottom = cell->MergeLast()->Row()->Index();
                if (top < row1 || bottom > row2) {
                    row1 = std::min(row1, top);
                    row2 = std::max(row2, bottom);
                    grown = true;
                }
            }
    }
    int selected = 0;
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2 && c < GetRows(r)->Count(); ++c) {
            GetRows(r)->GetCells(c)->SetSelected(true);
            ++selected;
        }
    AnySelected = selected > 0;
    return selected;
}

TVYXConstTableHit TVYXTable::Hit(double x, double y, double edge) const
{
    for (std::size_t r = 0; r < FRows.size(); ++r) {
        const TVYXTableRow& row = *FRows[r];
        const bool lastRow = r + 1 == FRows.size();
        if (!(y >= row.PixY1 && (y < row.PixY2 || (lastRow && y <= row.PixY2))))
            continue;
        const TVYXTableCell* cell = row.Hit(x);
        if (!cell)
            return {};
        const TVYXTableCell* root = cell->MergeRoot();
        const double top = root->Row()->PixY1;
        const double bottom = cell->MergeLast()->Row()->PixY2;
        TVYXMouseCellHit where = amchInside;
        if (x - cell->PixX1 <= edge)
            where = amchLeftEdge;
        else if (cell->PixX2 - x <= edge)
            where = amchRightEdge;
        else if (y - top <= edge)
            where = amchTopEdge;
        else if (bottom - y <= edge)
            where = amchBottomEdge;
        return {root, where};
    }
    return {};
}

void TVYXTable::SetHeightPercent(double percent, double height)
{
    if (FRows.empty())
        return;
    const double total = std::max(0.0, percent) / 100.0 * height;
    double laidOut = 0, set = 0;
    for (const auto& row : FRows)
        laidOut += row->AHeight, set += row->Height;
    for (const auto& row : FRows) {
        const double share = laidOut > 0 ? row->AHeight / laidOut
                             : set > 0   ? row->Height / set
                                         : 1.0 / static_cast<double>(FRows.size());
        row->Height = total * share;
    }
}
