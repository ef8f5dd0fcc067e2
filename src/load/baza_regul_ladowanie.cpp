// The rule-base load: the first base of every knowledge base. It forgets the previous knowledge
// base only once a fitting file is chosen, then reads, names and checks the rule base in a
// fixed order. Its texts are its own; the frame decides what a stopped load answers.
#include "load/baza_regul_ladowanie.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "diagnostics/testy_ladowania_regul.h"
#include "kb/baza_regul.h"
#include "kb/dopytywalne.h"
#include "kb/dopytywalne_regul.h"
#include "kb/wyroznik.h"
#include "load/cf_regul.h"
#include "load/kasowanie.h"
#include "load/ladowanie.h"
#include "load/numery.h"
#include "load/pojedyncze.h"
#include "load/wyswietlanie.h"
#include "platform/names.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {
namespace {

bool zaladowana(const kb::Context& ctx) { return !ctx.db.stan.nazwa_re.empty(); }

bool flaga_problemu(const kb::Context& ctx)
{
    return rozne_numery(ctx, BazaNumerowana::regul) || diagnostics::jest_sprzecznosc_1z(ctx);
}

// A mark names the media folders and the description file: it must be a fit folder name.
bool wyroznik_przyjety(kb::Context& ctx, const std::string& sciezka)
{
    std::string nazwa = nazwa_pliku(sciezka);
    std::optional<std::string> znak = kb::wyznacz_wyroznik(nazwa);
    if (znak && kb::wyroznik_poprawny(*znak)) return true;
    std::string tekst = "Nazwa bazy reguł\n   " + nazwa +
                        "\nnie ma po dwóch pierwszych znakach wyróżnika złożonego z liter, cyfr"
                        "\ni znaku '_', dlatego baza nie zostanie załadowana.";
    ctx.ui.write("\n" + tekst + "\n\n");
    ctx.ui.note("Uwaga błąd!", tekst);
    return false;
}

void komunikat_zaladowania(kb::Context& ctx, const std::string& nazwa, const std::string& wyroznik)
{
    ctx.ui.write("Baza reguł rozwinięta niepewna " + nazwa + "\nzostała załadowana!\n\n");
    ctx.ui.set_window_title(ctx.ui.main_window(),
                            "velk_QZ wnioskuje dla bazy wiedzy " + text::to_upper(wyroznik));
    ctx.ui.note("Wynik ładowania bazy reguł",
                "Baza reguł rozwinięta niepewna\n    " + nazwa + "\nzostała załadowana.");
}

// A stop rule's conclusion used as a condition: inference could never run such a base, so it
// is refused here, before the diagnoses ask their questions.
void refuse_stop_conclusion_as_condition(kb::Context& ctx)
{
    for (const char* line : {"Wniosek \"koniec\" kończy wnioskowanie i nie może być warunkiem reguły.",
                             "Przejdź do 'Bazy reguł niepewnej',",
                             "wybierz opcję 'Edycja bazy reguł', wybierz błędną bazę ",
                             "i usuń warunek \"koniec\" (lub \"nkoniec\") z reguł!", ""}) {
        ctx.ui.write(line);
        ctx.ui.write("\n");
    }
    ctx.ui.note("Błędne reguły bazy reguł!",
                "Wniosek \"koniec\" kończy wnioskowanie i nie może być warunkiem reguły."
                "\nPrzejdź do 'Bazy reguł niepewnej',"
                "\nwybierz opcję 'Edycja bazy reguł', wybierz błędną bazę "
                "\ni usuń warunek \"koniec\" (lub \"nkoniec\") z reguł.");
    kb::forget_rule_base(ctx);
}

// The askable conditions of the rules just read, as inference and the browse windows find
// them; nullopt, the rule base refused with a note, when they cannot be computed. The load
// keeps them for its check of the given facts: no step in between changes the rules.
std::optional<facts::NameList> pamietaj_dopytywalne(kb::Context& ctx)
{
    std::optional<facts::NameList> dopytywalne = kb::wyznacz_warunki_dopytywalne(ctx);
    if (!dopytywalne) {
        refuse_stop_conclusion_as_condition(ctx);
        return std::nullopt;
    }
    kb::pamietaj_liste_dopytywalnych(ctx, *dopytywalne);
    kb::pamietaj_warunki_dopytywalne(ctx, *dopytywalne);
    return dopytywalne;
}

// The numbers of the rules of each conclusion, in rule-base order, the conclusions in the
// order of their first rule, and which conclusions are disjunctive: one pass, however large
// the base. A conclusion is known by its name's number: its place in these lists is found in
// an array indexed by that number, without a look at its text.
struct NumeryWnioskow {
    std::vector<facts::Name> wnioski;
    std::vector<facts::IList> numery;            // of wnioski[i]
    std::vector<std::uint8_t> dysjunktywne;      // of wnioski[i]
};

NumeryWnioskow numery_regul(const kb::Context& ctx)
{
    NumeryWnioskow out;
    // Place + 1 of each conclusion in the lists, by the number of its name; 0: none yet.
    std::vector<std::uint32_t> miejsce(facts::name_table().size(), 0);
    // Rules of one conclusion mostly stand together: a rule with the conclusion of the rule
    // before it needs no look-up.
    facts::Name poprzedni;
    std::size_t miejsce_poprzedniego = 0;
    bool jest_poprzedni = false;
    ctx.db.baza_regul.regula.scan([&](const kb::Regula& r) {
        if (!jest_poprzedni || r.wniosek != poprzedni) {
            std::uint32_t& m = miejsce[r.wniosek.id()];
            if (m == 0) {
                out.wnioski.push_back(r.wniosek);
                out.numery.emplace_back();
                m = static_cast<std::uint32_t>(out.wnioski.size());
            }
            poprzedni = r.wniosek;
            miejsce_poprzedniego = m - 1;
            jest_poprzedni = true;
        }
        out.numery[miejsce_poprzedniego].push_back(r.numer);
    });
    out.dysjunktywne.assign(out.wnioski.size(), 0);
    ctx.db.baza_regul.regula_dysjunktywna.scan([&](const std::string& w) {
        // A declared conclusion no rule has is in no name table entry of a rule's conclusion.
        const std::uint32_t id = facts::name_table().find(w);
        if ((id != 0 || w.empty()) && miejsce[id] != 0) out.dysjunktywne[miejsce[id] - 1] = 1;
    });
    return out;
}

bool dysjunktywny(facts::Name, bool dysjunktywny) { return dysjunktywny; }
bool kumulatywny(facts::Name wniosek, bool dysjunktywny)
{
    static const facts::Name koniec("koniec");  // by number: a base has as many conclusions as names
    return wniosek != koniec && !dysjunktywny;
}

// A list of rule numbers for each conclusion of the kind that has none yet, in the order of the
// conclusions' first rules. The conclusions are distinct, so only lists made before count. The
// numbers of a conclusion move into its list: the two kinds share no conclusion.
void tworz_listy(facts::FactList<kb::ListaNumerowRegul>& listy, bool (*rodzaju)(facts::Name wniosek, bool dysjunktywny),
                 NumeryWnioskow& n)
{
    std::unordered_set<std::string> z_lista;
    listy.scan([&](const kb::ListaNumerowRegul& l) { z_lista.insert(l.wniosek); });
    for (std::size_t i = 0; i < n.wnioski.size(); ++i) {
        const facts::Name w = n.wnioski[i];
        if (!rodzaju(w, n.dysjunktywne[i] != 0) || (!z_lista.empty() && z_lista.contains(w.str()))) continue;
        listy.add_last({w.str(), std::move(n.numery[i])});
    }
}

// Both kinds of lists of a rule base just loaded, from one pass over its rules.
void tworz_listy_numerow_regul(kb::Context& ctx)
{
    NumeryWnioskow n = numery_regul(ctx);
    tworz_listy(ctx.db.stan_ladowania.lista_numerow_regul_dysjunktywnych, dysjunktywny, n);
    tworz_listy(ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych, kumulatywny, n);
}

}  // namespace

