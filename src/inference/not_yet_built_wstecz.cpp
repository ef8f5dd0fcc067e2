// Rules and models in backward inference come with their own files; until then they answer
// nothing, so a name is decided only by its resultant or a question. This file goes when both
// are built.
#include "inference/wstecz_modele.h"
#include "inference/wstecz_reguly.h"

namespace inference {

std::optional<double> alternatywy_regul(kb::Context&, const std::string&) { return std::nullopt; }
std::optional<double> alternatywy_modeli(kb::Context&, const std::string&) { return std::nullopt; }

}  // namespace inference
