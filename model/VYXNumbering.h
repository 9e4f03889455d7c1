// VYXNumbering.h: list (numbering) definitions: the levels a paragraph's list refers to by vypiNumbering,
// and the counting that turns a level into the printed number of a paragraph.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXDocProps.h"

class TVYXNumberings;
class TVYXNumberingsList;
class TVYXStyles;
class TVYXPicture;
class TVYXPictures;
class TVYXGraphicPicture;

enum TVYXNumberingStyleType {
    anstNone, anstBullet, anstDecimal, anstDecimalParen, anstLowerRoman, anstUpperRoman, anstLowerLetter,
    anstLowerLetterParen, anstUpperLetter
};
extern const std::array<std::string_view, anstUpperLetter + 1> VYXNumberingStyleTypeName;

// The full number format of the files, kept for writing back; layout uses TVYXNumberingStyleType.
enum TVYXNumberingStyleExType {
    anstxDecimal, anstxUpperRoman, anstxLowerRoman, anstxUpperLetter, anstxLowerLetter, anstxOrdinal,
    anstxCardinalText, anstxOrdinalText, anstxHex, anstxChicago, anstxIdeographDigital, anstxJapaneseCounting,
    anstxAiueo, anstxIroha, anstxDecimalFullWidth, anstxDecimalHalfWidth, anstxJapaneseLegal,
    anstxJapaneseDigitalTenThousand, anstxDecimalEnclosedCircle, anstxDecimalFullWidth2, anstxAiueoFullWidth,
    anstxIrohaFullWidth, anstxDecimalZero, anstxBullet, anstxGanada, anstxChosung, anstxDecimalEnclosedFullstop,
    anstxDecimalEnclosedParen, anstxDecimalEnclosedCircleChinese, anstxIdeographEnc, anstxIdeographTraditional,
    anstxIdeographZodiac, anstxIdeographZodiacTraditional, anstxTaiwaneseCounting, anstxIdeographLegalTraditional,
    anstxTaiwaneseCountingThousand, anstxTaiwaneseDigital, anstxChineseCounting, anstxChineseLegalSimplified,
    anstxChineseCountingThousand, anstxKoreanDigital, anstxKoreanCounting, anstxKoreanLegal, anstxKoreanDigital2,
    anstxVietnameseCounting, anstxRussianLower, anstxRussianUpper, anstxNone, anstxNumberInDash, anstxHebrew1,
    anstxHebrew2, anstxArabicAlpha, anstxArabicAbjad, anstxHindiVowels, anstxHindiConsonants, anstxHindiNumbers,
    anstxHindiCounting, anstxThaiLetters, anstxThaiNumbers, anstxThaiCounting
};
constexpr int cVYXNumberingStyleExCount = anstxThaiCounting + 1;

enum TVYXBulletListStyle { ablsDefault, ablsDisc, ablsCircle, ablsSquare, ablsCheck, ablsRight, ablsNone };
// The bullet text of each style (symbol-font characters; empty for ablsNone).
extern const std::array<std::u16string_view, ablsNone + 1> VYXBulletListStyleText;
extern const std::array<std::string_view, ablsNone + 1> VYXBulletListStyleName;

enum TVYXMultilevelListStyle { amls_1_a_i, amls_1_1_1 };
extern const std::array<std::string_view, amls_1_1_1 + 1> VYXMultilevelListStyleName;
extern const std::array<TVYXNumberingStyleType, 3> VYXNumLevelStyleOrder_1_a_i;

// A counter in a level's style: decimal, roman, or letters (27 gives "aa",
// 28 "bb": the letter repeated once per round through the alphabet). Bullets
// and counters below 1 in roman and letter styles give an empty text.
std::u16string FormatListCounter(std::int32_t counter, TVYXNumberingStyleType style);

// One level of a list: the number's format (CHPX) and the level's indents (PAPX).
class TVYXNumbering {
public:
    // `chp` and `pap` are the dense fallbacks of the level's lists (borrowed).
    TVYXNumbering(TVYXNumberings* owner, TVYXNumberingsList* numList, TVYXCHP* chp, TVYXPAP* pap);
    TVYXNumbering(const TVYXNumbering&) = delete;
    TVYXNumbering& operator=(const TVYXNumbering&) = delete;
    ~TVYXNumbering();

