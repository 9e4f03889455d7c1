// VYXDocProps.cpp: property items and lists, the dense defaults and the owned values.
#include "model/VYXDocProps.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"
#include "platform/VYXLocale.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

namespace {
// Style chains come from files; a cycle or an absurd depth must not hang a getter.
constexpr int cMaxStyleDepth = 64;

constexpr double cFloatTolerance = 1e-5;

// clang-format off
constexpr TVYXPropIdType cChpTypes[cVYXChpIdCount] = {
    vycitUnknown,
    vycitBoolean, vycitBoolean, vycitBoolean, vycitBoolean, vycitBoolean, vycitBoolean, vycitBoolean,
    vycitBoolean, vycitBoolean, vycitBoolean, vycitBoolean, vycitBoolean,
    vycitInteger, vycitInteger, vycitInteger, vycitInteger, vycitInteger, vycitInteger, vycitInteger,
    vycitInteger,
    vycitFloat, vycitObject, vycitOwnedObject, vycitOwnedObject,
    vycitString, vycitString, vycitString, vycitString,
};
constexpr TVYXPropIdType cPapTypes[cVYXPapIdCount] = {
    vycitBoolean, vycitBoolean, vycitBoolean,
    vycitInteger, vycitInteger, vycitInteger, vycitInteger,
    vycitFloat, vycitFloat, vycitFloat, vycitFloat, vycitFloat, vycitFloat, vycitFloat,
    vycitObject, vycitObject,
    vycitOwnedObject, vycitOwnedObject, vycitOwnedObject, vycitOwnedObject, vycitOwnedObject, vycitOwnedObject,
    vycitOwnedObject,
};
constexpr TVYXPropIdType cTapTypes[cVYXTapIdCount] = {
    vycitInteger, vycitInteger,
    vycitFloat, vycitFloat, vycitFloat, vycitFloat, vycitFloat, vycitFloat,
    vycitObject,
    vycitOwnedObject, vycitOwnedObject, vycitOwnedObject, vycitOwnedObject, vycitOwnedObject, vycitOwnedObject,
};
constexpr std::string_view cChpNames[cVYXChpIdCount] = {
    "None", "Bold", "Italic", "StrikeThrough", "Hidden", "Shadow", "Outline", "Emboss", "Engrave", "SmallCaps",
    "AllCaps", "Misspelled", "RTL", "Color", "FillColor", "HighlightColor", "Underline", "UnderlineColor",
    "SubSuperscript", "ColorHLinkHoover", "ColorHLinkVisited", "Size", "Style", "Border", "Revision", "FontName",
    "EastAsia", "Ascii", "hAnsi",
};
constexpr std::string_view cPapNames[cVYXPapIdCount] = {
    "ContextualSpacing", "NoWrap", "KeepNext", "Alignment", "Color", "OutlineLevel", "LineSpacingType",
    "IndentLeft", "IndentRight", "IndentFirstLine", "IndentHanging", "LineSpacing", "SpaceBefore", "SpaceAfter",
    "Style", "Numbering", "BorderLeft", "BorderTop", "BorderRight", "BorderBottom", "Shade", "TabStops", "Revision",
};
constexpr std::string_view cTapNames[cVYXTapIdCount] = {
    "Alignment", "WidthType", "Indent", "Width", "CellMargLeft", "CellMargTop", "CellMargRight", "CellMargBottom",
    "Style", "BorderLeft", "BorderTop", "BorderRight", "BorderBottom", "BorderInsideVert", "BorderInsideHoriz",
};
// clang-format on

template <std::size_t N, class T>
T FromTable(const T (&table)[N], int id, T def)
{
    return id >= 0 && static_cast<std::size_t>(id) < N ? table[id] : def;
}

// The dense field of each boolean character id (nullptr: no field).
bool TVYXCHP::* const cChpBoolField[vyciRTL + 1] = {
    nullptr,           &TVYXCHP::Bold,    &TVYXCHP::Italic,   &TVYXCHP::StrikeTrough, &TVYXCHP::Hidden,
    &TVYXCHP::Shadow,  &TVYXCHP::Outline, &TVYXCHP::Emboss,   &TVYXCHP::Engrave,      &TVYXCHP::SmallCaps,
    &TVYXCHP::AllCaps, nullptr,           &TVYXCHP::RTL,
};

// The dense field of each colour id.
struct TColorField {
    TVYXChpId Id;
    TVYXColor TVYXCHP::*Field;
};
constexpr TColorField cChpColorFields[] = {
    {vyciColor, &TVYXCHP::Color},
    {vyciFillColor, &TVYXCHP::FillColor},
    {vyciUnderlineColor, &TVYXCHP::UnderlineColor},
    {vyciColorHLinkHoover, &TVYXCHP::ColorHLinkHoover},
    {vyciColorHLinkVisited, &TVYXCHP::ColorHLinkVisited},
};
TVYXColor TVYXCHP::* ChpColorField(int id)
{
    for (const auto& f : cChpColorFields)
        if (f.Id == id)
            return f.Field;
    return nullptr;
}

template <class E>
E ToEnum(std::int32_t value, E last, E def)
{
    return value >= 0 && value <= static_cast<std::int32_t>(last) ? static_cast<E>(value) : def;
}

std::string FloatText(double value) { return U8(VYXFloatToStr(value, TVYXLocaleSettings::EnUS())); }

bool ValuesEqual(const TVYXPropItem& a, const TVYXPropItem& b)
{
    if (a.Id != b.Id || a.Value.index() != b.Value.index())
        return false;
    return std::visit(
        [&](const auto& va) -> bool {
            using T = std::decay_t<decltype(va)>;
            const auto& vb = std::get<T>(b.Value);
            if constexpr (std::is_same_v<T, std::monostate>)
                throw VYXException("Unhandled prop value");
            else if constexpr (std::is_same_v<T, double>)
                return std::fabs(va - vb) <= cFloatTolerance;
            else if constexpr (std::is_same_v<T, std::unique_ptr<TVYXDocPropOwnedObj>>)
                return va && vb && va->ComparedInLists() && va->Equal(*vb);
            else
                return va == vb;
        },
        a.Value);
}
}  // namespace

TVYXPropIdType ChpxVarType(int id) { return FromTable(cChpTypes, id, vycitUnknown); }
TVYXPropIdType PapxVarType(int id) { return FromTable(cPapTypes, id, vycitUnknown); }
TVYXPropIdType TapxVarType(int id) { return FromTable(cTapTypes, id, vycitUnknown); }

const std::array<std::string_view, vycuWavyDouble + 1> VYXChpUnderlineName = {
    "None",   "Single",      "Words",    "Double",     "Thick",         "Dotted",
    "DottedHeavy", "Dash",   "DashedHeavy", "DashLong", "DashLongHeavy", "DotDash",
    "DashDotHeavy", "DotDotDash", "DashDotDotHeavy", "Wave", "WavyHeavy", "WavyDouble"};
const std::array<std::string_view, vycuWavyDouble + 1> VYXChpUnderlineNiceName = {
    "None",   "Single",       "Words",        "Double",    "Thick",           "Dotted",
    "Dotted Heavy", "Dash",   "Dashed Heavy", "Dash Long", "Dash Long Heavy", "Dot Dash",
    "Dash Dot Heavy", "Dot Dot Dash", "Dash Dot Dot Heavy", "Wave", "Wavy Heavy", "Wavy Double"};
const std::array<std::string_view, vyptaJustify + 1> VYXPapTextAlignName = {"Left", "Center", "Right", "Justify"};

const std::array<TVYXColor, ahcNone + 1> VYXHighlightColorValue = {
    0x000000, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFF00FF, 0xFF0000, 0xFFFF00, 0xFFFFFF, 0x000080,
    0x008080, 0x008000, 0x800080, 0x800000, 0x808000, 0x767676, 0xC0C0C0, cVYXAutoColor};

TVYXColor HighlightToColor(int highlight)
{
    return highlight >= 0 && highlight <= ahcNone ? VYXHighlightColorValue[static_cast<std::size_t>(highlight)]
                                                  : cVYXAutoColor;
}

// ---- Owned values ------------------------------------------------------------

