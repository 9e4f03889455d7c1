// VYXCharRun.cpp: character runs and the run list: positions, splitting and merging.
#include "model/VYXCharRun.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <cstdio>

#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXModelPool.h"
#include "model/VYXPictureDecode.h"
#include "model/VYXRevision.h"
#include "model/VYXRootData.h"
#include "model/VYXStyles.h"
#include "model/VYXUtils.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

const std::array<std::string_view, acrbtContinuationSeparator + 1> VYXCharRunBreakTypeName = {
    "LineBreak", "PageBreak", "Column", "Marker", "Separator", "ContinuationSeparator"};

// ---- Runs ------------------------------------------------------------------------

TVYXCharRun::TVYXCharRun() = default;
TVYXCharRun::TVYXCharRun(std::u16string text) : FText(std::move(text)) {}
TVYXCharRun::~TVYXCharRun() = default;

void* TVYXCharRun::operator new(std::size_t size, TVYXModelPool& pool) { return pool.Allocate(size); }
void TVYXCharRun::operator delete(void* run, TVYXModelPool&) noexcept { TVYXModelPool::Free(run); }

void TVYXCharRun::operator delete(TVYXCharRun* run, std::destroying_delete_t)
{
    const bool inPool = run->FInPool;
    run->~TVYXCharRun();
    if (inPool)
        TVYXModelPool::Free(run);
    else
        ::operator delete(run);
}

// ---- A run's properties and tracked change ----

TVYXRunProps::~TVYXRunProps()
{
    if (IsPair())
        delete Pair();
    else
        delete reinterpret_cast<TVYXCHPX*>(FBits);
}

void TVYXRunProps::SetCHPX(std::unique_ptr<TVYXCHPX> chpx)
{
    if (IsPair()) {
        Pair()->CHPX = std::move(chpx);
        return;
    }
    delete reinterpret_cast<TVYXCHPX*>(FBits);
    FBits = reinterpret_cast<std::uintptr_t>(chpx.release());
}

void TVYXRunProps::SetRevision(std::unique_ptr<TVYXRevisionData> revision)
{
    if (IsPair()) {
        Pair()->Revision = std::move(revision);
        Unpair();
        return;
    }
    if (!revision)
        return;
    static_assert(alignof(TPair) > 1 && alignof(TVYXCHPX) > 1, "the low bit tells a pair from properties");
    auto pair = std::make_unique<TPair>();
    pair->Revision = std::move(revision);
    pair->CHPX.reset(reinterpret_cast<TVYXCHPX*>(FBits));
    FBits = reinterpret_cast<std::uintptr_t>(pair.release()) | cPair;
}

void TVYXRunProps::Unpair()
{
    if (!IsPair() || Pair()->Revision)
        return;
    TPair* pair = Pair();
    FBits = reinterpret_cast<std::uintptr_t>(pair->CHPX.release());
    delete pair;
}

TVYXRootData* TVYXCharRun::Root() const { return Parent() ? Parent()->RootData() : nullptr; }

void TVYXCharRun::GetText(std::u16string& text) const
{
    if (const TVYXCHPX* chpx = CHPX(); chpx && chpx->TextTransform()) {
        if (chpx->GetAllCaps()) {
            text = UnicodeUpper(Text());
            return;
        }
        if (chpx->GetSmallCaps()) {
            text = UnicodeLower(Text());
            return;
        }
    }
    text = Text();
}

void TVYXCharRun::Assign(const TVYXCharRun& source)
{
    if (&source == this)
        return;
    FText = source.Text();
    Flags = source.Flags;
    FStartPos = source.StartPos();
    if (source.CHPX()) {
        const TVYXRootData* from = source.Root();
        const TVYXRootData* to = Root();
        AddCHPX()->Assign(*source.CHPX(), from ? from->Styles() : nullptr, to ? to->Styles() : nullptr);
    } else
        FProps.SetCHPX(nullptr);
    FProps.SetRevision(source.Revision() ? source.Revision()->CloneData() : nullptr);
}

std::unique_ptr<TVYXCharRun> TVYXCharRun::Clone() const
{
    auto copy = CreateSame();
    copy->FParent = Parent();  // for style mapping and the master fallback; the caller inserts it
    copy->Assign(*this);
    copy->FParent = nullptr;
    return copy;
}

std::unique_ptr<TVYXCharRun> TVYXCharRun::Clone(std::int32_t from, std::int32_t to) const
{
    auto copy = Clone();
    if (Type_() == acrtText || Type_() == acrtHyperlink || Type_() == acrtSimpleField)
        copy->FText = CopyText(from, to);
    return copy;
}

bool TVYXCharRun::IsAtom() const
{
    const TVYXCharRunType t = Type_();
    return t != acrtText && t != acrtHyperlink && t != acrtSimpleField;
}

std::u16string TVYXCharRun::GetPlainText() const
{
    switch (Type_()) {
    case acrtText:
    case acrtHyperlink:
    case acrtSimpleField: return GetText();
    case acrtBreak: return IsLineBreak() || IsPageBreak() ? u"\r\n" : u"";
    default: return {};
    }
}

void TVYXCharRun::Changed()
{
    if (Parent()) {
        if (Index() >= 0)
            Parent()->Sync(Index());
        Parent()->NotifyDirty(*this);
    }
}

void TVYXCharRun::SetText(std::u16string_view text)
{
    if (GetReadOnlyActive())
        return;
    FText = std::u16string(text);
    Changed();
}

void TVYXCharRun::SetRawText(std::u16string_view text)
{
    FText = std::u16string(text);
    Changed();
}

void TVYXCharRun::Append(std::u16string_view text)
{
    FText += text;
    Changed();
}

