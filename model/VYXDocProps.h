// VYXDocProps.h: property lists of runs, paragraphs and tables, their dense defaults and the values stored in them.
//
// A run carries a TVYXCHPX, a paragraph a TVYXPAPX, a table a TVYXTAPX: sparse
// lists that hold only what was set at that level, sorted by id. An absent
// property is inherited, in the end from the dense TVYXCHP / TVYXPAP / TVYXTAP
// every list falls back to. An item's value is a variant, so whether the list
// owns a value (strings, borders, tab stops, shading, revision data) or only
// refers to it (styles, numbering levels) is fixed by its type, never by a flag.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/VYXDefs.h"

class TVYXStringList;
class TVYXStyle;
class TVYXStyles;
class TVYXCharStyle;
class TVYXParaStyle;
class TVYXTableStyle;
class TVYXNumbering;
class TVYXRevisionData;
class TVYXDOP;

// ---- Colours -----------------------------------------------------------------

// Colours are 0x00RRGGBB; cVYXAutoColor means automatic (no colour set).
using TVYXColor = std::uint32_t;
constexpr TVYXColor cVYXAutoColor = 0xFF000000;

constexpr TVYXColor ColorRGB(int r, int g, int b)
{
    return (static_cast<TVYXColor>(r & 0xFF) << 16) | (static_cast<TVYXColor>(g & 0xFF) << 8) |
           static_cast<TVYXColor>(b & 0xFF);
}
// To and from the platform's 0x00BBGGRR order (the automatic flag stays).
constexpr std::uint32_t GetTColor(TVYXColor c)
{
    return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}
constexpr TVYXColor SetTColor(std::uint32_t platformColor) { return GetTColor(platformColor); }

// ---- Enumerations ------------------------------------------------------------

enum TVYXPropIdType {
    vycitUnknown, vycitBoolean, vycitInteger, vycitFloat, vycitString, vycitObject, vycitOwnedObject
};

enum TVYXChpId {
    vyciNone, vyciBold, vyciItalic, vyciStrikeThrough, vyciHidden, vyciShadow, vyciOutline, vyciEmboss,
    vyciEngrave, vyciSmallCaps, vyciAllCaps, vyciMisspelled, vyciRTL, vyciColor, vyciFillColor,
    vyciHighlightColor, vyciUnderline, vyciUnderlineColor, vyciSubSuperscript, vyciColorHLinkHoover,
    vyciColorHLinkVisited, vyciSize, vyciStyle, vyciBorder, vyciRevision, vyciFontName, vyciEastAsia, vyciAscii,
    vycihAnsi
};
constexpr int cVYXChpIdCount = vycihAnsi + 1;

enum TVYXPapId {
    vypiContextualSpacing, vypiNoWrap, vypiKeepNext, vypiAlignment, vypiColor, vypiOutlineLevel,
    vypiLineSpacingType, vypiIndentLeft, vypiIndentRight, vypiIndentFirstLine, vypiIndentHanging, vypiLineSpacing,
    vypiSpaceBefore, vypiSpaceAfter, vypiStyle, vypiNumbering, vypiBorderLeft, vypiBorderTop, vypiBorderRight,
    vypiBorderBottom, vypiShade, vypiTabStops, vypiRevision
};
constexpr int cVYXPapIdCount = vypiRevision + 1;

enum TVYXTapId {
    vytiAlignment, vytiWidthType, vytiIndent, vytiWidth, vytiCellMargLeft, vytiCellMargTop, vytiCellMargRight,
    vytiCellMargBottom, vytiStyle, vytiBorderLeft, vytiBorderTop, vytiBorderRight, vytiBorderBottom,
    vytiBorderInsideVert, vytiBorderInsideHoriz
};
constexpr int cVYXTapIdCount = vytiBorderInsideHoriz + 1;

TVYXPropIdType ChpxVarType(int id);
TVYXPropIdType PapxVarType(int id);
TVYXPropIdType TapxVarType(int id);

enum TVYXChpUnderline {
    vycuNone, vycuSingle, vycuWords, vycuDouble, vycuThick, vycuDotted, vycuDottedHeavy, vycuDash,
    vycuDashedHeavy, vycuDashLong, vycuDashLongHeavy, vycuDotDash, vycuDashDotHeavy, vycuDotDotDash,
    vycuDashDotDotHeavy, vycuWave, vycuWavyHeavy, vycuWavyDouble
};
extern const std::array<std::string_view, vycuWavyDouble + 1> VYXChpUnderlineName;
extern const std::array<std::string_view, vycuWavyDouble + 1> VYXChpUnderlineNiceName;

enum TVYXChpSubSuperscript { vycssNone, vycssSubscript, vycssSuperscript };

enum TVYXPapTextAlign { vyptaLeft, vyptaCenter, vyptaRight, vyptaJustify };
extern const std::array<std::string_view, vyptaJustify + 1> VYXPapTextAlignName;

enum TVYXPAPLineSpacingType { aplstSingle, aplst1_5Lines, aplstDouble, aplstAtLeast, aplstExactly, aplstMultiple };
enum TVYXTAPWidthType { atwtNone, atwtAuto, atwtPercent, atwtPoints };
enum TVYXTabStopAlignment { atsaClear, atsaLeft, atsaCenter, atsaRight, atsaDecimal, atsaNum };
enum TVYXTabStopLeader { atslNone, atslDot, atslHyphen, atslUnderscore, atslHeavy, atslMiddleDot };
enum TVYXThemeColorType {
    atctDark1, atctLight1, atctDark2, atctLight2, atctAccent1, atctAccent2, atctAccent3, atctAccent4,
    atctAccent5, atctAccent6, atctHyperlink, atctFollowedHyperlink, atctNone, atctBackground1, atctText1,
    atctBackground2, atctText2, atctNotUsed
};