std::unique_ptr<TVYXDocPropOwnedObj> TVYXDocPropOwnedObj::Clone() const
{
    auto copy = CreateObj();
    copy->Assign(*this);
    return copy;
}

void TVYXDocPropBorder::SetVals(double width, TVYXColor color, TST_Border style, double space)
{
    Width = width;
    Color = color;
    Style = style;
    Space = space;
}

std::unique_ptr<TVYXDocPropOwnedObj> TVYXDocPropBorder::CreateObj() const
{
    return std::make_unique<TVYXDocPropBorder>();
}

void TVYXDocPropBorder::Assign(const TVYXDocPropOwnedObj& source)
{
    if (const auto* b = dynamic_cast<const TVYXDocPropBorder*>(&source))
        SetVals(b->Width, b->Color, b->Style, b->Space);
}

bool TVYXDocPropBorder::Equal(const TVYXDocPropOwnedObj& other) const
{
    const auto* b = dynamic_cast<const TVYXDocPropBorder*>(&other);
    return b && typeid(*b) == typeid(*this) && b->Width == Width && b->Color == Color && b->Style == Style &&
           b->Space == Space;
}

TVYXDocPropBorder* TVYXDocPropBorders::AddSide(TVYXBorderSide side)
{
    if (!FSides[side]) {
        FOwned[side] = std::make_unique<TVYXDocPropBorder>();
        FSides[side] = FOwned[side].get();
    }
    return FSides[side];
}

void TVYXDocPropBorders::AddAll()
{
    for (auto side : {abrsLeft, abrsTop, abrsRight, abrsBottom})
        AddSide(side);
}

void TVYXDocPropBorders::SetSideRef(TVYXBorderSide side, TVYXDocPropBorder* border)
{
    if (border != FOwned[side].get())
        FOwned[side].reset();
    FSides[side] = border;
}

bool TVYXDocPropBorders::Assigned() const
{
    return std::any_of(FSides.begin(), FSides.end(), [](const TVYXDocPropBorder* b) { return b && b->Assigned(); });
}

bool TVYXDocPropBorders::AllAssigned() const
{
    return std::all_of(FSides.begin(), FSides.end(), [](const TVYXDocPropBorder* b) { return b && b->Assigned(); });
}

bool TVYXDocPropBorders::AllEqual() const
{
    if (std::any_of(FSides.begin(), FSides.end(), [](const TVYXDocPropBorder* b) { return !b; }))
        return false;
    return std::all_of(FSides.begin() + 1, FSides.end(),
                       [&](const TVYXDocPropBorder* b) { return b->Equal(*FSides[0]); });
}

void TVYXDocPropBorders::DeleteNil()
{
    for (auto side : {abrsLeft, abrsTop, abrsRight, abrsBottom})
        if (FSides[side] && FSides[side]->Style == stbNil)
            DeleteSide(side);
}

void TVYXDocPropBorders::Assign(const TVYXDocPropBorders& source)
{
    if (&source == this)
        return;
    for (auto side : {abrsLeft, abrsTop, abrsRight, abrsBottom}) {
        if (source.FSides[side])
            AddSide(side)->Assign(*source.FSides[side]);
        else
            DeleteSide(side);
    }
}

void TVYXDocPropBorders::Clear()
{
    for (auto side : {abrsLeft, abrsTop, abrsRight, abrsBottom})
        DeleteSide(side);
}

TVYXDocPropBorders* TVYXDocPropBordersList::Add()
{
    FItems.push_back(std::make_unique<TVYXDocPropBorders>());
    return FItems.back().get();
}

TVYXDocPropBorders* TVYXDocPropBordersList::LastAllAssigned() const
{
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
        if ((*it)->AllAssigned())
            return it->get();
    return nullptr;
}

namespace {
std::unique_ptr<TVYXDocPropBorder> CopyBorder(const std::unique_ptr<TVYXDocPropBorder>& source)
{
    if (!source)
        return nullptr;
    auto copy = std::make_unique<TVYXDocPropBorder>();
    copy->Assign(*source);
    return copy;
}
}  // namespace

TVYXDocPropBorder* TVYXTableBorderProps::GetBorder(TVYXTableBorderSide side) const
{
    switch (side) {
    case atbsLeft: return Borders.Left();
    case atbsTop: return Borders.Top();
    case atbsRight: return Borders.Right();
    case atbsBottom: return Borders.Bottom();
    case atbsInsideH: return BorderInsideH.get();
    case atbsInsideV: return BorderInsideV.get();
    default: return nullptr;
    }
}

TVYXDocPropBorder* TVYXTableBorderProps::AddBorder(TVYXTableBorderSide side)
{
    TVYXDocPropBorder* border = GetBorder(side);
    if (border)
        return border;
    switch (side) {
    case atbsInsideH: border = (BorderInsideH = std::make_unique<TVYXDocPropBorder>()).get(); break;
    case atbsInsideV: border = (BorderInsideV = std::make_unique<TVYXDocPropBorder>()).get(); break;
    case atbsLeft: case atbsTop: case atbsRight: case atbsBottom:
        border = Borders.AddSide(static_cast<TVYXBorderSide>(side));
        break;
    default: return nullptr;  // diagonals belong to cells
    }
    Changed(side);
    return border;
}

void TVYXTableBorderProps::Assign(const TVYXTableBorderProps& source)
{
    if (&source == this)
        return;
    Borders.Assign(source.Borders);
    BorderInsideH = CopyBorder(source.BorderInsideH);
    BorderInsideV = CopyBorder(source.BorderInsideV);
}

TVYXDocPropBorder* TVYXTableCellProps::GetBorder(TVYXTableBorderSide side) const
{
    if (side == atbsTl2br)
        return BorderTl2br.get();
    if (side == atbsTr2bl)
        return BorderTr2bl.get();
    return TVYXTableBorderProps::GetBorder(side);
}

TVYXDocPropBorder* TVYXTableCellProps::AddBorder(TVYXTableBorderSide side)
{
    if (side != atbsTl2br && side != atbsTr2bl)
        return TVYXTableBorderProps::AddBorder(side);
    auto& slot = side == atbsTl2br ? BorderTl2br : BorderTr2bl;
    if (!slot) {
        slot = std::make_unique<TVYXDocPropBorder>();
        Changed(side);
    }
    return slot.get();
}

void TVYXTableCellProps::Assign(const TVYXTableBorderProps& source)
{
    if (&source == this)
        return;
    TVYXTableBorderProps::Assign(source);
    if (const auto* cell = dynamic_cast<const TVYXTableCellProps*>(&source)) {
        BorderTl2br = CopyBorder(cell->BorderTl2br);
        BorderTr2bl = CopyBorder(cell->BorderTr2bl);
        FillColor = cell->FillColor;
        MargLeft = cell->MargLeft;
        MargTop = cell->MargTop;
        MargRight = cell->MargRight;
        MargBottom = cell->MargBottom;
        MargLeftSet = cell->MargLeftSet;
        MargTopSet = cell->MargTopSet;
        MargRightSet = cell->MargRightSet;
        MargBottomSet = cell->MargBottomSet;
        Width = cell->Width;
        WidthType = cell->WidthType;
    }
}

namespace {
constexpr double cTabTolerance = 0.1;
}

bool TVYXTabStop::Equal(const TVYXTabStop& other) const
{
    return std::fabs(Position - other.Position) < cTabTolerance && Alignment == other.Alignment &&
           Leader == other.Leader;
}

void TVYXTabStop::Assign(const TVYXTabStop& source)
{
    Position = source.Position;
    Alignment = source.Alignment;
    Leader = source.Leader;
}

TVYXTabStop* TVYXTabStops::InsertSorted(std::unique_ptr<TVYXTabStop> stop)
{
    stop->Parent = this;
    // After every stop at or before the position: the order "append, then stable sort" gives.
    auto it = std::upper_bound(FItems.begin(), FItems.end(), stop->Position,
                               [](double pos, const std::unique_ptr<TVYXTabStop>& s) { return pos < s->Position; });
    return FItems.insert(it, std::move(stop))->get();
}

