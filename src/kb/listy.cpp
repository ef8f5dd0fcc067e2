// List and set utilities and the negation convention: pure functions on name lists. They never
// touch the fact store or the user interface; order and repeats are exactly as documented in
// listy.h, because the load checks and the diagnoses compare lists element by element.
#include "kb/listy.h"

#include <algorithm>
#include <string_view>
#include <type_traits>
#include <unordered_set>

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

// Lists of a large base run to tens of thousands of names: set operations look names up in a
// hash set instead of scanning the other list. Keys view into the lists, which outlive them.
template <class L>
using KeySet = std::unordered_set<std::conditional_t<std::is_same_v<L, SList>, std::string_view, std::int32_t>>;

template <class L>
KeySet<L> key_set(const L& list)
{
    return KeySet<L>(list.begin(), list.end());
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

template <class L>
L without_repeats_keeping_last(const L& list)
{
    KeySet<L> seen;
    L out;
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (seen.insert(*it).second) out.push_back(*it);
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

bool not_greater(const std::string& a, const std::string& b) { return text::cp1250_compare(a, b) <= 0; }

// Merges two sorted lists; on equal heads the head of b goes first (equal strings are
// indistinguishable, so this only fixes the algorithm, not the result).
SList ordered_merge(const SList& a, const SList& b)
{
    SList out;
    out.reserve(a.size() + b.size());
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (not_greater(b[j], a[i]))
            out.push_back(b[j++]);
        else
            out.push_back(a[i++]);
    }
    out.insert(out.end(), a.begin() + static_cast<std::ptrdiff_t>(i), a.end());
    out.insert(out.end(), b.begin() + static_cast<std::ptrdiff_t>(j), b.end());
    return out;
}

// Sorts list[from, from + n).
SList merge_sort_1(const SList& list, std::size_t from, std::size_t n)
{
    if (n == 0) return {};
    if (n == 1) return {list[from]};
    if (n == 2) {
        if (not_greater(list[from], list[from + 1])) return {list[from], list[from + 1]};
        return {list[from + 1], list[from]};
    }
    const std::size_t n1 = n / 2;
    return ordered_merge(merge_sort_1(list, from, n1), merge_sort_1(list, from + n1, n - n1));
}

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
IList usun_i(std::int32_t x, const IList& list) { return without(list, x); }

std::optional<SList> usun_jeden(std::string_view x, const SList& list, std::size_t later)
{
    return without_one(list, x, later);
}
std::optional<IList> usun_jeden(std::int32_t x, const IList& list, std::size_t later)
{
    return without_one(list, x, later);
}

SList redukuj(const SList& list) { return without_repeats_keeping_last(list); }
IList redukuj(const IList& list) { return without_repeats_keeping_last(list); }

SList roznica_zbiorow(const SList& a, const SList& b) { return difference(a, b); }
IList roznica_zbiorow(const IList& a, const IList& b) { return difference(a, b); }

SList iloczyn_zbiorow(const SList& a, const SList& b) { return intersection(a, b); }
IList iloczyn_zbiorow(const IList& a, const IList& b) { return intersection(a, b); }

SList suma_zbiorow(const SList& p, const SList& q) { return joined(difference(p, q), q); }

SList sortuj(const SList& list) { return merge_sort_1(list, 0, list.size()); }

std::optional<std::string> wybierz_element_z_listy(std::int32_t n, const SList& list)
{
    if (n < 1 || static_cast<std::size_t>(n) > list.size()) return std::nullopt;
    return list[static_cast<std::size_t>(n) - 1];
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

SList usun_negacje(const SList& names)
{
    SList out;
    out.reserve(names.size());
    for (const std::string& name : names)
        out.push_back(!name.empty() && name.front() == 'n' ? name.substr(1) : name);
    return out;
}

}  // namespace kb
