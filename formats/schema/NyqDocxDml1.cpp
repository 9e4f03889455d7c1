// NyqDocxDml1.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocxDml.h"

// ---------------------------------------------------------------------------
// TCT_Picture_pic

TCT_Picture_pic::TCT_Picture_pic() = default;
TCT_Picture_pic::~TCT_Picture_pic() = default;

TCT_PictureNonVisual& TCT_Picture_pic::Create_NvPicPr()
{
    if (!FNvPicPr) {
        FNvPicPr = std::make_unique<TCT_PictureNonVisual>();
        FNvPicPr->SetAssigned();
    }
    SetHasChildren();
    return *FNvPicPr;
}

TCT_BlipFillProperties& TCT_Picture_pic::Create_BlipFill()
{
    if (!FBlipFill) {
        FBlipFill = std::make_unique<TCT_BlipFillProperties>();
        FBlipFill->SetAssigned();
    }
    SetHasChildren();
    return *FBlipFill;
}

TCT_ShapeProperties& TCT_Picture_pic::Create_SpPr()
{
    if (!FSpPr) {
        FSpPr = std::make_unique<TCT_ShapeProperties>();
        FSpPr->SetAssigned();
    }
    SetHasChildren();
    return *FSpPr;
}

TNYQBase* TCT_Picture_pic::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 421:
        if (local == "spPr") {
            return &Create_SpPr();
        }
        break;
    case 706:
        if (local == "nvPicPr") {
            return &Create_NvPicPr();
        }
        break;
    case 814:
        if (local == "blipFill") {
            return &Create_BlipFill();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Picture_pic::Write(TNyqWriteXML& writer) const
{
    if (FNvPicPr && FNvPicPr->Available())
        NyqWriteChild(writer, "pic:nvPicPr", *FNvPicPr);
    if (FBlipFill && FBlipFill->Available())
        NyqWriteChild(writer, "pic:blipFill", *FBlipFill);
    if (FSpPr && FSpPr->Available())
        NyqWriteChild(writer, "pic:spPr", *FSpPr);
    FAny.Write(writer);
}

void TCT_Picture_pic::Clear()
{
    TNYQBase::Clear();
    FNvPicPr.reset();
    FBlipFill.reset();
    FSpPr.reset();
    FAny.Clear();
}

void TCT_Picture_pic::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Picture_pic*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FNvPicPr)
        Create_NvPicPr().Assign(*o->FNvPicPr);
    if (o->FBlipFill)
        Create_BlipFill().Assign(*o->FBlipFill);
    if (o->FSpPr)
        Create_SpPr().Assign(*o->FSpPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Picture_pic::HasElements() const
{
    return FNvPicPr != nullptr || FBlipFill != nullptr || FSpPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PictureNonVisual

TCT_PictureNonVisual::TCT_PictureNonVisual() = default;
TCT_PictureNonVisual::~TCT_PictureNonVisual() = default;

TCT_NonVisualDrawingProps& TCT_PictureNonVisual::Create_CNvPr()
{
    if (!FCNvPr) {
        FCNvPr = std::make_unique<TCT_NonVisualDrawingProps>();
        FCNvPr->SetAssigned();
    }
    SetHasChildren();
    return *FCNvPr;
}

TCT_NonVisualPictureProperties& TCT_PictureNonVisual::Create_CNvPicPr()
{
    if (!FCNvPicPr) {
        FCNvPicPr = std::make_unique<TCT_NonVisualPictureProperties>();
        FCNvPicPr->SetAssigned();
    }
    SetHasChildren();
    return *FCNvPicPr;
}

TNYQBase* TCT_PictureNonVisual::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 489:
        if (local == "cNvPr") {
            return &Create_CNvPr();
        }
        break;
    case 773:
        if (local == "cNvPicPr") {
            return &Create_CNvPicPr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PictureNonVisual::Write(TNyqWriteXML& writer) const
{
    if (FCNvPr && FCNvPr->Available())
        NyqWriteChild(writer, "pic:cNvPr", *FCNvPr);
    if (FCNvPicPr && FCNvPicPr->Available())
        NyqWriteChild(writer, "pic:cNvPicPr", *FCNvPicPr);
    FAny.Write(writer);
}

void TCT_PictureNonVisual::Clear()
{
    TNYQBase::Clear();
    FCNvPr.reset();
    FCNvPicPr.reset();
    FAny.Clear();
}

void TCT_PictureNonVisual::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PictureNonVisual*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FCNvPr)
        Create_CNvPr().Assign(*o->FCNvPr);
    if (o->FCNvPicPr)
        Create_CNvPicPr().Assign(*o->FCNvPicPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PictureNonVisual::HasElements() const
{
    return FCNvPr != nullptr || FCNvPicPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_BlipFillProperties

TCT_BlipFillProperties::TCT_BlipFillProperties() = default;
TCT_BlipFillProperties::~TCT_BlipFillProperties() = default;

TCT_Blip& TCT_BlipFillProperties::Create_Blip()
{
    if (!FBlip) {
        FBlip = std::make_unique<TCT_Blip>();
        FBlip->SetAssigned();
    }
    SetHasChildren();
    return *FBlip;
}

TCT_RelativeRect& TCT_BlipFillProperties::Create_SrcRect()
{
    if (!FSrcRect) {
        FSrcRect = std::make_unique<TCT_RelativeRect>();
        FSrcRect->SetAssigned();
    }
    SetHasChildren();
    return *FSrcRect;
}

TCT_TileInfoProperties& TCT_BlipFillProperties::Create_Tile()
{
    if (!FTile) {
        FTile = std::make_unique<TCT_TileInfoProperties>();
        FTile->SetAssigned();
    }
    SetHasChildren();
    return *FTile;
}

TCT_StretchInfoProperties& TCT_BlipFillProperties::Create_Stretch()
{
    if (!FStretch) {
        FStretch = std::make_unique<TCT_StretchInfoProperties>();
        FStretch->SetAssigned();
    }
    SetHasChildren();
    return *FStretch;
}

TNYQBase* TCT_BlipFillProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 423:
        if (local == "blip") {
            return &Create_Blip();
        }
        break;
    case 430:
        if (local == "tile") {
            return &Create_Tile();
        }
        break;
    case 726:
        if (local == "srcRect") {
            return &Create_SrcRect();
        }
        break;
    case 765:
        if (local == "stretch") {
            return &Create_Stretch();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_BlipFillProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 317:
            if (local == "dpi") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDpi = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1250:
            if (local == "rotWithShape") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FRotWithShape = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_BlipFillProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDpi)
        writer.AddAttribute("dpi", XmlIntToStr(*FDpi));
    if (FRotWithShape)
        writer.AddAttribute("rotWithShape", XmlBoolToStr(*FRotWithShape));
}

void TCT_BlipFillProperties::Write(TNyqWriteXML& writer) const
{
    if (FBlip && FBlip->Available())
        NyqWriteChild(writer, "a:blip", *FBlip);
    if (FSrcRect && FSrcRect->Available())
        NyqWriteChild(writer, "a:srcRect", *FSrcRect);
    if (FTile && FTile->Available())
        NyqWriteChild(writer, "a:tile", *FTile);
    if (FStretch && FStretch->Available())
        NyqWriteChild(writer, "a:stretch", *FStretch);
    FAny.Write(writer);
}

void TCT_BlipFillProperties::Clear()
{
    TNYQBase::Clear();
    FDpi = {};
    FRotWithShape = {};
    FBlip.reset();
    FSrcRect.reset();
    FTile.reset();
    FStretch.reset();
    FAny.Clear();
}

void TCT_BlipFillProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_BlipFillProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDpi = o->FDpi;
    FRotWithShape = o->FRotWithShape;
    if (o->FBlip)
        Create_Blip().Assign(*o->FBlip);
    if (o->FSrcRect)
        Create_SrcRect().Assign(*o->FSrcRect);
    if (o->FTile)
        Create_Tile().Assign(*o->FTile);
    if (o->FStretch)
        Create_Stretch().Assign(*o->FStretch);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_BlipFillProperties::HasElements() const
{
    return FBlip != nullptr || FSrcRect != nullptr || FTile != nullptr || FStretch != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ShapeProperties

TCT_ShapeProperties::TCT_ShapeProperties() = default;
TCT_ShapeProperties::~TCT_ShapeProperties() = default;

TCT_Transform2D& TCT_ShapeProperties::Create_Xfrm()
{
    if (!FXfrm) {
        FXfrm = std::make_unique<TCT_Transform2D>();
        FXfrm->SetAssigned();
    }
    SetHasChildren();
    return *FXfrm;
}

TCT_CustomGeometry2D& TCT_ShapeProperties::Create_CustGeom()
{
    if (!FCustGeom) {
        FCustGeom = std::make_unique<TCT_CustomGeometry2D>();
        FCustGeom->SetAssigned();
    }
    SetHasChildren();
    return *FCustGeom;
}

TCT_PresetGeometry2D& TCT_ShapeProperties::Create_PrstGeom()
{
    if (!FPrstGeom) {
        FPrstGeom = std::make_unique<TCT_PresetGeometry2D>();
        FPrstGeom->SetAssigned();
    }
    SetHasChildren();
    return *FPrstGeom;
}

TCT_NoFillProperties& TCT_ShapeProperties::Create_NoFill()
{
    if (!FNoFill) {
        FNoFill = std::make_unique<TCT_NoFillProperties>();
        FNoFill->SetAssigned();
    }
    SetHasChildren();
    return *FNoFill;
}

TCT_SolidColorFillProperties& TCT_ShapeProperties::Create_SolidFill()
{
    if (!FSolidFill) {
        FSolidFill = std::make_unique<TCT_SolidColorFillProperties>();
        FSolidFill->SetAssigned();
    }
    SetHasChildren();
    return *FSolidFill;
}

TCT_GradientFillProperties& TCT_ShapeProperties::Create_GradFill()
{
    if (!FGradFill) {
        FGradFill = std::make_unique<TCT_GradientFillProperties>();
        FGradFill->SetAssigned();
    }
    SetHasChildren();
    return *FGradFill;
}

TCT_BlipFillProperties& TCT_ShapeProperties::Create_BlipFill()
{
    if (!FBlipFill) {
        FBlipFill = std::make_unique<TCT_BlipFillProperties>();
        FBlipFill->SetAssigned();
    }
    SetHasChildren();
    return *FBlipFill;
}

TCT_PatternFillProperties& TCT_ShapeProperties::Create_PattFill()
{
    if (!FPattFill) {
        FPattFill = std::make_unique<TCT_PatternFillProperties>();
        FPattFill->SetAssigned();
    }
    SetHasChildren();
    return *FPattFill;
}

TCT_GroupFillProperties& TCT_ShapeProperties::Create_GrpFill()
{
    if (!FGrpFill) {
        FGrpFill = std::make_unique<TCT_GroupFillProperties>();
        FGrpFill->SetAssigned();
    }
    SetHasChildren();
    return *FGrpFill;
}

TCT_LineProperties& TCT_ShapeProperties::Create_Ln()
{
    if (!FLn) {
        FLn = std::make_unique<TCT_LineProperties>();
        FLn->SetAssigned();
    }
    SetHasChildren();
    return *FLn;
}

TCT_EffectList& TCT_ShapeProperties::Create_EffectLst()
{
    if (!FEffectLst) {
        FEffectLst = std::make_unique<TCT_EffectList>();
        FEffectLst->SetAssigned();
    }
    SetHasChildren();
    return *FEffectLst;
}

TCT_EffectContainer& TCT_ShapeProperties::Create_EffectDag()
{
    if (!FEffectDag) {
        FEffectDag = std::make_unique<TCT_EffectContainer>();
        FEffectDag->SetAssigned();
    }
    SetHasChildren();
    return *FEffectDag;
}

TCT_Scene3D& TCT_ShapeProperties::Create_Scene3d()
{
    if (!FScene3d) {
        FScene3d = std::make_unique<TCT_Scene3D>();
        FScene3d->SetAssigned();
    }
    SetHasChildren();
    return *FScene3d;
}

TCT_Shape3D& TCT_ShapeProperties::Create_Sp3d()
{
    if (!FSp3d) {
        FSp3d = std::make_unique<TCT_Shape3D>();
        FSp3d->SetAssigned();
    }
    SetHasChildren();
    return *FSp3d;
}

TCT_OfficeArtExtensionList& TCT_ShapeProperties::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_ShapeProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 218:
        if (local == "ln") {
            return &Create_Ln();
        }
        break;
    case 378:
        if (local == "sp3d") {
            return &Create_Sp3d();
        }
        break;
    case 445:
        if (local == "xfrm") {
            return &Create_Xfrm();
        }
        break;
    case 612:
        if (local == "noFill") {
            return &Create_NoFill();
        }
        break;
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    case 677:
        if (local == "scene3d") {
            return &Create_Scene3d();
        }
        break;
    case 720:
        if (local == "grpFill") {
            return &Create_GrpFill();
        }
        break;
    case 805:
        if (local == "gradFill") {
            return &Create_GradFill();
        }
        break;
    case 814:
        if (local == "blipFill") {
            return &Create_BlipFill();
        }
        break;
    case 832:
        if (local == "pattFill") {
            return &Create_PattFill();
        }
        break;
    case 839:
        if (local == "custGeom") {
            return &Create_CustGeom();
        }
        break;
    case 849:
        if (local == "prstGeom") {
            return &Create_PrstGeom();
        }
        break;
    case 889:
        if (local == "effectDag") {
            return &Create_EffectDag();
        }
        break;
    case 928:
        if (local == "effectLst") {
            return &Create_EffectLst();
        }
        break;
    case 930:
        if (local == "solidFill") {
            return &Create_SolidFill();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ShapeProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 606:
            if (local == "bwMode") {
                if (const auto v = StrToTST_BlackWhiteMode(attrs.GetValues(i)))
                    FBwMode = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_ShapeProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FBwMode)
        writer.AddAttribute("bwMode", TST_BlackWhiteModeToStr(*FBwMode));
}

void TCT_ShapeProperties::Write(TNyqWriteXML& writer) const
{
    if (FXfrm && FXfrm->Available())
        NyqWriteChild(writer, "a:xfrm", *FXfrm);
    if (FCustGeom && FCustGeom->Available())
        NyqWriteChild(writer, "a:custGeom", *FCustGeom);
    if (FPrstGeom && FPrstGeom->Available())
        NyqWriteChild(writer, "a:prstGeom", *FPrstGeom);
    if (FNoFill && FNoFill->Available())
        NyqWriteChild(writer, "a:noFill", *FNoFill);
    if (FSolidFill && FSolidFill->Available())
        NyqWriteChild(writer, "a:solidFill", *FSolidFill);
    if (FGradFill && FGradFill->Available())
        NyqWriteChild(writer, "a:gradFill", *FGradFill);
    if (FBlipFill && FBlipFill->Available())
        NyqWriteChild(writer, "a:blipFill", *FBlipFill);
    if (FPattFill && FPattFill->Available())
        NyqWriteChild(writer, "a:pattFill", *FPattFill);
    if (FGrpFill && FGrpFill->Available())
        NyqWriteChild(writer, "a:grpFill", *FGrpFill);
    if (FLn && FLn->Available())
        NyqWriteChild(writer, "a:ln", *FLn);
    if (FEffectLst && FEffectLst->Available())
        NyqWriteChild(writer, "a:effectLst", *FEffectLst);
    if (FEffectDag && FEffectDag->Available())
        NyqWriteChild(writer, "a:effectDag", *FEffectDag);
    if (FScene3d && FScene3d->Available())
        NyqWriteChild(writer, "a:scene3d", *FScene3d);
    if (FSp3d && FSp3d->Available())
        NyqWriteChild(writer, "a:sp3d", *FSp3d);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_ShapeProperties::Clear()
{
    TNYQBase::Clear();
    FBwMode = {};
    FXfrm.reset();
    FCustGeom.reset();
    FPrstGeom.reset();
    FNoFill.reset();
    FSolidFill.reset();
    FGradFill.reset();
    FBlipFill.reset();
    FPattFill.reset();
    FGrpFill.reset();
    FLn.reset();
    FEffectLst.reset();
    FEffectDag.reset();
    FScene3d.reset();
    FSp3d.reset();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_ShapeProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ShapeProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FBwMode = o->FBwMode;
    if (o->FXfrm)
        Create_Xfrm().Assign(*o->FXfrm);
    if (o->FCustGeom)
        Create_CustGeom().Assign(*o->FCustGeom);
    if (o->FPrstGeom)
        Create_PrstGeom().Assign(*o->FPrstGeom);
    if (o->FNoFill)
        Create_NoFill().Assign(*o->FNoFill);
    if (o->FSolidFill)
        Create_SolidFill().Assign(*o->FSolidFill);
    if (o->FGradFill)
        Create_GradFill().Assign(*o->FGradFill);
    if (o->FBlipFill)
        Create_BlipFill().Assign(*o->FBlipFill);
    if (o->FPattFill)
        Create_PattFill().Assign(*o->FPattFill);
    if (o->FGrpFill)
        Create_GrpFill().Assign(*o->FGrpFill);
    if (o->FLn)
        Create_Ln().Assign(*o->FLn);
    if (o->FEffectLst)
        Create_EffectLst().Assign(*o->FEffectLst);
    if (o->FEffectDag)
        Create_EffectDag().Assign(*o->FEffectDag);
    if (o->FScene3d)
        Create_Scene3d().Assign(*o->FScene3d);
    if (o->FSp3d)
        Create_Sp3d().Assign(*o->FSp3d);
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ShapeProperties::HasElements() const
{
    return FXfrm != nullptr || FCustGeom != nullptr || FPrstGeom != nullptr || FNoFill != nullptr || FSolidFill != nullptr || FGradFill != nullptr || FBlipFill != nullptr || FPattFill != nullptr || FGrpFill != nullptr || FLn != nullptr || FEffectLst != nullptr || FEffectDag != nullptr || FScene3d != nullptr || FSp3d != nullptr || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_NonVisualDrawingProps

TCT_NonVisualDrawingProps::TCT_NonVisualDrawingProps() = default;
TCT_NonVisualDrawingProps::~TCT_NonVisualDrawingProps() = default;

TCT_Hyperlink_a& TCT_NonVisualDrawingProps::Create_HlinkClick()
{
    if (!FHlinkClick) {
        FHlinkClick = std::make_unique<TCT_Hyperlink_a>();
        FHlinkClick->SetAssigned();
    }
    SetHasChildren();
    return *FHlinkClick;
}

TCT_Hyperlink_a& TCT_NonVisualDrawingProps::Create_HlinkHover()
{
    if (!FHlinkHover) {
        FHlinkHover = std::make_unique<TCT_Hyperlink_a>();
        FHlinkHover->SetAssigned();
    }
    SetHasChildren();
    return *FHlinkHover;
}

TCT_OfficeArtExtensionList& TCT_NonVisualDrawingProps::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_NonVisualDrawingProps::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    case 1020:
        if (local == "hlinkClick") {
            return &Create_HlinkClick();
        }
        break;
    case 1050:
        if (local == "hlinkHover") {
            return &Create_HlinkHover();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_NonVisualDrawingProps::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FId = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 417:
            if (local == "name") {
                FName = attrs.GetValues(i);
                continue;
            }
            break;
        case 529:
            if (local == "descr") {
                FDescr = attrs.GetValues(i);
                continue;
            }
            break;
        case 546:
            if (local == "title") {
                FTitle = attrs.GetValues(i);
                continue;
            }
            break;
        case 620:
            if (local == "hidden") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FHidden = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_NonVisualDrawingProps::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("id", XmlIntToStr(FId));
    writer.AddAttribute("name", FName);
    if (FDescr)
        writer.AddAttribute("descr", *FDescr);
    if (FHidden)
        writer.AddAttribute("hidden", XmlBoolToStr(*FHidden));
    if (FTitle)
        writer.AddAttribute("title", *FTitle);
}

void TCT_NonVisualDrawingProps::Write(TNyqWriteXML& writer) const
{
    if (FHlinkClick && FHlinkClick->Available())
        NyqWriteChild(writer, "a:hlinkClick", *FHlinkClick);
    if (FHlinkHover && FHlinkHover->Available())
        NyqWriteChild(writer, "a:hlinkHover", *FHlinkHover);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_NonVisualDrawingProps::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FName = {};
    FDescr = {};
    FHidden = {};
    FTitle = {};
    FHlinkClick.reset();
    FHlinkHover.reset();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_NonVisualDrawingProps::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_NonVisualDrawingProps*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FName = o->FName;
    FDescr = o->FDescr;
    FHidden = o->FHidden;
    FTitle = o->FTitle;
    if (o->FHlinkClick)
        Create_HlinkClick().Assign(*o->FHlinkClick);
    if (o->FHlinkHover)
        Create_HlinkHover().Assign(*o->FHlinkHover);
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_NonVisualDrawingProps::HasElements() const
{
    return FHlinkClick != nullptr || FHlinkHover != nullptr || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_NonVisualPictureProperties

TCT_NonVisualPictureProperties::TCT_NonVisualPictureProperties() = default;
TCT_NonVisualPictureProperties::~TCT_NonVisualPictureProperties() = default;

TCT_PictureLocking& TCT_NonVisualPictureProperties::Create_PicLocks()
{
    if (!FPicLocks) {
        FPicLocks = std::make_unique<TCT_PictureLocking>();
        FPicLocks->SetAssigned();
    }
    SetHasChildren();
    return *FPicLocks;
}

TCT_OfficeArtExtensionList& TCT_NonVisualPictureProperties::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_NonVisualPictureProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    case 824:
        if (local == "picLocks") {
            return &Create_PicLocks();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_NonVisualPictureProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 2098:
            if (local == "preferRelativeResize") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FPreferRelativeResize = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_NonVisualPictureProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FPreferRelativeResize)
        writer.AddAttribute("preferRelativeResize", XmlBoolToStr(*FPreferRelativeResize));
}

void TCT_NonVisualPictureProperties::Write(TNyqWriteXML& writer) const
{
    if (FPicLocks && FPicLocks->Available())
        NyqWriteChild(writer, "a:picLocks", *FPicLocks);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_NonVisualPictureProperties::Clear()
{
    TNYQBase::Clear();
    FPreferRelativeResize = {};
    FPicLocks.reset();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_NonVisualPictureProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_NonVisualPictureProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FPreferRelativeResize = o->FPreferRelativeResize;
    if (o->FPicLocks)
        Create_PicLocks().Assign(*o->FPicLocks);
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_NonVisualPictureProperties::HasElements() const
{
    return FPicLocks != nullptr || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Blip

namespace {
constexpr std::string_view cTCT_BlipFChoice1ListNames[] = {"a:alphaBiLevel", "a:alphaCeiling", "a:alphaFloor", "a:alphaInv", "a:alphaMod", "a:alphaModFix", "a:alphaRepl", "a:biLevel", "a:blur", "a:clrChange", "a:clrRepl", "a:duotone", "a:fillOverlay", "a:grayscl", "a:hsl", "a:lum", "a:tint"};
}  // namespace

TCT_Blip::TCT_Blip() = default;
TCT_Blip::~TCT_Blip() = default;

TCT_OfficeArtExtensionList& TCT_Blip::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_Blip::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 327:
        if (local == "hsl") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_HSLEffect>(14);
        }
        break;
    case 334:
        if (local == "lum") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_LuminanceEffect>(15);
        }
        break;
    case 437:
        if (local == "blur") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_BlurEffect>(8);
        }
        break;
    case 447:
        if (local == "tint") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TintEffect>(16);
        }
        break;
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    case 707:
        if (local == "biLevel") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_BiLevelEffect>(7);
        }
        break;
    case 724:
        if (local == "clrRepl") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ColorReplaceEffect>(10);
        }
        break;
    case 757:
        if (local == "grayscl") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_GrayscaleEffect>(13);
        }
        break;
    case 766:
        if (local == "duotone") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_DuotoneEffect>(11);
        }
        break;
    case 806:
        if (local == "alphaMod") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AlphaModulateEffect>(4);
        }
        break;
    case 819:
        if (local == "alphaInv") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AlphaInverseEffect>(3);
        }
        break;
    case 903:
        if (local == "clrChange") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ColorChangeEffect>(9);
        }
        break;
    case 921:
        if (local == "alphaRepl") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AlphaReplaceEffect>(6);
        }
        break;
    case 1032:
        if (local == "alphaFloor") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AlphaFloorEffect>(2);
        }
        break;
    case 1101:
        if (local == "alphaModFix") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AlphaModulateFixedEffect>(5);
        }
        break;
    case 1161:
        if (local == "fillOverlay") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_FillOverlayEffect>(12);
        }
        break;
    case 1193:
        if (local == "alphaBiLevel") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AlphaBiLevelEffect>(0);
        }
        break;
    case 1217:
        if (local == "alphaCeiling") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AlphaCeilingEffect>(1);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Blip::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 430:
            if (local == "link") {
                FLink = attrs.GetValues(i);
                continue;
            }
            break;
        case 509:
            if (local == "embed") {
                FEmbed = attrs.GetValues(i);
                continue;
            }
            break;
        case 644:
            if (local == "cstate") {
                if (const auto v = StrToTST_BlipCompression(attrs.GetValues(i)))
                    FCstate = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Blip::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FEmbed)
        writer.AddAttribute("r:embed", *FEmbed);
    if (FLink)
        writer.AddAttribute("r:link", *FLink);
    if (FCstate)
        writer.AddAttribute("cstate", TST_BlipCompressionToStr(*FCstate));
}

