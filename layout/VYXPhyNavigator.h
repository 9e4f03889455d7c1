// VYXPhyNavigator.h: answers a document editor's line, page and window moves from the laid-out pages.
//
// The document editor keeps its caret as a logical position and asks its owner for
// every move that needs layout (TVYXLogDocEditor::PhyPositionEvent). The navigator
// is that owner's answer: it keeps a physical caret beside the editor's, so that the
// row of a seam position (after End on a wrapped row) and the remembered column of
// consecutive line and page moves survive between commands. When the editor's caret
// arrives somewhere else by any other move, the navigator starts afresh from there.
#pragma once

#include "editing/VYXLogEditor.h"
#include "layout/VYXPhyPos.h"
#include "layout/VYXRowEditor.h"

class TVYXGDI;
class TVYXPhyPages;

class TVYXPhyNavigator {
public:
    // Both are borrowed and must outlive the navigator (the pages of the paginator
    // that lays out the editor's document).
    TVYXPhyNavigator(TVYXGDI& gdi, const TVYXPhyPages& pages);
    TVYXPhyNavigator(const TVYXPhyNavigator&) = delete;
    TVYXPhyNavigator& operator=(const TVYXPhyNavigator&) = delete;

    // Installs the navigator as the editor's PhyPositionEvent handler.
    void Attach(TVYXLogDocEditor& editor);
    // One request: moves `pos` and answers true, or answers false and leaves it.
    bool Move(TVYXPhyPosType type, TVYXLogPos& pos);
    // The part of a page the window shows (page pixels), for the top and bottom row
    // moves; without it those moves answer false.
    void SetWindow(int page, double top, double bottom);
    // Forgets the remembered column and the caret's row (after a relayout).
    void Reset();

    // The physical caret as the last move left it, and its row geometry.
    TVYXCaretLogPhyPosition& Caret() { return FCaret; }
    TVYXCaretRowEditor& RowEditor() { return FEditor; }

private:
    // Takes the editor's position over unless it is where the last move left it.
    void Follow(const TVYXLogPos& pos);

    TVYXGDI& FGDI;
    const TVYXPhyPages& FPages;
    TVYXCaretLogPhyPosition FCaret;
    TVYXCaretRowEditor FEditor;
    const TVYXLogPara* FLastPara = nullptr;
    std::int32_t FLastPos = 0;
    int FWindowPage = -1;
    double FWindowTop = 0, FWindowBottom = 0;
};
