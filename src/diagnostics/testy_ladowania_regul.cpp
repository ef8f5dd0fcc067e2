// The rule-base diagnoses as the rule-base load offers them: explanation, Yes/No question, the
// outcome notes and the report items. The searches are the diagnoses' own; this file only asks,
// runs them and tells what they recorded and what they had to leave out.
#include "diagnostics/testy_ladowania_regul.h"

#include <initializer_list>

#include "diagnostics/nadmiar.h"
#include "diagnostics/sprzecznosc_wewnetrzna.h"
#include "diagnostics/sprzecznosc_zewnetrzna.h"
#include "kb/pisz.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

using kb::Context;
using std::string;
using std::string_view;

const string kTak = "TAK";

// Each piece through the report writer; the line breaks after it reach the window only.
void objasnienie(Context& ctx, std::initializer_list<std::pair<string_view, int>> linie)
{
    for (const auto& [tekst, przejscia] : linie) {
        kb::pisz_tuto(ctx, tekst);
        ctx.ui.write(string(static_cast<std::size_t>(przejscia), '\n'));
    }
}

// The question of every offered diagnosis (Yes/No, Yes the default): the rule base's name,
// then the text of the offer. True for Yes.
bool zapytaj_o_baze(Context& ctx, const string& baza, string_view reszta_pytania)
{
    string pytanie = "Baza reguł rozwinięta niepewna\n   " + baza + string(reszta_pytania);
    return ctx.ui.message_box("Wybierz", pytanie, platform::MessageIcon::Question,
                              platform::MessageButtons::YesNo, platform::kAnswerYes) ==
           platform::kAnswerYes;
}

// The kind name of a diagnosis, from the recorded extension of the rule-base file.
std::optional<string> nazwa_rodzaju(const Context& ctx, std::optional<string> (*nazwa)(string_view))
{
    std::optional<string> rozszerzenie = ctx.db.stan_ladowania.rozszerzenie.first();
    return rozszerzenie ? nazwa(*rozszerzenie) : std::nullopt;
}

// A rule base whose file has no ".BQZ" extension gives the diagnoses no kind name for their
// findings: the user is told, and the diagnosis is left out (the load goes on).
void bez_nazwy_rodzaju(Context& ctx, const string& baza, string_view diagnoza)
{
    string tekst = "Baza reguł rozwinięta niepewna\n   " + baza +
                   "\nnie ma rozszerzenia .BQZ, dlatego diagnostyka " + string(diagnoza) +
                   "\nzostała pominięta.";
    ctx.ui.write(tekst + "\n");
    ctx.ui.note("Uwaga!", tekst);
}

// ---- External contradictions ----

bool informuj_sprzecznosc_1z(Context& ctx, const string& baza)
{
    std::optional<string> rodzaj = nazwa_rodzaju(ctx, nazwa_sprzecznosci_1);
    if (!rodzaj) {
        bez_nazwy_rodzaju(ctx, baza, "sprzeczności zewnętrznych");
        return true;
    }
    if (!jest_sprzecznosc_1z(ctx)) {
        badaj_sprzecznosc_1z(ctx).tell(ctx);
        if (ctx.db.wyniki_diagnoz.sprzecznosc_1z.contains("NIE")) {
            ctx.ui.write(" Baza reguł " + baza + "\n nie jest zewnętrznie " + *rodzaj + " sprzeczna.");
            ctx.ui.note("Wynik diagnozowania sprzeczności zewnętrznej",
                        "Baza reguł rozwinięta niepewna\n   " + baza + "\nnie jest zewnętrznie " +
                            *rodzaj + " sprzeczna.");
            return true;
        }
    }
    ctx.ui.write(" W załadowanej bazie reguł jest co najmniej jedna sprzeczność zewnętrzna \n"
                 " typu " + *rodzaj + ".\n\n"
                 " Załadowaną bazę reguł możesz tylko edytować, lecz nie możesz korzystać\n"
                 " z niej dla wnioskowania. Nie możesz również ładować odpowiadającej jej\n"
                 " bazy modeli, ograniczeń i rad.\n\n"
                 " Możesz jednak diagnozować jej sprzeczności zewnętrzne.\n"
                 " W tym celu musisz przejść do opcji:\n"
                 " ''Baza reguł niepewnaDiagnostyka sprzeczności zewnętrznych bazy reguł' \n\n");
    ctx.ui.note("Informacja o sprzeczności",
                "Baza reguł rozwinięta niepewna\n   " + baza +
                    "\nzawiera co najmniej jedną sprzeczność zewnętrzną typu " + *rodzaj +
                    ".\n\nZaładowaną bazę reguł możesz tylko edytować, \nlecz nie możesz korzystać "
                    "z niej dla wnioskowania.\nNie możesz również ładować odpowiadającej jej \nbazy "
                    "modeli, ograniczeń i rad.\nMożesz jednak diagnozować jej sprzeczności zewnętrzne. "
                    "\nW tym celu musisz przejść do opcji:\n   'Baza reguł niepewna\n     Diagnostyka "
                    "sprzeczności zewnętrznych\n     bazy reguł'.\nPo poznaniu źródeł sprzeczności "
                    "zewnętrznych wróć do opcji\n   'Baza reguł niepewna\n     Edycja bazy reguł' \ni "
                    "usuń sprzeczności.");
    ctx.report(kb::MenuEvent::ExternalContradictionFound);
    return false;
}

