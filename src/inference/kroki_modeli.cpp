// The model steps of the forward cycle: one arithmetic model per step (basic, extended, linear,
// polynomial, in that order of preference), else one relational model (basic before extended,
// a relation that holds before one that does not). Models are taken in base order; a model that
// fails a test is passed over, and what its tests asked, computed or recorded stays.
#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "explain/listy_wartosci.h"
#include "explain/relacje.h"
#include "explain/wyjasnienia_modeli.h"
#include "inference/blad_obliczen.h"
#include "inference/cf_reguly.h"
#include "inference/kroki_w_przod.h"
#include "inference/media_wnioskow.h"
#include "inference/oblicz.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/sprawdz.h"
#include "inference/wartosc_modelu.h"
#include "inference/stan_przebiegu.h"
#include "kb/listy.h"
#include "kb/stan_wnioskowania.h"

namespace inference {

namespace {

using Wartosc = std::optional<double>;
using Wyjasnienie = bool (*)(kb::Context&, std::int32_t, const std::string&, double);

bool zastosowany(const kb::Context& ctx, std::int32_t numer)
{
    return ctx.db.stan_ladowania.model_stosowany.contains(numer);
}

// The steps an arithmetic model of any kind goes through.
template <class M>
bool zastosuj_arytmetyczny(kb::Context& ctx, const M& m)
{
    if (!cf_arytmetyczny(m.cf)) return false;
    if (!sprawdz(ctx, m.warunek_stosowania)) return false;
    if (zastosowany(ctx, m.numer) || kb::wartosc_ustalona(ctx, m.wynik)) return false;
    const Wartosc v = w_modelu(m.numer, m.wynik, [&] { return wartosc_modelu(ctx, m); });
    if (!v) return false;
    explain::przedstawienie_zmiennych(ctx);
    if (!wyjasnij_model(ctx, m, m.wynik, *v)) return false;
    kb::ustal_wartosc(ctx, m.wynik, *v);
    ctx.db.stan_ladowania.model_stosowany.add_last(m.numer);
    return true;
}

// The first model of the list that `zastosuj` applies.
template <class Model, class Zastosuj>
bool pierwszy(const facts::FactList<Model>& modele, Zastosuj&& zastosuj)
{
    bool zastosowano = false;
    modele.each([&](const Model& m) {
        zastosowano = zastosuj(m);
        return zastosowano;
    });
    return zastosowano;
}

template <class Model>
bool arytmetyczny(kb::Context& ctx, const facts::FactList<Model>& modele)
{
    return pierwszy(modele, [&](const Model& m) { return zastosuj_arytmetyczny(ctx, m); });
}

// ---- Relational models -------------------------------------------------------------------------

const std::set<std::string>& relacje()
{
    static const std::set<std::string> r{">", "==", "<", ">=", "<=", "><", "<>"};
    return r;
}

const std::set<std::string>& relacje_r()
{
    static const std::set<std::string> r{"<,<", "<=,<", "<,<=", "<=,<="};
    return r;
}

bool warunek_stosowania(const kb::Context& ctx, const std::string& warunek)
{
    const std::optional<facts::NameList> lista = ctx.db.stan.lista_warunkow_stosowania.first();
    return lista && std::find(lista->begin(), lista->end(), warunek) != lista->end();
}

// What differs between a model whose relation holds and one whose relation does not.
struct Wniosek {
    std::string nazwa;  // recorded first, with the declared CF
    double cf = 0;
};

// The CF of the conclusion, declared by the user: for the result when the relation holds,
// for its negation when it does not.
Wniosek deklaruj(kb::Context& ctx, bool zachodzi, const std::string& wynik, const std::string& cf)
{
    if (zachodzi) return {wynik, wyznacz_cf(ctx, wynik, cf)};
    const std::string przeciwny = kb::negacja(wynik);
    return {przeciwny, wyznacz_cf_negatywne(ctx, przeciwny)};
}

// Steps 10 to 16 of a relational model once its relation has been judged.
bool zastosuj_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, const std::string& cf,
                        bool zachodzi, const std::function<void()>& wyjasnij_wstepnie, Wyjasnienie wyjasnij_wniosek)
{
    wyjasnij_wstepnie();
    const Wniosek w = deklaruj(ctx, zachodzi, wynik, cf);
    const double cf_wyniku = zachodzi ? w.cf : 0.0 - w.cf;
    przedstawienie_faktow(ctx);
    if (!wyjasnij_wniosek(ctx, numer, wynik, cf_wyniku)) return false;
    kb::dodaj_wypadkowa(ctx, w.nazwa, w.cf);
    kb::dodaj_wypadkowa(ctx, kb::negacja(w.nazwa), 0.0 - w.cf);
    ctx.db.stan_ladowania.model_stosowany.add_last(numer);
    wyswietl_grafike(ctx, w.nazwa, w.cf);
    przesluchaj_melodie(ctx, w.nazwa, w.cf);
    return true;
}

// The tests before the values: the condition holds, the model is new, its result unsettled.
bool gotowy(kb::Context& ctx, std::int32_t numer, const std::string& warunek, const std::string& wynik)
{
    if (!sprawdz(ctx, warunek)) return false;
    return !zastosowany(ctx, numer) && !kb::ma_wypadkowa(ctx, wynik);
}

bool relacyjny_podstawowy(kb::Context& ctx, bool zachodzi)
{
    return pierwszy(ctx.db.baza_modeli.model, [&](const kb::Model& m) {
        if (zachodzi && !warunek_stosowania(ctx, m.warunek_stosowania)) return false;
        if (!relacje().count(m.operacja)) return false;
        if (!gotowy(ctx, m.numer, m.warunek_stosowania, m.wynik)) return false;
        const Wartosc v1 = oblicz(ctx, m.argument1);
        if (!v1) return false;
        const Wartosc v2 = oblicz(ctx, m.argument2);
        if (!v2) return false;
        if (explain::relacja(m.operacja, *v1, *v2) != zachodzi) return false;
        return zastosuj_relacyjny(ctx, m.numer, m.wynik, m.cf, zachodzi, [&] {
            if (zachodzi)
                explain::wyjasnienie_wstepne_model_relacyjny(ctx, m.numer, m.wynik, *v1, m.operacja, *v2);
            else
                explain::wyjasnienie_negatywne_model_relacyjny(ctx, m.numer, m.wynik, *v1, m.operacja, *v2);
        }, explain::wyjasnienie_model_relacyjny);
    });
}

bool relacyjny_rozwiniety(kb::Context& ctx, bool zachodzi)
{
    return pierwszy(ctx.db.baza_modeli.model_r, [&](const kb::ModelR& m) {
        if (m.argumenty.size() != 3 || !relacje_r().count(m.operacja)) return false;
        if (!gotowy(ctx, m.numer, m.warunek_stosowania, m.wynik)) return false;
        std::vector<double> v;
        for (const std::string& a : m.argumenty) {
            const Wartosc x = oblicz(ctx, a);
            if (!x) return false;
            v.push_back(*x);
        }
        if (explain::relacja_r(m.operacja, v[0], v[1], v[2]) != zachodzi) return false;
        return zastosuj_relacyjny(ctx, m.numer, m.wynik, m.cf, zachodzi, [&] {
            if (zachodzi)
                explain::wyjasnienie_wstepne_model_relacyjny_r(ctx, m.numer, m.wynik, m.operacja, v[0], v[1], v[2]);
            else
                explain::wyjasnienie_negatywne_model_relacyjny_r(ctx, m.numer, m.wynik, m.operacja, v[0], v[1], v[2]);
        }, explain::wyjasnienie_model_relacyjny_r);
    });
}

}  // namespace

Krok modele_arytmetyczne(kb::Context& ctx)
{
    if (!zrob_koniec(ctx)) return Krok::nie_dotyczy;
    const kb::BazaModeli& b = ctx.db.baza_modeli;
    if (arytmetyczny(ctx, b.model) || arytmetyczny(ctx, b.model_r) || arytmetyczny(ctx, b.model_liniowy) ||
        arytmetyczny(ctx, b.model_wielomianowy))
        return Krok::dalej;
    return Krok::nie_dotyczy;
}

Krok modele_relacyjne(kb::Context& ctx)
{
    if (!zrob_koniec(ctx)) return Krok::nie_dotyczy;
    if (relacyjny_podstawowy(ctx, true) || relacyjny_podstawowy(ctx, false) || relacyjny_rozwiniety(ctx, true) ||
        relacyjny_rozwiniety(ctx, false))
        return Krok::dalej;
    return Krok::nie_dotyczy;
}

}  // namespace inference
