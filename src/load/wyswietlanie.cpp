// The display-flag checks of rules and models, reported like the CF checks: lines through the
// report writers with window-only line breaks, a note, then the base forgotten.
#include "load/wyswietlanie.h"

#include <cstdint>
#include <optional>
#include <string>

#include "kb/baza_modeli.h"
#include "kb/baza_regul.h"
#include "kb/pisz.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {

namespace {

struct Rodzaj {
    const char* czego;    // "reguły", "modelu"
    const char* dzialanie;
    const char* baza;
    const char* edycja;
    void (*zapomnij)(kb::Context&);
};

const Rodzaj kReguly{"reguły", "Działania w bazie reguł", "Bazy reguł", "Edycja bazy reguł", kb::forget_rule_base};
const Rodzaj kModelu{"modelu", "Działania w bazie modeli", "Bazy modeli", "Edycja bazy modeli",
                     kb::forget_model_base};

bool poprawne(std::int32_t wyswietlanie) { return wyswietlanie == 0 || wyswietlanie == 1; }

// True when it reported (and the base is gone).
bool testuj(kb::Context& ctx, const Rodzaj& r, std::int32_t numer, std::int32_t wyswietlanie)
{
    if (poprawne(wyswietlanie)) return false;
    const std::string czego(r.czego);
    const std::string pierwsza = "Błędny znacznik wyjaśniania dla " + czego + " " + text::int_to_text(numer) + ".";
    const std::string druga =
        "Znacznik wyjaśniania (przedostatnie pole " + czego + ") musi być równy 0 lub 1, a jest równy " +
        text::int_to_text(wyswietlanie) + ".";
    for (const std::string& linia : {pierwsza, druga, "Przejdź do '" + std::string(r.dzialanie) + "'",
                                     "wybierz opcję '" + std::string(r.edycja) + "', "}) {
        kb::pisz_tuto(ctx, linia);
        ctx.ui.write("\n");
    }
    kb::pisz_tuto(ctx, "wybierz błędną bazę i usuń błąd.");
    ctx.ui.write("\n");
    ctx.ui.note("Błędny znacznik wyjaśniania dla " + czego + "!",
                pierwsza + "\n" + druga + "\nPrzejdź do '" + r.baza + "'\nwybierz opcję '" + r.edycja +
                    "', \nwybierz błędną bazę i usuń błąd.");
    r.zapomnij(ctx);
    return true;
}

// The number and flag of the first fact of the list whose flag is wrong, found in place: the
// check reads every rule or model of the base, and only a wrong one is reported.
struct Znacznik {
    std::int32_t numer;
    std::int32_t wyswietlanie;
};

template <class T>
std::optional<Znacznik> pierwszy_bledny(const facts::FactList<T>& lista)
{
    std::optional<Znacznik> bledny;
    lista.scan([&](const T& x) {
        if (!poprawne(x.wyswietlanie)) bledny = Znacznik{x.numer, x.wyswietlanie};
        return bledny.has_value();
    });
    return bledny;
}

template <class T>
bool testuj_liste(kb::Context& ctx, const Rodzaj& r, const facts::FactList<T>& lista)
{
    const std::optional<Znacznik> bledny = pierwszy_bledny(lista);
    return bledny && testuj(ctx, r, bledny->numer, bledny->wyswietlanie);
}

}  // namespace

void testuj_wyswietlanie_regul(kb::Context& ctx) { testuj_liste(ctx, kReguly, ctx.db.baza_regul.regula); }

void testuj_wyswietlanie_modeli(kb::Context& ctx)
{
    kb::BazaModeli& m = ctx.db.baza_modeli;
    testuj_liste(ctx, kModelu, m.model) || testuj_liste(ctx, kModelu, m.model_r) ||
        testuj_liste(ctx, kModelu, m.model_liniowy) || testuj_liste(ctx, kModelu, m.model_wielomianowy);
}

}  // namespace load