// ---- Internal contradictions ----

bool informuj_sprzecznosc_1w(Context& ctx, const string& baza)
{
    std::optional<string> rodzaj = nazwa_rodzaju(ctx, nazwa_sprzecznosci_1);
    if (!rodzaj) {
        bez_nazwy_rodzaju(ctx, baza, "sprzeczności wewnętrznych");
        return true;
    }
    if (jest_sprzecznosc_1z(ctx)) return false;
    wyznacz_sprzecznosc_1w(ctx).tell(ctx);
    if (ctx.db.wyniki_diagnoz.sprzecznosc_1_w.contains(kTak)) {
        ctx.ui.write(" W załadowanej bazie reguł jest co najmniej jedna sprzeczność wewnętrzna \n"
                     " typu " + *rodzaj + ".\n\n"
                     " Załadowaną bazę reguł możesz tylko edytować, lecz nie możesz korzystać\n"
                     " z niej dla wnioskowania. Nie możesz również ładować odpowiadającej jej\n"
                     " bazy modeli, ograniczeń i rad.\n\n"
                     " Możesz jednak diagnozować jej sprzeczności wewnętrzne.\n"
                     " W tym celu musisz przejść do opcji:\n"
                     " ''Baza reguł niepewnaDiagnostyka sprzeczności wewnętrznych bazy reguł' \n\n");
        ctx.ui.note("Informacja o sprzeczności",
                    "Baza reguł rozwinięta niepewna\n   " + baza +
                        "\nzawiera co najmniej jedną sprzeczność wewnętrzną typu " + *rodzaj +
                        ".\n\nZaładowaną bazę reguł możesz tylko edytować, lecz nie możesz korzystać "
                        "z niej dla wnioskowania.\nNie możesz również ładować odpowiadającej jej bazy "
                        "modeli, ograniczeń i rad.\nMożesz jednak diagnozować jej sprzeczności "
                        "wewnętrzne. \nW tym celu musisz przejść do opcji:\n   'Baza reguł "
                        "niepewna\n     Diagnostyka sprzeczności wewnętrznych\n     bazy reguł'.\nPo "
                        "poznaniu źródeł sprzeczności wewnętrznych wróć do opcji:\n   'Baza reguł "
                        "niepewna\n     Edycja bazy reguł' \ni usuń sprzeczności.");
        ctx.report(kb::MenuEvent::InternalContradictionFound);
        return false;
    }
    if (!ctx.db.wyniki_diagnoz.sprzecznosc_1w.empty()) return false;
    ctx.ui.write(" Rozwinięta niepewna baza reguł " + baza + "\n nie jest wewnętrznie " + *rodzaj +
                 " sprzeczna.");
    ctx.ui.note("Wynik diagnozowania sprzeczności wewnętrznej",
                "Baza reguł rozwinięta niepewna\n   " + baza + "\nnie jest wewnętrznie " + *rodzaj +
                    " sprzeczna.");
    return true;
}

// ---- Redundancy ----