const FrameDesc kBazaRegul = {
    LoadKind::rules,
    {"RE*.BQZ", "Bazy reguł (RE*.BQZ)", "re*.BQZ", "Wybierz nazwę bazy reguł : "},
    {"Błąd",
     "Przejdź do 'Bazy reguł niepewnej', wybierz opcję 'Edycja bazy reguł', \n"
     "wybierz błędną bazę i usuń błąd.\n",
     "Przejdź do 'Bazy reguł niepewnej' i wybierz opcję 'Edycja bazy reguł',\n"
     "wybierz błędną bazę i usuń błąd.",
     "Błąd w trakcie wczytywania bazy reguł. Baza zawiera puste linie!\n"
     "Przejdź do 'Bazy reguł niepewnej', wybierz opcję 'Edycja bazy reguł',\n"
     "wybierz błędną bazę i usuń puste linie, które najczęściej są na końcu bazy.\n",
     "Błąd w trakcie wczytywania bazy reguł.\nBaza zawiera puste linie!\n"
     "Przejdź do 'Bazy reguł niepewnej',\nwybierz opcję 'Edycja bazy reguł'\n"
     "wybierz błędną bazę i usuń puste linie,\nktóre najczęściej są na końcu bazy."},
    zaladowana,
    flaga_problemu,
};

