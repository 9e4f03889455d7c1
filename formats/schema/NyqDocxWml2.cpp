// NyqDocxWml2.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocxDml.h"
#include "formats/schema/NyqDocxVml.h"
#include "formats/schema/NyqDocxWml.h"

// ---------------------------------------------------------------------------
// TCT_Language

TCT_Language::TCT_Language() = default;
TCT_Language::~TCT_Language() = default;

TNYQBase* TCT_Language::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Language::AssignAttributes(TNYQReader& reader)
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
        case 408:
            if (local == "bidi") {
                FBidi = attrs.GetValues(i);
                continue;
            }
            break;
        case 811:
            if (local == "eastAsia") {
                FEastAsia = attrs.GetValues(i);
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

void TCT_Language::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
    if (FEastAsia)
        writer.AddAttribute("w:eastAsia", *FEastAsia);
    if (FBidi)
        writer.AddAttribute("w:bidi", *FBidi);
}

void TCT_Language::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Language::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FEastAsia = {};
    FBidi = {};
    FAny.Clear();
}

void TCT_Language::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Language*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FEastAsia = o->FEastAsia;
    FBidi = o->FBidi;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Language::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ColorSchemeMapping

TCT_ColorSchemeMapping::TCT_ColorSchemeMapping() = default;
TCT_ColorSchemeMapping::~TCT_ColorSchemeMapping() = default;

TNYQBase* TCT_ColorSchemeMapping::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ColorSchemeMapping::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 165:
            if (local == "t1") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FT1 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 166:
            if (local == "t2") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FT2 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 250:
            if (local == "bg1") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FBg1 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 251:
            if (local == "bg2") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FBg2 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 671:
            if (local == "accent1") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FAccent1 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 672:
            if (local == "accent2") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FAccent2 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 673:
            if (local == "accent3") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FAccent3 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 674:
            if (local == "accent4") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FAccent4 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 675:
            if (local == "accent5") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FAccent5 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 676:
            if (local == "accent6") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FAccent6 = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 982:
            if (local == "hyperlink") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FHyperlink = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1810:
            if (local == "followedHyperlink") {
                if (const auto v = StrToTST_WmlColorSchemeIndex(attrs.GetValues(i)))
                    FFollowedHyperlink = *v;
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

void TCT_ColorSchemeMapping::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FBg1)
        writer.AddAttribute("w:bg1", TST_WmlColorSchemeIndexToStr(*FBg1));
    if (FT1)
        writer.AddAttribute("w:t1", TST_WmlColorSchemeIndexToStr(*FT1));
    if (FBg2)
        writer.AddAttribute("w:bg2", TST_WmlColorSchemeIndexToStr(*FBg2));
    if (FT2)
        writer.AddAttribute("w:t2", TST_WmlColorSchemeIndexToStr(*FT2));
    if (FAccent1)
        writer.AddAttribute("w:accent1", TST_WmlColorSchemeIndexToStr(*FAccent1));
    if (FAccent2)
        writer.AddAttribute("w:accent2", TST_WmlColorSchemeIndexToStr(*FAccent2));
    if (FAccent3)
        writer.AddAttribute("w:accent3", TST_WmlColorSchemeIndexToStr(*FAccent3));
    if (FAccent4)
        writer.AddAttribute("w:accent4", TST_WmlColorSchemeIndexToStr(*FAccent4));
    if (FAccent5)
        writer.AddAttribute("w:accent5", TST_WmlColorSchemeIndexToStr(*FAccent5));
    if (FAccent6)
        writer.AddAttribute("w:accent6", TST_WmlColorSchemeIndexToStr(*FAccent6));
    if (FHyperlink)
        writer.AddAttribute("w:hyperlink", TST_WmlColorSchemeIndexToStr(*FHyperlink));
    if (FFollowedHyperlink)
        writer.AddAttribute("w:followedHyperlink", TST_WmlColorSchemeIndexToStr(*FFollowedHyperlink));
}

void TCT_ColorSchemeMapping::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ColorSchemeMapping::Clear()
{
    TNYQBase::Clear();
    FBg1 = {};
    FT1 = {};
    FBg2 = {};
    FT2 = {};
    FAccent1 = {};
    FAccent2 = {};
    FAccent3 = {};
    FAccent4 = {};
    FAccent5 = {};
    FAccent6 = {};
    FHyperlink = {};
    FFollowedHyperlink = {};
    FAny.Clear();
}

void TCT_ColorSchemeMapping::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ColorSchemeMapping*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FBg1 = o->FBg1;
    FT1 = o->FT1;
    FBg2 = o->FBg2;
    FT2 = o->FT2;
    FAccent1 = o->FAccent1;
    FAccent2 = o->FAccent2;
    FAccent3 = o->FAccent3;
    FAccent4 = o->FAccent4;
    FAccent5 = o->FAccent5;
    FAccent6 = o->FAccent6;
    FHyperlink = o->FHyperlink;
    FFollowedHyperlink = o->FFollowedHyperlink;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ColorSchemeMapping::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Empty

TCT_Empty::TCT_Empty() = default;
TCT_Empty::~TCT_Empty() = default;

TNYQBase* TCT_Empty::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Empty::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Empty::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_Empty::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Empty*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Empty::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Captions

TCT_Captions::TCT_Captions() = default;
TCT_Captions::~TCT_Captions() = default;

TCT_AutoCaptions& TCT_Captions::Create_AutoCaptions()
{
    if (!FAutoCaptions) {
        FAutoCaptions = std::make_unique<TCT_AutoCaptions>();
        FAutoCaptions->SetAssigned();
    }
    SetHasChildren();
    return *FAutoCaptions;
}

TNYQBase* TCT_Captions::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 750:
        if (local == "caption") {
            SetHasChildren();
            return &FCaptionList.Add();
        }
        break;
    case 1274:
        if (local == "autoCaptions") {
            return &Create_AutoCaptions();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Captions::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FCaptionList.GetItems())
        NyqWriteChild(writer, "w:caption", *item);
    if (FAutoCaptions && FAutoCaptions->Available())
        NyqWriteChild(writer, "w:autoCaptions", *FAutoCaptions);
    FAny.Write(writer);
}

void TCT_Captions::Clear()
{
    TNYQBase::Clear();
    FCaptionList.Clear();
    FAutoCaptions.reset();
    FAny.Clear();
}

void TCT_Captions::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Captions*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FCaptionList.GetItems())
        FCaptionList.Add().Assign(*item);
    if (o->FAutoCaptions)
        Create_AutoCaptions().Assign(*o->FAutoCaptions);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Captions::HasElements() const
{
    return FCaptionList.Count() > 0 || FAutoCaptions != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ReadingModeInkLockDown

TCT_ReadingModeInkLockDown::TCT_ReadingModeInkLockDown() = default;
TCT_ReadingModeInkLockDown::~TCT_ReadingModeInkLockDown() = default;

TNYQBase* TCT_ReadingModeInkLockDown::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ReadingModeInkLockDown::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 104:
            if (local == "h") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0)
                    FH = static_cast<std::uint64_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 119:
            if (local == "w") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0)
                    FW = static_cast<std::uint64_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 644:
            if (local == "fontSz") {
                FFontSz = attrs.GetValues(i);
                continue;
            }
            break;
        case 817:
            if (local == "actualPg") {
                FActualPg = attrs.GetValues(i);
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

void TCT_ReadingModeInkLockDown::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:actualPg", FActualPg);
    writer.AddAttribute("w:w", std::to_string(FW));
    writer.AddAttribute("w:h", std::to_string(FH));
    writer.AddAttribute("w:fontSz", FFontSz);
}

void TCT_ReadingModeInkLockDown::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ReadingModeInkLockDown::Clear()
{
    TNYQBase::Clear();
    FActualPg = {};
    FW = {};
    FH = {};
    FFontSz = {};
    FAny.Clear();
}

void TCT_ReadingModeInkLockDown::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ReadingModeInkLockDown*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FActualPg = o->FActualPg;
    FW = o->FW;
    FH = o->FH;
    FFontSz = o->FFontSz;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ReadingModeInkLockDown::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SmartTagType

TCT_SmartTagType::TCT_SmartTagType() = default;
TCT_SmartTagType::~TCT_SmartTagType() = default;

TNYQBase* TCT_SmartTagType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SmartTagType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 339:
            if (local == "url") {
                FUrl = attrs.GetValues(i);
                continue;
            }
            break;
        case 417:
            if (local == "name") {
                FName = attrs.GetValues(i);
                continue;
            }
            break;
        case 1277:
            if (local == "namespaceuri") {
                FNamespaceuri = attrs.GetValues(i);
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

void TCT_SmartTagType::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FNamespaceuri)
        writer.AddAttribute("w:namespaceuri", *FNamespaceuri);
    if (FName)
        writer.AddAttribute("w:name", *FName);
    if (FUrl)
        writer.AddAttribute("w:url", *FUrl);
}

void TCT_SmartTagType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SmartTagType::Clear()
{
    TNYQBase::Clear();
    FNamespaceuri = {};
    FName = {};
    FUrl = {};
    FAny.Clear();
}

void TCT_SmartTagType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SmartTagType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FNamespaceuri = o->FNamespaceuri;
    FName = o->FName;
    FUrl = o->FUrl;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SmartTagType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Frameset

namespace {
constexpr std::string_view cTCT_FramesetFChoice1ListNames[] = {"w:frameset", "w:frame"};
}  // namespace

TCT_Frameset::TCT_Frameset() = default;
TCT_Frameset::~TCT_Frameset() = default;

TCT_String& TCT_Frameset::Create_Sz()
{
    if (!FSz) {
        FSz = std::make_unique<TCT_String>();
        FSz->SetAssigned();
    }
    SetHasChildren();
    return *FSz;
}

TCT_FramesetSplitbar& TCT_Frameset::Create_FramesetSplitbar()
{
    if (!FFramesetSplitbar) {
        FFramesetSplitbar = std::make_unique<TCT_FramesetSplitbar>();
        FFramesetSplitbar->SetAssigned();
    }
    SetHasChildren();
    return *FFramesetSplitbar;
}

TCT_FrameLayout& TCT_Frameset::Create_FrameLayout()
{
    if (!FFrameLayout) {
        FFrameLayout = std::make_unique<TCT_FrameLayout>();
        FFrameLayout->SetAssigned();
    }
    SetHasChildren();
    return *FFrameLayout;
}

TCT_String& TCT_Frameset::Create_Title()
{
    if (!FTitle) {
        FTitle = std::make_unique<TCT_String>();
        FTitle->SetAssigned();
    }
    SetHasChildren();
    return *FTitle;
}

TNYQBase* TCT_Frameset::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 237:
        if (local == "sz") {
            return &Create_Sz();
        }
        break;
    case 523:
        if (local == "frame") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Frame>(1);
        }
        break;
    case 546:
        if (local == "title") {
            return &Create_Title();
        }
        break;
    case 855:
        if (local == "frameset") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Frameset>(0);
        }
        break;
    case 1161:
        if (local == "frameLayout") {
            return &Create_FrameLayout();
        }
        break;
    case 1688:
        if (local == "framesetSplitbar") {
            return &Create_FramesetSplitbar();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Frameset::Write(TNyqWriteXML& writer) const
{
    if (FSz && FSz->Available())
        NyqWriteChild(writer, "w:sz", *FSz);
    if (FFramesetSplitbar && FFramesetSplitbar->Available())
        NyqWriteChild(writer, "w:framesetSplitbar", *FFramesetSplitbar);
    if (FFrameLayout && FFrameLayout->Available())
        NyqWriteChild(writer, "w:frameLayout", *FFrameLayout);
    if (FTitle && FTitle->Available())
        NyqWriteChild(writer, "w:title", *FTitle);
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_FramesetFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Frameset::Clear()
{
    TNYQBase::Clear();
    FSz.reset();
    FFramesetSplitbar.reset();
    FFrameLayout.reset();
    FTitle.reset();
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_Frameset::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Frameset*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FSz)
        Create_Sz().Assign(*o->FSz);
    if (o->FFramesetSplitbar)
        Create_FramesetSplitbar().Assign(*o->FFramesetSplitbar);
    if (o->FFrameLayout)
        Create_FrameLayout().Assign(*o->FFrameLayout);
    if (o->FTitle)
        Create_Title().Assign(*o->FTitle);
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Frameset>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Frame>(1).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Frameset::HasElements() const
{
    return FSz != nullptr || FFramesetSplitbar != nullptr || FFrameLayout != nullptr || FTitle != nullptr || FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Divs

TCT_Divs::TCT_Divs() = default;
TCT_Divs::~TCT_Divs() = default;

TNYQBase* TCT_Divs::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 323:
        if (local == "div") {
            SetHasChildren();
            return &FDivList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Divs::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FDivList.GetItems())
        NyqWriteChild(writer, "w:div", *item);
    FAny.Write(writer);
}

void TCT_Divs::Clear()
{
    TNYQBase::Clear();
    FDivList.Clear();
    FAny.Clear();
}

void TCT_Divs::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Divs*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FDivList.GetItems())
        FDivList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Divs::HasElements() const
{
    return FDivList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_OptimizeForBrowser

TCT_OptimizeForBrowser::TCT_OptimizeForBrowser() = default;
TCT_OptimizeForBrowser::~TCT_OptimizeForBrowser() = default;

TNYQBase* TCT_OptimizeForBrowser::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_OptimizeForBrowser::AssignAttributes(TNYQReader& reader)
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
        case 647:
            if (local == "target") {
                FTarget = attrs.GetValues(i);
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

void TCT_OptimizeForBrowser::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
    if (FTarget)
        writer.AddAttribute("w:target", *FTarget);
}

void TCT_OptimizeForBrowser::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_OptimizeForBrowser::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FTarget = {};
    FAny.Clear();
}

void TCT_OptimizeForBrowser::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_OptimizeForBrowser*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FTarget = o->FTarget;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_OptimizeForBrowser::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TargetScreenSz

TCT_TargetScreenSz::TCT_TargetScreenSz() = default;
TCT_TargetScreenSz::~TCT_TargetScreenSz() = default;

TNYQBase* TCT_TargetScreenSz::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TargetScreenSz::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_TargetScreenSz(attrs.GetValues(i)))
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

void TCT_TargetScreenSz::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_TargetScreenSzToStr(FVal));
}

void TCT_TargetScreenSz::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TargetScreenSz::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_TargetScreenSz::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TargetScreenSz*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TargetScreenSz::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Font

TCT_Font::TCT_Font() = default;
TCT_Font::~TCT_Font() = default;

TCT_String& TCT_Font::Create_AltName()
{
    if (!FAltName) {
        FAltName = std::make_unique<TCT_String>();
        FAltName->SetAssigned();
    }
    SetHasChildren();
    return *FAltName;
}

TCT_Panose& TCT_Font::Create_Panose1()
{
    if (!FPanose1) {
        FPanose1 = std::make_unique<TCT_Panose>();
        FPanose1->SetAssigned();
    }
    SetHasChildren();
    return *FPanose1;
}

TCT_Charset& TCT_Font::Create_Charset()
{
    if (!FCharset) {
        FCharset = std::make_unique<TCT_Charset>();
        FCharset->SetAssigned();
    }
    SetHasChildren();
    return *FCharset;
}

TCT_FontFamily& TCT_Font::Create_Family()
{
    if (!FFamily) {
        FFamily = std::make_unique<TCT_FontFamily>();
        FFamily->SetAssigned();
    }
    SetHasChildren();
    return *FFamily;
}

TCT_OnOff& TCT_Font::Create_NotTrueType()
{
    if (!FNotTrueType) {
        FNotTrueType = std::make_unique<TCT_OnOff>();
        FNotTrueType->SetAssigned();
    }
    SetHasChildren();
    return *FNotTrueType;
}

TCT_Pitch& TCT_Font::Create_Pitch()
{
    if (!FPitch) {
        FPitch = std::make_unique<TCT_Pitch>();
        FPitch->SetAssigned();
    }
    SetHasChildren();
    return *FPitch;
}

TCT_FontSig& TCT_Font::Create_Sig()
{
    if (!FSig) {
        FSig = std::make_unique<TCT_FontSig>();
        FSig->SetAssigned();
    }
    SetHasChildren();
    return *FSig;
}

TCT_FontRel& TCT_Font::Create_EmbedRegular()
{
    if (!FEmbedRegular) {
        FEmbedRegular = std::make_unique<TCT_FontRel>();
        FEmbedRegular->SetAssigned();
    }
    SetHasChildren();
    return *FEmbedRegular;
}

TCT_FontRel& TCT_Font::Create_EmbedBold()
{
    if (!FEmbedBold) {
        FEmbedBold = std::make_unique<TCT_FontRel>();
        FEmbedBold->SetAssigned();
    }
    SetHasChildren();
    return *FEmbedBold;
}

TCT_FontRel& TCT_Font::Create_EmbedItalic()
{
    if (!FEmbedItalic) {
        FEmbedItalic = std::make_unique<TCT_FontRel>();
        FEmbedItalic->SetAssigned();
    }
    SetHasChildren();
    return *FEmbedItalic;
}

TCT_FontRel& TCT_Font::Create_EmbedBoldItalic()
{
    if (!FEmbedBoldItalic) {
        FEmbedBoldItalic = std::make_unique<TCT_FontRel>();
        FEmbedBoldItalic->SetAssigned();
    }
    SetHasChildren();
    return *FEmbedBoldItalic;
}

TNYQBase* TCT_Font::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 323:
        if (local == "sig") {
            return &Create_Sig();
        }
        break;
    case 536:
        if (local == "pitch") {
            return &Create_Pitch();
        }
        break;
    case 642:
        if (local == "family") {
            return &Create_Family();
        }
        break;
    case 695:
        if (local == "panose1") {
            return &Create_Panose1();
        }
        break;
    case 706:
        if (local == "altName") {
            return &Create_AltName();
        }
        break;
    case 746:
        if (local == "charset") {
            return &Create_Charset();
        }
        break;
    case 894:
        if (local == "embedBold") {
            return &Create_EmbedBold();
        }
        break;
    case 1107:
        if (local == "embedItalic") {
            return &Create_EmbedItalic();
        }
        break;
    case 1171:
        if (local == "notTrueType") {
            return &Create_NotTrueType();
        }
        break;
    case 1231:
        if (local == "embedRegular") {
            return &Create_EmbedRegular();
        }
        break;
    case 1492:
        if (local == "embedBoldItalic") {
            return &Create_EmbedBoldItalic();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Font::AssignAttributes(TNYQReader& reader)
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
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Font::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:name", FName);
}

void TCT_Font::Write(TNyqWriteXML& writer) const
{
    if (FAltName && FAltName->Available())
        NyqWriteChild(writer, "w:altName", *FAltName);
    if (FPanose1 && FPanose1->Available())
        NyqWriteChild(writer, "w:panose1", *FPanose1);
    if (FCharset && FCharset->Available())
        NyqWriteChild(writer, "w:charset", *FCharset);
    if (FFamily && FFamily->Available())
        NyqWriteChild(writer, "w:family", *FFamily);
    if (FNotTrueType && FNotTrueType->Available())
        NyqWriteChild(writer, "w:notTrueType", *FNotTrueType);
    if (FPitch && FPitch->Available())
        NyqWriteChild(writer, "w:pitch", *FPitch);
    if (FSig && FSig->Available())
        NyqWriteChild(writer, "w:sig", *FSig);
    if (FEmbedRegular && FEmbedRegular->Available())
        NyqWriteChild(writer, "w:embedRegular", *FEmbedRegular);
    if (FEmbedBold && FEmbedBold->Available())
        NyqWriteChild(writer, "w:embedBold", *FEmbedBold);
    if (FEmbedItalic && FEmbedItalic->Available())
        NyqWriteChild(writer, "w:embedItalic", *FEmbedItalic);
    if (FEmbedBoldItalic && FEmbedBoldItalic->Available())
        NyqWriteChild(writer, "w:embedBoldItalic", *FEmbedBoldItalic);
    FAny.Write(writer);
}

