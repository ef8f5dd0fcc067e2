// The dispatch table of the main menu and the commands that are only a call or two: loads,
// numbered base actions, diagnoses, inference, import, settings, help and about. Commands with
// dialogs and files of their own live in the headers they are called through.
#include "app/menu_commands.h"

#include <algorithm>

#include "app/browse_commands.h"
#include "app/dialogi.h"
#include "app/file_commands.h"
#include "app/menu_states.h"
#include "app/okno_pomocnicze.h"
#include "app/pomoc.h"
#include "diagnostics/diagnozy.h"
#include "import/import.h"
#include "kb/baza_modeli.h"
#include "kb/baza_regul.h"
#include "kb/bazy_ograniczen.h"
#include "load/opcje.h"
#include "platform/toolkit.h"

namespace app {
namespace {

// ---- Loads ----------------------------------------------------------------------------------------

struct LoadKind {
    int kind;
    MenuEvent loaded;
};

constexpr LoadKind kLoadKinds[] = {
    {1, MenuEvent::RuleBaseLoaded},        {2, MenuEvent::ModelBaseLoaded},
    {3, MenuEvent::ExactConstraintBaseLoaded}, {4, MenuEvent::UncertainConstraintBaseLoaded},
    {5, MenuEvent::AdviceBaseLoaded},      {16, MenuEvent::GraphicsBaseLoaded},
    {17, MenuEvent::SoundBaseLoaded},
};

constexpr int kRuleBase = 1;

// A new rule base starts a new knowledge base: one import is offered per rule-base load, and
// what dialogs left in the data channel goes.
void before_rule_base_load(kb::Context& ctx)
{
    menu_po(ctx, MenuEvent::RuleBaseLoadStarted);
    ctx.db.dane.dane_str.remove_all();
    ctx.db.dane.dane_lista_str.remove_all();
    ctx.db.dane.dane_int.remove_all();
    ctx.db.dane.dane_lista_int.remove_all();
}

bool zaladuj_baze(kb::Context& ctx, int kind)
{
    if (kind == kRuleBase) before_rule_base_load(ctx);
    const std::optional<std::string> name = load::opcja_z_menu_glownego(ctx, kind);
    if (!name || name->empty()) return false;
    for (const LoadKind& k : kLoadKinds)
        if (k.kind == kind) menu_po(ctx, k.loaded);
    return true;
}

// ---- Numbered base actions: the diagnosis reports -----------------------------------------------

bool akcja_regul(kb::Context& ctx, int akcja) { return kb::dzialanie_w_bazie_regul(ctx, akcja).has_value(); }
bool akcja_modeli(kb::Context& ctx, int akcja) { return kb::dzialanie_w_bazie_modeli(ctx, akcja).has_value(); }
bool akcja_ograniczen(kb::Context& ctx, int akcja) { return kb::dzialanie_w_bazie_ograniczen(ctx, akcja).has_value(); }
bool akcja_ograniczen_p(kb::Context& ctx, int akcja)
{
    return kb::dzialanie_w_bazie_ograniczen_p(ctx, akcja).has_value();
}

// ---- Analysis of the rule base --------------------------------------------------------------------

bool splaszczanie_wybranej_reguly(kb::Context& ctx, int)
{
    if (!dlg_wybor_reguly_do_splaszczenia_Create(ctx, ctx.ui.main_window(),
                                                 diagnostics::dlg_wybor_reguly_do_splaszczenia_eh)) return false;
    diagnostics::dalej(ctx);
    return true;
}

bool splaszczanie_wszystkich_regul(kb::Context& ctx, int)
{
    diagnostics::tryb_splaszczenia(ctx);
    return true;
}

bool analiza(kb::Context& ctx, int tryb)
{
    diagnostics::analiza_bazy_wiedzy(ctx, tryb);
    return true;
}

// ---- Inference and import -------------------------------------------------------------------------

bool wnioskowanie(kb::Context& ctx, int kind)
{
    ctx.ui.clear_aux_window();
    return load::opcja_z_menu_glownego(ctx, kind).has_value();
}

bool import_danych(kb::Context& ctx, int)
{
    dlg_wybor_bazy_Create(ctx, ctx.ui.main_window(), import::dlg_wybor_bazy_eh);
    return true;
}

// ---- Settings, help, about ------------------------------------------------------------------------

bool nowe_okno(kb::Context& ctx, int)
{
    nowe_okno_pomocnicze(ctx);
    return true;
}

bool katalog(kb::Context& ctx, int) { return ustaw_katalog_na_biezacy(ctx); }
bool pomoc_z_menu(kb::Context& ctx, int) { return pomoc(ctx); }

bool o_programie(kb::Context& ctx, int)
{
    dlg_about_dialog_Create(ctx, ctx.ui.main_window());
    return true;
}

// ---- The table ------------------------------------------------------------------------------------

using Command = bool (*)(kb::Context&, int);

struct Row {
    int item;
    Command command;
    int argument;  // the load kind, action number or mode; the item itself for item-keyed commands
};

// Commands keyed by their own item: the argument is the item.
Row by_item(int item, Command command) { return Row{item, command, item}; }

const std::vector<Row>& table()
{
    static const std::vector<Row> rows = {
        {10064, zaladuj_baze, 1},
        by_item(10065, import_danych),
        by_item(10067, browse_command),
        by_item(10068, browse_command),
        by_item(10069, browse_command),
        by_item(10070, base_file_command),
        by_item(10071, base_file_command),
        by_item(10072, base_file_command),
        {10073, akcja_regul, 6},
        {10074, akcja_regul, 9},
        {10075, akcja_regul, 7},
        {10077, zaladuj_baze, 2},
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
        {10090, akcja_modeli, 7},
        {10091, akcja_modeli, 8},
        {10093, zaladuj_baze, 3},
        by_item(10095, browse_command),
        by_item(10096, browse_command),
        by_item(10097, base_file_command),
        by_item(10098, base_file_command),
        by_item(10099, base_file_command),
        {10100, akcja_ograniczen, 5},
        {10101, akcja_ograniczen, 6},
        {10103, zaladuj_baze, 4},
        by_item(10105, browse_command),
        by_item(10106, browse_command),
        by_item(10107, base_file_command),
        by_item(10108, base_file_command),
        by_item(10109, base_file_command),
        {10110, akcja_ograniczen_p, 5},
        {10111, akcja_ograniczen_p, 6},
        {10113, zaladuj_baze, 5},
        by_item(10114, media_command),
        by_item(10115, base_file_command),
        by_item(10116, base_file_command),
        by_item(10117, base_file_command),
        by_item(10118, media_command),
        by_item(10119, media_command),
        by_item(10120, media_command),
        by_item(10121, media_command),
        by_item(10122, media_command),
        {10124, zaladuj_baze, 16},
        by_item(10125, media_command),
        by_item(10126, base_file_command),
        by_item(10127, base_file_command),
        by_item(10128, base_file_command),
        by_item(10129, media_command),
        by_item(10130, media_command),
        by_item(10131, media_command),
        by_item(10132, media_command),
        {10134, zaladuj_baze, 17},
        by_item(10135, media_command),
        by_item(10136, base_file_command),
        by_item(10137, base_file_command),
        by_item(10138, base_file_command),
        by_item(10139, media_command),
        by_item(10140, media_command),
        by_item(10141, media_command),
        by_item(10142, media_command),
        by_item(10145, splaszczanie_wybranej_reguly),
        by_item(10146, splaszczanie_wszystkich_regul),
        {10147, analiza, 2},
        {10148, analiza, 3},
        {10149, analiza, 4},
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
        {10164, wnioskowanie, 10},
        {10165, wnioskowanie, 11},
        by_item(10167, nowe_okno),
        by_item(10168, katalog),
        by_item(10169, pomoc_z_menu),
        by_item(10170, o_programie),
    };
    return rows;
}

}  // namespace

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