TVYXTabStop* TVYXTabStops::Add(double position, TVYXTabStopAlignment alignment, TVYXTabStopLeader leader)
{
    auto stop = std::make_unique<TVYXTabStop>();
    stop->Position = position;
    stop->Alignment = alignment;
    stop->Leader = leader;
    return InsertSorted(std::move(stop));
}

TVYXTabStop* TVYXTabStops::Add(const TVYXTabStop& tabStop)
{
    auto stop = std::make_unique<TVYXTabStop>();
    stop->Assign(tabStop);
    return InsertSorted(std::move(stop));
}

void TVYXTabStops::Add(const std::vector<double>& positions)
{
    for (double p : positions)
        Add(p);
}

int TVYXTabStops::Find(double position) const
{
    auto it = std::lower_bound(FItems.begin(), FItems.end(), position,
                               [](const std::unique_ptr<TVYXTabStop>& s, double pos) {
                                   return s->Position <= pos - cTabTolerance;
                               });
    if (it == FItems.end() || std::fabs((*it)->Position - position) >= cTabTolerance)
        return -1;
    return static_cast<int>(it - FItems.begin());
}

TVYXTabStop* TVYXTabStops::Insert(int, const TVYXTabStop& tabStop) { return Add(tabStop); }

void TVYXTabStops::Delete(int index)
{
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

std::unique_ptr<TVYXDocPropOwnedObj> TVYXTabStops::CreateObj() const { return std::make_unique<TVYXTabStops>(); }

void TVYXTabStops::Assign(const TVYXDocPropOwnedObj& source)
{
    const auto* tabs = dynamic_cast<const TVYXTabStops*>(&source);
    if (!tabs || tabs == this)
        return;
    Clear();
    for (const auto& s : tabs->FItems)
        Add(*s);
}

bool TVYXTabStops::Equal(const TVYXDocPropOwnedObj& other) const
{
    const auto* tabs = dynamic_cast<const TVYXTabStops*>(&other);
    if (!tabs || tabs->Count() != Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (!Items(i).Equal(tabs->Items(i)))
            return false;
    return true;
}

std::unique_ptr<TVYXDocPropOwnedObj> TVYXPAPXShade::CreateObj() const { return std::make_unique<TVYXPAPXShade>(); }

void TVYXPAPXShade::Assign(const TVYXDocPropOwnedObj& source)
{
    if (const auto* shade = dynamic_cast<const TVYXPAPXShade*>(&source)) {
        Pattern = shade->Pattern;
        Color = shade->Color;
        Fill = shade->Fill;
    }
}

bool TVYXPAPXShade::Equal(const TVYXDocPropOwnedObj& other) const
{
    const auto* shade = dynamic_cast<const TVYXPAPXShade*>(&other);
    return shade && shade->Pattern == Pattern && shade->Color == Color && shade->Fill == Fill;
}

// ---- Items -------------------------------------------------------------------

bool TVYXPropItem::ValBool() const
{
    if (const auto* b = std::get_if<bool>(&Value))
        return *b;
    if (const auto* i = std::get_if<std::int32_t>(&Value))
        return *i != 0;
    return false;
}

std::int32_t TVYXPropItem::ValInt() const
{
    if (const auto* i = std::get_if<std::int32_t>(&Value))
        return *i;
    if (const auto* b = std::get_if<bool>(&Value))
        return *b ? 1 : 0;
    return 0;
}

double TVYXPropItem::ValFloat() const
{
    if (const auto* d = std::get_if<double>(&Value))
        return *d;
    if (const auto* i = std::get_if<std::int32_t>(&Value))
        return *i;
    return 0;
}

std::u16string_view TVYXPropItem::ValString() const
{
    const auto* s = std::get_if<std::u16string>(&Value);
    return s ? std::u16string_view(*s) : std::u16string_view();
}

TVYXStyle* TVYXPropItem::ValStyle() const
{
    const auto* s = std::get_if<TVYXStyle*>(&Value);
    return s ? *s : nullptr;
}

TVYXNumbering* TVYXPropItem::ValNumbering() const
{
    const auto* n = std::get_if<TVYXNumbering*>(&Value);
    return n ? *n : nullptr;
}

TVYXDocPropOwnedObj* TVYXPropItem::ValOwnedObj() const
{
    const auto* o = std::get_if<std::unique_ptr<TVYXDocPropOwnedObj>>(&Value);
    return o ? o->get() : nullptr;
}

TVYXPropItem TVYXPropItem::Clone() const
{
    TVYXPropItem copy;
    copy.Id = Id;
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::unique_ptr<TVYXDocPropOwnedObj>>)
                copy.Value = v ? v->Clone() : nullptr;
            else
                copy.Value = v;
        },
        Value);
    return copy;
}

bool CmpDocPropChpx(const TVYXPropItem& a, const TVYXPropItem& b) { return ValuesEqual(a, b); }

void CopyDocPropPapx(const TVYXPropItem& source, TVYXPropItem& target) { target = source.Clone(); }

// ---- Lists -------------------------------------------------------------------

TVYXPropList::~TVYXPropList() = default;

int TVYXPropList::Find(std::int32_t id) const
{
    auto it = std::lower_bound(FItems.begin(), FItems.end(), id,
                               [](const TVYXPropItem& item, std::int32_t key) { return item.Id < key; });
    return it != FItems.end() && it->Id == id ? static_cast<int>(it - FItems.begin()) : -1;
}

const TVYXPropItem* TVYXPropList::FindItem(std::int32_t id) const
{
    const int i = Find(id);
    return i < 0 ? nullptr : &FItems[static_cast<std::size_t>(i)];
}

void TVYXPropList::Insert(TVYXPropItem item)
{
    auto it = std::upper_bound(FItems.begin(), FItems.end(), item.Id,
                               [](std::int32_t key, const TVYXPropItem& i) { return key < i.Id; });
    FItems.insert(it, std::move(item));
    AfterChanged();
}

void TVYXPropList::Set(std::int32_t id, TVYXPropValue value)
{
    const int i = Find(id);
    if (i < 0)
        Insert({id, std::move(value)});
    else {
        FItems[static_cast<std::size_t>(i)].Value = std::move(value);
        AfterChanged();
    }
}

TVYXDocPropOwnedObj* TVYXPropList::SetAsOwnedObject(std::int32_t id, std::unique_ptr<TVYXDocPropOwnedObj> obj)
{
    TVYXDocPropOwnedObj* result = obj.get();
    Set(id, std::move(obj));
    return result;
}

void TVYXPropList::Remove(std::int32_t id)
{
    const int i = Find(id);
    if (i >= 0) {
        FItems.erase(FItems.begin() + i);
        AfterChanged();
    }
}

void TVYXPropList::Clear()
{
    FItems.clear();
    AfterChanged();
}

TVYXPropIdType TVYXPropList::IdType(std::int32_t id) const
{
    if (IsBoolean(id))
        return vycitBoolean;
    if (IsInteger(id))
        return vycitInteger;
    if (IsFloat(id))
        return vycitFloat;
    if (IsString(id))
        return vycitString;
    if (IsStyle(id))
        return vycitObject;
    if (IsOwnedObject(id))
        return vycitOwnedObject;
    return vycitUnknown;
}

TVYXPropIdType TVYXPropList::GetValueType(int index) const { return IdType(Items(index).Id); }

namespace {
// The item's value read by `get`, or `def` for an absent item.
template <class T, class F>
T ValueOr(const TVYXPropItem* item, F get, T def)
{
    return item ? get(*item) : def;
}
// Writes the value of a present item; false when absent.
template <class T, class F>
bool ReadValue(const TVYXPropItem* item, T& value, F get)
{
    if (item)
        value = get(*item);
    return item != nullptr;
}
}  // namespace

bool TVYXPropList::GetAsBoolean(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValBool(); }, false);
}
std::int32_t TVYXPropList::GetAsInteger(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValInt(); }, std::int32_t{0});
}
double TVYXPropList::GetAsFloat(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValFloat(); }, 0.0);
}
std::u16string TVYXPropList::GetAsString(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return std::u16string(i.ValString()); },
                   std::u16string());
}
TVYXStyle* TVYXPropList::GetAsStyle(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValStyle(); }, static_cast<TVYXStyle*>(nullptr));
}
TVYXNumbering* TVYXPropList::GetAsNumbering(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValNumbering(); },
                   static_cast<TVYXNumbering*>(nullptr));
}
TVYXDocPropOwnedObj* TVYXPropList::GetAsOwnedObject(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValOwnedObj(); },
                   static_cast<TVYXDocPropOwnedObj*>(nullptr));
}

