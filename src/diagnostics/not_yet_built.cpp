// The diagnoses that are not built yet: each entry point reports, through its return value,
// that it found nothing. Each moves to its own file when its diagnosis is built.
#include "diagnostics/diagnozy.h"

namespace diagnostics {

void pisz_sprzecznosc_mz(kb::Context&) {}
void pisz_sprzecznosc_mr(kb::Context&) {}

}  // namespace diagnostics
