// VYXGraphics.cpp: drawing objects: defaults, copying, the rotated box and hit testing.
#include "model/VYXGraphics.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <numbers>

#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

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

void TVYXGraphicShape::SetShapeType(TVYXShapeType* shapeType)
{
    if (shapeType == ShapeType)
        return;
    if (ShapeType)
        --ShapeType->RefCount;
    ShapeType = shapeType;
    if (ShapeType)
        ++ShapeType->RefCount;
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

void TVYXGraphicPicture::SetPicture(TVYXPicture* picture)
{
    if (picture == FPicture)
        return;
    if (FPicture)
        --FPicture->RefCount;
    FPicture = picture;
    if (FPicture)
        ++FPicture->RefCount;
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

// ---- Saving and loading ----
//
// Stream layout (little-endian): "VGO1", the kind as one byte, then each class's
// fields after its base's. Numbers are 32-bit integers, 64-bit doubles and 32-bit
// floats as their bits; enumerations and booleans one byte; texts and picture
// bytes a 32-bit length and the bytes (texts in UTF-8); lists a 32-bit count and
// the items. A shape type is written by its id, a picture by its encoded bytes.

namespace {
constexpr std::uint32_t cGraphicMagic = 0x314F4756;  // "VGO1"

[[noreturn]] void BadGraphicData() { throw VYXException("Invalid graphic data"); }

class TGrWriter {
public:
    explicit TGrWriter(TVYXStream& stream) : FS(stream) {}
    void Bool(bool v) { FS.WriteU8(v ? 1 : 0); }
    void I32(std::int32_t v) { FS.WriteU32LE(static_cast<std::uint32_t>(v)); }
    void U32(std::uint32_t v) { FS.WriteU32LE(v); }
    void F64(double v) { FS.WriteU64LE(std::bit_cast<std::uint64_t>(v)); }
    void F32(float v) { FS.WriteU32LE(std::bit_cast<std::uint32_t>(v)); }
    template <class E>
    void Enum(E v) { FS.WriteU8(static_cast<std::uint8_t>(v)); }
    void Bytes(std::string_view b)
    {
        FS.WriteU32LE(static_cast<std::uint32_t>(b.size()));
        FS.WriteString(b);
    }
    void Text(std::u16string_view t) { Bytes(Utf16ToUtf8(t)); }

private:
    TVYXStream& FS;
};

class TGrReader {
public:
    explicit TGrReader(TVYXStream& stream) : FS(stream) {}
    bool Bool()
    {
        const std::uint8_t v = FS.ReadU8();
        if (v > 1)
            BadGraphicData();
        return v == 1;
    }
    std::int32_t I32() { return FS.ReadI32LE(); }
    std::uint32_t U32() { return FS.ReadU32LE(); }
    // Non-finite numbers would poison layout; they never come from SaveToStream.
    double F64()
    {
        const double v = std::bit_cast<double>(FS.ReadU64LE());
        if (!std::isfinite(v))
            BadGraphicData();
        return v;
    }
    float F32()
    {
        const float v = std::bit_cast<float>(FS.ReadU32LE());
        if (!std::isfinite(v))
            BadGraphicData();
        return v;
    }
    template <class E>
    E Enum(E last)
    {
        const std::uint8_t v = FS.ReadU8();
        if (v > static_cast<std::uint8_t>(last))
            BadGraphicData();
        return static_cast<E>(v);
    }
    std::string Bytes() { return FS.ReadBytes(Count(1)); }
    std::u16string Text()
    {
        const std::string b = Bytes();
        if (!IsValidUtf8(b))
            BadGraphicData();
        return Utf8ToUtf16(b);
    }
    // A list's count, checked against the bytes left before anything is allocated.
    std::size_t Count(std::size_t itemSize)
    {
        const std::uint64_t n = FS.ReadU32LE();
        if (n * itemSize > static_cast<std::uint64_t>(std::max<std::int64_t>(FS.Remaining(), 0)))
            BadGraphicData();
        return static_cast<std::size_t>(n);
    }

private:
    TVYXStream& FS;
};

void SavePicture(TGrWriter& w, const TVYXPicture* picture)
{
    w.Bytes(picture ? picture->OrigData() : std::string_view());
}

// The stored picture of the bytes read (nullptr without bytes or without a store).
TVYXPicture* LoadPicture(TGrReader& r, const TVYXGraphicStores& stores)
{
    const std::string bytes = r.Bytes();
    if (bytes.empty())
        return nullptr;
    TVYXMemoryStream data(bytes);
    std::unique_ptr<TVYXPicture> picture = TVYXPictures::CreateFromMagicNumber(data);
    if (!picture)
        BadGraphicData();
    picture->LoadFromStream(data);
    return stores.Pictures ? &stores.Pictures->AddIfNotHas(*picture) : nullptr;
}
}  // namespace

void TVYXGraphicObj::SaveToStream(TVYXStream& stream) const
{
    TGrWriter w(stream);
    for (double v : {PosLeft, PosTop, Width, Height, PercentLeft, PercentTop, PercentWidth, PercentHeight, OMargLeft,
                     OMargTop, OMargRight, OMargBottom})
        w.F64(v);
    w.Enum(Wrap); w.Enum(HorizPosType); w.Enum(VertPosType); w.Enum(HorizPos); w.Enum(HorizPosRel);
    w.Enum(VertPosRel); w.Enum(VertPos); w.Enum(WidthRel); w.Enum(HeightRel);
    w.Bool(LockAnchor);
    w.I32(ZIndex);
    w.Enum(Align);
    w.U32(static_cast<std::uint32_t>(Adjust.size()));
    for (int a : Adjust)
        w.I32(a);
    w.U32(static_cast<std::uint32_t>(EditPoints.size()));
    for (const TVYXGrEditPoint& p : EditPoints) {
        w.F64(p.X);
        w.F64(p.Y);
    }
    w.Enum(EditSyle);
    w.Bytes(URL);
    w.Bytes(Title);
    w.Bool(DoNotCopy);
}

void TVYXGraphicObj::LoadFromStream(TVYXStream& stream, const TVYXGraphicStores&)
{
    TGrReader r(stream);
    for (double* v : {&PosLeft, &PosTop, &Width, &Height, &PercentLeft, &PercentTop, &PercentWidth, &PercentHeight,
                      &OMargLeft, &OMargTop, &OMargRight, &OMargBottom})
        *v = r.F64();
    Wrap = r.Enum(agowInFront);
    HorizPosType = r.Enum(agoptPercent);
    VertPosType = r.Enum(agoptPercent);
    HorizPos = r.Enum(agohpOutside);
    HorizPosRel = r.Enum(agohprPage);
    VertPosRel = r.Enum(agovprPage);
    VertPos = r.Enum(agovpOutside);
    WidthRel = r.Enum(agowrRightMargin);
    HeightRel = r.Enum(agohrBottomMargin);
    LockAnchor = r.Bool();
    ZIndex = r.I32();
    Align = r.Enum(agoaRight);
    Adjust.resize(r.Count(4));
    for (int& a : Adjust)
        a = r.I32();
    EditPoints.resize(r.Count(16));
    for (TVYXGrEditPoint& p : EditPoints) {
        p.X = r.F64();
        p.Y = r.F64();
    }
    EditSyle = r.Enum(agesSmallGrips);
    URL = r.Bytes();
    Title = r.Bytes();
    DoNotCopy = r.Bool();
    Precalc();
}

void TVYXGraphicLine::SaveToStream(TVYXStream& stream) const
{
    TVYXGraphicObj::SaveToStream(stream);
    TGrWriter w(stream);
    w.Bool(Stroked);
    w.F64(StrokeWeight);
    w.U32(StrokeColor);
    w.Enum(LineStyle);
    w.Enum(LineDashStyle);
}

void TVYXGraphicLine::LoadFromStream(TVYXStream& stream, const TVYXGraphicStores& stores)
{
    TVYXGraphicObj::LoadFromStream(stream, stores);
    TGrReader r(stream);
    Stroked = r.Bool();
    StrokeWeight = r.F64();
    StrokeColor = r.U32();
    LineStyle = r.Enum(agclsTri);
    LineDashStyle = r.Enum(agldsLongDashDotDot);
}

void TVYXGraphicRotate::SaveToStream(TVYXStream& stream) const
{
    TVYXGraphicLine::SaveToStream(stream);
    TGrWriter w(stream);
    w.F64(FAngle);
    w.U32(FillColor);
    w.F64(FillAlpha);
    w.Bool(Filled);
    w.Bool(TextBox != nullptr);
    if (TextBox) {
        const TVYXGrTextBox& t = *TextBox;
        w.Enum(t.Type);
        for (double v : {t.MargLeft, t.MargTop, t.MargRight, t.MargBottom, t.AdjX1, t.AdjY1, t.AdjX2, t.AdjY2})
            w.F64(v);
        w.Enum(t.VertAlign);
    }
}

void TVYXGraphicRotate::LoadFromStream(TVYXStream& stream, const TVYXGraphicStores& stores)
{
    TVYXGraphicLine::LoadFromStream(stream, stores);
    TGrReader r(stream);
    FAngle = r.F64();
    FillColor = r.U32();
    FillAlpha = r.F64();
    Filled = r.Bool();
    if (r.Bool()) {
        TVYXGrTextBox& t = AddTextBox();
        t.Type = r.Enum(atbtTable);
        for (double* v : {&t.MargLeft, &t.MargTop, &t.MargRight, &t.MargBottom, &t.AdjX1, &t.AdjY1, &t.AdjX2, &t.AdjY2})
            *v = r.F64();
        t.VertAlign = r.Enum(atbvaBottom);
    } else {
        TextBox.reset();
    }
    Precalc();
}

void TVYXGraphicShape::SaveToStream(TVYXStream& stream) const
{
    TVYXGraphicRotate::SaveToStream(stream);
    TGrWriter w(stream);
    w.Bytes(ShapeType ? std::string_view(ShapeType->Id) : std::string_view());
    for (const TVYXGraphicArrow* a : {StartArrow.get(), EndArrow.get()}) {
        w.Bool(a != nullptr);
        if (a) {
            w.Enum(a->Head);
            w.Enum(a->Length);
            w.Enum(a->Width);
        }
    }
    w.Bytes(Description);
    SavePicture(w, Picture);
    w.Bool(IsWatermark);
    w.Text(TextPath);
}

// The shape type is looked up by id in the store, or added when it names a preset;
// a legacy type the store does not hold is dropped.
void TVYXGraphicShape::LoadFromStream(TVYXStream& stream, const TVYXGraphicStores& stores)
{
    TVYXGraphicRotate::LoadFromStream(stream, stores);
    TGrReader r(stream);
    const std::string typeId = r.Bytes();
    TVYXShapeType* type = nullptr;
    if (stores.ShapeTypes && !typeId.empty()) {
        type = stores.ShapeTypes->Find(typeId);
        if (!type)
            type = stores.ShapeTypes->Add(typeId);
    }
    SetShapeType(type);
    for (std::unique_ptr<TVYXGraphicArrow>* a : {&StartArrow, &EndArrow}) {
        if (r.Bool()) {
            auto arrow = std::make_unique<TVYXGraphicArrow>();
            arrow->Head = r.Enum(agahOpen);
            arrow->Length = r.Enum(agalLong);
            arrow->Width = r.Enum(agawWide);
            *a = std::move(arrow);
        } else {
            a->reset();
        }
    }
    Description = r.Bytes();
    SetPicture(LoadPicture(r, stores));
    IsWatermark = r.Bool();
    TextPath = r.Text();
}

void TVYXGraphicPicture::SaveToStream(TVYXStream& stream) const
{
    TVYXGraphicRotate::SaveToStream(stream);
    TGrWriter w(stream);
    w.Bool(FlipX);
    w.Bool(FlipY);
    for (double v : {CropLeft, CropRight, CropTop, CropBottom})
        w.F64(v);
    for (float v : {Alpha, Contrast, Brightness, Saturation, Red, Green, Blue})
        w.F32(v);
    w.Bool(Grayscale);
    SavePicture(w, FPicture);
}

void TVYXGraphicPicture::LoadFromStream(TVYXStream& stream, const TVYXGraphicStores& stores)
{
    TVYXGraphicRotate::LoadFromStream(stream, stores);
    TGrReader r(stream);
    FlipX = r.Bool();
    FlipY = r.Bool();
    for (double* v : {&CropLeft, &CropRight, &CropTop, &CropBottom})
        *v = r.F64();
    for (float* v : {&Alpha, &Contrast, &Brightness, &Saturation, &Red, &Green, &Blue})
        *v = r.F32();
    Grayscale = r.Bool();
    SetPicture(LoadPicture(r, stores));
}

void TVYXGraphicBarcode::SaveToStream(TVYXStream& stream) const
{
    TVYXGraphicPicture::SaveToStream(stream);
    TGrWriter w(stream);
    w.I32(BarcodeType);
    w.Text(Text);
    w.F64(Fontsize);
}

void TVYXGraphicBarcode::LoadFromStream(TVYXStream& stream, const TVYXGraphicStores& stores)
{
    TVYXGraphicPicture::LoadFromStream(stream, stores);
    TGrReader r(stream);
    BarcodeType = r.I32();
    Text = r.Text();
    Fontsize = r.F64();
}

void TVYXGraphicHorizLine::SaveToStream(TVYXStream& stream) const
{
    TVYXGraphicRectangle::SaveToStream(stream);
    TGrWriter w(stream);
    w.F64(FullWidth);
    w.Bool(IsFullWidth);
    w.Enum(Align);
    w.F64(Percent);
}

void TVYXGraphicHorizLine::LoadFromStream(TVYXStream& stream, const TVYXGraphicStores& stores)
{
    TVYXGraphicRectangle::LoadFromStream(stream, stores);
    TGrReader r(stream);
    FullWidth = r.F64();
    IsFullWidth = r.Bool();
    Align = r.Enum(agohatRight);
    Percent = r.F64();
}

void TVYXGraphicRoundRect::SaveToStream(TVYXStream& stream) const
{
    TVYXGraphicRotate::SaveToStream(stream);
    TGrWriter(stream).F64(ArcSize);
}

void TVYXGraphicRoundRect::LoadFromStream(TVYXStream& stream, const TVYXGraphicStores& stores)
{
    TVYXGraphicRotate::LoadFromStream(stream, stores);
    ArcSize = TGrReader(stream).F64();
}

void VYXSaveGraphicObj(TVYXStream& stream, const TVYXGraphicObj& obj)
{
    stream.WriteU32LE(cGraphicMagic);
    stream.WriteU8(static_cast<std::uint8_t>(obj.Type_()));
    obj.SaveToStream(stream);
}

std::unique_ptr<TVYXGraphicObj> VYXLoadGraphicObj(TVYXStream& stream, const TVYXGraphicStores& stores)
{
    if (stream.ReadU32LE() != cGraphicMagic)
        BadGraphicData();
    const std::uint8_t type = stream.ReadU8();
    if (type == agtUnknown || type > agtEllipse)
        BadGraphicData();
    std::unique_ptr<TVYXGraphicObj> obj = VYXCreateGraphicObj(static_cast<TVYXGraphicType>(type));
    obj->LoadFromStream(stream, stores);
    return obj;
}