enum TVYXHighlighColor {
    ahcBlack, ahcBlue, ahcCyan, ahcGreen, ahcMagenta, ahcRed, ahcYellow, ahcWhite, ahcDarkBlue, ahcDarkCyan,
    ahcDarkGreen, ahcDarkMagenta, ahcDarkRed, ahcDarkYellow, ahcDarkGray, ahcLightGray, ahcNone
};
// The colour each highlight stands for when drawn (ahcNone: automatic).
extern const std::array<TVYXColor, ahcNone + 1> VYXHighlightColorValue;
// The drawn colour of a stored highlight value; automatic for values out of range.
TVYXColor HighlightToColor(int highlight);

// ---- Owned values ------------------------------------------------------------

class TVYXDocPropOwnedObj {
public:
    virtual ~TVYXDocPropOwnedObj() = default;
    // A new, empty instance of the same class.
    virtual std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const = 0;
    virtual void Assign(const TVYXDocPropOwnedObj& source) = 0;
    // False when the classes differ.
    virtual bool Equal(const TVYXDocPropOwnedObj& other) const = 0;
    // Whether property lists compare this value by Equal; lists count every other
    // owned value (tab stops, shading, paragraph revision data) as different, so two
    // paragraphs with such values are never merged as "same format".
    virtual bool ComparedInLists() const { return false; }
    std::unique_ptr<TVYXDocPropOwnedObj> Clone() const;
};

class TVYXDocPropBorder : public TVYXDocPropOwnedObj {
public:
    double Width = 0;
    TVYXColor Color = cVYXAutoColor;
    TST_Border Style = stbNone;
    double Space = 0;  // distance to the text

    void Clear() { SetVals(0, cVYXAutoColor, stbNone, 0); }
    double Margin() const { return Width + Space; }
    void SetVals(double width, TVYXColor color, TST_Border style, double space);
    bool Assigned() const { return Style != stbNil && Style != stbNone; }

    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override;
    void Assign(const TVYXDocPropOwnedObj& source) override;
    bool Equal(const TVYXDocPropOwnedObj& other) const override;
    bool ComparedInLists() const override { return true; }
};

enum TVYXBorderSide { abrsLeft, abrsTop, abrsRight, abrsBottom };

// Four sides, each absent, owned by the set, or borrowed from a property list.
class TVYXDocPropBorders {
public:
    TVYXDocPropBorders() = default;
    TVYXDocPropBorders(const TVYXDocPropBorders&) = delete;
    TVYXDocPropBorders& operator=(const TVYXDocPropBorders&) = delete;

    TVYXDocPropBorder* Side(TVYXBorderSide side) const { return FSides[side]; }
    TVYXDocPropBorder* Left() const { return FSides[abrsLeft]; }
    TVYXDocPropBorder* Top() const { return FSides[abrsTop]; }
    TVYXDocPropBorder* Right() const { return FSides[abrsRight]; }
    TVYXDocPropBorder* Bottom() const { return FSides[abrsBottom]; }
    bool OwnsSide(TVYXBorderSide side) const { return FOwned[side] != nullptr; }

    // The side's border, created (owned by the set, cleared) when absent.
    TVYXDocPropBorder* AddSide(TVYXBorderSide side);
    TVYXDocPropBorder* AddLeft() { return AddSide(abrsLeft); }
    TVYXDocPropBorder* AddTop() { return AddSide(abrsTop); }
    TVYXDocPropBorder* AddRight() { return AddSide(abrsRight); }
    TVYXDocPropBorder* AddBottom() { return AddSide(abrsBottom); }
    void AddAll();
    // Makes the side refer to a border owned elsewhere (nullptr: no border).
    void SetSideRef(TVYXBorderSide side, TVYXDocPropBorder* border);
    void DeleteSide(TVYXBorderSide side) { SetSideRef(side, nullptr); }

    // Some side is present with a visible style / all four are.
    bool Assigned() const;
    bool AllAssigned() const;
    // All four present and equal to each other.
    bool AllEqual() const;
    // Removes the sides whose style is nil.
    void DeleteNil();
    // Owned copies of the source's sides.
    void Assign(const TVYXDocPropBorders& source);
    void Clear();

private:
    std::array<std::unique_ptr<TVYXDocPropBorder>, 4> FOwned;
    std::array<TVYXDocPropBorder*, 4> FSides{};
};

// Border sets of a reader, remembering the set added last.
class TVYXDocPropBordersList {
public:
    TVYXDocPropBorders* Add();
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXDocPropBorders* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    TVYXDocPropBorders* LastAdded() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    // The most recently added set with all four sides assigned, or nullptr.
    TVYXDocPropBorders* LastAllAssigned() const;
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TVYXDocPropBorders>> FItems;
};

// Borders of a table, row or cell; BorderChanged is called with the side a border was added on.
enum TVYXTableBorderSide { atbsLeft, atbsTop, atbsRight, atbsBottom, atbsInsideH, atbsInsideV, atbsTl2br, atbsTr2bl };

class TVYXTableBorderProps {
public:
    TVYXTableBorderProps() = default;
    TVYXTableBorderProps(const TVYXTableBorderProps&) = delete;
    TVYXTableBorderProps& operator=(const TVYXTableBorderProps&) = delete;
    virtual ~TVYXTableBorderProps() = default;

    TVYXDocPropBorders Borders;
    std::unique_ptr<TVYXDocPropBorder> BorderInsideH;
    std::unique_ptr<TVYXDocPropBorder> BorderInsideV;
    std::function<void(TVYXTableBorderProps& sender, TVYXTableBorderSide side)> BorderChanged;

