// Tables keyed by names that other storage holds (string views): open addressing in one array,
// so a table of a million names costs a few allocations, not one per name as a node-based map.
// For the set and list computations over whole bases; it never owns or copies a name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/large_tables.h"

namespace platform {

// A fast hash of a name: eight bytes at a time, multiplied and folded.
inline std::uint64_t name_hash(std::string_view name)
{
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t h = name.size() * kMultiplier;
    const char* p = name.data();
    std::size_t n = name.size();
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        h = (h ^ word) * kMultiplier;
        h ^= h >> 29;
    }
    if (n > 0) {
        std::uint64_t word = 0;
        std::memcpy(&word, p, n);
        h = (h ^ word) * kMultiplier;
    }
    h ^= h >> 32;
    h *= kMultiplier;
    return h ^ (h >> 29);
}

// Names mapped to values. The names must outlive the table and stay unchanged while it is used.
template <class V>
class NameMap {
public:
    explicit NameMap(std::size_t expected = 0) { rehash(capacity_for(expected)); }

    // The value of the name, default-constructed when it is new, and whether it is new. The
    // pointer is good until the next insertion.
    std::pair<V*, bool> try_emplace(std::string_view name) { return try_emplace(name, name_hash(name)); }
    // The same with the name's name_hash, for a caller that has it already.
    std::pair<V*, bool> try_emplace(std::string_view name, std::uint64_t hash)
    {
        if ((size_ + 1) * 2 > slots_.size()) rehash(slots_.size() * 2);
        const std::uint32_t h = static_cast<std::uint32_t>(hash);
        Slot* s = &slots_[position(name, h)];
        if (s->used()) return {&s->value, false};
        s->data = name.data() ? name.data() : "";
        s->size = static_cast<std::uint32_t>(name.size());
        s->hash = h;
        ++size_;
        return {&s->value, true};
    }

    V* find(std::string_view name) { return find(name, name_hash(name)); }
    V* find(std::string_view name, std::uint64_t hash)
    {
        Slot& s = slots_[position(name, static_cast<std::uint32_t>(hash))];
        return s.used() ? &s.value : nullptr;
    }
    const V* find(std::string_view name) const { return const_cast<NameMap*>(this)->find(name); }
    bool contains(std::string_view name) const { return find(name) != nullptr; }
    std::size_t size() const { return size_; }

private:
    // 16 bytes and the value; a slot without a name is free.
    struct Slot {
        const char* data = nullptr;
        std::uint32_t size = 0;
        std::uint32_t hash = 0;
        [[no_unique_address]] V value{};
        bool used() const { return data != nullptr; }
        std::string_view name() const { return {data, size}; }
    };

    static std::size_t capacity_for(std::size_t expected)
    {
        std::size_t capacity = 16;
        while (capacity < expected * 2) capacity *= 2;
        return capacity;
    }

    // The slot holding the name, or the empty slot where it would go.
    std::size_t position(std::string_view name, std::uint32_t h) const
    {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = h & mask;; i = (i + 1) & mask) {
            const Slot& s = slots_[i];
            if (!s.used() || (s.hash == h && s.name() == name)) return i;
        }
    }

    void rehash(std::size_t capacity)
    {
        Slots old(capacity);
        old.swap(slots_);
        for (Slot& s : old)
            if (s.used()) slots_[position(s.name(), s.hash)] = std::move(s);
    }

    using Slots = std::vector<Slot, LargeTableAllocator<Slot>>;
    Slots slots_;
    std::size_t size_ = 0;
};

// Names only.
class NameSet {
public:
    explicit NameSet(std::size_t expected = 0) : map_(expected) {}
    bool insert(std::string_view name) { return map_.try_emplace(name).second; }  // true when new
    bool contains(std::string_view name) const { return map_.contains(name); }
    std::size_t size() const { return map_.size(); }

private:
    struct Nothing {};
    NameMap<Nothing> map_;
};

}  // namespace platform
