// VYXGraphicTypes.cpp: bitmaps, pictures and their shared store, shape types.
#include "model/VYXGraphicTypes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdlib>
#include <cstring>

#include "model/VYXPictureDecode.h"
#include "model/VYXPresetShapes.h"
#include "model/VYXVmlShapes.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

// ---- Pictures ----

TVYXPicture::TVYXPicture() : FOrigData(std::make_unique<TVYXMemoryStream>()) {}
TVYXPicture::~TVYXPicture() = default;

std::string_view TVYXPicture::OrigData() const
{
    return FOrigData->Bytes();
}

bool TVYXPicture::Equal(const TVYXPicture& other) const
{
    return OrigData() == other.OrigData();
}

void TVYXPicture::Assign(const TVYXPicture& other)
{
    OrigType = other.OrigType;
    *FOrigData = TVYXMemoryStream(std::string(other.OrigData()));
    RId = other.RId;
    Target = other.Target;
    UserName = other.UserName;
    Unsupported = other.Unsupported;
}

void TVYXPicture::LoadFromFile(const std::string& fileName)
{
    TVYXFileStream stream(fileName, vyfmRead);
    LoadFromStream(stream);
}

void TVYXPicture::LoadFromStream(TVYXStream& stream)
{
    std::string bytes = stream.ReadAll();
    Decode(bytes);
    *FOrigData = TVYXMemoryStream(std::move(bytes));
}

void TVYXPicture::SaveToFile(const std::string& fileName) const
{
    VYXWriteFile(fileName, OrigData());
}

void TVYXPicture::SaveToStream(TVYXStream& stream) const
{
    stream.WriteString(OrigData());
}

TVYXPictureBMP::TVYXPictureBMP() = default;
TVYXPictureBMP::~TVYXPictureBMP() = default;

namespace {
// Points of a raster image: its declared resolution, else the screen's 96 dpi.
double PixToPt(int px, double dpi)
{
    return px * 72.0 / (dpi > 0 ? dpi : 96.0);
}
}  // namespace

void TVYXPictureBMP::Decode(std::string_view bytes)
{
    const TVYXPictureType type = VYXPictureTypeFromBytes(bytes);
    if (type != aptPNG && type != aptJPG && type != aptGIF && type != aptBMP && type != aptTIF)
        throw VYXException("Invalid picture data: unknown format");
    std::unique_ptr<TVYXBitmap> bitmap = VYXDecodePicture(bytes, type);
    FWidthPt = PixToPt(bitmap->Width(), bitmap->DpiX);
    FHeightPt = PixToPt(bitmap->Height(), bitmap->DpiY);
    FBitmap = std::move(bitmap);
    OrigType = type;
    Unsupported = false;
}

void TVYXPictureBMP::SetBitmap(std::unique_ptr<TVYXBitmap> bitmap)
{
    FBitmap = std::move(bitmap);
    FWidthPt = FBitmap ? PixToPt(FBitmap->Width(), 96) : 0;
    FHeightPt = FBitmap ? PixToPt(FBitmap->Height(), 96) : 0;
}

void TVYXPictureBMP::Assign(const TVYXPicture& other)
{
    TVYXPicture::Assign(other);
    if (const auto* o = dynamic_cast<const TVYXPictureBMP*>(&other)) {
        FBitmap = o->FBitmap ? std::make_unique<TVYXBitmap>(*o->FBitmap) : nullptr;
        FWidthPt = o->FWidthPt;
        FHeightPt = o->FHeightPt;
    } else {
        FBitmap.reset();
        FWidthPt = other.GetWidth();
        FHeightPt = other.GetHeight();
    }
}

TVYXGraphicBMPCanvas::TVYXGraphicBMPCanvas(int widthPx, int heightPx)
{
    SetBitmap(std::make_unique<TVYXBitmap>(std::max(1, widthPx), std::max(1, heightPx), 0xFFFFFFFF));
}

