// VYXReadHTMLTables.cpp: the HTML reader's tables: the grid of rows and spanned cells, widths,
// heights, borders and padding.
#include "formats/VYXReadHTMLImpl.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "editing/VYXLogEditor.h"
#include "formats/VYXCSSParse.h"
#include "formats/VYXHtmlDOM.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace vyx_html {

int TReader::SpanAttr(const TVYXHtmlNode& node, const char* name, int max)
{
    std::string v = U8(TrimWs(node.Attribute(name)));
    int n = 1;
    try {
        n = v.empty() ? 1 : std::stoi(v);
    } catch (...) {
        n = 1;
    }
    return std::clamp(n, 1, max);
}

// Content standing where only rows may stand: browsers move it before the table,
// text extractions keep it in place; it goes with the cell before it (or before
// the table), so the text keeps its order.
bool TReader::IsStray(const TVYXHtmlNode& c)
{
    if (c.Tag == vytTEXT)
        return !std::all_of(c.Text.begin(), c.Text.end(), IsWs);
    return !Is(c.Tag, {vytTR, vytTD, vytTH, vytTBODY, vytTHEAD, vytTFOOT, vytCAPTION, vytCOLGROUP, vytCOL, vytSCRIPT,
                       vytSTYLE, vytTEMPLATE, vytFORM, vytUNKNOWN, vytCOMMENT});
}

void TReader::CollectRows(const TVYXHtmlNode& node, std::vector<const TVYXHtmlNode*>& rows, bool& headerRows,
                          std::vector<bool>& header, std::vector<std::pair<std::size_t, const TVYXHtmlNode*>>& strays)
{
    for (int i = 0; i < node.ChildCount(); ++i) {
        const TVYXHtmlNode& c = node.Child(i);
        if (IsStray(c)) {
            strays.emplace_back(rows.size(), &c);
            continue;
        }
        if (c.Tag == vytTR) {
            if (rows.size() < static_cast<std::size_t>(cVYXMaxTableRows)) {
                rows.push_back(&c);
                header.push_back(headerRows);
            }
        } else if (Is(c.Tag, {vytTBODY, vytTHEAD, vytTFOOT})) {
            bool saved = headerRows;
            headerRows = c.Tag == vytTHEAD;
            CollectRows(c, rows, headerRows, header, strays);
            headerRows = saved;
        } else if (c.Tag == vytFORM || c.Tag == vytUNKNOWN)
            CollectRows(c, rows, headerRows, header, strays);  // rows wrapped in stray elements
    }
}

