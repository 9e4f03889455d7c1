// VYXLogPos.h: logical positions (a paragraph and a character position), their ordering across nested
// tables, and selections.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXDefs.h"
#include "model/VYXNumbering.h"

class TVYXLogPara;
class TVYXLogParas;
class TVYXLogParaItem;
class TVYXTableCell;
class TVYXCharRun;
class TVYXCharRunGraphic;
class TVYXCHPX;
class TVYXPAPX;
class TVYXLogSelections;
class TVYXGraphicObj;
class TVYXBookmark;
class TVYXHyperlink;
struct TVYXDocAddress;

enum TVYXPosCompareResult {
    apcrParaInSameParas, apcrRootParasAndTable, apcrTableAndRootPara, apcrCellAndParaInSameCell,
    apcrParaAndCellInSameCell, apcrDifferentCells, apcrDifferentTables
};
enum TVYXSelectionMode { vysmText, vysmCells, vysmRows };
enum TVYXLogSelectionHit {
    alshBothLess, alshBothGreater, alshFirst, alshLast, alshFirstAndLast, alshFirstLessLastGreater
};
enum TVYXMouseCellHit { amchNone, amchInside, amchLeftEdge, amchTopEdge, amchRightEdge, amchBottomEdge };

struct TVYXPosCompareData {
    int Level1 = 0, Level2 = 0;
    TVYXTableCell* Cell1 = nullptr;
    TVYXTableCell* Cell2 = nullptr;
    TVYXLogParaItem* ParaItem1 = nullptr;
    TVYXLogParaItem* ParaItem2 = nullptr;
    TVYXPosCompareResult CompareRes = apcrParaInSameParas;
};

class TVYXLogPos {
public:
    TVYXLogPos() = default;
    TVYXLogPos(TVYXLogPara* para, std::int32_t charPos) : CharPos(charPos), Para(para) {}
    TVYXLogPos(const TVYXLogPos& other) = default;
    TVYXLogPos& operator=(const TVYXLogPos& other) = default;
    virtual ~TVYXLogPos() = default;

    std::int32_t CharPos = 1;
    TVYXLogPara* Para = nullptr;  // borrowed
    bool ParaChanged = true;

    // ---- Setting ----
    void Assign(const TVYXLogPos& pos) { CharPos = pos.CharPos, Para = pos.Para; }
    void Assign(TVYXLogPara* para, std::int32_t charPos) { Para = para, CharPos = charPos; }
    void AssignEnd(TVYXLogPara* para);
    void Clear() { Para = nullptr, CharPos = 1; }
    void Invalidate() { Para = nullptr; }
    // Raises "Invalid char pos" below 1.
    virtual void SetCharPos(std::int32_t pos);
    virtual std::int32_t EndOfParaPos() const;
    void IncPos() { ++CharPos; }
    void DecPos() { --CharPos; }
    std::int32_t CharPosDec() const { return CharPos > 1 ? CharPos - 1 : 1; }
    virtual bool MoveRelative(std::int32_t delta);
    void SetWithinLimits();
    // The position as indexes (see VYXDocAddress.h), and back: SetAddress moves to the
    // place `address` names in `body` and answers false, unchanged, when it names none.
    TVYXDocAddress Address() const;
    bool SetAddress(TVYXLogParas& body, const TVYXDocAddress& address);

    // ---- Tests ----
    bool Valid() const;
    bool CPIsAtBOP() const { return CharPos == 1; }
    bool CPIsAtEOP() const { return Para && CharPos == EndOfParaPos(); }
    bool CPIsAtLastChar() const { return Para && CharPos == EndOfParaPos() - 1; }
    bool CPIsAtPilcrow() const { return CPIsAtEOP(); }
    bool IsAtBeginningOfDoc() const;
    bool IsAtBeginningOfParas() const;
    bool IsAtEndOfPara() const { return CPIsAtEOP(); }
    bool IsAtEndOfParas() const;
    bool IsAtEndOfDoc() const;
    bool SameCell(const TVYXLogPos& pos) const;
    bool SameTable(const TVYXLogPos& pos) const;
    // The character at the position carries enabled revision data.
    bool IsInRevision() const;

