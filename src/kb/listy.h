// List and set utilities on the name lists of the knowledge bases, and the negation
// convention. None of them changes its inputs; each builds a new list. Names are compared
// byte for byte (letter case, Polish letters and blanks count); nothing here touches the store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/facts.h"
#include "platform/names.h"

namespace kb {

using facts::IList;
using facts::ListaList;
using facts::Name;
using facts::NameList;
using facts::SList;

bool element(std::string_view x, const SList& list);
bool element(std::int32_t x, const IList& list);
std::int32_t dlugosc_listy_s(const SList& list);
std::int32_t dlugosc_listy_i(const IList& list);

SList dolaczenie(const SList& a, const SList& b);
IList dolaczenie_i(const IList& a, const IList& b);
SList usuniecie_list_wewnetrznych(const ListaList& lists);
IList usuniecie_list_wewnetrznych_i(const std::vector<IList>& lists);
SList usun(std::string_view x, const SList& list);
// The same removal of every occurrence, under the name the diagnoses give it.
SList usun_wszystkie(std::string_view x, const SList& list);
IList usun_wszystkie(std::int32_t x, const IList& list);
IList usun_i(std::int32_t x, const IList& list);
// The list without one occurrence of x: the first one, or with `later` = k the (k+1)-th one
// (the earlier ones then stay), which is what each further answer of the removal gives.
// nullopt when x does not occur that often (the empty list included).
std::optional<SList> usun_jeden(std::string_view x, const SList& list, std::size_t later = 0);
std::optional<IList> usun_jeden(std::int32_t x, const IList& list, std::size_t later = 0);
// Without repeats; of each value only its last occurrence stays.
SList redukuj(const SList& list);
IList redukuj(const IList& list);
SList redukuj(const std::vector<std::string_view>& list);  // the same for views of names
// a without every occurrence of every element of b; order and repeats of a kept.
SList roznica_zbiorow(const SList& a, const SList& b);
IList roznica_zbiorow(const IList& a, const IList& b);
// The elements of a, in its order and with its repeats, that occur in b.
SList iloczyn_zbiorow(const SList& a, const SList& b);
IList iloczyn_zbiorow(const IList& a, const IList& b);
// The elements of p that do not occur in q (order and repeats of p), followed by all of q.
SList suma_zbiorow(const SList& p, const SList& q);
// Ascending CP1250 byte order, repeats kept.
SList sortuj(const SList& list);

// The same on interned names, for the lists of whole bases: set membership by the names'
// numbers instead of their texts.
NameList redukuj(const NameList& list);
NameList roznica_zbiorow(const NameList& a, const NameList& b);
NameList usun(Name x, const NameList& list);
NameList sortuj(const NameList& list);
// A rule's conditions that are "bez warunku" alone: the rule applies whatever is known.
bool bez_warunku(const NameList& warunki);
// The n-th element counting from 1; nullopt outside 1 .. length.
std::optional<std::string> wybierz_element_z_listy(std::int32_t n, const SList& list);
// The same, as the backward inference takes a hypothesis chosen by its position.
std::optional<std::string> string_z_pozycji(const SList& list, std::int32_t n);

// The helpers of the windows that show lists: the number of elements of any list, integers as
// their decimal texts (same length and order), and the first element (the selected entry of
// a list box), nullopt for the empty list.
template <class List>
std::int32_t dlugosc_listy1(const List& list)
{
    return static_cast<std::int32_t>(list.size());
}
SList zmien_na_stringa(const IList& list);
std::optional<std::string> zmien_na_string(const SList& list);

// "n" + name, and a name beginning with "n" (lower case only) is the negation of the rest:
// negacja("wysoka") == "nwysoka", negacja("nnx") == "nx", negacja("n") == "", negacja("Nx") == "nNx".
std::string negacja(std::string_view name);
bool negacja(std::string_view a, std::string_view b);  // test: one is the other's negation
// Each name with one leading "n" taken off; the other names (the empty one too) unchanged.
SList usun_negacje(const SList& names);
std::string_view bez_negacji(std::string_view name);  // of one name
Name bez_negacji_nazwy(Name name);
NameList usun_negacje(const NameList& names);

}  // namespace kb
