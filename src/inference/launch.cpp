// The launch of an inference from the main menu: the checks that the loaded bases may be used,
// the description, the detail level, the labels, the reset of the previous run's state, the
// note naming the bases, the report heading and the seed of "bez warunku"; then the hand-over to
// forward inference or to hypothesis testing. A launch that cannot start says why.
#include "inference/launch.h"

#include <optional>
#include <string>

#include "diagnostics/diagnozy.h"
#include "inference/etykiety.h"
#include "inference/sprzeczne_fakty.h"
#include "inference/testowanie.h"
#include "inference/wnioskowanie.h"
#include "kb/baza_modeli.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"
#include "load/kasowanie.h"
#include "load/numery.h"
#include "platform/files.h"
#include "platform/toolkit.h"
#include "windows/czytanie.h"
#include "windows/dialogi_wyboru.h"

namespace inference {

namespace {

constexpr const char* kTak = "TAK";

bool oznaczone(const facts::FactList<std::string>& flagi) { return flagi.contains(kTak); }

// Why the loaded bases may not be used now; "" when a check has told the user itself, nullopt
// when inference may start.
std::optional<std::string> przeszkoda(kb::Context& ctx)
{
    const kb::WynikiDiagnoz& d = ctx.db.wyniki_diagnoz;
    if (load::rozne_numery(ctx)) return "W załadowanej bazie wiedzy powtarzają się numery.";
    if (!diagnostics::testuj_wyniki_wszystkich_modeli_bez_ograniczen(ctx)) return "";
    if (jest_blad_wykluczajacych(ctx))
        return kBladWykluczajacych;
    if (ctx.db.stan.nazwa_re.empty()) return "";
    if (oznaczone(d.sprzecznosc_1z)) return "Baza reguł jest sprzeczna zewnętrznie.";
    if (oznaczone(d.model_aryt_sprzeczny) || oznaczone(d.model_sprzeczny_gleboko) || oznaczone(d.model_rela_sprzeczny))
        return "Baza modeli jest sprzeczna.";
    if (oznaczone(d.sprzecznosc_mr)) return "Baza modeli jest sprzeczna z bazą reguł.";
    return std::nullopt;
}

void czytaj_opis(kb::Context& ctx)
{
    bool jest = false;
    ctx.db.stan.opis.scan([&](const std::string& sciezka) { return jest = ctx.files.exists(sciezka); });
    if (jest) windows::show_description(ctx);
}

bool poziom_szczegolowosci(kb::Context& ctx)
{
    load::kasowanie_szczegolowosc(ctx);
    windows::poziom_szczegolowosci(ctx);
    const int odpowiedz = ctx.db.dane.dane_int.first().value_or(1);
    ctx.db.dane.dane_int.remove_all();
    return opcja_z_menu_szczegolowosci(ctx, odpowiedz);
}

void kasowanie_stanu(kb::Context& ctx, Direction kierunek)
{
    load::kasowanie_etykiety(ctx);
    if (kierunek == Direction::forward) load::kasowanie_hipoteza(ctx);
    generuj_etykiety(ctx);
    if (kierunek == Direction::backward) load::kasowanie_hipoteza(ctx);
    kb::kasowanie_tekst_raportu(ctx);
    load::kasowanie_prbd(ctx);
    load::kasowanie_wypadkowa_prbd(ctx);
    load::kasowanie_lista_numerow_regul_kumulatywnych(ctx);
    load::kasowanie_lista_numerow_regul_dysjunktywnych(ctx);
    load::kasowanie_model_stosowany(ctx);
    load::kasowanie_regula_zastosowana(ctx);
    kb::kasowanie_zmienna_ustalona(ctx);
}

std::string bez_folderu(const std::string& nazwa)
{
    const files::PathParts czesci = files::split_path(nazwa);
    return czesci.name + czesci.extension;
}

struct Bazy {
    std::string re, mo, og, op, ra, gr, me;
};

Bazy nazwy_baz(const kb::Context& ctx)
{
    return {ctx.db.stan.nazwa_re.first().value_or(""), jest_baza_mo(ctx), jest_baza_og(ctx), jest_baza_op(ctx),
            jest_baza_ra(ctx), jest_baza_gr(ctx), jest_baza_me(ctx)};
}

void nota_baz(kb::Context& ctx, Direction kierunek, const Bazy& b)
{
    const bool w_przod = kierunek == Direction::forward;
    const std::string tekst =
        std::string(w_przod ? "Wnioskowanie w przód dla:" : "Wnioskowanie wstecz dla:") +
        "\n\nBazy reguł rozwiniętej niepewnej\n    " + bez_folderu(b.re) + "\n\nBazy modeli rozwiniętej niepewnej\n    " +
        bez_folderu(b.mo) + "\n\nBazy ograniczeń rozwiniętej dokładnej\n    " + bez_folderu(b.og) +
        "\n\nBazy ograniczeń rozwiniętej niepewnej\n     " + bez_folderu(b.op) +
        "\n\nBazy rad rozwiniętej niepewnej\n    " + bez_folderu(b.ra) + "\n\nBazy grafiki rozwiniętej niepewnej\n    " +
        bez_folderu(b.gr) + "\n\nBazy dźwięku rozwiniętej niepewnej\n    " + bez_folderu(b.me);
    ctx.ui.note(w_przod ? "Wnioskowanie rozwinięte niepewne w przód" : "Wnioskowanie rozwinięte niepewne wstecz", tekst);
}

void naglowek_raportu(kb::Context& ctx, Direction kierunek, const Bazy& b)
{
    const bool w_przod = kierunek == Direction::forward;
    const std::string linie[] = {
        std::string(w_przod ? "Wnioskowanie rozwinięte niepewne w przód dla bazy reguł "
                            : "Wnioskowanie rozwinięte niepewne wstecz dla bazy reguł ") + b.re,
        std::string(31, ' ') + "bazy modeli " + b.mo,
        std::string(10, ' ') + "bazy ograniczeń dokładnej " + b.og,
        std::string(9, ' ') + "bazy ograniczeń niepewnej " + b.op,
        std::string(w_przod ? 35 : 36, ' ') + "bazy rad " + b.ra,
        std::string(31, ' ') + "bazy grafiki " + b.gr,
        std::string(26, ' ') + "bazy dźwięków " + b.me,
    };
    for (const std::string& linia : linie) {
        kb::pisz_tuto(ctx, linia);
        kb::piszcr(ctx);
    }
    kb::piszcr(ctx);
}

bool przekazanie(kb::Context& ctx, Direction kierunek)
{
    if (kierunek == Direction::backward) return testowanie_hipotezy(ctx);
    // The fact-entry mode is asked for; both answers give the same run.
    windows::wnioskowanie_wybor(ctx);
    return wnioskowanie(ctx);
}

}  // namespace

bool opcja_z_menu_szczegolowosci(kb::Context& ctx, int odpowiedz)
{
    switch (odpowiedz) {
    case 1: ctx.db.stan.szczegolowosc.set("mała"); return true;
    case 2: ctx.db.stan.szczegolowosc.set("duża"); return true;
    case 3: return true;
    default: return false;
    }
}

bool launch(kb::Context& ctx, Direction kierunek)
{
    if (const std::optional<std::string> powod = przeszkoda(ctx)) {
        if (ctx.db.stan.nazwa_re.empty()) {
            ctx.ui.note("Uwaga!", "Proszę załadować bazę reguł!");
            return true;
        }
        if (!powod->empty()) ctx.ui.note("Uwaga!", "Wnioskowanie nie jest możliwe!\n\n" + *powod);
        return false;
    }
    czytaj_opis(ctx);
    if (!poziom_szczegolowosci(ctx)) return false;
    kasowanie_stanu(ctx, kierunek);
    const Bazy bazy = nazwy_baz(ctx);
    nota_baz(ctx, kierunek, bazy);
    naglowek_raportu(ctx, kierunek, bazy);
    kb::dodaj_wypadkowa(ctx, "bez warunku", 1.0);
    return przekazanie(ctx, kierunek);
}

}  // namespace inference