    // ---- Content ----
    char16_t GetCharAtPos() const;
    TVYXCharType CharType() const;
    TVYXCharRun* GetCharRun() const;
    TVYXCHPX* GetCHPX() const;
    // The format text typed at the position takes: that of the run on the left at a run
    // boundary (as InsertText joins it), else of the run at the position; nullptr when none.
    TVYXCHPX* Get_CHPX() const;
    TVYXPAPX* GetPAPX() const;
    // The hyperlink whose runs hold the character at the position or the one before it
    // (the caret just after a link still stands on it); nullptr when none.
    TVYXHyperlink* GetHyperlink() const;
    void InsertText(std::u16string_view text);
    // An inline graphic at the position, which then stands after it; nullptr without a paragraph.
    TVYXCharRunGraphic* InsertGraphic(std::unique_ptr<TVYXGraphicObj> graphic);

    // ---- Ordering: positive when this position is before `other` ----
    int Compare(const TVYXLogPos& other) const;
    int Compare(const TVYXLogPos& other, TVYXPosCompareData& data) const;
    bool Equal(const TVYXLogPos& other) const { return Valid() && other.Valid() && Compare(other) == 0; }
    bool Less(const TVYXLogPos& other) const { return Valid() && other.Valid() && Compare(other) > 0; }
    bool LessEqual(const TVYXLogPos& other) const { return Valid() && other.Valid() && Compare(other) >= 0; }
    bool Greater(const TVYXLogPos& other) const { return Valid() && other.Valid() && Compare(other) < 0; }
    bool GreaterEqual(const TVYXLogPos& other) const { return Valid() && other.Valid() && Compare(other) <= 0; }

    // ---- Moves ----
    virtual bool MovePosNext();
    virtual bool MovePosPrev();
    virtual void MoveEndOfPara();
    virtual void MoveBeginningOfPara() { CharPos = 1; }
    virtual void MoveEndOfDoc();
    virtual void MoveBeginningOfDoc();
    virtual bool MoveParaNext();
    virtual bool MoveParaPrev();
    virtual bool MoveCellNext();
    virtual bool MoveCellPrev();
    virtual bool MoveCellDown();
    virtual bool MoveCellUp();
    virtual bool MoveCellLeft();
    virtual bool MoveCellRight();
    virtual bool MoveWordNext();
    virtual bool MoveWordPrev();
    bool MoveCharNext();
    bool MoveCharPrev();
    bool MoveCharRunNext();
    bool MoveCharRunPrev();
    // To the end of the word at the position (false outside a word).
    bool MoveWordEnd();
    // Like MoveCharNext / MoveCharPrev, past positions inside runs that protection makes read-only.
    bool MoveEditNext();
    bool MoveEditPrev();
    // To the first / last position of the stretch of characters of the type the position is in.
    void MoveStartOfCharType();
    void MoveEndOfCharType();
    // Tracked changes, walked run by run in reading order (cells included). A change is a
    // stretch of consecutive runs whose enabled revision data are Equal; runs without
    // characters neither break nor join one. The position holds the change of the character
    // at it, or failing that of the one before it. Beginning / End go to the first position
    // of that change / the position after it; Next / Prev to the first position of the
    // following / preceding change. All answer false and leave the position when there is
    // none.
    bool MoveRevisionBeginning();
    bool MoveRevisionEnd();
    bool MoveRevisionNext();
    bool MoveRevisionPrev();

private:
    bool MoveToCell(TVYXTableCell* cell);
    bool MoveToPara(bool forward);
};

class TVYXLogSelection {
public:
    explicit TVYXLogSelection(TVYXLogSelections* parent = nullptr) : Parent(parent) {}
    TVYXLogSelections* Parent;  // borrowed
    TVYXLogPos First, Last;

