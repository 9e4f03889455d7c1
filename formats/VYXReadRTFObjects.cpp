// VYXReadRTFObjects.cpp: the RTF reader's pictures, shapes, fields and notes.
#include "formats/VYXReadRTFImpl.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

#include "editing/VYXLogEditor.h"
#include "formats/VYXRtfShapes.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace vyx_rtf {

namespace {

bool HasProp(const TShape& shape, std::string_view name)
{
    return std::any_of(shape.Props.begin(), shape.Props.end(), [&](const auto& p) { return p.first == name; });
}

// EMU (12700 a point) to points, clamped to a sane distance.
double EmuPt(std::int64_t emu) { return std::clamp(static_cast<double>(emu) / 12700.0, -2000.0, 2000.0); }

}  // namespace

std::int64_t PropInt(const TShape& shape, std::string_view name, std::int64_t fallback)
{
    // The last value given wins.
    for (auto it = shape.Props.rbegin(); it != shape.Props.rend(); ++it)
        if (it->first == name) {
            std::int64_t v = 0;
            const char* b = it->second.data();
            const char* e = b + it->second.size();
            const auto r = std::from_chars(b, e, v);
            return r.ec == std::errc() ? std::clamp<std::int64_t>(v, -0x7FFFFFFFLL, 0xFFFFFFFFLL) : fallback;
        }
    return fallback;
}

void TRtfParser::EndPicture()
{
    TPicture pict = std::move(FPicture);
    FPicture = {};
    const bool forShape = FPictureForShape;
    FPictureForShape = false;
    if (pict.Bytes.empty() || (pict.Type == 5 && pict.Bytes.size() <= 22))
        return;
    if (forShape) {
        // The picture store sizes a placeable metafile by its bounding box, which the
        // header made here leaves empty: it takes the bare metafile (the shape gives the size).
        if (pict.Type == 5)
            pict.Bytes.erase(0, 22);
        if (!FShapes.empty())
            FShapes.back().Picture = std::move(pict.Bytes);
        return;
    }
    auto run = std::make_unique<TVYXCharRunPicture>();
    try {
        run->LoadPicture(pict.Bytes);
    } catch (const VYXException&) {
        if (TVYXErrorManager* errors = FDoc.Errors())
            errors->Warning("RTF picture could not be decoded", 3301);
        return;
    }
    if (TVYXLogPara* para = CurrentPara()) {
        run->SetCHPX(&RunFormat());
        para->CharRuns().Add(std::move(run));
    }
}

// The model object of a shape, anchored to the current paragraph: a picture for a
// pib, a text box for \shptxt, else a preset shape. False when the shape gives no
// box or names nothing the model draws.
bool TRtfParser::MakeShape(TShape& shape, bool textBox)
{
    if (shape.Object)
        return true;
    if (shape.Right <= shape.Left || shape.Bottom <= shape.Top)
        return false;
    const std::int64_t type = PropInt(shape, "shapeType", shape.Picture.empty() ? (textBox ? 202 : 1) : 75);
    TVYXLogPara* anchor = CurrentPara();
    if (!anchor)
        return false;
    const double w = std::clamp(Pt(shape.Right - shape.Left), 0.05, 10000.0);
    const double h = std::clamp(Pt(shape.Bottom - shape.Top), 0.05, 10000.0);
    TVYXGraphicObjList& list = anchor->AddGraphics();
    const std::string_view preset = VYXRtfShapePreset(static_cast<int>(type));
    if (textBox) {
        TVYXGraphicRotate* box = anchor->AddTextBox(w, h);
        if (!box)
            return false;
        if (auto* sh = dynamic_cast<TVYXGraphicShape*>(box); sh && list.ShapeTypes && !preset.empty() && preset != "rect") {
            TVYXShapeType* st = list.ShapeTypes->Find(preset);
            if (!st)
                st = list.ShapeTypes->Add(preset);
            if (st)
                sh->SetShapeType(st);
        }
        shape.Object = box;
        return true;
    }
    if (!shape.Picture.empty()) {
        TVYXPicture* picture = nullptr;
        try {
            auto stream = TVYXMemoryStream::View(shape.Picture);
            picture = &FDoc.Pictures().AddPicture(stream);
        } catch (const VYXException&) {
            if (TVYXErrorManager* errors = FDoc.Errors())
                errors->Warning("RTF picture could not be decoded", 3301);
            return false;
        }
        auto object = std::make_unique<TVYXGraphicPicture>(picture);
        object->Width = w;
        object->Height = h;
        shape.Object = &anchor->AddGraphic(std::move(object));
        return true;
    }
    if (preset.empty() || !list.ShapeTypes || type == 75 || type == 202)
        return false;  // a picture frame without its picture, a text box without text: the fallback says more
    TVYXShapeType* st = list.ShapeTypes->Find(preset);
    if (!st)
        st = list.ShapeTypes->Add(preset);
    if (!st)
        return false;
    auto object = std::make_unique<TVYXGraphicShape>(st);
    object->Width = w;
    object->Height = h;
    shape.Object = &anchor->AddGraphic(std::move(object));
    return true;
}

