// VYXReadDOCXDrawings.cpp: the DOCX reader's pictures, text boxes and floating objects (DrawingML and VML).
#include "formats/VYXReadDOCXImpl.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXReadWriteOPC5.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace {
// A length of a VML style ("width:120pt;height:3.5in"), in points; `def` when absent.
double VmlStyleLength(std::string_view style, std::string_view name, double def)
{
    std::size_t at = 0;
    while ((at = style.find(name, at)) != std::string_view::npos) {
        const bool starts = at == 0 || style[at - 1] == ';' || style[at - 1] == ' ';
        const std::size_t colon = at + name.size();
        if (!starts || colon >= style.size() || style[colon] != ':') {
            at = colon;
            continue;
        }
        std::string_view v = style.substr(colon + 1);
        v = v.substr(0, v.find(';'));
        v = NyqTrimBlanks(v);
        double d = 0;
        auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
        if (ec != std::errc() || !std::isfinite(d))
            return def;
        const std::string_view unit(p, static_cast<std::size_t>(v.data() + v.size() - p));
        const double factor = unit == "in" ? 72 : unit == "cm" ? 72 / 2.54 : unit == "mm" ? 72 / 25.4 : unit == "px" ? 0.75 : 1;
        return std::clamp(d * factor, 0.0, 10000.0);
    }
    return def;
}

// A VML style's value by name ("position:absolute;margin-left:12pt"), trimmed; empty when absent.
std::string_view VmlStyleValue(std::string_view style, std::string_view name)
{
    for (std::size_t at = 0; at < style.size();) {
        std::size_t end = style.find(';', at);
        if (end == std::string_view::npos)
            end = style.size();
        const std::string_view item = style.substr(at, end - at);
        const std::size_t colon = item.find(':');
        if (colon != std::string_view::npos && NyqTrimBlanks(item.substr(0, colon)) == name)
            return NyqTrimBlanks(item.substr(colon + 1));
        at = end + 1;
    }
    return {};
}

// A signed VML length in points (offsets may be negative); 0 when absent or bad.
double VmlOffset(std::string_view style, std::string_view name)
{
    std::string_view v = VmlStyleValue(style, name);
    double d = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
    if (ec != std::errc() || !std::isfinite(d))
        return 0;
    const std::string_view unit(p, static_cast<std::size_t>(v.data() + v.size() - p));
    const double factor = unit == "in" ? 72 : unit == "cm" ? 72 / 2.54 : unit == "mm" ? 72 / 25.4 : unit == "px" ? 0.75 : 1;
    return std::clamp(d * factor, -10000.0, 10000.0);
}
}  // namespace

