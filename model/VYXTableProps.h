// VYXTableProps.h: table properties: the sparse list of a table (TVYXTAPX), the dense
// set it falls back to (TVYXTAP) and a floating table's position.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/VYXPropList.h"

class TVYXTableStyle;

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
    // The floating position (owned), or nullptr.
    const TTAPXFloating* Floating() const { return FFloating.get(); }
    TTAPXFloating* Floating() { return FFloating.get(); }
    TTAPXFloating* CreateFloating();
    std::u16string Caption;

    bool IsBoolean(std::int32_t id) const override { return TapxVarType(id) == vycitBoolean; }
    bool IsString(std::int32_t id) const override { return TapxVarType(id) == vycitString; }
    bool IsInteger(std::int32_t id) const override { return TapxVarType(id) == vycitInteger; }
    bool IsFloat(std::int32_t id) const override { return TapxVarType(id) == vycitFloat; }
    bool IsStyle(std::int32_t id) const override { return TapxVarType(id) == vycitObject; }
    bool IsOwnedObject(std::int32_t id) const override { return TapxVarType(id) == vycitOwnedObject; }
    void GetDebugList(TVYXStringList& list, std::string_view prefix) const override;

    // GetName / SetName of the properties the id table (VYXPropIds.inc) gives accessors:
    // the own value, else the TAP's (GetIndent, GetWidth: own value only), and GetBorderName.
#define VYX_TAP(Id, Name, Kind, Access, Type, Field) VYX_PROP_DECL(Access, Id, Name, Kind, Type)
#include "model/VYXPropIds.inc"

    // The table style, a reference into the sheet: writable from a const list like every
    // style reference (see TVYXPropItem).
    TVYXTableStyle* GetStyle() const;
    // Own border, else the table style's, else nullptr.
    const TVYXDocPropBorder* GetBorder(TVYXTapId id) const;
    TVYXDocPropBorder* GetBorder(TVYXTapId id);
    // Own value, else the table style's, else the TAP's.
    double GetCellMargLeft() const { return GetCellMarg(vytiCellMargLeft); }
    double GetCellMargTop() const { return GetCellMarg(vytiCellMargTop); }
    double GetCellMargRight() const { return GetCellMarg(vytiCellMargRight); }
    double GetCellMargBottom() const { return GetCellMarg(vytiCellMargBottom); }
    // The cell's own margin when it set one, else the table's.
    double CalcCellMargLeft(const TVYXTableCellProps* cell) const;
    double CalcCellMargRight(const TVYXTableCellProps* cell) const;

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
    const TVYXTAP& Fallback() const;
    double GetCellMarg(TVYXTapId id) const;
    TVYXTAP* FTAP;
    std::unique_ptr<TTAPXFloating> FFloating;
};
