// List and set utilities and the negation convention: pure functions on name lists. They never
// touch the fact store or the user interface; order and repeats are exactly as documented in
// listy.h, because the load checks and the diagnoses compare lists element by element.
#include "kb/listy.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <type_traits>
#include <unordered_set>

#include "kb/name_number_set.h"
#include "kb/sort_keys.h"
#include "platform/name_table.h"
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

// Equal names are indistinguishable, so any sort by this order gives the same list. The names'
// keys stand together in one buffer, and each entry carries the first eight key bytes: most
// comparisons end there, the rest compare the keys' remaining bytes. The names are copied once.
// A list that is sorted but for what was appended to it (a sorted list joined with a few more
// names) is not sorted whole again: its sorted beginning is merged with the rest, sorted.
template <class L>
L sorted_in_cp1250_order(const L& list)
{
    std::size_t bytes = 0;
    for (const auto& s : list) bytes += s.size();
    std::string keys;
    keys.reserve(bytes + bytes / 8);
    struct Keyed {
        std::uint64_t head;
        std::size_t from;
        std::size_t size;
        std::size_t index;
    };
    std::vector<Keyed> order;
    order.reserve(list.size());
    for (std::size_t index = 0; index < list.size(); ++index) {
        const std::size_t from = keys.size();
        append_name_key(list[index], keys);
        std::uint64_t head = 0;
        for (std::size_t i = 0; i < 8; ++i)
            head = head << 8 | (from + i < keys.size() ? static_cast<unsigned char>(keys[from + i]) : 0u);
        order.push_back({head, from, keys.size() - from, index});
    }
    const std::string_view all = keys;
    const auto before = [all](const Keyed& a, const Keyed& b) {
        if (a.head != b.head) return a.head < b.head;
        // Equal heads of keys of eight bytes or more are equal first eight bytes.
        const std::size_t skip = a.size >= 8 && b.size >= 8 ? 8 : 0;
        return all.substr(a.from + skip, a.size - skip) < all.substr(b.from + skip, b.size - skip);
    };
    std::size_t sorted = 1;
    while (sorted < order.size() && !before(order[sorted], order[sorted - 1])) ++sorted;
    if (sorted < order.size()) {
        const auto middle = order.begin() + static_cast<std::ptrdiff_t>(sorted);
        std::sort(middle, order.end(), before);
        std::inplace_merge(order.begin(), middle, order.end(), before);
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

NameList usun_negacje(const NameList& names)
{
    NameList out;
    out.reserve(names.size());
    for (Name name : names) out.push_back(bez_negacji_nazwy(name));
    return out;
}

}  // namespace kb