    // The border of a side (diagonals only in cells), nullptr when absent.
    virtual TVYXDocPropBorder* GetBorder(TVYXTableBorderSide side) const;
    // Returns the side's border, creating a cleared one when absent.
    virtual TVYXDocPropBorder* AddBorder(TVYXTableBorderSide side);
    virtual void Assign(const TVYXTableBorderProps& source);

protected:
    void Changed(TVYXTableBorderSide side)
    {
        if (BorderChanged)
            BorderChanged(*this, side);
    }
};

class TVYXTableRowProps : public TVYXTableBorderProps {};

class TVYXTableCellProps : public TVYXTableBorderProps {
public:
    std::unique_ptr<TVYXDocPropBorder> BorderTl2br;
    std::unique_ptr<TVYXDocPropBorder> BorderTr2bl;
    TVYXColor FillColor = cVYXAutoColor;
    double MargLeft = 0, MargTop = 0, MargRight = 0, MargBottom = 0;
    bool MargLeftSet = false, MargTopSet = false, MargRightSet = false, MargBottomSet = false;
    double Width = 0;
    TVYXTAPWidthType WidthType = atwtNone;

    void SetMargLeft(double value) { MargLeft = value, MargLeftSet = true; }
    void SetMargTop(double value) { MargTop = value, MargTopSet = true; }
    void SetMargRight(double value) { MargRight = value, MargRightSet = true; }
    void SetMargBottom(double value) { MargBottom = value, MargBottomSet = true; }
    bool HasMargs() const { return MargLeftSet || MargTopSet || MargRightSet || MargBottomSet; }

    TVYXDocPropBorder* GetBorder(TVYXTableBorderSide side) const override;
    TVYXDocPropBorder* AddBorder(TVYXTableBorderSide side) override;
    void Assign(const TVYXTableBorderProps& source) override;
};

class TVYXTabStops;

class TVYXTabStop {
public:
    TVYXTabStops* Parent = nullptr;  // borrowed: the list that owns this stop
    double Position = 0;
    TVYXTabStopAlignment Alignment = atsaLeft;
    TVYXTabStopLeader Leader = atslNone;

    // Positions within 0.1 point count as the same.
    bool Equal(const TVYXTabStop& other) const;
    void Assign(const TVYXTabStop& source);
};

// Tab stops, kept sorted by position.
class TVYXTabStops : public TVYXDocPropOwnedObj {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXTabStop& Items(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
    TVYXTabStop* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXTabStop* Add(double position, TVYXTabStopAlignment alignment = atsaLeft, TVYXTabStopLeader leader = atslNone);
    TVYXTabStop* Add(const TVYXTabStop& tabStop);
    void Add(const std::vector<double>& positions);
    // Index of the stop within 0.1 point of the position, or -1.
    int Find(double position) const;
    // Inserts a copy keeping the order (the index is where the caller saw room; the order wins).
    TVYXTabStop* Insert(int index, const TVYXTabStop& tabStop);
    void Delete(int index);
    void Clear() { FItems.clear(); }

    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override;
    void Assign(const TVYXDocPropOwnedObj& source) override;
    bool Equal(const TVYXDocPropOwnedObj& other) const override;

private:
    TVYXTabStop* InsertSorted(std::unique_ptr<TVYXTabStop> stop);
    std::vector<std::unique_ptr<TVYXTabStop>> FItems;
};

struct TVYXThemeColor {
    TVYXColor Color = cVYXAutoColor;
    TVYXThemeColorType ThemeColor = atctNone;
    std::int32_t Tint = 0;
    std::int32_t Shade = 0;
    bool operator==(const TVYXThemeColor&) const = default;
};

class TVYXPAPXShade : public TVYXDocPropOwnedObj {
public:
    std::int32_t Pattern = 0;  // shading pattern code
    TVYXThemeColor Color;      // pattern colour
    TVYXThemeColor Fill;       // background

    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override;
    void Assign(const TVYXDocPropOwnedObj& source) override;
    bool Equal(const TVYXDocPropOwnedObj& other) const override;
};

// ---- Property items and lists ------------------------------------------------

// One set property. Strings and owned objects belong to the item; styles and
// numbering levels are references into the document's style sheet and lists.
using TVYXPropValue = std::variant<std::monostate, bool, std::int32_t, double, std::u16string, TVYXStyle*,
                                   TVYXNumbering*, std::unique_ptr<TVYXDocPropOwnedObj>>;

struct TVYXPropItem {
    std::int32_t Id = 0;
    TVYXPropValue Value;