void TCT_Font::Clear()
{
    TNYQBase::Clear();
    FName = {};
    FAltName.reset();
    FPanose1.reset();
    FCharset.reset();
    FFamily.reset();
    FNotTrueType.reset();
    FPitch.reset();
    FSig.reset();
    FEmbedRegular.reset();
    FEmbedBold.reset();
    FEmbedItalic.reset();
    FEmbedBoldItalic.reset();
    FAny.Clear();
}

void TCT_Font::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Font*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FName = o->FName;
    if (o->FAltName)
        Create_AltName().Assign(*o->FAltName);
    if (o->FPanose1)
        Create_Panose1().Assign(*o->FPanose1);
    if (o->FCharset)
        Create_Charset().Assign(*o->FCharset);
    if (o->FFamily)
        Create_Family().Assign(*o->FFamily);
    if (o->FNotTrueType)
        Create_NotTrueType().Assign(*o->FNotTrueType);
    if (o->FPitch)
        Create_Pitch().Assign(*o->FPitch);
    if (o->FSig)
        Create_Sig().Assign(*o->FSig);
    if (o->FEmbedRegular)
        Create_EmbedRegular().Assign(*o->FEmbedRegular);
    if (o->FEmbedBold)
        Create_EmbedBold().Assign(*o->FEmbedBold);
    if (o->FEmbedItalic)
        Create_EmbedItalic().Assign(*o->FEmbedItalic);
    if (o->FEmbedBoldItalic)
        Create_EmbedBoldItalic().Assign(*o->FEmbedBoldItalic);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Font::HasElements() const
{
    return FAltName != nullptr || FPanose1 != nullptr || FCharset != nullptr || FFamily != nullptr || FNotTrueType != nullptr || FPitch != nullptr || FSig != nullptr || FEmbedRegular != nullptr || FEmbedBold != nullptr || FEmbedItalic != nullptr || FEmbedBoldItalic != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FtnEdn

namespace {
constexpr std::string_view cTCT_FtnEdnFEG_BlockLevelEltsListNames[] = {"w:customXml", "w:sdt", "w:p", "w:tbl", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:altChunk"};
}  // namespace

TCT_FtnEdn::TCT_FtnEdn() = default;
TCT_FtnEdn::~TCT_FtnEdn() = default;

TNYQBase* TCT_FtnEdn::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 112:
        if (local == "p") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_P>(2);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 322:
        if (local == "tbl") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Tbl>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_SdtBlock>(1);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TNYQAnyElement>(28);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Perm>(6);
        }
        break;
    case 826:
        if (local == "altChunk") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_AltChunk>(29);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_ProofErr>(4);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TNYQAnyElement>(27);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_PermStart>(5);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_CustomXmlBlock>(0);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(8);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Bookmark>(7);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(9);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(18);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(16);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(15);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(22);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(20);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(21);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(19);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FtnEdn::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_FtnEdn(attrs.GetValues(i)))
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

void TCT_FtnEdn::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("w:type", TST_FtnEdnToStr(*FType));
    writer.AddAttribute("w:id", XmlIntToStr(FId));
}

void TCT_FtnEdn::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_BlockLevelEltsList.GetItems())
        NyqWriteChild(writer, cTCT_FtnEdnFEG_BlockLevelEltsListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_FtnEdn::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FId = {};
    FEG_BlockLevelEltsList.Clear();
    FAny.Clear();
}

void TCT_FtnEdn::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FtnEdn*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FId = o->FId;
    for (const auto& item : o->FEG_BlockLevelEltsList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_BlockLevelEltsList.Add<TCT_CustomXmlBlock>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_BlockLevelEltsList.Add<TCT_SdtBlock>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_BlockLevelEltsList.Add<TCT_P>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_BlockLevelEltsList.Add<TCT_Tbl>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_BlockLevelEltsList.Add<TCT_ProofErr>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_BlockLevelEltsList.Add<TCT_PermStart>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_BlockLevelEltsList.Add<TCT_Perm>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_BlockLevelEltsList.Add<TCT_Bookmark>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_BlockLevelEltsList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_BlockLevelEltsList.Add<TNYQAnyElement>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_BlockLevelEltsList.Add<TCT_AltChunk>(29).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FtnEdn::HasElements() const
{
    return FEG_BlockLevelEltsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Comment

namespace {
constexpr std::string_view cTCT_CommentFEG_BlockLevelEltsListNames[] = {"w:customXml", "w:sdt", "w:p", "w:tbl", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:altChunk"};
}  // namespace

TCT_Comment::TCT_Comment() = default;
TCT_Comment::~TCT_Comment() = default;

TNYQBase* TCT_Comment::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 112:
        if (local == "p") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_P>(2);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 322:
        if (local == "tbl") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Tbl>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_SdtBlock>(1);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TNYQAnyElement>(28);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Perm>(6);
        }
        break;
    case 826:
        if (local == "altChunk") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_AltChunk>(29);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_ProofErr>(4);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TNYQAnyElement>(27);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_PermStart>(5);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_CustomXmlBlock>(0);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(8);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Bookmark>(7);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(9);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(18);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(16);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(15);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(22);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(20);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(21);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(19);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Comment::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 414:
            if (local == "date") {
                if (const auto v = XmlTryStrToDateTime(attrs.GetValues(i)))
                    FDate = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 659:
            if (local == "author") {
                FAuthor = attrs.GetValues(i);
                continue;
            }
            break;
        case 861:
            if (local == "initials") {
                FInitials = attrs.GetValues(i);
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

void TCT_Comment::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
    if (FInitials)
        writer.AddAttribute("w:initials", *FInitials);
}

void TCT_Comment::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_BlockLevelEltsList.GetItems())
        NyqWriteChild(writer, cTCT_CommentFEG_BlockLevelEltsListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Comment::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FInitials = {};
    FEG_BlockLevelEltsList.Clear();
    FAny.Clear();
}

void TCT_Comment::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Comment*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    FInitials = o->FInitials;
    for (const auto& item : o->FEG_BlockLevelEltsList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_BlockLevelEltsList.Add<TCT_CustomXmlBlock>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_BlockLevelEltsList.Add<TCT_SdtBlock>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_BlockLevelEltsList.Add<TCT_P>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_BlockLevelEltsList.Add<TCT_Tbl>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_BlockLevelEltsList.Add<TCT_ProofErr>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_BlockLevelEltsList.Add<TCT_PermStart>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_BlockLevelEltsList.Add<TCT_Perm>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_BlockLevelEltsList.Add<TCT_Bookmark>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_BlockLevelEltsList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_BlockLevelEltsList.Add<TNYQAnyElement>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_BlockLevelEltsList.Add<TCT_AltChunk>(29).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Comment::HasElements() const
{
    return FEG_BlockLevelEltsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CustomXmlBlock

namespace {
constexpr std::string_view cTCT_CustomXmlBlockFEG_ContentBlockContentListNames[] = {"w:customXml", "w:sdt", "w:p", "w:tbl", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_CustomXmlBlock::TCT_CustomXmlBlock() = default;
TCT_CustomXmlBlock::~TCT_CustomXmlBlock() = default;

TCT_CustomXmlPr& TCT_CustomXmlBlock::Create_CustomXmlPr()
{
    if (!FCustomXmlPr) {
        FCustomXmlPr = std::make_unique<TCT_CustomXmlPr>();
        FCustomXmlPr->SetAssigned();
    }
    SetHasChildren();
    return *FCustomXmlPr;
}

TNYQBase* TCT_CustomXmlBlock::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 112:
        if (local == "p") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_P>(2);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 322:
        if (local == "tbl") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Tbl>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_SdtBlock>(1);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TNYQAnyElement>(28);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Perm>(6);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_ProofErr>(4);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TNYQAnyElement>(27);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_PermStart>(5);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_CustomXmlBlock>(0);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(8);
        }
        break;
    case 1166:
        if (local == "customXmlPr") {
            return &Create_CustomXmlPr();
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Bookmark>(7);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MoveBookmark>(9);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Markup>(18);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Markup>(16);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_TrackChange>(15);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Markup>(22);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Markup>(20);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_TrackChange>(21);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_TrackChange>(19);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CustomXmlBlock::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 336:
            if (local == "uri") {
                FUri = attrs.GetValues(i);
                continue;
            }
            break;
        case 746:
            if (local == "element") {
                FElement = attrs.GetValues(i);
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

void TCT_CustomXmlBlock::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FUri)
        writer.AddAttribute("w:uri", *FUri);
    writer.AddAttribute("w:element", FElement);
}

void TCT_CustomXmlBlock::Write(TNyqWriteXML& writer) const
{
    if (FCustomXmlPr && FCustomXmlPr->Available())
        NyqWriteChild(writer, "w:customXmlPr", *FCustomXmlPr);
    for (const auto& item : FEG_ContentBlockContentList.GetItems())
        NyqWriteChild(writer, cTCT_CustomXmlBlockFEG_ContentBlockContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_CustomXmlBlock::Clear()
{
    TNYQBase::Clear();
    FUri = {};
    FElement = {};
    FCustomXmlPr.reset();
    FEG_ContentBlockContentList.Clear();
    FAny.Clear();
}

void TCT_CustomXmlBlock::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CustomXmlBlock*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUri = o->FUri;
    FElement = o->FElement;
    if (o->FCustomXmlPr)
        Create_CustomXmlPr().Assign(*o->FCustomXmlPr);
    for (const auto& item : o->FEG_ContentBlockContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ContentBlockContentList.Add<TCT_CustomXmlBlock>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ContentBlockContentList.Add<TCT_SdtBlock>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ContentBlockContentList.Add<TCT_P>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ContentBlockContentList.Add<TCT_Tbl>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ContentBlockContentList.Add<TCT_ProofErr>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ContentBlockContentList.Add<TCT_PermStart>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ContentBlockContentList.Add<TCT_Perm>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ContentBlockContentList.Add<TCT_Bookmark>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ContentBlockContentList.Add<TCT_MoveBookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ContentBlockContentList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ContentBlockContentList.Add<TCT_TrackChange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ContentBlockContentList.Add<TCT_Markup>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ContentBlockContentList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ContentBlockContentList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ContentBlockContentList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ContentBlockContentList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ContentBlockContentList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ContentBlockContentList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ContentBlockContentList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_ContentBlockContentList.Add<TNYQAnyElement>(28).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CustomXmlBlock::HasElements() const
{
    return FCustomXmlPr != nullptr || FEG_ContentBlockContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtBlock

TCT_SdtBlock::TCT_SdtBlock() = default;
TCT_SdtBlock::~TCT_SdtBlock() = default;

TCT_SdtPr& TCT_SdtBlock::Create_SdtPr()
{
    if (!FSdtPr) {
        FSdtPr = std::make_unique<TCT_SdtPr>();
        FSdtPr->SetAssigned();
    }
    SetHasChildren();
    return *FSdtPr;
}

TCT_SdtEndPr& TCT_SdtBlock::Create_SdtEndPr()
{
    if (!FSdtEndPr) {
        FSdtEndPr = std::make_unique<TCT_SdtEndPr>();
        FSdtEndPr->SetAssigned();
    }
    SetHasChildren();
    return *FSdtEndPr;
}

TCT_SdtContentBlock& TCT_SdtBlock::Create_SdtContent()
{
    if (!FSdtContent) {
        FSdtContent = std::make_unique<TCT_SdtContentBlock>();
        FSdtContent->SetAssigned();
    }
    SetHasChildren();
    return *FSdtContent;
}

TNYQBase* TCT_SdtBlock::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 525:
        if (local == "sdtPr") {
            return &Create_SdtPr();
        }
        break;
    case 804:
        if (local == "sdtEndPr") {
            return &Create_SdtEndPr();
        }
        break;
    case 1062:
        if (local == "sdtContent") {
            return &Create_SdtContent();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtBlock::Write(TNyqWriteXML& writer) const
{
    if (FSdtPr && FSdtPr->Available())
        NyqWriteChild(writer, "w:sdtPr", *FSdtPr);
    if (FSdtEndPr && FSdtEndPr->Available())
        NyqWriteChild(writer, "w:sdtEndPr", *FSdtEndPr);
    if (FSdtContent && FSdtContent->Available())
        NyqWriteChild(writer, "w:sdtContent", *FSdtContent);
    FAny.Write(writer);
}

void TCT_SdtBlock::Clear()
{
    TNYQBase::Clear();
    FSdtPr.reset();
    FSdtEndPr.reset();
    FSdtContent.reset();
    FAny.Clear();
}

void TCT_SdtBlock::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtBlock*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FSdtPr)
        Create_SdtPr().Assign(*o->FSdtPr);
    if (o->FSdtEndPr)
        Create_SdtEndPr().Assign(*o->FSdtEndPr);
    if (o->FSdtContent)
        Create_SdtContent().Assign(*o->FSdtContent);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtBlock::HasElements() const
{
    return FSdtPr != nullptr || FSdtEndPr != nullptr || FSdtContent != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_P

namespace {
constexpr std::string_view cTCT_PFEG_PContentListNames[] = {"w:customXml", "w:smartTag", "w:sdt", "w:dir", "w:bdo", "w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:fldSimple", "w:hyperlink", "w:subDoc"};
}  // namespace

TCT_P::TCT_P() = default;
TCT_P::~TCT_P() = default;

TCT_PPr& TCT_P::Create_PPr()
{
    if (!FPPr) {
        FPPr = std::make_unique<TCT_PPr>();
        FPPr->SetAssigned();
    }
    SetHasChildren();
    return *FPPr;
}

TNYQBase* TCT_P::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_R>(5);
        }
        break;
    case 306:
        if (local == "pPr") {
            return &Create_PPr();
        }
        break;
    case 309:
        if (local == "bdo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_BdoContentRun>(4);
        }
        if (local == "del") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 319:
        if (local == "dir") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_DirContentRun>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SdtRun>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(30);
        }
        break;
    case 608:
        if (local == "subDoc") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Rel>(33);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(28);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Perm>(8);
        }
        break;
    case 835:
        if (local == "smartTag") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SmartTagRun>(1);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(27);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_ProofErr>(6);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(29);
        }
        break;
    case 928:
        if (local == "fldSimple") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SimpleField>(31);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_PermStart>(7);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_CustomXmlRun>(0);
        }
        break;
    case 982:
        if (local == "hyperlink") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Hyperlink>(32);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Bookmark>(9);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(16);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(13);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(15);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(20);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(18);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(19);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(24);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(22);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(23);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(21);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_P::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 514:
            if (local == "rsidP") {
                FRsidP = attrs.GetValues(i);
                continue;
            }
            break;
        case 516:
            if (local == "rsidR") {
                FRsidR = attrs.GetValues(i);
                continue;
            }
            break;
        case 710:
            if (local == "rsidRPr") {
                FRsidRPr = attrs.GetValues(i);
                continue;
            }
            break;
        case 711:
            if (local == "rsidDel") {
                FRsidDel = attrs.GetValues(i);
                continue;
            }
            break;
        case 1225:
            if (local == "rsidRDefault") {
                FRsidRDefault = attrs.GetValues(i);
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

void TCT_P::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FRsidRPr)
        writer.AddAttribute("w:rsidRPr", *FRsidRPr);
    if (FRsidR)
        writer.AddAttribute("w:rsidR", *FRsidR);
    if (FRsidDel)
        writer.AddAttribute("w:rsidDel", *FRsidDel);
    if (FRsidP)
        writer.AddAttribute("w:rsidP", *FRsidP);
    if (FRsidRDefault)
        writer.AddAttribute("w:rsidRDefault", *FRsidRDefault);
}

void TCT_P::Write(TNyqWriteXML& writer) const
{
    if (FPPr && FPPr->Available())
        NyqWriteChild(writer, "w:pPr", *FPPr);
    for (const auto& item : FEG_PContentList.GetItems())
        NyqWriteChild(writer, cTCT_PFEG_PContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_P::Clear()
{
    TNYQBase::Clear();
    FRsidRPr = {};
    FRsidR = {};
    FRsidDel = {};
    FRsidP = {};
    FRsidRDefault = {};
    FPPr.reset();
    FEG_PContentList.Clear();
    FAny.Clear();
}

void TCT_P::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_P*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRsidRPr = o->FRsidRPr;
    FRsidR = o->FRsidR;
    FRsidDel = o->FRsidDel;
    FRsidP = o->FRsidP;
    FRsidRDefault = o->FRsidRDefault;
    if (o->FPPr)
        Create_PPr().Assign(*o->FPPr);
    for (const auto& item : o->FEG_PContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_PContentList.Add<TCT_CustomXmlRun>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_PContentList.Add<TCT_SmartTagRun>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_PContentList.Add<TCT_SdtRun>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_PContentList.Add<TCT_DirContentRun>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_PContentList.Add<TCT_BdoContentRun>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_PContentList.Add<TCT_R>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_PContentList.Add<TCT_ProofErr>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_PContentList.Add<TCT_PermStart>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_PContentList.Add<TCT_Perm>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_PContentList.Add<TCT_Bookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_PContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_PContentList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_PContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_PContentList.Add<TCT_MoveBookmark>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_PContentList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_PContentList.Add<TCT_MarkupRange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_PContentList.Add<TCT_MarkupRange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_PContentList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_PContentList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_PContentList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_PContentList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_PContentList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_PContentList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_PContentList.Add<TCT_TrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_PContentList.Add<TCT_Markup>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_PContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_PContentList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_PContentList.Add<TCT_RunTrackChange>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_PContentList.Add<TCT_RunTrackChange>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_PContentList.Add<TNYQAnyElement>(29).Assign(*item.Object);
            break;
        case 30:
            FEG_PContentList.Add<TNYQAnyElement>(30).Assign(*item.Object);
            break;
        case 31:
            FEG_PContentList.Add<TCT_SimpleField>(31).Assign(*item.Object);
            break;
        case 32:
            FEG_PContentList.Add<TCT_Hyperlink>(32).Assign(*item.Object);
            break;
        case 33:
            FEG_PContentList.Add<TCT_Rel>(33).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_P::HasElements() const
{
    return FPPr != nullptr || FEG_PContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Tbl

namespace {
constexpr std::string_view cTCT_TblFEG_RangeMarkupElementsListNames[] = {"w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd"};
}  // namespace

namespace {
constexpr std::string_view cTCT_TblFEG_ContentRowContentListNames[] = {"w:tr", "w:customXml", "w:sdt", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_Tbl::TCT_Tbl() = default;
TCT_Tbl::~TCT_Tbl() = default;

TCT_TblPr& TCT_Tbl::Create_TblPr()
{
    if (!FTblPr) {
        FTblPr = std::make_unique<TCT_TblPr>();
        FTblPr->SetAssigned();
    }
    SetHasChildren();
    return *FTblPr;
}

TCT_TblGrid& TCT_Tbl::Create_TblGrid()
{
    if (!FTblGrid) {
        FTblGrid = std::make_unique<TCT_TblGrid>();
        FTblGrid->SetAssigned();
    }
    SetHasChildren();
    return *FTblGrid;
}

TNYQBase* TCT_Tbl::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 230:
        if (local == "tr") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Row>(0);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_RunTrackChange>(22);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_SdtRow>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TNYQAnyElement>(27);
        }
        break;
    case 516:
        if (local == "tblPr") {
            return &Create_TblPr();
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 712:
        if (local == "tblGrid") {
            return &Create_TblGrid();
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Perm>(5);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_ProofErr>(3);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TNYQAnyElement>(26);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_PermStart>(4);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_CustomXmlRow>(1);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(1);
        }
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(7);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_Bookmark>(0);
        }
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Bookmark>(6);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(5);
        }
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(11);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(7);
        }
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(3);
        }
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(9);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_MoveBookmark>(4);
        }
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MoveBookmark>(10);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(6);
        }
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_MoveBookmark>(2);
        }
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MoveBookmark>(8);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_Markup>(11);
        }
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(17);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_Markup>(9);
        }
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(15);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_TrackChange>(10);
        }
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(16);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_TrackChange>(8);
        }
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(14);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_Markup>(15);
        }
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(21);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_Markup>(13);
        }
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(19);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_TrackChange>(14);
        }
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(20);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_RangeMarkupElementsList.Add<TCT_TrackChange>(12);
        }
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(18);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Tbl::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_RangeMarkupElementsList.GetItems())
        NyqWriteChild(writer, cTCT_TblFEG_RangeMarkupElementsListNames[item.Element], *item.Object);
    if (FTblPr && FTblPr->Available())
        NyqWriteChild(writer, "w:tblPr", *FTblPr);
    if (FTblGrid && FTblGrid->Available())
        NyqWriteChild(writer, "w:tblGrid", *FTblGrid);
    for (const auto& item : FEG_ContentRowContentList.GetItems())
        NyqWriteChild(writer, cTCT_TblFEG_ContentRowContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Tbl::Clear()
{
    TNYQBase::Clear();
    FEG_RangeMarkupElementsList.Clear();
    FTblPr.reset();
    FTblGrid.reset();
    FEG_ContentRowContentList.Clear();
    FAny.Clear();
}

void TCT_Tbl::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Tbl*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FEG_RangeMarkupElementsList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_RangeMarkupElementsList.Add<TCT_Bookmark>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_RangeMarkupElementsList.Add<TCT_MoveBookmark>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_RangeMarkupElementsList.Add<TCT_MoveBookmark>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_RangeMarkupElementsList.Add<TCT_MarkupRange>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_RangeMarkupElementsList.Add<TCT_TrackChange>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_RangeMarkupElementsList.Add<TCT_Markup>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_RangeMarkupElementsList.Add<TCT_TrackChange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_RangeMarkupElementsList.Add<TCT_Markup>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_RangeMarkupElementsList.Add<TCT_TrackChange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_RangeMarkupElementsList.Add<TCT_Markup>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_RangeMarkupElementsList.Add<TCT_TrackChange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_RangeMarkupElementsList.Add<TCT_Markup>(15).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    if (o->FTblPr)
        Create_TblPr().Assign(*o->FTblPr);
    if (o->FTblGrid)
        Create_TblGrid().Assign(*o->FTblGrid);
    for (const auto& item : o->FEG_ContentRowContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ContentRowContentList.Add<TCT_Row>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ContentRowContentList.Add<TCT_CustomXmlRow>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ContentRowContentList.Add<TCT_SdtRow>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ContentRowContentList.Add<TCT_ProofErr>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ContentRowContentList.Add<TCT_PermStart>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ContentRowContentList.Add<TCT_Perm>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ContentRowContentList.Add<TCT_Bookmark>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ContentRowContentList.Add<TCT_MoveBookmark>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ContentRowContentList.Add<TCT_MoveBookmark>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ContentRowContentList.Add<TCT_TrackChange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ContentRowContentList.Add<TCT_Markup>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ContentRowContentList.Add<TCT_TrackChange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ContentRowContentList.Add<TCT_Markup>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ContentRowContentList.Add<TCT_TrackChange>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ContentRowContentList.Add<TCT_Markup>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ContentRowContentList.Add<TCT_TrackChange>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ContentRowContentList.Add<TCT_Markup>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ContentRowContentList.Add<TCT_RunTrackChange>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ContentRowContentList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ContentRowContentList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ContentRowContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ContentRowContentList.Add<TNYQAnyElement>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ContentRowContentList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Tbl::HasElements() const
{
    return FEG_RangeMarkupElementsList.Count() > 0 || FTblPr != nullptr || FTblGrid != nullptr || FEG_ContentRowContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ProofErr

TCT_ProofErr::TCT_ProofErr() = default;
TCT_ProofErr::~TCT_ProofErr() = default;

TNYQBase* TCT_ProofErr::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ProofErr::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_ProofErr(attrs.GetValues(i)))
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

void TCT_ProofErr::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:type", TST_ProofErrToStr(FType));
}

void TCT_ProofErr::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ProofErr::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FAny.Clear();
}

