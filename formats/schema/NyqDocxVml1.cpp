// NyqDocxVml1.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocxVml.h"

// ---------------------------------------------------------------------------
// TCT_Shape

namespace {
constexpr std::string_view cTCT_ShapeFChoice1ListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata", "o:ink", "iscomment", "o:equationxml"};
}  // namespace

TCT_Shape::TCT_Shape() = default;
TCT_Shape::~TCT_Shape() = default;

TNYQBase* TCT_Shape::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 322:
        if (local == "ink") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Ink>(23);
        }
        break;
    case 423:
        if (local == "fill") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Fill>(3);
        }
        break;
    case 425:
        if (local == "lock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Lock_o>(12);
        }
        break;
    case 429:
        if (local == "path") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path>(0);
        }
        break;
    case 442:
        if (local == "skew") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Skew>(9);
        }
        if (local == "wrap") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Wrap>(15);
        }
        break;
    case 646:
        if (local == "shadow") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Shadow>(5);
        }
        break;
    case 664:
        if (local == "stroke") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Stroke>(4);
        }
        break;
    case 735:
        if (local == "handles") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Handles>(2);
        }
        break;
    case 756:
        if (local == "callout") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Callout>(11);
        }
        break;
    case 782:
        if (local == "textbox") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Textbox>(6);
        }
        break;
    case 853:
        if (local == "clippath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ClipPath>(13);
        }
        break;
    case 863:
        if (local == "textdata") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(22);
        }
        break;
    case 873:
        if (local == "formulas") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Formulas>(1);
        }
        break;
    case 882:
        if (local == "textpath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TextPath>(7);
        }
        break;
    case 925:
        if (local == "imagedata") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ImageData>(8);
        }
        break;
    case 975:
        if (local == "iscomment") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(24);
        }
        break;
    case 977:
        if (local == "bordertop") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(17);
        }
        break;
    case 985:
        if (local == "ClientData") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(21);
        }
        break;
    case 1009:
        if (local == "extrusion") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Extrusion>(10);
        }
        break;
    case 1060:
        if (local == "anchorlock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AnchorLock>(16);
        }
        break;
    case 1065:
        if (local == "borderleft") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(19);
        }
        break;
    case 1180:
        if (local == "borderright") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(20);
        }
        break;
    case 1207:
        if (local == "equationxml") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_EquationXml>(25);
        }
        break;
    case 1299:
        if (local == "borderbottom") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(18);
        }
        break;
    case 1402:
        if (local == "signatureline") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_SignatureLine>(14);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Shape::AssignAttributes(TNYQReader& reader)
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
        case 303:
            if (local == "adj") {
                FAdj = attrs.GetValues(i);
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
        case 429:
            if (local == "path") {
                FPath = attrs.GetValues(i);
                continue;
            }
            break;
        case 432:
            if (local == "spid") {
                FSpid = attrs.GetValues(i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                FType = attrs.GetValues(i);
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
        case 735:
            if (local == "gfxdata") {
                FGfxdata = attrs.GetValues(i);
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
            if (local == "equationxml") {
                FEquationxml = attrs.GetValues(i);
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

void TCT_Shape::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FType)
        writer.AddAttribute("type", *FType);
    if (FAdj)
        writer.AddAttribute("adj", *FAdj);
    if (FPath)
        writer.AddAttribute("path", *FPath);
    if (FGfxdata)
        writer.AddAttribute("o:gfxdata", *FGfxdata);
    if (FEquationxml)
        writer.AddAttribute("equationxml", *FEquationxml);
}

void TCT_Shape::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_ShapeFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Shape::Clear()
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
    FType = {};
    FAdj = {};
    FPath = {};
    FGfxdata = {};
    FEquationxml = {};
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_Shape::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Shape*>(&other);
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
    FType = o->FType;
    FAdj = o->FAdj;
    FPath = o->FPath;
    FGfxdata = o->FGfxdata;
    FEquationxml = o->FEquationxml;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Path>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Formulas>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_Handles>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_Fill>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_Stroke>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_Shadow>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_Textbox>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_TextPath>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_ImageData>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_Skew>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_Extrusion>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_Callout>(11).Assign(*item.Object);
            break;
        case 12:
            FChoice1List.Add<TCT_Lock_o>(12).Assign(*item.Object);
            break;
        case 13:
            FChoice1List.Add<TCT_ClipPath>(13).Assign(*item.Object);
            break;
        case 14:
            FChoice1List.Add<TCT_SignatureLine>(14).Assign(*item.Object);
            break;
        case 15:
            FChoice1List.Add<TCT_Wrap>(15).Assign(*item.Object);
            break;
        case 16:
            FChoice1List.Add<TCT_AnchorLock>(16).Assign(*item.Object);
            break;
        case 17:
            FChoice1List.Add<TCT_Border_w10>(17).Assign(*item.Object);
            break;
        case 18:
            FChoice1List.Add<TCT_Border_w10>(18).Assign(*item.Object);
            break;
        case 19:
            FChoice1List.Add<TCT_Border_w10>(19).Assign(*item.Object);
            break;
        case 20:
            FChoice1List.Add<TCT_Border_w10>(20).Assign(*item.Object);
            break;
        case 21:
            FChoice1List.Add<TNYQAnyElement>(21).Assign(*item.Object);
            break;
        case 22:
            FChoice1List.Add<TNYQAnyElement>(22).Assign(*item.Object);
            break;
        case 23:
            FChoice1List.Add<TCT_Ink>(23).Assign(*item.Object);
            break;
        case 24:
            FChoice1List.Add<TNYQAnyElement>(24).Assign(*item.Object);
            break;
        case 25:
            FChoice1List.Add<TCT_EquationXml>(25).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Shape::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Shapetype

namespace {
constexpr std::string_view cTCT_ShapetypeFEG_ShapeElementsListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata"};
}  // namespace

TCT_Shapetype::TCT_Shapetype() = default;
TCT_Shapetype::~TCT_Shapetype() = default;

TCT_Complex& TCT_Shapetype::Create_Complex()
{
    if (!FComplex) {
        FComplex = std::make_unique<TCT_Complex>();
        FComplex->SetAssigned();
    }
    SetHasChildren();
    return *FComplex;
}

TNYQBase* TCT_Shapetype::HandleElement(TNYQReader& reader)
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
    case 760:
        if (local == "complex") {
            return &Create_Complex();
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

void TCT_Shapetype::AssignAttributes(TNYQReader& reader)
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
        case 303:
            if (local == "adj") {
                FAdj = attrs.GetValues(i);
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
        case 429:
            if (local == "path") {
                FPath = attrs.GetValues(i);
                continue;
            }
            break;
        case 432:
            if (local == "spid") {
                FSpid = attrs.GetValues(i);
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
        case 652:
            if (local == "master") {
                FMaster = attrs.GetValues(i);
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

void TCT_Shapetype::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FAdj)
        writer.AddAttribute("adj", *FAdj);
    if (FPath)
        writer.AddAttribute("path", *FPath);
    if (FMaster)
        writer.AddAttribute("o:master", *FMaster);
}

void TCT_Shapetype::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ShapeElementsList.GetItems())
        NyqWriteChild(writer, cTCT_ShapetypeFEG_ShapeElementsListNames[item.Element], *item.Object);
    if (FComplex && FComplex->Available())
        NyqWriteChild(writer, "o:complex", *FComplex);
    FAny.Write(writer);
}

void TCT_Shapetype::Clear()
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
    FAdj = {};
    FPath = {};
    FMaster = {};
    FEG_ShapeElementsList.Clear();
    FComplex.reset();
    FAny.Clear();
}

void TCT_Shapetype::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Shapetype*>(&other);
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
    FAdj = o->FAdj;
    FPath = o->FPath;
    FMaster = o->FMaster;
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
    if (o->FComplex)
        Create_Complex().Assign(*o->FComplex);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Shapetype::HasElements() const
{
    return FEG_ShapeElementsList.Count() > 0 || FComplex != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Group

namespace {
constexpr std::string_view cTCT_GroupFChoice1ListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata", "v:group", "v:shape", "v:shapetype", "v:arc", "v:curve", "v:image", "v:line", "v:oval", "v:polyline", "v:rect", "v:roundrect", "o:diagram"};
}  // namespace

TCT_Group::TCT_Group() = default;
TCT_Group::~TCT_Group() = default;

TNYQBase* TCT_Group::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 310:
        if (local == "arc") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Arc>(26);
        }
        break;
    case 423:
        if (local == "fill") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Fill>(3);
        }
        break;
    case 424:
        if (local == "line") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Line>(29);
        }
        break;
    case 425:
        if (local == "lock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Lock_o>(12);
        }
        break;
    case 429:
        if (local == "path") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path>(0);
        }
        break;
    case 430:
        if (local == "rect") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Rect>(32);
        }
        break;
    case 434:
        if (local == "oval") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Oval>(30);
        }
        break;
    case 442:
        if (local == "skew") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Skew>(9);
        }
        if (local == "wrap") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Wrap>(15);
        }
        break;
    case 515:
        if (local == "image") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Image>(28);
        }
        break;
    case 529:
        if (local == "shape") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Shape>(24);
        }
        break;
    case 549:
        if (local == "curve") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Curve>(27);
        }
        break;
    case 557:
        if (local == "group") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Group>(23);
        }
        break;
    case 646:
        if (local == "shadow") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Shadow>(5);
        }
        break;
    case 664:
        if (local == "stroke") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Stroke>(4);
        }
        break;
    case 725:
        if (local == "diagram") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Diagram>(34);
        }
        break;
    case 735:
        if (local == "handles") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Handles>(2);
        }
        break;
    case 756:
        if (local == "callout") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Callout>(11);
        }
        break;
    case 782:
        if (local == "textbox") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Textbox>(6);
        }
        break;
    case 853:
        if (local == "clippath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ClipPath>(13);
        }
        break;
    case 863:
        if (local == "textdata") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(22);
        }
        break;
    case 873:
        if (local == "formulas") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Formulas>(1);
        }
        break;
    case 876:
        if (local == "polyline") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_PolyLine>(31);
        }
        break;
    case 882:
        if (local == "textpath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TextPath>(7);
        }
        break;
    case 925:
        if (local == "imagedata") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ImageData>(8);
        }
        break;
    case 977:
        if (local == "bordertop") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(17);
        }
        break;
    case 979:
        if (local == "shapetype") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Shapetype>(25);
        }
        break;
    case 982:
        if (local == "roundrect") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_RoundRect>(33);
        }
        break;
    case 985:
        if (local == "ClientData") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(21);
        }
        break;
    case 1009:
        if (local == "extrusion") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Extrusion>(10);
        }
        break;
    case 1060:
        if (local == "anchorlock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AnchorLock>(16);
        }
        break;
    case 1065:
        if (local == "borderleft") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(19);
        }
        break;
    case 1180:
        if (local == "borderright") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(20);
        }
        break;
    case 1299:
        if (local == "borderbottom") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(18);
        }
        break;
    case 1402:
        if (local == "signatureline") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_SignatureLine>(14);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Group::AssignAttributes(TNYQReader& reader)
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
        case 321:
            if (local == "alt") {
                FAlt = attrs.GetValues(i);
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
        case 432:
            if (local == "spid") {
                FSpid = attrs.GetValues(i);
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
        case 634:
            if (local == "editas") {
                if (const auto v = StrToTST_EditAs(attrs.GetValues(i)))
                    FEditas = *v;
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
        case 956:
            if (local == "hrnoshade") {
                if (const auto v = StrToTST_TrueFalse(attrs.GetValues(i)))
                    FHrnoshade = *v;
                else
                    NyqBadAttributeValue(reader, i);
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
        case 1178:
            if (local == "tablelimits") {
                FTablelimits = attrs.GetValues(i);
                continue;
            }
            break;
        case 1183:
            if (local == "coordorigin") {
                FCoordorigin = attrs.GetValues(i);
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
        case 1322:
            if (local == "dgmlayoutmru") {
                if (const auto v = StrToTST_DiagramLayout(attrs.GetValues(i)))
                    FDgmlayoutmru = *v;
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
        case 1621:
            if (local == "tableproperties") {
                FTableproperties = attrs.GetValues(i);
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

void TCT_Group::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FFilled)
        writer.AddAttribute("filled", TST_TrueFalseToStr(*FFilled));
    if (FFillcolor)
        writer.AddAttribute("fillcolor", *FFillcolor);
    if (FEditas)
        writer.AddAttribute("editas", TST_EditAsToStr(*FEditas));
    if (FTableproperties)
        writer.AddAttribute("o:tableproperties", *FTableproperties);
    if (FTablelimits)
        writer.AddAttribute("o:tablelimits", *FTablelimits);
}

void TCT_Group::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_GroupFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Group::Clear()
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
    FFilled = {};
    FFillcolor = {};
    FEditas = {};
    FTableproperties = {};
    FTablelimits = {};
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_Group::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Group*>(&other);
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
    FFilled = o->FFilled;
    FFillcolor = o->FFillcolor;
    FEditas = o->FEditas;
    FTableproperties = o->FTableproperties;
    FTablelimits = o->FTablelimits;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Path>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Formulas>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_Handles>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_Fill>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_Stroke>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_Shadow>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_Textbox>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_TextPath>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_ImageData>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_Skew>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_Extrusion>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_Callout>(11).Assign(*item.Object);
            break;
        case 12:
            FChoice1List.Add<TCT_Lock_o>(12).Assign(*item.Object);
            break;
        case 13:
            FChoice1List.Add<TCT_ClipPath>(13).Assign(*item.Object);
            break;
        case 14:
            FChoice1List.Add<TCT_SignatureLine>(14).Assign(*item.Object);
            break;
        case 15:
            FChoice1List.Add<TCT_Wrap>(15).Assign(*item.Object);
            break;
        case 16:
            FChoice1List.Add<TCT_AnchorLock>(16).Assign(*item.Object);
            break;
        case 17:
            FChoice1List.Add<TCT_Border_w10>(17).Assign(*item.Object);
            break;
        case 18:
            FChoice1List.Add<TCT_Border_w10>(18).Assign(*item.Object);
            break;
        case 19:
            FChoice1List.Add<TCT_Border_w10>(19).Assign(*item.Object);
            break;
        case 20:
            FChoice1List.Add<TCT_Border_w10>(20).Assign(*item.Object);
            break;
        case 21:
            FChoice1List.Add<TNYQAnyElement>(21).Assign(*item.Object);
            break;
        case 22:
            FChoice1List.Add<TNYQAnyElement>(22).Assign(*item.Object);
            break;
        case 23:
            FChoice1List.Add<TCT_Group>(23).Assign(*item.Object);
            break;
        case 24:
            FChoice1List.Add<TCT_Shape>(24).Assign(*item.Object);
            break;
        case 25:
            FChoice1List.Add<TCT_Shapetype>(25).Assign(*item.Object);
            break;
        case 26:
            FChoice1List.Add<TCT_Arc>(26).Assign(*item.Object);
            break;
        case 27:
            FChoice1List.Add<TCT_Curve>(27).Assign(*item.Object);
            break;
        case 28:
            FChoice1List.Add<TCT_Image>(28).Assign(*item.Object);
            break;
        case 29:
            FChoice1List.Add<TCT_Line>(29).Assign(*item.Object);
            break;
        case 30:
            FChoice1List.Add<TCT_Oval>(30).Assign(*item.Object);
            break;
        case 31:
            FChoice1List.Add<TCT_PolyLine>(31).Assign(*item.Object);
            break;
        case 32:
            FChoice1List.Add<TCT_Rect>(32).Assign(*item.Object);
            break;
        case 33:
            FChoice1List.Add<TCT_RoundRect>(33).Assign(*item.Object);
            break;
        case 34:
            FChoice1List.Add<TCT_Diagram>(34).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Group::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Rect

namespace {
constexpr std::string_view cTCT_RectFChoice1ListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata"};
}  // namespace

TCT_Rect::TCT_Rect() = default;
TCT_Rect::~TCT_Rect() = default;

TNYQBase* TCT_Rect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 423:
        if (local == "fill") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Fill>(3);
        }
        break;
    case 425:
        if (local == "lock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Lock_o>(12);
        }
        break;
    case 429:
        if (local == "path") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path>(0);
        }
        break;
    case 442:
        if (local == "skew") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Skew>(9);
        }
        if (local == "wrap") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Wrap>(15);
        }
        break;
    case 646:
        if (local == "shadow") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Shadow>(5);
        }
        break;
    case 664:
        if (local == "stroke") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Stroke>(4);
        }
        break;
    case 735:
        if (local == "handles") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Handles>(2);
        }
        break;
    case 756:
        if (local == "callout") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Callout>(11);
        }
        break;
    case 782:
        if (local == "textbox") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Textbox>(6);
        }
        break;
    case 853:
        if (local == "clippath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ClipPath>(13);
        }
        break;
    case 863:
        if (local == "textdata") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(22);
        }
        break;
    case 873:
        if (local == "formulas") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Formulas>(1);
        }
        break;
    case 882:
        if (local == "textpath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TextPath>(7);
        }
        break;
    case 925:
        if (local == "imagedata") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ImageData>(8);
        }
        break;
    case 977:
        if (local == "bordertop") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(17);
        }
        break;
    case 985:
        if (local == "ClientData") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(21);
        }
        break;
    case 1009:
        if (local == "extrusion") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Extrusion>(10);
        }
        break;
    case 1060:
        if (local == "anchorlock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AnchorLock>(16);
        }
        break;
    case 1065:
        if (local == "borderleft") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(19);
        }
        break;
    case 1180:
        if (local == "borderright") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(20);
        }
        break;
    case 1299:
        if (local == "borderbottom") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(18);
        }
        break;
    case 1402:
        if (local == "signatureline") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_SignatureLine>(14);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Rect::AssignAttributes(TNYQReader& reader)
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

