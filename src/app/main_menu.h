// The main menu 10062 as data: every command item with its id, its text (with "&" before the
// access key) and the submenus it sits in. Both window back-ends build the menu bar from this
// one table; the items start greyed and are enabled by the program as it goes.
#pragma once

#include "platform/toolkit_types.h"

namespace app {

inline constexpr int kMainMenuId = 10062;

// The menu as the program starts: all 90 command items greyed, in menu order.
platform::Menu main_menu();

}  // namespace app
