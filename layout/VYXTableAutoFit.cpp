// VYXTableAutoFit.cpp: column widths from content: minimum and preferred widths per
// column, then shared out over the width available.
#include "layout/VYXTableAutoFit.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "model/VYXDocData.h"
#include "model/VYXLogParas.h"

namespace {
struct TContentWidth {
    double Min = 0, Pref = 0;
};

void ContentWidths(const TVYXLogParas& paras, const TVYXTextMeasure& measure, double ppix, TContentWidth& w)
{
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            const double tw = static_cast<const TVYXTable*>(item)->CalculatedWidth();
            w.Min = std::max(w.Min, tw);
            w.Pref = std::max(w.Pref, tw);
            continue;
        }
        const auto& para = static_cast<const TVYXLogPara&>(*item);
        if (!measure) {
            const double pw = para.PixWidth() * 72.0 / ppix;
            w.Min = std::max(w.Min, pw);
            w.Pref = std::max(w.Pref, pw);
            continue;
        }
        const std::u16string text = para.GetPlainText();
        const std::u16string_view view(text);
        w.Pref = std::max(w.Pref, measure(para, view));
        std::size_t start = 0;
        for (std::size_t k = 0; k <= view.size(); ++k)
            if (k == view.size() || view[k] == u' ' || view[k] == u'\t') {
                if (k > start)
                    w.Min = std::max(w.Min, measure(para, view.substr(start, k - start)));
                start = k + 1;
            }
    }
}
}  // namespace

void VYXAutoSizeColumns(TVYXTable& table, const TVYXTextMeasure& measure)
{
    const double ppix = table.Paras() ? table.Paras()->GetPPIX() : 96;
    std::size_t cols = 0;
    for (int r = 0; r < table.Count(); ++r) {
        const TVYXTableRow* row = table.GetRows(r);
        std::size_t n = 0;
        for (int c = 0; c < row->Count(); ++c)
            n += static_cast<std::size_t>(std::max(1, row->GetCells(c)->GridSpan));
        cols = std::max(cols, n);
    }
    if (cols == 0)
        return;
    std::vector<TContentWidth> col(cols);
    struct TSpanned {
        std::size_t First, Last;
        TContentWidth Width;
    };
    std::vector<TSpanned> spanned;
    for (int r = 0; r < table.Count(); ++r) {
        const TVYXTableRow* row = table.GetRows(r);
        std::size_t at = 0;
        for (int c = 0; c < row->Count(); ++c) {
            const TVYXTableCell* cell = row->GetCells(c);
            const auto span = static_cast<std::size_t>(std::max(1, cell->GridSpan));
            TContentWidth w;
            ContentWidths(cell->Paras(), measure, ppix, w);
            const TVYXTAPX& tapx = table.TAPX();
            const double marg = tapx.CalcCellMargLeft(&cell->Props()) + tapx.CalcCellMargRight(&cell->Props());
            w.Min += marg;
            w.Pref += marg;
            if (span == 1) {
                col[at].Min = std::max(col[at].Min, w.Min);
                col[at].Pref = std::max(col[at].Pref, w.Pref);
            } else
                spanned.push_back({at, at + span - 1, w});
            at += span;
        }
    }
    for (const TSpanned& s : spanned) {
        double min = 0, pref = 0;
        for (std::size_t k = s.First; k <= s.Last; ++k)
            min += col[k].Min, pref += col[k].Pref;
        col[s.Last].Min += std::max(0.0, s.Width.Min - min);
        col[s.Last].Pref += std::max(0.0, s.Width.Pref - pref);
    }
    double sumMin = 0, sumPref = 0;
    for (TContentWidth& w : col) {
        w.Pref = std::max(w.Pref, w.Min);
        sumMin += w.Min;
        sumPref += w.Pref;
    }
    const double avail = table.AvailableWidth();
    std::vector<double> width(cols);
    for (std::size_t k = 0; k < cols; ++k)
        width[k] = sumPref <= avail  ? col[k].Pref
                   : sumMin >= avail ? col[k].Min
                                     : col[k].Min + (col[k].Pref - col[k].Min) * (avail - sumMin) / (sumPref - sumMin);
    for (int r = 0; r < table.Count(); ++r) {
        TVYXTableRow* row = table.GetRows(r);
        std::size_t at = 0;
        for (int c = 0; c < row->Count(); ++c) {
            TVYXTableCell* cell = row->GetCells(c);
            const auto span = static_cast<std::size_t>(std::max(1, cell->GridSpan));
            double w = 0;
            for (std::size_t k = at; k < at + span && k < cols; ++k)
                w += width[k];
            cell->Props().WidthType = atwtPoints;
            cell->SetWidth(w);
            at += span;
        }
    }
}
