// VYXODTStyles.cpp: style lookup, inheritance and conversion to the model's properties.
#include "import/VYXODTStyles.h"

#include <algorithm>
#include <charconv>

#include "import/VYXODT.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocSection.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "platform/VYXUnicode.h"

namespace {
std::string Key(std::string_view family, std::string_view name)
{
    std::string key(family);
    key.push_back('\n');
    key.append(name);
    return key;
}

bool IsPropertiesElement(std::string_view name)
{
    return name.size() > 17 && name.substr(0, 6) == "style:" && name.substr(name.size() - 11) == "-properties";
}

double Number(std::string_view text, double def)
{
    double value = def;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && value == value ? value : def;
}

// "120%" -> 1.2; false when the text is no percentage.
bool Percent(std::string_view text, double& factor)
{
    if (text.empty() || text.back() != '%')
        return false;
    factor = Number(text.substr(0, text.size() - 1), -1e9) / 100.0;
    return factor > -1e6;
}

std::string_view Find(const TVYXODTPropMap& map, std::string_view name)
{
    const auto it = map.find(name);
    return it == map.end() ? std::string_view() : std::string_view(it->second);
}

// Splits "0.06pt solid #000000" into width, style and colour (any order).
bool ParseBorder(std::string_view text, TVYXDocPropBorder& border)
{
    double width = 0.5;
    unsigned color = 0;
    TST_Border style = stbSingle;
    bool none = false;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        std::size_t j = i;
        while (j < text.size() && text[j] != ' ')
            ++j;
        const std::string_view word = text.substr(i, j - i);
        i = j;
        if (word.empty())
            continue;
        double w = 0;
        unsigned c = 0;
        if (word == "none" || word == "hidden")
            none = true;
        else if (word == "double")
            style = stbDouble;
        else if (word == "dotted")
            style = stbDotted;
        else if (word == "dashed")
            style = stbDashed;
        else if (word == "groove" || word == "ridge" || word == "inset" || word == "outset" || word == "solid")
            style = stbSingle;
        else if (word == "thin")
            width = 0.75;
        else if (word == "medium")
            width = 2.25;
        else if (word == "thick")
            width = 3.75;
        else if (VYXODTColor(word, c))
            color = c;
        else if (VYXODTLength(word, w))
            width = w;
    }
    if (none)
        return false;
    border.SetVals(std::clamp(width, 0.0, 72.0), color, style, 0);
    return true;
}

TVYXChpUnderline UnderlineOf(std::string_view style, std::string_view type, std::string_view width)
{
    if (style.empty() || style == "none")
        return vycuNone;
    const bool bold = width == "bold" || width == "thick";
    if (type == "double")
        return style == "wave" ? vycuWavyDouble : vycuDouble;
    if (style == "dotted")
        return bold ? vycuDottedHeavy : vycuDotted;
    if (style == "dash")
        return bold ? vycuDashedHeavy : vycuDash;
    if (style == "long-dash")
        return bold ? vycuDashLongHeavy : vycuDashLong;
    if (style == "dot-dash")
        return bold ? vycuDashDotHeavy : vycuDotDash;
    if (style == "dot-dot-dash")
        return bold ? vycuDashDotDotHeavy : vycuDotDotDash;
    if (style == "wave")
        return bold ? vycuWavyHeavy : vycuWave;
    return bold ? vycuThick : vycuSingle;
}

std::u16string StripQuotes(std::string_view family)
{
    // svg:font-family may be a quoted list; the first family counts.
    const std::size_t comma = family.find(',');
    if (comma != std::string_view::npos)
        family = family.substr(0, comma);
    while (!family.empty() && (family.front() == '\'' || family.front() == '"' || family.front() == ' '))
        family.remove_prefix(1);
    while (!family.empty() && (family.back() == '\'' || family.back() == '"' || family.back() == ' '))
        family.remove_suffix(1);
    return Utf8ToUtf16(family);
}
}  // namespace

bool VYXODTColor(std::string_view text, unsigned& color)
{
    if (text.size() != 7 || text[0] != '#')
        return false;
    unsigned value = 0;
    const auto [p, ec] = std::from_chars(text.data() + 1, text.data() + 7, value, 16);
    if (ec != std::errc() || p != text.data() + 7)
        return false;
    color = value;
    return true;
}

TVYXODTStyles::TVYXODTStyles() = default;
TVYXODTStyles::~TVYXODTStyles() = default;

