// VYXGraphics.cpp: drawing objects: defaults, copying, the rotated box and hit testing.
#include "model/VYXGraphics.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>

namespace {
// Every new object and every new shape takes the next number, so ids stay unique
// across documents of the process (the one process-wide counter of the model).
std::atomic<std::uint32_t> gNextGraphicId{1};
}  // namespace

std::uint32_t TVYXGraphicObj::NextId()
{
    return gNextGraphicId.fetch_add(1);
}

std::uint32_t TVYXGraphicObj::PeekNextId()
{
    return gNextGraphicId.load();
}

TVYXGraphicObj::TVYXGraphicObj() : Id(NextId())
{
    Precalc();
}

void TVYXGraphicObj::Assign(const TVYXGraphicObj& o)
{
    // Identity (Id, Owner, State) and layout results stay with the target.
    RotXOffs = o.RotXOffs; RotYOffs = o.RotYOffs; RotWidth = o.RotWidth; RotHeight = o.RotHeight;
    PosLeft = o.PosLeft; PosTop = o.PosTop; Width = o.Width; Height = o.Height;
    PercentLeft = o.PercentLeft; PercentTop = o.PercentTop;
    PercentWidth = o.PercentWidth; PercentHeight = o.PercentHeight;
    OMargLeft = o.OMargLeft; OMargTop = o.OMargTop; OMargRight = o.OMargRight; OMargBottom = o.OMargBottom;
    Wrap = o.Wrap;
    HorizPosType = o.HorizPosType; VertPosType = o.VertPosType;
    HorizPos = o.HorizPos; HorizPosRel = o.HorizPosRel; VertPosRel = o.VertPosRel; VertPos = o.VertPos;
    WidthRel = o.WidthRel; HeightRel = o.HeightRel; LockAnchor = o.LockAnchor;
    ZIndex = o.ZIndex; Align = o.Align; Adjust = o.Adjust; EditPoints = o.EditPoints; EditSyle = o.EditSyle;
    URL = o.URL; Title = o.Title; DoNotCopy = o.DoNotCopy;
}

void TVYXGraphicObj::Precalc()
{
    const double a = GetAngle() * std::numbers::pi / 180.0;
    const double c = std::abs(std::cos(a));
    const double s = std::abs(std::sin(a));
    RotWidth = Width * c + Height * s;
    RotHeight = Width * s + Height * c;
    RotXOffs = (Width - RotWidth) / 2;
    RotYOffs = (Height - RotHeight) / 2;
}

bool TVYXGraphicObj::Hit(double x, double y) const
{
    // Turn the point back by the angle about the centre and test the unrotated box.
    const double a = -GetAngle() * std::numbers::pi / 180.0;
    const double cx = Width / 2;
    const double cy = Height / 2;
    const double dx = x - cx;
    const double dy = y - cy;
    const double rx = cx + dx * std::cos(a) - dy * std::sin(a);
    const double ry = cy + dx * std::sin(a) + dy * std::cos(a);
    return rx >= 0 && rx <= Width && ry >= 0 && ry <= Height;
}

void TVYXGraphicLine::Assign(const TVYXGraphicObj& other)
{
    TVYXGraphicObj::Assign(other);
    if (const auto* o = dynamic_cast<const TVYXGraphicLine*>(&other)) {
        Stroked = o->Stroked;
        StrokeWeight = o->StrokeWeight;
        StrokeColor = o->StrokeColor;
        LineStyle = o->LineStyle;
        LineDashStyle = o->LineDashStyle;
    }
}

TVYXGraphicRotate::TVYXGraphicRotate() = default;
TVYXGraphicRotate::~TVYXGraphicRotate() = default;

void TVYXGraphicRotate::SetAngle(double angle)
{
    FAngle = angle;
    Precalc();
}

TVYXGrTextBox& TVYXGraphicRotate::AddTextBox()
{
    if (!TextBox)
        TextBox = std::make_unique<TVYXGrTextBox>(this);
    return *TextBox;
}

void TVYXGraphicRotate::Assign(const TVYXGraphicObj& other)
{
    TVYXGraphicLine::Assign(other);
    if (const auto* o = dynamic_cast<const TVYXGraphicRotate*>(&other)) {
        FAngle = o->FAngle;
        FillColor = o->FillColor;
        FillAlpha = o->FillAlpha;
        Filled = o->Filled;
        if (o->TextBox) {
            TVYXGrTextBox& tb = AddTextBox();
            TVYXGraphicObj* self = tb.GrObj;
            void* owner = tb.Owner;
            tb = *o->TextBox;
            tb.GrObj = self;
            tb.Owner = owner;
        } else {
            TextBox.reset();
        }
    }
    Precalc();
}

