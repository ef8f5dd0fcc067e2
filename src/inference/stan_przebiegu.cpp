// The rule-number lists, the applied marks and the stop test over the run state.
#include "inference/stan_przebiegu.h"

#include <algorithm>
#include <optional>
#include <string>

#include "kb/listy.h"
#include "kb/stan_wnioskowania.h"
#include "platform/toolkit.h"

namespace inference {

namespace {

bool redukuj(facts::FactList<kb::ListaNumerowRegul>& listy, std::int32_t numer, std::string_view wniosek)
{
    auto jego = [&](const kb::ListaNumerowRegul& l) { return l.wniosek == wniosek; };
    const std::optional<kb::ListaNumerowRegul> lista = listy.first(jego);
    if (!lista) return false;
    std::optional<facts::IList> krotsza = kb::usun_jeden(numer, lista->numery);
    if (!krotsza) return false;
    listy.remove_first_equal(*lista);
    listy.add_last({lista->wniosek, std::move(*krotsza)});
    return true;
}

std::optional<facts::IList> lista_regul(const facts::FactList<kb::ListaNumerowRegul>& listy, std::string_view wniosek)
{
    const std::optional<kb::ListaNumerowRegul> l =
        listy.first([&](const kb::ListaNumerowRegul& f) { return f.wniosek == wniosek; });
    if (!l) return std::nullopt;
    return l->numery;
}

}  // namespace

std::optional<facts::IList> lista_regul_kumulatywnych(const kb::Context& ctx, std::string_view wniosek)
{
    return lista_regul(ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych, wniosek);
}

std::optional<facts::IList> lista_regul_dysjunktywnych(const kb::Context& ctx, std::string_view wniosek)
{
    return lista_regul(ctx.db.stan_ladowania.lista_numerow_regul_dysjunktywnych, wniosek);
}

bool redukuj_liste_regul_kumulatywnych(kb::Context& ctx, std::int32_t numer, std::string_view wniosek)
{
    return redukuj(ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych, numer, wniosek);
}

bool redukuj_liste_regul_dysjunktywnych(kb::Context& ctx, std::int32_t numer, std::string_view wniosek)
{
    return redukuj(ctx.db.stan_ladowania.lista_numerow_regul_dysjunktywnych, numer, wniosek);
}

void skasuj_zastosowane_reguly(kb::Context& ctx, std::int32_t numer, std::string_view wniosek, double cf)
{
    if (kb::jest_prbd(ctx, numer, wniosek, cf)) return;
    ctx.db.baza_regul.regula.each([&](const kb::Regula& r) {
        if (std::find(r.warunki.begin(), r.warunki.end(), wniosek) == r.warunki.end()) return;
        ctx.db.stan_ladowania.regula_zastosowana.remove_if([&](std::int32_t n) { return n == r.numer; });
    });
}

bool zrob_koniec(const kb::Context& ctx)
{
    for (double cf : kb::cf_czastkowe(ctx, "koniec"))
        if (cf >= 0.0) return false;
    return true;
}

void komunikat_stopu(kb::Context& ctx)
{
    constexpr const char* kStop = "Reguła z wnioskiem 'koniec' kończy wnioskowanie.";
    ctx.ui.write(kStop);
    ctx.ui.note("Uwaga - koniec!", kStop);
}

}  // namespace inference
