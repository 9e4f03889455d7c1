// VYXNumbering.cpp: list levels.
#include "model/VYXNumbering.h"

TVYXNumbering::TVYXNumbering(TVYXNumberings* owner, TVYXNumberingsList* numList, TVYXCHP* chp, TVYXPAP* pap)
    : FOwner(owner), FNumList(numList), FCHPX(std::make_unique<TVYXCHPX>(chp)),
      FPAPX(std::make_unique<TVYXPAPX>(pap))
{
}

TVYXNumbering::~TVYXNumbering() = default;
