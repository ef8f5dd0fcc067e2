// The askability check of the constraint bases: every condition of every constraint must be an
// askable condition (or argument) or the negation of one. It reads the askable lists, reports
// the first fault in the window only and unloads the constraint base; it records nothing else.
#include "load/dopytywalnosc_ograniczen.h"

#include <string>

#include "kb/bazy_ograniczen.h"
#include "load/kasowanie.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {

namespace {

using kb::Context;
using facts::SList;

// What differs between the exact and the uncertain twin; everything else is shared.
struct Teksty {
    std::string_view pierwsza_linia;
    std::string_view druga_linia;
    std::string_view przed_nazwa;   // before the base's file name
    std::string_view opcja_1;
    std::string_view opcja_1_edycja;
    std::string_view opcja_2;
    std::string_view opcja_2_edycja;
    std::string_view nota_p1;
    std::string_view nota_p4;
    std::string_view nota_p5;
};

constexpr Teksty kDokladne{
    "W bazie ograniczeń dokładnej mogą być wyłącznie listy warunków dopytywalnych",
    "wykluczających się.",
    " bazy ograniczeń dokładnej ",
    "1. Przejść do 'Bazy ograniczeń dokładnej' ",
    "   wybrać opcję 'Edycja bazy ograniczeń',",
    "2. Przejść do 'Baza reguł niepewnej' ",
    "   wybrać opcję 'Edycja bazy reguł'",
    "W bazie ograniczeń dokładnej mogą być wyłącznie \nlisty warunków dopytywalnych "
    "wykluczających się.\n\nWarunek\n  ",
    "\nnie jest warunkiem dopytywalnym.\n\nMożesz:\n1. Przejść do 'Bazy ograniczeń dokładnej', "
    "wybrać opcję 'Edycja bazy ograniczeń',\nzaładować błędną bazę ograniczeń i usunąć błędne "
    "ograniczenie,",
    "\nlub\n2. Przejść do 'Baza reguł dokładnej', wybrać opcję 'Edycja bazy reguł'\ni wprowadzić "
    "do odpowiedniej reguły pominięty warunek dopytywalny.",
};

constexpr Teksty kNiepewne{
    "W bazie ograniczeń niepewnej mogą być wyłącznie listy warunków dopytywalnych",
    "wykluczających się niepewnie.",
    " bazy ograniczeń niepewnej ",
    "1. Przejść do 'Bazy ograniczeń niepewnej', ",
    "   wybrać opcję 'Edycja bazy ograniczeń niepewnych',",
    "2. Przejść do 'Bazy reguł niepewnej'",
    "   wybra† opcję 'Edycja bazy reguł'",
    "W bazie ograniczeń rozwinietej niepewnej mogą być wyłącznie \nlisty warunków dopytywalnych "
    "wykluczających się.\n\nWarunek\n  ",
    "\nnie jest warunkiem dopytywalnym.\n\nMożesz:\n1. Przejść do 'Bazy ograniczeń niepewnej', "
    "wybrać opcję 'Edycja bazy ograniczeń',\nzaładować błędną bazę ograniczeń i usunąć błędne "
    "ograniczenie,",
    "\nlub\n2. Przejść do 'Baza reguł niepewnej', wybrać opcję 'Edycja bazy reguł'\ni wprowadzić "
    "do odpowiedniej reguły pominięty warunek dopytywalny.",
};

void zglos(Context& ctx, const Teksty& t, std::int32_t numer, std::string_view warunek,
           std::string_view nazwa)
{
    const std::string n = text::int_to_text(numer);
    std::string linie;
    linie += "\n";
    linie += t.pierwsza_linia;
    linie += "\n";
    linie += t.druga_linia;
    linie += "\n\n";
    linie += "Warunek '" + std::string(warunek) + "' w ograniczeniu " + n + "\n";
    linie += std::string(t.przed_nazwa) + std::string(nazwa) + "\n";
    linie += " nie jest warunkiem dopytywalnym.\n\n";
    linie += "Możesz:\n";
    linie += std::string(t.opcja_1) + "\n";
    linie += std::string(t.opcja_1_edycja) + "\n";
    linie += "   załadować błędną bazę ograniczeń i usunąć błędne ograniczenie,\n";
    linie += "        lub: \n";
    linie += std::string(t.opcja_2) + "\n";
    linie += std::string(t.opcja_2_edycja) + "\n";
    linie += "   i wprowadzić do odpowiedniej reguły pominięty warunek dopytywalny.";
    ctx.ui.write(linie);

    const std::string nota = std::string(t.nota_p1) + std::string(warunek) + "\nw ograniczeniu " +
                             n + " bazy ograniczeń\n   " + std::string(nazwa) +
                             std::string(t.nota_p4) + std::string(t.nota_p5);
    ctx.ui.note("Uwaga błąd!", nota);
}

// The first condition that is not askable, if any.
std::optional<std::string> pierwszy_niedopytywalny(const SList& warunki, const SList& dopytywalne)
{
    for (const std::string& w : warunki)
        if (!warunek_dopytywalny(w, dopytywalne)) return w;
    return std::nullopt;
}

}  // namespace