void TVYXReadDOCX::TImpl::Picture(const TDxTree& t, const TDxNode& n, TVYXLogPara& para, TTarget& target,
                                  const TVYXCHPX& chpx)
{
    // A text box: DrawingML (wps:txbx) or VML (v:textbox), both holding w:txbxContent.
    if (!t.FindDeep(n, dxeBlip) && !t.FindDeep(n, dxeImagedata)) {
        const TDxNode* content = t.FindDeep(n, dxeTxbxContent);
        if (!content || FTableDepth >= cMaxTableDepth)
            return;
        double w = 150, h = 100;
        if (const TDxNode* extent = t.FindDeep(n, dxeExtent)) {
            w = std::clamp(static_cast<double>(t.Int(*extent, "cx", 0)) / 12700.0, 1.0, 10000.0);
            h = std::clamp(static_cast<double>(t.Int(*extent, "cy", 0)) / 12700.0, 1.0, 10000.0);
        } else if (const TDxNode* shape = t.FindDeep(n, dxeShape)) {
            const std::string style = t.Value(*shape, "style");
            w = VmlStyleLength(style, "width", w);
            h = VmlStyleLength(style, "height", h);
        }
        // Floating when the drawing is anchored or the VML shape absolutely placed;
        // the anchor is looked for above the box's own text, never inside it.
        const TDxNode* anchor = nullptr;
        const TDxNode* vml = nullptr;
        for (const TDxNode* c = t.Child(n); c && !anchor && !vml; c = t.Next(*c)) {
            if (c->Elem == dxeAnchor)
                anchor = c;
            else if (c->Elem != dxeShapetype && t.Has(*c, "style") &&
                     VmlStyleValue(t.Value(*c, "style"), "position") == "absolute")
                vml = c;
        }
        TVYXGraphicRotate* box = nullptr;
        if (anchor || vml) {
            box = para.AddTextBox(w, h);
            if (box && anchor) {
                DoAnchor(t, *anchor, *box);
            } else if (box) {
                DoVmlAnchor(t, *vml, *box);
            }
        } else {
            TVYXCharRunGraphic* run = para.AppendTextBox(w, h);
            box = run ? dynamic_cast<TVYXGraphicRotate*>(run->Graphic.get()) : nullptr;
        }
        if (!box || !box->TextBox || !box->TextBox->Paras)
            return;
        TTarget inner;
        inner.Paras = box->TextBox->Paras;
        inner.Owner = target.Owner;
        inner.Reuse = inner.Paras->Count() > 0 && inner.Paras->GetItems(0)->IsPara()
                          ? static_cast<TVYXLogPara*>(inner.Paras->GetItems(0))
                          : nullptr;
        // Text boxes nest like tables; they share the depth limit.
        ++FTableDepth;
        try {
            ReadStory(t, *content, inner);
        } catch (...) {
            --FTableDepth;
            throw;
        }
        --FTableDepth;
        return;
    }
    if (!FPkg || !target.Owner)
        return;
    std::string rid;
    if (const TDxNode* blip = t.FindDeep(n, dxeBlip))
        rid = t.Value(*blip, "embed");
    else if (const TDxNode* image = t.FindDeep(n, dxeImagedata))
        rid = t.Value(*image, "id");
    if (rid.empty())
        return;
    // Each related image is decoded once into the document's picture store;
    // every use is a picture object of its own size.
    const auto key = std::make_pair(target.Owner, rid);
    TVYXPicture* picture = nullptr;
    if (const auto it = FPictures.find(key); it != FPictures.end()) {
        picture = it->second;
    } else {
        try {
            const std::string bytes = FPkg->ReadImage(target.Owner, rid);
            if (!bytes.empty()) {
                auto stream = TVYXMemoryStream::View(bytes);
                picture = &FDoc.Pictures().AddPicture(stream);
            }
        } catch (const VYXException& e) {
            FErrors.Add("Picture \"" + rid + "\": " + e.what());
        }
        FPictures.emplace(key, picture);
    }
    if (!picture)
        return;
    auto object = std::make_unique<TVYXGraphicPicture>(picture);
    if (const TDxNode* extent = t.FindDeep(n, dxeExtent)) {
        const double w = static_cast<double>(t.Int(*extent, "cx", 0)) / 12700.0;
        const double h = static_cast<double>(t.Int(*extent, "cy", 0)) / 12700.0;
        if (w > 0 && h > 0) {
            object->Width = std::min(w, 10000.0);
            object->Height = std::min(h, 10000.0);
        }
    } else if (const TDxNode* shape = t.FindDeep(n, dxeShape)) {
        const std::string style = t.Value(*shape, "style");
        object->Width = VmlStyleLength(style, "width", object->Width);
        object->Height = VmlStyleLength(style, "height", object->Height);
    }
    DoPictureLook(t, n, *object);
    object->Precalc();
    if (const TDxNode* anchor = t.FindDeep(n, dxeAnchor)) {
        DoAnchor(t, *anchor, *object);
        para.AddGraphic(std::move(object));
        return;
    }
    para.CharRuns().AddGraphic(std::move(object), &chpx);
}

namespace {
// Relative-from values in the order of the model's enumerations.
constexpr std::array<std::string_view, 8> cRelFromH = {"column", "character", "leftMargin", "rightMargin",
                                                       "insideMargin", "outsideMargin", "margin", "page"};
constexpr std::array<std::string_view, 8> cRelFromV = {"paragraph", "line", "topMargin", "bottomMargin",
                                                       "insideMargin", "outsideMargin", "margin", "page"};
constexpr std::array<std::string_view, 6> cAlignH = {"", "left", "center", "right", "inside", "outside"};
constexpr std::array<std::string_view, 6> cAlignV = {"", "top", "center", "bottom", "inside", "outside"};
}  // namespace

// A floating object's place: offsets in EMU or alignments, relative to what the
// file names, and how text flows around it.
void TVYXReadDOCX::TImpl::DoAnchor(const TDxTree& t, const TDxNode& anchor, TVYXGraphicObj& object)
{
    auto offset = [&](const TDxNode& pos) {
        const TDxNode* off = t.Find(pos, dxePosOffset);
        if (!off)
            return std::optional<double>();
        const std::string_view text = NyqTrimBlanks(off->Text);
        long long v = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), v).ec != std::errc())
            return std::optional<double>();
        return std::optional<double>(std::clamp(static_cast<double>(v) / 12700.0, -10000.0, 10000.0));
    };
    auto align = [&](const TDxNode& pos, const auto& names) {
        const TDxNode* a = t.Find(pos, dxeAlign);
        const std::string_view text = a ? NyqTrimBlanks(a->Text) : std::string_view();
        for (std::size_t i = 1; i < names.size(); ++i)
            if (names[i] == text)
                return static_cast<int>(i);
        return 0;
    };
    if (const TDxNode* h = t.Find(anchor, dxePositionH)) {
        object.HorizPosRel = static_cast<TVYXGrObjHorizPosRelative>(std::max(0, IndexOf(cRelFromH, t.Value(*h, "relativeFrom"), 0)));
        if (const int a = align(*h, cAlignH)) {
            object.HorizPosType = agoptAlignment;
            object.HorizPos = static_cast<TVYXGrObjHorizPos>(a);
        } else {
            object.PosLeft = offset(*h).value_or(0);
        }
    }
    if (const TDxNode* v = t.Find(anchor, dxePositionV)) {
        object.VertPosRel = static_cast<TVYXGrObjVertPosRelative>(std::max(0, IndexOf(cRelFromV, t.Value(*v, "relativeFrom"), 0)));
        if (const int a = align(*v, cAlignV)) {
            object.VertPosType = agoptAlignment;
            object.VertPos = static_cast<TVYXGrObjVertPos>(a);
        } else {
            object.PosTop = offset(*v).value_or(0);
        }
    }
    const std::string behind = t.Value(anchor, "behindDoc");
    if (t.Find(anchor, dxeWrapNone))
        object.Wrap = behind == "1" || behind == "true" ? agowBehind : agowInFront;
    else
        object.Wrap = t.Find(anchor, dxeWrapTopAndBottom) ? agowTopBottom : agow_ParaLeft;
}

