// The dispatch table of the main menu and the commands that are only a call or two: loads and
// inference through the load and inference option, numbered base actions, diagnoses, import,
// settings, help and about. Commands with dialogs and files of their own live in the headers
// they are called through.
#include "app/menu_commands.h"

#include <algorithm>

#include "app/base_actions.h"
#include "app/browse_commands.h"
#include "app/file_commands.h"
#include "app/pomoc.h"
#include "diagnostics/diagnozy.h"
#include "import/import.h"
#include "inference/launch.h"
#include "load/load_kinds.h"
#include "platform/toolkit.h"
#include "windows/dialogi.h"
#include "windows/okno_pomocnicze.h"

namespace app {
namespace {

constexpr int kForwardInference = 10;
constexpr int kBackwardInference = 11;

// ---- Loads and inference --------------------------------------------------------------------------

// A new rule base starts a new knowledge base: one import is offered per rule-base load, and
// what dialogs left in the data channel goes.
void before_rule_base_load(kb::Context& ctx)
{
    ctx.report(kb::MenuEvent::RuleBaseLoadStarted);
    ctx.db.dane.dane_str.remove_all();
    ctx.db.dane.dane_lista_str.remove_all();
    ctx.db.dane.dane_int.remove_all();
    ctx.db.dane.dane_lista_int.remove_all();
}

// The menu item of a kind of base: the load, and the items of the base once it is loaded.
bool load_command(kb::Context& ctx, int rodzaj)
{
    const load::LoadKindRow& kind = load::load_kind(*load::load_kind_numbered(rodzaj));
    if (kind.kind == load::LoadKind::rules) before_rule_base_load(ctx);
    if (!opcja_z_menu_glownego(ctx, rodzaj)) return false;
    ctx.report(kind.loaded);
    return true;
}

bool inference_command(kb::Context& ctx, int rodzaj)
{
    auto& kierunek = ctx.db.dane.jakiewnioskowanie;
    kierunek.set(rodzaj == kForwardInference ? "W_PRZOD" : "WSTECZ");
    ctx.ui.clear_aux_window();
    if (!opcja_z_menu_glownego(ctx, rodzaj)) return false;
    kierunek.remove_all();
    return true;
}

// ---- Numbered base actions: the diagnosis reports -----------------------------------------------

bool rule_base_action(kb::Context& ctx, int akcja) { return dzialanie_w_bazie_regul(ctx, akcja).has_value(); }
bool model_base_action(kb::Context& ctx, int akcja) { return dzialanie_w_bazie_modeli(ctx, akcja).has_value(); }
bool exact_constraints_action(kb::Context& ctx, int akcja)
{
    return dzialanie_w_bazie_ograniczen(ctx, akcja).has_value();
}
bool uncertain_constraints_action(kb::Context& ctx, int akcja)
{
    return dzialanie_w_bazie_ograniczen_p(ctx, akcja).has_value();
}

// ---- Analysis of the rule base --------------------------------------------------------------------

bool flatten_chosen_rule(kb::Context& ctx, int)
{
    const std::optional<facts::SList> lines = diagnostics::tryb_splaszczenia_1(ctx);
    if (!lines) {
        diagnostics::odmowa_splaszczenia(ctx);
        return true;
    }
    windows::dlg_wybor_reguly_do_splaszczenia_Create(ctx, ctx.ui.main_window(), *lines,
                                                     diagnostics::dlg_wybor_reguly_do_splaszczenia_eh);
    diagnostics::dalej(ctx);
    return true;
}

bool flatten_all_rules(kb::Context& ctx, int)
{
    diagnostics::tryb_splaszczenia(ctx);
    return true;
}

bool analysis(kb::Context& ctx, int tryb)
{
    diagnostics::analiza_bazy_wiedzy(ctx, tryb);
    return true;
}

// ---- Import ---------------------------------------------------------------------------------------

bool import_command(kb::Context& ctx, int)
{
    import::import_danych(ctx);
    return true;
}

// ---- Settings, help, about ------------------------------------------------------------------------

bool new_aux_window(kb::Context& ctx, int)
{
    windows::nowe_okno_pomocnicze(ctx);
    return true;
}

bool folder_note(kb::Context& ctx, int) { return ustaw_katalog_na_biezacy(ctx); }
bool help(kb::Context& ctx, int) { return pomoc(ctx); }

bool about(kb::Context& ctx, int)
{
    dlg_about_dialog_Create(ctx, ctx.ui.main_window());
    return true;
}

// ---- The table ------------------------------------------------------------------------------------

using Command = bool (*)(kb::Context&, int);

struct Row {
    int item;
    Command command;
    int argument;  // the kind number, action number or mode; the item itself for item-keyed commands
};

// Commands keyed by their own item: the argument is the item.
Row by_item(int item, Command command) { return Row{item, command, item}; }

std::vector<Row> build()
{
    std::vector<Row> rows = {
        by_item(10065, import_command),
        by_item(10067, browse_command),
        by_item(10068, browse_command),
        by_item(10069, browse_command),
        by_item(10070, base_file_command),
        by_item(10071, base_file_command),
        by_item(10072, base_file_command),
        {10073, rule_base_action, 6},
        {10074, rule_base_action, 9},
        {10075, rule_base_action, 7},
        by_item(10080, browse_command),
        by_item(10081, browse_command),
        by_item(10082, browse_command),
        by_item(10083, browse_command),
        by_item(10084, browse_command),
        by_item(10085, browse_command),
        by_item(10086, browse_command),
        by_item(10087, base_file_command),
        by_item(10088, base_file_command),
        by_item(10089, base_file_command),
        {10090, model_base_action, 7},
        {10091, model_base_action, 8},
        by_item(10095, browse_command),
        by_item(10096, browse_command),
        by_item(10097, base_file_command),
        by_item(10098, base_file_command),
        by_item(10099, base_file_command),
        {10100, exact_constraints_action, 5},
        {10101, exact_constraints_action, 6},
        by_item(10105, browse_command),
        by_item(10106, browse_command),
        by_item(10107, base_file_command),
        by_item(10108, base_file_command),
        by_item(10109, base_file_command),
        {10110, uncertain_constraints_action, 5},
        {10111, uncertain_constraints_action, 6},
        by_item(10114, media_names_command),
        by_item(10115, base_file_command),
        by_item(10116, base_file_command),
        by_item(10117, base_file_command),
        by_item(10118, media_chooser_command),
        by_item(10119, media_command),
        by_item(10120, media_command),
        by_item(10121, media_command),
        by_item(10122, media_command),
        by_item(10125, media_names_command),
        by_item(10126, base_file_command),
        by_item(10127, base_file_command),
        by_item(10128, base_file_command),
        by_item(10129, media_chooser_command),
        by_item(10130, media_command),
        by_item(10131, media_command),
        by_item(10132, media_command),
        by_item(10135, media_names_command),
        by_item(10136, base_file_command),
        by_item(10137, base_file_command),
        by_item(10138, base_file_command),
        by_item(10139, media_chooser_command),
        by_item(10140, media_command),
        by_item(10141, media_command),
        by_item(10142, media_command),
        by_item(10145, flatten_chosen_rule),
        by_item(10146, flatten_all_rules),
        {10147, analysis, 2},
        {10148, analysis, 3},
        {10149, analysis, 4},
        by_item(10151, side_file_command),
        by_item(10152, side_file_command),
        by_item(10153, side_file_command),
        by_item(10154, side_file_command),
        by_item(10155, side_file_command),
        by_item(10156, side_file_command),
        by_item(10157, side_file_command),
        by_item(10158, side_file_command),
        by_item(10160, side_file_command),
        by_item(10161, side_file_command),
        by_item(10162, side_file_command),
        {10164, inference_command, kForwardInference},
        {10165, inference_command, kBackwardInference},
        by_item(10167, new_aux_window),
        by_item(10168, folder_note),
        by_item(10169, help),
        by_item(10170, about),
    };
    // The load items come from the table of load kinds.
    for (const load::LoadKindRow& kind : load::load_kinds()) rows.push_back({kind.menu_item, load_command, kind.number});
    return rows;
}

const std::vector<Row>& table()
{
    static const std::vector<Row> rows = build();
    return rows;
}

}  // namespace

bool opcja_z_menu_glownego(kb::Context& ctx, int rodzaj)
{
    if (const std::optional<load::LoadKind> kind = load::load_kind_numbered(rodzaj))
        return load::load_kind(*kind).load(ctx).is_loaded();
    if (rodzaj == kForwardInference) return inference::launch(ctx, inference::Direction::forward);
    if (rodzaj == kBackwardInference) return inference::launch(ctx, inference::Direction::backward);
    return false;
}

bool polecenie_menu(kb::Context& ctx, int item)
{
    const auto& rows = table();
    const auto row = std::find_if(rows.begin(), rows.end(), [item](const Row& r) { return r.item == item; });
    if (row == rows.end()) return false;
    return row->command(ctx, row->argument);
}

std::vector<int> menu_command_items()
{
    std::vector<int> items;
    for (const Row& row : table()) items.push_back(row.item);
    return items;
}

}  // namespace app