void TReader::Table(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& b, const TListCtx& list,
                    const TVyCSSProperties& tableCss)
{
    std::vector<const TVYXHtmlNode*> rows;
    std::vector<bool> headerRow;
    std::vector<std::pair<std::size_t, const TVYXHtmlNode*>> strays;  // (rows before it, node)
    bool inHead = false;
    CollectRows(node, rows, inHead, headerRow, strays);
    if (rows.empty()) {
        EndPara();
        Children(node, f, b, list);
        EndPara();
        return;
    }
    // Caption: a paragraph before the table.
    for (int i = 0; i < node.ChildCount(); ++i)
        if (node.Child(i).Tag == vytCAPTION) {
            EndPara();
            TBlockFmt cb = b;
            cb.Align = vyptaCenter;
            Children(node.Child(i), f, cb, list);
            EndPara();
        }
    // Lay the cells out on a grid, row spans reserving places in the rows below.
    std::vector<TCellInfo> cells;
    std::vector<const TVYXHtmlNode*> before;  // strays ahead of every cell
    auto stray = [&](const TVYXHtmlNode& c) {
        if (cells.empty())
            before.push_back(&c);
        else
            cells.push_back({&c, cells.back().Row, cells.back().Col, 0, 0, {}, true});
    };
    std::vector<std::vector<bool>> taken(rows.size());
    std::size_t nextStray = 0;
    int cols = 1;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (; nextStray < strays.size() && strays[nextStray].first <= r; ++nextStray)
            stray(*strays[nextStray].second);
        int col = 0;
        for (int i = 0; i < rows[r]->ChildCount(); ++i) {
            const TVYXHtmlNode& c = rows[r]->Child(i);
            if (c.Tag != vytTD && c.Tag != vytTH) {
                if (IsStray(c))
                    stray(c);
                continue;
            }
            TVyCSSProperties css;
            FCss.Collect(c, css);
            if (css.Get(vycpDISPLAY) == "none")
                continue;
            while (col < static_cast<int>(taken[r].size()) && taken[r][static_cast<std::size_t>(col)])
                ++col;
            if (col >= cVYXMaxTableCols) {
                // Cells past the model's widest row join the last cell.
                if (!cells.empty() && cells.back().Row == static_cast<int>(r))
                    cells.push_back({&c, cells.back().Row, cells.back().Col, 0, 0, std::move(css)});
                continue;
            }
            TCellInfo info{&c, static_cast<int>(r), col, SpanAttr(c, "colspan", cVYXMaxTableCols - col),
                           SpanAttr(c, "rowspan", static_cast<int>(rows.size() - r)), std::move(css)};
            for (int rr = 0; rr < info.RowSpan; ++rr) {
                auto& line = taken[r + static_cast<std::size_t>(rr)];
                if (line.size() < static_cast<std::size_t>(col + info.ColSpan))
                    line.resize(static_cast<std::size_t>(col + info.ColSpan), false);
                for (int cc = 0; cc < info.ColSpan; ++cc)
                    line[static_cast<std::size_t>(col + cc)] = true;
            }
            col += info.ColSpan;
            cols = std::max(cols, col);
            cells.push_back(std::move(info));
        }
    }
    for (; nextStray < strays.size(); ++nextStray)
        stray(*strays[nextStray].second);
    // Spans make grid cells that no element stands for, and every cell of the grid
    // costs a cell of the model: a table whose grid is many times the cells it
    // declares (a few bytes of "rowspan" and "colspan" asking for thousands), or
    // one past the document's budget, is read as its cells' text.
    const std::int64_t grid = static_cast<std::int64_t>(rows.size()) * cols;
    const std::int64_t declared = std::count_if(cells.begin(), cells.end(), [](const TCellInfo& c) { return !c.Stray; });
    if ((grid > cTableGridFree && grid > cMaxGridPerCell * declared) || grid > FCellBudget) {
        EndPara();
        Children(node, f, b, list);
        EndPara();
        return;
    }
    FCellBudget -= grid;
    EndPara();
    for (const TVYXHtmlNode* n : before) {
        if (n->Tag == vytTEXT)
            Text(n->Text, f, b);
        else
            Element(*n, f, b, list);
    }
    EndPara();
    // By index: filling the cells pushes targets, which may move the vector.
    const std::size_t outerIndex = FTargets.size() - 1;
    TTarget& outer = FTargets[outerIndex];
    const int nrows = static_cast<int>(rows.size());
    TVYXTable* table;
    if (outer.Body) {
        outer.Unused = nullptr;  // an empty paragraph before the table stays: the caret may be on it
        table = &FDoc.AppendTableUI(cols, nrows);
    } else {
        if (outer.Unused) {
            outer.Paras->Delete(outer.Unused->Index());
            outer.Unused = nullptr;
        }
        table = outer.Paras->AddTable(cols, nrows);
    }
    if (!table)
        return;
    // The table's width: its attribute or CSS, else the place it stands in.
    double avail = outer.Body ? FDoc.Width() : AvailableWidth(outer);
    double tableWidth = avail;
    std::optional<double> tablePercent;
    if (std::optional<TVyCSSLength> w = WidthOf(node, tableCss)) {
        if (w->Unit == vycuPercent)
            tablePercent = std::clamp(w->Value, 1.0, 100.0), tableWidth = avail * *tablePercent / 100;
        else
            tableWidth = std::clamp(CSSGetPtSizeByUnit(w->Value, w->Unit, f.Size.value_or(FDefaultSize), FOptions.PixelsPerInch), 10.0,
                                    avail * 4);
    }
    if (auto m = LimitLength(tableCss, vycpMAX_WIDTH, avail, FDefaultSize); m && tableWidth > *m)
        tableWidth = *m, tablePercent.reset();
    if (auto m = LimitLength(tableCss, vycpMIN_WIDTH, avail, FDefaultSize); m && tableWidth < *m)
        tableWidth = *m, tablePercent.reset();
    if (tablePercent)
        table->SetWidthPercent(*tablePercent);
    else
        table->SetWidth(tableWidth);
    TableBorders(*table, node, tableCss);

    // Column widths from single-column cells with a width.
    std::vector<double> colWidth(static_cast<std::size_t>(cols), -1);
    for (const TCellInfo& c : cells) {
        if (c.ColSpan != 1 || !c.Node)
            continue;
        if (std::optional<TVyCSSLength> w = WidthOf(*c.Node, c.Css)) {
            double pt = w->Unit == vycuPercent ? tableWidth * std::clamp(w->Value, 0.0, 100.0) / 100
                                               : CSSGetPtSizeByUnit(w->Value, w->Unit, f.Size.value_or(FDefaultSize), FOptions.PixelsPerInch);
            if (pt > 0 && colWidth[static_cast<std::size_t>(c.Col)] < 0)
                colWidth[static_cast<std::size_t>(c.Col)] = std::min(pt, tableWidth * 4);
        }
    }
    // A cell's min-width widens its column, its max-width narrows one with a width.
    for (const TCellInfo& c : cells) {
        if (c.ColSpan != 1 || !c.Node)
            continue;
        double& w = colWidth[static_cast<std::size_t>(c.Col)];
        if (auto m = LimitLength(c.Css, vycpMIN_WIDTH, tableWidth, FDefaultSize); m && w < *m)
            w = std::min(*m, tableWidth);
        if (auto m = LimitLength(c.Css, vycpMAX_WIDTH, tableWidth, FDefaultSize); m && w > *m)
            w = *m;
    }
    double fixed = 0;
    int open = 0;
    for (double w : colWidth)
        w >= 0 ? fixed += w : ++open;
    const double share = open ? std::max(tableWidth - fixed, 12.0 * open) / open : 0;
    for (int r = 0; r < nrows; ++r)
        for (int c = 0; c < cols; ++c)
            if (TVYXTableCell* cell = table->GetRows(r)->CellN(c)) {
                double w = colWidth[static_cast<std::size_t>(c)];
                cell->SetWidth(w >= 0 ? w : share);
                cell->Props().WidthType = atwtPoints;
            }
    for (int r = 0; r < nrows; ++r)
        if (headerRow[static_cast<std::size_t>(r)] || AllHeaderCells(*rows[static_cast<std::size_t>(r)]))
            table->GetRows(r)->RptData = r == 0 || table->GetRows(r - 1)->RptData;

    // Row heights: a row's or a single-row cell's height or min-height is the row's
    // least height (cells grow with their content, as in a browser).
    for (int r = 0; r < nrows; ++r) {
        TVyCSSProperties rowCss;
        FCss.Collect(*rows[static_cast<std::size_t>(r)], rowCss);
        double least = RowHeight(*rows[static_cast<std::size_t>(r)], rowCss);
        for (const TCellInfo& c : cells)
            if (c.Row == r && c.RowSpan == 1 && c.ColSpan > 0 && c.Node && !c.Stray)
                least = std::max(least, RowHeight(*c.Node, c.Css));
        if (least > 0)
            table->GetRows(r)->Height = least;
    }
    // Fill the cells, then merge the spans from the right so indexes stay valid.
    for (const TCellInfo& c : cells) {
        TVYXTableCell* cell = table->GetRows(c.Row)->CellN(c.Col);
        if (!cell)
            continue;
        FillCell(*cell, *c.Node, c.Css, f, b, c.ColSpan > 0, c.Stray);
    }
    std::vector<const TCellInfo*> spans;
    for (const TCellInfo& c : cells)
        if (c.ColSpan > 1 || c.RowSpan > 1)
            spans.push_back(&c);
    std::stable_sort(spans.begin(), spans.end(), [](const TCellInfo* a, const TCellInfo* z) { return a->Col > z->Col; });
    for (const TCellInfo* c : spans)
        table->MergeCells(c->Col, c->Row, c->Col + c->ColSpan - 1, c->Row + c->RowSpan - 1);
    TTarget& after = FTargets[outerIndex];
    if (!after.Body) {
        // A cell cannot end with a table: an empty paragraph follows it.
        after.Unused = after.Paras->AppendPara();
    } else if (TVYXLogParaItem* last = after.Paras->Last(); last && last->IsPara())
        after.Unused = static_cast<TVYXLogPara*>(last);
    FPara = nullptr;
}

