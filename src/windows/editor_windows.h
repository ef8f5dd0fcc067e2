// What the rest of the program needs of the editor windows before the program ends. The editor
// window itself (its creator is win_edycja_Create in windows/okna.h) keeps its own state.
#pragma once

#include "kb/context.h"

namespace windows {

// Asked after the user confirmed ending the program, before any window goes: for every editor
// window whose text was changed and not saved, asks whether to save it and saves it when asked
// to. False when the user chose to go on working, so the program does not end.
bool ask_about_modified_editors(kb::Context& ctx);

}  // namespace windows
