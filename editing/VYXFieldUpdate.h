// VYXFieldUpdate.h: recalculating the fields of a document: formulas over tables, dates, references, sequences.
//
// The model stores fields and evaluates a formula field only from its compiled
// tokens through TVYXFormulaHooks; this unit fills those hooks with the formula
// engine and writes every simple field's result into its run. The document editor
// calls UpdateFields(main document, {headers, footers, notes, text boxes}) for
// vycControlUpdateFields and after loading; the result is a count of fields written.
//
// Results:
//   - "=" formulas: table formulas see the table holding the field as a sheet, cell
//     A1 being column 0 of row 0 (columns are letters, rows numbers). ABOVE, BELOW,
//     LEFT and RIGHT name the cells of the field's column above / below it and of its
//     row left / right of it, all of them (text cells count as text, so SUM skips
//     them). Outside a table these words are unknown names (#NAME?). A cell's value is
//     the text of its own paragraphs (nested tables left out) read as a number (outer
//     blanks, thousands separators and a leading currency sign are skipped), else the text. Numbers are formatted with the "\#" mask; a
//     formula that does not parse shows "#VALUE!". Formulas are compiled anew on every
//     update, since a table's shape decides what ABOVE means.
//   - DATE, SAVEDATE, TIME: the injected clock `Now`, with the "\@" picture (M month,
//     m minute, d day, y year, H/h hour, s second, AM/PM) or the locale's short date /
//     "HH:mm" for TIME.
//   - PAGE and NUMPAGES: "1" until layout writes the real numbers.
//   - REF name: the bookmark's text; a missing bookmark gives "<<REF>>".
//   - SEQ name: 1, 2, ... per name in reading order over everything updated in one
//     call; "\r n" restarts at n, "\c" repeats the current number, "\h" shows nothing.
//   - Locked fields and other types keep their text.
// Complex fields (begin, instruction, separate, result, end) are updated like simple
// ones when they lie in one paragraph and their result is text: the result range is
// removed and the new text inserted, in the format of the first result run, through
// the document's edits (a result emptied before takes the separator's format).
// Not supported: nested fields, results over several paragraphs, "\*" switches.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/VYXLocale.h"

class TVYXLogDocument;
class TVYXLogPara;
class TVYXSimpleField;
struct TVYXFormulaHooks;

// A date-time serial in a picture: d dd ddd dddd, M MM MMM MMMM, yy yyyy, H HH h hh,
// m mm, s ss, AM/PM and am/pm; text in single quotes is copied, as is any other
// character. Shared by field results and merge values.
std::u16string VYXFormatDatePicture(double serial, std::u16string_view picture, const TVYXLocaleSettings& locale);

// The local time now as days since 1899-12-30: the clock of DATE and TIME fields.
double VYXLocalNow();

class TVYXFieldUpdater {
public:
    TVYXFieldUpdater();
    TVYXFieldUpdater(const TVYXFieldUpdater&) = delete;
    TVYXFieldUpdater& operator=(const TVYXFieldUpdater&) = delete;
    ~TVYXFieldUpdater();

    double Now = 0;  // days since 1899-12-30 (local time); the caller's clock
    TVYXLocaleSettings Locale;
    // Told after a simple field's run got a new result text in place (its text before),
    // so that the caller's history can give it back. Complex fields' results go
    // through the document's edits instead, which its watchers hear.
    std::function<void(TVYXLogDocument& doc, TVYXLogPara& para, int run, const std::u16string& before)> RunTextEvent;

    // Updates every field of `doc` and then of each secondary document, in reading
    // order, cells of nested tables included. Answers the number of fields written.
    int UpdateFields(TVYXLogDocument& doc, const std::vector<TVYXLogDocument*>& secondaries = {});
    // The result text of one field standing in `para` (which gives the table for
    // table formulas); nothing for fields this updater leaves alone.
    std::optional<std::u16string> FieldResult(TVYXSimpleField& field, TVYXLogPara& para, TVYXLogDocument& doc);
    // Hooks that compile and evaluate formula fields in the context of `para`; valid
    // while this updater lives.
    TVYXFormulaHooks HooksFor(TVYXLogPara& para);

private:
    // The complex field beginning at run `index` of `para` (begin, instruction,
    // separate, text runs, end in one paragraph): the result goes into the first
    // text run of the result, the others are emptied. `index` moves to the end run.
    bool UpdateComplexField(TVYXLogPara& para, int& index, TVYXLogDocument& doc);
    std::map<std::u16string, int> FSeq;  // SEQ counters by upper-cased name
};
