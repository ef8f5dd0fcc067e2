// The browse commands are thin: they collect fact numbers, put texts into the dialog data channel,
// run a numbered base action and end in a guard (app/browse_guards.h). A base whose facts are gone
// (a load that failed after emptying it) gets the guard's note before any action runs.
#include "app/browse_commands.h"

#include <optional>

#include "app/base_actions.h"
#include "app/browse_guards.h"
#include "kb/bazy_mediow.h"
#include "platform/toolkit.h"
#include "windows/okna_przegladu.h"
#include "windows/wybor_mediow.h"

namespace app {
namespace {

using kb::AkcjaWynik;
using Action = std::optional<AkcjaWynik> (*)(kb::Context&, int);

template <class Fact>
IList numbers_of(const kb::FactList<Fact>& facts)
{
    IList numbers;
    facts.each([&](const Fact& f) { numbers.push_back(f.numer); });
    return numbers;
}

std::optional<AkcjaWynik> rule_action(kb::Context& ctx, int akcja) { return dzialanie_w_bazie_regul(ctx, akcja); }

// ---- A chosen fact in a browse window ------------------------------------------------------------

bool browse_chosen(kb::Context& ctx, int item)
{
    kb::Store& db = ctx.db;
    switch (item) {
    case 10067: sprawdz_istnienie_regul(ctx, numbers_of(db.baza_regul.regula)); return true;
    case 10080: sprawdz_istnienie_modeli_liniowych(ctx, numbers_of(db.baza_modeli.model_liniowy)); return true;
    case 10081: sprawdz_istnienie_modeli_elementarnych(ctx, numbers_of(db.baza_modeli.model)); return true;
    case 10082: sprawdz_istnienie_modeli_rozwinietych(ctx, numbers_of(db.baza_modeli.model_r)); return true;
    case 10083: sprawdz_istnienie_modeli_wielomianowych(ctx, numbers_of(db.baza_modeli.model_wielomianowy)); return true;
    case 10095: sprawdz_istnienie_ograniczen1(ctx, numbers_of(db.baza_ograniczen.ograniczenie), false); return true;
    case 10105: sprawdz_istnienie_ograniczen1(ctx, numbers_of(db.baza_ograniczen_p.ograniczenie_n), true); return true;
    default: return false;
    }
}

// ---- The whole base file in the viewer -------------------------------------------------------------

// The text of the base file into `dane_str` for the viewer; nothing is read when the guard will
// only say that there is nothing to show. False when the action fails (it has said why).
bool base_text_for_viewer(kb::Context& ctx, Action action, bool nothing_to_show)
{
    if (nothing_to_show) return true;
    const std::optional<AkcjaWynik> result = action(ctx, 1);
    if (!result) return false;
    ctx.db.dane.dane_str.set(result->tekst);
    return true;
}

bool browse_text(kb::Context& ctx, int item)
{
    const kb::Store& db = ctx.db;
    switch (item) {
    case 10068: {
        const IList rules = numbers_of(db.baza_regul.regula);
        if (!base_text_for_viewer(ctx, rule_action, rules.empty())) return false;
        sprawdz_istnienie_regul1(ctx, rules);
        return true;
    }
    case 10084: {
        const IList basic = numbers_of(db.baza_modeli.model);
        const IList extended = numbers_of(db.baza_modeli.model_r);
        const IList linear = numbers_of(db.baza_modeli.model_liniowy);
        const IList polynomial = numbers_of(db.baza_modeli.model_wielomianowy);
        const bool none = basic.empty() && extended.empty() && linear.empty() && polynomial.empty();
        if (!base_text_for_viewer(ctx, dzialanie_w_bazie_modeli, none)) return false;
        sprawdz_istnienie_modeli(ctx, basic, extended, linear, polynomial);
        return true;
    }
    case 10096:
    case 10106: {
        const bool uncertain = item == 10106;
        const IList constraints =
            uncertain ? numbers_of(db.baza_ograniczen_p.ograniczenie_n) : numbers_of(db.baza_ograniczen.ograniczenie);
        const Action action = uncertain ? dzialanie_w_bazie_ograniczen_p : dzialanie_w_bazie_ograniczen;
        if (!base_text_for_viewer(ctx, action, constraints.empty())) return false;
        sprawdz_istnienie_ograniczen(ctx, constraints);
        return true;
    }
    default: return false;
    }
}

// ---- The askable names -----------------------------------------------------------------------------

bool browse_askables(kb::Context& ctx, Action action, int akcja)
{
    kb::Dane& dane = ctx.db.dane;
    dane.dane_str.remove_all();
    dane.dane_lista_str.remove_all();
    const std::optional<AkcjaWynik> result = action(ctx, akcja);
    if (!result) return false;
    dane.dane_str.add_last(result->tekst);
    dane.dane_lista_str.add_last(result->lista);
    windows::win_przeg_war_arg_dopyt_Create(ctx, ctx.ui.main_window());
    return true;
}

}  // namespace

bool browse_command(kb::Context& ctx, int item)
{
    switch (item) {
    case 10069: return browse_askables(ctx, rule_action, 2);
    case 10085: return browse_askables(ctx, dzialanie_w_bazie_modeli, 2);
    case 10086: return browse_askables(ctx, dzialanie_w_bazie_modeli, 3);
    case 10068:
    case 10084:
    case 10096:
    case 10106: return browse_text(ctx, item);
    default: return browse_chosen(ctx, item);
    }
}

bool media_names_command(kb::Context& ctx, int item)
{
    kb::Store& db = ctx.db;
    std::optional<AkcjaWynik> result;
    switch (item) {
    case 10114:
        if (!(result = kb::dzialanie_w_bazie_rad(ctx, 1))) return false;
        db.dane.dane_str.set(result->tekst);
        sprawdz_istnienie_rad(ctx, numbers_of(db.baza_rad.rada));
        return true;
    case 10125:
        if (!(result = kb::dzialanie_w_bazie_grafiki(ctx, 1))) return false;
        db.dane.dane_str.set(result->tekst);
        sprawdz_istnienie_grafiki(ctx, numbers_of(db.baza_grafiki.grafika));
        return true;
    case 10135:
        if (!(result = kb::dzialanie_w_bazie_melodii(ctx, 1))) return false;
        db.dane.dane_str.set(result->tekst);
        sprawdz_istnienie_melodii(ctx, numbers_of(db.baza_melodii.dzwiek));
        return true;
    default: return false;
    }
}

// The names action says "load the base first" itself; the chooser gathers its names anew.
bool media_chooser_command(kb::Context& ctx, int item)
{
    switch (item) {
    case 10118: {
        const std::optional<AkcjaWynik> names = kb::dzialanie_w_bazie_rad(ctx, 5);
        if (!names || names->tekst.empty()) return false;
        windows::choose_advice(ctx);
        return true;
    }
    case 10129: {
        const std::optional<AkcjaWynik> names = kb::dzialanie_w_bazie_grafiki(ctx, 2);
        if (!names || names->tekst.empty()) return false;
        windows::choose_picture(ctx);
        return true;
    }
    case 10139: {
        const std::optional<AkcjaWynik> names = kb::dzialanie_w_bazie_melodii(ctx, 2);
        if (!names || names->tekst.empty()) return false;
        windows::choose_sound(ctx);
        return true;
    }
    default: return false;
    }
}

}  // namespace app
