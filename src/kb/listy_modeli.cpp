// Joining name lists in both directions for the model components and the diagnostics.
// Byte-for-byte comparison of names; no fact store, no output.
#include "kb/listy_modeli.h"

#include <algorithm>
#include <cstddef>

namespace kb {

SList dolacz(const SList& pierwsza, const SList& druga) { return dolaczenie(pierwsza, druga); }

// The alternatives of the join with its first list unknown, at each place `od` of `trzecia`
// in turn: (a) both lists empty, (b) the rest from `od` equal to the second list; (c), the
// head in front of what the rest gives, is the walk on to the next place. So shorter first
// lists come first.
std::vector<SList> dolacz_poczatki(const SList& druga, const SList& trzecia)
{
    std::vector<SList> wyniki;
    for (std::size_t od = 0; od <= trzecia.size(); ++od) {
        const std::size_t reszta = trzecia.size() - od;
        const SList poczatek(trzecia.begin(), trzecia.begin() + static_cast<std::ptrdiff_t>(od));
        if (druga.empty() && reszta == 0) wyniki.push_back(poczatek);
        if (reszta == druga.size() &&
            std::equal(druga.begin(), druga.end(), trzecia.begin() + static_cast<std::ptrdiff_t>(od)))
            wyniki.push_back(poczatek);
    }
    return wyniki;
}

}  // namespace kb