    TVYXNumberings* Owner() const { return FOwner; }
    TVYXNumberingsList* NumList() const { return FNumList; }
    std::int32_t Level = 0;  // 0-8
    TVYXNumberingStyleType Style = anstBullet;
    TVYXNumberingStyleExType StyleEx = anstxBullet;
    std::int32_t Suffix = 0;  // what follows the number
    std::u16string Text;      // literal text with %1..%9 placeholders
    TVYXPapTextAlign Align = vyptaLeft;
    std::int32_t StartVal = 0;
    // The level's own lists (owned): const from a const level. A level reached through a
    // paragraph's vypiNumbering reference is writable (see TVYXPropItem).
    const TVYXCHPX& CHPX() const { return *FCHPX; }
    TVYXCHPX& CHPX() { return *FCHPX; }
    const TVYXPAPX& PAPX() const { return *FPAPX; }
    TVYXPAPX& PAPX() { return *FPAPX; }
    // The picture bullet, drawing a picture of the owner's PictBullets; nullptr for a text bullet.
    std::unique_ptr<TVYXGraphicPicture> Picture;

    // The list's id (0 without a list).
    std::int32_t GetId() const;
    void InitBullet(std::int32_t level, std::u16string_view text);
    void InitNumbering(std::int32_t level, TVYXNumberingStyleType style);
    void InitMultilevel(TVYXMultilevelListStyle style, std::int32_t level);
    // Replaces the picture bullet by an uncropped one of `picture`, which is first
    // stored in the owner's PictBullets (an equal stored picture is shared).
    TVYXGraphicPicture& AddPicture(TVYXPicture& picture);
    // Copies the format of another level (style, texts, start, alignment, both
    // lists and the picture bullet); the owner and the position in the list stay.
    void Assign(const TVYXNumbering& source);

private:
    double Step() const;
    void SetIndents(double left);
    TVYXNumberings* FOwner;
    TVYXNumberingsList* FNumList;
    std::unique_ptr<TVYXCHPX> FCHPX;
    std::unique_ptr<TVYXPAPX> FPAPX;
};

// One list definition; at most nine levels are used.
class TVYXNumberingsList {
public:
    TVYXNumberingsList(TVYXNumberings* owner, std::int32_t id) : Id(id), FOwner(owner) {}
    TVYXNumberingsList(const TVYXNumberingsList&) = delete;
    TVYXNumberingsList& operator=(const TVYXNumberingsList&) = delete;
    ~TVYXNumberingsList();

    TVYXNumberings* Owner() const { return FOwner; }
    std::int32_t Id;
    int Count() const { return static_cast<int>(FItems.size()); }
    // Appends a level whose Level is the current count.
    TVYXNumbering* Add();
    // The level with the index clamped to 0..8 (and to the levels present); nullptr when empty.
    const TVYXNumbering* GetItems(int index) const { return LevelAt(index); }
    TVYXNumbering* GetItems(int index) { return LevelAt(index); }
    // Position in the owner, 0 when not found.
    int Index() const;
    // Append nine levels initialised as the style says; return level 0.
    TVYXNumbering* MakeBullet(std::u16string_view text);
    TVYXNumbering* MakeNumbering(TVYXNumberingStyleType style);
    TVYXNumbering* MakeMultilevel(TVYXMultilevelListStyle style);

private:
    TVYXNumbering* LevelAt(int index) const;
    TVYXNumberings* FOwner;
    std::vector<std::unique_ptr<TVYXNumbering>> FItems;
};

// The document's list definitions, with the dense fallbacks of their levels.
class TVYXNumberings {
public:
    TVYXNumberings();
    TVYXNumberings(const TVYXNumberings&) = delete;
    TVYXNumberings& operator=(const TVYXNumberings&) = delete;
    ~TVYXNumberings();