    bool ValBool() const;
    std::int32_t ValInt() const;
    std::uint32_t ValDWord() const { return static_cast<std::uint32_t>(ValInt()); }
    double ValFloat() const;
    std::u16string_view ValString() const;
    TVYXStyle* ValStyle() const;
    TVYXNumbering* ValNumbering() const;
    TVYXDocPropOwnedObj* ValOwnedObj() const;
    // A deep copy: owned objects through CreateObj + Assign.
    TVYXPropItem Clone() const;
};

// Same id and equal value (floats within 1e-5, owned values by their Equal when
// lists compare them); the undo system compares single changes with it.
bool CmpDocPropChpx(const TVYXPropItem& a, const TVYXPropItem& b);
// Replaces `target` by a deep copy of `source`.
void CopyDocPropPapx(const TVYXPropItem& source, TVYXPropItem& target);

class TVYXPropList {
public:
    TVYXPropList() = default;
    TVYXPropList(const TVYXPropList&) = delete;
    TVYXPropList& operator=(const TVYXPropList&) = delete;
    virtual ~TVYXPropList();

    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXPropItem& Items(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    // Binary search; the index or -1.
    int Find(std::int32_t id) const;
    bool Assigned(std::int32_t id) const { return Find(id) >= 0; }

    virtual bool IsBoolean(std::int32_t id) const = 0;
    virtual bool IsString(std::int32_t id) const = 0;
    virtual bool IsInteger(std::int32_t id) const = 0;
    virtual bool IsFloat(std::int32_t id) const = 0;
    virtual bool IsStyle(std::int32_t id) const = 0;  // object-typed (styles, numbering levels)
    virtual bool IsOwnedObject(std::int32_t id) const = 0;
    virtual void AfterChanged() {}
    // Clear, then copy every item; style items are looked up in `targetStyles` by
    // their id and, when missing, a table style of that name is added there.
    virtual void Assign(const TVYXPropList& source, TVYXStyles* targetStyles);
    // Clear, then copy every item; style items are mapped into `targetStyles`
    // (added with their base styles when missing). Without a target sheet, or
    // when both sheets are the same, references are copied as they are.
    virtual void Assign(const TVYXPropList& source, const TVYXStyles* sourceStyles, TVYXStyles* targetStyles);
    virtual void GetDebugList(TVYXStringList& list, std::string_view prefix) const = 0;
    virtual void Remove(std::int32_t id);

    TVYXPropIdType GetValueType(int index) const;
    TVYXPropIdType IdType(std::int32_t id) const;

    // Insert at the sorted place; they do not check for an existing item of the id.
    void AddBoolean(std::int32_t id, bool value) { Insert({id, value}); }
    void AddInteger(std::int32_t id, std::int32_t value) { Insert({id, value}); }
    void AddFloat(std::int32_t id, double value) { Insert({id, value}); }
    void AddString(std::int32_t id, std::u16string_view text) { Insert({id, std::u16string(text)}); }
    void AddObject(std::int32_t id, TVYXStyle* style) { Insert({id, style}); }
    void AddObject(std::int32_t id, TVYXNumbering* numbering) { Insert({id, numbering}); }
    // Stores a copy of `obj`.
    void AddOwnedObject(std::int32_t id, const TVYXDocPropOwnedObj& obj) { Insert({id, obj.Clone()}); }
    void AddEmpty(std::int32_t id) { Insert({id, std::monostate{}}); }

    void SetAsBoolean(std::int32_t id, bool value) { Set(id, value); }
    void SetAsInteger(std::int32_t id, std::int32_t value) { Set(id, value); }
    void SetAsFloat(std::int32_t id, double value) { Set(id, value); }
    void SetAsString(std::int32_t id, std::u16string_view text) { Set(id, std::u16string(text)); }
    void SetAsObject(std::int32_t id, TVYXStyle* style) { Set(id, style); }
    void SetAsObject(std::int32_t id, TVYXNumbering* numbering) { Set(id, numbering); }
    // Stores the object itself; the previous one is destroyed. Returns it (borrowed).
    TVYXDocPropOwnedObj* SetAsOwnedObject(std::int32_t id, std::unique_ptr<TVYXDocPropOwnedObj> obj);

    bool GetAsBoolean(std::int32_t id) const;
    std::int32_t GetAsInteger(std::int32_t id) const;
    double GetAsFloat(std::int32_t id) const;
    std::u16string GetAsString(std::int32_t id) const;
    TVYXStyle* GetAsStyle(std::int32_t id) const;
    TVYXNumbering* GetAsNumbering(std::int32_t id) const;
    TVYXDocPropOwnedObj* GetAsOwnedObject(std::int32_t id) const;

    bool GetValue(std::int32_t id, bool& value) const;
    bool GetValue(std::int32_t id, std::int32_t& value) const;
    bool GetValue(std::int32_t id, std::uint32_t& value) const;
    bool GetValue(std::int32_t id, double& value) const;
    bool GetValue(std::int32_t id, std::u16string& value) const;
    bool GetValue(std::int32_t id, TVYXStyle*& value) const;

    // The value as text for display and debugging ("True", "FF0000", ...).
    virtual std::string GetAsText(std::int32_t id) const;

    void Clear();
    // Boolean ids only: absent -> added as true; present -> removed.
    void Toggle(std::int32_t id);
    // Copies the source's items whose id is absent here (owned values are not copied).
    void Inherit(const TVYXPropList& source);
    // Copies every source item, overwriting (owned values are not copied).
    void Merge(const TVYXPropList& source);
    // Never true for empty lists; floats within 1e-5.
    bool Equal(const TVYXPropList& other) const;

protected:
    // The name of an id for debug texts ("Bold"); empty for unknown ids.
    virtual std::string_view IdName(std::int32_t id) const = 0;
    void Insert(TVYXPropItem item);
    void Set(std::int32_t id, TVYXPropValue value);
    const TVYXPropItem* FindItem(std::int32_t id) const;
    // What a subclass keeps beside its items (paragraph-mark list, floating
    // position); called by both Assign forms after the items were copied.
    virtual void AssignExtras(const TVYXPropList&, const TVYXStyles*, TVYXStyles*) {}
    void DebugLines(TVYXStringList& list, std::string_view prefix) const;

private:
    std::vector<TVYXPropItem> FItems;
};

class TVYXCHP;
class TVYXPAP;
class TVYXTAP;

// ---- Character properties ----------------------------------------------------

class TVYXCHPX : public TVYXPropList {
public:
    // `chp` is the dense fallback (borrowed); nullptr answers absent values from the defaults.
    explicit TVYXCHPX(TVYXCHP* chp) : FCHP(chp) {}

    TVYXCHP* CHP() const { return FCHP; }
    void SetCHP(TVYXCHP* chp);
    // Small caps or all caps in effect (kept by AfterChanged).
    bool TextTransform() const { return FTextTransform; }

