// The CF checks of the models of a freshly loaded model base. They read the models, report the
// first wrong CF and forget the model base as a unit; they record no fact and never fail.
// Report lines go to the window and the report text, their line breaks to the window only.
#include "load/cf_modeli.h"

#include <algorithm>
#include <array>
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

constexpr std::array<std::string_view, 14> kJednoargumentowe{
    "sqrt", "sin", "cos", "tan", "arctan", "log", "ln", "exp", "round", "trunc", "abs", "=",
    "zaokrąglenie_do_N", "A^N"};
// "zaokrąglenie_do_N" takes N from its second argument like "A^N", so it is checked whatever
// that argument is; otherwise such a model with a CF other than 1 would load unreported and
// never be applied.
constexpr std::array<std::string_view, 11> kDwuargumentowe{
    "+", "-", "*", "/", "div", "mod", "min", "max", "%", "A^N", "zaokrąglenie_do_N"};

template <std::size_t N>
bool jest_w(const std::array<std::string_view, N>& tabela, std::string_view op)
{
    return std::find(tabela.begin(), tabela.end(), op) != tabela.end();
}

bool cf_rowne_1(std::string_view cf)
{
    const auto r = text::text_to_real(cf);
    return r && *r == 1.0;
}

// A report line through the report writers, then a line break of the window only.
void linia(Context& ctx, std::string_view tekst)
{
    kb::pisz_tuto(ctx, tekst);
    ctx.ui.write("\n");
}

struct RodzajModelu {
    std::string_view slowo;        // "arytmetycznych", "liniowych", "wielomianowych"
    std::string_view trzecia_linia;
};

constexpr RodzajModelu kArytmetyczne{"arytmetycznych", "Przejdź do 'Bazy modeli,'"};
constexpr RodzajModelu kLiniowe{"liniowych", "Przejdź do 'Działania w bazie modeli,'"};
constexpr RodzajModelu kWielomianowe{"wielomianowych", "Przejdź do 'Działania w bazie modeli,'"};

void testuj_cf_rowne_1(Context& ctx, const RodzajModelu& rodzaj, std::int32_t numer, std::string_view cf)
{
    if (cf_rowne_1(cf)) return;
    const std::string slowo(rodzaj.slowo);
    kb::pisz_tuto(ctx, "Błędna wartość CF = ");
    kb::pisz_tuto(ctx, cf);
    kb::pisz_tuto(ctx, " dla modelu ");
    kb::pisz_tuto_int(ctx, numer);
    linia(ctx, ".");
    linia(ctx, "Dla modeli " + slowo + " CF musi być równe 1.");
    linia(ctx, rodzaj.trzecia_linia);
    linia(ctx, "wybierz opcję 'Edycja bazy modeli', ");
    kb::pisz_tuto(ctx, "wybierz błędną bazę i usuń błąd.");
    ctx.ui.note("Błędna wartość CF dla modelu!",
                "Błędna wartość CF = " + std::string(cf) + "dla modelu " + text::int_to_text(numer) + "." +
                    "\nDla modeli " + slowo + " CF musi być równe 1" + "\nPrzejdź do 'Bazy modeli'" +
                    "\nwybierz opcję 'Edycja bazy modeli', " + "\nwybierz błędną bazę i usuń błąd.");
    kb::forget_model_base(ctx);
}

}  // namespace

bool jest_operacja_cf_jednoargumentowa(std::string_view op) { return jest_w(kJednoargumentowe, op); }
bool jest_operacja_cf_dwuargumentowa(std::string_view op) { return jest_w(kDwuargumentowe, op); }

void testuj_cf_arytmetyczne(Context& ctx, std::int32_t numer, std::string_view cf)
{
    testuj_cf_rowne_1(ctx, kArytmetyczne, numer, cf);
}

void testuj_cf_liniowe(Context& ctx, std::int32_t numer, std::string_view cf)
{
    testuj_cf_rowne_1(ctx, kLiniowe, numer, cf);
}

void testuj_cf_wielomianowe(Context& ctx, std::int32_t numer, std::string_view cf)
{
    testuj_cf_rowne_1(ctx, kWielomianowe, numer, cf);
}

namespace {

// Any text that is no number and holds no decimal comma names a variable.
bool cf_zmienna(std::string_view cf) { return !text::text_to_real(cf) && cf.find(',') == std::string_view::npos; }

}  // namespace

void testuj_cf_relacyjne(Context& ctx, std::int32_t numer, std::string_view cf)
{
    if (cf_zmienna(cf)) return;
    linia(ctx, "Błąd deklaracji współczynnika pewności dla modelu relacyjnego!");
    linia(ctx, "Współczynnik pewności modelu relacyjnego musi być zmienną");
    linia(ctx, "rzeczywistą swobodną, która zostanie ukonkretniona dopiero");
    linia(ctx, "w trakcie wnioskowania.");
    ctx.ui.write("\n");
    linia(ctx, "Przejdź do 'Działania w bazie modeli,'");
    linia(ctx, "wybierz opcję 'Edycja bazy modeli', ");
    kb::pisz_tuto(ctx, "wybierz błędną bazę i usuń błąd z modelu ");
    kb::pisz_tuto_int(ctx, numer);
    kb::pisz_tuto(ctx, ".");
    ctx.ui.note("Błąd deklaracji współczynnika pewności dla modelu relacyjnego!",
                std::string("Współczynnik pewności modelu relacyjnego musi być zmienną") +
                    "\nrzeczywistą swobodną, która zostanie ukonkretniona dopiero" + "w trakcie wnioskowania." +
                    "\nPrzejdź do 'Bazy modeli',wybierz błędną bazę i usuń błąd z modelu " +
                    text::int_to_text(numer) + ".");
    kb::forget_model_base(ctx);
}

