// The pictures and sounds attached to a conclusion, offered when its resultant CF is known: the
// entries for a true (CF >= 0) or a false (CF < 0) conclusion of the rules that conclude it, then
// of the relational model that computes it, one question each; the first accepted file that
// exists is shown or played, and the offer ends there.
#pragma once

#include <string>

#include "kb/context.h"

namespace inference {

// Pictures only of rules with display flag 1; missing files are passed over in silence.
void wyswietl_grafike(kb::Context& ctx, const std::string& wniosek, double cf);
// Sounds of every rule whatever its flag.
void przesluchaj_melodie(kb::Context& ctx, const std::string& wniosek, double cf);
// Plays the wave file and returns when it has ended; a file that cannot be played is silence.
void przesluchaj(kb::Context& ctx, const std::string& sciezka);

}  // namespace inference
