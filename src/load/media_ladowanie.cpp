// The advice, graphics and sound base loads: the kinds' dialogs, names, texts and media-folder
// tests, run through the load frame. They write to the auxiliary window only, never into the
// report text, and touch no base but their own.
#include "load/media_ladowanie.h"

#include <string>

#include "diagnostics/testy_ladowania_modeli.h"
#include "diagnostics/testy_ladowania_regul.h"
#include "kb/bazy_mediow.h"
#include "kb/wyroznik.h"
#include "load/ladowanie.h"
#include "load/numery.h"
#include "load/ramka.h"
#include "platform/toolkit.h"

namespace load {

namespace {

using kb::Context;
using std::string;
using std::string_view;

using diagnostics::jest_sprzecznosc_1z;
using diagnostics::jest_sprzecznosc_mr;

// ---- The media-folder tests ----------------------------------------------------------------------

struct KartotekaMediow {
    kb::Media rodzaj;
    string_view maska;         // of the files that must be there, inside the media folder
    string_view okno_pierwszy; // + mark + "."
    string_view okno_drugi;
    string_view nota_pierwszy; // + mark
    string_view nota_drugi;
    void (*rozladuj)(Context&);
};

constexpr KartotekaMediow kRady{
    kb::Media::rady, "*.HLP", "Brak kartoteki z radami ",
    "Bazy rad nie można ładować gdy brak kartoteki z radami.", "Brak kartoteki z radami ",
    ".\nBazy rad nie można ładować gdy brak kartoteki z radami.",
    [](Context& ctx) {
        kb::kasowanie_drada(ctx);
        kb::kasowanie_nazwy_ra(ctx);
    }};

constexpr KartotekaMediow kGrafiki{
    kb::Media::grafika, "*.BMP", "Brak kartoteki z grafikami ",
    "Bazy grafik nie można ładować gdy brak kartoteki z grafikami.", "Brak kartoteki z grafikami ",
    ".\nBazy grafiki nie można ładować gdy brak kartoteki z grafikami.",
    [](Context& ctx) {
        kb::kasowanie_dgrafika(ctx);
        kb::kasowanie_nazwy_gr(ctx);
    }};

constexpr KartotekaMediow kMelodie{
    kb::Media::dzwieki, "*.WAV", "Brak kartoteki z dżwiękami ",
    "Bazy dźwięków nie można ładować gdy brak kartoteki z dźwiękami.", "Brak kartoteki z dźwiękami ",
    ".\nBazy dźwięków nie można ładować gdy brak kartoteki z dźwiękami.",
    [](Context& ctx) {
        kb::kasowanie_dmelodie(ctx);
        kb::kasowanie_nazwy_me(ctx);
    }};

bool sa_pliki(Context& ctx, const KartotekaMediow& k)
{
    const auto mark = kb::czytaj_wyroznik(ctx);
    // A mark unfit to name a folder is never joined into a path: its folder counts as missing.
    if (mark && kb::wyroznik_poprawny(*mark) &&
        ctx.files.any_matching(kb::kartoteka_mediow(k.rodzaj, *mark) + string(k.maska)))
        return true;
    const string m = mark.value_or("");
    ctx.ui.write(string(k.okno_pierwszy) + m + ".\n" + string(k.okno_drugi));
    ctx.ui.note("Uwaga błąd!", string(k.nota_pierwszy) + m + string(k.nota_drugi));
    k.rozladuj(ctx);
    return false;
}

// ---- The three kinds ------------------------------------------------------------------------------

// What differs between the three loads; everything else is the frame's and the sequence below.
struct RodzajMediow {
    FrameDesc baza;
    string_view linia_sukcesu;   // + full path
    string_view tytul_sukcesu;
    string_view nota_sukcesu;    // + file name + "\nzostała załadowana."
    bool (*sa_pliki)(Context&);
    void (*wyczysc)(Context&);   // the kind's facts and name before it reads its file
    void (*zapisz_nazwy)(Context&, const string& sciezka);
};

bool zaladowana_ra(const Context& ctx) { return !ctx.db.stan.nazwa_ra.empty(); }
bool zaladowana_gr(const Context& ctx) { return !ctx.db.stan.nazwa_gr.empty(); }
bool zaladowana_me(const Context& ctx) { return !ctx.db.stan.nazwa_me.empty(); }

bool flaga_rad(const Context& ctx) { return jest_sprzecznosc_1z(ctx) || rozne_numery(ctx); }
bool flaga_mediow(const Context& ctx) { return jest_sprzecznosc_1z(ctx); }

const RodzajMediow kBazaRad{
    {LoadKind::advice,
     {"RA*.BQZ", "Bazy rad (RA*.BQZ)", "ra*.BQZ", "Wybierz nazwę bazy rad : "},
     {"Uwaga błąd!",
      "Przejdź do 'Baza rad'\nwybierz opcję 'Edycja bazy rad',\nwybierz błędną bazę i usuń błąd.",
      "Przejdź do 'Baza rad', wybierz opcję 'Edycja bazy rad',\nnastępnie wybierz błędną bazę i usuń błąd.",
      "Błąd w trakcie wczytywania bazy rad. Baza zawiera puste linie!\n\nPrzejdź do 'Baza rad', \n"
      "wybierz opcję 'Edycja bazy rad',\nwybierz błędną bazę i usuń puste linie, które najczęściej "
      "są na końcu bazy.",
      "Błąd w trakcie wczytywania bazy rad. Baza zawiera puste linie!\nPrzejdź do 'Baza rad', "
      "wybierz opcję 'Edycja bazy rad',\nnastępnie wybierz błędną bazę i usuń puste linie, które "
      "najczęściej są na końcu bazy."},
     zaladowana_ra, flaga_rad},
    "Baza rad ",
    "Baza rad została załadowana !",
    "Baza rad rozwinięta niepewna\n   ",
    sa_pliki_rad,
    [](Context& ctx) {
        kb::kasowanie_drada(ctx);
        kb::kasowanie_nazwy_ra(ctx);
        kasowanie_rozne_numery(ctx, BazaNumerowana::rad);
    },
    [](Context& ctx, const string& sciezka) {
        ctx.db.stan.nazwa_ra_pelna.add_first(sciezka);
        ctx.db.stan.nazwa_ra.add_first(nazwa_pliku(sciezka));
    },
};

const RodzajMediow kBazaGrafiki{
    {LoadKind::graphics,
     {"GR*.BQZ", "Bazy grafiki (GR*.BQZ)", "gr*.BQZ", "Podaj nazwę istniejącej bazy grafiki : "},
     {"Uwaga błąd!",
      "Przejdź do 'Baza grafiki'\nwybierz opcję 'Edycja bazy grafiki',\nwybierz błędną bazę i usuń "
      "błąd.",
      "Przejdź do 'Baza grafiki', wybierz opcję 'Edycja bazy grafiki',\nnastępnie wybierz błędną "
      "bazę i usuń błąd.",
      "Błąd w trakcie wczytywania bazy grafiki. Baza zawiera puste linie!\n\nPrzejdź do 'Baza "
      "grafiki', \nwybierz opcję 'Edycja bazy grafiki',\nwybierz błędną bazę i usuń puste linie, "
      "które najczęściej są na końcu bazy.",
      "Błąd w trakcie wczytywania bazy grafiki. Baza zawiera puste linie!\nPrzejdź do 'Baza "
      "grafiki', wybierz opcję 'Edycja bazy grafiki',\nnastępnie wybierz błędną bazę i usuń puste "
      "linie, które najczęściej są na końcu bazy."},
     zaladowana_gr, flaga_mediow},
    "Baza grafiki ",
    "Baza grafiki została załadowana !",
    "Baza grafiki rozwinięta niepewna\n   ",
    sa_pliki_grafiki,
    [](Context& ctx) {
        kb::kasowanie_dgrafika(ctx);
        kb::kasowanie_nazwy_gr(ctx);
    },
    [](Context& ctx, const string& sciezka) { ctx.db.stan.nazwa_gr.add_first(sciezka); },
};

const RodzajMediow kBazaMelodii{
    {LoadKind::sounds,
     {"DŹ*.BQZ", "Bazy dźwięków (DŹ*.BQZ)", "DŹ*.BQZ", "Wskaż nazwę bazy dźwięków : "},
     {"Uwaga błąd!",
      "Przejdź do 'Bazadźwięków'\nwybierz opcję 'Edycja bazy dźwiękówi',\nwybierz błędną bazę i "
      "usuń błąd.",
      "Przejdź do 'Baza dźwięków', wybierz opcję 'Edycja bazy dźwięków',\nnastępnie wybierz błędną "
      "bazę i usuń błąd.",
      "Błąd w trakcie wczytywania bazy dźwięków. Baza zawiera puste linie!\n\nPrzejdź do 'Baza "
      "dźwięków', \nwybierz opcję 'Edycja bazy dźwięków',\nwybierz błędną bazę i usuń puste linie, "
      "które najczęściej są na końcu bazy.",
      "Błąd w trakcie wczytywania bazy dźwięków. Baza zawiera puste linie!\nPrzejdź do 'Baza "
      "dźwięków', wybierz opcję 'Edycja bazy dźwięków',\nnastępnie wybierz błędną bazę i usuń "
      "puste linie, które najczęściej są na końcu bazy."},
     zaladowana_me, flaga_mediow},
    "Baza dźwięków rozwinięta niepewna ",
    "Baza dźwięków została załadowana !",
    "Baza dźwięków rozwinięta niepewna\n   ",
    sa_pliki_melodii,
    [](Context& ctx) {
        kb::kasowanie_dmelodie(ctx);
        kb::kasowanie_nazwy_me(ctx);
    },
    [](Context& ctx, const string& sciezka) { ctx.db.stan.nazwa_me.add_first(sciezka); },
};

template <class Db>
LoadResult laduj_media(Context& ctx, const RodzajMediow& k, Db& baza)
{
    LoadCall call(ctx, k.baza);
    const bool advice = k.baza.kind == LoadKind::advice;
    if (ctx.db.stan.nazwa_re.empty() || jest_sprzecznosc_1z(ctx) || (advice && jest_sprzecznosc_mr(ctx)))
        return call.stop();

    const string plik = call.choose_file();
    if (plik.empty() || !call.accept_file(plik)) return call.stop();
    // Only a chosen and accepted file replaces the base loaded before.
    k.wyczysc(ctx);
    if (!call.read(baza, plik)) return call.read_failed();

    ctx.ui.write("\n\n");
    k.zapisz_nazwy(ctx, plik);
    // Commit: from here a failing step makes the load fail.
    if (!k.sa_pliki(ctx)) return call.fail();
    // Repeated advice numbers are reported before success is announced, so a base that is
    // refused is never told to be loaded first.
    if (advice && !testuj_numery_rad(ctx)) return call.fail();
    ctx.ui.write(string(k.linia_sukcesu) + plik + "\nzostała załadowana!");
    ctx.ui.note(k.tytul_sukcesu, string(k.nota_sukcesu) + nazwa_pliku(plik) + "\nzostała załadowana.");
    call.remove_marker();
    ctx.ui.write("\n");
    return call.finish(plik);
}

}  // namespace

bool sa_pliki_rad(Context& ctx) { return sa_pliki(ctx, kRady); }
bool sa_pliki_grafiki(Context& ctx) { return sa_pliki(ctx, kGrafiki); }
bool sa_pliki_melodii(Context& ctx) { return sa_pliki(ctx, kMelodie); }

LoadResult laduj_baze_rad(Context& ctx) { return laduj_media(ctx, kBazaRad, ctx.db.baza_rad); }
LoadResult laduj_baze_grafiki(Context& ctx) { return laduj_media(ctx, kBazaGrafiki, ctx.db.baza_grafiki); }
LoadResult laduj_baze_melodii(Context& ctx) { return laduj_media(ctx, kBazaMelodii, ctx.db.baza_melodii); }

}  // namespace load
