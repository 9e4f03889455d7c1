// VYXDocProps.cpp: the save/restore stacks of the readers.
#include "model/VYXDocProps.h"

// ---- Stacks --------------------------------------------------------------------

std::unique_ptr<TVYXCHPX> VYXStackCopy(const TVYXCHPX& chpx)
{
    auto copy = std::make_unique<TVYXCHPX>(chpx.CHP());
    copy->Assign(chpx, nullptr, nullptr);
    return copy;
}

std::unique_ptr<TVYXPAPX> VYXStackCopy(const TVYXPAPX& papx)
{
    auto copy = std::make_unique<TVYXPAPX>(papx.PAP());
    copy->Assign(papx, nullptr, nullptr);
    return copy;
}

std::unique_ptr<TVYXDocPropBorders> VYXStackCopy(const TVYXDocPropBorders& borders)
{
    auto copy = std::make_unique<TVYXDocPropBorders>();
    copy->Assign(borders);
    return copy;
}

void VYXStackRestore(TVYXCHPX& target, const TVYXCHPX& saved) { target.Assign(saved, nullptr, nullptr); }
void VYXStackRestore(TVYXPAPX& target, const TVYXPAPX& saved) { target.Assign(saved, nullptr, nullptr); }
void VYXStackRestore(TVYXDocPropBorders& target, const TVYXDocPropBorders& saved) { target.Assign(saved); }