    bool IsBoolean(std::int32_t id) const override { return ChpxVarType(id) == vycitBoolean; }
    bool IsString(std::int32_t id) const override { return ChpxVarType(id) == vycitString; }
    bool IsInteger(std::int32_t id) const override { return ChpxVarType(id) == vycitInteger; }
    bool IsFloat(std::int32_t id) const override { return ChpxVarType(id) == vycitFloat; }
    bool IsStyle(std::int32_t id) const override { return ChpxVarType(id) == vycitObject; }
    bool IsOwnedObject(std::int32_t id) const override { return ChpxVarType(id) == vycitOwnedObject; }
    void AfterChanged() override { CheckTextTransform(); }
    void GetDebugList(TVYXStringList& list, std::string_view prefix) const override;
    std::string GetAsText(std::int32_t id) const override;
    void CheckTextTransform();

    bool GetBold() const;
    bool GetItalic() const;
    bool GetStrikeThrough() const;
    bool GetHidden() const;
    bool GetShadow() const;
    bool GetOutline() const;
    bool GetEmboss() const;
    bool GetEngrave() const;
    bool GetSmallCaps() const;
    bool GetAllCaps() const;
    bool GetMisspelled() const { return GetAsBoolean(vyciMisspelled); }  // never inherited
    bool GetRTL() const;
    TVYXColor GetColor() const;
    TVYXColor GetFillColor() const;
    TVYXHighlighColor GetHighlightColor() const;
    TVYXChpUnderline GetUnderline() const;
    TVYXColor GetUnderlineColor() const;
    TVYXChpSubSuperscript GetSubSuperscript() const;
    TVYXColor GetColorHLinkHoover() const;
    TVYXColor GetColorHLinkVisited() const;
    double GetSize() const;
    // The character style, or nullptr (also for a style of another kind).
    TVYXCharStyle* GetStyle() const;
    TVYXDocPropBorder* GetBorder() const;
    TVYXRevisionData* GetRevision() const;
    // Own value, else the character style's own value, else the CHP's.
    std::u16string GetFontName() const;
    std::u16string GetEastAsia() const;
    std::u16string GetAscii() const;
    std::u16string GethAnsi() const;

    // Own non-zero value, else the first non-zero one up the character style chain, else 0.
    TVYXColor GetStyledColor() const;
    TVYXChpUnderline GetStyledUnderline() const;
    TVYXColor GetStyledUnderlineColor() const;

    void SetBold(bool value) { SetAsBoolean(vyciBold, value); }
    void SetItalic(bool value) { SetAsBoolean(vyciItalic, value); }
    void SetStrikeThrough(bool value) { SetAsBoolean(vyciStrikeThrough, value); }
    void SetHidden(bool value) { SetAsBoolean(vyciHidden, value); }
    void SetShadow(bool value) { SetAsBoolean(vyciShadow, value); }
    void SetOutline(bool value) { SetAsBoolean(vyciOutline, value); }
    void SetEmboss(bool value) { SetAsBoolean(vyciEmboss, value); }
    void SetEngrave(bool value) { SetAsBoolean(vyciEngrave, value); }
    void SetSmallCaps(bool value);
    void SetAllCaps(bool value);
    void SetMisspelled(bool value) { SetAsBoolean(vyciMisspelled, value); }
    void SetRTL(bool value) { SetAsBoolean(vyciRTL, value); }
    void SetColor(TVYXColor value) { SetAsInteger(vyciColor, static_cast<std::int32_t>(value)); }
    void SetFillColor(TVYXColor value) { SetAsInteger(vyciFillColor, static_cast<std::int32_t>(value)); }
    void SetHighlightColor(TVYXHighlighColor value) { SetAsInteger(vyciHighlightColor, value); }
    void SetUnderline(TVYXChpUnderline value) { SetAsInteger(vyciUnderline, value); }
    void SetUnderlineColor(TVYXColor value) { SetAsInteger(vyciUnderlineColor, static_cast<std::int32_t>(value)); }
    void SetSubSuperscript(TVYXChpSubSuperscript value) { SetAsInteger(vyciSubSuperscript, value); }
    void SetColorHLinkHoover(TVYXColor v) { SetAsInteger(vyciColorHLinkHoover, static_cast<std::int32_t>(v)); }
    void SetColorHLinkVisited(TVYXColor v) { SetAsInteger(vyciColorHLinkVisited, static_cast<std::int32_t>(v)); }
    void SetSize(double value) { SetAsFloat(vyciSize, value); }
    void SetStyle(TVYXCharStyle* style);
    void SetFontName(std::u16string_view name) { SetAsString(vyciFontName, name); }
    void SetEastAsia(std::u16string_view name) { SetAsString(vyciEastAsia, name); }
    void SetAscii(std::u16string_view name) { SetAsString(vyciAscii, name); }
    void SethAnsi(std::u16string_view name) { SetAsString(vycihAnsi, name); }

    // The border, created single (width 0, colour 0, space 0) when absent.
    TVYXDocPropBorder* AddBorder();
    void AddRevision(std::unique_ptr<TVYXRevisionData> data);
    void RemoveRevision() { Remove(vyciRevision); }

    bool GetChpxAsBoolean(std::int32_t id) const;
    std::int32_t GetChpxAsInteger(std::int32_t id) const;
    double GetChpxAsFloat(std::int32_t id) const;          // vyciSize only
    std::u16string GetChpxAsString(std::int32_t id) const;  // vyciFontName only
    void SetChpxAsBoolean(std::int32_t id, bool value);

