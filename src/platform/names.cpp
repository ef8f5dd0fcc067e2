#include "platform/names.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace facts {

namespace {
constexpr std::size_t kChunkSize = platform::kHugePage;
static_assert(kChunkSize == std::size_t{4} << 19, "a record's offset in a chunk has 19 bits of 4-byte units");
constexpr std::size_t kMaxNames = std::numeric_limits<std::uint32_t>::max();

// Slots for `names` names: at most three in four slots used, so that a probe for a new name
// ends within a few slots.
std::size_t slots_for(std::size_t names)
{
    std::size_t slots = 1024;
    while (slots / 4 * 3 < names) slots *= 2;
    return slots;
}
}  // namespace

NameTable::NameTable(bool huge_pages)
    : where_(platform::LargeTableAllocator<std::uint32_t>(huge_pages)),
      cursor_{0, nullptr, nullptr, 0, false},
      slots_(platform::LargeTableAllocator<Slot>(huge_pages)),
      recent_(kRecent)
{
    grow(slots_for(0));
    // Number 0: the empty name, which intern answers without a look-up. Its record is the first
    // of the first chunk, where no slot points: a slot whose record is there is free.
    where_.push_back(keep(0, {}, cursor_));
    // The first chunk goes without huge pages: a huge page costs its whole 2 MB at the first
    // touch, and most tables (every program's start, every small base) fill a few pages of it.
    cursor_.huge_pages = huge_pages;
}

void NameTable::reserve(std::size_t more)
{
    // Numbers are 32 bits: no table holds more names than that, whatever a caller expects.
    const std::size_t names = std::min<std::size_t>(where_.size() + std::min<std::size_t>(more, kMaxNames), kMaxNames);
    where_.reserve(names);
    const std::size_t slots = slots_for(names);
    if (slots > slots_.size()) grow(slots);
}

void NameTable::grow(std::size_t slots)
{
    decltype(slots_) old(slots, Slot{}, slots_.get_allocator());
    old.swap(slots_);
    mask_ = slots - 1;
    for (const Slot& s : old) {
        if (s.where == 0) continue;
        std::size_t i = s.tag & mask_;
        while (slots_[i].where != 0) i = (i + 1) & mask_;
        slots_[i] = s;
    }
}

std::uint32_t NameTable::intern(std::string_view text)
{
    return text.empty() ? 0 : intern(text, platform::name_hash(text));
}

void NameTable::intern_all(std::span<const std::string_view> texts, std::uint32_t* ids)
{
    constexpr std::size_t kBatch = 16;
    std::uint64_t hashes[kBatch];
    for (std::size_t from = 0; from < texts.size(); from += kBatch) {
        const std::size_t n = std::min(kBatch, texts.size() - from);
        const std::string_view* batch = texts.data() + from;
        // First every home slot is asked for, then the record of each slot whose hash agrees;
        // the look-ups proper find them in the cache. Only hints: nothing is decided here.
        for (std::size_t i = 0; i < n; ++i) {
            hashes[i] = platform::name_hash(batch[i]);
            __builtin_prefetch(&slots_[(hashes[i] >> 32) & mask_]);
        }
        for (std::size_t i = 0; i < n; ++i) {
            const auto tag = static_cast<std::uint32_t>(hashes[i] >> 32);
            for (std::size_t j = tag & mask_;; j = (j + 1) & mask_) {
                const Slot s = slots_[j];
                if (s.where == 0) break;
                if (s.tag == tag) {
                    __builtin_prefetch(record(s.where));
                    break;
                }
            }
        }
        for (std::size_t i = 0; i < n; ++i) ids[from + i] = batch[i].empty() ? 0 : intern(batch[i], hashes[i]);
    }
}

std::uint32_t NameTable::intern(std::string_view text, std::uint64_t hash)
{
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    Recent& recent = recent_[hash & (kRecent - 1)];
    if (recent.tag == tag && recent.id != 0 && this->text(recent.id) == text) return recent.id;
    std::uint32_t id = 0;
    const std::size_t slot = look_up(text, tag, &id);
    if (id == 0) id = add(text, slot, tag);
    recent = {tag, id};
    return id;
}

const std::string& NameTable::string(std::uint32_t id)
{
    if (id >= strings_.size()) strings_.resize(where_.size());
    std::unique_ptr<const std::string>& made = strings_[id];
    if (!made) {
        made = std::make_unique<const std::string>(text(id));
        ++strings_made_;
    }
    return *made;
}

std::size_t NameTable::look_up(std::string_view text, std::uint32_t tag, std::uint32_t* id) const
{
    for (std::size_t i = tag & mask_;; i = (i + 1) & mask_) {
        const Slot s = slots_[i];
        if (s.where == 0) {
            *id = 0;
            return i;
        }
        if (s.tag != tag) continue;
        const char* r = record(s.where);
        std::uint32_t size = 0;
        std::memcpy(&size, r + 4, 4);
        if (size == text.size() && std::memcmp(r + 8, text.data(), size) == 0) {
            std::memcpy(id, r, 4);
            return i;
        }
    }
}

