// VYXKeysTest.cpp: command values and classes by number, names, and every row of the key table.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editing/VYXKeys.h"

TEST(Commands, ValuesAndClassesByNumber)
{
    EXPECT_EQ(cVYXCommandCount, 295);
    struct TAnchor {
        TVYXCommand Cmd;
        int Value;
    };
    const TAnchor anchors[] = {
        {vycNone, 1}, {vycMoveCurrent, 2}, {vycExternalFind, 5}, {vycExternalInsertImageAtCaret, 16},
        {vycUpdateUI, 19}, {vycControl_F11, 42}, {vycFindFromPos, 45}, {vycReplaceNext, 49},
        {vycMoveCharLeft, 52}, {vycMoveRelative, 84}, {vycMoveEnd, 85}, {vycMoveBeginningOfPara, 86},
        {vycMoveEndOfPara, 87}, {vycFormat, 89}, {vycFormatFontName, 91}, {vycFormatIncFont, 104},
        {vycFormatParaColor, 107}, {vycFormatRemoveBulletNumbering, 130}, {vycFormatPAPXEnd, 131},
        {vycClipboardCopy, 134}, {vycClipboardPastePlain, 137}, {vycSelectClear, 140},
        {vycSelectSelection, 164}, {vycDelCharLeft, 167}, {vycDelImageAtPosPara, 174},
        {vycInsertAtCaret, 177}, {vycInsertEndnote, 194}, {vycTableMergeCells, 197},
        {vycTableRowHeight, 208}, {vycLayoutColumns, 211}, {vycGraphicWrap, 214}, {vycGraphicFlipX, 239},
        {vycGrap, 240}, {vycGraphicTextBoxVertAlign, 267}, {vycRevisionTrackChanges, 270},
        {vycRevisionRejectAll, 280}, {vycSettingPaperWidth, 283}, {vycSettingTblShowOutline, 292},
        {vycSettingEnd, 293}, {vycControlRedo, 294},
    };
    for (const TAnchor& a : anchors) {
        SCOPED_TRACE(std::string(CommandName(a.Cmd)));
        EXPECT_EQ(static_cast<int>(a.Cmd), a.Value);
    }

    // The class of every value, from the value ranges alone.
    struct TRange {
        int First, Last;
        TVYXCommandClass Class;
    };
    const TRange ranges[] = {
        {1, 2, vyccNone}, {5, 16, vyccExternal}, {19, 42, vyccControl}, {52, 84, vyccMove},
        {89, 131, vyccFormat}, {134, 137, vyccClipboard}, {140, 164, vyccSelect}, {167, 174, vyccDelete},
        {177, 194, vyccInsert}, {197, 208, vyccTable}, {211, 211, vyccLayout}, {214, 267, vyccGraphic},
        {270, 280, vyccRevision}, {283, 292, vyccSetting},
    };
    int members = 0;
    for (int v = 0; v < 300; ++v) {
        TVYXCommandClass expected = vyccUnknown;
        for (const TRange& r : ranges)
            if (v >= r.First && v <= r.Last)
                expected = r.Class;
        members += expected != vyccUnknown;
        SCOPED_TRACE(v);
        EXPECT_EQ(CommandClass(static_cast<TVYXCommand>(v)), expected);
        EXPECT_EQ(CommandIsCHPX(static_cast<TVYXCommand>(v)), v >= 91 && v <= 104);
        EXPECT_EQ(CommandIsPAPX(static_cast<TVYXCommand>(v)), v >= 107 && v <= 130);
    }
    EXPECT_EQ(members, 2 + 12 + 24 + 33 + 43 + 4 + 25 + 8 + 18 + 12 + 1 + 54 + 11 + 10);
    // The find/replace commands go to the find engine directly, never through the class test.
    EXPECT_EQ(CommandClass(vycFindNext), vyccUnknown);
}