std::int32_t TVYXCharRun::DeleteChars(std::int32_t pos, std::int32_t count)
{
    if (GetReadOnlyActive() || pos < 1)
        return 0;
    const auto size = static_cast<std::int32_t>(Text().size());
    const std::int32_t after = std::max(0, size - pos + 1);
    if (pos <= size && count > 0) {
        FText.erase(static_cast<std::size_t>(pos - 1), static_cast<std::size_t>(std::min(count, size - pos + 1)));
        Changed();
    }
    return after;
}

std::u16string TVYXCharRun::CopyText(std::int32_t from, std::int32_t to) const
{
    const std::int32_t a = std::clamp(from - StartPos(), 0, Len());
    const std::int32_t b = std::clamp(to - StartPos(), a, Len());
    return GetText().substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
}

char16_t TVYXCharRun::CPGetChar(std::int32_t pos) const
{
    if (pos < StartPos() || pos >= GetEndPos())
        return 0;
    return GetText()[static_cast<std::size_t>(pos - StartPos())];
}

TVYXCharRun* TVYXCharRun::Next() const { return Parent() ? Parent()->Items(Index() + 1) : nullptr; }
TVYXCharRun* TVYXCharRun::Prev() const { return Parent() && Index() > 0 ? Parent()->Items(Index() - 1) : nullptr; }
TVYXCharRun* TVYXCharRun::First() const { return Parent() ? Parent()->First() : nullptr; }
TVYXCharRun* TVYXCharRun::Last() const { return Parent() ? Parent()->Last() : nullptr; }

TVYXCHPX* TVYXCharRun::AddCHPX()
{
    if (!FProps.CHPX()) {
        const TVYXRootData* root = Root();
        FProps.SetCHPX(std::make_unique<TVYXCHPX>(root ? root->MasterCHP() : nullptr));
    }
    return FProps.CHPX();
}

void TVYXCharRun::DeleteCHPXIfEmpty()
{
    if (const TVYXCHPX* chpx = CHPX(); chpx && (chpx->Count() == 0 || (chpx->Count() == 1 && chpx->Assigned(vyciRevision))))
        FProps.SetCHPX(nullptr);
}

const TVYXCHPX* TVYXCharRun::GetValidCHPX() const
{
    if (const TVYXCHPX* chpx = CHPX())
        return chpx;
    const TVYXRootData* root = Root();
    if (root && root->MasterCHP())
        return &root->MasterCHP()->CHPX();
    // A run outside any document answers the built-in defaults; nobody may change them.
    static const TVYXCHP sDefault;
    return &sDefault.CHPX();
}

const TVYXCHPX* TVYXCharRun::GetRevisionCHPX() const
{
    return const_cast<TVYXCharRun*>(this)->GetRevisionCHPX();
}

TVYXCHPX* TVYXCharRun::GetRevisionCHPX()
{
    auto* rev = dynamic_cast<TVYXRevisionDataCHPX*>(CHPX() ? CHPX()->GetRevision() : nullptr);
    return rev ? rev->CHPX() : nullptr;
}

void TVYXCharRun::InheritPrevCHPXIfNil()
{
    if (const TVYXCharRun* prev = Prev(); !CHPX() && prev && prev->CHPX())
        SetCHPX(prev->CHPX());
}

void TVYXCharRun::InheritNextCHPXIfNil()
{
    if (const TVYXCharRun* next = Next(); !CHPX() && next && next->CHPX())
        SetCHPX(next->CHPX());
}

void TVYXCharRun::SetCHPX(const TVYXCHPX* chpx)
{
    FProps.SetCHPX(nullptr);
    if (chpx)
        AddCHPX()->Assign(*chpx, nullptr, nullptr);
}

void TVYXCharRun::AddRevision(std::unique_ptr<TVYXRevisionData> data) { FProps.SetRevision(std::move(data)); }
void TVYXCharRun::RemoveRevision() { FProps.SetRevision(nullptr); }
bool TVYXCharRun::HasAnyRevision() const { return Revision() || (CHPX() && CHPX()->GetRevision()); }
bool TVYXCharRun::HasEnabledRevision() const
{
    return (Revision() && Revision()->Enabled) || (CHPX() && CHPX()->GetRevision() && CHPX()->GetRevision()->Enabled);
}

bool TVYXCharRun::GetReadOnlyActive() const
{
    const TVYXRootData* root = Root();
    return GetReadOnly() && root && root->DOP() && root->DOP()->Protection.Enforcement;
}

bool TVYXCharRun::CanCombine(const TVYXCharRun& other) const
{
    if (Type_() != other.Type_() || (Type_() != acrtText && Type_() != acrtHyperlink))
        return false;
    const TVYXRevisionData* own = Revision();
    const TVYXRevisionData* others = other.Revision();
    if (!own && !others)
        return true;
    return own && others && own->CanCombine(*others);
}

bool TVYXCharRun::CanCombineLeft() const
{
    const TVYXCharRun* prev = Prev();
    return IsNotAtom() && !Revision() && prev && prev->Type_() != acrtLinked && !prev->Revision();
}

bool TVYXCharRun::CanCombineRight() const
{
    const TVYXCharRun* next = Next();
    return IsNotAtom() && !Revision() && next && next->Type_() != acrtLinked && !next->Revision();
}

bool TVYXCharRun::CanCombineLeft(const TVYXCharRun& other) const
{
    return CanCombine(other) && CanCombineLeft() && other.CanCombineRight();
}

bool TVYXCharRun::IsLineBreak() const
{
    const auto* b = dynamic_cast<const TVYXCharRunBreak*>(this);
    return b && b->BreakType == acrbtLineBreak;
}

bool TVYXCharRun::IsPageBreak() const
{
    const auto* b = dynamic_cast<const TVYXCharRunBreak*>(this);
    return b && b->BreakType == acrbtPageBreak;
}

bool TVYXCharRun::IsFootnote() const
{
    const auto* f = dynamic_cast<const TVYXCharRunFootnote*>(this);
    return f && !f->IsRef && !f->IsEndnote;
}

