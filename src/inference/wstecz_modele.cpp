// The model alternatives of backward inference in their order: arithmetic models first, then
// relational ones (basic before extended).
#include "inference/wstecz_modele.h"

#include "inference/wstecz_modele_kroki.h"

namespace inference {

std::optional<double> alternatywy_modeli(kb::Context& ctx, const std::string& nazwa)
{
    if (std::optional<double> cf = modele_arytmetyczne_wstecz(ctx, nazwa)) return cf;
    return modele_relacyjne_wstecz(ctx, nazwa);
}

}  // namespace inference
