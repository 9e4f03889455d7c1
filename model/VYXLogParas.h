// VYXLogParas.h: the body of a document: paragraphs, tables nested to any depth, navigation and iteration.
//
// A paragraph list holds paragraphs and tables; a table holds rows, a row
// cells, and every cell its own paragraph list. Items know their index in
// their list (kept current unless an update bracket is open), so position
// comparisons and neighbour lookups cost no walk over the document.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXIndexObjectList.h"
#include "model/VYXLogPos.h"
#include "model/VYXNumbering.h"

class TVYXLogParaItem;
class TVYXLogPara;
class TVYXLogParas;
class TVYXTable;
class TVYXTableRow;
class TVYXTableCell;
class TVYXLogPos;
class TVYXRootData;
class TVYXSEP;
class TVYXRevisionData;
class TVYXHyperlink;
class TVYXStyles;
class TVYXParaData;
class TVYXGraphicObj;
class TVYXGraphicShape;
class TVYXGraphicRotate;
class TVYXGraphicPicture;
class TVYXPicture;
class TVYXDOP;
class TVYXGraphicObjList;
class TVYXGrTextBox;
class TVYXBookmark;
class TVYXComment;
class TVYXComplexField;
class TVYXComments;
class TVYXMarkup;

enum TVYXLogParaType { alptPara, alptTable };
enum TVYXLogDocType { aldtMain, aldtTextBox, aldtHeader, aldtFooter, aldtFootnotes, aldtEndnotes };
enum TVYXFindTextOption { aftoMatchCase = 1, aftoWholeWordsOnly = 2, aftoWildcards = 4 };
enum TVYXTableCellFlag { atcfSelected = 1, atcfMerged = 2, atcfMergedRoot = 4, atcfMergedLast = 8 };
enum TVYXTableCellAlignVert { atcavTop, atcavCenter, atcavBottom, atcavBoth };
extern const std::array<std::string_view, atcavBoth + 1> VYXTableCellAlignVertNames;

// Limits of a table built in one call.
constexpr int cVYXMaxTableCols = 63;
constexpr int cVYXMaxTableRows = 32767;

// The navigation object of a paragraph list: the document for root lists, the
// cell for paragraphs in a cell. "Reading order" enters and leaves tables.
class TVYXLogParaIterator {
public:
    virtual ~TVYXLogParaIterator() = default;
    virtual TVYXTableCell* GetTableCell() { return nullptr; }
    // Text boxes re-created by a paste ask their document for a host list; nullptr when none.
    virtual TVYXLogParas* DoAddTextBox() { return nullptr; }
    virtual TVYXLogPara* FirstPara() = 0;
    virtual TVYXLogPara* LastPara() = 0;
    // The paragraph after / before `item` in reading order, nullptr at the document's ends.
    virtual TVYXLogPara* NextPara(TVYXLogParaItem& item) = 0;
    virtual TVYXLogPara* PrevPara(TVYXLogParaItem& item) = 0;
    virtual TVYXLogPara* NextRow(TVYXLogParaItem&) { return nullptr; }
    virtual TVYXLogPara* PrevRow(TVYXLogParaItem&) { return nullptr; }
    virtual TVYXTableCell* NextCell() { return nullptr; }
    virtual TVYXTableCell* PrevCell() { return nullptr; }
    virtual TVYXTableCell* NextCellDown() { return nullptr; }
    virtual TVYXTableCell* NextCellUp() { return nullptr; }
    virtual TVYXTableCell* NextCellLeft() { return nullptr; }
    virtual TVYXTableCell* NextCellRight() { return nullptr; }
};

// The navigation object of a root list (a document without an editor of its own uses it).
class TVYXLogParasRootIterator : public TVYXLogParaIterator {
public:
    TVYXLogParas* Paras = nullptr;  // borrowed
    TVYXLogPara* FirstPara() override;
    TVYXLogPara* LastPara() override;
    TVYXLogPara* NextPara(TVYXLogParaItem& item) override;
    TVYXLogPara* PrevPara(TVYXLogParaItem& item) override;
};

// Base of paragraphs and tables.
class TVYXLogParaItem : public TVYXIndexObject {
    friend class TVYXLogParas;

public:
    explicit TVYXLogParaItem(TVYXLogParas* paras) : Paras(paras) {}
    TVYXLogParaItem(const TVYXLogParaItem&) = delete;
    TVYXLogParaItem& operator=(const TVYXLogParaItem&) = delete;
    ~TVYXLogParaItem() override = default;

    TVYXLogParas* Paras;  // borrowed: the owning list
    // The place in the list (-1 outside a list); O(1) while the list is unchanged since the
    // last read, else logarithmic in the list's length.
    int Index() const;
    TVYXCHPX* GetTempCHPX() const;
    TVYXPAPX* GetTempPAPX() const;

    virtual std::u16string GetPlainText() const = 0;
    virtual std::u16string GetFileText() const { return GetPlainText(); }
    virtual TVYXLogParaType Type_() const = 0;
    virtual std::unique_ptr<TVYXLogParaItem> Clone(TVYXLogParas* paras) const = 0;
    virtual void ClearRows() {}
    virtual void FormatAll(const TVYXCHPX* chpx) = 0;
    virtual void FormatRange(const TVYXCHPX* chpx, std::int32_t from, std::int32_t to) = 0;
    virtual void FormatAllUncond(const TVYXCHPX* chpx) = 0;
    virtual std::int32_t EndOfParaPos() const { return 1; }
    virtual void CombineCharRuns() = 0;
    virtual double PixHeight() const { return 0; }
    virtual double PixWidth() const { return 0; }
    bool IsPara() const { return Type_() == alptPara; }
    bool IsTable() const { return Type_() == alptTable; }
};

// Frame properties as the file formats give them.
struct TVYXParaFrame {
    std::int32_t DropCap = 0, Lines = 0, W = 0, H = 0, VSpace = 0, HSpace = 0, Wrap = 0, HAnchor = 0,
                 VAnchor = 0, X = 0, XAlign = 0, Y = 0, YAlign = 0, HRule = 0, AnchorLock = 0;
};

// What the model keeps of a paragraph's layout. Layout's row list derives from this
// (the model cannot link layout) and answers the paragraph's size from its rows, in
// pixels of the device it laid out for.
class TVYXPhyRowsBase {
public:
    virtual ~TVYXPhyRowsBase() = default;
    // Drops the rows: the layout is stale.
    virtual void Clear() = 0;
    virtual int Count() const = 0;
    // The paragraph's height (rows plus spacing) and the widest row's extent.
    virtual double PixHeight() const = 0;
    virtual double PixWidth() const = 0;
};

