// List and set utilities and the negation convention: pure functions on name lists. They never
// touch the fact store or the user interface; order and repeats are exactly as documented in
// listy.h, because the load checks and the diagnoses compare lists element by element.
#include "kb/listy.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <type_traits>
#include <unordered_set>

#include "kb/name_number_set.h"
#include "kb/sort_keys.h"
#include "platform/large_tables.h"
#include "platform/name_table.h"
#include "platform/names.h"
#include "platform/side_by_side.h"
#include "platform/text.h"

namespace kb {

namespace {

template <class L, class X>
bool contains(const L& list, const X& x)
{
    return std::find(list.begin(), list.end(), x) != list.end();
}

template <class L>
L joined(const L& a, const L& b)
{
    L out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

template <class L, class X>
L without(const L& list, const X& x)
{
    L out;
    for (const auto& e : list)
        if (!(e == x)) out.push_back(e);
    return out;
}

// Lists of a large base run to hundreds of thousands of names: set operations look names up in
// a hash table instead of scanning the other list. Keys view into the lists, which outlive them.
struct IntSet {
    explicit IntSet(std::size_t expected) { set.reserve(expected); }
    bool insert(std::int32_t x) { return set.insert(x).second; }
    bool contains(std::int32_t x) const { return set.contains(x); }
    std::unordered_set<std::int32_t> set;
};

template <class L>
using KeySet = std::conditional_t<std::is_same_v<L, IList>, IntSet,
                                  std::conditional_t<std::is_same_v<L, NameList>, NameNumberSet, platform::NameSet>>;

template <class L>
KeySet<L> key_set(const L& list)
{
    KeySet<L> keys(list.size());
    for (const auto& e : list) keys.insert(e);
    return keys;
}

template <class L, class X>
std::optional<L> without_one(const L& list, const X& x, std::size_t later)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == x && later-- == 0) {
            L out = list;
            out.erase(out.begin() + static_cast<std::ptrdiff_t>(i));
            return out;
        }
    return std::nullopt;
}

// `Out` is the list type made; the elements of `list` view into names or are them. The kept
// elements are gathered from the end, then turned round.
template <class Out, class L>
Out without_repeats_keeping_last(const L& list)
{
    // It grows with the names it meets: lists of texts repeat names. A set of name numbers is
    // told the whole length, so that a long list of names is marked name by name in one array.
    KeySet<Out> seen(std::is_same_v<Out, NameList> ? list.size() : list.size() / 4);
    Out out;
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (seen.insert(*it)) out.emplace_back(*it);
    std::reverse(out.begin(), out.end());
    return out;
}

// The elements of a, in order and with repeats, whose membership in b is `in_b`.
template <class L>
L filtered_by_membership(const L& a, const L& b, bool in_b)
{
    const KeySet<L> members = key_set(b);
    L out;
    for (const auto& e : a)
        if (members.contains(e) == in_b) out.push_back(e);
    return out;
}

template <class L>
L difference(const L& a, const L& b) { return filtered_by_membership(a, b, false); }

template <class L>
L intersection(const L& a, const L& b) { return filtered_by_membership(a, b, true); }

}  // namespace

bool element(std::string_view x, const SList& list) { return contains(list, x); }
bool element(std::int32_t x, const IList& list) { return contains(list, x); }
std::int32_t dlugosc_listy_s(const SList& list) { return static_cast<std::int32_t>(list.size()); }
std::int32_t dlugosc_listy_i(const IList& list) { return static_cast<std::int32_t>(list.size()); }

SList dolaczenie(const SList& a, const SList& b) { return joined(a, b); }
IList dolaczenie_i(const IList& a, const IList& b) { return joined(a, b); }

SList usuniecie_list_wewnetrznych(const ListaList& lists)
{
    SList out;
    for (const SList& l : lists) out.insert(out.end(), l.begin(), l.end());
    return out;
}

IList usuniecie_list_wewnetrznych_i(const std::vector<IList>& lists)
{
    IList out;
    for (const IList& l : lists) out.insert(out.end(), l.begin(), l.end());
    return out;
}

SList usun(std::string_view x, const SList& list) { return without(list, x); }
SList usun_wszystkie(std::string_view x, const SList& list) { return without(list, x); }
IList usun_wszystkie(std::int32_t x, const IList& list) { return without(list, x); }
IList usun_i(std::int32_t x, const IList& list) { return without(list, x); }

std::optional<SList> usun_jeden(std::string_view x, const SList& list, std::size_t later)
{
    return without_one(list, x, later);
}
std::optional<IList> usun_jeden(std::int32_t x, const IList& list, std::size_t later)
{
    return without_one(list, x, later);
}

