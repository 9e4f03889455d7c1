// VYXCharRun.h: character runs, the content of a paragraph, and the run list.
//
// A paragraph's text lives only in its runs; each run holds characters or one
// inline object and optionally its own character properties. Positions are
// 1-based over the concatenated run texts; every run keeps its StartPos, which
// the list re-synchronises after each change from the changed run on.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/VYXDefs.h"
#include "model/VYXDocProps.h"

class TVYXCharRuns;
class TVYXLogPara;
class TVYXModelPool;
class TVYXRootData;
class TVYXRevisionData;
class TVYXFontDataDoc;
class TVYXGraphicObj;
class TVYXHyperlink;
class TVYXBitmap;

enum TVYXCharRunType {
    acrtText, acrtTab, acrtBreak, acrtGraphic, acrtPicture, acrtHyperlink, acrtSimpleField, acrtLinked,
    acrtFootnote, acrtFootnoteRef, acrtFldChar, acrtInstrText
};

enum TVYXCharRunFlag { acrfReadOnly = 1, acrfDoNotCopy = 2 };

enum TVYXCharRunBreakType {
    acrbtLineBreak, acrbtPageBreak, acrbtColumn, acrbMarker, acrbtSeparator, acrbtContinuationSeparator
};
extern const std::array<std::string_view, acrbtContinuationSeparator + 1> VYXCharRunBreakTypeName;

enum TVYXCharRunFldCharType { acrfctBegin, acrfctSeparate, acrfctEnd };
enum TVYXCharRunLinkedType { acrltBookmark, acrltPermission, acrltComment, acrltComplexField, acrltRevision };
enum TVYXCharRunLinkedPos { acrlpSingle, acrlpFirst, acrlpMiddle, acrlpLast };
enum TVYXCharRunChange { acrcNone, acrcDeleted };

// What linked runs and simple-field runs point at: bookmarks, comments,
// permissions, complex fields, revision ranges and simple fields derive from it.
class TVYXMarkupObject {
public:
    virtual ~TVYXMarkupObject() = default;
};

// A run's markup object. Objects a document list owns (bookmarks, comments,
// permissions) are only named. A field belongs to its runs instead: the pieces a cut
// leaves, the other boundary of a complex field and the copies an undo record keeps
// all share it, so whichever of them goes last frees it. Shared ownership is the point
// here: no one run outlives the others.
class TVYXMarkupRef {
public:
    TVYXMarkupObject* Get() const { return FField; }
    // Whether the run holds a share of the object (else it only names it).
    bool Owns() const { return FShared != nullptr; }
    void Set(std::unique_ptr<TVYXMarkupObject> field)
    {
        FShared = std::move(field);
        FField = FShared.get();
    }
    void SetRef(TVYXMarkupObject* field)
    {
        FShared.reset();
        FField = field;
    }
    // The object of `source`, shared when `source` shares it.
    void Assign(const TVYXMarkupRef& source)
    {
        FShared = source.FShared;
        FField = source.FField;
    }

private:
    TVYXMarkupObject* FField = nullptr;
    std::shared_ptr<TVYXMarkupObject> FShared;
};

// A run's character properties and its tracked change, owned in one word. Most runs have
// properties at most, so the word points at them; a run with a tracked change points at a
// pair holding both (the low bit set; both are at least 8-aligned). A long document holds
// millions of runs, and one word instead of two keeps a run at 64 bytes.
class TVYXRunProps {
public:
    TVYXRunProps() = default;
    TVYXRunProps(const TVYXRunProps&) = delete;
    TVYXRunProps& operator=(const TVYXRunProps&) = delete;
    ~TVYXRunProps();

    const TVYXCHPX* CHPX() const { return IsPair() ? Pair()->CHPX.get() : reinterpret_cast<const TVYXCHPX*>(FBits); }
    TVYXCHPX* CHPX() { return IsPair() ? Pair()->CHPX.get() : reinterpret_cast<TVYXCHPX*>(FBits); }
    const TVYXRevisionData* Revision() const { return IsPair() ? Pair()->Revision.get() : nullptr; }
    TVYXRevisionData* Revision() { return IsPair() ? Pair()->Revision.get() : nullptr; }
    // Take `chpx` / `revision` in place of the ones held; nullptr frees them.
    void SetCHPX(std::unique_ptr<TVYXCHPX> chpx);
    void SetRevision(std::unique_ptr<TVYXRevisionData> revision);

private:
    struct TPair {
        std::unique_ptr<TVYXCHPX> CHPX;
        std::unique_ptr<TVYXRevisionData> Revision;
    };
    static constexpr std::uintptr_t cPair = 1;
    bool IsPair() const { return (FBits & cPair) != 0; }
    TPair* Pair() const { return reinterpret_cast<TPair*>(FBits & ~cPair); }
    // Back to a bare properties pointer once the pair holds no tracked change.
    void Unpair();
    std::uintptr_t FBits = 0;  // owned: nullptr, a TVYXCHPX, or a TPair | cPair
};

