// The alternatives of one cycle of forward inference (`wnioskowanie_cd`), each in the file of
// its concern: the rules (1 to 5), the resultants (6 to 9), the models (10 to 17) and the end of
// the run (18, 19). The cycle (wnioskowanie.cpp) tries them in that order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "inference/przebieg_w_przod.h"
#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// What an alternative did: nothing (the next one is tried), a step (a new cycle starts), or the
// end of the run, with its outcome.
enum class Krok { nie_dotyczy, dalej, koniec_udany, koniec_nieudany };

// ---- Rules: kroki_regul.cpp ------------------------------------------------------------------

// The premise CF of a rule: the smallest first resultant of its conditions (1.0 for none), an
// askable condition not known yet asked now. Otherwise the name the rule waits for, or a refused
// question (the rule is examined again in the next cycle).
struct Przeslanka {
    enum class Stan { znana, czeka, odmowa } stan = Stan::znana;
    double cf = 1.0;
    std::string brak;  // the name waited for
};
Przeslanka testuj_warunki(kb::Context& ctx, const PrzebiegWPrzod& p, const facts::SList& warunki);
double mini(double a, double b);
// Replaces every contribution of the rule by the pair for the conclusion and its negation.
void aktualizacja_prbd(kb::Context& ctx, PrzebiegWPrzod& p, std::int32_t numer, const std::string& wniosek,
                       double cf);

Krok reguly_koniec(kb::Context& ctx, PrzebiegWPrzod& p);         // 1
Krok stop_koniec(kb::Context& ctx);                              // 2
Krok regula_kumulatywna(kb::Context& ctx, PrzebiegWPrzod& p);    // 3
Krok regula_dysjunktywna(kb::Context& ctx, PrzebiegWPrzod& p);   // 4
Krok pominiecie_dysjunktywnej(kb::Context& ctx, PrzebiegWPrzod& p);  // 5

// ---- Resultants: kroki_wypadkowych.cpp -------------------------------------------------------

Krok wypadkowa_kumulatywnych(kb::Context& ctx, PrzebiegWPrzod& p);   // 6, 7
Krok wypadkowa_dysjunktywnych(kb::Context& ctx, PrzebiegWPrzod& p);  // 8, 9

// ---- Models: kroki_modeli.cpp ----------------------------------------------------------------

Krok modele_arytmetyczne(kb::Context& ctx);  // 10 to 13
Krok modele_relacyjne(kb::Context& ctx);     // 14 to 17

// ---- The end: koniec_wnioskowania.cpp --------------------------------------------------------

Krok koniec_wnioskowania(kb::Context& ctx);  // 18, and 19 when it gives way
// The advice chooser when an advice base is loaded.
void udziel_rady(kb::Context& ctx);

}  // namespace inference
