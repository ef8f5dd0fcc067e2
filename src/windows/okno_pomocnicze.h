// The auxiliary window "Okno pomocnicze": opened when the intro closes, and replaced by an empty
// one by the commands and windows that start afresh. The report text is never touched here.
#pragma once

#include "kb/context.h"

namespace windows {

inline constexpr int kAuxWindowLines = 100;

// Opens the auxiliary window when there is none; an open one stays as it is.
void utworz_okno_pomocnicze(kb::Context& ctx);

// Closes the auxiliary window (if any) and opens a new, empty one: menu item 10167, and what
// the editor, viewer, browse and picture windows do when they close.
void nowe_okno_pomocnicze(kb::Context& ctx);

}  // namespace windows