void TCT_Blip::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_BlipFChoice1ListNames[item.Element], *item.Object);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_Blip::Clear()
{
    TNYQBase::Clear();
    FEmbed = {};
    FLink = {};
    FCstate = {};
    FChoice1List.Clear();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_Blip::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Blip*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FEmbed = o->FEmbed;
    FLink = o->FLink;
    FCstate = o->FCstate;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_AlphaBiLevelEffect>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_AlphaCeilingEffect>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_AlphaFloorEffect>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_AlphaInverseEffect>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_AlphaModulateEffect>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_AlphaModulateFixedEffect>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_AlphaReplaceEffect>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_BiLevelEffect>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_BlurEffect>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_ColorChangeEffect>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_ColorReplaceEffect>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_DuotoneEffect>(11).Assign(*item.Object);
            break;
        case 12:
            FChoice1List.Add<TCT_FillOverlayEffect>(12).Assign(*item.Object);
            break;
        case 13:
            FChoice1List.Add<TCT_GrayscaleEffect>(13).Assign(*item.Object);
            break;
        case 14:
            FChoice1List.Add<TCT_HSLEffect>(14).Assign(*item.Object);
            break;
        case 15:
            FChoice1List.Add<TCT_LuminanceEffect>(15).Assign(*item.Object);
            break;
        case 16:
            FChoice1List.Add<TCT_TintEffect>(16).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Blip::HasElements() const
{
    return FChoice1List.Count() > 0 || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RelativeRect

TCT_RelativeRect::TCT_RelativeRect() = default;
TCT_RelativeRect::~TCT_RelativeRect() = default;

TNYQBase* TCT_RelativeRect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RelativeRect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 98:
            if (local == "b") {
                FB = attrs.GetValues(i);
                continue;
            }
            break;
        case 108:
            if (local == "l") {
                FL = attrs.GetValues(i);
                continue;
            }
            break;
        case 114:
            if (local == "r") {
                FR = attrs.GetValues(i);
                continue;
            }
            break;
        case 116:
            if (local == "t") {
                FT = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_RelativeRect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FL)
        writer.AddAttribute("l", *FL);
    if (FT)
        writer.AddAttribute("t", *FT);
    if (FR)
        writer.AddAttribute("r", *FR);
    if (FB)
        writer.AddAttribute("b", *FB);
}

void TCT_RelativeRect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_RelativeRect::Clear()
{
    TNYQBase::Clear();
    FL = {};
    FT = {};
    FR = {};
    FB = {};
    FAny.Clear();
}

void TCT_RelativeRect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RelativeRect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FL = o->FL;
    FT = o->FT;
    FR = o->FR;
    FB = o->FB;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RelativeRect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TileInfoProperties

TCT_TileInfoProperties::TCT_TileInfoProperties() = default;
TCT_TileInfoProperties::~TCT_TileInfoProperties() = default;

TNYQBase* TCT_TileInfoProperties::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TileInfoProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 235:
            if (local == "sx") {
                FSx = attrs.GetValues(i);
                continue;
            }
            break;
        case 236:
            if (local == "tx") {
                FTx = attrs.GetValues(i);
                continue;
            }
            if (local == "sy") {
                FSy = attrs.GetValues(i);
                continue;
            }
            break;
        case 237:
            if (local == "ty") {
                FTy = attrs.GetValues(i);
                continue;
            }
            break;
        case 418:
            if (local == "algn") {
                if (const auto v = StrToTST_RectAlignment(attrs.GetValues(i)))
                    FAlgn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 427:
            if (local == "flip") {
                if (const auto v = StrToTST_TileFlipMode(attrs.GetValues(i)))
                    FFlip = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_TileInfoProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FTx)
        writer.AddAttribute("tx", *FTx);
    if (FTy)
        writer.AddAttribute("ty", *FTy);
    if (FSx)
        writer.AddAttribute("sx", *FSx);
    if (FSy)
        writer.AddAttribute("sy", *FSy);
    if (FFlip)
        writer.AddAttribute("flip", TST_TileFlipModeToStr(*FFlip));
    if (FAlgn)
        writer.AddAttribute("algn", TST_RectAlignmentToStr(*FAlgn));
}

void TCT_TileInfoProperties::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TileInfoProperties::Clear()
{
    TNYQBase::Clear();
    FTx = {};
    FTy = {};
    FSx = {};
    FSy = {};
    FFlip = {};
    FAlgn = {};
    FAny.Clear();
}

void TCT_TileInfoProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TileInfoProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FTx = o->FTx;
    FTy = o->FTy;
    FSx = o->FSx;
    FSy = o->FSy;
    FFlip = o->FFlip;
    FAlgn = o->FAlgn;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TileInfoProperties::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_StretchInfoProperties

TCT_StretchInfoProperties::TCT_StretchInfoProperties() = default;
TCT_StretchInfoProperties::~TCT_StretchInfoProperties() = default;

TCT_RelativeRect& TCT_StretchInfoProperties::Create_FillRect()
{
    if (!FFillRect) {
        FFillRect = std::make_unique<TCT_RelativeRect>();
        FFillRect->SetAssigned();
    }
    SetHasChildren();
    return *FFillRect;
}

TNYQBase* TCT_StretchInfoProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 821:
        if (local == "fillRect") {
            return &Create_FillRect();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_StretchInfoProperties::Write(TNyqWriteXML& writer) const
{
    if (FFillRect && FFillRect->Available())
        NyqWriteChild(writer, "a:fillRect", *FFillRect);
    FAny.Write(writer);
}

void TCT_StretchInfoProperties::Clear()
{
    TNYQBase::Clear();
    FFillRect.reset();
    FAny.Clear();
}

void TCT_StretchInfoProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_StretchInfoProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FFillRect)
        Create_FillRect().Assign(*o->FFillRect);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_StretchInfoProperties::HasElements() const
{
    return FFillRect != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Transform2D

TCT_Transform2D::TCT_Transform2D() = default;
TCT_Transform2D::~TCT_Transform2D() = default;

TCT_Point2D& TCT_Transform2D::Create_Off()
{
    if (!FOff) {
        FOff = std::make_unique<TCT_Point2D>();
        FOff->SetAssigned();
    }
    SetHasChildren();
    return *FOff;
}

TCT_PositiveSize2D& TCT_Transform2D::Create_Ext()
{
    if (!FExt) {
        FExt = std::make_unique<TCT_PositiveSize2D>();
        FExt->SetAssigned();
    }
    SetHasChildren();
    return *FExt;
}

TNYQBase* TCT_Transform2D::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 315:
        if (local == "off") {
            return &Create_Off();
        }
        break;
    case 337:
        if (local == "ext") {
            return &Create_Ext();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Transform2D::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 341:
            if (local == "rot") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FRot = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 499:
            if (local == "flipH") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FFlipH = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 513:
            if (local == "flipV") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FFlipV = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Transform2D::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FRot)
        writer.AddAttribute("rot", XmlIntToStr(*FRot));
    if (FFlipH)
        writer.AddAttribute("flipH", XmlBoolToStr(*FFlipH));
    if (FFlipV)
        writer.AddAttribute("flipV", XmlBoolToStr(*FFlipV));
}

void TCT_Transform2D::Write(TNyqWriteXML& writer) const
{
    if (FOff && FOff->Available())
        NyqWriteChild(writer, "a:off", *FOff);
    if (FExt && FExt->Available())
        NyqWriteChild(writer, "a:ext", *FExt);
    FAny.Write(writer);
}

void TCT_Transform2D::Clear()
{
    TNYQBase::Clear();
    FRot = {};
    FFlipH = {};
    FFlipV = {};
    FOff.reset();
    FExt.reset();
    FAny.Clear();
}

void TCT_Transform2D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Transform2D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRot = o->FRot;
    FFlipH = o->FFlipH;
    FFlipV = o->FFlipV;
    if (o->FOff)
        Create_Off().Assign(*o->FOff);
    if (o->FExt)
        Create_Ext().Assign(*o->FExt);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Transform2D::HasElements() const
{
    return FOff != nullptr || FExt != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CustomGeometry2D

TCT_CustomGeometry2D::TCT_CustomGeometry2D() = default;
TCT_CustomGeometry2D::~TCT_CustomGeometry2D() = default;

TCT_GeomGuideList& TCT_CustomGeometry2D::Create_AvLst()
{
    if (!FAvLst) {
        FAvLst = std::make_unique<TCT_GeomGuideList>();
        FAvLst->SetAssigned();
    }
    SetHasChildren();
    return *FAvLst;
}

TCT_GeomGuideList& TCT_CustomGeometry2D::Create_GdLst()
{
    if (!FGdLst) {
        FGdLst = std::make_unique<TCT_GeomGuideList>();
        FGdLst->SetAssigned();
    }
    SetHasChildren();
    return *FGdLst;
}

TCT_AdjustHandleList& TCT_CustomGeometry2D::Create_AhLst()
{
    if (!FAhLst) {
        FAhLst = std::make_unique<TCT_AdjustHandleList>();
        FAhLst->SetAssigned();
    }
    SetHasChildren();
    return *FAhLst;
}

TCT_ConnectionSiteList& TCT_CustomGeometry2D::Create_CxnLst()
{
    if (!FCxnLst) {
        FCxnLst = std::make_unique<TCT_ConnectionSiteList>();
        FCxnLst->SetAssigned();
    }
    SetHasChildren();
    return *FCxnLst;
}

TCT_GeomRect& TCT_CustomGeometry2D::Create_Rect()
{
    if (!FRect) {
        FRect = std::make_unique<TCT_GeomRect>();
        FRect->SetAssigned();
    }
    SetHasChildren();
    return *FRect;
}

TCT_Path2DList& TCT_CustomGeometry2D::Create_PathLst()
{
    if (!FPathLst) {
        FPathLst = std::make_unique<TCT_Path2DList>();
        FPathLst->SetAssigned();
    }
    SetHasChildren();
    return *FPathLst;
}

TNYQBase* TCT_CustomGeometry2D::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 430:
        if (local == "rect") {
            return &Create_Rect();
        }
        break;
    case 508:
        if (local == "ahLst") {
            return &Create_AhLst();
        }
        break;
    case 510:
        if (local == "gdLst") {
            return &Create_GdLst();
        }
        break;
    case 522:
        if (local == "avLst") {
            return &Create_AvLst();
        }
        break;
    case 636:
        if (local == "cxnLst") {
            return &Create_CxnLst();
        }
        break;
    case 736:
        if (local == "pathLst") {
            return &Create_PathLst();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CustomGeometry2D::Write(TNyqWriteXML& writer) const
{
    if (FAvLst && FAvLst->Available())
        NyqWriteChild(writer, "a:avLst", *FAvLst);
    if (FGdLst && FGdLst->Available())
        NyqWriteChild(writer, "a:gdLst", *FGdLst);
    if (FAhLst && FAhLst->Available())
        NyqWriteChild(writer, "a:ahLst", *FAhLst);
    if (FCxnLst && FCxnLst->Available())
        NyqWriteChild(writer, "a:cxnLst", *FCxnLst);
    if (FRect && FRect->Available())
        NyqWriteChild(writer, "a:rect", *FRect);
    if (FPathLst && FPathLst->Available())
        NyqWriteChild(writer, "a:pathLst", *FPathLst);
    FAny.Write(writer);
}

void TCT_CustomGeometry2D::Clear()
{
    TNYQBase::Clear();
    FAvLst.reset();
    FGdLst.reset();
    FAhLst.reset();
    FCxnLst.reset();
    FRect.reset();
    FPathLst.reset();
    FAny.Clear();
}

void TCT_CustomGeometry2D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CustomGeometry2D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FAvLst)
        Create_AvLst().Assign(*o->FAvLst);
    if (o->FGdLst)
        Create_GdLst().Assign(*o->FGdLst);
    if (o->FAhLst)
        Create_AhLst().Assign(*o->FAhLst);
    if (o->FCxnLst)
        Create_CxnLst().Assign(*o->FCxnLst);
    if (o->FRect)
        Create_Rect().Assign(*o->FRect);
    if (o->FPathLst)
        Create_PathLst().Assign(*o->FPathLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CustomGeometry2D::HasElements() const
{
    return FAvLst != nullptr || FGdLst != nullptr || FAhLst != nullptr || FCxnLst != nullptr || FRect != nullptr || FPathLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PresetGeometry2D

TCT_PresetGeometry2D::TCT_PresetGeometry2D() = default;
TCT_PresetGeometry2D::~TCT_PresetGeometry2D() = default;

TCT_GeomGuideList& TCT_PresetGeometry2D::Create_AvLst()
{
    if (!FAvLst) {
        FAvLst = std::make_unique<TCT_GeomGuideList>();
        FAvLst->SetAssigned();
    }
    SetHasChildren();
    return *FAvLst;
}

TNYQBase* TCT_PresetGeometry2D::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 522:
        if (local == "avLst") {
            return &Create_AvLst();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PresetGeometry2D::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 457:
            if (local == "prst") {
                if (const auto v = StrToTST_ShapeType(attrs.GetValues(i)))
                    FPrst = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_PresetGeometry2D::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("prst", TST_ShapeTypeToStr(FPrst));
}

void TCT_PresetGeometry2D::Write(TNyqWriteXML& writer) const
{
    if (FAvLst && FAvLst->Available())
        NyqWriteChild(writer, "a:avLst", *FAvLst);
    FAny.Write(writer);
}

void TCT_PresetGeometry2D::Clear()
{
    TNYQBase::Clear();
    FPrst = {};
    FAvLst.reset();
    FAny.Clear();
}

void TCT_PresetGeometry2D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PresetGeometry2D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FPrst = o->FPrst;
    if (o->FAvLst)
        Create_AvLst().Assign(*o->FAvLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PresetGeometry2D::HasElements() const
{
    return FAvLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_NoFillProperties

TCT_NoFillProperties::TCT_NoFillProperties() = default;
TCT_NoFillProperties::~TCT_NoFillProperties() = default;

TNYQBase* TCT_NoFillProperties::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_NoFillProperties::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_NoFillProperties::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_NoFillProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_NoFillProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_NoFillProperties::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SolidColorFillProperties

TCT_SolidColorFillProperties::TCT_SolidColorFillProperties() = default;
TCT_SolidColorFillProperties::~TCT_SolidColorFillProperties() = default;

TCT_ScRgbColor& TCT_SolidColorFillProperties::Create_ScrgbClr()
{
    if (!FScrgbClr) {
        FScrgbClr = std::make_unique<TCT_ScRgbColor>();
        FScrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FScrgbClr;
}

TCT_SRgbColor& TCT_SolidColorFillProperties::Create_SrgbClr()
{
    if (!FSrgbClr) {
        FSrgbClr = std::make_unique<TCT_SRgbColor>();
        FSrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FSrgbClr;
}

TCT_HslColor& TCT_SolidColorFillProperties::Create_HslClr()
{
    if (!FHslClr) {
        FHslClr = std::make_unique<TCT_HslColor>();
        FHslClr->SetAssigned();
    }
    SetHasChildren();
    return *FHslClr;
}

TCT_SystemColor& TCT_SolidColorFillProperties::Create_SysClr()
{
    if (!FSysClr) {
        FSysClr = std::make_unique<TCT_SystemColor>();
        FSysClr->SetAssigned();
    }
    SetHasChildren();
    return *FSysClr;
}

TCT_SchemeColor& TCT_SolidColorFillProperties::Create_SchemeClr()
{
    if (!FSchemeClr) {
        FSchemeClr = std::make_unique<TCT_SchemeColor>();
        FSchemeClr->SetAssigned();
    }
    SetHasChildren();
    return *FSchemeClr;
}

TCT_PresetColor& TCT_SolidColorFillProperties::Create_PrstClr()
{
    if (!FPrstClr) {
        FPrstClr = std::make_unique<TCT_PresetColor>();
        FPrstClr->SetAssigned();
    }
    SetHasChildren();
    return *FPrstClr;
}

TNYQBase* TCT_SolidColorFillProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            return &Create_HslClr();
        }
        break;
    case 640:
        if (local == "sysClr") {
            return &Create_SysClr();
        }
        break;
    case 719:
        if (local == "srgbClr") {
            return &Create_SrgbClr();
        }
        break;
    case 746:
        if (local == "prstClr") {
            return &Create_PrstClr();
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            return &Create_ScrgbClr();
        }
        break;
    case 918:
        if (local == "schemeClr") {
            return &Create_SchemeClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SolidColorFillProperties::Write(TNyqWriteXML& writer) const
{
    if (FScrgbClr && FScrgbClr->Available())
        NyqWriteChild(writer, "a:scrgbClr", *FScrgbClr);
    if (FSrgbClr && FSrgbClr->Available())
        NyqWriteChild(writer, "a:srgbClr", *FSrgbClr);
    if (FHslClr && FHslClr->Available())
        NyqWriteChild(writer, "a:hslClr", *FHslClr);
    if (FSysClr && FSysClr->Available())
        NyqWriteChild(writer, "a:sysClr", *FSysClr);
    if (FSchemeClr && FSchemeClr->Available())
        NyqWriteChild(writer, "a:schemeClr", *FSchemeClr);
    if (FPrstClr && FPrstClr->Available())
        NyqWriteChild(writer, "a:prstClr", *FPrstClr);
    FAny.Write(writer);
}

void TCT_SolidColorFillProperties::Clear()
{
    TNYQBase::Clear();
    FScrgbClr.reset();
    FSrgbClr.reset();
    FHslClr.reset();
    FSysClr.reset();
    FSchemeClr.reset();
    FPrstClr.reset();
    FAny.Clear();
}

void TCT_SolidColorFillProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SolidColorFillProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FScrgbClr)
        Create_ScrgbClr().Assign(*o->FScrgbClr);
    if (o->FSrgbClr)
        Create_SrgbClr().Assign(*o->FSrgbClr);
    if (o->FHslClr)
        Create_HslClr().Assign(*o->FHslClr);
    if (o->FSysClr)
        Create_SysClr().Assign(*o->FSysClr);
    if (o->FSchemeClr)
        Create_SchemeClr().Assign(*o->FSchemeClr);
    if (o->FPrstClr)
        Create_PrstClr().Assign(*o->FPrstClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SolidColorFillProperties::HasElements() const
{
    return FScrgbClr != nullptr || FSrgbClr != nullptr || FHslClr != nullptr || FSysClr != nullptr || FSchemeClr != nullptr || FPrstClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GradientFillProperties

TCT_GradientFillProperties::TCT_GradientFillProperties() = default;
TCT_GradientFillProperties::~TCT_GradientFillProperties() = default;

TCT_GradientStopList& TCT_GradientFillProperties::Create_GsLst()
{
    if (!FGsLst) {
        FGsLst = std::make_unique<TCT_GradientStopList>();
        FGsLst->SetAssigned();
    }
    SetHasChildren();
    return *FGsLst;
}

TCT_LinearShadeProperties& TCT_GradientFillProperties::Create_Lin()
{
    if (!FLin) {
        FLin = std::make_unique<TCT_LinearShadeProperties>();
        FLin->SetAssigned();
    }
    SetHasChildren();
    return *FLin;
}

TCT_PathShadeProperties& TCT_GradientFillProperties::Create_Path()
{
    if (!FPath) {
        FPath = std::make_unique<TCT_PathShadeProperties>();
        FPath->SetAssigned();
    }
    SetHasChildren();
    return *FPath;
}

TCT_RelativeRect& TCT_GradientFillProperties::Create_TileRect()
{
    if (!FTileRect) {
        FTileRect = std::make_unique<TCT_RelativeRect>();
        FTileRect->SetAssigned();
    }
    SetHasChildren();
    return *FTileRect;
}

TNYQBase* TCT_GradientFillProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 323:
        if (local == "lin") {
            return &Create_Lin();
        }
        break;
    case 429:
        if (local == "path") {
            return &Create_Path();
        }
        break;
    case 525:
        if (local == "gsLst") {
            return &Create_GsLst();
        }
        break;
    case 828:
        if (local == "tileRect") {
            return &Create_TileRect();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GradientFillProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 427:
            if (local == "flip") {
                if (const auto v = StrToTST_TileFlipMode(attrs.GetValues(i)))
                    FFlip = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1250:
            if (local == "rotWithShape") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FRotWithShape = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_GradientFillProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FFlip)
        writer.AddAttribute("flip", TST_TileFlipModeToStr(*FFlip));
    if (FRotWithShape)
        writer.AddAttribute("rotWithShape", XmlBoolToStr(*FRotWithShape));
}

void TCT_GradientFillProperties::Write(TNyqWriteXML& writer) const
{
    if (FGsLst && FGsLst->Available())
        NyqWriteChild(writer, "a:gsLst", *FGsLst);
    if (FLin && FLin->Available())
        NyqWriteChild(writer, "a:lin", *FLin);
    if (FPath && FPath->Available())
        NyqWriteChild(writer, "a:path", *FPath);
    if (FTileRect && FTileRect->Available())
        NyqWriteChild(writer, "a:tileRect", *FTileRect);
    FAny.Write(writer);
}

void TCT_GradientFillProperties::Clear()
{
    TNYQBase::Clear();
    FFlip = {};
    FRotWithShape = {};
    FGsLst.reset();
    FLin.reset();
    FPath.reset();
    FTileRect.reset();
    FAny.Clear();
}

void TCT_GradientFillProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GradientFillProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FFlip = o->FFlip;
    FRotWithShape = o->FRotWithShape;
    if (o->FGsLst)
        Create_GsLst().Assign(*o->FGsLst);
    if (o->FLin)
        Create_Lin().Assign(*o->FLin);
    if (o->FPath)
        Create_Path().Assign(*o->FPath);
    if (o->FTileRect)
        Create_TileRect().Assign(*o->FTileRect);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GradientFillProperties::HasElements() const
{
    return FGsLst != nullptr || FLin != nullptr || FPath != nullptr || FTileRect != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PatternFillProperties

TCT_PatternFillProperties::TCT_PatternFillProperties() = default;
TCT_PatternFillProperties::~TCT_PatternFillProperties() = default;

TCT_Color_a& TCT_PatternFillProperties::Create_FgClr()
{
    if (!FFgClr) {
        FFgClr = std::make_unique<TCT_Color_a>();
        FFgClr->SetAssigned();
    }
    SetHasChildren();
    return *FFgClr;
}

TCT_Color_a& TCT_PatternFillProperties::Create_BgClr()
{
    if (!FBgClr) {
        FBgClr = std::make_unique<TCT_Color_a>();
        FBgClr->SetAssigned();
    }
    SetHasChildren();
    return *FBgClr;
}

TNYQBase* TCT_PatternFillProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 490:
        if (local == "bgClr") {
            return &Create_BgClr();
        }
        break;
    case 494:
        if (local == "fgClr") {
            return &Create_FgClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PatternFillProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 457:
            if (local == "prst") {
                if (const auto v = StrToTST_PresetPatternVal(attrs.GetValues(i)))
                    FPrst = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_PatternFillProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FPrst)
        writer.AddAttribute("prst", TST_PresetPatternValToStr(*FPrst));
}

void TCT_PatternFillProperties::Write(TNyqWriteXML& writer) const
{
    if (FFgClr && FFgClr->Available())
        NyqWriteChild(writer, "a:fgClr", *FFgClr);
    if (FBgClr && FBgClr->Available())
        NyqWriteChild(writer, "a:bgClr", *FBgClr);
    FAny.Write(writer);
}

void TCT_PatternFillProperties::Clear()
{
    TNYQBase::Clear();
    FPrst = {};
    FFgClr.reset();
    FBgClr.reset();
    FAny.Clear();
}

void TCT_PatternFillProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PatternFillProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FPrst = o->FPrst;
    if (o->FFgClr)
        Create_FgClr().Assign(*o->FFgClr);
    if (o->FBgClr)
        Create_BgClr().Assign(*o->FBgClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PatternFillProperties::HasElements() const
{
    return FFgClr != nullptr || FBgClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GroupFillProperties

TCT_GroupFillProperties::TCT_GroupFillProperties() = default;
TCT_GroupFillProperties::~TCT_GroupFillProperties() = default;

TNYQBase* TCT_GroupFillProperties::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GroupFillProperties::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_GroupFillProperties::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_GroupFillProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GroupFillProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GroupFillProperties::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LineProperties

TCT_LineProperties::TCT_LineProperties() = default;
TCT_LineProperties::~TCT_LineProperties() = default;

TCT_NoFillProperties& TCT_LineProperties::Create_NoFill()
{
    if (!FNoFill) {
        FNoFill = std::make_unique<TCT_NoFillProperties>();
        FNoFill->SetAssigned();
    }
    SetHasChildren();
    return *FNoFill;
}

TCT_SolidColorFillProperties& TCT_LineProperties::Create_SolidFill()
{
    if (!FSolidFill) {
        FSolidFill = std::make_unique<TCT_SolidColorFillProperties>();
        FSolidFill->SetAssigned();
    }
    SetHasChildren();
    return *FSolidFill;
}

TCT_GradientFillProperties& TCT_LineProperties::Create_GradFill()
{
    if (!FGradFill) {
        FGradFill = std::make_unique<TCT_GradientFillProperties>();
        FGradFill->SetAssigned();
    }
    SetHasChildren();
    return *FGradFill;
}

TCT_PatternFillProperties& TCT_LineProperties::Create_PattFill()
{
    if (!FPattFill) {
        FPattFill = std::make_unique<TCT_PatternFillProperties>();
        FPattFill->SetAssigned();
    }
    SetHasChildren();
    return *FPattFill;
}

TCT_PresetLineDashProperties& TCT_LineProperties::Create_PrstDash()
{
    if (!FPrstDash) {
        FPrstDash = std::make_unique<TCT_PresetLineDashProperties>();
        FPrstDash->SetAssigned();
    }
    SetHasChildren();
    return *FPrstDash;
}

TCT_DashStopList& TCT_LineProperties::Create_CustDash()
{
    if (!FCustDash) {
        FCustDash = std::make_unique<TCT_DashStopList>();
        FCustDash->SetAssigned();
    }
    SetHasChildren();
    return *FCustDash;
}

TCT_LineJoinRound& TCT_LineProperties::Create_Round()
{
    if (!FRound) {
        FRound = std::make_unique<TCT_LineJoinRound>();
        FRound->SetAssigned();
    }
    SetHasChildren();
    return *FRound;
}

TCT_LineJoinBevel& TCT_LineProperties::Create_Bevel()
{
    if (!FBevel) {
        FBevel = std::make_unique<TCT_LineJoinBevel>();
        FBevel->SetAssigned();
    }
    SetHasChildren();
    return *FBevel;
}

TCT_LineJoinMiterProperties& TCT_LineProperties::Create_Miter()
{
    if (!FMiter) {
        FMiter = std::make_unique<TCT_LineJoinMiterProperties>();
        FMiter->SetAssigned();
    }
    SetHasChildren();
    return *FMiter;
}

TCT_LineEndProperties& TCT_LineProperties::Create_HeadEnd()
{
    if (!FHeadEnd) {
        FHeadEnd = std::make_unique<TCT_LineEndProperties>();
        FHeadEnd->SetAssigned();
    }
    SetHasChildren();
    return *FHeadEnd;
}

TCT_LineEndProperties& TCT_LineProperties::Create_TailEnd()
{
    if (!FTailEnd) {
        FTailEnd = std::make_unique<TCT_LineEndProperties>();
        FTailEnd->SetAssigned();
    }
    SetHasChildren();
    return *FTailEnd;
}

TCT_OfficeArtExtensionList& TCT_LineProperties::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_LineProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 526:
        if (local == "bevel") {
            return &Create_Bevel();
        }
        break;
    case 545:
        if (local == "miter") {
            return &Create_Miter();
        }
        break;
    case 552:
        if (local == "round") {
            return &Create_Round();
        }
        break;
    case 612:
        if (local == "noFill") {
            return &Create_NoFill();
        }
        break;
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    case 681:
        if (local == "headEnd") {
            return &Create_HeadEnd();
        }
        break;
    case 705:
        if (local == "tailEnd") {
            return &Create_TailEnd();
        }
        break;
    case 805:
        if (local == "gradFill") {
            return &Create_GradFill();
        }
        break;
    case 831:
        if (local == "custDash") {
            return &Create_CustDash();
        }
        break;
    case 832:
        if (local == "pattFill") {
            return &Create_PattFill();
        }
        break;
    case 841:
        if (local == "prstDash") {
            return &Create_PrstDash();
        }
        break;
    case 930:
        if (local == "solidFill") {
            return &Create_SolidFill();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LineProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 119:
            if (local == "w") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FW = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 308:
            if (local == "cap") {
                if (const auto v = StrToTST_LineCap(attrs.GetValues(i)))
                    FCap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 418:
            if (local == "algn") {
                if (const auto v = StrToTST_PenAlignment(attrs.GetValues(i)))
                    FAlgn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 420:
            if (local == "cmpd") {
                if (const auto v = StrToTST_CompoundLine(attrs.GetValues(i)))
                    FCmpd = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_LineProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FW)
        writer.AddAttribute("w", XmlIntToStr(*FW));
    if (FCap)
        writer.AddAttribute("cap", TST_LineCapToStr(*FCap));
    if (FCmpd)
        writer.AddAttribute("cmpd", TST_CompoundLineToStr(*FCmpd));
    if (FAlgn)
        writer.AddAttribute("algn", TST_PenAlignmentToStr(*FAlgn));
}

void TCT_LineProperties::Write(TNyqWriteXML& writer) const
{
    if (FNoFill && FNoFill->Available())
        NyqWriteChild(writer, "a:noFill", *FNoFill);
    if (FSolidFill && FSolidFill->Available())
        NyqWriteChild(writer, "a:solidFill", *FSolidFill);
    if (FGradFill && FGradFill->Available())
        NyqWriteChild(writer, "a:gradFill", *FGradFill);
    if (FPattFill && FPattFill->Available())
        NyqWriteChild(writer, "a:pattFill", *FPattFill);
    if (FPrstDash && FPrstDash->Available())
        NyqWriteChild(writer, "a:prstDash", *FPrstDash);
    if (FCustDash && FCustDash->Available())
        NyqWriteChild(writer, "a:custDash", *FCustDash);
    if (FRound && FRound->Available())
        NyqWriteChild(writer, "a:round", *FRound);
    if (FBevel && FBevel->Available())
        NyqWriteChild(writer, "a:bevel", *FBevel);
    if (FMiter && FMiter->Available())
        NyqWriteChild(writer, "a:miter", *FMiter);
    if (FHeadEnd && FHeadEnd->Available())
        NyqWriteChild(writer, "a:headEnd", *FHeadEnd);
    if (FTailEnd && FTailEnd->Available())
        NyqWriteChild(writer, "a:tailEnd", *FTailEnd);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_LineProperties::Clear()
{
    TNYQBase::Clear();
    FW = {};
    FCap = {};
    FCmpd = {};
    FAlgn = {};
    FNoFill.reset();
    FSolidFill.reset();
    FGradFill.reset();
    FPattFill.reset();
    FPrstDash.reset();
    FCustDash.reset();
    FRound.reset();
    FBevel.reset();
    FMiter.reset();
    FHeadEnd.reset();
    FTailEnd.reset();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_LineProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LineProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FW = o->FW;
    FCap = o->FCap;
    FCmpd = o->FCmpd;
    FAlgn = o->FAlgn;
    if (o->FNoFill)
        Create_NoFill().Assign(*o->FNoFill);
    if (o->FSolidFill)
        Create_SolidFill().Assign(*o->FSolidFill);
    if (o->FGradFill)
        Create_GradFill().Assign(*o->FGradFill);
    if (o->FPattFill)
        Create_PattFill().Assign(*o->FPattFill);
    if (o->FPrstDash)
        Create_PrstDash().Assign(*o->FPrstDash);
    if (o->FCustDash)
        Create_CustDash().Assign(*o->FCustDash);
    if (o->FRound)
        Create_Round().Assign(*o->FRound);
    if (o->FBevel)
        Create_Bevel().Assign(*o->FBevel);
    if (o->FMiter)
        Create_Miter().Assign(*o->FMiter);
    if (o->FHeadEnd)
        Create_HeadEnd().Assign(*o->FHeadEnd);
    if (o->FTailEnd)
        Create_TailEnd().Assign(*o->FTailEnd);
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LineProperties::HasElements() const
{
    return FNoFill != nullptr || FSolidFill != nullptr || FGradFill != nullptr || FPattFill != nullptr || FPrstDash != nullptr || FCustDash != nullptr || FRound != nullptr || FBevel != nullptr || FMiter != nullptr || FHeadEnd != nullptr || FTailEnd != nullptr || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EffectList

TCT_EffectList::TCT_EffectList() = default;
TCT_EffectList::~TCT_EffectList() = default;

TCT_BlurEffect& TCT_EffectList::Create_Blur()
{
    if (!FBlur) {
        FBlur = std::make_unique<TCT_BlurEffect>();
        FBlur->SetAssigned();
    }
    SetHasChildren();
    return *FBlur;
}

TCT_FillOverlayEffect& TCT_EffectList::Create_FillOverlay()
{
    if (!FFillOverlay) {
        FFillOverlay = std::make_unique<TCT_FillOverlayEffect>();
        FFillOverlay->SetAssigned();
    }
    SetHasChildren();
    return *FFillOverlay;
}

TCT_GlowEffect& TCT_EffectList::Create_Glow()
{
    if (!FGlow) {
        FGlow = std::make_unique<TCT_GlowEffect>();
        FGlow->SetAssigned();
    }
    SetHasChildren();
    return *FGlow;
}

TCT_InnerShadowEffect& TCT_EffectList::Create_InnerShdw()
{
    if (!FInnerShdw) {
        FInnerShdw = std::make_unique<TCT_InnerShadowEffect>();
        FInnerShdw->SetAssigned();
    }
    SetHasChildren();
    return *FInnerShdw;
}

TCT_OuterShadowEffect& TCT_EffectList::Create_OuterShdw()
{
    if (!FOuterShdw) {
        FOuterShdw = std::make_unique<TCT_OuterShadowEffect>();
        FOuterShdw->SetAssigned();
    }
    SetHasChildren();
    return *FOuterShdw;
}

TCT_PresetShadowEffect& TCT_EffectList::Create_PrstShdw()
{
    if (!FPrstShdw) {
        FPrstShdw = std::make_unique<TCT_PresetShadowEffect>();
        FPrstShdw->SetAssigned();
    }
    SetHasChildren();
    return *FPrstShdw;
}

TCT_ReflectionEffect& TCT_EffectList::Create_Reflection()
{
    if (!FReflection) {
        FReflection = std::make_unique<TCT_ReflectionEffect>();
        FReflection->SetAssigned();
    }
    SetHasChildren();
    return *FReflection;
}

TCT_SoftEdgesEffect& TCT_EffectList::Create_SoftEdge()
{
    if (!FSoftEdge) {
        FSoftEdge = std::make_unique<TCT_SoftEdgesEffect>();
        FSoftEdge->SetAssigned();
    }
    SetHasChildren();
    return *FSoftEdge;
}

TNYQBase* TCT_EffectList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 437:
        if (local == "blur") {
            return &Create_Blur();
        }
        break;
    case 441:
        if (local == "glow") {
            return &Create_Glow();
        }
        break;
    case 817:
        if (local == "softEdge") {
            return &Create_SoftEdge();
        }
        break;
    case 863:
        if (local == "prstShdw") {
            return &Create_PrstShdw();
        }
        break;
    case 946:
        if (local == "innerShdw") {
            return &Create_InnerShdw();
        }
        break;
    case 965:
        if (local == "outerShdw") {
            return &Create_OuterShdw();
        }
        break;
    case 1067:
        if (local == "reflection") {
            return &Create_Reflection();
        }
        break;
    case 1161:
        if (local == "fillOverlay") {
            return &Create_FillOverlay();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_EffectList::Write(TNyqWriteXML& writer) const
{
    if (FBlur && FBlur->Available())
        NyqWriteChild(writer, "a:blur", *FBlur);
    if (FFillOverlay && FFillOverlay->Available())
        NyqWriteChild(writer, "a:fillOverlay", *FFillOverlay);
    if (FGlow && FGlow->Available())
        NyqWriteChild(writer, "a:glow", *FGlow);
    if (FInnerShdw && FInnerShdw->Available())
        NyqWriteChild(writer, "a:innerShdw", *FInnerShdw);
    if (FOuterShdw && FOuterShdw->Available())
        NyqWriteChild(writer, "a:outerShdw", *FOuterShdw);
    if (FPrstShdw && FPrstShdw->Available())
        NyqWriteChild(writer, "a:prstShdw", *FPrstShdw);
    if (FReflection && FReflection->Available())
        NyqWriteChild(writer, "a:reflection", *FReflection);
    if (FSoftEdge && FSoftEdge->Available())
        NyqWriteChild(writer, "a:softEdge", *FSoftEdge);
    FAny.Write(writer);
}

void TCT_EffectList::Clear()
{
    TNYQBase::Clear();
    FBlur.reset();
    FFillOverlay.reset();
    FGlow.reset();
    FInnerShdw.reset();
    FOuterShdw.reset();
    FPrstShdw.reset();
    FReflection.reset();
    FSoftEdge.reset();
    FAny.Clear();
}

void TCT_EffectList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EffectList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FBlur)
        Create_Blur().Assign(*o->FBlur);
    if (o->FFillOverlay)
        Create_FillOverlay().Assign(*o->FFillOverlay);
    if (o->FGlow)
        Create_Glow().Assign(*o->FGlow);
    if (o->FInnerShdw)
        Create_InnerShdw().Assign(*o->FInnerShdw);
    if (o->FOuterShdw)
        Create_OuterShdw().Assign(*o->FOuterShdw);
    if (o->FPrstShdw)
        Create_PrstShdw().Assign(*o->FPrstShdw);
    if (o->FReflection)
        Create_Reflection().Assign(*o->FReflection);
    if (o->FSoftEdge)
        Create_SoftEdge().Assign(*o->FSoftEdge);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EffectList::HasElements() const
{
    return FBlur != nullptr || FFillOverlay != nullptr || FGlow != nullptr || FInnerShdw != nullptr || FOuterShdw != nullptr || FPrstShdw != nullptr || FReflection != nullptr || FSoftEdge != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EffectContainer

namespace {
constexpr std::string_view cTCT_EffectContainerFEG_EffectListNames[] = {"a:cont", "a:effect", "a:alphaBiLevel", "a:alphaCeiling", "a:alphaFloor", "a:alphaInv", "a:alphaMod", "a:alphaModFix", "a:alphaOutset", "a:alphaRepl", "a:biLevel", "a:blend", "a:blur", "a:clrChange", "a:clrRepl", "a:duotone", "a:fill", "a:fillOverlay", "a:glow", "a:grayscl", "a:hsl", "a:innerShdw", "a:lum", "a:outerShdw", "a:prstShdw", "a:reflection", "a:relOff", "a:softEdge", "a:tint", "a:xfrm"};
}  // namespace

TCT_EffectContainer::TCT_EffectContainer() = default;
TCT_EffectContainer::~TCT_EffectContainer() = default;

TNYQBase* TCT_EffectContainer::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 327:
        if (local == "hsl") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_HSLEffect>(20);
        }
        break;
    case 334:
        if (local == "lum") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_LuminanceEffect>(22);
        }
        break;
    case 423:
        if (local == "fill") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_FillEffect>(16);
        }
        break;
    case 436:
        if (local == "cont") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_EffectContainer>(0);
        }
        break;
    case 437:
        if (local == "blur") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_BlurEffect>(12);
        }
        break;
    case 441:
        if (local == "glow") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_GlowEffect>(18);
        }
        break;
    case 445:
        if (local == "xfrm") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_TransformEffect>(29);
        }
        break;
    case 447:
        if (local == "tint") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_TintEffect>(28);
        }
        break;
    case 517:
        if (local == "blend") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_BlendEffect>(11);
        }
        break;
    case 606:
        if (local == "relOff") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_RelativeOffsetEffect>(26);
        }
        break;
    case 621:
        if (local == "effect") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_EffectReference>(1);
        }
        break;
    case 707:
        if (local == "biLevel") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_BiLevelEffect>(10);
        }
        break;
    case 724:
        if (local == "clrRepl") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_ColorReplaceEffect>(14);
        }
        break;
    case 757:
        if (local == "grayscl") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_GrayscaleEffect>(19);
        }
        break;
    case 766:
        if (local == "duotone") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_DuotoneEffect>(15);
        }
        break;
    case 806:
        if (local == "alphaMod") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_AlphaModulateEffect>(6);
        }
        break;
    case 817:
        if (local == "softEdge") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_SoftEdgesEffect>(27);
        }
        break;
    case 819:
        if (local == "alphaInv") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_AlphaInverseEffect>(5);
        }
        break;
    case 863:
        if (local == "prstShdw") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_PresetShadowEffect>(24);
        }
        break;
    case 903:
        if (local == "clrChange") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_ColorChangeEffect>(13);
        }
        break;
    case 921:
        if (local == "alphaRepl") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_AlphaReplaceEffect>(9);
        }
        break;
    case 946:
        if (local == "innerShdw") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_InnerShadowEffect>(21);
        }
        break;
    case 965:
        if (local == "outerShdw") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_OuterShadowEffect>(23);
        }
        break;
    case 1032:
        if (local == "alphaFloor") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_AlphaFloorEffect>(4);
        }
        break;
    case 1067:
        if (local == "reflection") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_ReflectionEffect>(25);
        }
        break;
    case 1101:
        if (local == "alphaModFix") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_AlphaModulateFixedEffect>(7);
        }
        break;
    case 1161:
        if (local == "fillOverlay") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_FillOverlayEffect>(17);
        }
        break;
    case 1162:
        if (local == "alphaOutset") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_AlphaOutsetEffect>(8);
        }
        break;
    case 1193:
        if (local == "alphaBiLevel") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_AlphaBiLevelEffect>(2);
        }
        break;
    case 1217:
        if (local == "alphaCeiling") {
            SetHasChildren();
            return &FEG_EffectList.Add<TCT_AlphaCeilingEffect>(3);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_EffectContainer::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 417:
            if (local == "name") {
                FName = attrs.GetValues(i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_EffectContainerType(attrs.GetValues(i)))
                    FType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_EffectContainer::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("type", TST_EffectContainerTypeToStr(*FType));
    if (FName)
        writer.AddAttribute("name", *FName);
}

void TCT_EffectContainer::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_EffectList.GetItems())
        NyqWriteChild(writer, cTCT_EffectContainerFEG_EffectListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_EffectContainer::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FName = {};
    FEG_EffectList.Clear();
    FAny.Clear();
}

