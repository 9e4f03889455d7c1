// NyqDocxWml4.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocxWml.h"

// ---------------------------------------------------------------------------
// TCT_PaperSource

TCT_PaperSource::TCT_PaperSource() = default;
TCT_PaperSource::~TCT_PaperSource() = default;

TNYQBase* TCT_PaperSource::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PaperSource::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 546:
            if (local == "other") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FOther = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 552:
            if (local == "first") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FFirst = *v;
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

void TCT_PaperSource::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FFirst)
        writer.AddAttribute("w:first", XmlIntToStr(*FFirst));
    if (FOther)
        writer.AddAttribute("w:other", XmlIntToStr(*FOther));
}

void TCT_PaperSource::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PaperSource::Clear()
{
    TNYQBase::Clear();
    FFirst = {};
    FOther = {};
    FAny.Clear();
}

void TCT_PaperSource::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PaperSource*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FFirst = o->FFirst;
    FOther = o->FOther;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PaperSource::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PageBorders

TCT_PageBorders::TCT_PageBorders() = default;
TCT_PageBorders::~TCT_PageBorders() = default;

TCT_TopPageBorder& TCT_PageBorders::Create_Top()
{
    if (!FTop) {
        FTop = std::make_unique<TCT_TopPageBorder>();
        FTop->SetAssigned();
    }
    SetHasChildren();
    return *FTop;
}

TCT_PageBorder& TCT_PageBorders::Create_Left()
{
    if (!FLeft) {
        FLeft = std::make_unique<TCT_PageBorder>();
        FLeft->SetAssigned();
    }
    SetHasChildren();
    return *FLeft;
}

TCT_BottomPageBorder& TCT_PageBorders::Create_Bottom()
{
    if (!FBottom) {
        FBottom = std::make_unique<TCT_BottomPageBorder>();
        FBottom->SetAssigned();
    }
    SetHasChildren();
    return *FBottom;
}

TCT_PageBorder& TCT_PageBorders::Create_Right()
{
    if (!FRight) {
        FRight = std::make_unique<TCT_PageBorder>();
        FRight->SetAssigned();
    }
    SetHasChildren();
    return *FRight;
}

TNYQBase* TCT_PageBorders::HandleElement(TNYQReader& reader)
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

void TCT_PageBorders::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 630:
            if (local == "zOrder") {
                if (const auto v = StrToTST_PageBorderZOrder(attrs.GetValues(i)))
                    FZOrder = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 758:
            if (local == "display") {
                if (const auto v = StrToTST_PageBorderDisplay(attrs.GetValues(i)))
                    FDisplay = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1051:
            if (local == "offsetFrom") {
                if (const auto v = StrToTST_PageBorderOffset(attrs.GetValues(i)))
                    FOffsetFrom = *v;
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

void TCT_PageBorders::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FZOrder)
        writer.AddAttribute("w:zOrder", TST_PageBorderZOrderToStr(*FZOrder));
    if (FDisplay)
        writer.AddAttribute("w:display", TST_PageBorderDisplayToStr(*FDisplay));
    if (FOffsetFrom)
        writer.AddAttribute("w:offsetFrom", TST_PageBorderOffsetToStr(*FOffsetFrom));
}

void TCT_PageBorders::Write(TNyqWriteXML& writer) const
{
    if (FTop && FTop->Available())
        NyqWriteChild(writer, "w:top", *FTop);
    if (FLeft && FLeft->Available())
        NyqWriteChild(writer, "w:left", *FLeft);
    if (FBottom && FBottom->Available())
        NyqWriteChild(writer, "w:bottom", *FBottom);
    if (FRight && FRight->Available())
        NyqWriteChild(writer, "w:right", *FRight);
    FAny.Write(writer);
}

void TCT_PageBorders::Clear()
{
    TNYQBase::Clear();
    FZOrder = {};
    FDisplay = {};
    FOffsetFrom = {};
    FTop.reset();
    FLeft.reset();
    FBottom.reset();
    FRight.reset();
    FAny.Clear();
}

void TCT_PageBorders::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PageBorders*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FZOrder = o->FZOrder;
    FDisplay = o->FDisplay;
    FOffsetFrom = o->FOffsetFrom;
    if (o->FTop)
        Create_Top().Assign(*o->FTop);
    if (o->FLeft)
        Create_Left().Assign(*o->FLeft);
    if (o->FBottom)
        Create_Bottom().Assign(*o->FBottom);
    if (o->FRight)
        Create_Right().Assign(*o->FRight);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PageBorders::HasElements() const
{
    return FTop != nullptr || FLeft != nullptr || FBottom != nullptr || FRight != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LineNumber

TCT_LineNumber::TCT_LineNumber() = default;
TCT_LineNumber::~TCT_LineNumber() = default;

TNYQBase* TCT_LineNumber::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LineNumber::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 558:
            if (local == "start") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FStart = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 740:
            if (local == "countBy") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCountBy = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 773:
            if (local == "restart") {
                if (const auto v = StrToTST_LineNumberRestart(attrs.GetValues(i)))
                    FRestart = *v;
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
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_LineNumber::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FCountBy)
        writer.AddAttribute("w:countBy", XmlIntToStr(*FCountBy));
    if (FStart)
        writer.AddAttribute("w:start", XmlIntToStr(*FStart));
    if (FDistance)
        writer.AddAttribute("w:distance", *FDistance);
    if (FRestart)
        writer.AddAttribute("w:restart", TST_LineNumberRestartToStr(*FRestart));
}

void TCT_LineNumber::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LineNumber::Clear()
{
    TNYQBase::Clear();
    FCountBy = {};
    FStart = {};
    FDistance = {};
    FRestart = {};
    FAny.Clear();
}

void TCT_LineNumber::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LineNumber*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FCountBy = o->FCountBy;
    FStart = o->FStart;
    FDistance = o->FDistance;
    FRestart = o->FRestart;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LineNumber::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PageNumber

TCT_PageNumber::TCT_PageNumber() = default;
TCT_PageNumber::~TCT_PageNumber() = default;

TNYQBase* TCT_PageNumber::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PageNumber::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 327:
            if (local == "fmt") {
                if (const auto v = StrToTST_NumberFormat(attrs.GetValues(i)))
                    FFmt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 558:
            if (local == "start") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FStart = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 708:
            if (local == "chapSep") {
                if (const auto v = StrToTST_ChapterSep(attrs.GetValues(i)))
                    FChapSep = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 941:
            if (local == "chapStyle") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FChapStyle = *v;
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

void TCT_PageNumber::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FFmt)
        writer.AddAttribute("w:fmt", TST_NumberFormatToStr(*FFmt));
    if (FStart)
        writer.AddAttribute("w:start", XmlIntToStr(*FStart));
    if (FChapStyle)
        writer.AddAttribute("w:chapStyle", XmlIntToStr(*FChapStyle));
    if (FChapSep)
        writer.AddAttribute("w:chapSep", TST_ChapterSepToStr(*FChapSep));
}

void TCT_PageNumber::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PageNumber::Clear()
{
    TNYQBase::Clear();
    FFmt = {};
    FStart = {};
    FChapStyle = {};
    FChapSep = {};
    FAny.Clear();
}

void TCT_PageNumber::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PageNumber*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FFmt = o->FFmt;
    FStart = o->FStart;
    FChapStyle = o->FChapStyle;
    FChapSep = o->FChapSep;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PageNumber::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Columns

TCT_Columns::TCT_Columns() = default;
TCT_Columns::~TCT_Columns() = default;

TNYQBase* TCT_Columns::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 318:
        if (local == "col") {
            SetHasChildren();
            return &FColList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Columns::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 328:
            if (local == "sep") {
                FSep = attrs.GetValues(i);
                continue;
            }
            break;
        case 336:
            if (local == "num") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FNum = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 524:
            if (local == "space") {
                FSpace = attrs.GetValues(i);
                continue;
            }
            break;
        case 1048:
            if (local == "equalWidth") {
                FEqualWidth = attrs.GetValues(i);
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

void TCT_Columns::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FEqualWidth)
        writer.AddAttribute("w:equalWidth", *FEqualWidth);
    if (FSpace)
        writer.AddAttribute("w:space", *FSpace);
    if (FNum)
        writer.AddAttribute("w:num", XmlIntToStr(*FNum));
    if (FSep)
        writer.AddAttribute("w:sep", *FSep);
}

void TCT_Columns::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FColList.GetItems())
        NyqWriteChild(writer, "w:col", *item);
    FAny.Write(writer);
}

void TCT_Columns::Clear()
{
    TNYQBase::Clear();
    FEqualWidth = {};
    FSpace = {};
    FNum = {};
    FSep = {};
    FColList.Clear();
    FAny.Clear();
}

void TCT_Columns::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Columns*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FEqualWidth = o->FEqualWidth;
    FSpace = o->FSpace;
    FNum = o->FNum;
    FSep = o->FSep;
    for (const auto& item : o->FColList.GetItems())
        FColList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Columns::HasElements() const
{
    return FColList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_VerticalJc

TCT_VerticalJc::TCT_VerticalJc() = default;
TCT_VerticalJc::~TCT_VerticalJc() = default;

TNYQBase* TCT_VerticalJc::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_VerticalJc::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_VerticalJc(attrs.GetValues(i)))
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

void TCT_VerticalJc::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_VerticalJcToStr(FVal));
}

void TCT_VerticalJc::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_VerticalJc::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_VerticalJc::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_VerticalJc*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_VerticalJc::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TextDirection

TCT_TextDirection::TCT_TextDirection() = default;
TCT_TextDirection::~TCT_TextDirection() = default;

TNYQBase* TCT_TextDirection::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TextDirection::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_TextDirection(attrs.GetValues(i)))
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

void TCT_TextDirection::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_TextDirectionToStr(FVal));
}

void TCT_TextDirection::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TextDirection::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_TextDirection::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TextDirection*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TextDirection::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DocGrid

TCT_DocGrid::TCT_DocGrid() = default;
TCT_DocGrid::~TCT_DocGrid() = default;

TNYQBase* TCT_DocGrid::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DocGrid::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_DocGrid(attrs.GetValues(i)))
                    FType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 906:
            if (local == "charSpace") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCharSpace = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 928:
            if (local == "linePitch") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FLinePitch = *v;
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

void TCT_DocGrid::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("w:type", TST_DocGridToStr(*FType));
    if (FLinePitch)
        writer.AddAttribute("w:linePitch", XmlIntToStr(*FLinePitch));
    if (FCharSpace)
        writer.AddAttribute("w:charSpace", XmlIntToStr(*FCharSpace));
}

void TCT_DocGrid::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_DocGrid::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FLinePitch = {};
    FCharSpace = {};
    FAny.Clear();
}

void TCT_DocGrid::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DocGrid*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FLinePitch = o->FLinePitch;
    FCharSpace = o->FCharSpace;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DocGrid::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SectPrChange

TCT_SectPrChange::TCT_SectPrChange() = default;
TCT_SectPrChange::~TCT_SectPrChange() = default;

TCT_SectPrBase& TCT_SectPrChange::Create_SectPr()
{
    if (!FSectPr) {
        FSectPr = std::make_unique<TCT_SectPrBase>();
        FSectPr->SetAssigned();
    }
    SetHasChildren();
    return *FSectPr;
}

TNYQBase* TCT_SectPrChange::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 625:
        if (local == "sectPr") {
            return &Create_SectPr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SectPrChange::AssignAttributes(TNYQReader& reader)
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

void TCT_SectPrChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_SectPrChange::Write(TNyqWriteXML& writer) const
{
    if (FSectPr && FSectPr->Available())
        NyqWriteChild(writer, "w:sectPr", *FSectPr);
    FAny.Write(writer);
}

void TCT_SectPrChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FSectPr.reset();
    FAny.Clear();
}

