// The start of an inference from the main menu: forward (menu item 10164) or backward (10165).
// The main window's dispatch calls it; the whole run, with all its dialogs, happens inside the
// call. Nothing below the main window calls it.
#pragma once

#include "kb/context.h"

namespace inference {

enum class Direction { forward, backward };

// True when the run was handed over and came back; false when a precondition blocked it or a
// step failed.
bool launch(kb::Context& ctx, Direction direction);

// The detail level from the answer of dialog 10031: 1 "mała", 2 "duża", 3 unchanged; false for
// any other answer.
bool opcja_z_menu_szczegolowosci(kb::Context& ctx, int odpowiedz);

}  // namespace inference
