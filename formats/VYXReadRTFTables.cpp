// VYXReadRTFTables.cpp: the RTF reader's tables: nesting levels, cells, rows and row definitions.
#include "formats/VYXReadRTFImpl.h"

#include <algorithm>
#include <cmath>

#include "editing/VYXLogEditor.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"

namespace vyx_rtf {

void TRtfParser::EnsureTableDepth(TTarget& t, int depth)
{
    depth = std::clamp(depth, 0, cMaxTableDepth);
    while (static_cast<int>(t.Tables.size()) > depth)
        t.Tables.pop_back();
    while (static_cast<int>(t.Tables.size()) < depth) {
        // Past the budget, text that asks for a deeper table stays at the depth reached.
        if (FTableCount >= cMaxTables && !t.Tables.empty())
            break;
        ++FTableCount;
        TVYXLogParas* into = t.Tables.empty() ? t.Paras : &EnsureCell(t.Tables.back())->Paras();
        TTableLevel level;
        // A table first in a new cell goes before the cell's empty paragraph.
        const bool fresh = into->Cell() && into->Count() == 1 && into->ParaAtIndex(0) &&
                           into->ParaAtIndex(0)->TextLength() == 0 && into->ParaAtIndex(0)->Count() <= 1;
        level.Table = fresh ? into->InsertTable(0) : into->AddTable();
        t.Tables.push_back(level);
    }
}

TVYXTableCell* TRtfParser::EnsureCell(TTableLevel& level)
{
    if (!level.Row)
        level.Row = level.Table->Add();
    if (!level.Cell) {
        // Rows have at most cMaxCells cells: surplus cells' text joins the last one.
        level.Cell = level.Row->Count() < cMaxCells ? level.Row->Add() : level.Row->Last();
    }
    return level.Cell;
}

void TRtfParser::EndCell()
{
    TTarget& t = Target();
    TParaState& p = Cur().Pap;
    if (!p.InTable) {
        p.InTable = true;  // a \cell outside \intbl still closes a cell of the outer table
        if (p.Itap < 1)
            p.Itap = 1;
    }
    TVYXLogPara* para = CurrentPara();
    if (!para)
        return;
    ApplyParaProps(*para);
    t.ParaEnded = true;
    if (!t.Tables.empty())
        t.Tables.back().Cell = nullptr;
}

void TRtfParser::EndRow(bool nested)
{
    TTarget& t = Target();
    if (!t.Paras)
        return;
    const int depth = nested ? std::max(2, Cur().Pap.Itap) : 1;
    if (static_cast<int>(t.Tables.size()) < depth)
        return;  // no row of that level is open
    EnsureTableDepth(t, depth);
    TTableLevel& level = t.Tables.back();
    if (level.Row)
        ApplyRowDef(*level.Row, depth);
    level.Row = nullptr;
    level.Cell = nullptr;
    t.ParaEnded = true;
}

void TRtfParser::ApplyRowDef(TVYXTableRow& row, int level)
{
    if (level < 0 || level >= static_cast<int>(FRowDefs.size()))
        return;
    const TRowDef& def = FRowDefs[static_cast<std::size_t>(level)];
    const int n = std::min(static_cast<int>(def.Cells.size()), row.Count());
    std::int32_t prev = 0;
    for (int i = 0; i < n; ++i) {
        const TCellDef& d = def.Cells[static_cast<std::size_t>(i)];
        TVYXTableCell* cell = row.GetCells(i);
        if (d.X > prev) {
            cell->SetWidth(Pt(d.X - prev));
            cell->Props().WidthType = atwtPoints;
        }
        prev = d.X;
        if (const TVYXColor c = ColorAt(d.Color); d.Color >= 0 && c != cVYXAutoColor)
            cell->SetFillColor(c);
        for (int side = 0; side < 4; ++side) {
            const TBorderDef& b = d.Borders[static_cast<std::size_t>(side)];
            if (b.Style < 0)
                continue;
            TVYXDocPropBorder* border = cell->Props().Borders.AddSide(static_cast<TVYXBorderSide>(side));
            const TVYXColor c = ColorAt(b.Color);
            border->SetVals(b.Width / 20.0, c == cVYXAutoColor ? 0 : c,
                            static_cast<TST_Border>(b.Style <= 1 ? stbNone : b.Style), b.Space / 20.0);
        }
        if (d.Merge == 1)
            cell->SetMergedRoot(true);
        else if (d.Merge == 2)
            cell->SetMerged(true);
        cell->AlignVert = static_cast<TVYXTableCellAlignVert>(std::clamp(d.VAlign, 0, 2));
    }
    // Horizontal merges last, once every cell has its width: each run of \clmrg cells
    // joins the cell before it (a stray \clmrg at the start has nothing to join).
    for (int last = n - 1; last > 0; --last) {
        if (def.Cells[static_cast<std::size_t>(last)].HMerge != 2)
            continue;
        int first = last;
        while (first > 0 && def.Cells[static_cast<std::size_t>(first)].HMerge == 2)
            --first;
        // One cell at a time from the left, so the contents keep their order; the merged
        // cells' paragraphs go away, so the paragraph the reader holds may be gone too.
        for (int k = first; k < last; ++k)
            row.MergeCells(first, first + 1);
        Target().Para = nullptr;
        last = first;
    }
    if (def.Height != 0)
        row.Height = std::abs(def.Height) / 20.0;
    row.CantSplit = def.Keep;
    row.RptData = def.Header;
    // Keeping a row with the next is keeping its paragraphs with the next: layout knows that.
    if (def.KeepFollow)
        for (int i = 0; i < row.Count(); ++i) {
            TVYXLogParas& paras = row.GetCells(i)->Paras();
            for (int k = 0; k < paras.Count(); ++k)
                if (TVYXLogPara* para = paras.ParaAtIndex(k))
                    para->PAPX().SetKeepNext(true);
        }
    // Default cell margins belong to the table.
    if (TVYXTable* table = row.Table()) {
        TVYXTAPX& tapx = table->TAPX();
        if (def.Padding[0] >= 0)
            tapx.SetCellMargLeft(def.Padding[0] / 20.0);
        if (def.Padding[1] >= 0)
            tapx.SetCellMargTop(def.Padding[1] / 20.0);
        if (def.Padding[2] >= 0)
            tapx.SetCellMargRight(def.Padding[2] / 20.0);
        if (def.Padding[3] >= 0)
            tapx.SetCellMargBottom(def.Padding[3] / 20.0);
    }
}

}  // namespace vyx_rtf