bool TVYXCharRun::IsFootnoteRef() const
{
    const auto* f = dynamic_cast<const TVYXCharRunFootnote*>(this);
    return f && f->IsRef && !f->IsEndnote;
}

bool TVYXCharRun::IsEndnote() const
{
    const auto* f = dynamic_cast<const TVYXCharRunFootnote*>(this);
    return f && !f->IsRef && f->IsEndnote;
}

bool TVYXCharRun::IsEndnoteRef() const
{
    const auto* f = dynamic_cast<const TVYXCharRunFootnote*>(this);
    return f && f->IsRef && f->IsEndnote;
}

bool TVYXCharRun::IsComplexField() const
{
    const auto* l = dynamic_cast<const TVYXCharRunLinked*>(this);
    return l && l->LinkedType == acrltComplexField;
}

void TVYXCharRun::SetupFontData(TVYXFontDataDoc& fontData, const TVYXPAPX* papx, bool withParaMark) const
{
    const TVYXRootData* root = Root();
    static const TVYXCHP sDefault;
    const TVYXCHP& master = root && root->MasterCHP() ? *root->MasterCHP() : sDefault;
    fontData.Resolve(master, papx, CHPX(), withParaMark);
}

// ---- Run kinds -------------------------------------------------------------------

void TVYXCharRunBreak::Assign(const TVYXCharRun& source)
{
    TVYXCharRun::Assign(source);
    if (const auto* br = dynamic_cast<const TVYXCharRunBreak*>(&source)) {
        BreakType = br->BreakType;
        Id = br->Id;
    }
}

TVYXCharRunGraphic::TVYXCharRunGraphic() : TVYXCharRun(u"\b") {}
TVYXCharRunGraphic::~TVYXCharRunGraphic() = default;

void TVYXCharRunGraphic::Assign(const TVYXCharRun& source)
{
    TVYXCharRun::Assign(source);
    if (const auto* g = dynamic_cast<const TVYXCharRunGraphic*>(&source)) {
        // Into another document the object's shape type and pictures go through that
        // document's stores; within one document the copy shares them.
        const TVYXRootData* to = Root();
        const TVYXRootData* from = source.Root();
        const bool otherStores = to && (to->Pictures() || to->ShapeTypes()) &&
                                 (!from || from->Pictures() != to->Pictures() || from->ShapeTypes() != to->ShapeTypes());
        Graphic.reset();
        if (g->Graphic)
            Graphic = otherStores ? VYXCopyGraphicObj(*g->Graphic, to->Pictures(), to->ShapeTypes()) : g->Graphic->Clone();
        if (Graphic)
            Graphic->Owner = this;
        FullWidth = g->FullWidth;
    }
}

TVYXCharRunPicture::TVYXCharRunPicture() : TVYXCharRun(u"\b") {}
TVYXCharRunPicture::~TVYXCharRunPicture() = default;

void TVYXCharRunPicture::Assign(const TVYXCharRun& source)
{
    TVYXCharRun::Assign(source);
    if (const auto* p = dynamic_cast<const TVYXCharRunPicture*>(&source)) {
        Origdata = p->Origdata;
        OrigType = p->OrigType;
        Bitmap = p->Bitmap ? std::make_unique<TVYXBitmap>(*p->Bitmap) : nullptr;
    }
}

void TVYXCharRunPicture::LoadPicture(std::string_view bytes)
{
    const TVYXPictureType type = VYXPictureTypeFromBytes(bytes);
    std::unique_ptr<TVYXBitmap> bitmap;
    switch (type) {
    case aptBMP:
    case aptJPG:
    case aptGIF:
    case aptPNG: bitmap = VYXDecodePicture(bytes, type); break;
    default: break;  // kept as bytes; drawn as a frame
    }
    Origdata.assign(bytes.begin(), bytes.end());
    OrigType = type;
    Bitmap = std::move(bitmap);
    Changed();
}

void TVYXCharRunHyperlink::Assign(const TVYXCharRun& source)
{
    TVYXCharRun::Assign(source);
    if (const auto* h = dynamic_cast<const TVYXCharRunHyperlink*>(&source)) {
        Hyperlink = h->Hyperlink;
        HLinkFirst = h->HLinkFirst;
        HLinkLast = h->HLinkLast;
    }
}

void TVYXCharRunSimpleField::Assign(const TVYXCharRun& source)
{
    TVYXCharRun::Assign(source);
    // A copy shares the field with the run it copies (a piece of the same field).
    if (const auto* f = dynamic_cast<const TVYXCharRunSimpleField*>(&source))
        ShareField(*f);
}

// A mark's number is derived from its note's place in the list, never stored, and its
// digits count as characters: layout shapes and hits them like text and the plain-text
// and HTML writers write them, so positions must include them. Undo records none of it:
// the numbers follow from the note list and the body, which the history gives back
// exactly, so every record is replayed in the numbering it was made in. What must hold
// is that start positions are synchronised whenever numbers change (VYXRelinkNotes).
void TVYXCharRunFootnote::GetText(std::u16string& text) const
{
    text = Footnote ? U16(std::to_string(Footnote->Index + 1)) : u"?";
}

std::int32_t TVYXCharRunFootnote::Len() const { return static_cast<std::int32_t>(TVYXCharRun::GetText().size()); }

void TVYXCharRunFootnote::Assign(const TVYXCharRun& source)
{
    TVYXCharRun::Assign(source);
    if (const auto* f = dynamic_cast<const TVYXCharRunFootnote*>(&source)) {
        Footnote = f->Footnote;
        IsRef = f->IsRef;
        IsEndnote = f->IsEndnote;
    }
}

void TVYXCharRunFldChar::Assign(const TVYXCharRun& source)
{
    TVYXCharRun::Assign(source);
    if (const auto* f = dynamic_cast<const TVYXCharRunFldChar*>(&source))
        FldCharType = f->FldCharType;
}

