// VYXModelPool.h: where a document's paragraphs and runs live.
//
// A long document holds millions of paragraphs and runs of a few sizes. Taking each from
// the general heap costs a page fault per fresh page as the heap grows, and freeing the
// document leaves millions of small holes the heap merges on its next large request. The
// pool hands them out of blocks of 2 MiB that are backed in bulk and given back whole.
//
// A block counts the objects still alive in it and the last one out gives the block back,
// so an object may outlive the pool that made it (a run moved into another document, a
// paragraph kept by undo) and may be freed on any thread. Space freed inside a block is
// not reused: a block goes back once its last object has gone, so a document edited for
// long holds at most the blocks its objects were first made in.
//
// Builds with AddressSanitizer take every object from the general heap instead, so the
// sanitizer sees each one's bounds, lifetime and leaks.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define VYX_POOL_BLOCKS_BY_DEFAULT false
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VYX_POOL_BLOCKS_BY_DEFAULT false
#endif
#endif
#ifndef VYX_POOL_BLOCKS_BY_DEFAULT
#define VYX_POOL_BLOCKS_BY_DEFAULT true
#endif

class TVYXModelPool {
public:
    static constexpr std::size_t cBlockSize = std::size_t{2} << 20;

    explicit TVYXModelPool(bool useBlocks = VYX_POOL_BLOCKS_BY_DEFAULT) : FUseBlocks(useBlocks) {}
    TVYXModelPool(const TVYXModelPool&) = delete;
    TVYXModelPool& operator=(const TVYXModelPool&) = delete;
    ~TVYXModelPool();

    // False when objects come from the general heap (sanitizer builds, or asked for).
    bool UsesBlocks() const { return FUseBlocks; }
    // `size` bytes aligned for any of the model's objects, out of the open block; throws
    // std::bad_alloc. Only for pools that use blocks.
    void* Allocate(std::size_t size);
    // Gives back what Allocate handed out, from any thread and after the pool has gone.
    static void Free(void* object) noexcept;
    // Objects alive in the block holding `object` (for tests).
    static std::int64_t LiveInBlock(const void* object) noexcept;

private:
    struct TBlock;
    static TBlock* BlockOf(const void* object) noexcept;
    void OpenBlock();
    void RetireBlock() noexcept;

    bool FUseBlocks;
    TBlock* FBlock = nullptr;  // the open block; the pool holds it until it retires
    char* FNext = nullptr;
    char* FEnd = nullptr;
    char* FBacked = nullptr;  // pages before this are backed already
    std::int64_t FHanded = 0;  // objects handed out of the open block
};