void TCT_ProofErr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ProofErr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ProofErr::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PermStart

TCT_PermStart::TCT_PermStart() = default;
TCT_PermStart::~TCT_PermStart() = default;

TNYQBase* TCT_PermStart::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PermStart::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 201:
            if (local == "ed") {
                FEd = attrs.GetValues(i);
                continue;
            }
            break;
        case 205:
            if (local == "id") {
                FId = attrs.GetValues(i);
                continue;
            }
            break;
        case 498:
            if (local == "edGrp") {
                if (const auto v = StrToTST_EdGrp(attrs.GetValues(i)))
                    FEdGrp = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 722:
            if (local == "colLast") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FColLast = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 838:
            if (local == "colFirst") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FColFirst = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 2064:
            if (local == "displacedByCustomXml") {
                if (const auto v = StrToTST_DisplacedByCustomXml(attrs.GetValues(i)))
                    FDisplacedByCustomXml = *v;
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

void TCT_PermStart::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", FId);
    if (FDisplacedByCustomXml)
        writer.AddAttribute("w:displacedByCustomXml", TST_DisplacedByCustomXmlToStr(*FDisplacedByCustomXml));
    if (FEdGrp)
        writer.AddAttribute("w:edGrp", TST_EdGrpToStr(*FEdGrp));
    if (FEd)
        writer.AddAttribute("w:ed", *FEd);
    if (FColFirst)
        writer.AddAttribute("w:colFirst", XmlIntToStr(*FColFirst));
    if (FColLast)
        writer.AddAttribute("w:colLast", XmlIntToStr(*FColLast));
}

void TCT_PermStart::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PermStart::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FDisplacedByCustomXml = {};
    FEdGrp = {};
    FEd = {};
    FColFirst = {};
    FColLast = {};
    FAny.Clear();
}

void TCT_PermStart::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PermStart*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FDisplacedByCustomXml = o->FDisplacedByCustomXml;
    FEdGrp = o->FEdGrp;
    FEd = o->FEd;
    FColFirst = o->FColFirst;
    FColLast = o->FColLast;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PermStart::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Perm

TCT_Perm::TCT_Perm() = default;
TCT_Perm::~TCT_Perm() = default;

TNYQBase* TCT_Perm::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Perm::AssignAttributes(TNYQReader& reader)
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
        case 2064:
            if (local == "displacedByCustomXml") {
                if (const auto v = StrToTST_DisplacedByCustomXml(attrs.GetValues(i)))
                    FDisplacedByCustomXml = *v;
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

void TCT_Perm::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", FId);
    if (FDisplacedByCustomXml)
        writer.AddAttribute("w:displacedByCustomXml", TST_DisplacedByCustomXmlToStr(*FDisplacedByCustomXml));
}

void TCT_Perm::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Perm::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FDisplacedByCustomXml = {};
    FAny.Clear();
}

void TCT_Perm::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Perm*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FDisplacedByCustomXml = o->FDisplacedByCustomXml;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Perm::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Bookmark

TCT_Bookmark::TCT_Bookmark() = default;
TCT_Bookmark::~TCT_Bookmark() = default;

TNYQBase* TCT_Bookmark::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Bookmark::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
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
        case 722:
            if (local == "colLast") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FColLast = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 838:
            if (local == "colFirst") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FColFirst = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 2064:
            if (local == "displacedByCustomXml") {
                if (const auto v = StrToTST_DisplacedByCustomXml(attrs.GetValues(i)))
                    FDisplacedByCustomXml = *v;
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

void TCT_Bookmark::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    if (FDisplacedByCustomXml)
        writer.AddAttribute("w:displacedByCustomXml", TST_DisplacedByCustomXmlToStr(*FDisplacedByCustomXml));
    if (FColFirst)
        writer.AddAttribute("w:colFirst", XmlIntToStr(*FColFirst));
    if (FColLast)
        writer.AddAttribute("w:colLast", XmlIntToStr(*FColLast));
    writer.AddAttribute("w:name", FName);
}

void TCT_Bookmark::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Bookmark::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FDisplacedByCustomXml = {};
    FColFirst = {};
    FColLast = {};
    FName = {};
    FAny.Clear();
}

void TCT_Bookmark::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Bookmark*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FDisplacedByCustomXml = o->FDisplacedByCustomXml;
    FColFirst = o->FColFirst;
    FColLast = o->FColLast;
    FName = o->FName;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Bookmark::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MarkupRange

TCT_MarkupRange::TCT_MarkupRange() = default;
TCT_MarkupRange::~TCT_MarkupRange() = default;

TNYQBase* TCT_MarkupRange::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MarkupRange::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 2064:
            if (local == "displacedByCustomXml") {
                if (const auto v = StrToTST_DisplacedByCustomXml(attrs.GetValues(i)))
                    FDisplacedByCustomXml = *v;
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

void TCT_MarkupRange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    if (FDisplacedByCustomXml)
        writer.AddAttribute("w:displacedByCustomXml", TST_DisplacedByCustomXmlToStr(*FDisplacedByCustomXml));
}

void TCT_MarkupRange::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_MarkupRange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FDisplacedByCustomXml = {};
    FAny.Clear();
}

void TCT_MarkupRange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MarkupRange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FDisplacedByCustomXml = o->FDisplacedByCustomXml;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MarkupRange::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MoveBookmark

TCT_MoveBookmark::TCT_MoveBookmark() = default;
TCT_MoveBookmark::~TCT_MoveBookmark() = default;

TNYQBase* TCT_MoveBookmark::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MoveBookmark::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 414:
            if (local == "date") {
                if (const auto v = XmlTryStrToDateTime(attrs.GetValues(i)))
                    FDate = *v;
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
        case 659:
            if (local == "author") {
                FAuthor = attrs.GetValues(i);
                continue;
            }
            break;
        case 722:
            if (local == "colLast") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FColLast = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 838:
            if (local == "colFirst") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FColFirst = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 2064:
            if (local == "displacedByCustomXml") {
                if (const auto v = StrToTST_DisplacedByCustomXml(attrs.GetValues(i)))
                    FDisplacedByCustomXml = *v;
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

void TCT_MoveBookmark::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    if (FDisplacedByCustomXml)
        writer.AddAttribute("w:displacedByCustomXml", TST_DisplacedByCustomXmlToStr(*FDisplacedByCustomXml));
    if (FColFirst)
        writer.AddAttribute("w:colFirst", XmlIntToStr(*FColFirst));
    if (FColLast)
        writer.AddAttribute("w:colLast", XmlIntToStr(*FColLast));
    writer.AddAttribute("w:name", FName);
    writer.AddAttribute("w:author", FAuthor);
    writer.AddAttribute("w:date", XmlDateTimeToStr(FDate));
}

void TCT_MoveBookmark::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_MoveBookmark::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FDisplacedByCustomXml = {};
    FColFirst = {};
    FColLast = {};
    FName = {};
    FAuthor = {};
    FDate = {};
    FAny.Clear();
}

void TCT_MoveBookmark::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MoveBookmark*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FDisplacedByCustomXml = o->FDisplacedByCustomXml;
    FColFirst = o->FColFirst;
    FColLast = o->FColLast;
    FName = o->FName;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MoveBookmark::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TrackChange

TCT_TrackChange::TCT_TrackChange() = default;
TCT_TrackChange::~TCT_TrackChange() = default;

TNYQBase* TCT_TrackChange::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TrackChange::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 414:
            if (local == "date") {
                if (const auto v = XmlTryStrToDateTime(attrs.GetValues(i)))
                    FDate = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 659:
            if (local == "author") {
                FAuthor = attrs.GetValues(i);
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

void TCT_TrackChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_TrackChange::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TrackChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FAny.Clear();
}

void TCT_TrackChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TrackChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TrackChange::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Markup

TCT_Markup::TCT_Markup() = default;
TCT_Markup::~TCT_Markup() = default;

TNYQBase* TCT_Markup::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Markup::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
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

void TCT_Markup::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
}

void TCT_Markup::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Markup::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAny.Clear();
}

void TCT_Markup::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Markup*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Markup::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RunTrackChange