// The search state of a paragraph.
struct VYXLogParaFindData {
    TVYXLogPara* Para = nullptr;
    std::u16string FindText;     // what is searched for (upper-cased unless case matters)
    std::u16string FindSrcText;  // the paragraph's text as searched
    std::int32_t FindCharPos = 0;
    std::int32_t FindLen = 0;    // characters of the last match (wildcard matches vary)
    unsigned FindOptions = 0;    // TVYXFindTextOption flags
    bool Valid = false;
};

class TVYXLogPara : public TVYXLogParaItem {
public:
    explicit TVYXLogPara(TVYXLogParas* paras);
    ~TVYXLogPara() override;

    TVYXLogParaIterator* Iterator() const;
    TVYXCharRuns& CharRuns() const { return *FCharRuns; }
    TVYXPAPX& PAPX() const { return *FPAPX; }
    TVYXSEP* SEP() const { return FSEP.get(); }
    VYXLogParaFindData Find;
    std::u16string NumbText;
    std::unique_ptr<TVYXParaFrame> Frame;
    std::u16string Name;
    bool Pilcrow = false;
    bool Dirty = true;

    // ---- Item operations ----
    std::u16string GetPlainText() const override;
    std::u16string GetFileText() const override;
    TVYXLogParaType Type_() const override { return alptPara; }
    std::unique_ptr<TVYXLogParaItem> Clone(TVYXLogParas* paras) const override;
    // A copy holding the characters from `fromPos` to `toPos` - 1.
    std::unique_ptr<TVYXLogPara> Clone(TVYXLogParas* paras, std::int32_t fromPos, std::int32_t toPos) const;
    void FormatAll(const TVYXCHPX* chpx) override;
    void FormatAllUncond(const TVYXCHPX* chpx) override;
    std::int32_t EndOfParaPos() const override;
    void CombineCharRuns() override;

    // ---- Sections ----
    TVYXSEP* AddSEP();
    void ClearSEP();
    TVYXLogPara* FindNextSEP();
    TVYXLogPara* FindPrevSEP();

    // ---- Text ----
    std::u16string GetText() const;
    std::u16string AsPlainText() const { return GetPlainText(); }
    std::u16string AsPlainTextLeft(std::int32_t pos) const;
    std::u16string AsPlainTextRight(std::int32_t pos) const;
    std::int32_t TextLength() const { return FCharRuns->TextLength(); }
    std::int32_t Len() const { return EndOfParaPos() - 1; }
    bool HasText() const { return TextLength() > 0; }
    bool IsZeroLength() const { return Len() == 0; }
    // No runs, or one empty text run.
    bool Empty() const;
    char16_t GetChar(std::int32_t pos) const;
    char16_t CharAtPos(std::int32_t pos) const { return GetChar(pos); }
    TVYXCharType CharTypeAtPos(std::int32_t pos) const;
    TVYXCHPX* CHPXAtPos(std::int32_t pos) const;
    bool WordAtPos(std::int32_t pos, std::int32_t& start, std::int32_t& end) const;
    // The first position of the next / previous word, 0 when none.
    std::int32_t FindNextWord(std::int32_t pos) const;
    std::int32_t FindPrevWord(std::int32_t pos) const;
    // The first / last position from `pos` on / back whose character is of the type, 0 when none.
    std::int32_t FindFirstCharOfCharType(std::int32_t pos, TVYXCharType type) const;
    std::int32_t FindLastCharOfCharType(std::int32_t pos, TVYXCharType type) const;

    // ---- Editing ----
    TVYXCharRun* InsertText(std::u16string_view text, std::int32_t pos);
    TVYXCharRun* InsertPlainText(std::u16string_view text, std::int32_t pos) { return InsertText(text, pos); }
    // Inserts a run of its own with a copy of `chpx`.
    TVYXCharRun* InsertFormattedText(std::u16string_view text, std::int32_t pos, const TVYXCHPX* chpx);
    // `from` inclusive, `to` exclusive.
    void DeleteText(std::int32_t from, std::int32_t to, const TVYXRevisionData* revision);
    void DeleteTextToEnd(std::int32_t pos) { DeleteText(pos, Len() + 1, nullptr); }
    void ClearText();
    void SetPlainText(std::u16string_view text);
    TVYXCharRun* Append(std::u16string_view text);
    TVYXCharRun* AppendPlainText(std::u16string_view text);
    // Appends even to a run that has characters (no new run).
    void AppendTextUncond(std::u16string_view text);
    TVYXCharRun* AppendFormattedText(std::u16string_view text, const TVYXCHPX* chpx);
    TVYXCharRun* AppendCharRun(std::unique_ptr<TVYXCharRun> run);
    // Inserts the run before the run that begins at `pos`.
    TVYXCharRun* InsertCharRun(std::unique_ptr<TVYXCharRun> run, std::int32_t pos);
    // Copies of all of `runs`, in order, before the run that begins at `pos`.
    void InsertCharRuns(const TVYXCharRuns& runs, std::int32_t pos);
    // Splits the run holding `pos` and puts `run` between the halves (InsertCharRun).
    TVYXCharRun* SplitAndInsertCR(std::unique_ptr<TVYXCharRun> run, std::int32_t pos)
    {
        return InsertCharRun(std::move(run), pos);
    }
    TVYXCharRun* MakeInsertionPoint(std::int32_t pos, bool before);