void TCT_SectPrChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SectPrChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    if (o->FSectPr)
        Create_SectPr().Assign(*o->FSectPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SectPrChange::HasElements() const
{
    return FSectPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FramePr

TCT_FramePr::TCT_FramePr() = default;
TCT_FramePr::~TCT_FramePr() = default;

TNYQBase* TCT_FramePr::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FramePr::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 104:
            if (local == "h") {
                FH = attrs.GetValues(i);
                continue;
            }
            break;
        case 119:
            if (local == "w") {
                FW = attrs.GetValues(i);
                continue;
            }
            break;
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
        case 442:
            if (local == "wrap") {
                if (const auto v = StrToTST_Wrap(attrs.GetValues(i)))
                    FWrap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 512:
            if (local == "hRule") {
                if (const auto v = StrToTST_HeightRule(attrs.GetValues(i)))
                    FHRule = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 539:
            if (local == "lines") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FLines = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 596:
            if (local == "hSpace") {
                FHSpace = attrs.GetValues(i);
                continue;
            }
            break;
        case 610:
            if (local == "vSpace") {
                FVSpace = attrs.GetValues(i);
                continue;
            }
            break;
        case 611:
            if (local == "xAlign") {
                if (const auto v = StrToTST_XAlign(attrs.GetValues(i)))
                    FXAlign = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 612:
            if (local == "yAlign") {
                if (const auto v = StrToTST_YAlign(attrs.GetValues(i)))
                    FYAlign = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 707:
            if (local == "hAnchor") {
                if (const auto v = StrToTST_HAnchor(attrs.GetValues(i)))
                    FHAnchor = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 713:
            if (local == "dropCap") {
                if (const auto v = StrToTST_DropCap(attrs.GetValues(i)))
                    FDropCap = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 721:
            if (local == "vAnchor") {
                if (const auto v = StrToTST_VAnchor(attrs.GetValues(i)))
                    FVAnchor = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1028:
            if (local == "anchorLock") {
                FAnchorLock = attrs.GetValues(i);
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

void TCT_FramePr::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDropCap)
        writer.AddAttribute("w:dropCap", TST_DropCapToStr(*FDropCap));
    if (FLines)
        writer.AddAttribute("w:lines", XmlIntToStr(*FLines));
    if (FW)
        writer.AddAttribute("w:w", *FW);
    if (FH)
        writer.AddAttribute("w:h", *FH);
    if (FVSpace)
        writer.AddAttribute("w:vSpace", *FVSpace);
    if (FHSpace)
        writer.AddAttribute("w:hSpace", *FHSpace);
    if (FWrap)
        writer.AddAttribute("w:wrap", TST_WrapToStr(*FWrap));
    if (FHAnchor)
        writer.AddAttribute("w:hAnchor", TST_HAnchorToStr(*FHAnchor));
    if (FVAnchor)
        writer.AddAttribute("w:vAnchor", TST_VAnchorToStr(*FVAnchor));
    if (FX)
        writer.AddAttribute("w:x", *FX);
    if (FXAlign)
        writer.AddAttribute("w:xAlign", TST_XAlignToStr(*FXAlign));
    if (FY)
        writer.AddAttribute("w:y", *FY);
    if (FYAlign)
        writer.AddAttribute("w:yAlign", TST_YAlignToStr(*FYAlign));
    if (FHRule)
        writer.AddAttribute("w:hRule", TST_HeightRuleToStr(*FHRule));
    if (FAnchorLock)
        writer.AddAttribute("w:anchorLock", *FAnchorLock);
}

void TCT_FramePr::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FramePr::Clear()
{
    TNYQBase::Clear();
    FDropCap = {};
    FLines = {};
    FW = {};
    FH = {};
    FVSpace = {};
    FHSpace = {};
    FWrap = {};
    FHAnchor = {};
    FVAnchor = {};
    FX = {};
    FXAlign = {};
    FY = {};
    FYAlign = {};
    FHRule = {};
    FAnchorLock = {};
    FAny.Clear();
}

void TCT_FramePr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FramePr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDropCap = o->FDropCap;
    FLines = o->FLines;
    FW = o->FW;
    FH = o->FH;
    FVSpace = o->FVSpace;
    FHSpace = o->FHSpace;
    FWrap = o->FWrap;
    FHAnchor = o->FHAnchor;
    FVAnchor = o->FVAnchor;
    FX = o->FX;
    FXAlign = o->FXAlign;
    FY = o->FY;
    FYAlign = o->FYAlign;
    FHRule = o->FHRule;
    FAnchorLock = o->FAnchorLock;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FramePr::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_NumPr

TCT_NumPr::TCT_NumPr() = default;
TCT_NumPr::~TCT_NumPr() = default;

TCT_DecimalNumber& TCT_NumPr::Create_Ilvl()
{
    if (!FIlvl) {
        FIlvl = std::make_unique<TCT_DecimalNumber>();
        FIlvl->SetAssigned();
    }
    SetHasChildren();
    return *FIlvl;
}

TCT_DecimalNumber& TCT_NumPr::Create_NumId()
{
    if (!FNumId) {
        FNumId = std::make_unique<TCT_DecimalNumber>();
        FNumId->SetAssigned();
    }
    SetHasChildren();
    return *FNumId;
}

TCT_TrackChangeNumbering& TCT_NumPr::Create_NumberingChange()
{
    if (!FNumberingChange) {
        FNumberingChange = std::make_unique<TCT_TrackChangeNumbering>();
        FNumberingChange->SetAssigned();
    }
    SetHasChildren();
    return *FNumberingChange;
}

TCT_TrackChange& TCT_NumPr::Create_Ins()
{
    if (!FIns) {
        FIns = std::make_unique<TCT_TrackChange>();
        FIns->SetAssigned();
    }
    SetHasChildren();
    return *FIns;
}

TNYQBase* TCT_NumPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 330:
        if (local == "ins") {
            return &Create_Ins();
        }
        break;
    case 439:
        if (local == "ilvl") {
            return &Create_Ilvl();
        }
        break;
    case 509:
        if (local == "numId") {
            return &Create_NumId();
        }
        break;
    case 1549:
        if (local == "numberingChange") {
            return &Create_NumberingChange();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_NumPr::Write(TNyqWriteXML& writer) const
{
    if (FIlvl && FIlvl->Available())
        NyqWriteChild(writer, "w:ilvl", *FIlvl);
    if (FNumId && FNumId->Available())
        NyqWriteChild(writer, "w:numId", *FNumId);
    if (FNumberingChange && FNumberingChange->Available())
        NyqWriteChild(writer, "w:numberingChange", *FNumberingChange);
    if (FIns && FIns->Available())
        NyqWriteChild(writer, "w:ins", *FIns);
    FAny.Write(writer);
}

void TCT_NumPr::Clear()
{
    TNYQBase::Clear();
    FIlvl.reset();
    FNumId.reset();
    FNumberingChange.reset();
    FIns.reset();
    FAny.Clear();
}

void TCT_NumPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_NumPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FIlvl)
        Create_Ilvl().Assign(*o->FIlvl);
    if (o->FNumId)
        Create_NumId().Assign(*o->FNumId);
    if (o->FNumberingChange)
        Create_NumberingChange().Assign(*o->FNumberingChange);
    if (o->FIns)
        Create_Ins().Assign(*o->FIns);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_NumPr::HasElements() const
{
    return FIlvl != nullptr || FNumId != nullptr || FNumberingChange != nullptr || FIns != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PBdr

TCT_PBdr::TCT_PBdr() = default;
TCT_PBdr::~TCT_PBdr() = default;

TCT_Border& TCT_PBdr::Create_Top()
{
    if (!FTop) {
        FTop = std::make_unique<TCT_Border>();
        FTop->SetAssigned();
    }
    SetHasChildren();
    return *FTop;
}

TCT_Border& TCT_PBdr::Create_Left()
{
    if (!FLeft) {
        FLeft = std::make_unique<TCT_Border>();
        FLeft->SetAssigned();
    }
    SetHasChildren();
    return *FLeft;
}

TCT_Border& TCT_PBdr::Create_Bottom()
{
    if (!FBottom) {
        FBottom = std::make_unique<TCT_Border>();
        FBottom->SetAssigned();
    }
    SetHasChildren();
    return *FBottom;
}

TCT_Border& TCT_PBdr::Create_Right()
{
    if (!FRight) {
        FRight = std::make_unique<TCT_Border>();
        FRight->SetAssigned();
    }
    SetHasChildren();
    return *FRight;
}

TCT_Border& TCT_PBdr::Create_Between()
{
    if (!FBetween) {
        FBetween = std::make_unique<TCT_Border>();
        FBetween->SetAssigned();
    }
    SetHasChildren();
    return *FBetween;
}

TCT_Border& TCT_PBdr::Create_Bar()
{
    if (!FBar) {
        FBar = std::make_unique<TCT_Border>();
        FBar->SetAssigned();
    }
    SetHasChildren();
    return *FBar;
}

TNYQBase* TCT_PBdr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 309:
        if (local == "bar") {
            return &Create_Bar();
        }
        break;
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
    case 661:
        if (local == "bottom") {
            return &Create_Bottom();
        }
        break;
    case 746:
        if (local == "between") {
            return &Create_Between();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PBdr::Write(TNyqWriteXML& writer) const
{
    if (FTop && FTop->Available())
        NyqWriteChild(writer, "w:top", *FTop);
    if (FLeft && FLeft->Available())
        NyqWriteChild(writer, "w:left", *FLeft);
    if (FBottom && FBottom->Available())
        NyqWriteChild(writer, "w:bottom", *FBottom);
    if (FRight && FRight->Available())
        NyqWriteChild(writer, "w:right", *FRight);
    if (FBetween && FBetween->Available())
        NyqWriteChild(writer, "w:between", *FBetween);
    if (FBar && FBar->Available())
        NyqWriteChild(writer, "w:bar", *FBar);
    FAny.Write(writer);
}

void TCT_PBdr::Clear()
{
    TNYQBase::Clear();
    FTop.reset();
    FLeft.reset();
    FBottom.reset();
    FRight.reset();
    FBetween.reset();
    FBar.reset();
    FAny.Clear();
}

void TCT_PBdr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PBdr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FTop)
        Create_Top().Assign(*o->FTop);
    if (o->FLeft)
        Create_Left().Assign(*o->FLeft);
    if (o->FBottom)
        Create_Bottom().Assign(*o->FBottom);
    if (o->FRight)
        Create_Right().Assign(*o->FRight);
    if (o->FBetween)
        Create_Between().Assign(*o->FBetween);
    if (o->FBar)
        Create_Bar().Assign(*o->FBar);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PBdr::HasElements() const
{
    return FTop != nullptr || FLeft != nullptr || FBottom != nullptr || FRight != nullptr || FBetween != nullptr || FBar != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Shd

TCT_Shd::TCT_Shd() = default;
TCT_Shd::~TCT_Shd() = default;

TNYQBase* TCT_Shd::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Shd::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Shd(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 423:
            if (local == "fill") {
                FFill = attrs.GetValues(i);
                continue;
            }
            break;
        case 543:
            if (local == "color") {
                FColor = attrs.GetValues(i);
                continue;
            }
            break;
        case 922:
            if (local == "themeFill") {
                if (const auto v = StrToTST_ThemeColor(attrs.GetValues(i)))
                    FThemeFill = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 946:
            if (local == "themeTint") {
                FThemeTint = attrs.GetValues(i);
                continue;
            }
            break;
        case 1016:
            if (local == "themeShade") {
                FThemeShade = attrs.GetValues(i);
                continue;
            }
            break;
        case 1042:
            if (local == "themeColor") {
                if (const auto v = StrToTST_ThemeColor(attrs.GetValues(i)))
                    FThemeColor = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1337:
            if (local == "themeFillTint") {
                FThemeFillTint = attrs.GetValues(i);
                continue;
            }
            break;
        case 1407:
            if (local == "themeFillShade") {
                FThemeFillShade = attrs.GetValues(i);
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

void TCT_Shd::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_ShdToStr(FVal));
    if (FColor)
        writer.AddAttribute("w:color", *FColor);
    if (FThemeColor)
        writer.AddAttribute("w:themeColor", TST_ThemeColorToStr(*FThemeColor));
    if (FThemeTint)
        writer.AddAttribute("w:themeTint", *FThemeTint);
    if (FThemeShade)
        writer.AddAttribute("w:themeShade", *FThemeShade);
    if (FFill)
        writer.AddAttribute("w:fill", *FFill);
    if (FThemeFill)
        writer.AddAttribute("w:themeFill", TST_ThemeColorToStr(*FThemeFill));
    if (FThemeFillTint)
        writer.AddAttribute("w:themeFillTint", *FThemeFillTint);
    if (FThemeFillShade)
        writer.AddAttribute("w:themeFillShade", *FThemeFillShade);
}

void TCT_Shd::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Shd::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FColor = {};
    FThemeColor = {};
    FThemeTint = {};
    FThemeShade = {};
    FFill = {};
    FThemeFill = {};
    FThemeFillTint = {};
    FThemeFillShade = {};
    FAny.Clear();
}

void TCT_Shd::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Shd*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FColor = o->FColor;
    FThemeColor = o->FThemeColor;
    FThemeTint = o->FThemeTint;
    FThemeShade = o->FThemeShade;
    FFill = o->FFill;
    FThemeFill = o->FThemeFill;
    FThemeFillTint = o->FThemeFillTint;
    FThemeFillShade = o->FThemeFillShade;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Shd::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Tabs

TCT_Tabs::TCT_Tabs() = default;
TCT_Tabs::~TCT_Tabs() = default;

TNYQBase* TCT_Tabs::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 311:
        if (local == "tab") {
            SetHasChildren();
            return &FTabList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Tabs::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FTabList.GetItems())
        NyqWriteChild(writer, "w:tab", *item);
    FAny.Write(writer);
}

void TCT_Tabs::Clear()
{
    TNYQBase::Clear();
    FTabList.Clear();
    FAny.Clear();
}

void TCT_Tabs::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Tabs*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FTabList.GetItems())
        FTabList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Tabs::HasElements() const
{
    return FTabList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Spacing

TCT_Spacing::TCT_Spacing() = default;
TCT_Spacing::~TCT_Spacing() = default;

TNYQBase* TCT_Spacing::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Spacing::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 424:
            if (local == "line") {
                FLine = attrs.GetValues(i);
                continue;
            }
            break;
        case 530:
            if (local == "after") {
                FAfter = attrs.GetValues(i);
                continue;
            }
            break;
        case 627:
            if (local == "before") {
                FBefore = attrs.GetValues(i);
                continue;
            }
            break;
        case 832:
            if (local == "lineRule") {
                if (const auto v = StrToTST_LineSpacingRule(attrs.GetValues(i)))
                    FLineRule = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1037:
            if (local == "afterLines") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FAfterLines = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1134:
            if (local == "beforeLines") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FBeforeLines = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1680:
            if (local == "afterAutospacing") {
                FAfterAutospacing = attrs.GetValues(i);
                continue;
            }
            break;
        case 1777:
            if (local == "beforeAutospacing") {
                FBeforeAutospacing = attrs.GetValues(i);
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

void TCT_Spacing::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FBefore)
        writer.AddAttribute("w:before", *FBefore);
    if (FBeforeLines)
        writer.AddAttribute("w:beforeLines", XmlIntToStr(*FBeforeLines));
    if (FBeforeAutospacing)
        writer.AddAttribute("w:beforeAutospacing", *FBeforeAutospacing);
    if (FAfter)
        writer.AddAttribute("w:after", *FAfter);
    if (FAfterLines)
        writer.AddAttribute("w:afterLines", XmlIntToStr(*FAfterLines));
    if (FAfterAutospacing)
        writer.AddAttribute("w:afterAutospacing", *FAfterAutospacing);
    if (FLine)
        writer.AddAttribute("w:line", *FLine);
    if (FLineRule)
        writer.AddAttribute("w:lineRule", TST_LineSpacingRuleToStr(*FLineRule));
}

void TCT_Spacing::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Spacing::Clear()
{
    TNYQBase::Clear();
    FBefore = {};
    FBeforeLines = {};
    FBeforeAutospacing = {};
    FAfter = {};
    FAfterLines = {};
    FAfterAutospacing = {};
    FLine = {};
    FLineRule = {};
    FAny.Clear();
}

void TCT_Spacing::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Spacing*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FBefore = o->FBefore;
    FBeforeLines = o->FBeforeLines;
    FBeforeAutospacing = o->FBeforeAutospacing;
    FAfter = o->FAfter;
    FAfterLines = o->FAfterLines;
    FAfterAutospacing = o->FAfterAutospacing;
    FLine = o->FLine;
    FLineRule = o->FLineRule;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Spacing::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Ind

TCT_Ind::TCT_Ind() = default;
TCT_Ind::~TCT_Ind() = default;

TNYQBase* TCT_Ind::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Ind::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 311:
            if (local == "end") {
                FEnd = attrs.GetValues(i);
                continue;
            }
            break;
        case 427:
            if (local == "left") {
                FLeft = attrs.GetValues(i);
                continue;
            }
            break;
        case 542:
            if (local == "right") {
                FRight = attrs.GetValues(i);
                continue;
            }
            break;
        case 558:
            if (local == "start") {
                FStart = attrs.GetValues(i);
                continue;
            }
            break;
        case 732:
            if (local == "hanging") {
                FHanging = attrs.GetValues(i);
                continue;
            }
            break;
        case 808:
            if (local == "endChars") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FEndChars = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 924:
            if (local == "leftChars") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FLeftChars = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 944:
            if (local == "firstLine") {
                FFirstLine = attrs.GetValues(i);
                continue;
            }
            break;
        case 1039:
            if (local == "rightChars") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FRightChars = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1055:
            if (local == "startChars") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FStartChars = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1229:
            if (local == "hangingChars") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FHangingChars = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1441:
            if (local == "firstLineChars") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FFirstLineChars = *v;
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

void TCT_Ind::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FStart)
        writer.AddAttribute("w:start", *FStart);
    if (FStartChars)
        writer.AddAttribute("w:startChars", XmlIntToStr(*FStartChars));
    if (FEnd)
        writer.AddAttribute("w:end", *FEnd);
    if (FEndChars)
        writer.AddAttribute("w:endChars", XmlIntToStr(*FEndChars));
    if (FLeft)
        writer.AddAttribute("w:left", *FLeft);
    if (FLeftChars)
        writer.AddAttribute("w:leftChars", XmlIntToStr(*FLeftChars));
    if (FRight)
        writer.AddAttribute("w:right", *FRight);
    if (FRightChars)
        writer.AddAttribute("w:rightChars", XmlIntToStr(*FRightChars));
    if (FHanging)
        writer.AddAttribute("w:hanging", *FHanging);
    if (FHangingChars)
        writer.AddAttribute("w:hangingChars", XmlIntToStr(*FHangingChars));
    if (FFirstLine)
        writer.AddAttribute("w:firstLine", *FFirstLine);
    if (FFirstLineChars)
        writer.AddAttribute("w:firstLineChars", XmlIntToStr(*FFirstLineChars));
}

void TCT_Ind::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Ind::Clear()
{
    TNYQBase::Clear();
    FStart = {};
    FStartChars = {};
    FEnd = {};
    FEndChars = {};
    FLeft = {};
    FLeftChars = {};
    FRight = {};
    FRightChars = {};
    FHanging = {};
    FHangingChars = {};
    FFirstLine = {};
    FFirstLineChars = {};
    FAny.Clear();
}

void TCT_Ind::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Ind*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FStart = o->FStart;
    FStartChars = o->FStartChars;
    FEnd = o->FEnd;
    FEndChars = o->FEndChars;
    FLeft = o->FLeft;
    FLeftChars = o->FLeftChars;
    FRight = o->FRight;
    FRightChars = o->FRightChars;
    FHanging = o->FHanging;
    FHangingChars = o->FHangingChars;
    FFirstLine = o->FFirstLine;
    FFirstLineChars = o->FFirstLineChars;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Ind::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Jc

TCT_Jc::TCT_Jc() = default;
TCT_Jc::~TCT_Jc() = default;

TNYQBase* TCT_Jc::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Jc::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Jc(attrs.GetValues(i)))
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

void TCT_Jc::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_JcToStr(FVal));
}

void TCT_Jc::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Jc::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_Jc::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Jc*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Jc::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TextAlignment

TCT_TextAlignment::TCT_TextAlignment() = default;
TCT_TextAlignment::~TCT_TextAlignment() = default;

TNYQBase* TCT_TextAlignment::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TextAlignment::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_TextAlignment(attrs.GetValues(i)))
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

void TCT_TextAlignment::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_TextAlignmentToStr(FVal));
}

void TCT_TextAlignment::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TextAlignment::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_TextAlignment::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TextAlignment*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TextAlignment::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TextboxTightWrap

TCT_TextboxTightWrap::TCT_TextboxTightWrap() = default;
TCT_TextboxTightWrap::~TCT_TextboxTightWrap() = default;

TNYQBase* TCT_TextboxTightWrap::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TextboxTightWrap::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_TextboxTightWrap(attrs.GetValues(i)))
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

void TCT_TextboxTightWrap::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_TextboxTightWrapToStr(FVal));
}

