// Flattening of rules, the ground of every diagnosis that compares rules: each condition that a
// rule concludes is replaced, pass after pass, by that rule's conditions (a negated one by the
// negation of one condition of such a rule) until only askable conditions are left. It reads
// the rules and askable conditions it was built on and changes no fact; it tells the user nothing.
//
// How to use it (every diagnosis that flattens does this):
//
//     Flattener f(ctx);                         // one per diagnosis run, after the askables are known
//     ctx.db.baza_regul.regula.each([&](const kb::Regula& r) {
//         const Flattening& s = f.splaszcz(r.warunki);
//         omissions.note(r.numer, r.wniosek, s); // Omissions, pominiecia.h
//         for (const FlatForm& form : s.postacie) ... form.warunki, uzyte_reguly(form) ...
//     });
//     omissions.tell(ctx);                      // says which rules were left out, and why
//
// A rule has, in general, several flattened forms: a condition concluded by several rules, a
// negated condition whose rule has several conditions. They come in a fixed depth-first order
// (the first rule concluding a condition, in rule-base order, first; a negated condition by the
// last condition of its rule first; a condition that is concluded and also askable is replaced
// first and kept unchanged only in a later form; the choices of the last condition of the last
// pass vary fastest), the same flattened list possibly more than once. A caller that wants the
// first form takes postacie.front(); one that keeps forms drops repeats itself.
//
// Bounds, so that no rule base can hang the program:
// - a form needs at most (number of rules + 1) passes; when some way of flattening a list needs
//   more, its conditions depend on themselves (a cycle of rules, or a negated askable condition
//   like "nx" that stays unresolved for ever) and the list has no form at all (self_dependent);
// - the forms of one list and the work of one Flattener are limited (FlatteningLimits); past a
//   limit a list keeps the forms found so far and is marked cut, and every later list of the
//   same Flattener is cut at once.
//
// Memoised: the alternatives of every name (the rules that conclude it, whether it is askable)
// are worked out once, and the forms of every condition list once per Flattener, so a diagnosis
// may ask for the same rule as often as it likes. Build a new Flattener when the rules or the
// askable conditions have changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "kb/context.h"
#include "platform/facts.h"

namespace diagnostics {

// One flattened form of a condition list.
struct FlatForm {
    facts::SList warunki;  // the flattened conditions: each resolved (askable), none twice
    // One entry per rule whose conditions replaced a condition, newest first, each rule once
    // (its first use is its last place); 0 when some condition was kept unchanged.
    facts::IList numery;
    bool operator==(const FlatForm&) const = default;
};

// The rules a form used, in the order of their first use: its number list without the 0s, reversed.
facts::IList uzyte_reguly(const FlatForm& form);

enum class FlatteningEnd {
    complete,        // every form, in order
    self_dependent,  // some way of flattening never ends: no form at all
    cut,             // a limit was reached: the forms found before it, in order
};

struct Flattening {
    std::vector<FlatForm> postacie;
    FlatteningEnd koniec = FlatteningEnd::complete;
};

struct FlatteningLimits {
    std::size_t max_forms = 5000;           // forms of one condition list
    // Work of one Flattener over all its lists: every name handled in a pass is a step, every
    // name of a form found eight (what callers do with a form costs more). The default is
    // about half a second.
    std::uint64_t max_steps = 16'000'000;
};

class Flattener {
public:
    // Takes the rules (`reguła`) and the askable conditions (`dopytywalny`) of ctx as they are now.
    explicit Flattener(const kb::Context& ctx, FlatteningLimits limits = {});
    ~Flattener();
    Flattener(const Flattener&) = delete;
    Flattener& operator=(const Flattener&) = delete;

    // Every form of a rule with these conditions (its conclusion plays no part). The reference
    // stays valid as long as the Flattener.
    const Flattening& splaszcz(const facts::SList& warunki);
    const Flattening& splaszcz(const facts::NameList& warunki);
    const Flattening& splaszcz(std::initializer_list<std::string> warunki) { return splaszcz(facts::SList(warunki)); }

    // Whether a name counts as askable: an askable condition, or "n" followed by one.
    bool dopytywalny_t(const std::string& nazwa) const;
    // Whether some element still needs replacing.
    bool sprawdz_niedopytywalnosc(const facts::SList& warunki) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The negations of the names, the negation of the last name first.
facts::SList neguj_liste(const facts::SList& nazwy);
facts::IList odwracanie(const facts::IList& lista);

}  // namespace diagnostics