void TVYXODTStyles::Collect(const TVYXODTNode* container, std::unordered_map<std::string, const TVYXODTNode*>& styles,
                            std::unordered_map<std::string, const TVYXODTNode*>& lists)
{
    if (!container)
        return;
    for (const auto& c : container->Children) {
        if (c->Name == "style:style")
            styles[Key(c->Attr("style:family"), c->Attr("style:name"))] = c.get();
        else if (c->Name == "text:list-style")
            lists[std::string(c->Attr("style:name"))] = c.get();
        else if (c->Name == "style:default-style")
            FDefaults[std::string(c->Attr("style:family"))] = c.get();
        else if (c->Name == "style:page-layout")
            FPageLayouts[std::string(c->Attr("style:name"))] = c.get();
    }
}

void TVYXODTStyles::Load(const TVYXODTPart& styles, const TVYXODTPart& content)
{
    for (const TVYXODTPart* part : {&styles, &content})
        if (const TVYXODTNode* decls = part->Find("office:font-face-decls"))
            for (const auto& f : decls->Children)
                if (f->Name == "style:font-face") {
                    const std::string_view family = f->Attr("svg:font-family");
                    FFonts[std::string(f->Attr("style:name"))] =
                        StripQuotes(family.empty() ? f->Attr("style:name") : family);
                }
    Collect(styles.Find("office:styles"), FCommon, FListCommon);
    // A flat document has one part: its automatic styles serve body and headers alike.
    Collect(styles.Find("office:automatic-styles"), FAutoStyles, FListStyles);
    if (&styles != &content) {
        Collect(content.Find("office:styles"), FCommon, FListCommon);
        Collect(content.Find("office:automatic-styles"), FAutoContent, FListContent);
    } else {
        FAutoContent = FAutoStyles;
        FListContent = FListStyles;
    }
    if (const TVYXODTNode* masters = styles.Find("office:master-styles"))
        for (const auto& m : masters->Children)
            if (m->Name == "style:master-page")
                FMasterPages.push_back(m.get());
}

const TVYXODTNode* TVYXODTStyles::FindStyleNode(TVYXODTScope scope, std::string_view family,
                                                std::string_view name) const
{
    const std::string key = Key(family, name);
    const auto& autos = scope == aosContent ? FAutoContent : FAutoStyles;
    if (auto it = autos.find(key); it != autos.end())
        return it->second;
    if (auto it = FCommon.find(key); it != FCommon.end())
        return it->second;
    return nullptr;
}

void TVYXODTStyles::ResolveInto(TVYXODTScope scope, const TVYXODTNode* node, TVYXODTProps& props, int depth)
{
    // Parents first, so the style's own values win. A chain that loops or runs
    // absurdly long ends where the limit is reached.
    const std::string_view parent = node->Attr("style:parent-style-name");
    if (!parent.empty() && depth < cMaxParentChain)
        if (const TVYXODTNode* p = FindStyleNode(scope, node->Attr("style:family"), parent); p && p != node)
            ResolveInto(scope, p, props, depth + 1);
    if (node->HasAttr("style:list-style-name"))
        props.ListStyle = node->Attr("style:list-style-name");
    for (const auto& c : node->Children) {
        if (!IsPropertiesElement(c->Name))
            continue;
        TVYXODTPropMap& target = c->Name == "style:text-properties"        ? props.Text
                                 : c->Name == "style:paragraph-properties" ? props.Para
                                                                           : props.Box;
        // A shorthand the style sets replaces the sides it inherited.
        for (const auto& a : c->Attrs)
            if (a.first == "fo:margin" || a.first == "fo:border" || a.first == "fo:padding")
                std::erase_if(target, [&](const auto& item) {
                    return item.first.size() > a.first.size() && item.first.compare(0, a.first.size(), a.first) == 0 &&
                           item.first[a.first.size()] == '-';
                });
        for (const auto& a : c->Attrs) {
            double factor = 0;
            if (a.first == "fo:font-size" && Percent(a.second, factor)) {
                double base = 12;
                VYXODTLength(Find(target, "fo:font-size"), base);
                target[a.first] = std::to_string(std::clamp(base * factor, 1.0, 1638.0)) + "pt";
            } else {
                target[a.first] = a.second;
            }
        }
        // Tab stops are an element, not an attribute.
        if (c->Name == "style:paragraph-properties")
            if (const TVYXODTNode* tabs = c->Child("style:tab-stops"))
                props.TabStops = tabs;
    }
}

