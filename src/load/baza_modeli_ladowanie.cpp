// The model-base load: its preconditions, clearing, texts and the fixed chain of checks and
// diagnoses that decides whether the model base may be used. It runs through the load frame
// (ramka.h) and never shows anything of another kind of base.
#include "load/baza_modeli_ladowanie.h"

#include <string>

#include "diagnostics/testy_ladowania_modeli.h"
#include "diagnostics/testy_ladowania_regul.h"
#include "kb/baza_modeli.h"
#include "kb/dopytywalne_modeli.h"
#include "kb/wnioski_modeli.h"
#include "kb/zaimportowane.h"
#include "load/cf_modeli.h"
#include "load/cf_regul.h"
#include "load/kasowanie.h"
#include "load/ladowanie.h"
#include "load/modele_tautologiczne.h"
#include "load/numery.h"
#include "load/ramka.h"
#include "load/struktura_modeli.h"
#include "load/warunki_stosowania.h"
#include "load/wyswietlanie.h"
#include "platform/toolkit.h"

namespace load {

namespace {

using kb::Context;

bool zaladowana(const Context& ctx) { return !ctx.db.stan.nazwa_mo.empty(); }
bool flaga_problemu(const Context& ctx) { return rozne_numery(ctx, BazaNumerowana::modeli); }

const FrameDesc kBazaModeli{
    LoadKind::models,
    {"MO*.BQZ", "Bazy modeli (MO*.BQZ)", "mo*.BQZ", "Wybierz nazwę bazy modeli : "},
    {"Uwaga błąd!",
     "Przejdź do 'Bazy modeli niepewnej'\nwybierz opcję 'Edycja bazy modeli',\nwybierz błędną bazę i usuń błąd.",
     "Przejdź do 'Bazy modeli niepewnej', wybierz opcję 'Edycja bazy modeli',\nnastępnie wybierz błędną bazę i "
     "usuń błąd.",
     "Błąd w trakcie wczytywania bazy modeli. Baza zawiera puste linie!\n\nPrzejdź do 'Bazy modeli niepewnej', "
     "\nwybierz opcję 'Edycja bazy modeli', \nwybierz błędną bazę i usuń puste linie, które najczęściej są na "
     "końcu bazy.",
     "Błąd w trakcie wczytywania bazy modeli. Baza zawiera puste linie!\nPrzejdź do 'Bazy modeli niepewnej', "
     "wybierz opcję 'Edycja bazy modeli',\n następnie wybierz błędną bazę i usuń puste linie, które najczęściej "
     "są na końcu bazy."},
    zaladowana,
    flaga_problemu,
};

const char* const kCzasDiagnozowania = "Czas diagnozowania jest zależny od złożoności bazy.";

// N is the file name, P the opening of every note of this load.
struct Nazwy {
    std::string n;
    std::string p;
};

void zapisz_nazwy(Context& ctx, const std::string& sciezka, Nazwy& nazwy)
{
    nazwy.n = nazwa_pliku(sciezka);
    nazwy.p = "Baza modeli rozwinięta niepewna\n   " + nazwy.n;
    ctx.db.stan.nazwa_mo.add_first(nazwy.n);
    ctx.db.stan.nazwa_mo_pelna.add_first(sciezka);
}

void ogloszenie_zaladowania(Context& ctx, const Nazwy& nazwy)
{
    ctx.ui.write("Baza modeli rozwinięta niepewna " + nazwy.n + "\nzostała załadowana!");
    ctx.ui.note("Wynik ładowania bazy modeli", nazwy.p + "\nzostała załadowana.");
}

// The contradictions within the model base: announced, diagnosed, the clean result told.
bool sprzecznosci_modeli(Context& ctx, const Nazwy& nazwy)
{
    ctx.ui.write("Baza modeli rozwinięta niepewna " + nazwy.n + "jest diagnozowana na obecnośc sprzeczności.\n" +
                 kCzasDiagnozowania + "\n");
    ctx.ui.note("Diagnozowanie", nazwy.p + "\njest diagnozowana na obecność sprzeczności. " + " \n\n" +
                                     kCzasDiagnozowania);
    if (!diagnostics::informuj_sprzecznosc_mz(ctx)) return false;
    ctx.ui.write("Baza modeli rozwinięta niepewna " + nazwy.n + " nie ma sprzeczności!\n");
    ctx.ui.note("Wynik diagnozowania sprzeczności", nazwy.p + "\nnie ma sprzeczności!");
    return true;
}

// The joint contradictions of the models with the rules; the second "Diagnozowanie" note comes
// after the diagnosis has passed.
bool sprzecznosci_laczne(Context& ctx, const Nazwy& nazwy)
{
    const std::string r = ctx.db.stan.nazwa_re.first().value_or("");
    ctx.ui.write("Baza modeli rozwinięta niepewna" + nazwy.n + " i baza reguł  rozwinięta niepewna " + r +
                 "\nsą diagnozowane na obecność sprzeczności łącznych.\n" + kCzasDiagnozowania + "\n");
    if (!diagnostics::informuj_sprzecznosc_mr(ctx)) return false;
    const std::string obie = nazwy.p + "\ni baza reguł rozwinięta niepewna\n   " + r;
    ctx.ui.note("Diagnozowanie",
                obie + "\nsą diagnozowane na obecność sprzeczności łącznych." + "\n\n" + kCzasDiagnozowania);
    ctx.ui.write("Baza modeli  rozwinięta niepewna i baza reguł  rozwinięta niepewna nie mają sprzeczności "
                 "łącznych!\n");
    ctx.ui.note("Wynik diagnozowania sprzeczności łącznych", obie + "\nnie mają sprzeczności łącznych!");
    return true;
}

// The lists the later checks, the askables file, the browse windows and inference read.
bool wyznacz_listy(Context& ctx)
{
    kb::wyznacz_i_pamietaj_listy_modeli(ctx);
    return kb::redukuj_warunki_dopytywalne(ctx) && kb::wyznacz_dopytywalne_zmienne(ctx) &&
           kb::wyznacz_warunki_i_argumenty_dopytywalne(ctx);
}

// The checks after the commit point. Those that unload the model base let the chain go on over
// what is left; the two that fail end the load.
bool testy_po_zatwierdzeniu(Context& ctx)
{
    testuj_cf_modeli(ctx);
    testuj_wyswietlanie_modeli(ctx);
    testuj_cf_m_faktow(ctx);  // the model base's given facts are checked with their own base
    testuj_strukture_modeli(ctx);
    if (!kb::testowanie_dopytywalnosci_argumentow(ctx)) return false;
    if (!kb::wnioski_modeli_a_wnioski_regul(ctx)) return false;
    wykrywanie_modeli_tautologicznych(ctx);
    testuj_warunki_stosowania_modeli_relacyjnych(ctx);
    return true;
}

}  // namespace

void kasowanie_przed_baza_modeli(Context& ctx)
{
    kb::forget_model_base(ctx);  // also the contradiction records and the kept name
    // The checks judge the file's own known arguments; imported ones come back when the load ends.
    kb::kasowanie_argument_znany(ctx);
    kasowanie_model_arytmetyczny_sprzeczny(ctx);
    kasowanie_model_arytmetyczny_sprzeczny_gleboko(ctx);
    kasowanie_model_relacyjny_sprzeczny(ctx);
    // Joint findings belong to the model base they were found with.
    kasowanie_modeli_i_regul_sprzecznych(ctx);
    kasowanie_sprzecznosc_mr(ctx);
    kasowanie_model_stosowany(ctx);
    kasowanie_model_tautologiczny(ctx);
    kasowanie_numery_modeli(ctx);
    kasowanie_opcja(ctx);
    kasowanie_rozne_numery(ctx, BazaNumerowana::modeli);
}

namespace {

LoadResult laduj_plik_bazy_modeli(Context& ctx)
{
    LoadCall call(ctx, kBazaModeli);
    if (ctx.db.stan.nazwa_re.empty() || diagnostics::jest_sprzecznosc_1z(ctx)) return call.stop();

    const std::string plik = call.choose_file();
    if (plik.empty() || !call.accept_file(plik)) return call.stop();
    kasowanie_przed_baza_modeli(ctx);
    if (!call.read(ctx.db.baza_modeli, plik)) return call.read_failed();

    ctx.ui.write("\n");
    Nazwy nazwy;
    zapisz_nazwy(ctx, plik, nazwy);
    ogloszenie_zaladowania(ctx, nazwy);
    if (!testuj_numery_modeli(ctx) || !sprzecznosci_modeli(ctx, nazwy) || !sprzecznosci_laczne(ctx, nazwy) ||
        !wyznacz_listy(ctx))
        return call.stop();

    // Commit point: from here a failing check fails the load.
    if (!testy_po_zatwierdzeniu(ctx)) return call.fail();
    return call.finish(plik);
}

}  // namespace

// Whatever the load answers, the imported argument values hold again afterwards.
LoadResult laduj_baze_modeli(Context& ctx)
{
    LoadResult wynik = laduj_plik_bazy_modeli(ctx);
    kb::przywroc_zaimportowane_argumenty(ctx);
    return wynik;
}

}  // namespace load