namespace {
constexpr std::string_view cTCT_RunTrackChangeFChoice1ListNames[] = {"w:customXml", "w:smartTag", "w:sdt", "w:dir", "w:bdo", "w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_RunTrackChange::TCT_RunTrackChange() = default;
TCT_RunTrackChange::~TCT_RunTrackChange() = default;

TNYQBase* TCT_RunTrackChange::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_R>(5);
        }
        break;
    case 309:
        if (local == "bdo") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_BdoContentRun>(4);
        }
        if (local == "del") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 319:
        if (local == "dir") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_DirContentRun>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_SdtRun>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(30);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_RunTrackChange>(28);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Perm>(8);
        }
        break;
    case 835:
        if (local == "smartTag") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_SmartTagRun>(1);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_RunTrackChange>(27);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_ProofErr>(6);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FChoice1List.Add<TNYQAnyElement>(29);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_PermStart>(7);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_CustomXmlRun>(0);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Bookmark>(9);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_MarkupRange>(16);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_MoveBookmark>(13);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_MarkupRange>(15);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Markup>(20);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Markup>(18);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TrackChange>(19);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TrackChange>(17);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Markup>(24);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Markup>(22);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TrackChange>(23);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TrackChange>(21);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RunTrackChange::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 414:
            if (local == "date") {
                if (const auto v = XmlTryStrToDateTime(attrs.GetValues(i)))
                    FDate = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 659:
            if (local == "author") {
                FAuthor = attrs.GetValues(i);
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

void TCT_RunTrackChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_RunTrackChange::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_RunTrackChangeFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_RunTrackChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_RunTrackChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RunTrackChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_CustomXmlRun>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_SmartTagRun>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_SdtRun>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_DirContentRun>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_BdoContentRun>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_R>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_ProofErr>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_PermStart>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_Perm>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_Bookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FChoice1List.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FChoice1List.Add<TCT_MoveBookmark>(13).Assign(*item.Object);
            break;
        case 14:
            FChoice1List.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FChoice1List.Add<TCT_MarkupRange>(15).Assign(*item.Object);
            break;
        case 16:
            FChoice1List.Add<TCT_MarkupRange>(16).Assign(*item.Object);
            break;
        case 17:
            FChoice1List.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FChoice1List.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FChoice1List.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FChoice1List.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FChoice1List.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FChoice1List.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FChoice1List.Add<TCT_TrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FChoice1List.Add<TCT_Markup>(24).Assign(*item.Object);
            break;
        case 25:
            FChoice1List.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FChoice1List.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FChoice1List.Add<TCT_RunTrackChange>(27).Assign(*item.Object);
            break;
        case 28:
            FChoice1List.Add<TCT_RunTrackChange>(28).Assign(*item.Object);
            break;
        case 29:
            FChoice1List.Add<TNYQAnyElement>(29).Assign(*item.Object);
            break;
        case 30:
            FChoice1List.Add<TNYQAnyElement>(30).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RunTrackChange::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AltChunk

TCT_AltChunk::TCT_AltChunk() = default;
TCT_AltChunk::~TCT_AltChunk() = default;

TCT_AltChunkPr& TCT_AltChunk::Create_AltChunkPr()
{
    if (!FAltChunkPr) {
        FAltChunkPr = std::make_unique<TCT_AltChunkPr>();
        FAltChunkPr->SetAssigned();
    }
    SetHasChildren();
    return *FAltChunkPr;
}

TNYQBase* TCT_AltChunk::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1020:
        if (local == "altChunkPr") {
            return &Create_AltChunkPr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AltChunk::AssignAttributes(TNYQReader& reader)
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
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_AltChunk::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("r:id", *FId);
}

void TCT_AltChunk::Write(TNyqWriteXML& writer) const
{
    if (FAltChunkPr && FAltChunkPr->Available())
        NyqWriteChild(writer, "w:altChunkPr", *FAltChunkPr);
    FAny.Write(writer);
}

void TCT_AltChunk::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAltChunkPr.reset();
    FAny.Clear();
}

void TCT_AltChunk::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AltChunk*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    if (o->FAltChunkPr)
        Create_AltChunkPr().Assign(*o->FAltChunkPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AltChunk::HasElements() const
{
    return FAltChunkPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Drawing

namespace {
constexpr std::string_view cTCT_DrawingFChoice1ListNames[] = {"wp:anchor", "wp:inline"};
}  // namespace

TCT_Drawing::TCT_Drawing() = default;
TCT_Drawing::~TCT_Drawing() = default;

TNYQBase* TCT_Drawing::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 635:
        if (local == "anchor") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Anchor>(0);
        }
        break;
    case 639:
        if (local == "inline") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Inline>(1);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Drawing::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_DrawingFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Drawing::Clear()
{
    TNYQBase::Clear();
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_Drawing::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Drawing*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Anchor>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Inline>(1).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Drawing::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SectPr

namespace {
constexpr std::string_view cTCT_SectPrFEG_HdrFtrReferencesListNames[] = {"w:headerReference", "w:footerReference"};
}  // namespace

TCT_SectPr::TCT_SectPr() = default;
TCT_SectPr::~TCT_SectPr() = default;

TCT_FtnProps& TCT_SectPr::Create_FootnotePr()
{
    if (!FFootnotePr) {
        FFootnotePr = std::make_unique<TCT_FtnProps>();
        FFootnotePr->SetAssigned();
    }
    SetHasChildren();
    return *FFootnotePr;
}

TCT_EdnProps& TCT_SectPr::Create_EndnotePr()
{
    if (!FEndnotePr) {
        FEndnotePr = std::make_unique<TCT_EdnProps>();
        FEndnotePr->SetAssigned();
    }
    SetHasChildren();
    return *FEndnotePr;
}

TCT_SectType& TCT_SectPr::Create_Type()
{
    if (!FType) {
        FType = std::make_unique<TCT_SectType>();
        FType->SetAssigned();
    }
    SetHasChildren();
    return *FType;
}

TCT_PageSz& TCT_SectPr::Create_PgSz()
{
    if (!FPgSz) {
        FPgSz = std::make_unique<TCT_PageSz>();
        FPgSz->SetAssigned();
    }
    SetHasChildren();
    return *FPgSz;
}

TCT_PageMar& TCT_SectPr::Create_PgMar()
{
    if (!FPgMar) {
        FPgMar = std::make_unique<TCT_PageMar>();
        FPgMar->SetAssigned();
    }
    SetHasChildren();
    return *FPgMar;
}

TCT_PaperSource& TCT_SectPr::Create_PaperSrc()
{
    if (!FPaperSrc) {
        FPaperSrc = std::make_unique<TCT_PaperSource>();
        FPaperSrc->SetAssigned();
    }
    SetHasChildren();
    return *FPaperSrc;
}

TCT_PageBorders& TCT_SectPr::Create_PgBorders()
{
    if (!FPgBorders) {
        FPgBorders = std::make_unique<TCT_PageBorders>();
        FPgBorders->SetAssigned();
    }
    SetHasChildren();
    return *FPgBorders;
}

TCT_LineNumber& TCT_SectPr::Create_LnNumType()
{
    if (!FLnNumType) {
        FLnNumType = std::make_unique<TCT_LineNumber>();
        FLnNumType->SetAssigned();
    }
    SetHasChildren();
    return *FLnNumType;
}

TCT_PageNumber& TCT_SectPr::Create_PgNumType()
{
    if (!FPgNumType) {
        FPgNumType = std::make_unique<TCT_PageNumber>();
        FPgNumType->SetAssigned();
    }
    SetHasChildren();
    return *FPgNumType;
}

TCT_Columns& TCT_SectPr::Create_Cols()
{
    if (!FCols) {
        FCols = std::make_unique<TCT_Columns>();
        FCols->SetAssigned();
    }
    SetHasChildren();
    return *FCols;
}

TCT_OnOff& TCT_SectPr::Create_FormProt()
{
    if (!FFormProt) {
        FFormProt = std::make_unique<TCT_OnOff>();
        FFormProt->SetAssigned();
    }
    SetHasChildren();
    return *FFormProt;
}

TCT_VerticalJc& TCT_SectPr::Create_VAlign()
{
    if (!FVAlign) {
        FVAlign = std::make_unique<TCT_VerticalJc>();
        FVAlign->SetAssigned();
    }
    SetHasChildren();
    return *FVAlign;
}

TCT_OnOff& TCT_SectPr::Create_NoEndnote()
{
    if (!FNoEndnote) {
        FNoEndnote = std::make_unique<TCT_OnOff>();
        FNoEndnote->SetAssigned();
    }
    SetHasChildren();
    return *FNoEndnote;
}

TCT_OnOff& TCT_SectPr::Create_TitlePg()
{
    if (!FTitlePg) {
        FTitlePg = std::make_unique<TCT_OnOff>();
        FTitlePg->SetAssigned();
    }
    SetHasChildren();
    return *FTitlePg;
}

TCT_TextDirection& TCT_SectPr::Create_TextDirection()
{
    if (!FTextDirection) {
        FTextDirection = std::make_unique<TCT_TextDirection>();
        FTextDirection->SetAssigned();
    }
    SetHasChildren();
    return *FTextDirection;
}

TCT_OnOff& TCT_SectPr::Create_Bidi()
{
    if (!FBidi) {
        FBidi = std::make_unique<TCT_OnOff>();
        FBidi->SetAssigned();
    }
    SetHasChildren();
    return *FBidi;
}

TCT_OnOff& TCT_SectPr::Create_RtlGutter()
{
    if (!FRtlGutter) {
        FRtlGutter = std::make_unique<TCT_OnOff>();
        FRtlGutter->SetAssigned();
    }
    SetHasChildren();
    return *FRtlGutter;
}

TCT_DocGrid& TCT_SectPr::Create_DocGrid()
{
    if (!FDocGrid) {
        FDocGrid = std::make_unique<TCT_DocGrid>();
        FDocGrid->SetAssigned();
    }
    SetHasChildren();
    return *FDocGrid;
}

TCT_Rel& TCT_SectPr::Create_PrinterSettings()
{
    if (!FPrinterSettings) {
        FPrinterSettings = std::make_unique<TCT_Rel>();
        FPrinterSettings->SetAssigned();
    }
    SetHasChildren();
    return *FPrinterSettings;
}

TCT_SectPrChange& TCT_SectPr::Create_SectPrChange()
{
    if (!FSectPrChange) {
        FSectPrChange = std::make_unique<TCT_SectPrChange>();
        FSectPrChange->SetAssigned();
    }
    SetHasChildren();
    return *FSectPrChange;
}

TNYQBase* TCT_SectPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 408:
        if (local == "bidi") {
            return &Create_Bidi();
        }
        break;
    case 420:
        if (local == "pgSz") {
            return &Create_PgSz();
        }
        break;
    case 433:
        if (local == "cols") {
            return &Create_Cols();
        }
        break;
    case 450:
        if (local == "type") {
            return &Create_Type();
        }
        break;
    case 503:
        if (local == "pgMar") {
            return &Create_PgMar();
        }
        break;
    case 609:
        if (local == "vAlign") {
            return &Create_VAlign();
        }
        break;
    case 700:
        if (local == "docGrid") {
            return &Create_DocGrid();
        }
        break;
    case 729:
        if (local == "titlePg") {
            return &Create_TitlePg();
        }
        break;
    case 832:
        if (local == "paperSrc") {
            return &Create_PaperSrc();
        }
        break;
    case 857:
        if (local == "formProt") {
            return &Create_FormProt();
        }
        break;
    case 936:
        if (local == "pgBorders") {
            return &Create_PgBorders();
        }
        break;
    case 937:
        if (local == "pgNumType") {
            return &Create_PgNumType();
        }
        break;
    case 938:
        if (local == "noEndnote") {
            return &Create_NoEndnote();
        }
        break;
    case 940:
        if (local == "lnNumType") {
            return &Create_LnNumType();
        }
        break;
    case 943:
        if (local == "endnotePr") {
            return &Create_EndnotePr();
        }
        break;
    case 973:
        if (local == "rtlGutter") {
            return &Create_RtlGutter();
        }
        break;
    case 1072:
        if (local == "footnotePr") {
            return &Create_FootnotePr();
        }
        break;
    case 1207:
        if (local == "sectPrChange") {
            return &Create_SectPrChange();
        }
        break;
    case 1382:
        if (local == "textDirection") {
            return &Create_TextDirection();
        }
        break;
    case 1528:
        if (local == "headerReference") {
            SetHasChildren();
            return &FEG_HdrFtrReferencesList.Add<TCT_HdrFtrRef>(0);
        }
        break;
    case 1566:
        if (local == "footerReference") {
            SetHasChildren();
            return &FEG_HdrFtrReferencesList.Add<TCT_HdrFtrRef>(1);
        }
        break;
    case 1621:
        if (local == "printerSettings") {
            return &Create_PrinterSettings();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SectPr::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 516:
            if (local == "rsidR") {
                FRsidR = attrs.GetValues(i);
                continue;
            }
            break;
        case 710:
            if (local == "rsidRPr") {
                FRsidRPr = attrs.GetValues(i);
                continue;
            }
            break;
        case 711:
            if (local == "rsidDel") {
                FRsidDel = attrs.GetValues(i);
                continue;
            }
            break;
        case 833:
            if (local == "rsidSect") {
                FRsidSect = attrs.GetValues(i);
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

void TCT_SectPr::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FRsidRPr)
        writer.AddAttribute("w:rsidRPr", *FRsidRPr);
    if (FRsidDel)
        writer.AddAttribute("w:rsidDel", *FRsidDel);
    if (FRsidR)
        writer.AddAttribute("w:rsidR", *FRsidR);
    if (FRsidSect)
        writer.AddAttribute("w:rsidSect", *FRsidSect);
}

void TCT_SectPr::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_HdrFtrReferencesList.GetItems())
        NyqWriteChild(writer, cTCT_SectPrFEG_HdrFtrReferencesListNames[item.Element], *item.Object);
    if (FFootnotePr && FFootnotePr->Available())
        NyqWriteChild(writer, "w:footnotePr", *FFootnotePr);
    if (FEndnotePr && FEndnotePr->Available())
        NyqWriteChild(writer, "w:endnotePr", *FEndnotePr);
    if (FType && FType->Available())
        NyqWriteChild(writer, "w:type", *FType);
    if (FPgSz && FPgSz->Available())
        NyqWriteChild(writer, "w:pgSz", *FPgSz);
    if (FPgMar && FPgMar->Available())
        NyqWriteChild(writer, "w:pgMar", *FPgMar);
    if (FPaperSrc && FPaperSrc->Available())
        NyqWriteChild(writer, "w:paperSrc", *FPaperSrc);
    if (FPgBorders && FPgBorders->Available())
        NyqWriteChild(writer, "w:pgBorders", *FPgBorders);
    if (FLnNumType && FLnNumType->Available())
        NyqWriteChild(writer, "w:lnNumType", *FLnNumType);
    if (FPgNumType && FPgNumType->Available())
        NyqWriteChild(writer, "w:pgNumType", *FPgNumType);
    if (FCols && FCols->Available())
        NyqWriteChild(writer, "w:cols", *FCols);
    if (FFormProt && FFormProt->Available())
        NyqWriteChild(writer, "w:formProt", *FFormProt);
    if (FVAlign && FVAlign->Available())
        NyqWriteChild(writer, "w:vAlign", *FVAlign);
    if (FNoEndnote && FNoEndnote->Available())
        NyqWriteChild(writer, "w:noEndnote", *FNoEndnote);
    if (FTitlePg && FTitlePg->Available())
        NyqWriteChild(writer, "w:titlePg", *FTitlePg);
    if (FTextDirection && FTextDirection->Available())
        NyqWriteChild(writer, "w:textDirection", *FTextDirection);
    if (FBidi && FBidi->Available())
        NyqWriteChild(writer, "w:bidi", *FBidi);
    if (FRtlGutter && FRtlGutter->Available())
        NyqWriteChild(writer, "w:rtlGutter", *FRtlGutter);
    if (FDocGrid && FDocGrid->Available())
        NyqWriteChild(writer, "w:docGrid", *FDocGrid);
    if (FPrinterSettings && FPrinterSettings->Available())
        NyqWriteChild(writer, "w:printerSettings", *FPrinterSettings);
    if (FSectPrChange && FSectPrChange->Available())
        NyqWriteChild(writer, "w:sectPrChange", *FSectPrChange);
    FAny.Write(writer);
}

void TCT_SectPr::Clear()
{
    TNYQBase::Clear();
    FRsidRPr = {};
    FRsidDel = {};
    FRsidR = {};
    FRsidSect = {};
    FEG_HdrFtrReferencesList.Clear();
    FFootnotePr.reset();
    FEndnotePr.reset();
    FType.reset();
    FPgSz.reset();
    FPgMar.reset();
    FPaperSrc.reset();
    FPgBorders.reset();
    FLnNumType.reset();
    FPgNumType.reset();
    FCols.reset();
    FFormProt.reset();
    FVAlign.reset();
    FNoEndnote.reset();
    FTitlePg.reset();
    FTextDirection.reset();
    FBidi.reset();
    FRtlGutter.reset();
    FDocGrid.reset();
    FPrinterSettings.reset();
    FSectPrChange.reset();
    FAny.Clear();
}

void TCT_SectPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SectPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRsidRPr = o->FRsidRPr;
    FRsidDel = o->FRsidDel;
    FRsidR = o->FRsidR;
    FRsidSect = o->FRsidSect;
    for (const auto& item : o->FEG_HdrFtrReferencesList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_HdrFtrReferencesList.Add<TCT_HdrFtrRef>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_HdrFtrReferencesList.Add<TCT_HdrFtrRef>(1).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    if (o->FFootnotePr)
        Create_FootnotePr().Assign(*o->FFootnotePr);
    if (o->FEndnotePr)
        Create_EndnotePr().Assign(*o->FEndnotePr);
    if (o->FType)
        Create_Type().Assign(*o->FType);
    if (o->FPgSz)
        Create_PgSz().Assign(*o->FPgSz);
    if (o->FPgMar)
        Create_PgMar().Assign(*o->FPgMar);
    if (o->FPaperSrc)
        Create_PaperSrc().Assign(*o->FPaperSrc);
    if (o->FPgBorders)
        Create_PgBorders().Assign(*o->FPgBorders);
    if (o->FLnNumType)
        Create_LnNumType().Assign(*o->FLnNumType);
    if (o->FPgNumType)
        Create_PgNumType().Assign(*o->FPgNumType);
    if (o->FCols)
        Create_Cols().Assign(*o->FCols);
    if (o->FFormProt)
        Create_FormProt().Assign(*o->FFormProt);
    if (o->FVAlign)
        Create_VAlign().Assign(*o->FVAlign);
    if (o->FNoEndnote)
        Create_NoEndnote().Assign(*o->FNoEndnote);
    if (o->FTitlePg)
        Create_TitlePg().Assign(*o->FTitlePg);
    if (o->FTextDirection)
        Create_TextDirection().Assign(*o->FTextDirection);
    if (o->FBidi)
        Create_Bidi().Assign(*o->FBidi);
    if (o->FRtlGutter)
        Create_RtlGutter().Assign(*o->FRtlGutter);
    if (o->FDocGrid)
        Create_DocGrid().Assign(*o->FDocGrid);
    if (o->FPrinterSettings)
        Create_PrinterSettings().Assign(*o->FPrinterSettings);
    if (o->FSectPrChange)
        Create_SectPrChange().Assign(*o->FSectPrChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SectPr::HasElements() const
{
    return FEG_HdrFtrReferencesList.Count() > 0 || FFootnotePr != nullptr || FEndnotePr != nullptr || FType != nullptr || FPgSz != nullptr || FPgMar != nullptr || FPaperSrc != nullptr || FPgBorders != nullptr || FLnNumType != nullptr || FPgNumType != nullptr || FCols != nullptr || FFormProt != nullptr || FVAlign != nullptr || FNoEndnote != nullptr || FTitlePg != nullptr || FTextDirection != nullptr || FBidi != nullptr || FRtlGutter != nullptr || FDocGrid != nullptr || FPrinterSettings != nullptr || FSectPrChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RPrDefault

TCT_RPrDefault::TCT_RPrDefault() = default;
TCT_RPrDefault::~TCT_RPrDefault() = default;

TCT_RPr& TCT_RPrDefault::Create_RPr()
{
    if (!FRPr) {
        FRPr = std::make_unique<TCT_RPr>();
        FRPr->SetAssigned();
    }
    SetHasChildren();
    return *FRPr;
}

TNYQBase* TCT_RPrDefault::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 308:
        if (local == "rPr") {
            return &Create_RPr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RPrDefault::Write(TNyqWriteXML& writer) const
{
    if (FRPr && FRPr->Available())
        NyqWriteChild(writer, "w:rPr", *FRPr);
    FAny.Write(writer);
}

void TCT_RPrDefault::Clear()
{
    TNYQBase::Clear();
    FRPr.reset();
    FAny.Clear();
}

void TCT_RPrDefault::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RPrDefault*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FRPr)
        Create_RPr().Assign(*o->FRPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RPrDefault::HasElements() const
{
    return FRPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PPrDefault

TCT_PPrDefault::TCT_PPrDefault() = default;
TCT_PPrDefault::~TCT_PPrDefault() = default;

TCT_PPrGeneral& TCT_PPrDefault::Create_PPr()
{
    if (!FPPr) {
        FPPr = std::make_unique<TCT_PPrGeneral>();
        FPPr->SetAssigned();
    }
    SetHasChildren();
    return *FPPr;
}

TNYQBase* TCT_PPrDefault::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 306:
        if (local == "pPr") {
            return &Create_PPr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PPrDefault::Write(TNyqWriteXML& writer) const
{
    if (FPPr && FPPr->Available())
        NyqWriteChild(writer, "w:pPr", *FPPr);
    FAny.Write(writer);
}

void TCT_PPrDefault::Clear()
{
    TNYQBase::Clear();
    FPPr.reset();
    FAny.Clear();
}

void TCT_PPrDefault::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PPrDefault*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FPPr)
        Create_PPr().Assign(*o->FPPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PPrDefault::HasElements() const
{
    return FPPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LsdException

TCT_LsdException::TCT_LsdException() = default;
TCT_LsdException::~TCT_LsdException() = default;

TNYQBase* TCT_LsdException::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LsdException::AssignAttributes(TNYQReader& reader)
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
        case 626:
            if (local == "locked") {
                FLocked = attrs.GetValues(i);
                continue;
            }
            break;
        case 730:
            if (local == "qFormat") {
                FQFormat = attrs.GetValues(i);
                continue;
            }
            break;
        case 1018:
            if (local == "semiHidden") {
                FSemiHidden = attrs.GetValues(i);
                continue;
            }
            break;
        case 1088:
            if (local == "uiPriority") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FUiPriority = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1440:
            if (local == "unhideWhenUsed") {
                FUnhideWhenUsed = attrs.GetValues(i);
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

void TCT_LsdException::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:name", FName);
    if (FLocked)
        writer.AddAttribute("w:locked", *FLocked);
    if (FUiPriority)
        writer.AddAttribute("w:uiPriority", XmlIntToStr(*FUiPriority));
    if (FSemiHidden)
        writer.AddAttribute("w:semiHidden", *FSemiHidden);
    if (FUnhideWhenUsed)
        writer.AddAttribute("w:unhideWhenUsed", *FUnhideWhenUsed);
    if (FQFormat)
        writer.AddAttribute("w:qFormat", *FQFormat);
}

void TCT_LsdException::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LsdException::Clear()
{
    TNYQBase::Clear();
    FName = {};
    FLocked = {};
    FUiPriority = {};
    FSemiHidden = {};
    FUnhideWhenUsed = {};
    FQFormat = {};
    FAny.Clear();
}

void TCT_LsdException::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LsdException*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FName = o->FName;
    FLocked = o->FLocked;
    FUiPriority = o->FUiPriority;
    FSemiHidden = o->FSemiHidden;
    FUnhideWhenUsed = o->FUnhideWhenUsed;
    FQFormat = o->FQFormat;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LsdException::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LongHexNumber

TCT_LongHexNumber::TCT_LongHexNumber() = default;
TCT_LongHexNumber::~TCT_LongHexNumber() = default;

TNYQBase* TCT_LongHexNumber::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LongHexNumber::AssignAttributes(TNYQReader& reader)
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

void TCT_LongHexNumber::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_LongHexNumber::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LongHexNumber::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_LongHexNumber::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LongHexNumber*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LongHexNumber::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PPrGeneral

TCT_PPrGeneral::TCT_PPrGeneral() = default;
TCT_PPrGeneral::~TCT_PPrGeneral() = default;

TCT_String& TCT_PPrGeneral::Create_PStyle()
{
    if (!FPStyle) {
        FPStyle = std::make_unique<TCT_String>();
        FPStyle->SetAssigned();
    }
    SetHasChildren();
    return *FPStyle;
}

TCT_OnOff& TCT_PPrGeneral::Create_KeepNext()
{
    if (!FKeepNext) {
        FKeepNext = std::make_unique<TCT_OnOff>();
        FKeepNext->SetAssigned();
    }
    SetHasChildren();
    return *FKeepNext;
}

TCT_OnOff& TCT_PPrGeneral::Create_KeepLines()
{
    if (!FKeepLines) {
        FKeepLines = std::make_unique<TCT_OnOff>();
        FKeepLines->SetAssigned();
    }
    SetHasChildren();
    return *FKeepLines;
}

TCT_OnOff& TCT_PPrGeneral::Create_PageBreakBefore()
{
    if (!FPageBreakBefore) {
        FPageBreakBefore = std::make_unique<TCT_OnOff>();
        FPageBreakBefore->SetAssigned();
    }
    SetHasChildren();
    return *FPageBreakBefore;
}

TCT_FramePr& TCT_PPrGeneral::Create_FramePr()
{
    if (!FFramePr) {
        FFramePr = std::make_unique<TCT_FramePr>();
        FFramePr->SetAssigned();
    }
    SetHasChildren();
    return *FFramePr;
}

TCT_OnOff& TCT_PPrGeneral::Create_WidowControl()
{
    if (!FWidowControl) {
        FWidowControl = std::make_unique<TCT_OnOff>();
        FWidowControl->SetAssigned();
    }
    SetHasChildren();
    return *FWidowControl;
}

TCT_NumPr& TCT_PPrGeneral::Create_NumPr()
{
    if (!FNumPr) {
        FNumPr = std::make_unique<TCT_NumPr>();
        FNumPr->SetAssigned();
    }
    SetHasChildren();
    return *FNumPr;
}

TCT_OnOff& TCT_PPrGeneral::Create_SuppressLineNumbers()
{
    if (!FSuppressLineNumbers) {
        FSuppressLineNumbers = std::make_unique<TCT_OnOff>();
        FSuppressLineNumbers->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressLineNumbers;
}

TCT_PBdr& TCT_PPrGeneral::Create_PBdr()
{
    if (!FPBdr) {
        FPBdr = std::make_unique<TCT_PBdr>();
        FPBdr->SetAssigned();
    }
    SetHasChildren();
    return *FPBdr;
}

TCT_Shd& TCT_PPrGeneral::Create_Shd()
{
    if (!FShd) {
        FShd = std::make_unique<TCT_Shd>();
        FShd->SetAssigned();
    }
    SetHasChildren();
    return *FShd;
}

TCT_Tabs& TCT_PPrGeneral::Create_Tabs()
{
    if (!FTabs) {
        FTabs = std::make_unique<TCT_Tabs>();
        FTabs->SetAssigned();
    }
    SetHasChildren();
    return *FTabs;
}

TCT_OnOff& TCT_PPrGeneral::Create_SuppressAutoHyphens()
{
    if (!FSuppressAutoHyphens) {
        FSuppressAutoHyphens = std::make_unique<TCT_OnOff>();
        FSuppressAutoHyphens->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressAutoHyphens;
}

TCT_OnOff& TCT_PPrGeneral::Create_Kinsoku()
{
    if (!FKinsoku) {
        FKinsoku = std::make_unique<TCT_OnOff>();
        FKinsoku->SetAssigned();
    }
    SetHasChildren();
    return *FKinsoku;
}

TCT_OnOff& TCT_PPrGeneral::Create_WordWrap()
{
    if (!FWordWrap) {
        FWordWrap = std::make_unique<TCT_OnOff>();
        FWordWrap->SetAssigned();
    }
    SetHasChildren();
    return *FWordWrap;
}

TCT_OnOff& TCT_PPrGeneral::Create_OverflowPunct()
{
    if (!FOverflowPunct) {
        FOverflowPunct = std::make_unique<TCT_OnOff>();
        FOverflowPunct->SetAssigned();
    }
    SetHasChildren();
    return *FOverflowPunct;
}

TCT_OnOff& TCT_PPrGeneral::Create_TopLinePunct()
{
    if (!FTopLinePunct) {
        FTopLinePunct = std::make_unique<TCT_OnOff>();
        FTopLinePunct->SetAssigned();
    }
    SetHasChildren();
    return *FTopLinePunct;
}

TCT_OnOff& TCT_PPrGeneral::Create_AutoSpaceDE()
{
    if (!FAutoSpaceDE) {
        FAutoSpaceDE = std::make_unique<TCT_OnOff>();
        FAutoSpaceDE->SetAssigned();
    }
    SetHasChildren();
    return *FAutoSpaceDE;
}

TCT_OnOff& TCT_PPrGeneral::Create_AutoSpaceDN()
{
    if (!FAutoSpaceDN) {
        FAutoSpaceDN = std::make_unique<TCT_OnOff>();
        FAutoSpaceDN->SetAssigned();
    }
    SetHasChildren();
    return *FAutoSpaceDN;
}

TCT_OnOff& TCT_PPrGeneral::Create_Bidi()
{
    if (!FBidi) {
        FBidi = std::make_unique<TCT_OnOff>();
        FBidi->SetAssigned();
    }
    SetHasChildren();
    return *FBidi;
}

TCT_OnOff& TCT_PPrGeneral::Create_AdjustRightInd()
{
    if (!FAdjustRightInd) {
        FAdjustRightInd = std::make_unique<TCT_OnOff>();
        FAdjustRightInd->SetAssigned();
    }
    SetHasChildren();
    return *FAdjustRightInd;
}

TCT_OnOff& TCT_PPrGeneral::Create_SnapToGrid()
{
    if (!FSnapToGrid) {
        FSnapToGrid = std::make_unique<TCT_OnOff>();
        FSnapToGrid->SetAssigned();
    }
    SetHasChildren();
    return *FSnapToGrid;
}

TCT_Spacing& TCT_PPrGeneral::Create_Spacing()
{
    if (!FSpacing) {
        FSpacing = std::make_unique<TCT_Spacing>();
        FSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FSpacing;
}

TCT_Ind& TCT_PPrGeneral::Create_Ind()
{
    if (!FInd) {
        FInd = std::make_unique<TCT_Ind>();
        FInd->SetAssigned();
    }
    SetHasChildren();
    return *FInd;
}

TCT_OnOff& TCT_PPrGeneral::Create_ContextualSpacing()
{
    if (!FContextualSpacing) {
        FContextualSpacing = std::make_unique<TCT_OnOff>();
        FContextualSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FContextualSpacing;
}

TCT_OnOff& TCT_PPrGeneral::Create_MirrorIndents()
{
    if (!FMirrorIndents) {
        FMirrorIndents = std::make_unique<TCT_OnOff>();
        FMirrorIndents->SetAssigned();
    }
    SetHasChildren();
    return *FMirrorIndents;
}

TCT_OnOff& TCT_PPrGeneral::Create_SuppressOverlap()
{
    if (!FSuppressOverlap) {
        FSuppressOverlap = std::make_unique<TCT_OnOff>();
        FSuppressOverlap->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressOverlap;
}

TCT_Jc& TCT_PPrGeneral::Create_Jc()
{
    if (!FJc) {
        FJc = std::make_unique<TCT_Jc>();
        FJc->SetAssigned();
    }
    SetHasChildren();
    return *FJc;
}

TCT_TextDirection& TCT_PPrGeneral::Create_TextDirection()
{
    if (!FTextDirection) {
        FTextDirection = std::make_unique<TCT_TextDirection>();
        FTextDirection->SetAssigned();
    }
    SetHasChildren();
    return *FTextDirection;
}

TCT_TextAlignment& TCT_PPrGeneral::Create_TextAlignment()
{
    if (!FTextAlignment) {
        FTextAlignment = std::make_unique<TCT_TextAlignment>();
        FTextAlignment->SetAssigned();
    }
    SetHasChildren();
    return *FTextAlignment;
}

TCT_TextboxTightWrap& TCT_PPrGeneral::Create_TextboxTightWrap()
{
    if (!FTextboxTightWrap) {
        FTextboxTightWrap = std::make_unique<TCT_TextboxTightWrap>();
        FTextboxTightWrap->SetAssigned();
    }
    SetHasChildren();
    return *FTextboxTightWrap;
}

TCT_DecimalNumber& TCT_PPrGeneral::Create_OutlineLvl()
{
    if (!FOutlineLvl) {
        FOutlineLvl = std::make_unique<TCT_DecimalNumber>();
        FOutlineLvl->SetAssigned();
    }
    SetHasChildren();
    return *FOutlineLvl;
}

TCT_DecimalNumber& TCT_PPrGeneral::Create_DivId()
{
    if (!FDivId) {
        FDivId = std::make_unique<TCT_DecimalNumber>();
        FDivId->SetAssigned();
    }
    SetHasChildren();
    return *FDivId;
}

TCT_Cnf& TCT_PPrGeneral::Create_CnfStyle()
{
    if (!FCnfStyle) {
        FCnfStyle = std::make_unique<TCT_Cnf>();
        FCnfStyle->SetAssigned();
    }
    SetHasChildren();
    return *FCnfStyle;
}

TCT_PPrChange& TCT_PPrGeneral::Create_PPrChange()
{
    if (!FPPrChange) {
        FPPrChange = std::make_unique<TCT_PPrChange>();
        FPPrChange->SetAssigned();
    }
    SetHasChildren();
    return *FPPrChange;
}

TNYQBase* TCT_PPrGeneral::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 205:
        if (local == "jc") {
            return &Create_Jc();
        }
        break;
    case 315:
        if (local == "ind") {
            return &Create_Ind();
        }
        break;
    case 319:
        if (local == "shd") {
            return &Create_Shd();
        }
        break;
    case 392:
        if (local == "pBdr") {
            return &Create_PBdr();
        }
        break;
    case 408:
        if (local == "bidi") {
            return &Create_Bidi();
        }
        break;
    case 426:
        if (local == "tabs") {
            return &Create_Tabs();
        }
        break;
    case 496:
        if (local == "divId") {
            return &Create_DivId();
        }
        break;
    case 530:
        if (local == "numPr") {
            return &Create_NumPr();
        }
        break;
    case 641:
        if (local == "pStyle") {
            return &Create_PStyle();
        }
        break;
    case 717:
        if (local == "framePr") {
            return &Create_FramePr();
        }
        break;
    case 741:
        if (local == "spacing") {
            return &Create_Spacing();
        }
        break;
    case 772:
        if (local == "kinsoku") {
            return &Create_Kinsoku();
        }
        break;
    case 836:
        if (local == "keepNext") {
            return &Create_KeepNext();
        }
        break;
    case 840:
        if (local == "cnfStyle") {
            return &Create_CnfStyle();
        }
        break;
    case 854:
        if (local == "wordWrap") {
            return &Create_WordWrap();
        }
        break;
    case 888:
        if (local == "pPrChange") {
            return &Create_PPrChange();
        }
        break;
    case 928:
        if (local == "keepLines") {
            return &Create_KeepLines();
        }
        break;
    case 1019:
        if (local == "snapToGrid") {
            return &Create_SnapToGrid();
        }
        break;
    case 1070:
        if (local == "autoSpaceDE") {
            return &Create_AutoSpaceDE();
        }
        if (local == "outlineLvl") {
            return &Create_OutlineLvl();
        }
        break;
    case 1079:
        if (local == "autoSpaceDN") {
            return &Create_AutoSpaceDN();
        }
        break;
    case 1253:
        if (local == "topLinePunct") {
            return &Create_TopLinePunct();
        }
        break;
    case 1291:
        if (local == "widowControl") {
            return &Create_WidowControl();
        }
        break;
    case 1380:
        if (local == "textAlignment") {
            return &Create_TextAlignment();
        }
        break;
    case 1382:
        if (local == "textDirection") {
            return &Create_TextDirection();
        }
        break;
    case 1392:
        if (local == "mirrorIndents") {
            return &Create_MirrorIndents();
        }
        break;
    case 1406:
        if (local == "overflowPunct") {
            return &Create_OverflowPunct();
        }
        break;
    case 1444:
        if (local == "adjustRightInd") {
            return &Create_AdjustRightInd();
        }
        break;
    case 1493:
        if (local == "pageBreakBefore") {
            return &Create_PageBreakBefore();
        }
        break;
    case 1630:
        if (local == "suppressOverlap") {
            return &Create_SuppressOverlap();
        }
        break;
    case 1704:
        if (local == "textboxTightWrap") {
            return &Create_TextboxTightWrap();
        }
        break;
    case 1804:
        if (local == "contextualSpacing") {
            return &Create_ContextualSpacing();
        }
        break;
    case 2025:
        if (local == "suppressLineNumbers") {
            return &Create_SuppressLineNumbers();
        }
        break;
    case 2045:
        if (local == "suppressAutoHyphens") {
            return &Create_SuppressAutoHyphens();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PPrGeneral::Write(TNyqWriteXML& writer) const
{
    if (FPStyle && FPStyle->Available())
        NyqWriteChild(writer, "w:pStyle", *FPStyle);
    if (FKeepNext && FKeepNext->Available())
        NyqWriteChild(writer, "w:keepNext", *FKeepNext);
    if (FKeepLines && FKeepLines->Available())
        NyqWriteChild(writer, "w:keepLines", *FKeepLines);
    if (FPageBreakBefore && FPageBreakBefore->Available())
        NyqWriteChild(writer, "w:pageBreakBefore", *FPageBreakBefore);
    if (FFramePr && FFramePr->Available())
        NyqWriteChild(writer, "w:framePr", *FFramePr);
    if (FWidowControl && FWidowControl->Available())
        NyqWriteChild(writer, "w:widowControl", *FWidowControl);
    if (FNumPr && FNumPr->Available())
        NyqWriteChild(writer, "w:numPr", *FNumPr);
    if (FSuppressLineNumbers && FSuppressLineNumbers->Available())
        NyqWriteChild(writer, "w:suppressLineNumbers", *FSuppressLineNumbers);
    if (FPBdr && FPBdr->Available())
        NyqWriteChild(writer, "w:pBdr", *FPBdr);
    if (FShd && FShd->Available())
        NyqWriteChild(writer, "w:shd", *FShd);
    if (FTabs && FTabs->Available())
        NyqWriteChild(writer, "w:tabs", *FTabs);
    if (FSuppressAutoHyphens && FSuppressAutoHyphens->Available())
        NyqWriteChild(writer, "w:suppressAutoHyphens", *FSuppressAutoHyphens);
    if (FKinsoku && FKinsoku->Available())
        NyqWriteChild(writer, "w:kinsoku", *FKinsoku);
    if (FWordWrap && FWordWrap->Available())
        NyqWriteChild(writer, "w:wordWrap", *FWordWrap);
    if (FOverflowPunct && FOverflowPunct->Available())
        NyqWriteChild(writer, "w:overflowPunct", *FOverflowPunct);
    if (FTopLinePunct && FTopLinePunct->Available())
        NyqWriteChild(writer, "w:topLinePunct", *FTopLinePunct);
    if (FAutoSpaceDE && FAutoSpaceDE->Available())
        NyqWriteChild(writer, "w:autoSpaceDE", *FAutoSpaceDE);
    if (FAutoSpaceDN && FAutoSpaceDN->Available())
        NyqWriteChild(writer, "w:autoSpaceDN", *FAutoSpaceDN);
    if (FBidi && FBidi->Available())
        NyqWriteChild(writer, "w:bidi", *FBidi);
    if (FAdjustRightInd && FAdjustRightInd->Available())
        NyqWriteChild(writer, "w:adjustRightInd", *FAdjustRightInd);
    if (FSnapToGrid && FSnapToGrid->Available())
        NyqWriteChild(writer, "w:snapToGrid", *FSnapToGrid);
    if (FSpacing && FSpacing->Available())
        NyqWriteChild(writer, "w:spacing", *FSpacing);
    if (FInd && FInd->Available())
        NyqWriteChild(writer, "w:ind", *FInd);
    if (FContextualSpacing && FContextualSpacing->Available())
        NyqWriteChild(writer, "w:contextualSpacing", *FContextualSpacing);
    if (FMirrorIndents && FMirrorIndents->Available())
        NyqWriteChild(writer, "w:mirrorIndents", *FMirrorIndents);
    if (FSuppressOverlap && FSuppressOverlap->Available())
        NyqWriteChild(writer, "w:suppressOverlap", *FSuppressOverlap);
    if (FJc && FJc->Available())
        NyqWriteChild(writer, "w:jc", *FJc);
    if (FTextDirection && FTextDirection->Available())
        NyqWriteChild(writer, "w:textDirection", *FTextDirection);
    if (FTextAlignment && FTextAlignment->Available())
        NyqWriteChild(writer, "w:textAlignment", *FTextAlignment);
    if (FTextboxTightWrap && FTextboxTightWrap->Available())
        NyqWriteChild(writer, "w:textboxTightWrap", *FTextboxTightWrap);
    if (FOutlineLvl && FOutlineLvl->Available())
        NyqWriteChild(writer, "w:outlineLvl", *FOutlineLvl);
    if (FDivId && FDivId->Available())
        NyqWriteChild(writer, "w:divId", *FDivId);
    if (FCnfStyle && FCnfStyle->Available())
        NyqWriteChild(writer, "w:cnfStyle", *FCnfStyle);
    if (FPPrChange && FPPrChange->Available())
        NyqWriteChild(writer, "w:pPrChange", *FPPrChange);
    FAny.Write(writer);
}

void TCT_PPrGeneral::Clear()
{
    TNYQBase::Clear();
    FPStyle.reset();
    FKeepNext.reset();
    FKeepLines.reset();
    FPageBreakBefore.reset();
    FFramePr.reset();
    FWidowControl.reset();
    FNumPr.reset();
    FSuppressLineNumbers.reset();
    FPBdr.reset();
    FShd.reset();
    FTabs.reset();
    FSuppressAutoHyphens.reset();
    FKinsoku.reset();
    FWordWrap.reset();
    FOverflowPunct.reset();
    FTopLinePunct.reset();
    FAutoSpaceDE.reset();
    FAutoSpaceDN.reset();
    FBidi.reset();
    FAdjustRightInd.reset();
    FSnapToGrid.reset();
    FSpacing.reset();
    FInd.reset();
    FContextualSpacing.reset();
    FMirrorIndents.reset();
    FSuppressOverlap.reset();
    FJc.reset();
    FTextDirection.reset();
    FTextAlignment.reset();
    FTextboxTightWrap.reset();
    FOutlineLvl.reset();
    FDivId.reset();
    FCnfStyle.reset();
    FPPrChange.reset();
    FAny.Clear();
}

void TCT_PPrGeneral::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PPrGeneral*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FPStyle)
        Create_PStyle().Assign(*o->FPStyle);
    if (o->FKeepNext)
        Create_KeepNext().Assign(*o->FKeepNext);
    if (o->FKeepLines)
        Create_KeepLines().Assign(*o->FKeepLines);
    if (o->FPageBreakBefore)
        Create_PageBreakBefore().Assign(*o->FPageBreakBefore);
    if (o->FFramePr)
        Create_FramePr().Assign(*o->FFramePr);
    if (o->FWidowControl)
        Create_WidowControl().Assign(*o->FWidowControl);
    if (o->FNumPr)
        Create_NumPr().Assign(*o->FNumPr);
    if (o->FSuppressLineNumbers)
        Create_SuppressLineNumbers().Assign(*o->FSuppressLineNumbers);
    if (o->FPBdr)
        Create_PBdr().Assign(*o->FPBdr);
    if (o->FShd)
        Create_Shd().Assign(*o->FShd);
    if (o->FTabs)
        Create_Tabs().Assign(*o->FTabs);
    if (o->FSuppressAutoHyphens)
        Create_SuppressAutoHyphens().Assign(*o->FSuppressAutoHyphens);
    if (o->FKinsoku)
        Create_Kinsoku().Assign(*o->FKinsoku);
    if (o->FWordWrap)
        Create_WordWrap().Assign(*o->FWordWrap);
    if (o->FOverflowPunct)
        Create_OverflowPunct().Assign(*o->FOverflowPunct);
    if (o->FTopLinePunct)
        Create_TopLinePunct().Assign(*o->FTopLinePunct);
    if (o->FAutoSpaceDE)
        Create_AutoSpaceDE().Assign(*o->FAutoSpaceDE);
    if (o->FAutoSpaceDN)
        Create_AutoSpaceDN().Assign(*o->FAutoSpaceDN);
    if (o->FBidi)
        Create_Bidi().Assign(*o->FBidi);
    if (o->FAdjustRightInd)
        Create_AdjustRightInd().Assign(*o->FAdjustRightInd);
    if (o->FSnapToGrid)
        Create_SnapToGrid().Assign(*o->FSnapToGrid);
    if (o->FSpacing)
        Create_Spacing().Assign(*o->FSpacing);
    if (o->FInd)
        Create_Ind().Assign(*o->FInd);
    if (o->FContextualSpacing)
        Create_ContextualSpacing().Assign(*o->FContextualSpacing);
    if (o->FMirrorIndents)
        Create_MirrorIndents().Assign(*o->FMirrorIndents);
    if (o->FSuppressOverlap)
        Create_SuppressOverlap().Assign(*o->FSuppressOverlap);
    if (o->FJc)
        Create_Jc().Assign(*o->FJc);
    if (o->FTextDirection)
        Create_TextDirection().Assign(*o->FTextDirection);
    if (o->FTextAlignment)
        Create_TextAlignment().Assign(*o->FTextAlignment);
    if (o->FTextboxTightWrap)
        Create_TextboxTightWrap().Assign(*o->FTextboxTightWrap);
    if (o->FOutlineLvl)
        Create_OutlineLvl().Assign(*o->FOutlineLvl);
    if (o->FDivId)
        Create_DivId().Assign(*o->FDivId);
    if (o->FCnfStyle)
        Create_CnfStyle().Assign(*o->FCnfStyle);
    if (o->FPPrChange)
        Create_PPrChange().Assign(*o->FPPrChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PPrGeneral::HasElements() const
{
    return FPStyle != nullptr || FKeepNext != nullptr || FKeepLines != nullptr || FPageBreakBefore != nullptr || FFramePr != nullptr || FWidowControl != nullptr || FNumPr != nullptr || FSuppressLineNumbers != nullptr || FPBdr != nullptr || FShd != nullptr || FTabs != nullptr || FSuppressAutoHyphens != nullptr || FKinsoku != nullptr || FWordWrap != nullptr || FOverflowPunct != nullptr || FTopLinePunct != nullptr || FAutoSpaceDE != nullptr || FAutoSpaceDN != nullptr || FBidi != nullptr || FAdjustRightInd != nullptr || FSnapToGrid != nullptr || FSpacing != nullptr || FInd != nullptr || FContextualSpacing != nullptr || FMirrorIndents != nullptr || FSuppressOverlap != nullptr || FJc != nullptr || FTextDirection != nullptr || FTextAlignment != nullptr || FTextboxTightWrap != nullptr || FOutlineLvl != nullptr || FDivId != nullptr || FCnfStyle != nullptr || FPPrChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RPr

namespace {
constexpr std::string_view cTCT_RPrFEG_RPrBaseListNames[] = {"w:rStyle", "w:rFonts", "w:b", "w:bCs", "w:i", "w:iCs", "w:caps", "w:smallCaps", "w:strike", "w:dstrike", "w:outline", "w:shadow", "w:emboss", "w:imprint", "w:noProof", "w:snapToGrid", "w:vanish", "w:webHidden", "w:color", "w:spacing", "w:w", "w:kern", "w:position", "w:sz", "w:szCs", "w:highlight", "w:u", "w:effect", "w:bdr", "w:shd", "w:fitText", "w:vertAlign", "w:rtl", "w:cs", "w:em", "w:lang", "w:eastAsianLayout", "w:specVanish", "w:oMath"};
}  // namespace

TCT_RPr::TCT_RPr() = default;
TCT_RPr::~TCT_RPr() = default;

TCT_RPrChange& TCT_RPr::Create_RPrChange()
{
    if (!FRPrChange) {
        FRPrChange = std::make_unique<TCT_RPrChange>();
        FRPrChange->SetAssigned();
    }
    SetHasChildren();
    return *FRPrChange;
}

TNYQBase* TCT_RPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 98:
        if (local == "b") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(2);
        }
        break;
    case 105:
        if (local == "i") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(4);
        }
        break;
    case 117:
        if (local == "u") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_Underline>(26);
        }
        break;
    case 119:
        if (local == "w") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_TextScale>(20);
        }
        break;
    case 210:
        if (local == "em") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_Em>(34);
        }
        break;
    case 214:
        if (local == "cs") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(33);
        }
        break;
    case 237:
        if (local == "sz") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_HpsMeasure>(23);
        }
        break;
    case 280:
        if (local == "bCs") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(3);
        }
        break;
    case 287:
        if (local == "iCs") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(5);
        }
        break;
    case 312:
        if (local == "bdr") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_Border>(28);
        }
        break;
    case 319:
        if (local == "shd") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_Shd>(29);
        }
        break;
    case 338:
        if (local == "rtl") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(32);
        }
        break;
    case 418:
        if (local == "lang") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_Language>(35);
        }
        break;
    case 419:
        if (local == "szCs") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_HpsMeasure>(24);
        }
        break;
    case 423:
        if (local == "caps") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(6);
        }
        break;
    case 432:
        if (local == "kern") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_HpsMeasure>(21);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(38);
        }
        break;
    case 543:
        if (local == "color") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_Color>(18);
        }
        break;
    case 621:
        if (local == "effect") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_TextEffect>(27);
        }
        break;
    case 636:
        if (local == "rFonts") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_Fonts>(1);
        }
        break;
    case 643:
        if (local == "rStyle") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_String>(0);
        }
        break;
    case 646:
        if (local == "shadow") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(11);
        }
        break;
    case 649:
        if (local == "emboss") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(12);
        }
        if (local == "vanish") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(16);
        }
        break;
    case 658:
        if (local == "strike") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(8);
        }
        break;
    case 739:
        if (local == "noProof") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(14);
        }
        break;
    case 741:
        if (local == "spacing") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_SignedTwipsMeasure>(19);
        }
        break;
    case 744:
        if (local == "fitText") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_FitText>(30);
        }
        break;
    case 758:
        if (local == "dstrike") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(9);
        }
        break;
    case 768:
        if (local == "outline") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(10);
        }
        break;
    case 771:
        if (local == "imprint") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(13);
        }
        break;
    case 885:
        if (local == "position") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_SignedHpsMeasure>(22);
        }
        break;
    case 890:
        if (local == "rPrChange") {
            return &Create_RPrChange();
        }
        break;
    case 906:
        if (local == "webHidden") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(17);
        }
        break;
    case 928:
        if (local == "smallCaps") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(7);
        }
        break;
    case 940:
        if (local == "vertAlign") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_VerticalAlignRun>(31);
        }
        break;
    case 952:
        if (local == "highlight") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_Highlight>(25);
        }
        break;
    case 1019:
        if (local == "snapToGrid") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(15);
        }
        break;
    case 1044:
        if (local == "specVanish") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_OnOff>(37);
        }
        break;
    case 1559:
        if (local == "eastAsianLayout") {
            SetHasChildren();
            return &FEG_RPrBaseList.Add<TCT_EastAsianLayout>(36);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RPr::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_RPrBaseList.GetItems())
        NyqWriteChild(writer, cTCT_RPrFEG_RPrBaseListNames[item.Element], *item.Object);
    if (FRPrChange && FRPrChange->Available())
        NyqWriteChild(writer, "w:rPrChange", *FRPrChange);
    FAny.Write(writer);
}