void TVYXCharRunInstrText::Assign(const TVYXCharRun& source)
{
    TVYXCharRun::Assign(source);
    if (const auto* i = dynamic_cast<const TVYXCharRunInstrText*>(&source)) {
        InstrText = i->InstrText;
        InstrId = i->InstrId;
    }
}

TVYXCharRunLinked::~TVYXCharRunLinked() { Unlink(); }

void TVYXCharRunLinked::LinkTo(TVYXCharRunLinked& next)
{
    if (&next == this)
        return;
    next.Unlink();
    next.LinkedNext = LinkedNext;
    if (LinkedNext)
        LinkedNext->LinkedPrev = &next;
    next.LinkedPrev = this;
    LinkedNext = &next;
}

void TVYXCharRunLinked::Unlink()
{
    if (LinkedPrev)
        LinkedPrev->LinkedNext = LinkedNext;
    if (LinkedNext)
        LinkedNext->LinkedPrev = LinkedPrev;
    LinkedPrev = LinkedNext = nullptr;
}

TVYXCharRunLinkedPos TVYXCharRunLinked::Position() const
{
    if (LinkedPrev)
        return LinkedNext ? acrlpMiddle : acrlpLast;
    return LinkedNext ? acrlpFirst : acrlpSingle;
}

const TVYXCharRunLinked* TVYXCharRunLinked::GetFirst() const
{
    const TVYXCharRunLinked* run = this;
    while (run->LinkedPrev && run->LinkedPrev != this)
        run = run->LinkedPrev;
    return run;
}

const TVYXCharRunLinked* TVYXCharRunLinked::GetLast() const
{
    const TVYXCharRunLinked* run = this;
    while (run->LinkedNext && run->LinkedNext != this)
        run = run->LinkedNext;
    return run;
}

int TVYXCharRunLinked::LinkSpan() const
{
    int n = 1;
    for (const TVYXCharRunLinked* r = this; r->LinkedPrev && r->LinkedPrev != this; r = r->LinkedPrev)
        ++n;
    for (const TVYXCharRunLinked* r = this; r->LinkedNext && r->LinkedNext != this; r = r->LinkedNext)
        ++n;
    return n;
}

const TVYXCHPX* TVYXCharRunLinked::TextCHPX() const
{
    const TVYXCharRunLinked* last = const_cast<TVYXCharRunLinked*>(this)->GetLast();
    for (const TVYXCharRun* run = const_cast<TVYXCharRunLinked*>(this)->GetFirst()->Next(); run && run != last;
         run = run->Next())
        if (run->Type_() == acrtText)
            return run->CHPX();
    return nullptr;
}

void TVYXCharRunLinked::Assign(const TVYXCharRun& source)
{
    TVYXCharRun::Assign(source);
    if (const auto* l = dynamic_cast<const TVYXCharRunLinked*>(&source)) {
        LinkedType = l->LinkedType;
        ShareField(*l);
    }
}

// ---- The run list ----------------------------------------------------------------

namespace {
// One use of the run's hyperlink more (entering a list) or less (leaving it).
void CountLinkUse(const TVYXCharRun& run, bool use)
{
    if (run.Type_() != acrtHyperlink)
        return;
    if (TVYXHyperlink* link = static_cast<const TVYXCharRunHyperlink&>(run).Hyperlink)
        use ? link->Use() : link->Release();
}
}  // namespace

TVYXCharRuns::TVYXCharRuns(TVYXRootData* rootData)
    : FRootData(rootData), FWatcher(rootData ? &rootData->RunsWatcher() : nullptr)
{
}

void TVYXCharRuns::SetRootData(TVYXRootData* root)
{
    FRootData = root;
    FWatcher = root ? &root->RunsWatcher() : nullptr;
}

// ---- Run slots ------------------------------------------------------------------

TVYXRunSlots::value_type* TVYXRunSlots::insert(value_type* at, value_type run)
{
    const auto place = static_cast<std::size_t>(at - data());
    if (FSize == FCapacity)
        Grow(2 * FCapacity);
    value_type* slots = data();
    std::move_backward(slots + place, slots + FSize, slots + FSize + 1);
    slots[place] = std::move(run);
    ++FSize;
    return slots + place;
}

TVYXRunSlots::value_type* TVYXRunSlots::erase(value_type* at)
{
    std::move(at + 1, end(), at);
    data()[FSize - 1].reset();
    --FSize;
    return at;
}

void TVYXRunSlots::resize(std::size_t count)
{
    if (count > FCapacity)
        Grow(count);
    // Runs are freed while the list still counts them, as the vector did: a linked run
    // relinking its chain on the way out may look at its neighbours.
    value_type* slots = data();
    for (std::size_t i = count; i < FSize; ++i)
        slots[i].reset();
    FSize = static_cast<std::uint32_t>(count);
}

void TVYXRunSlots::Grow(std::size_t capacity)
{
    capacity = std::max<std::size_t>(capacity, 2);
    std::allocator<value_type> allocator;
    value_type* heap = allocator.allocate(capacity);
    // Moving a unique_ptr cannot throw, so the new slots are complete once filled.
    std::uninitialized_value_construct_n(heap, capacity);
    std::move(begin(), end(), heap);
    FreeHeap();
    FHeap = heap;
    FCapacity = static_cast<std::uint32_t>(capacity);
}

// The slots are empty (moved from or cleared) when this runs.
void TVYXRunSlots::FreeHeap()
{
    if (!FHeap)
        return;
    std::destroy_n(FHeap, FCapacity);
    std::allocator<value_type>().deallocate(FHeap, FCapacity);
    FHeap = nullptr;
}