void TVYXGraphicMetafile::Decode(std::string_view bytes)
{
    const TVYXPictureType type = VYXPictureTypeFromBytes(bytes);
    if (type != aptWMF && type != aptEMF)
        throw VYXException("Invalid picture data: not a metafile");
    const TVYXDeclaredSize size = VYXPictureDeclaredSize(bytes, type);
    FWidthPt = size.WidthPt;
    FHeightPt = size.HeightPt;
    OrigType = type;
    Unsupported = true;  // drawn as a frame until metafiles are rendered
}

void TVYXGraphicMetafile::Assign(const TVYXPicture& other)
{
    TVYXPicture::Assign(other);
    FWidthPt = other.GetWidth();
    FHeightPt = other.GetHeight();
}

TVYXPictureType VYXPictureTypeFromBytes(std::string_view b)
{
    auto starts = [&](std::string_view magic) { return b.substr(0, magic.size()) == magic; };
    if (starts("BM"))
        return aptBMP;
    if (starts("\xFF\xD8"))
        return aptJPG;
    if (starts(std::string_view("\x01\x00\x00\x00", 4)))
        return b.size() >= 44 && b.substr(40, 4) == " EMF" ? aptEMF : aptWMF;
    if (starts("GIF87a") || starts("GIF89a"))
        return aptGIF;
    if (starts("\x89PNG\r\n\x1A\n"))
        return aptPNG;
    // Beyond the classic table: placeable and plain metafiles, TIFF.
    if (starts("\xD7\xCD\xC6\x9A") || starts(std::string_view("\x01\x00\x09\x00", 4)) ||
        starts(std::string_view("\x02\x00\x09\x00", 4)))
        return aptWMF;
    if (starts(std::string_view("II*\x00", 4)) || starts(std::string_view("MM\x00*", 4)))
        return aptTIF;
    return aptUnknown;
}

// ---- The store ----

TVYXPictures::TVYXPictures() = default;
TVYXPictures::~TVYXPictures() = default;

TVYXPicture& TVYXPictures::Store(std::unique_ptr<TVYXPicture> picture)
{
    picture->Owner = this;
    if (picture->IdName.empty())
        picture->IdName = "Picture" + std::to_string(FItems.size() + 1);
    FItems.push_back(std::move(picture));
    return *FItems.back();
}

TVYXPicture& TVYXPictures::AddPicture(const std::string& fileName)
{
    TVYXFileStream stream(fileName, vyfmRead);
    return AddPicture(stream);
}

TVYXPicture& TVYXPictures::AddPicture(TVYXStream& stream)
{
    std::unique_ptr<TVYXPicture> picture = CreateFromMagicNumber(stream);
    if (!picture)
        throw VYXException("Invalid picture data: unknown format");
    picture->LoadFromStream(stream);
    return Store(std::move(picture));
}

TVYXPicture& TVYXPictures::AddPicture(std::unique_ptr<TVYXPicture> picture)
{
    return Store(std::move(picture));
}

TVYXGraphicBMPCanvas& TVYXPictures::AddCanvas(const std::string& idName, int widthPx, int heightPx)
{
    auto canvas = std::make_unique<TVYXGraphicBMPCanvas>(widthPx, heightPx);
    canvas->IdName = idName;
    return static_cast<TVYXGraphicBMPCanvas&>(Store(std::move(canvas)));
}

TVYXPicture& TVYXPictures::AddIfNotHas(TVYXPicture& picture)
{
    ++picture.RefCount;
    if (TVYXPicture* match = FindEqData(picture))
        return *match;
    std::unique_ptr<TVYXPicture> copy;
    if (dynamic_cast<const TVYXGraphicMetafile*>(&picture))
        copy = std::make_unique<TVYXGraphicMetafile>();
    else
        copy = std::make_unique<TVYXPictureBMP>();
    copy->Assign(picture);
    return Store(std::move(copy));
}

