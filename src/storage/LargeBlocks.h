#pragma once
// An allocator for the large buffers of a list of hundreds of thousands of lines. Fresh memory
// costs a page fault per 4 KiB page on first touch, more than the copy into it on a virtual
// machine; blocks of 2 MiB and more are asked of the system in huge pages, one fault per 2 MiB.
// Small blocks come from the usual heap.

#include <cstddef>
#include <new>

void *AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void *block, std::size_t bytes);

template<typename T> struct LargeBlockAllocator
{
    using value_type = T;

    LargeBlockAllocator() = default;
    template<typename U> LargeBlockAllocator(const LargeBlockAllocator<U> &) noexcept { }

    T *allocate(std::size_t n) { return static_cast<T *>(AllocateLargeBlock(n * sizeof(T))); }
    void deallocate(T *block, std::size_t n) noexcept { FreeLargeBlock(block, n * sizeof(T)); }

    template<typename U> bool operator==(const LargeBlockAllocator<U> &) const noexcept { return true; }
};
