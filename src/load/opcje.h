// The load option of the main menu: kind number to the load of that kind. The menu commands
// that call it, and the items a successful load enables, are the main window's.
#pragma once

#include "kb/context.h"
#include "load/ramka.h"

namespace load {

// Loads a base of the kind (1 rule base, 2 model base, 3 exact constraint base, 4 uncertain
// constraint base, 5 advice base, 16 graphics base, 17 sound base). Kinds 10 and 11 start
// inference. Any other kind number fails (nullopt) with no message and changes nothing.
WynikLadowania opcja_z_menu_glownego(kb::Context& ctx, int rodzaj);

}  // namespace load
