// VYXDocCopy.h: what the report and the merge share for copying template content and filling fields.
//
// Both fill a document that was loaded from the template: its body is taken out
// into a holding list over the same document (so styles, pictures and lists need
// no mapping) and copies of those items go back, once per record, with their
// fields replaced by values. Copies carry no bookmark, comment or permission
// boundaries (names would repeat and band comments are not part of the result);
// the holding list is stripped of them first, and the document's comments go.
//
// Fields are walked per paragraph: a simple-field run, or a complex field from its
// begin run to its end run inside one paragraph (nested fields in its instruction
// are evaluated first and handed in between cVYXNestedOpen/Close). The evaluator
// answers the result text, or nothing to leave the field as it is.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TVYXLogDocument;
class TVYXLogParas;
class TVYXLogPara;
class TVYXLogParaItem;
class TVYXCharRuns;
class TVYXCHPX;

// Takes every item of `doc`'s body into a new list over the same document, strips
// boundary runs from it (bookmarks of the body are deleted, comments dropped) and
// leaves the body empty. The list must be freed before the document.
std::unique_ptr<TVYXLogParas> VYXTakeBody(TVYXLogDocument& doc);
// Removes the document's comments and their boundary runs from its body and from
// `others` (headers, footers, text boxes: every list that may hold one).
void VYXDropComments(TVYXLogDocument& doc, const std::vector<TVYXLogParas*>& others = {});

// A copy of `item` appended to `target`; simple fields in it get fields of their own.
TVYXLogParaItem& VYXAppendCopy(TVYXLogParas& target, const TVYXLogParaItem& item);

// Runs for a value: text, with line breaks for "\r\n", "\n" or "\r" and tab runs for tabs, in `chpx`.
void VYXAddValueRuns(TVYXCharRuns& runs, std::u16string_view text, const TVYXCHPX* chpx);

using TVYXFieldEvaluator = std::function<std::optional<std::u16string>(std::u16string_view instruction)>;
// Adds the runs of a result itself (formats computed per record, pictures); false
// leaves it to VYXAddValueRuns. `chpx` is the format of the field's result.
using TVYXRunMaker = std::function<bool(std::u16string_view instruction, std::u16string_view result,
                                        TVYXCharRuns& runs, const TVYXCHPX* chpx)>;
// Replaces the fields of `para` that `evaluate` answers by runs of their results,
// formatted as the field's result was. The number of fields replaced.
int VYXFillFields(TVYXLogPara& para, const TVYXFieldEvaluator& evaluate, const TVYXRunMaker& make = {});
// Simple fields of `para` that only refer to another paragraph's field get their own copy.
void VYXOwnFields(TVYXLogPara& para);
// Every paragraph of `paras` from item `from` on, cells of (nested) tables included.
void VYXForEachPara(TVYXLogParas& paras, const std::function<void(TVYXLogPara&)>& visit, int from = 0);
// The same for every paragraph of `paras`, cells of tables included, from item `from` on.
int VYXFillFields(TVYXLogParas& paras, const TVYXFieldEvaluator& evaluate, int from = 0);