    // The fallbacks, the picture store and the lists are owned: const from a const set.
    const TVYXCHP& CHP() const { return *FCHP; }
    TVYXCHP& CHP() { return *FCHP; }
    const TVYXPAP& PAP() const { return *FPAP; }
    TVYXPAP& PAP() { return *FPAP; }
    double Indent = 18.0;  // the indent step of the levels
    // The pictures of picture bullets (their levels count as users).
    const TVYXPictures& PictBullets() const { return *FPictBullets; }
    TVYXPictures& PictBullets() { return *FPictBullets; }

    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXNumberingsList* GetItems(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    TVYXNumberingsList* GetItems(int index) { return FItems.at(static_cast<std::size_t>(index)).get(); }
    const TVYXNumberingsList* FindList(std::int32_t id) const { return ListOf(id); }
    TVYXNumberingsList* FindList(std::int32_t id) { return ListOf(id); }
    const TVYXNumbering* Find(std::int32_t listId, std::int32_t level) const { return LevelOf(listId, level); }
    TVYXNumbering* Find(std::int32_t listId, std::int32_t level) { return LevelOf(listId, level); }
    const TVYXNumbering* Find(std::int32_t level) const { return Find(0, level); }
    TVYXNumbering* Find(std::int32_t level) { return Find(0, level); }
    // Finds or creates the list, then adds levels up to `level`; the level created
    // last, or nullptr when it existed (or `level` is outside 0..8).
    TVYXNumbering* Add(std::int32_t listId, std::int32_t level);
    // Add(0, level), initialised as a bullet.
    TVYXNumbering* Add(std::int32_t level);
    TVYXNumbering* AddOrGet(std::int32_t level);
    // A new list (id = the current number of lists) with nine levels; level 0.
    TVYXNumbering* AddNewBullet(std::u16string_view text);
    TVYXNumbering* AddNewNumbering(TVYXNumberingStyleType style);
    TVYXNumbering* AddNewMultilevel(TVYXMultilevelListStyle style);
    // The fallbacks and the indent step, and for each list one with the same id
    // and the same levels, their formats copied.
    void Assign(const TVYXNumberings& other);
    void Clear() { FItems.clear(); }

private:
    // The lookups behind the const and writable forms above.
    TVYXNumberingsList* ListOf(std::int32_t id) const;
    TVYXNumbering* LevelOf(std::int32_t listId, std::int32_t level) const;
    TVYXNumberingsList* NewList(std::int32_t id);
    std::unique_ptr<TVYXCHP> FCHP;
    std::unique_ptr<TVYXPAP> FPAP;
    std::unique_ptr<TVYXPictures> FPictBullets;  // declared before the levels that use it
    std::vector<std::unique_ptr<TVYXNumberingsList>> FItems;
};

// The printed numbers of one walk over a paragraph list, paragraph by paragraph.
class TVYXListCounter {
public:
    // The number text of the next paragraph: `level` is its numbering level
    // (nullptr: none), `isEmpty` whether it has no text. Bullet levels give their
    // text as it is; unnumbered paragraphs give an empty text.
    std::u16string Next(const TVYXNumbering* level, bool isEmpty);
    void Reset() { *this = TVYXListCounter(); }

private:
    std::int32_t FCounter = 0;
    std::int32_t FLevel = 0;
    TVYXNumberingStyleType FStyle = anstNone;
    std::vector<std::int32_t> FStack;
};

// ---- List membership of paragraphs (the paragraph list applies these) ------

// A paragraph without numbering next to a numbered one joins its list: it
// inherits the properties it lacks from the previous paragraph's list, or
// failing that from the next one's, and takes the same level. True when it joined.
bool VYXInheritNeighbourList(TVYXPAPX& papx, const TVYXPAPX* prev, const TVYXPAPX* next);
// Automatic numbering of a new paragraph: after a numbered paragraph it takes
// that paragraph's level; otherwise it starts a bullet list (mode anstBullet) or
// a multilevel 1.a.i list whose first level takes the mode's style. The
// paragraph gets the "ListParagraph" style when the sheet has it. Returns the level.
TVYXNumbering* VYXAutoNumberParagraph(TVYXPAPX& papx, const TVYXPAPX* prev, TVYXNumberings& lists,
                                      TVYXStyles* styles, TVYXNumberingStyleType mode);
// Leaving automatic numbering after a numbered paragraph: the new paragraph
// drops numbering, left and hanging indent and style.
void VYXLeaveAutoNumbering(TVYXPAPX& papx, const TVYXPAPX* prev);
