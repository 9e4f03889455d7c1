// VYXRootData.cpp: the document-wide tables lists and runs share.
#include "model/VYXRootData.h"

#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"

TVYXRootData::TVYXRootData() : FRunsWatcher(std::make_unique<TVYXCharRunsWatcher>()) {}
TVYXRootData::~TVYXRootData() = default;

void TVYXRootData::CreateTemps()
{
    FTempCHPX = std::make_unique<TVYXCHPX>(FMasterCHP);
    FTempPAPX = std::make_unique<TVYXPAPX>(FMasterPAP);
}
