// VYXKeys.cpp: command classes, command names and the default key table.
#include "editing/VYXKeys.h"

#include <array>

namespace {
constexpr std::string_view cCommandNames[] = {
#define X(name) #name,
#include "editing/VYXCommands.inc"
#undef X
};
static_assert(std::size(cCommandNames) == cVYXCommandCount);

// Each class's members lie strictly between its markers; the chain of ranges
// below is the class test, checked in order.
struct TClassRange {
    TVYXCommand First, Last;
    TVYXCommandClass Class;
};
constexpr TClassRange cClassRanges[] = {
    {vycNone, vycMoveCurrent, vyccNone},
    {vycExternalFind, vycExternalInsertImageAtCaret, vyccExternal},
    {vycUpdateUI, vycControl_F11, vyccControl},
    {vycMoveCharLeft, vycMoveRelative, vyccMove},
    {vycFormat, vycFormatPAPXEnd, vyccFormat},
    {vycClipboardCopy, vycClipboardPastePlain, vyccClipboard},
    {vycSelectClear, vycSelectSelection, vyccSelect},
    {vycDelCharLeft, vycDelImageAtPosPara, vyccDelete},
    {vycInsertAtCaret, vycInsertEndnote, vyccInsert},
    {vycTableMergeCells, vycTableRowHeight, vyccTable},
    {vycLayoutColumns, vycLayoutColumns, vyccLayout},
    {vycGraphicWrap, vycGraphicTextBoxVertAlign, vyccGraphic},
    {vycRevisionTrackChanges, vycRevisionRejectAll, vyccRevision},
    {vycSettingPaperWidth, vycSettingTblShowOutline, vyccSetting},
};

constexpr TVYXShiftState S = vyssShift, C = vyssCtrl, A = vyssAlt, N = vyssNone;
constexpr TVYXKey K(char c) { return VYXCharKey(c); }
constexpr TVYXKey F(int n) { return VYXFunctionKey(n); }

// First match wins. Shift+Left and Shift+Right appear a second time at the end
// of the selection rows; those rows never match and are kept so the table
// stays the one hosts have recorded macros against.
constexpr TVYXKeyBinding cKeyTable[] = {
    {vykEscape, N, vycControlEscape},
    {vykReturn, N, vycControlNewPara},
    {vykReturn, C, vycControlPageBreak},
    {vykReturn, S, vycControlLineBreak},
    {vykTab, N, vycControlTab},
    {vykTab, S, vycControlShiftTab},
    {K('B'), C | A, vycControlBullet},
    {K('Z'), C, vycControlUndo},
    {K('P'), C | S, vycControlMacroPlay},
    {K('R'), C | S, vycControlMacroRecord},
    {vykLeft, N, vycMoveCharLeft},
    {vykRight, N, vycMoveCharRight},
    {vykLeft, C, vycMoveWordLeft},
    {vykRight, C, vycMoveWordRight},
    {vykUp, C, vycMoveParaUp},
    {vykDown, C, vycMoveParaDown},
    {vykUp, N, vycMoveLineUp},
    {vykDown, N, vycMoveLineDown},
    {vykEnd, N, vycMoveEndOfLine},
    {vykHome, N, vycMoveBeginningOfLine},
    {vykPageUp, C | A, vycMoveTopOfWindow},
    {vykPageDown, C | A, vycMoveEndOfWindow},
    {vykPageUp, N, vycMovePgUp},
    {vykPageDown, N, vycMovePgDown},
    {vykPageUp, C, vycMoveTopOfNextPg},
    {vykPageDown, C, vycMoveTopOfPrevPg},
    {vykEnd, C, vycMoveEndOfDoc},
    {vykHome, C, vycMoveBeginningOfDoc},
    {F(5), C, vycMoveLastLocation},
    {K('F'), C, vycExternalFind},
    {K('H'), C, vycExternalReplace},
    {F(3), N, vycExternalFindNext},
    {F(7), N, vycExternalSpellCheckWords},
    {K('B'), C, vycFormatBold},
    {K('I'), C, vycFormatItalic},
    {K('U'), C, vycFormatUnderline},
    {vykAdd, C, vycFormatIncFont},
    {vykOemPlus, C, vycFormatIncFont},
    {vykSubtract, C, vycFormatDecFont},
    {vykOemMinus, C, vycFormatDecFont},
    {K('0'), C, vycFormatCHPX},
    {vykSpace, C, vycFormatClearAllChar},
    {K('L'), C, vycFormatParaLeft},
    {K('E'), C, vycFormatParaCenter},
    {K('R'), C, vycFormatParaRight},
    {K('J'), C, vycFormatParaJustify},
    {K('M'), C, vycFormatParaIncIndentLeft},
    {K('M'), C | S, vycFormatParaDecIndentLeft},
    {K('T'), C, vycFormatParaIncIndentHanging},
    {K('T'), C | S, vycFormatParaDecIndentHanging},
    {K('C'), C, vycClipboardCopy},
    {K('X'), C, vycClipboardCut},
    {K('V'), C, vycClipboardPaste},
    {vykLeft, S, vycSelectCharLeft},
    {vykRight, S, vycSelectCharRight},
    {K('7'), C, vycSelectWord},
    {K('8'), C, vycSelectLine},
    {K('9'), C, vycSelectPara},
    {K('A'), C, vycSelectAll},
    {vykLeft, C | S, vycSelectWordLeft},
    {vykRight, C | S, vycSelectWordRight},
    {vykUp, C | S, vycSelectParaUp},
    {vykDown, C | S, vycSelectParaDown},
    {vykUp, S, vycSelectLineUp},
    {vykDown, S, vycSelectLineDown},
    {vykEnd, S, vycSelectEndOfLine},
    {vykHome, S, vycSelectBeginningOfLine},
    {vykPageUp, S, vycSelectPgUp},
    {vykPageDown, S, vycSelectPgDown},
    {vykPageUp, C | S, vycSelectTopOfNextPg},
    {vykPageDown, C | S, vycSelectTopOfPrevPg},
    {vykEnd, C | S, vycSelectEndOfDoc},
    {vykHome, C | S, vycSelectBeginningOfDoc},
    {vykLeft, S, vycSelectCharLeft},
    {vykRight, S, vycSelectCharRight},
    {K('F'), C | A, vycInsertFootnote},
    {K('D'), C | A, vycInsertEndnote},
    {vykBack, N, vycDelCharLeft},
    {vykDelete, N, vycDelAtCaret},
    {vykBack, C, vycDelWordLeft},
    {vykDelete, C, vycDelWordRight},
    {F(7), C, vycControlSpellSheckAll},
    {F(9), N, vycControlUpdateFields},
    {F(10), N, vycControl_F10},
    {F(11), N, vycControl_F11},
    // Redo came after the table above was fixed; it goes last so no row moves.
    {K('Y'), C, vycControlRedo},
};
static_assert(std::size(cKeyTable) == 86);
}  // namespace

