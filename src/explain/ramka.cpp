// The trace operations over the dialog data channel, and the shared number text.
#include "explain/ramka.h"

#include "platform/text.h"
#include "windows/dialog_kroku.h"

namespace explain {

void wyczysc_slad(kb::Context& ctx) { ctx.db.dane.dane_str.remove_all(); }

void dodaj_linie_sladu(kb::Context& ctx, std::string_view linia) { ctx.db.dane.dane_str.add_last(std::string(linia)); }

void ustaw_naglowek(kb::Context& ctx, std::string_view naglowek)
{
    ctx.db.dane.tytul.remove_all();
    dodaj_naglowek(ctx, naglowek);
}

void dodaj_naglowek(kb::Context& ctx, std::string_view naglowek) { ctx.db.dane.tytul.add_last(std::string(naglowek)); }

void pokaz_slad(kb::Context& ctx) { windows::pokaz_krok(ctx); }

std::string sprv(double wartosc) { return text::real_to_text(wartosc); }

bool duza_szczegolowosc(const kb::Context& ctx) { return ctx.db.stan.szczegolowosc.contains("duża"); }

}  // namespace explain
