// Small pieces the reports of the joint diagnoses (rule base with a constraint base) share:
// report lines, condition lists in their report and note forms, the kind names read from the
// loaded rule base. Report lines go through the report writers (window and report text).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kb/context.h"
#include "platform/facts.h"

namespace diagnostics {

std::string nr(std::int32_t n);

// The text and a line end, both through the report writers.
void linia(kb::Context& ctx, std::string_view tekst);
// The text, "[", the conditions joined by "," and "]" (no line end).
void pisz_z_lista(kb::Context& ctx, std::string_view tekst, const facts::SList& warunki);
// The conditions as a note shows them: ["a","b"], quotes and escapes as in a base file.
std::string lista_noty(const facts::SList& warunki);
// The rule numbers as a note shows them: "3, 5, " (each followed by a comma and a blank).
std::string numery_noty(const facts::IList& numery);

// The kind name of a joint diagnosis from the rule base's extension; nullopt without one.
std::optional<std::string> rodzaj_laczny(const kb::Context& ctx,
                                         std::optional<std::string> (*nazwa)(std::string_view));

}  // namespace diagnostics
