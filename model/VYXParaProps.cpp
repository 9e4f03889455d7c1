// VYXParaProps.cpp: paragraph properties: the dense set, reads through the paragraph
// style chain, borders, shading, tab stops and list indents.
#include "model/VYXParaProps.h"

#include <utility>

#include "model/VYXNumbering.h"
#include "model/VYXPropAccess.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "platform/VYXStringList.h"

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
        case vypiAlignment: Alignment = VYXToEnum<TVYXPapTextAlign>(item.ValInt()); break;
        case vypiColor: Color = item.ValDWord(); break;
        case vypiOutlineLevel: OutlineLevel = item.ValInt(); break;
        case vypiLineSpacingType: LineSpacingType = VYXToEnum<TVYXPAPLineSpacingType>(item.ValInt()); break;
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

// The getters the id table makes (VYXPropIds.inc).
#define VYX_PAP(Id, Name, Kind, Access, Type, Field) VYX_PROP_GET(Access, TVYXPAPX, Id, Name, Type, Field)
#include "model/VYXPropIds.inc"

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
    for (int depth = 0; style && depth < cVYXMaxStyleDepth; ++depth, style = style->BasedOn)
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
        return VYXToEnum<TVYXPapTextAlign>(v);
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

const TVYXDocPropBorder* TVYXPAPX::GetBorder(TVYXPapId id) const
{
    return dynamic_cast<const TVYXDocPropBorder*>(GetAsOwnedObject(id));
}

TVYXDocPropBorder* TVYXPAPX::GetBorder(TVYXPapId id) { return dynamic_cast<TVYXDocPropBorder*>(GetAsOwnedObject(id)); }

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

const TVYXPAPXShade* TVYXPAPX::GetShade() const
{
    return dynamic_cast<const TVYXPAPXShade*>(GetAsOwnedObject(vypiShade));
}
TVYXPAPXShade* TVYXPAPX::GetShade() { return dynamic_cast<TVYXPAPXShade*>(GetAsOwnedObject(vypiShade)); }
const TVYXTabStops* TVYXPAPX::GetTabStops() const
{
    return dynamic_cast<const TVYXTabStops*>(GetAsOwnedObject(vypiTabStops));
}
TVYXTabStops* TVYXPAPX::GetTabStops() { return dynamic_cast<TVYXTabStops*>(GetAsOwnedObject(vypiTabStops)); }
const TVYXRevisionData* TVYXPAPX::GetRevision() const
{
    return dynamic_cast<const TVYXRevisionData*>(GetAsOwnedObject(vypiRevision));
}
TVYXRevisionData* TVYXPAPX::GetRevision() { return dynamic_cast<TVYXRevisionData*>(GetAsOwnedObject(vypiRevision)); }

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

std::string_view TVYXPAPX::IdName(std::int32_t id) const { return VYXPapIdName(id); }
void TVYXPAPX::GetDebugList(TVYXStringList& list, std::string_view prefix) const
{
    DebugLines(list, prefix);
    if (FCHPX)
        FCHPX->GetDebugList(list, std::string(prefix) + "  ");
}
