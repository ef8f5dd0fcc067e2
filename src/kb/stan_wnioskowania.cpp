// The record lookups and writes of an inference run over the fact lists of the run state.
// Every write of these records passes here; the lists keep store order for the listings.
#include "kb/stan_wnioskowania.h"

namespace kb {

namespace {

bool named(const NazwaWartosc& r, std::string_view nazwa) { return r.nazwa == nazwa; }

}  // namespace

// ---- Resultants ------------------------------------------------------------------------------

std::optional<double> wypadkowa(const Context& ctx, std::string_view nazwa)
{
    auto r = ctx.db.stan_ladowania.wypadkowa_prbd.first([&](const NazwaWartosc& w) { return named(w, nazwa); });
    if (!r) return std::nullopt;
    return r->wartosc;
}

bool ma_wypadkowa(const Context& ctx, std::string_view nazwa) { return wypadkowa(ctx, nazwa).has_value(); }

bool ma_dokladnie(const Context& ctx, std::string_view nazwa, double cf)
{
    return ctx.db.stan_ladowania.wypadkowa_prbd.any(
        [&](const NazwaWartosc& w) { return named(w, nazwa) && w.wartosc == cf; });
}

std::vector<double> wypadkowe(const Context& ctx, std::string_view nazwa)
{
    std::vector<double> out;
    for (const NazwaWartosc& w : ctx.db.stan_ladowania.wypadkowa_prbd.collect(
             [&](const NazwaWartosc& r) { return named(r, nazwa); }))
        out.push_back(w.wartosc);
    return out;
}

void dodaj_wypadkowa(Context& ctx, std::string_view nazwa, double cf)
{
    ctx.db.stan_ladowania.wypadkowa_prbd.add_last({std::string(nazwa), cf});
}

bool usun_pierwsza_wypadkowa(Context& ctx, std::string_view nazwa)
{
    return ctx.db.stan_ladowania.wypadkowa_prbd.remove_first([&](const NazwaWartosc& w) { return named(w, nazwa); });
}

void kasuj_wypadkowe(Context& ctx) { ctx.db.stan_ladowania.wypadkowa_prbd.remove_all(); }

// ---- Contributions ---------------------------------------------------------------------------

std::vector<double> cf_czastkowe(const Context& ctx, std::string_view wniosek)
{
    std::vector<double> out;
    for (const Prbd& p : ctx.db.stan_ladowania.prbd.collect([&](const Prbd& r) { return r.wniosek == wniosek; }))
        out.push_back(p.cf);
    return out;
}

bool jest_prbd(const Context& ctx, std::int32_t numer, std::string_view wniosek, double cf)
{
    return ctx.db.stan_ladowania.prbd.any(
        [&](const Prbd& p) { return p.numer == numer && p.wniosek == wniosek && p.cf == cf; });
}

void dodaj_prbd(Context& ctx, std::int32_t numer, std::string_view wniosek, double cf)
{
    ctx.db.stan_ladowania.prbd.add_last({numer, std::string(wniosek), cf});
}

void usun_prbd_reguly(Context& ctx, std::int32_t numer)
{
    ctx.db.stan_ladowania.prbd.remove_if([&](const Prbd& p) { return p.numer == numer; });
}

std::vector<Dysjunkt> dysjunkty(const Context& ctx, std::string_view wniosek)
{
    return ctx.db.stan_ladowania.dysjunkt.collect([&](const Dysjunkt& d) { return d.wniosek == wniosek; });
}

void dodaj_dysjunkt(Context& ctx, const Dysjunkt& d) { ctx.db.stan_ladowania.dysjunkt.add_last(d); }

void kasuj_prbd(Context& ctx)
{
    ctx.db.stan_ladowania.prbd.remove_all();
    ctx.db.stan_ladowania.dysjunkt.remove_all();
}

// ---- Established values ----------------------------------------------------------------------

std::optional<double> wartosc_ustalona(const Context& ctx, std::string_view nazwa)
{
    auto r = ctx.db.stan.zmienna_ustalona.first([&](const NazwaWartosc& w) { return named(w, nazwa); });
    if (!r) return std::nullopt;
    return r->wartosc;
}

void ustal_wartosc(Context& ctx, std::string_view nazwa, double wartosc)
{
    ctx.db.stan.zmienna_ustalona.add_last({std::string(nazwa), wartosc});
}

}  // namespace kb