SList redukuj(const SList& list) { return without_repeats_keeping_last<SList>(list); }
IList redukuj(const IList& list) { return without_repeats_keeping_last<IList>(list); }
SList redukuj(const std::vector<std::string_view>& list) { return without_repeats_keeping_last<SList>(list); }

SList roznica_zbiorow(const SList& a, const SList& b) { return difference(a, b); }
IList roznica_zbiorow(const IList& a, const IList& b) { return difference(a, b); }

SList iloczyn_zbiorow(const SList& a, const SList& b) { return intersection(a, b); }
IList iloczyn_zbiorow(const IList& a, const IList& b) { return intersection(a, b); }

SList suma_zbiorow(const SList& p, const SList& q) { return joined(difference(p, q), q); }

NameList redukuj(const NameList& list) { return without_repeats_keeping_last<NameList>(list); }
NameList roznica_zbiorow(const NameList& a, const NameList& b) { return difference(a, b); }
NameList usun(Name x, const NameList& list) { return without(list, x); }
bool bez_warunku(const NameList& warunki) { return warunki.size() == 1 && warunki.front() == "bez warunku"; }

namespace {

// A name's place in the sort: the first eight bytes of its key, its key, its place in the list.
struct Keyed {
    std::uint64_t head;
    const char* key;
    std::size_t size;
    std::size_t index;
};

bool before(const Keyed& a, const Keyed& b)
{
    if (a.head != b.head) return a.head < b.head;
    // Equal heads of keys of eight bytes or more are equal first eight bytes.
    const std::size_t skip = a.size >= 8 && b.size >= 8 ? 8 : 0;
    return std::string_view(a.key + skip, a.size - skip) < std::string_view(b.key + skip, b.size - skip);
}

// The keys of list[from, to) into `keys`, and their places into order[from, to), sorted.
template <class L>
void sort_range(const L& list, std::size_t from, std::size_t to, std::string& keys, platform::LargeVector<Keyed>& order)
{
    std::size_t bytes = 0;
    for (std::size_t i = from; i < to; ++i) bytes += std::string_view(list[i]).size();
    keys.reserve(bytes + bytes / 8);
    std::vector<std::size_t> starts(to - from);
    for (std::size_t i = from; i < to; ++i) {
        starts[i - from] = keys.size();
        append_name_key(list[i], keys);
    }
    for (std::size_t i = from; i < to; ++i) {
        const std::size_t start = starts[i - from];
        const std::size_t end = i + 1 < to ? starts[i + 1 - from] : keys.size();
        std::uint64_t head = 0;
        for (std::size_t b = 0; b < 8; ++b)
            head = head << 8 | (start + b < end ? static_cast<unsigned char>(keys[start + b]) : 0u);
        order[i] = {head, keys.data() + start, end - start, i};
    }
    const auto first = order.begin() + static_cast<std::ptrdiff_t>(from);
    const auto last = order.begin() + static_cast<std::ptrdiff_t>(to);
    auto sorted = first + (first == last ? 0 : 1);
    while (sorted != last && !before(*sorted, *(sorted - 1))) ++sorted;
    if (sorted != last) {
        std::sort(sorted, last, before);
        std::inplace_merge(first, sorted, last, before);
    }
}

// A list this long is sorted in parts side by side, which are then merged: each part a few
// thousand names at least, or its thread costs more than it saves.
constexpr std::size_t kLongSort = 1 << 14;
constexpr std::size_t kSmallestSortPart = 1 << 12;
// A list this long loses its negations name by name in a table of all names.
constexpr std::size_t kLongList = 1 << 16;

// Equal names are indistinguishable, so any sort by this order gives the same list. The names'
// keys stand together in a buffer per part of the list, and each entry carries the first eight
// key bytes: most comparisons end there, the rest compare the keys' remaining bytes. The names
// are copied once. A list that is sorted but for what was appended to it (a sorted list joined
// with a few more names) is not sorted whole again: its sorted beginning is merged with the
// rest, sorted.
template <class L>
L sorted_in_cp1250_order(const L& list)
{
    const std::size_t parts =
        list.size() < kLongSort ? 1 : std::min(platform::threads_for_parts(), list.size() / kSmallestSortPart);
    std::vector<std::string> keys(parts);
    platform::LargeVector<Keyed> order(list.size());
    std::vector<std::size_t> bounds(parts + 1);
    for (std::size_t p = 0; p <= parts; ++p) bounds[p] = list.size() * p / parts;
    // The parts read names through this thread's table of names.
    facts::NameTable& names = facts::name_table();
    platform::run_side_by_side(parts, [&](std::size_t p) {
        facts::NameTableScope scope(names);
        sort_range(list, bounds[p], bounds[p + 1], keys[p], order);
    });
    // Sorted parts merged two by two, side by side, until one is left.
    platform::LargeVector<Keyed> merged(parts > 1 ? order.size() : 0);
    for (std::size_t width = 1; width < parts; width *= 2) {
        const std::size_t pairs = (parts + 2 * width - 1) / (2 * width);
        platform::run_side_by_side(pairs, [&](std::size_t k) {
            const auto at = [&](std::size_t p) { return static_cast<std::ptrdiff_t>(bounds[std::min(p, parts)]); };
            const std::size_t a = 2 * width * k;
            std::merge(order.begin() + at(a), order.begin() + at(a + width), order.begin() + at(a + width),
                       order.begin() + at(a + 2 * width), merged.begin() + at(a), before);
        });
        order.swap(merged);
    }
    L out;
    out.reserve(list.size());
    for (const Keyed& k : order) out.push_back(list[k.index]);
    return out;
}

}  // namespace

