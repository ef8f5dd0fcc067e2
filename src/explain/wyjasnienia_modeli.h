// The explanations of applied arithmetic models, which the value search calls after it has
// computed a model's value and before it records it. Each answers true when it has explained the
// model (display flag 1) or the model works silently (display flag 0), false for any other flag,
// which refuses the model. Each lives in a file of its own.
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

}  // namespace explain