void TCT_RPr::Clear()
{
    TNYQBase::Clear();
    FEG_RPrBaseList.Clear();
    FRPrChange.reset();
    FAny.Clear();
}

void TCT_RPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FEG_RPrBaseList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_RPrBaseList.Add<TCT_String>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_RPrBaseList.Add<TCT_Fonts>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_RPrBaseList.Add<TCT_OnOff>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_RPrBaseList.Add<TCT_OnOff>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_RPrBaseList.Add<TCT_OnOff>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_RPrBaseList.Add<TCT_OnOff>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_RPrBaseList.Add<TCT_OnOff>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_RPrBaseList.Add<TCT_OnOff>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_RPrBaseList.Add<TCT_OnOff>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_RPrBaseList.Add<TCT_OnOff>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_RPrBaseList.Add<TCT_OnOff>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_RPrBaseList.Add<TCT_OnOff>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_RPrBaseList.Add<TCT_OnOff>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_RPrBaseList.Add<TCT_OnOff>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_RPrBaseList.Add<TCT_OnOff>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_RPrBaseList.Add<TCT_OnOff>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_RPrBaseList.Add<TCT_OnOff>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_RPrBaseList.Add<TCT_OnOff>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_RPrBaseList.Add<TCT_Color>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_RPrBaseList.Add<TCT_SignedTwipsMeasure>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_RPrBaseList.Add<TCT_TextScale>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_RPrBaseList.Add<TCT_HpsMeasure>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_RPrBaseList.Add<TCT_SignedHpsMeasure>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_RPrBaseList.Add<TCT_HpsMeasure>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_RPrBaseList.Add<TCT_HpsMeasure>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_RPrBaseList.Add<TCT_Highlight>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_RPrBaseList.Add<TCT_Underline>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_RPrBaseList.Add<TCT_TextEffect>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_RPrBaseList.Add<TCT_Border>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_RPrBaseList.Add<TCT_Shd>(29).Assign(*item.Object);
            break;
        case 30:
            FEG_RPrBaseList.Add<TCT_FitText>(30).Assign(*item.Object);
            break;
        case 31:
            FEG_RPrBaseList.Add<TCT_VerticalAlignRun>(31).Assign(*item.Object);
            break;
        case 32:
            FEG_RPrBaseList.Add<TCT_OnOff>(32).Assign(*item.Object);
            break;
        case 33:
            FEG_RPrBaseList.Add<TCT_OnOff>(33).Assign(*item.Object);
            break;
        case 34:
            FEG_RPrBaseList.Add<TCT_Em>(34).Assign(*item.Object);
            break;
        case 35:
            FEG_RPrBaseList.Add<TCT_Language>(35).Assign(*item.Object);
            break;
        case 36:
            FEG_RPrBaseList.Add<TCT_EastAsianLayout>(36).Assign(*item.Object);
            break;
        case 37:
            FEG_RPrBaseList.Add<TCT_OnOff>(37).Assign(*item.Object);
            break;
        case 38:
            FEG_RPrBaseList.Add<TCT_OnOff>(38).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    if (o->FRPrChange)
        Create_RPrChange().Assign(*o->FRPrChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RPr::HasElements() const
{
    return FEG_RPrBaseList.Count() > 0 || FRPrChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblPrBase

TCT_TblPrBase::TCT_TblPrBase() = default;
TCT_TblPrBase::~TCT_TblPrBase() = default;

TCT_String& TCT_TblPrBase::Create_TblStyle()
{
    if (!FTblStyle) {
        FTblStyle = std::make_unique<TCT_String>();
        FTblStyle->SetAssigned();
    }
    SetHasChildren();
    return *FTblStyle;
}

TCT_TblPPr& TCT_TblPrBase::Create_TblpPr()
{
    if (!FTblpPr) {
        FTblpPr = std::make_unique<TCT_TblPPr>();
        FTblpPr->SetAssigned();
    }
    SetHasChildren();
    return *FTblpPr;
}

TCT_TblOverlap& TCT_TblPrBase::Create_TblOverlap()
{
    if (!FTblOverlap) {
        FTblOverlap = std::make_unique<TCT_TblOverlap>();
        FTblOverlap->SetAssigned();
    }
    SetHasChildren();
    return *FTblOverlap;
}

TCT_OnOff& TCT_TblPrBase::Create_BidiVisual()
{
    if (!FBidiVisual) {
        FBidiVisual = std::make_unique<TCT_OnOff>();
        FBidiVisual->SetAssigned();
    }
    SetHasChildren();
    return *FBidiVisual;
}

TCT_DecimalNumber& TCT_TblPrBase::Create_TblStyleRowBandSize()
{
    if (!FTblStyleRowBandSize) {
        FTblStyleRowBandSize = std::make_unique<TCT_DecimalNumber>();
        FTblStyleRowBandSize->SetAssigned();
    }
    SetHasChildren();
    return *FTblStyleRowBandSize;
}

TCT_DecimalNumber& TCT_TblPrBase::Create_TblStyleColBandSize()
{
    if (!FTblStyleColBandSize) {
        FTblStyleColBandSize = std::make_unique<TCT_DecimalNumber>();
        FTblStyleColBandSize->SetAssigned();
    }
    SetHasChildren();
    return *FTblStyleColBandSize;
}

TCT_TblWidth& TCT_TblPrBase::Create_TblW()
{
    if (!FTblW) {
        FTblW = std::make_unique<TCT_TblWidth>();
        FTblW->SetAssigned();
    }
    SetHasChildren();
    return *FTblW;
}

TCT_JcTable& TCT_TblPrBase::Create_Jc()
{
    if (!FJc) {
        FJc = std::make_unique<TCT_JcTable>();
        FJc->SetAssigned();
    }
    SetHasChildren();
    return *FJc;
}

TCT_TblWidth& TCT_TblPrBase::Create_TblCellSpacing()
{
    if (!FTblCellSpacing) {
        FTblCellSpacing = std::make_unique<TCT_TblWidth>();
        FTblCellSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FTblCellSpacing;
}

TCT_TblWidth& TCT_TblPrBase::Create_TblInd()
{
    if (!FTblInd) {
        FTblInd = std::make_unique<TCT_TblWidth>();
        FTblInd->SetAssigned();
    }
    SetHasChildren();
    return *FTblInd;
}

TCT_TblBorders& TCT_TblPrBase::Create_TblBorders()
{
    if (!FTblBorders) {
        FTblBorders = std::make_unique<TCT_TblBorders>();
        FTblBorders->SetAssigned();
    }
    SetHasChildren();
    return *FTblBorders;
}

TCT_Shd& TCT_TblPrBase::Create_Shd()
{
    if (!FShd) {
        FShd = std::make_unique<TCT_Shd>();
        FShd->SetAssigned();
    }
    SetHasChildren();
    return *FShd;
}

TCT_TblLayoutType& TCT_TblPrBase::Create_TblLayout()
{
    if (!FTblLayout) {
        FTblLayout = std::make_unique<TCT_TblLayoutType>();
        FTblLayout->SetAssigned();
    }
    SetHasChildren();
    return *FTblLayout;
}

TCT_TblCellMar& TCT_TblPrBase::Create_TblCellMar()
{
    if (!FTblCellMar) {
        FTblCellMar = std::make_unique<TCT_TblCellMar>();
        FTblCellMar->SetAssigned();
    }
    SetHasChildren();
    return *FTblCellMar;
}

TCT_TblLook& TCT_TblPrBase::Create_TblLook()
{
    if (!FTblLook) {
        FTblLook = std::make_unique<TCT_TblLook>();
        FTblLook->SetAssigned();
    }
    SetHasChildren();
    return *FTblLook;
}

TCT_String& TCT_TblPrBase::Create_TblCaption()
{
    if (!FTblCaption) {
        FTblCaption = std::make_unique<TCT_String>();
        FTblCaption->SetAssigned();
    }
    SetHasChildren();
    return *FTblCaption;
}

TCT_String& TCT_TblPrBase::Create_TblDescription()
{
    if (!FTblDescription) {
        FTblDescription = std::make_unique<TCT_String>();
        FTblDescription->SetAssigned();
    }
    SetHasChildren();
    return *FTblDescription;
}

TNYQBase* TCT_TblPrBase::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 205:
        if (local == "jc") {
            return &Create_Jc();
        }
        break;
    case 319:
        if (local == "shd") {
            return &Create_Shd();
        }
        break;
    case 409:
        if (local == "tblW") {
            return &Create_TblW();
        }
        break;
    case 605:
        if (local == "tblInd") {
            return &Create_TblInd();
        }
        break;
    case 628:
        if (local == "tblpPr") {
            return &Create_TblpPr();
        }
        break;
    case 727:
        if (local == "tblLook") {
            return &Create_TblLook();
        }
        break;
    case 851:
        if (local == "tblStyle") {
            return &Create_TblStyle();
        }
        break;
    case 960:
        if (local == "tblLayout") {
            return &Create_TblLayout();
        }
        break;
    case 994:
        if (local == "tblCellMar") {
            return &Create_TblCellMar();
        }
        break;
    case 1036:
        if (local == "bidiVisual") {
            return &Create_BidiVisual();
        }
        break;
    case 1040:
        if (local == "tblCaption") {
            return &Create_TblCaption();
        }
        break;
    case 1043:
        if (local == "tblBorders") {
            return &Create_TblBorders();
        }
        break;
    case 1051:
        if (local == "tblOverlap") {
            return &Create_TblOverlap();
        }
        break;
    case 1415:
        if (local == "tblCellSpacing") {
            return &Create_TblCellSpacing();
        }
        break;
    case 1478:
        if (local == "tblDescription") {
            return &Create_TblDescription();
        }
        break;
    case 1921:
        if (local == "tblStyleColBandSize") {
            return &Create_TblStyleColBandSize();
        }
        break;
    case 1947:
        if (local == "tblStyleRowBandSize") {
            return &Create_TblStyleRowBandSize();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblPrBase::Write(TNyqWriteXML& writer) const
{
    if (FTblStyle && FTblStyle->Available())
        NyqWriteChild(writer, "w:tblStyle", *FTblStyle);
    if (FTblpPr && FTblpPr->Available())
        NyqWriteChild(writer, "w:tblpPr", *FTblpPr);
    if (FTblOverlap && FTblOverlap->Available())
        NyqWriteChild(writer, "w:tblOverlap", *FTblOverlap);
    if (FBidiVisual && FBidiVisual->Available())
        NyqWriteChild(writer, "w:bidiVisual", *FBidiVisual);
    if (FTblStyleRowBandSize && FTblStyleRowBandSize->Available())
        NyqWriteChild(writer, "w:tblStyleRowBandSize", *FTblStyleRowBandSize);
    if (FTblStyleColBandSize && FTblStyleColBandSize->Available())
        NyqWriteChild(writer, "w:tblStyleColBandSize", *FTblStyleColBandSize);
    if (FTblW && FTblW->Available())
        NyqWriteChild(writer, "w:tblW", *FTblW);
    if (FJc && FJc->Available())
        NyqWriteChild(writer, "w:jc", *FJc);
    if (FTblCellSpacing && FTblCellSpacing->Available())
        NyqWriteChild(writer, "w:tblCellSpacing", *FTblCellSpacing);
    if (FTblInd && FTblInd->Available())
        NyqWriteChild(writer, "w:tblInd", *FTblInd);
    if (FTblBorders && FTblBorders->Available())
        NyqWriteChild(writer, "w:tblBorders", *FTblBorders);
    if (FShd && FShd->Available())
        NyqWriteChild(writer, "w:shd", *FShd);
    if (FTblLayout && FTblLayout->Available())
        NyqWriteChild(writer, "w:tblLayout", *FTblLayout);
    if (FTblCellMar && FTblCellMar->Available())
        NyqWriteChild(writer, "w:tblCellMar", *FTblCellMar);
    if (FTblLook && FTblLook->Available())
        NyqWriteChild(writer, "w:tblLook", *FTblLook);
    if (FTblCaption && FTblCaption->Available())
        NyqWriteChild(writer, "w:tblCaption", *FTblCaption);
    if (FTblDescription && FTblDescription->Available())
        NyqWriteChild(writer, "w:tblDescription", *FTblDescription);
    FAny.Write(writer);
}

void TCT_TblPrBase::Clear()
{
    TNYQBase::Clear();
    FTblStyle.reset();
    FTblpPr.reset();
    FTblOverlap.reset();
    FBidiVisual.reset();
    FTblStyleRowBandSize.reset();
    FTblStyleColBandSize.reset();
    FTblW.reset();
    FJc.reset();
    FTblCellSpacing.reset();
    FTblInd.reset();
    FTblBorders.reset();
    FShd.reset();
    FTblLayout.reset();
    FTblCellMar.reset();
    FTblLook.reset();
    FTblCaption.reset();
    FTblDescription.reset();
    FAny.Clear();
}

void TCT_TblPrBase::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblPrBase*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FTblStyle)
        Create_TblStyle().Assign(*o->FTblStyle);
    if (o->FTblpPr)
        Create_TblpPr().Assign(*o->FTblpPr);
    if (o->FTblOverlap)
        Create_TblOverlap().Assign(*o->FTblOverlap);
    if (o->FBidiVisual)
        Create_BidiVisual().Assign(*o->FBidiVisual);
    if (o->FTblStyleRowBandSize)
        Create_TblStyleRowBandSize().Assign(*o->FTblStyleRowBandSize);
    if (o->FTblStyleColBandSize)
        Create_TblStyleColBandSize().Assign(*o->FTblStyleColBandSize);
    if (o->FTblW)
        Create_TblW().Assign(*o->FTblW);
    if (o->FJc)
        Create_Jc().Assign(*o->FJc);
    if (o->FTblCellSpacing)
        Create_TblCellSpacing().Assign(*o->FTblCellSpacing);
    if (o->FTblInd)
        Create_TblInd().Assign(*o->FTblInd);
    if (o->FTblBorders)
        Create_TblBorders().Assign(*o->FTblBorders);
    if (o->FShd)
        Create_Shd().Assign(*o->FShd);
    if (o->FTblLayout)
        Create_TblLayout().Assign(*o->FTblLayout);
    if (o->FTblCellMar)
        Create_TblCellMar().Assign(*o->FTblCellMar);
    if (o->FTblLook)
        Create_TblLook().Assign(*o->FTblLook);
    if (o->FTblCaption)
        Create_TblCaption().Assign(*o->FTblCaption);
    if (o->FTblDescription)
        Create_TblDescription().Assign(*o->FTblDescription);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblPrBase::HasElements() const
{
    return FTblStyle != nullptr || FTblpPr != nullptr || FTblOverlap != nullptr || FBidiVisual != nullptr || FTblStyleRowBandSize != nullptr || FTblStyleColBandSize != nullptr || FTblW != nullptr || FJc != nullptr || FTblCellSpacing != nullptr || FTblInd != nullptr || FTblBorders != nullptr || FShd != nullptr || FTblLayout != nullptr || FTblCellMar != nullptr || FTblLook != nullptr || FTblCaption != nullptr || FTblDescription != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TrPr

namespace {
constexpr std::string_view cTCT_TrPrFChoice1ListNames[] = {"w:cnfStyle", "w:divId", "w:gridBefore", "w:gridAfter", "w:wBefore", "w:wAfter", "w:cantSplit", "w:trHeight", "w:tblHeader", "w:tblCellSpacing", "w:jc", "w:hidden"};
}  // namespace

TCT_TrPr::TCT_TrPr() = default;
TCT_TrPr::~TCT_TrPr() = default;

TCT_TrackChange& TCT_TrPr::Create_Ins()
{
    if (!FIns) {
        FIns = std::make_unique<TCT_TrackChange>();
        FIns->SetAssigned();
    }
    SetHasChildren();
    return *FIns;
}

TCT_TrackChange& TCT_TrPr::Create_Del()
{
    if (!FDel) {
        FDel = std::make_unique<TCT_TrackChange>();
        FDel->SetAssigned();
    }
    SetHasChildren();
    return *FDel;
}

TCT_TrPrChange& TCT_TrPr::Create_TrPrChange()
{
    if (!FTrPrChange) {
        FTrPrChange = std::make_unique<TCT_TrPrChange>();
        FTrPrChange->SetAssigned();
    }
    SetHasChildren();
    return *FTrPrChange;
}

TNYQBase* TCT_TrPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 205:
        if (local == "jc") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_JcTable>(10);
        }
        break;
    case 309:
        if (local == "del") {
            return &Create_Del();
        }
        break;
    case 330:
        if (local == "ins") {
            return &Create_Ins();
        }
        break;
    case 496:
        if (local == "divId") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_DecimalNumber>(1);
        }
        break;
    case 617:
        if (local == "wAfter") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TblWidth>(5);
        }
        break;
    case 620:
        if (local == "hidden") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_OnOff>(11);
        }
        break;
    case 714:
        if (local == "wBefore") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TblWidth>(4);
        }
        break;
    case 831:
        if (local == "trHeight") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Height>(7);
        }
        break;
    case 840:
        if (local == "cnfStyle") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Cnf>(0);
        }
        break;
    case 907:
        if (local == "tblHeader") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_OnOff>(8);
        }
        break;
    case 920:
        if (local == "gridAfter") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_DecimalNumber>(3);
        }
        break;
    case 946:
        if (local == "cantSplit") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_OnOff>(6);
        }
        break;
    case 1006:
        if (local == "trPrChange") {
            return &Create_TrPrChange();
        }
        break;
    case 1017:
        if (local == "gridBefore") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_DecimalNumber>(2);
        }
        break;
    case 1415:
        if (local == "tblCellSpacing") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_TblWidth>(9);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TrPr::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_TrPrFChoice1ListNames[item.Element], *item.Object);
    if (FIns && FIns->Available())
        NyqWriteChild(writer, "w:ins", *FIns);
    if (FDel && FDel->Available())
        NyqWriteChild(writer, "w:del", *FDel);
    if (FTrPrChange && FTrPrChange->Available())
        NyqWriteChild(writer, "w:trPrChange", *FTrPrChange);
    FAny.Write(writer);
}

