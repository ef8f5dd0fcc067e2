// The storage of a fact list: its entries in blocks, front to back, like a deque, but a list can
// take over all the blocks of another at once (the parts of a file read side by side join
// without moving a fact), and a large list fills blocks of tens of kilobytes instead of
// hundreds of bytes. Every block holds at least one entry; blocks need not be full.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "platform/block_pool.h"

namespace facts {

// E has a member `key` (std::int64_t) that grows from front to back.
template <class E>
class EntryBlocks {
    struct Block {
        E* items;
        std::uint32_t begin;
        std::uint32_t end;
        std::uint32_t capacity;
    };

public:
    template <bool Const>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = E;
        using difference_type = std::ptrdiff_t;
        using reference = std::conditional_t<Const, const E&, E&>;
        using pointer = std::conditional_t<Const, const E*, E*>;

        Iterator() = default;
        reference operator*() const { return blocks_[block_]->items[item_]; }
        pointer operator->() const { return &**this; }
        Iterator& operator++()
        {
            if (++item_ == blocks_[block_]->end) {
                ++block_;
                item_ = block_ < count_ ? blocks_[block_]->begin : 0;
            }
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator old = *this;
            ++*this;
            return old;
        }
        friend bool operator==(const Iterator& a, const Iterator& b)
        {
            return a.block_ == b.block_ && a.item_ == b.item_;
        }

    private:
        friend class EntryBlocks;
        Iterator(Block* const* blocks, std::size_t count, std::size_t block, std::uint32_t item)
            : blocks_(blocks), count_(count), block_(block), item_(item)
        {
        }
        Block* const* blocks_ = nullptr;
        std::size_t count_ = 0;
        std::size_t block_ = 0;
        std::uint32_t item_ = 0;
    };
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;

    EntryBlocks() = default;
    EntryBlocks(const EntryBlocks& other)
    {
        for (const E& e : other) push_back(e);
    }
    EntryBlocks(EntryBlocks&& other) noexcept : blocks_(std::move(other.blocks_)), size_(other.size_)
    {
        other.blocks_.clear();
        other.size_ = 0;
    }
    EntryBlocks& operator=(const EntryBlocks& other)
    {
        if (this != &other) {
            EntryBlocks copy(other);
            swap(copy);
        }
        return *this;
    }
    EntryBlocks& operator=(EntryBlocks&& other) noexcept
    {
        if (this != &other) {
            clear();
            swap(other);
        }
        return *this;
    }
    ~EntryBlocks() { clear(); }

    void swap(EntryBlocks& other) noexcept
    {
        blocks_.swap(other.blocks_);
        std::swap(size_, other.size_);
    }

    iterator begin() { return at_start<false>(); }
    iterator end() { return at_end<false>(); }
    const_iterator begin() const { return at_start<true>(); }
    const_iterator end() const { return at_end<true>(); }
    std::size_t size() const { return size_; }

    void push_back(E value)
    {
        if (blocks_.empty() || blocks_.back()->end == blocks_.back()->capacity) {
            blocks_.reserve(blocks_.size() + 1);
            Block* b = new_block();
            b->begin = b->end = 0;
            blocks_.push_back(b);
        }
        Block* b = blocks_.back();
        std::construct_at(b->items + b->end, std::move(value));
        ++b->end;
        ++size_;
    }

    void push_front(E value)
    {
        if (blocks_.empty() || blocks_.front()->begin == 0) {
            blocks_.reserve(blocks_.size() + 1);
            Block* b = new_block();
            b->begin = b->end = b->capacity;
            blocks_.insert(blocks_.begin(), b);
        }
        Block* b = blocks_.front();
        std::construct_at(b->items + b->begin - 1, std::move(value));
        --b->begin;
        ++size_;
    }

    void clear()
    {
        for (Block* b : blocks_) free_block(b);
        blocks_.clear();
        size_ = 0;
    }