bool TVYXPropList::GetValue(std::int32_t id, bool& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValBool(); });
}
bool TVYXPropList::GetValue(std::int32_t id, std::int32_t& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValInt(); });
}
bool TVYXPropList::GetValue(std::int32_t id, std::uint32_t& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValDWord(); });
}
bool TVYXPropList::GetValue(std::int32_t id, double& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValFloat(); });
}
bool TVYXPropList::GetValue(std::int32_t id, std::u16string& value) const
{
    value.clear();
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return std::u16string(i.ValString()); });
}
bool TVYXPropList::GetValue(std::int32_t id, TVYXStyle*& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValStyle(); });
}

std::string TVYXPropList::GetAsText(std::int32_t id) const
{
    const auto* item = FindItem(id);
    if (!item)
        return {};
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>)
                return v ? "True" : "False";
            else if constexpr (std::is_same_v<T, std::int32_t>)
                return std::to_string(v);
            else if constexpr (std::is_same_v<T, double>)
                return FloatText(v);
            else if constexpr (std::is_same_v<T, std::u16string>)
                return U8(v);
            else if constexpr (std::is_same_v<T, TVYXStyle*>)
                return v ? U8(v->Id) : std::string("nil");
            else if constexpr (std::is_same_v<T, TVYXNumbering*>)
                return v ? "Level " + std::to_string(v->Level) : std::string("nil");
            else if constexpr (std::is_same_v<T, std::unique_ptr<TVYXDocPropOwnedObj>>)
                return "(object)";
            else
                return {};
        },
        item->Value);
}

void TVYXPropList::DebugLines(TVYXStringList& list, std::string_view prefix) const
{
    for (const auto& item : FItems) {
        const std::string_view name = IdName(item.Id);
        std::string line(prefix);
        line += name.empty() ? "Id " + std::to_string(item.Id) : std::string(name);
        line += ": ";
        line += GetAsText(item.Id);
        list.Add(std::move(line));
    }
}

void TVYXPropList::Toggle(std::int32_t id)
{
    if (!IsBoolean(id))
        throw VYXException("Can not toggle this type");
    if (Find(id) >= 0)
        Remove(id);
    else
        Insert({id, true});
}

void TVYXPropList::Inherit(const TVYXPropList& source)
{
    if (&source == this)
        return;
    for (const auto& item : source.FItems)
        if (!std::holds_alternative<std::unique_ptr<TVYXDocPropOwnedObj>>(item.Value) && Find(item.Id) < 0)
            Insert(item.Clone());
    AfterChanged();
}

void TVYXPropList::Merge(const TVYXPropList& source)
{
    if (&source == this)
        return;
    for (const auto& item : source.FItems)
        if (!std::holds_alternative<std::unique_ptr<TVYXDocPropOwnedObj>>(item.Value))
            Set(item.Id, item.Clone().Value);
    AfterChanged();
}

void TVYXPropList::Assign(const TVYXPropList& source, const TVYXStyles* sourceStyles, TVYXStyles* targetStyles)
{
    if (&source == this)
        return;
    std::vector<TVYXPropItem> items;
    items.reserve(source.FItems.size());
    for (const auto& item : source.FItems) {
        if (source.IdType(item.Id) == vycitUnknown)
            throw VYXException("Unknown PropList item");
        TVYXPropItem copy = item.Clone();
        if (auto* style = copy.ValStyle(); style && targetStyles && targetStyles != sourceStyles)
            copy.Value = targetStyles->AddIfNotHas(*style, sourceStyles);
        items.push_back(std::move(copy));
    }
    FItems = std::move(items);  // the list changes only when every item could be copied
    AssignExtras(source, sourceStyles, targetStyles);
    AfterChanged();
}

void TVYXPropList::Assign(const TVYXPropList& source, TVYXStyles* targetStyles)
{
    if (&source == this)
        return;
    std::vector<TVYXPropItem> items;
    items.reserve(source.FItems.size());
    for (const auto& item : source.FItems) {
        if (source.IdType(item.Id) == vycitUnknown)
            throw VYXException("Unknown PropList item");
        TVYXPropItem copy = item.Clone();
        if (auto* style = copy.ValStyle(); style && targetStyles && style->Styles() != targetStyles) {
            TVYXStyle* found = targetStyles->Find(style->Id);
            if (!found) {
                // A table style the target sheet lacks is added under its name and stored.
                found = targetStyles->AddTable(style->Name);
                found->Assign(*style, style->Styles());
            }
            copy.Value = found;
        }
        items.push_back(std::move(copy));
    }
    FItems = std::move(items);
    AssignExtras(source, nullptr, targetStyles);
    AfterChanged();
}

bool TVYXPropList::Equal(const TVYXPropList& other) const
{
    if (FItems.empty() || FItems.size() != other.FItems.size())
        return false;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        if (IdType(FItems[i].Id) == vycitUnknown)
            throw VYXException("Unhandled prop value");
        if (!ValuesEqual(FItems[i], other.FItems[i]))
            return false;
    }
    return true;
}

// ---- Character properties ----------------------------------------------------

TVYXCHP::TVYXCHP() : FCHPX(std::make_unique<TVYXCHPX>(this)) { Clear(); }
TVYXCHP::~TVYXCHP() = default;

void TVYXCHP::Clear()
{
    Underline = vycuNone;
    UnderlineColor = 0;
    Color = 0;
    FillColor = cVYXAutoColor;
    HighlightColor = ahcNone;
    ColorHLinkHoover = ColorHLinkVisited = 0;
    FontName = u"Arial";
    EastAsia.clear();
    Ascii.clear();
    hAnsi.clear();
    Size = 10.0;
    Italic = Bold = StrikeTrough = false;
    SubSuperscript = vycssNone;
    Hidden = Shadow = Outline = Emboss = Engrave = SmallCaps = AllCaps = RTL = false;
}

void TVYXCHP::Assign(const TVYXCHP& source)
{
    if (&source == this)
        return;
    Underline = source.Underline;
    UnderlineColor = source.UnderlineColor;
    Color = source.Color;
    FillColor = source.FillColor;
    HighlightColor = source.HighlightColor;
    ColorHLinkHoover = source.ColorHLinkHoover;
    ColorHLinkVisited = source.ColorHLinkVisited;
    FontName = source.FontName;
    EastAsia = source.EastAsia;
    Ascii = source.Ascii;
    hAnsi = source.hAnsi;
    Size = source.Size;
    Italic = source.Italic;
    Bold = source.Bold;
    StrikeTrough = source.StrikeTrough;
    SubSuperscript = source.SubSuperscript;
    Hidden = source.Hidden;
    Shadow = source.Shadow;
    Outline = source.Outline;
    Emboss = source.Emboss;
    Engrave = source.Engrave;
    SmallCaps = source.SmallCaps;
    AllCaps = source.AllCaps;
    RTL = source.RTL;
    HasDefaultFont = source.HasDefaultFont;
}

void TVYXCHP::Merge(const TVYXCHPX& chpx)
{
    for (int i = 0; i < chpx.Count(); ++i) {
        const TVYXPropItem& item = chpx.Items(i);
        const int id = item.Id;
        if (id > 0 && id <= vyciRTL) {
            if (auto field = cChpBoolField[id])
                this->*field = item.ValBool();
        } else if (auto color = ChpColorField(id))
            this->*color = item.ValDWord();
        else if (id == vyciHighlightColor)
            HighlightColor = ToEnum(item.ValInt(), ahcNone, ahcNone);
        else if (id == vyciUnderline)
            Underline = ToEnum(item.ValInt(), vycuWavyDouble, vycuNone);
        else if (id == vyciSubSuperscript)
            SubSuperscript = ToEnum(item.ValInt(), vycssSuperscript, vycssNone);
        else if (id == vyciSize)
            Size = item.ValFloat();
        else if (id == vyciFontName)
            FontName = item.ValString();
        else if (id == vyciEastAsia)
            EastAsia = item.ValString();
    }
}