class TVYXCharRun {
public:
    TVYXCharRun();
    TVYXCharRun(const TVYXCharRun&) = delete;
    TVYXCharRun& operator=(const TVYXCharRun&) = delete;
    virtual ~TVYXCharRun();

    // The characters. They change through SetText, SetRawText, Append and DeleteChars,
    // which keep the list's start positions in step.
    const std::u16string& Text() const { return FText; }
    // The list holding the run (borrowed), nullptr outside a list.
    TVYXCharRuns* Parent() const { return FParent; }
    // The paragraph position of the first character; the list keeps it.
    std::int32_t StartPos() const { return FStartPos; }
    // The place in the list, -1 outside a list.
    int Index() const { return FIndex; }
    // TVYXCharRunFlag values; declared with the run's fields below so that they share a word.

    // Text, upper-cased for all caps and lower-cased for small caps.
    virtual void GetText(std::u16string& text) const;
    std::u16string GetText() const
    {
        std::u16string t;
        GetText(t);
        return t;
    }
    // Text, flags and start position; the list with style mapping between the documents; revision data.
    virtual void Assign(const TVYXCharRun& source);
    // A new run of the same kind and content.
    std::unique_ptr<TVYXCharRun> Clone() const;
    // A copy holding the characters from paragraph position `from` to `to` - 1.
    std::unique_ptr<TVYXCharRun> Clone(std::int32_t from, std::int32_t to) const;
    virtual TVYXCharRunType Type_() const { return acrtText; }
    virtual std::int32_t Len() const { return static_cast<std::int32_t>(Text().size()); }

    bool IsAtom() const;
    bool IsNotAtom() const { return !IsAtom(); }
    // The run's characters as plain text: "\r\n" for line and page breaks.
    std::u16string GetPlainText() const;

    void SetText(std::u16string_view text);
    void SetRawText(std::u16string_view text);
    void Append(std::u16string_view text);
    // `pos` 1-based inside the run; returns how many characters were after it before.
    std::int32_t DeleteChars(std::int32_t pos, std::int32_t count);
    std::u16string CopyText(std::int32_t from, std::int32_t to) const;

    std::int32_t GetEndPos() const { return StartPos() + Len(); }
    std::int32_t GetLastPos() const { return StartPos() + Len() - 1; }
    char16_t FirstChar() const { return Text().empty() ? 0 : Text().front(); }
    char16_t LastChar() const { return Text().empty() ? 0 : Text().back(); }
    // The character at paragraph position `pos`, 0 outside the run.
    char16_t CPGetChar(std::int32_t pos) const;

    TVYXCharRun* Next() const;
    TVYXCharRun* Prev() const;
    TVYXCharRun* First() const;
    TVYXCharRun* Last() const;

    const TVYXCHPX* CHPX() const { return FProps.CHPX(); }
    TVYXCHPX* CHPX() { return FProps.CHPX(); }
    TVYXCHPX* AddCHPX();
    void DeleteCHPX() { FProps.SetCHPX(nullptr); }
    // Drops a list that is empty or holds only revision data.
    void DeleteCHPXIfEmpty();
    // The run's list, else the master CHP's empty list (answers the master values).
    const TVYXCHPX* GetValidCHPX() const;
    // The properties a tracked format change replaced, nullptr without one.
    const TVYXCHPX* GetRevisionCHPX() const;
    TVYXCHPX* GetRevisionCHPX();
    void InheritPrevCHPXIfNil();
    void InheritNextCHPXIfNil();
    // A copy of `chpx`, or no list for nullptr.
    void SetCHPX(const TVYXCHPX* chpx);

    const TVYXRevisionData* Revision() const { return FProps.Revision(); }
    TVYXRevisionData* Revision() { return FProps.Revision(); }
    void AddRevision(std::unique_ptr<TVYXRevisionData> data);
    void RemoveRevision();
    bool HasAnyRevision() const;
    bool HasEnabledRevision() const;

