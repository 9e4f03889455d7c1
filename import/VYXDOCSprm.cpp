// VYXDOCSprm.cpp: walking and applying the property modifiers of binary documents.
#include "import/VYXDOCSprm.h"

#include <algorithm>
#include <array>

#include "model/VYXCharProps.h"
#include "model/VYXDocSection.h"
#include "model/VYXParaProps.h"
#include "model/VYXStyles.h"

namespace {

constexpr double cTwips = 20.0;

bool IsTableDefinition(std::uint16_t code) { return code == 0xD608 || code == 0xD606; }

// The file's underline codes with a model style; others set none.
struct TUnderline {
    int Code;
    TVYXChpUnderline Style;
};
constexpr TUnderline cUnderlines[] = {  // sorted by Code
    {0, vycuNone},          {1, vycuSingle},       {2, vycuWords},           {3, vycuDouble},
    {4, vycuDotted},        {6, vycuThick},        {7, vycuDash},            {9, vycuDotDash},
    {10, vycuDotDotDash},   {11, vycuWave},        {20, vycuDottedHeavy},    {23, vycuDashedHeavy},
    {25, vycuDashDotHeavy}, {26, vycuDashDotDotHeavy}, {27, vycuWavyHeavy}, {39, vycuDashLong},
    {43, vycuWavyDouble},   {55, vycuDashLongHeavy},
};

// Toggle modifiers of character properties: the code and the model's id.
struct TToggle {
    std::uint16_t Code;
    TVYXChpId Id;
};
constexpr TToggle cToggles[] = {  // sorted by Code
    {0x0835, vyciBold},      {0x0836, vyciItalic}, {0x0837, vyciStrikeThrough}, {0x0838, vyciOutline},
    {0x0839, vyciShadow},    {0x083A, vyciSmallCaps}, {0x083B, vyciAllCaps},    {0x083C, vyciHidden},
    {0x0854, vyciEngrave},   {0x0858, vyciEmboss},    {0x085A, vyciRTL},
};

void SetIndentFirst(TVYXPAPX& papx, double value)
{
    // The file keeps one signed offset of the first line; the model a first-line and a hanging indent.
    if (value < 0) {
        papx.SetIndentHanging(-value);
        papx.SetIndentFirstLine(0);
    } else {
        papx.SetIndentFirstLine(value);
        papx.SetIndentHanging(0);
    }
}

TVYXTabStopAlignment TabAlignment(int jc)
{
    switch (jc) {
    case 1: return atsaCenter;
    case 2: return atsaRight;
    case 3: return atsaDecimal;
    default: return atsaLeft;
    }
}

TVYXTabStopLeader TabLeader(int tlc)
{
    switch (tlc) {
    case 1: return atslDot;
    case 2: return atslHyphen;
    case 3:
    case 4: return atslUnderscore;
    case 5: return atslMiddleDot;
    default: return atslNone;
    }
}

// Tab changes: deletions (positions, and for the style form a tolerance each), then additions.
void ChangeTabs(const TVYXDocSprm& s, TVYXPAPX& papx, const TVYXPAPX* base, bool withClose)
{
    TVYXTabStops* baseTabs = base ? base->GetTabStops() : nullptr;
    TVYXTabStops* tabs = papx.GetTabStops();
    if (!tabs) {
        tabs = papx.AddTabStops();
        if (baseTabs)
            for (int i = 0; i < baseTabs->Count(); ++i)
                tabs->Add(baseTabs->Items(i));
    }
    std::size_t at = 0;
    const int dels = s.Byte(at++);
    std::vector<double> removed;
    for (int i = 0; i < dels; ++i)
        removed.push_back(s.Short(at + 2 * static_cast<std::size_t>(i)) / cTwips);
    at += 2 * static_cast<std::size_t>(dels) * (withClose ? 2 : 1);
    for (double pos : removed) {
        const int index = tabs->Find(pos);
        if (index >= 0)
            tabs->Delete(index);
    }
    const int adds = s.Byte(at++);
    for (int i = 0; i < adds; ++i) {
        const double pos = s.Short(at + 2 * static_cast<std::size_t>(i)) / cTwips;
        const std::uint8_t tbd = s.Byte(at + 2 * static_cast<std::size_t>(adds) + static_cast<std::size_t>(i));
        const int jc = tbd & 7;
        if (jc == 4)
            continue;  // bar tabs draw a line and stop nothing; the model has none
        const int index = tabs->Find(pos);
        if (index >= 0)
            tabs->Delete(index);
        tabs->Add(pos, TabAlignment(jc), TabLeader((tbd >> 3) & 7));
    }
}

}  // namespace