// The height a row or cell asks for (height, min-height, the height attribute); 0 for none.
double TReader::RowHeight(const TVYXHtmlNode& node, const TVyCSSProperties& css) const
{
    double least = 0;
    for (TVyCSSProp prop : {vycpHEIGHT, vycpMIN_HEIGHT})
        if (auto h = LimitLength(css, prop, 0, FDefaultSize))
            least = std::max(least, *h);
    if (least == 0 && node.HasAttribute("height"))
        if (std::optional<TVyCSSLength> len = VyCSSParseLength(U8(TrimWs(node.Attribute("height"))));
            len && len->Value > 0 && len->Unit != vycuPercent)
            least = std::clamp(CSSGetPtSizeByUnit(len->Value, len->Unit, FDefaultSize, FOptions.PixelsPerInch), 1.0,
                               1584.0);
    return std::min(least, 1584.0);
}

bool TReader::AllHeaderCells(const TVYXHtmlNode& row)
{
    bool any = false;
    for (int i = 0; i < row.ChildCount(); ++i) {
        TVYXHTagId t = row.Child(i).Tag;
        if (t == vytTD)
            return false;
        any = any || t == vytTH;
    }
    return any;
}

double TReader::AvailableWidth(const TTarget& t) const
{
    if (t.Paras && t.Paras->Cell())
        return std::max(t.Paras->Cell()->GetClientWidth(), 24.0);
    return FDoc.Width();
}

