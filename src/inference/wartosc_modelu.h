// The value of an arithmetic model of each kind: its inputs obtained in the model's own order
// (each through the value search, which may ask the user or apply another model first), then its
// operation. Shared by every engine that applies a model; nothing here tests or records the model.
#pragma once

#include <optional>

#include "kb/bazy.h"
#include "kb/context.h"

namespace inference {

// nullopt when an input has no value or the operation gives none. An arithmetic run-time error
// raises BladObliczen (inference/blad_obliczen.h).
std::optional<double> wartosc_modelu(kb::Context& ctx, const kb::Model& m);               // argument 1, argument 2
std::optional<double> wartosc_modelu(kb::Context& ctx, const kb::ModelR& m);              // arguments first to last
std::optional<double> wartosc_modelu(kb::Context& ctx, const kb::ModelLiniowy& m);        // coefficients, then arguments
std::optional<double> wartosc_modelu(kb::Context& ctx, const kb::ModelWielomianowy& m);   // coefficients, then the variable

// The explanation of the applied model of each kind (explain/wyjasnienia_modeli.h): true when
// explained or silent, false for a display flag that refuses the model.
bool wyjasnij_model(kb::Context& ctx, const kb::Model& m, const std::string& wynik, double wartosc);
bool wyjasnij_model(kb::Context& ctx, const kb::ModelR& m, const std::string& wynik, double wartosc);
bool wyjasnij_model(kb::Context& ctx, const kb::ModelLiniowy& m, const std::string& wynik, double wartosc);
bool wyjasnij_model(kb::Context& ctx, const kb::ModelWielomianowy& m, const std::string& wynik, double wartosc);

}  // namespace inference
