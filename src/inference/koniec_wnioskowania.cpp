// The end of a forward run when nothing applies any more: the closing texts, the final listings
// at the detail level "duża", the summary offer, the advice (asked for when an advice base is
// loaded) and the report offer. A run stopped by "koniec" never comes here.
#include <string>

#include "explain/listy_wartosci.h"
#include "explain/ramka.h"
#include "inference/kroki_w_przod.h"
#include "inference/listowanie_koncowe.h"
#include "inference/podsumowanie.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/stan_przebiegu.h"
#include "kb/pisz.h"
#include "platform/text.h"
#include "platform/toolkit.h"
#include "windows/wybor_mediow.h"

namespace inference {

namespace {

constexpr const char* kBrakMozliwosci = "Brak możliwości dalszego wnioskowania!";
constexpr const char* kToJuzWszystko = "To już wszystko, co wynika z bazy wiedzy ";
constexpr const char* kZFaktow = "z zadeklarowanych faktów i wartości argumentów.";
constexpr const char* kKoniecEksperta = "Koniec wnioskowania ekspertowego.";

void zamkniecie(kb::Context& ctx, const std::string& wyroznik)
{
    ctx.ui.note("Uwaga!", std::string(kBrakMozliwosci) + "\n\nTeraz czas na podsumowanie!");
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, kBrakMozliwosci);
    kb::piszcr(ctx);
    kb::piszcr(ctx);
    listowanie_koncowe(ctx);
    kb::pisz_tuto(ctx, kToJuzWszystko + wyroznik + ",");
    kb::piszcr(ctx);
    ctx.ui.note("Uwaga!", kToJuzWszystko + text::to_upper(wyroznik) + ",\n" + kZFaktow + "\n\n" + kKoniecEksperta);
    kb::pisz_tuto(ctx, kZFaktow);
    kb::piszcr(ctx);
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, kKoniecEksperta);
    kb::piszcr(ctx);
    kb::piszcr(ctx);
}

Krok raport_na_koniec(kb::Context& ctx) { return kb::raport(ctx) ? Krok::koniec_udany : Krok::koniec_nieudany; }

}  // namespace

void listowanie_koncowe(kb::Context& ctx)
{
    ctx.db.stan.szczegolowosc.set("duża");
    przedstawienie_faktow(ctx);
    kb::piszcr(ctx);
    explain::przedstawienie_zmiennych(ctx);
    kb::piszcr(ctx);
}

void udziel_rady(kb::Context& ctx)
{
    if (!ctx.db.stan.nazwa_ra.empty()) windows::choose_advice(ctx);
}

Krok koniec_wnioskowania(kb::Context& ctx)
{
    if (!zrob_koniec(ctx)) return Krok::nie_dotyczy;
    // Alternative 18: without the mark of the bases it does not apply, and 19 follows at once.
    if (const std::optional<std::string> wyroznik = ctx.db.stan.wyroznik.first()) {
        explain::wyczysc_slad(ctx);
        ctx.db.dane.tytul.remove_all();
        zamkniecie(ctx, *wyroznik);
        podsumowanie(ctx);
        if (!ctx.db.stan.nazwa_ra.empty() &&
            ctx.ui.question("Możesz uzyskać radę", "Chcesz uzyskać radę?", {"Tak", "Nie"}) == 1)
            return raport_na_koniec(ctx);
    }
    // Alternative 19.
    udziel_rady(ctx);
    return raport_na_koniec(ctx);
}

}  // namespace inference
