// VYXRevision.h: tracked changes: the data of one change, stored in the runs and property lists it
// marks, and the revision manager that collects those marks into ranges, keeps the authors and
// accepts or rejects changes.
#pragma once

#include <cstdint>
#include <array>
#include <compare>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXDocProps.h"

class TVYXCharRun;
class TVYXCharRuns;
class TVYXLogPara;
class TVYXParaWalker;

enum TVYXRevisionType { artUnknown, artInsert, artDelete, artMoveFrom, artMoveTo, artFormatCHPX, artFormatPAPX };
// Display names in the order of TVYXRevisionType.
extern const std::array<std::string_view, artFormatPAPX + 1> VYXRevisionTypeName;
// The colours changes are drawn in; the author with 0-based index i gets entry (i + 12) mod 13.
extern const std::array<TVYXColor, 13> VYXRevisionAuthorColor;
TVYXColor VYXRevisionAuthorColorOf(int authorIndex);

// The author of this session's changes: the USERNAME environment variable, else
// the login name, else the user database's name of the process owner, else "Author".
std::u16string VYXDefaultRevisionAuthor();

class TVYXRevisionData : public TVYXDocPropOwnedObj {
public:
    TVYXRevisionData() = default;
    TVYXRevisionData(const TVYXRevisionData&) = delete;
    TVYXRevisionData& operator=(const TVYXRevisionData&) = delete;
    ~TVYXRevisionData() override;

    std::int32_t Id = -1;   // the id read from a file; -1 for a change of this session
    std::u16string Name;    // internal name
    double Date = 0;        // days since 1899-12-30
    std::u16string Author;
    TVYXRevisionType RevType = artUnknown;
    void* Object = nullptr;  // free for the owner
    TVYXColor Color = 0;
    bool Enabled = true;
    std::function<void(TVYXRevisionData& sender)> DelEvent;

    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override;
    // Everything except Name.
    void Assign(const TVYXDocPropOwnedObj& source) override;
    // Same id, type and author.
    bool Equal(const TVYXDocPropOwnedObj& other) const override;
    // Runs with the same change compare equal, so their lists can merge.
    bool ComparedInLists() const override { return true; }
    std::unique_ptr<TVYXRevisionData> CloneData() const;
    bool SameSession(const TVYXRevisionData& other) const;
    bool CanCombine(const TVYXRevisionData& other) const { return Id == -1 && other.Id == -1 && Equal(other); }
};

// A format change of characters: the properties before the change.
class TVYXRevisionDataCHPX : public TVYXRevisionData {
public:
    ~TVYXRevisionDataCHPX() override;
    const TVYXCHPX* CHPX() const { return FCHPX.get(); }
    TVYXCHPX* CHPX() { return FCHPX.get(); }
    TVYXCHPX* AddCHPX(TVYXCHP* chp);
    std::unique_ptr<TVYXCHPX> TempCHPX;

    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override;
    void Assign(const TVYXDocPropOwnedObj& source) override;
    // Also equal lists when either side has one.
    bool Equal(const TVYXDocPropOwnedObj& other) const override;

private:
    std::unique_ptr<TVYXCHPX> FCHPX;
};

// A format change of a paragraph: the properties before the change.
class TVYXRevisionDataPAPX : public TVYXRevisionData {
public:
    ~TVYXRevisionDataPAPX() override;
    const TVYXPAPX* PAPX() const { return FPAPX.get(); }
    TVYXPAPX* PAPX() { return FPAPX.get(); }
    TVYXPAPX* AddPAPX(TVYXPAP* pap);
    std::unique_ptr<TVYXPAPX> TempPAPX;

    std::unique_ptr<TVYXDocPropOwnedObj> CreateObj() const override;
    void Assign(const TVYXDocPropOwnedObj& source) override;
    bool ComparedInLists() const override { return false; }

private:
    std::unique_ptr<TVYXPAPX> FPAPX;
};

// ---- Authors -------------------------------------------------------------------

class TVYXRevisionAuthor {
public:
    std::u16string Name;
    std::int32_t Usage = 0;  // revisions by this author
    bool Visible = true;
};

