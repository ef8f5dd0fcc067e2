// The check, before every start of inference, that models sharing a result cannot apply
// together when no exact constraint base says which conditions exclude each other. It speaks
// only through notes; it changes no fact and keeps nothing from one start to the next.
#include <array>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "diagnostics/diagnozy.h"
#include "diagnostics/modele_wynikow.h"
#include "kb/listy.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

using kb::Context;
using std::string;
using std::string_view;
using Warunki = std::vector<string>;

struct Naglowek {
    string_view poczatek;
    string_view ogon;
};

constexpr string_view kWynikiWnioski = "\no tych samych wynikach/wnioskach:";
constexpr string_view kWyniki = "\no tych samych wynikach:";

struct TestMieszany {
    RodzajModelu a;
    RodzajModelu b;
    Naglowek naglowek;
};

constexpr std::array<TestMieszany, 6> kTestyMieszane{{
    {RodzajModelu::elementarny, RodzajModelu::rozwiniety, {"Baza modeli zawiera modele elementarne i rozwinięte", kWynikiWnioski}},
    {RodzajModelu::elementarny, RodzajModelu::liniowy, {"Baza modeli zawiera modele elementarne i liniowe", kWyniki}},
    {RodzajModelu::elementarny, RodzajModelu::wielomianowy, {"Baza modeli zawiera modele elementarne i wielomianowe", kWyniki}},
    {RodzajModelu::rozwiniety, RodzajModelu::liniowy, {"Baza modeli zawiera modele rozwinięte i liniowe", kWyniki}},
    {RodzajModelu::rozwiniety, RodzajModelu::wielomianowy, {"Baza modeli zawiera modele rozwinięte i wielomianowe", kWyniki}},
    {RodzajModelu::liniowy, RodzajModelu::wielomianowy, {"Baza modeli zawiera modele liniowe i wielomianowe", kWyniki}},
}};

struct TestJednorodny {
    RodzajModelu rodzaj;
    Naglowek naglowek;
};

constexpr std::array<TestJednorodny, 4> kTestyJednorodne{{
    {RodzajModelu::elementarny, {"Baza modeli zawiera modele elementarne ", kWynikiWnioski}},
    {RodzajModelu::rozwiniety, {"Baza modeli zawiera modele rozwinięte ", kWynikiWnioski}},
    {RodzajModelu::liniowy, {"Baza modeli zawiera modele  liniowe ", kWyniki}},
    {RodzajModelu::wielomianowy, {"Baza modeli zawiera modele  wielomianowe ", kWyniki}},
}};

string otwarcie(const Naglowek& n, string_view wynik)
{
    return string(n.poczatek) + string(n.ogon) + "\n               " + string(wynik);
}

// The warning of two kinds sharing a result: inference may still start.
void pisz_wspolny_bez_og(Context& ctx, const string& otwarcie_noty)
{
    ctx.ui.note("Uwaga!", otwarcie_noty + "\nWarunki stosowania tych modeli nie wykluczają się, " +
                              "\nponieważ brak odpowiedniej bazy ograniczeń." +
                              "\nPrzejd« do opcji 'Baza modeli/Edycja bazy modeli'" +
                              "\ni popraw bazę modeli lub przejdź do opcji " +
                              "\nBaza ograniczeń/Tworzenie bazy ograniczeä'" +
                              "\ni utwórz odpowiednią bazę ograniczeń");
}

// The refusal: inference does not start.
void pisz_wspolny_tekst(Context& ctx, const string& otwarcie_noty)
{
    ctx.ui.note("Uwaga!", otwarcie_noty + "\nWarunki stosowania tych modeli nie wykluczają się, " +
                              "\nponieważ brak odpowiedniej bazy ograniczeń." +
                              "\nZaładowaną bazę modeli możesz tylko edytować, " +
                              "\nlecz nie możesz korzystać z niej dla wnioskowania." +
                              "\nPrzejdź do opcji'Baza modeli/Edycja bazy modeli'" +
                              "\n i popraw bazę modeli lub przejdź do opcji " +
                              "\n'Baza ograniczeń/Tworzenie bazy ograniczeń'" + "\ni utwórz odpowiednią bazę ograniczeń.");
}