void TCT_TextboxTightWrap::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TextboxTightWrap::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_TextboxTightWrap::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TextboxTightWrap*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TextboxTightWrap::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Cnf

TCT_Cnf::TCT_Cnf() = default;
TCT_Cnf::~TCT_Cnf() = default;

TNYQBase* TCT_Cnf::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Cnf::AssignAttributes(TNYQReader& reader)
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
        case 748:
            if (local == "lastRow") {
                FLastRow = attrs.GetValues(i);
                continue;
            }
            break;
        case 756:
            if (local == "oddHBand") {
                FOddHBand = attrs.GetValues(i);
                continue;
            }
            break;
        case 770:
            if (local == "oddVBand") {
                FOddVBand = attrs.GetValues(i);
                continue;
            }
            break;
        case 864:
            if (local == "firstRow") {
                FFirstRow = attrs.GetValues(i);
                continue;
            }
            break;
        case 875:
            if (local == "evenHBand") {
                FEvenHBand = attrs.GetValues(i);
                continue;
            }
            break;
        case 889:
            if (local == "evenVBand") {
                FEvenVBand = attrs.GetValues(i);
                continue;
            }
            break;
        case 1058:
            if (local == "lastColumn") {
                FLastColumn = attrs.GetValues(i);
                continue;
            }
            break;
        case 1174:
            if (local == "firstColumn") {
                FFirstColumn = attrs.GetValues(i);
                continue;
            }
            break;
        case 1774:
            if (local == "lastRowLastColumn") {
                FLastRowLastColumn = attrs.GetValues(i);
                continue;
            }
            break;
        case 1890:
            if (local == "firstRowLastColumn") {
                FFirstRowLastColumn = attrs.GetValues(i);
                continue;
            }
            if (local == "lastRowFirstColumn") {
                FLastRowFirstColumn = attrs.GetValues(i);
                continue;
            }
            break;
        case 2006:
            if (local == "firstRowFirstColumn") {
                FFirstRowFirstColumn = attrs.GetValues(i);
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

void TCT_Cnf::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
    if (FFirstRow)
        writer.AddAttribute("w:firstRow", *FFirstRow);
    if (FLastRow)
        writer.AddAttribute("w:lastRow", *FLastRow);
    if (FFirstColumn)
        writer.AddAttribute("w:firstColumn", *FFirstColumn);
    if (FLastColumn)
        writer.AddAttribute("w:lastColumn", *FLastColumn);
    if (FOddVBand)
        writer.AddAttribute("w:oddVBand", *FOddVBand);
    if (FEvenVBand)
        writer.AddAttribute("w:evenVBand", *FEvenVBand);
    if (FOddHBand)
        writer.AddAttribute("w:oddHBand", *FOddHBand);
    if (FEvenHBand)
        writer.AddAttribute("w:evenHBand", *FEvenHBand);
    if (FFirstRowFirstColumn)
        writer.AddAttribute("w:firstRowFirstColumn", *FFirstRowFirstColumn);
    if (FFirstRowLastColumn)
        writer.AddAttribute("w:firstRowLastColumn", *FFirstRowLastColumn);
    if (FLastRowFirstColumn)
        writer.AddAttribute("w:lastRowFirstColumn", *FLastRowFirstColumn);
    if (FLastRowLastColumn)
        writer.AddAttribute("w:lastRowLastColumn", *FLastRowLastColumn);
}

void TCT_Cnf::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Cnf::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FFirstRow = {};
    FLastRow = {};
    FFirstColumn = {};
    FLastColumn = {};
    FOddVBand = {};
    FEvenVBand = {};
    FOddHBand = {};
    FEvenHBand = {};
    FFirstRowFirstColumn = {};
    FFirstRowLastColumn = {};
    FLastRowFirstColumn = {};
    FLastRowLastColumn = {};
    FAny.Clear();
}

void TCT_Cnf::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Cnf*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FFirstRow = o->FFirstRow;
    FLastRow = o->FLastRow;
    FFirstColumn = o->FFirstColumn;
    FLastColumn = o->FLastColumn;
    FOddVBand = o->FOddVBand;
    FEvenVBand = o->FEvenVBand;
    FOddHBand = o->FOddHBand;
    FEvenHBand = o->FEvenHBand;
    FFirstRowFirstColumn = o->FFirstRowFirstColumn;
    FFirstRowLastColumn = o->FFirstRowLastColumn;
    FLastRowFirstColumn = o->FLastRowFirstColumn;
    FLastRowLastColumn = o->FLastRowLastColumn;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Cnf::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PPrChange

TCT_PPrChange::TCT_PPrChange() = default;
TCT_PPrChange::~TCT_PPrChange() = default;

TCT_PPrBase& TCT_PPrChange::Create_PPr()
{
    if (!FPPr) {
        FPPr = std::make_unique<TCT_PPrBase>();
        FPPr->SetAssigned();
    }
    SetHasChildren();
    return *FPPr;
}

TNYQBase* TCT_PPrChange::HandleElement(TNYQReader& reader)
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

void TCT_PPrChange::AssignAttributes(TNYQReader& reader)
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

void TCT_PPrChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_PPrChange::Write(TNyqWriteXML& writer) const
{
    if (FPPr && FPPr->Available())
        NyqWriteChild(writer, "w:pPr", *FPPr);
    FAny.Write(writer);
}

void TCT_PPrChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FPPr.reset();
    FAny.Clear();
}

void TCT_PPrChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PPrChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    if (o->FPPr)
        Create_PPr().Assign(*o->FPPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PPrChange::HasElements() const
{
    return FPPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Fonts

TCT_Fonts::TCT_Fonts() = default;
TCT_Fonts::~TCT_Fonts() = default;

TNYQBase* TCT_Fonts::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Fonts::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 214:
            if (local == "cs") {
                FCs = attrs.GetValues(i);
                continue;
            }
            break;
        case 435:
            if (local == "hint") {
                if (const auto v = StrToTST_Hint(attrs.GetValues(i)))
                    FHint = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 499:
            if (local == "hAnsi") {
                FHAnsi = attrs.GetValues(i);
                continue;
            }
            break;
        case 521:
            if (local == "ascii") {
                FAscii = attrs.GetValues(i);
                continue;
            }
            break;
        case 745:
            if (local == "cstheme") {
                if (const auto v = StrToTST_Theme(attrs.GetValues(i)))
                    FCstheme = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 811:
            if (local == "eastAsia") {
                FEastAsia = attrs.GetValues(i);
                continue;
            }
            break;
        case 998:
            if (local == "hAnsiTheme") {
                if (const auto v = StrToTST_Theme(attrs.GetValues(i)))
                    FHAnsiTheme = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1020:
            if (local == "asciiTheme") {
                if (const auto v = StrToTST_Theme(attrs.GetValues(i)))
                    FAsciiTheme = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1310:
            if (local == "eastAsiaTheme") {
                if (const auto v = StrToTST_Theme(attrs.GetValues(i)))
                    FEastAsiaTheme = *v;
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

void TCT_Fonts::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FHint)
        writer.AddAttribute("w:hint", TST_HintToStr(*FHint));
    if (FAscii)
        writer.AddAttribute("w:ascii", *FAscii);
    if (FHAnsi)
        writer.AddAttribute("w:hAnsi", *FHAnsi);
    if (FEastAsia)
        writer.AddAttribute("w:eastAsia", *FEastAsia);
    if (FCs)
        writer.AddAttribute("w:cs", *FCs);
    if (FAsciiTheme)
        writer.AddAttribute("w:asciiTheme", TST_ThemeToStr(*FAsciiTheme));
    if (FHAnsiTheme)
        writer.AddAttribute("w:hAnsiTheme", TST_ThemeToStr(*FHAnsiTheme));
    if (FEastAsiaTheme)
        writer.AddAttribute("w:eastAsiaTheme", TST_ThemeToStr(*FEastAsiaTheme));
    if (FCstheme)
        writer.AddAttribute("w:cstheme", TST_ThemeToStr(*FCstheme));
}

void TCT_Fonts::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Fonts::Clear()
{
    TNYQBase::Clear();
    FHint = {};
    FAscii = {};
    FHAnsi = {};
    FEastAsia = {};
    FCs = {};
    FAsciiTheme = {};
    FHAnsiTheme = {};
    FEastAsiaTheme = {};
    FCstheme = {};
    FAny.Clear();
}

void TCT_Fonts::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Fonts*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FHint = o->FHint;
    FAscii = o->FAscii;
    FHAnsi = o->FHAnsi;
    FEastAsia = o->FEastAsia;
    FCs = o->FCs;
    FAsciiTheme = o->FAsciiTheme;
    FHAnsiTheme = o->FHAnsiTheme;
    FEastAsiaTheme = o->FEastAsiaTheme;
    FCstheme = o->FCstheme;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Fonts::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Color

TCT_Color::TCT_Color() = default;
TCT_Color::~TCT_Color() = default;

TNYQBase* TCT_Color::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Color::AssignAttributes(TNYQReader& reader)
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
        case 946:
            if (local == "themeTint") {
                FThemeTint = attrs.GetValues(i);
                continue;
            }
            break;
        case 1016:
            if (local == "themeShade") {
                FThemeShade = attrs.GetValues(i);
                continue;
            }
            break;
        case 1042:
            if (local == "themeColor") {
                if (const auto v = StrToTST_ThemeColor(attrs.GetValues(i)))
                    FThemeColor = *v;
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

void TCT_Color::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
    if (FThemeColor)
        writer.AddAttribute("w:themeColor", TST_ThemeColorToStr(*FThemeColor));
    if (FThemeTint)
        writer.AddAttribute("w:themeTint", *FThemeTint);
    if (FThemeShade)
        writer.AddAttribute("w:themeShade", *FThemeShade);
}

void TCT_Color::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Color::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FThemeColor = {};
    FThemeTint = {};
    FThemeShade = {};
    FAny.Clear();
}

void TCT_Color::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Color*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FThemeColor = o->FThemeColor;
    FThemeTint = o->FThemeTint;
    FThemeShade = o->FThemeShade;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Color::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SignedTwipsMeasure

TCT_SignedTwipsMeasure::TCT_SignedTwipsMeasure() = default;
TCT_SignedTwipsMeasure::~TCT_SignedTwipsMeasure() = default;

TNYQBase* TCT_SignedTwipsMeasure::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SignedTwipsMeasure::AssignAttributes(TNYQReader& reader)
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

void TCT_SignedTwipsMeasure::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_SignedTwipsMeasure::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SignedTwipsMeasure::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_SignedTwipsMeasure::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SignedTwipsMeasure*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SignedTwipsMeasure::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TextScale

TCT_TextScale::TCT_TextScale() = default;
TCT_TextScale::~TCT_TextScale() = default;

TNYQBase* TCT_TextScale::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TextScale::AssignAttributes(TNYQReader& reader)
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

void TCT_TextScale::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
}

void TCT_TextScale::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TextScale::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_TextScale::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TextScale*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TextScale::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_HpsMeasure

TCT_HpsMeasure::TCT_HpsMeasure() = default;
TCT_HpsMeasure::~TCT_HpsMeasure() = default;

TNYQBase* TCT_HpsMeasure::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_HpsMeasure::AssignAttributes(TNYQReader& reader)
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

void TCT_HpsMeasure::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_HpsMeasure::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_HpsMeasure::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_HpsMeasure::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_HpsMeasure*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_HpsMeasure::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SignedHpsMeasure

TCT_SignedHpsMeasure::TCT_SignedHpsMeasure() = default;
TCT_SignedHpsMeasure::~TCT_SignedHpsMeasure() = default;

TNYQBase* TCT_SignedHpsMeasure::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SignedHpsMeasure::AssignAttributes(TNYQReader& reader)
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

void TCT_SignedHpsMeasure::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_SignedHpsMeasure::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SignedHpsMeasure::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_SignedHpsMeasure::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SignedHpsMeasure*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SignedHpsMeasure::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Highlight

TCT_Highlight::TCT_Highlight() = default;
TCT_Highlight::~TCT_Highlight() = default;

TNYQBase* TCT_Highlight::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Highlight::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_HighlightColor(attrs.GetValues(i)))
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

void TCT_Highlight::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_HighlightColorToStr(FVal));
}

