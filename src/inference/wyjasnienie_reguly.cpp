// The rule explanation and the note on a skipped disjunctive rule, with their texts.
#include "inference/wyjasnienie_reguly.h"

#include <optional>

#include "explain/listy_wartosci.h"
#include "explain/ramka.h"
#include "kb/pisz.h"
#include "platform/text.h"
#include "platform/toolkit.h"
#include "windows/dialog_kroku.h"

namespace inference {

namespace {

std::optional<kb::Regula> regula(const kb::Context& ctx, std::int32_t numer, std::int32_t wyswietlanie)
{
    return ctx.db.baza_regul.regula.first(
        [&](const kb::Regula& r) { return r.numer == numer && r.wyswietlanie == wyswietlanie; });
}

// A written line and its trace line.
void wiersz(kb::Context& ctx, const std::string& pisany, const std::string& sladu)
{
    kb::pisz_tuto(ctx, pisany);
    kb::piszcr(ctx);
    explain::dodaj_linie_sladu(ctx, sladu);
}

}  // namespace

bool wyjasnienie_regula(kb::Context& ctx, const kb::Regula& r, const std::string& wniosek, const facts::SList& warunki,
                        double cf)
{
    if (wniosek != "koniec" && r.wyswietlanie == 1) {
        const std::string n = text::int_to_text(r.numer);
        kb::piszcr(ctx);
        explain::wyczysc_slad(ctx);
        wiersz(ctx, "Stosuję regułę " + n + " o postaci: ", "Stosuję regułę " + n + " o postaci:");
        wiersz(ctx, "Jeżeli", "Jeżeli");
        explain::pokazanie_listy_warunkow(ctx, warunki);
        kb::piszcr(ctx);
        wiersz(ctx, "to z współczynnikiem CF = " + r.cf, "to z współczynnikiem CF = " + r.cf);
        wiersz(ctx, r.wniosek.str(), "    " + r.wniosek);
        wiersz(ctx, "Stąd wynika wniosek: ", "Stąd wynika wniosek:");
        const std::string koncowy = "    " + wniosek + "(" + explain::sprv(cf) + ")";
        wiersz(ctx, koncowy, koncowy);
        kb::piszcr(ctx);
        explain::ustaw_naglowek(ctx, "Wyjaśnienie reguły");
        windows::pokaz_krok(ctx);
        return true;
    }
    return r.wniosek == wniosek && r.wyswietlanie == 0;
}

bool wyjasnienie_regula(kb::Context& ctx, std::int32_t numer, const std::string& wniosek, const facts::SList& warunki,
                        double cf)
{
    if (wniosek != "koniec")
        if (const std::optional<kb::Regula> r = regula(ctx, numer, 1))
            return wyjasnienie_regula(ctx, *r, wniosek, warunki, cf);
    return ctx.db.baza_regul.regula.any(
        [&](const kb::Regula& r) { return r.numer == numer && r.wniosek == wniosek && r.wyswietlanie == 0; });
}

bool wyjasnienie_regula_dysjunktywna_pomijana(kb::Context& ctx, const kb::Regula& r, double cf_warunkow)
{
    if (r.wyswietlanie != 1) return r.wyswietlanie == 0;
    const std::string n = text::int_to_text(r.numer);
    const std::string w = text::real_to_text(cf_warunkow);
    for (const std::string& linia : {"Stosuję regułę dysjunktywną " + n, "z ujemnym CF listy warunków, równym  " + w,
                                     "i z ujemnym CF reguły, równym " + r.cf + ".",
                                     std::string("Reguła ta zostanie pominięta przy dalszym wnioskowaniu.")}) {
        kb::pisz_tuto(ctx, linia);
        kb::piszcr(ctx);
    }
    kb::piszcr(ctx);
    ctx.ui.note("Uwaga!", "Stosuję regułę dysjunktywną " + n + "\nz ujemnym CF listy warunków, równym  " + w +
                              "\ni z ujemnym CF reguły, równym  " + r.cf +
                              "\nReguła ta zostanie pominięta przy dalszym wnioskowaniu.");
    return true;
}

bool wyjasnienie_regula_dysjunktywna_pomijana(kb::Context& ctx, std::int32_t numer, double cf_warunkow)
{
    if (const std::optional<kb::Regula> r = regula(ctx, numer, 1))
        return wyjasnienie_regula_dysjunktywna_pomijana(ctx, *r, cf_warunkow);
    return regula(ctx, numer, 0).has_value();
}

}  // namespace inference
