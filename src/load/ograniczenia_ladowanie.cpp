// The exact and the uncertain constraint base loads: the twins' dialogs, names, texts and their
// chain of checks and diagnoses, run through the load frame. They write to the auxiliary
// window only, never into the report text, and change no base but their own kind's.
#include <string>

#include "diagnostics/testy_ladowania_modeli.h"
#include "diagnostics/testy_ladowania_ograniczen.h"
#include "diagnostics/testy_ladowania_regul.h"
#include "kb/bazy_ograniczen.h"
#include "load/dopytywalnosc_ograniczen.h"
#include "load/kasowanie.h"
#include "load/ladowanie.h"
#include "load/numery.h"
#include "load/pojedyncze.h"
#include "load/ramka.h"
#include "platform/toolkit.h"

namespace load {

namespace {

using kb::Context;
using std::string;
using std::string_view;

using diagnostics::jest_sprzecznosc_1z;
using diagnostics::jest_sprzecznosc_mr;

// The quiet end of both constraint loads refuses while any of these holds.
bool flaga_ograniczen(const Context& ctx)
{
    const auto& w = ctx.db.wyniki_diagnoz;
    return rozne_numery(ctx) || jest_sprzecznosc_1z(ctx) || !w.sprzecznosc_2.empty() ||
           !w.sprzecznosc_2p.empty() || !w.reguly_nadmiarowe_n2p.empty() ||
           !w.reguly_nadmiarowe_n2pp.empty();
}

bool zaladowana_og(const Context& ctx) { return !ctx.db.baza_ograniczen.nazwa_og.empty(); }
bool zaladowana_op(const Context& ctx) { return !ctx.db.baza_ograniczen_p.nazwa_op.empty(); }

// What differs between the twins; the sequence below is the same for both.
struct RodzajOgraniczen {
    FrameDesc baza;
    bool niepewne;
    string_view linia_sukcesu;  // + file name
    string_view tytul_sukcesu;
    string_view nota_sukcesu;   // + file name + "\nzostała załadowana."
};

const RodzajOgraniczen kDokladne{
    {LoadKind::exact_constraints,
     {"OG*.BQZ", "Bazy ograniczeń rozwinięte dokładne (OG*.BQZ)", "og*.BQZ",
      "Wybierz nazwę bazy ograniczeń dokładnej: "},
     {"Uwaga błąd!",
      "Przejdż do 'Bazy ograniczeń dokładnych'\nwybierz opcję 'Edycja bazy ograniczeń "
      "dokładnych',\nwybierz błędną bazę i usuń błąd.",
      "Przejdź do 'Bazy ograniczeń dokładnych', wybierz opcję 'Edycja bazy ograniczeń "
      "dokładnych',\nnastępnie wybierz błędną bazę i usuń błąd.",
      "Błąd w trakcie wczytywania bazy ograniczeń dokładnych. Baza zawiera puste linie!\n\n"
      "Przejdź do 'Bazy ograniczeń dokładnych, \nwybierz opcję 'Edycja bazy ograniczeń',\n"
      "wybierz błędną bazę i usuń puste linie, które najczęściej są na końcu bazy.",
      "Błąd w trakcie wczytywania bazy ograniczeń dokładnej. Baza zawiera puste linie!"
      "\nPrzejdź do 'Bazy ograniczeń dokładnej',wybierz opcję 'Edycja bazy ograniczeń dokładnych',"
      "\nnastępnie wybierz błędną bazę i usuń puste linie, które najczęściej są na końcu bazy."},
     zaladowana_og, flaga_ograniczen},
    false,
    "Baza ograniczeń rozwinięta dokładna ",
    "Wynik ładowania bazy ograniczeń dokładnych",
    "Baza ograniczeń rozwinięta dokładna\n   ",
};

const RodzajOgraniczen kNiepewne{
    {LoadKind::uncertain_constraints,
     {"ON*.BQZ", "Bazy ograniczeń niepewnych (ON*.BQZ)", "ON*.BQZ",
      "Wybierz nazwę bazy ograniczeń niepewnych: "},
     {"Uwaga błąd!",
      "Przejdż do 'Bazy ograniczeń niepewnych'\nwybierz opcję 'Edycja bazy ograniczeń "
      "niepewnych',\nwybierz błędną bazę i usuń błąd.",
      "Przejdź do 'Bazy ograniczeń niepewnej', wybierz opcję 'Edycja bazy ograniczeń "
      "niepewnej',\nnastępnie wybierz błędną bazę i usuń błąd.",
      "Błąd w trakcie wczytywania bazy ograniczeń niepewnych. Baza zawiera puste linie!\n\n"
      "Przejdź do 'Bazy ograniczeń niepewnej, \nwybierz opcję 'Edycja bazy ograniczeń niepewnych',\n"
      "wybierz błędną bazę i usuń puste linie, które najczęściej są na końcu bazy.",
      "Błąd w trakcie wczytywania bazy ograniczeń niepewnej. Baza zawiera puste linie!"
      "\nPrzejdź do 'Bazy ograniczeń niepewnej',wybierz opcję 'Edycja bazy ograniczeń niepewnej',"
      "\nnastępnie wybierz błędną bazę i usuń puste linie, które najczęściej są na końcu bazy."},
     zaladowana_op, flaga_ograniczen},
    true,
    "Baza ograniczeń rozwinięta niepewna ",
    "Wynik ładowania bazy ograniczeń niepewnych",
    "Baza ograniczeń rozwinięta niepewna\n   ",
};

// The kind's base and name before it reads its file, with the findings that belonged to it:
// the joint findings, redundancy included, are about the base being replaced.
void wyczysc(Context& ctx, bool niepewne)
{
    if (niepewne) {
        kb::kasowanie_dogranicz_p(ctx);
        kb::kasowanie_nazwy_op(ctx);
        kasowanie_sprzecz_2p(ctx);
        kasowanie_regula_splaszczona_s2pp(ctx);
        kasowanie_nadmiar_2pp(ctx);
        kasowanie_regula_splaszczona_n2pp(ctx);
        kasowanie_zbadany_wniosek_pp(ctx);
        kasowanie_rozne_numery(ctx, BazaNumerowana::ograniczen_p);
    } else {
        kb::kasowanie_dogranicz(ctx);
        kb::kasowanie_nazwy_og(ctx);
        kasowanie_sprzecz_2(ctx);
        kasowanie_regula_splaszczona_s2p(ctx);
        kasowanie_nadmiar_2p(ctx);
        kasowanie_regula_splaszczona_n2p(ctx);
        kasowanie_zbadany_wniosek_p(ctx);
        kasowanie_opcja(ctx);
        kasowanie_rozne_numery(ctx, BazaNumerowana::ograniczen);
    }
}

void zapisz_nazwy(Context& ctx, bool niepewne, const string& sciezka)
{
    if (niepewne) {
        ctx.db.baza_ograniczen_p.nazwa_op.add_first(nazwa_pliku(sciezka));
        ctx.db.baza_ograniczen_p.nazwa_op_pelna.add_first(sciezka);
    } else {
        ctx.db.baza_ograniczen.nazwa_og.add_first(nazwa_pliku(sciezka));
        ctx.db.baza_ograniczen.nazwa_og_pelna.add_first(sciezka);
    }
}

template <class Db>
LoadResult laduj_ograniczenia(Context& ctx, const RodzajOgraniczen& k, Db& baza)
{
    const bool niepewne = k.niepewne;
    LoadCall call(ctx, k.baza);
    if (ctx.db.stan.nazwa_re.empty() || jest_sprzecznosc_1z(ctx) || jest_sprzecznosc_mr(ctx))
        return call.stop();

    const string plik = call.choose_file();
    if (plik.empty() || !call.accept_file(plik)) return call.stop();
    // Only a chosen and accepted file replaces the base loaded before. A base flagged for a
    // repeated number is replaced like any other, and its flag goes with it, so a corrected
    // file can always take the place of a faulty one.
    wyczysc(ctx, niepewne);
    if (!call.read(baza, plik)) return call.read_failed();

    ctx.ui.write("\n\n");
    zapisz_nazwy(ctx, niepewne, plik);
    // The two checks that unload a faulty base; the success lines come only after them.
    if (niepewne) wykrywanie_ograniczen_pojedynczych_p(ctx);
    else wykrywanie_ograniczen_pojedynczych(ctx);
    const bool dopytywalne = niepewne ? kontrola_dopytywalnosci_ograniczen_p(ctx)
                                      : kontrola_dopytywalnosci_ograniczen(ctx);
    if (!dopytywalne) return call.stop();
    if (niepewne) call.remove_marker();
    // Repeated numbers are reported before success is announced: the base stays loaded and
    // flagged, and the load fails.
    const bool numery = niepewne ? testuj_numery_ograniczen_niepewnych(ctx)
                                 : testuj_numery_ograniczen_dokladnych(ctx);
    if (!numery) return call.stop();
    ctx.ui.write(string(k.linia_sukcesu) + nazwa_pliku(plik) + "\nzostała załadowana!\n\n");
    ctx.ui.note(k.tytul_sukcesu, string(k.nota_sukcesu) + nazwa_pliku(plik) + "\nzostała załadowana.");

    if (!niepewne) {
        // Commit of the exact load: the same-result check may unload rules and constraints.
        if (!diagnostics::testuj_wyniki_wszystkich_modeli_z_og(ctx)) return call.fail();
    }
    call.remove_marker();
    // The joint diagnoses only report; the base stays loaded whatever they find.
    if (niepewne) {
        diagnostics::testuj_sprzecznosc_2p(ctx);
        diagnostics::testuj_nadmiar_2pp(ctx);
    } else {
        diagnostics::testuj_sprzecznosc_2(ctx);
        diagnostics::testuj_nadmiar_2p(ctx);
    }
    return call.finish(plik);
}

}  // namespace

LoadResult laduj_baze_ograniczen(Context& ctx)
{
    return laduj_ograniczenia(ctx, kDokladne, ctx.db.baza_ograniczen);
}

LoadResult laduj_baze_ograniczen_p(Context& ctx)
{
    return laduj_ograniczenia(ctx, kNiepewne, ctx.db.baza_ograniczen_p);
}

}  // namespace load
