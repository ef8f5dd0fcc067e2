// The explanation of an applied extended arithmetic model: its list formula over the argument
// names and the value it is given, nothing for a silent model, a refusal for any other display
// flag. It computes nothing.
#include <optional>

#include "explain/ramka.h"
#include "explain/relacje.h"
#include "explain/wiersze.h"
#include "explain/wyjasnienia_modeli.h"
#include "platform/factfile.h"

namespace explain {

namespace {

bool lista_skrajna(const std::string& operacja) { return operacja == "min_list" || operacja == "max_list"; }

// The formula lines over the argument names: one name alone; "min_list" and "max_list" on one
// line; otherwise a line per name, each but the last closed by two blanks and the operation. The
// trace copy is indented by one blank more.
void pisz_dzialania(Tekst& t, const std::string& operacja, const facts::SList& argumenty)
{
    if (argumenty.size() == 1) {
        t.rozne("      " + argumenty.front(), "       " + argumenty.front());
        return;
    }
    if (lista_skrajna(operacja)) {
        // The names reach the window only; the report keeps the operation's line.
        t.pisany("      " + operacja + "  ", argumenty);
        t.slad("       " + operacja + "  " + factfile::to_text(argumenty));
        return;
    }
    // A sum or product of no arguments has the formula of no lines: its value (0 or 1) is still
    // explained, as the silent model would still be applied.
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string czlon = i + 1 < argumenty.size() ? argumenty[i] + "  " + operacja : argumenty[i];
        t.rozne("      " + czlon, "       " + czlon);
    }
}

}  // namespace

bool wyjasnienie_model_matematyczny_2(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double wartosc)
{
    const std::optional<kb::ModelR> m = ctx.db.baza_modeli.model_r.first([&](const kb::ModelR& x) {
        return x.numer == numer && x.wynik == wynik && x.wyswietlanie == 1 && czyta_sie_jako(x.cf, 1.0) &&
               !jest_relacja_modelu(x.operacja);
    });
    if (!m) {
        return ctx.db.baza_modeli.model_r.any(
            [&](const kb::ModelR& x) { return x.numer == numer && x.wynik == wynik && x.wyswietlanie == 0; });
    }
    wyczysc_slad(ctx);
    Tekst t;
    t.oba("Stosuję model arytmetyczny rozwinięty " + numer_tekstem(m->numer) + " o postaci:");
    t.rozne("dla spełnionego warunku stosowania modelu: ", "dla spełnionego warunku stosowania modelu:");
    t.oba("    " + m->warunek_stosowania);
    t.oba("zachodzi z współczynnikiem CF = 1 ");
    t.oba("    " + wynik + " = ");
    pisz_dzialania(t, m->operacja, m->argumenty.strings());
    t.rozne("Stąd wynika: ", "Stąd wynika:");
    t.rozne("  " + wynik + " = " + sprv(wartosc), "    " + wynik + " = " + sprv(wartosc));
    t.pisany("");
    pokaz_wyjasnienie(ctx, t, "Wyjaśnienie modelu arytmetycznego rozwiniętego ");
    return true;
}

}  // namespace explain
