// Generators of large knowledge bases for the benchmarks: realistic Polish names, condition
// lists and CF texts, reproducible from a seed, and the same facts written as Prolog clauses.
// Text only; writing files is the caller's.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bench {

// A rule-base file text (UTF-8, LF line ends) of `rules` rules that loads cleanly: `conclusions`
// distinct conclusions (0: a quarter as many as rules) with their rules together, 1-4 conditions
// a rule, about 30% of them concluded by other rules and 20% negated; every 50th conclusion
// disjunctive, a given fact every 200 rules, a remark here and there. No rule with CF 1 has a
// single condition, so the load asks only its three diagnosis questions.
std::string generate_rule_base(std::size_t rules, unsigned seed = 1, std::size_t conclusions = 0);

// A model base of `models` models of every kind with the rule base it belongs to (the rule
// base's conditions are the models' application conditions, and some rules take the models'
// conclusions as conditions). Both load cleanly with no question beyond the rule base's three.
struct ModelBase {
    std::string rules;
    std::string models;
};
ModelBase generate_model_base(std::size_t models, unsigned seed = 1);

// A chain of `rules` rules for forward inference: rule i concludes "f<i+1>" from ["f<i>"] (CF
// 0.9, display flag 0), with the given fact f0; in file order, or with the rules written last
// first. The same chain as a CLIPS program (one defrule per rule, the fact f0 asserted by a
// deffacts), for a side-by-side run.
std::string generate_chain(std::size_t rules, bool reverse);
std::string clips_chain(std::size_t rules, bool reverse);

// The facts of a fact-file text (as generated above) as a Prolog source file that SWI-Prolog
// consults: UTF-8, each fact a clause of a dynamic predicate.
enum class BaseKind { rules, models };
std::string prolog_clauses(std::string_view fact_text, BaseKind kind);

}  // namespace bench