std::optional<TVyCSSLength> TReader::WidthOf(const TVYXHtmlNode& node, const TVyCSSProperties& css) const
{
    std::string v = css.Get(vycpWIDTH);
    if (v.empty() || v == "auto")
        v = U8(TrimWs(node.Attribute("width")));
    std::optional<TVyCSSLength> len = VyCSSParseLength(v);
    if (!len || len->Value <= 0)
        return std::nullopt;
    return len;
}

void TReader::TableBorders(TVYXTable& table, const TVYXHtmlNode& node, const TVyCSSProperties& css)
{
    const std::u16string* attr = node.FindAttribute("border");
    int border = 0;
    if (attr) {
        try {
            border = attr->empty() ? 1 : std::stoi(U8(*attr));
        } catch (...) {
            border = 1;
        }
    }
    const std::string style = css.Get(vycpBORDER_TOP_STYLE);
    if (border > 0 || (!style.empty() && style != "none" && style != "hidden")) {
        table.TAPX().SetDefaultBorders();
        for (TVYXTapId id : {vytiBorderInsideHoriz, vytiBorderInsideVert})
            table.TAPX().AddBorder(id)->SetVals(0.5, 0, stbSingle, 0);
        if (!style.empty())
            if (auto w = CSSPropSizeToPt(css.Get(vycpBORDER_TOP_WIDTH), 12, FOptions.PixelsPerInch))
                for (TVYXTapId id : {vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom})
                    table.TAPX().AddBorder(id)->SetVals(std::clamp(*w, 0.25, 12.0),
                                                        HtmlCssColorToColor(css.Get(vycpBORDER_TOP_COLOR)).value_or(0),
                                                        BorderStyle(style), 0);
    } else
        table.TAPX().RemoveBorders(true, true, true, true, true, true);
}

