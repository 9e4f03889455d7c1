// VYXIndexObjectList.cpp: the blocks, the Fenwick tree over their sizes and the cached item indexes.
#include "model/VYXIndexObjectList.h"

#include <bit>
#include <stdexcept>

struct TVYXIndexObjectBlock {
    const TVYXIndexObjectList* Owner = nullptr;  // nullptr while the list is being cleared
    int Ordinal = 0;                             // the block's place in the list
    std::vector<std::unique_ptr<TVYXIndexObject>> Items;
};

namespace {
// A full block splits in two. Moving a block's pointers is cheap next to the cache misses of
// touching its items, which happens only on a split or a merge, so blocks can be long.
constexpr std::size_t cBlockMax = 512;
// A block that shrinks below cBlockMin merges with a neighbour when the two fit in
// cBlockMerge, which leaves room to grow before the next split.
constexpr std::size_t cBlockMin = 64;
constexpr std::size_t cBlockMerge = 384;

[[noreturn]] void BadIndex() { throw std::out_of_range("Index object list: index out of range"); }
}  // namespace

TVYXIndexObjectList::TVYXIndexObjectList() = default;

TVYXIndexObjectList::~TVYXIndexObjectList() { Clear(); }

const TVYXIndexObject* TVYXIndexObjectList::Items(int index) const
{
    if (index < 0 || index >= FCount)
        BadIndex();
    const TPlace at = Locate(index);
    return FBlocks[static_cast<std::size_t>(at.Block)]->Items[static_cast<std::size_t>(at.Slot)].get();
}

const TVYXIndexObject* TVYXIndexObjectList::First() const
{
    return FBlocks.empty() ? nullptr : FBlocks.front()->Items.front().get();
}

const TVYXIndexObject* TVYXIndexObjectList::Last() const
{
    return FBlocks.empty() ? nullptr : FBlocks.back()->Items.back().get();
}

int TVYXIndexObjectList::IndexOf(const TVYXIndexObject& item) const
{
    const TVYXIndexObjectBlock* block = item.FBlock;
    if (!block || block->Owner != this)
        return -1;
    if (item.FStamp == FStamp)
        return item.FIndex;
    // Changes in the block since the item was last seen moved it by about as many places as
    // there were changes, so the search starts at the old place and widens.
    const auto& items = block->Items;
    const int n = static_cast<int>(items.size());
    const int hint = item.FSlot;
    auto at = [&](int slot) { return slot >= 0 && slot < n && items[static_cast<std::size_t>(slot)].get() == &item; };
    int slot = at(hint) ? hint : -1;
    for (int d = 1; slot < 0 && d <= n + hint; ++d)
        slot = at(hint + d) ? hint + d : at(hint - d) ? hint - d : -1;
    if (slot < 0)
        return -1;
    item.FSlot = slot;
    item.FIndex = BlockStart(block->Ordinal) + slot;
    item.FStamp = FStamp;
    return item.FIndex;
}

TVYXIndexObject& TVYXIndexObjectList::Insert(int index, std::unique_ptr<TVYXIndexObject> item)
{
    if (!item || index < 0 || index > FCount)
        BadIndex();
    // A reader appends item after item: a full last block is left full and a new one
    // started, sized for a full block, so that the blocks of a document read from a file
    // are full and never outgrow their memory (a split would leave two half-empty ones).
    if (FBlocks.empty() || (index == FCount && FBlocks.back()->Items.size() >= cBlockMax)) {
        FBlocks.push_back(std::make_unique<TVYXIndexObjectBlock>());
        FBlocks.back()->Owner = this;
        FBlocks.back()->Ordinal = static_cast<int>(FBlocks.size()) - 1;
        if (FBlocks.size() > 1)
            FBlocks.back()->Items.reserve(cBlockMax);
        RebuildTree();
    }
    // Appending is the common case while a document is read: no search.
    const TPlace at = index == FCount ? TPlace{static_cast<int>(FBlocks.size()) - 1,
                                               static_cast<int>(FBlocks.back()->Items.size())}
                                      : Locate(index);
    TVYXIndexObjectBlock& block = *FBlocks[static_cast<std::size_t>(at.Block)];
    TVYXIndexObject& added = *item;
    block.Items.insert(block.Items.begin() + at.Slot, std::move(item));
    ++FCount;
    ++FStamp;
    TreeAdd(at.Block, 1);
    added.FBlock = &block;
    added.FSlot = at.Slot;
    added.FIndex = index;
    added.FStamp = FStamp;
    SetHot(at.Block, index - at.Slot);
    if (block.Items.size() > cBlockMax)
        Split(at.Block);
    return added;
}

std::unique_ptr<TVYXIndexObject> TVYXIndexObjectList::Extract(int index)
{
    if (index < 0 || index >= FCount)
        BadIndex();
    const TPlace at = Locate(index);
    TVYXIndexObjectBlock& block = *FBlocks[static_cast<std::size_t>(at.Block)];
    auto item = std::move(block.Items[static_cast<std::size_t>(at.Slot)]);
    block.Items.erase(block.Items.begin() + at.Slot);
    --FCount;
    ++FStamp;
    TreeAdd(at.Block, -1);
    item->FBlock = nullptr;
    item->FIndex = -1;
    SetHot(at.Block, index - at.Slot);
    const std::size_t size = block.Items.size();
    const bool hasPrev = at.Block > 0, hasNext = at.Block + 1 < static_cast<int>(FBlocks.size());
    if (size == 0)
        DropBlock(at.Block);
    else if (size < cBlockMin && hasPrev && FBlocks[static_cast<std::size_t>(at.Block - 1)]->Items.size() + size <= cBlockMerge)
        Absorb(at.Block - 1);
    else if (size < cBlockMin && hasNext && FBlocks[static_cast<std::size_t>(at.Block + 1)]->Items.size() + size <= cBlockMerge)
        Absorb(at.Block);
    return item;
}