void TVYXCharRuns::NotifyDirty(TVYXCharRun& run)
{
    if (FOwner)
        FOwner->RunsDirty(*this, run);
    if (FWatcher && FWatcher->DirtyCREvent)
        FWatcher->DirtyCREvent(*this, run);
}

TVYXCharRuns::~TVYXCharRuns()
{
    // Linked runs relink their chains as they go; nobody hears of it.
    FWatcher = nullptr;
    FOwner = nullptr;
    FItems.clear();
}

const TVYXCharRun* TVYXCharRuns::Items(int index) const
{
    return index >= 0 && index < Count() ? FItems[static_cast<std::size_t>(index)].get() : nullptr;
}

TVYXCharRun* TVYXCharRuns::Items(int index)
{
    return index >= 0 && index < Count() ? FItems[static_cast<std::size_t>(index)].get() : nullptr;
}

void TVYXCharRuns::EndUpdate()
{
    if (FUpdating > 0 && --FUpdating == 0)
        Reindex();
}

void TVYXCharRuns::Reindex()
{
    std::int32_t pos = 1;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        TVYXCharRun& run = *FItems[i];
        run.FParent = this;
        run.FIndex = static_cast<int>(i);
        run.FStartPos = pos;
        pos += run.Len();
    }
}

void TVYXCharRuns::Sync(int index)
{
    if (FUpdating > 0 || index < 0 || index >= Count())
        return;
    std::int32_t pos = FItems[static_cast<std::size_t>(index)]->StartPos();
    for (std::size_t i = static_cast<std::size_t>(index); i < FItems.size(); ++i) {
        TVYXCharRun& run = *FItems[i];
        run.FIndex = static_cast<int>(i);
        run.FStartPos = pos;
        pos += run.Len();
    }
}

template <class T, class... TArgs>
std::unique_ptr<T> TVYXCharRuns::NewRun(TArgs&&... args)
{
    if (FRootData && FRootData->Pool().UsesBlocks()) {
        std::unique_ptr<T> run(new (FRootData->Pool()) T(std::forward<TArgs>(args)...));
        run->FInPool = 1;
        return run;
    }
    return std::make_unique<T>(std::forward<TArgs>(args)...);
}

TVYXCharRun* TVYXCharRuns::Insert(int index, std::unique_ptr<TVYXCharRun> run)
{
    index = std::clamp(index, 0, Count());
    TVYXCharRun* result = run.get();
    result->FParent = this;
    CountLinkUse(*result, true);
    FItems.insert(FItems.begin() + index, std::move(run));
    if (FUpdating == 0) {
        // Start positions change only from the insertion on.
        result->FStartPos = index > 0 ? FItems[static_cast<std::size_t>(index - 1)]->GetEndPos() : 1;
        Sync(index);
    }
    return result;
}

TVYXCharRun* TVYXCharRuns::Add(std::unique_ptr<TVYXCharRun> run) { return Insert(Count(), std::move(run)); }
TVYXCharRun* TVYXCharRuns::Add() { return Add(NewRun<TVYXCharRun>()); }
TVYXCharRun* TVYXCharRuns::Insert(int index) { return Insert(index, NewRun<TVYXCharRun>()); }

template <class T>
T* TVYXCharRuns::AddTyped(std::unique_ptr<T> run, const TVYXCHPX* chpx, int index)
{
    T* result = run.get();
    result->FParent = this;  // the list gives the fallback of the copied properties
    if (chpx && chpx->Count() > 0)
        result->SetCHPX(chpx);
    Insert(index < 0 ? Count() : index, std::move(run));
    return result;
}

TVYXCharRun* TVYXCharRuns::Add(const TVYXCHPX* chpx) { return AddTyped(NewRun<TVYXCharRun>(), chpx); }
TVYXCharRun* TVYXCharRuns::Insert(int index, const TVYXCHPX* chpx)
{
    return AddTyped(NewRun<TVYXCharRun>(), chpx, index);
}

void TVYXCharRuns::Add(TVYXCharRuns& runs)
{
    if (&runs == this)
        return;
    BeginUpdate();
    for (auto& run : runs.FItems)
        FItems.push_back(std::move(run));
    runs.FItems.clear();
    EndUpdate();
}

TVYXCharRunTab* TVYXCharRuns::AddTab(const TVYXCHPX* chpx) { return AddTyped(NewRun<TVYXCharRunTab>(), chpx); }
TVYXCharRunTab* TVYXCharRuns::InsertTab(int index, const TVYXCHPX* chpx)
{
    return AddTyped(NewRun<TVYXCharRunTab>(), chpx, index);
}
TVYXCharRunBreak* TVYXCharRuns::AddBreak(TVYXCharRunBreakType type, const TVYXCHPX* chpx)
{
    return AddTyped(NewRun<TVYXCharRunBreak>(type), chpx);
}
TVYXCharRunBreak* TVYXCharRuns::InsertBreak(int index, TVYXCharRunBreakType type, const TVYXCHPX* chpx)
{
    return AddTyped(NewRun<TVYXCharRunBreak>(type), chpx, index);
}
TVYXCharRunBreak* TVYXCharRuns::AddMarker(std::int32_t id)
{
    TVYXCharRunBreak* run = AddBreak(acrbMarker);
    run->Id = id;
    return run;
}
TVYXCharRunGraphic* TVYXCharRuns::AddGraphic(std::unique_ptr<TVYXGraphicObj> graphic, const TVYXCHPX* chpx)
{
    return InsertGraphic(Count(), std::move(graphic), chpx);
}
TVYXCharRunPicture* TVYXCharRuns::AddPicture(const TVYXCHPX* chpx) { return InsertPicture(Count(), chpx); }

namespace {
std::unique_ptr<TVYXCharRunFootnote> NoteRun(TVYXFootnoteBaseItem* note, bool isRef, bool endnote)
{
    auto run = std::make_unique<TVYXCharRunFootnote>(isRef);
    run->Footnote = note;
    run->IsEndnote = endnote;
    return run;
}
}  // namespace

