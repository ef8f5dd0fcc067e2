// The fact listings over the writers and the step dialog.
#include "inference/przedstawienie_faktow.h"

#include "explain/ramka.h"
#include "inference/sprzeczne_fakty.h"
#include "kb/pisz.h"
#include "platform/text.h"
#include "windows/dialog_kroku.h"

namespace inference {

namespace {

constexpr const char* kDaneFakty = "Dane są następujące fakty:";

void wiersz_faktu(kb::Context& ctx, const std::string& nazwa, const std::string& cf)
{
    const std::string wiersz = "    " + nazwa + "(" + cf + ")";
    kb::pisz_tuto(ctx, wiersz);
    kb::piszcr(ctx);
    explain::dodaj_linie_sladu(ctx, wiersz);
}

using Test = bool (*)(kb::Context&, const std::string&, const std::string&);

bool fakty_pierwotne(kb::Context& ctx, const facts::FactList<kb::Fakt>& fakty, const char* naglowek, Test testuj)
{
    if (fakty.empty()) return !jest_blad_wykluczajacych(ctx);
    kb::pisz_tuto(ctx, naglowek);
    kb::piszcr(ctx);
    explain::wyczysc_slad(ctx);
    explain::ustaw_naglowek(ctx, naglowek);
    fakty.each([&](const kb::Fakt& f) {
        if (jest_blad_wykluczajacych(ctx)) return;
        if (testuj(ctx, f.warunek, f.cf)) wiersz_faktu(ctx, f.warunek, f.cf);
    });
    windows::pokaz_krok(ctx);
    return !jest_blad_wykluczajacych(ctx);
}

}  // namespace

void przedstawienie_faktow(kb::Context& ctx)
{
    if (!explain::duza_szczegolowosc(ctx)) return;
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, kDaneFakty);
    explain::wyczysc_slad(ctx);
    kb::piszcr(ctx);
    ctx.db.stan_ladowania.wypadkowa_prbd.each([&](const kb::NazwaWartosc& w) {
        if (w.nazwa == "bez warunku" || w.nazwa == "koniec" || (!w.nazwa.empty() && w.nazwa.front() == 'n')) return;
        wiersz_faktu(ctx, w.nazwa, explain::sprv(w.wartosc));
    });
    if (!ctx.db.dane.dane_str.any([](const std::string& s) { return !s.empty(); })) return;
    explain::ustaw_naglowek(ctx, kDaneFakty);
    windows::pokaz_krok(ctx);
}

bool przedstawienie_faktow_pierwotnych(kb::Context& ctx)
{
    return fakty_pierwotne(ctx, ctx.db.baza_regul.fakt, "W bazie reguł są następujące fakty:", testuj_wykluczajace);
}

bool przedstawienie_m_faktow_pierwotnych(kb::Context& ctx)
{
    return fakty_pierwotne(ctx, ctx.db.baza_modeli.m_fakt, "W bazie modeli są następujące fakty:",
                           testuj_m_wykluczajace);
}

bool przedstaw_znane_niepewne(kb::Context& ctx, const facts::SList& nazwy, const std::vector<double>& cf)
{
    if (nazwy.empty() || cf.empty()) return false;
    const char* const pierwszy = "Zadeklarowano wartości CF dla następujących warunków dopytywalnych";
    const char* const drugi = "z bazy ograniczeń niepewnych:";
    kb::pisz_tuto(ctx, pierwszy);
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, drugi);
    kb::piszcr(ctx);
    explain::dodaj_linie_sladu(ctx, pierwszy);
    explain::dodaj_linie_sladu(ctx, drugi);
    explain::ustaw_naglowek(ctx, "Wartości CF dla warunków dopytywalnych z bazy ograniczeń niepewnych");
    return przedstaw_blizej(ctx, nazwy, cf);
}

bool przedstaw_blizej(kb::Context& ctx, const facts::SList& nazwy, const std::vector<double>& cf)
{
    const std::size_t pary = std::min(nazwy.size(), cf.size());
    for (std::size_t i = 0; i < pary; ++i) wiersz_faktu(ctx, nazwy[i], explain::sprv(cf[i]));
    return nazwy.size() == cf.size();
}

}  // namespace inference
