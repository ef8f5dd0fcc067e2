// The load frame's steps and outcomes, shared by every kind of base: what the user sees when a
// load stops, and the marker rule (no `jestem_tu`, no `blad` outlives its call).
// A kind's own texts come in through RodzajBazy; nothing here names a kind's facts.
#include "load/ramka.h"

#include "platform/toolkit.h"

namespace load {

std::string nazwa_pliku(std::string_view sciezka)
{
    files::PathParts czesci = files::split_path(sciezka);
    return czesci.name + czesci.extension;
}

Ladowanie::~Ladowanie()
{
    kasowanie_jestem_tu(ctx_);
    kasowanie_blad(ctx_);
}

std::string Ladowanie::wybierz_plik()
{
    platform::FileDialogDesc desc;
    desc.title = std::string(rodzaj_.dialog.tytul);
    desc.initial_name = std::string(rodzaj_.dialog.maska);
    desc.filters.push_back({std::string(rodzaj_.dialog.etykieta_filtra),
                            std::string(rodzaj_.dialog.wzorzec_filtra)});
    desc.folder = ctx_.files.current_dir();
    return ctx_.ui.open_file_dialog(desc);
}

bool Ladowanie::przyjmij_plik(const std::string& sciezka)
{
    ctx_.files.set_current_dir(files::split_path(sciezka).folder);
    ctx_.ui.clear_aux_window();
    if (rodzaj_.rodzaj == 1) return true;
    return korespondencja(ctx_, sciezka);
}

void Ladowanie::dodaj_znacznik() { ctx_.db.stan.jestem_tu.add_last(std::string(kJestemTu)); }

// A rule-base load that leaves no rule base loaded says so in the title.
void Ladowanie::tytul_bez_bazy_regul()
{
    if (rodzaj_.rodzaj == 1 && ctx_.db.stan.nazwa_re.empty())
        ctx_.ui.set_window_title(ctx_.ui.main_window(), "velk");
}

WynikLadowania Ladowanie::bez_zmian()
{
    kasowanie_jestem_tu(ctx_);
    tytul_bez_bazy_regul();
    bool potrzebna_baza_regul = rodzaj_.rodzaj != 1;
    if (potrzebna_baza_regul && ctx_.db.stan.nazwa_re.empty()) {
        ctx_.ui.note("Uwaga!", rodzaj_.prosba_o_baze_regul);
        return std::string();
    }
    if (rodzaj_.flaga_problemu(ctx_)) return std::nullopt;
    return std::string();
}

WynikLadowania Ladowanie::blad_odczytu()
{
    const TekstyBledow& t = rodzaj_.bledy;
    switch (blad_) {
    case BladOdczytu::zgloszony:
        ctx_.ui.write("\n");
        ctx_.ui.write(t.e1_okno);
        ctx_.ui.note(t.tytul, t.e1_nota);
        break;
    case BladOdczytu::pusta_linia:
        ctx_.ui.write(t.e2_okno);
        ctx_.ui.note(t.tytul, t.e2_nota);
        break;
    case BladOdczytu::nieczytelny:
    case BladOdczytu::brak:
        break;
    }
    kasowanie_jestem_tu(ctx_);
    tytul_bez_bazy_regul();
    return std::nullopt;
}

WynikLadowania Ladowanie::porazka()
{
    kasowanie_jestem_tu(ctx_);
    tytul_bez_bazy_regul();
    return std::nullopt;
}

WynikLadowania Ladowanie::koniec(const std::string& sciezka)
{
    kasowanie_jestem_tu(ctx_);
    if (rodzaj_.zaladowana(ctx_)) return sciezka;
    tytul_bez_bazy_regul();
    return std::nullopt;
}

}  // namespace load