SList sortuj(const SList& list) { return sorted_in_cp1250_order(list); }
NameList sortuj(const NameList& list) { return sorted_in_cp1250_order(list); }

std::optional<std::string> wybierz_element_z_listy(std::int32_t n, const SList& list)
{
    if (n < 1 || static_cast<std::size_t>(n) > list.size()) return std::nullopt;
    return list[static_cast<std::size_t>(n) - 1];
}

std::optional<std::string> string_z_pozycji(const SList& list, std::int32_t n)
{
    return wybierz_element_z_listy(n, list);
}

SList zmien_na_stringa(const IList& list)
{
    SList out;
    out.reserve(list.size());
    for (const std::int32_t n : list) out.push_back(std::to_string(n));
    return out;
}

std::optional<std::string> zmien_na_string(const SList& list)
{
    if (list.empty()) return std::nullopt;
    return list.front();
}

std::string negacja(std::string_view name)
{
    if (!name.empty() && name.front() == 'n') return std::string(name.substr(1));
    return "n" + std::string(name);
}

bool negacja(std::string_view a, std::string_view b)
{
    auto is_n_plus = [](std::string_view longer, std::string_view shorter) {
        return longer.size() == shorter.size() + 1 && longer.front() == 'n' && longer.substr(1) == shorter;
    };
    return is_n_plus(a, b) || is_n_plus(b, a);
}

std::string_view bez_negacji(std::string_view name)
{
    return !name.empty() && name.front() == 'n' ? name.substr(1) : name;
}

SList usun_negacje(const SList& names)
{
    SList out;
    out.reserve(names.size());
    for (const std::string& name : names) out.emplace_back(bez_negacji(name));
    return out;
}

Name bez_negacji_nazwy(Name name)
{
    const std::string_view text = name;
    return text.starts_with('n') ? Name(text.substr(1)) : name;
}

namespace {

// The form without negation of each name that `marks` marks, by the name's number, found side by
// side where the table holds it; `missing` marks those whose form the table lacks.
void find_forms(const std::vector<std::uint8_t>& marks, std::vector<Name>& forms, std::vector<std::uint8_t>& missing)
{
    const facts::NameTable& table = facts::name_table();
    const std::size_t parts = platform::threads_for_parts();
    platform::run_side_by_side(parts, [&](std::size_t p) {
        for (std::size_t id = marks.size() * p / parts; id < marks.size() * (p + 1) / parts; ++id) {
            if (!marks[id]) continue;
            const std::string_view text = table.text(static_cast<std::uint32_t>(id));
            if (!text.starts_with('n')) {
                forms[id] = Name::numbered(static_cast<std::uint32_t>(id));
                continue;
            }
            const std::uint32_t form = table.find(text.substr(1));
            if (form != 0 || text.size() == 1)
                forms[id] = Name::numbered(form);
            else
                missing[id] = 1;
        }
    });
}

}  // namespace

// A long list repeats its names: each distinct name's form is found once, side by side with the
// others, and the forms the table lacks are made in the order of the list, as one by one.
NameList usun_negacje(const NameList& names)
{
    NameList out;
    out.reserve(names.size());
    if (names.size() < kLongList) {
        for (Name name : names) out.push_back(bez_negacji_nazwy(name));
        return out;
    }
    std::vector<std::uint8_t> marks(facts::name_table().size(), 0);
    for (Name name : names) marks[name.id()] = 1;
    std::vector<Name> forms(marks.size());
    std::vector<std::uint8_t> missing(marks.size(), 0);
    find_forms(marks, forms, missing);
    for (Name name : names) {
        if (missing[name.id()]) {
            forms[name.id()] = bez_negacji_nazwy(name);
            missing[name.id()] = 0;
        }
        out.push_back(forms[name.id()]);
    }
    return out;
}

}  // namespace kb
