// VYXNumbering.cpp: list levels, list definitions and the counting of list paragraphs.
#include "model/VYXNumbering.h"

#include <algorithm>
#include <string>

#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXStyles.h"
#include "model/VYXUtils.h"
#include "platform/VYXUnicode.h"

const std::array<std::string_view, anstUpperLetter + 1> VYXNumberingStyleTypeName = {
    "None",        "Bullet",      "Decimal",      "Decimal Parenthesis",      "Lower Roman",
    "Upper Roman", "Lower Letter", "Lower Letter Parenthesis", "Upper Letter"};
const std::array<std::u16string_view, ablsNone + 1> VYXBulletListStyleText = {
    u"\uF06C", u"\uF06C", u"\uF0A1", u"\uF070", u"\uF0FC", u"\uF0D8", u""};
const std::array<std::string_view, ablsNone + 1> VYXBulletListStyleName = {
    "Default", "Disc", "Circle", "Square", "Check", "Righ", "None"};
const std::array<std::string_view, amls_1_1_1 + 1> VYXMultilevelListStyleName = {"Digit-Letter", "Digit-Digit"};
const std::array<TVYXNumberingStyleType, 3> VYXNumLevelStyleOrder_1_a_i = {anstDecimal, anstLowerLetter,
                                                                          anstLowerRoman};

namespace {
constexpr int cMaxLevels = 9;
constexpr std::u16string_view cBulletFont = u"Wingdings";

// Letters repeat once per round through the alphabet; a bound keeps a hostile
// counter from building a huge text.
constexpr std::int32_t cMaxLetterCounter = 26 * 50;
}  // namespace

std::u16string FormatListCounter(std::int32_t counter, TVYXNumberingStyleType style)
{
    switch (style) {
    case anstDecimal:
    case anstDecimalParen: return U16(std::to_string(counter));
    case anstLowerRoman: return AsciiLower(IntToRoman(counter));
    case anstUpperRoman: return IntToRoman(counter);
    case anstLowerLetter:
    case anstLowerLetterParen:
    case anstUpperLetter: {
        if (counter < 1)
            return {};
        counter = std::min(counter, cMaxLetterCounter);
        const auto letter = static_cast<char16_t>((style == anstUpperLetter ? u'A' : u'a') + (counter - 1) % 26);
        return std::u16string(static_cast<std::size_t>((counter - 1) / 26 + 1), letter);
    }
    case anstNone:
    case anstBullet: break;
    }
    return {};
}

// ---- Levels --------------------------------------------------------------------

TVYXNumbering::TVYXNumbering(TVYXNumberings* owner, TVYXNumberingsList* numList, TVYXCHP* chp, TVYXPAP* pap)
    : FOwner(owner), FNumList(numList), FCHPX(std::make_unique<TVYXCHPX>(chp)),
      FPAPX(std::make_unique<TVYXPAPX>(pap))
{
}

TVYXNumbering::~TVYXNumbering() = default;

std::int32_t TVYXNumbering::GetId() const { return FNumList ? FNumList->Id : 0; }

double TVYXNumbering::Step() const { return FOwner ? FOwner->Indent : 18.0; }

void TVYXNumbering::SetIndents(double left)
{
    FPAPX->SetIndentLeft(left);
    FPAPX->SetIndentHanging(Step());
}

void TVYXNumbering::InitBullet(std::int32_t level, std::u16string_view text)
{
    Style = anstBullet;
    StyleEx = anstxBullet;
    Align = vyptaLeft;
    Text = std::u16string(text);
    FCHPX->SetFontName(cBulletFont);
    FCHPX->SetSize(8);
    SetIndents((level + 2) * Step());
}

