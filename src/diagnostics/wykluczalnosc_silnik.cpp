// The exclusivity test engine: under each truth assumption, which tested premises can still
// hold, and the verdict flag of the mode when too many or too few can. It reads the tested
// rules, the exclusive groups and the exact constraints; it writes only the flags.
#include <string>
#include <unordered_set>

#include "diagnostics/wykluczalnosc.h"
#include "kb/listy.h"

namespace diagnostics {
namespace {

const std::string kNie = "NIE";

// What one assumption rules out: the negation of every assumed condition and the other
// members of every exclusive group and exact constraint that holds it.
std::unordered_set<std::string> wykluczone(const kb::Context& ctx, const facts::SList& zalozenie)
{
    std::unordered_set<std::string> out;
    auto others = [&](const facts::SList& lista, const std::string& h) {
        if (!kb::element(h, lista)) return;
        for (const std::string& c : lista)
            if (c != h) out.insert(c);
    };
    const bool z_ograniczeniami = !ctx.db.baza_ograniczen.nazwa_og.empty();
    for (const std::string& h : zalozenie) {
        out.insert(kb::negacja(h));
        ctx.db.baza_modeli.modele_ekskluzywne.each([&](const facts::SList& grupa) { others(grupa, h); });
        if (z_ograniczeniami)
            ctx.db.baza_ograniczen.ograniczenie.each([&](const kb::Ograniczenie& o) { others(o.warunki, h); });
    }
    // An assumed condition stays possible, also where another assumed one would rule it out.
    for (const std::string& h : zalozenie) out.erase(h);
    return out;
}

bool moze_zachodzic(const facts::SList& przeslanka, const std::unordered_set<std::string>& wykluczone)
{
    for (const std::string& c : przeslanka)
        if (wykluczone.contains(c)) return false;
    return true;
}

void zaznacz(facts::FactList<std::string>& flaga)
{
    if (!flaga.contains(kNie)) flaga.add_last(kNie);
}

// testuj_reguly: each tested number in stored order, repeats included; the first record of
// the number that can hold counts once.
void testuj_reguly(kb::Context& ctx, const std::unordered_set<std::string>& out)
{
    auto& w = ctx.db.wyniki_diagnoz;
    const std::vector<kb::RegulaDoTestowania> testowane = w.regula_do_testowania.all();
    std::size_t licznik = 0;
    for (const kb::RegulaDoTestowania& t : testowane)
        for (const kb::RegulaDoTestowania& r : testowane)
            if (r.numer == t.numer && moze_zachodzic(r.przeslanka, out)) {
                ++licznik;
                break;
            }
    const std::optional<std::int32_t> opcja = w.opcja.first();
    if (opcja == 1 && licznik != 1) zaznacz(w.wykluczenie_do_jednego);
    if (opcja == 2 && licznik != 1) zaznacz(w.wykluczenie_do_zadnego);
    if (opcja == 3 && licznik > 1) zaznacz(w.wykluczenie);
}

}  // namespace

bool testuj(kb::Context& ctx, const facts::ListaList& zalozenia)
{
    for (const facts::SList& zalozenie : zalozenia) testuj_reguly(ctx, wykluczone(ctx, zalozenie));
    return true;
}

facts::ListaList wyznacz_reguly_wszystkie(const kb::Context& ctx)
{
    return ctx.db.wyniki_diagnoz.regula_do_generowania_prawdy.all();
}

}  // namespace diagnostics