    // Reads the formatting codes at the start of `text` (\b \B \i \I \u \U \sNN
    // \CRRGGBB \F"name"), applies them and returns the rest in `plainText`.
    void AssignFmtText(std::u16string_view text, std::u16string& plainText);

protected:
    std::string_view IdName(std::int32_t id) const override;

private:
    const TVYXCHP& Fallback() const;
    TVYXCHP* FCHP;
    bool FTextTransform = false;
};

// Dense character properties: one value for every property.
class TVYXCHP {
public:
    TVYXCHP();
    TVYXCHP(const TVYXCHP&) = delete;
    TVYXCHP& operator=(const TVYXCHP&) = delete;
    ~TVYXCHP();

    TVYXChpUnderline Underline = vycuNone;
    TVYXColor UnderlineColor = 0;
    TVYXColor Color = 0;
    TVYXColor FillColor = cVYXAutoColor;
    TVYXHighlighColor HighlightColor = ahcNone;
    TVYXColor ColorHLinkHoover = 0;
    TVYXColor ColorHLinkVisited = 0;
    std::u16string FontName = u"Arial";
    std::u16string EastAsia;
    std::u16string Ascii;
    std::u16string hAnsi;
    double Size = 10.0;
    bool Italic = false;
    bool Bold = false;
    bool StrikeTrough = false;
    TVYXChpSubSuperscript SubSuperscript = vycssNone;
    bool Hidden = false;
    bool Shadow = false;
    bool Outline = false;
    bool Emboss = false;
    bool Engrave = false;
    bool SmallCaps = false;
    bool AllCaps = false;
    bool RTL = false;
    std::function<void(TVYXCHP& sender, TVYXCHPX& chpx)> CreateCHPXEvent;
    bool HasDefaultFont = false;

    // A list that falls back to this CHP (owned).
    TVYXCHPX& CHPX() { return *FCHPX; }

    void Clear();
    void Assign(const TVYXCHP& source);
    // Writes the list's items that have a field here.
    void Merge(const TVYXCHPX& chpx);

private:
    std::unique_ptr<TVYXCHPX> FCHPX;
};

// ---- Paragraph properties ----------------------------------------------------

class TVYXPAP {
public:
    TVYXPAP() { Clear(); }
    TVYXPAP(const TVYXPAP&) = delete;
    TVYXPAP& operator=(const TVYXPAP&) = delete;

    double IndentLeft = 0, IndentRight = 0, IndentFirstLine = 0, IndentHanging = 0;
    double LineSpacing = 1.08;
    double SpaceBefore = 0;
    double SpaceAfter = 8.0;
    bool ContextualSpacing = false;
    TVYXPapTextAlign Alignment = vyptaLeft;
    TVYXColor Color = cVYXAutoColor;
    bool NoWrap = false;
    std::int32_t OutlineLevel = 0;
    TVYXPAPLineSpacingType LineSpacingType = aplstMultiple;
    bool InheritPAPX = true;
    std::function<void(TVYXPAP& sender, class TVYXPAPX& papx)> CreatePAPXEvent;

    void Clear();
    // `compatible`: single spacing and no space after; else the Clear values.
    void SetDefault(bool compatible);
    void Assign(const TVYXPAP& source);
    void Merge(const TVYXPAPX& papx);
};

class TVYXPAPX : public TVYXPropList {
public:
    explicit TVYXPAPX(TVYXPAP* pap) : FPAP(pap) {}
    ~TVYXPAPX() override;

    TVYXPAP* PAP() const { return FPAP; }
    void SetPAP(TVYXPAP* pap) { FPAP = pap; }
    // Formatting of the paragraph mark, or nullptr.
    TVYXCHPX* CHPX() const { return FCHPX.get(); }
    TVYXCHPX* AddCHPX(TVYXCHP* chp);
    void DeleteCHPX() { FCHPX.reset(); }
    bool RTL = false;

    bool IsBoolean(std::int32_t id) const override { return PapxVarType(id) == vycitBoolean; }
    bool IsString(std::int32_t id) const override { return PapxVarType(id) == vycitString; }
    bool IsInteger(std::int32_t id) const override { return PapxVarType(id) == vycitInteger; }
    bool IsFloat(std::int32_t id) const override { return PapxVarType(id) == vycitFloat; }
    bool IsStyle(std::int32_t id) const override { return PapxVarType(id) == vycitObject; }
    bool IsOwnedObject(std::int32_t id) const override { return PapxVarType(id) == vycitOwnedObject; }
    void GetDebugList(TVYXStringList& list, std::string_view prefix) const override;

    bool GetContextualSpacing() const { return GetAsBoolean(vypiContextualSpacing); }
    bool GetKeepNext() const { return GetAsBoolean(vypiKeepNext); }
    bool GetNoWrap() const;
    TVYXPapTextAlign GetAlignment() const;
    TVYXColor GetColor() const;
    std::int32_t GetOutlineLevel() const;
    TVYXPAPLineSpacingType GetLineSpacingType() const;
    double GetIndentLeft() const;
    double GetIndentRight() const;
    double GetIndentFirstLine() const;
    double GetIndentHanging() const;
    // Own value, else up the paragraph style chain, else the PAP's.
    double GetLineSpacing() const;
    double GetSpaceBefore() const;
    double GetSpaceAfter() const;
    // The paragraph style, or nullptr.
    TVYXParaStyle* GetStyle() const;
    TVYXNumbering* GetNumbering() const { return GetAsNumbering(vypiNumbering); }
    TVYXDocPropBorder* GetBorderLeft() const { return GetBorder(vypiBorderLeft); }
    TVYXDocPropBorder* GetBorderTop() const { return GetBorder(vypiBorderTop); }
    TVYXDocPropBorder* GetBorderRight() const { return GetBorder(vypiBorderRight); }
    TVYXDocPropBorder* GetBorderBottom() const { return GetBorder(vypiBorderBottom); }
    TVYXPAPXShade* GetShade() const;
    TVYXTabStops* GetTabStops() const;
    TVYXRevisionData* GetRevision() const;