namespace {
TVYXNumberingStyleExType StyleExOf(TVYXNumberingStyleType style)
{
    constexpr TVYXNumberingStyleExType cEx[] = {anstxNone,        anstxBullet,      anstxDecimal,
                                                anstxDecimal,     anstxLowerRoman,  anstxUpperRoman,
                                                anstxLowerLetter, anstxLowerLetter, anstxUpperLetter};
    return cEx[style];
}

std::u16string NumberText(std::int32_t n, std::u16string_view after)
{
    std::u16string text(1, u'%');
    text += U16(std::to_string(n));
    text += after;
    return text;
}
}  // namespace

void TVYXNumbering::InitNumbering(std::int32_t level, TVYXNumberingStyleType style)
{
    Style = style;
    StyleEx = StyleExOf(style);
    Align = vyptaLeft;
    const std::int32_t n = level + 1;
    switch (style) {
    case anstNone: Text.clear(); break;
    case anstBullet:
        Text = std::u16string(VYXBulletListStyleText[ablsDefault]);
        FCHPX->SetFontName(cBulletFont);
        FCHPX->SetSize(8);
        break;
    case anstDecimalParen:
    case anstLowerLetterParen: Text = NumberText(n, u")"); break;
    case anstLowerRoman:
    case anstUpperRoman:
        Text = NumberText(n, u".");
        Align = vyptaRight;
        break;
    default: Text = NumberText(n, u"."); break;
    }
    SetIndents((level + 2) * Step());
}

void TVYXNumbering::InitMultilevel(TVYXMultilevelListStyle style, std::int32_t level)
{
    Align = vyptaLeft;
    if (style == amls_1_a_i) {
        Style = VYXNumLevelStyleOrder_1_a_i[static_cast<std::size_t>(std::abs(level) % 3)];
        Text = NumberText(level + 1, u".");
        SetIndents((level + 1) * Step());
    } else {
        Style = anstDecimal;
        Text.clear();
        for (std::int32_t k = 1; k <= level + 1 && k <= cMaxLevels; ++k)
            Text += NumberText(k, u".");
        SetIndents((level + 2) * Step());
    }
    StyleEx = StyleExOf(Style);
}

void TVYXNumbering::Assign(const TVYXNumbering& source)
{
    if (&source == this)
        return;
    Style = source.Style;
    StyleEx = source.StyleEx;
    Suffix = source.Suffix;
    Text = source.Text;
    Align = source.Align;
    StartVal = source.StartVal;
    FCHPX->Assign(*source.FCHPX, nullptr, nullptr);
    FPAPX->Assign(*source.FPAPX, nullptr, nullptr);
    Picture.reset();
    if (source.Picture && source.Picture->Picture()) {
        AddPicture(*source.Picture->Picture()).Assign(*source.Picture);
        Picture->Owner = this;
    }
}

TVYXGraphicPicture& TVYXNumbering::AddPicture(TVYXPicture& picture)
{
    TVYXPicture* stored = &picture;
    if (FOwner && picture.Owner != &FOwner->PictBullets()) {
        // The store counts a use of the picture passed in; here only the bullet
        // below uses anything, and that is the stored picture.
        const int uses = picture.RefCount;
        stored = &FOwner->PictBullets().AddIfNotHas(picture);
        picture.RefCount = uses;
    }
    Picture = std::make_unique<TVYXGraphicPicture>(stored);
    Picture->Owner = this;
    Picture->Wrap = agowInLine;
    return *Picture;
}

// ---- Lists ---------------------------------------------------------------------

TVYXNumberingsList::~TVYXNumberingsList() = default;

TVYXNumbering* TVYXNumberingsList::Add()
{
    auto level = std::make_unique<TVYXNumbering>(FOwner, this, FOwner ? &FOwner->CHP() : nullptr,
                                                 FOwner ? &FOwner->PAP() : nullptr);
    level->Level = Count();
    FItems.push_back(std::move(level));
    return FItems.back().get();
}

TVYXNumbering* TVYXNumberingsList::LevelAt(int index) const
{
    if (FItems.empty())
        return nullptr;
    index = std::clamp(index, 0, std::min(cMaxLevels, Count()) - 1);
    return FItems[static_cast<std::size_t>(index)].get();
}

