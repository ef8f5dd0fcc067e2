// The small list and text helpers the diagnoses and their reports share: membership and
// subset tests, rule-number lists as texts, and the two writers of list report lines. Pure
// functions, except the writers, which write through the report writers and nothing else.
#pragma once

#include <string>

#include "kb/context.h"
#include "platform/facts.h"

namespace diagnostics {

bool nie_jest_elementem(const std::string& x, const facts::SList& lista);
// Every element of a is one of b (order and repeats play no part; the empty a always is).
bool podzbior(const facts::SList& a, const facts::SList& b);
// a within b, or b within a.
bool podzbior_ogolny(const facts::SList& a, const facts::SList& b);

// The decimal text of every number, in order.
facts::SList lista_str_int(const facts::IList& numery);
// The decimal text of every number followed by "==>": [3, 7] gives "3==>", "7==>".
facts::SList zmien_na_stringa1(const facts::IList& numery);
// The texts joined as they are; and each followed by ", " (the last one too).
std::string tworz_string(const facts::SList& teksty);
std::string tworz_string1(const facts::SList& teksty);

// Report lines (window and report text): the texts joined by "," and a line end (only the
// line end for none); the texts joined by "," and "]" with no line end (only "]" for none:
// the caller has written the "[").
void pisz_liste_dla_raportu_i(kb::Context& ctx, const facts::SList& teksty);
void pisz_liste_dla_raportu_s(kb::Context& ctx, const facts::SList& teksty);

}  // namespace diagnostics
