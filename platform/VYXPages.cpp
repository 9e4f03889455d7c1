#include "platform/VYXPages.h"

#include <sys/mman.h>

#include <cstdint>

// Kernels before 5.14 answer EINVAL, and the pages fault in on first touch instead.
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

void* VYXMapPages(std::size_t size, std::size_t alignment) noexcept
{
    // Map enough to hold an aligned block anywhere inside, then give back both ends.
    const std::size_t span = size + alignment;
    void* mapped = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    const auto base = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t start = (base + alignment - 1) & ~(std::uintptr_t{alignment} - 1);
    if (start > base)
        munmap(mapped, start - base);
    if (const std::uintptr_t tail = base + span - (start + size); tail > 0)
        munmap(reinterpret_cast<void*>(start + size), tail);
    return reinterpret_cast<void*>(start);
}

void VYXUnmapPages(void* pages, std::size_t size) noexcept
{
    if (pages)
        munmap(pages, size);
}

void VYXPopulatePages(void* pages, std::size_t size) noexcept { madvise(pages, size, MADV_POPULATE_WRITE); }
