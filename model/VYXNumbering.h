// VYXNumbering.h: list (numbering) definitions: the levels a paragraph's list refers to by vypiNumbering.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/VYXDocProps.h"

class TVYXNumberings;
class TVYXNumberingsList;

enum TVYXNumberingStyleType {
    anstNone, anstBullet, anstDecimal, anstDecimalParen, anstLowerRoman, anstUpperRoman, anstLowerLetter,
    anstLowerLetterParen, anstUpperLetter
};

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
    std::int32_t Suffix = 0;
    std::u16string Text;  // literal text with %1..%9 placeholders
    TVYXPapTextAlign Align = vyptaLeft;
    std::int32_t StartVal = 0;
    TVYXCHPX& CHPX() const { return *FCHPX; }
    TVYXPAPX& PAPX() const { return *FPAPX; }

private:
    TVYXNumberings* FOwner;
    TVYXNumberingsList* FNumList;
    std::unique_ptr<TVYXCHPX> FCHPX;
    std::unique_ptr<TVYXPAPX> FPAPX;
};
