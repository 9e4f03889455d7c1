// VYXTableAutoFit.h: automatic table layout: column widths from the content a table
// holds, measured by a device (the model keeps the widths; measuring text is layout's).
#pragma once

#include <functional>
#include <string_view>

class TVYXLogPara;
class TVYXTable;

// The width of `text` of `para` set on one line, in points (a device measures it with
// the paragraph's fonts).
using TVYXTextMeasure = std::function<double(const TVYXLogPara& para, std::u16string_view text)>;

// Sets the column widths from the content, as automatic table layout does: each
// column's minimum is its widest unbreakable word (a stretch without spaces or
// tabs) and its preference its widest paragraph on one line, both plus the cell's
// margins; a nested table counts with its calculated width. When the preferences fit
// the available width (the table's ParentWidth, else its list's) they are the
// widths; when even the minimums do not fit, the minimums are (the table grows past
// the width, since a word is never broken); otherwise every column gets its minimum
// plus a share of the rest in proportion to (preference - minimum). A cell spanning
// several columns (GridSpan) widens its last column when its minimum needs more.
// Without `measure` the paragraphs' laid-out widths serve as both minimum and
// preference (0 for a table not laid out). Widths become point widths.
void VYXAutoSizeColumns(TVYXTable& table, const TVYXTextMeasure& measure = {});
