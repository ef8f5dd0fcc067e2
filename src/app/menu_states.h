// Which main-menu items are offered when: one table of the events that enable or grey items
// (the intro's close, each successful load, the findings of the load-time diagnoses, ...),
// applied through the toolkit. The menu itself holds the states; nothing here reads them back.
#pragma once

#include <initializer_list>
#include <vector>

#include "kb/context.h"

namespace app {

// What changes the enabling of main-menu items. The comments name who reports each event.
enum class MenuEvent {
    IntroClosed,                       // the intro window's close request
    RuleBaseLoadStarted,               // the rule-base load command, before its file dialog
    RuleBaseLoaded,                    // a load command whose load returned a base name
    ModelBaseLoaded,
    ExactConstraintBaseLoaded,
    UncertainConstraintBaseLoaded,
    AdviceBaseLoaded,
    GraphicsBaseLoaded,
    SoundBaseLoaded,
    ExternalContradictionFound,        // informuj_sprzecznosc_1z, at a rule-base load
    InternalContradictionFound,        // informuj_sprzecznosc_1w
    RedundantRulesFound,               // informuj_nadmiar_p
    ModelContradictionFound,           // informuj_sprzecznosc_mz, at a model-base load
    ModelRuleContradictionFound,       // informuj_sprzecznosc_mr
    ExactJointContradictionFound,      // informuj_sprzecznosc_2, at an exact-constraint load
    ExactJointRedundancyFound,         // informuj_nadmiar_2p
    UncertainJointContradictionFound,  // informuj_sprzecznosc_2p, at an uncertain-constraint load
    UncertainJointRedundancyFound,     // informuj_nadmiar_2pp
    ConclusionClashFound,              // the clash check of model and rule conclusions
    EditorCloseRequested,              // an editor window's close box, before its save question
    ImportReviewConfirmed,             // "&OK" of the review dialog of imported data
};

struct MenuChange {
    int item = 0;
    bool enabled = false;
    bool operator==(const MenuChange&) const = default;
};

// One event and the changes it makes, in the order they are made.
struct MenuStateRow {
    MenuEvent event;
    std::vector<MenuChange> changes;
};

// Every row; each event has exactly one.
const std::vector<MenuStateRow>& menu_state_table();
const MenuStateRow& menu_state_row(MenuEvent event);

// Applies the row of the event to the main menu.
void menu_po(kb::Context& ctx, MenuEvent event);

// Enables or greys main-menu items one by one, in the order given. An id the menu does not
// have is ignored, so callers may name items that other versions of the menu carry.
void ustaw_pozycje_menu(kb::Context& ctx, std::initializer_list<int> items, bool enabled);

}  // namespace app
