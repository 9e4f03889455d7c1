// VYXPropValues.h: the values that property lists store or refer to: colours, the
// enumerations of property values, and owned values (borders, border sets, tab stops,
// shading), plus the border properties of table rows and cells.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXDefs.h"

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

// ---- Enumerations of property values -------------------------------------------

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

// The range of an enumeration stored as an integer property: values read from a list
// outside [0, Last] become Default. Every enumeration a property list stores has one.
template <class E>
struct TVYXEnumRange;
template <>
struct TVYXEnumRange<TVYXChpUnderline> {
    static constexpr auto Last = vycuWavyDouble, Default = vycuNone;
};
template <>
struct TVYXEnumRange<TVYXChpSubSuperscript> {
    static constexpr auto Last = vycssSuperscript, Default = vycssNone;
};
template <>
struct TVYXEnumRange<TVYXPapTextAlign> {
    static constexpr auto Last = vyptaJustify, Default = vyptaLeft;
};
template <>
struct TVYXEnumRange<TVYXPAPLineSpacingType> {
    static constexpr auto Last = aplstMultiple, Default = aplstMultiple;
};
template <>
struct TVYXEnumRange<TVYXTAPWidthType> {
    static constexpr auto Last = atwtPoints, Default = atwtNone;
};
template <>
struct TVYXEnumRange<TVYXHighlighColor> {
    static constexpr auto Last = ahcNone, Default = ahcNone;
};

// A stored integer as the enumeration, clamped to its range.
template <class E>
constexpr E VYXToEnum(std::int32_t value)
{
    const bool inRange = value >= 0 && value <= static_cast<std::int32_t>(TVYXEnumRange<E>::Last);
    return inRange ? static_cast<E>(value) : TVYXEnumRange<E>::Default;
}

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

// Four sides, each absent, owned by the set, or borrowed read-only from a property list
// (the resolved format of a paragraph refers to its list's borders). The set hands its
// sides out read-only; AddSide gives a writable one, so writing never reaches a lender.
class TVYXDocPropBorders {
public:
    TVYXDocPropBorders() = default;
    TVYXDocPropBorders(const TVYXDocPropBorders&) = delete;
    TVYXDocPropBorders& operator=(const TVYXDocPropBorders&) = delete;

    const TVYXDocPropBorder* Side(TVYXBorderSide side) const { return FSides[side]; }
    const TVYXDocPropBorder* Left() const { return FSides[abrsLeft]; }
    const TVYXDocPropBorder* Top() const { return FSides[abrsTop]; }
    const TVYXDocPropBorder* Right() const { return FSides[abrsRight]; }
    const TVYXDocPropBorder* Bottom() const { return FSides[abrsBottom]; }
    bool OwnsSide(TVYXBorderSide side) const { return FOwned[side] != nullptr; }

    // The side's border, writable and owned by the set: created cleared when absent, a
    // copy when the side was borrowed.
    TVYXDocPropBorder* AddSide(TVYXBorderSide side);
    // The side writable as AddSide gives it, but nullptr when the side is absent.
    TVYXDocPropBorder* EditSide(TVYXBorderSide side) { return FSides[side] ? AddSide(side) : nullptr; }
    TVYXDocPropBorder* AddLeft() { return AddSide(abrsLeft); }
    TVYXDocPropBorder* AddTop() { return AddSide(abrsTop); }
    TVYXDocPropBorder* AddRight() { return AddSide(abrsRight); }
    TVYXDocPropBorder* AddBottom() { return AddSide(abrsBottom); }
    void AddAll();
    // Makes the side refer to a border owned elsewhere, read-only (nullptr: no border).
    void SetSideRef(TVYXBorderSide side, const TVYXDocPropBorder* border);
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
    std::array<const TVYXDocPropBorder*, 4> FSides{};
};

// Border sets of a reader, remembering the set added last.
class TVYXDocPropBordersList {
public:
    TVYXDocPropBorders* Add();
    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXDocPropBorders* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    TVYXDocPropBorders* Items(int index) { return FItems.at(static_cast<std::size_t>(index)).get(); }
    const TVYXDocPropBorders* LastAdded() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXDocPropBorders* LastAdded() { return FItems.empty() ? nullptr : FItems.back().get(); }
    // The most recently added set with all four sides assigned, or nullptr.
    const TVYXDocPropBorders* LastAllAssigned() const;
    TVYXDocPropBorders* LastAllAssigned();
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
    virtual const TVYXDocPropBorder* GetBorder(TVYXTableBorderSide side) const;
    virtual TVYXDocPropBorder* GetBorder(TVYXTableBorderSide side);
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

    const TVYXDocPropBorder* GetBorder(TVYXTableBorderSide side) const override;
    TVYXDocPropBorder* GetBorder(TVYXTableBorderSide side) override;
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
    const TVYXTabStop& Items(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
    TVYXTabStop& Items(int index) { return *FItems.at(static_cast<std::size_t>(index)); }
    const TVYXTabStop* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXTabStop* Last() { return FItems.empty() ? nullptr : FItems.back().get(); }
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