void TCT_EffectContainer::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EffectContainer*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FName = o->FName;
    for (const auto& item : o->FEG_EffectList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_EffectList.Add<TCT_EffectContainer>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_EffectList.Add<TCT_EffectReference>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_EffectList.Add<TCT_AlphaBiLevelEffect>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_EffectList.Add<TCT_AlphaCeilingEffect>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_EffectList.Add<TCT_AlphaFloorEffect>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_EffectList.Add<TCT_AlphaInverseEffect>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_EffectList.Add<TCT_AlphaModulateEffect>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_EffectList.Add<TCT_AlphaModulateFixedEffect>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_EffectList.Add<TCT_AlphaOutsetEffect>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_EffectList.Add<TCT_AlphaReplaceEffect>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_EffectList.Add<TCT_BiLevelEffect>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_EffectList.Add<TCT_BlendEffect>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_EffectList.Add<TCT_BlurEffect>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_EffectList.Add<TCT_ColorChangeEffect>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_EffectList.Add<TCT_ColorReplaceEffect>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_EffectList.Add<TCT_DuotoneEffect>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_EffectList.Add<TCT_FillEffect>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_EffectList.Add<TCT_FillOverlayEffect>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_EffectList.Add<TCT_GlowEffect>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_EffectList.Add<TCT_GrayscaleEffect>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_EffectList.Add<TCT_HSLEffect>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_EffectList.Add<TCT_InnerShadowEffect>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_EffectList.Add<TCT_LuminanceEffect>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_EffectList.Add<TCT_OuterShadowEffect>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_EffectList.Add<TCT_PresetShadowEffect>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_EffectList.Add<TCT_ReflectionEffect>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_EffectList.Add<TCT_RelativeOffsetEffect>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_EffectList.Add<TCT_SoftEdgesEffect>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_EffectList.Add<TCT_TintEffect>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_EffectList.Add<TCT_TransformEffect>(29).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EffectContainer::HasElements() const
{
    return FEG_EffectList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Scene3D

TCT_Scene3D::TCT_Scene3D() = default;
TCT_Scene3D::~TCT_Scene3D() = default;

TCT_Camera& TCT_Scene3D::Create_Camera()
{
    if (!FCamera) {
        FCamera = std::make_unique<TCT_Camera>();
        FCamera->SetAssigned();
    }
    SetHasChildren();
    return *FCamera;
}

TCT_LightRig& TCT_Scene3D::Create_LightRig()
{
    if (!FLightRig) {
        FLightRig = std::make_unique<TCT_LightRig>();
        FLightRig->SetAssigned();
    }
    SetHasChildren();
    return *FLightRig;
}

TCT_Backdrop& TCT_Scene3D::Create_Backdrop()
{
    if (!FBackdrop) {
        FBackdrop = std::make_unique<TCT_Backdrop>();
        FBackdrop->SetAssigned();
    }
    SetHasChildren();
    return *FBackdrop;
}

TCT_OfficeArtExtensionList& TCT_Scene3D::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_Scene3D::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 617:
        if (local == "camera") {
            return &Create_Camera();
        }
        break;
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    case 826:
        if (local == "lightRig") {
            return &Create_LightRig();
        }
        break;
    case 838:
        if (local == "backdrop") {
            return &Create_Backdrop();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Scene3D::Write(TNyqWriteXML& writer) const
{
    if (FCamera && FCamera->Available())
        NyqWriteChild(writer, "a:camera", *FCamera);
    if (FLightRig && FLightRig->Available())
        NyqWriteChild(writer, "a:lightRig", *FLightRig);
    if (FBackdrop && FBackdrop->Available())
        NyqWriteChild(writer, "a:backdrop", *FBackdrop);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_Scene3D::Clear()
{
    TNYQBase::Clear();
    FCamera.reset();
    FLightRig.reset();
    FBackdrop.reset();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_Scene3D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Scene3D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FCamera)
        Create_Camera().Assign(*o->FCamera);
    if (o->FLightRig)
        Create_LightRig().Assign(*o->FLightRig);
    if (o->FBackdrop)
        Create_Backdrop().Assign(*o->FBackdrop);
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Scene3D::HasElements() const
{
    return FCamera != nullptr || FLightRig != nullptr || FBackdrop != nullptr || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Shape3D

TCT_Shape3D::TCT_Shape3D() = default;
TCT_Shape3D::~TCT_Shape3D() = default;

TCT_Bevel& TCT_Shape3D::Create_BevelT()
{
    if (!FBevelT) {
        FBevelT = std::make_unique<TCT_Bevel>();
        FBevelT->SetAssigned();
    }
    SetHasChildren();
    return *FBevelT;
}

TCT_Bevel& TCT_Shape3D::Create_BevelB()
{
    if (!FBevelB) {
        FBevelB = std::make_unique<TCT_Bevel>();
        FBevelB->SetAssigned();
    }
    SetHasChildren();
    return *FBevelB;
}

TCT_Color_a& TCT_Shape3D::Create_ExtrusionClr()
{
    if (!FExtrusionClr) {
        FExtrusionClr = std::make_unique<TCT_Color_a>();
        FExtrusionClr->SetAssigned();
    }
    SetHasChildren();
    return *FExtrusionClr;
}

TCT_Color_a& TCT_Shape3D::Create_ContourClr()
{
    if (!FContourClr) {
        FContourClr = std::make_unique<TCT_Color_a>();
        FContourClr->SetAssigned();
    }
    SetHasChildren();
    return *FContourClr;
}

TCT_OfficeArtExtensionList& TCT_Shape3D::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_Shape3D::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 592:
        if (local == "bevelB") {
            return &Create_BevelB();
        }
        break;
    case 610:
        if (local == "bevelT") {
            return &Create_BevelT();
        }
        break;
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    case 1067:
        if (local == "contourClr") {
            return &Create_ContourClr();
        }
        break;
    case 1298:
        if (local == "extrusionClr") {
            return &Create_ExtrusionClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Shape3D::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 122:
            if (local == "z") {
                FZ = attrs.GetValues(i);
                continue;
            }
            break;
        case 865:
            if (local == "contourW") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FContourW = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1081:
            if (local == "extrusionH") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FExtrusionH = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1272:
            if (local == "prstMaterial") {
                if (const auto v = StrToTST_PresetMaterialType(attrs.GetValues(i)))
                    FPrstMaterial = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Shape3D::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FZ)
        writer.AddAttribute("z", *FZ);
    if (FExtrusionH)
        writer.AddAttribute("extrusionH", XmlIntToStr(*FExtrusionH));
    if (FContourW)
        writer.AddAttribute("contourW", XmlIntToStr(*FContourW));
    if (FPrstMaterial)
        writer.AddAttribute("prstMaterial", TST_PresetMaterialTypeToStr(*FPrstMaterial));
}

void TCT_Shape3D::Write(TNyqWriteXML& writer) const
{
    if (FBevelT && FBevelT->Available())
        NyqWriteChild(writer, "a:bevelT", *FBevelT);
    if (FBevelB && FBevelB->Available())
        NyqWriteChild(writer, "a:bevelB", *FBevelB);
    if (FExtrusionClr && FExtrusionClr->Available())
        NyqWriteChild(writer, "a:extrusionClr", *FExtrusionClr);
    if (FContourClr && FContourClr->Available())
        NyqWriteChild(writer, "a:contourClr", *FContourClr);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_Shape3D::Clear()
{
    TNYQBase::Clear();
    FZ = {};
    FExtrusionH = {};
    FContourW = {};
    FPrstMaterial = {};
    FBevelT.reset();
    FBevelB.reset();
    FExtrusionClr.reset();
    FContourClr.reset();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_Shape3D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Shape3D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FZ = o->FZ;
    FExtrusionH = o->FExtrusionH;
    FContourW = o->FContourW;
    FPrstMaterial = o->FPrstMaterial;
    if (o->FBevelT)
        Create_BevelT().Assign(*o->FBevelT);
    if (o->FBevelB)
        Create_BevelB().Assign(*o->FBevelB);
    if (o->FExtrusionClr)
        Create_ExtrusionClr().Assign(*o->FExtrusionClr);
    if (o->FContourClr)
        Create_ContourClr().Assign(*o->FContourClr);
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Shape3D::HasElements() const
{
    return FBevelT != nullptr || FBevelB != nullptr || FExtrusionClr != nullptr || FContourClr != nullptr || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_OfficeArtExtensionList

TCT_OfficeArtExtensionList::TCT_OfficeArtExtensionList() = default;
TCT_OfficeArtExtensionList::~TCT_OfficeArtExtensionList() = default;

TNYQBase* TCT_OfficeArtExtensionList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 337:
        if (local == "ext") {
            SetHasChildren();
            return &FExtList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_OfficeArtExtensionList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FExtList.GetItems())
        NyqWriteChild(writer, "a:ext", *item);
    FAny.Write(writer);
}

void TCT_OfficeArtExtensionList::Clear()
{
    TNYQBase::Clear();
    FExtList.Clear();
    FAny.Clear();
}

void TCT_OfficeArtExtensionList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_OfficeArtExtensionList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FExtList.GetItems())
        FExtList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_OfficeArtExtensionList::HasElements() const
{
    return FExtList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Anchor

TCT_Anchor::TCT_Anchor() = default;
TCT_Anchor::~TCT_Anchor() = default;

TCT_Point2D& TCT_Anchor::Create_SimplePos_()
{
    if (!FSimplePos_) {
        FSimplePos_ = std::make_unique<TCT_Point2D>();
        FSimplePos_->SetAssigned();
    }
    SetHasChildren();
    return *FSimplePos_;
}

TCT_PosH& TCT_Anchor::Create_PositionH()
{
    if (!FPositionH) {
        FPositionH = std::make_unique<TCT_PosH>();
        FPositionH->SetAssigned();
    }
    SetHasChildren();
    return *FPositionH;
}

TCT_PosV& TCT_Anchor::Create_PositionV()
{
    if (!FPositionV) {
        FPositionV = std::make_unique<TCT_PosV>();
        FPositionV->SetAssigned();
    }
    SetHasChildren();
    return *FPositionV;
}

TCT_PositiveSize2D& TCT_Anchor::Create_Extent()
{
    if (!FExtent) {
        FExtent = std::make_unique<TCT_PositiveSize2D>();
        FExtent->SetAssigned();
    }
    SetHasChildren();
    return *FExtent;
}

TCT_EffectExtent& TCT_Anchor::Create_EffectExtent()
{
    if (!FEffectExtent) {
        FEffectExtent = std::make_unique<TCT_EffectExtent>();
        FEffectExtent->SetAssigned();
    }
    SetHasChildren();
    return *FEffectExtent;
}

TCT_WrapNone& TCT_Anchor::Create_WrapNone()
{
    if (!FWrapNone) {
        FWrapNone = std::make_unique<TCT_WrapNone>();
        FWrapNone->SetAssigned();
    }
    SetHasChildren();
    return *FWrapNone;
}

TCT_WrapSquare& TCT_Anchor::Create_WrapSquare()
{
    if (!FWrapSquare) {
        FWrapSquare = std::make_unique<TCT_WrapSquare>();
        FWrapSquare->SetAssigned();
    }
    SetHasChildren();
    return *FWrapSquare;
}

TCT_WrapTight& TCT_Anchor::Create_WrapTight()
{
    if (!FWrapTight) {
        FWrapTight = std::make_unique<TCT_WrapTight>();
        FWrapTight->SetAssigned();
    }
    SetHasChildren();
    return *FWrapTight;
}

TCT_WrapThrough& TCT_Anchor::Create_WrapThrough()
{
    if (!FWrapThrough) {
        FWrapThrough = std::make_unique<TCT_WrapThrough>();
        FWrapThrough->SetAssigned();
    }
    SetHasChildren();
    return *FWrapThrough;
}

TCT_WrapTopBottom& TCT_Anchor::Create_WrapTopAndBottom()
{
    if (!FWrapTopAndBottom) {
        FWrapTopAndBottom = std::make_unique<TCT_WrapTopBottom>();
        FWrapTopAndBottom->SetAssigned();
    }
    SetHasChildren();
    return *FWrapTopAndBottom;
}

TCT_NonVisualDrawingProps& TCT_Anchor::Create_DocPr()
{
    if (!FDocPr) {
        FDocPr = std::make_unique<TCT_NonVisualDrawingProps>();
        FDocPr->SetAssigned();
    }
    SetHasChildren();
    return *FDocPr;
}

TCT_NonVisualGraphicFrameProperties& TCT_Anchor::Create_CNvGraphicFramePr()
{
    if (!FCNvGraphicFramePr) {
        FCNvGraphicFramePr = std::make_unique<TCT_NonVisualGraphicFrameProperties>();
        FCNvGraphicFramePr->SetAssigned();
    }
    SetHasChildren();
    return *FCNvGraphicFramePr;
}

TCT_GraphicalObject& TCT_Anchor::Create_Graphic()
{
    if (!FGraphic) {
        FGraphic = std::make_unique<TCT_GraphicalObject>();
        FGraphic->SetAssigned();
    }
    SetHasChildren();
    return *FGraphic;
}

TNYQBase* TCT_Anchor::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 504:
        if (local == "docPr") {
            return &Create_DocPr();
        }
        break;
    case 664:
        if (local == "extent") {
            return &Create_Extent();
        }
        break;
    case 734:
        if (local == "graphic") {
            return &Create_Graphic();
        }
        break;
    case 842:
        if (local == "wrapNone") {
            return &Create_WrapNone();
        }
        break;
    case 954:
        if (local == "wrapTight") {
            return &Create_WrapTight();
        }
        break;
    case 956:
        if (local == "simplePos") {
            return &Create_SimplePos_();
        }
        break;
    case 957:
        if (local == "positionH") {
            return &Create_PositionH();
        }
        break;
    case 971:
        if (local == "positionV") {
            return &Create_PositionV();
        }
        break;
    case 1067:
        if (local == "wrapSquare") {
            return &Create_WrapSquare();
        }
        break;
    case 1179:
        if (local == "wrapThrough") {
            return &Create_WrapThrough();
        }
        break;
    case 1253:
        if (local == "effectExtent") {
            return &Create_EffectExtent();
        }
        break;
    case 1653:
        if (local == "wrapTopAndBottom") {
            return &Create_WrapTopAndBottom();
        }
        break;
    case 1682:
        if (local == "cNvGraphicFramePr") {
            return &Create_CNvGraphicFramePr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Anchor::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 502:
            if (local == "distB") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistB = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 512:
            if (local == "distL") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistL = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 518:
            if (local == "distR") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistR = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 520:
            if (local == "distT") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistT = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 620:
            if (local == "hidden") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FHidden = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 626:
            if (local == "locked") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FLocked = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 896:
            if (local == "behindDoc") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FBehindDoc = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 956:
            if (local == "simplePos") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FSimplePos = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1237:
            if (local == "layoutInCell") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FLayoutInCell = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1272:
            if (local == "allowOverlap") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FAllowOverlap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1461:
            if (local == "relativeHeight") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FRelativeHeight = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Anchor::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDistT)
        writer.AddAttribute("distT", XmlIntToStr(*FDistT));
    if (FDistB)
        writer.AddAttribute("distB", XmlIntToStr(*FDistB));
    if (FDistL)
        writer.AddAttribute("distL", XmlIntToStr(*FDistL));
    if (FDistR)
        writer.AddAttribute("distR", XmlIntToStr(*FDistR));
    if (FSimplePos)
        writer.AddAttribute("simplePos", XmlBoolToStr(*FSimplePos));
    writer.AddAttribute("relativeHeight", XmlIntToStr(FRelativeHeight));
    writer.AddAttribute("behindDoc", XmlBoolToStr(FBehindDoc));
    writer.AddAttribute("locked", XmlBoolToStr(FLocked));
    writer.AddAttribute("layoutInCell", XmlBoolToStr(FLayoutInCell));
    if (FHidden)
        writer.AddAttribute("hidden", XmlBoolToStr(*FHidden));
    writer.AddAttribute("allowOverlap", XmlBoolToStr(FAllowOverlap));
}

void TCT_Anchor::Write(TNyqWriteXML& writer) const
{
    if (FSimplePos_ && FSimplePos_->Available())
        NyqWriteChild(writer, "wp:simplePos", *FSimplePos_);
    if (FPositionH && FPositionH->Available())
        NyqWriteChild(writer, "wp:positionH", *FPositionH);
    if (FPositionV && FPositionV->Available())
        NyqWriteChild(writer, "wp:positionV", *FPositionV);
    if (FExtent && FExtent->Available())
        NyqWriteChild(writer, "wp:extent", *FExtent);
    if (FEffectExtent && FEffectExtent->Available())
        NyqWriteChild(writer, "wp:effectExtent", *FEffectExtent);
    if (FWrapNone && FWrapNone->Available())
        NyqWriteChild(writer, "wp:wrapNone", *FWrapNone);
    if (FWrapSquare && FWrapSquare->Available())
        NyqWriteChild(writer, "wp:wrapSquare", *FWrapSquare);
    if (FWrapTight && FWrapTight->Available())
        NyqWriteChild(writer, "wp:wrapTight", *FWrapTight);
    if (FWrapThrough && FWrapThrough->Available())
        NyqWriteChild(writer, "wp:wrapThrough", *FWrapThrough);
    if (FWrapTopAndBottom && FWrapTopAndBottom->Available())
        NyqWriteChild(writer, "wp:wrapTopAndBottom", *FWrapTopAndBottom);
    if (FDocPr && FDocPr->Available())
        NyqWriteChild(writer, "wp:docPr", *FDocPr);
    if (FCNvGraphicFramePr && FCNvGraphicFramePr->Available())
        NyqWriteChild(writer, "wp:cNvGraphicFramePr", *FCNvGraphicFramePr);
    if (FGraphic && FGraphic->Available())
        NyqWriteChild(writer, "a:graphic", *FGraphic);
    FAny.Write(writer);
}

void TCT_Anchor::Clear()
{
    TNYQBase::Clear();
    FDistT = {};
    FDistB = {};
    FDistL = {};
    FDistR = {};
    FSimplePos = {};
    FRelativeHeight = {};
    FBehindDoc = {};
    FLocked = {};
    FLayoutInCell = {};
    FHidden = {};
    FAllowOverlap = {};
    FSimplePos_.reset();
    FPositionH.reset();
    FPositionV.reset();
    FExtent.reset();
    FEffectExtent.reset();
    FWrapNone.reset();
    FWrapSquare.reset();
    FWrapTight.reset();
    FWrapThrough.reset();
    FWrapTopAndBottom.reset();
    FDocPr.reset();
    FCNvGraphicFramePr.reset();
    FGraphic.reset();
    FAny.Clear();
}

void TCT_Anchor::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Anchor*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDistT = o->FDistT;
    FDistB = o->FDistB;
    FDistL = o->FDistL;
    FDistR = o->FDistR;
    FSimplePos = o->FSimplePos;
    FRelativeHeight = o->FRelativeHeight;
    FBehindDoc = o->FBehindDoc;
    FLocked = o->FLocked;
    FLayoutInCell = o->FLayoutInCell;
    FHidden = o->FHidden;
    FAllowOverlap = o->FAllowOverlap;
    if (o->FSimplePos_)
        Create_SimplePos_().Assign(*o->FSimplePos_);
    if (o->FPositionH)
        Create_PositionH().Assign(*o->FPositionH);
    if (o->FPositionV)
        Create_PositionV().Assign(*o->FPositionV);
    if (o->FExtent)
        Create_Extent().Assign(*o->FExtent);
    if (o->FEffectExtent)
        Create_EffectExtent().Assign(*o->FEffectExtent);
    if (o->FWrapNone)
        Create_WrapNone().Assign(*o->FWrapNone);
    if (o->FWrapSquare)
        Create_WrapSquare().Assign(*o->FWrapSquare);
    if (o->FWrapTight)
        Create_WrapTight().Assign(*o->FWrapTight);
    if (o->FWrapThrough)
        Create_WrapThrough().Assign(*o->FWrapThrough);
    if (o->FWrapTopAndBottom)
        Create_WrapTopAndBottom().Assign(*o->FWrapTopAndBottom);
    if (o->FDocPr)
        Create_DocPr().Assign(*o->FDocPr);
    if (o->FCNvGraphicFramePr)
        Create_CNvGraphicFramePr().Assign(*o->FCNvGraphicFramePr);
    if (o->FGraphic)
        Create_Graphic().Assign(*o->FGraphic);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Anchor::HasElements() const
{
    return FSimplePos_ != nullptr || FPositionH != nullptr || FPositionV != nullptr || FExtent != nullptr || FEffectExtent != nullptr || FWrapNone != nullptr || FWrapSquare != nullptr || FWrapTight != nullptr || FWrapThrough != nullptr || FWrapTopAndBottom != nullptr || FDocPr != nullptr || FCNvGraphicFramePr != nullptr || FGraphic != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Inline

TCT_Inline::TCT_Inline() = default;
TCT_Inline::~TCT_Inline() = default;

TCT_PositiveSize2D& TCT_Inline::Create_Extent()
{
    if (!FExtent) {
        FExtent = std::make_unique<TCT_PositiveSize2D>();
        FExtent->SetAssigned();
    }
    SetHasChildren();
    return *FExtent;
}

TCT_EffectExtent& TCT_Inline::Create_EffectExtent()
{
    if (!FEffectExtent) {
        FEffectExtent = std::make_unique<TCT_EffectExtent>();
        FEffectExtent->SetAssigned();
    }
    SetHasChildren();
    return *FEffectExtent;
}

TCT_NonVisualDrawingProps& TCT_Inline::Create_DocPr()
{
    if (!FDocPr) {
        FDocPr = std::make_unique<TCT_NonVisualDrawingProps>();
        FDocPr->SetAssigned();
    }
    SetHasChildren();
    return *FDocPr;
}

TCT_NonVisualGraphicFrameProperties& TCT_Inline::Create_CNvGraphicFramePr()
{
    if (!FCNvGraphicFramePr) {
        FCNvGraphicFramePr = std::make_unique<TCT_NonVisualGraphicFrameProperties>();
        FCNvGraphicFramePr->SetAssigned();
    }
    SetHasChildren();
    return *FCNvGraphicFramePr;
}

TCT_GraphicalObject& TCT_Inline::Create_Graphic()
{
    if (!FGraphic) {
        FGraphic = std::make_unique<TCT_GraphicalObject>();
        FGraphic->SetAssigned();
    }
    SetHasChildren();
    return *FGraphic;
}

TNYQBase* TCT_Inline::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 504:
        if (local == "docPr") {
            return &Create_DocPr();
        }
        break;
    case 664:
        if (local == "extent") {
            return &Create_Extent();
        }
        break;
    case 734:
        if (local == "graphic") {
            return &Create_Graphic();
        }
        break;
    case 1253:
        if (local == "effectExtent") {
            return &Create_EffectExtent();
        }
        break;
    case 1682:
        if (local == "cNvGraphicFramePr") {
            return &Create_CNvGraphicFramePr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Inline::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 502:
            if (local == "distB") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistB = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 512:
            if (local == "distL") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistL = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 518:
            if (local == "distR") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistR = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 520:
            if (local == "distT") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistT = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Inline::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDistT)
        writer.AddAttribute("distT", XmlIntToStr(*FDistT));
    if (FDistB)
        writer.AddAttribute("distB", XmlIntToStr(*FDistB));
    if (FDistL)
        writer.AddAttribute("distL", XmlIntToStr(*FDistL));
    if (FDistR)
        writer.AddAttribute("distR", XmlIntToStr(*FDistR));
}

void TCT_Inline::Write(TNyqWriteXML& writer) const
{
    if (FExtent && FExtent->Available())
        NyqWriteChild(writer, "wp:extent", *FExtent);
    if (FEffectExtent && FEffectExtent->Available())
        NyqWriteChild(writer, "wp:effectExtent", *FEffectExtent);
    if (FDocPr && FDocPr->Available())
        NyqWriteChild(writer, "wp:docPr", *FDocPr);
    if (FCNvGraphicFramePr && FCNvGraphicFramePr->Available())
        NyqWriteChild(writer, "wp:cNvGraphicFramePr", *FCNvGraphicFramePr);
    if (FGraphic && FGraphic->Available())
        NyqWriteChild(writer, "a:graphic", *FGraphic);
    FAny.Write(writer);
}

void TCT_Inline::Clear()
{
    TNYQBase::Clear();
    FDistT = {};
    FDistB = {};
    FDistL = {};
    FDistR = {};
    FExtent.reset();
    FEffectExtent.reset();
    FDocPr.reset();
    FCNvGraphicFramePr.reset();
    FGraphic.reset();
    FAny.Clear();
}

void TCT_Inline::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Inline*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDistT = o->FDistT;
    FDistB = o->FDistB;
    FDistL = o->FDistL;
    FDistR = o->FDistR;
    if (o->FExtent)
        Create_Extent().Assign(*o->FExtent);
    if (o->FEffectExtent)
        Create_EffectExtent().Assign(*o->FEffectExtent);
    if (o->FDocPr)
        Create_DocPr().Assign(*o->FDocPr);
    if (o->FCNvGraphicFramePr)
        Create_CNvGraphicFramePr().Assign(*o->FCNvGraphicFramePr);
    if (o->FGraphic)
        Create_Graphic().Assign(*o->FGraphic);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Inline::HasElements() const
{
    return FExtent != nullptr || FEffectExtent != nullptr || FDocPr != nullptr || FCNvGraphicFramePr != nullptr || FGraphic != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Hyperlink_a

TCT_Hyperlink_a::TCT_Hyperlink_a() = default;
TCT_Hyperlink_a::~TCT_Hyperlink_a() = default;

TCT_EmbeddedWAVAudioFile& TCT_Hyperlink_a::Create_Snd()
{
    if (!FSnd) {
        FSnd = std::make_unique<TCT_EmbeddedWAVAudioFile>();
        FSnd->SetAssigned();
    }
    SetHasChildren();
    return *FSnd;
}

TCT_OfficeArtExtensionList& TCT_Hyperlink_a::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_Hyperlink_a::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 325:
        if (local == "snd") {
            return &Create_Snd();
        }
        break;
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Hyperlink_a::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                FId = attrs.GetValues(i);
                continue;
            }
            break;
        case 604:
            if (local == "endSnd") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FEndSnd = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 638:
            if (local == "action") {
                FAction = attrs.GetValues(i);
                continue;
            }
            break;
        case 779:
            if (local == "tooltip") {
                FTooltip = attrs.GetValues(i);
                continue;
            }
            break;
        case 786:
            if (local == "history") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FHistory = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 826:
            if (local == "tgtFrame") {
                FTgtFrame = attrs.GetValues(i);
                continue;
            }
            break;
        case 1050:
            if (local == "invalidUrl") {
                FInvalidUrl = attrs.GetValues(i);
                continue;
            }
            break;
        case 1438:
            if (local == "highlightClick") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FHighlightClick = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Hyperlink_a::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("r:id", *FId);
    if (FInvalidUrl)
        writer.AddAttribute("invalidUrl", *FInvalidUrl);
    if (FAction)
        writer.AddAttribute("action", *FAction);
    if (FTgtFrame)
        writer.AddAttribute("tgtFrame", *FTgtFrame);
    if (FTooltip)
        writer.AddAttribute("tooltip", *FTooltip);
    if (FHistory)
        writer.AddAttribute("history", XmlBoolToStr(*FHistory));
    if (FHighlightClick)
        writer.AddAttribute("highlightClick", XmlBoolToStr(*FHighlightClick));
    if (FEndSnd)
        writer.AddAttribute("endSnd", XmlBoolToStr(*FEndSnd));
}

void TCT_Hyperlink_a::Write(TNyqWriteXML& writer) const
{
    if (FSnd && FSnd->Available())
        NyqWriteChild(writer, "a:snd", *FSnd);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_Hyperlink_a::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FInvalidUrl = {};
    FAction = {};
    FTgtFrame = {};
    FTooltip = {};
    FHistory = {};
    FHighlightClick = {};
    FEndSnd = {};
    FSnd.reset();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_Hyperlink_a::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Hyperlink_a*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FInvalidUrl = o->FInvalidUrl;
    FAction = o->FAction;
    FTgtFrame = o->FTgtFrame;
    FTooltip = o->FTooltip;
    FHistory = o->FHistory;
    FHighlightClick = o->FHighlightClick;
    FEndSnd = o->FEndSnd;
    if (o->FSnd)
        Create_Snd().Assign(*o->FSnd);
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Hyperlink_a::HasElements() const
{
    return FSnd != nullptr || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PictureLocking

TCT_PictureLocking::TCT_PictureLocking() = default;
TCT_PictureLocking::~TCT_PictureLocking() = default;

TCT_OfficeArtExtensionList& TCT_PictureLocking::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_PictureLocking::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PictureLocking::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 518:
            if (local == "noGrp") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoGrp = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 530:
            if (local == "noRot") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoRot = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 625:
            if (local == "noCrop") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoCrop = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 628:
            if (local == "noMove") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoMove = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 829:
            if (local == "noSelect") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoSelect = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 847:
            if (local == "noResize") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoResize = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1248:
            if (local == "noEditPoints") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoEditPoints = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1411:
            if (local == "noChangeAspect") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoChangeAspect = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1543:
            if (local == "noAdjustHandles") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoAdjustHandles = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1718:
            if (local == "noChangeShapeType") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoChangeShapeType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1843:
            if (local == "noChangeArrowheads") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoChangeArrowheads = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_PictureLocking::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FNoGrp)
        writer.AddAttribute("noGrp", XmlBoolToStr(*FNoGrp));
    if (FNoSelect)
        writer.AddAttribute("noSelect", XmlBoolToStr(*FNoSelect));
    if (FNoRot)
        writer.AddAttribute("noRot", XmlBoolToStr(*FNoRot));
    if (FNoChangeAspect)
        writer.AddAttribute("noChangeAspect", XmlBoolToStr(*FNoChangeAspect));
    if (FNoMove)
        writer.AddAttribute("noMove", XmlBoolToStr(*FNoMove));
    if (FNoResize)
        writer.AddAttribute("noResize", XmlBoolToStr(*FNoResize));
    if (FNoEditPoints)
        writer.AddAttribute("noEditPoints", XmlBoolToStr(*FNoEditPoints));
    if (FNoAdjustHandles)
        writer.AddAttribute("noAdjustHandles", XmlBoolToStr(*FNoAdjustHandles));
    if (FNoChangeArrowheads)
        writer.AddAttribute("noChangeArrowheads", XmlBoolToStr(*FNoChangeArrowheads));
    if (FNoChangeShapeType)
        writer.AddAttribute("noChangeShapeType", XmlBoolToStr(*FNoChangeShapeType));
    if (FNoCrop)
        writer.AddAttribute("noCrop", XmlBoolToStr(*FNoCrop));
}

void TCT_PictureLocking::Write(TNyqWriteXML& writer) const
{
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_PictureLocking::Clear()
{
    TNYQBase::Clear();
    FNoGrp = {};
    FNoSelect = {};
    FNoRot = {};
    FNoChangeAspect = {};
    FNoMove = {};
    FNoResize = {};
    FNoEditPoints = {};
    FNoAdjustHandles = {};
    FNoChangeArrowheads = {};
    FNoChangeShapeType = {};
    FNoCrop = {};
    FExtLst.reset();
    FAny.Clear();
}

void TCT_PictureLocking::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PictureLocking*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FNoGrp = o->FNoGrp;
    FNoSelect = o->FNoSelect;
    FNoRot = o->FNoRot;
    FNoChangeAspect = o->FNoChangeAspect;
    FNoMove = o->FNoMove;
    FNoResize = o->FNoResize;
    FNoEditPoints = o->FNoEditPoints;
    FNoAdjustHandles = o->FNoAdjustHandles;
    FNoChangeArrowheads = o->FNoChangeArrowheads;
    FNoChangeShapeType = o->FNoChangeShapeType;
    FNoCrop = o->FNoCrop;
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PictureLocking::HasElements() const
{
    return FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AlphaBiLevelEffect

TCT_AlphaBiLevelEffect::TCT_AlphaBiLevelEffect() = default;
TCT_AlphaBiLevelEffect::~TCT_AlphaBiLevelEffect() = default;

TNYQBase* TCT_AlphaBiLevelEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AlphaBiLevelEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 654:
            if (local == "thresh") {
                FThresh = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_AlphaBiLevelEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("thresh", FThresh);
}

void TCT_AlphaBiLevelEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_AlphaBiLevelEffect::Clear()
{
    TNYQBase::Clear();
    FThresh = {};
    FAny.Clear();
}

void TCT_AlphaBiLevelEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AlphaBiLevelEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FThresh = o->FThresh;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AlphaBiLevelEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AlphaCeilingEffect

TCT_AlphaCeilingEffect::TCT_AlphaCeilingEffect() = default;
TCT_AlphaCeilingEffect::~TCT_AlphaCeilingEffect() = default;

TNYQBase* TCT_AlphaCeilingEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AlphaCeilingEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_AlphaCeilingEffect::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_AlphaCeilingEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AlphaCeilingEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AlphaCeilingEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AlphaFloorEffect

TCT_AlphaFloorEffect::TCT_AlphaFloorEffect() = default;
TCT_AlphaFloorEffect::~TCT_AlphaFloorEffect() = default;

TNYQBase* TCT_AlphaFloorEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AlphaFloorEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_AlphaFloorEffect::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_AlphaFloorEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AlphaFloorEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AlphaFloorEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AlphaInverseEffect

TCT_AlphaInverseEffect::TCT_AlphaInverseEffect() = default;
TCT_AlphaInverseEffect::~TCT_AlphaInverseEffect() = default;

TCT_ScRgbColor& TCT_AlphaInverseEffect::Create_ScrgbClr()
{
    if (!FScrgbClr) {
        FScrgbClr = std::make_unique<TCT_ScRgbColor>();
        FScrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FScrgbClr;
}

TCT_SRgbColor& TCT_AlphaInverseEffect::Create_SrgbClr()
{
    if (!FSrgbClr) {
        FSrgbClr = std::make_unique<TCT_SRgbColor>();
        FSrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FSrgbClr;
}

TCT_HslColor& TCT_AlphaInverseEffect::Create_HslClr()
{
    if (!FHslClr) {
        FHslClr = std::make_unique<TCT_HslColor>();
        FHslClr->SetAssigned();
    }
    SetHasChildren();
    return *FHslClr;
}

TCT_SystemColor& TCT_AlphaInverseEffect::Create_SysClr()
{
    if (!FSysClr) {
        FSysClr = std::make_unique<TCT_SystemColor>();
        FSysClr->SetAssigned();
    }
    SetHasChildren();
    return *FSysClr;
}

TCT_SchemeColor& TCT_AlphaInverseEffect::Create_SchemeClr()
{
    if (!FSchemeClr) {
        FSchemeClr = std::make_unique<TCT_SchemeColor>();
        FSchemeClr->SetAssigned();
    }
    SetHasChildren();
    return *FSchemeClr;
}

TCT_PresetColor& TCT_AlphaInverseEffect::Create_PrstClr()
{
    if (!FPrstClr) {
        FPrstClr = std::make_unique<TCT_PresetColor>();
        FPrstClr->SetAssigned();
    }
    SetHasChildren();
    return *FPrstClr;
}

TNYQBase* TCT_AlphaInverseEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            return &Create_HslClr();
        }
        break;
    case 640:
        if (local == "sysClr") {
            return &Create_SysClr();
        }
        break;
    case 719:
        if (local == "srgbClr") {
            return &Create_SrgbClr();
        }
        break;
    case 746:
        if (local == "prstClr") {
            return &Create_PrstClr();
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            return &Create_ScrgbClr();
        }
        break;
    case 918:
        if (local == "schemeClr") {
            return &Create_SchemeClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AlphaInverseEffect::Write(TNyqWriteXML& writer) const
{
    if (FScrgbClr && FScrgbClr->Available())
        NyqWriteChild(writer, "a:scrgbClr", *FScrgbClr);
    if (FSrgbClr && FSrgbClr->Available())
        NyqWriteChild(writer, "a:srgbClr", *FSrgbClr);
    if (FHslClr && FHslClr->Available())
        NyqWriteChild(writer, "a:hslClr", *FHslClr);
    if (FSysClr && FSysClr->Available())
        NyqWriteChild(writer, "a:sysClr", *FSysClr);
    if (FSchemeClr && FSchemeClr->Available())
        NyqWriteChild(writer, "a:schemeClr", *FSchemeClr);
    if (FPrstClr && FPrstClr->Available())
        NyqWriteChild(writer, "a:prstClr", *FPrstClr);
    FAny.Write(writer);
}

void TCT_AlphaInverseEffect::Clear()
{
    TNYQBase::Clear();
    FScrgbClr.reset();
    FSrgbClr.reset();
    FHslClr.reset();
    FSysClr.reset();
    FSchemeClr.reset();
    FPrstClr.reset();
    FAny.Clear();
}

void TCT_AlphaInverseEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AlphaInverseEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FScrgbClr)
        Create_ScrgbClr().Assign(*o->FScrgbClr);
    if (o->FSrgbClr)
        Create_SrgbClr().Assign(*o->FSrgbClr);
    if (o->FHslClr)
        Create_HslClr().Assign(*o->FHslClr);
    if (o->FSysClr)
        Create_SysClr().Assign(*o->FSysClr);
    if (o->FSchemeClr)
        Create_SchemeClr().Assign(*o->FSchemeClr);
    if (o->FPrstClr)
        Create_PrstClr().Assign(*o->FPrstClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AlphaInverseEffect::HasElements() const
{
    return FScrgbClr != nullptr || FSrgbClr != nullptr || FHslClr != nullptr || FSysClr != nullptr || FSchemeClr != nullptr || FPrstClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AlphaModulateEffect

TCT_AlphaModulateEffect::TCT_AlphaModulateEffect() = default;
TCT_AlphaModulateEffect::~TCT_AlphaModulateEffect() = default;

TCT_EffectContainer& TCT_AlphaModulateEffect::Create_Cont()
{
    if (!FCont) {
        FCont = std::make_unique<TCT_EffectContainer>();
        FCont->SetAssigned();
    }
    SetHasChildren();
    return *FCont;
}

TNYQBase* TCT_AlphaModulateEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 436:
        if (local == "cont") {
            return &Create_Cont();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AlphaModulateEffect::Write(TNyqWriteXML& writer) const
{
    if (FCont && FCont->Available())
        NyqWriteChild(writer, "a:cont", *FCont);
    FAny.Write(writer);
}

void TCT_AlphaModulateEffect::Clear()
{
    TNYQBase::Clear();
    FCont.reset();
    FAny.Clear();
}

void TCT_AlphaModulateEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AlphaModulateEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FCont)
        Create_Cont().Assign(*o->FCont);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AlphaModulateEffect::HasElements() const
{
    return FCont != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AlphaModulateFixedEffect

TCT_AlphaModulateFixedEffect::TCT_AlphaModulateFixedEffect() = default;
TCT_AlphaModulateFixedEffect::~TCT_AlphaModulateFixedEffect() = default;

TNYQBase* TCT_AlphaModulateFixedEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AlphaModulateFixedEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 322:
            if (local == "amt") {
                FAmt = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_AlphaModulateFixedEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FAmt)
        writer.AddAttribute("amt", *FAmt);
}

void TCT_AlphaModulateFixedEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_AlphaModulateFixedEffect::Clear()
{
    TNYQBase::Clear();
    FAmt = {};
    FAny.Clear();
}

void TCT_AlphaModulateFixedEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AlphaModulateFixedEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAmt = o->FAmt;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AlphaModulateFixedEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AlphaReplaceEffect

TCT_AlphaReplaceEffect::TCT_AlphaReplaceEffect() = default;
TCT_AlphaReplaceEffect::~TCT_AlphaReplaceEffect() = default;

TNYQBase* TCT_AlphaReplaceEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AlphaReplaceEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 97:
            if (local == "a") {
                FA = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_AlphaReplaceEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("a", FA);
}

void TCT_AlphaReplaceEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_AlphaReplaceEffect::Clear()
{
    TNYQBase::Clear();
    FA = {};
    FAny.Clear();
}

void TCT_AlphaReplaceEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AlphaReplaceEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FA = o->FA;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AlphaReplaceEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_BiLevelEffect

TCT_BiLevelEffect::TCT_BiLevelEffect() = default;
TCT_BiLevelEffect::~TCT_BiLevelEffect() = default;

TNYQBase* TCT_BiLevelEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_BiLevelEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 654:
            if (local == "thresh") {
                FThresh = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_BiLevelEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("thresh", FThresh);
}

void TCT_BiLevelEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_BiLevelEffect::Clear()
{
    TNYQBase::Clear();
    FThresh = {};
    FAny.Clear();
}

void TCT_BiLevelEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_BiLevelEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FThresh = o->FThresh;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_BiLevelEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_BlurEffect

TCT_BlurEffect::TCT_BlurEffect() = default;
TCT_BlurEffect::~TCT_BlurEffect() = default;

TNYQBase* TCT_BlurEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_BlurEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 311:
            if (local == "rad") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FRad = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 447:
            if (local == "grow") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FGrow = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_BlurEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FRad)
        writer.AddAttribute("rad", XmlIntToStr(*FRad));
    if (FGrow)
        writer.AddAttribute("grow", XmlBoolToStr(*FGrow));
}

void TCT_BlurEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_BlurEffect::Clear()
{
    TNYQBase::Clear();
    FRad = {};
    FGrow = {};
    FAny.Clear();
}

void TCT_BlurEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_BlurEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRad = o->FRad;
    FGrow = o->FGrow;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_BlurEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ColorChangeEffect

TCT_ColorChangeEffect::TCT_ColorChangeEffect() = default;
TCT_ColorChangeEffect::~TCT_ColorChangeEffect() = default;

TCT_Color_a& TCT_ColorChangeEffect::Create_ClrFrom()
{
    if (!FClrFrom) {
        FClrFrom = std::make_unique<TCT_Color_a>();
        FClrFrom->SetAssigned();
    }
    SetHasChildren();
    return *FClrFrom;
}

TCT_Color_a& TCT_ColorChangeEffect::Create_ClrTo()
{
    if (!FClrTo) {
        FClrTo = std::make_unique<TCT_Color_a>();
        FClrTo->SetAssigned();
    }
    SetHasChildren();
    return *FClrTo;
}

TNYQBase* TCT_ColorChangeEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 516:
        if (local == "clrTo") {
            return &Create_ClrTo();
        }
        break;
    case 725:
        if (local == "clrFrom") {
            return &Create_ClrFrom();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ColorChangeEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 398:
            if (local == "useA") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FUseA = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_ColorChangeEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FUseA)
        writer.AddAttribute("useA", XmlBoolToStr(*FUseA));
}

void TCT_ColorChangeEffect::Write(TNyqWriteXML& writer) const
{
    if (FClrFrom && FClrFrom->Available())
        NyqWriteChild(writer, "a:clrFrom", *FClrFrom);
    if (FClrTo && FClrTo->Available())
        NyqWriteChild(writer, "a:clrTo", *FClrTo);
    FAny.Write(writer);
}

void TCT_ColorChangeEffect::Clear()
{
    TNYQBase::Clear();
    FUseA = {};
    FClrFrom.reset();
    FClrTo.reset();
    FAny.Clear();
}

void TCT_ColorChangeEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ColorChangeEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUseA = o->FUseA;
    if (o->FClrFrom)
        Create_ClrFrom().Assign(*o->FClrFrom);
    if (o->FClrTo)
        Create_ClrTo().Assign(*o->FClrTo);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ColorChangeEffect::HasElements() const
{
    return FClrFrom != nullptr || FClrTo != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ColorReplaceEffect

TCT_ColorReplaceEffect::TCT_ColorReplaceEffect() = default;
TCT_ColorReplaceEffect::~TCT_ColorReplaceEffect() = default;

TCT_ScRgbColor& TCT_ColorReplaceEffect::Create_ScrgbClr()
{
    if (!FScrgbClr) {
        FScrgbClr = std::make_unique<TCT_ScRgbColor>();
        FScrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FScrgbClr;
}

TCT_SRgbColor& TCT_ColorReplaceEffect::Create_SrgbClr()
{
    if (!FSrgbClr) {
        FSrgbClr = std::make_unique<TCT_SRgbColor>();
        FSrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FSrgbClr;
}

TCT_HslColor& TCT_ColorReplaceEffect::Create_HslClr()
{
    if (!FHslClr) {
        FHslClr = std::make_unique<TCT_HslColor>();
        FHslClr->SetAssigned();
    }
    SetHasChildren();
    return *FHslClr;
}

TCT_SystemColor& TCT_ColorReplaceEffect::Create_SysClr()
{
    if (!FSysClr) {
        FSysClr = std::make_unique<TCT_SystemColor>();
        FSysClr->SetAssigned();
    }
    SetHasChildren();
    return *FSysClr;
}

TCT_SchemeColor& TCT_ColorReplaceEffect::Create_SchemeClr()
{
    if (!FSchemeClr) {
        FSchemeClr = std::make_unique<TCT_SchemeColor>();
        FSchemeClr->SetAssigned();
    }
    SetHasChildren();
    return *FSchemeClr;
}

TCT_PresetColor& TCT_ColorReplaceEffect::Create_PrstClr()
{
    if (!FPrstClr) {
        FPrstClr = std::make_unique<TCT_PresetColor>();
        FPrstClr->SetAssigned();
    }
    SetHasChildren();
    return *FPrstClr;
}

TNYQBase* TCT_ColorReplaceEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            return &Create_HslClr();
        }
        break;
    case 640:
        if (local == "sysClr") {
            return &Create_SysClr();
        }
        break;
    case 719:
        if (local == "srgbClr") {
            return &Create_SrgbClr();
        }
        break;
    case 746:
        if (local == "prstClr") {
            return &Create_PrstClr();
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            return &Create_ScrgbClr();
        }
        break;
    case 918:
        if (local == "schemeClr") {
            return &Create_SchemeClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ColorReplaceEffect::Write(TNyqWriteXML& writer) const
{
    if (FScrgbClr && FScrgbClr->Available())
        NyqWriteChild(writer, "a:scrgbClr", *FScrgbClr);
    if (FSrgbClr && FSrgbClr->Available())
        NyqWriteChild(writer, "a:srgbClr", *FSrgbClr);
    if (FHslClr && FHslClr->Available())
        NyqWriteChild(writer, "a:hslClr", *FHslClr);
    if (FSysClr && FSysClr->Available())
        NyqWriteChild(writer, "a:sysClr", *FSysClr);
    if (FSchemeClr && FSchemeClr->Available())
        NyqWriteChild(writer, "a:schemeClr", *FSchemeClr);
    if (FPrstClr && FPrstClr->Available())
        NyqWriteChild(writer, "a:prstClr", *FPrstClr);
    FAny.Write(writer);
}

void TCT_ColorReplaceEffect::Clear()
{
    TNYQBase::Clear();
    FScrgbClr.reset();
    FSrgbClr.reset();
    FHslClr.reset();
    FSysClr.reset();
    FSchemeClr.reset();
    FPrstClr.reset();
    FAny.Clear();
}

void TCT_ColorReplaceEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ColorReplaceEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FScrgbClr)
        Create_ScrgbClr().Assign(*o->FScrgbClr);
    if (o->FSrgbClr)
        Create_SrgbClr().Assign(*o->FSrgbClr);
    if (o->FHslClr)
        Create_HslClr().Assign(*o->FHslClr);
    if (o->FSysClr)
        Create_SysClr().Assign(*o->FSysClr);
    if (o->FSchemeClr)
        Create_SchemeClr().Assign(*o->FSchemeClr);
    if (o->FPrstClr)
        Create_PrstClr().Assign(*o->FPrstClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ColorReplaceEffect::HasElements() const
{
    return FScrgbClr != nullptr || FSrgbClr != nullptr || FHslClr != nullptr || FSysClr != nullptr || FSchemeClr != nullptr || FPrstClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DuotoneEffect

namespace {
constexpr std::string_view cTCT_DuotoneEffectFEG_ColorChoiceListNames[] = {"a:scrgbClr", "a:srgbClr", "a:hslClr", "a:sysClr", "a:schemeClr", "a:prstClr"};
}  // namespace

TCT_DuotoneEffect::TCT_DuotoneEffect() = default;
TCT_DuotoneEffect::~TCT_DuotoneEffect() = default;

TNYQBase* TCT_DuotoneEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            SetHasChildren();
            return &FEG_ColorChoiceList.Add<TCT_HslColor>(2);
        }
        break;
    case 640:
        if (local == "sysClr") {
            SetHasChildren();
            return &FEG_ColorChoiceList.Add<TCT_SystemColor>(3);
        }
        break;
    case 719:
        if (local == "srgbClr") {
            SetHasChildren();
            return &FEG_ColorChoiceList.Add<TCT_SRgbColor>(1);
        }
        break;
    case 746:
        if (local == "prstClr") {
            SetHasChildren();
            return &FEG_ColorChoiceList.Add<TCT_PresetColor>(5);
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            SetHasChildren();
            return &FEG_ColorChoiceList.Add<TCT_ScRgbColor>(0);
        }
        break;
    case 918:
        if (local == "schemeClr") {
            SetHasChildren();
            return &FEG_ColorChoiceList.Add<TCT_SchemeColor>(4);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DuotoneEffect::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ColorChoiceList.GetItems())
        NyqWriteChild(writer, cTCT_DuotoneEffectFEG_ColorChoiceListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_DuotoneEffect::Clear()
{
    TNYQBase::Clear();
    FEG_ColorChoiceList.Clear();
    FAny.Clear();
}

void TCT_DuotoneEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DuotoneEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FEG_ColorChoiceList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ColorChoiceList.Add<TCT_ScRgbColor>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ColorChoiceList.Add<TCT_SRgbColor>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ColorChoiceList.Add<TCT_HslColor>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ColorChoiceList.Add<TCT_SystemColor>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ColorChoiceList.Add<TCT_SchemeColor>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ColorChoiceList.Add<TCT_PresetColor>(5).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DuotoneEffect::HasElements() const
{
    return FEG_ColorChoiceList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FillOverlayEffect

TCT_FillOverlayEffect::TCT_FillOverlayEffect() = default;
TCT_FillOverlayEffect::~TCT_FillOverlayEffect() = default;

TCT_NoFillProperties& TCT_FillOverlayEffect::Create_NoFill()
{
    if (!FNoFill) {
        FNoFill = std::make_unique<TCT_NoFillProperties>();
        FNoFill->SetAssigned();
    }
    SetHasChildren();
    return *FNoFill;
}

TCT_SolidColorFillProperties& TCT_FillOverlayEffect::Create_SolidFill()
{
    if (!FSolidFill) {
        FSolidFill = std::make_unique<TCT_SolidColorFillProperties>();
        FSolidFill->SetAssigned();
    }
    SetHasChildren();
    return *FSolidFill;
}

TCT_GradientFillProperties& TCT_FillOverlayEffect::Create_GradFill()
{
    if (!FGradFill) {
        FGradFill = std::make_unique<TCT_GradientFillProperties>();
        FGradFill->SetAssigned();
    }
    SetHasChildren();
    return *FGradFill;
}

TCT_BlipFillProperties& TCT_FillOverlayEffect::Create_BlipFill()
{
    if (!FBlipFill) {
        FBlipFill = std::make_unique<TCT_BlipFillProperties>();
        FBlipFill->SetAssigned();
    }
    SetHasChildren();
    return *FBlipFill;
}

TCT_PatternFillProperties& TCT_FillOverlayEffect::Create_PattFill()
{
    if (!FPattFill) {
        FPattFill = std::make_unique<TCT_PatternFillProperties>();
        FPattFill->SetAssigned();
    }
    SetHasChildren();
    return *FPattFill;
}

TCT_GroupFillProperties& TCT_FillOverlayEffect::Create_GrpFill()
{
    if (!FGrpFill) {
        FGrpFill = std::make_unique<TCT_GroupFillProperties>();
        FGrpFill->SetAssigned();
    }
    SetHasChildren();
    return *FGrpFill;
}

TNYQBase* TCT_FillOverlayEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 612:
        if (local == "noFill") {
            return &Create_NoFill();
        }
        break;
    case 720:
        if (local == "grpFill") {
            return &Create_GrpFill();
        }
        break;
    case 805:
        if (local == "gradFill") {
            return &Create_GradFill();
        }
        break;
    case 814:
        if (local == "blipFill") {
            return &Create_BlipFill();
        }
        break;
    case 832:
        if (local == "pattFill") {
            return &Create_PattFill();
        }
        break;
    case 930:
        if (local == "solidFill") {
            return &Create_SolidFill();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FillOverlayEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 517:
            if (local == "blend") {
                if (const auto v = StrToTST_BlendMode(attrs.GetValues(i)))
                    FBlend = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_FillOverlayEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("blend", TST_BlendModeToStr(FBlend));
}

void TCT_FillOverlayEffect::Write(TNyqWriteXML& writer) const
{
    if (FNoFill && FNoFill->Available())
        NyqWriteChild(writer, "a:noFill", *FNoFill);
    if (FSolidFill && FSolidFill->Available())
        NyqWriteChild(writer, "a:solidFill", *FSolidFill);
    if (FGradFill && FGradFill->Available())
        NyqWriteChild(writer, "a:gradFill", *FGradFill);
    if (FBlipFill && FBlipFill->Available())
        NyqWriteChild(writer, "a:blipFill", *FBlipFill);
    if (FPattFill && FPattFill->Available())
        NyqWriteChild(writer, "a:pattFill", *FPattFill);
    if (FGrpFill && FGrpFill->Available())
        NyqWriteChild(writer, "a:grpFill", *FGrpFill);
    FAny.Write(writer);
}

void TCT_FillOverlayEffect::Clear()
{
    TNYQBase::Clear();
    FBlend = {};
    FNoFill.reset();
    FSolidFill.reset();
    FGradFill.reset();
    FBlipFill.reset();
    FPattFill.reset();
    FGrpFill.reset();
    FAny.Clear();
}

void TCT_FillOverlayEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FillOverlayEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FBlend = o->FBlend;
    if (o->FNoFill)
        Create_NoFill().Assign(*o->FNoFill);
    if (o->FSolidFill)
        Create_SolidFill().Assign(*o->FSolidFill);
    if (o->FGradFill)
        Create_GradFill().Assign(*o->FGradFill);
    if (o->FBlipFill)
        Create_BlipFill().Assign(*o->FBlipFill);
    if (o->FPattFill)
        Create_PattFill().Assign(*o->FPattFill);
    if (o->FGrpFill)
        Create_GrpFill().Assign(*o->FGrpFill);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FillOverlayEffect::HasElements() const
{
    return FNoFill != nullptr || FSolidFill != nullptr || FGradFill != nullptr || FBlipFill != nullptr || FPattFill != nullptr || FGrpFill != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GrayscaleEffect

TCT_GrayscaleEffect::TCT_GrayscaleEffect() = default;
TCT_GrayscaleEffect::~TCT_GrayscaleEffect() = default;

TNYQBase* TCT_GrayscaleEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GrayscaleEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_GrayscaleEffect::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_GrayscaleEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GrayscaleEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GrayscaleEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_HSLEffect

TCT_HSLEffect::TCT_HSLEffect() = default;
TCT_HSLEffect::~TCT_HSLEffect() = default;

TNYQBase* TCT_HSLEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_HSLEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 322:
            if (local == "hue") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FHue = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 328:
            if (local == "sat") {
                FSat = attrs.GetValues(i);
                continue;
            }
            break;
        case 334:
            if (local == "lum") {
                FLum = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_HSLEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FHue)
        writer.AddAttribute("hue", XmlIntToStr(*FHue));
    if (FSat)
        writer.AddAttribute("sat", *FSat);
    if (FLum)
        writer.AddAttribute("lum", *FLum);
}

void TCT_HSLEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_HSLEffect::Clear()
{
    TNYQBase::Clear();
    FHue = {};
    FSat = {};
    FLum = {};
    FAny.Clear();
}

void TCT_HSLEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_HSLEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FHue = o->FHue;
    FSat = o->FSat;
    FLum = o->FLum;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_HSLEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LuminanceEffect

TCT_LuminanceEffect::TCT_LuminanceEffect() = default;
TCT_LuminanceEffect::~TCT_LuminanceEffect() = default;

TNYQBase* TCT_LuminanceEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LuminanceEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 640:
            if (local == "bright") {
                FBright = attrs.GetValues(i);
                continue;
            }
            break;
        case 878:
            if (local == "contrast") {
                FContrast = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_LuminanceEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FBright)
        writer.AddAttribute("bright", *FBright);
    if (FContrast)
        writer.AddAttribute("contrast", *FContrast);
}

void TCT_LuminanceEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LuminanceEffect::Clear()
{
    TNYQBase::Clear();
    FBright = {};
    FContrast = {};
    FAny.Clear();
}

void TCT_LuminanceEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LuminanceEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FBright = o->FBright;
    FContrast = o->FContrast;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LuminanceEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TintEffect

TCT_TintEffect::TCT_TintEffect() = default;
TCT_TintEffect::~TCT_TintEffect() = default;

TNYQBase* TCT_TintEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TintEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 322:
            if (local == "hue") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FHue = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            if (local == "amt") {
                FAmt = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_TintEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FHue)
        writer.AddAttribute("hue", XmlIntToStr(*FHue));
    if (FAmt)
        writer.AddAttribute("amt", *FAmt);
}

void TCT_TintEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TintEffect::Clear()
{
    TNYQBase::Clear();
    FHue = {};
    FAmt = {};
    FAny.Clear();
}

void TCT_TintEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TintEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FHue = o->FHue;
    FAmt = o->FAmt;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TintEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Point2D

TCT_Point2D::TCT_Point2D() = default;
TCT_Point2D::~TCT_Point2D() = default;

TNYQBase* TCT_Point2D::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Point2D::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 120:
            if (local == "x") {
                FX = attrs.GetValues(i);
                continue;
            }
            break;
        case 121:
            if (local == "y") {
                FY = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Point2D::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("x", FX);
    writer.AddAttribute("y", FY);
}

void TCT_Point2D::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Point2D::Clear()
{
    TNYQBase::Clear();
    FX = {};
    FY = {};
    FAny.Clear();
}

void TCT_Point2D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Point2D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FX = o->FX;
    FY = o->FY;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Point2D::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PositiveSize2D

TCT_PositiveSize2D::TCT_PositiveSize2D() = default;
TCT_PositiveSize2D::~TCT_PositiveSize2D() = default;

TNYQBase* TCT_PositiveSize2D::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PositiveSize2D::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 219:
            if (local == "cx") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCx = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 220:
            if (local == "cy") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCy = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_PositiveSize2D::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("cx", XmlIntToStr(FCx));
    writer.AddAttribute("cy", XmlIntToStr(FCy));
}

void TCT_PositiveSize2D::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PositiveSize2D::Clear()
{
    TNYQBase::Clear();
    FCx = {};
    FCy = {};
    FAny.Clear();
}

void TCT_PositiveSize2D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PositiveSize2D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FCx = o->FCx;
    FCy = o->FCy;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PositiveSize2D::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GeomGuideList

TCT_GeomGuideList::TCT_GeomGuideList() = default;
TCT_GeomGuideList::~TCT_GeomGuideList() = default;

TNYQBase* TCT_GeomGuideList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 203:
        if (local == "gd") {
            SetHasChildren();
            return &FGdList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GeomGuideList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FGdList.GetItems())
        NyqWriteChild(writer, "a:gd", *item);
    FAny.Write(writer);
}

void TCT_GeomGuideList::Clear()
{
    TNYQBase::Clear();
    FGdList.Clear();
    FAny.Clear();
}

void TCT_GeomGuideList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GeomGuideList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FGdList.GetItems())
        FGdList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GeomGuideList::HasElements() const
{
    return FGdList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AdjustHandleList

namespace {
constexpr std::string_view cTCT_AdjustHandleListFChoice1ListNames[] = {"a:ahXY", "a:ahPolar"};
}  // namespace

TCT_AdjustHandleList::TCT_AdjustHandleList() = default;
TCT_AdjustHandleList::~TCT_AdjustHandleList() = default;

TNYQBase* TCT_AdjustHandleList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 378:
        if (local == "ahXY") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_XYAdjustHandle>(0);
        }
        break;
    case 711:
        if (local == "ahPolar") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_PolarAdjustHandle>(1);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AdjustHandleList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_AdjustHandleListFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_AdjustHandleList::Clear()
{
    TNYQBase::Clear();
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_AdjustHandleList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AdjustHandleList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_XYAdjustHandle>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_PolarAdjustHandle>(1).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AdjustHandleList::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ConnectionSiteList

TCT_ConnectionSiteList::TCT_ConnectionSiteList() = default;
TCT_ConnectionSiteList::~TCT_ConnectionSiteList() = default;

TNYQBase* TCT_ConnectionSiteList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 329:
        if (local == "cxn") {
            SetHasChildren();
            return &FCxnList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ConnectionSiteList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FCxnList.GetItems())
        NyqWriteChild(writer, "a:cxn", *item);
    FAny.Write(writer);
}

void TCT_ConnectionSiteList::Clear()
{
    TNYQBase::Clear();
    FCxnList.Clear();
    FAny.Clear();
}

void TCT_ConnectionSiteList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ConnectionSiteList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FCxnList.GetItems())
        FCxnList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ConnectionSiteList::HasElements() const
{
    return FCxnList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GeomRect

TCT_GeomRect::TCT_GeomRect() = default;
TCT_GeomRect::~TCT_GeomRect() = default;

TNYQBase* TCT_GeomRect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GeomRect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 98:
            if (local == "b") {
                FB = attrs.GetValues(i);
                continue;
            }
            break;
        case 108:
            if (local == "l") {
                FL = attrs.GetValues(i);
                continue;
            }
            break;
        case 114:
            if (local == "r") {
                FR = attrs.GetValues(i);
                continue;
            }
            break;
        case 116:
            if (local == "t") {
                FT = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_GeomRect::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("l", FL);
    writer.AddAttribute("t", FT);
    writer.AddAttribute("r", FR);
    writer.AddAttribute("b", FB);
}

void TCT_GeomRect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_GeomRect::Clear()
{
    TNYQBase::Clear();
    FL = {};
    FT = {};
    FR = {};
    FB = {};
    FAny.Clear();
}

void TCT_GeomRect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GeomRect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FL = o->FL;
    FT = o->FT;
    FR = o->FR;
    FB = o->FB;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GeomRect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Path2DList

TCT_Path2DList::TCT_Path2DList() = default;
TCT_Path2DList::~TCT_Path2DList() = default;

TNYQBase* TCT_Path2DList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 429:
        if (local == "path") {
            SetHasChildren();
            return &FPathList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Path2DList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FPathList.GetItems())
        NyqWriteChild(writer, "a:path", *item);
    FAny.Write(writer);
}

void TCT_Path2DList::Clear()
{
    TNYQBase::Clear();
    FPathList.Clear();
    FAny.Clear();
}

void TCT_Path2DList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Path2DList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FPathList.GetItems())
        FPathList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Path2DList::HasElements() const
{
    return FPathList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ScRgbColor

namespace {
constexpr std::string_view cTCT_ScRgbColorFEG_ColorTransformListNames[] = {"a:tint", "a:shade", "a:comp", "a:inv", "a:gray", "a:alpha", "a:alphaOff", "a:alphaMod", "a:hue", "a:hueOff", "a:hueMod", "a:sat", "a:satOff", "a:satMod", "a:lum", "a:lumOff", "a:lumMod", "a:red", "a:redOff", "a:redMod", "a:green", "a:greenOff", "a:greenMod", "a:blue", "a:blueOff", "a:blueMod", "a:gamma", "a:invGamma"};
}  // namespace

TCT_ScRgbColor::TCT_ScRgbColor() = default;
TCT_ScRgbColor::~TCT_ScRgbColor() = default;

TNYQBase* TCT_ScRgbColor::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 315:
        if (local == "red") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(17);
        }
        break;
    case 322:
        if (local == "hue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8);
        }
        break;
    case 328:
        if (local == "sat") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(11);
        }
        break;
    case 333:
        if (local == "inv") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseTransform>(3);
        }
        break;
    case 334:
        if (local == "lum") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(14);
        }
        break;
    case 424:
        if (local == "blue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(23);
        }
        break;
    case 431:
        if (local == "comp") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_ComplementTransform>(2);
        }
        break;
    case 435:
        if (local == "gray") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4);
        }
        break;
    case 447:
        if (local == "tint") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0);
        }
        break;
    case 515:
        if (local == "gamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GammaTransform>(26);
        }
        break;
    case 517:
        if (local == "shade") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1);
        }
        break;
    case 518:
        if (local == "alpha") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5);
        }
        break;
    case 529:
        if (local == "green") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(20);
        }
        break;
    case 598:
        if (local == "redOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(18);
        }
        break;
    case 603:
        if (local == "redMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(19);
        }
        break;
    case 605:
        if (local == "hueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Angle>(9);
        }
        break;
    case 610:
        if (local == "hueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(10);
        }
        break;
    case 611:
        if (local == "satOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(12);
        }
        break;
    case 616:
        if (local == "satMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(13);
        }
        break;
    case 617:
        if (local == "lumOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(15);
        }
        break;
    case 622:
        if (local == "lumMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(16);
        }
        break;
    case 707:
        if (local == "blueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(24);
        }
        break;
    case 712:
        if (local == "blueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(25);
        }
        break;
    case 801:
        if (local == "alphaOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_FixedPercentage>(6);
        }
        break;
    case 806:
        if (local == "alphaMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(7);
        }
        break;
    case 812:
        if (local == "greenOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(21);
        }
        break;
    case 816:
        if (local == "invGamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27);
        }
        break;
    case 817:
        if (local == "greenMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(22);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ScRgbColor::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 98:
            if (local == "b") {
                FB = attrs.GetValues(i);
                continue;
            }
            break;
        case 103:
            if (local == "g") {
                FG = attrs.GetValues(i);
                continue;
            }
            break;
        case 114:
            if (local == "r") {
                FR = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_ScRgbColor::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("r", FR);
    writer.AddAttribute("g", FG);
    writer.AddAttribute("b", FB);
}

void TCT_ScRgbColor::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ColorTransformList.GetItems())
        NyqWriteChild(writer, cTCT_ScRgbColorFEG_ColorTransformListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_ScRgbColor::Clear()
{
    TNYQBase::Clear();
    FR = {};
    FG = {};
    FB = {};
    FEG_ColorTransformList.Clear();
    FAny.Clear();
}

void TCT_ScRgbColor::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ScRgbColor*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FR = o->FR;
    FG = o->FG;
    FB = o->FB;
    for (const auto& item : o->FEG_ColorTransformList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ColorTransformList.Add<TCT_ComplementTransform>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ColorTransformList.Add<TCT_InverseTransform>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ColorTransformList.Add<TCT_FixedPercentage>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ColorTransformList.Add<TCT_Angle>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ColorTransformList.Add<TCT_Percentage>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ColorTransformList.Add<TCT_Percentage>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ColorTransformList.Add<TCT_Percentage>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ColorTransformList.Add<TCT_Percentage>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ColorTransformList.Add<TCT_Percentage>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ColorTransformList.Add<TCT_Percentage>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ColorTransformList.Add<TCT_Percentage>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ColorTransformList.Add<TCT_Percentage>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ColorTransformList.Add<TCT_Percentage>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ColorTransformList.Add<TCT_Percentage>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ColorTransformList.Add<TCT_Percentage>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ColorTransformList.Add<TCT_Percentage>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ColorTransformList.Add<TCT_Percentage>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ColorTransformList.Add<TCT_Percentage>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ColorTransformList.Add<TCT_Percentage>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ColorTransformList.Add<TCT_GammaTransform>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ScRgbColor::HasElements() const
{
    return FEG_ColorTransformList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SRgbColor

namespace {
constexpr std::string_view cTCT_SRgbColorFEG_ColorTransformListNames[] = {"a:tint", "a:shade", "a:comp", "a:inv", "a:gray", "a:alpha", "a:alphaOff", "a:alphaMod", "a:hue", "a:hueOff", "a:hueMod", "a:sat", "a:satOff", "a:satMod", "a:lum", "a:lumOff", "a:lumMod", "a:red", "a:redOff", "a:redMod", "a:green", "a:greenOff", "a:greenMod", "a:blue", "a:blueOff", "a:blueMod", "a:gamma", "a:invGamma"};
}  // namespace

TCT_SRgbColor::TCT_SRgbColor() = default;
TCT_SRgbColor::~TCT_SRgbColor() = default;

TNYQBase* TCT_SRgbColor::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 315:
        if (local == "red") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(17);
        }
        break;
    case 322:
        if (local == "hue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8);
        }
        break;
    case 328:
        if (local == "sat") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(11);
        }
        break;
    case 333:
        if (local == "inv") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseTransform>(3);
        }
        break;
    case 334:
        if (local == "lum") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(14);
        }
        break;
    case 424:
        if (local == "blue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(23);
        }
        break;
    case 431:
        if (local == "comp") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_ComplementTransform>(2);
        }
        break;
    case 435:
        if (local == "gray") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4);
        }
        break;
    case 447:
        if (local == "tint") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0);
        }
        break;
    case 515:
        if (local == "gamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GammaTransform>(26);
        }
        break;
    case 517:
        if (local == "shade") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1);
        }
        break;
    case 518:
        if (local == "alpha") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5);
        }
        break;
    case 529:
        if (local == "green") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(20);
        }
        break;
    case 598:
        if (local == "redOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(18);
        }
        break;
    case 603:
        if (local == "redMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(19);
        }
        break;
    case 605:
        if (local == "hueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Angle>(9);
        }
        break;
    case 610:
        if (local == "hueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(10);
        }
        break;
    case 611:
        if (local == "satOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(12);
        }
        break;
    case 616:
        if (local == "satMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(13);
        }
        break;
    case 617:
        if (local == "lumOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(15);
        }
        break;
    case 622:
        if (local == "lumMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(16);
        }
        break;
    case 707:
        if (local == "blueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(24);
        }
        break;
    case 712:
        if (local == "blueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(25);
        }
        break;
    case 801:
        if (local == "alphaOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_FixedPercentage>(6);
        }
        break;
    case 806:
        if (local == "alphaMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(7);
        }
        break;
    case 812:
        if (local == "greenOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(21);
        }
        break;
    case 816:
        if (local == "invGamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27);
        }
        break;
    case 817:
        if (local == "greenMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(22);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SRgbColor::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                FVal = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_SRgbColor::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", FVal);
}

