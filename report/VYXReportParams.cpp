// VYXReportParams.cpp: band comments and field switches: the parameter tables and value checking.
#include "report/VYXReportParams.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/VYXUnicode.h"
#include "report/VYXRecordSource.h"

namespace {
// Sorted by keyword; looked up by binary search (a test checks the order).
constexpr std::array<TVYXReportParam, 22> cBandParams = {{
    {u"colors", arptString, arpiColors},
    {u"condition", arptString, arpiCondition},
    {u"dataset", arptString, arpiDataSet},
    {u"enabled", arptBoolean, arpiEnabled},
    {u"expression", arptString, arpiExpression},
    {u"field", arptSize, arpiField},
    {u"filltable", arptBoolean, arpiFilltable},
    {u"fontsize", arptSize, arpiFontSize},
    {u"headerparagraphs", arptInteger, arpiHeaderParagraphs},
    {u"height", arptSize, arpiHeight},
    {u"maxpageloops", arptInteger, arpiMaxPageLoops},
    {u"maxrows", arptInteger, arpiMaxrows},
    {u"multipage", arptBoolean, arpiMultipage},
    {u"name", arptString, arpiName},
    {u"onafterprint", arptString, arpiOnAfterPrint},
    {u"pagebreaks", arptBoolean, arpiPageBreaks},
    {u"parentband", arptString, arpiParentBand},
    {u"rowmode", arptBoolean, arpiRowMode},
    {u"treeitem", arptBoolean, arpiTreeItem},
    {u"type", arptString, arpiType},
    {u"userdataset", arptString, arpiUserDataset},
    {u"width", arptSize, arpiWidth},
}};

constexpr std::array<TVYXReportParam, 21> cFieldParams = {{
    {u"bold", arptString, arpiBold},
    {u"color", arptString, arpiColor},
    {u"fieldsize", arptString, arpiFieldSize},
    {u"fieldtype", arptString, arpiFieldType},
    {u"fillcolor", arptString, arpiFillColor},
    {u"fontname", arptString, arpiFontname},
    {u"height", arptSize, arpiHeight},
    {u"hidden", arptString, arpiHidden},
    {u"hyperlink", arptString, arpiHyperlink},
    {u"italic", arptString, arpiItalic},
    {u"mask", arptString, arpiMask},
    {u"name", arptString, arpiName},
    {u"onbefore", arptString, arpiOnBefore},
    {u"size", arptString, arpiSize},
    {u"striketrough", arptString, arpiStrikeThrough},
    {u"style", arptString, arpiStyle},
    {u"subsuperscript", arptString, arpiSubSuperscript},
    {u"type", arptString, arpiType},
    {u"underline", arptString, arpiUnderline},
    {u"underlinecolor", arptString, arpiUnderlineColor},
    {u"width", arptSize, arpiWidth},
}};

constexpr std::array<TVYXReportParam, 7> cFunctions = {{
    {u"executeband", arptUnknown, arpiExecuteBand},
    {u"executebandloop", arptUnknown, arpiExecuteBandLoop},
    {u"line", arptUnknown, arpiLine},
    {u"makebookmark", arptUnknown, arpiMakeBoo},
    {u"page", arptUnknown, arpiPage},
    {u"pages", arptUnknown, arpiPages},
    {u"rgb", arptUnknown, arpiRGB},
}};

template <std::size_t N>
const TVYXReportParam* Lookup(const std::array<TVYXReportParam, N>& table, std::u16string_view name)
{
    const std::u16string lower = AsciiLower(name);
    const auto it = std::lower_bound(table.begin(), table.end(), lower,
                                     [](const TVYXReportParam& p, const std::u16string& key) { return p.Keyword < key; });
    return it != table.end() && it->Keyword == lower ? &*it : nullptr;
}

template <std::size_t N>
bool Sorted(const std::array<TVYXReportParam, N>& table)
{
    return std::is_sorted(table.begin(), table.end(),
                          [](const TVYXReportParam& a, const TVYXReportParam& b) { return a.Keyword < b.Keyword; });
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }
}  // namespace

std::u16string VYXTrim(std::u16string_view text)
{
    std::size_t a = 0, b = text.size();
    while (a < b && (IsBlank(text[a]) || text[a] == u'\r' || text[a] == u'\n'))
        ++a;
    while (b > a && (IsBlank(text[b - 1]) || text[b - 1] == u'\r' || text[b - 1] == u'\n'))
        --b;
    return std::u16string(text.substr(a, b - a));
}

const TVYXReportParam* VYXFindBandParam(std::u16string_view name) { return Lookup(cBandParams, name); }
const TVYXReportParam* VYXFindFieldParam(std::u16string_view name) { return Lookup(cFieldParams, name); }
const TVYXReportParam* VYXFindReportFunction(std::u16string_view name) { return Lookup(cFunctions, name); }
bool VYXReportTablesSorted() { return Sorted(cBandParams) && Sorted(cFieldParams) && Sorted(cFunctions); }

