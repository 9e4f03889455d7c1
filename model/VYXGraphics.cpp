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
            TVYXLogParas* paras = tb.Paras;
            tb = *o->TextBox;
            tb.GrObj = self;
            tb.Owner = owner;
            tb.Paras = paras;
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
        [&](TVYXPicture* p) -> TVYXPicture* {
            if (!pictures || !p)
                return nullptr;
            if (p->Owner == pictures)
                return p;  // the same document: the copy shares the stored picture
            // The store counts a use of the source document's picture, which the copy
            // does not use: the copy marks the stored picture it gets instead.
            const int uses = p->RefCount;
            TVYXPicture& stored = pictures->AddIfNotHas(*p);
            p->RefCount = uses;
            return &stored;
        });
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

const TVYXGraphicObj* TVYXGraphicObjList::FindShapeById(int shapeId) const
{
    for (const auto& o : FItems)
        if (const auto* s = dynamic_cast<const TVYXGraphicShape*>(o.get()); s && s->ShapeId == shapeId)
            return o.get();
    return nullptr;
}

const TVYXGraphicShape* TVYXGraphicObjList::FindWatermark() const
{
    for (const auto& o : FItems)
        if (const auto* s = dynamic_cast<const TVYXGraphicShape*>(o.get()); s && s->IsWatermark)
            return s;
    return nullptr;
}

const TVYXGraphicObj* TVYXGraphicObjList::Hit(double x, double y) const
{
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it) {
        const TVYXGraphicObj& o = **it;
        if (o.Hit(x - o.CalcPosLeft, y - o.CalcPosTop))
            return &o;
    }
    return nullptr;
}

const TVYXGraphicObj* TVYXGraphicObjList::HitPara(double x, double y) const
{
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it) {
        const TVYXGraphicObj& o = **it;
        const bool onPara = o.VertPosRel == agovprParagraph || o.VertPosRel == agovprLine;
        if (onPara && o.VertPosType == agoptAbsolute && o.HorizPosType == agoptAbsolute &&
            o.Hit(x - o.PosLeft, y - o.PosTop))
            return &o;
    }
    return nullptr;
}

const TVYXGraphicObj* TVYXGraphicObjList::Selected() const
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
}  // namespace

// Moves fields between an object and a stream in either direction. Loading checks
// every value (enumerations against their last value, numbers for being finite,
// counts against the bytes left) before it is stored or allocated.
class TVYXGrArchive {
public:
    // Saving when `stores` is nullptr.
    TVYXGrArchive(TVYXStream& stream, const TVYXGraphicStores* stores) : FS(stream), FStores(stores) {}
    bool Loading() const { return FStores != nullptr; }
    const TVYXGraphicStores& Stores() const { return *FStores; }