void TCT_Rect::WriteAttributes(TNyqWriteXML& writer) const
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
}

void TCT_Rect::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_RectFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Rect::Clear()
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
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_Rect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Rect*>(&other);
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
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Path>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Formulas>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_Handles>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_Fill>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_Stroke>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_Shadow>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_Textbox>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_TextPath>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_ImageData>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_Skew>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_Extrusion>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_Callout>(11).Assign(*item.Object);
            break;
        case 12:
            FChoice1List.Add<TCT_Lock_o>(12).Assign(*item.Object);
            break;
        case 13:
            FChoice1List.Add<TCT_ClipPath>(13).Assign(*item.Object);
            break;
        case 14:
            FChoice1List.Add<TCT_SignatureLine>(14).Assign(*item.Object);
            break;
        case 15:
            FChoice1List.Add<TCT_Wrap>(15).Assign(*item.Object);
            break;
        case 16:
            FChoice1List.Add<TCT_AnchorLock>(16).Assign(*item.Object);
            break;
        case 17:
            FChoice1List.Add<TCT_Border_w10>(17).Assign(*item.Object);
            break;
        case 18:
            FChoice1List.Add<TCT_Border_w10>(18).Assign(*item.Object);
            break;
        case 19:
            FChoice1List.Add<TCT_Border_w10>(19).Assign(*item.Object);
            break;
        case 20:
            FChoice1List.Add<TCT_Border_w10>(20).Assign(*item.Object);
            break;
        case 21:
            FChoice1List.Add<TNYQAnyElement>(21).Assign(*item.Object);
            break;
        case 22:
            FChoice1List.Add<TNYQAnyElement>(22).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Rect::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RoundRect

