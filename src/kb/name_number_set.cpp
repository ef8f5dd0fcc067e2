#include "kb/name_number_set.h"

namespace kb {

NameNumberSet::NameNumberSet(std::size_t expected) : dense_(expected * 8 >= facts::name_table().size())
{
    if (dense_) {
        marks_.assign(facts::name_table().size(), 0);
        return;
    }
    std::size_t capacity = 16;
    while (capacity < expected * 2) capacity *= 2;
    slots_.assign(capacity, 0);
}

void NameNumberSet::rehash(std::size_t capacity)
{
    std::vector<std::uint32_t> old(capacity, 0);
    old.swap(slots_);
    for (const std::uint32_t s : old)
        if (s != 0) slots_[position(s - 1)] = s;
}

void NameNumberSet::grow_marks() { marks_.resize(facts::name_table().size(), 0); }

}  // namespace kb