    void Bool(bool& v)
    {
        if (!Loading())
            return FS.WriteU8(v ? 1 : 0);
        const std::uint8_t b = FS.ReadU8();
        if (b > 1)
            BadGraphicData();
        v = b == 1;
    }
    void U32(std::uint32_t& v)
    {
        if (Loading())
            v = FS.ReadU32LE();
        else
            FS.WriteU32LE(v);
    }
    void I32(std::int32_t& v)
    {
        auto u = static_cast<std::uint32_t>(v);
        U32(u);
        v = static_cast<std::int32_t>(u);
    }
    // Non-finite numbers would poison layout; saving never writes them.
    void F64(double& v)
    {
        if (!Loading())
            return FS.WriteU64LE(std::bit_cast<std::uint64_t>(v));
        v = std::bit_cast<double>(FS.ReadU64LE());
        if (!std::isfinite(v))
            BadGraphicData();
    }
    void F64(std::initializer_list<double*> values)  // several in a row
    {
        for (double* v : values)
            F64(*v);
    }
    void F32(std::initializer_list<float*> values)
    {
        for (float* v : values) {
            auto u = std::bit_cast<std::uint32_t>(*v);
            U32(u);
            *v = std::bit_cast<float>(u);
            if (!std::isfinite(*v))
                BadGraphicData();
        }
    }
    template <class E>
    void Enum(E& v, E last)
    {
        if (!Loading())
            return FS.WriteU8(static_cast<std::uint8_t>(v));
        const std::uint8_t b = FS.ReadU8();
        if (b > static_cast<std::uint8_t>(last))
            BadGraphicData();
        v = static_cast<E>(b);
    }
    void Bytes(std::string& v)
    {
        if (!Loading()) {
            FS.WriteU32LE(static_cast<std::uint32_t>(v.size()));
            return FS.WriteString(v);
        }
        v = FS.ReadBytes(Count(v.size(), 1));
    }
    void Text(std::u16string& v)
    {
        std::string bytes = Loading() ? std::string() : Utf16ToUtf8(v);
        Bytes(bytes);
        if (!Loading())
            return;
        if (!IsValidUtf8(bytes))
            BadGraphicData();
        v = Utf8ToUtf16(bytes);
    }
    void Ints(std::vector<int>& v)
    {
        v.resize(Count(v.size(), 4));
        for (int& i : v)
            I32(i);
    }
    void Points(std::vector<TVYXGrEditPoint>& v)
    {
        v.resize(Count(v.size(), 16));
        for (TVYXGrEditPoint& p : v)
            F64({&p.X, &p.Y});
    }
    // Saving writes the picture's encoded bytes (none for no picture); loading
    // returns the stored picture with those bytes (nullptr without bytes or store).
    TVYXPicture* Picture(TVYXPicture* picture)
    {
        std::string bytes = !Loading() && picture ? std::string(picture->OrigData()) : std::string();
        Bytes(bytes);
        if (!Loading() || bytes.empty())
            return picture;
        TVYXMemoryStream data(bytes);
        std::unique_ptr<TVYXPicture> loaded = TVYXPictures::CreateFromMagicNumber(data);
        if (!loaded)
            BadGraphicData();
        loaded->LoadFromStream(data);
        return Stores().Pictures ? &Stores().Pictures->AddIfNotHas(*loaded) : nullptr;
    }

private:
    // A list's count: written as `size`, or read and checked against the bytes left.
    std::size_t Count(std::size_t size, std::size_t itemSize)
    {
        if (!Loading()) {
            FS.WriteU32LE(static_cast<std::uint32_t>(size));
            return size;
        }
        const std::uint64_t n = FS.ReadU32LE();
        if (n * itemSize > static_cast<std::uint64_t>(std::max<std::int64_t>(FS.Remaining(), 0)))
            BadGraphicData();
        return static_cast<std::size_t>(n);
    }

    TVYXStream& FS;
    const TVYXGraphicStores* FStores;
};

// Saving runs the same transfer as loading; in that direction it only reads the fields.
void TVYXGraphicObj::SaveToStream(TVYXStream& stream) const
{
    TVYXGrArchive ar(stream, nullptr);
    const_cast<TVYXGraphicObj*>(this)->Transfer(ar);
}

void TVYXGraphicObj::LoadFromStream(TVYXStream& stream, const TVYXGraphicStores& stores)
{
    TVYXGrArchive ar(stream, &stores);
    Transfer(ar);
    Precalc();
}

void TVYXGraphicObj::Transfer(TVYXGrArchive& ar)
{
    ar.F64({&PosLeft, &PosTop, &Width, &Height, &PercentLeft, &PercentTop, &PercentWidth, &PercentHeight,
            &OMargLeft, &OMargTop, &OMargRight, &OMargBottom});
    ar.Enum(Wrap, agowInFront);
    ar.Enum(HorizPosType, agoptPercent);
    ar.Enum(VertPosType, agoptPercent);
    ar.Enum(HorizPos, agohpOutside);
    ar.Enum(HorizPosRel, agohprPage);
    ar.Enum(VertPosRel, agovprPage);
    ar.Enum(VertPos, agovpOutside);
    ar.Enum(WidthRel, agowrRightMargin);
    ar.Enum(HeightRel, agohrBottomMargin);
    ar.Bool(LockAnchor);
    ar.I32(ZIndex);
    ar.Enum(Align, agoaRight);
    ar.Ints(Adjust);
    ar.Points(EditPoints);
    ar.Enum(EditSyle, agesSmallGrips);
    ar.Bytes(URL);
    ar.Bytes(Title);
    ar.Bool(DoNotCopy);
}