void TCT_Highlight::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Highlight::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_Highlight::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Highlight*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Highlight::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Underline

TCT_Underline::TCT_Underline() = default;
TCT_Underline::~TCT_Underline() = default;

TNYQBase* TCT_Underline::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Underline::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Underline(attrs.GetValues(i)))
                    FVal = *v;
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
        case 946:
            if (local == "themeTint") {
                FThemeTint = attrs.GetValues(i);
                continue;
            }
            break;
        case 1016:
            if (local == "themeShade") {
                FThemeShade = attrs.GetValues(i);
                continue;
            }
            break;
        case 1042:
            if (local == "themeColor") {
                if (const auto v = StrToTST_ThemeColor(attrs.GetValues(i)))
                    FThemeColor = *v;
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

void TCT_Underline::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_UnderlineToStr(*FVal));
    if (FColor)
        writer.AddAttribute("w:color", *FColor);
    if (FThemeColor)
        writer.AddAttribute("w:themeColor", TST_ThemeColorToStr(*FThemeColor));
    if (FThemeTint)
        writer.AddAttribute("w:themeTint", *FThemeTint);
    if (FThemeShade)
        writer.AddAttribute("w:themeShade", *FThemeShade);
}

void TCT_Underline::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Underline::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FColor = {};
    FThemeColor = {};
    FThemeTint = {};
    FThemeShade = {};
    FAny.Clear();
}

void TCT_Underline::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Underline*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FColor = o->FColor;
    FThemeColor = o->FThemeColor;
    FThemeTint = o->FThemeTint;
    FThemeShade = o->FThemeShade;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Underline::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TextEffect

TCT_TextEffect::TCT_TextEffect() = default;
TCT_TextEffect::~TCT_TextEffect() = default;

TNYQBase* TCT_TextEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TextEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_TextEffect(attrs.GetValues(i)))
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

void TCT_TextEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_TextEffectToStr(FVal));
}

void TCT_TextEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TextEffect::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_TextEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TextEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TextEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Border

TCT_Border::TCT_Border() = default;
TCT_Border::~TCT_Border() = default;

TNYQBase* TCT_Border::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Border::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 237:
            if (local == "sz") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0)
                    FSz = static_cast<std::uint64_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Border(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 523:
            if (local == "frame") {
                FFrame = attrs.GetValues(i);
                continue;
            }
            break;
        case 524:
            if (local == "space") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0)
                    FSpace = static_cast<std::uint64_t>(*v);
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
        case 646:
            if (local == "shadow") {
                FShadow = attrs.GetValues(i);
                continue;
            }
            break;
        case 946:
            if (local == "themeTint") {
                FThemeTint = attrs.GetValues(i);
                continue;
            }
            break;
        case 1016:
            if (local == "themeShade") {
                FThemeShade = attrs.GetValues(i);
                continue;
            }
            break;
        case 1042:
            if (local == "themeColor") {
                if (const auto v = StrToTST_ThemeColor(attrs.GetValues(i)))
                    FThemeColor = *v;
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

void TCT_Border::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_BorderToStr(FVal));
    if (FColor)
        writer.AddAttribute("w:color", *FColor);
    if (FThemeColor)
        writer.AddAttribute("w:themeColor", TST_ThemeColorToStr(*FThemeColor));
    if (FThemeTint)
        writer.AddAttribute("w:themeTint", *FThemeTint);
    if (FThemeShade)
        writer.AddAttribute("w:themeShade", *FThemeShade);
    if (FSz)
        writer.AddAttribute("w:sz", std::to_string(*FSz));
    if (FSpace)
        writer.AddAttribute("w:space", std::to_string(*FSpace));
    if (FShadow)
        writer.AddAttribute("w:shadow", *FShadow);
    if (FFrame)
        writer.AddAttribute("w:frame", *FFrame);
}

void TCT_Border::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Border::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FColor = {};
    FThemeColor = {};
    FThemeTint = {};
    FThemeShade = {};
    FSz = {};
    FSpace = {};
    FShadow = {};
    FFrame = {};
    FAny.Clear();
}

void TCT_Border::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Border*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FColor = o->FColor;
    FThemeColor = o->FThemeColor;
    FThemeTint = o->FThemeTint;
    FThemeShade = o->FThemeShade;
    FSz = o->FSz;
    FSpace = o->FSpace;
    FShadow = o->FShadow;
    FFrame = o->FFrame;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Border::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FitText

TCT_FitText::TCT_FitText() = default;
TCT_FitText::~TCT_FitText() = default;

TNYQBase* TCT_FitText::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FitText::AssignAttributes(TNYQReader& reader)
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

void TCT_FitText::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
    if (FId)
        writer.AddAttribute("w:id", XmlIntToStr(*FId));
}

void TCT_FitText::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FitText::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FId = {};
    FAny.Clear();
}

void TCT_FitText::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FitText*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FId = o->FId;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FitText::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_VerticalAlignRun

TCT_VerticalAlignRun::TCT_VerticalAlignRun() = default;
TCT_VerticalAlignRun::~TCT_VerticalAlignRun() = default;

TNYQBase* TCT_VerticalAlignRun::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_VerticalAlignRun::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_VerticalAlignRun(attrs.GetValues(i)))
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

void TCT_VerticalAlignRun::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_VerticalAlignRunToStr(FVal));
}

void TCT_VerticalAlignRun::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_VerticalAlignRun::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_VerticalAlignRun::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_VerticalAlignRun*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_VerticalAlignRun::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Em

TCT_Em::TCT_Em() = default;
TCT_Em::~TCT_Em() = default;

TNYQBase* TCT_Em::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Em::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Em(attrs.GetValues(i)))
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

void TCT_Em::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_EmToStr(FVal));
}

void TCT_Em::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Em::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_Em::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Em*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Em::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EastAsianLayout

TCT_EastAsianLayout::TCT_EastAsianLayout() = default;
TCT_EastAsianLayout::~TCT_EastAsianLayout() = default;

TNYQBase* TCT_EastAsianLayout::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_EastAsianLayout::AssignAttributes(TNYQReader& reader)
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
        case 449:
            if (local == "vert") {
                FVert = attrs.GetValues(i);
                continue;
            }
            break;
        case 733:
            if (local == "combine") {
                FCombine = attrs.GetValues(i);
                continue;
            }
            break;
        case 1293:
            if (local == "vertCompress") {
                FVertCompress = attrs.GetValues(i);
                continue;
            }
            break;
        case 1548:
            if (local == "combineBrackets") {
                if (const auto v = StrToTST_CombineBrackets(attrs.GetValues(i)))
                    FCombineBrackets = *v;
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

void TCT_EastAsianLayout::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("w:id", XmlIntToStr(*FId));
    if (FCombine)
        writer.AddAttribute("w:combine", *FCombine);
    if (FCombineBrackets)
        writer.AddAttribute("w:combineBrackets", TST_CombineBracketsToStr(*FCombineBrackets));
    if (FVert)
        writer.AddAttribute("w:vert", *FVert);
    if (FVertCompress)
        writer.AddAttribute("w:vertCompress", *FVertCompress);
}

void TCT_EastAsianLayout::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_EastAsianLayout::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FCombine = {};
    FCombineBrackets = {};
    FVert = {};
    FVertCompress = {};
    FAny.Clear();
}

void TCT_EastAsianLayout::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EastAsianLayout*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FCombine = o->FCombine;
    FCombineBrackets = o->FCombineBrackets;
    FVert = o->FVert;
    FVertCompress = o->FVertCompress;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EastAsianLayout::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RPrChange

TCT_RPrChange::TCT_RPrChange() = default;
TCT_RPrChange::~TCT_RPrChange() = default;

TCT_RPrOriginal& TCT_RPrChange::Create_RPr()
{
    if (!FRPr) {
        FRPr = std::make_unique<TCT_RPrOriginal>();
        FRPr->SetAssigned();
    }
    SetHasChildren();
    return *FRPr;
}

TNYQBase* TCT_RPrChange::HandleElement(TNYQReader& reader)
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

void TCT_RPrChange::AssignAttributes(TNYQReader& reader)
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

void TCT_RPrChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_RPrChange::Write(TNyqWriteXML& writer) const
{
    if (FRPr && FRPr->Available())
        NyqWriteChild(writer, "w:rPr", *FRPr);
    FAny.Write(writer);
}

void TCT_RPrChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FRPr.reset();
    FAny.Clear();
}

void TCT_RPrChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RPrChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    if (o->FRPr)
        Create_RPr().Assign(*o->FRPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RPrChange::HasElements() const
{
    return FRPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblPPr

TCT_TblPPr::TCT_TblPPr() = default;
TCT_TblPPr::~TCT_TblPPr() = default;

TNYQBase* TCT_TblPPr::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblPPr::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 522:
            if (local == "tblpX") {
                FTblpX = attrs.GetValues(i);
                continue;
            }
            break;
        case 523:
            if (local == "tblpY") {
                FTblpY = attrs.GetValues(i);
                continue;
            }
            break;
        case 917:
            if (local == "tblpXSpec") {
                if (const auto v = StrToTST_XAlign(attrs.GetValues(i)))
                    FTblpXSpec = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 918:
            if (local == "tblpYSpec") {
                if (const auto v = StrToTST_YAlign(attrs.GetValues(i)))
                    FTblpYSpec = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1052:
            if (local == "vertAnchor") {
                if (const auto v = StrToTST_VAnchor(attrs.GetValues(i)))
                    FVertAnchor = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1054:
            if (local == "horzAnchor") {
                if (const auto v = StrToTST_HAnchor(attrs.GetValues(i)))
                    FHorzAnchor = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1164:
            if (local == "topFromText") {
                FTopFromText = attrs.GetValues(i);
                continue;
            }
            break;
        case 1252:
            if (local == "leftFromText") {
                FLeftFromText = attrs.GetValues(i);
                continue;
            }
            break;
        case 1367:
            if (local == "rightFromText") {
                FRightFromText = attrs.GetValues(i);
                continue;
            }
            break;
        case 1486:
            if (local == "bottomFromText") {
                FBottomFromText = attrs.GetValues(i);
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

void TCT_TblPPr::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FLeftFromText)
        writer.AddAttribute("w:leftFromText", *FLeftFromText);
    if (FRightFromText)
        writer.AddAttribute("w:rightFromText", *FRightFromText);
    if (FTopFromText)
        writer.AddAttribute("w:topFromText", *FTopFromText);
    if (FBottomFromText)
        writer.AddAttribute("w:bottomFromText", *FBottomFromText);
    if (FVertAnchor)
        writer.AddAttribute("w:vertAnchor", TST_VAnchorToStr(*FVertAnchor));
    if (FHorzAnchor)
        writer.AddAttribute("w:horzAnchor", TST_HAnchorToStr(*FHorzAnchor));
    if (FTblpXSpec)
        writer.AddAttribute("w:tblpXSpec", TST_XAlignToStr(*FTblpXSpec));
    if (FTblpX)
        writer.AddAttribute("w:tblpX", *FTblpX);
    if (FTblpYSpec)
        writer.AddAttribute("w:tblpYSpec", TST_YAlignToStr(*FTblpYSpec));
    if (FTblpY)
        writer.AddAttribute("w:tblpY", *FTblpY);
}

void TCT_TblPPr::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TblPPr::Clear()
{
    TNYQBase::Clear();
    FLeftFromText = {};
    FRightFromText = {};
    FTopFromText = {};
    FBottomFromText = {};
    FVertAnchor = {};
    FHorzAnchor = {};
    FTblpXSpec = {};
    FTblpX = {};
    FTblpYSpec = {};
    FTblpY = {};
    FAny.Clear();
}

void TCT_TblPPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblPPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FLeftFromText = o->FLeftFromText;
    FRightFromText = o->FRightFromText;
    FTopFromText = o->FTopFromText;
    FBottomFromText = o->FBottomFromText;
    FVertAnchor = o->FVertAnchor;
    FHorzAnchor = o->FHorzAnchor;
    FTblpXSpec = o->FTblpXSpec;
    FTblpX = o->FTblpX;
    FTblpYSpec = o->FTblpYSpec;
    FTblpY = o->FTblpY;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblPPr::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblOverlap

TCT_TblOverlap::TCT_TblOverlap() = default;
TCT_TblOverlap::~TCT_TblOverlap() = default;

TNYQBase* TCT_TblOverlap::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblOverlap::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_TblOverlap(attrs.GetValues(i)))
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

void TCT_TblOverlap::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_TblOverlapToStr(FVal));
}

void TCT_TblOverlap::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TblOverlap::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_TblOverlap::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblOverlap*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblOverlap::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblWidth

TCT_TblWidth::TCT_TblWidth() = default;
TCT_TblWidth::~TCT_TblWidth() = default;

TNYQBase* TCT_TblWidth::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblWidth::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 119:
            if (local == "w") {
                FW = attrs.GetValues(i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_TblWidth(attrs.GetValues(i)))
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

void TCT_TblWidth::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FW)
        writer.AddAttribute("w:w", *FW);
    if (FType)
        writer.AddAttribute("w:type", TST_TblWidthToStr(*FType));
}

void TCT_TblWidth::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TblWidth::Clear()
{
    TNYQBase::Clear();
    FW = {};
    FType = {};
    FAny.Clear();
}

void TCT_TblWidth::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblWidth*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FW = o->FW;
    FType = o->FType;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblWidth::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_JcTable

TCT_JcTable::TCT_JcTable() = default;
TCT_JcTable::~TCT_JcTable() = default;

TNYQBase* TCT_JcTable::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_JcTable::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_JcTable(attrs.GetValues(i)))
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

void TCT_JcTable::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_JcTableToStr(FVal));
}

void TCT_JcTable::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_JcTable::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_JcTable::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_JcTable*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_JcTable::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblBorders

TCT_TblBorders::TCT_TblBorders() = default;
TCT_TblBorders::~TCT_TblBorders() = default;

