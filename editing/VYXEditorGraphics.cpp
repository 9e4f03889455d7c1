// VYXEditorGraphics.cpp: the facade's edits of floating drawing objects: moving,
// sizing and rotating them, anchoring them to the paragraph they were dropped on,
// turning them inline or floating, and inserting preset shapes at a click.
//
// A floating object lives in its anchor paragraph's object list, beside the text the
// document's edit door changes, so the facade records these edits itself: each
// record keeps the object's anchor as an address and its index in the list, with the
// object's former properties (or the object itself when it left the list), never a
// pointer into the tree.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "editing/VYXEditor.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXMouseResponders.h"
#include "editing/VYXUndo.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPhyPage.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocAddress.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"

namespace {

// One change of a paragraph's floating objects, and its inverse when replayed.
class TAnchoredRecord : public TVYXUndoData {
public:
    enum TKind {
        akChange,  // the object at Index gets State's properties
        akAdded,   // the object at Index goes out of the list (it was added)
        akRemoved  // State goes back into the list (it was taken out)
    };
    TAnchoredRecord(TVYXCommand cmd, int group, TVYXLogDocEditor& doc, TKind kind, const TVYXLogPara& para, int index,
                    std::unique_ptr<TVYXGraphicObj> state)
        : TVYXUndoData(cmd, group), Doc(&doc), Kind(kind), Para(VYXAddressOf(para, 1)), Index(index),
          State(std::move(state))
    {
    }
    std::string AsString() const override
    {
        static constexpr const char* cNames[] = {"Anchored change", "Anchored add", "Anchored remove"};
        std::string at;
        for (const TVYXDocAddressStep& step : Para.Path)
            at += std::to_string(step.Item) + "." + std::to_string(step.Row) + "." + std::to_string(step.Cell) + "/";
        return std::string(cNames[Kind]) + " " + at + std::to_string(Para.Item) + " #" + std::to_string(Index);
    }
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo&) override
    {
        TVYXLogPara* para = VYXParaAt(Doc->Paras(), Para);
        if (!para)
            throw VYXException("Invalid address");
        TVYXGraphicObjList* list = para->Graphics();
        const int count = list ? list->Count() : 0;
        std::unique_ptr<TAnchoredRecord> back;
        switch (Kind) {
        case akChange: {
            if (Index < 0 || Index >= count)
                throw VYXException("Invalid address");
            TVYXGraphicObj& obj = list->GetItems(Index);
            back = std::make_unique<TAnchoredRecord>(Command, Group, *Doc, akChange, *para, Index, obj.Clone());
            obj.Assign(*State);
            obj.Precalc();
            break;
        }
        case akAdded: {
            if (Index < 0 || Index >= count)
                throw VYXException("Invalid address");
            TVYXGraphicObj& obj = list->GetItems(Index);
            if (Doc->Selections().Graphic == &obj)
                Doc->Selections().Clear();
            std::unique_ptr<TVYXGraphicObj> out = list->Snatch(obj);
            back = std::make_unique<TAnchoredRecord>(Command, Group, *Doc, akRemoved, *para, Index, std::move(out));
            break;
        }
        case akRemoved: {
            if (!State)
                throw VYXException("Invalid address");
            para->AddGraphic(std::move(State));
            back = std::make_unique<TAnchoredRecord>(Command, Group, *Doc, akAdded, *para,
                                                     para->Graphics()->Count() - 1, nullptr);
            break;
        }
        }
        para->MakeDirty();
        Doc->SetDirty(true);
        Doc->SetRepaint(true);
        return back;
    }

private:
    TVYXLogDocEditor* Doc;  // borrowed: the main editor, which owns the history
    TKind Kind;
    TVYXDocAddress Para;
    int Index;
    std::unique_ptr<TVYXGraphicObj> State;
};

int IndexIn(const TVYXGraphicObjList& list, const TVYXGraphicObj& obj)
{
    for (int i = 0; i < list.Count(); ++i)
        if (&list.GetItems(i) == &obj)
            return i;
    return -1;
}

// The preset shapes the insert commands know, by their shape type numbers.
constexpr unsigned cShapeRectangle = 1, cShapeRoundRect = 2, cShapeEllipse = 3, cShapeLine = 20, cShapeTextBox = 202;

}  // namespace

// ---- Finding and recording ------------------------------------------------------------

TVYXLogPara* TVYXEditor::FindAnchorPara(const TVYXGraphicObj& graphic) const
{
    TVYXLogPara* found = nullptr;
    TVYXLogParasIterator walk;
    walk.ParaEvent = [&](TVYXLogPara& p) {
        if (!found && p.Graphics() && IndexIn(*p.Graphics(), graphic) >= 0)
            found = &p;
    };
    walk.Iterate(FMainDoc->Paras());
    return found;
}

