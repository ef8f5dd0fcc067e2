// The lookups and writes of an inference run's records: resultants (`wypadkowa_prbd`), rule
// contributions (`prbd`), fired disjunctive rules (`dysjunkt`) and established values
// (`zmienna_ustalona`). Every engine reads and writes these records through here, so that a
// lookup by name stays fast however many records a run holds; nothing here decides anything.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kb/context.h"

namespace kb {

// ---- Resultants: wypadkowa_prbd (name, CF); readers take the first record of a name ----------

std::optional<double> wypadkowa(const Context& ctx, std::string_view nazwa);
bool ma_wypadkowa(const Context& ctx, std::string_view nazwa);
// Some record of the name holds exactly this CF.
bool ma_dokladnie(const Context& ctx, std::string_view nazwa, double cf);
// Every record of the name, in stored order.
std::vector<double> wypadkowe(const Context& ctx, std::string_view nazwa);
// Appends a record at the end of the store; earlier records of the name stay.
void dodaj_wypadkowa(Context& ctx, std::string_view nazwa, double cf);
// Removes the first record of the name; false when it has none.
bool usun_pierwsza_wypadkowa(Context& ctx, std::string_view nazwa);
void kasuj_wypadkowe(Context& ctx);
// The names that got their first resultant since the last call, in that order; an engine that
// waits for names takes them here (the list starts empty again).
std::vector<std::string> odbierz_nowe_wypadkowe(Context& ctx);

// ---- Contributions: prbd (rule number, conclusion, partial CF) and dysjunkt --------------------

// The partial CFs of a conclusion, in stored order.
std::vector<double> cf_czastkowe(const Context& ctx, std::string_view wniosek);
// A contribution with exactly these values is recorded.
bool jest_prbd(const Context& ctx, std::int32_t numer, std::string_view wniosek, double cf);
void dodaj_prbd(Context& ctx, std::int32_t numer, std::string_view wniosek, double cf);
// Adds the contribution before every other: backward inference reads a conclusion's
// contributions newest first.
void dodaj_prbd_na_poczatku(Context& ctx, std::int32_t numer, std::string_view wniosek, double cf);
// Removes every contribution of the rule.
void usun_prbd_reguly(Context& ctx, std::int32_t numer);

// The fired disjunctive rules of a conclusion, in stored order.
std::vector<Dysjunkt> dysjunkty(const Context& ctx, std::string_view wniosek);
void dodaj_dysjunkt(Context& ctx, const Dysjunkt& d);

// Removes every contribution and every disjunctive record: they live and go together.
void kasuj_prbd(Context& ctx);

// ---- Established values: zmienna_ustalona (name, value); the first record of a name counts -----

std::optional<double> wartosc_ustalona(const Context& ctx, std::string_view nazwa);
void ustal_wartosc(Context& ctx, std::string_view nazwa, double wartosc);

}  // namespace kb