namespace {
constexpr std::string_view cTCT_RoundRectFChoice1ListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata"};
}  // namespace

TCT_RoundRect::TCT_RoundRect() = default;
TCT_RoundRect::~TCT_RoundRect() = default;

TNYQBase* TCT_RoundRect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 423:
        if (local == "fill") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Fill>(3);
        }
        break;
    case 425:
        if (local == "lock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Lock_o>(12);
        }
        break;
    case 429:
        if (local == "path") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path>(0);
        }
        break;
    case 442:
        if (local == "skew") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Skew>(9);
        }
        if (local == "wrap") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Wrap>(15);
        }
        break;
    case 646:
        if (local == "shadow") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Shadow>(5);
        }
        break;
    case 664:
        if (local == "stroke") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Stroke>(4);
        }
        break;
    case 735:
        if (local == "handles") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Handles>(2);
        }
        break;
    case 756:
        if (local == "callout") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Callout>(11);
        }
        break;
    case 782:
        if (local == "textbox") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Textbox>(6);
        }
        break;
    case 853:
        if (local == "clippath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ClipPath>(13);
        }
        break;
    case 863:
        if (local == "textdata") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(22);
        }
        break;
    case 873:
        if (local == "formulas") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Formulas>(1);
        }
        break;
    case 882:
        if (local == "textpath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TextPath>(7);
        }
        break;
    case 925:
        if (local == "imagedata") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ImageData>(8);
        }
        break;
    case 977:
        if (local == "bordertop") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(17);
        }
        break;
    case 985:
        if (local == "ClientData") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(21);
        }
        break;
    case 1009:
        if (local == "extrusion") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Extrusion>(10);
        }
        break;
    case 1060:
        if (local == "anchorlock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AnchorLock>(16);
        }
        break;
    case 1065:
        if (local == "borderleft") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(19);
        }
        break;
    case 1180:
        if (local == "borderright") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(20);
        }
        break;
    case 1299:
        if (local == "borderbottom") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(18);
        }
        break;
    case 1402:
        if (local == "signatureline") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_SignatureLine>(14);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RoundRect::AssignAttributes(TNYQReader& reader)
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
        case 753:
            if (local == "arcsize") {
                FArcsize = attrs.GetValues(i);
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

void TCT_RoundRect::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FArcsize)
        writer.AddAttribute("arcsize", *FArcsize);
}