TCT_Border& TCT_TblBorders::Create_Top()
{
    if (!FTop) {
        FTop = std::make_unique<TCT_Border>();
        FTop->SetAssigned();
    }
    SetHasChildren();
    return *FTop;
}

TCT_Border& TCT_TblBorders::Create_Start()
{
    if (!FStart) {
        FStart = std::make_unique<TCT_Border>();
        FStart->SetAssigned();
    }
    SetHasChildren();
    return *FStart;
}

TCT_Border& TCT_TblBorders::Create_Left()
{
    if (!FLeft) {
        FLeft = std::make_unique<TCT_Border>();
        FLeft->SetAssigned();
    }
    SetHasChildren();
    return *FLeft;
}

TCT_Border& TCT_TblBorders::Create_Bottom()
{
    if (!FBottom) {
        FBottom = std::make_unique<TCT_Border>();
        FBottom->SetAssigned();
    }
    SetHasChildren();
    return *FBottom;
}

TCT_Border& TCT_TblBorders::Create_End()
{
    if (!FEnd) {
        FEnd = std::make_unique<TCT_Border>();
        FEnd->SetAssigned();
    }
    SetHasChildren();
    return *FEnd;
}

TCT_Border& TCT_TblBorders::Create_Right()
{
    if (!FRight) {
        FRight = std::make_unique<TCT_Border>();
        FRight->SetAssigned();
    }
    SetHasChildren();
    return *FRight;
}

TCT_Border& TCT_TblBorders::Create_InsideH()
{
    if (!FInsideH) {
        FInsideH = std::make_unique<TCT_Border>();
        FInsideH->SetAssigned();
    }
    SetHasChildren();
    return *FInsideH;
}

TCT_Border& TCT_TblBorders::Create_InsideV()
{
    if (!FInsideV) {
        FInsideV = std::make_unique<TCT_Border>();
        FInsideV->SetAssigned();
    }
    SetHasChildren();
    return *FInsideV;
}

TNYQBase* TCT_TblBorders::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 311:
        if (local == "end") {
            return &Create_End();
        }
        break;
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
    case 558:
        if (local == "start") {
            return &Create_Start();
        }
        break;
    case 661:
        if (local == "bottom") {
            return &Create_Bottom();
        }
        break;
    case 708:
        if (local == "insideH") {
            return &Create_InsideH();
        }
        break;
    case 722:
        if (local == "insideV") {
            return &Create_InsideV();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblBorders::Write(TNyqWriteXML& writer) const
{
    if (FTop && FTop->Available())
        NyqWriteChild(writer, "w:top", *FTop);
    if (FStart && FStart->Available())
        NyqWriteChild(writer, "w:start", *FStart);
    if (FLeft && FLeft->Available())
        NyqWriteChild(writer, "w:left", *FLeft);
    if (FBottom && FBottom->Available())
        NyqWriteChild(writer, "w:bottom", *FBottom);
    if (FEnd && FEnd->Available())
        NyqWriteChild(writer, "w:end", *FEnd);
    if (FRight && FRight->Available())
        NyqWriteChild(writer, "w:right", *FRight);
    if (FInsideH && FInsideH->Available())
        NyqWriteChild(writer, "w:insideH", *FInsideH);
    if (FInsideV && FInsideV->Available())
        NyqWriteChild(writer, "w:insideV", *FInsideV);
    FAny.Write(writer);
}

void TCT_TblBorders::Clear()
{
    TNYQBase::Clear();
    FTop.reset();
    FStart.reset();
    FLeft.reset();
    FBottom.reset();
    FEnd.reset();
    FRight.reset();
    FInsideH.reset();
    FInsideV.reset();
    FAny.Clear();
}

void TCT_TblBorders::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblBorders*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FTop)
        Create_Top().Assign(*o->FTop);
    if (o->FStart)
        Create_Start().Assign(*o->FStart);
    if (o->FLeft)
        Create_Left().Assign(*o->FLeft);
    if (o->FBottom)
        Create_Bottom().Assign(*o->FBottom);
    if (o->FEnd)
        Create_End().Assign(*o->FEnd);
    if (o->FRight)
        Create_Right().Assign(*o->FRight);
    if (o->FInsideH)
        Create_InsideH().Assign(*o->FInsideH);
    if (o->FInsideV)
        Create_InsideV().Assign(*o->FInsideV);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblBorders::HasElements() const
{
    return FTop != nullptr || FStart != nullptr || FLeft != nullptr || FBottom != nullptr || FEnd != nullptr || FRight != nullptr || FInsideH != nullptr || FInsideV != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblLayoutType

TCT_TblLayoutType::TCT_TblLayoutType() = default;
TCT_TblLayoutType::~TCT_TblLayoutType() = default;

TNYQBase* TCT_TblLayoutType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblLayoutType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_TblLayoutType(attrs.GetValues(i)))
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

void TCT_TblLayoutType::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("w:type", TST_TblLayoutTypeToStr(*FType));
}

void TCT_TblLayoutType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TblLayoutType::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FAny.Clear();
}

void TCT_TblLayoutType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblLayoutType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblLayoutType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblCellMar

TCT_TblCellMar::TCT_TblCellMar() = default;
TCT_TblCellMar::~TCT_TblCellMar() = default;

TCT_TblWidth& TCT_TblCellMar::Create_Top()
{
    if (!FTop) {
        FTop = std::make_unique<TCT_TblWidth>();
        FTop->SetAssigned();
    }
    SetHasChildren();
    return *FTop;
}

TCT_TblWidth& TCT_TblCellMar::Create_Start()
{
    if (!FStart) {
        FStart = std::make_unique<TCT_TblWidth>();
        FStart->SetAssigned();
    }
    SetHasChildren();
    return *FStart;
}

TCT_TblWidth& TCT_TblCellMar::Create_Left()
{
    if (!FLeft) {
        FLeft = std::make_unique<TCT_TblWidth>();
        FLeft->SetAssigned();
    }
    SetHasChildren();
    return *FLeft;
}

TCT_TblWidth& TCT_TblCellMar::Create_Bottom()
{
    if (!FBottom) {
        FBottom = std::make_unique<TCT_TblWidth>();
        FBottom->SetAssigned();
    }
    SetHasChildren();
    return *FBottom;
}

TCT_TblWidth& TCT_TblCellMar::Create_End()
{
    if (!FEnd) {
        FEnd = std::make_unique<TCT_TblWidth>();
        FEnd->SetAssigned();
    }
    SetHasChildren();
    return *FEnd;
}

TCT_TblWidth& TCT_TblCellMar::Create_Right()
{
    if (!FRight) {
        FRight = std::make_unique<TCT_TblWidth>();
        FRight->SetAssigned();
    }
    SetHasChildren();
    return *FRight;
}

TNYQBase* TCT_TblCellMar::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 311:
        if (local == "end") {
            return &Create_End();
        }
        break;
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
    case 558:
        if (local == "start") {
            return &Create_Start();
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

void TCT_TblCellMar::Write(TNyqWriteXML& writer) const
{
    if (FTop && FTop->Available())
        NyqWriteChild(writer, "w:top", *FTop);
    if (FStart && FStart->Available())
        NyqWriteChild(writer, "w:start", *FStart);
    if (FLeft && FLeft->Available())
        NyqWriteChild(writer, "w:left", *FLeft);
    if (FBottom && FBottom->Available())
        NyqWriteChild(writer, "w:bottom", *FBottom);
    if (FEnd && FEnd->Available())
        NyqWriteChild(writer, "w:end", *FEnd);
    if (FRight && FRight->Available())
        NyqWriteChild(writer, "w:right", *FRight);
    FAny.Write(writer);
}

void TCT_TblCellMar::Clear()
{
    TNYQBase::Clear();
    FTop.reset();
    FStart.reset();
    FLeft.reset();
    FBottom.reset();
    FEnd.reset();
    FRight.reset();
    FAny.Clear();
}

void TCT_TblCellMar::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblCellMar*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FTop)
        Create_Top().Assign(*o->FTop);
    if (o->FStart)
        Create_Start().Assign(*o->FStart);
    if (o->FLeft)
        Create_Left().Assign(*o->FLeft);
    if (o->FBottom)
        Create_Bottom().Assign(*o->FBottom);
    if (o->FEnd)
        Create_End().Assign(*o->FEnd);
    if (o->FRight)
        Create_Right().Assign(*o->FRight);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblCellMar::HasElements() const
{
    return FTop != nullptr || FStart != nullptr || FLeft != nullptr || FBottom != nullptr || FEnd != nullptr || FRight != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblLook

TCT_TblLook::TCT_TblLook() = default;
TCT_TblLook::~TCT_TblLook() = default;

TNYQBase* TCT_TblLook::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblLook::AssignAttributes(TNYQReader& reader)
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
        case 666:
            if (local == "noHBand") {
                FNoHBand = attrs.GetValues(i);
                continue;
            }
            break;
        case 680:
            if (local == "noVBand") {
                FNoVBand = attrs.GetValues(i);
                continue;
            }
            break;
        case 748:
            if (local == "lastRow") {
                FLastRow = attrs.GetValues(i);
                continue;
            }
            break;
        case 864:
            if (local == "firstRow") {
                FFirstRow = attrs.GetValues(i);
                continue;
            }
            break;
        case 1058:
            if (local == "lastColumn") {
                FLastColumn = attrs.GetValues(i);
                continue;
            }
            break;
        case 1174:
            if (local == "firstColumn") {
                FFirstColumn = attrs.GetValues(i);
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

void TCT_TblLook::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FFirstRow)
        writer.AddAttribute("w:firstRow", *FFirstRow);
    if (FLastRow)
        writer.AddAttribute("w:lastRow", *FLastRow);
    if (FFirstColumn)
        writer.AddAttribute("w:firstColumn", *FFirstColumn);
    if (FLastColumn)
        writer.AddAttribute("w:lastColumn", *FLastColumn);
    if (FNoHBand)
        writer.AddAttribute("w:noHBand", *FNoHBand);
    if (FNoVBand)
        writer.AddAttribute("w:noVBand", *FNoVBand);
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
}

void TCT_TblLook::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TblLook::Clear()
{
    TNYQBase::Clear();
    FFirstRow = {};
    FLastRow = {};
    FFirstColumn = {};
    FLastColumn = {};
    FNoHBand = {};
    FNoVBand = {};
    FVal = {};
    FAny.Clear();
}

void TCT_TblLook::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblLook*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FFirstRow = o->FFirstRow;
    FLastRow = o->FLastRow;
    FFirstColumn = o->FFirstColumn;
    FLastColumn = o->FLastColumn;
    FNoHBand = o->FNoHBand;
    FNoVBand = o->FNoVBand;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblLook::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Height

TCT_Height::TCT_Height() = default;
TCT_Height::~TCT_Height() = default;

TNYQBase* TCT_Height::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Height::AssignAttributes(TNYQReader& reader)
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
        case 512:
            if (local == "hRule") {
                if (const auto v = StrToTST_HeightRule(attrs.GetValues(i)))
                    FHRule = *v;
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

void TCT_Height::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
    if (FHRule)
        writer.AddAttribute("w:hRule", TST_HeightRuleToStr(*FHRule));
}

void TCT_Height::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Height::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FHRule = {};
    FAny.Clear();
}

void TCT_Height::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Height*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FHRule = o->FHRule;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Height::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TrPrChange

TCT_TrPrChange::TCT_TrPrChange() = default;
TCT_TrPrChange::~TCT_TrPrChange() = default;

TCT_TrPrBase& TCT_TrPrChange::Create_TrPr()
{
    if (!FTrPr) {
        FTrPr = std::make_unique<TCT_TrPrBase>();
        FTrPr->SetAssigned();
    }
    SetHasChildren();
    return *FTrPr;
}

TNYQBase* TCT_TrPrChange::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 424:
        if (local == "trPr") {
            return &Create_TrPr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TrPrChange::AssignAttributes(TNYQReader& reader)
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

void TCT_TrPrChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_TrPrChange::Write(TNyqWriteXML& writer) const
{
    if (FTrPr && FTrPr->Available())
        NyqWriteChild(writer, "w:trPr", *FTrPr);
    FAny.Write(writer);
}

void TCT_TrPrChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FTrPr.reset();
    FAny.Clear();
}

void TCT_TrPrChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TrPrChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    if (o->FTrPr)
        Create_TrPr().Assign(*o->FTrPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TrPrChange::HasElements() const
{
    return FTrPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_HMerge

TCT_HMerge::TCT_HMerge() = default;
TCT_HMerge::~TCT_HMerge() = default;

TNYQBase* TCT_HMerge::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_HMerge::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Merge(attrs.GetValues(i)))
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

void TCT_HMerge::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_MergeToStr(*FVal));
}

void TCT_HMerge::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_HMerge::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_HMerge::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_HMerge*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_HMerge::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_VMerge

TCT_VMerge::TCT_VMerge() = default;
TCT_VMerge::~TCT_VMerge() = default;

TNYQBase* TCT_VMerge::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_VMerge::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Merge(attrs.GetValues(i)))
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

void TCT_VMerge::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_MergeToStr(*FVal));
}

void TCT_VMerge::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_VMerge::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_VMerge::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_VMerge*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_VMerge::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TcBorders

TCT_TcBorders::TCT_TcBorders() = default;
TCT_TcBorders::~TCT_TcBorders() = default;

TCT_Border& TCT_TcBorders::Create_Top()
{
    if (!FTop) {
        FTop = std::make_unique<TCT_Border>();
        FTop->SetAssigned();
    }
    SetHasChildren();
    return *FTop;
}

TCT_Border& TCT_TcBorders::Create_Start()
{
    if (!FStart) {
        FStart = std::make_unique<TCT_Border>();
        FStart->SetAssigned();
    }
    SetHasChildren();
    return *FStart;
}

TCT_Border& TCT_TcBorders::Create_Left()
{
    if (!FLeft) {
        FLeft = std::make_unique<TCT_Border>();
        FLeft->SetAssigned();
    }
    SetHasChildren();
    return *FLeft;
}

TCT_Border& TCT_TcBorders::Create_Bottom()
{
    if (!FBottom) {
        FBottom = std::make_unique<TCT_Border>();
        FBottom->SetAssigned();
    }
    SetHasChildren();
    return *FBottom;
}

TCT_Border& TCT_TcBorders::Create_End()
{
    if (!FEnd) {
        FEnd = std::make_unique<TCT_Border>();
        FEnd->SetAssigned();
    }
    SetHasChildren();
    return *FEnd;
}

TCT_Border& TCT_TcBorders::Create_Right()
{
    if (!FRight) {
        FRight = std::make_unique<TCT_Border>();
        FRight->SetAssigned();
    }
    SetHasChildren();
    return *FRight;
}

