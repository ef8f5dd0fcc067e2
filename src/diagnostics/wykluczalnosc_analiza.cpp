// The analysis of conclusions that exclude each other, from the menu: the user chooses rules
// in dialog 10028, their first flattened forms are tested against each other under the chosen
// mode, and the verdicts are written. It changes no base and does not touch the report text.
#include <string>

#include "diagnostics/diagnozy.h"
#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "diagnostics/wybor_regul.h"
#include "diagnostics/wykluczalnosc.h"
#include "platform/toolkit.h"
#include "windows/dialogi_wyboru.h"

namespace diagnostics {
namespace {

std::string tekst_trybu(int tryb)
{
    switch (tryb) {
    case 1:
        return "Będziesz testował wnioski wybranych reguł na wykluczanie się do jednego. "
               "\nOznacza to, że jeden i tylko jeden z pośród testowanych wniosków może byc prawdą";
    case 2:
        return "Będziesz testował wnioski wybranych reguł na wykluczanie się do żadnego. "
               "\nOznacza to, że tylko jeden lub żaden z pośród testowanych wniosków może "
               "\nbyć prawdą. ";
    default:
        return "Będziesz testował wnioski wybranych reguł na niewykluczanie się."
               "\nOznacza to, że wiecej niż jeden z pośród testowanych wniosków może "
               "być prawdą. ";
    }
}

// The lines at the chosen positions, in the order of the positions; nullopt past the end.
std::optional<facts::SList> lista_wybranych_faktow(const facts::SList& linie, const facts::IList& pozycje)
{
    facts::SList out;
    for (std::int32_t p : pozycje) {
        if (p < 0 || static_cast<std::size_t>(p) >= linie.size()) return std::nullopt;
        out.push_back(linie[static_cast<std::size_t>(p)]);
    }
    return out;
}

// A chosen rule with no flattened form cannot be tested: the user is told which.
void bez_postaci(kb::Context& ctx, const kb::Regula& r)
{
    ctx.ui.note("Uwaga!", "Reguła " + std::to_string(r.numer) + " (wniosek " + r.wniosek +
                              ")\nnie ma postaci spłaszczonej, dlatego analiza wykluczalności\nnie zostanie "
                              "przeprowadzona.");
}

// The chosen rules as tested rules and as truth assumptions, each with its first form.
bool wyznacz_reguly(kb::Context& ctx, const facts::SList& wybrane)
{
    Flattener flattener(ctx);
    Omissions omissions;
    auto& w = ctx.db.wyniki_diagnoz;
    for (const std::string& linia : wybrane) {
        const std::optional<std::int32_t> numer = numer_z_linii(linia);
        if (!numer) return false;
        const std::optional<kb::Regula> r =
            ctx.db.baza_regul.regula.first([&](const kb::Regula& x) { return x.numer == *numer; });
        if (!r) return false;
        const Flattening& s = flattener.splaszcz(r->warunki);
        omissions.note(r->numer, r->wniosek, s);
        if (s.postacie.empty()) {
            if (omissions.empty()) bez_postaci(ctx, *r);
            omissions.tell(ctx);
            return false;
        }
        w.regula_do_testowania.add_last({r->numer, r->wniosek.str(), s.postacie.front().warunki});
        w.regula_do_generowania_prawdy.add_last(s.postacie.front().warunki);
    }
    omissions.tell(ctx);
    return true;
}

bool przedstaw_wnioski_wyznacz_reguly(kb::Context& ctx)
{
    const facts::SList linie = ctx.db.wyniki_diagnoz.nr_wniosek.all();
    auto& dane = ctx.db.dane;
    dane.dane_str.remove_all();
    dane.dane_lista_str.remove_all();
    dane.tytul.remove_all();
    dane.dane_int.remove_all();
    dane.dane_lista_int.remove_all();
    dane.dane_str.add_last("Wybierz wnioski, których wykluczalność chcesz testować!");
    dane.dane_lista_str.add_last(linie);
    dane.tytul.add_last("Wybór wniosków do testowania wykluczalności");
    windows::wybierz_liste_faktow(ctx);
    const std::optional<facts::IList> pozycje = dane.dane_lista_int.first();
    if (!pozycje) return false;
    const std::optional<facts::SList> wybrane = lista_wybranych_faktow(linie, *pozycje);
    if (!wybrane || !wyznacz_reguly(ctx, *wybrane)) return false;
    testuj(ctx, wyznacz_reguly_wszystkie(ctx));
    pisz_wnioski(ctx);
    return true;
}

bool czesc_wspolna(kb::Context& ctx)
{
    auto& w = ctx.db.wyniki_diagnoz;
    kasowanie_nr_wniosek(ctx);
    w.regula_do_generowania_prawdy.remove_all();
    w.regula_do_testowania.remove_all();
    w.wykluczenie.remove_all();
    w.wykluczenie_do_jednego.remove_all();
    w.wykluczenie_do_zadnego.remove_all();
    tworz_numer_wniosek(ctx);
    return przedstaw_wnioski_wyznacz_reguly(ctx);
}

}  // namespace

bool analiza_bazy_wiedzy(kb::Context& ctx, int rodzaj)
{
    if (rodzaj < 2 || rodzaj > 4) return false;
    if (ctx.db.baza_ograniczen.nazwa_og.empty()) {
        ctx.ui.note("Uwaga!", "Analiza wykluczalności wymaga załadowania odpowiedniej bazy ograniczeń."
                              "\nWróć do 'Menu Głównego' i załaduj potrzebną bazę ograniczeń lub zrezygnuj"
                              "z przeprowadzenia analizy wykluczalności.");
        return false;
    }
    if (ctx.db.stan.nazwa_re.empty()) return false;
    const int tryb = rodzaj - 1;
    ctx.db.wyniki_diagnoz.opcja.set(tryb);
    ctx.ui.note("Uwaga!", tekst_trybu(tryb));
    const bool wynik = czesc_wspolna(ctx);
    ctx.db.wyniki_diagnoz.opcja.remove_all();
    return wynik;
}

}  // namespace diagnostics