void TVYXGraphicLine::Transfer(TVYXGrArchive& ar)
{
    TVYXGraphicObj::Transfer(ar);
    ar.Bool(Stroked);
    ar.F64(StrokeWeight);
    ar.U32(StrokeColor);
    ar.Enum(LineStyle, agclsTri);
    ar.Enum(LineDashStyle, agldsLongDashDotDot);
}

void TVYXGraphicRotate::Transfer(TVYXGrArchive& ar)
{
    TVYXGraphicLine::Transfer(ar);
    ar.F64(FAngle);
    ar.U32(FillColor);
    ar.F64(FillAlpha);
    ar.Bool(Filled);
    bool hasTextBox = TextBox != nullptr;
    ar.Bool(hasTextBox);
    if (!hasTextBox) {
        TextBox.reset();
        return;
    }
    TVYXGrTextBox& t = AddTextBox();
    ar.Enum(t.Type, atbtTable);
    ar.F64({&t.MargLeft, &t.MargTop, &t.MargRight, &t.MargBottom, &t.AdjX1, &t.AdjY1, &t.AdjX2, &t.AdjY2});
    ar.Enum(t.VertAlign, atbvaBottom);
}

// A loaded shape type is looked up by id in the store, or added when it names a
// preset; a legacy type the store does not hold is dropped.
void TVYXGraphicShape::Transfer(TVYXGrArchive& ar)
{
    TVYXGraphicRotate::Transfer(ar);
    std::string typeId = ShapeType ? ShapeType->Id : std::string();
    ar.Bytes(typeId);
    if (ar.Loading()) {
        TVYXShapeTypes* types = ar.Stores().ShapeTypes;
        TVYXShapeType* type = types && !typeId.empty() ? types->Find(typeId) : nullptr;
        SetShapeType(type || !types || typeId.empty() ? type : types->Add(typeId));
    }
    for (std::unique_ptr<TVYXGraphicArrow>* arrow : {&StartArrow, &EndArrow}) {
        bool has = *arrow != nullptr;
        ar.Bool(has);
        if (!has) {
            arrow->reset();
            continue;
        }
        if (!*arrow)
            *arrow = std::make_unique<TVYXGraphicArrow>();
        ar.Enum((*arrow)->Head, agahOpen);
        ar.Enum((*arrow)->Length, agalLong);
        ar.Enum((*arrow)->Width, agawWide);
    }
    ar.Bytes(Description);
    SetPicture(ar.Picture(Picture));
    ar.Bool(IsWatermark);
    ar.Text(TextPath);
}

void TVYXGraphicPicture::Transfer(TVYXGrArchive& ar)
{
    TVYXGraphicRotate::Transfer(ar);
    ar.Bool(FlipX);
    ar.Bool(FlipY);
    ar.F64({&CropLeft, &CropRight, &CropTop, &CropBottom});
    ar.F32({&Alpha, &Contrast, &Brightness, &Saturation, &Red, &Green, &Blue});
    ar.Bool(Grayscale);
    SetPicture(ar.Picture(FPicture));
}

void TVYXGraphicBarcode::Transfer(TVYXGrArchive& ar)
{
    TVYXGraphicPicture::Transfer(ar);
    ar.I32(BarcodeType);
    ar.Text(Text);
    ar.F64(Fontsize);
}

void TVYXGraphicHorizLine::Transfer(TVYXGrArchive& ar)
{
    TVYXGraphicRectangle::Transfer(ar);
    ar.F64(FullWidth);
    ar.Bool(IsFullWidth);
    ar.Enum(Align, agohatRight);
    ar.F64(Percent);
}

void TVYXGraphicRoundRect::Transfer(TVYXGrArchive& ar)
{
    TVYXGraphicRotate::Transfer(ar);
    ar.F64(ArcSize);
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
