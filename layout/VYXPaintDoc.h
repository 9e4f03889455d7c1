// VYXPaintDoc.h: painting what the control shows: the grey desk and the visible pages with their parts.
//
// Pages stand one below the other on the desk, the document's inter-page space
// (20 pt by default) between them and above the first, centred across the control
// when narrower than it. FArea is the control's view of the desk: X1/Y1 is the scroll
// position (desk pixels at the control's top-left), Width/Height its size; FScrArea
// is the control's rectangle on the device. Each visible page gets, in order, its
// header and footer (the one the page index selects, page fields showing this page),
// its body (floats, rows, tables), the footnote separator and notes, and the caret.
//
// PaintPage paints one page with its top-left at a given place and nothing around it:
// printing, page images and PDF use it with the print options.
#pragma once

#include <vector>

#include "layout/VYXTextPrint.h"
#include "model/VYXDefs.h"

class TVYXGDI;
class TVYXLogDocEditor;
class TVYXPaginatorDoc;
class TVYXPhyPage;
class TVYXTextRender;

class TVYXPaintDoc {
public:
    // All borrowed; they must outlive the painter.
    TVYXPaintDoc(TVYXGDI& gdi, TVYXLogDocEditor& doc, TVYXPaginatorDoc& layout);
    ~TVYXPaintDoc();
    TVYXPaintDoc(const TVYXPaintDoc&) = delete;
    TVYXPaintDoc& operator=(const TVYXPaintDoc&) = delete;

    TVYXPaintOptions Options;
    TVYXClientArea FArea;  // the visible part of the desk: scroll position and size
    TVYXArea FScrArea;     // the control's rectangle on the device
    bool ShowCaret = true;

    // Page rectangles on the desk and the desk's size; call after each layout.
    void CalcPagesScroll();
    // Page rectangles in the control (desk rectangles less the scroll position).
    std::vector<TVYXArea> CalcArea() const;
    double DeskWidth() const { return FDeskWidth; }
    double DeskHeight() const { return FDeskHeight; }
    // The desk rectangle of a page (after CalcPagesScroll).
    const TVYXArea& PageRect(int index) const { return FPageRects.at(static_cast<std::size_t>(index)); }

    // Paints the visible part of the desk into FScrArea.
    void PaintDoc();
    // One page, its top-left at (x, y), clipped to the page.
    void PaintPage(int index, double x, double y);

    // The header (footer) editor a page shows, nullptr when none.
    TVYXLogDocEditor* GetAndUpdateHeader(const TVYXPhyPage& page) const;
    TVYXLogDocEditor* GetAndUpdateFooter(const TVYXPhyPage& page) const;

    // Keeps the visible area while painting elsewhere (printing a preview).
    void SaveArea() { FArea.Save(); }
    void RestoreArea() { FArea.Restore(); }

private:
    void PaintNotes(TVYXTextRender& render, TVYXPhyPage& page, double x, double y);
    void PaintCaret(double deskX, double deskY);

    TVYXGDI& FGDI;
    TVYXLogDocEditor& FDocument;
    TVYXPaginatorDoc& FLayout;
    std::vector<TVYXArea> FPageRects;
    double FDeskWidth = 0, FDeskHeight = 0;
};