TVYXGraphicShape::TVYXGraphicShape(TVYXShapeType* shapeType) : ShapeType(shapeType)
{
    ShapeId = static_cast<int>(NextId());
    Title = "Shape " + std::to_string(ShapeId);
    if (ShapeType) {
        ++ShapeType->RefCount;
        Adjust = ShapeType->Adjust;
    }
}

TVYXGraphicShape::~TVYXGraphicShape()
{
    if (ShapeType)
        --ShapeType->RefCount;
    if (Picture)
        --Picture->RefCount;
}

void TVYXGraphicShape::SetPicture(TVYXPicture* picture)
{
    if (picture == Picture)
        return;
    if (Picture)
        --Picture->RefCount;
    Picture = picture;
    if (Picture)
        ++Picture->RefCount;
}

TVYXGrShapePath TVYXGraphicShape::CalcPath() const
{
    if (!ShapeType)
        return {};
    return ShapeType->CalcPath(Width, Height, &Adjust);
}

void TVYXGraphicShape::Assign(const TVYXGraphicObj& other)
{
    // The shape type and the fill picture belong to the target document's stores:
    // the caller maps them (AddIfNotHas) before assigning.
    TVYXGraphicRotate::Assign(other);
    if (const auto* o = dynamic_cast<const TVYXGraphicShape*>(&other)) {
        StartArrow = o->StartArrow ? std::make_unique<TVYXGraphicArrow>(*o->StartArrow) : nullptr;
        EndArrow = o->EndArrow ? std::make_unique<TVYXGraphicArrow>(*o->EndArrow) : nullptr;
        Description = o->Description;
        IsWatermark = o->IsWatermark;
        TextPath = o->TextPath;
    }
}

TVYXGraphicPicture::TVYXGraphicPicture(TVYXPicture* picture) : FPicture(picture)
{
    if (FPicture) {
        ++FPicture->RefCount;
        Width = FPicture->GetWidth();
        Height = FPicture->GetHeight();
    }
    Filled = false;
    Stroked = false;
    Precalc();
}

TVYXGraphicPicture::~TVYXGraphicPicture()
{
    if (FPicture)
        --FPicture->RefCount;
}

void TVYXGraphicPicture::ResetAdjustments()
{
    Alpha = 1.0f;
    Saturation = 0.25f;
    Contrast = Brightness = Red = Green = Blue = 0;
    Grayscale = false;
}

void TVYXGraphicPicture::Assign(const TVYXGraphicObj& other)
{
    TVYXGraphicRotate::Assign(other);
    if (const auto* o = dynamic_cast<const TVYXGraphicPicture*>(&other)) {
        FlipX = o->FlipX; FlipY = o->FlipY;
        CropLeft = o->CropLeft; CropRight = o->CropRight; CropTop = o->CropTop; CropBottom = o->CropBottom;
        Alpha = o->Alpha; Contrast = o->Contrast; Brightness = o->Brightness; Saturation = o->Saturation;
        Red = o->Red; Green = o->Green; Blue = o->Blue; Grayscale = o->Grayscale;
    }
}

void TVYXGraphicBarcode::Assign(const TVYXGraphicObj& other)
{
    TVYXGraphicPicture::Assign(other);
    if (const auto* o = dynamic_cast<const TVYXGraphicBarcode*>(&other)) {
        BarcodeType = o->BarcodeType;
        Text = o->Text;
        Fontsize = o->Fontsize;
    }
}

void TVYXGraphicHorizLine::Assign(const TVYXGraphicObj& other)
{
    TVYXGraphicRectangle::Assign(other);
    if (const auto* o = dynamic_cast<const TVYXGraphicHorizLine*>(&other)) {
        FullWidth = o->FullWidth;
        IsFullWidth = o->IsFullWidth;
        Align = o->Align;
        Percent = o->Percent;
    }
}

void TVYXGraphicRoundRect::Assign(const TVYXGraphicObj& other)
{
    TVYXGraphicRotate::Assign(other);
    if (const auto* o = dynamic_cast<const TVYXGraphicRoundRect*>(&other))
        ArcSize = o->ArcSize;
}

// ---- Creating and copying ----