    void SetReadOnly(bool on) { SetFlag(acrfReadOnly, on); }
    bool GetReadOnly() const { return (Flags & acrfReadOnly) != 0; }
    // The flag counts only while the document's protection is enforced.
    bool GetReadOnlyActive() const;
    void SetDoNotCopy(bool on) { SetFlag(acrfDoNotCopy, on); }
    bool GetDoNotCopy() const { return (Flags & acrfDoNotCopy) != 0; }

    bool CanDelete() const { return Type_() == acrtText && Text().empty(); }
    bool CanCombine(const TVYXCharRun& other) const;
    bool CanCombine2(const TVYXCharRun& other) const { return CanCombine(other); }
    bool CanCombineLeft() const;
    bool CanCombineRight() const;
    bool CanCombineLeft(const TVYXCharRun& other) const;

    bool IsLineBreak() const;
    bool IsPageBreak() const;
    bool IsFootnote() const;
    bool IsFootnoteRef() const;
    bool IsEndnote() const;
    bool IsEndnoteRef() const;
    bool IsComplexField() const;

    // The run's effective format (paragraph style and mark from `papx` when given).
    void SetupFontData(TVYXFontDataDoc& fontData, const TVYXPAPX* papx = nullptr, bool withParaMark = false) const;

    TVYXRootData* Root() const;

    // A run list with a document behind it makes its runs in the document's pool
    // (model/VYXModelPool.h); every other run comes from the general heap. Deleting a run
    // gives it back to where it came from.
    static void* operator new(std::size_t size) { return ::operator new(size); }
    static void* operator new(std::size_t size, TVYXModelPool& pool);
    static void operator delete(void* run) noexcept { ::operator delete(run); }
    static void operator delete(void* run, TVYXModelPool& pool) noexcept;  // a constructor threw
    static void operator delete(TVYXCharRun* run, std::destroying_delete_t);

protected:
    friend class TVYXCharRuns;
    // Runs whose kind fixes their characters (tab, break) start with them.
    explicit TVYXCharRun(std::u16string text);
    // A new, empty run of the same kind.
    virtual std::unique_ptr<TVYXCharRun> CreateSame() const { return std::make_unique<TVYXCharRun>(); }
    void Changed();

private:
    void SetFlag(unsigned flag, bool on) { Flags = on ? (Flags | flag) : (Flags & ~flag); }
    // A long document holds millions of runs: the fields are ordered so that none pads,
    // and the index shares its word with the flags (no paragraph holds 2^28 runs).
    std::u16string FText;
    TVYXCharRuns* FParent = nullptr;  // borrowed: the list owns the run
    TVYXRunProps FProps;  // the run's CHPX and tracked change
    std::int32_t FStartPos = 1;
    int FIndex : 29 = -1;
    unsigned FInPool : 1 = 0;  // made in a document's pool

public:
    unsigned Flags : 2 = acrfReadOnly;
};

class TVYXCharRunTab : public TVYXCharRun {
public:
    // A tab's width belongs to the row that lays it out (its row piece), not to the run.
    TVYXCharRunTab() : TVYXCharRun(u"\t") {}
    TVYXCharRunType Type_() const override { return acrtTab; }

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunTab>(); }
};

class TVYXCharRunBreak : public TVYXCharRun {
public:
    explicit TVYXCharRunBreak(TVYXCharRunBreakType type = acrbtLineBreak) : TVYXCharRun(std::u16string(1, u'\0')), BreakType(type) {}
    TVYXCharRunBreakType BreakType;
    std::int32_t Id = 0;  // the number of a marker
    TVYXCharRunType Type_() const override { return acrtBreak; }
    void Assign(const TVYXCharRun& source) override;

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunBreak>(); }
};

class TVYXCharRunGraphic : public TVYXCharRun {
public:
    TVYXCharRunGraphic();
    ~TVYXCharRunGraphic() override;
    std::unique_ptr<TVYXGraphicObj> Graphic;
    bool FullWidth = false;
    TVYXCharRunType Type_() const override { return acrtGraphic; }
    void Assign(const TVYXCharRun& source) override;

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunGraphic>(); }
};

class TVYXCharRunPicture : public TVYXCharRun {
public:
    TVYXCharRunPicture();
    ~TVYXCharRunPicture() override;
    std::vector<std::uint8_t> Origdata;  // the picture as encoded in the file
    TVYXPictureType OrigType = aptUnknown;
    // The decoded image; nullptr for formats kept only as bytes (metafiles, TIFF).
    std::unique_ptr<TVYXBitmap> Bitmap;
    // Takes `bytes` as the original data, its type from the first bytes, and decodes
    // raster formats. Bad bytes raise VYXException and leave the run as it was.
    void LoadPicture(std::string_view bytes);
    TVYXCharRunType Type_() const override { return acrtPicture; }
    void Assign(const TVYXCharRun& source) override;

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunPicture>(); }
};

