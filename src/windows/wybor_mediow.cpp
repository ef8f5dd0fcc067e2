// One chooser design with a row for each base. A chosen picture or sound is looked up as inference
// looks it up: the first of its candidate paths whose file exists ("sowa" finds "sowa.bmp"), or
// the first candidate when none does (the picture window then says it cannot read it and the
// chooser stays open; the player is silent).
#include "windows/wybor_mediow.h"

#include <optional>
#include <string>
#include <vector>

#include "kb/bazy_mediow.h"
#include "kb/wyroznik.h"
#include "platform/files.h"
#include "platform/toolkit.h"
#include "windows/czytanie.h"
#include "windows/dialogi.h"
#include "windows/grafika.h"

namespace windows {
namespace {

using platform::ControlId;

// What tells the three choosers apart.
struct Chooser {
    ControlId list;
    ControlId base_name;
    ControlId confirm;
    std::optional<kb::AkcjaWynik> (*action)(kb::Context&, int);
    int names_action;
    // The facts whose names may be chosen; none for advice, which takes any name.
    const kb::FactList<kb::Medium>* (*names)(kb::Context&);
    // The chooser's own work on the chosen name; false declines the press.
    bool (*work)(kb::Context&, const std::string& name);
};

// ---- The work of each chooser ------------------------------------------------------------------

bool read_advice(kb::Context& ctx, const std::string& name)
{
    const std::optional<std::string> path = kb::nazwa_pelna_rady(ctx, name);
    if (!path) return false;
    const std::string text = ctx.files.read_text(*path).text;
    show_advice_text(ctx, text);
    return true;
}

// The first candidate whose file exists, else the first candidate; nullopt without a candidate.
std::optional<std::string> media_path(kb::Context& ctx, const std::vector<std::string>& candidates)
{
    if (candidates.empty()) return std::nullopt;
    return kb::pierwszy_istniejacy(ctx, candidates).value_or(candidates.front());
}

bool open_picture(kb::Context& ctx, const std::string& name)
{
    const std::optional<std::string> path = media_path(ctx, kb::nazwa_pelna_grafiki(ctx, name));
    if (!path) return false;
    ctx.db.dane.dane_graf.set(*path);
    return win_przeglad_grafiki_Create(ctx, ctx.ui.main_window()) != platform::kNoWindow;
}

// Plays to the end, then names the running program in the auxiliary window.
bool play(kb::Context& ctx, const std::string& name)
{
    const std::optional<std::string> path = media_path(ctx, kb::nazwa_pelna_melodii(ctx, name));
    if (!path) return false;
    ctx.ui.play_sound(*path);
    ctx.ui.write(ctx.ui.program_path() + "\n");
    return true;
}

const kb::FactList<kb::Medium>* no_names(kb::Context&) { return nullptr; }
const kb::FactList<kb::Medium>* pictures(kb::Context& ctx) { return &ctx.db.baza_grafiki.grafika; }
const kb::FactList<kb::Medium>* sounds(kb::Context& ctx) { return &ctx.db.baza_melodii.dzwiek; }

const Chooser kAdvice{10045, 10024, platform::kButtonOk, kb::dzialanie_w_bazie_rad, 5, no_names, read_advice};
const Chooser kPicture{10037, 10038, 10034, kb::dzialanie_w_bazie_grafiki, 2, pictures, open_picture};
const Chooser kSound{10037, 10038, 10034, kb::dzialanie_w_bazie_melodii, 2, sounds, play};

// ---- The design ---------------------------------------------------------------------------------

bool fill(kb::Context& ctx, const Chooser& chooser, platform::WindowId dialog)
{
    const std::optional<kb::AkcjaWynik> names = chooser.action(ctx, chooser.names_action);
    if (!names || names->tekst.empty()) return false;  // no base: the action has said so
    ctx.ui.clear_list(dialog, chooser.list);
    ctx.ui.add_list_items(dialog, chooser.list, names->lista);
    ctx.ui.set_control_text(dialog, chooser.base_name, "");
    ctx.ui.set_control_text(dialog, chooser.base_name, names->tekst);
    return true;
}

std::optional<std::string> chosen_name(kb::Context& ctx, const Chooser& chooser, platform::WindowId dialog)
{
    const int at = ctx.ui.list_selection(dialog, chooser.list);
    if (at < 0) return std::nullopt;
    const std::vector<std::string> items = ctx.ui.list_items(dialog, chooser.list);
    if (at >= static_cast<int>(items.size())) return std::nullopt;
    return items[static_cast<std::size_t>(at)];
}

bool confirm(kb::Context& ctx, const Chooser& chooser, platform::WindowId dialog)
{
    const std::optional<std::string> name = chosen_name(ctx, chooser, dialog);
    if (!name || name->empty()) return false;
    if (const kb::FactList<kb::Medium>* facts = chooser.names(ctx); facts && kb::numery_dla_nazwy(*facts, *name).empty())
        return false;
    if (!chooser.work(ctx, *name)) return false;
    if (ctx.ui.window_exists(dialog)) ctx.ui.destroy_window(dialog);
    return true;
}

bool chooser_eh(kb::Context& ctx, const Chooser& chooser, const platform::Event& event)
{
    using platform::EventKind;
    if (event.kind == EventKind::Create) return fill(ctx, chooser, event.window);
    if (event.kind == EventKind::Control && event.id == chooser.confirm) return confirm(ctx, chooser, event.window);
    return false;
}

}  // namespace

bool dlg_obejrzenie_pliku_tekstowego_rady_eh(kb::Context& ctx, const platform::Event& event)
{
    return chooser_eh(ctx, kAdvice, event);
}

bool dlg_obejrzenie_pliku_graficznego_eh(kb::Context& ctx, const platform::Event& event)
{
    return chooser_eh(ctx, kPicture, event);
}

bool dlg_przesluchanie_melodii_eh(kb::Context& ctx, const platform::Event& event)
{
    return chooser_eh(ctx, kSound, event);
}

void choose_advice(kb::Context& ctx)
{
    dlg_obejrzenie_pliku_tekstowego_rady_Create(ctx, ctx.ui.main_window(), dlg_obejrzenie_pliku_tekstowego_rady_eh);
}

void choose_picture(kb::Context& ctx)
{
    dlg_obejrzenie_pliku_graficznego_Create(ctx, ctx.ui.main_window(), dlg_obejrzenie_pliku_graficznego_eh);
}

void choose_sound(kb::Context& ctx)
{
    dlg_przesluchanie_melodii_Create(ctx, ctx.ui.main_window(), dlg_przesluchanie_melodii_eh);
}

}  // namespace windows
