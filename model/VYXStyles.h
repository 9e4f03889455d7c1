// VYXStyles.h: the style sheet, the middle layer between the document's master properties and the lists of
// paragraphs, runs and tables.
//
// A paragraph's list refers to a paragraph style (vypiStyle), a run's to a
// character style (vyciStyle), a table's to a table style (vytiStyle); the
// references are borrowed, the sheet owns the styles and the three masters
// every list of the document falls back to.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/VYXDocProps.h"

enum TVYXStyleType { astPara, astCharRun, astTable, astNumbering };

class TVYXStyle {
public:
    explicit TVYXStyle(TVYXStyles* styles) : FStyles(styles) {}
    TVYXStyle(const TVYXStyle&) = delete;
    TVYXStyle& operator=(const TVYXStyle&) = delete;
    virtual ~TVYXStyle();

    std::u16string Id;    // the key in the sheet
    std::u16string Name;  // the display name
    TVYXStyle* BasedOn = nullptr;  // borrowed: a style of the same sheet
    bool Default = false;
    std::int32_t Priority = 0;
    bool Hidden = false;
    std::int32_t Tag = 0;

    TVYXStyles* Styles() const { return FStyles; }
    virtual TVYXStyleType Type_() const = 0;
    // Not available for any kind: raises "__TODO__".
    virtual std::unique_ptr<TVYXStyle> CreateSame() const;
    void Use() { Hidden = false; }
    // Base style by id in this sheet, the flags, then the kind's own data.
    void Assign(const TVYXStyle& source, const TVYXStyles* sourceStyles);

    // The style's own lists (owned), nullptr for kinds without them; const from a const style.
    // Styles reached through a property list's reference are writable (see TVYXPropItem).
    virtual const TVYXCHPX* StyleCHPX() const { return nullptr; }
    virtual TVYXCHPX* StyleCHPX() { return nullptr; }
    virtual const TVYXPAPX* StylePAPX() const { return nullptr; }
    virtual TVYXPAPX* StylePAPX() { return nullptr; }
    virtual const TVYXTAPX* StyleTAPX() const { return nullptr; }
    virtual TVYXTAPX* StyleTAPX() { return nullptr; }

protected:
    virtual void DoAssign(const TVYXStyle& source, const TVYXStyles* sourceStyles) = 0;

private:
    TVYXStyles* FStyles;
};

class TVYXParaStyle : public TVYXStyle {
public:
    explicit TVYXParaStyle(TVYXStyles* styles);
    ~TVYXParaStyle() override;
    TVYXStyle* Next = nullptr;  // style of the paragraph that follows after Enter
    TVYXStyle* Link = nullptr;  // the linked character style
    const TVYXPAPX& PAPX() const { return *FPAPX; }
    TVYXPAPX& PAPX() { return *FPAPX; }
    const TVYXCHPX& CHPX() const { return *FCHPX; }
    TVYXCHPX& CHPX() { return *FCHPX; }
    TVYXStyleType Type_() const override { return astPara; }
    const TVYXCHPX* StyleCHPX() const override { return FCHPX.get(); }
    TVYXCHPX* StyleCHPX() override { return FCHPX.get(); }
    const TVYXPAPX* StylePAPX() const override { return FPAPX.get(); }
    TVYXPAPX* StylePAPX() override { return FPAPX.get(); }

protected:
    void DoAssign(const TVYXStyle& source, const TVYXStyles* sourceStyles) override;

private:
    std::unique_ptr<TVYXPAPX> FPAPX;
    std::unique_ptr<TVYXCHPX> FCHPX;
};

class TVYXCharStyle : public TVYXStyle {
public:
    explicit TVYXCharStyle(TVYXStyles* styles);
    ~TVYXCharStyle() override;
    const TVYXCHPX& CHPX() const { return *FCHPX; }
    TVYXCHPX& CHPX() { return *FCHPX; }
    TVYXStyleType Type_() const override { return astCharRun; }
    const TVYXCHPX* StyleCHPX() const override { return FCHPX.get(); }
    TVYXCHPX* StyleCHPX() override { return FCHPX.get(); }

protected:
    void DoAssign(const TVYXStyle& source, const TVYXStyles* sourceStyles) override;

private:
    std::unique_ptr<TVYXCHPX> FCHPX;
};

enum TVYXTableStylePropsType {
    atsptWholeTable, atsptFirstRow, atsptLastRow, atsptFirstCol, atsptLastCol, atsptBand1Vert, atsptBand2Vert,
    atsptBand1Horz, atsptBand2Horz, atsptNeCell, atsptNwCell, atsptSeCell, atsptSwCell
};

// One conditional format of a table style; its lists are created on demand.
class TVYXTableStyleProp {
public:
    TVYXTableStyleProp(TVYXStyles* styles, TVYXTableStylePropsType type) : FStyles(styles), Type(type) {}
    ~TVYXTableStyleProp();
    TVYXTableStyleProp(const TVYXTableStyleProp&) = delete;
    TVYXTableStyleProp& operator=(const TVYXTableStyleProp&) = delete;