bool warunek_dopytywalny(std::string_view warunek, const SList& dopytywalne)
{
    const std::string_view nazwa =
        (!warunek.empty() && warunek.front() == 'n') ? warunek.substr(1) : warunek;
    for (const std::string& d : dopytywalne)
        if (d == nazwa) return true;
    return false;
}

std::optional<SList> lista_do_kontroli_ograniczen(const Context& ctx, bool niepewne)
{
    const bool baza = niepewne ? !ctx.db.baza_ograniczen_p.nazwa_op.empty()
                               : !ctx.db.baza_ograniczen.nazwa_og.empty();
    if (!baza || ctx.db.stan.nazwa_re.empty()) return std::nullopt;
    const auto& s = ctx.db.stan;
    const auto l = s.nazwa_mo.empty() ? s.lista_warunkow_dopytywalnych.first()
                                      : s.lista_warunkow_i_argumentow_dopytywalnych.first();
    if (!l) return std::nullopt;
    return l->strings();
}

bool jest_warunek_dopytywalny(Context& ctx, std::int32_t numer, const SList& warunki,
                              const SList& dopytywalne)
{
    const auto zly = pierwszy_niedopytywalny(warunki, dopytywalne);
    if (!zly) return true;
    zglos(ctx, kDokladne, numer, *zly, ctx.db.baza_ograniczen.nazwa_og.first().value_or(""));
    kasowanie_jestem_tu(ctx);
    kb::kasowanie_dogranicz(ctx);
    kb::kasowanie_nazwy_og(ctx);
    return true;
}

bool jest_warunek_dopytywalny_p(Context& ctx, std::int32_t numer, const SList& warunki,
                                const SList& dopytywalne)
{
    const auto zly = pierwszy_niedopytywalny(warunki, dopytywalne);
    if (!zly) return true;
    zglos(ctx, kNiepewne, numer, *zly, ctx.db.baza_ograniczen_p.nazwa_op.first().value_or(""));
    kasowanie_jestem_tu(ctx);
    kb::kasowanie_dogranicz_p(ctx);
    kb::kasowanie_nazwy_op(ctx);
    return true;
}

bool kontrola_dopytywalnosci_ograniczen(Context& ctx)
{
    if (const auto lista = lista_do_kontroli_ograniczen(ctx, false))
        // Unloading empties the list, so the walk ends after the first report.
        ctx.db.baza_ograniczen.ograniczenie.each([&](const kb::Ograniczenie& o) {
            jest_warunek_dopytywalny(ctx, o.numer, o.warunki, *lista);
        });
    return !ctx.db.baza_ograniczen.nazwa_og.empty();
}

bool kontrola_dopytywalnosci_ograniczen_p(Context& ctx)
{
    if (const auto lista = lista_do_kontroli_ograniczen(ctx, true))
        ctx.db.baza_ograniczen_p.ograniczenie_n.each([&](const kb::Ograniczenie& o) {
            jest_warunek_dopytywalny_p(ctx, o.numer, o.warunki, *lista);
        });
    return !ctx.db.baza_ograniczen_p.nazwa_op.empty();
}

}  // namespace load
