// The fact store: typed facts kept per fact name in store order. Every piece of shared state of
// the program lives in such lists; there is no other shared memory between components.
// Facts are values: adding copies in, reading copies out; nothing hands out references.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/entry_blocks.h"

namespace facts {

using SList = std::vector<std::string>;      // slist
using IList = std::vector<std::int32_t>;     // ilist
using ListaList = std::vector<SList>;        // lista_list

// A fact of several fields is a struct with fields() returning std::tie of its members in
// declaration order (see FACT_FIELDS); a fact of one field is just its value type.
template <class T>
concept MultiField = requires(T& t) { t.fields(); };

#define FACT_FIELDS(Type, ...)                                                  \
    auto fields() { return std::tie(__VA_ARGS__); }                            \
    auto fields() const { return std::tie(__VA_ARGS__); }                      \
    bool operator==(const Type&) const = default;

// A database is a struct of FactList members, one per fact name. Its visit(v) calls
// v(fact name, fact list) for every fact name in declaration order (the exact names of the fact
// files, UTF-8); the struct writes a static visit_all(self, v) and this macro adds visit().
#define DATABASE_VISITORS                                            \
    template <class V>                                               \
    void visit(V&& v) { visit_all(*this, v); }                       \
    template <class V>                                               \
    void visit(V&& v) const { visit_all(*this, v); }

// The facts of one name, in store order.
//
// Enumeration rule (callers rely on it in loops that change the facts they walk over): when a
// walk hands out a fact, the fact after it at that moment is the next one to try. So a fact
// added last during a walk is handed out later only if the fact handed out last was not the
// last one when it was handed out; a fact added first is never handed out; a fact removed
// before the walk reaches it is skipped; removing the fact just handed out is harmless.
//
// Implementation: every fact carries a key that grows from front to back (add first takes a
// key below all others, add last one above). A walk remembers the key it handed out last and
// looks for the first live fact with a greater key, so removals and additions during the walk
// need no bookkeeping. Removed facts are tombstones until there are many of them.
//
// Only walk bodies (each, each_matching, a Reader's caller) may change the list. The match
// predicates, update_first's change and scan's body see a fact inside the store and must leave
// the list alone: they run inside a loop over the stored facts, which any addition or removal
// breaks (scan checks it and throws std::logic_error).
template <class T>
class FactList {
    struct Entry {
        std::int64_t key;
        bool alive;
        T value;
    };

public:
    using value_type = T;

    void add_last(T value)
    {
        entries_.push_back(Entry{next_back_++, true, std::move(value)});
        ++live_;
        ++changes_;
    }

    void add_first(T value)
    {
        entries_.push_front(Entry{next_front_--, true, std::move(value)});
        ++live_;
        ++changes_;
    }

    // Moves every fact of other to the end of this list, in other's order, as add_last of each
    // would; other is left empty.
    void take_all(FactList& other)
    {
        other.entries_.erase_if([](const Entry& e) { return !e.alive; });
        for (Entry& e : other.entries_) e.key = next_back_++;
        live_ += other.live_;
        changes_ += other.live_;
        entries_.splice_back(other.entries_);
        other.remove_all();
    }

    // Changes every fact in place the same way (change(T&)), for a list no walk or index is
    // using yet: the facts of a file's part as its names are renumbered.
    template <class Change>
    void change_all(Change&& change)
    {
        for (Entry& e : entries_)
            if (e.alive) change(e.value);
        ++changes_;
    }

    // One-value slots: remove every fact, then add this one.
    void set(T value)
    {
        remove_all();
        add_last(std::move(value));
    }

    bool empty() const { return live_ == 0; }
    std::size_t size() const { return live_; }
    // How many additions and removals the list has seen: an index kept beside the list knows
    // from it whether it still mirrors the list, whoever changed the list.
    std::uint64_t changes() const { return changes_; }

    std::optional<T> first() const
    {
        for (const Entry& e : entries_)
            if (e.alive) return e.value;
        return std::nullopt;
    }

    template <class Pred>
    std::optional<T> first(Pred&& match) const
    {
        for (const Entry& e : entries_)
            if (e.alive && match(e.value)) return e.value;
        return std::nullopt;
    }

    // A test read: a fact equal in every field.
    bool contains(const T& value) const
    {
        return first([&](const T& v) { return v == value; }).has_value();
    }

    template <class Pred>
    bool any(Pred&& match) const { return first(std::forward<Pred>(match)).has_value(); }

    // Changes the first fact in place (change(T&)); false when there is none. For one-value
    // facts that grow (the report text), where a copy out and back in would cost the whole value.
    template <class Change>
    bool update_first(Change&& change)
    {
        for (Entry& e : entries_)
            if (e.alive) {
                change(e.value);
                return true;
            }
        return false;
    }

