// VYXDocProps.h: property lists of runs, paragraphs and tables, their dense defaults and
// the values stored in them (one include for all of them), and the save/restore stacks
// of the readers.
//
// The pieces: VYXPropValues.h (colours, value enumerations, borders, tab stops,
// shading), VYXPropList.h (ids, items, the list core), VYXCharProps.h, VYXParaProps.h,
// VYXTableProps.h.
#pragma once

#include <memory>
#include <vector>

#include "model/VYXCharProps.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropList.h"
#include "model/VYXPropValues.h"
#include "model/VYXTableProps.h"

// ---- Save/restore stacks of the readers ------------------------------------

// Copies and restores for the stacks below (the fallback dense object stays the list's own).
std::unique_ptr<TVYXCHPX> VYXStackCopy(const TVYXCHPX& chpx);
std::unique_ptr<TVYXPAPX> VYXStackCopy(const TVYXPAPX& papx);
std::unique_ptr<TVYXDocPropBorders> VYXStackCopy(const TVYXDocPropBorders& borders);
void VYXStackRestore(TVYXCHPX& target, const TVYXCHPX& saved);
void VYXStackRestore(TVYXPAPX& target, const TVYXPAPX& saved);
void VYXStackRestore(TVYXDocPropBorders& target, const TVYXDocPropBorders& saved);

// Formatting saved at a group's start and put back at its end.
template <class T>
class TVYXSaveStack {
public:
    // Pushes a copy of `item`.
    void Push(const T& item) { FItems.push_back(VYXStackCopy(item)); }
    // Assigns the top entry back into `item` and drops it; false when empty.
    bool Pop(T& item)
    {
        if (FItems.empty())
            return false;
        VYXStackRestore(item, *FItems.back());
        FItems.pop_back();
        return true;
    }
    // The top entry (owned by the stack), or nullptr.
    const T* Peek() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    T* Peek() { return FItems.empty() ? nullptr : FItems.back().get(); }
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    std::vector<std::unique_ptr<T>> FItems;
};

using TVYXCHPXStack = TVYXSaveStack<TVYXCHPX>;
using TVYXPAPXStack = TVYXSaveStack<TVYXPAPX>;
using TVYXDocPropBordersStack = TVYXSaveStack<TVYXDocPropBorders>;
