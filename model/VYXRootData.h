// VYXRootData.h: the document-wide tables that paragraph lists and runs reach through their root.
//
// Internal to the model: the document (TVYXLogDocument) creates one and owns everything it
// points at; nested paragraph lists (cells, headers, notes, text boxes) share it. Code outside
// the model asks the document or the lists for what it needs.
#pragma once

#include <functional>
#include <memory>

#include "model/VYXModelPool.h"

class TVYXCharRun;
struct TVYXCharRunsWatcher;
class TVYXCHP;
class TVYXCHPX;
class TVYXPAP;
class TVYXPAPX;
class TVYXTAP;
class TVYXSEP;
class TVYXDOP;
class TVYXErrorManager;
class TVYXHyperlinks;
class TVYXNumberings;
class TVYXBookmarks;
class TVYXStyles;
class TVYXPictures;
class TVYXShapeTypes;

class TVYXRootData {
public:
    TVYXRootData();
    TVYXRootData(const TVYXRootData&) = delete;
    TVYXRootData& operator=(const TVYXRootData&) = delete;
    ~TVYXRootData();

    // The device resolution layout measures in (pixels per inch).
    double PPIX() const { return FPPIX; }
    double PPIY() const { return FPPIY; }
    TVYXDOP* DOP() const { return FDOP; }
    TVYXTAP* MasterTAP() const { return FMasterTAP; }
    TVYXPAP* MasterPAP() const { return FMasterPAP; }
    TVYXCHP* MasterCHP() const { return FMasterCHP; }
    TVYXSEP* MasterSEP() const { return FMasterSEP; }
    TVYXErrorManager* Errors() const { return FErrors; }
    TVYXHyperlinks* Hyperlinks() const { return FHyperlinks; }
    TVYXNumberings* Numberings() const { return FNumberings; }
    TVYXBookmarks* Bookmarks() const { return FBookmarks; }
    TVYXStyles* Styles() const { return FStyles; }
    TVYXPictures* Pictures() const { return FPictures; }
    TVYXShapeTypes* ShapeTypes() const { return FShapeTypes; }
    bool InheritCHPX() const { return FInheritCHPX; }
    // What the run lists of the document report to: one for all of them.
    TVYXCharRunsWatcher& RunsWatcher() const { return *FRunsWatcher; }

    // Where the document's runs and paragraphs are made.
    TVYXModelPool& Pool() { return FPool; }

    // Scratch lists falling back to the masters (created by CreateTemps once the masters are set).
    TVYXCHPX* TempCHPX() const { return FTempCHPX.get(); }
    TVYXPAPX* TempPAPX() const { return FTempPAPX.get(); }

private:
    friend class TVYXLogDocument;  // wires the tables it owns
    void CreateTemps();
    double FPPIX = 96, FPPIY = 96;
    TVYXDOP* FDOP = nullptr;  // every pointer borrowed: the document owns the tables
    TVYXTAP* FMasterTAP = nullptr;
    TVYXPAP* FMasterPAP = nullptr;
    TVYXCHP* FMasterCHP = nullptr;
    TVYXSEP* FMasterSEP = nullptr;
    TVYXErrorManager* FErrors = nullptr;
    TVYXHyperlinks* FHyperlinks = nullptr;
    TVYXNumberings* FNumberings = nullptr;
    TVYXBookmarks* FBookmarks = nullptr;
    TVYXStyles* FStyles = nullptr;
    TVYXPictures* FPictures = nullptr;
    TVYXShapeTypes* FShapeTypes = nullptr;
    bool FInheritCHPX = false;
    std::unique_ptr<TVYXCHPX> FTempCHPX;
    std::unique_ptr<TVYXPAPX> FTempPAPX;
    std::unique_ptr<TVYXCharRunsWatcher> FRunsWatcher;
    TVYXModelPool FPool;
};