    void Assign(const TVYXLogSelection& source) { First.Assign(source.First), Last.Assign(source.Last); }
    void Assign(const TVYXLogPos& first, const TVYXLogPos& last) { First.Assign(first), Last.Assign(last); }
    bool Assigned() const { return First.Para && Last.Para; }
    bool Valid() const { return First.Valid() && Last.Valid() && First.LessEqual(Last); }
    void Clear() { First.Clear(), Last.Clear(); }
    bool IsEmpty() const { return !Assigned() || First.Equal(Last); }
    // Characters covered when both ends lie in one paragraph, else -1.
    std::int32_t Len() const;
    bool SamePara() const { return First.Para && First.Para == Last.Para; }
    bool HasPara(const TVYXLogPara& para) const;
    bool IsText() const { return SelectionMode() == vysmText; }
    bool IsCells() const;
    // A selected character belongs to an enabled tracked change.
    bool IsRevision() const;
    bool IsEntirePara() const;
    // From the start of the first paragraph to the end of the last.
    bool IsEntireParas() const;
    // From the start of a cell's first paragraph to the end of its last (tables nested in
    // it included).
    bool IsEntireCell() const;
    // The ends lie in different cells of one table, possibly inside tables nested in them
    // (the innermost table holding both ends counts).
    bool IsRectCells() const;
    // Merges the rectangle of cells between the two ends' cells; false unless IsRectCells.
    bool MergeCells();
    bool LastPosIsPilcrow() const;
    TVYXSelectionMode SelectionMode() const;
    bool Hit(const TVYXLogPos& pos) const { return First.LessEqual(pos) && pos.LessEqual(Last); }
    bool Hit(TVYXLogPara* para, std::int32_t charPos, bool inclusive) const;
    std::u16string GetPlainText() const;
    // Deletes the selected text (no tracked change) and collapses the selection to its first
    // end. Ends in different lists delete at the innermost list holding both (items wholly
    // inside give their runs back as they go, see TVYXLogParas::Delete).
    void Delete();
    // Copies of the selected items into `paras` (appended): the first and last paragraphs in
    // part, whole tables and paragraphs between. Ends in different lists copy at the innermost
    // list holding both, a table holding an end whole. Every paragraph's Pilcrow flag is set
    // except the last one's, which is LastPosIsPilcrow, so TVYXLogParas::Insert(pos, paras)
    // pastes the range back as it was. False for an invalid selection.
    bool CopyContent(TVYXLogParas& paras) const;
    void SetPlainText(std::u16string_view text);
    // The selected paragraphs in reading order (cells included).
    std::vector<TVYXLogPara*> Paras() const;
    // List formats over the selected paragraphs, cells included; a selection ending at
    // position 1 of a later paragraph leaves that paragraph out. The Make forms start one
    // new list that all of them share (a multilevel list keeps each paragraph's level) and
    // return its first level, nullptr when there is no paragraph or no list store.
    TVYXNumbering* MakeBullet(TVYXBulletListStyle style = ablsDefault);
    TVYXNumbering* MakeNumbering(TVYXNumberingStyleType style = anstDecimal);
    TVYXNumbering* MakeMultilevelList(TVYXMultilevelListStyle style = amls_1_a_i);
    // Moves every listed paragraph `delta` levels deeper (negative: up), within 0..8 of its
    // list; false when no paragraph changed.
    bool ChangeMultilevelListLevel(int delta);
    bool IncMultilevelListLevel() { return ChangeMultilevelListLevel(1); }
    bool DecMultilevelListLevel() { return ChangeMultilevelListLevel(-1); }
    void RemoveBulletNumbering();
    void Format(const TVYXCHPX& chpx);
    // The runs holding selected characters, in reading order.
    std::vector<TVYXCharRun*> CharRuns() const;
    void IterateCharRuns(const std::function<void(TVYXCharRun& run)>& callback) const;
    void TagPilcrow();
    void SetToBeginningOfDoc();
    void SetToEndOfDoc();
    bool SelectWordAtFirstPos();
    // Selects the hyperlink whose runs hold the first position (or end just before it,
    // where the caret stands after typing a link); false when there is none.
    bool SelectHyperlinkAtFirstPos();
    // Both grow the selection by a word: MoveWordNext moves `Last` to the next word's
    // start, MoveWordPrev moves `First` to the previous one. False at the document's end / start.
    bool MoveWordNext() { return Last.MoveWordNext(); }
    bool MoveWordPrev() { return First.MoveWordPrev(); }
    // A bookmark over the selection (see TVYXLogPara::InsertBookmark); nullptr for an
    // invalid selection, a document without a bookmark list or a name in use.
    TVYXBookmark* MakeBookmark(std::u16string_view name);
    // Splits the paragraphs at the two ends so that the selection covers whole paragraphs;
    // the ends follow the text. False for an invalid selection, ends in different lists
    // or a split refused by protection (what was split by then stays split).
    bool SplitParas();
    // Makes the selected text (in one paragraph) a link to `address`: a URL, or with
    // `toBookmark` a bookmark name (one hyperlink per bookmark is shared). The link comes
    // from the document's list; nullptr when the selection is empty, spans paragraphs or
    // holds no text.
    TVYXHyperlink* MakeHyperlink(std::u16string_view address, bool toBookmark = false);

private:
    // The cells of the innermost table holding both ends; false when there is none or the
    // ends share its cell.
    bool RectCells(TVYXTableCell*& cell1, TVYXTableCell*& cell2) const;
    TVYXNumbering* ApplyList(TVYXNumbering* level, bool keepLevels);
    std::vector<TVYXLogPara*> ListParas() const;
};

