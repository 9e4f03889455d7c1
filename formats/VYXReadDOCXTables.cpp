// VYXReadDOCXTables.cpp: the DOCX reader's tables: table, row and cell properties, table styles.
#include "formats/VYXReadDOCXImpl.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/schema/NyqDocxWml.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

void TVYXReadDOCX::TImpl::DoTAPX(const TDxTree& t, const TDxNode& tblPr, TVYXTAPX& tapx)
{
    for (const TDxNode* c = t.Child(tblPr); c; c = t.Next(*c)) {
        const TDxNode& n = *c;
        switch (n.Elem) {
        case dxeTblStyle:
            if (auto* style = dynamic_cast<TVYXTableStyle*>(FDoc.Styles().Find(t.Value16(n, "val"))))
                tapx.SetStyle(style);
            break;
        case dxeJc: {
            const std::string v = t.Value(n, "val");
            tapx.SetAlignment(v == "center" ? vyptaCenter : (v == "right" || v == "end") ? vyptaRight : vyptaLeft);
            break;
        }
        case dxeTblW: {
            const std::string type = t.Value(n, "type", "dxa");
            const long long w = t.Int(n, "w", 0);
            if (type == "pct") {
                const std::string raw = t.Value(n, "w");
                const double percent = raw.find('%') != std::string::npos ? static_cast<double>(w) : static_cast<double>(w) / 50.0;
                tapx.SetWidth(percent / 100.0);
                tapx.SetWidthType(atwtPercent);
            } else if (type == "dxa" && w > 0) {
                tapx.SetWidth(Twips(w));
                tapx.SetWidthType(atwtPoints);
            } else {
                tapx.SetWidthType(type == "nil" ? atwtNone : atwtAuto);
            }
            break;
        }
        case dxeTblInd: tapx.SetIndent(Twips(t.Int(n, "w", 0))); break;
        case dxeTblCellMar:
            for (const TDxNode* m = t.Child(n); m; m = t.Next(*m)) {
                const double v = Twips(std::max(0LL, t.Int(*m, "w", 0)));
                if (m->Elem == dxeLeft || m->Elem == dxeStart)
                    tapx.SetCellMargLeft(v);
                else if (m->Elem == dxeRight || m->Elem == dxeEnd)
                    tapx.SetCellMargRight(v);
                else if (m->Elem == dxeTop)
                    tapx.SetCellMargTop(v);
                else if (m->Elem == dxeBottom)
                    tapx.SetCellMargBottom(v);
            }
            break;
        case dxeTblBorders:
            for (const TDxNode* b = t.Child(n); b; b = t.Next(*b)) {
                TVYXTapId id = vytiBorderLeft;
                switch (b->Elem) {
                case dxeLeft:
                case dxeStart: id = vytiBorderLeft; break;
                case dxeTop: id = vytiBorderTop; break;
                case dxeRight:
                case dxeEnd: id = vytiBorderRight; break;
                case dxeBottom: id = vytiBorderBottom; break;
                case dxeInsideH: id = vytiBorderInsideHoriz; break;
                case dxeInsideV: id = vytiBorderInsideVert; break;
                default: continue;
                }
                DoBorder(t, *b, *tapx.AddBorder(id));
            }
            break;
        case dxeTblCaption: tapx.Caption = t.Value16(n, "val"); break;
        default: break;
        }
    }
}

// Shading and borders of a cell format inside a table style.
void TVYXReadDOCX::TImpl::DoCellLook(const TDxTree& t, const TDxNode& tcPr, TVYXTableCellProps& props)
{
    for (const TDxNode* c = t.Child(tcPr); c; c = t.Next(*c)) {
        if (c->Elem == dxeShd) {
            TVYXColor color = 0;
            if (ParseHexColor(t.Value(*c, "fill"), color))
                props.FillColor = color;
        } else if (c->Elem == dxeTcBorders) {
            for (const TDxNode* b = t.Child(*c); b; b = t.Next(*b)) {
                TVYXTableBorderSide side;
                if (!CellBorderSide(b->Elem, side))
                    continue;
                DoBorder(t, *b, *props.AddBorder(side));
            }
        }
    }
}