    // Own value, else the style chain's, else left / automatic.
    TVYXPapTextAlign GetStyleAlignment() const;
    TVYXColor GetStyleColor() const;
    // Own value, else the first style up the chain whose list has the id, else 0.
    double GetStyledIndentLeft() const;
    double GetStyledIndentHanging() const;
    std::int32_t GetStyledOutlineLevel() const;
    // Own value, else the first style up the chain with a non-zero value, else the PAP's.
    double GetStyledSpaceBefore() const;
    double GetStyledSpaceAfter() const;

    void SetContextualSpacing(bool value) { SetAsBoolean(vypiContextualSpacing, value); }
    void SetNoWrap(bool value) { SetAsBoolean(vypiNoWrap, value); }
    void SetKeepNext(bool value) { SetAsBoolean(vypiKeepNext, value); }
    void SetAlignment(TVYXPapTextAlign value) { SetAsInteger(vypiAlignment, value); }
    void SetColor(TVYXColor value) { SetAsInteger(vypiColor, static_cast<std::int32_t>(value)); }
    void SetOutlineLevel(std::int32_t value) { SetAsInteger(vypiOutlineLevel, value); }
    void SetLineSpacingType(TVYXPAPLineSpacingType value) { SetAsInteger(vypiLineSpacingType, value); }
    void SetIndentLeft(double value) { SetAsFloat(vypiIndentLeft, value); }
    void SetIndentRight(double value) { SetAsFloat(vypiIndentRight, value); }
    void SetIndentFirstLine(double value) { SetAsFloat(vypiIndentFirstLine, value); }
    void SetIndentHanging(double value) { SetAsFloat(vypiIndentHanging, value); }
    void SetLineSpacing(double value) { SetAsFloat(vypiLineSpacing, value); }
    void SetSpaceBefore(double value) { SetAsFloat(vypiSpaceBefore, value); }
    void SetSpaceAfter(double value) { SetAsFloat(vypiSpaceAfter, value); }
    void SetStyle(TVYXParaStyle* style);
    void SetNumbering(TVYXNumbering* level) { SetAsObject(vypiNumbering, level); }

    // The side's border, created single when absent.
    TVYXDocPropBorder* AddBorderLeft() { return AddBorder(vypiBorderLeft); }
    TVYXDocPropBorder* AddBorderTop() { return AddBorder(vypiBorderTop); }
    TVYXDocPropBorder* AddBorderRight() { return AddBorder(vypiBorderRight); }
    TVYXDocPropBorder* AddBorderBottom() { return AddBorder(vypiBorderBottom); }
    void AddBorders();
    void DeleteBorderLeft() { Remove(vypiBorderLeft); }
    void DeleteBorderTop() { Remove(vypiBorderTop); }
    void DeleteBorderRight() { Remove(vypiBorderRight); }
    void DeleteBorderBottom() { Remove(vypiBorderBottom); }
    bool HasBorders() const;
    // References to this list's borders in a set (absent sides stay as they are).
    void GetBorders(TVYXDocPropBorders& borders) const;
    // Copies of this list's borders into the matching sides.
    void CopyTo(TVYXDocPropBorders& borders) const;
    TVYXPAPXShade* AddShade();
    // Tab stops, created empty when absent; `dop` is kept for the default interval.
    TVYXTabStops* AddTabStops(const TVYXDOP* dop = nullptr);
    void RemoveTabStops() { Remove(vypiTabStops); }
    void AddRevision(std::unique_ptr<TVYXRevisionData> data);
    void RemoveRevision() { Remove(vypiRevision); }

    // Where the number of a list paragraph starts; the text itself starts at 0 offset.
    double NumberingNumIndent() const;
    double NumberingTextIndent() const { return 0; }

protected:
    std::string_view IdName(std::int32_t id) const override;
    // Copies the paragraph-mark list too.
    void AssignExtras(const TVYXPropList& source, const TVYXStyles* sourceStyles, TVYXStyles* targetStyles) override;

private:
    const TVYXPAP& Fallback() const;
    TVYXDocPropBorder* GetBorder(TVYXPapId id) const;
    TVYXDocPropBorder* AddBorder(TVYXPapId id);
    TVYXPAP* FPAP;
    std::unique_ptr<TVYXCHPX> FCHPX;
};

// ---- Table properties ----------------------------------------------------------

class TVYXTAP {
public:
    TVYXTAP() { Clear(); }
    TVYXTAP(const TVYXTAP&) = delete;
    TVYXTAP& operator=(const TVYXTAP&) = delete;

    TVYXTableStyle* Style = nullptr;  // borrowed from the style sheet
    double CellMargLeft = 5.6, CellMargTop = 0, CellMargRight = 5.6, CellMargBottom = 0;
    TVYXPapTextAlign Alignment = vyptaLeft;
    double Indent = 0;
    double Width = 0;
    TVYXTAPWidthType WidthType = atwtNone;
    std::u16string Caption;

    void Clear();
    void Assign(const TVYXTAP& source);
};

// A floating table's position: the attributes of the table position element, stored as read.
struct TTAPXFloating {
    std::int32_t LeftFromText = 0, RightFromText = 0, TopFromText = 0, BottomFromText = 0;
    std::int32_t VertAnchor = 0, HorzAnchor = 0, TblpXSpec = 0, TblpX = 0, TblpYSpec = 0, TblpY = 0;
    bool operator==(const TTAPXFloating&) const = default;
};

class TVYXTAPX : public TVYXPropList {
public:
    explicit TVYXTAPX(TVYXTAP* tap) : FTAP(tap) {}
    ~TVYXTAPX() override;

    TVYXTAP* TAP() const { return FTAP; }
    TTAPXFloating* Floating() const { return FFloating.get(); }
    TTAPXFloating* CreateFloating();
    std::u16string Caption;

