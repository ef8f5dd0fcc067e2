// Pictures: the picture dialog 10019 "Przegląd grafiki", which inference opens over the main window
// for a picture of a conclusion, and the picture window "Przegląd grafiki", a document window that
// the picture chooser opens. Both show the picture named by `dane_graf`, stretched to their size.
#pragma once

#include <string>
#include <string_view>

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace windows {

inline constexpr const char* kPictureQuestionTitle = "Wybierz:";
inline constexpr const char* kPictureQuestion =
    "Czy chcesz zamknąć okno z wyświetloną grafiką?\n\nUwaga!\nOkno te można również zamknąć poprzez kliknięcie na "
    "obrazek.";

// The note shown once when the picture of a dialog or window cannot be loaded.
std::string picture_missing_note(std::string_view path);

// 10019, modal over `parent`: the picture of the first `dane_graf`, read once when the dialog opens
// (a picture that cannot be read: one note, and the dialog stays blank) and drawn at every paint
// and move. `dane_graf` stays. Returns when the dialog closes.
platform::DialogResult dlg_przeglad_grafiki_Create(kb::Context& ctx, platform::WindowId parent);

// The picture of a picture name in dialog 10019: the first of its paths (kb::nazwa_pelna_grafiki)
// whose file exists replaces `dane_graf` and is shown. False, with nothing shown, when no path
// leads to a file (or there is no mark). Returns when the dialog closes.
bool show_picture(kb::Context& ctx, std::string_view name);

// The picture window: maximised, the picture of the first `dane_graf` (read once, before it
// opens), redrawn at every paint; after the first drawing `dane_graf` goes and the user is asked
// once whether to close it. A double click closes it; closing it renews the auxiliary window.
// Returns at once; kNoWindow, after a note, when there is no picture that can be read.
platform::WindowId win_przeglad_grafiki_Create(kb::Context& ctx, platform::WindowId parent);

}  // namespace windows