std::vector<TVYXBandLine> VYXSplitBandComment(std::u16string_view text, bool& isBand)
{
    std::vector<TVYXBandLine> lines;
    isBand = false;
    bool first = true;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\r' && text[i] != u'\n' && text[i] != u'\v')
            continue;
        const std::u16string line = VYXTrim(text.substr(start, i - start));
        start = i + 1;
        if (line.empty() || line[0] == u';')
            continue;
        if (first) {
            first = false;
            isBand = line.size() >= 5 && SameTextAscii(line.substr(0, 5), u"-band");
            if (!isBand)
                return {};
            if (line.find(u':') == std::u16string::npos)
                continue;  // the "-band" header itself
        }
        TVYXBandLine l;
        const std::size_t colon = line.find(u':');
        l.Name = AsciiLower(VYXTrim(line.substr(0, colon)));
        if (!l.Name.empty() && l.Name[0] == u'-')
            l.Name.erase(0, 1);
        l.HasValue = colon != std::u16string::npos;
        if (l.HasValue)
            l.Value = VYXTrim(line.substr(colon + 1));
        l.Text = line;
        lines.push_back(std::move(l));
    }
    return lines;
}

bool VYXParseBoolean(std::u16string_view text, bool& value)
{
    if (SameTextAscii(text, u"true"))
        value = true;
    else if (SameTextAscii(text, u"false"))
        value = false;
    else
        return false;
    return true;
}

bool VYXParseInteger(std::u16string_view text, int& value)
{
    TVYXFieldValue v;
    if (text.empty() || !VYXReadFieldText(text, avftInteger, v) || std::fabs(v.Num) > 2147483647.0)
        return false;
    value = static_cast<int>(v.Num);
    return true;
}

bool VYXParseFloat(std::u16string_view text, double& value)
{
    TVYXFieldValue v;
    if (text.empty() || !VYXReadFieldText(text, avftFloat, v))
        return false;
    value = v.Num;
    return true;
}

int VYXParseSize(std::u16string_view text, double& points)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u'.' || text[i] == u'-' || text[i] == u'+' || (text[i] >= u'0' && text[i] <= u'9')))
        ++i;
    double number = 0;
    if (!VYXParseFloat(text.substr(0, i), number))
        return 1;
    const std::u16string unit = AsciiLower(VYXTrim(text.substr(i)));
    double factor = 1;
    if (unit.empty() || unit == u"pt")
        factor = 1;
    else if (unit == u"in")
        factor = 72;
    else if (unit == u"cm")
        factor = 72 / 2.54;
    else if (unit == u"mm")
        factor = 72 / 25.4;
    else if (unit == u"pc")
        factor = 12;
    else
        return 2;
    points = number * factor;
    return 0;
}

bool VYXParseColors(std::u16string_view text, std::vector<std::uint32_t>& colors, std::u16string& bad)
{
    colors.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (IsBlank(text[i]) || text[i] == u','))
            ++i;
        if (i >= text.size())
            break;
        const std::size_t close = text.find(u')', i);
        if (text[i] != u'(' || close == std::u16string_view::npos) {
            bad = std::u16string(text.substr(i));
            return false;
        }
        const std::u16string_view inner = text.substr(i + 1, close - i - 1);
        std::array<int, 3> rgb{0, 0, 0};
        std::size_t part = 0, from = 0;
        for (std::size_t k = 0; k <= inner.size(); ++k) {
            if (k < inner.size() && inner[k] != u',')
                continue;
            int v = 0;
            if (part >= 3 || !VYXParseInteger(VYXTrim(inner.substr(from, k - from)), v) || v < 0 || v > 255) {
                bad = std::u16string(text.substr(i, close - i + 1));
                return false;
            }
            rgb[part++] = v;
            from = k + 1;
        }
        colors.push_back(static_cast<std::uint32_t>(rgb[0] << 16 | rgb[1] << 8 | rgb[2]));
        i = close + 1;
    }
    return true;
}

std::u16string VYXColorsText(const std::vector<std::uint32_t>& colors)
{
    std::u16string out;
    for (std::uint32_t c : colors) {
        if (!out.empty())
            out += u",";
        out += U16("(" + std::to_string(c >> 16 & 0xFF) + "," + std::to_string(c >> 8 & 0xFF) + "," +
                   std::to_string(c & 0xFF) + ")");
    }
    return out;
}

std::vector<std::u16string> VYXSplitFieldCode(std::u16string_view code)
{
    // "\\*" (an escaped form some editors store) and "\*" both separate switches.
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] != u'\\')
            continue;
        std::size_t k = i + 1;
        if (k < code.size() && code[k] == u'\\')
            ++k;
        if (k < code.size() && code[k] == u'*') {
            parts.push_back(VYXTrim(code.substr(start, i - start)));
            start = k + 1;
            i = k;
        }
    }
    parts.push_back(VYXTrim(code.substr(start)));
    return parts;
}