int TVYXNumberingsList::Index() const
{
    if (FOwner)
        for (int i = 0; i < FOwner->Count(); ++i)
            if (FOwner->GetItems(i) == this)
                return i;
    return 0;
}

TVYXNumbering* TVYXNumberingsList::MakeBullet(std::u16string_view text)
{
    const int first = Count();
    for (int level = 0; level < cMaxLevels; ++level)
        Add()->InitBullet(level, text);
    return FItems[static_cast<std::size_t>(first)].get();
}

TVYXNumbering* TVYXNumberingsList::MakeNumbering(TVYXNumberingStyleType style)
{
    const int first = Count();
    for (int level = 0; level < cMaxLevels; ++level)
        Add()->InitNumbering(level, style);
    return FItems[static_cast<std::size_t>(first)].get();
}

TVYXNumbering* TVYXNumberingsList::MakeMultilevel(TVYXMultilevelListStyle style)
{
    const int first = Count();
    for (int level = 0; level < cMaxLevels; ++level)
        Add()->InitMultilevel(style, level);
    return FItems[static_cast<std::size_t>(first)].get();
}

// ---- The set of lists ----------------------------------------------------------

TVYXNumberings::TVYXNumberings()
    : FCHP(std::make_unique<TVYXCHP>()), FPAP(std::make_unique<TVYXPAP>()),
      FPictBullets(std::make_unique<TVYXPictures>())
{
}

TVYXNumberings::~TVYXNumberings()
{
    FItems.clear();  // levels fall back to CHP and PAP
}

TVYXNumberingsList* TVYXNumberings::NewList(std::int32_t id)
{
    FItems.push_back(std::make_unique<TVYXNumberingsList>(this, id));
    return FItems.back().get();
}

TVYXNumberingsList* TVYXNumberings::ListOf(std::int32_t id) const
{
    for (const auto& list : FItems)
        if (list->Id == id)
            return list.get();
    return nullptr;
}

TVYXNumbering* TVYXNumberings::LevelOf(std::int32_t listId, std::int32_t level) const
{
    TVYXNumberingsList* list = ListOf(listId);
    if (!list || level < 0 || level >= list->Count())
        return nullptr;
    return list->GetItems(level);
}

TVYXNumbering* TVYXNumberings::Add(std::int32_t listId, std::int32_t level)
{
    if (level < 0 || level >= cMaxLevels)
        return nullptr;
    TVYXNumberingsList* list = FindList(listId);
    if (!list)
        list = NewList(listId);
    TVYXNumbering* last = nullptr;
    while (list->Count() <= level)
        last = list->Add();
    return last;
}

TVYXNumbering* TVYXNumberings::Add(std::int32_t level)
{
    TVYXNumbering* added = Add(0, level);
    if (added)
        added->InitBullet(level, VYXBulletListStyleText[ablsDefault]);
    return added;
}

TVYXNumbering* TVYXNumberings::AddOrGet(std::int32_t level)
{
    if (TVYXNumbering* found = Find(level))
        return found;
    return Add(level);
}

TVYXNumbering* TVYXNumberings::AddNewBullet(std::u16string_view text) { return NewList(Count())->MakeBullet(text); }

TVYXNumbering* TVYXNumberings::AddNewNumbering(TVYXNumberingStyleType style)
{
    return NewList(Count())->MakeNumbering(style);
}

TVYXNumbering* TVYXNumberings::AddNewMultilevel(TVYXMultilevelListStyle style)
{
    return NewList(Count())->MakeMultilevel(style);
}

void TVYXNumberings::Assign(const TVYXNumberings& other)
{
    if (&other == this)
        return;
    FItems.clear();
    FCHP->Assign(*other.FCHP);
    FPAP->Assign(*other.FPAP);
    Indent = other.Indent;
    for (const auto& source : other.FItems) {
        TVYXNumberingsList* list = NewList(source->Id);
        for (int i = 0; i < source->Count(); ++i)
            list->Add()->Assign(*source->GetItems(i));
    }
}

