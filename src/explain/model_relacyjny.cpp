// Looking a relational model up for its explanation, and saying its relation in words.
#include "explain/model_relacyjny.h"

#include "explain/ramka.h"
#include "explain/wiersze.h"

namespace explain {

std::optional<ModelRelacyjny> model_podstawowy(kb::Context& ctx, std::int32_t numer, std::string_view relacja,
                                               double v1, double v2,
                                               const std::function<bool(const std::string&)>& pasuje)
{
    const std::optional<kb::Model> m = ctx.db.baza_modeli.model.first([&](const kb::Model& x) {
        return x.numer == numer && x.operacja == relacja && pasuje(x.wynik);
    });
    if (!m) return std::nullopt;
    return ModelRelacyjny{false,        numer_tekstem(m->numer), m->warunek_stosowania, m->wynik, m->cf,
                          m->operacja, {m->operacja},            {m->argument1, m->argument2}, {v1, v2}};
}

std::optional<ModelRelacyjny> model_rozwiniety(kb::Context& ctx, std::int32_t numer, std::string_view relacja,
                                               double v1, double v2, double v3,
                                               const std::function<bool(const std::string&)>& pasuje)
{
    const std::optional<kb::ModelR> m = ctx.db.baza_modeli.model_r.first([&](const kb::ModelR& x) {
        return x.numer == numer && x.operacja == relacja && x.argumenty.size() == 3 && pasuje(x.wynik);
    });
    if (!m) return std::nullopt;
    return ModelRelacyjny{true, numer_tekstem(m->numer), m->warunek_stosowania, m->wynik, m->cf, m->operacja,
                          {},   m->argumenty.strings(), {v1, v2, v3}};
}

bool podziel(ModelRelacyjny& m)
{
    if (!m.rozwiniety) return true;
    const auto polowy = wyznacz_parametry_relacji(m.relacja);
    if (!polowy) return false;
    m.relacje = {polowy->first, polowy->second};
    return true;
}

namespace {

std::string przeplot(const std::vector<std::string>& wyrazy, const std::vector<std::string>& relacje,
                     std::string_view odstep)
{
    std::string out = wyrazy.front();
    for (std::size_t i = 0; i < relacje.size() && i + 1 < wyrazy.size(); ++i) {
        out += odstep;
        out += relacje[i];
        out += odstep;
        out += wyrazy[i + 1];
    }
    return out;
}

}  // namespace

std::string nad_nazwami(const ModelRelacyjny& m, std::string_view odstep)
{
    return przeplot(m.nazwy, m.relacje, odstep);
}

std::string nad_wartosciami(const ModelRelacyjny& m, std::string_view odstep)
{
    std::vector<std::string> teksty;
    for (double v : m.wartosci) teksty.push_back(sprv(v));
    return przeplot(teksty, m.relacje, odstep);
}

std::optional<PrzeciwnaPolowa> przeciwna(const ModelRelacyjny& m)
{
    if (m.rozwiniety) {
        const std::vector<PrzeciwnaPolowa> polowy = relacja_przeciwna_r(
            m.relacja, m.wartosci[0], m.nazwy[0], m.wartosci[1], m.nazwy[1], m.wartosci[2], m.nazwy[2]);
        if (polowy.empty()) return std::nullopt;
        return polowy.front();
    }
    const std::optional<std::string> opp = relacja_przeciwna(m.relacja);
    if (!opp) return std::nullopt;
    return PrzeciwnaPolowa{m.wartosci[0], *opp, m.wartosci[1], m.nazwy[0], m.nazwy[1]};
}

}  // namespace explain
