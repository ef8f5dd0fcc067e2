// The CF of a fired rule or an applied relational model: taken from its CF text when that is a
// number in [-1, 1], otherwise declared by the user in dialog 10003, asked until an answer is
// accepted. Nothing is recorded: the caller records what it derives.
#pragma once

#include <string>

#include "kb/context.h"

namespace inference {

// The CF text's value, or the declared CF (then the line "   CF(name) = text = answer").
double wyznacz_cf(kb::Context& ctx, const std::string& nazwa, const std::string& cf);
// Always declared by the user (then the line "   CF(name) = answer").
double wyznacz_cf_negatywne(kb::Context& ctx, const std::string& nazwa);

}  // namespace inference
