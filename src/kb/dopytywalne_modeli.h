// What the user may be asked once a model base is loaded: the four model lists, the askable
// conditions less the relational conclusions, the askable arguments, all askables together,
// and the check that every known argument is askable. Run by the model-base load; each
// computation replaces the list of the previous load, so readers never meet an older base's.
#pragma once

#include "kb/context.h"

namespace kb {

// Each stores what one view yields, without repeats (the last occurrence stays), as the one
// fact of its name: `lista_argumentow_modeli`, `lista_warunkow_stosowania`,
// `lista_wnioskow_modeli`, `lista_wynikow_modeli`. An empty list when the view yields nothing.
void wyznacz_i_pamietaj_argumenty_modeli(Context& ctx);
void wyznacz_i_pamietaj_warunki_stosowania_modeli(Context& ctx);
void wyznacz_i_pamietaj_wnioski_modeli(Context& ctx);
void wyznacz_i_pamietaj_wyniki_modeli(Context& ctx);
// All four at once.
void wyznacz_i_pamietaj_listy_modeli(Context& ctx);

// `lista_wszystkich_dopytywalnych_dla_wyswietlania`: the first `lista_warunkow_dopytywalnych`
// less the first `lista_wnioskow_modeli` (unchanged without one). False, changing nothing,
// without a `lista_warunkow_dopytywalnych`.
bool redukuj_warunki_dopytywalne(Context& ctx);

// The askable arguments, `lista_argumentow_dopytywalnych`: the model variables (variable
// collectors) less every model result, less the first `lista_wnioskow_regul`, less names
// beginning with "n", sorted. Also stores `argumenty_zredukowane` and `wyniki_zredukowane`.
// False without a rule base (`nazwa_re`), changing nothing; false without a
// `lista_wnioskow_regul`, after the variables and results are stored.
bool wyznacz_dopytywalne_zmienne(Context& ctx);

// `lista_warunkow_i_argumentow_dopytywalnych`: the askable arguments and the askable conditions
// (first facts) joined, without repeats, sorted. False, changing nothing, when either is missing.
bool wyznacz_warunki_i_argumenty_dopytywalne(Context& ctx);

// True when every known argument (`argument_znany`) is an askable argument, and when there is
// no `nazwa_mo` or no `lista_argumentow_dopytywalnych`. Otherwise it writes the offending
// names to the auxiliary window, shows the note "Błędne argumenty znane bazy modeli " + name,
// forgets the model base as a unit (forget_model_base) and answers false.
bool testowanie_dopytywalnosci_argumentow(Context& ctx);

}  // namespace kb
