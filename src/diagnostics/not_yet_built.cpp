// The diagnoses that are not built yet: each entry point reports, through its return value,
// that it found nothing. Each moves to its own file when its diagnosis is built.
#include "diagnostics/diagnozy.h"

namespace diagnostics {

void pisz_sprzecznosc_mz(kb::Context&) {}
void pisz_sprzecznosc_mr(kb::Context&) {}
bool pisz_nadmiar_2p(kb::Context&) { return false; }
bool pisz_nadmiar_2pp(kb::Context&) { return false; }

}  // namespace diagnostics
