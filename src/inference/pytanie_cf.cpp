// The CF dialog exchange, the answer tests and the one question of an uncertain member.
#include "inference/pytanie_cf.h"

#include "inference/wypadkowe.h"
#include "kb/pisz.h"
#include "load/cf_regul.h"
#include "platform/text.h"
#include "platform/toolkit.h"
#include "windows/dialogi_wartosci.h"

namespace inference {

namespace {

void wyczysc_wymiane(kb::Context& ctx)
{
    ctx.db.dane.dane_cf_nazwa.remove_all();
    ctx.db.dane.dane_cf_wartosc.remove_all();
}

void odrzuc(kb::Context& ctx, const char* wiersz, const char* nota)
{
    kb::pisz_tuto(ctx, wiersz);
    kb::piszcr(ctx);
    ctx.ui.note("Note", nota);
    wyczysc_wymiane(ctx);
}

}  // namespace

Wymiana wymiana_cf(kb::Context& ctx, const std::string& nazwa)
{
    ctx.db.dane.dane_cf_nazwa.set(nazwa);
    windows::okresl_wartosc_cf(ctx);
    Wymiana w;
    const std::optional<std::string> tekst = ctx.db.dane.dane_cf_wartosc.first();
    wyczysc_wymiane(ctx);
    if (!tekst) return w;
    w.tekst = *tekst;
    const std::optional<double> cf = text::text_to_real(*tekst);
    if (!cf) {
        w.stan = Wymiana::Stan::nie_liczba;
        return w;
    }
    w.stan = Wymiana::Stan::liczba;
    w.cf = *cf;
    return w;
}

std::optional<Odpowiedz> zapytaj_o_cf(kb::Context& ctx, const std::string& nazwa, TestCf test)
{
    for (;;) {
        const Wymiana w = wymiana_cf(ctx, nazwa);
        if (w.stan == Wymiana::Stan::brak_odpowiedzi) return std::nullopt;
        if (w.stan == Wymiana::Stan::nie_liczba) continue;
        if (!load::poprawny_cf(w.tekst)) {
            if (test == TestCf::jeden) testuj_cf_warunku_1(ctx, nazwa, w.cf);
            else if (test == TestCf::dokladny) kontrola_cf(ctx, nazwa, w.cf);
            else testuj_cf_warunku(ctx, nazwa, w.cf);
            continue;
        }
        if (test == TestCf::jeden && !testuj_cf_warunku_1(ctx, nazwa, w.cf)) return std::nullopt;
        return Odpowiedz{w.cf, w.tekst};
    }
}

bool testuj_cf_warunku_1(kb::Context& ctx, const std::string&, double cf)
{
    if (cf == 1.0 || cf == -1.0) return true;
    odrzuc(ctx, "     Źle! Musi być -1 = CF  lub CF = 1 ! ", "Źle! Musi być -1 = CF  lub CF = 1 !");
    return false;
}

bool testuj_cf_warunku(kb::Context& ctx, const std::string&, double cf)
{
    if (cf >= -1.0 && cf <= 1.0) return true;
    odrzuc(ctx, "     Źle! Musi być -1 <= CF <= 1 ! ", "Źle! Musi być -1 <= CF <= 1 !");
    return false;
}

bool kontrola_cf(kb::Context& ctx, const std::string&, double cf)
{
    if (cf == 1.0 || cf == -1.0) return true;
    kb::pisz_tuto(ctx, "Źle! Warunki z listy warunków wzajemnie się wykluczających");
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, "z ograniczenia w bazie ograniczeń dokładnych mogą mieć wyłącznie");
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, "wartości CF równe 1 lub -1.");
    kb::piszcr(ctx);
    return false;
}

bool deklaruj_niepewny(kb::Context& ctx, const std::string& nazwa)
{
    kb::pisz_tuto(ctx, " Dla warunków z bazy ograniczeń niepewnych CF mieści się w przedziale[1,-1]");
    const std::optional<Odpowiedz> odp = zapytaj_o_cf(ctx, nazwa, TestCf::brak);
    if (!odp) return false;
    kb::pisz_tuto(ctx, "CF(" + nazwa + ") = ");
    kb::pisz_tuto_real(ctx, odp->cf);
    kb::piszcr(ctx);
    zapisz_warunek(ctx, nazwa, odp->cf);
    return true;
}

}  // namespace inference
