// VYXListNumberFormat.h: the binary number format codes of list levels, which RTF
// (\levelnfc) and DOC list levels share.
#pragma once

#include "model/VYXNumbering.h"

// The model's numbering style of a code; codes the model has no style for count
// as decimal.
inline TVYXNumberingStyleType VYXNumberingStyleOfNfc(int nfc)
{
    switch (nfc) {
    case 1: return anstUpperRoman;
    case 2: return anstLowerRoman;
    case 3: return anstUpperLetter;
    case 4: return anstLowerLetter;
    case 23: return anstBullet;
    case 255: return anstNone;
    default: return anstDecimal;
    }
}
