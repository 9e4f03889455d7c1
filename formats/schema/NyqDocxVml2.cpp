// NyqDocxVml2.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocxDml.h"
#include "formats/schema/NyqDocxVml.h"
#include "formats/schema/NyqDocxWml.h"

// ---------------------------------------------------------------------------
// TCT_Curve

namespace {
constexpr std::string_view cTCT_CurveFEG_ShapeElementsListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata"};
}  // namespace

TCT_Curve::TCT_Curve() = default;
TCT_Curve::~TCT_Curve() = default;

TNYQBase* TCT_Curve::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 423:
        if (local == "fill") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Fill>(3);
        }
        break;
    case 425:
        if (local == "lock") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Lock_o>(12);
        }
        break;
    case 429:
        if (local == "path") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Path>(0);
        }
        break;
    case 442:
        if (local == "skew") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Skew>(9);
        }
        if (local == "wrap") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Wrap>(15);
        }
        break;
    case 646:
        if (local == "shadow") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Shadow>(5);
        }
        break;
    case 664:
        if (local == "stroke") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Stroke>(4);
        }
        break;
    case 735:
        if (local == "handles") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Handles>(2);
        }
        break;
    case 756:
        if (local == "callout") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Callout>(11);
        }
        break;
    case 782:
        if (local == "textbox") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Textbox>(6);
        }
        break;
    case 853:
        if (local == "clippath") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_ClipPath>(13);
        }
        break;
    case 863:
        if (local == "textdata") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TNYQAnyElement>(22);
        }
        break;
    case 873:
        if (local == "formulas") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Formulas>(1);
        }
        break;
    case 882:
        if (local == "textpath") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_TextPath>(7);
        }
        break;
    case 925:
        if (local == "imagedata") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_ImageData>(8);
        }
        break;
    case 977:
        if (local == "bordertop") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Border_w10>(17);
        }
        break;
    case 985:
        if (local == "ClientData") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TNYQAnyElement>(21);
        }
        break;
    case 1009:
        if (local == "extrusion") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Extrusion>(10);
        }
        break;
    case 1060:
        if (local == "anchorlock") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_AnchorLock>(16);
        }
        break;
    case 1065:
        if (local == "borderleft") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Border_w10>(19);
        }
        break;
    case 1180:
        if (local == "borderright") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Border_w10>(20);
        }
        break;
    case 1299:
        if (local == "borderbottom") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Border_w10>(18);
        }
        break;
    case 1402:
        if (local == "signatureline") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_SignatureLine>(14);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Curve::AssignAttributes(TNYQReader& reader)
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
        case 218:
            if (local == "hr") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FHr = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 227:
            if (local == "to") {
                FTo = attrs.GetValues(i);
                continue;
            }
            break;
        case 320:
            if (local == "ole") {
                if (const auto v = StrToTST_TrueFalseBlank(attrs.GetValues(i)))
                    FOle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 321:
            if (local == "alt") {
                FAlt = attrs.GetValues(i);
                continue;
            }
            break;
        case 343:
            if (local == "spt") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FSpt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 421:
            if (local == "href") {
                FHref = attrs.GetValues(i);
                continue;
            }
            break;
        case 422:
            if (local == "oned") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOned = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 424:
            if (local == "clip") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FClip = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 432:
            if (local == "spid") {
                FSpid = attrs.GetValues(i);
                continue;
            }
            break;
        case 436:
            if (local == "from") {
                FFrom = attrs.GetValues(i);
                continue;
            }
            break;
        case 534:
            if (local == "class") {
                FClass = attrs.GetValues(i);
                continue;
            }
            break;
        case 545:
            if (local == "hrpct") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FHrpct = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 546:
            if (local == "title") {
                FTitle = attrs.GetValues(i);
                continue;
            }
            break;
        case 549:
            if (local == "hrstd") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FHrstd = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 557:
            if (local == "print") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FPrint = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 561:
            if (local == "style") {
                FStyle = attrs.GetValues(i);
                continue;
            }
            break;
        case 624:
            if (local == "filled") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FFilled = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 638:
            if (local == "bwmode") {
                if (const auto v = StrToTST_BWMode(attrs.GetValues(i)))
                    FBwmode = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 647:
            if (local == "target") {
                FTarget = attrs.GetValues(i);
                continue;
            }
            break;
        case 648:
            if (local == "bullet") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FBullet = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 661:
            if (local == "bwpure") {
                if (const auto v = StrToTST_BWMode(attrs.GetValues(i)))
                    FBwpure = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 668:
            if (local == "button") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FButton = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 741:
            if (local == "hralign") {
                if (const auto v = StrToTST_HrAlign(attrs.GetValues(i)))
                    FHralign = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 745:
            if (local == "oleicon") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOleicon = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 761:
            if (local == "opacity") {
                FOpacity = attrs.GetValues(i);
                continue;
            }
            break;
        case 764:
            if (local == "stroked") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FStroked = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 818:
            if (local == "control1") {
                FControl1 = attrs.GetValues(i);
                continue;
            }
            break;
        case 819:
            if (local == "control2") {
                FControl2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 866:
            if (local == "bwnormal") {
                if (const auto v = StrToTST_BWMode(attrs.GetValues(i)))
                    FBwnormal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 870:
            if (local == "insetpen") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FInsetpen = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 943:
            if (local == "forcedash") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FForcedash = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 956:
            if (local == "hrnoshade") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FHrnoshade = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 963:
            if (local == "chromakey") {
                FChromakey = attrs.GetValues(i);
                continue;
            }
            break;
        case 966:
            if (local == "fillcolor") {
                FFillcolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 968:
            if (local == "insetmode") {
                if (const auto v = StrToTST_InsetMode(attrs.GetValues(i)))
                    FInsetmode = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 977:
            if (local == "regroupid") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FRegroupid = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 978:
            if (local == "coordsize") {
                FCoordsize = attrs.GetValues(i);
                continue;
            }
            break;
        case 982:
            if (local == "dgmlayout") {
                if (const auto v = StrToTST_DiagramLayout(attrs.GetValues(i)))
                    FDgmlayout = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 987:
            if (local == "userdrawn") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FUserdrawn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1067:
            if (local == "userhidden") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FUserhidden = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1092:
            if (local == "wrapcoords") {
                FWrapcoords = attrs.GetValues(i);
                continue;
            }
            break;
        case 1093:
            if (local == "cliptowrap") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FCliptowrap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1156:
            if (local == "dgmnodekind") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDgmnodekind = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1174:
            if (local == "allowincell") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAllowincell = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1183:
            if (local == "coordorigin") {
                FCoordorigin = attrs.GetValues(i);
                continue;
            }
            break;
        case 1207:
            if (local == "strokecolor") {
                FStrokecolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 1304:
            if (local == "allowoverlap") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAllowoverlap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1312:
            if (local == "strokeweight") {
                FStrokeweight = attrs.GetValues(i);
                continue;
            }
            break;
        case 1322:
            if (local == "dgmlayoutmru") {
                if (const auto v = StrToTST_DiagramLayout(attrs.GetValues(i)))
                    FDgmlayoutmru = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1421:
            if (local == "connectortype") {
                if (const auto v = StrToTST_ConnectorType(attrs.GetValues(i)))
                    FConnectortype = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1504:
            if (local == "preferrelative") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FPreferrelative = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1520:
            if (local == "bordertopcolor") {
                FBordertopcolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 1608:
            if (local == "borderleftcolor") {
                FBorderleftcolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 1723:
            if (local == "borderrightcolor") {
                FBorderrightcolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 1818:
            if (local == "doubleclicknotify") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FDoubleclicknotify = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1842:
            if (local == "borderbottomcolor") {
                FBorderbottomcolor = attrs.GetValues(i);
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

void TCT_Curve::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FStyle)
        writer.AddAttribute("style", *FStyle);
    if (FHref)
        writer.AddAttribute("href", *FHref);
    if (FTarget)
        writer.AddAttribute("target", *FTarget);
    if (FClass)
        writer.AddAttribute("class", *FClass);
    if (FTitle)
        writer.AddAttribute("title", *FTitle);
    if (FAlt)
        writer.AddAttribute("alt", *FAlt);
    if (FCoordsize)
        writer.AddAttribute("coordsize", *FCoordsize);
    if (FCoordorigin)
        writer.AddAttribute("coordorigin", *FCoordorigin);
    if (FWrapcoords)
        writer.AddAttribute("wrapcoords", *FWrapcoords);
    if (FPrint)
        writer.AddAttribute("print", TST_TrueFalseToStr(*FPrint));
    if (FSpid)
        writer.AddAttribute("o:spid", *FSpid);
    if (FOned)
        writer.AddAttribute("o:oned", TST_TrueFalseToStr(*FOned));
    if (FRegroupid)
        writer.AddAttribute("o:regroupid", XmlIntToStr(*FRegroupid));
    if (FDoubleclicknotify)
        writer.AddAttribute("o:doubleclicknotify", TST_TrueFalseToStr(*FDoubleclicknotify));
    if (FButton)
        writer.AddAttribute("o:button", TST_TrueFalseToStr(*FButton));
    if (FUserhidden)
        writer.AddAttribute("o:userhidden", TST_TrueFalseToStr(*FUserhidden));
    if (FBullet)
        writer.AddAttribute("o:bullet", TST_TrueFalseToStr(*FBullet));
    if (FHr)
        writer.AddAttribute("o:hr", TST_TrueFalseToStr(*FHr));
    if (FHrstd)
        writer.AddAttribute("o:hrstd", TST_TrueFalseToStr(*FHrstd));
    if (FHrnoshade)
        writer.AddAttribute("o:hrnoshade", TST_TrueFalseToStr(*FHrnoshade));
    if (FHrpct)
        writer.AddAttribute("o:hrpct", XmlFloatToStr(*FHrpct));
    if (FHralign)
        writer.AddAttribute("o:hralign", TST_HrAlignToStr(*FHralign));
    if (FAllowincell)
        writer.AddAttribute("o:allowincell", TST_TrueFalseToStr(*FAllowincell));
    if (FAllowoverlap)
        writer.AddAttribute("o:allowoverlap", TST_TrueFalseToStr(*FAllowoverlap));
    if (FUserdrawn)
        writer.AddAttribute("o:userdrawn", TST_TrueFalseToStr(*FUserdrawn));
    if (FBordertopcolor)
        writer.AddAttribute("o:bordertopcolor", *FBordertopcolor);
    if (FBorderleftcolor)
        writer.AddAttribute("o:borderleftcolor", *FBorderleftcolor);
    if (FBorderbottomcolor)
        writer.AddAttribute("o:borderbottomcolor", *FBorderbottomcolor);
    if (FBorderrightcolor)
        writer.AddAttribute("o:borderrightcolor", *FBorderrightcolor);
    if (FDgmlayout)
        writer.AddAttribute("o:dgmlayout", TST_DiagramLayoutToStr(*FDgmlayout));
    if (FDgmnodekind)
        writer.AddAttribute("o:dgmnodekind", XmlIntToStr(*FDgmnodekind));
    if (FDgmlayoutmru)
        writer.AddAttribute("o:dgmlayoutmru", TST_DiagramLayoutToStr(*FDgmlayoutmru));
    if (FInsetmode)
        writer.AddAttribute("o:insetmode", TST_InsetModeToStr(*FInsetmode));
    if (FChromakey)
        writer.AddAttribute("chromakey", *FChromakey);
    if (FFilled)
        writer.AddAttribute("filled", TST_TrueFalseToStr(*FFilled));
    if (FFillcolor)
        writer.AddAttribute("fillcolor", *FFillcolor);
    if (FOpacity)
        writer.AddAttribute("opacity", *FOpacity);
    if (FStroked)
        writer.AddAttribute("stroked", TST_TrueFalseToStr(*FStroked));
    if (FStrokecolor)
        writer.AddAttribute("strokecolor", *FStrokecolor);
    if (FStrokeweight)
        writer.AddAttribute("strokeweight", *FStrokeweight);
    if (FInsetpen)
        writer.AddAttribute("insetpen", TST_TrueFalseToStr(*FInsetpen));
    if (FSpt)
        writer.AddAttribute("o:spt", XmlFloatToStr(*FSpt));
    if (FConnectortype)
        writer.AddAttribute("o:connectortype", TST_ConnectorTypeToStr(*FConnectortype));
    if (FBwmode)
        writer.AddAttribute("o:bwmode", TST_BWModeToStr(*FBwmode));
    if (FBwpure)
        writer.AddAttribute("o:bwpure", TST_BWModeToStr(*FBwpure));
    if (FBwnormal)
        writer.AddAttribute("o:bwnormal", TST_BWModeToStr(*FBwnormal));
    if (FForcedash)
        writer.AddAttribute("o:forcedash", TST_TrueFalseToStr(*FForcedash));
    if (FOleicon)
        writer.AddAttribute("o:oleicon", TST_TrueFalseToStr(*FOleicon));
    if (FOle)
        writer.AddAttribute("o:ole", TST_TrueFalseBlankToStr(*FOle));
    if (FPreferrelative)
        writer.AddAttribute("o:preferrelative", TST_TrueFalseToStr(*FPreferrelative));
    if (FCliptowrap)
        writer.AddAttribute("o:cliptowrap", TST_TrueFalseToStr(*FCliptowrap));
    if (FClip)
        writer.AddAttribute("o:clip", TST_TrueFalseToStr(*FClip));
    if (FFrom)
        writer.AddAttribute("from", *FFrom);
    if (FControl1)
        writer.AddAttribute("control1", *FControl1);
    if (FControl2)
        writer.AddAttribute("control2", *FControl2);
    if (FTo)
        writer.AddAttribute("to", *FTo);
}

void TCT_Curve::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ShapeElementsList.GetItems())
        NyqWriteChild(writer, cTCT_CurveFEG_ShapeElementsListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Curve::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FStyle = {};
    FHref = {};
    FTarget = {};
    FClass = {};
    FTitle = {};
    FAlt = {};
    FCoordsize = {};
    FCoordorigin = {};
    FWrapcoords = {};
    FPrint = {};
    FSpid = {};
    FOned = {};
    FRegroupid = {};
    FDoubleclicknotify = {};
    FButton = {};
    FUserhidden = {};
    FBullet = {};
    FHr = {};
    FHrstd = {};
    FHrnoshade = {};
    FHrpct = {};
    FHralign = {};
    FAllowincell = {};
    FAllowoverlap = {};
    FUserdrawn = {};
    FBordertopcolor = {};
    FBorderleftcolor = {};
    FBorderbottomcolor = {};
    FBorderrightcolor = {};
    FDgmlayout = {};
    FDgmnodekind = {};
    FDgmlayoutmru = {};
    FInsetmode = {};
    FChromakey = {};
    FFilled = {};
    FFillcolor = {};
    FOpacity = {};
    FStroked = {};
    FStrokecolor = {};
    FStrokeweight = {};
    FInsetpen = {};
    FSpt = {};
    FConnectortype = {};
    FBwmode = {};
    FBwpure = {};
    FBwnormal = {};
    FForcedash = {};
    FOleicon = {};
    FOle = {};
    FPreferrelative = {};
    FCliptowrap = {};
    FClip = {};
    FFrom = {};
    FControl1 = {};
    FControl2 = {};
    FTo = {};
    FEG_ShapeElementsList.Clear();
    FAny.Clear();
}

void TCT_Curve::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Curve*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FStyle = o->FStyle;
    FHref = o->FHref;
    FTarget = o->FTarget;
    FClass = o->FClass;
    FTitle = o->FTitle;
    FAlt = o->FAlt;
    FCoordsize = o->FCoordsize;
    FCoordorigin = o->FCoordorigin;
    FWrapcoords = o->FWrapcoords;
    FPrint = o->FPrint;
    FSpid = o->FSpid;
    FOned = o->FOned;
    FRegroupid = o->FRegroupid;
    FDoubleclicknotify = o->FDoubleclicknotify;
    FButton = o->FButton;
    FUserhidden = o->FUserhidden;
    FBullet = o->FBullet;
    FHr = o->FHr;
    FHrstd = o->FHrstd;
    FHrnoshade = o->FHrnoshade;
    FHrpct = o->FHrpct;
    FHralign = o->FHralign;
    FAllowincell = o->FAllowincell;
    FAllowoverlap = o->FAllowoverlap;
    FUserdrawn = o->FUserdrawn;
    FBordertopcolor = o->FBordertopcolor;
    FBorderleftcolor = o->FBorderleftcolor;
    FBorderbottomcolor = o->FBorderbottomcolor;
    FBorderrightcolor = o->FBorderrightcolor;
    FDgmlayout = o->FDgmlayout;
    FDgmnodekind = o->FDgmnodekind;
    FDgmlayoutmru = o->FDgmlayoutmru;
    FInsetmode = o->FInsetmode;
    FChromakey = o->FChromakey;
    FFilled = o->FFilled;
    FFillcolor = o->FFillcolor;
    FOpacity = o->FOpacity;
    FStroked = o->FStroked;
    FStrokecolor = o->FStrokecolor;
    FStrokeweight = o->FStrokeweight;
    FInsetpen = o->FInsetpen;
    FSpt = o->FSpt;
    FConnectortype = o->FConnectortype;
    FBwmode = o->FBwmode;
    FBwpure = o->FBwpure;
    FBwnormal = o->FBwnormal;
    FForcedash = o->FForcedash;
    FOleicon = o->FOleicon;
    FOle = o->FOle;
    FPreferrelative = o->FPreferrelative;
    FCliptowrap = o->FCliptowrap;
    FClip = o->FClip;
    FFrom = o->FFrom;
    FControl1 = o->FControl1;
    FControl2 = o->FControl2;
    FTo = o->FTo;
    for (const auto& item : o->FEG_ShapeElementsList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ShapeElementsList.Add<TCT_Path>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ShapeElementsList.Add<TCT_Formulas>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ShapeElementsList.Add<TCT_Handles>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ShapeElementsList.Add<TCT_Fill>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ShapeElementsList.Add<TCT_Stroke>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ShapeElementsList.Add<TCT_Shadow>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ShapeElementsList.Add<TCT_Textbox>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ShapeElementsList.Add<TCT_TextPath>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ShapeElementsList.Add<TCT_ImageData>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ShapeElementsList.Add<TCT_Skew>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ShapeElementsList.Add<TCT_Extrusion>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ShapeElementsList.Add<TCT_Callout>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ShapeElementsList.Add<TCT_Lock_o>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ShapeElementsList.Add<TCT_ClipPath>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ShapeElementsList.Add<TCT_SignatureLine>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ShapeElementsList.Add<TCT_Wrap>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ShapeElementsList.Add<TCT_AnchorLock>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ShapeElementsList.Add<TCT_Border_w10>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ShapeElementsList.Add<TCT_Border_w10>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ShapeElementsList.Add<TCT_Border_w10>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ShapeElementsList.Add<TCT_Border_w10>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ShapeElementsList.Add<TNYQAnyElement>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ShapeElementsList.Add<TNYQAnyElement>(22).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Curve::HasElements() const
{
    return FEG_ShapeElementsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Image

namespace {
constexpr std::string_view cTCT_ImageFEG_ShapeElementsListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata"};
}  // namespace

TCT_Image::TCT_Image() = default;
TCT_Image::~TCT_Image() = default;

TNYQBase* TCT_Image::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 423:
        if (local == "fill") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Fill>(3);
        }
        break;
    case 425:
        if (local == "lock") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Lock_o>(12);
        }
        break;
    case 429:
        if (local == "path") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Path>(0);
        }
        break;
    case 442:
        if (local == "skew") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Skew>(9);
        }
        if (local == "wrap") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Wrap>(15);
        }
        break;
    case 646:
        if (local == "shadow") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Shadow>(5);
        }
        break;
    case 664:
        if (local == "stroke") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Stroke>(4);
        }
        break;
    case 735:
        if (local == "handles") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Handles>(2);
        }
        break;
    case 756:
        if (local == "callout") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Callout>(11);
        }
        break;
    case 782:
        if (local == "textbox") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Textbox>(6);
        }
        break;
    case 853:
        if (local == "clippath") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_ClipPath>(13);
        }
        break;
    case 863:
        if (local == "textdata") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TNYQAnyElement>(22);
        }
        break;
    case 873:
        if (local == "formulas") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Formulas>(1);
        }
        break;
    case 882:
        if (local == "textpath") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_TextPath>(7);
        }
        break;
    case 925:
        if (local == "imagedata") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_ImageData>(8);
        }
        break;
    case 977:
        if (local == "bordertop") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Border_w10>(17);
        }
        break;
    case 985:
        if (local == "ClientData") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TNYQAnyElement>(21);
        }
        break;
    case 1009:
        if (local == "extrusion") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Extrusion>(10);
        }
        break;
    case 1060:
        if (local == "anchorlock") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_AnchorLock>(16);
        }
        break;
    case 1065:
        if (local == "borderleft") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Border_w10>(19);
        }
        break;
    case 1180:
        if (local == "borderright") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Border_w10>(20);
        }
        break;
    case 1299:
        if (local == "borderbottom") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_Border_w10>(18);
        }
        break;
    case 1402:
        if (local == "signatureline") {
            SetHasChildren();
            return &FEG_ShapeElementsList.Add<TCT_SignatureLine>(14);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Image::AssignAttributes(TNYQReader& reader)
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
        case 218:
            if (local == "hr") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FHr = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 320:
            if (local == "ole") {
                if (const auto v = StrToTST_TrueFalseBlank(attrs.GetValues(i)))
                    FOle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 321:
            if (local == "alt") {
                FAlt = attrs.GetValues(i);
                continue;
            }
            break;
        case 328:
            if (local == "src") {
                FSrc = attrs.GetValues(i);
                continue;
            }
            break;
        case 343:
            if (local == "spt") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FSpt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 415:
            if (local == "gain") {
                FGain = attrs.GetValues(i);
                continue;
            }
            break;
        case 421:
            if (local == "href") {
                FHref = attrs.GetValues(i);
                continue;
            }
            break;
        case 422:
            if (local == "oned") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOned = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 424:
            if (local == "clip") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FClip = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 432:
            if (local == "spid") {
                FSpid = attrs.GetValues(i);
                continue;
            }
            break;
        case 515:
            if (local == "gamma") {
                FGamma = attrs.GetValues(i);
                continue;
            }
            break;
        case 534:
            if (local == "class") {
                FClass = attrs.GetValues(i);
                continue;
            }
            break;
        case 545:
            if (local == "hrpct") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FHrpct = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 546:
            if (local == "title") {
                FTitle = attrs.GetValues(i);
                continue;
            }
            break;
        case 549:
            if (local == "hrstd") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FHrstd = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 557:
            if (local == "print") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FPrint = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 561:
            if (local == "style") {
                FStyle = attrs.GetValues(i);
                continue;
            }
            break;
        case 624:
            if (local == "filled") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FFilled = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 638:
            if (local == "bwmode") {
                if (const auto v = StrToTST_BWMode(attrs.GetValues(i)))
                    FBwmode = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 647:
            if (local == "target") {
                FTarget = attrs.GetValues(i);
                continue;
            }
            break;
        case 648:
            if (local == "bullet") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FBullet = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 661:
            if (local == "bwpure") {
                if (const auto v = StrToTST_BWMode(attrs.GetValues(i)))
                    FBwpure = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 668:
            if (local == "button") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FButton = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 739:
            if (local == "bilevel") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FBilevel = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 741:
            if (local == "hralign") {
                if (const auto v = StrToTST_HrAlign(attrs.GetValues(i)))
                    FHralign = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 745:
            if (local == "oleicon") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOleicon = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 761:
            if (local == "opacity") {
                FOpacity = attrs.GetValues(i);
                continue;
            }
            break;
        case 764:
            if (local == "stroked") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FStroked = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 775:
            if (local == "croptop") {
                FCroptop = attrs.GetValues(i);
                continue;
            }
            break;
        case 863:
            if (local == "cropleft") {
                FCropleft = attrs.GetValues(i);
                continue;
            }
            break;
        case 866:
            if (local == "bwnormal") {
                if (const auto v = StrToTST_BWMode(attrs.GetValues(i)))
                    FBwnormal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 870:
            if (local == "insetpen") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FInsetpen = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 943:
            if (local == "forcedash") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FForcedash = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 955:
            if (local == "grayscale") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FGrayscale = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 956:
            if (local == "hrnoshade") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FHrnoshade = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 963:
            if (local == "chromakey") {
                FChromakey = attrs.GetValues(i);
                continue;
            }
            break;
        case 966:
            if (local == "fillcolor") {
                FFillcolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 968:
            if (local == "insetmode") {
                if (const auto v = StrToTST_InsetMode(attrs.GetValues(i)))
                    FInsetmode = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 977:
            if (local == "regroupid") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FRegroupid = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 978:
            if (local == "coordsize") {
                FCoordsize = attrs.GetValues(i);
                continue;
            }
            if (local == "cropright") {
                FCropright = attrs.GetValues(i);
                continue;
            }
            break;
        case 982:
            if (local == "dgmlayout") {
                if (const auto v = StrToTST_DiagramLayout(attrs.GetValues(i)))
                    FDgmlayout = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 987:
            if (local == "userdrawn") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FUserdrawn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1045:
            if (local == "blacklevel") {
                FBlacklevel = attrs.GetValues(i);
                continue;
            }
            break;
        case 1067:
            if (local == "userhidden") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FUserhidden = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1092:
            if (local == "wrapcoords") {
                FWrapcoords = attrs.GetValues(i);
                continue;
            }
            break;
        case 1093:
            if (local == "cliptowrap") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FCliptowrap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1097:
            if (local == "cropbottom") {
                FCropbottom = attrs.GetValues(i);
                continue;
            }
            break;
        case 1156:
            if (local == "dgmnodekind") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDgmnodekind = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1174:
            if (local == "allowincell") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAllowincell = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1183:
            if (local == "coordorigin") {
                FCoordorigin = attrs.GetValues(i);
                continue;
            }
            break;
        case 1207:
            if (local == "strokecolor") {
                FStrokecolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 1304:
            if (local == "allowoverlap") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAllowoverlap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1312:
            if (local == "strokeweight") {
                FStrokeweight = attrs.GetValues(i);
                continue;
            }
            break;
        case 1322:
            if (local == "dgmlayoutmru") {
                if (const auto v = StrToTST_DiagramLayout(attrs.GetValues(i)))
                    FDgmlayoutmru = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1421:
            if (local == "connectortype") {
                if (const auto v = StrToTST_ConnectorType(attrs.GetValues(i)))
                    FConnectortype = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1504:
            if (local == "preferrelative") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FPreferrelative = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1520:
            if (local == "bordertopcolor") {
                FBordertopcolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 1608:
            if (local == "borderleftcolor") {
                FBorderleftcolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 1723:
            if (local == "borderrightcolor") {
                FBorderrightcolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 1818:
            if (local == "doubleclicknotify") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FDoubleclicknotify = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1842:
            if (local == "borderbottomcolor") {
                FBorderbottomcolor = attrs.GetValues(i);
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

void TCT_Image::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FStyle)
        writer.AddAttribute("style", *FStyle);
    if (FHref)
        writer.AddAttribute("href", *FHref);
    if (FTarget)
        writer.AddAttribute("target", *FTarget);
    if (FClass)
        writer.AddAttribute("class", *FClass);
    if (FTitle)
        writer.AddAttribute("title", *FTitle);
    if (FAlt)
        writer.AddAttribute("alt", *FAlt);
    if (FCoordsize)
        writer.AddAttribute("coordsize", *FCoordsize);
    if (FCoordorigin)
        writer.AddAttribute("coordorigin", *FCoordorigin);
    if (FWrapcoords)
        writer.AddAttribute("wrapcoords", *FWrapcoords);
    if (FPrint)
        writer.AddAttribute("print", TST_TrueFalseToStr(*FPrint));
    if (FSpid)
        writer.AddAttribute("o:spid", *FSpid);
    if (FOned)
        writer.AddAttribute("o:oned", TST_TrueFalseToStr(*FOned));
    if (FRegroupid)
        writer.AddAttribute("o:regroupid", XmlIntToStr(*FRegroupid));
    if (FDoubleclicknotify)
        writer.AddAttribute("o:doubleclicknotify", TST_TrueFalseToStr(*FDoubleclicknotify));
    if (FButton)
        writer.AddAttribute("o:button", TST_TrueFalseToStr(*FButton));
    if (FUserhidden)
        writer.AddAttribute("o:userhidden", TST_TrueFalseToStr(*FUserhidden));
    if (FBullet)
        writer.AddAttribute("o:bullet", TST_TrueFalseToStr(*FBullet));
    if (FHr)
        writer.AddAttribute("o:hr", TST_TrueFalseToStr(*FHr));
    if (FHrstd)
        writer.AddAttribute("o:hrstd", TST_TrueFalseToStr(*FHrstd));
    if (FHrnoshade)
        writer.AddAttribute("o:hrnoshade", TST_TrueFalseToStr(*FHrnoshade));
    if (FHrpct)
        writer.AddAttribute("o:hrpct", XmlFloatToStr(*FHrpct));
    if (FHralign)
        writer.AddAttribute("o:hralign", TST_HrAlignToStr(*FHralign));
    if (FAllowincell)
        writer.AddAttribute("o:allowincell", TST_TrueFalseToStr(*FAllowincell));
    if (FAllowoverlap)
        writer.AddAttribute("o:allowoverlap", TST_TrueFalseToStr(*FAllowoverlap));
    if (FUserdrawn)
        writer.AddAttribute("o:userdrawn", TST_TrueFalseToStr(*FUserdrawn));
    if (FBordertopcolor)
        writer.AddAttribute("o:bordertopcolor", *FBordertopcolor);
    if (FBorderleftcolor)
        writer.AddAttribute("o:borderleftcolor", *FBorderleftcolor);
    if (FBorderbottomcolor)
        writer.AddAttribute("o:borderbottomcolor", *FBorderbottomcolor);
    if (FBorderrightcolor)
        writer.AddAttribute("o:borderrightcolor", *FBorderrightcolor);
    if (FDgmlayout)
        writer.AddAttribute("o:dgmlayout", TST_DiagramLayoutToStr(*FDgmlayout));
    if (FDgmnodekind)
        writer.AddAttribute("o:dgmnodekind", XmlIntToStr(*FDgmnodekind));
    if (FDgmlayoutmru)
        writer.AddAttribute("o:dgmlayoutmru", TST_DiagramLayoutToStr(*FDgmlayoutmru));
    if (FInsetmode)
        writer.AddAttribute("o:insetmode", TST_InsetModeToStr(*FInsetmode));
    if (FChromakey)
        writer.AddAttribute("chromakey", *FChromakey);
    if (FFilled)
        writer.AddAttribute("filled", TST_TrueFalseToStr(*FFilled));
    if (FFillcolor)
        writer.AddAttribute("fillcolor", *FFillcolor);
    if (FOpacity)
        writer.AddAttribute("opacity", *FOpacity);
    if (FStroked)
        writer.AddAttribute("stroked", TST_TrueFalseToStr(*FStroked));
    if (FStrokecolor)
        writer.AddAttribute("strokecolor", *FStrokecolor);
    if (FStrokeweight)
        writer.AddAttribute("strokeweight", *FStrokeweight);
    if (FInsetpen)
        writer.AddAttribute("insetpen", TST_TrueFalseToStr(*FInsetpen));
    if (FSpt)
        writer.AddAttribute("o:spt", XmlFloatToStr(*FSpt));
    if (FConnectortype)
        writer.AddAttribute("o:connectortype", TST_ConnectorTypeToStr(*FConnectortype));
    if (FBwmode)
        writer.AddAttribute("o:bwmode", TST_BWModeToStr(*FBwmode));
    if (FBwpure)
        writer.AddAttribute("o:bwpure", TST_BWModeToStr(*FBwpure));
    if (FBwnormal)
        writer.AddAttribute("o:bwnormal", TST_BWModeToStr(*FBwnormal));
    if (FForcedash)
        writer.AddAttribute("o:forcedash", TST_TrueFalseToStr(*FForcedash));
    if (FOleicon)
        writer.AddAttribute("o:oleicon", TST_TrueFalseToStr(*FOleicon));
    if (FOle)
        writer.AddAttribute("o:ole", TST_TrueFalseBlankToStr(*FOle));
    if (FPreferrelative)
        writer.AddAttribute("o:preferrelative", TST_TrueFalseToStr(*FPreferrelative));
    if (FCliptowrap)
        writer.AddAttribute("o:cliptowrap", TST_TrueFalseToStr(*FCliptowrap));
    if (FClip)
        writer.AddAttribute("o:clip", TST_TrueFalseToStr(*FClip));
    if (FSrc)
        writer.AddAttribute("src", *FSrc);
    if (FCropleft)
        writer.AddAttribute("cropleft", *FCropleft);
    if (FCroptop)
        writer.AddAttribute("croptop", *FCroptop);
    if (FCropright)
        writer.AddAttribute("cropright", *FCropright);
    if (FCropbottom)
        writer.AddAttribute("cropbottom", *FCropbottom);
    if (FGain)
        writer.AddAttribute("gain", *FGain);
    if (FBlacklevel)
        writer.AddAttribute("blacklevel", *FBlacklevel);
    if (FGamma)
        writer.AddAttribute("gamma", *FGamma);
    if (FGrayscale)
        writer.AddAttribute("grayscale", TST_TrueFalseToStr(*FGrayscale));
    if (FBilevel)
        writer.AddAttribute("bilevel", TST_TrueFalseToStr(*FBilevel));
}

void TCT_Image::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ShapeElementsList.GetItems())
        NyqWriteChild(writer, cTCT_ImageFEG_ShapeElementsListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Image::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FStyle = {};
    FHref = {};
    FTarget = {};
    FClass = {};
    FTitle = {};
    FAlt = {};
    FCoordsize = {};
    FCoordorigin = {};
    FWrapcoords = {};
    FPrint = {};
    FSpid = {};
    FOned = {};
    FRegroupid = {};
    FDoubleclicknotify = {};
    FButton = {};
    FUserhidden = {};
    FBullet = {};
    FHr = {};
    FHrstd = {};
    FHrnoshade = {};
    FHrpct = {};
    FHralign = {};
    FAllowincell = {};
    FAllowoverlap = {};
    FUserdrawn = {};
    FBordertopcolor = {};
    FBorderleftcolor = {};
    FBorderbottomcolor = {};
    FBorderrightcolor = {};
    FDgmlayout = {};
    FDgmnodekind = {};
    FDgmlayoutmru = {};
    FInsetmode = {};
    FChromakey = {};
    FFilled = {};
    FFillcolor = {};
    FOpacity = {};
    FStroked = {};
    FStrokecolor = {};
    FStrokeweight = {};
    FInsetpen = {};
    FSpt = {};
    FConnectortype = {};
    FBwmode = {};
    FBwpure = {};
    FBwnormal = {};
    FForcedash = {};
    FOleicon = {};
    FOle = {};
    FPreferrelative = {};
    FCliptowrap = {};
    FClip = {};
    FSrc = {};
    FCropleft = {};
    FCroptop = {};
    FCropright = {};
    FCropbottom = {};
    FGain = {};
    FBlacklevel = {};
    FGamma = {};
    FGrayscale = {};
    FBilevel = {};
    FEG_ShapeElementsList.Clear();
    FAny.Clear();
}

void TCT_Image::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Image*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FStyle = o->FStyle;
    FHref = o->FHref;
    FTarget = o->FTarget;
    FClass = o->FClass;
    FTitle = o->FTitle;
    FAlt = o->FAlt;
    FCoordsize = o->FCoordsize;
    FCoordorigin = o->FCoordorigin;
    FWrapcoords = o->FWrapcoords;
    FPrint = o->FPrint;
    FSpid = o->FSpid;
    FOned = o->FOned;
    FRegroupid = o->FRegroupid;
    FDoubleclicknotify = o->FDoubleclicknotify;
    FButton = o->FButton;
    FUserhidden = o->FUserhidden;
    FBullet = o->FBullet;
    FHr = o->FHr;
    FHrstd = o->FHrstd;
    FHrnoshade = o->FHrnoshade;
    FHrpct = o->FHrpct;
    FHralign = o->FHralign;
    FAllowincell = o->FAllowincell;
    FAllowoverlap = o->FAllowoverlap;
    FUserdrawn = o->FUserdrawn;
    FBordertopcolor = o->FBordertopcolor;
    FBorderleftcolor = o->FBorderleftcolor;
    FBorderbottomcolor = o->FBorderbottomcolor;
    FBorderrightcolor = o->FBorderrightcolor;
    FDgmlayout = o->FDgmlayout;
    FDgmnodekind = o->FDgmnodekind;
    FDgmlayoutmru = o->FDgmlayoutmru;
    FInsetmode = o->FInsetmode;
    FChromakey = o->FChromakey;
    FFilled = o->FFilled;
    FFillcolor = o->FFillcolor;
    FOpacity = o->FOpacity;
    FStroked = o->FStroked;
    FStrokecolor = o->FStrokecolor;
    FStrokeweight = o->FStrokeweight;
    FInsetpen = o->FInsetpen;
    FSpt = o->FSpt;
    FConnectortype = o->FConnectortype;
    FBwmode = o->FBwmode;
    FBwpure = o->FBwpure;
    FBwnormal = o->FBwnormal;
    FForcedash = o->FForcedash;
    FOleicon = o->FOleicon;
    FOle = o->FOle;
    FPreferrelative = o->FPreferrelative;
    FCliptowrap = o->FCliptowrap;
    FClip = o->FClip;
    FSrc = o->FSrc;
    FCropleft = o->FCropleft;
    FCroptop = o->FCroptop;
    FCropright = o->FCropright;
    FCropbottom = o->FCropbottom;
    FGain = o->FGain;
    FBlacklevel = o->FBlacklevel;
    FGamma = o->FGamma;
    FGrayscale = o->FGrayscale;
    FBilevel = o->FBilevel;
    for (const auto& item : o->FEG_ShapeElementsList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ShapeElementsList.Add<TCT_Path>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ShapeElementsList.Add<TCT_Formulas>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ShapeElementsList.Add<TCT_Handles>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ShapeElementsList.Add<TCT_Fill>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ShapeElementsList.Add<TCT_Stroke>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ShapeElementsList.Add<TCT_Shadow>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ShapeElementsList.Add<TCT_Textbox>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ShapeElementsList.Add<TCT_TextPath>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ShapeElementsList.Add<TCT_ImageData>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ShapeElementsList.Add<TCT_Skew>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ShapeElementsList.Add<TCT_Extrusion>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ShapeElementsList.Add<TCT_Callout>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ShapeElementsList.Add<TCT_Lock_o>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ShapeElementsList.Add<TCT_ClipPath>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ShapeElementsList.Add<TCT_SignatureLine>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ShapeElementsList.Add<TCT_Wrap>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ShapeElementsList.Add<TCT_AnchorLock>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ShapeElementsList.Add<TCT_Border_w10>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ShapeElementsList.Add<TCT_Border_w10>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ShapeElementsList.Add<TCT_Border_w10>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ShapeElementsList.Add<TCT_Border_w10>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ShapeElementsList.Add<TNYQAnyElement>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ShapeElementsList.Add<TNYQAnyElement>(22).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Image::HasElements() const
{
    return FEG_ShapeElementsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Path

TCT_Path::TCT_Path() = default;
TCT_Path::~TCT_Path() = default;

TNYQBase* TCT_Path::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Path::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 118:
            if (local == "v") {
                FV = attrs.GetValues(i);
                continue;
            }
            break;
        case 205:
            if (local == "id") {
                FId = attrs.GetValues(i);
                continue;
            }
            break;
        case 433:
            if (local == "limo") {
                FLimo = attrs.GetValues(i);
                continue;
            }
            break;
        case 641:
            if (local == "fillok") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FFillok = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 773:
            if (local == "arrowok") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FArrowok = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 864:
            if (local == "shadowok") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FShadowok = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 882:
            if (local == "strokeok") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FStrokeok = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1088:
            if (local == "insetpenok") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FInsetpenok = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1100:
            if (local == "textpathok") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FTextpathok = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1179:
            if (local == "connectlocs") {
                FConnectlocs = attrs.GetValues(i);
                continue;
            }
            break;
        case 1196:
            if (local == "connecttype") {
                if (const auto v = StrToTST_ConnectType(attrs.GetValues(i)))
                    FConnecttype = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1212:
            if (local == "textboxrect") {
                FTextboxrect = attrs.GetValues(i);
                continue;
            }
            break;
        case 1227:
            if (local == "extrusionok") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FExtrusionok = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1380:
            if (local == "connectangles") {
                FConnectangles = attrs.GetValues(i);
                continue;
            }
            break;
        case 1593:
            if (local == "gradientshapeok") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FGradientshapeok = *v;
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

void TCT_Path::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FV)
        writer.AddAttribute("v", *FV);
    if (FLimo)
        writer.AddAttribute("limo", *FLimo);
    if (FTextboxrect)
        writer.AddAttribute("textboxrect", *FTextboxrect);
    if (FFillok)
        writer.AddAttribute("fillok", TST_TrueFalseToStr(*FFillok));
    if (FStrokeok)
        writer.AddAttribute("strokeok", TST_TrueFalseToStr(*FStrokeok));
    if (FShadowok)
        writer.AddAttribute("shadowok", TST_TrueFalseToStr(*FShadowok));
    if (FArrowok)
        writer.AddAttribute("arrowok", TST_TrueFalseToStr(*FArrowok));
    if (FGradientshapeok)
        writer.AddAttribute("gradientshapeok", TST_TrueFalseToStr(*FGradientshapeok));
    if (FTextpathok)
        writer.AddAttribute("textpathok", TST_TrueFalseToStr(*FTextpathok));
    if (FInsetpenok)
        writer.AddAttribute("insetpenok", TST_TrueFalseToStr(*FInsetpenok));
    if (FConnecttype)
        writer.AddAttribute("o:connecttype", TST_ConnectTypeToStr(*FConnecttype));
    if (FConnectlocs)
        writer.AddAttribute("o:connectlocs", *FConnectlocs);
    if (FConnectangles)
        writer.AddAttribute("o:connectangles", *FConnectangles);
    if (FExtrusionok)
        writer.AddAttribute("o:extrusionok", TST_TrueFalseToStr(*FExtrusionok));
}

void TCT_Path::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Path::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FV = {};
    FLimo = {};
    FTextboxrect = {};
    FFillok = {};
    FStrokeok = {};
    FShadowok = {};
    FArrowok = {};
    FGradientshapeok = {};
    FTextpathok = {};
    FInsetpenok = {};
    FConnecttype = {};
    FConnectlocs = {};
    FConnectangles = {};
    FExtrusionok = {};
    FAny.Clear();
}

void TCT_Path::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Path*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FV = o->FV;
    FLimo = o->FLimo;
    FTextboxrect = o->FTextboxrect;
    FFillok = o->FFillok;
    FStrokeok = o->FStrokeok;
    FShadowok = o->FShadowok;
    FArrowok = o->FArrowok;
    FGradientshapeok = o->FGradientshapeok;
    FTextpathok = o->FTextpathok;
    FInsetpenok = o->FInsetpenok;
    FConnecttype = o->FConnecttype;
    FConnectlocs = o->FConnectlocs;
    FConnectangles = o->FConnectangles;
    FExtrusionok = o->FExtrusionok;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Path::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Formulas

TCT_Formulas::TCT_Formulas() = default;
TCT_Formulas::~TCT_Formulas() = default;

TNYQBase* TCT_Formulas::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 102:
        if (local == "f") {
            SetHasChildren();
            return &FFList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Formulas::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FFList.GetItems())
        NyqWriteChild(writer, "v:f", *item);
    FAny.Write(writer);
}

void TCT_Formulas::Clear()
{
    TNYQBase::Clear();
    FFList.Clear();
    FAny.Clear();
}

void TCT_Formulas::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Formulas*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FFList.GetItems())
        FFList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Formulas::HasElements() const
{
    return FFList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Handles

TCT_Handles::TCT_Handles() = default;
TCT_Handles::~TCT_Handles() = default;

TNYQBase* TCT_Handles::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 104:
        if (local == "h") {
            SetHasChildren();
            return &FHList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Handles::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FHList.GetItems())
        NyqWriteChild(writer, "v:h", *item);
    FAny.Write(writer);
}

void TCT_Handles::Clear()
{
    TNYQBase::Clear();
    FHList.Clear();
    FAny.Clear();
}

void TCT_Handles::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Handles*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FHList.GetItems())
        FHList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Handles::HasElements() const
{
    return FHList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Fill

TCT_Fill::TCT_Fill() = default;
TCT_Fill::~TCT_Fill() = default;

TCT_Fill_o& TCT_Fill::Create_Fill()
{
    if (!FFill) {
        FFill = std::make_unique<TCT_Fill_o>();
        FFill->SetAssigned();
    }
    SetHasChildren();
    return *FFill;
}

TNYQBase* TCT_Fill::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 423:
        if (local == "fill") {
            return &Create_Fill();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Fill::AssignAttributes(TNYQReader& reader)
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
        case 221:
            if (local == "on") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 328:
            if (local == "src") {
                FSrc = attrs.GetValues(i);
                continue;
            }
            break;
        case 421:
            if (local == "href") {
                FHref = attrs.GetValues(i);
                continue;
            }
            break;
        case 443:
            if (local == "size") {
                FSize = attrs.GetValues(i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_FillType(attrs.GetValues(i)))
                    FType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 519:
            if (local == "angle") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FAngle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 528:
            if (local == "relid") {
                FRelid = attrs.GetValues(i);
                continue;
            }
            break;
        case 543:
            if (local == "color") {
                FColor = attrs.GetValues(i);
                continue;
            }
            break;
        case 544:
            if (local == "focus") {
                FFocus = attrs.GetValues(i);
                continue;
            }
            break;
        case 546:
            if (local == "title") {
                FTitle = attrs.GetValues(i);
                continue;
            }
            break;
        case 593:
            if (local == "color2") {
                FColor2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 640:
            if (local == "aspect") {
                if (const auto v = StrToTST_ImageAspect(attrs.GetValues(i)))
                    FAspect = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 641:
            if (local == "method") {
                if (const auto v = StrToTST_FillMethod(attrs.GetValues(i)))
                    FMethod = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 648:
            if (local == "origin") {
                FOrigin = attrs.GetValues(i);
                continue;
            }
            break;
        case 655:
            if (local == "rotate") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FRotate = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 658:
            if (local == "colors") {
                FColors = attrs.GetValues(i);
                continue;
            }
            break;
        case 742:
            if (local == "althref") {
                FAlthref = attrs.GetValues(i);
                continue;
            }
            break;
        case 758:
            if (local == "recolor") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FRecolor = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 761:
            if (local == "opacity") {
                FOpacity = attrs.GetValues(i);
                continue;
            }
            break;
        case 811:
            if (local == "opacity2") {
                FOpacity2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 885:
            if (local == "position") {
                FPosition = attrs.GetValues(i);
                continue;
            }
            break;
        case 987:
            if (local == "focussize") {
                FFocussize = attrs.GetValues(i);
                continue;
            }
            break;
        case 1052:
            if (local == "alignshape") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAlignshape = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1429:
            if (local == "focusposition") {
                FFocusposition = attrs.GetValues(i);
                continue;
            }
            break;
        case 1704:
            if (local == "detectmouseclick") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FDetectmouseclick = *v;
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

void TCT_Fill::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FType)
        writer.AddAttribute("type", TST_FillTypeToStr(*FType));
    if (FOn)
        writer.AddAttribute("on", TST_TrueFalseToStr(*FOn));
    if (FColor)
        writer.AddAttribute("color", *FColor);
    if (FOpacity)
        writer.AddAttribute("opacity", *FOpacity);
    if (FColor2)
        writer.AddAttribute("color2", *FColor2);
    if (FSrc)
        writer.AddAttribute("src", *FSrc);
    if (FHref)
        writer.AddAttribute("o:href", *FHref);
    if (FAlthref)
        writer.AddAttribute("o:althref", *FAlthref);
    if (FSize)
        writer.AddAttribute("size", *FSize);
    if (FOrigin)
        writer.AddAttribute("origin", *FOrigin);
    if (FPosition)
        writer.AddAttribute("position", *FPosition);
    if (FAspect)
        writer.AddAttribute("aspect", TST_ImageAspectToStr(*FAspect));
    if (FColors)
        writer.AddAttribute("colors", *FColors);
    if (FAngle)
        writer.AddAttribute("angle", XmlFloatToStr(*FAngle));
    if (FAlignshape)
        writer.AddAttribute("alignshape", TST_TrueFalseToStr(*FAlignshape));
    if (FFocus)
        writer.AddAttribute("focus", *FFocus);
    if (FFocussize)
        writer.AddAttribute("focussize", *FFocussize);
    if (FFocusposition)
        writer.AddAttribute("focusposition", *FFocusposition);
    if (FMethod)
        writer.AddAttribute("method", TST_FillMethodToStr(*FMethod));
    if (FDetectmouseclick)
        writer.AddAttribute("o:detectmouseclick", TST_TrueFalseToStr(*FDetectmouseclick));
    if (FTitle)
        writer.AddAttribute("o:title", *FTitle);
    if (FOpacity2)
        writer.AddAttribute("o:opacity2", *FOpacity2);
    if (FRecolor)
        writer.AddAttribute("recolor", TST_TrueFalseToStr(*FRecolor));
    if (FRotate)
        writer.AddAttribute("rotate", TST_TrueFalseToStr(*FRotate));
    if (FRelid)
        writer.AddAttribute("o:relid", *FRelid);
}

void TCT_Fill::Write(TNyqWriteXML& writer) const
{
    if (FFill && FFill->Available())
        NyqWriteChild(writer, "o:fill", *FFill);
    FAny.Write(writer);
}

void TCT_Fill::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FType = {};
    FOn = {};
    FColor = {};
    FOpacity = {};
    FColor2 = {};
    FSrc = {};
    FHref = {};
    FAlthref = {};
    FSize = {};
    FOrigin = {};
    FPosition = {};
    FAspect = {};
    FColors = {};
    FAngle = {};
    FAlignshape = {};
    FFocus = {};
    FFocussize = {};
    FFocusposition = {};
    FMethod = {};
    FDetectmouseclick = {};
    FTitle = {};
    FOpacity2 = {};
    FRecolor = {};
    FRotate = {};
    FRelid = {};
    FFill.reset();
    FAny.Clear();
}

void TCT_Fill::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Fill*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FType = o->FType;
    FOn = o->FOn;
    FColor = o->FColor;
    FOpacity = o->FOpacity;
    FColor2 = o->FColor2;
    FSrc = o->FSrc;
    FHref = o->FHref;
    FAlthref = o->FAlthref;
    FSize = o->FSize;
    FOrigin = o->FOrigin;
    FPosition = o->FPosition;
    FAspect = o->FAspect;
    FColors = o->FColors;
    FAngle = o->FAngle;
    FAlignshape = o->FAlignshape;
    FFocus = o->FFocus;
    FFocussize = o->FFocussize;
    FFocusposition = o->FFocusposition;
    FMethod = o->FMethod;
    FDetectmouseclick = o->FDetectmouseclick;
    FTitle = o->FTitle;
    FOpacity2 = o->FOpacity2;
    FRecolor = o->FRecolor;
    FRotate = o->FRotate;
    FRelid = o->FRelid;
    if (o->FFill)
        Create_Fill().Assign(*o->FFill);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Fill::HasElements() const
{
    return FFill != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Stroke

TCT_Stroke::TCT_Stroke() = default;
TCT_Stroke::~TCT_Stroke() = default;

TCT_StrokeChild& TCT_Stroke::Create_Left()
{
    if (!FLeft) {
        FLeft = std::make_unique<TCT_StrokeChild>();
        FLeft->SetAssigned();
    }
    SetHasChildren();
    return *FLeft;
}

TCT_StrokeChild& TCT_Stroke::Create_Top()
{
    if (!FTop) {
        FTop = std::make_unique<TCT_StrokeChild>();
        FTop->SetAssigned();
    }
    SetHasChildren();
    return *FTop;
}

TCT_StrokeChild& TCT_Stroke::Create_Right()
{
    if (!FRight) {
        FRight = std::make_unique<TCT_StrokeChild>();
        FRight->SetAssigned();
    }
    SetHasChildren();
    return *FRight;
}

TCT_StrokeChild& TCT_Stroke::Create_Bottom()
{
    if (!FBottom) {
        FBottom = std::make_unique<TCT_StrokeChild>();
        FBottom->SetAssigned();
    }
    SetHasChildren();
    return *FBottom;
}

TCT_StrokeChild& TCT_Stroke::Create_Column()
{
    if (!FColumn) {
        FColumn = std::make_unique<TCT_StrokeChild>();
        FColumn->SetAssigned();
    }
    SetHasChildren();
    return *FColumn;
}

TNYQBase* TCT_Stroke::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 339:
        if (local == "top") {
            return &Create_Top();
        }
        break;
    case 427:
        if (local == "left") {
            return &Create_Left();
        }
        break;
    case 542:
        if (local == "right") {
            return &Create_Right();
        }
        break;
    case 654:
        if (local == "column") {
            return &Create_Column();
        }
        break;
    case 661:
        if (local == "bottom") {
            return &Create_Bottom();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Stroke::AssignAttributes(TNYQReader& reader)
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
        case 221:
            if (local == "on") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 328:
            if (local == "src") {
                FSrc = attrs.GetValues(i);
                continue;
            }
            break;
        case 421:
            if (local == "href") {
                FHref = attrs.GetValues(i);
                continue;
            }
            break;
        case 528:
            if (local == "relid") {
                FRelid = attrs.GetValues(i);
                continue;
            }
            break;
        case 543:
            if (local == "color") {
                FColor = attrs.GetValues(i);
                continue;
            }
            break;
        case 546:
            if (local == "title") {
                FTitle = attrs.GetValues(i);
                continue;
            }
            break;
        case 593:
            if (local == "color2") {
                FColor2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 619:
            if (local == "endcap") {
                if (const auto v = StrToTST_StrokeEndCap(attrs.GetValues(i)))
                    FEndcap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 648:
            if (local == "weight") {
                FWeight = attrs.GetValues(i);
                continue;
            }
            break;
        case 742:
            if (local == "althref") {
                FAlthref = attrs.GetValues(i);
                continue;
            }
            break;
        case 761:
            if (local == "opacity") {
                FOpacity = attrs.GetValues(i);
                continue;
            }
            break;
        case 866:
            if (local == "endarrow") {
                if (const auto v = StrToTST_StrokeArrowType(attrs.GetValues(i)))
                    FEndarrow = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 870:
            if (local == "insetpen") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FInsetpen = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 873:
            if (local == "filltype") {
                if (const auto v = StrToTST_FillType(attrs.GetValues(i)))
                    FFilltype = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 943:
            if (local == "forcedash") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FForcedash = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 958:
            if (local == "imagesize") {
                FImagesize = attrs.GetValues(i);
                continue;
            }
            break;
        case 977:
            if (local == "dashstyle") {
                FDashstyle = attrs.GetValues(i);
                continue;
            }
            break;
        case 985:
            if (local == "linestyle") {
                if (const auto v = StrToTST_StrokeLineStyle(attrs.GetValues(i)))
                    FLinestyle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 993:
            if (local == "joinstyle") {
                if (const auto v = StrToTST_StrokeJoinStyle(attrs.GetValues(i)))
                    FJoinstyle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1088:
            if (local == "miterlimit") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FMiterlimit = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1113:
            if (local == "startarrow") {
                if (const auto v = StrToTST_StrokeArrowType(attrs.GetValues(i)))
                    FStartarrow = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1155:
            if (local == "imageaspect") {
                if (const auto v = StrToTST_ImageAspect(attrs.GetValues(i)))
                    FImageaspect = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1410:
            if (local == "endarrowwidth") {
                if (const auto v = StrToTST_StrokeArrowWidth(attrs.GetValues(i)))
                    FEndarrowwidth = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1508:
            if (local == "endarrowlength") {
                if (const auto v = StrToTST_StrokeArrowLength(attrs.GetValues(i)))
                    FEndarrowlength = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1567:
            if (local == "imagealignshape") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FImagealignshape = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1657:
            if (local == "startarrowwidth") {
                if (const auto v = StrToTST_StrokeArrowWidth(attrs.GetValues(i)))
                    FStartarrowwidth = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1755:
            if (local == "startarrowlength") {
                if (const auto v = StrToTST_StrokeArrowLength(attrs.GetValues(i)))
                    FStartarrowlength = *v;
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

void TCT_Stroke::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FOn)
        writer.AddAttribute("on", TST_TrueFalseToStr(*FOn));
    if (FWeight)
        writer.AddAttribute("weight", *FWeight);
    if (FColor)
        writer.AddAttribute("color", *FColor);
    if (FOpacity)
        writer.AddAttribute("opacity", *FOpacity);
    if (FLinestyle)
        writer.AddAttribute("linestyle", TST_StrokeLineStyleToStr(*FLinestyle));
    if (FMiterlimit)
        writer.AddAttribute("miterlimit", XmlFloatToStr(*FMiterlimit));
    if (FJoinstyle)
        writer.AddAttribute("joinstyle", TST_StrokeJoinStyleToStr(*FJoinstyle));
    if (FEndcap)
        writer.AddAttribute("endcap", TST_StrokeEndCapToStr(*FEndcap));
    if (FDashstyle)
        writer.AddAttribute("dashstyle", *FDashstyle);
    if (FFilltype)
        writer.AddAttribute("filltype", TST_FillTypeToStr(*FFilltype));
    if (FSrc)
        writer.AddAttribute("src", *FSrc);
    if (FImageaspect)
        writer.AddAttribute("imageaspect", TST_ImageAspectToStr(*FImageaspect));
    if (FImagesize)
        writer.AddAttribute("imagesize", *FImagesize);
    if (FImagealignshape)
        writer.AddAttribute("imagealignshape", TST_TrueFalseToStr(*FImagealignshape));
    if (FColor2)
        writer.AddAttribute("color2", *FColor2);
    if (FStartarrow)
        writer.AddAttribute("startarrow", TST_StrokeArrowTypeToStr(*FStartarrow));
    if (FStartarrowwidth)
        writer.AddAttribute("startarrowwidth", TST_StrokeArrowWidthToStr(*FStartarrowwidth));
    if (FStartarrowlength)
        writer.AddAttribute("startarrowlength", TST_StrokeArrowLengthToStr(*FStartarrowlength));
    if (FEndarrow)
        writer.AddAttribute("endarrow", TST_StrokeArrowTypeToStr(*FEndarrow));
    if (FEndarrowwidth)
        writer.AddAttribute("endarrowwidth", TST_StrokeArrowWidthToStr(*FEndarrowwidth));
    if (FEndarrowlength)
        writer.AddAttribute("endarrowlength", TST_StrokeArrowLengthToStr(*FEndarrowlength));
    if (FHref)
        writer.AddAttribute("o:href", *FHref);
    if (FAlthref)
        writer.AddAttribute("o:althref", *FAlthref);
    if (FTitle)
        writer.AddAttribute("o:title", *FTitle);
    if (FForcedash)
        writer.AddAttribute("o:forcedash", TST_TrueFalseToStr(*FForcedash));
    if (FInsetpen)
        writer.AddAttribute("insetpen", TST_TrueFalseToStr(*FInsetpen));
    if (FRelid)
        writer.AddAttribute("o:relid", *FRelid);
}

void TCT_Stroke::Write(TNyqWriteXML& writer) const
{
    if (FLeft && FLeft->Available())
        NyqWriteChild(writer, "o:left", *FLeft);
    if (FTop && FTop->Available())
        NyqWriteChild(writer, "o:top", *FTop);
    if (FRight && FRight->Available())
        NyqWriteChild(writer, "o:right", *FRight);
    if (FBottom && FBottom->Available())
        NyqWriteChild(writer, "o:bottom", *FBottom);
    if (FColumn && FColumn->Available())
        NyqWriteChild(writer, "o:column", *FColumn);
    FAny.Write(writer);
}

void TCT_Stroke::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FOn = {};
    FWeight = {};
    FColor = {};
    FOpacity = {};
    FLinestyle = {};
    FMiterlimit = {};
    FJoinstyle = {};
    FEndcap = {};
    FDashstyle = {};
    FFilltype = {};
    FSrc = {};
    FImageaspect = {};
    FImagesize = {};
    FImagealignshape = {};
    FColor2 = {};
    FStartarrow = {};
    FStartarrowwidth = {};
    FStartarrowlength = {};
    FEndarrow = {};
    FEndarrowwidth = {};
    FEndarrowlength = {};
    FHref = {};
    FAlthref = {};
    FTitle = {};
    FForcedash = {};
    FInsetpen = {};
    FRelid = {};
    FLeft.reset();
    FTop.reset();
    FRight.reset();
    FBottom.reset();
    FColumn.reset();
    FAny.Clear();
}

void TCT_Stroke::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Stroke*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FOn = o->FOn;
    FWeight = o->FWeight;
    FColor = o->FColor;
    FOpacity = o->FOpacity;
    FLinestyle = o->FLinestyle;
    FMiterlimit = o->FMiterlimit;
    FJoinstyle = o->FJoinstyle;
    FEndcap = o->FEndcap;
    FDashstyle = o->FDashstyle;
    FFilltype = o->FFilltype;
    FSrc = o->FSrc;
    FImageaspect = o->FImageaspect;
    FImagesize = o->FImagesize;
    FImagealignshape = o->FImagealignshape;
    FColor2 = o->FColor2;
    FStartarrow = o->FStartarrow;
    FStartarrowwidth = o->FStartarrowwidth;
    FStartarrowlength = o->FStartarrowlength;
    FEndarrow = o->FEndarrow;
    FEndarrowwidth = o->FEndarrowwidth;
    FEndarrowlength = o->FEndarrowlength;
    FHref = o->FHref;
    FAlthref = o->FAlthref;
    FTitle = o->FTitle;
    FForcedash = o->FForcedash;
    FInsetpen = o->FInsetpen;
    FRelid = o->FRelid;
    if (o->FLeft)
        Create_Left().Assign(*o->FLeft);
    if (o->FTop)
        Create_Top().Assign(*o->FTop);
    if (o->FRight)
        Create_Right().Assign(*o->FRight);
    if (o->FBottom)
        Create_Bottom().Assign(*o->FBottom);
    if (o->FColumn)
        Create_Column().Assign(*o->FColumn);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Stroke::HasElements() const
{
    return FLeft != nullptr || FTop != nullptr || FRight != nullptr || FBottom != nullptr || FColumn != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Shadow

TCT_Shadow::TCT_Shadow() = default;
TCT_Shadow::~TCT_Shadow() = default;

TNYQBase* TCT_Shadow::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Shadow::AssignAttributes(TNYQReader& reader)
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
        case 221:
            if (local == "on") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_ShadowType(attrs.GetValues(i)))
                    FType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 543:
            if (local == "color") {
                FColor = attrs.GetValues(i);
                continue;
            }
            break;
        case 593:
            if (local == "color2") {
                FColor2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 647:
            if (local == "offset") {
                FOffset = attrs.GetValues(i);
                continue;
            }
            break;
        case 648:
            if (local == "origin") {
                FOrigin = attrs.GetValues(i);
                continue;
            }
            break;
        case 661:
            if (local == "matrix") {
                FMatrix = attrs.GetValues(i);
                continue;
            }
            break;
        case 697:
            if (local == "offset2") {
                FOffset2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 761:
            if (local == "opacity") {
                FOpacity = attrs.GetValues(i);
                continue;
            }
            break;
        case 855:
            if (local == "obscured") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FObscured = *v;
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

void TCT_Shadow::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FOn)
        writer.AddAttribute("on", TST_TrueFalseToStr(*FOn));
    if (FType)
        writer.AddAttribute("type", TST_ShadowTypeToStr(*FType));
    if (FObscured)
        writer.AddAttribute("obscured", TST_TrueFalseToStr(*FObscured));
    if (FColor)
        writer.AddAttribute("color", *FColor);
    if (FOpacity)
        writer.AddAttribute("opacity", *FOpacity);
    if (FOffset)
        writer.AddAttribute("offset", *FOffset);
    if (FColor2)
        writer.AddAttribute("color2", *FColor2);
    if (FOffset2)
        writer.AddAttribute("offset2", *FOffset2);
    if (FOrigin)
        writer.AddAttribute("origin", *FOrigin);
    if (FMatrix)
        writer.AddAttribute("matrix", *FMatrix);
}

void TCT_Shadow::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Shadow::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FOn = {};
    FType = {};
    FObscured = {};
    FColor = {};
    FOpacity = {};
    FOffset = {};
    FColor2 = {};
    FOffset2 = {};
    FOrigin = {};
    FMatrix = {};
    FAny.Clear();
}

void TCT_Shadow::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Shadow*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FOn = o->FOn;
    FType = o->FType;
    FObscured = o->FObscured;
    FColor = o->FColor;
    FOpacity = o->FOpacity;
    FOffset = o->FOffset;
    FColor2 = o->FColor2;
    FOffset2 = o->FOffset2;
    FOrigin = o->FOrigin;
    FMatrix = o->FMatrix;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Shadow::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Textbox

TCT_Textbox::TCT_Textbox() = default;
TCT_Textbox::~TCT_Textbox() = default;

TCT_TxbxContent& TCT_Textbox::Create_TxbxContent()
{
    if (!FTxbxContent) {
        FTxbxContent = std::make_unique<TCT_TxbxContent>();
        FTxbxContent->SetAssigned();
    }
    SetHasChildren();
    return *FTxbxContent;
}

TNYQBase* TCT_Textbox::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1185:
        if (local == "txbxContent") {
            return &Create_TxbxContent();
        }
        break;
    default:
        break;
    }
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Textbox::AssignAttributes(TNYQReader& reader)
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
        case 547:
            if (local == "inset") {
                FInset = attrs.GetValues(i);
                continue;
            }
            break;
        case 561:
            if (local == "style") {
                FStyle = attrs.GetValues(i);
                continue;
            }
            break;
        case 968:
            if (local == "insetmode") {
                if (const auto v = StrToTST_InsetMode(attrs.GetValues(i)))
                    FInsetmode = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1160:
            if (local == "singleclick") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FSingleclick = *v;
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

void TCT_Textbox::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FStyle)
        writer.AddAttribute("style", *FStyle);
    if (FInset)
        writer.AddAttribute("inset", *FInset);
    if (FSingleclick)
        writer.AddAttribute("o:singleclick", TST_TrueFalseToStr(*FSingleclick));
    if (FInsetmode)
        writer.AddAttribute("o:insetmode", TST_InsetModeToStr(*FInsetmode));
}

void TCT_Textbox::Write(TNyqWriteXML& writer) const
{
    if (FTxbxContent && FTxbxContent->Available())
        NyqWriteChild(writer, "w:txbxContent", *FTxbxContent);
    FAny.Write(writer);
}

void TCT_Textbox::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FStyle = {};
    FInset = {};
    FSingleclick = {};
    FInsetmode = {};
    FTxbxContent.reset();
    FAny.Clear();
}

void TCT_Textbox::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Textbox*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FStyle = o->FStyle;
    FInset = o->FInset;
    FSingleclick = o->FSingleclick;
    FInsetmode = o->FInsetmode;
    if (o->FTxbxContent)
        Create_TxbxContent().Assign(*o->FTxbxContent);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Textbox::HasElements() const
{
    return FTxbxContent != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TextPath

TCT_TextPath::TCT_TextPath() = default;
TCT_TextPath::~TCT_TextPath() = default;

TNYQBase* TCT_TextPath::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TextPath::AssignAttributes(TNYQReader& reader)
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
        case 221:
            if (local == "on") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 444:
            if (local == "trim") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FTrim = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 561:
            if (local == "style") {
                FStyle = attrs.GetValues(i);
                continue;
            }
            break;
        case 640:
            if (local == "xscale") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FXscale = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 663:
            if (local == "string") {
                FString = attrs.GetValues(i);
                continue;
            }
            break;
        case 752:
            if (local == "fitpath") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FFitpath = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 852:
            if (local == "fitshape") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FFitshape = *v;
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

void TCT_TextPath::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FStyle)
        writer.AddAttribute("style", *FStyle);
    if (FOn)
        writer.AddAttribute("on", TST_TrueFalseToStr(*FOn));
    if (FFitshape)
        writer.AddAttribute("fitshape", TST_TrueFalseToStr(*FFitshape));
    if (FFitpath)
        writer.AddAttribute("fitpath", TST_TrueFalseToStr(*FFitpath));
    if (FTrim)
        writer.AddAttribute("trim", TST_TrueFalseToStr(*FTrim));
    if (FXscale)
        writer.AddAttribute("xscale", TST_TrueFalseToStr(*FXscale));
    if (FString)
        writer.AddAttribute("string", *FString);
}

void TCT_TextPath::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TextPath::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FStyle = {};
    FOn = {};
    FFitshape = {};
    FFitpath = {};
    FTrim = {};
    FXscale = {};
    FString = {};
    FAny.Clear();
}

void TCT_TextPath::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TextPath*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FStyle = o->FStyle;
    FOn = o->FOn;
    FFitshape = o->FFitshape;
    FFitpath = o->FFitpath;
    FTrim = o->FTrim;
    FXscale = o->FXscale;
    FString = o->FString;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TextPath::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ImageData

TCT_ImageData::TCT_ImageData() = default;
TCT_ImageData::~TCT_ImageData() = default;

TNYQBase* TCT_ImageData::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ImageData::AssignAttributes(TNYQReader& reader)
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
        case 328:
            if (local == "src") {
                FSrc = attrs.GetValues(i);
                continue;
            }
            break;
        case 415:
            if (local == "gain") {
                FGain = attrs.GetValues(i);
                continue;
            }
            break;
        case 421:
            if (local == "href") {
                FHref = attrs.GetValues(i);
                continue;
            }
            break;
        case 432:
            if (local == "pict") {
                FPict = attrs.GetValues(i);
                continue;
            }
            break;
        case 515:
            if (local == "gamma") {
                FGamma = attrs.GetValues(i);
                continue;
            }
            break;
        case 525:
            if (local == "oleid") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FOleid = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 528:
            if (local == "relid") {
                FRelid = attrs.GetValues(i);
                continue;
            }
            break;
        case 544:
            if (local == "movie") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FMovie = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 546:
            if (local == "title") {
                FTitle = attrs.GetValues(i);
                continue;
            }
            break;
        case 739:
            if (local == "bilevel") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FBilevel = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 742:
            if (local == "althref") {
                FAlthref = attrs.GetValues(i);
                continue;
            }
            break;
        case 775:
            if (local == "croptop") {
                FCroptop = attrs.GetValues(i);
                continue;
            }
            break;
        case 863:
            if (local == "cropleft") {
                FCropleft = attrs.GetValues(i);
                continue;
            }
            break;
        case 955:
            if (local == "grayscale") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FGrayscale = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 963:
            if (local == "chromakey") {
                FChromakey = attrs.GetValues(i);
                continue;
            }
            break;
        case 978:
            if (local == "cropright") {
                FCropright = attrs.GetValues(i);
                continue;
            }
            break;
        case 1045:
            if (local == "blacklevel") {
                FBlacklevel = attrs.GetValues(i);
                continue;
            }
            break;
        case 1097:
            if (local == "cropbottom") {
                FCropbottom = attrs.GetValues(i);
                continue;
            }
            break;
        case 1192:
            if (local == "embosscolor") {
                FEmbosscolor = attrs.GetValues(i);
                continue;
            }
            break;
        case 1405:
            if (local == "recolortarget") {
                FRecolortarget = attrs.GetValues(i);
                continue;
            }
            break;
        case 1704:
            if (local == "detectmouseclick") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FDetectmouseclick = *v;
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

void TCT_ImageData::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FSrc)
        writer.AddAttribute("src", *FSrc);
    if (FCropleft)
        writer.AddAttribute("cropleft", *FCropleft);
    if (FCroptop)
        writer.AddAttribute("croptop", *FCroptop);
    if (FCropright)
        writer.AddAttribute("cropright", *FCropright);
    if (FCropbottom)
        writer.AddAttribute("cropbottom", *FCropbottom);
    if (FGain)
        writer.AddAttribute("gain", *FGain);
    if (FBlacklevel)
        writer.AddAttribute("blacklevel", *FBlacklevel);
    if (FGamma)
        writer.AddAttribute("gamma", *FGamma);
    if (FGrayscale)
        writer.AddAttribute("grayscale", TST_TrueFalseToStr(*FGrayscale));
    if (FBilevel)
        writer.AddAttribute("bilevel", TST_TrueFalseToStr(*FBilevel));
    if (FChromakey)
        writer.AddAttribute("chromakey", *FChromakey);
    if (FEmbosscolor)
        writer.AddAttribute("embosscolor", *FEmbosscolor);
    if (FRecolortarget)
        writer.AddAttribute("recolortarget", *FRecolortarget);
    if (FHref)
        writer.AddAttribute("o:href", *FHref);
    if (FAlthref)
        writer.AddAttribute("o:althref", *FAlthref);
    if (FTitle)
        writer.AddAttribute("o:title", *FTitle);
    if (FOleid)
        writer.AddAttribute("o:oleid", XmlFloatToStr(*FOleid));
    if (FDetectmouseclick)
        writer.AddAttribute("o:detectmouseclick", TST_TrueFalseToStr(*FDetectmouseclick));
    if (FMovie)
        writer.AddAttribute("o:movie", XmlFloatToStr(*FMovie));
    if (FRelid)
        writer.AddAttribute("o:relid", *FRelid);
    if (FPict)
        writer.AddAttribute("r:pict", *FPict);
}

void TCT_ImageData::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ImageData::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FSrc = {};
    FCropleft = {};
    FCroptop = {};
    FCropright = {};
    FCropbottom = {};
    FGain = {};
    FBlacklevel = {};
    FGamma = {};
    FGrayscale = {};
    FBilevel = {};
    FChromakey = {};
    FEmbosscolor = {};
    FRecolortarget = {};
    FHref = {};
    FAlthref = {};
    FTitle = {};
    FOleid = {};
    FDetectmouseclick = {};
    FMovie = {};
    FRelid = {};
    FPict = {};
    FAny.Clear();
}

void TCT_ImageData::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ImageData*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FSrc = o->FSrc;
    FCropleft = o->FCropleft;
    FCroptop = o->FCroptop;
    FCropright = o->FCropright;
    FCropbottom = o->FCropbottom;
    FGain = o->FGain;
    FBlacklevel = o->FBlacklevel;
    FGamma = o->FGamma;
    FGrayscale = o->FGrayscale;
    FBilevel = o->FBilevel;
    FChromakey = o->FChromakey;
    FEmbosscolor = o->FEmbosscolor;
    FRecolortarget = o->FRecolortarget;
    FHref = o->FHref;
    FAlthref = o->FAlthref;
    FTitle = o->FTitle;
    FOleid = o->FOleid;
    FDetectmouseclick = o->FDetectmouseclick;
    FMovie = o->FMovie;
    FRelid = o->FRelid;
    FPict = o->FPict;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ImageData::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Skew

TCT_Skew::TCT_Skew() = default;
TCT_Skew::~TCT_Skew() = default;

TNYQBase* TCT_Skew::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Skew::AssignAttributes(TNYQReader& reader)
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
        case 221:
            if (local == "on") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 647:
            if (local == "offset") {
                FOffset = attrs.GetValues(i);
                continue;
            }
            break;
        case 648:
            if (local == "origin") {
                FOrigin = attrs.GetValues(i);
                continue;
            }
            break;
        case 661:
            if (local == "matrix") {
                FMatrix = attrs.GetValues(i);
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

void TCT_Skew::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FOn)
        writer.AddAttribute("on", TST_TrueFalseToStr(*FOn));
    if (FOffset)
        writer.AddAttribute("offset", *FOffset);
    if (FOrigin)
        writer.AddAttribute("origin", *FOrigin);
    if (FMatrix)
        writer.AddAttribute("matrix", *FMatrix);
}

void TCT_Skew::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Skew::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FId = {};
    FOn = {};
    FOffset = {};
    FOrigin = {};
    FMatrix = {};
    FAny.Clear();
}

void TCT_Skew::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Skew*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FId = o->FId;
    FOn = o->FOn;
    FOffset = o->FOffset;
    FOrigin = o->FOrigin;
    FMatrix = o->FMatrix;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Skew::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Extrusion

TCT_Extrusion::TCT_Extrusion() = default;
TCT_Extrusion::~TCT_Extrusion() = default;

TNYQBase* TCT_Extrusion::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Extrusion::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 221:
            if (local == "on") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 405:
            if (local == "edge") {
                FEdge = attrs.GetValues(i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_ExtrusionType(attrs.GetValues(i)))
                    FType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 515:
            if (local == "facet") {
                FFacet = attrs.GetValues(i);
                continue;
            }
            break;
        case 528:
            if (local == "plane") {
                if (const auto v = StrToTST_ExtrusionPlane(attrs.GetValues(i)))
                    FPlane = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 531:
            if (local == "metal") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FMetal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 543:
            if (local == "color") {
                FColor = attrs.GetValues(i);
                continue;
            }
            break;
        case 640:
            if (local == "render") {
                if (const auto v = StrToTST_ExtrusionRender(attrs.GetValues(i)))
                    FRender = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 764:
            if (local == "skewamt") {
                FSkewamt = attrs.GetValues(i);
                continue;
            }
            break;
        case 934:
            if (local == "backdepth") {
                FBackdepth = attrs.GetValues(i);
                continue;
            }
            break;
        case 935:
            if (local == "lightface") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FLightface = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 961:
            if (local == "skewangle") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FSkewangle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            if (local == "foredepth") {
                FForedepth = attrs.GetValues(i);
                continue;
            }
            break;
        case 964:
            if (local == "colormode") {
                if (const auto v = StrToTST_ColorMode(attrs.GetValues(i)))
                    FColormode = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 980:
            if (local == "shininess") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FShininess = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 983:
            if (local == "diffusity") {
                FDiffusity = attrs.GetValues(i);
                continue;
            }
            break;
        case 997:
            if (local == "viewpoint") {
                FViewpoint = attrs.GetValues(i);
                continue;
            }
            break;
        case 1070:
            if (local == "lightharsh") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FLightharsh = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1072:
            if (local == "lightlevel") {
                FLightlevel = attrs.GetValues(i);
                continue;
            }
            break;
        case 1081:
            if (local == "brightness") {
                FBrightness = attrs.GetValues(i);
                continue;
            }
            break;
        case 1120:
            if (local == "lightharsh2") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FLightharsh2 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1122:
            if (local == "lightlevel2") {
                FLightlevel2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 1196:
            if (local == "orientation") {
                FOrientation = attrs.GetValues(i);
                continue;
            }
            break;
        case 1205:
            if (local == "specularity") {
                FSpecularity = attrs.GetValues(i);
                continue;
            }
            break;
        case 1399:
            if (local == "rotationangle") {
                FRotationangle = attrs.GetValues(i);
                continue;
            }
            break;
        case 1421:
            if (local == "lightposition") {
                FLightposition = attrs.GetValues(i);
                continue;
            }
            break;
        case 1471:
            if (local == "lightposition2") {
                FLightposition2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 1521:
            if (local == "rotationcenter") {
                FRotationcenter = attrs.GetValues(i);
                continue;
            }
            break;
        case 1645:
            if (local == "viewpointorigin") {
                FViewpointorigin = attrs.GetValues(i);
                continue;
            }
            break;
        case 1715:
            if (local == "orientationangle") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FOrientationangle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1946:
            if (local == "lockrotationcenter") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FLockrotationcenter = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1962:
            if (local == "autorotationcenter") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAutorotationcenter = *v;
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

void TCT_Extrusion::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
    if (FOn)
        writer.AddAttribute("on", TST_TrueFalseToStr(*FOn));
    if (FType)
        writer.AddAttribute("type", TST_ExtrusionTypeToStr(*FType));
    if (FRender)
        writer.AddAttribute("render", TST_ExtrusionRenderToStr(*FRender));
    if (FViewpointorigin)
        writer.AddAttribute("viewpointorigin", *FViewpointorigin);
    if (FViewpoint)
        writer.AddAttribute("viewpoint", *FViewpoint);
    if (FPlane)
        writer.AddAttribute("plane", TST_ExtrusionPlaneToStr(*FPlane));
    if (FSkewangle)
        writer.AddAttribute("skewangle", XmlFloatToStr(*FSkewangle));
    if (FSkewamt)
        writer.AddAttribute("skewamt", *FSkewamt);
    if (FForedepth)
        writer.AddAttribute("foredepth", *FForedepth);
    if (FBackdepth)
        writer.AddAttribute("backdepth", *FBackdepth);
    if (FOrientation)
        writer.AddAttribute("orientation", *FOrientation);
    if (FOrientationangle)
        writer.AddAttribute("orientationangle", XmlFloatToStr(*FOrientationangle));
    if (FLockrotationcenter)
        writer.AddAttribute("lockrotationcenter", TST_TrueFalseToStr(*FLockrotationcenter));
    if (FAutorotationcenter)
        writer.AddAttribute("autorotationcenter", TST_TrueFalseToStr(*FAutorotationcenter));
    if (FRotationcenter)
        writer.AddAttribute("rotationcenter", *FRotationcenter);
    if (FRotationangle)
        writer.AddAttribute("rotationangle", *FRotationangle);
    if (FColormode)
        writer.AddAttribute("colormode", TST_ColorModeToStr(*FColormode));
    if (FColor)
        writer.AddAttribute("color", *FColor);
    if (FShininess)
        writer.AddAttribute("shininess", XmlFloatToStr(*FShininess));
    if (FSpecularity)
        writer.AddAttribute("specularity", *FSpecularity);
    if (FDiffusity)
        writer.AddAttribute("diffusity", *FDiffusity);
    if (FMetal)
        writer.AddAttribute("metal", TST_TrueFalseToStr(*FMetal));
    if (FEdge)
        writer.AddAttribute("edge", *FEdge);
    if (FFacet)
        writer.AddAttribute("facet", *FFacet);
    if (FLightface)
        writer.AddAttribute("lightface", TST_TrueFalseToStr(*FLightface));
    if (FBrightness)
        writer.AddAttribute("brightness", *FBrightness);
    if (FLightposition)
        writer.AddAttribute("lightposition", *FLightposition);
    if (FLightlevel)
        writer.AddAttribute("lightlevel", *FLightlevel);
    if (FLightharsh)
        writer.AddAttribute("lightharsh", TST_TrueFalseToStr(*FLightharsh));
    if (FLightposition2)
        writer.AddAttribute("lightposition2", *FLightposition2);
    if (FLightlevel2)
        writer.AddAttribute("lightlevel2", *FLightlevel2);
    if (FLightharsh2)
        writer.AddAttribute("lightharsh2", TST_TrueFalseToStr(*FLightharsh2));
}

void TCT_Extrusion::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Extrusion::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FOn = {};
    FType = {};
    FRender = {};
    FViewpointorigin = {};
    FViewpoint = {};
    FPlane = {};
    FSkewangle = {};
    FSkewamt = {};
    FForedepth = {};
    FBackdepth = {};
    FOrientation = {};
    FOrientationangle = {};
    FLockrotationcenter = {};
    FAutorotationcenter = {};
    FRotationcenter = {};
    FRotationangle = {};
    FColormode = {};
    FColor = {};
    FShininess = {};
    FSpecularity = {};
    FDiffusity = {};
    FMetal = {};
    FEdge = {};
    FFacet = {};
    FLightface = {};
    FBrightness = {};
    FLightposition = {};
    FLightlevel = {};
    FLightharsh = {};
    FLightposition2 = {};
    FLightlevel2 = {};
    FLightharsh2 = {};
    FAny.Clear();
}

void TCT_Extrusion::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Extrusion*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FOn = o->FOn;
    FType = o->FType;
    FRender = o->FRender;
    FViewpointorigin = o->FViewpointorigin;
    FViewpoint = o->FViewpoint;
    FPlane = o->FPlane;
    FSkewangle = o->FSkewangle;
    FSkewamt = o->FSkewamt;
    FForedepth = o->FForedepth;
    FBackdepth = o->FBackdepth;
    FOrientation = o->FOrientation;
    FOrientationangle = o->FOrientationangle;
    FLockrotationcenter = o->FLockrotationcenter;
    FAutorotationcenter = o->FAutorotationcenter;
    FRotationcenter = o->FRotationcenter;
    FRotationangle = o->FRotationangle;
    FColormode = o->FColormode;
    FColor = o->FColor;
    FShininess = o->FShininess;
    FSpecularity = o->FSpecularity;
    FDiffusity = o->FDiffusity;
    FMetal = o->FMetal;
    FEdge = o->FEdge;
    FFacet = o->FFacet;
    FLightface = o->FLightface;
    FBrightness = o->FBrightness;
    FLightposition = o->FLightposition;
    FLightlevel = o->FLightlevel;
    FLightharsh = o->FLightharsh;
    FLightposition2 = o->FLightposition2;
    FLightlevel2 = o->FLightlevel2;
    FLightharsh2 = o->FLightharsh2;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Extrusion::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Callout

TCT_Callout::TCT_Callout() = default;
TCT_Callout::~TCT_Callout() = default;

TNYQBase* TCT_Callout::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Callout::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 221:
            if (local == "on") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 312:
            if (local == "gap") {
                FGap = attrs.GetValues(i);
                continue;
            }
            break;
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 437:
            if (local == "drop") {
                FDrop = attrs.GetValues(i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                FType = attrs.GetValues(i);
                continue;
            }
            break;
        case 519:
            if (local == "angle") {
                if (const auto v = StrToTST_Angle_o(attrs.GetValues(i)))
                    FAngle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 642:
            if (local == "length") {
                FLength = attrs.GetValues(i);
                continue;
            }
            break;
        case 676:
            if (local == "minusx") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FMinusx = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 677:
            if (local == "minusy") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FMinusy = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 843:
            if (local == "distance") {
                FDistance = attrs.GetValues(i);
                continue;
            }
            break;
        case 878:
            if (local == "dropauto") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FDropauto = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 931:
            if (local == "accentbar") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAccentbar = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1091:
            if (local == "textborder") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FTextborder = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1582:
            if (local == "lengthspecified") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FLengthspecified = *v;
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

void TCT_Callout::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
    if (FOn)
        writer.AddAttribute("on", TST_TrueFalseToStr(*FOn));
    if (FType)
        writer.AddAttribute("type", *FType);
    if (FGap)
        writer.AddAttribute("gap", *FGap);
    if (FAngle)
        writer.AddAttribute("angle", TST_Angle_oToStr(*FAngle));
    if (FDropauto)
        writer.AddAttribute("dropauto", TST_TrueFalseToStr(*FDropauto));
    if (FDrop)
        writer.AddAttribute("drop", *FDrop);
    if (FDistance)
        writer.AddAttribute("distance", *FDistance);
    if (FLengthspecified)
        writer.AddAttribute("lengthspecified", TST_TrueFalseToStr(*FLengthspecified));
    if (FLength)
        writer.AddAttribute("length", *FLength);
    if (FAccentbar)
        writer.AddAttribute("accentbar", TST_TrueFalseToStr(*FAccentbar));
    if (FTextborder)
        writer.AddAttribute("textborder", TST_TrueFalseToStr(*FTextborder));
    if (FMinusx)
        writer.AddAttribute("minusx", TST_TrueFalseToStr(*FMinusx));
    if (FMinusy)
        writer.AddAttribute("minusy", TST_TrueFalseToStr(*FMinusy));
}

void TCT_Callout::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Callout::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FOn = {};
    FType = {};
    FGap = {};
    FAngle = {};
    FDropauto = {};
    FDrop = {};
    FDistance = {};
    FLengthspecified = {};
    FLength = {};
    FAccentbar = {};
    FTextborder = {};
    FMinusx = {};
    FMinusy = {};
    FAny.Clear();
}

void TCT_Callout::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Callout*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FOn = o->FOn;
    FType = o->FType;
    FGap = o->FGap;
    FAngle = o->FAngle;
    FDropauto = o->FDropauto;
    FDrop = o->FDrop;
    FDistance = o->FDistance;
    FLengthspecified = o->FLengthspecified;
    FLength = o->FLength;
    FAccentbar = o->FAccentbar;
    FTextborder = o->FTextborder;
    FMinusx = o->FMinusx;
    FMinusy = o->FMinusy;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Callout::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Lock_o

TCT_Lock_o::TCT_Lock_o() = default;
TCT_Lock_o::~TCT_Lock_o() = default;

TNYQBase* TCT_Lock_o::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Lock_o::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 453:
            if (local == "text") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FText = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 866:
            if (local == "cropping") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FCropping = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 875:
            if (local == "grouping") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FGrouping = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 880:
            if (local == "rotation") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FRotation = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 885:
            if (local == "position") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FPosition = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 966:
            if (local == "selection") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FSelection = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 974:
            if (local == "verticies") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FVerticies = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 979:
            if (local == "shapetype") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FShapetype = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1102:
            if (local == "ungrouping") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FUngrouping = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1183:
            if (local == "aspectratio") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAspectratio = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1386:
            if (local == "adjusthandles") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAdjusthandles = *v;
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

void TCT_Lock_o::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
    if (FPosition)
        writer.AddAttribute("position", TST_TrueFalseToStr(*FPosition));
    if (FSelection)
        writer.AddAttribute("selection", TST_TrueFalseToStr(*FSelection));
    if (FGrouping)
        writer.AddAttribute("grouping", TST_TrueFalseToStr(*FGrouping));
    if (FUngrouping)
        writer.AddAttribute("ungrouping", TST_TrueFalseToStr(*FUngrouping));
    if (FRotation)
        writer.AddAttribute("rotation", TST_TrueFalseToStr(*FRotation));
    if (FCropping)
        writer.AddAttribute("cropping", TST_TrueFalseToStr(*FCropping));
    if (FVerticies)
        writer.AddAttribute("verticies", TST_TrueFalseToStr(*FVerticies));
    if (FAdjusthandles)
        writer.AddAttribute("adjusthandles", TST_TrueFalseToStr(*FAdjusthandles));
    if (FText)
        writer.AddAttribute("text", TST_TrueFalseToStr(*FText));
    if (FAspectratio)
        writer.AddAttribute("aspectratio", TST_TrueFalseToStr(*FAspectratio));
    if (FShapetype)
        writer.AddAttribute("shapetype", TST_TrueFalseToStr(*FShapetype));
}

void TCT_Lock_o::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Lock_o::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FPosition = {};
    FSelection = {};
    FGrouping = {};
    FUngrouping = {};
    FRotation = {};
    FCropping = {};
    FVerticies = {};
    FAdjusthandles = {};
    FText = {};
    FAspectratio = {};
    FShapetype = {};
    FAny.Clear();
}

void TCT_Lock_o::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Lock_o*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FPosition = o->FPosition;
    FSelection = o->FSelection;
    FGrouping = o->FGrouping;
    FUngrouping = o->FUngrouping;
    FRotation = o->FRotation;
    FCropping = o->FCropping;
    FVerticies = o->FVerticies;
    FAdjusthandles = o->FAdjusthandles;
    FText = o->FText;
    FAspectratio = o->FAspectratio;
    FShapetype = o->FShapetype;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Lock_o::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ClipPath

TCT_ClipPath::TCT_ClipPath() = default;
TCT_ClipPath::~TCT_ClipPath() = default;

TNYQBase* TCT_ClipPath::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ClipPath::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 118:
            if (local == "v") {
                FV = attrs.GetValues(i);
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

void TCT_ClipPath::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("v", FV);
}

void TCT_ClipPath::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ClipPath::Clear()
{
    TNYQBase::Clear();
    FV = {};
    FAny.Clear();
}

void TCT_ClipPath::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ClipPath*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FV = o->FV;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ClipPath::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SignatureLine

TCT_SignatureLine::TCT_SignatureLine() = default;
TCT_SignatureLine::~TCT_SignatureLine() = default;

TNYQBase* TCT_SignatureLine::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SignatureLine::AssignAttributes(TNYQReader& reader)
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
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 660:
            if (local == "provid") {
                FProvid = attrs.GetValues(i);
                continue;
            }
            break;
        case 742:
            if (local == "addlxml") {
                FAddlxml = attrs.GetValues(i);
                continue;
            }
            break;
        case 1117:
            if (local == "sigprovurl") {
                FSigprovurl = attrs.GetValues(i);
                continue;
            }
            break;
        case 1296:
            if (local == "showsigndate") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FShowsigndate = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1413:
            if (local == "allowcomments") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAllowcomments = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1619:
            if (local == "suggestedsigner") {
                FSuggestedsigner = attrs.GetValues(i);
                continue;
            }
            break;
        case 1622:
            if (local == "issignatureline") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FIssignatureline = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1669:
            if (local == "suggestedsigner2") {
                FSuggestedsigner2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 2084:
            if (local == "signinginstructions") {
                FSigninginstructions = attrs.GetValues(i);
                continue;
            }
            break;
        case 2139:
            if (local == "suggestedsigneremail") {
                FSuggestedsigneremail = attrs.GetValues(i);
                continue;
            }
            break;
        case 2416:
            if (local == "signinginstructionsset") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FSigninginstructionsset = *v;
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

void TCT_SignatureLine::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
    if (FIssignatureline)
        writer.AddAttribute("issignatureline", TST_TrueFalseToStr(*FIssignatureline));
    if (FId)
        writer.AddAttribute("id", *FId);
    if (FProvid)
        writer.AddAttribute("provid", *FProvid);
    if (FSigninginstructionsset)
        writer.AddAttribute("signinginstructionsset", TST_TrueFalseToStr(*FSigninginstructionsset));
    if (FAllowcomments)
        writer.AddAttribute("allowcomments", TST_TrueFalseToStr(*FAllowcomments));
    if (FShowsigndate)
        writer.AddAttribute("showsigndate", TST_TrueFalseToStr(*FShowsigndate));
    if (FSuggestedsigner)
        writer.AddAttribute("suggestedsigner", *FSuggestedsigner);
    if (FSuggestedsigner2)
        writer.AddAttribute("suggestedsigner2", *FSuggestedsigner2);
    if (FSuggestedsigneremail)
        writer.AddAttribute("suggestedsigneremail", *FSuggestedsigneremail);
    if (FSigninginstructions)
        writer.AddAttribute("signinginstructions", *FSigninginstructions);
    if (FAddlxml)
        writer.AddAttribute("addlxml", *FAddlxml);
    if (FSigprovurl)
        writer.AddAttribute("sigprovurl", *FSigprovurl);
}

void TCT_SignatureLine::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SignatureLine::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FIssignatureline = {};
    FId = {};
    FProvid = {};
    FSigninginstructionsset = {};
    FAllowcomments = {};
    FShowsigndate = {};
    FSuggestedsigner = {};
    FSuggestedsigner2 = {};
    FSuggestedsigneremail = {};
    FSigninginstructions = {};
    FAddlxml = {};
    FSigprovurl = {};
    FAny.Clear();
}

void TCT_SignatureLine::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SignatureLine*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FIssignatureline = o->FIssignatureline;
    FId = o->FId;
    FProvid = o->FProvid;
    FSigninginstructionsset = o->FSigninginstructionsset;
    FAllowcomments = o->FAllowcomments;
    FShowsigndate = o->FShowsigndate;
    FSuggestedsigner = o->FSuggestedsigner;
    FSuggestedsigner2 = o->FSuggestedsigner2;
    FSuggestedsigneremail = o->FSuggestedsigneremail;
    FSigninginstructions = o->FSigninginstructions;
    FAddlxml = o->FAddlxml;
    FSigprovurl = o->FSigprovurl;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SignatureLine::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Wrap

TCT_Wrap::TCT_Wrap() = default;
TCT_Wrap::~TCT_Wrap() = default;

TNYQBase* TCT_Wrap::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Wrap::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 421:
            if (local == "side") {
                if (const auto v = StrToTST_WrapSide(attrs.GetValues(i)))
                    FSide = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_WrapType(attrs.GetValues(i)))
                    FType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 755:
            if (local == "anchorx") {
                if (const auto v = StrToTST_HorizontalAnchor(attrs.GetValues(i)))
                    FAnchorx = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 756:
            if (local == "anchory") {
                if (const auto v = StrToTST_VerticalAnchor(attrs.GetValues(i)))
                    FAnchory = *v;
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

void TCT_Wrap::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("type", TST_WrapTypeToStr(*FType));
    if (FSide)
        writer.AddAttribute("side", TST_WrapSideToStr(*FSide));
    if (FAnchorx)
        writer.AddAttribute("anchorx", TST_HorizontalAnchorToStr(*FAnchorx));
    if (FAnchory)
        writer.AddAttribute("anchory", TST_VerticalAnchorToStr(*FAnchory));
}

void TCT_Wrap::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Wrap::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FSide = {};
    FAnchorx = {};
    FAnchory = {};
    FAny.Clear();
}

void TCT_Wrap::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Wrap*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FSide = o->FSide;
    FAnchorx = o->FAnchorx;
    FAnchory = o->FAnchory;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Wrap::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AnchorLock

TCT_AnchorLock::TCT_AnchorLock() = default;
TCT_AnchorLock::~TCT_AnchorLock() = default;

TNYQBase* TCT_AnchorLock::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AnchorLock::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_AnchorLock::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_AnchorLock::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AnchorLock*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AnchorLock::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Border_w10

TCT_Border_w10::TCT_Border_w10() = default;
TCT_Border_w10::~TCT_Border_w10() = default;

TNYQBase* TCT_Border_w10::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Border_w10::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_BorderType(attrs.GetValues(i)))
                    FType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 544:
            if (local == "width") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FWidth = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 646:
            if (local == "shadow") {
                if (const auto v = StrToTST_BorderShadow(attrs.GetValues(i)))
                    FShadow = *v;
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

void TCT_Border_w10::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("type", TST_BorderTypeToStr(*FType));
    if (FWidth)
        writer.AddAttribute("width", XmlIntToStr(*FWidth));
    if (FShadow)
        writer.AddAttribute("shadow", TST_BorderShadowToStr(*FShadow));
}

void TCT_Border_w10::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Border_w10::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FWidth = {};
    FShadow = {};
    FAny.Clear();
}

void TCT_Border_w10::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Border_w10*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FWidth = o->FWidth;
    FShadow = o->FShadow;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Border_w10::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Ink

TCT_Ink::TCT_Ink() = default;
TCT_Ink::~TCT_Ink() = default;

TNYQBase* TCT_Ink::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Ink::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 105:
            if (local == "i") {
                FI = attrs.GetValues(i);
                continue;
            }
            break;
        case 1083:
            if (local == "annotation") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAnnotation = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1181:
            if (local == "contentType") {
                FContentType = attrs.GetValues(i);
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

void TCT_Ink::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FI)
        writer.AddAttribute("i", *FI);
    if (FAnnotation)
        writer.AddAttribute("annotation", TST_TrueFalseToStr(*FAnnotation));
    if (FContentType)
        writer.AddAttribute("contentType", *FContentType);
}

void TCT_Ink::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Ink::Clear()
{
    TNYQBase::Clear();
    FI = {};
    FAnnotation = {};
    FContentType = {};
    FAny.Clear();
}

void TCT_Ink::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Ink*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FI = o->FI;
    FAnnotation = o->FAnnotation;
    FContentType = o->FContentType;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Ink::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EquationXml

TCT_EquationXml::TCT_EquationXml() = default;
TCT_EquationXml::~TCT_EquationXml() = default;

TNYQBase* TCT_EquationXml::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 310:
        if (local == "arc") {
            SetHasChildren();
            return &FAny.Add<TCT_Arc>("v:arc");
        }
        break;
    case 316:
        if (local == "pic") {
            SetHasChildren();
            return &FAny.Add<TCT_Picture_pic>("pic:pic");
        }
        break;
    case 318:
        if (local == "hdr") {
            SetHasChildren();
            return &FAny.Add<TCT_HdrFtr>("w:hdr");
        }
        break;
    case 332:
        if (local == "ftr") {
            SetHasChildren();
            return &FAny.Add<TCT_HdrFtr>("w:ftr");
        }
        break;
    case 424:
        if (local == "line") {
            SetHasChildren();
            return &FAny.Add<TCT_Line>("v:line");
        }
        break;
    case 430:
        if (local == "rect") {
            SetHasChildren();
            return &FAny.Add<TCT_Rect>("v:rect");
        }
        break;
    case 434:
        if (local == "oval") {
            SetHasChildren();
            return &FAny.Add<TCT_Oval>("v:oval");
        }
        break;
    case 515:
        if (local == "image") {
            SetHasChildren();
            return &FAny.Add<TCT_Image>("v:image");
        }
        break;
    case 529:
        if (local == "shape") {
            SetHasChildren();
            return &FAny.Add<TCT_Shape>("v:shape");
        }
        break;
    case 549:
        if (local == "curve") {
            SetHasChildren();
            return &FAny.Add<TCT_Curve>("v:curve");
        }
        break;
    case 554:
        if (local == "fonts") {
            SetHasChildren();
            return &FAny.Add<TCT_FontsList>("w:fonts");
        }
        break;
    case 557:
        if (local == "group") {
            SetHasChildren();
            return &FAny.Add<TCT_Group>("v:group");
        }
        break;
    case 676:
        if (local == "styles") {
            SetHasChildren();
            return &FAny.Add<TCT_Styles>("w:styles");
        }
        break;
    case 863:
        if (local == "document") {
            SetHasChildren();
            return &FAny.Add<TCT_Document>("w:document");
        }
        break;
    case 864:
        if (local == "endnotes") {
            SetHasChildren();
            return &FAny.Add<TCT_Endnotes>("w:endnotes");
        }
        break;
    case 870:
        if (local == "comments") {
            SetHasChildren();
            return &FAny.Add<TCT_Comments>("w:comments");
        }
        break;
    case 876:
        if (local == "polyline") {
            SetHasChildren();
            return &FAny.Add<TCT_PolyLine>("v:polyline");
        }
        break;
    case 881:
        if (local == "settings") {
            SetHasChildren();
            return &FAny.Add<TCT_Settings>("w:settings");
        }
        break;
    case 967:
        if (local == "numbering") {
            SetHasChildren();
            return &FAny.Add<TCT_Numbering>("w:numbering");
        }
        break;
    case 979:
        if (local == "shapetype") {
            SetHasChildren();
            return &FAny.Add<TCT_Shapetype>("v:shapetype");
        }
        break;
    case 982:
        if (local == "roundrect") {
            SetHasChildren();
            return &FAny.Add<TCT_RoundRect>("v:roundrect");
        }
        break;
    case 993:
        if (local == "footnotes") {
            SetHasChildren();
            return &FAny.Add<TCT_Footnotes>("w:footnotes");
        }
        break;
    case 1167:
        if (local == "webSettings") {
            SetHasChildren();
            return &FAny.Add<TCT_WebSettings>("w:webSettings");
        }
        break;
    default:
        break;
    }
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_EquationXml::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 1181:
            if (local == "contentType") {
                FContentType = attrs.GetValues(i);
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

void TCT_EquationXml::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FContentType)
        writer.AddAttribute("contentType", *FContentType);
}

void TCT_EquationXml::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_EquationXml::Clear()
{
    TNYQBase::Clear();
    FContentType = {};
    FAny.Clear();
}

void TCT_EquationXml::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EquationXml*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FContentType = o->FContentType;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EquationXml::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Complex

TCT_Complex::TCT_Complex() = default;
TCT_Complex::~TCT_Complex() = default;

TNYQBase* TCT_Complex::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Complex::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
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

void TCT_Complex::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
}

void TCT_Complex::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Complex::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FAny.Clear();
}

void TCT_Complex::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Complex*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Complex::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Diagram

TCT_Diagram::TCT_Diagram() = default;
TCT_Diagram::~TCT_Diagram() = default;

TCT_RelationTable& TCT_Diagram::Create_Relationtable()
{
    if (!FRelationtable) {
        FRelationtable = std::make_unique<TCT_RelationTable>();
        FRelationtable->SetAssigned();
    }
    SetHasChildren();
    return *FRelationtable;
}

TNYQBase* TCT_Diagram::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1382:
        if (local == "relationtable") {
            return &Create_Relationtable();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Diagram::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 764:
            if (local == "reverse") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FReverse = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 873:
            if (local == "dgmstyle") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDgmstyle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 952:
            if (local == "dgmscalex") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDgmscalex = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 953:
            if (local == "dgmscaley") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDgmscaley = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1090:
            if (local == "autoformat") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAutoformat = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1111:
            if (local == "autolayout") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FAutolayout = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1194:
            if (local == "dgmfontsize") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDgmfontsize = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1628:
            if (local == "constrainbounds") {
                FConstrainbounds = attrs.GetValues(i);
                continue;
            }
            break;
        case 1696:
            if (local == "dgmbasetextscale") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDgmbasetextscale = *v;
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

void TCT_Diagram::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
    if (FDgmstyle)
        writer.AddAttribute("dgmstyle", XmlIntToStr(*FDgmstyle));
    if (FAutoformat)
        writer.AddAttribute("autoformat", TST_TrueFalseToStr(*FAutoformat));
    if (FReverse)
        writer.AddAttribute("reverse", TST_TrueFalseToStr(*FReverse));
    if (FAutolayout)
        writer.AddAttribute("autolayout", TST_TrueFalseToStr(*FAutolayout));
    if (FDgmscalex)
        writer.AddAttribute("dgmscalex", XmlIntToStr(*FDgmscalex));
    if (FDgmscaley)
        writer.AddAttribute("dgmscaley", XmlIntToStr(*FDgmscaley));
    if (FDgmfontsize)
        writer.AddAttribute("dgmfontsize", XmlIntToStr(*FDgmfontsize));
    if (FConstrainbounds)
        writer.AddAttribute("constrainbounds", *FConstrainbounds);
    if (FDgmbasetextscale)
        writer.AddAttribute("dgmbasetextscale", XmlIntToStr(*FDgmbasetextscale));
}

void TCT_Diagram::Write(TNyqWriteXML& writer) const
{
    if (FRelationtable && FRelationtable->Available())
        NyqWriteChild(writer, "o:relationtable", *FRelationtable);
    FAny.Write(writer);
}

void TCT_Diagram::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FDgmstyle = {};
    FAutoformat = {};
    FReverse = {};
    FAutolayout = {};
    FDgmscalex = {};
    FDgmscaley = {};
    FDgmfontsize = {};
    FConstrainbounds = {};
    FDgmbasetextscale = {};
    FRelationtable.reset();
    FAny.Clear();
}

void TCT_Diagram::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Diagram*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FDgmstyle = o->FDgmstyle;
    FAutoformat = o->FAutoformat;
    FReverse = o->FReverse;
    FAutolayout = o->FAutolayout;
    FDgmscalex = o->FDgmscalex;
    FDgmscaley = o->FDgmscaley;
    FDgmfontsize = o->FDgmfontsize;
    FConstrainbounds = o->FConstrainbounds;
    FDgmbasetextscale = o->FDgmbasetextscale;
    if (o->FRelationtable)
        Create_Relationtable().Assign(*o->FRelationtable);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Diagram::HasElements() const
{
    return FRelationtable != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_F

TCT_F::TCT_F() = default;
TCT_F::~TCT_F() = default;

TNYQBase* TCT_F::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_F::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 324:
            if (local == "eqn") {
                FEqn = attrs.GetValues(i);
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

void TCT_F::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FEqn)
        writer.AddAttribute("eqn", *FEqn);
}

void TCT_F::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_F::Clear()
{
    TNYQBase::Clear();
    FEqn = {};
    FAny.Clear();
}

void TCT_F::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_F*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FEqn = o->FEqn;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_F::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_H

TCT_H::TCT_H() = default;
TCT_H::~TCT_H() = default;

TNYQBase* TCT_H::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_H::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 318:
            if (local == "map") {
                FMap = attrs.GetValues(i);
                continue;
            }
            break;
        case 453:
            if (local == "invx") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FInvx = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 454:
            if (local == "invy") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FInvy = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 542:
            if (local == "polar") {
                FPolar = attrs.GetValues(i);
                continue;
            }
            break;
        case 645:
            if (local == "xrange") {
                FXrange = attrs.GetValues(i);
                continue;
            }
            break;
        case 646:
            if (local == "yrange") {
                FYrange = attrs.GetValues(i);
                continue;
            }
            break;
        case 658:
            if (local == "switch") {
                if (const auto v = StrToTST_TrueFalseBlank(attrs.GetValues(i)))
                    FSwitch = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 885:
            if (local == "position") {
                FPosition = attrs.GetValues(i);
                continue;
            }
            break;
        case 1173:
            if (local == "radiusrange") {
                FRadiusrange = attrs.GetValues(i);
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

void TCT_H::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FPosition)
        writer.AddAttribute("position", *FPosition);
    if (FPolar)
        writer.AddAttribute("polar", *FPolar);
    if (FMap)
        writer.AddAttribute("map", *FMap);
    if (FInvx)
        writer.AddAttribute("invx", TST_TrueFalseToStr(*FInvx));
    if (FInvy)
        writer.AddAttribute("invy", TST_TrueFalseToStr(*FInvy));
    if (FSwitch)
        writer.AddAttribute("switch", TST_TrueFalseBlankToStr(*FSwitch));
    if (FXrange)
        writer.AddAttribute("xrange", *FXrange);
    if (FYrange)
        writer.AddAttribute("yrange", *FYrange);
    if (FRadiusrange)
        writer.AddAttribute("radiusrange", *FRadiusrange);
}

void TCT_H::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_H::Clear()
{
    TNYQBase::Clear();
    FPosition = {};
    FPolar = {};
    FMap = {};
    FInvx = {};
    FInvy = {};
    FSwitch = {};
    FXrange = {};
    FYrange = {};
    FRadiusrange = {};
    FAny.Clear();
}

void TCT_H::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_H*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FPosition = o->FPosition;
    FPolar = o->FPolar;
    FMap = o->FMap;
    FInvx = o->FInvx;
    FInvy = o->FInvy;
    FSwitch = o->FSwitch;
    FXrange = o->FXrange;
    FYrange = o->FYrange;
    FRadiusrange = o->FRadiusrange;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_H::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Fill_o

TCT_Fill_o::TCT_Fill_o() = default;
TCT_Fill_o::~TCT_Fill_o() = default;

TNYQBase* TCT_Fill_o::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Fill_o::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_FillType_o(attrs.GetValues(i)))
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

void TCT_Fill_o::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
    if (FType)
        writer.AddAttribute("type", TST_FillType_oToStr(*FType));
}

void TCT_Fill_o::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Fill_o::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FType = {};
    FAny.Clear();
}

void TCT_Fill_o::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Fill_o*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FType = o->FType;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Fill_o::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_StrokeChild

TCT_StrokeChild::TCT_StrokeChild() = default;
TCT_StrokeChild::~TCT_StrokeChild() = default;

TNYQBase* TCT_StrokeChild::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_StrokeChild::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 221:
            if (local == "on") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FOn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 328:
            if (local == "src") {
                FSrc = attrs.GetValues(i);
                continue;
            }
            break;
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 421:
            if (local == "href") {
                FHref = attrs.GetValues(i);
                continue;
            }
            break;
        case 543:
            if (local == "color") {
                FColor = attrs.GetValues(i);
                continue;
            }
            break;
        case 546:
            if (local == "title") {
                FTitle = attrs.GetValues(i);
                continue;
            }
            break;
        case 593:
            if (local == "color2") {
                FColor2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 619:
            if (local == "endcap") {
                if (const auto v = StrToTST_StrokeEndCap(attrs.GetValues(i)))
                    FEndcap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 648:
            if (local == "weight") {
                FWeight = attrs.GetValues(i);
                continue;
            }
            break;
        case 742:
            if (local == "althref") {
                FAlthref = attrs.GetValues(i);
                continue;
            }
            break;
        case 761:
            if (local == "opacity") {
                FOpacity = attrs.GetValues(i);
                continue;
            }
            break;
        case 866:
            if (local == "endarrow") {
                if (const auto v = StrToTST_StrokeArrowType(attrs.GetValues(i)))
                    FEndarrow = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 870:
            if (local == "insetpen") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FInsetpen = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 873:
            if (local == "filltype") {
                if (const auto v = StrToTST_FillType(attrs.GetValues(i)))
                    FFilltype = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 943:
            if (local == "forcedash") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FForcedash = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 958:
            if (local == "imagesize") {
                FImagesize = attrs.GetValues(i);
                continue;
            }
            break;
        case 977:
            if (local == "dashstyle") {
                FDashstyle = attrs.GetValues(i);
                continue;
            }
            break;
        case 985:
            if (local == "linestyle") {
                if (const auto v = StrToTST_StrokeLineStyle(attrs.GetValues(i)))
                    FLinestyle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 993:
            if (local == "joinstyle") {
                if (const auto v = StrToTST_StrokeJoinStyle(attrs.GetValues(i)))
                    FJoinstyle = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1088:
            if (local == "miterlimit") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FMiterlimit = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1113:
            if (local == "startarrow") {
                if (const auto v = StrToTST_StrokeArrowType(attrs.GetValues(i)))
                    FStartarrow = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1155:
            if (local == "imageaspect") {
                if (const auto v = StrToTST_ImageAspect(attrs.GetValues(i)))
                    FImageaspect = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1410:
            if (local == "endarrowwidth") {
                if (const auto v = StrToTST_StrokeArrowWidth(attrs.GetValues(i)))
                    FEndarrowwidth = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1508:
            if (local == "endarrowlength") {
                if (const auto v = StrToTST_StrokeArrowLength(attrs.GetValues(i)))
                    FEndarrowlength = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1567:
            if (local == "imagealignshape") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FImagealignshape = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1657:
            if (local == "startarrowwidth") {
                if (const auto v = StrToTST_StrokeArrowWidth(attrs.GetValues(i)))
                    FStartarrowwidth = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1755:
            if (local == "startarrowlength") {
                if (const auto v = StrToTST_StrokeArrowLength(attrs.GetValues(i)))
                    FStartarrowlength = *v;
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

void TCT_StrokeChild::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
    if (FOn)
        writer.AddAttribute("on", TST_TrueFalseToStr(*FOn));
    if (FWeight)
        writer.AddAttribute("weight", *FWeight);
    if (FColor)
        writer.AddAttribute("color", *FColor);
    if (FColor2)
        writer.AddAttribute("color2", *FColor2);
    if (FOpacity)
        writer.AddAttribute("opacity", *FOpacity);
    if (FLinestyle)
        writer.AddAttribute("linestyle", TST_StrokeLineStyleToStr(*FLinestyle));
    if (FMiterlimit)
        writer.AddAttribute("miterlimit", XmlFloatToStr(*FMiterlimit));
    if (FJoinstyle)
        writer.AddAttribute("joinstyle", TST_StrokeJoinStyleToStr(*FJoinstyle));
    if (FEndcap)
        writer.AddAttribute("endcap", TST_StrokeEndCapToStr(*FEndcap));
    if (FDashstyle)
        writer.AddAttribute("dashstyle", *FDashstyle);
    if (FInsetpen)
        writer.AddAttribute("insetpen", TST_TrueFalseToStr(*FInsetpen));
    if (FFilltype)
        writer.AddAttribute("filltype", TST_FillTypeToStr(*FFilltype));
    if (FSrc)
        writer.AddAttribute("src", *FSrc);
    if (FImageaspect)
        writer.AddAttribute("imageaspect", TST_ImageAspectToStr(*FImageaspect));
    if (FImagesize)
        writer.AddAttribute("imagesize", *FImagesize);
    if (FImagealignshape)
        writer.AddAttribute("imagealignshape", TST_TrueFalseToStr(*FImagealignshape));
    if (FStartarrow)
        writer.AddAttribute("startarrow", TST_StrokeArrowTypeToStr(*FStartarrow));
    if (FStartarrowwidth)
        writer.AddAttribute("startarrowwidth", TST_StrokeArrowWidthToStr(*FStartarrowwidth));
    if (FStartarrowlength)
        writer.AddAttribute("startarrowlength", TST_StrokeArrowLengthToStr(*FStartarrowlength));
    if (FEndarrow)
        writer.AddAttribute("endarrow", TST_StrokeArrowTypeToStr(*FEndarrow));
    if (FEndarrowwidth)
        writer.AddAttribute("endarrowwidth", TST_StrokeArrowWidthToStr(*FEndarrowwidth));
    if (FEndarrowlength)
        writer.AddAttribute("endarrowlength", TST_StrokeArrowLengthToStr(*FEndarrowlength));
    if (FHref)
        writer.AddAttribute("o:href", *FHref);
    if (FAlthref)
        writer.AddAttribute("o:althref", *FAlthref);
    if (FTitle)
        writer.AddAttribute("o:title", *FTitle);
    if (FForcedash)
        writer.AddAttribute("o:forcedash", TST_TrueFalseToStr(*FForcedash));
}

void TCT_StrokeChild::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_StrokeChild::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FOn = {};
    FWeight = {};
    FColor = {};
    FColor2 = {};
    FOpacity = {};
    FLinestyle = {};
    FMiterlimit = {};
    FJoinstyle = {};
    FEndcap = {};
    FDashstyle = {};
    FInsetpen = {};
    FFilltype = {};
    FSrc = {};
    FImageaspect = {};
    FImagesize = {};
    FImagealignshape = {};
    FStartarrow = {};
    FStartarrowwidth = {};
    FStartarrowlength = {};
    FEndarrow = {};
    FEndarrowwidth = {};
    FEndarrowlength = {};
    FHref = {};
    FAlthref = {};
    FTitle = {};
    FForcedash = {};
    FAny.Clear();
}

void TCT_StrokeChild::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_StrokeChild*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FOn = o->FOn;
    FWeight = o->FWeight;
    FColor = o->FColor;
    FColor2 = o->FColor2;
    FOpacity = o->FOpacity;
    FLinestyle = o->FLinestyle;
    FMiterlimit = o->FMiterlimit;
    FJoinstyle = o->FJoinstyle;
    FEndcap = o->FEndcap;
    FDashstyle = o->FDashstyle;
    FInsetpen = o->FInsetpen;
    FFilltype = o->FFilltype;
    FSrc = o->FSrc;
    FImageaspect = o->FImageaspect;
    FImagesize = o->FImagesize;
    FImagealignshape = o->FImagealignshape;
    FStartarrow = o->FStartarrow;
    FStartarrowwidth = o->FStartarrowwidth;
    FStartarrowlength = o->FStartarrowlength;
    FEndarrow = o->FEndarrow;
    FEndarrowwidth = o->FEndarrowwidth;
    FEndarrowlength = o->FEndarrowlength;
    FHref = o->FHref;
    FAlthref = o->FAlthref;
    FTitle = o->FTitle;
    FForcedash = o->FForcedash;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_StrokeChild::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RelationTable

TCT_RelationTable::TCT_RelationTable() = default;
TCT_RelationTable::~TCT_RelationTable() = default;

TNYQBase* TCT_RelationTable::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 323:
        if (local == "rel") {
            SetHasChildren();
            return &FRelList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RelationTable::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
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

void TCT_RelationTable::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
}

void TCT_RelationTable::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FRelList.GetItems())
        NyqWriteChild(writer, "o:rel", *item);
    FAny.Write(writer);
}

void TCT_RelationTable::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FRelList.Clear();
    FAny.Clear();
}

void TCT_RelationTable::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RelationTable*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    for (const auto& item : o->FRelList.GetItems())
        FRelList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RelationTable::HasElements() const
{
    return FRelList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Relation

TCT_Relation::TCT_Relation() = default;
TCT_Relation::~TCT_Relation() = default;

TNYQBase* TCT_Relation::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Relation::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 337:
            if (local == "ext") {
                if (const auto v = StrToTST_Ext(attrs.GetValues(i)))
                    FExt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 533:
            if (local == "idsrc") {
                FIdsrc = attrs.GetValues(i);
                continue;
            }
            break;
        case 637:
            if (local == "iddest") {
                FIddest = attrs.GetValues(i);
                continue;
            }
            break;
        case 644:
            if (local == "idcntr") {
                FIdcntr = attrs.GetValues(i);
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

void TCT_Relation::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FExt)
        writer.AddAttribute("ext", TST_ExtToStr(*FExt));
    if (FIdsrc)
        writer.AddAttribute("idsrc", *FIdsrc);
    if (FIddest)
        writer.AddAttribute("iddest", *FIddest);
    if (FIdcntr)
        writer.AddAttribute("idcntr", *FIdcntr);
}

void TCT_Relation::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Relation::Clear()
{
    TNYQBase::Clear();
    FExt = {};
    FIdsrc = {};
    FIddest = {};
    FIdcntr = {};
    FAny.Clear();
}

void TCT_Relation::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Relation*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExt = o->FExt;
    FIdsrc = o->FIdsrc;
    FIddest = o->FIddest;
    FIdcntr = o->FIdcntr;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Relation::HasElements() const
{
    return FAny.Count() > 0;
}