TVYXGraphicBMPCanvas& TVYXPictures::AddIfNotHas(const std::string& idName, int widthPx, int heightPx)
{
    if (TVYXPicture* found = FindByIdName(idName)) {
        auto* canvas = dynamic_cast<TVYXGraphicBMPCanvas*>(found);
        if (!canvas)
            throw VYXException("Picture is not BMP Canvas");
        ++canvas->RefCount;
        return *canvas;
    }
    return AddCanvas(idName, widthPx, heightPx);
}

std::unique_ptr<TVYXPicture> TVYXPictures::CreateFromExt(std::string_view ext)
{
    std::string e = AsciiLower(ext);
    if (!e.empty() && e[0] == '.')
        e.erase(0, 1);
    constexpr std::string_view raster[] = {"bmp", "gif", "jpeg", "jpg", "png", "tif", "tiff"};
    constexpr std::string_view meta[] = {"emf", "wmf"};
    if (std::find(std::begin(raster), std::end(raster), e) != std::end(raster))
        return std::make_unique<TVYXPictureBMP>();
    if (std::find(std::begin(meta), std::end(meta), e) != std::end(meta))
        return std::make_unique<TVYXGraphicMetafile>();
    return nullptr;
}

std::unique_ptr<TVYXPicture> TVYXPictures::CreateFromMagicNumber(TVYXStream& stream)
{
    const std::int64_t start = stream.Position();
    char head[48] = {};
    const std::size_t n = stream.Read(head, sizeof head);
    stream.Seek(start, vysoBeginning);
    const TVYXPictureType type = VYXPictureTypeFromBytes(std::string_view(head, n));
    if (type == aptUnknown)
        return nullptr;
    std::unique_ptr<TVYXPicture> picture;
    if (type == aptWMF || type == aptEMF)
        picture = std::make_unique<TVYXGraphicMetafile>();
    else
        picture = std::make_unique<TVYXPictureBMP>();
    picture->OrigType = type;
    return picture;
}

int TVYXPictures::Find(const TVYXPicture& picture) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == &picture)
            return static_cast<int>(i);
    return -1;
}

namespace {
template <class TPred>
const TVYXPicture* FindIf(const std::vector<std::unique_ptr<TVYXPicture>>& items, TPred pred)
{
    for (const auto& p : items)
        if (pred(*p))
            return p.get();
    return nullptr;
}
}  // namespace

const TVYXPicture* TVYXPictures::FindByRId(std::string_view rId) const
{
    return FindIf(FItems, [&](const TVYXPicture& p) { return p.RId == rId; });
}

const TVYXPicture* TVYXPictures::FindByIdName(std::string_view idName) const
{
    return FindIf(FItems, [&](const TVYXPicture& p) { return p.IdName == idName; });
}

const TVYXPicture* TVYXPictures::FindByTarget(std::string_view target) const
{
    return FindIf(FItems, [&](const TVYXPicture& p) { return p.Target == target; });
}

const TVYXPicture* TVYXPictures::FindEqData(const TVYXPicture& picture) const
{
    return FindIf(FItems, [&](const TVYXPicture& p) { return &p != &picture && p.Equal(picture); });
}

bool TVYXPictures::Remove(TVYXPicture& picture)
{
    if (picture.RefCount >= 1)
        return false;
    auto it = std::find_if(FItems.begin(), FItems.end(), [&](const auto& p) { return p.get() == &picture; });
    if (it == FItems.end())
        return false;
    FItems.erase(it);
    return true;
}

// ---- Shape types ----

TVYXGrShapePath TVYXShapeType::CalcPath(double width, double height, const std::vector<int>* adjust) const
{
    const std::vector<int>& adj = adjust && !adjust->empty() ? *adjust : Adjust;
    if (!VmlPath.empty())
        return VYXVmlShapePath(VmlPath, Formulas, CoordsWidth, CoordsHeight, adj, width, height);
    return VYXPresetShapePath(Id, width, height, &adj);
}

