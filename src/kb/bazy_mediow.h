// The advice, graphics and sound bases beyond storing them: the numbered actions of their menu
// commands and media choosers, the wrappers that empty them, and the read forms of their facts.
// Media file paths are in kb/wyroznik.h; nothing here loads a base or shows a media file.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "kb/akcja.h"
#include "kb/context.h"

namespace kb {

// The numbered actions.
// - 1, review: the whole text of the base file, and the main window's title set to the base's
//   name; nullopt without a base (no fact of the first kind: `rada`, `grafika`, `dźwięk`, or no
//   name fact) after a line in the auxiliary window and a note.
// - names (5 for advice, 2 for graphics and sound): the list of the names of the facts of the
//   first kind without repeats (the last occurrence of each stays), and the base file's name
//   without its folder as the text; without a base a note, then the empty list and "".
// - any other number: nullopt, no output.
// A base file that can no longer be read raises files::FileError for the event's error trap.
std::optional<AkcjaWynik> dzialanie_w_bazie_rad(Context& ctx, int akcja);
std::optional<AkcjaWynik> dzialanie_w_bazie_grafiki(Context& ctx, int akcja);
std::optional<AkcjaWynik> dzialanie_w_bazie_melodii(Context& ctx, int akcja);

// Retract-all wrappers. `nazwa_ra_pelna` is never removed: the newest stays first.
void kasowanie_drada(Context& ctx);     // every `rada`
void kasowanie_nazwy_ra(Context& ctx);  // every `nazwa_ra`
void kasowanie_dgrafika(Context& ctx);  // every `grafika` and every `ngrafika`
void kasowanie_nazwy_gr(Context& ctx);  // every `nazwa_gr`
void kasowanie_dmelodie(Context& ctx);  // every `dźwięk`, then every `ndźwięk`
void kasowanie_nazwy_me(Context& ctx);  // every `nazwa_me`

// A base unloaded as a unit: its facts of both kinds and its name (the delete command's unload).
void kasowanie_bazy_rad(Context& ctx);
void kasowanie_bazy_grafiki(Context& ctx);
void kasowanie_bazy_melodii(Context& ctx);

// Read forms over any of `rada`, `grafika`, `ngrafika`, `dźwięk`, `ndźwięk`, in stored order:
// the media names of a rule or model number, and the numbers that a media name serves.
SList nazwy_dla_numeru(const FactList<Medium>& facts, std::int32_t numer);
IList numery_dla_nazwy(const FactList<Medium>& facts, std::string_view nazwa);

}  // namespace kb
