// VYXLogPara.h: a paragraph, the base of the items of a paragraph list, and the
// navigation interface that lists, cells and documents answer.
//
// Items know their index in their list (kept current unless an update bracket is
// open), so position comparisons and neighbour lookups cost no walk over the document.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXIndexObjectList.h"
#include "model/VYXNumbering.h"

class TVYXLogParaItem;
class TVYXLogPara;
class TVYXLogParas;
class TVYXTable;
class TVYXTableRow;
class TVYXTableCell;
class TVYXLogPos;
class TVYXModelPool;
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
    // A list for a copied text box: DoAddTextBox's, holding copies of `source`'s items
    // (an empty paragraph when `source` is nullptr); nullptr when this object makes none.
    // Virtual, and defined with the lists, so that a paragraph copying its anchored
    // objects reaches the list's copying without calling down into the unit built on it.
    virtual TVYXLogParas* AddTextBoxCopy(const TVYXLogParas* source);
};

// Base of paragraphs and tables.
class TVYXLogParaItem : public TVYXIndexObject {
    friend class TVYXLogParas;

public:
    explicit TVYXLogParaItem(TVYXLogParas* paras) : FParas(paras) {}
    TVYXLogParaItem(const TVYXLogParaItem&) = delete;
    TVYXLogParaItem& operator=(const TVYXLogParaItem&) = delete;
    ~TVYXLogParaItem() override = default;

    // The list holding the item (borrowed); the list sets it when the item enters.
    TVYXLogParas* Paras() const { return FParas; }
    // The place in the list (-1 outside a list); O(1) while the list is unchanged since the
    // last read, else logarithmic in the list's length.
    int Index() const;
    // The document's scratch lists, nullptr outside a document.
    const TVYXCHPX* GetTempCHPX() const;
    TVYXCHPX* GetTempCHPX();
    const TVYXPAPX* GetTempPAPX() const;
    TVYXPAPX* GetTempPAPX();

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
    // Reading order inside the item: a paragraph answers itself for each; a table the
    // first paragraph of its first cell, the last of its last cell, and the last
    // paragraph of its last row's first cell (where a step back from the item after it lands).
    virtual TVYXLogPara* FirstPara() const = 0;
    virtual TVYXLogPara* LastPara() const = 0;
    virtual TVYXLogPara* LastRowCell0LastPara() const = 0;
    // Makes the item whole after building or editing: a paragraph has a run, every cell a paragraph.
    virtual void Validate() = 0;
    bool IsPara() const { return Type_() == alptPara; }
    bool IsTable() const { return Type_() == alptTable; }

private:
    TVYXLogParas* FParas;  // borrowed: the owning list
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

// What few paragraphs have: a section, a frame, a name, anchored objects, a search
// state. A long document holds many paragraphs, so these live in one block the
// paragraph makes on first use instead of five empty members in every paragraph.
struct TVYXLogParaExtra {
    TVYXLogParaExtra();
    ~TVYXLogParaExtra();
    std::unique_ptr<TVYXSEP> SEP;
    std::unique_ptr<TVYXParaFrame> Frame;
    std::unique_ptr<TVYXGraphicObjList> Graphics;
    std::unique_ptr<VYXLogParaFindData> Find;
    std::u16string Name;
};

class TVYXLogPara : public TVYXLogParaItem {
public:
    explicit TVYXLogPara(TVYXLogParas* paras);
    ~TVYXLogPara() override;
    // A list with a document behind it makes its paragraphs in the document's pool
    // (model/VYXModelPool.h), as run lists do their runs.
    static void* operator new(std::size_t size) { return ::operator new(size); }
    static void* operator new(std::size_t size, TVYXModelPool& pool);
    static void operator delete(void* para) noexcept { ::operator delete(para); }
    static void operator delete(void* para, TVYXModelPool& pool) noexcept;  // the constructor threw
    static void operator delete(TVYXLogPara* para, std::destroying_delete_t);

