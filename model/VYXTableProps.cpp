// VYXTableProps.cpp: table properties: the dense set, reads through the table style,
// borders, cell margins and a floating table's position.
#include "model/VYXTableProps.h"

#include <utility>

#include "model/VYXPropAccess.h"
#include "model/VYXStyles.h"
#include "platform/VYXStringList.h"

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

const TVYXTAP& TVYXTAPX::Fallback() const
{
    static const TVYXTAP cDefault;
    return FTAP ? *FTAP : cDefault;
}

// The getters the id table makes (VYXPropIds.inc).
#define VYX_TAP(Id, Name, Kind, Access, Type, Field) VYX_PROP_GET(Access, TVYXTAPX, Id, Name, Type, Field)
#include "model/VYXPropIds.inc"

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

const TVYXDocPropBorder* TVYXTAPX::GetBorder(TVYXTapId id) const
{
    if (auto* own = dynamic_cast<const TVYXDocPropBorder*>(GetAsOwnedObject(id)))
        return own;
    const TVYXTableStyle* style = GetStyle();
    if (style && &style->TAPX() != this)
        return dynamic_cast<const TVYXDocPropBorder*>(style->TAPX().GetAsOwnedObject(id));
    return nullptr;
}

TVYXDocPropBorder* TVYXTAPX::GetBorder(TVYXTapId id)
{
    if (auto* own = dynamic_cast<TVYXDocPropBorder*>(GetAsOwnedObject(id)))
        return own;
    TVYXTableStyle* style = GetStyle();
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

std::string_view TVYXTAPX::IdName(std::int32_t id) const { return VYXTapIdName(id); }
void TVYXTAPX::GetDebugList(TVYXStringList& list, std::string_view prefix) const { DebugLines(list, prefix); }
