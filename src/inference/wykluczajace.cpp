// Recording answers and given facts against the constraint bases: the rules of `pamietaj` and
// of `uzupelnienie_wykluczajacych` in the order they are tried, and the membership tests.
// Every CF recorded for a condition is recorded for its negation as well (zapisz_warunek).
#include "inference/wykluczajace.h"

#include "inference/pozostale.h"
#include "inference/wypadkowe.h"
#include "kb/listy.h"
#include "kb/stan_wnioskowania.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace inference {

namespace {

using facts::SList;

std::vector<SList> listy_z(const facts::FactList<kb::Ograniczenie>& ograniczenia, const std::string& w)
{
    std::vector<SList> out;
    ograniczenia.each([&](const kb::Ograniczenie& o) {
        if (kb::element(w, o.warunki)) out.push_back(o.warunki);
    });
    return out;
}

// The other member of a two-member list holding w; none when w stands there twice.
std::optional<std::string> partner(const SList& lista, const std::string& w)
{
    if (!ograniczenie_dychotomiczne(lista)) return std::nullopt;
    if (lista[0] == w && lista[1] != w) return lista[1];
    if (lista[1] == w && lista[0] != w) return lista[0];
    return std::nullopt;
}

// The partner in the first two-member list (base order) for which `warunek` holds.
template <class Warunek>
std::optional<std::string> pierwszy_partner(const std::vector<SList>& listy, const std::string& w, Warunek warunek)
{
    for (const SList& l : listy)
        if (std::optional<std::string> x = partner(l, w); x && warunek(*x)) return x;
    return std::nullopt;
}

bool dokladna_zaladowana(const kb::Context& ctx) { return !ctx.db.baza_ograniczen.nazwa_og.empty(); }
bool niepewna_zaladowana(const kb::Context& ctx) { return !ctx.db.baza_ograniczen_p.nazwa_op.empty(); }

void ustaw_liste_bez_warunku(kb::Context& ctx, const SList& lista)
{
    ctx.db.stan_ladowania.lista_bez_warunku.set(lista);
}

// The uncertain questioning after w got its CF in the uncertain constraint list.
void dopytaj_niepewne(kb::Context& ctx, const SList& lista)
{
    const Zadeklarowane znane = wyznacz_zadeklarowane_p(ctx, lista);
    pamietaj_warunki_pozostale_p(ctx, znane.nazwy, znane.cf, kb::roznica_zbiorow(lista, znane.nazwy));
}

// The answer -1 in an exact constraint: when another member already holds 1 the answer agrees
// with it and the members without a resultant are -1 too; otherwise the others are asked.
bool minus_jeden_w_dokladnym(kb::Context& ctx, const std::string& w, const SList& lista)
{
    const SList reszta = kb::usun(w, lista);
    for (const std::string& x : reszta)
        if (kb::ma_dokladnie(ctx, x, 1.0)) {
            zapisz_warunek(ctx, w, -1.0);
            szukaj_w_liscie(ctx, w, lista);
            return true;
        }
    ustaw_liste_bez_warunku(ctx, reszta);
    return pamietaj_warunki_pozostale(ctx, w, 1.0);
}

// Rules 11 and 12: no base of one kind to keep in step with.
bool bez_bazy(kb::Context& ctx, const std::string& w, double v)
{
    kb::dodaj_wypadkowa(ctx, w, v);
    const std::string nw = kb::negacja(w);
    const double minus_v = 0.0 - v;
    if (kb::ma_dokladnie(ctx, nw, minus_v)) return true;  // already in step: nothing to add
    kb::dodaj_wypadkowa(ctx, nw, minus_v);
    ctx.ui.write(nw + "  " + text::real_to_text(minus_v));
    ctx.ui.write("\n");
    return true;
}

// Rules 1 to 5 and 7 to 12, which need w without a resultant; nullopt when none acts.
std::optional<bool> nowa_odpowiedz(kb::Context& ctx, const std::string& w, double v)
{
    const std::vector<SList> dokladne = warunek_w_bazie_ograniczen(ctx, w);
    const std::vector<SList> niepewne = warunek_w_bazie_ograniczen_p(ctx, w);
    auto wszystko = [](const std::string&) { return true; };
    auto bez_wypadkowej = [&](const std::string& x) { return !kb::ma_wypadkowa(ctx, x); };

    if (v == 1.0)
        if (auto x = pierwszy_partner(dokladne, w, wszystko)) {
            zapisz_warunek(ctx, w, 1.0);
            zapisz_warunek(ctx, *x, -1.0);
            return true;
        }
    if (v == -1.0)
        if (auto x = pierwszy_partner(dokladne, w, bez_wypadkowej)) {
            zapisz_warunek(ctx, w, -1.0);
            zapisz_warunek(ctx, *x, 1.0);
            return true;
        }
    if (v >= 0.0)
        if (auto x = pierwszy_partner(niepewne, w, wszystko)) {
            zapisz_warunek(ctx, w, v);
            zapisz_warunek(ctx, *x, 0.0 - v);
            return true;
        }
    if (v < 0.0)
        if (auto x = pierwszy_partner(niepewne, w, bez_wypadkowej)) {
            zapisz_warunek(ctx, w, v);
            zapisz_warunek(ctx, *x, 0.0 - v);
            return true;
        }
    if (v == 1.0 && !dokladne.empty()) {
        zapisz_warunek(ctx, w, 1.0);
        ustaw_liste_bez_warunku(ctx, kb::usun(w, dokladne.front()));
        pamietaj_warunki_pozostale(ctx, w, -1.0);
        return true;
    }
    return std::nullopt;
}

std::optional<bool> dalsze_reguly(kb::Context& ctx, const std::string& w, double v)
{
    const std::vector<SList> dokladne = warunek_w_bazie_ograniczen(ctx, w);
    const std::vector<SList> niepewne = warunek_w_bazie_ograniczen_p(ctx, w);
    if (v == -1.0 && !dokladne.empty()) return minus_jeden_w_dokladnym(ctx, w, dokladne.front());
    if (v > -1.0 && v < 1.0 && !niepewne.empty()) {
        zapisz_warunek(ctx, w, v);
        dopytaj_niepewne(ctx, niepewne.front());
        return true;
    }
    // A loaded base none of whose constraints holds w has nothing to complete.
    if ((niepewna_zaladowana(ctx) && niepewne.empty()) || (dokladna_zaladowana(ctx) && dokladne.empty())) {
        zapisz_warunek(ctx, w, v);
        return true;
    }
    if (!dokladna_zaladowana(ctx) || !niepewna_zaladowana(ctx)) return bez_bazy(ctx, w, v);
    return std::nullopt;
}

}  // namespace