class TVYXCharRunHyperlink : public TVYXCharRun {
public:
    TVYXHyperlink* Hyperlink = nullptr;  // borrowed: the document's hyperlink list owns it
    bool HLinkFirst = false, HLinkLast = false;
    TVYXCharRunType Type_() const override { return acrtHyperlink; }
    void Assign(const TVYXCharRun& source) override;

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunHyperlink>(); }
};

class TVYXCharRunSimpleField : public TVYXCharRun {
public:
    TVYXMarkupObject* SimpField() const { return FField.Get(); }
    bool OwnsField() const { return FField.Owns(); }
    // The run takes the field over (copies and pieces share it) / only names it.
    void SetField(std::unique_ptr<TVYXMarkupObject> field) { FField.Set(std::move(field)); }
    void SetFieldRef(TVYXMarkupObject* field) { FField.SetRef(field); }
    // The field of `other`, shared as `other` holds it.
    void ShareField(const TVYXCharRunSimpleField& other) { FField.Assign(other.FField); }
    TVYXCharRunType Type_() const override { return acrtSimpleField; }
    void Assign(const TVYXCharRun& source) override;

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunSimpleField>(); }

private:
    TVYXMarkupRef FField;
};

// The note a footnote run anchors or marks.
struct TVYXFootnoteBaseItem {
    TVYXCharRun* CharRun = nullptr;  // the anchor run (borrowed)
    std::int32_t FileId = 0;
    std::int32_t Index = 0;          // 0-based number of the note
};

class TVYXCharRunFootnote : public TVYXCharRun {
public:
    explicit TVYXCharRunFootnote(bool isRef = false) : IsRef(isRef) {}
    TVYXFootnoteBaseItem* Footnote = nullptr;  // borrowed: the note list owns it
    bool IsRef;
    bool IsEndnote = false;
    void MakeEndnote() { IsEndnote = true; }
    using TVYXCharRun::GetText;
    // The note's number, "?" without a note.
    void GetText(std::u16string& text) const override;
    std::int32_t Len() const override;
    TVYXCharRunType Type_() const override { return IsRef ? acrtFootnoteRef : acrtFootnote; }
    void Assign(const TVYXCharRun& source) override;

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunFootnote>(IsRef); }
};

class TVYXCharRunFldChar : public TVYXCharRun {
public:
    explicit TVYXCharRunFldChar(TVYXCharRunFldCharType type = acrfctBegin) : FldCharType(type) {}
    TVYXCharRunFldCharType FldCharType;
    TVYXCharRunType Type_() const override { return acrtFldChar; }
    void Assign(const TVYXCharRun& source) override;

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunFldChar>(); }
};

class TVYXCharRunInstrText : public TVYXCharRun {
public:
    std::u16string InstrText;
    std::u16string InstrId;  // bookmark name of a table-of-contents page reference
    TVYXCharRunType Type_() const override { return acrtInstrText; }
    void Assign(const TVYXCharRun& source) override;

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunInstrText>(); }
};

// A boundary of a markup object. The boundaries of one object form a chain
// (possibly across paragraphs); a run leaving the chain relinks its neighbours.
class TVYXCharRunLinked : public TVYXCharRun {
public:
    explicit TVYXCharRunLinked(TVYXCharRunLinkedType type = acrltBookmark) : LinkedType(type) {}
    ~TVYXCharRunLinked() override;
    TVYXCharRunLinkedType LinkedType;
    TVYXCharRunLinked* LinkedPrev = nullptr;  // borrowed
    TVYXCharRunLinked* LinkedNext = nullptr;  // borrowed

    TVYXMarkupObject* Field() const { return FField.Get(); }
    bool OwnsField() const { return FField.Owns(); }
    void SetField(std::unique_ptr<TVYXMarkupObject> field) { FField.Set(std::move(field)); }
    void SetFieldRef(TVYXMarkupObject* field) { FField.SetRef(field); }
    // The object of `other`, shared as `other` holds it.
    void ShareField(const TVYXCharRunLinked& other) { FField.Assign(other.FField); }