TEST(Commands, NamesAreUniqueMarkersBracketEachClass)
{
    std::set<std::string_view> names;
    for (int v = 0; v < cVYXCommandCount; ++v) {
        const auto cmd = static_cast<TVYXCommand>(v);
        const std::string_view name = CommandName(cmd);
        ASSERT_TRUE(name.starts_with("vyc")) << v;
        EXPECT_TRUE(names.insert(name).second) << name;
        TVYXCommand back = vycNone;
        ASSERT_TRUE(CommandFromName(name, back));
        EXPECT_EQ(back, cmd);
        // A value just before a class's first member is its Start marker.
        if (v + 1 < cVYXCommandCount && CommandClass(cmd) == vyccUnknown &&
            CommandClass(static_cast<TVYXCommand>(v + 1)) != vyccUnknown) {
            EXPECT_TRUE(name.ends_with("Start")) << name;
        }
    }
    EXPECT_EQ(CommandName(vycNoneStart), "vycNoneStart");
    EXPECT_EQ(CommandName(vycSettingEnd), "vycSettingEnd");
    EXPECT_EQ(CommandName(vycControlNumbering), "vycCont");
    EXPECT_EQ(CommandName(vycGraphicFlipY), "vycGrap");
    EXPECT_TRUE(CommandName(static_cast<TVYXCommand>(cVYXCommandCount)).empty());
    TVYXCommand unused = vycNone;
    EXPECT_FALSE(CommandFromName("vycGraphicFlipY", unused));

    TVYXChpId id = vyciBold;
    EXPECT_TRUE(CmdToId(vycFormatColor, id));
    EXPECT_EQ(id, vyciColor);
    EXPECT_TRUE(CmdToId(vycFormatSubSuperscript, id));
    EXPECT_EQ(id, vyciSubSuperscript);
    EXPECT_TRUE(CmdToId(vycFormatStrikeThrough, id));
    EXPECT_EQ(id, vyciStrikeThrough);
    EXPECT_FALSE(CmdToId(vycFormatFontSize, id));
    EXPECT_EQ(id, vyciNone);
}

namespace {
// "Ctrl+Shift+PageUp" -> key and shift set, by the names a user reads on the keys.
bool ParseKey(std::string_view text, TVYXKey& key, TVYXShiftState& shift)
{
    shift = vyssNone;
    for (;;) {
        const std::size_t plus = text.find('+', 1);
        if (plus == std::string_view::npos)
            break;
        const std::string_view mod = text.substr(0, plus);
        if (mod == "Ctrl")
            shift |= vyssCtrl;
        else if (mod == "Alt")
            shift |= vyssAlt;
        else if (mod == "Shift")
            shift |= vyssShift;
        else
            return false;
        text.remove_prefix(plus + 1);
    }
    struct TName {
        std::string_view Name;
        TVYXKey Key;
    };
    const TName names[] = {
        {"Esc", 0x1B}, {"Enter", 0x0D}, {"Tab", 0x09}, {"Space", 0x20}, {"Backspace", 0x08},
        {"Delete", 0x2E}, {"Left", 0x25}, {"Right", 0x27}, {"Up", 0x26}, {"Down", 0x28}, {"Home", 0x24},
        {"End", 0x23}, {"PageUp", 0x21}, {"PageDown", 0x22}, {"NumPlus", 0x6B}, {"NumMinus", 0x6D},
        {"Plus", 0xBB}, {"Minus", 0xBD},
    };
    for (const TName& n : names)
        if (text == n.Name) {
            key = n.Key;
            return true;
        }
    if (text.size() == 1) {
        key = static_cast<TVYXKey>(text[0]);
        return true;
    }
    if (text.size() >= 2 && text[0] == 'F') {
        key = static_cast<TVYXKey>(0x70 + std::stoi(std::string(text.substr(1))) - 1);
        return true;
    }
    return false;
}
}  // namespace

