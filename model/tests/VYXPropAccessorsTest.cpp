// VYXPropAccessorsTest.cpp: every accessor the property id table makes, walked through the table
// itself: a dense getter follows its dense field until the list sets a value and again after the
// value is removed, an own-only getter never inherits, enumerations read back clamped, and every
// id answers its name in debug texts.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "model/VYXDocProps.h"
#include "platform/VYXStringList.h"

namespace {
// A value that differs from `v` and is valid for its type.
template <class T>
T Other(T v)
{
    if constexpr (std::is_same_v<T, bool>)
        return !v;
    else if constexpr (std::is_enum_v<T>)
        return v == TVYXEnumRange<T>::Last ? static_cast<T>(0) : TVYXEnumRange<T>::Last;
    else if constexpr (std::is_same_v<T, std::u16string>)
        return v + u"x";
    else if constexpr (std::is_same_v<T, std::uint32_t>)
        return v ^ 0x00123456u;
    else
        return v + 3;
}

// The row checks, by Access; Dense rows need the dense set `dense`, all need the list `list`.
#define CHECK_ROW(Access, Id, Name, Type, Field) CHECK_ROW_##Access(Id, Name, Type, Field)
#define CHECK_ROW_Dense(Id, Name, Type, Field)                                        \
    {                                                                                 \
        SCOPED_TRACE(#Name);                                                          \
        dense.Field = Other<Type>(dense.Field);                                       \
        EXPECT_EQ(list.Get##Name(), dense.Field) << "absent: the dense value";        \
        const Type own = Other<Type>(dense.Field);                                    \
        list.Set##Name(own);                                                          \
        EXPECT_TRUE(list.Assigned(Id));                                               \
        EXPECT_EQ(list.Get##Name(), own) << "set: the list's own value";              \
        list.Remove(Id);                                                              \
        EXPECT_EQ(list.Get##Name(), dense.Field) << "removed: the dense value again"; \
        ++checked;                                                                    \
    }
#define CHECK_ROW_Own(Id, Name, Type, Field)                     \
    {                                                            \
        SCOPED_TRACE(#Name);                                     \
        EXPECT_EQ(list.Get##Name(), Type{});                     \
        list.Set##Name(Other<Type>(Type{}));                     \
        EXPECT_EQ(list.Get##Name(), Other<Type>(Type{}));        \
        list.Remove(Id);                                         \
        EXPECT_EQ(list.Get##Name(), Type{}) << "never inherited"; \
        ++checked;                                               \
    }
#define CHECK_ROW_SetOnly(Id, Name, Type, Field)                   \
    {                                                              \
        SCOPED_TRACE(#Name);                                       \
        list.Set##Name(Other<Type>(Type{}));                       \
        EXPECT_TRUE(list.Assigned(Id));                            \
        list.Remove(Id);                                           \
        ++checked;                                                 \
    }
#define CHECK_ROW_Border(Id, Name, Type, Field)
#define CHECK_ROW_Manual(Id, Name, Type, Field)

// Every id of the list answers its table name in the debug lines.
template <class List>
void ExpectNamesInDebugLines(List& list, int count)
{
    for (int id = 0; id < count; ++id)
        if (!list.Assigned(id))
            list.AddEmpty(id);
    TVYXStringList lines;
    list.GetDebugList(lines, "");
    int named = 0;
    for (int i = 0; i < lines.Count(); ++i)
        named += lines[i].rfind("Id ", 0) == 0 ? 0 : 1;
    EXPECT_EQ(named, count);
}
}  // namespace

TEST(PropAccessors, CharacterRowsFollowTheDenseSet)
{
    TVYXCHP dense;
    TVYXCHPX list(&dense);
    int checked = 0;
#define VYX_CHP(Id, Name, Kind, Access, Type, Field) CHECK_ROW(Access, Id, Name, Type, Field)
#include "model/VYXPropIds.inc"
    EXPECT_EQ(checked, 25);
}

TEST(PropAccessors, ParagraphRowsFollowTheDenseSet)
{
    TVYXPAP dense;
    TVYXPAPX list(&dense);
    int checked = 0;
#define VYX_PAP(Id, Name, Kind, Access, Type, Field) CHECK_ROW(Access, Id, Name, Type, Field)
#include "model/VYXPropIds.inc"
    EXPECT_EQ(checked, 16);
}

TEST(PropAccessors, TableRowsFollowTheDenseSet)
{
    TVYXTAP dense;
    TVYXTAPX list(&dense);
    int checked = 0;
#define VYX_TAP(Id, Name, Kind, Access, Type, Field) CHECK_ROW(Access, Id, Name, Type, Field)
#include "model/VYXPropIds.inc"
    EXPECT_EQ(checked, 8);
}

TEST(PropAccessors, EnumerationsReadBackClampedAndListsWithoutDenseSetUseDefaults)
{
    TVYXCHPX chpx(nullptr);
    chpx.SetAsInteger(vyciUnderline, 999);
    EXPECT_EQ(chpx.GetUnderline(), vycuNone);
    chpx.SetAsInteger(vyciHighlightColor, -4);
    EXPECT_EQ(chpx.GetHighlightColor(), ahcNone);
    chpx.SetAsInteger(vyciSubSuperscript, vycssSubscript);
    EXPECT_EQ(chpx.GetSubSuperscript(), vycssSubscript);

    TVYXPAPX papx(nullptr);
    papx.SetAsInteger(vypiLineSpacingType, -3);
    EXPECT_EQ(papx.GetLineSpacingType(), aplstMultiple);
    papx.SetAsInteger(vypiAlignment, 7);
    EXPECT_EQ(papx.GetAlignment(), vyptaLeft);
    EXPECT_DOUBLE_EQ(papx.GetSpaceAfter(), 8.0);  // the dense defaults answer without a PAP

    TVYXTAPX tapx(nullptr);
    EXPECT_EQ(tapx.GetWidthType(), atwtNone);
    tapx.SetAsInteger(vytiWidthType, atwtPercent);
    EXPECT_EQ(tapx.GetWidthType(), atwtPercent);
    tapx.SetAsInteger(vytiAlignment, 42);
    EXPECT_EQ(tapx.GetAlignment(), vyptaLeft);

    // The dense merge clamps the same way as the getters.
    TVYXCHP chp;
    chpx.SetAsInteger(vyciUnderline, 999);
    chp.Merge(chpx);
    EXPECT_EQ(chp.Underline, vycuNone);
}

TEST(PropAccessors, EveryIdIsNamedInDebugTexts)
{
    TVYXCHP chp;
    TVYXCHPX chpx(&chp);
    ExpectNamesInDebugLines(chpx, cVYXChpIdCount);
    TVYXPAP pap;
    TVYXPAPX papx(&pap);
    ExpectNamesInDebugLines(papx, cVYXPapIdCount);
    TVYXTAP tap;
    TVYXTAPX tapx(&tap);
    ExpectNamesInDebugLines(tapx, cVYXTapIdCount);
}