void TCT_RoundRect::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_RoundRectFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_RoundRect::Clear()
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
    FArcsize = {};
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_RoundRect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RoundRect*>(&other);
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
    FArcsize = o->FArcsize;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Path>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Formulas>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_Handles>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_Fill>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_Stroke>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_Shadow>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_Textbox>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_TextPath>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_ImageData>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_Skew>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_Extrusion>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_Callout>(11).Assign(*item.Object);
            break;
        case 12:
            FChoice1List.Add<TCT_Lock_o>(12).Assign(*item.Object);
            break;
        case 13:
            FChoice1List.Add<TCT_ClipPath>(13).Assign(*item.Object);
            break;
        case 14:
            FChoice1List.Add<TCT_SignatureLine>(14).Assign(*item.Object);
            break;
        case 15:
            FChoice1List.Add<TCT_Wrap>(15).Assign(*item.Object);
            break;
        case 16:
            FChoice1List.Add<TCT_AnchorLock>(16).Assign(*item.Object);
            break;
        case 17:
            FChoice1List.Add<TCT_Border_w10>(17).Assign(*item.Object);
            break;
        case 18:
            FChoice1List.Add<TCT_Border_w10>(18).Assign(*item.Object);
            break;
        case 19:
            FChoice1List.Add<TCT_Border_w10>(19).Assign(*item.Object);
            break;
        case 20:
            FChoice1List.Add<TCT_Border_w10>(20).Assign(*item.Object);
            break;
        case 21:
            FChoice1List.Add<TNYQAnyElement>(21).Assign(*item.Object);
            break;
        case 22:
            FChoice1List.Add<TNYQAnyElement>(22).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RoundRect::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Oval

