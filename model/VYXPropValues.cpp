// VYXPropValues.cpp: owned property values (borders, border sets, tab stops, shading),
// table border properties and the names of value enumerations.
#include "model/VYXPropValues.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "platform/VYXException.h"

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
    if (!FOwned[side]) {
        auto own = std::make_unique<TVYXDocPropBorder>();
        if (FSides[side])
            own->Assign(*FSides[side]);
        FSides[side] = own.get();
        FOwned[side] = std::move(own);
    }
    return FOwned[side].get();
}

void TVYXDocPropBorders::AddAll()
{
    for (auto side : {abrsLeft, abrsTop, abrsRight, abrsBottom})
        AddSide(side);
}

void TVYXDocPropBorders::SetSideRef(TVYXBorderSide side, const TVYXDocPropBorder* border)
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

namespace {
// One body for the const and the writable lookups: `Self` is the possibly const owner.
const TVYXDocPropBorder* SideOf(const TVYXDocPropBorders& borders, TVYXBorderSide side)
{
    return borders.Side(side);
}

TVYXDocPropBorder* SideOf(TVYXDocPropBorders& borders, TVYXBorderSide side) { return borders.EditSide(side); }

template <class Self>
auto* TableBorderOf(Self& props, TVYXTableBorderSide side)
{
    using TBorder = std::remove_pointer_t<decltype(SideOf(props.Borders, abrsLeft))>;
    switch (side) {
    case atbsLeft: case atbsTop: case atbsRight: case atbsBottom:
        return SideOf(props.Borders, static_cast<TVYXBorderSide>(side));
    case atbsInsideH: return static_cast<TBorder*>(props.BorderInsideH.get());
    case atbsInsideV: return static_cast<TBorder*>(props.BorderInsideV.get());
    default: return static_cast<TBorder*>(nullptr);
    }
}

template <class Self>
auto* CellBorderOf(Self& props, TVYXTableBorderSide side)
{
    using TBorder = std::remove_pointer_t<decltype(SideOf(props.Borders, abrsLeft))>;
    if (side == atbsTl2br)
        return static_cast<TBorder*>(props.BorderTl2br.get());
    if (side == atbsTr2bl)
        return static_cast<TBorder*>(props.BorderTr2bl.get());
    return TableBorderOf(props, side);
}
}  // namespace

const TVYXDocPropBorders* TVYXDocPropBordersList::LastAllAssigned() const
{
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
        if ((*it)->AllAssigned())
            return it->get();
    return nullptr;
}

TVYXDocPropBorders* TVYXDocPropBordersList::LastAllAssigned()
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

const TVYXDocPropBorder* TVYXTableBorderProps::GetBorder(TVYXTableBorderSide side) const
{
    return TableBorderOf(*this, side);
}

TVYXDocPropBorder* TVYXTableBorderProps::GetBorder(TVYXTableBorderSide side) { return TableBorderOf(*this, side); }

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

const TVYXDocPropBorder* TVYXTableCellProps::GetBorder(TVYXTableBorderSide side) const
{
    return CellBorderOf(*this, side);
}

TVYXDocPropBorder* TVYXTableCellProps::GetBorder(TVYXTableBorderSide side) { return CellBorderOf(*this, side); }

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
