// VYXGraphics.h: drawing objects (lines, shapes, pictures, barcodes, rules, text boxes) and their owning list.
//
// Positions and sizes are points. Objects placed inline belong to a graphic run,
// floating ones to their paragraph's list; both share the document's picture store
// and shape types, whose entries they count as used.
// Objects save to and load from a binary stream of their own (clipboard, undo); a
// loaded object maps its shape type and pictures into the stores it is given.
// Floating objects anchored to a paragraph live in its TVYXGraphicObjList.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/VYXDocProps.h"
#include "model/VYXGraphicTypes.h"

enum TVYXGraphicType {
    agtUnknown, agtLine, agtRotate, agtShape, agtPicture, agtBarcode, agtRectangle, agtHorizLine, agtRoundRect,
    agtEllipse
};
enum TVYXGrObjState { agosNormal, agosSelected, agosGripHit, agosDrag };
enum TVYXGrObjWrap { agowInLine, agow_ParaLeft, agow_ParaRight, agowBehind, agowInFront, agowTopBottom };
enum TVYXGrObjPositionType { agoptAlignment, agoptAbsolute, agoptPercent };
enum TVYXGrObjHorizPos { agohpAbsolute, agohpLeft, agohpCenter, agohpRight, agohpInside, agohpOutside };
enum TVYXGrObjHorizPosRelative {
    agohprColumn, agohprCharacter, agohprLeftMargin, agohprRightMargin, agohprInsideMargin, agohprOutsideMargin,
    agohprMargin, agohprPage
};
enum TVYXGrObjVertPosRelative {
    agovprParagraph, agovprLine, agovprTopMargin, agovprBottomMargin, agovprInsideMargin, agovprOutsideMargin,
    agovprMargin, agovprPage
};
enum TVYXGrObjVertPos { agovpAbsolute, agovpTop, agovpCenter, agovpBottom, agovpInside, agovpOutside };
enum TVYXGrObjWidthRelative { agowrPage, agowrMargin, agowrLeftMargin, agowrRightMargin };
enum TVYXGrObjHeightRelative { agohrPage, agohrMargin, agohrTopMargin, agohrBottomMargin };
enum TVYXGrObjectAlign { agoaLeft, agoaRight };
enum TVYXGrEdityStyle { agesNormal, agesSmallGrips };
enum TVYXGrCompoundLineStyle { agclsSingle, agclsDouble, agclsThickThin, agclsThinThick, agclsTri };
enum TVYXGrLineDashStyle {
    agldsSolid, agldsRoundDot, agldsSquareDot, agldsDash, agldsDashDot, agldsLongDash, agldsLongDashDot,
    agldsLongDashDotDot
};
enum TVYXGraphicArrowHead { agahNone, agahBlock, agahClassic, agahDiamond, agahOval, agahOpen };
enum TVYXGraphicArrowLength { agalShort, agalMedium, agalLong };
enum TVYXGraphicArrowWidth { agawNarrow, agawMedium, agawWide };
enum TVYXGrObjHorizAlignmentType { agohatLeft, agohatCentered, agohatRight };
enum TVYXGrTextBoxType { atbtNormal, atbtFrame, atbtTable };
enum TVYXTextBoxVertAlign { atbvaTop, atbvaCenter, atbvaBottom };

struct TVYXGrEditPoint {
    double X = 0, Y = 0;
};

class TVYXGraphicObj;
class TVYXStream;
class TVYXGrArchive;
class TVYXLogParas;

// The stores a loaded object takes its shared data from (borrowed; either may be
// nullptr, and the object then goes without a shape type or picture).
struct TVYXGraphicStores {
    TVYXPictures* Pictures = nullptr;
    TVYXShapeTypes* ShapeTypes = nullptr;
};

// The text rectangle of a shape; its paragraphs are kept by the document.
class TVYXGrTextBox {
public:
    explicit TVYXGrTextBox(TVYXGraphicObj* grObj) : GrObj(grObj) {}
    void* Owner = nullptr;  // borrowed: the document keeping the paragraphs
    // Borrowed: the box's paragraphs, kept by the document. Assigning a box keeps the
    // target's list (two boxes never share one); whoever copies a box gives it its own.
    TVYXLogParas* Paras = nullptr;
    TVYXGrTextBoxType Type = atbtNormal;
    double MargLeft = 7.2, MargTop = 3.6, MargRight = 7.2, MargBottom = 3.6;
    TVYXTextBoxVertAlign VertAlign = atbvaTop;
    double AdjX1 = 0, AdjY1 = 0, AdjX2 = 1.0, AdjY2 = 1.0;  // fractions of the shape
    double PixX1 = 0, PixY1 = 0, PixX2 = 0, PixY2 = 0;       // layout
    double HitMarg = 0;
    TVYXGraphicObj* GrObj = nullptr;  // borrowed: the owning object
};

