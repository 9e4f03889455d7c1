// VYXPaginateNotes.cpp: the paginator's footnotes: their heights, the parts that fit on a page
// and carry to the next, and their rows placed at the foot of the page.
#include "layout/VYXPaginateImpl.h"

#include <algorithm>
#include <cmath>

#include "editing/VYXFieldUpdate.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXTableExtents.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

using vyx_paginate::Advance;
using vyx_paginate::RowsOf;

double TVYXPaginatorDoc::DoFootnotesHeight(const std::vector<TVYXFootnoteItem*>& notes)
{
    double h = 0;
    for (TVYXFootnoteItem* n : notes) {
        int first = -1, last = -1;
        if (n->CalcLimits(first, last))
            h += std::ceil(ParasHeight(*n->StartPara->Paras(), first, last));
    }
    return h;
}

std::vector<std::pair<TVYXPhyRow*, double>> TVYXPaginatorDoc::NoteRowsOf(TVYXFootnoteItem& note)
{
    std::vector<std::pair<TVYXPhyRow*, double>> out;
    int first = -1, last = -1;
    if (!note.CalcLimits(first, last))
        return out;
    TVYXLogParas& paras = *note.StartPara->Paras();
    for (int i = first; i <= last; ++i) {
        if (!paras.GetItems(i)->IsPara())
            continue;
        auto& para = *static_cast<TVYXLogPara*>(paras.GetItems(i));
        TVYXPhyRows* rows = RowsOf(para);
        if (!rows)
            continue;
        for (int r = 0; r < rows->Count(); ++r)
            out.emplace_back(&rows->GetItems(r), Advance(rows->GetItems(r), *rows));
        if (i < last && rows->Count() > 0)
            out.back().second += ParaSpacing(para, paras.GetItems(i + 1));
    }
    return out;
}

std::vector<TVYXNotePart> TVYXPaginatorDoc::FillNotes(TVYXPhyPage& page, const std::vector<TVYXNotePart>& parts,
                                                      double room, int minRows)
{
    std::vector<TVYXNotePart> rest;
    for (const TVYXNotePart& part : parts) {
        if (!rest.empty()) {
            rest.push_back(part);
            continue;
        }
        const std::vector<std::pair<TVYXPhyRow*, double>> rows = NoteRowsOf(*part.Note);
        const int end = part.To < 0 ? static_cast<int>(rows.size()) : std::min(part.To, static_cast<int>(rows.size()));
        double h = 0;
        int fit = part.From;
        while (fit < end && h + rows[static_cast<std::size_t>(fit)].second <= room + 0.01)
            h += rows[static_cast<std::size_t>(fit++)].second;
        // The whole note gets the rounded height a note alone gets.
        if (fit == end && part.From == 0)
            h = std::ceil(h);
        // A note's first rows are not left alone at a page's foot (unless the page would
        // otherwise show no note at all), and at least one row goes in an empty note area.
        const bool empty = page.NoteParts.empty();
        if (fit < end && end - fit == 1 && fit - part.From > 1) {  // nor its last row alone overleaf
            h -= rows[static_cast<std::size_t>(fit - 1)].second;
            --fit;
        }
        if (fit < end && fit - part.From < minRows && !(empty && minRows <= 1))
            fit = part.From;
        if (fit == part.From && empty && minRows <= 1 && end > part.From) {
            h = rows[static_cast<std::size_t>(fit)].second;
            ++fit;
        }
        if (fit > part.From) {
            if (part.From == 0)
                page.Footnotes.push_back(part.Note);
            page.NoteParts.push_back({part.Note, part.From, fit == end ? part.To : fit});
            page.FNotesHeight += h;
            room -= h;
        }
        if (fit < end)
            rest.push_back({part.Note, fit, part.To});
    }
    return rest;
}
void TVYXPaginatorDoc::PlaceNotes(TVYXPhyPage& page)
{
    double y = page.GetAbsAbsFNotesCY1() + 20;
    for (const TVYXNotePart& part : page.NoteParts) {
        const std::vector<std::pair<TVYXPhyRow*, double>> rows = NoteRowsOf(*part.Note);
        const int end = part.To < 0 ? static_cast<int>(rows.size()) : std::min(part.To, static_cast<int>(rows.size()));
        for (int r = std::max(part.From, 0); r < end; ++r) {
            TVYXPhyRow& row = *rows[static_cast<std::size_t>(r)].first;
            row.Baseline = static_cast<float>(y + row.Ascent);
            row.PageX = static_cast<float>(page.ClientX1);
            row.Page = page.Index;
            page.NoteRows.Add(row);
            y += rows[static_cast<std::size_t>(r)].second;
        }
    }
}

