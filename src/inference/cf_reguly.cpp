// The CF of a rule or model from its text, or from the declaration loop.
#include "inference/cf_reguly.h"

#include <optional>

#include "explain/ramka.h"
#include "inference/pytanie_cf.h"
#include "kb/pisz.h"
#include "load/cf_regul.h"
#include "platform/text.h"

namespace inference {

namespace {

// Asks until an answer passes the range test; every attempt writes its line and adds its heading.
Odpowiedz deklaracja(kb::Context& ctx, const std::string& nazwa)
{
    const char* const zadeklaruj = "Zadeklaruj CF z przedziału [-1,1]";
    for (;;) {
        kb::pisz_tuto(ctx, zadeklaruj);
        kb::piszcr(ctx);
        explain::dodaj_naglowek(ctx, zadeklaruj);
        const Wymiana w = wymiana_cf(ctx, nazwa);
        if (w.stan == Wymiana::Stan::liczba && testuj_cf_warunku(ctx, nazwa, w.cf)) return {w.cf, w.tekst};
    }
}

}  // namespace

double wyznacz_cf(kb::Context& ctx, const std::string& nazwa, const std::string& cf)
{
    if (load::poprawny_cf(cf)) return *text::text_to_real(cf);
    const Odpowiedz odp = deklaracja(ctx, nazwa);
    kb::pisz_tuto(ctx, "   CF(" + nazwa + ") = " + cf + " = " + odp.tekst);
    kb::piszcr(ctx);
    return odp.cf;
}

double wyznacz_cf_negatywne(kb::Context& ctx, const std::string& nazwa)
{
    const Odpowiedz odp = deklaracja(ctx, nazwa);
    kb::pisz_tuto(ctx, "   CF(" + nazwa + ") = " + odp.tekst);
    kb::piszcr(ctx);
    return odp.cf;
}

}  // namespace inference
