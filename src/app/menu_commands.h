// The commands of the main menu 10062: every item id with its one command, as a table. The
// main window's handler runs them; other windows pass on menu events they do not handle.
#pragma once

#include <vector>

#include "kb/context.h"

namespace app {

// The main menu's option of loads and inference: a kind number of the table of load kinds
// (load/load_kinds.h) loads a base of that kind, true when it was loaded; 10 and 11 start
// forward and backward inference, true when the run came back. Any other number changes
// nothing and fails.
bool opcja_z_menu_glownego(kb::Context& ctx, int rodzaj);

// Runs the command of a main-menu item: true when every step completed, false when a step
// failed or the user cancelled it (the menu event is then declined). An item that is not on
// the menu has no command: false.
bool polecenie_menu(kb::Context& ctx, int item);

// The items that have a command, in table order.
std::vector<int> menu_command_items();

}  // namespace app
