#include "platform/large_tables.h"

#include <cstdlib>

#include <sys/mman.h>

namespace platform {

void* large_block(std::size_t bytes)
{
    if (bytes < kHugePage) return ::operator new(bytes);
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = std::aligned_alloc(kHugePage, rounded);
    if (!block) throw std::bad_alloc();
    // Only advice: where the system has no huge pages to give, the block stays as it is.
    (void)madvise(block, rounded, MADV_HUGEPAGE);
    return block;
}

void release_large_block(void* block, std::size_t bytes) noexcept
{
    if (bytes < kHugePage)
        ::operator delete(block);
    else
        std::free(block);
}

}  // namespace platform
