// The advice after a hypothesis test. The question and the "NIE" after declined entries go to
// the auxiliary window only; nothing reaches the report text.
#include "inference/rada_wstecz.h"

#include "inference/media_wnioskow.h"
#include "kb/wyroznik.h"
#include "platform/files.h"
#include "platform/toolkit.h"
#include "windows/czytanie.h"

namespace inference {

namespace {

constexpr const char* kPytanie = "Czy chcesz uzyskać radę?";

// Shows the advice; false, after a note saying why, when its file is missing or unreadable.
bool pokaz_rade(kb::Context& ctx, const std::string& nazwa)
{
    const std::optional<std::string> sciezka = kb::nazwa_pelna_rady(ctx, nazwa);
    if (!sciezka || !ctx.files.exists(*sciezka)) {
        ctx.ui.note("Uwaga!", "Brak pliku rady\n   " + sciezka.value_or(nazwa));
        return false;
    }
    std::string tekst;
    try {
        tekst = ctx.files.read_text(*sciezka).text;
    } catch (const files::FileError&) {
        ctx.ui.note("Uwaga błąd!", "Nie można odczytać pliku rady\n   " + *sciezka);
        return false;
    }
    ctx.db.dane.dane_rada.remove_all();
    windows::show_advice_text(ctx, tekst);
    return true;
}

}  // namespace

void udziel_rady_wstecz(kb::Context& ctx, const std::string& hipoteza)
{
    const auto& rady = ctx.db.baza_rad.rada;
    facts::SList wpisy = wpisy_regul(ctx, hipoteza, rady, true);
    if (wpisy.empty()) wpisy = wpisy_modelu(ctx, hipoteza, rady);
    for (const std::string& nazwa : wpisy) {
        ctx.ui.write(std::string(" ") + kPytanie + "  ");
        if (chce(ctx, kPytanie) && pokaz_rade(ctx, nazwa)) return;
    }
    if (wpisy.empty()) return;
    ctx.ui.write("    NIE");
    ctx.ui.write("\n");
    ctx.ui.write("\n");
}

}  // namespace inference
