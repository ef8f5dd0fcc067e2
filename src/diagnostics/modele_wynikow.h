// The models of the four kinds seen only by their condition of application and their result:
// what the checks of models sharing a result compare. Read-only views of the model base.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "kb/context.h"

namespace diagnostics {

enum class RodzajModelu { elementarny, rozwiniety, liniowy, wielomianowy };

inline constexpr std::array<RodzajModelu, 4> kRodzajeModeli{
    RodzajModelu::elementarny, RodzajModelu::rozwiniety, RodzajModelu::liniowy, RodzajModelu::wielomianowy};

// One model of a kind: its condition, its result (a computed variable or a concluded
// condition), and whether it computes a value (an arithmetic basic or extended model, every
// linear and polynomial one).
struct ModelWyniku {
    std::string warunek;
    std::string wynik;
    bool oblicza = false;
};

// The models of a kind in the order of the model-base file.
std::vector<ModelWyniku> modele_rodzaju(const kb::Context& ctx, RodzajModelu rodzaj);

// The conditions of the models with this result, in their order, repeats kept.
std::vector<std::string> warunki_wyniku(const std::vector<ModelWyniku>& modele, std::string_view wynik);

// A list that holds some condition twice: two models that would apply together.
bool ma_powtorzenie(const std::vector<std::string>& warunki);

}  // namespace diagnostics