void TCT_TrPr::Clear()
{
    TNYQBase::Clear();
    FChoice1List.Clear();
    FIns.reset();
    FDel.reset();
    FTrPrChange.reset();
    FAny.Clear();
}

void TCT_TrPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TrPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Cnf>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_DecimalNumber>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_DecimalNumber>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_DecimalNumber>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_TblWidth>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_TblWidth>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_OnOff>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_Height>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_OnOff>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_TblWidth>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_JcTable>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_OnOff>(11).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    if (o->FIns)
        Create_Ins().Assign(*o->FIns);
    if (o->FDel)
        Create_Del().Assign(*o->FDel);
    if (o->FTrPrChange)
        Create_TrPrChange().Assign(*o->FTrPrChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TrPr::HasElements() const
{
    return FChoice1List.Count() > 0 || FIns != nullptr || FDel != nullptr || FTrPrChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TcPr

TCT_TcPr::TCT_TcPr() = default;
TCT_TcPr::~TCT_TcPr() = default;

TCT_Cnf& TCT_TcPr::Create_CnfStyle()
{
    if (!FCnfStyle) {
        FCnfStyle = std::make_unique<TCT_Cnf>();
        FCnfStyle->SetAssigned();
    }
    SetHasChildren();
    return *FCnfStyle;
}

TCT_TblWidth& TCT_TcPr::Create_TcW()
{
    if (!FTcW) {
        FTcW = std::make_unique<TCT_TblWidth>();
        FTcW->SetAssigned();
    }
    SetHasChildren();
    return *FTcW;
}

TCT_DecimalNumber& TCT_TcPr::Create_GridSpan()
{
    if (!FGridSpan) {
        FGridSpan = std::make_unique<TCT_DecimalNumber>();
        FGridSpan->SetAssigned();
    }
    SetHasChildren();
    return *FGridSpan;
}

TCT_HMerge& TCT_TcPr::Create_HMerge()
{
    if (!FHMerge) {
        FHMerge = std::make_unique<TCT_HMerge>();
        FHMerge->SetAssigned();
    }
    SetHasChildren();
    return *FHMerge;
}

TCT_VMerge& TCT_TcPr::Create_VMerge()
{
    if (!FVMerge) {
        FVMerge = std::make_unique<TCT_VMerge>();
        FVMerge->SetAssigned();
    }
    SetHasChildren();
    return *FVMerge;
}

TCT_TcBorders& TCT_TcPr::Create_TcBorders()
{
    if (!FTcBorders) {
        FTcBorders = std::make_unique<TCT_TcBorders>();
        FTcBorders->SetAssigned();
    }
    SetHasChildren();
    return *FTcBorders;
}

TCT_Shd& TCT_TcPr::Create_Shd()
{
    if (!FShd) {
        FShd = std::make_unique<TCT_Shd>();
        FShd->SetAssigned();
    }
    SetHasChildren();
    return *FShd;
}

TCT_OnOff& TCT_TcPr::Create_NoWrap()
{
    if (!FNoWrap) {
        FNoWrap = std::make_unique<TCT_OnOff>();
        FNoWrap->SetAssigned();
    }
    SetHasChildren();
    return *FNoWrap;
}

TCT_TcMar& TCT_TcPr::Create_TcMar()
{
    if (!FTcMar) {
        FTcMar = std::make_unique<TCT_TcMar>();
        FTcMar->SetAssigned();
    }
    SetHasChildren();
    return *FTcMar;
}

TCT_TextDirection& TCT_TcPr::Create_TextDirection()
{
    if (!FTextDirection) {
        FTextDirection = std::make_unique<TCT_TextDirection>();
        FTextDirection->SetAssigned();
    }
    SetHasChildren();
    return *FTextDirection;
}

TCT_OnOff& TCT_TcPr::Create_TcFitText()
{
    if (!FTcFitText) {
        FTcFitText = std::make_unique<TCT_OnOff>();
        FTcFitText->SetAssigned();
    }
    SetHasChildren();
    return *FTcFitText;
}

TCT_VerticalJc& TCT_TcPr::Create_VAlign()
{
    if (!FVAlign) {
        FVAlign = std::make_unique<TCT_VerticalJc>();
        FVAlign->SetAssigned();
    }
    SetHasChildren();
    return *FVAlign;
}

TCT_OnOff& TCT_TcPr::Create_HideMark()
{
    if (!FHideMark) {
        FHideMark = std::make_unique<TCT_OnOff>();
        FHideMark->SetAssigned();
    }
    SetHasChildren();
    return *FHideMark;
}

TCT_Headers& TCT_TcPr::Create_Headers()
{
    if (!FHeaders) {
        FHeaders = std::make_unique<TCT_Headers>();
        FHeaders->SetAssigned();
    }
    SetHasChildren();
    return *FHeaders;
}

TCT_TrackChange& TCT_TcPr::Create_CellIns()
{
    if (!FCellIns) {
        FCellIns = std::make_unique<TCT_TrackChange>();
        FCellIns->SetAssigned();
    }
    SetHasChildren();
    return *FCellIns;
}

TCT_TrackChange& TCT_TcPr::Create_CellDel()
{
    if (!FCellDel) {
        FCellDel = std::make_unique<TCT_TrackChange>();
        FCellDel->SetAssigned();
    }
    SetHasChildren();
    return *FCellDel;
}

TCT_CellMergeTrackChange& TCT_TcPr::Create_CellMerge()
{
    if (!FCellMerge) {
        FCellMerge = std::make_unique<TCT_CellMergeTrackChange>();
        FCellMerge->SetAssigned();
    }
    SetHasChildren();
    return *FCellMerge;
}

TCT_TcPrChange& TCT_TcPr::Create_TcPrChange()
{
    if (!FTcPrChange) {
        FTcPrChange = std::make_unique<TCT_TcPrChange>();
        FTcPrChange->SetAssigned();
    }
    SetHasChildren();
    return *FTcPrChange;
}

TNYQBase* TCT_TcPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 302:
        if (local == "tcW") {
            return &Create_TcW();
        }
        break;
    case 319:
        if (local == "shd") {
            return &Create_Shd();
        }
        break;
    case 503:
        if (local == "tcMar") {
            return &Create_TcMar();
        }
        break;
    case 600:
        if (local == "hMerge") {
            return &Create_HMerge();
        }
        break;
    case 609:
        if (local == "vAlign") {
            return &Create_VAlign();
        }
        break;
    case 614:
        if (local == "vMerge") {
            return &Create_VMerge();
        }
        break;
    case 631:
        if (local == "noWrap") {
            return &Create_NoWrap();
        }
        break;
    case 693:
        if (local == "cellDel") {
            return &Create_CellDel();
        }
        break;
    case 714:
        if (local == "cellIns") {
            return &Create_CellIns();
        }
        break;
    case 732:
        if (local == "headers") {
            return &Create_Headers();
        }
        break;
    case 805:
        if (local == "hideMark") {
            return &Create_HideMark();
        }
        break;
    case 824:
        if (local == "gridSpan") {
            return &Create_GridSpan();
        }
        break;
    case 840:
        if (local == "cnfStyle") {
            return &Create_CnfStyle();
        }
        break;
    case 912:
        if (local == "cellMerge") {
            return &Create_CellMerge();
        }
        break;
    case 927:
        if (local == "tcFitText") {
            return &Create_TcFitText();
        }
        break;
    case 936:
        if (local == "tcBorders") {
            return &Create_TcBorders();
        }
        break;
    case 991:
        if (local == "tcPrChange") {
            return &Create_TcPrChange();
        }
        break;
    case 1382:
        if (local == "textDirection") {
            return &Create_TextDirection();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TcPr::Write(TNyqWriteXML& writer) const
{
    if (FCnfStyle && FCnfStyle->Available())
        NyqWriteChild(writer, "w:cnfStyle", *FCnfStyle);
    if (FTcW && FTcW->Available())
        NyqWriteChild(writer, "w:tcW", *FTcW);
    if (FGridSpan && FGridSpan->Available())
        NyqWriteChild(writer, "w:gridSpan", *FGridSpan);
    if (FHMerge && FHMerge->Available())
        NyqWriteChild(writer, "w:hMerge", *FHMerge);
    if (FVMerge && FVMerge->Available())
        NyqWriteChild(writer, "w:vMerge", *FVMerge);
    if (FTcBorders && FTcBorders->Available())
        NyqWriteChild(writer, "w:tcBorders", *FTcBorders);
    if (FShd && FShd->Available())
        NyqWriteChild(writer, "w:shd", *FShd);
    if (FNoWrap && FNoWrap->Available())
        NyqWriteChild(writer, "w:noWrap", *FNoWrap);
    if (FTcMar && FTcMar->Available())
        NyqWriteChild(writer, "w:tcMar", *FTcMar);
    if (FTextDirection && FTextDirection->Available())
        NyqWriteChild(writer, "w:textDirection", *FTextDirection);
    if (FTcFitText && FTcFitText->Available())
        NyqWriteChild(writer, "w:tcFitText", *FTcFitText);
    if (FVAlign && FVAlign->Available())
        NyqWriteChild(writer, "w:vAlign", *FVAlign);
    if (FHideMark && FHideMark->Available())
        NyqWriteChild(writer, "w:hideMark", *FHideMark);
    if (FHeaders && FHeaders->Available())
        NyqWriteChild(writer, "w:headers", *FHeaders);
    if (FCellIns && FCellIns->Available())
        NyqWriteChild(writer, "w:cellIns", *FCellIns);
    if (FCellDel && FCellDel->Available())
        NyqWriteChild(writer, "w:cellDel", *FCellDel);
    if (FCellMerge && FCellMerge->Available())
        NyqWriteChild(writer, "w:cellMerge", *FCellMerge);
    if (FTcPrChange && FTcPrChange->Available())
        NyqWriteChild(writer, "w:tcPrChange", *FTcPrChange);
    FAny.Write(writer);
}

void TCT_TcPr::Clear()
{
    TNYQBase::Clear();
    FCnfStyle.reset();
    FTcW.reset();
    FGridSpan.reset();
    FHMerge.reset();
    FVMerge.reset();
    FTcBorders.reset();
    FShd.reset();
    FNoWrap.reset();
    FTcMar.reset();
    FTextDirection.reset();
    FTcFitText.reset();
    FVAlign.reset();
    FHideMark.reset();
    FHeaders.reset();
    FCellIns.reset();
    FCellDel.reset();
    FCellMerge.reset();
    FTcPrChange.reset();
    FAny.Clear();
}

void TCT_TcPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TcPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FCnfStyle)
        Create_CnfStyle().Assign(*o->FCnfStyle);
    if (o->FTcW)
        Create_TcW().Assign(*o->FTcW);
    if (o->FGridSpan)
        Create_GridSpan().Assign(*o->FGridSpan);
    if (o->FHMerge)
        Create_HMerge().Assign(*o->FHMerge);
    if (o->FVMerge)
        Create_VMerge().Assign(*o->FVMerge);
    if (o->FTcBorders)
        Create_TcBorders().Assign(*o->FTcBorders);
    if (o->FShd)
        Create_Shd().Assign(*o->FShd);
    if (o->FNoWrap)
        Create_NoWrap().Assign(*o->FNoWrap);
    if (o->FTcMar)
        Create_TcMar().Assign(*o->FTcMar);
    if (o->FTextDirection)
        Create_TextDirection().Assign(*o->FTextDirection);
    if (o->FTcFitText)
        Create_TcFitText().Assign(*o->FTcFitText);
    if (o->FVAlign)
        Create_VAlign().Assign(*o->FVAlign);
    if (o->FHideMark)
        Create_HideMark().Assign(*o->FHideMark);
    if (o->FHeaders)
        Create_Headers().Assign(*o->FHeaders);
    if (o->FCellIns)
        Create_CellIns().Assign(*o->FCellIns);
    if (o->FCellDel)
        Create_CellDel().Assign(*o->FCellDel);
    if (o->FCellMerge)
        Create_CellMerge().Assign(*o->FCellMerge);
    if (o->FTcPrChange)
        Create_TcPrChange().Assign(*o->FTcPrChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TcPr::HasElements() const
{
    return FCnfStyle != nullptr || FTcW != nullptr || FGridSpan != nullptr || FHMerge != nullptr || FVMerge != nullptr || FTcBorders != nullptr || FShd != nullptr || FNoWrap != nullptr || FTcMar != nullptr || FTextDirection != nullptr || FTcFitText != nullptr || FVAlign != nullptr || FHideMark != nullptr || FHeaders != nullptr || FCellIns != nullptr || FCellDel != nullptr || FCellMerge != nullptr || FTcPrChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblStylePr

TCT_TblStylePr::TCT_TblStylePr() = default;
TCT_TblStylePr::~TCT_TblStylePr() = default;

TCT_PPrGeneral& TCT_TblStylePr::Create_PPr()
{
    if (!FPPr) {
        FPPr = std::make_unique<TCT_PPrGeneral>();
        FPPr->SetAssigned();
    }
    SetHasChildren();
    return *FPPr;
}

TCT_RPr& TCT_TblStylePr::Create_RPr()
{
    if (!FRPr) {
        FRPr = std::make_unique<TCT_RPr>();
        FRPr->SetAssigned();
    }
    SetHasChildren();
    return *FRPr;
}

TCT_TblPrBase& TCT_TblStylePr::Create_TblPr()
{
    if (!FTblPr) {
        FTblPr = std::make_unique<TCT_TblPrBase>();
        FTblPr->SetAssigned();
    }
    SetHasChildren();
    return *FTblPr;
}

TCT_TrPr& TCT_TblStylePr::Create_TrPr()
{
    if (!FTrPr) {
        FTrPr = std::make_unique<TCT_TrPr>();
        FTrPr->SetAssigned();
    }
    SetHasChildren();
    return *FTrPr;
}

TCT_TcPr& TCT_TblStylePr::Create_TcPr()
{
    if (!FTcPr) {
        FTcPr = std::make_unique<TCT_TcPr>();
        FTcPr->SetAssigned();
    }
    SetHasChildren();
    return *FTcPr;
}

TNYQBase* TCT_TblStylePr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 306:
        if (local == "pPr") {
            return &Create_PPr();
        }
        break;
    case 308:
        if (local == "rPr") {
            return &Create_RPr();
        }
        break;
    case 409:
        if (local == "tcPr") {
            return &Create_TcPr();
        }
        break;
    case 424:
        if (local == "trPr") {
            return &Create_TrPr();
        }
        break;
    case 516:
        if (local == "tblPr") {
            return &Create_TblPr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblStylePr::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_TblStyleOverrideType(attrs.GetValues(i)))
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

void TCT_TblStylePr::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:type", TST_TblStyleOverrideTypeToStr(FType));
}

void TCT_TblStylePr::Write(TNyqWriteXML& writer) const
{
    if (FPPr && FPPr->Available())
        NyqWriteChild(writer, "w:pPr", *FPPr);
    if (FRPr && FRPr->Available())
        NyqWriteChild(writer, "w:rPr", *FRPr);
    if (FTblPr && FTblPr->Available())
        NyqWriteChild(writer, "w:tblPr", *FTblPr);
    if (FTrPr && FTrPr->Available())
        NyqWriteChild(writer, "w:trPr", *FTrPr);
    if (FTcPr && FTcPr->Available())
        NyqWriteChild(writer, "w:tcPr", *FTcPr);
    FAny.Write(writer);
}

void TCT_TblStylePr::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FPPr.reset();
    FRPr.reset();
    FTblPr.reset();
    FTrPr.reset();
    FTcPr.reset();
    FAny.Clear();
}

void TCT_TblStylePr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblStylePr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    if (o->FPPr)
        Create_PPr().Assign(*o->FPPr);
    if (o->FRPr)
        Create_RPr().Assign(*o->FRPr);
    if (o->FTblPr)
        Create_TblPr().Assign(*o->FTblPr);
    if (o->FTrPr)
        Create_TrPr().Assign(*o->FTrPr);
    if (o->FTcPr)
        Create_TcPr().Assign(*o->FTcPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblStylePr::HasElements() const
{
    return FPPr != nullptr || FRPr != nullptr || FTblPr != nullptr || FTrPr != nullptr || FTcPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Picture

TCT_Picture::TCT_Picture() = default;
TCT_Picture::~TCT_Picture() = default;

TCT_Rel& TCT_Picture::Create_Movie()
{
    if (!FMovie) {
        FMovie = std::make_unique<TCT_Rel>();
        FMovie->SetAssigned();
    }
    SetHasChildren();
    return *FMovie;
}

TCT_Control& TCT_Picture::Create_Control()
{
    if (!FControl) {
        FControl = std::make_unique<TCT_Control>();
        FControl->SetAssigned();
    }
    SetHasChildren();
    return *FControl;
}

TNYQBase* TCT_Picture::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 544:
        if (local == "movie") {
            return &Create_Movie();
        }
        break;
    case 769:
        if (local == "control") {
            return &Create_Control();
        }
        break;
    default:
        break;
    }
    switch (reader.QNameHashA()) {
    case 310:
        if (local == "arc") {
            SetHasChildren();
            return &FAny.Add<TCT_Arc>("v:arc");
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
    case 557:
        if (local == "group") {
            SetHasChildren();
            return &FAny.Add<TCT_Group>("v:group");
        }
        break;
    case 876:
        if (local == "polyline") {
            SetHasChildren();
            return &FAny.Add<TCT_PolyLine>("v:polyline");
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
    default:
        break;
    }
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Picture::Write(TNyqWriteXML& writer) const
{
    if (FMovie && FMovie->Available())
        NyqWriteChild(writer, "w:movie", *FMovie);
    if (FControl && FControl->Available())
        NyqWriteChild(writer, "w:control", *FControl);
    FAny.Write(writer);
}

void TCT_Picture::Clear()
{
    TNYQBase::Clear();
    FMovie.reset();
    FControl.reset();
    FAny.Clear();
}

void TCT_Picture::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Picture*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FMovie)
        Create_Movie().Assign(*o->FMovie);
    if (o->FControl)
        Create_Control().Assign(*o->FControl);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Picture::HasElements() const
{
    return FMovie != nullptr || FControl != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MultiLevelType

TCT_MultiLevelType::TCT_MultiLevelType() = default;
TCT_MultiLevelType::~TCT_MultiLevelType() = default;

TNYQBase* TCT_MultiLevelType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MultiLevelType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_MultiLevelType(attrs.GetValues(i)))
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

void TCT_MultiLevelType::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_MultiLevelTypeToStr(FVal));
}

void TCT_MultiLevelType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_MultiLevelType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_MultiLevelType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MultiLevelType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MultiLevelType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Lvl

TCT_Lvl::TCT_Lvl() = default;
TCT_Lvl::~TCT_Lvl() = default;

TCT_DecimalNumber& TCT_Lvl::Create_Start()
{
    if (!FStart) {
        FStart = std::make_unique<TCT_DecimalNumber>();
        FStart->SetAssigned();
    }
    SetHasChildren();
    return *FStart;
}

TCT_NumFmt& TCT_Lvl::Create_NumFmt()
{
    if (!FNumFmt) {
        FNumFmt = std::make_unique<TCT_NumFmt>();
        FNumFmt->SetAssigned();
    }
    SetHasChildren();
    return *FNumFmt;
}

TCT_DecimalNumber& TCT_Lvl::Create_LvlRestart()
{
    if (!FLvlRestart) {
        FLvlRestart = std::make_unique<TCT_DecimalNumber>();
        FLvlRestart->SetAssigned();
    }
    SetHasChildren();
    return *FLvlRestart;
}

TCT_String& TCT_Lvl::Create_PStyle()
{
    if (!FPStyle) {
        FPStyle = std::make_unique<TCT_String>();
        FPStyle->SetAssigned();
    }
    SetHasChildren();
    return *FPStyle;
}

TCT_OnOff& TCT_Lvl::Create_IsLgl()
{
    if (!FIsLgl) {
        FIsLgl = std::make_unique<TCT_OnOff>();
        FIsLgl->SetAssigned();
    }
    SetHasChildren();
    return *FIsLgl;
}

TCT_LevelSuffix& TCT_Lvl::Create_Suff()
{
    if (!FSuff) {
        FSuff = std::make_unique<TCT_LevelSuffix>();
        FSuff->SetAssigned();
    }
    SetHasChildren();
    return *FSuff;
}

TCT_LevelText& TCT_Lvl::Create_LvlText()
{
    if (!FLvlText) {
        FLvlText = std::make_unique<TCT_LevelText>();
        FLvlText->SetAssigned();
    }
    SetHasChildren();
    return *FLvlText;
}

TCT_DecimalNumber& TCT_Lvl::Create_LvlPicBulletId()
{
    if (!FLvlPicBulletId) {
        FLvlPicBulletId = std::make_unique<TCT_DecimalNumber>();
        FLvlPicBulletId->SetAssigned();
    }
    SetHasChildren();
    return *FLvlPicBulletId;
}

TCT_LvlLegacy& TCT_Lvl::Create_Legacy()
{
    if (!FLegacy) {
        FLegacy = std::make_unique<TCT_LvlLegacy>();
        FLegacy->SetAssigned();
    }
    SetHasChildren();
    return *FLegacy;
}

TCT_Jc& TCT_Lvl::Create_LvlJc()
{
    if (!FLvlJc) {
        FLvlJc = std::make_unique<TCT_Jc>();
        FLvlJc->SetAssigned();
    }
    SetHasChildren();
    return *FLvlJc;
}

TCT_PPrGeneral& TCT_Lvl::Create_PPr()
{
    if (!FPPr) {
        FPPr = std::make_unique<TCT_PPrGeneral>();
        FPPr->SetAssigned();
    }
    SetHasChildren();
    return *FPPr;
}

TCT_RPr& TCT_Lvl::Create_RPr()
{
    if (!FRPr) {
        FRPr = std::make_unique<TCT_RPr>();
        FRPr->SetAssigned();
    }
    SetHasChildren();
    return *FRPr;
}

TNYQBase* TCT_Lvl::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 306:
        if (local == "pPr") {
            return &Create_PPr();
        }
        break;
    case 308:
        if (local == "rPr") {
            return &Create_RPr();
        }
        break;
    case 436:
        if (local == "suff") {
            return &Create_Suff();
        }
        break;
    case 507:
        if (local == "isLgl") {
            return &Create_IsLgl();
        }
        if (local == "lvlJc") {
            return &Create_LvlJc();
        }
        break;
    case 558:
        if (local == "start") {
            return &Create_Start();
        }
        break;
    case 629:
        if (local == "legacy") {
            return &Create_Legacy();
        }
        break;
    case 631:
        if (local == "numFmt") {
            return &Create_NumFmt();
        }
        break;
    case 641:
        if (local == "pStyle") {
            return &Create_PStyle();
        }
        break;
    case 755:
        if (local == "lvlText") {
            return &Create_LvlText();
        }
        break;
    case 1075:
        if (local == "lvlRestart") {
            return &Create_LvlRestart();
        }
        break;
    case 1407:
        if (local == "lvlPicBulletId") {
            return &Create_LvlPicBulletId();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Lvl::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 435:
            if (local == "tplc") {
                FTplc = attrs.GetValues(i);
                continue;
            }
            break;
        case 439:
            if (local == "ilvl") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FIlvl = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 980:
            if (local == "tentative") {
                FTentative = attrs.GetValues(i);
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

void TCT_Lvl::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:ilvl", XmlIntToStr(FIlvl));
    if (FTplc)
        writer.AddAttribute("w:tplc", *FTplc);
    if (FTentative)
        writer.AddAttribute("w:tentative", *FTentative);
}

void TCT_Lvl::Write(TNyqWriteXML& writer) const
{
    if (FStart && FStart->Available())
        NyqWriteChild(writer, "w:start", *FStart);
    if (FNumFmt && FNumFmt->Available())
        NyqWriteChild(writer, "w:numFmt", *FNumFmt);
    if (FLvlRestart && FLvlRestart->Available())
        NyqWriteChild(writer, "w:lvlRestart", *FLvlRestart);
    if (FPStyle && FPStyle->Available())
        NyqWriteChild(writer, "w:pStyle", *FPStyle);
    if (FIsLgl && FIsLgl->Available())
        NyqWriteChild(writer, "w:isLgl", *FIsLgl);
    if (FSuff && FSuff->Available())
        NyqWriteChild(writer, "w:suff", *FSuff);
    if (FLvlText && FLvlText->Available())
        NyqWriteChild(writer, "w:lvlText", *FLvlText);
    if (FLvlPicBulletId && FLvlPicBulletId->Available())
        NyqWriteChild(writer, "w:lvlPicBulletId", *FLvlPicBulletId);
    if (FLegacy && FLegacy->Available())
        NyqWriteChild(writer, "w:legacy", *FLegacy);
    if (FLvlJc && FLvlJc->Available())
        NyqWriteChild(writer, "w:lvlJc", *FLvlJc);
    if (FPPr && FPPr->Available())
        NyqWriteChild(writer, "w:pPr", *FPPr);
    if (FRPr && FRPr->Available())
        NyqWriteChild(writer, "w:rPr", *FRPr);
    FAny.Write(writer);
}

void TCT_Lvl::Clear()
{
    TNYQBase::Clear();
    FIlvl = {};
    FTplc = {};
    FTentative = {};
    FStart.reset();
    FNumFmt.reset();
    FLvlRestart.reset();
    FPStyle.reset();
    FIsLgl.reset();
    FSuff.reset();
    FLvlText.reset();
    FLvlPicBulletId.reset();
    FLegacy.reset();
    FLvlJc.reset();
    FPPr.reset();
    FRPr.reset();
    FAny.Clear();
}

void TCT_Lvl::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Lvl*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FIlvl = o->FIlvl;
    FTplc = o->FTplc;
    FTentative = o->FTentative;
    if (o->FStart)
        Create_Start().Assign(*o->FStart);
    if (o->FNumFmt)
        Create_NumFmt().Assign(*o->FNumFmt);
    if (o->FLvlRestart)
        Create_LvlRestart().Assign(*o->FLvlRestart);
    if (o->FPStyle)
        Create_PStyle().Assign(*o->FPStyle);
    if (o->FIsLgl)
        Create_IsLgl().Assign(*o->FIsLgl);
    if (o->FSuff)
        Create_Suff().Assign(*o->FSuff);
    if (o->FLvlText)
        Create_LvlText().Assign(*o->FLvlText);
    if (o->FLvlPicBulletId)
        Create_LvlPicBulletId().Assign(*o->FLvlPicBulletId);
    if (o->FLegacy)
        Create_Legacy().Assign(*o->FLegacy);
    if (o->FLvlJc)
        Create_LvlJc().Assign(*o->FLvlJc);
    if (o->FPPr)
        Create_PPr().Assign(*o->FPPr);
    if (o->FRPr)
        Create_RPr().Assign(*o->FRPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Lvl::HasElements() const
{
    return FStart != nullptr || FNumFmt != nullptr || FLvlRestart != nullptr || FPStyle != nullptr || FIsLgl != nullptr || FSuff != nullptr || FLvlText != nullptr || FLvlPicBulletId != nullptr || FLegacy != nullptr || FLvlJc != nullptr || FPPr != nullptr || FRPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_NumLvl

TCT_NumLvl::TCT_NumLvl() = default;
TCT_NumLvl::~TCT_NumLvl() = default;

TCT_DecimalNumber& TCT_NumLvl::Create_StartOverride()
{
    if (!FStartOverride) {
        FStartOverride = std::make_unique<TCT_DecimalNumber>();
        FStartOverride->SetAssigned();
    }
    SetHasChildren();
    return *FStartOverride;
}

TCT_Lvl& TCT_NumLvl::Create_Lvl()
{
    if (!FLvl) {
        FLvl = std::make_unique<TCT_Lvl>();
        FLvl->SetAssigned();
    }
    SetHasChildren();
    return *FLvl;
}

TNYQBase* TCT_NumLvl::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 334:
        if (local == "lvl") {
            return &Create_Lvl();
        }
        break;
    case 1390:
        if (local == "startOverride") {
            return &Create_StartOverride();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_NumLvl::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 439:
            if (local == "ilvl") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FIlvl = *v;
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

void TCT_NumLvl::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:ilvl", XmlIntToStr(FIlvl));
}

void TCT_NumLvl::Write(TNyqWriteXML& writer) const
{
    if (FStartOverride && FStartOverride->Available())
        NyqWriteChild(writer, "w:startOverride", *FStartOverride);
    if (FLvl && FLvl->Available())
        NyqWriteChild(writer, "w:lvl", *FLvl);
    FAny.Write(writer);
}

void TCT_NumLvl::Clear()
{
    TNYQBase::Clear();
    FIlvl = {};
    FStartOverride.reset();
    FLvl.reset();
    FAny.Clear();
}

void TCT_NumLvl::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_NumLvl*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FIlvl = o->FIlvl;
    if (o->FStartOverride)
        Create_StartOverride().Assign(*o->FStartOverride);
    if (o->FLvl)
        Create_Lvl().Assign(*o->FLvl);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_NumLvl::HasElements() const
{
    return FStartOverride != nullptr || FLvl != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MailMergeDocType

TCT_MailMergeDocType::TCT_MailMergeDocType() = default;
TCT_MailMergeDocType::~TCT_MailMergeDocType() = default;

TNYQBase* TCT_MailMergeDocType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MailMergeDocType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_MailMergeDocType(attrs.GetValues(i)))
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

void TCT_MailMergeDocType::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_MailMergeDocTypeToStr(FVal));
}

void TCT_MailMergeDocType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_MailMergeDocType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_MailMergeDocType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MailMergeDocType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MailMergeDocType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MailMergeDataType

TCT_MailMergeDataType::TCT_MailMergeDataType() = default;
TCT_MailMergeDataType::~TCT_MailMergeDataType() = default;

TNYQBase* TCT_MailMergeDataType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MailMergeDataType::AssignAttributes(TNYQReader& reader)
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

void TCT_MailMergeDataType::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_MailMergeDataType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_MailMergeDataType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_MailMergeDataType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MailMergeDataType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MailMergeDataType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MailMergeDest

TCT_MailMergeDest::TCT_MailMergeDest() = default;
TCT_MailMergeDest::~TCT_MailMergeDest() = default;

TNYQBase* TCT_MailMergeDest::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MailMergeDest::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_MailMergeDest(attrs.GetValues(i)))
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

void TCT_MailMergeDest::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_MailMergeDestToStr(FVal));
}

