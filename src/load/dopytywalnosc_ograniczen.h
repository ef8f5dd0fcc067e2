// The check, run by the constraint loads, that every condition of a freshly loaded exact or
// uncertain constraint base is something the program may ask the user about. The first fault
// is reported and the constraint base unloaded; it never touches the rule or model base.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "kb/context.h"
#include "platform/facts.h"

namespace load {

// A constraint's condition is askable when it is in the askable list, or, when it begins with
// a lower-case "n", when the rest is (a name beginning with "n" is always read as a negation).
// Byte-for-byte and case-sensitive.
bool warunek_dopytywalny(std::string_view warunek, const facts::SList& dopytywalne);

// The askable list the constraints are checked against: with a model base loaded every name
// the user may be asked for, else the askable conditions of the rule base; nullopt (nothing is
// checked) without a rule base, without a base of the kind, or without that list.
std::optional<facts::SList> lista_do_kontroli_ograniczen(const kb::Context& ctx, bool niepewne);

// Checks the constraints in base order; at the first condition that is not askable it writes
// the report to the auxiliary window (not the report text), shows the note "Uwaga błąd!" and
// unloads the base (load marker, constraints, file-name fact; the full-path fact stays).
// True when the base is still loaded afterwards; false when it was unloaded or never loaded.
bool kontrola_dopytywalnosci_ograniczen(kb::Context& ctx);    // `ograniczenie`, `nazwa_og`
bool kontrola_dopytywalnosci_ograniczen_p(kb::Context& ctx);  // `ograniczenie_n`, `nazwa_op`

// One constraint: reports and unloads at its first condition that is not askable.
// Always true; the caller learns of the refusal from the missing file-name fact.
bool jest_warunek_dopytywalny(kb::Context& ctx, std::int32_t numer, const facts::SList& warunki,
                              const facts::SList& dopytywalne);
bool jest_warunek_dopytywalny_p(kb::Context& ctx, std::int32_t numer, const facts::SList& warunki,
                                const facts::SList& dopytywalne);

}  // namespace load
