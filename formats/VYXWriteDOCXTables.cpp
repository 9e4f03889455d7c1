// VYXWriteDOCXTables.cpp: the DOCX writer's tables: table and cell properties, table style
// parts, rows and cells, and the paragraph lists that hold tables.
#include "formats/VYXWriteDOCXImpl.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXDocxValueNames.h"
#include "formats/VYXDocxParts.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/schema/NyqDocx.h"
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
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace vyx_docxw {

// The shading and borders a table style gives its cells, or one of its conditional formats.
void TWriter::StyleCellLook(TXml& x, const TVYXTableCellProps* props)
{
    if (!props)
        return;
    const std::pair<TVYXTableBorderSide, std::string_view> sides[] = {
        {atbsTop, "w:top"}, {atbsLeft, "w:left"}, {atbsBottom, "w:bottom"}, {atbsRight, "w:right"}};
    bool any = false;
    for (const auto& [side, name] : sides)
        any = any || props->GetBorder(side);
    if (!any && props->FillColor == cVYXAutoColor)
        return;
    x.Tag("w:tcPr").Open();
    if (any) {
        x.Tag("w:tcBorders").Open();
        for (const auto& [side, name] : sides)
            Border(x, name, props->GetBorder(side));
        x.End("w:tcBorders");
    }
    if (props->FillColor != cVYXAutoColor)
        x.Tag("w:shd").Attr("w:val", "clear").Attr("w:color", "auto").Attr("w:fill", Hex(props->FillColor)).Empty();
    x.End("w:tcPr");
}

// The cells' look and the conditional formats (header row, bands...) of a table style.
void TWriter::TableStyleParts(TXml& x, const TVYXTableStyle& style)
{
    static constexpr std::string_view cTypes[] = {"wholeTable", "firstRow", "lastRow", "firstCol", "lastCol",
                                                  "band1Vert",  "band2Vert", "band1Horz", "band2Horz", "neCell",
                                                  "nwCell",     "seCell",   "swCell"};
    StyleCellLook(x, style.CellProps());
    const TVYXTableStyleProps* props = style.Props();
    if (!props)
        return;
    // The conditional formats in their own order, whatever order they were made in.
    for (int type = 0; type < static_cast<int>(std::size(cTypes)); ++type) {
        const TVYXTableStyleProp* prop = props->Find(static_cast<TVYXTableStylePropsType>(type));
        if (!prop)
            continue;
        x.Tag("w:tblStylePr").Attr("w:type", cTypes[type]).Open();
        if (prop->PAPX() && prop->PAPX()->Count() > 0)
            PAPX(x, *prop->PAPX(), nullptr, false);
        CHPX(x, prop->CHPX());
        if (prop->TAPX() && prop->TAPX()->Count() > 0)
            TAPX(x, *prop->TAPX());
        StyleCellLook(x, prop->CellProps());
        x.End("w:tblStylePr");
    }
}

void TWriter::TAPX(TXml& x, const TVYXTAPX& tapx)
{
    x.Tag("w:tblPr").Open();
    if (const TVYXTableStyle* style = tapx.GetStyle(); style && tapx.Assigned(vytiStyle))
        x.Tag("w:tblStyle").Attr16("w:val", style->Id).Empty();
    {
        double w = 0;
        std::int32_t type = atwtNone;
        const bool hasW = tapx.GetValue(vytiWidth, w);
        tapx.GetValue(vytiWidthType, type);
        if (type == atwtPercent && hasW)
            x.Tag("w:tblW").Attr("w:w", Round(w * 5000)).Attr("w:type", "pct").Empty();
        else if (type == atwtPoints && hasW)
            x.Tag("w:tblW").Attr("w:w", Twips(w)).Attr("w:type", "dxa").Empty();
        else if (tapx.Assigned(vytiWidthType))
            x.Tag("w:tblW").Attr("w:w", 0).Attr("w:type", type == atwtNone ? "nil" : "auto").Empty();
    }
    {
        std::int32_t a = 0;
        if (tapx.GetValue(vytiAlignment, a))
            x.Val("w:jc", a == vyptaCenter ? "center" : a == vyptaRight ? "right" : "left");
    }
    {
        double ind = 0;
        if (tapx.GetValue(vytiIndent, ind))
            x.Tag("w:tblInd").Attr("w:w", Twips(ind)).Attr("w:type", "dxa").Empty();
    }
    {
        const std::pair<TVYXTapId, std::string_view> sides[] = {
            {vytiBorderTop, "w:top"}, {vytiBorderLeft, "w:left"}, {vytiBorderBottom, "w:bottom"},
            {vytiBorderRight, "w:right"}, {vytiBorderInsideHoriz, "w:insideH"}, {vytiBorderInsideVert, "w:insideV"}};
        bool any = false;
        for (const auto& [id, name] : sides)
            any = any || tapx.Assigned(id);
        if (any) {
            x.Tag("w:tblBorders").Open();
            for (const auto& [id, name] : sides)
                if (tapx.Assigned(id))
                    Border(x, name, tapx.GetBorder(id));
            x.End("w:tblBorders");
        }
    }
    {
        const std::pair<TVYXTapId, std::string_view> margins[] = {
            {vytiCellMargTop, "w:top"}, {vytiCellMargLeft, "w:left"}, {vytiCellMargBottom, "w:bottom"},
            {vytiCellMargRight, "w:right"}};
        bool any = false;
        for (const auto& [id, name] : margins)
            any = any || tapx.Assigned(id);
        if (any) {
            x.Tag("w:tblCellMar").Open();
            double v = 0;
            for (const auto& [id, name] : margins)
                if (tapx.GetValue(id, v))
                    x.Tag(name).Attr("w:w", Twips(v)).Attr("w:type", "dxa").Empty();
            x.End("w:tblCellMar");
        }
    }
    if (!tapx.Caption.empty())
        x.Tag("w:tblCaption").Attr16("w:val", tapx.Caption).Empty();
    x.End("w:tblPr");
}

void TWriter::Table(TXml& x, const TVYXTable& table)
{
    if (table.Count() == 0)
        return;
    x.Tag("w:tbl").Open();
    TAPX(x, table.TAPX());
    // The grid: the widest row's cells, spans spread evenly.
    {
        std::vector<double> grid;
        const TVYXTableRow* widest = nullptr;
        int most = -1;
        for (int r = 0; r < table.Count(); ++r) {
            int cols = 0;
            for (int c = 0; c < table.GetRows(r)->Count(); ++c)
                cols += std::max(1, table.GetRows(r)->GetCells(c)->GridSpan);
            if (cols > most) {
                most = cols;
                widest = table.GetRows(r);
            }
        }
        x.Tag("w:tblGrid").Open();
        for (int c = 0; widest && c < widest->Count(); ++c) {
            const TVYXTableCell& cell = *widest->GetCells(c);
            const int span = std::max(1, cell.GridSpan);
            const double w = cell.Props().WidthType == atwtPoints ? cell.GetWidth() / span : 0;
            for (int s = 0; s < span; ++s)
                x.Tag("w:gridCol").Attr("w:w", Twips(w)).Empty();
        }
        x.End("w:tblGrid");
    }
    for (int r = 0; r < table.Count(); ++r) {
        const TVYXTableRow& row = *table.GetRows(r);
        x.Tag("w:tr").Open();
        if (row.Height > 0 || row.CantSplit || row.RptData) {
            x.Tag("w:trPr").Open();
            if (row.CantSplit)
                x.Tag("w:cantSplit").Empty();
            if (row.Height > 0)
                x.Tag("w:trHeight").Attr("w:val", Twips(row.Height)).Empty();
            if (row.RptData)
                x.Tag("w:tblHeader").Empty();
            x.End("w:trPr");
        }
        for (int c = 0; c < row.Count(); ++c) {
            const TVYXTableCell& cell = *row.GetCells(c);
            const TVYXTableCellProps& p = cell.Props();
            x.Tag("w:tc").Open();
            x.Tag("w:tcPr").Open();
            if (p.WidthType == atwtPoints)
                x.Tag("w:tcW").Attr("w:w", Twips(p.Width)).Attr("w:type", "dxa").Empty();
            else if (p.WidthType == atwtPercent)
                x.Tag("w:tcW").Attr("w:w", Round(p.Width * 5000)).Attr("w:type", "pct").Empty();
            else
                x.Tag("w:tcW").Attr("w:w", 0).Attr("w:type", "auto").Empty();
            if (cell.GridSpan > 1)
                x.Val("w:gridSpan", cell.GridSpan);
            if (cell.GetMergedRoot())
                x.Val("w:vMerge", "restart");
            else if (cell.GetMerged())
                x.Tag("w:vMerge").Empty();
            {
                const std::pair<TVYXTableBorderSide, std::string_view> sides[] = {
                    {atbsTop, "w:top"}, {atbsLeft, "w:left"}, {atbsBottom, "w:bottom"}, {atbsRight, "w:right"}};
                bool any = false;
                for (const auto& [side, name] : sides)
                    any = any || p.GetBorder(side);
                if (any) {
                    x.Tag("w:tcBorders").Open();
                    for (const auto& [side, name] : sides)
                        Border(x, name, p.GetBorder(side));
                    x.End("w:tcBorders");
                }
            }
            if (p.FillColor != cVYXAutoColor)
                x.Tag("w:shd").Attr("w:val", "clear").Attr("w:color", "auto").Attr("w:fill", Hex(p.FillColor)).Empty();
            if (p.HasMargs()) {
                x.Tag("w:tcMar").Open();
                if (p.MargTopSet)
                    x.Tag("w:top").Attr("w:w", Twips(p.MargTop)).Attr("w:type", "dxa").Empty();
                if (p.MargLeftSet)
                    x.Tag("w:left").Attr("w:w", Twips(p.MargLeft)).Attr("w:type", "dxa").Empty();
                if (p.MargBottomSet)
                    x.Tag("w:bottom").Attr("w:w", Twips(p.MargBottom)).Attr("w:type", "dxa").Empty();
                if (p.MargRightSet)
                    x.Tag("w:right").Attr("w:w", Twips(p.MargRight)).Attr("w:type", "dxa").Empty();
                x.End("w:tcMar");
            }
            if (cell.AlignVert == atcavCenter)
                x.Val("w:vAlign", "center");
            else if (cell.AlignVert == atcavBottom)
                x.Val("w:vAlign", "bottom");
            x.End("w:tcPr");
            Paras(x, cell.Paras(), false);
            // A cell must end in a paragraph.
            if (cell.Paras().Count() == 0 || cell.Paras().Last()->IsTable())
                x.Tag("w:p").Empty();
            x.End("w:tc");
        }
        x.End("w:tr");
    }
    x.End("w:tbl");
}

void TWriter::Paras(TXml& x, const TVYXLogParas& paras, bool inDocument)
{
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable())
            Table(x, *static_cast<const TVYXTable*>(item));
        else
            Para(x, *static_cast<const TVYXLogPara*>(item), inDocument);
    }
}

}  // namespace vyx_docxw
