// Interned names: every distinct text of the names a base is made of (conclusions, conditions,
// certainty texts) is kept once, in one table of the program, and a fact refers to it by a
// 32-bit number. A base of a million rules repeats a few hundred thousand names many times
// over; kept as strings, each use costs a heap block and 32 bytes of string object.
//
// Two names are equal exactly when their numbers are; order and text are the texts'. A name's
// text never moves and lives until the program ends, so a view of it stays good however the
// facts that held it change. The table is the program's own, used by the thread that runs the
// program; a thread that reads part of a file has a table of its own (see NameTableScope).
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/name_table.h"

namespace facts {

// The texts of all names, in chunks that are never moved or freed before the program ends.
class NameTable {
public:
    // `huge_pages`: its large blocks in huge pages (see platform::large_block), for a table
    // that lives long and grows large; a part of a file read apart does without.
    explicit NameTable(bool huge_pages = true);
    NameTable(const NameTable&) = delete;
    NameTable& operator=(const NameTable&) = delete;

    std::uint32_t intern(std::string_view text);
    // The numbers of several texts, as intern gives them one after another: their look-ups are
    // started together, so that the cache misses of a fact's names overlap.
    void intern_all(std::span<const std::string_view> texts, std::uint32_t* ids);
    // The number of the name with this text, without adding it: 0 when there is none (and for
    // the empty text, whose number is 0).
    std::uint32_t find(std::string_view text) const;
    std::string_view text(std::uint32_t id) const
    {
        const char* r = record(where_[id]);
        std::uint32_t size = 0;
        std::memcpy(&size, r + 4, 4);
        return {r + 8, size};
    }
    // The text as a string, made the first time it is asked for and kept with the table: the
    // loading of a base never asks, so its names cost no string each.
    const std::string& string(std::uint32_t id);
    std::size_t strings_made() const { return strings_made_; }
    std::size_t size() const { return where_.size(); }
    // Room for `more` new names beyond those held: a load that knows roughly how many names its
    // file brings sizes the table once instead of growing it (and moving it whole) midway.
    void reserve(std::size_t more);
    // Takes in every name of the tables of the parts of a file, read apart, as interning them
    // part after part, each in the order of its numbers, would; the tables go as they are taken
    // in. The result holds the numbers here of the names of all the parts, one part after
    // another, each part's from its number 0 on.
    platform::LargeVector<std::uint32_t> join(std::span<std::unique_ptr<NameTable>> parts);

private:
    // Where a name's record stands: its chunk's index in the high bits, its offset in the chunk
    // in units of 4 bytes below. A record is the name's number and length (4 bytes each) and its
    // text, so that a look-up that meets its slot finds number and text in one more cache line.
    static constexpr unsigned kOffsetBits = 19;  // 2 MB chunks
    // Where records of new names go: the chunk, its start, its free room.
    struct Cursor {
        std::size_t chunk;
        char* start;
        char* free;
        std::size_t left;
        bool huge_pages;
    };
    // Writes the name's record and gives where it stands.
    std::uint32_t keep(std::uint32_t id, std::string_view text, Cursor& cursor);
    std::pair<std::size_t, char*> new_chunk(std::size_t size, bool huge_pages);
    const char* record(std::uint32_t where) const
    {
        return chunks_[where >> kOffsetBits].get() + std::size_t{where & ((1u << kOffsetBits) - 1)} * 4;
    }
    void grow(std::size_t slots);
    std::uint32_t add(std::string_view text, std::size_t slot, std::uint32_t tag);
    // In a join, what an occurrence is: its own first occurrence (its position), an occurrence
    // of the name at an earlier position, or (this bit set) the number of a name held here.
    static constexpr std::uint32_t kHeld = 1u << 31;
    void claim_slot(std::uint32_t tag, std::uint32_t where);
    std::uint32_t intern(std::string_view text, std::uint64_t hash);
    // The slot of the text (its number in *id), or the free slot where it would go (*id 0).
    std::size_t look_up(std::string_view text, std::uint32_t tag, std::uint32_t* id) const;

