// The value listings and the condition entries, over the frame of ramka.h.
#include "explain/listy_wartosci.h"

#include <string>

#include "explain/ramka.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"
#include "platform/text.h"

namespace explain {

namespace {

constexpr const char* kNaglowekZmiennych = "Dane są wartości następujących argumentów:";
constexpr const char* kNaglowekArgumentow = "W bazie modeli są wartości następujących argumentów:";

// A numeric literal that a model uses as an argument is recorded under its own text; such a
// value says nothing to the user.
bool liczba_pod_wlasna_nazwa(const kb::NazwaWartosc& z)
{
    const std::optional<double> liczba = text::text_to_real(z.nazwa);
    return liczba && *liczba == z.wartosc;
}

void wypisz_wartosc(kb::Context& ctx, const kb::NazwaWartosc& z)
{
    kb::pisz_tuto(ctx, "    ");
    kb::pisz_tuto(ctx, z.nazwa);
    kb::pisz_tuto(ctx, "=");
    kb::pisz_tuto_real(ctx, z.wartosc);
    kb::piszcr(ctx);
    dodaj_linie_sladu(ctx, "    " + z.nazwa + "=" + sprv(z.wartosc));
}

}  // namespace

void przedstawienie_zmiennych(kb::Context& ctx)
{
    if (duza_szczegolowosc(ctx)) {
        wyczysc_slad(ctx);
        kb::pisz_tuto(ctx, kNaglowekZmiennych);
        kb::piszcr(ctx);
        ctx.db.stan.zmienna_ustalona.each([&](const kb::NazwaWartosc& z) {
            if (!liczba_pod_wlasna_nazwa(z)) wypisz_wartosc(ctx, z);
        });
        if (ctx.db.dane.dane_str.any([](const std::string& s) { return !s.empty(); })) {
            ustaw_naglowek(ctx, kNaglowekZmiennych);
            pokaz_slad(ctx);
            return;
        }
    }
    kb::piszcr(ctx);
}

void przedstawienie_zmiennych_pierwotnych(kb::Context& ctx)
{
    kb::pisz_tuto(ctx, kNaglowekArgumentow);
    wyczysc_slad(ctx);
    ustaw_naglowek(ctx, kNaglowekArgumentow);
    kb::piszcr(ctx);
    ctx.db.baza_modeli.argument_znany.each([&](const kb::NazwaWartosc& a) { wypisz_wartosc(ctx, a); });
    kb::piszcr(ctx);
    pokaz_slad(ctx);
}

void pokazanie_listy_warunkow(kb::Context& ctx, const facts::SList& warunki)
{
    for (const std::string& w : warunki) jest_ustalone(ctx, w, "    " + w);
}

void jest_ustalone(kb::Context& ctx, const std::string& warunek, const std::string& wpis)
{
    const std::optional<double> cf = kb::wypadkowa(ctx, warunek);
    if (!cf) return;
    kb::pisz_tuto(ctx, "    ");
    kb::pisz_tuto(ctx, warunek);
    kb::pisz_tuto(ctx, "(");
    kb::pisz_tuto_real(ctx, *cf);
    kb::pisz_tuto(ctx, ")");
    dodaj_linie_sladu(ctx, wpis + "(" + sprv(*cf) + ")");
}

}  // namespace explain