bool ograniczenie_dychotomiczne(const SList& lista) { return lista.size() == 2; }

std::vector<SList> warunek_w_bazie_ograniczen(const kb::Context& ctx, const std::string& w)
{
    return listy_z(ctx.db.baza_ograniczen.ograniczenie, w);
}

std::vector<SList> warunek_w_bazie_ograniczen_p(const kb::Context& ctx, const std::string& w)
{
    return listy_z(ctx.db.baza_ograniczen_p.ograniczenie_n, w);
}

std::vector<SList> zanegowany_warunek_w_bazie_ograniczen(const kb::Context& ctx, const std::string& w)
{
    return listy_z(ctx.db.baza_ograniczen.ograniczenie, kb::negacja(w));
}

std::optional<SList> ogolna_lista_dopytywalnych(const kb::Context& ctx)
{
    if (auto l = ctx.db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.first()) return l->strings();
    if (auto l = ctx.db.stan.lista_warunkow_dopytywalnych.first()) return l->strings();
    return std::nullopt;
}

bool pamietaj(kb::Context& ctx, const std::string& w, double v)
{
    if (!kb::ma_wypadkowa(ctx, w))
        if (std::optional<bool> r = nowa_odpowiedz(ctx, w, v)) return *r;
    if (v == 1.0 && kb::ma_dokladnie(ctx, w, 1.0)) return true;
    if (!kb::ma_wypadkowa(ctx, w))
        if (std::optional<bool> r = dalsze_reguly(ctx, w, v)) return *r;
    return false;
}