class TVYXLogSelections {
public:
    TVYXGraphicObj* Graphic = nullptr;  // the selected drawing object (borrowed)

    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXLogSelection* GetItems(int i) const { return FItems.at(static_cast<std::size_t>(i)).get(); }
    TVYXLogSelection* GetItems(int i) { return FItems.at(static_cast<std::size_t>(i)).get(); }
    TVYXLogSelection* Add();
    TVYXLogSelection* Add(const TVYXLogSelection& selection);
    TVYXLogSelection* Add(const TVYXLogPos& first, const TVYXLogPos& last);
    const TVYXLogSelection* First() const { return FItems.empty() ? nullptr : FItems.front().get(); }
    TVYXLogSelection* First() { return FItems.empty() ? nullptr : FItems.front().get(); }
    const TVYXLogSelection* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXLogSelection* Last() { return FItems.empty() ? nullptr : FItems.back().get(); }
    void Clear() { FItems.clear(), Graphic = nullptr; }
    // Drops one selection (the text stays).
    void Remove(int index);
    // True when any selection holds text.
    bool HasText() const;
    // The edits below work on every valid selection from the last in the document to the
    // first; overlapping selections count once. Ends of the other selections that stand after
    // an edit in its paragraph keep their distance from the paragraph's end, so they follow
    // the text they stood in; each selection ends collapsed after its new content.
    // Deletes the text of every selection.
    void Delete();
    // Replaces the text of every selection.
    void SetPlainText(std::u16string_view text);
    // Replaces every selection by a copy of `source` (as TVYXLogParas::Insert pastes it).
    void ReplacePara(const TVYXLogParas& source);
    std::u16string GetPlainText() const;
    void IterateCharRuns(const std::function<void(TVYXCharRun& run)>& callback) const;
    void Adjust(const TVYXLogSelection& selection, std::int32_t charPos, std::int32_t delta);
    bool SetPosToOutside(TVYXLogPos& pos) const;
    void Select(TVYXGraphicObj* graphic) { Graphic = graphic; }
    bool IsGraphic() const { return Graphic != nullptr; }
    void Assign(const TVYXLogSelections& source);

private:
    void Replace(const std::function<void(TVYXLogSelection& s)>& edit);
    std::vector<std::unique_ptr<TVYXLogSelection>> FItems;
};
