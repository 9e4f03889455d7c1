// VYXKeys.h: the editor's closed command set, its classes and the default key bindings.
//
// Every key, menu item and toolbar button of a host ends up as one TVYXCommand.
// Key codes are platform-neutral numbers that happen to equal the Windows
// virtual-key codes, so any host maps its own key events onto them once
// (letters and digits are their upper-case ASCII codes).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/VYXDocProps.h"

enum TVYXCommand : std::uint16_t {
#define X(name) name,
#include "editing/VYXCommands.inc"
#undef X
    // Readable spellings of two commands whose stored names are cut short.
    vycControlNumbering = vycCont,
    vycGraphicFlipY = vycGrap,
};
constexpr int cVYXCommandCount = vycControlRedo + 1;

enum TVYXCommandClass {
    vyccNone, vyccExternal, vyccControl, vyccFindReplace, vyccMove, vyccFormat, vyccClipboard, vyccSelect,
    vyccDelete, vyccInsert, vyccTable, vyccLayout, vyccGraphic, vyccRevision, vyccSetting, vyccUnknown
};

// The class of a command by its value range. Markers, the find/replace commands
// (which the facade sends straight to the find engine) and the two paragraph
// moves appended after the move bracket are vyccUnknown.
TVYXCommandClass CommandClass(TVYXCommand cmd);
// Character-format commands that set one property (font name .. larger font).
bool CommandIsCHPX(TVYXCommand cmd);
// Paragraph-format commands that set one property (colour .. remove bullets).
bool CommandIsPAPX(TVYXCommand cmd);
// The character property a toggle or colour command reads back for the facade's
// button state; false (id = vyciNone) for every other command.
bool CmdToId(TVYXCommand cmd, TVYXChpId& id);
// "vycFormatBold"; an empty view for values outside the set.
std::string_view CommandName(TVYXCommand cmd);
// The command of that name (exact spelling, aliases excluded); false when none.
bool CommandFromName(std::string_view name, TVYXCommand& cmd);

using TVYXKey = std::uint16_t;
constexpr TVYXKey vykBack = 0x08, vykTab = 0x09, vykReturn = 0x0D, vykEscape = 0x1B, vykSpace = 0x20,
                  vykPageUp = 0x21, vykPageDown = 0x22, vykEnd = 0x23, vykHome = 0x24, vykLeft = 0x25,
                  vykUp = 0x26, vykRight = 0x27, vykDown = 0x28, vykDelete = 0x2E,
                  vykAdd = 0x6B,       // numeric keypad +
                  vykSubtract = 0x6D,  // numeric keypad -
                  vykF1 = 0x70,        // F1..F24 follow in order
                  vykOemPlus = 0xBB,   // the "=+" key of the main block
                  vykOemMinus = 0xBD;  // the "-_" key of the main block
// Letter and digit keys: their upper-case ASCII code.
constexpr TVYXKey VYXCharKey(char c) { return static_cast<TVYXKey>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }
constexpr TVYXKey VYXFunctionKey(int n) { return static_cast<TVYXKey>(vykF1 + n - 1); }

// The modifier keys held down, as a set of flags compared as a whole.
using TVYXShiftState = std::uint8_t;
constexpr TVYXShiftState vyssNone = 0, vyssShift = 1, vyssAlt = 2, vyssCtrl = 4;

struct TVYXKeyBinding {
    TVYXKey Key;
    TVYXShiftState Shift;
    TVYXCommand Command;
};

// The default key table in its fixed order (86 rows: Ctrl+Y for redo is the last); a host may show it or
// build its own from it.
std::span<const TVYXKeyBinding> VYXDefaultKeyTable();
// The first row of the default table for the pair; -1 when none.
int VYXFindKeyBinding(TVYXKey key, TVYXShiftState shift);
// The command of the first matching row; vycNone when no row matches.
TVYXCommand KeyToCommand(TVYXKey key, TVYXShiftState shift);
