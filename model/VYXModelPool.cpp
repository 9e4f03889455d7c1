#include "model/VYXModelPool.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <new>

#include "platform/VYXPages.h"

namespace {
// Backing a block's pages as the pool reaches them keeps a small document from holding
// a whole block of memory, while a long one still gets its pages 64 at a time.
constexpr std::size_t cBackStep = std::size_t{256} << 10;
constexpr std::size_t cAlign = alignof(std::max_align_t);
// While a block is open its count carries this much more than its live objects, so
// objects freed before the pool has counted them in never take it to zero.
constexpr std::int64_t cOpenBias = std::int64_t{1} << 48;
}  // namespace

struct TVYXModelPool::TBlock {
    std::atomic<std::int64_t> Live{cOpenBias};
};

namespace {
constexpr std::size_t cHeader = 64;  // the block's count, on a line of its own
static_assert(sizeof(std::atomic<std::int64_t>) <= cHeader);
}  // namespace

TVYXModelPool::TBlock* TVYXModelPool::BlockOf(const void* object) noexcept
{
    const auto at = reinterpret_cast<std::uintptr_t>(object) & ~(std::uintptr_t{cBlockSize} - 1);
    return reinterpret_cast<TBlock*>(at);
}

TVYXModelPool::~TVYXModelPool() { RetireBlock(); }

void* TVYXModelPool::Allocate(std::size_t size)
{
    size = (size + cAlign - 1) & ~(cAlign - 1);
    if (size > cBlockSize - cHeader)
        throw std::bad_alloc();
    if (static_cast<std::size_t>(FEnd - FNext) < size)
        OpenBlock();
    char* object = FNext;
    FNext += size;
    if (FNext > FBacked) {
        const std::size_t step = std::min(cBackStep, static_cast<std::size_t>(FEnd - FBacked));
        VYXPopulatePages(FBacked, step);
        FBacked += step;
    }
    ++FHanded;
    return object;
}

void TVYXModelPool::OpenBlock()
{
    void* pages = VYXMapPages(cBlockSize, cBlockSize);
    if (!pages)
        throw std::bad_alloc();
    RetireBlock();
    FBlock = new (pages) TBlock;
    FNext = static_cast<char*>(pages) + cHeader;
    FEnd = static_cast<char*>(pages) + cBlockSize;
    FBacked = static_cast<char*>(pages);  // page aligned, as the system needs it
    FHanded = 0;
}

void TVYXModelPool::RetireBlock() noexcept
{
    if (!FBlock)
        return;
    // Counts in what was handed out and drops the pool's own share in one step; the
    // block goes back now if everything it held has gone already.
    TBlock* block = FBlock;
    FBlock = nullptr;
    FNext = FEnd = FBacked = nullptr;
    if (block->Live.fetch_add(FHanded - cOpenBias, std::memory_order_acq_rel) + FHanded - cOpenBias == 0) {
        block->~TBlock();
        VYXUnmapPages(block, cBlockSize);
    }
}

void TVYXModelPool::Free(void* object) noexcept
{
    if (!object)
        return;
    TBlock* block = BlockOf(object);
    if (block->Live.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        block->~TBlock();
        VYXUnmapPages(block, cBlockSize);
    }
}

std::int64_t TVYXModelPool::LiveInBlock(const void* object) noexcept
{
    return BlockOf(object)->Live.load(std::memory_order_acquire);
}