// Place, wrapping, order and looks, from the \shp... words and the {\sp} properties.
void TRtfParser::ApplyShape(TShape& shape)
{
    TVYXGraphicObj& o = *shape.Object;
    o.PosLeft = Pt(shape.Left);
    o.PosTop = Pt(shape.Top);
    o.Width = std::clamp(Pt(shape.Right - shape.Left), 0.05, 10000.0);
    o.Height = std::clamp(Pt(shape.Bottom - shape.Top), 0.05, 10000.0);
    static constexpr TVYXGrObjHorizPosRelative cRelH[] = {agohprMargin, agohprPage, agohprColumn, agohprCharacter};
    static constexpr TVYXGrObjVertPosRelative cRelV[] = {agovprMargin, agovprPage, agovprParagraph, agovprLine};
    const std::int64_t relH = shape.BxIgnore ? PropInt(shape, "posrelh", shape.Bx) : shape.Bx;
    const std::int64_t relV = shape.ByIgnore ? PropInt(shape, "posrelv", shape.By) : shape.By;
    o.HorizPosRel = cRelH[std::clamp<std::int64_t>(relH, 0, 3)];
    o.VertPosRel = cRelV[std::clamp<std::int64_t>(relV, 0, 3)];
    // posh / posv: 0 absolute, then left (top), centre, right (bottom), inside, outside.
    if (const std::int64_t posh = PropInt(shape, "posh", 0); posh > 0 && posh <= 5) {
        o.HorizPosType = agoptAlignment;
        o.HorizPos = static_cast<TVYXGrObjHorizPos>(posh);
    }
    if (const std::int64_t posv = PropInt(shape, "posv", 0); posv > 0 && posv <= 5) {
        o.VertPosType = agoptAlignment;
        o.VertPos = static_cast<TVYXGrObjVertPos>(posv);
    }
    // \shpwr: 1 above and below, 2 around, 3 none, 4 tight, 5 through; \shpwrk 3: the larger side.
    const bool below = shape.Below || PropInt(shape, "fBehindDocument", 0) != 0;
    switch (shape.Wrap) {
    case 1: o.Wrap = agowTopBottom; break;
    case 3: o.Wrap = below ? agowBehind : agowInFront; break;
    default: o.Wrap = shape.WrapSide == 3 ? agow_ParaRight : agow_ParaLeft; break;
    }
    o.ZIndex = shape.Z;
    o.OMargLeft = EmuPt(PropInt(shape, "dxWrapDistLeft", 114300));
    o.OMargTop = EmuPt(PropInt(shape, "dyWrapDistTop", 0));
    o.OMargRight = EmuPt(PropInt(shape, "dxWrapDistRight", 114300));
    o.OMargBottom = EmuPt(PropInt(shape, "dyWrapDistBottom", 0));
    for (const auto& [name, value] : shape.Props) {
        if (name == "wzName")
            o.Title = value;
        else if (name == "wzDescription")
            if (auto* sh = dynamic_cast<TVYXGraphicShape*>(&o))
                sh->Description = value;
    }
    if (auto* line = dynamic_cast<TVYXGraphicLine*>(&o)) {
        if (HasProp(shape, "lineColor"))
            line->StrokeColor = GetTColor(static_cast<TVYXColor>(PropInt(shape, "lineColor", 0) & 0xFFFFFF));
        if (HasProp(shape, "lineWidth"))
            line->StrokeWeight = std::clamp(EmuPt(PropInt(shape, "lineWidth", 9525)), 0.0, 100.0);
        if (HasProp(shape, "fLine"))
            line->Stroked = PropInt(shape, "fLine", 1) != 0;
    }
    if (auto* rot = dynamic_cast<TVYXGraphicRotate*>(&o)) {
        if (HasProp(shape, "fillColor"))
            rot->FillColor = GetTColor(static_cast<TVYXColor>(PropInt(shape, "fillColor", 0xFFFFFF) & 0xFFFFFF));
        if (HasProp(shape, "fFilled"))
            rot->Filled = PropInt(shape, "fFilled", 1) != 0;
        if (rot->TextBox) {
            TVYXGrTextBox& box = *rot->TextBox;
            box.MargLeft = EmuPt(PropInt(shape, "dxTextLeft", 91440));
            box.MargTop = EmuPt(PropInt(shape, "dyTextTop", 45720));
            box.MargRight = EmuPt(PropInt(shape, "dxTextRight", 91440));
            box.MargBottom = EmuPt(PropInt(shape, "dyTextBottom", 45720));
            const std::int64_t anchorText = PropInt(shape, "anchorText", 0);
            box.VertAlign = anchorText == 1 ? atbvaCenter : (anchorText == 2 ? atbvaBottom : atbvaTop);
        }
        // Degrees in 16.16 fixed point.
        if (const std::int64_t angle = PropInt(shape, "rotation", 0); angle != 0)
            rot->SetAngle(std::fmod(static_cast<double>(angle) / 65536.0, 360.0));
    }
    if (auto* pic = dynamic_cast<TVYXGraphicPicture*>(&o)) {
        pic->FlipX = PropInt(shape, "fFlipH", 0) != 0;
        pic->FlipY = PropInt(shape, "fFlipV", 0) != 0;
        // Crops are fractions of the image in 16.16 fixed point.
        auto crop = [&](const char* name) { return std::clamp(static_cast<double>(PropInt(shape, name, 0)) / 65536.0, -1.0, 1.0); };
        pic->CropLeft = crop("cropFromLeft");
        pic->CropTop = crop("cropFromTop");
        pic->CropRight = crop("cropFromRight");
        pic->CropBottom = crop("cropFromBottom");
    }
    o.Precalc();
}