std::vector<TVYXShapeHandle> TVYXShapeType::CalcHandles(double width, double height,
                                                        const std::vector<int>* adjust) const
{
    const std::vector<int>& adj = adjust && !adjust->empty() ? *adjust : Adjust;
    if (!VmlPath.empty())
        return VYXVmlShapeHandles(Handles, Formulas, CoordsWidth, CoordsHeight, adj, width, height);
    return VYXPresetShapeHandles(Id, width, height, &adj);
}

std::vector<TVYXShapeConnectLoc> TVYXShapeType::CalcConnectLocs(double width, double height,
                                                                const std::vector<int>* adjust) const
{
    const std::vector<int>& adj = adjust && !adjust->empty() ? *adjust : Adjust;
    if (!VmlPath.empty())
        return VYXVmlShapeConnectLocs(ConnectLocs, ConnectAngles, Formulas, CoordsWidth, CoordsHeight, adj, width,
                                      height);
    return VYXPresetShapeConnectLocs(Id, width, height, &adj);
}

TVYXShapeRect TVYXShapeType::CalcTextBoxRect(double width, double height, const std::vector<int>* adjust) const
{
    const std::vector<int>& adj = adjust && !adjust->empty() ? *adjust : Adjust;
    TVYXShapeRect rect{0, 0, width, height};
    if (!VmlPath.empty())
        VYXVmlShapeTextRect(TextBoxRect, Formulas, CoordsWidth, CoordsHeight, adj, width, height, rect);
    else
        VYXPresetShapeTextRect(Id, width, height, &adj, rect);
    return rect;
}

// The handle's position is some function of its adjust values that the guide formulas
// define, rarely invertible in closed form; so each adjust value is searched in turn
// over its allowed range for the place nearest the point (a coarse scan, then a
// narrowing one), going round again while two coupled values still improve.
bool TVYXShapeType::CalcAdjust(int index, double x, double y, double width, double height,
                               std::vector<int>& adjust) const
{
    if (adjust.size() < Adjust.size())
        adjust.insert(adjust.end(), Adjust.begin() + static_cast<std::ptrdiff_t>(adjust.size()), Adjust.end());
    std::vector<TVYXShapeHandle> handles = CalcHandles(width, height, &adjust);
    if (index < 0 || static_cast<std::size_t>(index) >= handles.size())
        return false;
    // Sets adjust value `ref` (none for -1) and measures how far the handle then is.
    auto distance = [&](int ref, double value) {
        if (ref >= 0)
            adjust[static_cast<std::size_t>(ref)] = static_cast<int>(std::lround(value));
        const TVYXShapeHandle h = CalcHandles(width, height, &adjust)[static_cast<std::size_t>(index)];
        return std::hypot(h.X - x, h.Y - y);
    };
    constexpr int cSteps = 32;
    constexpr int cRounds = 6;
    double dist = distance(-1, 0);
    for (int round = 0; round < cRounds && dist > 0.01; ++round) {
        const TVYXShapeHandle h = CalcHandles(width, height, &adjust)[static_cast<std::size_t>(index)];
        // A polar handle turns first: the direction decides more than the radius.
        std::pair<int, std::pair<double, double>> refs[] = {{h.RefX, {h.MinX, h.MaxX}}, {h.RefY, {h.MinY, h.MaxY}}};
        if (h.Polar)
            std::swap(refs[0], refs[1]);
        for (const auto& [ref, range] : refs) {
            if (ref < 0 || static_cast<std::size_t>(ref) >= adjust.size())
                continue;
            double lo = std::min(range.first, range.second);
            double hi = std::max(range.first, range.second);
            double best = std::clamp(static_cast<double>(adjust[static_cast<std::size_t>(ref)]), lo, hi);
            double bestDist = distance(ref, best);
            while (hi - lo > 0.5) {
                const double step = (hi - lo) / cSteps;
                for (int i = 0; i <= cSteps; ++i) {
                    const double v = lo + step * i;
                    const double d = distance(ref, v);
                    if (d < bestDist) {
                        bestDist = d;
                        best = v;
                    }
                }
                lo = std::max(lo, best - step);
                hi = std::min(hi, best + step);
            }
            adjust[static_cast<std::size_t>(ref)] = static_cast<int>(std::lround(best));
            dist = bestDist;
        }
    }
    return true;
}

