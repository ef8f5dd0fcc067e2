// Stand-ins for the relational-model explanations until they are written: they explain nothing
// and let a model with display flag 0 or 1 be applied. This file goes when they come.
#include "explain/wyjasnienia_relacyjne.h"

#include "kb/bazy.h"

namespace explain {

namespace {

template <class Lista>
bool flaga_znana(const Lista& modele, std::int32_t numer)
{
    bool znana = false;
    modele.scan([&](const auto& m) {
        if (m.numer != numer) return false;
        znana = m.wyswietlanie == 0 || m.wyswietlanie == 1;
        return true;
    });
    return znana;
}

}  // namespace

bool wyjasnienie_wstepne_model_relacyjny(kb::Context&, std::int32_t, const std::string&, double, const std::string&,
                                         double)
{
    return true;
}

bool wyjasnienie_negatywne_model_relacyjny(kb::Context&, std::int32_t, const std::string&, double, const std::string&,
                                           double)
{
    return true;
}

bool wyjasnienie_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string&, double)
{
    return flaga_znana(ctx.db.baza_modeli.model, numer);
}

bool wyjasnienie_wstepne_model_relacyjny_r(kb::Context&, std::int32_t, const std::string&, const std::string&, double,
                                           double, double)
{
    return true;
}

bool wyjasnienie_negatywne_model_relacyjny_r(kb::Context&, std::int32_t, const std::string&, const std::string&,
                                             double, double, double)
{
    return true;
}

bool wyjasnienie_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string&, double)
{
    return flaga_znana(ctx.db.baza_modeli.model_r, numer);
}

}  // namespace explain