void TRtfParser::BeginField()
{
    if (!FFields.empty() && !FFields.back().InResult)
        FFields.back().Nested = true;
    TField f;
    f.Depth = static_cast<int>(FStack.size());
    FFields.push_back(std::move(f));
}

void TRtfParser::FieldResult()
{
    TField& f = FFields.back();
    f.InResult = true;
    const std::u16string instr = Trim(f.Instr);
    std::size_t sp = instr.find(u' ');
    std::u16string word = instr.substr(0, sp);
    for (char16_t& c : word)
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - 32);
    const std::u16string arg = sp == std::u16string::npos ? std::u16string() : Trim(instr.substr(sp + 1));
    if (word == u"HYPERLINK" && !arg.empty()) {
        // HYPERLINK "url" [\l "bookmark"] [\o "tip"]: the address is the quoted argument
        // or the \l location.
        std::u16string url, location;
        std::size_t i = 0;
        while (i < arg.size()) {
            while (i < arg.size() && arg[i] == u' ')
                ++i;
            if (i >= arg.size())
                break;
            std::u16string token;
            bool quoted = arg[i] == u'"';
            if (quoted) {
                const std::size_t end = arg.find(u'"', i + 1);
                token = arg.substr(i + 1, (end == std::u16string::npos ? arg.size() : end) - i - 1);
                i = end == std::u16string::npos ? arg.size() : end + 1;
            } else {
                const std::size_t end = arg.find(u' ', i);
                token = arg.substr(i, (end == std::u16string::npos ? arg.size() : end) - i);
                i = end == std::u16string::npos ? arg.size() : end;
            }
            if (!quoted && (token == u"\\l" || token == u"\\o" || token == u"\\t" || token == u"\\m" || token == u"\\n")) {
                const bool isLocation = token == u"\\l";
                while (i < arg.size() && arg[i] == u' ')
                    ++i;
                std::u16string value;
                if (i < arg.size() && arg[i] == u'"') {
                    const std::size_t end = arg.find(u'"', i + 1);
                    value = arg.substr(i + 1, (end == std::u16string::npos ? arg.size() : end) - i - 1);
                    i = end == std::u16string::npos ? arg.size() : end + 1;
                } else {
                    const std::size_t end = arg.find(u' ', i);
                    value = arg.substr(i, (end == std::u16string::npos ? arg.size() : end) - i);
                    i = end == std::u16string::npos ? arg.size() : end;
                }
                if (isLocation)
                    location = value;
            } else if (url.empty() && !token.empty() && token[0] != u'\\')
                url = token;
        }
        if (!url.empty())
            f.Link = FDoc.Hyperlinks().Add(url, ahtURL);
        else if (!location.empty())
            f.Link = FDoc.Hyperlinks().Add(location, ahtBookmark);
        f.Mode = f.Link ? fmHyperlink : fmText;
        return;
    }
    // Fields the model evaluates itself become simple fields; the rest keep their result as text.
    f.Mode = !word.empty() && (word[0] == u'=' || VYXFieldKeywordType(word) != asftUnknown) ? fmSimple : fmText;
    if (f.Mode == fmText)
        BeginComplexField(f, true);
}

