#include "platform/large_tables.h"

#include <cstdint>
#include <cstdlib>

#include <sys/mman.h>

namespace platform {

void* large_block(std::size_t bytes, bool huge_pages)
{
    if (bytes < kHugePage) return ::operator new(bytes);
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = std::aligned_alloc(kHugePage, rounded);
    if (!block) throw std::bad_alloc();
    // Only advice: where the system has no huge pages to give, the block stays as it is.
    if (huge_pages) (void)madvise(block, rounded, MADV_HUGEPAGE);
    return block;
}

void release_large_block(void* block, std::size_t bytes) noexcept
{
    if (bytes < kHugePage)
        ::operator delete(block);
    else
        std::free(block);
}

void release_pages(void* from, std::size_t bytes) noexcept
{
    constexpr std::uintptr_t kPage = 4096;
    const auto start = (reinterpret_cast<std::uintptr_t>(from) + kPage - 1) / kPage * kPage;
    const auto end = (reinterpret_cast<std::uintptr_t>(from) + bytes) / kPage * kPage;
    // Only advice as well: memory the system keeps is memory the process held anyway.
    if (end > start) (void)madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
}

}  // namespace platform
