// The diagnoses that are not built yet: each entry point reports, through its return value,
// that it found nothing. Each moves to its own file when its diagnosis is built.
#include "diagnostics/diagnozy.h"

namespace diagnostics {

void pisz_sprzecznosc_1z(kb::Context&) {}
void pisz_sprzecznosc_1w(kb::Context&) {}
void pisz_nadmiar_p(kb::Context&) {}
void pisz_sprzecznosc_mz(kb::Context&) {}
void pisz_sprzecznosc_mr(kb::Context&) {}
void pisz_sprzecznosc_2(kb::Context&) {}
void pisz_sprzecznosc_2p(kb::Context&) {}
bool redundant_rule_pair_recorded(const kb::Context&) { return false; }
bool pisz_nadmiar_2p(kb::Context&) { return false; }
bool pisz_nadmiar_2pp(kb::Context&) { return false; }

std::optional<facts::SList> tryb_splaszczenia_1(kb::Context&) { return std::nullopt; }
bool dlg_wybor_reguly_do_splaszczenia_eh(kb::Context&, const platform::Event&) { return false; }
void dalej(kb::Context&) {}
void tryb_splaszczenia(kb::Context&) {}
void analiza_bazy_wiedzy(kb::Context&, int) {}

}  // namespace diagnostics
