// VYXCharProps.cpp: character properties: the dense set, the list's reads through the
// style chain, and the formatting codes of short formatted texts.
#include "model/VYXCharProps.h"

#include <algorithm>
#include <cstdio>

#include "model/VYXPropAccess.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "platform/VYXStringList.h"

namespace {
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
}  // namespace

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
            HighlightColor = VYXToEnum<TVYXHighlighColor>(item.ValInt());
        else if (id == vyciUnderline)
            Underline = VYXToEnum<TVYXChpUnderline>(item.ValInt());
        else if (id == vyciSubSuperscript)
            SubSuperscript = VYXToEnum<TVYXChpSubSuperscript>(item.ValInt());
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

// The getters the id table makes (VYXPropIds.inc).
#define VYX_CHP(Id, Name, Kind, Access, Type, Field) VYX_PROP_GET(Access, TVYXCHPX, Id, Name, Type, Field)
#include "model/VYXPropIds.inc"

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

const TVYXDocPropBorder* TVYXCHPX::GetBorder() const
{
    return dynamic_cast<const TVYXDocPropBorder*>(GetAsOwnedObject(vyciBorder));
}

TVYXDocPropBorder* TVYXCHPX::GetBorder() { return dynamic_cast<TVYXDocPropBorder*>(GetAsOwnedObject(vyciBorder)); }

const TVYXRevisionData* TVYXCHPX::GetRevision() const
{
    return dynamic_cast<const TVYXRevisionData*>(GetAsOwnedObject(vyciRevision));
}

TVYXRevisionData* TVYXCHPX::GetRevision() { return dynamic_cast<TVYXRevisionData*>(GetAsOwnedObject(vyciRevision)); }

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

namespace {
// Own non-zero value, else the first non-zero one up the character style chain.
std::uint32_t StyledNonZero(const TVYXCHPX& chpx, int id)
{
    if (const auto own = static_cast<std::uint32_t>(chpx.GetAsInteger(id)))
        return own;
    const TVYXStyle* style = chpx.GetStyle();
    for (int depth = 0; style && depth < cVYXMaxStyleDepth; ++depth, style = style->BasedOn)
        if (const TVYXCHPX* styleChpx = style->StyleCHPX())
            if (const auto v = static_cast<std::uint32_t>(styleChpx->GetAsInteger(id)))
                return v;
    return 0;
}
}  // namespace

TVYXColor TVYXCHPX::GetStyledColor() const { return StyledNonZero(*this, vyciColor); }
TVYXChpUnderline TVYXCHPX::GetStyledUnderline() const
{
    return VYXToEnum<TVYXChpUnderline>(static_cast<std::int32_t>(StyledNonZero(*this, vyciUnderline)));
}
TVYXColor TVYXCHPX::GetStyledUnderlineColor() const { return StyledNonZero(*this, vyciUnderlineColor); }


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
        return VYXOwnOr<bool>(*this, id, Fallback().*cChpBoolField[id]);
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
        return static_cast<std::int32_t>(VYXOwnOr<TVYXColor>(*this, id, Fallback().*field));
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

std::string_view TVYXCHPX::IdName(std::int32_t id) const { return VYXChpIdName(id); }

std::string TVYXCHPX::GetAsText(std::int32_t id) const
{
    const auto* item = FindItem(id);
    if (item && ChpColorField(id)) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.8X", item->ValDWord());
        return buf;
    }
    if (item && id == vyciUnderline)
        return std::string(VYXChpUnderlineName[VYXToEnum<TVYXChpUnderline>(item->ValInt())]);
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