const TVYXCHP& TVYXCHPX::Fallback() const
{
    static const TVYXCHP cDefault;
    return FCHP ? *FCHP : cDefault;
}

void TVYXCHPX::SetCHP(TVYXCHP* chp)
{
    FCHP = chp;
    CheckTextTransform();
}

void TVYXCHPX::CheckTextTransform() { FTextTransform = FCHP && (GetSmallCaps() || GetAllCaps()); }

namespace {
bool OwnBool(const TVYXPropList& list, int id, bool def)
{
    bool v = def;
    list.GetValue(id, v);
    return v;
}
std::uint32_t OwnColor(const TVYXPropList& list, int id, std::uint32_t def)
{
    std::uint32_t v = def;
    list.GetValue(id, v);
    return v;
}
double OwnFloat(const TVYXPropList& list, int id, double def)
{
    double v = def;
    list.GetValue(id, v);
    return v;
}
}  // namespace

bool TVYXCHPX::GetBold() const { return OwnBool(*this, vyciBold, Fallback().Bold); }
bool TVYXCHPX::GetItalic() const { return OwnBool(*this, vyciItalic, Fallback().Italic); }
bool TVYXCHPX::GetStrikeThrough() const { return OwnBool(*this, vyciStrikeThrough, Fallback().StrikeTrough); }
bool TVYXCHPX::GetHidden() const { return OwnBool(*this, vyciHidden, Fallback().Hidden); }
bool TVYXCHPX::GetShadow() const { return OwnBool(*this, vyciShadow, Fallback().Shadow); }
bool TVYXCHPX::GetOutline() const { return OwnBool(*this, vyciOutline, Fallback().Outline); }
bool TVYXCHPX::GetEmboss() const { return OwnBool(*this, vyciEmboss, Fallback().Emboss); }
bool TVYXCHPX::GetEngrave() const { return OwnBool(*this, vyciEngrave, Fallback().Engrave); }
bool TVYXCHPX::GetSmallCaps() const { return OwnBool(*this, vyciSmallCaps, Fallback().SmallCaps); }
bool TVYXCHPX::GetAllCaps() const { return OwnBool(*this, vyciAllCaps, Fallback().AllCaps); }
bool TVYXCHPX::GetRTL() const { return OwnBool(*this, vyciRTL, Fallback().RTL); }
TVYXColor TVYXCHPX::GetColor() const { return OwnColor(*this, vyciColor, Fallback().Color); }
TVYXColor TVYXCHPX::GetFillColor() const { return OwnColor(*this, vyciFillColor, Fallback().FillColor); }
TVYXColor TVYXCHPX::GetUnderlineColor() const
{
    return OwnColor(*this, vyciUnderlineColor, Fallback().UnderlineColor);
}
TVYXColor TVYXCHPX::GetColorHLinkHoover() const
{
    return OwnColor(*this, vyciColorHLinkHoover, Fallback().ColorHLinkHoover);
}
TVYXColor TVYXCHPX::GetColorHLinkVisited() const
{
    return OwnColor(*this, vyciColorHLinkVisited, Fallback().ColorHLinkVisited);
}

TVYXHighlighColor TVYXCHPX::GetHighlightColor() const
{
    const auto* item = FindItem(vyciHighlightColor);
    return item ? ToEnum(item->ValInt(), ahcNone, ahcNone) : Fallback().HighlightColor;
}

TVYXChpUnderline TVYXCHPX::GetUnderline() const
{
    const auto* item = FindItem(vyciUnderline);
    return item ? ToEnum(item->ValInt(), vycuWavyDouble, vycuNone) : Fallback().Underline;
}

TVYXChpSubSuperscript TVYXCHPX::GetSubSuperscript() const
{
    const auto* item = FindItem(vyciSubSuperscript);
    return item ? ToEnum(item->ValInt(), vycssSuperscript, vycssNone) : Fallback().SubSuperscript;
}

double TVYXCHPX::GetSize() const { return OwnFloat(*this, vyciSize, Fallback().Size); }

TVYXCharStyle* TVYXCHPX::GetStyle() const
{
    TVYXStyle* style = GetAsStyle(vyciStyle);
    return style && style->Type_() == astCharRun ? static_cast<TVYXCharStyle*>(style) : nullptr;
}

void TVYXCHPX::SetStyle(TVYXCharStyle* style)
{
    if (style)
        SetAsObject(vyciStyle, static_cast<TVYXStyle*>(style));
    else
        Remove(vyciStyle);
}

TVYXDocPropBorder* TVYXCHPX::GetBorder() const
{
    return dynamic_cast<TVYXDocPropBorder*>(GetAsOwnedObject(vyciBorder));
}

TVYXRevisionData* TVYXCHPX::GetRevision() const
{
    return dynamic_cast<TVYXRevisionData*>(GetAsOwnedObject(vyciRevision));
}

std::u16string TVYXCHPX::GetFontName() const
{
    std::u16string name;
    if (GetValue(vyciFontName, name))
        return name;
    if (const auto* style = GetStyle(); style && style->CHPX().GetValue(vyciFontName, name))
        return name;
    return Fallback().FontName;
}

std::u16string TVYXCHPX::GetEastAsia() const
{
    std::u16string name;
    if (GetValue(vyciEastAsia, name))
        return name;
    if (const auto* style = GetStyle(); style && style->CHPX().GetValue(vyciEastAsia, name))
        return name;
    return Fallback().EastAsia;
}

std::u16string TVYXCHPX::GetAscii() const
{
    std::u16string name;
    return GetValue(vyciAscii, name) ? name : Fallback().Ascii;
}

std::u16string TVYXCHPX::GethAnsi() const
{
    std::u16string name;
    return GetValue(vycihAnsi, name) ? name : Fallback().hAnsi;
}

namespace {
// Own non-zero value, else the first non-zero one up the character style chain.
std::uint32_t StyledNonZero(const TVYXCHPX& chpx, int id)
{
    if (const auto own = static_cast<std::uint32_t>(chpx.GetAsInteger(id)))
        return own;
    const TVYXStyle* style = chpx.GetStyle();
    for (int depth = 0; style && depth < cMaxStyleDepth; ++depth, style = style->BasedOn)
        if (const TVYXCHPX* styleChpx = style->StyleCHPX())
            if (const auto v = static_cast<std::uint32_t>(styleChpx->GetAsInteger(id)))
                return v;
    return 0;
}
}  // namespace

TVYXColor TVYXCHPX::GetStyledColor() const { return StyledNonZero(*this, vyciColor); }
TVYXChpUnderline TVYXCHPX::GetStyledUnderline() const
{
    return ToEnum(static_cast<std::int32_t>(StyledNonZero(*this, vyciUnderline)), vycuWavyDouble, vycuNone);
}
TVYXColor TVYXCHPX::GetStyledUnderlineColor() const { return StyledNonZero(*this, vyciUnderlineColor); }

void TVYXCHPX::SetSmallCaps(bool value) { SetAsBoolean(vyciSmallCaps, value); }
void TVYXCHPX::SetAllCaps(bool value) { SetAsBoolean(vyciAllCaps, value); }

TVYXDocPropBorder* TVYXCHPX::AddBorder()
{
    if (auto* border = GetBorder())
        return border;
    auto border = std::make_unique<TVYXDocPropBorder>();
    border->SetVals(0, 0, stbSingle, 0);
    return static_cast<TVYXDocPropBorder*>(SetAsOwnedObject(vyciBorder, std::move(border)));
}

void TVYXCHPX::AddRevision(std::unique_ptr<TVYXRevisionData> data) { SetAsOwnedObject(vyciRevision, std::move(data)); }

bool TVYXCHPX::GetChpxAsBoolean(std::int32_t id) const
{
    if (id == vyciMisspelled)
        return GetMisspelled();
    if (id > 0 && id <= vyciRTL && cChpBoolField[id])
        return OwnBool(*this, id, Fallback().*cChpBoolField[id]);
    return false;
}

