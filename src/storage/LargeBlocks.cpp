#include "storage/LargeBlocks.h"

#include <cstdint>

#include <sys/mman.h>

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

bool isLarge(std::size_t bytes)
{
    return bytes >= HugePage;
}

std::size_t roundedUp(std::size_t bytes)
{
    return (bytes + HugePage - 1) / HugePage * HugePage;
}

} // namespace

void *AllocateLargeBlock(std::size_t bytes)
{
    if (!isLarge(bytes))
        return ::operator new(bytes);
    // Mapped one huge page larger, then cut to a boundary: a huge page must start on one.
    const std::size_t size = roundedUp(bytes);
    void *mapped = ::mmap(nullptr, size + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + HugePage - 1) / HugePage * HugePage;
    if (aligned > start)
        ::munmap(mapped, aligned - start);
    const std::uintptr_t end = start + size + HugePage;
    if (end > aligned + size)
        ::munmap(reinterpret_cast<void *>(aligned + size), end - (aligned + size));
    // Only advice: where the system keeps no huge pages the block is made of small ones.
    ::madvise(reinterpret_cast<void *>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void *>(aligned);
}

void FreeLargeBlock(void *block, std::size_t bytes)
{
    if (!isLarge(bytes)) {
        ::operator delete(block);
        return;
    }
    ::munmap(block, roundedUp(bytes));
}
