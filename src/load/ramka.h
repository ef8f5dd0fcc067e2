// The frame every kind of base load shares: the outcome, the file dialog, taking the chosen
// file (its folder current, the auxiliary window cleared, the correspondence test), reading it
// under the error trap, the markers and the error alternatives. A kind's own clearing, names,
// texts and checks live in its own file; nothing here knows one kind from another.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "kb/context.h"
#include "load/kasowanie.h"
#include "load/raport_bledu.h"
#include "platform/factfile.h"
#include "platform/files.h"

namespace load {

// What a load answers: nullopt when it failed, "" when nothing was loaded (a request note was
// shown, or the quiet end), else the chosen file's full path exactly as the dialog gave it.
// The menu enables a base's items only for a path.
using WynikLadowania = std::optional<std::string>;

// The kind's open-file dialog: mask (the proposed name), one filter (label, pattern), title.
struct DialogPliku {
    std::string_view maska;            // "RE*.BQZ"
    std::string_view etykieta_filtra;  // "Bazy reguł (RE*.BQZ)"
    std::string_view wzorzec_filtra;   // "re*.BQZ"
    std::string_view tytul;            // "Wybierz nazwę bazy reguł : "
};

// The instructions of the two read-error alternatives. The window texts are written as they
// stand ("\n" ends a line); E1 writes a line break before its text.
struct TekstyBledow {
    std::string_view tytul;    // of both notes: "Błąd" (rule base), "Uwaga błąd!" (the others)
    std::string_view e1_okno;  // a syntax error was reported: "... wybierz błędną bazę i usuń błąd.\n"
    std::string_view e1_nota;
    std::string_view e2_okno;  // the file has an empty line: "... Baza zawiera puste linie!..."
    std::string_view e2_nota;
};

// One kind of base as the frame sees it.
struct RodzajBazy {
    int rodzaj;  // the kind number of opcja_z_menu_glownego (1 rule base, 2 model base, ...)
    DialogPliku dialog;
    TekstyBledow bledy;
    // The kind's first name fact is recorded (the base counts as loaded).
    bool (*zaladowana)(const kb::Context&);
    // One of the kind's problem flags holds: the quiet end then refuses (the load fails).
    bool (*flaga_problemu)(const kb::Context&);
    // The note (titled "Uwaga!") of a load that needs a rule base when none is loaded, e.g.
    // "Proszę załadować bazę reguł!"; empty for the rule base itself.
    std::string_view prosba_o_baze_regul;
};

// The full path's file name without its folder ("C:/x/REzoo.BQZ" -> "REzoo.BQZ").
std::string nazwa_pliku(std::string_view sciezka);

// Markers, tested by exact text.
inline constexpr std::string_view kJestemTu = "TAK";  // a file of this call is being read
inline constexpr std::string_view kBlad = "błąd";     // a read error of this call was reported
// (Their clearing, kasowanie_jestem_tu and kasowanie_blad, is in kasowanie.h.)

// One call of a load. A kind's function runs its steps in order through this object and
// returns one of its outcomes:
//
//   Ladowanie l(ctx, kRodzaj);
//   if (!preconditions) return l.bez_zmian();
//   std::string plik = l.wybierz_plik();
//   if (plik.empty() || !l.przyjmij_plik(plik)) return l.bez_zmian();
//   ... clear the kind's base (only now: a cancelled dialog or a refused file changes nothing)
//   if (!l.wczytaj(ctx.db.baza_x, plik)) return l.blad_odczytu();
//   ... names, success lines and note, checks: before the commit point a failing check
//       returns l.bez_zmian(), after it l.porazka() ...
//   return l.koniec(plik);
//
// Whichever way the call ends, no `jestem_tu` and no `blad` outlives it (the destructor).
class Ladowanie {
public:
    Ladowanie(kb::Context& ctx, const RodzajBazy& rodzaj) : ctx_(ctx), rodzaj_(rodzaj) {}
    ~Ladowanie();
    Ladowanie(const Ladowanie&) = delete;
    Ladowanie& operator=(const Ladowanie&) = delete;

    // The kind's open-file dialog; "" when cancelled.
    std::string wybierz_plik();

    // The chosen file's folder becomes the current directory and the auxiliary window is
    // cleared; then, for every kind but the rule base, the correspondence test (the file's mark
    // must be the rule base's). False when the test refused the file (its note was shown).
    bool przyjmij_plik(const std::string& sciezka);

    // Adds `jestem_tu` and reads the file into the database under the error trap. False after a
    // read error: the database holds again exactly what it held before (no partial facts), the
    // error has been reported as its cause asks (raport_bledu.h); answer with blad_odczytu().
    template <class Db>
    bool wczytaj(Db& db, const std::string& sciezka);

    // Removes every `jestem_tu` at the kind's own point of its sequence.
    void usun_znacznik() { kasowanie_jestem_tu(ctx_); }

    // ---- Outcomes ----
    // Stopped before anything was read (preconditions, cancelled dialog, refused file), or a
    // check before the commit point failed: the quiet end ("") when the kind needs no rule base
    // or one is loaded, and no problem flag of the kind holds; the request note and "" when
    // the kind needs a rule base and none is loaded; failure otherwise. A rule-base load that
    // ends with no rule base loaded sets the main window's title to "velk".
    WynikLadowania bez_zmian();
    // After wczytaj() returned false: the instructions for a reported syntax error (E1) or for
    // an empty line (E2), then failure; a file that could not be read was reported already.
    WynikLadowania blad_odczytu();
    // A step after the commit point failed.
    WynikLadowania porazka();
    // The sequence ran to its end: the path when the kind's base is still loaded; failure
    // when a check unloaded it (its own note said why).
    WynikLadowania koniec(const std::string& sciezka);

    kb::Context& ctx() { return ctx_; }
    const RodzajBazy& rodzaj() const { return rodzaj_; }

private:
    void dodaj_znacznik();
    void tytul_bez_bazy_regul();

    kb::Context& ctx_;
    const RodzajBazy& rodzaj_;
    BladOdczytu blad_ = BladOdczytu::brak;
};

template <class Db>
bool Ladowanie::wczytaj(Db& db, const std::string& sciezka)
{
    dodaj_znacznik();
    Db przed = db;
    try {
        factfile::load(db, ctx_.files, sciezka);
        return true;
    } catch (const factfile::LoadError& e) {
        db = std::move(przed);
        blad_ = obsluga_bledu_konsultacji(ctx_, sciezka, e);
    } catch (const files::FileError& e) {
        db = std::move(przed);
        blad_ = obsluga_pliku_nieczytelnego(ctx_, sciezka, e);
    }
    return false;
}

}  // namespace load