TEST(Keys, EveryRowOfTheDefaultTable)
{
    struct TRow {
        const char* Keys;
        TVYXCommand Cmd;
    };
    const TRow rows[] = {
        {"Esc", vycControlEscape}, {"Enter", vycControlNewPara}, {"Ctrl+Enter", vycControlPageBreak},
        {"Shift+Enter", vycControlLineBreak}, {"Tab", vycControlTab}, {"Shift+Tab", vycControlShiftTab},
        {"Ctrl+Alt+B", vycControlBullet}, {"Ctrl+Z", vycControlUndo}, {"Ctrl+Shift+P", vycControlMacroPlay},
        {"Ctrl+Shift+R", vycControlMacroRecord}, {"Left", vycMoveCharLeft}, {"Right", vycMoveCharRight},
        {"Ctrl+Left", vycMoveWordLeft}, {"Ctrl+Right", vycMoveWordRight}, {"Ctrl+Up", vycMoveParaUp},
        {"Ctrl+Down", vycMoveParaDown}, {"Up", vycMoveLineUp}, {"Down", vycMoveLineDown},
        {"End", vycMoveEndOfLine}, {"Home", vycMoveBeginningOfLine}, {"Ctrl+Alt+PageUp", vycMoveTopOfWindow},
        {"Ctrl+Alt+PageDown", vycMoveEndOfWindow}, {"PageUp", vycMovePgUp}, {"PageDown", vycMovePgDown},
        {"Ctrl+PageUp", vycMoveTopOfNextPg}, {"Ctrl+PageDown", vycMoveTopOfPrevPg},
        {"Ctrl+End", vycMoveEndOfDoc}, {"Ctrl+Home", vycMoveBeginningOfDoc}, {"Ctrl+F5", vycMoveLastLocation},
        {"Ctrl+F", vycExternalFind}, {"Ctrl+H", vycExternalReplace}, {"F3", vycExternalFindNext},
        {"F7", vycExternalSpellCheckWords}, {"Ctrl+B", vycFormatBold}, {"Ctrl+I", vycFormatItalic},
        {"Ctrl+U", vycFormatUnderline}, {"Ctrl+NumPlus", vycFormatIncFont}, {"Ctrl+Plus", vycFormatIncFont},
        {"Ctrl+NumMinus", vycFormatDecFont}, {"Ctrl+Minus", vycFormatDecFont}, {"Ctrl+0", vycFormatCHPX},
        {"Ctrl+Space", vycFormatClearAllChar}, {"Ctrl+L", vycFormatParaLeft}, {"Ctrl+E", vycFormatParaCenter},
        {"Ctrl+R", vycFormatParaRight}, {"Ctrl+J", vycFormatParaJustify}, {"Ctrl+M", vycFormatParaIncIndentLeft},
        {"Ctrl+Shift+M", vycFormatParaDecIndentLeft}, {"Ctrl+T", vycFormatParaIncIndentHanging},
        {"Ctrl+Shift+T", vycFormatParaDecIndentHanging}, {"Ctrl+C", vycClipboardCopy},
        {"Ctrl+X", vycClipboardCut}, {"Ctrl+V", vycClipboardPaste}, {"Shift+Left", vycSelectCharLeft},
        {"Shift+Right", vycSelectCharRight}, {"Ctrl+7", vycSelectWord}, {"Ctrl+8", vycSelectLine},
        {"Ctrl+9", vycSelectPara}, {"Ctrl+A", vycSelectAll}, {"Ctrl+Shift+Left", vycSelectWordLeft},
        {"Ctrl+Shift+Right", vycSelectWordRight}, {"Ctrl+Shift+Up", vycSelectParaUp},
        {"Ctrl+Shift+Down", vycSelectParaDown}, {"Shift+Up", vycSelectLineUp}, {"Shift+Down", vycSelectLineDown},
        {"Shift+End", vycSelectEndOfLine}, {"Shift+Home", vycSelectBeginningOfLine}, {"Shift+PageUp", vycSelectPgUp},
        {"Shift+PageDown", vycSelectPgDown}, {"Ctrl+Shift+PageUp", vycSelectTopOfNextPg},
        {"Ctrl+Shift+PageDown", vycSelectTopOfPrevPg}, {"Ctrl+Shift+End", vycSelectEndOfDoc},
        {"Ctrl+Shift+Home", vycSelectBeginningOfDoc}, {"Ctrl+Alt+F", vycInsertFootnote},
        {"Ctrl+Alt+D", vycInsertEndnote}, {"Backspace", vycDelCharLeft}, {"Delete", vycDelAtCaret},
        {"Ctrl+Backspace", vycDelWordLeft}, {"Ctrl+Delete", vycDelWordRight}, {"Ctrl+F7", vycControlSpellSheckAll},
        {"F9", vycControlUpdateFields}, {"F10", vycControl_F10}, {"F11", vycControl_F11},
        {"Ctrl+Y", vycControlRedo},
    };
    std::set<std::pair<TVYXKey, TVYXShiftState>> seen;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Keys);
        TVYXKey key = 0;
        TVYXShiftState shift = 0;
        ASSERT_TRUE(ParseKey(row.Keys, key, shift));
        EXPECT_EQ(KeyToCommand(key, shift), row.Cmd);
        EXPECT_TRUE(seen.insert({key, shift}).second);
    }
    EXPECT_EQ(seen.size(), 84u);

    // The table holds 86 rows: Shift+Left and Shift+Right a second time, after
    // the first ones, which win; redo, added later, is the last.
    const auto table = VYXDefaultKeyTable();
    ASSERT_EQ(table.size(), 86u);
    EXPECT_EQ(table.back().Command, vycControlRedo);
    int duplicates = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int first = VYXFindKeyBinding(table[i].Key, table[i].Shift);
        if (first == static_cast<int>(i))
            continue;
        ++duplicates;
        EXPECT_LT(first, static_cast<int>(i));
        EXPECT_EQ(table[i].Shift, vyssShift);
        EXPECT_TRUE(table[i].Key == vykLeft || table[i].Key == vykRight);
    }
    EXPECT_EQ(duplicates, 2);

    // The shift set is compared whole; unbound keys give vycNone.
    EXPECT_EQ(KeyToCommand(VYXCharKey('b'), vyssCtrl | vyssShift), vycNone);
    EXPECT_EQ(KeyToCommand(VYXCharKey('q'), vyssCtrl), vycNone);
    EXPECT_EQ(KeyToCommand(vykLeft, vyssAlt), vycNone);
    EXPECT_EQ(KeyToCommand(VYXCharKey('b'), vyssCtrl), vycFormatBold);
    EXPECT_EQ(VYXFunctionKey(7), 0x76);
}