    TVYXLogParaIterator* Iterator() const;
    const TVYXCharRuns& CharRuns() const { return FCharRuns; }
    TVYXCharRuns& CharRuns() { return FCharRuns; }
    const TVYXPAPX& PAPX() const { return FPAPX; }
    TVYXPAPX& PAPX() { return FPAPX; }
    const TVYXSEP* SEP() const { return FExtra ? FExtra->SEP.get() : nullptr; }
    TVYXSEP* SEP() { return FExtra ? FExtra->SEP.get() : nullptr; }
    // The paragraph's search state, nullptr until a search began here (most paragraphs
    // are never searched one by one, and a long document holds many).
    const VYXLogParaFindData* FindData() const { return FExtra ? FExtra->Find.get() : nullptr; }
    // Frame properties as read from a file, nullptr when the paragraph has none.
    const TVYXParaFrame* Frame() const { return FExtra ? FExtra->Frame.get() : nullptr; }
    TVYXParaFrame* Frame() { return FExtra ? FExtra->Frame.get() : nullptr; }
    // The frame, created empty on first use.
    TVYXParaFrame& AddFrame();
    std::u16string_view Name() const { return FExtra ? std::u16string_view(FExtra->Name) : std::u16string_view(); }
    void SetName(std::u16string_view name);
    // Pilcrow and Dirty are declared below, after the run list whose padding they use.

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
    TVYXLogPara* FirstPara() const override { return const_cast<TVYXLogPara*>(this); }
    TVYXLogPara* LastPara() const override { return const_cast<TVYXLogPara*>(this); }
    TVYXLogPara* LastRowCell0LastPara() const override { return const_cast<TVYXLogPara*>(this); }
    void Validate() override;

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
    std::int32_t TextLength() const { return FCharRuns.TextLength(); }
    std::int32_t Len() const { return EndOfParaPos() - 1; }
    bool HasText() const { return TextLength() > 0; }
    bool IsZeroLength() const { return Len() == 0; }
    // No runs, or one empty text run.
    bool Empty() const;
    char16_t GetChar(std::int32_t pos) const;
    char16_t CharAtPos(std::int32_t pos) const { return GetChar(pos); }
    TVYXCharType CharTypeAtPos(std::int32_t pos) const;
    const TVYXCHPX* CHPXAtPos(std::int32_t pos) const;
    TVYXCHPX* CHPXAtPos(std::int32_t pos);
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
    void BeginTOC(std::u16string_view switches) { FCharRuns.BeginTOC(switches); MakeDirty(); }
    void EndTOC() { FCharRuns.EndTOC(); MakeDirty(); }
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
    void AddPAPX(const TVYXPAPX& papx) { FPAPX.Merge(papx); MakeDirty(); }
    TVYXTabStops* AddTabStops() { return FPAPX.AddTabStops(); }
    const TVYXTabStops* GetTabStops() const { return FPAPX.GetTabStops(); }
    TVYXTabStops* GetTabStops() { return FPAPX.GetTabStops(); }
    void RemoveTabStops() { FPAPX.RemoveTabStops(); }
    // The stops that govern the paragraph: its own when it has any, else those of the
    // nearest style up the BasedOn chain that has any, else nullptr.
    const TVYXTabStops* GetTabs() const;
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
    const TVYXCharRun* CRFirst() const { return std::as_const(FCharRuns).First(); }
    TVYXCharRun* CRFirst() { return FCharRuns.First(); }
    const TVYXCharRun* CRLast() const { return std::as_const(FCharRuns).Last(); }
    TVYXCharRun* CRLast() { return FCharRuns.Last(); }
    TVYXTableCell* Cell() const;
    // The index of the root-list item that holds this paragraph (itself or its outermost table).
    int RootIndex() const;
    const TVYXCharRun* GetItems(int i) const { return std::as_const(FCharRuns).Items(i); }
    TVYXCharRun* GetItems(int i) { return FCharRuns.Items(i); }
    int Count() const { return FCharRuns.Count(); }
    const TVYXCHPX* LastCHPX() const;

