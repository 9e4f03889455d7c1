// VYXPropList.cpp: property items and lists: typed reads, sorted insertion, copies
// between style sheets (through the target sheet's TVYXStyleMap, so the lists never call
// into styles, which are made of them), comparison and debug texts.
#include "model/VYXPropList.h"

#include <algorithm>
#include <cmath>

#include "model/VYXNumbering.h"
#include "model/VYXPropAccess.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"
#include "platform/VYXLocale.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

namespace {
constexpr double cFloatTolerance = 1e-5;

constexpr TVYXPropIdType cChpTypes[cVYXChpIdCount] = {
#define VYX_CHP(Id, Name, Kind, Access, Type, Field) vycit##Kind,
#include "model/VYXPropIds.inc"
};
constexpr TVYXPropIdType cPapTypes[cVYXPapIdCount] = {
#define VYX_PAP(Id, Name, Kind, Access, Type, Field) vycit##Kind,
#include "model/VYXPropIds.inc"
};
constexpr TVYXPropIdType cTapTypes[cVYXTapIdCount] = {
#define VYX_TAP(Id, Name, Kind, Access, Type, Field) vycit##Kind,
#include "model/VYXPropIds.inc"
};
constexpr std::string_view cChpNames[cVYXChpIdCount] = {
#define VYX_CHP(Id, Name, Kind, Access, Type, Field) #Name,
#include "model/VYXPropIds.inc"
};
constexpr std::string_view cPapNames[cVYXPapIdCount] = {
#define VYX_PAP(Id, Name, Kind, Access, Type, Field) #Name,
#include "model/VYXPropIds.inc"
};
constexpr std::string_view cTapNames[cVYXTapIdCount] = {
#define VYX_TAP(Id, Name, Kind, Access, Type, Field) #Name,
#include "model/VYXPropIds.inc"
};

template <std::size_t N, class T>
T FromTable(const T (&table)[N], int id, T def)
{
    return id >= 0 && static_cast<std::size_t>(id) < N ? table[id] : def;
}

std::string FloatText(double value) { return U8(VYXFloatToStr(value, TVYXLocaleSettings::EnUS())); }

bool ValuesEqual(const TVYXPropItem& a, const TVYXPropItem& b)
{
    if (a.Id != b.Id || a.Value.index() != b.Value.index())
        return false;
    return std::visit(
        [&](const auto& va) -> bool {
            using T = std::decay_t<decltype(va)>;
            const auto& vb = std::get<T>(b.Value);
            if constexpr (std::is_same_v<T, std::monostate>)
                throw VYXException("Unhandled prop value");
            else if constexpr (std::is_same_v<T, double>)
                return std::fabs(va - vb) <= cFloatTolerance;
            else if constexpr (std::is_same_v<T, std::unique_ptr<TVYXDocPropOwnedObj>>)
                return va && vb && va->ComparedInLists() && va->Equal(*vb);
            else
                return va == vb;
        },
        a.Value);
}
}  // namespace

TVYXPropIdType ChpxVarType(int id) { return FromTable(cChpTypes, id, vycitUnknown); }
TVYXPropIdType PapxVarType(int id) { return FromTable(cPapTypes, id, vycitUnknown); }
TVYXPropIdType TapxVarType(int id) { return FromTable(cTapTypes, id, vycitUnknown); }

std::string_view VYXChpIdName(int id) { return FromTable(cChpNames, id, std::string_view()); }
std::string_view VYXPapIdName(int id) { return FromTable(cPapNames, id, std::string_view()); }
std::string_view VYXTapIdName(int id) { return FromTable(cTapNames, id, std::string_view()); }

// ---- Items -------------------------------------------------------------------

bool TVYXPropItem::ValBool() const
{
    if (const auto* b = std::get_if<bool>(&Value))
        return *b;
    if (const auto* i = std::get_if<std::int32_t>(&Value))
        return *i != 0;
    return false;
}

std::int32_t TVYXPropItem::ValInt() const
{
    if (const auto* i = std::get_if<std::int32_t>(&Value))
        return *i;
    if (const auto* b = std::get_if<bool>(&Value))
        return *b ? 1 : 0;
    return 0;
}

double TVYXPropItem::ValFloat() const
{
    if (const auto* d = std::get_if<double>(&Value))
        return *d;
    if (const auto* i = std::get_if<std::int32_t>(&Value))
        return *i;
    return 0;
}

std::u16string_view TVYXPropItem::ValString() const
{
    const auto* s = std::get_if<std::u16string>(&Value);
    return s ? std::u16string_view(*s) : std::u16string_view();
}

TVYXStyle* TVYXPropItem::ValStyle() const
{
    const auto* s = std::get_if<TVYXStyle*>(&Value);
    return s ? *s : nullptr;
}

TVYXNumbering* TVYXPropItem::ValNumbering() const
{
    const auto* n = std::get_if<TVYXNumbering*>(&Value);
    return n ? *n : nullptr;
}

const TVYXDocPropOwnedObj* TVYXPropItem::ValOwnedObj() const
{
    const auto* o = std::get_if<std::unique_ptr<TVYXDocPropOwnedObj>>(&Value);
    return o ? o->get() : nullptr;
}

