// VYXLogDocument.cpp: creating, clearing and reading one logical document.
#include "model/VYXLogDocument.h"

#include <utility>

#include "model/VYXBodyWalker.h"
#include "model/VYXDefaultStyles.h"
#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXRootData.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"

TVYXDocFragment::TVYXDocFragment() = default;
TVYXDocFragment::~TVYXDocFragment() = default;

bool TVYXDocFragment::CrossesParas() const
{
    if (!Paras)
        return false;
    for (int i = 0; i < Paras->Count(); ++i) {
        const TVYXLogParaItem* item = Paras->GetItems(i);
        if (item->IsTable() || static_cast<const TVYXLogPara*>(item)->Pilcrow)
            return true;
    }
    return false;
}

TVYXLogDocument::TVYXLogDocument(TVYXLogDocType type, TVYXErrorManager* errors, TVYXLogDocument* parent,
                                 const TVYXPaperSizeHook& paperSize)
    : FParent(parent), FType(type), FErrors(errors)
{
    if (type != aldtMain && !parent)
        throw VYXException("Secondary document without parent");
    if (parent) {
        FDOPRef = parent->FDOPRef;
        FSEPRef = parent->FSEPRef;
        FRootRef = parent->FRootRef;
        if (!FErrors)
            FErrors = parent->FErrors;
    } else
        CreateOwnTables(paperSize);
    CreateBody();
}

TVYXLogDocument::~TVYXLogDocument()
{
    // The body goes first: its runs' revision data report to the manager, and its
    // runs refer to the tables below.
    FLogParas.reset();
    FRevision.reset();
    FWalker.reset();
    if (FRootData)
        FRootData->RunsWatcher().DeleteCREvent = nullptr;
}

void TVYXLogDocument::CreateOwnTables(const TVYXPaperSizeHook& paperSize)
{
    FDOP = std::make_unique<TVYXDOP>();
    FSEP = std::make_unique<TVYXSEP>(nullptr, FDOP.get());
    TVYXPaperMm paper;
    if (paperSize)
        paper = paperSize();
    // SetDocumentDefaults falls back to A4 when either side is not positive.
    FSEP->SetDocumentDefaults(paper.WidthMm, paper.HeightMm);
    FHyperlinks = std::make_unique<TVYXHyperlinks>();
    FNumberings = std::make_unique<TVYXNumberings>();
    FStyles = std::make_unique<TVYXStyles>();
    FStyles->MasterPAP().SetDefault(false);
    VYXBuildDefaultStyles(*FStyles);
    FBookmarks = std::make_unique<TVYXBookmarks>();
    FPermissions = std::make_unique<TVYXPermissions>();
    FComments = std::make_unique<TVYXComments>();
    FPictures = std::make_unique<TVYXPictures>();
    FShapeTypes = std::make_unique<TVYXShapeTypes>();

    FRootData = std::make_unique<TVYXRootData>();
    TVYXRootData& root = *FRootData;
    root.FDOP = FDOP.get();
    root.FMasterSEP = FSEP.get();
    root.FMasterTAP = &FStyles->MasterTAP();
    root.FMasterPAP = &FStyles->MasterPAP();
    root.FMasterCHP = &FStyles->MasterCHP();
    root.FErrors = FErrors;
    root.FHyperlinks = FHyperlinks.get();
    root.FNumberings = FNumberings.get();
    root.FBookmarks = FBookmarks.get();
    root.FStyles = FStyles.get();
    root.FPictures = FPictures.get();
    root.FShapeTypes = FShapeTypes.get();
    root.RunsWatcher().DeleteCREvent = [this](TVYXCharRuns&, TVYXCharRun& run) { DeleteCharRun(run); };
    root.CreateTemps();

    FDOPRef = FDOP.get();
    FSEPRef = FSEP.get();
    FRootRef = FRootData.get();
}

void TVYXLogDocument::CreateBody()
{
    FWalker = std::make_unique<TVYXBodyWalker>();
    FRevision = std::make_unique<TVYXRevision>(FWalker.get());
    FLogParas = std::make_unique<TVYXLogParas>(FRootRef, this);
    FWalker->Body = FLogParas.get();
    FNav.SetParas(FLogParas.get());
    FLogParas->DirtyParaEvent = [this](TVYXLogPara&) { SetDirty(true); };
    FLogParas->WidthEvent = [this] { return Width(); };
}

// ---- Tables ---------------------------------------------------------------------