// Conditions the model base itself declares exclusive: all of them in one declaration.
bool zadeklarowane_wykluczajace(const Context& ctx, const Warunki& warunki)
{
    return ctx.db.baza_modeli.modele_ekskluzywne.any([&](const facts::SList& grupa) {
        for (const string& w : warunki)
            if (!kb::element(w, grupa)) return false;
        return true;
    });
}

// Whether the models of one result with these conditions can never apply together. The same
// condition twice never excludes itself, whatever the declarations say.
bool wykluczaja_sie(const Context& ctx, const Warunki& warunki)
{
    if (ma_powtorzenie(warunki)) return false;
    if (warunki.size() == 2 && kb::negacja(warunki[0], warunki[1])) return true;
    return zadeklarowane_wykluczajace(ctx, warunki);
}

// Models of two kinds sharing a result: each pair judged on its own; a pair that may apply
// together draws a warning, a pair with one condition (both models always apply together)
// refuses the start.
bool wyniki_wielokrotne_mieszane(Context& ctx, const TestMieszany& t)
{
    const std::vector<ModelWyniku> as = modele_rodzaju(ctx, t.a);
    const std::vector<ModelWyniku> bs = modele_rodzaju(ctx, t.b);
    const ModeleWedlugWyniku wedlug_b(bs);
    for (const ModelWyniku& a : as)
        for (const ModelWyniku* pb : wedlug_b.modele(a.wynik)) {
            const ModelWyniku& b = *pb;
            if (a.warunek == b.warunek) {
                pisz_wspolny_tekst(ctx, otwarcie(t.naglowek, a.wynik));
                return false;
            }
            if (!wykluczaja_sie(ctx, {a.warunek, b.warunek})) pisz_wspolny_bez_og(ctx, otwarcie(t.naglowek, a.wynik));
        }
    return true;
}

// Models of one kind sharing a result, each result judged by the group of all its models;
// only a model that computes a value opens a group. The refusal names the first result whose
// group fails.
bool wyniki_wielokrotne(Context& ctx, const TestJednorodny& t)
{
    const std::vector<ModelWyniku> modele = modele_rodzaju(ctx, t.rodzaj);
    const ModeleWedlugWyniku wedlug_wyniku(modele);
    std::unordered_set<string> zbadane;  // a result's group is judged the same every time
    std::vector<string> wielokrotny_bez_ograniczen;
    for (const ModelWyniku& ziarno : modele) {
        if (!ziarno.oblicza || !zbadane.insert(ziarno.wynik).second) continue;
        const Warunki grupa = wedlug_wyniku.warunki(ziarno.wynik);
        if (grupa.size() >= 2 && !wykluczaja_sie(ctx, grupa)) wielokrotny_bez_ograniczen.push_back(ziarno.wynik);
    }
    if (wielokrotny_bez_ograniczen.empty()) return true;
    pisz_wspolny_tekst(ctx, otwarcie(t.naglowek, wielokrotny_bez_ograniczen.front()));
    return false;
}

}  // namespace

bool testuj_wyniki_wielokrotne_bez_ograniczen(Context& ctx)
{
    for (const TestMieszany& t : kTestyMieszane)
        if (!wyniki_wielokrotne_mieszane(ctx, t)) return false;
    for (const TestJednorodny& t : kTestyJednorodne)
        if (!wyniki_wielokrotne(ctx, t)) return false;
    return true;
}

bool testuj_wyniki_wszystkich_modeli_bez_ograniczen(Context& ctx)
{
    if (ctx.db.stan.nazwa_mo.empty() || !ctx.db.baza_ograniczen.nazwa_og.empty()) return true;
    return testuj_wyniki_wielokrotne_bez_ograniczen(ctx);
}

}  // namespace diagnostics