int VYXDocSprmSize(std::uint16_t code, std::string_view rest)
{
    auto byteAt = [&](std::size_t i) { return i < rest.size() ? static_cast<int>(static_cast<std::uint8_t>(rest[i])) : -1; };
    switch (code >> 13) {
    case 0:
    case 1: return 1;
    case 2:
    case 4:
    case 5: return 2;
    case 3: return 4;
    case 7: return 3;
    default: break;
    }
    if (IsTableDefinition(code)) {  // a two-byte length that counts itself less one
        if (rest.size() < 2)
            return -1;
        return 1 + (byteAt(0) | (byteAt(1) << 8));
    }
    const int cb = byteAt(0);
    if (cb < 0)
        return -1;
    if (code == 0xC615 && cb == 255) {  // tab changes too long for the length byte
        const int dels = byteAt(1);
        if (dels < 0)
            return -1;
        const int adds = byteAt(2 + 4 * static_cast<std::size_t>(dels));
        if (adds < 0)
            return -1;
        return 3 + 4 * dels + 3 * adds;
    }
    return 1 + cb;
}

void VYXDocForEachSprm(std::string_view grpprl, const std::function<void(const TVYXDocSprm&)>& f)
{
    std::size_t i = 0;
    while (i + 2 <= grpprl.size()) {
        const auto code = static_cast<std::uint16_t>(static_cast<std::uint8_t>(grpprl[i]) |
                                                     (static_cast<std::uint8_t>(grpprl[i + 1]) << 8));
        const std::string_view rest = grpprl.substr(i + 2);
        const int size = VYXDocSprmSize(code, rest);
        if (size < 0 || static_cast<std::size_t>(size) > rest.size())
            return;
        TVYXDocSprm sprm{code, rest.substr(0, static_cast<std::size_t>(size))};
        if ((code >> 13) == 6)
            sprm.Operand = sprm.Operand.substr(std::min<std::size_t>(IsTableDefinition(code) ? 2 : 1, sprm.Operand.size()));
        f(sprm);
        i += 2 + static_cast<std::size_t>(size);
    }
}

TVYXColor VYXDocIcoColor(int ico)
{
    static constexpr std::array<TVYXColor, 17> cIco = {
        cVYXAutoColor, 0x000000, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFF00FF, 0xFF0000, 0xFFFF00, 0xFFFFFF,
        0x000080,      0x008080, 0x008000, 0x800080, 0x800000, 0x808000, 0x808080, 0xC0C0C0};
    return ico >= 0 && ico < 17 ? cIco[static_cast<std::size_t>(ico)] : cVYXAutoColor;
}

TVYXColor VYXDocColorRef(std::uint32_t value)
{
    if ((value >> 24) == 0xFF)
        return cVYXAutoColor;
    const std::uint32_t r = value & 0xFF, g = (value >> 8) & 0xFF, b = (value >> 16) & 0xFF;
    return static_cast<TVYXColor>((r << 16) | (g << 8) | b);
}

TST_Border VYXDocBorderStyle(int brcType)
{
    static constexpr std::array<TST_Border, 28> cStyles = {
        stbNone, stbSingle, stbThick, stbDouble, stbSingle, stbSingle, stbDotted, stbDashed,
        stbDotDash, stbDotDotDash, stbTriple, stbThinThickSmallGap, stbThickThinSmallGap,
        stbThinThickThinSmallGap, stbThinThickMediumGap, stbThickThinMediumGap, stbThinThickThinMediumGap,
        stbThinThickLargeGap, stbThickThinLargeGap, stbThinThickThinLargeGap, stbWave, stbDoubleWave,
        stbDashSmallGap, stbDashDotStroked, stbThreeDEmboss, stbThreeDEngrave, stbOutset, stbInset};
    if (brcType == 255)
        return stbNil;
    return brcType >= 0 && brcType < 28 ? cStyles[static_cast<std::size_t>(brcType)] : stbSingle;
}