TVYXCharRunFootnote* TVYXCharRuns::AddFootnote(TVYXFootnoteBaseItem* note, const TVYXCHPX* chpx)
{
    return AddTyped(NoteRun(note, false, false), chpx);
}
TVYXCharRunFootnote* TVYXCharRuns::AddFootnoteRef(TVYXFootnoteBaseItem* note, const TVYXCHPX* chpx)
{
    return AddTyped(NoteRun(note, true, false), chpx);
}
TVYXCharRunFootnote* TVYXCharRuns::AddEndnote(TVYXFootnoteBaseItem* note, const TVYXCHPX* chpx)
{
    return AddTyped(NoteRun(note, false, true), chpx);
}
TVYXCharRunFootnote* TVYXCharRuns::AddEndnoteRef(TVYXFootnoteBaseItem* note, const TVYXCHPX* chpx)
{
    return AddTyped(NoteRun(note, true, true), chpx);
}

TVYXCharRunHyperlink* TVYXCharRuns::AddHyperlink(TVYXHyperlink* link, std::u16string_view text, const TVYXCHPX* chpx)
{
    return InsertHyperlink(Count(), link, text, chpx);
}

TVYXCharRunHyperlink* TVYXCharRuns::MakeHyperlink(TVYXHyperlink* link, int index)
{
    TVYXCharRun* old = Items(index);
    if (!old)
        return nullptr;
    auto run = NewRun<TVYXCharRunHyperlink>();
    run->Hyperlink = link;
    run->FText = old->Text();
    run->FParent = this;
    run->FStartPos = old->StartPos();  // positions re-sync from the replaced run's place
    run->SetCHPX(old->CHPX());
    TVYXCharRunHyperlink* result = run.get();
    FItems[static_cast<std::size_t>(index)] = std::move(run);
    Sync(index);
    return result;
}

TVYXCharRunSimpleField* TVYXCharRuns::AddSimpleField(std::unique_ptr<TVYXMarkupObject> field,
                                                     std::u16string_view result, const TVYXCHPX* chpx)
{
    return InsertSimpleField(Count(), std::move(field), result, chpx);
}

TVYXCharRunGraphic* TVYXCharRuns::InsertGraphic(int index, std::unique_ptr<TVYXGraphicObj> graphic,
                                                const TVYXCHPX* chpx)
{
    auto run = NewRun<TVYXCharRunGraphic>();
    run->Graphic = std::move(graphic);
    if (run->Graphic)
        run->Graphic->Owner = run.get();
    return AddTyped(std::move(run), chpx, index);
}

TVYXCharRunPicture* TVYXCharRuns::InsertPicture(int index, const TVYXCHPX* chpx)
{
    return AddTyped(NewRun<TVYXCharRunPicture>(), chpx, index);
}

TVYXCharRunFootnote* TVYXCharRuns::InsertFootnote(int index, TVYXFootnoteBaseItem* note, bool isRef, bool endnote,
                                                  const TVYXCHPX* chpx)
{
    return AddTyped(NoteRun(note, isRef, endnote), chpx, index);
}

TVYXCharRunHyperlink* TVYXCharRuns::InsertHyperlink(int index, TVYXHyperlink* link, std::u16string_view text,
                                                    const TVYXCHPX* chpx)
{
    auto run = NewRun<TVYXCharRunHyperlink>();
    run->Hyperlink = link;
    run->FText = std::u16string(text);
    return AddTyped(std::move(run), chpx, index);
}

TVYXCharRunSimpleField* TVYXCharRuns::InsertSimpleField(int index, std::unique_ptr<TVYXMarkupObject> field,
                                                        std::u16string_view result, const TVYXCHPX* chpx)
{
    auto run = NewRun<TVYXCharRunSimpleField>();
    run->SetField(std::move(field));
    run->FText = std::u16string(result);
    return AddTyped(std::move(run), chpx, index);
}

TVYXCharRunLinked* TVYXCharRuns::InsertLinked(int index, const TVYXCHPX* chpx, TVYXMarkupObject* markup,
                                              TVYXCharRunLinkedType type)
{
    auto run = NewRun<TVYXCharRunLinked>(type);
    run->SetFieldRef(markup);
    return AddTyped(std::move(run), chpx, index);
}

TVYXCharRunLinked* TVYXCharRuns::AddLinked(const TVYXCHPX* chpx, TVYXMarkupObject* markup, TVYXCharRunLinkedType type)
{
    return InsertLinked(Count(), chpx, markup, type);
}

TVYXCharRunFldChar* TVYXCharRuns::AddFldChar(TVYXCharRunFldCharType type, const TVYXCHPX* chpx)
{
    return AddTyped(NewRun<TVYXCharRunFldChar>(type), chpx);
}

TVYXCharRunInstrText* TVYXCharRuns::AddInstrText(std::u16string_view instruction, const TVYXCHPX* chpx)
{
    auto run = NewRun<TVYXCharRunInstrText>();
    run->InstrText = std::u16string(instruction);
    return AddTyped(std::move(run), chpx);
}

TVYXCharRunFldChar* TVYXCharRuns::AddComplexField(std::u16string_view result, std::u16string_view instruction,
                                                  const TVYXCHPX* chpx)
{
    TVYXCharRunFldChar* begin = AddFldChar(acrfctBegin, chpx);
    std::u16string instr(1, u' ');
    instr += instruction;
    instr += u' ';
    AddInstrText(instr, chpx);
    AddFldChar(acrfctSeparate, chpx);
    Add(chpx)->FText = std::u16string(result);
    Sync(Count() - 1);
    AddFldChar(acrfctEnd, chpx);
    return begin;
}