    // Appends `next` to the chain after this run.
    void LinkTo(TVYXCharRunLinked& next);
    void Unlink();
    TVYXCharRunLinkedPos Position() const;
    const TVYXCharRunLinked* GetFirst() const;
    TVYXCharRunLinked* GetFirst() { return const_cast<TVYXCharRunLinked*>(std::as_const(*this).GetFirst()); }
    const TVYXCharRunLinked* GetLast() const;
    TVYXCharRunLinked* GetLast() { return const_cast<TVYXCharRunLinked*>(std::as_const(*this).GetLast()); }
    TVYXCharRunLinked* GetTextCR() { return GetLast(); }
    int LinkSpan() const;
    // The list of the first text run between the first and the last boundary (same paragraph only).
    const TVYXCHPX* TextCHPX() const;

    TVYXCharRunType Type_() const override { return acrtLinked; }
    void Assign(const TVYXCharRun& source) override;

protected:
    std::unique_ptr<TVYXCharRun> CreateSame() const override { return std::make_unique<TVYXCharRunLinked>(); }

private:
    TVYXMarkupRef FField;
};

// The run pointers of one list. Most paragraphs hold a single run, so the first slot lives
// inside the list and a second run moves the slots to the heap: a long document saves one
// small block per paragraph (and its allocator work when the document is read or freed).
// The vector members the list uses, with pointers as iterators.
class TVYXRunSlots {
public:
    using value_type = std::unique_ptr<TVYXCharRun>;
    TVYXRunSlots() = default;
    TVYXRunSlots(const TVYXRunSlots&) = delete;
    TVYXRunSlots& operator=(const TVYXRunSlots&) = delete;
    ~TVYXRunSlots()
    {
        clear();
        FreeHeap();
    }

    std::size_t size() const { return FSize; }
    bool empty() const { return FSize == 0; }
    value_type* data() { return FHeap ? FHeap : &FInline; }
    const value_type* data() const { return FHeap ? FHeap : &FInline; }
    value_type* begin() { return data(); }
    value_type* end() { return data() + FSize; }
    const value_type* begin() const { return data(); }
    const value_type* end() const { return data() + FSize; }
    value_type& operator[](std::size_t i) { return data()[i]; }
    const value_type& operator[](std::size_t i) const { return data()[i]; }
    value_type& front() { return data()[0]; }
    const value_type& front() const { return data()[0]; }
    value_type& back() { return data()[FSize - 1]; }
    const value_type& back() const { return data()[FSize - 1]; }

    void reserve(std::size_t count)
    {
        if (count > FCapacity)
            Grow(count);
    }
    void push_back(value_type run)
    {
        if (FSize == FCapacity)
            Grow(2 * FCapacity);
        data()[FSize++] = std::move(run);
    }
    value_type* insert(value_type* at, value_type run);
    // Like the vector's: the slots after `at` close up, the run at `at` is freed.
    value_type* erase(value_type* at);
    // Frees the runs from `count` on (in order), or adds empty slots.
    void resize(std::size_t count);
    // Frees every run, first to last, keeping the slots.
    void clear() { resize(0); }

private:
    void Grow(std::size_t capacity);
    // Raw storage without an array cookie, so that a list of n runs takes 8n bytes.
    void FreeHeap();
    value_type FInline;           // the only slot until a second run comes
    value_type* FHeap = nullptr;  // owned: FCapacity slots once there were more than one
    std::uint32_t FSize = 0, FCapacity = 1;
};

// What a document hears from the run lists in it: one per document, shared by every list
// there (a long document holds many lists, and each would otherwise carry these events).
// A list outside a document may be given one of its own (SetWatcher).
struct TVYXCharRunsWatcher {
    // A linked run is about to be deleted (Delete only).
    std::function<void(TVYXCharRuns& sender, TVYXCharRun& run)> DeleteCREvent;
    // The characters of a run changed.
    std::function<void(TVYXCharRuns& sender, TVYXCharRun& run)> DirtyCREvent;
    // A run left the list and is about to be freed.
    std::function<void(TVYXCharRuns& sender, TVYXCharRunChange change, TVYXCharRun& run)> ChangeEvent;
};

// The runs of one paragraph, in order.
//
// Hyperlink uses: a hyperlink run counts one use of its link (TVYXHyperlink::Use) when it
// enters a list (Insert and the forms built on it, Append, a split) and gives it back
// (Release) when it leaves one through Delete, Detach, Clear or DeleteLinkedAndContent;
// taking over another list's runs moves them without counting. Destroying a list releases
// nothing: its document's hyperlink list may be gone by then.
class TVYXCharRuns {
public:
    explicit TVYXCharRuns(TVYXRootData* rootData = nullptr);
    TVYXCharRuns(const TVYXCharRuns&) = delete;
    TVYXCharRuns& operator=(const TVYXCharRuns&) = delete;
    ~TVYXCharRuns();

