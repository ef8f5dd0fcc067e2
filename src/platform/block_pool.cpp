#include "platform/block_pool.h"

#include <mutex>
#include <vector>

#include "platform/large_tables.h"

namespace platform {

namespace {

static_assert(kHugePage % kPoolBlock == 0, "a huge page holds whole blocks");

class BlockPool {
public:
    void* take()
    {
        const std::lock_guard<std::mutex> lock(lock_);
        if (!free_.empty()) {
            void* block = free_.back();
            free_.pop_back();
            return block;
        }
        if (next_ == end_) {
            // Reserved first, so that giving back can never fail for want of room.
            free_.reserve(held_ + kHugePage / kPoolBlock);
            next_ = static_cast<char*>(large_block(kHugePage));
            end_ = next_ + kHugePage;
        }
        void* block = next_;
        next_ += kPoolBlock;
        ++held_;
        return block;
    }

    void give_back(void* block) noexcept
    {
        const std::lock_guard<std::mutex> lock(lock_);
        free_.push_back(block);  // within the capacity reserved when the block was cut
    }

private:
    std::mutex lock_;
    std::vector<void*> free_;
    std::size_t held_ = 0;  // blocks cut so far: the free list never holds more
    char* next_ = nullptr;
    char* end_ = nullptr;
};

// Never destroyed: fact lists of static stores give their blocks back while the program ends.
// The huge pages stay the program's to its end and are reachable from here.
BlockPool& pool()
{
    static BlockPool* const the_pool = new BlockPool;
    return *the_pool;
}

}  // namespace

void* pool_block() { return pool().take(); }
void release_pool_block(void* block) noexcept { pool().give_back(block); }

}  // namespace platform
