// Values grouped by a name each carries, every group in the order the values were added: the
// look-ups of the diagnoses and list computations by a name's number, in flat arrays rather
// than a map with a node or a vector per name. Built once from whole lists, then only read.
//
// Grouping is a stable radix sort on the names' numbers, so it costs time in the number of
// values added, and memory in that number too, however many names the program's table holds.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/names.h"

namespace kb {

// The positions 0 .. keys.size()-1 in the order of their keys, equal keys in position order.
std::vector<std::uint32_t> stable_order_by_key(std::span<const std::uint32_t> keys);

// The number of the name with this text, or kNoName when no name has it (looking up does not
// add the text to the table).
inline constexpr std::uint32_t kNoName = UINT32_MAX;
std::uint32_t name_number(std::string_view text);

template <class T>
class NameIndex {
public:
    void add(facts::Name key, T value)
    {
        keys_.push_back(key.id());
        values_.push_back(std::move(value));
    }

    // Groups what was added; add() must not be called after it.
    void build()
    {
        const std::vector<std::uint32_t> order = stable_order_by_key(keys_);
        std::vector<T> values;
        values.reserve(values_.size());
        std::vector<std::uint32_t> keys;
        for (const std::uint32_t i : order) {
            if (keys.empty() || keys.back() != keys_[i]) {
                keys.push_back(keys_[i]);
                starts_.push_back(static_cast<std::uint32_t>(values.size()));
            }
            values.push_back(std::move(values_[i]));
        }
        starts_.push_back(static_cast<std::uint32_t>(values.size()));
        keys_ = std::move(keys);
        values_ = std::move(values);
    }

    std::span<const T> of(facts::Name key) const { return of_number(key.id()); }
    // By the text of a name: nothing when no name has it.
    std::span<const T> of(std::string_view text) const { return of_number(name_number(text)); }
    std::span<const T> of_number(std::uint32_t number) const
    {
        const auto it = std::lower_bound(keys_.begin(), keys_.end(), number);
        if (it == keys_.end() || *it != number) return {};
        const auto k = static_cast<std::size_t>(it - keys_.begin());
        return {values_.data() + starts_[k], values_.data() + starts_[k + 1]};
    }

private:
    std::vector<std::uint32_t> keys_;    // before build, per value; after, each name once, rising
    std::vector<std::uint32_t> starts_;  // per name of keys_, where its values begin; one more at the end
    std::vector<T> values_;
};

}  // namespace kb
