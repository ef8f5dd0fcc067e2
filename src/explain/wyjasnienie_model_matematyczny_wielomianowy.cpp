// The explanation of an applied polynomial arithmetic model. Until its text is written it explains
// nothing: a silent model (display flag 0) passes, any other flag refuses the model.
#include "explain/wyjasnienia_modeli.h"

namespace explain {

bool wyjasnienie_model_matematyczny_wielomianowy(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double)
{
    return ctx.db.baza_modeli.model_wielomianowy.any([&](const kb::ModelWielomianowy& m) {
        return m.numer == numer && m.wynik == wynik && m.wyswietlanie == 0;
    });
}

}  // namespace explain