namespace {
constexpr std::string_view cTCT_OvalFChoice1ListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata"};
}  // namespace

TCT_Oval::TCT_Oval() = default;
TCT_Oval::~TCT_Oval() = default;

TNYQBase* TCT_Oval::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 423:
        if (local == "fill") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Fill>(3);
        }
        break;
    case 425:
        if (local == "lock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Lock_o>(12);
        }
        break;
    case 429:
        if (local == "path") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path>(0);
        }
        break;
    case 442:
        if (local == "skew") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Skew>(9);
        }
        if (local == "wrap") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Wrap>(15);
        }
        break;
    case 646:
        if (local == "shadow") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Shadow>(5);
        }
        break;
    case 664:
        if (local == "stroke") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Stroke>(4);
        }
        break;
    case 735:
        if (local == "handles") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Handles>(2);
        }
        break;
    case 756:
        if (local == "callout") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Callout>(11);
        }
        break;
    case 782:
        if (local == "textbox") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Textbox>(6);
        }
        break;
    case 853:
        if (local == "clippath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ClipPath>(13);
        }
        break;
    case 863:
        if (local == "textdata") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(22);
        }
        break;
    case 873:
        if (local == "formulas") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Formulas>(1);
        }
        break;
    case 882:
        if (local == "textpath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TextPath>(7);
        }
        break;
    case 925:
        if (local == "imagedata") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ImageData>(8);
        }
        break;
    case 977:
        if (local == "bordertop") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(17);
        }
        break;
    case 985:
        if (local == "ClientData") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(21);
        }
        break;
    case 1009:
        if (local == "extrusion") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Extrusion>(10);
        }
        break;
    case 1060:
        if (local == "anchorlock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AnchorLock>(16);
        }
        break;
    case 1065:
        if (local == "borderleft") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(19);
        }
        break;
    case 1180:
        if (local == "borderright") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(20);
        }
        break;
    case 1299:
        if (local == "borderbottom") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(18);
        }
        break;
    case 1402:
        if (local == "signatureline") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_SignatureLine>(14);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Oval::AssignAttributes(TNYQReader& reader)
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

