// VYXCSSParse.h: style sheets: rules, selectors with combinators and pseudo types,
// declarations with shorthands split into their parts, the cascade for an element
// of the HTML tree, units to points and colours.
//
// The parser never raises: what it cannot read is recorded in Errors() and skipped,
// and its work is linear in the text (bounded counts of rules, selectors and
// selector parts), so a hostile sheet costs time in proportion to its size only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/VYXPropValues.h"

class TVYXHtmlNode;

// The properties the reader acts on, each a longhand (shorthands are split on
// parsing). Sorted by CSS name after vycpUNDEFINED; vycpNONE ends the list.
enum TVyCSSProp : std::uint8_t {
    vycpUNDEFINED,
    vycpBACKGROUND_COLOR, vycpBORDER_BOTTOM_COLOR, vycpBORDER_BOTTOM_STYLE, vycpBORDER_BOTTOM_WIDTH,
    vycpBORDER_COLLAPSE, vycpBORDER_LEFT_COLOR, vycpBORDER_LEFT_STYLE, vycpBORDER_LEFT_WIDTH,
    vycpBORDER_RIGHT_COLOR, vycpBORDER_RIGHT_STYLE, vycpBORDER_RIGHT_WIDTH, vycpBORDER_TOP_COLOR,
    vycpBORDER_TOP_STYLE, vycpBORDER_TOP_WIDTH, vycpCOLOR, vycpDIRECTION, vycpDISPLAY, vycpFONT_FAMILY,
    vycpFONT_SIZE, vycpFONT_STYLE, vycpFONT_VARIANT, vycpFONT_WEIGHT, vycpHEIGHT, vycpLINE_HEIGHT,
    vycpLIST_STYLE_IMAGE, vycpLIST_STYLE_POSITION, vycpLIST_STYLE_TYPE, vycpMARGIN_BOTTOM, vycpMARGIN_LEFT, vycpMARGIN_RIGHT, vycpMARGIN_TOP,
    vycpMAX_HEIGHT, vycpMAX_WIDTH, vycpMIN_HEIGHT, vycpMIN_WIDTH, vycpMSO_HIGHLIGHT, vycpMSO_LINE_HEIGHT_RULE,
    vycpMSO_LIST, vycpPADDING_BOTTOM, vycpPADDING_LEFT, vycpPADDING_RIGHT, vycpPADDING_TOP, vycpPAGE_BREAK_AFTER,
    vycpPAGE_BREAK_BEFORE, vycpPAGE_BREAK_INSIDE, vycpTEXT_ALIGN, vycpTEXT_DECORATION, vycpTEXT_INDENT, vycpTEXT_TRANSFORM,
    vycpVERTICAL_ALIGN, vycpVISIBILITY, vycpWHITE_SPACE, vycpWIDTH,
    vycpNONE
};

enum TVyCSSUnit { vycuNone_, vycuPercent, vycuIN, vycuCM, vycuMM, vycuEM, vycuEX, vycuPT, vycuPica, vycuPX, vycuREM };

enum TVyCSSPseudoType {
    acptNone, acptActive, acptAfter, acptBefore, acptChecked, acptDisabled, acptEmpty, acptEnabled,
    acptFirstChild, acptFirstLetter, acptFirstLine, acptFirstOfType, acptFocus, acptHover, acptLang,
    acptLastChild, acptLastOfType, acptLink, acptNot, acptNthChild, acptNthLastChild, acptNthOfType,
    acptOnlyChild, acptOnlyOfType, acptRoot, acptTarget, acptVisited, acptUnknown
};

enum TVyCSSCombinatorType { acctDescendant, acctChild, acctAdjSibling, acctSibling };

// The CSS name of a property ("" for the end markers); vycpUNDEFINED for an unknown name.
std::string_view VyCSSPropName(TVyCSSProp prop);
TVyCSSProp VyCSSPropByName(std::string_view lowerName);

struct TVyCSSValueItem {
    TVyCSSProp Prop = vycpUNDEFINED;
    std::string Value;  // as written, blanks trimmed; keywords lower-cased
    bool Important = false;
};

