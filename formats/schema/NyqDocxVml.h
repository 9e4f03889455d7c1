// NyqDocxVml.h: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#pragma once

#include "formats/schema/NyqDocx.h"

class TCT_Shape : public TNYQBase {
public:
    TCT_Shape();
    ~TCT_Shape() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    std::optional<std::string> FType;
    std::optional<std::string> FAdj;
    std::optional<std::string> FPath;
    std::optional<std::string> FGfxdata;
    std::optional<std::string> FEquationxml;
    TChoiceNyqList FChoice1List;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata, 23: ink, 24: iscomment, 25: equationxml
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Shapetype : public TNYQBase {
public:
    TCT_Shapetype();
    ~TCT_Shapetype() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    std::optional<std::string> FAdj;
    std::optional<std::string> FPath;
    std::optional<std::string> FMaster;
    TChoiceNyqList FEG_ShapeElementsList;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata
    std::unique_ptr<TCT_Complex> FComplex;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Complex& Create_Complex();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Group : public TNYQBase {
public:
    TCT_Group();
    ~TCT_Group() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<TST_EditAs> FEditas;
    std::optional<std::string> FTableproperties;
    std::optional<std::string> FTablelimits;
    TChoiceNyqList FChoice1List;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata, 23: group, 24: shape, 25: shapetype, 26: arc, 27: curve, 28: image, 29: line, 30: oval, 31: polyline, 32: rect, 33: roundrect, 34: diagram
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Rect : public TNYQBase {
public:
    TCT_Rect();
    ~TCT_Rect() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    TChoiceNyqList FChoice1List;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RoundRect : public TNYQBase {
public:
    TCT_RoundRect();
    ~TCT_RoundRect() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    std::optional<std::string> FArcsize;
    TChoiceNyqList FChoice1List;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Oval : public TNYQBase {
public:
    TCT_Oval();
    ~TCT_Oval() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    TChoiceNyqList FChoice1List;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Line : public TNYQBase {
public:
    TCT_Line();
    ~TCT_Line() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    std::optional<std::string> FFrom;
    std::optional<std::string> FTo;
    TChoiceNyqList FEG_ShapeElementsList;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PolyLine : public TNYQBase {
public:
    TCT_PolyLine();
    ~TCT_PolyLine() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    std::optional<std::string> FPoints;
    TChoiceNyqList FChoice1List;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata, 23: ink
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Arc : public TNYQBase {
public:
    TCT_Arc();
    ~TCT_Arc() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    std::optional<double> FStartAngle;
    std::optional<double> FEndAngle;
    TChoiceNyqList FEG_ShapeElementsList;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Curve : public TNYQBase {
public:
    TCT_Curve();
    ~TCT_Curve() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    std::optional<std::string> FFrom;
    std::optional<std::string> FControl1;
    std::optional<std::string> FControl2;
    std::optional<std::string> FTo;
    TChoiceNyqList FEG_ShapeElementsList;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Image : public TNYQBase {
public:
    TCT_Image();
    ~TCT_Image() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FHref;
    std::optional<std::string> FTarget;
    std::optional<std::string> FClass;
    std::optional<std::string> FTitle;
    std::optional<std::string> FAlt;
    std::optional<std::string> FCoordsize;
    std::optional<std::string> FCoordorigin;
    std::optional<std::string> FWrapcoords;
    std::optional<TST_TrueFalse> FPrint;
    std::optional<std::string> FSpid;
    std::optional<TST_TrueFalse> FOned;
    std::optional<std::int64_t> FRegroupid;
    std::optional<TST_TrueFalse> FDoubleclicknotify;
    std::optional<TST_TrueFalse> FButton;
    std::optional<TST_TrueFalse> FUserhidden;
    std::optional<TST_TrueFalse> FBullet;
    std::optional<TST_TrueFalse> FHr;
    std::optional<TST_TrueFalse> FHrstd;
    std::optional<TST_TrueFalse> FHrnoshade;
    std::optional<double> FHrpct;
    std::optional<TST_HrAlign> FHralign;
    std::optional<TST_TrueFalse> FAllowincell;
    std::optional<TST_TrueFalse> FAllowoverlap;
    std::optional<TST_TrueFalse> FUserdrawn;
    std::optional<std::string> FBordertopcolor;
    std::optional<std::string> FBorderleftcolor;
    std::optional<std::string> FBorderbottomcolor;
    std::optional<std::string> FBorderrightcolor;
    std::optional<TST_DiagramLayout> FDgmlayout;
    std::optional<std::int64_t> FDgmnodekind;
    std::optional<TST_DiagramLayout> FDgmlayoutmru;
    std::optional<TST_InsetMode> FInsetmode;
    std::optional<std::string> FChromakey;
    std::optional<TST_TrueFalse> FFilled;
    std::optional<std::string> FFillcolor;
    std::optional<std::string> FOpacity;
    std::optional<TST_TrueFalse> FStroked;
    std::optional<std::string> FStrokecolor;
    std::optional<std::string> FStrokeweight;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<double> FSpt;
    std::optional<TST_ConnectorType> FConnectortype;
    std::optional<TST_BWMode> FBwmode;
    std::optional<TST_BWMode> FBwpure;
    std::optional<TST_BWMode> FBwnormal;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FOleicon;
    std::optional<TST_TrueFalseBlank> FOle;
    std::optional<TST_TrueFalse> FPreferrelative;
    std::optional<TST_TrueFalse> FCliptowrap;
    std::optional<TST_TrueFalse> FClip;
    std::optional<std::string> FSrc;
    std::optional<std::string> FCropleft;
    std::optional<std::string> FCroptop;
    std::optional<std::string> FCropright;
    std::optional<std::string> FCropbottom;
    std::optional<std::string> FGain;
    std::optional<std::string> FBlacklevel;
    std::optional<std::string> FGamma;
    std::optional<TST_TrueFalse> FGrayscale;
    std::optional<TST_TrueFalse> FBilevel;
    TChoiceNyqList FEG_ShapeElementsList;  // 0: path, 1: formulas, 2: handles, 3: fill, 4: stroke, 5: shadow, 6: textbox, 7: textpath, 8: imagedata, 9: skew, 10: extrusion, 11: callout, 12: lock, 13: clippath, 14: signatureline, 15: wrap, 16: anchorlock, 17: bordertop, 18: borderbottom, 19: borderleft, 20: borderright, 21: ClientData, 22: textdata
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Path : public TNYQBase {
public:
    TCT_Path();
    ~TCT_Path() override;
    std::optional<std::string> FId;
    std::optional<std::string> FV;
    std::optional<std::string> FLimo;
    std::optional<std::string> FTextboxrect;
    std::optional<TST_TrueFalse> FFillok;
    std::optional<TST_TrueFalse> FStrokeok;
    std::optional<TST_TrueFalse> FShadowok;
    std::optional<TST_TrueFalse> FArrowok;
    std::optional<TST_TrueFalse> FGradientshapeok;
    std::optional<TST_TrueFalse> FTextpathok;
    std::optional<TST_TrueFalse> FInsetpenok;
    std::optional<TST_ConnectType> FConnecttype;
    std::optional<std::string> FConnectlocs;
    std::optional<std::string> FConnectangles;
    std::optional<TST_TrueFalse> FExtrusionok;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Formulas : public TNYQBase {
public:
    TCT_Formulas();
    ~TCT_Formulas() override;
    TItemNyqList<TCT_F> FFList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Handles : public TNYQBase {
public:
    TCT_Handles();
    ~TCT_Handles() override;
    TItemNyqList<TCT_H> FHList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Fill : public TNYQBase {
public:
    TCT_Fill();
    ~TCT_Fill() override;
    std::optional<std::string> FId;
    std::optional<TST_FillType> FType;
    std::optional<TST_TrueFalse> FOn;
    std::optional<std::string> FColor;
    std::optional<std::string> FOpacity;
    std::optional<std::string> FColor2;
    std::optional<std::string> FSrc;
    std::optional<std::string> FHref;
    std::optional<std::string> FAlthref;
    std::optional<std::string> FSize;
    std::optional<std::string> FOrigin;
    std::optional<std::string> FPosition;
    std::optional<TST_ImageAspect> FAspect;
    std::optional<std::string> FColors;
    std::optional<double> FAngle;
    std::optional<TST_TrueFalse> FAlignshape;
    std::optional<std::string> FFocus;
    std::optional<std::string> FFocussize;
    std::optional<std::string> FFocusposition;
    std::optional<TST_FillMethod> FMethod;
    std::optional<TST_TrueFalse> FDetectmouseclick;
    std::optional<std::string> FTitle;
    std::optional<std::string> FOpacity2;
    std::optional<TST_TrueFalse> FRecolor;
    std::optional<TST_TrueFalse> FRotate;
    std::optional<std::string> FRelid;
    std::unique_ptr<TCT_Fill_o> FFill;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Fill_o& Create_Fill();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Stroke : public TNYQBase {
public:
    TCT_Stroke();
    ~TCT_Stroke() override;
    std::optional<std::string> FId;
    std::optional<TST_TrueFalse> FOn;
    std::optional<std::string> FWeight;
    std::optional<std::string> FColor;
    std::optional<std::string> FOpacity;
    std::optional<TST_StrokeLineStyle> FLinestyle;
    std::optional<double> FMiterlimit;
    std::optional<TST_StrokeJoinStyle> FJoinstyle;
    std::optional<TST_StrokeEndCap> FEndcap;
    std::optional<std::string> FDashstyle;
    std::optional<TST_FillType> FFilltype;
    std::optional<std::string> FSrc;
    std::optional<TST_ImageAspect> FImageaspect;
    std::optional<std::string> FImagesize;
    std::optional<TST_TrueFalse> FImagealignshape;
    std::optional<std::string> FColor2;
    std::optional<TST_StrokeArrowType> FStartarrow;
    std::optional<TST_StrokeArrowWidth> FStartarrowwidth;
    std::optional<TST_StrokeArrowLength> FStartarrowlength;
    std::optional<TST_StrokeArrowType> FEndarrow;
    std::optional<TST_StrokeArrowWidth> FEndarrowwidth;
    std::optional<TST_StrokeArrowLength> FEndarrowlength;
    std::optional<std::string> FHref;
    std::optional<std::string> FAlthref;
    std::optional<std::string> FTitle;
    std::optional<TST_TrueFalse> FForcedash;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<std::string> FRelid;
    std::unique_ptr<TCT_StrokeChild> FLeft;
    std::unique_ptr<TCT_StrokeChild> FTop;
    std::unique_ptr<TCT_StrokeChild> FRight;
    std::unique_ptr<TCT_StrokeChild> FBottom;
    std::unique_ptr<TCT_StrokeChild> FColumn;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_StrokeChild& Create_Left();
    TCT_StrokeChild& Create_Top();
    TCT_StrokeChild& Create_Right();
    TCT_StrokeChild& Create_Bottom();
    TCT_StrokeChild& Create_Column();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Shadow : public TNYQBase {
public:
    TCT_Shadow();
    ~TCT_Shadow() override;
    std::optional<std::string> FId;
    std::optional<TST_TrueFalse> FOn;
    std::optional<TST_ShadowType> FType;
    std::optional<TST_TrueFalse> FObscured;
    std::optional<std::string> FColor;
    std::optional<std::string> FOpacity;
    std::optional<std::string> FOffset;
    std::optional<std::string> FColor2;
    std::optional<std::string> FOffset2;
    std::optional<std::string> FOrigin;
    std::optional<std::string> FMatrix;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Textbox : public TNYQBase {
public:
    TCT_Textbox();
    ~TCT_Textbox() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<std::string> FInset;
    std::optional<TST_TrueFalse> FSingleclick;
    std::optional<TST_InsetMode> FInsetmode;
    std::unique_ptr<TCT_TxbxContent> FTxbxContent;
    TNYQOpenList FAny;  // wildcard content
    TCT_TxbxContent& Create_TxbxContent();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TextPath : public TNYQBase {
public:
    TCT_TextPath();
    ~TCT_TextPath() override;
    std::optional<std::string> FId;
    std::optional<std::string> FStyle;
    std::optional<TST_TrueFalse> FOn;
    std::optional<TST_TrueFalse> FFitshape;
    std::optional<TST_TrueFalse> FFitpath;
    std::optional<TST_TrueFalse> FTrim;
    std::optional<TST_TrueFalse> FXscale;
    std::optional<std::string> FString;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ImageData : public TNYQBase {
public:
    TCT_ImageData();
    ~TCT_ImageData() override;
    std::optional<std::string> FId;
    std::optional<std::string> FSrc;
    std::optional<std::string> FCropleft;
    std::optional<std::string> FCroptop;
    std::optional<std::string> FCropright;
    std::optional<std::string> FCropbottom;
    std::optional<std::string> FGain;
    std::optional<std::string> FBlacklevel;
    std::optional<std::string> FGamma;
    std::optional<TST_TrueFalse> FGrayscale;
    std::optional<TST_TrueFalse> FBilevel;
    std::optional<std::string> FChromakey;
    std::optional<std::string> FEmbosscolor;
    std::optional<std::string> FRecolortarget;
    std::optional<std::string> FHref;
    std::optional<std::string> FAlthref;
    std::optional<std::string> FTitle;
    std::optional<double> FOleid;
    std::optional<TST_TrueFalse> FDetectmouseclick;
    std::optional<double> FMovie;
    std::optional<std::string> FRelid;
    std::optional<std::string> FPict;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Skew : public TNYQBase {
public:
    TCT_Skew();
    ~TCT_Skew() override;
    std::optional<TST_Ext> FExt;
    std::optional<std::string> FId;
    std::optional<TST_TrueFalse> FOn;
    std::optional<std::string> FOffset;
    std::optional<std::string> FOrigin;
    std::optional<std::string> FMatrix;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Extrusion : public TNYQBase {
public:
    TCT_Extrusion();
    ~TCT_Extrusion() override;
    std::optional<TST_Ext> FExt;
    std::optional<TST_TrueFalse> FOn;
    std::optional<TST_ExtrusionType> FType;
    std::optional<TST_ExtrusionRender> FRender;
    std::optional<std::string> FViewpointorigin;
    std::optional<std::string> FViewpoint;
    std::optional<TST_ExtrusionPlane> FPlane;
    std::optional<double> FSkewangle;
    std::optional<std::string> FSkewamt;
    std::optional<std::string> FForedepth;
    std::optional<std::string> FBackdepth;
    std::optional<std::string> FOrientation;
    std::optional<double> FOrientationangle;
    std::optional<TST_TrueFalse> FLockrotationcenter;
    std::optional<TST_TrueFalse> FAutorotationcenter;
    std::optional<std::string> FRotationcenter;
    std::optional<std::string> FRotationangle;
    std::optional<TST_ColorMode> FColormode;
    std::optional<std::string> FColor;
    std::optional<double> FShininess;
    std::optional<std::string> FSpecularity;
    std::optional<std::string> FDiffusity;
    std::optional<TST_TrueFalse> FMetal;
    std::optional<std::string> FEdge;
    std::optional<std::string> FFacet;
    std::optional<TST_TrueFalse> FLightface;
    std::optional<std::string> FBrightness;
    std::optional<std::string> FLightposition;
    std::optional<std::string> FLightlevel;
    std::optional<TST_TrueFalse> FLightharsh;
    std::optional<std::string> FLightposition2;
    std::optional<std::string> FLightlevel2;
    std::optional<TST_TrueFalse> FLightharsh2;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Callout : public TNYQBase {
public:
    TCT_Callout();
    ~TCT_Callout() override;
    std::optional<TST_Ext> FExt;
    std::optional<TST_TrueFalse> FOn;
    std::optional<std::string> FType;
    std::optional<std::string> FGap;
    std::optional<TST_Angle_o> FAngle;
    std::optional<TST_TrueFalse> FDropauto;
    std::optional<std::string> FDrop;
    std::optional<std::string> FDistance;
    std::optional<TST_TrueFalse> FLengthspecified;
    std::optional<std::string> FLength;
    std::optional<TST_TrueFalse> FAccentbar;
    std::optional<TST_TrueFalse> FTextborder;
    std::optional<TST_TrueFalse> FMinusx;
    std::optional<TST_TrueFalse> FMinusy;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Lock_o : public TNYQBase {
public:
    TCT_Lock_o();
    ~TCT_Lock_o() override;
    std::optional<TST_Ext> FExt;
    std::optional<TST_TrueFalse> FPosition;
    std::optional<TST_TrueFalse> FSelection;
    std::optional<TST_TrueFalse> FGrouping;
    std::optional<TST_TrueFalse> FUngrouping;
    std::optional<TST_TrueFalse> FRotation;
    std::optional<TST_TrueFalse> FCropping;
    std::optional<TST_TrueFalse> FVerticies;
    std::optional<TST_TrueFalse> FAdjusthandles;
    std::optional<TST_TrueFalse> FText;
    std::optional<TST_TrueFalse> FAspectratio;
    std::optional<TST_TrueFalse> FShapetype;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ClipPath : public TNYQBase {
public:
    TCT_ClipPath();
    ~TCT_ClipPath() override;
    std::string FV{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SignatureLine : public TNYQBase {
public:
    TCT_SignatureLine();
    ~TCT_SignatureLine() override;
    std::optional<TST_Ext> FExt;
    std::optional<TST_TrueFalse> FIssignatureline;
    std::optional<std::string> FId;
    std::optional<std::string> FProvid;
    std::optional<TST_TrueFalse> FSigninginstructionsset;
    std::optional<TST_TrueFalse> FAllowcomments;
    std::optional<TST_TrueFalse> FShowsigndate;
    std::optional<std::string> FSuggestedsigner;
    std::optional<std::string> FSuggestedsigner2;
    std::optional<std::string> FSuggestedsigneremail;
    std::optional<std::string> FSigninginstructions;
    std::optional<std::string> FAddlxml;
    std::optional<std::string> FSigprovurl;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Wrap : public TNYQBase {
public:
    TCT_Wrap();
    ~TCT_Wrap() override;
    std::optional<TST_WrapType> FType;
    std::optional<TST_WrapSide> FSide;
    std::optional<TST_HorizontalAnchor> FAnchorx;
    std::optional<TST_VerticalAnchor> FAnchory;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AnchorLock : public TNYQBase {
public:
    TCT_AnchorLock();
    ~TCT_AnchorLock() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Border_w10 : public TNYQBase {
public:
    TCT_Border_w10();
    ~TCT_Border_w10() override;
    std::optional<TST_BorderType> FType;
    std::optional<std::int64_t> FWidth;
    std::optional<TST_BorderShadow> FShadow;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Ink : public TNYQBase {
public:
    TCT_Ink();
    ~TCT_Ink() override;
    std::optional<std::string> FI;
    std::optional<TST_TrueFalse> FAnnotation;
    std::optional<std::string> FContentType;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EquationXml : public TNYQBase {
public:
    TCT_EquationXml();
    ~TCT_EquationXml() override;
    std::optional<std::string> FContentType;
    TNYQOpenList FAny;  // wildcard content
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Complex : public TNYQBase {
public:
    TCT_Complex();
    ~TCT_Complex() override;
    std::optional<TST_Ext> FExt;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Diagram : public TNYQBase {
public:
    TCT_Diagram();
    ~TCT_Diagram() override;
    std::optional<TST_Ext> FExt;
    std::optional<std::int64_t> FDgmstyle;
    std::optional<TST_TrueFalse> FAutoformat;
    std::optional<TST_TrueFalse> FReverse;
    std::optional<TST_TrueFalse> FAutolayout;
    std::optional<std::int64_t> FDgmscalex;
    std::optional<std::int64_t> FDgmscaley;
    std::optional<std::int64_t> FDgmfontsize;
    std::optional<std::string> FConstrainbounds;
    std::optional<std::int64_t> FDgmbasetextscale;
    std::unique_ptr<TCT_RelationTable> FRelationtable;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RelationTable& Create_Relationtable();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_F : public TNYQBase {
public:
    TCT_F();
    ~TCT_F() override;
    std::optional<std::string> FEqn;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_H : public TNYQBase {
public:
    TCT_H();
    ~TCT_H() override;
    std::optional<std::string> FPosition;
    std::optional<std::string> FPolar;
    std::optional<std::string> FMap;
    std::optional<TST_TrueFalse> FInvx;
    std::optional<TST_TrueFalse> FInvy;
    std::optional<TST_TrueFalseBlank> FSwitch;
    std::optional<std::string> FXrange;
    std::optional<std::string> FYrange;
    std::optional<std::string> FRadiusrange;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Fill_o : public TNYQBase {
public:
    TCT_Fill_o();
    ~TCT_Fill_o() override;
    std::optional<TST_Ext> FExt;
    std::optional<TST_FillType_o> FType;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_StrokeChild : public TNYQBase {
public:
    TCT_StrokeChild();
    ~TCT_StrokeChild() override;
    std::optional<TST_Ext> FExt;
    std::optional<TST_TrueFalse> FOn;
    std::optional<std::string> FWeight;
    std::optional<std::string> FColor;
    std::optional<std::string> FColor2;
    std::optional<std::string> FOpacity;
    std::optional<TST_StrokeLineStyle> FLinestyle;
    std::optional<double> FMiterlimit;
    std::optional<TST_StrokeJoinStyle> FJoinstyle;
    std::optional<TST_StrokeEndCap> FEndcap;
    std::optional<std::string> FDashstyle;
    std::optional<TST_TrueFalse> FInsetpen;
    std::optional<TST_FillType> FFilltype;
    std::optional<std::string> FSrc;
    std::optional<TST_ImageAspect> FImageaspect;
    std::optional<std::string> FImagesize;
    std::optional<TST_TrueFalse> FImagealignshape;
    std::optional<TST_StrokeArrowType> FStartarrow;
    std::optional<TST_StrokeArrowWidth> FStartarrowwidth;
    std::optional<TST_StrokeArrowLength> FStartarrowlength;
    std::optional<TST_StrokeArrowType> FEndarrow;
    std::optional<TST_StrokeArrowWidth> FEndarrowwidth;
    std::optional<TST_StrokeArrowLength> FEndarrowlength;
    std::optional<std::string> FHref;
    std::optional<std::string> FAlthref;
    std::optional<std::string> FTitle;
    std::optional<TST_TrueFalse> FForcedash;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RelationTable : public TNYQBase {
public:
    TCT_RelationTable();
    ~TCT_RelationTable() override;
    std::optional<TST_Ext> FExt;
    TItemNyqList<TCT_Relation> FRelList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Relation : public TNYQBase {
public:
    TCT_Relation();
    ~TCT_Relation() override;
    std::optional<TST_Ext> FExt;
    std::optional<std::string> FIdsrc;
    std::optional<std::string> FIddest;
    std::optional<std::string> FIdcntr;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

