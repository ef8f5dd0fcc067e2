// Joining and intersecting name lists for the model components and the diagnostics.
// Byte-for-byte comparison of names; no fact store, no output.
#include "kb/listy_modeli.h"

#include <algorithm>
#include <cstddef>

namespace kb {

SList dolacz(const SList& pierwsza, const SList& druga)
{
    SList out = pierwsza;
    out.insert(out.end(), druga.begin(), druga.end());
    return out;
}

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

SList iloczyn_zbiorow(const SList& a, const SList& b)
{
    SList out;
    for (const std::string& x : a)
        if (std::find(b.begin(), b.end(), x) != b.end()) out.push_back(x);
    return out;
}

}  // namespace kb