    // ---- Inline objects ----
    TVYXCharRunTab* InsertTab(std::int32_t pos);
    TVYXCharRunTab* AppendTab();
    TVYXCharRunBreak* InsertBreak(std::int32_t pos, TVYXCharRunBreakType type);
    TVYXCharRunBreak* AppendBreak(TVYXCharRunBreakType type);
    TVYXCharRunHyperlink* AppendHyperlink(TVYXHyperlink* link, std::u16string_view text);
    TVYXCharRunHyperlink* InsertHyperlink(std::int32_t pos, TVYXHyperlink* link, std::u16string_view text);
    // Turns the text runs from `from` to `to` - 1 into runs of `link` (first and last
    // tagged, style "Hyperlink", one use of the link each); other runs in the range stay.
    // The number of runs converted.
    int MakeHyperlink(TVYXHyperlink* link, std::int32_t from, std::int32_t to);
    TVYXCharRunPicture* InsertPicture(std::int32_t pos);
    TVYXCharRunPicture* AppendPicture();
    // A floating picture of `picture` (its size) anchored to the paragraph (AddGraphic).
    TVYXGraphicPicture& AddPicture(TVYXPicture* picture);
    // An inline horizontal rule: a grey bar 1.5 pt high across the whole text width.
    TVYXCharRunGraphic* InsertHorizontalLine(std::int32_t pos);
    TVYXCharRunGraphic* AppendHorizontalLine();
    TVYXCharRunGraphic* InsertGraphic(std::int32_t pos, std::unique_ptr<TVYXGraphicObj> graphic);
    TVYXCharRunGraphic* AppendGraphic(std::unique_ptr<TVYXGraphicObj> graphic);
    TVYXCharRunFootnote* InsertFootnote(std::int32_t pos, TVYXFootnoteBaseItem* note, bool endnote = false);
    TVYXCharRunFootnote* InsertFootnoteRef(std::int32_t pos, TVYXFootnoteBaseItem* note, bool endnote = false);
    TVYXCharRunFldChar* AppendComplexField(std::u16string_view result, std::u16string_view instruction);
    void BeginTOC(std::u16string_view switches) { FCharRuns->BeginTOC(switches); MakeDirty(); }
    void EndTOC() { FCharRuns->EndTOC(); MakeDirty(); }
    // Takes the drawing object out of the graphic run at `index`.
    std::unique_ptr<TVYXGraphicObj> SnatchGraphic(int index);
    bool HasPageBreak() const;
    // Bookmarks go into the document's bookmark list; a name already there keeps its
    // bookmark and nullptr is returned (a second one of the name could never be found).
    // A pair of boundary runs around the characters from `from` to `to` - 1; `to` lies in
    // `lastPara` when given (a later paragraph), else in this one.
    TVYXBookmark* InsertBookmark(std::u16string_view name, std::int32_t from, std::int32_t to,
                                 TVYXLogPara* lastPara = nullptr);
    // Opens a bookmark at the paragraph's end; EndBookmark, here or in a later paragraph, closes it.
    TVYXBookmark* AppendBookmark(std::u16string_view name);
    // Closes an open range (bookmark, comment, permission) at the paragraph's end;
    // nullptr when it is not open.
    TVYXCharRunLinked* EndBookmark(TVYXMarkup& markup);
    // Opens a comment at the paragraph's end; `comments` takes it over. EndComment closes it.
    TVYXComment* AppendComment(TVYXComments& comments, std::unique_ptr<TVYXComment> comment);
    TVYXCharRunLinked* EndComment(TVYXComment& comment);
    // A simple field built from its instruction; an empty result shows the field's
    // placeholder text until layout or a merge writes the real one.
    TVYXCharRunSimpleField* InsertField(std::int32_t pos, std::u16string_view instruction,
                                        std::u16string_view result = {});
    TVYXCharRunSimpleField* AppendField(std::u16string_view instruction, std::u16string_view result = {});
    // Form fields: begin, the form instruction, separate, the result between two boundary
    // runs (the first owns the field, whose range they are), end. The Append forms
    // insert at the end position.
    TVYXComplexField* InsertFormFieldText(std::int32_t pos, std::u16string_view name, std::u16string_view text);
    TVYXComplexField* InsertFormFieldCheckBox(std::int32_t pos, std::u16string_view name, bool checked);
    // `result` indexes `values`; the chosen entry is the result text.
    TVYXComplexField* InsertFormFieldComboBox(std::int32_t pos, std::u16string_view name,
                                              const std::vector<std::u16string>& values, std::int32_t result);
    TVYXComplexField* AppendFormFieldText(std::u16string_view name, std::u16string_view text)
    {
        return InsertFormFieldText(EndOfParaPos(), name, text);
    }
    TVYXComplexField* AppendFormFieldCheckBox(std::u16string_view name, bool checked)
    {
        return InsertFormFieldCheckBox(EndOfParaPos(), name, checked);
    }
    TVYXComplexField* AppendFormFieldComboBox(std::u16string_view name, const std::vector<std::u16string>& values,
                                              std::int32_t result)
    {
        return InsertFormFieldComboBox(EndOfParaPos(), name, values, result);
    }

    // ---- Format ----
    void SetFormat(const TVYXCHPX* chpx, int firstRun, int lastRun);
    void ApplyFormat(const TVYXCHPX* chpx, std::int32_t from, std::int32_t to) { FormatRange(chpx, from, to); }
    void FormatRange(const TVYXCHPX* chpx, std::int32_t from, std::int32_t to) override;
    void FormatRangeUncond(const TVYXCHPX* chpx, std::int32_t from, std::int32_t to);
    void FormatWord(const TVYXCHPX* chpx, std::int32_t pos);
    void AddPAPX(const TVYXPAPX& papx) { FPAPX->Merge(papx); MakeDirty(); }
    TVYXTabStops* AddTabStops() { return FPAPX->AddTabStops(); }
    TVYXTabStops* GetTabStops() const { return FPAPX->GetTabStops(); }
    void RemoveTabStops() { FPAPX->RemoveTabStops(); }
    // The stops that govern the paragraph: its own when it has any, else those of the
    // nearest style up the BasedOn chain that has any, else nullptr.
    TVYXTabStops* GetTabs() const;
    // The stop a tab run at pixel `x` (measured from the left indent) goes to; `pos`
    // receives the stop's pixel position. `first`: the first tab of the first row, which
    // goes to the hanging-indent stop of a paragraph without stops of its own. Past the
    // last stop the default interval applies; the default stops returned then are the
    // list's scratch `TempTab` (valid until the next call).
    const TVYXTabStop* MapTab(double& pos, bool first, double x) const;
    // The paragraph style by id; false when the sheet has none of that id.
    bool UseStyle(std::u16string_view styleId);
    // The paragraph's effective format (in a cell with its table's style).
    void SetupParaData(TVYXParaData& paraData) const;

    // ---- Lists ----
    TVYXNumbering* BeginBullet();
    TVYXNumbering* BeginNumbering(TVYXNumberingStyleType style = anstDecimal);
    TVYXNumbering* BeginMultilevel(TVYXMultilevelListStyle style);
    // Level `level` of the paragraph's list (list 0 when it has none) and the style "ListParagraph".
    void MakeNumbering(std::int32_t level);
    void ChangeMultilevelLevel(int delta);
    void EndBulletNumbering();
    void RemoveBulletNumbering();
    // Joins a numbered neighbour's list (the automatic rule of a new paragraph).
    bool CheckNumbering();

