// VYXODTStyles.h: the styles of an OpenDocument text: default, common and automatic
// styles resolved through their parent chains to flat property maps, list styles,
// font faces, master pages, and the conversion of properties to the model's lists.
//
// Automatic styles of styles.xml serve headers and footers, those of content.xml
// the body; both may use one name for different styles, so each lookup names its
// scope. Common styles and default styles serve both.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TVYXODTNode;
class TVYXODTPart;
class TVYXCHPX;
class TVYXPAPX;
class TVYXSEP;
class TVYXTableCellProps;

enum TVYXODTScope { aosContent, aosStyles };

using TVYXODTPropMap = std::map<std::string, std::string, std::less<>>;

// The properties of a style after its default style and its parents: text
// properties, paragraph properties and those of any other kind (table, column,
// row, cell, graphic), which never meet in one family.
struct TVYXODTProps {
    TVYXODTPropMap Text, Para, Box;
    std::string ListStyle;   // style:list-style-name, inherited
    std::string MasterPage;  // style:master-page-name, own only
    std::string Name;        // the style's own name ("" for defaults)
    std::string DisplayName;
    const TVYXODTNode* TabStops = nullptr;  // style:tab-stops of the nearest style with them
};

class TVYXODTStyles {
public:
    static constexpr int cMaxParentChain = 64;

    TVYXODTStyles();
    ~TVYXODTStyles();
    TVYXODTStyles(const TVYXODTStyles&) = delete;
    TVYXODTStyles& operator=(const TVYXODTStyles&) = delete;

    // Takes the style elements of both parts (which must outlive this object).
    void Load(const TVYXODTPart& styles, const TVYXODTPart& content);

    // The resolved properties of a style of `family` ("paragraph", "text", "table",
    // "table-column", "table-row", "table-cell", "graphic"); for an unknown name the
    // family's default style. Stable references: resolved maps are cached.
    const TVYXODTProps& Resolve(TVYXODTScope scope, std::string_view family, std::string_view name);
    // The common style a paragraph or text style stands for: itself when it is one,
    // else an automatic style's parent; "" when there is none.
    std::string CommonStyleName(TVYXODTScope scope, std::string_view family, std::string_view name) const;
    // The common style's element; nullptr when there is none of that name.
    const TVYXODTNode* FindCommon(std::string_view family, std::string_view name) const;
    // The list style element of that name, nullptr when none.
    const TVYXODTNode* FindListStyle(TVYXODTScope scope, std::string_view name) const;
    // The master page of that name, else (unless `exact`) "Standard", else the first
    // one; nullptr without any.
    const TVYXODTNode* FindMasterPage(std::string_view name, bool exact = false) const;
    const TVYXODTNode* FindPageLayout(std::string_view name) const;
    // The font family a style:font-name stands for (the name itself when undeclared).
    std::u16string FontFamily(std::string_view faceName) const;

    // Properties onto the model's lists; only what the map sets is set.
    void ApplyText(const TVYXODTPropMap& text, TVYXCHPX& chpx) const;
    void ApplyPara(const TVYXODTProps& props, TVYXPAPX& papx) const;
    void ApplyCell(const TVYXODTPropMap& box, TVYXTableCellProps& cell) const;
    // Page size and margins of a page layout, and the header and footer room.
    void ApplyPageLayout(const TVYXODTNode& layout, TVYXSEP& sep) const;

private:
    struct TStyleRef {
        const TVYXODTNode* Node = nullptr;
        TVYXODTScope Scope = aosContent;  // where its parent is looked up
    };
    const TVYXODTNode* FindStyleNode(TVYXODTScope scope, std::string_view family, std::string_view name) const;
    void Collect(const TVYXODTNode* container, std::unordered_map<std::string, const TVYXODTNode*>& styles,
                 std::unordered_map<std::string, const TVYXODTNode*>& lists);
    void ResolveInto(TVYXODTScope scope, const TVYXODTNode* node, TVYXODTProps& props, int depth);

    // "family\nname" -> element.
    std::unordered_map<std::string, const TVYXODTNode*> FCommon, FAutoStyles, FAutoContent;
    std::unordered_map<std::string, const TVYXODTNode*> FListCommon, FListStyles, FListContent;
    std::unordered_map<std::string, const TVYXODTNode*> FDefaults;  // by family
    std::unordered_map<std::string, const TVYXODTNode*> FPageLayouts;
    std::vector<const TVYXODTNode*> FMasterPages;
    std::unordered_map<std::string, std::u16string> FFonts;
    std::unordered_map<std::string, std::unique_ptr<TVYXODTProps>> FResolved;
};

// A colour "#RRGGBB" as 0x00RRGGBB; false for anything else ("transparent").
bool VYXODTColor(std::string_view text, unsigned& color);
