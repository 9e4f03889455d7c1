// VYXLogParas.h: the body of a document: paragraph lists, and through the units it
// includes, paragraphs, tables nested to any depth and notes.
//
// A paragraph list holds paragraphs and tables; a table holds rows, a row
// cells, and every cell its own paragraph list. This header gives the whole body;
// units that need less include VYXLogPara.h, VYXTable.h or VYXNotes.h alone.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXIndexObjectList.h"
#include "model/VYXLogPara.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXTable.h"

// The navigation object of a root list (a document without an editor of its own uses it).
class TVYXLogParasRootIterator : public TVYXLogParaIterator {
public:
    // The root list walked (borrowed); its owner sets it once the list exists.
    TVYXLogParas* Paras() const { return FParas; }
    void SetParas(TVYXLogParas* paras) { FParas = paras; }
    TVYXLogPara* FirstPara() override;
    TVYXLogPara* LastPara() override;
    TVYXLogPara* NextPara(TVYXLogParaItem& item) override;
    TVYXLogPara* PrevPara(TVYXLogParaItem& item) override;

private:
    TVYXLogParas* FParas = nullptr;
};

class TVYXLogParas {
public:
    TVYXLogParas(TVYXRootData* root, TVYXLogParaIterator* iterator, TVYXTableCell* cell = nullptr);
    TVYXLogParas(const TVYXLogParas&) = delete;
    TVYXLogParas& operator=(const TVYXLogParas&) = delete;
    ~TVYXLogParas();

    // The navigation object (borrowed): the document for a root list, the cell in a cell.
    TVYXLogParaIterator* Iterator() const { return FIterator; }
    void SetIterator(TVYXLogParaIterator* iterator) { FIterator = iterator; }
    // The cell holding the list (borrowed), nullptr for a root list.
    TVYXTableCell* Cell() const { return FCell; }
    // The document-wide tables (borrowed), nullptr for a list outside a document.
    TVYXRootData* RootManager() const { return FRootManager; }
    TVYXNumberingStyleType AutoNumbering = anstNone;
    std::int32_t NumberingLevel = 0;
    TVYXBulletListStyle BulletStyle = ablsDefault;
    std::function<void(TVYXLogPara& para)> DirtyParaEvent;
    std::function<double()> WidthEvent;
    std::function<void(TVYXLogParas& sender)> ParaChangeEvent;
    TVYXTabStop TempTab;  // scratch stop handed out by MapTab

    // ---- Access ----
    int Count() const { return FItems.Count(); }
    const TVYXLogParaItem* GetItems(int i) const { return static_cast<const TVYXLogParaItem*>(FItems.Items(i)); }
    TVYXLogParaItem* GetItems(int i) { return static_cast<TVYXLogParaItem*>(FItems.Items(i)); }
    // Raise "Para item is not para" / "Para item is not table" for the other kind.
    const TVYXLogPara* GetParas(int i) const;
    TVYXLogPara* GetParas(int i) { return const_cast<TVYXLogPara*>(std::as_const(*this).GetParas(i)); }
    const TVYXTable* GetTables(int i) const;
    TVYXTable* GetTables(int i) { return const_cast<TVYXTable*>(std::as_const(*this).GetTables(i)); }
    // The item as a paragraph, nullptr for a table or a bad index.
    const TVYXLogPara* ParaAtIndex(int i) const;
    TVYXLogPara* ParaAtIndex(int i) { return const_cast<TVYXLogPara*>(std::as_const(*this).ParaAtIndex(i)); }
    const TVYXLogParaItem* First() const { return static_cast<const TVYXLogParaItem*>(FItems.First()); }
    TVYXLogParaItem* First() { return static_cast<TVYXLogParaItem*>(FItems.First()); }
    const TVYXLogParaItem* Last() const { return static_cast<const TVYXLogParaItem*>(FItems.Last()); }
    TVYXLogParaItem* Last() { return static_cast<TVYXLogParaItem*>(FItems.Last()); }
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
    const TVYXCharRunBreak* FindMarker(std::int32_t id) const;
    TVYXCharRunBreak* FindMarker(std::int32_t id)
    {
        return const_cast<TVYXCharRunBreak*>(std::as_const(*this).FindMarker(id));
    }
    // The graphic run holding `graphic`, cells included; nullptr when none.
    const TVYXCharRunGraphic* FindGraphic(const TVYXGraphicObj* graphic) const;
    TVYXCharRunGraphic* FindGraphic(const TVYXGraphicObj* graphic)
    {
        return const_cast<TVYXCharRunGraphic*>(std::as_const(*this).FindGraphic(graphic));
    }
    // The first watermark shape in reading order, cells included; nullptr when none.
    const TVYXGraphicShape* FindWatermark() const;
    TVYXGraphicShape* FindWatermark() { return const_cast<TVYXGraphicShape*>(std::as_const(*this).FindWatermark()); }

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
    // Joins the paragraph at `index` and the next one: the second one's runs and
    // anchored objects (after the first one's, in their order) move into the first.
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
    const TVYXCharRunGraphic* FirstGraphicRun(const std::function<bool(const TVYXCharRunGraphic&)>& match) const;
    void Attached(TVYXLogParaItem& item);
    // Adds `count` to the nested-table count of `table` and of each table holding it.
    static void CountNested(TVYXTable* table, int count);
    void Detached(TVYXLogParaItem& item);
    // CreatePara given the paragraph before the new one's place (nullptr when none or a
    // table): Insert needs it too and looks it up once.
    std::unique_ptr<TVYXLogPara> CreateParaAfter(const TVYXLogPara* pred);
    TVYXLogParaIterator* FIterator;  // borrowed
    TVYXTableCell* FCell;            // borrowed
    TVYXRootData* FRootManager;      // borrowed
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

// The item of `paras` holding `para` (the paragraph itself or an enclosing table);
// nullptr when `para` lies outside the list.
TVYXLogParaItem* VYXItemIn(const TVYXLogParas& paras, TVYXLogPara* para);
// The deepest list holding both paragraphs at any depth; nullptr when they share none.
TVYXLogParas* VYXCommonParas(TVYXLogPara& a, TVYXLogPara& b);

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