// Declarations in the order they win: a later Set of the same property replaces it.
class TVyCSSProperties {
public:
    void Set(TVyCSSProp prop, std::string value, bool important = false);
    const std::string* Find(TVyCSSProp prop) const;
    std::string Get(TVyCSSProp prop) const;
    bool Has(TVyCSSProp prop) const { return Find(prop) != nullptr; }
    int Count() const { return static_cast<int>(FItems.size()); }
    const TVyCSSValueItem& Items(int i) const { return FItems.at(static_cast<std::size_t>(i)); }
    // Copies the items of `other` over these (important ones only when `important`).
    void Merge(const TVyCSSProperties& other, bool important);
    void Clear() { FItems.clear(); }

private:
    std::vector<TVyCSSValueItem> FItems;
};

// One compound selector: tag (empty or "*" for any), ids, classes, one pseudo type.
struct TVyCSSCompound {
    std::string Tag;
    std::vector<std::u16string> Ids, Classes;
    TVyCSSPseudoType Pseudo = acptNone;
    bool Unsupported = false;  // attribute selectors and the like: never matches
};

struct TVyCSSSelector {
    // Parts from left to right; Combinators[i] joins Parts[i] and Parts[i + 1].
    std::vector<TVyCSSCompound> Parts;
    std::vector<TVyCSSCombinatorType> Combinators;
    std::string Key;        // "tag", ".class", "#id" or "*" of the rightmost part
    int Specificity = 0;    // ids * 10000 + classes and pseudo classes * 100 + tags
    int Order = 0;          // position in the sheet; later wins at equal specificity
    int Declarations = -1;  // index into the sheet's declaration blocks
};

class TVyCSS {
public:
    // Adds the rules of a style sheet's text.
    void Parse(std::u16string_view text);
    void Parse(std::string_view text);
    int SelectorCount() const { return static_cast<int>(FSelectors.size()); }
    const TVyCSSSelector& Selectors(int i) const { return FSelectors.at(static_cast<std::size_t>(i)); }
    const TVyCSSProperties& Declarations(int i) const { return FDeclarations.at(static_cast<std::size_t>(i)); }
    const std::vector<std::string>& Errors() const { return FErrors; }

    // The cascaded declarations for `node`: matching rules by specificity and order,
    // then its `style` attribute, important declarations last.
    void Collect(const TVYXHtmlNode& node, TVyCSSProperties& out) const;
    bool Matches(const TVyCSSSelector& selector, const TVYXHtmlNode& node) const;

    void AddError(std::string message);

private:
    void ParseRules(std::string_view text, int depth);
    void AddRule(std::string_view selectors, std::string_view block);
    std::vector<TVyCSSSelector> FSelectors;
    std::vector<TVyCSSProperties> FDeclarations;
    std::unordered_map<std::string, std::vector<int>> FByKey;
    std::vector<std::string> FErrors;
    // Selector tests left for this sheet's whole life: a hostile sheet (thousands of
    // rules every element must be tested against) cannot make a document's cascade
    // cost more than this; past it, rules stop matching.
    mutable std::int64_t FMatchBudget = 20'000'000;
};

// Declarations of a `style` attribute or a rule's block, shorthands split; errors go to
// `sheet` when given.
void VyCSSParseInline(std::string_view text, TVyCSSProperties& props, TVyCSS* sheet = nullptr);

// A length of CSS: number and unit ("12px", "1.5em", "50%", "0"); nullopt when it is none.
struct TVyCSSLength {
    double Value = 0;
    TVyCSSUnit Unit = vycuNone_;
};
std::optional<TVyCSSLength> VyCSSParseLength(std::string_view text);
// Points of a length: `base` is the current font size for em and the whole for
// percentages; an ex is two points; plain numbers count as pixels.
double CSSGetPtSizeByUnit(double value, TVyCSSUnit unit, double base, double pixelsPerInch = 96);
// The same for text (lengths and the font-size keywords); nullopt when unreadable.
std::optional<double> CSSPropSizeToPt(std::string_view text, double base, double pixelsPerInch = 96);

// "#rgb", "#rrggbb" (and with alpha), "rgb(r, g, b)" with numbers or percentages,
// "rgba(...)", space-separated forms and the CSS colour names; nullopt otherwise
// ("transparent" too).
std::optional<TVYXColor> HtmlCssColorToColor(std::string_view text);
std::optional<TVYXColor> GetHtmlColor(std::string_view lowerName);