std::unique_ptr<TVYXGraphicObj> VYXCreateGraphicObj(TVYXGraphicType type, TVYXShapeType* shapeType,
                                                    TVYXPicture* picture)
{
    switch (type) {
    case agtUnknown: return nullptr;
    case agtLine: return std::make_unique<TVYXGraphicLine>();
    case agtRotate: return std::make_unique<TVYXGraphicRotate>();
    case agtShape: return std::make_unique<TVYXGraphicShape>(shapeType);
    case agtPicture: return std::make_unique<TVYXGraphicPicture>(picture);
    case agtBarcode: return std::make_unique<TVYXGraphicBarcode>();
    case agtRectangle: return std::make_unique<TVYXGraphicRectangle>();
    case agtHorizLine: return std::make_unique<TVYXGraphicHorizLine>();
    case agtRoundRect: return std::make_unique<TVYXGraphicRoundRect>();
    case agtEllipse: return std::make_unique<TVYXGraphicEllipse>();
    }
    return nullptr;
}

namespace {
// Copies an object, handing its shape type and pictures through the two maps
// (identity for a copy in the same document, AddIfNotHas into another's stores).
template <typename TMapType, typename TMapPicture>
std::unique_ptr<TVYXGraphicObj> CopyMapped(const TVYXGraphicObj& source, TMapType mapType, TMapPicture mapPicture)
{
    TVYXShapeType* shapeType = nullptr;
    TVYXPicture* picture = nullptr;
    TVYXPicture* fill = nullptr;
    if (const auto* shape = dynamic_cast<const TVYXGraphicShape*>(&source)) {
        shapeType = mapType(shape->ShapeType);
        fill = mapPicture(shape->Picture);
    } else if (const auto* pic = dynamic_cast<const TVYXGraphicPicture*>(&source)) {
        if (source.Type_() == agtPicture)
            picture = mapPicture(pic->Picture());
    }
    std::unique_ptr<TVYXGraphicObj> copy = VYXCreateGraphicObj(source.Type_(), shapeType, picture);
    if (!copy)
        return nullptr;
    copy->Assign(source);
    if (fill)
        static_cast<TVYXGraphicShape&>(*copy).SetPicture(fill);
    return copy;
}
}  // namespace

std::unique_ptr<TVYXGraphicObj> VYXCopyGraphicObj(const TVYXGraphicObj& source, TVYXPictures* pictures,
                                                  TVYXShapeTypes* shapeTypes)
{
    return CopyMapped(
        source,
        [&](TVYXShapeType* t) { return shapeTypes && t ? &shapeTypes->AddIfNotHas(*t) : nullptr; },
        [&](TVYXPicture* p) { return pictures && p ? &pictures->AddIfNotHas(*p) : nullptr; });
}

std::unique_ptr<TVYXGraphicObj> TVYXGraphicObj::Clone() const
{
    return CopyMapped(*this, [](TVYXShapeType* t) { return t; }, [](TVYXPicture* p) { return p; });
}

// ---- The list ----

void TVYXGraphicObjList::Assign(const TVYXGraphicObjList& other)
{
    if (&other == this)
        return;
    FItems.clear();
    for (const auto& o : other.FItems)
        if (!o->DoNotCopy)
            if (auto copy = VYXCopyGraphicObj(*o, Pictures, ShapeTypes))
                Add(std::move(copy));
}

TVYXGraphicObj& TVYXGraphicObjList::Add(std::unique_ptr<TVYXGraphicObj> obj)
{
    obj->Owner = this;
    FItems.push_back(std::move(obj));
    return *FItems.back();
}

TVYXGraphicObj* TVYXGraphicObjList::FindShapeById(int shapeId) const
{
    for (const auto& o : FItems)
        if (const auto* s = dynamic_cast<const TVYXGraphicShape*>(o.get()); s && s->ShapeId == shapeId)
            return o.get();
    return nullptr;
}

TVYXGraphicShape* TVYXGraphicObjList::FindWatermark() const
{
    for (const auto& o : FItems)
        if (auto* s = dynamic_cast<TVYXGraphicShape*>(o.get()); s && s->IsWatermark)
            return s;
    return nullptr;
}

TVYXGraphicObj* TVYXGraphicObjList::Hit(double x, double y) const
{
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it) {
        TVYXGraphicObj& o = **it;
        if (o.Hit(x - o.CalcPosLeft, y - o.CalcPosTop))
            return &o;
    }
    return nullptr;
}

TVYXGraphicObj* TVYXGraphicObjList::Selected() const
{
    for (const auto& o : FItems)
        if (o->State != agosNormal)
            return o.get();
    return nullptr;
}

std::unique_ptr<TVYXGraphicObj> TVYXGraphicObjList::Snatch(TVYXGraphicObj& obj)
{
    auto it = std::find_if(FItems.begin(), FItems.end(), [&](const auto& p) { return p.get() == &obj; });
    if (it == FItems.end())
        return nullptr;
    std::unique_ptr<TVYXGraphicObj> out = std::move(*it);
    FItems.erase(it);
    out->Owner = nullptr;
    return out;
}
