// The two families of model alternatives of backward inference, each in a file of its own;
// wstecz_modele.cpp tries them in order.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace inference {

// The name as the result of an arithmetic model: CF 1.0 once its value is established.
std::optional<double> modele_arytmetyczne_wstecz(kb::Context& ctx, const std::string& h);

// The name as the conclusion of a relational model, or the negation of one: the CF the user
// declares for the conclusion the model yields, or its opposite.
std::optional<double> modele_relacyjne_wstecz(kb::Context& ctx, const std::string& h);

}  // namespace inference