const TVYXODTProps& TVYXODTStyles::Resolve(TVYXODTScope scope, std::string_view family, std::string_view name)
{
    std::string key = Key(family, name);
    key.push_back(scope == aosContent ? 'c' : 's');
    auto& slot = FResolved[key];
    if (slot)
        return *slot;
    slot = std::make_unique<TVYXODTProps>();
    TVYXODTProps& props = *slot;
    // Default style of the family, then (for paragraphs and text) the paragraph defaults' text.
    if (auto it = FDefaults.find(std::string(family)); it != FDefaults.end())
        ResolveInto(scope, it->second, props, cMaxParentChain);
    if (const TVYXODTNode* node = name.empty() ? nullptr : FindStyleNode(scope, family, name)) {
        ResolveInto(scope, node, props, 0);
        props.MasterPage = node->Attr("style:master-page-name");
        props.Name = name;
        props.DisplayName = node->Attr("style:display-name", name);
    }
    return props;
}

std::string TVYXODTStyles::CommonStyleName(TVYXODTScope scope, std::string_view family, std::string_view name) const
{
    if (FindCommon(family, name))
        return std::string(name);
    const auto& autos = scope == aosContent ? FAutoContent : FAutoStyles;
    if (auto it = autos.find(Key(family, name)); it != autos.end()) {
        const std::string_view parent = it->second->Attr("style:parent-style-name");
        if (FindCommon(family, parent))
            return std::string(parent);
    }
    return {};
}

const TVYXODTNode* TVYXODTStyles::FindCommon(std::string_view family, std::string_view name) const
{
    auto it = FCommon.find(Key(family, name));
    return it == FCommon.end() ? nullptr : it->second;
}

const TVYXODTNode* TVYXODTStyles::FindListStyle(TVYXODTScope scope, std::string_view name) const
{
    const auto& autos = scope == aosContent ? FListContent : FListStyles;
    const std::string key(name);
    if (auto it = autos.find(key); it != autos.end())
        return it->second;
    if (auto it = FListCommon.find(key); it != FListCommon.end())
        return it->second;
    return nullptr;
}

const TVYXODTNode* TVYXODTStyles::FindMasterPage(std::string_view name, bool exact) const
{
    for (const TVYXODTNode* m : FMasterPages)
        if (m->Attr("style:name") == name)
            return m;
    if (exact)
        return nullptr;
    for (const TVYXODTNode* m : FMasterPages)
        if (m->Attr("style:name") == "Standard")
            return m;
    return FMasterPages.empty() ? nullptr : FMasterPages.front();
}

const TVYXODTNode* TVYXODTStyles::FindPageLayout(std::string_view name) const
{
    auto it = FPageLayouts.find(std::string(name));
    return it == FPageLayouts.end() ? nullptr : it->second;
}

std::u16string TVYXODTStyles::FontFamily(std::string_view faceName) const
{
    auto it = FFonts.find(std::string(faceName));
    return it == FFonts.end() ? StripQuotes(faceName) : it->second;
}

void TVYXODTStyles::ApplyText(const TVYXODTPropMap& text, TVYXCHPX& chpx) const
{
    for (const auto& [name, value] : text) {
        double points = 0;
        unsigned color = 0;
        if (name == "style:font-name") {
            if (!value.empty())
                chpx.SetFontName(FontFamily(value));
        } else if (name == "fo:font-family") {
            if (!value.empty() && text.find("style:font-name") == text.end())
                chpx.SetFontName(StripQuotes(value));
        } else if (name == "fo:font-size") {
            if (VYXODTLength(value, points) && points > 0)
                chpx.SetSize(std::clamp(points, 1.0, 1638.0));
        } else if (name == "fo:font-weight") {
            chpx.SetBold(value == "bold" || Number(value, 400) >= 600);
        } else if (name == "fo:font-style") {
            chpx.SetItalic(value == "italic" || value == "oblique");
        } else if (name == "fo:color") {
            if (VYXODTColor(value, color) && Find(text, "style:use-window-font-color") != "true")
                chpx.SetColor(color);
        } else if (name == "fo:background-color") {
            chpx.SetFillColor(VYXODTColor(value, color) ? color : cVYXAutoColor);
        } else if (name == "style:text-underline-style") {
            chpx.SetUnderline(UnderlineOf(value, Find(text, "style:text-underline-type"),
                                          Find(text, "style:text-underline-width")));
            if (VYXODTColor(Find(text, "style:text-underline-color"), color))
                chpx.SetUnderlineColor(color);
        } else if (name == "style:text-line-through-style") {
            chpx.SetStrikeThrough(!value.empty() && value != "none");
        } else if (name == "style:text-position") {
            // "super", "sub", or a percentage of the line height: positive raises.
            const double raise = value.substr(0, 5) == "super" ? 1 : value.substr(0, 3) == "sub" ? -1
                                                                                          : Number(value, 0);
            chpx.SetSubSuperscript(raise > 0 ? vycssSuperscript : raise < 0 ? vycssSubscript : vycssNone);
        } else if (name == "fo:text-transform") {
            chpx.SetAllCaps(value == "uppercase");
        } else if (name == "fo:font-variant") {
            chpx.SetSmallCaps(value == "small-caps");
        } else if (name == "fo:text-shadow") {
            chpx.SetShadow(!value.empty() && value != "none");
        } else if (name == "style:text-outline") {
            chpx.SetOutline(value == "true");
        } else if (name == "style:font-relief") {
            chpx.SetEmboss(value == "embossed");
            chpx.SetEngrave(value == "engraved");
        } else if (name == "text:display") {
            chpx.SetHidden(value == "none");
        }
    }
}