std::int32_t TVYXCHPX::GetChpxAsInteger(std::int32_t id) const
{
    switch (id) {
    case vyciHighlightColor: return GetHighlightColor();
    case vyciUnderline: return GetUnderline();
    case vyciSubSuperscript: return GetSubSuperscript();
    default: break;
    }
    if (auto field = ChpColorField(id))
        return static_cast<std::int32_t>(OwnColor(*this, id, Fallback().*field));
    return 0;
}

double TVYXCHPX::GetChpxAsFloat(std::int32_t id) const { return id == vyciSize ? GetSize() : 0.0; }
std::u16string TVYXCHPX::GetChpxAsString(std::int32_t id) const
{
    return id == vyciFontName ? GetFontName() : std::u16string();
}

void TVYXCHPX::SetChpxAsBoolean(std::int32_t id, bool value)
{
    if (IsBoolean(id))
        SetAsBoolean(id, value);
}

std::string_view TVYXCHPX::IdName(std::int32_t id) const { return FromTable(cChpNames, id, std::string_view()); }

std::string TVYXCHPX::GetAsText(std::int32_t id) const
{
    const auto* item = FindItem(id);
    if (item && ChpColorField(id)) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.8X", item->ValDWord());
        return buf;
    }
    if (item && id == vyciUnderline)
        return std::string(VYXChpUnderlineName[ToEnum(item->ValInt(), vycuWavyDouble, vycuNone)]);
    return TVYXPropList::GetAsText(id);
}

void TVYXCHPX::GetDebugList(TVYXStringList& list, std::string_view prefix) const { DebugLines(list, prefix); }

// Grammar of the codes (each one backslash and a letter, the first other character ends them):
//   codes := { "\" ( "b" | "B" | "i" | "I" | "u" | "U" | "s" d d | "C" h h h h h h | "F" '"' name '"' ) }
void TVYXCHPX::AssignFmtText(std::u16string_view text, std::u16string& plainText)
{
    std::size_t i = 0;
    auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    auto isHex = [&](char16_t c) { return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); };
    while (i + 1 < text.size() && text[i] == u'\\') {
        const char16_t code = text[i + 1];
        i += 2;
        switch (code) {
        case u'b': SetBold(false); break;
        case u'B': SetBold(true); break;
        case u'i': SetItalic(false); break;
        case u'I': SetItalic(true); break;
        case u'u': SetUnderline(vycuNone); break;
        case u'U': SetUnderline(vycuSingle); break;
        case u's': {
            const std::u16string_view digits = text.substr(i, 2);
            int size = 10;
            if (digits.size() == 2 && isDigit(digits[0]) && isDigit(digits[1]))
                size = std::clamp((digits[0] - u'0') * 10 + (digits[1] - u'0'), 1, 99);
            i += digits.size();
            SetSize(size);
            break;
        }
        case u'C': {
            const std::u16string_view hex = text.substr(i, 6);
            if (hex.size() == 6 && std::all_of(hex.begin(), hex.end(), isHex)) {
                std::uint32_t color = 0;
                for (char16_t c : hex)
                    color = color * 16 + static_cast<std::uint32_t>(isDigit(c) ? c - u'0' : (c | 0x20) - u'a' + 10);
                SetColor(color);
                i += 6;
            }
            break;
        }
        case u'F':
            if (i < text.size() && text[i] == u'"') {
                const auto close = text.find(u'"', i + 1);
                if (close != std::u16string_view::npos) {
                    SetFontName(text.substr(i + 1, close - i - 1));
                    i = close + 1;
                }
            }
            break;
        default: break;  // an unknown code is skipped
        }
    }
    plainText = std::u16string(text.substr(i));
}

// ---- Paragraph properties ----------------------------------------------------

void TVYXPAP::Clear()
{
    IndentLeft = IndentRight = IndentFirstLine = IndentHanging = 0;
    LineSpacing = 1.08;
    SpaceBefore = 0;
    SpaceAfter = 8.0;
    ContextualSpacing = false;
    Alignment = vyptaLeft;
    Color = cVYXAutoColor;
    NoWrap = false;
    OutlineLevel = 0;
    LineSpacingType = aplstMultiple;
}

void TVYXPAP::SetDefault(bool compatible)
{
    Clear();
    if (compatible) {
        LineSpacing = 1.0;
        LineSpacingType = aplstSingle;
        SpaceAfter = 0;
    }
}

void TVYXPAP::Assign(const TVYXPAP& source)
{
    if (&source == this)
        return;
    IndentLeft = source.IndentLeft;
    IndentRight = source.IndentRight;
    IndentFirstLine = source.IndentFirstLine;
    IndentHanging = source.IndentHanging;
    LineSpacing = source.LineSpacing;
    SpaceBefore = source.SpaceBefore;
    SpaceAfter = source.SpaceAfter;
    ContextualSpacing = source.ContextualSpacing;
    Alignment = source.Alignment;
    Color = source.Color;
    NoWrap = source.NoWrap;
    OutlineLevel = source.OutlineLevel;
    LineSpacingType = source.LineSpacingType;
    InheritPAPX = source.InheritPAPX;
}

namespace {
double TVYXPAP::* PapFloatField(int id)
{
    static constexpr double TVYXPAP::* cFields[] = {
        &TVYXPAP::IndentLeft,  &TVYXPAP::IndentRight, &TVYXPAP::IndentFirstLine, &TVYXPAP::IndentHanging,
        &TVYXPAP::LineSpacing, &TVYXPAP::SpaceBefore, &TVYXPAP::SpaceAfter};
    return id >= vypiIndentLeft && id <= vypiSpaceAfter ? cFields[id - vypiIndentLeft] : nullptr;
}
}  // namespace

void TVYXPAP::Merge(const TVYXPAPX& papx)
{
    for (int i = 0; i < papx.Count(); ++i) {
        const TVYXPropItem& item = papx.Items(i);
        if (auto field = PapFloatField(item.Id)) {
            this->*field = item.ValFloat();
            continue;
        }
        switch (item.Id) {
        case vypiNoWrap: NoWrap = item.ValBool(); break;
        case vypiAlignment: Alignment = ToEnum(item.ValInt(), vyptaJustify, vyptaLeft); break;
        case vypiColor: Color = item.ValDWord(); break;
        case vypiOutlineLevel: OutlineLevel = item.ValInt(); break;
        case vypiLineSpacingType: LineSpacingType = ToEnum(item.ValInt(), aplstMultiple, aplstMultiple); break;
        default: break;
        }
    }
}

TVYXPAPX::~TVYXPAPX() = default;

const TVYXPAP& TVYXPAPX::Fallback() const
{
    static const TVYXPAP cDefault;
    return FPAP ? *FPAP : cDefault;
}

TVYXCHPX* TVYXPAPX::AddCHPX(TVYXCHP* chp)
{
    if (!FCHPX)
        FCHPX = std::make_unique<TVYXCHPX>(chp);
    return FCHPX.get();
}

void TVYXPAPX::AssignExtras(const TVYXPropList& source, const TVYXStyles* sourceStyles, TVYXStyles* targetStyles)
{
    const auto* papx = dynamic_cast<const TVYXPAPX*>(&source);
    if (!papx)
        return;
    RTL = papx->RTL;
    if (!papx->FCHPX) {
        FCHPX.reset();
        return;
    }
    AddCHPX(papx->FCHPX->CHP());
    FCHPX->Assign(*papx->FCHPX, sourceStyles, targetStyles);
}

bool TVYXPAPX::GetNoWrap() const { return OwnBool(*this, vypiNoWrap, Fallback().NoWrap); }

TVYXPapTextAlign TVYXPAPX::GetAlignment() const
{
    const auto* item = FindItem(vypiAlignment);
    return item ? ToEnum(item->ValInt(), vyptaJustify, vyptaLeft) : Fallback().Alignment;
}

TVYXColor TVYXPAPX::GetColor() const { return OwnColor(*this, vypiColor, Fallback().Color); }

std::int32_t TVYXPAPX::GetOutlineLevel() const
{
    std::int32_t v = Fallback().OutlineLevel;
    GetValue(vypiOutlineLevel, v);
    return v;
}

