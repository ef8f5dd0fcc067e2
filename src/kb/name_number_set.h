// A set of names by their numbers, in one flat array and without a heap block per name: a mark
// per name of the program's table when the set may come to hold a good part of it, else an
// open-addressing table of the numbers, so that a set of a few names does not pay for every
// name the program has seen. For the list computations over whole bases, name after name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/names.h"

namespace kb {

class NameNumberSet {
public:
    // `expected`: about how many names it will hold (it grows past that).
    explicit NameNumberSet(std::size_t expected);

    // True when the name was not in the set.
    bool insert(facts::Name n)
    {
        if (dense_) {
            if (n.id() >= marks_.size()) grow_marks();
            const bool fresh = marks_[n.id()] == 0;
            marks_[n.id()] = 1;
            return fresh;
        }
        if ((size_ + 1) * 2 > slots_.size()) rehash(slots_.size() * 2);
        std::uint32_t& slot = slots_[position(n.id())];
        if (slot != 0) return false;
        slot = n.id() + 1;
        ++size_;
        return true;
    }

    bool contains(facts::Name n) const
    {
        if (dense_) return n.id() < marks_.size() && marks_[n.id()] != 0;
        return slots_[position(n.id())] != 0;
    }

private:
    // The slot holding the number, or the free slot where it would go.
    std::size_t position(std::uint32_t id) const
    {
        const std::size_t mask = slots_.size() - 1;
        std::size_t i = (std::uint64_t{id} * 0x9E3779B97F4A7C15ull) >> 32 & mask;
        while (slots_[i] != 0 && slots_[i] != id + 1) i = (i + 1) & mask;
        return i;
    }
    void rehash(std::size_t capacity);
    void grow_marks();

    bool dense_;
    std::vector<std::uint8_t> marks_;   // by name number
    std::vector<std::uint32_t> slots_;  // number + 1; 0 is free
    std::size_t size_ = 0;
};

}  // namespace kb
