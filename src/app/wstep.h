// The intro window "Witamy w " with the picture main_qz.bmp: the first window of a run. Its
// close is what opens the menu and the auxiliary window; nothing else here changes any state.
#pragma once

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace app {

inline constexpr const char* kIntroPicture = "main_qz.bmp";

// Opens the intro window as a child of the parent (the main window).
platform::WindowId win_wstep_Create(kb::Context& ctx, platform::WindowId parent);

}  // namespace app
