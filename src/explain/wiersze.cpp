// Carrying an explanation's two copies out: written lines through the report writers, trace
// lines into the dialog data channel.
#include "explain/wiersze.h"

#include "explain/ramka.h"
#include "kb/dopytywalne_regul.h"
#include "kb/pisz.h"
#include "platform/text.h"

namespace explain {

void Tekst::oba(std::string wiersz)
{
    pisane_.push_back({wiersz, {}});
    slad_.push_back(std::move(wiersz));
}

void Tekst::rozne(std::string pisany, std::string slad)
{
    pisane_.push_back({std::move(pisany), {}});
    slad_.push_back(std::move(slad));
}

void Tekst::pisany(std::string wiersz, facts::SList tylko_w_oknie)
{
    pisane_.push_back({std::move(wiersz), std::move(tylko_w_oknie)});
}

void Tekst::slad(std::string linia) { slad_.push_back(std::move(linia)); }

void Tekst::wypisz(kb::Context& ctx)
{
    std::vector<std::string> slad = std::move(slad_);
    wypisz_pisane(ctx);
    for (const std::string& linia : slad) dodaj_linie_sladu(ctx, linia);
}

void Tekst::wypisz_pisane(kb::Context& ctx)
{
    for (const WierszPisany& w : pisane_) {
        if (!w.tekst.empty()) kb::pisz_tuto(ctx, w.tekst);
        kb::pisz_liste(ctx, w.tylko_w_oknie);
        kb::piszcr(ctx);
    }
    pisane_.clear();
    slad_.clear();
}

void pokaz_wyjasnienie(kb::Context& ctx, Tekst& tekst, std::string_view naglowek)
{
    tekst.wypisz(ctx);
    ustaw_naglowek(ctx, naglowek);
    pokaz_slad(ctx);
}

bool wynik_wzoru(kb::Context& ctx, Tekst& t, bool wzor, const std::string& wynik, double wartosc,
                 std::string_view naglowek)
{
    if (!wzor) {
        t.wypisz(ctx);
        return false;
    }
    t.rozne("Stąd wynika: ", "Stąd wynika:");
    t.oba("    " + wynik + " = " + sprv(wartosc));
    t.pisany("");
    pokaz_wyjasnienie(ctx, t, naglowek);
    return true;
}

bool czyta_sie_jako(std::string_view tekst, double x)
{
    const std::optional<double> v = text::text_to_real(tekst);
    return v && *v == x;
}

std::string numer_tekstem(std::int32_t numer) { return text::int_to_text(numer); }

}  // namespace explain