bool szukaj_w_liscie(kb::Context& ctx, const std::string& w, const SList& lista)
{
    const SList reszta = kb::usun(w, lista);
    for (const std::string& x : reszta) {
        if (!kb::ma_dokladnie(ctx, x, 1.0)) continue;
        SList bez_wypadkowej;
        for (const std::string& y : reszta)
            if (y != x && !kb::ma_wypadkowa(ctx, y)) bez_wypadkowej.push_back(y);
        ustaw_liste_bez_warunku(ctx, bez_wypadkowej);
        pamietaj_warunki_pozostale(ctx, x, -1.0);
        return true;
    }
    return false;
}

namespace {

std::optional<bool> uzupelnij_czlonkow(kb::Context& ctx, const std::string& w, double v)
{
    const std::vector<SList> dokladne = warunek_w_bazie_ograniczen(ctx, w);
    auto nie_trzyma = [&](double c) { return [&ctx, c](const std::string& x) { return !kb::ma_dokladnie(ctx, x, c); }; };
    const SList* wieksze = nullptr;
    for (const SList& l : dokladne)
        if (!ograniczenie_dychotomiczne(l)) {
            wieksze = &l;
            break;
        }
    if (v == 1.0)
        if (auto x = pierwszy_partner(dokladne, w, nie_trzyma(-1.0))) {
            zapisz_warunek(ctx, *x, -1.0);
            return true;
        }
    if (v == 1.0 && wieksze) {
        ustaw_liste_bez_warunku(ctx, kb::usun(w, *wieksze));
        pamietaj_warunki_pozostale(ctx, w, -1.0);
        ctx.db.stan_ladowania.lista_bez_warunku.remove_all();
        return true;
    }
    if (v == -1.0 && wieksze) return szukaj_w_liscie(ctx, w, *wieksze);
    if (v == -1.0)
        if (auto x = pierwszy_partner(dokladne, w, nie_trzyma(1.0))) {
            zapisz_warunek(ctx, *x, 1.0);
            return true;
        }
    const std::vector<SList> niepewne = warunek_w_bazie_ograniczen_p(ctx, w);
    if (!niepewne.empty()) {
        dopytaj_niepewne(ctx, niepewne.front());
        return true;
    }
    return std::nullopt;
}

}  // namespace

bool uzupelnienie_wykluczajacych(kb::Context& ctx, const std::string& w, double v)
{
    if (!(v >= -1.0 && v <= 1.0)) return false;
    const std::string nw = kb::negacja(w);
    if (std::optional<bool> r = uzupelnij_czlonkow(ctx, w, v)) {
        if (!kb::ma_wypadkowa(ctx, nw)) kb::dodaj_wypadkowa(ctx, nw, 0.0 - v);
        return *r;
    }
    kb::dodaj_wypadkowa(ctx, nw, 0.0 - v);
    return true;
}

void uzupelnienie_wykluczajacych_faktow(kb::Context& ctx, const facts::FactList<kb::Fakt>& fakty)
{
    fakty.each([&](const kb::Fakt& f) {
        const std::optional<double> cf = text::text_to_real(f.cf);
        if (!cf) return;
        for (double zapisany : kb::wypadkowe(ctx, f.warunek))
            if (zapisany == *cf) uzupelnienie_wykluczajacych(ctx, f.warunek, *cf);
    });
}

}  // namespace inference