void TVYXODTStyles::ApplyPara(const TVYXODTProps& props, TVYXPAPX& papx) const
{
    const TVYXODTPropMap& para = props.Para;
    // The shorthand first: the sides it names separately win.
    if (double margin = 0; VYXODTLength(Find(para, "fo:margin"), margin)) {
        papx.SetIndentLeft(margin);
        papx.SetIndentRight(margin);
        papx.SetSpaceBefore(std::max(margin, 0.0));
        papx.SetSpaceAfter(std::max(margin, 0.0));
    }
    for (const auto& [name, value] : para) {
        double points = 0;
        double factor = 0;
        unsigned color = 0;
        if (name == "fo:text-align") {
            papx.SetAlignment(value == "center"                     ? vyptaCenter
                              : value == "end" || value == "right" ? vyptaRight
                              : value == "justify"                 ? vyptaJustify
                                                                   : vyptaLeft);
        } else if (name == "fo:margin-left") {
            if (VYXODTLength(value, points))
                papx.SetIndentLeft(points);
        } else if (name == "fo:margin-right") {
            if (VYXODTLength(value, points))
                papx.SetIndentRight(points);
        } else if (name == "fo:text-indent") {
            // A negative first-line indent is a hanging one.
            if (VYXODTLength(value, points)) {
                papx.SetIndentFirstLine(std::max(points, 0.0));
                papx.SetIndentHanging(std::max(-points, 0.0));
            }
        } else if (name == "fo:margin-top") {
            if (VYXODTLength(value, points))
                papx.SetSpaceBefore(std::max(points, 0.0));
        } else if (name == "fo:margin-bottom") {
            if (VYXODTLength(value, points))
                papx.SetSpaceAfter(std::max(points, 0.0));
        } else if (name == "fo:line-height") {
            if (Percent(value, factor) && factor > 0) {
                papx.SetLineSpacingType(aplstMultiple);
                papx.SetLineSpacing(std::clamp(factor, 0.25, 20.0));
            } else if (VYXODTLength(value, points) && points > 0) {
                papx.SetLineSpacingType(aplstExactly);
                papx.SetLineSpacing(points);
            }
        } else if (name == "style:line-height-at-least") {
            if (VYXODTLength(value, points) && points > 0) {
                papx.SetLineSpacingType(aplstAtLeast);
                papx.SetLineSpacing(points);
            }
        } else if (name == "fo:keep-with-next") {
            papx.SetKeepNext(value == "always");
        } else if (name == "fo:background-color") {
            if (VYXODTColor(value, color))
                papx.AddShade()->Fill.Color = color;
        } else if (name == "fo:border" || name == "fo:border-left" || name == "fo:border-right" ||
                   name == "fo:border-top" || name == "fo:border-bottom") {
            // The shorthand sets the sides the longhands leave alone.
            const bool all = name == "fo:border";
            const std::string_view sides[] = {"fo:border-left", "fo:border-top", "fo:border-right", "fo:border-bottom"};
            for (int s = 0; s < 4; ++s) {
                if (all ? para.find(sides[s]) != para.end() : name != sides[s])
                    continue;
                TVYXDocPropBorder probe;
                if (!ParseBorder(value, probe))
                    continue;
                TVYXDocPropBorder* b = s == 0 ? papx.AddBorderLeft() : s == 1 ? papx.AddBorderTop()
                                                : s == 2                       ? papx.AddBorderRight()
                                                                               : papx.AddBorderBottom();
                b->Assign(probe);
            }
        }
    }
    if (const TVYXODTNode* tabs = props.TabStops) {
        TVYXTabStops* stops = nullptr;
        for (const auto& t : tabs->Children) {
            double points = 0;
            if (t->Name != "style:tab-stop" || !VYXODTLength(t->Attr("style:position"), points))
                continue;
            const std::string_view type = t->Attr("style:type");
            const std::string_view leader = t->Attr("style:leader-text");
            const std::string_view leaderStyle = t->Attr("style:leader-style");
            if (!stops)
                stops = papx.AddTabStops();
            stops->Add(std::clamp(points, 0.0, 20000.0),
                       type == "center"  ? atsaCenter
                       : type == "right" ? atsaRight
                       : type == "char"  ? atsaDecimal
                                         : atsaLeft,
                       leader == "."                              ? atslDot
                       : leader == "-"                            ? atslHyphen
                       : leader == "_"                            ? atslUnderscore
                       : leaderStyle == "dotted" && leader != " " ? atslDot
                       : leaderStyle == "solid"                   ? atslUnderscore
                                                                  : atslNone);
        }
    }
}

