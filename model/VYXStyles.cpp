// VYXStyles.cpp: styles of the four kinds and the style sheet.
#include "model/VYXStyles.h"

#include <algorithm>

#include "platform/VYXException.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

TVYXStyle::~TVYXStyle() = default;

std::unique_ptr<TVYXStyle> TVYXStyle::CreateSame() const { throw VYXException("__TODO__"); }

void TVYXStyle::Assign(const TVYXStyle& source, const TVYXStyles* sourceStyles)
{
    if (&source == this)
        return;
    BasedOn = source.BasedOn && FStyles ? FStyles->Find(source.BasedOn->Id) : nullptr;
    if (BasedOn == this)
        BasedOn = nullptr;
    Default = source.Default;
    Priority = source.Priority;
    Hidden = source.Hidden;
    DoAssign(source, sourceStyles);
}

TVYXParaStyle::TVYXParaStyle(TVYXStyles* styles)
    : TVYXStyle(styles),
      FPAPX(std::make_unique<TVYXPAPX>(styles ? &styles->MasterPAP() : nullptr)),
      FCHPX(std::make_unique<TVYXCHPX>(styles ? &styles->MasterCHP() : nullptr))
{
}
TVYXParaStyle::~TVYXParaStyle() = default;

void TVYXParaStyle::DoAssign(const TVYXStyle& source, const TVYXStyles* sourceStyles)
{
    const auto* para = dynamic_cast<const TVYXParaStyle*>(&source);
    if (!para)
        return;
    TVYXStyles* sheet = Styles();
    auto map = [&](const TVYXStyle* s) -> TVYXStyle* {
        if (!s)
            return nullptr;
        if (s == &source)
            return this;
        return sheet ? sheet->AddIfNotHas(*s, sourceStyles) : nullptr;
    };
    Next = map(para->Next);
    Link = map(para->Link);
    FPAPX->Assign(*para->FPAPX, sourceStyles, sheet);
    FCHPX->Assign(*para->FCHPX, sourceStyles, sheet);
}

TVYXCharStyle::TVYXCharStyle(TVYXStyles* styles)
    : TVYXStyle(styles), FCHPX(std::make_unique<TVYXCHPX>(styles ? &styles->MasterCHP() : nullptr))
{
}
TVYXCharStyle::~TVYXCharStyle() = default;

void TVYXCharStyle::DoAssign(const TVYXStyle& source, const TVYXStyles* sourceStyles)
{
    if (const auto* ch = dynamic_cast<const TVYXCharStyle*>(&source))
        FCHPX->Assign(*ch->FCHPX, sourceStyles, Styles());
}

TVYXTableStyleProp::~TVYXTableStyleProp() = default;

TVYXPAPX* TVYXTableStyleProp::AddPAPX()
{
    if (!FPAPX)
        FPAPX = std::make_unique<TVYXPAPX>(FStyles ? &FStyles->MasterPAP() : nullptr);
    return FPAPX.get();
}

TVYXCHPX* TVYXTableStyleProp::AddCHPX()
{
    if (!FCHPX)
        FCHPX = std::make_unique<TVYXCHPX>(FStyles ? &FStyles->MasterCHP() : nullptr);
    return FCHPX.get();
}

TVYXTAPX* TVYXTableStyleProp::AddTAPX()
{
    if (!FTAPX)
        FTAPX = std::make_unique<TVYXTAPX>(FStyles ? &FStyles->MasterTAP() : nullptr);
    return FTAPX.get();
}

TVYXTableCellProps* TVYXTableStyleProp::AddCellProps()
{
    if (!FCellProps)
        FCellProps = std::make_unique<TVYXTableCellProps>();
    return FCellProps.get();
}

TVYXTableStyleProp* TVYXTableStyleProps::Add(TVYXStyles* styles, TVYXTableStylePropsType type)
{
    if (auto* prop = Find(type))
        return prop;
    FItems.push_back(std::make_unique<TVYXTableStyleProp>(styles, type));
    return FItems.back().get();
}

TVYXTableStyleProp* TVYXTableStyleProps::FindItem(TVYXTableStylePropsType type) const
{
    for (const auto& p : FItems)
        if (p->Type == type)
            return p.get();
    return nullptr;
}

