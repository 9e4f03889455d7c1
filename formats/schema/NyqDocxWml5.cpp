// NyqDocxWml5.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocxVml.h"
#include "formats/schema/NyqDocxWml.h"

// ---------------------------------------------------------------------------
// TCT_Object

TCT_Object::TCT_Object() = default;
TCT_Object::~TCT_Object() = default;

TCT_Drawing& TCT_Object::Create_Drawing()
{
    if (!FDrawing) {
        FDrawing = std::make_unique<TCT_Drawing>();
        FDrawing->SetAssigned();
    }
    SetHasChildren();
    return *FDrawing;
}

TCT_Control& TCT_Object::Create_Control()
{
    if (!FControl) {
        FControl = std::make_unique<TCT_Control>();
        FControl->SetAssigned();
    }
    SetHasChildren();
    return *FControl;
}

TCT_ObjectLink& TCT_Object::Create_ObjectLink()
{
    if (!FObjectLink) {
        FObjectLink = std::make_unique<TCT_ObjectLink>();
        FObjectLink->SetAssigned();
    }
    SetHasChildren();
    return *FObjectLink;
}

TCT_ObjectEmbed& TCT_Object::Create_ObjectEmbed()
{
    if (!FObjectEmbed) {
        FObjectEmbed = std::make_unique<TCT_ObjectEmbed>();
        FObjectEmbed->SetAssigned();
    }
    SetHasChildren();
    return *FObjectEmbed;
}

TCT_Rel& TCT_Object::Create_Movie()
{
    if (!FMovie) {
        FMovie = std::make_unique<TCT_Rel>();
        FMovie->SetAssigned();
    }
    SetHasChildren();
    return *FMovie;
}

TNYQBase* TCT_Object::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 544:
        if (local == "movie") {
            return &Create_Movie();
        }
        break;
    case 748:
        if (local == "drawing") {
            return &Create_Drawing();
        }
        break;
    case 769:
        if (local == "control") {
            return &Create_Control();
        }
        break;
    case 1029:
        if (local == "objectLink") {
            return &Create_ObjectLink();
        }
        break;
    case 1108:
        if (local == "objectEmbed") {
            return &Create_ObjectEmbed();
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

void TCT_Object::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 718:
            if (local == "dxaOrig") {
                FDxaOrig = attrs.GetValues(i);
                continue;
            }
            break;
        case 719:
            if (local == "dyaOrig") {
                FDyaOrig = attrs.GetValues(i);
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

void TCT_Object::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDxaOrig)
        writer.AddAttribute("w:dxaOrig", *FDxaOrig);
    if (FDyaOrig)
        writer.AddAttribute("w:dyaOrig", *FDyaOrig);
}

void TCT_Object::Write(TNyqWriteXML& writer) const
{
    if (FDrawing && FDrawing->Available())
        NyqWriteChild(writer, "w:drawing", *FDrawing);
    if (FControl && FControl->Available())
        NyqWriteChild(writer, "w:control", *FControl);
    if (FObjectLink && FObjectLink->Available())
        NyqWriteChild(writer, "w:objectLink", *FObjectLink);
    if (FObjectEmbed && FObjectEmbed->Available())
        NyqWriteChild(writer, "w:objectEmbed", *FObjectEmbed);
    if (FMovie && FMovie->Available())
        NyqWriteChild(writer, "w:movie", *FMovie);
    FAny.Write(writer);
}

void TCT_Object::Clear()
{
    TNYQBase::Clear();
    FDxaOrig = {};
    FDyaOrig = {};
    FDrawing.reset();
    FControl.reset();
    FObjectLink.reset();
    FObjectEmbed.reset();
    FMovie.reset();
    FAny.Clear();
}