void TCT_Oval::WriteAttributes(TNyqWriteXML& writer) const
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
}

void TCT_Oval::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_OvalFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Oval::Clear()
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
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_Oval::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Oval*>(&other);
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
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Path>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Formulas>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_Handles>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_Fill>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_Stroke>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_Shadow>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_Textbox>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_TextPath>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_ImageData>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_Skew>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_Extrusion>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_Callout>(11).Assign(*item.Object);
            break;
        case 12:
            FChoice1List.Add<TCT_Lock_o>(12).Assign(*item.Object);
            break;
        case 13:
            FChoice1List.Add<TCT_ClipPath>(13).Assign(*item.Object);
            break;
        case 14:
            FChoice1List.Add<TCT_SignatureLine>(14).Assign(*item.Object);
            break;
        case 15:
            FChoice1List.Add<TCT_Wrap>(15).Assign(*item.Object);
            break;
        case 16:
            FChoice1List.Add<TCT_AnchorLock>(16).Assign(*item.Object);
            break;
        case 17:
            FChoice1List.Add<TCT_Border_w10>(17).Assign(*item.Object);
            break;
        case 18:
            FChoice1List.Add<TCT_Border_w10>(18).Assign(*item.Object);
            break;
        case 19:
            FChoice1List.Add<TCT_Border_w10>(19).Assign(*item.Object);
            break;
        case 20:
            FChoice1List.Add<TCT_Border_w10>(20).Assign(*item.Object);
            break;
        case 21:
            FChoice1List.Add<TNYQAnyElement>(21).Assign(*item.Object);
            break;
        case 22:
            FChoice1List.Add<TNYQAnyElement>(22).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Oval::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Line

