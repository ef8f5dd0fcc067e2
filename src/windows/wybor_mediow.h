// The media choosers: modal dialogs that list the names of a loaded media base and show or play the
// chosen one — the advice chooser 10042, the picture chooser 10039 and the sound chooser 10033.
// The menu commands open them, and the end of forward inference opens the advice chooser.
#pragma once

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace windows {

// The handlers. Each fills its drop-down list from its base's names action when it opens (no base:
// the action's note, and the chooser stays empty); its confirm button opens the chosen advice text
// in the advice viewer, opens the picture window, or plays the sound and writes the program's own
// path to the auxiliary window, and then closes the chooser. No name chosen, a name the base no
// longer has, no mark, or a picture that cannot be read: the press is declined (the advice
// chooser then closes, the others stay).
bool dlg_obejrzenie_pliku_tekstowego_rady_eh(kb::Context& ctx, const platform::Event& event);
bool dlg_obejrzenie_pliku_graficznego_eh(kb::Context& ctx, const platform::Event& event);
bool dlg_przesluchanie_melodii_eh(kb::Context& ctx, const platform::Event& event);

// Each chooser, modal over the main window; returns when it closes.
void choose_advice(kb::Context& ctx);
void choose_picture(kb::Context& ctx);
void choose_sound(kb::Context& ctx);

}  // namespace windows