    // The document-wide tables (borrowed), nullptr for a list outside a document.
    TVYXRootData* RootData() const { return FRootData; }
    // Where the list reports (borrowed): its document's watcher unless one was set; nullptr when none.
    TVYXCharRunsWatcher* Watcher() const { return FWatcher; }
    // Reports to `watcher` (borrowed, must outlive the list) instead; nullptr: to no one.
    void SetWatcher(TVYXCharRunsWatcher* watcher) { FWatcher = watcher; }
    // The paragraph holding the list (borrowed), told of changed characters.
    TVYXLogPara* Owner() const { return FOwner; }
    void SetOwner(TVYXLogPara* owner) { FOwner = owner; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // nullptr outside 0..Count()-1.
    const TVYXCharRun* Items(int index) const;
    TVYXCharRun* Items(int index);
    const TVYXCharRun* First() const { return FItems.empty() ? nullptr : FItems.front().get(); }
    TVYXCharRun* First() { return FItems.empty() ? nullptr : FItems.front().get(); }
    const TVYXCharRun* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXCharRun* Last() { return FItems.empty() ? nullptr : FItems.back().get(); }

    // Room for `count` runs in all: a reader that knows how many runs a paragraph gets
    // grows the list once instead of step by step.
    void Reserve(int count) { FItems.reserve(static_cast<std::size_t>(count > 0 ? count : 0)); }
    // While updating, start positions are not kept; EndUpdate re-synchronises.
    void BeginUpdate() { ++FUpdating; }
    void EndUpdate();
    void Reindex();
    void Sync(int index);

    TVYXCharRun* Add();
    // A text run with a copy of `chpx` (an empty list is not copied).
    TVYXCharRun* Add(const TVYXCHPX* chpx);
    TVYXCharRun* Add(std::unique_ptr<TVYXCharRun> run);
    // Takes over every run of `runs`.
    void Add(TVYXCharRuns& runs);
    TVYXCharRun* Insert(int index);
    TVYXCharRun* Insert(int index, const TVYXCHPX* chpx);
    TVYXCharRun* Insert(int index, std::unique_ptr<TVYXCharRun> run);

    TVYXCharRunTab* AddTab(const TVYXCHPX* chpx = nullptr);
    TVYXCharRunTab* InsertTab(int index, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunBreak* AddBreak(TVYXCharRunBreakType type, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunBreak* InsertBreak(int index, TVYXCharRunBreakType type, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunBreak* AddMarker(std::int32_t id);
    TVYXCharRunGraphic* AddGraphic(std::unique_ptr<TVYXGraphicObj> graphic, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunPicture* AddPicture(const TVYXCHPX* chpx = nullptr);
    TVYXCharRunFootnote* AddFootnote(TVYXFootnoteBaseItem* note, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunFootnote* AddFootnoteRef(TVYXFootnoteBaseItem* note, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunFootnote* AddEndnote(TVYXFootnoteBaseItem* note, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunFootnote* AddEndnoteRef(TVYXFootnoteBaseItem* note, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunHyperlink* AddHyperlink(TVYXHyperlink* link, std::u16string_view text, const TVYXCHPX* chpx = nullptr);
    // Replaces the run at `index` by a hyperlink run with its text and list; the caller
    // counts the use (TVYXLogPara::MakeHyperlink does, one per converted run).
    TVYXCharRunHyperlink* MakeHyperlink(TVYXHyperlink* link, int index);
    TVYXCharRunSimpleField* AddSimpleField(std::unique_ptr<TVYXMarkupObject> field, std::u16string_view result,
                                           const TVYXCHPX* chpx = nullptr);
    TVYXCharRunGraphic* InsertGraphic(int index, std::unique_ptr<TVYXGraphicObj> graphic,
                                      const TVYXCHPX* chpx = nullptr);
    TVYXCharRunPicture* InsertPicture(int index, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunFootnote* InsertFootnote(int index, TVYXFootnoteBaseItem* note, bool isRef, bool endnote,
                                        const TVYXCHPX* chpx = nullptr);
    TVYXCharRunHyperlink* InsertHyperlink(int index, TVYXHyperlink* link, std::u16string_view text,
                                          const TVYXCHPX* chpx = nullptr);
    TVYXCharRunSimpleField* InsertSimpleField(int index, std::unique_ptr<TVYXMarkupObject> field,
                                              std::u16string_view result, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunLinked* AddLinked(const TVYXCHPX* chpx, TVYXMarkupObject* markup, TVYXCharRunLinkedType type);
    // A boundary of a revision range.
    TVYXCharRunLinked* AddLinked(const TVYXCHPX* chpx, TVYXMarkupObject* range)
    {
        return AddLinked(chpx, range, acrltRevision);
    }
    TVYXCharRunLinked* InsertLinked(int index, const TVYXCHPX* chpx, TVYXMarkupObject* markup,
                                    TVYXCharRunLinkedType type);
    TVYXCharRunFldChar* AddFldChar(TVYXCharRunFldCharType type, const TVYXCHPX* chpx = nullptr);
    TVYXCharRunInstrText* AddInstrText(std::u16string_view instruction, const TVYXCHPX* chpx = nullptr);

    // begin, " instruction ", separate, result, end; returns the begin run.
    TVYXCharRunFldChar* AddComplexField(std::u16string_view result, std::u16string_view instruction,
                                        const TVYXCHPX* chpx = nullptr);
    void BeginTOC(std::u16string_view switches);
    void EndTOC();
    // The entry text, a tab and a page reference to a new "_Toc" bookmark name.
    TVYXCharRunInstrText* AddTOCItem(std::u16string_view text, const TVYXCHPX* chpx = nullptr);
    // The next table-of-contents bookmark name ("_Toc00000001", ...); safe from any thread.
    static std::u16string NewTOCBookmarkName();

    // Removes and destroys a run, unless its read-only flag is active; a linked
    // run is first reported to DeleteCREvent. False when nothing was deleted.
    bool Delete(int index);
    // Removes a run without destroying it.
    std::unique_ptr<TVYXCharRun> Detach(int index);
    // Deletes a linked run without reporting it (the markup itself is going away).
    void _DeleteLinked(int index);
    // Deletes the linked run at `index`, the rest of its chain in this list and the runs between.
    void DeleteLinkedAndContent(int index);
    // Takes the drawing object out of a graphic run (nullptr for other runs).
    std::unique_ptr<TVYXGraphicObj> SnatchGraphic(int index);
    // Marks the first and last run of every stretch of runs of one hyperlink.
    void TagFirstLast();
    void Move(int from, int to);
    void Clear();

    // The run keeps the characters before `pos`; a clone with the rest is returned (not inserted).
    std::unique_ptr<TVYXCharRun> Split(TVYXCharRun& run, std::int32_t pos);
    // Splits (or clones empty at the run's end) and inserts the new run after `run`.
    TVYXCharRun* SplitAndInsert(TVYXCharRun& run, std::int32_t pos);
    void SplitAllAtChar(char16_t c);

    void Combine(int from, int to);
    void Combine2(int from, int to);
    void Combine() { Combine2(0, Count() - 1); }
    void Combine2() { Combine2(0, Count() - 1); }
    static bool IsEqualCHPX(const TVYXCharRun& a, const TVYXCharRun& b);

    // The run containing paragraph position `pos`; see the notes in the source.
    const TVYXCharRun* FindAbsolute(std::int32_t pos, bool exact) const;
    TVYXCharRun* FindAbsolute(std::int32_t pos, bool exact) { return Mutable(std::as_const(*this).FindAbsolute(pos, exact)); }
    // Index of the run with characters that holds `pos`; -1 at the end position or before 1.
    int IndexAt(std::int32_t pos) const;
    // One position forward / back: false past the paragraph's ends. The word steps come
    // in two forms: a const list walks const runs, a list its caller may change hands
    // out runs the caller may change.
    bool NextChar(const TVYXCharRun*& run, std::int32_t& pos, char16_t& c) const;
    bool NextChar(TVYXCharRun*& run, std::int32_t& pos, char16_t& c)
    {
        return Step(run, [&](const TVYXCharRun*& r) { return std::as_const(*this).NextChar(r, pos, c); });
    }
    bool PrevChar(const TVYXCharRun*& run, std::int32_t& pos, char16_t& c) const;
    bool PrevChar(TVYXCharRun*& run, std::int32_t& pos, char16_t& c)
    {
        return Step(run, [&](const TVYXCharRun*& r) { return std::as_const(*this).PrevChar(r, pos, c); });
    }
    void FindBeginningOfWord(std::int32_t& pos, const TVYXCharRun*& run) const;
    void FindBeginningOfWord(std::int32_t& pos, TVYXCharRun*& run)
    {
        Step(run, [&](const TVYXCharRun*& r) { std::as_const(*this).FindBeginningOfWord(pos, r); return true; });
    }
    void FindEndOfWord(std::int32_t& pos, const TVYXCharRun*& run) const;
    void FindEndOfWord(std::int32_t& pos, TVYXCharRun*& run)
    {
        Step(run, [&](const TVYXCharRun*& r) { std::as_const(*this).FindEndOfWord(pos, r); return true; });
    }
    // Moves forward over white space; false when the paragraph ends first.
    bool SkipSpaces(std::int32_t& pos, const TVYXCharRun*& run) const;
    bool SkipSpaces(std::int32_t& pos, TVYXCharRun*& run)
    {
        return Step(run, [&](const TVYXCharRun*& r) { return std::as_const(*this).SkipSpaces(pos, r); });
    }
    // A word runs on across the run's end / start (letters on both sides).
    bool IsSplitWordNext(const TVYXCharRun& run) const;
    bool IsSplitWordPrev(const TVYXCharRun& run) const;
    const TVYXCharRunFootnote* FindFootnoteEndnote(const TVYXFootnoteBaseItem* note) const;
    TVYXCharRunFootnote* FindFootnoteEndnote(const TVYXFootnoteBaseItem* note)
    {
        return Mutable(std::as_const(*this).FindFootnoteEndnote(note));
    }

    // Characters of the paragraph without breaks, boundaries and field codes.
    std::int32_t TextLength() const;
    std::int32_t EndOfParaPos() const { return FItems.empty() ? 0 : FItems.back()->GetEndPos(); }
    const TVYXCharRunBreak* FindMarker(std::int32_t id) const;
    TVYXCharRunBreak* FindMarker(std::int32_t id) { return Mutable(std::as_const(*this).FindMarker(id)); }
    const TVYXCharRunInstrText* FindInstrText(std::u16string_view text) const;
    TVYXCharRunInstrText* FindInstrText(std::u16string_view text) { return Mutable(std::as_const(*this).FindInstrText(text)); }
    void ClearMisspelled();
    // Copies of the other list's runs replace / follow this list's runs.
    void Assign(const TVYXCharRuns& other);
    void Append(const TVYXCharRuns& other);
    // A text run with `text` carrying a tracked change (e.g. read from a file).
    TVYXCharRun* AddRevision(std::u16string_view text, std::unique_ptr<TVYXRevisionData> data,
                             const TVYXCHPX* chpx = nullptr);
    // A new, empty list over the same document bundle, reporting to the same watcher (no owner).
    std::unique_ptr<TVYXCharRuns> CreateSame() const;

    // Tells the paragraph (it becomes dirty) and the watcher that `run`'s characters changed.
    void NotifyDirty(TVYXCharRun& run);

private:
    // A run a const search found in this list, for the forms that answer a list the caller
    // may change. A run handed in from another list goes back as it came.
    template <class T>
    static T* Mutable(const T* run) { return const_cast<T*>(run); }
    template <class F>
    static bool Step(TVYXCharRun*& run, F step)
    {
        const TVYXCharRun* walked = run;
        const bool ok = step(walked);
        run = Mutable(walked);
        return ok;
    }
    template <class T>
    T* AddTyped(std::unique_ptr<T> run, const TVYXCHPX* chpx, int index = -1);
    // A new run of kind T, in the document's pool when the list belongs to one.
    template <class T, class... TArgs>
    std::unique_ptr<T> NewRun(TArgs&&... args);
    friend class TVYXLogPara;  // moves its runs into another document's tables
    // Moves the list to another document's bundle and its watcher.
    void SetRootData(TVYXRootData* root);
    void CombineImpl(int from, int to, bool second);
    void NotifyChange(TVYXCharRunChange change, TVYXCharRun& run)
    {
        if (FWatcher && FWatcher->ChangeEvent)
            FWatcher->ChangeEvent(*this, change, run);
    }
    TVYXRootData* FRootData;              // borrowed: the document's bundle
    TVYXCharRunsWatcher* FWatcher;        // borrowed: the document's, or one set from outside
    // Borrowed: the paragraph holds the list. The paragraph itself rather than an interface
    // it implements, so that it carries no second vtable pointer.
    TVYXLogPara* FOwner = nullptr;
    TVYXRunSlots FItems;
    int FUpdating = 0;
};
