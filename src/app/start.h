// The program's start-up: opens the main window with its menu and runs the event loop until the
// main window is destroyed. Nothing else of the program starts here; the main window's handler
// takes over from its create event.
#pragma once

#include "kb/context.h"

namespace app {

inline constexpr const char* kMainWindowClass = "velk_ep_win";
inline constexpr int kProgramIcon = 9012;
inline constexpr const char* kMainWindowTitle =
    "velk_QZ - VELK dla wnioskowania rozwiniętego niepewnego w przód i wstecz";

// Returns when the program ends.
void start_programu(kb::Context& ctx);

}  // namespace app
