// VYXRevisionData.cpp: the data of one tracked change, stored in the runs and property
// lists it marks. Runs copy it; the manager, which walks runs, lives apart
// (VYXRevision.cpp), so runs and the manager do not call each other.
#include "model/VYXRevision.h"

#include <memory>

TVYXRevisionData::~TVYXRevisionData()
{
    if (DelEvent)
        DelEvent(*this);
}

std::unique_ptr<TVYXDocPropOwnedObj> TVYXRevisionData::CreateObj() const
{
    return std::make_unique<TVYXRevisionData>();
}

void TVYXRevisionData::Assign(const TVYXDocPropOwnedObj& source)
{
    const auto* rev = dynamic_cast<const TVYXRevisionData*>(&source);
    if (!rev || rev == this)
        return;
    Id = rev->Id;
    Date = rev->Date;
    Author = rev->Author;
    RevType = rev->RevType;
    Object = rev->Object;
    Color = rev->Color;
    Enabled = rev->Enabled;
    DelEvent = rev->DelEvent;
}

bool TVYXRevisionData::Equal(const TVYXDocPropOwnedObj& other) const
{
    const auto* rev = dynamic_cast<const TVYXRevisionData*>(&other);
    return rev && rev->Id == Id && rev->RevType == RevType && rev->Author == Author;
}

std::unique_ptr<TVYXRevisionData> TVYXRevisionData::CloneData() const
{
    auto copy = CreateObj();
    copy->Assign(*this);
    return std::unique_ptr<TVYXRevisionData>(static_cast<TVYXRevisionData*>(copy.release()));
}

bool TVYXRevisionData::SameSession(const TVYXRevisionData& other) const
{
    return Id == -1 && other.Id == -1 && RevType == other.RevType && Author == other.Author;
}

TVYXRevisionDataCHPX::~TVYXRevisionDataCHPX() = default;

TVYXCHPX* TVYXRevisionDataCHPX::AddCHPX(TVYXCHP* chp)
{
    if (!FCHPX)
        FCHPX = std::make_unique<TVYXCHPX>(chp);
    return FCHPX.get();
}

std::unique_ptr<TVYXDocPropOwnedObj> TVYXRevisionDataCHPX::CreateObj() const
{
    return std::make_unique<TVYXRevisionDataCHPX>();
}

void TVYXRevisionDataCHPX::Assign(const TVYXDocPropOwnedObj& source)
{
    TVYXRevisionData::Assign(source);
    const auto* rev = dynamic_cast<const TVYXRevisionDataCHPX*>(&source);
    if (!rev || rev == this)
        return;
    if (rev->FCHPX)
        AddCHPX(rev->FCHPX->CHP())->Assign(*rev->FCHPX, nullptr, nullptr);
    else
        FCHPX.reset();
}

bool TVYXRevisionDataCHPX::Equal(const TVYXDocPropOwnedObj& other) const
{
    if (!TVYXRevisionData::Equal(other))
        return false;
    const auto* rev = dynamic_cast<const TVYXRevisionDataCHPX*>(&other);
    if (!rev)
        return false;
    if (!FCHPX && !rev->FCHPX)
        return true;
    return FCHPX && rev->FCHPX && FCHPX->Equal(*rev->FCHPX);
}

TVYXRevisionDataPAPX::~TVYXRevisionDataPAPX() = default;

TVYXPAPX* TVYXRevisionDataPAPX::AddPAPX(TVYXPAP* pap)
{
    if (!FPAPX)
        FPAPX = std::make_unique<TVYXPAPX>(pap);
    return FPAPX.get();
}

std::unique_ptr<TVYXDocPropOwnedObj> TVYXRevisionDataPAPX::CreateObj() const
{
    return std::make_unique<TVYXRevisionDataPAPX>();
}

void TVYXRevisionDataPAPX::Assign(const TVYXDocPropOwnedObj& source)
{
    TVYXRevisionData::Assign(source);
    const auto* rev = dynamic_cast<const TVYXRevisionDataPAPX*>(&source);
    if (!rev || rev == this)
        return;
    if (rev->FPAPX)
        AddPAPX(rev->FPAPX->PAP())->Assign(*rev->FPAPX, nullptr, nullptr);
    else
        FPAPX.reset();
}