    // ---- Navigation ----
    TVYXLogPara* Next() const;  // reading order
    TVYXLogPara* Prev() const;
    TVYXLogParaItem* NextInParas() const;  // same list only
    TVYXLogParaItem* PrevInParas() const;
    TVYXLogPara* Prevpara() const;  // the previous item of the list when it is a paragraph
    bool NextIsTable() const;
    // The first / last paragraph of the navigation object (the document, or the cell).
    TVYXLogPara* First() const;
    TVYXLogPara* Last() const;
    // In a cell, the first paragraph of the cell below / above (leaving the table at its
    // last / first row); nullptr outside tables.
    TVYXLogPara* NextRow() const;
    TVYXLogPara* PrevRow() const;
    TVYXCharRun* CRFirst() const { return FCharRuns->First(); }
    TVYXCharRun* CRLast() const { return FCharRuns->Last(); }
    TVYXTableCell* Cell() const;
    // The index of the root-list item that holds this paragraph (itself or its outermost table).
    int RootIndex() const;
    TVYXCharRun* GetItems(int i) const { return FCharRuns->Items(i); }
    int Count() const { return FCharRuns->Count(); }
    TVYXCHPX* LastCHPX() const;

    // ---- Search ----
    // With aftoWildcards `text` is a pattern (see TVYXWildcardPattern); a bad pattern finds nothing.
    void BeginFindText(std::u16string_view text, unsigned options);
    // The position of the next match from `pos` on, 0 when none; its length is Find.FindLen.
    std::int32_t FindTextNext(std::int32_t pos);
    void EndFindText() { InvalidateFind(); }
    void InvalidateFind() { Find.Valid = false; Find.FindSrcText.clear(); }

    void MakeDirty();
    // The properties of `source` (its style mapped into this document's sheet), its
    // section, frame and name, and copies of its anchored objects (see AddGraphic),
    // which join the paragraph's own. `withRuns` also replaces the runs and Pilcrow.
    void Assign(const TVYXLogPara& source, bool withRuns);

    // ---- Layout and anchored objects ----
    // The laid-out rows, nullptr before layout.
    TVYXPhyRowsBase* Rows() const { return FRows.get(); }
    void SetRows(std::unique_ptr<TVYXPhyRowsBase> rows) { FRows = std::move(rows); }
    void ClearRows() override;
    // Pixels from the rows; 0 when the paragraph is not laid out.
    double PixHeight() const override;
    double PixWidth() const override;
    // The floating objects anchored here, nullptr when there are none yet.
    TVYXGraphicObjList* Graphics() const { return FGraphics.get(); }
    // The list, created on first use with the document's picture and shape stores.
    TVYXGraphicObjList& AddGraphics();
    // Anchors a floating object to the paragraph. Copies of the paragraph (paste, Clone)
    // copy it into the target's stores; a text box's paragraphs are copied into a list
    // the target's navigation object makes (DoAddTextBox), and a box whose document
    // gives none keeps its frame without text.
    TVYXGraphicObj& AddGraphic(std::unique_ptr<TVYXGraphicObj> graphic);
    // A floating text box (a "rect" shape when the document has shape types, else a
    // rectangle) of the size in points; its paragraphs come from the navigation
    // object's DoAddTextBox and hold one empty paragraph. Without such a list the box
    // is still made, without paragraphs.
    TVYXGraphicRotate* AddTextBox(double width, double height);
    // The same box placed inline, in a graphic run at `pos` / at the end.
    TVYXCharRunGraphic* InsertTextBox(std::int32_t pos, double width, double height);
    TVYXCharRunGraphic* AppendTextBox(double width, double height);

    // ---- Tracked changes ----
    // Marks the characters from `from` to `to` - 1 with copies of `revision`: insertions,
    // deletions and moves mark the runs (replacing a mark they had), a character format
    // change marks the runs' CHPXs, a paragraph format change the paragraph's PAPX (the
    // range does not matter). A format change that records no former properties gets
    // those of the run / paragraph as they were, so that it shows what changed.
    void ApplyRevision(const TVYXRevisionData& revision, std::int32_t from, std::int32_t to);

private:
    friend class TVYXLogParas;  // Enter splits runs the way the paragraph does
    TVYXRootData* Root() const;
    // A new box object with its text list, not yet placed.
    std::unique_ptr<TVYXGraphicRotate> CreateTextBox(double width, double height);
    // Gives a copied text box its own paragraphs: a list from the navigation object
    // holding copies of `source`'s (nullptr: one empty paragraph).
    void CopyTextBoxParas(TVYXGrTextBox& box, const TVYXLogParas* source);
    void WireRuns();
    // The run before which an object inserted at `pos` goes, and its format.
    int InsertionIndex(std::int32_t pos, const TVYXCHPX*& chpx);
    // Splits the run holding `pos` so that a run begins there; the index of that run
    // (the run count at the end position).
    int RunBoundaryAt(std::int32_t pos);
    // Starts the range of `markup` with a boundary run at the paragraph's end.
    void OpenRange(TVYXMarkup& markup, TVYXCharRunLinkedType type);
    TVYXComplexField* InsertFormField(std::int32_t pos, std::unique_ptr<TVYXComplexField> field,
                                      std::u16string_view result);
    std::unique_ptr<TVYXCharRuns> FCharRuns;
    std::unique_ptr<TVYXPAPX> FPAPX;
    std::unique_ptr<TVYXSEP> FSEP;
    std::unique_ptr<TVYXPhyRowsBase> FRows;
    std::unique_ptr<TVYXGraphicObjList> FGraphics;
};

class TVYXLogParas {
public:
    TVYXLogParas(TVYXRootData* root, TVYXLogParaIterator* iterator, TVYXTableCell* cell = nullptr);
    TVYXLogParas(const TVYXLogParas&) = delete;
    TVYXLogParas& operator=(const TVYXLogParas&) = delete;
    ~TVYXLogParas();

    TVYXLogParaIterator* Iterator;  // borrowed
    TVYXTableCell* Cell;            // borrowed, nullptr for a root list
    TVYXRootData* RootManager;      // borrowed
    TVYXNumberingStyleType AutoNumbering = anstNone;
    std::int32_t NumberingLevel = 0;
    TVYXBulletListStyle BulletStyle = ablsDefault;
    std::function<void(TVYXLogPara& para)> DirtyParaEvent;
    std::function<double()> WidthEvent;
    std::function<void(TVYXLogParas& sender)> ParaChangeEvent;
    TVYXTabStop TempTab;  // scratch stop handed out by MapTab

