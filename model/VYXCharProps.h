// VYXCharProps.h: character properties: the sparse list of a run (TVYXCHPX) and the
// dense set it falls back to (TVYXCHP).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "model/VYXPropList.h"

class TVYXCharStyle;
class TVYXRevisionData;
class TVYXCHP;

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

    // GetName / SetName of the properties the id table (VYXPropIds.inc) gives accessors:
    // the own value, else the CHP's (GetMisspelled: own value only, never inherited).
#define VYX_CHP(Id, Name, Kind, Access, Type, Field) VYX_PROP_DECL(Access, Id, Name, Kind, Type)
#include "model/VYXPropIds.inc"

    // The character style, or nullptr (also for a style of another kind). A reference into
    // the sheet, writable from a const list like every style reference (see TVYXPropItem).
    TVYXCharStyle* GetStyle() const;
    void SetStyle(TVYXCharStyle* style);
    const TVYXDocPropBorder* GetBorder() const;
    TVYXDocPropBorder* GetBorder();
    const TVYXRevisionData* GetRevision() const;
    TVYXRevisionData* GetRevision();
    // Own value, else the character style's own value, else the CHP's.
    std::u16string GetFontName() const;
    std::u16string GetEastAsia() const;

    // Own non-zero value, else the first non-zero one up the character style chain, else 0.
    TVYXColor GetStyledColor() const;
    TVYXChpUnderline GetStyledUnderline() const;
    TVYXColor GetStyledUnderlineColor() const;

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
    const TVYXCHPX& CHPX() const { return *FCHPX; }
    TVYXCHPX& CHPX() { return *FCHPX; }

    void Clear();
    void Assign(const TVYXCHP& source);
    // Writes the list's items that have a field here.
    void Merge(const TVYXCHPX& chpx);

private:
    std::unique_ptr<TVYXCHPX> FCHPX;
};