void TCT_Object::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Object*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDxaOrig = o->FDxaOrig;
    FDyaOrig = o->FDyaOrig;
    if (o->FDrawing)
        Create_Drawing().Assign(*o->FDrawing);
    if (o->FControl)
        Create_Control().Assign(*o->FControl);
    if (o->FObjectLink)
        Create_ObjectLink().Assign(*o->FObjectLink);
    if (o->FObjectEmbed)
        Create_ObjectEmbed().Assign(*o->FObjectEmbed);
    if (o->FMovie)
        Create_Movie().Assign(*o->FMovie);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Object::HasElements() const
{
    return FDrawing != nullptr || FControl != nullptr || FObjectLink != nullptr || FObjectEmbed != nullptr || FMovie != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FldChar

TCT_FldChar::TCT_FldChar() = default;
TCT_FldChar::~TCT_FldChar() = default;

TCT_Text& TCT_FldChar::Create_FldData()
{
    if (!FFldData) {
        FFldData = std::make_unique<TCT_Text>();
        FFldData->SetAssigned();
    }
    SetHasChildren();
    return *FFldData;
}

TCT_FFData& TCT_FldChar::Create_FfData()
{
    if (!FFfData) {
        FFfData = std::make_unique<TCT_FFData>();
        FFfData->SetAssigned();
    }
    SetHasChildren();
    return *FFfData;
}

TCT_TrackChangeNumbering& TCT_FldChar::Create_NumberingChange()
{
    if (!FNumberingChange) {
        FNumberingChange = std::make_unique<TCT_TrackChangeNumbering>();
        FNumberingChange->SetAssigned();
    }
    SetHasChildren();
    return *FNumberingChange;
}

TNYQBase* TCT_FldChar::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 582:
        if (local == "ffData") {
            return &Create_FfData();
        }
        break;
    case 688:
        if (local == "fldData") {
            return &Create_FldData();
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

void TCT_FldChar::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 556:
            if (local == "dirty") {
                FDirty = attrs.GetValues(i);
                continue;
            }
            break;
        case 703:
            if (local == "fldLock") {
                FFldLock = attrs.GetValues(i);
                continue;
            }
            break;
        case 1110:
            if (local == "fldCharType") {
                if (const auto v = StrToTST_FldCharType(attrs.GetValues(i)))
                    FFldCharType = *v;
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

void TCT_FldChar::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:fldCharType", TST_FldCharTypeToStr(FFldCharType));
    if (FFldLock)
        writer.AddAttribute("w:fldLock", *FFldLock);
    if (FDirty)
        writer.AddAttribute("w:dirty", *FDirty);
}

void TCT_FldChar::Write(TNyqWriteXML& writer) const
{
    if (FFldData && FFldData->Available())
        NyqWriteChild(writer, "w:fldData", *FFldData);
    if (FFfData && FFfData->Available())
        NyqWriteChild(writer, "w:ffData", *FFfData);
    if (FNumberingChange && FNumberingChange->Available())
        NyqWriteChild(writer, "w:numberingChange", *FNumberingChange);
    FAny.Write(writer);
}

void TCT_FldChar::Clear()
{
    TNYQBase::Clear();
    FFldCharType = {};
    FFldLock = {};
    FDirty = {};
    FFldData.reset();
    FFfData.reset();
    FNumberingChange.reset();
    FAny.Clear();
}

void TCT_FldChar::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FldChar*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FFldCharType = o->FFldCharType;
    FFldLock = o->FFldLock;
    FDirty = o->FDirty;
    if (o->FFldData)
        Create_FldData().Assign(*o->FFldData);
    if (o->FFfData)
        Create_FfData().Assign(*o->FFfData);
    if (o->FNumberingChange)
        Create_NumberingChange().Assign(*o->FNumberingChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FldChar::HasElements() const
{
    return FFldData != nullptr || FFfData != nullptr || FNumberingChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Ruby

TCT_Ruby::TCT_Ruby() = default;
TCT_Ruby::~TCT_Ruby() = default;

TCT_RubyPr& TCT_Ruby::Create_RubyPr()
{
    if (!FRubyPr) {
        FRubyPr = std::make_unique<TCT_RubyPr>();
        FRubyPr->SetAssigned();
    }
    SetHasChildren();
    return *FRubyPr;
}

TCT_RubyContent& TCT_Ruby::Create_Rt()
{
    if (!FRt) {
        FRt = std::make_unique<TCT_RubyContent>();
        FRt->SetAssigned();
    }
    SetHasChildren();
    return *FRt;
}

TCT_RubyContent& TCT_Ruby::Create_RubyBase()
{
    if (!FRubyBase) {
        FRubyBase = std::make_unique<TCT_RubyContent>();
        FRubyBase->SetAssigned();
    }
    SetHasChildren();
    return *FRubyBase;
}

TNYQBase* TCT_Ruby::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 230:
        if (local == "rt") {
            return &Create_Rt();
        }
        break;
    case 644:
        if (local == "rubyPr") {
            return &Create_RubyPr();
        }
        break;
    case 829:
        if (local == "rubyBase") {
            return &Create_RubyBase();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Ruby::Write(TNyqWriteXML& writer) const
{
    if (FRubyPr && FRubyPr->Available())
        NyqWriteChild(writer, "w:rubyPr", *FRubyPr);
    if (FRt && FRt->Available())
        NyqWriteChild(writer, "w:rt", *FRt);
    if (FRubyBase && FRubyBase->Available())
        NyqWriteChild(writer, "w:rubyBase", *FRubyBase);
    FAny.Write(writer);
}

void TCT_Ruby::Clear()
{
    TNYQBase::Clear();
    FRubyPr.reset();
    FRt.reset();
    FRubyBase.reset();
    FAny.Clear();
}

void TCT_Ruby::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Ruby*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FRubyPr)
        Create_RubyPr().Assign(*o->FRubyPr);
    if (o->FRt)
        Create_Rt().Assign(*o->FRt);
    if (o->FRubyBase)
        Create_RubyBase().Assign(*o->FRubyBase);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Ruby::HasElements() const
{
    return FRubyPr != nullptr || FRt != nullptr || FRubyBase != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FtnEdnRef

TCT_FtnEdnRef::TCT_FtnEdnRef() = default;
TCT_FtnEdnRef::~TCT_FtnEdnRef() = default;

TNYQBase* TCT_FtnEdnRef::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FtnEdnRef::AssignAttributes(TNYQReader& reader)
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
        case 1804:
            if (local == "customMarkFollows") {
                FCustomMarkFollows = attrs.GetValues(i);
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

void TCT_FtnEdnRef::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FCustomMarkFollows)
        writer.AddAttribute("w:customMarkFollows", *FCustomMarkFollows);
    writer.AddAttribute("w:id", XmlIntToStr(FId));
}

void TCT_FtnEdnRef::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FtnEdnRef::Clear()
{
    TNYQBase::Clear();
    FCustomMarkFollows = {};
    FId = {};
    FAny.Clear();
}

void TCT_FtnEdnRef::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FtnEdnRef*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FCustomMarkFollows = o->FCustomMarkFollows;
    FId = o->FId;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FtnEdnRef::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PTab

TCT_PTab::TCT_PTab() = default;
TCT_PTab::~TCT_PTab() = default;

TNYQBase* TCT_PTab::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PTab::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 621:
            if (local == "leader") {
                if (const auto v = StrToTST_PTabLeader(attrs.GetValues(i)))
                    FLeader = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 959:
            if (local == "alignment") {
                if (const auto v = StrToTST_PTabAlignment(attrs.GetValues(i)))
                    FAlignment = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1055:
            if (local == "relativeTo") {
                if (const auto v = StrToTST_PTabRelativeTo(attrs.GetValues(i)))
                    FRelativeTo = *v;
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

void TCT_PTab::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:alignment", TST_PTabAlignmentToStr(FAlignment));
    writer.AddAttribute("w:relativeTo", TST_PTabRelativeToToStr(FRelativeTo));
    writer.AddAttribute("w:leader", TST_PTabLeaderToStr(FLeader));
}

void TCT_PTab::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PTab::Clear()
{
    TNYQBase::Clear();
    FAlignment = {};
    FRelativeTo = {};
    FLeader = {};
    FAny.Clear();
}

void TCT_PTab::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PTab*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAlignment = o->FAlignment;
    FRelativeTo = o->FRelativeTo;
    FLeader = o->FLeader;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PTab::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblPrChange

TCT_TblPrChange::TCT_TblPrChange() = default;
TCT_TblPrChange::~TCT_TblPrChange() = default;

TCT_TblPrBase& TCT_TblPrChange::Create_TblPr()
{
    if (!FTblPr) {
        FTblPr = std::make_unique<TCT_TblPrBase>();
        FTblPr->SetAssigned();
    }
    SetHasChildren();
    return *FTblPr;
}

TNYQBase* TCT_TblPrChange::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
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

void TCT_TblPrChange::AssignAttributes(TNYQReader& reader)
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

void TCT_TblPrChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_TblPrChange::Write(TNyqWriteXML& writer) const
{
    if (FTblPr && FTblPr->Available())
        NyqWriteChild(writer, "w:tblPr", *FTblPr);
    FAny.Write(writer);
}

void TCT_TblPrChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FTblPr.reset();
    FAny.Clear();
}

void TCT_TblPrChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblPrChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    if (o->FTblPr)
        Create_TblPr().Assign(*o->FTblPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblPrChange::HasElements() const
{
    return FTblPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblGridCol

TCT_TblGridCol::TCT_TblGridCol() = default;
TCT_TblGridCol::~TCT_TblGridCol() = default;

TNYQBase* TCT_TblGridCol::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblGridCol::AssignAttributes(TNYQReader& reader)
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
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_TblGridCol::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FW)
        writer.AddAttribute("w:w", *FW);
}

void TCT_TblGridCol::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TblGridCol::Clear()
{
    TNYQBase::Clear();
    FW = {};
    FAny.Clear();
}

void TCT_TblGridCol::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblGridCol*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FW = o->FW;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblGridCol::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblGridChange

TCT_TblGridChange::TCT_TblGridChange() = default;
TCT_TblGridChange::~TCT_TblGridChange() = default;

TCT_TblGridBase& TCT_TblGridChange::Create_TblGrid()
{
    if (!FTblGrid) {
        FTblGrid = std::make_unique<TCT_TblGridBase>();
        FTblGrid->SetAssigned();
    }
    SetHasChildren();
    return *FTblGrid;
}

TNYQBase* TCT_TblGridChange::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 712:
        if (local == "tblGrid") {
            return &Create_TblGrid();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblGridChange::AssignAttributes(TNYQReader& reader)
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

void TCT_TblGridChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
}

void TCT_TblGridChange::Write(TNyqWriteXML& writer) const
{
    if (FTblGrid && FTblGrid->Available())
        NyqWriteChild(writer, "w:tblGrid", *FTblGrid);
    FAny.Write(writer);
}

void TCT_TblGridChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FTblGrid.reset();
    FAny.Clear();
}

void TCT_TblGridChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblGridChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    if (o->FTblGrid)
        Create_TblGrid().Assign(*o->FTblGrid);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblGridChange::HasElements() const
{
    return FTblGrid != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblPrEx

TCT_TblPrEx::TCT_TblPrEx() = default;
TCT_TblPrEx::~TCT_TblPrEx() = default;

TCT_TblWidth& TCT_TblPrEx::Create_TblW()
{
    if (!FTblW) {
        FTblW = std::make_unique<TCT_TblWidth>();
        FTblW->SetAssigned();
    }
    SetHasChildren();
    return *FTblW;
}

TCT_JcTable& TCT_TblPrEx::Create_Jc()
{
    if (!FJc) {
        FJc = std::make_unique<TCT_JcTable>();
        FJc->SetAssigned();
    }
    SetHasChildren();
    return *FJc;
}

TCT_TblWidth& TCT_TblPrEx::Create_TblCellSpacing()
{
    if (!FTblCellSpacing) {
        FTblCellSpacing = std::make_unique<TCT_TblWidth>();
        FTblCellSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FTblCellSpacing;
}

TCT_TblWidth& TCT_TblPrEx::Create_TblInd()
{
    if (!FTblInd) {
        FTblInd = std::make_unique<TCT_TblWidth>();
        FTblInd->SetAssigned();
    }
    SetHasChildren();
    return *FTblInd;
}

TCT_TblBorders& TCT_TblPrEx::Create_TblBorders()
{
    if (!FTblBorders) {
        FTblBorders = std::make_unique<TCT_TblBorders>();
        FTblBorders->SetAssigned();
    }
    SetHasChildren();
    return *FTblBorders;
}

TCT_Shd& TCT_TblPrEx::Create_Shd()
{
    if (!FShd) {
        FShd = std::make_unique<TCT_Shd>();
        FShd->SetAssigned();
    }
    SetHasChildren();
    return *FShd;
}

TCT_TblLayoutType& TCT_TblPrEx::Create_TblLayout()
{
    if (!FTblLayout) {
        FTblLayout = std::make_unique<TCT_TblLayoutType>();
        FTblLayout->SetAssigned();
    }
    SetHasChildren();
    return *FTblLayout;
}

TCT_TblCellMar& TCT_TblPrEx::Create_TblCellMar()
{
    if (!FTblCellMar) {
        FTblCellMar = std::make_unique<TCT_TblCellMar>();
        FTblCellMar->SetAssigned();
    }
    SetHasChildren();
    return *FTblCellMar;
}

TCT_TblLook& TCT_TblPrEx::Create_TblLook()
{
    if (!FTblLook) {
        FTblLook = std::make_unique<TCT_TblLook>();
        FTblLook->SetAssigned();
    }
    SetHasChildren();
    return *FTblLook;
}

TCT_TblPrExChange& TCT_TblPrEx::Create_TblPrExChange()
{
    if (!FTblPrExChange) {
        FTblPrExChange = std::make_unique<TCT_TblPrExChange>();
        FTblPrExChange->SetAssigned();
    }
    SetHasChildren();
    return *FTblPrExChange;
}

TNYQBase* TCT_TblPrEx::HandleElement(TNYQReader& reader)
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
    case 727:
        if (local == "tblLook") {
            return &Create_TblLook();
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
    case 1043:
        if (local == "tblBorders") {
            return &Create_TblBorders();
        }
        break;
    case 1287:
        if (local == "tblPrExChange") {
            return &Create_TblPrExChange();
        }
        break;
    case 1415:
        if (local == "tblCellSpacing") {
            return &Create_TblCellSpacing();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblPrEx::Write(TNyqWriteXML& writer) const
{
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
    if (FTblPrExChange && FTblPrExChange->Available())
        NyqWriteChild(writer, "w:tblPrExChange", *FTblPrExChange);
    FAny.Write(writer);
}

void TCT_TblPrEx::Clear()
{
    TNYQBase::Clear();
    FTblW.reset();
    FJc.reset();
    FTblCellSpacing.reset();
    FTblInd.reset();
    FTblBorders.reset();
    FShd.reset();
    FTblLayout.reset();
    FTblCellMar.reset();
    FTblLook.reset();
    FTblPrExChange.reset();
    FAny.Clear();
}

void TCT_TblPrEx::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblPrEx*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
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
    if (o->FTblPrExChange)
        Create_TblPrExChange().Assign(*o->FTblPrExChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblPrEx::HasElements() const
{
    return FTblW != nullptr || FJc != nullptr || FTblCellSpacing != nullptr || FTblInd != nullptr || FTblBorders != nullptr || FShd != nullptr || FTblLayout != nullptr || FTblCellMar != nullptr || FTblLook != nullptr || FTblPrExChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Tc

namespace {
constexpr std::string_view cTCT_TcFEG_BlockLevelEltsListNames[] = {"w:customXml", "w:sdt", "w:p", "w:tbl", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:altChunk"};
}  // namespace

TCT_Tc::TCT_Tc() = default;
TCT_Tc::~TCT_Tc() = default;

TCT_TcPr& TCT_Tc::Create_TcPr()
{
    if (!FTcPr) {
        FTcPr = std::make_unique<TCT_TcPr>();
        FTcPr->SetAssigned();
    }
    SetHasChildren();
    return *FTcPr;
}

TNYQBase* TCT_Tc::HandleElement(TNYQReader& reader)
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
    case 409:
        if (local == "tcPr") {
            return &Create_TcPr();
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

void TCT_Tc::AssignAttributes(TNYQReader& reader)
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

void TCT_Tc::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("w:id", *FId);
}

void TCT_Tc::Write(TNyqWriteXML& writer) const
{
    if (FTcPr && FTcPr->Available())
        NyqWriteChild(writer, "w:tcPr", *FTcPr);
    for (const auto& item : FEG_BlockLevelEltsList.GetItems())
        NyqWriteChild(writer, cTCT_TcFEG_BlockLevelEltsListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Tc::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FTcPr.reset();
    FEG_BlockLevelEltsList.Clear();
    FAny.Clear();
}

void TCT_Tc::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Tc*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    if (o->FTcPr)
        Create_TcPr().Assign(*o->FTcPr);
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

bool TCT_Tc::HasElements() const
{
    return FTcPr != nullptr || FEG_BlockLevelEltsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CustomXmlCell

namespace {
constexpr std::string_view cTCT_CustomXmlCellFEG_ContentCellContentListNames[] = {"w:tc", "w:customXml", "w:sdt", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_CustomXmlCell::TCT_CustomXmlCell() = default;
TCT_CustomXmlCell::~TCT_CustomXmlCell() = default;

TCT_CustomXmlPr& TCT_CustomXmlCell::Create_CustomXmlPr()
{
    if (!FCustomXmlPr) {
        FCustomXmlPr = std::make_unique<TCT_CustomXmlPr>();
        FCustomXmlPr->SetAssigned();
    }
    SetHasChildren();
    return *FCustomXmlPr;
}

TNYQBase* TCT_CustomXmlCell::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 215:
        if (local == "tc") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Tc>(0);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(22);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_SdtCell>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TNYQAnyElement>(27);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Perm>(5);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_ProofErr>(3);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TNYQAnyElement>(26);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_PermStart>(4);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_CustomXmlCell>(1);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(7);
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
            return &FEG_ContentCellContentList.Add<TCT_Bookmark>(6);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(11);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(9);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MoveBookmark>(10);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MoveBookmark>(8);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(17);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(15);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(16);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(14);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(21);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(19);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(20);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(18);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CustomXmlCell::AssignAttributes(TNYQReader& reader)
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

void TCT_CustomXmlCell::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FUri)
        writer.AddAttribute("w:uri", *FUri);
    writer.AddAttribute("w:element", FElement);
}

void TCT_CustomXmlCell::Write(TNyqWriteXML& writer) const
{
    if (FCustomXmlPr && FCustomXmlPr->Available())
        NyqWriteChild(writer, "w:customXmlPr", *FCustomXmlPr);
    for (const auto& item : FEG_ContentCellContentList.GetItems())
        NyqWriteChild(writer, cTCT_CustomXmlCellFEG_ContentCellContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_CustomXmlCell::Clear()
{
    TNYQBase::Clear();
    FUri = {};
    FElement = {};
    FCustomXmlPr.reset();
    FEG_ContentCellContentList.Clear();
    FAny.Clear();
}

void TCT_CustomXmlCell::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CustomXmlCell*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUri = o->FUri;
    FElement = o->FElement;
    if (o->FCustomXmlPr)
        Create_CustomXmlPr().Assign(*o->FCustomXmlPr);
    for (const auto& item : o->FEG_ContentCellContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ContentCellContentList.Add<TCT_Tc>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ContentCellContentList.Add<TCT_CustomXmlCell>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ContentCellContentList.Add<TCT_SdtCell>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ContentCellContentList.Add<TCT_ProofErr>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ContentCellContentList.Add<TCT_PermStart>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ContentCellContentList.Add<TCT_Perm>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ContentCellContentList.Add<TCT_Bookmark>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ContentCellContentList.Add<TCT_MoveBookmark>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ContentCellContentList.Add<TCT_MoveBookmark>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ContentCellContentList.Add<TCT_Markup>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ContentCellContentList.Add<TCT_Markup>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ContentCellContentList.Add<TCT_Markup>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ContentCellContentList.Add<TCT_Markup>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ContentCellContentList.Add<TNYQAnyElement>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ContentCellContentList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CustomXmlCell::HasElements() const
{
    return FCustomXmlPr != nullptr || FEG_ContentCellContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtCell

TCT_SdtCell::TCT_SdtCell() = default;
TCT_SdtCell::~TCT_SdtCell() = default;

TCT_SdtPr& TCT_SdtCell::Create_SdtPr()
{
    if (!FSdtPr) {
        FSdtPr = std::make_unique<TCT_SdtPr>();
        FSdtPr->SetAssigned();
    }
    SetHasChildren();
    return *FSdtPr;
}

TCT_SdtEndPr& TCT_SdtCell::Create_SdtEndPr()
{
    if (!FSdtEndPr) {
        FSdtEndPr = std::make_unique<TCT_SdtEndPr>();
        FSdtEndPr->SetAssigned();
    }
    SetHasChildren();
    return *FSdtEndPr;
}

TCT_SdtContentCell& TCT_SdtCell::Create_SdtContent()
{
    if (!FSdtContent) {
        FSdtContent = std::make_unique<TCT_SdtContentCell>();
        FSdtContent->SetAssigned();
    }
    SetHasChildren();
    return *FSdtContent;
}

TNYQBase* TCT_SdtCell::HandleElement(TNYQReader& reader)
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

void TCT_SdtCell::Write(TNyqWriteXML& writer) const
{
    if (FSdtPr && FSdtPr->Available())
        NyqWriteChild(writer, "w:sdtPr", *FSdtPr);
    if (FSdtEndPr && FSdtEndPr->Available())
        NyqWriteChild(writer, "w:sdtEndPr", *FSdtEndPr);
    if (FSdtContent && FSdtContent->Available())
        NyqWriteChild(writer, "w:sdtContent", *FSdtContent);
    FAny.Write(writer);
}

void TCT_SdtCell::Clear()
{
    TNYQBase::Clear();
    FSdtPr.reset();
    FSdtEndPr.reset();
    FSdtContent.reset();
    FAny.Clear();
}

void TCT_SdtCell::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtCell*>(&other);
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

bool TCT_SdtCell::HasElements() const
{
    return FSdtPr != nullptr || FSdtEndPr != nullptr || FSdtContent != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtContentRow

namespace {
constexpr std::string_view cTCT_SdtContentRowFEG_ContentRowContentListNames[] = {"w:tr", "w:customXml", "w:sdt", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_SdtContentRow::TCT_SdtContentRow() = default;
TCT_SdtContentRow::~TCT_SdtContentRow() = default;

TNYQBase* TCT_SdtContentRow::HandleElement(TNYQReader& reader)
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
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_RunTrackChange>(25);
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
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(7);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Bookmark>(6);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(11);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(9);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MoveBookmark>(10);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MoveBookmark>(8);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(17);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(15);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(16);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(14);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(21);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(19);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(20);
        }
        break;
    case 2802:
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

void TCT_SdtContentRow::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ContentRowContentList.GetItems())
        NyqWriteChild(writer, cTCT_SdtContentRowFEG_ContentRowContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_SdtContentRow::Clear()
{
    TNYQBase::Clear();
    FEG_ContentRowContentList.Clear();
    FAny.Clear();
}

void TCT_SdtContentRow::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtContentRow*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
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

bool TCT_SdtContentRow::HasElements() const
{
    return FEG_ContentRowContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TopPageBorder

TCT_TopPageBorder::TCT_TopPageBorder() = default;
TCT_TopPageBorder::~TCT_TopPageBorder() = default;

TNYQBase* TCT_TopPageBorder::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TopPageBorder::AssignAttributes(TNYQReader& reader)
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
        case 734:
            if (local == "topLeft") {
                FTopLeft = attrs.GetValues(i);
                continue;
            }
            break;
        case 849:
            if (local == "topRight") {
                FTopRight = attrs.GetValues(i);
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

void TCT_TopPageBorder::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FId)
        writer.AddAttribute("r:id", *FId);
    if (FTopLeft)
        writer.AddAttribute("r:topLeft", *FTopLeft);
    if (FTopRight)
        writer.AddAttribute("r:topRight", *FTopRight);
}

void TCT_TopPageBorder::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TopPageBorder::Clear()
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
    FId = {};
    FTopLeft = {};
    FTopRight = {};
    FAny.Clear();
}

void TCT_TopPageBorder::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TopPageBorder*>(&other);
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
    FId = o->FId;
    FTopLeft = o->FTopLeft;
    FTopRight = o->FTopRight;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TopPageBorder::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PageBorder

TCT_PageBorder::TCT_PageBorder() = default;
TCT_PageBorder::~TCT_PageBorder() = default;

TNYQBase* TCT_PageBorder::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PageBorder::AssignAttributes(TNYQReader& reader)
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

void TCT_PageBorder::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FId)
        writer.AddAttribute("r:id", *FId);
}

void TCT_PageBorder::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PageBorder::Clear()
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
    FId = {};
    FAny.Clear();
}

void TCT_PageBorder::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PageBorder*>(&other);
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
    FId = o->FId;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PageBorder::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_BottomPageBorder

TCT_BottomPageBorder::TCT_BottomPageBorder() = default;
TCT_BottomPageBorder::~TCT_BottomPageBorder() = default;

TNYQBase* TCT_BottomPageBorder::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_BottomPageBorder::AssignAttributes(TNYQReader& reader)
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
        case 1056:
            if (local == "bottomLeft") {
                FBottomLeft = attrs.GetValues(i);
                continue;
            }
            break;
        case 1171:
            if (local == "bottomRight") {
                FBottomRight = attrs.GetValues(i);
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

void TCT_BottomPageBorder::WriteAttributes(TNyqWriteXML& writer) const
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
    if (FId)
        writer.AddAttribute("r:id", *FId);
    if (FBottomLeft)
        writer.AddAttribute("r:bottomLeft", *FBottomLeft);
    if (FBottomRight)
        writer.AddAttribute("r:bottomRight", *FBottomRight);
}

void TCT_BottomPageBorder::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_BottomPageBorder::Clear()
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
    FId = {};
    FBottomLeft = {};
    FBottomRight = {};
    FAny.Clear();
}

void TCT_BottomPageBorder::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_BottomPageBorder*>(&other);
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
    FId = o->FId;
    FBottomLeft = o->FBottomLeft;
    FBottomRight = o->FBottomRight;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_BottomPageBorder::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Column

TCT_Column::TCT_Column() = default;
TCT_Column::~TCT_Column() = default;

TNYQBase* TCT_Column::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Column::AssignAttributes(TNYQReader& reader)
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

void TCT_Column::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FW)
        writer.AddAttribute("w:w", *FW);
    if (FSpace)
        writer.AddAttribute("w:space", *FSpace);
}

void TCT_Column::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Column::Clear()
{
    TNYQBase::Clear();
    FW = {};
    FSpace = {};
    FAny.Clear();
}

void TCT_Column::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Column*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FW = o->FW;
    FSpace = o->FSpace;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Column::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SectPrBase

TCT_SectPrBase::TCT_SectPrBase() = default;
TCT_SectPrBase::~TCT_SectPrBase() = default;

TCT_FtnProps& TCT_SectPrBase::Create_FootnotePr()
{
    if (!FFootnotePr) {
        FFootnotePr = std::make_unique<TCT_FtnProps>();
        FFootnotePr->SetAssigned();
    }
    SetHasChildren();
    return *FFootnotePr;
}

TCT_EdnProps& TCT_SectPrBase::Create_EndnotePr()
{
    if (!FEndnotePr) {
        FEndnotePr = std::make_unique<TCT_EdnProps>();
        FEndnotePr->SetAssigned();
    }
    SetHasChildren();
    return *FEndnotePr;
}

TCT_SectType& TCT_SectPrBase::Create_Type()
{
    if (!FType) {
        FType = std::make_unique<TCT_SectType>();
        FType->SetAssigned();
    }
    SetHasChildren();
    return *FType;
}

TCT_PageSz& TCT_SectPrBase::Create_PgSz()
{
    if (!FPgSz) {
        FPgSz = std::make_unique<TCT_PageSz>();
        FPgSz->SetAssigned();
    }
    SetHasChildren();
    return *FPgSz;
}

TCT_PageMar& TCT_SectPrBase::Create_PgMar()
{
    if (!FPgMar) {
        FPgMar = std::make_unique<TCT_PageMar>();
        FPgMar->SetAssigned();
    }
    SetHasChildren();
    return *FPgMar;
}

TCT_PaperSource& TCT_SectPrBase::Create_PaperSrc()
{
    if (!FPaperSrc) {
        FPaperSrc = std::make_unique<TCT_PaperSource>();
        FPaperSrc->SetAssigned();
    }
    SetHasChildren();
    return *FPaperSrc;
}

TCT_PageBorders& TCT_SectPrBase::Create_PgBorders()
{
    if (!FPgBorders) {
        FPgBorders = std::make_unique<TCT_PageBorders>();
        FPgBorders->SetAssigned();
    }
    SetHasChildren();
    return *FPgBorders;
}

TCT_LineNumber& TCT_SectPrBase::Create_LnNumType()
{
    if (!FLnNumType) {
        FLnNumType = std::make_unique<TCT_LineNumber>();
        FLnNumType->SetAssigned();
    }
    SetHasChildren();
    return *FLnNumType;
}

TCT_PageNumber& TCT_SectPrBase::Create_PgNumType()
{
    if (!FPgNumType) {
        FPgNumType = std::make_unique<TCT_PageNumber>();
        FPgNumType->SetAssigned();
    }
    SetHasChildren();
    return *FPgNumType;
}

TCT_Columns& TCT_SectPrBase::Create_Cols()
{
    if (!FCols) {
        FCols = std::make_unique<TCT_Columns>();
        FCols->SetAssigned();
    }
    SetHasChildren();
    return *FCols;
}

TCT_OnOff& TCT_SectPrBase::Create_FormProt()
{
    if (!FFormProt) {
        FFormProt = std::make_unique<TCT_OnOff>();
        FFormProt->SetAssigned();
    }
    SetHasChildren();
    return *FFormProt;
}

TCT_VerticalJc& TCT_SectPrBase::Create_VAlign()
{
    if (!FVAlign) {
        FVAlign = std::make_unique<TCT_VerticalJc>();
        FVAlign->SetAssigned();
    }
    SetHasChildren();
    return *FVAlign;
}

TCT_OnOff& TCT_SectPrBase::Create_NoEndnote()
{
    if (!FNoEndnote) {
        FNoEndnote = std::make_unique<TCT_OnOff>();
        FNoEndnote->SetAssigned();
    }
    SetHasChildren();
    return *FNoEndnote;
}

TCT_OnOff& TCT_SectPrBase::Create_TitlePg()
{
    if (!FTitlePg) {
        FTitlePg = std::make_unique<TCT_OnOff>();
        FTitlePg->SetAssigned();
    }
    SetHasChildren();
    return *FTitlePg;
}

TCT_TextDirection& TCT_SectPrBase::Create_TextDirection()
{
    if (!FTextDirection) {
        FTextDirection = std::make_unique<TCT_TextDirection>();
        FTextDirection->SetAssigned();
    }
    SetHasChildren();
    return *FTextDirection;
}

TCT_OnOff& TCT_SectPrBase::Create_Bidi()
{
    if (!FBidi) {
        FBidi = std::make_unique<TCT_OnOff>();
        FBidi->SetAssigned();
    }
    SetHasChildren();
    return *FBidi;
}

TCT_OnOff& TCT_SectPrBase::Create_RtlGutter()
{
    if (!FRtlGutter) {
        FRtlGutter = std::make_unique<TCT_OnOff>();
        FRtlGutter->SetAssigned();
    }
    SetHasChildren();
    return *FRtlGutter;
}

TCT_DocGrid& TCT_SectPrBase::Create_DocGrid()
{
    if (!FDocGrid) {
        FDocGrid = std::make_unique<TCT_DocGrid>();
        FDocGrid->SetAssigned();
    }
    SetHasChildren();
    return *FDocGrid;
}

TCT_Rel& TCT_SectPrBase::Create_PrinterSettings()
{
    if (!FPrinterSettings) {
        FPrinterSettings = std::make_unique<TCT_Rel>();
        FPrinterSettings->SetAssigned();
    }
    SetHasChildren();
    return *FPrinterSettings;
}

TNYQBase* TCT_SectPrBase::HandleElement(TNYQReader& reader)
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
    case 1382:
        if (local == "textDirection") {
            return &Create_TextDirection();
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

void TCT_SectPrBase::AssignAttributes(TNYQReader& reader)
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

void TCT_SectPrBase::WriteAttributes(TNyqWriteXML& writer) const
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

void TCT_SectPrBase::Write(TNyqWriteXML& writer) const
{
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
    FAny.Write(writer);
}

void TCT_SectPrBase::Clear()
{
    TNYQBase::Clear();
    FRsidRPr = {};
    FRsidDel = {};
    FRsidR = {};
    FRsidSect = {};
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
    FAny.Clear();
}

void TCT_SectPrBase::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SectPrBase*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRsidRPr = o->FRsidRPr;
    FRsidDel = o->FRsidDel;
    FRsidR = o->FRsidR;
    FRsidSect = o->FRsidSect;
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
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SectPrBase::HasElements() const
{
    return FFootnotePr != nullptr || FEndnotePr != nullptr || FType != nullptr || FPgSz != nullptr || FPgMar != nullptr || FPaperSrc != nullptr || FPgBorders != nullptr || FLnNumType != nullptr || FPgNumType != nullptr || FCols != nullptr || FFormProt != nullptr || FVAlign != nullptr || FNoEndnote != nullptr || FTitlePg != nullptr || FTextDirection != nullptr || FBidi != nullptr || FRtlGutter != nullptr || FDocGrid != nullptr || FPrinterSettings != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TrackChangeNumbering

TCT_TrackChangeNumbering::TCT_TrackChangeNumbering() = default;
TCT_TrackChangeNumbering::~TCT_TrackChangeNumbering() = default;

TNYQBase* TCT_TrackChangeNumbering::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TrackChangeNumbering::AssignAttributes(TNYQReader& reader)
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
        case 853:
            if (local == "original") {
                FOriginal = attrs.GetValues(i);
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

void TCT_TrackChangeNumbering::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
    if (FOriginal)
        writer.AddAttribute("w:original", *FOriginal);
}

void TCT_TrackChangeNumbering::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TrackChangeNumbering::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FOriginal = {};
    FAny.Clear();
}

void TCT_TrackChangeNumbering::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TrackChangeNumbering*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    FOriginal = o->FOriginal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TrackChangeNumbering::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TabStop

TCT_TabStop::TCT_TabStop() = default;
TCT_TabStop::~TCT_TabStop() = default;

TNYQBase* TCT_TabStop::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TabStop::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_TabJc(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 338:
            if (local == "pos") {
                FPos = attrs.GetValues(i);
                continue;
            }
            break;
        case 621:
            if (local == "leader") {
                if (const auto v = StrToTST_TabTlc(attrs.GetValues(i)))
                    FLeader = *v;
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

void TCT_TabStop::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_TabJcToStr(FVal));
    if (FLeader)
        writer.AddAttribute("w:leader", TST_TabTlcToStr(*FLeader));
    writer.AddAttribute("w:pos", FPos);
}

void TCT_TabStop::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TabStop::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FLeader = {};
    FPos = {};
    FAny.Clear();
}

void TCT_TabStop::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TabStop*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FLeader = o->FLeader;
    FPos = o->FPos;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TabStop::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PPrBase

TCT_PPrBase::TCT_PPrBase() = default;
TCT_PPrBase::~TCT_PPrBase() = default;

TCT_String& TCT_PPrBase::Create_PStyle()
{
    if (!FPStyle) {
        FPStyle = std::make_unique<TCT_String>();
        FPStyle->SetAssigned();
    }
    SetHasChildren();
    return *FPStyle;
}

TCT_OnOff& TCT_PPrBase::Create_KeepNext()
{
    if (!FKeepNext) {
        FKeepNext = std::make_unique<TCT_OnOff>();
        FKeepNext->SetAssigned();
    }
    SetHasChildren();
    return *FKeepNext;
}

TCT_OnOff& TCT_PPrBase::Create_KeepLines()
{
    if (!FKeepLines) {
        FKeepLines = std::make_unique<TCT_OnOff>();
        FKeepLines->SetAssigned();
    }
    SetHasChildren();
    return *FKeepLines;
}

TCT_OnOff& TCT_PPrBase::Create_PageBreakBefore()
{
    if (!FPageBreakBefore) {
        FPageBreakBefore = std::make_unique<TCT_OnOff>();
        FPageBreakBefore->SetAssigned();
    }
    SetHasChildren();
    return *FPageBreakBefore;
}

TCT_FramePr& TCT_PPrBase::Create_FramePr()
{
    if (!FFramePr) {
        FFramePr = std::make_unique<TCT_FramePr>();
        FFramePr->SetAssigned();
    }
    SetHasChildren();
    return *FFramePr;
}

TCT_OnOff& TCT_PPrBase::Create_WidowControl()
{
    if (!FWidowControl) {
        FWidowControl = std::make_unique<TCT_OnOff>();
        FWidowControl->SetAssigned();
    }
    SetHasChildren();
    return *FWidowControl;
}

TCT_NumPr& TCT_PPrBase::Create_NumPr()
{
    if (!FNumPr) {
        FNumPr = std::make_unique<TCT_NumPr>();
        FNumPr->SetAssigned();
    }
    SetHasChildren();
    return *FNumPr;
}

TCT_OnOff& TCT_PPrBase::Create_SuppressLineNumbers()
{
    if (!FSuppressLineNumbers) {
        FSuppressLineNumbers = std::make_unique<TCT_OnOff>();
        FSuppressLineNumbers->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressLineNumbers;
}

TCT_PBdr& TCT_PPrBase::Create_PBdr()
{
    if (!FPBdr) {
        FPBdr = std::make_unique<TCT_PBdr>();
        FPBdr->SetAssigned();
    }
    SetHasChildren();
    return *FPBdr;
}

TCT_Shd& TCT_PPrBase::Create_Shd()
{
    if (!FShd) {
        FShd = std::make_unique<TCT_Shd>();
        FShd->SetAssigned();
    }
    SetHasChildren();
    return *FShd;
}

TCT_Tabs& TCT_PPrBase::Create_Tabs()
{
    if (!FTabs) {
        FTabs = std::make_unique<TCT_Tabs>();
        FTabs->SetAssigned();
    }
    SetHasChildren();
    return *FTabs;
}

TCT_OnOff& TCT_PPrBase::Create_SuppressAutoHyphens()
{
    if (!FSuppressAutoHyphens) {
        FSuppressAutoHyphens = std::make_unique<TCT_OnOff>();
        FSuppressAutoHyphens->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressAutoHyphens;
}

TCT_OnOff& TCT_PPrBase::Create_Kinsoku()
{
    if (!FKinsoku) {
        FKinsoku = std::make_unique<TCT_OnOff>();
        FKinsoku->SetAssigned();
    }
    SetHasChildren();
    return *FKinsoku;
}

TCT_OnOff& TCT_PPrBase::Create_WordWrap()
{
    if (!FWordWrap) {
        FWordWrap = std::make_unique<TCT_OnOff>();
        FWordWrap->SetAssigned();
    }
    SetHasChildren();
    return *FWordWrap;
}

TCT_OnOff& TCT_PPrBase::Create_OverflowPunct()
{
    if (!FOverflowPunct) {
        FOverflowPunct = std::make_unique<TCT_OnOff>();
        FOverflowPunct->SetAssigned();
    }
    SetHasChildren();
    return *FOverflowPunct;
}

TCT_OnOff& TCT_PPrBase::Create_TopLinePunct()
{
    if (!FTopLinePunct) {
        FTopLinePunct = std::make_unique<TCT_OnOff>();
        FTopLinePunct->SetAssigned();
    }
    SetHasChildren();
    return *FTopLinePunct;
}

TCT_OnOff& TCT_PPrBase::Create_AutoSpaceDE()
{
    if (!FAutoSpaceDE) {
        FAutoSpaceDE = std::make_unique<TCT_OnOff>();
        FAutoSpaceDE->SetAssigned();
    }
    SetHasChildren();
    return *FAutoSpaceDE;
}

TCT_OnOff& TCT_PPrBase::Create_AutoSpaceDN()
{
    if (!FAutoSpaceDN) {
        FAutoSpaceDN = std::make_unique<TCT_OnOff>();
        FAutoSpaceDN->SetAssigned();
    }
    SetHasChildren();
    return *FAutoSpaceDN;
}

TCT_OnOff& TCT_PPrBase::Create_Bidi()
{
    if (!FBidi) {
        FBidi = std::make_unique<TCT_OnOff>();
        FBidi->SetAssigned();
    }
    SetHasChildren();
    return *FBidi;
}

TCT_OnOff& TCT_PPrBase::Create_AdjustRightInd()
{
    if (!FAdjustRightInd) {
        FAdjustRightInd = std::make_unique<TCT_OnOff>();
        FAdjustRightInd->SetAssigned();
    }
    SetHasChildren();
    return *FAdjustRightInd;
}

TCT_OnOff& TCT_PPrBase::Create_SnapToGrid()
{
    if (!FSnapToGrid) {
        FSnapToGrid = std::make_unique<TCT_OnOff>();
        FSnapToGrid->SetAssigned();
    }
    SetHasChildren();
    return *FSnapToGrid;
}

TCT_Spacing& TCT_PPrBase::Create_Spacing()
{
    if (!FSpacing) {
        FSpacing = std::make_unique<TCT_Spacing>();
        FSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FSpacing;
}

TCT_Ind& TCT_PPrBase::Create_Ind()
{
    if (!FInd) {
        FInd = std::make_unique<TCT_Ind>();
        FInd->SetAssigned();
    }
    SetHasChildren();
    return *FInd;
}

TCT_OnOff& TCT_PPrBase::Create_ContextualSpacing()
{
    if (!FContextualSpacing) {
        FContextualSpacing = std::make_unique<TCT_OnOff>();
        FContextualSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FContextualSpacing;
}

TCT_OnOff& TCT_PPrBase::Create_MirrorIndents()
{
    if (!FMirrorIndents) {
        FMirrorIndents = std::make_unique<TCT_OnOff>();
        FMirrorIndents->SetAssigned();
    }
    SetHasChildren();
    return *FMirrorIndents;
}

TCT_OnOff& TCT_PPrBase::Create_SuppressOverlap()
{
    if (!FSuppressOverlap) {
        FSuppressOverlap = std::make_unique<TCT_OnOff>();
        FSuppressOverlap->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressOverlap;
}

TCT_Jc& TCT_PPrBase::Create_Jc()
{
    if (!FJc) {
        FJc = std::make_unique<TCT_Jc>();
        FJc->SetAssigned();
    }
    SetHasChildren();
    return *FJc;
}

TCT_TextDirection& TCT_PPrBase::Create_TextDirection()
{
    if (!FTextDirection) {
        FTextDirection = std::make_unique<TCT_TextDirection>();
        FTextDirection->SetAssigned();
    }
    SetHasChildren();
    return *FTextDirection;
}

TCT_TextAlignment& TCT_PPrBase::Create_TextAlignment()
{
    if (!FTextAlignment) {
        FTextAlignment = std::make_unique<TCT_TextAlignment>();
        FTextAlignment->SetAssigned();
    }
    SetHasChildren();
    return *FTextAlignment;
}

TCT_TextboxTightWrap& TCT_PPrBase::Create_TextboxTightWrap()
{
    if (!FTextboxTightWrap) {
        FTextboxTightWrap = std::make_unique<TCT_TextboxTightWrap>();
        FTextboxTightWrap->SetAssigned();
    }
    SetHasChildren();
    return *FTextboxTightWrap;
}

TCT_DecimalNumber& TCT_PPrBase::Create_OutlineLvl()
{
    if (!FOutlineLvl) {
        FOutlineLvl = std::make_unique<TCT_DecimalNumber>();
        FOutlineLvl->SetAssigned();
    }
    SetHasChildren();
    return *FOutlineLvl;
}

TCT_DecimalNumber& TCT_PPrBase::Create_DivId()
{
    if (!FDivId) {
        FDivId = std::make_unique<TCT_DecimalNumber>();
        FDivId->SetAssigned();
    }
    SetHasChildren();
    return *FDivId;
}

TCT_Cnf& TCT_PPrBase::Create_CnfStyle()
{
    if (!FCnfStyle) {
        FCnfStyle = std::make_unique<TCT_Cnf>();
        FCnfStyle->SetAssigned();
    }
    SetHasChildren();
    return *FCnfStyle;
}

TNYQBase* TCT_PPrBase::HandleElement(TNYQReader& reader)
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

void TCT_PPrBase::Write(TNyqWriteXML& writer) const
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
    FAny.Write(writer);
}

void TCT_PPrBase::Clear()
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
    FAny.Clear();
}

void TCT_PPrBase::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PPrBase*>(&other);
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
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PPrBase::HasElements() const
{
    return FPStyle != nullptr || FKeepNext != nullptr || FKeepLines != nullptr || FPageBreakBefore != nullptr || FFramePr != nullptr || FWidowControl != nullptr || FNumPr != nullptr || FSuppressLineNumbers != nullptr || FPBdr != nullptr || FShd != nullptr || FTabs != nullptr || FSuppressAutoHyphens != nullptr || FKinsoku != nullptr || FWordWrap != nullptr || FOverflowPunct != nullptr || FTopLinePunct != nullptr || FAutoSpaceDE != nullptr || FAutoSpaceDN != nullptr || FBidi != nullptr || FAdjustRightInd != nullptr || FSnapToGrid != nullptr || FSpacing != nullptr || FInd != nullptr || FContextualSpacing != nullptr || FMirrorIndents != nullptr || FSuppressOverlap != nullptr || FJc != nullptr || FTextDirection != nullptr || FTextAlignment != nullptr || FTextboxTightWrap != nullptr || FOutlineLvl != nullptr || FDivId != nullptr || FCnfStyle != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RPrOriginal

namespace {
constexpr std::string_view cTCT_RPrOriginalFEG_RPrBaseListNames[] = {"w:rStyle", "w:rFonts", "w:b", "w:bCs", "w:i", "w:iCs", "w:caps", "w:smallCaps", "w:strike", "w:dstrike", "w:outline", "w:shadow", "w:emboss", "w:imprint", "w:noProof", "w:snapToGrid", "w:vanish", "w:webHidden", "w:color", "w:spacing", "w:w", "w:kern", "w:position", "w:sz", "w:szCs", "w:highlight", "w:u", "w:effect", "w:bdr", "w:shd", "w:fitText", "w:vertAlign", "w:rtl", "w:cs", "w:em", "w:lang", "w:eastAsianLayout", "w:specVanish", "w:oMath"};
}  // namespace

TCT_RPrOriginal::TCT_RPrOriginal() = default;
TCT_RPrOriginal::~TCT_RPrOriginal() = default;

TNYQBase* TCT_RPrOriginal::HandleElement(TNYQReader& reader)
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

void TCT_RPrOriginal::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_RPrBaseList.GetItems())
        NyqWriteChild(writer, cTCT_RPrOriginalFEG_RPrBaseListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_RPrOriginal::Clear()
{
    TNYQBase::Clear();
    FEG_RPrBaseList.Clear();
    FAny.Clear();
}

void TCT_RPrOriginal::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RPrOriginal*>(&other);
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
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RPrOriginal::HasElements() const
{
    return FEG_RPrBaseList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TrPrBase

namespace {
constexpr std::string_view cTCT_TrPrBaseFChoice1ListNames[] = {"w:cnfStyle", "w:divId", "w:gridBefore", "w:gridAfter", "w:wBefore", "w:wAfter", "w:cantSplit", "w:trHeight", "w:tblHeader", "w:tblCellSpacing", "w:jc", "w:hidden"};
}  // namespace

TCT_TrPrBase::TCT_TrPrBase() = default;
TCT_TrPrBase::~TCT_TrPrBase() = default;

TNYQBase* TCT_TrPrBase::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 205:
        if (local == "jc") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_JcTable>(10);
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

void TCT_TrPrBase::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_TrPrBaseFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_TrPrBase::Clear()
{
    TNYQBase::Clear();
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_TrPrBase::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TrPrBase*>(&other);
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
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TrPrBase::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TcPrInner

TCT_TcPrInner::TCT_TcPrInner() = default;
TCT_TcPrInner::~TCT_TcPrInner() = default;

TCT_Cnf& TCT_TcPrInner::Create_CnfStyle()
{
    if (!FCnfStyle) {
        FCnfStyle = std::make_unique<TCT_Cnf>();
        FCnfStyle->SetAssigned();
    }
    SetHasChildren();
    return *FCnfStyle;
}

TCT_TblWidth& TCT_TcPrInner::Create_TcW()
{
    if (!FTcW) {
        FTcW = std::make_unique<TCT_TblWidth>();
        FTcW->SetAssigned();
    }
    SetHasChildren();
    return *FTcW;
}

TCT_DecimalNumber& TCT_TcPrInner::Create_GridSpan()
{
    if (!FGridSpan) {
        FGridSpan = std::make_unique<TCT_DecimalNumber>();
        FGridSpan->SetAssigned();
    }
    SetHasChildren();
    return *FGridSpan;
}

TCT_HMerge& TCT_TcPrInner::Create_HMerge()
{
    if (!FHMerge) {
        FHMerge = std::make_unique<TCT_HMerge>();
        FHMerge->SetAssigned();
    }
    SetHasChildren();
    return *FHMerge;
}

TCT_VMerge& TCT_TcPrInner::Create_VMerge()
{
    if (!FVMerge) {
        FVMerge = std::make_unique<TCT_VMerge>();
        FVMerge->SetAssigned();
    }
    SetHasChildren();
    return *FVMerge;
}

TCT_TcBorders& TCT_TcPrInner::Create_TcBorders()
{
    if (!FTcBorders) {
        FTcBorders = std::make_unique<TCT_TcBorders>();
        FTcBorders->SetAssigned();
    }
    SetHasChildren();
    return *FTcBorders;
}

TCT_Shd& TCT_TcPrInner::Create_Shd()
{
    if (!FShd) {
        FShd = std::make_unique<TCT_Shd>();
        FShd->SetAssigned();
    }
    SetHasChildren();
    return *FShd;
}

TCT_OnOff& TCT_TcPrInner::Create_NoWrap()
{
    if (!FNoWrap) {
        FNoWrap = std::make_unique<TCT_OnOff>();
        FNoWrap->SetAssigned();
    }
    SetHasChildren();
    return *FNoWrap;
}

TCT_TcMar& TCT_TcPrInner::Create_TcMar()
{
    if (!FTcMar) {
        FTcMar = std::make_unique<TCT_TcMar>();
        FTcMar->SetAssigned();
    }
    SetHasChildren();
    return *FTcMar;
}

TCT_TextDirection& TCT_TcPrInner::Create_TextDirection()
{
    if (!FTextDirection) {
        FTextDirection = std::make_unique<TCT_TextDirection>();
        FTextDirection->SetAssigned();
    }
    SetHasChildren();
    return *FTextDirection;
}

TCT_OnOff& TCT_TcPrInner::Create_TcFitText()
{
    if (!FTcFitText) {
        FTcFitText = std::make_unique<TCT_OnOff>();
        FTcFitText->SetAssigned();
    }
    SetHasChildren();
    return *FTcFitText;
}

TCT_VerticalJc& TCT_TcPrInner::Create_VAlign()
{
    if (!FVAlign) {
        FVAlign = std::make_unique<TCT_VerticalJc>();
        FVAlign->SetAssigned();
    }
    SetHasChildren();
    return *FVAlign;
}

TCT_OnOff& TCT_TcPrInner::Create_HideMark()
{
    if (!FHideMark) {
        FHideMark = std::make_unique<TCT_OnOff>();
        FHideMark->SetAssigned();
    }
    SetHasChildren();
    return *FHideMark;
}

TCT_Headers& TCT_TcPrInner::Create_Headers()
{
    if (!FHeaders) {
        FHeaders = std::make_unique<TCT_Headers>();
        FHeaders->SetAssigned();
    }
    SetHasChildren();
    return *FHeaders;
}

TCT_TrackChange& TCT_TcPrInner::Create_CellIns()
{
    if (!FCellIns) {
        FCellIns = std::make_unique<TCT_TrackChange>();
        FCellIns->SetAssigned();
    }
    SetHasChildren();
    return *FCellIns;
}

TCT_TrackChange& TCT_TcPrInner::Create_CellDel()
{
    if (!FCellDel) {
        FCellDel = std::make_unique<TCT_TrackChange>();
        FCellDel->SetAssigned();
    }
    SetHasChildren();
    return *FCellDel;
}

TCT_CellMergeTrackChange& TCT_TcPrInner::Create_CellMerge()
{
    if (!FCellMerge) {
        FCellMerge = std::make_unique<TCT_CellMergeTrackChange>();
        FCellMerge->SetAssigned();
    }
    SetHasChildren();
    return *FCellMerge;
}

TNYQBase* TCT_TcPrInner::HandleElement(TNYQReader& reader)
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

void TCT_TcPrInner::Write(TNyqWriteXML& writer) const
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
    FAny.Write(writer);
}

void TCT_TcPrInner::Clear()
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
    FAny.Clear();
}

void TCT_TcPrInner::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TcPrInner*>(&other);
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
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TcPrInner::HasElements() const
{
    return FCnfStyle != nullptr || FTcW != nullptr || FGridSpan != nullptr || FHMerge != nullptr || FVMerge != nullptr || FTcBorders != nullptr || FShd != nullptr || FNoWrap != nullptr || FTcMar != nullptr || FTextDirection != nullptr || FTcFitText != nullptr || FVAlign != nullptr || FHideMark != nullptr || FHeaders != nullptr || FCellIns != nullptr || FCellDel != nullptr || FCellMerge != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MailMergeOdsoFMDFieldType

TCT_MailMergeOdsoFMDFieldType::TCT_MailMergeOdsoFMDFieldType() = default;
TCT_MailMergeOdsoFMDFieldType::~TCT_MailMergeOdsoFMDFieldType() = default;

TNYQBase* TCT_MailMergeOdsoFMDFieldType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MailMergeOdsoFMDFieldType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_MailMergeOdsoFMDFieldType(attrs.GetValues(i)))
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

void TCT_MailMergeOdsoFMDFieldType::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_MailMergeOdsoFMDFieldTypeToStr(FVal));
}

void TCT_MailMergeOdsoFMDFieldType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_MailMergeOdsoFMDFieldType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_MailMergeOdsoFMDFieldType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MailMergeOdsoFMDFieldType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MailMergeOdsoFMDFieldType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Lang

TCT_Lang::TCT_Lang() = default;
TCT_Lang::~TCT_Lang() = default;

TNYQBase* TCT_Lang::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Lang::AssignAttributes(TNYQReader& reader)
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

void TCT_Lang::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_Lang::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Lang::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_Lang::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Lang*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Lang::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtListItem

TCT_SdtListItem::TCT_SdtListItem() = default;
TCT_SdtListItem::~TCT_SdtListItem() = default;

TNYQBase* TCT_SdtListItem::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtListItem::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 541:
            if (local == "value") {
                FValue = attrs.GetValues(i);
                continue;
            }
            break;
        case 1179:
            if (local == "displayText") {
                FDisplayText = attrs.GetValues(i);
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

void TCT_SdtListItem::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDisplayText)
        writer.AddAttribute("w:displayText", *FDisplayText);
    if (FValue)
        writer.AddAttribute("w:value", *FValue);
}

void TCT_SdtListItem::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SdtListItem::Clear()
{
    TNYQBase::Clear();
    FDisplayText = {};
    FValue = {};
    FAny.Clear();
}

void TCT_SdtListItem::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtListItem*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDisplayText = o->FDisplayText;
    FValue = o->FValue;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtListItem::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtDateMappingType

TCT_SdtDateMappingType::TCT_SdtDateMappingType() = default;
TCT_SdtDateMappingType::~TCT_SdtDateMappingType() = default;

TNYQBase* TCT_SdtDateMappingType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtDateMappingType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_SdtDateMappingType(attrs.GetValues(i)))
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

void TCT_SdtDateMappingType::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_SdtDateMappingTypeToStr(*FVal));
}

void TCT_SdtDateMappingType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SdtDateMappingType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_SdtDateMappingType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtDateMappingType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtDateMappingType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CalendarType

TCT_CalendarType::TCT_CalendarType() = default;
TCT_CalendarType::~TCT_CalendarType() = default;

TNYQBase* TCT_CalendarType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CalendarType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_CalendarType(attrs.GetValues(i)))
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

void TCT_CalendarType::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_CalendarTypeToStr(*FVal));
}

void TCT_CalendarType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_CalendarType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_CalendarType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CalendarType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CalendarType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ParaRPrChange

TCT_ParaRPrChange::TCT_ParaRPrChange() = default;
TCT_ParaRPrChange::~TCT_ParaRPrChange() = default;

TCT_ParaRPrOriginal& TCT_ParaRPrChange::Create_RPr()
{
    if (!FRPr) {
        FRPr = std::make_unique<TCT_ParaRPrOriginal>();
        FRPr->SetAssigned();
    }
    SetHasChildren();
    return *FRPr;
}

TNYQBase* TCT_ParaRPrChange::HandleElement(TNYQReader& reader)
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

void TCT_ParaRPrChange::AssignAttributes(TNYQReader& reader)
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

void TCT_ParaRPrChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_ParaRPrChange::Write(TNyqWriteXML& writer) const
{
    if (FRPr && FRPr->Available())
        NyqWriteChild(writer, "w:rPr", *FRPr);
    FAny.Write(writer);
}

void TCT_ParaRPrChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FRPr.reset();
    FAny.Clear();
}

void TCT_ParaRPrChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ParaRPrChange*>(&other);
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

bool TCT_ParaRPrChange::HasElements() const
{
    return FRPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ObjectLink

TCT_ObjectLink::TCT_ObjectLink() = default;
TCT_ObjectLink::~TCT_ObjectLink() = default;

TNYQBase* TCT_ObjectLink::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ObjectLink::AssignAttributes(TNYQReader& reader)
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
        case 613:
            if (local == "progId") {
                FProgId = attrs.GetValues(i);
                continue;
            }
            break;
        case 702:
            if (local == "shapeId") {
                FShapeId = attrs.GetValues(i);
                continue;
            }
            break;
        case 1010:
            if (local == "fieldCodes") {
                FFieldCodes = attrs.GetValues(i);
                continue;
            }
            break;
        case 1032:
            if (local == "updateMode") {
                if (const auto v = StrToTST_ObjectUpdateMode(attrs.GetValues(i)))
                    FUpdateMode = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1038:
            if (local == "drawAspect") {
                if (const auto v = StrToTST_ObjectDrawAspect(attrs.GetValues(i)))
                    FDrawAspect = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1110:
            if (local == "lockedField") {
                FLockedField = attrs.GetValues(i);
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

void TCT_ObjectLink::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDrawAspect)
        writer.AddAttribute("w:drawAspect", TST_ObjectDrawAspectToStr(*FDrawAspect));
    writer.AddAttribute("r:id", FId);
    if (FProgId)
        writer.AddAttribute("w:progId", *FProgId);
    if (FShapeId)
        writer.AddAttribute("w:shapeId", *FShapeId);
    if (FFieldCodes)
        writer.AddAttribute("w:fieldCodes", *FFieldCodes);
    writer.AddAttribute("w:updateMode", TST_ObjectUpdateModeToStr(FUpdateMode));
    if (FLockedField)
        writer.AddAttribute("w:lockedField", *FLockedField);
}

void TCT_ObjectLink::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ObjectLink::Clear()
{
    TNYQBase::Clear();
    FDrawAspect = {};
    FId = {};
    FProgId = {};
    FShapeId = {};
    FFieldCodes = {};
    FUpdateMode = {};
    FLockedField = {};
    FAny.Clear();
}

void TCT_ObjectLink::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ObjectLink*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDrawAspect = o->FDrawAspect;
    FId = o->FId;
    FProgId = o->FProgId;
    FShapeId = o->FShapeId;
    FFieldCodes = o->FFieldCodes;
    FUpdateMode = o->FUpdateMode;
    FLockedField = o->FLockedField;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ObjectLink::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ObjectEmbed

TCT_ObjectEmbed::TCT_ObjectEmbed() = default;
TCT_ObjectEmbed::~TCT_ObjectEmbed() = default;

TNYQBase* TCT_ObjectEmbed::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ObjectEmbed::AssignAttributes(TNYQReader& reader)
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
        case 613:
            if (local == "progId") {
                FProgId = attrs.GetValues(i);
                continue;
            }
            break;
        case 702:
            if (local == "shapeId") {
                FShapeId = attrs.GetValues(i);
                continue;
            }
            break;
        case 1010:
            if (local == "fieldCodes") {
                FFieldCodes = attrs.GetValues(i);
                continue;
            }
            break;
        case 1038:
            if (local == "drawAspect") {
                if (const auto v = StrToTST_ObjectDrawAspect(attrs.GetValues(i)))
                    FDrawAspect = *v;
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

void TCT_ObjectEmbed::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDrawAspect)
        writer.AddAttribute("w:drawAspect", TST_ObjectDrawAspectToStr(*FDrawAspect));
    writer.AddAttribute("r:id", FId);
    if (FProgId)
        writer.AddAttribute("w:progId", *FProgId);
    if (FShapeId)
        writer.AddAttribute("w:shapeId", *FShapeId);
    if (FFieldCodes)
        writer.AddAttribute("w:fieldCodes", *FFieldCodes);
}

void TCT_ObjectEmbed::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ObjectEmbed::Clear()
{
    TNYQBase::Clear();
    FDrawAspect = {};
    FId = {};
    FProgId = {};
    FShapeId = {};
    FFieldCodes = {};
    FAny.Clear();
}

void TCT_ObjectEmbed::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ObjectEmbed*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDrawAspect = o->FDrawAspect;
    FId = o->FId;
    FProgId = o->FProgId;
    FShapeId = o->FShapeId;
    FFieldCodes = o->FFieldCodes;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ObjectEmbed::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FFData

namespace {
constexpr std::string_view cTCT_FFDataFChoice1ListNames[] = {"w:name", "w:label", "w:tabIndex", "w:enabled", "w:calcOnExit", "w:entryMacro", "w:exitMacro", "w:helpText", "w:statusText", "w:checkBox", "w:ddList", "w:textInput"};
}  // namespace

TCT_FFData::TCT_FFData() = default;
TCT_FFData::~TCT_FFData() = default;

TNYQBase* TCT_FFData::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 417:
        if (local == "name") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_FFName>(0);
        }
        break;
    case 512:
        if (local == "label") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_DecimalNumber>(1);
        }
        break;
    case 612:
        if (local == "ddList") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_FFDDList>(10);
        }
        break;
    case 715:
        if (local == "enabled") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_OnOff>(3);
        }
        break;
    case 807:
        if (local == "checkBox") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_FFCheckBox>(9);
        }
        break;
    case 815:
        if (local == "tabIndex") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_UnsignedDecimalNumber>(2);
        }
        break;
    case 846:
        if (local == "helpText") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_FFHelpText>(7);
        }
        break;
    case 940:
        if (local == "exitMacro") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_MacroName>(6);
        }
        break;
    case 981:
        if (local == "textInput") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_FFTextInput>(11);
        }
        break;
    case 1002:
        if (local == "calcOnExit") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_OnOff>(4);
        }
        break;
    case 1060:
        if (local == "entryMacro") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_MacroName>(5);
        }
        break;
    case 1097:
        if (local == "statusText") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_FFStatusText>(8);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FFData::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_FFDataFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_FFData::Clear()
{
    TNYQBase::Clear();
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_FFData::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FFData*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_FFName>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_DecimalNumber>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_UnsignedDecimalNumber>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_OnOff>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_OnOff>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_MacroName>(5).Assign(*item.Object);
            break;
        case 6:
            FChoice1List.Add<TCT_MacroName>(6).Assign(*item.Object);
            break;
        case 7:
            FChoice1List.Add<TCT_FFHelpText>(7).Assign(*item.Object);
            break;
        case 8:
            FChoice1List.Add<TCT_FFStatusText>(8).Assign(*item.Object);
            break;
        case 9:
            FChoice1List.Add<TCT_FFCheckBox>(9).Assign(*item.Object);
            break;
        case 10:
            FChoice1List.Add<TCT_FFDDList>(10).Assign(*item.Object);
            break;
        case 11:
            FChoice1List.Add<TCT_FFTextInput>(11).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FFData::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RubyPr

TCT_RubyPr::TCT_RubyPr() = default;
TCT_RubyPr::~TCT_RubyPr() = default;

TCT_RubyAlign& TCT_RubyPr::Create_RubyAlign()
{
    if (!FRubyAlign) {
        FRubyAlign = std::make_unique<TCT_RubyAlign>();
        FRubyAlign->SetAssigned();
    }
    SetHasChildren();
    return *FRubyAlign;
}

TCT_HpsMeasure& TCT_RubyPr::Create_Hps()
{
    if (!FHps) {
        FHps = std::make_unique<TCT_HpsMeasure>();
        FHps->SetAssigned();
    }
    SetHasChildren();
    return *FHps;
}

TCT_HpsMeasure& TCT_RubyPr::Create_HpsRaise()
{
    if (!FHpsRaise) {
        FHpsRaise = std::make_unique<TCT_HpsMeasure>();
        FHpsRaise->SetAssigned();
    }
    SetHasChildren();
    return *FHpsRaise;
}

TCT_HpsMeasure& TCT_RubyPr::Create_HpsBaseText()
{
    if (!FHpsBaseText) {
        FHpsBaseText = std::make_unique<TCT_HpsMeasure>();
        FHpsBaseText->SetAssigned();
    }
    SetHasChildren();
    return *FHpsBaseText;
}

TCT_Lang& TCT_RubyPr::Create_Lid()
{
    if (!FLid) {
        FLid = std::make_unique<TCT_Lang>();
        FLid->SetAssigned();
    }
    SetHasChildren();
    return *FLid;
}

TCT_OnOff& TCT_RubyPr::Create_Dirty()
{
    if (!FDirty) {
        FDirty = std::make_unique<TCT_OnOff>();
        FDirty->SetAssigned();
    }
    SetHasChildren();
    return *FDirty;
}

TNYQBase* TCT_RubyPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 313:
        if (local == "lid") {
            return &Create_Lid();
        }
        break;
    case 331:
        if (local == "hps") {
            return &Create_Hps();
        }
        break;
    case 556:
        if (local == "dirty") {
            return &Create_Dirty();
        }
        break;
    case 831:
        if (local == "hpsRaise") {
            return &Create_HpsRaise();
        }
        break;
    case 941:
        if (local == "rubyAlign") {
            return &Create_RubyAlign();
        }
        break;
    case 1131:
        if (local == "hpsBaseText") {
            return &Create_HpsBaseText();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RubyPr::Write(TNyqWriteXML& writer) const
{
    if (FRubyAlign && FRubyAlign->Available())
        NyqWriteChild(writer, "w:rubyAlign", *FRubyAlign);
    if (FHps && FHps->Available())
        NyqWriteChild(writer, "w:hps", *FHps);
    if (FHpsRaise && FHpsRaise->Available())
        NyqWriteChild(writer, "w:hpsRaise", *FHpsRaise);
    if (FHpsBaseText && FHpsBaseText->Available())
        NyqWriteChild(writer, "w:hpsBaseText", *FHpsBaseText);
    if (FLid && FLid->Available())
        NyqWriteChild(writer, "w:lid", *FLid);
    if (FDirty && FDirty->Available())
        NyqWriteChild(writer, "w:dirty", *FDirty);
    FAny.Write(writer);
}

void TCT_RubyPr::Clear()
{
    TNYQBase::Clear();
    FRubyAlign.reset();
    FHps.reset();
    FHpsRaise.reset();
    FHpsBaseText.reset();
    FLid.reset();
    FDirty.reset();
    FAny.Clear();
}

void TCT_RubyPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RubyPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FRubyAlign)
        Create_RubyAlign().Assign(*o->FRubyAlign);
    if (o->FHps)
        Create_Hps().Assign(*o->FHps);
    if (o->FHpsRaise)
        Create_HpsRaise().Assign(*o->FHpsRaise);
    if (o->FHpsBaseText)
        Create_HpsBaseText().Assign(*o->FHpsBaseText);
    if (o->FLid)
        Create_Lid().Assign(*o->FLid);
    if (o->FDirty)
        Create_Dirty().Assign(*o->FDirty);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RubyPr::HasElements() const
{
    return FRubyAlign != nullptr || FHps != nullptr || FHpsRaise != nullptr || FHpsBaseText != nullptr || FLid != nullptr || FDirty != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RubyContent

namespace {
constexpr std::string_view cTCT_RubyContentFEG_RubyContentListNames[] = {"w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_RubyContent::TCT_RubyContent() = default;
TCT_RubyContent::~TCT_RubyContent() = default;

TNYQBase* TCT_RubyContent::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_R>(0);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_RunTrackChange>(21);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_RunTrackChange>(20);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TNYQAnyElement>(25);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_Perm>(3);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_RunTrackChange>(22);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_ProofErr>(1);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TNYQAnyElement>(24);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_PermStart>(2);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_MarkupRange>(5);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_Bookmark>(4);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_MarkupRange>(9);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_MarkupRange>(11);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_MarkupRange>(7);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_MoveBookmark>(8);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_MoveBookmark>(6);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_Markup>(15);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_Markup>(13);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_TrackChange>(14);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_TrackChange>(12);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_Markup>(19);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_Markup>(17);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_TrackChange>(18);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_RubyContentList.Add<TCT_TrackChange>(16);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RubyContent::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_RubyContentList.GetItems())
        NyqWriteChild(writer, cTCT_RubyContentFEG_RubyContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_RubyContent::Clear()
{
    TNYQBase::Clear();
    FEG_RubyContentList.Clear();
    FAny.Clear();
}

void TCT_RubyContent::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RubyContent*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FEG_RubyContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_RubyContentList.Add<TCT_R>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_RubyContentList.Add<TCT_ProofErr>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_RubyContentList.Add<TCT_PermStart>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_RubyContentList.Add<TCT_Perm>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_RubyContentList.Add<TCT_Bookmark>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_RubyContentList.Add<TCT_MarkupRange>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_RubyContentList.Add<TCT_MoveBookmark>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_RubyContentList.Add<TCT_MarkupRange>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_RubyContentList.Add<TCT_MoveBookmark>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_RubyContentList.Add<TCT_MarkupRange>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_RubyContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_RubyContentList.Add<TCT_MarkupRange>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_RubyContentList.Add<TCT_TrackChange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_RubyContentList.Add<TCT_Markup>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_RubyContentList.Add<TCT_TrackChange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_RubyContentList.Add<TCT_Markup>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_RubyContentList.Add<TCT_TrackChange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_RubyContentList.Add<TCT_Markup>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_RubyContentList.Add<TCT_TrackChange>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_RubyContentList.Add<TCT_Markup>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_RubyContentList.Add<TCT_RunTrackChange>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_RubyContentList.Add<TCT_RunTrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_RubyContentList.Add<TCT_RunTrackChange>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_RubyContentList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_RubyContentList.Add<TNYQAnyElement>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_RubyContentList.Add<TNYQAnyElement>(25).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RubyContent::HasElements() const
{
    return FEG_RubyContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblGridBase

TCT_TblGridBase::TCT_TblGridBase() = default;
TCT_TblGridBase::~TCT_TblGridBase() = default;

TNYQBase* TCT_TblGridBase::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 708:
        if (local == "gridCol") {
            SetHasChildren();
            return &FGridColList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblGridBase::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FGridColList.GetItems())
        NyqWriteChild(writer, "w:gridCol", *item);
    FAny.Write(writer);
}

void TCT_TblGridBase::Clear()
{
    TNYQBase::Clear();
    FGridColList.Clear();
    FAny.Clear();
}

void TCT_TblGridBase::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblGridBase*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FGridColList.GetItems())
        FGridColList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblGridBase::HasElements() const
{
    return FGridColList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblPrExChange

TCT_TblPrExChange::TCT_TblPrExChange() = default;
TCT_TblPrExChange::~TCT_TblPrExChange() = default;

TCT_TblPrExBase& TCT_TblPrExChange::Create_TblPrEx()
{
    if (!FTblPrEx) {
        FTblPrEx = std::make_unique<TCT_TblPrExBase>();
        FTblPrEx->SetAssigned();
    }
    SetHasChildren();
    return *FTblPrEx;
}

TNYQBase* TCT_TblPrExChange::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 705:
        if (local == "tblPrEx") {
            return &Create_TblPrEx();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblPrExChange::AssignAttributes(TNYQReader& reader)
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

void TCT_TblPrExChange::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
    writer.AddAttribute("w:author", FAuthor);
    if (FDate)
        writer.AddAttribute("w:date", XmlDateTimeToStr(*FDate));
}

void TCT_TblPrExChange::Write(TNyqWriteXML& writer) const
{
    if (FTblPrEx && FTblPrEx->Available())
        NyqWriteChild(writer, "w:tblPrEx", *FTblPrEx);
    FAny.Write(writer);
}

void TCT_TblPrExChange::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAuthor = {};
    FDate = {};
    FTblPrEx.reset();
    FAny.Clear();
}

void TCT_TblPrExChange::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblPrExChange*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAuthor = o->FAuthor;
    FDate = o->FDate;
    if (o->FTblPrEx)
        Create_TblPrEx().Assign(*o->FTblPrEx);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblPrExChange::HasElements() const
{
    return FTblPrEx != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtContentCell

namespace {
constexpr std::string_view cTCT_SdtContentCellFEG_ContentCellContentListNames[] = {"w:tc", "w:customXml", "w:sdt", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_SdtContentCell::TCT_SdtContentCell() = default;
TCT_SdtContentCell::~TCT_SdtContentCell() = default;

TNYQBase* TCT_SdtContentCell::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 215:
        if (local == "tc") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Tc>(0);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(22);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_SdtCell>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TNYQAnyElement>(27);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Perm>(5);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_ProofErr>(3);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TNYQAnyElement>(26);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_PermStart>(4);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_CustomXmlCell>(1);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(7);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Bookmark>(6);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(11);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(9);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MoveBookmark>(10);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MoveBookmark>(8);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(17);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(15);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(16);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(14);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(21);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(19);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(20);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(18);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtContentCell::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ContentCellContentList.GetItems())
        NyqWriteChild(writer, cTCT_SdtContentCellFEG_ContentCellContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_SdtContentCell::Clear()
{
    TNYQBase::Clear();
    FEG_ContentCellContentList.Clear();
    FAny.Clear();
}

void TCT_SdtContentCell::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtContentCell*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FEG_ContentCellContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ContentCellContentList.Add<TCT_Tc>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ContentCellContentList.Add<TCT_CustomXmlCell>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ContentCellContentList.Add<TCT_SdtCell>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ContentCellContentList.Add<TCT_ProofErr>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ContentCellContentList.Add<TCT_PermStart>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ContentCellContentList.Add<TCT_Perm>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ContentCellContentList.Add<TCT_Bookmark>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ContentCellContentList.Add<TCT_MoveBookmark>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ContentCellContentList.Add<TCT_MoveBookmark>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ContentCellContentList.Add<TCT_Markup>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ContentCellContentList.Add<TCT_Markup>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ContentCellContentList.Add<TCT_Markup>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ContentCellContentList.Add<TCT_Markup>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ContentCellContentList.Add<TNYQAnyElement>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ContentCellContentList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtContentCell::HasElements() const
{
    return FEG_ContentCellContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ParaRPrOriginal

namespace {
constexpr std::string_view cTCT_ParaRPrOriginalFEG_RPrBaseListNames[] = {"w:rStyle", "w:rFonts", "w:b", "w:bCs", "w:i", "w:iCs", "w:caps", "w:smallCaps", "w:strike", "w:dstrike", "w:outline", "w:shadow", "w:emboss", "w:imprint", "w:noProof", "w:snapToGrid", "w:vanish", "w:webHidden", "w:color", "w:spacing", "w:w", "w:kern", "w:position", "w:sz", "w:szCs", "w:highlight", "w:u", "w:effect", "w:bdr", "w:shd", "w:fitText", "w:vertAlign", "w:rtl", "w:cs", "w:em", "w:lang", "w:eastAsianLayout", "w:specVanish", "w:oMath"};
}  // namespace

TCT_ParaRPrOriginal::TCT_ParaRPrOriginal() = default;
TCT_ParaRPrOriginal::~TCT_ParaRPrOriginal() = default;

TCT_TrackChange& TCT_ParaRPrOriginal::Create_Ins()
{
    if (!FIns) {
        FIns = std::make_unique<TCT_TrackChange>();
        FIns->SetAssigned();
    }
    SetHasChildren();
    return *FIns;
}

TCT_TrackChange& TCT_ParaRPrOriginal::Create_Del()
{
    if (!FDel) {
        FDel = std::make_unique<TCT_TrackChange>();
        FDel->SetAssigned();
    }
    SetHasChildren();
    return *FDel;
}

TCT_TrackChange& TCT_ParaRPrOriginal::Create_MoveFrom()
{
    if (!FMoveFrom) {
        FMoveFrom = std::make_unique<TCT_TrackChange>();
        FMoveFrom->SetAssigned();
    }
    SetHasChildren();
    return *FMoveFrom;
}

TCT_TrackChange& TCT_ParaRPrOriginal::Create_MoveTo()
{
    if (!FMoveTo) {
        FMoveTo = std::make_unique<TCT_TrackChange>();
        FMoveTo->SetAssigned();
    }
    SetHasChildren();
    return *FMoveTo;
}

TNYQBase* TCT_ParaRPrOriginal::HandleElement(TNYQReader& reader)
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

void TCT_ParaRPrOriginal::Write(TNyqWriteXML& writer) const
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
        NyqWriteChild(writer, cTCT_ParaRPrOriginalFEG_RPrBaseListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_ParaRPrOriginal::Clear()
{
    TNYQBase::Clear();
    FIns.reset();
    FDel.reset();
    FMoveFrom.reset();
    FMoveTo.reset();
    FEG_RPrBaseList.Clear();
    FAny.Clear();
}

void TCT_ParaRPrOriginal::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ParaRPrOriginal*>(&other);
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
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ParaRPrOriginal::HasElements() const
{
    return FIns != nullptr || FDel != nullptr || FMoveFrom != nullptr || FMoveTo != nullptr || FEG_RPrBaseList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FFName

TCT_FFName::TCT_FFName() = default;
TCT_FFName::~TCT_FFName() = default;

TNYQBase* TCT_FFName::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FFName::AssignAttributes(TNYQReader& reader)
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

void TCT_FFName::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
}

void TCT_FFName::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FFName::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_FFName::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FFName*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FFName::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MacroName

TCT_MacroName::TCT_MacroName() = default;
TCT_MacroName::~TCT_MacroName() = default;

TNYQBase* TCT_MacroName::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MacroName::AssignAttributes(TNYQReader& reader)
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

void TCT_MacroName::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_MacroName::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_MacroName::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_MacroName::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MacroName*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MacroName::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FFHelpText

TCT_FFHelpText::TCT_FFHelpText() = default;
TCT_FFHelpText::~TCT_FFHelpText() = default;

TNYQBase* TCT_FFHelpText::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FFHelpText::AssignAttributes(TNYQReader& reader)
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
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_InfoTextType(attrs.GetValues(i)))
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

void TCT_FFHelpText::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("w:type", TST_InfoTextTypeToStr(*FType));
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
}

void TCT_FFHelpText::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FFHelpText::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FVal = {};
    FAny.Clear();
}

void TCT_FFHelpText::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FFHelpText*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FFHelpText::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FFStatusText

TCT_FFStatusText::TCT_FFStatusText() = default;
TCT_FFStatusText::~TCT_FFStatusText() = default;

TNYQBase* TCT_FFStatusText::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FFStatusText::AssignAttributes(TNYQReader& reader)
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
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_InfoTextType(attrs.GetValues(i)))
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

void TCT_FFStatusText::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("w:type", TST_InfoTextTypeToStr(*FType));
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
}

void TCT_FFStatusText::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FFStatusText::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FVal = {};
    FAny.Clear();
}

void TCT_FFStatusText::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FFStatusText*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FFStatusText::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FFCheckBox

TCT_FFCheckBox::TCT_FFCheckBox() = default;
TCT_FFCheckBox::~TCT_FFCheckBox() = default;

TCT_HpsMeasure& TCT_FFCheckBox::Create_Size()
{
    if (!FSize) {
        FSize = std::make_unique<TCT_HpsMeasure>();
        FSize->SetAssigned();
    }
    SetHasChildren();
    return *FSize;
}

TCT_OnOff& TCT_FFCheckBox::Create_SizeAuto()
{
    if (!FSizeAuto) {
        FSizeAuto = std::make_unique<TCT_OnOff>();
        FSizeAuto->SetAssigned();
    }
    SetHasChildren();
    return *FSizeAuto;
}

TCT_OnOff& TCT_FFCheckBox::Create_Default()
{
    if (!FDefault) {
        FDefault = std::make_unique<TCT_OnOff>();
        FDefault->SetAssigned();
    }
    SetHasChildren();
    return *FDefault;
}

TCT_OnOff& TCT_FFCheckBox::Create_Checked()
{
    if (!FChecked) {
        FChecked = std::make_unique<TCT_OnOff>();
        FChecked->SetAssigned();
    }
    SetHasChildren();
    return *FChecked;
}

TNYQBase* TCT_FFCheckBox::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 443:
        if (local == "size") {
            return &Create_Size();
        }
        break;
    case 711:
        if (local == "checked") {
            return &Create_Checked();
        }
        break;
    case 741:
        if (local == "default") {
            return &Create_Default();
        }
        break;
    case 852:
        if (local == "sizeAuto") {
            return &Create_SizeAuto();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FFCheckBox::Write(TNyqWriteXML& writer) const
{
    if (FSize && FSize->Available())
        NyqWriteChild(writer, "w:size", *FSize);
    if (FSizeAuto && FSizeAuto->Available())
        NyqWriteChild(writer, "w:sizeAuto", *FSizeAuto);
    if (FDefault && FDefault->Available())
        NyqWriteChild(writer, "w:default", *FDefault);
    if (FChecked && FChecked->Available())
        NyqWriteChild(writer, "w:checked", *FChecked);
    FAny.Write(writer);
}

void TCT_FFCheckBox::Clear()
{
    TNYQBase::Clear();
    FSize.reset();
    FSizeAuto.reset();
    FDefault.reset();
    FChecked.reset();
    FAny.Clear();
}

void TCT_FFCheckBox::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FFCheckBox*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FSize)
        Create_Size().Assign(*o->FSize);
    if (o->FSizeAuto)
        Create_SizeAuto().Assign(*o->FSizeAuto);
    if (o->FDefault)
        Create_Default().Assign(*o->FDefault);
    if (o->FChecked)
        Create_Checked().Assign(*o->FChecked);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FFCheckBox::HasElements() const
{
    return FSize != nullptr || FSizeAuto != nullptr || FDefault != nullptr || FChecked != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FFDDList

TCT_FFDDList::TCT_FFDDList() = default;
TCT_FFDDList::~TCT_FFDDList() = default;

TCT_DecimalNumber& TCT_FFDDList::Create_Result()
{
    if (!FResult) {
        FResult = std::make_unique<TCT_DecimalNumber>();
        FResult->SetAssigned();
    }
    SetHasChildren();
    return *FResult;
}

TCT_DecimalNumber& TCT_FFDDList::Create_Default()
{
    if (!FDefault) {
        FDefault = std::make_unique<TCT_DecimalNumber>();
        FDefault->SetAssigned();
    }
    SetHasChildren();
    return *FDefault;
}

TNYQBase* TCT_FFDDList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 671:
        if (local == "result") {
            return &Create_Result();
        }
        break;
    case 741:
        if (local == "default") {
            return &Create_Default();
        }
        break;
    case 974:
        if (local == "listEntry") {
            SetHasChildren();
            return &FListEntryList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FFDDList::Write(TNyqWriteXML& writer) const
{
    if (FResult && FResult->Available())
        NyqWriteChild(writer, "w:result", *FResult);
    if (FDefault && FDefault->Available())
        NyqWriteChild(writer, "w:default", *FDefault);
    for (const auto& item : FListEntryList.GetItems())
        NyqWriteChild(writer, "w:listEntry", *item);
    FAny.Write(writer);
}

void TCT_FFDDList::Clear()
{
    TNYQBase::Clear();
    FResult.reset();
    FDefault.reset();
    FListEntryList.Clear();
    FAny.Clear();
}

void TCT_FFDDList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FFDDList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FResult)
        Create_Result().Assign(*o->FResult);
    if (o->FDefault)
        Create_Default().Assign(*o->FDefault);
    for (const auto& item : o->FListEntryList.GetItems())
        FListEntryList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FFDDList::HasElements() const
{
    return FResult != nullptr || FDefault != nullptr || FListEntryList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FFTextInput

TCT_FFTextInput::TCT_FFTextInput() = default;
TCT_FFTextInput::~TCT_FFTextInput() = default;

TCT_FFTextType& TCT_FFTextInput::Create_Type()
{
    if (!FType) {
        FType = std::make_unique<TCT_FFTextType>();
        FType->SetAssigned();
    }
    SetHasChildren();
    return *FType;
}

TCT_String& TCT_FFTextInput::Create_Default()
{
    if (!FDefault) {
        FDefault = std::make_unique<TCT_String>();
        FDefault->SetAssigned();
    }
    SetHasChildren();
    return *FDefault;
}

TCT_DecimalNumber& TCT_FFTextInput::Create_MaxLength()
{
    if (!FMaxLength) {
        FMaxLength = std::make_unique<TCT_DecimalNumber>();
        FMaxLength->SetAssigned();
    }
    SetHasChildren();
    return *FMaxLength;
}

TCT_String& TCT_FFTextInput::Create_Format()
{
    if (!FFormat) {
        FFormat = std::make_unique<TCT_String>();
        FFormat->SetAssigned();
    }
    SetHasChildren();
    return *FFormat;
}

TNYQBase* TCT_FFTextInput::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 450:
        if (local == "type") {
            return &Create_Type();
        }
        break;
    case 649:
        if (local == "format") {
            return &Create_Format();
        }
        break;
    case 741:
        if (local == "default") {
            return &Create_Default();
        }
        break;
    case 936:
        if (local == "maxLength") {
            return &Create_MaxLength();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FFTextInput::Write(TNyqWriteXML& writer) const
{
    if (FType && FType->Available())
        NyqWriteChild(writer, "w:type", *FType);
    if (FDefault && FDefault->Available())
        NyqWriteChild(writer, "w:default", *FDefault);
    if (FMaxLength && FMaxLength->Available())
        NyqWriteChild(writer, "w:maxLength", *FMaxLength);
    if (FFormat && FFormat->Available())
        NyqWriteChild(writer, "w:format", *FFormat);
    FAny.Write(writer);
}

void TCT_FFTextInput::Clear()
{
    TNYQBase::Clear();
    FType.reset();
    FDefault.reset();
    FMaxLength.reset();
    FFormat.reset();
    FAny.Clear();
}

void TCT_FFTextInput::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FFTextInput*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FType)
        Create_Type().Assign(*o->FType);
    if (o->FDefault)
        Create_Default().Assign(*o->FDefault);
    if (o->FMaxLength)
        Create_MaxLength().Assign(*o->FMaxLength);
    if (o->FFormat)
        Create_Format().Assign(*o->FFormat);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FFTextInput::HasElements() const
{
    return FType != nullptr || FDefault != nullptr || FMaxLength != nullptr || FFormat != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RubyAlign

TCT_RubyAlign::TCT_RubyAlign() = default;
TCT_RubyAlign::~TCT_RubyAlign() = default;

TNYQBase* TCT_RubyAlign::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RubyAlign::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_RubyAlign(attrs.GetValues(i)))
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

void TCT_RubyAlign::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_RubyAlignToStr(FVal));
}

void TCT_RubyAlign::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_RubyAlign::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_RubyAlign::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RubyAlign*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RubyAlign::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblPrExBase

TCT_TblPrExBase::TCT_TblPrExBase() = default;
TCT_TblPrExBase::~TCT_TblPrExBase() = default;

TCT_TblWidth& TCT_TblPrExBase::Create_TblW()
{
    if (!FTblW) {
        FTblW = std::make_unique<TCT_TblWidth>();
        FTblW->SetAssigned();
    }
    SetHasChildren();
    return *FTblW;
}

TCT_JcTable& TCT_TblPrExBase::Create_Jc()
{
    if (!FJc) {
        FJc = std::make_unique<TCT_JcTable>();
        FJc->SetAssigned();
    }
    SetHasChildren();
    return *FJc;
}

TCT_TblWidth& TCT_TblPrExBase::Create_TblCellSpacing()
{
    if (!FTblCellSpacing) {
        FTblCellSpacing = std::make_unique<TCT_TblWidth>();
        FTblCellSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FTblCellSpacing;
}

TCT_TblWidth& TCT_TblPrExBase::Create_TblInd()
{
    if (!FTblInd) {
        FTblInd = std::make_unique<TCT_TblWidth>();
        FTblInd->SetAssigned();
    }
    SetHasChildren();
    return *FTblInd;
}

TCT_TblBorders& TCT_TblPrExBase::Create_TblBorders()
{
    if (!FTblBorders) {
        FTblBorders = std::make_unique<TCT_TblBorders>();
        FTblBorders->SetAssigned();
    }
    SetHasChildren();
    return *FTblBorders;
}

TCT_Shd& TCT_TblPrExBase::Create_Shd()
{
    if (!FShd) {
        FShd = std::make_unique<TCT_Shd>();
        FShd->SetAssigned();
    }
    SetHasChildren();
    return *FShd;
}

TCT_TblLayoutType& TCT_TblPrExBase::Create_TblLayout()
{
    if (!FTblLayout) {
        FTblLayout = std::make_unique<TCT_TblLayoutType>();
        FTblLayout->SetAssigned();
    }
    SetHasChildren();
    return *FTblLayout;
}

TCT_TblCellMar& TCT_TblPrExBase::Create_TblCellMar()
{
    if (!FTblCellMar) {
        FTblCellMar = std::make_unique<TCT_TblCellMar>();
        FTblCellMar->SetAssigned();
    }
    SetHasChildren();
    return *FTblCellMar;
}

TCT_TblLook& TCT_TblPrExBase::Create_TblLook()
{
    if (!FTblLook) {
        FTblLook = std::make_unique<TCT_TblLook>();
        FTblLook->SetAssigned();
    }
    SetHasChildren();
    return *FTblLook;
}

TNYQBase* TCT_TblPrExBase::HandleElement(TNYQReader& reader)
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
    case 727:
        if (local == "tblLook") {
            return &Create_TblLook();
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
    case 1043:
        if (local == "tblBorders") {
            return &Create_TblBorders();
        }
        break;
    case 1415:
        if (local == "tblCellSpacing") {
            return &Create_TblCellSpacing();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblPrExBase::Write(TNyqWriteXML& writer) const
{
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
    FAny.Write(writer);
}

void TCT_TblPrExBase::Clear()
{
    TNYQBase::Clear();
    FTblW.reset();
    FJc.reset();
    FTblCellSpacing.reset();
    FTblInd.reset();
    FTblBorders.reset();
    FShd.reset();
    FTblLayout.reset();
    FTblCellMar.reset();
    FTblLook.reset();
    FAny.Clear();
}

void TCT_TblPrExBase::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblPrExBase*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
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
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblPrExBase::HasElements() const
{
    return FTblW != nullptr || FJc != nullptr || FTblCellSpacing != nullptr || FTblInd != nullptr || FTblBorders != nullptr || FShd != nullptr || FTblLayout != nullptr || FTblCellMar != nullptr || FTblLook != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FFTextType

TCT_FFTextType::TCT_FFTextType() = default;
TCT_FFTextType::~TCT_FFTextType() = default;

TNYQBase* TCT_FFTextType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FFTextType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_FFTextType(attrs.GetValues(i)))
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

void TCT_FFTextType::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_FFTextTypeToStr(FVal));
}

void TCT_FFTextType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FFTextType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_FFTextType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FFTextType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FFTextType::HasElements() const
{
    return FAny.Count() > 0;
}