    TVYXStyles* FStyles;  // the sheet the lists fall back to
    TVYXTableStylePropsType Type;
    double RowHeight = 0;

    // The lists this format sets, null until one is added.
    const TVYXPAPX* PAPX() const { return FPAPX.get(); }
    TVYXPAPX* PAPX() { return FPAPX.get(); }
    const TVYXCHPX* CHPX() const { return FCHPX.get(); }
    TVYXCHPX* CHPX() { return FCHPX.get(); }
    const TVYXTAPX* TAPX() const { return FTAPX.get(); }
    TVYXTAPX* TAPX() { return FTAPX.get(); }
    const TVYXTableCellProps* CellProps() const { return FCellProps.get(); }
    TVYXTableCellProps* CellProps() { return FCellProps.get(); }

    TVYXPAPX* AddPAPX();
    TVYXCHPX* AddCHPX();
    TVYXTAPX* AddTAPX();
    TVYXTableCellProps* AddCellProps();

private:
    std::unique_ptr<TVYXPAPX> FPAPX;
    std::unique_ptr<TVYXCHPX> FCHPX;
    std::unique_ptr<TVYXTAPX> FTAPX;
    std::unique_ptr<TVYXTableCellProps> FCellProps;
};

class TVYXTableStyleProps {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXTableStyleProp& Items(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
    TVYXTableStyleProp& Items(int index) { return *FItems.at(static_cast<std::size_t>(index)); }
    // The conditional format of that type, created when absent.
    TVYXTableStyleProp* Add(TVYXStyles* styles, TVYXTableStylePropsType type);
    const TVYXTableStyleProp* Find(TVYXTableStylePropsType type) const { return FindItem(type); }
    TVYXTableStyleProp* Find(TVYXTableStylePropsType type) { return FindItem(type); }

private:
    TVYXTableStyleProp* FindItem(TVYXTableStylePropsType type) const;

private:
    std::vector<std::unique_ptr<TVYXTableStyleProp>> FItems;
};

class TVYXTableStyle : public TVYXStyle {
public:
    explicit TVYXTableStyle(TVYXStyles* styles);
    ~TVYXTableStyle() override;
    const TVYXCHPX& CHPX() const { return *FCHPX; }
    TVYXCHPX& CHPX() { return *FCHPX; }
    const TVYXPAPX& PAPX() const { return *FPAPX; }
    TVYXPAPX& PAPX() { return *FPAPX; }
    const TVYXTAPX& TAPX() const { return *FTAPX; }
    TVYXTAPX& TAPX() { return *FTAPX; }
    const TVYXTableStyleProps* Props() const { return FProps.get(); }
    TVYXTableStyleProps* Props() { return FProps.get(); }
    const TVYXTableCellProps* CellProps() const { return FCellProps.get(); }
    TVYXTableCellProps* CellProps() { return FCellProps.get(); }
    TVYXTableStyleProps* AddProps();
    TVYXTableCellProps* AddCellProps();
    TVYXStyleType Type_() const override { return astTable; }
    const TVYXCHPX* StyleCHPX() const override { return FCHPX.get(); }
    TVYXCHPX* StyleCHPX() override { return FCHPX.get(); }
    const TVYXPAPX* StylePAPX() const override { return FPAPX.get(); }
    TVYXPAPX* StylePAPX() override { return FPAPX.get(); }
    const TVYXTAPX* StyleTAPX() const override { return FTAPX.get(); }
    TVYXTAPX* StyleTAPX() override { return FTAPX.get(); }

protected:
    void DoAssign(const TVYXStyle& source, const TVYXStyles* sourceStyles) override;

private:
    std::unique_ptr<TVYXCHPX> FCHPX;
    std::unique_ptr<TVYXPAPX> FPAPX;
    std::unique_ptr<TVYXTAPX> FTAPX;
    std::unique_ptr<TVYXTableStyleProps> FProps;
    std::unique_ptr<TVYXTableCellProps> FCellProps;
};

class TVYXNumberingStyle : public TVYXStyle {
public:
    using TVYXStyle::TVYXStyle;
    TVYXStyleType Type_() const override { return astNumbering; }

protected:
    void DoAssign(const TVYXStyle&, const TVYXStyles*) override {}
};

class TVYXStyles : public TVYXStyleMap {
public:
    TVYXStyles();
    TVYXStyles(const TVYXStyles&) = delete;
    TVYXStyles& operator=(const TVYXStyles&) = delete;
    ~TVYXStyles() override;

