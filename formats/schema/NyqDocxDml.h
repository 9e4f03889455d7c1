// NyqDocxDml.h: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#pragma once

#include "formats/schema/NyqDocx.h"

class TCT_Picture_pic : public TNYQBase {
public:
    TCT_Picture_pic();
    ~TCT_Picture_pic() override;
    std::unique_ptr<TCT_PictureNonVisual> FNvPicPr;
    std::unique_ptr<TCT_BlipFillProperties> FBlipFill;
    std::unique_ptr<TCT_ShapeProperties> FSpPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_PictureNonVisual& Create_NvPicPr();
    TCT_BlipFillProperties& Create_BlipFill();
    TCT_ShapeProperties& Create_SpPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PictureNonVisual : public TNYQBase {
public:
    TCT_PictureNonVisual();
    ~TCT_PictureNonVisual() override;
    std::unique_ptr<TCT_NonVisualDrawingProps> FCNvPr;
    std::unique_ptr<TCT_NonVisualPictureProperties> FCNvPicPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_NonVisualDrawingProps& Create_CNvPr();
    TCT_NonVisualPictureProperties& Create_CNvPicPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_BlipFillProperties : public TNYQBase {
public:
    TCT_BlipFillProperties();
    ~TCT_BlipFillProperties() override;
    std::optional<std::uint32_t> FDpi;
    std::optional<bool> FRotWithShape;
    std::unique_ptr<TCT_Blip> FBlip;
    std::unique_ptr<TCT_RelativeRect> FSrcRect;
    std::unique_ptr<TCT_TileInfoProperties> FTile;
    std::unique_ptr<TCT_StretchInfoProperties> FStretch;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Blip& Create_Blip();
    TCT_RelativeRect& Create_SrcRect();
    TCT_TileInfoProperties& Create_Tile();
    TCT_StretchInfoProperties& Create_Stretch();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ShapeProperties : public TNYQBase {
public:
    TCT_ShapeProperties();
    ~TCT_ShapeProperties() override;
    std::optional<TST_BlackWhiteMode> FBwMode;
    std::unique_ptr<TCT_Transform2D> FXfrm;
    std::unique_ptr<TCT_CustomGeometry2D> FCustGeom;
    std::unique_ptr<TCT_PresetGeometry2D> FPrstGeom;
    std::unique_ptr<TCT_NoFillProperties> FNoFill;
    std::unique_ptr<TCT_SolidColorFillProperties> FSolidFill;
    std::unique_ptr<TCT_GradientFillProperties> FGradFill;
    std::unique_ptr<TCT_BlipFillProperties> FBlipFill;
    std::unique_ptr<TCT_PatternFillProperties> FPattFill;
    std::unique_ptr<TCT_GroupFillProperties> FGrpFill;
    std::unique_ptr<TCT_LineProperties> FLn;
    std::unique_ptr<TCT_EffectList> FEffectLst;
    std::unique_ptr<TCT_EffectContainer> FEffectDag;
    std::unique_ptr<TCT_Scene3D> FScene3d;
    std::unique_ptr<TCT_Shape3D> FSp3d;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Transform2D& Create_Xfrm();
    TCT_CustomGeometry2D& Create_CustGeom();
    TCT_PresetGeometry2D& Create_PrstGeom();
    TCT_NoFillProperties& Create_NoFill();
    TCT_SolidColorFillProperties& Create_SolidFill();
    TCT_GradientFillProperties& Create_GradFill();
    TCT_BlipFillProperties& Create_BlipFill();
    TCT_PatternFillProperties& Create_PattFill();
    TCT_GroupFillProperties& Create_GrpFill();
    TCT_LineProperties& Create_Ln();
    TCT_EffectList& Create_EffectLst();
    TCT_EffectContainer& Create_EffectDag();
    TCT_Scene3D& Create_Scene3d();
    TCT_Shape3D& Create_Sp3d();
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_NonVisualDrawingProps : public TNYQBase {
public:
    TCT_NonVisualDrawingProps();
    ~TCT_NonVisualDrawingProps() override;
    std::uint32_t FId{};
    std::string FName{};
    std::optional<std::string> FDescr;
    std::optional<bool> FHidden;
    std::optional<std::string> FTitle;
    std::unique_ptr<TCT_Hyperlink_a> FHlinkClick;
    std::unique_ptr<TCT_Hyperlink_a> FHlinkHover;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Hyperlink_a& Create_HlinkClick();
    TCT_Hyperlink_a& Create_HlinkHover();
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_NonVisualPictureProperties : public TNYQBase {
public:
    TCT_NonVisualPictureProperties();
    ~TCT_NonVisualPictureProperties() override;
    std::optional<bool> FPreferRelativeResize;
    std::unique_ptr<TCT_PictureLocking> FPicLocks;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_PictureLocking& Create_PicLocks();
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Blip : public TNYQBase {
public:
    TCT_Blip();
    ~TCT_Blip() override;
    std::optional<std::string> FEmbed;
    std::optional<std::string> FLink;
    std::optional<TST_BlipCompression> FCstate;
    TChoiceNyqList FChoice1List;  // 0: alphaBiLevel, 1: alphaCeiling, 2: alphaFloor, 3: alphaInv, 4: alphaMod, 5: alphaModFix, 6: alphaRepl, 7: biLevel, 8: blur, 9: clrChange, 10: clrRepl, 11: duotone, 12: fillOverlay, 13: grayscl, 14: hsl, 15: lum, 16: tint
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RelativeRect : public TNYQBase {
public:
    TCT_RelativeRect();
    ~TCT_RelativeRect() override;
    std::optional<std::string> FL;
    std::optional<std::string> FT;
    std::optional<std::string> FR;
    std::optional<std::string> FB;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TileInfoProperties : public TNYQBase {
public:
    TCT_TileInfoProperties();
    ~TCT_TileInfoProperties() override;
    std::optional<std::string> FTx;
    std::optional<std::string> FTy;
    std::optional<std::string> FSx;
    std::optional<std::string> FSy;
    std::optional<TST_TileFlipMode> FFlip;
    std::optional<TST_RectAlignment> FAlgn;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_StretchInfoProperties : public TNYQBase {
public:
    TCT_StretchInfoProperties();
    ~TCT_StretchInfoProperties() override;
    std::unique_ptr<TCT_RelativeRect> FFillRect;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RelativeRect& Create_FillRect();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Transform2D : public TNYQBase {
public:
    TCT_Transform2D();
    ~TCT_Transform2D() override;
    std::optional<int> FRot;
    std::optional<bool> FFlipH;
    std::optional<bool> FFlipV;
    std::unique_ptr<TCT_Point2D> FOff;
    std::unique_ptr<TCT_PositiveSize2D> FExt;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Point2D& Create_Off();
    TCT_PositiveSize2D& Create_Ext();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CustomGeometry2D : public TNYQBase {
public:
    TCT_CustomGeometry2D();
    ~TCT_CustomGeometry2D() override;
    std::unique_ptr<TCT_GeomGuideList> FAvLst;
    std::unique_ptr<TCT_GeomGuideList> FGdLst;
    std::unique_ptr<TCT_AdjustHandleList> FAhLst;
    std::unique_ptr<TCT_ConnectionSiteList> FCxnLst;
    std::unique_ptr<TCT_GeomRect> FRect;
    std::unique_ptr<TCT_Path2DList> FPathLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_GeomGuideList& Create_AvLst();
    TCT_GeomGuideList& Create_GdLst();
    TCT_AdjustHandleList& Create_AhLst();
    TCT_ConnectionSiteList& Create_CxnLst();
    TCT_GeomRect& Create_Rect();
    TCT_Path2DList& Create_PathLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PresetGeometry2D : public TNYQBase {
public:
    TCT_PresetGeometry2D();
    ~TCT_PresetGeometry2D() override;
    TST_ShapeType FPrst{};
    std::unique_ptr<TCT_GeomGuideList> FAvLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_GeomGuideList& Create_AvLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_NoFillProperties : public TNYQBase {
public:
    TCT_NoFillProperties();
    ~TCT_NoFillProperties() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SolidColorFillProperties : public TNYQBase {
public:
    TCT_SolidColorFillProperties();
    ~TCT_SolidColorFillProperties() override;
    std::unique_ptr<TCT_ScRgbColor> FScrgbClr;
    std::unique_ptr<TCT_SRgbColor> FSrgbClr;
    std::unique_ptr<TCT_HslColor> FHslClr;
    std::unique_ptr<TCT_SystemColor> FSysClr;
    std::unique_ptr<TCT_SchemeColor> FSchemeClr;
    std::unique_ptr<TCT_PresetColor> FPrstClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ScRgbColor& Create_ScrgbClr();
    TCT_SRgbColor& Create_SrgbClr();
    TCT_HslColor& Create_HslClr();
    TCT_SystemColor& Create_SysClr();
    TCT_SchemeColor& Create_SchemeClr();
    TCT_PresetColor& Create_PrstClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GradientFillProperties : public TNYQBase {
public:
    TCT_GradientFillProperties();
    ~TCT_GradientFillProperties() override;
    std::optional<TST_TileFlipMode> FFlip;
    std::optional<bool> FRotWithShape;
    std::unique_ptr<TCT_GradientStopList> FGsLst;
    std::unique_ptr<TCT_LinearShadeProperties> FLin;
    std::unique_ptr<TCT_PathShadeProperties> FPath;
    std::unique_ptr<TCT_RelativeRect> FTileRect;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_GradientStopList& Create_GsLst();
    TCT_LinearShadeProperties& Create_Lin();
    TCT_PathShadeProperties& Create_Path();
    TCT_RelativeRect& Create_TileRect();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PatternFillProperties : public TNYQBase {
public:
    TCT_PatternFillProperties();
    ~TCT_PatternFillProperties() override;
    std::optional<TST_PresetPatternVal> FPrst;
    std::unique_ptr<TCT_Color_a> FFgClr;
    std::unique_ptr<TCT_Color_a> FBgClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Color_a& Create_FgClr();
    TCT_Color_a& Create_BgClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GroupFillProperties : public TNYQBase {
public:
    TCT_GroupFillProperties();
    ~TCT_GroupFillProperties() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LineProperties : public TNYQBase {
public:
    TCT_LineProperties();
    ~TCT_LineProperties() override;
    std::optional<int> FW;
    std::optional<TST_LineCap> FCap;
    std::optional<TST_CompoundLine> FCmpd;
    std::optional<TST_PenAlignment> FAlgn;
    std::unique_ptr<TCT_NoFillProperties> FNoFill;
    std::unique_ptr<TCT_SolidColorFillProperties> FSolidFill;
    std::unique_ptr<TCT_GradientFillProperties> FGradFill;
    std::unique_ptr<TCT_PatternFillProperties> FPattFill;
    std::unique_ptr<TCT_PresetLineDashProperties> FPrstDash;
    std::unique_ptr<TCT_DashStopList> FCustDash;
    std::unique_ptr<TCT_LineJoinRound> FRound;
    std::unique_ptr<TCT_LineJoinBevel> FBevel;
    std::unique_ptr<TCT_LineJoinMiterProperties> FMiter;
    std::unique_ptr<TCT_LineEndProperties> FHeadEnd;
    std::unique_ptr<TCT_LineEndProperties> FTailEnd;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_NoFillProperties& Create_NoFill();
    TCT_SolidColorFillProperties& Create_SolidFill();
    TCT_GradientFillProperties& Create_GradFill();
    TCT_PatternFillProperties& Create_PattFill();
    TCT_PresetLineDashProperties& Create_PrstDash();
    TCT_DashStopList& Create_CustDash();
    TCT_LineJoinRound& Create_Round();
    TCT_LineJoinBevel& Create_Bevel();
    TCT_LineJoinMiterProperties& Create_Miter();
    TCT_LineEndProperties& Create_HeadEnd();
    TCT_LineEndProperties& Create_TailEnd();
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EffectList : public TNYQBase {
public:
    TCT_EffectList();
    ~TCT_EffectList() override;
    std::unique_ptr<TCT_BlurEffect> FBlur;
    std::unique_ptr<TCT_FillOverlayEffect> FFillOverlay;
    std::unique_ptr<TCT_GlowEffect> FGlow;
    std::unique_ptr<TCT_InnerShadowEffect> FInnerShdw;
    std::unique_ptr<TCT_OuterShadowEffect> FOuterShdw;
    std::unique_ptr<TCT_PresetShadowEffect> FPrstShdw;
    std::unique_ptr<TCT_ReflectionEffect> FReflection;
    std::unique_ptr<TCT_SoftEdgesEffect> FSoftEdge;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_BlurEffect& Create_Blur();
    TCT_FillOverlayEffect& Create_FillOverlay();
    TCT_GlowEffect& Create_Glow();
    TCT_InnerShadowEffect& Create_InnerShdw();
    TCT_OuterShadowEffect& Create_OuterShdw();
    TCT_PresetShadowEffect& Create_PrstShdw();
    TCT_ReflectionEffect& Create_Reflection();
    TCT_SoftEdgesEffect& Create_SoftEdge();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EffectContainer : public TNYQBase {
public:
    TCT_EffectContainer();
    ~TCT_EffectContainer() override;
    std::optional<TST_EffectContainerType> FType;
    std::optional<std::string> FName;
    TChoiceNyqList FEG_EffectList;  // 0: cont, 1: effect, 2: alphaBiLevel, 3: alphaCeiling, 4: alphaFloor, 5: alphaInv, 6: alphaMod, 7: alphaModFix, 8: alphaOutset, 9: alphaRepl, 10: biLevel, 11: blend, 12: blur, 13: clrChange, 14: clrRepl, 15: duotone, 16: fill, 17: fillOverlay, 18: glow, 19: grayscl, 20: hsl, 21: innerShdw, 22: lum, 23: outerShdw, 24: prstShdw, 25: reflection, 26: relOff, 27: softEdge, 28: tint, 29: xfrm
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Scene3D : public TNYQBase {
public:
    TCT_Scene3D();
    ~TCT_Scene3D() override;
    std::unique_ptr<TCT_Camera> FCamera;
    std::unique_ptr<TCT_LightRig> FLightRig;
    std::unique_ptr<TCT_Backdrop> FBackdrop;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Camera& Create_Camera();
    TCT_LightRig& Create_LightRig();
    TCT_Backdrop& Create_Backdrop();
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Shape3D : public TNYQBase {
public:
    TCT_Shape3D();
    ~TCT_Shape3D() override;
    std::optional<std::string> FZ;
    std::optional<std::int64_t> FExtrusionH;
    std::optional<std::int64_t> FContourW;
    std::optional<TST_PresetMaterialType> FPrstMaterial;
    std::unique_ptr<TCT_Bevel> FBevelT;
    std::unique_ptr<TCT_Bevel> FBevelB;
    std::unique_ptr<TCT_Color_a> FExtrusionClr;
    std::unique_ptr<TCT_Color_a> FContourClr;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Bevel& Create_BevelT();
    TCT_Bevel& Create_BevelB();
    TCT_Color_a& Create_ExtrusionClr();
    TCT_Color_a& Create_ContourClr();
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_OfficeArtExtensionList : public TNYQBase {
public:
    TCT_OfficeArtExtensionList();
    ~TCT_OfficeArtExtensionList() override;
    TItemNyqList<TCT_OfficeArtExtension> FExtList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Anchor : public TNYQBase {
public:
    TCT_Anchor();
    ~TCT_Anchor() override;
    std::optional<std::uint32_t> FDistT;
    std::optional<std::uint32_t> FDistB;
    std::optional<std::uint32_t> FDistL;
    std::optional<std::uint32_t> FDistR;
    std::optional<bool> FSimplePos;
    std::uint32_t FRelativeHeight{};
    bool FBehindDoc{};
    bool FLocked{};
    bool FLayoutInCell{};
    std::optional<bool> FHidden;
    bool FAllowOverlap{};
    std::unique_ptr<TCT_Point2D> FSimplePos_;
    std::unique_ptr<TCT_PosH> FPositionH;
    std::unique_ptr<TCT_PosV> FPositionV;
    std::unique_ptr<TCT_PositiveSize2D> FExtent;
    std::unique_ptr<TCT_EffectExtent> FEffectExtent;
    std::unique_ptr<TCT_WrapNone> FWrapNone;
    std::unique_ptr<TCT_WrapSquare> FWrapSquare;
    std::unique_ptr<TCT_WrapTight> FWrapTight;
    std::unique_ptr<TCT_WrapThrough> FWrapThrough;
    std::unique_ptr<TCT_WrapTopBottom> FWrapTopAndBottom;
    std::unique_ptr<TCT_NonVisualDrawingProps> FDocPr;
    std::unique_ptr<TCT_NonVisualGraphicFrameProperties> FCNvGraphicFramePr;
    std::unique_ptr<TCT_GraphicalObject> FGraphic;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Point2D& Create_SimplePos_();
    TCT_PosH& Create_PositionH();
    TCT_PosV& Create_PositionV();
    TCT_PositiveSize2D& Create_Extent();
    TCT_EffectExtent& Create_EffectExtent();
    TCT_WrapNone& Create_WrapNone();
    TCT_WrapSquare& Create_WrapSquare();
    TCT_WrapTight& Create_WrapTight();
    TCT_WrapThrough& Create_WrapThrough();
    TCT_WrapTopBottom& Create_WrapTopAndBottom();
    TCT_NonVisualDrawingProps& Create_DocPr();
    TCT_NonVisualGraphicFrameProperties& Create_CNvGraphicFramePr();
    TCT_GraphicalObject& Create_Graphic();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Inline : public TNYQBase {
public:
    TCT_Inline();
    ~TCT_Inline() override;
    std::optional<std::uint32_t> FDistT;
    std::optional<std::uint32_t> FDistB;
    std::optional<std::uint32_t> FDistL;
    std::optional<std::uint32_t> FDistR;
    std::unique_ptr<TCT_PositiveSize2D> FExtent;
    std::unique_ptr<TCT_EffectExtent> FEffectExtent;
    std::unique_ptr<TCT_NonVisualDrawingProps> FDocPr;
    std::unique_ptr<TCT_NonVisualGraphicFrameProperties> FCNvGraphicFramePr;
    std::unique_ptr<TCT_GraphicalObject> FGraphic;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_PositiveSize2D& Create_Extent();
    TCT_EffectExtent& Create_EffectExtent();
    TCT_NonVisualDrawingProps& Create_DocPr();
    TCT_NonVisualGraphicFrameProperties& Create_CNvGraphicFramePr();
    TCT_GraphicalObject& Create_Graphic();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Hyperlink_a : public TNYQBase {
public:
    TCT_Hyperlink_a();
    ~TCT_Hyperlink_a() override;
    std::optional<std::string> FId;
    std::optional<std::string> FInvalidUrl;
    std::optional<std::string> FAction;
    std::optional<std::string> FTgtFrame;
    std::optional<std::string> FTooltip;
    std::optional<bool> FHistory;
    std::optional<bool> FHighlightClick;
    std::optional<bool> FEndSnd;
    std::unique_ptr<TCT_EmbeddedWAVAudioFile> FSnd;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_EmbeddedWAVAudioFile& Create_Snd();
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PictureLocking : public TNYQBase {
public:
    TCT_PictureLocking();
    ~TCT_PictureLocking() override;
    std::optional<bool> FNoGrp;
    std::optional<bool> FNoSelect;
    std::optional<bool> FNoRot;
    std::optional<bool> FNoChangeAspect;
    std::optional<bool> FNoMove;
    std::optional<bool> FNoResize;
    std::optional<bool> FNoEditPoints;
    std::optional<bool> FNoAdjustHandles;
    std::optional<bool> FNoChangeArrowheads;
    std::optional<bool> FNoChangeShapeType;
    std::optional<bool> FNoCrop;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AlphaBiLevelEffect : public TNYQBase {
public:
    TCT_AlphaBiLevelEffect();
    ~TCT_AlphaBiLevelEffect() override;
    std::string FThresh{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AlphaCeilingEffect : public TNYQBase {
public:
    TCT_AlphaCeilingEffect();
    ~TCT_AlphaCeilingEffect() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AlphaFloorEffect : public TNYQBase {
public:
    TCT_AlphaFloorEffect();
    ~TCT_AlphaFloorEffect() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AlphaInverseEffect : public TNYQBase {
public:
    TCT_AlphaInverseEffect();
    ~TCT_AlphaInverseEffect() override;
    std::unique_ptr<TCT_ScRgbColor> FScrgbClr;
    std::unique_ptr<TCT_SRgbColor> FSrgbClr;
    std::unique_ptr<TCT_HslColor> FHslClr;
    std::unique_ptr<TCT_SystemColor> FSysClr;
    std::unique_ptr<TCT_SchemeColor> FSchemeClr;
    std::unique_ptr<TCT_PresetColor> FPrstClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ScRgbColor& Create_ScrgbClr();
    TCT_SRgbColor& Create_SrgbClr();
    TCT_HslColor& Create_HslClr();
    TCT_SystemColor& Create_SysClr();
    TCT_SchemeColor& Create_SchemeClr();
    TCT_PresetColor& Create_PrstClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AlphaModulateEffect : public TNYQBase {
public:
    TCT_AlphaModulateEffect();
    ~TCT_AlphaModulateEffect() override;
    std::unique_ptr<TCT_EffectContainer> FCont;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_EffectContainer& Create_Cont();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AlphaModulateFixedEffect : public TNYQBase {
public:
    TCT_AlphaModulateFixedEffect();
    ~TCT_AlphaModulateFixedEffect() override;
    std::optional<std::string> FAmt;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AlphaReplaceEffect : public TNYQBase {
public:
    TCT_AlphaReplaceEffect();
    ~TCT_AlphaReplaceEffect() override;
    std::string FA{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_BiLevelEffect : public TNYQBase {
public:
    TCT_BiLevelEffect();
    ~TCT_BiLevelEffect() override;
    std::string FThresh{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_BlurEffect : public TNYQBase {
public:
    TCT_BlurEffect();
    ~TCT_BlurEffect() override;
    std::optional<std::int64_t> FRad;
    std::optional<bool> FGrow;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ColorChangeEffect : public TNYQBase {
public:
    TCT_ColorChangeEffect();
    ~TCT_ColorChangeEffect() override;
    std::optional<bool> FUseA;
    std::unique_ptr<TCT_Color_a> FClrFrom;
    std::unique_ptr<TCT_Color_a> FClrTo;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Color_a& Create_ClrFrom();
    TCT_Color_a& Create_ClrTo();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ColorReplaceEffect : public TNYQBase {
public:
    TCT_ColorReplaceEffect();
    ~TCT_ColorReplaceEffect() override;
    std::unique_ptr<TCT_ScRgbColor> FScrgbClr;
    std::unique_ptr<TCT_SRgbColor> FSrgbClr;
    std::unique_ptr<TCT_HslColor> FHslClr;
    std::unique_ptr<TCT_SystemColor> FSysClr;
    std::unique_ptr<TCT_SchemeColor> FSchemeClr;
    std::unique_ptr<TCT_PresetColor> FPrstClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ScRgbColor& Create_ScrgbClr();
    TCT_SRgbColor& Create_SrgbClr();
    TCT_HslColor& Create_HslClr();
    TCT_SystemColor& Create_SysClr();
    TCT_SchemeColor& Create_SchemeClr();
    TCT_PresetColor& Create_PrstClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DuotoneEffect : public TNYQBase {
public:
    TCT_DuotoneEffect();
    ~TCT_DuotoneEffect() override;
    TChoiceNyqList FEG_ColorChoiceList;  // 0: scrgbClr, 1: srgbClr, 2: hslClr, 3: sysClr, 4: schemeClr, 5: prstClr
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FillOverlayEffect : public TNYQBase {
public:
    TCT_FillOverlayEffect();
    ~TCT_FillOverlayEffect() override;
    TST_BlendMode FBlend{};
    std::unique_ptr<TCT_NoFillProperties> FNoFill;
    std::unique_ptr<TCT_SolidColorFillProperties> FSolidFill;
    std::unique_ptr<TCT_GradientFillProperties> FGradFill;
    std::unique_ptr<TCT_BlipFillProperties> FBlipFill;
    std::unique_ptr<TCT_PatternFillProperties> FPattFill;
    std::unique_ptr<TCT_GroupFillProperties> FGrpFill;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_NoFillProperties& Create_NoFill();
    TCT_SolidColorFillProperties& Create_SolidFill();
    TCT_GradientFillProperties& Create_GradFill();
    TCT_BlipFillProperties& Create_BlipFill();
    TCT_PatternFillProperties& Create_PattFill();
    TCT_GroupFillProperties& Create_GrpFill();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GrayscaleEffect : public TNYQBase {
public:
    TCT_GrayscaleEffect();
    ~TCT_GrayscaleEffect() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_HSLEffect : public TNYQBase {
public:
    TCT_HSLEffect();
    ~TCT_HSLEffect() override;
    std::optional<int> FHue;
    std::optional<std::string> FSat;
    std::optional<std::string> FLum;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LuminanceEffect : public TNYQBase {
public:
    TCT_LuminanceEffect();
    ~TCT_LuminanceEffect() override;
    std::optional<std::string> FBright;
    std::optional<std::string> FContrast;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TintEffect : public TNYQBase {
public:
    TCT_TintEffect();
    ~TCT_TintEffect() override;
    std::optional<int> FHue;
    std::optional<std::string> FAmt;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Point2D : public TNYQBase {
public:
    TCT_Point2D();
    ~TCT_Point2D() override;
    std::string FX{};
    std::string FY{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PositiveSize2D : public TNYQBase {
public:
    TCT_PositiveSize2D();
    ~TCT_PositiveSize2D() override;
    std::int64_t FCx{};
    std::int64_t FCy{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GeomGuideList : public TNYQBase {
public:
    TCT_GeomGuideList();
    ~TCT_GeomGuideList() override;
    TItemNyqList<TCT_GeomGuide> FGdList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AdjustHandleList : public TNYQBase {
public:
    TCT_AdjustHandleList();
    ~TCT_AdjustHandleList() override;
    TChoiceNyqList FChoice1List;  // 0: ahXY, 1: ahPolar
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ConnectionSiteList : public TNYQBase {
public:
    TCT_ConnectionSiteList();
    ~TCT_ConnectionSiteList() override;
    TItemNyqList<TCT_ConnectionSite> FCxnList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GeomRect : public TNYQBase {
public:
    TCT_GeomRect();
    ~TCT_GeomRect() override;
    std::string FL{};
    std::string FT{};
    std::string FR{};
    std::string FB{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Path2DList : public TNYQBase {
public:
    TCT_Path2DList();
    ~TCT_Path2DList() override;
    TItemNyqList<TCT_Path2D> FPathList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ScRgbColor : public TNYQBase {
public:
    TCT_ScRgbColor();
    ~TCT_ScRgbColor() override;
    std::string FR{};
    std::string FG{};
    std::string FB{};
    TChoiceNyqList FEG_ColorTransformList;  // 0: tint, 1: shade, 2: comp, 3: inv, 4: gray, 5: alpha, 6: alphaOff, 7: alphaMod, 8: hue, 9: hueOff, 10: hueMod, 11: sat, 12: satOff, 13: satMod, 14: lum, 15: lumOff, 16: lumMod, 17: red, 18: redOff, 19: redMod, 20: green, 21: greenOff, 22: greenMod, 23: blue, 24: blueOff, 25: blueMod, 26: gamma, 27: invGamma
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SRgbColor : public TNYQBase {
public:
    TCT_SRgbColor();
    ~TCT_SRgbColor() override;
    std::string FVal{};
    TChoiceNyqList FEG_ColorTransformList;  // 0: tint, 1: shade, 2: comp, 3: inv, 4: gray, 5: alpha, 6: alphaOff, 7: alphaMod, 8: hue, 9: hueOff, 10: hueMod, 11: sat, 12: satOff, 13: satMod, 14: lum, 15: lumOff, 16: lumMod, 17: red, 18: redOff, 19: redMod, 20: green, 21: greenOff, 22: greenMod, 23: blue, 24: blueOff, 25: blueMod, 26: gamma, 27: invGamma
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_HslColor : public TNYQBase {
public:
    TCT_HslColor();
    ~TCT_HslColor() override;
    int FHue{};
    std::string FSat{};
    std::string FLum{};
    TChoiceNyqList FEG_ColorTransformList;  // 0: tint, 1: shade, 2: comp, 3: inv, 4: gray, 5: alpha, 6: alphaOff, 7: alphaMod, 8: hue, 9: hueOff, 10: hueMod, 11: sat, 12: satOff, 13: satMod, 14: lum, 15: lumOff, 16: lumMod, 17: red, 18: redOff, 19: redMod, 20: green, 21: greenOff, 22: greenMod, 23: blue, 24: blueOff, 25: blueMod, 26: gamma, 27: invGamma
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SystemColor : public TNYQBase {
public:
    TCT_SystemColor();
    ~TCT_SystemColor() override;
    TST_SystemColorVal FVal{};
    std::optional<std::string> FLastClr;
    TChoiceNyqList FEG_ColorTransformList;  // 0: tint, 1: shade, 2: comp, 3: inv, 4: gray, 5: alpha, 6: alphaOff, 7: alphaMod, 8: hue, 9: hueOff, 10: hueMod, 11: sat, 12: satOff, 13: satMod, 14: lum, 15: lumOff, 16: lumMod, 17: red, 18: redOff, 19: redMod, 20: green, 21: greenOff, 22: greenMod, 23: blue, 24: blueOff, 25: blueMod, 26: gamma, 27: invGamma
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SchemeColor : public TNYQBase {
public:
    TCT_SchemeColor();
    ~TCT_SchemeColor() override;
    TST_SchemeColorVal FVal{};
    TChoiceNyqList FEG_ColorTransformList;  // 0: tint, 1: shade, 2: comp, 3: inv, 4: gray, 5: alpha, 6: alphaOff, 7: alphaMod, 8: hue, 9: hueOff, 10: hueMod, 11: sat, 12: satOff, 13: satMod, 14: lum, 15: lumOff, 16: lumMod, 17: red, 18: redOff, 19: redMod, 20: green, 21: greenOff, 22: greenMod, 23: blue, 24: blueOff, 25: blueMod, 26: gamma, 27: invGamma
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PresetColor : public TNYQBase {
public:
    TCT_PresetColor();
    ~TCT_PresetColor() override;
    TST_PresetColorVal FVal{};
    TChoiceNyqList FEG_ColorTransformList;  // 0: tint, 1: shade, 2: comp, 3: inv, 4: gray, 5: alpha, 6: alphaOff, 7: alphaMod, 8: hue, 9: hueOff, 10: hueMod, 11: sat, 12: satOff, 13: satMod, 14: lum, 15: lumOff, 16: lumMod, 17: red, 18: redOff, 19: redMod, 20: green, 21: greenOff, 22: greenMod, 23: blue, 24: blueOff, 25: blueMod, 26: gamma, 27: invGamma
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GradientStopList : public TNYQBase {
public:
    TCT_GradientStopList();
    ~TCT_GradientStopList() override;
    TItemNyqList<TCT_GradientStop> FGsList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LinearShadeProperties : public TNYQBase {
public:
    TCT_LinearShadeProperties();
    ~TCT_LinearShadeProperties() override;
    std::optional<int> FAng;
    std::optional<bool> FScaled;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PathShadeProperties : public TNYQBase {
public:
    TCT_PathShadeProperties();
    ~TCT_PathShadeProperties() override;
    std::optional<TST_PathShadeType> FPath;
    std::unique_ptr<TCT_RelativeRect> FFillToRect;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RelativeRect& Create_FillToRect();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Color_a : public TNYQBase {
public:
    TCT_Color_a();
    ~TCT_Color_a() override;
    std::unique_ptr<TCT_ScRgbColor> FScrgbClr;
    std::unique_ptr<TCT_SRgbColor> FSrgbClr;
    std::unique_ptr<TCT_HslColor> FHslClr;
    std::unique_ptr<TCT_SystemColor> FSysClr;
    std::unique_ptr<TCT_SchemeColor> FSchemeClr;
    std::unique_ptr<TCT_PresetColor> FPrstClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ScRgbColor& Create_ScrgbClr();
    TCT_SRgbColor& Create_SrgbClr();
    TCT_HslColor& Create_HslClr();
    TCT_SystemColor& Create_SysClr();
    TCT_SchemeColor& Create_SchemeClr();
    TCT_PresetColor& Create_PrstClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PresetLineDashProperties : public TNYQBase {
public:
    TCT_PresetLineDashProperties();
    ~TCT_PresetLineDashProperties() override;
    std::optional<TST_PresetLineDashVal> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DashStopList : public TNYQBase {
public:
    TCT_DashStopList();
    ~TCT_DashStopList() override;
    TItemNyqList<TCT_DashStop> FDsList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LineJoinRound : public TNYQBase {
public:
    TCT_LineJoinRound();
    ~TCT_LineJoinRound() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LineJoinBevel : public TNYQBase {
public:
    TCT_LineJoinBevel();
    ~TCT_LineJoinBevel() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LineJoinMiterProperties : public TNYQBase {
public:
    TCT_LineJoinMiterProperties();
    ~TCT_LineJoinMiterProperties() override;
    std::optional<std::string> FLim;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LineEndProperties : public TNYQBase {
public:
    TCT_LineEndProperties();
    ~TCT_LineEndProperties() override;
    std::optional<TST_LineEndType> FType;
    std::optional<TST_LineEndWidth> FW;
    std::optional<TST_LineEndLength> FLen;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GlowEffect : public TNYQBase {
public:
    TCT_GlowEffect();
    ~TCT_GlowEffect() override;
    std::optional<std::int64_t> FRad;
    std::unique_ptr<TCT_ScRgbColor> FScrgbClr;
    std::unique_ptr<TCT_SRgbColor> FSrgbClr;
    std::unique_ptr<TCT_HslColor> FHslClr;
    std::unique_ptr<TCT_SystemColor> FSysClr;
    std::unique_ptr<TCT_SchemeColor> FSchemeClr;
    std::unique_ptr<TCT_PresetColor> FPrstClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ScRgbColor& Create_ScrgbClr();
    TCT_SRgbColor& Create_SrgbClr();
    TCT_HslColor& Create_HslClr();
    TCT_SystemColor& Create_SysClr();
    TCT_SchemeColor& Create_SchemeClr();
    TCT_PresetColor& Create_PrstClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_InnerShadowEffect : public TNYQBase {
public:
    TCT_InnerShadowEffect();
    ~TCT_InnerShadowEffect() override;
    std::optional<std::int64_t> FBlurRad;
    std::optional<std::int64_t> FDist;
    std::optional<int> FDir;
    std::unique_ptr<TCT_ScRgbColor> FScrgbClr;
    std::unique_ptr<TCT_SRgbColor> FSrgbClr;
    std::unique_ptr<TCT_HslColor> FHslClr;
    std::unique_ptr<TCT_SystemColor> FSysClr;
    std::unique_ptr<TCT_SchemeColor> FSchemeClr;
    std::unique_ptr<TCT_PresetColor> FPrstClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ScRgbColor& Create_ScrgbClr();
    TCT_SRgbColor& Create_SrgbClr();
    TCT_HslColor& Create_HslClr();
    TCT_SystemColor& Create_SysClr();
    TCT_SchemeColor& Create_SchemeClr();
    TCT_PresetColor& Create_PrstClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_OuterShadowEffect : public TNYQBase {
public:
    TCT_OuterShadowEffect();
    ~TCT_OuterShadowEffect() override;
    std::optional<std::int64_t> FBlurRad;
    std::optional<std::int64_t> FDist;
    std::optional<int> FDir;
    std::optional<std::string> FSx;
    std::optional<std::string> FSy;
    std::optional<int> FKx;
    std::optional<int> FKy;
    std::optional<TST_RectAlignment> FAlgn;
    std::optional<bool> FRotWithShape;
    std::unique_ptr<TCT_ScRgbColor> FScrgbClr;
    std::unique_ptr<TCT_SRgbColor> FSrgbClr;
    std::unique_ptr<TCT_HslColor> FHslClr;
    std::unique_ptr<TCT_SystemColor> FSysClr;
    std::unique_ptr<TCT_SchemeColor> FSchemeClr;
    std::unique_ptr<TCT_PresetColor> FPrstClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ScRgbColor& Create_ScrgbClr();
    TCT_SRgbColor& Create_SrgbClr();
    TCT_HslColor& Create_HslClr();
    TCT_SystemColor& Create_SysClr();
    TCT_SchemeColor& Create_SchemeClr();
    TCT_PresetColor& Create_PrstClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PresetShadowEffect : public TNYQBase {
public:
    TCT_PresetShadowEffect();
    ~TCT_PresetShadowEffect() override;
    TST_PresetShadowVal FPrst{};
    std::optional<std::int64_t> FDist;
    std::optional<int> FDir;
    std::unique_ptr<TCT_ScRgbColor> FScrgbClr;
    std::unique_ptr<TCT_SRgbColor> FSrgbClr;
    std::unique_ptr<TCT_HslColor> FHslClr;
    std::unique_ptr<TCT_SystemColor> FSysClr;
    std::unique_ptr<TCT_SchemeColor> FSchemeClr;
    std::unique_ptr<TCT_PresetColor> FPrstClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ScRgbColor& Create_ScrgbClr();
    TCT_SRgbColor& Create_SrgbClr();
    TCT_HslColor& Create_HslClr();
    TCT_SystemColor& Create_SysClr();
    TCT_SchemeColor& Create_SchemeClr();
    TCT_PresetColor& Create_PrstClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ReflectionEffect : public TNYQBase {
public:
    TCT_ReflectionEffect();
    ~TCT_ReflectionEffect() override;
    std::optional<std::int64_t> FBlurRad;
    std::optional<std::string> FStA;
    std::optional<std::string> FStPos;
    std::optional<std::string> FEndA;
    std::optional<std::string> FEndPos;
    std::optional<std::int64_t> FDist;
    std::optional<int> FDir;
    std::optional<int> FFadeDir;
    std::optional<std::string> FSx;
    std::optional<std::string> FSy;
    std::optional<int> FKx;
    std::optional<int> FKy;
    std::optional<TST_RectAlignment> FAlgn;
    std::optional<bool> FRotWithShape;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SoftEdgesEffect : public TNYQBase {
public:
    TCT_SoftEdgesEffect();
    ~TCT_SoftEdgesEffect() override;
    std::int64_t FRad{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EffectReference : public TNYQBase {
public:
    TCT_EffectReference();
    ~TCT_EffectReference() override;
    std::string FRef{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AlphaOutsetEffect : public TNYQBase {
public:
    TCT_AlphaOutsetEffect();
    ~TCT_AlphaOutsetEffect() override;
    std::optional<std::string> FRad;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_BlendEffect : public TNYQBase {
public:
    TCT_BlendEffect();
    ~TCT_BlendEffect() override;
    TST_BlendMode FBlend{};
    std::unique_ptr<TCT_EffectContainer> FCont;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_EffectContainer& Create_Cont();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FillEffect : public TNYQBase {
public:
    TCT_FillEffect();
    ~TCT_FillEffect() override;
    std::unique_ptr<TCT_NoFillProperties> FNoFill;
    std::unique_ptr<TCT_SolidColorFillProperties> FSolidFill;
    std::unique_ptr<TCT_GradientFillProperties> FGradFill;
    std::unique_ptr<TCT_BlipFillProperties> FBlipFill;
    std::unique_ptr<TCT_PatternFillProperties> FPattFill;
    std::unique_ptr<TCT_GroupFillProperties> FGrpFill;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_NoFillProperties& Create_NoFill();
    TCT_SolidColorFillProperties& Create_SolidFill();
    TCT_GradientFillProperties& Create_GradFill();
    TCT_BlipFillProperties& Create_BlipFill();
    TCT_PatternFillProperties& Create_PattFill();
    TCT_GroupFillProperties& Create_GrpFill();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RelativeOffsetEffect : public TNYQBase {
public:
    TCT_RelativeOffsetEffect();
    ~TCT_RelativeOffsetEffect() override;
    std::optional<std::string> FTx;
    std::optional<std::string> FTy;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TransformEffect : public TNYQBase {
public:
    TCT_TransformEffect();
    ~TCT_TransformEffect() override;
    std::optional<std::string> FSx;
    std::optional<std::string> FSy;
    std::optional<int> FKx;
    std::optional<int> FKy;
    std::optional<std::string> FTx;
    std::optional<std::string> FTy;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Camera : public TNYQBase {
public:
    TCT_Camera();
    ~TCT_Camera() override;
    TST_PresetCameraType FPrst{};
    std::optional<int> FFov;
    std::optional<std::string> FZoom;
    std::unique_ptr<TCT_SphereCoords> FRot;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_SphereCoords& Create_Rot();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LightRig : public TNYQBase {
public:
    TCT_LightRig();
    ~TCT_LightRig() override;
    TST_LightRigType FRig{};
    TST_LightRigDirection FDir{};
    std::unique_ptr<TCT_SphereCoords> FRot;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_SphereCoords& Create_Rot();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Backdrop : public TNYQBase {
public:
    TCT_Backdrop();
    ~TCT_Backdrop() override;
    std::unique_ptr<TCT_Point3D> FAnchor;
    std::unique_ptr<TCT_Vector3D> FNorm;
    std::unique_ptr<TCT_Vector3D> FUp;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Point3D& Create_Anchor();
    TCT_Vector3D& Create_Norm();
    TCT_Vector3D& Create_Up();
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Bevel : public TNYQBase {
public:
    TCT_Bevel();
    ~TCT_Bevel() override;
    std::optional<std::int64_t> FW;
    std::optional<std::int64_t> FH;
    std::optional<TST_BevelPresetType> FPrst;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_OfficeArtExtension : public TNYQBase {
public:
    TCT_OfficeArtExtension();
    ~TCT_OfficeArtExtension() override;
    std::string FUri{};
    TNYQOpenList FAny;  // wildcard content
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PosH : public TNYQBase {
public:
    TCT_PosH();
    ~TCT_PosH() override;
    TST_RelFromH FRelativeFrom{};
    std::unique_ptr<TNYQValueElement> FAlign;
    std::unique_ptr<TNYQValueElement> FPosOffset;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQValueElement& Create_Align();
    TNYQValueElement& Create_PosOffset();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PosV : public TNYQBase {
public:
    TCT_PosV();
    ~TCT_PosV() override;
    TST_RelFromV FRelativeFrom{};
    std::unique_ptr<TNYQValueElement> FAlign;
    std::unique_ptr<TNYQValueElement> FPosOffset;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQValueElement& Create_Align();
    TNYQValueElement& Create_PosOffset();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EffectExtent : public TNYQBase {
public:
    TCT_EffectExtent();
    ~TCT_EffectExtent() override;
    std::string FL{};
    std::string FT{};
    std::string FR{};
    std::string FB{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_WrapNone : public TNYQBase {
public:
    TCT_WrapNone();
    ~TCT_WrapNone() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_WrapSquare : public TNYQBase {
public:
    TCT_WrapSquare();
    ~TCT_WrapSquare() override;
    TST_WrapText FWrapText{};
    std::optional<std::uint32_t> FDistT;
    std::optional<std::uint32_t> FDistB;
    std::optional<std::uint32_t> FDistL;
    std::optional<std::uint32_t> FDistR;
    std::unique_ptr<TCT_EffectExtent> FEffectExtent;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_EffectExtent& Create_EffectExtent();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_WrapTight : public TNYQBase {
public:
    TCT_WrapTight();
    ~TCT_WrapTight() override;
    TST_WrapText FWrapText{};
    std::optional<std::uint32_t> FDistL;
    std::optional<std::uint32_t> FDistR;
    std::unique_ptr<TCT_WrapPath> FWrapPolygon;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_WrapPath& Create_WrapPolygon();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_WrapThrough : public TNYQBase {
public:
    TCT_WrapThrough();
    ~TCT_WrapThrough() override;
    TST_WrapText FWrapText{};
    std::optional<std::uint32_t> FDistL;
    std::optional<std::uint32_t> FDistR;
    std::unique_ptr<TCT_WrapPath> FWrapPolygon;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_WrapPath& Create_WrapPolygon();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_WrapTopBottom : public TNYQBase {
public:
    TCT_WrapTopBottom();
    ~TCT_WrapTopBottom() override;
    std::optional<std::uint32_t> FDistT;
    std::optional<std::uint32_t> FDistB;
    std::unique_ptr<TCT_EffectExtent> FEffectExtent;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_EffectExtent& Create_EffectExtent();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_NonVisualGraphicFrameProperties : public TNYQBase {
public:
    TCT_NonVisualGraphicFrameProperties();
    ~TCT_NonVisualGraphicFrameProperties() override;
    std::unique_ptr<TCT_GraphicalObjectFrameLocking> FGraphicFrameLocks;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_GraphicalObjectFrameLocking& Create_GraphicFrameLocks();
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GraphicalObject : public TNYQBase {
public:
    TCT_GraphicalObject();
    ~TCT_GraphicalObject() override;
    std::unique_ptr<TCT_GraphicalObjectData> FGraphicData;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_GraphicalObjectData& Create_GraphicData();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EmbeddedWAVAudioFile : public TNYQBase {
public:
    TCT_EmbeddedWAVAudioFile();
    ~TCT_EmbeddedWAVAudioFile() override;
    std::string FEmbed{};
    std::optional<std::string> FName;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GeomGuide : public TNYQBase {
public:
    TCT_GeomGuide();
    ~TCT_GeomGuide() override;
    std::string FName{};
    std::string FFmla{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_XYAdjustHandle : public TNYQBase {
public:
    TCT_XYAdjustHandle();
    ~TCT_XYAdjustHandle() override;
    std::optional<std::string> FGdRefX;
    std::optional<std::string> FMinX;
    std::optional<std::string> FMaxX;
    std::optional<std::string> FGdRefY;
    std::optional<std::string> FMinY;
    std::optional<std::string> FMaxY;
    std::unique_ptr<TCT_AdjPoint2D> FPos;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_AdjPoint2D& Create_Pos();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PolarAdjustHandle : public TNYQBase {
public:
    TCT_PolarAdjustHandle();
    ~TCT_PolarAdjustHandle() override;
    std::optional<std::string> FGdRefR;
    std::optional<std::string> FMinR;
    std::optional<std::string> FMaxR;
    std::optional<std::string> FGdRefAng;
    std::optional<std::string> FMinAng;
    std::optional<std::string> FMaxAng;
    std::unique_ptr<TCT_AdjPoint2D> FPos;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_AdjPoint2D& Create_Pos();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ConnectionSite : public TNYQBase {
public:
    TCT_ConnectionSite();
    ~TCT_ConnectionSite() override;
    std::string FAng{};
    std::unique_ptr<TCT_AdjPoint2D> FPos;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_AdjPoint2D& Create_Pos();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Path2D : public TNYQBase {
public:
    TCT_Path2D();
    ~TCT_Path2D() override;
    std::optional<std::int64_t> FW;
    std::optional<std::int64_t> FH;
    std::optional<TST_PathFillMode> FFill;
    std::optional<bool> FStroke;
    std::optional<bool> FExtrusionOk;
    TChoiceNyqList FChoice1List;  // 0: close, 1: moveTo, 2: lnTo, 3: arcTo, 4: quadBezTo, 5: cubicBezTo
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PositiveFixedPercentage : public TNYQBase {
public:
    TCT_PositiveFixedPercentage();
    ~TCT_PositiveFixedPercentage() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ComplementTransform : public TNYQBase {
public:
    TCT_ComplementTransform();
    ~TCT_ComplementTransform() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_InverseTransform : public TNYQBase {
public:
    TCT_InverseTransform();
    ~TCT_InverseTransform() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GrayscaleTransform : public TNYQBase {
public:
    TCT_GrayscaleTransform();
    ~TCT_GrayscaleTransform() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FixedPercentage : public TNYQBase {
public:
    TCT_FixedPercentage();
    ~TCT_FixedPercentage() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PositivePercentage : public TNYQBase {
public:
    TCT_PositivePercentage();
    ~TCT_PositivePercentage() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PositiveFixedAngle : public TNYQBase {
public:
    TCT_PositiveFixedAngle();
    ~TCT_PositiveFixedAngle() override;
    int FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Angle : public TNYQBase {
public:
    TCT_Angle();
    ~TCT_Angle() override;
    int FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Percentage : public TNYQBase {
public:
    TCT_Percentage();
    ~TCT_Percentage() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GammaTransform : public TNYQBase {
public:
    TCT_GammaTransform();
    ~TCT_GammaTransform() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_InverseGammaTransform : public TNYQBase {
public:
    TCT_InverseGammaTransform();
    ~TCT_InverseGammaTransform() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GradientStop : public TNYQBase {
public:
    TCT_GradientStop();
    ~TCT_GradientStop() override;
    std::string FPos{};
    std::unique_ptr<TCT_ScRgbColor> FScrgbClr;
    std::unique_ptr<TCT_SRgbColor> FSrgbClr;
    std::unique_ptr<TCT_HslColor> FHslClr;
    std::unique_ptr<TCT_SystemColor> FSysClr;
    std::unique_ptr<TCT_SchemeColor> FSchemeClr;
    std::unique_ptr<TCT_PresetColor> FPrstClr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ScRgbColor& Create_ScrgbClr();
    TCT_SRgbColor& Create_SrgbClr();
    TCT_HslColor& Create_HslClr();
    TCT_SystemColor& Create_SysClr();
    TCT_SchemeColor& Create_SchemeClr();
    TCT_PresetColor& Create_PrstClr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DashStop : public TNYQBase {
public:
    TCT_DashStop();
    ~TCT_DashStop() override;
    std::string FD{};
    std::string FSp{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SphereCoords : public TNYQBase {
public:
    TCT_SphereCoords();
    ~TCT_SphereCoords() override;
    int FLat{};
    int FLon{};
    int FRev{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Point3D : public TNYQBase {
public:
    TCT_Point3D();
    ~TCT_Point3D() override;
    std::string FX{};
    std::string FY{};
    std::string FZ{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Vector3D : public TNYQBase {
public:
    TCT_Vector3D();
    ~TCT_Vector3D() override;
    std::string FDx{};
    std::string FDy{};
    std::string FDz{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_WrapPath : public TNYQBase {
public:
    TCT_WrapPath();
    ~TCT_WrapPath() override;
    std::optional<bool> FEdited;
    std::unique_ptr<TCT_Point2D> FStart;
    TItemNyqList<TCT_Point2D> FLineToList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Point2D& Create_Start();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GraphicalObjectFrameLocking : public TNYQBase {
public:
    TCT_GraphicalObjectFrameLocking();
    ~TCT_GraphicalObjectFrameLocking() override;
    std::optional<bool> FNoGrp;
    std::optional<bool> FNoDrilldown;
    std::optional<bool> FNoSelect;
    std::optional<bool> FNoChangeAspect;
    std::optional<bool> FNoMove;
    std::optional<bool> FNoResize;
    std::unique_ptr<TCT_OfficeArtExtensionList> FExtLst;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_OfficeArtExtensionList& Create_ExtLst();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_GraphicalObjectData : public TNYQBase {
public:
    TCT_GraphicalObjectData();
    ~TCT_GraphicalObjectData() override;
    std::string FUri{};
    TNYQOpenList FAny;  // wildcard content
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AdjPoint2D : public TNYQBase {
public:
    TCT_AdjPoint2D();
    ~TCT_AdjPoint2D() override;
    std::string FX{};
    std::string FY{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Path2DClose : public TNYQBase {
public:
    TCT_Path2DClose();
    ~TCT_Path2DClose() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Path2DMoveTo : public TNYQBase {
public:
    TCT_Path2DMoveTo();
    ~TCT_Path2DMoveTo() override;
    std::unique_ptr<TCT_AdjPoint2D> FPt;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_AdjPoint2D& Create_Pt();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Path2DLineTo : public TNYQBase {
public:
    TCT_Path2DLineTo();
    ~TCT_Path2DLineTo() override;
    std::unique_ptr<TCT_AdjPoint2D> FPt;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_AdjPoint2D& Create_Pt();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Path2DArcTo : public TNYQBase {
public:
    TCT_Path2DArcTo();
    ~TCT_Path2DArcTo() override;
    std::string FWR{};
    std::string FHR{};
    std::string FStAng{};
    std::string FSwAng{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Path2DQuadBezierTo : public TNYQBase {
public:
    TCT_Path2DQuadBezierTo();
    ~TCT_Path2DQuadBezierTo() override;
    TItemNyqList<TCT_AdjPoint2D> FPtList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Path2DCubicBezierTo : public TNYQBase {
public:
    TCT_Path2DCubicBezierTo();
    ~TCT_Path2DCubicBezierTo() override;
    TItemNyqList<TCT_AdjPoint2D> FPtList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