// The shading every cell of the style gets and the conditional formats (header
// row, banded rows, first column...) that the table look switches on.
void TVYXReadDOCX::TImpl::DoTableStyleParts(TDxElementView& view, const TCT_Style& source, TVYXTableStyle& style)
{
    const TDxTree& t = view.Tree();
    if (const TDxNode* tcPr = view.Load(source.FTcPr.get(), "w:tcPr"))
        DoCellLook(t, *tcPr, *style.AddCellProps());
    // The override types are listed in the order of the model's conditional formats.
    for (const auto& part : source.FTblStylePrList.GetItems()) {
        TVYXTableStyleProp& prop = *style.AddProps()->Add(&FDoc.Styles(), static_cast<TVYXTableStylePropsType>(part->FType));
        if (const TDxNode* rPr = view.Load(part->FRPr.get(), "w:rPr"))
            DoCHPX(t, *rPr, *prop.AddCHPX());
        if (const TDxNode* pPr = view.Load(part->FPPr.get(), "w:pPr"))
            DoPAPX(t, *pPr, *prop.AddPAPX());
        if (const TDxNode* tblPr = view.Load(part->FTblPr.get(), "w:tblPr"))
            DoTAPX(t, *tblPr, *prop.AddTAPX());
        if (const TDxNode* tcPr = view.Load(part->FTcPr.get(), "w:tcPr"))
            DoCellLook(t, *tcPr, *prop.AddCellProps());
    }
}

namespace {

// Which conditional formats of its style a table asks for, as the look flags of
// the short hex form: 0x20 first row, 0x40 last row, 0x80 first column, 0x100 last
// column, 0x200 no row bands, 0x400 no column bands.
unsigned TableLook(const TDxTree& t, const TDxNode* look)
{
    unsigned flags = 0x04A0;  // what a table made without a look shows
    if (!look)
        return flags;
    if (const std::string val = t.Value(*look, "val"); !val.empty()) {
        unsigned v = 0;
        auto [p, ec] = std::from_chars(val.data(), val.data() + val.size(), v, 16);
        if (ec == std::errc())
            flags = v;
    }
    struct TFlag {
        std::string_view Name;
        unsigned Bit;
    };
    static constexpr TFlag cFlags[]{{"firstRow", 0x20},    {"lastRow", 0x40}, {"firstColumn", 0x80},
                                    {"lastColumn", 0x100}, {"noHBand", 0x200}, {"noVBand", 0x400}};
    for (const TFlag& f : cFlags) {
        const std::string v = t.Value(*look, f.Name);
        if (v.empty())
            continue;
        if (v == "0" || v == "false" || v == "off")
            flags &= ~f.Bit;
        else
            flags |= f.Bit;
    }
    return flags;
}

// Puts the style's conditional formats on the cells as their own formatting,
// below what the cells and runs already set: the highest-ranking format first,
// so corner cells beat rows, rows beat columns, columns beat bands.
void ApplyTableStyle(TVYXTable& table, unsigned look)
{
    const TVYXTableStyle* style = table.TAPX().GetStyle();
    if (!style)
        return;
    const int rows = table.Count();
    for (int r = 0; r < rows; ++r) {
        TVYXTableRow* row = table.GetRows(r);
        const int cols = row->Count();
        for (int c = 0; c < cols; ++c) {
            const bool firstRow = (look & 0x20) && r == 0;
            const bool lastRow = (look & 0x40) && r == rows - 1 && rows > 1;
            const bool firstCol = (look & 0x80) && c == 0;
            const bool lastCol = (look & 0x100) && c == cols - 1 && cols > 1;
            std::vector<TVYXTableStylePropsType> types;
            if (firstRow && firstCol) types.push_back(atsptNwCell);
            if (firstRow && lastCol) types.push_back(atsptNeCell);
            if (lastRow && firstCol) types.push_back(atsptSwCell);
            if (lastRow && lastCol) types.push_back(atsptSeCell);
            if (firstRow) types.push_back(atsptFirstRow);
            if (lastRow) types.push_back(atsptLastRow);
            if (firstCol) types.push_back(atsptFirstCol);
            if (lastCol) types.push_back(atsptLastCol);
            // Bands count from the first body row and column.
            if (!(look & 0x200) && !firstRow && !lastRow) {
                const int band = r - ((look & 0x20) ? 1 : 0);
                types.push_back(band % 2 == 0 ? atsptBand1Horz : atsptBand2Horz);
            }
            if (!(look & 0x400) && !firstCol && !lastCol) {
                const int band = c - ((look & 0x80) ? 1 : 0);
                types.push_back(band % 2 == 0 ? atsptBand1Vert : atsptBand2Vert);
            }
            types.push_back(atsptWholeTable);

            TVYXTableCell& cell = *row->GetCells(c);
            TVYXTableCellProps& props = cell.Props();
            bool filled = !((static_cast<TVYXColor>(props.FillColor) & 0xFF000000u) != 0);
            bool sides[4]{};
            for (int s = 0; s < 4; ++s)
                sides[s] = props.GetBorder(static_cast<TVYXTableBorderSide>(s)) != nullptr;
            int depth = 0;
            for (const TVYXStyle* st = style; st && depth < 16; st = st->BasedOn, ++depth) {
                const auto* ts = dynamic_cast<const TVYXTableStyle*>(st);
                if (!ts || !ts->Props())
                    continue;
                for (TVYXTableStylePropsType type : types) {
                    const TVYXTableStyleProp* prop = ts->Props()->Find(type);
                    if (!prop)
                        continue;
                    if (const TVYXTableCellProps* look2 = prop->CellProps()) {
                        if (!filled && !((static_cast<TVYXColor>(look2->FillColor) & 0xFF000000u) != 0)) {
                            props.FillColor = look2->FillColor;
                            filled = true;
                        }
                        for (int s = 0; s < 4; ++s) {
                            const auto side = static_cast<TVYXTableBorderSide>(s);
                            if (const TVYXDocPropBorder* b = look2->GetBorder(side); b && !sides[s]) {
                                props.AddBorder(side)->Assign(*b);
                                sides[s] = true;
                            }
                        }
                    }
                    if (!prop->CHPX() && !prop->PAPX())
                        continue;
                    TVYXLogParas& paras = cell.Paras();
                    for (int i = 0; i < paras.Count(); ++i) {
                        if (!paras.GetItems(i)->IsPara())
                            continue;
                        auto* para = static_cast<TVYXLogPara*>(paras.GetItems(i));
                        if (prop->PAPX())
                            para->PAPX().Inherit(*prop->PAPX());
                        if (prop->CHPX()) {
                            TVYXCharRuns& runs = para->CharRuns();
                            // An empty run only holds a place and is not written back; a later
                            // paragraph's took the format of the paragraph before it, as it
                            // will when the file is read again.
                            for (int k = 0; k < runs.Count(); ++k)
                                if (runs.Items(k)->Len() > 0 || i > 0)
                                    runs.Items(k)->AddCHPX()->Inherit(*prop->CHPX());
                        }
                    }
                }
            }
        }
    }
}

}  // namespace

