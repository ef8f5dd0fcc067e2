// The rules a diagnosis could not flatten in full, gathered while it runs and told to the user
// at its end: those whose conditions depend on themselves (no form at all) and those whose
// flattening was cut short. It only collects and tells; it decides nothing about the finding.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics/splaszczanie.h"
#include "kb/context.h"

namespace diagnostics {

class FlatteningTrouble {
public:
    // Remembers the rule unless its flattening was complete; a rule is remembered once.
    void note(std::int32_t numer, const std::string& wniosek, const Flattening& splaszczenie);
    bool empty() const { return self_dependent_.empty() && cut_.empty(); }

    // Lines in the auxiliary window (plain writes, not the report text) and a note for each
    // kind of trouble; nothing when there is none.
    void tell(kb::Context& ctx) const;

    struct Rule {
        std::int32_t numer = 0;
        std::string wniosek;
        bool operator==(const Rule&) const = default;
    };
    const std::vector<Rule>& self_dependent() const { return self_dependent_; }
    const std::vector<Rule>& cut() const { return cut_; }

private:
    std::vector<Rule> self_dependent_;
    std::vector<Rule> cut_;
};

}  // namespace diagnostics
