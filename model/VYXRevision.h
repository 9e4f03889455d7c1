// VYXRevision.h: the data of one tracked change, stored in the property lists of the runs and paragraphs it marks.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/VYXDocProps.h"

enum TVYXRevisionType { artUnknown, artInsert, artDelete, artMoveFrom, artMoveTo, artFormatCHPX, artFormatPAPX };

class TVYXRevisionData : public TVYXDocPropOwnedObj {
public:
    TVYXRevisionData() = default;
    TVYXRevisionData(const TVYXRevisionData&) = delete;
    TVYXRevisionData& operator=(const TVYXRevisionData&) = delete;
    ~TVYXRevisionData() override;

    std::int32_t Id = -1;   // the id read from a file; -1 for a change of this session
    std::u16string Name;    // internal name
    double Date = 0;        // days since 1899-12-30
    std::u16string Author;
    TVYXRevisionType RevType = artUnknown;
    void* Object = nullptr;  // free for the owner
    TVYXColor Color = 0;
    bool Enabled = true;
    std::function<void(TVYXRevisionData& sender)> DelEvent;

    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override;
    // Everything except Name.
    void Assign(const TVYXDocPropOwnedObj& source) override;
    // Same id, type and author.
    bool Equal(const TVYXDocPropOwnedObj& other) const override;
    // Runs with the same change compare equal, so their lists can merge.
    bool ComparedInLists() const override { return true; }
    std::unique_ptr<TVYXRevisionData> CloneData() const;
    bool SameSession(const TVYXRevisionData& other) const;
    bool CanCombine(const TVYXRevisionData& other) const { return Id == -1 && other.Id == -1 && Equal(other); }
};

// A format change of characters: the properties before the change.
class TVYXRevisionDataCHPX : public TVYXRevisionData {
public:
    ~TVYXRevisionDataCHPX() override;
    TVYXCHPX* CHPX() const { return FCHPX.get(); }
    TVYXCHPX* AddCHPX(TVYXCHP* chp);
    std::unique_ptr<TVYXCHPX> TempCHPX;

    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override;
    void Assign(const TVYXDocPropOwnedObj& source) override;
    // Also equal lists when either side has one.
    bool Equal(const TVYXDocPropOwnedObj& other) const override;

private:
    std::unique_ptr<TVYXCHPX> FCHPX;
};

// A format change of a paragraph: the properties before the change.
class TVYXRevisionDataPAPX : public TVYXRevisionData {
public:
    ~TVYXRevisionDataPAPX() override;
    TVYXPAPX* PAPX() const { return FPAPX.get(); }
    TVYXPAPX* AddPAPX(TVYXPAP* pap);
    std::unique_ptr<TVYXPAPX> TempPAPX;

    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override;
    void Assign(const TVYXDocPropOwnedObj& source) override;
    bool ComparedInLists() const override { return false; }

private:
    std::unique_ptr<TVYXPAPX> FPAPX;
};
