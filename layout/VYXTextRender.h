// VYXTextRender.h: painting one laid-out page of one document: floats, rows, paragraph boxes, table borders.
//
// Render paints a page of the main document with the page's top-left corner at a
// given place on the device: objects behind the text (with their text boxes), the
// rows with paragraph shading and borders and list labels, table cells (shading,
// borders, repeated header rows), objects in front, then the hit areas. Headers and
// footers are painted with RenderParas (their rows stand at page coordinates, the
// same on every page; page fields show the page being painted) and footnotes with
// RenderNotes. Everything goes through TVYXGDI, so the same code paints the screen,
// page images and PDF pages.
//
// Tables: layout keeps one top and bottom per table row, on the page the row ends on.
// A row whose cells run over a page break is painted on each page it touches: from
// the previous row's bottom (or the body's top on a continuation page) to its own
// bottom (or the body's bottom when it goes on); the borders at such cuts are left
// out. The table's hit areas come from layout (VYXMakeTableAreas) over the same
// segments; painting draws the selection handle of the table holding the caret.
#pragma once

#include <memory>

#include "layout/VYXTableExtents.h"
#include "layout/VYXTextPrint.h"

class TVYXGDI;
class TVYXLogDocEditor;
class TVYXLogParas;
class TVYXLogPara;
class TVYXPhyPage;
class TVYXPhyRow;
class TVYXPhyRowsList;
class TVYXPaginatorDoc;
class TVYXTable;
class TVYXTableCell;
class TVYXTableRow;
class TVYXGraphicObj;
class TVYXDocPropBorder;


class TVYXTextRender {
public:
    explicit TVYXTextRender(TVYXGDI& gdi);
    ~TVYXTextRender();
    TVYXTextRender(const TVYXTextRender&) = delete;
    TVYXTextRender& operator=(const TVYXTextRender&) = delete;

    TVYXPaintOptions& Options() { return FTextPrint.Options; }
    // Answers page-number fields and the page list (borrowed; may stay nullptr).
    const TVYXPaginatorDoc* Layout = nullptr;
    // Render drops the page's painted hit areas first; a caller painting a page in
    // several parts clears them itself and turns this off.
    bool ClearPaintAreas = true;

    // Paints the body page of `doc` (the main editor) with its top-left corner at (x, y)
    // on the device, inside the clip rectangle (device pixels).
    void Render(TVYXLogDocEditor& doc, TVYXPhyPage& page, double x, double y, double clipX1, double clipY1,
                double clipX2, double clipY2);
    // Every row of a header, footer or text-box document, as placed by layout.
    void RenderParas(TVYXLogDocEditor& doc, TVYXPhyPage& page, TVYXLogParas& paras, double x, double y);
    // The note rows of the page.
    void RenderNotes(TVYXLogDocEditor& notes, TVYXPhyPage& page, double x, double y);

    // Steps of Render, public for devices that paint in their own order.
    void SetupText();
    void PaintPage();
    // Paints the box (shading and borders) of the paragraph whose rows on the page are
    // rows[first..last] of the list.
    void SetupPAPX(const TVYXPhyRowsList& rows, int first, int last);
    void PaintParaBorders(const TVYXLogPara& para, double x1, double y1, double x2, double y2, bool top, bool bottom);
    void DoCellBorders(TVYXTable& table);
    void DoCellBorders2(const TVYXTableCell& cell, double y1, double y2, TVYXPhyPageSplittedCell split);
    void PaintHorizCellBorder(const TVYXDocPropBorder* border, double x1, double x2, double y);
    void PaintVertCellBorder(const TVYXDocPropBorder* border, double y1, double y2, double x);
    void RenderTextBox(TVYXGraphicObj& obj);
    void RenderTextBoxInline(TVYXGraphicObj& obj, double x, double y);
    void PaintHitAreas();

private:
    void BeginPage(TVYXLogDocEditor& doc, TVYXPhyPage& page, double x, double y);
    void PaintRows(const TVYXPhyRowsList& rows, double dx, double dy);
    void DrawFloats(bool front);
    void DoCellBorders(TVYXTable& table, TVYXTableExtents& extents);
    void PaintCellRows(const TVYXLogParas& paras, double dy, int depth);
    void PaintRepeatedRows();
    void CellFills(TVYXTable& table, TVYXTableExtents& extents);

    TVYXGDI& FGDI;
    TVYXTextPrint FTextPrint;
    TVYXLogDocEditor* FDoc = nullptr;  // borrowed: the document being painted
    TVYXPhyPage* FPage = nullptr;      // borrowed
    double FX = 0, FY = 0;             // the page's origin on the device
    double FClipX1 = 0, FClipY1 = 0, FClipX2 = 0, FClipY2 = 0;
    int FTextBoxDepth = 0;
};