// Authors in the order they first appeared; the index picks the author's colour.
class TVYXRevisionAuthors {
public:
    // Counts one more use of an author (appended when new); returns the author's index.
    int AddAuthor(std::u16string_view name);
    // Counts one use less; an author whose usage drops below 1 leaves the list.
    void DeleteAuthor(std::u16string_view name);
    int IndexOf(std::u16string_view name) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXRevisionAuthor* GetItems(int index) const;
    TVYXRevisionAuthor* GetItems(int index);
    void Clear() { FItems.clear(); }
    // Collection recounts from zero; authors hidden by the user stay listed without uses.
    void ResetUsage();
    void DropUnused();

private:
    std::vector<std::unique_ptr<TVYXRevisionAuthor>> FItems;
};

// ---- Ranges ----------------------------------------------------------------------

// A place in the body: the paragraph's index in reading order (as the body's
// walker lists them) and a 1-based character position in it.
struct TVYXRevisionPos {
    int Para = 0;
    std::int32_t Pos = 1;
    auto operator<=>(const TVYXRevisionPos&) const = default;
};

class TVYXRevisionRanges;

// A stretch of marked content from run CR1 to run CR2 (both inclusive, possibly
// in different paragraphs). A paragraph format change covers its paragraph's runs
// and keeps the paragraph's list in PAPX. All pointers are borrowed from the body
// and valid only until the next edit: the manager collects again after changes.
class TVYXRevisionRange {
public:
    TVYXRevisionRanges* Parent = nullptr;
    TVYXRevisionData* Revision = nullptr;
    int Index = 0;     // position in the list
    int DocIndex = 0;  // position in reading order, kept through sorting
    TVYXCharRun* CR1 = nullptr;
    TVYXLogPara* Para1 = nullptr;
    int ParaIndex1 = 0;
    TVYXCharRun* CR2 = nullptr;
    TVYXLogPara* Para2 = nullptr;
    int ParaIndex2 = 0;
    TVYXPAPX* PAPX = nullptr;  // paragraph format changes only

    // Extends the range to end at `run`.
    void Update(TVYXLogPara* para, int paraIndex, TVYXCharRun* run);
    TVYXRevisionPos First() const;
    // The position after the last run.
    TVYXRevisionPos Last() const;
    bool Hit(const TVYXRevisionPos& pos) const;
    void CopyFirstTo(TVYXRevisionPos& pos) const { pos = First(); }
    void CopyLastTo(TVYXRevisionPos& pos) const { pos = Last(); }
    // The plain text of the runs; paragraphs end in "\r\n".
    std::u16string GetText() const;
    // Applies the change to the runs (Accept) or drops it (Reject), walking back
    // from the last run; paragraphs left without runs are offered to the body for removal.
    void Accept() { Apply(true); }
    void Reject() { Apply(false); }

private:
    void Apply(bool accept);
};

enum TVYXRevisionRangeSortOrder { arrsoDocument, arrsoAuthor, arrsoDate, arrsoType };

class TVYXRevision;

class TVYXRevisionRanges {
public:
    explicit TVYXRevisionRanges(TVYXRevision* owner = nullptr) : Owner(owner) {}
    TVYXRevision* Owner;  // borrowed: the manager owns the list
    TVYXRevisionRangeSortOrder SortOrder = arrsoDocument;

    // A range of one run.
    TVYXRevisionRange* Add(TVYXLogPara* para, int paraIndex, TVYXCharRun* run, TVYXRevisionData* data);
    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXRevisionRange* GetItems(int index) const;
    TVYXRevisionRange* GetItems(int index);
    // The first range containing the position.
    const TVYXRevisionRange* Find(const TVYXRevisionPos& pos) const { return GetItems(IndexOfHit(pos)); }
    TVYXRevisionRange* Find(const TVYXRevisionPos& pos) { return GetItems(IndexOfHit(pos)); }
    // The first range starting at or after the position / the last one starting before it.
    const TVYXRevisionRange* FindNext(const TVYXRevisionPos& pos) const { return GetItems(IndexOfNext(pos)); }
    TVYXRevisionRange* FindNext(const TVYXRevisionPos& pos) { return GetItems(IndexOfNext(pos)); }
    const TVYXRevisionRange* FindPrev(const TVYXRevisionPos& pos) const { return GetItems(IndexOfPrev(pos)); }
    TVYXRevisionRange* FindPrev(const TVYXRevisionPos& pos) { return GetItems(IndexOfPrev(pos)); }
    // The other half of a move: move-from or move-to with the same revision Name.
    const TVYXRevisionRange* FindMove(const TVYXRevisionRange& range) const { return GetItems(IndexOfMove(range)); }
    TVYXRevisionRange* FindMove(const TVYXRevisionRange& range) { return GetItems(IndexOfMove(range)); }
    void Remove(int index);
    void Reindex();
    void Sort(TVYXRevisionRangeSortOrder order);
    void Clear() { FItems.clear(); }

private:
    // Indexes of the lookups above, -1 when none; one search serves both forms.
    int IndexOfHit(const TVYXRevisionPos& pos) const;
    int IndexOfNext(const TVYXRevisionPos& pos) const;
    int IndexOfPrev(const TVYXRevisionPos& pos) const;
    int IndexOfMove(const TVYXRevisionRange& range) const;
    std::vector<std::unique_ptr<TVYXRevisionRange>> FItems;
};