bool pamietaj_wyroznik_nazwy(kb::Context& ctx, std::string_view sciezka)
{
    std::string nazwa = nazwa_pliku(sciezka);
    std::optional<std::string> znak = kb::wyznacz_wyroznik(nazwa);
    if (!znak) return false;
    ctx.db.stan.wyroznik.add_last(*znak);
    // The diagnoses name their findings after the file's extension, whatever follows the mark.
    ctx.db.stan_ladowania.rozszerzenie.add_first(files::split_path(nazwa).extension);
    return true;
}

bool wyznacz_nazwe_opisu(kb::Context& ctx)
{
    std::optional<std::string> znak = ctx.db.stan.wyroznik.first();
    if (!znak) return false;
    ctx.db.stan.opis.add_first("../OPISY/" + *znak + ".OPI");
    return true;
}

void tworz_listy_numerow_regul_dysjunktywnych(kb::Context& ctx)
{
    NumeryWnioskow n = numery_regul(ctx);
    tworz_listy(ctx.db.stan_ladowania.lista_numerow_regul_dysjunktywnych, dysjunktywny, n);
}

void tworz_listy_numerow_regul_kumulatywnych(kb::Context& ctx)
{
    NumeryWnioskow n = numery_regul(ctx);
    tworz_listy(ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych, kumulatywny, n);
}

LoadResult laduj_baze_regul(kb::Context& ctx)
{
    LoadCall call(ctx, kBazaRegul);
    const std::string plik = call.choose_file();
    if (plik.empty() || !wyroznik_przyjety(ctx, plik) || !call.accept_file(plik)) return call.stop();

    kasowanie_bazy_wiedzy(ctx);
    if (!call.read(ctx.db.baza_regul, plik)) return call.read_failed();

    const std::string nazwa = nazwa_pliku(plik);
    ctx.ui.write("\n\n");
    ctx.db.stan.nazwa_re_pelna.add_last(plik);
    ctx.db.stan.nazwa_re.add_first(nazwa);
    pamietaj_wyroznik_nazwy(ctx, plik);  // the mark was accepted above
    komunikat_zaladowania(ctx, nazwa, ctx.db.stan.wyroznik.first().value_or(""));

    if (!testuj_numery_regul(ctx)) return call.stop();
    testuj_cf_regul(ctx);
    testuj_wyswietlanie_regul(ctx);
    testuj_cf_faktow(ctx);
    call.remove_marker();
    if (!zaladowana(ctx)) return call.finish(plik);  // a CF check refused the base: its note said why
    if (!diagnostics::testuj_sprzecznosc_1z(ctx)) return call.stop();
    wyznacz_nazwe_opisu(ctx);
    const std::optional<facts::NameList> dopytywalne = pamietaj_dopytywalne(ctx);
    if (!dopytywalne) return call.fail();

    // Commit point: from here a failing step fails the load.
    if (!diagnostics::testuj_sprzecznosc_1w(ctx)) return call.fail();
    if (!diagnostics::testuj_nadmiar_p(ctx)) return call.fail();
    if (!kb::testowanie_dopytywalnosci_faktow(ctx, *dopytywalne)) return call.fail();
    wykrywanie_warunkow_pojedynczych(ctx);
    tworz_listy_numerow_regul(ctx);
    return call.finish(plik);
}

}  // namespace load
