// VYXMouseResponders.h: the facade's mouse responders: the default one and the graphic editor.
#pragma once

#include "editing/VYXEditor.h"

class TVYXHyperlink;
class TVYXGraphicObj;

// The responder used when no graphic is being edited: clicks place the caret, drags
// and Shift+clicks select, double and triple clicks take a word and a paragraph,
// Ctrl+click follows a hyperlink, a drag on a table cell's side or bottom edge sizes
// its column or row, and a pending shape goes in with the next click.
class TVYXDefMouseResponder : public TVYXMouseResponder {
public:
    explicit TVYXDefMouseResponder(TVYXEditor& editor) : FEditor(editor) {}
    TVYXMouseSelState State() const { return FState; }
    bool MouseDown(TVYXMouseShift shift, double x, double y) override;
    bool MouseMove(TVYXMouseShift shift, double x, double y) override;
    bool MouseUp(TVYXMouseShift shift, double x, double y) override;
    bool WantsRepaint() const override { return FRepaint; }
    void Paint(TVYXGDI& gdi) override;

private:
    TVYXEditor& FEditor;
    TVYXMouseSelState FState = amssNone;
    TVYXHyperlink* FLink = nullptr;  // borrowed from the document's list while the button is down
    bool FRepaint = false;
    bool FDragged = false;  // the press extended the selection
    // Sizing a column or row: the cell whose right or bottom edge moves, its column
    // and row index, the edge's page pixel at the press and the mouse's travel.
    TVYXTableCell* FCell = nullptr;
    int FCol = 0, FRow = 0;
    double FDownX = 0, FDownY = 0, FX = 0, FY = 0;
};

// Moves (floating objects), sizes (all) and rotates (floating ones) the selected
// drawing object: eight grips around its box size it, a drag inside moves it, and
// the round grip above a floating object's top edge turns it about its centre.
// While the button is down only a frame (or the line to the rotation grip) follows
// the mouse; the object changes once, on release: an inline object through the
// document's graphic commands, a floating one through the facade, which anchors a
// moved object to the paragraph it was dropped on. Either way the change is one
// command for undo and layout.
class TVYXGraphicEditor : public TVYXMouseResponder {
public:
    TVYXGraphicEditor(TVYXEditor& editor, TVYXGraphicObj& graphic) : FEditor(editor), FGraphic(&graphic) {}
    bool MouseDown(TVYXMouseShift shift, double x, double y) override;
    bool MouseMove(TVYXMouseShift shift, double x, double y) override;
    bool MouseUp(TVYXMouseShift shift, double x, double y) override;
    bool WantsRepaint() const override { return FRepaint; }
    TVYXGraphicObj* EditedGraphic() const override { return FGraphic; }
    void Paint(TVYXGDI& gdi) override;
    // The grip (0 top-left, clockwise to 7 left, 8 the rotation grip) under a screen
    // point; -1 when none.
    int GripAt(double x, double y) const;
    static constexpr int cRotateGrip = 8;
    static constexpr double cRotateStem = 20;  // pixels from the top edge to the rotation grip

private:
    enum TState { gesNone, gesMove, gesSize, gesRotate };
    // The rotation grip's screen point; false for inline and unrotatable objects.
    bool RotateGrip(double& x, double& y) const;
    // The angle the rotation drag points at, degrees clockwise from straight up.
    double DragAngle() const;
    // The box on screen as it stands, or as the drag would leave it.
    bool Box(double& x1, double& y1, double& x2, double& y2) const;
    TVYXEditor& FEditor;
    TVYXGraphicObj* FGraphic;  // borrowed: the focused document's selected object
    TState FState = gesNone;
    int FGrip = -1;
    double FDownX = 0, FDownY = 0, FX = 0, FY = 0;
    bool FRepaint = false;
};
