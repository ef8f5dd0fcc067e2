// The record lookups and writes of an inference run. The fact lists keep store order for the
// listings; the index beside them (kb/indeks_stanu.h) answers lookups by name without a scan.
// Every write of these records passes here and keeps both in step.
#include "kb/stan_wnioskowania.h"

#include <algorithm>
#include <unordered_set>

namespace kb {

namespace {

using Indeks = IndeksStanu;

// Marks the part as mirroring the list after an accessor changed both alike.
template <class Rekord, class Fakt>
Indeks::Czesc<Rekord>& zgodna(Indeks::Czesc<Rekord>& czesc, const FactList<Fakt>& lista)
{
    czesc.zmiany = lista.changes();
    czesc.ile = lista.size();
    return czesc;
}

// The part of the index for one list, built anew when it no longer mirrors the list.
template <class Rekord, class Fakt, class Klucz, class Wartosc>
Indeks::Czesc<Rekord>& aktualna(Indeks::Czesc<Rekord>& czesc, const FactList<Fakt>& lista, Klucz klucz,
                                Wartosc wartosc)
{
    if (czesc.zbudowana && czesc.zmiany == lista.changes() && czesc.ile == lista.size()) return czesc;
    czesc.po_nazwie.clear();
    lista.scan([&](const Fakt& f) { czesc.po_nazwie[std::string(klucz(f))].push_back(wartosc(f)); });
    czesc.zbudowana = true;
    return zgodna(czesc, lista);
}


template <class Rekord>
const std::vector<Rekord>* rekordy(const Indeks::Czesc<Rekord>& czesc, std::string_view nazwa)
{
    auto it = czesc.po_nazwie.find(std::string(nazwa));
    if (it == czesc.po_nazwie.end() || it->second.empty()) return nullptr;
    return &it->second;
}

bool odzwierciedla(const Indeks::Czesc<double>& czesc, const FactList<NazwaWartosc>& lista)
{
    return czesc.zbudowana && czesc.zmiany == lista.changes() && czesc.ile == lista.size();
}

// A resultant list changed beside the accessors still tells the engines waiting for names which
// names got their first resultant: the names the rebuilt index holds and the old one did not, in
// list order.
void zapisz_nowe_nazwy(const StanLadowania& s, const std::unordered_set<std::string>& byly)
{
    std::unordered_set<std::string> zapisane;
    s.wypadkowa_prbd.scan([&](const NazwaWartosc& w) {
        if (!byly.contains(w.nazwa) && zapisane.insert(w.nazwa).second) s.indeks.nowe_wypadkowe.push_back(w.nazwa);
    });
}

Indeks::Czesc<double>& wypadkowe_idx(const Context& ctx)
{
    const StanLadowania& s = ctx.db.stan_ladowania;
    if (odzwierciedla(s.indeks.wypadkowe, s.wypadkowa_prbd)) return s.indeks.wypadkowe;
    std::unordered_set<std::string> byly;
    for (const auto& [nazwa, rekordy] : s.indeks.wypadkowe.po_nazwie)
        if (!rekordy.empty()) byly.insert(nazwa);
    auto& czesc = aktualna(s.indeks.wypadkowe, s.wypadkowa_prbd,
                           [](const NazwaWartosc& w) -> const std::string& { return w.nazwa; },
                           [](const NazwaWartosc& w) { return w.wartosc; });
    zapisz_nowe_nazwy(s, byly);
    return czesc;
}

Indeks::Czesc<Indeks::Wklad>& prbd_idx(const Context& ctx)
{
    const StanLadowania& s = ctx.db.stan_ladowania;
    return aktualna(s.indeks.prbd, s.prbd, [](const Prbd& p) -> const std::string& { return p.wniosek; },
                    [](const Prbd& p) { return Indeks::Wklad{p.numer, p.cf}; });
}

Indeks::Czesc<Indeks::Rozlaczny>& dysjunkty_idx(const Context& ctx)
{
    const StanLadowania& s = ctx.db.stan_ladowania;
    return aktualna(s.indeks.dysjunkty, s.dysjunkt, [](const Dysjunkt& d) -> const std::string& { return d.wniosek; },
                    [](const Dysjunkt& d) { return Indeks::Rozlaczny{d.cf_warunkow, d.cf}; });
}

Indeks::Czesc<double>& ustalone_idx(const Context& ctx)
{
    return aktualna(ctx.db.stan_ladowania.indeks.ustalone, ctx.db.stan.zmienna_ustalona,
                    [](const NazwaWartosc& w) -> const std::string& { return w.nazwa; },
                    [](const NazwaWartosc& w) { return w.wartosc; });
}

bool named(const NazwaWartosc& r, std::string_view nazwa) { return r.nazwa == nazwa; }

}  // namespace

// ---- Resultants ------------------------------------------------------------------------------

std::optional<double> wypadkowa(const Context& ctx, std::string_view nazwa)
{
    const std::vector<double>* r = rekordy(wypadkowe_idx(ctx), nazwa);
    if (!r) return std::nullopt;
    return r->front();
}

bool ma_wypadkowa(const Context& ctx, std::string_view nazwa) { return rekordy(wypadkowe_idx(ctx), nazwa) != nullptr; }

bool ma_dokladnie(const Context& ctx, std::string_view nazwa, double cf)
{
    const std::vector<double>* r = rekordy(wypadkowe_idx(ctx), nazwa);
    return r && std::find(r->begin(), r->end(), cf) != r->end();
}

std::vector<double> wypadkowe(const Context& ctx, std::string_view nazwa)
{
    const std::vector<double>* r = rekordy(wypadkowe_idx(ctx), nazwa);
    return r ? *r : std::vector<double>{};
}

void dodaj_wypadkowa(Context& ctx, std::string_view nazwa, double cf)
{
    auto& idx = wypadkowe_idx(ctx);
    ctx.db.stan_ladowania.wypadkowa_prbd.add_last({std::string(nazwa), cf});
    std::vector<double>& rekordy_nazwy = idx.po_nazwie[std::string(nazwa)];
    if (rekordy_nazwy.empty()) ctx.db.stan_ladowania.indeks.nowe_wypadkowe.emplace_back(nazwa);
    rekordy_nazwy.push_back(cf);
    zgodna(idx, ctx.db.stan_ladowania.wypadkowa_prbd);
}

std::vector<std::string> odbierz_nowe_wypadkowe(Context& ctx)
{
    std::vector<std::string> nowe;
    nowe.swap(ctx.db.stan_ladowania.indeks.nowe_wypadkowe);
    return nowe;
}

bool usun_pierwsza_wypadkowa(Context& ctx, std::string_view nazwa)
{
    auto& idx = wypadkowe_idx(ctx);
    auto it = idx.po_nazwie.find(std::string(nazwa));
    if (it == idx.po_nazwie.end() || it->second.empty()) return false;
    ctx.db.stan_ladowania.wypadkowa_prbd.remove_first([&](const NazwaWartosc& w) { return named(w, nazwa); });
    it->second.erase(it->second.begin());
    zgodna(idx, ctx.db.stan_ladowania.wypadkowa_prbd);
    return true;
}

void kasuj_wypadkowe(Context& ctx)
{
    ctx.db.stan_ladowania.wypadkowa_prbd.remove_all();
    ctx.db.stan_ladowania.indeks.wypadkowe = {};
}

// ---- Contributions ---------------------------------------------------------------------------

std::vector<double> cf_czastkowe(const Context& ctx, std::string_view wniosek)
{
    std::vector<double> out;
    if (const auto* r = rekordy(prbd_idx(ctx), wniosek))
        for (const Indeks::Wklad& w : *r) out.push_back(w.cf);
    return out;
}

bool jest_prbd(const Context& ctx, std::int32_t numer, std::string_view wniosek, double cf)
{
    const auto* r = rekordy(prbd_idx(ctx), wniosek);
    return r && std::any_of(r->begin(), r->end(), [&](const Indeks::Wklad& w) { return w.numer == numer && w.cf == cf; });
}

void dodaj_prbd(Context& ctx, std::int32_t numer, std::string_view wniosek, double cf)
{
    auto& idx = prbd_idx(ctx);
    ctx.db.stan_ladowania.prbd.add_last({numer, std::string(wniosek), cf});
    idx.po_nazwie[std::string(wniosek)].push_back({numer, cf});
    zgodna(idx, ctx.db.stan_ladowania.prbd);
}

void dodaj_prbd_na_poczatku(Context& ctx, std::int32_t numer, std::string_view wniosek, double cf)
{
    auto& idx = prbd_idx(ctx);
    ctx.db.stan_ladowania.prbd.add_first({numer, std::string(wniosek), cf});
    auto& wklady = idx.po_nazwie[std::string(wniosek)];
    wklady.insert(wklady.begin(), {numer, cf});
    zgodna(idx, ctx.db.stan_ladowania.prbd);
}

void usun_prbd_reguly(Context& ctx, std::int32_t numer)
{
    auto& idx = prbd_idx(ctx);
    ctx.db.stan_ladowania.prbd.each_matching([&](const Prbd& p) { return p.numer == numer; },
                                             [&](const Prbd& p) {
                                                 auto& wklady = idx.po_nazwie[p.wniosek];
                                                 std::erase_if(wklady, [&](const Indeks::Wklad& w) { return w.numer == numer; });
                                             });
    ctx.db.stan_ladowania.prbd.remove_if([&](const Prbd& p) { return p.numer == numer; });
    zgodna(idx, ctx.db.stan_ladowania.prbd);
}

std::vector<Dysjunkt> dysjunkty(const Context& ctx, std::string_view wniosek)
{
    std::vector<Dysjunkt> out;
    if (const auto* r = rekordy(dysjunkty_idx(ctx), wniosek))
        for (const Indeks::Rozlaczny& d : *r) out.push_back({std::string(wniosek), d.cf_warunkow, d.cf});
    return out;
}

void dodaj_dysjunkt(Context& ctx, const Dysjunkt& d)
{
    auto& idx = dysjunkty_idx(ctx);
    ctx.db.stan_ladowania.dysjunkt.add_last(d);
    idx.po_nazwie[d.wniosek].push_back({d.cf_warunkow, d.cf});
    zgodna(idx, ctx.db.stan_ladowania.dysjunkt);
}

void kasuj_prbd(Context& ctx)
{
    ctx.db.stan_ladowania.prbd.remove_all();
    ctx.db.stan_ladowania.dysjunkt.remove_all();
    ctx.db.stan_ladowania.indeks.prbd = {};
    ctx.db.stan_ladowania.indeks.dysjunkty = {};
}

// ---- Established values ----------------------------------------------------------------------

std::optional<double> wartosc_ustalona(const Context& ctx, std::string_view nazwa)
{
    const std::vector<double>* r = rekordy(ustalone_idx(ctx), nazwa);
    if (!r) return std::nullopt;
    return r->front();
}

void ustal_wartosc(Context& ctx, std::string_view nazwa, double wartosc)
{
    auto& idx = ustalone_idx(ctx);
    ctx.db.stan.zmienna_ustalona.add_last({std::string(nazwa), wartosc});
    idx.po_nazwie[std::string(nazwa)].push_back(wartosc);
    zgodna(idx, ctx.db.stan.zmienna_ustalona);
}

}  // namespace kb