TVYXShapeType* TVYXShapeTypes::Add(std::string_view id)
{
    const TVYXPresetShapeInfo* info = VYXFindPresetShape(id);
    if (!info)
        return nullptr;
    auto type = std::make_unique<TVYXShapeType>();
    type->Owner = this;
    type->Id = std::string(id);
    type->Adjust = info->Adjust;
    type->Filled = info->Filled;
    type->ArrowsOk = info->ArrowsOk;
    FItems.push_back(std::move(type));
    CurrShape = FItems.back().get();
    return CurrShape;
}

namespace {
// "a,b,c" as integers; an empty item is 0.
std::vector<int> IntList(std::string_view text)
{
    std::vector<int> out;
    if (text.empty())
        return out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t comma = std::min(text.find(',', pos), text.size());
        out.push_back(std::atoi(std::string(text.substr(pos, comma - pos)).c_str()));
        if (comma >= text.size())
            return out;
        pos = comma + 1;
    }
}
}  // namespace

TVYXShapeType& TVYXShapeTypes::Add(const TVYXVmlShapeDef& def)
{
    auto type = std::make_unique<TVYXShapeType>();
    type->Owner = this;
    type->Id = def.Id;
    type->Adjust = IntList(def.Adj);
    for (const std::string& f : def.Formulas)
        type->Formulas.push_back(VYXParseShapeFormula(f));
    const std::vector<int> size = IntList(def.CoordSize);
    if (size.size() == 2 && size[0] > 0 && size[1] > 0) {
        type->CoordsWidth = size[0];
        type->CoordsHeight = size[1];
    }
    type->VmlPath = def.Path;
    type->TextBoxRect = def.TextBoxRect;
    type->ConnectLocs = def.ConnectLocs;
    type->ConnectAngles = def.ConnectAngles;
    type->Handles = def.Handles;
    FItems.push_back(std::move(type));
    CurrShape = FItems.back().get();
    return *CurrShape;
}

const TVYXShapeType* TVYXShapeTypes::Find(std::string_view id) const
{
    for (const auto& t : FItems)
        if (t->Id == id)
            return t.get();
    return nullptr;
}

TVYXShapeType& TVYXShapeTypes::AddIfNotHas(const TVYXShapeType& shapeType)
{
    if (TVYXShapeType* found = Find(shapeType.Id))
        return *found;
    auto copy = std::make_unique<TVYXShapeType>(shapeType);
    copy->RefCount = 0;
    copy->Owner = this;
    FItems.push_back(std::move(copy));
    return *FItems.back();
}

TVYXShapeFormula TVYXShapeTypes::ParseFormula(std::string_view text)
{
    return VYXParseShapeFormula(text);
}

bool TVYXShapeTypes::GetOperator(std::string_view name, TVYXShapeFmlaOp& op)
{
    return VYXShapeFmlaOperator(name, op);
}

double TVYXShapeTypes::GetValue(const TVYXShapeType& type, int index, double width, double height)
{
    const std::vector<double> values =
        VYXEvalShapeFormulas(type.Formulas, type.CoordsWidth, type.CoordsHeight, type.Adjust, width, height);
    return index >= 0 && std::size_t(index) < values.size() ? values[std::size_t(index)] : 0;
}

TVYXShapeType& TVYXShapeTypes::AddIfNotHasTextBox()
{
    if (TVYXShapeType* found = Find("rect"))
        return *found;
    return *Add("rect");
}
