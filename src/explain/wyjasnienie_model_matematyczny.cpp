// The explanation of an applied basic arithmetic model: the one-argument, two-argument or
// rounding form by the model's argument 2 and operation, nothing for a silent model, and a
// refusal for any other display flag. It shows the value it is given; it computes nothing.
#include <optional>

#include "explain/ramka.h"
#include "explain/relacje.h"
#include "explain/wiersze.h"
#include "explain/wyjasnienia_modeli.h"
#include "kb/pisz.h"

namespace explain {

namespace {

constexpr const char* kNaglowek = "Wyjaśnienie modelu arytmetycznego podstawowego";
constexpr const char* kZaokraglenie = "zaokrąglenie_do_N";

// An explained model (display flag 1) that the engines apply: certain (CF text 1) and not a
// relation.
bool objasniany(const kb::Model& m, std::int32_t numer, const std::string& wynik)
{
    return m.numer == numer && m.wynik == wynik && m.wyswietlanie == 1 && czyta_sie_jako(m.cf, 1.0) &&
           !jest_relacja_modelu(m.operacja);
}

std::optional<kb::Model> znajdz(kb::Context& ctx, std::int32_t numer, const std::string& wynik, bool jednoargumentowy)
{
    return ctx.db.baza_modeli.model.first([&](const kb::Model& m) {
        return objasniany(m, numer, wynik) && m.operacja != kZaokraglenie &&
               czyta_sie_jako(m.argument2, 0.0) == jednoargumentowy;
    });
}

// The operation piece of the one-argument formula, written into the current line: the
// operation and a blank, or nothing for "=".
std::string testpisz(kb::Context& ctx, const std::string& operacja)
{
    if (operacja == "=") return "";
    kb::pisz_tuto(ctx, operacja + " ");
    return operacja + " ";
}

void pokaz(kb::Context& ctx, Tekst& tekst)
{
    wyczysc_slad(ctx);
    tekst.wypisz(ctx);
    ustaw_naglowek(ctx, kNaglowek);
    pokaz_slad(ctx);
}

void postac_jednoargumentowa(kb::Context& ctx, const kb::Model& m, const std::string& wynik, double wartosc)
{
    Tekst t;
    const std::string nr = numer_tekstem(m.numer);
    t.rozne("Stosuję model arytmetyczny podstawowy " + nr + " o postaci: ",
            "Stosuję model arytmetyczny podstawowy " + nr + " o postaci:");
    t.rozne("dla spełnionego warunku stosowania modelu: ", "dla spełnionego warunku stosowania: ");
    t.oba("    " + m.warunek_stosowania);
    t.oba("zachodzi z współczynnikiem CF = 1 ");
    t.wypisz(ctx);
    // The formula line is written piece by piece: the operation comes from testpisz.
    kb::pisz_tuto(ctx, "    " + wynik + " = ");
    const std::string operacja = testpisz(ctx, m.operacja);
    kb::pisz_tuto(ctx, " " + m.argument1);
    kb::piszcr(ctx);
    dodaj_linie_sladu(ctx, "    " + wynik + " = " + operacja + " " + m.argument1);
    t.slad(" ");
    t.rozne("Stąd wynika: ", "Stąd wynika:");
    t.oba("    " + wynik + " = " + sprv(wartosc));
    t.pisany("");
    t.wypisz(ctx);
}

void postac_dwuargumentowa(Tekst& t, const kb::Model& m, const std::string& wynik, double wartosc)
{
    const std::string nr = numer_tekstem(m.numer);
    t.oba("Stosuję model arytmetyczny podstawowy " + nr + " o postaci:");
    t.rozne("dla spełnionego warunku startowego modelu: ", "dla spełnionego warunku startowego modelu:");
    t.oba("    " + m.warunek_stosowania);
    t.oba("zachodzi z współczynnikiem CF = 1 ");
    t.oba("    " + wynik + " = " + m.argument1 + " " + m.operacja + " " + m.argument2);
    t.rozne("Stąd wynika: ", "Stąd wynika:");
    t.oba("    " + wynik + " = " + sprv(wartosc));
    t.pisany("");
}

void postac_zaokraglenia(Tekst& t, const kb::Model& m, const std::string& wynik, double wartosc)
{
    const std::string nr = numer_tekstem(m.numer);
    t.oba("Stosuję model arytmetyczny podstawowy " + nr + " o postaci:");
    t.rozne("dla spełnionego warunku stosowania modelu ", "dla spełnionego warunku stosowania modelu:");
    t.oba("    " + m.warunek_stosowania);
    t.oba("zachodzi z współczynnikiem CF = 1");
    t.oba("    " + wynik + " = " + m.argument1 + " " + m.operacja + " " + m.argument2);
    t.rozne("Stąd wynika: ", "Stąd wynika:");
    t.rozne("  " + wynik + " = " + sprv(wartosc), "    " + wynik + " = " + sprv(wartosc));
    t.pisany("");
}

}  // namespace

bool wyjasnienie_model_matematyczny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double wartosc)
{
    if (const std::optional<kb::Model> m = znajdz(ctx, numer, wynik, true)) {
        wyczysc_slad(ctx);
        postac_jednoargumentowa(ctx, *m, wynik, wartosc);
        ustaw_naglowek(ctx, kNaglowek);
        pokaz_slad(ctx);
        return true;
    }
    if (ctx.db.baza_modeli.model.any(
            [&](const kb::Model& m) { return m.numer == numer && m.wynik == wynik && m.wyswietlanie == 0; }))
        return true;
    if (const std::optional<kb::Model> m = znajdz(ctx, numer, wynik, false)) {
        Tekst t;
        postac_dwuargumentowa(t, *m, wynik, wartosc);
        pokaz(ctx, t);
        return true;
    }
    // Whatever came before this explanation ended its line; the rounding form opens with an
    // empty one, written before the model is sought.
    kb::piszcr(ctx);
    const std::optional<kb::Model> m = ctx.db.baza_modeli.model.first(
        [&](const kb::Model& x) { return objasniany(x, numer, wynik) && x.operacja == kZaokraglenie; });
    if (!m) return false;
    Tekst t;
    postac_zaokraglenia(t, *m, wynik, wartosc);
    pokaz(ctx, t);
    return true;
}

}  // namespace explain
