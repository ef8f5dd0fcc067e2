// Generators of large knowledge bases for the benchmarks: realistic Polish names, condition
// lists and CF texts, reproducible from a seed. Text only; writing files is the caller's.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// A rule-base file text (UTF-8, LF line ends) of `rules` rules, with a few given facts,
// disjunctive conclusions and remarks among them, as a knowledge engineer would write it.
std::string generate_rule_base(std::size_t rules, unsigned seed = 1);

}  // namespace bench
