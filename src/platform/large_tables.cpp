#include "platform/large_tables.h"

#include <cstdint>
#include <cstdlib>

#include <sys/mman.h>

// jemalloc's control, when the program is linked with it (see src/allocator_settings.cpp);
// without it the C library's allocator has given large blocks back as they were freed.
extern "C" int mallctl(const char* name, void* old_value, std::size_t* old_size, void* new_value,
                       std::size_t new_size) __attribute__((weak));

namespace platform {

void give_back_free_memory() noexcept
{
    // jemalloc's name for every arena at once (its MALLCTL_ARENAS_ALL, 4096).
    constexpr const char* kPurgeEveryArena = "arena.4096.purge";
    // Only advice as well: a failure leaves the unused pages where they were.
    if (mallctl != nullptr) (void)mallctl(kPurgeEveryArena, nullptr, nullptr, nullptr, 0);
}

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