    // ---- Access ----
    int Count() const { return FItems.Count(); }
    TVYXLogParaItem* GetItems(int i) const { return static_cast<TVYXLogParaItem*>(FItems.Items(i)); }
    // Raise "Para item is not para" / "Para item is not table" for the other kind.
    TVYXLogPara* GetParas(int i) const;
    TVYXTable* GetTables(int i) const;
    // The item as a paragraph, nullptr for a table or a bad index.
    TVYXLogPara* ParaAtIndex(int i) const;
    TVYXLogParaItem* First() const { return static_cast<TVYXLogParaItem*>(FItems.First()); }
    TVYXLogParaItem* Last() const { return static_cast<TVYXLogParaItem*>(FItems.Last()); }
    // The first / last paragraph in reading order, descending into tables.
    TVYXLogPara* _FirstPara() const;
    TVYXLogPara* _LastPara() const;
    // The following item, or the first paragraph of the following table; nullptr at the end.
    TVYXLogPara* Next(const TVYXLogParaItem& item) const;
    // The preceding paragraph, or for a preceding table the last paragraph of the first cell of its last row.
    TVYXLogPara* Prev(const TVYXLogParaItem& item) const;
    TVYXLogPos& GetFirstPos();
    TVYXLogPos& GetLastPos();
    // 0 for a root list, else the nesting depth of its cell.
    int Level() const;
    TVYXLogParas* RootParas();
    TVYXPAP* GetMasterPAP() const;
    TVYXDOP* GetFDOP() const;
    // The layout device's resolution (96 without a root).
    double GetPPIX() const;
    double GetPPIY() const;
    std::int32_t TextLength() const;
    bool HasText() const;
    // Paragraphs separated by "\r\n"; tables give their cells' texts.
    std::u16string GetPlainText() const;
    std::u16string GetFileText() const { return GetPlainText(); }
    TVYXCharRunBreak* FindMarker(std::int32_t id) const;
    // The graphic run holding `graphic`, cells included; nullptr when none.
    TVYXCharRunGraphic* FindGraphic(const TVYXGraphicObj* graphic) const;
    // The first watermark shape in reading order, cells included; nullptr when none.
    TVYXGraphicShape* FindWatermark() const;

    // ---- Creation ----
    // A paragraph for insertion at `index` (-1: the end), not inserted.
    std::unique_ptr<TVYXLogPara> CreatePara(int index);
    TVYXLogPara* AppendPara();
    TVYXLogPara* AppendPara(const TVYXPAPX& papx);
    TVYXLogPara* AppendPara(std::u16string_view text);
    TVYXLogPara* Insert(int index);
    // Pastes a copy of `source` at `pos` (see the Pilcrow rules in the source).
    void Insert(TVYXLogPos& pos, const TVYXLogParas& source);
    // Inserts a copy of `table` at `pos`, splitting its paragraph; returns the copy.
    TVYXTable* Insert(TVYXLogPos& pos, const TVYXTable& table);
    TVYXTable* InsertTable(int index);
    TVYXTable* InsertTableAtPos(TVYXLogPos& pos, int cols, int rows);
    TVYXLogPara* InsertPageBreak(int index);
    // A page break at `pos`: inside a paragraph the text from `pos` on moves to a new
    // paragraph that begins with the break, so it starts the next page; at a paragraph's
    // start the break goes in front. `pos` ends before the break. nullptr when protection
    // keeps the paragraph from splitting.
    TVYXCharRunBreak* InsertPageBreak(TVYXLogPos& pos);
    TVYXTable* AddTable();
    // nullptr unless 1 <= cols <= 63 and 1 <= rows <= 32767.
    TVYXTable* AddTable(int cols, int rows);
    TVYXLogPara* AddBullet(TVYXNumberings& numberings, const TVYXPAPX* papx, std::int32_t level);
    // A table-of-contents entry appended in the paragraph style `styleId` (kept as
    // inherited when the sheet lacks it): the text, a tab and a page reference to a new
    // "_Toc" bookmark name.
    TVYXLogPara* AddTOCItem(std::u16string_view styleId, std::u16string_view text);
    // As AddTOCItem, with the reference's bookmark placed around the whole of `para`, the
    // heading the entry points at; the entry has no bookmark when the name cannot be added.
    TVYXLogPara* AddTOCReference(TVYXLogPara& para, std::u16string_view styleId, std::u16string_view text);
    void AppendStrings(const std::vector<std::u16string>& strings);
    void SetStrings(const std::vector<std::u16string>& strings);
    // One paragraph per line ("\r\n", "\n" or "\r").
    void SetPlainText(std::u16string_view text);
    // As SetPlainText, for text from a plain-text file: a tab becomes a tab run and a form
    // feed a page break.
    void SetFileText(std::u16string_view text);
    // Takes ownership of an item built elsewhere and inserts it (-1: at the end).
    TVYXLogParaItem* InsertItem(int index, std::unique_ptr<TVYXLogParaItem> item);

    // ---- Structure ----
    // Enter at `pos` of `para`; returns the new paragraph (or `para` when protected).
    TVYXLogPara* SplitAtPos(TVYXLogPara& para, std::int32_t pos);
    TVYXLogPara* SplitAtPos(TVYXLogPos& pos);
    void MergeNext(int index);
    // Deletes from `first` to `last`. Both in this list: the rules of a selection in one
    // list (items between go, the two paragraphs join). Ends in different lists below
    // this one (root list into a cell, cell to cell, into nested tables): at the deepest
    // list holding both, the items between the ends' items go whole; inside a table that
    // holds an end, the cells between are emptied and the end's own cell loses the part
    // before or after the end, so that rows, cells and the tables themselves stay and
    // every cell keeps a paragraph; the end paragraphs lose their parts and are not
    // joined. With revision data nothing goes: the runs in reading order are marked
    // (runs inserted in this session are deleted), as in one paragraph. `last` ends at
    // position 1 of its paragraph when content was removed.
    void DeleteText(TVYXLogPos& first, TVYXLogPos& last, const TVYXRevisionData* revision);
    // Removes and destroys an item. Its runs, cells included, leave their lists first,
    // one by one, as if deleted as text: linked runs are reported to the document and
    // hyperlink uses given back, so the counts stay exact while the document lives
    // (destroying a whole list gives nothing back, see TVYXCharRuns). Clear does the same.
    void Delete(int index);
    // Takes an item out for another owner; its runs keep their hyperlink uses.
    std::unique_ptr<TVYXLogParaItem> Extract(int index);
    // Takes over every item of `source` (appended).
    void SnatchParas(TVYXLogParas& source);
    void Assign(const TVYXLogParas& source);
    std::unique_ptr<TVYXLogParas> Clone(TVYXLogParaIterator* iterator, TVYXTableCell* cell) const;
    bool Empty() const;
    void Clear();
    void SetEmpty();
    void SetEmptyKeepStyles();
    void Validate();
    void BeginUpdate() { ++FUpdating; }
    void EndUpdate();