    // The sheet owns its styles and masters: a const sheet hands them out const.
    const TVYXTAP& MasterTAP() const { return *FMasterTAP; }
    TVYXTAP& MasterTAP() { return *FMasterTAP; }
    const TVYXPAP& MasterPAP() const { return *FMasterPAP; }
    TVYXPAP& MasterPAP() { return *FMasterPAP; }
    const TVYXCHP& MasterCHP() const { return *FMasterCHP; }
    TVYXCHP& MasterCHP() { return *FMasterCHP; }
    std::u16string MajorFont;  // theme heading font
    std::u16string MinorFont;  // theme body font

    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXStyle* GetStyle(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    TVYXStyle* GetStyle(int index) { return FItems.at(static_cast<std::size_t>(index)).get(); }

    // The id becomes `name`, with "1" appended while it is taken.
    TVYXStyle* Add(std::u16string_view name, std::unique_ptr<TVYXStyle> style);
    // Id and name as given, no uniqueness check (a later style of the same id hides the earlier).
    TVYXStyle* Add(std::u16string_view id, std::u16string_view name, std::unique_ptr<TVYXStyle> style);
    TVYXParaStyle* AddPara(std::u16string_view name);
    TVYXCharStyle* AddChar(std::u16string_view name);
    TVYXTableStyle* AddTable(std::u16string_view name);
    TVYXNumberingStyle* AddNumbering(std::u16string_view name);
    TVYXParaStyle* AddPara(std::u16string_view id, std::u16string_view name);
    TVYXCharStyle* AddChar(std::u16string_view id, std::u16string_view name);
    TVYXTableStyle* AddTable(std::u16string_view id, std::u16string_view name);
    TVYXNumberingStyle* AddNumbering(std::u16string_view id, std::u16string_view name);
    // A new, empty style of the kind whose lists fall back to this sheet's masters.
    std::unique_ptr<TVYXStyle> CreateStyle(TVYXStyleType kind);

    // Exact id, hashed; nullptr when absent. The typed forms do not check the kind.
    const TVYXStyle* Find(std::u16string_view id) const { return FindItem(id); }
    TVYXStyle* Find(std::u16string_view id) { return FindItem(id); }
    const TVYXStyle* GetParas(std::u16string_view id) const { return Find(id); }
    TVYXStyle* GetParas(std::u16string_view id) { return Find(id); }
    const TVYXStyle* GetCharRuns(std::u16string_view id) const { return Find(id); }
    TVYXStyle* GetCharRuns(std::u16string_view id) { return Find(id); }
    const TVYXStyle* GetTables(std::u16string_view id) const { return Find(id); }
    TVYXStyle* GetTables(std::u16string_view id) { return Find(id); }
    const TVYXStyle* GetNumbering(std::u16string_view id) const { return Find(id); }
    TVYXStyle* GetNumbering(std::u16string_view id) { return Find(id); }
    // The first style of the kind whose name matches ignoring case.
    const TVYXStyle* FindByName(std::u16string_view name, TVYXStyleType kind) const { return FindItemByName(name, kind); }
    TVYXStyle* FindByName(std::u16string_view name, TVYXStyleType kind) { return FindItemByName(name, kind); }
    const TVYXStyle* FindDefault(TVYXStyleType kind) const { return FindDefaultItem(kind); }
    TVYXStyle* FindDefault(TVYXStyleType kind) { return FindDefaultItem(kind); }
    const TVYXStyle* DefaultPara() const { return FindDefault(astPara); }
    TVYXStyle* DefaultPara() { return FindDefault(astPara); }
    const TVYXStyle* DefaultChar() const { return FindDefault(astCharRun); }
    TVYXStyle* DefaultChar() { return FindDefault(astCharRun); }
    const TVYXStyle* DefaultTable() const { return FindDefault(astTable); }
    TVYXStyle* DefaultTable() { return FindDefault(astTable); }
    void SetDefault(TVYXStyle* style);
    // "id=" lines with the styles as tags.
    void GetAllStyles(TVYXStringList& strings) const;

    // This sheet's style of the id, or a copy of `style` added under its name.
    TVYXStyle* AddIfNotHas(const TVYXStyle& style, const TVYXStyles* sourceStyles);
    // Property lists copied into this sheet map their style references through these.
    TVYXStyle* MapStyle(const TVYXStyle& style, const TVYXStyles* sourceStyles) override;
    TVYXStyle* MapStyleById(const TVYXStyle& style) override;
    // Adds copies of the other's styles whose kind and name are not here yet.
    void Append(const TVYXStyles& other);
    void Assign(const TVYXStyles& other);
    void Clear();

private:
    // The lookups behind the const and writable forms above.
    TVYXStyle* FindItem(std::u16string_view id) const;
    TVYXStyle* FindItemByName(std::u16string_view name, TVYXStyleType kind) const;
    TVYXStyle* FindDefaultItem(TVYXStyleType kind) const;
    void Index(TVYXStyle* style);
    // Source styles being copied by AddIfNotHas and their copies: a style met
    // again while its copy is being made (a base chain that loops, a style whose
    // list refers to itself) gets that copy instead of a new one.
    std::vector<std::pair<const TVYXStyle*, TVYXStyle*>> FCopying;
    std::vector<std::unique_ptr<TVYXStyle>> FItems;
    std::unordered_map<std::u16string, TVYXStyle*> FById;
    std::unique_ptr<TVYXTAP> FMasterTAP;
    std::unique_ptr<TVYXPAP> FMasterPAP;
    std::unique_ptr<TVYXCHP> FMasterCHP;
};
