// VYXPropList.h: sparse property lists: the ids of character, paragraph and table
// properties, one set property (an item), and the list that keeps items sorted by id.
//
// A run carries a TVYXCHPX, a paragraph a TVYXPAPX, a table a TVYXTAPX: sparse
// lists that hold only what was set at that level. An absent property is inherited,
// in the end from the dense TVYXCHP / TVYXPAP / TVYXTAP every list falls back to. An
// item's value is a variant, so whether the list owns a value (strings, borders, tab
// stops, shading, revision data) or only refers to it (styles, numbering levels) is
// fixed by its type, never by a flag. The ids, their kinds and names come from one
// table, VYXPropIds.inc.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/VYXPropValues.h"

class TVYXStringList;
class TVYXStyle;
class TVYXStyles;
class TVYXNumbering;

// ---- Property ids ----------------------------------------------------------------

enum TVYXPropIdType {
    vycitUnknown, vycitBoolean, vycitInteger, vycitFloat, vycitString, vycitObject, vycitOwnedObject
};

enum TVYXChpId {
#define VYX_CHP(Id, Name, Kind, Access, Type, Field) Id,
#include "model/VYXPropIds.inc"
};
constexpr int cVYXChpIdCount = vycihAnsi + 1;

enum TVYXPapId {
#define VYX_PAP(Id, Name, Kind, Access, Type, Field) Id,
#include "model/VYXPropIds.inc"
};
constexpr int cVYXPapIdCount = vypiWidowControl + 1;

enum TVYXTapId {
#define VYX_TAP(Id, Name, Kind, Access, Type, Field) Id,
#include "model/VYXPropIds.inc"
};
constexpr int cVYXTapIdCount = vytiBorderInsideHoriz + 1;

TVYXPropIdType ChpxVarType(int id);
TVYXPropIdType PapxVarType(int id);
TVYXPropIdType TapxVarType(int id);

// ---- Accessors made from the id table ------------------------------------------------
// Inside a list class: VYX_PROP_DECL(Access, Id, Name, Kind, Type) declares GetName
// (defined in the unit by VYX_PROP_GET) and defines SetName, as the row's Access says.
#define VYX_PROP_DECL(Access, Id, Name, Kind, Type) VYX_PROP_DECL_##Access(Id, Name, Kind, Type)
#define VYX_PROP_DECL_Dense(Id, Name, Kind, Type) Type Get##Name() const; VYX_PROP_SET_##Kind(Id, Name, Type)
#define VYX_PROP_DECL_Own(Id, Name, Kind, Type) VYX_PROP_DECL_Dense(Id, Name, Kind, Type)
#define VYX_PROP_DECL_SetOnly(Id, Name, Kind, Type) VYX_PROP_SET_##Kind(Id, Name, Type)
#define VYX_PROP_DECL_Border(Id, Name, Kind, Type) \
    const TVYXDocPropBorder* Get##Name() const { return GetBorder(Id); } \
    TVYXDocPropBorder* Get##Name() { return GetBorder(Id); }
#define VYX_PROP_DECL_Manual(Id, Name, Kind, Type)
#define VYX_PROP_SET_Boolean(Id, Name, Type) void Set##Name(Type value) { SetAsBoolean(Id, value); }
#define VYX_PROP_SET_Integer(Id, Name, Type) \
    void Set##Name(Type value) { SetAsInteger(Id, static_cast<std::int32_t>(value)); }
#define VYX_PROP_SET_Float(Id, Name, Type) void Set##Name(Type value) { SetAsFloat(Id, value); }
#define VYX_PROP_SET_String(Id, Name, Type) void Set##Name(std::u16string_view value) { SetAsString(Id, value); }

// ---- Property items and lists ------------------------------------------------

// One set property. Strings and owned objects belong to the item; styles and
// numbering levels are references into the document's style sheet and lists.
// A const item hands out its owned object as const. Style and numbering
// references stay writable from a const item: they link to entries of tables the
// document owns (as Owner() links to a parent), and copying a reference out of
// a const list into another list (Assign, a paragraph joining its neighbour's
// list) must store a writable one.
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
    const TVYXDocPropOwnedObj* ValOwnedObj() const;
    TVYXDocPropOwnedObj* ValOwnedObj();
    // A deep copy: owned objects through CreateObj + Assign.
    TVYXPropItem Clone() const;
};

// Same id and equal value (floats within 1e-5, owned values by their Equal when
// lists compare them); the undo system compares single changes with it.
bool CmpDocPropChpx(const TVYXPropItem& a, const TVYXPropItem& b);
// Replaces `target` by a deep copy of `source`.
void CopyDocPropPapx(const TVYXPropItem& source, TVYXPropItem& target);

// The target sheet of a copied list as the copy sees it: a copied style reference finds
// its style there. The style sheet implements it, so property lists, which styles are
// made of, never call into styles.
class TVYXStyleMap {
public:
    virtual ~TVYXStyleMap() = default;
    // The sheet's style for `style` of `sourceStyles`, added with its base styles when missing.
    virtual TVYXStyle* MapStyle(const TVYXStyle& style, const TVYXStyles* sourceStyles) = 0;
    // The sheet's style of `style`'s id; when missing, a table style of its name is added
    // and given `style`'s properties.
    virtual TVYXStyle* MapStyleById(const TVYXStyle& style) = 0;
};

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
    // References into the style sheet and the lists: writable from a const list
    // (see TVYXPropItem), since the list does not own what they refer to.
    TVYXStyle* GetAsStyle(std::int32_t id) const;
    TVYXNumbering* GetAsNumbering(std::int32_t id) const;
    // Owned by the list: const from a const list.
    const TVYXDocPropOwnedObj* GetAsOwnedObject(std::int32_t id) const;
    TVYXDocPropOwnedObj* GetAsOwnedObject(std::int32_t id);

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
    TVYXPropItem* FindItem(std::int32_t id);
    // What a subclass keeps beside its items (paragraph-mark list, floating
    // position); called by both Assign forms after the items were copied.
    virtual void AssignExtras(const TVYXPropList&, const TVYXStyles*, TVYXStyles*) {}
    void DebugLines(TVYXStringList& list, std::string_view prefix) const;

private:
    std::vector<TVYXPropItem> FItems;
};