class TVYXGraphicObj {
public:
    TVYXGraphicObj();
    virtual ~TVYXGraphicObj() = default;
    TVYXGraphicObj(const TVYXGraphicObj&) = delete;
    TVYXGraphicObj& operator=(const TVYXGraphicObj&) = delete;

    void* Owner = nullptr;  // borrowed: the list or run holding the object
    std::uint32_t Id = 0;
    TVYXGrObjState State = agosNormal;
    double RotXOffs = 0, RotYOffs = 0, RotWidth = 0, RotHeight = 0;
    double PosLeft = 0, PosTop = 0;
    double Width = 150, Height = 100;
    double PercentLeft = 0, PercentTop = 0, PercentWidth = 0, PercentHeight = 0;
    double CalcPosLeft = 0, CalcPosTop = 0;
    double OMargLeft = 9, OMargTop = 0, OMargRight = 9, OMargBottom = 0;
    TVYXGrObjWrap Wrap = agowInFront;
    TVYXGrObjPositionType HorizPosType = agoptAbsolute;
    TVYXGrObjPositionType VertPosType = agoptAbsolute;
    TVYXGrObjHorizPos HorizPos = agohpAbsolute;
    TVYXGrObjHorizPosRelative HorizPosRel = agohprColumn;
    TVYXGrObjVertPosRelative VertPosRel = agovprParagraph;
    TVYXGrObjVertPos VertPos = agovpAbsolute;
    TVYXGrObjWidthRelative WidthRel = agowrPage;
    TVYXGrObjHeightRelative HeightRel = agohrPage;
    bool LockAnchor = false;
    std::int32_t ZIndex = 0;
    TVYXGrObjectAlign Align = agoaLeft;
    std::vector<int> Adjust;
    std::vector<TVYXGrEditPoint> EditPoints;
    TVYXGrEdityStyle EditSyle = agesNormal;
    std::string URL;
    std::string Title;
    double PixAbsX = 0, PixAbsY = 0, PixRotWidth = 0, PixRotHeight = 0;
    bool DoNotCopy = false;

    virtual void Assign(const TVYXGraphicObj& other);
    // A copy for the same document: it shares the source's shape type and pictures
    // (their use counts go up). Used when a run holding the object is copied.
    std::unique_ptr<TVYXGraphicObj> Clone() const;
    virtual void BeforeSave() {}
    virtual TVYXGraphicType Type_() const { return agtUnknown; }
    // The object's own data (not its id, state or layout results), each class after
    // its base's; pictures are written with their bytes, shape types by id.
    virtual void SaveToStream(TVYXStream& stream) const;
    // Reads what SaveToStream wrote. Bad data raises VYXException ("Invalid graphic
    // data"); the object may then be partly loaded, so load into a new object
    // (VYXLoadGraphicObj does).
    virtual void LoadFromStream(TVYXStream& stream, const TVYXGraphicStores& stores = {});
    // Whether (x, y), in points relative to the object's top-left, lies inside its rotated box.
    virtual bool Hit(double x, double y) const;
    // Recomputes the rotated bounding box after a change of size or angle.
    virtual void Precalc();
    virtual double GetAngle() const { return 0; }

    // The value the process-wide object counter will hand out next.
    static std::uint32_t PeekNextId();

protected:
    static std::uint32_t NextId();
    // Saves or loads the class's fields after its base's: one function for both
    // directions, so the two cannot drift apart.
    virtual void Transfer(TVYXGrArchive& ar);
};

class TVYXGraphicLine : public TVYXGraphicObj {
public:
    bool Stroked = true;
    double StrokeWeight = 0.75;
    TVYXColor StrokeColor = 0;
    TVYXGrCompoundLineStyle LineStyle = agclsSingle;
    TVYXGrLineDashStyle LineDashStyle = agldsSolid;
    void Assign(const TVYXGraphicObj& other) override;
    TVYXGraphicType Type_() const override { return agtLine; }

protected:
    void Transfer(TVYXGrArchive& ar) override;
};

