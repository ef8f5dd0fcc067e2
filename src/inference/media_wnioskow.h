// The pictures and sounds attached to a conclusion, offered when its resultant CF is known: the
// entries for a true (CF >= 0) or a false (CF < 0) conclusion of the rules that conclude it, then
// of the relational model that computes it, one question each; the first accepted file that
// exists is shown or played, and the offer ends there.
#pragma once

#include <string>

#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// Pictures only of rules with display flag 1; missing files are passed over in silence.
void wyswietl_grafike(kb::Context& ctx, const std::string& wniosek, double cf);
// Sounds of every rule whatever its flag.
void przesluchaj_melodie(kb::Context& ctx, const std::string& wniosek, double cf);
// The media names of the rules concluding the name (only those with display flag 1 when
// `tylko_objasniane`), rule order, each rule's entries in file order.
facts::SList wpisy_regul(const kb::Context& ctx, const std::string& wniosek, const facts::FactList<kb::Medium>& wpisy,
                         bool tylko_objasniane);
// The media names of the first relational model concluding the name.
facts::SList wpisy_modelu(const kb::Context& ctx, const std::string& wniosek, const facts::FactList<kb::Medium>& wpisy);
// The question "Wybierz:" with Yes and No; true for Yes.
bool chce(kb::Context& ctx, const char* pytanie);

// Plays the wave file and returns when it has ended; a file that cannot be played is silence.
void przesluchaj(kb::Context& ctx, const std::string& sciezka);

}  // namespace inference
