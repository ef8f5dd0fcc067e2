// The flattening commands of the menu: every rule's flattened forms in turn, or those of one
// rule chosen in dialog 10000, as table rows in the auxiliary window, each with a question
// whether to go on. They change no base and no finding; only the choice lines and `tok`.
#include <string>

#include "diagnostics/diagnozy.h"
#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "diagnostics/testy_ladowania_regul.h"
#include "diagnostics/wybor_regul.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "platform/factfile.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

constexpr platform::ControlId kListaRegul = 10001;

void koniec(kb::Context& ctx) { ctx.ui.note("Uwaga!", "To już wszystkie reguły spłaszczone!"); }

void naglowki(kb::Context& ctx, std::initializer_list<const char*> pieces)
{
    for (const char* p : pieces) kb::pisz_tuto(ctx, p);
    kb::piszcr(ctx);
    kb::piszcr(ctx);
}

// One form: its row in the auxiliary window, and the question whether to see the next one.
bool pokaz_postac(kb::Context& ctx, std::int32_t numer, const std::string& wniosek, const FlatForm& form)
{
    const std::string listy = factfile::to_text(form.warunki) + " " + factfile::to_text(uzyte_reguly(form));
    ctx.ui.write(std::to_string(numer) + " " + wniosek + " " + listy + "\n");
    return ctx.ui.message_box("Reguła spłaszczona: Numer, Wniosek, Lista warunków dopytywalnych, Numery reguł "
                              "spłaszczających",
                              std::to_string(numer) + ". " + wniosek + " " + listy +
                                  "\n\nCzy chcesz zobaczyć następną regułę spłaszczoną?",
                              platform::MessageIcon::Question, platform::MessageButtons::YesNo,
                              platform::kAnswerYes) == platform::kAnswerYes;
}

// Every form of the rule; false when the user asked to stop.
bool pokaz_postacie(kb::Context& ctx, Flattener& flattener, Omissions& omissions, const kb::Regula& r)
{
    const Flattening& s = flattener.splaszcz(r.warunki);
    omissions.note(r.numer, r.wniosek, s);
    for (const FlatForm& form : s.postacie)
        if (!pokaz_postac(ctx, r.numer, r.wniosek.str(), form)) return false;
    return true;
}

std::optional<kb::Regula> regula_o_numerze(const kb::Context& ctx, std::int32_t numer)
{
    return ctx.db.baza_regul.regula.first([&](const kb::Regula& r) { return r.numer == numer; });
}

}  // namespace

void odmowa_splaszczenia(kb::Context& ctx)
{
    ctx.ui.note("Uwaga!", "Zewnętrznie sprzecznej bazy reguł nie można spłaszczyć!");
}

void tryb_splaszczenia(kb::Context& ctx)
{
    if (jest_sprzecznosc_1z(ctx)) {
        odmowa_splaszczenia(ctx);
        return;
    }
    if (const std::optional<std::string> nazwa = ctx.db.stan.nazwa_re.first()) {
        ctx.ui.write("Reguły spłaszczone bazy reguł " + *nazwa + "\n\n");
        naglowki(ctx, {"Numer", "  ", "Wniosek", "  ", "Lista warunków", "  ", "Numery reguł spłaszczających"});
        Flattener flattener(ctx);
        Omissions omissions;
        for (const kb::Regula& r : ctx.db.baza_regul.regula.all())
            if (!pokaz_postacie(ctx, flattener, omissions, r)) {
                omissions.tell(ctx);
                return;
            }
        omissions.tell(ctx);
    }
    koniec(ctx);
}

std::optional<facts::SList> tryb_splaszczenia_1(kb::Context& ctx)
{
    if (jest_sprzecznosc_1z(ctx)) return std::nullopt;
    kasowanie_nr_wniosek(ctx);
    tworz_numer_wniosek(ctx);
    return kb::sortuj(kb::redukuj(ctx.db.wyniki_diagnoz.nr_wniosek.all()));
}

bool dlg_wybor_reguly_do_splaszczenia_eh(kb::Context& ctx, const platform::Event& event)
{
    if (event.kind == platform::EventKind::CloseRequest) return true;  // only OK and Cancel close it
    if (event.kind != platform::EventKind::Control || event.id != platform::kButtonOk ||
        event.notification != platform::Notification::Clicked)
        return false;
    const int wybrana = ctx.ui.list_selection(event.window, kListaRegul);
    const std::vector<std::string> linie = ctx.ui.list_items(event.window, kListaRegul);
    if (wybrana < 0 || static_cast<std::size_t>(wybrana) >= linie.size() || linie[static_cast<std::size_t>(wybrana)].empty())
        return false;  // nothing chosen: the dialog closes as with Cancel
    ctx.db.dane.tok.add_last(pierwszy_token(linie[static_cast<std::size_t>(wybrana)]));
    ctx.ui.end_dialog(event.window, platform::kButtonOk);
    return true;
}

void dalej(kb::Context& ctx)
{
    const std::optional<std::string> tok = ctx.db.dane.tok.first();
    const std::optional<std::int32_t> numer = tok ? text::text_to_int(*tok) : std::nullopt;
    if (numer) {
        kb::pisz_tuto(ctx, "Wyniki sp aszczenia regu y " + *tok + ":");
        kb::piszcr(ctx);
        kb::piszcr(ctx);
        if (const std::optional<kb::Regula> r = regula_o_numerze(ctx, *numer)) {
            naglowki(ctx, {"Numer", "  ", "Wniosek", "     ", "Lista warunków dopytywalnych", "          ",
                           "Numery reguł spłaszczających"});
            Flattener flattener(ctx);
            Omissions omissions;
            const bool do_konca = pokaz_postacie(ctx, flattener, omissions, *r);
            omissions.tell(ctx);
            if (!do_konca) {
                ctx.db.dane.tok.remove_all();
                return;
            }
        }
    }
    ctx.db.dane.tok.remove_all();
    koniec(ctx);
}

}  // namespace diagnostics