// ---- Counting ------------------------------------------------------------------

std::u16string TVYXListCounter::Next(const TVYXNumbering* num, bool isEmpty)
{
    if (!num || num->Style == anstBullet) {
        if (FStack.empty() && !isEmpty)
            FCounter = 0;  // body text interrupts a list; empty paragraphs do not
        return num && num->Style == anstBullet ? num->Text : std::u16string();
    }
    const std::int32_t level = std::clamp(num->Level, 0, cMaxLevels - 1);
    if (num->Style != FStyle && level == 0) {
        FCounter = num->StartVal > 0 ? num->StartVal - 1 : 0;
        FStyle = num->Style;
    }
    if (level > FLevel) {
        while (static_cast<std::int32_t>(FStack.size()) < level) {
            FStack.push_back(FCounter);
            FCounter = 1;
        }
    } else {
        while (static_cast<std::int32_t>(FStack.size()) > level) {
            FCounter = FStack.back();
            FStack.pop_back();
        }
        ++FCounter;
    }
    FLevel = level;

    // Which placeholder stands for the current level.
    const auto depth = static_cast<std::int32_t>(FStack.size());
    std::int32_t current = depth + 1;
    auto has = [&](std::int32_t k) { return num->Text.find(NumberText(k, u"")) != std::u16string::npos; };
    if (!has(current))
        for (std::int32_t k = 1; k <= cMaxLevels; ++k)
            if (has(k)) {
                current = k;
                break;
            }

    std::u16string out;
    const std::u16string& text = num->Text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' && text[i + 1] <= u'9') {
            const std::int32_t k = text[i + 1] - u'0';
            ++i;
            if (k == current)
                out += FormatListCounter(FCounter, num->Style);
            else if (k - 1 < depth) {
                const TVYXNumbering* outer = num->NumList() ? num->NumList()->GetItems(k - 1) : nullptr;
                out += FormatListCounter(FStack[static_cast<std::size_t>(k - 1)],
                                         outer ? outer->Style : num->Style);
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

// ---- List membership of paragraphs --------------------------------------------

bool VYXInheritNeighbourList(TVYXPAPX& papx, const TVYXPAPX* prev, const TVYXPAPX* next)
{
    if (papx.GetNumbering())
        return false;
    for (const TVYXPAPX* neighbour : {prev, next})
        if (neighbour && neighbour->GetNumbering()) {
            papx.Inherit(*neighbour);  // brings the numbering reference with the rest
            papx.SetNumbering(neighbour->GetNumbering());
            return true;
        }
    return false;
}

TVYXNumbering* VYXAutoNumberParagraph(TVYXPAPX& papx, const TVYXPAPX* prev, TVYXNumberings& lists,
                                      TVYXStyles* styles, TVYXNumberingStyleType mode)
{
    TVYXNumbering* level = nullptr;
    if (const TVYXNumbering* before = prev ? prev->GetNumbering() : nullptr; before && before->NumList())
        level = before->NumList()->GetItems(before->Level);
    else if (mode == anstBullet)
        level = lists.AddNewBullet(VYXBulletListStyleText[ablsDefault]);
    else {
        level = lists.AddNewMultilevel(amls_1_a_i);
        level->Style = mode;
    }
    if (!level)
        return nullptr;
    papx.SetNumbering(level);
    if (styles)
        if (auto* listStyle = dynamic_cast<TVYXParaStyle*>(styles->Find(u"ListParagraph")))
            papx.SetStyle(listStyle);
    return level;
}

void VYXLeaveAutoNumbering(TVYXPAPX& papx, const TVYXPAPX* prev)
{
    if (!prev || !prev->GetNumbering())
        return;
    papx.Remove(vypiNumbering);
    papx.Remove(vypiIndentLeft);
    papx.Remove(vypiIndentHanging);
    papx.Remove(vypiStyle);
}
