// The remaining members of a constraint: setting them, the exact questioning and the uncertain
// questioning, with their texts for the window, the report and the step dialog.
#include "inference/pozostale.h"

#include <algorithm>
#include <optional>

#include "explain/ramka.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/pytanie_cf.h"
#include "inference/wykluczajace.h"
#include "inference/wypadkowe.h"
#include "kb/bazy_ograniczen.h"
#include "kb/dopytywalne_regul.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"
#include "windows/dialog_kroku.h"

namespace inference {

namespace {

using facts::SList;

SList lista_bez_warunku(const kb::Context& ctx)
{
    return ctx.db.stan_ladowania.lista_bez_warunku.first().value_or(SList{});
}

void pisz_wiersz(kb::Context& ctx, const std::string& tekst)
{
    kb::pisz_tuto(ctx, tekst);
    kb::piszcr(ctx);
}

void ustaw_minus_jeden(kb::Context& ctx)
{
    for (const std::string& x : lista_bez_warunku(ctx))
        if (!kb::ma_dokladnie(ctx, x, -1.0)) zapisz_warunek(ctx, x, -1.0);
}

// The exact questioning: w is -1, and one of the remaining members must be 1.
bool dopytaj_dokladne(kb::Context& ctx, const std::string& w)
{
    if (kb::ma_wypadkowa(ctx, w)) return false;
    zapisz_warunek(ctx, w, -1.0);
    pisz_wiersz(ctx, "Warunek(CF): ");
    pisz_wiersz(ctx, "    " + w + "(-1)");
    kb::pisz_tuto(ctx, "jest w liście warunków wykluczających się ");
    pisz_wiersz(ctx, "bazy ograniczeń dokładnych.");
    pisz_wiersz(ctx, "Pozostałe warunki wykluczające się są następujące:");
    const SList pozostale = lista_bez_warunku(ctx);
    const SList do_zapytania = usun_warunki_o_znanym_cf(ctx, pozostale);
    kb::pisz_liste(ctx, do_zapytania);
    pisz_wiersz(ctx, "Jeden z z pozostałych warunków musi mieć CF=1, a pozostałe CF=-1. ");
    pisz_wiersz(ctx, "Zadeklaruj wartości CF tych warunków. ");
    explain::dodaj_linie_sladu(ctx, "Warunek(CF)");
    explain::dodaj_linie_sladu(ctx, "    " + w + "(-1)");
    explain::dodaj_linie_sladu(ctx, "jest w liście warunków wykluczających się ");
    explain::dodaj_linie_sladu(ctx, "bazy ograniczeń dokładnych. ");
    explain::dodaj_linie_sladu(ctx, "Pozostałe warunki wykluczające się są następujące:");
    pokazanie_listy_warunkow_nieukonkretnionych(ctx, pozostale);
    explain::dodaj_linie_sladu(ctx, "i jeden z nich musi mieć CF=1, a pozostałe CF=-1. ");
    explain::dodaj_naglowek(ctx, "CF warunków wykluczających bazy ograniczeń dokładnych");
    windows::pokaz_krok(ctx);
    return pamietaj_warunki_pozostale_dalej(ctx, do_zapytania);
}

}  // namespace

bool pamietaj_warunki_pozostale(kb::Context& ctx, const std::string& w, double v)
{
    if (v == -1.0) {
        ustaw_minus_jeden(ctx);
        return true;
    }
    if (v == 1.0) return dopytaj_dokladne(ctx, w);
    return false;
}

bool pamietaj_warunki_pozostale_dalej(kb::Context& ctx, const SList& do_zapytania)
{
    const char* const zasada = "Dla warunków z bazy ograniczeń dokładnych CF =1 lub -1";
    for (std::size_t i = 0; i < do_zapytania.size(); ++i) {
        const std::string& x = do_zapytania[i];
        const SList reszta(do_zapytania.begin() + static_cast<std::ptrdiff_t>(i) + 1, do_zapytania.end());
        kb::pisz_tuto(ctx, zasada);
        kb::piszcr(ctx);
        kb::piszcr(ctx);
        explain::ustaw_naglowek(ctx, zasada);
        if (kb::ma_wypadkowa(ctx, x)) {
            if (!kb::ma_dokladnie(ctx, x, 1.0)) return false;
            pamietaj_warunki_pozostale_koniec(ctx, reszta);
            return true;
        }
        const std::optional<Odpowiedz> odp = zapytaj_o_cf(ctx, x, TestCf::dokladny);
        if (!odp) return false;
        kb::pisz_tuto(ctx, "    CF(" + x + ") = ");
        kb::pisz_tuto_real(ctx, odp->cf);
        kb::piszcr(ctx);
        kb::piszcr(ctx);
        if (!kontrola_cf(ctx, x, odp->cf)) return false;
        if (odp->cf == 1.0) {
            zapisz_warunek(ctx, x, 1.0);
            pamietaj_warunki_pozostale_koniec(ctx, reszta);
            return true;
        }
        zapisz_warunek(ctx, x, -1.0);
        pamietaj_dychotomiczne(ctx, x, -1.0);
    }
    return false;
}

void pamietaj_warunki_pozostale_koniec(kb::Context& ctx, const SList& reszta)
{
    if (!reszta.empty()) ustaw_pozostale_cf(ctx, reszta);
}

void ustaw_pozostale_cf(kb::Context& ctx, const SList& reszta)
{
    for (const std::string& x : reszta) zapisz_warunek(ctx, x, -1.0);
    ctx.db.stan_ladowania.lista_bez_warunku.remove_all();
}

void pamietaj_dychotomiczne(kb::Context& ctx, const std::string& x, double v)
{
    if (v != -1.0) return;
    for (const SList& l : warunek_w_bazie_ograniczen(ctx, x)) {
        if (!ograniczenie_dychotomiczne(l)) continue;
        const std::string& inny = l[0] == x ? l[1] : l[0];
        if (inny == x) continue;
        zapisz_warunek(ctx, inny, 1.0);
        return;
    }
}

SList usun_warunki_o_znanym_cf(const kb::Context& ctx, const SList& lista)
{
    SList wynik;
    SList reszta = lista;
    for (;;) {
        auto it = std::find_if(reszta.begin(), reszta.end(), [&](const std::string& x) { return !kb::ma_wypadkowa(ctx, x); });
        if (it == reszta.end()) return wynik;
        const std::string x = *it;
        reszta = kb::usun(x, reszta);
        wynik.insert(wynik.begin(), x);
    }
}

Zadeklarowane wyznacz_zadeklarowane_p(const kb::Context& ctx, const SList& lista)
{
    Zadeklarowane z;
    // Once for every uncertain constraint with exactly this list (normally the one it came from).
    for (std::size_t i = kb::numery_ograniczen_n(ctx, lista).size(); i > 0; --i)
        for (const std::string& x : lista)
            for (double cf : kb::wypadkowe(ctx, x)) {
                z.nazwy.push_back(x);
                z.cf.push_back(cf);
            }
    return z;
}

void pokazanie_listy_warunkow_nieukonkretnionych(kb::Context& ctx, const SList& lista)
{
    for (const std::string& x : lista) explain::dodaj_linie_sladu(ctx, "    " + x);
}

void pokazanie_listy_warunkow_wyklu(kb::Context& ctx, const SList& lista)
{
    for (const std::string& x : lista) {
        pisz_wiersz(ctx, "    " + x);
        explain::dodaj_linie_sladu(ctx, "    " + x);
    }
}

void pamietaj_warunki_pozostale_p(kb::Context& ctx, const SList& nazwy, const std::vector<double>& cf,
                                  const SList& reszta)
{
    if (reszta.empty()) return;
    if (!przedstaw_znane_niepewne(ctx, nazwy, cf)) return;
    windows::pokaz_krok(ctx);
    pamietaj_warunki_pozostale_p_dalej(ctx, reszta);
}

void pamietaj_warunki_pozostale_p_dalej(kb::Context& ctx, const SList& reszta)
{
    explain::wyczysc_slad(ctx);
    const char* const naglowek = "Pozostałe warunki niepewnie wykluczające się są następujące:";
    pisz_wiersz(ctx, naglowek);
    explain::dodaj_linie_sladu(ctx, naglowek);
    pokazanie_listy_warunkow_wyklu(ctx, reszta);
    for (const char* linia : {"Deklarując wartości CF tych warunków pamiętaj, że",
                              "przynajmniej jeden z pośród wszystkich wykluczających się warunków musi mieć CF>0 "}) {
        pisz_wiersz(ctx, linia);
        explain::dodaj_linie_sladu(ctx, linia);
    }
    explain::dodaj_naglowek(ctx, "CF warunków wykluczających się bazy ograniczeń niepewnych");
    windows::pokaz_krok(ctx);
    for (const std::string& x : reszta)
        if (deklaruj_niepewny(ctx, x)) kb::piszcr(ctx);
}

}  // namespace inference