class TVYXGraphicRotate : public TVYXGraphicLine {
public:
    TVYXGraphicRotate();
    ~TVYXGraphicRotate() override;
    TVYXColor FillColor = 0xFFFFFF;
    double FillAlpha = 1.0;
    bool Filled = true;
    std::unique_ptr<TVYXGrTextBox> TextBox;  // owns

    double GetAngle() const override { return FAngle; }
    void SetAngle(double angle);
    TVYXGrTextBox& AddTextBox();
    void Assign(const TVYXGraphicObj& other) override;
    TVYXGraphicType Type_() const override { return agtRotate; }

protected:
    void Transfer(TVYXGrArchive& ar) override;

public:

private:
    double FAngle = 0;
};

class TVYXGraphicArrow {
public:
    TVYXGraphicArrowHead Head = agahNone;
    TVYXGraphicArrowLength Length = agalMedium;
    TVYXGraphicArrowWidth Width = agawMedium;
};

class TVYXGraphicShape : public TVYXGraphicRotate {
public:
    // Marks `shapeType` used (it must outlive the object: the document's store owns it).
    explicit TVYXGraphicShape(TVYXShapeType* shapeType);
    ~TVYXGraphicShape() override;
    TVYXShapeType* ShapeType = nullptr;  // borrowed, use-counted
    int ShapeId = 0;
    std::unique_ptr<TVYXGraphicArrow> StartArrow;  // owns
    std::unique_ptr<TVYXGraphicArrow> EndArrow;    // owns
    std::string Description;
    TVYXPicture* Picture = nullptr;  // borrowed fill picture, use-counted
    bool IsWatermark = false;
    std::u16string TextPath;

    void SetPicture(TVYXPicture* picture);
    // Replaces the shape type, moving the use from the old type to the new.
    void SetShapeType(TVYXShapeType* shapeType);
    // The outline in points relative to the object's top-left corner.
    TVYXGrShapePath CalcPath() const;
    void Assign(const TVYXGraphicObj& other) override;
    TVYXGraphicType Type_() const override { return agtShape; }

protected:
    void Transfer(TVYXGrArchive& ar) override;
};

class TVYXGraphicPicture : public TVYXGraphicRotate {
public:
    // Takes the picture's size, marks it used and switches fill and stroke off.
    explicit TVYXGraphicPicture(TVYXPicture* picture);
    ~TVYXGraphicPicture() override;
    bool FlipX = false, FlipY = false;
    double CropLeft = 0, CropRight = 0, CropTop = 0, CropBottom = 0;
    float Alpha = 1.0f, Contrast = 0, Brightness = 0, Saturation = 0.25f, Red = 0, Green = 0, Blue = 0;
    bool Grayscale = false;

    // A link into the document's picture store, not a part of the object: the store owns the
    // picture and other objects may show it too. Like a shape's Picture and ShapeType it stays
    // writable through a const object, since a copy of a const object takes a use of it
    // (the use count lives in the picture).
    TVYXPicture* Picture() const { return FPicture; }
    // Replaces the picture (the size stays), moving the use from the old to the new.
    void SetPicture(TVYXPicture* picture);
    void ResetAdjustments();
    bool HasCrop() const { return CropLeft + CropRight + CropTop + CropBottom != 0; }
    void ClearCrop() { CropLeft = CropRight = CropTop = CropBottom = 0; }
    void Assign(const TVYXGraphicObj& other) override;
    TVYXGraphicType Type_() const override { return agtPicture; }

protected:
    void Transfer(TVYXGrArchive& ar) override;

public:

private:
    TVYXPicture* FPicture = nullptr;  // borrowed from the store, use-counted
};

class TVYXGraphicBarcode : public TVYXGraphicPicture {
public:
    TVYXGraphicBarcode() : TVYXGraphicPicture(nullptr) {}
    int BarcodeType = 0;  // a barcode symbology of the barcode unit
    std::u16string Text;
    double Fontsize = 8;
    void Assign(const TVYXGraphicObj& other) override;
    TVYXGraphicType Type_() const override { return agtBarcode; }

protected:
    void Transfer(TVYXGrArchive& ar) override;
};

class TVYXGraphicRectangle : public TVYXGraphicRotate {
public:
    TVYXGraphicType Type_() const override { return agtRectangle; }
};

class TVYXGraphicHorizLine : public TVYXGraphicRectangle {
public:
    double FullWidth = 0;
    bool IsFullWidth = true;
    TVYXGrObjHorizAlignmentType Align = agohatCentered;  // hides the object alignment: a rule aligns in its row
    double Percent = 100;
    void Assign(const TVYXGraphicObj& other) override;
    TVYXGraphicType Type_() const override { return agtHorizLine; }

protected:
    void Transfer(TVYXGrArchive& ar) override;
};