void TCT_SRgbColor::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ColorTransformList.GetItems())
        NyqWriteChild(writer, cTCT_SRgbColorFEG_ColorTransformListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_SRgbColor::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FEG_ColorTransformList.Clear();
    FAny.Clear();
}

void TCT_SRgbColor::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SRgbColor*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    for (const auto& item : o->FEG_ColorTransformList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ColorTransformList.Add<TCT_ComplementTransform>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ColorTransformList.Add<TCT_InverseTransform>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ColorTransformList.Add<TCT_FixedPercentage>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ColorTransformList.Add<TCT_Angle>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ColorTransformList.Add<TCT_Percentage>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ColorTransformList.Add<TCT_Percentage>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ColorTransformList.Add<TCT_Percentage>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ColorTransformList.Add<TCT_Percentage>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ColorTransformList.Add<TCT_Percentage>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ColorTransformList.Add<TCT_Percentage>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ColorTransformList.Add<TCT_Percentage>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ColorTransformList.Add<TCT_Percentage>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ColorTransformList.Add<TCT_Percentage>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ColorTransformList.Add<TCT_Percentage>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ColorTransformList.Add<TCT_Percentage>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ColorTransformList.Add<TCT_Percentage>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ColorTransformList.Add<TCT_Percentage>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ColorTransformList.Add<TCT_Percentage>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ColorTransformList.Add<TCT_Percentage>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ColorTransformList.Add<TCT_GammaTransform>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SRgbColor::HasElements() const
{
    return FEG_ColorTransformList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_HslColor

namespace {
constexpr std::string_view cTCT_HslColorFEG_ColorTransformListNames[] = {"a:tint", "a:shade", "a:comp", "a:inv", "a:gray", "a:alpha", "a:alphaOff", "a:alphaMod", "a:hue", "a:hueOff", "a:hueMod", "a:sat", "a:satOff", "a:satMod", "a:lum", "a:lumOff", "a:lumMod", "a:red", "a:redOff", "a:redMod", "a:green", "a:greenOff", "a:greenMod", "a:blue", "a:blueOff", "a:blueMod", "a:gamma", "a:invGamma"};
}  // namespace

TCT_HslColor::TCT_HslColor() = default;
TCT_HslColor::~TCT_HslColor() = default;

TNYQBase* TCT_HslColor::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 315:
        if (local == "red") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(17);
        }
        break;
    case 322:
        if (local == "hue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8);
        }
        break;
    case 328:
        if (local == "sat") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(11);
        }
        break;
    case 333:
        if (local == "inv") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseTransform>(3);
        }
        break;
    case 334:
        if (local == "lum") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(14);
        }
        break;
    case 424:
        if (local == "blue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(23);
        }
        break;
    case 431:
        if (local == "comp") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_ComplementTransform>(2);
        }
        break;
    case 435:
        if (local == "gray") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4);
        }
        break;
    case 447:
        if (local == "tint") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0);
        }
        break;
    case 515:
        if (local == "gamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GammaTransform>(26);
        }
        break;
    case 517:
        if (local == "shade") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1);
        }
        break;
    case 518:
        if (local == "alpha") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5);
        }
        break;
    case 529:
        if (local == "green") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(20);
        }
        break;
    case 598:
        if (local == "redOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(18);
        }
        break;
    case 603:
        if (local == "redMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(19);
        }
        break;
    case 605:
        if (local == "hueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Angle>(9);
        }
        break;
    case 610:
        if (local == "hueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(10);
        }
        break;
    case 611:
        if (local == "satOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(12);
        }
        break;
    case 616:
        if (local == "satMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(13);
        }
        break;
    case 617:
        if (local == "lumOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(15);
        }
        break;
    case 622:
        if (local == "lumMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(16);
        }
        break;
    case 707:
        if (local == "blueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(24);
        }
        break;
    case 712:
        if (local == "blueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(25);
        }
        break;
    case 801:
        if (local == "alphaOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_FixedPercentage>(6);
        }
        break;
    case 806:
        if (local == "alphaMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(7);
        }
        break;
    case 812:
        if (local == "greenOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(21);
        }
        break;
    case 816:
        if (local == "invGamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27);
        }
        break;
    case 817:
        if (local == "greenMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(22);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_HslColor::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 322:
            if (local == "hue") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FHue = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 328:
            if (local == "sat") {
                FSat = attrs.GetValues(i);
                continue;
            }
            break;
        case 334:
            if (local == "lum") {
                FLum = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_HslColor::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("hue", XmlIntToStr(FHue));
    writer.AddAttribute("sat", FSat);
    writer.AddAttribute("lum", FLum);
}

void TCT_HslColor::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ColorTransformList.GetItems())
        NyqWriteChild(writer, cTCT_HslColorFEG_ColorTransformListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_HslColor::Clear()
{
    TNYQBase::Clear();
    FHue = {};
    FSat = {};
    FLum = {};
    FEG_ColorTransformList.Clear();
    FAny.Clear();
}

void TCT_HslColor::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_HslColor*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FHue = o->FHue;
    FSat = o->FSat;
    FLum = o->FLum;
    for (const auto& item : o->FEG_ColorTransformList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ColorTransformList.Add<TCT_ComplementTransform>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ColorTransformList.Add<TCT_InverseTransform>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ColorTransformList.Add<TCT_FixedPercentage>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ColorTransformList.Add<TCT_Angle>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ColorTransformList.Add<TCT_Percentage>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ColorTransformList.Add<TCT_Percentage>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ColorTransformList.Add<TCT_Percentage>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ColorTransformList.Add<TCT_Percentage>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ColorTransformList.Add<TCT_Percentage>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ColorTransformList.Add<TCT_Percentage>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ColorTransformList.Add<TCT_Percentage>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ColorTransformList.Add<TCT_Percentage>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ColorTransformList.Add<TCT_Percentage>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ColorTransformList.Add<TCT_Percentage>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ColorTransformList.Add<TCT_Percentage>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ColorTransformList.Add<TCT_Percentage>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ColorTransformList.Add<TCT_Percentage>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ColorTransformList.Add<TCT_Percentage>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ColorTransformList.Add<TCT_Percentage>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ColorTransformList.Add<TCT_GammaTransform>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_HslColor::HasElements() const
{
    return FEG_ColorTransformList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SystemColor

namespace {
constexpr std::string_view cTCT_SystemColorFEG_ColorTransformListNames[] = {"a:tint", "a:shade", "a:comp", "a:inv", "a:gray", "a:alpha", "a:alphaOff", "a:alphaMod", "a:hue", "a:hueOff", "a:hueMod", "a:sat", "a:satOff", "a:satMod", "a:lum", "a:lumOff", "a:lumMod", "a:red", "a:redOff", "a:redMod", "a:green", "a:greenOff", "a:greenMod", "a:blue", "a:blueOff", "a:blueMod", "a:gamma", "a:invGamma"};
}  // namespace

TCT_SystemColor::TCT_SystemColor() = default;
TCT_SystemColor::~TCT_SystemColor() = default;

TNYQBase* TCT_SystemColor::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 315:
        if (local == "red") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(17);
        }
        break;
    case 322:
        if (local == "hue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8);
        }
        break;
    case 328:
        if (local == "sat") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(11);
        }
        break;
    case 333:
        if (local == "inv") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseTransform>(3);
        }
        break;
    case 334:
        if (local == "lum") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(14);
        }
        break;
    case 424:
        if (local == "blue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(23);
        }
        break;
    case 431:
        if (local == "comp") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_ComplementTransform>(2);
        }
        break;
    case 435:
        if (local == "gray") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4);
        }
        break;
    case 447:
        if (local == "tint") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0);
        }
        break;
    case 515:
        if (local == "gamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GammaTransform>(26);
        }
        break;
    case 517:
        if (local == "shade") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1);
        }
        break;
    case 518:
        if (local == "alpha") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5);
        }
        break;
    case 529:
        if (local == "green") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(20);
        }
        break;
    case 598:
        if (local == "redOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(18);
        }
        break;
    case 603:
        if (local == "redMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(19);
        }
        break;
    case 605:
        if (local == "hueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Angle>(9);
        }
        break;
    case 610:
        if (local == "hueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(10);
        }
        break;
    case 611:
        if (local == "satOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(12);
        }
        break;
    case 616:
        if (local == "satMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(13);
        }
        break;
    case 617:
        if (local == "lumOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(15);
        }
        break;
    case 622:
        if (local == "lumMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(16);
        }
        break;
    case 707:
        if (local == "blueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(24);
        }
        break;
    case 712:
        if (local == "blueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(25);
        }
        break;
    case 801:
        if (local == "alphaOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_FixedPercentage>(6);
        }
        break;
    case 806:
        if (local == "alphaMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(7);
        }
        break;
    case 812:
        if (local == "greenOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(21);
        }
        break;
    case 816:
        if (local == "invGamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27);
        }
        break;
    case 817:
        if (local == "greenMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(22);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SystemColor::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_SystemColorVal(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 725:
            if (local == "lastClr") {
                FLastClr = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_SystemColor::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", TST_SystemColorValToStr(FVal));
    if (FLastClr)
        writer.AddAttribute("lastClr", *FLastClr);
}

void TCT_SystemColor::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ColorTransformList.GetItems())
        NyqWriteChild(writer, cTCT_SystemColorFEG_ColorTransformListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_SystemColor::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FLastClr = {};
    FEG_ColorTransformList.Clear();
    FAny.Clear();
}