    // ---- Format and maintenance ----
    void FormatAll(const TVYXCHPX* chpx);
    void FormatRange(const TVYXCHPX* chpx, const TVYXLogPos& first, const TVYXLogPos& last);
    void ApplyParaFormat(const TVYXPAPX& papx, const TVYXLogPara& firstPara, const TVYXLogPara& lastPara);
    static void ApplyPreviousStyle(TVYXPAPX& papx, const TVYXPAPX& prevPapx);
    void ToggleFormat(TVYXChpId id, const TVYXLogPos& first, const TVYXLogPos& last);
    void CombineCharRuns();
    void CompactCHPXPAPX();
    void ClearMisspelled();
    void ClearRows();
    void MakeDirty();
    // Marks the content from `first` to `last` (reading order, across tables and cells)
    // with copies of `revision`, each paragraph as TVYXLogPara::ApplyRevision does.
    void ApplyRevision(const TVYXRevisionData& revision, const TVYXLogPos& first, const TVYXLogPos& last);
    // Clears the cell selection of every table in the list, nested ones too.
    void ClearSelectedTables();
    // The laid-out size in pixels: items stacked (heights added), the widest item.
    double PixHeight() const;
    double PixWidth() const;
    // The width the list is laid out in, in pixels: the points of WidthEvent (the cell's
    // calculated width in a cell) at the device resolution; the laid-out PixWidth when the
    // list has neither.
    double PaginatedPixWidth() const;
    // The space the list's contents ask for above / below: the first item's space before /
    // the last item's space after when those are paragraphs (styles included), 0 for a table.
    double SpaceBefore() const;
    double SpaceAfter() const;

private:
    friend class TVYXTable;
    friend class TVYXLogPara;
    friend class TVYXLogParaItem;
    // DeleteText for ends in different lists, or in one list below this one; nothing
    // happens unless both lie in this list's tree.
    void DeleteAcross(TVYXLogPos& first, TVYXLogPos& last, const TVYXRevisionData* revision);
    // The first graphic run in reading order that `match` accepts.
    TVYXCharRunGraphic* FirstGraphicRun(const std::function<bool(const TVYXCharRunGraphic&)>& match) const;
    void Attached(TVYXLogParaItem& item);
    void Detached(TVYXLogParaItem& item);
    TVYXIndexObjectList FItems;
    std::unique_ptr<TVYXLogPos> FFirstPos, FLastPos;
    int FUpdating = 0;
};

// Suspends renumbering until the scope ends.
class TVYXLogParasUpdate {
public:
    explicit TVYXLogParasUpdate(TVYXLogParas& paras) : FParas(paras) { FParas.BeginUpdate(); }
    ~TVYXLogParasUpdate() { FParas.EndUpdate(); }
    TVYXLogParasUpdate(const TVYXLogParasUpdate&) = delete;
    TVYXLogParasUpdate& operator=(const TVYXLogParasUpdate&) = delete;

private:
    TVYXLogParas& FParas;
};

// What a point in a laid-out table hits (see TVYXTable::Hit).
struct TVYXTableHit {
    TVYXTableCell* Cell = nullptr;
    TVYXMouseCellHit Where = amchNone;
};

// The width of `text` of `para` set on one line, in points (a device measures it with
// the paragraph's fonts).
using TVYXTextMeasure = std::function<double(const TVYXLogPara& para, std::u16string_view text)>;

class TVYXTableCell : public TVYXLogParaIterator {
public:
    explicit TVYXTableCell(TVYXTableRow* row);
    ~TVYXTableCell() override;

    TVYXLogParas& Paras() const { return *FParas; }
    TVYXTableRow* Row;  // borrowed: the row owns the cell
    int Index = -1;
    unsigned Flags = 0;  // TVYXTableCellFlag
    TVYXTableCellAlignVert AlignVert = atcavTop;
    TVYXTableCellProps& Props() const { return *FProps; }
    std::uint16_t CnfStyle = 0;
    std::int32_t GridSpan = 1;
    double PixX1 = 0, PixX2 = 0;
    bool ReadOnly = true;
    std::int32_t PermId = 0;

    // ---- Navigation ----
    TVYXTableCell* GetTableCell() override { return this; }
    // Text boxes belong to the document: the request goes to the table's list's navigation object.
    TVYXLogParas* DoAddTextBox() override;
    TVYXLogPara* FirstPara() override { return FParas->_FirstPara(); }
    TVYXLogPara* LastPara() override { return FParas->_LastPara(); }
    TVYXLogPara* NextPara(TVYXLogParaItem& item) override;
    TVYXLogPara* PrevPara(TVYXLogParaItem& item) override;
    TVYXLogPara* NextRow(TVYXLogParaItem& item) override;
    TVYXLogPara* PrevRow(TVYXLogParaItem& item) override;
    // Row-major order within the table; nullptr at its ends.
    TVYXTableCell* NextCell() override;
    TVYXTableCell* PrevCell() override;
    TVYXTableCell* NextCellDown() override;
    TVYXTableCell* NextCellUp() override;
    TVYXTableCell* NextCellLeft() override;
    TVYXTableCell* NextCellRight() override;

    TVYXTable* Table() const;
    TVYXTableCell* ParentCell() const;
    // The root-list item (outermost table) that holds the cell.
    TVYXLogParaItem* RootPara() const;
    double GetLeft() const;
    bool IsLeft() const { return Index == 0; }
    bool IsRight() const;
    double GetWidth() const { return FProps->Width; }
    void SetWidth(double width) { FProps->Width = width; }
    double GetPcWidth() const { return FProps->Width * 100.0; }
    void SetPcWidth(double percent);
    double CalculatedWidth() const;
    // The width left for text: the calculated width less the cell's left and right
    // margins (its own, else the table's default cell margins), never below 0.
    double GetClientWidth() const;
    // The widest laid-out paragraph or table of the cell, in pixels; 0 before layout.
    double TextWidth() const { return FParas->PixWidth(); }
    // The height the cell covers: its row's, or for the root of a vertical merge the
    // rows of the whole merge together (TVYXTableRow::GetHeight).
    double GetHeight() const;
    // The border on a side: the cell's own (an explicit "none" included), else the
    // table's (with its style's) outer border at the table's edge or its inside border
    // between cells; nullptr for none. A vertical merge draws as one cell: its cells
    // take left and right from the merge root, the cells below the root have no top,
    // and the root answers the bottom of the merge's last cell, which the cells above
    // the last do not have (so a row's bottom border ignores merges running on).
    TVYXDocPropBorder* BorderLeft() const;
    TVYXDocPropBorder* BorderTop() const;
    TVYXDocPropBorder* BorderRight() const;
    TVYXDocPropBorder* BorderBottom() const;
    // Half the width of the visible top / bottom border, the part inside the cell
    // (the other half lies in the neighbouring row); 0 without a visible border.
    double TopHalfBorderHeight() const;
    double BottomHalfBorderHeight() const;
    double GetFillColor() const { return FProps->FillColor; }
    void SetFillColor(TVYXColor color) { FProps->FillColor = color; }
    bool GetMerged() const { return (Flags & atcfMerged) != 0; }
    void SetMerged(bool on) { SetFlag(atcfMerged, on); }
    bool GetMergedRoot() const { return (Flags & atcfMergedRoot) != 0; }
    void SetMergedRoot(bool on) { SetFlag(atcfMergedRoot, on); }
    bool GetMergedLast() const { return (Flags & atcfMergedLast) != 0; }
    void SetMergedLast(bool on) { SetFlag(atcfMergedLast, on); }
    bool GetSelected() const { return (Flags & atcfSelected) != 0; }
    void SetSelected(bool on) { SetFlag(atcfSelected, on); }
    std::int32_t CalcRowSpan() const;
    // The top / bottom cell of the vertical merge the cell belongs to; the cell itself when it is in none.
    TVYXTableCell* MergeRoot() const;
    TVYXTableCell* MergeLast() const;
    std::int32_t CalcGridSpan() const;
    void SetGridSpan(std::int32_t span) { GridSpan = span < 1 ? 1 : span; }
    // Row difference, or cell difference within one row; raises "Cell is not in the same table".
    int Compare(const TVYXTableCell& other) const;
    void ClearContent();
    // True when the cell's last paragraph is empty and follows a table: it is there only
    // because a cell cannot end with a table, so layout gives it no height and a reader
    // need not write it out.
    bool LastParaIsAutoHidden() const;
    // The properties always exist; the name matches the row's AddProps.
    TVYXTableCellProps* AddProps() { return FProps.get(); }
    void Assign(const TVYXTableCell& source);
    std::unique_ptr<TVYXTableCell> Clone(TVYXTableRow* row) const;

private:
    void SetFlag(unsigned flag, bool on) { Flags = on ? (Flags | flag) : (Flags & ~flag); }
    std::unique_ptr<TVYXLogParas> FParas;
    std::unique_ptr<TVYXTableCellProps> FProps;
};