namespace {
constexpr std::string_view cTCT_LineFEG_ShapeElementsListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata"};
}  // namespace

TCT_Line::TCT_Line() = default;
TCT_Line::~TCT_Line() = default;

TNYQBase* TCT_Line::HandleElement(TNYQReader& reader)
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

void TCT_Line::AssignAttributes(TNYQReader& reader)
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

void TCT_Line::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FTo)
        writer.AddAttribute("to", *FTo);
}

void TCT_Line::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ShapeElementsList.GetItems())
        NyqWriteChild(writer, cTCT_LineFEG_ShapeElementsListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Line::Clear()
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
    FTo = {};
    FEG_ShapeElementsList.Clear();
    FAny.Clear();
}

void TCT_Line::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Line*>(&other);
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

bool TCT_Line::HasElements() const
{
    return FEG_ShapeElementsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PolyLine

namespace {
constexpr std::string_view cTCT_PolyLineFChoice1ListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata", "o:ink"};
}  // namespace

TCT_PolyLine::TCT_PolyLine() = default;
TCT_PolyLine::~TCT_PolyLine() = default;

TNYQBase* TCT_PolyLine::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 322:
        if (local == "ink") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Ink>(23);
        }
        break;
    case 423:
        if (local == "fill") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Fill>(3);
        }
        break;
    case 425:
        if (local == "lock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Lock_o>(12);
        }
        break;
    case 429:
        if (local == "path") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path>(0);
        }
        break;
    case 442:
        if (local == "skew") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Skew>(9);
        }
        if (local == "wrap") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Wrap>(15);
        }
        break;
    case 646:
        if (local == "shadow") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Shadow>(5);
        }
        break;
    case 664:
        if (local == "stroke") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Stroke>(4);
        }
        break;
    case 735:
        if (local == "handles") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Handles>(2);
        }
        break;
    case 756:
        if (local == "callout") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Callout>(11);
        }
        break;
    case 782:
        if (local == "textbox") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Textbox>(6);
        }
        break;
    case 853:
        if (local == "clippath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ClipPath>(13);
        }
        break;
    case 863:
        if (local == "textdata") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(22);
        }
        break;
    case 873:
        if (local == "formulas") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Formulas>(1);
        }
        break;
    case 882:
        if (local == "textpath") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TextPath>(7);
        }
        break;
    case 925:
        if (local == "imagedata") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ImageData>(8);
        }
        break;
    case 977:
        if (local == "bordertop") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(17);
        }
        break;
    case 985:
        if (local == "ClientData") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(21);
        }
        break;
    case 1009:
        if (local == "extrusion") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Extrusion>(10);
        }
        break;
    case 1060:
        if (local == "anchorlock") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_AnchorLock>(16);
        }
        break;
    case 1065:
        if (local == "borderleft") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(19);
        }
        break;
    case 1180:
        if (local == "borderright") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(20);
        }
        break;
    case 1299:
        if (local == "borderbottom") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Border_w10>(18);
        }
        break;
    case 1402:
        if (local == "signatureline") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_SignatureLine>(14);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PolyLine::AssignAttributes(TNYQReader& reader)
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
        case 669:
            if (local == "points") {
                FPoints = attrs.GetValues(i);
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

void TCT_PolyLine::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FPoints)
        writer.AddAttribute("points", *FPoints);
}

