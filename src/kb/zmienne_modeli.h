// The variables and results of each kind of model, gathered for the askable arguments:
// one collector per kind adds a `zmienne` and a `wyniki` fact; what counts as a numeric
// constant and as a negated name is decided here. Collectors never remove facts.
#pragma once

#include <optional>
#include <string_view>

#include "kb/bazy.h"
#include "kb/context.h"

namespace kb {

// A text that reads whole as a real the way the program reads numbers (blanks around, sign,
// digits with point and exponent, NAN, INF). Never throws: a number beyond the range of a
// double is no valid real, so the text is no constant.
bool jest_stala_liczbowa(std::string_view tekst);

// The names of `nazwy` that are no numeric constants, in reverse order, followed by `akumulator`.
SList usun_stale(const SList& nazwy, const SList& akumulator);
// The list without every name whose first byte is the lower-case "n" (a capital N stays).
SList usun_zanegowane(const SList& lista);

// A kind's variables (as the `zmienne` fact below) and results (as `wyniki`); nullopt for a kind
// without models. They only read the base and its names, so they may run side by side.
struct ZmienneIWyniki {
    NameList zmienne;
    NameList wyniki;
};
std::optional<ZmienneIWyniki> zmienne_modelu(const BazaModeli& baza);
std::optional<ZmienneIWyniki> zmienne_modelu_r(const BazaModeli& baza);
std::optional<ZmienneIWyniki> zmienne_modelu_lin(const BazaModeli& baza);
std::optional<ZmienneIWyniki> zmienne_modelu_wiel(const BazaModeli& baza);

// Each adds `zmienne` (the kind's variables without repeats, constants, "bez warunku" and
// names beginning with "n") and then `wyniki` (the kind's results, repeats kept), both last;
// a kind without models adds nothing. Always succeed.
void zmienne_z_modelu(Context& ctx);       // basic models
void zmienne_z_modelu_r(Context& ctx);     // extended models
void zmienne_z_modelu_lin(Context& ctx);   // linear models
void zmienne_z_modelu_wiel(Context& ctx);  // polynomial models

}  // namespace kb
