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
    const TVYXTabStops* baseTabs = base ? base->GetTabStops() : nullptr;
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

// ---- Older files ---------------------------------------------------------------------

namespace {

// How an older modifier's operand is stored and rewritten.
enum TOldOperand : std::uint8_t {
    ooNone,         // code unknown: its size is unknown too
    oo1, oo2, oo3, oo4, oo5,  // fixed sizes, copied as they are
    ooVar,          // a length byte, then the bytes
    ooVar2,         // a two-byte length that counts itself less one
    ooTabs,         // tab changes: a length byte, 255 meaning "count the entries"
    ooBorder,       // a two-byte border, widened to four bytes
    ooBorders6,     // six two-byte borders (a table's), widened
    ooSymbol,       // length byte 3: font (2) and an 8-bit character, widened to (2, 2)
    ooPicture,      // length byte 4: a Data stream offset, kept as four bytes
    ooTableDef,     // cell edges and ten-byte cell descriptors, widened to twenty bytes
    ooNoOperand,    // none: the later code takes one byte, written as 0
};

struct TOldSprm {
    std::uint8_t Old;
    std::uint16_t Code;  // 0: no later code, left out
    TOldOperand Operand;
};

constexpr TOldSprm cOldSprms[] = {  // sorted by Old
    {2, 0x4600, oo2},    {3, 0xC601, ooVar},  {4, 0x2602, oo1},    {5, 0x2403, oo1},     {6, 0x2404, oo1},
    {7, 0x2405, oo1},    {8, 0x2406, oo1},    {9, 0x2407, oo1},    {10, 0x2408, oo1},    {11, 0x2409, oo1},
    {12, 0xC63E, ooVar}, {13, 0x25FF, oo1},        {14, 0x240C, oo1},   {15, 0xC60D, ooVar},  {16, 0x840E, oo2},
    {17, 0x840F, oo2},   {18, 0x4610, oo2},   {19, 0x8411, oo2},   {20, 0x6412, oo4},    {21, 0xA413, oo2},
    {22, 0xA414, oo2},   {23, 0xC615, ooTabs}, {24, 0x2416, oo1},  {25, 0x2417, oo1},    {26, 0x8418, oo2},
    {27, 0x8419, oo2},   {28, 0x841A, oo2},   {29, 0x261B, oo1},   {30, 0, oo2},         {31, 0, oo2},
    {32, 0, oo2},        {33, 0, oo2},        {34, 0, oo2},        {35, 0, oo2},         {36, 0, oo2},
    {37, 0x2423, oo1},   {38, 0x6424, ooBorder}, {39, 0x6425, ooBorder}, {40, 0x6426, ooBorder},
    {41, 0x6427, ooBorder}, {42, 0x6428, ooBorder}, {43, 0x6629, ooBorder}, {44, 0x242A, oo1},
    {45, 0x442B, oo2},   {46, 0x442C, oo2},   {47, 0x442D, oo2},   {48, 0x842E, oo2},    {49, 0x842F, oo2},
    {50, 0x2430, oo1},   {51, 0x2431, oo1},   {52, 0, ooVar},      {53, 0x2433, oo1},    {54, 0x2434, oo1},
    {55, 0x2435, oo1},   {56, 0x2436, oo1},   {57, 0x2437, oo1},   {58, 0x2438, oo1},    {59, 0x4439, oo2},
    {65, 0x0800, oo1},   {66, 0x0801, oo1},   {67, 0x0802, oo1},   {68, 0x6A03, ooPicture}, {69, 0x4804, oo2},
    {70, 0x6805, oo4},   {71, 0x0806, oo1},   {72, 0, oo2},        {73, 0, oo3},         {74, 0x6A09, ooSymbol},
    {75, 0x080A, oo1},   {80, 0x4A30, oo2},   {81, 0xCA31, ooVar}, {82, 0x2A32, ooNoOperand},
    {83, 0x2A33, ooNoOperand}, {85, 0x0835, oo1}, {86, 0x0836, oo1}, {87, 0x0837, oo1}, {88, 0x0838, oo1},
    {89, 0x0839, oo1},   {90, 0x083A, oo1},   {91, 0x083B, oo1},   {92, 0x083C, oo1},    {93, 0x4A4F, oo2},
    {94, 0x2A3E, oo1},   {95, 0xEA3F, oo3},   {96, 0x8840, oo2},   {97, 0x4A41, oo2},    {98, 0x2A42, oo1},
    {99, 0x4A43, oo2},   {100, 0x2A44, oo1},  {101, 0x4845, oo2},  {102, 0x2A46, oo1},   {103, 0xCA47, ooVar},
    {104, 0x2A48, oo1},  {105, 0xCA49, ooVar}, {106, 0xCA4A, ooVar}, {107, 0x484B, oo2}, {108, 0xCA4C, ooVar},
    {109, 0, oo2},       {110, 0, oo2},       {117, 0x0855, oo1},  {118, 0x0856, oo1},   {119, 0, oo1},
    {120, 0, ooVar},     {121, 0, oo2},       {122, 0, oo2},       {123, 0, oo2},        {124, 0, oo2},
    {131, 0x3000, oo1},  {132, 0x3001, oo1},  {133, 0, ooVar},     {136, 0xF203, oo3},   {137, 0xF204, oo3},
    {138, 0x3005, oo1},  {139, 0x3006, oo1},  {140, 0x5007, oo2},  {141, 0x5008, oo2},   {142, 0x3009, oo1},
    {143, 0x300A, oo1},  {144, 0x500B, oo2},  {145, 0x900C, oo2},  {146, 0x300D, oo1},   {147, 0x300E, oo1},
    {148, 0xB00F, oo2},  {149, 0xB010, oo2},  {150, 0x3011, oo1},  {151, 0x3012, oo1},   {152, 0x3013, oo1},
    {153, 0x3014, oo1},  {154, 0x5015, oo2},  {155, 0x9016, oo2},  {156, 0xB017, oo2},   {157, 0xB018, oo2},
    {158, 0x3019, oo1},  {159, 0x301A, oo1},  {160, 0x501B, oo2},  {161, 0x501C, oo2},   {162, 0x301D, oo1},
    {163, 0, oo1},       {164, 0xB01F, oo2},  {165, 0xB020, oo2},  {166, 0xB021, oo2},   {167, 0xB022, oo2},
    {168, 0x9023, oo2},  {169, 0x9024, oo2},  {170, 0xB025, oo2},  {171, 0x5026, oo2},   {182, 0x5400, oo2},
    {183, 0x9601, oo2},  {184, 0x9602, oo2},  {185, 0x3403, oo1},  {186, 0x3404, oo1},   {187, 0xD605, ooBorders6},
    {188, 0, ooVar2},    {189, 0x9407, oo2},  {190, 0xD608, ooTableDef}, {191, 0xD609, ooVar}, {192, 0x740A, oo4},
    {193, 0, oo5},       {194, 0x7621, oo4},  {195, 0x5622, oo2},  {196, 0x7623, oo4},   {197, 0x5624, oo2},
    {198, 0x5625, oo2},  {199, 0, oo5},       {200, 0, oo4},
};

const TOldSprm* FindOldSprm(std::uint8_t old)
{
    const auto it = std::lower_bound(std::begin(cOldSprms), std::end(cOldSprms), old,
                                     [](const TOldSprm& e, std::uint8_t v) { return e.Old < v; });
    return it != std::end(cOldSprms) && it->Old == old ? &*it : nullptr;
}

void PutWord(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

// A two-byte border (width in three-quarter points or 6 dotted, 7 dashed; type; shadow;
// colour index; space) as the four-byte form (eighths of a point, type, colour, space).
void PutOldBorder(std::string& out, std::uint16_t brc)
{
    const int width = brc & 7, type = (brc >> 3) & 3, ico = (brc >> 6) & 0x1F, space = (brc >> 11) & 0x1F;
    const bool shadow = (brc >> 5) & 1;
    const int lineType = type == 0 ? 0 : width == 6 ? 6 : width == 7 ? 7 : type;
    out += static_cast<char>(width <= 5 ? width * 6 : 6);
    out += static_cast<char>(lineType);
    out += static_cast<char>(ico);
    out += static_cast<char>(space | (shadow ? 0x20 : 0));
}

}  // namespace

std::string VYXDocWord6Grpprl(std::string_view grpprl)
{
    std::string out;
    auto byteAt = [&](std::size_t i) { return static_cast<std::uint8_t>(grpprl[i]); };
    auto wordAt = [&](std::size_t i) { return static_cast<std::uint16_t>(byteAt(i) | (byteAt(i + 1) << 8)); };
    std::size_t i = 0;
    while (i < grpprl.size()) {
        const TOldSprm* e = FindOldSprm(byteAt(i));
        if (!e || e->Operand == ooNone)
            break;
        const std::size_t at = i + 1, left = grpprl.size() - at;
        std::size_t size = 0;
        switch (e->Operand) {
        case oo1: size = 1; break;
        case oo2:
        case ooBorder: size = 2; break;
        case oo3: size = 3; break;
        case oo4: size = 4; break;
        case oo5: size = 5; break;
        case ooBorders6: size = 12; break;
        case ooNoOperand: size = 0; break;
        case ooVar:
        case ooSymbol:
        case ooPicture: size = left >= 1 ? 1 + std::size_t{byteAt(at)} : 1; break;
        case ooTabs:
            if (left >= 1 && byteAt(at) == 255 && left >= 2) {
                const std::size_t dels = byteAt(at + 1);
                size = left > 2 + 4 * dels ? 3 + 4 * dels + 3 * std::size_t{byteAt(at + 2 + 4 * dels)} : left + 1;
            } else {
                size = left >= 1 ? 1 + std::size_t{byteAt(at)} : 1;
            }
            break;
        case ooVar2:
        case ooTableDef: size = left >= 2 ? 1 + std::size_t{wordAt(at)} : 2; break;
        case ooNone: break;
        }
        if (size > left)
            break;  // runs past its list: the list ends here
        const std::string_view operand = grpprl.substr(at, size);
        i = at + size;
        if (e->Code == 0)
            continue;
        const std::size_t start = out.size();
        PutWord(out, e->Code);
        switch (e->Operand) {
        case ooBorder: PutOldBorder(out, static_cast<std::uint16_t>(wordAt(at))); break;
        case ooBorders6:
            for (std::size_t k = 0; k < 6; ++k)
                PutOldBorder(out, wordAt(at + 2 * k));
            break;
        case ooNoOperand: out += '\0'; break;
        case ooSymbol:
            if (size < 4) {
                out.resize(start);
                break;
            }
            out += operand.substr(1, 2);
            PutWord(out, byteAt(at + 3));
            break;
        case ooPicture:
            if (size < 5) {
                out.resize(start);
                break;
            }
            out += operand.substr(1, 4);
            break;
        case ooTableDef: {
            // Cell count, count + 1 edges, then per cell flags and four borders.
            const std::string_view def = operand.size() >= 2 ? operand.substr(2) : std::string_view{};
            if (def.empty()) {
                out.resize(start);
                break;
            }
            const std::size_t cells = static_cast<std::uint8_t>(def[0]);
            const std::size_t edges = std::min(def.size() - 1, 2 * (cells + 1));
            std::string body(def.substr(0, 1 + edges));
            for (std::size_t c = 0; c < cells; ++c) {
                const std::size_t tc = 1 + edges + 10 * c;
                if (tc + 10 > def.size())
                    break;
                body += def.substr(tc, 2);
                body += std::string(2, '\0');
                for (std::size_t k = 0; k < 4; ++k) {
                    const std::size_t b = tc + 2 + 2 * k;
                    PutOldBorder(body, static_cast<std::uint16_t>(static_cast<std::uint8_t>(def[b]) |
                                                                   (static_cast<std::uint8_t>(def[b + 1]) << 8)));
                }
            }
            PutWord(out, static_cast<std::uint32_t>(body.size() + 1));
            out += body;
            break;
        }
        default: out += operand; break;
        }
    }
    return out;
}

std::string VYXDocPrmGrpprl(std::uint16_t prm)
{
    if (prm & 1)
        return {};
    const TOldSprm* e = FindOldSprm(static_cast<std::uint8_t>((prm >> 1) & 0x7F));
    if (!e || e->Code == 0)
        return {};
    std::size_t size = 0;
    switch (e->Operand) {
    case oo1: size = 1; break;
    case oo2: size = 2; break;
    case oo3: size = 3; break;
    case oo4: size = 4; break;
    default: return {};  // the byte cannot hold a longer operand
    }
    std::string out;
    PutWord(out, e->Code);
    out += static_cast<char>(prm >> 8);
    out.append(size - 1, '\0');
    return out;
}

namespace {

struct TSprmName {
    std::uint16_t Code;
    std::string_view Name;
};
constexpr TSprmName cSprmNames[] = {  // sorted by Code
    {0x0800, "sprmCFRMarkDel"},
    {0x0801, "sprmCFRMarkIns"},
    {0x0802, "sprmCFFldVanish"},
    {0x0806, "sprmCFData"},
    {0x080A, "sprmCFOle2"},
    {0x0835, "sprmCFBold"},
    {0x0836, "sprmCFItalic"},
    {0x0837, "sprmCFStrike"},
    {0x0838, "sprmCFOutline"},
    {0x0839, "sprmCFShadow"},
    {0x083A, "sprmCFSmallCaps"},
    {0x083B, "sprmCFCaps"},
    {0x083C, "sprmCFVanish"},
    {0x0854, "sprmCFImprint"},
    {0x0855, "sprmCFSpec"},
    {0x0856, "sprmCFObj"},
    {0x0858, "sprmCFEmboss"},
    {0x085A, "sprmCFBiDi"},
    {0x085C, "sprmCFBoldBi"},
    {0x085D, "sprmCFItalicBi"},
    {0x0875, "sprmCFNoProof"},
    {0x0882, "sprmCFComplexScripts"},
    {0x2403, "sprmPJc80"},
    {0x2404, "sprmPFSideBySide"},
    {0x2405, "sprmPFKeep"},
    {0x2406, "sprmPFKeepFollow"},
    {0x2407, "sprmPFPageBreakBefore"},
    {0x2408, "sprmPBrcl"},
    {0x2409, "sprmPBrcp"},
    {0x240C, "sprmPFNoLineNumb"},
    {0x2416, "sprmPFInTable"},
    {0x2417, "sprmPFTtp"},
    {0x2423, "sprmPWr"},
    {0x242A, "sprmPFNoAutoHyph"},
    {0x2430, "sprmPFLocked"},
    {0x2431, "sprmPFWidowControl"},
    {0x2433, "sprmPFKinsoku"},
    {0x2434, "sprmPFWordWrap"},
    {0x2435, "sprmPFOverflowPunct"},
    {0x2436, "sprmPFTopLinePunct"},
    {0x2437, "sprmPFAutoSpaceDE"},
    {0x2438, "sprmPFAutoSpaceDN"},
    {0x2441, "sprmPFBiDi"},
    {0x2443, "sprmPFUsePgsuSettings"},
    {0x2447, "sprmPFAdjustRight"},
    {0x244B, "sprmPFInnerTableCell"},
    {0x244C, "sprmPFInnerTtp"},
    {0x2461, "sprmPJc"},
    {0x246D, "sprmPFContextualSpacing"},
    {0x2470, "sprmPFMirrorIndents"},
    {0x2602, "sprmPIncLvl"},
    {0x260A, "sprmPIlvl"},
    {0x261B, "sprmPPc"},
    {0x2640, "sprmPOutLvl"},
    {0x2664, "sprmPFNumRMIns"},
    {0x2A0C, "sprmCHighlight"},
    {0x2A32, "sprmCDefault"},
    {0x2A33, "sprmCPlain"},
    {0x2A34, "sprmCKcd"},
    {0x2A3E, "sprmCKul"},
    {0x2A42, "sprmCIco"},
    {0x2A44, "sprmCHpsInc"},
    {0x2A46, "sprmCHpsPosAdj"},
    {0x2A48, "sprmCIss"},
    {0x2A53, "sprmCFDStrike"},
    {0x3000, "sprmScnsPgn"},
    {0x3001, "sprmSiHeadingPgn"},
    {0x3005, "sprmSFEvenlySpaced"},
    {0x3006, "sprmSFProtected"},
    {0x3009, "sprmSBkc"},
    {0x300A, "sprmSFTitlePage"},
    {0x300D, "sprmSFAutoPgn"},
    {0x300E, "sprmSNfcPgn"},
    {0x3011, "sprmSFPgnRestart"},
    {0x3012, "sprmSFEndnote"},
    {0x3013, "sprmSLnc"},
    {0x3014, "sprmSGprfIhdt"},
    {0x3019, "sprmSLBetween"},
    {0x301A, "sprmSVjc"},
    {0x301D, "sprmSBOrientation"},
    {0x3228, "sprmSFBiDi"},
    {0x3403, "sprmTFCantSplit"},
    {0x3404, "sprmTTableHeader"},
    {0x442B, "sprmPWHeightAbs"},
    {0x442C, "sprmPDcs"},
    {0x442D, "sprmPShd80"},
    {0x4439, "sprmPWAlignFont"},
    {0x4455, "sprmPFrameTextFlow"},
    {0x4600, "sprmPIstd"},
    {0x460B, "sprmPIlfo"},
    {0x4610, "sprmPNest80"},
    {0x4804, "sprmCIbstRMark"},
    {0x4807, "sprmCIdslRMark"},
    {0x4845, "sprmCHpsPos"},
    {0x484B, "sprmCHpsKern"},
    {0x484E, "sprmCYsri"},
    {0x4852, "sprmCCharScale"},
    {0x485F, "sprmCLidBi"},
    {0x4863, "sprmCIbstRMarkDel"},
    {0x486D, "sprmCRgLid0_80"},
    {0x486E, "sprmCRgLid1_80"},
    {0x4873, "sprmCRgLid0"},
    {0x4874, "sprmCRgLid1"},
    {0x4A30, "sprmCIstd"},
    {0x4A41, "sprmCLid"},
    {0x4A43, "sprmCHps"},
    {0x4A4F, "sprmCRgFtc0"},
    {0x4A50, "sprmCRgFtc1"},
    {0x4A51, "sprmCRgFtc2"},
    {0x4A5E, "sprmCFtcBi"},
    {0x4A60, "sprmCIcoBi"},
    {0x4A61, "sprmCHpsBi"},
    {0x5007, "sprmSDmBinFirst"},
    {0x5008, "sprmSDmBinOther"},
    {0x500B, "sprmSCcolumns"},
    {0x5015, "sprmSNLnnMod"},
    {0x501B, "sprmSLnnMin"},
    {0x501C, "sprmSPgnStart"},
    {0x5026, "sprmSDmPaperReq"},
    {0x5032, "sprmSClm"},
    {0x5033, "sprmSTextFlow"},
    {0x5400, "sprmTJc90"},
    {0x5622, "sprmTDelete"},
    {0x5624, "sprmTMerge"},
    {0x5625, "sprmTSplit"},
    {0x6412, "sprmPDyaLine"},
    {0x6424, "sprmPBrcTop80"},
    {0x6425, "sprmPBrcLeft80"},
    {0x6426, "sprmPBrcBottom80"},
    {0x6427, "sprmPBrcRight80"},
    {0x6428, "sprmPBrcBetween80"},
    {0x6629, "sprmPBrcBar80"},
    {0x6646, "sprmPHugePapx"},
    {0x6649, "sprmPItap"},
    {0x664A, "sprmPDtap"},
    {0x6805, "sprmCDttmRMark"},
    {0x6815, "sprmCRsidProp"},
    {0x6816, "sprmCRsidText"},
    {0x6817, "sprmCRsidRMDel"},
    {0x6864, "sprmCDttmRMarkDel"},
    {0x6870, "sprmCCv"},
    {0x6877, "sprmCCvUl"},
    {0x6A03, "sprmCPicLocation"},
    {0x6A09, "sprmCSymbol"},
    {0x740A, "sprmTTlp"},
    {0x7621, "sprmTInsert"},
    {0x7623, "sprmTDxaCol"},
    {0x840E, "sprmPDxaRight80"},
    {0x840F, "sprmPDxaLeft80"},
    {0x8411, "sprmPDxaLeft180"},
    {0x8418, "sprmPDxaAbs"},
    {0x8419, "sprmPDyaAbs"},
    {0x841A, "sprmPDxaWidth"},
    {0x842E, "sprmPDyaFromText"},
    {0x842F, "sprmPDxaFromText"},
    {0x845D, "sprmPDxaRight"},
    {0x845E, "sprmPDxaLeft"},
    {0x8460, "sprmPDxaLeft1"},
    {0x8840, "sprmCDxaSpace"},
    {0x900C, "sprmSDxaColumns"},
    {0x9016, "sprmSDxaLnn"},
    {0x9023, "sprmSDyaTop"},
    {0x9024, "sprmSDyaBottom"},
    {0x9407, "sprmTDyaRowHeight"},
    {0x9601, "sprmTDxaLeft"},
    {0x9602, "sprmTDxaGapHalf"},
    {0xA413, "sprmPDyaBefore"},
    {0xA414, "sprmPDyaAfter"},
    {0xB00F, "sprmSDyaPgn"},
    {0xB010, "sprmSDxaPgn"},
    {0xB017, "sprmSDyaHdrTop"},
    {0xB018, "sprmSDyaHdrBottom"},
    {0xB01F, "sprmSXaPage"},
    {0xB020, "sprmSYaPage"},
    {0xB021, "sprmSDxaLeft"},
    {0xB022, "sprmSDxaRight"},
    {0xB025, "sprmSDzaGutter"},
    {0xC601, "sprmPIstdPermute"},
    {0xC60D, "sprmPChgTabsPapx"},
    {0xC615, "sprmPChgTabs"},
    {0xC63E, "sprmPAnld80"},
    {0xC64D, "sprmPShd"},
    {0xC64E, "sprmPBrcTop"},
    {0xC64F, "sprmPBrcLeft"},
    {0xC650, "sprmPBrcBottom"},
    {0xC651, "sprmPBrcRight"},
    {0xC652, "sprmPBrcBetween"},
    {0xC653, "sprmPBrcBar"},
    {0xCA31, "sprmCIstdPermute"},
    {0xCA47, "sprmCMajority"},
    {0xCA49, "sprmCHpsNew50"},
    {0xCA4A, "sprmCHpsInc1"},
    {0xCA4C, "sprmCMajority50"},
    {0xCA71, "sprmCShd"},
    {0xCA72, "sprmCBrc"},
    {0xCA89, "sprmCPropRMark"},
    {0xD202, "sprmSOlstAnm80"},
    {0xD203, "sprmSDxaColWidth"},
    {0xD204, "sprmSDxaColSpacing"},
    {0xD605, "sprmTTableBorders80"},
    {0xD606, "sprmTDefTable10"},
    {0xD608, "sprmTDefTable"},
    {0xD609, "sprmTDefTableShd80"},
    {0xD612, "sprmTDefTableShd"},
    {0xD613, "sprmTTableBorders"},
    {0xD620, "sprmTSetBrc80"},
    {0xD632, "sprmTCellPadding"},
    {0xD634, "sprmTCellPaddingDefault"},
    {0xEA3F, "sprmCSizePos"},
    {0xF203, "sprmSDxaColWidth"},
    {0xF204, "sprmSDxaColSpacing"},
    {0xF614, "sprmTTableWidth"},
    {0xF617, "sprmTWidthBefore"},
    {0xF618, "sprmTWidthAfter"},
    {0xF661, "sprmTWidthIndent"},
};

}  // namespace

std::string_view VYXDocSprmName(std::uint16_t code)
{
    const auto it = std::lower_bound(std::begin(cSprmNames), std::end(cSprmNames), code,
                                     [](const TSprmName& e, std::uint16_t v) { return e.Code < v; });
    return it != std::end(cSprmNames) && it->Code == code ? it->Name : std::string_view{};
}
