// The step dialog 10026 "Wnioskowanie": one step of an inference or an explanation, its heading
// and lines taken from the dialog data channel (`tytul`, `dane_str`), which the dialog empties as
// it opens. Also the layout the three heading-and-list dialogs (10026, 10028, 10029) share.
// Nothing here writes to the auxiliary window or the report.
#pragma once

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace windows {

// The handler of 10026. Create: the first `tytul` into the heading field 10022, every
// `dane_str` in order into list 10027, then every `dane_lista_int`, `dane_str`, `dane_lista_str`
// and `tytul` removed; with no `tytul` nothing is shown or removed. "Zakończ" asks and may end
// the program; a size change lays the controls out again.
bool dlg_start_wnioskowania_eh(kb::Context& ctx, const platform::Event& event);

// Shows the pending step in 10026 over the main window and returns when the user closed it
// ("&Kontynuuj", the close box, or "Zakończ" answered No).
void pokaz_krok(kb::Context& ctx);

// The dialog's answer after it closed: 1 and 2 are the only answers a closing gives; any other
// is a fault of the program and raises a run-time error.
void sprawdz_odpowiedz_dialogu(const platform::DialogResult& result);

// Lays out the heading field 10022, the list 10027 and the buttons 1 and 2 of 10026, 10028 or
// 10029 in proportion to the client area (width w, height h, pixels).
void rozmiesc_naglowek_i_liste(kb::Context& ctx, platform::WindowId dialog, int w, int h);

// The "Zakończ" button 2 of the inference dialogs: asks; Yes ends the program, No declines the
// press, so the dialog closes without an answer.
bool zakoncz_z_dialogu(kb::Context& ctx);

}  // namespace windows
