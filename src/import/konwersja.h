// What one row read from a table gives: a given fact of the rule base, a known argument value
// of the model base, or nothing, with the line the review of the import shows for it. The kind
// column decides; commas become decimal points. Reads no table and opens no dialog.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "kb/bazy_importu.h"
#include "kb/context.h"

namespace import {

inline constexpr const char* kRodzajFakt = "fakt";
inline constexpr const char* kRodzajArgument = "argument_znany";

// Converts one row (its cells in column order; columns after the third are ignored). A fact's
// CF text must be a CF as in a loaded base, an argument value a finite number; a name already
// holding a value gets the new one. Notes tell of a bad CF and of a number out of range.
void sprczytofakt(kb::Context& ctx, const kb::Komorki& komorki);

// Text with every "," turned into "." appended to `dotad`, kept in `dane_przecinek` and given.
std::string sprawdz_przecinek(kb::Context& ctx, const std::string& tekst, const std::string& dotad);

// A text as a real: blanks around, a sign, digits with a point, an exponent, or NAN / INF.
inline constexpr int kLiczbaPozaZakresem = 1030;
struct NieLiczba {};
struct PozaZakresem {};
using Liczba = std::variant<double, NieLiczba, PozaZakresem>;
Liczba tekst_na_real(const std::string& tekst);

// The note of a number out of range, with the error's number.
void blad_real(kb::Context& ctx, int numer_bledu);

}  // namespace import