TVYXTableStyle::TVYXTableStyle(TVYXStyles* styles)
    : TVYXStyle(styles),
      FCHPX(std::make_unique<TVYXCHPX>(styles ? &styles->MasterCHP() : nullptr)),
      FPAPX(std::make_unique<TVYXPAPX>(styles ? &styles->MasterPAP() : nullptr)),
      FTAPX(std::make_unique<TVYXTAPX>(styles ? &styles->MasterTAP() : nullptr))
{
}
TVYXTableStyle::~TVYXTableStyle() = default;

TVYXTableStyleProps* TVYXTableStyle::AddProps()
{
    if (!FProps)
        FProps = std::make_unique<TVYXTableStyleProps>();
    return FProps.get();
}

TVYXTableCellProps* TVYXTableStyle::AddCellProps()
{
    if (!FCellProps)
        FCellProps = std::make_unique<TVYXTableCellProps>();
    return FCellProps.get();
}

void TVYXTableStyle::DoAssign(const TVYXStyle& source, const TVYXStyles* sourceStyles)
{
    // The character list and the conditional formats stay as they are.
    if (const auto* table = dynamic_cast<const TVYXTableStyle*>(&source)) {
        FPAPX->Assign(*table->FPAPX, sourceStyles, Styles());
        FTAPX->Assign(*table->FTAPX, sourceStyles, Styles());
    }
}

// ---- Style sheet -------------------------------------------------------------

TVYXStyles::TVYXStyles()
    : FMasterTAP(std::make_unique<TVYXTAP>()),
      FMasterPAP(std::make_unique<TVYXPAP>()),
      FMasterCHP(std::make_unique<TVYXCHP>())
{
}

TVYXStyles::~TVYXStyles()
{
    // Styles refer to each other and to the masters; drop them before the masters.
    FById.clear();
    FItems.clear();
}

void TVYXStyles::Index(TVYXStyle* style) { FById[style->Id] = style; }

TVYXStyle* TVYXStyles::Add(std::u16string_view name, std::unique_ptr<TVYXStyle> style)
{
    std::u16string id(name);
    while (Find(id))
        id += u'1';
    return Add(id, name, std::move(style));
}

TVYXStyle* TVYXStyles::Add(std::u16string_view id, std::u16string_view name, std::unique_ptr<TVYXStyle> style)
{
    style->Id = std::u16string(id);
    style->Name = std::u16string(name);
    TVYXStyle* result = style.get();
    FItems.push_back(std::move(style));
    Index(result);
    return result;
}

std::unique_ptr<TVYXStyle> TVYXStyles::CreateStyle(TVYXStyleType kind)
{
    switch (kind) {
    case astPara: return std::make_unique<TVYXParaStyle>(this);
    case astCharRun: return std::make_unique<TVYXCharStyle>(this);
    case astTable: return std::make_unique<TVYXTableStyle>(this);
    case astNumbering: break;
    }
    return std::make_unique<TVYXNumberingStyle>(this);
}

TVYXParaStyle* TVYXStyles::AddPara(std::u16string_view name)
{
    return static_cast<TVYXParaStyle*>(Add(name, CreateStyle(astPara)));
}
TVYXCharStyle* TVYXStyles::AddChar(std::u16string_view name)
{
    return static_cast<TVYXCharStyle*>(Add(name, CreateStyle(astCharRun)));
}
TVYXTableStyle* TVYXStyles::AddTable(std::u16string_view name)
{
    return static_cast<TVYXTableStyle*>(Add(name, CreateStyle(astTable)));
}
TVYXNumberingStyle* TVYXStyles::AddNumbering(std::u16string_view name)
{
    return static_cast<TVYXNumberingStyle*>(Add(name, CreateStyle(astNumbering)));
}
TVYXParaStyle* TVYXStyles::AddPara(std::u16string_view id, std::u16string_view name)
{
    return static_cast<TVYXParaStyle*>(Add(id, name, CreateStyle(astPara)));
}
TVYXCharStyle* TVYXStyles::AddChar(std::u16string_view id, std::u16string_view name)
{
    return static_cast<TVYXCharStyle*>(Add(id, name, CreateStyle(astCharRun)));
}
TVYXTableStyle* TVYXStyles::AddTable(std::u16string_view id, std::u16string_view name)
{
    return static_cast<TVYXTableStyle*>(Add(id, name, CreateStyle(astTable)));
}
TVYXNumberingStyle* TVYXStyles::AddNumbering(std::u16string_view id, std::u16string_view name)
{
    return static_cast<TVYXNumberingStyle*>(Add(id, name, CreateStyle(astNumbering)));
}