    // Drops the entries that match, keeping the order of the others.
    template <class Pred>
    void erase_if(Pred&& match)
    {
        std::size_t kept_blocks = 0;
        for (Block* b : blocks_) {
            std::uint32_t to = b->begin;
            for (std::uint32_t from = b->begin; from < b->end; ++from) {
                if (match(b->items[from])) continue;
                if (to != from) b->items[to] = std::move(b->items[from]);
                ++to;
            }
            std::destroy(b->items + to, b->items + b->end);
            size_ -= b->end - to;
            b->end = to;
            if (b->begin == b->end)
                free_block(b);
            else
                blocks_[kept_blocks++] = b;
        }
        blocks_.resize(kept_blocks);
    }

    // Every entry of other goes after these, in its order; other is left empty. The keys are
    // the caller's: they must still grow from front to back.
    void splice_back(EntryBlocks& other)
    {
        blocks_.insert(blocks_.end(), other.blocks_.begin(), other.blocks_.end());
        size_ += other.size_;
        other.blocks_.clear();
        other.size_ = 0;
    }

    // The first entry whose key is greater than `key`.
    const_iterator first_after(std::int64_t key) const
    {
        const auto block = std::partition_point(blocks_.begin(), blocks_.end(),
                                                [&](const Block* b) { return b->items[b->end - 1].key <= key; });
        if (block == blocks_.end()) return end();
        const Block* b = *block;
        const E* item = std::upper_bound(b->items + b->begin, b->items + b->end, key,
                                         [](std::int64_t k, const E& e) { return k < e.key; });
        return const_iterator(blocks_.data(), blocks_.size(), static_cast<std::size_t>(block - blocks_.begin()),
                              static_cast<std::uint32_t>(item - b->items));
    }

    // The entries of share `share` of `shares`: whole blocks, the shares in order making up the
    // whole, so that a walk over a large list can be split among threads.
    std::pair<const_iterator, const_iterator> share(std::size_t share, std::size_t shares) const
    {
        const auto block_at = [&](std::size_t k) {
            const std::size_t b = blocks_.size() * k / shares;
            return b == blocks_.size() ? end()
                                       : const_iterator(blocks_.data(), blocks_.size(), b, blocks_[b]->begin);
        };
        return {block_at(share), block_at(share + 1)};
    }

private:
    // A block a little larger than the list so far: few blocks for a large list, little room
    // to spare for the many small ones. The largest come from the pool of huge pages.
    static constexpr std::size_t kLargestBlock = std::max<std::size_t>(8, platform::kPoolBlock / sizeof(E));
    static constexpr bool kLargestFromPool = kLargestBlock * sizeof(E) <= platform::kPoolBlock;

    Block* new_block()
    {
        const auto capacity = static_cast<std::uint32_t>(std::clamp<std::size_t>(size_ / 2, 4, kLargestBlock));
        auto block = std::make_unique<Block>();
        block->items = from_pool(capacity) ? static_cast<E*>(platform::pool_block())
                                           : std::allocator<E>().allocate(capacity);
        block->capacity = capacity;
        return block.release();
    }

    static void free_block(Block* b) noexcept
    {
        std::destroy(b->items + b->begin, b->items + b->end);
        if (from_pool(b->capacity))
            platform::release_pool_block(b->items);
        else
            std::allocator<E>().deallocate(b->items, b->capacity);
        delete b;
    }

    static bool from_pool(std::size_t capacity) { return kLargestFromPool && capacity == kLargestBlock; }

    template <bool Const>
    Iterator<Const> at_start() const
    {
        return Iterator<Const>(blocks_.data(), blocks_.size(), 0, blocks_.empty() ? 0 : blocks_.front()->begin);
    }
    template <bool Const>
    Iterator<Const> at_end() const
    {
        return Iterator<Const>(blocks_.data(), blocks_.size(), blocks_.size(), 0);
    }

    std::vector<Block*> blocks_;
    std::size_t size_ = 0;
};

}  // namespace facts
