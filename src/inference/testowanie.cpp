// A hypothesis test as the user meets it: the candidates of the kind chosen, the hypothesis
// picked in dialog 10029, its evaluation, the result with its advice, pictures and sounds, the
// closing listings and texts, the summary and the report. A test ended by a stop rule offers
// nothing more; a hypothesis the base gives no answer for is told so, and the report offered.
#include "inference/testowanie.h"

#include <optional>
#include <string>

#include "inference/hipotezy.h"
#include "inference/listowanie_koncowe.h"
#include "inference/media_wnioskow.h"
#include "inference/ocena_hipotezy.h"
#include "inference/rada_wstecz.h"
#include "inference/podsumowanie.h"
#include "inference/sprzeczne_fakty.h"
#include "inference/stan_przebiegu.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "platform/text.h"
#include "platform/toolkit.h"
#include "windows/dialog_kroku.h"
#include "windows/dialogi_wyboru.h"

namespace inference {

namespace {

// The texts in which the two kinds of test differ.
struct Teksty {
    const char* zacheta;
    const char* tytul_listy;
    const char* pierwszy_wiersz;
    const char* nota_otwarcia;
    const char* wynika;
};

const Teksty& teksty(RodzajHipotezy rodzaj)
{
    static const Teksty waska{"Wybierz hipotezę w sensie wąskim!", "Hipoteza w sensie wąskim",
                              "Testuję hipotezę w sensie wąskim:  ", "Testuję hipotezę w sensie wąskim\n   ",
                              "wynika hipoteza w sensie wąskim:"};
    static const Teksty szeroka{"Wybierz hipotezę w sensie szerokim!", "Hipoteza w sensie szerokim",
                                "Testuję hipotezę w sensie szerokim: ", "Testuję hipotezę w sensie szerokim\n   ",
                                "wynika hipoteza w sensie szerokim:"};
    return rodzaj == RodzajHipotezy::waska ? waska : szeroka;
}

const char* naglowek_wyniku(const kb::Context& ctx, RodzajHipotezy rodzaj)
{
    if (rodzaj == RodzajHipotezy::waska && !ctx.db.stan.nazwa_mo.empty())
        return "Dla testowanej hipotezy w sensie wąskim jest:";
    return "Dla testowanej hipotezy jest:";
}

// Dialog 10029 over the candidates; the chosen one, or nullopt when none was chosen.
std::optional<std::string> wybor_hipotezy(kb::Context& ctx, RodzajHipotezy rodzaj)
{
    const facts::SList kandydaci = lista_hipotez(ctx, rodzaj);
    kb::Dane& d = ctx.db.dane;
    d.dane_str.remove_all();
    d.dane_lista_str.remove_all();
    d.tytul.remove_all();
    d.dane_int.remove_all();
    d.dane_str.add_last(teksty(rodzaj).zacheta);
    d.dane_lista_str.add_last(kandydaci);
    d.tytul.add_last(teksty(rodzaj).tytul_listy);
    windows::wybierz_fakt(ctx);
    const std::optional<std::int32_t> pozycja = d.dane_int.first();
    d.dane_int.remove_all();
    if (!pozycja) return std::nullopt;
    return kb::string_z_pozycji(kandydaci, *pozycja);
}

void otwarcie(kb::Context& ctx, RodzajHipotezy rodzaj, const std::string& hipoteza)
{
    kb::pisz_tuto(ctx, teksty(rodzaj).pierwszy_wiersz);
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, hipoteza);
    kb::piszcr(ctx);
    kb::piszcr(ctx);
    ctx.ui.note("Uwaga!", teksty(rodzaj).nota_otwarcia + hipoteza);
}

void wynik(kb::Context& ctx, RodzajHipotezy rodzaj, const std::string& wyroznik, const std::string& hipoteza, double cf)
{
    kb::pisz_tuto(ctx, naglowek_wyniku(ctx, rodzaj));
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, "CF(" + hipoteza + ") = ");
    kb::pisz_tuto_real(ctx, cf);
    kb::piszcr(ctx);
    kb::piszcr(ctx);
    kb::Dane& d = ctx.db.dane;
    d.dane_str.remove_all();
    d.tytul.remove_all();
    d.tytul.add_last("Wynik wnioskowania wstecz:");
    d.dane_str.add_last("Z bazy wiedzy " + wyroznik);
    d.dane_str.add_last("z zadeklarowanych faktów i z wartości argumentów");
    d.dane_str.add_last(teksty(rodzaj).wynika);
    d.dane_str.add_last("  " + hipoteza + "(" + text::real_to_text(cf) + ")");
    windows::pokaz_krok(ctx);
}