    struct ChunkRelease {
        std::size_t size;
        void operator()(char* chunk) const noexcept { platform::release_large_block(chunk, size); }
    };
    std::vector<std::unique_ptr<char[], ChunkRelease>> chunks_;
    std::mutex chunks_lock_;
    // Where each name's record stands, by its number.
    std::vector<std::uint32_t, platform::LargeTableAllocator<std::uint32_t>> where_;
    std::vector<std::unique_ptr<const std::string>> strings_;  // by number, those asked for
    std::size_t strings_made_ = 0;
    // The look-up table: open addressing over slots of 8 bytes, so that a table of a million
    // names is a few megabytes and a probe reads one cache line. A slot holds where its name's
    // record is (0: free; that place holds no record) and the high half of the name's hash,
    // which also picks its home slot: the table grows without reading a single text, and a
    // probe reads a record only when the hashes agree.
    struct alignas(8) Slot {  // 8 bytes, changed at once by the threads of a join
        std::uint32_t tag = 0;
        std::uint32_t where = 0;
    };
    Cursor cursor_;  // of the names added one by one
    std::vector<Slot, platform::LargeTableAllocator<Slot>> slots_;
    std::size_t mask_ = 0;
    // The name last interned in each of a few thousand hash buckets: a base repeats its
    // conclusions and CF texts rule after rule, and these answer without touching the large
    // table, whose look-ups miss the processor's caches once it holds a big base.
    struct Recent {
        std::uint32_t tag = 0;
        std::uint32_t id = 0;
    };
    static constexpr std::size_t kRecent = 4096;
    std::vector<Recent> recent_;
};

namespace detail {
NameTable& program_table();
// The table the names made on this thread go to: the program's, unless a NameTableScope of this
// thread stands (null until this thread first asks).
inline thread_local NameTable* thread_table = nullptr;
}  // namespace detail

// The table of the names this thread makes and reads: the program's one table, but for a
// thread that reads part of a file into names of its own (see NameTableScope).
inline NameTable& name_table()
{
    NameTable* table = detail::thread_table;
    return table ? *table : *(detail::thread_table = &detail::program_table());
}

// While it stands, the names this thread makes and reads are those of `table`: a thread that
// reads part of a large file keeps its names apart, and they join the program's table (see
// NameTable::join) once the parts are read. Nothing made under it may keep a name beyond it
// but what the caller renumbers (see renumber).
class NameTableScope {
public:
    explicit NameTableScope(NameTable& table) : previous_(detail::thread_table) { detail::thread_table = &table; }
    ~NameTableScope() { detail::thread_table = previous_; }
    NameTableScope(const NameTableScope&) = delete;
    NameTableScope& operator=(const NameTableScope&) = delete;

private:
    NameTable* previous_;
};

class Name {
public:
    Name() = default;  // the empty name
    Name(std::string_view text) : id_(name_table().intern(text)) {}
    Name(const std::string& text) : Name(std::string_view(text)) {}
    Name(const char* text) : Name(std::string_view(text)) {}

    std::string_view view() const { return name_table().text(id_); }
    operator std::string_view() const { return view(); }
    // The text as a string that lives as long as the program, so a name goes wherever a
    // const std::string& is read without a copy per call, and a reference to it never dangles.
    operator const std::string&() const { return name_table().string(id_); }
    std::string str() const { return std::string(view()); }
    bool empty() const { return id_ == 0; }
    std::size_t size() const { return view().size(); }
    // The name's number: equal names have equal numbers, for tables keyed by names.
    std::uint32_t id() const { return id_; }
    // The name this thread's table gave the number `id` (NameTable::find and intern give them).
    static Name numbered(std::uint32_t id)
    {
        Name n;
        n.id_ = id;
        return n;
    }

    friend bool operator==(Name a, Name b) { return a.id_ == b.id_; }
    friend bool operator==(Name a, std::string_view b) { return a.view() == b; }
    friend bool operator==(Name a, const std::string& b) { return a.view() == b; }
    friend bool operator==(Name a, const char* b) { return a.view() == b; }
    friend std::strong_ordering operator<=>(Name a, Name b) { return a.view() <=> b.view(); }

    // A name of a table joined to this thread's (see NameTable::join) takes its number there.
    friend void renumber(Name& n, std::span<const std::uint32_t> numbers) { n.id_ = numbers[n.id_]; }

private:
    friend void intern_all(std::span<const std::string_view> texts, std::vector<Name>& out);
    std::uint32_t id_ = 0;
};

// Appends the names of the texts to out, as Name(text) one after another would (see
// NameTable::intern_all).
void intern_all(std::span<const std::string_view> texts, std::vector<Name>& out);

inline std::string operator+(const std::string& a, Name b)
{
    std::string out = a;  // a + b.view() would come back here: a view converts to a name
    out += b.view();
    return out;
}
inline std::string operator+(std::string&& a, Name b) { return std::move(a += b.view()); }
inline std::string operator+(const char* a, Name b) { return std::string(a) + b; }
inline std::string operator+(Name a, const std::string& b) { return a.str() + b; }
inline std::string operator+(Name a, const char* b) { return a.str() + b; }
inline std::string operator+(Name a, char b) { return a.str() + b; }
inline std::string operator+(char a, Name b) { return std::string(1, a) + b; }
inline std::string operator+(Name a, Name b) { return a.str() + b; }
inline std::ostream& operator<<(std::ostream& out, Name n) { return out << n.view(); }

// A list of names. A list of strings converts to one; the way back is a copy asked for by
// name (strings()), never made behind the caller's back. The loading and checking of bases
// work on names.
class NameList : public std::vector<Name> {
public:
    using std::vector<Name>::vector;
    NameList() = default;
    NameList(std::vector<Name> names) : std::vector<Name>(std::move(names)) {}
    NameList(const std::vector<std::string>& texts);
    // Explicit: views into the copy would dangle once it is gone.
    explicit operator std::vector<std::string>() const;
    std::vector<std::string> strings() const { return std::vector<std::string>(*this); }

    friend bool operator==(const NameList& a, const NameList& b)
    {
        return static_cast<const std::vector<Name>&>(a) == static_cast<const std::vector<Name>&>(b);
    }
    friend bool operator==(const NameList& a, const std::vector<std::string>& b);
};

bool operator==(const std::vector<NameList>& a, const std::vector<std::vector<std::string>>& b);

// The texts of names, and of lists of names, as the store hands them out (all()).
std::vector<std::string> strings_of(const std::vector<Name>& names);
std::vector<std::vector<std::string>> strings_of(const std::vector<NameList>& lists);

}  // namespace facts

template <>
struct std::hash<facts::Name> {
    std::size_t operator()(facts::Name n) const noexcept { return std::hash<std::uint32_t>{}(n.id()); }
};
