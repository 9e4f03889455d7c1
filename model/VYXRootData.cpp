// VYXRootData.cpp: the document-wide tables lists and runs share.
#include "model/VYXRootData.h"

#include "model/VYXDocProps.h"

TVYXRootData::TVYXRootData() = default;
TVYXRootData::~TVYXRootData() = default;

void TVYXRootData::CreateTemps()
{
    FTempCHPX = std::make_unique<TVYXCHPX>(FMasterCHP);
    FTempPAPX = std::make_unique<TVYXPAPX>(FMasterPAP);
}