TVYXPAPLineSpacingType TVYXPAPX::GetLineSpacingType() const
{
    const auto* item = FindItem(vypiLineSpacingType);
    return item ? ToEnum(item->ValInt(), aplstMultiple, aplstMultiple) : Fallback().LineSpacingType;
}

double TVYXPAPX::GetIndentLeft() const { return OwnFloat(*this, vypiIndentLeft, Fallback().IndentLeft); }
double TVYXPAPX::GetIndentRight() const { return OwnFloat(*this, vypiIndentRight, Fallback().IndentRight); }
double TVYXPAPX::GetIndentFirstLine() const
{
    return OwnFloat(*this, vypiIndentFirstLine, Fallback().IndentFirstLine);
}
double TVYXPAPX::GetIndentHanging() const { return OwnFloat(*this, vypiIndentHanging, Fallback().IndentHanging); }
double TVYXPAPX::GetSpaceBefore() const { return OwnFloat(*this, vypiSpaceBefore, Fallback().SpaceBefore); }
double TVYXPAPX::GetSpaceAfter() const { return OwnFloat(*this, vypiSpaceAfter, Fallback().SpaceAfter); }

TVYXParaStyle* TVYXPAPX::GetStyle() const
{
    TVYXStyle* style = GetAsStyle(vypiStyle);
    return style && style->Type_() == astPara ? static_cast<TVYXParaStyle*>(style) : nullptr;
}

void TVYXPAPX::SetStyle(TVYXParaStyle* style)
{
    if (style)
        SetAsObject(vypiStyle, static_cast<TVYXStyle*>(style));
    else
        Remove(vypiStyle);
}

namespace {
// The first style list up the paragraph's style chain for which `pick` answers.
template <class F>
bool ForStyleChain(const TVYXPAPX& papx, F pick)
{
    const TVYXStyle* style = papx.GetStyle();
    for (int depth = 0; style && depth < cMaxStyleDepth; ++depth, style = style->BasedOn)
        if (const TVYXPAPX* stylePapx = style->StylePAPX(); stylePapx && stylePapx != &papx && pick(*stylePapx))
            return true;
    return false;
}
}  // namespace

double TVYXPAPX::GetLineSpacing() const
{
    double v = 0;
    if (GetValue(vypiLineSpacing, v))
        return v;
    if (ForStyleChain(*this, [&](const TVYXPAPX& s) { return s.GetValue(vypiLineSpacing, v); }))
        return v;
    return Fallback().LineSpacing;
}

TVYXPapTextAlign TVYXPAPX::GetStyleAlignment() const
{
    std::int32_t v = 0;
    if (GetValue(vypiAlignment, v) ||
        ForStyleChain(*this, [&](const TVYXPAPX& s) { return s.GetValue(vypiAlignment, v); }))
        return ToEnum(v, vyptaJustify, vyptaLeft);
    return vyptaLeft;
}

TVYXColor TVYXPAPX::GetStyleColor() const
{
    std::uint32_t v = 0;
    if (GetValue(vypiColor, v) || ForStyleChain(*this, [&](const TVYXPAPX& s) { return s.GetValue(vypiColor, v); }))
        return v;
    return cVYXAutoColor;
}

double TVYXPAPX::GetStyledIndentLeft() const
{
    double v = 0;
    if (GetValue(vypiIndentLeft, v) ||
        ForStyleChain(*this, [&](const TVYXPAPX& s) { return s.GetValue(vypiIndentLeft, v); }))
        return v;
    return 0;
}

double TVYXPAPX::GetStyledIndentHanging() const
{
    double v = 0;
    if (GetValue(vypiIndentHanging, v) ||
        ForStyleChain(*this, [&](const TVYXPAPX& s) { return s.GetValue(vypiIndentHanging, v); }))
        return v;
    return 0;
}

std::int32_t TVYXPAPX::GetStyledOutlineLevel() const
{
    std::int32_t v = 0;
    if (GetValue(vypiOutlineLevel, v) ||
        ForStyleChain(*this, [&](const TVYXPAPX& s) { return s.GetValue(vypiOutlineLevel, v); }))
        return v;
    return 0;
}

double TVYXPAPX::GetStyledSpaceBefore() const
{
    double v = 0;
    if (GetValue(vypiSpaceBefore, v) ||
        ForStyleChain(*this, [&](const TVYXPAPX& s) { return (v = s.GetSpaceBefore()) != 0; }))
        return v;
    return Fallback().SpaceBefore;
}

double TVYXPAPX::GetStyledSpaceAfter() const
{
    double v = 0;
    if (GetValue(vypiSpaceAfter, v) ||
        ForStyleChain(*this, [&](const TVYXPAPX& s) { return (v = s.GetSpaceAfter()) != 0; }))
        return v;
    return Fallback().SpaceAfter;
}

TVYXDocPropBorder* TVYXPAPX::GetBorder(TVYXPapId id) const
{
    return dynamic_cast<TVYXDocPropBorder*>(GetAsOwnedObject(id));
}

TVYXDocPropBorder* TVYXPAPX::AddBorder(TVYXPapId id)
{
    if (auto* border = GetBorder(id))
        return border;
    auto border = std::make_unique<TVYXDocPropBorder>();
    border->Style = stbSingle;
    return static_cast<TVYXDocPropBorder*>(SetAsOwnedObject(id, std::move(border)));
}

void TVYXPAPX::AddBorders()
{
    for (auto id : {vypiBorderLeft, vypiBorderTop, vypiBorderRight, vypiBorderBottom})
        AddBorder(id);
}

bool TVYXPAPX::HasBorders() const
{
    return GetBorderLeft() || GetBorderTop() || GetBorderRight() || GetBorderBottom();
}

void TVYXPAPX::GetBorders(TVYXDocPropBorders& borders) const
{
    constexpr std::pair<TVYXPapId, TVYXBorderSide> cSides[] = {
        {vypiBorderLeft, abrsLeft}, {vypiBorderTop, abrsTop}, {vypiBorderRight, abrsRight},
        {vypiBorderBottom, abrsBottom}};
    for (auto [id, side] : cSides)
        if (auto* border = GetBorder(id))
            borders.SetSideRef(side, border);
}

void TVYXPAPX::CopyTo(TVYXDocPropBorders& borders) const
{
    constexpr std::pair<TVYXPapId, TVYXBorderSide> cSides[] = {
        {vypiBorderLeft, abrsLeft}, {vypiBorderTop, abrsTop}, {vypiBorderRight, abrsRight},
        {vypiBorderBottom, abrsBottom}};
    for (auto [id, side] : cSides)
        if (auto* border = GetBorder(id))
            borders.AddSide(side)->Assign(*border);
}

TVYXPAPXShade* TVYXPAPX::GetShade() const { return dynamic_cast<TVYXPAPXShade*>(GetAsOwnedObject(vypiShade)); }
TVYXTabStops* TVYXPAPX::GetTabStops() const { return dynamic_cast<TVYXTabStops*>(GetAsOwnedObject(vypiTabStops)); }
TVYXRevisionData* TVYXPAPX::GetRevision() const
{
    return dynamic_cast<TVYXRevisionData*>(GetAsOwnedObject(vypiRevision));
}

TVYXPAPXShade* TVYXPAPX::AddShade()
{
    if (auto* shade = GetShade())
        return shade;
    return static_cast<TVYXPAPXShade*>(SetAsOwnedObject(vypiShade, std::make_unique<TVYXPAPXShade>()));
}

TVYXTabStops* TVYXPAPX::AddTabStops(const TVYXDOP*)
{
    if (auto* tabs = GetTabStops())
        return tabs;
    return static_cast<TVYXTabStops*>(SetAsOwnedObject(vypiTabStops, std::make_unique<TVYXTabStops>()));
}

void TVYXPAPX::AddRevision(std::unique_ptr<TVYXRevisionData> data) { SetAsOwnedObject(vypiRevision, std::move(data)); }

double TVYXPAPX::NumberingNumIndent() const
{
    const TVYXNumbering* num = GetNumbering();
    double own = 0;
    if (GetValue(vypiIndentLeft, own))
        return num ? own - num->PAPX().GetIndentHanging() : own;
    return num ? num->PAPX().GetIndentLeft() - num->PAPX().GetIndentHanging() : 0;
}