void TVYXCharRuns::BeginTOC(std::u16string_view switches)
{
    AddFldChar(acrfctBegin);
    std::u16string instr(u" TOC ");
    instr += switches;
    instr += u' ';
    AddInstrText(instr);
    AddFldChar(acrfctSeparate);
}

void TVYXCharRuns::EndTOC() { AddFldChar(acrfctEnd); }

std::u16string TVYXCharRuns::NewTOCBookmarkName()
{
    static std::atomic<std::uint32_t> sCounter{0};
    const std::uint32_t n = ++sCounter;
    char name[24];
    std::snprintf(name, sizeof name, "_Toc%.8u", n);
    return U16(name);
}

TVYXCharRunInstrText* TVYXCharRuns::AddTOCItem(std::u16string_view text, const TVYXCHPX* chpx)
{
    Add(chpx)->SetRawText(text);
    AddTab(chpx);
    AddFldChar(acrfctBegin, chpx);
    const std::u16string name = NewTOCBookmarkName();
    std::u16string instr(u" PAGEREF ");
    instr += name;
    instr += u" \\h ";
    TVYXCharRunInstrText* instrRun = AddInstrText(instr, chpx);
    instrRun->InstrId = name;
    AddFldChar(acrfctSeparate, chpx);
    Add(chpx)->SetRawText(u"0");
    AddFldChar(acrfctEnd, chpx);
    return instrRun;
}

bool TVYXCharRuns::Delete(int index)
{
    TVYXCharRun* run = Items(index);
    if (!run || run->GetReadOnlyActive())
        return false;
    if (run->Type_() == acrtLinked && FWatcher && FWatcher->DeleteCREvent)
        FWatcher->DeleteCREvent(*this, *run);
    // The event may have changed the list: find the run again.
    index = run->Index();
    if (Items(index) != run) {
        auto it = std::find_if(FItems.begin(), FItems.end(), [&](const auto& p) { return p.get() == run; });
        if (it == FItems.end())
            return false;
        index = static_cast<int>(it - FItems.begin());
    }
    auto owned = std::move(FItems[static_cast<std::size_t>(index)]);
    const std::int32_t start = owned->StartPos();
    FItems.erase(FItems.begin() + index);
    CountLinkUse(*owned, false);
    NotifyChange(acrcDeleted, *owned);
    owned.reset();
    if (index < Count()) {
        // The follower takes the deleted run's place, so positions restart from its start.
        FItems[static_cast<std::size_t>(index)]->FStartPos = start;
        Sync(index);
    }
    return true;
}

std::unique_ptr<TVYXCharRun> TVYXCharRuns::Detach(int index)
{
    if (!Items(index))
        return nullptr;
    auto run = std::move(FItems[static_cast<std::size_t>(index)]);
    FItems.erase(FItems.begin() + index);
    CountLinkUse(*run, false);
    run->FParent = nullptr;
    run->FIndex = -1;
    if (index < Count()) {
        FItems[static_cast<std::size_t>(index)]->FStartPos = run->StartPos();
        Sync(index);
    }
    return run;
}

void TVYXCharRuns::_DeleteLinked(int index)
{
    if (auto* run = dynamic_cast<TVYXCharRunLinked*>(Items(index))) {
        run->Unlink();
        Detach(index);
    }
}

void TVYXCharRuns::DeleteLinkedAndContent(int index)
{
    auto* first = dynamic_cast<TVYXCharRunLinked*>(Items(index));
    if (!first)
        return;
    TVYXCharRunLinked* last = first->GetLast();
    int end = index;
    for (int i = index; i < Count(); ++i)
        if (Items(i) == last)
            end = i;
    BeginUpdate();
    for (int i = end; i >= index; --i)
        if (auto* run = Items(i); run && !run->GetReadOnlyActive()) {
            if (auto* linked = dynamic_cast<TVYXCharRunLinked*>(run))
                linked->Unlink();
            CountLinkUse(*run, false);
            FItems.erase(FItems.begin() + i);
        }
    EndUpdate();
}

std::unique_ptr<TVYXGraphicObj> TVYXCharRuns::SnatchGraphic(int index)
{
    auto* run = dynamic_cast<TVYXCharRunGraphic*>(Items(index));
    return run ? std::move(run->Graphic) : nullptr;
}

void TVYXCharRuns::TagFirstLast()
{
    for (int i = 0; i < Count(); ++i)
        if (auto* run = dynamic_cast<TVYXCharRunHyperlink*>(Items(i))) {
            auto* prev = dynamic_cast<TVYXCharRunHyperlink*>(Items(i - 1));
            auto* next = dynamic_cast<TVYXCharRunHyperlink*>(Items(i + 1));
            run->HLinkFirst = !prev || prev->Hyperlink != run->Hyperlink;
            run->HLinkLast = !next || next->Hyperlink != run->Hyperlink;
        }
}

void TVYXCharRuns::Move(int from, int to)
{
    if (!Items(from) || to < 0 || to >= Count() || from == to)
        return;
    auto run = std::move(FItems[static_cast<std::size_t>(from)]);
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, std::move(run));
    Reindex();
}

void TVYXCharRuns::Clear()
{
    for (const auto& run : FItems)
        CountLinkUse(*run, false);
    FItems.clear();
}

std::unique_ptr<TVYXCharRun> TVYXCharRuns::Split(TVYXCharRun& run, std::int32_t pos)
{
    if (run.IsAtom())
        throw VYXException("Char run is atom");
    if (pos < run.StartPos() || pos >= run.GetEndPos())
        throw VYXException("Invalid pos in Split");
    const auto at = static_cast<std::size_t>(pos - run.StartPos());
    auto rest = run.Clone();
    rest->FText = run.Text().substr(at);
    run.FText.erase(at);
    rest->FStartPos = pos;
    if (run.Parent() == this)
        Sync(run.Index());
    NotifyDirty(run);
    return rest;
}

