// VYXFindReplace.h: find and replace over a document body, cells of nested tables included, in reading order.
//
// The engine works on a TVYXLogDocument and a selection list, so the document
// editor holds one as a member and forwards to it:
//   - "Find": BeginFind(text, replacement, options), then FindNextAndSelect(selections)
//     for each step (FindNext alone when only the hit is wanted, CurrSel()).
//   - "Find all": FindAll(selections) adds every hit of the search range.
//   - "Replace": Replace() replaces the current hit and moves on to the next one;
//     ReplaceAll() replaces every hit and answers the count (ReplaceCount()).
//   - The caret: Restart(caret) makes the next search start there.
// Every change goes through the document's primitive edits (InsertText,
// RemoveContent), so the editor's undo watcher records replacements like typing.
// The editor brackets ReplaceAll with its own BeginUpdate/EndUpdate.
//
// Positions are 1-based characters of a paragraph; every position is one character
// (objects count as their code), so hits never cross paragraphs.
//
// Without aftoMatchCase both sides are upper-cased character by character (ASCII
// inline, the rest through the platform's simple one-to-one case mapping), so
// "STRASSE" does not find "straße".
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXDocAddress.h"
#include "model/VYXLogPos.h"

class TVYXLogDocument;
class TVYXLogPara;
class TVYXLogSelections;
class TVYXWildcardPattern;

class TVYXFindReplaceText {
public:
    explicit TVYXFindReplaceText(TVYXLogDocument& doc);
    TVYXFindReplaceText(const TVYXFindReplaceText&) = delete;
    TVYXFindReplaceText& operator=(const TVYXFindReplaceText&) = delete;
    ~TVYXFindReplaceText();

    // Sets what to find, what replaces it and the TVYXFindTextOption flags, and
    // restarts at the start of the search range (or of the document).
    void BeginFind(std::u16string_view findText, std::u16string_view replaceText, unsigned options);
    // The next search starts at `pos` (at the start of the search range when one is set).
    // The place and the hit are positions: after edits made elsewhere, Restart.
    void Restart(const TVYXLogPos& pos);
    // Forgets the hit and the place; the texts and options stay.
    void EndFind();

    // The next hit from the current place on; false (and no current hit) when there is
    // none before the end of the document or of the search range.
    bool FindNext();
    // FindNext, and on a hit makes it the only selection of `selections`.
    bool FindNextAndSelect(TVYXLogSelections& selections);
    // Every hit of the search range, from its start, added to `selections` / as
    // addresses (which survive edits before them). Answers the number of hits.
    int FindAll(TVYXLogSelections& selections);
    int FindAll(std::vector<TVYXDocRange>& hits);
    // Replaces the current hit (when there is one) and finds the next. True when a hit
    // was replaced.
    bool Replace();
    // Replaces every hit of the search range, from the last to the first, and answers
    // their number. A replacement holding the find text is not searched again.
    int ReplaceAll();

    // ---- Options and state ----
    bool GetOptMatchCase() const;
    void SetOptMatchCase(bool on);
    bool GetOptWholeWordsOnly() const;
    void SetOptWholeWordsOnly(bool on);
    bool GetOptWildcards() const;
    void SetOptWildcards(bool on);
    unsigned Options() const { return FOptions; }
    const std::u16string& FindText() const { return FFindText; }
    const std::u16string& ReplaceText() const { return FReplaceText; }
    void SetReplaceText(std::u16string_view text) { FReplaceText = std::u16string(text); }
    // Limits searching to [first, last); an unassigned selection searches the whole body.
    void SetSearchRange(const TVYXLogSelection& range);
    void ClearSearchRange();
    bool Found() const { return FFound; }
    // The last hit: [First, Last) in one paragraph.
    const TVYXLogSelection& CurrSel() const { return FCurrSel; }
    int ReplaceCount() const { return FReplaceCount; }

private:
    void Prepare();
    // The first hit in `para` at or after `from`; its length in `len`. 0 when none.
    std::int32_t SearchPara(TVYXLogPara& para, std::int32_t from, std::int32_t& len);
    TVYXLogPos RangeStart();
    bool PastRangeEnd(TVYXLogPara* para, std::int32_t endPos) const;

    TVYXLogDocument& FDoc;
    TVYXLogSelection FSearchRange;
    TVYXLogPos FCurrPos;
    TVYXLogSelection FCurrSel;
    std::u16string FFindText, FReplaceText;
    unsigned FOptions = 0;
    bool FFound = false;
    int FReplaceCount = 0;

    // Prepared search state, rebuilt when the text or options change.
    bool FPrepared = false;
    std::u16string FNeedle;                          // folded unless case matters
    std::unique_ptr<TVYXWildcardPattern> FPattern;   // with aftoWildcards
    std::u16string FText;                            // scratch: a paragraph's text
    std::u16string FScratch;                         // scratch: a run's text
};

// Replaces the characters of `range` by `text` through the primitive edits. When both
// ends lie in one list this is one removal (joining paragraphs as deleting does) and
// one insertion formatted like the range's last character. When the ends lie in
// different lists (two cells, a cell and the body), the text goes in at the first
// end and the characters of every paragraph in between are removed, each paragraph
// keeping its mark, so cells are emptied but keep their paragraphs. Answers the range
// the new text covers.
TVYXDocRange VYXReplaceRange(TVYXLogDocument& doc, const TVYXDocRange& range, std::u16string_view text);