void TCT_MailMergeDest::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_MailMergeDest::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_MailMergeDest::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MailMergeDest*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MailMergeDest::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Odso

TCT_Odso::TCT_Odso() = default;
TCT_Odso::~TCT_Odso() = default;

TCT_String& TCT_Odso::Create_Udl()
{
    if (!FUdl) {
        FUdl = std::make_unique<TCT_String>();
        FUdl->SetAssigned();
    }
    SetHasChildren();
    return *FUdl;
}

TCT_String& TCT_Odso::Create_Table()
{
    if (!FTable) {
        FTable = std::make_unique<TCT_String>();
        FTable->SetAssigned();
    }
    SetHasChildren();
    return *FTable;
}

TCT_Rel& TCT_Odso::Create_Src()
{
    if (!FSrc) {
        FSrc = std::make_unique<TCT_Rel>();
        FSrc->SetAssigned();
    }
    SetHasChildren();
    return *FSrc;
}

TCT_DecimalNumber& TCT_Odso::Create_ColDelim()
{
    if (!FColDelim) {
        FColDelim = std::make_unique<TCT_DecimalNumber>();
        FColDelim->SetAssigned();
    }
    SetHasChildren();
    return *FColDelim;
}

TCT_MailMergeSourceType& TCT_Odso::Create_Type()
{
    if (!FType) {
        FType = std::make_unique<TCT_MailMergeSourceType>();
        FType->SetAssigned();
    }
    SetHasChildren();
    return *FType;
}

