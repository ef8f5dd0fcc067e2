#include "platform/block_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "platform/side_by_side.h"

namespace {

using platform::kPoolBlock;

TEST(BlockPool, BlocksAreAlignedApartAndHandedOutAgainWhenGivenBack)
{
    // More blocks than one huge page holds, so that the pool cuts a second one.
    std::vector<void*> blocks;
    for (int i = 0; i < 40; ++i) {
        void* b = platform::pool_block();
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(b) % kPoolBlock, 0u);
        std::memset(b, i, kPoolBlock);  // the whole block is the caller's
        blocks.push_back(b);
    }
    for (int i = 0; i < 40; ++i) {
        const auto* bytes = static_cast<const unsigned char*>(blocks[i]);
        EXPECT_EQ(bytes[0], i);
        EXPECT_EQ(bytes[kPoolBlock - 1], i);  // no block overlaps the next
    }
    EXPECT_EQ(std::set<void*>(blocks.begin(), blocks.end()).size(), blocks.size());

    void* given_back = blocks.back();
    blocks.pop_back();
    platform::release_pool_block(given_back);
    void* again = platform::pool_block();
    EXPECT_EQ(again, given_back);
    blocks.push_back(again);
    for (void* b : blocks) platform::release_pool_block(b);
}

TEST(BlockPool, ThreadsSideBySideNeverShareABlock)
{
    constexpr std::size_t kThreads = 8;
    constexpr std::size_t kEach = 50;
    std::vector<std::vector<void*>> taken(kThreads);
    platform::run_side_by_side(kThreads, [&](std::size_t t) {
        for (std::size_t i = 0; i < kEach; ++i) {
            void* b = platform::pool_block();
            std::memset(b, static_cast<int>(t), 64);
            taken[t].push_back(b);
            if (i % 3 == 0) {  // some go back at once and may come to another thread
                platform::release_pool_block(taken[t].back());
                taken[t].pop_back();
            }
        }
    });
    std::set<void*> all;
    for (std::size_t t = 0; t < kThreads; ++t)
        for (void* b : taken[t]) {
            EXPECT_EQ(*static_cast<unsigned char*>(b), t);
            all.insert(b);
        }
    std::size_t held = 0;
    for (const auto& mine : taken) held += mine.size();
    EXPECT_EQ(all.size(), held);
    for (const auto& mine : taken)
        for (void* b : mine) platform::release_pool_block(b);
}

}  // namespace