void VYXDocReadBorder(const TVYXDocSprm& s, std::size_t at, bool old, TVYXDocPropBorder& border)
{
    if (old) {  // width, type, colour index, space
        const int width = s.Byte(at), type = s.Byte(at + 1);
        border.SetVals(width / 8.0, VYXDocIcoColor(s.Byte(at + 2)), VYXDocBorderStyle(type), s.Byte(at + 3) & 0x1F);
    } else {  // colour, width, type, space
        const int width = s.Byte(at + 4), type = s.Byte(at + 5);
        border.SetVals(width / 8.0, VYXDocColorRef(s.DWord(at)), VYXDocBorderStyle(type), s.Byte(at + 6) & 0x1F);
    }
}

bool VYXDocApplyChar(const TVYXDocSprm& s, TVYXCHPX& chpx, const TVYXDocCharContext& context)
{
    const auto toggle = std::lower_bound(std::begin(cToggles), std::end(cToggles), s.Code,
                                         [](const TToggle& t, std::uint16_t code) { return t.Code < code; });
    if (toggle != std::end(cToggles) && toggle->Code == s.Code) {
        // 0 off, 1 on, 0x80 as the style has it, 0x81 the opposite of the style.
        const bool styled = context.Base && context.Base->GetAsBoolean(toggle->Id);
        const std::uint8_t op = s.Byte();
        chpx.SetAsBoolean(toggle->Id, op == 0x80 ? styled : op == 0x81 ? !styled : op != 0);
        return true;
    }
    switch (s.Code) {
    case 0x2A53: chpx.SetAsBoolean(vyciStrikeThrough, s.Byte() != 0); return true;  // double strike
    case 0x2A3E: {
        const int code = s.Byte();
        const auto u = std::lower_bound(std::begin(cUnderlines), std::end(cUnderlines), code,
                                        [](const TUnderline& t, int c) { return t.Code < c; });
        if (u != std::end(cUnderlines) && u->Code == code)
            chpx.SetUnderline(u->Style);  // codes the model has no style for set nothing
        return true;
    }
    case 0x2A42: chpx.SetColor(s.Byte() == 0 ? cVYXAutoColor : VYXDocIcoColor(s.Byte())); return true;
    case 0x6870: chpx.SetColor(VYXDocColorRef(s.DWord())); return true;
    case 0x4A43: chpx.SetSize(std::clamp(s.Word() / 2.0, 1.0, 1638.0)); return true;
    case 0x4A4F:
    case 0x4A51:
        if (context.Fonts && s.Word() < context.Fonts->size() && !(*context.Fonts)[s.Word()].empty()) {
            if (s.Code == 0x4A4F)
                chpx.SetFontName((*context.Fonts)[s.Word()]);
            else
                chpx.SethAnsi((*context.Fonts)[s.Word()]);
        }
        return true;
    case 0x4A50:
        if (context.Fonts && s.Word() < context.Fonts->size())
            chpx.SetEastAsia((*context.Fonts)[s.Word()]);
        return true;
    case 0x2A48:
        chpx.SetSubSuperscript(s.Byte() == 1 ? vycssSuperscript : s.Byte() == 2 ? vycssSubscript : vycssNone);
        return true;
    case 0x2A0C: chpx.SetHighlightColor(s.Byte() >= 1 && s.Byte() <= 16 ? static_cast<TVYXHighlighColor>(s.Byte() - 1) : ahcNone); return true;
    case 0x4A30:
        if (context.CharStyle)
            if (TVYXCharStyle* style = context.CharStyle(s.Word()))
                chpx.SetStyle(style);
        return true;
    case 0xCA71: {  // shading: the background colour
        const TVYXColor back = VYXDocColorRef(s.DWord(4));
        if (back != cVYXAutoColor)
            chpx.SetFillColor(back);
        return true;
    }
    default: return false;
    }
}

