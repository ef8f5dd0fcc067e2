// The structure checks of the models of a freshly loaded model base. They read the models,
// report the first faulty one and forget the model base as a unit; they record no fact and
// never fail. Report lines go to the window and the report text, their breaks to the window only.
#include "load/struktura_modeli.h"

#include <string>

#include "kb/baza_modeli.h"
#include "kb/name_memo.h"
#include "kb/pisz.h"
#include "kb/widoki_modeli.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {

namespace {

using kb::Context;

// A report line through the report writers, then a line break of the window only.
void linia(Context& ctx, std::string_view tekst)
{
    kb::pisz_tuto(ctx, tekst);
    ctx.ui.write("\n");
}

void koniec_raportu(Context& ctx)
{
    linia(ctx, "Przejdź do 'Działania w bazie modeli,'");
    linia(ctx, "wybierz opcję 'Edycja bazy modeli', ");
    kb::pisz_tuto(ctx, "wybierz błędną bazę i usuń błąd.");
}

const char* const kKoniecNoty =
    "\nPrzejdź do 'Bazy modeli'"
    "\nwybierz opcję 'Edycja bazy modeli', "
    "\nwybierz błędną bazę i usuń błąd.";

void zglos_symbol(Context& ctx, std::int32_t numer, std::string_view symbol)
{
    kb::pisz_tuto(ctx, "Błędna operacja/relacja ");
    kb::pisz_tuto(ctx, symbol);
    kb::pisz_tuto(ctx, " dla modelu ");
    kb::pisz_tuto_int(ctx, numer);
    linia(ctx, ".");
    koniec_raportu(ctx);
    ctx.ui.note("Błędna operacja/relacja dla modelu", "Błędna operacja/relacja " + std::string(symbol) +
                                                          "dla modelu " + text::int_to_text(numer) + "." +
                                                          kKoniecNoty);
    kb::forget_model_base(ctx);
}

struct RodzajListy {
    std::string_view model;   // "W modelu liniowym "
    std::string_view listy;   // "lista współczynników i lista zmiennych"
};

constexpr RodzajListy kLiniowy{"W modelu liniowym ", "lista współczynników i lista zmiennych"};
constexpr RodzajListy kWielomianowy{"W modelu wielomianowym ", "lista współczynników i lista potęg"};

void zglos_listy(Context& ctx, const RodzajListy& rodzaj, std::int32_t numer)
{
    kb::pisz_tuto(ctx, rodzaj.model);
    kb::pisz_tuto_int(ctx, numer);
    kb::pisz_tuto(ctx, " ");
    linia(ctx, rodzaj.listy);
    linia(ctx, "są różnej długości.");
    koniec_raportu(ctx);
    ctx.ui.note("Listy różnej długości", std::string(rodzaj.model) + text::int_to_text(numer) + "\n" +
                                             std::string(rodzaj.listy) + "\nsą różnej długości." + kKoniecNoty);
    kb::forget_model_base(ctx);
}

}  // namespace

// The basic table is the 23 arithmetic operations and the 7 relations; the extended one the 4
// list operations and the 4 interval relations.
bool jest_symbolem_modelu_elementarnego(std::string_view symbol)
{
    return kb::jest_operacja_arytmetyczna(symbol) || kb::jest_relacja(symbol);
}

bool jest_symbolem_modelu_rozwinietego(std::string_view symbol)
{
    return kb::jest_operacja_listowa(symbol) || kb::jest_relacja_przedzialowa(symbol);
}

void testuj_operacje_relacje_elementarne(Context& ctx, std::int32_t numer, std::string_view symbol)
{
    if (!jest_symbolem_modelu_elementarnego(symbol)) zglos_symbol(ctx, numer, symbol);
}

void testuj_operacje_relacje_rozwiniete(Context& ctx, std::int32_t numer, std::string_view symbol)
{
    if (!jest_symbolem_modelu_rozwinietego(symbol)) zglos_symbol(ctx, numer, symbol);
}

// Each model is judged by its own lists: a model whose CF is not written "1" is evaluated all
// the same once the CF check has passed it, and evaluating unequal lists fails mid-inference.
void testuj_modele_liniowe(Context& ctx, const kb::ModelLiniowy& m)
{
    if (m.wspolczynniki.size() != m.zmienne.size()) zglos_listy(ctx, kLiniowy, m.numer);
}

void testuj_modele_wielomianowe(Context& ctx, const kb::ModelWielomianowy& m)
{
    if (m.wspolczynniki.size() != m.wykladniki.size()) zglos_listy(ctx, kWielomianowy, m.numer);
}

// Each check reports the first faulty model only: the report forgets the model base, so no
// other is left to report (nor for the checks after it).
namespace {

template <class M, class Zly, class Zglos>
void pierwszy_zly(const facts::FactList<M>& modele, Zly zly, Zglos zglos)
{
    if (auto m = modele.first(zly)) zglos(*m);
}

}  // namespace

// A base names few operations: each is tested once.
void testuj_operacje_relacje_modeli_elementarnych(Context& ctx)
{
    kb::NameMemo<bool> symbole;
    pierwszy_zly(
        ctx.db.baza_modeli.model,
        [&](const kb::Model& m) { return !symbole.of(m.operacja, jest_symbolem_modelu_elementarnego); },
        [&](const kb::Model& m) { testuj_operacje_relacje_elementarne(ctx, m.numer, m.operacja); });
}

void testuj_operacje_relacje_modeli_rozwinietych(Context& ctx)
{
    kb::NameMemo<bool> symbole;
    pierwszy_zly(
        ctx.db.baza_modeli.model_r,
        [&](const kb::ModelR& m) { return !symbole.of(m.operacja, jest_symbolem_modelu_rozwinietego); },
        [&](const kb::ModelR& m) { testuj_operacje_relacje_rozwiniete(ctx, m.numer, m.operacja); });
}

void testuj_listy_modeli_liniowych(Context& ctx)
{
    pierwszy_zly(
        ctx.db.baza_modeli.model_liniowy,
        [](const kb::ModelLiniowy& m) { return m.wspolczynniki.size() != m.zmienne.size(); },
        [&](const kb::ModelLiniowy& m) { testuj_modele_liniowe(ctx, m); });
}

void testuj_listy_modeli_wielomianowych(Context& ctx)
{
    pierwszy_zly(
        ctx.db.baza_modeli.model_wielomianowy,
        [](const kb::ModelWielomianowy& m) { return m.wspolczynniki.size() != m.wykladniki.size(); },
        [&](const kb::ModelWielomianowy& m) { testuj_modele_wielomianowe(ctx, m); });
}

void testuj_strukture_modeli(Context& ctx)
{
    testuj_operacje_relacje_modeli_elementarnych(ctx);
    testuj_operacje_relacje_modeli_rozwinietych(ctx);
    testuj_listy_modeli_liniowych(ctx);
    testuj_listy_modeli_wielomianowych(ctx);
}

}  // namespace load