void TReader::FillCell(TVYXTableCell& cell, const TVYXHtmlNode& node, const TVyCSSProperties& css, const TCharFmt& f,
                       const TBlockFmt& b, bool first, bool stray)
{
    TCharFmt cf = f;
    TBlockFmt cb;  // paragraph formats start afresh inside a cell
    cb.Pre = b.Pre;
    TListCtx cl;  // lists start afresh inside a cell
    if (node.Tag == vytTH)
        cf.Bold = true, cb.Align = vyptaCenter;
    if (std::u16string align = node.Attribute("align"); !align.empty()) {
        std::string a = Ascii(align);
        cb.Align = a == "center" || a == "middle" ? vyptaCenter : a == "right" ? vyptaRight
                   : a == "justify" ? vyptaJustify : vyptaLeft;
    }
    ApplyCharCSS(css, cf, cb, true);
    ApplyBlockCSS(css, cb, cf);
    if (first) {
        std::string valign = css.Get(vycpVERTICAL_ALIGN);
        if (valign.empty())
            valign = Ascii(node.Attribute("valign"));
        if (const TVYXHtmlNode* row = node.Parent(); valign.empty() && row && row->Tag == vytTR) {
            // The row's alignment is its cells' default.
            TVyCSSProperties rowCss;
            FCss.Collect(*row, rowCss);
            valign = rowCss.Get(vycpVERTICAL_ALIGN);
            if (valign.empty())
                valign = Ascii(row->Attribute("valign"));
        }
        if (valign == "middle" || valign == "center")
            cell.AlignVert = atcavCenter;
        else if (valign == "bottom")
            cell.AlignVert = atcavBottom;
        std::optional<TVYXColor> fill = HtmlCssColorToColor(css.Get(vycpBACKGROUND_COLOR));
        if (!fill && node.HasAttribute("bgcolor"))
            fill = HtmlCssColorToColor(U8(node.Attribute("bgcolor")));
        if (fill)
            cell.SetFillColor(*fill), cb.Shade.reset();
        CellPaddingAndBorders(cell, css, cf.Size.value_or(FDefaultSize));
    }
    TTarget t{&cell.Paras(), nullptr, false};
    if (cell.Paras().Count() == 1)
        if (TVYXLogPara* p = cell.Paras().ParaAtIndex(0); p && p->Empty())
            t.Unused = p;
    FTargets.push_back(t);
    FPara = nullptr;
    FPendingSpace = false;
    if (!stray)
        Children(node, cf, cb, cl);
    else if (node.Tag == vytTEXT)
        Text(node.Text, cf, cb);
    else
        Element(node, cf, cb, cl);
    EndPara();
    FTargets.pop_back();
    FPara = nullptr;
}

void TReader::CellPaddingAndBorders(TVYXTableCell& cell, const TVyCSSProperties& css, double em)
{
    TVYXTableCellProps& p = cell.Props();
    auto pt = [&](TVyCSSProp prop) -> std::optional<double> {
        const std::string* v = css.Find(prop);
        if (!v)
            return std::nullopt;
        auto x = CSSPropSizeToPt(*v, em, FOptions.PixelsPerInch);
        if (!x)
            return std::nullopt;
        return std::clamp(*x, 0.0, 144.0);
    };
    if (auto v = pt(vycpPADDING_LEFT))
        p.SetMargLeft(*v);
    if (auto v = pt(vycpPADDING_RIGHT))
        p.SetMargRight(*v);
    if (auto v = pt(vycpPADDING_TOP))
        p.SetMargTop(*v);
    if (auto v = pt(vycpPADDING_BOTTOM))
        p.SetMargBottom(*v);
    struct TSide {
        TVyCSSProp Width, Style, Color;
        TVYXTableBorderSide Side;
    };
    constexpr TSide cSides[] = {
        {vycpBORDER_LEFT_WIDTH, vycpBORDER_LEFT_STYLE, vycpBORDER_LEFT_COLOR, atbsLeft},
        {vycpBORDER_TOP_WIDTH, vycpBORDER_TOP_STYLE, vycpBORDER_TOP_COLOR, atbsTop},
        {vycpBORDER_RIGHT_WIDTH, vycpBORDER_RIGHT_STYLE, vycpBORDER_RIGHT_COLOR, atbsRight},
        {vycpBORDER_BOTTOM_WIDTH, vycpBORDER_BOTTOM_STYLE, vycpBORDER_BOTTOM_COLOR, atbsBottom},
    };
    for (const TSide& s : cSides) {
        const std::string* style = css.Find(s.Style);
        if (!style)
            continue;
        std::string w = css.Get(s.Width);
        double width = w == "thin" ? 0.75 : w == "thick" ? 3.75 : w == "medium" || w.empty() ? 2.25
                       : std::clamp(CSSPropSizeToPt(w, em, FOptions.PixelsPerInch).value_or(0.75), 0.0, 12.0);
        TVYXColor color = HtmlCssColorToColor(css.Get(s.Color)).value_or(0);
        p.AddBorder(s.Side)->SetVals(width, color, BorderStyle(*style), 0);
    }
}

}  // namespace vyx_html
