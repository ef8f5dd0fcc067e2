// What a numbered base action (dzialanie_w_bazie_regul, _modeli, _ograniczen, ...) hands back
// to the menu command that asked for it: a string list and a text. An action that fails
// returns std::nullopt and leaves nothing behind for the caller.
#pragma once

#include <string>

#include "platform/facts.h"

namespace kb {

struct AkcjaWynik {
    facts::SList lista;
    std::string tekst;
    bool operator==(const AkcjaWynik&) const = default;
};

// The outputs of actions that only do something: a list of one empty string and "".
inline AkcjaWynik pusty_wynik_akcji() { return AkcjaWynik{{""}, ""}; }

}  // namespace kb