void TCT_SystemColor::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SystemColor*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FLastClr = o->FLastClr;
    for (const auto& item : o->FEG_ColorTransformList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ColorTransformList.Add<TCT_ComplementTransform>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ColorTransformList.Add<TCT_InverseTransform>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ColorTransformList.Add<TCT_FixedPercentage>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ColorTransformList.Add<TCT_Angle>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ColorTransformList.Add<TCT_Percentage>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ColorTransformList.Add<TCT_Percentage>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ColorTransformList.Add<TCT_Percentage>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ColorTransformList.Add<TCT_Percentage>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ColorTransformList.Add<TCT_Percentage>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ColorTransformList.Add<TCT_Percentage>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ColorTransformList.Add<TCT_Percentage>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ColorTransformList.Add<TCT_Percentage>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ColorTransformList.Add<TCT_Percentage>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ColorTransformList.Add<TCT_Percentage>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ColorTransformList.Add<TCT_Percentage>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ColorTransformList.Add<TCT_Percentage>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ColorTransformList.Add<TCT_Percentage>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ColorTransformList.Add<TCT_Percentage>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ColorTransformList.Add<TCT_Percentage>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ColorTransformList.Add<TCT_GammaTransform>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SystemColor::HasElements() const
{
    return FEG_ColorTransformList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SchemeColor

namespace {
constexpr std::string_view cTCT_SchemeColorFEG_ColorTransformListNames[] = {"a:tint", "a:shade", "a:comp", "a:inv", "a:gray", "a:alpha", "a:alphaOff", "a:alphaMod", "a:hue", "a:hueOff", "a:hueMod", "a:sat", "a:satOff", "a:satMod", "a:lum", "a:lumOff", "a:lumMod", "a:red", "a:redOff", "a:redMod", "a:green", "a:greenOff", "a:greenMod", "a:blue", "a:blueOff", "a:blueMod", "a:gamma", "a:invGamma"};
}  // namespace

TCT_SchemeColor::TCT_SchemeColor() = default;
TCT_SchemeColor::~TCT_SchemeColor() = default;

TNYQBase* TCT_SchemeColor::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 315:
        if (local == "red") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(17);
        }
        break;
    case 322:
        if (local == "hue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8);
        }
        break;
    case 328:
        if (local == "sat") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(11);
        }
        break;
    case 333:
        if (local == "inv") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseTransform>(3);
        }
        break;
    case 334:
        if (local == "lum") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(14);
        }
        break;
    case 424:
        if (local == "blue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(23);
        }
        break;
    case 431:
        if (local == "comp") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_ComplementTransform>(2);
        }
        break;
    case 435:
        if (local == "gray") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4);
        }
        break;
    case 447:
        if (local == "tint") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0);
        }
        break;
    case 515:
        if (local == "gamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GammaTransform>(26);
        }
        break;
    case 517:
        if (local == "shade") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1);
        }
        break;
    case 518:
        if (local == "alpha") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5);
        }
        break;
    case 529:
        if (local == "green") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(20);
        }
        break;
    case 598:
        if (local == "redOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(18);
        }
        break;
    case 603:
        if (local == "redMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(19);
        }
        break;
    case 605:
        if (local == "hueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Angle>(9);
        }
        break;
    case 610:
        if (local == "hueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(10);
        }
        break;
    case 611:
        if (local == "satOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(12);
        }
        break;
    case 616:
        if (local == "satMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(13);
        }
        break;
    case 617:
        if (local == "lumOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(15);
        }
        break;
    case 622:
        if (local == "lumMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(16);
        }
        break;
    case 707:
        if (local == "blueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(24);
        }
        break;
    case 712:
        if (local == "blueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(25);
        }
        break;
    case 801:
        if (local == "alphaOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_FixedPercentage>(6);
        }
        break;
    case 806:
        if (local == "alphaMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(7);
        }
        break;
    case 812:
        if (local == "greenOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(21);
        }
        break;
    case 816:
        if (local == "invGamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27);
        }
        break;
    case 817:
        if (local == "greenMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(22);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SchemeColor::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_SchemeColorVal(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_SchemeColor::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", TST_SchemeColorValToStr(FVal));
}