void TVYXIndexObjectList::Clear()
{
    // The list is empty before the first item is freed, so an item's destructor that asks
    // for an index finds none.
    auto blocks = std::move(FBlocks);
    FBlocks.clear();
    FTree.clear();
    FCount = 0;
    ++FStamp;
    for (auto& block : blocks) {
        block->Owner = nullptr;
        for (auto& item : block->Items)
            item->FBlock = nullptr, item->FIndex = -1;
    }
    blocks.clear();
}

TVYXIndexObjectList::TPlace TVYXIndexObjectList::Locate(int index) const
{
    const int n = static_cast<int>(FBlocks.size());
    if (FHotStamp == FStamp) {
        // The hot block or one of its neighbours, as in a walk forwards or backwards.
        auto size = [this](int block) { return static_cast<int>(FBlocks[static_cast<std::size_t>(block)]->Items.size()); };
        const int start = FHotStart, end = start + size(FHotBlock);
        if (index >= start && index < end)
            return {FHotBlock, index - start};
        if (index >= end && FHotBlock + 1 < n && index < end + size(FHotBlock + 1)) {
            SetHot(FHotBlock + 1, end);
            return {FHotBlock, index - end};
        }
        if (index < start && FHotBlock > 0 && index >= start - size(FHotBlock - 1)) {
            SetHot(FHotBlock - 1, start - size(FHotBlock - 1));
            return {FHotBlock, index - FHotStart};
        }
    }
    // The last block whose start is at most `index`: a descent through the Fenwick tree.
    int block = 0, rest = index;
    for (int step = static_cast<int>(std::bit_floor(static_cast<unsigned>(n))); step > 0; step >>= 1)
        if (block + step <= n && FTree[static_cast<std::size_t>(block + step - 1)] <= rest) {
            block += step;
            rest -= FTree[static_cast<std::size_t>(block - 1)];
        }
    SetHot(block, index - rest);
    return {block, rest};
}

void TVYXIndexObjectList::SetHot(int block, int start) const
{
    FHotBlock = block;
    FHotStart = start;
    FHotStamp = FStamp;
}

int TVYXIndexObjectList::BlockStart(int block) const
{
    int start = 0;
    for (int i = block; i > 0; i -= i & -i)
        start += FTree[static_cast<std::size_t>(i - 1)];
    return start;
}

void TVYXIndexObjectList::TreeAdd(int block, int delta)
{
    const int n = static_cast<int>(FTree.size());
    for (int i = block + 1; i <= n; i += i & -i)
        FTree[static_cast<std::size_t>(i - 1)] += delta;
}

void TVYXIndexObjectList::RebuildTree()
{
    FHotStamp = 0;  // blocks came or went
    const std::size_t n = FBlocks.size();
    FTree.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        FTree[i] += static_cast<int>(FBlocks[i]->Items.size());
    for (std::size_t i = 1; i <= n; ++i)
        if (const std::size_t parent = i + (i & (~i + 1)); parent <= n)
            FTree[parent - 1] += FTree[i - 1];
}

void TVYXIndexObjectList::Split(int block)
{
    TVYXIndexObjectBlock& full = *FBlocks[static_cast<std::size_t>(block)];
    auto half = std::make_unique<TVYXIndexObjectBlock>();
    half->Owner = this;
    const std::size_t keep = full.Items.size() / 2;
    half->Items.reserve(full.Items.size() - keep);
    for (std::size_t i = keep; i < full.Items.size(); ++i) {
        full.Items[i]->FBlock = half.get();
        full.Items[i]->FSlot = static_cast<int>(i - keep);
        half->Items.push_back(std::move(full.Items[i]));
    }
    full.Items.resize(keep);
    FBlocks.insert(FBlocks.begin() + block + 1, std::move(half));
    Renumber(block + 1);
    RebuildTree();
}

void TVYXIndexObjectList::Absorb(int block)
{
    TVYXIndexObjectBlock& into = *FBlocks[static_cast<std::size_t>(block)];
    for (auto& item : FBlocks[static_cast<std::size_t>(block + 1)]->Items) {
        item->FBlock = &into;
        item->FSlot = static_cast<int>(into.Items.size());
        into.Items.push_back(std::move(item));
    }
    FBlocks[static_cast<std::size_t>(block + 1)]->Items.clear();
    DropBlock(block + 1);
}

void TVYXIndexObjectList::DropBlock(int block)
{
    FBlocks.erase(FBlocks.begin() + block);
    Renumber(block);
    RebuildTree();
}

void TVYXIndexObjectList::Renumber(int fromBlock)
{
    for (std::size_t i = static_cast<std::size_t>(fromBlock); i < FBlocks.size(); ++i)
        FBlocks[i]->Ordinal = static_cast<int>(i);
}
