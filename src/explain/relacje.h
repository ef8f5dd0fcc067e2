// The relations of relational models: whether a single relation (">", "<", ">=", "<=", "==",
// "><", "<>") holds between two values or an interval relation ("<,<", "<=,<", "<,<=", "<=,<=")
// over three, their opposites, and the two halves of an interval relation. Pure: no facts, no
// output; relation texts are compared exactly, doubles without tolerance.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace explain {

// False also for a text that is no single relation.
bool relacja(std::string_view rel, double v1, double v2);
// False also for a text that is no interval relation.
bool relacja_r(std::string_view rel, double v1, double v2, double v3);
// The opposite single relation ("==" -> "><", "><" and "<>" -> "=="); nullopt for any other text.
std::optional<std::string> relacja_przeciwna(std::string_view rel);

// One half of an interval relation that does not hold, stated the other way round.
struct PrzeciwnaPolowa {
    double lewa = 0;
    std::string relacja;
    double prawa = 0;
    std::string nazwa_lewa;
    std::string nazwa_prawa;
    bool operator==(const PrzeciwnaPolowa&) const = default;
};
// Every half that fails, the left (first and second argument) before the right (second and
// third); empty when the interval relation holds or the text is no interval relation.
std::vector<PrzeciwnaPolowa> relacja_przeciwna_r(std::string_view rel, double v1, const std::string& n1, double v2,
                                                 const std::string& n2, double v3, const std::string& n3);

// A single or an interval relation: such a model is relational, not arithmetic.
bool jest_relacja_modelu(std::string_view tekst);

// The relation before the comma and the one after it; nullopt for any other text.
std::optional<std::pair<std::string, std::string>> wyznacz_parametry_relacji(std::string_view rel);

}  // namespace explain
