// VYXBodyWalker.h: the document body as fields and tracked changes walk it, and conversions between body positions and revision positions.
//
// The run-level code of fields and revisions knows paragraphs only through
// TVYXParaWalker; this unit implements it over a real paragraph list, so ranges
// and the revision manager see paragraphs and table cells at any depth.
#pragma once

#include <string_view>
#include <vector>

#include "model/VYXFields.h"
#include "model/VYXRevision.h"

class TVYXLogParas;
class TVYXLogPos;
class TVYXRevisionRange;

class TVYXBodyWalker : public TVYXParaWalker {
public:
    explicit TVYXBodyWalker(TVYXLogParas* body = nullptr) : Body(body) {}
    TVYXLogParas* Body;  // borrowed: the root list of the document (or of a header, note, text box)

    // Reading order: a table's cells row by row, each cell's paragraphs before the next cell.
    std::vector<TVYXParaRef> Paras() const override;
    // Refuses (false) a paragraph outside the body, the last paragraph of its list
    // (a cell or the document), one carrying section properties (the section would
    // vanish with it) and one whose removal would leave a table without the
    // paragraph after it. A refused paragraph without runs gets an empty run back,
    // as every paragraph of the body needs one.
    bool RemovePara(TVYXLogPara* para) override;
};

// The paragraph's index in the walker's reading order; -1 when it is not in the body.
// Costs a walk over the body's paragraphs.
int VYXReadingIndex(const TVYXParaWalker& walker, const TVYXLogPara* para);
// The revision position of a body position; Para -1 when the paragraph is not in the body.
TVYXRevisionPos VYXRevisionPosOf(const TVYXParaWalker& walker, const TVYXLogPos& pos);
// The body position of a revision position; an invalid position (no paragraph)
// when the index is outside the body. The character position is kept as given.
TVYXLogPos VYXLogPosOf(const TVYXParaWalker& walker, const TVYXRevisionPos& pos);
// The first position of a range and the position after its last run, as body
// positions (the paragraphs the range holds; no walk needed).
TVYXLogPos VYXRangeFirstPos(const TVYXRevisionRange& range);
TVYXLogPos VYXRangeLastPos(const TVYXRevisionRange& range);
// The range holding the body position, after collecting again when stale; nullptr when none.
TVYXRevisionRange* VYXFindRevision(TVYXRevision& revision, const TVYXLogPos& pos);

// Replaces what lies between the boundaries of a range by one text run formatted
// as the first text inside, also when the range spans paragraphs (and tables)
// of one paragraph list: the items in between go, and the last paragraph joins
// the first (which keeps its paragraph format, as when deleting a selection).
// False, with nothing changed, when a boundary is not in the walker's body, the
// ends lie in different lists (such as two cells) or a run inside is protected.
bool VYXSetRangePlainText(TVYXFieldSelectionImpl& range, const TVYXParaWalker& walker, std::u16string_view text);
