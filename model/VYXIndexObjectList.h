// VYXIndexObjectList.h: an owning list whose items know their index, fast at any length.
//
// The items live in blocks of a few hundred; a Fenwick tree over the blocks' sizes turns an
// index into a block and back. Inserting or removing an item moves at most one block's
// pointers, and looking an item up by index, or an index up by item, is logarithmic, so
// a keystroke in a long document costs what it costs in a short one.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TVYXIndexObjectList;
struct TVYXIndexObjectBlock;

// An object that knows its place in the list that owns it. The place is cached with the
// list's change count; a stale cache is repaired from the item's block when it is read.
class TVYXIndexObject {
public:
    TVYXIndexObject() = default;
    TVYXIndexObject(const TVYXIndexObject&) = delete;
    TVYXIndexObject& operator=(const TVYXIndexObject&) = delete;
    virtual ~TVYXIndexObject() = default;

private:
    friend class TVYXIndexObjectList;
    TVYXIndexObjectBlock* FBlock = nullptr;  // borrowed: the block holding the item, nullptr outside a list
    mutable std::uint64_t FStamp = 0;        // the list's change count that FIndex belongs to
    mutable int FSlot = 0;                   // the place in the block when last seen

protected:
    mutable int FIndex = -1;  // the index when last read; -1 once removed from a list
};

class TVYXIndexObjectList {
public:
    TVYXIndexObjectList();
    ~TVYXIndexObjectList();
    TVYXIndexObjectList(const TVYXIndexObjectList&) = delete;
    TVYXIndexObjectList& operator=(const TVYXIndexObjectList&) = delete;

    int Count() const { return FCount; }
    // Raises std::out_of_range for an index outside 0..Count()-1.
    const TVYXIndexObject* Items(int index) const;
    TVYXIndexObject* Items(int index) { return const_cast<TVYXIndexObject*>(std::as_const(*this).Items(index)); }
    const TVYXIndexObject* First() const;
    TVYXIndexObject* First() { return const_cast<TVYXIndexObject*>(std::as_const(*this).First()); }
    const TVYXIndexObject* Last() const;
    TVYXIndexObject* Last() { return const_cast<TVYXIndexObject*>(std::as_const(*this).Last()); }
    // The item's index, -1 when it is not in this list.
    int IndexOf(const TVYXIndexObject& item) const;
    // `index` 0..Count(); raises std::out_of_range otherwise (the item is then freed).
    TVYXIndexObject& Insert(int index, std::unique_ptr<TVYXIndexObject> item);
    // Raises std::out_of_range for an index outside 0..Count()-1.
    std::unique_ptr<TVYXIndexObject> Extract(int index);
    void Clear();

private:
    struct TPlace {
        int Block, Slot;
    };
    TPlace Locate(int index) const;
    int BlockStart(int block) const;
    void TreeAdd(int block, int delta);
    void RebuildTree();
    void Split(int block);
    void Absorb(int block);  // moves the next block's items into `block` and drops the next block
    void DropBlock(int block);
    void Renumber(int fromBlock);
    void SetHot(int block, int start) const;
    std::vector<std::unique_ptr<TVYXIndexObjectBlock>> FBlocks;
    std::vector<int> FTree;  // Fenwick tree over the blocks' sizes
    int FCount = 0;
    std::uint64_t FStamp = 1;  // raised by every change; cached indexes of another stamp are stale
    // The block last looked at and its first index, valid while FHotStamp is FStamp: walks
    // through the list and edits at one place find their block without a tree descent.
    mutable int FHotBlock = 0, FHotStart = 0;
    mutable std::uint64_t FHotStamp = 0;
};
