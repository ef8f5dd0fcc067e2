// The hypotheses a test may choose from: the conclusions of the rules (and of the relational
// models when a model base is loaded), in the narrow sense only those no rule premise holds.
// Reads the bases and the lists the loads recorded; refreshes only the list of model conclusions.
#pragma once

#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

enum class RodzajHipotezy { waska = 1, szeroka = 2 };

// Every condition of every premise as written ("n" kept, "bez warunku" included), each once.
facts::SList wyznacz_liste_warunkow(const kb::Context& ctx);

// The rule conclusions without "koniec" followed by the relational-model conclusions, the latter
// computed afresh; a name of both kinds stands twice.
facts::SList wyznacz_liste_wnioskow_regul_i_modeli(kb::Context& ctx);

// The candidates of the kind, sorted in byte order, repeats kept.
facts::SList lista_hipotez(kb::Context& ctx, RodzajHipotezy rodzaj);

}  // namespace inference