void TCT_PolyLine::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_PolyLineFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_PolyLine::Clear()
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
    FPoints = {};
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_PolyLine::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PolyLine*>(&other);
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
    FPoints = o->FPoints;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Path>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Formulas>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_Handles>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_Fill>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_Stroke>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_Shadow>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_Textbox>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_TextPath>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_ImageData>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_Skew>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_Extrusion>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_Callout>(11).Assign(*item.Object);
            break;
        case 12:
            FChoice1List.Add<TCT_Lock_o>(12).Assign(*item.Object);
            break;
        case 13:
            FChoice1List.Add<TCT_ClipPath>(13).Assign(*item.Object);
            break;
        case 14:
            FChoice1List.Add<TCT_SignatureLine>(14).Assign(*item.Object);
            break;
        case 15:
            FChoice1List.Add<TCT_Wrap>(15).Assign(*item.Object);
            break;
        case 16:
            FChoice1List.Add<TCT_AnchorLock>(16).Assign(*item.Object);
            break;
        case 17:
            FChoice1List.Add<TCT_Border_w10>(17).Assign(*item.Object);
            break;
        case 18:
            FChoice1List.Add<TCT_Border_w10>(18).Assign(*item.Object);
            break;
        case 19:
            FChoice1List.Add<TCT_Border_w10>(19).Assign(*item.Object);
            break;
        case 20:
            FChoice1List.Add<TCT_Border_w10>(20).Assign(*item.Object);
            break;
        case 21:
            FChoice1List.Add<TNYQAnyElement>(21).Assign(*item.Object);
            break;
        case 22:
            FChoice1List.Add<TNYQAnyElement>(22).Assign(*item.Object);
            break;
        case 23:
            FChoice1List.Add<TCT_Ink>(23).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PolyLine::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Arc

namespace {
constexpr std::string_view cTCT_ArcFEG_ShapeElementsListNames[] = {"v:path", "v:formulas", "v:handles", "v:fill", "v:stroke", "v:shadow", "v:textbox", "v:textpath", "v:imagedata", "o:skew", "o:extrusion", "o:callout", "o:lock", "o:clippath", "o:signatureline", "w10:wrap", "w10:anchorlock", "w10:bordertop", "w10:borderbottom", "w10:borderleft", "w10:borderright", "ClientData", "textdata"};
}  // namespace

TCT_Arc::TCT_Arc() = default;
TCT_Arc::~TCT_Arc() = default;

TNYQBase* TCT_Arc::HandleElement(TNYQReader& reader)
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

void TCT_Arc::AssignAttributes(TNYQReader& reader)
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
        case 798:
            if (local == "endAngle") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FEndAngle = *v;
                else
                    NyqBadAttributeValue(reader, i);
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
        case 1045:
            if (local == "startAngle") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FStartAngle = *v;
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

void TCT_Arc::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FStartAngle)
        writer.AddAttribute("startAngle", XmlFloatToStr(*FStartAngle));
    if (FEndAngle)
        writer.AddAttribute("endAngle", XmlFloatToStr(*FEndAngle));
}

void TCT_Arc::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ShapeElementsList.GetItems())
        NyqWriteChild(writer, cTCT_ArcFEG_ShapeElementsListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Arc::Clear()
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
    FStartAngle = {};
    FEndAngle = {};
    FEG_ShapeElementsList.Clear();
    FAny.Clear();
}

void TCT_Arc::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Arc*>(&other);
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
    FStartAngle = o->FStartAngle;
    FEndAngle = o->FEndAngle;
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

bool TCT_Arc::HasElements() const
{
    return FEG_ShapeElementsList.Count() > 0 || FAny.Count() > 0;
}