TVYXStyle* TVYXStyles::FindItem(std::u16string_view id) const
{
    auto it = FById.find(std::u16string(id));
    return it == FById.end() ? nullptr : it->second;
}

TVYXStyle* TVYXStyles::FindItemByName(std::u16string_view name, TVYXStyleType kind) const
{
    for (const auto& s : FItems)
        if (s->Type_() == kind && SameTextUnicode(s->Name, name))
            return s.get();
    return nullptr;
}

TVYXStyle* TVYXStyles::FindDefaultItem(TVYXStyleType kind) const
{
    TVYXStyle* first = nullptr;
    for (const auto& s : FItems)
        if (s->Type_() == kind) {
            if (s->Default)
                return s.get();
            if (!first)
                first = s.get();
        }
    return first;
}

void TVYXStyles::SetDefault(TVYXStyle* style)
{
    if (!style)
        return;
    for (const auto& s : FItems)
        if (s->Type_() == style->Type_())
            s->Default = false;
    style->Default = true;
}

void TVYXStyles::GetAllStyles(TVYXStringList& strings) const
{
    for (const auto& s : FItems)
        strings.Add(U8(s->Id), reinterpret_cast<std::intptr_t>(s.get()));
}

TVYXStyle* TVYXStyles::AddIfNotHas(const TVYXStyle& style, const TVYXStyles* sourceStyles)
{
    if (style.Styles() == this)
        return const_cast<TVYXStyle*>(&style);
    if (TVYXStyle* own = Find(style.Id))
        return own;
    for (const auto& [source, copy] : FCopying)
        if (source == &style)
            return copy;
    constexpr std::size_t cMaxCopyDepth = 64;  // base chains from files are short; bound the recursion
    if (FCopying.size() >= cMaxCopyDepth)
        return nullptr;
    TVYXStyle* added = Add(style.Name, CreateStyle(style.Type_()));
    FCopying.emplace_back(&style, added);
    struct TPop {
        std::vector<std::pair<const TVYXStyle*, TVYXStyle*>>& Stack;
        ~TPop() { Stack.pop_back(); }
    } pop{FCopying};
    // A base style is brought over first so the new style can point at it.
    TVYXStyle* base = style.BasedOn && style.BasedOn != &style ? AddIfNotHas(*style.BasedOn, sourceStyles) : nullptr;
    added->Assign(style, sourceStyles);
    if (style.BasedOn && !added->BasedOn && base != added)
        added->BasedOn = base;
    return added;
}

TVYXStyle* TVYXStyles::MapStyle(const TVYXStyle& style, const TVYXStyles* sourceStyles)
{
    return AddIfNotHas(style, sourceStyles);
}

TVYXStyle* TVYXStyles::MapStyleById(const TVYXStyle& style)
{
    if (TVYXStyle* found = Find(style.Id))
        return found;
    // A table style the sheet lacks is added under its name and stored.
    TVYXStyle* added = AddTable(style.Name);
    added->Assign(style, style.Styles());
    return added;
}

void TVYXStyles::Append(const TVYXStyles& other)
{
    if (&other == this)
        return;
    for (const auto& s : other.FItems)
        if (!FindByName(s->Name, s->Type_()))
            Add(s->Id, s->Name, CreateStyle(s->Type_()))->Assign(*s, &other);
}

void TVYXStyles::Assign(const TVYXStyles& other)
{
    if (&other == this)
        return;
    Clear();
    // Create every style first so base and next references find their targets.
    for (const auto& s : other.FItems)
        Add(s->Id, s->Name, CreateStyle(s->Type_()));
    for (std::size_t i = 0; i < other.FItems.size(); ++i)
        FItems[i]->Assign(*other.FItems[i], &other);
    FMasterTAP->Assign(*other.FMasterTAP);
    if (other.FMasterTAP->Style)
        FMasterTAP->Style = dynamic_cast<TVYXTableStyle*>(Find(other.FMasterTAP->Style->Id));
    FMasterPAP->Assign(*other.FMasterPAP);
    FMasterCHP->Assign(*other.FMasterCHP);
    MajorFont = other.MajorFont;
    MinorFont = other.MinorFont;
}

void TVYXStyles::Clear()
{
    FById.clear();
    FItems.clear();
    FMasterTAP->Clear();
    FMasterPAP->Clear();
    FMasterCHP->Clear();
}
