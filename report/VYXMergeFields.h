// VYXMergeFields.h: the words of a field instruction, merge-field switches and IF comparisons.
//
// Instruction grammar (what documents carry in merge fields):
//   instruction = keyword *(blank argument)
//   argument    = '"' *(char | '\"' | '\\') '"' | word | switch [blank argument]
//   switch      = '\' char            ("\*", "\#", "\@", "\b", "\f", "\m", "\v")
// A switch may stand glued to its argument ("\#0.00"). The results of nested
// fields are handed in between cVYXNestedOpen and cVYXNestedClose, which read as
// one quoted word whatever the result holds (an empty name, quotes, blanks).
//
// Formatting of a merge value, in this order: "\#" (number picture) or "\@" (date
// picture) when the value reads as a number or a date, then every "\*" case
// format (Upper, Lower, Caps, FirstCap; MERGEFORMAT and CHARFORMAT change no
// text), then "\b" before and "\f" after a value that is not empty.
// Not supported: "\*" number words (Arabic, Roman, CardText, DollarText, Ordinal).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/VYXLocale.h"
#include "report/VYXRecordSource.h"

// Private-use characters that bracket a nested field's result inside an instruction.
constexpr char16_t cVYXNestedOpen = u'\uE000';
constexpr char16_t cVYXNestedClose = u'\uE001';

struct TVYXFieldWord {
    std::u16string Text;
    bool Quoted = false;
    bool IsSwitch() const { return !Quoted && Text.size() >= 2 && Text[0] == u'\\'; }
};

std::vector<TVYXFieldWord> VYXFieldWords(std::u16string_view instruction);

struct TVYXMergeSwitches {
    std::vector<std::u16string> CaseFormats;  // "\*" arguments, in order
    std::u16string NumberPicture;             // "\#"
    std::u16string DatePicture;               // "\@"
    bool HasNumber = false, HasDate = false;
    std::u16string Before, After;  // "\b", "\f"
    // Reads the switches from word `from` on; the words before it are the field's own arguments.
    void Read(const std::vector<TVYXFieldWord>& words, std::size_t from);
};

// Upper, Lower, Caps (first letter of every word), FirstCap (of the first word).
std::u16string VYXApplyCaseFormat(std::u16string_view text, std::u16string_view format);
// A value with its switches applied; `type` tells how its number is to be read.
std::u16string VYXFormatMergeValue(const TVYXFieldValue& value, TVYXFieldType type, const TVYXMergeSwitches& switches,
                                   const TVYXLocaleSettings& locale);
// An IF comparison: numbers compare as numbers when both sides read as numbers,
// else texts compare (case-sensitive); "=" and "<>" take "*" and "?" wildcards on the right.
// An unknown operator answers false.
bool VYXCompareFieldValues(std::u16string_view left, std::u16string_view op, std::u16string_view right);