void TCT_SchemeColor::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ColorTransformList.GetItems())
        NyqWriteChild(writer, cTCT_SchemeColorFEG_ColorTransformListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_SchemeColor::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FEG_ColorTransformList.Clear();
    FAny.Clear();
}

void TCT_SchemeColor::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SchemeColor*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    for (const auto& item : o->FEG_ColorTransformList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ColorTransformList.Add<TCT_ComplementTransform>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ColorTransformList.Add<TCT_InverseTransform>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ColorTransformList.Add<TCT_FixedPercentage>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ColorTransformList.Add<TCT_Angle>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ColorTransformList.Add<TCT_Percentage>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ColorTransformList.Add<TCT_Percentage>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ColorTransformList.Add<TCT_Percentage>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ColorTransformList.Add<TCT_Percentage>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ColorTransformList.Add<TCT_Percentage>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ColorTransformList.Add<TCT_Percentage>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ColorTransformList.Add<TCT_Percentage>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ColorTransformList.Add<TCT_Percentage>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ColorTransformList.Add<TCT_Percentage>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ColorTransformList.Add<TCT_Percentage>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ColorTransformList.Add<TCT_Percentage>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ColorTransformList.Add<TCT_Percentage>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ColorTransformList.Add<TCT_Percentage>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ColorTransformList.Add<TCT_Percentage>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ColorTransformList.Add<TCT_Percentage>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ColorTransformList.Add<TCT_GammaTransform>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SchemeColor::HasElements() const
{
    return FEG_ColorTransformList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PresetColor

namespace {
constexpr std::string_view cTCT_PresetColorFEG_ColorTransformListNames[] = {"a:tint", "a:shade", "a:comp", "a:inv", "a:gray", "a:alpha", "a:alphaOff", "a:alphaMod", "a:hue", "a:hueOff", "a:hueMod", "a:sat", "a:satOff", "a:satMod", "a:lum", "a:lumOff", "a:lumMod", "a:red", "a:redOff", "a:redMod", "a:green", "a:greenOff", "a:greenMod", "a:blue", "a:blueOff", "a:blueMod", "a:gamma", "a:invGamma"};
}  // namespace

TCT_PresetColor::TCT_PresetColor() = default;
TCT_PresetColor::~TCT_PresetColor() = default;

TNYQBase* TCT_PresetColor::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 315:
        if (local == "red") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(17);
        }
        break;
    case 322:
        if (local == "hue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8);
        }
        break;
    case 328:
        if (local == "sat") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(11);
        }
        break;
    case 333:
        if (local == "inv") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseTransform>(3);
        }
        break;
    case 334:
        if (local == "lum") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(14);
        }
        break;
    case 424:
        if (local == "blue") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(23);
        }
        break;
    case 431:
        if (local == "comp") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_ComplementTransform>(2);
        }
        break;
    case 435:
        if (local == "gray") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4);
        }
        break;
    case 447:
        if (local == "tint") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0);
        }
        break;
    case 515:
        if (local == "gamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_GammaTransform>(26);
        }
        break;
    case 517:
        if (local == "shade") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1);
        }
        break;
    case 518:
        if (local == "alpha") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5);
        }
        break;
    case 529:
        if (local == "green") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(20);
        }
        break;
    case 598:
        if (local == "redOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(18);
        }
        break;
    case 603:
        if (local == "redMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(19);
        }
        break;
    case 605:
        if (local == "hueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Angle>(9);
        }
        break;
    case 610:
        if (local == "hueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(10);
        }
        break;
    case 611:
        if (local == "satOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(12);
        }
        break;
    case 616:
        if (local == "satMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(13);
        }
        break;
    case 617:
        if (local == "lumOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(15);
        }
        break;
    case 622:
        if (local == "lumMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(16);
        }
        break;
    case 707:
        if (local == "blueOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(24);
        }
        break;
    case 712:
        if (local == "blueMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(25);
        }
        break;
    case 801:
        if (local == "alphaOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_FixedPercentage>(6);
        }
        break;
    case 806:
        if (local == "alphaMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_PositivePercentage>(7);
        }
        break;
    case 812:
        if (local == "greenOff") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(21);
        }
        break;
    case 816:
        if (local == "invGamma") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27);
        }
        break;
    case 817:
        if (local == "greenMod") {
            SetHasChildren();
            return &FEG_ColorTransformList.Add<TCT_Percentage>(22);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PresetColor::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_PresetColorVal(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_PresetColor::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", TST_PresetColorValToStr(FVal));
}

void TCT_PresetColor::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ColorTransformList.GetItems())
        NyqWriteChild(writer, cTCT_PresetColorFEG_ColorTransformListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_PresetColor::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FEG_ColorTransformList.Clear();
    FAny.Clear();
}

