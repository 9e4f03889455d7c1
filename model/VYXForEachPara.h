// VYXForEachPara.h: a visit of every paragraph of a list in reading order, cells of
// nested tables included, for the passes that touch each paragraph once.
#pragma once

#include "model/VYXLogParas.h"
#include "model/VYXTable.h"

template <class F>
void VYXForEachPara(const TVYXLogParas& list, const F& f)
{
    for (int i = 0; i < list.Count(); ++i) {
        TVYXLogParaItem* item = list.GetItems(i);
        if (item->IsPara()) {
            f(*static_cast<TVYXLogPara*>(item));
            continue;
        }
        auto* table = static_cast<TVYXTable*>(item);
        for (int r = 0; r < table->Count(); ++r)
            for (int c = 0; c < table->GetRows(r)->Count(); ++c)
                VYXForEachPara(table->GetRows(r)->GetCells(c)->Paras(), f);
    }
}
