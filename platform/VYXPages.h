// VYXPages.h: memory in whole pages straight from the system, for the allocators that
// hand out a document's many small objects.
#pragma once

#include <cstddef>

// `size` bytes of zeroed pages whose start is a multiple of `alignment` (a power of two,
// at least a page); nullptr when the system has no more to give.
void* VYXMapPages(std::size_t size, std::size_t alignment) noexcept;
void VYXUnmapPages(void* pages, std::size_t size) noexcept;
// Asks the system to back the pages now, in one call, rather than one fault per page on
// first touch. Only a hint: where the system cannot, the pages fault in as usual.
void VYXPopulatePages(void* pages, std::size_t size) noexcept;