TCT_Border& TCT_TcBorders::Create_InsideH()
{
    if (!FInsideH) {
        FInsideH = std::make_unique<TCT_Border>();
        FInsideH->SetAssigned();
    }
    SetHasChildren();
    return *FInsideH;
}

TCT_Border& TCT_TcBorders::Create_InsideV()
{
    if (!FInsideV) {
        FInsideV = std::make_unique<TCT_Border>();
        FInsideV->SetAssigned();
    }
    SetHasChildren();
    return *FInsideV;
}

TCT_Border& TCT_TcBorders::Create_Tl2br()
{
    if (!FTl2br) {
        FTl2br = std::make_unique<TCT_Border>();
        FTl2br->SetAssigned();
    }
    SetHasChildren();
    return *FTl2br;
}

TCT_Border& TCT_TcBorders::Create_Tr2bl()
{
    if (!FTr2bl) {
        FTr2bl = std::make_unique<TCT_Border>();
        FTr2bl->SetAssigned();
    }
    SetHasChildren();
    return *FTr2bl;
}

TNYQBase* TCT_TcBorders::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 311:
        if (local == "end") {
            return &Create_End();
        }
        break;
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
    case 486:
        if (local == "tl2br") {
            return &Create_Tl2br();
        }
        if (local == "tr2bl") {
            return &Create_Tr2bl();
        }
        break;
    case 542:
        if (local == "right") {
            return &Create_Right();
        }
        break;
    case 558:
        if (local == "start") {
            return &Create_Start();
        }
        break;
    case 661:
        if (local == "bottom") {
            return &Create_Bottom();
        }
        break;
    case 708:
        if (local == "insideH") {
            return &Create_InsideH();
        }
        break;
    case 722:
        if (local == "insideV") {
            return &Create_InsideV();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TcBorders::Write(TNyqWriteXML& writer) const
{
    if (FTop && FTop->Available())
        NyqWriteChild(writer, "w:top", *FTop);
    if (FStart && FStart->Available())
        NyqWriteChild(writer, "w:start", *FStart);
    if (FLeft && FLeft->Available())
        NyqWriteChild(writer, "w:left", *FLeft);
    if (FBottom && FBottom->Available())
        NyqWriteChild(writer, "w:bottom", *FBottom);
    if (FEnd && FEnd->Available())
        NyqWriteChild(writer, "w:end", *FEnd);
    if (FRight && FRight->Available())
        NyqWriteChild(writer, "w:right", *FRight);
    if (FInsideH && FInsideH->Available())
        NyqWriteChild(writer, "w:insideH", *FInsideH);
    if (FInsideV && FInsideV->Available())
        NyqWriteChild(writer, "w:insideV", *FInsideV);
    if (FTl2br && FTl2br->Available())
        NyqWriteChild(writer, "w:tl2br", *FTl2br);
    if (FTr2bl && FTr2bl->Available())
        NyqWriteChild(writer, "w:tr2bl", *FTr2bl);
    FAny.Write(writer);
}

void TCT_TcBorders::Clear()
{
    TNYQBase::Clear();
    FTop.reset();
    FStart.reset();
    FLeft.reset();
    FBottom.reset();
    FEnd.reset();
    FRight.reset();
    FInsideH.reset();
    FInsideV.reset();
    FTl2br.reset();
    FTr2bl.reset();
    FAny.Clear();
}

void TCT_TcBorders::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TcBorders*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FTop)
        Create_Top().Assign(*o->FTop);
    if (o->FStart)
        Create_Start().Assign(*o->FStart);
    if (o->FLeft)
        Create_Left().Assign(*o->FLeft);
    if (o->FBottom)
        Create_Bottom().Assign(*o->FBottom);
    if (o->FEnd)
        Create_End().Assign(*o->FEnd);
    if (o->FRight)
        Create_Right().Assign(*o->FRight);
    if (o->FInsideH)
        Create_InsideH().Assign(*o->FInsideH);
    if (o->FInsideV)
        Create_InsideV().Assign(*o->FInsideV);
    if (o->FTl2br)
        Create_Tl2br().Assign(*o->FTl2br);
    if (o->FTr2bl)
        Create_Tr2bl().Assign(*o->FTr2bl);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TcBorders::HasElements() const
{
    return FTop != nullptr || FStart != nullptr || FLeft != nullptr || FBottom != nullptr || FEnd != nullptr || FRight != nullptr || FInsideH != nullptr || FInsideV != nullptr || FTl2br != nullptr || FTr2bl != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TcMar

TCT_TcMar::TCT_TcMar() = default;
TCT_TcMar::~TCT_TcMar() = default;

TCT_TblWidth& TCT_TcMar::Create_Top()
{
    if (!FTop) {
        FTop = std::make_unique<TCT_TblWidth>();
        FTop->SetAssigned();
    }
    SetHasChildren();
    return *FTop;
}

TCT_TblWidth& TCT_TcMar::Create_Start()
{
    if (!FStart) {
        FStart = std::make_unique<TCT_TblWidth>();
        FStart->SetAssigned();
    }
    SetHasChildren();
    return *FStart;
}

TCT_TblWidth& TCT_TcMar::Create_Left()
{
    if (!FLeft) {
        FLeft = std::make_unique<TCT_TblWidth>();
        FLeft->SetAssigned();
    }
    SetHasChildren();
    return *FLeft;
}

TCT_TblWidth& TCT_TcMar::Create_Bottom()
{
    if (!FBottom) {
        FBottom = std::make_unique<TCT_TblWidth>();
        FBottom->SetAssigned();
    }
    SetHasChildren();
    return *FBottom;
}

TCT_TblWidth& TCT_TcMar::Create_End()
{
    if (!FEnd) {
        FEnd = std::make_unique<TCT_TblWidth>();
        FEnd->SetAssigned();
    }
    SetHasChildren();
    return *FEnd;
}

TCT_TblWidth& TCT_TcMar::Create_Right()
{
    if (!FRight) {
        FRight = std::make_unique<TCT_TblWidth>();
        FRight->SetAssigned();
    }
    SetHasChildren();
    return *FRight;
}

TNYQBase* TCT_TcMar::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 311:
        if (local == "end") {
            return &Create_End();
        }
        break;
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
    case 558:
        if (local == "start") {
            return &Create_Start();
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

void TCT_TcMar::Write(TNyqWriteXML& writer) const
{
    if (FTop && FTop->Available())
        NyqWriteChild(writer, "w:top", *FTop);
    if (FStart && FStart->Available())
        NyqWriteChild(writer, "w:start", *FStart);
    if (FLeft && FLeft->Available())
        NyqWriteChild(writer, "w:left", *FLeft);
    if (FBottom && FBottom->Available())
        NyqWriteChild(writer, "w:bottom", *FBottom);
    if (FEnd && FEnd->Available())
        NyqWriteChild(writer, "w:end", *FEnd);
    if (FRight && FRight->Available())
        NyqWriteChild(writer, "w:right", *FRight);
    FAny.Write(writer);
}

void TCT_TcMar::Clear()
{
    TNYQBase::Clear();
    FTop.reset();
    FStart.reset();
    FLeft.reset();
    FBottom.reset();
    FEnd.reset();
    FRight.reset();
    FAny.Clear();
}

void TCT_TcMar::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TcMar*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FTop)
        Create_Top().Assign(*o->FTop);
    if (o->FStart)
        Create_Start().Assign(*o->FStart);
    if (o->FLeft)
        Create_Left().Assign(*o->FLeft);
    if (o->FBottom)
        Create_Bottom().Assign(*o->FBottom);
    if (o->FEnd)
        Create_End().Assign(*o->FEnd);
    if (o->FRight)
        Create_Right().Assign(*o->FRight);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TcMar::HasElements() const
{
    return FTop != nullptr || FStart != nullptr || FLeft != nullptr || FBottom != nullptr || FEnd != nullptr || FRight != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Headers

TCT_Headers::TCT_Headers() = default;
TCT_Headers::~TCT_Headers() = default;

TNYQBase* TCT_Headers::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 617:
        if (local == "header") {
            SetHasChildren();
            return &FHeaderList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Headers::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FHeaderList.GetItems())
        NyqWriteChild(writer, "w:header", *item);
    FAny.Write(writer);
}

void TCT_Headers::Clear()
{
    TNYQBase::Clear();
    FHeaderList.Clear();
    FAny.Clear();
}

void TCT_Headers::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Headers*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FHeaderList.GetItems())
        FHeaderList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Headers::HasElements() const
{
    return FHeaderList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CellMergeTrackChange

TCT_CellMergeTrackChange::TCT_CellMergeTrackChange() = default;
TCT_CellMergeTrackChange::~TCT_CellMergeTrackChange() = default;

TNYQBase* TCT_CellMergeTrackChange::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CellMergeTrackChange::AssignAttributes(TNYQReader& reader)
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
        case 614:
            if (local == "vMerge") {
                if (const auto v = StrToTST_AnnotationVMerge(attrs.GetValues(i)))
                    FVMerge = *v;
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
        case 1015:
            if (local == "vMergeOrig") {
                if (const auto v = StrToTST_AnnotationVMerge(attrs.GetValues(i)))
                    FVMergeOrig = *v;
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

void TCT_CellMergeTrackChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
    if (FVMerge)
        writer.AddAttribute("w:vMerge", TST_AnnotationVMergeToStr(*FVMerge));
    if (FVMergeOrig)
        writer.AddAttribute("w:vMergeOrig", TST_AnnotationVMergeToStr(*FVMergeOrig));
}

void TCT_CellMergeTrackChange::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_CellMergeTrackChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FVMerge = {};
    FVMergeOrig = {};
    FAny.Clear();
}

void TCT_CellMergeTrackChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CellMergeTrackChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    FVMerge = o->FVMerge;
    FVMergeOrig = o->FVMergeOrig;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CellMergeTrackChange::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TcPrChange

TCT_TcPrChange::TCT_TcPrChange() = default;
TCT_TcPrChange::~TCT_TcPrChange() = default;

TCT_TcPrInner& TCT_TcPrChange::Create_TcPr()
{
    if (!FTcPr) {
        FTcPr = std::make_unique<TCT_TcPrInner>();
        FTcPr->SetAssigned();
    }
    SetHasChildren();
    return *FTcPr;
}

TNYQBase* TCT_TcPrChange::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 409:
        if (local == "tcPr") {
            return &Create_TcPr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TcPrChange::AssignAttributes(TNYQReader& reader)
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

void TCT_TcPrChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_TcPrChange::Write(TNyqWriteXML& writer) const
{
    if (FTcPr && FTcPr->Available())
        NyqWriteChild(writer, "w:tcPr", *FTcPr);
    FAny.Write(writer);
}

void TCT_TcPrChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FTcPr.reset();
    FAny.Clear();
}

void TCT_TcPrChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TcPrChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    if (o->FTcPr)
        Create_TcPr().Assign(*o->FTcPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TcPrChange::HasElements() const
{
    return FTcPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Control

TCT_Control::TCT_Control() = default;
TCT_Control::~TCT_Control() = default;

TNYQBase* TCT_Control::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Control::AssignAttributes(TNYQReader& reader)
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
        case 417:
            if (local == "name") {
                FName = attrs.GetValues(i);
                continue;
            }
            break;
        case 734:
            if (local == "shapeid") {
                FShapeid = attrs.GetValues(i);
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

void TCT_Control::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FName)
        writer.AddAttribute("w:name", *FName);
    if (FShapeid)
        writer.AddAttribute("w:shapeid", *FShapeid);
    if (FId)
        writer.AddAttribute("r:id", *FId);
}

void TCT_Control::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Control::Clear()
{
    TNYQBase::Clear();
    FName = {};
    FShapeid = {};
    FId = {};
    FAny.Clear();
}

void TCT_Control::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Control*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FName = o->FName;
    FShapeid = o->FShapeid;
    FId = o->FId;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Control::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LevelSuffix

TCT_LevelSuffix::TCT_LevelSuffix() = default;
TCT_LevelSuffix::~TCT_LevelSuffix() = default;

TNYQBase* TCT_LevelSuffix::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LevelSuffix::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_LevelSuffix(attrs.GetValues(i)))
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

void TCT_LevelSuffix::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_LevelSuffixToStr(FVal));
}

void TCT_LevelSuffix::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LevelSuffix::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_LevelSuffix::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LevelSuffix*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LevelSuffix::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LevelText

TCT_LevelText::TCT_LevelText() = default;
TCT_LevelText::~TCT_LevelText() = default;

TNYQBase* TCT_LevelText::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LevelText::AssignAttributes(TNYQReader& reader)
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
        case 443:
            if (local == "null") {
                FNull = attrs.GetValues(i);
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

void TCT_LevelText::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
    if (FNull)
        writer.AddAttribute("w:null", *FNull);
}

void TCT_LevelText::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LevelText::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FNull = {};
    FAny.Clear();
}

void TCT_LevelText::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LevelText*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FNull = o->FNull;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LevelText::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LvlLegacy

TCT_LvlLegacy::TCT_LvlLegacy() = default;
TCT_LvlLegacy::~TCT_LvlLegacy() = default;

TNYQBase* TCT_LvlLegacy::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LvlLegacy::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 629:
            if (local == "legacy") {
                FLegacy = attrs.GetValues(i);
                continue;
            }
            break;
        case 1121:
            if (local == "legacySpace") {
                FLegacySpace = attrs.GetValues(i);
                continue;
            }
            break;
        case 1239:
            if (local == "legacyIndent") {
                FLegacyIndent = attrs.GetValues(i);
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

void TCT_LvlLegacy::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FLegacy)
        writer.AddAttribute("w:legacy", *FLegacy);
    if (FLegacySpace)
        writer.AddAttribute("w:legacySpace", *FLegacySpace);
    if (FLegacyIndent)
        writer.AddAttribute("w:legacyIndent", *FLegacyIndent);
}

void TCT_LvlLegacy::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LvlLegacy::Clear()
{
    TNYQBase::Clear();
    FLegacy = {};
    FLegacySpace = {};
    FLegacyIndent = {};
    FAny.Clear();
}

void TCT_LvlLegacy::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LvlLegacy*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FLegacy = o->FLegacy;
    FLegacySpace = o->FLegacySpace;
    FLegacyIndent = o->FLegacyIndent;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LvlLegacy::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MailMergeSourceType

TCT_MailMergeSourceType::TCT_MailMergeSourceType() = default;
TCT_MailMergeSourceType::~TCT_MailMergeSourceType() = default;

TNYQBase* TCT_MailMergeSourceType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MailMergeSourceType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_MailMergeSourceType(attrs.GetValues(i)))
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

void TCT_MailMergeSourceType::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_MailMergeSourceTypeToStr(FVal));
}

void TCT_MailMergeSourceType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_MailMergeSourceType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_MailMergeSourceType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MailMergeSourceType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MailMergeSourceType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_OdsoFieldMapData

