// Ending the program at the user's wish: the question asked by the main window's close request
// and by the "Zakończ" buttons of dialogs. Never ends the program without asking.
#pragma once

#include "kb/context.h"

namespace windows {

inline constexpr const char* kEndQuestionTitle = "Uwaga!";
inline constexpr const char* kEndQuestionText = "Czy na pewno chcesz zakończyć program ?";

// Asks whether to end the program (Yes first and default). True when the user answered Yes and
// every editor window with unsaved changes has been dealt with.
bool czy_zakonczyc_program(kb::Context& ctx);

// For the "Zakończ" buttons of dialogs: asks, and on Yes ends the program by unwinding every
// dialog and handler to the event loop; on No returns false and the dialog goes on.
bool zakoncz_program_na_zyczenie(kb::Context& ctx);

}  // namespace windows