const TVYXHyperlinks& TVYXLogDocument::Hyperlinks() const { return *FRootRef->Hyperlinks(); }
TVYXHyperlinks& TVYXLogDocument::Hyperlinks() { return *FRootRef->Hyperlinks(); }
const TVYXNumberings& TVYXLogDocument::Numberings() const { return *FRootRef->Numberings(); }
TVYXNumberings& TVYXLogDocument::Numberings() { return *FRootRef->Numberings(); }
const TVYXStyles& TVYXLogDocument::Styles() const { return *FRootRef->Styles(); }
TVYXStyles& TVYXLogDocument::Styles() { return *FRootRef->Styles(); }
const TVYXBookmarks& TVYXLogDocument::Bookmarks() const { return *FRootRef->Bookmarks(); }
TVYXBookmarks& TVYXLogDocument::Bookmarks() { return *FRootRef->Bookmarks(); }
const TVYXPictures& TVYXLogDocument::Pictures() const { return *FRootRef->Pictures(); }
TVYXPictures& TVYXLogDocument::Pictures() { return *FRootRef->Pictures(); }
const TVYXShapeTypes& TVYXLogDocument::ShapeTypes() const { return *FRootRef->ShapeTypes(); }
TVYXShapeTypes& TVYXLogDocument::ShapeTypes() { return *FRootRef->ShapeTypes(); }
const TVYXPermissions& TVYXLogDocument::Permissions() const
{
    return FParent ? FParent->Permissions() : *FPermissions;
}
TVYXPermissions& TVYXLogDocument::Permissions() { return FParent ? FParent->Permissions() : *FPermissions; }
const TVYXComments& TVYXLogDocument::Comments() const { return FParent ? FParent->Comments() : *FComments; }
TVYXComments& TVYXLogDocument::Comments() { return FParent ? FParent->Comments() : *FComments; }
TVYXErrorManager* TVYXLogDocument::Errors() const { return FErrors; }
const TVYXCHP& TVYXLogDocument::GetMasterCHP() const { return *FRootRef->MasterCHP(); }
TVYXCHP& TVYXLogDocument::GetMasterCHP() { return *FRootRef->MasterCHP(); }
const TVYXPAP& TVYXLogDocument::GetMasterPAP() const { return *FRootRef->MasterPAP(); }
TVYXPAP& TVYXLogDocument::GetMasterPAP() { return *FRootRef->MasterPAP(); }
const TVYXCHPX& TVYXLogDocument::GetTempCHPX() const { return *FRootRef->TempCHPX(); }
TVYXCHPX& TVYXLogDocument::GetTempCHPX() { return *FRootRef->TempCHPX(); }
const TVYXPAPX& TVYXLogDocument::GetTempPAPX() const { return *FRootRef->TempPAPX(); }
TVYXPAPX& TVYXLogDocument::GetTempPAPX() { return *FRootRef->TempPAPX(); }

void TVYXLogDocument::SetPPI(double x, double y)
{
    FRootRef->FPPIX = x;
    FRootRef->FPPIY = y;
}

void TVYXLogDocument::SetInheritCHPX(bool on) { FRootRef->FInheritCHPX = on; }

std::unique_ptr<TVYXLogParas> TVYXLogDocument::CreateParas() const
{
    return std::make_unique<TVYXLogParas>(FRootRef, nullptr);
}

std::unique_ptr<TVYXCharRuns> TVYXLogDocument::CreateCharRuns() const { return std::make_unique<TVYXCharRuns>(FRootRef); }

// ---- Life cycle -----------------------------------------------------------------

void TVYXLogDocument::Clear()
{
    // Runs freed with the whole body hold nothing open that the editor must drop.
    std::function<void(TVYXCharRuns&, TVYXCharRun&)> saved;
    if (FRootData)
        saved = std::exchange(FRootData->RunsWatcher().DeleteCREvent, nullptr);
    FLogParas->Clear();
    if (FRootData)
        FRootData->RunsWatcher().DeleteCREvent = std::move(saved);
    FRevision->Clear();
    if (FParent)
        return;
    FStyles->Clear();
    FNumberings->Clear();
    FBookmarks->Clear();
    FPermissions->Clear();
    FComments->Clear();
    FHyperlinks->Clear();
    // The picture and shape stores have no emptying of their own; fresh ones do.
    FPictures = std::make_unique<TVYXPictures>();
    FShapeTypes = std::make_unique<TVYXShapeTypes>();
    FRootData->FPictures = FPictures.get();
    FRootData->FShapeTypes = FShapeTypes.get();
    FDOP->Clear();
    SetDirty(true);
}

void TVYXLogDocument::SetDirty(bool value)
{
    FDirty = value;
    if (value && FParent)
        FParent->SetDirty(true);
}

double TVYXLogDocument::Width() const { return FSEPRef->GetClientWidth(); }

void TVYXLogDocument::DeleteCharRun(TVYXCharRun&) {}

std::u16string TVYXLogDocument::GetPlainText() const { return FLogParas->GetPlainText(); }
void TVYXLogDocument::SetPlainText(std::u16string_view text) { FLogParas->SetPlainText(text); }
std::u16string TVYXLogDocument::GetFileText() const { return FLogParas->GetFileText(); }
void TVYXLogDocument::SetFileText(std::u16string_view text) { FLogParas->SetFileText(text); }

// ---- Navigation -----------------------------------------------------------------

TVYXLogPara* TVYXLogDocument::FirstPara() { return FNav.FirstPara(); }
TVYXLogPara* TVYXLogDocument::LastPara() { return FNav.LastPara(); }
TVYXLogPara* TVYXLogDocument::NextPara(TVYXLogParaItem& item) { return FNav.NextPara(item); }
TVYXLogPara* TVYXLogDocument::PrevPara(TVYXLogParaItem& item) { return FNav.PrevPara(item); }