std::uint32_t NameTable::find(std::string_view text) const
{
    if (text.empty()) return 0;
    std::uint32_t id = 0;
    look_up(text, static_cast<std::uint32_t>(platform::name_hash(text) >> 32), &id);
    return id;
}

// A new name into the free slot the look-up ended at (or wherever it goes after the table grew).
std::uint32_t NameTable::add(std::string_view text, std::size_t slot, std::uint32_t tag)
{
    if (where_.size() >= kMaxNames) throw std::length_error("Za dużo nazw w pamięci programu.");
    const auto id = static_cast<std::uint32_t>(where_.size());
    const std::uint32_t where = keep(id, text, cursor_);
    where_.push_back(where);
    if (where_.size() - 1 > slots_.size() / 4 * 3) {
        grow(slots_.size() * 2);
        slot = tag & mask_;
        while (slots_[slot].where != 0) slot = (slot + 1) & mask_;
    }
    slots_[slot] = {tag, where};
    return id;
}

// Writes the name's record into the cursor's chunk, or a new one when it does not fit. A record
// longer than a chunk gets a chunk of its own, and the cursor's chunk stays its chunk: a
// record's offset must fit its bits.
std::uint32_t NameTable::keep(std::uint32_t id, std::string_view text, Cursor& cursor)
{
    if (text.size() > std::numeric_limits<std::uint32_t>::max() - 16) throw std::length_error("Za długa nazwa.");
    const std::size_t bytes = (8 + text.size() + 3) / 4 * 4;
    char* at = nullptr;
    char* start = nullptr;
    std::size_t chunk = 0;
    if (bytes <= cursor.left) {
        at = cursor.free;
        start = cursor.start;
        chunk = cursor.chunk;
        cursor.free += bytes;
        cursor.left -= bytes;
    } else {
        const std::size_t size = std::max(kChunkSize, bytes);
        std::tie(chunk, start) = new_chunk(size, cursor.huge_pages);
        at = start;
        if (size == kChunkSize) cursor = {chunk, start, at + bytes, size - bytes, cursor.huge_pages};
    }
    const auto size = static_cast<std::uint32_t>(text.size());
    std::memcpy(at, &id, 4);
    std::memcpy(at + 4, &size, 4);
    if (size != 0) std::memcpy(at + 8, text.data(), size);
    const auto offset = static_cast<std::uint32_t>((at - start) / 4);
    return static_cast<std::uint32_t>(chunk << kOffsetBits) | offset;
}

// A chunk of its own for each writer of records: writers side by side take turns here alone.
std::pair<std::size_t, char*> NameTable::new_chunk(std::size_t size, bool huge_pages)
{
    std::unique_ptr<char[], ChunkRelease> chunk(static_cast<char*>(platform::large_block(size, huge_pages)),
                                                ChunkRelease{size});
    const std::lock_guard<std::mutex> lock(chunks_lock_);
    if (chunks_.size() >= (std::size_t{1} << (32 - kOffsetBits))) throw std::length_error("Za dużo nazw w pamięci programu.");
    char* start = chunk.get();
    chunks_.push_back(std::move(chunk));
    return {chunks_.size() - 1, start};
}

NameTable& detail::program_table()
{
    static NameTable table;
    return table;
}

void intern_all(std::span<const std::string_view> texts, std::vector<Name>& out)
{
    constexpr std::size_t kBatch = 16;
    std::uint32_t ids[kBatch];
    out.reserve(out.size() + texts.size());
    for (std::size_t from = 0; from < texts.size(); from += kBatch) {
        const auto batch = texts.subspan(from, std::min(kBatch, texts.size() - from));
        name_table().intern_all(batch, ids);
        for (std::size_t i = 0; i < batch.size(); ++i) out.emplace_back().id_ = ids[i];
    }
}

NameList::NameList(const std::vector<std::string>& texts)
{
    reserve(texts.size());
    for (const std::string& t : texts) emplace_back(t);
}

NameList::operator std::vector<std::string>() const { return strings_of(*this); }

bool operator==(const NameList& a, const std::vector<std::string>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](Name x, const std::string& y) { return x == y; });
}

bool operator==(const std::vector<NameList>& a, const std::vector<std::vector<std::string>>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const NameList& x, const std::vector<std::string>& y) { return x == y; });
}

std::vector<std::string> strings_of(const std::vector<Name>& names)
{
    std::vector<std::string> out;
    out.reserve(names.size());
    for (Name n : names) out.emplace_back(n.view());
    return out;
}

std::vector<std::vector<std::string>> strings_of(const std::vector<NameList>& lists)
{
    std::vector<std::vector<std::string>> out;
    out.reserve(lists.size());
    for (const NameList& l : lists) out.push_back(l.strings());
    return out;
}

}  // namespace facts
