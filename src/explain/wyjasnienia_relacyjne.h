// The explanations of applied relational models, which forward and backward inference call
// around the CF the user declares for a model's conclusion: the preliminary one (the relation
// holds), the negative one (it does not, so the opposite conclusion is asked for) and the
// conclusion itself. Basic models (`model`) and extended ones (`model_r`) each have their own.
#pragma once

#include <cstdint>
#include <string>

#include "kb/context.h"

namespace explain {

// The relation of basic model `numer` holds over the values; always succeeds.
bool wyjasnienie_wstepne_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double v1,
                                         const std::string& relacja, double v2);
// It does not hold; false when there is no such model.
bool wyjasnienie_negatywne_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double v1,
                                           const std::string& relacja, double v2);
// "Stąd wynika wniosek:" with the conclusion and its CF: true when explained (display flag 1) or
// silent (0), false for any other flag.
bool wyjasnienie_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double cf);

// The same three for an extended model with an interval relation over three values.
bool wyjasnienie_wstepne_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                           const std::string& relacja, double v1, double v2, double v3);
bool wyjasnienie_negatywne_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                             const std::string& relacja, double v1, double v2, double v3);
bool wyjasnienie_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double cf);

}  // namespace explain