    bool IsBoolean(std::int32_t id) const override { return TapxVarType(id) == vycitBoolean; }
    bool IsString(std::int32_t id) const override { return TapxVarType(id) == vycitString; }
    bool IsInteger(std::int32_t id) const override { return TapxVarType(id) == vycitInteger; }
    bool IsFloat(std::int32_t id) const override { return TapxVarType(id) == vycitFloat; }
    bool IsStyle(std::int32_t id) const override { return TapxVarType(id) == vycitObject; }
    bool IsOwnedObject(std::int32_t id) const override { return TapxVarType(id) == vycitOwnedObject; }
    void GetDebugList(TVYXStringList& list, std::string_view prefix) const override;

    double GetIndent() const { return GetAsFloat(vytiIndent); }
    double GetWidth() const { return GetAsFloat(vytiWidth); }
    TVYXPapTextAlign GetAlignment() const;
    TVYXTAPWidthType GetWidthType() const;
    TVYXTableStyle* GetStyle() const;
    // Own border, else the table style's, else nullptr.
    TVYXDocPropBorder* GetBorder(TVYXTapId id) const;
    TVYXDocPropBorder* GetBorderLeft() const { return GetBorder(vytiBorderLeft); }
    TVYXDocPropBorder* GetBorderTop() const { return GetBorder(vytiBorderTop); }
    TVYXDocPropBorder* GetBorderRight() const { return GetBorder(vytiBorderRight); }
    TVYXDocPropBorder* GetBorderBottom() const { return GetBorder(vytiBorderBottom); }
    TVYXDocPropBorder* GetBorderInsideVert() const { return GetBorder(vytiBorderInsideVert); }
    TVYXDocPropBorder* GetBorderInsideHoriz() const { return GetBorder(vytiBorderInsideHoriz); }
    // Own value, else the table style's, else the TAP's.
    double GetCellMargLeft() const { return GetCellMarg(vytiCellMargLeft); }
    double GetCellMargTop() const { return GetCellMarg(vytiCellMargTop); }
    double GetCellMargRight() const { return GetCellMarg(vytiCellMargRight); }
    double GetCellMargBottom() const { return GetCellMarg(vytiCellMargBottom); }
    // The cell's own margin when it set one, else the table's.
    double CalcCellMargLeft(const TVYXTableCellProps* cell) const;
    double CalcCellMargRight(const TVYXTableCellProps* cell) const;

    void SetAlignment(TVYXPapTextAlign value) { SetAsInteger(vytiAlignment, value); }
    void SetWidthType(TVYXTAPWidthType value) { SetAsInteger(vytiWidthType, value); }
    void SetIndent(double value) { SetAsFloat(vytiIndent, value); }
    void SetWidth(double value) { SetAsFloat(vytiWidth, value); }
    void SetCellMargLeft(double value) { SetAsFloat(vytiCellMargLeft, value); }
    void SetCellMargTop(double value) { SetAsFloat(vytiCellMargTop, value); }
    void SetCellMargRight(double value) { SetAsFloat(vytiCellMargRight, value); }
    void SetCellMargBottom(double value) { SetAsFloat(vytiCellMargBottom, value); }
    void SetStyle(TVYXTableStyle* style);

    // The border, created cleared when absent.
    TVYXDocPropBorder* AddBorder(TVYXTapId id);
    void AddBorders();
    // The four outer borders single, 0.5 point, colour 0, space 0.
    void SetDefaultBorders();
    // Ensures all six borders exist, then hides the flagged ones (style none).
    void RemoveBorders(bool left, bool top, bool right, bool bottom, bool insideH, bool insideV);
    void ZeroMargs();
    void CopyTo(TVYXTableBorderProps& props) const;

protected:
    std::string_view IdName(std::int32_t id) const override;
    // Copies the floating position and the caption too.
    void AssignExtras(const TVYXPropList& source, const TVYXStyles* sourceStyles, TVYXStyles* targetStyles) override;

private:
    double GetCellMarg(TVYXTapId id) const;
    TVYXTAP* FTAP;
    std::unique_ptr<TTAPXFloating> FFloating;
};

// ---- Save/restore stacks of the readers ------------------------------------

// Copies and restores for the stacks below (the fallback dense object stays the list's own).
std::unique_ptr<TVYXCHPX> VYXStackCopy(const TVYXCHPX& chpx);
std::unique_ptr<TVYXPAPX> VYXStackCopy(const TVYXPAPX& papx);
std::unique_ptr<TVYXDocPropBorders> VYXStackCopy(const TVYXDocPropBorders& borders);
void VYXStackRestore(TVYXCHPX& target, const TVYXCHPX& saved);
void VYXStackRestore(TVYXPAPX& target, const TVYXPAPX& saved);
void VYXStackRestore(TVYXDocPropBorders& target, const TVYXDocPropBorders& saved);

// Formatting saved at a group's start and put back at its end.
template <class T>
class TVYXSaveStack {
public:
    // Pushes a copy of `item`.
    void Push(const T& item) { FItems.push_back(VYXStackCopy(item)); }
    // Assigns the top entry back into `item` and drops it; false when empty.
    bool Pop(T& item)
    {
        if (FItems.empty())
            return false;
        VYXStackRestore(item, *FItems.back());
        FItems.pop_back();
        return true;
    }
    T* Peek() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    std::vector<std::unique_ptr<T>> FItems;
};

using TVYXCHPXStack = TVYXSaveStack<TVYXCHPX>;
using TVYXPAPXStack = TVYXSaveStack<TVYXPAPX>;
using TVYXDocPropBordersStack = TVYXSaveStack<TVYXDocPropBorders>;
