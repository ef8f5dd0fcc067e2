// The explanation of an applied linear arithmetic model. Until its text is written it explains
// nothing: a silent model (display flag 0) passes, any other flag refuses the model.
#include "explain/wyjasnienia_modeli.h"

namespace explain {

bool wyjasnienie_model_matematyczny_liniowy(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double)
{
    return ctx.db.baza_modeli.model_liniowy.any([&](const kb::ModelLiniowy& m) {
        return m.numer == numer && m.wynik == wynik && m.wyswietlanie == 0;
    });
}

}  // namespace explain