void TVYXODTStyles::ApplyCell(const TVYXODTPropMap& box, TVYXTableCellProps& cell) const
{
    unsigned color = 0;
    if (VYXODTColor(Find(box, "fo:background-color"), color))
        cell.FillColor = color;
    double points = 0;
    if (VYXODTLength(Find(box, "fo:padding"), points))
        cell.SetMargLeft(points), cell.SetMargRight(points), cell.SetMargTop(points), cell.SetMargBottom(points);
    if (VYXODTLength(Find(box, "fo:padding-left"), points))
        cell.SetMargLeft(points);
    if (VYXODTLength(Find(box, "fo:padding-right"), points))
        cell.SetMargRight(points);
    if (VYXODTLength(Find(box, "fo:padding-top"), points))
        cell.SetMargTop(points);
    if (VYXODTLength(Find(box, "fo:padding-bottom"), points))
        cell.SetMargBottom(points);
    const std::string_view all = Find(box, "fo:border");
    const std::string_view sides[] = {"fo:border-left", "fo:border-top", "fo:border-right", "fo:border-bottom"};
    const TVYXTableBorderSide which[] = {atbsLeft, atbsTop, atbsRight, atbsBottom};
    for (int s = 0; s < 4; ++s) {
        std::string_view value = Find(box, sides[s]);
        if (value.empty())
            value = all;
        TVYXDocPropBorder probe;
        if (!value.empty() && ParseBorder(value, probe))
            cell.AddBorder(which[s])->Assign(probe);
    }
}

void TVYXODTStyles::ApplyPageLayout(const TVYXODTNode& layout, TVYXSEP& sep) const
{
    const TVYXODTNode* props = layout.Child("style:page-layout-properties");
    if (!props)
        return;
    double v = 0;
    if (VYXODTLength(props->Attr("fo:page-width"), v) && v > 0)
        sep.PageWidth = v;
    if (VYXODTLength(props->Attr("fo:page-height"), v) && v > 0)
        sep.PageHeight = v;
    double margin = 0;
    if (VYXODTLength(props->Attr("fo:margin"), margin))
        sep.MargLeft = sep.MargRight = sep.MargTop = sep.MargBottom = std::max(margin, 0.0);
    if (VYXODTLength(props->Attr("fo:margin-left"), v))
        sep.MargLeft = std::max(v, 0.0);
    if (VYXODTLength(props->Attr("fo:margin-right"), v))
        sep.MargRight = std::max(v, 0.0);
    if (VYXODTLength(props->Attr("fo:margin-top"), v))
        sep.MargTop = std::max(v, 0.0);
    if (VYXODTLength(props->Attr("fo:margin-bottom"), v))
        sep.MargBottom = std::max(v, 0.0);
    // The page margins of OpenDocument end where the header begins; the body starts
    // below the header's height and its spacing. The model measures the header from
    // the page edge and the body from the top margin.
    auto room = [&](const char* styleName) {
        const TVYXODTNode* hs = layout.Child(styleName);
        const TVYXODTNode* hp = hs ? hs->Child("style:header-footer-properties") : nullptr;
        if (!hp)
            return -1.0;
        double height = 0, space = 0;
        if (!VYXODTLength(hp->Attr("fo:min-height"), height))
            VYXODTLength(hp->Attr("svg:height"), height);
        VYXODTLength(hp->Attr(std::string_view(styleName) == "style:header-style" ? "fo:margin-bottom" : "fo:margin-top"),
                     space);
        return std::max(height, 0.0) + std::max(space, 0.0);
    };
    if (const double header = room("style:header-style"); header >= 0 && sep.MargTop >= 0) {
        sep.MargHeader = sep.MargTop;
        sep.MargTop += header;
    }
    if (const double footer = room("style:footer-style"); footer >= 0 && sep.MargBottom >= 0) {
        sep.MargFooter = sep.MargBottom;
        sep.MargBottom += footer;
    }
    sep.CheckValues();
}
