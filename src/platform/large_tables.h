// Memory for tables of a whole large base (hash tables and name texts of hundreds of
// megabytes): such a table is reached at random, and with the usual 4 KB pages nearly every
// look-up also misses the processor's page-table cache. Blocks of 2 MB and more are asked of
// the system in huge pages where it offers them (an advice: without it they are ordinary).
#pragma once

#include <cstddef>
#include <new>
#include <vector>

namespace platform {

inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

// A block of at least `bytes`, from operator new below a huge page, else aligned to one and
// (with `huge_pages`) advised to be backed by huge pages; release it with release_large_block
// and the same size. A huge page costs its whole 2 MB at the first touch, and the system may
// first have to gather one: a short-lived table that may stay small does without.
void* large_block(std::size_t bytes, bool huge_pages = true);
void release_large_block(void* block, std::size_t bytes) noexcept;

// Gives the whole pages inside these bytes of a large block back to the system, for a block
// read once front to back (a file's text as its facts are built): what was read no longer
// holds memory. The bytes stay the caller's, but read as zeros afterwards.
void release_pages(void* from, std::size_t bytes) noexcept;

// Gives memory freed by the program back to the system now, where the allocator would keep it
// a while for reuse: after large temporary tables are freed, so that they do not count twice
// in a large load's peak.
void give_back_free_memory() noexcept;

template <class T>
struct LargeTableAllocator {
    using value_type = T;
    LargeTableAllocator() = default;
    explicit LargeTableAllocator(bool huge) noexcept : huge_pages(huge) {}
    template <class U>
    LargeTableAllocator(const LargeTableAllocator<U>& other) noexcept : huge_pages(other.huge_pages)
    {
    }
    T* allocate(std::size_t n) { return static_cast<T*>(large_block(n * sizeof(T), huge_pages)); }
    void deallocate(T* p, std::size_t n) noexcept { release_large_block(p, n * sizeof(T)); }
    // Any of them releases what any allocated.
    template <class U>
    bool operator==(const LargeTableAllocator<U>&) const noexcept
    {
        return true;
    }

    bool huge_pages = true;
};

// A vector of a whole large base's worth of entries.
template <class T>
using LargeVector = std::vector<T, LargeTableAllocator<T>>;

}  // namespace platform
