// The models of the four kinds seen only by their condition of application and their result:
// what the checks of models sharing a result compare. Read-only views of the model base.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
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

// The models of a kind grouped by result, each group in the models' order: what the checks of
// shared results look up, so that a base of many models is not looked through for each model.
class ModeleWedlugWyniku {
public:
    explicit ModeleWedlugWyniku(const std::vector<ModelWyniku>& modele);
    // The models with this result; none when no model has it.
    const std::vector<const ModelWyniku*>& modele(const std::string& wynik) const;
    // Their conditions, repeats kept.
    std::vector<std::string> warunki(const std::string& wynik) const;

private:
    std::unordered_map<std::string, std::vector<const ModelWyniku*>> grupy_;
};

// A list that holds some condition twice: two models that would apply together.
bool ma_powtorzenie(const std::vector<std::string>& warunki);

}  // namespace diagnostics