TVYXCharRun* TVYXCharRuns::SplitAndInsert(TVYXCharRun& run, std::int32_t pos)
{
    std::unique_ptr<TVYXCharRun> rest;
    if (pos >= run.GetEndPos()) {
        rest = run.Clone();
        rest->FText.clear();
    } else
        rest = Split(run, pos);
    return Insert(run.Index() + 1, std::move(rest));
}

void TVYXCharRuns::SplitAllAtChar(char16_t c)
{
    for (int i = 0; i < Count(); ++i) {
        TVYXCharRun* run = Items(i);
        if (run->IsAtom())
            continue;
        const auto p = run->Text().find(c);
        if (p != std::u16string::npos && p + 1 < run->Text().size())
            SplitAndInsert(*run, run->StartPos() + static_cast<std::int32_t>(p) + 1);
    }
}

bool TVYXCharRuns::IsEqualCHPX(const TVYXCharRun& a, const TVYXCharRun& b)
{
    if (!a.CHPX() && !b.CHPX())
        return true;
    return a.CHPX() && b.CHPX() && a.CHPX()->Equal(*b.CHPX());
}

// One pass that compacts the list in place: a run that survives moves down over the
// gaps the dropped ones leave, so tidying n runs costs O(n) rather than one erase
// (and re-numbering of every later run) per dropped run. The decisions are those of
// walking the pairs (a, b) of neighbours left to right: b joins a; else an empty text
// run a goes (and b becomes a); else, on the second pass, an empty text run b goes;
// else a stays. The dropped runs are told to ChangeEvent in the order they went,
// once the list is whole again.
void TVYXCharRuns::CombineImpl(int from, int to, bool second)
{
    from = std::max(from, 0);
    to = std::min(to, Count() - 1);
    if (from >= to) {
        Sync(from);
        return;
    }
    auto isEmptyText = [](const TVYXCharRun* r) { return r->Type_() == acrtText && r->Text().empty(); };
    // What CanCombineRight / CanCombineLeft answer for neighbours a, b (the list's
    // indexes are not kept up during the pass).
    auto combineRight = [](const TVYXCharRun* a, const TVYXCharRun* b) {
        return a->IsNotAtom() && !a->Revision() && b->Type_() != acrtLinked && !b->Revision();
    };
    std::vector<std::unique_ptr<TVYXCharRun>> gone;
    auto drop = [&gone](std::unique_ptr<TVYXCharRun>& slot) {
        CountLinkUse(*slot, false);
        gone.push_back(std::move(slot));
    };
    auto w = static_cast<std::size_t>(from);  // where the run a stands
    const auto last = static_cast<std::size_t>(to);
    for (std::size_t r = w + 1; r <= last; ++r) {
        TVYXCharRun* a = FItems[w].get();
        TVYXCharRun* b = FItems[r].get();
        bool merge = a->IsNotAtom() && b->IsNotAtom() && a->Type_() == b->Type_() &&
                     (a->Type_() == acrtText || a->Type_() == acrtHyperlink) && IsEqualCHPX(*a, *b) &&
                     !a->GetReadOnlyActive() && !b->GetReadOnlyActive();
        if (merge) {
            if (second && a->Revision() && b->Revision())
                merge = a->CanCombine(*b);
            else
                merge = combineRight(a, b) && combineRight(b, a);
        }
        if (merge) {
            a->FText += b->Text();  // the stored text: caps are a format, not a change of the letters
            drop(FItems[r]);
        } else if (isEmptyText(a) && !a->GetReadOnlyActive()) {
            drop(FItems[w]);
            FItems[w] = std::move(FItems[r]);
        } else if (second && isEmptyText(b) && !b->GetReadOnlyActive())
            drop(FItems[r]);
        else if (++w != r)
            FItems[w] = std::move(FItems[r]);
    }
    // The runs after the range close up behind it.
    std::size_t end = w + 1;
    for (std::size_t r = last + 1; r < FItems.size(); ++r, ++end)
        if (end != r)
            FItems[end] = std::move(FItems[r]);
    FItems.resize(end);
    // Positions restart where the range began; its first run kept its start.
    Sync(from);
    for (std::unique_ptr<TVYXCharRun>& run : gone)
        NotifyChange(acrcDeleted, *run);
}

void TVYXCharRuns::Combine(int from, int to) { CombineImpl(from, to, false); }
void TVYXCharRuns::Combine2(int from, int to) { CombineImpl(from, to, true); }

void TVYXCharRuns::ClearMisspelled()
{
    for (const auto& run : FItems)
        if (TVYXCHPX* chpx = run->CHPX()) {
            // Absent means "not misspelled"; removing the item lets the emptied list go.
            chpx->Remove(vyciMisspelled);
            run->DeleteCHPXIfEmpty();
        }
}

void TVYXCharRuns::Append(const TVYXCharRuns& other)
{
    if (&other == this)
        return;
    BeginUpdate();
    for (const auto& run : other.FItems) {
        auto copy = run->CreateSame();
        copy->FParent = this;
        copy->Assign(*run);
        CountLinkUse(*copy, true);
        FItems.push_back(std::move(copy));
    }
    EndUpdate();
}

void TVYXCharRuns::Assign(const TVYXCharRuns& other)
{
    if (&other == this)
        return;
    Clear();
    Append(other);
}

TVYXCharRun* TVYXCharRuns::AddRevision(std::u16string_view text, std::unique_ptr<TVYXRevisionData> data,
                                       const TVYXCHPX* chpx)
{
    auto run = NewRun<TVYXCharRun>();
    run->FText = text;
    run->AddRevision(std::move(data));
    return AddTyped(std::move(run), chpx);
}

std::unique_ptr<TVYXCharRuns> TVYXCharRuns::CreateSame() const
{
    auto runs = std::make_unique<TVYXCharRuns>(RootData());
    runs->FWatcher = FWatcher;
    return runs;
}