TVYXDocPropOwnedObj* TVYXPropItem::ValOwnedObj()
{
    auto* o = std::get_if<std::unique_ptr<TVYXDocPropOwnedObj>>(&Value);
    return o ? o->get() : nullptr;
}

TVYXPropItem TVYXPropItem::Clone() const
{
    TVYXPropItem copy;
    copy.Id = Id;
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::unique_ptr<TVYXDocPropOwnedObj>>)
                copy.Value = v ? v->Clone() : nullptr;
            else
                copy.Value = v;
        },
        Value);
    return copy;
}

bool CmpDocPropChpx(const TVYXPropItem& a, const TVYXPropItem& b) { return ValuesEqual(a, b); }

void CopyDocPropPapx(const TVYXPropItem& source, TVYXPropItem& target) { target = source.Clone(); }

// ---- Lists -------------------------------------------------------------------

TVYXPropList::~TVYXPropList() = default;

int TVYXPropList::Find(std::int32_t id) const
{
    auto it = std::lower_bound(FItems.begin(), FItems.end(), id,
                               [](const TVYXPropItem& item, std::int32_t key) { return item.Id < key; });
    return it != FItems.end() && it->Id == id ? static_cast<int>(it - FItems.begin()) : -1;
}

const TVYXPropItem* TVYXPropList::FindItem(std::int32_t id) const
{
    const int i = Find(id);
    return i < 0 ? nullptr : &FItems[static_cast<std::size_t>(i)];
}

TVYXPropItem* TVYXPropList::FindItem(std::int32_t id)
{
    const int i = Find(id);
    return i < 0 ? nullptr : &FItems[static_cast<std::size_t>(i)];
}

void TVYXPropList::Insert(TVYXPropItem item)
{
    auto it = std::upper_bound(FItems.begin(), FItems.end(), item.Id,
                               [](std::int32_t key, const TVYXPropItem& i) { return key < i.Id; });
    FItems.insert(it, std::move(item));
    AfterChanged();
}

void TVYXPropList::Set(std::int32_t id, TVYXPropValue value)
{
    const int i = Find(id);
    if (i < 0)
        Insert({id, std::move(value)});
    else {
        FItems[static_cast<std::size_t>(i)].Value = std::move(value);
        AfterChanged();
    }
}

TVYXDocPropOwnedObj* TVYXPropList::SetAsOwnedObject(std::int32_t id, std::unique_ptr<TVYXDocPropOwnedObj> obj)
{
    TVYXDocPropOwnedObj* result = obj.get();
    Set(id, std::move(obj));
    return result;
}

void TVYXPropList::Remove(std::int32_t id)
{
    const int i = Find(id);
    if (i >= 0) {
        FItems.erase(FItems.begin() + i);
        AfterChanged();
    }
}

void TVYXPropList::Clear()
{
    FItems.clear();
    AfterChanged();
}

TVYXPropIdType TVYXPropList::IdType(std::int32_t id) const
{
    if (IsBoolean(id))
        return vycitBoolean;
    if (IsInteger(id))
        return vycitInteger;
    if (IsFloat(id))
        return vycitFloat;
    if (IsString(id))
        return vycitString;
    if (IsStyle(id))
        return vycitObject;
    if (IsOwnedObject(id))
        return vycitOwnedObject;
    return vycitUnknown;
}

TVYXPropIdType TVYXPropList::GetValueType(int index) const { return IdType(Items(index).Id); }

namespace {
// The item's value read by `get`, or `def` for an absent item.
template <class T, class F>
T ValueOr(const TVYXPropItem* item, F get, T def)
{
    return item ? get(*item) : def;
}
// Writes the value of a present item; false when absent.
template <class T, class F>
bool ReadValue(const TVYXPropItem* item, T& value, F get)
{
    if (item)
        value = get(*item);
    return item != nullptr;
}
}  // namespace

bool TVYXPropList::GetAsBoolean(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValBool(); }, false);
}
std::int32_t TVYXPropList::GetAsInteger(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValInt(); }, std::int32_t{0});
}
double TVYXPropList::GetAsFloat(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValFloat(); }, 0.0);
}
std::u16string TVYXPropList::GetAsString(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return std::u16string(i.ValString()); },
                   std::u16string());
}
TVYXStyle* TVYXPropList::GetAsStyle(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValStyle(); }, static_cast<TVYXStyle*>(nullptr));
}
TVYXNumbering* TVYXPropList::GetAsNumbering(std::int32_t id) const
{
    return ValueOr(FindItem(id), [](const TVYXPropItem& i) { return i.ValNumbering(); },
                   static_cast<TVYXNumbering*>(nullptr));
}
const TVYXDocPropOwnedObj* TVYXPropList::GetAsOwnedObject(std::int32_t id) const
{
    const TVYXPropItem* item = FindItem(id);
    return item ? item->ValOwnedObj() : nullptr;
}
TVYXDocPropOwnedObj* TVYXPropList::GetAsOwnedObject(std::int32_t id)
{
    TVYXPropItem* item = FindItem(id);
    return item ? item->ValOwnedObj() : nullptr;
}

