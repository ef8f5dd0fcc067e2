// The candidates of a conclusion's pictures and sounds in their order, and the offer of each.
#include "inference/media_wnioskow.h"

#include <optional>
#include <string>
#include <vector>

#include "inference/etykiety.h"
#include "kb/bazy_mediow.h"
#include "kb/listy.h"
#include "kb/wyroznik.h"
#include "platform/toolkit.h"
#include "windows/grafika.h"

namespace inference {

namespace {

// The media names offered for the conclusion, in order: those of its rules, then those of the
// first relational model computing it.
facts::SList kandydaci(const kb::Context& ctx, const std::string& wniosek, const facts::FactList<kb::Medium>& wpisy,
                       bool tylko_objasniane)
{
    return kb::dolaczenie(wpisy_regul(ctx, wniosek, wpisy, tylko_objasniane), wpisy_modelu(ctx, wniosek, wpisy));
}

}  // namespace

facts::SList wpisy_regul(const kb::Context& ctx, const std::string& wniosek, const facts::FactList<kb::Medium>& wpisy,
                         bool tylko_objasniane)
{
    facts::SList out;
    if (wpisy.empty()) return out;  // nothing attached to anything: no rule need be looked at
    ctx.db.baza_regul.regula.scan([&](const kb::Regula& r) {
        if (r.wniosek != wniosek || (tylko_objasniane && r.wyswietlanie != 1)) return;
        for (const std::string& n : kb::nazwy_dla_numeru(wpisy, r.numer)) out.push_back(n);
    });
    return out;
}

facts::SList wpisy_modelu(const kb::Context& ctx, const std::string& wniosek, const facts::FactList<kb::Medium>& wpisy)
{
    if (wpisy.empty()) return {};
    if (const std::optional<std::int32_t> model = jest_model_relacyjny(ctx, wniosek))
        return kb::nazwy_dla_numeru(wpisy, *model);
    return {};
}

bool chce(kb::Context& ctx, const char* pytanie)
{
    return ctx.ui.message_box("Wybierz:", pytanie, platform::MessageIcon::Question, platform::MessageButtons::YesNo) ==
           platform::kAnswerYes;
}

void wyswietl_grafike(kb::Context& ctx, const std::string& wniosek, double cf)
{
    const auto& wpisy = cf >= 0.0 ? ctx.db.baza_grafiki.grafika : ctx.db.baza_grafiki.ngrafika;
    for (const std::string& nazwa : kandydaci(ctx, wniosek, wpisy, true)) {
        ctx.db.dane.dane_graf.remove_all();
        if (!chce(ctx, "Czy chcesz przejrzeć dołączoną grafikę?")) continue;
        const std::optional<std::string> sciezka = kb::pierwszy_istniejacy(ctx, kb::nazwa_pelna_grafiki(ctx, nazwa));
        if (!sciezka) continue;
        ctx.db.dane.dane_graf.add_last(*sciezka);
        windows::dlg_przeglad_grafiki_Create(ctx, ctx.ui.main_window());
        return;
    }
}

void przesluchaj_melodie(kb::Context& ctx, const std::string& wniosek, double cf)
{
    const auto& wpisy = cf >= 0.0 ? ctx.db.baza_melodii.dzwiek : ctx.db.baza_melodii.ndzwiek;
    for (const std::string& nazwa : kandydaci(ctx, wniosek, wpisy, false)) {
        if (!chce(ctx, "Czy chcesz przesłuchać dołączony dźwięk?")) continue;
        const std::optional<std::string> sciezka = kb::pierwszy_istniejacy(ctx, kb::nazwa_pelna_melodii(ctx, nazwa));
        if (!sciezka) continue;
        przesluchaj(ctx, *sciezka);
        return;
    }
}

void przesluchaj(kb::Context& ctx, const std::string& sciezka) { ctx.ui.play_sound(sciezka); }

}  // namespace inference