bool VYXDocApplyPara(const TVYXDocSprm& s, TVYXPAPX& papx, const TVYXPAPX* base)
{
    switch (s.Code) {
    case 0x2403:
    case 0x2461: {
        static constexpr TVYXPapTextAlign cAlign[] = {vyptaLeft, vyptaCenter, vyptaRight, vyptaJustify, vyptaJustify, vyptaJustify};
        papx.SetAlignment(s.Byte() < 6 ? cAlign[s.Byte()] : vyptaLeft);
        return true;
    }
    case 0x840E:
    case 0x845D: papx.SetIndentRight(s.Short() / cTwips); return true;
    case 0x840F:
    case 0x845E: papx.SetIndentLeft(s.Short() / cTwips); return true;
    case 0x8411:
    case 0x8460: SetIndentFirst(papx, s.Short() / cTwips); return true;
    case 0xA413: papx.SetSpaceBefore(s.Word() / cTwips); return true;
    case 0xA414: papx.SetSpaceAfter(s.Word() / cTwips); return true;
    case 0x6412: {
        const int line = s.Short(0);
        if (s.Short(2) != 0) {  // a multiple of single spacing, in 240ths
            papx.SetLineSpacingType(aplstMultiple);
            papx.SetLineSpacing(std::clamp(line / 240.0, 0.1, 20.0));
        } else {
            papx.SetLineSpacingType(line < 0 ? aplstExactly : aplstAtLeast);
            papx.SetLineSpacing(std::abs(line) / cTwips);
        }
        return true;
    }
    case 0x2405: papx.SetKeepLines(s.Byte() != 0); return true;
    case 0x2406: papx.SetKeepNext(s.Byte() != 0); return true;
    case 0x2431: papx.SetWidowControl(s.Byte() != 0); return true;
    case 0x2441: papx.RTL = s.Byte() != 0; return true;
    case 0x2640:  // outline level 0-8; 9 is body text
        if (s.Byte() < 9)
            papx.SetOutlineLevel(s.Byte());
        else
            papx.Remove(vypiOutlineLevel);
        return true;
    case 0x442D: {  // old shading: pattern and two colour indexes
        const std::uint16_t shd = s.Word();
        if (shd != 0)
            papx.SetColor(VYXDocIcoColor((shd >> 5) & 0x1F));
        return true;
    }
    case 0xC64D: {
        const TVYXColor back = VYXDocColorRef(s.DWord(4));
        if (back != cVYXAutoColor)
            papx.SetColor(back);
        return true;
    }
    case 0x6424:
    case 0x6425:
    case 0x6426:
    case 0x6427:
    case 0xC64E:
    case 0xC64F:
    case 0xC650:
    case 0xC651: {
        const bool old = s.Code < 0x8000;
        const int side = old ? s.Code - 0x6424 : s.Code - 0xC64E;  // top, left, bottom, right
        TVYXDocPropBorder* border = side == 0 ? papx.AddBorderTop() : side == 1 ? papx.AddBorderLeft()
                                  : side == 2 ? papx.AddBorderBottom() : papx.AddBorderRight();
        VYXDocReadBorder(s, 0, old, *border);
        return true;
    }
    case 0xC60D: ChangeTabs(s, papx, base, false); return true;
    case 0xC615: ChangeTabs(s, papx, base, true); return true;
    default: return false;
    }
}

bool VYXDocApplySection(const TVYXDocSprm& s, TVYXSEP& sep)
{
    auto length = [&](bool isSigned) { return (isSigned ? s.Short() : s.Word()) / cTwips; };
    switch (s.Code) {
    case 0xB01F: sep.PageWidth = length(false); return true;
    case 0xB020: sep.PageHeight = length(false); return true;
    case 0xB021: sep.MargLeft = length(false); return true;
    case 0xB022: sep.MargRight = length(false); return true;
    case 0x9023: sep.MargTop = std::abs(s.Short()) / cTwips; return true;
    case 0x9024: sep.MargBottom = std::abs(s.Short()) / cTwips; return true;
    case 0xB017: sep.MargHeader = length(false); return true;
    case 0xB018: sep.MargFooter = length(false); return true;
    case 0xB025: sep.Gutter = length(false); return true;
    case 0x300A: sep.TitlePg = s.Byte() != 0; return true;
    case 0x3009: {
        static constexpr TVYXSEPType cBreak[] = {astContinous, astNextColumn, astNextPage, astEvenPage, astOddPage};
        sep.Type = s.Byte() < 5 ? cBreak[s.Byte()] : astNextPage;
        return true;
    }
    default: return false;
    }
}
