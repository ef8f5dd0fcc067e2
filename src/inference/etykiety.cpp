// The labels of a run and the presence tests of the loaded bases.
#include "inference/etykiety.h"

#include "kb/widoki_modeli.h"
#include "platform/toolkit.h"

namespace inference {

void generuj_etykiety(kb::Context& ctx)
{
    if (ctx.ui.question("Tworzenie etykiet", "Zachować etykiety wnioskowania?", {"&TAK", "&NIE"}) == 0)
        generuj_etykiety_dalej(ctx);
}

void generuj_etykiety_dalej(kb::Context& ctx)
{
    for (;;) {
        const std::optional<std::string> etykieta = ctx.ui.prompt("Tworzenie etykiety", "Pisz etykietę:", "");
        if (!etykieta) continue;  // the prompt comes again: a label is typed or the next one declined
        ctx.db.stan_ladowania.etykieta.add_last(*etykieta);
        if (ctx.ui.question("Następna etykieta?", "", {"&TAK", "&NIE"}) != 0) return;
    }
}

namespace {

std::string pierwsza(const facts::FactList<std::string>& nazwy) { return nazwy.first().value_or(""); }

}  // namespace

std::string jest_baza_mo(const kb::Context& ctx) { return pierwsza(ctx.db.stan.nazwa_mo); }
std::string jest_baza_og(const kb::Context& ctx) { return pierwsza(ctx.db.baza_ograniczen.nazwa_og); }
std::string jest_baza_op(const kb::Context& ctx) { return pierwsza(ctx.db.baza_ograniczen_p.nazwa_op); }
std::string jest_baza_ra(const kb::Context& ctx) { return pierwsza(ctx.db.stan.nazwa_ra); }
std::string jest_baza_gr(const kb::Context& ctx) { return pierwsza(ctx.db.stan.nazwa_gr); }
std::string jest_baza_me(const kb::Context& ctx) { return pierwsza(ctx.db.stan.nazwa_me); }

bool jest_fakt(const kb::Context& ctx) { return !ctx.db.baza_regul.fakt.empty(); }
bool jest_m_fakt(const kb::Context& ctx) { return !ctx.db.baza_modeli.m_fakt.empty(); }
bool jest_argument_znany(const kb::Context& ctx) { return !ctx.db.baza_modeli.argument_znany.empty(); }

std::optional<std::int32_t> jest_model_relacyjny(const kb::Context& ctx, const std::string& wynik)
{
    if (auto m = ctx.db.baza_modeli.model.first(
            [&](const kb::Model& x) { return x.wynik == wynik && kb::jest_relacja(x.operacja); }))
        return m->numer;
    if (auto m = ctx.db.baza_modeli.model_r.first(
            [&](const kb::ModelR& x) { return x.wynik == wynik && kb::jest_relacja_przedzialowa(x.operacja); }))
        return m->numer;
    return std::nullopt;
}

}  // namespace inference
