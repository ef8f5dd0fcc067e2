// The summary file: its offer, its file dialog and its sections, written through the current
// output of the toolkit (a file while one is open, else the auxiliary window).
#include "inference/podsumowanie.h"

#include <optional>
#include <string>

#include "inference/sprawdz.h"
#include "inference/wykluczajace.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace inference {

namespace {

constexpr const char* kBezWarunku = "bez warunku";

void wiersz(kb::Context& ctx, const std::string& tekst) { ctx.ui.write(tekst + "\n"); }

void etykiety(kb::Context& ctx)
{
    wiersz(ctx, "Etykiety wnioskowania: ");
    ctx.db.stan_ladowania.etykieta.each([&](const std::string& e) { wiersz(ctx, "    " + e); });
}

// A name at -1.0 is listed as certainly false unless it or its negation is an exact constraint's
// member: there -1.0 only says that another member holds.
bool pewnie_falszywy(const kb::Context& ctx, const kb::NazwaWartosc& w)
{
    return w.wartosc == -1.0 && w.nazwa != kBezWarunku && !warunek_z_bazy_ograniczen(ctx, w.nazwa) &&
           zanegowany_warunek_w_bazie_ograniczen(ctx, w.nazwa).empty();
}

void fakty(kb::Context& ctx)
{
    wiersz(ctx, "Podsumowanie wnioskowania: fakty");
    const auto wypadkowe = ctx.db.stan_ladowania.wypadkowa_prbd.all();
    for (const kb::NazwaWartosc& w : wypadkowe)
        if (pewnie_falszywy(ctx, w)) wiersz(ctx, "    " + w.nazwa + "(-1.0)");
    for (const kb::NazwaWartosc& w : wypadkowe)
        if (w.nazwa != kBezWarunku && w.wartosc >= 0.0)
            wiersz(ctx, "    " + w.nazwa + "(" + text::real_to_text(w.wartosc) + ")");
}

void wartosci(kb::Context& ctx)
{
    wiersz(ctx, "Podsumowanie wnioskowania: wartości argumentów");
    ctx.db.stan.zmienna_ustalona.each([&](const kb::NazwaWartosc& z) {
        const std::optional<double> liczba = text::text_to_real(z.nazwa);
        if (liczba && *liczba == z.wartosc) return;  // a number written as a name
        wiersz(ctx, "    " + z.nazwa + " = " + text::real_to_text(z.wartosc));
    });
}

}  // namespace

bool podsumowanie_1(kb::Context& ctx)
{
    const std::string nazwa = ctx.ui.save_file_dialog({.title = "Podaj nazwę pliku podsumowania",
                                                       .initial_name = "*.txt",
                                                       .filters = {{"Pliki podsumowania (*.txt)", "*.txt"}},
                                                       .folder = ctx.files.current_dir()});

    if (!nazwa.empty()) {
        ctx.ui.open_output_file(nazwa);
        etykiety(ctx);
    }
    fakty(ctx);
    wartosci(ctx);
    if (nazwa.empty()) return false;

    ctx.ui.close_output_file();
    ctx.ui.write("\n Podsumowanie " + nazwa + " zostało zapamietane.");
    ctx.ui.note("Podsumowanie", " Podsumowanie " + nazwa + " zostało zapamiętane.");
    return true;
}

void podsumowanie(kb::Context& ctx)
{
    if (ctx.ui.question("Plik podsumowania", "Zachować podsumowanie wnioskowania?", {"&TAK", "&NIE"}) != 0) return;
    try {
        podsumowanie_1(ctx);
    } catch (const files::FileError& e) {
        // The output is the auxiliary window again; the run goes on to the advice and the report.
        if (ctx.ui.output_is_file()) ctx.ui.close_output_file();
        ctx.ui.note("Uwaga błąd!", "Nie można zapisać pliku podsumowania:\n" + e.path());
    }
}

}  // namespace inference