bool TVYXPropList::GetValue(std::int32_t id, bool& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValBool(); });
}
bool TVYXPropList::GetValue(std::int32_t id, std::int32_t& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValInt(); });
}
bool TVYXPropList::GetValue(std::int32_t id, std::uint32_t& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValDWord(); });
}
bool TVYXPropList::GetValue(std::int32_t id, double& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValFloat(); });
}
bool TVYXPropList::GetValue(std::int32_t id, std::u16string& value) const
{
    value.clear();
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return std::u16string(i.ValString()); });
}
bool TVYXPropList::GetValue(std::int32_t id, TVYXStyle*& value) const
{
    return ReadValue(FindItem(id), value, [](const TVYXPropItem& i) { return i.ValStyle(); });
}

std::string TVYXPropList::GetAsText(std::int32_t id) const
{
    const auto* item = FindItem(id);
    if (!item)
        return {};
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>)
                return v ? "True" : "False";
            else if constexpr (std::is_same_v<T, std::int32_t>)
                return std::to_string(v);
            else if constexpr (std::is_same_v<T, double>)
                return FloatText(v);
            else if constexpr (std::is_same_v<T, std::u16string>)
                return U8(v);
            else if constexpr (std::is_same_v<T, TVYXStyle*>)
                return v ? U8(v->Id) : std::string("nil");
            else if constexpr (std::is_same_v<T, TVYXNumbering*>)
                return v ? "Level " + std::to_string(v->Level) : std::string("nil");
            else if constexpr (std::is_same_v<T, std::unique_ptr<TVYXDocPropOwnedObj>>)
                return "(object)";
            else
                return {};
        },
        item->Value);
}

void TVYXPropList::DebugLines(TVYXStringList& list, std::string_view prefix) const
{
    for (const auto& item : FItems) {
        const std::string_view name = IdName(item.Id);
        std::string line(prefix);
        line += name.empty() ? "Id " + std::to_string(item.Id) : std::string(name);
        line += ": ";
        line += GetAsText(item.Id);
        list.Add(std::move(line));
    }
}

void TVYXPropList::Toggle(std::int32_t id)
{
    if (!IsBoolean(id))
        throw VYXException("Can not toggle this type");
    if (Find(id) >= 0)
        Remove(id);
    else
        Insert({id, true});
}

void TVYXPropList::Inherit(const TVYXPropList& source)
{
    if (&source == this)
        return;
    for (const auto& item : source.FItems)
        if (!std::holds_alternative<std::unique_ptr<TVYXDocPropOwnedObj>>(item.Value) && Find(item.Id) < 0)
            Insert(item.Clone());
    AfterChanged();
}

void TVYXPropList::Merge(const TVYXPropList& source)
{
    if (&source == this)
        return;
    for (const auto& item : source.FItems)
        if (!std::holds_alternative<std::unique_ptr<TVYXDocPropOwnedObj>>(item.Value))
            Set(item.Id, item.Clone().Value);
    AfterChanged();
}

void TVYXPropList::Assign(const TVYXPropList& source, const TVYXStyles* sourceStyles, TVYXStyles* targetStyles)
{
    if (&source == this)
        return;
    std::vector<TVYXPropItem> items;
    items.reserve(source.FItems.size());
    for (const auto& item : source.FItems) {
        if (source.IdType(item.Id) == vycitUnknown)
            throw VYXException("Unknown PropList item");
        TVYXPropItem copy = item.Clone();
        if (auto* style = copy.ValStyle(); style && targetStyles && targetStyles != sourceStyles)
            copy.Value = static_cast<TVYXStyleMap&>(*targetStyles).MapStyle(*style, sourceStyles);
        items.push_back(std::move(copy));
    }
    FItems = std::move(items);  // the list changes only when every item could be copied
    AssignExtras(source, sourceStyles, targetStyles);
    AfterChanged();
}

void TVYXPropList::Assign(const TVYXPropList& source, TVYXStyles* targetStyles)
{
    if (&source == this)
        return;
    std::vector<TVYXPropItem> items;
    items.reserve(source.FItems.size());
    for (const auto& item : source.FItems) {
        if (source.IdType(item.Id) == vycitUnknown)
            throw VYXException("Unknown PropList item");
        TVYXPropItem copy = item.Clone();
        if (auto* style = copy.ValStyle(); style && targetStyles && style->Styles() != targetStyles)
            copy.Value = static_cast<TVYXStyleMap&>(*targetStyles).MapStyleById(*style);
        items.push_back(std::move(copy));
    }
    FItems = std::move(items);
    AssignExtras(source, nullptr, targetStyles);
    AfterChanged();
}

bool TVYXPropList::Equal(const TVYXPropList& other) const
{
    if (FItems.empty() || FItems.size() != other.FItems.size())
        return false;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        if (IdType(FItems[i].Id) == vycitUnknown)
            throw VYXException("Unhandled prop value");
        if (!ValuesEqual(FItems[i], other.FItems[i]))
            return false;
    }
    return true;
}