bool informuj_nadmiar_p(Context& ctx, const string& baza)
{
    std::optional<string> rodzaj = nazwa_rodzaju(ctx, nazwa_nadmiaru_p);
    if (!rodzaj) {
        bez_nazwy_rodzaju(ctx, baza, "nadmiarowości");
        return true;
    }
    if (jest_sprzecznosc_1z(ctx)) return false;
    bool none = false;
    if (ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n1.empty()) {
        Omissions omissions;
        none = wyznacz_nadmiar_p(ctx, omissions);
        omissions.tell(ctx);
    }
    if (none) {
        ctx.ui.write("Baza reguł " + baza + " nie ma reguł nadmiarowych!\n");
        ctx.ui.note("Wynik diagnozowania nadmiarowości",
                    "Baza reguł rozwinięta niepewna\n   " + baza + "\nnie ma reguł nadmiarowych!");
        return true;
    }
    ctx.ui.write(" W załadowanej bazie reguł są reguły nadmiarowe typu " + *rodzaj + ".\n\n"
                 " Załadowaną bazę reguł możesz stosować do wnioskowania, gdyż nadmiarowość\n"
                 " reguł nie zakłóca wnioskowania. Może jednak wydłużyć czas wnioskowania i\n"
                 " uzależnić wynik wnioskowania od niepotrzebnych warunków.\n"
                 " Dlatego lepiej nadmiarowość usunąć.\n\n"
                 " W tym celu musisz kontynuować pracę z załadowaną bazą reguł\n"
                 " i  przejść do opcji:\n\n"
                 " 'Baza regułDiagnostyka nadmiarowości bazy reguł',\n\n"
                 " gdzie dowiesz się o istocie wykrytej nadmiarowości.\n\n");
    ctx.ui.note("Uwaga:",
                "W bazie reguł rozwiniętej niepewnej\n   " + baza + "\nsą reguły nadmiarowe typu " +
                    *rodzaj +
                    "\n\nZaładowaną bazę reguł możesz stosować do wnioskowania, \ngdyż nadmiarowość "
                    "reguł nie zakłóca wnioskowania. \nMoże jednak wydłużyć czas wnioskowania i "
                    "uzależnić \nwynik wnioskowania od niepotrzebnych warunków.\nDlatego lepiej "
                    "nadmiarowość usunąć.\nW tym celu musisz kontynuować pracę z załadowaną \nbazą "
                    "reguł i przejść do opcji:\n   'Baza reguł niepewna\n     Diagnostyka "
                    "nadmiarowości bazy reguł',\ngdzie dowiesz się o istocie wykrytej nadmiarowości.");
    ctx.report(kb::MenuEvent::RedundantRulesFound);
    return true;
}

// The offer of a contradiction diagnosis: a line break, then, with a rule base loaded, the
// explanation (through the report writer) and the question; the diagnosis runs only on Yes.
bool zaproponuj(Context& ctx, std::initializer_list<std::pair<string_view, int>> linie,
                string_view reszta_pytania, bool (*informuj)(Context&, const string&))
{
    ctx.ui.write("\n");
    std::optional<string> baza = ctx.db.stan.nazwa_re.first();
    if (!baza) return true;
    objasnienie(ctx, linie);
    if (!zapytaj_o_baze(ctx, *baza, reszta_pytania)) return true;
    return informuj(ctx, *baza);
}

}  // namespace

bool jest_sprzecznosc_1z(const kb::Context& ctx)
{
    return ctx.db.wyniki_diagnoz.sprzecznosc_1z.contains(kTak);
}

std::optional<string> nazwa_sprzecznosci_1(string_view rozszerzenie)
{
    if (text::to_upper(rozszerzenie) == ".BQZ") return string("SQZ1");
    return std::nullopt;
}

std::optional<string> nazwa_nadmiaru_p(string_view rozszerzenie)
{
    if (text::to_upper(rozszerzenie) == ".BQZ") return string("NQZ1");
    return std::nullopt;
}