// Cropping and flips. DrawingML's source rectangle is in thousandths of a percent
// of the image; VML's crops are fractions, or 65536ths with an "f". A crop that
// would leave nothing, or one that widens the image, is dropped.
void TVYXReadDOCX::TImpl::DoPictureLook(const TDxTree& t, const TDxNode& n, TVYXGraphicPicture& picture)
{
    double crop[4]{};  // left, top, right, bottom
    static constexpr std::string_view cSrc[4] = {"l", "t", "r", "b"};
    static constexpr std::string_view cVml[4] = {"cropleft", "croptop", "cropright", "cropbottom"};
    if (const TDxNode* src = t.FindDeep(n, dxeSrcRect)) {
        for (int i = 0; i < 4; ++i)
            crop[i] = static_cast<double>(std::clamp(t.Int(*src, cSrc[i], 0), -100000LL, 100000LL)) / 100000.0;
    } else if (const TDxNode* image = t.FindDeep(n, dxeImagedata)) {
        for (int i = 0; i < 4; ++i) {
            const std::string v = t.Value(*image, cVml[i]);
            double d = 0;
            auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
            if (ec != std::errc() || !std::isfinite(d))
                continue;
            if (p != v.data() + v.size() && *p == 'f')
                d /= 65536.0;
            crop[i] = std::clamp(d, -1.0, 1.0);
        }
    }
    for (double& c : crop)
        c = std::max(0.0, c);
    if (crop[0] + crop[2] < 0.999 && crop[1] + crop[3] < 0.999) {
        picture.CropLeft = crop[0];
        picture.CropTop = crop[1];
        picture.CropRight = crop[2];
        picture.CropBottom = crop[3];
    }
    if (const TDxNode* xfrm = t.FindDeep(n, dxeXfrm)) {
        auto on = [&](std::string_view name) {
            const std::string v = t.Value(*xfrm, name);
            return v == "1" || v == "true" || v == "on";
        };
        picture.FlipX = on("flipH");
        picture.FlipY = on("flipV");
    }
}

// An absolutely placed VML shape: margins as offsets, what they are relative to,
// alignments, and how text flows around it (w10:wrap; behind the text when its
// z-index is negative).
void TVYXReadDOCX::TImpl::DoVmlAnchor(const TDxTree& t, const TDxNode& shape, TVYXGraphicObj& object)
{
    static constexpr std::array<std::string_view, 8> cVmlRelH = {"text", "char", "left-margin-area", "right-margin-area",
                                                                 "inner-margin-area", "outer-margin-area", "margin", "page"};
    static constexpr std::array<std::string_view, 8> cVmlRelV = {"text", "line", "top-margin-area", "bottom-margin-area",
                                                                 "inner-margin-area", "outer-margin-area", "margin", "page"};
    const std::string style = t.Value(shape, "style");
    object.PosLeft = VmlOffset(style, "margin-left");
    object.PosTop = VmlOffset(style, "margin-top");
    object.HorizPosRel = static_cast<TVYXGrObjHorizPosRelative>(
        IndexOf(cVmlRelH, std::string(VmlStyleValue(style, "mso-position-horizontal-relative")), 0));
    object.VertPosRel = static_cast<TVYXGrObjVertPosRelative>(
        IndexOf(cVmlRelV, std::string(VmlStyleValue(style, "mso-position-vertical-relative")), 0));
    if (const int a = IndexOf(cAlignH, std::string(VmlStyleValue(style, "mso-position-horizontal")), 0); a > 0) {
        object.HorizPosType = agoptAlignment;
        object.HorizPos = static_cast<TVYXGrObjHorizPos>(a);
    }
    if (const int a = IndexOf(cAlignV, std::string(VmlStyleValue(style, "mso-position-vertical")), 0); a > 0) {
        object.VertPosType = agoptAlignment;
        object.VertPos = static_cast<TVYXGrObjVertPos>(a);
    }
    const std::string wrap = [&] {
        const TDxNode* w = t.Find(shape, dxeWrap);
        return w ? t.Value(*w, "type") : std::string();
    }();
    if (wrap == "topAndBottom")
        object.Wrap = agowTopBottom;
    else if (wrap == "square" || wrap == "tight" || wrap == "through")
        object.Wrap = agow_ParaLeft;
    else
        object.Wrap = VmlStyleValue(style, "z-index").starts_with('-') ? agowBehind : agowInFront;
}
