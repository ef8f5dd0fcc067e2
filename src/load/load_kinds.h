// The kinds of base the program loads, as one table: each kind's number in the main menu's load
// option, the menu item that starts it, the menu event of a load that loaded it, and its load.
// Read by the main window's dispatch and by the loader; the loads themselves are in ladowanie.h.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "kb/context.h"

namespace load {

enum class LoadKind {
    rules,                  // "RE*.BQZ", the first base of every knowledge base
    models,                 // "MO*.BQZ"
    exact_constraints,      // "OG*.BQZ"
    uncertain_constraints,  // "ON*.BQZ"
    advice,                 // "RA*.BQZ"
    graphics,               // "GR*.BQZ"
    sounds,                 // "DŹ*.BQZ"
};

// What a load answers.
struct LoadResult {
    enum class State {
        loaded,          // the base is loaded: `path` is the chosen file's full path as the dialog gave it
        refused,         // the load failed: a read error, a check that refused the base, a problem flag
        nothing_chosen,  // the load ended quietly without a base to announce: the dialog was
                         // cancelled, a rule base was asked for first, the file was turned away
                         // before reading, or a check before the commit point stopped it unflagged
    };
    State state = State::nothing_chosen;
    std::string path;

    static LoadResult loaded(std::string path) { return {State::loaded, std::move(path)}; }
    static LoadResult refused() { return {State::refused, {}}; }
    static LoadResult nothing_chosen() { return {State::nothing_chosen, {}}; }
    bool is_loaded() const { return state == State::loaded; }
    bool operator==(const LoadResult&) const = default;
};

// For test messages: "loaded <path>", "refused", "nothing chosen".
std::ostream& operator<<(std::ostream& out, const LoadResult& result);

struct LoadKindRow {
    LoadKind kind;
    int number;                // its kind number in opcja_z_menu_glownego (1, 2, 3, 4, 5, 16, 17)
    int menu_item;             // the main-menu item that loads it
    kb::MenuEvent loaded;      // what the main menu hears after a load that loaded the base
    LoadResult (*load)(kb::Context&);
};

// Every kind, in the order of their kind numbers.
const std::vector<LoadKindRow>& load_kinds();
const LoadKindRow& load_kind(LoadKind kind);
// The kind with that kind number; nullopt for a number that loads nothing.
std::optional<LoadKind> load_kind_numbered(int number);

}  // namespace load