bool testuj_sprzecznosc_1z(kb::Context& ctx)
{
    return zaproponuj(
        ctx,
        {{"Baza reguł rozwinięta niepewna może być diagnozowana na obecność sprzeczności ", 1},
         {"zewnętrznych. Diagnostyka sprzeczności zewnętrznych dużych i silnie zagnieżdżonych", 1},
         {"baz reguł może trwać długo, gdyż wymaga ona spłaszczenia tych baz.", 2},
         {"Zaleca się diagnozowanie sprzeczności zewnętrznych baz nowych lub", 1},
         {"zmodyfikowanych.", 1},
         {"Przy kolejnym stosowaniu tych baz można test sprzeczności zewnętrznej ", 1},
         {"pominąć.", 2},
         {"Pamiętaj, że niepewne sprzeczności zewnętrzne mogą doprowadzić do 'zawieszenia się'", 1},
         {"komputera. ", 2}},
        "\nmoże być diagnozowana na obecność sprzeczności zewnętrznych.\n\nDiagnostyka sprzeczności "
        "zewnętrznych dużych i silnie \nzagnieżdżonych baz reguł może trwać długo, gdyż wymaga \nona "
        "spłaszczenia tych baz. \nZaleca się diagnozowanie sprzeczności zewnętrznych baz nowych lub "
        "zmodyfikowanych.\nPrzy kolejnym stosowaniu tych baz można test sprzeczności zewnętrznej "
        "pominąć.\n\nPamiętaj, że niepewne sprzeczności zewnętrzne  \nmogą doprowadzić do "
        "'zawieszenia się' komputera.\n\nChcesz diagnozować bazę reguł na obecność sprzeczności "
        "zewnętrznych?",
        informuj_sprzecznosc_1z);
}

bool testuj_sprzecznosc_1w(kb::Context& ctx)
{
    return zaproponuj(
        ctx,
        {{"Baza reguł rozwinięta niepewna może być diagnozowana na obecność sprzeczności ", 1},
         {"wewnętrznych. Diagnostyka sprzeczności wewnętrznych dużych i silnie zagnieżdżonych", 1},
         {"baz reguł może trwać długo, gdyż wymaga ona spłaszczenia tych baz.", 2},
         {"Zaleca się diagnozowanie sprzeczności wewnętrznych baz nowych lub", 1},
         {"zmodyfikowanych.", 1},
         {"Przy kolejnym stosowaniu tych baz można test sprzeczności wewnętrznej ", 1},
         {"pominąć.", 2},
         {"Pamiętaj, że niepewne sprzeczności wewnętrzne nie doprowadzą do 'zawieszenia się'", 1},
         {"komputera, lecz do tego, że niepewne reguły wewnętrznie sprzeczne fałszują", 1},
         {"przebieg wnioskowania. ", 2}},
        "\nmoże być diagnozowana na obecność sprzeczności wewnętrznych.\n\nDiagnostyka sprzeczności "
        "wewnętrznych dużych i silnie \nzagnieżdżonych baz reguł może trwać długo, gdyż wymaga \nona "
        "spłaszczenia tych baz. \nZaleca się diagnozowanie sprzeczności wewnętrznych baz nowych lub "
        "zmodyfikowanych.\nPrzy kolejnym stosowaniu tych baz można test sprzeczności wewnętrznej "
        "pominąć.\n\nPamiętaj, że niepewne sprzeczności wewnętrzne nie \ndoprowadzą do 'zawieszenia "
        "się' komputera, lecz do tego,\n że niepewne reguły wewnętrznie sprzeczne \nmogą fałszować "
        "przebieg  wnioskowania. \n\nChcesz diagnozować bazę reguł na obecność sprzeczności "
        "wewnętrznych?",
        informuj_sprzecznosc_1w);
}

bool testuj_nadmiar_p(kb::Context& ctx)
{
    std::optional<string> baza = ctx.db.stan.nazwa_re.first();
    if (!baza) return true;
    ctx.ui.write("Baza reguł " + *baza + " może być diagnozowana na obecność nadmiarowości.\n"
                 "Diagnostyka nadmiarowości dużych i silnie zagnieżdżonych baz reguł może trwać długo.\n"
                 "\n"
                 "Zaleca się diagnozowanie nadmiarowości baz nowych lub zmodyfikowanych.\n"
                 "Przy kolejnym stosowaniu tych baz można test nadmiarowości pominąć.\n"
                 "\n");
    if (!zapytaj_o_baze(ctx, *baza,
                        "\nmoże być diagnozowana na obecność nadmiarowości.\n\nDiagnostyka nadmiarowości "
                        "dużych i \nsilnie zagnieżdżonych baz reguł może trwać długo.\nZaleca się "
                        "diagnozowanie nadmiarowości \nbaz nowych lub zmodyfikowanych.\nPrzy kolejnym "
                        "stosowaniu tych baz \nmożna test nadmiarowości pominąć.\n\nChcesz diagnozować "
                        "bazę reguł na obecność \nnadmiarowości?"))
        return true;
    return informuj_nadmiar_p(ctx, *baza);
}

}  // namespace diagnostics
