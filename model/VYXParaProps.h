// VYXParaProps.h: paragraph properties: the sparse list of a paragraph (TVYXPAPX) and
// the dense set it falls back to (TVYXPAP).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/VYXCharProps.h"
#include "model/VYXPropList.h"

class TVYXParaStyle;
class TVYXRevisionData;
class TVYXDOP;

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
    // Formatting of the paragraph mark (owned), or nullptr.
    const TVYXCHPX* CHPX() const { return FCHPX.get(); }
    TVYXCHPX* CHPX() { return FCHPX.get(); }
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

    // GetName / SetName of the properties the id table (VYXPropIds.inc) gives accessors:
    // the own value, else the PAP's (GetContextualSpacing, GetKeepNext: own value only),
    // and GetBorderName (own border only).
#define VYX_PAP(Id, Name, Kind, Access, Type, Field) VYX_PROP_DECL(Access, Id, Name, Kind, Type)
#include "model/VYXPropIds.inc"

    // Own value, else up the paragraph style chain, else the PAP's.
    double GetLineSpacing() const;
    // The paragraph style and the list level, or nullptr. References into the sheet and
    // the lists, writable from a const list like every such reference (see TVYXPropItem).
    TVYXParaStyle* GetStyle() const;
    TVYXNumbering* GetNumbering() const { return GetAsNumbering(vypiNumbering); }
    // Owned values: const from a const list.
    const TVYXPAPXShade* GetShade() const;
    TVYXPAPXShade* GetShade();
    const TVYXTabStops* GetTabStops() const;
    TVYXTabStops* GetTabStops();
    const TVYXRevisionData* GetRevision() const;
    TVYXRevisionData* GetRevision();

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
    // Read-only references to this list's borders in a set (absent sides stay as they are).
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
    const TVYXDocPropBorder* GetBorder(TVYXPapId id) const;
    TVYXDocPropBorder* GetBorder(TVYXPapId id);
    TVYXDocPropBorder* AddBorder(TVYXPapId id);
    TVYXPAP* FPAP;
    std::unique_ptr<TVYXCHPX> FCHPX;
};