bool TVYXEditor::ChangeFloating(TVYXGraphicObj& graphic, const std::function<void(TVYXGraphicObj&)>& change)
{
    TVYXLogPara* para = FindAnchorPara(graphic);
    if (!para)
        return false;
    FMainDoc->Undo().AddRecord(std::make_unique<TAnchoredRecord>(
        ActiveCommand(), 0, *FMainDoc, TAnchoredRecord::akChange, *para, IndexIn(*para->Graphics(), graphic),
        graphic.Clone()));
    change(graphic);
    graphic.Precalc();
    para->MakeDirty();
    FMainDoc->SetDirty(true);
    FMainDoc->SetRepaint(true);
    return true;
}

TVYXGraphicObj& TVYXEditor::AnchorFloating(TVYXLogPara& para, std::unique_ptr<TVYXGraphicObj> graphic)
{
    TVYXGraphicObj& added = para.AddGraphic(std::move(graphic));
    added.Precalc();
    FMainDoc->Undo().AddRecord(std::make_unique<TAnchoredRecord>(ActiveCommand(), 0, *FMainDoc,
                                                                 TAnchoredRecord::akAdded, para,
                                                                 para.Graphics()->Count() - 1, nullptr));
    FMainDoc->SetDirty(true);
    FMainDoc->SetRepaint(true);
    return added;
}

std::unique_ptr<TVYXGraphicObj> TVYXEditor::UnanchorFloating(TVYXGraphicObj& graphic)
{
    TVYXLogPara* para = FindAnchorPara(graphic);
    if (!para)
        return nullptr;
    const int index = IndexIn(*para->Graphics(), graphic);
    if (FFocusDoc->Selections().Graphic == &graphic)
        FFocusDoc->Selections().Clear();
    std::unique_ptr<TVYXGraphicObj> out = para->Graphics()->Snatch(graphic);
    // The record keeps a copy to put back; the caller may keep the object itself.
    FMainDoc->Undo().AddRecord(std::make_unique<TAnchoredRecord>(ActiveCommand(), 0, *FMainDoc,
                                                                 TAnchoredRecord::akRemoved, *para, index, out->Clone()));
    para->MakeDirty();
    FMainDoc->SetDirty(true);
    FMainDoc->SetRepaint(true);
    return out;
}

TVYXCommand TVYXEditor::ActiveCommand() const { return FCommandStack.empty() ? vycNone : FCommandStack.front(); }

// ---- Moving, sizing, rotating ------------------------------------------------------------

double TVYXEditor::ParaScreenTop(const TVYXLogPara& para) const
{
    int page = 0;
    double x = 0, y = 0, h = 0;
    return PosToXY(TVYXLogPos(const_cast<TVYXLogPara*>(&para), 1), page, x, y, h) ? y : 0;
}

bool TVYXEditor::MoveFloating(TVYXGraphicObj& graphic, double dxPt, double dyPt)
{
    TVYXLogPara* from = FindAnchorPara(graphic);
    if (!from)
        return false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    const bool placed = GraphicScreenRect(graphic, x1, y1, x2, y2);
    const double fromTop = ParaScreenTop(*from);
    ChangeFloating(graphic, [&](TVYXGraphicObj& g) {
        g.PosLeft += dxPt;
        g.PosTop += dyPt;
    });
    // Anchored to the paragraph under the object's new top edge, unless the anchor is
    // locked or the object is placed against the page: so it travels with that text.
    if (!placed || graphic.LockAnchor || graphic.VertPosRel != agovprParagraph)
        return true;
    TVYXGDI& gdi = *FGDI;
    const double nx = x1 + dxPt * gdi.PixelsPerInchX() / 72.0, ny = y1 + dyPt * gdi.PixelsPerInchY() / 72.0;
    int page = -1;
    TVYXLogPos at;
    if (XYToDocAndPage(nx, ny, page) == nullptr || page < 0 || !XYToLogPos(*FMainDoc, page, nx, ny, at) || !at.Para ||
        at.Para == from || at.Para->Cell() != from->Cell())
        return true;
    TVYXLogPara* to = at.Para;
    const double shift = (ParaScreenTop(*to) - fromTop) * 72.0 / gdi.PixelsPerInchY();
    std::unique_ptr<TVYXGraphicObj> obj = UnanchorFloating(graphic);
    obj->PosTop -= shift;  // the same place on the page, measured from the new paragraph
    // The same object in another list: a graphic editor holding it goes on with it.
    FFocusDoc->Selections().Select(&AnchorFloating(*to, std::move(obj)));
    return true;
}