    // Removes the first matching fact; false when there is none.
    template <class Pred>
    bool remove_first(Pred&& match)
    {
        for (Entry& e : entries_)
            if (e.alive && match(e.value)) {
                kill(e);
                maybe_compact();
                return true;
            }
        return false;
    }

    bool remove_first_equal(const T& value)
    {
        return remove_first([&](const T& v) { return v == value; });
    }

    template <class Pred>
    std::size_t remove_if(Pred&& match)
    {
        std::size_t removed = 0;
        for (Entry& e : entries_)
            if (e.alive && match(e.value)) {
                kill(e);
                ++removed;
            }
        maybe_compact();
        return removed;
    }

    void remove_all()
    {
        entries_.clear();
        live_ = 0;
        dead_ = 0;
        ++changes_;
    }

    std::vector<T> all() const
    {
        std::vector<T> out;
        out.reserve(live_);
        for (const Entry& e : entries_)
            if (e.alive) out.push_back(e.value);
        return out;
    }

    template <class Pred>
    std::vector<T> collect(Pred&& match) const
    {
        std::vector<T> out;
        for (const Entry& e : entries_)
            if (e.alive && match(e.value)) out.push_back(e.value);
        return out;
    }

    // A read-only walk in store order without copies, for computations over a whole list:
    // look(const T&) sees each fact in place, for that call only, and must not add or remove
    // facts of this list (other lists are free). A look returning bool stops the walk with true.
    template <class Look>
    void scan(Look&& look) const
    {
        const std::uint64_t changes = changes_;
        for (const Entry& e : entries_) {
            if (!e.alive) continue;
            bool stop = false;
            if constexpr (std::is_same_v<std::invoke_result_t<Look&, const T&>, bool>)
                stop = look(e.value);
            else
                look(e.value);
            if (changes_ != changes) throw std::logic_error("a scan's body changed the facts it scans");
            if (stop) return;
        }
    }

    // A scan of share `share` of `shares` of the facts, for a walk over a large list split among
    // threads: the shares, one after another, see every fact once in store order. Only reads.
    template <class Look>
    void scan_share(std::size_t share, std::size_t shares, Look&& look) const
    {
        const auto [from, to] = entries_.share(share, shares);
        for (auto e = from; e != to; ++e)
            if (e->alive) look(e->value);
    }

    // A walk over the facts by the enumeration rule; the list may change between next() calls.
    // It keeps a pointer to its list: the list must outlive it and not be assigned a whole
    // other list (a restored copy brings back older keys) while the walk is under way.
    class Reader {
    public:
        explicit Reader(const FactList& list) : list_(&list) {}

        std::optional<T> next()
        {
            if (ended_) return std::nullopt;
            auto& entries = list_->entries_;
            auto it = started_ ? entries.first_after(last_key_) : entries.begin();
            while (it != entries.end() && !it->alive) ++it;
            if (it == entries.end()) {
                ended_ = true;
                return std::nullopt;
            }
            started_ = true;
            last_key_ = it->key;
            auto after = std::next(it);
            while (after != entries.end() && !after->alive) ++after;
            if (after == entries.end()) ended_ = true;  // it was the last one: the walk ends after it
            return it->value;
        }

    private:
        const FactList* list_;
        std::int64_t last_key_ = 0;
        bool started_ = false;
        bool ended_ = false;
    };

    Reader reader() const { return Reader(*this); }

    // Calls body with a copy of each fact by the enumeration rule. The body may add and remove
    // facts of this list. A body returning bool stops the walk by returning true.
    template <class Body>
    void each(Body&& body) const
    {
        Reader r(*this);
        while (auto fact = r.next()) {
            if constexpr (std::is_same_v<std::invoke_result_t<Body&, const T&>, bool>) {
                if (body(*fact)) return;
            } else {
                body(*fact);
            }
        }
    }

    // The same over the facts that match.
    template <class Pred, class Body>
    void each_matching(Pred&& match, Body&& body) const
    {
        each([&](const T& fact) {
            if (!match(fact)) return false;
            if constexpr (std::is_same_v<std::invoke_result_t<Body&, const T&>, bool>)
                return static_cast<bool>(body(fact));
            else {
                body(fact);
                return false;
            }
        });
    }

private:
    // A removed fact keeps nothing (memory, handles it owns) while its tombstone waits.
    void kill(Entry& e)
    {
        e.value = T{};
        e.alive = false;
        --live_;
        ++dead_;
        ++changes_;
    }

    // Walks find their place by key, so dropping tombstones never disturbs them.
    void maybe_compact()
    {
        if (dead_ <= 64 || dead_ <= live_) return;
        entries_.erase_if([](const Entry& e) { return !e.alive; });
        dead_ = 0;
    }

    EntryBlocks<Entry> entries_;
    std::int64_t next_back_ = 0;
    std::int64_t next_front_ = -1;
    std::size_t live_ = 0;
    std::size_t dead_ = 0;
    std::uint64_t changes_ = 0;  // additions and removals, for scan's check
};

}  // namespace facts