// Fields the model does not evaluate keep their instruction as a complex field around
// their result, so templates and documents written back keep them. Fields with fields
// nested in their instruction stay their result text.
void TRtfParser::BeginComplexField(TField& f, bool separate)
{
    TVYXLogPara* para = f.Nested || f.Instr.empty() ? nullptr : CurrentPara();
    if (!para)
        return;
    const TVYXCHPX& format = RunFormat();
    f.MarkFormat = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
    f.MarkFormat->Assign(format, nullptr);
    para->CharRuns().AddFldChar(acrfctBegin, &format);
    para->CharRuns().AddInstrText(f.Instr, &format);
    if (separate)
        para->CharRuns().AddFldChar(acrfctSeparate, &format);
    f.Complex = true;
}

void TRtfParser::EndField()
{
    if (FFields.empty())
        return;
    TField f = std::move(FFields.back());
    FFields.pop_back();
    if (f.Mode == fmHyperlink && f.LastRun)
        static_cast<TVYXCharRunHyperlink*>(f.LastRun)->HLinkLast = true;
    // A field without a result group that the model does not evaluate keeps its
    // instruction as a complex field.
    if (f.Mode == fmNone && !f.DataField) {
        const std::u16string instr = Trim(f.Instr);
        std::u16string word = instr.substr(0, instr.find(u' '));
        for (char16_t& c : word)
            if (c >= u'a' && c <= u'z')
                c = static_cast<char16_t>(c - 32);
        if (!word.empty() && word[0] != u'=' && VYXFieldKeywordType(word) == asftUnknown) {
            f.Instr = instr;
            BeginComplexField(f, false);
        }
    }
    // The end mark takes the begin mark's format: the field's group is closed by now.
    if (f.Complex && Target().Para && !Target().ParaEnded)
        Target().Para->CharRuns().AddFldChar(acrfctEnd, f.MarkFormat ? f.MarkFormat.get() : &RunFormat());
    // A field without a result still keeps its instruction.
    if (f.Mode == fmSimple && !f.SimpleDone && Target().Para && !Target().ParaEnded)
        Target().Para->CharRuns().AddSimpleField(CreateSimpleField(f.Instr), u"", &RunFormat());
}

void TRtfParser::MakeNote()
{
    TTarget& t = Target();
    if (t.Kind != tkNote || t.Paras || !t.Anchor)
        return;
    const bool endnote = Cur().Endnote;
    TVYXFootnotesList& list = endnote ? FDoc.EndnoteList() : FDoc.FootnoteList();
    TVYXLogDocEditor& notes = endnote ? FDoc.Endnotes() : FDoc.Footnotes();
    TVYXFootnoteItem* note = list.Add();
    TVYXCharRunFootnote* ref = t.Anchor->InsertFootnote(t.Anchor->EndOfParaPos(), note, endnote);
    // The body's mark carries the format of its \chftn (superscript, usually).
    if (ref && t.MarkFormat)
        ref->SetCHPX(t.MarkFormat.get());
    note->CharRun = ref;
    note->FNotePara = t.Anchor;
    TVYXLogPara* para = notes.Paras().AppendPara();
    t.NoteRef = para->InsertFootnoteRef(1, note, endnote);
    note->StartPara = note->EndPara = para;
    t.Note = note;
    t.Paras = &notes.Paras();
    t.Para = para;
    t.ParaEnded = false;
}

// \chftn: in the body it gives the format of the next note's reference, inside a note
// that of the note's own mark.
void TRtfParser::NoteMark()
{
    TTarget& t = Target();
    if (t.Kind == tkNote) {
        CurrentPara();  // makes the note and its mark
        if (t.NoteRef)
            t.NoteRef->SetCHPX(&RunFormat());
        return;
    }
    FNoteMark = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
    FNoteMark->Assign(RunFormat(), nullptr);
}

void TRtfParser::EndNote(TTarget& t)
{
    if (t.Kind != tkNote)
        return;
    if (!t.Paras)
        MakeNote();
    if (t.Note && t.Paras && t.Paras->Count() > 0)
        if (TVYXLogPara* last = t.Paras->ParaAtIndex(t.Paras->Count() - 1))
            t.Note->EndPara = last;
}

void TRtfParser::CloseTarget()
{
    if (FTargets.size() <= 1)
        return;
    EndNote(FTargets.back());
    FTargets.pop_back();
}

}  // namespace vyx_rtf
