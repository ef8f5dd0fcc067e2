// The editor window "Edycja pliku": the only place where the program writes base files,
// descriptions and advice texts. Each window is tied to the one file it was opened on and saves
// only that file (or the one chosen in "Zapisz jako"); it never reloads a base.
#pragma once

#include <string>

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace windows {

inline constexpr int kEditorMenu = 10052;
inline constexpr int kCofnij = 10054;
inline constexpr int kPonow = 10055;
inline constexpr int kWytnij = 10056;
inline constexpr int kKopiuj = 10057;
inline constexpr int kWklej = 10058;
inline constexpr int kUsun = 10059;
inline constexpr int kZapiszJako = 10060;
inline constexpr int kZapisz = 10061;

inline constexpr const char* kEditorTitlePrefix = "Edycja pliku: ";
inline constexpr const char* kSaveQuestionTitle = "Zapis pliku";
inline constexpr const char* kSaveQuestion = "Czy zapisać aktualną postać pliku ?";
inline constexpr const char* kNextEditorLine = "Jeżeli chcesz edytować jeszcze jedną bazę, kliknij w to pole!";

// Menu 10052 of the editor window.
platform::Menu menu_edycji();

// Opens an editor window over `parent` on the file named by the first `pamietana_nazwa`, which
// it removes. The file is read before anything is asked, so a file that cannot be read raises
// files::FileError and opens no window (no window may ever save an empty text over a file it
// could not read). Asks whether to wrap lines, opens the window, records `dla_zapisu` and
// writes the line inviting the next edit. kNoWindow when there is no `pamietana_nazwa`.
platform::WindowId win_edycja_Create(kb::Context& ctx, platform::WindowId parent);

// The same on an explicit file.
platform::WindowId otworz_edytor(kb::Context& ctx, platform::WindowId parent, const std::string& plik);

// Whether the user changed the window's text since it was read or saved.
bool tekst_zmieniony(const kb::Context& ctx, platform::WindowId okno);

}  // namespace windows