void TVYXReadDOCX::TImpl::Table(const TDxTree& t, const TDxNode& tbl, TTarget& target)
{
    if (FTableDepth >= cMaxTableDepth) {
        FErrors.Add("Tables nested too deeply; inner tables skipped");
        return;
    }
    struct TDepth {
        int& D;
        explicit TDepth(int& d) : D(d) { ++D; }
        ~TDepth() { --D; }
    } depth(FTableDepth);

    // Rows and their cells first: a row may have fewer cells than the grid.
    std::vector<const TDxNode*> rows;
    std::vector<std::vector<const TDxNode*>> cells;
    // Rows may sit inside content controls and custom XML; walk those level by level.
    auto collectCells = [&](const TDxNode& tr, std::vector<const TDxNode*>& out) {
        std::vector<const TDxNode*> stack;
        for (const TDxNode* c = t.Child(tr); c; c = t.Next(*c))
            stack.push_back(c);
        std::reverse(stack.begin(), stack.end());
        while (!stack.empty()) {
            const TDxNode* c = stack.back();
            stack.pop_back();
            if (c->Elem == dxeTc) {
                out.push_back(c);
            } else if (c->Elem == dxeSdt || c->Elem == dxeSdtContent || c->Elem == dxeCustomXml) {
                std::vector<const TDxNode*> kids;
                for (const TDxNode* k = t.Child(*c); k; k = t.Next(*k))
                    kids.push_back(k);
                stack.insert(stack.end(), kids.rbegin(), kids.rend());
            }
        }
    };
    {
        std::vector<const TDxNode*> stack;
        for (const TDxNode* c = t.Child(tbl); c; c = t.Next(*c))
            stack.push_back(c);
        std::reverse(stack.begin(), stack.end());
        while (!stack.empty()) {
            const TDxNode* c = stack.back();
            stack.pop_back();
            if (c->Elem == dxeTr) {
                if (static_cast<int>(rows.size()) >= cVYXMaxTableRows)
                    break;
                std::vector<const TDxNode*> rowCells;
                collectCells(*c, rowCells);
                if (rowCells.empty())
                    continue;
                if (rowCells.size() > static_cast<std::size_t>(cVYXMaxTableCols))
                    rowCells.resize(static_cast<std::size_t>(cVYXMaxTableCols));
                rows.push_back(c);
                cells.push_back(std::move(rowCells));
            } else if (c->Elem == dxeSdt || c->Elem == dxeSdtContent || c->Elem == dxeCustomXml) {
                std::vector<const TDxNode*> kids;
                for (const TDxNode* k = t.Child(*c); k; k = t.Next(*k))
                    kids.push_back(k);
                stack.insert(stack.end(), kids.rbegin(), kids.rend());
            }
        }
    }
    if (rows.empty())
        return;

    TVYXTable* table = nullptr;
    if (target.Reuse) {
        int at = target.Reuse->Index();
        // Two tables in a row: the model wants a paragraph after each table.
        if (at > 0 && target.Paras->GetItems(at - 1)->IsTable()) {
            target.Paras->Insert(at);
            ++at;
        }
        table = target.Paras->InsertTable(at);
    } else {
        table = target.Paras->AddTable();
    }
    FlushBookmarks(*(target.Reuse ? target.Reuse : &NewPara(target, NewPAPX())));
    // A table is always followed by a paragraph: the one just made (or the reused
    // one) takes the next w:p, so the list never ends in a table.
    if (!target.Reuse)
        target.Reuse = static_cast<TVYXLogPara*>(target.Paras->Last());

    std::vector<double> grid;
    if (const TDxNode* tblGrid = t.Find(tbl, dxeTblGrid))
        for (const TDxNode* g = t.Child(*tblGrid); g; g = t.Next(*g))
            if (g->Elem == dxeGridCol && grid.size() < 1000)
                grid.push_back(Twips(std::max(0LL, t.Int(*g, "w", 0))));

    const TDxNode* tblPr = t.Find(tbl, dxeTblPr);
    if (tblPr)
        DoTAPX(t, *tblPr, table->TAPX());
    const unsigned look = TableLook(t, tblPr ? t.Find(*tblPr, dxeTblLook) : nullptr);

    struct TMergeMark {
        int Row, Cell, GridCol;
        bool Restart, Continue;
    };
    std::vector<TMergeMark> marks;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        TVYXTableRow* row = table->Add();
        int gridCol = 0;
        if (const TDxNode* trPr = t.Find(*rows[r], dxeTrPr)) {
            if (const TDxNode* h = t.Find(*trPr, dxeTrHeight))
                row->Height = Twips(std::clamp(t.Int(*h, "val", 0), 0LL, 31680LL));
            if (const TDxNode* keep = t.Find(*trPr, dxeCantSplit))
                row->CantSplit = t.OnOff(*keep);
            if (const TDxNode* header = t.Find(*trPr, dxeTblHeader))
                row->RptData = t.OnOff(*header);
            if (const TDxNode* before = t.Find(*trPr, dxeGridBefore))
                gridCol = static_cast<int>(std::clamp(t.Int(*before, "val", 0), 0LL, 1000LL));
        }
        for (std::size_t ci = 0; ci < cells[r].size(); ++ci) {
            const TDxNode& tc = *cells[r][ci];
            TVYXTableCell* cell = row->Add();
            int span = 1;
            double width = -1;
            TMergeMark mark{static_cast<int>(r), cell->Index(), gridCol, false, false};
            if (const TDxNode* tcPr = t.Find(tc, dxeTcPr)) {
                for (const TDxNode* c = t.Child(*tcPr); c; c = t.Next(*c)) {
                    const TDxNode& n = *c;
                    switch (n.Elem) {
                    case dxeGridSpan: span = static_cast<int>(std::clamp(t.Int(n, "val", 1), 1LL, 1000LL)); break;
                    case dxeTcW: {
                        const std::string type = t.Value(n, "type", "dxa");
                        const long long w = t.Int(n, "w", 0);
                        if (type == "dxa" && w > 0)
                            width = Twips(w);
                        else if (type == "pct" && w > 0) {
                            cell->Props().WidthType = atwtPercent;
                            cell->SetWidth(static_cast<double>(w) / 5000.0);
                        }
                        break;
                    }
                    case dxeVMerge:
                        if (t.Value(n, "val") == "restart")
                            mark.Restart = true;
                        else
                            mark.Continue = true;
                        break;
                    case dxeShd: {
                        TVYXColor color = 0;
                        if (ParseHexColor(t.Value(n, "fill"), color))
                            cell->SetFillColor(color);
                        break;
                    }
                    case dxeVAlign: {
                        const std::string v = t.Value(n, "val");
                        cell->AlignVert = v == "center" ? atcavCenter : v == "bottom" ? atcavBottom : atcavTop;
                        break;
                    }
                    case dxeTcMar:
                        for (const TDxNode* m = t.Child(n); m; m = t.Next(*m)) {
                            const double v = Twips(std::max(0LL, t.Int(*m, "w", 0)));
                            if (m->Elem == dxeLeft || m->Elem == dxeStart)
                                cell->Props().SetMargLeft(v);
                            else if (m->Elem == dxeRight || m->Elem == dxeEnd)
                                cell->Props().SetMargRight(v);
                            else if (m->Elem == dxeTop)
                                cell->Props().SetMargTop(v);
                            else if (m->Elem == dxeBottom)
                                cell->Props().SetMargBottom(v);
                        }
                        break;
                    case dxeTcBorders:
                        for (const TDxNode* b = t.Child(n); b; b = t.Next(*b)) {
                            TVYXTableBorderSide side;
                            if (!CellBorderSide(b->Elem, side))
                                continue;
                            DoBorder(t, *b, *cell->Props().AddBorder(side));
                        }
                        break;
                    default: break;
                    }
                }
            }
            if (width < 0 && cell->Props().WidthType != atwtPercent) {
                double sum = 0;
                for (int g = gridCol; g < gridCol + span && g < static_cast<int>(grid.size()); ++g)
                    sum += grid[static_cast<std::size_t>(g)];
                if (sum > 0)
                    width = sum;
            }
            if (width > 0) {
                cell->SetWidth(width);
                cell->Props().WidthType = atwtPoints;
            }
            cell->SetGridSpan(span);
            if (mark.Restart || mark.Continue)
                marks.push_back(mark);
            gridCol += span;

            TTarget inner;
            inner.Paras = &cell->Paras();
            inner.Notes = target.Notes;  // notes referenced in cells
            inner.Owner = target.Owner;
            inner.Reuse = cell->Paras().Count() > 0 && cell->Paras().GetItems(0)->IsPara()
                              ? static_cast<TVYXLogPara*>(cell->Paras().GetItems(0))
                              : nullptr;
            Blocks(t, tc, inner);
        }
    }
    // Vertical merges: a restart and the continuing cells below it in the same grid column.
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (!marks[i].Restart)
            continue;
        std::vector<const TMergeMark*> chain{&marks[i]};
        for (std::size_t j = i + 1; j < marks.size(); ++j) {
            const TMergeMark& m = marks[j];
            if (m.GridCol != marks[i].GridCol || m.Row <= chain.back()->Row)
                continue;
            if (m.Row != chain.back()->Row + 1 || !m.Continue)
                break;
            chain.push_back(&m);
        }
        if (chain.size() < 2)
            continue;
        for (std::size_t k = 0; k < chain.size(); ++k) {
            TVYXTableCell* cell = table->GetCells(chain[k]->Cell, chain[k]->Row);
            if (!cell)
                continue;
            cell->SetMergedRoot(k == 0);
            cell->SetMerged(k > 0);
            cell->SetMergedLast(k + 1 == chain.size());
        }
    }
    ApplyTableStyle(*table, look);
}