class TVYXTableRow {
public:
    explicit TVYXTableRow(TVYXTable* table) : Table(table) {}
    TVYXTableRow(const TVYXTableRow&) = delete;
    TVYXTableRow& operator=(const TVYXTableRow&) = delete;
    ~TVYXTableRow();

    int Index = -1;
    TVYXTable* Table;  // borrowed
    double Height = 0, AHeight = 0, MHeight = 0;
    float PixY1 = 0, PixY2 = 0;
    bool RptData = false;
    std::unique_ptr<TVYXTableRowProps> Props;
    std::uint16_t CnfStyle = 0;
    bool Permission = false;

    int Count() const { return static_cast<int>(FCells.size()); }
    TVYXTableCell* Add();
    TVYXTableCell* Add(std::unique_ptr<TVYXTableCell> cell);
    TVYXTableCell* Insert(int index);
    void DeleteCell(int index);
    TVYXTableCell* CellN(int i) const { return i >= 0 && i < Count() ? FCells[static_cast<std::size_t>(i)].get() : nullptr; }
    TVYXTableCell* GetCells(int i) const { return FCells.at(static_cast<std::size_t>(i)).get(); }
    TVYXTableCell* Last() const { return FCells.empty() ? nullptr : FCells.back().get(); }
    TVYXLogPara* FirstPara() const;
    TVYXLogPara* LastPara() const;
    TVYXTableRow* NextRow() const;
    TVYXTableRow* PrevRow() const;
    bool IsTop() const { return Index == 0; }
    bool IsBottom() const;
    bool IsMergedChild() const;
    // The laid-out height (AHeight) once laid out, else the set Height, at least MHeight.
    double GetHeight() const;
    double GetWidth() const;
    // The cell whose right edge equals x (within 1e-5) or lies beyond it; the last cell past the row; nullptr without cells.
    TVYXTableCell* HitWidth(double x) const;
    // The cell whose laid-out extent PixX1 <= x < PixX2 holds pixel x (the last cell's
    // right edge included); nullptr outside the cells.
    TVYXTableCell* Hit(double x) const;
    bool GetSelected() const;
    // The widest visible top / bottom border among the row's cells, 0 for none.
    double TopBorderMaxSize() const;
    double BottomBorderMaxSize() const;
    void ClearContent();
    TVYXTableRowProps* AddProps();
    // Merges cells first..last of this row into the first (TVYXTable::MergeCells).
    void MergeCells(int first, int last);
    // The row's properties and copies of `source`'s cells in place of its own.
    void Assign(const TVYXTableRow& source);
    // Only the sizes: the heights, and the width and width type of every cell that both
    // rows have at the same index (copying a column layout onto an existing row).
    void AssignWidthHeight(const TVYXTableRow& source);
    std::unique_ptr<TVYXTableRow> Clone(TVYXTable* table) const;
    void MakeDirty();

private:
    friend class TVYXTable;
    void Renumber();
    std::vector<std::unique_ptr<TVYXTableCell>> FCells;
};

class TVYXTable : public TVYXLogParaItem {
public:
    explicit TVYXTable(TVYXLogParas* paras);
    ~TVYXTable() override;

    TVYXTAPX& TAPX() const { return *FTAPX; }
    double YPos = 0;
    bool AnySelected = false;
    std::int32_t NestedCount = 0;
    std::u16string Name;
    void* ReportData = nullptr;  // free for the report engine
    std::function<double()> ParentWidth;
    double MaxWidth = 0;

    std::u16string GetPlainText() const override;
    TVYXLogParaType Type_() const override { return alptTable; }
    std::unique_ptr<TVYXLogParaItem> Clone(TVYXLogParas* paras) const override;
    void FormatAll(const TVYXCHPX* chpx) override;
    // A table has no character positions of its own: any range formats all of it.
    void FormatRange(const TVYXCHPX* chpx, std::int32_t, std::int32_t) override { FormatAll(chpx); }
    void FormatAllUncond(const TVYXCHPX* chpx) override;
    void CombineCharRuns() override;
    void ClearRows() override;
    // Pixels from the rows' and cells' laid-out extents; 0 before layout.
    double PixHeight() const override;
    double PixWidth() const override;

    // Selects the rectangle of cells: cell indexes col1..col2 of rows row1..row2 (either
    // pair in any order, clamped to the table), grown to whole vertical merges; the
    // previous selection is cleared. The number of cells selected.
    int Select(int col1, int row1, int col2, int row2);
    void ClearSelection();
    // Hit of a pixel point against the laid-out extents (cells PixX1..PixX2, rows
    // PixY1..PixY2; a boundary belongs to the cell right of / below it, the table's
    // right and bottom edges to the last cell). A vertically merged cell answers as
    // its merge root, over the merge's whole height. Where: within `edge` pixels of the
    // left or right side an edge (for column sizing; left wins in narrow cells), then
    // of the top or bottom, else amchInside; amchNone with no cell outside the table.
    TVYXTableHit Hit(double x, double y, double edge = 3) const;
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
    void AutoSizeColumns(const TVYXTextMeasure& measure = {});
    // Gives the rows `percent` % of `height` (points, such as the page's body height)
    // as their heights, in proportion to their laid-out heights (AHeight), else to
    // their set heights, else in equal parts.
    void SetHeightPercent(double percent, double height);