TVYXCommandClass CommandClass(TVYXCommand cmd)
{
    for (const TClassRange& r : cClassRanges)
        if (cmd >= r.First && cmd <= r.Last)
            return r.Class;
    return vyccUnknown;
}

bool CommandIsCHPX(TVYXCommand cmd) { return cmd >= vycFormatFontName && cmd <= vycFormatIncFont; }

bool CommandIsPAPX(TVYXCommand cmd) { return cmd >= vycFormatParaColor && cmd <= vycFormatRemoveBulletNumbering; }

bool CmdToId(TVYXCommand cmd, TVYXChpId& id)
{
    switch (cmd) {
    case vycFormatColor: id = vyciColor; break;
    case vycFormatBold: id = vyciBold; break;
    case vycFormatItalic: id = vyciItalic; break;
    case vycFormatUnderline: id = vyciUnderline; break;
    case vycFormatSubSuperscript: id = vyciSubSuperscript; break;
    case vycFormatStrikeThrough: id = vyciStrikeThrough; break;
    default: id = vyciNone; break;
    }
    return id != vyciNone;
}

std::string_view CommandName(TVYXCommand cmd)
{
    return cmd < cVYXCommandCount ? cCommandNames[cmd] : std::string_view();
}

bool CommandFromName(std::string_view name, TVYXCommand& cmd)
{
    for (int i = 0; i < cVYXCommandCount; ++i)
        if (cCommandNames[i] == name) {
            cmd = static_cast<TVYXCommand>(i);
            return true;
        }
    return false;
}

std::span<const TVYXKeyBinding> VYXDefaultKeyTable() { return cKeyTable; }

int VYXFindKeyBinding(TVYXKey key, TVYXShiftState shift)
{
    for (std::size_t i = 0; i < std::size(cKeyTable); ++i)
        if (cKeyTable[i].Key == key && cKeyTable[i].Shift == shift)
            return static_cast<int>(i);
    return -1;
}

TVYXCommand KeyToCommand(TVYXKey key, TVYXShiftState shift)
{
    const int row = VYXFindKeyBinding(key, shift);
    return row < 0 ? vycNone : cKeyTable[row].Command;
}