std::string_view TVYXPAPX::IdName(std::int32_t id) const { return FromTable(cPapNames, id, std::string_view()); }
void TVYXPAPX::GetDebugList(TVYXStringList& list, std::string_view prefix) const
{
    DebugLines(list, prefix);
    if (FCHPX)
        FCHPX->GetDebugList(list, std::string(prefix) + "  ");
}

// ---- Table properties ----------------------------------------------------------

void TVYXTAP::Clear()
{
    Style = nullptr;
    CellMargLeft = CellMargRight = 5.6;
    CellMargTop = CellMargBottom = 0;
    Alignment = vyptaLeft;
    Indent = Width = 0;
    WidthType = atwtNone;
    Caption.clear();
}

void TVYXTAP::Assign(const TVYXTAP& source)
{
    if (&source == this)
        return;
    Style = source.Style;
    CellMargLeft = source.CellMargLeft;
    CellMargTop = source.CellMargTop;
    CellMargRight = source.CellMargRight;
    CellMargBottom = source.CellMargBottom;
    Alignment = source.Alignment;
    Indent = source.Indent;
    Width = source.Width;
    WidthType = source.WidthType;
    Caption = source.Caption;
}

TVYXTAPX::~TVYXTAPX() = default;

TTAPXFloating* TVYXTAPX::CreateFloating()
{
    if (!FFloating)
        FFloating = std::make_unique<TTAPXFloating>();
    return FFloating.get();
}

void TVYXTAPX::AssignExtras(const TVYXPropList& source, const TVYXStyles*, TVYXStyles*)
{
    const auto* tapx = dynamic_cast<const TVYXTAPX*>(&source);
    if (!tapx)
        return;
    Caption = tapx->Caption;
    if (tapx->FFloating)
        *CreateFloating() = *tapx->FFloating;
    else
        FFloating.reset();
}

TVYXPapTextAlign TVYXTAPX::GetAlignment() const
{
    const auto* item = FindItem(vytiAlignment);
    return item ? ToEnum(item->ValInt(), vyptaJustify, vyptaLeft) : (FTAP ? FTAP->Alignment : vyptaLeft);
}

TVYXTAPWidthType TVYXTAPX::GetWidthType() const
{
    const auto* item = FindItem(vytiWidthType);
    return item ? ToEnum(item->ValInt(), atwtPoints, atwtNone) : (FTAP ? FTAP->WidthType : atwtNone);
}

TVYXTableStyle* TVYXTAPX::GetStyle() const
{
    if (const auto* item = FindItem(vytiStyle)) {
        TVYXStyle* style = item->ValStyle();
        return style && style->Type_() == astTable ? static_cast<TVYXTableStyle*>(style) : nullptr;
    }
    return FTAP ? FTAP->Style : nullptr;
}

void TVYXTAPX::SetStyle(TVYXTableStyle* style)
{
    if (style)
        SetAsObject(vytiStyle, static_cast<TVYXStyle*>(style));
    else
        Remove(vytiStyle);
}

TVYXDocPropBorder* TVYXTAPX::GetBorder(TVYXTapId id) const
{
    if (auto* own = dynamic_cast<TVYXDocPropBorder*>(GetAsOwnedObject(id)))
        return own;
    const TVYXTableStyle* style = GetStyle();
    if (style && &style->TAPX() != this)
        return dynamic_cast<TVYXDocPropBorder*>(style->TAPX().GetAsOwnedObject(id));
    return nullptr;
}

double TVYXTAPX::GetCellMarg(TVYXTapId id) const
{
    double v = 0;
    if (GetValue(id, v))
        return v;
    const TVYXTableStyle* style = GetStyle();
    if (style && &style->TAPX() != this && style->TAPX().GetValue(id, v))
        return v;
    if (!FTAP)
        return 0;
    switch (id) {
    case vytiCellMargLeft: return FTAP->CellMargLeft;
    case vytiCellMargTop: return FTAP->CellMargTop;
    case vytiCellMargRight: return FTAP->CellMargRight;
    default: return FTAP->CellMargBottom;
    }
}

double TVYXTAPX::CalcCellMargLeft(const TVYXTableCellProps* cell) const
{
    return cell && cell->MargLeftSet ? cell->MargLeft : GetCellMargLeft();
}

double TVYXTAPX::CalcCellMargRight(const TVYXTableCellProps* cell) const
{
    return cell && cell->MargRightSet ? cell->MargRight : GetCellMargRight();
}

TVYXDocPropBorder* TVYXTAPX::AddBorder(TVYXTapId id)
{
    if (TapxVarType(id) != vycitOwnedObject)
        return nullptr;
    if (auto* own = dynamic_cast<TVYXDocPropBorder*>(GetAsOwnedObject(id)))
        return own;
    return static_cast<TVYXDocPropBorder*>(SetAsOwnedObject(id, std::make_unique<TVYXDocPropBorder>()));
}

void TVYXTAPX::AddBorders()
{
    for (int id = vytiBorderLeft; id <= vytiBorderInsideHoriz; ++id)
        AddBorder(static_cast<TVYXTapId>(id));
}

void TVYXTAPX::SetDefaultBorders()
{
    for (auto id : {vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom})
        AddBorder(id)->SetVals(0.5, 0, stbSingle, 0);
}

void TVYXTAPX::RemoveBorders(bool left, bool top, bool right, bool bottom, bool insideH, bool insideV)
{
    AddBorders();
    const std::pair<TVYXTapId, bool> flags[] = {{vytiBorderLeft, left},          {vytiBorderTop, top},
                                                {vytiBorderRight, right},        {vytiBorderBottom, bottom},
                                                {vytiBorderInsideHoriz, insideH}, {vytiBorderInsideVert, insideV}};
    for (auto [id, flag] : flags)
        if (flag)
            AddBorder(id)->Style = stbNone;
}

void TVYXTAPX::ZeroMargs()
{
    SetCellMargLeft(0);
    SetCellMargTop(0);
    SetCellMargRight(0);
    SetCellMargBottom(0);
}

void TVYXTAPX::CopyTo(TVYXTableBorderProps& props) const
{
    constexpr std::pair<TVYXTapId, TVYXTableBorderSide> cSides[] = {
        {vytiBorderLeft, atbsLeft},     {vytiBorderTop, atbsTop},
        {vytiBorderRight, atbsRight},   {vytiBorderBottom, atbsBottom},
        {vytiBorderInsideHoriz, atbsInsideH}, {vytiBorderInsideVert, atbsInsideV}};
    for (auto [id, side] : cSides)
        if (auto* border = GetBorder(id))
            props.AddBorder(side)->Assign(*border);
}

std::string_view TVYXTAPX::IdName(std::int32_t id) const { return FromTable(cTapNames, id, std::string_view()); }
void TVYXTAPX::GetDebugList(TVYXStringList& list, std::string_view prefix) const { DebugLines(list, prefix); }

// ---- Stacks --------------------------------------------------------------------

std::unique_ptr<TVYXCHPX> VYXStackCopy(const TVYXCHPX& chpx)
{
    auto copy = std::make_unique<TVYXCHPX>(chpx.CHP());
    copy->Assign(chpx, nullptr, nullptr);
    return copy;
}

std::unique_ptr<TVYXPAPX> VYXStackCopy(const TVYXPAPX& papx)
{
    auto copy = std::make_unique<TVYXPAPX>(papx.PAP());
    copy->Assign(papx, nullptr, nullptr);
    return copy;
}

std::unique_ptr<TVYXDocPropBorders> VYXStackCopy(const TVYXDocPropBorders& borders)
{
    auto copy = std::make_unique<TVYXDocPropBorders>();
    copy->Assign(borders);
    return copy;
}

void VYXStackRestore(TVYXCHPX& target, const TVYXCHPX& saved) { target.Assign(saved, nullptr, nullptr); }
void VYXStackRestore(TVYXPAPX& target, const TVYXPAPX& saved) { target.Assign(saved, nullptr, nullptr); }
void VYXStackRestore(TVYXDocPropBorders& target, const TVYXDocPropBorders& saved) { target.Assign(saved); }