    int Count() const { return static_cast<int>(FRows.size()); }
    TVYXTableRow* GetRows(int i) const { return FRows.at(static_cast<std::size_t>(i)).get(); }
    TVYXTableCell* GetCells(int col, int row) const;
    TVYXTableRow* Add();
    TVYXTableRow* AddRow(int cols);
    void AddRows(int cols, int rows);
    // A copy of the last row, emptied; raises "Empty table" without rows.
    TVYXTableRow* Append();
    TVYXTableRow* Insert(int index);
    TVYXTableRow* InsertRow(int index) { return Insert(index); }
    void InsertCol(int index);
    void DeleteRow(int index);
    void DeleteCol(int index);
    // Merges the rectangle of cells: columns col1..col2 of rows row1..row2.
    void MergeCells(int col1, int row1, int col2, int row2);
    void SetWidth(double width);
    void SetWidthPercent(double percent);
    void SetColWidth(int col, double width);
    // Widens column `col` by `delta` and narrows the next column by as much (when there is one).
    void SetColDeltaWidth(int col, double delta);
    // Adds or removes rows and cells at the ends so that every row has `cols` cells and there are `rows` rows.
    void SetDimension(int cols, int rows);
    double GetColWidth(int col) const;
    double CalculatedWidth() const;
    double AvailableWidth() const;
    int MaxCells() const;
    TVYXTableCell* FirstCell() const;
    TVYXTableCell* LastCell() const;
    TVYXTableRow* LastRow() const { return FRows.empty() ? nullptr : FRows.back().get(); }
    TVYXLogPara* FirstPara() const;
    TVYXLogPara* LastPara() const;
    TVYXLogPara* LastRowCell0LastPara() const;
    // 1 in a root list, more when nested.
    int Level() const;
    bool IsTableInParas(const TVYXLogParas& paras) const;
    // Fits a table (pasted or nested into a narrower place) into its available width:
    // a table wider than AvailableWidth has every cell narrowed in proportion and a
    // point width set to match; a narrower table, or one with no width available, stays.
    void SetWithinTable();
    // The properties, name and copies of `source`'s rows in place of its own.
    void Assign(const TVYXTable& source);
    void SetEmpty();
    void Validate();
    void IncNested(int count);
    void DecNested(int count);
    // The cell that holds the table, nullptr in a root list.
    TVYXTableCell* ParentCell() const;

private:
    friend class TVYXTableRow;
    void Renumber(int from);
    // Puts the corners of a cell rectangle in order and clamps its rows to the table.
    void OrderRect(int& col1, int& row1, int& col2, int& row2) const;
    std::unique_ptr<TVYXTAPX> FTAPX;
    std::vector<std::unique_ptr<TVYXTableRow>> FRows;
};

// The item of `paras` holding `para` (the paragraph itself or an enclosing table);
// nullptr when `para` lies outside the list.
TVYXLogParaItem* VYXItemIn(const TVYXLogParas& paras, TVYXLogPara* para);
// The deepest list holding both paragraphs at any depth; nullptr when they share none.
TVYXLogParas* VYXCommonParas(TVYXLogPara& a, TVYXLogPara& b);

// Tables being built while a reader descends into nested tables.
class TVYXTableStack {
public:
    void Push(TVYXTable* table) { FItems.push_back(table); }
    TVYXTable* Pop();
    TVYXTable* Peek() const { return FItems.empty() ? nullptr : FItems.back(); }
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    std::vector<TVYXTable*> FItems;
};

// ---- Iteration -------------------------------------------------------------

class TVYXLogParasIterator {
public:
    std::function<void(TVYXLogPara& para)> ParaEvent;
    std::function<void(TVYXTable& table)> TableEvent;
    std::function<void(TVYXTableCell& cell)> CellEvent;
    std::function<void(TVYXCharRun& run)> CharRunEvent;
    void Iterate(TVYXLogParas& paras);
};

// Walks runs in reading order, entering and leaving tables.
class TVYXCharRunIterator {
public:
    TVYXLogParas* Paras = nullptr;
    TVYXLogPara* CurrPara = nullptr;
    TVYXCharRun* CurrCharRun = nullptr;
    bool ParaChanged = false;
    bool BeginIterate();
    bool BeginIterate(TVYXLogPara& para, TVYXCharRun* run);
    bool IterateNext() { return Step(true); }
    bool IteratePrev() { return Step(false); }

private:
    bool Step(bool forward);
};

// ---- Notes -----------------------------------------------------------------

class TVYXFootnoteItem : public TVYXFootnoteBaseItem {
public:
    TVYXLogPara* FNotePara = nullptr;  // holds the reference run (borrowed)
    TVYXLogPara* StartPara = nullptr;  // first / last paragraph of the note's text (borrowed)
    TVYXLogPara* EndPara = nullptr;
    std::u16string GetPlainText() const;
    // The limits of the note's text in the note list: the indexes of StartPara and
    // EndPara in their list (an EndPara in another list or before the start counts as
    // StartPara). False, with both -1, without a StartPara in a list.
    bool CalcLimits(int& first, int& last) const;
    // The laid-out height in pixels of the items from StartPara to EndPara (tables
    // between count with their rows); 0 before layout.
    double Height() const;
    // Replaces the note's text with one paragraph's worth; needs StartPara.
    void SetPlainText(std::u16string_view text);
};

class TVYXFootnotesList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXFootnoteItem* GetItems(int i) const { return FItems.at(static_cast<std::size_t>(i)).get(); }
    TVYXFootnoteItem* Add();
    TVYXFootnoteItem* Insert(int index);
    TVYXFootnoteItem* FindByFileId(std::int32_t id) const;
    TVYXFootnoteItem* First() const { return FItems.empty() ? nullptr : FItems.front().get(); }
    TVYXFootnoteItem* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXLogPara* FirstPara() const;
    TVYXLogPara* LastPara() const;
    void Reindex();
    TVYXFootnoteItem* LastAdded() const { return FLastAdded; }
    void Delete(int index);

private:
    std::vector<std::unique_ptr<TVYXFootnoteItem>> FItems;
    TVYXFootnoteItem* FLastAdded = nullptr;
};