TCT_OnOff& TCT_Odso::Create_FHdr()
{
    if (!FFHdr) {
        FFHdr = std::make_unique<TCT_OnOff>();
        FFHdr->SetAssigned();
    }
    SetHasChildren();
    return *FFHdr;
}

TNYQBase* TCT_Odso::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 325:
        if (local == "udl") {
            return &Create_Udl();
        }
        break;
    case 328:
        if (local == "src") {
            return &Create_Src();
        }
        break;
    case 388:
        if (local == "fHdr") {
            return &Create_FHdr();
        }
        break;
    case 450:
        if (local == "type") {
            return &Create_Type();
        }
        break;
    case 520:
        if (local == "table") {
            return &Create_Table();
        }
        break;
    case 809:
        if (local == "colDelim") {
            return &Create_ColDelim();
        }
        break;
    case 1180:
        if (local == "fieldMapData") {
            SetHasChildren();
            return &FFieldMapDataList.Add();
        }
        break;
    case 1341:
        if (local == "recipientData") {
            SetHasChildren();
            return &FRecipientDataList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Odso::Write(TNyqWriteXML& writer) const
{
    if (FUdl && FUdl->Available())
        NyqWriteChild(writer, "w:udl", *FUdl);
    if (FTable && FTable->Available())
        NyqWriteChild(writer, "w:table", *FTable);
    if (FSrc && FSrc->Available())
        NyqWriteChild(writer, "w:src", *FSrc);
    if (FColDelim && FColDelim->Available())
        NyqWriteChild(writer, "w:colDelim", *FColDelim);
    if (FType && FType->Available())
        NyqWriteChild(writer, "w:type", *FType);
    if (FFHdr && FFHdr->Available())
        NyqWriteChild(writer, "w:fHdr", *FFHdr);
    for (const auto& item : FFieldMapDataList.GetItems())
        NyqWriteChild(writer, "w:fieldMapData", *item);
    for (const auto& item : FRecipientDataList.GetItems())
        NyqWriteChild(writer, "w:recipientData", *item);
    FAny.Write(writer);
}

void TCT_Odso::Clear()
{
    TNYQBase::Clear();
    FUdl.reset();
    FTable.reset();
    FSrc.reset();
    FColDelim.reset();
    FType.reset();
    FFHdr.reset();
    FFieldMapDataList.Clear();
    FRecipientDataList.Clear();
    FAny.Clear();
}

void TCT_Odso::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Odso*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FUdl)
        Create_Udl().Assign(*o->FUdl);
    if (o->FTable)
        Create_Table().Assign(*o->FTable);
    if (o->FSrc)
        Create_Src().Assign(*o->FSrc);
    if (o->FColDelim)
        Create_ColDelim().Assign(*o->FColDelim);
    if (o->FType)
        Create_Type().Assign(*o->FType);
    if (o->FFHdr)
        Create_FHdr().Assign(*o->FFHdr);
    for (const auto& item : o->FFieldMapDataList.GetItems())
        FFieldMapDataList.Add().Assign(*item);
    for (const auto& item : o->FRecipientDataList.GetItems())
        FRecipientDataList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Odso::HasElements() const
{
    return FUdl != nullptr || FTable != nullptr || FSrc != nullptr || FColDelim != nullptr || FType != nullptr || FFHdr != nullptr || FFieldMapDataList.Count() > 0 || FRecipientDataList.Count() > 0 || FAny.Count() > 0;
}

