// The operations of arithmetic models: one operation on two values (basic models), one over a
// list (extended), the linear sum and the polynomial. Computations without memory: they record
// nothing; only "/" by zero and the root of a negative number warn the user. nullopt: the
// operation gives no result and the model is passed over. An arithmetic run-time error raises
// BladObliczen.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "inference/blad_obliczen.h"
#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// A is the value of argument 1, B that of argument 2; a one-argument operation needs B == 0.
std::optional<double> wykonaj(kb::Context& ctx, double a, double b, std::string_view operacja);
// "+", "*", "max_list", "min_list" over the values in list order.
std::optional<double> wykonaj_r(const std::vector<double>& wartosci, std::string_view operacja);
// start + k1*v1 + k2*v2 ... pair by pair; nullopt when the lists differ in length.
std::optional<double> wykonaj_liniowy(double start, const std::vector<double>& wspolczynniki,
                                      const std::vector<double>& wartosci);
// start + the terms c*x^n pair by pair (c == 0: 0; n == 0: c); nullopt when the lists differ in
// length or a non-zero coefficient has a negative exponent.
std::optional<double> wykonaj_wielomianowy(double start, double x, const std::vector<double>& wspolczynniki,
                                           const facts::IList& wykladniki);

// The largest and smallest element; nullopt for an empty list.
std::optional<double> maksimum(const std::vector<double>& lista);
std::optional<double> minimum(const std::vector<double>& lista);

// 1.0 multiplied by x, n times (n >= 0), each product rounded to a double: a repeated
// multiplication, not a library power.
double mnoz(double x, std::int64_t n);

}  // namespace inference
