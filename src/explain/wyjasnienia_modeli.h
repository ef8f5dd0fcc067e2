// The explanations of applied models, which the engines and the value search call. Each writes
// its lines to the auxiliary window and the report text and shows them in the step dialog; none
// records anything. Each lives in a file of its own.
//
// Arithmetic models: called after the model's value was computed and before it is recorded.
// True when the model was explained (display flag 1) or works silently (display flag 0); false
// for any other flag, which refuses the model.
#pragma once

#include <cstdint>
#include <string>

#include "kb/context.h"

namespace explain {

// A basic model (`model`) with this number and result.
bool wyjasnienie_model_matematyczny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double wartosc);
// An extended model (`model_r`).
bool wyjasnienie_model_matematyczny_2(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double wartosc);
// A linear model (`model_liniowy`).
bool wyjasnienie_model_matematyczny_liniowy(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                            double wartosc);
// A polynomial model (`model_wielomianowy`).
bool wyjasnienie_model_matematyczny_wielomianowy(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                                 double wartosc);

// Relational models. A basic one (`model`) is found by its number and relation (">", "<", ">=",
// "<=", "==", "><", "<>"), an extended one (`model_r`) by its number, interval relation ("<,<",
// "<=,<", "<,<=", "<=,<=") and three arguments; v1, v2 (, v3) are the values the engine found for
// its arguments in order. These explain the relation's outcome whatever the display flag, and
// end by asking for a CF; the engine settles it, then calls the conclusion line below.

// The relation holds and the model's result `wynik` follows. True also when no such model exists
// (nothing is said); the extended one is false for a text that is no interval relation.
bool wyjasnienie_wstepne_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double v1,
                                         const std::string& relacja, double v2);
bool wyjasnienie_wstepne_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                           const std::string& relacja, double v1, double v2, double v3);

// The relation does not hold: the opposite conclusion ("n" + `wynik`, or `wynik` less its "n")
// and the opposite relation. False when no such model exists or no opposite relation does.
bool wyjasnienie_negatywne_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double v1,
                                           const std::string& relacja, double v2);
bool wyjasnienie_negatywne_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                             const std::string& relacja, double v1, double v2, double v3);

// Backward inference, the hypothesis being the negation of the model's result; the relation
// holds, so the model's own result follows. False when no model with that number and relation
// has a result that forms a negation pair with `hipoteza`.
bool wyjasnienie_negatywne_model_relacyjny_zanegowany(kb::Context& ctx, std::int32_t numer,
                                                      const std::string& hipoteza, double v1,
                                                      const std::string& relacja, double v2);
bool wyjasnienie_negatywne_model_relacyjny_r_zanegowany(kb::Context& ctx, std::int32_t numer,
                                                        const std::string& hipoteza, const std::string& relacja,
                                                        double v1, double v2, double v3);

// Backward inference, the hypothesis being the negation of the model's result; the relation does
// not hold, so the hypothesis is the conclusion whose CF is to be settled. True when no model has
// that number and relation (nothing is said); false when its result and the hypothesis are no
// negation pair, or no opposite relation exists.
bool wyjasnienie_wstepne_model_relacyjny_zanegowany(kb::Context& ctx, std::int32_t numer, const std::string& hipoteza,
                                                    double v1, const std::string& relacja, double v2);
bool wyjasnienie_wstepne_model_relacyjny_r_zanegowany(kb::Context& ctx, std::int32_t numer,
                                                      const std::string& hipoteza, const std::string& relacja,
                                                      double v1, double v2, double v3);

// The conclusion of a relational model (its result, or the hypothesis under test) with the CF
// the engine settled, for a model found by number alone: explained for display flag 1, silent
// for 0, false for any other flag or no such model.
bool wyjasnienie_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wniosek, double cf);
bool wyjasnienie_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string& wniosek, double cf);

}  // namespace explain