bool TVYXEditor::RotateFloating(TVYXGraphicObj& graphic, double degrees)
{
    if (!dynamic_cast<TVYXGraphicRotate*>(&graphic))
        return false;
    double angle = std::fmod(degrees, 360.0);
    if (angle < 0)
        angle += 360;
    return ChangeFloating(graphic, [angle](TVYXGraphicObj& g) { static_cast<TVYXGraphicRotate&>(g).SetAngle(angle); });
}

// ---- Inline and floating ----------------------------------------------------------------

bool TVYXEditor::SetGraphicFloating(bool floating)
{
    TVYXLogDocEditor& doc = *FFocusDoc;
    if (&doc != FMainDoc)
        return false;
    TVYXGraphicObj* graphic = doc.Selections().Graphic ? doc.Selections().Graphic : SelectedGraphicRun();
    if (!graphic)
        return false;
    // A text box's paragraphs belong to the object's place; they do not travel.
    if (const auto* shape = dynamic_cast<const TVYXGraphicRotate*>(graphic); shape && shape->TextBox)
        return false;
    const bool isFloating = FindAnchorPara(*graphic) != nullptr;
    if (isFloating == floating)
        return false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    const bool placed = GraphicScreenRect(*graphic, x1, y1, x2, y2);
    const double toPtX = 72.0 / FGDI->PixelsPerInchX(), toPtY = 72.0 / FGDI->PixelsPerInchY();
    if (floating) {
        // The run goes out through the door; a copy floats where the object stood.
        TVYXLogPos at;
        const TVYXLogSelection* sel = doc.Selections().First();
        if (!sel)
            return false;
        at = sel->First.CharPos <= sel->Last.CharPos || sel->First.Para != sel->Last.Para ? sel->First : sel->Last;
        TVYXLogPara* para = at.Para;
        std::unique_ptr<TVYXGraphicObj> copy = graphic->Clone();
        copy->Wrap = agowInFront;
        copy->HorizPosType = copy->VertPosType = agoptAbsolute;
        copy->HorizPos = agohpAbsolute;
        copy->VertPos = agovpAbsolute;
        copy->HorizPosRel = agohprColumn;
        copy->VertPosRel = agovprParagraph;
        if (placed) {
            int page = 0;
            double px = 0, py = 0, ph = 0;
            PosToXY(TVYXLogPos(para, 1), page, px, py, ph);
            const TVYXPhyPage& p = FPaginator->Pages().GetItems(page);
            copy->PosLeft = (x1 - PageScreenLeft() - p.ClientX1) * toPtX;
            copy->PosTop = (y1 - ParaScreenTop(*para)) * toPtY;
        }
        doc.Command(vycMovePos, at);
        doc.Command(vycSelectCharRight);
        doc.Command(vycDelSelection);
        TVYXLogPara* anchor = doc.Caret().Para;
        if (!anchor)
            return false;
        TVYXGraphicObj& added = AnchorFloating(*anchor, std::move(copy));
        doc.Selections().Clear();
        StartGraphicEditing(added);
        return true;
    }
    // Into the text where the object's top-left corner stands, else at its anchor's start.
    TVYXLogPara* anchor = FindAnchorPara(*graphic);
    TVYXLogPos at(anchor, 1);
    int page = -1;
    TVYXLogPos hit;
    if (placed && XYToDocAndPage(x1, y1, page) && page >= 0 && XYToLogPos(*FMainDoc, page, x1, y1, hit) &&
        hit.Para == anchor)
        at = hit;
    LeaveGraphicEditing();
    std::unique_ptr<TVYXGraphicObj> obj = UnanchorFloating(*graphic);
    obj->Wrap = agowInLine;
    obj->PosLeft = obj->PosTop = 0;
    obj->Precalc();
    doc.Command(vycMovePos, at);
    return InsertInlineGraphic(std::move(obj));
}

bool TVYXEditor::InsertInlineGraphic(std::unique_ptr<TVYXGraphicObj> graphic)
{
    // Built in a scratch document and inserted through the door like any content.
    TVYXLogDocEditor& doc = *FFocusDoc;
    TVYXLogDocEditor scratch(aldtMain);
    if (scratch.Paras().Count() == 0)
        scratch.AppendPara();
    TVYXLogPara* holder = scratch.FirstPara();
    holder->AppendGraphic(VYXCopyGraphicObj(*graphic, &scratch.Pictures(), &scratch.ShapeTypes()));
    TVYXDocRange all{VYXAddressOf(*holder, 1), VYXAddressOf(*holder, holder->EndOfParaPos())};
    std::unique_ptr<TVYXDocFragment> content = scratch.RemoveContent(all);
    const TVYXDocRange in = doc.InsertContent(VYXAddressOf(doc.Caret()), *content);
    TVYXLogPos first;
    if (!first.SetAddress(doc.Paras(), in.First))
        return false;
    doc.Command(vycMovePos, first);
    doc.Command(vycSelectCharRight);
    if (TVYXGraphicObj* run = SelectedGraphicRun())
        StartGraphicEditing(*run);
    return true;
}