void zamkniecie(kb::Context& ctx, const std::string& wyroznik, const std::string& hipoteza)
{
    ctx.ui.note("Uwaga!", "Teraz czas na podsumowanie!");
    listowanie_koncowe(ctx);
    for (const std::string& s : {std::string("To już wszystko, co wynikło z bazy wiedzy ") + wyroznik,
                                 std::string("z zadeklarowanych faktów i wartości argumentów"),
                                 std::string("w trakcie testowania hipotezy:")}) {
        kb::pisz_tuto(ctx, s);
        kb::piszcr(ctx);
    }
    kb::pisz_tuto(ctx, hipoteza);
    ctx.ui.note("Koniec wnioskowania wstecz",
                "To już wszystko, co wynikło z bazy wiedzy  \n     " + wyroznik +
                    "\nz zadeklarowanych faktów i wartości argumentów\nw trakcie testowania hipotezy:\n    " +
                    hipoteza);
}

// The base gave the hypothesis no answer: said so, the cycles met on the way named, and a chain
// too long to follow; then the report is offered.
bool bez_odpowiedzi(kb::Context& ctx, const std::string& hipoteza)
{
    std::string powod = "Baza wiedzy nie daje odpowiedzi dla hipotezy\n   " + hipoteza;
    const facts::SList cykle = ctx.db.stan_ladowania.cykle_oceny.all();
    kb::pisz_tuto(ctx, "Hipotezy " + hipoteza + " nie można ocenić: baza wiedzy nie daje dla niej odpowiedzi.");
    kb::piszcr(ctx);
    if (!cykle.empty()) powod += "\n\nW bazie wiedzy jest cykl:";
    for (const std::string& cykl : cykle) powod += "\n   " + cykl;
    if (const std::optional<std::string> gleboko = ctx.db.stan_ladowania.zbyt_glebokie_oceny.first())
        powod += "\n\nŁańcuch wniosków prowadzący do " + *gleboko + " jest zbyt długi, by go ocenić.";
    ctx.ui.note("Uwaga!", powod);
    ctx.db.stan_ladowania.hipoteza.remove_all();
    return kb::raport(ctx);
}

bool test(kb::Context& ctx, RodzajHipotezy rodzaj)
{
    const std::optional<std::string> mark = ctx.db.stan.wyroznik.first();
    if (!mark) return false;
    const std::string wyroznik = text::to_upper(*mark);
    const std::optional<std::string> hipoteza = wybor_hipotezy(ctx, rodzaj);
    if (!hipoteza) return false;
    otwarcie(ctx, rodzaj, *hipoteza);
    ctx.db.stan_ladowania.hipoteza.add_last(*hipoteza);
    const std::optional<double> cf = ocena_hipotezy(ctx, *hipoteza);
    // A stop rule has ended inference and said so: nothing more is offered.
    if (!zrob_koniec(ctx)) {
        ctx.db.stan_ladowania.hipoteza.remove_all();
        return true;
    }
    if (!cf) {
        // Given facts contradicting an exact constraint: the listing has told the user.
        if (jest_blad_wykluczajacych(ctx)) {
            ctx.db.stan_ladowania.hipoteza.remove_all();
            return false;
        }
        return bez_odpowiedzi(ctx, *hipoteza);
    }
    wynik(ctx, rodzaj, wyroznik, *hipoteza, *cf);
    udziel_rady_wstecz(ctx, *hipoteza);
    wyswietl_grafike(ctx, *hipoteza, *cf);
    przesluchaj_melodie(ctx, *hipoteza, *cf);
    zamkniecie(ctx, wyroznik, *hipoteza);
    ctx.db.stan_ladowania.hipoteza.remove_all();
    podsumowanie(ctx);
    return kb::raport(ctx);
}

}  // namespace

bool opcja_z_menu_testowania(kb::Context& ctx, int rodzaj)
{
    if (rodzaj == 3) return true;
    if (rodzaj != 1 && rodzaj != 2) return false;
    if (jest_blad_wykluczajacych(ctx)) {
        ctx.ui.note("Uwaga!", std::string("Testowanie hipotezy nie jest możliwe!\n\n") + kBladWykluczajacych);
        return false;
    }
    return test(ctx, static_cast<RodzajHipotezy>(rodzaj));
}

bool testowanie_hipotezy(kb::Context& ctx)
{
    windows::hipoteza_wybor(ctx);
    const int rodzaj = ctx.db.dane.dane_int.first().value_or(1);
    ctx.db.dane.dane_int.remove_all();
    return opcja_z_menu_testowania(ctx, rodzaj);
}

}  // namespace inference