// The revision manager of one document. The ranges are a cache over the marks in
// the runs and lists: adding or destroying revision data marks them invalid and
// the next iteration collects them again. Data it hands out report back to it when
// freed, so it must outlive them: the document frees its body before its manager.
class TVYXRevision {
public:
    explicit TVYXRevision(TVYXParaWalker* paras = nullptr);
    TVYXRevision(const TVYXRevision&) = delete;
    TVYXRevision& operator=(const TVYXRevision&) = delete;
    ~TVYXRevision();

    TVYXRevisionRanges Ranges;
    TVYXParaWalker* Paras;  // borrowed: the document's body
    TVYXRevisionRange* IterRange = nullptr;
    bool TrackChanges = false;
    bool RevDeleted = false;  // revision data went away since the last collection
    std::function<void(TVYXRevision& sender)> ChangedEvent;
    bool IsWorking = false;
    bool Invalid = true;
    std::int32_t TempCount = 0;
    std::int32_t InternalIdCnt = 0;
    std::u16string DefaultAuthor;  // the author of this session's changes

    TVYXRevisionAuthors& Authors() { return FAuthors; }

    // New revision data of this session, of the class the type needs; the caller
    // attaches it to runs or lists.
    std::unique_ptr<TVYXRevisionData> Add(std::u16string_view author, TVYXRevisionType type);
    std::unique_ptr<TVYXRevisionData> Add(TVYXRevisionType type) { return Add(DefaultAuthor, type); }
    // Revision data read from a file.
    std::unique_ptr<TVYXRevisionData> FileAdd(std::int32_t id, double date, std::u16string_view author,
                                              TVYXRevisionType type);
    int AddAuthor(std::u16string_view name) { return FAuthors.AddAuthor(name); }
    void DeleteAuthor(std::u16string_view name) { FAuthors.DeleteAuthor(name); }
    // Shows or hides every change of the author, then collects again.
    void EnableAuthor(std::u16string_view name, bool enable);
    void EnableAuthor(int index, bool enable);
    void EnableAuthors(bool enable);

    void Collect();
    void Clear();
    void CheckInvalid();
    void BeginUpdate() { ++FUpdating; }
    void EndUpdate();

    // Starts at the first range at or after the position (before it, going back).
    TVYXRevisionRange* BeginIterate(const TVYXRevisionPos& pos, bool forward = true);
    TVYXRevisionRange* IterateNext();
    TVYXRevisionRange* IteratePrev();

    // nullptr means the current iteration range. False when there is none or when
    // edits made the ranges stale (iterate or CheckInvalid first). Collects again after.
    bool Accept(TVYXRevisionRange* range = nullptr) { return Resolve(range, true); }
    bool Reject(TVYXRevisionRange* range = nullptr) { return Resolve(range, false); }
    void AcceptAll() { ResolveAll(true); }
    void RejectAll() { ResolveAll(false); }
    void SetTrackChanges(bool on) { TrackChanges = on; }

    // Revision data was destroyed outside accepting and rejecting.
    void RevisionDeleted(TVYXRevisionData& data);

private:
    bool Resolve(TVYXRevisionRange* range, bool accept);
    void ResolveAll(bool accept);
    void SetEnabled(const std::function<bool(const TVYXRevisionData&)>& match, bool enable);
    void Changed()
    {
        if (ChangedEvent)
            ChangedEvent(*this);
    }
    TVYXRevisionAuthors FAuthors;
    int FUpdating = 0;
};
