// The alternatives of `sprawdz`, tried in order; an asking that yields no CF leaves the verdict
// to the next one.
#include "inference/sprawdz.h"

#include <algorithm>
#include <optional>

#include "inference/ocena_hipotezy.h"
#include "inference/pytaj.h"
#include "inference/wykluczajace.h"
#include "kb/listy.h"
#include "kb/stan_wnioskowania.h"

namespace inference {

namespace {

bool dopytywalny(const kb::Context& ctx, const std::string& w)
{
    const std::optional<facts::NameList> lista = ctx.db.stan.lista_warunkow_i_argumentow_dopytywalnych.first();
    return lista && std::find(lista->begin(), lista->end(), w) != lista->end();
}

// Asks the condition when it is askable and still unknown; the CF when an answer came.
std::optional<double> zapytaj_nieznany(kb::Context& ctx, const std::string& w)
{
    if (kb::ma_wypadkowa(ctx, w) || !dopytywalny(ctx, w)) return std::nullopt;
    return pytaj(ctx, w);
}

}  // namespace

bool sprawdz(kb::Context& ctx, const std::string& w)
{
    if (w == "bez_warunku") return true;
    const std::size_t niepewne = warunek_w_bazie_ograniczen_p(ctx, w).size();
    for (std::size_t i = 0; i < niepewne; ++i)
        if (std::optional<double> cf = zapytaj_nieznany(ctx, w)) return *cf > 0.0;
    const std::size_t dokladne = warunek_w_bazie_ograniczen(ctx, w).size();
    for (std::size_t i = 0; i < dokladne; ++i)
        if (std::optional<double> cf = zapytaj_nieznany(ctx, w)) return *cf > 0.0;
    if (std::optional<double> cf = zapytaj_nieznany(ctx, w)) return *cf > 0.0;
    const std::string n = kb::negacja(w);
    if (!kb::ma_wypadkowa(ctx, w) && dopytywalny(ctx, n))
        if (std::optional<double> cf = pytaj(ctx, n)) return *cf < 0.0;
    if (std::optional<double> cf = kb::wypadkowa(ctx, w)) return *cf > 0.0;
    if (!ctx.db.stan_ladowania.hipoteza.empty())
        if (std::optional<double> cf = ocena_hipotezy_cd(ctx, w)) return *cf > 0.0;
    return false;
}

bool warunek_z_bazy_ograniczen(const kb::Context& ctx, const std::string& w)
{
    return !warunek_w_bazie_ograniczen(ctx, w).empty();
}

}  // namespace inference
