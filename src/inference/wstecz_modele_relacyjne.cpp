// Backward inference over relational models: a name that is the conclusion of a relational model
// (or the negation of one) is settled by the model's relation over its argument values and the
// CF the user declares for the conclusion the model yields. The name and its counterpart are
// recorded with opposite CFs, replacing what the counterpart held, and the model as applied.
#include <optional>
#include <string>
#include <vector>

#include "explain/relacje.h"
#include "explain/wyjasnienia_modeli.h"
#include "inference/cf_reguly.h"
#include "inference/media_wnioskow.h"
#include "inference/model_w_ocenie.h"
#include "inference/oblicz.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/sprawdz.h"
#include "inference/stan_przebiegu.h"
#include "inference/wstecz.h"
#include "inference/wstecz_modele_kroki.h"
#include "kb/stan_wnioskowania.h"
#include "kb/widoki_modeli.h"

namespace inference {

namespace {

// A basic (two arguments, a relation) or an extended (three arguments, an interval relation)
// model, as these alternatives read it.
struct Kandydat {
    std::int32_t numer = 0;
    std::string warunek;
    std::string relacja;
    std::string cf;
    std::vector<std::string> argumenty;
    bool rozwiniety = false;
};

// The hypothesis H and what one alternative makes of it.
struct Alternatywa {
    std::string h;
    std::string przeciwna;  // "n" + H, or H less its "n" when H is a negation
    bool zanegowana = false;
    bool zachodzi = false;  // the relation must hold (else it must not)
    // The conclusion the model yields, whose CF the user declares: its result when the relation
    // holds, the other name of the pair when it does not.
    bool deklarowana_to_h() const { return zachodzi != zanegowana; }
    const std::string& deklarowana() const { return deklarowana_to_h() ? h : przeciwna; }
};

bool relacja_rodzaju(const Kandydat& k)
{
    return k.rozwiniety ? kb::jest_relacja_przedzialowa(k.relacja) : kb::jest_relacja(k.relacja);
}

bool relacja_zachodzi(const Kandydat& k, const std::vector<double>& v)
{
    return k.rozwiniety ? explain::relacja_r(k.relacja, v[0], v[1], v[2]) : explain::relacja(k.relacja, v[0], v[1]);
}

std::optional<std::vector<double>> wartosci(kb::Context& ctx, const Kandydat& k)
{
    std::vector<double> v;
    for (const std::string& a : k.argumenty) {
        const std::optional<double> x = oblicz(ctx, a);
        if (!x) return std::nullopt;
        v.push_back(*x);
    }
    return v;
}

// The tests of a candidate in their order; the values of its arguments when it passes them.
// A basic model's condition is evaluated first, even when its operation proves arithmetic; an
// extended model's interval relation is looked at first, except in its first alternative, where
// it comes after the condition and the checks that the hypothesis and the model are new.
std::optional<std::vector<double>> testy(kb::Context& ctx, const Alternatywa& a, const Kandydat& k)
{
    enum class Kiedy { przed_warunkiem, po_warunku, po_nowosci };
    const Kiedy kiedy = !k.rozwiniety                    ? Kiedy::po_warunku
                        : (a.zachodzi && !a.zanegowana) ? Kiedy::po_nowosci
                                                        : Kiedy::przed_warunkiem;
    if (kiedy == Kiedy::przed_warunkiem && !relacja_rodzaju(k)) return std::nullopt;
    if (!sprawdz(ctx, k.warunek)) return std::nullopt;
    if (kiedy == Kiedy::po_warunku && !relacja_rodzaju(k)) return std::nullopt;
    if (kb::ma_wypadkowa(ctx, a.h) || ctx.db.stan_ladowania.model_stosowany.contains(k.numer)) return std::nullopt;
    if (kiedy == Kiedy::po_nowosci && !relacja_rodzaju(k)) return std::nullopt;
    std::optional<std::vector<double>> v = wartosci(ctx, k);
    if (!v || relacja_zachodzi(k, *v) != a.zachodzi) return std::nullopt;
    return v;
}

// What the model's relation gives, told before the CF is asked.
bool wyjasnij_wstepnie(kb::Context& ctx, const Alternatywa& a, const Kandydat& k, const std::vector<double>& v)
{
    namespace e = explain;
    const std::int32_t n = k.numer;
    const std::string& r = k.relacja;
    if (k.rozwiniety) {
        if (!a.zanegowana)
            return a.zachodzi ? e::wyjasnienie_wstepne_model_relacyjny_r(ctx, n, a.h, r, v[0], v[1], v[2])
                              : e::wyjasnienie_negatywne_model_relacyjny_r(ctx, n, a.h, r, v[0], v[1], v[2]);
        return a.zachodzi ? e::wyjasnienie_negatywne_model_relacyjny_r_zanegowany(ctx, n, a.h, r, v[0], v[1], v[2])
                          : e::wyjasnienie_wstepne_model_relacyjny_r_zanegowany(ctx, n, a.h, r, v[0], v[1], v[2]);
    }
    if (!a.zanegowana)
        return a.zachodzi ? e::wyjasnienie_wstepne_model_relacyjny(ctx, n, a.h, v[0], r, v[1])
                          : e::wyjasnienie_negatywne_model_relacyjny(ctx, n, a.h, v[0], r, v[1]);
    return a.zachodzi ? e::wyjasnienie_negatywne_model_relacyjny_zanegowany(ctx, n, a.h, v[0], r, v[1])
                      : e::wyjasnienie_wstepne_model_relacyjny_zanegowany(ctx, n, a.h, v[0], r, v[1]);
}

// The CF the user declares for the yielded conclusion. The model's CF text goes with a relation
// that holds, and with an extended model's negated hypothesis whose interval does not hold.
double deklaruj(kb::Context& ctx, const Alternatywa& a, const Kandydat& k)
{
    const bool z_tekstem = a.zachodzi || (k.rozwiniety && a.zanegowana);
    if (z_tekstem) return wyznacz_cf(ctx, a.deklarowana(), k.cf);
    return wyznacz_cf_negatywne(ctx, a.deklarowana());
}

// Records the name's resultant in place of any it had: a name and its counterpart always stay
// opposite.
void zapisz(kb::Context& ctx, const std::string& nazwa, double cf)
{
    while (kb::usun_pierwsza_wypadkowa(ctx, nazwa)) {
    }
    kb::dodaj_wypadkowa(ctx, nazwa, cf);
}

// The application once the tests passed: the message, the explanations, the question, the
// records and the offers. nullopt when a step refuses (the model stays unapplied).
std::optional<double> zastosuj(kb::Context& ctx, const Alternatywa& a, const Kandydat& k,
                               const std::vector<double>& v)
{
    if (!komunikat(ctx, a.h)) return std::nullopt;
    if (!wyjasnij_wstepnie(ctx, a, k, v)) return std::nullopt;
    const double cf = deklaruj(ctx, a, k);
    const double cf_h = a.deklarowana_to_h() ? cf : 0.0 - cf;
    przedstawienie_faktow(ctx);
    const bool wyjasniony = k.rozwiniety ? explain::wyjasnienie_model_relacyjny_r(ctx, k.numer, a.h, cf_h)
                                         : explain::wyjasnienie_model_relacyjny(ctx, k.numer, a.h, cf_h);
    if (!wyjasniony) return std::nullopt;
    // The hypothesis is recorded first, unless it is a plain name whose relation failed.
    if (a.zanegowana || a.deklarowana_to_h()) {
        zapisz(ctx, a.h, cf_h);
        zapisz(ctx, a.przeciwna, 0.0 - cf_h);
    } else {
        zapisz(ctx, a.przeciwna, 0.0 - cf_h);
        zapisz(ctx, a.h, cf_h);
    }
    ctx.db.stan_ladowania.model_stosowany.add_last(k.numer);
    wyswietl_grafike(ctx, a.deklarowana(), cf);
    przesluchaj_melodie(ctx, a.deklarowana(), cf);
    return cf_h;
}

std::optional<double> sprobuj(kb::Context& ctx, const Alternatywa& a, const Kandydat& k)
{
    std::optional<ModelWOcenie> w_ocenie;
    if (relacja_rodzaju(k)) {
        w_ocenie.emplace(ctx, k.numer, a.zanegowana ? a.przeciwna : a.h);
        if (w_ocenie->cykl()) return std::nullopt;
    }
    const std::optional<std::vector<double>> v = testy(ctx, a, k);
    // A stop reached while the condition or the values were sought ends the work here.
    if (!v || !zrob_koniec(ctx)) return std::nullopt;
    return zastosuj(ctx, a, k, *v);
}

Kandydat kandydat(const kb::Model& m)
{
    return {m.numer, m.warunek_stosowania, m.operacja, m.cf, {m.argument1, m.argument2}, false};
}

Kandydat kandydat(const kb::ModelR& m)
{
    return {m.numer, m.warunek_stosowania, m.operacja, m.cf, m.argumenty.strings(), true};
}

bool ma_ksztalt(const kb::Model&) { return true; }
bool ma_ksztalt(const kb::ModelR& m) { return m.argumenty.size() == 3; }

// One alternative over the models of one kind whose result is the positive form of H, in base
// order. A stop met on the way ends the search.
template <class M>
std::optional<double> alternatywa(kb::Context& ctx, const facts::FactList<M>& modele, const Alternatywa& a)
{
    if (!zrob_koniec(ctx)) return std::nullopt;
    const std::string& wynik = a.zanegowana ? a.przeciwna : a.h;
    std::optional<double> cf;
    modele.each_matching([&](const M& m) { return m.wynik == wynik && ma_ksztalt(m); }, [&](const M& m) {
        if (!zrob_koniec(ctx)) return true;
        cf = sprobuj(ctx, a, kandydat(m));
        return cf.has_value();
    });
    return cf;
}

}  // namespace

std::optional<double> modele_relacyjne_wstecz(kb::Context& ctx, const std::string& h)
{
    const bool zanegowana = h.starts_with('n');
    const std::string przeciwna = zanegowana ? h.substr(1) : "n" + h;
    const kb::BazaModeli& b = ctx.db.baza_modeli;
    for (const bool zachodzi : {true, false})
        if (std::optional<double> cf = alternatywa(ctx, b.model, {h, przeciwna, zanegowana, zachodzi})) return cf;
    for (const bool zachodzi : {true, false})
        if (std::optional<double> cf = alternatywa(ctx, b.model_r, {h, przeciwna, zanegowana, zachodzi})) return cf;
    return std::nullopt;
}

}  // namespace inference