// Each check reports the first model with a wrong CF only: the report forgets the model base,
// so no other is left to report (nor for the checks after it).
namespace {

template <class M, class Zly, class Zglos>
void pierwszy_zly(const facts::FactList<M>& modele, Zly zly, Zglos zglos)
{
    if (auto m = modele.first(zly)) zglos(*m);
}

// The tests of one check by name: a base names few CF values and operations, each worked out
// once. One object per check, which tests its operations with one test only.
class TestyNazw {
public:
    bool cf_zle(facts::Name cf) { return !cf_1_.of(cf, cf_rowne_1); }
    bool cf_nie_zmienna(facts::Name cf) { return !cf_zmienna_.of(cf, cf_zmienna); }
    bool zero(facts::Name n) { return zero_.of(n, [](std::string_view t) { return t == "0"; }); }
    template <class Test>
    bool operacja(facts::Name op, Test test)
    {
        return operacja_.of(op, test);
    }

private:
    kb::NameMemo<bool> cf_1_;
    kb::NameMemo<bool> cf_zmienna_;
    kb::NameMemo<bool> zero_;
    kb::NameMemo<bool> operacja_;
};

}  // namespace

void testuj_cf_modeli_arytmetycznych_rozwinietych(Context& ctx)
{
    TestyNazw t;
    pierwszy_zly(
        ctx.db.baza_modeli.model_r,
        [&](const kb::ModelR& m) { return t.operacja(m.operacja, kb::jest_operacja_listowa) && t.cf_zle(m.cf); },
        [&](const kb::ModelR& m) { testuj_cf_arytmetyczne(ctx, m.numer, m.cf); });
}

void testuj_cf_modeli_arytmetycznych_elementarnych_1(Context& ctx)
{
    TestyNazw t;
    pierwszy_zly(
        ctx.db.baza_modeli.model,
        [&](const kb::Model& m) {
            return t.zero(m.argument2) && t.operacja(m.operacja, jest_operacja_cf_jednoargumentowa) &&
                   t.cf_zle(m.cf);
        },
        [&](const kb::Model& m) { testuj_cf_arytmetyczne(ctx, m.numer, m.cf); });
}

void testuj_cf_modeli_arytmetycznych_elementarnych_2(Context& ctx)
{
    TestyNazw t;
    pierwszy_zly(
        ctx.db.baza_modeli.model,
        [&](const kb::Model& m) { return t.operacja(m.operacja, jest_operacja_cf_dwuargumentowa) && t.cf_zle(m.cf); },
        [&](const kb::Model& m) { testuj_cf_arytmetyczne(ctx, m.numer, m.cf); });
}

void testuj_cf_modeli_liniowych(Context& ctx)
{
    TestyNazw t;
    pierwszy_zly(
        ctx.db.baza_modeli.model_liniowy, [&](const kb::ModelLiniowy& m) { return t.cf_zle(m.cf); },
        [&](const kb::ModelLiniowy& m) { testuj_cf_liniowe(ctx, m.numer, m.cf); });
}

void testuj_cf_modeli_relacyjnych_elementarnych(Context& ctx)
{
    TestyNazw t;
    pierwszy_zly(
        ctx.db.baza_modeli.model,
        [&](const kb::Model& m) { return t.operacja(m.operacja, kb::jest_relacja) && t.cf_nie_zmienna(m.cf); },
        [&](const kb::Model& m) { testuj_cf_relacyjne(ctx, m.numer, m.cf); });
}

void testuj_cf_modeli_relacyjnych_rozwinietych(Context& ctx)
{
    TestyNazw t;
    pierwszy_zly(
        ctx.db.baza_modeli.model_r,
        [&](const kb::ModelR& m) {
            return t.operacja(m.operacja, kb::jest_relacja_przedzialowa) && t.cf_nie_zmienna(m.cf);
        },
        [&](const kb::ModelR& m) { testuj_cf_relacyjne(ctx, m.numer, m.cf); });
}

void testuj_cf_modeli_wielomianowych(Context& ctx)
{
    TestyNazw t;
    pierwszy_zly(
        ctx.db.baza_modeli.model_wielomianowy, [&](const kb::ModelWielomianowy& m) { return t.cf_zle(m.cf); },
        [&](const kb::ModelWielomianowy& m) { testuj_cf_wielomianowe(ctx, m.numer, m.cf); });
}

void testuj_cf_modeli(Context& ctx)
{
    testuj_cf_modeli_arytmetycznych_rozwinietych(ctx);
    testuj_cf_modeli_arytmetycznych_elementarnych_1(ctx);
    testuj_cf_modeli_arytmetycznych_elementarnych_2(ctx);
    testuj_cf_modeli_liniowych(ctx);
    testuj_cf_modeli_relacyjnych_elementarnych(ctx);
    testuj_cf_modeli_relacyjnych_rozwinietych(ctx);
    testuj_cf_modeli_wielomianowych(ctx);
}

}  // namespace load
