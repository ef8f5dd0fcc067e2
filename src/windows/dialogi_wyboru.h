// The choice dialogs of inference: 10029 "Wybierz fakt" (one entry) and 10028 "Wybierz listę
// faktów" (several), whose prompt and entries come from the dialog data channel, and the
// radio dialogs of the launch, 10031 "Poziom szczegółowości", 10032 "Menu wyboru faktów" and 10016
// "Hipoteza wybór".
// Every answer goes back through the channel (`dane_int`, `dane_lista_int`); nothing is written.
#pragma once

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace windows {

// 10029. Create: the first `dane_str` as the prompt (10022), the first `dane_lista_str` into
// list 10027 with its first entry selected, then every `dane_lista_int`, `dane_str`,
// `dane_lista_str`, `dane_int` and `tytul` removed (a missing prompt or list stops it there,
// nothing removed). "&Kontynuuj": `dane_int` = position of the selected entry from 1 (none
// selected: declined, no answer).
bool dlg_wybierz_fakt_eh(kb::Context& ctx, const platform::Event& event);
// 10028: the same, with no entry selected at first and `dane_int` left alone; "&Kontynuuj" gives
// `dane_lista_int`, the positions of the selected entries from 0, ascending.
bool dlg_wybierz_liste_faktow_eh(kb::Context& ctx, const platform::Event& event);

// 10031: `dane_int` 1 ("Mała szczegółowość", chosen at first) or 2 ("Duża szczegółowość").
bool dlg_poziom_szczegolowosci_eh(kb::Context& ctx, const platform::Event& event);
// 10032: `dane_int` 1 ("Menu wyboru faktów") or 2 ("Interfejs zadający pytania", chosen at first).
bool dlg_wnioskowanie_wybor_eh(kb::Context& ctx, const platform::Event& event);
// 10016: `dane_int` 1 ("Hipoteza w sensie wąskim", chosen at first) or 2 ("Hipoteza w sensie
// szerokim"); however it is closed, the kind clicked last stays.
bool dlg_hipoteza_wybor_eh(kb::Context& ctx, const platform::Event& event);

// Open the dialogs over the main window with their handlers and wait. The list dialogs need a
// `tytul` (their window title): false, with nothing opened, without one.
bool wybierz_fakt(kb::Context& ctx);
bool wybierz_liste_faktow(kb::Context& ctx);
void poziom_szczegolowosci(kb::Context& ctx);
void wnioskowanie_wybor(kb::Context& ctx);
void hipoteza_wybor(kb::Context& ctx);

}  // namespace windows
