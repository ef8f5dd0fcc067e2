// The value of a model argument, variable, coefficient or result when a run needs it: a number
// written in the model, a value established in the run, the user's answer, or the result of an
// arithmetic model applied on the spot (its own inputs first). Every value found is recorded for
// the rest of the run; each model is applied at most once per run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// nullopt when no value can be found; what was asked, written and recorded on the way stays.
// An arithmetic run-time error of a model raises BladModelu (inference/blad_obliczen.h).
std::optional<double> oblicz(kb::Context& ctx, const std::string& nazwa);

// The values of the names, evaluated from the first to the last and given last first; nullopt as
// soon as a name has none.
std::optional<std::vector<double>> wyznacz_liste(kb::Context& ctx, const facts::SList& nazwy);
std::vector<double> odwracanie_r(const std::vector<double>& lista);

// A model's CF text reads as exactly 1.0: the mark of an arithmetic model.
bool cf_arytmetyczny(const std::string& cf);

}  // namespace inference