class TVYXGraphicRoundRect : public TVYXGraphicRotate {
public:
    double ArcSize = 0.1;  // corner radius as a fraction of the shorter side
    void Assign(const TVYXGraphicObj& other) override;
    TVYXGraphicType Type_() const override { return agtRoundRect; }

protected:
    void Transfer(TVYXGrArchive& ar) override;
};

class TVYXGraphicEllipse : public TVYXGraphicRotate {
public:
    TVYXGraphicType Type_() const override { return agtEllipse; }
};

// A new object of that kind (nullptr for agtUnknown). A shape takes `shapeType`, a picture
// object `picture`; both must belong to the stores of the document the object goes into.
std::unique_ptr<TVYXGraphicObj> VYXCreateGraphicObj(TVYXGraphicType type, TVYXShapeType* shapeType = nullptr,
                                                    TVYXPicture* picture = nullptr);
// A copy of `source` for a document with the given stores: its shape type and pictures are
// mapped through their AddIfNotHas; without stores the copy has no shape type or picture.
std::unique_ptr<TVYXGraphicObj> VYXCopyGraphicObj(const TVYXGraphicObj& source, TVYXPictures* pictures,
                                                  TVYXShapeTypes* shapeTypes);

// Writes the object's kind and data, so that VYXLoadGraphicObj can recreate it.
void VYXSaveGraphicObj(TVYXStream& stream, const TVYXGraphicObj& obj);
// A new object as VYXSaveGraphicObj wrote it, its shared data mapped into `stores`.
// Bad data raises VYXException and creates nothing.
std::unique_ptr<TVYXGraphicObj> VYXLoadGraphicObj(TVYXStream& stream, const TVYXGraphicStores& stores = {});

// An owning list of graphic objects with the shared stores they draw from.
class TVYXGraphicObjList {
public:
    TVYXGraphicObjList(TVYXPictures* pictures, TVYXShapeTypes* shapeTypes)
        : Pictures(pictures), ShapeTypes(shapeTypes) {}
    TVYXPictures* Pictures;      // borrowed: the document's stores
    TVYXShapeTypes* ShapeTypes;  // borrowed

    TVYXGraphicObj& Add(std::unique_ptr<TVYXGraphicObj> obj);
    // Replaces the items by copies of `other`'s (see VYXCopyGraphicObj); DoNotCopy items are left out.
    void Assign(const TVYXGraphicObjList& other);
    const TVYXGraphicObj* FindShapeById(int shapeId) const;
    TVYXGraphicObj* FindShapeById(int shapeId)
    {
        return const_cast<TVYXGraphicObj*>(std::as_const(*this).FindShapeById(shapeId));
    }
    const TVYXGraphicShape* FindWatermark() const;
    TVYXGraphicShape* FindWatermark() { return const_cast<TVYXGraphicShape*>(std::as_const(*this).FindWatermark()); }
    // The topmost object whose rotated box contains (x, y) in points, at the place layout gave it.
    const TVYXGraphicObj* Hit(double x, double y) const;
    TVYXGraphicObj* Hit(double x, double y) { return const_cast<TVYXGraphicObj*>(std::as_const(*this).Hit(x, y)); }
    // The topmost object placed relative to its anchor paragraph (VertPosRel paragraph
    // or line, absolute positions) whose box at (PosLeft, PosTop) contains (x, y), in
    // points from the paragraph's top-left corner. Answers without layout; objects
    // placed against the page or margins are skipped.
    const TVYXGraphicObj* HitPara(double x, double y) const;
    TVYXGraphicObj* HitPara(double x, double y) { return const_cast<TVYXGraphicObj*>(std::as_const(*this).HitPara(x, y)); }
    const TVYXGraphicObj* Selected() const;
    TVYXGraphicObj* Selected() { return const_cast<TVYXGraphicObj*>(std::as_const(*this).Selected()); }
    // Moves an object out of the list to the caller.
    std::unique_ptr<TVYXGraphicObj> Snatch(TVYXGraphicObj& obj);
    const TVYXGraphicObj& GetItems(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }
    TVYXGraphicObj& GetItems(int i) { return *FItems.at(static_cast<std::size_t>(i)); }
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    std::vector<std::unique_ptr<TVYXGraphicObj>> FItems;
};
