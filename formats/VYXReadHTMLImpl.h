// VYXReadHTMLImpl.h: the HTML reader's formats, limits and walker class, for the reader's own
// source units (VYXReadHTML*.cpp). Nothing outside them includes it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/VYXCSSParse.h"
#include "formats/VYXHtmlDOM.h"
#include "formats/VYXReadHTML.h"
#include "model/VYXDefs.h"
#include "model/VYXNumbering.h"
#include "model/VYXPropValues.h"
#include "platform/VYXUnicode.h"

class TVYXCHPX;
class TVYXCharRun;
class TVYXLogDocEditor;
class TVYXLogPara;
class TVYXLogParas;
class TVYXPAPX;
class TVYXTable;
class TVYXTableCell;

// Named rather than anonymous: the walker is shared by several units.
namespace vyx_html {

inline constexpr int cMaxTableDepth = 16;           // deeper tables are read as their cells' text
inline constexpr std::size_t cMaxPictureBytes = 64u << 20;
inline constexpr int cMaxListLevel = 8;             // the model's last list level
inline constexpr int cMaxBookmarks = 10000;
inline constexpr std::size_t cMaxMsoLists = 4096;         // distinct office lists of a document
inline constexpr std::int64_t cMaxTableCells = 250'000;  // grid cells of all tables of a document
inline constexpr std::int64_t cTableGridFree = 2048;     // a grid this small is always a table
inline constexpr std::int64_t cMaxGridPerCell = 8;       // else at most this many grid cells per cell element
inline constexpr double cFontSizes[7] = {8, 10, 12, 13.5, 18, 24, 36};
inline constexpr double cHeadingSizes[6] = {24, 18, 13.5, 12, 10, 8};

struct TCharFmt {
    std::optional<bool> Bold, Italic, Strike, SmallCaps, AllCaps, RTL;
    std::optional<TVYXChpUnderline> Underline;
    std::optional<TVYXChpSubSuperscript> SubSup;
    std::optional<double> Size;
    std::optional<std::u16string> Font;
    std::optional<TVYXColor> Color, Fill;
    std::optional<TVYXHighlighColor> Highlight;
    bool operator==(const TCharFmt&) const = default;
};

struct TBlockFmt {
    std::optional<TVYXPapTextAlign> Align;
    double IndentLeft = 0, IndentRight = 0;
    std::optional<double> FirstLine, Hanging, SpaceBefore, SpaceAfter, LineSpacing, LineExact;
    std::optional<TVYXColor> Shade;
    int Heading = 0;  // 1..6
    bool Pre = false;
    bool NoWrap = false;     // white-space: nowrap or pre: lines are not wrapped
    bool RTL = false;        // the paragraph runs right to left
    bool KeepNext = false;   // page-break-after: avoid
    bool KeepLines = false;  // page-break-inside: avoid
    bool LineExactly = false;  // a length line height is exact, not a minimum (mso-line-height-rule)
    bool Hidden = false;
    // Left, top, right, bottom: width (points), style and colour of a paragraph border.
    struct TBorder {
        double Width = 0;
        TST_Border Style = stbNone;
        TVYXColor Color = 0;
    };
    std::optional<TBorder> Borders[4];
};

struct TListCtx {
    int Slot = -1;       // this list's entry in the reader's list table
    int OuterSlot = -1;  // the enclosing list's, -1 at the outermost
    bool Bullet = true;
    TVYXNumberingStyleType Style = anstDecimal;
    bool NoMarker = false;  // list-style-type: none
    bool Inside = false;    // list-style-position: inside (inherited by nested lists)
    std::u16string Image;   // list-style-image's address, "" for none (inherited)
    int Level = -1;         // -1 outside lists
    double Indent = 0;      // the indent of the block the outermost list stands in
};

// A paragraph list being filled: the body or a cell.
struct TTarget {
    TVYXLogParas* Paras = nullptr;
    TVYXLogPara* Unused = nullptr;  // an empty paragraph the list already has, taken by the next one
    bool Body = false;
};

// ---- Text helpers, in VYXReadHTML.cpp ----

inline bool IsWs(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

std::u16string TrimWs(std::u16string_view s);

inline std::string Ascii(std::u16string_view s) { return AsciiLower(U8(s)); }

std::string PercentDecode(std::string_view s);

TST_Border BorderStyle(std::string_view v);

// Walks the tree of one document, building through the editor's append operations.
class TReader {
public:
    TReader(TVYXLogDocEditor& doc, const TVyCSS& baseCss, const TVYXReadHTML& options)
        : FDoc(doc), FOptions(options), FCss(baseCss)
    {
    }

    void Run(std::string_view bytes);

private:
    // ---- Head: style sheets, base (VYXReadHTML.cpp) ----

    void ReadHead();
    static int NoteNumber(const std::u16string& id, bool ref);
    bool NoteReference(const TVYXHtmlNode& node, const TBlockFmt& b);
    static bool MediaApplies(const std::u16string& media);
    std::optional<std::string> LocalFile(const std::u16string& ref) const;

    // ---- Building (VYXReadHTML.cpp) ----

    TTarget& Target() { return FTargets.back(); }

    void FillPAPX(const TBlockFmt& b, TVYXPAPX& papx) const;
    TVYXLogPara& NewPara(const TBlockFmt& b);
    static void SetBorder(TVYXLogPara& para, int side, const TBlockFmt::TBorder& border);
    void UseHeading(TVYXLogPara& para, int level);
    TVYXLogPara& NewListPara(const TBlockFmt& b, const TListCtx& list);
    void MarkLevel(TVYXNumbering& level, const TListCtx& list);
    TVYXLogPara& EnsurePara(const TBlockFmt& b);
    void EndPara();
    const TVYXCHPX* CurrentCHPX(const TCharFmt& f);
    void AppendRaw(std::u16string_view text, const TCharFmt& f, const TBlockFmt& b);
    void Text(std::u16string_view raw, const TCharFmt& f, const TBlockFmt& b);
    void FlushSpace(const TBlockFmt& b);

    // ---- Elements (VYXReadHTMLElements.cpp) ----

    static int ListLabelEnd(const TVYXHtmlNode& node, int from);
    static bool IsListLabelStart(const TVYXHtmlNode& c);
    static bool IsIgnoredLabel(const TVYXHtmlNode& c);
    static std::u16string ListLabelText(const TVYXHtmlNode& node, int depth = 0);
    void Children(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& b, const TListCtx& list);
    void ApplyCharCSS(const TVyCSSProperties& css, TCharFmt& f, TBlockFmt& b, bool block);
    void ApplyBlockCSS(const TVyCSSProperties& css, TBlockFmt& b, const TCharFmt& f);
    void BlockBorders(const TVyCSSProperties& css, TBlockFmt& b, double em) const;
    TListCtx ListFrom(const TVYXHtmlNode& node, const TVyCSSProperties& css, const TListCtx& outer, double indent);
    void Element(const TVYXHtmlNode& node, const TCharFmt& parentChars, const TBlockFmt& parentBlock,
                 const TListCtx& parentList);
    void PageBreak();
    void ElementContent(const TVYXHtmlNode& node, const TCharFmt& parentChars, const TBlockFmt& parentBlock,
                        const TListCtx& parentList, bool& breakAfter);
    TListCtx MsoList(const std::string& key, int level, const TVYXHtmlNode& node, double indent);
    void ItemChildren(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& inner, const TListCtx& list);
    static bool Is(TVYXHTagId t, std::initializer_list<TVYXHTagId> set);
    void FontElement(const TVYXHtmlNode& node, TCharFmt& f);
    void Bookmark(const std::u16string& name, const TBlockFmt& b);
    std::string PictureBytes(const std::u16string& src);
    void Picture(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& b);
    std::optional<double> LimitLength(const TVyCSSProperties& css, TVyCSSProp prop, double whole, double em) const;
    void LimitPictureSize(const TVyCSSProperties& css, double& w, double& h, bool heightFollows, bool widthFollows) const;
    std::optional<double> PictureLength(const TVYXHtmlNode& node, const TVyCSSProperties& css, const char* attr,
                                        TVyCSSProp prop) const;

    // ---- Tables (VYXReadHTMLTables.cpp) ----

    struct TCellInfo {
        const TVYXHtmlNode* Node = nullptr;
        int Row = 0, Col = 0, ColSpan = 1, RowSpan = 1;
        TVyCSSProperties Css;  // cascaded once, used for widths and the cell's formats
        bool Stray = false;    // content outside any cell, added to the cell before it
    };
    static int SpanAttr(const TVYXHtmlNode& node, const char* name, int max);
    static bool IsStray(const TVYXHtmlNode& c);
    void CollectRows(const TVYXHtmlNode& node, std::vector<const TVYXHtmlNode*>& rows, bool& headerRows,
                     std::vector<bool>& header, std::vector<std::pair<std::size_t, const TVYXHtmlNode*>>& strays);
    void Table(const TVYXHtmlNode& node, const TCharFmt& f, const TBlockFmt& b, const TListCtx& list,
               const TVyCSSProperties& tableCss);
    double RowHeight(const TVYXHtmlNode& node, const TVyCSSProperties& css) const;
    static bool AllHeaderCells(const TVYXHtmlNode& row);
    double AvailableWidth(const TTarget& t) const;
    std::optional<TVyCSSLength> WidthOf(const TVYXHtmlNode& node, const TVyCSSProperties& css) const;
    void TableBorders(TVYXTable& table, const TVYXHtmlNode& node, const TVyCSSProperties& css);
    void FillCell(TVYXTableCell& cell, const TVYXHtmlNode& node, const TVyCSSProperties& css, const TCharFmt& f,
                  const TBlockFmt& b, bool first, bool stray);
    void CellPaddingAndBorders(TVYXTableCell& cell, const TVyCSSProperties& css, double em);

    TVYXLogDocEditor& FDoc;
    const TVYXReadHTML& FOptions;
    TVyCSS FCss;
    TVYXHtmlDOM FDom;
    std::string FBase;
    std::vector<TTarget> FTargets;
    std::vector<TVYXNumbering*> FListSlots;  // per list element: its list's first level used (borrowed)
    struct TFrame {
        TVYXLogParas* Paras;              // the list the box stands in
        std::vector<TVYXLogPara*> Items;  // its paragraphs, in order
    };
    std::vector<TFrame> FFrames;  // bordered containers being read
    std::map<std::u16string, const TVYXHtmlNode*> FNoteTargets;  // "fnote1" -> its anchor
    std::set<const TVYXHtmlNode*> FSkip;                          // note blocks already read as notes
    std::map<std::string, int> FMsoLists;                         // mso-list key -> its slot in FListSlots
    bool FPendingPageBreak = false;
    bool FKeepListLabels = false;  // inside a numbered heading, whose number is its text
    std::int64_t FCellBudget = cMaxTableCells;  // grid cells the document's tables may still make
    std::set<const TVYXNumbering*> FMarkedLevels;  // list levels given their marker's place and picture
    std::set<const TVYXNumbering*> FShiftedLevels;  // list levels moved in by their list's block  // a page break waits for the next body paragraph
    TVYXLogPara* FPara = nullptr;
    bool FParaHasText = false;
    bool FPendingSpace = false;
    TCharFmt FPendingFmt;  // the format of the text the pending blank came from
    TVYXCharRun* FLastRun = nullptr;
    TCharFmt FLastRunFmt;
    std::unique_ptr<TVYXCHPX> FChpx;
    TCharFmt FChpxFmt;
    double FDefaultSize = 12;
};

}  // namespace vyx_html
