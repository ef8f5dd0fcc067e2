// The names of the parts of one file, read side by side into tables of their own, joined to a
// table as one reading of the whole file would have interned them: a name this table holds
// keeps its number, a new name takes the next number in the order of its first occurrence.
//
// A name of a large file occurs in many parts, and looking each occurrence up in one table, one
// after another, costs as much as the reading itself. So the occurrences are first told apart
// side by side: each thread takes the names of one share of the hashes, goes through the parts
// in file order and finds, for each occurrence, its first occurrence in the file or its number
// in this table. Only the first occurrences of new names are then added here: numbered in file
// order, and written by their parts side by side.
#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "platform/name_table.h"
#include "platform/names.h"
#include "platform/side_by_side.h"

namespace facts {

namespace {

constexpr std::size_t kManyPositions = std::size_t{1} << 20;

// An open-addressing set of positions for one share of the names: a position stands for the
// first occurrence of its text, found by its hash tag and then its text.
class FirstOccurrences {
public:
    explicit FirstOccurrences(std::size_t expected)
    {
        std::size_t slots = 64;
        while (slots < expected * 2) slots *= 2;
        slots_.assign(slots, 0);
    }

    // The slot of the text (its position + 1), or the free slot where it would go (0).
    template <class TextAt>
    std::uint32_t& find(std::uint32_t tag, std::string_view text, const platform::LargeVector<std::uint32_t>& tags,
                        TextAt&& text_at)
    {
        if ((size_ + 1) * 2 > slots_.size()) grow(tags);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = (tag >> 3) & mask;; i = (i + 1) & mask) {
            std::uint32_t& s = slots_[i];
            if (s == 0 || (tags[s - 1] == tag && text_at(s - 1) == text)) return s;
        }
    }
    void added() { ++size_; }

private:
    void grow(const platform::LargeVector<std::uint32_t>& tags)
    {
        std::vector<std::uint32_t> old(slots_.size() * 2, 0);
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (std::uint32_t s : old) {
            if (s == 0) continue;
            std::size_t i = (tags[s - 1] >> 3) & mask;
            while (slots_[i] != 0) i = (i + 1) & mask;
            slots_[i] = s;
        }
    }

    std::vector<std::uint32_t> slots_;
    std::size_t size_ = 0;
};

}  // namespace

platform::LargeVector<std::uint32_t> NameTable::join(std::span<std::unique_ptr<NameTable>> parts)
{
    // Every name of every part has a position: the part's first position plus its number there.
    std::vector<std::uint32_t> first(parts.size() + 1, 0);
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const std::size_t end = std::size_t{first[p]} + parts[p]->size();
        if (end >= kHeld) throw std::length_error("Za dużo nazw w pamięci programu.");
        first[p + 1] = static_cast<std::uint32_t>(end);
    }
    const std::size_t positions = first.back();
    const auto text_at = [&](std::uint32_t q) {
        const std::size_t p = static_cast<std::size_t>(std::upper_bound(first.begin(), first.end(), q) - first.begin()) - 1;
        return parts[p]->text(q - first[p]);
    };

    platform::LargeVector<std::uint32_t> tags(positions);
    platform::run_side_by_side(parts.size(), [&](std::size_t p) {
        for (std::uint32_t l = 1; l < parts[p]->size(); ++l)
            tags[first[p] + l] = static_cast<std::uint32_t>(platform::name_hash(parts[p]->text(l)) >> 32);
    });

    // Each share of the hashes apart: its names' occurrences in file order.
    platform::LargeVector<std::uint32_t> link(positions, 0);
    const std::size_t shares = std::bit_floor(platform::threads_for_parts());
    platform::run_side_by_side(shares, [&](std::size_t share) {
        FirstOccurrences seen(positions / shares / 4);  // names repeat; it grows when they do not
        for (std::size_t p = 0; p < parts.size(); ++p)
            for (std::uint32_t l = 1; l < parts[p]->size(); ++l) {
                const std::uint32_t q = first[p] + l;
                if ((tags[q] & (shares - 1)) != share) continue;
                const std::string_view text = parts[p]->text(l);
                std::uint32_t& slot = seen.find(tags[q], text, tags, text_at);
                if (slot != 0) {
                    link[q] = link[slot - 1] & kHeld ? link[slot - 1] : slot - 1;
                    continue;
                }
                slot = q + 1;
                seen.added();
                std::uint32_t held = 0;
                look_up(text, tags[q], &held);  // reads this table only: nothing adds to it meanwhile
                link[q] = held != 0 ? (held | kHeld) : q;
            }
    });

    // The new names take the next numbers in file order, and each part adds its own side by
    // side: its records go to chunks of its own, its slots are claimed one compare-and-swap
    // each. A first occurrence's position takes its name's number, marked as held.
    std::vector<std::vector<std::uint32_t>> fresh(parts.size());
    platform::run_side_by_side(parts.size(), [&](std::size_t p) {
        for (std::uint32_t q = first[p] + 1; q < first[p + 1]; ++q)
            if (link[q] == q) fresh[p].push_back(q);
    });
    std::vector<std::size_t> numbered(parts.size() + 1, where_.size());
    for (std::size_t p = 0; p < parts.size(); ++p) numbered[p + 1] = numbered[p] + fresh[p].size();
    if (numbered.back() >= kHeld) throw std::length_error("Za dużo nazw w pamięci programu.");
    reserve(numbered.back() - where_.size());
    where_.resize(numbered.back());
    platform::run_side_by_side(parts.size(), [&](std::size_t p) {
        // Huge pages only for a part whose records fill a few of them: a huge page costs its
        // whole 2 MB at the first touch.
        std::size_t bytes = 0;
        for (const std::uint32_t q : fresh[p]) bytes += 8 + parts[p]->text(q - first[p]).size();
        Cursor cursor{0, nullptr, nullptr, 0, bytes >= 4 * platform::kHugePage};
        auto id = static_cast<std::uint32_t>(numbered[p]);
        for (const std::uint32_t q : fresh[p]) {
            where_[id] = keep(id, parts[p]->text(q - first[p]), cursor);
            claim_slot(tags[q], where_[id]);
            link[q] = id++ | kHeld;
        }
    });
    for (auto& part : parts) part.reset();
    // The parts' tables of a very large file held a hundred megabytes and more: not kept for
    // reuse beside the table they joined. A smaller file's are reused sooner than given back.
    if (positions >= kManyPositions) platform::give_back_free_memory();
    // Positions marked held are only read while the others change, then lose their marks.
    platform::run_side_by_side(parts.size(), [&](std::size_t p) {
        for (std::uint32_t q = first[p] + 1; q < first[p + 1]; ++q)
            if (!(link[q] & kHeld)) link[q] = link[link[q]];
    });
    platform::run_side_by_side(parts.size(), [&](std::size_t p) {
        for (std::uint32_t q = first[p] + 1; q < first[p + 1]; ++q) link[q] &= ~kHeld;
    });
    return link;
}

// Puts a new name in the first free slot from its home on, against the other threads of a join
// doing the same: the table has room for all of them.
void NameTable::claim_slot(std::uint32_t tag, std::uint32_t where)
{
    for (std::size_t i = tag & mask_;; i = (i + 1) & mask_) {
        std::atomic_ref<Slot> slot(slots_[i]);
        Slot free{};
        if (slot.load(std::memory_order_relaxed).where == 0 &&
            slot.compare_exchange_strong(free, Slot{tag, where}, std::memory_order_relaxed))
            return;
    }
}

}  // namespace facts
