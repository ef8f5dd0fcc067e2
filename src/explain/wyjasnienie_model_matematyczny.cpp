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

// The operation piece of the one-argument formula: the operation and a blank, or nothing for
// "=", so that two blanks stand before the argument either way.
std::string testpisz(const std::string& operacja) { return operacja == "=" ? "" : operacja + " "; }

void postac_jednoargumentowa(Tekst& t, const kb::Model& m, const std::string& wynik, double wartosc)
{
    const std::string nr = numer_tekstem(m.numer);
    t.rozne("Stosuję model arytmetyczny podstawowy " + nr + " o postaci: ",
            "Stosuję model arytmetyczny podstawowy " + nr + " o postaci:");
    t.rozne("dla spełnionego warunku stosowania modelu: ", "dla spełnionego warunku stosowania: ");
    t.oba("    " + m.warunek_stosowania);
    t.oba("zachodzi z współczynnikiem CF = 1 ");
    t.oba("    " + wynik + " = " + testpisz(m.operacja) + " " + m.argument1);
    t.slad(" ");
    t.rozne("Stąd wynika: ", "Stąd wynika:");
    t.oba("    " + wynik + " = " + sprv(wartosc));
    t.pisany("");
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
    Tekst t;
    if (const std::optional<kb::Model> m = znajdz(ctx, numer, wynik, true)) {
        postac_jednoargumentowa(t, *m, wynik, wartosc);
    } else if (ctx.db.baza_modeli.model.any([&](const kb::Model& x) {
                   return x.numer == numer && x.wynik == wynik && x.wyswietlanie == 0;
               })) {
        return true;
    } else if (const std::optional<kb::Model> m2 = znajdz(ctx, numer, wynik, false)) {
        postac_dwuargumentowa(t, *m2, wynik, wartosc);
    } else {
        // Whatever came before this explanation ended its line; the rounding form opens with an
        // empty one, written before the model is sought.
        kb::piszcr(ctx);
        const std::optional<kb::Model> m3 = ctx.db.baza_modeli.model.first(
            [&](const kb::Model& x) { return objasniany(x, numer, wynik) && x.operacja == kZaokraglenie; });
        if (!m3) return false;
        postac_zaokraglenia(t, *m3, wynik, wartosc);
    }
    wyczysc_slad(ctx);
    pokaz_wyjasnienie(ctx, t, kNaglowek);
    return true;
}

}  // namespace explain