TCT_OdsoFieldMapData::TCT_OdsoFieldMapData() = default;
TCT_OdsoFieldMapData::~TCT_OdsoFieldMapData() = default;

TCT_MailMergeOdsoFMDFieldType& TCT_OdsoFieldMapData::Create_Type()
{
    if (!FType) {
        FType = std::make_unique<TCT_MailMergeOdsoFMDFieldType>();
        FType->SetAssigned();
    }
    SetHasChildren();
    return *FType;
}

TCT_String& TCT_OdsoFieldMapData::Create_Name()
{
    if (!FName) {
        FName = std::make_unique<TCT_String>();
        FName->SetAssigned();
    }
    SetHasChildren();
    return *FName;
}

TCT_String& TCT_OdsoFieldMapData::Create_MappedName()
{
    if (!FMappedName) {
        FMappedName = std::make_unique<TCT_String>();
        FMappedName->SetAssigned();
    }
    SetHasChildren();
    return *FMappedName;
}

TCT_DecimalNumber& TCT_OdsoFieldMapData::Create_Column()
{
    if (!FColumn) {
        FColumn = std::make_unique<TCT_DecimalNumber>();
        FColumn->SetAssigned();
    }
    SetHasChildren();
    return *FColumn;
}

TCT_Lang& TCT_OdsoFieldMapData::Create_Lid()
{
    if (!FLid) {
        FLid = std::make_unique<TCT_Lang>();
        FLid->SetAssigned();
    }
    SetHasChildren();
    return *FLid;
}

TCT_OnOff& TCT_OdsoFieldMapData::Create_DynamicAddress()
{
    if (!FDynamicAddress) {
        FDynamicAddress = std::make_unique<TCT_OnOff>();
        FDynamicAddress->SetAssigned();
    }
    SetHasChildren();
    return *FDynamicAddress;
}

TNYQBase* TCT_OdsoFieldMapData::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 313:
        if (local == "lid") {
            return &Create_Lid();
        }
        break;
    case 417:
        if (local == "name") {
            return &Create_Name();
        }
        break;
    case 450:
        if (local == "type") {
            return &Create_Type();
        }
        break;
    case 654:
        if (local == "column") {
            return &Create_Column();
        }
        break;
    case 1016:
        if (local == "mappedName") {
            return &Create_MappedName();
        }
        break;
    case 1451:
        if (local == "dynamicAddress") {
            return &Create_DynamicAddress();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_OdsoFieldMapData::Write(TNyqWriteXML& writer) const
{
    if (FType && FType->Available())
        NyqWriteChild(writer, "w:type", *FType);
    if (FName && FName->Available())
        NyqWriteChild(writer, "w:name", *FName);
    if (FMappedName && FMappedName->Available())
        NyqWriteChild(writer, "w:mappedName", *FMappedName);
    if (FColumn && FColumn->Available())
        NyqWriteChild(writer, "w:column", *FColumn);
    if (FLid && FLid->Available())
        NyqWriteChild(writer, "w:lid", *FLid);
    if (FDynamicAddress && FDynamicAddress->Available())
        NyqWriteChild(writer, "w:dynamicAddress", *FDynamicAddress);
    FAny.Write(writer);
}

void TCT_OdsoFieldMapData::Clear()
{
    TNYQBase::Clear();
    FType.reset();
    FName.reset();
    FMappedName.reset();
    FColumn.reset();
    FLid.reset();
    FDynamicAddress.reset();
    FAny.Clear();
}

void TCT_OdsoFieldMapData::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_OdsoFieldMapData*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FType)
        Create_Type().Assign(*o->FType);
    if (o->FName)
        Create_Name().Assign(*o->FName);
    if (o->FMappedName)
        Create_MappedName().Assign(*o->FMappedName);
    if (o->FColumn)
        Create_Column().Assign(*o->FColumn);
    if (o->FLid)
        Create_Lid().Assign(*o->FLid);
    if (o->FDynamicAddress)
        Create_DynamicAddress().Assign(*o->FDynamicAddress);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_OdsoFieldMapData::HasElements() const
{
    return FType != nullptr || FName != nullptr || FMappedName != nullptr || FColumn != nullptr || FLid != nullptr || FDynamicAddress != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AutoCaption

TCT_AutoCaption::TCT_AutoCaption() = default;
TCT_AutoCaption::~TCT_AutoCaption() = default;

TNYQBase* TCT_AutoCaption::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AutoCaption::AssignAttributes(TNYQReader& reader)
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
        case 750:
            if (local == "caption") {
                FCaption = attrs.GetValues(i);
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

void TCT_AutoCaption::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:name", FName);
    writer.AddAttribute("w:caption", FCaption);
}

void TCT_AutoCaption::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_AutoCaption::Clear()
{
    TNYQBase::Clear();
    FName = {};
    FCaption = {};
    FAny.Clear();
}

void TCT_AutoCaption::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AutoCaption*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FName = o->FName;
    FCaption = o->FCaption;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AutoCaption::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PixelsMeasure

TCT_PixelsMeasure::TCT_PixelsMeasure() = default;
TCT_PixelsMeasure::~TCT_PixelsMeasure() = default;

TNYQBase* TCT_PixelsMeasure::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PixelsMeasure::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0)
                    FVal = static_cast<std::uint64_t>(*v);
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

void TCT_PixelsMeasure::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", std::to_string(FVal));
}

void TCT_PixelsMeasure::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PixelsMeasure::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_PixelsMeasure::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PixelsMeasure*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PixelsMeasure::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FrameScrollbar

TCT_FrameScrollbar::TCT_FrameScrollbar() = default;
TCT_FrameScrollbar::~TCT_FrameScrollbar() = default;

TNYQBase* TCT_FrameScrollbar::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FrameScrollbar::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_FrameScrollbar(attrs.GetValues(i)))
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

void TCT_FrameScrollbar::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_FrameScrollbarToStr(FVal));
}

void TCT_FrameScrollbar::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FrameScrollbar::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_FrameScrollbar::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FrameScrollbar*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FrameScrollbar::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DivBdr

TCT_DivBdr::TCT_DivBdr() = default;
TCT_DivBdr::~TCT_DivBdr() = default;

TCT_Border& TCT_DivBdr::Create_Top()
{
    if (!FTop) {
        FTop = std::make_unique<TCT_Border>();
        FTop->SetAssigned();
    }
    SetHasChildren();
    return *FTop;
}

TCT_Border& TCT_DivBdr::Create_Left()
{
    if (!FLeft) {
        FLeft = std::make_unique<TCT_Border>();
        FLeft->SetAssigned();
    }
    SetHasChildren();
    return *FLeft;
}

TCT_Border& TCT_DivBdr::Create_Bottom()
{
    if (!FBottom) {
        FBottom = std::make_unique<TCT_Border>();
        FBottom->SetAssigned();
    }
    SetHasChildren();
    return *FBottom;
}

TCT_Border& TCT_DivBdr::Create_Right()
{
    if (!FRight) {
        FRight = std::make_unique<TCT_Border>();
        FRight->SetAssigned();
    }
    SetHasChildren();
    return *FRight;
}

TNYQBase* TCT_DivBdr::HandleElement(TNYQReader& reader)
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

void TCT_DivBdr::Write(TNyqWriteXML& writer) const
{
    if (FTop && FTop->Available())
        NyqWriteChild(writer, "w:top", *FTop);
    if (FLeft && FLeft->Available())
        NyqWriteChild(writer, "w:left", *FLeft);
    if (FBottom && FBottom->Available())
        NyqWriteChild(writer, "w:bottom", *FBottom);
    if (FRight && FRight->Available())
        NyqWriteChild(writer, "w:right", *FRight);
    FAny.Write(writer);
}

void TCT_DivBdr::Clear()
{
    TNYQBase::Clear();
    FTop.reset();
    FLeft.reset();
    FBottom.reset();
    FRight.reset();
    FAny.Clear();
}

void TCT_DivBdr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DivBdr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FTop)
        Create_Top().Assign(*o->FTop);
    if (o->FLeft)
        Create_Left().Assign(*o->FLeft);
    if (o->FBottom)
        Create_Bottom().Assign(*o->FBottom);
    if (o->FRight)
        Create_Right().Assign(*o->FRight);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DivBdr::HasElements() const
{
    return FTop != nullptr || FLeft != nullptr || FBottom != nullptr || FRight != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Attr

TCT_Attr::TCT_Attr() = default;
TCT_Attr::~TCT_Attr() = default;

TNYQBase* TCT_Attr::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Attr::AssignAttributes(TNYQReader& reader)
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
        case 336:
            if (local == "uri") {
                FUri = attrs.GetValues(i);
                continue;
            }
            break;
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

void TCT_Attr::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FUri)
        writer.AddAttribute("w:uri", *FUri);
    writer.AddAttribute("w:name", FName);
    writer.AddAttribute("w:val", FVal);
}

void TCT_Attr::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Attr::Clear()
{
    TNYQBase::Clear();
    FUri = {};
    FName = {};
    FVal = {};
    FAny.Clear();
}

void TCT_Attr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Attr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUri = o->FUri;
    FName = o->FName;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Attr::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Lock

TCT_Lock::TCT_Lock() = default;
TCT_Lock::~TCT_Lock() = default;

TNYQBase* TCT_Lock::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Lock::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Lock(attrs.GetValues(i)))
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

void TCT_Lock::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_LockToStr(*FVal));
}

void TCT_Lock::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Lock::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_Lock::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Lock*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Lock::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Placeholder

TCT_Placeholder::TCT_Placeholder() = default;
TCT_Placeholder::~TCT_Placeholder() = default;

TCT_String& TCT_Placeholder::Create_DocPart()
{
    if (!FDocPart) {
        FDocPart = std::make_unique<TCT_String>();
        FDocPart->SetAssigned();
    }
    SetHasChildren();
    return *FDocPart;
}

TNYQBase* TCT_Placeholder::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 717:
        if (local == "docPart") {
            return &Create_DocPart();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Placeholder::Write(TNyqWriteXML& writer) const
{
    if (FDocPart && FDocPart->Available())
        NyqWriteChild(writer, "w:docPart", *FDocPart);
    FAny.Write(writer);
}

void TCT_Placeholder::Clear()
{
    TNYQBase::Clear();
    FDocPart.reset();
    FAny.Clear();
}

void TCT_Placeholder::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Placeholder*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FDocPart)
        Create_DocPart().Assign(*o->FDocPart);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Placeholder::HasElements() const
{
    return FDocPart != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DataBinding

TCT_DataBinding::TCT_DataBinding() = default;
TCT_DataBinding::~TCT_DataBinding() = default;

TNYQBase* TCT_DataBinding::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DataBinding::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 549:
            if (local == "xpath") {
                FXpath = attrs.GetValues(i);
                continue;
            }
            break;
        case 1097:
            if (local == "storeItemID") {
                FStoreItemID = attrs.GetValues(i);
                continue;
            }
            break;
        case 1485:
            if (local == "prefixMappings") {
                FPrefixMappings = attrs.GetValues(i);
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

void TCT_DataBinding::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FPrefixMappings)
        writer.AddAttribute("w:prefixMappings", *FPrefixMappings);
    writer.AddAttribute("w:xpath", FXpath);
    writer.AddAttribute("w:storeItemID", FStoreItemID);
}

void TCT_DataBinding::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_DataBinding::Clear()
{
    TNYQBase::Clear();
    FPrefixMappings = {};
    FXpath = {};
    FStoreItemID = {};
    FAny.Clear();
}

void TCT_DataBinding::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DataBinding*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FPrefixMappings = o->FPrefixMappings;
    FXpath = o->FXpath;
    FStoreItemID = o->FStoreItemID;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DataBinding::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_UnsignedDecimalNumber

TCT_UnsignedDecimalNumber::TCT_UnsignedDecimalNumber() = default;
TCT_UnsignedDecimalNumber::~TCT_UnsignedDecimalNumber() = default;

TNYQBase* TCT_UnsignedDecimalNumber::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_UnsignedDecimalNumber::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0)
                    FVal = static_cast<std::uint64_t>(*v);
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

void TCT_UnsignedDecimalNumber::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", std::to_string(FVal));
}

void TCT_UnsignedDecimalNumber::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_UnsignedDecimalNumber::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_UnsignedDecimalNumber::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_UnsignedDecimalNumber*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_UnsignedDecimalNumber::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtComboBox

TCT_SdtComboBox::TCT_SdtComboBox() = default;
TCT_SdtComboBox::~TCT_SdtComboBox() = default;

TNYQBase* TCT_SdtComboBox::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 843:
        if (local == "listItem") {
            SetHasChildren();
            return &FListItemList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtComboBox::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 945:
            if (local == "lastValue") {
                FLastValue = attrs.GetValues(i);
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

void TCT_SdtComboBox::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FLastValue)
        writer.AddAttribute("w:lastValue", *FLastValue);
}

void TCT_SdtComboBox::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FListItemList.GetItems())
        NyqWriteChild(writer, "w:listItem", *item);
    FAny.Write(writer);
}

void TCT_SdtComboBox::Clear()
{
    TNYQBase::Clear();
    FLastValue = {};
    FListItemList.Clear();
    FAny.Clear();
}