void TCT_PresetColor::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PresetColor*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    for (const auto& item : o->FEG_ColorTransformList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ColorTransformList.Add<TCT_ComplementTransform>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ColorTransformList.Add<TCT_InverseTransform>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ColorTransformList.Add<TCT_GrayscaleTransform>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ColorTransformList.Add<TCT_PositiveFixedPercentage>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ColorTransformList.Add<TCT_FixedPercentage>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ColorTransformList.Add<TCT_PositiveFixedAngle>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ColorTransformList.Add<TCT_Angle>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ColorTransformList.Add<TCT_PositivePercentage>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ColorTransformList.Add<TCT_Percentage>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ColorTransformList.Add<TCT_Percentage>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ColorTransformList.Add<TCT_Percentage>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ColorTransformList.Add<TCT_Percentage>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ColorTransformList.Add<TCT_Percentage>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ColorTransformList.Add<TCT_Percentage>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ColorTransformList.Add<TCT_Percentage>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ColorTransformList.Add<TCT_Percentage>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ColorTransformList.Add<TCT_Percentage>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ColorTransformList.Add<TCT_Percentage>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ColorTransformList.Add<TCT_Percentage>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ColorTransformList.Add<TCT_Percentage>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ColorTransformList.Add<TCT_Percentage>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ColorTransformList.Add<TCT_Percentage>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ColorTransformList.Add<TCT_Percentage>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ColorTransformList.Add<TCT_GammaTransform>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ColorTransformList.Add<TCT_InverseGammaTransform>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PresetColor::HasElements() const
{
    return FEG_ColorTransformList.Count() > 0 || FAny.Count() > 0;
}

