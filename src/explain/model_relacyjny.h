// A relational model as its explanations speak of it, whether basic (`model`: one relation
// between two arguments) or extended (`model_r`: an interval relation over three): its pieces
// as texts, the relation over its argument names and over the values the engine found, and the
// half that fails, turned round. Looking up and saying only; nothing is written here.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "explain/relacje.h"
#include "kb/context.h"

namespace explain {

struct ModelRelacyjny {
    bool rozwiniety = false;
    std::string numer;    // decimal text
    std::string warunek;  // the application condition, as stored
    std::string wynik;    // the model's result, as stored
    std::string cf;       // the CF text, as stored
    std::string relacja;  // the relation, or the whole interval relation
    std::vector<std::string> relacje;  // basic: the relation; extended: the left and right halves
    std::vector<std::string> nazwy;    // the argument names, in order
    std::vector<double> wartosci;      // their values, as the engine found them
};

// The first basic model in base order with this number and relation (texts compared exactly)
// that `pasuje` accepts (it sees the result); the values are the two the engine passed.
std::optional<ModelRelacyjny> model_podstawowy(kb::Context& ctx, std::int32_t numer, std::string_view relacja,
                                               double v1, double v2,
                                               const std::function<bool(const std::string&)>& pasuje);
// The same for an extended model with exactly three arguments. Its relation is split into its
// halves later (`podziel`), since a relation with no halves fails only after the model is found.
std::optional<ModelRelacyjny> model_rozwiniety(kb::Context& ctx, std::int32_t numer, std::string_view relacja,
                                               double v1, double v2, double v3,
                                               const std::function<bool(const std::string&)>& pasuje);
// Extended: fills in the two halves; false when the text is no interval relation. Basic: true.
bool podziel(ModelRelacyjny& m);

// The relation between the argument names: "a1 > a2" or "a1 < a2 <= a3", pieces joined by `odstep`.
std::string nad_nazwami(const ModelRelacyjny& m, std::string_view odstep = " ");
// The relation between the values in the default real format, likewise.
std::string nad_wartosciami(const ModelRelacyjny& m, std::string_view odstep = " ");

// What holds instead: basic, the opposite relation between both arguments; extended, the first
// half that fails (left before right), turned round. nullopt when there is none.
std::optional<PrzeciwnaPolowa> przeciwna(const ModelRelacyjny& m);

}  // namespace explain
