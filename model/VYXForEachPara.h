// VYXForEachPara.h: a visit of every paragraph of a list in reading order, cells of
// nested tables included, for the passes that touch each paragraph once. A const list
// gives const paragraphs.
#pragma once

#include <type_traits>

#include "model/VYXLogParas.h"
#include "model/VYXTable.h"

namespace vyx_detail {
template <class List, class F>
void ForEachPara(List& list, const F& f)
{
    using Para = std::conditional_t<std::is_const_v<List>, const TVYXLogPara, TVYXLogPara>;
    using Table = std::conditional_t<std::is_const_v<List>, const TVYXTable, TVYXTable>;
    for (int i = 0; i < list.Count(); ++i) {
        auto* item = list.GetItems(i);
        if (item->IsPara()) {
            f(*static_cast<Para*>(item));
            continue;
        }
        auto* table = static_cast<Table*>(item);
        for (int r = 0; r < table->Count(); ++r)
            for (int c = 0; c < table->GetRows(r)->Count(); ++c)
                ForEachPara(table->GetRows(r)->GetCells(c)->Paras(), f);
    }
}
}  // namespace vyx_detail

template <class F>
void VYXForEachPara(TVYXLogParas& list, const F& f)
{
    vyx_detail::ForEachPara(list, f);
}

template <class F>
void VYXForEachPara(const TVYXLogParas& list, const F& f)
{
    vyx_detail::ForEachPara(list, f);
}
