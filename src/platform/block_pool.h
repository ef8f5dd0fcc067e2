// Blocks of one size for the storage of large fact lists, cut from huge pages. A list of
// hundreds of thousands of facts fills thousands of such blocks; taken one by one from the
// system each would cost a page fault per 4 KB at its first touch, which is most of the time
// of reading a large base. A huge page of blocks costs one. Blocks given back are kept for the
// next list: the pool holds at most the most the lists ever held at once, plus one huge page.
#pragma once

#include <cstddef>

namespace platform {

inline constexpr std::size_t kPoolBlock = std::size_t{64} << 10;

// A block of kPoolBlock bytes, aligned to it; any thread may ask.
void* pool_block();
// Gives back a block of pool_block; any thread may give back any block.
void release_pool_block(void* block) noexcept;

}  // namespace platform