void TCT_SdtComboBox::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtComboBox*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FLastValue = o->FLastValue;
    for (const auto& item : o->FListItemList.GetItems())
        FListItemList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtComboBox::HasElements() const
{
    return FListItemList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtDate

TCT_SdtDate::TCT_SdtDate() = default;
TCT_SdtDate::~TCT_SdtDate() = default;

TCT_String& TCT_SdtDate::Create_DateFormat()
{
    if (!FDateFormat) {
        FDateFormat = std::make_unique<TCT_String>();
        FDateFormat->SetAssigned();
    }
    SetHasChildren();
    return *FDateFormat;
}

TCT_Lang& TCT_SdtDate::Create_Lid()
{
    if (!FLid) {
        FLid = std::make_unique<TCT_Lang>();
        FLid->SetAssigned();
    }
    SetHasChildren();
    return *FLid;
}

TCT_SdtDateMappingType& TCT_SdtDate::Create_StoreMappedDataAs()
{
    if (!FStoreMappedDataAs) {
        FStoreMappedDataAs = std::make_unique<TCT_SdtDateMappingType>();
        FStoreMappedDataAs->SetAssigned();
    }
    SetHasChildren();
    return *FStoreMappedDataAs;
}

TCT_CalendarType& TCT_SdtDate::Create_Calendar()
{
    if (!FCalendar) {
        FCalendar = std::make_unique<TCT_CalendarType>();
        FCalendar->SetAssigned();
    }
    SetHasChildren();
    return *FCalendar;
}

TNYQBase* TCT_SdtDate::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 313:
        if (local == "lid") {
            return &Create_Lid();
        }
        break;
    case 826:
        if (local == "calendar") {
            return &Create_Calendar();
        }
        break;
    case 1031:
        if (local == "dateFormat") {
            return &Create_DateFormat();
        }
        break;
    case 1714:
        if (local == "storeMappedDataAs") {
            return &Create_StoreMappedDataAs();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtDate::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 817:
            if (local == "fullDate") {
                if (const auto v = XmlTryStrToDateTime(attrs.GetValues(i)))
                    FFullDate = *v;
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

void TCT_SdtDate::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FFullDate)
        writer.AddAttribute("w:fullDate", XmlDateTimeToStr(*FFullDate));
}

void TCT_SdtDate::Write(TNyqWriteXML& writer) const
{
    if (FDateFormat && FDateFormat->Available())
        NyqWriteChild(writer, "w:dateFormat", *FDateFormat);
    if (FLid && FLid->Available())
        NyqWriteChild(writer, "w:lid", *FLid);
    if (FStoreMappedDataAs && FStoreMappedDataAs->Available())
        NyqWriteChild(writer, "w:storeMappedDataAs", *FStoreMappedDataAs);
    if (FCalendar && FCalendar->Available())
        NyqWriteChild(writer, "w:calendar", *FCalendar);
    FAny.Write(writer);
}

void TCT_SdtDate::Clear()
{
    TNYQBase::Clear();
    FFullDate = {};
    FDateFormat.reset();
    FLid.reset();
    FStoreMappedDataAs.reset();
    FCalendar.reset();
    FAny.Clear();
}

void TCT_SdtDate::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtDate*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FFullDate = o->FFullDate;
    if (o->FDateFormat)
        Create_DateFormat().Assign(*o->FDateFormat);
    if (o->FLid)
        Create_Lid().Assign(*o->FLid);
    if (o->FStoreMappedDataAs)
        Create_StoreMappedDataAs().Assign(*o->FStoreMappedDataAs);
    if (o->FCalendar)
        Create_Calendar().Assign(*o->FCalendar);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtDate::HasElements() const
{
    return FDateFormat != nullptr || FLid != nullptr || FStoreMappedDataAs != nullptr || FCalendar != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtDocPart

TCT_SdtDocPart::TCT_SdtDocPart() = default;
TCT_SdtDocPart::~TCT_SdtDocPart() = default;

TCT_String& TCT_SdtDocPart::Create_DocPartGallery()
{
    if (!FDocPartGallery) {
        FDocPartGallery = std::make_unique<TCT_String>();
        FDocPartGallery->SetAssigned();
    }
    SetHasChildren();
    return *FDocPartGallery;
}

TCT_String& TCT_SdtDocPart::Create_DocPartCategory()
{
    if (!FDocPartCategory) {
        FDocPartCategory = std::make_unique<TCT_String>();
        FDocPartCategory->SetAssigned();
    }
    SetHasChildren();
    return *FDocPartCategory;
}

TCT_OnOff& TCT_SdtDocPart::Create_DocPartUnique()
{
    if (!FDocPartUnique) {
        FDocPartUnique = std::make_unique<TCT_OnOff>();
        FDocPartUnique->SetAssigned();
    }
    SetHasChildren();
    return *FDocPartUnique;
}

TNYQBase* TCT_SdtDocPart::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1348:
        if (local == "docPartUnique") {
            return &Create_DocPartUnique();
        }
        break;
    case 1437:
        if (local == "docPartGallery") {
            return &Create_DocPartGallery();
        }
        break;
    case 1547:
        if (local == "docPartCategory") {
            return &Create_DocPartCategory();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtDocPart::Write(TNyqWriteXML& writer) const
{
    if (FDocPartGallery && FDocPartGallery->Available())
        NyqWriteChild(writer, "w:docPartGallery", *FDocPartGallery);
    if (FDocPartCategory && FDocPartCategory->Available())
        NyqWriteChild(writer, "w:docPartCategory", *FDocPartCategory);
    if (FDocPartUnique && FDocPartUnique->Available())
        NyqWriteChild(writer, "w:docPartUnique", *FDocPartUnique);
    FAny.Write(writer);
}

void TCT_SdtDocPart::Clear()
{
    TNYQBase::Clear();
    FDocPartGallery.reset();
    FDocPartCategory.reset();
    FDocPartUnique.reset();
    FAny.Clear();
}

void TCT_SdtDocPart::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtDocPart*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FDocPartGallery)
        Create_DocPartGallery().Assign(*o->FDocPartGallery);
    if (o->FDocPartCategory)
        Create_DocPartCategory().Assign(*o->FDocPartCategory);
    if (o->FDocPartUnique)
        Create_DocPartUnique().Assign(*o->FDocPartUnique);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtDocPart::HasElements() const
{
    return FDocPartGallery != nullptr || FDocPartCategory != nullptr || FDocPartUnique != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtDropDownList

TCT_SdtDropDownList::TCT_SdtDropDownList() = default;
TCT_SdtDropDownList::~TCT_SdtDropDownList() = default;

TNYQBase* TCT_SdtDropDownList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 843:
        if (local == "listItem") {
            SetHasChildren();
            return &FListItemList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtDropDownList::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 945:
            if (local == "lastValue") {
                FLastValue = attrs.GetValues(i);
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

void TCT_SdtDropDownList::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FLastValue)
        writer.AddAttribute("w:lastValue", *FLastValue);
}

void TCT_SdtDropDownList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FListItemList.GetItems())
        NyqWriteChild(writer, "w:listItem", *item);
    FAny.Write(writer);
}

void TCT_SdtDropDownList::Clear()
{
    TNYQBase::Clear();
    FLastValue = {};
    FListItemList.Clear();
    FAny.Clear();
}

void TCT_SdtDropDownList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtDropDownList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FLastValue = o->FLastValue;
    for (const auto& item : o->FListItemList.GetItems())
        FListItemList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtDropDownList::HasElements() const
{
    return FListItemList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtText

TCT_SdtText::TCT_SdtText() = default;
TCT_SdtText::~TCT_SdtText() = default;

TNYQBase* TCT_SdtText::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtText::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 947:
            if (local == "multiLine") {
                FMultiLine = attrs.GetValues(i);
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

void TCT_SdtText::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FMultiLine)
        writer.AddAttribute("w:multiLine", *FMultiLine);
}

void TCT_SdtText::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SdtText::Clear()
{
    TNYQBase::Clear();
    FMultiLine = {};
    FAny.Clear();
}

void TCT_SdtText::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtText*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FMultiLine = o->FMultiLine;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtText::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ParaRPr

namespace {
constexpr std::string_view cTCT_ParaRPrFEG_RPrBaseListNames[] = {"w:rStyle", "w:rFonts", "w:b", "w:bCs", "w:i", "w:iCs", "w:caps", "w:smallCaps", "w:strike", "w:dstrike", "w:outline", "w:shadow", "w:emboss", "w:imprint", "w:noProof", "w:snapToGrid", "w:vanish", "w:webHidden", "w:color", "w:spacing", "w:w", "w:kern", "w:position", "w:sz", "w:szCs", "w:highlight", "w:u", "w:effect", "w:bdr", "w:shd", "w:fitText", "w:vertAlign", "w:rtl", "w:cs", "w:em", "w:lang", "w:eastAsianLayout", "w:specVanish", "w:oMath"};
}  // namespace

TCT_ParaRPr::TCT_ParaRPr() = default;
TCT_ParaRPr::~TCT_ParaRPr() = default;

TCT_TrackChange& TCT_ParaRPr::Create_Ins()
{
    if (!FIns) {
        FIns = std::make_unique<TCT_TrackChange>();
        FIns->SetAssigned();
    }
    SetHasChildren();
    return *FIns;
}

TCT_TrackChange& TCT_ParaRPr::Create_Del()
{
    if (!FDel) {
        FDel = std::make_unique<TCT_TrackChange>();
        FDel->SetAssigned();
    }
    SetHasChildren();
    return *FDel;
}

TCT_TrackChange& TCT_ParaRPr::Create_MoveFrom()
{
    if (!FMoveFrom) {
        FMoveFrom = std::make_unique<TCT_TrackChange>();
        FMoveFrom->SetAssigned();
    }
    SetHasChildren();
    return *FMoveFrom;
}

TCT_TrackChange& TCT_ParaRPr::Create_MoveTo()
{
    if (!FMoveTo) {
        FMoveTo = std::make_unique<TCT_TrackChange>();
        FMoveTo->SetAssigned();
    }
    SetHasChildren();
    return *FMoveTo;
}

TCT_ParaRPrChange& TCT_ParaRPr::Create_RPrChange()
{
    if (!FRPrChange) {
        FRPrChange = std::make_unique<TCT_ParaRPrChange>();
        FRPrChange->SetAssigned();
    }
    SetHasChildren();
    return *FRPrChange;
}

TNYQBase* TCT_ParaRPr::HandleElement(TNYQReader& reader)
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
    case 309:
        if (local == "del") {
            return &Create_Del();
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
    case 330:
        if (local == "ins") {
            return &Create_Ins();
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
    case 634:
        if (local == "moveTo") {
            return &Create_MoveTo();
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
    case 843:
        if (local == "moveFrom") {
            return &Create_MoveFrom();
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

void TCT_ParaRPr::Write(TNyqWriteXML& writer) const
{
    if (FIns && FIns->Available())
        NyqWriteChild(writer, "w:ins", *FIns);
    if (FDel && FDel->Available())
        NyqWriteChild(writer, "w:del", *FDel);
    if (FMoveFrom && FMoveFrom->Available())
        NyqWriteChild(writer, "w:moveFrom", *FMoveFrom);
    if (FMoveTo && FMoveTo->Available())
        NyqWriteChild(writer, "w:moveTo", *FMoveTo);
    for (const auto& item : FEG_RPrBaseList.GetItems())
        NyqWriteChild(writer, cTCT_ParaRPrFEG_RPrBaseListNames[item.Element], *item.Object);
    if (FRPrChange && FRPrChange->Available())
        NyqWriteChild(writer, "w:rPrChange", *FRPrChange);
    FAny.Write(writer);
}

void TCT_ParaRPr::Clear()
{
    TNYQBase::Clear();
    FIns.reset();
    FDel.reset();
    FMoveFrom.reset();
    FMoveTo.reset();
    FEG_RPrBaseList.Clear();
    FRPrChange.reset();
    FAny.Clear();
}

void TCT_ParaRPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ParaRPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FIns)
        Create_Ins().Assign(*o->FIns);
    if (o->FDel)
        Create_Del().Assign(*o->FDel);
    if (o->FMoveFrom)
        Create_MoveFrom().Assign(*o->FMoveFrom);
    if (o->FMoveTo)
        Create_MoveTo().Assign(*o->FMoveTo);
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

bool TCT_ParaRPr::HasElements() const
{
    return FIns != nullptr || FDel != nullptr || FMoveFrom != nullptr || FMoveTo != nullptr || FEG_RPrBaseList.Count() > 0 || FRPrChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SmartTagPr

TCT_SmartTagPr::TCT_SmartTagPr() = default;
TCT_SmartTagPr::~TCT_SmartTagPr() = default;

TNYQBase* TCT_SmartTagPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 443:
        if (local == "attr") {
            SetHasChildren();
            return &FAttrList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SmartTagPr::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FAttrList.GetItems())
        NyqWriteChild(writer, "w:attr", *item);
    FAny.Write(writer);
}

void TCT_SmartTagPr::Clear()
{
    TNYQBase::Clear();
    FAttrList.Clear();
    FAny.Clear();
}

void TCT_SmartTagPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SmartTagPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FAttrList.GetItems())
        FAttrList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SmartTagPr::HasElements() const
{
    return FAttrList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtContentRun

namespace {
constexpr std::string_view cTCT_SdtContentRunFEG_PContentListNames[] = {"w:customXml", "w:smartTag", "w:sdt", "w:dir", "w:bdo", "w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:fldSimple", "w:hyperlink", "w:subDoc"};
}  // namespace

TCT_SdtContentRun::TCT_SdtContentRun() = default;
TCT_SdtContentRun::~TCT_SdtContentRun() = default;

TNYQBase* TCT_SdtContentRun::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_R>(5);
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

void TCT_SdtContentRun::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_PContentList.GetItems())
        NyqWriteChild(writer, cTCT_SdtContentRunFEG_PContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_SdtContentRun::Clear()
{
    TNYQBase::Clear();
    FEG_PContentList.Clear();
    FAny.Clear();
}

void TCT_SdtContentRun::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtContentRun*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
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

bool TCT_SdtContentRun::HasElements() const
{
    return FEG_PContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Br

TCT_Br::TCT_Br() = default;
TCT_Br::~TCT_Br() = default;

TNYQBase* TCT_Br::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Br::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_BrType(attrs.GetValues(i)))
                    FType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 519:
            if (local == "clear") {
                if (const auto v = StrToTST_BrClear(attrs.GetValues(i)))
                    FClear = *v;
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

void TCT_Br::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("w:type", TST_BrTypeToStr(*FType));
    if (FClear)
        writer.AddAttribute("w:clear", TST_BrClearToStr(*FClear));
}

void TCT_Br::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Br::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FClear = {};
    FAny.Clear();
}

void TCT_Br::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Br*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FClear = o->FClear;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Br::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Text

TCT_Text::TCT_Text() = default;
TCT_Text::~TCT_Text() = default;

TNYQBase* TCT_Text::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Text::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 524:
            if (local == "space") {
                FSpace = attrs.GetValues(i);
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

void TCT_Text::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FSpace)
        writer.AddAttribute("xml:space", *FSpace);
}

void TCT_Text::BeforeTag(TNYQReader& reader)
{
    if (!reader.SelfClosing())
        FContent = reader.TextUtf8();
}

void TCT_Text::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Text::Clear()
{
    TNYQBase::Clear();
    FSpace = {};
    FAny.Clear();
    FContent.clear();
}

void TCT_Text::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Text*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FSpace = o->FSpace;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
    FContent = o->FContent;
}

bool TCT_Text::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Sym

TCT_Sym::TCT_Sym() = default;
TCT_Sym::~TCT_Sym() = default;

TNYQBase* TCT_Sym::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Sym::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 414:
            if (local == "char") {
                FChar = attrs.GetValues(i);
                continue;
            }
            break;
        case 439:
            if (local == "font") {
                FFont = attrs.GetValues(i);
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

void TCT_Sym::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FFont)
        writer.AddAttribute("w:font", *FFont);
    if (FChar)
        writer.AddAttribute("w:char", *FChar);
}

void TCT_Sym::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Sym::Clear()
{
    TNYQBase::Clear();
    FFont = {};
    FChar = {};
    FAny.Clear();
}

void TCT_Sym::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Sym*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FFont = o->FFont;
    FChar = o->FChar;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Sym::HasElements() const
{
    return FAny.Count() > 0;
}