// ---- Preset shapes ----------------------------------------------------------------------

void TVYXEditor::InsertShape(TVYXLogPara& para, unsigned shapeId)
{
    std::unique_ptr<TVYXGraphicObj> shape;
    double width = 100, height = 60;
    switch (shapeId) {
    case cShapeRectangle: shape = VYXCreateGraphicObj(agtRectangle); break;
    case cShapeRoundRect: shape = VYXCreateGraphicObj(agtRoundRect); break;
    case cShapeEllipse: shape = VYXCreateGraphicObj(agtEllipse); break;
    case cShapeLine:
        shape = VYXCreateGraphicObj(agtLine);
        height = 1;
        break;
    case cShapeTextBox: break;
    default: return;
    }
    if (para.Cell() || !para.Paras || para.Paras->RootParas() != &FMainDoc->Paras())
        return;  // floating objects anchor to body paragraphs outside tables
    if (!shape) {
        // A text box comes with its own paragraphs from the document.
        FFocusDoc->Command(vycMovePos, TVYXLogPos(&para, 1));
        if (!FFocusDoc->Command(vycGraphicInsertTextBox))
            return;
        FInsertX = FInsertY = -1;
        if (TVYXGraphicObj* box = FFocusDoc->Selections().Graphic)
            StartGraphicEditing(*box);
        return;
    }
    shape->Width = width;
    shape->Height = height;
    shape->Wrap = agowInFront;
    shape->VertPosRel = agovprParagraph;
    shape->HorizPosRel = agohprColumn;
    // At the click (the top-left corner under the mouse), else at the paragraph's start.
    const double toPtX = 72.0 / FGDI->PixelsPerInchX(), toPtY = 72.0 / FGDI->PixelsPerInchY();
    int page = 0;
    double px = 0, py = 0, ph = 0;
    if (FInsertX >= 0 && PosToXY(TVYXLogPos(&para, 1), page, px, py, ph)) {
        const TVYXPhyPage& p = FPaginator->Pages().GetItems(page);
        shape->PosLeft = std::max(0.0, (FInsertX - PageScreenLeft() - p.ClientX1) * toPtX);
        shape->PosTop = (FInsertY - ParaScreenTop(para)) * toPtY;
    }
    FInsertX = FInsertY = -1;
    FFocusDoc->Selections().Clear();
    TVYXGraphicObj& added = AnchorFloating(para, std::move(shape));
    StartGraphicEditing(added);
}

// ---- Commands -------------------------------------------------------------------------------

bool TVYXEditor::FloatingCommand(TVYXCommand cmd, double value, bool& done)
{
    TVYXLogDocEditor& doc = *FFocusDoc;
    if (&doc != FMainDoc)
        return false;
    TVYXGraphicObj* graphic = doc.Selections().Graphic ? doc.Selections().Graphic : SelectedGraphicRun();
    if (!graphic)
        return false;
    const bool floating = FindAnchorPara(*graphic) != nullptr;
    constexpr double cMaxLength = 22 * 72.0;  // a page of 22 inches
    const bool length = value > 0 && value < cMaxLength;
    switch (cmd) {
    case vycGraphicWrap: {
        const int wrap = static_cast<int>(value);
        if (wrap < static_cast<int>(agowInLine) || wrap > static_cast<int>(agowTopBottom)) {
            done = false;
            return true;
        }
        if (wrap == agowInLine) {
            done = floating && SetGraphicFloating(false);
            return floating;  // an inline object's wrap is the document's business
        }
        if (!floating && !SetGraphicFloating(true)) {
            done = false;
            return true;
        }
        TVYXGraphicObj* now = doc.Selections().Graphic;
        done = now && ChangeFloating(*now, [wrap](TVYXGraphicObj& g) { g.Wrap = static_cast<TVYXGrObjWrap>(wrap); });
        return true;
    }
    case vycGraphicRotate:
        if (!floating)
            return false;
        done = RotateFloating(*graphic, value);
        return true;
    case vycGraphicLeft:
    case vycGraphicTop:
        if (!floating)
            return false;
        done = std::fabs(value) < cMaxLength && ChangeFloating(*graphic, [cmd, value](TVYXGraphicObj& g) {
                   (cmd == vycGraphicLeft ? g.PosLeft : g.PosTop) = value;
               });
        return true;
    case vycGraphicWidth:
    case vycGraphicHeight:
        if (!floating)
            return false;
        done = length && ChangeFloating(*graphic, [cmd, value](TVYXGraphicObj& g) {
                   (cmd == vycGraphicWidth ? g.Width : g.Height) = value;
               });
        return true;
    default: return false;
    }
}