    // ---- Search ----
    // With aftoWildcards `text` is a pattern (see TVYXWildcardPattern); a bad pattern finds nothing.
    void BeginFindText(std::u16string_view text, unsigned options);
    // The position of the next match from `pos` on, 0 when none; its length is FindData()->FindLen.
    std::int32_t FindTextNext(std::int32_t pos);
    void EndFindText() { InvalidateFind(); }
    void InvalidateFind()
    {
        if (VYXLogParaFindData* find = FExtra ? FExtra->Find.get() : nullptr) {
            find->Valid = false;
            find->FindSrcText.clear();
        }
    }

    void MakeDirty();
    // The run list's report of changed characters: the paragraph becomes dirty. Virtual so
    // that the run list reaches it through the paragraph's one vtable pointer and its unit
    // calls nothing in the paragraph's.
    virtual void RunsDirty(TVYXCharRuns& sender, TVYXCharRun& run);
    // The properties of `source` (its style mapped into this document's sheet), its
    // section, frame and name, and copies of its anchored objects (see AddGraphic),
    // which join the paragraph's own. `withRuns` also replaces the runs and Pilcrow.
    void Assign(const TVYXLogPara& source, bool withRuns);

    // ---- Layout and anchored objects ----
    // The laid-out rows, nullptr before layout. They are layout's cache, not part of the
    // document, so layout refreshes them through a const paragraph too.
    TVYXPhyRowsBase* Rows() const { return FRows.get(); }
    void SetRows(std::unique_ptr<TVYXPhyRowsBase> rows) { FRows = std::move(rows); }
    void ClearRows() override;
    // Pixels from the rows; 0 when the paragraph is not laid out.
    double PixHeight() const override;
    double PixWidth() const override;
    // The floating objects anchored here, nullptr when there are none yet.
    const TVYXGraphicObjList* Graphics() const { return FExtra ? FExtra->Graphics.get() : nullptr; }
    TVYXGraphicObjList* Graphics() { return FExtra ? FExtra->Graphics.get() : nullptr; }
    // The list, created on first use with the document's picture and shape stores.
    TVYXGraphicObjList& AddGraphics();
    // Anchors a floating object to the paragraph. Copies of the paragraph (paste, Clone)
    // copy it into the target's stores; a text box's paragraphs are copied into a list
    // the target's navigation object makes (DoAddTextBox), and a box whose document
    // gives none keeps its frame without text.
    TVYXGraphicObj& AddGraphic(std::unique_ptr<TVYXGraphicObj> graphic);
    // Moves every anchored object out of the paragraph, in their order (the same
    // objects, so that a text box keeps its paragraphs and its editor).
    std::vector<std::unique_ptr<TVYXGraphicObj>> TakeGraphics();
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
    // The block of rare members, made on first use.
    TVYXLogParaExtra& Extra();
    // Frees the block once nothing is left in it.
    void DropEmptyExtra();
    // The run before which an object inserted at `pos` goes, and its format.
    int InsertionIndex(std::int32_t pos, const TVYXCHPX*& chpx);
    // Splits the run holding `pos` so that a run begins there; the index of that run
    // (the run count at the end position).
    int RunBoundaryAt(std::int32_t pos);
    // Starts the range of `markup` with a boundary run at the paragraph's end.
    void OpenRange(TVYXMarkup& markup, TVYXCharRunLinkedType type);
    TVYXComplexField* InsertFormField(std::int32_t pos, std::unique_ptr<TVYXComplexField> field,
                                      std::u16string_view result);
    // Every paragraph has both, so they live in the paragraph: a long document holds
    // many paragraphs, and two small blocks apart from each cost memory and allocator work.
    // The two flags below go in the run list's tail padding (eight bytes a paragraph,
    // which keeps it one allocator size class lower).
    [[no_unique_address]] TVYXCharRuns FCharRuns;

public:
    bool Pilcrow = false;
    bool Dirty = true;

private:
    bool FInPool = false;  // made in a document's pool
    TVYXPAPX FPAPX;
    std::unique_ptr<TVYXPhyRowsBase> FRows;  // every laid-out paragraph has rows: kept here
    std::unique_ptr<TVYXLogParaExtra> FExtra;
};
