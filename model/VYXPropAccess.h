// VYXPropAccess.h: what the property-list units share: the typed read of a list's own
// value with a fallback, the getters made from the id table, and the id names.
// Internal to model/: only the property units include it.
#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>

#include "model/VYXPropList.h"

// Style chains come from files; a cycle or an absurd depth must not hang a getter.
constexpr int cVYXMaxStyleDepth = 64;

// The list's own value of `id`, else `fallback`; enumerations are clamped to their range.
template <class T>
T VYXOwnOr(const TVYXPropList& list, std::int32_t id, T fallback)
{
    if constexpr (std::is_enum_v<T>) {
        std::int32_t v = 0;
        return list.GetValue(id, v) ? VYXToEnum<T>(v) : fallback;
    } else {
        T v{};
        return list.GetValue(id, v) ? v : fallback;
    }
}

// Getter bodies for the rows of VYXPropIds.inc: VYX_PROP_GET(Access, Class, Id, Name, Type, Field).
// Dense rows fall back to the class's Fallback() dense set, Own rows to the type's zero.
#define VYX_PROP_GET(Access, Class, Id, Name, Type, Field) VYX_PROP_GET_##Access(Class, Id, Name, Type, Field)
#define VYX_PROP_GET_Dense(Class, Id, Name, Type, Field) \
    Type Class::Get##Name() const { return VYXOwnOr<Type>(*this, Id, Fallback().Field); }
#define VYX_PROP_GET_Own(Class, Id, Name, Type, Field) \
    Type Class::Get##Name() const { return VYXOwnOr<Type>(*this, Id, Type{}); }
#define VYX_PROP_GET_SetOnly(Class, Id, Name, Type, Field)
#define VYX_PROP_GET_Border(Class, Id, Name, Type, Field)
#define VYX_PROP_GET_Manual(Class, Id, Name, Type, Field)

// The names of ids in debug texts; empty for unknown ids.
std::string_view VYXChpIdName(int id);
std::string_view VYXPapIdName(int id);
std::string_view VYXTapIdName(int id);
