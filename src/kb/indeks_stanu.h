// The lookup index of an inference run's records by name (resultants, contributions, disjunctive
// records, established values), kept beside their fact lists by kb/stan_wnioskowania.h, which
// alone reads and writes it. Data only; the lists stay what the program enumerates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kb {

struct Dysjunkt;

// Each part mirrors one fact list: for every name its records in stored order, and the list's
// change count and size when it last mirrored it. A part whose marks differ from its list's is
// out of date (the list was changed without the accessors, as the clearing of a load or a
// launch does) and is built again before its next use.
struct IndeksStanu {
    template <class Rekord>
    struct Czesc {
        std::unordered_map<std::string, std::vector<Rekord>> po_nazwie;
        std::uint64_t zmiany = 0;
        std::size_t ile = 0;
        bool zbudowana = false;
    };
    struct Wklad {
        std::int32_t numer = 0;
        double cf = 0;
    };
    struct Rozlaczny {
        double cf_warunkow = 0;
        double cf = 0;
    };
    Czesc<double> wypadkowe;     // wypadkowa_prbd by name
    Czesc<Wklad> prbd;           // prbd by conclusion
    Czesc<Rozlaczny> dysjunkty;  // dysjunkt by conclusion
    Czesc<double> ustalone;      // zmienna_ustalona by name
    // The names that got their first resultant, in that order, until an engine takes them.
    std::vector<std::string> nowe_wypadkowe;
};

}  // namespace kb
